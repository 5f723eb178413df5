// The workspace window as a user meets it: typing, clicking the translate button, menus, toolbar, panes,
// resizing, minimising and closing. Message boxes and dialogs are answered by FakeDialogs.
#include "FakeDialogs.h"
#include "FrmLogo.h"
#include "FrmMain.h"
#include "FrmTip.h"
#include "HelpWindow.h"
#include "PicBar.h"
#include "Settings.h"
#include "Skins.h"
#include "TestContext.h"
#include "Toolbar.h"
#include "WorkspaceFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

using namespace dlx;

namespace {

QString u(const char *s) {
    return QString::fromUtf8(s);
}

const QString kErrorTitle = u("โปรแกรมผิดพลาด");

// One program folder, host services and main window per test.
struct Workspace {
    explicit Workspace(const char *tipSetting = "0") {
        test::writeFixtureDictionary(folder.dataFolder());
        // The default skin beside the program, as the build puts it there.
        QDir(programFolder()).mkdir("Skin");
        QImage skin(16, 12, QImage::Format_RGB32);
        skin.fill(QColor(180, 200, 230));
        skin.save(programFolder() + "/Skin/Default.bmp", "BMP");
        if (tipSetting)
            services.settings.setValue("Tip", "My Tip", QString::fromLatin1(tipSetting));
    }
    QString programFolder() const { return QString::fromStdString(folder.path()); }
    FrmMain &window() {
        if (!main)
            main = std::make_unique<FrmMain>(context);
        return *main;
    }
    FrmMain &shown() {
        FrmMain &w = window();
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            qWarning("window not active");
        return w;
    }
    bool workFile(const char *name) const { return QFile::exists(programFolder() + "/" + name); }
    int messagesTitled(const QString &title, MsgIcon icon) const {
        int n = 0;
        for (const auto &m : dialogs.messages)
            n += m.title == title && m.icon == icon;
        return n;
    }

    test::TempProgramFolder folder;
    test::TestContext services{programFolder()};
    test::FakeDialogs &dialogs = services.dialogs;
    test::FakeKeyboardLayouts &keyboard = services.keyboard;
    IniSettingsStore *settings = &services.settings;
    AppContext &context = services.context;
    std::unique_ptr<FrmMain> main;
};

QString engine(const Workspace &ws, const QString &text, TranslationMode mode = TranslationMode::Grammar) {
    return QString::fromStdString(test::engineTranslation(ws.folder.dataFolder(), text.toStdString(), mode));
}

// The window's parts, found by their code names as a user's tools would.
template <class T> T *part(const QObject &w, const QString &name) {
    T *found = w.findChild<T *>(name);
    if (!found)
        qFatal("no %s", qPrintable(name));
    return found;
}
QTextEdit *text1(const FrmMain &w) {
    return part<QTextEdit>(w, "Text1");
}
QTextEdit *text2(const FrmMain &w) {
    return part<QTextEdit>(w, "Text2");
}
QPushButton *command1(const FrmMain &w) {
    return part<QPushButton>(w, "Command1");
}
PicBar *picBar(const FrmMain &w) {
    return part<PicBar>(w, "PicBar");
}
QRadioButton *option1(const FrmMain &w) {
    return part<QRadioButton>(w, "Option1");
}
QRadioButton *option2(const FrmMain &w) {
    return part<QRadioButton>(w, "Option2");
}
QLabel *label1(const FrmMain &w) {
    return part<QLabel>(w, "Label1");
}
QLabel *label2(const FrmMain &w) {
    return part<QLabel>(w, "Label2");
}
QMenu *paneMenu(const FrmMain &w) {
    return part<QMenu>(w, "mnuPopUp");
}
QWidget *surface(const FrmMain &w) {
    return part<QWidget>(w, "FrmMainSurface");
}
ToolButton *tool(const FrmMain &w, int index) {
    return part<ToolButton>(w, QStringLiteral("ImgTool%1").arg(index));
}
void trigger(const FrmMain &w, const char *command) {
    part<QAction>(w, command)->trigger();
}
void clickTool(const FrmMain &w, int index) {
    QTest::mouseClick(tool(w, index), Qt::LeftButton, {}, QPoint(5, 5));
}

// How a toolbar button looks at its left and right edges: the raised frame (light and dark edges), the
// pressed border, or neither.
enum class Edge { Raised, Pressed, Bare };
Edge edgeOf(ToolButton *button) {
    const QImage look = button->grab().toImage();
    const QColor left = look.pixelColor(0, look.height() / 2);
    const QColor right = look.pixelColor(look.width() - 1, look.height() / 2);
    if (left == QColor(255, 255, 255) && right == QColor(0x40, 0x40, 0x40))
        return Edge::Raised;
    const QColor border = button->palette().color(QPalette::WindowText);
    return left == border && right == border ? Edge::Pressed : Edge::Bare;
}

double outerWidthTwips(const FrmMain &w) {
    return pixelsToTwips(w.frameGeometry().width(), w.logicalDpiX());
}

// Runs `act` once, at the first moment window events are handled while the progress bar's caption starts with
// `caption`.
void whenBarShows(FrmMain &w, const QString &caption, std::function<void()> act) {
    auto *poll = new QTimer(&w);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &w, caption, act] {
        if (!picBar(w)->caption().startsWith(caption))
            return;
        poll->stop();
        poll->deleteLater();
        act();
    });
    poll->start(0);
}

void clickTranslate(FrmMain &w) {
    QTest::mouseClick(command1(w), Qt::LeftButton);
}

QString lines(const char *line, int count) {
    QStringList all;
    for (int i = 0; i < count; ++i)
        all << QString::fromUtf8(line);
    return all.join('\n');
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void translateButtonPutsTheEnginesThaiInText2();
    void translateOnlyTheSelection_data();
    void translateOnlyTheSelection();
    void translateTakesThePanesOwnCharacters_data();
    void translateTakesThePanesOwnCharacters();
    void secondClickCancelsAfterTheCurrentLine();
    void cancelBeforeTheFirstLineLeavesTheTranslation();
    void clickWhileACancelledRunFinishesIsIgnored();
    void textOf32768LinesIsRefusedAnd32767Translate();
    void unwritableProgramFolderReportsOnceAndGoesIdle();
    void usersPhraseRulesApplyAndARefusedOneIsSaidOnce();
    void saveTextWritesTheFile_data();
    void saveTextWritesTheFile();
    void saveTextReportsAMissingFolder();
    void resizeBelow4000TwipsComplainsEachTime();
    void maximisingASmallWindowDoesNotComplain();
    void windowResizedWhileTheMessageIsOpenIsLaidOutAtItsNewSize();
    void tooSmallMessageHasRoomForItsTitle();
    void stripNeverCoversPanesOrToolbar_data();
    void stripNeverCoversPanesOrToolbar();
    void arrangementsSurviveResizes();
    void minimisedWindowScrollsItsTitle();
    void startupTipShowsOnceWhenWanted_data();
    void startupTipShowsOnceWhenWanted();
    void paneMenuOpensOnRightClickAndTranslates();
    void activePaneFollowsFocusAndSwitchesKeyboard();
    void commandsOnTheActivePaneWaitForAPane();
    void toolbarButtonsInOrderWithTooltipsAndCommands();
    void hoverFrameAndToolbarClick();
    void menuCaptionsAndShortcuts_data();
    void menuCaptionsAndShortcuts();
    void menuBarOrder();
    void modeSwitchKeepsMenuAndOptionsInStep();
    void extendedGrammarIsAKeptChoiceOfTheGrammarMode();
    void fontCommandCarriesNameBoldItalicSize();
    void colourCommands();
    void editRoutines();
    void closeDeletesLeftoverWorkFiles();
    void helpCommandOpensTheHelp();
    void startupFailureIsReportedAfterTheSplash();
};

void TestFrmMain::translateButtonPutsTheEnginesThaiInText2() {
    Workspace ws;
    FrmMain &w = ws.shown();
    text1(w)->setFocus();
    QTest::keyClicks(text1(w), "I can not go");
    QTest::keyClick(text1(w), Qt::Key_Return);
    QTest::keyClicks(text1(w), "red cat, x=y");
    clickTranslate(w);
    QCOMPARE(text2(w)->toPlainText(), engine(ws, "I can not go\nred cat, x=y"));
    QVERIFY(text2(w)->toPlainText().startsWith(u("ฉันไม่สามารถไป\nแมวแดง")));
    QCOMPARE(command1(w)->text(), u("แปล"));
    QCOMPARE(command1(w)->toolTip(), u("กดปุ่มนี้เมื่อต้องการแปล"));
    QCOMPARE(picBar(w)->percent(), -1);
    QVERIFY(!ws.workFile("Original.pal"));
    QVERIFY(!ws.workFile("Translate.pal"));
    // The focus goes back to the original, with its English keyboard.
    QTRY_VERIFY(text1(w)->hasFocus());
    QCOMPARE(ws.keyboard.lastRequested(), QString("00000409"));
    QVERIFY(ws.dialogs.messages.empty());
    // The caret of the translation is at its start.
    QCOMPARE(text2(w)->textCursor().position(), 0);
}

void TestFrmMain::translateOnlyTheSelection_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");
    QTest::newRow("second line") << "red cat\nI can not go" << 8 << 12 << "I can not go";
    QTest::newRow("one character") << "I can not go" << 0 << 1 << "I";
    QTest::newRow("across lines") << "red cat\ndog" << 4 << 7 << "cat\ndog";
}

void TestFrmMain::translateOnlyTheSelection() {
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, length);
    QFETCH(QString, selected);
    Workspace ws;
    FrmMain &w = ws.shown();
    text1(w)->setPlainText(text);
    QTextCursor c(text1(w)->document());
    c.setPosition(from);
    c.setPosition(from + length, QTextCursor::KeepAnchor);
    text1(w)->setTextCursor(c);
    clickTranslate(w);
    QCOMPARE(text2(w)->toPlainText(), engine(ws, selected));
    QCOMPARE(text1(w)->toPlainText(), text);
}

void TestFrmMain::translateTakesThePanesOwnCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from"); // -1: nothing selected
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("source");
    const QString nbsp(QChar(0xA0));
    // A no-break space is a character of its own (Windows-874 has it), not a space between two words.
    QTest::newRow("no-break space") << "red" + nbsp + "cat" << -1 << 0 << "red" + nbsp + "cat";
    QTest::newRow("selected no-break space") << "dog\nred" + nbsp + "cat" << 4 << 7 << "red" + nbsp + "cat";
    QTest::newRow("line break inside a paragraph")
        << "red cat" + QString(QChar(QChar::LineSeparator)) + "dog" << -1 << 0 << "red cat\ndog";
    QTest::newRow("selected line break inside a paragraph")
        << "I go" + QString(QChar(QChar::LineSeparator)) + "red cat" << 2 << 6 << "go\nred";
}

void TestFrmMain::translateTakesThePanesOwnCharacters() {
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, length);
    QFETCH(QString, source);
    Workspace ws;
    FrmMain &w = ws.shown();
    text1(w)->setPlainText(text);
    if (from >= 0) {
        QTextCursor c(text1(w)->document());
        c.setPosition(from);
        c.setPosition(from + length, QTextCursor::KeepAnchor);
        text1(w)->setTextCursor(c);
    }
    clickTranslate(w);
    // toPlainText would show a no-break space as a space.
    QCOMPARE(text2(w)->document()->toRawText().replace(QChar::ParagraphSeparator, '\n'), engine(ws, source));
    QVERIFY(ws.dialogs.messages.empty());
}

void TestFrmMain::secondClickCancelsAfterTheCurrentLine() {
    Workspace ws;
    FrmMain &w = ws.shown();
    trigger(w, "mnuWord");
    text1(w)->setPlainText(lines("can not", 200));
    text2(w)->setPlainText(u("เดิม"));
    QString captionDuringRun;
    bool busyCursor = false;
    // The bar shows "0 % completed" as the line loop starts; the click lands in the next moment the run lets
    // window events in: after the first line.
    whenBarShows(w, "0 % completed", [&] {
        captionDuringRun = command1(w)->text();
        busyCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor;
        clickTranslate(w);
    });
    clickTranslate(w);
    QCOMPARE(captionDuringRun, u("ยกเลิก"));
    QVERIFY(busyCursor);
    QVERIFY(!QApplication::overrideCursor());
    // Only the line done so far, and no phrase rewriting ("สามารถไม่" would become "ไม่สามารถ").
    QCOMPARE(text2(w)->toPlainText(), u("สามารถไม่"));
    QCOMPARE(command1(w)->text(), u("แปล"));
    QCOMPARE(command1(w)->toolTip(), u("กดปุ่มนี้เมื่อต้องการแปล"));
    QVERIFY(!ws.workFile("Original.pal"));
    QVERIFY(!ws.workFile("Translate.pal"));
    QCOMPARE(picBar(w)->percent(), -1);
    // The next click is an ordinary run again.
    clickTranslate(w);
    QCOMPARE(text2(w)->toPlainText(), engine(ws, lines("can not", 200), TranslationMode::WordForWord));
}

void TestFrmMain::cancelBeforeTheFirstLineLeavesTheTranslation() {
    Workspace ws;
    FrmMain &w = ws.shown();
    text1(w)->setPlainText(lines("red cat", 50));
    text2(w)->setPlainText(u("เดิม"));
    // While the text is saved the bar says so and a click cancels.
    whenBarShows(w, u("บันทึกงาน"), [&] { clickTranslate(w); });
    clickTranslate(w);
    QCOMPARE(text2(w)->toPlainText(), u("เดิม"));
    QCOMPARE(command1(w)->text(), u("แปล"));
    QCOMPARE(picBar(w)->caption(), QString());
    QVERIFY(!ws.workFile("Original.pal"));
    QVERIFY(!ws.workFile("Translate.pal"));
    QVERIFY(ws.dialogs.messages.empty());
}

void TestFrmMain::clickWhileACancelledRunFinishesIsIgnored() {
    Workspace ws;
    FrmMain &w = ws.shown();
    w.setYieldInterval(0);
    trigger(w, "mnuWord");
    text1(w)->setPlainText(lines("can not", 3));
    text2(w)->setPlainText(u("เดิม"));
    bool acted = false;
    QString text2SeenAfterClicks, captionAfterClicks;
    bool stillFinishing = false;
    // Waits for the phrase rewriting (its first replacement), then cancels and clicks once more.
    whenBarShows(w, u("เรียบเรียง"), [&] {
        acted = true;
        clickTranslate(w); // cancel: the caption reads "แปล" again at once
        clickTranslate(w); // must not start a run inside the finishing one
        text2SeenAfterClicks = text2(w)->toPlainText();
        captionAfterClicks = command1(w)->text();
        stillFinishing = !picBar(w)->caption().isEmpty(); // the bar is cleared when the run ends
    });
    clickTranslate(w);
    QVERIFY(acted);
    QCOMPARE(captionAfterClicks, u("แปล"));
    QVERIFY(stillFinishing);
    // A run started by the second click would have filled Text2 by now.
    QCOMPARE(text2SeenAfterClicks, u("เดิม"));
    // The cancelled run kept the one replacement it had made and made no more.
    QCOMPARE(text2(w)->toPlainText(), u("ไม่สามารถ\nสามารถไม่\nสามารถไม่"));
    QCOMPARE(picBar(w)->percent(), -1);
    QVERIFY(!ws.workFile("Original.pal"));
    QVERIFY(!ws.workFile("Translate.pal"));
}

void TestFrmMain::textOf32768LinesIsRefusedAnd32767Translate() {
    Workspace ws;
    FrmMain &w = ws.shown();
    text1(w)->setPlainText(lines("x", 32768));
    text2(w)->setPlainText(u("เดิม"));
    clickTranslate(w);
    QCOMPARE(ws.dialogs.messages.size(), size_t(1));
    QCOMPARE(ws.dialogs.messages[0].title, kErrorTitle);
    QCOMPARE(ws.dialogs.messages[0].icon, MsgIcon::Stop);
    QCOMPARE(ws.dialogs.messages[0].buttons, MsgButtons::Ok);
    QVERIFY(ws.dialogs.messages[0].text.contains("32767"));
    QCOMPARE(text2(w)->toPlainText(), u("เดิม"));
    QCOMPARE(command1(w)->text(), u("แปล"));
    QCOMPARE(picBar(w)->percent(), -1);

    text1(w)->setPlainText(lines("x", 32767));
    clickTranslate(w);
    QCOMPARE(ws.dialogs.messages.size(), size_t(1));
    QCOMPARE(text2(w)->document()->blockCount(), 32767);
    QCOMPARE(text2(w)->document()->lastBlock().text(), u("x"));
}

void TestFrmMain::unwritableProgramFolderReportsOnceAndGoesIdle() {
    Workspace ws;
    ws.context.programFolder = ws.programFolder() + "/gone";
    FrmMain &w = ws.shown();
    text1(w)->setPlainText("red cat");
    text2(w)->setPlainText(u("เดิม"));
    ws.dialogs.messages.clear(); // the skin beside the missing folder is missing too
    clickTranslate(w);
    // SaveText says why; the run then ends without a second message.
    QCOMPARE(ws.dialogs.messages.size(), size_t(1));
    QCOMPARE(ws.messagesTitled(kErrorTitle, MsgIcon::Exclamation), 1);
    QVERIFY(ws.dialogs.messages[0].text.contains("Original.pal"));
    QCOMPARE(text2(w)->toPlainText(), u("เดิม"));
    QCOMPARE(command1(w)->text(), u("แปล"));
    QCOMPARE(picBar(w)->percent(), -1);
}

void TestFrmMain::usersPhraseRulesApplyAndARefusedOneIsSaidOnce() {
    Workspace ws;
    // The second rule's replacement holds its own search text: it would never finish, so it is refused.
    QVERIFY(writeFileBytes(ws.folder.dataFolder() + "/Idiom.pal", encode874(U"# mine\r\nแดง/ส้ม\r\nดี/ดีมาก\r\n")));
    FrmMain &w = ws.shown();
    ws.dialogs.messages.clear();
    text1(w)->setPlainText("red cat");
    clickTranslate(w);
    QTRY_VERIFY(text2(w)->toPlainText().contains(u("ส้ม")));
    QVERIFY(!text2(w)->toPlainText().contains(u("แดง")));
    QCOMPARE(ws.messagesTitled(kErrorTitle, MsgIcon::Exclamation), 1);
    QVERIFY(ws.dialogs.messages.back().text.contains(u("บรรทัดที่ 3")));
    text2(w)->clear();
    clickTranslate(w); // the file has not changed: nothing more is said
    QTRY_VERIFY(text2(w)->toPlainText().contains(u("ส้ม")));
    QCOMPARE(ws.messagesTitled(kErrorTitle, MsgIcon::Exclamation), 1);
}

void TestFrmMain::saveTextWritesTheFile_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray("\r\n");
    QTest::newRow("lines") << "a\nb" << QByteArray("a\r\nb\r\n");
    QTest::newRow("ends with a break") << "a\r\n" << QByteArray("a\r\n\r\n");
    QTest::newRow("thai") << u("แมว") << QByteArray("\xe1\xC1\xC7\r\n");
    QTest::newRow("outside windows-874") << u("☃") << QByteArray("\xEF\xBB\xBF\xE2\x98\x83\r\n");
}

void TestFrmMain::saveTextWritesTheFile() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    Workspace ws;
    FrmMain &w = ws.window();
    const QString path = ws.programFolder() + "/saved.txt";
    QVERIFY(w.SaveText("an older, longer text", path));
    const Result<TextEncoding> saved = w.SaveText(text, path);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), bytes);
    QVERIFY(saved);
    QCOMPARE(*saved == TextEncoding::Utf8Bom, bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(ws.dialogs.messages.empty());
}

void TestFrmMain::saveTextReportsAMissingFolder() {
    Workspace ws;
    FrmMain &w = ws.window();
    const QString path = ws.programFolder() + "/missing/saved.txt";
    const Result<TextEncoding> saved = w.SaveText("text", path);
    QVERIFY(!saved);
    QCOMPARE(saved.error().code, ENOENT);
    QCOMPARE(ws.dialogs.messages.size(), size_t(1));
    QCOMPARE(ws.dialogs.messages[0].title, kErrorTitle);
    QCOMPARE(ws.dialogs.messages[0].icon, MsgIcon::Exclamation);
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QDir(ws.programFolder() + "/missing").exists());
    // What failed, the common reason in Thai, then the system's own words.
    const QString text = ws.dialogs.messages[0].text;
    QVERIFY2(text.startsWith(u("บันทึกแฟ้มไม่ได้: ") + path), qPrintable(text));
    QVERIFY2(text.contains(u("ไม่พบแฟ้มหรือโฟลเดอร์ (No such file or directory)")), qPrintable(text));
}

void TestFrmMain::resizeBelow4000TwipsComplainsEachTime() {
    Workspace ws;
    FrmMain &w = ws.shown();
    QVERIFY(ws.dialogs.messages.empty());
    const int px4000 = twipsToPixels(4000, w.logicalDpiX());
    auto tooSmallMessages = [&] {
        int n = 0;
        for (const auto &m : ws.dialogs.messages)
            n += m.text == u("รู้สึกจะย่อเล็กเกินไปนะ!") && m.buttons == MsgButtons::Ok;
        return n;
    };
    w.resize(px4000 - 60, 500);
    QTRY_COMPARE(tooSmallMessages(), 1);
    w.resize(px4000 - 40, 500);
    QTRY_COMPARE(tooSmallMessages(), 2);
    // The layout still follows the small window.
    QCOMPARE(text1(w)->width(), twipsToPixels(outerWidthTwips(w) - 250, w.logicalDpiX()));
    w.resize(px4000 + 100, 500);
    QTRY_COMPARE(w.width(), px4000 + 100);
    QCOMPARE(tooSmallMessages(), 2);
    QCOMPARE(w.windowTitle(), u("Dualexicon (ดูอะเล็กซิคอน) 1.5"));
}

void TestFrmMain::maximisingASmallWindowDoesNotComplain() {
    Workspace ws;
    FrmMain &w = ws.shown();
    const QString title = u("Dualexicon (ดูอะเล็กซิคอน) 1.5");
    auto tooSmallMessages = [&] {
        int n = 0;
        for (const auto &m : ws.dialogs.messages)
            n += m.text == u("รู้สึกจะย่อเล็กเกินไปนะ!");
        return n;
    };
    const int small = twipsToPixels(3000, w.logicalDpiX());
    w.resize(small, small);
    QTRY_COMPARE(tooSmallMessages(), 1);
    // Maximised, the window fills the screen: no message, and the layout follows the new size.
    w.showMaximized();
    QTRY_VERIFY(w.width() > small * 2);
    QTest::qWait(50);
    QCOMPARE(tooSmallMessages(), 1);
    QCOMPARE(w.windowTitle(), title);
    QCOMPARE(text1(w)->width(), twipsToPixels(outerWidthTwips(w) - 250, w.logicalDpiX()));
    // Minimised from there and restored: still maximised, still no message, and the title stops scrolling.
    w.showMinimized();
    QTRY_VERIFY(w.windowTitle() != title);
    w.showMaximized();
    QTRY_COMPARE(w.windowTitle(), title);
    QTest::qWait(250);
    QCOMPARE(w.windowTitle(), title);
    QCOMPARE(tooSmallMessages(), 1);
    // Back to the small normal size: that resize complains again, and the controls follow the small size.
    w.showNormal();
    QTRY_COMPARE(w.width(), small);
    QTRY_COMPARE(tooSmallMessages(), 2);
    QCOMPARE(text1(w)->width(), twipsToPixels(outerWidthTwips(w) - 250, w.logicalDpiX()));
}

void TestFrmMain::windowResizedWhileTheMessageIsOpenIsLaidOutAtItsNewSize() {
    Workspace ws;
    // The user enlarges the window while "รู้สึกจะย่อเล็กเกินไปนะ!" is open, then presses OK.
    struct ResizingDialogs : test::FakeDialogs {
        std::function<void()> whileOpen;
        MsgAnswer message(QWidget *parent, const QString &text, const QString &title, MsgIcon icon,
                          MsgButtons buttons) override {
            if (auto act = std::exchange(whileOpen, nullptr))
                act();
            return FakeDialogs::message(parent, text, title, icon, buttons);
        }
    } dialogs;
    const AppContext context(ws.programFolder(), dialogs, ws.services.settings, ws.services.profile, ws.keyboard,
                             ws.services.http);
    FrmMain w(context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const int small = twipsToPixels(3000, w.logicalDpiX()), large = twipsToPixels(9000, w.logicalDpiX());
    dialogs.whileOpen = [&] {
        w.resize(large, large);
        QTRY_COMPARE(w.width(), large);
    };
    w.resize(small, small);
    QTRY_COMPARE(dialogs.messages.size(), size_t(1));
    QTRY_COMPARE(w.width(), large);
    QCOMPARE(text1(w)->width(), twipsToPixels(outerWidthTwips(w) - 250, w.logicalDpiX()));
    QCOMPARE(picBar(w)->x() + picBar(w)->width(), twipsToPixels(outerWidthTwips(w) - 175, w.logicalDpiX()));
}

void TestFrmMain::tooSmallMessageHasRoomForItsTitle() {
    // The real message box: a window manager's title bar needs room for an icon and three buttons besides the
    // title, which a box as narrow as "รู้สึกจะย่อเล็กเกินไปนะ!" does not leave.
    Workspace ws;
    QtDialogs real;
    const AppContext context(ws.programFolder(), real, ws.services.settings, ws.services.profile, ws.keyboard,
                             ws.services.http);
    FrmMain w(context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    int boxWidth = 0, titleWidth = 0;
    QTimer::singleShot(0, &w, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
        titleFont.setBold(true);
        titleWidth = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle());
        boxWidth = box->width();
        box->accept();
    });
    w.resize(twipsToPixels(3000, w.logicalDpiX()), twipsToPixels(3000, w.logicalDpiY()));
    QTRY_VERIFY(boxWidth > 0);
    QVERIFY2(boxWidth >= titleWidth + 3 * 28 + 24, qPrintable(QString("%1 / %2").arg(boxWidth).arg(titleWidth)));
}

void TestFrmMain::stripNeverCoversPanesOrToolbar_data() {
    QTest::addColumn<QSize>("size"); // empty: maximised
    QTest::addColumn<bool>("sideBySide");
    for (const QSize size :
         {QSize(200, 200), QSize(267, 267), QSize(360, 300), QSize(513, 430), QSize(700, 500), QSize()})
        for (const bool side : {false, true}) {
            const QString name =
                size.isEmpty() ? QString("maximised") : QString("%1x%2").arg(size.width()).arg(size.height());
            QTest::newRow(qPrintable(name + (side ? " side by side" : " stacked"))) << size << side;
        }
}

void TestFrmMain::stripNeverCoversPanesOrToolbar() {
    QFETCH(QSize, size);
    QFETCH(bool, sideBySide);
    Workspace ws;
    FrmMain &w = ws.shown();
    if (size.isEmpty()) {
        w.showMaximized();
        QTRY_VERIFY(w.width() > 700);
    } else {
        w.resize(size);
        QTRY_COMPARE(w.size(), size);
    }
    trigger(w, sideBySide ? "mnuCurY" : "mnuCurX");
    QCOMPARE(text2(w)->y() == text1(w)->y(), sideBySide);
    const QList<QWidget *> strip{option1(w), option2(w), command1(w), picBar(w)};
    QList<QWidget *> kept{text1(w), text2(w), label1(w)};
    for (ToolButton *b : w.findChildren<ToolButton *>())
        kept << b;
    for (QWidget *item : strip) {
        QVERIFY2(item->x() >= 0 && item->y() >= 0, qPrintable(item->objectName()));
        for (QWidget *other : kept + strip)
            QVERIFY2(other == item || !item->geometry().intersects(other->geometry()),
                     qPrintable(item->objectName() + " over " + other->objectName()));
    }
}

void TestFrmMain::arrangementsSurviveResizes() {
    Workspace ws;
    FrmMain &w = ws.shown();
    auto sideBySide = [&] {
        return text2(w)->y() == text1(w)->y() && text2(w)->x() > text1(w)->x() &&
               qAbs(text2(w)->x() - (text1(w)->x() + text1(w)->width())) <= 1;
    };
    auto stacked = [&] { return text2(w)->x() == text1(w)->x() && text2(w)->y() > text1(w)->y() + 20; };
    QVERIFY(stacked());
    trigger(w, "mnuCurY");
    QVERIFY(sideBySide());
    QVERIFY(label2(w)->x() > text1(w)->x() + text1(w)->width());
    const int height = w.height();
    w.resize(w.width() + 40, height + 20);
    QTRY_COMPARE(w.height(), height + 20);
    QVERIFY(sideBySide());
    // Twice as tall: half the height plus 450 twips now exceeds the side-by-side pane, so the panes stack.
    w.resize(w.width(), height * 2 + 200);
    QTRY_COMPARE(w.height(), height * 2 + 200);
    QVERIFY(stacked());
    trigger(w, "mnuCurY");
    QVERIFY(sideBySide());
    trigger(w, "mnuCurX");
    QVERIFY(stacked());
    QCOMPARE(label2(w)->x(), label1(w)->x());
}

void TestFrmMain::minimisedWindowScrollsItsTitle() {
    Workspace ws;
    FrmMain &w = ws.shown();
    const QString title = u("Dualexicon (ดูอะเล็กซิคอน) 1.5");
    QCOMPARE(w.windowTitle(), title);
    w.showMinimized();
    // A marquee: the caption with its 20 spaces, rotated.
    const QString marquee = title + QString(20, ' ');
    QTRY_VERIFY_WITH_TIMEOUT(w.windowTitle() != marquee && w.windowTitle() != title, 2000);
    QCOMPARE(w.windowTitle().size(), marquee.size());
    QVERIFY((marquee + marquee).contains(w.windowTitle()));
    w.showNormal();
    QTRY_COMPARE(w.windowTitle(), title);
    QTest::qWait(250);
    QCOMPARE(w.windowTitle(), title);
}

void TestFrmMain::startupTipShowsOnceWhenWanted_data() {
    QTest::addColumn<QString>("stored"); // "-" = no setting
    QTest::addColumn<bool>("shown");
    QTest::newRow("no setting") << "-" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("not a number") << "abc" << true;
}

void TestFrmMain::startupTipShowsOnceWhenWanted() {
    QFETCH(QString, stored);
    QFETCH(bool, shown);
    const QByteArray setting = stored.toLatin1();
    Workspace ws(stored == "-" ? nullptr : setting.constData());
    FrmMain &w = ws.shown();
    auto tips = [&] { return w.findChildren<FrmTip *>().size(); };
    if (shown) {
        QTRY_COMPARE_WITH_TIMEOUT(tips(), qsizetype(1), 2000);
        FrmTip *tip = w.findChild<FrmTip *>();
        QVERIFY(tip->isVisible());
        QTest::mouseClick(part<QPushButton>(*tip, "Command2"), Qt::LeftButton);
        QTRY_COMPARE(tips(), qsizetype(0));
    }
    QTest::qWait(700);
    QCOMPARE(tips(), qsizetype(0));
}

void TestFrmMain::paneMenuOpensOnRightClickAndTranslates() {
    Workspace ws;
    FrmMain &w = ws.shown();
    text1(w)->setPlainText("red cat");
    QVERIFY(!w.menuBar()->actions().contains(paneMenu(w)->menuAction()));
    QTest::mouseClick(text2(w)->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    QTRY_VERIFY(paneMenu(w)->isVisible());
    paneMenu(w)->close();
    QTest::mouseClick(text1(w)->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    QTRY_VERIFY(paneMenu(w)->isVisible());
    QAction *translate = w.findChild<QAction *>("mnuPopPal");
    QVERIFY(translate && paneMenu(w)->actions().contains(translate));
    QCOMPARE(translate->text(), u("แปลงาน"));
    paneMenu(w)->close();
    translate->trigger();
    QCOMPARE(text2(w)->toPlainText(), u("แมวแดง"));
}

void TestFrmMain::activePaneFollowsFocusAndSwitchesKeyboard() {
    Workspace ws;
    FrmMain &w = ws.shown();
    // Text1 has the focus at start: the English keyboard, and the toolbar's save button saves the original (the
    // dialog is cancelled).
    QTRY_COMPARE(ws.keyboard.lastRequested(), QString("00000409"));
    clickTool(w, 3);
    QCOMPARE(ws.dialogs.fileTitles, QStringList({u("บันทึกต้นฉบับ")}));
    QTest::mouseClick(text2(w)->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(ws.keyboard.lastRequested(), QString("0000041E"));
    clickTool(w, 3);
    QCOMPARE(ws.dialogs.fileTitles.last(), u("บันทึกงานแปล"));
    // Focus elsewhere: the pane that last had it stays active.
    command1(w)->setFocus();
    QTRY_VERIFY(command1(w)->hasFocus());
    clickTool(w, 3);
    QCOMPARE(ws.dialogs.fileTitles.last(), u("บันทึกงานแปล"));
    text1(w)->setFocus();
    QTRY_COMPARE(ws.keyboard.lastRequested(), QString("00000409"));
    // Toolbar 11 changes the font of the active pane only.
    const QFont before = text2(w)->font();
    ws.dialogs.fontAnswers.push_back(QFont("Loma", 15));
    clickTool(w, 11);
    QCOMPARE(text1(w)->font().pointSizeF(), 15.0);
    QCOMPARE(text2(w)->font(), before);
}

void TestFrmMain::commandsOnTheActivePaneWaitForAPane() {
    Workspace ws;
    FrmMain &w = ws.window(); // never shown: no pane has had the focus
    text1(w)->setPlainText("red cat");
    text2(w)->setPlainText("dog");
    ws.dialogs.fontAnswers.push_back(QFont("Loma", 20));
    for (const char *command : {"mnuClear", "mnuSelectAll", "mnuPopAll", "mnuDel", "mnuCut", "mnuUndo", "mnuPaste",
                                "saveActivePane", "printActivePane", "fontOfActivePane"})
        trigger(w, command);
    QCOMPARE(text1(w)->toPlainText(), QString("red cat"));
    QCOMPARE(text2(w)->toPlainText(), QString("dog"));
    QVERIFY(!text1(w)->textCursor().hasSelection());
    QCOMPARE(ws.dialogs.fontAnswers.size(), size_t(1)); // the font dialog was never asked
    QVERIFY(ws.dialogs.fileTitles.isEmpty());           // nor a save dialog
    QVERIFY(ws.dialogs.messages.empty());               // nor the print question
    QVERIFY(ws.keyboard.requests.isEmpty());
}

void TestFrmMain::toolbarButtonsInOrderWithTooltipsAndCommands() {
    Workspace ws;
    FrmMain &w = ws.shown();
    struct Expected {
        int index;
        const char *tip, *command;
    };
    const Expected expected[] = {{1, "เริ่มใหม่", "clearBothPanes"}, {2, "เปิดต้นฉบับ", "mnuOpen"},
                                 {3, "บันทึก", "saveActivePane"},   {4, "พิมพ์", "printActivePane"},
                                 {5, "เพิ่มศัพท์", "mnuAdd"},         {7, "ตัด", "mnuCut"},
                                 {8, "คัดลอก", "mnuCopy"},         {9, "วาง", "mnuPaste"},
                                 {10, "ย้อนกลับ", "mnuUndo"},       {11, "ตัวอักขระ", "fontOfActivePane"},
                                 {12, "รูปแบบแนวนอน", "mnuCurX"},  {6, "รูปแบบแนวตั้ง", "mnuCurY"}};
    int previousRight = -1;
    for (const Expected &e : expected) {
        ToolButton *b = tool(w, e.index);
        QCOMPARE(b->toolTip(), u(e.tip));
        QCOMPARE(b->command(), part<QAction>(w, e.command));
        QCOMPARE(b->y(), 0);
        QCOMPARE(b->size(), QSize(twipsToPixels(360, w.logicalDpiX()), twipsToPixels(360, w.logicalDpiY())));
        QVERIFY2(b->x() > previousRight, qPrintable(QString::number(e.index)));
        previousRight = b->x() + b->width() - 1;
    }
    QCOMPARE(w.findChildren<ToolButton *>().size(), qsizetype(12));
}

void TestFrmMain::hoverFrameAndToolbarClick() {
    Workspace ws;
    FrmMain &w = ws.shown();
    QTest::mouseMove(tool(w, 3), QPoint(5, 5));
    QTRY_VERIFY(edgeOf(tool(w, 3)) == Edge::Raised);
    QTest::mouseMove(tool(w, 8), QPoint(5, 5));
    QTRY_VERIFY(edgeOf(tool(w, 8)) == Edge::Raised);
    QCOMPARE(edgeOf(tool(w, 3)), Edge::Bare);
    // The bare surface erases the frame.
    QTest::mouseMove(surface(w), QPoint(surface(w)->width() - 5, surface(w)->height() - 5));
    QTRY_COMPARE(edgeOf(tool(w, 8)), Edge::Bare);

    // Button 1 empties both panes without a question; while it is held the hover stays put.
    text1(w)->setPlainText("red cat");
    text2(w)->setPlainText(u("แมวแดง"));
    QTest::mouseMove(tool(w, 1), QPoint(5, 5));
    QTest::mousePress(tool(w, 1), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(edgeOf(tool(w, 1)), Edge::Pressed);
    QTest::mouseMove(tool(w, 5), QPoint(5, 5));
    QCOMPARE(edgeOf(tool(w, 5)), Edge::Bare);
    QTest::mouseRelease(tool(w, 1), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(edgeOf(tool(w, 1)), Edge::Raised);
    QCOMPARE(text1(w)->toPlainText(), QString());
    QCOMPARE(text2(w)->toPlainText(), QString());
    QVERIFY(ws.dialogs.messages.empty());
    QTest::mouseMove(tool(w, 5), QPoint(5, 5));
    QTRY_COMPARE(edgeOf(tool(w, 5)), Edge::Raised);

    // Button 6 (rightmost) lays the panes side by side, button 12 stacks them.
    clickTool(w, 6);
    QCOMPARE(text2(w)->y(), text1(w)->y());
    clickTool(w, 12);
    QVERIFY(text2(w)->y() > text1(w)->y());
}

void TestFrmMain::menuCaptionsAndShortcuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    struct Row {
        const char *name, *caption;
        QKeySequence key;
    };
    const Row rows[] = {
        {"mnuFile", "แ&ฟ้ม", {}},
        {"mnuOpen", "&เปิด...", QKeySequence("Ctrl+O")},
        {"mnuSave1", "บันทึกต้น&ฉบับเป็น...", {}},
        {"mnuSave2", "บันทึกงานแ&ปลเป็น...", {}},
        {"mnuPrintOri", "พิมพ์ต้น&ฉบับ...", {}},
        {"mnuPrintPal", "&พิมพ์งานแปล...", {}},
        {"mnuExit", "&จบการทำงาน", {}},
        {"mnuEdit", "แ&ก้ไข", {}},
        {"mnuUndo", "ย้อนก&ลับ", {}},
        {"mnuCut", "&ตัด", {}},
        {"mnuCopy", "&คัดลอก", {}},
        {"mnuPaste", "วา&ง", {}},
        {"mnuDel", "ล&บ", {}},
        {"mnuClear", "ล้างห&น้าจอ", {}},
        {"mnuSelectAll", "แ&ถบสีทั้งหมด", {}},
        {"mnuView", "มุม&มอง", {}},
        {"mnuCurX", "ตามแนว&นอน", {}},
        {"mnuCurY", "ตามแนว&ตั้ง", {}},
        {"mnuFull", "เต็ม&จอ", {}},
        {"mnuFullOri", "ต้นฉบับ...", QKeySequence("F5")},
        {"mnuFullPal", "งานแปล..", QKeySequence("F6")},
        {"mnuWordPanel", "หน้าต่างคำศัพท์", QKeySequence("F8")},
        {"mnuMarkUnknown", "ทำเครื่องหมายคำที่ยังไม่ได้แปล", {}},
        {"mnuPicture", "รู&ปแบบ", {}},
        {"mnuFont1", "แบบอักษรต้นฉบับ...", {}},
        {"mnuFont2", "แบบอักษรงานแปล", {}},
        {"mnuBack1", "สีพื้นหลังต้นฉบับ...", {}},
        {"mnuBack2", "สีพื้นหลังงานแปล", {}},
        {"mnuFore1", "สีแบบอักษรต้นฉบับ...", {}},
        {"mnuFore2", "สีแบบอักษรงานแปล", {}},
        {"mnuTool", "เ&ครื่องมือ", {}},
        {"mnuAdd", "เ&พิ่มศัพท์", QKeySequence("F7")},
        {"mnuCount", "&นับจำนวนคำ...", {}},
        {"mnuOption", "เ&ลือกลักษณะการแปล...", {}},
        {"mnuGram", "ใช้ไวยากรณ์", {}},
        {"mnuWord", "คำต่อคำ", {}},
        {"mnuExtended", "ไวยากรณ์ขั้นสูง", {}},
        {"mnuRelax", "มุมพักผ่อน", {}},
        {"mnuPuzzle", "เกมส์ Puzzle", {}},
        {"mnuPimEng", "ฝึกพิมพ์อังกฤษ", {}},
        {"mnuPimThai", "ฝึกพิมพ์ไทย", {}},
        {"mnuHistory", "สถิติย้อนหลัง", {}},
        {"mnuSet", "ตั้งค่า", {}},
        {"mnuSpell", "สะกดเสียงเมื่อพิมพ์", {}},
        {"mnuSkin", "เปลี่ยนหน้าตาโปรแกรม", {}},
        {"mnuUpDate", "เพิ่มศัพท์จากอินเตอร์เน็ต...", {}},
        {"mnuHelp", "&วิธีใช้", {}},
        {"mnuVitee", "&วิธีใช้ Dualexicon", QKeySequence("F1")},
        {"mnuTip", "ลูก&เล่นประจำวัน...", {}},
        {"mnuAbout", "เ&กี่ยวกับ Dualexicon...", {}},
        {"mnuPopAll", "เลือกทั้งหมด", {}},
        {"mnuPopPal", "แปลงาน", {}},
        {"mnuPopMean", "ดูความหมาย", {}},
    };
    for (const Row &r : rows)
        QTest::newRow(r.name) << QString(r.name) << u(r.caption) << r.key;
}

void TestFrmMain::menuCaptionsAndShortcuts() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    Workspace ws;
    FrmMain &w = ws.window();
    QAction *action = nullptr;
    if (QMenu *menu = w.findChild<QMenu *>(name))
        action = menu->menuAction();
    else
        action = w.findChild<QAction *>(name);
    QVERIFY2(action, qPrintable(name));
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(action->isEnabled(), name != "mnuSpell");
}

void TestFrmMain::menuBarOrder() {
    Workspace ws;
    FrmMain &w = ws.window();
    QStringList names;
    for (QAction *a : w.menuBar()->actions())
        names << a->objectName();
    QCOMPARE(names, QStringList({"mnuFile", "mnuEdit", "mnuView", "mnuPicture", "mnuTool", "mnuRelax", "mnuSet",
                                 "mnuUpDate", "mnuHelp"}));
    // The pane menu shows the menu bar's commands under its own captions: without access keys, and its own
    // words for select-all and translate.
    QStringList pane, shown;
    for (QAction *a : paneMenu(w)->actions()) {
        pane << a->objectName();
        shown << QString(a->text()).remove('&');
    }
    QCOMPARE(pane, QStringList({"mnuUndo", "mnuCut", "mnuCopy", "mnuPaste", "mnubar9", "mnuClear", "mnuPopAll",
                                "mnuBar10", "mnuPopPal", "mnuPopMean"}));
    QCOMPARE(shown, QStringList({u("ย้อนกลับ"), u("ตัด"), u("คัดลอก"), u("วาง"), "", u("ล้างหน้าจอ"), u("เลือกทั้งหมด"), "",
                                 u("แปลงาน"), u("ดูความหมาย")}));
    QCOMPARE(paneMenu(w)->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, paneMenu(w)), 0);
    QCOMPARE(paneMenu(w)->title(), u("เมนู"));
    // Menu pictures beside the items that have one.
    for (const char *name : {"mnuOpen", "mnuSave1", "mnuSave2", "mnuPrintOri", "mnuPrintPal", "mnuUndo", "mnuCut",
                             "mnuCopy", "mnuPaste", "mnuCurX", "mnuCurY", "mnuAdd", "mnuVitee"})
        QVERIFY2(!w.findChild<QAction *>(name)->icon().isNull(), name);
    QVERIFY(!w.findChild<QMenu *>("mnuFull")->menuAction()->icon().isNull());
    QVERIFY(w.findChild<QAction *>("mnuExit")->icon().isNull());
}

void TestFrmMain::modeSwitchKeepsMenuAndOptionsInStep() {
    Workspace ws;
    FrmMain &w = ws.shown();
    auto *gram = w.findChild<QAction *>("mnuGram");
    auto *word = w.findChild<QAction *>("mnuWord");
    QVERIFY(gram->isChecked() && !word->isChecked() && option1(w)->isChecked());
    text1(w)->setPlainText("red cat");

    word->trigger();
    QVERIFY(option2(w)->isChecked() && !option1(w)->isChecked());
    QVERIFY(word->isChecked() && !gram->isChecked());
    clickTranslate(w);
    QCOMPARE(text2(w)->toPlainText(), u("แดงแมว"));

    gram->trigger();
    QVERIFY(option1(w)->isChecked() && gram->isChecked() && !word->isChecked());
    gram->trigger(); // choosing the checked item again keeps it checked
    QVERIFY(gram->isChecked() && !word->isChecked());
    clickTranslate(w);
    QCOMPARE(text2(w)->toPlainText(), u("แมวแดง"));

    QTest::mouseClick(option2(w), Qt::LeftButton, {}, QPoint(4, option2(w)->height() / 2));
    QVERIFY(option2(w)->isChecked());
    QVERIFY(word->isChecked() && !gram->isChecked());
}

void TestFrmMain::extendedGrammarIsAKeptChoiceOfTheGrammarMode() {
    Workspace ws;
    FrmMain &w = ws.shown();
    auto *extended = w.findChild<QAction *>("mnuExtended");
    QVERIFY(extended->isCheckable() && !extended->isChecked());
    QVERIFY(w.findChild<QMenu *>("mnuOption")->actions().contains(extended));
    text1(w)->setPlainText("I can to go");
    clickTranslate(w);
    QCOMPARE(text2(w)->toPlainText(), engine(ws, "I can to go"));

    extended->trigger();
    QCOMPARE(ws.settings->value("Translate", "Extended", "0"), QString("1"));
    clickTranslate(w);
    QCOMPARE(text2(w)->toPlainText(), u("ฉันสามารถไป")); // "to" between two verbs is not written

    trigger(w, "mnuWord"); // word for word has no extended form
    QVERIFY(!extended->isEnabled());
    clickTranslate(w);
    QCOMPARE(text2(w)->toPlainText(), engine(ws, "I can to go", TranslationMode::WordForWord));
    trigger(w, "mnuGram");
    QVERIFY(extended->isEnabled());

    // The next window starts with the choice the user made.
    ws.main.reset();
    QVERIFY(ws.window().findChild<QAction *>("mnuExtended")->isChecked());
}

void TestFrmMain::fontCommandCarriesNameBoldItalicSize() {
    Workspace ws;
    FrmMain &w = ws.shown();
    QFont chosen("Loma");
    chosen.setPointSizeF(14);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    ws.dialogs.fontAnswers.push_back(chosen);
    trigger(w, "mnuFont2");
    const QFont f = text2(w)->font();
    QCOMPARE(f.family(), QString("Loma"));
    QVERIFY(f.bold());
    QVERIFY(f.italic());
    QCOMPARE(f.pointSizeF(), 14.0);
    QVERIFY(!f.underline());
    QVERIFY(!f.strikeOut());
    QTRY_VERIFY(text2(w)->hasFocus());
    // Cancelled: the pane keeps its font.
    trigger(w, "mnuFont2");
    QCOMPARE(text2(w)->font(), f);
    QCOMPARE(text1(w)->font().pointSizeF(), 9.75);
}

void TestFrmMain::colourCommands() {
    Workspace ws;
    FrmMain &w = ws.shown();
    text1(w)->setPlainText("red cat\ndog");
    ws.dialogs.colorAnswers.push_back(QColor(10, 20, 30));
    trigger(w, "mnuBack1");
    QCOMPARE(text1(w)->palette().color(QPalette::Base), QColor(10, 20, 30));
    QVERIFY(text2(w)->palette().color(QPalette::Base) != QColor(10, 20, 30));

    ws.dialogs.colorAnswers.push_back(QColor(200, 0, 0));
    trigger(w, "mnuFore1");
    for (QTextBlock b = text1(w)->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            QCOMPARE(it.fragment().charFormat().foreground().color(), QColor(200, 0, 0));
    QVERIFY(!text1(w)->textCursor().hasSelection());
    QCOMPARE(text1(w)->textCursor().position(), 0);
    QCOMPARE(text1(w)->toPlainText(), QString("red cat\ndog"));
}

void TestFrmMain::editRoutines() {
    Workspace ws;
    FrmMain &w = ws.shown();
    text1(w)->setFocus();
    QTRY_COMPARE(ws.keyboard.lastRequested(), QString("00000409"));
    QTest::keyClicks(text1(w), "red cat");
    trigger(w, "mnuSelectAll");
    QCOMPARE(text1(w)->textCursor().selectedText(), QString("red cat"));
    trigger(w, "mnuCopy");
    QCOMPARE(QApplication::clipboard()->text(), QString("red cat"));
    trigger(w, "mnuClear");
    QCOMPARE(text1(w)->toPlainText(), QString());
    trigger(w, "mnuUndo");
    QCOMPARE(text1(w)->toPlainText(), QString("red cat"));
    // Delete removes the selection only.
    QTextCursor c(text1(w)->document());
    c.setPosition(0);
    c.setPosition(4, QTextCursor::KeepAnchor);
    text1(w)->setTextCursor(c);
    trigger(w, "mnuDel");
    QCOMPARE(text1(w)->toPlainText(), QString("cat"));
    // Cut, then paste into the other pane; the pane menu's own select-all.
    trigger(w, "mnuSelectAll");
    trigger(w, "mnuCut");
    QCOMPARE(text1(w)->toPlainText(), QString());
    text2(w)->setFocus();
    QTRY_COMPARE(ws.keyboard.lastRequested(), QString("0000041E"));
    trigger(w, "mnuPaste");
    QCOMPARE(text2(w)->toPlainText(), QString("cat"));
    trigger(w, "mnuPopAll");
    QCOMPARE(text2(w)->textCursor().selectedText(), QString("cat"));
    trigger(w, "mnuClear");
    QCOMPARE(text2(w)->toPlainText(), QString());
    QCOMPARE(text1(w)->toPlainText(), QString());
}

void TestFrmMain::closeDeletesLeftoverWorkFiles() {
    Workspace ws;
    FrmMain &w = ws.shown();
    for (const char *name : {"Original.pal", "Translate.pal", "Keep.pal"}) {
        QFile f(ws.programFolder() + "/" + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x\r\n");
    }
    w.close();
    QVERIFY(!ws.workFile("Original.pal"));
    QVERIFY(!ws.workFile("Translate.pal"));
    QVERIFY(ws.workFile("Keep.pal"));
    QVERIFY(QDir(ws.programFolder() + "/Data").exists());

    // Nothing to delete: closing changes nothing in the folder.
    Workspace empty;
    const QStringList before = QDir(empty.programFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    empty.shown().close();
    QCOMPARE(QDir(empty.programFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void TestFrmMain::helpCommandOpensTheHelp() {
    Workspace missing;
    FrmMain &m = missing.shown();
    trigger(m, "mnuVitee");
    QCOMPARE(missing.dialogs.messages.size(), size_t(1));
    QCOMPARE(missing.dialogs.messages[0].icon, MsgIcon::Exclamation);
    QCOMPARE(missing.dialogs.messages[0].title, kErrorTitle);

    Workspace ws;
    QDir(ws.programFolder()).mkdir("help");
    QFile doc(helpDocumentPath(ws.programFolder()));
    QVERIFY(doc.open(QIODevice::WriteOnly));
    doc.write(u("<html><body><h1>วิธีใช้</h1><p>กดปุ่มแปล</p></body></html>").toUtf8());
    doc.close();
    FrmMain &w = ws.shown();
    w.move(140, 70); // the help fits the 800 x 600 screen centred over the window there
    QTRY_COMPARE(w.pos(), QPoint(140, 70));
    QTest::keyClick(&w, Qt::Key_F1);
    HelpWindow *help = w.findChild<HelpWindow *>();
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    // Centred over the main window.
    QTRY_VERIFY2((help->frameGeometry().center() - w.frameGeometry().center()).manhattanLength() <= 4,
                 qPrintable(QString("%1,%2 over %3,%4")
                                .arg(help->frameGeometry().center().x())
                                .arg(help->frameGeometry().center().y())
                                .arg(w.frameGeometry().center().x())
                                .arg(w.frameGeometry().center().y())));
    QVERIFY(help->browser()->toPlainText().contains(u("กดปุ่มแปล")));
    // A second F1 brings the same window forward.
    trigger(w, "mnuVitee");
    QCOMPARE(w.findChildren<HelpWindow *>().size(), qsizetype(1));
    QVERIFY(ws.dialogs.messages.empty());
    w.close();
    QTRY_COMPARE(w.findChildren<HelpWindow *>().size(), qsizetype(0));
}

void TestFrmMain::startupFailureIsReportedAfterTheSplash() {
    Workspace ws("1"); // the tip is wanted at start
    storeSkinPath(ws.context, ws.programFolder() + "/gone.bmp");
    std::unique_ptr<FrmMain> main;
    FrmLogo logo;
    // Notes what is on the screen when the message comes.
    struct Watching : test::FakeDialogs {
        std::function<void()> look;
        MsgAnswer message(QWidget *parent, const QString &text, const QString &title, MsgIcon icon,
                          MsgButtons buttons) override {
            look();
            return FakeDialogs::message(parent, text, title, icon, buttons);
        }
    } dialogs;
    bool splashUp = true, tipUp = true;
    dialogs.look = [&] {
        splashUp = logo.isVisible();
        tipUp = !main->findChildren<FrmTip *>().isEmpty();
    };
    const AppContext context(ws.programFolder(), dialogs, ws.services.settings, ws.services.profile, ws.keyboard,
                             ws.services.http);
    // Wired as the program starts: the splash's time is up, the main window is shown, the splash closes.
    connect(&logo, &FrmLogo::timeUp, [&] {
        main = std::make_unique<FrmMain>(context);
        main->show();
    });
    logo.show();
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.messages.size(), size_t(1), 5000);
    QCOMPARE(dialogs.messages[0].icon, MsgIcon::Stop);
    QVERIFY(dialogs.messages[0].text.contains("gone.bmp"));
    QVERIFY(!splashUp);
    QVERIFY(!tipUp);
    // The tip follows the message.
    QTRY_COMPARE_WITH_TIMEOUT(main->findChildren<FrmTip *>().size(), qsizetype(1), 2000);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"

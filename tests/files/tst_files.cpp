// Open, save, paste and print of the workspace panes, the full-screen view and the skins, on real widgets and
// real files in a temp folder; printing goes to a PDF file through the same code as a printer job.
#include "Codec874.h"
#include "FakeDialogs.h"
#include "FileCommands.h"
#include "FrmFull.h"
#include "FrmMain.h"
#include "FrmSkin.h"
#include "PdfText.h"
#include "PrintJob.h"
#include "Settings.h"
#include "Skins.h"
#include "TestContext.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <algorithm>

#include <unistd.h>

using namespace dlx;
using dlx::test::FakeDialogs;
using dlx::test::normalisedPdfText;
using dlx::test::pdfPages;

namespace {

// A window's control, found by its code name.
template <class T> T *child(const QObject &window, const char *name) {
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

const QString kErrorTitle = QStringLiteral("โปรแกรมผิดพลาด");

struct Fixture {
    QTemporaryDir dir;
    dlx::test::TestContext services{dir.path()};
    FakeDialogs &dialogs = services.dialogs;
    IniSettingsStore &settings = services.settings;
    AppContext &context = services.context;

    QString path(const QString &name) const { return dir.filePath(name); }
};

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray cp874(const QString &text) {
    const std::string bytes = encode874(text.toStdU32String());
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QStringList folderEntries(const QString &path) {
    return QDir(path).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

QTextCharFormat formatOf(QTextEdit *edit, const QString &piece) {
    const int at = edit->toPlainText().indexOf(piece);
    if (at < 0)
        return {};
    QTextCursor cursor(edit->document());
    cursor.setPosition(at + 1);
    return cursor.charFormat();
}

void savePicture(const QString &path, const char *format, QColor colour = Qt::darkCyan) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, format));
}

void clickItem(QListWidget *list, const QString &text) {
    const auto items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(text));
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

QStringList itemTexts(const QListWidget *list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text().trimmed();
    return texts;
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT

private slots:
    void open_data();
    void open();
    void openRichTextKeepsItsFormatting();
    void openFailureLeavesText1_data();
    void openFailureLeavesText1();
    void cancelledDialogsDoNothing();
    void saveWritesCrLfReplacesAndRemembersTheName();
    void saveKeepsCharactersOutsideWindows874();
    void saveFailureIsReported();
    void pasteWithMessage();

    void printEmptyPane();
    void printTranslationInThePaneFont();
    void printBigFontKeepsTheDateAndLabelClear();
    void printManyPagesEndsBrokenPagesWithTheLabel();
    void printDeclinedLeavesNoWorkFile();
    void printWithoutPrinterSaysSo();
    void printFailuresAreReported();

    void fullViewCopiesTextAndFontButNotColours();
    void fullViewNeverWritesBack();
    void fullViewClosesOnAnyMouseButton_data();
    void fullViewClosesOnAnyMouseButton();
    void fullViewClosesOnDoubleClick();
    void fullViewLayoutAndSkin();

    void skinChooserListsFoldersAndFiles();
    void skinChooserRefusesNonPictureNames();
    void skinChooserAppliesAndStoresAPicture();
    void skinChooserRemembersAPictureThatFailsToLoad();
    void skinChooserJoinsRootPaths();
    void skinChooserReportsBadDrivesAndFolders();
    void skinSettingSurvivesARestart();
    void startupSkin_data();
    void startupSkin();

    void mainWindowOpensSavesAndPrintsItsPanes();
    void mainWindowFullViewOfEitherPane();
    void mainWindowSkinChoiceSurvivesARestart();
    void mainWindowOpensDespiteABadSkin();
};

// ---------------------------------------------------------------------------------------------- open / save

void TestFiles::open_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("windows-874") << cp874(QStringLiteral("ภาษาไทย\r\nline two")) << QStringLiteral("ภาษาไทย\nline two");
    QTest::newRow("utf-8") << QStringLiteral("café ภาษา\nend").toUtf8() << QStringLiteral("café ภาษา\nend");
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF") + QStringLiteral("ไทย").toUtf8()
                                     << QStringLiteral("ไทย");
    QTest::newRow("plain ascii, lone CR") << QByteArray("one\rtwo\r\n") << QStringLiteral("one\ntwo\n");
    // Long enough to be put into the pane a piece at a time.
    const QString line = QStringLiteral("ภาษาไทย and English on one line\n");
    QTest::newRow("long") << cp874(QString(line).replace("\n", "\r\n").repeated(10000)) << line.repeated(10000);
}

void TestFiles::open() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    Fixture f;
    QWidget window;
    QTextEdit text1(&window), text2(&window);
    text1.setPlainText(QStringLiteral("old text"));
    text2.setPlainText(QStringLiteral("translation stays"));
    const QFont font(QStringLiteral("Norasi"), 13);
    text1.setFont(font);
    text1.setTextColor(Qt::darkGreen);
    writeAll(f.path(QStringLiteral("in.txt")), bytes);
    f.dialogs.fileAnswers = {f.path(QStringLiteral("in.txt"))};

    FileCommands(f.context, &window).open(text1);

    QCOMPARE(text1.toPlainText(), text);
    QCOMPARE(text2.toPlainText(), QStringLiteral("translation stays"));
    QCOMPARE(f.dialogs.fileTitles, QStringList{QStringLiteral("เปิดต้นฉบับ")});
    QCOMPARE(f.dialogs.fileStartPaths, QStringList{QString()});
    QCOMPARE(f.dialogs.fileFilters.first().split(QStringLiteral(";;")).first(),
             QStringLiteral("Text Documents(*.txt)"));
    QVERIFY(f.dialogs.messages.empty());
    // The pane keeps its font and the colour its text was given.
    QCOMPARE(text1.document()->defaultFont(), text1.font());
    QCOMPARE(text1.font().family(), QStringLiteral("Norasi"));
    QCOMPARE(formatOf(&text1, text.left(3)).foreground().color(), QColor(Qt::darkGreen));
    // Undo does not bring the old text back: loading starts a new history.
    QVERIFY(!text1.document()->isUndoAvailable());
    text1.undo();
    QCOMPARE(text1.toPlainText(), text);
}

void TestFiles::openRichTextKeepsItsFormatting() {
    Fixture f;
    QWidget window;
    QTextEdit text1(&window);
    writeAll(f.path(QStringLiteral("letter.rtf")),
             "{\\rtf1\\ansi\\ansicpg874\\deff0{\\fonttbl{\\f0\\fnil\\fcharset222 Tahoma;}}"
             "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
             "\\viewkind4\\uc1\\pard\\f0\\fs20 {\\b \\'a1\\'d2\\'c3}{\\i slant}{\\ul under}{\\fs36 large}"
             "{\\cf1 red}\\par second line\\par\r\n}\r\n");
    f.dialogs.fileAnswers = {f.path(QStringLiteral("letter.rtf"))};
    FileCommands(f.context, &window).open(text1);

    QCOMPARE(text1.toPlainText(), QStringLiteral("การslantunderlargered\nsecond line"));
    QCOMPARE(formatOf(&text1, QStringLiteral("การ")).fontWeight(), int(QFont::Bold));
    QVERIFY(!formatOf(&text1, QStringLiteral("slant")).font().bold());
    QVERIFY(formatOf(&text1, QStringLiteral("slant")).fontItalic());
    QVERIFY(formatOf(&text1, QStringLiteral("under")).fontUnderline());
    QVERIFY(!formatOf(&text1, QStringLiteral("large")).fontUnderline());
    QCOMPARE(formatOf(&text1, QStringLiteral("large")).fontPointSize(), 18.0);
    QCOMPARE(formatOf(&text1, QStringLiteral("slant")).fontPointSize(), 10.0);
    QCOMPARE(formatOf(&text1, QStringLiteral("red")).foreground().color(), QColor(255, 0, 0));
    QVERIFY(formatOf(&text1, QStringLiteral("second")).foreground().style() == Qt::NoBrush);
    QCOMPARE(formatOf(&text1, QStringLiteral("second")).fontFamilies().toStringList(), QStringList{"Tahoma"});
}

void TestFiles::openFailureLeavesText1_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // the common reason in Thai, before the system's words
    QTest::newRow("file gone") << "missing" << QString();
    QTest::newRow("a folder") << "folder" << QStringLiteral("เป็นโฟลเดอร์ ไม่ใช่แฟ้ม (");
    QTest::newRow("a picture") << "binary" << QString();
    QTest::newRow("no permission") << "unreadable" << QStringLiteral("ไม่มีสิทธิ์เข้าถึงแฟ้มหรือโฟลเดอร์นี้ (");
}

void TestFiles::openFailureLeavesText1() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    Fixture f;
    QString target = f.path(QStringLiteral("target.txt"));
    if (kind == "folder") {
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("target.txt")));
    } else if (kind == "binary") {
        QImage(8, 8, QImage::Format_RGB32).save(target, "BMP");
    } else if (kind == "unreadable") {
        if (::geteuid() == 0)
            QSKIP("permissions do not stop the superuser");
        writeAll(target, "secret");
        QFile(target).setPermissions(QFileDevice::WriteOwner);
    }
    QWidget window;
    QTextEdit text1(&window);
    text1.setPlainText(QStringLiteral("before"));
    f.dialogs.fileAnswers = {target};
    FileCommands(f.context, &window).open(text1);

    QCOMPARE(text1.toPlainText(), QStringLiteral("before"));
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
    QCOMPARE(f.dialogs.messages[0].title, kErrorTitle);
    QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Exclamation);
    QVERIFY(f.dialogs.messages[0].text.contains(target));
    QVERIFY2(f.dialogs.messages[0].text.contains(reason), qPrintable(f.dialogs.messages[0].text));
}

void TestFiles::cancelledDialogsDoNothing() {
    Fixture f;
    QWidget window;
    QTextEdit text1(&window);
    text1.setPlainText(QStringLiteral("kept"));
    FileCommands commands(f.context, &window);
    commands.open(text1); // no answer queued: cancelled
    commands.save(text1, Pane::Original);
    commands.save(text1, Pane::Translation);
    QCOMPARE(text1.toPlainText(), QStringLiteral("kept"));
    QCOMPARE(f.dialogs.fileTitles.size(), 3);
    QCOMPARE(folderEntries(f.dir.path()), QStringList{});
    QVERIFY(f.dialogs.messages.empty());
}

void TestFiles::saveWritesCrLfReplacesAndRemembersTheName() {
    Fixture f;
    QWidget window;
    QTextEdit text1(&window), text2(&window);
    const QString opened = f.path(QStringLiteral("letter.txt"));
    writeAll(opened, "Dear Sir\r\n");
    f.dialogs.fileAnswers = {opened};
    FileCommands commands(f.context, &window);
    commands.open(text1);

    // The save dialog proposes the opened file; the name typed has no extension and gets none.
    text1.setPlainText(QStringLiteral("first line\nบรรทัดสอง"));
    const QString saved = f.path(QStringLiteral("copy"));
    f.dialogs.fileAnswers = {saved};
    commands.save(text1, Pane::Original);
    QCOMPARE(f.dialogs.fileTitles.last(), QStringLiteral("บันทึกต้นฉบับ"));
    QCOMPARE(f.dialogs.fileStartPaths.last(), opened);
    QCOMPARE(readAll(saved), cp874(QStringLiteral("first line\r\nบรรทัดสอง\r\n")));

    // Saving again replaces the file without a question and proposes the name just used.
    text2.setPlainText(QString());
    f.dialogs.fileAnswers = {saved};
    commands.save(text2, Pane::Translation);
    QCOMPARE(f.dialogs.fileTitles.last(), QStringLiteral("บันทึกงานแปล"));
    QCOMPARE(f.dialogs.fileStartPaths.last(), saved);
    QCOMPARE(readAll(saved), QByteArray("\r\n"));
    QVERIFY(f.dialogs.messages.empty());
    QCOMPARE(folderEntries(f.dir.path()), (QStringList{"copy", "letter.txt"}));

    // A no-break space is a Windows-874 character (A0) and is saved as such, not as a plain space.
    text1.setPlainText(QStringLiteral("a\u00A0b"));
    f.dialogs.fileAnswers = {saved};
    commands.save(text1, Pane::Original);
    QCOMPARE(readAll(saved), QByteArray("a\xA0"
                                        "b\r\n"));
}

void TestFiles::saveKeepsCharactersOutsideWindows874() {
    Fixture f;
    QWidget window;
    QTextEdit text2(&window);
    text2.setPlainText(QStringLiteral("naïve ไทย 😀"));
    const QString saved = f.path(QStringLiteral("mixed.txt"));
    f.dialogs.fileAnswers = {saved};
    FileCommands(f.context, &window).save(text2, Pane::Translation);
    QCOMPARE(readAll(saved), QByteArray("\xEF\xBB\xBF") + QStringLiteral("naïve ไทย 😀\r\n").toUtf8());
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
    QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Information);
    QVERIFY(f.dialogs.messages[0].text.contains(QStringLiteral("UTF-8")));

    // Reading it back gives the same text.
    QTextEdit text1(&window);
    f.dialogs.fileAnswers = {saved};
    FileCommands(f.context, &window).open(text1);
    QCOMPARE(text1.toPlainText(), text2.toPlainText() + "\n"); // the CR LF that ends every saved text
}

void TestFiles::saveFailureIsReported() {
    Fixture f;
    QWidget window;
    QTextEdit text1(&window);
    text1.setPlainText(QStringLiteral("x"));
    f.dialogs.fileAnswers = {f.path(QStringLiteral("no/such/folder/out.txt"))};
    FileCommands(f.context, &window).save(text1, Pane::Original);
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
    QCOMPARE(f.dialogs.messages[0].title, kErrorTitle);
    QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Exclamation);
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("no"))));
}

void TestFiles::pasteWithMessage() {
    Fixture f;
    QWidget window;
    QTextEdit pane(&window);
    QGuiApplication::clipboard()->setText(QStringLiteral("วางแล้ว"));
    dlx::pasteWithMessage(f.context, &window, pane);
    QCOMPARE(pane.toPlainText(), QStringLiteral("วางแล้ว"));
    QVERIFY(f.dialogs.messages.empty());
}

// ------------------------------------------------------------------------------------------------- printing

namespace {

PrintOutcome printToPdf(Fixture &f, const QTextEdit &pane, Pane which, const QString &pdf) {
    PrintJob job(f.context, nullptr);
    job.setPdfOutput(pdf);
    job.setToday([] { return QDate(2024, 3, 7); });
    return job.print(pane, which);
}

} // namespace

void TestFiles::printEmptyPane() {
    Fixture f;
    QTextEdit pane;
    const QString pdf = f.path(QStringLiteral("out.pdf"));
    QCOMPARE(printToPdf(f, pane, Pane::Original, pdf), PrintOutcome::Printed);

    QCOMPARE(f.dialogs.messages.size(), size_t(1));
    QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("แน่ใจ?"));
    QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("พิมพ์ต้นฉบับ"));
    QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Information);
    QCOMPARE(f.dialogs.messages[0].buttons, MsgButtons::YesNo);
    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(normalisedPdfText(pages[0]),
             normalisedPdfText(QStringLiteral("03-07-2024 โปรแกรม Dualexicon : ต้นฉบับ หน้า: 1")));
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("PrintFile.pal"))));
}

void TestFiles::printTranslationInThePaneFont() {
    Fixture f;
    QTextEdit pane;
    QFont font(QStringLiteral("Norasi"));
    font.setBold(true);
    font.setPointSizeF(14);
    pane.setFont(font);
    pane.setPlainText(QStringLiteral("ฉันไปโรงเรียน\nน้ำท่วมที่นี่\n\nคุณชอบ café ไหม"));
    const QString pdf = f.path(QStringLiteral("out.pdf"));
    QCOMPARE(printToPdf(f, pane, Pane::Translation, pdf), PrintOutcome::Printed);

    QCOMPARE(f.dialogs.messages.at(0).title, QStringLiteral("พิมพ์งานแปล"));
    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(normalisedPdfText(pages[0]),
             normalisedPdfText(QStringLiteral("03-07-2024 โปรแกรม Dualexicon : งานแปล หน้า: 1 ") + pane.toPlainText()));
    const QStringList fonts = dlx::test::pdfFonts(pdf);
    QCOMPARE(fonts, QStringList{QStringLiteral("Norasi-Bold")});
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("PrintFile.pal"))));
}

void TestFiles::printBigFontKeepsTheDateAndLabelClear() {
    Fixture f;
    QTextEdit pane;
    QFont font(QStringLiteral("Purisa"));
    font.setBold(true);
    font.setPointSizeF(20);
    pane.setFont(font);
    pane.setPlainText(QStringLiteral("ตัวโต"));
    const QString pdf = f.path(QStringLiteral("out.pdf"));
    QCOMPARE(printToPdf(f, pane, Pane::Original, pdf), PrintOutcome::Printed);

    const auto words = dlx::test::pdfFirstPageWords(pdf);
    QVERIFY(
        std::any_of(words.begin(), words.end(), [](const auto &w) { return w.text == QStringLiteral("03-07-2024"); }));
    // No two words of a row touch.
    for (qsizetype i = 0; i < words.size(); ++i)
        for (qsizetype j = i + 1; j < words.size(); ++j) {
            const QRectF &a = words[i].box, &b = words[j].box;
            if (qAbs(a.top() - b.top()) < 1)
                QVERIFY2(a.right() <= b.left() || b.right() <= a.left(),
                         qPrintable(words[i].text + QStringLiteral(" / ") + words[j].text));
        }
}

void TestFiles::printManyPagesEndsBrokenPagesWithTheLabel() {
    Fixture f;
    QTextEdit pane;
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QStringLiteral("line%1").arg(i, 3, 10, QChar(u'0'));
    pane.setPlainText(lines.join(u'\n'));
    const QString pdf = f.path(QStringLiteral("out.pdf"));
    QCOMPARE(printToPdf(f, pane, Pane::Original, pdf), PrintOutcome::Printed);

    const QStringList pages = pdfPages(pdf);
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    QString body;
    for (int p = 0; p < pages.size(); ++p) {
        const QString text = normalisedPdfText(pages[p]);
        const QString label = normalisedPdfText(QStringLiteral("หน้า: %1").arg(p + 1));
        const bool last = p == pages.size() - 1;
        QVERIFY2(text.startsWith(normalisedPdfText(QStringLiteral("03-07-2024 โปรแกรม Dualexicon : ต้นฉบับ")) + label),
                 qPrintable(text.left(80)));
        // A page ended by a break shows its label again, centred at the foot, after its last line.
        QCOMPARE(text.endsWith(label), !last);
        QCOMPARE(text.count(label), last ? 1 : 2);
        body += text;
    }
    qsizetype from = 0;
    for (const QString &line : lines) {
        const qsizetype at = body.indexOf(line, from);
        QVERIFY2(at >= 0, qPrintable(line));
        from = at + line.size();
    }
}

void TestFiles::printDeclinedLeavesNoWorkFile() {
    Fixture f;
    QTextEdit pane;
    pane.setPlainText(QStringLiteral("text"));
    writeAll(f.path(QStringLiteral("PrintFile.pal")), "left from a crash\r\n");
    f.dialogs.answers = {MsgAnswer::No};
    const QString pdf = f.path(QStringLiteral("out.pdf"));
    QCOMPARE(printToPdf(f, pane, Pane::Translation, pdf), PrintOutcome::Declined);
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("PrintFile.pal"))));
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
}

void TestFiles::printWithoutPrinterSaysSo() {
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a printer; the test would print on it");
    Fixture f;
    QTextEdit pane;
    pane.setPlainText(QStringLiteral("text"));
    PrintJob job(f.context, nullptr);
    QCOMPARE(job.print(pane, Pane::Original), PrintOutcome::NoPrinter);
    QCOMPARE(f.dialogs.messages.size(), size_t(2));
    QCOMPARE(f.dialogs.messages[1].title, kErrorTitle);
    QVERIFY(f.dialogs.messages[1].text.contains(QStringLiteral("เครื่องพิมพ์")));
    QCOMPARE(folderEntries(f.dir.path()), QStringList{});
}

void TestFiles::printFailuresAreReported() {
    { // The job cannot start: its output cannot be created.
        Fixture f;
        QTextEdit pane;
        pane.setPlainText(QStringLiteral("text"));
        QCOMPARE(printToPdf(f, pane, Pane::Original, f.path(QStringLiteral("missing/out.pdf"))), PrintOutcome::Failed);
        QCOMPARE(f.dialogs.messages.size(), size_t(2));
        QCOMPARE(f.dialogs.messages[1].title, kErrorTitle);
        QCOMPARE(folderEntries(f.dir.path()), QStringList{});
    }
    { // The work file cannot be written: nothing is printed.
        Fixture f;
        f.context.programFolder = f.path(QStringLiteral("gone"));
        QTextEdit pane;
        const QString pdf = f.path(QStringLiteral("out.pdf"));
        QCOMPARE(printToPdf(f, pane, Pane::Original, pdf), PrintOutcome::Failed);
        QCOMPARE(f.dialogs.messages.size(), size_t(2));
        QCOMPARE(f.dialogs.messages[1].title, kErrorTitle);
        QVERIFY(!QFileInfo::exists(pdf));
    }
}

// ---------------------------------------------------------------------------------------- full-screen view

void TestFiles::fullViewCopiesTextAndFontButNotColours() {
    QTextEdit source;
    QFont font(QStringLiteral("Norasi"));
    font.setBold(true);
    font.setItalic(true);
    font.setPointSizeF(15);
    source.setFont(font);
    source.setPlainText(QStringLiteral("สวัสดี\nsecond line"));
    source.selectAll();
    source.setTextColor(Qt::red);
    source.setTextBackgroundColor(Qt::yellow);
    QPalette pal = source.palette();
    pal.setColor(QPalette::Base, Qt::blue);
    source.setPalette(pal);

    FrmFull view(QString(), &source);
    view.show();
    QCOMPARE(child<QTextEdit>(view, "Text1")->toPlainText(), source.toPlainText());
    const QFont shown = child<QTextEdit>(view, "Text1")->document()->defaultFont();
    QCOMPARE(shown.family(), QStringLiteral("Norasi"));
    QVERIFY(shown.bold());
    QVERIFY(shown.italic());
    QCOMPARE(shown.pointSizeF(), 15.0);
    const QTextCharFormat format = formatOf(child<QTextEdit>(view, "Text1"), QStringLiteral("second"));
    QVERIFY(format.foreground().style() == Qt::NoBrush);
    QVERIFY(format.background().style() == Qt::NoBrush);
    QVERIFY(child<QTextEdit>(view, "Text1")->palette().color(QPalette::Base) != QColor(Qt::blue));
    QVERIFY(view.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(view.windowState() & Qt::WindowMaximized);
    QCOMPARE(child<QPushButton>(view, "Command1")->text(), QStringLiteral("ปิด"));
    QCOMPARE(child<QPushButton>(view, "Command1")->toolTip(), QStringLiteral("หน้าหลัก"));

    FrmFull empty(QString(), nullptr);
    QCOMPARE(child<QTextEdit>(empty, "Text1")->toPlainText(), QString());
}

void TestFiles::fullViewNeverWritesBack() {
    QTextEdit source;
    source.setPlainText(QStringLiteral("original"));
    FrmFull view(QString(), &source);
    view.show();
    child<QTextEdit>(view, "Text1")->moveCursor(QTextCursor::End);
    QTest::keyClicks(child<QTextEdit>(view, "Text1"), " typed");
    QCOMPARE(child<QTextEdit>(view, "Text1")->toPlainText(), QStringLiteral("original typed"));
    QTest::mouseRelease(child<QPushButton>(view, "Command1"), Qt::LeftButton);
    QCOMPARE(source.toPlainText(), QStringLiteral("original"));
}

void TestFiles::fullViewClosesOnAnyMouseButton_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestFiles::fullViewClosesOnAnyMouseButton() {
    QFETCH(Qt::MouseButton, button);
    FrmFull view(QString(), nullptr);
    view.show();
    QVERIFY(view.isVisible());
    QTest::mousePress(child<QPushButton>(view, "Command1"), button);
    QVERIFY(view.isVisible());
    QTest::mouseRelease(child<QPushButton>(view, "Command1"), button);
    QVERIFY(!view.isVisible());
    QCOMPARE(view.result(), int(QDialog::Accepted));
}

void TestFiles::fullViewClosesOnDoubleClick() {
    QTextEdit source;
    source.setPlainText(QStringLiteral("word"));
    FrmFull view(QString(), &source);
    view.show();
    QTest::mouseClick(child<QTextEdit>(view, "Text1")->viewport(), Qt::LeftButton);
    QVERIFY(view.isVisible());
    QTest::mouseDClick(child<QTextEdit>(view, "Text1")->viewport(), Qt::LeftButton);
    QVERIFY(!view.isVisible());
}

void TestFiles::fullViewLayoutAndSkin() {
    Fixture f;
    const QString picture = f.path(QStringLiteral("skin.bmp"));
    savePicture(picture, "BMP");
    FrmFull view(picture, nullptr);
    view.setWindowState(Qt::WindowNoState);
    view.show();
    view.resize(800, 600);
    QCoreApplication::processEvents();
    QCOMPARE(child<QTextEdit>(view, "Text1")->geometry(),
             QRect(4, 24, 792, 570)); // 60 and 360 twips in; 120 and 450 twips less
    QCOMPARE(child<SkinPicture>(view, "ImgSkin")->geometry(), QRect(0, 0, 800, 600));
    QVERIFY(!child<SkinPicture>(view, "ImgSkin")->picture().isNull());

    // A skin that does not load leaves the background plain; the view still opens with its text.
    writeAll(f.path(QStringLiteral("broken.bmp")), "not a picture");
    QTextEdit source;
    source.setPlainText(QStringLiteral("still shown"));
    FrmFull plain(f.path(QStringLiteral("broken.bmp")), &source);
    plain.show();
    QVERIFY(plain.isVisible());
    QVERIFY(child<SkinPicture>(plain, "ImgSkin")->picture().isNull());
    QCOMPARE(child<QTextEdit>(plain, "Text1")->toPlainText(), QStringLiteral("still shown"));
}

// ----------------------------------------------------------------------------------------------------- skins

namespace {

struct SkinFolder : Fixture {
    QStringList applied;
    QString folder;

    SkinFolder() {
        folder = path(QStringLiteral("pics"));
        QDir(dir.path()).mkpath(QStringLiteral("pics/sub"));
        savePicture(folder + "/sky.JPG", "JPG");
        savePicture(folder + "/photo.jpeg", "JPG");
        savePicture(folder + "/xgif", "BMP"); // no dot; read by content
        savePicture(folder + "/sub/inner.bmp", "BMP");
        writeAll(folder + "/notes.txt", "notes");
        writeAll(folder + "/fake.bmp", "this is not a picture");
    }

    FrmSkin::ApplySkin apply() {
        return [this](const QString &path) {
            applied << path;
            return loadSkinPicture(path).error;
        };
    }
    QString storedSkin() const { return settings.value(QStringLiteral("Skin"), QStringLiteral("My Skin"), QString()); }
};

} // namespace

void TestFiles::skinChooserListsFoldersAndFiles() {
    SkinFolder f;
    FrmSkin chooser(f.context, f.apply());
    chooser.show();
    QCOMPARE(chooser.windowTitle(), QStringLiteral("เปลี่ยนหน้าตาโปรแกรม"));
    QCOMPARE(chooser.folder(), QDir::cleanPath(QDir::currentPath())); // starts in the current folder
    QVERIFY(chooser.setFolder(f.folder));
    QCOMPARE(itemTexts(child<QListWidget>(chooser, "File1")),
             (QStringList{"fake.bmp", "notes.txt", "photo.jpeg", "sky.JPG", "xgif"}));
    const QStringList dirs = itemTexts(child<QListWidget>(chooser, "Dir1"));
    QCOMPARE(dirs.first(), QStringLiteral("/"));
    QCOMPARE(dirs.last(), QStringLiteral("sub"));
    QVERIFY(dirs.contains(QStringLiteral("pics")));

    // Opening a folder in Dir1 shows its files in File1.
    const auto sub = child<QListWidget>(chooser, "Dir1")->findItems(QStringLiteral("sub"), Qt::MatchEndsWith);
    QCOMPARE(sub.size(), 1);
    child<QListWidget>(chooser, "Dir1")->setCurrentItem(sub.first());
    QTest::keyClick(child<QListWidget>(chooser, "Dir1"), Qt::Key_Return);
    QCOMPARE(chooser.folder(), f.folder + "/sub");
    QCOMPARE(itemTexts(child<QListWidget>(chooser, "File1")), QStringList{"inner.bmp"});

    // Drive1 shows the volume that holds the folder.
    QVERIFY(child<QComboBox>(chooser, "Drive1")->count() >= 1);
    QCOMPARE(child<QComboBox>(chooser, "Drive1")->currentData().toString(), QStorageInfo(f.folder).rootPath());
}

void TestFiles::skinChooserRefusesNonPictureNames() {
    SkinFolder f;
    FrmSkin chooser(f.context, f.apply());
    chooser.show();
    QVERIFY(chooser.setFolder(f.folder));
    for (const QString &name : {QStringLiteral("photo.jpeg"), QStringLiteral("notes.txt")}) {
        f.dialogs.messages.clear();
        clickItem(child<QListWidget>(chooser, "File1"), name);
        QCOMPARE(f.dialogs.messages.size(), size_t(1));
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("ต้องเป็นภาพที่นามสกุลเป็น (*.bmp), (*.jpg), (*.gif) เท่านั้น"));
        QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("ไม่ใช่ภาพ"));
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Exclamation);
    }
    QVERIFY(chooser.isVisible());
    QVERIFY(f.applied.isEmpty());
    QCOMPARE(f.storedSkin(), QString());
}

void TestFiles::skinChooserAppliesAndStoresAPicture() {
    for (const QString &name : {QStringLiteral("sky.JPG"), QStringLiteral("xgif")}) {
        SkinFolder f;
        FrmSkin chooser(f.context, f.apply());
        chooser.show();
        QVERIFY(chooser.setFolder(f.folder));
        clickItem(child<QListWidget>(chooser, "File1"), name);
        QCOMPARE(f.applied, QStringList{f.folder + "/" + name});
        QCOMPARE(f.storedSkin(), f.folder + "/" + name);
        QVERIFY(f.dialogs.messages.empty());
        QVERIFY(!chooser.isVisible());
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
    }
}

void TestFiles::skinChooserRemembersAPictureThatFailsToLoad() {
    SkinFolder f;
    FrmSkin chooser(f.context, f.apply());
    chooser.show();
    QVERIFY(chooser.setFolder(f.folder));
    clickItem(child<QListWidget>(chooser, "File1"), QStringLiteral("fake.bmp"));
    QCOMPARE(f.storedSkin(), f.folder + "/fake.bmp");
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
    QCOMPARE(f.dialogs.messages[0].title, kErrorTitle);
    QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Exclamation);
    QVERIFY(chooser.isVisible());
}

void TestFiles::skinChooserJoinsRootPaths() {
    SkinFolder f;
    FrmSkin chooser(f.context, [&](const QString &path) {
        f.applied << path;
        return QString();
    });
    QVERIFY(chooser.setFolder(QStringLiteral("/")));
    chooser.chooseFile(QStringLiteral("x.bmp"));
    QCOMPARE(f.applied, QStringList{"/x.bmp"});
    QCOMPARE(f.storedSkin(), QStringLiteral("/x.bmp"));
}

void TestFiles::skinChooserReportsBadDrivesAndFolders() {
    SkinFolder f;
    FrmSkin chooser(f.context, f.apply());
    QVERIFY(chooser.setFolder(f.folder));
    QVERIFY(!chooser.setFolder(f.path(QStringLiteral("no-such-folder"))));
    QCOMPARE(chooser.folder(), f.folder);
    chooser.chooseDrive(f.path(QStringLiteral("no-such-drive")));
    QCOMPARE(chooser.folder(), f.folder);
    QCOMPARE(child<QComboBox>(chooser, "Drive1")->currentData().toString(), QStorageInfo(f.folder).rootPath());
    QCOMPARE(f.dialogs.messages.size(), size_t(2));
    for (const auto &m : f.dialogs.messages) {
        QCOMPARE(m.title, kErrorTitle);
        QCOMPARE(m.icon, MsgIcon::Exclamation);
    }
}

void TestFiles::skinSettingSurvivesARestart() {
    Fixture f;
    QCOMPARE(storedSkinPath(f.context), f.dir.path() + "/Skin/Default.bmp");
    storeSkinPath(f.context, f.path(QStringLiteral("ภาพ.gif")));
    IniSettingsStore again(f.path(QStringLiteral("settings.ini")));
    const AppContext restarted(f.context.programFolder, f.dialogs, again, f.services.profile, f.services.keyboard,
                               f.services.http);
    QCOMPARE(storedSkinPath(restarted), f.path(QStringLiteral("ภาพ.gif")));
}

void TestFiles::startupSkin_data() {
    QTest::addColumn<QString>("setting"); // empty: nothing stored
    QTest::addColumn<bool>("loads");
    QTest::newRow("shipped default") << QString() << true;
    QTest::newRow("chosen picture") << "chosen.jpg" << true;
    QTest::newRow("not a picture") << "fake.bmp" << false;
    QTest::newRow("missing") << "gone.bmp" << false;
}

void TestFiles::startupSkin() {
    QFETCH(QString, setting);
    QFETCH(bool, loads);
    Fixture f;
    QDir(f.dir.path()).mkdir(QStringLiteral("Skin"));
    QVERIFY(QFile::copy(QStringLiteral(DLX_SHIPPED_DATA "/../Skin/Default.bmp"),
                        f.path(QStringLiteral("Skin/Default.bmp"))));
    savePicture(f.path(QStringLiteral("chosen.jpg")), "JPG");
    writeAll(f.path(QStringLiteral("fake.bmp")), "text");
    if (!setting.isEmpty())
        storeSkinPath(f.context, f.path(setting));

    QString skinPath;
    const SkinLoad load = loadStartupSkin(f.context, skinPath);
    QCOMPARE(load.ok(), loads);
    QCOMPARE(skinPath, setting.isEmpty() ? f.path(QStringLiteral("Skin/Default.bmp")) : f.path(setting));
    QCOMPARE(!load.picture.isNull(), loads);
    if (!loads)
        QVERIFY(load.error.contains(skinPath));
    // A file that is not there says so in Thai, then in the system's words.
    if (setting == "gone.bmp")
        QVERIFY2(load.error.contains(QStringLiteral("ไม่พบแฟ้มหรือโฟลเดอร์ (")), qPrintable(load.error));
    QVERIFY(f.dialogs.messages.empty()); // the window reports it once it is on the screen
}

// ------------------------------------------------------------------------------------- in the main window

namespace {

struct MainFixture : Fixture {
    dlx::test::FakeKeyboardLayouts &keyboard = services.keyboard;
    MainFixture() {
        settings.setValue(QStringLiteral("Tip"), QStringLiteral("My Tip"), QStringLiteral("0"));
        QDir(dir.path()).mkdir(QStringLiteral("Skin"));
        QFile::copy(QStringLiteral(DLX_SHIPPED_DATA "/../Skin/Default.bmp"), path(QStringLiteral("Skin/Default.bmp")));
    }
};

QTextEdit *pane(const FrmMain &w, Pane which) {
    return child<QTextEdit>(w, which == Pane::Original ? "Text1" : "Text2");
}

void focusPane(FrmMain &w, Pane which) {
    QApplication::setActiveWindow(&w);
    pane(w, which)->setFocus();
    QCoreApplication::processEvents();
}

void trigger(const FrmMain &w, const char *command) {
    child<QAction>(w, command)->trigger();
}

void clickTool(const FrmMain &w, int index) {
    QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("ImgTool%1").arg(index)), Qt::LeftButton, {}, QPoint(5, 5));
}

// The colour in the middle of the skin behind the window's controls.
QColor skinShown(const FrmMain &w) {
    auto *surface = child<QWidget>(w, "FrmMainSurface");
    QImage background(surface->size(), QImage::Format_RGB32);
    surface->render(&background, {}, {}, QWidget::DrawWindowBackground);
    return background.pixelColor(background.width() / 2, background.height() / 2);
}

// Runs `answer` on the modal window of type T once it is up.
template <class T, class F> void whenModal(F answer) {
    QTimer::singleShot(0, [answer] {
        auto *modal = dynamic_cast<T *>(QApplication::activeModalWidget());
        QVERIFY(modal);
        answer(modal);
    });
}

} // namespace

void TestFiles::mainWindowOpensSavesAndPrintsItsPanes() {
    MainFixture f;
    f.context.printPdfFile = f.path(QStringLiteral("out.pdf"));
    FrmMain w(f.context);
    w.show();
    QVERIFY(f.dialogs.messages.empty());

    const QString letter = f.path(QStringLiteral("letter.txt"));
    writeAll(letter, cp874(QStringLiteral("Hello\r\nสวัสดี\r\n")));
    pane(w, Pane::Translation)->setPlainText(QStringLiteral("แปลแล้ว"));
    f.dialogs.fileAnswers = {letter};
    clickTool(w, 2); // toolbar button 2 opens, like mnuOpen
    QCOMPARE(pane(w, Pane::Original)->toPlainText(), QStringLiteral("Hello\nสวัสดี\n"));
    QCOMPARE(pane(w, Pane::Translation)->toPlainText(), QStringLiteral("แปลแล้ว"));

    // Toolbar button 3 saves the active pane, proposing the name of the file opened.
    focusPane(w, Pane::Translation);
    const QString saved = f.path(QStringLiteral("translation.txt"));
    f.dialogs.fileAnswers = {saved};
    clickTool(w, 3);
    QCOMPARE(f.dialogs.fileTitles.last(), QStringLiteral("บันทึกงานแปล"));
    QCOMPARE(f.dialogs.fileStartPaths.last(), letter);
    QCOMPARE(readAll(saved), cp874(QStringLiteral("แปลแล้ว\r\n")));

    // Toolbar button 4 prints it.
    clickTool(w, 4);
    QCOMPARE(f.dialogs.messages.back().title, QStringLiteral("พิมพ์งานแปล"));
    const QStringList pages = pdfPages(f.context.printPdfFile);
    QCOMPARE(pages.size(), 1);
    QVERIFY(normalisedPdfText(pages[0]).endsWith(normalisedPdfText(QStringLiteral("หน้า: 1 แปลแล้ว"))));
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("PrintFile.pal"))));
    // In the font the pane shows, not in what the printer would put in place of the first name of its list.
    QCOMPARE(dlx::test::pdfFonts(f.context.printPdfFile),
             QStringList{QFontInfo(pane(w, Pane::Translation)->font()).family().remove(u' ')});

    // mnuPaste pastes into the active pane.
    QGuiApplication::clipboard()->setText(QStringLiteral(" more"));
    pane(w, Pane::Translation)->moveCursor(QTextCursor::End);
    trigger(w, "mnuPaste");
    QCOMPARE(pane(w, Pane::Translation)->toPlainText(), QStringLiteral("แปลแล้ว more"));
}

void TestFiles::mainWindowFullViewOfEitherPane() {
    MainFixture f;
    FrmMain w(f.context);
    w.show();
    pane(w, Pane::Original)->setPlainText(QStringLiteral("original text"));
    pane(w, Pane::Translation)->setPlainText(QStringLiteral("ข้อความแปล"));

    QString shown;
    whenModal<FrmFull>([&shown](FrmFull *view) {
        shown = child<QTextEdit>(*view, "Text1")->toPlainText();
        QTest::keyClicks(child<QTextEdit>(*view, "Text1"), "typed");
        QTest::mouseRelease(child<QPushButton>(*view, "Command1"), Qt::RightButton);
    });
    trigger(w, "mnuFullOri");
    QCOMPARE(shown, QStringLiteral("original text"));
    QCOMPARE(pane(w, Pane::Original)->toPlainText(), QStringLiteral("original text"));

    // A double click on the translation pane opens its view; a double click in the view closes it.
    whenModal<FrmFull>([&shown](FrmFull *view) {
        shown = child<QTextEdit>(*view, "Text1")->toPlainText();
        QTest::mouseDClick(child<QTextEdit>(*view, "Text1")->viewport(), Qt::LeftButton);
    });
    QTest::mouseDClick(pane(w, Pane::Translation)->viewport(), Qt::LeftButton);
    QCOMPARE(shown, QStringLiteral("ข้อความแปล"));
}

void TestFiles::mainWindowSkinChoiceSurvivesARestart() {
    MainFixture f;
    const QString folder = f.path(QStringLiteral("pics"));
    QDir(f.dir.path()).mkdir(QStringLiteral("pics"));
    savePicture(folder + "/sea.bmp", "BMP", Qt::darkBlue);
    {
        FrmMain w(f.context);
        w.show();
        QVERIFY(skinShown(w) != QColor(Qt::darkBlue));
        whenModal<FrmSkin>([folder](FrmSkin *chooser) {
            QVERIFY(chooser->setFolder(folder));
            clickItem(child<QListWidget>(*chooser, "File1"), QStringLiteral("sea.bmp"));
        });
        trigger(w, "mnuSkin");
        QCOMPARE(skinShown(w), QColor(Qt::darkBlue));
        QCOMPARE(storedSkinPath(f.context), folder + "/sea.bmp");
        QVERIFY(f.dialogs.messages.empty());
    }
    IniSettingsStore again(f.path(QStringLiteral("settings.ini")));
    const AppContext context(f.context.programFolder, f.dialogs, again, f.services.profile, f.services.keyboard,
                             f.services.http);
    FrmMain restarted(context);
    restarted.show();
    QCOMPARE(skinShown(restarted), QColor(Qt::darkBlue));
    QVERIFY(f.dialogs.messages.empty());
}

void TestFiles::mainWindowOpensDespiteABadSkin() {
    MainFixture f;
    writeAll(f.path(QStringLiteral("fake.gif")), "GIF? no, text");
    storeSkinPath(f.context, f.path(QStringLiteral("fake.gif")));
    FrmMain w(f.context);
    QVERIFY(f.dialogs.messages.empty()); // reported once the window is on the screen
    w.show();
    QTRY_COMPARE(f.dialogs.messages.size(), size_t(1));
    QCOMPARE(f.dialogs.messages[0].title, kErrorTitle);
    QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Stop);
    QVERIFY(f.dialogs.messages[0].text.contains(QStringLiteral("fake.gif")));
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Dualexicon (ดูอะเล็กซิคอน) 1.5"));
    // The program still works: a translation-pane save goes through.
    focusPane(w, Pane::Original);
    pane(w, Pane::Original)->setPlainText(QStringLiteral("still here"));
    f.dialogs.fileAnswers = {f.path(QStringLiteral("out.txt"))};
    trigger(w, "mnuSave1");
    QCOMPARE(readAll(f.path(QStringLiteral("out.txt"))), QByteArray("still here\r\n"));
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"

// Reading with the word panel, by clicks and keys: a click on a word shows its lines, the words left in English
// are marked, and a word added from the panel is Thai in the next translation.
#include "FakeDialogs.h"
#include "FrmMain.h"
#include "Settings.h"
#include "TestContext.h"
#include "WorkspaceFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

using namespace dlx;

namespace {

QString u(const char *s) {
    return QString::fromUtf8(s);
}

struct Reading {
    Reading() {
        const std::map<char, std::vector<std::string>> files = {
            {'C', {"can/สามารถ/vt.(สกรรมกริยา)", "cat/แมว/n.(นาม)", "cat/ตัวแมว/n.(นาม)"}},
            {'I', {"I/ฉัน/pro.(สรรพนาม)"}},
            {'S', {"see/เห็น/vt.(สกรรมกริยา)"}},
        };
        for (const auto &[letter, lines] : files) {
            std::string bytes;
            for (const auto &line : lines)
                bytes += encode874(fromUtf8(line)) + "\r\n";
            if (!writeFileBytes(folder.dataFolder() + "/" + letter + ".pal", bytes))
                qFatal("cannot write the test dictionary");
        }
        const QString program = QString::fromStdString(folder.path());
        QDir(program).mkdir("Skin");
        QImage skin(16, 12, QImage::Format_RGB32);
        skin.fill(QColor(180, 200, 230));
        skin.save(program + "/Skin/Default.bmp", "BMP");
        services.settings.setValue("Tip", "My Tip", "0");
        window = std::make_unique<FrmMain>(services.context);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    template <class T> T *part(const char *name) const {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    QTextEdit *pane(const char *name) const { return part<QTextEdit>(name); }
    void translate(const QString &text) {
        pane("Text1")->setPlainText(text);
        QTest::mouseClick(part<QPushButton>("Command1"), Qt::LeftButton);
    }
    /// Clicks the middle of the first occurrence of `what` in the pane.
    void clickOn(QTextEdit *edit, const QString &what, Qt::MouseButton button = Qt::LeftButton) {
        const int at = edit->toPlainText().indexOf(what);
        QVERIFY2(at >= 0, qPrintable(what));
        QTextCursor c(edit->document());
        c.setPosition(at + what.size() / 2);
        const QPoint p = edit->cursorRect(c).center() + QPoint(1, 0);
        QTest::mouseClick(edit->viewport(), button, Qt::NoModifier, p);
    }
    /// The marked words of the translation pane.
    QStringList marked() const {
        QStringList words;
        for (const auto &mark : pane("Text2")->extraSelections())
            words << mark.cursor.selectedText();
        return words;
    }
    QStringList rows(const char *list, int column) const {
        QStringList out;
        auto *tree = part<QTreeWidget>(list);
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            out << tree->topLevelItem(i)->text(column);
        return out;
    }

    test::TempProgramFolder folder;
    test::TestContext services{QString::fromStdString(folder.path())};
    std::unique_ptr<FrmMain> window;
};

} // namespace

class TestReading : public QObject {
    Q_OBJECT
private slots:
    void clickShowsTheLinesOfAWordAndTheMarksStayOutOfTheText() {
        Reading r;
        QDockWidget *panel = r.part<QDockWidget>("WordPanel");
        r.translate(QStringLiteral("I see cats and a zebra"));
        QCOMPARE(r.marked(), (QStringList{"and", "zebra"}));
        // The marks stand out from the pane's background, whatever it is.
        r.services.dialogs.colorAnswers.push_back(QColor(230, 0, 0));
        r.part<QAction>("mnuBack2")->trigger();
        const QColor mark = r.pane("Text2")->extraSelections().value(0).format.underlineColor();
        QVERIFY(mark.red() < 128 || mark.green() > 100);

        // Closed, a click on an unmarked word is only a click; F8 opens the panel and the settings remember it.
        r.clickOn(r.pane("Text1"), "cats");
        QVERIFY(panel->isHidden());
        const int narrow = r.window->width();
        QTest::keyClick(r.window.get(), Qt::Key_F8);
        QVERIFY(!panel->isHidden());
        QVERIFY(r.window->width() > narrow);
        QCOMPARE(r.services.settings.value("Reading", "WordPanel", {}), QStringLiteral("1"));
        QVERIFY(!FrmMain(r.services.context).findChild<QDockWidget *>("WordPanel")->isHidden()); // the next start

        r.clickOn(r.pane("Text1"), "cats");
        QCOMPARE(r.part<QLabel>("WordTitle")->text(), QStringLiteral("cats"));
        QVERIFY(r.part<QLabel>("WordReach")->text().contains("cat + -s"));
        QCOMPARE(r.rows("SenseList", 2), (QStringList{u("แมว"), u("ตัวแมว")}));
        QCOMPARE(r.rows("SenseList", 0), (QStringList{u("✓"), ""}));
        QCOMPARE(r.rows("UnknownList", 0), (QStringList{"and", "zebra"}));

        // In the translation a click finds the meaning under it and the words that have it.
        r.clickOn(r.pane("Text2"), u("แม"));
        QCOMPARE(r.part<QLabel>("WordTitle")->text(), u("แมว"));
        QCOMPARE(r.rows("SenseList", 1), (QStringList{"cat", "cat"}));

        // Formatting only: a copy of the translation carries no mark, and with the marks off nothing is drawn.
        QVERIFY(!r.pane("Text2")->toHtml().contains("underline"));
        r.pane("Text2")->selectAll();
        r.pane("Text2")->copy();
        QVERIFY(!QApplication::clipboard()->mimeData()->html().contains("underline"));
        r.part<QAction>("mnuMarkUnknown")->trigger();
        QVERIFY(r.marked().isEmpty());
        QCOMPARE(r.services.settings.value("Reading", "MarkUnknown", {}), QStringLiteral("0"));

        QTest::keyClick(r.window.get(), Qt::Key_F8);
        QVERIFY(panel->isHidden());
        QCOMPARE(r.window->width(), narrow);

        // The pane menu's ดูความหมาย opens the panel on the word under the pointer.
        r.clickOn(r.pane("Text1"), "see", Qt::RightButton);
        auto *menu = r.part<QMenu>("mnuPopUp");
        QVERIFY(menu->isVisible());
        menu->close();
        r.part<QAction>("mnuPopMean")->trigger();
        QVERIFY(!panel->isHidden());
        QCOMPARE(r.part<QLabel>("WordTitle")->text(), QStringLiteral("see"));
    }

    void aWordAddedFromThePanelIsThaiInTheNextTranslation() {
        Reading r;
        r.translate(QStringLiteral("I see a zebra"));
        QCOMPARE(r.marked(), QStringList{"zebra"});
        r.clickOn(r.pane("Text2"), "zebra"); // a marked word opens the panel on itself
        QVERIFY(!r.part<QDockWidget>("WordPanel")->isHidden());
        QCOMPARE(r.part<QLabel>("WordTitle")->text(), QStringLiteral("zebra"));
        QVERIFY(!r.part<QPushButton>("EditWord")->isEnabled());

        bool prefilled = false;
        QTimer::singleShot(0, [&] {
            QWidget *editor = QApplication::activeModalWidget();
            QVERIFY(editor);
            auto *letter = editor->findChild<QComboBox *>("Combo1");
            auto *word = editor->findChild<QLineEdit *>("Text1");
            auto *meaning = editor->findChild<QLineEdit *>("Text2");
            prefilled = letter->currentText() == "Z" && word->text() == "zebra" && editor->focusWidget() == meaning;
            for (QChar ch : u("ม้าลาย"))
                QTest::sendKeyEvent(QTest::Click, meaning, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            auto *label = editor->findChild<QComboBox *>("Combo2");
            label->setFocus();
            for (QChar ch : u("n.(นาม)"))
                QTest::sendKeyEvent(QTest::Click, label->lineEdit(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::mouseClick(editor->findChild<QPushButton *>("Command1"), Qt::LeftButton); // เพิ่ม
            QTest::mouseClick(editor->findChild<QPushButton *>("Command3"), Qt::LeftButton); // บันทึก
            editor->close();
        });
        QTest::mouseClick(r.part<QPushButton>("AddWord"), Qt::LeftButton);
        QVERIFY(prefilled);
        QVERIFY(r.services.dialogs.messages.empty());
        QCOMPARE(r.rows("SenseList", 2), QStringList{u("ม้าลาย")}); // the panel asked again

        QTest::mouseClick(r.part<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(r.pane("Text2")->toPlainText().contains(u("ม้าลาย")));
        QVERIFY(!r.pane("Text2")->toPlainText().contains("zebra"));
        QVERIFY(r.marked().isEmpty());
        QVERIFY(r.rows("UnknownList", 0).isEmpty());
    }
};

QTEST_MAIN(TestReading)
#include "tst_reading.moc"

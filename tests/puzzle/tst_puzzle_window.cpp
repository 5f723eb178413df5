// The puzzle window played by key presses, "Next >>" and its menu commands.
#include "../typing/GameTestSupport.h"
#include "FakeDialogs.h"
#include "FrmPuzzle.h"
#include "HelpWindow.h"
#include "LetterFile.h"
#include "PuzzleWindows.h"
#include "Settings.h"
#include "TestContext.h"
#include "TextFile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <stdexcept>

using namespace dlx;
using dlx::test::FakeDialogs;

namespace {

struct Program {
    test::TempDictionary folder;
    test::TestContext services{QString::fromStdString(folder.path())};
    FakeDialogs &dialogs = services.dialogs;
    IniProfileStrings &profile = services.profile;
    AppContext &context = services.context;

    explicit Program(const std::vector<std::pair<std::string, std::vector<std::u32string>>> &files) {
        for (const auto &[name, lines] : files)
            folder.write(name, lines);
    }
};

QString text(QWidget *w, const QString &name) {
    auto *l = w->findChild<QLabel *>(name);
    if (!l)
        qFatal("no label %s", qPrintable(name));
    return l->text();
}

/// The captions of the shown slots.
QString slotRow(QWidget *w) {
    QString s;
    for (int k = 0; k < 16; ++k) {
        auto *l = w->findChild<QLabel *>(QString("LblBlank(%1)").arg(k));
        if (l->isVisible())
            s += l->text();
    }
    return s;
}

void trigger(QWidget *w, const char *action) {
    auto *a = w->findChild<QAction *>(action);
    if (!a)
        qFatal("no action %s", action);
    a->trigger();
}

} // namespace

class PuzzleWindowTest : public QObject {
    Q_OBJECT
private slots:
    void playsAWordByKeysThenNext();
    void highScoreIsSavedAndShown();
    void emptyDictionary_windowTellsAndDoesNotOpen();
    void entryPoint_opensTheGameModally();
    void help_opensAtThePuzzleSection();
};

void PuzzleWindowTest::playsAWordByKeysThenNext() {
    Program p({{"L.pal", {U"letter/จดหมาย/n.(นาม)"}}});
    FrmPuzzle puzzle(p.context, std::make_unique<SeededRandom>(1));
    QVERIFY(puzzle.load());
    puzzle.show();
    auto *next = puzzle.findChild<QPushButton *>("CmdNext");
    QCOMPARE(puzzle.windowTitle(), QString("เกมส์ Puzzle"));
    QCOMPARE(next->text(), QString("Next >>"));
    QCOMPARE(slotRow(&puzzle), QString("l____r"));
    QCOMPARE(text(&puzzle, "lblMean"), QString("จดหมาย"));
    QCOMPARE(text(&puzzle, "lblProp"), QString("n.(นาม)"));
    QCOMPARE(text(&puzzle, "LblCnt"), QString("5"));
    QCOMPARE(text(&puzzle, "LblScore"), QString("0"));
    QVERIFY(!next->isVisible());

    QTest::keyClicks(&puzzle, "e");
    QCOMPARE(slotRow(&puzzle), QString("le__er"));
    QCOMPARE(text(&puzzle, "LblCnt"), QString("5"));
    QTest::keyClicks(&puzzle, "xlE");
    QCOMPARE(slotRow(&puzzle), QString("le__er"));
    QCOMPARE(text(&puzzle, "LblCnt"), QString("2"));
    QTest::keyClick(&puzzle, Qt::Key_Shift); // no character, no try
    QCOMPARE(text(&puzzle, "LblCnt"), QString("2"));
    QTest::keyClicks(&puzzle, "t");
    QCOMPARE(slotRow(&puzzle), QString("letter"));
    QCOMPARE(text(&puzzle, "LblScore"), QString("1"));
    QVERIFY(next->isVisible());

    QTest::keyClicks(&puzzle, "qqqq"); // the turn is over
    QCOMPARE(text(&puzzle, "LblCnt"), QString("2"));
    QCOMPARE(text(&puzzle, "LblScore"), QString("1"));

    QVERIFY(QTest::qWaitForWindowActive(&puzzle));
    next->setFocus(); // as after a click on it
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(!next->isVisible());
    QCOMPARE(slotRow(&puzzle), QString("l____r"));
    QCOMPARE(text(&puzzle, "LblCnt"), QString("5"));
    // Typed keys reach the window again, not the hidden button.
    QTest::keyClick(puzzle.windowHandle(), Qt::Key_T, Qt::NoModifier);
    QCOMPARE(slotRow(&puzzle), QString("l_tt_r"));

    // Five misses uncover the word without a point.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(&puzzle, Qt::Key_Return);
    QVERIFY(!next->isVisible());
    QTest::keyClicks(&puzzle, "z");
    QCOMPARE(slotRow(&puzzle), QString("letter"));
    QCOMPARE(text(&puzzle, "LblCnt"), QString("0"));
    QCOMPARE(text(&puzzle, "LblScore"), QString("1"));
    QVERIFY(next->isVisible());
    QVERIFY(p.dialogs.messages.empty());

    trigger(&puzzle, "mnuExit");
    QVERIFY(!puzzle.isVisible());
}

void PuzzleWindowTest::highScoreIsSavedAndShown() {
    Program p({{"G.pal", {U"go/ไป/vi.(อกรรมกริยา)"}}});
    FrmPuzzle puzzle(p.context, std::make_unique<SeededRandom>(2));
    QVERIFY(puzzle.load());
    puzzle.show();

    trigger(&puzzle, "mnuHi");
    QCOMPARE(p.dialogs.messages.back().text, QString("คะแนนสูงสุด : 0   คะแนน"));
    QCOMPARE(p.dialogs.messages.back().icon, MsgIcon::None);
    QCOMPARE(p.dialogs.messages.back().buttons, MsgButtons::Ok);

    p.profile.writeString("Dualexicon", "HiScore PuzzleGame", "7");
    trigger(&puzzle, "mnuHi");
    QCOMPARE(p.dialogs.messages.back().text, QString("คะแนนสูงสุด : 7   คะแนน"));

    // A two-letter word is won by any first key.
    for (int i = 0; i < 2; ++i) {
        QTest::keyClicks(&puzzle, "k");
        QCOMPARE(text(&puzzle, "LblCnt"), QString("4"));
        QTest::mouseClick(puzzle.findChild<QPushButton *>("CmdNext"), Qt::LeftButton);
    }
    QCOMPARE(text(&puzzle, "LblScore"), QString("2"));
    trigger(&puzzle, "mnuSave");
    QCOMPARE(p.dialogs.messages.back().text, QString("บันทึกคะแนนสูงสุดไว้แล้ว!"));
    QCOMPARE(p.dialogs.messages.back().title, QString("คะแนนสูงสุด"));
    QCOMPARE(p.dialogs.messages.back().icon, MsgIcon::Information);
    QCOMPARE(p.profile.readString("Dualexicon", "HiScore PuzzleGame"), QString("2"));
    trigger(&puzzle, "mnuHi");
    QCOMPARE(p.dialogs.messages.back().text, QString("คะแนนสูงสุด : 2   คะแนน"));

    p.profile.writeString("Dualexicon", "HiScore PuzzleGame", "-4");
    trigger(&puzzle, "mnuHi");
    QCOMPARE(p.dialogs.messages.back().text, QString("คะแนนสูงสุด : 0   คะแนน"));
}

void PuzzleWindowTest::emptyDictionary_windowTellsAndDoesNotOpen() {
    Program p({{"S.pal", {U"superconductivity/สภาพนำยิ่งยวด/n.(นาม)"}}, {"t.pal", {U"tea/ชา/n.(นาม)"}}});
    FrmPuzzle puzzle(p.context);
    QVERIFY(!puzzle.load());
    QCOMPARE(p.dialogs.messages.size(), size_t(1));
    QCOMPARE(p.dialogs.messages[0].title, QString("โปรแกรมผิดพลาด"));
    QCOMPARE(p.dialogs.messages[0].icon, MsgIcon::Exclamation);

    showFrmPuzzle(nullptr, p.context); // returns at once
    QCOMPARE(p.dialogs.messages.size(), size_t(2));
}

void PuzzleWindowTest::entryPoint_opensTheGameModally() {
    Program p({{"C.pal", {U"cat/แมว/n.(นาม)"}}});
    QString name, shown;
    QTimer::singleShot(0, [&] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        name = w->objectName();
        QTest::keyClicks(w, "a");
        shown = slotRow(w) + " " + text(w, "LblScore");
        trigger(w, "mnuExit");
    });
    showFrmPuzzle(nullptr, p.context);
    QCOMPARE(name, QString("FrmPuzzle"));
    QCOMPARE(shown, QString("cat 1"));
}

void PuzzleWindowTest::help_opensAtThePuzzleSection() {
    Program p({{"L.pal", {U"letter/จดหมาย/n.(นาม)"}}});
    p.folder.installHelp();
    FrmPuzzle puzzle(p.context, std::make_unique<SeededRandom>(1));
    QVERIFY(puzzle.load());
    puzzle.findChild<QAction *>("mnuHelp")->trigger();
    auto *help = puzzle.findChild<HelpWindow *>();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->browser()->source().fragment(), QString("puzzle"));
    QVERIFY(help->browser()->toPlainText().contains("HiScore PuzzleGame"));
}

QTEST_MAIN(PuzzleWindowTest)
#include "tst_puzzle_window.moc"

// The twin typing drills and their time-limit windows, driven by key presses and menu commands.
#include "FakeDialogs.h"
#include "FrmHistory.h"
#include "FrmPim.h"
#include "FrmTime.h"
#include "GameTestSupport.h"
#include "HelpWindow.h"
#include "LetterFile.h"
#include "Settings.h"
#include "TestContext.h"
#include "TextFile.h"
#include "TypingWindows.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <stdexcept>

using namespace dlx;
using dlx::test::FakeDialogs;
using dlx::test::FakeKeyboardLayouts;

namespace {

/// A program folder with a Data folder holding the given letter files, and the services a window receives.
struct Program {
    test::TempDictionary folder;
    test::TestContext services{QString::fromStdString(folder.path())};
    FakeDialogs &dialogs = services.dialogs;
    FakeKeyboardLayouts &keyboard = services.keyboard;
    IniProfileStrings &profile = services.profile;
    AppContext &context = services.context;
    std::int16_t timeLimit = 0;

    explicit Program(const std::vector<std::pair<std::string, std::vector<std::u32string>>> &files) {
        for (const auto &[name, lines] : files)
            folder.write(name, lines);
    }
};

QLabel *label(QWidget *w, const QString &name) {
    auto *l = w->findChild<QLabel *>(name);
    if (!l)
        qFatal("no label %s", qPrintable(name));
    return l;
}

/// The captions of a slot row, shown slots only.
QString row(QWidget *w, const QString &name) {
    QString s;
    for (int k = 0; k < 16; ++k) {
        QLabel *l = label(w, QString("%1(%2)").arg(name, QString::number(k)));
        if (l->isVisible())
            s += l->text();
    }
    return s;
}

QString wrongMarks(QWidget *w, int count) {
    QString s;
    for (int k = 0; k < count; ++k)
        s += label(w, QString("LblWrong(%1)").arg(k))->isVisible() ? "X" : ".";
    return s;
}

QString clockShown(QWidget *w) {
    return label(w, "LblTime(3)")->text() + label(w, "LblTime(2)")->text() + ":" + label(w, "LblTime(1)")->text() +
           label(w, "LblTime(0)")->text();
}

void typeThai(QWidget *w, const QString &text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void trigger(QWidget *w, const char *action) {
    auto *a = w->findChild<QAction *>(action);
    if (!a)
        qFatal("no action %s", action);
    a->trigger();
}

/// Runs the drill's mnuStart and, inside the time-limit window it opens, types each entry and presses Enter.
/// Gives the window's name and whether it was still open after each entry.
struct TimeWindowVisit {
    QString name, caption;
    QList<bool> openAfter;
    QString afterThreeKeys;
};

TimeWindowVisit startTimedRun(FrmPim &pim, const QStringList &entries) {
    TimeWindowVisit visit;
    QTimer::singleShot(0, [&] {
        auto *frmTime = qobject_cast<FrmTime *>(QApplication::activeModalWidget());
        if (!frmTime)
            return;
        visit.name = frmTime->objectName();
        visit.caption = frmTime->windowTitle();
        auto *text1 = frmTime->findChild<QLineEdit *>("Text1");
        QTest::keyClicks(text1, "123");
        visit.afterThreeKeys = text1->text();
        for (const QString &entry : entries) {
            text1->clear();
            QTest::keyClicks(text1, entry);
            QTest::keyClick(text1, Qt::Key_Return);
            visit.openAfter << frmTime->isVisible();
        }
        if (frmTime->isVisible())
            frmTime->reject();
    });
    trigger(&pim, "mnuStart");
    return visit;
}

} // namespace

class TypingWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void englishDrill_typesTheWordAndScoresWithEnter();
    void englishDrill_timedRunStartsFromTheTimeWindowAndEndsAtTheLimit();
    void englishDrill_halfMinuteRunEndsOnTheFirstRealTick();
    void drills_saveAndViewTheirOwnProfileKeys();
    void thaiDrill_typesTheMeaningMarkByMark();
    void emptyDictionary_windowTellsAndDoesNotOpen();
    void entryPoint_opensTheDrillModally();
    void help_opensAtTheDrillsSection();
    void timedRun_isKeptAndShownInTheHistory();
    void practice_asksTheMissedWordUntilTypedRightTwice();
};

void TypingWindowsTest::englishDrill_typesTheWordAndScoresWithEnter() {
    Program p({{"C.pal", {U"cat/แมว/n.(นาม)"}}});
    FrmPim pim(DrillTwin::English, p.context, p.timeLimit, std::make_unique<SeededRandom>(1));
    QVERIFY(pim.load());
    pim.show();
    QCOMPARE(p.keyboard.requests, QStringList{"00000409"});
    QCOMPARE(pim.windowTitle(), QString("ฝึกพิมพ์ภาษาอังกฤษ"));
    QCOMPARE(label(&pim, "Label1")->text(), QString("ความหมาย :"));
    QCOMPARE(label(&pim, "Lblmean")->text(), QString("แมว"));
    QCOMPARE(label(&pim, "LblProp")->text(), QString("n.(นาม)"));
    QCOMPARE(row(&pim, "LblBlank1"), QString("cat"));
    QCOMPARE(row(&pim, "LblBlank2"), QString("___"));
    QCOMPARE(label(&pim, "LblScore")->text(), QString("0"));
    QCOMPARE(clockShown(&pim), QString("00:00"));
    QVERIFY(!pim.clockTimer()->isActive());

    QTest::keyClicks(&pim, "cAt");
    QCOMPARE(row(&pim, "LblBlank2"), QString("cAt"));
    QCOMPARE(wrongMarks(&pim, 3), QString(".X."));
    QTest::keyClick(&pim, Qt::Key_Return);
    QCOMPARE(label(&pim, "LblScore")->text(), QString("-1"));
    QCOMPARE(row(&pim, "LblBlank2"), QString("___"));
    QCOMPARE(wrongMarks(&pim, 3), QString("..."));

    QTest::keyClicks(&pim, "c");
    QTest::keyClick(&pim, Qt::Key_Return); // early Enter fills a slot as wrong
    QTest::keyClick(&pim, Qt::Key_Shift);  // no character: nothing
    QTest::keyClicks(&pim, "t");
    QCOMPARE(wrongMarks(&pim, 3), QString(".X."));
    QTest::keyClicks(&pim, "x"); // all typed: only Enter counts
    QCOMPARE(row(&pim, "LblBlank2").right(1), QString("t"));
    QTest::keyClick(&pim, Qt::Key_Enter);
    QCOMPARE(label(&pim, "LblScore")->text(), QString("-2"));

    for (int i = 0; i < 3; ++i) {
        QTest::keyClicks(&pim, "cat");
        QTest::keyClick(&pim, Qt::Key_Return);
    }
    QCOMPARE(label(&pim, "LblScore")->text(), QString("1"));
    QVERIFY(p.dialogs.messages.empty());
}

void TypingWindowsTest::englishDrill_timedRunStartsFromTheTimeWindowAndEndsAtTheLimit() {
    Program p({{"C.pal", {U"cat/แมว/n.(นาม)"}}});
    FrmPim pim(DrillTwin::English, p.context, p.timeLimit, std::make_unique<SeededRandom>(2));
    QVERIFY(pim.load());
    pim.show();
    QTest::keyClicks(&pim, "cat");
    QTest::keyClick(&pim, Qt::Key_Return);

    const TimeWindowVisit visit = startTimedRun(pim, {"", "0", "-1", "ab", "5"});
    QCOMPARE(visit.name, QString("FrmTime1"));
    QCOMPARE(visit.caption, QString("กรุณาใส่เวลาที่ต้องการ"));
    QCOMPARE(visit.afterThreeKeys, QString("12"));
    QCOMPARE(visit.openAfter, (QList<bool>{true, true, true, true, false}));
    QCOMPARE(p.timeLimit, std::int16_t(5));
    QVERIFY(pim.clockTimer()->isActive());
    QCOMPARE(pim.clockTimer()->objectName(), QString("Timer1"));
    QCOMPARE(clockShown(&pim), QString("00:00"));
    QCOMPARE(label(&pim, "LblScore")->text(), QString("1")); // a timed run keeps the score
    QTest::keyClicks(&pim, "cax");                           // the run's pace: 3 typed, 2 right

    for (int i = 0; i < 299; ++i)
        pim.clockTick();
    QCOMPARE(clockShown(&pim), QString("04:59"));
    QVERIFY(p.dialogs.messages.empty());
    pim.clockTick();
    QCOMPARE(clockShown(&pim), QString("05:00"));
    QVERIFY(!pim.clockTimer()->isActive());
    QCOMPARE(p.dialogs.messages.size(), size_t(1));
    QCOMPARE(p.dialogs.messages[0].text, QString("หมดเวลา คุณพิมพ์ได้ 1 / 5 นาที"));
    QCOMPARE(p.dialogs.messages[0].title, QString("หมดเวลา"));
    QCOMPARE(p.dialogs.messages[0].icon, MsgIcon::Stop);
    QCOMPARE(label(&pim, "LblSpeed")->text(), QString("1 ตัว/นาที  0 คำ/นาที  ความแม่นยำ 67%"));

    // Starting again restarts the clock from 00:00 with the new limit; closing the window stops it.
    startTimedRun(pim, {"12"});
    QCOMPARE(p.timeLimit, std::int16_t(12));
    QCOMPARE(clockShown(&pim), QString("00:00"));
    QVERIFY(pim.clockTimer()->isActive());
    trigger(&pim, "mnuExit");
    QVERIFY(!pim.isVisible());
    QVERIFY(!pim.clockTimer()->isActive());
}

void TypingWindowsTest::englishDrill_halfMinuteRunEndsOnTheFirstRealTick() {
    Program p({{"C.pal", {U"cat/แมว/n.(นาม)"}}});
    FrmPim pim(DrillTwin::English, p.context, p.timeLimit, std::make_unique<SeededRandom>(3));
    QVERIFY(pim.load());
    pim.show();
    startTimedRun(pim, {".5"});
    QCOMPARE(p.timeLimit, std::int16_t(0));
    QTRY_VERIFY_WITH_TIMEOUT(!p.dialogs.messages.empty(), 5000);
    QCOMPARE(p.dialogs.messages[0].text, QString("หมดเวลา คุณพิมพ์ได้ 0 / 0 นาที"));
    QCOMPARE(clockShown(&pim), QString("00:01"));
    QVERIFY(!pim.clockTimer()->isActive());
}

void TypingWindowsTest::drills_saveAndViewTheirOwnProfileKeys() {
    Program p({{"C.pal", {U"cat/แมว/n.(นาม)"}}, {"W.pal", {U"water/น้ำ/n.(นาม)"}}});
    FrmPim eng(DrillTwin::English, p.context, p.timeLimit, std::make_unique<SeededRandom>(4));
    QVERIFY(eng.load());

    trigger(&eng, "mnuView");
    QCOMPARE(p.dialogs.messages.back().text, QString("ความเร็วสูงสุดในการพิมพ์ 0 / 0 นาที"));
    QCOMPARE(p.dialogs.messages.back().title, QString("หมดเวลา"));
    QCOMPARE(p.dialogs.messages.back().icon, MsgIcon::Stop);

    p.profile.writeString("Dualexicon", "HiScore PimEng", "9");
    p.timeLimit = 3;
    for (int i = 0; i < 4; ++i) {
        const QString word = QString::fromStdU32String(eng.drill().target());
        QTest::keyClicks(&eng, word);
        QTest::keyClick(&eng, Qt::Key_Return);
    }
    trigger(&eng, "mnuSave");
    QCOMPARE(p.dialogs.messages.back().text, QString("บันทึกคะแนนสูงสุดไว้แล้ว!"));
    QCOMPARE(p.dialogs.messages.back().title, QString("คะแนนสูงสุด"));
    QCOMPARE(p.dialogs.messages.back().icon, MsgIcon::Information);
    QCOMPARE(p.profile.readString("Dualexicon", "HiScore PimEng"), QString("4"));
    QCOMPARE(p.profile.readString("Dualexicon", "HiTime PimEng"), QString("3"));
    trigger(&eng, "mnuView");
    QCOMPARE(p.dialogs.messages.back().text, QString("ความเร็วสูงสุดในการพิมพ์ 4 / 3 นาที"));

    // The Thai twin keeps its own keys; a negative saved score shows as 0.
    FrmPim thai(DrillTwin::Thai, p.context, p.timeLimit, std::make_unique<SeededRandom>(5));
    QVERIFY(thai.load());
    QTest::keyClick(&thai, Qt::Key_Return);
    for (int i = 1; i < thai.drill().slotsInUse(); ++i)
        QTest::keyClick(&thai, Qt::Key_Return);
    QTest::keyClick(&thai, Qt::Key_Return);
    trigger(&thai, "mnuSave");
    QCOMPARE(p.profile.readString("Dualexicon", "HiScore PimThai"), QString("-1"));
    trigger(&thai, "mnuView");
    QCOMPARE(p.dialogs.messages.back().text, QString("ความเร็วสูงสุดในการพิมพ์ 0 / 3 นาที"));
    QCOMPARE(p.profile.readString("Dualexicon", "HiScore PimEng"), QString("4"));

    // A profile that cannot be written is not announced as saved.
    const QString profileFile = QString::fromStdString(p.folder.file("profile.ini"));
    QVERIFY(QFile::remove(profileFile));
    QVERIFY(QDir().mkdir(QString::fromStdString(p.folder.file("profile.ini"))));
    trigger(&eng, "mnuSave");
    QCOMPARE(p.dialogs.messages.back().title, QString("โปรแกรมผิดพลาด"));
    QCOMPARE(p.dialogs.messages.back().icon, MsgIcon::Stop);
}

void TypingWindowsTest::thaiDrill_typesTheMeaningMarkByMark() {
    Program p({{"W.pal", {U"water/น้ำ/n.(นาม)"}}});
    FrmPim pim(DrillTwin::Thai, p.context, p.timeLimit, std::make_unique<SeededRandom>(6));
    QVERIFY(pim.load());
    pim.show();
    QCOMPARE(p.keyboard.requests, QStringList{"0000041E"});
    QCOMPARE(pim.windowTitle(), QString("ฝึกพิมพ์ไทย"));
    QCOMPARE(label(&pim, "Label1")->text(), QString("คำศัพท์ :"));
    QCOMPARE(label(&pim, "Lblmean")->text(), QString("water"));
    QCOMPARE(label(&pim, "LblBlank1(1)")->text(), QString("\u0E49"));
    QCOMPARE(row(&pim, "LblBlank1"), QString("น้ำ"));

    typeThai(&pim, "น");
    typeThai(&pim, "\u0E48"); // mai ek where mai tho belongs
    QCOMPARE(wrongMarks(&pim, 3), QString(".X."));
    typeThai(&pim, "ำ");
    QTest::keyClick(&pim, Qt::Key_Return);
    QCOMPARE(label(&pim, "LblScore")->text(), QString("-1"));

    // A committed input-method string types its characters one by one.
    QInputMethodEvent commit;
    commit.setCommitString("น้ำ");
    QApplication::sendEvent(&pim, &commit);
    QCOMPARE(row(&pim, "LblBlank2"), QString("น้ำ"));
    QCOMPARE(wrongMarks(&pim, 3), QString("..."));
    QTest::keyClick(&pim, Qt::Key_Return);
    QCOMPARE(label(&pim, "LblScore")->text(), QString("0"));

    const TimeWindowVisit visit = startTimedRun(pim, {"7."});
    QCOMPARE(visit.name, QString("FrmTime2"));
    QCOMPARE(p.timeLimit, std::int16_t(7));
    QCOMPARE(pim.clockTimer()->objectName(), QString("Timer2"));
    QVERIFY(pim.clockTimer()->isActive());
}

void TypingWindowsTest::emptyDictionary_windowTellsAndDoesNotOpen() {
    Program p({{"a.pal", {U"ant/มด/n.(นาม)"}}, {"B.pal", {U"", U"/", U"//n.(นาม)"}}});
    FrmPim pim(DrillTwin::English, p.context, p.timeLimit);
    QVERIFY(!pim.load());
    QCOMPARE(p.dialogs.messages.size(), size_t(1));
    QCOMPARE(p.dialogs.messages[0].title, QString("โปรแกรมผิดพลาด"));

    // The entry points return at once instead of showing an empty drill.
    showFrmPimEng(nullptr, p.context);
    showFrmPimThai(nullptr, p.context);
    QCOMPARE(p.dialogs.messages.size(), size_t(3));
    QCOMPARE(p.keyboard.requests, (QStringList{"00000409", "00000409", "0000041E"}));
}

void TypingWindowsTest::entryPoint_opensTheDrillModally() {
    Program p({{"C.pal", {U"cat/แมว/n.(นาม)"}}});
    QString name, score;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        name = w->objectName();
        modal = w->isModal();
        QTest::keyClicks(w, "cat");
        QTest::keyClick(w, Qt::Key_Return);
        score = label(w, "LblScore")->text();
        trigger(w, "mnuExit");
    });
    showFrmPimEng(nullptr, p.context);
    QCOMPARE(name, QString("FrmPimEng"));
    QVERIFY(modal);
    QCOMPARE(score, QString("1"));
}

void TypingWindowsTest::help_opensAtTheDrillsSection() {
    Program p({{"C.pal", {U"cat/แมว/n.(นาม)"}}});
    FrmPim pim(DrillTwin::Thai, p.context, p.timeLimit, std::make_unique<SeededRandom>(5));
    QVERIFY(pim.load());
    pim.show();
    trigger(&pim, "mnuHelp"); // no help document beside the program: told, nothing opens
    QCOMPARE(p.dialogs.messages.size(), size_t(1));
    QCOMPARE(p.dialogs.messages[0].title, QString("โปรแกรมผิดพลาด"));
    QVERIFY(!pim.findChild<HelpWindow *>());

    p.folder.installHelp();
    trigger(&pim, "mnuHelp");
    auto *help = pim.findChild<HelpWindow *>();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->browser()->source().fragment(), QString("typing"));
    QTRY_VERIFY(help->browser()->verticalScrollBar()->value() > 0);
    QVERIFY(help->browser()->toPlainText().contains("HiScore PimThai"));
}

void TypingWindowsTest::timedRun_isKeptAndShownInTheHistory() {
    Program p({{"C.pal", {U"cat/แมว/n.(นาม)"}}});
    p.folder.writeBytes("user/history.sqlite", "not a database"); // made afresh, and the user is told
    FrmPim pim(DrillTwin::English, p.context, p.timeLimit, std::make_unique<SeededRandom>(7));
    QVERIFY(pim.load());
    pim.show();
    QCOMPARE(p.dialogs.messages.size(), size_t(1));
    QCOMPARE(p.dialogs.messages[0].title, QString("สถิติย้อนหลัง"));
    QVERIFY(p.dialogs.messages[0].text.contains("history.sqlite.damaged"));

    startTimedRun(pim, {"1"});
    QTest::keyClicks(&pim, "cax");
    QTest::keyClick(&pim, Qt::Key_Return);
    for (int i = 0; i < 60; ++i)
        pim.clockTick();
    QCOMPARE(p.dialogs.messages.back().text, QString("หมดเวลา คุณพิมพ์ได้ -1 / 1 นาที"));

    QStringList row;
    int chartRuns = -1;
    QTimer::singleShot(0, [&] {
        auto *history = qobject_cast<FrmHistory *>(QApplication::activeModalWidget());
        if (!history)
            return;
        auto *grid = history->findChild<QTableWidget *>("GridRuns");
        for (int c = 1; c < grid->columnCount(); ++c)
            row << grid->item(grid->rowCount() - 1, c)->text();
        chartRuns = static_cast<int>(history->findChild<SpeedChart *>("PicChart")->runs().size());
        history->reject();
    });
    trigger(&pim, "mnuHistory");
    QCOMPARE(row, (QStringList{"อังกฤษ", "1", "-1", "3", "67%"}));
    QCOMPARE(chartRuns, 1);
    QCOMPARE(p.dialogs.messages.size(), size_t(2));
}

void TypingWindowsTest::practice_asksTheMissedWordUntilTypedRightTwice() {
    Program p({{"C.pal", {U"cat/แมว/n.(นาม)"}}, {"W.pal", {U"water/น้ำ/n.(นาม)"}}});
    FrmPim pim(DrillTwin::English, p.context, p.timeLimit, std::make_unique<SeededRandom>(8));
    QVERIFY(pim.load());
    pim.show();
    const QString missed = QString::fromStdU32String(pim.drill().target());
    QTest::keyClicks(&pim, missed.left(missed.size() - 1) + "#");
    QTest::keyClick(&pim, Qt::Key_Return);

    trigger(&pim, "mnuPractice");
    QCOMPARE(label(&pim, "LblPractice")->text(), QString("ฝึกคำที่พิมพ์ผิด: เหลือ 1 คำ"));
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(QString::fromStdU32String(pim.drill().target()), missed);
        QTest::keyClicks(&pim, missed);
        QTest::keyClick(&pim, Qt::Key_Return);
    }
    QVERIFY(label(&pim, "LblPractice")->text().contains("ไม่มีคำที่พิมพ์ผิดเหลือแล้ว"));
    trigger(&pim, "mnuPractice");
    QVERIFY(!label(&pim, "LblPractice")->isVisible());
    QVERIFY(p.dialogs.messages.empty());
}

QTEST_MAIN(TypingWindowsTest)
#include "tst_typing_windows.moc"

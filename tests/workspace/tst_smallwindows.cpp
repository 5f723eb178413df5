// The tip of the day, the about window, the oval splash and the help window.
#include "FrmAbout.h"
#include "FrmLogo.h"
#include "FrmTip.h"
#include "HelpWindow.h"
#include "HostServices.h"
#include "Settings.h"
#include "Tips.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <set>

using namespace dlx;

namespace {

// A window's control, found by its code name.
template <class T> T *child(const QObject &window, const char *name) {
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

QString u(const char *s) {
    return QString::fromUtf8(s);
}

struct TipSettings {
    TipSettings() : store(dir.filePath("settings.ini")) {}
    QString stored() const { return store.value("Tip", "My Tip", "<none>"); }
    QTemporaryDir dir;
    IniSettingsStore store;
};

QString shippedHelp() {
    return QString::fromUtf8(DLX_SHIPPED_DATA) + "/../help/index.html";
}

} // namespace

class TestSmallWindows : public QObject {
    Q_OBJECT

private slots:
    void tipCheckBoxFollowsTheSetting_data();
    void tipCheckBoxFollowsTheSetting();
    void tipWindowCaptions();
    void fifteenNextsShowEveryTipAndReturn();
    void everyWayOfClosingStoresTheChoice_data();
    void everyWayOfClosingStoresTheChoice();
    void aboutShowsTheWholeUserName_data();
    void aboutShowsTheWholeUserName();
    void aboutDefaultsToTheLoggedInUserAndCloses();
    void splashIsAnEllipseAndHandsOverAfterTwoSeconds();
    void helpDocumentCoversEveryCommand();
};

void TestSmallWindows::tipCheckBoxFollowsTheSetting_data() {
    QTest::addColumn<QString>("stored"); // "-" = none
    QTest::addColumn<bool>("ticked");
    QTest::newRow("none") << "-" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("2") << "2" << false;
    QTest::newRow("not a number") << "often" << true;
}

void TestSmallWindows::tipCheckBoxFollowsTheSetting() {
    QFETCH(QString, stored);
    QFETCH(bool, ticked);
    TipSettings s;
    if (stored != "-")
        s.store.setValue("Tip", "My Tip", stored);
    FrmTip tip(s.store, 0.3);
    QCOMPARE(child<QCheckBox>(tip, "Check1")->isChecked(), ticked);
}

void TestSmallWindows::tipWindowCaptions() {
    TipSettings s;
    FrmTip tip(s.store, 0.0);
    QCOMPARE(tip.windowTitle(), u("ลูกเล่นประจำวัน"));
    QCOMPARE(child<QPushButton>(tip, "Command1")->text(), u("ลูกเล่นถัดไป >"));
    QCOMPARE(child<QPushButton>(tip, "Command2")->text(), u("ปิด"));
    QCOMPARE(child<QCheckBox>(tip, "Check1")->text(), u("แสดงลูกเล่นเมื่อเปิดโปรแกรม"));
    QCOMPARE(tip.currentTip(), 1);
    QCOMPARE(child<QLabel>(tip, "LblTip")->text(), QString::fromStdString(tips()[0]));
}

void TestSmallWindows::fifteenNextsShowEveryTipAndReturn() {
    TipSettings s;
    FrmTip tip(s.store, 0.45);
    tip.show();
    const QString first = child<QLabel>(tip, "LblTip")->text();
    QCOMPARE(tip.currentTip(), 7);
    std::set<QString> seen;
    for (int i = 0; i < 15; ++i) {
        QTest::mouseClick(child<QPushButton>(tip, "Command1"), Qt::LeftButton);
        seen.insert(child<QLabel>(tip, "LblTip")->text());
    }
    QCOMPARE(seen.size(), size_t(15));
    QCOMPARE(child<QLabel>(tip, "LblTip")->text(), first);
    for (const auto &t : tips())
        QVERIFY(seen.count(QString::fromStdString(t)));

    FrmTip last(s.store, 0.999);
    QCOMPARE(last.currentTip(), 15);
    QTest::mouseClick(child<QPushButton>(last, "Command1"), Qt::LeftButton);
    QCOMPARE(last.currentTip(), 1);
    QCOMPARE(child<QLabel>(last, "LblTip")->text(), QString::fromStdString(tips()[0]));
}

void TestSmallWindows::everyWayOfClosingStoresTheChoice_data() {
    QTest::addColumn<int>("way"); // 0 "ปิด", 1 close box, 2 Esc
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QString>("stored");
    QTest::newRow("close button, ticked") << 0 << true << "1";
    QTest::newRow("close button, cleared") << 0 << false << "0";
    QTest::newRow("close box, cleared") << 1 << false << "0";
    QTest::newRow("close box, ticked") << 1 << true << "1";
    QTest::newRow("escape, cleared") << 2 << false << "0";
}

void TestSmallWindows::everyWayOfClosingStoresTheChoice() {
    QFETCH(int, way);
    QFETCH(bool, tick);
    QFETCH(QString, stored);
    TipSettings s;
    s.store.setValue("Tip", "My Tip", tick ? "0" : "1");
    FrmTip tip(s.store, 0.5);
    tip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tip));
    if (child<QCheckBox>(tip, "Check1")->isChecked() != tick)
        QTest::mouseClick(child<QCheckBox>(tip, "Check1"), Qt::LeftButton, {},
                          QPoint(5, child<QCheckBox>(tip, "Check1")->height() / 2));
    QCOMPARE(child<QCheckBox>(tip, "Check1")->isChecked(), tick);
    QCOMPARE(s.stored(), tick ? QString("0") : QString("1")); // nothing stored before closing
    if (way == 0)
        QTest::mouseClick(child<QPushButton>(tip, "Command2"), Qt::LeftButton);
    else if (way == 1)
        tip.close();
    else
        QTest::keyClick(&tip, Qt::Key_Escape);
    QTRY_VERIFY(!tip.isVisible());
    QCOMPARE(s.stored(), stored);
}

void TestSmallWindows::aboutShowsTheWholeUserName_data() {
    QTest::addColumn<QString>("reported");
    QTest::addColumn<QString>("shown");
    QTest::newRow("short") << "ann"
                           << "ann";
    QTest::newRow("empty") << ""
                           << "";
    const QString longName = QString("somchai.longname.") + QString(40, QChar('x'));
    QTest::newRow("longer than 24 characters") << longName << longName;
    QTest::newRow("ends at a NUL") << QString("bob") + QChar(0) + QChar(0) << "bob";
    QTest::newRow("thai") << u("สมชาย") << u("สมชาย");
}

void TestSmallWindows::aboutShowsTheWholeUserName() {
    QFETCH(QString, reported);
    QFETCH(QString, shown);
    FrmAbout about(nullptr, [reported] { return reported; });
    QCOMPARE(about.userName(), shown);
    QCOMPARE(child<QLabel>(about, "lblUser")->text().remove('\n'), shown);
    // Every line of the name fits the label.
    const QFontMetrics fm(child<QLabel>(about, "lblUser")->font());
    for (const QString &line : child<QLabel>(about, "lblUser")->text().split('\n'))
        QVERIFY(fm.horizontalAdvance(line) <= child<QLabel>(about, "lblUser")->width());
}

void TestSmallWindows::aboutDefaultsToTheLoggedInUserAndCloses() {
    FrmAbout about;
    QCOMPARE(about.userName(), FrmAbout::TrimTxt(currentUserName()));
    QVERIFY(!about.userName().isEmpty());
    QCOMPARE(about.windowTitle(), u("เกี่ยวกับ Dualexicon"));
    QCOMPARE(child<QLabel>(about, "Label4")->text(), QString("Dualexicon 1.5"));
    QCOMPARE(child<QPushButton>(about, "Command2")->text(), u("ตกลง"));
    QCOMPARE(child<QPushButton>(about, "Command1")->text(), QString("Command1"));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    // The plain button does nothing.
    child<QPushButton>(about, "Command1")->click();
    QVERIFY(about.isVisible());
    QTest::mouseClick(child<QPushButton>(about, "Command2"), Qt::LeftButton);
    QTRY_VERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void TestSmallWindows::splashIsAnEllipseAndHandsOverAfterTwoSeconds() {
    FrmLogo logo;
    QSignalSpy handOver(&logo, &FrmLogo::timeUp);
    bool visibleAtHandOver = false;
    qint64 handOverAt = -1;
    QElapsedTimer clock;
    connect(&logo, &FrmLogo::timeUp, &logo, [&] {
        visibleAtHandOver = logo.isVisible();
        handOverAt = clock.elapsed();
    });
    clock.start();
    logo.show();
    const QRegion shape = logo.mask();
    QCOMPARE(shape, logo.shape());
    // The ellipse touches the window's edges (to within the pixel the rounding of an odd size takes).
    QVERIFY(logo.rect().contains(shape.boundingRect()));
    QVERIFY(shape.boundingRect().width() >= logo.width() - 1);
    QVERIFY(shape.boundingRect().height() >= logo.height() - 1);
    QVERIFY(shape.contains(logo.rect().center()));
    for (const QPoint corner : {QPoint(1, 1), QPoint(logo.width() - 2, 1), QPoint(1, logo.height() - 2),
                                QPoint(logo.width() - 2, logo.height() - 2)})
        QVERIFY(!shape.contains(corner));
    QVERIFY(shape.contains(QPoint(logo.width() / 2, 2)));
    QVERIFY(shape.contains(QPoint(2, logo.height() / 2)));
    QTRY_COMPARE_WITH_TIMEOUT(handOver.count(), 1, 5000);
    QVERIFY2(handOverAt >= 1900, qPrintable(QString::number(handOverAt)));
    QVERIFY(visibleAtHandOver); // the main window is shown before the splash goes
    QTRY_VERIFY(!logo.isVisible());
    QTest::qWait(300);
    QCOMPARE(handOver.count(), 1);
}

void TestSmallWindows::helpDocumentCoversEveryCommand() {
    QVERIFY2(QFile::exists(shippedHelp()), qPrintable(shippedHelp()));
    HelpWindow help(shippedHelp());
    const QString text = help.browser()->toPlainText();
    QVERIFY(text.size() > 2000);
    const char *mentioned[] = {
        "แปล", "ยกเลิก", "% completed", "ต้นฉบับ", "งานแปล", "ใช้ไวยากรณ์", "คำต่อคำ",
        // menus, without their access keys
        "แฟ้ม", "เปิด", "บันทึกต้นฉบับเป็น", "บันทึกงานแปลเป็น", "พิมพ์ต้นฉบับ", "พิมพ์งานแปล", "จบการทำงาน", "แก้ไข", "ย้อนกลับ", "ตัด",
        "คัดลอก", "วาง", "ลบ", "ล้างหน้าจอ", "แถบสีทั้งหมด", "มุมมอง", "ตามแนวนอน", "ตามแนวตั้ง", "เต็มจอ", "รูปแบบ",
        "แบบอักษรต้นฉบับ", "แบบอักษรงานแปล", "สีพื้นหลังต้นฉบับ", "สีพื้นหลังงานแปล", "สีแบบอักษรต้นฉบับ", "สีแบบอักษรงานแปล", "เครื่องมือ",
        "เพิ่มศัพท์", "นับจำนวนคำ", "เลือกลักษณะการแปล", "มุมพักผ่อน", "เกมส์ Puzzle", "ฝึกพิมพ์อังกฤษ", "ฝึกพิมพ์ไทย", "สถิติย้อนหลัง",
        "ฝึกคำที่พิมพ์ผิด", "ตั้งค่า", "สะกดเสียงเมื่อพิมพ์", "เปลี่ยนหน้าตาโปรแกรม", "เพิ่มศัพท์จากอินเตอร์เน็ต", "วิธีใช้ Dualexicon",
        "ลูกเล่นประจำวัน", "เกี่ยวกับ Dualexicon", "แปลงาน", "เลือกทั้งหมด",
        // toolbar
        "เริ่มใหม่", "เปิดต้นฉบับ", "บันทึก", "พิมพ์", "ตัวอักขระ", "รูปแบบแนวนอน", "รูปแบบแนวตั้ง",
        // keys, limits, files and settings
        "Ctrl+O", "F1", "F5", "F6", "F7", "32767", "Original.pal", "Translate.pal", "Data", "Skin", "My Tip", "My Skin",
        "Windows-874", "dualexicon.ini"};
    for (const char *m : mentioned)
        QVERIFY2(text.contains(u(m)), m);
}

QTEST_MAIN(TestSmallWindows)
#include "tst_smallwindows.moc"

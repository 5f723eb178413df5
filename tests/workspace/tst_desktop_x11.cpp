// What only a real X server shows (run under xvfb-run): keyboard layouts follow the panes (Thai for the
// translation, English for the original), and the splash window really is an oval on the screen.
// Skipped where there is no X server.
#include "AppContext.h"
#include "FakeDialogs.h"
#include "FrmLogo.h"
#include "FrmMain.h"
#include "HostServices.h"
#include "Settings.h"
#include "TestContext.h"
#include "WorkspaceFixture.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>

using namespace dlx;

namespace {

QString setxkbmap() {
    return QStandardPaths::findExecutable("setxkbmap");
}

QString layouts() {
    QProcess query;
    query.start(setxkbmap(), {"-query"});
    query.waitForFinished(3000);
    for (const QString &line : QString::fromLocal8Bit(query.readAllStandardOutput()).split('\n'))
        if (line.startsWith("layout:"))
            return line.mid(7).trimmed();
    return {};
}

void configure(const QStringList &args) {
    QProcess set;
    set.start(setxkbmap(), args);
    set.waitForFinished(3000);
}

} // namespace

class TestDesktopX11 : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (QGuiApplication::platformName() != "xcb" || setxkbmap().isEmpty())
            QSKIP("needs an X server and setxkbmap");
    }
    void panesSwitchBetweenEnglishAndThai();
    void aSingleLayoutIsLeftAlone();
    void splashIsOvalOnTheScreen();
};

void TestDesktopX11::panesSwitchBetweenEnglishAndThai() {
    configure({"-layout", "us,th", "-variant", ","});
    QCOMPARE(layouts(), QString("us,th"));
    test::TempProgramFolder folder;
    test::TestContext services(QString::fromStdString(folder.path()));
    X11KeyboardLayouts keyboard;
    const AppContext context(services.context.programFolder, services.dialogs, services.settings, services.profile,
                             keyboard, services.http);
    services.settings.setValue("Tip", "My Tip", "0");
    FrmMain w(context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    w.findChild<QTextEdit *>("Text2")->setFocus();
    QTRY_COMPARE_WITH_TIMEOUT(layouts(), QString("th,us"), 5000);
    QCOMPARE(keyboard.lastRequested(), QString("0000041E"));
    w.findChild<QTextEdit *>("Text1")->setFocus();
    QTRY_COMPARE_WITH_TIMEOUT(layouts(), QString("us,th"), 5000);
    QCOMPARE(keyboard.lastRequested(), QString("00000409"));
}

void TestDesktopX11::aSingleLayoutIsLeftAlone() {
    configure({"-layout", "us", "-variant", ""});
    X11KeyboardLayouts keyboard;
    keyboard.load("0000041E");
    QCOMPARE(keyboard.lastRequested(), QString("0000041E"));
    QTest::qWait(300);
    QCOMPARE(layouts(), QString("us"));
}

void TestDesktopX11::splashIsOvalOnTheScreen() {
    FrmLogo logo;
    logo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&logo));
    QTest::qWait(200);
    const QRect onScreen(logo.mapToGlobal(QPoint(0, 0)), logo.size());
    const QImage shot = logo.screen()->grabWindow(0).toImage();
    auto at = [&](int x, int y) { return shot.pixelColor(onScreen.left() + x, onScreen.top() + y); };
    // The splash picture is bright at its centre; outside the ellipse the (black) root window shows through.
    const QColor centre = at(logo.width() / 2, logo.height() / 2);
    QVERIFY(centre.lightness() > 60);
    for (const QPoint corner : {QPoint(2, 2), QPoint(logo.width() - 3, 2), QPoint(2, logo.height() - 3),
                                QPoint(logo.width() - 3, logo.height() - 3)})
        QCOMPARE(at(corner.x(), corner.y()), QColor(Qt::black));
    QVERIFY(at(logo.width() / 2, 3) != QColor(Qt::black));
    QVERIFY(at(3, logo.height() / 2) != QColor(Qt::black));
}

QTEST_MAIN(TestDesktopX11)
#include "tst_desktop_x11.moc"

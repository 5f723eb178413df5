// What only a real X server shows (run under xvfb-run): the keyboard group follows the panes (Thai for the
// translation, English for the original) without touching the session's layouts, and the splash window really
// is an oval on the screen. Skipped where there is no X server.
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

#include <X11/XKBlib.h>

using namespace dlx;

namespace {

const QString kEnglish = QStringLiteral("00000409");
const QString kThai = QStringLiteral("0000041E");
const QString kToggle = QStringLiteral("grp:alt_shift_toggle");

QString setxkbmap() {
    return QStandardPaths::findExecutable("setxkbmap");
}

/// The session's configuration as setxkbmap -query reports it, e.g. {"layout", "us,th"}.
QString queried(const QString &field) {
    QProcess query;
    query.start(setxkbmap(), {"-query"});
    query.waitForFinished(3000);
    for (const QString &line : QString::fromLocal8Bit(query.readAllStandardOutput()).split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed();
    return {};
}

void configure(const QString &layouts) {
    QProcess set;
    // -option "" first clears the options, so the toggle is the only one.
    set.start(setxkbmap(), {"-layout", layouts, "-option", "", "-option", kToggle});
    set.waitForFinished(3000);
}

/// The user's side of the keyboard, on a connection of the test's own: the toggle key and the active group.
class UserKeyboard {
public:
    UserKeyboard() : display_(XkbOpenDisplay(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr)) {}
    ~UserKeyboard() {
        if (display_)
            XCloseDisplay(display_);
    }
    void toggleTo(int group) {
        XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>(group));
        XSync(display_, False);
    }
    int group() {
        XkbStateRec state{};
        XkbGetState(display_, XkbUseCoreKbd, &state);
        return state.locked_group;
    }
    /// The layout the user types in now.
    QString active() { return queried("layout").split(',').value(group()); }

private:
    Display *display_;
};

} // namespace

class TestDesktopX11 : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (QGuiApplication::platformName() != "xcb" || setxkbmap().isEmpty())
            QSKIP("needs an X server and setxkbmap");
    }
    void requestsSelectTheGroup_data();
    void requestsSelectTheGroup();
    void panesSelectThaiAndEnglishWhateverTheUserToggled();
    void splashIsOvalOnTheScreen();

private:
    // One object for every row, as in the program: the layouts are read again at each request, so a layout
    // configured after an earlier request still counts.
    X11KeyboardLayouts keyboard_;
};

void TestDesktopX11::requestsSelectTheGroup_data() {
    QTest::addColumn<QString>("layouts");
    QTest::addColumn<int>("userGroup");
    QTest::addColumn<QString>("request");
    QTest::addColumn<int>("group");
    QTest::newRow("only English configured") << "us" << 0 << kThai << 0;
    QTest::newRow("Thai added later, user on English") << "us,th" << 0 << kThai << 1;
    QTest::newRow("user toggled to Thai, English wanted") << "us,th" << 1 << kEnglish << 0;
    QTest::newRow("user toggled to Thai, Thai wanted") << "us,th" << 1 << kThai << 1;
    QTest::newRow("Thai first") << "th,us" << 0 << kEnglish << 1;
    QTest::newRow("third of three") << "de,us,th" << 0 << kThai << 2;
    QTest::newRow("no English layout") << "de,th" << 1 << kEnglish << 1;
}

void TestDesktopX11::requestsSelectTheGroup() {
    QFETCH(QString, layouts);
    QFETCH(int, userGroup);
    QFETCH(QString, request);
    QFETCH(int, group);
    configure(layouts);
    QCOMPARE(queried("layout"), layouts);
    UserKeyboard user;
    user.toggleTo(userGroup);
    QCOMPARE(user.group(), userGroup);
    keyboard_.load(request);
    QCOMPARE(keyboard_.lastRequested(), request);
    QTRY_COMPARE(user.group(), group);
    // The session stays as the user configured it.
    QCOMPARE(queried("layout"), layouts);
    QCOMPARE(queried("options"), kToggle);
}

void TestDesktopX11::panesSelectThaiAndEnglishWhateverTheUserToggled() {
    configure("us,th");
    UserKeyboard user;
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
    w.findChild<QTextEdit *>("Text1")->setFocus();
    QTRY_COMPARE(keyboard.lastRequested(), QString("00000409"));
    // Every pair of the user's group and the pane clicked next.
    for (const int userGroup : {1, 0}) {
        user.toggleTo(userGroup);
        w.findChild<QTextEdit *>("Text2")->setFocus();
        QTRY_COMPARE(user.active(), QString("th"));
        user.toggleTo(userGroup);
        w.findChild<QTextEdit *>("Text1")->setFocus();
        QTRY_COMPARE(user.active(), QString("us"));
    }
    QCOMPARE(queried("layout"), QString("us,th"));
    QCOMPARE(queried("options"), kToggle);
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

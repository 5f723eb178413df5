#include "AppContext.h"
#include "DictionaryTestSupport.h"
#include "DictionaryWindows.h"
#include "FakeDialogs.h"
#include "FrmUpdate.h"
#include "HttpGet.h"
#include "Settings.h"
#include "TestContext.h"
#include "TestHttpServer.h"
#include "WindowTestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <memory>

using namespace dlx;
using dlx::test::FakeDialogs;
using dlx::test::TestHttpServer;

Q_DECLARE_METATYPE(dlx::test::TestHttpServer::Reply)

namespace {

// cat/แมว/n.(นาม) and Cow/วัว/n.(นาม) in Windows-874.
const QByteArray kCBody = "cat/\xE1\xC1\xC7/n.(\xB9\xD2\xC1)\r\nCow/\xC7\xD1\xC7/n.(\xB9\xD2\xC1)";
const QString kCText = QStringLiteral("cat/แมว/n.(นาม)\nCow/วัว/n.(นาม)");

qint64 memoryKb(const char *field) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(std::strlen(field)) + 1).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

QtHttpGet::Limits quickLimits() {
    QtHttpGet::Limits limits;
    limits.timeoutMs = 400;
    limits.maxBodyBytes = 4096;
    return limits;
}

} // namespace

class TestFrmUpdate : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempFolder> dir;
    QString folder() const { return QString::fromStdString(dir->path()); }
    std::unique_ptr<TestHttpServer> server;
    std::unique_ptr<test::TestContext> services;
    std::unique_ptr<FrmUpdate> window;
    FakeDialogs &dialogs() { return services->dialogs; }
    IniSettingsStore *settings() { return &services->settings; }
    QtHttpGet *http() { return &services->http; }
    AppContext &context() { return services->context; }

    template <class T> T *child(const char *name) { return window->findChild<T *>(QString::fromLatin1(name)); }
    std::string dataFile(const char *name) { return (context().dataFolder() + "/" + name).toStdString(); }
    QAbstractItemView *text1() { return child<QAbstractItemView>("Text1"); }
    /// The lines Text1 shows, one per row.
    QString shownText() {
        QStringList rows;
        for (int row = 0; row < text1()->model()->rowCount(); ++row)
            rows << text1()->model()->index(row, 0).data().toString();
        return rows.join('\n');
    }
    void fetch(char letter) { QVERIFY(test::pickFromCombo(child<QComboBox>("Combo1"), letter - 'A')); }
    void openWindow() {
        window = std::make_unique<FrmUpdate>(context());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

private slots:
    void init() {
        dir = std::make_unique<test::TempFolder>("dlx-window");
        QVERIFY(QDir(folder()).mkdir("Data"));
        server = std::make_unique<TestHttpServer>();
        QVERIFY(server->listen());
        server->routes["/update/c.pal"] = {200, kCBody};
        services = std::make_unique<test::TestContext>(folder(), quickLimits());
        settings()->setValue("Update", "Server", server->base() + "/"); // a trailing slash is tolerated
        openWindow();
    }
    void cleanup() {
        window.reset();
        server.reset();
        services.reset();
        dir.reset();
    }

    // ---- the GET itself

    void httpGet_answersAndRefusals_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<int>("expectedStatus");
        QTest::addColumn<QByteArray>("expectedBody");
        QTest::newRow("ok") << "/ok" << 200 << QByteArray("abc") << true << 200 << QByteArray("abc");
        QTest::newRow("404 keeps its page")
            << "/gone" << 404 << QByteArray("404 Not Found") << true << 404 << QByteArray("404 Not Found");
        QTest::newRow("server error") << "/broken" << 500 << QByteArray("oops") << true << 500 << QByteArray("oops");
        QTest::newRow("body at the limit")
            << "/full" << 200 << QByteArray(4096, 'x') << true << 200 << QByteArray(4096, 'x');
        QTest::newRow("body over the limit") << "/big" << 200 << QByteArray(5000, 'x') << false << 0 << QByteArray();
    }
    void httpGet_answersAndRefusals() {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        server->routes[path] = {status, body};
        HttpResponse r = http()->get(QUrl(server->base() + path));
        QFETCH(bool, answered);
        QCOMPARE(r.answered, answered);
        QTEST(r.status, "expectedStatus");
        QFETCH(QByteArray, expectedBody);
        QCOMPARE(QByteArray::fromStdString(r.body), expectedBody);
        QCOMPARE(server->paths, QStringList{path});
    }

    void httpGet_refusesABodyOverTheLimitWithoutLength() {
        server->routes["/stream"] = {200, QByteArray(5000, 'y'), {}, false, false};
        HttpResponse r = http()->get(QUrl(server->base() + "/stream"));
        QVERIFY(!r.answered);
        QVERIFY(r.body.empty());
    }

    void httpGet_followsAFewRedirectsButNotALoop() {
        server->routes["/old"] = {302, {}, "Location: /update/c.pal\r\n"};
        HttpResponse r = http()->get(QUrl(server->base() + "/old"));
        QVERIFY(r.answered);
        QCOMPARE(r.status, 200);
        QCOMPARE(QByteArray::fromStdString(r.body), kCBody);

        server->paths.clear();
        server->routes["/loop"] = {302, {}, "Location: /loop\r\n"};
        r = http()->get(QUrl(server->base() + "/loop"));
        QVERIFY(!r.answered);
        // Qt may resend a request once when the server closes the connection, so allow for repeats.
        QVERIFY2(server->paths.size() <= 2 * (http()->limits().maxRedirects + 1), qPrintable(server->paths.join(",")));
    }

    void httpGet_followsNoRedirectToAnotherHost() {
        // localhost is the same machine, but not the host that was asked.
        const QString away = server->base().replace("127.0.0.1", "localhost") + "/update/c.pal";
        server->routes["/away"] = {302, {}, "Location: " + away.toLatin1() + "\r\n"};
        HttpResponse r = http()->get(QUrl(server->base() + "/away"));
        QVERIFY(!r.answered);
        QCOMPARE(r.failure, HttpFailure::OtherHost);
        QCOMPARE(server->paths, QStringList{"/away"});
    }

    void httpGet_givesUpOnASilentServerWithABusyCursorMeanwhile() {
        server->routes["/silent"] = {200, {}, {}, true};
        QElapsedTimer clock;
        clock.start();
        HttpResponse r = http()->get(QUrl(server->base() + "/silent"));
        QVERIFY(!r.answered);
        QVERIFY(!r.error.isEmpty());
        QVERIFY2(clock.elapsed() >= http()->limits().timeoutMs,
                 qPrintable(r.error + " " + QString::number(clock.elapsed()) + server->paths.join(",")));
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(server->busyCursorWhileAsked);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void httpGet_unreachableOrInvalidAddressesAreNotAnswered() {
        quint16 closedPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            closedPort = probe.serverPort();
        }
        QVERIFY(!http()->get(QUrl(QStringLiteral("http://127.0.0.1:%1/update/a.pal").arg(closedPort))).answered);
        QVERIFY(!http()->get(QUrl("ftp://127.0.0.1/update/a.pal")).answered);
        QVERIFY(!http()->get(QUrl("not a url")).answered);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // ---- the window

    void opensCollapsedWithItsCaptions() {
        QCOMPARE(window->windowTitle(), QStringLiteral("เพิ่มศัพท์จากอินเตอร์เน็ต"));
        QCOMPARE(window->height(), FrmUpdate::kCollapsedHeight);
        QCOMPARE(child<QLabel>("Label2")->text(), QStringLiteral("เลือกหมวดอักษรที่ต้องการ UpDate"));
        QCOMPARE(child<QLabel>("Label6")->text(), QStringLiteral("หมวดอักษร"));
        QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("คำศัพท์ที่มีใน Internet"));
        QCOMPARE(child<QLabel>("Label7")->text(), QStringLiteral("หมายเหตุ : Update เฉพาะคำศัพท์เท่านั้นส่วนไวยากรณ์ไม่มี"));
        QCOMPARE(child<QPushButton>("Command3")->text(), QStringLiteral("บันทึก"));
        QCOMPARE(child<QPushButton>("Command3")->toolTip(), QStringLiteral("บันทึกศัพท์ในหมวดอักษรนี้"));
        QCOMPARE(child<QComboBox>("Combo1")->count(), 26);
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QString());
        // Collapsed, the fetched text lies below the window's edge.
        QVERIFY(text1()->geometry().top() >= FrmUpdate::kCollapsedHeight);
        QVERIFY(child<QPushButton>("Command3")->geometry().bottom() < FrmUpdate::kExpandedHeight);
    }

    void choosingALetterFetchesItsFileAndExpands() {
        fetch('C');
        QCOMPARE(server->paths, QStringList{"/update/c.pal"});
        QCOMPARE(shownText(), kCText);
        QCOMPARE(window->height(), FrmUpdate::kExpandedHeight);
        QVERIFY(dialogs().messages.empty());
    }

    void aFailedFetchIsToldAndLeavesNothingToSave_data() {
        QTest::addColumn<TestHttpServer::Reply>("reply");
        QTest::addColumn<QString>("told");
        QTest::newRow("never answers") << TestHttpServer::Reply{200, {}, {}, true} << "เซิร์ฟเวอร์ไม่ตอบภายในเวลาที่กำหนด";
        QTest::newRow("server error") << TestHttpServer::Reply{500, "cat/broken"} << "ตอบกลับด้วยรหัส 500";
        QTest::newRow("too large") << TestHttpServer::Reply{200, QByteArray(10000, 'e')} << "ใหญ่เกินกว่าแฟ้มพจนานุกรม";
        QTest::newRow("status 404") << TestHttpServer::Reply{404, "<h1>Nothing here</h1>"}
                                    << "ไม่พบแฟ้ม e.pal บนเซิร์ฟเวอร์";
        QTest::newRow("missing page text")
            << TestHttpServer::Reply{200, "<html><title>404 Not Found</title></html>"} << "ไม่พบแฟ้ม e.pal บนเซิร์ฟเวอร์";
    }
    void aFailedFetchIsToldAndLeavesNothingToSave() {
        QFETCH(TestHttpServer::Reply, reply);
        QFETCH(QString, told);
        server->routes["/update/e.pal"] = reply;
        fetch('C');
        fetch('E');
        QCOMPARE(server->paths.last(), QStringLiteral("/update/e.pal"));
        QCOMPARE(dialogs().messages.size(), size_t(1));
        QCOMPARE(dialogs().messages[0].title, QStringLiteral("โปรแกรมผิดพลาด"));
        QVERIFY2(dialogs().messages[0].text.contains(told), qPrintable(dialogs().messages[0].text));
        QVERIFY(dialogs().messages[0].text.contains(server->base() + "/update/e.pal"));
        QCOMPARE(shownText(), QString()); // C's text is gone: it cannot be saved as E.pal
        QCOMPARE(window->height(), FrmUpdate::kCollapsedHeight);
        QVERIFY(!text1()->isEnabled());
        QVERIFY(!child<QPushButton>("Command3")->isEnabled());
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QVERIFY(!QFile::exists(QString::fromStdString(dataFile("E.pal"))));
    }

    void anUnreachableServerIsTold() {
        quint16 closedPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            closedPort = probe.serverPort();
        }
        settings()->setValue("Update", "Server", QStringLiteral("http://127.0.0.1:%1").arg(closedPort));
        fetch('A');
        QCOMPARE(dialogs().messages.size(), size_t(1));
        QVERIFY2(dialogs().messages[0].text.startsWith(QStringLiteral("ติดต่อเซิร์ฟเวอร์ไม่ได้: http://127.0.0.1:")),
                 qPrintable(dialogs().messages[0].text));
        QCOMPARE(window->height(), FrmUpdate::kCollapsedHeight);
    }

    // Whatever the server sends that is not C's letter file is never shown and never reaches C.pal.
    void aBodyThatIsNotTheLetterFileIsRefused_data() {
        QTest::addColumn<TestHttpServer::Reply>("reply");
        QTest::addColumn<QString>("problem");
        QTest::newRow("web page") << TestHttpServer::Reply{200, "<html><body>Welcome</body></html>"}
                                  << "เป็นหน้าเว็บ (HTML)";
        QTest::newRow("random bytes") << TestHttpServer::Reply{200, QByteArray("\x93\x07\x00\xFF\x12", 5)} << "ไบต์ศูนย์";
        QTest::newRow("gzip") << TestHttpServer::Reply{200, QByteArray("\x1F\x8B\x08\x00\x01\x02", 6),
                                                       "Content-Encoding: gzip\r\n"}
                              << "(gzip)";
        QTest::newRow("another letter") << TestHttpServer::Reply{200, "cat/x/n.\r\ndog/y/n.\r\n"}
                                        << "ศัพท์ \"dog\" ไม่ได้ขึ้นต้นด้วยอักษร C";
        QTest::newRow("cut short") << TestHttpServer::Reply{200, "cat/x/n.\r\n", {}, false, true, 500} << "ไม่ครบ";
    }
    void aBodyThatIsNotTheLetterFileIsRefused() {
        QFETCH(TestHttpServer::Reply, reply);
        QFETCH(QString, problem);
        const std::string old = "cup/x/n.\r\n";
        test::writeBytes(dataFile("C.pal"), old);
        server->routes["/update/c.pal"] = reply;
        fetch('C');
        QCOMPARE(shownText(), QString());
        QCOMPARE(window->height(), FrmUpdate::kCollapsedHeight);
        QVERIFY(!child<QPushButton>("Command3")->isEnabled());
        QCOMPARE(dialogs().messages.size(), size_t(1));
        QCOMPARE(dialogs().messages[0].title, QStringLiteral("โปรแกรมผิดพลาด"));
        QVERIFY2(dialogs().messages[0].text.contains(problem), qPrintable(dialogs().messages[0].text));
        QVERIFY(dialogs().messages[0].text.endsWith(QStringLiteral("แฟ้มในเครื่องไม่ได้เปลี่ยนแปลง")));
        QCOMPARE(test::readBytes(dataFile("C.pal")), old);
    }

    void saveReplacesTheLetterFileWithTheTextAndCrLf() {
        test::writeBytes(dataFile("C.pal"), "old/\xA1/x\r\n");
        fetch('C');
        QCOMPARE(child<QLabel>("lblCnt")->text(), QStringLiteral("มีศัพท์ 2 คำ"));
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(dialogs().messages.size(), size_t(1));
        QCOMPARE(dialogs().messages[0].text, QStringLiteral("บันทึกหมวดอักษร C แล้ว: 2 คำ"));
        QCOMPARE(dialogs().messages[0].title, QStringLiteral("บันทึก"));
        QCOMPARE(dialogs().messages[0].icon, MsgIcon::Information);
        QCOMPARE(QByteArray::fromStdString(test::readBytes(dataFile("C.pal"))), QByteArray(kCBody) + "\r\n");
        QCOMPARE(window->height(), FrmUpdate::kCollapsedHeight);
        QCOMPARE(test::folderNames(context().dataFolder().toStdString()), std::vector<std::string>{"C.pal"});
    }

    void aSavedDownloadIsTheFileAsPublished() {
        // A file that ends with its line break gets no empty line added, so downloads never pile them up.
        server->routes["/update/g.pal"] = {200, "go/\xE4\xBB\r\n"};
        fetch('G');
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(test::readBytes(dataFile("G.pal")), std::string("go/\xE4\xBB\r\n"));
    }

    void aFailingSaveIsReportedAndKeepsTheOldFile() {
        const std::string old = "old/\xA1/x\r\n";
        test::writeBytes(dataFile("C.pal"), old);
        server->routes["/update/c.pal"] = {200, QByteArray("cat/x/n.\r\n").repeated(300)};
        fetch('C');
        {
            test::FileSizeLimit fullDisk(1000);
            QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        }
        QCOMPARE(dialogs().messages.size(), size_t(1));
        QCOMPARE(dialogs().messages[0].title, QStringLiteral("โปรแกรมผิดพลาด"));
        QCOMPARE(dialogs().messages[0].icon, MsgIcon::Stop);
        QVERIFY(dialogs().messages[0].text.contains("C.pal"));
        QCOMPARE(test::readBytes(dataFile("C.pal")), old);
        QCOMPARE(test::folderNames(context().dataFolder().toStdString()), std::vector<std::string>{"C.pal"});
        QCOMPARE(window->height(), FrmUpdate::kExpandedHeight);

        QVERIFY(QDir(context().dataFolder()).removeRecursively());
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(dialogs().messages.size(), size_t(2));
        QCOMPARE(dialogs().messages[1].title, QStringLiteral("โปรแกรมผิดพลาด"));
        QCOMPARE(window->height(), FrmUpdate::kExpandedHeight); // no confirmation, still there to retry
        QVERIFY(!QDir(context().dataFolder()).exists());
    }

    void savingADownloadWithoutEntriesAsksFirst() {
        test::writeBytes(dataFile("D.pal"), "dog/x/y\r\n");
        server->routes["/update/d.pal"] = {200, "\r\n"}; // a published file without entries
        fetch('D');
        dialogs().answers = {MsgAnswer::No};
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(dialogs().messages.size(), size_t(1));
        QCOMPARE(dialogs().messages[0].icon, MsgIcon::Question);
        QCOMPARE(dialogs().messages[0].buttons, MsgButtons::YesNo);
        QCOMPARE(test::readBytes(dataFile("D.pal")), std::string("dog/x/y\r\n"));

        dialogs().answers = {MsgAnswer::Yes};
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(test::readBytes(dataFile("D.pal")), std::string("\r\n"));
        QCOMPARE(dialogs().messages.back().text, QStringLiteral("บันทึกหมวดอักษร D แล้ว: 0 คำ"));
    }

    void savingNeedsAFetchAndWritesItAsChecked() {
        // Before any letter is fetched the window is collapsed and the save button cannot be used.
        QVERIFY(!child<QPushButton>("Command3")->isEnabled());
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QVERIFY(dialogs().messages.empty());
        QCOMPARE(test::folderNames(context().dataFolder().toStdString()), std::vector<std::string>{});

        // The text is for reading: what is saved is the download as it was checked.
        fetch('C');
        text1()->setFocus();
        test::typeText(text1(), QString::fromUtf8("caf\xC3\xA9"));
        QTest::keyClick(text1(), Qt::Key_Delete);
        QCOMPARE(shownText(), kCText);
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(QByteArray::fromStdString(test::readBytes(dataFile("C.pal"))), QByteArray(kCBody) + "\r\n");
    }

    // A download at the size limit costs memory in proportion to it, and the times are printed for comparison.
    void aDownloadAtTheSizeLimitStaysInProportion() {
        QByteArray body;
        for (int i = 0; body.size() < 16 * 1024 * 1024 - 64; ++i)
            body += "cat" + QByteArray::number(i) + "/\xE1\xC1\xC7/n.(\xB9\xD2\xC1)\r\n";
        server->routes["/update/c.pal"] = {200, body};
        window.reset();
        services = std::make_unique<test::TestContext>(folder()); // the real 16 MB limit
        settings()->setValue("Update", "Server", server->base());
        openWindow();

        const qint64 before = memoryKb("VmRSS");
        QFile peakReset("/proc/self/clear_refs");
        const bool peakKnown = peakReset.open(QIODevice::WriteOnly) && peakReset.write("5") == 1;
        peakReset.close();
        QElapsedTimer clock;
        clock.start();
        fetch('C');
        const qint64 fetchMs = clock.restart();
        QCOMPARE(window->height(), FrmUpdate::kExpandedHeight);
        QTest::keyClick(text1(), Qt::Key_End);
        QTest::keyClick(text1(), Qt::Key_PageUp);
        const qint64 keysMs = clock.restart();
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        const qint64 saveMs = clock.elapsed();
        const qint64 growthKb = memoryKb("VmHWM") - before;
        qInfo("%lld bytes: fetch and show %lld ms, End + PageUp %lld ms, save %lld ms, peak growth %lld KB",
              static_cast<long long>(body.size()), fetchMs, keysMs, saveMs, growthKb);
        QCOMPARE(QByteArray::fromStdString(test::readBytes(dataFile("C.pal"))), body);
        if (!peakKnown)
            QSKIP("the peak memory cannot be reset here");
        // The server's copy lives in this process too; the window may take five times the body besides.
        QVERIFY2(growthKb * 1024 <= 5 * body.size(), qPrintable(QString::number(growthKb)));
    }

    void theDefaultServerIsUsedWithoutASetting() {
        window.reset();
        services.reset();
        QVERIFY(QFile::remove(folder() + "/settings.ini"));
        services = std::make_unique<test::TestContext>(folder(), quickLimits());
        openWindow();
        QCOMPARE(window->serverBase(), QStringLiteral("http://127.0.0.1:8080"));
    }

    void showFrmUpdateOpensAModalWindow() {
        window.reset();
        QString seenTitle;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                seenTitle = modal->windowTitle();
                modal->close();
            }
        });
        showFrmUpdate(nullptr, context());
        QCOMPARE(seenTitle, QStringLiteral("เพิ่มศัพท์จากอินเตอร์เน็ต"));
    }

    // A published folder served by python3's http.server, fetched with the program's own GET.
    void aPublishedDictionaryDownloadsFromAStaticServer() {
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        QVERIFY(QDir(folder()).mkdir("Published"));
        const std::string published = "cup/\xB6\xE9\xC7\xC2/n.(\xB9\xD2\xC1)\r\ncut/\xB5\xD1\xB4/vt.(x)\r\n";
        test::writeBytes((folder() + "/Published/C.pal").toStdString(), published);
        QProcess publish;
        publish.start("bash", {DLX_PUBLISH_SCRIPT, folder() + "/Published", folder() + "/site"});
        QVERIFY(publish.waitForFinished(10000));
        QCOMPARE(publish.exitCode(), 0);

        quint16 port = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            port = probe.serverPort();
        }
        QProcess web;
        web.start(python, {"-m", "http.server", QString::number(port), "--bind", "127.0.0.1", "--directory",
                           folder() + "/site"});
        QVERIFY(web.waitForStarted(5000));
        auto stop = qScopeGuard([&] {
            web.kill();
            web.waitForFinished(5000);
        });
        QVERIFY(QTest::qWaitFor(
            [port] {
                QTcpSocket probe;
                probe.connectToHost(QHostAddress::LocalHost, port);
                return probe.waitForConnected(200);
            },
            10000));

        settings()->setValue("Update", "Server", QStringLiteral("http://127.0.0.1:%1").arg(port));
        window.reset();
        services = std::make_unique<test::TestContext>(folder()); // the GET with its real limits
        settings()->setValue("Update", "Server", QStringLiteral("http://127.0.0.1:%1").arg(port));
        openWindow();
        fetch('C');
        QCOMPARE(shownText(), QStringLiteral("cup/ถ้วย/n.(นาม)\ncut/ตัด/vt.(x)"));
        QCOMPARE(window->height(), FrmUpdate::kExpandedHeight);
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(test::readBytes(dataFile("C.pal")), published);

        fetch('Q'); // not published: the server's own 404 page
        QCOMPARE(shownText(), QString());
        QVERIFY(dialogs().messages.back().text.startsWith(QStringLiteral("ไม่พบแฟ้ม q.pal บนเซิร์ฟเวอร์")));
    }
};

QTEST_MAIN(TestFrmUpdate)
#include "tst_frmupdate.moc"

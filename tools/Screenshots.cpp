// Takes a picture of every window of the program with the shipped data, for the README: the main window in both
// arrangements with a translation, then each window opened as a user opens it. The CMake target `screenshots` runs
// it under xvfb-run on a 1280x800 screen:  dlx_screenshots OUTPUT_FOLDER [NAME...]  (only the named pictures when
// names are given). It exits 1 when a picture could not be taken.
//
// One line of the table per picture: the file name, the commands that open the window (action names, each looked
// up in the window the previous one opened, the first in the main window) and what to do to the window before the
// picture is taken.
#include "AppContext.h"
#include "Dialogs.h"
#include "FrmMain.h"
#include "HostServices.h"
#include "HttpGet.h"
#include "ProgramPaths.h"
#include "Settings.h"
#include "SqlDrillRecords.h"
#include "Translations.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <vector>

using namespace dlx;

namespace {

constexpr int kSettleMs = 400;
const QSize kMainWindowSize(1000, 680);
const char *const kEnglish =
    "My friends and I went to the market on Saturday morning. We bought fresh fruit, rice and fish for "
    "dinner.\nThe weather was very hot, so we drank cold water and sat under a big tree.\n"
    "In the evening my mother cooked a good meal and we ate together at home.";

/// The download's server: the shipped letter file of the letter asked for, as a published dictionary gives it.
class ShippedDictionaryServer : public HttpGet {
public:
    explicit ShippedDictionaryServer(QString dataFolder) : folder_(std::move(dataFolder)) {}
    HttpResponse get(const QUrl &url) override {
        HttpResponse r;
        QFile file(folder_ + "/" + url.fileName().left(1).toUpper() + ".pal");
        r.answered = true;
        r.status = file.open(QIODevice::ReadOnly) ? 200 : 404;
        r.body = file.readAll().toStdString();
        r.announcedLength = static_cast<qint64>(r.body.size());
        return r;
    }

private:
    QString folder_;
};

/// Lets events run until the condition holds or the time is up.
bool waitFor(const std::function<bool()> &done, int ms = 20000) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    return true;
}

void pause(int ms) {
    waitFor([] { return false; }, ms);
}

template <class T> T *child(QWidget &window, const char *name) {
    return window.findChild<T *>(QString::fromLatin1(name));
}

/// Chooses an item of a combo box as a user does, so that the window's own handler runs.
void choose(QWidget &window, const char *combo, const QString &item) {
    if (auto *box = child<QComboBox>(window, combo)) {
        const int index = box->findText(item);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
}

void translate(QWidget &main, const QString &english) {
    auto *text1 = child<QTextEdit>(main, "Text1");
    auto *text2 = child<QTextEdit>(main, "Text2");
    auto *button = child<QPushButton>(main, "Command1");
    text1->setPlainText(english);
    text2->clear();
    button->click();
    waitFor([&] { return !text2->toPlainText().isEmpty() && button->text() == QStringLiteral("แปล"); });
    text1->moveCursor(QTextCursor::Start);
    text2->moveCursor(QTextCursor::Start);
    button->setFocus();
}

void arrangeAndTranslate(QWidget &main, const char *arrangement) {
    main.findChild<QAction *>(arrangement)->trigger();
    if (child<QTextEdit>(main, "Text2")->toPlainText().isEmpty())
        translate(main, QString::fromUtf8(kEnglish));
}

/// The word panel beside a translation whose words left in English are marked, open on a clicked word.
void readWithPanel(QWidget &main) {
    auto *text1 = child<QTextEdit>(main, "Text1");
    text1->setPlainText("The old sailor walked slowly along the quay.\n"
                        "Seagulls squawked above the trawlers and the bollards.\n"
                        "He was looking for his brother, a shipwright from Falmouth.");
    main.findChild<QAction *>("mnuCurX")->trigger();
    translate(main, text1->toPlainText());
    main.findChild<QAction *>("mnuWordPanel")->trigger();
    pause(kSettleMs);
    QTextCursor at(text1->document());
    at.setPosition(static_cast<int>(text1->toPlainText().indexOf("Seagulls")) + 3);
    QTest::mouseClick(text1->viewport(), Qt::LeftButton, Qt::NoModifier, text1->cursorRect(at).center());
}

/// A month of timed runs, both drills, the speed rising, for the history window's table and chart.
void fillHistory(const QString &path) {
    auto records = SqlDrillRecords::open(path);
    if (!records)
        return;
    const std::int64_t start = 1796083200; // 2026-12-01 00:00 UTC
    for (int day = 0; day < 20; ++day) {
        const bool thai = day % 3 == 2;
        DrillRun run;
        run.finishedAt = start - (20 - day) * 86400 + 19 * 3600;
        run.twin = thai ? DrillTwin::Thai : DrillTwin::English;
        run.timeLimit = 3;
        run.charactersPerMinute = (thai ? 70 : 95) + day * 4 + (day * 7) % 11;
        run.score = run.charactersPerMinute / 8;
        run.accuracyPercent = 84 + (day * 5) % 13;
        records->records->addRun(run);
    }
}

struct Shot {
    const char *file;                          ///< OUTPUT_FOLDER/<file>.png
    std::vector<const char *> commands;        ///< opened in turn; none: the main window itself
    std::function<void(QWidget &window)> fill; ///< what the window shows before the picture
};

const std::vector<Shot> &shots() {
    static const std::vector<Shot> table = {
        {"main-stacked", {}, [](QWidget &w) { arrangeAndTranslate(w, "mnuCurX"); }},
        {"main-side-by-side", {}, [](QWidget &w) { arrangeAndTranslate(w, "mnuCurY"); }},
        {"editor",
         {"mnuAdd"},
         [](QWidget &w) {
             choose(w, "Combo1", "M");
             if (auto *list = child<QListWidget>(w, "List1"))
                 list->setCurrentRow(std::min(5, list->count() - 1));
         }},
        {"download", {"mnuUpDate"}, [](QWidget &w) { choose(w, "Combo1", "W"); }},
        {"typing-english", {"mnuPimEng"}, {}},
        {"typing-thai", {"mnuPimThai"}, {}},
        {"time-limit", {"mnuPimEng", "mnuStart"}, {}},
        {"puzzle", {"mnuPuzzle"}, {}},
        // Xvfb has no window manager to maximise it.
        {"full-screen",
         {"mnuFullPal"},
         [](QWidget &w) {
             w.setWindowState(Qt::WindowNoState);
             w.setGeometry(w.screen()->geometry());
         }},
        {"skin-chooser", {"mnuSkin"}, {}},
        {"about", {"mnuAbout"}, {}},
        {"tip", {"mnuTip"}, {}},
        {"help", {"mnuVitee"}, {}},
        {"history", {"mnuHistory"}, {}},
        {"reading-panel", {}, readWithPanel},
    };
    return table;
}

QList<QWidget *> shownWindows() {
    QList<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() &&
            (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog || w->windowType() == Qt::Tool))
            out.push_back(w);
    return out;
}

/// Takes the pictures one after the other. A command may open a modal window, whose own event loop then runs the
/// rest of the chain; the windows are closed innermost first once the picture is taken.
class Photographer {
public:
    Photographer(QWidget &main, QString folder, std::vector<const Shot *> todo)
        : main_(main), folder_(std::move(folder)), todo_(std::move(todo)) {}

    void start() {
        QTimer::singleShot(kSettleMs, [this] { next(); });
    }
    int failures() const { return failures_; }

private:
    void next() {
        if (index_ == todo_.size()) {
            QApplication::quit();
            return;
        }
        opened_.clear();
        open(*todo_[index_++], 0, main_);
    }

    void open(const Shot &shot, std::size_t k, QWidget &window) {
        if (k == shot.commands.size()) {
            if (shot.fill)
                shot.fill(window);
            pause(kSettleMs);
            take(shot, window);
            for (auto it = opened_.rbegin(); it != opened_.rend(); ++it)
                if (*it)
                    (*it)->close();
            QTimer::singleShot(kSettleMs, [this] { next(); });
            return;
        }
        auto *command = window.findChild<QAction *>(QString::fromLatin1(shot.commands[k]));
        if (!command) {
            fail(shot, QString("no command %1").arg(shot.commands[k]));
            return;
        }
        const QList<QWidget *> before = shownWindows();
        // The command may not come back until its window closes: it runs from the event loop, and the chain goes on
        // from a timer that the window's own loop runs.
        QTimer::singleShot(0, command, &QAction::trigger);
        QTimer::singleShot(kSettleMs, [this, &shot, k, before] {
            QWidget *newest = nullptr;
            waitFor(
                [&] {
                    for (QWidget *w : shownWindows())
                        if (!before.contains(w))
                            newest = w;
                    return newest != nullptr;
                },
                5000);
            if (!newest) {
                fail(shot, QString("%1 opened no window").arg(shot.commands[k]));
                return;
            }
            opened_.push_back(newest);
            open(shot, k + 1, *newest);
        });
    }

    void take(const Shot &shot, QWidget &window) {
        const QString path = folder_ + "/" + shot.file + ".png";
        // Few colours keep the files small; the pictures are of flat controls and text.
        const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
        if (picture.isNull() || !picture.save(path)) {
            fail(shot, "cannot write " + path);
            return;
        }
        std::printf("%s\n", qPrintable(path));
    }

    void fail(const Shot &shot, const QString &why) {
        std::fprintf(stderr, "%s: %s\n", shot.file, qPrintable(why));
        ++failures_;
        for (auto it = opened_.rbegin(); it != opened_.rend(); ++it)
            if (*it)
                (*it)->close();
        QTimer::singleShot(kSettleMs, [this] { next(); });
    }

    QWidget &main_;
    QString folder_;
    std::vector<const Shot *> todo_;
    std::size_t index_ = 0;
    std::vector<QPointer<QWidget>> opened_;
    int failures_ = 0;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: dlx_screenshots OUTPUT_FOLDER [NAME...]\n");
        return 2;
    }
    std::vector<const Shot *> todo;
    for (const Shot &s : shots())
        if (args.size() == 1 || args.mid(1).contains(QString::fromLatin1(s.file)))
            todo.push_back(&s);
    if (todo.empty()) {
        std::fprintf(stderr, "no picture of that name\n");
        return 2;
    }
    if (!QDir().mkpath(args[0])) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(args[0]));
        return 1;
    }
    installThaiTranslation(QCoreApplication::applicationDirPath());

    // Settings of its own, so that the pictures never depend on the user's: no tip at start.
    QTemporaryDir home;
    IniSettingsStore settings(home.filePath("settings.ini"));
    settings.setValue("Tip", "My Tip", "0");
    IniProfileStrings profile(home.filePath("profile.ini"));
    QtDialogs dialogs;
    X11KeyboardLayouts keyboard;
    const ProgramPaths paths = locateProgram(executableFolder());
    ShippedDictionaryServer server(QString::fromStdString(paths.dataRoot) + "/Data");
    AppContext context(QString::fromStdString(paths.dataRoot), dialogs, settings, profile, keyboard, server);
    context.userDataFolder = home.filePath("user");
    fillHistory(drillRecordsPath(context));

    // The skin chooser opens in the folder the program was started from: the skins' own here.
    QDir::setCurrent(QString::fromStdString(paths.dataRoot) + "/Skin");
    FrmMain main(context);
    main.move(0, 0);
    main.resize(kMainWindowSize);
    main.show();
    Photographer photographer(main, args[0], todo);
    photographer.start();
    // Whatever happens, the run ends.
    QTimer::singleShot(180000, [] {
        std::fprintf(stderr, "timed out\n");
        QCoreApplication::exit(1);
    });
    const int status = app.exec();
    return status != 0 || photographer.failures() ? 1 : 0;
}

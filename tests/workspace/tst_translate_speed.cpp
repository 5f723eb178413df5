// Translates a large English text in the window with the shipped dictionary, phrase rewriting included, and
// opens it as a file; prints how long each took, what the progress bar showed when, and the longest time the
// window went without handling its events. DLX_SPEED_MB sets the text's size (1 MB by default). The figures are
// for reading, not limits; the test checks that the window shows the engine's translation and the file's text.
#include "Driver.h"
#include "FakeDialogs.h"
#include "FrmMain.h"
#include "PicBar.h"
#include "Settings.h"
#include "TestContext.h"
#include "Utf8.h"
#include "WorkspaceFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

using namespace dlx;

namespace {

// English words from the shipped dictionary, so that most of the text is found and rewritten.
QStringList dictionaryWords(const QString &dataFolder) {
    QStringList words;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        QFile f(dataFolder + "/" + letter + ".pal");
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : f.readAll().split('\n')) {
            const int slash = line.indexOf('/');
            if (slash > 0)
                words << QString::fromLatin1(line.left(slash)).trimmed();
        }
    }
    return words;
}

// Megabytes of sentences of 6 to 16 words, deterministic; a line ends after every sentence, or after about every
// third one.
QString englishText(const QStringList &words, bool lineEverySentence, int megabytes) {
    QString text;
    quint32 seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    const char *glue[] = {" ", " ", " ", " ", ", ", " the ", " a ", " can not ", " of the "};
    while (text.size() < megabytes * 1000000) {
        const int count = 6 + int(next() % 11);
        for (int i = 0; i < count; ++i) {
            text += words[int(next() % words.size())];
            text += QString::fromLatin1(i + 1 < count ? glue[next() % 9] : (next() % 4 ? "." : "?"));
        }
        text += !lineEverySentence && next() % 3 ? " " : "\n";
    }
    // The engine's own translation of a text drops a final empty line; the window keeps it.
    if (text.endsWith('\n'))
        text.chop(1);
    return text;
}

// Ticks every 5 ms, as a user's clicks and repaints would be served: the gaps between its ticks show how
// responsive the window stays. Each tick also notes what the window shows: the progress bar's caption (with the
// time it first appeared) and whether the busy cursor is up.
struct Heartbeat {
    explicit Heartbeat(const FrmMain &w) : bar(w.findChild<PicBar *>("PicBar")) {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.elapsed();
            ++ticks;
            longestGap = std::max(longestGap, now - last);
            last = now;
            busyCursorSeen |= QApplication::overrideCursor() != nullptr;
            const QString caption = bar->caption().remove(QRegularExpression("[0-9]+"));
            if (captions.isEmpty() || captions.last().first != caption)
                captions.append({caption, now});
        });
        clock.start();
        timer.start();
    }
    QString timeline() const {
        QStringList parts;
        for (const auto &[caption, at] : captions)
            parts << QString("%1 ms: \"%2\"").arg(at).arg(caption);
        return parts.join("; ");
    }
    PicBar *bar;
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0, longestGap = 0;
    int ticks = 0;
    bool busyCursorSeen = false;
    QList<std::pair<QString, qint64>> captions;
};

// The program folder with the shipped dictionary.
struct ShippedProgram {
    ShippedProgram() {
        const QString shipped = QString::fromUtf8(DLX_SHIPPED_DATA);
        for (const QString &name : QDir(shipped).entryList({"*.pal"}, QDir::Files))
            QFile::copy(shipped + "/" + name, path() + "/Data/" + name);
        QDir(path()).mkdir("Skin");
        QImage skin(16, 12, QImage::Format_RGB32);
        skin.fill(QColor(180, 200, 230));
        skin.save(path() + "/Skin/Default.bmp", "BMP");
        services.settings.setValue("Tip", "My Tip", "0");
    }
    QString path() const { return QString::fromStdString(folder.path()); }
    test::TempProgramFolder folder;
    test::TestContext services{path()};
};

int megabytes() {
    return std::max(1, qEnvironmentVariableIntValue("DLX_SPEED_MB"));
}

} // namespace

class TestTranslateSpeed : public QObject {
    Q_OBJECT
private slots:
    void translateInTheWindow_data();
    void translateInTheWindow();
    void openABigFile();
};

void TestTranslateSpeed::translateInTheWindow_data() {
    QTest::addColumn<bool>("lineEverySentence");
    QTest::newRow("paragraphs") << false;
    QTest::newRow("one sentence a line") << true;
}

void TestTranslateSpeed::translateInTheWindow() {
    QFETCH(bool, lineEverySentence);
    ShippedProgram program;
    const QStringList words = dictionaryWords(program.path() + "/Data");
    QVERIFY(!words.isEmpty());
    // One sentence a line stays within the line limit at 1 MB.
    const QString text = englishText(words, lineEverySentence, lineEverySentence ? 1 : megabytes());
    FrmMain w(program.services.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.findChild<QTextEdit *>("Text1")->setPlainText(text);

    Heartbeat heartbeat(w);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(w.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    const qint64 ms = clock.elapsed();
    heartbeat.timer.stop();

    const int lineCount = int(text.count('\n')) + 1;
    std::printf("Translated %lld characters (%d lines) in the window in %lld ms; the window handled its events "
                "%d times, at most %lld ms apart; busy cursor %s.\n  %s\n",
                static_cast<long long>(text.size()), lineCount, static_cast<long long>(ms), heartbeat.ticks,
                static_cast<long long>(heartbeat.longestGap), heartbeat.busyCursorSeen ? "shown" : "never shown",
                qPrintable(heartbeat.timeline()));
    QVERIFY(program.services.dialogs.messages.empty());
    Lexicon lexicon(program.folder.dataFolder());
    const QString expected =
        QString::fromStdU32String(translateText(text.toStdU32String(), lexicon, TranslationMode::Grammar));
    const QString shown = w.findChild<QTextEdit *>("Text2")->toPlainText();
    QCOMPARE(shown.size(), expected.size());
    QVERIFY(shown == expected);
    QVERIFY(heartbeat.ticks > 1);
}

void TestTranslateSpeed::openABigFile() {
    ShippedProgram program;
    const QString text = englishText(dictionaryWords(program.path() + "/Data"), true, megabytes());
    const QString file = program.path() + "/big.txt";
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QString(text).replace("\n", "\r\n").toLatin1());
    }
    FrmMain w(program.services.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    program.services.dialogs.fileAnswers = {file};

    Heartbeat heartbeat(w);
    QElapsedTimer clock;
    clock.start();
    w.findChild<QAction *>("mnuOpen")->trigger();
    const qint64 ms = clock.elapsed();
    heartbeat.timer.stop();
    std::printf("Opened a %lld-byte file in %lld ms; the window handled its events %d times, at most %lld ms apart; "
                "busy cursor %s.\n",
                static_cast<long long>(QFileInfo(file).size()), static_cast<long long>(ms), heartbeat.ticks,
                static_cast<long long>(heartbeat.longestGap), heartbeat.busyCursorSeen ? "shown" : "never shown");
    QCOMPARE(w.findChild<QTextEdit *>("Text1")->toPlainText(), text);
    QVERIFY(program.services.dialogs.messages.empty());
}

QTEST_MAIN(TestTranslateSpeed)
#include "tst_translate_speed.moc"

// Translates a 1 MB English text in the window with the shipped dictionary, phrase rewriting included, and
// prints how long the click took and the longest time the window went without handling its events.
// The figures are for reading, not limits; the test checks that the window shows the engine's translation.
#include "Driver.h"
#include "FakeDialogs.h"
#include "FrmMain.h"
#include "Settings.h"
#include "TestContext.h"
#include "Utf8.h"
#include "WorkspaceFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPushButton>
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

// About 1 MB of sentences of 6 to 16 words, deterministic; a line ends after every sentence, or after about
// every third one.
QString megabyteOfEnglish(const QStringList &words, bool lineEverySentence) {
    QString text;
    quint32 seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    const char *glue[] = {" ", " ", " ", " ", ", ", " the ", " a ", " can not ", " of the "};
    while (text.size() < 1000000) {
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

} // namespace

class TestTranslateSpeed : public QObject {
    Q_OBJECT
private slots:
    void megabyteInTheWindow_data();
    void megabyteInTheWindow();
};

void TestTranslateSpeed::megabyteInTheWindow_data() {
    QTest::addColumn<bool>("lineEverySentence");
    QTest::newRow("paragraphs") << false;
    QTest::newRow("one sentence a line") << true;
}

void TestTranslateSpeed::megabyteInTheWindow() {
    QFETCH(bool, lineEverySentence);
    test::TempProgramFolder folder;
    const QString program = QString::fromStdString(folder.path());
    const QString shipped = QString::fromUtf8(DLX_SHIPPED_DATA);
    for (const QString &name : QDir(shipped).entryList({"*.pal"}, QDir::Files))
        QVERIFY(QFile::copy(shipped + "/" + name, program + "/Data/" + name));
    QDir(program).mkdir("Skin");
    QImage skin(16, 12, QImage::Format_RGB32);
    skin.fill(QColor(180, 200, 230));
    skin.save(program + "/Skin/Default.bmp", "BMP");
    const QStringList words = dictionaryWords(program + "/Data");
    QVERIFY(!words.isEmpty());
    const QString text = megabyteOfEnglish(words, lineEverySentence);

    test::TestContext services(program);
    services.settings.setValue("Tip", "My Tip", "0");
    FrmMain w(services.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.findChild<QTextEdit *>("Text1")->setPlainText(text);

    // A 5 ms timer stands in for the user: the gaps between its ticks show how responsive the window stays.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer heartbeat;
    heartbeat.setInterval(5);
    connect(&heartbeat, &QTimer::timeout, [&] {
        if (ticks++)
            longestGap = std::max(longestGap, sinceTick.elapsed());
        sinceTick.restart();
    });
    heartbeat.start();
    sinceTick.start();

    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(w.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    const qint64 ms = clock.elapsed();
    heartbeat.stop();

    const int lineCount = int(text.count('\n')) + 1;
    std::printf("Translated %lld characters (%d lines) in the window in %lld ms; the window handled its events "
                "%d times, at most %lld ms apart.\n",
                static_cast<long long>(text.size()), lineCount, static_cast<long long>(ms), ticks,
                static_cast<long long>(longestGap));
    QVERIFY(services.dialogs.messages.empty());
    Lexicon lexicon(folder.dataFolder());
    const QString expected =
        QString::fromStdU32String(translateText(text.toStdU32String(), lexicon, TranslationMode::Grammar));
    QCOMPARE(w.findChild<QTextEdit *>("Text2")->toPlainText().size(), expected.size());
    QVERIFY(w.findChild<QTextEdit *>("Text2")->toPlainText() == expected);
    QVERIFY(ticks > 1);
}

QTEST_MAIN(TestTranslateSpeed)
#include "tst_translate_speed.moc"

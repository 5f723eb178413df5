// The installed program as one user meets it, run by install_test.sh on a read-only staged install with HOME and
// the XDG folders in a temporary folder: a word added in the editor is saved in the user's own folder, used by the
// next translation in the window and by the command line, and "คืนค่าเดิม" goes back to the shipped letter.
#include "AppContext.h"
#include "FakeDialogs.h"
#include "FrmAdd.h"
#include "FrmMain.h"
#include "HttpGet.h"
#include "ProgramPaths.h"
#include "Settings.h"
#include "TextFile.h"
#include "WindowTestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace dlx;

class TestInstalled : public QObject {
    Q_OBJECT

    template <class T> static T *part(const QObject &w, const char *name) {
        T *found = w.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }

    QString translateInWindow(FrmMain &w, const QString &text) {
        part<QTextEdit>(w, "Text1")->setPlainText(text);
        QTest::mouseClick(part<QPushButton>(w, "Command1"), Qt::LeftButton);
        return part<QTextEdit>(w, "Text2")->toPlainText();
    }

    QString translateOnCommandLine(const QString &text) {
        QProcess cli;
        cli.start(bin + "/dualexicon-translate", {});
        cli.write(text.toUtf8() + "\n");
        cli.closeWriteChannel();
        if (!cli.waitForFinished(30000) || cli.exitCode() != 0)
            return "failed: " + QString::fromUtf8(cli.readAllStandardError());
        return QString::fromUtf8(cli.readAllStandardOutput()).trimmed();
    }

    const QString bin = qEnvironmentVariable("DLX_STAGED_BIN");

private slots:
    void theUsersWordsLiveInTheUsersFolderOverTheShippedLetter() {
        if (bin.isEmpty())
            QSKIP("run by install_test.sh on a staged install");
        const ProgramPaths paths = locateProgram(bin.toStdString());
        QVERIFY(paths.installed);
        const RunFolders folders = runFoldersOf(paths);
        test::FakeDialogs dialogs;
        IniSettingsStore settings(qEnvironmentVariable("XDG_CONFIG_HOME") + "/settings.ini");
        settings.setValue("Tip", "My Tip", "0");
        IniProfileStrings profile(qEnvironmentVariable("XDG_CONFIG_HOME") + "/profile.ini");
        test::FakeKeyboardLayouts keyboard;
        QtHttpGet http;
        AppContext context(QString::fromStdString(paths.dataRoot), dialogs, settings, profile, keyboard, http);
        context.place(folders);
        QDir().mkpath(context.workFolder());

        const QString userLetter = QString::fromStdString(folders.data.user) + "/Z.pal";
        const QString word = "zorbly", meaning = QString::fromUtf8("กระต่ายบิน");
        FrmMain main(context);
        main.show();
        QCOMPARE(translateInWindow(main, word), word);

        FrmAdd editor(context);
        editor.show();
        auto *own = part<QLabel>(editor, "lblOwn");
        auto *restore = part<QPushButton>(editor, "cmdRestore");
        QVERIFY(test::pickFromCombo(part<QComboBox>(editor, "Combo1"), 'Z' - 'A'));
        const int shippedCount = part<QListWidget>(editor, "List1")->count();
        QVERIFY(own->text().isEmpty());
        QVERIFY(!restore->isEnabled());
        QTest::keyClicks(part<QLineEdit>(editor, "Text1"), word);
        test::typeText(part<QLineEdit>(editor, "Text2"), meaning);
        part<QComboBox>(editor, "Combo2")->setCurrentIndex(0);
        QTest::mouseClick(part<QPushButton>(editor, "Command1"), Qt::LeftButton);
        QTest::mouseClick(part<QPushButton>(editor, "Command3"), Qt::LeftButton);
        QVERIFY2(dialogs.messages.empty(), dialogs.messages.empty() ? "" : qPrintable(dialogs.messages[0].text));
        QVERIFY(QFile::exists(userLetter));
        QVERIFY(!own->text().isEmpty());
        QVERIFY(restore->isEnabled());

        QCOMPARE(translateInWindow(main, word), meaning);
        QCOMPARE(translateOnCommandLine(word), meaning);
        QVERIFY(QDir(context.workFolder()).isEmpty()); // the work files came and went in the user's cache

        QTest::mouseClick(restore, Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), size_t(1)); // asked first
        QCOMPARE(dialogs.messages[0].title, QString::fromUtf8("คืนค่าเดิม"));
        QVERIFY(!QFile::exists(userLetter));
        QCOMPARE(part<QListWidget>(editor, "List1")->count(), shippedCount);
        QVERIFY(own->text().isEmpty());
        QCOMPARE(translateInWindow(main, word), word);
        QCOMPARE(translateOnCommandLine(word), word);
    }
};

QTEST_MAIN(TestInstalled)
#include "tst_installed.moc"

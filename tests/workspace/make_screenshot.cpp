// Takes docs/screenshot.png: the main window, with the shipped dictionary and skin, after translating a few
// sentences. Run it under X (xvfb-run -a) with the Thai fonts installed:
//   xvfb-run -a -s "-screen 0 800x600x24" build/tests/workspace_screenshot docs/screenshot.png
// A second argument "tip", "about" or "help" takes that window instead; a size such as "420x330" takes the main
// window at that size, a third argument "side" with the panes side by side; "reading" takes it with the word
// panel open on a clicked word and the words left in English marked.
#include "FakeDialogs.h"
#include "FrmAbout.h"
#include "FrmMain.h"
#include "FrmTip.h"
#include "HelpWindow.h"
#include "Settings.h"
#include "TestContext.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: workspace_screenshot OUTPUT.png [tip|about|help]\n");
        return 2;
    }
    QTemporaryDir settingsFolder;
    dlx::test::TestContext services(settingsFolder.path());
    services.settings.setValue("Tip", "My Tip", "0");
    dlx::AppContext &context = services.context;
    context.programFolder = QString::fromUtf8(DLX_RUNTIME_DIR);

    FrmMain w(context);
    w.move(20, 20);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;
    w.findChild<QTextEdit *>("Text1")->setPlainText("The red car is fast.\n"
                                                    "I can not go to school today because I am sick.\n"
                                                    "Where is my book? It is on the big table.\n"
                                                    "She likes cats and dogs.");
    QTest::mouseClick(w.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QWidget *subject = &w;
    const QString which = argc > 2 ? QString::fromLatin1(argv[2]) : QString();
    if (which == "reading") {
        auto *text1 = w.findChild<QTextEdit *>("Text1");
        text1->setPlainText("The old sailor walked slowly along the quay.\n"
                            "Seagulls squawked above the trawlers and the bollards.\n"
                            "He was looking for his brother, a shipwright from Falmouth.");
        QTest::mouseClick(w.findChild<QPushButton *>("Command1"), Qt::LeftButton);
        w.findChild<QAction *>("mnuWordPanel")->trigger();
        QTest::qWait(300);
        QTextCursor c(text1->document());
        c.setPosition(text1->toPlainText().indexOf("Seagulls") + 3);
        QTest::mouseClick(text1->viewport(), Qt::LeftButton, Qt::NoModifier, text1->cursorRect(c).center());
    } else if (const QStringList size = which.split('x'); size.size() == 2) {
        w.resize(size[0].toInt(), size[1].toInt());
        if (argc > 3 && QString::fromLatin1(argv[3]) == "side")
            w.findChild<QAction *>("mnuCurY")->trigger();
    } else if (which == "tip")
        subject = new dlx::FrmTip(services.settings, 0.3, &w);
    else if (which == "about")
        subject = new dlx::FrmAbout(&w);
    else if (which == "help")
        subject = new dlx::HelpWindow(dlx::helpDocumentPath(context.programFolder), &w);
    subject->show();
    subject->raise();
    QTest::qWait(500);
    const QRect frame = subject->frameGeometry();
    const QPixmap shot = subject->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

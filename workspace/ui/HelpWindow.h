#pragma once
// The program's help: the Thai help document from the folder "help" beside the executable, in a window of
// its own with links between its sections.
#include "AppContext.h"

#include <QWidget>

class QTextBrowser;

namespace dlx {

/// Where the help document lives: programFolder + "/help/index.html".
QString helpDocumentPath(const QString &programFolder);

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const QString &document, QWidget *parent = nullptr);
    QTextBrowser *browser() const { return browser_; }

private:
    QTextBrowser *browser_;
};

/// Opens the help window centred over the parent's window and returns it; a missing help document is reported
/// (exclamation icon, "โปรแกรมผิดพลาด") and gives nullptr.
HelpWindow *showHelpWindow(QWidget *parent, const AppContext &context);

} // namespace dlx

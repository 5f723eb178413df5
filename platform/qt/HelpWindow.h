#pragma once
// The program's help: the Thai help document from the folder "help" beside the executable, in a window of its
// own with links between its sections. The main window opens it at the top; the typing drills and the puzzle
// open it at their own sections.
#include "AppContext.h"

#include <QWidget>

class QTextBrowser;

namespace dlx {

/// Where the help document lives: programFolder + "/help/index.html".
QString helpDocumentPath(const QString &programFolder);

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    /// document is the help file; anchor the section to show first (empty: the top).
    explicit HelpWindow(const QString &document, const QString &anchor = {}, QWidget *parent = nullptr);
    QTextBrowser *browser() const { return browser_; }

private:
    QTextBrowser *browser_;
};

/// Opens the help at the anchor in a window centred over the parent's window and kept on its screen (deleted
/// on close), and returns it; a missing help document is reported (exclamation icon, "โปรแกรมผิดพลาด") and
/// gives nullptr.
HelpWindow *showHelpWindow(QWidget *parent, const AppContext &context, const QString &anchor = {});

} // namespace dlx

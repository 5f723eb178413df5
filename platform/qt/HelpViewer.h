#pragma once
// The help document opened at one of its sections, for windows outside the main window (the typing drills and
// the puzzle) that cannot reach the main window's help: programFolder + "/help/index.html#anchor" in a window of
// its own.
#include "AppContext.h"

#include <QWidget>

class QTextBrowser;

namespace dlx {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    /// document is the help file; anchor the section to show first (empty: the top).
    HelpViewer(const QString &document, const QString &anchor, QWidget *parent = nullptr);
    QTextBrowser *browser() const { return browser_; }

private:
    QTextBrowser *browser_;
};

/// Opens the help at the anchor in a window beside the parent (deleted on close) and returns it; a missing help
/// document is reported (exclamation icon, "โปรแกรมผิดพลาด") and gives nullptr.
HelpViewer *showHelpAt(QWidget *parent, const AppContext &context, const QString &anchor);

} // namespace dlx

#pragma once
// Keeping the window alive during long work: the busy cursor, work done on a thread of its own while the window
// goes on handling its events, and a pane filled a piece at a time.
#include <QEventLoop>
#include <QString>

#include <functional>

class QTextEdit;

namespace dlx {

/// The busy cursor while alive: an arrow with an hourglass, so that a click (a cancel) still works.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

/// The ordinary arrow while alive, over a busy cursor: for a message box shown in the middle of long work.
class ArrowCursor {
public:
    ArrowCursor();
    ~ArrowCursor();
    ArrowCursor(const ArrowCursor &) = delete;
    ArrowCursor &operator=(const ArrowCursor &) = delete;
};

/// Runs `work` on a thread of its own and returns when it is done; meanwhile this thread goes on handling window
/// events (repaints; user input too unless `events` excludes it). `work` must touch no widget and nothing those
/// events could change. An exception thrown by `work` is thrown again here.
void runAside(const std::function<void()> &work, QEventLoop::ProcessEventsFlags events = QEventLoop::AllEvents);

/// Replaces the pane's text like QTextEdit::setPlainText (the pane's current character format, no undo history),
/// a piece of lines at a time for a long text, calling `betweenPieces` with the percentage done after each. A long
/// text comes in a new document of the pane's; take pane.document() afresh after this.
void fillPane(QTextEdit &pane, const QString &text, const std::function<void(int percent)> &betweenPieces);

} // namespace dlx

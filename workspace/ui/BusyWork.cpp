#include "BusyWork.h"

#include "TranslationProgress.h"

#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QThread>

#include <exception>
#include <memory>

namespace dlx {

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::BusyCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

ArrowCursor::ArrowCursor() {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
}

ArrowCursor::~ArrowCursor() {
    QApplication::restoreOverrideCursor();
}

void runAside(const std::function<void()> &work, QEventLoop::ProcessEventsFlags events) {
    std::exception_ptr failure;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec(events);
    // The loop may also have ended because the program is ending; the work is finished either way.
    thread->wait();
    if (failure)
        std::rethrow_exception(failure);
}

void fillPane(QTextEdit &pane, const QString &text, const std::function<void(int percent)> &betweenPieces) {
    // About a twentieth of a second of inserting on an ordinary machine.
    constexpr qsizetype kPiece = 1 << 17;
    if (text.size() <= kPiece) {
        pane.setPlainText(text);
        return;
    }
    // Filled off the screen, where an insertion costs no layout, then shown at once: pieces inserted into the
    // pane itself would each be laid out again, many times slower.
    const QTextDocument *shown = pane.document();
    auto *document = new QTextDocument(&pane);
    document->setDefaultFont(shown->defaultFont());
    document->setDefaultTextOption(shown->defaultTextOption());
    document->setDocumentMargin(shown->documentMargin());
    document->setIndentWidth(shown->indentWidth());
    document->setUseDesignMetrics(shown->useDesignMetrics());
    document->setDefaultStyleSheet(shown->defaultStyleSheet());
    document->setUndoRedoEnabled(false);
    const QTextCharFormat format = pane.textCursor().charFormat();
    QTextCursor cursor(document);
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = std::min(text.size(), start + kPiece);
        while (end < text.size() && text[end - 1] != u'\n')
            ++end;
        cursor.insertText(text.mid(start, end - start), format);
        start = end;
        if (betweenPieces)
            betweenPieces(progressPercent(start, text.size()));
    }
    document->setUndoRedoEnabled(true);
    // The pane lets go of its old document (its own, or an earlier one of these).
    pane.setDocument(document);
}

} // namespace dlx

// FrmMain's edit routines on the active pane, and the font and colour commands.
#include "FrmMain.h"

#include "Dialogs.h"
#include "FileCommands.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace dlx {
namespace {

// Through the cursor, so that the user can take a clear back with undo.
void clearPane(QTextEdit &pane) {
    QTextCursor cursor(pane.document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

} // namespace

QTextEdit *FrmMain::activePaneWidget() const {
    return activePane_ ? &pane(*activePane_) : nullptr;
}

void FrmMain::UndoText() {
    if (QTextEdit *pane = activePaneWidget()) {
        pane->undo();
        pane->setFocus();
    }
}

void FrmMain::CutText() {
    if (QTextEdit *pane = activePaneWidget()) {
        pane->cut();
        pane->setFocus();
    }
}

void FrmMain::CopyText() {
    if (QTextEdit *pane = activePaneWidget()) {
        pane->copy();
        pane->setFocus();
    }
}

void FrmMain::pasteWithMessage() {
    if (QTextEdit *pane = activePaneWidget())
        dlx::pasteWithMessage(context_, messageParent_, *pane);
}

void FrmMain::DeleteText() {
    if (QTextEdit *pane = activePaneWidget()) {
        QTextCursor cursor = pane->textCursor();
        cursor.removeSelectedText();
        pane->setTextCursor(cursor);
        pane->setFocus();
    }
}

void FrmMain::SelectAllText() {
    if (QTextEdit *pane = activePaneWidget()) {
        pane->selectAll();
        pane->setFocus();
    }
}

void FrmMain::clearActivePane() {
    if (QTextEdit *pane = activePaneWidget())
        clearPane(*pane);
}

void FrmMain::clearBothPanes() {
    clearPane(*text1_);
    clearPane(*text2_);
}

void FrmMain::fontOfActivePane() {
    if (QTextEdit *pane = activePaneWidget())
        fontCommand(*pane);
}

// ---- fonts and colours

void FrmMain::fontCommand(QTextEdit &pane) {
    // Only name, bold, italic and size travel between the pane and the dialog.
    const QFontInfo shown(pane.font());
    QFont initial(shown.family());
    initial.setBold(shown.bold());
    initial.setItalic(shown.italic());
    initial.setPointSizeF(shown.pointSizeF());
    if (const std::optional<QFont> chosen = context_.dialogs.chooseFont(this, initial)) {
        QFont f = pane.font();
        f.setFamilies({chosen->family()});
        f.setBold(chosen->bold());
        f.setItalic(chosen->italic());
        if (chosen->pointSizeF() > 0)
            f.setPointSizeF(chosen->pointSizeF());
        else if (chosen->pixelSize() > 0)
            f.setPixelSize(chosen->pixelSize());
        pane.setFont(f);
    }
    pane.setFocus();
}

void FrmMain::backColourCommand(QTextEdit &pane) {
    const QColor initial = pane.palette().color(QPalette::Base);
    if (const std::optional<QColor> chosen = context_.dialogs.chooseColor(this, initial)) {
        QPalette pal = pane.palette();
        pal.setColor(QPalette::Base, *chosen);
        pane.setPalette(pal);
        if (&pane == text2_)
            markUnknownWords(); // in a colour that stands out from the new background
    }
    pane.setFocus();
}

void FrmMain::foreColourCommand(QTextEdit &pane) {
    QTextCursor cursor(pane.document());
    cursor.select(QTextCursor::Document);
    pane.setTextCursor(cursor);
    const QBrush current = cursor.charFormat().foreground();
    const QColor initial = current.style() == Qt::NoBrush ? pane.palette().color(QPalette::Text) : current.color();
    if (const std::optional<QColor> chosen = context_.dialogs.chooseColor(this, initial)) {
        QTextCharFormat format;
        format.setForeground(*chosen);
        cursor.mergeCharFormat(format);
        // Text typed later into the pane takes the colour as well.
        pane.setTextColor(*chosen);
    }
    cursor.movePosition(QTextCursor::Start);
    pane.setTextCursor(cursor);
    pane.setFocus();
}

} // namespace dlx

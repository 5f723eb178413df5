// FrmMain's reading aids: the word panel "คำศัพท์" beside the panes (F8), what a click on a word shows there, and
// the marks on the words a translation left in English. The marks are extra selections of the translation pane,
// drawn over its text and never part of it, so saving, printing and copying give the plain text.
#include "FrmMain.h"

#include "DictionaryWindows.h"
#include "Settings.h"
#include "Toolbar.h"
#include "WordPanel.h"

#include <QAction>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace dlx {
namespace {

// A translation with more words left in English than this marks only the first ones: the marks are drawn at each
// repaint.
constexpr int kMostMarks = 20000;

bool isWordChar(QChar c) {
    return c.unicode() < 128 && c.isLetterOrNumber();
}

bool isLetter(QChar c) {
    return c.unicode() < 128 && c.isLetter();
}

// The mark's colour: of red, blue and orange, the one furthest from the pane's background.
QColor markColour(const QColor &background) {
    const QColor choices[] = {QColor(220, 0, 0), QColor(0, 80, 255), QColor(255, 140, 0)};
    QColor best = choices[0];
    int bestDistance = -1;
    for (const QColor &c : choices) {
        const int dr = c.red() - background.red(), dg = c.green() - background.green(),
                  db = c.blue() - background.blue();
        const int distance = dr * dr + dg * dg + db * db;
        if (distance > bestDistance) {
            best = c;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

void FrmMain::createWordPanel() {
    wordPanel_ = new WordPanel(
        context_.dictionary(), [this](const DictionaryEntry &entry, bool existing) { openEditorOn(entry, existing); },
        this);
    wordPanel_->setMinimumWidth(240);
    addDockWidget(Qt::RightDockWidgetArea, wordPanel_);
    wordPanel_->hide();
    surface_->installEventFilter(this);

    QAction *panel = action("mnuWordPanel");
    connect(panel, &QAction::toggled, this, [this](bool open) {
        setWordPanelOpen(open);
        context_.settings.setValue("Reading", "WordPanel", open ? "1" : "0");
    });
    // Its own close button unticks the menu item.
    connect(wordPanel_, &WordPanel::closed, panel, [panel] { panel->setChecked(false); });

    QAction *marks = action("mnuMarkUnknown");
    marks->setChecked(context_.settings.value("Reading", "MarkUnknown", "1") != "0");
    connect(marks, &QAction::toggled, this, [this](bool on) {
        context_.settings.setValue("Reading", "MarkUnknown", on ? "1" : "0");
        markUnknownWords();
    });
    panel->setChecked(context_.settings.value("Reading", "WordPanel", "0") == "1");
}

bool FrmMain::wordPanelDocked() const {
    return wordPanel_ && !wordPanel_->isHidden() && !wordPanel_->isFloating();
}

void FrmMain::setWordPanelOpen(bool open) {
    // The window grows by the panel's width, so the panes keep their size beside it, and shrinks back when it
    // closes; a maximised window keeps its size.
    const bool sized = !isMaximized() && !isFullScreen() && !wordPanel_->isFloating();
    if (open && wordPanel_->isHidden()) {
        const int room = std::max(wordPanel_->minimumWidth(), 300);
        wordPanel_->show();
        if (sized) {
            widenedBy_ = room;
            resize(width() + room, height());
        }
        resizeDocks({wordPanel_}, {room}, Qt::Horizontal);
    } else if (!open) {
        wordPanel_->hide(); // already hidden when its own close button was clicked
        if (sized && widenedBy_ > 0)
            resize(width() - widenedBy_, height());
        widenedBy_ = 0;
    }
    if (action("mnuWordPanel")->isChecked() != open)
        action("mnuWordPanel")->setChecked(open);
}

void FrmMain::lookAtPoint(Pane which, const QPoint &pos, bool force) {
    QTextEdit &edit = pane(which);
    const QTextCursor cursor = edit.cursorForPosition(pos);
    const QString text = cursor.block().text();
    const int at = cursor.positionInBlock();
    // The character clicked: the one before the cursor when the click lies left of it.
    int hit = at;
    if (hit > 0 && (hit >= text.size() || pos.x() < edit.cursorRect(cursor).center().x()))
        --hit;
    if (hit < 0 || hit >= text.size())
        return;

    QString word;
    if (isWordChar(text[hit])) {
        int start = hit, end = hit + 1;
        while (start > 0 && isWordChar(text[start - 1]))
            --start;
        while (end < text.size() && isWordChar(text[end]))
            ++end;
        word = text.mid(start, end - start);
    }
    const bool english = !word.isEmpty() && isLetter(word[0]);
    const bool open = !wordPanel_->isHidden();
    const bool marked = which == Pane::Translation && english && action("mnuMarkUnknown")->isChecked();
    if (!open && !force && !marked)
        return; // with the panel closed a click is only a click
    if (english) {
        setWordPanelOpen(true);
        wordPanel_->showWord(word);
        return;
    }
    if (which != Pane::Translation)
        return;
    if (const auto span = wordPanel_->meaningAt(text, hit)) {
        setWordPanelOpen(true);
        wordPanel_->showMeaning(text.mid(span->first, span->second));
    }
}

void FrmMain::openEditorOn(const DictionaryEntry &entry, bool existing) {
    if (entry.english.empty())
        showFrmAdd(this, context_);
    else
        showFrmAddOn(this, context_, entry, existing);
    wordPanel_->lookAgain(); // the editor may have changed what the panel shows
}

void FrmMain::readingRunStarts() {
    unknownWords_.clear();
    translator_->onUnknownWord = [this](std::u32string_view word) { unknownWords_.add(word); };
}

void FrmMain::readingRunEnded() {
    translator_->onUnknownWord = nullptr;
    wordPanel_->setUnknownWords(unknownWords_.mostFrequent());
    markUnknownWords();
}

void FrmMain::markUnknownWords() {
    QList<QTextEdit::ExtraSelection> marks;
    if (action("mnuMarkUnknown")->isChecked()) {
        QTextCharFormat wavy;
        wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        wavy.setUnderlineColor(markColour(text2_->palette().color(QPalette::Base)));
        // Every run of English letters left in the translation.
        const QString all = text2_->document()->toPlainText();
        for (int i = 0; i < all.size() && marks.size() < kMostMarks;) {
            if (!isLetter(all[i])) {
                ++i;
                continue;
            }
            int end = i + 1;
            while (end < all.size() && isWordChar(all[end]))
                ++end;
            QTextCursor c(text2_->document());
            c.setPosition(i);
            c.setPosition(end, QTextCursor::KeepAnchor);
            marks.append({c, wavy});
            i = end;
        }
    }
    text2_->setExtraSelections(marks);
}

} // namespace dlx

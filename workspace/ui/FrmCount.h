#pragma once
// FrmCount: the word count of both panes, or of the selection in a pane that has one. ต้นฉบับ shows its words,
// characters, lines and English words; งานแปล its words, characters, lines, Thai words and the English words
// still left untranslated.
#include "WordCount.h"

#include <QDialog>

class QLabel;

namespace dlx {

class FrmCount : public QDialog {
    Q_OBJECT
public:
    FrmCount(const QString &original, bool originalIsSelection, const QString &translation, bool translationIsSelection,
             QWidget *parent = nullptr);

    const WordCounts &originalCounts() const { return original_; }
    const WordCounts &translationCounts() const { return translation_; }

private:
    WordCounts original_, translation_;
};

/// Counts the two texts and shows the result in a window-modal FrmCount beside the parent (closed with "ปิด",
/// deleted on close). A flag tells that its text is the selection of that pane rather than the whole pane.
FrmCount *showWordCount(QWidget *parent, const QString &original, bool originalIsSelection, const QString &translation,
                        bool translationIsSelection);

} // namespace dlx

#pragma once
// The word panel "คำศัพท์" docked beside the panes: the dictionary's lines for a word the reader clicked (the one
// the translation uses marked), the English entries of a Thai meaning, and the words the last translation left
// in English. Its buttons take the reader to the editor on the word shown.
#include "LetterFile.h"
#include "Lexicon.h"
#include "WordLookup.h"

#include <QDockWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace dlx {

class WordPanel : public QDockWidget {
    Q_OBJECT
public:
    /// `openEditor` opens the editor on an entry (existing) or ready to add a word (not existing).
    WordPanel(DataFolders dictionary, std::function<void(const DictionaryEntry &, bool existing)> openEditor,
              QWidget *parent = nullptr);
    ~WordPanel() override;

    /// Shows how the translation reaches the English word, with all its lines.
    void showWord(const QString &word);
    /// Shows the English entries whose meaning holds the Thai text.
    void showMeaning(const QString &thai);
    /// The longest dictionary meaning that covers text[at]: its start and length.
    std::optional<std::pair<int, int>> meaningAt(const QString &text, int at);
    /// The words the last translation left in English, most frequent first.
    void setUnknownWords(const std::vector<std::pair<std::u32string, long>> &words);
    /// Asks the dictionary again for what is shown (after the editor has changed it).
    void lookAgain();

signals:
    /// The panel's own close button was clicked.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showSenses(const std::vector<Sense> &senses, bool withMarks);
    void updateButtons();

    Lexicon lexicon_;
    WordLookup lookup_;
    std::function<void(const DictionaryEntry &, bool)> openEditor_;
    QString shownWord_; ///< the English word shown, or empty
    QString shownThai_; ///< the Thai text shown, or empty
    bool wordHasLines_ = false;

    QLabel *title_ = nullptr;
    QLabel *reach_ = nullptr;
    QTreeWidget *senses_ = nullptr;
    QPushButton *edit_ = nullptr;
    QPushButton *add_ = nullptr;
    QTreeWidget *unknown_ = nullptr;
};

} // namespace dlx

#pragma once
// The rules of the word puzzle: a random English dictionary word with its first and last letters given, the inner
// letters uncovered by key presses, five tries per word.
#include "RandomEntry.h"

#include <array>
#include <optional>
#include <string>

namespace dlx {

class PuzzleGame {
public:
    static constexpr int kSlotCount = 16;
    static constexpr int kTries = 5;

    PuzzleGame(DataFolders dataFolder, RandomSource &random);

    /// Draws a new word of at most 16 letters and opens a turn. When the dictionary holds no such word the previous
    /// word is played again (before the first word: an empty word) and the result is false.
    bool newWord();
    /// Opens a turn on the given entry; newWord() ends here after a successful draw.
    void startWord(const DictionaryEntry &entry);

    const std::u32string &word() const { return word_; }
    const std::u32string &meaning() const { return meaning_; }
    const std::u32string &label() const { return label_; }
    /// Slots in use: one per letter of the word.
    int length() const { return static_cast<int>(word_.size()); }
    /// What slot k shows: its letter once uncovered, nothing while it is still "_" (or not in use).
    std::optional<char32_t> slotAt(int slot) const;
    int triesLeft() const { return tries_; }
    bool turnOver() const { return over_; }
    int score() const { return score_; }

    enum class KeyOutcome {
        Ignored,   ///< the turn is over
        Uncovered, ///< the key matched at least one inner letter
        Missed,    ///< the key matched nothing and cost a try
        Won,       ///< every inner letter is uncovered: +1, turn over
        Lost,      ///< the last try is gone: the word is uncovered, turn over
    };
    /// One character key; letters are compared exactly, so "E" does not uncover "e". The first and last letters
    /// are given and never match.
    KeyOutcome press(char32_t key);

private:
    void openTurn();
    void uncoverAll();

    DataFolders dataFolder_;
    RandomSource &random_;
    std::u32string word_, meaning_, label_;
    std::array<bool, kSlotCount> uncovered_{};
    int tries_ = kTries;
    bool over_ = false;
    int score_ = 0;
};

} // namespace dlx

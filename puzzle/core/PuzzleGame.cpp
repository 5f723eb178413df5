#include "PuzzleGame.h"

namespace dlx {

PuzzleGame::PuzzleGame(DataFolders dataFolder, RandomSource &random)
    : dataFolder_(std::move(dataFolder)), random_(random) {}

bool PuzzleGame::newWord() {
    const EntryRule rule{EntryField::English, static_cast<std::size_t>(kSlotCount)};
    if (auto drawn = drawRandomEntry(dataFolder_, rule, random_)) {
        startWord(drawn->entry);
        return true;
    }
    openTurn(); // the previous word is played again
    return false;
}

void PuzzleGame::startWord(const DictionaryEntry &entry) {
    // Longer words do not fit the slot row; the draw never hands one over, and a caller that does gets it cut.
    word_ = entry.english.substr(0, kSlotCount);
    meaning_ = entry.thai;
    label_ = entry.label;
    openTurn();
}

void PuzzleGame::openTurn() {
    tries_ = kTries;
    over_ = false;
    uncovered_.fill(false);
    if (!word_.empty()) {
        uncovered_[0] = true;
        uncovered_[word_.size() - 1] = true;
    }
}

std::optional<char32_t> PuzzleGame::slotAt(int slot) const {
    if (slot < 0 || slot >= length() || !uncovered_[static_cast<std::size_t>(slot)])
        return std::nullopt;
    return word_[static_cast<std::size_t>(slot)];
}

void PuzzleGame::uncoverAll() {
    for (std::size_t i = 0; i < word_.size(); ++i)
        uncovered_[i] = true;
}

PuzzleGame::KeyOutcome PuzzleGame::press(char32_t key) {
    if (over_)
        return KeyOutcome::Ignored;
    const int len = length();
    bool matched = false;
    for (int i = 1; i <= len - 2; ++i) {
        if (word_[static_cast<std::size_t>(i)] == key) {
            uncovered_[static_cast<std::size_t>(i)] = true;
            matched = true;
        }
    }
    if (!matched)
        --tries_;

    // Counted against length - 2, so a two-letter word (no inner letter) is won by its first key, while a
    // one-letter or empty word can never be won.
    int innerUncovered = 0;
    for (int i = 1; i <= len - 2; ++i)
        innerUncovered += uncovered_[static_cast<std::size_t>(i)] ? 1 : 0;
    if (innerUncovered == len - 2) {
        uncoverAll();
        over_ = true;
        ++score_;
        return KeyOutcome::Won;
    }
    if (tries_ == 0) {
        uncoverAll();
        over_ = true;
        return KeyOutcome::Lost;
    }
    return matched ? KeyOutcome::Uncovered : KeyOutcome::Missed;
}

} // namespace dlx

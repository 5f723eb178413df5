#pragma once
// The rules of the typing drill, shared by the English and the Thai twin: one random dictionary entry at a time,
// typed character by character into a row of slots, scored with Enter, and a clock that ends a timed run.
#include "DrillRecords.h"
#include "RandomEntry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace dlx {

/// The clock as its four digit labels show it: minutes tens, minutes units, seconds tens, seconds units.
/// The minutes tens keep counting past 9, so 100 minutes read "10" "0" ":" "0" "0".
struct DrillClock {
    int minutesTens = 0;
    int minutesUnits = 0;
    int secondsTens = 0;
    int secondsUnits = 0;

    bool operator==(const DrillClock &) const = default;
};

/// The pace of a timed run: how long the clock has run and the characters typed meanwhile (Enter that scores a
/// word is not a character; keys typed while the clock stands are not counted).
struct DrillSpeed {
    int seconds = 0;
    int typed = 0;
    int right = 0; ///< typed characters that matched their slot

    /// Characters per minute, rounded; 0 before the first second.
    int charactersPerMinute() const;
    /// Words per minute counting five characters a word, rounded; 0 before the first second.
    int wordsPerMinute() const;
    /// right / typed in percent, rounded; nothing before the first character.
    std::optional<int> accuracyPercent() const;

    bool operator==(const DrillSpeed &) const = default;
};

class TypingDrill {
public:
    static constexpr int kSlotCount = 16;
    static constexpr int kMaxSlotsInUse = 15; ///< the last slot is never used
    static constexpr char32_t kEnter = U'\r';

    /// timeLimit is the program-wide length of a timed run in minutes, read at every clock tick.
    TypingDrill(DrillTwin twin, DataFolders dataFolder, RandomSource &random, const std::int16_t &timeLimit);

    /// Where scored words and finished runs are kept; none (the default) keeps nothing.
    void setRecords(DrillRecords *records) { records_ = records; }
    /// While practising, new words come from the missed words first (at random, not the word just asked when
    /// there is another), then from the whole dictionary when none is left.
    void setPractising(bool on) { practising_ = on; }
    bool practising() const { return practising_; }

    /// Draws a new entry and clears the slots. When the dictionary holds no playable entry the previous word is
    /// asked for again (before the first word: no word, no slot in use) and the result is false.
    bool newWord();
    /// Starts the given entry as the word to type; newWord() ends here after a successful draw.
    void startWord(const DictionaryEntry &entry);

    DrillTwin twin() const { return twin_; }
    const std::u32string &target() const { return target_; }
    const std::u32string &shownField() const { return shown_; } ///< the other field: meaning or English word
    const std::u32string &label() const { return label_; }
    int slotsInUse() const { return slotsInUse_; }
    int nextPosition() const { return next_; }
    /// Slot k (0..15): its target character when in use, nothing otherwise.
    std::optional<char32_t> targetAt(int slot) const;
    /// The character typed into slot k, nothing while the slot still waits.
    std::optional<char32_t> typedAt(int slot) const;
    bool wrongAt(int slot) const;
    bool lastSlotTyped() const;
    int score() const { return score_; }

    enum class KeyOutcome {
        Typed,   ///< filled the next slot (rightly or wrongly)
        Scored,  ///< Enter after the last slot: the score changed and a new word was drawn
        Ignored, ///< every slot is typed and the key is not Enter
    };
    /// One character key. Enter is kEnter; before the last slot is typed it fills the slot like any character.
    /// A scored word goes to the records: a word with a wrong character is kept as missed, and a missed word
    /// leaves them when it is typed right twice in a row.
    KeyOutcome press(char32_t key);
    /// The records' failure at the last scoring, if any; the word was scored all the same.
    const std::optional<IoError> &recordsFailure() const { return recordsFailure_; }

    const DrillClock &clock() const { return clock_; }
    bool clockRunning() const { return running_; }
    /// A timed run starts (again): the clock shows 00:00 and runs, the speed starts afresh. The score is left as
    /// it is.
    void startClock();
    void stopClock() { running_ = false; }
    /// One second of a running clock; true when this tick reaches the time limit, which also stops the clock.
    /// A stopped clock ignores ticks.
    bool tick();
    /// The pace of the current or last timed run (all zero before the first run).
    const DrillSpeed &speed() const { return speed_; }
    /// Stores the run that just reached its time limit, finished at the given time (seconds since 1970 UTC).
    Status recordTimedRun(std::int64_t finishedAt);

private:
    bool timeIsUp() const;
    void clearSlots();
    bool drawMissedWord();
    Status noteScored(bool clean);

    DrillTwin twin_;
    DataFolders dataFolder_;
    RandomSource &random_;
    const std::int16_t &timeLimit_;
    DrillRecords *records_ = nullptr;
    bool practising_ = false;
    std::optional<IoError> recordsFailure_;
    DictionaryEntry entry_;

    std::u32string target_, shown_, label_;
    int slotsInUse_ = 0;
    int next_ = 0;
    std::array<std::optional<char32_t>, kSlotCount> typed_{};
    std::array<bool, kSlotCount> wrong_{};
    int score_ = 0;
    DrillClock clock_;
    bool running_ = false;
    DrillSpeed speed_;
};

} // namespace dlx

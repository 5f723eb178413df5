#pragma once
// What the typing drill keeps between sessions: the finished timed runs and the words the user missed. The drill
// talks to this interface only; the program stores both in a database of the user's (typing/ui/SqlDrillRecords).
#include "LetterFile.h"
#include "Result.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace dlx {

enum class DrillTwin {
    English, ///< types the English word, shows the Thai meaning
    Thai,    ///< types the Thai meaning, shows the English word
};

/// One timed run that reached its time limit.
struct DrillRun {
    std::int64_t finishedAt = 0; ///< seconds since 1970-01-01 UTC
    DrillTwin twin = DrillTwin::English;
    int timeLimit = 0; ///< minutes, as the time-limit window took it
    int score = 0;     ///< the drill's score when the time was up
    int charactersPerMinute = 0;
    std::optional<int> accuracyPercent; ///< nothing when no character was typed

    bool operator==(const DrillRun &) const = default;
};

/// A word scored -1, kept for practice until it is typed right twice in a row.
struct MissedWord {
    DictionaryEntry entry;
    int rightInARow = 0; ///< right scorings since its last miss

    bool operator==(const MissedWord &) const = default;
};

class DrillRecords {
public:
    virtual ~DrillRecords() = default;
    virtual Status addRun(const DrillRun &run) = 0;
    /// Every stored run, oldest first.
    virtual Result<std::vector<DrillRun>> runs() const = 0;
    /// The twin's missed words in the order they were first missed.
    virtual Result<std::vector<MissedWord>> missedWords(DrillTwin twin) const = 0;
    /// Stores the word for the twin, replacing the one with the same English and Thai.
    virtual Status keepMissedWord(DrillTwin twin, const MissedWord &word) = 0;
    virtual Status dropMissedWord(DrillTwin twin, const DictionaryEntry &entry) = 0;
};

} // namespace dlx

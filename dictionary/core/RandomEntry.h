#pragma once
// Random dictionary entries for the games: a letter drawn uniformly from A to Z, then a line drawn uniformly from
// that letter's file, split at "/".
#include "LetterFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace dlx {

/// Uniform whole numbers. Windows own one generator seeded from the clock; tests pass a scripted one.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    /// A number drawn uniformly from low to high, both included. Callers guarantee low <= high.
    virtual int between(int low, int high) = 0;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    int between(int low, int high) override { return std::uniform_int_distribution<int>(low, high)(engine_); }

private:
    std::mt19937_64 engine_;
};

enum class EntryField { English, Thai };

/// Which lines a game can play: the field it asks for must not be empty and, when maxTargetLength is not 0,
/// must be at most that many characters long (the puzzle has 16 slots).
struct EntryRule {
    EntryField target = EntryField::English;
    std::size_t maxTargetLength = 0;

    bool playable(const DictionaryEntry &entry) const;
};

struct DrawnEntry {
    char32_t letter = U'A';
    std::size_t lineNumber = 0; ///< 1-based, counting every line of the file, empty ones included
    DictionaryEntry entry;      ///< the line split as splitEntry does: a line without "/" is a word alone
};

/// Draws one playable entry from the letter files of the dictionary.
///
/// The first letter is drawn uniformly from all 26. A letter whose file is absent, cannot be read or holds no
/// playable line is set aside and another letter is drawn from those left, so at most 26 files are read and a
/// playable word is always found when the dictionary has one. Within a file the line is drawn uniformly among its
/// playable lines, which is what drawing any line and drawing again on an unplayable one amounts to.
/// Nothing when no letter file holds a playable line.
std::optional<DrawnEntry> drawRandomEntry(const DataFolders &dataFolder, const EntryRule &rule, RandomSource &random);

} // namespace dlx

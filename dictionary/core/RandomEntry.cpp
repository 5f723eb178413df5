#include "RandomEntry.h"

#include <vector>

namespace dlx {

bool EntryRule::playable(const DictionaryEntry &entry) const {
    const std::u32string &t = target == EntryField::English ? entry.english : entry.thai;
    return !t.empty() && (maxTargetLength == 0 || t.size() <= maxTargetLength);
}

std::optional<DrawnEntry> drawRandomEntry(const DataFolders &dataFolder, const EntryRule &rule, RandomSource &random) {
    std::vector<char32_t> letters;
    for (char32_t c = U'A'; c <= U'Z'; ++c)
        letters.push_back(c);

    while (!letters.empty()) {
        const int pick = random.between(0, static_cast<int>(letters.size()) - 1);
        const char32_t letter = letters[static_cast<std::size_t>(pick)];
        letters.erase(letters.begin() + pick);

        const auto read = readLetterFile(dataFolder, letter);
        if (!read || !read->present)
            continue;
        const LetterFileLines &file = *read;
        std::vector<std::size_t> playable; // 0-based line indexes
        for (std::size_t i = 0; i < file.lines.size(); ++i)
            if (rule.playable(splitEntry(file.lines[i])))
                playable.push_back(i);
        if (playable.empty())
            continue;
        const std::size_t index =
            playable[static_cast<std::size_t>(random.between(0, static_cast<int>(playable.size()) - 1))];
        return DrawnEntry{letter, index + 1, splitEntry(file.lines[index])};
    }
    return std::nullopt;
}

} // namespace dlx

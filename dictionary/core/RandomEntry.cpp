#include "RandomEntry.h"

#include "LetterFile.h"

#include <vector>

namespace dlx {

EntryFields splitEntryFields(std::u32string_view line) {
    EntryFields f;
    std::u32string *dest[] = {&f.english, &f.thai, &f.label};
    std::size_t start = 0;
    for (std::u32string *field : dest) {
        const std::size_t slash = line.find(U'/', start);
        *field = line.substr(start, slash == std::u32string_view::npos ? std::u32string_view::npos : slash - start);
        if (slash == std::u32string_view::npos)
            break;
        start = slash + 1;
    }
    return f;
}

bool EntryRule::playable(const EntryFields &fields) const {
    const std::u32string &t = target == EntryField::English ? fields.english : fields.thai;
    return !t.empty() && (maxTargetLength == 0 || t.size() <= maxTargetLength);
}

std::optional<DrawnEntry> drawRandomEntry(const std::string &dataFolder, const EntryRule &rule, RandomSource &random) {
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
            if (rule.playable(splitEntryFields(file.lines[i])))
                playable.push_back(i);
        if (playable.empty())
            continue;
        const std::size_t index =
            playable[static_cast<std::size_t>(random.between(0, static_cast<int>(playable.size()) - 1))];
        return DrawnEntry{letter, index + 1, splitEntryFields(file.lines[index])};
    }
    return std::nullopt;
}

} // namespace dlx

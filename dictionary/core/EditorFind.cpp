// The editor going to a word: opened on a word from elsewhere in the program, or sent on by a search that found
// its text in another letter.
#include "EditorModel.h"
#include "Utf8.h"

namespace dlx {
namespace {

bool isThai(char32_t c) {
    return c >= 0x0E00 && c <= 0x0E7F;
}

bool sameWord(std::u32string_view a, std::u32string_view b) {
    return upperAscii(trimSpaces(a)) == upperAscii(trimSpaces(b));
}

} // namespace

EditorOutcome EditorModel::openOn(const DictionaryEntry &entry) {
    const std::u32string letter = letterOf(trimSpaces(entry.english));
    if (letter.empty())
        return {};
    chooseLetter(letter);
    std::optional<std::size_t> first;
    for (std::size_t row = 0; row < lines_.size(); ++row) {
        const DictionaryEntry line = splitEntry(lines_[row]);
        if (!sameWord(line.english, entry.english))
            continue;
        if (line.thai == entry.thai && line.label == entry.label)
            return selectEntry(row);
        if (!first)
            first = row;
    }
    if (first)
        return selectEntry(*first);
    return startNewWord(trimSpaces(entry.english));
}

EditorOutcome EditorModel::startNewWord(std::u32string_view word) {
    const std::u32string letter = letterOf(word);
    if (letter.empty())
        return {};
    if (letter != letter_ || lines_.empty())
        chooseLetter(letter);
    selected_.reset();
    mode_ = EditorMode::Add;
    fields_ = DictionaryEntry{std::u32string(word), {}, {}, 3};
    return {std::nullopt, EditorFocus::Meaning};
}

EditorOutcome EditorModel::openPlace(const EntryPlace &place) {
    chooseLetter(place.letter);
    for (std::size_t row = 0; row < lines_.size(); ++row)
        if (lines_[row] == place.line)
            return selectEntry(row);
    return {};
}

std::optional<EntryPlace> EditorModel::findElsewhere(std::u32string_view text) const {
    if (text.empty())
        return std::nullopt;
    const std::u32string own = letterOf(text);
    if (!own.empty()) {
        if (own == letter_)
            return std::nullopt;
        if (auto file = readLetterFile(folders_, own[0]))
            for (const auto &line : file->lines)
                if (line.starts_with(text))
                    return EntryPlace{own, line};
        return std::nullopt;
    }
    bool thai = false;
    for (char32_t c : text)
        thai = thai || isThai(c);
    if (!thai)
        return std::nullopt;
    const char32_t from = letter_.size() == 1 ? letter_[0] : U'A';
    for (int i = 0; i < 26; ++i) {
        const char32_t L = U'A' + (from - U'A' + i) % 26;
        if (std::u32string(1, L) == letter_)
            continue; // the chosen letter's own lines, edits included, were searched already
        auto file = readLetterFile(folders_, L);
        if (!file)
            continue;
        for (const auto &line : file->lines)
            if (splitEntry(line).thai.find(text) != std::u32string::npos)
                return EntryPlace{std::u32string(1, L), line};
    }
    return std::nullopt;
}

} // namespace dlx

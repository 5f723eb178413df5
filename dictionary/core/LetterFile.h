#pragma once
// The dictionary's letter files: Data/A.pal ... Data/Z.pal, Windows-874, one entry per line,
// "english/thai/label" (further "/" pieces are ignored).
#include "DataFolders.h"
#include "Result.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dlx {

/// One line of a letter file: the English word, the Thai meaning and the part-of-speech label. The editor's input
/// fields and a game's drawn word are one of these too.
struct DictionaryEntry {
    std::u32string english;
    std::u32string thai;
    std::u32string label;
    /// How many of the three fields the line held (1 to 3); a field the line lacks is empty. Readers that keep
    /// what they held for a missing field (the editor) look here.
    int fieldCount = 3;

    bool operator==(const DictionaryEntry &) const = default;
};

/// The one reading of a line: split at every "/", the first three pieces are the fields, further pieces are
/// ignored, a missing field is empty.
///   "bank/ธนาคาร/n.(นาม)/x" => {bank, ธนาคาร, n.(นาม), 3};  "bank/ธนาคาร" => {bank, ธนาคาร, "", 2};
///   "bank" => {bank, "", "", 1}
DictionaryEntry splitEntry(std::u32string_view line);

/// The same reading for readers that need a meaning: a line without any "/" is not an entry and gives nothing.
std::optional<DictionaryEntry> parseEntry(std::u32string_view line);

/// The eleven labels the editor offers, in the editor's order.
const std::vector<std::u32string> &partOfSpeechLabels();

/// A label as the translation's grammar sees it: one of the eleven labels above, in the same order, or Other
/// for any other text (an empty label, a misspelt one).
enum class Label : std::uint8_t {
    Noun,
    Pronoun,
    Adjective,
    TransitiveVerb,
    IntransitiveVerb,
    Adverb,
    Preposition,
    Conjunction,
    Question,
    Reading,
    Be,
    Other
};

/// The label whose text is exactly `text`: U"n.(นาม)" => Label::Noun, U"n." => Label::Other.
Label classifyLabel(std::u32string_view text);

/// Presence test: the path of letter L's file when a folder holds "L.pal" or "L.PAL" (exact case, a regular
/// file), otherwise nothing; the user's folder first, then the shipped one. L is 'A'..'Z'; anything else is absent.
std::optional<std::string> findLetterFile(const DataFolders &folders, char32_t letter);

/// Whether the letter file read for L is the user's own copy, laid over the shipped one (layered folders only).
bool isUsersOwnLetter(const DataFolders &folders, char32_t letter);

/// The path a writer uses for letter L: the existing file's name when present, else folder/L.pal.
std::string letterFilePath(const std::string &dataFolder, char32_t letter);

/// Where one line lies in a text, without its line end.
struct LineSpan {
    std::size_t start = 0;
    std::size_t length = 0;
};

/// The lines of a letter file's text. A line ends at LF, at CR LF, at a lone CR, and also at CR CR LF (any run of
/// CRs right before LF): a file that went through a line-end conversion twice reads as the entries it held, not
/// with an empty line after each. A final line end ends the last line.
///   "a\r\nb" => {a, b};  "a\r\r\nb\r\r\n" => {a, b};  "a\r\n\r\nb" => {a, "", b};  "a\rb" => {a, b}
template <class Char> std::vector<LineSpan> letterLineSpans(std::basic_string_view<Char> text) {
    std::vector<LineSpan> spans;
    std::size_t breaks = 0, returns = 0;
    for (Char c : text) {
        breaks += c == Char('\n');
        returns += c == Char('\r');
    }
    spans.reserve(std::max(breaks, returns) + 1);
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != Char('\r') && text[i] != Char('\n'))
            continue;
        spans.push_back({start, i - start});
        if (text[i] == Char('\r')) {
            std::size_t j = i;
            while (j < text.size() && text[j] == Char('\r'))
                ++j;
            if (j < text.size() && text[j] == Char('\n'))
                i = j; // CR... LF is one line end
        }
        start = i + 1;
    }
    if (start < text.size())
        spans.push_back({start, text.size() - start});
    return spans;
}

/// The lines themselves, as letterLineSpans finds them.
std::vector<std::u32string> letterFileLines(std::u32string_view text);

struct LetterFileLines {
    bool present = false;
    bool usersOwn = false;             ///< the file is the user's own copy in layered folders
    std::vector<std::u32string> lines; ///< decoded lines, split as letterLineSpans does
};

/// An absent file gives present = false and no lines; an error means the file is there but cannot be read.
Result<LetterFileLines> readLetterFile(const DataFolders &folders, char32_t letter);

/// The bytes of a letter file: each line in Windows-874 followed by CR LF.
std::string letterFileBytes(const std::vector<std::u32string> &lines);

} // namespace dlx

#pragma once
// The dictionary's letter files: Data/A.pal ... Data/Z.pal, Windows-874, one entry per line,
// "english/thai/label" (further "/" pieces are ignored).
#include "Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dlx {

/// One line of a letter file, split at "/". A line without any "/" is not an entry (parseEntry gives nothing);
/// a line with a meaning but no label gets an empty label.
struct DictionaryEntry {
    std::u32string english;
    std::u32string thai;
    std::u32string label;
};

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

/// Presence test: the path of letter L's file when the folder holds "L.pal" or "L.PAL" (exact case, a regular
/// file), otherwise nothing. L is 'A'..'Z'; anything else is absent.
std::optional<std::string> findLetterFile(const std::string &dataFolder, char32_t letter);

/// The path a writer uses for letter L: the existing file's name when present, else folder/L.pal.
std::string letterFilePath(const std::string &dataFolder, char32_t letter);

struct LetterFileLines {
    bool present = false;
    std::vector<std::u32string> lines; ///< decoded lines; CR LF, CR and LF all end a line
};

/// An absent file gives present = false and no lines; an error means the file is there but cannot be read.
Result<LetterFileLines> readLetterFile(const std::string &dataFolder, char32_t letter);

/// The bytes of a letter file: each line in Windows-874 followed by CR LF.
std::string letterFileBytes(const std::vector<std::u32string> &lines);

} // namespace dlx

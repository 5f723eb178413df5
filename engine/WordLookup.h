#pragma once
// The dictionary as a reader consults it: how the translation reaches an English word (its own entry, or a stem
// through a suffix rule, the same rules in the same order as the translation) with every line of the word and
// of its stems, and the other way round, the English entries whose meaning holds a Thai text.
//
// The letter files come from a Lexicon, so a file changed on disk (the editor, the download, another program)
// is read again on the next question. No Qt.
#include "Lexicon.h"
#include "Result.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace dlx {

/// One line of the dictionary, its fields as stored.
struct Sense {
    std::u32string english;
    std::u32string thai;
    std::u32string label;
    bool used = false; ///< the line the translation renders the word from
};

enum class WordReach {
    Exact,   ///< the word's own entry
    Stem,    ///< a stem through a suffix rule: walked => walk + -ed
    Article, ///< the, an and a: the translation writes no meaning of theirs
    Unknown, ///< no line renders it: the translation leaves it in English
};

struct WordReport {
    std::u32string word; ///< as asked, without surrounding spaces
    WordReach reach = WordReach::Unknown;
    std::u32string stem;   ///< Stem: the stem as its entry spells it ("walk")
    std::u32string suffix; ///< Stem: the ending the rule takes off ("-ed")
    std::u32string rendering; ///< what the translation writes for the word ("กำลังเดิน"); empty for Unknown
    /// Every line whose key is the word or one of the stems its suffix family tries, in file order.
    std::vector<Sense> senses;
    std::optional<IoError> error; ///< the letter file is there but cannot be read
};

/// An English entry found by its meaning.
struct MeaningMatch {
    Sense entry;
    bool exact = false; ///< the meaning is the Thai text itself
};

class WordLookup {
public:
    explicit WordLookup(Lexicon &lexicon) : lexicon_(lexicon) {}

    /// How the translation reaches the English word, with its lines.
    WordReport lookUp(std::u32string_view word);

    /// The entries, A to Z, whose meaning holds the Thai text (surrounding spaces ignored): those whose meaning
    /// is the text first, then the others, each group in letter and file order; at most `limit` of them.
    std::vector<MeaningMatch> findMeaning(std::u32string_view thai, std::size_t limit = 500);

    /// The longest meaning of the dictionary that covers the character text[at]: where it starts and its length.
    struct Span {
        std::size_t start = 0, length = 0;
    };
    std::optional<Span> meaningAt(std::u32string_view text, std::size_t at);

    /// The letter files that could not be read in the last question, if any.
    const std::vector<IoError> &errors() const { return errors_; }

private:
    /// The index of each letter, each file looked at again on disk first.
    std::array<const LetterIndex *, 26> letters();

    Lexicon &lexicon_;
    std::vector<IoError> errors_;
    // Every meaning of the dictionary (Windows-874), for meaningAt; made again when a letter file changed.
    std::array<std::uint64_t, 26> meaningSerials_{};
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_set<std::string, Hash, std::equal_to<>> meanings_;
    std::size_t longestMeaning_ = 0;
};

} // namespace dlx

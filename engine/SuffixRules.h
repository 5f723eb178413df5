#pragma once
// The English suffix families the lookup reduces to dictionary stems, as one table.
//
// A word is first put into a family by its ending (plural S, past ED, ING, comparative ER, superlative EST).
// Each of the family's sub-rules cuts characters off the upper-cased word, adds a stem ending, and matches an
// entry whose key is that stem; a word followed by a space (as the driver hands it over) has the space cut too.
#include "Lexicon.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dlx {

enum class SuffixFamily { None, S, ED, ING, ER, EST };

/// Which labels an entry needs for a sub-rule to use it.
enum class StemLabel { Any, Verb, Adjective };

struct SuffixRule {
    std::size_t cutWithSpace;       ///< characters cut from a word that ends with its space ("studied ": 4)
    std::size_t cutWithoutSpace;    ///< characters cut from a word without one ("studied": 3)
    std::u32string_view stemEnding; ///< lower-case letters added to the cut word: STUD + y
    std::size_t stemLongerThan;     ///< the stem (ending included, before trimming) must be longer than this
    StemLabel needs;
    bool holds; ///< a comparative or superlative: the meaning joins the held text instead of being written
    std::u32string_view thaiBefore, thaiAfter; ///< the rendering is thaiBefore + meaning + thaiAfter
};

/// The sub-rules of a family, tried in this order against each entry.
std::span<const SuffixRule> suffixRules(SuffixFamily family);

/// The family of the upper-cased word as the driver hands it over, and whether it ends with its space.
/// "WALKING " => ING with space; "USING" => None (the ING rules never reduce USING).
SuffixFamily suffixFamily(std::u32string_view upperWord, bool &withSpace);

/// True when an entry with this label may serve the rule.
bool labelServes(StemLabel needs, Label label);

/// What one letter file makes of one word.
struct Rendering {
    enum class How {
        Unrendered,  ///< left for the driver to write unchanged
        Exact,       ///< an entry with the word's own key: rendered by the mode and the label
        Write,       ///< a suffix rule: `meaning` is written, then the held text
        Hold,        ///< a comparative or superlative: `meaning` joins the held text
        RawFallback, ///< a suffixed word no line renders: written as it stands
    };
    How how = How::Unrendered;
    std::u32string meaning; ///< the entry's meaning (Exact) or the meaning with its Thai marker
    Label label = Label::Other;
};

/// The most sub-rules a family has.
inline constexpr std::size_t kMaxSuffixRules = 3;

/// The keys a word is looked for under: its own, then the stem of each sub-rule of its family.
struct WordKeys {
    std::u32string upper; ///< the word a-z upper-cased, its space kept
    std::u32string key;   ///< the word's own key: upper without surrounding spaces
    SuffixFamily family = SuffixFamily::None;
    bool withSpace = false;
    std::span<const SuffixRule> rules; ///< the family's sub-rules, in the order they are tried
    std::array<std::u32string, kMaxSuffixRules> stems;
    std::array<bool, kMaxSuffixRules> stemUsable{}; ///< a stem too short for its rule is never looked for
};

/// Fills `out` for the word as the driver hands it over ("walked " or "walked").
void wordKeys(std::u32string_view word, WordKeys &out);

/// Which entry renders the word: the first, in file order, whose key is the word's own (rule -1) or a usable stem
/// whose rule accepts its label (rule = that sub-rule's number).
struct ChosenEntry {
    LetterIndex::EntryNo entry = LetterIndex::kNone;
    int rule = -1;
};

/// Walks the entries of the word's keys in file order and gives the one that renders it. With `candidates`, the
/// walk goes on to the end and lists every entry of every key, in file order.
ChosenEntry chooseEntry(const LetterIndex &index, const WordKeys &keys,
                        std::vector<LetterIndex::EntryNo> *candidates = nullptr);

} // namespace dlx

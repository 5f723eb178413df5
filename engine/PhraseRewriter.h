#pragma once
// Phrase rewriting (CheckThaiIdiom): each rule of the table in order, replacing the leftmost occurrence and
// searching again from the start until the rule no longer occurs.
//
// The result is exactly that of the literal procedure, but computed without rescanning: a rule's search text
// never holds a line break, so lines are independent; an automaton over all search texts finds which rules
// occur in a line at all, and a rule that occurs is applied in one left-to-right pass that re-reads each
// replacement (a new match can only end inside or after it).
//
// Growth is bounded: a run of characters between two that no search text holds (no match can span those, so they
// stay in place) may grow to four times its length plus the longest replacement, no further. A replacement that
// would pass that is not made, and the rule makes no more in that run. Ordinary rules never come near it (one
// replacement always fits; the shipped ones at most triple a phrase), but rules that feed each other in a chain
// would otherwise multiply the text. The bound is the same whether a line comes whole or in pieces.
#include "ThaiIdiomTable.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dlx {

struct RewriteHooks {
    /// Asked before every replacement; false stops all replacing (a cancelled translation).
    std::function<bool()> mayReplace;
    /// Called after every replacement, to let window events run.
    std::function<void()> afterReplacement;
};

/// Working storage of one rewriting. A caller that rewrites many short texts passes its own to reuse it; it
/// must not be shared by calls that run inside each other (a hook may let window events run).
/// A run of the text being rewritten that a match may lie in: `gap` characters that no search text holds come
/// before it; `length` is what it holds now, `room` the most it may hold.
struct PhraseRun {
    std::size_t gap = 0, length = 0, room = 0;
};

struct RewriteScratch {
    std::u32string line, result, out, pending;
    std::vector<PhraseRun> runs;
    std::vector<std::int32_t> present;
    std::vector<std::size_t> madeInLine;       ///< per rule: replacements in the earlier pieces of the line
    std::vector<std::int32_t> rulesMadeInLine; ///< the rules counted there
    bool heldBack = false;                     ///< set when the growth bound stopped a rule (the caller clears it)
};

class PhraseRewriter {
public:
    /// The automaton's full table of moves is built when it has at most `largestTable` entries (the built-in
    /// rules need half a million); beyond that the scan walks the trie and its failure links.
    explicit PhraseRewriter(const std::vector<ThaiIdiomRule> &rules = ThaiIdiomTable(),
                            std::size_t largestTable = kLargestTable);

    /// Rewrites the text in place. Returns the number of replacements made.
    std::size_t CheckThaiIdiom(std::u32string &text, const RewriteHooks &hooks = {},
                               RewriteScratch *scratch = nullptr) const;

    /// Rewrites one piece of a line too long to hold at once. A piece holds no line break and ends where its line
    /// ends or just after a character that separatesPhrases(): what follows cannot change what the rules make of
    /// it. The pieces of a line go in order with the same scratch, the last with `lastOfLine`, so that the whole
    /// line is rewritten as CheckThaiIdiom would (the limit below counts for the whole line). No hooks: it is
    /// never cancelled. Returns the number of replacements made.
    std::size_t rewriteLinePiece(std::u32string &piece, RewriteScratch &scratch, bool lastOfLine) const;

    /// The rules' search texts in the order the rules apply.
    const std::vector<std::u32string> &searches() const { return search_; }

    /// True when no rule's search text holds the character, so that no phrase can span it.
    bool separatesPhrases(char32_t c) const { return classOf(c) == 0; }

    static constexpr std::size_t kLargestTable = std::size_t{1} << 24; // 64 MB

    /// Replacements of one rule in one line stop after this many (a guard against a rule feeding itself).
    static constexpr std::size_t kMaxReplacementsPerRule = 1u << 20;
    /// A run may grow to this many times its length before rewriting, plus the longest replacement.
    static constexpr std::size_t kGrowthFactor = 4;

private:
    /// Applies the rules in scratch.present. `countsGoOn`: the replacements are counted in scratch.madeInLine,
    /// for a line that comes in pieces.
    std::size_t rewriteLine(std::u32string &line, const RewriteHooks &hooks, RewriteScratch &scratch, bool &stopped,
                            bool countsGoOn) const;
    /// One rule over the line; `made` counts its replacements in the line so far.
    bool applyRule(std::u32string &line, std::size_t rule, const RewriteHooks &hooks, RewriteScratch &scratch,
                   std::size_t &made, std::size_t &count, bool &stopped) const;
    /// The runs of a line (or piece) before rewriting, into scratch.runs.
    void findRuns(std::u32string_view line, std::vector<PhraseRun> &runs) const;
    void rulesIn(std::u32string_view line, std::vector<std::int32_t> &present) const;
    /// The rules that occur in the line that starts at text[start]; gives where that line ends.
    std::size_t scanLine(std::u32string_view text, std::size_t start, std::vector<std::int32_t> &present) const;
    std::int32_t classOf(char32_t c) const;
    /// The trie child of `node` for a character class, or -1.
    std::int32_t child(std::int32_t node, std::int32_t cls) const;

    std::vector<std::u32string> search_, replacement_;
    std::size_t longestReplacement_ = 0;
    // Aho-Corasick automaton over the search texts, on a compact alphabet.
    std::vector<std::int32_t> charClass_; // for code points below 0x1000; 0 = in no search text
    std::unordered_map<char32_t, std::int32_t> wideClass_;
    std::int32_t classes_ = 1;
    std::vector<std::vector<std::pair<std::int32_t, std::int32_t>>> children_; // node -> (class, child), sorted
    std::vector<std::int32_t> fail_;                                           // node -> longest proper suffix node
    std::vector<std::int32_t> next_;     // node * classes_ + class -> target node * classes_ (complemented: a rule
                                         // ends there); empty when too big, and the scan follows fail_ instead
    std::vector<std::int32_t> outLink_;  // node -> nearest proper suffix node that ends a rule, or -1
    std::vector<std::int32_t> firstOut_; // node -> itself when it ends a rule, else outLink_
    std::vector<std::vector<std::int32_t>> nodeRules_; // node -> rules whose search text ends exactly here
};

} // namespace dlx

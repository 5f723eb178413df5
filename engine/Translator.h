#pragma once
// The word-by-word translation of one line at a time, all working on one shared TranslationState:
//   LineScan.cpp    the driver's cutting of a line into words and separators, and the word step;
//   CheckMean.cpp   the word step on one piece: articles, marks, Tabs, other pieces, or the lookup;
//   LookupWord.cpp  the lookup of a word and its rendering by the grammar rules (or word for word);
//   SuffixRules.cpp which letter-file entry renders a word, exactly or through the suffix families.
#include "GrammarRules.h"
#include "Lexicon.h"
#include "TranslationState.h"

#include <functional>
#include <optional>

namespace dlx {

/// Finds the first entry, in file order, that renders the word exactly or through a suffix rule.
/// `word` is CurrentWord as the driver left it (a trailing space selects the suffix rules for a word followed
/// by a space). "cats " with cat/แมว/n. => Write แมว; "taller" with tall/สูง/adj. => Hold สูงกว่า.
Rendering findRendering(const LetterIndex &index, std::u32string_view word);
/// The same into `out`, reusing its storage.
void findRendering(const LetterIndex &index, std::u32string_view word, Rendering &out);

class Translator {
public:
    /// Finds what letter L's file makes of a word in place of the indexed search (tests put a plain scan of the
    /// letter file here). Nothing means the file cannot be read: the word step then ends quietly.
    using Finder = std::function<std::optional<Rendering>(char32_t letter, std::u32string_view word)>;

    Translator(TranslationState &state, Lexicon &lexicon) : s_(state), lexicon_(lexicon) {}
    Translator(TranslationState &state, Lexicon &lexicon, Finder finder)
        : s_(state), lexicon_(lexicon), finder_(std::move(finder)) {}

    // Settings. Each is read when it is needed, so a window may change them between words.

    /// Grammar mode orders nouns, adjectives, verbs and question words the Thai way; word for word writes each
    /// meaning as it comes.
    TranslationMode mode = TranslationMode::Grammar;
    /// Keeps one space after a sentence's "." or "?" followed by a space: "Where? Here." => ที่ไหน? ที่นี่.
    /// Off, sentences run together as the program has always written them: ที่ไหน?ที่นี่.
    bool sentenceSpace = false;
    /// Refines the grammar mode (word for word ignores it): the pieces of a sentence wait as tokens with their
    /// reading, the rules of GrammarRules.h rewrite them (passives, -ing words, relative clauses, possessives,
    /// "to" between verbs), and then they are rendered as the grammar mode renders them. Off, nothing waits.
    bool extended = false;
    /// The rules the extended mode applies.
    GrammarRuleSet extendedRules = kAllGrammarRules;
    /// Called with each English word (trimmed) that the dictionary did not render.
    std::function<void(std::u32string_view word)> onUnknownWord;

    // The driver's steps.

    /// Cuts the line into words and separators and runs the word step on each; the Thai accumulates in
    /// Text4. Does not store the line or reset anything: that is the driver's end-of-line step.
    void translateLine(std::u32string_view line);
    /// The same for a line that comes in parts (a very long one, read a piece at a time): the parts of one line
    /// in order, the last with `endsLine`. That last part holds at least the line's last character, unless the
    /// whole line is empty. translateLine(l) is translatePart(l, true).
    void translatePart(std::u32string_view part, bool endsLine);
    /// The word step on CurrentWord: CheckMean, then CurrentWord is appended unless the step consumed it.
    void wordStep();
    /// Writes the piece in CurrentWord as its kind requires: articles, marks, Tabs, other pieces; a piece that
    /// starts with a letter goes to LookupWord.
    void CheckMean();
    /// Renders the word in CurrentWord from letter L's file ('A'..'Z').
    void LookupWord(char32_t letter);

    TranslationState &state() { return s_; }
    Lexicon &lexicon() { return lexicon_; }

private:
    bool extendedOn() const { return extended && mode == TranslationMode::Grammar; }
    void wordStepNow();
    void separatorNow(std::u32string_view piece);
    // The extended mode's stage: pieces wait as tokens until a sentence (or the line) ends.
    GrammarToken &nextToken();
    void recordWord();
    void recordSeparator(std::u32string_view piece);
    /// Rewrites the waiting tokens and renders them; `sentenceEnds` when a sentence's mark ended them.
    void renderTokens(bool question, bool sentenceEnds);
    bool senseOf(std::u32string_view key, bool (*wanted)(Label), std::u32string &meaning);
    void endPiece(char32_t c, bool firstInLine, char32_t before);
    void separator(std::u32string_view piece);
    void renderExact(std::u32string_view thai, Label label);
    /// A rendering as the lookup uses it; the meaning lives in the remembered renderings or in rendering_.
    struct Found {
        Rendering::How how = Rendering::How::Unrendered;
        Label label = Label::Other;
        std::u32string_view meaning;
    };
    void renderFound(const Found &r);
    /// What letter L's file makes of CurrentWord; false when the file cannot be read (the word then stays as it is).
    bool readingOf(char32_t letter, Found &out);
    Found remembered(char32_t letter, const LetterIndex &index);
    void append(std::u32string_view a) { s_.Text4 += a; }
    void flushHeldModifiers();

    TranslationState &s_;
    Lexicon &lexicon_;
    Finder finder_;
    // Where the scan of a line that comes in parts stands.
    bool lineGoesOn_ = false;
    std::size_t charsInLine_ = 0;
    char32_t lastChar_ = 0;
    Rendering rendering_;
    std::vector<GrammarToken> tokens_; ///< the waiting tokens are the first tokenCount_; the rest keep their room
    std::size_t tokenCount_ = 0;
    GrammarRuleSet triggered_ = 0;        ///< the rules the waiting tokens may set off
    bool lineStarts_ = false;             ///< the waiting tokens begin their line
    bool lineFirstSeen_ = false;          ///< the line's first word or piece is among them
    bool lineCapital_ = false;            ///< and it starts with a capital letter
    std::size_t lineEndToken_ = SIZE_MAX; ///< the first token of the line's last piece, when it is waiting
    GrammarContext grammarContext_;
    std::u32string upperWord_;

    // What the letter files made of each word seen so far: words repeat, the lookup need not. Open addressing
    // on the word; each word and its rendering lie together in memo_.
    struct MemoSlot {
        std::uint32_t hash = 0;
        std::uint32_t entry = UINT32_MAX; ///< where the word's entry starts in memo_, UINT32_MAX when free
    };
    std::vector<MemoSlot> memoSlots_;
    std::u32string memo_;
    std::size_t memoCount_ = 0;
    std::array<std::uint64_t, 26> memoSerials_{}; ///< the index each letter's remembered renderings came from
};

} // namespace dlx

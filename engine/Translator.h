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
#include <memory>
#include <optional>
#include <unordered_map>

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
    /// The rules look at every token instead of only those they are anchored at (the same result, slower: for
    /// tests).
    bool rulesVisitEveryToken = false;
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
    GrammarToken &nextToken(GrammarToken::Kind kind);
    void recordWord();
    bool recordWordBeforeDots();
    void readWontAsModal();
    void recordSeparator(std::u32string_view piece);
    /// Rewrites the waiting tokens and renders them; `sentenceEnds` when a sentence's mark ended them.
    void renderTokens(bool question, bool sentenceEnds);
    static std::size_t quotedSentenceStart(std::span<const GrammarToken> tokens);
    void keepNameBeforeParentheses();
    void keepQuotedName();
    void endHeadingBefore(std::u32string_view next);
    void keepQuotedNameBefore(const GrammarToken &w);
    void keepQuotedWords(std::size_t first, std::size_t end);
    void keepCapitalsNameBefore(const GrammarToken &thing);
    bool senseOf(std::u32string_view key, bool (*wanted)(Label), std::u32string &meaning);
    bool phraseHolds(std::u32string_view before, std::u32string_view piece, std::u32string_view after);
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
    void endLine();

    TranslationState &s_;
    Lexicon &lexicon_;
    Finder finder_;
    // Where the scan of a line that comes in parts stands.
    bool lineGoesOn_ = false;
    std::size_t charsInLine_ = 0;
    char32_t lastChar_ = 0;
    char32_t cutChar_ = 0;    ///< the character that ended the piece in hand
    bool spaceBefore_ = true; ///< the last piece recorded ended with a space or a Tab (or the line starts)
    std::size_t quotedFirst_ = 0, quotedEnd_ = SIZE_MAX; ///< a quoted name waiting for the word after it
    std::size_t doubleQuotes_ = 0;                       ///< the double quotes among the waiting tokens
    bool joinedWords_ = false; ///< a "_" joins two of the waiting words: a name in code, "PAGE_LENGTH"
    bool inPath_ = false;      ///< the words recorded are inside a path, "/usr/share/doc", until a space
    bool dashPath_ = false;    ///< that path is an option its dash opened ("--version")
    Rendering rendering_;
    std::vector<GrammarToken> tokens_; ///< the waiting tokens are the first tokenCount_; the rest keep their room
    std::size_t tokenCount_ = 0;
    GrammarRuleSet triggered_ = 0;        ///< the rules the waiting tokens may set off
    GrammarAnchors anchors_;              ///< the waiting tokens each rule looks at
    bool lineStarts_ = false;             ///< the waiting tokens begin their line
    bool lineFirstSeen_ = false;          ///< the line's first word or piece is among them
    bool lineCapital_ = false;            ///< and it starts with a capital letter
    std::size_t lineEndToken_ = SIZE_MAX; ///< the first token of the line's last piece, when it is waiting
    GrammarContext grammarContext_;
    /// The Idiom.pal rules the extended rules leave words to (fetched once), and of their searches, those that hold
    /// a word's Thai, split around it: piece => (what comes before it, what comes after it).
    std::shared_ptr<const PhraseRewriter> userPhrases_;
    unsigned phrasesRun_ = 0; ///< the Lexicon's run in which userPhrases_ was fetched
    struct Around {
        char32_t last; ///< the character just before the piece in the search, 0 when none
        char32_t next; ///< the character just after it, 0 when none
        std::u32string before, after;
    };
    static bool aroundOrder(const Around &x, const Around &y) {
        return x.last != y.last ? x.last < y.last : x.next < y.next;
    }
    struct PhrasesAround {
        std::vector<Around> user, builtIn; ///< by `last`, then `next`
    };
    struct PieceHash {
        using is_transparent = void;
        std::size_t operator()(std::u32string_view s) const { return std::hash<std::u32string_view>{}(s); }
    };
    using PhrasesAroundMap =
        std::unordered_map<std::u32string, std::shared_ptr<const PhrasesAround>, PieceHash, std::equal_to<>>;
    /// By piece: a rule asks about the same few hundred meanings again and again.
    PhrasesAroundMap phrasesAround_;
    /// The searches of `rules` that hold `piece`, worked out once for every translator that uses the same rules (a
    /// window's runs, the command line's pieces), as a participle's meaning is new to each of them.
    static std::shared_ptr<const PhrasesAround> sharedPhrasesAround(const std::shared_ptr<const PhraseRewriter> &rules,
                                                                    std::u32string_view piece);
    std::u32string upperWord_;
    std::u32string senseRoom_; ///< the meaning triggersOf has no use for
    /// Gives the waiting tokens their own copies of what they view in the remembered words, before those go.
    void keepWaitingTokens();

    // What the letter files made of each word seen so far: words repeat, the lookup need not. Open addressing
    // on the word. Each word lies in one entry with its rendering, its key and what the extended mode asks of it,
    // in blocks that never move: the waiting tokens view their keys and meanings there instead of copying them.
    struct MemoEntry {
        static constexpr std::size_t kHeader = 6;
        static constexpr char32_t kNotWorkedOut = UINT32_MAX; ///< the key length before workOut
        /// word length, meaning length, how | label << 8 | family << 16, the rules the word may set off, key
        /// length, the rules that look at it; then the word as the driver cut it, its meaning and room for its key
        char32_t *e;
        std::u32string_view word() const { return {e + kHeader, e[0]}; }
        std::u32string_view meaning() const { return {e + kHeader + e[0], e[1]}; }
        std::u32string_view key() const { return {e + kHeader + e[0] + e[1], e[4]}; }
        Rendering::How how() const { return static_cast<Rendering::How>(e[2] & 0xFF); }
        Label label() const { return static_cast<Label>((e[2] >> 8) & 0xFF); }
        SuffixFamily family() const { return static_cast<SuffixFamily>(e[2] >> 16); }
        GrammarRuleSet triggers() const { return e[3]; }
        GrammarRuleSet lookingAt() const { return e[5]; }
    };
    static constexpr std::size_t kMemoBlock = 1 << 15; ///< characters in a block; a larger entry is not kept
    struct MemoSlot {
        std::uint32_t hash = 0;
        std::uint32_t entry = UINT32_MAX; ///< block * kMemoBlock + offset of the word's entry, UINT32_MAX when free
    };
    char32_t *memoAt(std::uint32_t entry) const { return memoBlocks_[entry / kMemoBlock].get() + entry % kMemoBlock; }
    std::vector<MemoSlot> memoSlots_;
    std::vector<std::unique_ptr<char32_t[]>> memoBlocks_;
    std::size_t memoUsed_ = 0; ///< characters used in the last block
    std::size_t memoCount_ = 0;
    std::array<std::uint64_t, 26> memoSerials_{}; ///< the index each letter's remembered renderings came from
    char32_t *lastEntry_ = nullptr;               ///< the remembered entry of the last reading; nullptr when none
    GrammarToken memoToken_;                      ///< room for working out an entry's rules
    /// Works out what the extended mode asks of a remembered word: its key, suffix family and rules.
    void workOut(char32_t *entry);
    /// The rules a word sets off: rulesTriggeredBy, and those that need the dictionary to tell.
    GrammarRuleSet triggersOf(const GrammarToken &token, GrammarRuleSet triggered);
    /// The context the rules ask the dictionary and the phrase rules through.
    GrammarContext &grammarContext();
};

} // namespace dlx

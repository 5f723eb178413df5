#pragma once
// The word-by-word translation of one line at a time: the driver's cutting of a line into words and
// separators, the word dispatch CheckMean and the dictionary lookup LookupWord, all working on one shared
// TranslationState.
#include "Lexicon.h"
#include "TranslationState.h"

#include <array>
#include <functional>
#include <unordered_map>

namespace dlx {

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

/// Finds the first entry, in file order, that renders the word exactly or through a suffix rule.
/// `word` is CurrentWord as the driver left it (a trailing space selects the spaced suffix group).
Rendering findRendering(const LetterIndex &index, std::u32string_view word);
/// The same into `out`, reusing its storage (the translator calls this for every word).
void findRendering(const LetterIndex &index, std::u32string_view word, Rendering &out);

class Translator {
public:
    Translator(TranslationState &state, Lexicon &lexicon) : s_(state), lexicon_(lexicon) {}

    /// Read at every match, so a window may switch it between words.
    TranslationMode mode = TranslationMode::Grammar;

    /// Called with each English word (trimmed) that the dictionary did not render.
    std::function<void(std::u32string_view word)> onUnknownWord;

    /// Replaces the indexed search (tests compare it with a plain scan of the letter file).
    std::function<Rendering(char32_t letter, std::u32string_view word, bool &fileUsable)> finder;

    /// Cuts the line into words and separators and runs the word step on each; the Thai accumulates in
    /// Text4. Does not store the line or reset anything: that is the driver's end-of-line step.
    void translateLine(std::u32string_view line);

    /// The word step on CurrentWord: CheckMean, then the driver appends CurrentWord unless it was consumed.
    void wordStep();

    void CheckMean();
    TranslationState &state() { return s_; }
    Lexicon &lexicon() { return lexicon_; }
    void LookupWord(char32_t letter);

private:
    void renderExact(const std::u32string &thai, Label label);
    void append(std::u32string_view a) { s_.Text4 += a; }
    void flushHeldModifiers();

    TranslationState &s_;
    Lexicon &lexicon_;
    Rendering rendering_;
    // What each letter file made of each word seen so far: words repeat, the lookup need not.
    struct Memo {
        std::uint64_t serial = 0;
        std::unordered_map<std::u32string, Rendering, StringHash, std::equal_to<>> renderings;
    };
    std::array<Memo, 26> memo_;
};

} // namespace dlx

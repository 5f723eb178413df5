#pragma once
// The shared state of one translation engine: what the driver, the word step CheckMean and the lookup
// LookupWord tell each other, and the work line Text4. It lives as long as the main window (or the command-line
// run) and is not reset between runs except where the driver says so.
#include "LetterFile.h"

#include <optional>
#include <string>
#include <vector>

namespace dlx {

enum class TranslationMode { Grammar, WordForWord };

/// What the last rendered word was, as the Thai for "be" needs to know.
enum class WordClass : std::uint8_t {
    Start,      ///< nothing yet, a pronoun, or "be" right after a question word: "be" becomes เป็น
    NounOrVerb, ///< "be" becomes คือ
    Other,      ///< an adjective, conjunction, other label or suffixed word: "be" becomes อยู่
    Question,   ///< a question word: "be" adds nothing
};

struct TranslationState {
    /// The piece being worked on: the word the driver cuts from the line (with the character that ended it until
    /// the driver strips it), then each separator. Whoever writes the piece to the work line empties it.
    std::u32string CurrentWord;
    /// The work line: every piece of Thai output of the line being translated is appended here; the driver takes
    /// it as the finished line and empties it.
    std::u32string Text4;
    /// Thai held back for the current noun phrase, in Thai order (the noun before its adjectives), written out
    /// before the next verb, pronoun, conjunction, "be", question word, other-label word, mark or line end.
    std::u32string HeldModifiers;
    /// Meanings of the question words of the line, written after HeldModifiers at a mark or at the line end.
    std::u32string HeldPhrase;
    /// The finished Thai lines of the run (translateLines only; streaming callers take each line themselves).
    std::vector<std::u32string> TranslatedLines;
    /// After a word step: true when the step wrote the piece and emptied CurrentWord; false when the driver
    /// must append CurrentWord itself.
    bool WordConsumed = false;
    /// The class of the last rendered word; never reset, so it carries over between lines and runs.
    WordClass PrevWordClass = WordClass::Start;
    /// The label of the last word rendered with one of the grammar's labels (a comparative counts as an
    /// adjective); words with any other label leave it as it is. Emptied by the line-end flush.
    std::optional<Label> PrevPos;
    /// A conjunction meaning ดังนั้น or เป็น was swallowed after "be" or an intransitive verb: the next
    /// conjunction meaning เป็น is written เหมือนกับ. Cleared by the line-end flush.
    bool ComparisonOpen = false;
    /// The word being looked up ended at the last character of its line; the lookup's line-end flush clears it.
    bool AtLineEnd = false;
    /// The extended mode's next token begins a sentence: at the start of a run, after a sentence's mark or an
    /// empty line.
    bool AtSentenceStart = true;
    /// True while a run may go on; a cancel clears it and the driver stops after the line it is on.
    bool Translating = false;
};

} // namespace dlx

#pragma once
// The shared state of one translation engine: the variables the driver, the word dispatch and the lookup
// talk through, and the work line Text4. It lives as long as the main window (or the command-line run) and is
// not reset between runs except where the driver says so.
#include <string>
#include <vector>

namespace dlx {

enum class TranslationMode { Grammar, WordForWord };

struct TranslationState {
    std::u32string CurrentWord;   ///< the piece being worked on
    std::u32string SourceLine;    ///< the line being translated
    std::u32string Text3;         ///< copy of the line being translated
    std::u32string Text4;         ///< the work line: every piece of Thai output is appended here
    std::u32string HeldModifiers; ///< nouns and adjectives held for the current noun phrase, in Thai order
    std::u32string HeldPhrase;    ///< meanings of question words, written at the end of the line
    std::u32string PrevPos;       ///< "n", "vt", "vi", "adj", "pro", "con", "q", "BE" or empty
    std::vector<std::u32string> TranslatedLines;
    int CharIndex = 1;
    int WordConsumed = 0;  ///< 1: the word step wrote the piece; otherwise the driver appends it
    int PrevWordClass = 0; ///< 0 start/pronoun, 1 noun or verb, 2 adjective and others, 3 question word
    bool ComparisonOpen = false;
    bool AtLineEnd = false;
    bool Translating = false;
};

} // namespace dlx

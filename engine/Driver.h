#pragma once
// The translation driver's core: lines in, translated lines out. The window's translate button and the
// command-line translator are thin wrappers around it.
#include "PhraseRewriter.h"
#include "Translator.h"

#include <functional>

namespace dlx {

struct DriverHooks {
    /// After each finished line: lines done and line count (for the progress bar).
    std::function<void(int done, int total)> progress;
    /// After each finished line, to let window events run (a cancel click clears state.Translating).
    std::function<void()> yield;
};

/// Starts a run as the translate click does: empties Text4, HeldPhrase, HeldModifiers and CurrentWord and sets
/// Translating. PrevWordClass, PrevPos and ComparisonOpen carry over from the last run.
void beginRun(TranslationState &state);

/// Translates lines while state.Translating stays set; a cancel lets the line in progress finish. The finished
/// lines are state.TranslatedLines. Text still held after the last translated line is appended to it, so no
/// word is lost. Returns the number of lines translated.
int translateLines(Translator &translator, const std::vector<std::u32string> &lines, const DriverHooks &hooks = {});

/// The driver's work on one line: the word step on every piece, then the end of the line (the work line is
/// taken as the finished Thai line and emptied). For callers that stream lines themselves.
std::u32string translateOneLine(Translator &translator, std::u32string_view line);

/// Appends the text still held back for an unfinished phrase (HeldModifiers, then HeldPhrase) to the last
/// finished line and empties both, so that no word is lost at the end of a run.
void appendHeldText(TranslationState &state, std::u32string &lastLine);

/// Joins the first `count` lines with the separator between them: {a, b}, 2, "\n" => "a\nb".
std::u32string joinLines(const std::vector<std::u32string> &lines, std::size_t count, std::u32string_view separator);

/// The whole translation of a text in one call: lines, word step, then phrase rewriting.
/// Lines are cut at CR LF, CR or LF (no empty line after a final break) and joined with "\n" in the result.
std::u32string translateText(std::u32string_view text, Lexicon &lexicon, TranslationMode mode);

} // namespace dlx

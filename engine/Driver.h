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
/// The same into `done` (its old text is dropped); `done` and the work line swap storage, so a caller that
/// passes the same string for every line allocates nothing per line.
void translateOneLine(Translator &translator, std::u32string_view line, std::u32string &done);

/// Appends the text still held back for an unfinished phrase (HeldModifiers, then HeldPhrase) to the last
/// finished line and empties both, so that no word is lost at the end of a run.
void appendHeldText(TranslationState &state, std::u32string &lastLine);

/// A run that streams: lines go in one at a time and the finished Thai comes out as it is ready, as the command
/// line translates texts of any size. Each line is rewritten by the phrase rules and handed to the sink with "\n"
/// after it; the last line waits for the end of the run, when the text still held back is appended to it.
class StreamedRun {
public:
    using Sink = std::function<void(std::u32string_view text)>;

    /// Starts the run as beginRun does, with a fresh look at the letter files and the phrase rules of the
    /// translator's Data folder. Without a sink nothing is rewritten or written (a run that only collects the
    /// unknown words).
    StreamedRun(Translator &translator, Sink sink);

    /// What a fresh reading of the folder's Idiom.pal refused for this run (see PhraseRules::current).
    const PhraseRulesNews &phraseRulesNews() const { return news_; }

    /// True when the growth bound of phrase rewriting (PhraseRewriter) stopped a rule somewhere in the run.
    bool phraseGrowthHeldBack() const { return scratch_.heldBack; }

    void line(std::u32string_view line);
    /// A line in parts, as Translator::translatePart takes them. Of a long line, the Thai that no later text can
    /// change reaches the sink before the line ends, so memory stays in proportion to a part, not to the line.
    void part(std::u32string_view piece, bool endsLine);
    /// Ends the run: the last line, with the held text, goes to the sink.
    void finish();

private:
    static constexpr std::size_t kPassOnAt = 1 << 16; // characters of a line's Thai held before passing some on
    static constexpr std::size_t kPieceSize = 1 << 12;

    void deliver(std::u32string &line);
    void passOnFinishedText();
    void passOn(std::u32string_view text, bool lineEnds);

    Translator &translator_;
    PhraseRulesNews news_;
    std::shared_ptr<const PhraseRewriter> rewriter_;
    Sink sink_;
    RewriteScratch scratch_;
    std::u32string pending_, piece_;
    bool havePending_ = false;
    bool lineGoesOn_ = false;   ///< the last part did not end its line
    bool linePassedOn_ = false; ///< some of the pending line's Thai has gone to the sink already
};

/// Joins the first `count` lines with the separator between them: {a, b}, 2, "\n" => "a\nb".
std::u32string joinLines(const std::vector<std::u32string> &lines, std::size_t count, std::u32string_view separator);

/// The whole translation of a text in one call: lines, word step, then phrase rewriting (the built-in rules and
/// those of the Data folder's Idiom.pal).
/// Lines are cut at CR LF, CR or LF (no empty line after a final break) and joined with "\n" in the result.
/// `sentenceSpace` keeps one space after a sentence's "." or "?" (Translator::sentenceSpace); `extended` refines
/// the grammar mode (Translator::extended).
std::u32string translateText(std::u32string_view text, Lexicon &lexicon, TranslationMode mode,
                             bool sentenceSpace = false, bool extended = false);

} // namespace dlx

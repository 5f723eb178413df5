#pragma once
// One translation run as the translate button performs it, from the text to translate to the finished,
// rewritten Thai: the work files "Original.pal" and "Translate.pal" in the work folder, the line limit,
// the line loop with progress and yields, cancel, and the phrase rewriting. The window supplies the hooks
// (its SaveText, the progress bar, the event-loop yield, the message box, the translation pane) and keeps the
// button's caption; everything else happens here.
//
// A long text keeps the window alive in every step: the work that touches nothing of the window (encoding,
// decoding, reading and writing the work files) goes through the `aside` hook, which the window runs while it
// goes on handling its events; the line loop and the rewriting (a piece of lines at a time) yield.
#include "Driver.h"
#include "Result.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace dlx {

inline constexpr const char *kOriginalWorkFile = "Original.pal";
inline constexpr const char *kTranslateWorkFile = "Translate.pal";

/// The steps of a run, in order.
enum class RunPhase {
    Saving,      ///< writing "Original.pal"
    Counting,    ///< reading it back and cutting it into lines
    Translating, ///< the line loop
    Writing,     ///< the translated lines through "Translate.pal"
    Rewriting,   ///< the phrase rewriting
    Showing,     ///< filling the translation pane
};

struct TranslateRunHooks {
    /// Writes the text and CR LF to the path (the window's SaveText, which reports its own failure).
    /// Gives the encoding written (Windows874, or Utf8Bom for a character outside it), or the failure.
    std::function<Result<TextEncoding>(const std::u32string &text, const std::string &path)> saveText;
    /// The step the run is in, and how far it is: for Translating the percentage of lines done, for Rewriting the
    /// percentage of the text rewritten (each only when it changes), for the other steps -1 at their start.
    std::function<void(RunPhase phase, int percent)> progress;
    /// Lets window events run: after each finished line, after each replacement of the rewriting and after each
    /// piece of it.
    std::function<void()> yield;
    /// Runs work that touches no state of the window or the translator, letting window events in meanwhile.
    /// Unset: the work runs at once.
    std::function<void(const std::function<void()> &work)> aside;
    /// Puts the finished translation (lines joined by "\n") into the translation pane.
    std::function<void(const std::u32string &translation)> showTranslation;
    /// Reports a failure (the stop-icon message): what failed in Thai, and why: the system's error with the path
    /// concerned, or (code 0) a description of its own.
    std::function<void(const std::string &what, const IoError &why)> failure;
    /// After the translation is shown: phrase rules that feed each other were stopped by the rewriting's growth
    /// bound (PhraseRewriter).
    std::function<void()> growthHeldBack;
};

enum class RunOutcome {
    Finished,   ///< every line translated and rewritten
    Cancelled,  ///< stopped by a cancel: the lines done so far, not rewritten (or partly, if cancelled there);
                ///< a cancel before the first line leaves the translation pane as it was
    Failed,     ///< reported through hooks.failure; the translation pane is untouched unless the failure came last
    NotWritten, ///< SaveText could not write "Original.pal" and has said so; nothing was translated
};

/// Runs a click's work from saving the text to showing the translation: the caller has already called beginRun
/// on the translator's state and set the button to "ยกเลิก". `source` is the pane's text (or its selection) with
/// CR LF line breaks. A cancel is state.Translating going false during a yield or aside work. A work file left
/// by an earlier run that this one may not write (another user's) stops the run before anything is written,
/// reported as a failure that names the file, its owner and the reason.
RunOutcome runTranslation(Translator &translator, const PhraseRewriter &rewriter, const std::u32string &source,
                          const std::string &workFolder, const TranslateRunHooks &hooks);

/// A work file left by an earlier run (or another user) that cannot be written over: the Thai words for it
/// (naming its owner when that is another user) and the system's reason with its path. Nothing when the path is
/// free or writable.
std::optional<std::pair<std::string, IoError>> leftoverWorkFileInTheWay(const std::string &path);

/// Deletes the work files left in the folder (a closed window, an interrupted run). Failures are ignored.
void removeWorkFiles(const std::string &workFolder);

/// Rewrites the text a piece of lines at a time (the rules never reach across a line break), reporting the
/// percentage done and yielding after each piece; the hooks' mayReplace stops it as in CheckThaiIdiom. True when
/// the growth bound stopped a rule.
bool rewriteInPieces(const PhraseRewriter &rewriter, std::u32string &text, const RewriteHooks &hooks,
                     const std::function<void(int percent)> &progress);

/// "a\nb" => "a\r\nb": every LF without a CR before it gets one.
std::u32string withCrLf(std::u32string_view text);

} // namespace dlx

#pragma once
// One translation run as the translate button performs it, from the text to translate to the finished,
// rewritten Thai: the work files "Original.pal" and "Translate.pal" in the program folder, the line limit,
// the line loop with progress and yields, cancel, and the phrase rewriting. The window supplies the hooks
// (its SaveText, the progress bar, the event-loop yield, the message box, the translation pane) and keeps the
// button's caption; everything else happens here.
#include "Driver.h"
#include "Result.h"

#include <functional>
#include <optional>
#include <string>

namespace dlx {

inline constexpr const char *kOriginalWorkFile = "Original.pal";
inline constexpr const char *kTranslateWorkFile = "Translate.pal";

struct TranslateRunHooks {
    /// Writes the text and CR LF to the path (the window's SaveText, which reports its own failure).
    /// Gives the encoding written (Windows874, or Utf8Bom for a character outside it), or the failure.
    std::function<Result<TextEncoding>(const std::u32string &text, const std::string &path)> saveText;
    /// The percentage after each finished line (only when it changes).
    std::function<void(int percent)> progress;
    /// Lets window events run: after each finished line and after each replacement of the rewriting.
    std::function<void()> yield;
    /// Puts the finished translation (lines joined by "\n") into the translation pane.
    std::function<void(const std::u32string &translation)> showTranslation;
    /// Reports a failure with its description (the stop-icon message).
    std::function<void(const std::string &description)> failure;
};

enum class RunOutcome {
    Finished,   ///< every line translated and rewritten
    Cancelled,  ///< stopped by a cancel: the lines done so far, not rewritten (or partly, if cancelled there)
    Failed,     ///< reported through hooks.failure; the translation pane is untouched unless the failure came last
    NotWritten, ///< SaveText could not write "Original.pal" and has said so; nothing was translated
};

/// Runs steps 4 to 16 of a click: the caller has already called beginRun on the translator's state and set the
/// button to "ยกเลิก". `source` is the pane's text (or its selection) with CR LF line breaks.
/// A cancel is state.Translating going false during a yield.
RunOutcome runTranslation(Translator &translator, const PhraseRewriter &rewriter, const std::u32string &source,
                          const std::string &programFolder, const TranslateRunHooks &hooks);

/// Deletes the work files left in the folder (a closed window, an interrupted run). Failures are ignored.
void removeWorkFiles(const std::string &programFolder);

/// "a\nb" => "a\r\nb": every LF without a CR before it gets one.
std::u32string withCrLf(std::u32string_view text);

} // namespace dlx

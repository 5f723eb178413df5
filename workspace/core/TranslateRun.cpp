#include "TranslateRun.h"

#include "Codec874.h"
#include "TextFile.h"
#include "TranslationProgress.h"
#include "Utf8.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace dlx {
namespace {

bool fileExists(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Removes the file when present; the system's description when that fails.
std::optional<std::string> deleteIfPresent(const std::string &path) {
    if (!fileExists(path))
        return std::nullopt;
    if (::unlink(path.c_str()) != 0)
        return std::string(std::strerror(errno));
    return std::nullopt;
}

std::u32string decodeWorkFile(std::string_view bytes, bool utf8) {
    if (!utf8)
        return decode874(bytes);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    return fromUtf8(bytes);
}

// The translated lines, each followed by CR LF; Windows-874 unless a character needs UTF-8.
std::string translatedFileBytes(const std::vector<std::u32string> &lines, std::size_t count, bool &utf8) {
    std::u32string all;
    for (std::size_t i = 0; i < count && i < lines.size(); ++i) {
        all += lines[i];
        all += U"\r\n";
    }
    utf8 = !representable874(all);
    return utf8 ? "\xEF\xBB\xBF" + toUtf8(all) : encode874(all);
}

} // namespace

std::u32string withCrLf(std::u32string_view text) {
    std::u32string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\n' && (i == 0 || text[i - 1] != U'\r'))
            out += U'\r';
        out += text[i];
    }
    return out;
}

void removeWorkFiles(const std::string &programFolder) {
    (void)deleteIfPresent(programFolder + "/" + kOriginalWorkFile);
    (void)deleteIfPresent(programFolder + "/" + kTranslateWorkFile);
}

RunOutcome runTranslation(Translator &translator, const PhraseRewriter &rewriter, const std::u32string &source,
                          const std::string &programFolder, const TranslateRunHooks &hooks) {
    TranslationState &state = translator.state();
    const std::string originalPath = programFolder + "/" + kOriginalWorkFile;
    const std::string translatePath = programFolder + "/" + kTranslateWorkFile;
    auto fail = [&](const std::string &description) {
        if (hooks.failure)
            hooks.failure(description);
        return RunOutcome::Failed;
    };

    // The text goes through the work file so that the run translates exactly what was saved.
    const Result<TextEncoding> saved = hooks.saveText(source, originalPath);
    if (!saved)
        return RunOutcome::NotWritten;
    const auto original = readFileBytes(originalPath);
    if (!original)
        return fail("อ่านแฟ้มงาน \"" + originalPath + "\" ไม่ได้: " + original.error().reason());
    const std::vector<std::u32string> lines = splitLines(decodeWorkFile(*original, *saved == TextEncoding::Utf8Bom));
    if (lines.size() > static_cast<std::size_t>(kMaxTranslationLines))
        return fail("ข้อความยาวเกินไป: แปลได้ครั้งละไม่เกิน " + std::to_string(kMaxTranslationLines) + " บรรทัด แต่ข้อความนี้มี " +
                    std::to_string(lines.size()) + " บรรทัด");

    int shownPercent = -1;
    DriverHooks driverHooks;
    driverHooks.yield = hooks.yield;
    driverHooks.progress = [&](int done, int total) {
        const int percent = progressPercent(done, total);
        if (percent != shownPercent && hooks.progress) {
            shownPercent = percent;
            hooks.progress(percent);
        }
    };
    const int done = translateLines(translator, lines, driverHooks);
    const bool cancelled = !state.Translating;

    if (auto err = deleteIfPresent(originalPath))
        return fail("ลบแฟ้มงาน \"" + originalPath + "\" ไม่ได้: " + *err);

    bool translatedUtf8 = false;
    const std::string bytes =
        translatedFileBytes(state.TranslatedLines, static_cast<std::size_t>(done), translatedUtf8);
    if (auto written = writeFileBytes(translatePath, bytes); !written)
        return fail("เขียนแฟ้มงาน \"" + translatePath + "\" ไม่ได้: " + written.error().reason());
    const auto translated = readFileBytes(translatePath);
    if (!translated)
        return fail("อ่านแฟ้มงาน \"" + translatePath + "\" ไม่ได้: " + translated.error().reason());
    // The final CR LF ends the last line; it does not start another one in the pane.
    const std::vector<std::u32string> translatedLines = splitLines(decodeWorkFile(*translated, translatedUtf8));
    std::u32string text = joinLines(translatedLines, translatedLines.size(), U"\n");

    RewriteHooks rewriteHooks;
    rewriteHooks.mayReplace = [&state] { return state.Translating; };
    rewriteHooks.afterReplacement = hooks.yield;
    rewriter.CheckThaiIdiom(text, rewriteHooks);
    if (hooks.showTranslation)
        hooks.showTranslation(text);

    if (auto err = deleteIfPresent(translatePath))
        return fail("ลบแฟ้มงาน \"" + translatePath + "\" ไม่ได้: " + *err);
    return cancelled || !state.Translating ? RunOutcome::Cancelled : RunOutcome::Finished;
}

} // namespace dlx

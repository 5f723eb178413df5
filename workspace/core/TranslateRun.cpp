#include "TranslateRun.h"

#include "Codec874.h"
#include "TextFile.h"
#include "TranslationProgress.h"
#include "Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dlx {
namespace {

bool fileExists(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Removes the file when present; the system's error when that fails.
std::optional<IoError> deleteIfPresent(const std::string &path) {
    if (!fileExists(path))
        return std::nullopt;
    if (::unlink(path.c_str()) != 0)
        return IoError::fromErrno(path);
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

std::optional<std::pair<std::string, IoError>> leftoverWorkFileInTheWay(const std::string &path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return std::nullopt;
    }
    const int why = errno;
    struct stat st {};
    if (why == ENOENT || ::lstat(path.c_str(), &st) != 0)
        return std::nullopt; // nothing left over; the save says what else may go wrong
    std::string owner;
    if (st.st_uid != ::geteuid()) {
        const passwd *pw = ::getpwuid(st.st_uid);
        owner = " ซึ่งเป็นของผู้ใช้ " + (pw ? std::string(pw->pw_name) : "หมายเลข " + std::to_string(st.st_uid));
    }
    return std::pair{"แฟ้มงานที่ค้างจากครั้งก่อน" + owner + " เขียนทับไม่ได้ กรุณาลบแฟ้มนี้ (หรือให้เจ้าของแฟ้มลบ) แล้วลองใหม่",
                     IoError{why, path, {}}};
}

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

void removeWorkFiles(const std::string &workFolder) {
    (void)deleteIfPresent(workFolder + "/" + kOriginalWorkFile);
    (void)deleteIfPresent(workFolder + "/" + kTranslateWorkFile);
}

bool rewriteInPieces(const PhraseRewriter &rewriter, std::u32string &text, const RewriteHooks &hooks,
                     const std::function<void(int percent)> &progress) {
    // About a tenth of a second of rewriting on an ordinary machine.
    constexpr std::size_t kPiece = 1 << 16;
    RewriteScratch scratch;
    std::u32string result, piece;
    result.reserve(text.size());
    int shown = -1;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.size(), start + kPiece);
        while (end < text.size() && text[end - 1] != U'\n')
            ++end;
        piece.assign(text, start, end - start);
        rewriter.CheckThaiIdiom(piece, hooks, &scratch);
        result += piece;
        start = end;
        const int percent = progressPercent(static_cast<long long>(start), static_cast<long long>(text.size()));
        if (progress && percent != shown) {
            shown = percent;
            progress(percent);
        }
        if (hooks.afterReplacement)
            hooks.afterReplacement();
    }
    text.swap(result);
    return scratch.heldBack;
}

RunOutcome runTranslation(Translator &translator, const PhraseRewriter &rewriter, const std::u32string &source,
                          const std::string &workFolder, const TranslateRunHooks &hooks) {
    TranslationState &state = translator.state();
    const std::string originalPath = workFolder + "/" + kOriginalWorkFile;
    const std::string translatePath = workFolder + "/" + kTranslateWorkFile;
    auto fail = [&](const std::string &what, const IoError &why) {
        if (hooks.failure)
            hooks.failure(what, why);
        return RunOutcome::Failed;
    };
    auto step = [&](RunPhase phase) {
        if (hooks.progress)
            hooks.progress(phase, -1);
    };
    auto aside = [&](const std::function<void()> &work) {
        if (hooks.aside)
            hooks.aside(work);
        else
            work();
    };

    for (const std::string &path : {originalPath, translatePath})
        if (auto blocked = leftoverWorkFileInTheWay(path))
            return fail("แปลไม่ได้ เพราะ" + blocked->first, blocked->second);

    // The text goes through the work file so that the run translates exactly what was saved.
    step(RunPhase::Saving);
    const Result<TextEncoding> saved = hooks.saveText(source, originalPath);
    if (!saved)
        return RunOutcome::NotWritten;
    step(RunPhase::Counting);
    std::optional<Result<std::string>> original;
    std::vector<std::u32string> lines;
    aside([&] {
        original.emplace(readFileBytes(originalPath));
        if (*original)
            lines = splitLines(decodeWorkFile(**original, *saved == TextEncoding::Utf8Bom));
    });
    if (!*original)
        return fail("อ่านแฟ้มงานไม่ได้", original->error());
    if (lines.size() > static_cast<std::size_t>(kMaxTranslationLines))
        return fail("ข้อความยาวเกินไป", IoError{0,
                                              {},
                                              "แปลได้ครั้งละไม่เกิน " + std::to_string(kMaxTranslationLines) +
                                                  " บรรทัด แต่ข้อความนี้มี " + std::to_string(lines.size()) + " บรรทัด"});
    if (!state.Translating) {
        // Cancelled before the first line: nothing to show.
        (void)deleteIfPresent(originalPath);
        return RunOutcome::Cancelled;
    }

    int shownPercent = -1;
    DriverHooks driverHooks;
    driverHooks.yield = hooks.yield;
    driverHooks.progress = [&](int done, int total) {
        const int percent = progressPercent(done, total);
        if (percent != shownPercent && hooks.progress) {
            shownPercent = percent;
            hooks.progress(RunPhase::Translating, percent);
        }
    };
    if (hooks.progress) {
        shownPercent = 0;
        hooks.progress(RunPhase::Translating, 0);
    }
    const int done = translateLines(translator, lines, driverHooks);
    const bool cancelled = !state.Translating;
    lines.clear();
    // The finished lines go to the aside work as the run's own, out of reach of anything the window does meanwhile.
    std::vector<std::u32string> finished = std::move(state.TranslatedLines);
    state.TranslatedLines.clear();

    if (auto err = deleteIfPresent(originalPath))
        return fail("ลบแฟ้มงานไม่ได้", *err);

    step(RunPhase::Writing);
    std::optional<Status> written;
    std::optional<Result<std::string>> translated;
    std::u32string text;
    aside([&] {
        bool translatedUtf8 = false;
        const std::string bytes = translatedFileBytes(finished, static_cast<std::size_t>(done), translatedUtf8);
        written.emplace(writeFileBytes(translatePath, bytes));
        if (!*written)
            return;
        translated.emplace(readFileBytes(translatePath));
        if (!*translated)
            return;
        // The final CR LF ends the last line; it does not start another one in the pane.
        const std::vector<std::u32string> translatedLines = splitLines(decodeWorkFile(**translated, translatedUtf8));
        text = joinLines(translatedLines, translatedLines.size(), U"\n");
    });
    if (!*written)
        return fail("เขียนแฟ้มงานไม่ได้", written->error());
    if (!*translated)
        return fail("อ่านแฟ้มงานไม่ได้", translated->error());

    step(RunPhase::Rewriting);
    RewriteHooks rewriteHooks;
    rewriteHooks.mayReplace = [&state] { return state.Translating; };
    rewriteHooks.afterReplacement = hooks.yield;
    const bool heldBack = rewriteInPieces(rewriter, text, rewriteHooks, [&](int percent) {
        if (hooks.progress)
            hooks.progress(RunPhase::Rewriting, percent);
    });
    step(RunPhase::Showing);
    if (hooks.showTranslation)
        hooks.showTranslation(text);
    if (heldBack && hooks.growthHeldBack)
        hooks.growthHeldBack();

    if (auto err = deleteIfPresent(translatePath))
        return fail("ลบแฟ้มงานไม่ได้", *err);
    return cancelled || !state.Translating ? RunOutcome::Cancelled : RunOutcome::Finished;
}

} // namespace dlx

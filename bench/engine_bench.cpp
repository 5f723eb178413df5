// Speed figures for the translation engine, printed, not asserted:
//   dlx_engine_bench [--data DIR] [--mb N] [--text FILE] [--runs N] [--translator PROGRAM]
//                    [--only grammar|extended|tokens] [--rule-costs 1]
// Translates at least N MB (default 5) of varied English in both modes and the extended grammar, rewrites phrases
// alone, compares with the plain scan versions on a slice, and times the command-line translator against `wc -w` on the
// same file. The text is built at run time from what the machine holds: the sample novels of the repository, then
// licence texts and package documentation (Debian keeps them under /usr/share), repeated if need be; --text uses one
// file.
// --translator times another build of the command-line translator (an older one, to compare).
// --rule-costs 1 prints what each extended rule adds on its own to the extended stage with no rule on.
#include "Driver.h"
#include "GrammarRules.h"
#include "LetterFile.h"
#include "PlainReference.h"
#include "TextFile.h"
#include "Utf8.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace dlx;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

double seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

/// Processor time of this thread: on a shared machine it says more than the wall clock.
double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

std::string programFolder() {
    std::string exe(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", exe.data(), exe.size() - 1);
    exe.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return exe.substr(0, exe.rfind('/'));
}

/// Words as `wc -w` counts them: runs of characters other than white space.
size_t countWords(const std::vector<std::u32string> &lines) {
    size_t words = 0;
    for (const auto &l : lines) {
        bool in = false;
        for (char32_t c : l) {
            const bool space = c == U' ' || c == U'\t' || c == U'\f' || c == U'\v';
            words += !space && !in;
            in = !space;
        }
    }
    return words;
}

/// Plain text files from a folder tree, in name order: documentation as packages ship it (or every file).
std::vector<fs::path> documentation(const fs::path &root, bool everyFile = false) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec), end;
         it != end && !ec; it.increment(ec)) {
        if (!it->is_regular_file(ec) || it->file_size(ec) > (1 << 20))
            continue;
        const std::string name = it->path().filename().string();
        const bool wanted = name.rfind("README", 0) == 0 || name.rfind("NEWS", 0) == 0 || name == "copyright" ||
                            name.ends_with(".txt") || name.ends_with(".md");
        if ((wanted || everyFile) && !name.ends_with(".gz"))
            found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

struct Text {
    std::string utf8;
    std::vector<std::pair<std::string, size_t>> sources; ///< where the bytes came from, and how many
};

Text makeText(const std::string &textFile, size_t bytes) {
    Text t;
    auto add = [&](const fs::path &p, const std::string &source) {
        if (t.utf8.size() >= bytes)
            return;
        auto r = readFileBytes(p.string());
        if (!r || r->find('\0') != std::string::npos)
            return;
        const std::string text = toUtf8(decodeTextBytes(*r));
        t.utf8 += text;
        if (!t.utf8.empty() && t.utf8.back() != '\n')
            t.utf8 += '\n';
        if (t.sources.empty() || t.sources.back().first != source)
            t.sources.emplace_back(source, 0);
        t.sources.back().second += text.size();
    };
    if (!textFile.empty()) {
        add(textFile, textFile);
    } else {
        std::vector<fs::path> novels;
        for (const auto &e : fs::directory_iterator(DLX_SOURCE_DIR "/tests/data/english"))
            if (e.path().extension() == ".txt")
                novels.push_back(e.path());
        std::sort(novels.begin(), novels.end());
        for (const auto &p : novels)
            add(p, "novels of the repository");
        std::error_code ec;
        if (fs::is_directory("/usr/share/common-licenses", ec))
            for (const auto &p : documentation("/usr/share/common-licenses", true))
                add(p, "/usr/share/common-licenses");
        for (const auto &p :
             fs::is_directory("/usr/share/doc", ec) ? documentation("/usr/share/doc") : std::vector<fs::path>{})
            add(p, "/usr/share/doc");
    }
    if (t.utf8.empty())
        return t;
    const std::string once = t.utf8;
    while (t.utf8.size() < bytes)
        t.utf8 += once; // a small machine: the same text again
    return t;
}

struct RunResult {
    double secs = 1e9, cpu = 1e9; ///< best wall-clock and processor time of the runs
    std::vector<std::u32string> lines;
};

/// One way to translate: a mode, with or without the extended grammar and which of its rules.
struct Way {
    TranslationMode mode = TranslationMode::Grammar;
    bool extended = false;
    GrammarRuleSet rules = kAllGrammarRules;
    Translator::Finder finder = {};
    bool everyToken = false; ///< the extended rules look at every token, not only at their anchors
};

/// Each way once per run, the ways taken in turn within a run, so that all of them meet the machine and the heap
/// in the same states; the best time of each.
std::vector<RunResult> translateAll(Lexicon &lexicon, const std::vector<std::u32string> &lines,
                                    const std::vector<Way> &ways, int runs) {
    std::vector<RunResult> best(ways.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t w = 0; w < ways.size(); ++w) {
            TranslationState state;
            Translator tr(state, lexicon, ways[w].finder);
            tr.mode = ways[w].mode;
            tr.extended = ways[w].extended;
            tr.extendedRules = ways[w].rules;
            tr.rulesVisitEveryToken = ways[w].everyToken;
            beginRun(state);
            const auto t0 = Clock::now();
            const double c0 = threadSeconds();
            translateLines(tr, lines);
            const double cpu = threadSeconds() - c0, secs = seconds(t0, Clock::now());
            best[w].cpu = std::min(best[w].cpu, cpu);
            if (secs < best[w].secs)
                best[w].secs = secs, best[w].lines = std::move(state.TranslatedLines);
        }
    }
    return best;
}

RunResult translateAll(Lexicon &lexicon, const std::vector<std::u32string> &lines, const Way &way, int runs) {
    return std::move(translateAll(lexicon, lines, std::vector<Way>{way}, runs).front());
}

struct Timing {
    double wall = 1e9, cpu = 1e9; ///< best of the runs; cpu is user + system time of the child
};

Timing timeCommand(const std::string &cmd, int runs) {
    Timing best;
    for (int i = 0; i < runs; ++i) {
        const auto a = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char *>(nullptr));
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        if (pid < 0 || wait4(pid, &status, 0, &usage) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return {-1, -1};
        best.wall = std::min(best.wall, seconds(a, Clock::now()));
        const double cpu =
            usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        best.cpu = std::min(best.cpu, cpu);
    }
    return best;
}

} // namespace

int main(int argc, char **argv) {
    std::string data = programFolder() + "/Data", textFile, translator = programFolder() + "/dualexicon-translate";
    double mb = 5;
    int runs = 3;
    std::string only; // one way alone, for a profiler: grammar, extended or tokens (the extended stage, no rule on)
    bool ruleCosts = false; // what each rule adds: the extended mode with it alone against no rule on
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--data"))
            data = argv[i + 1];
        else if (!std::strcmp(argv[i], "--mb"))
            mb = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--text"))
            textFile = argv[i + 1];
        else if (!std::strcmp(argv[i], "--translator"))
            translator = argv[i + 1];
        else if (!std::strcmp(argv[i], "--runs"))
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--only"))
            only = argv[i + 1];
        else if (!std::strcmp(argv[i], "--rule-costs"))
            ruleCosts = std::atoi(argv[i + 1]) != 0;
    }
    const Text text = makeText(textFile, static_cast<size_t>(mb * 1024 * 1024));
    if (text.utf8.empty()) {
        std::fprintf(stderr, "no text to translate\n");
        return 1;
    }
    const auto lines = splitLines(fromUtf8(text.utf8));
    const size_t words = countWords(lines);
    std::printf("text: %.2f MB, %zu lines, %zu words (as wc -w counts them), from:\n", text.utf8.size() / 1048576.0,
                lines.size(), words);
    for (const auto &[source, size] : text.sources)
        std::printf("  %8.2f MB  %s\n", size / 1048576.0, source.c_str());

    Lexicon lexicon(data);
    translateAll(lexicon, {U"warm up"}, Way{}, 1);
    if (ruleCosts) {
        std::vector<Way> ways{Way{}, Way{TranslationMode::Grammar, true, 0}};
        for (const GrammarRuleSpec &r : grammarRules())
            ways.push_back(Way{TranslationMode::Grammar, true, ruleBit(r.rule)});
        const auto results = translateAll(lexicon, lines, ways, runs);
        std::printf("grammar mode %.3f s cpu; extended with no rule on %.3f s\n", results[0].cpu, results[1].cpu);
        for (std::size_t r = 0; r < grammarRules().size(); ++r)
            std::printf("  %-24s +%.3f s alone\n", grammarRules()[r].name, results[r + 2].cpu - results[1].cpu);
        return 0;
    }
    if (!only.empty()) {
        const Way way = only == "extended" ? Way{TranslationMode::Grammar, true}
                        : only == "tokens" ? Way{TranslationMode::Grammar, true, 0}
                                           : Way{};
        const RunResult r = translateAll(lexicon, lines, way, runs);
        std::printf("%s alone: %.3f s cpu (best of %d)\n", only.c_str(), r.cpu, runs);
        return 0;
    }
    // The sentences waiting as tokens with no rule on: what the extended stage costs before its rules.
    const auto results = translateAll(lexicon, lines,
                                      {Way{}, Way{TranslationMode::WordForWord}, Way{TranslationMode::Grammar, true},
                                       Way{TranslationMode::Grammar, true, 0}},
                                      runs);
    const RunResult &grammar = results[0], &wfw = results[1], &extended = results[2], &tokensOnly = results[3];
    const double megabytes = text.utf8.size() / 1048576.0;
    auto show = [&](const char *what, const RunResult &r) {
        std::printf("%s %7.3f s wall, %7.3f s cpu: %6.2f M words/s, %6.1f MB/s (by cpu time)\n", what, r.secs, r.cpu,
                    words / r.cpu / 1e6, megabytes / r.cpu);
    };
    show("engine, grammar mode: ", grammar);
    show("engine, word for word:", wfw);
    show("engine, extended:     ", extended);
    std::printf("extended / grammar: %.2fx cpu time (with no rule on: %.2fx)\n", extended.cpu / grammar.cpu,
                tokensOnly.cpu / grammar.cpu);
    const RunResult everyToken =
        translateAll(lexicon, lines, Way{TranslationMode::Grammar, true, kAllGrammarRules, {}, true}, 1);
    std::printf("extended rules at every token: %.3f s cpu, same result as at their anchors: %s\n", everyToken.cpu,
                everyToken.lines == extended.lines ? "yes" : "NO");

    const std::u32string thai = joinLines(grammar.lines, grammar.lines.size(), U"\n");
    const PhraseRewriter rewriter;
    double rewriteSecs = 1e9;
    size_t replacements = 0;
    for (int run = 0; run < runs; ++run) {
        std::u32string rewritten = thai;
        const double c0 = threadSeconds();
        replacements = rewriter.CheckThaiIdiom(rewritten);
        rewriteSecs = std::min(rewriteSecs, threadSeconds() - c0);
    }
    std::printf("phrase rewriting alone: %7.3f s cpu: %6.2f M words/s (%zu replacements)\n", rewriteSecs,
                words / rewriteSecs / 1e6, replacements);

    // The plain versions on a slice of the same text (they are far too slow for all of it).
    const size_t sliceLines = std::min<size_t>(lines.size(), 300);
    const std::vector<std::u32string> slice(lines.begin(), lines.begin() + static_cast<long>(sliceLines));
    std::array<std::vector<std::u32string>, 26> raw;
    for (char32_t L = U'A'; L <= U'Z'; ++L)
        if (auto r = readLetterFile(data, L))
            raw[L - U'A'] = r->lines;
    auto scan = [&](char32_t L, std::u32string_view w) -> std::optional<Rendering> {
        return L >= U'A' && L <= U'Z' ? plain::lookup(raw[L - U'A'], w) : Rendering{};
    };
    const RunResult fastSlice = translateAll(lexicon, slice, Way{}, 1);
    const RunResult plainSlice = translateAll(lexicon, slice, Way{TranslationMode::Grammar, false, 0, scan}, 1);
    std::printf("lookup on %zu words: indexed %.4f s, plain scan %.3f s, same result: %s\n", countWords(slice),
                fastSlice.secs, plainSlice.secs, fastSlice.lines == plainSlice.lines ? "yes" : "NO");
    const std::u32string sliceThai = joinLines(grammar.lines, sliceLines, U"\n");
    std::u32string fastRewrite = sliceThai;
    const auto t0 = Clock::now();
    rewriter.CheckThaiIdiom(fastRewrite);
    const auto t1 = Clock::now();
    const std::u32string plainRewrite = plain::rewrite(sliceThai);
    const auto t2 = Clock::now();
    std::printf("rewriting on %zu characters: fast %.4f s, plain %.3f s, same result: %s\n", sliceThai.size(),
                seconds(t0, t1), seconds(t1, t2), fastRewrite == plainRewrite ? "yes" : "NO");

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory of this benchmark: %.1f MB\n", usage.ru_maxrss / 1024.0);

    // The whole command-line run against wc -w on the same file.
    const std::string tmp = fs::temp_directory_path() / ("dlx-bench-" + std::to_string(getpid()) + ".txt");
    if (writeFileBytes(tmp, text.utf8)) {
        const std::string cli =
            programFolder() + "/dualexicon-translate --data '" + data + "' '" + tmp + "' >/dev/null";
        const std::string wfwCli =
            programFolder() + "/dualexicon-translate --word-for-word --data '" + data + "' '" + tmp + "' >/dev/null";
        const std::string wc = "wc -w '" + tmp + "' >/dev/null";
        const Timing c = timeCommand(cli, runs), cw = timeCommand(wfwCli, runs), w = timeCommand(wc, runs);
        std::printf("dualexicon-translate:               %7.3f s wall, %7.3f s cpu\n", c.wall, c.cpu);
        std::printf("dualexicon-translate --word-for-word: %5.3f s wall, %7.3f s cpu\n", cw.wall, cw.cpu);
        std::printf("wc -w:                              %7.3f s wall, %7.3f s cpu\n", w.wall, w.cpu);
        std::printf("ratio to wc -w (best of %d): %.1fx wall, %.1fx cpu; word for word %.1fx wall, %.1fx cpu\n", runs,
                    c.wall / w.wall, c.cpu / w.cpu, cw.wall / w.wall, cw.cpu / w.cpu);
        fs::remove(tmp);
    }
    return 0;
}

// Speed figures for the translation engine, printed, not asserted:
//   dlx_engine_bench [--data DIR] [--mb N] [--text FILE]
// Translates an English text of at least N MB (default 5) in both modes, rewrites phrases alone, compares with
// the plain scan versions on a slice, and times the command-line translator against `wc -w` on the same file.
#include "Driver.h"
#include "LetterFile.h"
#include "PlainReference.h"
#include "TextFile.h"
#include "Utf8.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using namespace dlx;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

std::string programFolder() {
    std::string exe(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", exe.data(), exe.size() - 1);
    exe.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return exe.substr(0, exe.rfind('/'));
}

size_t countWords(const std::vector<std::u32string> &lines) {
    size_t words = 0;
    for (const auto &l : lines) {
        bool in = false;
        for (char32_t c : l) {
            const bool letter = (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
            if (letter && !in)
                ++words;
            in = letter;
        }
    }
    return words;
}

/// English-looking text from the dictionary's own words and the sample prose, mixed with punctuation.
std::u32string makeText(const std::string &dataFolder, const std::string &sampleFile, size_t bytes) {
    std::u32string sample;
    if (!sampleFile.empty()) {
        auto r = readFileBytes(sampleFile);
        if (r)
            sample = decodeTextBytes(*r);
    }
    std::vector<std::u32string> words;
    for (char32_t L = U'A'; L <= U'Z'; ++L)
        for (const auto &line : readLetterFile(dataFolder, L)->lines)
            if (auto e = parseEntry(line))
                words.push_back(e->english);
    for (const char32_t *w : {U"the", U"a", U"an", U"walked", U"running", U"cats", U"bigger", U"unknownword"})
        words.push_back(w);
    std::mt19937 rng(42);
    std::u32string text;
    text.reserve(bytes + 1024);
    while (text.size() < bytes) {
        if (!sample.empty() && rng() % 2 == 0) {
            text += sample;
            text += U'\n';
            continue;
        }
        for (int w = 0; w < 12; ++w) {
            text += words[rng() % words.size()];
            static const char32_t *seps[] = {U" ", U" ", U" ", U", ", U" ", U"'s ", U" - ", U" ", U"\t"};
            text += seps[rng() % std::size(seps)];
        }
        text += rng() % 3 ? U"." : U"?";
        text += U'\n';
    }
    return text;
}

struct RunResult {
    double secs = 0;
    std::vector<std::u32string> lines;
};

RunResult translateAll(Lexicon &lexicon, const std::vector<std::u32string> &lines, TranslationMode mode,
                       const std::function<Rendering(char32_t, std::u32string_view, bool &)> &finder = {}) {
    TranslationState state;
    Translator tr(state, lexicon);
    tr.mode = mode;
    tr.finder = finder;
    beginRun(state);
    const auto t0 = Clock::now();
    translateLines(tr, lines);
    const auto t1 = Clock::now();
    return {seconds(t0, t1), std::move(state.TranslatedLines)};
}

} // namespace

int main(int argc, char **argv) {
    std::string data = programFolder() + "/Data", textFile, sample;
    double mb = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--data"))
            data = argv[i + 1];
        else if (!std::strcmp(argv[i], "--mb"))
            mb = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--text"))
            sample = argv[i + 1];
    }
    const std::u32string text = makeText(data, sample, static_cast<size_t>(mb * 1024 * 1024));
    const std::string utf8 = toUtf8(text);
    const auto lines = splitLines(text);
    const size_t words = countWords(lines);
    std::printf("text: %.2f MB, %zu lines, %zu words\n", utf8.size() / 1048576.0, lines.size(), words);

    Lexicon lexicon(data);
    translateAll(lexicon, {U"warm up"}, TranslationMode::Grammar);
    const RunResult grammar = translateAll(lexicon, lines, TranslationMode::Grammar);
    const RunResult wfw = translateAll(lexicon, lines, TranslationMode::WordForWord);
    std::printf("grammar mode:      %8.3f s  %10.0f words/s\n", grammar.secs, words / grammar.secs);
    std::printf("word-for-word:     %8.3f s  %10.0f words/s\n", wfw.secs, words / wfw.secs);

    std::u32string thai = joinLines(grammar.lines, grammar.lines.size(), U"\n");
    const PhraseRewriter rewriter;
    std::u32string rewritten = thai;
    auto t0 = Clock::now();
    const size_t replacements = rewriter.CheckThaiIdiom(rewritten);
    auto t1 = Clock::now();
    const double rewriteSecs = seconds(t0, t1);
    std::printf("phrase rewriting:  %8.3f s  %10.0f words/s  (%zu replacements)\n", rewriteSecs, words / rewriteSecs,
                replacements);
    std::printf("end to end:        grammar %10.0f words/s, word-for-word %10.0f words/s\n",
                words / (grammar.secs + rewriteSecs), words / (wfw.secs + rewriteSecs));

    // The plain versions on a slice of the same text (they are far too slow for all of it).
    const size_t sliceLines = std::min<size_t>(lines.size(), 2000);
    const std::vector<std::u32string> slice(lines.begin(), lines.begin() + static_cast<long>(sliceLines));
    const size_t sliceWords = countWords(slice);
    std::array<std::vector<std::u32string>, 26> raw;
    for (char32_t L = U'A'; L <= U'Z'; ++L)
        raw[L - U'A'] = readLetterFile(data, L)->lines;
    auto scan = [&](char32_t L, std::u32string_view w, bool &) {
        return L >= U'A' && L <= U'Z' ? plain::lookup(raw[L - U'A'], w) : Rendering{};
    };
    const RunResult fastSlice = translateAll(lexicon, slice, TranslationMode::Grammar);
    const RunResult plainSlice = translateAll(lexicon, slice, TranslationMode::Grammar, scan);
    std::printf("lookup on %zu words: indexed %.4f s, plain scan %.3f s, speed-up %.0fx, same result: %s\n", sliceWords,
                fastSlice.secs, plainSlice.secs, plainSlice.secs / fastSlice.secs,
                fastSlice.lines == plainSlice.lines ? "yes" : "NO");
    std::u32string sliceThai = joinLines(grammar.lines, sliceLines, U"\n");
    std::u32string fastRewrite = sliceThai;
    t0 = Clock::now();
    rewriter.CheckThaiIdiom(fastRewrite);
    t1 = Clock::now();
    const std::u32string plainRewrite = plain::rewrite(sliceThai);
    auto t2 = Clock::now();
    std::printf("rewriting on %zu chars: fast %.4f s, plain %.3f s, speed-up %.0fx, same result: %s\n",
                sliceThai.size(), seconds(t0, t1), seconds(t1, t2), seconds(t1, t2) / seconds(t0, t1),
                fastRewrite == plainRewrite ? "yes" : "NO");

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %.1f MB\n", usage.ru_maxrss / 1024.0);

    // The whole command-line run against wc -w on the same file.
    const std::string tmp = std::filesystem::temp_directory_path() / ("dlx-bench-" + std::to_string(getpid()) + ".txt");
    if (writeFileBytes(tmp, utf8)) {
        const std::string cli =
            programFolder() + "/dualexicon-translate --data '" + data + "' '" + tmp + "' >/dev/null";
        const std::string wc = "wc -w '" + tmp + "' >/dev/null";
        auto best = [](const std::string &cmd) {
            double b = 1e9;
            for (int i = 0; i < 3; ++i) {
                const auto a = Clock::now();
                if (std::system(cmd.c_str()) != 0)
                    return -1.0;
                b = std::min(b, seconds(a, Clock::now()));
            }
            return b;
        };
        const double cliSecs = best(cli), wcSecs = best(wc);
        std::printf("dualexicon-translate on the file: %.3f s; wc -w: %.3f s; ratio %.1f\n", cliSecs, wcSecs,
                    cliSecs / wcSecs);
        std::filesystem::remove(tmp);
    }
    return 0;
}

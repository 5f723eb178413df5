// dualexicon-translate: the translation engine on files or standard input, for scripts and big texts.
//
//   dualexicon-translate [--word-for-word] [--data DIR] [--unknown] [FILE...]
//
// Input is UTF-8, or Windows-874 when it is not valid UTF-8; output is UTF-8, one line per input line.
#include "Driver.h"
#include "ProgramPaths.h"
#include "TextFile.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace {

struct Options {
    bool wordForWord = false;
    bool unknown = false;
    std::string dataFolder;
    std::vector<std::string> files;
};

struct OptionSpec {
    const char *name;
    bool takesValue;
    const char *help;
    std::function<void(Options &, const char *)> apply;
};

const std::vector<OptionSpec> &optionTable() {
    static const std::vector<OptionSpec> table = {
        {"--word-for-word", false, "write each meaning unchanged instead of using the Thai word order",
         [](Options &o, const char *) { o.wordForWord = true; }},
        {"--data", true, "DIR: folder that holds the letter files A.pal ... Z.pal (default: Data beside the program)",
         [](Options &o, const char *v) { o.dataFolder = v; }},
        {"--unknown", false, "list the English words the dictionary did not render, most frequent first",
         [](Options &o, const char *) { o.unknown = true; }},
    };
    return table;
}

void usage(std::FILE *to) {
    std::fprintf(to, "usage: dualexicon-translate [--word-for-word] [--data DIR] [--unknown] [FILE...]\n");
    for (const auto &o : optionTable())
        std::fprintf(to, "  %-17s %s\n", o.name, o.help);
    std::fprintf(to, "With no FILE, or when FILE is -, standard input is read.\n");
}

bool readStdin(std::string &out) {
    char buf[1 << 16];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, stdin)) > 0)
        out.append(buf, n);
    return !std::ferror(stdin);
}

std::u32string cleanWord(std::u32string_view w) {
    // Report the letters of the word: "x=" => "x".
    size_t end = w.size();
    while (end > 0 && !((w[end - 1] >= U'a' && w[end - 1] <= U'z') || (w[end - 1] >= U'A' && w[end - 1] <= U'Z')))
        --end;
    std::u32string out(w.substr(0, end));
    for (char32_t &c : out)
        if (c >= U'A' && c <= U'Z')
            c += 32;
    return out;
}

} // namespace

int main(int argc, char **argv) {
    Options opt;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 0;
        }
        if (arg == "--") {
            for (++i; i < argc; ++i)
                opt.files.push_back(argv[i]);
            break;
        }
        if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            auto option = std::find_if(optionTable().begin(), optionTable().end(),
                                       [&](const OptionSpec &o) { return arg == o.name; });
            if (option == optionTable().end()) {
                std::fprintf(stderr, "dualexicon-translate: unknown option %s\n", arg.c_str());
                usage(stderr);
                return 2;
            }
            const char *value = nullptr;
            if (option->takesValue) {
                if (i + 1 >= argc) {
                    std::fprintf(stderr, "dualexicon-translate: %s needs a value\n", arg.c_str());
                    usage(stderr);
                    return 2;
                }
                value = argv[++i];
            }
            option->apply(opt, value);
            continue;
        }
        opt.files.push_back(arg);
    }
    if (opt.dataFolder.empty())
        opt.dataFolder = dlx::locateProgram(dlx::executableFolder()).dataRoot + "/Data";
    if (DIR *d = ::opendir(opt.dataFolder.c_str())) {
        ::closedir(d);
    } else {
        std::fprintf(stderr, "dualexicon-translate: cannot read the data folder %s: %s\n", opt.dataFolder.c_str(),
                     std::strerror(errno));
        return 1;
    }
    if (opt.files.empty())
        opt.files.push_back("-");

    // Every file is read before anything is written, so a missing one fails the run cleanly.
    std::vector<std::u32string> texts;
    for (const auto &file : opt.files) {
        std::string bytes;
        if (file == "-") {
            if (!readStdin(bytes)) {
                std::fprintf(stderr, "dualexicon-translate: cannot read standard input\n");
                return 1;
            }
        } else {
            auto r = dlx::readFileBytes(file);
            if (!r) {
                std::fprintf(stderr, "dualexicon-translate: %s: %s\n", file.c_str(), r.error().reason().c_str());
                return 1;
            }
            bytes = std::move(*r);
        }
        texts.push_back(dlx::decodeTextBytes(bytes));
    }

    dlx::Lexicon lexicon(opt.dataFolder);
    dlx::TranslationState state;
    dlx::Translator translator(state, lexicon);
    translator.mode = opt.wordForWord ? dlx::TranslationMode::WordForWord : dlx::TranslationMode::Grammar;

    std::unordered_map<std::u32string, long> unknown;
    if (opt.unknown)
        translator.onUnknownWord = [&](std::u32string_view w) {
            std::u32string word = cleanWord(w);
            if (!word.empty())
                ++unknown[word];
        };

    static char outBuf[1 << 16];
    std::setvbuf(stdout, outBuf, _IOFBF, sizeof outBuf);
    const dlx::PhraseRewriter rewriter;
    dlx::RewriteScratch scratch;
    std::vector<char> out(1 << 22);
    size_t used = 0;
    auto flush = [&] {
        std::fwrite(out.data(), 1, used, stdout);
        used = 0;
    };
    auto emit = [&](std::u32string &line) {
        if (opt.unknown)
            return;
        rewriter.CheckThaiIdiom(line, {}, &scratch);
        const size_t room = line.size() * 4 + 1;
        if (used + room > out.size())
            flush();
        if (room > out.size())
            out.resize(room);
        used = static_cast<size_t>(dlx::writeUtf8(out.data() + used, line) - out.data());
        out[used++] = '\n';
    };

    // Lines stream through one at a time; the last one waits, because text still held at the end of the run
    // is appended to it.
    dlx::beginRun(state);
    lexicon.refresh();
    std::u32string pending;
    bool havePending = false;
    for (const auto &text : texts) {
        const std::u32string_view all(text);
        for (size_t start = 0; start < all.size();) {
            size_t end = start;
            while (end < all.size() && all[end] != U'\r' && all[end] != U'\n')
                ++end;
            if (havePending)
                emit(pending);
            pending = dlx::translateOneLine(translator, all.substr(start, end - start));
            havePending = true;
            if (end < all.size() && all[end] == U'\r' && end + 1 < all.size() && all[end + 1] == U'\n')
                ++end;
            start = end + 1;
        }
    }
    if (havePending) {
        dlx::appendHeldText(state, pending);
        emit(pending);
    }
    flush();

    if (opt.unknown) {
        std::vector<std::pair<std::u32string, long>> sorted(unknown.begin(), unknown.end());
        std::sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) {
            return a.second != b.second ? a.second > b.second : a.first < b.first;
        });
        for (const auto &[word, count] : sorted)
            std::fprintf(stdout, "%ld\t%s\n", count, dlx::toUtf8(word).c_str());
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

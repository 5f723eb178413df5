// dualexicon-translate: the translation engine on files or standard input, for scripts and big texts.
//
//   dualexicon-translate [--word-for-word | --extended] [--sentence-space] [--data DIR] [--unknown] [FILE...]
//   dualexicon-translate [--data DIR] --lookup WORD
//   dualexicon-translate --help | --version
//
// Input is UTF-8, or Windows-874 when it is not valid UTF-8; output is UTF-8, one line per input line.
// Texts stream through in chunks: a file is read twice (once to tell its encoding), standard input is kept.
#include "Driver.h"
#include "ProgramPaths.h"
#include "TextFile.h"
#include "TextLines.h"
#include "UnknownWords.h"
#include "Utf8.h"
#include "WordLookup.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct Options {
    bool wordForWord = false;
    bool sentenceSpace = false;
    bool extended = false;
    bool unknown = false;
    bool help = false;
    bool version = false;
    std::string dataFolder;
    std::optional<std::string> lookup;
    std::vector<std::string> files;
};

struct OptionSpec {
    std::vector<const char *> names;
    const char *value; ///< the name of its value in the help, or nullptr when it takes none
    const char *help;
    std::function<void(Options &, const char *)> apply;
};

const std::vector<OptionSpec> &optionTable() {
    static const std::vector<OptionSpec> table = {
        {{"--word-for-word"},
         nullptr,
         "write each meaning as it comes, not in the Thai word order",
         [](Options &o, const char *) { o.wordForWord = true; }},
        {{"--extended"},
         nullptr,
         "refine the grammar: passives, -ing words, relative clauses in place, possessives and \"to\" between "
         "verbs the Thai way (no effect with --word-for-word)",
         [](Options &o, const char *) { o.extended = true; }},
        {{"--sentence-space"},
         nullptr,
         "keep one space after a sentence's \".\" or \"?\" (by default sentences run on)",
         [](Options &o, const char *) { o.sentenceSpace = true; }},
        {{"--data"},
         "DIR",
         "the folder of the letter files A.pal ... Z.pal and of Idiom.pal, the user's own phrase rules "
         "(default: the program's dictionary, with the user's own letter files laid over the shipped ones when "
         "installed)",
         [](Options &o, const char *v) { o.dataFolder = v; }},
        {{"--unknown"},
         nullptr,
         "instead of the translation, list the English words the dictionary did not render, most frequent first",
         [](Options &o, const char *) { o.unknown = true; }},
        {{"--lookup"},
         "WORD",
         "instead of translating, show how the dictionary gives an English WORD (its own entry, or a stem and a "
         "suffix rule) and all its lines, \"*\" marking the one the translation uses; for a Thai WORD, the English "
         "entries whose meaning holds it",
         [](Options &o, const char *v) { o.lookup = v; }},
        {{"-h", "--help"}, nullptr, "show this help and exit", [](Options &o, const char *) { o.help = true; }},
        {{"--version"}, nullptr, "show the version and exit", [](Options &o, const char *) { o.version = true; }},
    };
    return table;
}

std::string usage() {
    std::string text = "Usage: dualexicon-translate [OPTION]... [FILE]...\n"
                       "Translate English text into Thai word by word with the Dualexicon dictionary.\n"
                       "With no FILE, or when FILE is -, read standard input.\n\n";
    for (const auto &o : optionTable()) {
        std::string names;
        for (const char *name : o.names)
            names += (names.empty() ? "" : ", ") + std::string(name);
        if (o.value)
            names += std::string(" ") + o.value;
        // The description wraps at 79 columns under itself.
        std::string line = "  " + names + std::string(names.size() < 19 ? 19 - names.size() : 1, ' ');
        const size_t indent = line.size();
        std::string_view words = o.help;
        while (!words.empty()) {
            const size_t end = words.find(' ');
            const std::string_view word = words.substr(0, end);
            if (line.size() > indent && line.size() + 1 + word.size() > 79) {
                text += line + "\n";
                line.assign(indent, ' ');
            }
            line += (line.size() > indent ? " " : "") + std::string(word);
            words.remove_prefix(end == std::string_view::npos ? words.size() : end + 1);
        }
        text += line + "\n";
    }
    return text + "\nInput is UTF-8, UTF-16 with a byte-order mark, or Windows-874.\n"
                  "Output is UTF-8, one line for each input line.\n"
                  "Exit status: 0 when all went well; 1 when an input or the data folder cannot be\n"
                  "read, or the output cannot be written, or --lookup found nothing; 2 for a wrong\n"
                  "option.\n";
}

/// Says why the run stops and gives the exit status of a failure.
int fail(const dlx::IoError &error) {
    std::fprintf(stderr, "dualexicon-translate: %s: %s\n", error.path.c_str(), error.reason().c_str());
    return 1;
}

/// Standard output: the UTF-8 of the translation gathered in a buffer and written in big blocks. Every write is
/// checked; after the first failure nothing more is written and failed() says so.
class Output {
public:
    Output() : buffer_(new char[kSize + 8]) {}

    void put(std::u32string_view text) {
        while (!text.empty() && !error_) {
            if (kSize - used_ < 4 * 64)
                flush();
            const size_t n = std::min(text.size(), (kSize - used_) / 4);
            used_ = static_cast<size_t>(encode(buffer_.get() + used_, text.substr(0, n)) - buffer_.get());
            text.remove_prefix(n);
        }
    }
    void putBytes(std::string_view bytes) {
        while (!bytes.empty() && !error_) {
            if (used_ == kSize)
                flush();
            const size_t n = std::min(bytes.size(), kSize - used_);
            std::memcpy(buffer_.get() + used_, bytes.data(), n);
            used_ += n;
            bytes.remove_prefix(n);
        }
    }
    /// Writes out what is gathered; false when it (or an earlier write) failed.
    bool flush() {
        for (size_t done = 0; done < used_ && !error_;) {
            const ssize_t n = ::write(STDOUT_FILENO, buffer_.get() + done, used_ - done);
            if (n > 0)
                done += static_cast<size_t>(n);
            else if (n == 0 || errno != EINTR)
                error_ = dlx::IoError::fromErrno("standard output");
        }
        used_ = 0;
        return !error_;
    }
    const std::optional<dlx::IoError> &failure() const { return error_; }

private:
    static constexpr size_t kSize = 1 << 18;

    // Most of the output is Thai, three bytes a character, written as one four-byte store (the buffer has room
    // for the spare byte, which the next character overwrites).
    static char *encode(char *p, std::u32string_view text) {
        for (char32_t c : text) {
            if (c < 0x80) {
                *p++ = static_cast<char>(c);
            } else if (c - 0x0E00u < 0x80u) {
                const std::uint32_t bytes = 0xE0u | (0xB8u | ((c >> 6) & 1u)) << 8 | (0x80u | (c & 0x3Fu)) << 16;
                std::memcpy(p, &bytes, 4);
                p += 3;
            } else {
                p = dlx::writeUtf8(p, std::u32string_view(&c, 1));
            }
        }
        return p;
    }

    std::unique_ptr<char[]> buffer_;
    size_t used_ = 0;
    std::optional<dlx::IoError> error_;
};

/// Inputs are read this many bytes at a time, and a longer line is translated a part at a time: little memory to
/// touch, big enough for few reads.
constexpr size_t kChunk = 1 << 17;

/// Reads with read(2), again after an interruption.
dlx::ByteReader readerOf(int fd, const std::string &name) {
    return [fd, name](char *to, size_t room) -> dlx::Result<size_t> {
        for (;;) {
            const ssize_t n = ::read(fd, to, room);
            if (n >= 0)
                return static_cast<size_t>(n);
            if (errno != EINTR)
                return dlx::IoError::fromErrno(name);
        }
    };
}

/// Feeds the lines of one input to the run. A file is read twice, first to tell its encoding; anything that
/// cannot be read again (standard input, a pipe) is kept in memory instead. Its bytes are UTF-16 after a UTF-16
/// byte-order mark, UTF-8 (after a UTF-8 mark, or when they are well-formed UTF-8), otherwise Windows-874.
dlx::Status translateInput(const std::string &file, dlx::StreamedRun &run, const Output &out) {
    const bool isStdin = file == "-";
    const std::string name = isStdin ? "standard input" : file;
    const int fd = isStdin ? STDIN_FILENO : ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return dlx::IoError::fromErrno(name);
    struct Closer {
        int fd;
        bool own;
        ~Closer() {
            if (own)
                ::close(fd);
        }
    } closer{fd, !isStdin};
    struct stat st {};
    const bool seekable = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::lseek(fd, 0, SEEK_CUR) == 0;
    const dlx::ByteReader read = readerOf(fd, name);

    std::u32string line;
    bool goesOn = false;
    auto feed = [&](dlx::TextLines &lines) -> dlx::Status {
        while (!out.failure() && lines.next(line, goesOn, kChunk))
            run.part(line, !goesOn); // a line longer than a part goes on in the next

        if (lines.error())
            return *lines.error();
        return {};
    };

    // The encoding is told from all the bytes; a file is then read again from its start.
    dlx::EncodingGuess guess;
    std::string kept;
    std::unique_ptr<char[]> chunk(new char[kChunk]);
    for (;;) {
        auto got = read(chunk.get(), kChunk);
        if (!got)
            return got.error();
        if (*got == 0)
            break;
        guess.feed(std::string_view(chunk.get(), *got));
        if (!seekable)
            kept.append(chunk.get(), *got);
    }
    chunk.reset();
    if (seekable && ::lseek(fd, 0, SEEK_SET) != 0)
        return dlx::IoError::fromErrno(name);
    const dlx::TextEncoding encoding = guess.encoding();
    if (encoding == dlx::TextEncoding::Utf16LE || encoding == dlx::TextEncoding::Utf16BE) {
        size_t at = 0;
        dlx::ByteReader source = seekable ? read : [&](char *to, size_t room) -> dlx::Result<size_t> {
            const size_t n = std::min(room, kept.size() - at);
            std::memcpy(to, kept.data() + at, n);
            at += n;
            return n;
        };
        dlx::TextLines lines(dlx::utf16AsUtf8(source, encoding == dlx::TextEncoding::Utf16BE), dlx::TextEncoding::Utf8,
                             kChunk);
        return feed(lines);
    }
    if (seekable) {
        dlx::TextLines lines(read, encoding, kChunk);
        return feed(lines);
    }
    dlx::TextLines lines(kept, encoding);
    return feed(lines);
}

/// --lookup: the word's lines (or, for Thai, the entries whose meaning holds it) on standard output. Exit 0 when
/// something was found, 1 when nothing was or a letter file could not be read.
int lookUp(const dlx::DataFolders &dictionary, const std::string &wordUtf8) {
    dlx::Lexicon lexicon(dictionary);
    dlx::WordLookup lookup(lexicon);
    const std::u32string word = dlx::fromUtf8(wordUtf8);
    const std::u32string_view trimmed = dlx::trimSpaces(word);
    const bool english =
        !trimmed.empty() && ((trimmed[0] >= U'a' && trimmed[0] <= U'z') || (trimmed[0] >= U'A' && trimmed[0] <= U'Z'));
    Output out;
    auto line = [&](const dlx::Sense &s, const char *mark) {
        out.putBytes(mark);
        out.put(s.english + U"\t" + s.thai + U"\t" + s.label + U"\n");
    };
    bool found = false;
    if (english) {
        const dlx::WordReport report = lookup.lookUp(trimmed);
        std::u32string how = report.word + U": ";
        switch (report.reach) {
        case dlx::WordReach::Exact:
            how += U"its own entry, translated as " + report.rendering;
            break;
        case dlx::WordReach::Stem:
            how += report.stem + U" + " + report.suffix + U", translated as " + report.rendering;
            break;
        case dlx::WordReach::Article:
            how += U"an article, which the translation leaves out";
            break;
        case dlx::WordReach::Unknown:
            how += U"no line renders it, the translation leaves it in English";
            break;
        }
        out.put(how + U"\n");
        for (const dlx::Sense &s : report.senses)
            line(s, s.used ? "* " : "  ");
        found = !report.senses.empty();
    } else {
        const std::vector<dlx::MeaningMatch> matches = lookup.findMeaning(trimmed);
        for (const dlx::MeaningMatch &m : matches)
            line(m.entry, "");
        found = !matches.empty();
    }
    for (const dlx::IoError &error : lookup.errors())
        std::fprintf(stderr, "dualexicon-translate: %s: %s\n", error.path.c_str(), error.reason().c_str());
    if (!out.flush())
        return fail(*out.failure());
    return found && lookup.errors().empty() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    // A reader that goes away early makes a failed write like any other: said and stopped, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    Options opt;
    for (int i = 1; i < argc && !opt.help && !opt.version; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            for (++i; i < argc; ++i)
                opt.files.push_back(argv[i]);
            break;
        }
        if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            auto option = std::find_if(optionTable().begin(), optionTable().end(), [&](const OptionSpec &o) {
                return std::find(o.names.begin(), o.names.end(), arg) != o.names.end();
            });
            if (option == optionTable().end()) {
                std::fprintf(stderr, "dualexicon-translate: unknown option %s\nTry 'dualexicon-translate --help'.\n",
                             arg.c_str());
                return 2;
            }
            const char *value = nullptr;
            if (option->value) {
                if (i + 1 >= argc) {
                    std::fprintf(stderr, "dualexicon-translate: %s needs a value\nTry 'dualexicon-translate --help'.\n",
                                 arg.c_str());
                    return 2;
                }
                value = argv[++i];
            }
            option->apply(opt, value);
            continue;
        }
        opt.files.push_back(arg);
    }
    if (opt.help || opt.version) {
        Output out;
        out.putBytes(opt.help ? usage() : "dualexicon-translate (Dualexicon) " DLX_VERSION "\n");
        return out.flush() ? 0 : fail(*out.failure());
    }
    const dlx::DataFolders folders = opt.dataFolder.empty()
                                         ? dlx::runFoldersOf(dlx::locateProgram(dlx::executableFolder())).data
                                         : dlx::DataFolders(opt.dataFolder);
    opt.dataFolder = folders.shipped;
    if (DIR *d = ::opendir(opt.dataFolder.c_str())) {
        ::closedir(d);
    } else {
        std::fprintf(stderr, "dualexicon-translate: cannot read the data folder %s: %s\n", opt.dataFolder.c_str(),
                     std::strerror(errno));
        return 1;
    }
    if (opt.lookup)
        return lookUp(folders, *opt.lookup);
    if (opt.files.empty())
        opt.files.push_back("-");

    // Every file is opened before anything is written, so a missing one fails the run cleanly.
    for (const auto &file : opt.files) {
        if (file == "-")
            continue;
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        int problem = fd < 0 ? errno : 0;
        struct stat st {};
        if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode))
            problem = EISDIR;
        if (fd >= 0)
            ::close(fd);
        if (problem)
            return fail(dlx::IoError{problem, file, {}});
    }

    // A dictionary that cannot help is said at once; the run goes on and leaves those words in English.
    dlx::Lexicon lexicon(folders);
    int letterFiles = 0;
    for (char32_t letter = U'A'; letter <= U'Z'; ++letter) {
        const auto index = lexicon.letter(letter);
        if (!index)
            std::fprintf(stderr, "dualexicon-translate: warning: %s: %s; words starting with %c stay in English\n",
                         index.error().path.c_str(), index.error().reason().c_str(), static_cast<char>(letter));
        letterFiles += !index || *index;
    }
    if (letterFiles == 0)
        std::fprintf(stderr,
                     "dualexicon-translate: warning: %s holds no letter files (A.pal ... Z.pal); every word stays in "
                     "English\n",
                     opt.dataFolder.c_str());
    dlx::TranslationState state;
    dlx::Translator translator(state, lexicon);
    translator.mode = opt.wordForWord ? dlx::TranslationMode::WordForWord : dlx::TranslationMode::Grammar;
    translator.sentenceSpace = opt.sentenceSpace;
    translator.extended = opt.extended;

    dlx::UnknownWords unknown;
    if (opt.unknown)
        translator.onUnknownWord = [&](std::u32string_view w) { unknown.add(w); };

    Output out;
    dlx::StreamedRun::Sink sink;
    if (!opt.unknown)
        sink = [&](std::u32string_view text) { out.put(text); };
    dlx::StreamedRun run(translator, sink);
    for (const auto &refused : run.phraseRulesNews().refused)
        std::fprintf(stderr, "dualexicon-translate: %s line %d: rule refused, %s: %s\n",
                     run.phraseRulesNews().path.c_str(), refused.line,
                     refused.why == dlx::RefusedPhraseRule::Why::EmptySearch
                         ? "nothing to search for"
                         : "its replacement holds its own search text, so it would never finish",
                     dlx::toUtf8(refused.text).c_str());
    if (const auto &error = run.phraseRulesNews().readError)
        std::fprintf(stderr, "dualexicon-translate: %s: %s; only the built-in phrase rules apply\n",
                     error->path.c_str(), error->reason().c_str());
    for (const auto &file : opt.files) {
        if (auto done = translateInput(file, run, out); !done)
            return fail(done.error());
        if (out.failure())
            return fail(*out.failure());
    }
    run.finish();
    if (run.phraseGrowthHeldBack())
        std::fprintf(stderr,
                     "dualexicon-translate: %s: phrase rules that feed each other were stopped where they would have "
                     "made a phrase more than four times longer\n",
                     run.phraseRulesNews().path.c_str());

    if (opt.unknown) {
        for (const auto &[word, count] : unknown.mostFrequent())
            out.putBytes(std::to_string(count) + "\t" + dlx::toUtf8(word) + "\n");
    }
    if (!out.flush())
        return fail(*out.failure());
    if (::close(STDOUT_FILENO) != 0 && errno != EINTR) // a file system may report a failed write only now
        return fail(dlx::IoError::fromErrno("standard output"));
    return 0;
}

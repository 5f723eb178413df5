// The command-line translator end to end: real files, real process, exit codes, encodings, line ends.
#include "EngineFixture.h"

#include <fstream>
#include <sstream>
#include <sys/wait.h>

using namespace dlx;
using namespace dlx::test;

namespace {

struct Result {
    int status = -1;
    std::string out, err;
};

std::string slurp(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class Cli : public ::testing::Test {
protected:
    TempFolder data;
    TempFolder work;

    void SetUp() override {
        data.writeEntries({entry("can", "สามารถ", VT), entry("not", "ไม่", ADV), entry("go", "ไป", VI),
                           entry("i", "ฉัน", PRO), entry("red", "แดง", ADJ), entry("car", "รถ", N)});
    }
    std::string file(const std::string &name, const std::string &bytes) {
        const std::string p = work.path() + "/" + name;
        EXPECT_TRUE(writeFileBytes(p, bytes).ok());
        return p;
    }
    /// Runs the translator with its standard output going to `to` (a shell redirection or pipe).
    Result run(const std::string &args, const std::string &stdinBytes = "", const std::string &to = "") {
        const std::string in = file("stdin.bin", stdinBytes);
        const std::string out = work.path() + "/out.txt", err = work.path() + "/err.txt";
        const std::string status = work.path() + "/status.txt";
        const std::string cmd = std::string("'") + DLX_RUNTIME_DIR + "/dualexicon-translate' " + args + " <'" + in +
                                "' 2>'" + err + "' " +
                                (to.empty() ? ">'" + out + "'" : to + "; echo ${PIPESTATUS[0]} >'" + status + "'");
        const std::string script = file("run.sh", cmd + "\n");
        const int raw = std::system(("bash '" + script + "'").c_str());
        Result r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        if (!to.empty())
            r.status = std::atoi(slurp(status).c_str());
        r.out = slurp(out);
        r.err = slurp(err);
        return r;
    }
    std::string dataArg() const { return "--data '" + data.path() + "'"; }
};

TEST_F(Cli, TranslatesStandardInputWithOneOutputLinePerInputLine) {
    const Result r = run(dataArg(), "I can not go\r\nred car\rgo\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "ฉันไม่สามารถไป\nรถแดง\nไป\n");
}

TEST_F(Cli, KeepsEmptyLinesAndAddsNoLineForAFinalBreak) {
    EXPECT_EQ(run(dataArg(), "go\n\ngo").out, "ไป\n\nไป\n");
    EXPECT_EQ(run(dataArg(), "").out, "");
    EXPECT_EQ(run(dataArg(), "\n").out, "\n");
}

TEST_F(Cli, WordForWordAndFilesInOrder) {
    const std::string a = file("a.txt", "red car\n"), b = file("b.txt", "go");
    const Result r = run("--word-for-word " + dataArg() + " '" + a + "' '" + b + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "แดงรถ\nไป\n");
}

TEST_F(Cli, SentenceSpaceKeepsTheSpaceAfterASentence) {
    EXPECT_EQ(run(dataArg(), "I go. I go").out, "ฉันไป.ฉันไป\n");
    EXPECT_EQ(run("--sentence-space " + dataArg(), "I go. I go").out, "ฉันไป. ฉันไป\n");
}

TEST_F(Cli, ExtendedRefinesTheGrammarModeOnly) {
    EXPECT_EQ(run(dataArg(), "I can to go").out, "ฉันสามารถto ไป\n");
    EXPECT_EQ(run("--extended " + dataArg(), "I can to go").out, "ฉันสามารถไป\n");
    EXPECT_EQ(run("--extended --word-for-word " + dataArg(), "I can to go").out, "ฉันสามารถto ไป\n");
}

TEST_F(Cli, AppliesTheDataFoldersOwnPhraseRulesAndNamesTheRefusedOnes) {
    data.writeLines("Idiom.pal", {"ไม่สามารถไป/ไปไม่ได้", "/nothing", "ไป/ไปไหน"});
    const Result r = run(dataArg(), "I can not go\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "ฉันไปไม่ได้\n");
    EXPECT_NE(r.err.find("Idiom.pal line 2: rule refused"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Idiom.pal line 3: rule refused"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("stopped"), std::string::npos) << r.err;

    std::string toI = "ไป/", toNot = "ฉัน/"; // each one sound, but they feed each other
    for (int i = 0; i < 20; ++i)
        toI += "ฉัน", toNot += "ไม่";
    data.writeLines("Idiom.pal", {toI, toNot});
    EXPECT_NE(run(dataArg(), "I go\n").err.find("Idiom.pal: phrase rules that feed each other were stopped"),
              std::string::npos);
}

TEST_F(Cli, ReadsEveryEncodingTheWindowOpens) {
    auto utf16 = [](const std::u32string &text, bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        auto unit = [&](char32_t u) {
            const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
            bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
        };
        for (char32_t c : text) {
            if (c >= 0x10000) {
                unit(0xD800 + ((c - 0x10000) >> 10));
                unit(0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                unit(c);
            }
        }
        return bytes;
    };
    const std::u32string text = U"go \U0001F600\r\nred car\rI go";
    const std::string expected = "ไป\U0001F600\nรถแดง\nฉันไป\n";
    struct Row {
        const char *name;
        std::string bytes, out;
    } rows[] = {
        {"UTF-8", toUtf8(text), expected},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + toUtf8(text), expected},
        {"UTF-16 LE", utf16(text, false), expected},
        {"UTF-16 BE", utf16(text, true), expected},
        {"UTF-16 with a lone surrogate and an odd byte", utf16(U"go ", false) + std::string("\x00\xD8 \x00x", 5),
         "ไป\uFFFD \uFFFD\n"},
        {"Windows-874", "go \xA1\xA2\r\n", "ไป\xE0\xB8\x81\xE0\xB8\x82\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = file("input.txt", row.bytes);
        EXPECT_EQ(run(dataArg() + " '" + path + "'").out, row.out); // a file, read twice
        EXPECT_EQ(run(dataArg(), row.bytes).out, row.out);          // standard input, kept
    }
}

TEST_F(Cli, WarnsOfADictionaryThatCannotHelpAndGoesOn) {
    TempFolder empty;
    Result r = run("--data '" + empty.path() + "'", "I go");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "I go\n");
    EXPECT_NE(r.err.find("holds no letter files"), std::string::npos) << r.err;
    // A letter file that is there but cannot be read (as root too: reading this one fails with an I/O error).
    std::filesystem::remove(data.file("I.pal"));
    std::filesystem::create_symlink("/proc/self/mem", data.file("I.pal"));
    r = run(dataArg(), "I go");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "I ไป\n");
    EXPECT_NE(r.err.find(data.file("I.pal") + ": "), std::string::npos) << r.err;
}

TEST_F(Cli, ListsUnknownWordsMostFrequentFirst) {
    const Result r = run("--unknown " + dataArg(), "zebra go Zebra, apple\nwalks zebra apple \"zebra.\"");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "4\tzebra\n2\tapple\n1\twalks\n");
}

TEST_F(Cli, LooksUpAWordEitherWayWithItsExitStatus) {
    data.writeEntries({entry("car", "รถ", N), entry("car", "รถยนต์", N)}); // C.pal again, with a second sense
    Result r = run(dataArg() + " --lookup Cars");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Cars: car + -s, translated as รถ\n* car\tรถ\t" + std::string(N) + "\n  car\tรถยนต์\t" + N + "\n");
    r = run(dataArg() + " --lookup รถ");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "car\tรถ\t" + std::string(N) + "\ncar\tรถยนต์\t" + N + "\n");
    r = run(dataArg() + " --lookup xyzzy");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "xyzzy: no line renders it, the translation leaves it in English\n");
    EXPECT_EQ(run(dataArg() + " --lookup ช้าง").status, 1);
    EXPECT_EQ(run("--lookup").status, 2);
}

TEST_F(Cli, ErrorsGoToStandardErrorWithTheirExitStatus) {
    struct Row {
        std::string args;
        int status;
    } rows[] = {
        {dataArg() + " '" + work.path() + "/missing.txt'", 1},
        {"--data '" + work.path() + "/no-such-folder'", 1},
        {"--bogus", 2},
        {"--data", 2},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.args);
        const Result r = run(row.args, "go");
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(r.err.empty());
    }
}

TEST_F(Cli, AnOutputThatCannotBeWrittenFailsWithTheReason) {
    std::string big;
    for (int i = 0; i < 200000; ++i)
        big += "I can not go\n"; // about 5 MB of Thai: more than one block and more than a pipe holds
    struct Row {
        const char *input;
        std::string to, reason;
    } rows[] = {
        {"go", ">/dev/full", "No space left on device"},
        {"big", ">/dev/full", "No space left on device"},
        {"big", "| head -c 1 >/dev/null", "Broken pipe"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.to);
        const Result r = run(dataArg(), row.input == std::string("big") ? big : row.input, row.to);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("standard output: " + row.reason), std::string::npos) << r.err;
    }
    const Result help = run("--help", "", ">/dev/full");
    EXPECT_EQ(help.status, 1);
}

TEST_F(Cli, HelpNamesEveryOptionAndVersionGivesTheProjectVersion) {
    const Result help = run("--help");
    EXPECT_EQ(help.status, 0);
    for (const char *option :
         {"--word-for-word", "--sentence-space", "--data DIR", "--unknown", "-h, --help", "--version", "FILE"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_EQ(run("-h").out, help.out);
    const Result version = run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("dualexicon-translate (Dualexicon) ") + DLX_VERSION + "\n");
}

TEST_F(Cli, LeavesTheDataFolderUntouched) {
    const std::string before = slurp(data.path() + "/C.pal");
    const auto count = [&] {
        return std::distance(std::filesystem::directory_iterator(data.path()), std::filesystem::directory_iterator{});
    };
    const auto files = count();
    run(dataArg(), "red car");
    EXPECT_EQ(slurp(data.path() + "/C.pal"), before);
    EXPECT_EQ(count(), files);
}

} // namespace

// A translation run on real work files in a temp program folder, with hooks standing in for the window.
#include "WorkspaceFixture.h"

#include "Codec874.h"
#include "TextFile.h"
#include "TranslateRun.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dlx {
namespace {

namespace fs = std::filesystem;

struct Recorder {
    std::vector<int> percents;    ///< of the line loop
    std::vector<RunPhase> phases; ///< the steps begun
    bool cancelAside = false;     ///< a cancel lands while the first aside work runs
    std::vector<std::string> failures;
    std::vector<std::u32string> shown;
    std::vector<std::string> savedBytes;
    int yields = 0;
    std::function<void(int)> onYield;
    bool saveFails = false;
};

class TranslateRunTest : public ::testing::Test {
protected:
    void SetUp() override { test::writeFixtureDictionary(program.dataFolder()); }

    TranslateRunHooks hooks() {
        TranslateRunHooks h;
        h.saveText = [this](const std::u32string &text, const std::string &path) -> Result<TextEncoding> {
            if (rec.saveFails)
                return IoError{EACCES, path, {}};
            bool utf8 = false;
            const std::string bytes = saveTextBytes(text, true, &utf8);
            if (auto written = writeFileBytes(path, bytes); !written)
                return written.error();
            rec.savedBytes.push_back(*readFileBytes(path));
            return utf8 ? TextEncoding::Utf8Bom : TextEncoding::Windows874;
        };
        h.progress = [this](RunPhase phase, int p) {
            if (phase == RunPhase::Translating)
                rec.percents.push_back(p);
            else if (p < 0)
                rec.phases.push_back(phase);
        };
        h.aside = [this](const std::function<void()> &work) {
            work();
            if (std::exchange(rec.cancelAside, false))
                state.Translating = false;
        };
        h.yield = [this] {
            ++rec.yields;
            if (rec.onYield)
                rec.onYield(rec.yields);
        };
        h.showTranslation = [this](const std::u32string &t) { rec.shown.push_back(t); };
        h.failure = [this](const std::string &what, const IoError &why) {
            rec.failures.push_back(what + " | " + why.path + " | " + why.reason());
        };
        return h;
    }

    RunOutcome run(const std::string &text, TranslationMode mode = TranslationMode::Grammar) {
        Lexicon lexicon(program.dataFolder());
        Translator translator(state, lexicon);
        translator.mode = mode;
        beginRun(state);
        static const PhraseRewriter rewriter;
        return runTranslation(translator, rewriter, withCrLf(fromUtf8(text)), program.path(), hooks());
    }

    bool workFile(const char *name) const { return fs::exists(fs::path(program.path()) / name); }

    test::TempProgramFolder program;
    TranslationState state;
    Recorder rec;
};

TEST_F(TranslateRunTest, translatesLikeTheEngineAndCleansUp) {
    const std::string text = "I can not go\nred cat\nx=y, don't\n\nWhy? No.";
    EXPECT_EQ(run(text), RunOutcome::Finished);
    ASSERT_EQ(rec.shown.size(), 1u);
    EXPECT_EQ(toUtf8(rec.shown[0]), test::engineTranslation(program.dataFolder(), text));
    EXPECT_EQ(toUtf8(rec.shown[0]).substr(0, toUtf8(U"ฉันไม่สามารถไป\n").size()), toUtf8(U"ฉันไม่สามารถไป\n"));
    EXPECT_TRUE(rec.failures.empty());
    EXPECT_FALSE(workFile(kOriginalWorkFile));
    EXPECT_FALSE(workFile(kTranslateWorkFile));
    EXPECT_EQ(rec.percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(rec.percents.begin(), rec.percents.end()));
    EXPECT_EQ(rec.percents, (std::vector<int>{0, 20, 40, 60, 80, 100}));
    EXPECT_EQ(rec.phases, (std::vector<RunPhase>{RunPhase::Saving, RunPhase::Counting, RunPhase::Writing,
                                                 RunPhase::Rewriting, RunPhase::Showing}));
}

TEST_F(TranslateRunTest, originalWorkFileIsWindows874WithCrLf) {
    run("red cat\nแมว");
    ASSERT_EQ(rec.savedBytes.size(), 1u);
    EXPECT_EQ(rec.savedBytes[0], "red cat\r\n" + encode874(U"แมว") + "\r\n");
}

TEST_F(TranslateRunTest, charactersOutsideWindows874SurviveTheWorkFiles) {
    const std::string text = "naïve red cat ☃ €";
    EXPECT_EQ(run(text), RunOutcome::Finished);
    ASSERT_EQ(rec.savedBytes.size(), 1u);
    EXPECT_EQ(rec.savedBytes[0].substr(0, 3), "\xEF\xBB\xBF");
    ASSERT_EQ(rec.shown.size(), 1u);
    const std::string shown = toUtf8(rec.shown[0]);
    EXPECT_NE(shown.find("naïve"), std::string::npos);
    EXPECT_NE(shown.find("☃"), std::string::npos);
    EXPECT_NE(shown.find("€"), std::string::npos);
    EXPECT_EQ(shown, test::engineTranslation(program.dataFolder(), text));
}

TEST_F(TranslateRunTest, emptyTextAndTrailingLineBreakGiveEmptyLines) {
    struct Row {
        std::string text;
        std::string shown;
    };
    for (const Row &r : {Row{"", ""}, Row{"cat\n", "แมว\n"}, Row{"\n\n", "\n\n"}, Row{"cat\r\ncat", "แมว\nแมว"}}) {
        rec = Recorder{};
        EXPECT_EQ(run(r.text), RunOutcome::Finished);
        ASSERT_EQ(rec.shown.size(), 1u);
        EXPECT_EQ(toUtf8(rec.shown[0]), r.shown) << '"' << r.text << '"';
        EXPECT_EQ(rec.percents.back(), 100);
    }
}

TEST_F(TranslateRunTest, lineLimit) {
    std::string limit;
    for (int i = 0; i < 32767; ++i)
        limit += "cat\n";
    limit.pop_back();
    EXPECT_EQ(run(limit), RunOutcome::Finished);
    ASSERT_EQ(rec.shown.size(), 1u);
    EXPECT_EQ(splitLines(rec.shown[0]).size(), 32767u);

    rec = Recorder{};
    EXPECT_EQ(run(limit + "\ncat"), RunOutcome::Failed);
    ASSERT_EQ(rec.failures.size(), 1u);
    EXPECT_NE(rec.failures[0].find("32767"), std::string::npos);
    EXPECT_NE(rec.failures[0].find("32768"), std::string::npos);
    EXPECT_TRUE(rec.shown.empty());
    EXPECT_TRUE(rec.percents.empty());
    EXPECT_EQ(rec.yields, 0);
    // A failure before the line loop leaves the work file it had written.
    EXPECT_TRUE(workFile(kOriginalWorkFile));
    EXPECT_FALSE(workFile(kTranslateWorkFile));
}

TEST_F(TranslateRunTest, cancelDuringTheFirstLineKeepsThatLineUnrewritten) {
    rec.onYield = [this](int) { state.Translating = false; };
    EXPECT_EQ(run("can not\ncan not\ncan not", TranslationMode::WordForWord), RunOutcome::Cancelled);
    ASSERT_EQ(rec.shown.size(), 1u);
    EXPECT_EQ(toUtf8(rec.shown[0]), "สามารถไม่");
    EXPECT_EQ(rec.yields, 2); // after the line, and after the one piece of rewriting
    EXPECT_FALSE(workFile(kOriginalWorkFile));
    EXPECT_FALSE(workFile(kTranslateWorkFile));
}

TEST_F(TranslateRunTest, cancelDuringRewritingStopsFurtherReplacements) {
    // Three line yields, then one after each replacement: cancel at the first replacement. The end of the one
    // piece of rewriting yields once more.
    rec.onYield = [this](int n) {
        if (n == 4)
            state.Translating = false;
    };
    EXPECT_EQ(run("can not\ncan not\ncan not", TranslationMode::WordForWord), RunOutcome::Cancelled);
    ASSERT_EQ(rec.shown.size(), 1u);
    EXPECT_EQ(toUtf8(rec.shown[0]), "ไม่สามารถ\nสามารถไม่\nสามารถไม่");
    EXPECT_EQ(rec.yields, 5);
    EXPECT_FALSE(workFile(kTranslateWorkFile));
}

TEST_F(TranslateRunTest, cancelBeforeTheFirstLineLeavesThePaneAlone) {
    rec.cancelAside = true; // while the saved text is read back
    EXPECT_EQ(run("red cat\ncan not"), RunOutcome::Cancelled);
    EXPECT_TRUE(rec.shown.empty());
    EXPECT_TRUE(rec.percents.empty());
    EXPECT_TRUE(rec.failures.empty());
    EXPECT_FALSE(workFile(kOriginalWorkFile));
    EXPECT_FALSE(workFile(kTranslateWorkFile));
}

TEST(RewriteInPieces, sameAsTheWholeTextAndReportsItsProgress) {
    // Many pieces' worth of lines, the rule's text right at the ends of lines.
    std::u32string text;
    for (int i = 0; i < 30000; ++i)
        text += i % 3 ? U"แมวสามารถไม่\n" : U"สามารถไม่\r\n";
    const PhraseRewriter rewriter;
    std::u32string whole = text;
    rewriter.CheckThaiIdiom(whole);
    std::vector<int> percents;
    int yields = 0;
    RewriteHooks hooks;
    hooks.afterReplacement = [&] { ++yields; };
    EXPECT_FALSE(rewriteInPieces(rewriter, text, hooks, [&](int p) { percents.push_back(p); }));
    EXPECT_EQ(text, whole);
    ASSERT_GT(percents.size(), 3u);
    EXPECT_EQ(percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_GT(yields, 30000);

    // Rules that feed each other are stopped, and the window is told.
    std::u32string fed = U"กก";
    EXPECT_TRUE(rewriteInPieces(PhraseRewriter({{U"ก", U"ขขขขขขขข"}, {U"ข", U"คคคคคคคค"}}), fed, {}, {}));
}

TEST_F(TranslateRunTest, unwrittenOriginalEndsTheRunQuietly) {
    rec.saveFails = true;
    EXPECT_EQ(run("red cat"), RunOutcome::NotWritten);
    EXPECT_TRUE(rec.failures.empty());
    EXPECT_TRUE(rec.shown.empty());
    EXPECT_TRUE(rec.percents.empty());
}

TEST_F(TranslateRunTest, staleOriginalIsNeverTranslatedWhenTheNewOneCannotBeWritten) {
    // An old work file from an interrupted run is still there.
    ASSERT_TRUE(writeFileBytes(program.path() + "/Original.pal", "old text\r\n").ok());
    rec.saveFails = true;
    EXPECT_EQ(run("red cat"), RunOutcome::NotWritten);
    EXPECT_TRUE(rec.shown.empty());
}

TEST_F(TranslateRunTest, aLeftoverWorkFileThatCannotBeWrittenIsNamedWithItsOwnerAndTheReason) {
    const std::string leftover = program.path() + "/" + kOriginalWorkFile;
    ASSERT_TRUE(writeFileBytes(leftover, "old text\r\n").ok());
    ASSERT_EQ(::chmod(leftover.c_str(), 0444), 0);
    // Permissions do not stop the superuser: as root, the run is made by a user who does not own the file.
    const bool root = ::geteuid() == 0;
    const auto becomeNobody = [] { return ::setgid(65534) == 0 && ::setuid(65534) == 0; };
    if (const pid_t probe = root ? ::fork() : -1; probe == 0) {
        ::_exit(becomeNobody() ? 0 : 1);
    } else if (int status = 0; probe > 0 && (::waitpid(probe, &status, 0) != probe || status != 0)) {
        GTEST_SKIP() << "this superuser cannot become another user";
    }
    auto runAsItsNonOwner = [&] {
        if (root && (::chmod(program.path().c_str(), 0755) != 0 || !becomeNobody()))
            std::exit(2);
        const RunOutcome outcome = run("red cat");
        for (const auto &f : rec.failures)
            std::fprintf(stderr, "%s\n", f.c_str());
        std::exit(outcome == RunOutcome::Failed && rec.failures.size() == 1 && rec.savedBytes.empty() ? 0 : 1);
    };
    EXPECT_EXIT(runAsItsNonOwner(), ::testing::ExitedWithCode(0),
                std::string(root ? "ของผู้ใช้ root" : "") + ".*Original.pal \\| Permission denied");
}

TEST_F(TranslateRunTest, unwritableTranslateFileIsReportedAndThePaneKeepsItsText) {
    fs::create_directory(fs::path(program.path()) / "Translate.pal");
    EXPECT_EQ(run("red cat"), RunOutcome::Failed);
    ASSERT_EQ(rec.failures.size(), 1u);
    EXPECT_NE(rec.failures[0].find("Translate.pal"), std::string::npos);
    EXPECT_TRUE(rec.shown.empty());
    EXPECT_FALSE(workFile(kOriginalWorkFile));
}

TEST_F(TranslateRunTest, missingProgramFolderIsReported) {
    Lexicon lexicon(program.dataFolder());
    Translator translator(state, lexicon);
    beginRun(state);
    const RunOutcome outcome =
        runTranslation(translator, PhraseRewriter(), U"cat", program.path() + "/no-such-folder", hooks());
    EXPECT_EQ(outcome, RunOutcome::NotWritten);
    EXPECT_TRUE(rec.shown.empty());
}

TEST(WithCrLf, everyLoneLineFeedGetsItsCarriageReturn) {
    struct Row {
        std::u32string in, out;
    };
    for (const Row &r : {Row{U"a\nb", U"a\r\nb"}, Row{U"a\r\nb", U"a\r\nb"}, Row{U"\n", U"\r\n"}, Row{U"", U""},
                         Row{U"a\rb", U"a\rb"}, Row{U"\n\n", U"\r\n\r\n"}})
        EXPECT_EQ(withCrLf(r.in), r.out);
}

TEST(RemoveWorkFiles, deletesOnlyTheTwoWorkFiles) {
    test::TempProgramFolder program;
    for (const char *name : {"Original.pal", "Translate.pal", "original.pal", "Keep.pal"})
        ASSERT_TRUE(writeFileBytes(program.path() + "/" + name, "x").ok());
    removeWorkFiles(program.path());
    EXPECT_FALSE(fs::exists(program.path() + "/Original.pal"));
    EXPECT_FALSE(fs::exists(program.path() + "/Translate.pal"));
    EXPECT_TRUE(fs::exists(program.path() + "/original.pal"));
    EXPECT_TRUE(fs::exists(program.path() + "/Keep.pal"));
    removeWorkFiles(program.path()); // nothing left to delete: no harm
}

} // namespace
} // namespace dlx

// The drill's records in their SQLite file: runs read back after reopening, a damaged file made afresh, and the
// missed words the drill keeps, practises and lets go.
#include "GameTestSupport.h"
#include "SqlDrillRecords.h"
#include "TypingDrill.h"
#include "Utf8.h"

#include <QCoreApplication>
#include <QString>
#include <gtest/gtest.h>

using namespace dlx;
using dlx::test::ScriptedRandom;
using dlx::test::TempDictionary;

namespace {

class DrillRecordsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Qt SQL loads its drivers through the application object.
        static int argc = 1;
        static char name[] = "typing_tests";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }

    TempDictionary folder;
    QString path(const std::string &name = "user/history.sqlite") const {
        return QString::fromStdString(folder.file(name));
    }
    std::unique_ptr<SqlDrillRecords> open(const QString &at) const {
        auto opened = SqlDrillRecords::open(at);
        if (!opened) {
            ADD_FAILURE() << opened.error().reason();
            return nullptr;
        }
        EXPECT_FALSE(opened->recreated);
        return std::move(opened->records);
    }
};

} // namespace

TEST_F(DrillRecordsTest, RunsAreReadBackAfterReopeningOldestFirst) {
    const std::vector<DrillRun> runs = {
        {1'700'000'000, DrillTwin::English, 5, 12, 143, 96},
        {1'700'000'900, DrillTwin::Thai, 1, -2, 0, std::nullopt},
        {1'800'000'000, DrillTwin::Thai, 10, 40, 210, 100},
    };
    {
        auto records = open(path("user/new/folder/history.sqlite")); // folders made on the way
        ASSERT_TRUE(records);
        for (auto it = runs.rbegin(); it != runs.rend(); ++it)
            ASSERT_TRUE(records->addRun(*it));
    }
    auto records = open(path("user/new/folder/history.sqlite"));
    ASSERT_TRUE(records);
    auto read = records->runs();
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, runs);
}

TEST_F(DrillRecordsTest, DamagedFileIsMovedAsideAndMadeAfresh) {
    const std::pair<const char *, std::string> rows[] = {
        {"text", "this is not a database\n"},
        {"header then garbage", std::string("SQLite format 3\0", 16) + std::string(4000, '\x5a')},
        {"binary", std::string(1024, '\xff')},
    };
    for (const auto &[what, bytes] : rows) {
        SCOPED_TRACE(what);
        folder.writeBytes("user/history.sqlite", bytes);
        auto opened = SqlDrillRecords::open(path());
        ASSERT_TRUE(opened) << opened.error().reason();
        EXPECT_TRUE(opened->recreated);
        EXPECT_EQ(opened->damagedCopy, path() + ".damaged");
        EXPECT_EQ(readFileBytes(folder.file("user/history.sqlite.damaged")).value(), bytes);
        ASSERT_TRUE(opened->records->addRun({1, DrillTwin::English, 1, 1, 1, 1}));
        EXPECT_EQ(opened->records->runs()->size(), 1u);
    }
}

TEST_F(DrillRecordsTest, UnusableFolderFailsWithoutRecords) {
    folder.writeBytes("user", "a file where the folder belongs");
    EXPECT_FALSE(SqlDrillRecords::open(path()));
}

TEST_F(DrillRecordsTest, MissedWordLeavesAfterTwoRightInARow) {
    folder.write("C.pal", {U"cat/แมว/n.(นาม)"});
    ScriptedRandom random;
    std::int16_t timeLimit = 0;
    auto records = open(path());
    ASSERT_TRUE(records);
    TypingDrill drill(DrillTwin::English, folder.data(), random, timeLimit);
    drill.setRecords(records.get());
    ASSERT_TRUE(drill.newWord());

    // Each row: the word typed, then the missed list (-1: cat is not in it, else its right-in-a-row count).
    const std::pair<std::u32string, int> steps[] = {
        {U"cat", -1}, {U"cax", 0}, {U"cat", 1}, {U"xat", 0}, {U"cat", 1}, {U"cat", -1}, {U"cat", -1},
    };
    for (const auto &[typed, expected] : steps) {
        for (char32_t c : typed + U"\r")
            drill.press(c);
        EXPECT_FALSE(drill.recordsFailure());
        const auto missed = records->missedWords(DrillTwin::English);
        ASSERT_TRUE(missed);
        if (expected < 0)
            EXPECT_TRUE(missed->empty()) << toUtf8(typed);
        else
            EXPECT_EQ(*missed, (std::vector<MissedWord>{{{U"cat", U"แมว", U"n.(นาม)"}, expected}})) << toUtf8(typed);
    }
    EXPECT_TRUE(records->missedWords(DrillTwin::Thai)->empty()); // each drill keeps its own list
}

TEST_F(DrillRecordsTest, PractiseDrawsMissedWordsFirstThenTheDictionary) {
    folder.write("C.pal", {U"cat/แมว/n.(นาม)"});
    ScriptedRandom random;
    std::int16_t timeLimit = 0;
    auto records = open(path());
    ASSERT_TRUE(records);
    ASSERT_TRUE(records->keepMissedWord(DrillTwin::Thai, {{U"dog", U"หมา", U"n.(นาม)"}, 0}));
    ASSERT_TRUE(records->keepMissedWord(DrillTwin::Thai, {{U"sun", U"ดวงอาทิตย์", U"n.(นาม)"}, 1}));
    TypingDrill drill(DrillTwin::Thai, folder.data(), random, timeLimit);
    drill.setRecords(records.get());
    drill.setPractising(true);

    // The list first (never the word just asked while another is left); each word typed right leaves once it has
    // two right in a row: sun at once, dog on its second turn. Then the dictionary's cat.
    const std::u32string expected[] = {U"หมา", U"ดวงอาทิตย์", U"หมา", U"แมว"};
    ASSERT_TRUE(drill.newWord());
    for (const std::u32string &target : expected) {
        EXPECT_EQ(drill.target(), target);
        for (char32_t c : drill.target() + U"\r")
            drill.press(c);
    }
    EXPECT_TRUE(records->missedWords(DrillTwin::Thai)->empty());
}

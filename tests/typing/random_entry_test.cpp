#include "GameTestSupport.h"
#include "RandomEntry.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace dlx;
using dlx::test::ScriptedRandom;
using dlx::test::TempDictionary;

TEST(SplitEntry, ThreeFieldsMissingOnesEmptyExtraPiecesIgnored) {
    struct Row {
        std::u32string line;
        DictionaryEntry entry;
        bool isEntry; ///< what parseEntry says: a line needs a "/"
    };
    const Row rows[] = {
        {U"bank/ธนาคาร/n.(นาม)", {U"bank", U"ธนาคาร", U"n.(นาม)", 3}, true},
        {U"bank/ธนาคาร/n.(นาม)/extra", {U"bank", U"ธนาคาร", U"n.(นาม)", 3}, true},
        {U"bank/ธนาคาร", {U"bank", U"ธนาคาร", U"", 2}, true},
        {U"bank", {U"bank", U"", U"", 1}, false},
        {U"", {U"", U"", U"", 1}, false},
        {U"/แมว/n.(นาม)", {U"", U"แมว", U"n.(นาม)", 3}, true},
        {U" Apple / แอปเปิล /n.(นาม)", {U" Apple ", U" แอปเปิล ", U"n.(นาม)", 3}, true},
        {U"a//", {U"a", U"", U"", 3}, true},
    };
    for (const Row &r : rows) {
        const DictionaryEntry e = splitEntry(r.line);
        EXPECT_EQ(e.english, r.entry.english) << toUtf8(r.line);
        EXPECT_EQ(e.thai, r.entry.thai) << toUtf8(r.line);
        EXPECT_EQ(e.label, r.entry.label) << toUtf8(r.line);
        EXPECT_EQ(e.fieldCount, r.entry.fieldCount) << toUtf8(r.line);
        EXPECT_EQ(parseEntry(r.line), r.isEntry ? std::optional(r.entry) : std::nullopt) << toUtf8(r.line);
    }
}

TEST(EntryRule, TargetMustBeNonEmptyAndFitTheLimit) {
    const DictionaryEntry english16{U"abcdefghijklmnop", U"ก", U""};
    const DictionaryEntry english17{U"abcdefghijklmnopq", U"ก", U""};
    const DictionaryEntry noThai{U"water", U"", U"n.(นาม)"};
    EXPECT_TRUE((EntryRule{EntryField::English, 16}.playable(english16)));
    EXPECT_FALSE((EntryRule{EntryField::English, 16}.playable(english17)));
    EXPECT_TRUE((EntryRule{EntryField::English, 0}.playable(english17)));
    EXPECT_TRUE((EntryRule{EntryField::English, 0}.playable(noThai)));
    EXPECT_FALSE((EntryRule{EntryField::Thai, 0}.playable(noThai)));
    EXPECT_FALSE((EntryRule{EntryField::English, 0}.playable(DictionaryEntry{})));
}

TEST(DrawRandomEntry, FirstLetterIsDrawnFromAllTwentySixAndAbsentLettersAreSetAside) {
    TempDictionary dict;
    dict.write("A.pal", {U"ant/มด/n.(นาม)"});
    dict.write("c.pal", {U"cat/แมว/n.(นาม)"}); // lower-case letter: absent
    dict.write("D.PAL", {U"dog/สุนัข/n.(นาม)"});

    // 2 picks 'C' (absent), then among the 25 left (A B D ...) 2 picks 'D'.
    ScriptedRandom random({2, 2, 0});
    const auto drawn = drawRandomEntry(dict.data(), {}, random);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->letter, U'D');
    EXPECT_EQ(drawn->entry.english, U"dog");
    ASSERT_GE(random.ranges.size(), 3u);
    EXPECT_EQ(random.ranges[0], std::make_pair(0, 25));
    EXPECT_EQ(random.ranges[1], std::make_pair(0, 24));
    EXPECT_EQ(random.ranges[2], std::make_pair(0, 0)); // one playable line in D.PAL
}

TEST(DrawRandomEntry, LineIsDrawnAmongPlayableLinesAndNumberedInTheWholeFile) {
    TempDictionary dict;
    dict.write("B.pal", {U"", U"/ว่าง/n.(นาม)", U"bird/นก/n.(นาม)", U"bee//n.(นาม)", U"bus/รถเมล์/n.(นาม)"});
    struct Row {
        EntryField target;
        int linePick;
        std::size_t lineNumber;
        std::u32string english;
        int playableCount;
    };
    const Row rows[] = {
        {EntryField::English, 0, 3, U"bird", 3},
        {EntryField::English, 1, 4, U"bee", 3},
        {EntryField::English, 2, 5, U"bus", 3},
        {EntryField::Thai, 0, 2, U"", 3}, // a meaning without a word is still something to type in Thai
        {EntryField::Thai, 2, 5, U"bus", 3},
    };
    for (const Row &r : rows) {
        ScriptedRandom random({1, r.linePick}); // 1 picks 'B'
        const auto drawn = drawRandomEntry(dict.data(), {r.target, 0}, random);
        ASSERT_TRUE(drawn);
        EXPECT_EQ(drawn->lineNumber, r.lineNumber);
        EXPECT_EQ(drawn->entry.english, r.english);
        EXPECT_EQ(random.ranges.back(), std::make_pair(0, r.playableCount - 1));
    }
}

TEST(DrawRandomEntry, WordsLongerThanTheLimitAreNeverDrawn) {
    TempDictionary dict;
    dict.write("E.pal", {U"electroencephalograph/เครื่องตรวจคลื่นสมอง/n.(นาม)"});
    dict.write("F.pal", {U"fish/ปลา/n.(นาม)", U"featherweightness/น้ำหนักขนนก/n.(นาม)"});
    SeededRandom random(7);
    for (int i = 0; i < 50; ++i) {
        const auto drawn = drawRandomEntry(dict.data(), {EntryField::English, 16}, random);
        ASSERT_TRUE(drawn);
        EXPECT_EQ(drawn->entry.english, U"fish");
    }
}

TEST(DrawRandomEntry, NothingPlayableGivesNothingAfterTryingEveryLetterOnce) {
    struct Row {
        const char *name;
        bool makeData;
        std::vector<std::pair<std::string, std::vector<std::u32string>>> files;
        EntryRule rule;
    };
    const Row rows[] = {
        {"missing Data folder", false, {}, {}},
        {"empty Data folder", true, {}, {}},
        {"only unusable names", true, {{"a.pal", {U"ant/มด/n."}}, {"B.Pal", {U"bee/ผึ้ง/n."}}}, {}},
        {"only empty lines and targets", true, {{"C.pal", {U"", U"/แมว/n.", U""}}}, {}},
        {"no Thai meaning for the Thai drill", true, {{"W.pal", {U"water", U"wind//n."}}}, {EntryField::Thai, 0}},
        {"only long words for the puzzle", true, {{"X.pal", {U"xxxxxxxxxxxxxxxxx/ก/n."}}}, {EntryField::English, 16}},
    };
    for (const Row &r : rows) {
        TempDictionary dict;
        if (!r.makeData)
            std::filesystem::remove_all(dict.data());
        for (const auto &[name, lines] : r.files)
            dict.write(name, lines);
        ScriptedRandom random({5, 9, 3});
        EXPECT_FALSE(drawRandomEntry(dict.data(), r.rule, random)) << r.name;
        EXPECT_EQ(random.ranges.size(), 26u) << r.name;
    }
}

TEST(DrawRandomEntry, EveryLetterAndEveryLineCanComeUp) {
    TempDictionary dict;
    dict.write("G.pal", {U"goat/แพะ/n.", U"gold/ทอง/n.", U"good/ดี/adj."});
    dict.write("H.pal", {U"hat/หมวก/n."});
    SeededRandom random(3);
    std::map<std::u32string, int> seen;
    for (int i = 0; i < 600; ++i)
        ++seen[drawRandomEntry(dict.data(), {}, random)->entry.english];
    ASSERT_EQ(seen.size(), 4u);
    // Letters are equally likely, so the lone H word comes up about as often as the three G words together.
    EXPECT_GT(seen[U"hat"], 200);
    EXPECT_LT(seen[U"hat"], 400);
}

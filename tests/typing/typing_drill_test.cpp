#include "GameTestSupport.h"
#include "TypingDrill.h"
#include "Utf8.h"

#include <gtest/gtest.h>

using namespace dlx;
using dlx::test::ScriptedRandom;
using dlx::test::TempDictionary;

namespace {

struct DrillFixture {
    TempDictionary dict;
    ScriptedRandom random;
    std::int16_t timeLimit = 0;
    TypingDrill drill;

    explicit DrillFixture(DrillTwin twin = DrillTwin::English) : drill(twin, dict.data(), random, timeLimit) {}

    void type(std::u32string_view keys) {
        for (char32_t k : keys)
            drill.press(k);
    }
    std::u32string typedRow() const {
        std::u32string row;
        for (int k = 0; k < drill.slotsInUse(); ++k)
            row += drill.typedAt(k).value_or(U'_');
        return row;
    }
    std::u32string wrongRow() const {
        std::u32string row;
        for (int k = 0; k < drill.slotsInUse(); ++k)
            row += drill.wrongAt(k) ? U'X' : U'.';
        return row;
    }
};

} // namespace

TEST(TypingDrill, SlotsInUseAreTheWordLengthUnderSixteenElseFifteen) {
    const std::pair<std::u32string, int> rows[] = {
        {U"a", 1}, {U"cat", 3}, {U"abcdefghijklmno", 15}, {U"abcdefghijklmnop", 15}, {U"abcdefghijklmnopqrst", 15}};
    for (const auto &[word, slots] : rows) {
        DrillFixture f;
        f.drill.startWord({word, U"ก", U"n.(นาม)"});
        EXPECT_EQ(f.drill.slotsInUse(), slots) << toUtf8(word);
        for (int k = 0; k < TypingDrill::kSlotCount; ++k) {
            if (k < slots)
                EXPECT_EQ(f.drill.targetAt(k), word[k]);
            else
                EXPECT_FALSE(f.drill.targetAt(k));
        }
    }
}

TEST(TypingDrill, TwentyCharacterWordAsksForFifteenThenEnterScores) {
    DrillFixture f;
    f.dict.write("N.pal", {U"next/ถัดไป/adj.(คุณศัพท์)"});
    f.drill.startWord({U"internationalizer", U"ผู้ทำให้เป็นสากล", U"n.(นาม)"});
    f.type(U"internationaliz");
    EXPECT_EQ(f.drill.nextPosition(), 15);
    EXPECT_TRUE(f.drill.lastSlotTyped());
    EXPECT_EQ(f.drill.press(U'e'), TypingDrill::KeyOutcome::Ignored);
    EXPECT_EQ(f.drill.press(TypingDrill::kEnter), TypingDrill::KeyOutcome::Scored);
    EXPECT_EQ(f.drill.score(), 1);
    EXPECT_EQ(f.drill.target(), U"next");
    EXPECT_EQ(f.drill.nextPosition(), 0);
    EXPECT_EQ(f.typedRow(), U"____");
}

TEST(TypingDrill, ScoringCountsAWordWithAnyWrongCharacterAsMinusOne) {
    struct Row {
        const char *name;
        std::u32string target;
        std::u32string keys;
        int startScore;
        std::u32string typed, wrong;
        int score;
    };
    const Row rows[] = {
        {"clean word", U"orange", U"orange", 0, U"orange", U"......", 1},
        {"one wrong character", U"orange", U"orxnge", 0, U"orxnge", U"..X...", -1},
        {"zero becomes minus one", U"orange", U"Orange", 0, U"Orange", U"X.....", -1},
        {"case differs", U"a", U"A", 3, U"A", U"X", 2},
        {"all wrong", U"cat", U"dog", 5, U"dog", U"XXX", 4},
        {"Enter early fills the slot as wrong", U"cat", U"c\ra", 0, U"c\ra", U".XX", -1},
        {"backspace is a character", U"cat", U"cx\bt", 0, U"cx\b", U".XX", -1},
        {"underscore typed last still scores", U"a_b_", U"a_b_", 0, U"a_b_", U"....", 1},
    };
    for (const Row &r : rows) {
        DrillFixture f;
        for (int i = 0; i < r.startScore; ++i) { // reach the starting score with clean one-letter words
            f.drill.startWord({U"z", U"", U""});
            f.type(U"z\r");
        }
        f.dict.write("Q.pal", {U"quiz/แบบทดสอบ/n.(นาม)"});
        f.drill.startWord({r.target, U"ก", U""});
        f.type(r.keys);
        EXPECT_EQ(f.typedRow(), r.typed) << r.name;
        EXPECT_EQ(f.wrongRow(), r.wrong) << r.name;
        ASSERT_TRUE(f.drill.lastSlotTyped()) << r.name;
        EXPECT_EQ(f.drill.press(TypingDrill::kEnter), TypingDrill::KeyOutcome::Scored) << r.name;
        EXPECT_EQ(f.drill.score(), r.score) << r.name;
        EXPECT_EQ(f.drill.target(), U"quiz") << r.name;
    }
}

TEST(TypingDrill, ThaiTwinTypesTheMeaningMarkByMark) {
    DrillFixture f(DrillTwin::Thai);
    f.drill.startWord({U"water", U"น้ำ ดื่ม", U"n.(นาม)"});
    EXPECT_EQ(f.drill.target(), U"น้ำ ดื่ม");
    EXPECT_EQ(f.drill.shownField(), U"water");
    EXPECT_EQ(f.drill.label(), U"n.(นาม)");
    ASSERT_EQ(f.drill.slotsInUse(), 8); // น ้ ำ space ด ื ่ ม
    EXPECT_EQ(f.drill.targetAt(1), U'\u0E49');
    EXPECT_EQ(f.drill.targetAt(2), U'\u0E33');
    f.type(U"น้ำ ดิ่ม");
    EXPECT_EQ(f.wrongRow(), U".....X..");
    f.drill.press(TypingDrill::kEnter);
    EXPECT_EQ(f.drill.score(), -1);
}

TEST(TypingDrill, NewWordDrawsTheTwinsFieldAndKeepsThePreviousWordWhenNothingIsLeft) {
    DrillFixture eng;
    eng.dict.write("W.pal", {U"water/น้ำ/n.(นาม)"});
    EXPECT_TRUE(eng.drill.newWord());
    EXPECT_EQ(eng.drill.target(), U"water");
    EXPECT_EQ(eng.drill.shownField(), U"น้ำ");

    DrillFixture thai(DrillTwin::Thai);
    thai.dict.write("W.pal", {U"wind//n.(นาม)", U"water/น้ำ/n.(นาม)"});
    EXPECT_TRUE(thai.drill.newWord());
    EXPECT_EQ(thai.drill.target(), U"น้ำ");

    // The file disappears mid-word: the same word is asked for again from its first slot.
    eng.type(U"wa");
    std::filesystem::remove(eng.dict.data() + "/W.pal");
    EXPECT_FALSE(eng.drill.newWord());
    EXPECT_EQ(eng.drill.target(), U"water");
    EXPECT_EQ(eng.drill.nextPosition(), 0);
    EXPECT_EQ(eng.typedRow(), U"_____");

    DrillFixture empty;
    EXPECT_FALSE(empty.drill.newWord());
    EXPECT_EQ(empty.drill.slotsInUse(), 0);
    EXPECT_EQ(empty.drill.press(U'a'), TypingDrill::KeyOutcome::Ignored);
    EXPECT_EQ(empty.drill.press(TypingDrill::kEnter), TypingDrill::KeyOutcome::Ignored);
    EXPECT_EQ(empty.drill.score(), 0);
}

TEST(TypingDrill, RunEndsOnTheTickThatShowsTheLimitsMinutes) {
    struct Row {
        std::int16_t limit;
        int ticks;
        DrillClock shown;
    };
    const Row rows[] = {
        {0, 1, {0, 0, 0, 1}},    {1, 60, {0, 1, 0, 0}},   {3, 180, {0, 3, 0, 0}},   {9, 540, {0, 9, 0, 0}},
        {10, 600, {1, 0, 0, 0}}, {12, 720, {1, 2, 0, 0}}, {99, 5940, {9, 9, 0, 0}},
    };
    for (const Row &r : rows) {
        DrillFixture f;
        f.timeLimit = r.limit;
        f.drill.startClock();
        int ticks = 0;
        bool over = false;
        while (!over && ticks < 10000) {
            over = f.drill.tick();
            ++ticks;
        }
        EXPECT_EQ(ticks, r.ticks) << "limit " << r.limit;
        EXPECT_EQ(f.drill.clock(), r.shown) << "limit " << r.limit;
        EXPECT_FALSE(f.drill.clockRunning());
        EXPECT_FALSE(f.drill.tick()); // a stopped clock ignores further ticks
        EXPECT_EQ(f.drill.clock(), r.shown);
    }
}

TEST(TypingDrill, MinutesTensKeepCountingPastNine) {
    DrillFixture f;
    f.timeLimit = 200;
    f.drill.startClock();
    for (int i = 0; i < 100 * 60 + 59; ++i)
        ASSERT_FALSE(f.drill.tick());
    EXPECT_EQ(f.drill.clock(), (DrillClock{10, 0, 5, 9}));
}

TEST(TypingDrill, StartingAgainRestartsTheClockAndKeepsTheScore) {
    DrillFixture f;
    f.timeLimit = 5;
    f.drill.startWord({U"a", U"", U""});
    f.type(U"a\r");
    f.drill.startWord({U"a", U"", U""});
    EXPECT_FALSE(f.drill.tick()); // not started yet
    EXPECT_EQ(f.drill.clock(), DrillClock{});
    f.drill.startClock();
    for (int i = 0; i < 75; ++i)
        f.drill.tick();
    EXPECT_EQ(f.drill.clock(), (DrillClock{0, 1, 1, 5}));
    f.timeLimit = 1; // a new limit takes effect at once
    f.drill.startClock();
    EXPECT_EQ(f.drill.clock(), DrillClock{});
    EXPECT_TRUE(f.drill.clockRunning());
    int ticks = 1;
    while (!f.drill.tick())
        ++ticks;
    EXPECT_EQ(ticks, 60);
    EXPECT_EQ(f.drill.score(), 1);
    f.type(U"a\r"); // typing and scoring go on after the time is up
    EXPECT_EQ(f.drill.score(), 2);
}

TEST(TypingDrill, SpeedOfATimedRunFromItsTicks) {
    struct Row {
        const char32_t *beforeRun; // typed while the clock stands: not counted
        const char32_t *inRun;     // typed into "cat" words; \r after the third character scores
        int ticks;
        DrillSpeed expected;
        int cpm, wpm;
        std::optional<int> accuracy;
    };
    const Row rows[] = {
        {U"", U"", 0, {0, 0, 0}, 0, 0, std::nullopt},
        {U"ca", U"", 5, {5, 0, 0}, 0, 0, std::nullopt},
        {U"", U"cat\rcat\r", 60, {60, 6, 6}, 6, 1, 100},
        {U"", U"cax\rcat\rca", 30, {30, 8, 7}, 16, 3, 88},
        {U"c", U"at\rxyz\r", 7, {7, 5, 2}, 43, 9, 40},
        {U"", U"c\rt", 1, {1, 3, 2}, 180, 36, 67}, // Enter before the last slot fills a slot
    };
    for (const auto &r : rows) {
        DrillFixture f;
        f.dict.write("C.pal", {U"cat/แมว/n.(นาม)"});
        f.drill.startWord({U"cat", U"แมว", U"n.(นาม)"});
        f.type(r.beforeRun);
        f.timeLimit = 10;
        f.drill.startClock();
        f.type(r.inRun);
        for (int i = 0; i < r.ticks; ++i)
            f.drill.tick();
        const DrillSpeed &s = f.drill.speed();
        const auto where = toUtf8(r.inRun) + " after " + std::to_string(r.ticks) + " s";
        EXPECT_EQ(s, r.expected) << where;
        EXPECT_EQ(s.charactersPerMinute(), r.cpm) << where;
        EXPECT_EQ(s.wordsPerMinute(), r.wpm) << where;
        EXPECT_EQ(s.accuracyPercent(), r.accuracy) << where;
    }
}

TEST(TypingDrill, SpeedStopsWithTheClockAndStartsAfreshWithTheNextRun) {
    DrillFixture f;
    f.dict.write("C.pal", {U"cat/แมว/n.(นาม)"});
    f.drill.startWord({U"cat", U"แมว", U"n.(นาม)"});
    f.timeLimit = 1;
    f.drill.startClock();
    f.type(U"cat\rca");
    for (int i = 0; i < 70; ++i) // the run ends at 60 s; later ticks and keys do not count
        f.drill.tick();
    f.type(U"t\rcat");
    EXPECT_EQ(f.drill.speed(), (DrillSpeed{60, 5, 5}));
    f.drill.startClock();
    EXPECT_EQ(f.drill.speed(), (DrillSpeed{}));
}

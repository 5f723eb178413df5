#include "../typing/GameTestSupport.h"
#include "PuzzleGame.h"
#include "Utf8.h"

#include <gtest/gtest.h>

using namespace dlx;
using dlx::test::ScriptedRandom;
using dlx::test::TempDictionary;

namespace {

using Outcome = PuzzleGame::KeyOutcome;

std::u32string slotRow(const PuzzleGame &g) {
    std::u32string row;
    for (int k = 0; k < g.length(); ++k)
        row += g.slotAt(k).value_or(U'_');
    return row;
}

} // namespace

TEST(PuzzleGame, KeysUncoverEveryInnerOccurrenceOrCostATry) {
    struct Row {
        const char *name;
        std::u32string word;
        std::u32string keys;
        std::u32string slots;
        int tries;
        bool over;
        int score;
        Outcome last;
    };
    const Row rows[] = {
        {"new word shows first and last", U"letter", U"", U"l____r", 5, false, 0, Outcome::Ignored},
        {"e uncovers both", U"letter", U"e", U"le__er", 5, false, 0, Outcome::Uncovered},
        {"x costs a try", U"letter", U"x", U"l____r", 4, false, 0, Outcome::Missed},
        {"first letter never matches", U"letter", U"l", U"l____r", 4, false, 0, Outcome::Missed},
        {"last letter never matches", U"letter", U"r", U"l____r", 4, false, 0, Outcome::Missed},
        {"case differs", U"letter", U"E", U"l____r", 4, false, 0, Outcome::Missed},
        {"uncovered letter again still matches", U"letter", U"ee", U"le__er", 5, false, 0, Outcome::Uncovered},
        {"all inner letters win", U"letter", U"xet", U"letter", 4, true, 1, Outcome::Won},
        {"five misses lose", U"letter", U"xyzqw", U"letter", 0, true, 0, Outcome::Lost},
        {"keys after the turn change nothing", U"letter", U"xyzqwet", U"letter", 0, true, 0, Outcome::Ignored},
        {"keys after a win change nothing", U"letter", U"etxx", U"letter", 5, true, 1, Outcome::Ignored},
        {"win on the last try", U"letter", U"abcdte", U"letter", 1, true, 1, Outcome::Won},
        {"two letters: first key costs a try and wins", U"go", U"q", U"go", 4, true, 1, Outcome::Won},
        {"two letters: own letter also wins", U"go", U"o", U"go", 4, true, 1, Outcome::Won},
        {"one letter: four keys go on", U"a", U"aaaa", U"a", 1, false, 0, Outcome::Missed},
        {"one letter: fifth key ends the turn", U"a", U"aaaaa", U"a", 0, true, 0, Outcome::Lost},
        {"empty word: fifth key ends the turn", U"", U"abcde", U"", 0, true, 0, Outcome::Lost},
        {"three letters", U"cat", U"a", U"cat", 5, true, 1, Outcome::Won},
        {"repeated end letter inside", U"level", U"l", U"l___l", 4, false, 0, Outcome::Missed},
        {"Enter is a miss", U"level", U"\r", U"l___l", 4, false, 0, Outcome::Missed},
    };
    for (const Row &r : rows) {
        ScriptedRandom random;
        TempDictionary dict;
        PuzzleGame game(dict.data(), random);
        game.startWord({r.word, U"ความหมาย", U"n.(นาม)"});
        Outcome last = Outcome::Ignored;
        for (char32_t k : r.keys)
            last = game.press(k);
        EXPECT_EQ(slotRow(game), r.slots) << r.name;
        EXPECT_EQ(game.triesLeft(), r.tries) << r.name;
        EXPECT_EQ(game.turnOver(), r.over) << r.name;
        EXPECT_EQ(game.score(), r.score) << r.name;
        EXPECT_EQ(last, r.last) << r.name;
    }
}

TEST(PuzzleGame, ScoreCarriesOverAndEachWordOpensAFreshTurn) {
    TempDictionary dict;
    dict.write("G.pal", {U"gift/ของขวัญ/n.(นาม)"});
    ScriptedRandom random;
    PuzzleGame game(dict.data(), random);
    game.startWord({U"cat", U"แมว", U"n.(นาม)"});
    game.press(U'a');
    ASSERT_EQ(game.score(), 1);

    ASSERT_TRUE(game.newWord());
    EXPECT_EQ(game.word(), U"gift");
    EXPECT_EQ(game.meaning(), U"ของขวัญ");
    EXPECT_EQ(game.label(), U"n.(นาม)");
    EXPECT_EQ(slotRow(game), U"g__t");
    EXPECT_EQ(game.triesLeft(), 5);
    EXPECT_FALSE(game.turnOver());
    for (char32_t k : std::u32string(U"vwxyz"))
        game.press(k);
    EXPECT_TRUE(game.turnOver());
    EXPECT_EQ(game.score(), 1);

    ASSERT_TRUE(game.newWord());
    game.press(U'i');
    game.press(U'f');
    EXPECT_EQ(game.score(), 2);
}

TEST(PuzzleGame, OnlyWordsThatFitTheSlotsAreDrawnAndWithoutThemThePreviousWordReturns) {
    TempDictionary dict;
    dict.write("S.pal", {U"superconductivity/สภาพนำยิ่งยวด/n.(นาม)", U"sixteenlettersxx/สิบหก/n.(นาม)"});
    ScriptedRandom random;
    PuzzleGame game(dict.data(), random);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(game.newWord());
        EXPECT_EQ(game.word(), U"sixteenlettersxx");
        EXPECT_EQ(game.length(), 16);
    }
    game.press(U'z');
    dict.write("S.pal", {U"superconductivity/สภาพนำยิ่งยวด/n.(นาม)"});
    EXPECT_FALSE(game.newWord());
    EXPECT_EQ(game.word(), U"sixteenlettersxx");
    EXPECT_EQ(game.meaning(), U"สิบหก");
    EXPECT_EQ(game.triesLeft(), 5);
    EXPECT_EQ(slotRow(game), U"s______________x");

    TempDictionary empty;
    PuzzleGame none(empty.data(), random);
    EXPECT_FALSE(none.newWord());
    EXPECT_EQ(none.length(), 0);
    EXPECT_EQ(none.press(U'a'), Outcome::Missed);
}

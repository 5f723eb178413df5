// The word step on articles, marks, Tabs and other pieces, and the driver's cutting of lines.
#include "EngineFixture.h"

using namespace dlx;
using namespace dlx::test;

namespace {

class Dispatch : public ::testing::Test {
protected:
    TempDataFolder data;
    Lexicon lexicon{data.path()};
    TranslationState state;
    Translator tr{state, lexicon};

    void SetUp() override {
        data.writeEntries({entry("apple", "แอปเปิ้ล", N), entry("there", "ที่นั่น", ADV)});
        beginRun(state);
    }
};

TEST_F(Dispatch, PiecesLandOnTheWorkLineAsTheirKindRequires) {
    struct Row {
        const char *piece;
        const char *heldBefore, *phraseBefore;
        const char *text4;
        int consumed;
        const char *heldAfter, *phraseAfter;
    } rows[] = {
        {"The", "ก", "ข", "", 0, "ก", "ข"},
        {"THE", "ก", "", "", 0, "ก", ""},
        {"the ", "", "", "", 0, "", ""},
        {"an", "", "", "", 0, "", ""},
        {"An", "", "", "", 0, "", ""},
        {"a", "ก", "ข", "อะ.-", 1, "ก", "ข"},
        {"A ", "ก", "", "อะ.-", 1, "ก", ""},
        {"42 ", "ก", "ข", "42 ก", 0, "", "ข"},
        {"?", "ก", "ข", "กข?", 1, "", ""},
        {"? ", "ก", "ข", "กข?", 1, "", ""},
        {".\t", "ก", "ข", "กข.\t", 1, "", ""},
        {"\t", "ก", "ข", "\t", 1, "ก", "ข"},
        {"", "ก", "ข", "ก", 0, "", "ข"},
        {"/", "ก", "ข", "/ก", 0, "", "ข"},
        {"\u00E9t\u00E9 ", "", "", "\u00E9t\u00E9 ", 0, "", ""},
        {"\u0E01\u0E02", "", "", "\u0E01\u0E02", 0, "", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string("piece [") + row.piece + "]");
        state = TranslationState{};
        state.HeldModifiers = fromUtf8(row.heldBefore);
        state.HeldPhrase = fromUtf8(row.phraseBefore);
        state.CurrentWord = fromUtf8(row.piece);
        tr.CheckMean();
        if (state.WordConsumed != 1) {
            state.Text4 += state.CurrentWord;
            state.CurrentWord.clear();
        }
        EXPECT_EQ(toUtf8(state.Text4), row.text4);
        EXPECT_EQ(state.WordConsumed, row.consumed);
        EXPECT_EQ(toUtf8(state.HeldModifiers), row.heldAfter);
        EXPECT_EQ(toUtf8(state.HeldPhrase), row.phraseAfter);
    }
}

TEST_F(Dispatch, LongerWordsStartingWithAnArticleReachTheDictionary) {
    state.CurrentWord = U"apple ";
    tr.CheckMean();
    EXPECT_EQ(state.WordConsumed, 1);
    EXPECT_EQ(toUtf8(state.HeldModifiers), "แอปเปิ้ล");
    state.CurrentWord = U"There";
    tr.CheckMean();
    EXPECT_EQ(toUtf8(state.Text4), "แอปเปิ้ลที่นั่น");
}

TEST(Driver, CutsLinesIntoWordsAndSeparators) {
    TempDataFolder data;
    data.writeEntries({entry("why", "ทำไม", ADV), entry("no", "ไม่", ADV), entry("don", "ไม่", ADV), entry("t", "", ADV),
                       entry("x", "เอ็กซ์", N), entry("y", "วาย", N), entry("cat", "แมว", N), entry("go", "ไป", VI),
                       entry("red", "แดง", ADJ)});
    const auto wfw = TranslationMode::WordForWord;
    struct Row {
        const char *in;
        std::vector<std::string> out;
        TranslationMode mode;
    } rows[] = {
        {"Why? No.", {"ทำไม?ไม่."}, wfw},
        {"don't go", {"ไม่ไป"}, wfw},
        {"go  go", {"ไป ไป"}, wfw}, // the second space is written
        {" go", {" ไป"}, wfw},
        {"\tgo", {"\tไป"}, wfw},
        {"x=y", {"x=วาย"}, wfw}, // the word step receives "x=" with its sign
        {"go\tgo", {"ไป\tไป"}, wfw},
        {"go.\tgo", {"ไป.\tไป"}, wfw},
        {"go?\tgo", {"ไป?\tไป"}, wfw},
        {"go\t\tgo", {"ไป\t\tไป"}, wfw},
        {"go, go; (go)", {"ไป, ไป; (ไป)"}, wfw},               // a space after a mark is a piece of its own
        {"go.go", {"go.go"}, wfw},                             // "." in mid-line does not end a word
        {"cat 42 go", {"42 แมวไป"}, TranslationMode::Grammar}, // other pieces write the held phrase after them
        {"", {}, wfw},
        {"go\r\n\r\ngo", {"ไป", "", "ไป"}, wfw},
        {"go\rgo\n", {"ไป", "ไป"}, wfw},
        {"go           go", {"ไป" + std::string(10, ' ') + "ไป"}, wfw}, // eleven spaces: the first goes with the word
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.in);
        EXPECT_EQ(rawLines(data.path(), row.in, row.mode), row.out);
    }
}

TEST(Driver, HeldAdjectiveCrossesTheLineEndAndIsNeverDropped) {
    TempDataFolder data;
    data.writeEntries({entry("red", "แดง", ADJ), entry("go", "ไป", VI)});
    EXPECT_EQ(rawLines(data.path(), "red zebra\ngo"), (std::vector<std::string>{"zebra", "แดงไป"}));
    // Held at the end of the last line: appended to it rather than lost.
    EXPECT_EQ(rawLines(data.path(), "go\nred zebra"), (std::vector<std::string>{"ไป", "zebraแดง"}));
}

TEST(Driver, CancelLetsTheCurrentLineFinishAndStopsThere) {
    TempDataFolder data;
    data.writeEntries({entry("go", "ไป", VI)});
    Lexicon lexicon(data.path());
    TranslationState state;
    Translator tr(state, lexicon);
    beginRun(state);
    std::vector<int> progress;
    DriverHooks hooks;
    hooks.yield = [&] { state.Translating = false; };
    hooks.progress = [&](int done, int total) { progress.push_back(done * 100 / total); };
    const int done = translateLines(tr, {U"go go", U"go", U"go"}, hooks);
    EXPECT_EQ(done, 1);
    EXPECT_EQ(state.TranslatedLines, std::vector<std::u32string>{U"ไปไป"});
    EXPECT_EQ(progress, std::vector<int>{33});
}

TEST(Driver, PreviousWordClassCarriesOverBetweenRuns) {
    TempDataFolder data;
    data.writeEntries({entry("car", "รถ", N), entry("is", "เป็น", BE)});
    Lexicon lexicon(data.path());
    TranslationState state;
    Translator tr(state, lexicon);
    beginRun(state);
    translateLines(tr, {U"car"});
    beginRun(state);
    translateLines(tr, {U"is"});
    EXPECT_EQ(toUtf8(state.TranslatedLines.at(0)), "คือ");
}

TEST(Driver, CharactersOutsideThaiAndAsciiPassThroughUnchanged) {
    TempDataFolder data;
    data.writeEntries({entry("cafe", "ร้านกาแฟ", N)});
    EXPECT_EQ(translateUtf8(data.path(), "caf\u00E9 \u00A9 \U0001F600 cafe"), "caf\u00E9 \u00A9 \U0001F600 ร้านกาแฟ");
}

} // namespace

// The lookup's word order, labels, be, comparisons, line-end flush and suffix rules, on small dictionaries.
#include "EngineFixture.h"

using namespace dlx;
using namespace dlx::test;

namespace {

class Lookup : public ::testing::Test {
protected:
    TempDataFolder data;
    Lexicon lexicon{data.path()};
    TranslationState state;
    Translator tr{state, lexicon};

    void SetUp() override { beginRun(state); }

    /// One word step on a piece, as the driver hands it over (with its trailing space, if any).
    std::string step(const std::string &piece) {
        state.CurrentWord = fromUtf8(piece);
        tr.wordStep();
        return toUtf8(state.Text4);
    }
    std::string held() const { return toUtf8(state.HeldModifiers); }
};

TEST_F(Lookup, GrammarModePutsTheNounBeforeItsAdjectivesAndWritesThePhraseAtTheVerb) {
    data.writeEntries({entry("red", "แดง", ADJ), entry("car", "รถ", N), entry("run", "วิ่ง", VI)});
    step("red ");
    step("car ");
    EXPECT_EQ(toUtf8(state.Text4), "");
    EXPECT_EQ(held(), "รถแดง");
    EXPECT_EQ(step("run"), "รถแดงวิ่ง");
}

TEST_F(Lookup, AnAdjectiveAfterANounWritesThePendingNounPhraseFirst) {
    data.writeEntries({entry("red", "แดง", ADJ), entry("car", "รถ", N)});
    step("car ");
    EXPECT_EQ(step("red "), "รถ");
    EXPECT_EQ(held(), "แดง");
}

TEST_F(Lookup, WordForWordWritesEachMeaningAsItComes) {
    data.writeEntries({entry("red", "แดง", ADJ), entry("car", "รถ", N), entry("run", "วิ่ง", VI)});
    tr.mode = TranslationMode::WordForWord;
    step("red ");
    step("cars ");
    EXPECT_EQ(step("run"), "แดงรถวิ่ง");
}

TEST_F(Lookup, BeDependsOnThePreviousWord) {
    data.writeEntries({entry("is", "เป็น", BE), entry("car", "รถ", N), entry("red", "แดง", ADJ), entry("he", "เขา", PRO),
                       entry("what", "อะไร", Q)});
    struct Row {
        std::vector<std::string> before;
        std::string expected;
        int classAfter;
    } rows[] = {
        {{"car "}, "รถคือ", 1}, {{"red "}, "แดงอยู่", 2}, {{"he "}, "เขาเป็น", 0}, {{}, "เป็น", 0}, {{"what "}, "", 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.expected);
        state = TranslationState{};
        beginRun(state);
        for (const auto &w : row.before)
            step(w);
        EXPECT_EQ(step("is "), row.expected);
        EXPECT_EQ(state.PrevWordClass, row.classAfter);
        EXPECT_EQ(toUtf8(state.PrevPos), "BE");
    }
}

TEST_F(Lookup, AQuestionWordIsWrittenAtTheEndOfItsLine) {
    data.writeEntries(
        {entry("where", "ที่ไหน", Q), entry("is", "เป็น", BE), entry("my", "ของฉัน", PRO), entry("book", "หนังสือ", N)});
    EXPECT_EQ(rawLines(data.path(), "where is my book"), std::vector<std::string>{"ของฉันหนังสือที่ไหน"});
    EXPECT_EQ(rawLines(data.path(), "where is my book?"), std::vector<std::string>{"ของฉันหนังสือที่ไหน?"});
}

TEST_F(Lookup, LineEndFlushResetsThePreviousLabelAndClearsTheFlag) {
    data.writeEntries({entry("car", "รถ", N)});
    state.AtLineEnd = true;
    state.PrevPos = U"vt";
    state.ComparisonOpen = true;
    EXPECT_EQ(step("car"), "รถ");
    EXPECT_FALSE(state.AtLineEnd);
    EXPECT_EQ(toUtf8(state.PrevPos), "");
    EXPECT_FALSE(state.ComparisonOpen);
    EXPECT_EQ(state.PrevWordClass, 1);
}

TEST_F(Lookup, ASecondQuestionWordKeepsTheFirstOnesMeaning) {
    data.writeEntries({entry("who", "ใคร", Q), entry("what", "อะไร", Q), entry("did", "ทำ", VT)});
    EXPECT_EQ(rawLines(data.path(), "who did what"), std::vector<std::string>{"ทำใครอะไร"});
}

TEST_F(Lookup, ComparisonRuleDropsTheFirstConjunctionAndTurnsTheSecondIntoLikeness) {
    data.writeEntries({entry("is", "เป็น", BE), entry("as", "เป็น", CON), entry("tall", "สูง", ADJ),
                       entry("so", "ดังนั้น", CON), entry("he", "เขา", PRO), entry("sleeps", "นอน", VI)});
    EXPECT_EQ(rawLines(data.path(), "he is as tall as he"), std::vector<std::string>{"เขาเป็นสูงเหมือนกับเขา"});
    // After an intransitive verb "so" is swallowed too, and nothing else changes.
    EXPECT_EQ(rawLines(data.path(), "he sleeps so he"), std::vector<std::string>{"เขานอนเขา"});
}

TEST_F(Lookup, SuffixRulesReachTheStem) {
    data.writeEntries({entry("study", "เรียน", VT), entry("walk", "เดิน", VI), entry("run", "วิ่ง", VI),
                       entry("tall", "สูง", ADJ), entry("happy", "สุข", ADJ), entry("cat", "แมว", N),
                       entry("bake", "อบ", VT), entry("go", "ไป", VI), entry("nice", "ดี", ADJ)});
    struct Row {
        const char *piece, *text4, *held;
    } rows[] = {
        {"studied ", "เรียน", ""},    {"studied", "เรียน", ""},
        {"walking ", "กำลังเดิน", ""}, {"running ", "การวิ่ง", ""},
        {"baking", "การอบ", ""},     {"going ", "กำลังไป", ""}, // a two-character stem is enough for -ing
        {"cats ", "แมว", ""},        {"CATS", "แมว", ""},
        {"walked", "เดิน", ""},       {"baked ", "อบ", ""}, // ED 3: drop only the d
        {"taller ", "", "สูงกว่า"},    {"happier", "", "สุขกว่า"},
        {"tallest ", "", "สูงที่สุด"},   {"happiest", "", "สุขที่สุด"},
        {"nicer", "", ""}, // ER never drops an e: "NIC" is no entry, raw fallback below
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.piece);
        state = TranslationState{};
        beginRun(state);
        step(row.piece);
        if (std::string(row.piece) == "nicer") {
            EXPECT_EQ(toUtf8(state.Text4), "nicer");
            continue;
        }
        EXPECT_EQ(toUtf8(state.Text4), row.text4);
        EXPECT_EQ(held(), row.held);
        EXPECT_EQ(state.PrevWordClass, 2);
    }
}

TEST_F(Lookup, WriteRenderingPutsTheMeaningBeforeTheHeldTextAndKeepsThePreviousLabel) {
    data.writeEntries({entry("cat", "แมว", N), entry("red", "แดง", ADJ)});
    step("red ");
    state.PrevPos = U"vt";
    EXPECT_EQ(step("cats "), "แมวแดง");
    EXPECT_EQ(toUtf8(state.PrevPos), "vt");
    EXPECT_EQ(held(), "");
}

TEST_F(Lookup, ShortStemsAndUsingAreNotReduced) {
    data.writeEntries({entry("it", "มัน", PRO), entry("us", "เรา", PRO), entry("use", "ใช้", VT)});
    EXPECT_EQ(step("its "), "its ");
    state.Text4.clear();
    EXPECT_EQ(step("using "), "using ");
}

TEST_F(Lookup, UnknownWordsAreWrittenUnchangedAndOnlySuffixedOnesChangeTheClass) {
    data.writeEntries({entry("car", "รถ", N)});
    state.PrevWordClass = 1;
    EXPECT_EQ(step("cow "), "cow ");
    EXPECT_EQ(state.PrevWordClass, 1);
    state.Text4.clear();
    EXPECT_EQ(step("cows "), "cows ");
    EXPECT_EQ(state.PrevWordClass, 2);
    EXPECT_EQ(state.WordConsumed, 0);
}

TEST_F(Lookup, ComparativeStemWithoutTheAdjectiveLabelOnTheLastLineIsLeftForTheDriver) {
    // "bigger": the last sub-rule's stem is BIGY; a last line holding it as a noun renders nothing and the
    // driver writes the word; without it, the raw fallback writes it. Both leave the word in the text, but
    // only the fallback sets the class.
    data.writeEntries({entry("bigy", "x", N)});
    state.PrevWordClass = 1;
    EXPECT_EQ(step("bigger "), "bigger ");
    EXPECT_EQ(state.PrevWordClass, 1);
}

TEST_F(Lookup, AbsentAndEmptyLetterFilesRenderNothing) {
    data.write("C.pal", {});
    EXPECT_EQ(step("cats "), "cats ");
    EXPECT_EQ(state.PrevWordClass, 0);
    state.Text4.clear();
    EXPECT_EQ(step("dogs "), "dogs ");
    EXPECT_EQ(state.PrevWordClass, 0);
}

TEST_F(Lookup, FileOrderDecidesBetweenASuffixRuleAndALaterExactEntry) {
    data.writeEntries({entry("new", "ใหม่", ADJ), entry("news", "ข่าว", N)});
    EXPECT_EQ(rawLines(data.path(), "news", TranslationMode::WordForWord), std::vector<std::string>{"ใหม่"});
    data.writeEntries({entry("news", "ข่าว", N), entry("new", "ใหม่", ADJ)});
    EXPECT_EQ(rawLines(data.path(), "news", TranslationMode::WordForWord), std::vector<std::string>{"ข่าว"});
}

TEST_F(Lookup, LetterFileFormatQuirks) {
    data.write("B.pal", {"bank/ธนาคาร/n.(นาม)/extra", " Apple /แอปเปิ้ล/n.(นาม)", "no slash line", "bare/ เปล่า ",
                         "bank/ซ้ำ/n.(นาม)"});
    data.write("A.PAL", {" Apple / แอปเปิ้ล /n.(นาม)"});
    const auto wfw = TranslationMode::WordForWord;
    EXPECT_EQ(rawLines(data.path(), "bank", wfw), std::vector<std::string>{"ธนาคาร"});
    EXPECT_EQ(rawLines(data.path(), "APPLE", wfw), std::vector<std::string>{" แอปเปิ้ล "});
    // A meaning without a label falls to the "any other label" rule: written at once, held text first.
    EXPECT_EQ(rawLines(data.path(), "bare"), std::vector<std::string>{" เปล่า "});
}

TEST_F(Lookup, ALowerCaseFileNameIsAbsent) {
    data.write("a.pal", {"apple/แอปเปิ้ล/n.(นาม)"});
    EXPECT_EQ(rawLines(data.path(), "apple"), std::vector<std::string>{"apple"});
    EXPECT_FALSE(findLetterFile(data.path(), U'A').has_value());
}

TEST_F(Lookup, AChangedLetterFileIsReadAgainByTheNextRun) {
    data.writeEntries({entry("car", "รถ", N)});
    Lexicon shared(data.path());
    auto once = [&] {
        TranslationState st;
        Translator t(st, shared);
        t.mode = TranslationMode::WordForWord;
        beginRun(st);
        translateLines(t, {U"car"});
        return toUtf8(st.TranslatedLines.at(0));
    };
    EXPECT_EQ(once(), "รถ");
    data.writeEntries({entry("car", "รถยนต์", N)});
    EXPECT_EQ(once(), "รถยนต์");
    std::filesystem::remove(data.path() + "/C.pal");
    EXPECT_EQ(once(), "car");
}

TEST_F(Lookup, UnknownWordHookSeesEveryUnrenderedWord) {
    data.writeEntries({entry("car", "รถ", N)});
    std::vector<std::string> unknown;
    tr.onUnknownWord = [&](std::u32string_view w) { unknown.push_back(toUtf8(w)); };
    tr.translateLine(U"car cars zebra walks x= 42");
    EXPECT_EQ(unknown, (std::vector<std::string>{"zebra", "walks", "x="}));
}

} // namespace

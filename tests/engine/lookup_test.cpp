// The lookup's word order, labels, be, comparisons, line-end flush and suffix rules, on small dictionaries, seen
// in the translated lines (before phrase rewriting).
#include "EngineFixture.h"

using namespace dlx;
using namespace dlx::test;

namespace {

struct Row {
    const char *in, *out;
};

/// Translates each row's text alone, in a fresh run, and compares the lines joined by "\n".
void expectRows(const TempFolder &data, std::initializer_list<Row> rows,
                TranslationMode mode = TranslationMode::Grammar) {
    for (const auto &row : rows) {
        SCOPED_TRACE(row.in);
        std::string joined;
        for (const auto &l : rawLines(data.path(), row.in, mode))
            joined += (joined.empty() ? "" : "\n") + l;
        EXPECT_EQ(joined, row.out);
    }
}

TEST(Lookup, NounPhrasesAreHeldAndWrittenNounFirstWhenTheyEnd) {
    TempFolder data;
    data.writeEntries(
        {entry("red", "แดง", ADJ), entry("car", "รถ", N), entry("run", "วิ่ง", VI), entry("big", "ใหญ่", ADJ)});
    expectRows(data, {
                         {"red car run", "รถแดงวิ่ง"},       // held until the verb, the noun before its adjective
                         {"big red car 42", "42รถแดงใหญ่"}, // adjectives pile up in reverse reading order
                         {"car red 42", "รถ42แดง"},        // an adjective after a noun writes the noun out first
                     });
    expectRows(data, {{"red cars run", "แดงรถวิ่ง"}}, TranslationMode::WordForWord);
}

TEST(Lookup, BeDependsOnThePreviousWord) {
    TempFolder data;
    data.writeEntries({entry("is", "เป็น", BE), entry("car", "รถ", N), entry("red", "แดง", ADJ), entry("he", "เขา", PRO),
                       entry("what", "อะไร", Q), entry("as", "เป็น", CON)});
    expectRows(data, {
                         {"car is", "รถคือ"},
                         {"red is", "แดงอยู่"},
                         {"he is", "เขาเป็น"},
                         {"is", "เป็น"},
                         {"what is", "อะไร"},                           // nothing after a question word...
                         {"what is is", "เป็นอะไร"},                     // ...which starts the class afresh
                         {"car is is", "รถคือคือ"},                       // be itself leaves the class as it was
                         {"he is as red as he", "เขาเป็นแดงเหมือนกับเขา"}, // and marks the word as be
                     });
}

TEST(Lookup, QuestionWordsAreWrittenAtTheEndOfTheLine) {
    TempFolder data;
    data.writeEntries({entry("where", "ที่ไหน", Q), entry("is", "เป็น", BE), entry("my", "ของฉัน", PRO),
                       entry("book", "หนังสือ", N), entry("who", "ใคร", Q), entry("what", "อะไร", Q),
                       entry("did", "ทำ", VT)});
    expectRows(data, {
                         {"where is my book", "ของฉันหนังสือที่ไหน"},
                         {"where is my book?", "ของฉันหนังสือที่ไหน?"},
                         {"who did what", "ทำใครอะไร"}, // a second question word keeps the first one's meaning
                     });
}

TEST(Lookup, ComparisonRuleDropsTheFirstConjunctionAndTurnsTheSecondIntoLikeness) {
    TempFolder data;
    data.writeEntries({entry("is", "เป็น", BE), entry("as", "เป็น", CON), entry("tall", "สูง", ADJ),
                       entry("so", "ดังนั้น", CON), entry("he", "เขา", PRO), entry("sleeps", "นอน", VI)});
    expectRows(data, {
                         {"he is as tall as he", "เขาเป็นสูงเหมือนกับเขา"},
                         {"he sleeps so he", "เขานอนเขา"}, // after an intransitive verb "so" is swallowed too
                     });
}

TEST(Lookup, TheLineEndFlushForgetsTheLastLabelAndAnOpenComparisonButNotTheClass) {
    TempFolder data;
    data.writeEntries({entry("is", "เป็น", BE), entry("as", "เป็น", CON), entry("so", "ดังนั้น", CON),
                       entry("he", "เขา", PRO), entry("sleeps", "นอน", VI), entry("car", "รถ", N)});
    expectRows(data, {
                         {"he is\nas he", "เขาเป็น\nเป็นเขา"},           // "as" no longer follows be
                         {"he sleeps\nso he", "เขานอน\nดังนั้นเขา"},      // nor an intransitive verb
                         {"he is as car\nas he", "เขาเป็นรถ\nเป็นเขา"},  // the comparison is closed
                         {"he is as car as he", "เขาเป็นรถเหมือนกับเขา"}, // (within a line it stays open)
                         {"car\nis", "รถ\nคือ"},                        // the class carries over
                     });
}

TEST(Lookup, SuffixRulesReachTheStem) {
    TempFolder data;
    data.writeEntries({entry("study", "เรียน", VT), entry("walk", "เดิน", VI), entry("run", "วิ่ง", VI),
                       entry("tall", "สูง", ADJ), entry("happy", "สุข", ADJ), entry("cat", "แมว", N),
                       entry("bake", "อบ", VT), entry("go", "ไป", VI), entry("nice", "ดี", ADJ), entry("is", "เป็น", BE),
                       entry("red", "แดง", ADJ)});
    // Each word followed by a space, then without one; "is" shows the class a suffixed word leaves (อยู่: other).
    expectRows(data, {
                         {"studied is", "เรียนอยู่"},
                         {"studied", "เรียน"},
                         {"walking is", "กำลังเดินอยู่"},
                         {"running is", "การวิ่งอยู่"},
                         {"baking", "การอบ"},
                         {"going is", "กำลังไปอยู่"}, // a two-character stem is enough for -ing
                         {"cats is", "แมวอยู่"},
                         {"CATS", "แมว"},
                         {"walked", "เดิน"},
                         {"baked is", "อบอยู่"}, // ED 3: drop only the d
                         {"taller is", "สูงกว่าอยู่"},
                         {"taller 42", "42สูงกว่า"}, // comparatives are held, not written
                         {"happier", "สุขกว่า"},
                         {"tallest 42", "42สูงที่สุด"},
                         {"happiest", "สุขที่สุด"},
                         {"nicer is", "nicer อยู่"}, // ER never drops an e: no stem NIC, so the word as it stands
                         {"red cats", "แมวแดง"},   // a written suffixed word comes before the held text
                     });
}

TEST(Lookup, AWrittenSuffixedWordKeepsThePreviousLabel) {
    TempFolder data;
    data.writeEntries(
        {entry("cat", "แมว", N), entry("is", "เป็น", BE), entry("as", "เป็น", CON), entry("he", "เขา", PRO)});
    // "as" after "is cats" still counts as following be.
    expectRows(data, {{"he is cats as he", "เขาเป็นแมวเขา"}});
}

TEST(Lookup, UnknownWordsAreWrittenAsTheyStandAndOnlySuffixedOnesChangeTheClass) {
    TempFolder data;
    data.writeEntries({entry("car", "รถ", N), entry("is", "เป็น", BE), entry("it", "มัน", PRO), entry("us", "เรา", PRO),
                       entry("use", "ใช้", VT), entry("bigy", "x", N)});
    expectRows(data,
               {
                   {"car cow is", "cow รถคือ"},   // an unknown word neither writes the held noun nor changes the class
                   {"car cows is", "cows รถอยู่"}, // a suffixed one is written by the lookup as "other"
                   {"its using us", "its using เรา"}, // short stems and USING are not reduced
                   // BIGGER: the last line holds the stem BIGY as a noun, not an adjective: nothing is
                   // rendered and the class stays.
                   {"car bigger is", "bigger รถคือ"},
               });
}

TEST(Lookup, AbsentAndEmptyLetterFilesRenderNothing) {
    TempFolder data;
    data.writeLines("C.pal", {});
    data.writeEntries({entry("is", "เป็น", BE)});
    expectRows(data, {{"cats dogs is", "cats dogs เป็น"}});
}

TEST(Lookup, FileOrderDecidesBetweenASuffixRuleAndALaterExactEntry) {
    TempFolder data;
    data.writeEntries({entry("new", "ใหม่", ADJ), entry("news", "ข่าว", N)});
    expectRows(data, {{"news", "ใหม่"}}, TranslationMode::WordForWord);
    data.writeEntries({entry("news", "ข่าว", N), entry("new", "ใหม่", ADJ)});
    expectRows(data, {{"news", "ข่าว"}}, TranslationMode::WordForWord);
}

TEST(Lookup, LetterFileFormatQuirks) {
    TempFolder data;
    data.writeLines("B.pal", {"bank/ธนาคาร/n.(นาม)/extra", " Apple /แอปเปิ้ล/n.(นาม)", "no slash line", "bare/ เปล่า ",
                              "bank/ซ้ำ/n.(นาม)"});
    data.writeLines("A.PAL", {" Apple / แอปเปิ้ล /n.(นาม)"});
    expectRows(data, {{"bank", "ธนาคาร"}, {"APPLE", " แอปเปิ้ล "}}, TranslationMode::WordForWord);
    // A meaning without a label falls to the "any other label" rule: written at once, held text first.
    expectRows(data, {{"bare", " เปล่า "}});
}

TEST(Lookup, ALowerCaseFileNameIsAbsent) {
    TempFolder data;
    data.writeLines("a.pal", {"apple/แอปเปิ้ล/n.(นาม)"});
    expectRows(data, {{"apple", "apple"}});
    EXPECT_FALSE(findLetterFile(data.path(), U'A').has_value());
}

TEST(Lookup, AChangedLetterFileIsReadAgainByTheNextRun) {
    TempFolder data;
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
    std::filesystem::remove(data.file("C.pal"));
    EXPECT_EQ(once(), "car");
}

TEST(Lookup, TheUsersOwnCopyIsReadInPlaceOfTheShippedFileWhileItIsThere) {
    TempFolder folder;
    folder.writeEntries({entry("car", "รถ", N)}, "shipped");
    folder.writeLines("shipped/Idiom.pal", {"รถ/ยาน"});
    Lexicon lexicon(DataFolders(folder.file("shipped"), folder.file("user")));
    auto once = [&] {
        TranslationState st;
        Translator t(st, lexicon);
        t.mode = TranslationMode::WordForWord;
        beginRun(st);
        translateLines(t, {U"car"});
        std::u32string line = st.TranslatedLines.at(0);
        lexicon.phraseRules().current()->CheckThaiIdiom(line);
        return toUtf8(line);
    };
    EXPECT_EQ(once(), "ยาน");
    folder.writeEntries({entry("car", "รถยนต์", N)}, "user");
    folder.writeLines("user/Idiom.pal", {"รถยนต์/พาหนะ"});
    EXPECT_EQ(once(), "พาหนะ");
    std::filesystem::remove(folder.file("user/C.pal"));
    std::filesystem::remove(folder.file("user/Idiom.pal"));
    EXPECT_EQ(once(), "ยาน");
    folder.writeEntries({entry("car", "รถยนต์", N)}, "user");
    EXPECT_EQ(once(), "ยานยนต์");
}

TEST(Lookup, UnknownWordHookSeesEveryUnrenderedWord) {
    TempFolder data;
    data.writeEntries({entry("car", "รถ", N)});
    Lexicon lexicon(data.path());
    TranslationState state;
    Translator tr(state, lexicon);
    std::vector<std::string> unknown;
    tr.onUnknownWord = [&](std::u32string_view w) { unknown.push_back(toUtf8(w)); };
    tr.translateLine(U"car cars zebra walks x= 42");
    EXPECT_EQ(unknown, (std::vector<std::string>{"zebra", "walks", "x="}));
}

} // namespace

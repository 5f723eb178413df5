// The word step on articles, marks, Tabs and other pieces, and the driver's cutting of lines.
#include "EngineFixture.h"

#include <random>

using namespace dlx;
using namespace dlx::test;

namespace {

TEST(Dispatch, PiecesLandOnTheWorkLineAsTheirKindRequires) {
    TempFolder data;
    // "what" is held for the end of the line and "red" for the noun phrase, so each row shows whether a piece
    // writes out the held text before it, after it, or not at all.
    data.writeEntries({entry("apple", "แอปเปิ้ล", N), entry("there", "ที่นั่น", ADV), entry("what", "อะไร", Q),
                       entry("red", "แดง", ADJ), entry("car", "รถ", N), entry("go", "ไป", VI)});
    struct Row {
        const char *in, *out;
    } rows[] = {
        {"what red the go", "แดงไปอะไร"}, // articles write nothing and hold nothing back
        {"what red THE car go", "รถแดงไปอะไร"},
        {"what red An 42", "42แดงอะไร"},
        {"what red a 42", "อะ.-42แดงอะไร"}, // "a" writes its marker, the held text stays held
        {"A car go", "อะ.-รถไป"},
        {"what red 42 go", "42 แดงไปอะไร"}, // other pieces are written, then the held noun phrase
        {"what red?", "แดงอะไร?"},          // marks write both held texts first
        {"what red? go", "แดงอะไร?ไป"},
        {"what red.\tgo", "แดงอะไร.\tไป"},
        {"what red\tgo", "\tแดงไปอะไร"},    // a Tab leaves the held text held
        {"what red'car go", "แดงรถไปอะไร"}, // the apostrophe's empty piece writes the held noun phrase
        {"what red/car go", "/แดงรถไปอะไร"},
        {"\u00E9t\u00E9 go", "\u00E9t\u00E9 ไป"}, // only A-Z starts a dictionary word
        {"\u0E01\u0E02 go", "\u0E01\u0E02 ไป"},
        {"apple there", "แอปเปิ้ลที่นั่น"}, // longer words starting with an article reach the dictionary
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.in);
        EXPECT_EQ(rawLines(data.path(), row.in), std::vector<std::string>{row.out});
    }
}

TEST(Driver, CutsLinesIntoWordsAndSeparators) {
    TempFolder data;
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
        // Double quotes and the ellipsis are marks; a sentence's "." or "?" before one is split off first.
        {"\"why go.\"", {"\"ทำไมไป.\""}, wfw},
        {"go?\" no", {"ไป?\" ไม่"}, wfw},
        {"\u201Cdon\u2019t\u201D go\u2026", {"\u201Cไม่\u201D ไป\u2026"}, wfw},
        {"\u2018go\u2019", {"ไป"}, wfw},                             // single quotes are apostrophes: not written
        {"red cat\" go", {"แมวแดง\" ไป"}, TranslationMode::Grammar}, // held text comes before the quote
        {"go.\u2026", {"ไป.\u2026"}, wfw},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.in);
        EXPECT_EQ(rawLines(data.path(), row.in, row.mode), row.out);
    }
}

TEST(Driver, SentencesRunTogetherUnlessTheirSpaceIsKept) {
    TempFolder data;
    data.writeEntries({entry("why", "ทำไม", ADV), entry("no", "ไม่", ADV), entry("go", "ไป", VI),
                       entry("red", "แดง", ADJ), entry("cat", "แมว", N)});
    struct Row {
        const char *in, *joined, *spaced;
    } rows[] = {
        {"Why? No. go", "ทำไม?ไม่.ไป", "ทำไม? ไม่. ไป"},
        {"red cat. go", "แมวแดง.ไป", "แมวแดง. ไป"},   // the held phrase still comes before the mark
        {"go.\tgo? ", "ไป.\tไป?", "ไป.\tไป? "},       // a Tab is written either way
        {"go, go.  go", "ไป, ไป. ไป", "ไป, ไป.  ไป"}, // only the sentence's own space is kept
        {"\"go.\" go", "\"ไป.\" ไป", "\"ไป.\" ไป"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.in);
        Lexicon lexicon(data.path());
        EXPECT_EQ(toUtf8(translateText(fromUtf8(row.in), lexicon, TranslationMode::Grammar)), row.joined);
        EXPECT_EQ(toUtf8(translateText(fromUtf8(row.in), lexicon, TranslationMode::Grammar, true)), row.spaced);
    }
}

TEST(Driver, HeldAdjectiveCrossesTheLineEndAndIsNeverDropped) {
    TempFolder data;
    data.writeEntries({entry("red", "แดง", ADJ), entry("go", "ไป", VI)});
    EXPECT_EQ(rawLines(data.path(), "red zebra\ngo"), (std::vector<std::string>{"zebra", "แดงไป"}));
    // Held at the end of the last line: appended to it rather than lost.
    EXPECT_EQ(rawLines(data.path(), "go\nred zebra"), (std::vector<std::string>{"ไป", "zebraแดง"}));
}

TEST(Driver, CancelLetsTheCurrentLineFinishAndStopsThere) {
    TempFolder data;
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
    TempFolder data;
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
    TempFolder data;
    data.writeEntries({entry("cafe", "ร้านกาแฟ", N)});
    EXPECT_EQ(translateUtf8(data.path(), "caf\u00E9 \u00A9 \U0001F600 cafe"), "caf\u00E9 \u00A9 \U0001F600 ร้านกาแฟ");
}

} // namespace

namespace {

// A streamed run may take a line in parts and pass its Thai on in pieces before the line ends; what comes out
// must be exactly the one-call translation, rewriting included.
TEST(Driver, AStreamedRunInPartsGivesTheWholeTranslation) {
    TempFolder data;
    data.writeEntries({entry("can", "สามารถ", VT), entry("not", "ไม่", ADV), entry("bit", "บิท", N),
                       entry("go", "ไป", VI), entry("red", "แดง", ADJ), entry("car", "รถ", N), entry("i", "ฉัน", PRO)});
    const std::vector<std::string> words = {"I", "can", "not", "go", "a", "bit", "red", "car", "zebra", "42", "."};
    std::mt19937 rng(3);
    for (int round = 0; round < 6; ++round) {
        std::string text;
        for (int line = 0; line < 4; ++line) {
            // Lines of every size; one of them far longer than what a run holds back before passing some on.
            const int count = line == round % 4 ? 60000 : static_cast<int>(rng() % 30);
            for (int w = 0; w < count; ++w)
                text += words[rng() % words.size()] + (rng() % 9 ? " " : ", ");
            text += "\n";
        }
        Lexicon lexicon(data.path());
        const std::string expected = toUtf8(translateText(fromUtf8(text), lexicon, TranslationMode::Grammar)) + "\n";

        TranslationState state;
        Translator translator(state, lexicon);
        std::u32string out;
        StreamedRun run(translator, [&](std::u32string_view piece) { out += piece; });
        for (const auto &line : splitLines(fromUtf8(text))) {
            std::u32string_view rest = line;
            while (rest.size() > 1 && rng() % 3) { // parts of any size, the last never empty
                const size_t cut = 1 + rng() % std::min<size_t>(rest.size() - 1, 200000);
                run.part(rest.substr(0, cut), false);
                rest.remove_prefix(cut);
            }
            run.part(rest, true);
        }
        run.finish();
        ASSERT_EQ(toUtf8(out), expected) << "round " << round;
    }
}

// Each rule alone is sound, but together they turn every า into ten thousand ค: five kilobytes of text would become
// sixty megabytes. The text grows only a few times over, alike whole and streamed, and the rules still apply.
TEST(Driver, PhraseRulesThatFeedEachOtherGrowTheTextOnlyAFewTimesOver) {
    TempFolder data;
    data.writeEntries({entry("bank", "ธนาคาร", N)});
    std::string toKho = "า/", toKhokhwai = "ข/";
    for (int i = 0; i < 100; ++i)
        toKho += "ข", toKhokhwai += "ค";
    // One line of a thousand words; a line of forty thousand, too long for a streamed run to hold whole, in runs
    // of forty words between numbers (which no rule spans).
    const struct { int words, runs; } cases[] = {{1000, 1}, {40, 1000}};
    for (const auto &[words, runs] : cases) {
        std::string text;
        for (int run = 0; run < runs; ++run) {
            for (int word = 0; word < words; ++word)
                text += "bank ";
            text += "7 ";
        }
        std::filesystem::remove(data.file("Idiom.pal"));
        Lexicon lexicon(data.path());
        const std::u32string unruled = translateText(fromUtf8(text), lexicon, TranslationMode::Grammar);
        data.writeLines("Idiom.pal", {toKho, toKhokhwai});
        const std::u32string whole = translateText(fromUtf8(text), lexicon, TranslationMode::Grammar);
        EXPECT_LT(whole.size(), 5 * unruled.size()) << text.size();
        EXPECT_NE(whole.find(U"ธนข"), std::u32string::npos); // the rules still apply

        TranslationState state;
        Translator translator(state, lexicon);
        std::u32string streamed;
        StreamedRun run(translator, [&](std::u32string_view piece) { streamed += piece; });
        const std::u32string line = fromUtf8(text);
        for (size_t at = 0; at < line.size(); at += 5000)
            run.part(std::u32string_view(line).substr(at, 5000), at + 5000 >= line.size());
        run.finish();
        EXPECT_EQ(streamed, whole + U"\n") << text.size();
    }
}

} // namespace

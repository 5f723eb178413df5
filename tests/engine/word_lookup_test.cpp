// The dictionary as a reader consults it, on small dictionaries: how a word is reached, all its lines with the
// one the translation uses marked, the reverse lookup by meaning, and a letter file changed on disk.
#include "EngineFixture.h"
#include "WordLookup.h"

using namespace dlx;
using namespace dlx::test;

namespace {

std::string u8(const std::u32string &s) {
    return toUtf8(s);
}

/// "english thai label" of each line, "*" before the used one.
std::vector<std::string> shown(const std::vector<Sense> &senses) {
    std::vector<std::string> out;
    for (const Sense &s : senses)
        out.push_back((s.used ? "*" : "") + u8(s.english) + " " + u8(s.thai) + " " + u8(s.label));
    return out;
}

class WordLookupTest : public ::testing::Test {
protected:
    TempFolder data;
    void SetUp() override {
        data.writeEntries({entry("walk", "เดิน", VI), entry("walk", "การเดิน", N), entry("study", "เรียน", VT),
                           entry("tall", "ตัวสูง", N), entry("tall", "สูง", ADJ), entry("cat", "แมว", N),
                           entry("cats", "พวกแมว", N), entry("the", "ที่", ADV), entry("red", "แดง", ADJ)});
    }
};

TEST_F(WordLookupTest, ReachesWordsAsTheTranslationDoesAndMarksTheLineItUses) {
    struct Row {
        const char *word;
        WordReach reach;
        const char *stem, *suffix, *rendering;
        std::vector<std::string> senses;
    } rows[] = {
        {"Walk", WordReach::Exact, "", "", "เดิน", {"*walk เดิน " + std::string(VI), "walk การเดิน " + std::string(N)}},
        {"walked",
         WordReach::Stem,
         "walk",
         "-ed",
         "เดิน",
         {"*walk เดิน " + std::string(VI), "walk การเดิน " + std::string(N)}},
        {"walking",
         WordReach::Stem,
         "walk",
         "-ing",
         "กำลังเดิน",
         {"*walk เดิน " + std::string(VI), "walk การเดิน " + std::string(N)}},
        {"studied", WordReach::Stem, "study", "-ed", "เรียน", {"*study เรียน " + std::string(VT)}},
        // The comparative needs an adjective: the noun line before it is listed, not used.
        {"taller",
         WordReach::Stem,
         "tall",
         "-er",
         "สูงกว่า",
         {"tall ตัวสูง " + std::string(N), "*tall สูง " + std::string(ADJ)}},
        // The first line in file order that renders the word wins, even over the word's own entry further down.
        {"cats", WordReach::Stem, "cat", "-s", "แมว", {"*cat แมว " + std::string(N), "cats พวกแมว " + std::string(N)}},
        {"the", WordReach::Article, "", "", "", {"the ที่ " + std::string(ADV)}},
        {"xyzzy", WordReach::Unknown, "", "", "", {}},
        {"42", WordReach::Unknown, "", "", "", {}},
    };
    Lexicon lexicon(data.path());
    WordLookup lookup(lexicon);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.word);
        const WordReport r = lookup.lookUp(fromUtf8(row.word));
        EXPECT_EQ(r.reach, row.reach);
        EXPECT_EQ(u8(r.stem), row.stem);
        EXPECT_EQ(u8(r.suffix), row.suffix);
        EXPECT_EQ(u8(r.rendering), row.rendering);
        EXPECT_EQ(shown(r.senses), row.senses);
        // The rendering is what the translation writes for the word alone.
        if (*row.rendering && row.reach != WordReach::Article)
            EXPECT_EQ(rawLines(data.path(), row.word, TranslationMode::WordForWord)[0], row.rendering);
    }
}

TEST_F(WordLookupTest, FindsEntriesByMeaningExactOnesFirst) {
    Lexicon lexicon(data.path());
    WordLookup lookup(lexicon);
    auto find = [&](const char *thai, std::size_t limit = 500) {
        std::vector<std::string> out;
        for (const MeaningMatch &m : lookup.findMeaning(fromUtf8(thai), limit))
            out.push_back((m.exact ? "=" : "") + u8(m.entry.english) + " " + u8(m.entry.thai));
        return out;
    };
    EXPECT_EQ(find("แมว"), (std::vector<std::string>{"=cat แมว", "cats พวกแมว"}));
    EXPECT_EQ(find(" สูง "), (std::vector<std::string>{"=tall สูง", "tall ตัวสูง"}));
    EXPECT_EQ(find("เดิน"), (std::vector<std::string>{"=walk เดิน", "walk การเดิน"}));
    EXPECT_EQ(find("เดิน", 1), (std::vector<std::string>{"=walk เดิน"}));
    EXPECT_TRUE(find("walk").empty()); // the English side is not a meaning
    EXPECT_TRUE(find("ช้าง").empty());
    EXPECT_TRUE(find("").empty());

    // The longest meaning that covers a character of a translated text.
    const std::u32string text = U"กำลังเดินพวกแมวสูง";
    auto at = [&](std::size_t i) {
        const auto span = lookup.meaningAt(text, i);
        return span ? u8(text.substr(span->start, span->length)) : std::string("-");
    };
    EXPECT_EQ(at(text.find(U'พ')), "พวกแมว");
    EXPECT_EQ(at(text.find(U'ม')), "พวกแมว");
    EXPECT_EQ(at(text.find(U'ด')), "เดิน");
    EXPECT_EQ(at(text.size() - 1), "สูง");
    EXPECT_EQ(at(0), "-");
}

TEST_F(WordLookupTest, FollowsALetterFileChangedOnDisk) {
    Lexicon lexicon(data.path());
    WordLookup lookup(lexicon);
    EXPECT_EQ(lookup.lookUp(U"dog").reach, WordReach::Unknown);
    EXPECT_FALSE(lookup.meaningAt(U"สุนัข", 0));
    data.writeEntries({entry("dog", "สุนัข", N)});
    EXPECT_EQ(shown(lookup.lookUp(U"dogs").senses), std::vector<std::string>{"*dog สุนัข " + std::string(N)});
    ASSERT_TRUE(lookup.meaningAt(U"สุนัข", 2));
    EXPECT_EQ(lookup.findMeaning(U"สุนัข").size(), 1u);
}

} // namespace

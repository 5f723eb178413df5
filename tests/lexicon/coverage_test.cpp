// How much of real English the shipped dictionary turns into Thai: the sample prose in tests/data and the
// frequency list the dictionary was built against.
#include "Driver.h"
#include "Lexicon.h"
#include "PhraseRewriter.h"
#include "ShippedDictionary.h"
#include "TextFile.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

namespace dlx::test {
namespace {

bool isArticle(const std::u32string &word) {
    const std::u32string key = upperAscii(word);
    return key == U"THE" || key == U"AN" || key == U"A";
}

// What the dictionary reported as unknown, lower-cased and without the marks a word may still carry ("said.").
std::u32string cleanUnknown(std::u32string_view w) {
    std::u32string out;
    for (char32_t c : w) {
        if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'))
            out += (c >= U'A' && c <= U'Z') ? c + 32 : c;
        else if (!out.empty())
            break;
    }
    return out;
}

struct Coverage {
    size_t tokens = 0;      ///< English words of the text, articles left out (Thai has none: dropping them is right)
    size_t leftEnglish = 0; ///< English words still in the translation after rewriting
    size_t reported = 0;    ///< words the lookup reported as unknown
};

TEST(LexiconCoverage, sampleProseComesOutInThaiForAtLeastNinetySevenPercentOfTheWords) {
    std::vector<std::filesystem::path> samples;
    for (const auto &e : std::filesystem::directory_iterator(DLX_TEST_DATA "/english"))
        if (e.path().extension() == ".txt")
            samples.push_back(e.path());
    std::sort(samples.begin(), samples.end());
    ASSERT_GE(samples.size(), 3u) << "the sample texts are missing from " << DLX_TEST_DATA "/english";

    Lexicon lexicon(DLX_SHIPPED_DATA);
    const PhraseRewriter rewriter;
    std::map<std::u32string, int> unknown;
    Coverage total;
    for (const auto &path : samples) {
        const auto file = readFileBytes(path.string());
        ASSERT_TRUE(file.ok()) << path;
        const std::u32string text = decodeTextBytes(*file);

        TranslationState state;
        Translator translator(state, lexicon);
        translator.mode = TranslationMode::Grammar;
        Coverage c;
        translator.onUnknownWord = [&](std::u32string_view w) {
            ++c.reported;
            if (const std::u32string word = cleanUnknown(w); !word.empty())
                ++unknown[word];
        };
        beginRun(state);
        const int done = translateLines(translator, splitLines(text));
        std::u32string thai = joinLines(state.TranslatedLines, static_cast<size_t>(done), U"\n");
        rewriter.CheckThaiIdiom(thai);

        for (const auto &w : letterRuns(text))
            c.tokens += isArticle(w) ? 0 : 1;
        c.leftEnglish = letterRuns(thai).size();
        ASSERT_GT(c.tokens, 500u) << path << " is too short to measure";
        // No kind of text may fall far behind the others. Names stay English, and so do the identifiers of a
        // manual that Thai writes in Latin letters too (malloc, ls, SOURCEFILE:LINENO), which hold the GNU
        // sample near 94 %.
        EXPECT_GE(1.0 - double(c.leftEnglish) / double(c.tokens), 0.94) << path;
        // Every reported word is still in the translation as English.
        EXPECT_LE(c.reported, c.leftEnglish) << path;
        std::printf("[ coverage ] %-40s %5zu words, %4zu left in English: %.1f %%\n", path.filename().string().c_str(),
                    c.tokens, c.leftEnglish, 100.0 * (1.0 - double(c.leftEnglish) / double(c.tokens)));
        total.tokens += c.tokens;
        total.leftEnglish += c.leftEnglish;
        total.reported += c.reported;
    }

    const double rendered = 1.0 - double(total.leftEnglish) / double(total.tokens);
    std::printf("[ coverage ] all samples: %zu words, %zu left in English (%zu reported unknown by the lookup): "
                "%.1f %% in Thai\n",
                total.tokens, total.leftEnglish, total.reported, 100.0 * rendered);
    std::vector<std::pair<std::u32string, int>> sorted(unknown.begin(), unknown.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
    std::ostringstream list;
    for (size_t i = 0; i < sorted.size() && i < 30; ++i)
        list << (i ? ", " : "") << toUtf8(sorted[i].first) << " " << sorted[i].second;
    std::printf("[ coverage ] most frequent unknown words: %s\n", list.str().c_str());
    EXPECT_GE(rendered, 0.97);
}

// Every word of the frequency list the dictionary was built against comes out in Thai on its own, by an entry
// of its own or through a suffix rule from its stem.
TEST(LexiconCoverage, everyWordOfTheTopThreeThousandIsRenderedInThai) {
    const auto top = readWordList(std::string(DLX_DICTIONARY_SOURCES) + "/freq/top3000.txt");
    ASSERT_EQ(top.size(), 3000u);

    std::map<std::string, bool> ownEntry;
    for (const auto &f : readShippedFiles(DLX_SHIPPED_DATA))
        for (const auto &l : f.lines)
            if (!l.fields.empty())
                ownEntry[lowerAscii(toUtf8(trimSpaces(l.fields[0])))] = true;

    Lexicon lexicon(DLX_SHIPPED_DATA);
    TranslationState state;
    Translator translator(state, lexicon);
    translator.mode = TranslationMode::WordForWord;
    std::vector<std::string> missing;
    size_t withEntry = 0;
    for (const auto &word : top) {
        withEntry += ownEntry.count(word) ? 1 : 0;
        beginRun(state);
        translateLines(translator, {fromUtf8(word)});
        const std::u32string thai = state.TranslatedLines.empty() ? U"" : state.TranslatedLines.front();
        if (thai.empty() || !letterRuns(thai).empty())
            missing.push_back(word);
    }
    std::printf("[ top 3000 ] %zu have an entry of their own, %zu more are reached through a suffix rule\n", withEntry,
                top.size() - withEntry - missing.size());
    std::ostringstream list;
    for (size_t i = 0; i < missing.size() && i < 100; ++i)
        list << missing[i] << " ";
    EXPECT_TRUE(missing.empty()) << missing.size() << " words come out in English: " << list.str();
}

} // namespace
} // namespace dlx::test

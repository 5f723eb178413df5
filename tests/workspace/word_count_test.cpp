// The word count: Thai split by the dictionary word breaker, English and numbers by their letters and digits.
#include "WordCount.h"

#include <gtest/gtest.h>

#include <string>

namespace dlx {
namespace {

struct CountCase {
    const char32_t *text;
    WordCounts expected; // words, English, Thai, characters, lines
};

TEST(WordCount, CountsWordsCharactersAndLines) {
    const CountCase cases[] = {
        {U"", {0, 0, 0, 0, 0}},
        {U"   \t ", {0, 0, 0, 5, 1}},
        {U"\n\n", {0, 0, 0, 0, 2}},
        {U"ฉันกินข้าว", {3, 0, 3, 10, 1}},
        {U"นักเรียนไปโรงเรียน", {3, 0, 3, 18, 1}},
        {U"ภาษาไทยง่ายนิดเดียว", {4, 0, 4, 19, 1}},
        {U"I eat rice.", {3, 3, 0, 11, 1}},
        {U"don't over-think it", {3, 3, 0, 19, 1}},
        {U"-- it's 'quoted' --", {2, 2, 0, 19, 1}},
        {U"ฉันกิน rice ทุกวัน", {5, 1, 4, 18, 1}},
        {U"ฉันกินrice", {3, 1, 2, 10, 1}},
        {U"3.14 and 1,000 cats", {4, 2, 0, 19, 1}},
        {U"one\ntwo\r\nthree\n", {3, 3, 0, 11, 3}},
        {U"แมว\n\nหมา", {2, 0, 2, 6, 3}},
        {U"Ωμέγα naïve", {2, 1, 0, 11, 1}},
        {U"ฉันกินข้าว\u2029แมว", {4, 0, 4, 13, 2}},
    };
    for (const auto &c : cases) {
        const std::u32string text(c.text);
        const WordCounts got = countWords(text);
        EXPECT_EQ(got.words, c.expected.words) << "case " << &c - cases;
        EXPECT_EQ(got.englishWords, c.expected.englishWords) << "case " << &c - cases;
        EXPECT_EQ(got.thaiWords, c.expected.thaiWords) << "case " << &c - cases;
        EXPECT_EQ(got.characters, c.expected.characters) << "case " << &c - cases;
        EXPECT_EQ(got.lines, c.expected.lines) << "case " << &c - cases;
    }
}

} // namespace
} // namespace dlx

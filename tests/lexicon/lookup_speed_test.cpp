// One lookup in the shipped dictionary, timed over the words of the sample prose: the panel answers a click at
// once. Prints the figures; fails only when a lookup takes a millisecond or more on average.
#include "ShippedDictionary.h"
#include "TextFile.h"
#include "Utf8.h"
#include "WordLookup.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace dlx::test {
namespace {

TEST(LookupSpeed, OneLookupInTheShippedDictionaryTakesWellUnderAMillisecond) {
    std::vector<std::u32string> words;
    for (const auto &file : std::filesystem::directory_iterator(std::string(DLX_TEST_DATA) + "/english"))
        if (file.path().extension() == ".txt")
            if (auto bytes = readFileBytes(file.path().string()))
                for (auto &w : letterRuns(fromUtf8(*bytes)))
                    words.push_back(std::move(w));
    ASSERT_GT(words.size(), 1000u);
    Lexicon lexicon(DLX_SHIPPED_DATA);
    WordLookup lookup(lexicon);
    lookup.lookUp(U"warm"); // the first question reads the letter file
    lookup.meaningAt(U"ก", 0);

    using Clock = std::chrono::steady_clock;
    auto perCall = [](Clock::time_point start, std::size_t n) {
        return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / double(n);
    };
    std::size_t found = 0;
    auto start = Clock::now();
    for (const auto &w : words)
        found += !lookup.lookUp(w).senses.empty();
    const double forward = perCall(start, words.size());

    std::vector<std::u32string> meanings;
    for (std::size_t i = 0; i < words.size() && meanings.size() < 200; i += 7)
        if (auto r = lookup.lookUp(words[i]); !r.rendering.empty())
            meanings.push_back(r.rendering);
    start = Clock::now();
    for (const auto &m : meanings)
        lookup.findMeaning(m);
    const double reverse = perCall(start, meanings.size());
    start = Clock::now();
    for (const auto &m : meanings)
        lookup.meaningAt(m, m.size() / 2);
    const double under = perCall(start, meanings.size());

    std::printf("lookup of an English word: %.1f us (%zu words, %zu found); by meaning: %.1f us; meaning under a "
                "click: %.1f us\n",
                forward, words.size(), found, reverse, under);
    EXPECT_LT(forward, 1000.0);
    EXPECT_GT(found, words.size() / 2);
}

} // namespace
} // namespace dlx::test

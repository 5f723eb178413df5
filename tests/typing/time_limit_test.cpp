#include "TimeLimit.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <optional>

using namespace dlx;

TEST(ParseTimeLimit, NumberAtTheStartRoundedHalfToEvenOnlyWhenAboveZero) {
    struct Row {
        std::u32string text;
        std::optional<int> minutes;
    };
    const Row rows[] = {
        {U"5", 5},
        {U"12", 12},
        {U"99", 99},
        {U"0", std::nullopt},
        {U"00", std::nullopt},
        {U"-1", std::nullopt},
        {U"ab", std::nullopt},
        {U"", std::nullopt},
        {U"  ", std::nullopt},
        {U".", std::nullopt},
        {U"-.5", std::nullopt},
        {U"0.0", std::nullopt},
        {U".5", 0},
        {U".6", 1},
        {U".4", 0},
        {U"1.5", 2},
        {U"2.5", 2},
        {U"3.5", 4},
        {U"0.51", 1},
        {U"2.50001", 3},
        {U"7.", 7},
        {U"9x", 9},
        {U"1.2.3", 1},
        {U" 3", 3},
        {U"3 ", 3},
        {U"\t4", 4},
        {U"+4", 4},
        {U"x9", std::nullopt},
        {U"1 2", 12},
        {U"32767", 32767},
        {U"32768", std::nullopt},
        {U"32767.5", std::nullopt},
        {U"๕", std::nullopt},
    };
    for (const Row &r : rows) {
        const auto got = parseTimeLimit(r.text);
        ASSERT_EQ(got.has_value(), r.minutes.has_value()) << "text [" << toUtf8(r.text) << "]";
        if (got)
            EXPECT_EQ(*got, *r.minutes) << toUtf8(r.text);
    }
}

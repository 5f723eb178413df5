#include "Codec874.h"
#include "TextFile.h"
#include "Utf8.h"

#include <gtest/gtest.h>

using namespace dlx;

TEST(Codec874, EveryByteRoundTripsUndefinedOnesIncluded) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::u32string text = decode874(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(text[0xA1], U'\u0E01');
    EXPECT_EQ(text[0xFB], U'\u0E5B');
    EXPECT_TRUE(representable874(text));
    std::size_t lost = 99;
    EXPECT_EQ(encode874(text, &lost), all);
    EXPECT_EQ(lost, 0u);
}

TEST(Codec874, CharactersOutsideTheCodePageAreCountedAsLost) {
    std::size_t lost = 0;
    EXPECT_EQ(encode874(U"caf\u00E9 \u00A9\U0001F600", &lost), "caf? ??");
    EXPECT_EQ(lost, 3u);
    EXPECT_FALSE(representable874(U"\u00E9"));
}

TEST(Utf8, ValidationRejectsOverlongsSurrogatesAndTruncation) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("\xE0\xB8\x81"));  // ko kai
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));     // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(isValidUtf8("\xE0\xB8"));     // cut short
    EXPECT_FALSE(isValidUtf8("\xA1\xA2"));     // Windows-874 Thai
    EXPECT_EQ(fromUtf8("a\xFF"
                       "b"),
              U"a\uFFFDb");
    EXPECT_EQ(toUtf8(fromUtf8("\xF0\x9F\x98\x80 x")), "\xF0\x9F\x98\x80 x");
}

TEST(Utf8, DecodeTextBytesPicksTheEncoding) {
    EXPECT_EQ(decodeTextBytes("\xEF\xBB\xBF\xE0\xB8\x81"), U"\u0E01");
    EXPECT_EQ(decodeTextBytes("\xE0\xB8\x81"), U"\u0E01");
    EXPECT_EQ(decodeTextBytes("\xA1"), U"\u0E01");
}

TEST(TextHelpers, UpperCasingAndTrimmingTouchOnlyWhatTheyShould) {
    EXPECT_EQ(upperAscii(U"ab\u00E9z\u0E01"), U"AB\u00E9Z\u0E01");
    EXPECT_EQ(trimSpaces(U"  a b \t "), U"a b \t");
    EXPECT_EQ(trimSpaces(U"   "), U"");
}

TEST(TextHelpers, SplitLinesAcceptsEveryLineEnd) {
    using V = std::vector<std::u32string>;
    EXPECT_EQ(splitLines(U""), V{});
    EXPECT_EQ(splitLines(U"a"), V{U"a"});
    EXPECT_EQ(splitLines(U"a\r\nb\rc\nd"), (V{U"a", U"b", U"c", U"d"}));
    EXPECT_EQ(splitLines(U"a\r\n"), V{U"a"});
    EXPECT_EQ(splitLines(U"a\n\n"), (V{U"a", U""}));
    EXPECT_EQ(splitLines(U"\r\r\n"), (V{U"", U""}));
}

TEST(TextHelpers, SaveTextBytesAddsCrLfAndFallsBackToUtf8OnlyWhenAllowed) {
    EXPECT_EQ(saveTextBytes(U""), "\r\n");
    EXPECT_EQ(saveTextBytes(U"\u0E01\r\n"), "\xA1\r\n\r\n");
    bool utf8 = false;
    EXPECT_EQ(saveTextBytes(U"\u00E9", true, &utf8), "\xEF\xBB\xBF\xC3\xA9\r\n");
    EXPECT_TRUE(utf8);
    EXPECT_EQ(saveTextBytes(U"\u0E01", true, &utf8), "\xA1\r\n");
    EXPECT_FALSE(utf8);
}

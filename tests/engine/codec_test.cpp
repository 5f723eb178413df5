#include "Codec874.h"
#include "TextFile.h"
#include "TextLines.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

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

// Texts read in chunks and cut into pieces must give exactly the lines of the whole text decoded at once, and the
// encoding guessed from chunks must be the one guessed from all the bytes.
TEST(TextLines, ChunksAndPiecesGiveTheLinesOfTheWholeText) {
    std::mt19937 rng(11);
    const std::vector<std::string> atoms = {
        "a",    "b",    " ",        "\r",           "\n", "\r\n", "\xE0\xB8\x81", "\xC3\xA9", "\xF0\x9F\x98\x80",
        "\xA1", "\x80", "\xE0\xB8", "\xEF\xBB\xBF", "go "};
    for (int round = 0; round < 400; ++round) {
        std::string bytes = round % 5 == 0 ? "\xEF\xBB\xBF" : "";
        const int length = static_cast<int>(rng() % 80);
        for (int i = 0; i < length; ++i)
            bytes += atoms[rng() % (round % 3 == 0 ? atoms.size() : 8)]; // a third may be Windows-874
        const std::vector<std::u32string> expected = splitLines(decodeTextBytes(bytes));
        const size_t chunk = 16 + rng() % 8, longest = round % 2 ? SIZE_MAX : 1 + rng() % 5;

        EncodingGuess guess;
        for (size_t i = 0; i < bytes.size(); i += chunk)
            guess.feed(std::string_view(bytes).substr(i, chunk));
        const TextEncoding encoding = guess.encoding();
        EncodingGuess whole;
        whole.feed(bytes);
        ASSERT_EQ(static_cast<int>(encoding), static_cast<int>(whole.encoding())) << "round " << round;

        size_t at = 0;
        TextLines chunked(
            [&](char *to, size_t room) -> Result<size_t> {
                const size_t n = std::min(room, bytes.size() - at);
                std::memcpy(to, bytes.data() + at, n);
                at += n;
                return n;
            },
            encoding, chunk);
        TextLines inMemory(bytes, encoding);
        for (TextLines *lines : {&chunked, &inMemory}) {
            std::vector<std::u32string> got;
            std::u32string piece, line;
            bool goesOn = false;
            while (lines->next(piece, goesOn, longest)) {
                ASSERT_FALSE(piece.empty() && (goesOn || !line.empty())) << "round " << round;
                line += piece;
                if (!goesOn)
                    got.push_back(std::exchange(line, {}));
            }
            ASSERT_EQ(got, expected) << "round " << round;
        }
    }
}

// UTF-16 read through small chunks, so that pairs, odd bytes and the mark fall across their edges.
TEST(TextLines, Utf16ReadsAsTheWindowOpensIt) {
    struct Atom {
        std::vector<char16_t> units;
        std::u32string chars;
    };
    const std::vector<Atom> atoms = {{{u'a'}, U"a"},
                                     {{u'\r'}, U"\r"},
                                     {{u'\n'}, U"\n"},
                                     {{u'\u0E01'}, U"\u0E01"},
                                     {{0xD83D, 0xDE00}, U"\U0001F600"},
                                     {{0xDC00}, U"\uFFFD"},        // a low surrogate alone
                                     {{0xD800, u'b'}, U"\uFFFDb"}, // a high one without its partner
                                     {{0xD800, 0xD801, 0xDC00}, U"\uFFFD\U00010400"}};
    std::mt19937 rng(5);
    for (int round = 0; round < 300; ++round) {
        const bool bigEndian = round % 2;
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        std::u32string text;
        auto unit = [&](char16_t u) {
            const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
            bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
        };
        for (int i = static_cast<int>(rng() % 30); i > 0; --i) {
            const Atom &a = atoms[rng() % atoms.size()];
            for (char16_t u : a.units)
                unit(u);
            text += a.chars;
        }
        switch (round % 4) { // what is left over at the end becomes one U+FFFD
        case 1:
            bytes += 'x';
            text += U'\uFFFD';
            break;
        case 2:
            unit(0xD800);
            bytes += 'x';
            text += U'\uFFFD';
            break;
        default:
            break;
        }
        EncodingGuess guess;
        guess.feed(bytes.substr(0, 1));
        guess.feed(bytes.substr(1));
        ASSERT_EQ(static_cast<int>(guess.encoding()),
                  static_cast<int>(bigEndian ? TextEncoding::Utf16BE : TextEncoding::Utf16LE));
        size_t at = 0;
        TextLines lines(utf16AsUtf8(
                            [&](char *to, size_t room) -> Result<size_t> {
                                const size_t n = std::min({room, bytes.size() - at, size_t{1} + rng() % 7});
                                std::memcpy(to, bytes.data() + at, n);
                                at += n;
                                return n;
                            },
                            bigEndian),
                        TextEncoding::Utf8, 16);
        std::vector<std::u32string> got;
        std::u32string piece, line;
        bool goesOn = false;
        while (lines.next(piece, goesOn)) {
            line += piece;
            if (!goesOn)
                got.push_back(std::exchange(line, {}));
        }
        ASSERT_EQ(got, splitLines(text)) << "round " << round;
    }
}

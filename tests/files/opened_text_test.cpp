#include "PaneText.h"
#include "RtfReader.h"

#include <gtest/gtest.h>

using namespace dlx;

namespace {
std::string utf8(std::u32string_view s) {
    std::string out;
    for (char32_t c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
} // namespace

TEST(OpenedText, EncodingIsChosenFromTheBytes) {
    struct Row {
        const char *name;
        std::string bytes;
        std::u32string text;
    };
    const Row rows[] = {
        {"ascii", "Hello\r\nworld", U"Hello\r\nworld"},
        {"windows-874", "\xA1\xD2\xC3\xE1\xBB\xC5 ok", U"การแปล ok"},
        {"utf-8", utf8(U"การแปล ok"), U"การแปล ok"},
        {"utf-8 with mark", "\xEF\xBB\xBF" + utf8(U"ภาษา"), U"ภาษา"},
        {"utf-8 mark only", "\xEF\xBB\xBF", U""},
        {"utf-16le",
         std::string("\xFF\xFE\x01\x0E"
                     "a\0",
                     6),
         U"กa"},
        {"utf-16be", std::string("\xFE\xFF\x0E\x01\0a", 6), U"กa"},
        {"utf-16 pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), U"\U0001F600"},
        {"utf-16 odd byte",
         std::string("\xFF\xFE"
                     "a\0b",
                     5),
         U"a\uFFFD"},
        {"empty", "", U""},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const OpenedText t = decodeOpenedFile(r.bytes);
        EXPECT_EQ(t.kind, OpenedKind::Plain);
        EXPECT_EQ(t.text, r.text);
    }
}

TEST(OpenedText, BinaryIsNotATextAndRtfIsRich) {
    EXPECT_EQ(decodeOpenedFile(std::string("GIF89a\0\0\x01", 9)).kind, OpenedKind::NotText);
    EXPECT_EQ(decodeOpenedFile(std::string("abc\0", 4)).kind, OpenedKind::NotText);
    const OpenedText rich = decodeOpenedFile("{\\rtf1\\ansi hello}");
    EXPECT_EQ(rich.kind, OpenedKind::Rich);
    EXPECT_EQ(runsText(rich.runs), U"hello");
    // Only the very start decides: a text that mentions RTF is plain.
    EXPECT_EQ(decodeOpenedFile(" {\\rtf1 x}").kind, OpenedKind::Plain);
}

TEST(RtfReader, ThaiBytesUnderTheThaiCodePageWithFontAndSize) {
    const auto runs =
        readRtf("{\\rtf1\\ansi\\ansicpg874\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset222 Tahoma;}"
                "{\\f1\\fnil\\fcharset0 Courier New;}}\n"
                "\\viewkind4\\uc1\\pard\\f0\\fs20 \\'a1\\'d2\\'c3\\'e1\\'bb\\'c5 \\f1\\fs32 code\\par\n}");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, U"การแปล ");
    EXPECT_EQ(runs[0].fontName, U"Tahoma");
    EXPECT_EQ(runs[0].pointSize, 10);
    EXPECT_EQ(runs[1].text, U"code");
    EXPECT_EQ(runs[1].fontName, U"Courier New");
    EXPECT_EQ(runs[1].pointSize, 16);
}

TEST(RtfReader, CharacterFormattingTogglesAndGroupsRestore) {
    const auto runs = readRtf("{\\rtf1\\ansi{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
                              "a{\\b b{\\i c}}\\ul d\\ulnone e\\cf1 f\\cf2 g\\cf0 h\\b\\i\\ul i\\plain j}");
    struct Want {
        std::u32string text;
        bool bold, italic, underline;
        std::optional<std::uint32_t> rgb;
    };
    const std::vector<Want> want = {
        {U"a", false, false, false, {}},       {U"b", true, false, false, {}},  {U"c", true, true, false, {}},
        {U"d", false, false, true, {}},        {U"e", false, false, false, {}}, {U"f", false, false, false, 0xFF0000},
        {U"g", false, false, false, 0x0080FF}, {U"h", false, false, false, {}}, {U"i", true, true, true, {}},
        {U"j", false, false, false, {}},
    };
    ASSERT_EQ(runs.size(), want.size());
    for (size_t k = 0; k < want.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(runs[k].text, want[k].text);
        EXPECT_EQ(runs[k].bold, want[k].bold);
        EXPECT_EQ(runs[k].italic, want[k].italic);
        EXPECT_EQ(runs[k].underline, want[k].underline);
        EXPECT_EQ(runs[k].rgb, want[k].rgb);
    }
}

TEST(RtfReader, TextDecodingRules) {
    struct Row {
        const char *name;
        std::string rtf;
        std::u32string text;
    };
    const Row rows[] = {
        {"paragraphs, last mark dropped", "{\\rtf1 one\\par two\\line three\\tab four\\par}", U"one\ntwo\nthree\tfour"},
        {"escaped braces", "{\\rtf1 a\\{b\\}c\\\\d}", U"a{b}c\\d"},
        {"western code page", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'93q\\'94}", U"café \u201Cq\u201D"},
        {"thai font in a western document",
         "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset222 Angsana New;}}\\f1 \\'a1 \\f0 \\'e9}",
         U"ก é"},
        {"unicode with fallback skipped", "{\\rtf1\\uc1 \\u3585?\\u3634\\'3f x}", U"กา x"},
        {"unicode without fallback", "{\\rtf1\\uc0 \\u3585 x}", U"กx"},
        {"negative unicode and pairs", "{\\rtf1\\uc1\\u-10179?\\u-8704?}", U"\U0001F600"},
        {"hidden groups skipped",
         "{\\rtf1{\\*\\generator Riched20 10.0;}{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}"
         "{\\pict\\pngblip 89504e47}{\\header h}x{\\*\\bkmkstart b}y}",
         U"xy"},
        {"binary data skipped", "{\\rtf1 a{\\*\\objdata \\bin4 }}}}}b}c}", U"ab"},
        {"field result kept", "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}", U"link"},
        {"nothing after the document", "{\\rtf1 a}b c", U"a"},
        {"unbalanced", "{\\rtf1 {\\b abc", U"abc"},
        {"bad hex escape", "{\\rtf1 a\\'zzb\\'}", U"azzb"},
        {"special characters", "{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\~}",
         U"\u2014\u2013\u2022\u2018\u2019\u201C\u201D\u00A0"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(runsText(readRtf(r.rtf)), r.text);
    }
}

TEST(RtfReader, HostileInputEndsQuietly) {
    EXPECT_EQ(runsText(readRtf(std::string(100000, '{') + "\\rtf1 x")), U"x");
    EXPECT_EQ(runsText(readRtf("{\\rtf1 \\bin999999999 abc}")), U"");
    EXPECT_EQ(runsText(readRtf("{\\rtf1 \\fs-99999999999999999999 \\cf99 \\f77 \\u99999999999 ?a}")), U"\uFFFDa");
    EXPECT_TRUE(readRtf("").empty());
    EXPECT_TRUE(readRtf("}}}}").empty());
    EXPECT_TRUE(readRtf("{\\").empty());
}

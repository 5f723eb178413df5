#include "PrintLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

using namespace dlx;

namespace {

// Every character is 100 twips wide and a line 300 twips high, so positions are easy to follow.
PrintMetrics metrics(double width, double height, double lineHeight = 300) {
    PrintMetrics m;
    m.width = width;
    m.height = height;
    m.lineHeight = lineHeight;
    m.textWidth = [](std::u32string_view s) { return 100.0 * static_cast<double>(s.size()); };
    return m;
}

std::vector<std::u32string> numberedLines(int count) {
    std::vector<std::u32string> lines;
    for (int i = 1; i <= count; ++i) {
        const std::string s = "line " + std::to_string(i);
        lines.emplace_back(s.begin(), s.end());
    }
    return lines;
}

const std::u32string kDate = U"03-07-2024";

} // namespace

TEST(PrintLayout, EmptyPanePrintsOnePageWithHeaderLabelAndOneEmptyBodyLine) {
    const auto pages = layoutPrint({}, Pane::Original, kDate, metrics(12000, 15000));
    ASSERT_EQ(pages.size(), 1u);
    const std::u32string header = U"โปรแกรม Dualexicon : ต้นฉบับ";
    const std::vector<PlacedText> expected = {
        {0, 0, kDate},
        {(12000 - 100.0 * header.size()) / 2, 0, header},
        {12000 - 100.0 * 7, 300, U"หน้า: 1"},
        {1000, 900, U""}, // after the label's row and one empty row
    };
    EXPECT_EQ(pages[0].texts, expected);
    EXPECT_EQ(pages[0].number, 1);
}

TEST(PrintLayout, HeaderNamesThePane) {
    EXPECT_EQ(printHeader(Pane::Original), U"โปรแกรม Dualexicon : ต้นฉบับ");
    EXPECT_EQ(printHeader(Pane::Translation), U"โปรแกรม Dualexicon : งานแปล");
    const auto pages = layoutPrint({U"x"}, Pane::Translation, kDate, metrics(12000, 15000));
    EXPECT_EQ(pages.at(0).texts.at(1).text, U"โปรแกรม Dualexicon : งานแปล");
}

// Page height 3000, line 300: the body starts at 900 and a line breaks the page when fewer than 900 twips are
// left above the bottom before it is printed, i.e. the sixth line (at 2400) ends a page, the fifth (at 2100,
// exactly 900 left) does not.
struct BreakCase {
    const char *name;
    int lines;
    std::vector<int> bodyLinesPerPage;
    std::vector<bool> footLabel;
};

void PrintTo(const BreakCase &c, std::ostream *os) {
    *os << c.name;
}

class PageBreaks : public testing::TestWithParam<BreakCase> {};

TEST_P(PageBreaks, LinesFillPagesAndBrokenPagesEndWithTheCentredLabel) {
    const BreakCase &c = GetParam();
    const auto lines = numberedLines(c.lines);
    const auto pages = layoutPrint(lines, Pane::Original, kDate, metrics(12000, 3000));
    ASSERT_EQ(pages.size(), c.bodyLinesPerPage.size());
    size_t next = 0;
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const auto &texts = pages[p].texts;
        const std::u32string label = pageLabel(static_cast<int>(p) + 1);
        ASSERT_GE(texts.size(), 4u);
        EXPECT_EQ(texts[0].text, kDate);
        EXPECT_EQ(texts[2].text, label);
        const size_t bodyCount = texts.size() - 3 - (c.footLabel[p] ? 1 : 0);
        EXPECT_EQ(bodyCount, static_cast<size_t>(c.bodyLinesPerPage[p]));
        for (size_t i = 0; i < bodyCount; ++i) {
            const PlacedText &t = texts[3 + i];
            EXPECT_EQ(t.text, lines[next++]);
            EXPECT_EQ(t.x, kBodyIndent);
            EXPECT_EQ(t.y, 900 + 300.0 * static_cast<double>(i));
        }
        if (c.footLabel[p]) {
            const PlacedText &foot = texts.back();
            EXPECT_EQ(foot.text, label);
            EXPECT_EQ(foot.x, (12000 - 100.0 * static_cast<double>(label.size())) / 2);
            EXPECT_EQ(foot.y, 900 + 300.0 * static_cast<double>(bodyCount));
        }
    }
    EXPECT_EQ(next, lines.size());
}

INSTANTIATE_TEST_SUITE_P(PrintLayout, PageBreaks,
                         testing::Values(BreakCase{"OnePageExactlyFullWithoutFoot", 5, {5}, {false}},
                                         BreakCase{"LastLineBreaksWithoutAnEmptyPage", 6, {6}, {true}},
                                         BreakCase{"OneLineOver", 7, {6, 1}, {true, false}},
                                         BreakCase{"ThreePagesFootOnTheFirstTwo", 13, {6, 6, 1}, {true, true, false}}),
                         [](const testing::TestParamInfo<BreakCase> &info) { return info.param.name; });

TEST(PrintLayout, PageTallerThanItsHeaderStillPrintsOneLinePerPageAndEnds) {
    const auto pages = layoutPrint(numberedLines(3), Pane::Original, kDate, metrics(12000, 500));
    ASSERT_EQ(pages.size(), 3u);
    for (const auto &page : pages)
        EXPECT_EQ(page.texts.size(), 5u); // date, header, label, one line, foot label
}

// The header is 2800 twips wide and the date 1000, followed by a space of 100: centring keeps the header clear
// of the date on pages 5000 wide or more, the date's row holds both down to 3900, narrower pages give the header
// a row of its own and move the label and the body down one row.
struct HeaderCase {
    const char *name;
    double pageWidth;
    double headerX, headerY;
};

void PrintTo(const HeaderCase &c, std::ostream *os) {
    *os << c.name;
}

class HeaderPlacement : public testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderPlacement, HeaderIsCentredWhereItLeavesTheDateClearAndNeverCoversIt) {
    const HeaderCase &c = GetParam();
    const auto pages = layoutPrint({U"x"}, Pane::Original, kDate, metrics(c.pageWidth, 15000));
    const auto &texts = pages.at(0).texts;
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], (PlacedText{0, 0, kDate}));
    EXPECT_EQ(texts[1].x, c.headerX);
    EXPECT_EQ(texts[1].y, c.headerY);
    if (texts[1].y == 0)
        EXPECT_GE(texts[1].x, 1100);
    EXPECT_EQ(texts[2], (PlacedText{std::max(c.pageWidth - 700, 0.0), c.headerY + 300, U"หน้า: 1"}));
    EXPECT_EQ(texts[3].y, c.headerY + 900);
    for (const PlacedText &t : texts)
        EXPECT_GE(t.x, 0) << "texts wider than the page start at its left edge";
}

INSTANTIATE_TEST_SUITE_P(PrintLayout, HeaderPlacement,
                         testing::Values(HeaderCase{"CentredWithRoom", 12000, 4600, 0},
                                         HeaderCase{"CentredJustClearOfTheDate", 5000, 1100, 0},
                                         HeaderCase{"AfterTheDateWhereCentringWouldCoverIt", 4800, 1100, 0},
                                         HeaderCase{"AfterTheDateFillingTheRow", 3900, 1100, 0},
                                         HeaderCase{"OwnRowCentred", 3800, 500, 300},
                                         HeaderCase{"OwnRowFromTheLeftEdge", 1500, 0, 300},
                                         HeaderCase{"OwnRowPageNarrowerThanTheLabel", 600, 0, 300}),
                         [](const testing::TestParamInfo<HeaderCase> &info) { return info.param.name; });

TEST(PrintLayout, DateIsMonthDayYearWithLeadingZeros) {
    EXPECT_EQ(printDate(2024, 3, 7), U"03-07-2024");
    EXPECT_EQ(printDate(1999, 12, 31), U"12-31-1999");
    EXPECT_EQ(printDate(987, 1, 1), U"01-01-0987");
    EXPECT_EQ(pageLabel(12), U"หน้า: 12");
}

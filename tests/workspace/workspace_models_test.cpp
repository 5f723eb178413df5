// The Qt-free rules of the workspace: layout in twips, title scroll, progress, tips, toolbar hover, user name.
#include "Tips.h"
#include "TitleScroll.h"
#include "ToolbarModel.h"
#include "TranslationProgress.h"
#include "UserName.h"
#include "Utf8.h"
#include "WorkspaceLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace dlx {
namespace {

// ---- layout

TEST(WorkspaceLayout, freshWindowIsStackedAndFollowsTheRightEdge) {
    WorkspaceGeometry g;
    ASSERT_EQ(arrangementInForce(g, 6800), Arrangement::Stacked);
    ASSERT_TRUE(applyResizeLayout(g, 7800, 6800));
    EXPECT_DOUBLE_EQ(g.Text1.height, 2530);
    EXPECT_DOUBLE_EQ(g.Text2.height, 2530);
    EXPECT_DOUBLE_EQ(g.Text1.width, 7550);
    EXPECT_DOUBLE_EQ(g.Text2.width, 7550);
    EXPECT_DOUBLE_EQ(g.Text2.top, 3430);
    EXPECT_DOUBLE_EQ(g.Label2.top, 3200);
    EXPECT_DOUBLE_EQ(g.Text2.left, 60);
    EXPECT_DOUBLE_EQ(g.Label2.left, 120);
    EXPECT_DOUBLE_EQ(g.ImgSkin.height, 6200);
    EXPECT_DOUBLE_EQ(g.ImgSkin.width, 7800);
    EXPECT_DOUBLE_EQ(g.PicBar.left, 6050);
    EXPECT_DOUBLE_EQ(g.Label3.left, 6350);
    EXPECT_DOUBLE_EQ(g.Command1.left, 4950);
    // Never moved by the rules.
    EXPECT_DOUBLE_EQ(g.Text1.left, 60);
    EXPECT_DOUBLE_EQ(g.Text1.top, 660);
    EXPECT_DOUBLE_EQ(g.Label1.top, 420);
}

TEST(WorkspaceLayout, sideBySidePanesTouchAndOnlyTheLabelIsSetOff) {
    WorkspaceGeometry g;
    ASSERT_TRUE(applyArrangement(g, Arrangement::SideBySide, 8000, 6000));
    EXPECT_DOUBLE_EQ(g.Text1.height, 4500);
    EXPECT_DOUBLE_EQ(g.Text2.height, 4500);
    EXPECT_DOUBLE_EQ(g.Text1.width, 3880);
    EXPECT_DOUBLE_EQ(g.Text2.top, 660);
    EXPECT_DOUBLE_EQ(g.Label2.top, 420);
    EXPECT_DOUBLE_EQ(g.Text2.left, 3940);
    EXPECT_DOUBLE_EQ(g.Label2.left, 3990);
    // The arrangement commands leave the right-edge controls alone.
    EXPECT_DOUBLE_EQ(g.PicBar.left, 6060);
    EXPECT_DOUBLE_EQ(g.ImgSkin.width, 420);
}

TEST(WorkspaceLayout, sideBySideSurvivesAResizeWhileHalfTheHeightPlus450StaysAtOrBelowThePane) {
    struct Row {
        double newHeight;
        Arrangement expected;
    };
    // Side by side at H = 6000 leaves Text1 4500 high: kept up to H' = 2 * 6000 - 3900 = 8100.
    for (const Row row : {Row{5000, Arrangement::SideBySide}, Row{8100, Arrangement::SideBySide},
                          Row{8101, Arrangement::Stacked}, Row{12000, Arrangement::Stacked}}) {
        WorkspaceGeometry g;
        ASSERT_TRUE(applyArrangement(g, Arrangement::SideBySide, 8000, 6000));
        ASSERT_TRUE(applyResizeLayout(g, 8000, row.newHeight));
        EXPECT_EQ(arrangementInForce(g, row.newHeight), row.expected) << row.newHeight;
        if (row.expected == Arrangement::SideBySide)
            EXPECT_DOUBLE_EQ(g.Text2.top, g.Text1.top) << row.newHeight;
        else
            EXPECT_DOUBLE_EQ(g.Text2.top, g.Text1.height + 900) << row.newHeight;
    }
}

TEST(WorkspaceLayout, aNegativeSizeStopsTheRulesWhereItOccurs) {
    WorkspaceGeometry g;
    ASSERT_TRUE(applyResizeLayout(g, 7800, 6800));
    const WorkspaceGeometry before = g;
    // Too low for any pane height: nothing changes.
    EXPECT_FALSE(applyResizeLayout(g, 7800, 1000));
    EXPECT_DOUBLE_EQ(g.Text1.height, before.Text1.height);
    EXPECT_DOUBLE_EQ(g.ImgSkin.height, before.ImgSkin.height);
    // Too narrow: the heights are set, the widths and everything after them are not.
    EXPECT_FALSE(applyResizeLayout(g, 200, 6000));
    EXPECT_DOUBLE_EQ(g.Text1.height, 2130);
    EXPECT_DOUBLE_EQ(g.Text1.width, before.Text1.width);
    EXPECT_DOUBLE_EQ(g.PicBar.left, before.PicBar.left);
}

TEST(WorkspaceLayout, stripFitsTheWindowAndKeepsOffThePanes) {
    // Sizes as this desktop's Thai fonts give them (Loma at 96 dpi).
    StripSizes sizes;
    sizes.option1Width = 1275;
    sizes.option2Width = 990;
    sizes.optionHeight = 360;
    sizes.label1Width = sizes.label2Width = 645;
    sizes.labelHeight = 315;
    enum Options { BesideButton, LabelRow, OwnRow };
    struct Row {
        double width;
        Arrangement arrangement;
        bool buttonBelowToolbar;
        Options options;
    };
    for (const Row r :
         {Row{16000, Arrangement::Stacked, false, BesideButton},
          Row{16000, Arrangement::SideBySide, false, BesideButton}, Row{7695, Arrangement::Stacked, false, LabelRow},
          Row{7695, Arrangement::SideBySide, false, LabelRow}, Row{5400, Arrangement::Stacked, true, BesideButton},
          Row{4000, Arrangement::SideBySide, true, OwnRow}}) {
        WorkspaceGeometry g;
        ASSERT_TRUE(applyResizeLayout(g, r.width, 6800));
        ASSERT_TRUE(applyArrangement(g, r.arrangement, r.width, 6800));
        const PlacedControls p = placeControls(g, sizes);
        const std::string row =
            std::to_string(int(r.width)) + (r.arrangement == Arrangement::Stacked ? " stacked" : " side");
        auto overlap = [](const TwipRect &a, const TwipRect &b) {
            return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
                   b.top < a.top + a.height;
        };
        const TwipRect toolbar{60, 0, 4650, 360};
        const TwipRect strip[] = {p.Option1, p.Option2, p.Command1, p.PicBar};
        for (const TwipRect &item : strip) {
            EXPECT_GE(item.left, 0) << row;
            for (const TwipRect &other : {p.Text1, p.Text2, toolbar, p.Label1})
                EXPECT_FALSE(overlap(item, other)) << row;
        }
        EXPECT_FALSE(overlap(p.Option2, p.Command1)) << row;
        EXPECT_EQ(p.Command1.top >= 360, r.buttonBelowToolbar) << row;
        const double middle = p.Command1.top + p.Command1.height / 2;
        const bool besideButton = p.Option2.left + p.Option2.width <= p.Command1.left &&
                                  std::abs(p.Option2.top + p.Option2.height / 2 - middle) < 1;
        const bool labelRow = p.Option1.top < p.Label1.top + p.Label1.height &&
                              p.Label1.top < p.Option1.top + p.Option1.height && p.Option1.left > p.Label1.left;
        EXPECT_EQ(r.options == BesideButton, besideButton) << row;
        EXPECT_EQ(r.options == LabelRow, labelRow && !besideButton) << row;
        // Labels right above their panes; the panes only lose the height the strip takes, at the top.
        EXPECT_DOUBLE_EQ(p.Label1.top + p.Label1.height, p.Text1.top) << row;
        EXPECT_DOUBLE_EQ(p.Text1.top, g.Text1.top + p.paneShift) << row;
        EXPECT_DOUBLE_EQ(p.Text2.top + p.Text2.height, g.Text2.top + g.Text2.height) << row;
    }
}

TEST(WorkspaceLayout, tooSmallBelow4000TwipsEitherWay) {
    struct Row {
        double w, h;
        bool small;
    };
    for (const Row r : {Row{3999, 8000, true}, Row{8000, 3999, true}, Row{4000, 4000, false}, Row{3000, 3000, true},
                        Row{7695, 6105, false}})
        EXPECT_EQ(tooSmall(r.w, r.h), r.small) << r.w << " x " << r.h;
}

TEST(WorkspaceLayout, twipsAndPixels) {
    struct Row {
        double twips, dpi;
        int pixels;
    };
    for (const Row r : {Row{1440, 96, 96}, Row{15, 96, 1}, Row{360, 96, 24}, Row{7695, 96, 513}, Row{7695, 120, 641},
                        Row{7, 96, 0}, Row{8, 96, 1}})
        EXPECT_EQ(twipsToPixels(r.twips, r.dpi), r.pixels) << r.twips << " @ " << r.dpi;
    EXPECT_DOUBLE_EQ(pixelsToTwips(24, 96), 360);
    EXPECT_DOUBLE_EQ(pixelsToTwips(10, 144), 100);
}

TEST(WorkspaceLayout, coloursAreWrittenBlueGreenRed) {
    EXPECT_EQ(fromBgr(0xFFFF00), (Rgb{0x00, 0xFF, 0xFF})); // cyan
    EXPECT_EQ(fromBgr(0xFFC0C0), (Rgb{0xC0, 0xC0, 0xFF}));
    EXPECT_EQ(fromBgr(0xD0F5FB), (Rgb{0xFB, 0xF5, 0xD0}));
}

// ---- title scroll

TEST(TitleScroll, rotatesLeftByOneCharacterAndComesBackAfterAFullTurn) {
    TitleScroll scroll(U"ab");
    const std::u32string start = U"ab" + std::u32string(20, U' ');
    EXPECT_EQ(scroll.text(), start);
    EXPECT_EQ(scroll.tick(), U"b" + std::u32string(20, U' ') + U"a");
    EXPECT_EQ(scroll.tick(), std::u32string(20, U' ') + U"ab");
    for (std::size_t i = 2; i < start.size(); ++i)
        scroll.tick();
    EXPECT_EQ(scroll.text(), start);
}

TEST(TitleScroll, thaiCaptionKeepsEveryCharacter) {
    const std::u32string caption = fromUtf8("Dualexicon (ดูอะเล็กซิคอน) 1.5");
    TitleScroll scroll(caption);
    std::multiset<char32_t> expected(scroll.text().begin(), scroll.text().end());
    for (int i = 0; i < 7; ++i)
        scroll.tick();
    EXPECT_EQ(scroll.text().substr(0, 5), caption.substr(7, 5));
    EXPECT_EQ(std::multiset<char32_t>(scroll.text().begin(), scroll.text().end()), expected);
}

// ---- progress

TEST(TranslationProgress, percentRoundsHalvesToEven) {
    struct Row {
        long long done, total;
        int percent;
    };
    for (const Row r : {Row{1, 8, 12}, Row{3, 8, 38}, Row{5, 8, 62}, Row{7, 8, 88}, Row{1, 3, 33}, Row{2, 3, 67},
                        Row{0, 5, 0}, Row{5, 5, 100}, Row{1, 200, 0}, Row{3, 200, 2}, Row{1, 1, 100}, Row{1, 0, 0},
                        Row{32767, 32767, 100}, Row{16384, 32767, 50}})
        EXPECT_EQ(progressPercent(r.done, r.total), r.percent) << r.done << "/" << r.total;
}

TEST(TranslationProgress, captionAndFill) {
    EXPECT_EQ(progressCaption(42), "42 % completed");
    EXPECT_EQ(progressCaption(0), "0 % completed");
    EXPECT_DOUBLE_EQ(progressFill(50, 105), 52.5);
    EXPECT_DOUBLE_EQ(progressFill(100, 105), 105);
}

TEST(YieldThrottle, firstCallIsDueThenOncePerInterval) {
    std::int64_t now = 1000;
    YieldThrottle throttle([&] { return now; }, 20);
    std::vector<bool> seen;
    for (std::int64_t t : {1000, 1005, 1019, 1020, 1021, 1039, 1040, 1100}) {
        now = t;
        seen.push_back(throttle.due());
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false, false, true, false, false, true, true}));
}

TEST(YieldThrottle, zeroIntervalYieldsEveryTime) {
    YieldThrottle throttle([] { return std::int64_t{5}; }, 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(throttle.due());
}

// ---- tips

TEST(Tips, fifteenTipsWithTheMakersAddresses) {
    ASSERT_EQ(tips().size(), 15u);
    EXPECT_EQ(tips()[0], "สามารถลากแถบจาก ต้นฉบับ และแปลความหมายเฉพาะที่ลากแถบนั้นได้");
    EXPECT_NE(tips()[11].find("50 %  ซึ่ง"), std::string::npos);
    EXPECT_EQ(tips()[13], std::string("หากคุณมีคำแนะนำ หรือ ต้องการให้โปรแกรมมีคุณสมบัติใดเพิ่ม "
                                      "คุณสามารถส่งอีเมล์ไปที่ ") +
                              kMakerEmail);
    EXPECT_EQ(tips()[14], std::string("สามารถติดตามโปรแกรมใหม่ๆ ได้ ที่ ") + kMakerWeb);
    EXPECT_EQ(std::set<std::string>(tips().begin(), tips().end()).size(), 15u);
}

TEST(Tips, firstTipFromTheRandomNumber) {
    struct Row {
        double r;
        int tip;
    };
    for (const Row row :
         {Row{0.0, 1}, Row{0.0666, 1}, Row{0.0667, 2}, Row{0.5, 8}, Row{0.9999, 15}, Row{1.0, 15}, Row{-0.5, 1}})
        EXPECT_EQ(TipRotation(row.r).current(), row.tip) << row.r;
}

TEST(Tips, fifteenNextsShowEveryTipOnceAndReturn) {
    for (int start = 0; start < 15; ++start) {
        TipRotation rotation((start + 0.5) / 15.0);
        const int first = rotation.current();
        std::set<int> seen;
        for (int i = 0; i < 15; ++i) {
            rotation.next();
            seen.insert(rotation.current());
            if (i < 14)
                EXPECT_NE(rotation.current(), first);
        }
        EXPECT_EQ(seen.size(), 15u);
        EXPECT_EQ(rotation.current(), first);
    }
    TipRotation last(0.99);
    last.next();
    EXPECT_EQ(last.current(), 1);
}

TEST(Tips, storedSwitch) {
    struct Row {
        const char *stored;
        bool wanted;
    };
    for (const Row r : {Row{"1", true}, Row{"0", false}, Row{" 1 ", true}, Row{"01", true}, Row{"2", false},
                        Row{"-1", false}, Row{"+1", true}, Row{"99999999999999999999999", false}, Row{"", true},
                        Row{"yes", true}, Row{"1.0", true}, Row{"1x", true}, Row{"-", true}, Row{"\t0", true}})
        EXPECT_EQ(tipWanted(r.stored), r.wanted) << '"' << r.stored << '"';
}

// ---- toolbar

TEST(Toolbar, twelveButtonsLeftToRightWithTheirTooltips) {
    std::vector<int> order;
    int previousLeft = 0;
    for (const ToolButtonPlace &b : toolButtons()) {
        order.push_back(b.index);
        EXPECT_EQ(b.left, previousLeft == 0 ? 60 : previousLeft + 390) << b.index;
        previousLeft = b.left;
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 6}));
    EXPECT_STREQ(toolButton(1)->tooltip, "เริ่มใหม่");
    EXPECT_STREQ(toolButton(6)->tooltip, "รูปแบบแนวตั้ง");
    EXPECT_STREQ(toolButton(12)->tooltip, "รูปแบบแนวนอน");
    EXPECT_STREQ(toolButton(11)->tooltip, "ตัวอักขระ");
    EXPECT_FALSE(toolButton(0));
    EXPECT_FALSE(toolButton(13));
}

constexpr std::uint32_t kFace = 0xC8D0D4;

TEST(ToolbarHover, hoverRaisesOneButtonAndErasesTheOthers) {
    ToolbarHover hover(kFace);
    hover.pointerMoved(3);
    EXPECT_EQ(hover.hotButton(), 3);
    EXPECT_TRUE(hover.raised(3));
    for (int i = 1; i <= 12; ++i)
        if (i != 3)
            EXPECT_EQ(hover.frame(i), (HoverFrame{kFace, kFace})) << i;
    hover.pointerMoved(8);
    EXPECT_TRUE(hover.raised(8));
    EXPECT_FALSE(hover.raised(3));
}

TEST(ToolbarHover, holdingAButtonFreezesTheHoverUntilRelease) {
    ToolbarHover hover(kFace);
    hover.pointerMoved(4);
    hover.leftDown(4);
    EXPECT_FALSE(hover.toolIdle());
    EXPECT_TRUE(hover.pressed(4));
    hover.pointerMoved(9);
    EXPECT_EQ(hover.hotButton(), 4);
    hover.leftUp(4);
    EXPECT_TRUE(hover.toolIdle());
    EXPECT_FALSE(hover.pressed(4));
    EXPECT_TRUE(hover.raised(4));
    hover.pointerMoved(9);
    EXPECT_EQ(hover.hotButton(), 9);
}

TEST(ToolbarHover, eraseBeforeAnyHoverUsesButtonOne) {
    ToolbarHover hover(kFace);
    hover.eraseHoverFrame();
    EXPECT_EQ(hover.hotButton(), 1);
    EXPECT_EQ(hover.frame(1), (HoverFrame{kFace, kFace}));
    EXPECT_FALSE(hover.frame(2));
    hover.pointerMoved(5);
    hover.eraseHoverFrame();
    EXPECT_EQ(hover.hotButton(), 5);
    EXPECT_FALSE(hover.raised(5));
}

TEST(ToolbarHover, drawRectOnANonButtonIsIgnored) {
    ToolbarHover hover(kFace);
    for (int index : {0, -1, 13, 100})
        hover.DrawRect(index, kFrameLight, kFrameDark);
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(hover.frame(i));
    EXPECT_FALSE(hover.frame(0));
}

// ---- user name

TEST(UserName, trimTxtCutsAtTheFirstNul) {
    struct Row {
        std::u32string in, out;
    };
    const std::u32string nul(1, U'\0');
    const std::u32string longName(60, U'k');
    for (const Row &r : {Row{U"ann" + nul + nul, U"ann"}, Row{U"", U""}, Row{U"bob", U"bob"}, Row{nul + U"x", U""},
                         Row{longName, longName}, Row{U"a b" + nul + U"c", U"a b"}})
        EXPECT_EQ(TrimTxt(r.in), r.out);
}

} // namespace
} // namespace dlx

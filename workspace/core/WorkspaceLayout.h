#pragma once
// The main window's geometry in twips (1/1440 inch): the design positions of its controls, the two pane
// arrangements and the resize rules. The window maps these to pixels; everything here is plain arithmetic.
#include <cstdint>

namespace dlx {

struct TwipRect {
    double left = 0, top = 0, width = 0, height = 0;
};

/// The controls whose place the resize rules read or write, at their design positions.
struct WorkspaceGeometry {
    TwipRect Text1{60, 660, 7545, 2445};
    TwipRect Text2{60, 3330, 7545, 2445};
    TwipRect Label1{120, 420, 660, 240};
    TwipRect Label2{90, 3090, 660, 240};
    TwipRect Label3{6360, 0, 990, 195};
    TwipRect PicBar{6060, 210, 1575, 315};
    TwipRect Command1{5070, 210, 885, 315};
    TwipRect ImgSkin{0, 0, 420, 450};
};

/// Design client area of the window.
inline constexpr double kClientWidthTwips = 7695;
inline constexpr double kClientHeightTwips = 6105;
/// Below this outer width or height the window complains (and still lays itself out).
inline constexpr double kSmallestComfortableTwips = 4000;

enum class Arrangement { Stacked, SideBySide };

/// The arrangement in force is remembered through Text1's height: stacked when H / 2 + 450 exceeds it.
/// A freshly loaded window (Text1 2445 high) in a 6800-twip window: 3850 > 2445 => Stacked.
Arrangement arrangementInForce(const WorkspaceGeometry &g, double windowHeight);

/// True when a normal or maximised window of this outer size should show the "too small" message.
bool tooSmall(double windowWidth, double windowHeight);

/// Applies one arrangement for the outer window size W x H. A width or height that would come out negative
/// stops the rules there (the controls keep what was already set) and gives false.
bool applyArrangement(WorkspaceGeometry &g, Arrangement a, double windowWidth, double windowHeight);

/// The resize rules after the caption step: the arrangement in force, then the skin picture, the progress bar,
/// its label and the translate button follow the right edge. False when stopped by a negative size.
bool applyResizeLayout(WorkspaceGeometry &g, double windowWidth, double windowHeight);

/// What the controls of the strip above the panes need in this desktop's fonts, in twips: Thai captions can be
/// wider and taller than the design allowed.
struct StripSizes {
    double option1Width = 1245, option2Width = 855, optionHeight = 225; ///< Option1, Option2
    double label1Width = 660, label2Width = 660, labelHeight = 240;     ///< Label1, Label2
    double label3Width = 990, label3Height = 195;                       ///< Label3 over the progress bar
};

/// Where the controls are shown: the rules' places, with the strip between the toolbar and the panes fitted to
/// the window. The translate button, its progress bar and caption keep their places right of the toolbar while
/// there is room and otherwise move as one below it; the option buttons go beside the translate button, else
/// into the labels' row after Label1, else into a row of their own; the panes and their labels move down as far
/// as the strip needs (stacked panes share the loss of height). Nothing of the strip ever lies over a pane or
/// the toolbar.
struct PlacedControls {
    TwipRect Text1, Text2, Label1, Label2, Label3, PicBar, Command1, Option1, Option2;
    double paneShift = 0; ///< how far the original pane's top moved down from the rules' place
};
PlacedControls placeControls(const WorkspaceGeometry &g, const StripSizes &sizes);

/// Twips <-> pixels at a logical resolution in dots per inch (96 dpi: 15 twips a pixel).
int twipsToPixels(double twips, double dpi);
double pixelsToTwips(int pixels, double dpi);

/// A colour in the 0x00BBGGRR form the program's colours are written in.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb &) const = default;
};
constexpr Rgb fromBgr(std::uint32_t bgr) {
    return {static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
            static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
}

} // namespace dlx

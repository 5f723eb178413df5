#include "WorkspaceLayout.h"

#include "ToolbarModel.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace dlx {
namespace {

// A size property refuses a negative value; the rules stop at the first one.
bool setSize(double &field, double value) {
    if (value < 0)
        return false;
    field = value;
    return true;
}

} // namespace

Arrangement arrangementInForce(const WorkspaceGeometry &g, double windowHeight) {
    return windowHeight / 2 + 450 > g.Text1.height ? Arrangement::Stacked : Arrangement::SideBySide;
}

bool tooSmall(double windowWidth, double windowHeight) {
    return windowHeight < kSmallestComfortableTwips || windowWidth < kSmallestComfortableTwips;
}

bool applyArrangement(WorkspaceGeometry &g, Arrangement a, double W, double H) {
    if (a == Arrangement::Stacked) {
        if (!setSize(g.Text1.height, H / 2 - 870) || !setSize(g.Text2.height, g.Text1.height))
            return false;
        if (!setSize(g.Text1.width, W - 250) || !setSize(g.Text2.width, g.Text1.width))
            return false;
        g.Text2.top = g.Text1.height + 900;
        g.Label2.top = g.Text2.top - 230;
        g.Text2.left = g.Text1.left;
        g.Label2.left = g.Label1.left;
        return true;
    }
    if (!setSize(g.Text1.height, H - 1500) || !setSize(g.Text2.height, g.Text1.height))
        return false;
    if (!setSize(g.Text1.width, W / 2 - 120) || !setSize(g.Text2.width, g.Text1.width))
        return false;
    g.Text2.top = g.Text1.top;
    g.Label2.top = g.Label1.top;
    g.Label2.left = g.Text1.left + g.Text1.width + 50;
    // The panes touch; only the label is set off.
    g.Text2.left = g.Text1.left + g.Text1.width;
    return true;
}

bool applyResizeLayout(WorkspaceGeometry &g, double W, double H) {
    if (!applyArrangement(g, arrangementInForce(g, H), W, H))
        return false;
    if (!setSize(g.ImgSkin.height, H - 600) || !setSize(g.ImgSkin.width, W))
        return false;
    g.PicBar.left = W - 1750;
    g.Label3.left = W - 1450;
    g.Command1.left = W - 2850;
    return true;
}

namespace {

constexpr double kGap = 60;    // between controls side by side
constexpr double kRowGap = 30; // between rows of the strip

double right(const TwipRect &r) {
    return r.left + r.width;
}
double bottom(const TwipRect &r) {
    return r.top + r.height;
}
bool overlap(const TwipRect &a, const TwipRect &b) {
    return a.left < right(b) && b.left < right(a) && a.top < bottom(b) && b.top < bottom(a);
}
TwipRect moved(TwipRect r, double dx, double dy) {
    r.left += dx;
    r.top += dy;
    return r;
}

TwipRect toolbarRect() {
    double end = 0;
    for (const ToolButtonPlace &b : toolButtons())
        end = std::max(end, double(b.left + kToolButtonTwips));
    return {0, 0, end, double(kToolButtonTwips)};
}

} // namespace

PlacedControls placeControls(const WorkspaceGeometry &g, const StripSizes &s) {
    PlacedControls p;
    p.Text1 = g.Text1;
    p.Text2 = g.Text2;
    p.Label1 = {g.Label1.left, g.Label1.top, std::max(g.Label1.width, s.label1Width),
                std::max(g.Label1.height, s.labelHeight)};
    p.Label2 = {g.Label2.left, g.Label2.top, std::max(g.Label2.width, s.label2Width),
                std::max(g.Label2.height, s.labelHeight)};
    p.Label3 = {g.Label3.left, g.Label3.top, std::max(g.Label3.width, s.label3Width),
                std::max(g.Label3.height, s.label3Height)};
    p.PicBar = g.PicBar;
    p.Command1 = g.Command1;
    const bool sideBySide = g.Text2.top == g.Text1.top;
    const TwipRect toolbar = toolbarRect();

    // The translate button with its bar and caption: beside the toolbar, or as one below it.
    const bool clusterBelow = g.Command1.left < right(toolbar) + kGap;
    if (clusterBelow) {
        const double dx = std::max(0.0, g.Text1.left - g.Command1.left);
        const double dy = bottom(toolbar) + kRowGap - std::min(p.Label3.top, p.PicBar.top);
        p.Label3 = moved(p.Label3, dx, dy);
        p.PicBar = moved(p.PicBar, dx, dy);
        p.Command1 = moved(p.Command1, dx, dy);
    }
    const double clusterBottom = std::max({bottom(p.Label3), bottom(p.PicBar), bottom(p.Command1)});
    auto clearOfCluster = [&](const TwipRect &r) {
        return !overlap(r, p.Label3) && !overlap(r, p.PicBar) && !overlap(r, p.Command1);
    };

    // The option buttons, side by side.
    const double optionsWidth = s.option1Width + kGap + s.option2Width;
    auto optionsAt = [&](double x, double y) { return TwipRect{x, y, optionsWidth, s.optionHeight}; };
    TwipRect options =
        optionsAt(p.Command1.left - kGap - optionsWidth, p.Command1.top + (p.Command1.height - s.optionHeight) / 2);
    const double leftLimit = clusterBelow ? g.Text1.left : right(toolbar) + kGap;
    if (options.left < leftLimit || options.top < 0) {
        options = optionsAt(right(p.Label1) + kGap, bottom(toolbar) + kRowGap);
        const double rightLimit = sideBySide ? p.Label2.left - kGap : right(g.Text1);
        if (right(options) > rightLimit || !clearOfCluster(options))
            options = optionsAt(std::max(g.Text1.left, right(p.PicBar) - optionsWidth),
                                std::max(bottom(toolbar), clusterBottom) + kRowGap);
    }
    p.Option1 = {options.left, options.top, s.option1Width, s.optionHeight};
    p.Option2 = {options.left + s.option1Width + kGap, options.top, s.option2Width, s.optionHeight};

    // The panes start below the strip, with room for their labels right above them.
    double paneTop = std::max({g.Text1.top, clusterBottom + kRowGap, bottom(options) + kRowGap});
    std::vector<TwipRect> rowLabels{p.Label1};
    if (sideBySide)
        rowLabels.push_back(p.Label2);
    for (bool clear = false; !clear;) {
        clear = true;
        for (const TwipRect &label : rowLabels)
            for (const TwipRect &item : {toolbar, p.Label3, p.PicBar, p.Command1, options})
                if (overlap({label.left, paneTop - label.height, label.width, label.height}, item)) {
                    paneTop = bottom(item) + kRowGap + label.height;
                    clear = false;
                }
    }
    const double shift = paneTop - g.Text1.top;
    p.paneShift = shift;
    const double secondShift = sideBySide ? shift : shift / 2;
    p.Text1.top += shift;
    p.Text1.height = std::max(0.0, p.Text1.height - (sideBySide ? shift : shift / 2));
    p.Text2.top += secondShift;
    p.Text2.height = std::max(0.0, p.Text2.height - (sideBySide ? shift : shift / 2));
    p.Label1.top = p.Text1.top - p.Label1.height;
    if (sideBySide)
        p.Label2.top = p.Text2.top - p.Label2.height;
    else
        p.Label2.top += secondShift;
    return p;
}

int twipsToPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

double pixelsToTwips(int pixels, double dpi) {
    return dpi > 0 ? pixels * 1440.0 / dpi : 0;
}

} // namespace dlx

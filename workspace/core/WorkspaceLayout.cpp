#include "WorkspaceLayout.h"

#include <cmath>

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

int twipsToPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

double pixelsToTwips(int pixels, double dpi) {
    return dpi > 0 ? pixels * 1440.0 / dpi : 0;
}

} // namespace dlx

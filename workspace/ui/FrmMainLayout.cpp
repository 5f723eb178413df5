// FrmMain's layout: the resize rules, the two pane arrangements and the too-small message.
#include "FrmMain.h"

#include "Dialogs.h"
#include "PicBar.h"
#include "Toolbar.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QWindowStateChangeEvent>

namespace dlx {

QSizeF FrmMain::outerSizeTwips() const {
    QSize outer = frameGeometry().size();
    if (wordPanelDocked()) // the controls keep to the room beside the panel
        outer.rwidth() -= width() - surface_->width();
    return {pixelsToTwips(outer.width(), logicalDpiX()), pixelsToTwips(outer.height(), logicalDpiY())};
}

void FrmMain::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void FrmMain::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // Maximising or restoring a maximised window brings a new size with the resize that follows; judging the
    // old size now would complain about a window that is about to fill the screen, or complain twice. Minimising
    // and restoring keep the size and bring no resize, so they run the resize steps here.
    const Qt::WindowStates now = windowState();
    const Qt::WindowStates before = static_cast<QWindowStateChangeEvent *>(event)->oldState();
    const bool sizeFollows =
        !(now & Qt::WindowMinimized) && (now & Qt::WindowMaximized) != (before & Qt::WindowMaximized);
    if (sizeFollows) {
        setWindowTitle(plainTitle());
        timer1_.stop();
        return;
    }
    Form_Resize();
}

void FrmMain::Form_Resize() {
    if (isMinimized()) {
        timer1_.start();
    } else {
        setWindowTitle(plainTitle());
        timer1_.stop();
    }
    layOut();
    const QSizeF outer = outerSizeTwips();
    // One message at a time: a drag that goes on while it is open does not stack more of them.
    if (isMinimized() || !tooSmall(outer.width(), outer.height()) || tooSmallShowing_)
        return;
    tooSmallShowing_ = true;
    context_.dialogs.message(messageParent_, QString::fromUtf8("รู้สึกจะย่อเล็กเกินไปนะ!"), QStringLiteral("Dualexicon"),
                             MsgIcon::None, MsgButtons::Ok);
    tooSmallShowing_ = false;
    // The window may have been enlarged, maximised or restored while the message was open.
    layOut();
}

void FrmMain::layOut() {
    const QSizeF outer = outerSizeTwips();
    applyResizeLayout(geometry_, outer.width(), outer.height());
    applyGeometry();
}

void FrmMain::applyGeometry() {
    const double dx = logicalDpiX(), dy = logicalDpiY();
    auto twipsX = [&](int pixels) { return pixelsToTwips(pixels, dx); };
    auto twipsY = [&](int pixels) { return pixelsToTwips(pixels, dy); };
    // Thai captions in the fonts of this desktop can be wider and taller than the design allowed.
    StripSizes sizes;
    sizes.option1Width = twipsX(option1_->sizeHint().width());
    sizes.option2Width = twipsX(option2_->sizeHint().width());
    sizes.optionHeight = twipsY(std::max(option1_->sizeHint().height(), option2_->sizeHint().height()));
    sizes.label1Width = twipsX(label1_->sizeHint().width());
    sizes.label2Width = twipsX(label2_->sizeHint().width());
    sizes.labelHeight = twipsY(std::max(label1_->sizeHint().height(), label2_->sizeHint().height()));
    sizes.label3Width = twipsX(label3_->sizeHint().width());
    sizes.label3Height = twipsY(label3_->sizeHint().height());
    const PlacedControls placed = placeControls(geometry_, sizes);

    auto place = [&](QWidget *w, const TwipRect &r) {
        w->setGeometry(twipsToPixels(r.left, dx), twipsToPixels(r.top, dy), twipsToPixels(r.width, dx),
                       twipsToPixels(r.height, dy));
    };
    place(text1_, placed.Text1);
    place(text2_, placed.Text2);
    place(label1_, placed.Label1);
    place(label2_, placed.Label2);
    place(label3_, placed.Label3);
    place(picBar_, placed.PicBar);
    place(command1_, placed.Command1);
    place(option1_, placed.Option1);
    place(option2_, placed.Option2);
    for (const ToolButtonPlace &button : toolButtons())
        place(imgTool_[static_cast<std::size_t>(button.index)],
              TwipRect{double(button.left), 0, double(kToolButtonTwips), double(kToolButtonTwips)});
    const TwipRect &skin = geometry_.ImgSkin;
    surface_->setSkinRect(QRect(twipsToPixels(skin.left, dx), twipsToPixels(skin.top, dy),
                                twipsToPixels(skin.width, dx), twipsToPixels(skin.height, dy)));
}

void FrmMain::applyArrangementNow(Arrangement arrangement) {
    const QSizeF outer = outerSizeTwips();
    applyArrangement(geometry_, arrangement, outer.width(), outer.height());
    applyGeometry();
}

} // namespace dlx

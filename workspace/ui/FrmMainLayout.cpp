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
    const QSize outer = frameGeometry().size();
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
    const QSizeF outer = outerSizeTwips();
    if (isMinimized()) {
        timer1_.start();
    } else {
        setWindowTitle(plainTitle());
        if (tooSmall(outer.width(), outer.height()))
            showTooSmallMessage();
        timer1_.stop();
    }
    applyResizeLayout(geometry_, outer.width(), outer.height());
    applyGeometry();
}

void FrmMain::showTooSmallMessage() {
    // One message at a time: a drag that goes on while it is open does not stack more of them.
    if (tooSmallShowing_)
        return;
    tooSmallShowing_ = true;
    context_.dialogs.message(this, QString::fromUtf8("รู้สึกจะย่อเล็กเกินไปนะ!"), QStringLiteral("Dualexicon"), MsgIcon::None,
                             MsgButtons::Ok);
    tooSmallShowing_ = false;
}

void FrmMain::applyGeometry() {
    const double dx = logicalDpiX(), dy = logicalDpiY();
    auto place = [&](QWidget *w, const TwipRect &r, bool growToFit = false) {
        int width = twipsToPixels(r.width, dx);
        int height = twipsToPixels(r.height, dy);
        if (growToFit) {
            // Thai captions in the fonts of this desktop can be wider than the design allowed.
            width = std::max(width, w->sizeHint().width());
            height = std::max(height, w->sizeHint().height());
        }
        w->setGeometry(twipsToPixels(r.left, dx), twipsToPixels(r.top, dy), width, height);
    };
    place(text1_, geometry_.Text1);
    place(text2_, geometry_.Text2);
    place(label1_, geometry_.Label1, true);
    place(label2_, geometry_.Label2, true);
    place(label3_, geometry_.Label3, true);
    place(picBar_, geometry_.PicBar);
    place(command1_, geometry_.Command1);
    place(option1_, geometry_.Option1, true);
    place(option2_, geometry_.Option2, true);
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

#include "PicBar.h"

#include "TranslationProgress.h"
#include "WorkspaceLayout.h"

#include <QPainter>

namespace dlx {

PicBar::PicBar(QWidget *parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void PicBar::clear() {
    percent_ = -1;
    status_.clear();
    update();
}

void PicBar::drawProgress(int percent) {
    percent_ = percent;
    status_.clear();
    update();
}

void PicBar::showStatus(const QString &text, int percent) {
    status_ = text;
    percent_ = percent;
    repaint();
}

QString PicBar::caption() const {
    if (!status_.isEmpty())
        return status_;
    return percent_ < 0 ? QString() : QString::fromStdString(progressCaption(percent_));
}

void PicBar::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);
    if (percent_ < 0 && status_.isEmpty())
        return;
    QPainter p(this);
    const QRect area = contentsRect();
    p.setClipRect(area);
    p.translate(area.topLeft());
    const Rgb cyan = fromBgr(0xFFFF00);
    const double fill = progressFill(std::max(percent_, 0), area.width());
    p.fillRect(QRectF(0, 0, fill, area.height()), QColor(cyan.r, cyan.g, cyan.b));
    const QString text = caption();
    const QFontMetricsF fm(font());
    const double x = area.width() / 2.0 - fm.horizontalAdvance(text) / 2.0;
    const double y = area.height() / 2.0 - fm.height() / 2.0;
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QPointF(x, y + fm.ascent()), text);
}

} // namespace dlx

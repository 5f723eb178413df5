#include "Toolbar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace dlx {

ToolButton::ToolButton(int index, const QPixmap &picture, QAction *command, QWidget *parent)
    : QWidget(parent), index_(index), picture_(picture), command_(command) {
    setMouseTracking(true);
    setObjectName(QStringLiteral("ImgTool%1").arg(index));
}

void ToolButton::setPressedLook(bool pressed) {
    pressed_ = pressed;
    update();
}

void ToolButton::setFrame(std::optional<std::pair<QColor, QColor>> frame) {
    frame_ = frame;
    update();
}

void ToolButton::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const QRect r = rect();
    p.drawPixmap(
        QRect(QPoint((r.width() - picture_.width()) / 2, (r.height() - picture_.height()) / 2), picture_.size()),
        picture_);
    const QColor face = palette().color(QPalette::Button);
    if (frame_ && !(frame_->first == face && frame_->second == face)) {
        // Light edges top and left, dark edges bottom and right: the raised look.
        p.setPen(frame_->first);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(frame_->second);
        p.drawLine(r.bottomRight(), r.topRight());
        p.drawLine(r.bottomRight(), r.bottomLeft());
    }
    if (pressed_) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void ToolButton::mouseMoveEvent(QMouseEvent *) {
    emit hovered(index_);
}

void ToolButton::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        emit leftPressed(index_);
}

void ToolButton::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        emit leftReleased(index_);
}

WorkspaceSurface::WorkspaceSurface(QWidget *parent) : QWidget(parent) {
    setMouseTracking(true);
    setObjectName(QStringLiteral("FrmMainSurface"));
}

void WorkspaceSurface::setSkin(const QPixmap &picture) {
    skin_ = picture;
    update();
}

void WorkspaceSurface::setSkinRect(const QRect &rect) {
    skinRect_ = rect;
    update();
}

void WorkspaceSurface::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    if (!skin_.isNull() && !skinRect_.isEmpty())
        p.drawPixmap(skinRect_, skin_);
}

void WorkspaceSurface::mouseMoveEvent(QMouseEvent *) {
    emit pointerMoved();
}

TranslateButton::TranslateButton(const QIcon &icon, const QString &caption, QWidget *parent)
    : QPushButton(icon, caption, parent) {}

void TranslateButton::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &p, this);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
    const QSize iconSize = this->iconSize();
    const QFontMetrics fm(font());
    const int textWidth = fm.horizontalAdvance(text());
    const int gap = 3;
    const int total = iconSize.width() + gap + textWidth;
    int x = std::max(2, (width() - total) / 2);
    const QRect area = rect();
    if (isDown())
        p.translate(1, 1);
    p.drawPixmap(x, (area.height() - iconSize.height()) / 2,
                 icon().pixmap(iconSize, isEnabled() ? QIcon::Normal : QIcon::Disabled));
    x += iconSize.width() + gap;
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(QRect(x, 0, area.width() - x, area.height()), Qt::AlignLeft | Qt::AlignVCenter, text());
}

} // namespace dlx

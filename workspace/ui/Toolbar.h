#pragma once
// The surface of the main window (background colour, stretched skin picture) and its twelve picture buttons.
// The buttons only report the mouse; the window decides, through its ToolbarHover, how each one looks.
#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <optional>

namespace dlx {

class ToolButton : public QWidget {
    Q_OBJECT
public:
    ToolButton(int index, const QPixmap &picture, QWidget *parent = nullptr);

    int index() const { return index_; }
    /// Single-line border while held down.
    void setPressedLook(bool pressed);
    bool pressedLook() const { return pressed_; }
    /// The frame DrawRect gave the button; no frame (or the button-face one) leaves the picture bare.
    void setFrame(std::optional<std::pair<QColor, QColor>> frame);
    std::optional<std::pair<QColor, QColor>> frameColours() const { return frame_; }

signals:
    void hovered(int index);
    void leftPressed(int index);
    void leftReleased(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int index_;
    QPixmap picture_;
    bool pressed_ = false;
    std::optional<std::pair<QColor, QColor>> frame_;
};

/// The central widget of the main window: paints the background and the skin, reports pointer moves.
class WorkspaceSurface : public QWidget {
    Q_OBJECT
public:
    explicit WorkspaceSurface(QWidget *parent = nullptr);

    void setSkin(const QPixmap &picture);
    const QPixmap &skin() const { return skin_; }
    /// Where the skin is stretched (ImgSkin), in pixels.
    void setSkinRect(const QRect &rect);
    QRect skinRect() const { return skinRect_; }

signals:
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPixmap skin_;
    QRect skinRect_;
};

/// The translate button: a small graphical button that keeps its icon and caption legible in the narrow
/// design size, where a styled push button would cut its caption off.
class TranslateButton : public QPushButton {
    Q_OBJECT
public:
    TranslateButton(const QIcon &icon, const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace dlx

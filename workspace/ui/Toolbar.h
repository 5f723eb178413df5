#pragma once
// The surface of the main window (background colour, stretched skin picture) and its twelve picture buttons.
// The buttons only report the mouse; the window decides, through its ToolbarHover, how each one looks, and
// triggers the button's command (the action it was given) when the left button comes up on it.
#include <QAction>
#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <optional>

namespace dlx {

class ToolButton : public QWidget {
    Q_OBJECT
public:
    /// ImgTool(index): its picture and the command a click on it runs.
    ToolButton(int index, const QPixmap &picture, QAction *command, QWidget *parent = nullptr);

    QAction *command() const { return command_; }
    /// Single-line border while held down.
    void setPressedLook(bool pressed);
    /// The frame DrawRect gave the button; no frame (or the button-face one) leaves the picture bare.
    void setFrame(std::optional<std::pair<QColor, QColor>> frame);

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
    QAction *command_;
    bool pressed_ = false;
    std::optional<std::pair<QColor, QColor>> frame_;
};

/// The central widget of the main window: paints the background and the skin, reports pointer moves.
class WorkspaceSurface : public QWidget {
    Q_OBJECT
public:
    explicit WorkspaceSurface(QWidget *parent = nullptr);

    void setSkin(const QPixmap &picture);
    /// Where the skin is stretched (ImgSkin), in pixels.
    void setSkinRect(const QRect &rect);

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

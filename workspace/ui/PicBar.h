#pragma once
// The progress bar beside the translate button: cleared, or a cyan bar for the percentage with the caption
// "N % completed" centred on it.
#include <QFrame>

namespace dlx {

class PicBar : public QFrame {
    Q_OBJECT
public:
    explicit PicBar(QWidget *parent = nullptr);

    void clear();
    void drawProgress(int percent);

    /// -1 while cleared.
    int percent() const { return percent_; }
    /// The caption on show ("" while cleared).
    QString caption() const;
    /// The drawing area inside the border (BarWidth x BarHeight, in pixels).
    int barWidth() const { return contentsRect().width(); }
    int barHeight() const { return contentsRect().height(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int percent_ = -1;
};

} // namespace dlx

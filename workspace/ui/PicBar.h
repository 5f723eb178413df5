#pragma once
// The progress bar beside the translate button: cleared, or a cyan bar for the percentage with the caption
// "N % completed" centred on it; or, in the steps of long work that have no lines to count, a short Thai status
// ("บันทึกงาน...") over a bar for how far that step is.
#include <QFrame>

namespace dlx {

class PicBar : public QFrame {
    Q_OBJECT
public:
    explicit PicBar(QWidget *parent = nullptr);

    void clear();
    void drawProgress(int percent);
    /// The status text, with a bar for `percent` (none for -1); painted at once.
    void showStatus(const QString &text, int percent = -1);

    /// -1 while cleared or showing a status without a bar.
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
    QString status_; ///< shown instead of "N % completed" when not empty
};

} // namespace dlx

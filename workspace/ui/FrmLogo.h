#pragma once
// FrmLogo, the oval splash window: the program's picture, the release date and the maker's web address,
// cut to an ellipse of its own size; after two seconds it hands over to the main window.
#include <QTimer>
#include <QWidget>

namespace dlx {

class FrmLogo : public QWidget {
    Q_OBJECT
public:
    explicit FrmLogo(QWidget *parent = nullptr);

    /// The window shape: the ellipse that fits the window.
    QRegion shape() const;

signals:
    /// Two seconds are over: show the main window now; the splash closes right after.
    void timeUp();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Timer1_Timer();
    QTimer timer1_;
};

} // namespace dlx

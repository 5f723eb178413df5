#pragma once
// FrmFull: one pane's text shown borderless over the whole screen, on the skin picture, so that a long text
// can be read at once. It shows a copy: the plain text with the pane's font name, bold, italic and size (not
// its colours); nothing typed here goes back. Any mouse button released on "ปิด", or a double click in the
// text, closes it.
#include <QDialog>
#include <QString>

class QPushButton;
class QTextEdit;

namespace dlx {

class SkinPicture;

class FrmFull : public QDialog {
public:
    /// source nullptr: the view opens empty in its own font. A skin that cannot be loaded leaves the
    /// background plain; the view opens all the same.
    FrmFull(const QString &skinPath, const QTextEdit *source, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QTextEdit *text1_ = nullptr;
    QPushButton *command1_ = nullptr;
    SkinPicture *imgSkin_ = nullptr;
};

/// Opens the view modal, maximised, and returns when it is closed.
void showFrmFull(QWidget *parent, const QString &skinPath, const QTextEdit *source);

} // namespace dlx

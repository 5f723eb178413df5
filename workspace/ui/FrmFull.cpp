#include "FrmFull.h"

#include "Skins.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>

namespace dlx {
namespace {
constexpr int px(double twips) {
    return static_cast<int>(twips / 15.0);
} // 15 twips to a 96-dpi pixel
} // namespace

FrmFull::FrmFull(const QString &skinPath, const QTextEdit *source, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FrmFull"));
    resize(px(5895), px(4815));
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    imgSkin_ = new SkinPicture(this);
    imgSkin_->setPicture(loadSkinPicture(skinPath).picture);

    command1_ = new QPushButton(QStringLiteral("ปิด"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setToolTip(QStringLiteral("หน้าหลัก"));
    command1_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    command1_->setIconSize(QSize(12, 12));
    command1_->setAutoDefault(false);
    QFont buttonFont = command1_->font();
    buttonFont.setBold(true);
    buttonFont.setPointSizeF(9.75);
    command1_->setFont(buttonFont);
    command1_->setStyleSheet(QStringLiteral("QPushButton { background-color: #C0FFC0; }"));
    command1_->setGeometry(px(90), px(60), std::max(px(615), command1_->sizeHint().width()), px(255) + 2);
    command1_->installEventFilter(this);

    text1_ = new QTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(px(60), px(360), px(5745), px(4365));
    text1_->viewport()->installEventFilter(this);
    if (source) {
        const QFont from = source->document()->defaultFont();
        QFont font = text1_->font();
        font.setFamilies(from.families().isEmpty() ? QStringList{from.family()} : from.families());
        font.setBold(from.bold());
        font.setItalic(from.italic());
        if (from.pointSizeF() > 0)
            font.setPointSizeF(from.pointSizeF());
        else if (from.pixelSize() > 0)
            font.setPixelSize(from.pixelSize());
        text1_->setFont(font);
        text1_->setPlainText(source->toPlainText());
    }
    text1_->setFocus();
    setWindowState(Qt::WindowMaximized);
}

bool FrmFull::eventFilter(QObject *watched, QEvent *event) {
    if (watched == command1_ && event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    if (watched == text1_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmFull::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    // The text keeps its left and top; the margins are those of the design (120 wide, 450 high, in twips).
    text1_->setGeometry(px(60), px(360), std::max(width() - px(120), 0), std::max(height() - px(450), 0));
    imgSkin_->setGeometry(rect());
}

void showFrmFull(QWidget *parent, const QString &skinPath, const QTextEdit *source) {
    FrmFull view(skinPath, source, parent);
    view.exec();
}

} // namespace dlx

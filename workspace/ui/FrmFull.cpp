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

    ImgSkin = new SkinPicture(this);
    ImgSkin->setPicture(loadSkinPicture(skinPath).picture);

    Command1 = new QPushButton(QStringLiteral("ปิด"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("หน้าหลัก"));
    Command1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    Command1->setIconSize(QSize(12, 12));
    Command1->setAutoDefault(false);
    QFont buttonFont = Command1->font();
    buttonFont.setBold(true);
    buttonFont.setPointSizeF(9.75);
    Command1->setFont(buttonFont);
    Command1->setStyleSheet(QStringLiteral("QPushButton { background-color: #C0FFC0; }"));
    Command1->setGeometry(px(90), px(60), std::max(px(615), Command1->sizeHint().width()), px(255) + 2);
    Command1->installEventFilter(this);

    Text1 = new QTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(px(60), px(360), px(5745), px(4365));
    Text1->viewport()->installEventFilter(this);
    if (source) {
        const QFont from = source->document()->defaultFont();
        QFont font = Text1->font();
        font.setFamilies(from.families().isEmpty() ? QStringList{from.family()} : from.families());
        font.setBold(from.bold());
        font.setItalic(from.italic());
        if (from.pointSizeF() > 0)
            font.setPointSizeF(from.pointSizeF());
        else if (from.pixelSize() > 0)
            font.setPixelSize(from.pixelSize());
        Text1->setFont(font);
        Text1->setPlainText(source->toPlainText());
    }
    Text1->setFocus();
    setWindowState(Qt::WindowMaximized);
}

bool FrmFull::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Command1 && event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    if (watched == Text1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmFull::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    // The text keeps its left and top; the margins are those of the design (120 wide, 450 high, in twips).
    Text1->setGeometry(px(60), px(360), std::max(width() - px(120), 0), std::max(height() - px(450), 0));
    ImgSkin->setGeometry(rect());
}

void showFrmFull(QWidget *parent, const QString &skinPath, const QTextEdit *source) {
    FrmFull view(skinPath, source, parent);
    view.exec();
}

} // namespace dlx

#include "FrmLogo.h"

#include "Artwork.h"
#include "Tips.h"
#include "WorkspaceLayout.h"

#include <QLabel>
#include <QScreen>

namespace dlx {

FrmLogo::FrmLogo(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FrmLogo"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    const double dx = logicalDpiX(), dy = logicalDpiY();
    auto rect = [&](double l, double t, double w, double h) {
        return QRect(twipsToPixels(l, dx), twipsToPixels(t, dy), twipsToPixels(w, dx), twipsToPixels(h, dy));
    };
    setFixedSize(twipsToPixels(4485, dx), twipsToPixels(4500, dy));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(art::splashPicture(size()));
    image->setGeometry(this->rect());

    auto *web = new QLabel(QString::fromLatin1(kMakerWeb), this);
    web->setObjectName(QStringLiteral("Label3"));
    web->setAlignment(Qt::AlignCenter);
    web->setGeometry(rect(60, 3660, 4380, 240));
    auto *date = new QLabel(QStringLiteral("01/12/2544"), this);
    date->setObjectName(QStringLiteral("Label4"));
    date->setAlignment(Qt::AlignCenter);
    date->setGeometry(rect(1815, 3900, 855, 210));
    for (QLabel *label : {web, date}) {
        QPalette white = label->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(white);
        // Keep each text whole in this desktop's fonts, centred where the design put it.
        const QRect design = label->geometry();
        const int width = std::max(design.width(), label->sizeHint().width());
        label->setGeometry(design.center().x() - width / 2, design.top(), width,
                           std::max(design.height(), label->sizeHint().height()));
    }

    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    timer1_.setInterval(2000);
    timer1_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, &FrmLogo::Timer1_Timer);
}

QRegion FrmLogo::shape() const {
    return QRegion(0, 0, width(), height(), QRegion::Ellipse);
}

void FrmLogo::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    setMask(shape());
}

void FrmLogo::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    setMask(shape());
    timer1_.start();
}

void FrmLogo::Timer1_Timer() {
    // The main window is shown before the splash closes, so the program never has no window at all.
    emit timeUp();
    close();
}

} // namespace dlx

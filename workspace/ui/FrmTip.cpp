#include "FrmTip.h"

#include "Artwork.h"
#include "Settings.h"
#include "WorkspaceLayout.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace dlx {
namespace {

QColor bgr(std::uint32_t value) {
    const Rgb c = fromBgr(value);
    return QColor(c.r, c.g, c.b);
}

} // namespace

FrmTip::FrmTip(SettingsStore &settings, double random, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), settings_(settings),
      rotation_(random) {
    setObjectName(QStringLiteral("FrmTip"));
    setWindowTitle(QString::fromUtf8("ลูกเล่นประจำวัน"));
    const double dx = logicalDpiX(), dy = logicalDpiY();
    auto rect = [&](double l, double t, double w, double h) {
        return QRect(twipsToPixels(l, dx), twipsToPixels(t, dy), twipsToPixels(w, dx), twipsToPixels(h, dy));
    };
    setFixedSize(twipsToPixels(4605, dx), twipsToPixels(3885, dy));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, bgr(0xC0C0C0));
    setPalette(pal);
    setAutoFillBackground(true);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(rect(150, 90, 4305, 2925));

    auto *panel = new QLabel(frame);
    panel->setObjectName(QStringLiteral("Label1"));
    panel->setAutoFillBackground(true);
    QPalette panelPalette = panel->palette();
    panelPalette.setColor(QPalette::Window, bgr(0xD0F5FB));
    panel->setPalette(panelPalette);
    panel->setGeometry(rect(150, 240, 4005, 2535));

    auto *banner = new QLabel(frame);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setPixmap(art::tipBanner());
    banner->setGeometry(QRect(rect(300, 390, 0, 0).topLeft(), QSize(210, 47)));

    lblTip_ = new QLabel(frame);
    lblTip_->setObjectName(QStringLiteral("LblTip"));
    lblTip_->setWordWrap(true);
    lblTip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTip_->setGeometry(rect(420, 1590, 3435, 1065));

    auto makeButton = [&](const char *name, const char *caption, const QRect &where) {
        auto *button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        QPalette p = button->palette();
        p.setColor(QPalette::Button, bgr(0xC0C0FF));
        button->setPalette(p);
        button->setGeometry(where);
        return button;
    };
    command1_ = makeButton("Command1", "ลูกเล่นถัดไป >", rect(780, 3150, 1335, 375));
    command2_ = makeButton("Command2", "ปิด", rect(2550, 3150, 1335, 375));
    command2_->setDefault(true);

    check1_ = new QCheckBox(QString::fromUtf8("แสดงลูกเล่นเมื่อเปิดโปรแกรม"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setGeometry(rect(1140, 3600, 2445, 225));
    check1_->adjustSize();
    const QString stored = settings_.value("Tip", "My Tip", "1");
    check1_->setChecked(tipWanted(stored.toStdString()));

    // The check box's caption needs a little more room in this desktop's fonts than the design gave it.
    setFixedSize(width(), std::max(height(), check1_->geometry().bottom() + 6));

    connect(command1_, &QPushButton::clicked, this, [this] {
        rotation_.next();
        showTip();
    });
    connect(command2_, &QPushButton::clicked, this, &QDialog::accept);
    showTip();
}

void FrmTip::showTip() {
    lblTip_->setText(QString::fromStdString(rotation_.text()));
}

void FrmTip::done(int result) {
    // Every way of closing (the button, the close box, Esc) keeps the user's choice.
    settings_.setValue("Tip", "My Tip", check1_->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    QDialog::done(result);
}

} // namespace dlx

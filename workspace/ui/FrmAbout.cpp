#include "FrmAbout.h"

#include "Artwork.h"
#include "HostServices.h"
#include "Tips.h"
#include "UserName.h"
#include "WorkspaceLayout.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace dlx {
namespace {

// Breaks a name into lines that fit the width, anywhere (a user name has no spaces to break at).
QString wrapAnywhere(const QString &text, const QFontMetrics &fm, int width) {
    QString out, line;
    for (const QChar c : text) {
        if (!line.isEmpty() && fm.horizontalAdvance(line + c) > width) {
            out += line + '\n';
            line.clear();
        }
        line += c;
    }
    return out + line;
}

} // namespace

FrmAbout::FrmAbout(QWidget *parent, std::function<QString()> getUser)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), getUser_(std::move(getUser)) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QString::fromUtf8("เกี่ยวกับ Dualexicon"));
    const double dx = logicalDpiX(), dy = logicalDpiY();
    auto rect = [&](double l, double t, double w, double h) {
        return QRect(twipsToPixels(l, dx), twipsToPixels(t, dy), twipsToPixels(w, dx), twipsToPixels(h, dy));
    };
    setFixedSize(twipsToPixels(5730, dx), twipsToPixels(4170, dy));
    auto u = [](const char *s) { return QString::fromUtf8(s); };

    auto *panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("Image1"));
    const QRect panelRect = rect(60, 60, 1590, 3480);
    panel->setPixmap(art::aboutPanel(panelRect.size()));
    panel->setGeometry(panelRect);
    auto *mail = new QLabel(u("อีเมล์: ") + QString::fromLatin1(kMakerEmail), this);
    mail->setObjectName(QStringLiteral("LblMail"));
    mail->setGeometry(rect(60, 3630, 4650, 240));

    auto *head = new QGroupBox(this);
    head->setObjectName(QStringLiteral("Frame1"));
    head->setGeometry(rect(1740, 0, 3915, 1500));
    auto *icon = new QLabel(head);
    icon->setPixmap(art::programIcon().pixmap(32, 32));
    icon->setGeometry(rect(120, 240, 540, 540));
    label4_ = new QLabel(u("Dualexicon 1.5"), head);
    label4_->setObjectName(QStringLiteral("Label4"));
    QFont big = label4_->font();
    big.setPointSizeF(12);
    big.setBold(true);
    label4_->setFont(big);
    label4_->setGeometry(rect(780, 180, 3000, 360));
    auto *maker = new QLabel(u("จัดทำโดย กลุ่มผู้พัฒนา Dualexicon"), head);
    maker->setGeometry(rect(780, 600, 3060, 300));
    auto *author = new QLabel(u("เขียนโปรแกรมโดย ทีมงาน Dualexicon"), head);
    author->setGeometry(rect(780, 960, 3060, 300));
    for (QLabel *line : {maker, author}) {
        QFont f = line->font();
        f.setPointSizeF(8.25);
        line->setFont(f);
    }

    // Under the user-name frame and hidden by it.
    command1_ = new QPushButton(QStringLiteral("Command1"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(rect(1740, 1590, 3915, 1065));

    auto *userFrame = new QGroupBox(u("โปรแกรมนี้อนุญาตให้ใช้งานโดย"), this);
    userFrame->setObjectName(QStringLiteral("FrameUser"));
    userFrame->setGeometry(rect(1740, 1590, 3915, 1065));
    userFrame->setAutoFillBackground(true);
    lblUser_ = new QLabel(userFrame);
    lblUser_->setObjectName(QStringLiteral("lblUser"));
    lblUser_->setGeometry(rect(120, 300, 3675, 720));
    lblUser_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblUser_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *warning = new QLabel(u("คำเตือน: โปรแกรมนี้ได้รับความคุ้มครองตามกฎหมายลิขสิทธิ์ "
                                 "ห้ามทำซ้ำหรือเผยแพร่โดยไม่ได้รับอนุญาต"),
                               this);
    warning->setObjectName(QStringLiteral("LblWarning"));
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = warning->font();
    small.setPointSizeF(8);
    warning->setFont(small);
    warning->setGeometry(rect(1740, 2700, 3915, 870));

    command2_ = new QPushButton(u("ตกลง"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    QPalette p = command2_->palette();
    p.setColor(QPalette::Button, QColor(0xFF, 0xFF, 0xC0));
    command2_->setPalette(p);
    command2_->setGeometry(rect(4800, 3630, 855, 405));
    command2_->setDefault(true);
    connect(command2_, &QPushButton::clicked, this, &QDialog::accept);

    userName_ = TrimTxt(GetUser());
    lblUser_->setText(wrapAnywhere(userName_, QFontMetrics(lblUser_->font()), lblUser_->width()));
    lblUser_->setToolTip(userName_);

    if (const QScreen *s = parent ? parent->screen() : screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

QString FrmAbout::GetUser() const {
    return getUser_ ? getUser_() : currentUserName();
}

QString FrmAbout::TrimTxt(const QString &text) {
    return QString::fromStdU32String(dlx::TrimTxt(text.toStdU32String()));
}

} // namespace dlx

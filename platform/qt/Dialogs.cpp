#include "Dialogs.h"

#include <cerrno>

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace dlx {

void Dialogs::error(QWidget *parent, const QString &text, MsgIcon icon) {
    message(parent, text, QStringLiteral("โปรแกรมผิดพลาด"), icon, MsgButtons::Ok);
}

std::string toFsPath(const QString &path) {
    return QFile::encodeName(path).toStdString();
}

QString fromFsPath(const std::string &path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString describeFailure(const QString &what, const IoError &error) {
    QString text = what;
    if (!error.path.empty())
        text += QStringLiteral(": ") + fromFsPath(error.path);
    QString thai;
    switch (error.code) {
    case ENOSPC:
        thai = QStringLiteral("พื้นที่ดิสก์เต็ม");
        break;
    case EDQUOT:
        thai = QStringLiteral("เกินโควตาพื้นที่ดิสก์ของผู้ใช้");
        break;
    case EACCES:
    case EPERM:
        thai = QStringLiteral("ไม่มีสิทธิ์เข้าถึงแฟ้มหรือโฟลเดอร์นี้");
        break;
    case EROFS:
        thai = QStringLiteral("ดิสก์นี้อ่านได้อย่างเดียว");
        break;
    case ENOENT:
        thai = QStringLiteral("ไม่พบแฟ้มหรือโฟลเดอร์");
        break;
    case EISDIR:
        thai = QStringLiteral("เป็นโฟลเดอร์ ไม่ใช่แฟ้ม");
        break;
    case EIO:
        thai = QStringLiteral("อ่านหรือเขียนดิสก์ไม่ได้");
        break;
    default:
        break;
    }
    const QString system = QString::fromLocal8Bit(error.reason());
    if (!thai.isEmpty())
        text += QStringLiteral("\n") + thai + (system.isEmpty() ? QString() : QStringLiteral(" (") + system + ')');
    else if (!system.isEmpty())
        text += QStringLiteral("\n") + system;
    return text;
}

MsgAnswer QtDialogs::message(QWidget *parent, const QString &text, const QString &title, MsgIcon icon,
                             MsgButtons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

std::optional<QString> QtDialogs::prompt(QWidget *parent, const QString &text, const QString &title,
                                         const QString &defaultText) {
    bool ok = false;
    QString s = QInputDialog::getText(parent, title, text, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return s;
}

QString QtDialogs::openFileName(QWidget *parent, const QString &title, const QString &startPath,
                                const QString &filter) {
    return QFileDialog::getOpenFileName(parent, title, startPath, filter);
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &title, const QString &startPath,
                                const QString &filter) {
    // No overwrite question and no extension added: the name is used as typed.
    return QFileDialog::getSaveFileName(parent, title, startPath, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

std::optional<QFont> QtDialogs::chooseFont(QWidget *parent, const QFont &initial) {
    bool ok = false;
    QFont f = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return f;
}

std::optional<QColor> QtDialogs::chooseColor(QWidget *parent, const QColor &initial) {
    QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

} // namespace dlx

#include "Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace dlx {

MsgAnswer QtDialogs::message(QWidget *parent, const QString &text, const QString &title, MsgIcon icon,
                             MsgButtons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
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
    return QFileDialog::getSaveFileName(parent, title, startPath, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
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

#include "DictionaryDialog.h"

#include <QKeyEvent>
#include <QPushButton>

namespace dlx {

void DictionaryDialog::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        event->accept();
        return;
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

QPushButton *DictionaryDialog::addButton(const char *name, const QString &caption) {
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace dlx

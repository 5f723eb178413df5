#pragma once
// Typing and picking as a user does, for the window tests (offscreen).
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QTest>
#include <QWidget>

namespace dlx::test {

/// Types text character by character; Thai goes through key events with text, as keyClicks cannot type it.
inline void typeText(QWidget *w, const QString &text) {
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

/// Opens the combo's list, moves to the item and presses Enter, as a user chooses it. (A mouse release right
/// after the list opens is ignored by QComboBox, so a click would need a wait of a double-click interval.)
inline bool pickFromCombo(QComboBox *combo, int index) {
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        return false;
    view->setCurrentIndex(view->model()->index(index, combo->modelColumn(), view->rootIndex()));
    QTest::keyClick(view, Qt::Key_Return);
    return QTest::qWaitFor([combo] { return !combo->view()->window()->isVisible(); }, 2000);
}

inline void clickListRow(QListWidget *list, int row) {
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
}

} // namespace dlx::test

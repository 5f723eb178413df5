#pragma once
// A modal game window that reads every key as typed text: each key with text types its characters as they come;
// Enter types "\r", Backspace "\b" and Escape "\x1b" (there is no correction key). Committed input-method text
// (Thai typed through an input method) is typed character by character too.
#include "AppContext.h"
#include "Dialogs.h"

#include <QDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <string>

namespace dlx {

inline std::u32string typedCharacters(const QKeyEvent &event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return U"\r";
    case Qt::Key_Backspace:
        return U"\b";
    case Qt::Key_Escape:
        return U"\x1b";
    default:
        return event.text().toStdU32String();
    }
}

class KeyedDialog : public QDialog {
public:
    KeyedDialog(const AppContext &context, QWidget *parent) : QDialog(parent), context_(context) {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_InputMethodEnabled);
    }

protected:
    /// One typed character.
    virtual void pressKey(char32_t key) = 0;

    void keyPressEvent(QKeyEvent *event) override {
        const std::u32string typed = typedCharacters(*event);
        if (typed.empty()) {
            event->ignore();
            return;
        }
        for (char32_t c : typed)
            pressKey(c);
    }
    void inputMethodEvent(QInputMethodEvent *event) override {
        for (char32_t c : event->commitString().toStdU32String())
            pressKey(c);
        event->accept();
    }
    /// An item on the window's own menu bar (made on first use), named for tests and the window's code.
    QAction *addMenuItem(const char *name, const QString &caption) {
        if (!menuBar_)
            menuBar_ = new QMenuBar(this);
        QAction *action = menuBar_->addAction(caption);
        action->setObjectName(name);
        return action;
    }
    QMenuBar *menuBar() const { return menuBar_; }

    void message(const QString &text, const QString &title, MsgIcon icon) {
        context_.dialogs.message(this, text, title, icon);
    }

    const AppContext &context_;

private:
    QMenuBar *menuBar_ = nullptr;
};

} // namespace dlx

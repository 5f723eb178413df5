#pragma once
// What a key press types, as the games read keys: every key with text types its characters as they come; Enter
// types "\r", Backspace "\b" and Escape "\x1b" (there is no correction key). A key without text types nothing.
#include <QKeyEvent>
#include <string>

namespace dlx {

inline std::u32string typedCharacters(const QKeyEvent &event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return U"\r";
    case Qt::Key_Backspace: return U"\b";
    case Qt::Key_Escape: return U"\x1b";
    default: return event.text().toStdU32String();
    }
}

} // namespace dlx

#pragma once
// The one routine that writes a text to a file for the workspace: the text with CR LF line breaks and a final
// CR LF, in Windows-874, or in UTF-8 with a byte-order mark when the text holds characters Windows-874 cannot
// represent (so nothing is lost).
#include <QString>
#include <optional>

class QWidget;

namespace dlx {

class Dialogs;

/// Writes the file, replacing an old one. A failure shows the failure's description in a message box with the
/// exclamation icon titled "โปรแกรมผิดพลาด" and gives nothing; otherwise gives whether UTF-8 was used.
/// Line feeds in the text become CR LF: "a\nb" is written as "a\r\nb\r\n".
std::optional<bool> saveTextFile(Dialogs &dialogs, QWidget *parent, const QString &text, const QString &path);

} // namespace dlx

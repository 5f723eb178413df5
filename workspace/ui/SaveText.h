#pragma once
// The one routine that writes a text to a file for the workspace: the text with CR LF line breaks and a final
// CR LF, in Windows-874, or in UTF-8 with a byte-order mark when the text holds characters Windows-874 cannot
// represent (so nothing is lost).
#include "Result.h"

#include <QString>

class QWidget;

namespace dlx {

class Dialogs;

/// Writes the file, replacing an old one, and gives the encoding used (Windows874 or Utf8Bom). A failure is
/// shown in the "โปรแกรมผิดพลาด" box with the exclamation icon (what failed, the reason in Thai and in the
/// system's words) and given back. Line feeds in the text become CR LF: "a\nb" is written as "a\r\nb\r\n".
Result<TextEncoding> saveTextFile(Dialogs &dialogs, QWidget *parent, const QString &text, const QString &path);

} // namespace dlx

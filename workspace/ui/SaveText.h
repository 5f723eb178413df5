#pragma once
// The one routine that writes a text to a file for the workspace: the text with CR LF line breaks and a final
// CR LF, in Windows-874, or in UTF-8 with a byte-order mark when the text holds characters Windows-874 cannot
// represent (so nothing is lost).
#include "Result.h"

#include <QString>

#include <functional>
#include <string_view>

class QWidget;

namespace dlx {

class Dialogs;

/// Runs work that touches nothing of the window while the window goes on handling its events (runAside); unset:
/// the work runs at once.
using AsideWork = std::function<void(const std::function<void()> &work)>;

/// Writes the file, replacing an old one, and gives the encoding used (Windows874 or Utf8Bom). A failure is
/// shown in the "โปรแกรมผิดพลาด" box with the exclamation icon and given back. Line feeds in the text become
/// CR LF: "a\nb" is written as "a\r\nb\r\n". The encoding and writing go through `aside`.
Result<TextEncoding> saveTextFile(Dialogs &dialogs, QWidget *parent, const QString &text, const QString &path,
                                  const AsideWork &aside = {});

/// The same for a text that already has CR LF line breaks, as a translation run holds it.
Result<TextEncoding> saveTextFile(Dialogs &dialogs, QWidget *parent, std::u32string_view crLfText, const QString &path,
                                  const AsideWork &aside = {});

} // namespace dlx

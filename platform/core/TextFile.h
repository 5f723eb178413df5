#pragma once
// Whole-file reads and writes. Errors come back as an IoError (errno and path), never as an exception.
#include "Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace dlx {

/// The whole file's bytes.
Result<std::string> readFileBytes(const std::string &path);

/// Writes the bytes, replacing any old file.
Status writeFileBytes(const std::string &path, std::string_view bytes);

/// Writes all-or-nothing: a temporary file ".NAME.dlx-XXXXXX" in the same folder, flushed, then renamed over the
/// target. On failure the old file is untouched and the temporary file is removed. A symbolic link is followed: the
/// file it points to is replaced and the link stays. A replaced file keeps its mode and, where the system allows
/// it, its owner and group; a new file gets 0666 less the umask.
Status writeFileAtomically(const std::string &path, std::string_view bytes);

/// True for the names writeFileAtomically gives its temporary files: ".A.pal.dlx-x7Gq2b".
bool isTemporaryFileName(std::string_view name);

/// Removes the temporary files of writes that never finished (the writer was killed) from a folder; a file still
/// being written is locked by its writer and stays. Returns how many were removed.
std::size_t removeStaleTemporaryFiles(const std::string &folder);

/// The bytes of SaveText: the text in Windows-874 followed by CR LF. The text keeps its own line breaks.
/// When the text holds characters Windows-874 cannot represent and allowUtf8Fallback is set, the bytes are
/// UTF-8 with a byte-order mark instead, and *usedUtf8 is set.
std::string saveTextBytes(std::u32string_view text, bool allowUtf8Fallback = false, bool *usedUtf8 = nullptr);

/// Splits text into lines; CR LF, lone CR and LF each end a line. A final line break ends the last line rather
/// than starting an empty one; an empty text has no lines.  U"a\r\nb\rc\n" => {a, b, c}
std::vector<std::u32string> splitLines(std::u32string_view text);

} // namespace dlx

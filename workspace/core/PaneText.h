#pragma once
// What a file opened into the original pane holds.
#include "RtfReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace dlx {

enum class OpenedKind {
    Plain,   ///< text: `text` holds it
    Rich,    ///< a rich-text file: `runs` hold it with its formatting
    NotText, ///< binary data (a picture, a program, a word-processor file of another kind)
};

struct OpenedText {
    OpenedKind kind = OpenedKind::Plain;
    std::u32string text; ///< Plain: line breaks as in the file
    std::vector<TextRun> runs;
};

/// Reads the bytes of a file chosen with the open command.
///  - "{\rtf…" is rich text;
///  - a UTF-8 byte-order mark, or well-formed UTF-8 with at least one character beyond ASCII, is UTF-8;
///  - a UTF-16 byte-order mark gives UTF-16 (what other editors call "Unicode");
///  - bytes with a NUL in them are not a text;
///  - anything else is Windows-874.
OpenedText decodeOpenedFile(std::string_view bytes);

} // namespace dlx

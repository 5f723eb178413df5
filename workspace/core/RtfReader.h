#pragma once
// Reads a rich-text (RTF) file into runs of equally formatted text, enough to show a letter written in a word
// processor the way it looked there: bold, italic, underline, font, size and colour. Pictures, tables of
// contents, headers, footers and other hidden groups are skipped. Bytes written as \'xx or as plain 8-bit text
// are read in the document's code page: Windows-874 under \ansicpg874 or in a font of the Thai character set
// (\fcharset222), Windows-1252 otherwise. \uN characters are taken as they are.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dlx {

struct TextRun {
    std::u32string text; ///< line breaks are '\n'
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double pointSize = 0;             ///< 0: the file does not say; keep the pane's size
    std::optional<std::uint32_t> rgb; ///< 0xRRGGBB; nothing: the pane's own text colour
    std::u32string fontName;          ///< empty: the pane's own font

    bool sameFormat(const TextRun &o) const {
        return bold == o.bold && italic == o.italic && underline == o.underline && pointSize == o.pointSize &&
               rgb == o.rgb && fontName == o.fontName;
    }
    bool operator==(const TextRun &) const = default;
};

/// True when the bytes start with "{\rtf".
bool looksLikeRtf(std::string_view bytes);

/// The runs of the document, adjacent runs of the same format merged. Never fails: anything it does not
/// understand is skipped. The paragraph mark that ends the document does not add an empty last line.
std::vector<TextRun> readRtf(std::string_view bytes);

/// The plain text of the runs.
std::u32string runsText(const std::vector<TextRun> &runs);

} // namespace dlx

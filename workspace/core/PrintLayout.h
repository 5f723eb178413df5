#pragma once
// Page layout of a printed pane. The lines of the print work file go in, the texts to draw come out, page by
// page, with their positions in twips from the top-left of the printable area. The window only measures text
// in the printer's font and draws what comes out, so every rule of the page lives here.
//
// Each page starts with a header row: the date at the left, "โปรแกรม Dualexicon : ต้นฉบับ" (or "… : งานแปล")
// centred, then the page label "หน้า: N" right-aligned on the next row and one empty row. The header never
// covers the date: where centring would, it follows the date after a space, and where the row cannot hold both,
// it moves to a row of its own below the date, pushing the label down a row. Body lines follow at
// 1000 twips from the left, never wrapped. A line printed with less than three line heights of room left above
// the bottom (room taken before it is printed) ends the page: the page label is printed centred below it.
#include "Pane.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dlx {

struct PrintMetrics {
    double width = 0;                                     ///< printable width, twips
    double height = 0;                                    ///< printable height, twips
    double lineHeight = 0;                                ///< height of one printed line in the pane's font, twips
    std::function<double(std::u32string_view)> textWidth; ///< width of a text in the pane's font, twips
};

struct PlacedText {
    double x = 0; ///< left edge, twips
    double y = 0; ///< top of the line, twips
    std::u32string text;
    bool operator==(const PlacedText &) const = default;
};

struct PrintedPage {
    int number = 0;
    std::vector<PlacedText> texts; ///< in printing order: date, header, label, body lines, foot label
};

inline constexpr double kBodyIndent = 1000;

/// "โปรแกรม Dualexicon : ต้นฉบับ" or "โปรแกรม Dualexicon : งานแปล".
std::u32string printHeader(Pane pane);

/// "หน้า: 7" (no leading zeros).
std::u32string pageLabel(int page);

/// The header date, month first.  (2024, 3, 7) => "03-07-2024".
std::u32string printDate(int year, int month, int day);

/// Lays out the lines. An empty list prints like one empty line, as a work file always holds at least one.
/// Every page holds at least one body line, whatever the metrics, so the layout always ends.
std::vector<PrintedPage> layoutPrint(const std::vector<std::u32string> &lines, Pane pane, std::u32string_view date,
                                     const PrintMetrics &metrics);

} // namespace dlx

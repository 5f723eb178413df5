#include "PrintLayout.h"

#include <algorithm>

namespace dlx {
namespace {

std::u32string ascii(std::string_view s) {
    return {s.begin(), s.end()};
}

std::u32string twoDigits(int v) {
    std::u32string s = ascii(std::to_string(v));
    return s.size() < 2 ? U"0" + s : s;
}

// The header is centred on the date's row when that leaves it clear of the date, else it follows the date on
// that row, else it takes a row of its own (centred, or from the left edge when wider than the page). The page
// label always has the row below the header to itself.
PlacedText placeHeader(const std::u32string &header, double dateEnd, double headerWidth, double pageWidth,
                       double lineHeight) {
    const double centred = (pageWidth - headerWidth) / 2;
    if (centred >= dateEnd)
        return {centred, 0, header};
    if (dateEnd + headerWidth <= pageWidth)
        return {dateEnd, 0, header};
    return {std::max(centred, 0.0), lineHeight, header};
}

} // namespace

std::u32string printHeader(Pane pane) {
    return pane == Pane::Original ? U"โปรแกรม Dualexicon : ต้นฉบับ" : U"โปรแกรม Dualexicon : งานแปล";
}

std::u32string pageLabel(int page) {
    return U"หน้า: " + ascii(std::to_string(page));
}

std::u32string printDate(int year, int month, int day) {
    std::u32string y = ascii(std::to_string(year));
    while (y.size() < 4)
        y.insert(y.begin(), U'0');
    return twoDigits(month) + U"-" + twoDigits(day) + U"-" + y;
}

std::vector<PrintedPage> layoutPrint(const std::vector<std::u32string> &lines, Pane pane, std::u32string_view date,
                                     const PrintMetrics &metrics) {
    static const std::vector<std::u32string> oneEmptyLine{U""};
    const std::vector<std::u32string> &body = lines.empty() ? oneEmptyLine : lines;
    const double lineHeight = std::max(metrics.lineHeight, 1.0);
    auto widthOf = [&](std::u32string_view s) { return metrics.textWidth ? metrics.textWidth(s) : 0.0; };
    // A text wider than the page starts at the left edge rather than being cut off on the left.
    auto fromLeft = [](double x) { return std::max(x, 0.0); };

    const std::u32string header = printHeader(pane);
    std::vector<PrintedPage> pages;
    double y = 0;
    std::u32string label;
    for (size_t i = 0; i < body.size(); ++i) {
        if (y == 0) {
            pages.push_back({static_cast<int>(pages.size()) + 1, {}});
            auto &texts = pages.back().texts;
            label = pageLabel(pages.back().number);
            texts.push_back({0, 0, std::u32string(date)});
            texts.push_back(
                placeHeader(header, widthOf(date) + widthOf(U" "), widthOf(header), metrics.width, lineHeight));
            y = texts.back().y + lineHeight;
            texts.push_back({fromLeft(metrics.width - widthOf(label)), y, label});
            y += 2 * lineHeight; // the label's row and one empty row
        }
        auto &texts = pages.back().texts;
        const double room = metrics.height - y;
        texts.push_back({kBodyIndent, y, body[i]});
        y += lineHeight;
        if (room < 3 * lineHeight) {
            texts.push_back({fromLeft((metrics.width - widthOf(label)) / 2), y, label});
            y = 0;
        }
    }
    return pages;
}

} // namespace dlx

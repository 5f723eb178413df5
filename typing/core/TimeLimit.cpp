#include "TimeLimit.h"

#include <string>

namespace dlx {
namespace {

bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r';
}
bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

} // namespace

std::optional<std::int16_t> parseTimeLimit(std::u32string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == U'+' || text[i] == U'-'))
        negative = text[i++] == U'-';

    // Kept as digit strings so that the half is decided exactly, not through a binary fraction.
    std::u32string whole, fraction;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (isBlank(c))
            continue;
        if (c == U'.' && !point)
            point = true;
        else if (isDigit(c))
            (point ? fraction : whole) += c;
        else
            break;
    }

    const bool nonZero = whole.find_first_not_of(U'0') != std::u32string::npos ||
                         fraction.find_first_not_of(U'0') != std::u32string::npos;
    if (negative || !nonZero)
        return std::nullopt;

    constexpr long kMax = 32767;
    long minutes = 0;
    for (char32_t d : whole) {
        minutes = minutes * 10 + static_cast<long>(d - U'0');
        if (minutes > kMax)
            return std::nullopt;
    }
    if (!fraction.empty()) {
        const bool aboveHalf =
            fraction[0] > U'5' || (fraction[0] == U'5' && fraction.find_first_not_of(U'0', 1) != std::u32string::npos);
        const bool exactHalf = fraction[0] == U'5' && !aboveHalf;
        if (aboveHalf || (exactHalf && minutes % 2 == 1))
            ++minutes;
    }
    if (minutes > kMax)
        return std::nullopt;
    return static_cast<std::int16_t>(minutes);
}

} // namespace dlx

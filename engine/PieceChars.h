#pragma once
// The characters that cut a line into words and the marks of the word step. The scan asks about every character
// of the text, so these are tables.
#include <array>
#include <string_view>

namespace dlx::pieces {

struct CharSet {
    std::array<bool, 128> in{};
    std::array<char32_t, 6> wide{}; ///< the few members beyond ASCII (typographic quotes), 0 when unused
    char32_t lowestWide = 0x110000;
    constexpr explicit CharSet(std::u32string_view chars) {
        size_t n = 0;
        for (char32_t c : chars) {
            if (c < 128) {
                in[c] = true;
            } else {
                wide[n++] = c;
                lowestWide = c < lowestWide ? c : lowestWide;
            }
        }
    }
    constexpr bool operator()(char32_t c) const {
        if (c < 128)
            return in[c];
        if (c < lowestWide) // Thai and the like, at once
            return false;
        for (char32_t w : wide)
            if (w == c)
                return true;
        return false;
    }
};

/// Where the scan stops to look: a character that ends a word in the middle of a line, or a Tab. "?" and "." end
/// a word only at the end of a line or before a space, a Tab or a double quote.
inline constexpr CharSet isCut{U" ,:-;+/*[]{}()<>|=^&!%#@$_\\'\"\u201C\u201D\u2026\u2018\u2019\t"};
/// Boundary characters that are passed on as a separator of their own.
inline constexpr CharSet isSeparatorMark{U":-;+*/{}[]()><|_&^%$#@!\\"};
/// Double quotes and the ellipsis: separators like ":", and a "." or "?" just before one ends the sentence.
inline constexpr CharSet isQuote{U"\"\u201C\u201D\u2026"};
/// The apostrophe and the single typographic quotes: they end a word and are not written.
inline constexpr CharSet isApostrophe{U"'\u2018\u2019"};
/// The marks of the word step: held text is written out before them.
inline constexpr CharSet isMark{U"?.,:-()[]{};*+><|=_&^%$#@!\\\"\u201C\u201D\u2026"};

} // namespace dlx::pieces

#pragma once
// The characters that cut a line into words and the marks of the word step. The scan asks about every character
// of the text, so these are tables.
#include <array>
#include <string_view>

namespace dlx::pieces {

struct CharSet {
    std::array<bool, 128> in{};
    constexpr explicit CharSet(std::u32string_view chars) {
        for (char32_t c : chars)
            in[c] = true;
    }
    constexpr bool operator()(char32_t c) const { return c < 128 && in[c]; }
};

/// Characters that end a word in the middle of a line (besides Tab). "?" and "." end a word only at the end of
/// a line or before a space or Tab.
inline constexpr CharSet isBoundary{U" ,:-;+/*[]{}()<>|=^&!%#@$_\\'"};
/// Where the scan stops to look: a boundary character or a Tab.
inline constexpr CharSet isCut{U" ,:-;+/*[]{}()<>|=^&!%#@$_\\'\t"};
/// Boundary characters that are passed on as a separator of their own.
inline constexpr CharSet isSeparatorMark{U":-;+*/{}[]()><|_&^%$#@!\\"};
/// The marks of the word step: held text is written out before them.
inline constexpr CharSet isMark{U"?.,:-()[]{};*+><|=_&^%$#@!\\"};

} // namespace dlx::pieces

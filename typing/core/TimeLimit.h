#pragma once
// Reading the length of a timed typing run from the time-limit box.
#include <cstdint>
#include <optional>
#include <string_view>

namespace dlx {

/// The number at the start of the text: blanks are skipped, then an optional sign, digits and at most one decimal
/// point; reading stops at the first character that does not fit, and a text without a number is worth 0.
/// The entry is valid when that number is greater than 0; it is then rounded to a whole number of minutes, a half
/// going to the even neighbour. Invalid entries, and numbers too large for the clock, give nothing.
///   "5" => 5,  ".5" => 0,  ".6" => 1,  "1.5" => 2,  "7." => 7,  "9x" => 9,  " 3" => 3,
///   "0", "-1", "ab", "" => nothing
std::optional<std::int16_t> parseTimeLimit(std::u32string_view text);

} // namespace dlx

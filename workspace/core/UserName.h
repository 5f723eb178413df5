#pragma once
// The user name line of the about window.
#include <string>
#include <string_view>

namespace dlx {

/// The text before the first NUL character; the whole text when it has none.  U"ann\0\0" => U"ann".
std::u32string TrimTxt(std::u32string_view text);

} // namespace dlx

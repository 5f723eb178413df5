#pragma once
// The caption that runs as a marquee in the task bar while the main window is minimised.
#include <string>
#include <string_view>

namespace dlx {

class TitleScroll {
public:
    /// ScrollTitle = the caption followed by 20 spaces; ScrollLen = its length minus 1.
    explicit TitleScroll(std::u32string_view caption);

    /// One tick of the 100 ms timer: a rotation left by one character.  "ab  " => "b  a".
    const std::u32string &tick();

    const std::u32string &text() const { return scrollTitle_; }

private:
    std::u32string scrollTitle_;
    std::size_t scrollLen_ = 0;
};

} // namespace dlx

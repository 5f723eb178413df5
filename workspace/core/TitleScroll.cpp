#include "TitleScroll.h"

namespace dlx {

TitleScroll::TitleScroll(std::u32string_view caption) : ScrollTitle(caption) {
    ScrollTitle.append(20, U' ');
    ScrollLen = ScrollTitle.size() - 1;
}

const std::u32string &TitleScroll::tick() {
    if (!ScrollTitle.empty())
        ScrollTitle = ScrollTitle.substr(ScrollTitle.size() - ScrollLen) + ScrollTitle.front();
    return ScrollTitle;
}

} // namespace dlx

#include "TitleScroll.h"

namespace dlx {

TitleScroll::TitleScroll(std::u32string_view caption) : scrollTitle_(caption) {
    scrollTitle_.append(20, U' ');
    scrollLen_ = scrollTitle_.size() - 1;
}

const std::u32string &TitleScroll::tick() {
    if (!scrollTitle_.empty())
        scrollTitle_ = scrollTitle_.substr(scrollTitle_.size() - scrollLen_) + scrollTitle_.front();
    return scrollTitle_;
}

} // namespace dlx

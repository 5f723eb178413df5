#include "UserName.h"

namespace dlx {

std::u32string TrimTxt(std::u32string_view text) {
    const auto nul = text.find(U'\0');
    return std::u32string(nul == std::u32string_view::npos ? text : text.substr(0, nul));
}

} // namespace dlx

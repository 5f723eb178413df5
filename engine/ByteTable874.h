#pragma once
// Windows-874 maps every byte to exactly one character, so the engine decodes it through a table.
#include "Codec874.h"

#include <array>
#include <string>

namespace dlx {

inline const std::array<char32_t, 256> &windows874Table() {
    static const std::array<char32_t, 256> table = [] {
        std::string all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[static_cast<size_t>(b)] = static_cast<char>(b);
        const std::u32string chars = decode874(all);
        std::array<char32_t, 256> t{};
        for (size_t b = 0; b < 256; ++b)
            t[b] = chars[b];
        return t;
    }();
    return table;
}

} // namespace dlx

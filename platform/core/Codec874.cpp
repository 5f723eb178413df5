#include "Codec874.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <unordered_map>

namespace dlx {
namespace {

constexpr char32_t kKeptByteBase = 0xF700; // undefined bytes ride through as U+F700 + byte

struct Tables {
    std::array<char32_t, 256> toUnicode{};
    std::unordered_map<char32_t, unsigned char> toByte;

    Tables() {
        iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-874");
        for (int b = 0; b < 256; ++b) {
            char32_t ch = kKeptByteBase + static_cast<char32_t>(b);
            if (cd != reinterpret_cast<iconv_t>(-1)) {
                char in = static_cast<char>(b);
                unsigned char out[8] = {};
                char *inp = &in;
                char *outp = reinterpret_cast<char *>(out);
                size_t inLeft = 1, outLeft = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<size_t>(-1) && inLeft == 0 && outLeft == 4)
                    ch = static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
            } else if (b < 0x80) {
                ch = static_cast<char32_t>(b);
            }
            toUnicode[static_cast<size_t>(b)] = ch;
            toByte.emplace(ch, static_cast<unsigned char>(b));
        }
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }
};

const Tables &tables() {
    static const Tables t;
    return t;
}

} // namespace

std::u32string decode874(std::string_view bytes) {
    const auto &map = tables().toUnicode;
    std::u32string out;
    out.resize(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i)
        out[i] = map[static_cast<unsigned char>(bytes[i])];
    return out;
}

bool representable874(std::u32string_view text) {
    const auto &map = tables().toByte;
    for (char32_t c : text)
        if (c >= 0x80 && !map.count(c))
            return false;
    return true;
}

std::string encode874(std::u32string_view text, std::size_t *lost) {
    const auto &map = tables().toByte;
    std::string out;
    out.reserve(text.size());
    std::size_t missing = 0;
    for (char32_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        auto it = map.find(c);
        if (it == map.end()) {
            out.push_back('?');
            ++missing;
        } else {
            out.push_back(static_cast<char>(it->second));
        }
    }
    if (lost)
        *lost = missing;
    return out;
}

} // namespace dlx

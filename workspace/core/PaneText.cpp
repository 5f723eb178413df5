#include "PaneText.h"

#include "Utf8.h"

namespace dlx {
namespace {

std::u32string fromUtf16(std::string_view bytes, bool bigEndian) {
    std::u32string out;
    out.reserve(bytes.size() / 2);
    char32_t high = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        const char32_t unit = bigEndian ? (a << 8 | b) : (b << 8 | a);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (high)
                out.push_back(U'\uFFFD');
            high = unit;
            continue;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            out.push_back(high ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : U'\uFFFD');
            high = 0;
            continue;
        }
        if (high)
            out.push_back(U'\uFFFD');
        high = 0;
        out.push_back(unit);
    }
    if (high || bytes.size() % 2)
        out.push_back(U'\uFFFD');
    return out;
}

} // namespace

OpenedText decodeOpenedFile(std::string_view bytes) {
    OpenedText r;
    if (looksLikeRtf(bytes)) {
        r.kind = OpenedKind::Rich;
        r.runs = readRtf(bytes);
        return r;
    }
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        r.text = fromUtf16(bytes.substr(2), bytes[0] == '\xFE');
        return r;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        r.kind = OpenedKind::NotText;
        return r;
    }
    // Plain ASCII reads the same either way; Windows-874 Thai is never well-formed UTF-8 in practice.
    r.text = decodeTextBytes(bytes);
    return r;
}

} // namespace dlx

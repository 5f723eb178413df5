#include "PaneText.h"

#include "Utf8.h"

namespace dlx {
namespace {

std::u32string fromUtf16(std::string_view bytes, bool bigEndian) {
    std::u32string out;
    out.reserve(bytes.size() / 2);
    Utf16Decoder decoder;
    const auto put = [&out](char32_t c) { out.push_back(c); };
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.data());
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        decoder.take(Utf16Decoder::unitAt(b + i, bigEndian), put);
    decoder.end(bytes.size() % 2 != 0, put);
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

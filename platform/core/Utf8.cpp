#include "Utf8.h"

#include "Codec874.h"

namespace dlx {

size_t decodeUtf8Sequence(std::string_view s, size_t i, char32_t &cp) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    size_t len;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

bool isValidUtf8(std::string_view bytes) {
    char32_t cp;
    for (size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const size_t n = decodeUtf8Sequence(bytes, i, cp);
        if (!n)
            return false;
        i += n;
    }
    return true;
}

// Decodes UTF-8 into out. An ill-formed byte becomes U+FFFD, or, when strict, stops the decoding with false.
static bool decodeUtf8(std::string_view bytes, std::u32string &out, bool strict) {
    out.assign(bytes.size(), U'\0');
    size_t o = 0;
    char32_t cp;
    for (size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out[o++] = b;
            ++i;
            continue;
        }
        const size_t n = decodeUtf8Sequence(bytes, i, cp);
        if (!n && strict)
            return false;
        out[o++] = n ? cp : U'\uFFFD';
        i += n ? n : 1;
    }
    out.resize(o);
    return true;
}

std::u32string fromUtf8(std::string_view bytes) {
    std::u32string out;
    decodeUtf8(bytes, out, false);
    return out;
}

char *writeUtf8(char *p, std::u32string_view text) {
    for (char32_t c : text) {
        if (c < 0x80) {
            *p++ = static_cast<char>(c);
        } else if (c < 0x800) {
            *p++ = static_cast<char>(0xC0 | (c >> 6));
            *p++ = static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            *p++ = static_cast<char>(0xE0 | (c >> 12));
            *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (c & 0x3F));
        } else {
            *p++ = static_cast<char>(0xF0 | (c >> 18));
            *p++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return p;
}

void appendUtf8(std::string &out, std::u32string_view text) {
    const size_t start = out.size();
    out.resize(start + text.size() * 4);
    char *end = writeUtf8(out.data() + start, text);
    out.resize(static_cast<size_t>(end - out.data()));
}

std::string toUtf8(std::u32string_view text) {
    std::string out;
    appendUtf8(out, text);
    return out;
}

std::u32string decodeTextBytes(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return fromUtf8(bytes.substr(3));
    // One pass: decode as UTF-8, and read the bytes as Windows-874 at the first ill-formed sequence.
    std::u32string out;
    return decodeUtf8(bytes, out, true) ? out : decode874(bytes);
}

std::u32string upperAscii(std::u32string_view text) {
    std::u32string out(text);
    for (char32_t &c : out)
        if (c >= U'a' && c <= U'z')
            c -= 32;
    return out;
}

std::u32string_view trimSpaces(std::u32string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] == U' ')
        ++b;
    while (e > b && text[e - 1] == U' ')
        --e;
    return text.substr(b, e - b);
}

std::u32string decimal(std::uint64_t n) {
    std::u32string s;
    do {
        s.insert(s.begin(), static_cast<char32_t>(U'0' + n % 10));
        n /= 10;
    } while (n != 0);
    return s;
}

} // namespace dlx

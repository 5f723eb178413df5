#pragma once
// UTF-8 <-> UTF-32 and small text helpers shared by every layer.
#include <cstdint>
#include <string>
#include <string_view>

namespace dlx {

/// True when the bytes are well-formed UTF-8 (no overlongs, surrogates or values above U+10FFFF).
/// One UTF-8 sequence at s[i] into cp: its length (1 for ASCII), or 0 when it is ill-formed, cut short, an
/// overlong form, a surrogate or beyond U+10FFFF. CR and LF are never part of a longer sequence.
std::size_t decodeUtf8Sequence(std::string_view s, std::size_t i, char32_t &cp);

bool isValidUtf8(std::string_view bytes);

/// Decodes UTF-8; every ill-formed byte becomes U+FFFD.
std::u32string fromUtf8(std::string_view bytes);

std::string toUtf8(std::u32string_view text);

/// Writes the UTF-8 form of the text at p, which must have room for 4 bytes a character; returns the end.
char *writeUtf8(char *p, std::u32string_view text);

/// Appends the UTF-8 form of the text to out.
void appendUtf8(std::string &out, std::u32string_view text);

/// UTF-16 code units to characters, one unit at a time, so that a whole buffer and a stream read alike: a
/// surrogate pair is one character; a lone surrogate, or an odd byte at the end, is U+FFFD.
class Utf16Decoder {
public:
    /// The unit of two bytes at b (big-endian or little-endian).
    static char32_t unitAt(const unsigned char *b, bool bigEndian) {
        return bigEndian ? static_cast<char32_t>(b[0] << 8 | b[1]) : static_cast<char32_t>(b[1] << 8 | b[0]);
    }
    /// Takes one unit; put(c) receives each character it completes (two when a lone high surrogate ends).
    template <class Put> void take(char32_t unit, Put &&put) {
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (high_)
                put(U'\uFFFD');
            high_ = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            put(high_ ? 0x10000 + ((high_ - 0xD800) << 10) + (unit - 0xDC00) : U'\uFFFD');
            high_ = 0;
        } else {
            if (high_)
                put(U'\uFFFD');
            high_ = 0;
            put(unit);
        }
    }
    /// The input has ended, perhaps with an odd byte: what waits becomes one U+FFFD.
    template <class Put> void end(bool oddByte, Put &&put) {
        if (high_ || oddByte)
            put(U'\uFFFD');
        high_ = 0;
    }

private:
    char32_t high_ = 0; ///< a high surrogate waiting for its low one
};

/// Reads the bytes of a text file of unknown encoding: a UTF-8 byte-order mark or well-formed UTF-8 is taken as
/// UTF-8 (the mark is dropped), anything else as Windows-874.
std::u32string decodeTextBytes(std::string_view bytes);

/// The number in decimal digits, for messages.
std::u32string decimal(std::uint64_t n);

/// Upper-cases a-z only; every other character is left as it is.
std::u32string upperAscii(std::u32string_view text);

/// Removes leading and trailing spaces (U+0020 only; Tabs stay).
std::u32string_view trimSpaces(std::u32string_view text);

} // namespace dlx

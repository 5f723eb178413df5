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

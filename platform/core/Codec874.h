#pragma once
// Windows code page 874 (Thai) <-> Unicode, through glibc iconv.
//
// Every byte of a Windows-874 file maps to exactly one character. Bytes that the code page leaves undefined
// (0x81-0x84, 0x86-0x90, 0x98-0x9F, 0xDB-0xDE, 0xFC-0xFF) are kept, not lost: they decode to the private-use
// characters U+F700 + byte, and encoding turns those characters back into the same bytes, so reading and
// writing a file unchanged gives it back byte for byte.
#include <string>
#include <string_view>

namespace dlx {

/// Decodes Windows-874 bytes, one character per byte.  "\xA1" => U"\u0E01" (ko kai).
std::u32string decode874(std::string_view bytes);

/// True when every character of the text has a Windows-874 byte (the kept undefined bytes included).
bool representable874(std::u32string_view text);

/// Encodes to Windows-874. Characters without a byte become '?' and are counted in *lost when given.
std::string encode874(std::u32string_view text, std::size_t *lost = nullptr);

} // namespace dlx

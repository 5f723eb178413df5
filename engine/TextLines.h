#pragma once
// The lines of a text, decoded one at a time from bytes that come in chunks, so that a big text never lives in
// memory as a whole, let alone twice over. Lines end at CR LF, CR or LF; a final line break ends the last line
// rather than starting an empty one.
#include "Result.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace dlx {

/// Fills at most `room` bytes at `to` with the next bytes of an input and gives how many; 0 at its end.
using ByteReader = std::function<Result<std::size_t>(char *to, std::size_t room)>;

/// Decides how the bytes of an input are read, from all of them, as the window's open command does for a plain
/// text: a UTF-16 byte-order mark gives UTF-16; a UTF-8 byte-order mark, or well-formed UTF-8, is UTF-8 (Utf8Bom:
/// the mark is dropped); anything else is Windows-874. Fed in chunks of any size.
class EncodingGuess {
public:
    void feed(std::string_view bytes);
    TextEncoding encoding() const;

private:
    std::string head_;    ///< the first bytes, for the byte-order mark
    std::string partial_; ///< the start of a sequence cut by the end of the last chunk
    bool valid_ = true;
};

/// The bytes of a UTF-16 input (its byte-order mark first) as UTF-8, for TextLines to read: a surrogate without
/// its partner becomes U+FFFD, and so does an odd last byte.
ByteReader utf16AsUtf8(ByteReader source, bool bigEndian);

class TextLines {
public:
    /// Lines of bytes held in memory (which must outlive the reader).
    TextLines(std::string_view bytes, TextEncoding encoding);
    /// Lines of bytes read in chunks of up to `chunk` bytes.
    TextLines(ByteReader read, TextEncoding encoding, std::size_t chunk = 1 << 20);

    /// Decodes the next line (without its break) into `line`; false when the text has no more lines, or a read
    /// failed (error() then says why). A line of more than `longest` bytes, or longer than a chunk, comes in
    /// pieces of whole characters: `lineGoesOn` is then true for every piece but the last, which is never empty.
    bool next(std::u32string &line, bool &lineGoesOn, std::size_t longest = SIZE_MAX);

    /// The failure of the last read, if any.
    const std::optional<IoError> &error() const { return error_; }

private:
    bool fill();
    std::size_t findBreak(std::size_t from);
    /// Decodes the characters that start in bytes_[from, limit) into `line`; none runs past `end`. Gives where
    /// the next character starts.
    std::size_t decode(std::size_t from, std::size_t limit, std::size_t end, std::u32string &line) const;

    ByteReader read_;
    TextEncoding encoding_;
    std::unique_ptr<char[]> buffer_;
    std::string_view bytes_;     ///< the bytes at hand: all of them, or the buffer's filled part
    std::size_t at_ = 0;         ///< next byte to decode in bytes_
    std::size_t capacity_ = 0;   ///< of buffer_
    std::size_t searchedTo_ = 0; ///< bytes_[at_, searchedTo_) hold no line break
    bool atEnd_ = false;         ///< no more bytes to read
    bool inLine_ = false;        ///< the last piece did not end its line
    bool skipLf_ = false;        ///< the last line ended with a CR at the end of a chunk: a LF may follow
    bool bomChecked_ = false;
    std::optional<IoError> error_;
};

} // namespace dlx

#include "TextLines.h"

#include "ByteTable874.h"
#include "Utf8.h"

#include <algorithm>
#include <cstring>

namespace dlx {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isBreak(char b) {
    return b == '\r' || b == '\n';
}

bool isContinuation(char b) {
    return (static_cast<unsigned char>(b) & 0xC0) == 0x80;
}

std::uint64_t load8(const char *p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// Eight bytes at a time while they are ASCII: most English text is.
bool asciiWord(const char *p) {
    return (load8(p) & 0x8080808080808080ull) == 0;
}

// True when one of the eight bytes is CR or LF.
bool breakInWord(const char *p) {
    constexpr std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
    const std::uint64_t w = load8(p), lf = w ^ (ones * '\n'), cr = w ^ (ones * '\r');
    return (((lf - ones) & ~lf) | ((cr - ones) & ~cr)) & highs;
}

} // namespace

void EncodingGuess::feed(std::string_view bytes) {
    if (head_.size() < kUtf8Bom.size())
        head_.append(bytes.substr(0, kUtf8Bom.size() - head_.size()));
    if (!valid_)
        return;
    // A sequence cut by the end of the last chunk is completed with the start of this one.
    while (!partial_.empty() && !bytes.empty()) {
        partial_.push_back(bytes.front());
        bytes.remove_prefix(1);
        char32_t cp;
        if (decodeUtf8Sequence(partial_, 0, cp) == partial_.size()) {
            partial_.clear();
        } else if (partial_.size() == 4 || !isContinuation(partial_.back())) {
            valid_ = false;
            return;
        }
    }
    for (size_t i = 0; i < bytes.size();) {
        if (i + 8 <= bytes.size() && asciiWord(bytes.data() + i)) {
            i += 8;
            continue;
        }
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t cp;
        const size_t len = decodeUtf8Sequence(bytes, i, cp);
        if (len) {
            i += len;
            continue;
        }
        // Ill-formed, or cut by the end of the chunk: keep a lead byte and what follows it for the next chunk.
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const size_t need = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
        if (need && i + need > bytes.size() &&
            std::all_of(bytes.begin() + static_cast<long>(i) + 1, bytes.end(), isContinuation)) {
            partial_.assign(bytes.substr(i));
            return;
        }
        valid_ = false;
        return;
    }
}

TextEncoding EncodingGuess::encoding() const {
    if (head_.starts_with("\xFF\xFE"))
        return TextEncoding::Utf16LE;
    if (head_.starts_with("\xFE\xFF"))
        return TextEncoding::Utf16BE;
    if (head_ == kUtf8Bom)
        return TextEncoding::Utf8Bom;
    return valid_ && partial_.empty() ? TextEncoding::Utf8 : TextEncoding::Windows874;
}

ByteReader utf16AsUtf8(ByteReader source, bool bigEndian) {
    struct State {
        ByteReader source;
        bool bigEndian;
        bool markSkipped = false, ended = false;
        std::string odd; ///< a byte whose partner has not come yet
        Utf16Decoder decoder;
        std::unique_ptr<char[]> chunk;
    };
    auto state = std::make_shared<State>();
    state->source = std::move(source);
    state->bigEndian = bigEndian;
    return [state](char *to, size_t room) -> Result<size_t> {
        State &st = *state;
        char *out = to;
        auto put = [&](char32_t c) { out = writeUtf8(out, std::u32string_view(&c, 1)); };
        // Two bytes give at most six: a U+FFFD for a lone high surrogate, then the unit's own character.
        const size_t want = room > 16 ? (room - 8) / 3 * 2 : 2;
        while (out == to && !st.ended) {
            if (!st.chunk)
                st.chunk.reset(new char[want + 2]);
            std::memcpy(st.chunk.get(), st.odd.data(), st.odd.size());
            auto got = st.source(st.chunk.get() + st.odd.size(), want);
            if (!got)
                return got.error();
            size_t n = st.odd.size() + *got;
            st.odd.clear();
            if (*got == 0) {
                st.ended = true;
                st.decoder.end(n % 2 != 0, put); // as the window reads such a file
                break;
            }
            const auto *b = reinterpret_cast<const unsigned char *>(st.chunk.get());
            size_t i = 0;
            if (!st.markSkipped && n >= 2) {
                i = 2;
                st.markSkipped = true;
            }
            for (; i + 1 < n; i += 2)
                st.decoder.take(Utf16Decoder::unitAt(b + i, st.bigEndian), put);
            if (i < n)
                st.odd.assign(1, static_cast<char>(b[i]));
        }
        return static_cast<size_t>(out - to);
    };
}

TextLines::TextLines(std::string_view bytes, TextEncoding encoding)
    : encoding_(encoding), bytes_(bytes), atEnd_(true) {}

TextLines::TextLines(ByteReader read, TextEncoding encoding, std::size_t chunk)
    : read_(std::move(read)), encoding_(encoding), buffer_(new char[std::max<size_t>(chunk, 16) + 8]),
      capacity_(std::max<size_t>(chunk, 16)) {
    bytes_ = std::string_view(buffer_.get(), 0);
}

// Moves the bytes not yet decoded to the start of the buffer and reads more after them.
bool TextLines::fill() {
    if (atEnd_)
        return true;
    const size_t kept = bytes_.size() - at_;
    std::memmove(buffer_.get(), bytes_.data() + at_, kept);
    searchedTo_ = searchedTo_ > at_ ? searchedTo_ - at_ : 0;
    at_ = 0;
    auto got = read_(buffer_.get() + kept, capacity_ - kept);
    if (!got) {
        error_ = got.error();
        atEnd_ = true;
        bytes_ = std::string_view(buffer_.get(), kept);
        return false;
    }
    atEnd_ = *got == 0;
    bytes_ = std::string_view(buffer_.get(), kept + *got);
    return true;
}

std::size_t TextLines::findBreak(std::size_t from) {
    const size_t n = bytes_.size();
    size_t i = std::max(from, searchedTo_);
    const char *p = bytes_.data();
    while (i + 8 <= n && !breakInWord(p + i))
        i += 8;
    while (i < n && !isBreak(p[i]))
        ++i;
    searchedTo_ = i;
    return i;
}

std::size_t TextLines::decode(std::size_t from, std::size_t limit, std::size_t end, std::u32string &line) const {
    line.resize(std::min(end, limit + 3) - from); // a character needs at least one byte, and ends by limit + 3
    char32_t *out = line.data();
    const char *p = bytes_.data();
    size_t i = from, o = 0;
    if (encoding_ == TextEncoding::Windows874) {
        const auto &table = windows874Table();
        for (; i < limit; ++i)
            out[o++] = table[static_cast<unsigned char>(p[i])];
    } else {
        const std::string_view piece = bytes_.substr(0, end); // no sequence runs past the line
        while (i < limit) {
            if (i + 8 <= limit && asciiWord(p + i)) {
                for (size_t k = 0; k < 8; ++k)
                    out[o + k] = static_cast<unsigned char>(p[i + k]);
                i += 8, o += 8;
                continue;
            }
            const auto b = static_cast<unsigned char>(p[i]);
            if (b < 0x80) {
                out[o++] = b;
                ++i;
                continue;
            }
            char32_t cp;
            const size_t len = decodeUtf8Sequence(piece, i, cp);
            out[o++] = len ? cp : U'\uFFFD';
            i += len ? len : 1;
        }
    }
    line.resize(o);
    return i;
}

bool TextLines::next(std::u32string &line, bool &lineGoesOn, std::size_t longest) {
    line.clear();
    lineGoesOn = false;
    longest = std::max<size_t>(longest, 1);
    while (!bomChecked_) {
        if (bytes_.size() - at_ >= kUtf8Bom.size() || atEnd_) {
            if (encoding_ == TextEncoding::Utf8Bom && bytes_.substr(at_, kUtf8Bom.size()) == kUtf8Bom)
                at_ += kUtf8Bom.size();
            bomChecked_ = true;
        } else if (!fill()) {
            return false;
        }
    }
    for (;;) {
        if (skipLf_ && at_ == bytes_.size() && !atEnd_ && !fill())
            return false;
        if (skipLf_ && at_ < bytes_.size()) {
            at_ += bytes_[at_] == '\n';
            skipLf_ = false;
        }
        const size_t n = bytes_.size();
        const size_t end = findBreak(at_);
        const bool found = end < n;
        const bool bufferFull = at_ == 0 && n >= capacity_;
        const bool pieceAtHand = n - at_ > 4 && n - at_ - 4 > longest; // with a character to spare
        if (!found && !atEnd_ && !bufferFull && !pieceAtHand) {
            if (!fill())
                return false;
            continue;
        }
        if (at_ >= n && !inLine_)
            return false; // the text has ended (after a final line break, or it was empty)
        size_t limit = end;
        if (!found && !atEnd_)
            limit = n - 4; // a full buffer: its last character may be cut, and one must be left for later
        if (end - at_ > longest)
            limit = std::min(limit, at_ + longest);
        const size_t to = decode(at_, limit, end, line); // whole characters only: `to` may pass `limit`
        if (to < end) {                                  // a piece of a long line
            at_ = to;
            inLine_ = lineGoesOn = true;
            return true;
        }
        at_ = end;
        inLine_ = false;
        if (at_ < n) {
            const bool cr = bytes_[at_] == '\r';
            ++at_;
            if (cr) {
                if (at_ < n)
                    at_ += bytes_[at_] == '\n';
                else
                    skipLf_ = true; // the LF of a CR LF may start the next chunk
            }
        }
        return true;
    }
}

} // namespace dlx

// A plain text opened in the window and the same bytes given to the command line read alike: the same lines,
// whether the command line has the bytes at hand or reads them in chunks of any size, and whatever the longest
// piece of a line it asks for.
#include "PaneText.h"
#include "TextFile.h"
#include "TextLines.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace dlx;

namespace {

// Reads all the lines, joining the pieces of a long line.
std::vector<std::u32string> readAll(TextLines &lines, std::size_t longest) {
    std::vector<std::u32string> out;
    std::u32string piece;
    bool goesOn = false, joining = false;
    while (lines.next(piece, goesOn, longest)) {
        if (goesOn && piece.empty())
            std::abort(); // a piece that does not move on would never end
        if (joining)
            out.back() += piece;
        else
            out.push_back(piece);
        joining = goesOn;
    }
    if (joining || lines.error())
        std::abort();
    return out;
}

// Gives the bytes at most `most` at a time, as a pipe may.
ByteReader shortReads(std::string_view bytes, std::size_t most) {
    auto at = std::make_shared<std::size_t>(0);
    return [bytes, most, at](char *to, std::size_t room) -> Result<std::size_t> {
        const std::size_t n = std::min({room, most, bytes.size() - *at});
        std::memcpy(to, bytes.data() + *at, n);
        *at += n;
        return n;
    };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the sizes; the rest is the file.
    const std::size_t most = 1 + data[0] % 23, chunk = data[0] % 40, longest = 1 + data[0] % 7;
    const std::string_view bytes(reinterpret_cast<const char *>(data) + 1, size - 1);

    EncodingGuess whole, cut;
    whole.feed(bytes);
    for (std::size_t i = 0; i < bytes.size(); i += most)
        cut.feed(bytes.substr(i, most));
    const TextEncoding encoding = whole.encoding();
    if (cut.encoding() != encoding)
        std::abort();

    std::vector<std::u32string> atHand, chunked;
    if (encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE) {
        const bool bigEndian = encoding == TextEncoding::Utf16BE;
        TextLines a(utf16AsUtf8(shortReads(bytes, bytes.size() + 1), bigEndian), TextEncoding::Utf8);
        atHand = readAll(a, SIZE_MAX);
        TextLines b(utf16AsUtf8(shortReads(bytes, most), bigEndian), TextEncoding::Utf8, chunk);
        chunked = readAll(b, longest);
    } else {
        TextLines a(bytes, encoding);
        atHand = readAll(a, SIZE_MAX);
        TextLines b(shortReads(bytes, most), encoding, chunk);
        chunked = readAll(b, longest);
    }
    if (atHand != chunked)
        std::abort();

    const OpenedText opened = decodeOpenedFile(bytes);
    if (opened.kind == OpenedKind::Plain && splitLines(opened.text) != atHand)
        std::abort();
    return 0;
}

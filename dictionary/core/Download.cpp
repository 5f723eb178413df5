#include "Download.h"

#include "Codec874.h"
#include "Utf8.h"

#include <array>

namespace dlx {
namespace {

constexpr std::size_t kShownLineLength = 60;

std::u32string hexByte(unsigned char b) {
    static const char32_t digits[] = U"0123456789ABCDEF";
    return {U'0', U'x', digits[b >> 4], digits[b & 0xF]};
}

/// The bytes Windows-874 leaves undefined: they decode to the kept characters U+F700 + byte.
const std::array<bool, 256> &undefinedBytes() {
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const char32_t c = decode874(std::string_view(&byte, 1))[0];
            t[static_cast<std::size_t>(b)] = c >= 0xF700 && c <= 0xF7FF;
        }
        return t;
    }();
    return table;
}

/// The line as the user would recognise it: decoded, cut after kShownLineLength characters.
std::u32string shownLine(std::string_view bytes) {
    std::u32string text = decode874(bytes.substr(0, kShownLineLength));
    if (bytes.size() > kShownLineLength)
        text += U"...";
    return U"\"" + text + U"\"";
}

bool isAsciiLetter(char c, char32_t upper) {
    return static_cast<char32_t>(c) == upper || static_cast<char32_t>(c) == upper - U'A' + U'a';
}

} // namespace

std::string updateUrl(std::string_view baseUrl, char32_t letter) {
    while (!baseUrl.empty() && baseUrl.front() == ' ')
        baseUrl.remove_prefix(1);
    while (!baseUrl.empty() && (baseUrl.back() == ' ' || baseUrl.back() == '/'))
        baseUrl.remove_suffix(1);
    std::string url(baseUrl);
    url += "/update/";
    if (letter >= U'A' && letter <= U'Z')
        url += static_cast<char>(letter - U'A' + 'a');
    else if (letter >= U'a' && letter <= U'z')
        url += static_cast<char>(letter);
    url += ".pal";
    return url;
}

bool isMissingPage(std::string_view body) {
    return body.find("404 Not Found") != std::string_view::npos;
}

std::string_view LetterDownload::line(std::size_t index) const {
    const LineSpan &span = lines[index];
    return std::string_view(bytes).substr(span.start, span.length);
}

std::size_t LetterDownload::entryCount() const {
    std::size_t n = 0;
    for (const LineSpan &span : lines)
        n += span.length != 0;
    return n;
}

namespace {

/// True when every line already ends with CR LF, so the body is saved as it came.
bool endsEveryLineWithCrLf(std::string_view bytes, const std::vector<LineSpan> &lines) {
    std::size_t expected = 0;
    for (const LineSpan &span : lines) {
        if (span.start != expected || bytes.substr(span.start + span.length, 2) != "\r\n")
            return false;
        expected = span.start + span.length + 2;
    }
    return expected == bytes.size();
}

} // namespace

DownloadCheck checkLetterDownload(std::string body, char32_t letter, std::int64_t announcedLength) {
    DownloadCheck check;
    const std::u32string L(1, letter);
    auto fail = [&](const std::u32string &what) {
        check.problem = U"ข้อมูลที่ได้รับไม่ใช่แฟ้มพจนานุกรมหมวดอักษร " + L + U": " + what;
        return check;
    };
    if (announcedLength >= 0 && body.size() < static_cast<std::uint64_t>(announcedLength))
        return fail(U"ได้รับข้อมูลไม่ครบ (ได้ " + decimal(body.size()) + U" จาก " +
                    decimal(static_cast<std::uint64_t>(announcedLength)) + U" ไบต์) การเชื่อมต่อขาดระหว่างทาง");
    if (body.size() >= 2 && body[0] == '\x1F' && body[1] == '\x8B')
        return fail(U"เป็นข้อมูลที่ถูกบีบอัด (gzip)");
    if (const std::size_t nul = body.find('\0'); nul != std::string::npos)
        return fail(U"มีไบต์ศูนย์ (NUL) ที่ตำแหน่ง " + decimal(nul) + U" จึงเป็นข้อมูลไบนารี ไม่ใช่ข้อความ");

    const std::string_view text(body);
    std::vector<LineSpan> spans = letterLineSpans(text);
    const auto &undefined = undefinedBytes();
    for (std::size_t n = 0; n < spans.size(); ++n) {
        const std::string_view line = text.substr(spans[n].start, spans[n].length);
        const std::u32string where = U"บรรทัดที่ " + decimal(n + 1) + U" ";
        for (char c : line)
            if (undefined[static_cast<unsigned char>(c)])
                return fail(where + U"มีไบต์ " + hexByte(static_cast<unsigned char>(c)) +
                            U" ซึ่งไม่ใช่อักขระของรหัส Windows-874");
        if (line.empty())
            continue;
        if (n == 0 && line.front() == '<')
            return fail(U"เป็นหน้าเว็บ (HTML)");
        const std::size_t slash = line.find('/');
        if (slash == std::string_view::npos)
            return fail(where + shownLine(line) + U" ไม่อยู่ในรูป ศัพท์/ความหมาย/คุณสมบัติ");
        if (slash == 0 || !isAsciiLetter(line.front(), letter))
            return fail(where + U"ศัพท์ " + shownLine(line.substr(0, slash)) + U" ไม่ได้ขึ้นต้นด้วยอักษร " + L);
    }
    if (!endsEveryLineWithCrLf(text, spans)) {
        std::string saved;
        saved.reserve(body.size() + spans.size() + 2);
        for (const LineSpan &span : spans) {
            saved.append(text.substr(span.start, span.length));
            saved += "\r\n";
        }
        body = std::move(saved);
        spans = letterLineSpans(std::string_view(body));
    }
    check.download = LetterDownload{letter, std::move(body), std::move(spans)};
    return check;
}

} // namespace dlx

#include "Download.h"

#include "Codec874.h"

namespace dlx {

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

bool isMissingPage(std::u32string_view text) {
    return text.find(U"404 Not Found") != std::u32string_view::npos;
}

std::string downloadFileBytes(std::u32string_view text) {
    std::u32string normalized;
    normalized.reserve(text.size() + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'\r' || c == U'\n' || c == U'\u2029') {
            normalized += U"\r\n";
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
                ++i;
        } else {
            normalized += c;
        }
    }
    normalized += U"\r\n";
    return encode874(normalized);
}

} // namespace dlx

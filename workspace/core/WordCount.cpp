#include "WordCount.h"

#include <thai/thbrk.h>
#include <thai/thwbrk.h>

#include <memory>
#include <vector>

namespace dlx {
namespace {

bool isThai(char32_t c) {
    return c >= 0x0E01 && c <= 0x0E5B && c != 0x0E3F; // the baht sign is a symbol
}
bool isLatinLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}
bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
bool isLineBreak(char32_t c) {
    return c == U'\n' || c == U'\r' || c == 0x2028 || c == 0x2029;
}
bool isJoiner(char32_t c) {
    return c == U'\'' || c == U'-' || c == 0x2019;
}
/// A letter of some other script (Cyrillic, Greek, CJK, ...): anything above Latin that is neither Thai, a
/// space, punctuation nor a symbol block.
bool isOtherLetter(char32_t c) {
    if (c < 0x250 || isThai(c))
        return false;
    if (c >= 0x2000 && c <= 0x2BFF) // general punctuation, symbols, arrows, box drawing
        return false;
    if (c >= 0x3000 && c <= 0x303F) // CJK punctuation
        return false;
    if (c >= 0xFE00 && c <= 0xFE0F) // variation selectors
        return false;
    return c != 0xFEFF && c != 0x00A0;
}

struct BreakerDeleter {
    void operator()(ThBrk *b) const { th_brk_delete(b); }
};

ThBrk *breaker() {
    // One breaker per thread: a breaker is not safe to share between threads.
    thread_local std::unique_ptr<ThBrk, BreakerDeleter> brk(th_brk_new(nullptr));
    return brk.get();
}

} // namespace

int thaiWordsIn(std::u32string_view thaiRun) {
    if (thaiRun.empty())
        return 0;
    ThBrk *brk = breaker();
    if (!brk)
        return 1;
    std::vector<thwchar_t> wide(thaiRun.begin(), thaiRun.end());
    wide.push_back(0);
    std::vector<int> pos(thaiRun.size() + 1);
    const int found = th_brk_wc_find_breaks(brk, wide.data(), pos.data(), pos.size());
    int words = 1;
    for (int i = 0; i < found; ++i)
        if (pos[static_cast<std::size_t>(i)] > 0 && pos[static_cast<std::size_t>(i)] < static_cast<int>(thaiRun.size()))
            ++words;
    return words;
}

WordCounts countWords(std::u32string_view text) {
    WordCounts counts;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const char32_t c = text[i];
        if (isLineBreak(c)) {
            ++counts.lines;
            i += (c == U'\r' && i + 1 < n && text[i + 1] == U'\n') ? 2 : 1;
            continue;
        }
        std::size_t end = i + 1;
        if (isThai(c)) {
            while (end < n && isThai(text[end]))
                ++end;
            const int words = thaiWordsIn(text.substr(i, end - i));
            counts.thaiWords += words;
            counts.words += words;
        } else if (isLatinLetter(c)) {
            while (end < n &&
                   (isLatinLetter(text[end]) || (isJoiner(text[end]) && end + 1 < n && isLatinLetter(text[end + 1]))))
                ++end;
            ++counts.englishWords;
            ++counts.words;
        } else if (isDigit(c)) {
            while (end < n && (isDigit(text[end]) ||
                               ((text[end] == U'.' || text[end] == U',') && end + 1 < n && isDigit(text[end + 1]))))
                ++end;
            ++counts.words;
        } else if (isOtherLetter(c)) {
            while (end < n && isOtherLetter(text[end]))
                ++end;
            ++counts.words;
        }
        counts.characters += static_cast<int>(end - i);
        i = end;
    }
    // Lines: one per line break, plus the last line unless the text ends with its break.
    if (n > 0 && !isLineBreak(text[n - 1]))
        ++counts.lines;
    return counts;
}

} // namespace dlx

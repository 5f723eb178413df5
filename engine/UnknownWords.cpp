#include "UnknownWords.h"

#include <algorithm>

namespace dlx {

void UnknownWords::add(std::u32string_view w) {
    size_t end = w.size();
    while (end > 0 && !((w[end - 1] >= U'a' && w[end - 1] <= U'z') || (w[end - 1] >= U'A' && w[end - 1] <= U'Z')))
        --end;
    std::u32string word(w.substr(0, end));
    for (char32_t &c : word)
        if (c >= U'A' && c <= U'Z')
            c += 32;
    if (!word.empty())
        ++counts_[word];
}

std::vector<std::pair<std::u32string, long>> UnknownWords::mostFrequent() const {
    std::vector<std::pair<std::u32string, long>> sorted(counts_.begin(), counts_.end());
    std::sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    return sorted;
}

} // namespace dlx

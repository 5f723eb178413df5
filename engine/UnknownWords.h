#pragma once
// The English words a translation left untranslated, counted, for the list a reader works through.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace dlx {

class UnknownWords {
public:
    /// Counts a word as the translation reports it, reduced to its letters in lower case: "Xyz=" => "xyz".
    void add(std::u32string_view word);
    /// The words with their counts, most frequent first, then in alphabetical order.
    std::vector<std::pair<std::u32string, long>> mostFrequent() const;
    void clear() { counts_.clear(); }
    bool empty() const { return counts_.empty(); }

private:
    std::unordered_map<std::u32string, long> counts_;
};

} // namespace dlx

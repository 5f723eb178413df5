#include "WordLookup.h"

#include "ByteTable874.h"
#include "SuffixRules.h"
#include "Translator.h"
#include "Utf8.h"

#include <algorithm>
#include <unordered_map>

namespace dlx {
namespace {

// Longer meanings are not looked for under a click: no entry is that long, and the search stays quick.
constexpr std::size_t kLongestCoveringMeaning = 64;

std::u32string_view suffixText(SuffixFamily family) {
    switch (family) {
    case SuffixFamily::S:
        return U"-s";
    case SuffixFamily::ED:
        return U"-ed";
    case SuffixFamily::ING:
        return U"-ing";
    case SuffixFamily::ER:
        return U"-er";
    case SuffixFamily::EST:
        return U"-est";
    case SuffixFamily::None:
        break;
    }
    return U"";
}

/// The Windows-874 byte of each character the code page holds, as the letter files store it; 0 for none.
char byteOf(char32_t c) {
    static const std::unordered_map<char32_t, char> bytes = [] {
        std::unordered_map<char32_t, char> m;
        const auto &table = windows874Table();
        for (int b = 1; b < 256; ++b)
            m.emplace(table[static_cast<std::size_t>(b)], static_cast<char>(b));
        return m;
    }();
    if (c > 0 && c < 0x80)
        return static_cast<char>(c);
    const auto it = bytes.find(c);
    return it == bytes.end() ? '\0' : it->second;
}

Sense senseOf(const LetterIndex &index, LetterIndex::EntryNo entry) {
    Sense s;
    index.appendEnglish(entry, s.english);
    index.appendMeaning(entry, s.thai);
    index.appendLabel(entry, s.label);
    return s;
}

} // namespace

std::array<const LetterIndex *, 26> WordLookup::letters() {
    lexicon_.refresh();
    errors_.clear();
    std::array<const LetterIndex *, 26> all{};
    for (char32_t L = U'A'; L <= U'Z'; ++L) {
        auto index = lexicon_.letter(L);
        if (!index)
            errors_.push_back(index.error());
        else
            all[L - U'A'] = *index;
    }
    return all;
}

WordReport WordLookup::lookUp(std::u32string_view word) {
    WordReport report;
    report.word = trimSpaces(word);
    errors_.clear();
    const std::u32string upper = upperAscii(report.word);
    if (upper.empty() || upper[0] < U'A' || upper[0] > U'Z')
        return report;
    lexicon_.refresh();
    auto found = lexicon_.letter(upper[0]);
    if (!found) {
        report.error = found.error();
        errors_.push_back(found.error());
        return report;
    }
    const bool article = upper == U"THE" || upper == U"AN" || upper == U"A";
    if (article)
        report.reach = WordReach::Article;
    const LetterIndex *index = *found;
    if (!index)
        return report;

    // The same keys, walk and rendering as the translation's.
    WordKeys keys;
    wordKeys(report.word, keys);
    std::vector<LetterIndex::EntryNo> candidates;
    const ChosenEntry chosen = chooseEntry(*index, keys, &candidates);
    for (LetterIndex::EntryNo entry : candidates) {
        report.senses.push_back(senseOf(*index, entry));
        report.senses.back().used = !article && entry == chosen.entry;
    }
    if (article || chosen.entry == LetterIndex::kNone)
        return report;
    const Rendering rendering = findRendering(*index, report.word);
    report.rendering = rendering.meaning;
    if (chosen.rule < 0) {
        report.reach = WordReach::Exact;
    } else {
        report.reach = WordReach::Stem;
        index->appendEnglish(chosen.entry, report.stem);
        report.suffix = suffixText(keys.family);
    }
    return report;
}

std::vector<MeaningMatch> WordLookup::findMeaning(std::u32string_view thai, std::size_t limit) {
    std::vector<MeaningMatch> exact, partial;
    const std::u32string_view text = trimSpaces(thai);
    const auto all = letters();
    std::string needle;
    for (char32_t c : text) {
        const char b = byteOf(c);
        if (b == '\0')
            return {}; // no meaning holds a character the files cannot
        needle.push_back(b);
    }
    if (needle.empty())
        return {};
    std::vector<LetterIndex::EntryNo> hits;
    for (const LetterIndex *index : all) {
        if (!index)
            continue;
        hits.clear();
        index->findInMeanings(needle, hits);
        for (LetterIndex::EntryNo entry : hits) {
            if (index->meaningBytes(entry) == needle)
                exact.push_back({senseOf(*index, entry), true});
            else if (partial.size() < limit)
                partial.push_back({senseOf(*index, entry), false});
        }
    }
    exact.insert(exact.end(), partial.begin(), partial.end());
    if (exact.size() > limit)
        exact.resize(limit);
    return exact;
}

std::optional<WordLookup::Span> WordLookup::meaningAt(std::u32string_view text, std::size_t at) {
    if (at >= text.size())
        return std::nullopt;
    const auto all = letters();
    bool current = true;
    for (size_t L = 0; L < all.size(); ++L)
        current = current && meaningSerials_[L] == (all[L] ? all[L]->serial() : 0);
    if (!current) {
        meanings_.clear();
        longestMeaning_ = 0;
        for (size_t L = 0; L < all.size(); ++L) {
            meaningSerials_[L] = all[L] ? all[L]->serial() : 0;
            if (!all[L])
                continue;
            for (LetterIndex::EntryNo e = 0; e < all[L]->size(); ++e) {
                const std::string_view m = all[L]->meaningBytes(e);
                if (m.empty() || m.size() > kLongestCoveringMeaning)
                    continue;
                meanings_.emplace(m);
                longestMeaning_ = std::max(longestMeaning_, m.size());
            }
        }
    }
    // Every stretch of the text around the character, longest first; characters without a Windows-874 byte
    // break the text, as no meaning holds them.
    const size_t first = at >= longestMeaning_ ? at + 1 - longestMeaning_ : 0;
    const size_t last = std::min(text.size(), at + longestMeaning_);
    const std::u32string_view window = text.substr(first, last - first);
    std::string bytes(window.size(), '\n');
    for (size_t i = 0; i < window.size(); ++i)
        if (const char b = byteOf(window[i]))
            bytes[i] = b;
    const size_t pos = at - first;
    for (size_t length = std::min(longestMeaning_, bytes.size()); length > 0; --length)
        for (size_t start = pos + 1 >= length ? pos + 1 - length : 0; start <= pos && start + length <= bytes.size();
             ++start)
            if (meanings_.contains(std::string_view(bytes).substr(start, length)))
                return Span{first + start, length};
    return std::nullopt;
}

} // namespace dlx

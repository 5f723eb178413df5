#include "SuffixRules.h"

#include "Translator.h"
#include "Utf8.h"

#include <array>

using namespace std::literals;

namespace dlx {
namespace {

constexpr bool kHold = true, kWrite = false;

// clang-format off
//                                 cut with   cut without  stem    stem longer  label                 holds   Thai before  Thai after
//                                 space      space        ending  than         needed
constexpr SuffixRule kS[] = {     {2,         1,           U"",    2,           StemLabel::Any,       kWrite, U"",         U""}};
constexpr SuffixRule kED[] = {    {4,         3,           U"y",   2,           StemLabel::Any,       kWrite, U"",         U""},
                                  {3,         2,           U"",    2,           StemLabel::Any,       kWrite, U"",         U""},
                                  {2,         1,           U"",    2,           StemLabel::Any,       kWrite, U"",         U""}};
constexpr SuffixRule kING[] = {   {4,         3,           U"e",   1,           StemLabel::Verb,      kWrite, U"การ",      U""},
                                  {4,         3,           U"",    1,           StemLabel::Any,       kWrite, U"กำลัง",     U""},
                                  {5,         4,           U"",    1,           StemLabel::Verb,      kWrite, U"การ",      U""}};
constexpr SuffixRule kER[] = {    {3,         2,           U"",    2,           StemLabel::Adjective, kHold,  U"",         U"กว่า"},
                                  {4,         3,           U"y",   2,           StemLabel::Adjective, kHold,  U"",         U"กว่า"}};
constexpr SuffixRule kEST[] = {   {4,         3,           U"",    1,           StemLabel::Adjective, kHold,  U"",         U"ที่สุด"},
                                  {5,         4,           U"y",   1,           StemLabel::Adjective, kHold,  U"",         U"ที่สุด"}};
// clang-format on

std::u32string_view right(std::u32string_view s, size_t n) {
    return n >= s.size() ? s : s.substr(s.size() - n);
}

constexpr size_t kMaxRules = 3;

} // namespace

std::span<const SuffixRule> suffixRules(SuffixFamily family) {
    switch (family) {
    case SuffixFamily::S:
        return kS;
    case SuffixFamily::ED:
        return kED;
    case SuffixFamily::ING:
        return kING;
    case SuffixFamily::ER:
        return kER;
    case SuffixFamily::EST:
        return kEST;
    case SuffixFamily::None:
        break;
    }
    return {};
}

bool labelServes(StemLabel needs, Label label) {
    switch (needs) {
    case StemLabel::Any:
        return true;
    case StemLabel::Verb:
        return label == Label::TransitiveVerb || label == Label::IntransitiveVerb;
    case StemLabel::Adjective:
        return label == Label::Adjective;
    }
    return false;
}

SuffixFamily suffixFamily(std::u32string_view U, bool &withSpace) {
    const auto r1 = right(U, 1), r2 = right(U, 2), r3 = right(U, 3), r4 = right(U, 4);
    // The two-character tail equals "D" only for the word D itself, which no family takes.
    withSpace = r2 == U"S "sv || r2 == U"D"sv || r3 == U"ED "sv || r3 == U"ER "sv || r4 == U"ING "sv || r4 == U"EST "sv;
    const bool withoutSpace = !withSpace && (r1 == U"S"sv || r2 == U"D"sv || r2 == U"ED"sv || r2 == U"ER"sv ||
                                             r3 == U"ING"sv || r3 == U"EST"sv);
    if (withSpace) {
        if (trimSpaces(r2) == U"S"sv)
            return SuffixFamily::S;
        if (trimSpaces(r3) == U"ED"sv)
            return SuffixFamily::ED;
        if (trimSpaces(r4) == U"ING"sv && U.substr(0, U.size() - 4) != U"US"sv)
            return SuffixFamily::ING;
        if (trimSpaces(r3) == U"ER"sv)
            return SuffixFamily::ER;
        if (trimSpaces(r4) == U"EST"sv)
            return SuffixFamily::EST;
    } else if (withoutSpace) {
        if (r1 == U"S"sv)
            return SuffixFamily::S;
        if (r2 == U"ED"sv)
            return SuffixFamily::ED;
        if (r3 == U"ING"sv && U.substr(0, U.size() - 3) != U"US"sv)
            return SuffixFamily::ING;
        if (r2 == U"ER"sv)
            return SuffixFamily::ER;
        if (r3 == U"EST"sv)
            return SuffixFamily::EST;
    }
    return SuffixFamily::None;
}

Rendering findRendering(const LetterIndex &index, std::u32string_view word) {
    Rendering out;
    findRendering(index, word, out);
    return out;
}

void findRendering(const LetterIndex &index, std::u32string_view word, Rendering &out) {
    out.how = Rendering::How::Unrendered;
    out.meaning.clear();
    out.label = Label::Other;
    if (index.empty())
        return;
    // Scratch strings reused from word to word.
    thread_local std::u32string upper;
    thread_local std::array<std::u32string, kMaxRules> stems;
    upper.assign(word);
    for (char32_t &c : upper)
        if (c >= U'a' && c <= U'z')
            c -= 32;
    const std::u32string_view key = trimSpaces(upper);

    // The entries that can render the word are those whose key is the word's key or one of its stems; the
    // first of them in file order that renders it wins, exactly as a scan from the top would find.
    bool withSpace = false;
    const SuffixFamily family = suffixFamily(upper, withSpace);
    const std::span<const SuffixRule> rules = suffixRules(family);
    std::array<bool, kMaxRules> stemUsable{};
    const size_t n = upper.size();
    for (size_t j = 0; j < rules.size(); ++j) {
        const SuffixRule &r = rules[j];
        const size_t cut = withSpace ? r.cutWithSpace : r.cutWithoutSpace;
        if (cut > n)
            continue;
        std::u32string &stem = stems[j];
        stem.assign(upper, 0, n - cut);
        for (char32_t c : r.stemEnding)
            stem.push_back(c - 32); // the endings are lower-case a-z
        stemUsable[j] = stem.size() > r.stemLongerThan;
        const std::u32string_view trimmed = trimSpaces(stem);
        if (trimmed.size() != stem.size())
            stem.assign(trimmed);
    }

    // Walk the candidate entries of every key in file order, always taking the lowest entry number next.
    std::array<LetterIndex::EntryNo, kMaxRules + 1> at;
    at.fill(LetterIndex::kNone);
    at[0] = index.first(key);
    for (size_t j = 0; j < rules.size(); ++j)
        if (stemUsable[j])
            at[j + 1] = index.first(stems[j]);
    for (;;) {
        LetterIndex::EntryNo entry = LetterIndex::kNone;
        for (auto e : at)
            entry = std::min(entry, e);
        if (entry == LetterIndex::kNone)
            break;
        for (auto &e : at)
            if (e == entry)
                e = index.next(e);

        if (index.keyIs(entry, key)) {
            out.how = Rendering::How::Exact;
            index.appendMeaning(entry, out.meaning);
            out.label = index.label(entry);
            return;
        }
        for (size_t j = 0; j < rules.size(); ++j) {
            const SuffixRule &r = rules[j];
            if (!stemUsable[j] || !index.keyIs(entry, stems[j]) || !labelServes(r.needs, index.label(entry)))
                continue;
            out.how = r.holds ? Rendering::How::Hold : Rendering::How::Write;
            out.meaning.assign(r.thaiBefore);
            index.appendMeaning(entry, out.meaning);
            out.meaning.append(r.thaiAfter);
            out.label = index.label(entry);
            return;
        }
    }

    // Nothing rendered the word. A suffixed word is written as it stands, unless the last entry matched the
    // family's last stem without the adjective label.
    if (family == SuffixFamily::None)
        return;
    const size_t lastRule = rules.size() - 1;
    const bool lastStemMatched = stemUsable[lastRule] && index.keyIs(index.size() - 1, stems[lastRule]);
    if ((family == SuffixFamily::ER || family == SuffixFamily::EST) && lastStemMatched)
        return;
    out.how = Rendering::How::RawFallback;
}

} // namespace dlx

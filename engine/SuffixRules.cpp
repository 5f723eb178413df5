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

void wordKeys(std::u32string_view word, WordKeys &out) {
    out.upper.assign(word);
    for (char32_t &c : out.upper)
        if (c >= U'a' && c <= U'z')
            c -= 32;
    out.key.assign(trimSpaces(out.upper));
    out.family = suffixFamily(out.upper, out.withSpace);
    out.rules = suffixRules(out.family);
    out.stemUsable.fill(false);
    const size_t n = out.upper.size();
    for (size_t j = 0; j < out.rules.size(); ++j) {
        const SuffixRule &r = out.rules[j];
        const size_t cut = out.withSpace ? r.cutWithSpace : r.cutWithoutSpace;
        if (cut > n)
            continue;
        std::u32string &stem = out.stems[j];
        stem.assign(out.upper, 0, n - cut);
        for (char32_t c : r.stemEnding)
            stem.push_back(c - 32); // the endings are lower-case a-z
        out.stemUsable[j] = stem.size() > r.stemLongerThan;
        const std::u32string_view trimmed = trimSpaces(stem);
        if (trimmed.size() != stem.size())
            stem.assign(trimmed);
    }
}

ChosenEntry chooseEntry(const LetterIndex &index, const WordKeys &keys, std::vector<LetterIndex::EntryNo> *candidates) {
    ChosenEntry chosen;
    if (index.empty())
        return chosen;
    // The entries that can render the word are those whose key is the word's key or one of its stems; the
    // first of them in file order that renders it wins, exactly as a scan from the top would find. The walk
    // takes the lowest entry number of every key's chain next.
    const auto &rules = keys.rules;
    std::array<LetterIndex::EntryNo, kMaxSuffixRules + 1> at;
    at.fill(LetterIndex::kNone);
    at[0] = index.first(keys.key);
    for (size_t j = 0; j < rules.size(); ++j)
        if (keys.stemUsable[j])
            at[j + 1] = index.first(keys.stems[j]);
    for (;;) {
        LetterIndex::EntryNo entry = LetterIndex::kNone;
        for (auto e : at)
            entry = std::min(entry, e);
        if (entry == LetterIndex::kNone)
            break;
        for (auto &e : at)
            if (e == entry)
                e = index.next(e);
        if (candidates)
            candidates->push_back(entry);
        if (chosen.entry != LetterIndex::kNone)
            continue;

        if (index.keyIs(entry, keys.key)) {
            chosen = {entry, -1};
        } else {
            for (size_t j = 0; j < rules.size(); ++j)
                if (keys.stemUsable[j] && index.keyIs(entry, keys.stems[j]) &&
                    labelServes(rules[j].needs, index.label(entry))) {
                    chosen = {entry, static_cast<int>(j)};
                    break;
                }
        }
        if (chosen.entry != LetterIndex::kNone && !candidates)
            break;
    }
    return chosen;
}

void findRendering(const LetterIndex &index, std::u32string_view word, Rendering &out) {
    out.how = Rendering::How::Unrendered;
    out.meaning.clear();
    out.label = Label::Other;
    if (index.empty())
        return;
    thread_local WordKeys keys; // scratch strings reused from word to word
    wordKeys(word, keys);
    const ChosenEntry chosen = chooseEntry(index, keys);
    if (chosen.entry != LetterIndex::kNone) {
        out.label = index.label(chosen.entry);
        if (chosen.rule < 0) {
            out.how = Rendering::How::Exact;
            index.appendMeaning(chosen.entry, out.meaning);
            return;
        }
        const SuffixRule &r = keys.rules[static_cast<size_t>(chosen.rule)];
        out.how = r.holds ? Rendering::How::Hold : Rendering::How::Write;
        out.meaning.assign(r.thaiBefore);
        index.appendMeaning(chosen.entry, out.meaning);
        out.meaning.append(r.thaiAfter);
        return;
    }

    // Nothing rendered the word. A suffixed word is written as it stands, unless the last entry matched the
    // family's last stem without the adjective label.
    if (keys.family == SuffixFamily::None)
        return;
    const size_t lastRule = keys.rules.size() - 1;
    const bool lastStemMatched = keys.stemUsable[lastRule] && index.keyIs(index.size() - 1, keys.stems[lastRule]);
    if ((keys.family == SuffixFamily::ER || keys.family == SuffixFamily::EST) && lastStemMatched)
        return;
    out.how = Rendering::How::RawFallback;
}

} // namespace dlx

#include "Translator.h"

#include "Utf8.h"

#include <array>
#include <string_view>

using namespace std::literals;

namespace dlx {
namespace {

// Characters that end a word in the middle of a line (besides Tab). "?" and "." end a word only at the end of
// a line or before a space or Tab.
constexpr std::u32string_view kBoundary = U" ,:-;+/*[]{}()<>|=^&!%#@$_\\'";
// Boundary characters that are passed on as a separator of their own.
constexpr std::u32string_view kSeparatorMarks = U":-;+*/{}[]()><|_&^%$#@!\\";
// The marks of the word step: held text is written out before them.
constexpr std::u32string_view kMarks = U"?.,:-()[]{};*+><|=_&^%$#@!\\";

// The character scan asks these for every character of the text, so they are tables.
struct CharSet {
    std::array<bool, 128> in{};
    constexpr explicit CharSet(std::u32string_view chars) {
        for (char32_t c : chars)
            in[c] = true;
    }
    constexpr bool operator()(char32_t c) const { return c < 128 && in[c]; }
};
constexpr CharSet isBoundary{kBoundary};
constexpr CharSet isSeparatorMark{kSeparatorMarks};
constexpr CharSet isMark{kMarks};

void strip(std::u32string &word, size_t n) {
    word.resize(word.size() > n ? word.size() - n : 0);
}

std::u32string_view right(std::u32string_view s, size_t n) {
    return n >= s.size() ? s : s.substr(s.size() - n);
}

enum class Family { None, S, ED, ING, ER, EST };
enum class Need { Nothing, Verb, Adjective };
enum class Render { Write, Hold };

struct SubRule {
    int kA, kB;
    std::u32string_view suffix;
    size_t minimum;
    Need need;
    Render render;
    std::u32string_view before, after; // the meaning is wrapped as before + T + after
};

constexpr SubRule kS[] = {{2, 1, U"", 2, Need::Nothing, Render::Write, U"", U""}};
constexpr SubRule kED[] = {{4, 3, U"y", 2, Need::Nothing, Render::Write, U"", U""},
                           {3, 2, U"", 2, Need::Nothing, Render::Write, U"", U""},
                           {2, 1, U"", 2, Need::Nothing, Render::Write, U"", U""}};
constexpr SubRule kING[] = {{4, 3, U"e", 1, Need::Verb, Render::Write, U"การ", U""},
                            {4, 3, U"", 1, Need::Nothing, Render::Write, U"กำลัง", U""},
                            {5, 4, U"", 1, Need::Verb, Render::Write, U"การ", U""}};
constexpr SubRule kER[] = {{3, 2, U"", 2, Need::Adjective, Render::Hold, U"", U"กว่า"},
                           {4, 3, U"y", 2, Need::Adjective, Render::Hold, U"", U"กว่า"}};
constexpr SubRule kEST[] = {{4, 3, U"", 1, Need::Adjective, Render::Hold, U"", U"ที่สุด"},
                            {5, 4, U"y", 1, Need::Adjective, Render::Hold, U"", U"ที่สุด"}};

struct FamilyRules {
    const SubRule *rules = nullptr;
    size_t count = 0;
};

FamilyRules rulesOf(Family f) {
    switch (f) {
    case Family::S:
        return {kS, std::size(kS)};
    case Family::ED:
        return {kED, std::size(kED)};
    case Family::ING:
        return {kING, std::size(kING)};
    case Family::ER:
        return {kER, std::size(kER)};
    case Family::EST:
        return {kEST, std::size(kEST)};
    case Family::None:
        break;
    }
    return {};
}

bool labelFits(Need need, Label label) {
    switch (need) {
    case Need::Nothing:
        return true;
    case Need::Verb:
        return label == Label::TransitiveVerb || label == Label::IntransitiveVerb;
    case Need::Adjective:
        return label == Label::Adjective;
    }
    return false;
}

/// Which suffix family applies to the upper-cased word U, and whether it is group A (trailing space).
Family familyOf(std::u32string_view U, bool &groupA) {
    const auto r1 = right(U, 1), r2 = right(U, 2), r3 = right(U, 3), r4 = right(U, 4);
    groupA = r2 == U"S "sv || r2 == U"D"sv || r3 == U"ED "sv || r3 == U"ER "sv || r4 == U"ING "sv || r4 == U"EST "sv;
    const bool groupB =
        !groupA && (r1 == U"S"sv || r2 == U"D"sv || r2 == U"ED"sv || r2 == U"ER"sv || r3 == U"ING"sv || r3 == U"EST"sv);
    if (groupA) {
        if (trimSpaces(r2) == U"S"sv)
            return Family::S;
        if (trimSpaces(r3) == U"ED"sv)
            return Family::ED;
        if (trimSpaces(r4) == U"ING"sv && U.substr(0, U.size() - 4) != U"US"sv)
            return Family::ING;
        if (trimSpaces(r3) == U"ER"sv)
            return Family::ER;
        if (trimSpaces(r4) == U"EST"sv)
            return Family::EST;
    } else if (groupB) {
        if (r1 == U"S"sv)
            return Family::S;
        if (r2 == U"ED"sv)
            return Family::ED;
        if (r3 == U"ING"sv && U.substr(0, U.size() - 3) != U"US"sv)
            return Family::ING;
        if (r2 == U"ER"sv)
            return Family::ER;
        if (r3 == U"EST"sv)
            return Family::EST;
    }
    return Family::None;
}

} // namespace

void Translator::wordStep() {
    CheckMean();
    if (s_.WordConsumed != 1) {
        s_.Text4 += s_.CurrentWord;
        s_.CurrentWord.clear();
    }
}

void Translator::translateLine(std::u32string_view line) {
    s_.AtLineEnd = false;
    s_.SourceLine.assign(line);
    s_.Text3.assign(line);
    const size_t len = line.size();
    auto separator = [this](std::u32string_view sep) {
        s_.CurrentWord.assign(sep);
        wordStep();
    };
    for (size_t i = 1; i <= len; ++i) {
        s_.CharIndex = static_cast<int>(i);
        const char32_t c = line[i - 1];
        s_.CurrentWord.push_back(c);
        const bool last = i == len;
        if (!last && c != U'\t' && !isBoundary(c))
            continue;
        if (last)
            s_.AtLineEnd = true;
        const char32_t prev = i >= 2 ? line[i - 2] : 0;
        if (c == U'?' || c == U'.' || c == U',') {
            strip(s_.CurrentWord, 1);
            wordStep();
            separator(std::u32string(1, c));
        } else if (c == U'\'') {
            strip(s_.CurrentWord, 1);
            wordStep();
            separator(U"");
        } else if (isSeparatorMark(c)) {
            strip(s_.CurrentWord, 1);
            wordStep();
            separator(std::u32string(1, c));
        } else if (c == U' ') {
            if (i == 1) {
                wordStep();
            } else if (prev == U'?' || prev == U'.') {
                strip(s_.CurrentWord, 2);
                wordStep();
                separator(prev == U'?' ? U"? " : U". ");
            } else if (prev == U' ') {
                strip(s_.CurrentWord, 1);
                wordStep();
                separator(U" ");
            } else {
                wordStep(); // the word keeps its space: it selects the suffix rules' group A
            }
        } else if (c == U'\t') {
            if (i == 1 || prev == U'\t') {
                wordStep();
            } else if (prev == U'?' || prev == U'.') {
                strip(s_.CurrentWord, 2);
                wordStep();
                separator(prev == U'?' ? U"?\t" : U".\t");
            } else {
                strip(s_.CurrentWord, 1);
                wordStep();
                separator(U"\t");
            }
        } else {
            wordStep(); // "=" in mid-line stays on the word; so does any last character
        }
    }
}

void Translator::flushHeldModifiers() {
    s_.Text4 += s_.HeldModifiers;
    s_.HeldModifiers.clear();
}

void Translator::CheckMean() {
    // The key is the piece without surrounding spaces, a-z upper-cased; it is compared without making a copy.
    const std::u32string_view key = trimSpaces(s_.CurrentWord);
    auto up = [](char32_t c) { return c >= U'a' && c <= U'z' ? c - 32 : c; };
    auto keyIs = [&](std::u32string_view upperWord) {
        if (key.size() != upperWord.size())
            return false;
        for (size_t i = 0; i < key.size(); ++i)
            if (up(key[i]) != upperWord[i])
                return false;
        return true;
    };
    if (keyIs(U"THE") || keyIs(U"AN")) {
        s_.CurrentWord.clear();
        s_.WordConsumed = 0;
        return;
    }
    if (keyIs(U"A")) {
        append(U"อะ.-");
        s_.CurrentWord.clear();
        s_.WordConsumed = 1;
        return;
    }
    if (!key.empty() && up(key[0]) >= U'A' && up(key[0]) <= U'Z') {
        LookupWord(up(key[0]));
        return;
    }
    const bool mark = key.size() == 1 && isMark(key[0]);
    const bool markTab = key.size() == 2 && isMark(key[0]) && key[1] == U'\t';
    if (mark || markTab) {
        append(s_.HeldModifiers);
        append(s_.HeldPhrase);
        append(key);
        s_.CurrentWord.clear();
        s_.HeldPhrase.clear();
        s_.HeldModifiers.clear();
        s_.WordConsumed = 1;
        return;
    }
    if (key == U"\t") {
        append(U"\t");
        s_.CurrentWord.clear();
        s_.WordConsumed = 1;
        return;
    }
    append(s_.CurrentWord);
    flushHeldModifiers();
    s_.CurrentWord.clear();
    s_.WordConsumed = 0;
}

void Translator::renderExact(const std::u32string &thai, Label label) {
    if (mode == TranslationMode::WordForWord) {
        append(thai);
        s_.CurrentWord.clear();
        s_.WordConsumed = 1;
        return;
    }
    switch (label) {
    case Label::Question:
        flushHeldModifiers();
        s_.HeldPhrase += thai; // a second question word keeps the first one's meaning
        s_.PrevWordClass = 3;
        s_.PrevPos = U"q";
        break;
    case Label::Be:
        switch (s_.PrevWordClass) {
        case 1:
            flushHeldModifiers(), append(U"คือ");
            break;
        case 2:
            flushHeldModifiers(), append(U"อยู่");
            break;
        case 3:
            flushHeldModifiers(), s_.PrevWordClass = 0;
            break;
        default:
            flushHeldModifiers(), append(U"เป็น");
            break;
        }
        s_.PrevPos = U"BE";
        break;
    case Label::Adjective:
        if (s_.PrevPos == U"n")
            flushHeldModifiers();
        s_.HeldModifiers.insert(0, thai);
        s_.PrevWordClass = 2;
        s_.PrevPos = U"adj";
        break;
    case Label::Pronoun:
        flushHeldModifiers();
        append(thai);
        s_.PrevWordClass = 0;
        s_.PrevPos = U"pro";
        break;
    case Label::Conjunction: {
        std::u32string_view t = thai;
        const bool c = s_.PrevPos != U"BE" || s_.ComparisonOpen;
        if (c && s_.PrevPos != U"vi") {
            if (s_.ComparisonOpen && t == U"เป็น") {
                t = U"เหมือนกับ";
                s_.ComparisonOpen = false;
            }
        } else if (t == U"ดังนั้น" || t == U"เป็น") {
            t = U"";
            s_.ComparisonOpen = true;
        }
        flushHeldModifiers();
        append(t);
        s_.PrevWordClass = 2;
        s_.PrevPos = U"con";
        break;
    }
    case Label::IntransitiveVerb:
    case Label::TransitiveVerb:
        flushHeldModifiers();
        append(thai);
        s_.PrevWordClass = 1;
        s_.PrevPos = label == Label::IntransitiveVerb ? U"vi" : U"vt";
        break;
    case Label::Noun:
        s_.HeldModifiers.insert(0, thai);
        s_.PrevWordClass = 1;
        s_.PrevPos = U"n";
        break;
    case Label::Other:
        flushHeldModifiers();
        append(thai);
        s_.PrevWordClass = 2;
        break;
    }
    s_.CurrentWord.clear();
    s_.WordConsumed = 1;
    if (s_.AtLineEnd) {
        flushHeldModifiers();
        append(s_.HeldPhrase);
        s_.HeldPhrase.clear();
        s_.CurrentWord.clear();
        s_.WordConsumed = 0;
        s_.AtLineEnd = false;
        s_.PrevPos.clear();
        s_.ComparisonOpen = false;
    }
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
    if (index.entries.empty())
        return;
    // Scratch strings reused from word to word: the lookup runs for every word of the text.
    thread_local std::u32string upper;
    thread_local std::array<std::u32string, 3> stemKeys;
    upper.assign(word);
    for (char32_t &c : upper)
        if (c >= U'a' && c <= U'z')
            c -= 32;
    const std::u32string_view key = trimSpaces(upper);

    // The lines that can render the word are those whose key is the word's key or one of its stems; the
    // first of them in file order that renders it wins, exactly as a scan from the top would find.
    bool groupA = false;
    const Family family = familyOf(upper, groupA);
    const FamilyRules fr = rulesOf(family);
    std::array<bool, 3> stemValid{};
    const size_t n = upper.size();
    for (size_t j = 0; j < fr.count; ++j) {
        const SubRule &r = fr.rules[j];
        const size_t k = static_cast<size_t>(groupA ? r.kA : r.kB);
        if (k > n)
            continue;
        std::u32string &stem = stemKeys[j];
        stem.assign(upper, 0, n - k);
        for (char32_t c : r.suffix)
            stem.push_back(c - 32); // the suffix letters are lower-case a-z
        stemValid[j] = stem.size() > r.minimum;
        const std::u32string_view trimmed = trimSpaces(stem);
        if (trimmed.size() != stem.size())
            stem.assign(trimmed);
    }

    std::array<const std::vector<std::uint32_t> *, 4> lists{};
    std::array<size_t, 4> pos{};
    lists[0] = index.find(key);
    for (size_t j = 0; j < fr.count; ++j)
        if (stemValid[j])
            lists[j + 1] = index.find(stemKeys[j]);

    for (;;) {
        std::uint32_t best = UINT32_MAX;
        for (size_t l = 0; l < lists.size(); ++l)
            if (lists[l] && pos[l] < lists[l]->size())
                best = std::min(best, (*lists[l])[pos[l]]);
        if (best == UINT32_MAX)
            break;
        for (size_t l = 0; l < lists.size(); ++l)
            if (lists[l] && pos[l] < lists[l]->size() && (*lists[l])[pos[l]] == best)
                ++pos[l];

        const LexiconEntry &e = index.entries[best];
        if (e.key == key) {
            out.how = Rendering::How::Exact;
            out.meaning.assign(e.thai);
            out.label = e.label;
            return;
        }
        for (size_t j = 0; j < fr.count; ++j) {
            const SubRule &r = fr.rules[j];
            if (!stemValid[j] || e.key != stemKeys[j] || !labelFits(r.need, e.label))
                continue;
            out.how = r.render == Render::Write ? Rendering::How::Write : Rendering::How::Hold;
            out.meaning.append(r.before).append(e.thai).append(r.after);
            out.label = e.label;
            return;
        }
    }

    // Nothing rendered the word. A suffixed word is written as it stands, unless the last line matched the
    // family's last stem without the adjective label.
    if (family == Family::None)
        return;
    const size_t lastRule = fr.count - 1;
    const bool lastStemMatched = stemValid[lastRule] && index.entries.back().key == stemKeys[lastRule];
    if ((family == Family::ER || family == Family::EST) && lastStemMatched)
        return;
    out.how = Rendering::How::RawFallback;
    return;
}

namespace {
constexpr size_t kMemoLimit = 200000; // per letter; beyond it words are looked up afresh each time
}

void Translator::LookupWord(char32_t letter) {
    s_.WordConsumed = 0;
    const Rendering *found = &rendering_;
    rendering_.how = Rendering::How::Unrendered;
    if (finder) {
        bool usable = true;
        rendering_ = finder(letter, s_.CurrentWord, usable);
        if (!usable)
            return;
    } else {
        std::string readError;
        const LetterIndex *index = lexicon_.letter(letter, &readError);
        if (!readError.empty())
            return; // the word step ends quietly; the driver writes the word unchanged
        if (index) {
            Memo &memo = memo_[letter - U'A'];
            if (memo.serial != index->serial) {
                memo.renderings.clear();
                memo.serial = index->serial;
            }
            if (auto it = memo.renderings.find(std::u32string_view(s_.CurrentWord)); it != memo.renderings.end()) {
                found = &it->second;
            } else {
                findRendering(*index, s_.CurrentWord, rendering_);
                if (memo.renderings.size() < kMemoLimit)
                    found = &memo.renderings.emplace(s_.CurrentWord, rendering_).first->second;
            }
        }
    }
    const Rendering &r = *found;
    switch (r.how) {
    case Rendering::How::Exact:
        renderExact(r.meaning, r.label);
        return;
    case Rendering::How::Write:
        append(r.meaning);
        flushHeldModifiers();
        break;
    case Rendering::How::Hold:
        s_.HeldModifiers.insert(0, r.meaning);
        s_.PrevPos = U"adj";
        break;
    case Rendering::How::RawFallback:
        if (onUnknownWord)
            onUnknownWord(trimSpaces(s_.CurrentWord));
        append(s_.CurrentWord);
        s_.CurrentWord.clear();
        s_.PrevWordClass = 2;
        s_.WordConsumed = 0;
        return;
    case Rendering::How::Unrendered:
        if (onUnknownWord)
            onUnknownWord(trimSpaces(s_.CurrentWord));
        return;
    }
    s_.CurrentWord.clear();
    s_.PrevWordClass = 2;
    s_.WordConsumed = 1;
}

} // namespace dlx

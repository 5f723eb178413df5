#include "PlainReference.h"

#include "Driver.h"
#include "LetterFile.h"
#include "Utf8.h"

#include <algorithm>
#include <set>

namespace dlx::plain {
namespace {

std::u32string key(std::u32string_view s) {
    return upperAscii(trimSpaces(s));
}

std::u32string U(std::u32string_view s) {
    return upperAscii(s);
}

std::u32string Right(std::u32string_view w, size_t n) {
    return std::u32string(n >= w.size() ? w : w.substr(w.size() - n));
}

std::u32string Trim(std::u32string_view s) {
    return std::u32string(trimSpaces(s));
}

bool isVerb(const std::u32string &p) {
    return p == U"vt.(สกรรมกริยา)" || p == U"vi.(อกรรมกริยา)";
}

bool oneOf(char32_t c, std::u32string_view set) {
    return set.find(c) != std::u32string_view::npos;
}

} // namespace

void translateLine(Translator &t, std::u32string_view line) {
    TranslationState &s = t.state();
    auto strip = [&](size_t n) { s.CurrentWord.resize(s.CurrentWord.size() > n ? s.CurrentWord.size() - n : 0); };
    auto separator = [&](std::u32string_view piece) {
        s.CurrentWord = piece;
        t.wordStep();
    };
    const std::u32string_view quotes = U"\"\u201C\u201D\u2026";
    s.AtLineEnd = false;
    for (size_t i = 1; i <= line.size(); ++i) {
        const char32_t c = line[i - 1], before = i >= 2 ? line[i - 2] : 0;
        s.CurrentWord.push_back(c);
        const bool boundary = oneOf(c, U" ,:-;+/*[]{}()<>|=^&!%#@$_\\'\u2018\u2019") || oneOf(c, quotes);
        if (!boundary && c != U'\t' && i != line.size())
            continue;
        if (i == line.size())
            s.AtLineEnd = true;
        if (c == U'?' || c == U'.' || c == U',') {
            strip(1), t.wordStep(), separator(std::u32string(1, c));
        } else if (oneOf(c, U"'\u2018\u2019")) {
            strip(1), t.wordStep(), separator(U"");
        } else if (oneOf(c, quotes) && (before == U'?' || before == U'.')) {
            strip(2), t.wordStep(), separator(std::u32string(1, before)), separator(std::u32string(1, c));
        } else if (oneOf(c, quotes) || oneOf(c, U":-;+*/{}[]()><|_&^%$#@!\\")) {
            strip(1), t.wordStep(), separator(std::u32string(1, c));
        } else if (c == U' ' && i == 1) {
            t.wordStep();
        } else if (c == U' ' && (before == U'?' || before == U'.')) {
            strip(2), t.wordStep(), separator(std::u32string(1, before) + U" ");
        } else if (c == U' ' && before == U' ') {
            strip(1), t.wordStep(), separator(U" ");
        } else if (c == U'\t' && (i == 1 || before == U'\t')) {
            t.wordStep();
        } else if (c == U'\t' && (before == U'?' || before == U'.')) {
            strip(2), t.wordStep(), separator(std::u32string(1, before) + U"\t");
        } else if (c == U'\t') {
            strip(1), t.wordStep(), separator(U"\t");
        } else {
            t.wordStep();
        }
    }
}

std::vector<std::u32string> translateLines(Translator &t, const std::vector<std::u32string> &lines) {
    TranslationState &s = t.state();
    std::vector<std::u32string> done;
    for (const auto &line : lines) {
        translateLine(t, line);
        done.push_back(s.Text4);
        s.Text4.clear();
        s.CurrentWord.clear();
    }
    if (!done.empty())
        appendHeldText(s, done.back());
    return done;
}

Rendering lookup(const std::vector<std::u32string> &rawLines, std::u32string_view word) {
    // Only lines with a "/" are dictionary lines.
    std::vector<DictionaryEntry> lines;
    for (const auto &l : rawLines)
        if (auto e = parseEntry(l))
            lines.push_back(*e);
    Rendering out;
    const std::u32string W(word);
    const std::u32string UW = U(W);
    const size_t len = W.size();
    enum { None, S, ED, ING, ER, EST } family = None;
    bool groupA = Right(UW, 2) == U"S " || Right(UW, 2) == U"D" || Right(UW, 3) == U"ED " || Right(UW, 3) == U"ER " ||
                  Right(UW, 4) == U"ING " || Right(UW, 4) == U"EST ";
    bool groupB = !groupA && (Right(UW, 1) == U"S" || Right(UW, 2) == U"D" || Right(UW, 2) == U"ED" ||
                              Right(UW, 2) == U"ER" || Right(UW, 3) == U"ING" || Right(UW, 3) == U"EST");
    auto left = [&](long n) { return n <= 0 ? std::u32string() : UW.substr(0, static_cast<size_t>(n)); };
    if (groupA) {
        if (Trim(Right(UW, 2)) == U"S")
            family = S;
        else if (Trim(Right(UW, 3)) == U"ED")
            family = ED;
        else if (Trim(Right(UW, 4)) == U"ING" && left(static_cast<long>(len) - 4) != U"US")
            family = ING;
        else if (Trim(Right(UW, 3)) == U"ER")
            family = ER;
        else if (Trim(Right(UW, 4)) == U"EST")
            family = EST;
    } else if (groupB) {
        if (Right(UW, 1) == U"S")
            family = S;
        else if (Right(UW, 2) == U"ED")
            family = ED;
        else if (Right(UW, 3) == U"ING" && left(static_cast<long>(len) - 3) != U"US")
            family = ING;
        else if (Right(UW, 2) == U"ER")
            family = ER;
        else if (Right(UW, 3) == U"EST")
            family = EST;
    }
    // stem(kA, kB, s): Left(W, len - k) & s, or nothing when k > len.
    auto stem = [&](int kA, int kB, std::u32string_view s, bool &ok) {
        const size_t k = static_cast<size_t>(groupA ? kA : kB);
        ok = k <= len;
        return ok ? W.substr(0, len - k) + std::u32string(s) : std::u32string();
    };
    bool lastSubruleMatched = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto &E = lines[i].english;
        const auto &T = lines[i].thai;
        const auto &P = lines[i].label;
        lastSubruleMatched = false;
        if (key(W) == key(E)) {
            out.how = Rendering::How::Exact;
            out.meaning = T;
            out.label = classifyLabel(P);
            return out;
        }
        auto tryStem = [&](int kA, int kB, std::u32string_view s, size_t minimum) {
            bool ok;
            std::u32string st = stem(kA, kB, s, ok);
            return ok && key(st) == key(E) && st.size() > minimum;
        };
        auto write = [&](std::u32string m) {
            out.how = Rendering::How::Write;
            out.meaning = std::move(m);
            out.label = classifyLabel(P);
            return out;
        };
        auto hold = [&](std::u32string m) {
            out.how = Rendering::How::Hold;
            out.meaning = std::move(m);
            out.label = classifyLabel(P);
            return out;
        };
        switch (family) {
        case S:
            if (tryStem(2, 1, U"", 2))
                return write(T);
            break;
        case ED:
            if (tryStem(4, 3, U"y", 2))
                return write(T);
            if (tryStem(3, 2, U"", 2))
                return write(T);
            if (tryStem(2, 1, U"", 2))
                return write(T);
            break;
        case ING:
            if (tryStem(4, 3, U"e", 1) && isVerb(P))
                return write(U"การ" + T);
            if (tryStem(4, 3, U"", 1))
                return write(U"กำลัง" + T);
            if (tryStem(5, 4, U"", 1) && isVerb(P))
                return write(U"การ" + T);
            break;
        case ER:
            if (tryStem(3, 2, U"", 2) && P == U"adj.(คุณศัพท์)")
                return hold(T + U"กว่า");
            if (tryStem(4, 3, U"y", 2)) {
                if (P == U"adj.(คุณศัพท์)")
                    return hold(T + U"กว่า");
                lastSubruleMatched = true;
            }
            break;
        case EST:
            if (tryStem(4, 3, U"", 1) && P == U"adj.(คุณศัพท์)")
                return hold(T + U"ที่สุด");
            if (tryStem(5, 4, U"y", 1)) {
                if (P == U"adj.(คุณศัพท์)")
                    return hold(T + U"ที่สุด");
                lastSubruleMatched = true;
            }
            break;
        case None:
            break;
        }
        if (i + 1 == lines.size() && family != None && !lastSubruleMatched)
            out.how = Rendering::How::RawFallback;
    }
    return out;
}

std::u32string rewrite(std::u32string text, const std::vector<ThaiIdiomRule> &rules) {
    // The runs of characters that some search text holds, each with the most it may grow to.
    std::set<char32_t> searched;
    std::size_t longest = 0;
    for (const auto &rule : rules) {
        searched.insert(rule.search.begin(), rule.search.end());
        longest = std::max(longest, rule.replacement.size());
    }
    struct Run {
        std::size_t start, end, room;
    };
    std::vector<Run> runs;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!searched.count(text[i]))
            continue;
        std::size_t j = i;
        while (j < text.size() && searched.count(text[j]))
            ++j;
        runs.push_back({i, j, PhraseRewriter::kGrowthFactor * (j - i) + longest});
        i = j;
    }
    for (const auto &rule : rules) {
        std::size_t made = 0, from = 0;
        for (;;) {
            const size_t at = text.find(rule.search, from);
            if (at == std::u32string::npos || made >= PhraseRewriter::kMaxReplacementsPerRule)
                break;
            std::size_t r = 0;
            while (runs[r].end <= at)
                ++r;
            const std::size_t grown = runs[r].end - runs[r].start - rule.search.size() + rule.replacement.size();
            if (grown > runs[r].room) { // the run is full for this rule: look on after it
                from = runs[r].end;
                continue;
            }
            text.replace(at, rule.search.size(), rule.replacement);
            const std::ptrdiff_t shift =
                static_cast<std::ptrdiff_t>(rule.replacement.size()) - static_cast<std::ptrdiff_t>(rule.search.size());
            runs[r].end += static_cast<std::size_t>(shift);
            for (std::size_t later = r + 1; later < runs.size(); ++later) {
                runs[later].start += static_cast<std::size_t>(shift);
                runs[later].end += static_cast<std::size_t>(shift);
            }
            ++made;
        }
    }
    return text;
}

} // namespace dlx::plain

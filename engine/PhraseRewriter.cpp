#include "PhraseRewriter.h"

#include <algorithm>
#include <unordered_map>

namespace dlx {
namespace {

constexpr char32_t kDenseLimit = 0x1000; // Thai and everything below it get a table slot

// CR and LF have a class of their own, so the automaton's scan finds the end of a line too. No search text
// holds one: like the characters of no search text, they lead back to the root.
constexpr std::int32_t kBreakClass = 1;

} // namespace

PhraseRewriter::PhraseRewriter(const std::vector<ThaiIdiomRule> &rules, std::size_t largestTable) {
    for (const auto &r : rules) {
        search_.emplace_back(r.search);
        replacement_.emplace_back(r.replacement);
        longestReplacement_ = std::max(longestReplacement_, r.replacement.size());
    }
    // Compact alphabet: every character that occurs in a search text gets a class of its own.
    charClass_.assign(kDenseLimit, 0);
    charClass_[U'\r'] = charClass_[U'\n'] = kBreakClass;
    classes_ = kBreakClass + 1;
    for (const auto &s : search_)
        for (char32_t c : s) {
            if (c < kDenseLimit) {
                if (!charClass_[c])
                    charClass_[c] = classes_++;
            } else if (!wideClass_.count(c)) {
                wideClass_[c] = classes_++;
            }
        }

    // The trie of the search texts, each node's children sorted by class.
    children_.assign(1, {});
    nodeRules_.assign(1, {});
    for (size_t r = 0; r < search_.size(); ++r) {
        if (search_[r].empty())
            continue;
        std::int32_t node = 0;
        for (char32_t c : search_[r]) {
            const std::int32_t cls = classOf(c);
            std::int32_t next = child(node, cls);
            if (next < 0) {
                next = static_cast<std::int32_t>(children_.size());
                auto &kids = children_[static_cast<size_t>(node)];
                kids.insert(std::lower_bound(kids.begin(), kids.end(), std::make_pair(cls, 0)), {cls, next});
                children_.emplace_back();
                nodeRules_.emplace_back();
            }
            node = next;
        }
        nodeRules_[static_cast<size_t>(node)].push_back(static_cast<std::int32_t>(r));
    }

    // Failure links breadth first; `order` keeps that order for the moves below.
    const size_t nodes = children_.size();
    fail_.assign(nodes, 0);
    outLink_.assign(nodes, -1);
    std::vector<std::int32_t> order{0};
    for (size_t k = 0; k < order.size(); ++k) {
        const std::int32_t u = order[k];
        for (const auto &[cls, v] : children_[static_cast<size_t>(u)]) {
            std::int32_t f = u == 0 ? -1 : fail_[static_cast<size_t>(u)];
            while (f >= 0 && child(f, cls) < 0)
                f = f == 0 ? -1 : fail_[static_cast<size_t>(f)];
            const std::int32_t target = f < 0 ? 0 : child(f, cls);
            fail_[static_cast<size_t>(v)] = target;
            outLink_[static_cast<size_t>(v)] =
                nodeRules_[static_cast<size_t>(target)].empty() ? outLink_[static_cast<size_t>(target)] : target;
            order.push_back(v);
        }
    }
    firstOut_.resize(nodes);
    for (size_t u = 0; u < nodes; ++u)
        firstOut_[u] = nodeRules_[u].empty() ? outLink_[u] : static_cast<std::int32_t>(u);

    // A table of every move when it stays small (the built-in rules: a few megabytes); a user's very long list
    // of rules is scanned through the trie and its failure links instead.
    if (nodes * static_cast<size_t>(classes_) > largestTable)
        return;
    // A move into a node where some rule ends is stored complemented, so the scan tests one sign per character;
    // moves are stored as the target's row, so the scan needs no multiply.
    const size_t width = static_cast<size_t>(classes_);
    next_.assign(nodes * width, 0);
    for (const std::int32_t u : order) {
        std::int32_t *row = next_.data() + static_cast<size_t>(u) * width;
        if (u != 0) // missing moves are those of the failure node, already filled (it is nearer the root)
            std::copy_n(next_.data() + static_cast<size_t>(fail_[static_cast<size_t>(u)]) * width, width, row);
        else
            std::fill_n(row, width, 0);
        for (const auto &[cls, v] : children_[static_cast<size_t>(u)]) {
            const std::int32_t target = v * classes_;
            row[cls] = firstOut_[static_cast<size_t>(v)] >= 0 ? ~target : target;
        }
    }
}

std::int32_t PhraseRewriter::child(std::int32_t node, std::int32_t cls) const {
    const auto &kids = children_[static_cast<size_t>(node)];
    auto it = std::lower_bound(kids.begin(), kids.end(), std::make_pair(cls, 0));
    return it != kids.end() && it->first == cls ? it->second : -1;
}

std::int32_t PhraseRewriter::classOf(char32_t c) const {
    if (c < kDenseLimit)
        return charClass_[c];
    auto it = wideClass_.find(c);
    return it == wideClass_.end() ? 0 : it->second;
}

void PhraseRewriter::rulesIn(std::u32string_view line, std::vector<std::int32_t> &present) const {
    scanLine(line, 0, present);
}

std::size_t PhraseRewriter::scanLine(std::u32string_view text, std::size_t start,
                                     std::vector<std::int32_t> &present) const {
    present.clear();
    const std::int32_t *dense = charClass_.data();
    auto collect = [&](std::int32_t node) {
        for (std::int32_t o = firstOut_[static_cast<size_t>(node)]; o >= 0; o = outLink_[static_cast<size_t>(o)])
            present.insert(present.end(), nodeRules_[static_cast<size_t>(o)].begin(),
                           nodeRules_[static_cast<size_t>(o)].end());
    };
    size_t i = start;
    if (!next_.empty()) {
        std::int32_t row = 0; // the current node's first move in next_
        const std::int32_t *next = next_.data();
        for (; i < text.size(); ++i) {
            const char32_t c = text[i];
            const std::int32_t cls = c < kDenseLimit ? dense[c] : classOf(c);
            if (cls == kBreakClass)
                break;
            row = next[static_cast<size_t>(row) + static_cast<size_t>(cls)];
            if (row >= 0)
                continue;
            row = ~row;
            collect(row / classes_);
        }
    } else {
        std::int32_t node = 0;
        for (; i < text.size(); ++i) {
            const char32_t c = text[i];
            const std::int32_t cls = c < kDenseLimit ? dense[c] : classOf(c);
            if (cls == kBreakClass)
                break;
            std::int32_t to = child(node, cls);
            while (to < 0 && node != 0) {
                node = fail_[static_cast<size_t>(node)];
                to = child(node, cls);
            }
            node = to < 0 ? 0 : to;
            if (firstOut_[static_cast<size_t>(node)] >= 0)
                collect(node);
        }
    }
    if (present.size() > 1) {
        std::sort(present.begin(), present.end());
        present.erase(std::unique(present.begin(), present.end()), present.end());
    }
    return i;
}

void PhraseRewriter::findRuns(std::u32string_view line, std::vector<PhraseRun> &runs) const {
    runs.clear();
    std::size_t gap = 0;
    for (size_t i = 0; i < line.size();) {
        if (separatesPhrases(line[i])) {
            ++gap, ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < line.size() && !separatesPhrases(line[j]))
            ++j;
        runs.push_back({gap, j - i, kGrowthFactor * (j - i) + longestReplacement_});
        gap = 0;
        i = j;
    }
}

bool PhraseRewriter::applyRule(std::u32string &line, size_t r, const RewriteHooks &hooks, RewriteScratch &scratch,
                               std::size_t &made, std::size_t &count, bool &stopped) const {
    const std::u32string &pat = search_[r];
    const std::u32string &rep = replacement_[r];
    const size_t m = pat.size();
    std::u32string &out = scratch.out;
    std::u32string &pending = scratch.pending; // characters still to read, last one first
    out.clear();
    pending.clear();
    std::vector<PhraseRun> &runs = scratch.runs;
    size_t k = 0;                                                    // the run being read
    size_t runEnd = runs.empty() ? 0 : runs[0].gap + runs[0].length; // where it ends in `line`
    size_t i = 0;
    bool changed = false;
    for (;;) {
        char32_t c;
        bool fromLine = false;
        if (!pending.empty()) {
            c = pending.back();
            pending.pop_back();
        } else if (i < line.size()) {
            c = line[i++];
            fromLine = true;
        } else {
            break;
        }
        out.push_back(c);
        if (c != pat.back() || out.size() < m ||
            !std::equal(out.end() - static_cast<std::ptrdiff_t>(m), out.end(), pat.begin()))
            continue;
        // `out` held no match before this character, so this is the leftmost occurrence in the whole line.
        if (made >= kMaxReplacementsPerRule)
            break;
        // A match ends in a run (its last character is in a search text); read from the line, it may be a later
        // run than the last replacement's. The lengths of runs not reached yet are still those of `line`.
        if (fromLine)
            while (i > runEnd) {
                ++k;
                runEnd += runs[k].gap + runs[k].length;
            }
        PhraseRun &run = runs[k];
        const size_t grown = run.length - m + rep.size();
        if (grown > run.room) { // so are the rule's later matches in this run: its length stays
            scratch.heldBack = true;
            continue;
        }
        if (hooks.mayReplace && !hooks.mayReplace()) {
            stopped = true;
            break;
        }
        out.resize(out.size() - m);
        pending.append(rep.rbegin(), rep.rend());
        run.length = grown;
        ++made;
        ++count;
        changed = true;
        if (hooks.afterReplacement)
            hooks.afterReplacement();
    }
    if (!changed)
        return false;
    out.append(pending.rbegin(), pending.rend());
    out.append(line, i, std::u32string::npos);
    line.swap(out);
    return true;
}

std::size_t PhraseRewriter::rewriteLine(std::u32string &line, const RewriteHooks &hooks, RewriteScratch &scratch,
                                        bool &stopped, bool countsGoOn) const {
    std::size_t count = 0;
    std::vector<std::int32_t> &present = scratch.present; // the rules that occur in the line, in table order
    findRuns(line, scratch.runs);
    size_t i = 0;
    while (i < present.size() && !stopped) {
        const std::int32_t rule = present[i];
        std::size_t fresh = 0;
        std::size_t &made = countsGoOn ? scratch.madeInLine[static_cast<size_t>(rule)] : fresh;
        if (countsGoOn && made == 0)
            scratch.rulesMadeInLine.push_back(rule);
        if (applyRule(line, static_cast<size_t>(rule), hooks, scratch, made, count, stopped)) {
            rulesIn(line, present); // later rules see the text as this one left it
            i = static_cast<size_t>(std::upper_bound(present.begin(), present.end(), rule) - present.begin());
        } else {
            ++i;
        }
    }
    return count;
}

std::size_t PhraseRewriter::CheckThaiIdiom(std::u32string &text, const RewriteHooks &hooks,
                                           RewriteScratch *scratch) const {
    if (hooks.mayReplace && !hooks.mayReplace())
        return 0;
    std::size_t count = 0;
    bool stopped = false, changed = false;
    RewriteScratch own;
    RewriteScratch &work = scratch ? *scratch : own;
    std::u32string &result = work.result, &line = work.line;
    result.clear();
    for (size_t start = 0;;) {
        // Most lines hold no rule's phrase: they are looked at once and never copied.
        work.present.clear();
        size_t end = start;
        if (stopped) {
            while (end < text.size() && text[end] != U'\r' && text[end] != U'\n')
                ++end;
        } else {
            end = scanLine(text, start, work.present);
        }
        const std::u32string_view segment = std::u32string_view(text).substr(start, end - start);
        std::size_t made = 0;
        if (!work.present.empty()) {
            line.assign(segment);
            made = rewriteLine(line, hooks, work, stopped, false);
        }
        if (made && !changed) {
            result.assign(text, 0, start); // lines before this one are unchanged
            changed = true;
        }
        count += made;
        if (changed)
            result += made ? std::u32string_view(line) : segment;
        if (end == text.size())
            break;
        if (changed)
            result.push_back(text[end]);
        start = end + 1;
    }
    if (changed) {
        text.swap(result);
        result.clear();
    }
    return count;
}

std::size_t PhraseRewriter::rewriteLinePiece(std::u32string &piece, RewriteScratch &scratch, bool lastOfLine) const {
    if (scratch.madeInLine.size() != search_.size())
        scratch.madeInLine.assign(search_.size(), 0);
    std::size_t made = 0;
    if (scanLine(piece, 0, scratch.present) == piece.size() && !scratch.present.empty()) {
        bool stopped = false;
        made = rewriteLine(piece, {}, scratch, stopped, true);
    }
    if (lastOfLine) {
        for (std::int32_t rule : scratch.rulesMadeInLine)
            scratch.madeInLine[static_cast<size_t>(rule)] = 0;
        scratch.rulesMadeInLine.clear();
    }
    return made;
}

} // namespace dlx

#include "PhraseRewriter.h"

#include <algorithm>
#include <deque>
#include <unordered_map>

namespace dlx {
namespace {

constexpr char32_t kDenseLimit = 0x1000; // Thai and everything below it get a table slot

// CR and LF have a class of their own, so the automaton's scan finds the end of a line too. No search text
// holds one: like the characters of no search text, they lead back to the root.
constexpr std::uint16_t kBreakClass = 1;

} // namespace

PhraseRewriter::PhraseRewriter(const std::vector<ThaiIdiomRule> &rules) {
    for (const auto &r : rules) {
        search_.emplace_back(r.search);
        replacement_.emplace_back(r.replacement);
    }
    // Compact alphabet: every character that occurs in a search text gets a class of its own.
    charClass_.assign(kDenseLimit, 0);
    charClass_[U'\r'] = charClass_[U'\n'] = kBreakClass;
    classes_ = kBreakClass + 1;
    std::unordered_map<char32_t, int> wide;
    for (const auto &s : search_)
        for (char32_t c : s) {
            if (c < kDenseLimit) {
                if (!charClass_[c])
                    charClass_[c] = static_cast<std::uint16_t>(classes_++);
            } else if (!wide.count(c)) {
                wide[c] = classes_++;
            }
        }
    wideClass_ = std::move(wide);

    // Trie.
    std::vector<std::vector<std::int32_t>> go(1, std::vector<std::int32_t>(classes_, -1));
    nodeRules_.assign(1, {});
    for (size_t r = 0; r < search_.size(); ++r) {
        if (search_[r].empty())
            continue;
        int node = 0;
        for (char32_t c : search_[r]) {
            const int cls = classOf(c);
            if (go[node][cls] < 0) {
                go[node][cls] = static_cast<std::int32_t>(go.size());
                go.emplace_back(classes_, -1);
                nodeRules_.emplace_back();
            }
            node = go[node][cls];
        }
        nodeRules_[node].push_back(static_cast<std::int32_t>(r));
    }
    // Failure links breadth first, turning the trie into a complete automaton.
    const size_t nodes = go.size();
    std::vector<std::int32_t> fail(nodes, 0);
    outLink_.assign(nodes, -1);
    std::deque<int> queue;
    for (int cls = 0; cls < classes_; ++cls) {
        if (go[0][cls] < 0) {
            go[0][cls] = 0;
        } else {
            fail[go[0][cls]] = 0;
            queue.push_back(go[0][cls]);
        }
    }
    go[0][0] = 0; // characters in no search text lead back to the root
    while (!queue.empty()) {
        const int u = queue.front();
        queue.pop_front();
        const int f = fail[u];
        outLink_[u] = nodeRules_[f].empty() ? outLink_[f] : f;
        for (int cls = 0; cls < classes_; ++cls) {
            const int v = go[u][cls];
            if (cls == 0) {
                go[u][cls] = 0;
                continue;
            }
            if (v < 0) {
                go[u][cls] = go[f][cls];
            } else {
                fail[v] = go[f][cls];
                queue.push_back(v);
            }
        }
    }
    outLink_[0] = -1;
    firstOut_.resize(nodes);
    for (size_t u = 0; u < nodes; ++u)
        firstOut_[u] = nodeRules_[u].empty() ? outLink_[u] : static_cast<std::int32_t>(u);
    // A move into a node where some rule ends is stored complemented, so the scan tests one sign per character.
    next_.resize(nodes * static_cast<size_t>(classes_));
    for (size_t u = 0; u < nodes; ++u)
        for (int cls = 0; cls < classes_; ++cls) {
            const std::int32_t v = go[u][cls];
            const std::int32_t row = v * classes_; // where the target's moves start: no multiply in the scan
            next_[u * static_cast<size_t>(classes_) + static_cast<size_t>(cls)] = firstOut_[v] >= 0 ? ~row : row;
        }
}

int PhraseRewriter::classOf(char32_t c) const {
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
    std::int32_t row = 0; // the current node's first move in next_
    const std::int32_t *next = next_.data();
    const std::uint16_t *dense = charClass_.data();
    size_t i = start;
    for (; i < text.size(); ++i) {
        const char32_t c = text[i];
        const size_t cls = c < kDenseLimit ? dense[c] : static_cast<size_t>(classOf(c));
        if (cls == kBreakClass)
            break;
        row = next[static_cast<size_t>(row) + cls];
        if (row >= 0)
            continue;
        row = ~row;
        for (int o = firstOut_[row / classes_]; o >= 0; o = outLink_[o])
            present.insert(present.end(), nodeRules_[o].begin(), nodeRules_[o].end());
    }
    if (present.size() > 1) {
        std::sort(present.begin(), present.end());
        present.erase(std::unique(present.begin(), present.end()), present.end());
    }
    return i;
}

bool PhraseRewriter::applyRule(std::u32string &line, size_t r, const RewriteHooks &hooks, RewriteScratch &scratch,
                               std::size_t &count, bool &stopped) const {
    const std::u32string &pat = search_[r];
    const std::u32string &rep = replacement_[r];
    const size_t m = pat.size();
    std::u32string &out = scratch.out;
    std::u32string &pending = scratch.pending; // characters still to read, last one first
    out.clear();
    pending.clear();
    size_t i = 0, made = 0;
    bool changed = false;
    for (;;) {
        char32_t c;
        if (!pending.empty()) {
            c = pending.back();
            pending.pop_back();
        } else if (i < line.size()) {
            c = line[i++];
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
        if (hooks.mayReplace && !hooks.mayReplace()) {
            stopped = true;
            break;
        }
        out.resize(out.size() - m);
        pending.append(rep.rbegin(), rep.rend());
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
                                        bool &stopped) const {
    std::size_t count = 0;
    std::vector<std::int32_t> &present = scratch.present; // the rules that occur in the line, in table order
    size_t i = 0;
    while (i < present.size() && !stopped) {
        const std::int32_t rule = present[i];
        if (applyRule(line, static_cast<size_t>(rule), hooks, scratch, count, stopped)) {
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
            made = rewriteLine(line, hooks, work, stopped);
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

} // namespace dlx

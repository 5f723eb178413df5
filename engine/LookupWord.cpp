// The lookup of one word in its letter file and its rendering: word for word, or by the grammar rules that
// hold nouns and adjectives back, choose the Thai for "be" and move question words to the end of the line.
#include "Translator.h"
#include "Utf8.h"

#include <algorithm>

using namespace std::literals;

namespace dlx {
namespace {

constexpr std::size_t kMemoLimit = 1 << 18;  // words remembered; later new words are looked up each time
constexpr std::size_t kMemoLongestWord = 64; // longer pieces are rare and looked up each time
constexpr std::uint32_t kFree = UINT32_MAX;

} // namespace

void Translator::workOut(char32_t *e) {
    const MemoEntry m{e};
    const std::u32string_view word = m.word(), trimmed = trimSpaces(word);
    char32_t *key = e + MemoEntry::kHeader + e[0] + e[1];
    for (std::size_t i = 0; i < trimmed.size(); ++i)
        key[i] = trimmed[i] >= U'a' && trimmed[i] <= U'z' ? trimmed[i] - 32 : trimmed[i];
    e[4] = static_cast<char32_t>(trimmed.size());
    GrammarToken &t = memoToken_;
    t.kind = GrammarToken::Kind::Word;
    t.key = m.key();
    t.how = m.how();
    t.label = m.label();
    t.meaning = m.meaning();
    t.family = SuffixFamily::None;
    if (t.how == Rendering::How::Write || t.how == Rendering::How::Hold) {
        upperWord_.assign(t.key);
        if (word.back() == U' ')
            upperWord_.push_back(U' ');
        bool withSpace = false;
        t.family = suffixFamily(upperWord_, withSpace);
    }
    e[2] |= static_cast<char32_t>(t.family) << 16;
    const GrammarRuleSet own = rulesTriggeredBy(t);
    e[3] = triggersOf(t, own);
    e[5] = rulesLookingAt(t, &grammarContext(), own);
}

Translator::Found Translator::remembered(char32_t letter, const LetterIndex &index) {
    lastEntry_ = nullptr;
    std::uint64_t &serial = memoSerials_[letter - U'A'];
    if (serial != index.serial()) {
        if (serial != 0) { // the letter file changed: forget everything rather than pick its words out
            keepWaitingTokens();
            memoSlots_.clear();
            memoBlocks_.clear();
            memoUsed_ = 0;
            memoCount_ = 0;
            memoSerials_.fill(0);
        }
        serial = index.serial();
    }
    const std::u32string_view word = s_.CurrentWord;
    auto fresh = [&] {
        findRendering(index, word, rendering_);
        return Found{rendering_.how, rendering_.label, rendering_.meaning};
    };
    if (word.size() > kMemoLongestWord)
        return fresh();
    if (memoSlots_.empty())
        memoSlots_.assign(4096, MemoSlot{});
    const auto h = static_cast<std::uint32_t>(hashWord(word));
    size_t mask = memoSlots_.size() - 1;
    size_t at = h & mask;
    for (; memoSlots_[at].entry != kFree; at = (at + 1) & mask) {
        if (memoSlots_[at].hash != h)
            continue;
        char32_t *e = memoAt(memoSlots_[at].entry);
        if (e[0] != word.size())
            continue;
        size_t i = 0;
        while (i < word.size() && e[MemoEntry::kHeader + i] == word[i])
            ++i;
        if (i == word.size()) {
            lastEntry_ = e;
            const MemoEntry m{e};
            return Found{m.how(), m.label(), m.meaning()};
        }
    }
    findRendering(index, word, rendering_);
    // The entry keeps room for the key, which is worked out only when the extended mode asks for it.
    const size_t size = MemoEntry::kHeader + 2 * word.size() + rendering_.meaning.size();
    if (memoCount_ >= kMemoLimit || size > kMemoBlock || memoBlocks_.size() * kMemoBlock >= UINT32_MAX - kMemoBlock)
        return Found{rendering_.how, rendering_.label, rendering_.meaning};
    if (memoBlocks_.empty() || memoUsed_ + size > kMemoBlock) {
        memoBlocks_.push_back(std::make_unique_for_overwrite<char32_t[]>(kMemoBlock));
        memoUsed_ = 0;
    }
    const auto entry = static_cast<std::uint32_t>((memoBlocks_.size() - 1) * kMemoBlock + memoUsed_);
    char32_t *e = memoBlocks_.back().get() + memoUsed_;
    memoUsed_ += size;
    e[0] = static_cast<char32_t>(word.size());
    e[1] = static_cast<char32_t>(rendering_.meaning.size());
    e[2] = static_cast<char32_t>(rendering_.how) | static_cast<char32_t>(rendering_.label) << 8;
    e[3] = 0;
    e[4] = MemoEntry::kNotWorkedOut;
    e[5] = 0;
    char32_t *to = std::copy(word.begin(), word.end(), e + MemoEntry::kHeader);
    std::copy(rendering_.meaning.begin(), rendering_.meaning.end(), to);
    memoSlots_[at] = MemoSlot{h, entry};
    lastEntry_ = e;
    if (++memoCount_ * 2 > memoSlots_.size()) { // keep the table at most half full
        std::vector<MemoSlot> bigger(memoSlots_.size() * 2);
        mask = bigger.size() - 1;
        for (const MemoSlot &slot : memoSlots_) {
            if (slot.entry == kFree)
                continue;
            size_t to = slot.hash & mask;
            while (bigger[to].entry != kFree)
                to = (to + 1) & mask;
            bigger[to] = slot;
        }
        memoSlots_.swap(bigger);
    }
    const MemoEntry m{e};
    return Found{m.how(), m.label(), m.meaning()};
}

bool Translator::readingOf(char32_t letter, Found &out) {
    if (finder_) {
        lastEntry_ = nullptr;
        auto found = finder_(letter, s_.CurrentWord);
        if (!found)
            return false;
        rendering_ = std::move(*found);
        out = Found{rendering_.how, rendering_.label, rendering_.meaning};
        return true;
    }
    const auto index = lexicon_.letter(letter);
    lastEntry_ = nullptr;
    if (!index)
        return false;
    out = *index ? remembered(letter, **index) : Found{};
    return true;
}

void Translator::LookupWord(char32_t letter) {
    s_.WordConsumed = false;
    Found r;
    if (readingOf(letter, r)) // otherwise the word step ends quietly; the driver writes the word unchanged
        renderFound(r);
}

bool Translator::senseOf(std::u32string_view key, bool (*wanted)(Label), std::u32string &meaning) {
    if (key.empty() || key[0] < U'A' || key[0] > U'Z')
        return false;
    const auto index = lexicon_.letter(key[0]);
    if (!index || !*index)
        return false;
    const LetterIndex &letter = **index;
    for (auto e = letter.first(key); e != LetterIndex::kNone; e = letter.next(e)) {
        if (wanted(letter.label(e))) {
            meaning.clear();
            letter.appendMeaning(e, meaning);
            return true;
        }
    }
    return false;
}

void Translator::renderFound(const Found &r) {
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
        s_.PrevPos = Label::Adjective;
        break;
    case Rendering::How::RawFallback:
        if (onUnknownWord)
            onUnknownWord(trimSpaces(s_.CurrentWord));
        append(s_.CurrentWord);
        s_.CurrentWord.clear();
        s_.PrevWordClass = WordClass::Other;
        s_.WordConsumed = false;
        return;
    case Rendering::How::Unrendered:
        if (onUnknownWord)
            onUnknownWord(trimSpaces(s_.CurrentWord));
        return;
    }
    s_.CurrentWord.clear();
    s_.PrevWordClass = WordClass::Other;
    s_.WordConsumed = true;
}

void Translator::renderExact(std::u32string_view thai, Label label) {
    if (mode == TranslationMode::WordForWord) {
        append(thai);
        s_.CurrentWord.clear();
        s_.WordConsumed = true;
        return;
    }
    switch (label) {
    case Label::Question:
        flushHeldModifiers();
        s_.HeldPhrase += thai; // a second question word keeps the first one's meaning
        s_.PrevWordClass = WordClass::Question;
        s_.PrevPos = Label::Question;
        break;
    case Label::Be:
        flushHeldModifiers();
        switch (s_.PrevWordClass) {
        case WordClass::NounOrVerb:
            append(U"คือ"sv);
            break;
        case WordClass::Other:
            append(U"อยู่"sv);
            break;
        case WordClass::Question:
            s_.PrevWordClass = WordClass::Start;
            break;
        case WordClass::Start:
            append(U"เป็น"sv);
            break;
        }
        s_.PrevPos = Label::Be;
        break;
    case Label::Adjective:
        if (s_.PrevPos == Label::Noun)
            flushHeldModifiers();
        s_.HeldModifiers.insert(0, thai);
        s_.PrevWordClass = WordClass::Other;
        s_.PrevPos = Label::Adjective;
        break;
    case Label::Pronoun:
        flushHeldModifiers();
        append(thai);
        s_.PrevWordClass = WordClass::Start;
        s_.PrevPos = Label::Pronoun;
        break;
    case Label::Conjunction: {
        // Comparisons: after "be" (or an intransitive verb) a conjunction meaning ดังนั้น or เป็น is dropped,
        // and the next one meaning เป็น becomes เหมือนกับ: "is as tall as" => เป็นสูงเหมือนกับ.
        std::u32string_view t = thai;
        const bool c = s_.PrevPos != Label::Be || s_.ComparisonOpen;
        if (c && s_.PrevPos != Label::IntransitiveVerb) {
            if (s_.ComparisonOpen && t == U"เป็น"sv) {
                t = U"เหมือนกับ"sv;
                s_.ComparisonOpen = false;
            }
        } else if (t == U"ดังนั้น"sv || t == U"เป็น"sv) {
            t = U""sv;
            s_.ComparisonOpen = true;
        }
        flushHeldModifiers();
        append(t);
        s_.PrevWordClass = WordClass::Other;
        s_.PrevPos = Label::Conjunction;
        break;
    }
    case Label::IntransitiveVerb:
    case Label::TransitiveVerb:
        flushHeldModifiers();
        append(thai);
        s_.PrevWordClass = WordClass::NounOrVerb;
        s_.PrevPos = label;
        break;
    case Label::Noun:
        s_.HeldModifiers.insert(0, thai);
        s_.PrevWordClass = WordClass::NounOrVerb;
        s_.PrevPos = Label::Noun;
        break;
    case Label::Adverb:
    case Label::Preposition:
    case Label::Reading:
    case Label::Other:
        flushHeldModifiers();
        append(thai);
        s_.PrevWordClass = WordClass::Other;
        break;
    }
    s_.CurrentWord.clear();
    s_.WordConsumed = true;
    if (s_.AtLineEnd) {
        endLine();
        s_.WordConsumed = false;
    }
}

void Translator::endLine() { // the line-end flush: the held noun phrase, then the question words
    flushHeldModifiers();
    append(s_.HeldPhrase);
    s_.HeldPhrase.clear();
    s_.AtLineEnd = false;
    s_.PrevPos.reset();
    s_.ComparisonOpen = false;
}

} // namespace dlx

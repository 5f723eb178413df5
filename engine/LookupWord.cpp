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

const Rendering *Translator::remembered(char32_t letter, const LetterIndex &index) {
    std::uint64_t &serial = memoSerials_[letter - U'A'];
    if (serial != index.serial()) {
        if (serial != 0) { // the letter file changed: forget everything rather than pick its words out
            memoSlots_.clear();
            memoRenderings_.clear();
            memoWords_.clear();
            memoSerials_.fill(0);
        }
        serial = index.serial();
    }
    const std::u32string_view word = s_.CurrentWord;
    if (word.size() > kMemoLongestWord) {
        findRendering(index, word, rendering_);
        return &rendering_;
    }
    if (memoSlots_.empty())
        memoSlots_.resize(4096);
    const auto h = static_cast<std::uint32_t>(hashWord(word));
    size_t mask = memoSlots_.size() - 1;
    size_t at = h & mask;
    for (; memoSlots_[at].rendering != kFree; at = (at + 1) & mask) {
        const MemoSlot &slot = memoSlots_[at];
        if (slot.hash == h && slot.wordLength == word.size() &&
            std::equal(word.begin(), word.end(), memoWords_.begin() + slot.wordBegin))
            return &memoRenderings_[slot.rendering];
    }
    findRendering(index, word, rendering_);
    if (memoRenderings_.size() >= kMemoLimit)
        return &rendering_;
    memoSlots_[at] = MemoSlot{h, static_cast<std::uint32_t>(memoRenderings_.size()),
                              static_cast<std::uint32_t>(memoWords_.size()), static_cast<std::uint32_t>(word.size())};
    memoWords_ += word;
    memoRenderings_.push_back(rendering_);
    if (memoRenderings_.size() * 2 > memoSlots_.size()) { // keep the table at most half full
        std::vector<MemoSlot> bigger(memoSlots_.size() * 2);
        mask = bigger.size() - 1;
        for (const MemoSlot &slot : memoSlots_) {
            if (slot.rendering == kFree)
                continue;
            size_t to = slot.hash & mask;
            while (bigger[to].rendering != kFree)
                to = (to + 1) & mask;
            bigger[to] = slot;
        }
        memoSlots_.swap(bigger);
    }
    return &memoRenderings_.back();
}

void Translator::LookupWord(char32_t letter) {
    s_.WordConsumed = false;
    if (finder_) {
        auto found = finder_(letter, s_.CurrentWord);
        if (!found)
            return; // the word step ends quietly; the driver writes the word unchanged
        rendering_ = std::move(*found);
        renderFound(rendering_);
        return;
    }
    const auto index = lexicon_.letter(letter);
    if (!index)
        return; // as above
    if (!*index) {
        rendering_ = Rendering{};
        renderFound(rendering_);
        return;
    }
    renderFound(*remembered(letter, **index));
}

void Translator::renderFound(const Rendering &r) {
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
    if (s_.AtLineEnd) { // the line-end flush: the held noun phrase, then the question words
        flushHeldModifiers();
        append(s_.HeldPhrase);
        s_.HeldPhrase.clear();
        s_.WordConsumed = false;
        s_.AtLineEnd = false;
        s_.PrevPos.reset();
        s_.ComparisonOpen = false;
    }
}

} // namespace dlx

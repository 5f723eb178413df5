#include "TypingDrill.h"

#include <algorithm>

namespace dlx {
namespace {

/// numerator / denominator rounded half up; both are small non-negative counts.
int roundedRatio(long long numerator, long long denominator) {
    return static_cast<int>((2 * numerator + denominator) / (2 * denominator));
}

/// The records know a word by its English and its Thai.
bool sameWord(const DictionaryEntry &a, const DictionaryEntry &b) {
    return a.english == b.english && a.thai == b.thai;
}

} // namespace

int DrillSpeed::charactersPerMinute() const {
    return seconds > 0 ? roundedRatio(60LL * typed, seconds) : 0;
}

int DrillSpeed::wordsPerMinute() const {
    return seconds > 0 ? roundedRatio(12LL * typed, seconds) : 0; // 60 / 5 characters a word
}

std::optional<int> DrillSpeed::accuracyPercent() const {
    if (typed == 0)
        return std::nullopt;
    return roundedRatio(100LL * right, typed);
}

TypingDrill::TypingDrill(DrillTwin twin, DataFolders dataFolder, RandomSource &random, const std::int16_t &timeLimit)
    : twin_(twin), dataFolder_(std::move(dataFolder)), random_(random), timeLimit_(timeLimit) {}

bool TypingDrill::newWord() {
    if (practising_ && drawMissedWord())
        return true;
    const EntryRule rule{twin_ == DrillTwin::English ? EntryField::English : EntryField::Thai, 0};
    if (auto drawn = drawRandomEntry(dataFolder_, rule, random_)) {
        startWord(drawn->entry);
        return true;
    }
    clearSlots(); // the previous word is asked for again
    return false;
}

bool TypingDrill::drawMissedWord() {
    if (!records_)
        return false;
    auto missed = records_->missedWords(twin_);
    if (!missed || missed->empty())
        return false;
    const int last = static_cast<int>(missed->size()) - 1;
    int pick = random_.between(0, last);
    if (last > 0 && sameWord((*missed)[static_cast<std::size_t>(pick)].entry, entry_))
        pick = pick == last ? 0 : pick + 1;
    startWord((*missed)[static_cast<std::size_t>(pick)].entry);
    return true;
}

void TypingDrill::startWord(const DictionaryEntry &entry) {
    entry_ = entry;
    if (twin_ == DrillTwin::English) {
        target_ = entry.english;
        shown_ = entry.thai;
    } else {
        target_ = entry.thai;
        shown_ = entry.english;
    }
    label_ = entry.label;
    clearSlots();
}

void TypingDrill::clearSlots() {
    next_ = 0;
    typed_.fill(std::nullopt);
    wrong_.fill(false);
    slotsInUse_ =
        target_.size() < static_cast<std::size_t>(kSlotCount) ? static_cast<int>(target_.size()) : kMaxSlotsInUse;
}

std::optional<char32_t> TypingDrill::targetAt(int slot) const {
    if (slot < 0 || slot >= slotsInUse_)
        return std::nullopt;
    return target_[static_cast<std::size_t>(slot)];
}

std::optional<char32_t> TypingDrill::typedAt(int slot) const {
    if (slot < 0 || slot >= kSlotCount)
        return std::nullopt;
    return typed_[static_cast<std::size_t>(slot)];
}

bool TypingDrill::wrongAt(int slot) const {
    return slot >= 0 && slot < kSlotCount && wrong_[static_cast<std::size_t>(slot)];
}

bool TypingDrill::lastSlotTyped() const {
    return slotsInUse_ > 0 && typed_[static_cast<std::size_t>(slotsInUse_ - 1)].has_value();
}

TypingDrill::KeyOutcome TypingDrill::press(char32_t key) {
    if (lastSlotTyped() && key == kEnter) {
        const bool clean = std::none_of(wrong_.begin(), wrong_.end(), [](bool w) { return w; });
        score_ += clean ? 1 : -1;
        if (auto noted = noteScored(clean); !noted)
            recordsFailure_ = noted.error();
        else
            recordsFailure_.reset();
        newWord();
        return KeyOutcome::Scored;
    }
    if (next_ < slotsInUse_) {
        const auto slot = static_cast<std::size_t>(next_);
        typed_[slot] = key;
        if (key != target_[slot])
            wrong_[slot] = true;
        if (running_) {
            ++speed_.typed;
            speed_.right += wrong_[slot] ? 0 : 1;
        }
        ++next_;
        return KeyOutcome::Typed;
    }
    return KeyOutcome::Ignored;
}

Status TypingDrill::noteScored(bool clean) {
    if (!records_)
        return {};
    if (!clean)
        return records_->keepMissedWord(twin_, {entry_, 0});
    auto missed = records_->missedWords(twin_);
    if (!missed)
        return missed.error();
    const auto it =
        std::find_if(missed->begin(), missed->end(), [&](const MissedWord &m) { return sameWord(m.entry, entry_); });
    if (it == missed->end())
        return {};
    if (it->rightInARow + 1 >= 2)
        return records_->dropMissedWord(twin_, entry_);
    return records_->keepMissedWord(twin_, {entry_, it->rightInARow + 1});
}

Status TypingDrill::recordTimedRun(std::int64_t finishedAt) {
    if (!records_)
        return {};
    return records_->addRun(
        {finishedAt, twin_, timeLimit_, score_, speed_.charactersPerMinute(), speed_.accuracyPercent()});
}

void TypingDrill::startClock() {
    clock_ = {};
    speed_ = {};
    running_ = true;
}

bool TypingDrill::tick() {
    if (!running_)
        return false;
    ++speed_.seconds;
    if (++clock_.secondsUnits == 10) {
        clock_.secondsUnits = 0;
        if (++clock_.secondsTens == 6) {
            clock_.secondsTens = 0;
            if (++clock_.minutesUnits == 10) {
                clock_.minutesUnits = 0;
                ++clock_.minutesTens;
            }
        }
    }
    if (!timeIsUp())
        return false;
    running_ = false;
    return true;
}

bool TypingDrill::timeIsUp() const {
    if (timeLimit_ < 10)
        return clock_.minutesUnits == timeLimit_;
    return clock_.minutesTens * 10 + clock_.minutesUnits == timeLimit_;
}

} // namespace dlx

#pragma once
// Progress and pacing of a translation run in the window: the percentage on the progress bar, its caption,
// the line limit, and the clock that decides when the run lets window events in.
#include <cstdint>
#include <functional>
#include <string>

namespace dlx {

/// A run translates at most this many lines; one more is refused before anything is translated.
inline constexpr int kMaxTranslationLines = 32767;

/// done * 100 / total rounded to the nearest integer, halves to the even neighbour: 1 of 8 => 12, 3 of 8 => 38.
/// A total of 0 or less gives 0.
int progressPercent(long long done, long long total);

/// "42 % completed" for 42.
std::string progressCaption(int percent);

/// Width of the filled part of a bar barWidth wide at this percentage.
double progressFill(int percent, double barWidth);

/// Lets a long loop yield to the event loop at most once per interval: the first call is always due, later
/// calls only when `intervalMs` have passed since the last due one. The clock is passed in.
class YieldThrottle {
public:
    YieldThrottle(std::function<std::int64_t()> nowMs, std::int64_t intervalMs)
        : now_(std::move(nowMs)), interval_(intervalMs) {}

    bool due();

private:
    std::function<std::int64_t()> now_;
    std::int64_t interval_;
    std::int64_t last_ = 0;
    bool started_ = false;
};

} // namespace dlx

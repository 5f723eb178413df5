#include "TranslationProgress.h"

namespace dlx {

int progressPercent(long long done, long long total) {
    if (total <= 0)
        return 0;
    // Integer arithmetic, so that an exact half is recognised as one.
    const long long scaled = done * 100;
    long long q = scaled / total;
    const long long twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

std::string progressCaption(int percent) {
    return std::to_string(percent) + " % completed";
}

double progressFill(int percent, double barWidth) {
    return percent * barWidth / 100.0;
}

bool YieldThrottle::due() {
    const std::int64_t t = now_();
    if (started_ && t - last_ < interval_)
        return false;
    started_ = true;
    last_ = t;
    return true;
}

} // namespace dlx

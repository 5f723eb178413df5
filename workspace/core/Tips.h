#pragma once
// The tip of the day: the fifteen tips, their rotation and the "show at start" switch.
#include <string>
#include <string_view>
#include <vector>

namespace dlx {

/// Where suggestions and news about the program go (tips 14 and 15, the about and splash windows).
inline constexpr const char *kMakerEmail = "dualexicon@example.org";
inline constexpr const char *kMakerWeb = "http://dualexicon.example.org";

/// The 15 tips in index order (UTF-8); tips()[0] is tip 1.
const std::vector<std::string> &tips();

/// Reads the "Tip"/"My Tip" setting: "1" shows the tip at start, any other whole number does not, and a value
/// that is not a whole number (a hand-edited file) counts as "show", like an absent one.
/// "1" => true, "0" => false, " 1 " => true, "2" => false, "yes" => true, "" => true.
bool tipWanted(std::string_view stored);

/// The tip on show, 1 to 15.
class TipRotation {
public:
    /// r in [0, 1): CurrentTip = whole part of 15 * r + 1. Values outside [0, 1) are clamped.
    explicit TipRotation(double r);

    int current() const { return current_; }
    const std::string &text() const { return tips()[static_cast<std::size_t>(current_ - 1)]; }

    /// "ลูกเล่นถัดไป >": the next tip, after the last one the first again.
    void next();

private:
    int current_ = 1;
};

} // namespace dlx

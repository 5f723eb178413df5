#pragma once
// A dictionary folder of its own for each test, and a random source that draws what the test tells it to.
#include "LetterFile.h"
#include "RandomEntry.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace dlx::test {

class TempDictionary {
public:
    TempDictionary() {
        std::string pattern = testing::TempDir() + "dlx-games-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temp folder");
        root_ = pattern;
        std::filesystem::create_directories(root_ / "Data");
    }
    ~TempDictionary() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    TempDictionary(const TempDictionary &) = delete;
    TempDictionary &operator=(const TempDictionary &) = delete;

    std::string root() const { return root_.string(); }
    std::string data() const { return (root_ / "Data").string(); }

    /// Writes the file under the exact name given ("A.pal", "B.PAL", "c.pal"), Windows-874, CR LF.
    void write(const std::string &fileName, const std::vector<std::u32string> &lines) const {
        const auto written = writeFileBytes(data() + "/" + fileName, letterFileBytes(lines));
        if (!written)
            throw std::runtime_error(written.error().reason());
    }

private:
    std::filesystem::path root_;
};

/// Each draw takes the next scripted offset from the low end of the asked range (kept inside the range); with the
/// script used up it draws the low end. Every asked range is recorded.
class ScriptedRandom : public RandomSource {
public:
    std::deque<int> picks;
    std::vector<std::pair<int, int>> ranges;

    explicit ScriptedRandom(std::deque<int> script = {}) : picks(std::move(script)) {}

    int between(int low, int high) override {
        ranges.emplace_back(low, high);
        int v = low;
        if (!picks.empty()) {
            v = low + picks.front();
            picks.pop_front();
        }
        return std::clamp(v, low, high);
    }
};

} // namespace dlx::test

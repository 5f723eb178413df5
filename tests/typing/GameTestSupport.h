#pragma once
// A dictionary folder of its own for each test, and a random source that draws what the test tells it to.
#include "LetterFile.h"
#include "RandomEntry.h"
#include "TempFolder.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace dlx::test {

/// A temporary program folder holding an empty Data folder.
class TempDictionary : public TempFolder {
public:
    TempDictionary() : TempFolder("dlx-games") { std::filesystem::create_directories(data()); }

    std::string data() const { return file("Data"); }

    /// Writes the file under the exact name given ("A.pal", "B.PAL", "c.pal"), Windows-874, CR LF.
    void write(const std::string &fileName, const std::vector<std::u32string> &lines) const {
        writeBytes("Data/" + fileName, letterFileBytes(lines));
    }

    /// Copies the program's help document into the folder "help".
    void installHelp() const {
        std::filesystem::create_directories(file("help"));
        std::filesystem::copy_file(std::string(DLX_SHIPPED_DATA) + "/../help/index.html", file("help/index.html"));
    }
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

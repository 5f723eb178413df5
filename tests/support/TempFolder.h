#pragma once
// The one temporary folder of the tests: made fresh under the test framework's temp directory (or /tmp), removed
// with everything in it at the end of the test. Writes that fail throw, so a test never runs on a half-made folder.
#include "Codec874.h"
#include "TextFile.h"
#include "Utf8.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace dlx::test {

class TempFolder {
public:
    explicit TempFolder(const std::string &prefix = "dlx") {
        static int counter = 0;
        const char *base = std::getenv("TEST_TMPDIR");
        path_ = std::filesystem::path(base && *base ? base : std::filesystem::temp_directory_path().string()) /
                (prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    std::string path() const { return path_.string(); }
    /// The path of `name` inside the folder: file("Data/A.pal").
    std::string file(const std::string &name) const { return (path_ / name).string(); }

    /// Writes the bytes to `name`, making its folders first.
    void writeBytes(const std::string &name, const std::string &bytes) const {
        const auto target = path_ / name;
        std::filesystem::create_directories(target.parent_path());
        if (auto written = writeFileBytes(target.string(), bytes); !written)
            throw std::runtime_error("cannot write " + target.string() + ": " + written.error().reason());
    }
    /// Lines written in UTF-8 here, stored as Windows-874 with CR LF, as the letter files are.
    void writeLines(const std::string &name, const std::vector<std::string> &lines) const {
        std::string bytes;
        for (const auto &l : lines)
            bytes += encode874(fromUtf8(l)) + "\r\n";
        writeBytes(name, bytes);
    }
    /// Dictionary lines sorted into their letter files ("<folder>/A.pal" ...), in the order given.
    void writeEntries(const std::vector<std::string> &lines, const std::string &folder = "") const {
        std::map<char, std::vector<std::string>> byLetter;
        for (const auto &l : lines)
            byLetter[static_cast<char>(std::toupper(static_cast<unsigned char>(l[0])))].push_back(l);
        for (const auto &[letter, ls] : byLetter)
            writeLines((folder.empty() ? "" : folder + "/") + std::string(1, letter) + ".pal", ls);
    }

private:
    std::filesystem::path path_;
};

} // namespace dlx::test

#pragma once
// A small Data folder in the test's temp directory, removed again at the end of the test.
#include "Codec874.h"
#include "TextFile.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace dlx::test {

class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        path_ = std::filesystem::path(::testing::TempDir()) /
                ("dlx-lexicon-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    std::string path() const { return path_.string(); }

    void writeBytes(const std::string &name, const std::string &bytes) const {
        ASSERT_TRUE(writeFileBytes((path_ / name).string(), bytes).ok());
    }
    /// Lines written in UTF-8 here, stored as Windows-874 with CR LF.
    void writeLines(const std::string &name, const std::vector<std::string> &lines) const {
        std::string bytes;
        for (const auto &l : lines)
            bytes += encode874(fromUtf8(l)) + "\r\n";
        writeBytes(name, bytes);
    }

private:
    std::filesystem::path path_;
};

} // namespace dlx::test

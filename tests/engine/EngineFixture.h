#pragma once
// A tiny Data folder per test, written in Windows-874 with CR LF, and a translator over it.
#include "Codec874.h"
#include "Driver.h"
#include "LetterFile.h"
#include "TextFile.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace dlx::test {

inline constexpr const char *N = "n.(นาม)";
inline constexpr const char *PRO = "pro.(สรรพนาม)";
inline constexpr const char *ADJ = "adj.(คุณศัพท์)";
inline constexpr const char *VT = "vt.(สกรรมกริยา)";
inline constexpr const char *VI = "vi.(อกรรมกริยา)";
inline constexpr const char *ADV = "adv.(กริยาวิเศษณ์)";
inline constexpr const char *CON = "con.(สันธาน)";
inline constexpr const char *Q = "คำถาม";
inline constexpr const char *BE = "ใช้แทน BE";

inline std::string entry(const std::string &en, const std::string &th, const std::string &label) {
    return en + "/" + th + "/" + label;
}

class TempDataFolder {
public:
    TempDataFolder() {
        static int counter = 0;
        path_ = std::filesystem::path(::testing::TempDir()) /
                ("dlx-data-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDataFolder() { std::filesystem::remove_all(path_); }
    std::string path() const { return path_.string(); }

    /// Writes lines (UTF-8 here) as a Windows-874 file with CR LF; fileName defaults to "<letter>.pal".
    void write(const std::string &fileName, const std::vector<std::string> &lines) const {
        std::string bytes;
        for (const auto &l : lines)
            bytes += encode874(fromUtf8(l)) + "\r\n";
        writeRaw(fileName, bytes);
    }
    void writeRaw(const std::string &fileName, const std::string &bytes) const {
        ASSERT_TRUE(writeFileBytes((path_ / fileName).string(), bytes).ok());
    }
    /// Sorts entries into their letter files, in the order given.
    void writeEntries(const std::vector<std::string> &lines) const {
        std::map<char, std::vector<std::string>> byLetter;
        for (const auto &l : lines)
            byLetter[static_cast<char>(std::toupper(static_cast<unsigned char>(l[0])))].push_back(l);
        for (const auto &[letter, ls] : byLetter)
            write(std::string(1, letter) + ".pal", ls);
    }

private:
    std::filesystem::path path_;
};

inline std::string translateUtf8(const std::string &dataFolder, const std::string &text,
                                 TranslationMode mode = TranslationMode::Grammar) {
    Lexicon lexicon(dataFolder);
    return toUtf8(translateText(fromUtf8(text), lexicon, mode));
}

/// Translates lines without phrase rewriting and gives the lines as the driver stored them.
inline std::vector<std::string> rawLines(const std::string &dataFolder, const std::string &text,
                                         TranslationMode mode = TranslationMode::Grammar) {
    Lexicon lexicon(dataFolder);
    TranslationState state;
    Translator translator(state, lexicon);
    translator.mode = mode;
    beginRun(state);
    translateLines(translator, splitLines(fromUtf8(text)));
    std::vector<std::string> out;
    for (const auto &l : state.TranslatedLines)
        out.push_back(toUtf8(l));
    return out;
}

} // namespace dlx::test

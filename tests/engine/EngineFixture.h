#pragma once
// Labels and entries for the tiny Data folder of each test (a TempFolder), and translations over it.
#include "Driver.h"
#include "LetterFile.h"
#include "TempFolder.h"
#include "TextFile.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
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

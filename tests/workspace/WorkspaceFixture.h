#pragma once
// A program folder of its own for each test (removed afterwards), with a tiny dictionary in Data, and the
// engine's own translation of a text to compare the window and the run against.
#include "Codec874.h"
#include "Driver.h"
#include "TextFile.h"
#include "Utf8.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace dlx::test {

class TempProgramFolder {
public:
    TempProgramFolder() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "dlx-ws-XXXXXX").string();
        if (::mkdtemp(tmpl.data()))
            path_ = tmpl;
        std::filesystem::create_directories(path_ / "Data");
    }
    ~TempProgramFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempProgramFolder(const TempProgramFolder &) = delete;
    TempProgramFolder &operator=(const TempProgramFolder &) = delete;

    std::string path() const { return path_.string(); }
    std::string dataFolder() const { return (path_ / "Data").string(); }

private:
    std::filesystem::path path_;
};

/// can, not, go, I, red, cat, dog: enough for the grammar, word-for-word and the phrase rule "สามารถไม่".
inline void writeFixtureDictionary(const std::string &dataFolder) {
    const std::map<char, std::vector<std::string>> files = {
        {'C', {"can/สามารถ/vt.(สกรรมกริยา)", "cat/แมว/n.(นาม)"}},
        {'D', {"dog/สุนัข/n.(นาม)"}},
        {'G', {"go/ไป/vi.(อกรรมกริยา)"}},
        {'I', {"I/ฉัน/pro.(สรรพนาม)"}},
        {'N', {"not/ไม่/adv.(กริยาวิเศษณ์)"}},
        {'R', {"red/แดง/adj.(คุณศัพท์)"}},
    };
    for (const auto &[letter, lines] : files) {
        std::string bytes;
        for (const auto &line : lines)
            bytes += encode874(fromUtf8(line)) + "\r\n";
        if (!writeFileBytes(dataFolder + "/" + letter + ".pal", bytes))
            throw std::runtime_error("cannot write the test dictionary");
    }
}

/// What the engine makes of the text on its own (lines joined with "\n"), in UTF-8. For a text that does not
/// end with a line break this is what the window must show.
inline std::string engineTranslation(const std::string &dataFolder, const std::string &text,
                                     TranslationMode mode = TranslationMode::Grammar) {
    Lexicon lexicon(dataFolder);
    return toUtf8(translateText(fromUtf8(text), lexicon, mode));
}

} // namespace dlx::test

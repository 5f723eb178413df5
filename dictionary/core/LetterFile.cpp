#include "LetterFile.h"

#include "Codec874.h"
#include "TextFile.h"

#include <sys/stat.h>

namespace dlx {

std::optional<DictionaryEntry> parseEntry(std::u32string_view line) {
    const size_t s1 = line.find(U'/');
    if (s1 == std::u32string_view::npos)
        return std::nullopt;
    DictionaryEntry e;
    e.english = line.substr(0, s1);
    const size_t s2 = line.find(U'/', s1 + 1);
    if (s2 == std::u32string_view::npos) {
        e.thai = line.substr(s1 + 1);
        return e;
    }
    e.thai = line.substr(s1 + 1, s2 - s1 - 1);
    const size_t s3 = line.find(U'/', s2 + 1);
    e.label = line.substr(s2 + 1, s3 == std::u32string_view::npos ? std::u32string_view::npos : s3 - s2 - 1);
    return e;
}

const std::vector<std::u32string> &partOfSpeechLabels() {
    static const std::vector<std::u32string> labels = {
        U"n.(นาม)",    U"pro.(สรรพนาม)", U"adj.(คุณศัพท์)", U"vt.(สกรรมกริยา)", U"vi.(อกรรมกริยา)", U"adv.(กริยาวิเศษณ์)",
        U"pre.(บุพบท)", U"con.(สันธาน)",   U"คำถาม",       U"คำอ่าน",          U"ใช้แทน BE"};
    return labels;
}

Label classifyLabel(std::u32string_view text) {
    const auto &labels = partOfSpeechLabels();
    for (size_t i = 0; i < labels.size(); ++i)
        if (labels[i] == text)
            return static_cast<Label>(i);
    return Label::Other;
}

std::optional<std::string> findLetterFile(const std::string &dataFolder, char32_t letter) {
    if (letter < U'A' || letter > U'Z')
        return std::nullopt;
    const std::string base = dataFolder + "/" + static_cast<char>(letter);
    for (const char *ext : {".pal", ".PAL"}) {
        const std::string path = base + ext;
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            return path;
    }
    return std::nullopt;
}

std::string letterFilePath(const std::string &dataFolder, char32_t letter) {
    if (auto found = findLetterFile(dataFolder, letter))
        return *found;
    return dataFolder + "/" + static_cast<char>(letter) + ".pal";
}

Result<LetterFileLines> readLetterFile(const std::string &dataFolder, char32_t letter) {
    LetterFileLines r;
    const auto path = findLetterFile(dataFolder, letter);
    if (!path)
        return r;
    r.present = true;
    auto bytes = readFileBytes(*path);
    if (!bytes)
        return bytes.error();
    r.lines = splitLines(decode874(*bytes));
    return r;
}

std::string letterFileBytes(const std::vector<std::u32string> &lines) {
    std::string out;
    for (const auto &line : lines) {
        out += encode874(line);
        out += "\r\n";
    }
    return out;
}

} // namespace dlx

#include "LetterFile.h"

#include "Codec874.h"
#include "TextFile.h"

#include <sys/stat.h>

namespace dlx {

DictionaryEntry splitEntry(std::u32string_view line) {
    DictionaryEntry e;
    e.fieldCount = 0;
    std::size_t start = 0;
    for (std::u32string *field : {&e.english, &e.thai, &e.label}) {
        const std::size_t slash = line.find(U'/', start);
        *field = line.substr(start, slash == std::u32string_view::npos ? std::u32string_view::npos : slash - start);
        ++e.fieldCount;
        if (slash == std::u32string_view::npos)
            break;
        start = slash + 1;
    }
    return e;
}

std::optional<DictionaryEntry> parseEntry(std::u32string_view line) {
    DictionaryEntry e = splitEntry(line);
    if (e.fieldCount < 2)
        return std::nullopt;
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

namespace {

std::optional<std::string> findIn(const std::string &dataFolder, char32_t letter) {
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

} // namespace

std::optional<std::string> findLetterFile(const DataFolders &folders, char32_t letter) {
    if (auto own = findIn(folders.user, letter))
        return own;
    return folders.layered() ? findIn(folders.shipped, letter) : std::nullopt;
}

bool isUsersOwnLetter(const DataFolders &folders, char32_t letter) {
    return folders.layered() && findIn(folders.user, letter).has_value();
}

std::string letterFilePath(const std::string &dataFolder, char32_t letter) {
    if (auto found = findIn(dataFolder, letter))
        return *found;
    return dataFolder + "/" + static_cast<char>(letter) + ".pal";
}

Result<LetterFileLines> readLetterFile(const DataFolders &folders, char32_t letter) {
    LetterFileLines r;
    const auto path = findLetterFile(folders, letter);
    if (!path)
        return r;
    r.present = true;
    r.usersOwn = isUsersOwnLetter(folders, letter);
    auto bytes = readFileBytes(*path);
    if (!bytes)
        return bytes.error();
    r.lines = letterFileLines(decode874(*bytes));
    return r;
}

std::vector<std::u32string> letterFileLines(std::u32string_view text) {
    std::vector<std::u32string> lines;
    for (const LineSpan &span : letterLineSpans(text))
        lines.emplace_back(text.substr(span.start, span.length));
    return lines;
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

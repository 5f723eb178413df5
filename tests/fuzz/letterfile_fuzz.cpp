// A letter file loaded into the editor and saved unchanged comes back byte for byte when it was already in the
// form a save writes (Windows-874 lines, each ended by CR LF); any other file comes back in that form with the
// same entries, and saving again changes nothing. A downloaded body that passes the check keeps its lines too.
#include "Codec874.h"
#include "Download.h"
#include "EditorModel.h"
#include "LetterFile.h"
#include "TextFile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <stdlib.h>
#include <unistd.h>

using namespace dlx;

namespace {

// A folder of the run's own, removed when the run ends.
struct Folder {
    std::string path;
    ~Folder() { std::filesystem::remove_all(path); }
};

const std::string &folder() {
    static const Folder made{[] {
        // In memory where the system offers it: every save is flushed to its disk.
        std::string name = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        name += "/dlx-letterfile-fuzz-XXXXXX";
        if (!::mkdtemp(name.data()))
            std::abort();
        return name;
    }()};
    return made.path;
}

// Every line, the last one too, ends with CR LF, and no other CR or LF is there.
bool inSavedForm(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find("\r\n");
        if (end == std::string_view::npos || bytes.substr(0, end).find_first_of("\r\n") != std::string_view::npos)
            return false;
        bytes.remove_prefix(end + 2);
    }
    return true;
}

std::string loadAndSave(const std::vector<std::u32string> *expectLines) {
    EditorModel editor(folder());
    editor.chooseLetter(U"A");
    if (expectLines && editor.lines() != *expectLines)
        std::abort();
    if (editor.save().message)
        std::abort();
    auto saved = readFileBytes(folder() + "/A.pal");
    if (!saved)
        std::abort();
    return *saved;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size > EditorModel::kMaxEntries)
        return 0; // more lines than the editor holds: it refuses to save, which its own tests cover
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::vector<std::u32string> lines = letterFileLines(decode874(bytes));

    if (!writeFileBytes(folder() + "/A.pal", bytes))
        std::abort();
    const std::string saved = loadAndSave(&lines);
    if (!inSavedForm(saved) || (inSavedForm(bytes) && saved != bytes))
        std::abort();
    if (loadAndSave(&lines) != saved)
        std::abort();

    const DownloadCheck check = checkLetterDownload(bytes, U'A');
    if (check.problem.empty()) {
        const LetterDownload &got = check.download;
        if (!inSavedForm(got.bytes) || (inSavedForm(bytes) && got.bytes != bytes) || got.lines.size() != lines.size())
            std::abort();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (decode874(got.line(i)) != lines[i])
                std::abort();
    }
    return 0;
}

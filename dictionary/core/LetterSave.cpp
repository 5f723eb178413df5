#include "LetterSave.h"

#include "Codec874.h"
#include "LetterFile.h"
#include "TextFile.h"
#include "Utf8.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace dlx {

namespace {

std::u32string fileName(const std::string &path) {
    const std::size_t slash = path.find_last_of('/');
    return fromUtf8(slash == std::string::npos ? path : path.substr(slash + 1));
}

} // namespace

std::optional<std::u32string> saveLetterBytes(const DataFolders &folders, char32_t letter, std::string_view bytes) {
    const std::string &dataFolder = folders.user;
    if (folders.layered()) {
        std::error_code error;
        std::filesystem::create_directories(dataFolder, error);
        if (error)
            return U"บันทึกแฟ้ม " + fromUtf8(letterFilePath(dataFolder, letter)) + U" ไม่สำเร็จ เพราะสร้างโฟลเดอร์ไม่ได้ (" +
                   fromUtf8(error.message()) + U")";
    }
    const std::string path = letterFilePath(dataFolder, letter);
    const std::u32string name = fileName(path);
    struct stat st {};
    if (::stat(dataFolder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return U"บันทึกแฟ้ม " + name + U" ไม่สำเร็จ เพราะไม่พบโฟลเดอร์ " + fromUtf8(dataFolder);
    removeStaleTemporaryFiles(dataFolder);
    if (auto written = writeFileAtomically(path, bytes); !written)
        return U"บันทึกแฟ้ม " + name + U" ไม่สำเร็จ (" + fromUtf8(written.error().reason()) + U")";
    return std::nullopt;
}

std::optional<std::u32string> removeUsersLetter(const DataFolders &folders, char32_t letter) {
    while (isUsersOwnLetter(folders, letter)) { // an "A.pal" and an "A.PAL" both go
        const std::string path = letterFilePath(folders.user, letter);
        if (::unlink(path.c_str()) != 0)
            return U"ลบแฟ้ม " + fromUtf8(path) + U" ไม่สำเร็จ (" + fromUtf8(IoError::fromErrno(path).reason()) + U")";
    }
    return std::nullopt;
}

std::optional<char32_t> firstCharacterOutside874(std::u32string_view text) {
    for (char32_t c : text)
        if (!representable874(std::u32string_view(&c, 1)))
            return c;
    return std::nullopt;
}

std::u32string outside874Message(char32_t ch) {
    static const char hex[] = "0123456789ABCDEF";
    std::u32string code;
    for (char32_t rest = ch; rest != 0 || code.size() < 4; rest >>= 4)
        code.insert(code.begin(), static_cast<char32_t>(hex[rest & 0xF]));
    return U"ข้อมูลมีอักขระ \"" + std::u32string(1, ch) + U"\" (U+" + code +
           U") ซึ่งแฟ้มพจนานุกรมภาษาไทย (Windows-874) เก็บไม่ได้ กรุณาแก้ไขก่อนบันทึก";
}

} // namespace dlx

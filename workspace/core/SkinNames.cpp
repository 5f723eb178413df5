#include "SkinNames.h"

#include "Utf8.h"

namespace dlx {

bool isSkinPictureName(std::u32string_view fileName) {
    if (fileName.size() < 3)
        return false;
    const std::u32string ending = upperAscii(fileName.substr(fileName.size() - 3));
    return ending == U"BMP" || ending == U"JPG" || ending == U"GIF";
}

std::u32string joinSkinPath(std::u32string_view folder, std::u32string_view fileName, char32_t separator) {
    std::u32string path(folder);
    if (path.empty() || path.back() != separator)
        path.push_back(separator);
    path += fileName;
    return path;
}

} // namespace dlx

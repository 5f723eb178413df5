#pragma once
// Which files the skin chooser accepts, and how it builds the full path of the chosen one.
#include <string>
#include <string_view>

namespace dlx {

/// True when the last three characters, upper-cased, are BMP, JPG or GIF. Only the ending counts, so
/// "sky.Jpg" and "xgif" are accepted while "sky.jpeg" (PEG) and "gi" are refused.
bool isSkinPictureName(std::u32string_view fileName);

/// Folder and file joined by one separator; a folder that already ends with it (a drive root) gets none.
/// ("/", "a.bmp") => "/a.bmp";  ("/home/pat", "a.bmp") => "/home/pat/a.bmp"
std::u32string joinSkinPath(std::u32string_view folder, std::u32string_view fileName, char32_t separator = U'/');

} // namespace dlx

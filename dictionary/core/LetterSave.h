#pragma once
// Saving a whole letter file on behalf of a window: all-or-nothing, with a Thai description of a failure, and
// the check that keeps text Windows-874 cannot hold from being saved changed.
#include "DataFolders.h"

#include <optional>
#include <string>
#include <string_view>

namespace dlx {

/// Replaces letter L's file (A.pal, or the A.PAL already there) with the bytes, all-or-nothing: on failure the
/// old file is untouched. The file keeps its mode, owner and group, and a symbolic link stays a link to the file it
/// names; temporary files that an earlier, interrupted save left in the folder are removed first. Returns a Thai
/// description of the failure (naming the file and the reason), or nothing. The file is saved in the user's
/// folder: in layered folders that makes (or replaces) the user's own copy, creating the folder when needed.
std::optional<std::u32string> saveLetterBytes(const DataFolders &folders, char32_t letter, std::string_view bytes);

/// Removes the user's own copy of letter L in layered folders, so the shipped file is read again. Nothing to do
/// when there is none. Returns a Thai description of the failure, or nothing.
std::optional<std::u32string> removeUsersLetter(const DataFolders &folders, char32_t letter);

/// The first character of the text that has no Windows-874 byte, if any.  U"ab\u00E9" => U'\u00E9'
std::optional<char32_t> firstCharacterOutside874(std::u32string_view text);

/// A Thai message naming a character the dictionary cannot store, with its code point:
/// U'\u00E9' => ข้อมูลมีอักขระ "é" (U+00E9) ที่ ...
std::u32string outside874Message(char32_t ch);

} // namespace dlx

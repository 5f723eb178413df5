#pragma once
// The Qt-free half of the dictionary download (FrmUpdate): where a letter's file is published, how a missing
// page is recognised, and the bytes that replace the local letter file.
#include <optional>
#include <string>
#include <string_view>

namespace dlx {

/// Used when the settings hold no "Update"/"Server": a server on this machine, as scripts/publish-dictionary.sh
/// and python3 -m http.server 8080 set it up.
inline constexpr std::string_view kDefaultUpdateServer = "http://127.0.0.1:8080";

/// The published file of a letter: base + "/update/" + lower-case letter + ".pal". Spaces around the base and
/// slashes at its end are dropped.  ("http://h:8080/", U'C') => "http://h:8080/update/c.pal"
std::string updateUrl(std::string_view baseUrl, char32_t letter);

/// True when the text is a web server's missing-page answer rather than a dictionary.
bool isMissingPage(std::u32string_view text);

/// What a download save writes: the text as shown, every line break as CR LF, in Windows-874, followed by
/// CR LF. A text that already ends with a line break therefore ends the file with an empty line.
std::string downloadFileBytes(std::u32string_view text);

} // namespace dlx

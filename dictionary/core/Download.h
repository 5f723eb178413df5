#pragma once
// The Qt-free half of the dictionary download (FrmUpdate): where a letter's file is published, the check that a
// response body really is that letter's file, and the bytes that replace the local letter file.
#include "LetterFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dlx {

/// Used when the settings hold no "Update"/"Server": a server on this machine, as scripts/publish-dictionary.sh
/// and python3 -m http.server 8080 set it up.
inline constexpr std::string_view kDefaultUpdateServer = "http://127.0.0.1:8080";

/// The published file of a letter: base + "/update/" + lower-case letter + ".pal". Spaces around the base and
/// slashes at its end are dropped.  ("http://h:8080/", U'C') => "http://h:8080/update/c.pal"
std::string updateUrl(std::string_view baseUrl, char32_t letter);

/// True when a response body is a web server's missing-page answer rather than a dictionary.
bool isMissingPage(std::string_view body);

/// A downloaded letter file that passed the check, as the save writes it: every line followed by CR LF and nothing
/// more, so that publishing a saved file and downloading it again gives the same bytes. A body received with other
/// line ends (LF, CR, CR CR LF) or without a last one is given CR LF line ends; nothing else changes.
struct LetterDownload {
    char32_t letter = U'A';
    std::string bytes;
    std::vector<LineSpan> lines; ///< where each line lies in bytes, without its CR LF

    std::string_view line(std::size_t index) const;
    /// Lines that hold an entry (the others are empty).
    std::size_t entryCount() const;
};

struct DownloadCheck {
    std::u32string problem;  ///< empty when the body is a letter file of the letter; else what is wrong, in Thai
    LetterDownload download; ///< filled when there is no problem
};

/// Checks that a response body is letter L's file before anything is shown or saved:
/// - the whole body arrived: a body shorter than the announced Content-Length (announcedLength, -1 when the
///   server announced none) was cut short;
/// - it is text: no NUL byte, not gzip data;
/// - it is Windows-874: no byte the code page leaves undefined;
/// - every line is empty or "word/meaning" (a label and further pieces may follow), the word starting with the
///   letter in either case.
/// The first problem found is described with its line number and the line itself.
DownloadCheck checkLetterDownload(std::string body, char32_t letter, std::int64_t announcedLength = -1);

} // namespace dlx

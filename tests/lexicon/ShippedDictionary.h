#pragma once
// The shipped letter files read line by line as they are on disk, for the checks of the dictionary itself.
#include <string>
#include <vector>

namespace dlx::test {

struct ShippedLine {
    char letter = 'A';                  ///< the file the line is in
    int number = 0;                     ///< 1-based line number in that file
    std::u32string text;                ///< the decoded line without its CR LF
    std::vector<std::u32string> fields; ///< the line split at every "/"
};

struct ShippedFile {
    char letter = 'A';
    bool present = false;
    std::string bytes;
    std::vector<ShippedLine> lines;
};

/// Reads the 26 files L.pal of the folder (absent files come back with present = false).
std::vector<ShippedFile> readShippedFiles(const std::string &folder);

/// Reads a UTF-8 word list, one word a line, blank lines skipped.
std::vector<std::string> readWordList(const std::string &path);

/// "news" for "News" and the like: ASCII letters lowered.
std::string lowerAscii(std::string s);

/// The runs of ASCII letters in a text, as the translation cuts words ("don't" gives "don" and "t").
std::vector<std::u32string> letterRuns(std::u32string_view text);

} // namespace dlx::test

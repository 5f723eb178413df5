#include "ShippedDictionary.h"

#include "Codec874.h"
#include "TextFile.h"

#include <cctype>

namespace dlx::test {

std::vector<ShippedFile> readShippedFiles(const std::string &folder) {
    std::vector<ShippedFile> files;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        ShippedFile f;
        f.letter = letter;
        const auto r = readFileBytes(folder + "/" + letter + ".pal");
        f.present = r.ok();
        if (r.ok()) {
            f.bytes = *r;
            const std::u32string text = decode874(*r);
            size_t start = 0;
            int number = 0;
            while (start < text.size()) {
                size_t end = text.find(U"\r\n", start);
                if (end == std::u32string::npos)
                    end = text.size();
                ShippedLine line;
                line.letter = letter;
                line.number = ++number;
                line.text = text.substr(start, end - start);
                size_t from = 0;
                for (;;) {
                    const size_t slash = line.text.find(U'/', from);
                    line.fields.push_back(line.text.substr(from, slash == std::u32string::npos ? slash : slash - from));
                    if (slash == std::u32string::npos)
                        break;
                    from = slash + 1;
                }
                f.lines.push_back(std::move(line));
                start = end + 2;
            }
        }
        files.push_back(std::move(f));
    }
    return files;
}

std::vector<std::string> readWordList(const std::string &path) {
    std::vector<std::string> words;
    const auto r = readFileBytes(path);
    if (!r)
        return words;
    std::string word;
    for (char c : *r + "\n") {
        if (c == '\n' || c == '\r') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

std::string lowerAscii(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::vector<std::u32string> letterRuns(std::u32string_view text) {
    std::vector<std::u32string> runs;
    std::u32string run;
    for (char32_t c : text) {
        if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) {
            run += c;
        } else if (!run.empty()) {
            runs.push_back(run);
            run.clear();
        }
    }
    if (!run.empty())
        runs.push_back(run);
    return runs;
}

} // namespace dlx::test

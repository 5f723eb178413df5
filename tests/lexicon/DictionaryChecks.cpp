#include "DictionaryChecks.h"

#include "Driver.h"
#include "LetterFile.h"
#include "Lexicon.h"
#include "Utf8.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <tuple>

namespace dlx::test {
namespace {

std::string where(const ShippedLine &l) {
    return std::string(1, l.letter) + ".pal:" + std::to_string(l.number);
}

// Thai vowel signs and tone marks that sit on a consonant and cannot begin a word.
bool isThaiCombining(char32_t c) {
    return c == U'\u0E31' || (c >= U'\u0E34' && c <= U'\u0E3A') || (c >= U'\u0E47' && c <= U'\u0E4E');
}

bool isArticleKey(std::u32string_view key) {
    return key == U"THE" || key == U"AN" || key == U"A";
}

} // namespace

std::vector<std::string> fileProblems(const std::vector<ShippedFile> &files) {
    std::vector<std::string> problems;
    for (const auto &f : files) {
        const std::string name = std::string(1, f.letter) + ".pal";
        if (!f.present) {
            problems.push_back(name + " is missing");
            continue;
        }
        if (f.bytes.empty()) {
            problems.push_back(name + " is empty");
            continue;
        }
        if (f.bytes.size() < 2 || f.bytes.compare(f.bytes.size() - 2, 2, "\r\n") != 0)
            problems.push_back(name + " does not end with CR LF");
        for (size_t i = 0; i < f.bytes.size(); ++i) {
            const bool crWithoutLf = f.bytes[i] == '\r' && (i + 1 == f.bytes.size() || f.bytes[i + 1] != '\n');
            const bool lfWithoutCr = f.bytes[i] == '\n' && (i == 0 || f.bytes[i - 1] != '\r');
            if (crWithoutLf || lfWithoutCr) {
                problems.push_back(name + ": a line break that is not CR LF at byte " + std::to_string(i));
                break;
            }
        }
    }
    return problems;
}

std::vector<std::string> lineProblems(const std::vector<ShippedFile> &files) {
    const auto &labels = partOfSpeechLabels();
    std::vector<std::string> problems;
    for (const auto &f : files) {
        for (const auto &l : f.lines) {
            const std::string text = toUtf8(l.text);
            if (l.fields.size() != 3) {
                problems.push_back(where(l) + ": needs exactly three fields (no \"/\" inside one): " + text);
                continue;
            }
            const std::u32string &english = l.fields[0], &thai = l.fields[1], &label = l.fields[2];
            if (english.empty() || !std::all_of(english.begin(), english.end(), [](char32_t c) {
                    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
                }))
                problems.push_back(where(l) + ": English must be one word of ASCII letters: " + text);
            else if (upperAscii(english.substr(0, 1))[0] != static_cast<char32_t>(f.letter))
                problems.push_back(where(l) + ": word does not start with the file's letter: " + text);
            else if (isArticleKey(upperAscii(english)))
                problems.push_back(where(l) + ": the articles never reach the dictionary: " + text);
            if (thai.empty())
                problems.push_back(where(l) + ": empty meaning: " + text);
            else if (!std::all_of(thai.begin(), thai.end() - (thai.back() == U'.' ? 1 : 0),
                                  [](char32_t c) { return c >= U'\u0E01' && c <= U'\u0E5B'; }))
                problems.push_back(where(l) +
                                   ": meaning must be Thai letters only (no spaces, marks or lists; an "
                                   "abbreviation may end with a full stop): " +
                                   text);
            else if (isThaiCombining(thai[0]))
                problems.push_back(where(l) + ": meaning starts with a vowel sign or tone mark: " + text);
            if (std::find(labels.begin(), labels.end(), label) == labels.end())
                problems.push_back(where(l) + ": unknown label: " + text);
        }
    }
    return problems;
}

std::vector<std::string> duplicateProblems(const std::vector<ShippedFile> &files) {
    std::vector<std::string> problems;
    for (const auto &f : files) {
        std::map<std::tuple<std::u32string, std::u32string, std::u32string>, int> seen;
        for (const auto &l : f.lines) {
            if (l.fields.size() < 3)
                continue;
            const auto key = std::make_tuple(upperAscii(trimSpaces(l.fields[0])), l.fields[1], l.fields[2]);
            if (auto [it, fresh] = seen.emplace(key, l.number); !fresh)
                problems.push_back(where(l) + ": same word, meaning and label as line " + std::to_string(it->second) +
                                   ": " + toUtf8(l.text));
        }
    }
    return problems;
}

std::vector<std::string> orderProblems(const std::string &folder, std::size_t *checked) {
    Lexicon lexicon(folder);
    TranslationState state;
    Translator translator(state, lexicon);
    translator.mode = TranslationMode::WordForWord;
    auto translateAlone = [&](const std::u32string &line) {
        beginRun(state);
        translateLines(translator, {line});
        return state.TranslatedLines.empty() ? std::u32string() : state.TranslatedLines.front();
    };

    std::vector<std::string> problems;
    std::size_t count = 0;
    for (const auto &f : readShippedFiles(folder)) {
        std::map<std::u32string, std::u32string> firstMeaning;
        for (const auto &l : f.lines) {
            if (l.fields.size() < 3)
                continue;
            const std::u32string word(trimSpaces(l.fields[0]));
            if (word.empty() || isArticleKey(upperAscii(word)))
                continue; // never looked up; lineProblems reports such lines
            // A later sense of a word already came out with the earlier one, which the file puts first on purpose.
            const auto [it, first] = firstMeaning.emplace(upperAscii(word), l.fields[1]);
            if (!first)
                continue;
            for (const std::u32string &line : {word, word + U" "}) {
                ++count;
                const std::u32string got = translateAlone(line);
                if (got != it->second)
                    problems.push_back(where(l) + " \"" + toUtf8(line) + "\" gives \"" + toUtf8(got) +
                                       "\", its entry says \"" + toUtf8(it->second) + "\"");
            }
        }
    }
    if (checked)
        *checked = count;
    return problems;
}

std::string report(const std::vector<std::string> &problems) {
    std::ostringstream out;
    out << problems.size() << " problem(s):\n";
    for (size_t i = 0; i < problems.size() && i < 40; ++i)
        out << "  " << problems[i] << "\n";
    if (problems.size() > 40)
        out << "  ... and " << problems.size() - 40 << " more\n";
    return out.str();
}

} // namespace dlx::test

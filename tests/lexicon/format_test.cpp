// The letter files keep the format every reader of the program relies on: the shipped ones pass every rule,
// and each rule catches the fault it is there for.
#include "DictionaryChecks.h"
#include "TempFolder.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace dlx::test {
namespace {

const std::vector<ShippedFile> &shipped() {
    static const std::vector<ShippedFile> files = readShippedFiles(DLX_SHIPPED_DATA);
    return files;
}

bool mentions(const std::vector<std::string> &problems, const std::string &part) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string &p) { return p.find(part) != std::string::npos; });
}

TEST(LexiconFormat, shippedFilesArePresentAndEndEveryLineWithCrLf) {
    const auto problems = fileProblems(shipped());
    EXPECT_TRUE(problems.empty()) << report(problems);
}

TEST(LexiconFormat, shippedLinesAreEnglishWordThaiMeaningAndOneOfTheElevenLabels) {
    const auto problems = lineProblems(shipped());
    EXPECT_TRUE(problems.empty()) << report(problems);
}

TEST(LexiconFormat, shippedFilesHoldNoLineTwice) {
    const auto problems = duplicateProblems(shipped());
    EXPECT_TRUE(problems.empty()) << report(problems);
}

TEST(LexiconFormat, shippedFilesHoldAtLeastTwentyFourThousandEntries) {
    size_t total = 0;
    for (const auto &f : shipped())
        total += f.lines.size();
    std::printf("[ shipped  ] %zu entries in 26 letter files\n", total);
    EXPECT_GE(total, 24000u);
}

struct BrokenLine {
    const char *file;
    std::vector<std::string> lines;
    const char *problem; // nullptr: the lines are fine
};

TEST(LexiconFormat, eachLineRuleCatchesItsFault) {
    const std::vector<BrokenLine> rows = {
        {"B.pal", {"bank/ธนาคาร"}, "exactly three fields"},
        {"B.pal", {"bank/ธนา/คาร/n.(นาม)"}, "exactly three fields"},
        {"I.pal", {"ice cream/ไอศครีม/n.(นาม)"}, "one word of ASCII letters"},
        {"O.pal", {"o'clock/นาฬิกา/n.(นาม)"}, "one word of ASCII letters"},
        {"B.pal", {"apple/แอปเปิ้ล/n.(นาม)"}, "does not start with the file's letter"},
        {"T.pal", {"the/ไอ้/adj.(คุณศัพท์)"}, "articles never reach"},
        {"B.pal", {"bank//n.(นาม)"}, "empty meaning"},
        {"B.pal", {"bank/ธนาคาร การเงิน/n.(นาม)"}, "Thai letters only"},
        {"B.pal", {"bank/ธนาคาร(เงิน)/n.(นาม)"}, "Thai letters only"},
        {"B.pal", {"bank/bank/n.(นาม)"}, "Thai letters only"},
        {"B.pal", {"bank/ิธนาคาร/n.(นาม)"}, "vowel sign or tone mark"},
        {"B.pal", {"bank/ธนาคาร/noun"}, "unknown label"},
        {"B.pal", {"bank/ธนาคาร/n.(นาม)", "Bank/ธนาคาร/n.(นาม)"}, "same word, meaning and label as line 1"},
        {"B.pal", {"bank/ธนาคาร/n.(นาม)", "bank/ฝั่ง/n.(นาม)"}, nullptr},
        {"B.pal", {"bank/ธนาคาร/n.(นาม)", "bank/ฝากเงิน/vt.(สกรรมกริยา)"}, nullptr},
        {"D.pal", {"dr/ดร./n.(นาม)"}, nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.lines.front());
        TempFolder folder;
        folder.writeLines(row.file, row.lines);
        const auto files = readShippedFiles(folder.path());
        auto problems = lineProblems(files);
        const auto duplicates = duplicateProblems(files);
        problems.insert(problems.end(), duplicates.begin(), duplicates.end());
        if (row.problem) {
            EXPECT_TRUE(mentions(problems, row.problem)) << report(problems);
            EXPECT_EQ(problems.size(), 1u) << report(problems);
        } else {
            EXPECT_TRUE(problems.empty()) << report(problems);
        }
    }
}

TEST(LexiconFormat, fileRuleCatchesMissingEmptyAndBareLineBreaks) {
    const std::map<std::string, std::string> bytes = {
        {"A.pal", "apple/x/n.(นาม)\n"},
        {"B.pal", "bank/x/n.(นาม)\r\nbook/x/n.(นาม)"},
        {"C.pal", ""},
        {"D.pal", "dog/x/n.(นาม)\rdoor/x/n.(นาม)\r\n"},
        {"E.pal", "egg/x/n.(นาม)\r\n"},
    };
    TempFolder folder;
    for (const auto &[name, content] : bytes)
        folder.writeBytes(name, content);
    const auto problems = fileProblems(readShippedFiles(folder.path()));
    EXPECT_TRUE(mentions(problems, "A.pal: a line break that is not CR LF")) << report(problems);
    EXPECT_TRUE(mentions(problems, "B.pal does not end with CR LF")) << report(problems);
    EXPECT_TRUE(mentions(problems, "C.pal is empty")) << report(problems);
    EXPECT_TRUE(mentions(problems, "D.pal: a line break that is not CR LF")) << report(problems);
    EXPECT_FALSE(mentions(problems, "E.pal")) << report(problems);
    EXPECT_TRUE(mentions(problems, "Z.pal is missing")) << report(problems);
    EXPECT_TRUE(mentions(problems, "A.pal does not end with CR LF")) << report(problems);
    EXPECT_EQ(problems.size(), 5u + 21u) << report(problems); // two in A, one each in B-D, and F-Z missing
}

// The grammar works from the labels of the function words: be, the question words, the pronouns and the
// conjunctions the comparison rule watches must come first with these labels and meanings.
TEST(LexiconFormat, functionWordsComeFirstWithTheLabelsTheGrammarNeeds) {
    struct Row {
        const char *word;
        const char *label; // nullptr: any label
        const char *thai;  // nullptr: any meaning
    };
    const std::vector<Row> rows = {
        {"am", "ใช้แทน BE", nullptr},
        {"is", "ใช้แทน BE", nullptr},
        {"are", "ใช้แทน BE", nullptr},
        {"was", "ใช้แทน BE", nullptr},
        {"were", "ใช้แทน BE", nullptr},
        {"be", "ใช้แทน BE", nullptr},
        {"been", "ใช้แทน BE", nullptr},
        {"being", "ใช้แทน BE", nullptr},
        {"what", "คำถาม", "อะไร"},
        {"why", "คำถาม", "ทำไม"},
        {"how", "คำถาม", "อย่างไร"},
        {"whose", "คำถาม", nullptr},
        // Mostly relative or subordinate in real text: a question word would move their meaning to the line end.
        {"where", "con.(สันธาน)", nullptr},
        {"when", "con.(สันธาน)", "เมื่อ"},
        {"who", "con.(สันธาน)", nullptr},
        {"whom", "con.(สันธาน)", nullptr},
        {"which", "con.(สันธาน)", "ซึ่ง"},
        {"I", "pro.(สรรพนาม)", "ฉัน"},
        {"you", "pro.(สรรพนาม)", "คุณ"},
        {"he", "pro.(สรรพนาม)", "เขา"},
        {"she", "pro.(สรรพนาม)", "เธอ"},
        {"it", "pro.(สรรพนาม)", "มัน"},
        {"we", "pro.(สรรพนาม)", "เรา"},
        {"they", "pro.(สรรพนาม)", "พวกเขา"},
        {"me", "pro.(สรรพนาม)", nullptr},
        {"him", "pro.(สรรพนาม)", nullptr},
        {"us", "pro.(สรรพนาม)", nullptr},
        {"them", "pro.(สรรพนาม)", nullptr},
        {"as", "con.(สันธาน)", "เป็น"},
        {"so", "con.(สันธาน)", "ดังนั้น"},
        {"and", "con.(สันธาน)", "และ"},
        {"but", "con.(สันธาน)", nullptr},
        {"or", "con.(สันธาน)", "หรือ"},
        {"if", "con.(สันธาน)", "ถ้า"},
        {"because", "con.(สันธาน)", nullptr},
        {"of", "pre.(บุพบท)", "ของ"},
        {"to", "pre.(บุพบท)", "เพื่อ"},
        {"in", "pre.(บุพบท)", "ใน"},
        {"on", "pre.(บุพบท)", "บน"},
        {"at", "pre.(บุพบท)", "ที่"},
        {"with", "pre.(บุพบท)", "กับ"},
        {"for", "pre.(บุพบท)", "สำหรับ"},
        {"by", "pre.(บุพบท)", "โดย"},
        {"from", "pre.(บุพบท)", nullptr},
        {"not", nullptr, "ไม่"},
        {"t", nullptr, "ไม่"},
        {"can", nullptr, "สามารถ"},
        {"all", nullptr, "ทั้งหมด"},
        {"bit", nullptr, "บิท"},
        {"s", "n.(นาม)", nullptr}, // mostly the possessive: "the man's house" gives ผู้ชายบ้านของเขา
        {"m", "ใช้แทน BE", nullptr},
        {"re", "ใช้แทน BE", nullptr},
        {"isn", "ใช้แทน BE", nullptr},
    };
    std::map<std::u32string, const ShippedLine *> first;
    for (const auto &f : shipped())
        for (const auto &l : f.lines)
            if (l.fields.size() >= 3)
                first.emplace(upperAscii(l.fields[0]), &l);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.word);
        auto it = first.find(upperAscii(fromUtf8(row.word)));
        ASSERT_NE(it, first.end()) << "no entry";
        const ShippedLine &l = *it->second;
        if (row.label)
            EXPECT_EQ(toUtf8(l.fields[2]), row.label);
        if (row.thai)
            EXPECT_EQ(toUtf8(l.fields[1]), row.thai);
    }
}

} // namespace
} // namespace dlx::test

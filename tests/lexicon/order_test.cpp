// File order decides: the first line that renders a word wins, also through a suffix rule. Every entry of the
// shipped files must therefore be reached by its own word before any shorter entry can claim it as a stem.
#include "DictionaryChecks.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dlx::test {
namespace {

TEST(LexiconOrder, everyShippedWordAloneGetsTheMeaningOfItsFirstEntry) {
    std::size_t checked = 0;
    const auto problems = orderProblems(DLX_SHIPPED_DATA, &checked);
    EXPECT_GT(checked, 16000u);
    EXPECT_TRUE(problems.empty()) << report(problems);
}

struct OrderRow {
    const char *file;
    std::vector<std::string> lines;
    const char *claimed; // the word a stem takes away, or nullptr when the order is right
};

TEST(LexiconOrder, findsEntriesThatAStemStandingEarlierTakesAway) {
    const std::vector<OrderRow> rows = {
        {"N.pal", {"new/ใหม่/adj.(คุณศัพท์)", "news/ข่าว/n.(นาม)"}, "\"news\""},
        {"N.pal", {"news/ข่าว/n.(นาม)", "new/ใหม่/adj.(คุณศัพท์)"}, nullptr},
        {"B.pal", {"bore/ทำให้เบื่อ/vt.(สกรรมกริยา)", "boring/น่าเบื่อ/adj.(คุณศัพท์)"}, "\"boring\""},
        {"S.pal", {"study/เรียน/vt.(สกรรมกริยา)", "studied/ที่ศึกษามา/adj.(คุณศัพท์)"}, "\"studied\""},
        {"G.pal", {"good/ดี/adj.(คุณศัพท์)", "goods/สินค้า/n.(นาม)"}, "\"goods\""},
        {"N.pal", {"numb/ชา/adj.(คุณศัพท์)", "number/ตัวเลข/n.(นาม)"}, "\"number\""},
        {"N.pal", {"number/ตัวเลข/n.(นาม)", "numb/ชา/adj.(คุณศัพท์)"}, nullptr},
        // The comparative rule needs an adjective: a verb "bet" does not take "better" away.
        {"B.pal", {"bet/พนัน/vt.(สกรรมกริยา)", "better/ดีกว่า/adj.(คุณศัพท์)"}, nullptr},
        // A second sense of the same word stands behind the first on purpose.
        {"C.pal", {"cat/แมว/n.(นาม)", "cat/ดึงสมอ/vt.(สกรรมกริยา)"}, nullptr},
        // Stems of two letters never reach a word through the S rule: "its" is not "it".
        {"I.pal", {"it/มัน/pro.(สรรพนาม)", "its/ของมัน/adj.(คุณศัพท์)"}, nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.lines.back());
        TempFolder folder;
        folder.writeLines(row.file, row.lines);
        const auto problems = orderProblems(folder.path());
        if (row.claimed) {
            ASSERT_EQ(problems.size(), 2u) << report(problems); // at a line end and followed by a space
            EXPECT_NE(problems.front().find(row.claimed), std::string::npos) << report(problems);
        } else {
            EXPECT_TRUE(problems.empty()) << report(problems);
        }
    }
}

} // namespace
} // namespace dlx::test

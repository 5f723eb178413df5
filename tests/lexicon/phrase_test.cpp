// The dictionary's senses agree with the phrase rules: English phrases come out as the idiomatic Thai the
// rules were written for. Each row names the mode whose word order the rule's search text follows.
#include "Codec874.h"
#include "Driver.h"
#include "Lexicon.h"
#include "PhraseRules.h"
#include "TextFile.h"
#include "ThaiIdiomTable.h"
#include "Translator.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <fstream>

namespace dlx::test {
namespace {

struct PhraseRow {
    TranslationMode mode;
    const char *english;
    const char *thai;
};

constexpr TranslationMode G = TranslationMode::Grammar;
constexpr TranslationMode W = TranslationMode::WordForWord;

class LexiconPhrases : public ::testing::TestWithParam<PhraseRow> {
protected:
    static Lexicon &lexicon() {
        static Lexicon shipped(DLX_SHIPPED_DATA);
        return shipped;
    }
};

TEST_P(LexiconPhrases, translatesToTheIdiomTheRulesExpect) {
    const PhraseRow &row = GetParam();
    EXPECT_EQ(toUtf8(translateText(fromUtf8(row.english), lexicon(), row.mode)), row.thai)
        << "\"" << row.english << "\" in " << (row.mode == G ? "grammar" : "word-for-word") << " mode";
}

// Negation and the contraction pieces, quantities with the article marker, fixed phrases with particles and
// prepositions, noun compounds in the grammar's noun-first order.
const PhraseRow kRows[] = {{G, "I can not go", "ฉันไม่สามารถไป"},
                           {G, "I cannot go", "ฉันไม่สามารถไป"},
                           {G, "I can't go", "ฉันไม่สามารถไป"},
                           {G, "I don't know", "ฉันไม่รู้"},
                           {G, "It isn't", "มันไม่เป็น"},
                           {G, "I won't go", "ฉันจะไม่ไป"},
                           {G, "I'm", "ฉันเป็น"},
                           {G, "you're", "คุณเป็น"},
                           {G, "it's", "มันเป็น"},
                           {G, "the man's house", "ผู้ชายบ้านของเขา"},
                           {G, "They haven't", "พวกเขาไม่มี"},
                           {G, "You must not go", "คุณไม่ต้องไป"},
                           {G, "I need not go", "ฉันไม่ต้องการไป"},
                           {G, "I have to go", "ฉันต้องไป"},
                           {G, "I need to go", "ฉันจำเป็นต้องไป"},
                           {G, "I used to go", "ฉันเคยไป"},
                           {G, "go to school", "ไปที่โรงเรียน"},
                           {G, "a bit", "เล็กน้อย"},
                           {G, "a few", "จำนวนเล็กน้อย"},
                           {G, "a little", "เล็กน้อย"},
                           {G, "a lot", "มาก"},
                           {G, "a lot of", "มากนัก"},
                           {G, "a great deal of", "มากมาย"},
                           {G, "a good many", "มากนัก"},
                           {G, "a large number of", "มากนัก"},
                           {G, "a small number of", "จำนวนน้อย"},
                           {G, "a large sum of", "มากนัก"},
                           {G, "a great number of", "มากมาย"},
                           {G, "a cat", "แมว"},
                           {G, "all day", "ทั้งวัน"},
                           {G, "all night", "ทั้งคืน"},
                           {G, "all the time", "ตลอดเวลา"},
                           {G, "all the way", "ตลอดทาง"},
                           {G, "all right", "ถูกต้องทั้งหมด"},
                           {G, "all these years", "หลายปีมานี้"},
                           {G, "after all", "ในที่สุด"},
                           {G, "above all", "สำคัญที่สุด"},
                           {G, "at all", "เลย"},
                           {G, "at last", "ในที่สุด"},
                           {G, "at least", "อย่างน้อย"},
                           {G, "at once", "ในทันที"},
                           {G, "any more", "ใดๆอีก"},
                           {G, "any one", "ใคร"},
                           {G, "any other", "อื่นใด"},
                           {G, "each other", "กันและกัน"},
                           {G, "one another", "กันและกัน"},
                           {G, "one by one", "ทีละคน"},
                           {G, "in other words", "อีกนัยหนึ่ง"},
                           {G, "on the other hand", "อีกนัยหนึ่ง"},
                           {G, "as a result", "ผลก็คือ"},
                           {G, "as if", "ราวกับ"},
                           {G, "as though", "ราวกับว่า"},
                           {G, "as it is", "ตามที่มันเป็น"},
                           {G, "as long as", "ตราบเท่าที่"},
                           {G, "as well as", "รวมทั้ง"},
                           {G, "even if", "แม้ว่า"},
                           {G, "even so", "แม้กระนั้น"},
                           {G, "even though", "ถึงแม้ว่า"},
                           {G, "so that", "เพื่อให้"},
                           {G, "so as to", "เพื่อที่จะ"},
                           {G, "so as not to", "เพื่อที่จะไม่"},
                           {G, "so far as", "เพียงเท่านั้น"},
                           {G, "so soon", "เร็วๆนี้"},
                           {G, "in order to", "เพื่อที่จะ"},
                           {G, "in order that", "เพื่อว่า"},
                           {G, "in spite of", "ทั้งๆที่"},
                           {G, "in spite of the fact that", "แม้ความจริงที่ว่า"},
                           {G, "due to the fact that", "เนื่องจากความจริงที่ว่า"},
                           {G, "due to", "เนื่องจาก"},
                           {G, "in front of", "หน้า"},
                           {G, "in addition", "นอกจากนี้"},
                           {G, "in addition to", "นอกจาก"},
                           {G, "in comparison", "ในทางตรงข้าม"},
                           {G, "by comparison", "อย่างตรงข้าม"},
                           {G, "in the same way", "ในทำนองเดียวกัน"},
                           {G, "in charge of", "รับผิดชอบ"},
                           {G, "in use", "ที่กำลังใช้"},
                           {G, "on account of", "เนื่องจาก"},
                           {G, "out of", "ออกจาก"},
                           {G, "more than", "มากกว่า"},
                           {G, "less than", "น้อยกว่า"},
                           {G, "rather than", "มากกว่า"},
                           {G, "for example", "ยกตัวอย่างเช่น"},
                           {G, "for ever", "ตลอดไป"},
                           {G, "for this reason", "ด้วยเหตุนี้"},
                           {G, "first and foremost", "ก่อนอื่น"},
                           {G, "of course", "แน่นอน"},
                           {G, "full of", "เต็มไปด้วย"},
                           {G, "lots of", "มากนัก"},
                           {G, "too much", "มากเกินไป"},
                           {G, "too little", "เล็กๆเกินไป"},
                           {G, "too late", "สายเกินไป"},
                           {W, "very little", "น้อยมาก"},
                           {W, "very few", "น้อยมาก"},
                           {G, "very good", "ที่ดีมาก"},
                           {G, "the man who came", "ผู้ชายที่มา"},
                           {G, "a very small house", "บ้านเล็กมาก"},
                           {G, "thank you", "ขอบคุณ"},
                           {G, "see you later", "แล้วพบกันใหม่นะ"},
                           {G, "see you", "พบกันใหม่"},
                           {G, "good morning", "สวัสดี"},
                           {G, "right now", "ตอนนี้เลย"},
                           {G, "long ago", "นานแล้ว"},
                           {G, "or else", "ไม่เช่นนั้น"},
                           {G, "over there", "ที่โน่น"},
                           {G, "up to", "สูงถึง"},
                           {G, "come back", "กลับมา"},
                           {G, "come in", "เข้ามา"},
                           {G, "come up", "ขึ้นมา"},
                           {G, "come down", "ลงมา"},
                           {G, "come out", "ออกมา"},
                           {G, "go back", "กลับไป"},
                           {G, "go away", "ออกไป"},
                           {G, "go out", "ออกไป"},
                           {G, "get up", "ตื่นนอน"},
                           {G, "get off", "ออกไป"},
                           {G, "give up", "เลิก"},
                           {G, "bring up", "เลี้ยงดู"},
                           {G, "take care of", "ดูแล"},
                           {G, "take off", "ถอด"},
                           {G, "take a walk", "เดินเล่น"},
                           {G, "take note of", "สังเกต"},
                           {G, "take into account", "พิจารณา"},
                           {G, "take it easy", "ทำตัวตามสบาย"},
                           {G, "take out", "พาออกไป"},
                           {G, "take down", "เอาลง"},
                           {G, "take after", "ตามรอย"},
                           {G, "look after", "ดูแล"},
                           {G, "look like", "ดูเหมือน"},
                           {G, "wait for", "รอ"},
                           {G, "listen to", "ฟัง"},
                           {G, "hear of", "ได้ยินถึง"},
                           {G, "tell of", "บอกถึง"},
                           {G, "dream of", "ฝันถึง"},
                           {G, "throw away", "ทิ้ง"},
                           {G, "blow out", "ดับ"},
                           {G, "carry out", "ปฏิบัติตาม"},
                           {G, "check out", "ตรวจสอบ"},
                           {G, "clean up", "ทำความสะอาด"},
                           {G, "cross out", "ขีดฆ่า"},
                           {G, "back up", "สำรอง"},
                           {G, "built of", "สร้างจาก"},
                           {G, "composed of", "ประกอบด้วย"},
                           {G, "belong to", "เป็นของ"},
                           {G, "followed by", "ตามด้วย"},
                           {G, "forgive me", "ขอโทษ"},
                           {G, "this is because", "นี่ก็เพราะ"},
                           {G, "like this", "อย่างนี้"},
                           {G, "like that", "เช่นนั้น"},
                           {G, "hot dog", "ฮอทด็อก"},
                           {G, "ice cream", "ไอศครีม"},
                           {G, "orange juice", "น้ำส้ม"},
                           {G, "bus stop", "ป้ายรถเมล์"},
                           {G, "hard disk", "ฮาร์ดดิสก์"},
                           {G, "double click", "กดสองครั้ง"},
                           {G, "house boat", "เรือนแพ"},
                           {G, "crude oil", "น้ำมันดิบ"},
                           {G, "chain reaction", "ปฏิกิริยาลูกโซ่"},
                           {G, "install program", "โปรแกรมติดตั้ง"},
                           {G, "light gray", "สีสวาด"},
                           {G, "mass number", "เลขมวล"},
                           {G, "atomic number", "เลขอะตอม"},
                           {G, "run time", "เวลาวิ่ง"},
                           {W, "last name", "นามสกุล"},
                           {W, "until the sea runs dry", "ชั่วฟ้าดินสลาย"},
                           {G, "come what may", "ไม่ว่าจะเกิดอะไรขึ้น"},
                           {G, "hundreds and hundreds of", "เป็นร้อยๆ"},
                           {G, "farther away", "ไกลออกไป"},
                           {G, "far off", "ห่างไกล"},
                           {G, "sign in", "ลงชื่อ"},
                           {G, "round up", "ปัดขึ้น"},
                           {G, "he is your age", "เขาอายุเท่าคุณ"},
                           {G, "cat fish", "ปลาดุก"},
                           {G, "egg plant", "มะเขือ"},
                           {G, "horse radish", "หัวไชเท้า"},
                           {G, "fruit stand", "ร้านผลไม้"},
                           {G, "essential oil", "น้ำมันหอมระเหย"},
                           {G, "hard water", "น้ำกระด้าง"},
                           {G, "cube root", "รากที่สาม"},
                           {W, "clear soup", "ซุบน้ำใส"},
                           {G, "tail light", "ไฟท้าย"},
                           {G, "linear molecule", "โมเลกุลเส้นตรง"},
                           {G, "bond angle", "มุมระหว่างพันธะ"},
                           {G, "double bond", "พันธะคู่"},
                           {G, "activation energy", "พลังงานก่อกัมมันต์"},
                           {G, "rate of reaction", "อัตราการเกิดปฏิกิริยา"},
                           {G, "heat of solution", "ความร้อนของการละลาย"},
                           {G, "forward reaction", "ปฏิกริยาไปข้างหน้า"},
                           {G, "closed system", "ระบบปิด"}};

INSTANTIATE_TEST_SUITE_P(RuleTable, LexiconPhrases, ::testing::ValuesIn(kRows));

// The phrase rules shipped in Idiom.pal: the table beside this test holds one English phrase for each rule, in the
// rules' order, then further phrases. Each must come out as the Thai the rules were written for, and the phrase of a
// rule must set it off: the rules replayed one by one on the Thai before rewriting show which ones replace. So a
// later change of a sense that stops a rule, or a rule that an earlier one leaves nothing to do, fails here.
TEST(LexiconPhrases, everyShippedIdiomRuleTurnsItsPhraseIntoItsThai) {
    const auto file = readFileBytes(std::string(DLX_SHIPPED_DATA) + "/" + kUserPhraseFile);
    ASSERT_TRUE(file.ok());
    const UserPhraseRules shipped = parseUserPhraseRules(decode874(*file));
    EXPECT_TRUE(shipped.refused.empty()) << toUtf8(shipped.refused.front().text);
    EXPECT_GE(shipped.rules.size(), 400u);

    std::ifstream table(DLX_LEXICON_TESTS "/shipped_phrase_rules.tsv");
    ASSERT_TRUE(table) << "the table of the shipped phrase rules is missing";
    static Lexicon lexicon(DLX_SHIPPED_DATA);
    std::vector<ThaiIdiomRule> rules = ThaiIdiomTable();
    const std::size_t builtIn = rules.size();
    for (const auto &[search, replacement] : shipped.rules)
        rules.push_back({search, replacement});
    size_t rows = 0;
    for (std::string line; std::getline(table, line);) {
        const size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos)
            continue;
        const size_t mark = line.find('\t', tab + 1);
        const std::string english = line.substr(0, tab), thai = line.substr(tab + 1, mark - tab - 1);
        const bool extended = mark != std::string::npos && line.substr(mark + 1) == "extended";
        EXPECT_EQ(toUtf8(translateText(fromUtf8(english), lexicon, G, false, extended)), thai)
            << "\"" << english << "\"";

        TranslationState state;
        Translator translator(state, lexicon);
        translator.extended = extended;
        beginRun(state);
        const int done = translateLines(translator, splitLines(fromUtf8(english)));
        std::u32string text = joinLines(state.TranslatedLines, static_cast<std::size_t>(done), U"\n");
        std::vector<bool> replaced(rules.size());
        for (std::size_t r = 0; r < rules.size(); ++r)
            for (std::size_t at = text.find(rules[r].search); at != std::u32string::npos;
                 at = text.find(rules[r].search)) {
                text.replace(at, rules[r].search.size(), rules[r].replacement);
                replaced[r] = true;
            }
        EXPECT_EQ(toUtf8(text), thai) << "\"" << english << "\" with the rules replayed one by one";
        if (rows < shipped.rules.size())
            EXPECT_TRUE(replaced[builtIn + rows])
                << "\"" << english << "\" does not set off the rule of its line, "
                << toUtf8(rules[builtIn + rows].search) << "/" << toUtf8(rules[builtIn + rows].replacement);
        ++rows;
    }
    EXPECT_GE(rows, shipped.rules.size()) << "each shipped rule has its line in the table";
}

} // namespace
} // namespace dlx::test

// The extended grammar mode: each rewrite rule on its own (what it changes, and what it must leave), and the
// stage as a whole against the grammar mode on the shipped sample texts.
#include "EngineFixture.h"
#include "PhraseRewriter.h"

#include <algorithm>
#include <filesystem>
#include <optional>

using namespace dlx;
using namespace dlx::test;
using namespace std::literals;

namespace {

/// Translates one line without phrase rewriting, in the grammar mode refined by the given rules.
std::string extendedLine(Lexicon &lexicon, const std::string &text, GrammarRuleSet rules) {
    TranslationState state;
    Translator translator(state, lexicon);
    translator.extended = true;
    translator.extendedRules = rules;
    beginRun(state);
    translateLines(translator, {fromUtf8(text)});
    return toUtf8(state.TranslatedLines.at(0));
}

class Extended : public ::testing::Test {
public:
    void SetUp() override {
        data.writeEntries({
            entry("is", "เป็น", BE),
            entry("was", "เป็น", BE),
            entry("were", "เป็น", BE),
            entry("s", "ของเขา", N),
            entry("s", "เป็น", BE),
            entry("not", "ไม่", ADV),
            entry("by", "โดย", "pre.(บุพบท)"),
            entry("from", "จาก", "pre.(บุพบท)"),
            entry("about", "เกี่ยวกับ", "pre.(บุพบท)"),
            entry("available", "มีอยู่", ADJ),
            entry("law", "กฎหมาย", N),
            entry("represent", "เป็นตัวแทน", VT),
            entry("above", "เบื้องบน", "pre.(บุพบท)"),
            entry("appear", "ปรากฏ", VI),
            entry("reason", "เหตุผล", N),
            entry("day", "วัน", N),
            entry("enough", "พอ", ADJ),
            entry("dear", "ที่รัก", ADJ),
            entry("very", "มาก", ADJ),
            entry("to", "เพื่อ", "pre.(บุพบท)"),
            entry("it", "มัน", PRO),
            entry("he", "เขา", PRO),
            entry("I", "ฉัน", PRO),
            entry("you", "คุณ", PRO),
            entry("table", "โต๊ะ", N),
            entry("book", "หนังสือ", N),
            entry("man", "ผู้ชาย", N),
            entry("father", "พ่อ", N),
            entry("emma", "เอ็มมา", N),
            entry("old", "แก่", ADJ),
            entry("fit", "เหมาะ", ADJ),
            entry("fit", "พอดี", VI),
            entry("fit", "อาการชัก", N),
            entry("own", "ของตัวเอง", ADJ),
            entry("own", "เป็นเจ้าของ", VT),
            entry("good", "ดี", ADJ),
            entry("easy", "ง่าย", ADJ),
            entry("made", "ทำ", VT),
            entry("open", "เปิด", VT),
            entry("tire", "ยาง", N),
            entry("read", "อ่าน", VT),
            entry("make", "ทำ", VT),
            entry("go", "ไป", VI),
            entry("gone", "ไป", VI),
            entry("done", "ทำ", VT),
            entry("want", "ต้องการ", VT),
            entry("came", "มา", VI),
            entry("live", "อาศัย", VI),
            entry("do", "ทำ", VT),
            entry("who", "ที่", CON),
            entry("who", "ใคร", Q),
            entry("which", "ซึ่ง", CON),
            entry("which", "อันไหน", Q),
            entry("that", "ซึ่งว่า", CON),
            entry("that", "นั่น", PRO),
            entry("where", "ที่ซึ่ง", CON),
            entry("where", "ที่ไหน", Q),
            entry("think", "คิด", VT),
            entry("say", "พูด", VT),
            entry("had", "มี", VT),
            entry("never", "ไม่เคย", ADV),
            entry("first", "แรก", ADJ),
            entry("seen", "เห็น", VT),
            entry("that", "นั้น", N),
            entry("don", "ทำ", VT),
            entry("t", "ไม่", ADV),
            entry("how", "อย่างไร", Q),
            entry("so", "ดังนั้น", ADV),
            entry("must", "ต้อง", ADV),
            entry("mustn", "ต้อง", ADV),
            entry("have", "มี", VT),
            entry("need", "ต้องการ", VT),
            entry("used", "ใช้", VT),
            entry("document", "เอกสาร", N),
            entry("document", "บันทึก", VT),
            entry("store", "ร้านค้า", N),
            entry("store", "เก็บ", VT),
            entry("told", "บอก", VT),
            entry("gave", "ให้", VT),
            entry("send", "ส่ง", VT),
            entry("apply", "ใช้", VT),
            entry("set", "ตั้ง", VT),
            entry("set", "ชุด", N),
            entry("relative", "ญาติ", N),
            entry("this", "นี้", N),
            entry("this", "นี่", PRO),
            entry("story", "เรื่อง", N),
            entry("friend", "เพื่อน", N),
            entry("can", "สามารถ", ADV),
            entry("can", "กระป๋อง", N),
            entry("command", "คำสั่ง", N),
            entry("point", "จุด", N),
            entry("view", "ดู", VT),
            entry("smiling", "กำลังยิ้ม", VI),
            entry("list", "รายการ", N),
            entry("list", "ระบุ", VT),
            entry("upon", "บน", "pre.(บุพบท)"),
            entry("recommend", "แนะนำ", VT),
            entry("act", "การกระทำ", N),
            entry("act", "กระทำ", VI),
            entry("point", "ชี้", VI),
            entry("what", "อะไร", Q),
            entry("or", "หรือ", CON),
            entry("and", "และ", CON),
            entry("clearly", "อย่างชัดเจน", ADV),
            entry("usually", "โดยปกติ", ADV),
            entry("temporarily", "ชั่วคราว", ADV),
            entry("recursively", "แบบเรียกซ้ำ", ADV),
            entry("all", "ทั้งหมด", ADJ),
            entry("invocation", "การเรียกใช้", N),
            entry("copy", "สำเนา", N),
            entry("out", "ออก", ADV),
            entry("any", "ใดๆ", ADJ),
            entry("process", "กระบวนการ", N),
            entry("process", "ประมวลผล", VT),
            entry("processes", "กระบวนการ", N),
            entry("copy", "คัดลอก", VT),
            entry("node", "โหนด", N),
            entry("note", "บันทึก", N),
            entry("being", "เป็น", BE),
            entry("such", "เช่นนั้น", ADJ),
            entry("then", "จากนั้น", ADV),
            entry("too", "เกินไป", ADJ),
            entry("either", "อย่างใดอย่างหนึ่ง", ADJ),
            entry("both", "ทั้งสอง", ADJ),
            entry("as", "เป็น", CON),
            entry("well", "อย่างดี", ADV),
            entry("work", "งาน", N),
            entry("won", "ชนะ", VT),
            entry("close", "ปิด", VT),
            entry("nobody", "ไม่มีใคร", PRO),
            entry("men", "ผู้ชาย", N),
            entry("hundred", "ร้อย", N),
            entry("close", "ใกล้", ADJ),
            entry("won", "จะ", ADV),
            entry("work", "ทำงาน", VI),
            entry("smoking", "สูบบุหรี่", VI),
            entry("someone", "ใครบางคน", PRO),
            entry("else", "มิฉะนั้น", ADV),
            entry("on", "บน", "pre.(บุพบท)"),
            entry("ve", "มี", VT),
            entry("be", "เป็น", BE),
            entry("are", "เป็น", BE),
            entry("takes", "หยิบ", VT),
            entry("them", "พวกเขา", PRO),
            entry("each", "แต่ละ", ADV),
            entry("other", "อื่นๆ", ADJ),
            entry("cannot", "ไม่สามารถ", ADV),
            entry("one", "หนึ่ง", ADJ),
            entry("named", "ชื่อ", ADJ),
            entry("called", "เรียก", VT),
            entry("call", "เรียก", VT),
            entry("for", "สำหรับ", "pre.(บุพบท)"),
            entry("hours", "ชั่วโมง", N),
            entry("two", "สอง", ADJ),
            entry("than", "กว่า", CON),
            entry("also", "ด้วย", ADV),
            entry("like", "ชอบ", VT),
            entry("like", "เหมือน", "pre.(บุพบท)"),
            entry("back", "กลับ", ADV),
            entry("bored", "เบื่อ", ADJ),
            entry("missing", "หายไป", ADJ),
            entry("miss", "นางสาว", "คำอ่าน"),
            entry("miss", "คิดถึง", VT),
            entry("nice", "ที่ดี", ADJ),
            entry("stop", "หยุด", VT),
            entry("avoid", "หลีกเลี่ยง", VT),
            entry("no", "ไม่", ADV),
            entry("if", "ถ้า", CON),
            entry("of", "ของ", "pre.(บุพบท)"),
            entry("there", "ที่นั่น", ADV),
            entry("always", "เสมอ", ADV),
            entry("yet", "แต่ทว่า", CON),
            entry("hadn", "มี", VT),
            entry("these", "เหล่านี้", N),
            entry("those", "เหล่านั้น", N),
            entry("eye", "ตา", N),
            entry("eye", "มอง", VT),
            entry("braces", "ค้ำยัน", VT),
            entry("surround", "ล้อมรอบ", VT),
            entry("something", "บางสิ่ง", PRO),
            entry("does", "ทำ", VT),
            entry("take", "หยิบ", VT),
            entry("come", "มา", VI),
            entry("long", "ยาว", ADJ),
            entry("pressing", "เร่งด่วน", ADJ),
            entry("way", "ทาง", N),
            entry("following", "ต่อไปนี้", ADJ),
            entry("follow", "ติดตาม", VT),
            entry("whose", "ของใคร", Q),
            entry("when", "เมื่อ", CON),
            entry("using", "ใช้", VT),
            entry("able", "สามารถ", ADJ),
            entry("some", "บาง", ADV),
            entry("few", "นิดเดียว", ADJ),
            entry("more", "เพิ่มเติม", ADJ),
            entry("d", "จะ", ADV),
            entry("been", "เป็น", BE),
            entry("seems", "ดูเหมือน", VI),
            entry("secret", "ความลับ", N),
            entry("chance", "โอกาส", N),
            entry("try", "พยายาม", VT),
            entry("know", "รู้", VT),
            entry("got", "ได้", VT),
            entry("get", "ได้", VT),
            entry("recommend", "แนะนำ", VT),
            entry("supposed", "คิดว่า", VT),
            entry("kept", "เก็บ", VT),
            entry("without", "โดยไม่มี", "pre.(บุพบท)"),
            entry("instead", "แทน", ADV),
            entry("returned", "กลับ", VI),
            entry("return", "ส่งคืน", VT),
            entry("happen", "เกิดขึ้น", VI),
            entry("many", "มากมาย", ADJ),
            entry("better", "ดีกว่า", ADJ),
            entry("now", "ตอนนี้", ADV),
            entry("number", "ตัวเลข", N),
            entry("lot", "มาก", N),
            entry("awful", "แย่มาก", ADJ),
            entry("good", "ความดี", N),
            entry("said", "กล่าว", VT),
            entry("press", "กด", VT),
            entry("course", "หลักสูตร", N),
            entry("at", "ที่", "pre.(บุพบท)"),
            entry("least", "น้อยที่สุด", ADJ),
            entry("most", "มากที่สุด", ADJ),
            entry("extremely", "อย่างยิ่ง", ADV),
            entry("really", "จริงๆ", ADV),
            entry("quite", "ค่อนข้าง", ADV),
            entry("please", "กรุณา", ADV),
            entry("his", "ของเขา", ADJ),
            entry("her", "เธอ", PRO),
            entry("her", "ของเธอ", ADJ),
            entry("help", "ช่วย", VT),
            entry("help", "ความช่วยเหลือ", N),
            entry("suggest", "แนะนำ", VT),
            entry("bob", "บ็อบ", "คำอ่าน"),
            entry("bored", "เบื่อ", ADJ),
            entry("miss", "นางสาว", "คำอ่าน"),
            entry("miss", "คิดถึง", VT),
            entry("untired", "ไม่เหนื่อย", ADJ),
            entry("something", "บางสิ่ง", PRO),
            entry("before", "ก่อน", "pre.(บุพบท)"),
            entry("why", "ทำไม", Q),
            entry("when", "เมื่อไร", Q),
            entry("whether", "ว่า", CON),
            entry("check", "ตรวจสอบ", VT),
            entry("see", "เห็น", VT),
            entry("me", "ฉัน", PRO),
            entry("still", "ยังคง", ADV),
            entry("clear", "ชัด", ADJ),
            entry("clear", "เคลียร์", VT),
            entry("most", "มากที่สุด", ADJ),
            entry("already", "แล้ว", ADV),
            entry("example", "ตัวอย่าง", N),
            entry("sure", "แน่ใจ", ADJ),
            entry("once", "หนึ่งครั้ง", ADV),
            entry("once", "เมื่อ", CON),
            entry("neither", "ไม่ทั้งสอง", ADJ),
            entry("nor", "และไม่", CON),
            entry("result", "ผลลัพธ์", N),
            entry("books", "หนังสือ", N),
            entry("user", "ผู้ใช้", N),
            entry("define", "นิยาม", VT),
            entry("specific", "เฉพาะ", ADJ),
            entry("zero", "ศูนย์", N),
            entry("value", "ค่า", N),
            entry("level", "ระดับ", N),
            entry("low", "ต่ำ", ADJ),
            entry("only", "เพียง", ADV),
            entry("type", "ประเภท", N),
            entry("content", "เนื้อหา", N),
            entry("content", "ทำให้พอใจ", VT),
            entry("emitted", "ปล่อย", VT),
            entry("since", "ตั้งแต่", CON),
            entry("instance", "อินสแตนซ์", N),
            entry("twenty", "ยี่สิบ", ADV),
            entry("four", "สี่", ADV),
            entry("making", "การทำ", N),
            entry("update", "ปรับปรุง", VT),
            entry("refuses", "ปฏิเสธ", VT),
            entry("week", "สัปดาห์", N),
            entry("doing", "การทำ", N),
            entry("update", "ข้อมูลล่าสุด", N),
            entry("past", "ผ่าน", "pre.(บุพบท)"),
            entry("years", "ปี", N),
            entry("allows", "อนุญาต", VT),
            entry("allow", "อนุญาต", VT),
            entry("asked", "ถาม", VT),
            entry("asking", "การถาม", N),
            entry("causes", "ทำให้เกิด", VT),
            entry("enables", "เปิดใช้งาน", VT),
            entry("lots", "มากนัก", N),
            entry("shopping", "การซื้อของ", N),
            entry("often", "บ่อย", ADV),
            entry("born", "เกิด", VI),
            entry("matter", "เรื่อง", N),
            entry("march", "เดินขบวน", VI),
            entry("king", "พระราชา", N),
        });
    }
    std::string line(const std::string &text, GrammarRuleSet rules = kAllGrammarRules) {
        Lexicon lexicon(data.path());
        return extendedLine(lexicon, text, rules);
    }
    TempFolder data;
};

struct Case {
    const char *in, *out;
};

/// Each row with every rule on; a row that the rules change must lose its change when this rule alone is off.
void checkRule(Extended &t, GrammarRule rule, std::initializer_list<Case> rows) {
    for (const Case &row : rows) {
        SCOPED_TRACE(row.in);
        EXPECT_EQ(t.line(row.in), row.out);
        if (t.line(row.in, 0) != row.out)
            EXPECT_NE(t.line(row.in, kAllGrammarRules & ~ruleBit(rule)), row.out) << "the change is not this rule's";
    }
}

TEST_F(Extended, PassiveIsThookAndTheVerbWithoutBe) {
    checkRule(
        *this, GrammarRule::Passive,
        {
            {"the book is checked if he came.", "หนังสือถูกตรวจสอบถ้าเขามา."}, // a passive before "if": on what condition
            {"the book got opened.", "หนังสือถูกเปิด."},                       // get + a participle: a passive too
            {"the table is made", "โต๊ะถูกทำ"},
            {"the table is not made", "โต๊ะไม่ถูกทำ"},
            {"it was opened by the man", "มันถูกเปิดโดยผู้ชาย"},   // reached through -ed
            {"it was followed by the man", "มันติดตามโดยผู้ชาย"}, // what comes next: no ถูก
            {"the man was tired", "ผู้ชายคือยาง"},               // a stem that is no verb: no passive
            {"he was lived", "เขาเป็นอาศัย"},                   // a verb without an object has none either
            {"it was lived out.", "มันถูกอาศัยออก."},            // unless a particle gives it one
            {"he was gone", "เขาหายไป"},                      // but "gone" after be is lost, หายไป
            {"I made the table", "ฉันทำโต๊ะ"},                  // no be: the participle is a verb
            {"the table is already made.", "โต๊ะถูกทำแล้ว."},    // the deed is done
        });
    EXPECT_EQ(line("there were opened books."), "ที่นั่นอยู่เปิดหนังสือ."); // after "there" before a noun: describing it
}

TEST_F(Extended, PerfectHasNoHave) {
    checkRule(*this, GrammarRule::Perfect,
              {
                  {"he had never seen the book", "เขาไม่เคยเห็นหนังสือ"},
                  {"he had opened the book", "เขาเปิดหนังสือ"},
                  {"the book had already been opened.", "หนังสือถูกเปิดแล้ว."}, // "already" ending the clause
                  {"he had the book", "เขามีหนังสือ"},                        // "had" as a verb of its own
                  {"I've seen the book", "ฉันเห็นหนังสือ"},
                  {"he's never seen the book.", "เขาไม่เคยเห็นหนังสือ."}, // 's before never, or before a participle
                  {"he's opened the book.", "เขาเปิดหนังสือ."},          // and its object: has
                  {"I've never had the book", "ฉันไม่เคยมีหนังสือ"},
                  {"I've got the book", "ฉันมีหนังสือ"}, // have got: have
                  {"I've got it good", "ฉันได้มันดี"},
                  {"he had not yet opened the book", "เขายังไม่เปิดหนังสือ"}, // yet before the negation
                  {"he had yet opened the book", "เขายังเปิดหนังสือ"},
                  {"he hadn't opened the book", "เขาไม่เปิดหนังสือ"},
                  {"he hadn't opened the book yet.", "เขายังไม่เปิดหนังสือ."},
                  {"he'd never seen the book", "เขาไม่เคยเห็นหนังสือ"}, // 'd and 's before a participle: had, has
                  {"he'd read the book", "เขาจะอ่านหนังสือ"},          // a participle that is also the verb: would
                  {"he'd go", "เขาจะไป"},
                  {"he's been the man", "เขาเป็นผู้ชาย"},
              });
}

TEST_F(Extended, GerundAndProgressive) {
    checkRule(*this, GrammarRule::Gerund,
              {
                  {"reading the book is good", "การอ่านหนังสือคือดี"}, // at the start: a noun of action, in place
                  {"Being the man is good.", "การเป็นผู้ชายดี."},     // being a thing too
                  {"by reading the book", "โดยการอ่านหนังสือ"},      // after a preposition
                  {"often, reading the book can open.",
                   "บ่อย, การอ่านหนังสือสามารถเปิด."},                  // after an opening word and its comma, a subject
                  {"he is making the table", "เขากำลังทำโต๊ะ"},      // after be: going on, and no be
                  {"it is no reading table", "มันเป็นไม่กำลังอ่านโต๊ะ"}, // (not after "no" before its noun)
                  {"I want making", "ฉันต้องการการทำ"},              // elsewhere as the grammar mode has it
                  {"the book is not worth making.", "หนังสือไม่คุ้มค่าที่จะทำ."}, // worth doing: คุ้มค่าที่จะ, the be unwritten
                  {"he is smoking", "เขากำลังสูบบุหรี่"}, // an -ing entry read as a verb
                  {"he is using the book", "เขากำลังใช้หนังสือ"},
                  {"smoking, he came", "สูบบุหรี่, เขามา"},             // not a noun of action at the start
                  {"I stop making the table", "ฉันหยุดทำโต๊ะ"},        // the action a verb of starting or stopping takes
                  {"I kept on reading the book", "ฉันยังคงอ่านหนังสือ"}, // keep on doing: going on doing
                  {"I stop pressing the book", "ฉันหยุดกดหนังสือ"},     // an -ing entry read otherwise: its stem's verb
                  {"pressing the book is good", "การกดหนังสือคือดี"},   // an -ing entry read otherwise, before an object
                  {"pressing, he came", "เร่งด่วน, เขามา"},
                  {"pressing is good.", "การกดดี."},                                // or before be, as its subject
                  {"following the book, he came", "หนังสือต่อไปนี้, เขามา"},            // an -ing preposition
                  {"by always making the table", "โดยเสมอการทำโต๊ะ"},               // an adverb after the preposition
                  {"he read the book, making the table", "เขาอ่านหนังสือ, โดยทำโต๊ะ"}, // after a clause: how
                  {"he read the book, pressing the table", "เขาอ่านหนังสือ, โดยกดโต๊ะ"},
                  {"he read the book, pressing tables read", "เขาอ่านหนังสือ, โต๊ะเร่งด่วนอ่าน"}, // the subject of a clause
                  {"he read the book, opening tables read", "เขาอ่านหนังสือ, กำลังเปิดโต๊ะอ่าน"},
                  {"he came, making and reading", "เขามา, การทำและกำลังอ่าน"},        // not before "and"
                  {"if he came, making the table is good", "ถ้าเขามา, การทำโต๊ะคือดี"}, // the main clause's subject
                  {"I read the book using the table", "ฉันอ่านหนังสือโดยใช้โต๊ะ"},        // "using" after what a verb takes
                  {"I read the book using zork", "ฉันอ่านหนังสือโดยใช้zork"},            // or before a name
                  {"the man using the table came", "ผู้ชายใช้โต๊ะมา"},                  // not after a subject
                  {"I suggest using the table", "ฉันแนะนำให้ใช้โต๊ะ"},                  // what a verb of suggesting takes
                  {"I avoid making the table", "ฉันหลีกเลี่ยงการทำโต๊ะ"},
                  {"by pressing the book", "โดยการกดหนังสือ"}, // an -ing entry read otherwise, after a preposition
                  {"he is doing it.",
                   "เขากำลังทำมัน."}, // an -ing entry read as a noun, after a pronoun and be // or of avoiding, as a noun
              });
}

TEST_F(Extended, RelativeClausesInPlaceAndQuestionWordsInQuestions) {
    checkRule(
        *this, GrammarRule::Relative,
        {
            {"I read about who came.", "ฉันอ่านเกี่ยวกับว่าใครมา."}, // after about: a question inside
            {"What a book!", "ช่างเป็นอะ.-หนังสือ!"},              // "What a" in a statement exclaims
            {"What an old book it is.", "ช่างเป็นหนังสือแก่."},
            {"What do you call the book?", "คุณเรียกหนังสือว่าอะไร?"}, // asking a name: ว่าอะไร
            {"Who can store the book?", "ใครสามารถเก็บหนังสือ?"},    // who and a modal: the subject asked for
            {"I know which book to read.", "ฉันรู้หนังสือที่จะอ่าน."},    // which + a noun + to: the thing to do it with
            {"That refuses the book.", "นั่นปฏิเสธหนังสือ."},          // "that" before its verb: นั่น
            {"If that is old, he came", "ถ้านั่นแก่, เขามา"},
            {"I read the book from that of the man.", "ฉันอ่านหนังสือจากของผู้ชาย."}, // "that of": the thing of, unwritten
            {"it is old as that of the man.", "มันแก่เป็นของผู้ชาย."},
            {"he is older than that made by the man.", "เขาแก่กว่าที่ทำโดยผู้ชาย."}, // "than that" + a participle: ที่
            {"the book that acts represent.", "หนังสือที่การกระทำเป็นตัวแทน."},      // a plural subject, no verb
            {"the book which I read", "หนังสือที่ฉันอ่าน"},
            {"I read from that old book.", "ฉันอ่านจากหนังสือแก่นั้น."}, // after the noun an adjective ends
            {"the book, which I read", "หนังสือ, ซึ่งฉันอ่าน"},
            {"the man that came", "ผู้ชายที่มา"},
            {"like Bob that came", "ชอบบ็อบที่มา"},                // after a name, before its verb
            {"I read on that.", "ฉันอ่านบนนั่น."},                  // after a preposition: the thing
            {"I read the zork that is old.", "ฉันอ่านzork ที่แก่."}, // after a name, before be: the relative
            {"he read it, and it said clearly that he came.", "เขาอ่านมัน, และมันกล่าวอย่างชัดเจนว่าเขามา."},
            {"the man that had read the book", "ผู้ชายที่อ่านหนังสือ"}, // before have, which may go
            {"I know who came", "ฉันรู้ว่าใครมา"},                   // after a verb of knowing: who asks
            {"the xyzzy that came", "xyzzy ที่มา"},                // after a name, before a verb
            {"I told you that he came", "ฉันบอกคุณว่าเขามา"},       // what is told
            {"the one which I read", "อันที่ฉันอ่าน"},                // the one: a thing
            {"the one who came", "คนที่มา"},
            {"which one do you read?", "คุณอ่านอันไหน?"},
            {"I read that one.", "ฉันอ่านอันนั้น."},
            {"I think that he came", "ฉันคิดว่าเขามา"},
            {"I think that this came", "ฉันคิดว่านี้มา"}, // "this" opens the clause
            {"I think that's good.", "ฉันคิดว่านั่นดี."},  // what is said, with "that" its subject
            {"it is good that the man came", "มันดีว่าผู้ชายมา"},
            {"that is the book", "นั่นคือหนังสือ"}, // a noun to the grammar mode, so be is คือ
            {"I read that book", "ฉันอ่านหนังสือนั้น"},
            {"who is he?", "เขาคือใคร?"},            // a question keeps its question word, held to the end
            {"who read the book?", "ใครอ่านหนังสือ?"}, // unless it asks for the subject
            {"if he came, where is the book?", "ถ้าเขามา, หนังสืออยู่ที่ไหน?"}, // the question's second clause
            {"who came", "ที่มา"},                                         // not a question: the conjunction as before
            {"Who opens the book.", "ใครเปิดหนังสือ."},  // but opening a statement before its verb: asks still
            {"the man who came?", "ผู้ชายที่มา?"},        // after a noun even in a question
            {"it is what I read.", "มันเป็นสิ่งที่ฉันอ่าน."}, // "what" of a statement is written in place
            {"it is what I read?", "มันเป็นฉันอ่านอะไร?"},
            {"I read what you read.", "ฉันอ่านสิ่งที่คุณอ่าน."},
            {"I read that.", "ฉันอ่านนั่น."},                              // ending its clause after a verb: the thing
            {"the braces that surround the book", "ค้ำยันที่ล้อมรอบหนังสือ"}, // a plural read as a verb
            {"I think that were made", "ฉันคิดที่ถูกทำ"},                   // no subject before were
            {"those books that came", "หนังสือเหล่านั้นซึ่งมา"}, // not เหล่านั้นที่, which reads "those who"
            {"I read something that came", "ฉันอ่านบางสิ่งที่มา"},
            {"if that book came", "ถ้าหนังสือนั้นมา"},
            {"then that book came", "จากนั้นหนังสือนั้นมา"},
            {"I read it that way.", "ฉันอ่านมันทางนั้น."},          // that + a noun ending its clause
            {"I read what is good.", "ฉันอ่านสิ่งที่ดี."},            // what before be or a verb in a statement
            {"I read what does he read", "ฉันอ่านทำเขาอ่านอะไร"}, // not before do: a question
            {"I read what the man read.", "ฉันอ่านสิ่งที่ผู้ชายอ่าน."},
            {"I read what men can read.", "ฉันอ่านสิ่งที่ผู้ชายสามารถอ่าน."},    // a bare noun and its modal
            {"I read out what the book is.", "ฉันอ่านออกว่าหนังสือคืออะไร."}, // a be ending it: what it is
            {"the man whose book came", "ผู้ชายที่หนังสือมา"},
            {"I eye that he came", "ฉันมองว่าเขามา"}, // after a subject a noun-first word is the verb
            {"and that book came", "และหนังสือนั้นมา"},
            {"and who is he?", "และเขาคือใคร?"},            // after the "and" that opens a question
            {"if that opened, he came", "ถ้านั่นเปิด, เขามา"}, // the subject of a verb after if: นั่น
            {"now that he came, I read", "ตอนนี้ที่เขามา, ฉันอ่าน"},
            {"I read now that he came", "ฉันอ่านตอนนี้ว่าเขามา"}, // "now that" after a verb: what is known
            {"the man that can read", "ผู้ชายที่สามารถอ่าน"},     // before a modal
            {"That can read.", "นั่นสามารถอ่าน."},              // opening the sentence: the subject
            {"That do not read.", "นั่นไม่อ่าน."},
            {"the reason is that tables came", "เหตุผลคือโต๊ะมา"},               // be + a clause with a bare plural
            {"the reason is that book.", "เหตุผลคือหนังสือนั้น."},                  // but "that" + a noun points
            {"the reason is that book opens", "เหตุผลคือหนังสือเปิด"},             // a noun and its -s verb
            {"the reason is that tables are the books", "เหตุผลคือโต๊ะคือหนังสือ"}, // or its be
            {"the reason is that clearly he came", "เหตุผลคืออย่างชัดเจนเขามา"},  // an adverb, then a clause
            {"the reason is that if he came, I read", "เหตุผลคือถ้าเขามา, ฉันอ่าน"},
            {"read, usually, that men came", "อ่าน, โดยปกติ, ว่าผู้ชายมา"}, // after an adverb in commas
        });
    EXPECT_EQ(line("I read what book can be read."), "ฉันอ่านหนังสือสามารถถูกอ่านอะไร."); // not which book: before a passive
}

TEST_F(Extended, DoOfQuestionsAndNegationsIsNotWritten) {
    checkRule(*this, GrammarRule::DoSupport,
              {
                  {"where do you live?", "คุณอาศัยที่ไหน?"},
                  {"do you live?", "คุณอาศัยไหม?"},
                  {"do you live or do you go?", "คุณอาศัยหรือคุณไปไหม?"}, // the second question after "or"
                  {"it does not clear the table.", "มันไม่เคลียร์โต๊ะ."},  // an adjective-first verb before its object
                  {"don't miss the book.", "อย่าพลาดหนังสือ."},          // a title read first: its verb after do
                  {"so how do you live?", "ดังนั้นคุณอาศัยอย่างไร?"},
                  {"I don't go", "ฉันไม่ไป"},
                  {"I do live?", "ฉันทำอาศัย?"},   // do inside the sentence stays
                  {"do you live", "คุณอาศัย"},     // its question mark may come in the next line: no ไหม yet
                  {"do you live.", "ทำคุณอาศัย."}, // a full stop: no question
                  {"do not read the book.", "อย่าอ่านหนังสือ."}, // an order
                  {"don't go.", "อย่าไป."},
                  {"it is old, so don't go.", "มันแก่, ดังนั้นอย่าไป."}, // after please, so or then too
                  {"please do not read the book.", "กรุณาอย่าอ่านหนังสือ."},
                  {"never read the book.", "อย่าอ่านหนังสือ."}, // "never" opening an order forbids too
                  {"I never read the book.", "ฉันไม่เคยอ่านหนังสือ."},
                  {"never appear by the table.", "อย่าปรากฏโดยโต๊ะ."}, // before a preposition
                  {"never appear.", "อย่าปรากฏ."},                    // or the end of the clause
                  {"never made the table.", "ไม่เคยทำโต๊ะ."},          // not a past verb
                  {"I do not go.", "ฉันไม่ไป."},
                  {"I don't never go", "ฉันไม่ไม่เคยไป"},           // an adverb between
                  {"he does want the book.", "เขาต้องการหนังสือ."}, // do that only stresses the verb
                  {"he does the book.", "เขาทำหนังสือ."},
                  {"don't work the table.", "อย่าทำงานโต๊ะ."}, // read first as a noun, before its object: the verb
                  {"don't work.", "อย่าทำงาน."},              // or in an order
                  {"I don't work", "ฉันทำไม่งาน"},             // not after a subject, unless an object follows
                  {"he does not store the book.", "เขาไม่เก็บหนังสือ."},
                  {"do not store the book.", "อย่าเก็บหนังสือ."},
                  {"if he came, do not store the book.", "ถ้าเขามา, อย่าเก็บหนังสือ."}, // after its condition
                  {"he came, do not store the book.", "เขามา, ไม่เก็บหนังสือ."},       // not after a plain clause
                  {"does the man work?", "ผู้ชายทำงานไหม?"},                         // after a question's subject
              });
}

TEST_F(Extended, AParticipleBeforeItsNounFollowsIt) {
    checkRule(*this, GrammarRule::ParticipleBeforeNoun,
              {
                  {"I read the opened book.", "ฉันอ่านหนังสือที่เปิด."},
                  {"by the man an opened book came.", "โดยผู้ชายหนังสือที่เปิดมา."}, // the noun before ends its phrase
                  {"I read the opening book.", "ฉันอ่านหนังสือที่เปิด."},            // an -ing word the suffix rules read
                  {"I read the smiling book.", "ฉันอ่านหนังสือที่ยิ้ม."},             // or an -ing entry of its own
                  {"it was the smiling book.", "มันเป็นหนังสือที่ยิ้ม."},             // after be and an article too
                  {"I read the Smiling book.", "ฉันอ่านกำลังยิ้มหนังสือ."},          // not a heading's
                  {"I read the smiling number of books.", "ฉันอ่านกำลังยิ้มตัวเลขของหนังสือ."}, // nor an amount's
                  {"I read of made tables.", "ฉันอ่านของโต๊ะที่ทำ."}, // after a preposition; irregular
                  {"I read the man's opened old book.", "ฉันอ่านหนังสือแก่ที่เปิดของผู้ชาย."},
                  {"Opened books were old.", "หนังสือที่เปิดแก่."}, // at the start only before be, a modal or do
                  {"Opened books can go.", "หนังสือที่เปิดสามารถไป."},
                  {"Opened books.", "เปิดหนังสือ."},
                  {"he opened books.", "เขาเปิดหนังสือ."},                      // after a subject: its verb
                  {"I read the set book.", "ฉันอ่านตั้งหนังสือ."},                 // a participle like the verb itself
                  {"the opened book stores the table.", "หนังสือที่เปิดเก็บโต๊ะ."}, // a plural before an object: a verb
              });
    // nor where a built-in phrase rule reads the participle's Thai with what follows the noun (ต้องการไม่ => ไม่ต้องการ)
    const std::string needed = "I read the needed book not made.";
    EXPECT_EQ(line(needed), line(needed, kAllGrammarRules & ~ruleBit(GrammarRule::ParticipleBeforeNoun)));
}

TEST_F(Extended, AParticipleAfterItsNounBeforeByOpensARelativeClause) {
    checkRule(*this, GrammarRule::ParticipleAfterNoun,
              {
                  {"I read the books available by the table.", "ฉันอ่านหนังสือที่มีอยู่โดยโต๊ะ."}, // "available" too
                  {"I read the available books.", "ฉันอ่านหนังสือที่มีอยู่."},                    // and before its noun
                  {"I read the book opened by the man.", "ฉันอ่านหนังสือที่เปิดโดยผู้ชาย."},
                  {"I read the zork opened by the man.", "ฉันอ่านzork ที่เปิดโดยผู้ชาย."}, // after a name, before "by"
                  {"the table made by the man was old.", "โต๊ะที่ทำโดยผู้ชายแก่."},
                  {"I read the book used in the story.", "ฉันอ่านหนังสือที่ใช้in เรื่อง."}, // one of the placed ones
                  {"I read the book used for the man.", "ฉันอ่านหนังสือที่ใช้สำหรับผู้ชาย."},
                  {"I read the book used if he came.", "ฉันอ่านหนังสือที่ใช้ถ้าเขามา."}, // before a condition too
                  {"I read the book documented for the man.", // from a noun-first entry: its verb sense
                   "ฉันอ่านหนังสือที่บันทึกสำหรับผู้ชาย."},
                  {"I read the book opened here.", "ฉันอ่านหนังสือที่เปิดhere."},                 // where in the text
                  {"I read to the man of the book opened.", "ฉันอ่านไปยังผู้ชายของหนังสือที่เปิด."}, // clause end
                  {"I read the book needed for the man.", "ฉันอ่านหนังสือที่ต้องการสำหรับผู้ชาย."},
                  {"I read the book named Emma.", "ฉันอ่านหนังสือที่ชื่อเอ็มมา."}, // before the name
                  {"I read the book called Emma.", "ฉันอ่านหนังสือที่เรียกว่าเอ็มมา."},
                  {"the man called it.", "ผู้ชายเรียกมัน."}, // before its object: the verb
              });
    // what it leaves: another participle before "in", and "those" (a phrase rule reads เหล่านั้นที่ as "those who")
    for (const auto &[in, out] : {std::pair{"I read the book opened in the story.", "ฉันอ่านหนังสือเปิดin เรื่อง."},
                                  std::pair{"I read those opened by the man.", "ฉันอ่านเหล่านั้นเปิดโดยผู้ชาย."},
                                  std::pair{"the book used to open.", "หนังสือเคยเปิด."}, // its own phrase
                                  // at the clause's end only after its verb: here "opened" is the verb
                                  std::pair{"the man of the book opened.", "ผู้ชายของหนังสือเปิด."}}) {
        EXPECT_EQ(line(in), out);
        EXPECT_EQ(line(in, kAllGrammarRules & ~ruleBit(GrammarRule::ParticipleAfterNoun)), out);
    }
}

TEST_F(Extended, AnIngWordAfterItsNounBeforeWhatItTakesOpensARelativeClause) {
    checkRule(*this, GrammarRule::IngAfterNoun,
              {
                  {"the man opening the book came.", "ผู้ชายที่เปิดหนังสือมา."},
                  {"I read to the man opening the old book.", "ฉันอ่านไปยังผู้ชายที่เปิดหนังสือแก่."},
              });
    // before a bare noun it may be part of a name, and after "this" it is no relative clause
    for (const char *in : {"the man opening books came.", "I read this opening the book."}) {
        SCOPED_TRACE(in);
        EXPECT_EQ(line(in), line(in, kAllGrammarRules & ~ruleBit(GrammarRule::IngAfterNoun)));
    }
}

TEST_F(Extended, PossessiveAfterItsNounPhraseAndContractionsOfIs) {
    checkRule(*this, GrammarRule::Possessive,
              {
                  {"Emma's father", "พ่อของเอ็มมา"},
                  {"I read his can.", "ฉันอ่านกระป๋องของเขา."}, // a modal after an owner: the noun it can be
                  {"Emma's old father came", "พ่อแก่ของเอ็มมามา"},
                  {"I read the man's open table.", "ฉันอ่านโต๊ะเปิดของผู้ชาย."},         // a verb naming a thing with a noun
                  {"I read his book of old tables.", "ฉันอ่านหนังสือของโต๊ะแก่ของเขา."}, // an owner after "of" and its noun
                  {"the old man's book", "หนังสือของผู้ชายแก่"},
                  {"I read someone else's book.", "ฉันอ่านหนังสือของคนอื่น."},
                  {"it's the book", "มันเป็นหนังสือ"},
                  {"he's good", "เขาเป็นดี"},
                  {"Emma's good", "เอ็มมาคือดี"},                      // no noun after it: "is"
                  {"Emma's", "เอ็มมาของเขา"},                        // nothing after it: as before
                  {"it is the old man's.", "มันเป็นของผู้ชายแก่."},      // before a mark: the thing owned understood
                  {"the man's zorg came", "zorg ของผู้ชายมา"},        // a word the dictionary lacks is a name
                  {"that's the book.", "นั่นคือหนังสือ."},               // "that's" opening a clause: นั่นคือ
                  {"the man's good to read", "ความดีของผู้ชายที่จะอ่าน"}, // an adjective before "to": its noun
                  {"the man's eye can work", "ตาของผู้ชายสามารถทำงาน"},        // a verb-first word before a modal
                  {"I read his set to the table.", "ฉันอ่านชุดของเขาไปยังโต๊ะ."}, // a noun before "to" a place
                  {"I read s and t.", "ฉันอ่านเอสและที."},                      // no apostrophe: the letters
                  {"I see the book(s).", "ฉันเห็นหนังสือ."},            // a plural mark: not written (nor read as a name)
                  {"the old books' father came", "พ่อของหนังสือแก่มา"}, // a plural's apostrophe
                  {"I read 'books' father.", "ฉันอ่านหนังสือ พ่อ."},     // the quote closing a quoted word
                  {"the Zork Bolts' father", "พ่อของZork Bolts"},    // a name's first names
              });
}

TEST_F(Extended, BeBeforeAnAdjectiveIsNotWritten) {
    checkRule(*this, GrammarRule::BeAdjective,
              {
                  {"the man is good.", "ผู้ชายดี."},
                  {"the man is good ... he came", "ผู้ชายดี...เขามา"}, // before dots too
                  {"the old is good.", "แก่ดี."},                     // the be unwritten still ends what it follows
                  {"the old is: the man", "แก่คือ: ผู้ชาย"},            // before a colon: what it is
                  {"it is too old.", "มันแก่เกินไป."},
                  {"it is either old or good.", "มันแก่หรือดี."}, // "either" before its "or" unwritten
                  {"Why is he nice?", "เขาดีทำไม?"},           // in a question after why, before its subject
                  {"it is not good, he came", "มันไม่ดี, เขามา"},
                  {"it is good table.", "มันเป็นโต๊ะดี."},    // before a noun
                  {"zork is the book.", "zork คือหนังสือ."}, // be before a noun phrase says what it is, not where
                  {"2 is the book.", "2 คือหนังสือ."},
                  {"the man is good", "ผู้ชายคือดี"},                 // the noun may come in the next line
                  {"the man was tired.", "ผู้ชายคือยาง."},           // an -ed word: the phrase rules' passive
                  {"the book is on the table.", "หนังสืออยู่บนโต๊ะ."}, // before a place: อยู่
                  {"I want to be the man.", "ฉันต้องการเป็นผู้ชาย."},  // after "to", before a noun phrase: เป็น
                  {"it can not be the man", "มันสามารถไม่เป็นผู้ชาย"},
                  {"I want to be good.", "ฉันต้องการดี."}, // "to be" + adjective after a verb
                  {"I want you to be good.", "ฉันต้องการให้คุณดี."},
                  {"the man is older.", "ผู้ชายแก่กว่า."}, // a comparative writes its noun first
                  {"the man is like the table.", "ผู้ชายเหมือนโต๊ะ."},
                  {"he was back.", "เขากลับ."},
                  {"it is extremely old.", "มันแก่อย่างยิ่ง."}, // an adverb of degree after its adjective
                  {"it is really good.", "มันดีจริงๆ."},
                  {"it is quite old.", "มันค่อนข้างแก่."},
                  {"he was untired.", "เขาไม่เหนื่อย."},      // an -ed adjective that says "not" itself
                  {"bob is the friend.", "บ็อบคือเพื่อน."},    // after a name, before what it is: คือ
                  {"zork is the friend.", "zork คือเพื่อน."}, // and after a word the dictionary lacks
                  {"I want to be something.", "ฉันต้องการเป็นบางสิ่ง."},
                  {"the man is bored.", "ผู้ชายเบื่อ."},     // an -ed adjective no phrase rule reads with be
                  {"the man is nice.", "ผู้ชายดี."},        // ที่ดี is for before a noun
                  {"there is good.", "ที่นั่นอยู่ดี."},         // after "there" be stays
                  {"I was going to be old.", "ฉันจะแก่."}, // after "going to": the future
                  {"the book, which is the table", "หนังสือ, ซึ่งเป็นโต๊ะ"}, // not ซึ่งอยู่: after ที่ or ซึ่ง, เป็น
                  {"it is also good.", "มันยังดี."},
                  {"the books are the tables.", "หนังสือคือโต๊ะ."}, // before what it is: not อยู่ after a plural
                  {"the books are on the table.", "หนังสืออยู่บนโต๊ะ."},
                  {"old is something.", "แก่คือบางสิ่ง."},
                  {"the man is the most old.", "ผู้ชายแก่มากที่สุด."}, // a superlative ends the clause
                  // an adverb before a noun phrase or a place goes before be, or ends the clause
                  {"he was still the man.", "เขายังคงเป็นผู้ชาย."},
                  {"it is not a book.", "มันไม่ใช่อะ.-หนังสือ."},
                  {"it is no book.", "มันไม่ใช่หนังสือ."},               // "no" as "not" (but "there would be no" stays)
                  {"there can be no book.", "ที่นั่นสามารถอยู่ไม่หนังสือ."}, // (the phrase rules read it)
                  {"he is not on the table.", "เขาไม่ได้อยู่บนโต๊ะ."},
                  {"he is always on the table.", "เขาอยู่บนโต๊ะเสมอ."},
                  {"he is always old.", "เขาแก่เสมอ."},              // or an adjective
                  {"there is always the book.", "ที่นั่นอยู่หนังสือเสมอ."}, // after "there" too
                  {"he is also the man.", "เขาเป็นผู้ชายด้วย."},
                  {"is he still the man?", "เขายังคงเป็นผู้ชายไหม?"}, // after the question's subject is put first
                  {"there is still the book.", "ที่นั่นอยู่ยังคงหนังสือ."},
                  {"the man, he came, was the man.", "ผู้ชาย, เขามา, เป็นผู้ชาย."}, // after a comma: เป็น
                  {"the man had been the book.", "ผู้ชายเป็นหนังสือ."},
                  {"there is the book.", "ที่นั่นอยู่หนังสือ."}, // (a phrase rule reads ที่นั่นอยู่)
              });
}

TEST_F(Extended, ToBetweenVerbs) {
    checkRule(*this, GrammarRule::ToVerb,
              {
                  {"I want to go", "ฉันต้องการไป"},
                  {"To read the book is easy.", "การอ่านหนังสือง่าย."}, // an action, the subject of is
                  {"the book is to allow the man.",
                   "หนังสือมีไว้เพื่ออนุญาตผู้ชาย."}, // be + "to" before a verb of allowing: what it is for
                  {"To go is to read.", "การไปคือการอ่าน."},
                  {"To read the book, go.", "เพื่ออ่านหนังสือ, ไป."},      // a purpose
                  {"I think how to read the book", "ฉันคิดวิธีอ่านหนังสือ"}, // the way: written in place
                  {"he is old to work on the table.",
                   "เขาแก่ที่จะทำงานบนโต๊ะ."}, // a noun-first word before its verb's preposition
                  {"I think when to read the book", "ฉันคิดเมื่อไรควรอ่านหนังสือ"},
                  {"I think what to read", "ฉันคิดสิ่งที่ต้องอ่าน"},
                  {"I think where to read", "ฉันคิดที่ที่จะอ่าน"},
                  {"I read the reason to work and read.", "ฉันอ่านเหตุผลที่จะทำงานและอ่าน."}, // a noun-first verb
                  {"he is able to read", "เขาสามารถอ่าน"},
                  {"he came, having to go", "เขามา, ต้องไป"},
                  {"he was told to go", "เขาถูกบอกให้ไป"}, // a passive verb of telling
                  {"it is easy to read", "มันง่ายที่จะอ่าน"},
                  {"I want you to go", "ฉันต้องการให้คุณไป"}, // after a verb of wishing ให้ before the one wished
                  {"I want the old man to go", "ฉันต้องการให้ผู้ชายแก่ไป"},    // ให้ before a longer object too
                  {"he allows the old man to go", "เขาอนุญาตให้ผู้ชายแก่ไป"}, // ให้ before the one let act
                  {"he asked the man to go", "เขาขอให้ผู้ชายไป"},
                  {"it causes the man to go", "มันทำให้ผู้ชายไป"},
                  {"it enables the man to go", "มันทำให้ผู้ชายสามารถไป"},
                  {"asking the man to go", "การขอให้ผู้ชายไป"},
                  {"I read the old man to go", "ฉันอ่านผู้ชายแก่เพื่อไป"}, // another verb
                  {"I have to go", "ฉันต้องไป"},
                  {"he appears to go", "เขาดูเหมือนจะไป"}, // seeming
                  {"I need to go", "ฉันจำเป็นต้องไป"},
                  {"he used to live", "เขาเคยอาศัย"},
                  {"used to live", "ใช้อาศัย"}, // no subject: perhaps a passive whose be ended the line before
                  {"the book is used to store the table", "หนังสือถูกใช้ในการเก็บโต๊ะ"}, // store read as a verb
                  {"I used the book", "ฉันใช้หนังสือ"},
                  {"I was going to read the book", "ฉันจะอ่านหนังสือ"}, // the future
                  {"I was going to Zork", "ฉันกำลังไปยังZork"},        // going to a name: there, not the future
                  {"the secret is to read", "ความลับคือการอ่าน"},      // what something is: an action
                  {"the secret is to be good", "ความลับคือเพื่ออยู่ดี"},   // (not before be)
                  {"I try not to go", "ฉันพยายามไม่ไป"},
                  {"he had the chance to go", "เขามีโอกาสที่จะไป"}, // what the noun is for
                  {"he had no way to go", "เขามีไม่ทางในการไป"},
                  {"he had the book to read", "เขามีหนังสือเพื่ออ่าน"}, // another noun: the purpose
                  {"the old man used to be good", "ผู้ชายแก่เคยเป็นดี"},
                  {"the book to read is old", "หนังสือที่จะอ่านคือแก่"}, // to be done with it: opening the sentence,
                  {"it is the book to read", "มันเป็นหนังสือที่จะอ่าน"}, // after be
                  {"I want the table of the book to read", "ฉันต้องการโต๊ะของหนังสือที่จะอ่าน"}, // or after "of"
                  {"he's got to go", "เขาต้องไป"},
                  {"I had it to read", "ฉันมีมันให้อ่าน"},     // an object there for what follows
                  {"I read it to go", "ฉันอ่านมันเพื่อไป"},    // another verb's object: the purpose
                  {"it is good not to go", "มันดีที่จะไม่ไป"}, // "not to" after an adjective
              });
}

TEST_F(Extended, ToBeforeANounPhraseAfterVerbsOfGivingMovingAndJoining) {
    checkRule(*this, GrammarRule::ToObject,
              {
                  {"he told the story to the man", "เขาบอกเรื่องให้ผู้ชาย"},
                  {"he told the story to the friend", "เขาบอกเรื่องแก่เพื่อน"}, // ให้ before เพื่อน reads ให้เพื่อ
                  {"I send the old book to the man", "ฉันส่งหนังสือแก่ไปยังผู้ชาย"},
                  {"apply it to the book", "ใช้มันกับหนังสือ"},
                  {"I apply to the book", "ฉันใช้กับหนังสือ"}, // right after the verb
                  {"I go to the table", "ฉันไปที่โต๊ะ"},      // going: where to
                  {"set it to the table", "ตั้งมันเป็นโต๊ะ"},
                  {"he gave the book to the man", "เขาให้หนังสือแก่ผู้ชาย"},          // not ให้ twice
                  {"he told you the book to the table", "เขาบอกคุณหนังสือเพื่อโต๊ะ"}, // two objects: the noun's
                  {"I read the book to the man", "ฉันอ่านหนังสือไปยังผู้ชาย"},         // another verb: toward
                  {"I told the relative to the man", "ฉันบอกญาติเพื่อผู้ชาย"},        // "relative to" is the noun's
                  {"I read the set to the man", "ฉันอ่านตั้งไปยังผู้ชาย"},             // a verb after an article: a noun
                  {"told, the book to the man", "บอก, หนังสือไปยังผู้ชาย"},          // the verb is of another clause
                  // toward a noun phrase with no verb that says how: never the เพื่อ of a purpose
                  {"I read to the table", "ฉันอ่านไปยังโต๊ะ"},
                  {"I read the book to them", "ฉันอ่านหนังสือแก่พวกเขา"}, // a person
                  {"from the book to the table", "จากหนังสือถึงโต๊ะ"},   // from ... to
                  {"To the man.", "ถึงผู้ชาย."},                        // opening the sentence
                  {"it is easy to the man", "มันง่ายต่อผู้ชาย"},          // after an adjective
                  {"it is easy to books", "มันง่ายต่อหนังสือ"}, // (a bare noun too, but not one that can be a verb)
                  {"as to the book", "เกี่ยวกับหนังสือ"},
                  {"I read to the old man", "ฉันอ่านไปยังผู้ชายแก่"},
                  {"I read the book to tables", "ฉันอ่านหนังสือไปยังโต๊ะ"}, // a plural noun that is no verb
                  {"from the book to tables", "จากหนังสือถึงโต๊ะ"},
                  {"from day to reason", "จากวันถึงเหตุผล"},  // after "from" any bare noun that is no verb
                  {"from day to act", "จากวันเพื่อการกระทำ"}, // (one that can be a verb is left)
                  {"from 1 to 10", "จาก1 ถึง10"},           // numbers after "from"
                  {"the book 1 to 10", "หนังสือ1 ถึง10"},     // or two numbers alone
                  {"I read 1 to 10", "ฉันอ่าน1 เพื่อ10"},      // (not without it)
              });
}

TEST_F(Extended, MustNotIsForbidding) {
    checkRule(*this, GrammarRule::MustNot,
              {
                  {"you must not go", "คุณห้ามไป"},
                  {"you mustn't go", "คุณห้ามไป"},
                  {"you must go", "คุณต้องไป"},
                  {"you must not", "คุณต้องไม่"}, // nothing after it
              });
}

TEST_F(Extended, QuestionsPutTheSubjectBeforeTheModal) {
    checkRule(
        *this, GrammarRule::QuestionOrder,
        {
            {"can you read the book?", "คุณสามารถอ่านหนังสือไหม?"},
            {"where can you read if he came?",
             "คุณสามารถอ่านที่ไหนถ้าเขามา?"},                 // the question word before a clause of when or if
            {"why is there a book?", "มีอะ.-หนังสือทำไม?"}, // there is: มี
            {"where did he read when he came?", "เขาอ่านที่ไหนเมื่อเขามา?"}, // (after the do of a question too)
            {"how many books can you read?", "คุณสามารถอ่านหนังสือกี่เล่ม?"}, // how many: กี่, its noun phrase after the verb
            {"how many tables are there?", "มีกี่โต๊ะ?"},
            {"how many books work now?", "หนังสือกี่เล่มทำงานตอนนี้?"}, // (a noun after it that can be its verb)
            {"if he came, where can you read?",
             "ถ้าเขามา, คุณสามารถอ่านที่ไหน?"},                   // a question word after a clause and its comma
            {"how long does it take?", "มันใช้เวลานานเท่าไร?"}, // how long, how often ...: at the end
            {"how long can you work?", "คุณสามารถทำงานนานเท่าไร?"},
            {"how come you read the book?", "คุณอ่านหนังสือทำไม?"}, // "how come" asks why
            {"who is the man who came?", "ผู้ชายที่มาคือใคร?"},      // be after the noun and its relative clause
            {"what can you read?", "คุณสามารถอ่านอะไร?"},
            {"is it good?", "มันดีไหม?"},
            {"is there a book?", "มีอะ.-หนังสือไหม?"},        // whether there is
            {"is bob the friend?", "บ็อบคือเพื่อนไหม?"},       // a name, then another noun phrase
            {"is it good or old?", "มันดีหรือแก่?"},           // หรือ asks already
            {"can you read the book", "สามารถคุณอ่านหนังสือ"}, // no question mark
            {"can the man read?", "ผู้ชายสามารถอ่านไหม?"},    // a noun phrase moves too
            {"what can the old man read?", "ผู้ชายแก่สามารถอ่านอะไร?"},
            {"can the man good?", "สามารถผู้ชายดี?"},                                   // no verb after the noun phrase
            {"if he came, can you read the book?", "ถ้าเขามา, คุณสามารถอ่านหนังสือไหม?"}, // after a clause
            {"is the man making the book?", "ผู้ชายกำลังทำหนังสือไหม?"},
            {"what was he making?", "เขากำลังทำอะไร?"},   // be after a question word: what goes on
            {"what is the old book?", "หนังสือแก่คืออะไร?"}, // or be after what it asks about
            {"how is he?", "เขาเป็นอย่างไร?"},
            {"had he seen the book?", "เขาเห็นหนังสือไหม?"},   // have before a participle
            {"and who is the old man?", "และผู้ชายแก่คือใคร?"}, // after the "and" that opens it
            {"and can you read the book?", "และคุณสามารถอ่านหนังสือไหม?"},
            {"so, is there a book?", "ดังนั้น, มีอะ.-หนังสือไหม?"}, // after an opener and its comma
            {"well, can you read?", "เอาล่ะ, คุณสามารถอ่านไหม?"},
            {"(2) can you read the book?", "(2) คุณสามารถอ่านหนังสือไหม?"}, // after the number it has
            // a question quoted after a comma or a colon opens where its quote does
            {"he said, \"Can you read the book?\"", "เขากล่าว, \"คุณสามารถอ่านหนังสือไหม?\""},
            {"he said: \u201CIf he came, can you read?\u201D", "เขากล่าว: \u201Cถ้าเขามา, คุณสามารถอ่านไหม?\u201D"},
            {"is \"Can\" the book?", "เป็น\"สามารถ\" หนังสือ?"}, // (a quoted word: the quote closes)
        });
}

TEST_F(Extended, AnOrderOpensWithItsVerb) {
    checkRule(*this, GrammarRule::ImperativeVerb,
              {
                  {"Store the book.", "เก็บหนังสือ."},
                  {"Eye it.", "มองมัน."},
                  {"Store some books.", "เก็บหนังสือบางเล่ม."},
                  {"Store books.", "หนังสือร้านค้า."}, // a bare noun after it: a noun phrase
                  {"Copy books.", "คัดลอกหนังสือ."},  // but a manual's order: a verb it opens with
                  {"Copy books for the man.", "คัดลอกหนังสือสำหรับผู้ชาย."},
                  {"Store he had.", "ร้านค้าเขามี."},                      // a subject pronoun after it
                  {"Store old books?", "ร้านค้าหนังสือแก่?"},                // a question
                  {"I had store old books.", "ฉันมีร้านค้าหนังสือแก่."},       // not the first word
                  {"he always store them.", "เขาเก็บพวกเขาเสมอ."},       // anywhere before them
                  {"I read the store them.", "ฉันอ่านร้านค้าพวกเขา."},      // not after an article
                  {"Please store books.", "กรุณาเก็บหนังสือ."},             // after "please", whatever follows
                  {"Help of the man is good.", "ความช่วยเหลือของผู้ชายดี."}, // before "of" and a be: a subject
                  {"Help of the man.", "ช่วยของผู้ชาย."},
                  {"he came by help of the man.", "เขามาโดยความช่วยเหลือของผู้ชาย."}, // or after a preposition
                  {"Clear the table.", "เคลียร์โต๊ะ."},                              // read first as an adjective
                  {"Clear tables.", "โต๊ะชัด."},                                    // before a bare noun it describes
                  {"Old the book.", "หนังสือแก่."},                                  // no verb sense
                  {"Usually store the book.", "โดยปกติเก็บหนังสือ."},                 // after an -ly adverb
                  {"Store old books.", "เก็บหนังสือแก่."},                            // before an adjective and its noun
                  {"Store Old books.", "ร้านค้าหนังสือแก่."},                          // (a heading's capital)
              });
    EXPECT_EQ(line("Copy books for the man are old."), "หนังสือสำเนาสำหรับผู้ชายแก่."); // a verb after: a noun phrase
}

TEST_F(Extended, ANameFollowsItsNoun) {
    checkRule(
        *this, GrammarRule::NameAfterNoun,
        {
            {"I read the zork book.", "ฉันอ่านหนังสือzork."},
            // capitals in a row, one of them no word of the dictionary or of its own make, are one name
            {"I read Zork Table and Old Table.", "ฉันอ่านZork Table และโต๊ะแก่."},
            {"I read the Zork Table book, by Captain Zork Table.", "ฉันอ่านหนังสือZork Table, โดยCaptain Zork Table."},
            {"I read the NetApp Table.", "ฉันอ่านNetApp Table."},
            {"I read the Table Zork book.",
             "ฉันอ่านหนังสือTable Zork."}, // after its noun, from its first word
                                       // (not over a title, a preposition or a compound's hyphen)
            {"I read King Zork Table, By Zork Table, Old-Zork Table.",
             "ฉันอ่านพระราชาZork Table, โดยZork Table, แก่-Zork โต๊ะ."},
            {"I read the zork book and the table.", "ฉันอ่านหนังสือzork และโต๊ะ."}, // its space before a word
            {"I read the old zork book.", "ฉันอ่านหนังสือแก่zork."},
            {"he zorks books.", "เขาzorks หนังสือ."},             // not after an article: perhaps a verb
            {"Node: zork invocation.", "โหนด: การเรียกใช้zork."}, // but before "invocation", a manual's node
            {"I read the zork.", "ฉันอ่านzork."},                 // no noun after it
            // a quoted name before what a manual calls it, and what followed the noun after the name
            {"I read the 'open' command, the 'old' command.", "ฉันอ่านคำสั่งopen, คำสั่งold."},
            {"the 'open' command is old.", "คำสั่งopen แก่."},
            {"he clearly read the 'open' command.",
             "เขาอ่านคำสั่งopen อย่างชัดเจน."}, // what followed the noun follows the name
            // a name after its noun stays after it: after a thing a manual names (a capital after a capital
            // is one name with it)
            {"I read the command zork now.", "ฉันอ่านคำสั่งzork ตอนนี้."},
            {"I read the Book Zork now.", "ฉันอ่านBook Zork ตอนนี้."},
            // a name before brackets stays as it is, and a noun after it comes first
            {"the read() and zork(2) books came.", "หนังสือread() และzork(2) มา."},
            {"I see open(2) and open_book().", "ฉันเห็นopen(2) และopen_book()."},
            {"I see the old_open() book.", "ฉันเห็นold_open() หนังสือ."}, // not into the name
            // words joined by "_" are a name in code; an underscore at a word's edge joins nothing
            {"I read OPEN_BOOK and old_table now.", "ฉันอ่านOPEN_BOOK และold_table ตอนนี้."},
            {"I read _old_ books.", "ฉันอ่าน_แก่_ หนังสือ."},
            // a path too, from its "/" to a space, but not words a "/" only joins
            {"I read /open/book now (/old/man).", "ฉันอ่าน/open/book ตอนนี้(/old/man)."},
            {"I read open/book now.", "ฉันอ่านเปิด/หนังสือตอนนี้."},
        });
    // and a quoted word in capitals, whatever follows it
    EXPECT_EQ(line("I set 'BOOK' to 'OLD'."), "ฉันตั้งBOOK เพื่อOLD.");
    // an address after its scheme is written as it stands, as a path is, by the stage itself
    EXPECT_EQ(line("I read HTTP://open.book/old now."), "ฉันอ่านhttp://open.book/old ตอนนี้.");
    EXPECT_EQ(line("Node: *Note zork invocation::."), "โหนด: *zork การเรียกใช้บันทึก::."); // not after "Note"
}

TEST_F(Extended, AfterAModalAVerb) {
    checkRule(*this, GrammarRule::ModalVerb,
              {
                  {"you can miss the book.", "คุณสามารถพลาดหนังสือ."}, // a title read first: the verb after a modal
                  {"I can miss you.", "ฉันสามารถคิดถึงคุณ."},           // one misses a person
                  {"you can work", "คุณสามารถทำงาน"},
                  {"you can not work", "คุณสามารถไม่ทำงาน"},
                  {"he won't work", "เขาจะไม่ทำงาน"}, // the modal of a contraction
                  {"the work can go", "งานสามารถไป"},
                  {"you can good", "คุณสามารถดี"},                     // no verb sense
                  {"I want to work.", "ฉันต้องการทำงาน."},             // after a verb and its "to"
                  {"I read to work the table", "ฉันอ่านทำงานโต๊ะ"},     // before its object
                  {"I read to work some table", "ฉันอ่านทำงานบางโต๊ะ"}, // an object opened by a determiner
                  {"I read to work", "ฉันอ่านเพื่องาน"},                 // the clause may go on in the next line
                  {"I read to clear the table", "ฉันอ่านเคลียร์โต๊ะ"},    // an adjective before its object
                  {"I read to clear tables", "ฉันอ่านเพื่อโต๊ะชัด"},       // before a noun it describes
                  {"I want to work he", "ฉันต้องการทำงานเขา"},         // a subject after it opens the next clause
                  {"from the book to work he", "จากหนังสือเพื่องานเขา"}, // but not after a noun
              });
}

TEST_F(Extended, MannerAdverbsGoToTheEndOfTheirClause) {
    checkRule(
        *this, GrammarRule::MannerAdverb,
        {
            {"he clearly read the book.", "เขาอ่านหนังสืออย่างชัดเจน."},
            {"it can always be old.", "มันสามารถแก่เสมอ."},                   // an adjective after a be left unwritten
            {"he read a clearly old book.", "เขาอ่านอะ.-หนังสือแก่อย่างชัดเจน."}, // in a noun phrase: after its adjective
            {"he clearly read the book and he came", "เขาอ่านหนังสืออย่างชัดเจนและเขามา"},
            {"he clearly read the book and the table.", "เขาอ่านหนังสือและโต๊ะอย่างชัดเจน."}, // "and" in the object
            {"he clearly read the book and the table by the old man by the old table by the book.", // not too long
             "เขาอ่านหนังสืออย่างชัดเจนและโต๊ะโดยผู้ชายแก่โดยโต๊ะแก่โดยหนังสือ."},
            {"he clearly read the book that I made.", "เขาอ่านหนังสือที่ฉันทำอย่างชัดเจน."}, // after its relative
            {"it was clearly opened by the man.", "มันถูกเปิดโดยผู้ชายอย่างชัดเจน."},
            {"the table is temporarily opened.", "โต๊ะถูกเปิดชั่วคราว."}, // -ly without อย่าง, after the verb too
            {"he recursively read the book.", "เขาอ่านหนังสือแบบเรียกซ้ำ."},  // or with แบบ
            {"it was clearly opened for the book such as the old book.", // not inside "such as"
             "มันถูกเปิดอย่างชัดเจนสำหรับหนังสือเช่นนั้นเป็นหนังสือแก่."},
            {"he also read the book.", "เขาอ่านหนังสือด้วย."},
            {"he also read the book and the old table.", "เขายังอ่านหนังสือและโต๊ะแก่."},     // a longer clause: ยัง
            {"he can also read the book and the table.", "เขายังสามารถอ่านหนังสือและโต๊ะ."}, // before a modal
            {"he always reads the book.", "เขาอ่านหนังสือเสมอ."}, // after a pronoun an -s word is a verb
            {"he clearly follows by the old man by the old table by the book.",
             "เขาอย่างชัดเจนติดตามโดยผู้ชายแก่โดยโต๊ะแก่โดยหนังสือ."},      // not into ติดตามโดย, a phrase
            {"he clearly read the book", "เขาอย่างชัดเจนอ่านหนังสือ"}, // the clause may go on in the next line
            {"he clearly read the book by the old table by the old man's book.",
             "เขาอ่านหนังสืออย่างชัดเจนโดยโต๊ะแก่โดยหนังสือของผู้ชายแก่."},        // long: after the object
            {"he clearly read for the man that can read the old book", // a relative that runs on: before it
             "เขาอ่านสำหรับผู้ชายอย่างชัดเจนที่สามารถอ่านหนังสือแก่"},
        });
}

TEST_F(Extended, TimeAdverbsOpenTheClause) {
    checkRule(*this, GrammarRule::TimeAdverb,
              {
                  {"he then read the book.", "จากนั้นเขาอ่านหนังสือ."},
                  {"the old man then came, and he then came", "จากนั้นผู้ชายแก่มา, และจากนั้นเขามา"},
                  {"he read the book then.", "เขาอ่านหนังสือจากนั้น."},     // not before a verb
                  {"he usually read the book.", "โดยปกติเขาอ่านหนังสือ."}, // what is usual opens it too
                  {"the book is usually made.", "โดยปกติหนังสือถูกทำ."},   // (a passive too)
                  {"the book usually opened by the man came.",         // but describing a noun, it stays
                   "หนังสือโดยปกติเปิดโดยผู้ชายมา."},
                  {"I read he then came", "ฉันอ่านเขาจากนั้นมา"},
                  {"once the man came, I read.", "เมื่อผู้ชายมา, ฉันอ่าน."}, // "once" before a subject: when
                  {"I read it once.", "ฉันอ่านมันหนึ่งครั้ง."},               // the subject of a clause within
                  // after its subject before a past verb, or after was: what used to be, เคย
                  {"he once opened the book.", "เขาเคยเปิดหนังสือ."},
                  {"he once came.", "เขาเคยมา."},
                  {"Minsky once came.", "Minsky เคยมา."}, // a name the dictionary lacks
                  {"it was once the book.", "มันเคยอยู่หนังสือ."},
                  {"the book was once opened.", "หนังสือเคยถูกเปิด."},
                  {"there was once the man.", "ครั้งหนึ่งที่นั่นอยู่ผู้ชาย."},
              });
}

TEST_F(Extended, TooEitherAndAsWellEndingAClauseAreAlso) {
    checkRule(*this, GrammarRule::AlsoAtEnd,
              {
                  {"he can neither read nor go.", "เขาไม่สามารถอ่านหรือไป."}, // neither ... nor: ไม่ once
                  {"neither the man nor the book came.", "ทั้งผู้ชายและหนังสือไม่มา."},
                  {"I read the book, too.", "ฉันอ่านหนังสือด้วย."},
                  {"Well, he came.", "เอาล่ะ, เขามา."}, // opening a sentence
                  {"he read it well, and he came.", "เขาอ่านมันอย่างดี, และเขามา."},
                  {"he, too, came.", "เขา, ด้วย, มา."},
                  {"I don't read it either.", "ฉันไม่อ่านมันเช่นกัน."},
                  {"I read it as well.", "ฉันอ่านมันด้วย."},
                  {"it is too old", "มันเป็นแก่เกินไป"}, // before an adjective
                  {"I read it as well as the book.", "ฉันอ่านมันเป็นอย่างดีเป็นหนังสือ."},
              });
}

TEST_F(Extended, AVerbReachedThroughASuffixFollowsItsSubject) {
    checkRule(*this, GrammarRule::SubjectVerb,
              {
                  {"the tables point to the book.", "โต๊ะชี้ไปยังหนังสือ."}, // a plural before the verb's own preposition
                  {"the man reads the book.", "ผู้ชายอ่านหนังสือ."},
                  // a word read first as an adjective, reached through -s: the verb after a subject, its plain
                  // verb ending the clause, else the noun
                  {"the man owns the book.", "ผู้ชายเป็นเจ้าของหนังสือ."},
                  {"if the book fits, he reads", "ถ้าหนังสือพอดี, เขาอ่าน"},
                  {"I read the fits.", "ฉันอ่านอาการชัก."},
                  {"I read the book and act of the man.", "ฉันอ่านหนังสือและการกระทำของผู้ชาย."}, // (not a verb)
                  {"the book that acts.", "หนังสือที่กระทำ."},
                  {"the man who updates books came.", "ผู้ชายที่ปรับปรุงหนังสือมา."}, // before its plural object
                  {"someone who updates books came.", "ใครบางคนที่ปรับปรุงหนังสือมา."},
                  {"the man processes old books.", "ผู้ชายประมวลผลหนังสือแก่."}, // a bare object ending the sentence
                  {"the old man opened the book.", "ผู้ชายแก่เปิดหนังสือ."},
                  {"the man opened.", "ผู้ชายเปิด."},
                  {"he reads the book.", "เขาอ่านหนังสือ."}, // after a pronoun nothing is held
                  {"the old tables", "โต๊ะแก่"},            // a plural noun stays
                  {"I work.", "ฉันทำงาน."},                // read first as a noun, but after its subject
                  {"he works.", "เขาทำงาน."},             // the stem's verb sense
                  {"the man who works.", "ผู้ชายที่ทำงาน."},  // after a relative
                  {"the man who work.", "ผู้ชายที่ทำงาน."},
                  {"tables that store old books", "โต๊ะที่เก็บหนังสือแก่"},        // "that" after a plural, without -s
                  {"the man that work out the book", "ผู้ชายที่ทำงานออกหนังสือ"}, // or before a particle and an object
                  {"I read the work.", "ฉันอ่านงาน."},                        // an object stays a noun
                  {"it works the table", "มันทำงานโต๊ะ"},
                  {"it works tables.", "มันทำงานโต๊ะ."},                   // the -s of "it" before a bare noun too
                  {"the tables store the book.", "โต๊ะเก็บหนังสือ."},        // a plural before a word without -s
                  {"the man works each table.", "ผู้ชายทำงานแต่ละโต๊ะ."},    // before a determiner and its noun
                  {"the man works each came.", "งานผู้ชายแต่ละมา."},        // (not one without its noun)
                  {"the man points to the table.", "ผู้ชายชี้ไปยังโต๊ะ."},     // a verb with the preposition it takes
                  {"the man points by the table.", "จุดผู้ชายโดยโต๊ะ."},     // (not with another)
                  {"the man acts as the friend.", "ผู้ชายทำหน้าที่เป็นเพื่อน."}, // a part it plays
                  {"TABLES store old books.", "โต๊ะร้านค้าหนังสือแก่."},       // (not a heading's word in capitals)
                  {"it works tables are", "มันงานโต๊ะอยู่"},                 // not where a be follows it
                  {"the man always works for the friend.", "ผู้ชายเสมอทำงานสำหรับเพื่อน."}, // over an adverb
                  {"he opens the book and works.", "เขาเปิดหนังสือและทำงาน."},            // a second verb of the subject
                  {"he opened the book and works.", "เขาเปิดหนังสือและงาน."},             // not one that matches
                  {"he emitted the type and content.", "เขาปล่อยประเภทและเนื้อหา."},      // nor a noun after a past verb
                  {"open the book and content it.", "เปิดหนังสือและทำให้พอใจมัน."},         // an order and another,
                  {"he opens the book, reads it, and works.", "เขาเปิดหนังสือ, อ่านมัน, และทำงาน."},
                  {"the man works the table.", "ผู้ชายทำงานโต๊ะ."},  // after a noun, before its object
                  {"these eyes he", "ตาเหล่านี้เขา"},                // these before a plural: no subject of it
                  {"bob works by the table.", "บ็อบทำงานโดยโต๊ะ."}, // a name before a preposition
                  {"bob works.", "บ็อบงาน."},                      // or a name that tells which
                  {"\"go,\" said the man.", "\"ไป,\" ผู้ชายกล่าว."}, // the speaker after what was said: first
                  {"\"go?\" said he.", "\"ไป?\" เขากล่าว."},
                  {"the \"go\" said the man.", "\"ไป\" กล่าวผู้ชาย."}, // a quotation that is the subject
                  {"before you work, read.", "ก่อนคุณทำงาน, อ่าน."},   // "you" after a word of time opens a clause
              });
    for (const auto &[in, out] : {std::pair{"man processes old books.", "กระบวนการผู้ชายหนังสือแก่."},    // no opener
                                  std::pair{"the man processes old books", "กระบวนการผู้ชายหนังสือแก่"}}) // no mark
        EXPECT_EQ(line(in), out) << in;
    // not after a relative's be that another rule left unwritten (its "not" then says ไม่ใช่)
    EXPECT_EQ(line("the man who is not work."), "ผู้ชายที่ไม่ใช่งาน.");
}

TEST_F(Extended, ForBeforeALengthOfTimeIsDuration) {
    checkRule(*this, GrammarRule::Duration,
              {
                  {"I read for two hours.", "ฉันอ่านเป็นเวลาชั่วโมงสอง."}, // "two" an adjective here
                  {"I read for 2 hours.", "ฉันอ่านเป็นเวลา2 ชั่วโมง."},
                  {"I read for hours.", "ฉันอ่านเป็นเวลาหลายชั่วโมง."},               // no length given: many
                  {"I read for hours of the book.", "ฉันอ่านสำหรับชั่วโมงของหนังสือ."}, // but not hours of
                  {"I read for the man.", "ฉันอ่านสำหรับผู้ชาย."},
                  {"it takes 2 hours.", "มันใช้เวลา2 ชั่วโมง."}, // take before a length of time
                  {"it takes the book.", "มันเอาหนังสือ."},     // elsewhere take is เอา, not หยิบ
                  {"it takes the old hours.", "มันหยิบชั่วโมงแก่."}, // not before time: phrase rules read หยิบเวลา
              });
}

TEST_F(Extended, ARelativeClauseWithoutItsPronounGetsThi) {
    checkRule(*this, GrammarRule::ReducedRelative,
              {
                  {"he is the man I read.", "เขาเป็นผู้ชายที่ฉันอ่าน."},
                  {"all I read was old.", "ทั้งหมดที่ฉันอ่านแก่."},
                  {"I read the book you made.", "ฉันอ่านหนังสือที่คุณทำ."},
                  {"the book it allows allows the man.",
                   "หนังสือที่มันอนุญาตอนุญาตผู้ชาย."}, // "it" before a verb with its -s; a verb after
                  {"I read the book you cannot read.", "ฉันอ่านหนังสือที่คุณไม่สามารถอ่าน."}, // before a modal
                  {"I told the man you came.", "ฉันบอกผู้ชายคุณมา."},                    // what is told
                  {"by the table I read.", "โดยโต๊ะฉันอ่าน."},                          // no verb took the noun
                  {"tables I read.", "โต๊ะฉันอ่าน."},                                   // nothing before the noun phrase
                  {"the man I read was old.", "ผู้ชายที่ฉันอ่านแก่."},          // opening the sentence, be after the clause
                  {"the man I read the book.", "ผู้ชายฉันอ่านหนังสือ."},       // no be after it
                  {"he came by the table I made.", "เขามาโดยโต๊ะที่ฉันทำ."}, // after a verb's preposition, ending it
                  {"he came by the table I made the book.", "เขามาโดยโต๊ะฉันทำหนังสือ."}, // a verb with its object
                  {"he came by the table I said.", "เขามาโดยโต๊ะฉันกล่าว."},             // a verb of saying
                  {"he came by the table I was made by the man.", // a passive after "the": up to its end
                   "เขามาโดยโต๊ะที่ฉันถูกทำโดยผู้ชาย."},
              });
    EXPECT_EQ(line("he came by a table I was made by the man."), "เขามาโดยอะ.-โต๊ะฉันถูกทำโดยผู้ชาย."); // not after "a"
}

TEST_F(Extended, NoBeforeANounIsThereIsNone) {
    checkRule(*this, GrammarRule::NoBeforeNoun,
              {
                  {"if no old book is made", "ถ้าไม่มีหนังสือแก่ถูกทำ"},
                  {"no man came.", "ไม่มีผู้ชายมา."},
                  {"I have no book.", "ฉันมีไม่หนังสือ."},            // after have: the phrase rules' มีไม่
                  {"he reads no old book.", "เขาไม่อ่านหนังสือแก่."}, // after another verb: the verb is negated
              });
}

TEST_F(Extended, AfterAnArticleAndAnAdjectiveANoun) {
    checkRule(
        *this, GrammarRule::NounAfterArticle,
        {
            {"I read the old set.", "ฉันอ่านชุดแก่."},
            {"I read the update table.", "ฉันอ่านโต๊ะปรับปรุง."}, // a verb before a noun names a kind of it, written after
            {"I read each old update table.", "ฉันอ่านแต่ละโต๊ะปรับปรุงแก่."},      // after a determiner and adjectives too
            {"the man update tables on the book.", "ผู้ชายปรับปรุงโต๊ะบนหนังสือ."}, // a noun with -s: maybe the verb
            {"I read the above book, not above it.", "ฉันอ่านหนังสือข้างต้น, ไม่เบื้องบนมัน."}, // "the above"
            {"the only man came, the only men came.", "ผู้ชายเดียวมา, เพียงผู้ชายมา."},     // the only one: เดียว
            {"some books came; some tables came.", "หนังสือบางเล่มมา; โต๊ะบางตัวมา."}, // some: บาง + its counting word
            {"I read no old set.", "ฉันอ่านไม่ชุดแก่."},                 // after no, any, this ... and adjectives: a noun
            {"I read the old and good book.", "ฉันอ่านหนังสือแก่และดี."}, // two adjectives with and
            // this, these and those after the noun and its adjectives
            {"I read this old book and these old books.", "ฉันอ่านหนังสือแก่นี้และหนังสือแก่เหล่านี้."},
            {"I read this old.", "ฉันอ่านนี้แก่."},                       // (no noun: as it stands)
            {"I read any of the old books.", "ฉันอ่านหนังสือแก่ใดๆ."},    // any of the things
            {"I read any of the book-set.", "ฉันอ่านใดๆของหนังสือ-ตั้ง."}, // (not into a compound)
            {"I read the set of the book.", "ฉันอ่านชุดของหนังสือ."},
            {"I read the set by the man.", "ฉันอ่านตั้งโดยผู้ชาย."},        // right after the article the verb's Thai stays
            {"I read the set.", "ฉันอ่านชุด."},                          // but not as the object that ends the clause
            {"it is the set.", "มันเป็นชุด."},                           // nor as what a be says it is
            {"I read the set he can read.", "ฉันอ่านชุดที่เขาสามารถอ่าน."}, // nor before a clause without its relative
            {"the set can read.", "ชุดสามารถอ่าน."},                    // unless a modal or be follows: their subject
            {"this set can read.", "ชุดนี้สามารถอ่าน."},                  // so after this, any, every, each, no or some
            {"any set I made is old.", "ชุดใดๆที่ฉันทำแก่."},              // (and a clause without its pronoun)
            {"no set is old.", "ไม่มีชุดแก่."},
            {"I read the can.", "ฉันอ่านกระป๋อง."},       // but a modal there is the noun it can be
            {"I read the CAN.", "ฉันอ่านสามารถ."},       // (not a name in capitals)
            {"the can read.", "สามารถอ่าน."},           // nor before a verb
            {"I read by the set.", "ฉันอ่านโดยชุด."},     // but not between a preposition and the end of the phrase
            {"I read a few books.", "ฉันอ่านบางหนังสือ."}, // "a few" before a noun counts it
            {"I read a few books to open.", "ฉันอ่านบางหนังสือที่จะเปิด."}, // what they are for
            {"I read the old one.", "ฉันอ่านอันแก่."},                   // one after adjectives: a thing
            {"I read each other the book.", "ฉันอ่านกันและกันหนังสือ."},   // each other: one word, in place
            {"I read the old one book.", "ฉันอ่านหนังสือหนึ่งแก่."},
            {"I read a number of books.", "ฉันอ่านหลายหนังสือ."}, // a number of, a lot of: counting the noun
            {"I read a lot of books.", "ฉันอ่านหนังสือมากมาย."},
            {"I read a lot of old books.", "ฉันอ่านหนังสือแก่มากมาย."},
            {"I read an awful lot of books.", "ฉันอ่านหนังสือมากมาย."},
            {"of course the man came.", "แน่นอนผู้ชายมา."},        // of course: in place, whatever follows
            {"his two old books came.", "หนังสือแก่สองของเขามา."}, // an owner before a number: after its noun
            {"of course not.", "แน่นอนว่าไม่."},
            {"I read the course of the book.", "ฉันอ่านหลักสูตรของหนังสือ."},
            {"for example the man came.", "ยกตัวอย่างเช่นผู้ชายมา."}, // other set phrases, with words between too
            {"as a result the man came.", "ผลก็คือผู้ชายมา."},
            {"for example books came.", "สำหรับหนังสือตัวอย่างมา."},      // before a noun it describes
            {"I read at least 2 books.", "ฉันอ่านอย่างน้อยหนังสือ2 เล่ม."}, // but "at least" before one too
            {"I read at most 2 books.", "ฉันอ่านอย่างมากหนังสือ2 เล่ม."},
            {"I read a number of old books.", "ฉันอ่านหลายหนังสือแก่."},
            // a Law with its capital names a rule of how things go
            {"Bob's Law: the Law of books.", "กฎของบ็อบ: กฎของหนังสือ."},
            // "the more ..., the more ...": ยิ่ง..., ยิ่ง..., the degree at the end of a short clause
            {"the older the man, the more easy the book.", "ยิ่งผู้ชายแก่, ยิ่งหนังสือง่าย."},
            {"the more that he reads, the older he came.", "ยิ่งเขาอ่าน, ยิ่งเขามาแก่."},
            {"the more, the older.", "ยิ่งมาก, ยิ่งแก่."},
        });
}

TEST_F(Extended, ANounBeforeANumberIsWrittenFirst) {
    checkRule(*this, GrammarRule::NounBeforeNumber,
              {
                  {"I read book 7.", "ฉันอ่านหนังสือ7."},
                  {"he came on March 3.", "เขามาบนมีนาคม3."}, // a month whose name is another word, before its day
                  {"I read one or more old tables.",
                   "ฉันอ่านโต๊ะแก่ตั้งแต่หนึ่งขึ้นไป."}, // "one or more": counted after its noun phrase
                  {"I read the book 7 times", "ฉันอ่านหนังสือ7 times"},
                  {"I read the old book 7.", "ฉันอ่าน7หนังสือแก่."},    // an adjective before it: held as before
                  {"I read the table book 7.", "ฉันอ่านหนังสือโต๊ะ7."}, // after a longer noun phrase: all of it first
                  {"I read 7 books.", "ฉันอ่านหนังสือ7 เล่ม."},         // counted with the word of its kind
                  {"I read two books.", "ฉันอ่านหนังสือสองเล่ม."},
                  {"I read the first two books.", "ฉันอ่านหนังสือสองเล่มแรก."}, // a word of order after them
                  {"two men came.", "ผู้ชายสองคนมา."},
                  {"two hundred men came.", "ผู้ชายสองร้อยคนมา."}, // with hundred, thousand or million
                  {"I read two hours.", "ฉันอ่านชั่วโมงสอง."},      // a unit of its own: as the grammar mode has it
                  {"I read 1,000 books.", "ฉันอ่าน1,000 หนังสือ."},
                  {"I read two book tables.", "ฉันอ่านโต๊ะหนังสือสอง."}, // not the first noun of a compound
              });
}

TEST_F(Extended, MoreBeforeAnAdjectiveIsItsComparative) {
    checkRule(*this, GrammarRule::Comparative,
              {
                  {"the book is more easy.", "หนังสือง่ายกว่า."},
                  {"it is a more easy book", "มันเป็นอะ.-หนังสือง่ายกว่า"}, // after an article, before its noun too
                  {"he had more old books", "เขามีหนังสือแก่เพิ่มเติม"},     // more of them
                  {"he had more old books than the man", "เขามีหนังสือแก่มากกว่าผู้ชาย"}, // compared: มากกว่า
                  {"more clearly the man came", "อย่างชัดเจนกว่าผู้ชายมา"},             // an adverb describes no noun
                  {"the book is more and more easy.", "หนังสือง่ายมากขึ้นเรื่อยๆ."},
                  {"the book is easy enough to read.", "หนังสือง่ายพอที่จะอ่าน."}, // enough: พอ after it
                  {"more easy-going", "ง่ายเพิ่มเติม-กำลังไป"},                   // the first part of a compound
                  {"I want more", "ฉันต้องการเพิ่มเติม"},
                  {"most books are old.", "หนังสือส่วนใหญ่แก่."}, // "most" before a noun counts it
                  {"it is the most old book", "มันเป็นหนังสือแก่มากที่สุด"},
              });
}

TEST_F(Extended, LikeAfterAVerbCompares) {
    checkRule(*this, GrammarRule::LikeAs,
              {
                  // after a plural, before names or a clause's be: an example, เช่น; not the plural's verb
                  {"the books like zork are old.", "หนังสือเช่นzork แก่."},
                  {"the books like tables.", "หนังสือชอบโต๊ะ."},
                  {"he came like the man", "เขามาเหมือนผู้ชาย"},
                  {"like the man, he came", "เหมือนผู้ชาย, เขามา"},    // opening the sentence before a noun phrase
                  {"it seems like the book", "มันดูเหมือนหนังสือ"},      // the verb says it already
                  {"I like the book", "ฉันชอบหนังสือ"},                // after a subject: the verb
                  {"it is very like the book", "มันมากเหมือนหนังสือ"},  // after be and a word of degree
                  {"I very like the book", "ฉันมากชอบหนังสือ"},        // (after a subject: the verb)
                  {"it is not like the book", "มันเป็นไม่เหมือนหนังสือ"}, // (the phrase rules make it ไม่เป็น)
                  {"like it, I came", "ชอบมัน, ฉันมา"},
                  {"as you know, I came", "ดังที่คุณรู้, ฉันมา"}, // "as" + subject before a verb of knowing
                  {"as I said, I came", "ดังที่ฉันกล่าว, ฉันมา"},
                  {"as I came, he read", "เป็นฉันมา, เขาอ่าน"},
                  {"as I was reading, he came", "ขณะที่ฉันกำลังอ่าน, เขามา"}, // as + subject + be + -ing: while
                  {"the man like you came", "ผู้ชายเหมือนคุณมา"}, // after a singular noun: a subject takes "likes"
                  {"I read it like that.", "ฉันอ่านมันแบบนั้น."},
              });
}

TEST_F(Extended, AQuestionInsideAStatementIsWhatIsKnownOrAsked) {
    checkRule(*this, GrammarRule::EmbeddedQuestion,
              {
                  {"I know why he came.", "ฉันรู้ว่าเขามาทำไม."},
                  {"I know how long he came.", "ฉันรู้ว่าเขามานานเท่าไร."}, // how long, how far ...: at the end
                  {"I know how long the book is.", "ฉันรู้ว่าหนังสือยาวเท่าไร."},
                  {"Why is it that he came?", "ทำไมเขามา?"},           // "Why is it that": why of the clause after it
                  {"and that is why he came.", "และนั่นคือเหตุผลที่เขามา."}, // "that is why": its reason, เหตุผลที่
                  {"Whether he came allows the book.",
                   "ว่าเขามาหรือไม่อนุญาตหนังสือ."},                        // opening the sentence: ends before its verb
                  {"I think the old man is good.", "ฉันคิดว่าผู้ชายแก่ดี."}, // what is thought, without "that"
                  {"I think his old book is good.", "ฉันคิดว่าหนังสือแก่ของเขาดี."}, // (after an owner too)
                  {"I know where the man was.", "ฉันรู้ว่าผู้ชายอยู่ที่ไหน."},
                  {"he told me how it works.", "เขาบอกฉันว่ามันทำงานอย่างไร."},
                  {"I don't know when he came.", "ฉันไม่รู้ว่าเขามาเมื่อไร."},
                  {"I know when he came.", "ฉันรู้เมื่อเขามา."}, // the time he came
                  {"check if the book is good.", "ตรวจสอบว่าหนังสือดีหรือไม่."},
                  {"This checks if the book is good.", "นี่ตรวจสอบว่าหนังสือดีหรือไม่."}, // "this" its subject
                  {"see if it works.", "ดูว่ามันทำงานหรือไม่."},
                  {"I read it if he came.", "ฉันอ่านมันถ้าเขามา."}, // a condition
                  {"I know whether he came.", "ฉันรู้ว่าเขามาหรือไม่."},
                  {"I know whether he came or not.", "ฉันรู้ว่าเขามาหรือไม่."},
                  {"I know how old the man is.", "ฉันรู้ผู้ชายแก่คืออย่างไร."}, // how much, how old: left as it is
                  {"I know why the man", "ฉันรู้ผู้ชายทำไม"},                // the clause goes on in the next line
                  {"I know why.", "ฉันรู้ว่าทำไม."},
                  {"I know the reason why he came.", "ฉันรู้เหตุผลที่เขามา."}, // after reason or a time: ที่
                  {"I know the reason why go comes.", "ฉันรู้เหตุผลที่ไปมา."}, // a word before its -s verb
                  {"I know the day when he came.", "ฉันรู้วันที่เขามา."},
                  {"I know the point when he came.", "ฉันรู้จุดที่เขามา."}, // (and other nouns of time)
                  // what is thought or said, without "that"
                  {"I think he came.", "ฉันคิดว่าเขามา."},
                  {"I think there is a book.", "ฉันคิดว่าที่นั่นอยู่อะ.-หนังสือ."}, // and "there" before its be
                  {"I know you came.", "ฉันรู้ว่าคุณมา."},
                  {"I know you.", "ฉันรู้คุณ."}, // you after the verb: what it takes
                  {"he told me he came.", "เขาบอกฉันว่าเขามา."},
              });
    EXPECT_EQ(line("I read this check if the book is good."), "ฉันอ่านนี้ตรวจสอบถ้าหนังสือดี."); // a noun: a condition
}

TEST_F(Extended, MakeBeforeWhatItActsOnAndAVerbCausesIt) {
    checkRule(*this, GrammarRule::Causative,
              {
                  {"it makes the man go.", "มันทำให้ผู้ชายไป."},
                  {"it makes it easy.", "มันทำให้มันง่าย."},
                  {"make sure the man came.", "ตรวจให้แน่ใจว่าผู้ชายมา."},
                  {"I made the table.", "ฉันทำโต๊ะ."}, // what is made
                  {"I made it.", "ฉันทำมัน."},
                  {"it makes the man bored.", "มันทำให้ผู้ชายเบื่อ."}, // an -ed adjective
              });
}

TEST_F(Extended, AHyphenatedCompoundDescribesAsOneWord) {
    checkRule(*this, GrammarRule::HyphenCompound,
              {
                  {"the user-defined table.", "โต๊ะที่ผู้ใช้นิยาม."},
                  {"the table-specific book.", "หนังสือเฉพาะโต๊ะ."},
                  {"the non-zero value.", "ค่าที่ไม่ใช่ศูนย์."},
                  {"the table is read-only.", "โต๊ะอ่านอย่างเดียว."},
                  {"the table is user-defined.", "โต๊ะถูกนิยามโดยผู้ใช้."},
                  {"the low-level table.", "โต๊ะระดับต่ำ."},
                  {"the multi-user table.", "โต๊ะหลายผู้ใช้."},
                  {"the well-known man.", "ผู้ชายที่รู้จักกันดี."},
                  {"the man who user-defined it.", "ผู้ชายที่ผู้ใช้-นิยามมัน."}, // a verb after its subject
                  {"I read up-to-date books.", "ฉันอ่านหนังสือล่าสุด."},      // a set chain
                  {"the book is up-to-date.", "หนังสือล่าสุด."},
                  {"I read up-to-the-date books.", "ฉันอ่านup-เพื่อ--date หนังสือ."}, // another chain
                  {"the user-level.", "ผู้ใช้-ระดับ."},                             // nothing it describes
              });
}

// Smaller readings, each of its own rule: the reason of "since", "lots of", what be + "for" serves, "go" + an -ing
// word, "only" ending a clause, an adverb before a verb of saying and its "that", "for example" before a name.
TEST_F(Extended, SmallerReadingsOfSeveralRules) {
    const std::pair<GrammarRule, Case> rows[] = {
        {GrammarRule::TimeAdverb, {"since it is old, he came.", "เนื่องจากมันแก่, เขามา."}},
        {GrammarRule::Duration,
         {"he came, for he is old.", "เขามา, เพราะเขาแก่."}}, // "for" and a clause after a comma: the reason
        {GrammarRule::NounBeforeNumber,
         {"One can read the book if one can.", "คนเราสามารถอ่านหนังสือถ้าคนเราสามารถ."}}, // anyone: คนเรา
        {GrammarRule::NounBeforeNumber,
         {"for the man, one can read; I think one can.", "สำหรับผู้ชาย, คนเราสามารถอ่าน; ฉันคิดคนเราสามารถ."}},
        {GrammarRule::NounBeforeNumber, {"I read this one.", "ฉันอ่านอันนี้."}},
        {GrammarRule::TimeAdverb,
         {"since the book is old, he came.", "เนื่องจากหนังสือแก่, เขามา."}}, // over a be left unwritten
        {GrammarRule::TimeAdverb, {"since zork is old, he came.", "เนื่องจากzork แก่, เขามา."}}, // a name
        {GrammarRule::TimeAdverb,
         {"since old tables open, he came.", "เนื่องจากโต๊ะแก่เปิด, เขามา."}}, // a plural and its verb
        {GrammarRule::TimeAdverb,
         {"since zork 2 the book can read.", "ตั้งแต่zork 2 หนังสือสามารถอ่าน."}}, // a version: a time
        {GrammarRule::TimeAdverb,
         {"since it allows the book, he came.",
          "เนื่องจากมันอนุญาตหนังสือ, เขามา."}}, // a verb the dictionary has with its -s
        {GrammarRule::TimeAdverb,
         {"since it often allows the book, he came.", "เนื่องจากมันมักจะอนุญาตหนังสือ, เขามา."}},            // over "often"
        {GrammarRule::TimeAdverb, {"since he opened the book, he came.", "ตั้งแต่เขาเปิดหนังสือ, เขามา."}}, // a time
        {GrammarRule::TimeAdverb,
         {"he came, since the man of the story can read.", "เขามา, เนื่องจากผู้ชายของเรื่องสามารถอ่าน."}},
        {GrammarRule::TimeAdverb, {"he came since the old day.", "เขามาตั้งแต่วันแก่."}}, // a noun phrase alone: a time
        {GrammarRule::TimeAdverb, {"he came, since I open the book.", "เขามา, เนื่องจากฉันเปิดหนังสือ."}}, // I + a verb
        {GrammarRule::Comparative, {"he read lots of books.", "เขาอ่านหนังสือมากมาย."}},
        {GrammarRule::BeAdjective, {"the book is for the man.", "หนังสือมีไว้สำหรับผู้ชาย."}},
        {GrammarRule::MannerAdverb, // not always: ไม่ได้ ... เสมอไป, after a verb, an adjective or a noun phrase
         {"he does not always read; he is not always old; it is not always a book.",
          "เขาไม่ได้อ่านเสมอไป; เขาไม่ได้แก่เสมอไป; มันไม่ใช่อะ.-หนังสือเสมอไป."}},
        {GrammarRule::BeAdjective, {"it is very old the book is good.", "มันแก่มากว่าหนังสือดี."}}, // of the clause
        {GrammarRule::BeAdjective, {"what is it for?", "มันสำหรับอะไร?"}},
        {GrammarRule::Gerund, {"I go shopping.", "ฉันไปซื้อของ."}},
        // after a word of degree an adjective where the word can be one; "so" + it after be or a verb is มาก
        {GrammarRule::BeAdjective, {"the man is very close.", "ผู้ชายใกล้มาก."}},
        {GrammarRule::BeAdjective, {"the man is so close.", "ผู้ชายใกล้มาก."}},
        {GrammarRule::Comparative, {"he came too close.", "เขามาใกล้เกินไป."}},
        {GrammarRule::Comparative, {"he came so close.", "เขามาใกล้มาก."}},
        {GrammarRule::Comparative, {"he came so close to the table.", "เขามาใกล้มากกับโต๊ะ."}},
        {GrammarRule::Comparative, {"so close the book.", "ดังนั้นปิดหนังสือ."}}, // opening a clause
        {GrammarRule::Relative, {"the man was so close that he came.", "ผู้ชายใกล้มากจนเขามา."}},
        {GrammarRule::Relative, {"I see that go.", "ฉันเห็นนั่นไป."}}, // what one sees do: the thing itself
        // a question after a short address and its comma asks as one that opens the sentence
        {GrammarRule::Relative, {"man, who opened the book?", "ผู้ชาย, ใครเปิดหนังสือ?"}},
        {GrammarRule::QuestionOrder, {"man, how old are you?", "ผู้ชาย, คุณอายุเท่าไร?"}},
        {GrammarRule::Relative, {"the man - where is he?", "ผู้ชาย- เขาที่ไหน?"}}, // after a dash too
        {GrammarRule::Relative, {"which is old?", "อันไหนแก่?"}},                // "which" asking for the subject
        {GrammarRule::Relative, {"which book is old?", "หนังสือไหนแก่?"}},
        {GrammarRule::Relative, {"when he came, do you go?", "เมื่อเขามา, ทำคุณไป?"}}, // a clause's time
        // "what" opening a statement before a noun, its verb and a be is the thing
        {GrammarRule::Relative, {"what the man read is the book.", "สิ่งที่ผู้ชายอ่านคือหนังสือ."}},
        // after a subject and an adverb of how often a noun-first word before its object is the verb
        {GrammarRule::SubjectVerb, {"men often work the table.", "ผู้ชายมักจะทำงานโต๊ะ."}},
        // after "whose" and its noun a noun-first -s word is the verb
        {GrammarRule::SubjectVerb, {"the man whose book works by the table.", "ผู้ชายที่หนังสือทำงานโดยโต๊ะ."}},
        // an -ing word after "and" or "or" reads as the -ing word it pairs with
        {GrammarRule::Gerund, {"he was reading and opening the book.", "เขากำลังอ่านและเปิดหนังสือ."}},
        {GrammarRule::Gerund, {"no reading.", "ไม่มีการอ่าน."}}, // after "no": the action's noun
        {GrammarRule::Gerund, {"upon reading the book, he came.", "เมื่ออ่านหนังสือ, เขามา."}}, // when
        {GrammarRule::Gerund, {"it was no reading.", "มันเป็นไม่การอ่าน."}},
        {GrammarRule::Gerund, {"by reading and opening the book, he came.", "โดยการอ่านและการเปิดหนังสือ, เขามา."}},
        {GrammarRule::Gerund, {"the table and opening the book", "โต๊ะและกำลังเปิดหนังสือ"}}, // none to pair with
        {GrammarRule::SubjectVerb, {"nobody works.", "ไม่มีใครทำงาน."}},     // after nobody, everyone ... a verb
        {GrammarRule::SubjectVerb, {"I clear the table.", "ฉันเคลียร์โต๊ะ."}}, // an adjective-first word before its object
        {GrammarRule::SubjectVerb, {"I clear.", "ฉันชัด."}},
        // the "won" of "won't" is the modal, not the verb win the dictionary gives first
        {GrammarRule::SubjectVerb, {"he won't.", "เขาจะไม่."}},
        {GrammarRule::SubjectVerb, {"the man who won the work", "ผู้ชายที่ชนะงาน"}},
        {GrammarRule::AlsoAtEnd, {"he read the book only.", "เขาอ่านหนังสือเท่านั้น."}},
        {GrammarRule::AlsoAtEnd, {"he read only the book.", "เขาอ่านเพียงหนังสือ."}},
        {GrammarRule::MannerAdverb, {"he clearly said that the man came.", "เขากล่าวอย่างชัดเจนว่าผู้ชายมา."}},
        {GrammarRule::NounAfterArticle, {"for example gcc works.", "ยกตัวอย่างเช่นgcc งาน."}},
        {GrammarRule::NounAfterArticle, {"for instance, he came.", "ตัวอย่างเช่น, เขามา."}},
        {GrammarRule::NounAfterArticle, {"from his old point of view", "จากมุมมองแก่ของเขา"}}, // one noun
        {GrammarRule::NounAfterArticle, {"he read the book the other day.", "เขาอ่านหนังสือเมื่อวันก่อน."}},
        {GrammarRule::MannerAdverb, {"I don't really open it.", "ฉันไม่ค่อยเปิดมัน."}},
        {GrammarRule::MannerAdverb, {"always read the book if he came.", "อ่านหนังสือเสมอถ้าเขามา."}}, // before "if"
        {GrammarRule::BeAdjective, {"Be good.", "จงดี."}},
        {GrammarRule::BeAdjective, {"Be not old.", "อย่าแก่."}},
        {GrammarRule::BeAdjective, {"Be it old.", "เป็นมันแก่."}},
        {GrammarRule::HyphenCompound, {"twenty-four books.", "หนังสือยี่สิบสี่เล่ม."}},
        {GrammarRule::HyphenCompound, {"twenty-one books.", "ยี่สิบเอ็ดหนังสือ."}},
        {GrammarRule::Causative, {"by making the man go.", "โดยการทำให้ผู้ชายไป."}},
        {GrammarRule::NounAfterArticle, {"in the past few years.", "in ไม่กี่ปีที่ผ่านมา."}},
        {GrammarRule::NounAfterArticle, {"he read 20 books a week.", "เขาอ่านหนังสือ20 เล่มต่อสัปดาห์."}},
        {GrammarRule::ParticipleBeforeNoun, {"the clearly opened book.", "หนังสือที่เปิดอย่างชัดเจน."}},
        {GrammarRule::ParticipleBeforeNoun,
         {"the opened book doing the table.", "หนังสือที่เปิดที่ทำโต๊ะ."}},               // before the -ing word's
        {GrammarRule::HyphenCompound, {"he read the old-work.", "เขาอ่านงานแก่."}}, // an adjective and a noun anywhere
        {GrammarRule::NounBeforeNumber, {"he is 30 years old.", "เขาอายุ30 ปี."}},
        {GrammarRule::NounBeforeNumber, {"when he was 30, he came.", "เมื่อเขาอายุ30, เขามา."}}, // an age
        {GrammarRule::ToObject, {"he asked for help.", "เขาขอความช่วยเหลือ."}},                 // ask for
        {GrammarRule::ToObject, {"he thinks of the book.", "เขาคิดถึงหนังสือ."}},                 // think of: ถึง
        {GrammarRule::ToObject, {"I read what he thinks about.", "ฉันอ่านสิ่งที่เขาคิดถึง."}},        // "about" left at the end
        // "to" ending the sentence: ไป, or unwritten where it stands for a verb said before
        {GrammarRule::ToObject, {"the book he read to. I want to.", "หนังสือเขาอ่านไป.ฉันต้องการ."}},
        {GrammarRule::ToObject, {"I think of this as a book.", "ฉันคิดถึงสิ่งนี้เป็นอะ.-หนังสือ."}},
        {GrammarRule::LikeAs, {"I like this.", "ฉันชอบสิ่งนี้."}}, // the verb's object, not อย่างนี้
        {GrammarRule::Relative, {"who can open the book?", "ใครสามารถเปิดหนังสือ?"}},
        {GrammarRule::SubjectVerb, {"the man stores two books.", "ผู้ชายเก็บหนังสือสองเล่ม."}},
        {GrammarRule::SubjectVerb, {"I read updates.", "ฉันอ่านการปรับปรุง."}},
        {GrammarRule::SubjectVerb, {"table updates are old.", "การปรับปรุงโต๊ะแก่."}},
        {GrammarRule::BeAdjective, {"the book updates to be old.", "หนังสือปรับปรุงแก่."}}, // a verb before "to"
        {GrammarRule::EmbeddedQuestion, {"See the book.", "ดูหนังสือ."}},
        {GrammarRule::EmbeddedQuestion, {"See you.", "เห็นคุณ."}}, // (left to the phrase rule, พบกันใหม่)
        {GrammarRule::SubjectVerb, {"the man stores clearly two books.", "ผู้ชายเก็บอย่างชัดเจนหนังสือสองเล่ม."}},
        {GrammarRule::QuestionOrder, {"what can you open?", "คุณสามารถเปิดอะไร?"}}, // the subject after the modal
        {GrammarRule::ModalVerb, {"he refuses to store books.", "เขาปฏิเสธเก็บหนังสือ."}},
        {GrammarRule::ToObject, {"he came to store books.", "เขามาที่หนังสือร้านค้า."}}, // a place after another verb
        {GrammarRule::HyphenCompound, {"the table clean-ups.", "การทำความสะอาดโต๊ะ."}},
        {GrammarRule::SubjectVerb, {"table updates and books.", "การปรับปรุงโต๊ะและหนังสือ."}},
        {GrammarRule::SubjectVerb, {"I read books and table updates.", "ฉันอ่านหนังสือและการปรับปรุงโต๊ะ."}}, // a list's last
        {GrammarRule::SubjectVerb,
         {"the man updates and opens it.", "ผู้ชายปรับปรุงและเปิดมัน."}}, // after what opens a phrase: a verb
        {GrammarRule::Causative, {"the man came, making it easy.", "ผู้ชายมา, ทำให้มันง่าย."}},
        {GrammarRule::ParticipleAfterNoun, {"the book opened is old.", "หนังสือที่เปิดแก่."}},
        {GrammarRule::ParticipleAfterNoun, {"the book set is the man.", "หนังสือตั้งคือผู้ชาย."}}, // a noun after a noun
        {GrammarRule::LikeAs, {"he read it as opened by the man.", "เขาอ่านมันตามที่เปิดโดยผู้ชาย."}},
        {GrammarRule::LikeAs, {"he read it as opened books.", "เขาอ่านมันเป็นเปิดหนังสือ."}}, // before a noun
        // as + an adjective + as compares: พอๆกับ, before a clause เท่าที่, "not as" เท่า
        {GrammarRule::LikeAs, {"the man is as old as the table.", "ผู้ชายแก่พอๆกับโต๊ะ."}},
        {GrammarRule::LikeAs, {"the man is as old as he can go.", "ผู้ชายแก่เท่าที่เขาสามารถไป."}},
        {GrammarRule::LikeAs, {"the man is not as old as the table.", "ผู้ชายไม่แก่เท่าโต๊ะ."}},
        // "this" and "that" as the thing itself: นี่, นั่น (a noun to the grammar mode before be, which is then คือ)
        {GrammarRule::Relative, {"this is the book.", "นี่คือหนังสือ."}},
        {GrammarRule::Relative, {"this is old.", "นี่แก่."}},
        {GrammarRule::Relative, {"this can open the book.", "นี่สามารถเปิดหนังสือ."}},
        {GrammarRule::Relative, {"I think this is old.", "ฉันคิดว่านี่แก่."}},
        {GrammarRule::Relative, {"he opens this.", "เขาเปิดนี่."}},
        {GrammarRule::Relative, {"does this work?", "นี่ทำงานไหม?"}},
        {GrammarRule::Relative, {"he read this book.", "เขาอ่านหนังสือนี้."}},
        {GrammarRule::Relative, {"that can open the book.", "นั่นสามารถเปิดหนังสือ."}},
        // be + "that" + a clause: what something is (คือ); the relative after he or those; ว่า before a subject
        {GrammarRule::Relative, {"the secret is that he can go.", "ความลับคือเขาสามารถไป."}},
        {GrammarRule::Relative, {"the secret is that something came.", "ความลับคือบางสิ่งมา."}},
        {GrammarRule::Relative, {"the secret is not that he can go.", "ความลับไม่ใช่ว่าเขาสามารถไป."}},
        {GrammarRule::Relative, {"it is really that he can go.", "มันจริงๆว่าเขาสามารถไป."}},
        {GrammarRule::Relative, {"it can be that he came.", "มันสามารถอยู่ว่าเขามา."}},
        {GrammarRule::Relative, {"the secret is that book.", "ความลับคือหนังสือนั้น."}}, // "that" before its noun
        {GrammarRule::Relative, {"he that reads the book.", "เขาที่อ่านหนังสือ."}},
        {GrammarRule::Relative, {"he came, and that is good.", "เขามา, และนั่นดี."}}, // the thing said, before be
        {GrammarRule::Relative, {"I read that it works.", "ฉันอ่านว่ามันทำงาน."}},     // what is said: before it and a verb
        {GrammarRule::DoSupport, {"Never get clear.", "อย่าชัด."}},
        {GrammarRule::DoSupport, {"Never work the table.", "อย่าทำงานโต๊ะ."}}, // a noun first, the verb it can be
        // a verb-first word before "of" after the "to" of a verb stays the verb (not "due to lack of")
        {GrammarRule::ToVerb, {"he came to help of the man.", "เขามาช่วยของผู้ชาย."}},
        {GrammarRule::ToVerb, {"I was going to the table.", "ฉันกำลังไปยังโต๊ะ."}}, // going to a place, not the future
        {GrammarRule::ToVerb, {"there used to be a book; he used to read.", "เคยมีอะ.-หนังสือ; เขาเคยอ่าน."}}, // เคย
        {GrammarRule::Relative, {"only that book is old.", "เพียงหนังสือนั้นแก่."}},
        {GrammarRule::Relative, {"does that work?", "นั่นทำงานไหม?"}}, // the subject of a question
        {GrammarRule::Relative, {"I read the easy that opens books.", "ฉันอ่านง่ายที่เปิดหนังสือ."}}, // a verb with -s
        {GrammarRule::Relative, {"he knows not that he came.", "เขารู้ไม่ว่าเขามา."}},
        {GrammarRule::Relative, {"he told them that the man came.", "เขาบอกพวกเขาว่าผู้ชายมา."}},
        // "is gone" is หายไป; "is done" ending its clause is finished, เสร็จ, but "can be done" stays the passive
        {GrammarRule::DoSupport, {"he didn't like the book", "เขาไม่ชอบหนังสือ"}}, // "not like" after do: the verb
        {GrammarRule::Passive, {"it's opened.", "มันถูกเปิด."}},                   // 's before a participle alone: is
        {GrammarRule::Passive, {"the book is done.", "หนังสือเสร็จ."}},
        {GrammarRule::Passive, {"the book can be done.", "หนังสือสามารถถูกทำ."}},
        {GrammarRule::Passive, {"the book is done by the man.", "หนังสือถูกทำโดยผู้ชาย."}},
        {GrammarRule::ReducedRelative, {"he read something you opened.", "เขาอ่านบางสิ่งที่คุณเปิด."}},
        // "it" before an -s or -ed verb, and a clause whose verb takes a preposition
        {GrammarRule::ReducedRelative, {"he read the book it opened.", "เขาอ่านหนังสือที่มันเปิด."}},
        {GrammarRule::ReducedRelative, {"he read of the book you came by.", "เขาอ่านของหนังสือที่คุณมาโดย."}},
        // an -ing word before a preposition: after a plural, or after a phrase an article opens if it takes no
        // object
        {GrammarRule::IngAfterNoun, {"the man living on the table.", "ผู้ชายที่อาศัยบนโต๊ะ."}},
        {GrammarRule::IngAfterNoun, {"books opening on the table.", "หนังสือที่เปิดบนโต๊ะ."}},
        {GrammarRule::IngAfterNoun, {"hours opening on the table.", "ชั่วโมงที่เปิดบนโต๊ะ."}},       // (a plural entry)
        {GrammarRule::IngAfterNoun, {"the book opening on the table.", "กำลังเปิดหนังสือบนโต๊ะ."}}, // (it takes one)
        // whatever the noun, where the verb takes its own preposition ("data consisting of", "a file ending in")
        {GrammarRule::IngAfterNoun, {"he read book coming from the table.", "เขาอ่านหนังสือที่มาจากโต๊ะ."}},
        // get before an adjective becomes it: unwritten, "getting" กำลัง; not before the noun the adjective
        // describes
        {GrammarRule::BeAdjective, {"books are zonal tables.", "หนังสือคือzonal โต๊ะ."}}, // an unknown word, a noun
        {GrammarRule::BeAdjective, {"books are Zonal.", "หนังสือคือZonal."}},            // a name, after a number too
        {GrammarRule::BeAdjective, {"it was old, and 1812 was Zonal.", "มันแก่, และ1812 คือZonal."}},
        {GrammarRule::BeAdjective, {"the man got old.", "ผู้ชายแก่."}},
        {GrammarRule::BeAdjective, {"the man appears to be old.", "ผู้ชายดูเหมือนจะแก่."}},
        {GrammarRule::BeAdjective, {"the book is dear.", "หนังสือที่รัก."}}, // ที่ that is part of the word stays
        {GrammarRule::BeAdjective, {"the man is getting old.", "ผู้ชายกำลังแก่."}},
        {GrammarRule::BeAdjective, {"the man got good books.", "ผู้ชายได้หนังสือดี."}},
        {GrammarRule::Perfect, {"he had better open the book.", "เขาควรเปิดหนังสือ."}},
        {GrammarRule::Perfect, {"he had better not open it.", "เขาไม่ควรเปิดมัน."}},
        // "so" + an adjective + "that": มากจน (มากว่า after sure, glad ...)
        {GrammarRule::Relative, {"the man is so old that he came.", "ผู้ชายแก่มากจนเขามา."}},
        {GrammarRule::ToVerb, {"it is recommended to open the book.", "แนะนำให้เปิดหนังสือ."}},
        {GrammarRule::ToVerb, {"he asked whether to open it.", "เขาถามว่าจะเปิดมัน."}},
        {GrammarRule::QuestionOrder, {"how old is the man?", "ผู้ชายอายุเท่าไร?"}},
        {GrammarRule::QuestionOrder, {"how good is the book?", "หนังสือดีเท่าไร?"}},
        {GrammarRule::QuestionOrder, {"how close is the book?", "หนังสือใกล้เท่าไร?"}}, // its adjective sense
        {GrammarRule::QuestionOrder, {"how many books are there?", "มีกี่หนังสือ?"}},
        {GrammarRule::ParticipleAfterNoun, {"the book made on the table is old.", "หนังสือที่ทำบนโต๊ะแก่."}},
        // an -ed entry read first as intransitive describes with its stem's Thai when that takes an object
        {GrammarRule::ParticipleAfterNoun, {"the book returned by the man is old.", "หนังสือที่ส่งคืนโดยผู้ชายแก่."}},
        {GrammarRule::QuestionOrder, {"what have you opened?", "คุณเปิดอะไร?"}},
        // a number and its unit measure the noun after them: "a 64-bit system" => ระบบ64 บิท
        {GrammarRule::HyphenCompound, {"he read the 2-table book.", "เขาอ่านหนังสือ2 โต๊ะ."}},
        {GrammarRule::HyphenCompound, {"he read 2-table.", "เขาอ่าน2 โต๊ะ."}},
        {GrammarRule::ToVerb, {"I happen to open it.", "ฉันบังเอิญเปิดมัน."}},
        {GrammarRule::ToVerb, {"it happens to the man.", "มันเกิดขึ้นกับผู้ชาย."}}, // (befalls the man)
        // "either ... or" says หรือ alone, "both ... and" ทั้ง in front
        {GrammarRule::AlsoAtEnd, {"he can either open it or store it.", "เขาสามารถเปิดมันหรือเก็บมัน."}},
        {GrammarRule::AlsoAtEnd, {"both the man and the table came.", "ทั้งผู้ชายและโต๊ะมา."}},
        {GrammarRule::BeAdjective, {"both books are old.", "หนังสือทั้งสองแก่."}}, // (no "and": ทั้งสอง)
        {GrammarRule::ToVerb, {"he told the man not to open it.", "เขาบอกผู้ชายไม่ให้เปิดมัน."}},
        {GrammarRule::ToVerb, {"he told her to open it.", "เขาบอกเธอให้เปิดมัน."}},
        // after when, before ... the -ing word is the plain verb
        {GrammarRule::Gerund, {"he came before opening the book.", "เขามาก่อนเปิดหนังสือ."}},
        {GrammarRule::Gerund, {"he came when opening the book.", "เขามาเมื่อเปิดหนังสือ."}},
        {GrammarRule::Gerund, {"he came without opening the book.", "เขามาโดยไม่เปิดหนังสือ."}},
        {GrammarRule::Gerund, {"instead of opening the book, he came.", "แทนที่จะเปิดหนังสือ, เขามา."}},
        {GrammarRule::Gerund, {"he kept opening the book.", "เขายังคงเปิดหนังสือ."}},
        {GrammarRule::ToVerb, {"the man is supposed to open it.", "ผู้ชายควรจะเปิดมัน."}},
        // after an owner a word read first as a verb is its noun (not "her" after a verb, nor before "to")
        {GrammarRule::Possessive, {"he read his help.", "เขาอ่านความช่วยเหลือของเขา."}},
        {GrammarRule::Possessive, {"he read the book's opening.", "เขาอ่านการเปิดของหนังสือ."}}, // the deed's noun
        {GrammarRule::Possessive, {"Bob's Old Book: he came.", "หนังสือแก่ของบ็อบ: เขามา."}},    // a title before its colon
        {GrammarRule::Possessive, {"his old help opens the book.", "ความช่วยเหลือแก่ของเขาเปิดหนังสือ."}},
        {GrammarRule::Possessive, {"I help her help the man.", "ฉันช่วยเธอช่วยผู้ชาย."}},
        {GrammarRule::ToVerb, {"his help to open the book.", "ของเขาช่วยเปิดหนังสือ."}}, // (help stays a verb)
        {GrammarRule::ToVerb, {"it needs to be.", "มันจำเป็นต้องเป็น."}},                // not คือ after the verb
        {GrammarRule::BeAdjective, {"the book is as follows.", "หนังสือมีดังนี้."}},       // not "is followed"
        // "often" before its verb is a habit; not often, ไม่ค่อย
        {GrammarRule::BeAdjective, {"he came and is the man.", "เขามาและเป็นผู้ชาย."}},      // after "and", เป็น
        {GrammarRule::ImperativeVerb, {"(ALPHA) Copy the book.", "(ALPHA) คัดลอกหนังสือ."}}, // over a tag in brackets
        {GrammarRule::ImperativeVerb, {"(ALPHA) Lists Zonal Tables", "(ALPHA) ระบุZonal Tables"}}, // before a name
        {GrammarRule::Duration, {"for more examples, he came.", "ดูตัวอย่างเพิ่มเติม, เขามา."}},
        {GrammarRule::Gerund, {"2.1 Opening the book", "2.1 การเปิดหนังสือ"}},            // a heading after its number
        {GrammarRule::Gerund, {"the book: Opening the book.", "หนังสือ: การเปิดหนังสือ."}}, // or after a colon
        {GrammarRule::BeAdjective, {"he was born.", "เขาเกิด."}},                       // be before born
        {GrammarRule::NoBeforeNoun,
         {"no matter how old he is, he came.", "ไม่เรื่องแก่เขาเป็นอย่างไร, เขามา."}}, // (the phrase rules' ไม่ว่า)
        {GrammarRule::ToVerb, {"he came to want to be the man.", "เขามาต้องการเป็นผู้ชาย."}},
        {GrammarRule::MannerAdverb, {"Gnu also opens the book.", "Gnu ยังเปิดหนังสือ."}}, // "also" left before its verb: ยัง
        {GrammarRule::QuestionOrder,
         {"Q: can he open the book?", "Q: เขาสามารถเปิดหนังสือไหม?"}},              // after a speaker and a colon
        {GrammarRule::AlsoAtEnd, {"he does not open it yet.", "เขายังไม่เปิดมัน."}}, // not ... yet: ยังไม่
        {GrammarRule::TimeAdverb, {"he often came.", "เขามักจะมา."}},
        {GrammarRule::TimeAdverb, {"I don't often come.", "ฉันไม่ค่อยมา."}},
        // a name the dictionary lacks, opening the clause, is the subject of a noun-first -s word before its object
        {GrammarRule::SubjectVerb, {"Gnu processes the book.", "Gnu ประมวลผลหนังสือ."}},
        {GrammarRule::SubjectVerb,
         {"the man processes books of the table.", "ผู้ชายประมวลผลหนังสือของโต๊ะ."}}, // a bare plural, then of
        // a word read first as a noun after a noun acted on, before the end of the clause, is the verb of "to"
        {GrammarRule::ToVerb, {"the number of books to copy, he came.", "ตัวเลขของหนังสือที่จะคัดลอก, เขามา."}},
        {GrammarRule::ToVerb,
         {"a way to copy books came.", "อะ.-ทางในการคัดลอกหนังสือมา."}}, // after a noun of "to", before a noun too
        {GrammarRule::ToVerb, {"he read the book to process.", "เขาอ่านหนังสือเพื่อกระบวนการ."}},
        // a participle opening a clause after a comma describes its noun; "that" ending a clause after a verb
        {GrammarRule::ParticipleBeforeNoun, {"for it, opened books are old.", "สำหรับมัน, หนังสือที่เปิดแก่."}},
        {GrammarRule::ParticipleBeforeNoun,
         {"you can want opened books.", "คุณสามารถต้องการหนังสือที่เปิด."}}, // after a verb's plain form
        {GrammarRule::Relative, {"he read that, then he came.", "เขาอ่านนั่น, จากนั้นเขามา."}},
        // "who" after a verb of knowing asks inside the statement; after "and" in a question it asks for the subject
        {GrammarRule::IngAfterNoun,
         {"the books missing from the table came.", "หนังสือที่หายไปจากโต๊ะมา."}}, // its own Thai, not miss's
        {GrammarRule::EmbeddedQuestion,
         {"I know whether or not he came.", "ฉันรู้ว่าเขามาหรือไม่."}},            // its "or not" at the end
        {GrammarRule::Relative, {"the ones who came are old.", "คนที่มาแก่."}}, // people: คน
        {GrammarRule::Relative, {"I know who he is.", "ฉันรู้ว่าเขาเป็นใคร."}},
        {GrammarRule::Relative, {"he came, and who came?", "เขามา, และใครมา?"}},
    };
    for (const auto &[rule, row] : rows)
        checkRule(*this, rule, {row});
}

// "each time" and "every time" open a clause (ทุกครั้งที่) or end one (ทุกครั้ง); before a noun "time" is a noun.
TEST(ExtendedEachTime, OpensOrEndsAClause) {
    TempFolder data;
    data.writeEntries({entry("each", "แต่ละ", ADJ), entry("every", "ทุก", ADJ), entry("time", "เวลา", N),
                       entry("he", "เขา", PRO), entry("came", "มา", VI), entry("table", "โต๊ะ", N)});
    Lexicon lexicon(data.path());
    const Case rows[] = {{"each time he came, he came.", "ทุกครั้งที่เขามา, เขามา."},
                         {"he came every time.", "เขามาทุกครั้ง."},
                         {"every time table came.", "โต๊ะเวลาทุกมา."}};
    for (const Case &row : rows) {
        EXPECT_EQ(extendedLine(lexicon, row.in, kAllGrammarRules), row.out);
        if (extendedLine(lexicon, row.in, 0) != row.out)
            EXPECT_NE(extendedLine(lexicon, row.in, kAllGrammarRules & ~ruleBit(GrammarRule::TimeAdverb)), row.out)
                << row.in;
    }
}

// A word that trails off into dots, or ends before a bracket or a quote with its full stop, is read; the grammar
// mode writes it as it stands. A word of a name with dots inside ("book.*") is left, and so is a quoted word that
// names a command or an option. A heading in capitals ends before the sentence after it.
TEST_F(Extended, DotsQuotedNamesAndHeadingsAsTheStageRecordsThem) {
    for (const Case &row : std::initializer_list<Case>{
             {"I read... the old book", "ฉันอ่าน...หนังสือแก่"},
             {"he read the old book ... he came", "เขาอ่านหนังสือแก่...เขามา"}, // dots after the words held back
             // an option after its dashes is written as it stands; a dash before a space or a capital word is none
             {"he read -n and --old-book=BOOK. -- Old man", "เขาอ่าน-n และ--old-book=BOOK.-- ผู้ชายแก่"},
             {"he read. -Old book", "เขาอ่าน.-หนังสือแก่"},
             {"he read -a and -s.", "เขาอ่าน-a และ-s."}, // (not an article, nor the letter of a short form)
             {"he read the --old-book table.",
              "เขาอ่านโต๊ะ--old-book."}, // an option before its noun follows it, as a name does
             {"he read the zork-blorb_x table.", "เขาอ่านโต๊ะzork-blorb_x."}, // so does a name joined by - or _
             {"he read the old book.)", "เขาอ่านหนังสือแก่.)"},                 // the held words before the dot
             {"he read the book.*", "เขาอ่านbook.*"},
             // a word in quotes before a thing a manual names so: the name of it, after its noun
             {"he read the 'book' command", "เขาอ่านคำสั่งbook"},
             {"he read the 'book' story", "เขาอ่านหนังสือ เรื่อง"},
             // so is a word in capitals there, written after it
             {"he read the BOOK command.", "เขาอ่านคำสั่งBOOK."},
             {"he read the BOOK command and came", "เขาอ่านคำสั่งBOOK และมา"},
             {"the BOOK command is the book.", "คำสั่งBOOK คือหนังสือ."}, // (be after it as after a noun)
             {"he read the BOOK story.", "เขาอ่านเรื่องหนังสือ."},        // (an acronym the dictionary writes in Thai)
             {"HE READ THE BOOK COMMAND.", "เขาอ่านคำสั่งหนังสือ."},      // (all in capitals: no name)
             // a heading in capitals before the sentence it opens is written first, apart
             {"BOOK The old man read.", "หนังสือ ผู้ชายแก่อ่าน."},
             {"BOOK Table came.", "โต๊ะหนังสือมา."}, // (capitals that name a thing: "DOS Beer")
             // an article after a noun opens another noun phrase: the words held back are written first
             {"on this book the man came.", "บนหนังสือนี้ผู้ชายมา."},
             {"he read all the old books.", "เขาอ่านหนังสือแก่ทั้งหมด."}, // (not after a word before its noun)
         }) {
        SCOPED_TRACE(row.in);
        EXPECT_EQ(line(row.in), row.out);
    }
    EXPECT_EQ(line("I read... the old book", 0), "ฉันread...หนังสือแก่"); // every rule off: as the grammar mode
    EXPECT_EQ(line("on this book the man came.", 0), "บนผู้ชายหนังสือนี้มา.");

    // A line that ends with a name the dictionary lacks writes what it holds on its own line, where the grammar
    // mode hands it to the next one.
    Lexicon lexicon(data.path());
    TranslationState state;
    Translator translator(state, lexicon);
    translator.extended = true;
    beginRun(state);
    translateLines(translator, {U"he read the book zork", U"he came"});
    EXPECT_EQ(state.TranslatedLines, (std::vector<std::u32string>{U"เขาอ่านzorkหนังสือ", U"เขามา"}));
}

TEST_F(Extended, ThanAfterAComparativeIsNotWrittenTwice) {
    checkRule(*this, GrammarRule::Than,
              {
                  {"the man is older than the table.", "ผู้ชายแก่กว่าโต๊ะ."},
                  {"it is an older book than the table.", "มันเป็นหนังสือแก่กว่าโต๊ะ."},                    // after its noun
                  {"the man is more easy for the book than the table.", "ผู้ชายง่ายสำหรับหนังสือกว่าโต๊ะ."}, // across a phrase
                  {"it is more easy to read than to go.", "มันง่ายที่จะอ่านกว่าที่จะไป."},
                  {"he read the book than the table.", "เขาอ่านหนังสือกว่าโต๊ะ."}, // no comparative: กว่า stays
                  {"he read the book rather than open it.",
                   "เขาอ่านหนังสือแทนที่จะเปิดมัน."}, // rather than + a verb: instead of doing it
              });
}

// A word whose grammar-mode Thai a rule of the folder's Idiom.pal reads with its neighbours is left to that rule:
// "easy to" keeps its เพื่อ for ง่ายเพื่อ, "that" its ซึ่งว่า for คิดซึ่งว่า; without the rules both are rewritten.
// Not for a rule whose words a built-in rule rewrites first (ต้องการเพื่อ is จำเป็นต้อง before any user rule).
TEST_F(Extended, WordsThatAPhraseRuleOfTheFolderReadsAreLeftToIt) {
    auto extended = [&](const std::string &english) {
        Lexicon lexicon(data.path());
        return toUtf8(translateText(fromUtf8(english), lexicon, TranslationMode::Grammar, false, true));
    };
    EXPECT_EQ(extended("it is easy to read"), "มันง่ายที่จะอ่าน");
    EXPECT_EQ(extended("I think that he came"), "ฉันคิดว่าเขามา");
    EXPECT_EQ(extended("the book opened by the man."), "หนังสือที่เปิดโดยผู้ชาย.");
    EXPECT_EQ(extended("he opens that go."), "เขาเปิดที่ไป.");
    EXPECT_EQ(extended("the man was bored."), "ผู้ชายเบื่อ.");
    EXPECT_EQ(extended("he read that, then he came."), "เขาอ่านนั่น, จากนั้นเขามา.");
    EXPECT_EQ(extended("I read to the table of the man."), "ฉันอ่านไปยังโต๊ะของผู้ชาย.");
    data.writeLines("Idiom.pal",
                    {"ง่ายเพื่อ/ง่ายต่อการ", "คิดซึ่งว่า/เชื่อว่า", "ต้องการเพื่อ/อยาก", "ซึ่งว่าเป็น/ที่เป็น", "หนังสือเปิดโดย/หนังสือที่ถูกเปิดโดย",
                     "เปิดซึ่งว่า/เปิดว่า", "เป็นเบื่อ/รู้สึกเบื่อ", "มันเป็นแนะนำซึ่งว่า/ขอแนะนำว่า", "อ่านซึ่งว่า,/อ่านเรื่องนั้น,",
                     "เพื่อโต๊ะของผู้ชาย./สู่โต๊ะของผู้ชาย.", "ทำเพื่อ/ทำสู่", "ตั้งสำหรับ/ตั้งให้"});
    // a participle a rule reads with what follows it alone still opens its relative clause
    EXPECT_EQ(extended("the book made to the man."), "หนังสือที่ทำสู่ผู้ชาย.");
    // a rule that reads three words after the word, over the articles that write nothing
    EXPECT_EQ(extended("I read to the table of the man."), "ฉันอ่านสู่โต๊ะของผู้ชาย.");
    // a rule that ends with the mark after the word is seen too: "that" is left to it
    EXPECT_EQ(extended("he read that, then he came."), "เขาอ่านเรื่องนั้น, จากนั้นเขามา.");
    // "it is recommended that" is left to the rule that reads it whole, not made a passive
    EXPECT_EQ(extended("it is recommended that he came"), "ขอแนะนำว่าเขามา");
    // be before an -ed adjective is written as the rule reads it, whatever the subject would give
    EXPECT_EQ(extended("the man was bored."), "ผู้ชายรู้สึกเบื่อ.");
    EXPECT_EQ(extended("he opens that go."), "เขาเปิดว่าไป."); // "means that" => หมายความว่า
    EXPECT_EQ(extended("the book opened by the man."), "หนังสือที่ถูกเปิดโดยผู้ชาย.");
    EXPECT_EQ(extended("it is easy to read"), "มันง่ายต่อการอ่าน");
    // but not a verb read as a noun after no and an adjective, whose rule reads it with what follows alone
    EXPECT_EQ(extended("I read no old set for the man."), "ฉันอ่านไม่ชุดแก่สำหรับผู้ชาย.");
    // not before be, which a later rule may leave unwritten, so that the phrase rule would find ซึ่งว่า alone
    EXPECT_EQ(extended("the book that is good."), "หนังสือที่ดี.");
    EXPECT_EQ(extended("I think that he came"), "ฉันเชื่อว่าเขามา");
    EXPECT_EQ(extended("I want to go"), "ฉันต้องการไป");

    // A window's translator lives on from run to run: a rule added to Idiom.pal counts from the next run.
    Lexicon lexicon(data.path());
    TranslationState state;
    Translator translator(state, lexicon);
    translator.extended = true;
    auto run = [&] {
        beginRun(state);
        translateLines(translator, {U"I say that he came"});
        return toUtf8(state.TranslatedLines.at(0));
    };
    EXPECT_EQ(run(), "ฉันพูดว่าเขามา");
    data.writeLines("Idiom.pal", {"พูดซึ่งว่า/บอกว่า"});
    EXPECT_EQ(run(), "ฉันพูดซึ่งว่าเขามา"); // left for the rule, which the rewriting applies
}

TEST_F(Extended, ALineWithACapitalStartsASentence) {
    Lexicon lexicon(data.path());
    TranslationState state;
    Translator translator(state, lexicon);
    translator.extended = true;
    beginRun(state);
    translateLines(translator, {U"I live", U"Where do you live?", U"I live", U"where do you live?"});
    EXPECT_EQ(toUtf8(state.TranslatedLines[1]), "คุณอาศัยที่ไหน?");
    EXPECT_EQ(toUtf8(state.TranslatedLines[3]), "ที่ซึ่งทำคุณอาศัย?"); // a line of wrapped prose goes on
}

TEST_F(Extended, EveryRuleOffRendersAsTheGrammarMode) {
    for (const char *text : {"Emma's old father is made by the man who came?", "do you want to go, reading?"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(line(text, 0), rawLines(data.path(), text).at(0));
    }
    // Only the grammar mode is refined: word for word stays as it is.
    Lexicon lexicon(data.path());
    EXPECT_EQ(toUtf8(translateText(U"the table is made", lexicon, TranslationMode::WordForWord, false, true)),
              "โต๊ะเป็นทำ");
}

// The waiting tokens view the translator's remembered readings; a letter file that changes while a sentence
// waits (a new run in the middle of a long line) makes it forget them, and the tokens keep what they had.
TEST_F(Extended, WaitingWordsKeepTheirReadingsWhenALetterFileChanges) {
    Lexicon lexicon(data.path());
    TranslationState state;
    Translator translator(state, lexicon);
    translator.extended = true;
    beginRun(state);
    lexicon.refresh();
    translator.translatePart(U"Emma's old father ", false);
    data.writeEntries({entry("emma", "เอมมา", N), entry("eat", "กิน", VT)});
    lexicon.refresh();
    translator.translatePart(U"eat", true);
    EXPECT_EQ(toUtf8(state.Text4), "พ่อแก่ของเอ็มมากิน");
}

// Rules reorder tokens and the waiting tokens move as their vector grows: a key or meaning a token owns (a short one
// lies inside the string itself) must move with it.
TEST(GrammarTokens, KeepTheirOwnKeysAndMeaningsWhenMovedOrCopied) {
    std::vector<GrammarToken> t(3);
    const std::u32string_view kept = U"ถูกทำ"sv; // viewed, not owned
    t[0].setKey(U"TO"sv);
    t[0].setMeaning(U"ให้"sv);
    t[1].setKey(U"S"sv);
    t[1].meaning = kept;
    t[2].setKey(U"MUST"sv);
    t[2].setMeaning(U"ห้าม"sv);
    std::rotate(t.begin(), t.begin() + 2, t.end());
    t.emplace_back(t[1]);
    t.resize(40); // grows: every token moves
    const std::u32string_view keys[] = {U"MUST"sv, U"TO"sv, U"S"sv, U"TO"sv};
    const std::u32string_view meanings[] = {U"ห้าม"sv, U"ให้"sv, kept, U"ให้"sv};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(t[i].key, keys[i]) << i;
        EXPECT_EQ(t[i].meaning, meanings[i]) << i;
        EXPECT_EQ(t[i].key.data(), t[i].ownKey.data()) << i;
    }
    EXPECT_EQ(t[2].meaning.data(), kept.data());
}

// With no rule on, the stage must render the shipped sample texts exactly as the grammar mode does; and with the
// mode off the translation is the grammar mode's, which the rest of the suite checks. With the rules on, neither
// the remembered readings nor the anchors the rules look at may change the result.
TEST(ExtendedStage, RendersTheSampleTextsAsTheGrammarModeWhenEveryRuleIsOff) {
    Lexicon lexicon(DLX_SHIPPED_DATA);
    size_t texts = 0, changed = 0;
    for (const auto &e : std::filesystem::directory_iterator(DLX_TEST_DATA "/english")) {
        if (e.path().extension() != ".txt")
            continue;
        const auto bytes = readFileBytes(e.path().string());
        ASSERT_TRUE(bytes.ok());
        const auto lines = splitLines(decodeTextBytes(*bytes));
        // The remembered readings the tokens view, or readings of their own from a lookup of every word; the rules
        // at their anchors, or at every token.
        auto run = [&](bool extended, GrammarRuleSet rules, bool ownReadings = false, bool everyToken = false) {
            TranslationState state;
            Translator::Finder lookup;
            if (ownReadings)
                lookup = [&](char32_t letter, std::u32string_view word) {
                    const auto index = lexicon.letter(letter);
                    return index && *index ? std::optional(findRendering(**index, word)) : std::nullopt;
                };
            Translator translator(state, lexicon, lookup);
            translator.extended = extended;
            translator.extendedRules = rules;
            translator.rulesVisitEveryToken = everyToken;
            beginRun(state);
            translateLines(translator, lines);
            return state.TranslatedLines;
        };
        const auto grammar = run(false, kAllGrammarRules);
        EXPECT_EQ(run(true, 0), grammar) << e.path();
        const auto extended = run(true, kAllGrammarRules);
        changed += extended != grammar;
        EXPECT_EQ(run(true, kAllGrammarRules, true), extended) << e.path();
        EXPECT_EQ(run(true, kAllGrammarRules, false, true), extended) << e.path();
        ++texts;
    }
    EXPECT_GE(texts, 3u);
    EXPECT_EQ(changed, texts); // and the rules do change every text
}

} // namespace

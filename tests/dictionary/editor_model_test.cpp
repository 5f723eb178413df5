#include "Codec874.h"
#include "DictionaryTestSupport.h"
#include "EditorModel.h"
#include "LetterFile.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace dlx;
using dlx::test::readBytes;
using dlx::test::writeBytes;
using Lines = std::vector<std::u32string>;

namespace {

const std::u32string kNoun = U"n.(นาม)";
const std::u32string kVerb = U"vt.(สกรรมกริยา)";

// Lets gtest print u32 text in failure messages.
std::string show(const std::u32string &s) {
    return toUtf8(s);
}

class EditorModelTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory(data); }

    void writeLetter(const std::string &name, const Lines &lines) {
        writeBytes(data + "/" + name, letterFileBytes(lines));
    }

    /// A prompt that records its question and gives the queued answer.
    EditorModel::Prompt answer(std::optional<std::u32string> reply) {
        return [this, reply](std::u32string_view text, std::u32string_view title) {
            asked.push_back(std::u32string(text) + U"|" + std::u32string(title));
            return reply;
        };
    }

    test::TempFolder folder{"dlx-editor"};
    std::string data = folder.file("Data");
    std::vector<std::u32string> asked;
};

void expectMessage(const EditorOutcome &outcome, const std::u32string &text, const std::u32string &title,
                   EditorIcon icon = EditorIcon::Warning) {
    ASSERT_TRUE(outcome.message.has_value()) << "expected " << show(text);
    EXPECT_EQ(show(outcome.message->text), show(text));
    EXPECT_EQ(show(outcome.message->title), show(title));
    EXPECT_EQ(outcome.message->icon, icon);
}

const Lines kFive = {U"ant/มด/" + kNoun, U"Ape/ลิง/" + kNoun, U"apple/แอปเปิ้ล/" + kNoun, U"ask/ถาม/" + kVerb,
                     U"axe/ขวาน/" + kNoun};

} // namespace

TEST_F(EditorModelTest, chooseLetter_loadsEveryLineUnchangedCountsThemAndEmptiesTheFields) {
    const Lines lines = {U"bank/ธนาคาร/n.(นาม)/extra", U"", U" Bee / ผึ้ง /" + kNoun, U"bad"};
    writeLetter("B.pal", lines);
    EditorModel m(data);
    m.setFields({U"x", U"y", U"z"});
    EditorOutcome o = m.chooseLetter(U"B");
    EXPECT_FALSE(o.message);
    EXPECT_EQ(o.focus, EditorFocus::English);
    EXPECT_EQ(m.lines(), lines);
    EXPECT_EQ(m.entryCount(), 4u);
    EXPECT_EQ(show(m.countLabel()), "หมวดอักษร B มีศัพท์ทั้งหมด 4 คำ");
    EXPECT_EQ(m.fields(), DictionaryEntry{});
}

TEST_F(EditorModelTest, chooseLetter_followsThePresenceTestForTheFileName) {
    struct Row {
        const char *fileOnDisk;
        std::size_t expectedCount;
    } rows[] = {{"A.pal", 2}, {"A.PAL", 2}, {"a.pal", 0}, {"A.Pal", 0}, {nullptr, 0}};
    for (const Row &row : rows) {
        std::filesystem::remove_all(data);
        std::filesystem::create_directory(data);
        if (row.fileOnDisk)
            writeLetter(row.fileOnDisk, {U"ant/มด/" + kNoun, U"ask/ถาม/" + kVerb});
        EditorModel m(data);
        m.chooseLetter(U"A");
        SCOPED_TRACE(row.fileOnDisk ? row.fileOnDisk : "(none)");
        EXPECT_EQ(m.entryCount(), row.expectedCount);
        EXPECT_EQ(show(m.countLabel()), "หมวดอักษร A มีศัพท์ทั้งหมด " + std::to_string(row.expectedCount) + " คำ");
    }
}

TEST_F(EditorModelTest, chooseLetter_anotherLetterKeepsEditModeButDropsTheSelection) {
    writeLetter("A.pal", kFive);
    EditorModel m(data);
    m.chooseLetter(U"A");
    m.selectEntry(1);
    m.chooseLetter(U"C");
    EXPECT_EQ(m.mode(), EditorMode::Edit);
    EXPECT_FALSE(m.selected());
    EXPECT_TRUE(m.lines().empty());
}

TEST_F(EditorModelTest, chooseLetter_aFileOverTheEntryLimitStopsQuietlyAndIsNeverSavedShort) {
    writeLetter("A.pal", {U"ant/มด/" + kNoun});
    Lines huge;
    for (int i = 0; i < 32768; ++i)
        huge.push_back(U"bee" + fromUtf8(std::to_string(i)) + U"/ผึ้ง/" + kNoun);
    writeLetter("B.pal", huge);
    const std::string before = readBytes(data + "/B.pal");

    EditorModel m(data);
    m.chooseLetter(U"A");
    m.setFields({U"typed", U"", U""});
    EditorOutcome o = m.chooseLetter(U"B");
    EXPECT_FALSE(o.message);
    EXPECT_EQ(o.focus, EditorFocus::Keep);
    ASSERT_EQ(m.entryCount(), EditorModel::kMaxEntries);
    EXPECT_EQ(m.lines().back(), huge[32766]);
    // The label and the fields stay as they were before the load.
    EXPECT_EQ(show(m.countLabel()), "หมวดอักษร A มีศัพท์ทั้งหมด 1 คำ");
    EXPECT_EQ(m.fields().english, U"typed");

    m.setFields({U"bull", U"วัวตัวผู้", kNoun});
    expectMessage(m.add(), U"หมวดอักษร B มีศัพท์ครบ 32767 คำแล้ว เพิ่มอีกไม่ได้", U"เพิ่มศัพท์");
    EditorOutcome saved = m.save();
    ASSERT_TRUE(saved.message);
    EXPECT_EQ(saved.message->title, U"บันทึก");
    EXPECT_EQ(readBytes(data + "/B.pal"), before);
}

TEST_F(EditorModelTest, chooseLetter_exactlyTheEntryLimitLoadsWholeAndSaves) {
    Lines full(EditorModel::kMaxEntries, U"cat/แมว/" + kNoun);
    writeLetter("C.pal", full);
    EditorModel m(data);
    m.chooseLetter(U"C");
    EXPECT_EQ(show(m.countLabel()), "หมวดอักษร C มีศัพท์ทั้งหมด 32767 คำ");
    EXPECT_FALSE(m.save().message);
}

TEST_F(EditorModelTest, chooseLetter_anUnreadableFileIsQuietAndProtectedFromSave) {
    // A regular file whose first read fails with EIO, whoever runs the test (permissions would not stop root).
    std::filesystem::create_symlink("/proc/self/mem", data + "/D.pal");
    EditorModel m(data);
    m.chooseLetter(U"A");
    EditorOutcome o = m.chooseLetter(U"D");
    EXPECT_FALSE(o.message);
    EXPECT_TRUE(m.lines().empty());
    EXPECT_EQ(show(m.countLabel()), "หมวดอักษร A มีศัพท์ทั้งหมด 0 คำ");
    o = m.save();
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->title, U"บันทึก");
    EXPECT_TRUE(std::filesystem::is_symlink(data + "/D.pal"));
}

TEST_F(EditorModelTest, selectEntry_splitsAtSlashAndKeepsFieldsWhosePieceIsMissing) {
    struct Row {
        std::u32string line;
        DictionaryEntry expected;
    } rows[] = {
        {U"bank/ธนาคาร/n.(นาม)/extra", {U"bank", U"ธนาคาร", kNoun}},
        {U"bare/เปล่า", {U"bare", U"เปล่า", U"old label"}},
        {U"bold", {U"bold", U"old meaning", U"old label"}},
        {U"//", {U"", U"", U""}},
        {U" big / ใหญ่ /adj.(คุณศัพท์)", {U" big ", U" ใหญ่ ", U"adj.(คุณศัพท์)"}},
    };
    Lines lines;
    for (const Row &row : rows)
        lines.push_back(row.line);
    writeLetter("B.pal", lines);
    EditorModel m(data);
    m.chooseLetter(U"B");
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(show(rows[i].line));
        m.setFields({U"old word", U"old meaning", U"old label"});
        EditorOutcome o = m.selectEntry(i);
        EXPECT_EQ(o.focus, EditorFocus::Command1);
        EXPECT_EQ(m.fields(), rows[i].expected);
        EXPECT_EQ(m.mode(), EditorMode::Edit);
        EXPECT_EQ(m.selected(), i);
    }
}

TEST_F(EditorModelTest, add_checksFieldsThenLetterThenCharacters) {
    struct Row {
        const char *name;
        std::u32string letter;
        DictionaryEntry fields;
        std::u32string message; ///< empty: the entry is appended
        EditorFocus focus;
    } rows[] = {
        {"appended", U"A", {U"apple", U"แอปเปิ้ล", kNoun}, U"", EditorFocus::Keep},
        {"capital first letter", U"A", {U"Apple pie", U"พายแอปเปิ้ล", kNoun}, U"", EditorFocus::Keep},
        {"label outside the list", U"A", {U"aah", U"อา", U"อุทาน"}, U"", EditorFocus::Keep},
        {"other letter", U"B", {U"apple", U"แอปเปิ้ล", kNoun}, U"หมวดอักษรไม่ตรงกับศัพท์", EditorFocus::Letter},
        {"no letter chosen", U"", {U"apple", U"แอปเปิ้ล", kNoun}, U"หมวดอักษรไม่ตรงกับศัพท์", EditorFocus::Letter},
        {"leading space", U"A", {U" apple", U"แอปเปิ้ล", kNoun}, U"หมวดอักษรไม่ตรงกับศัพท์", EditorFocus::Letter},
        {"Thai word", U"A", {U"แอปเปิ้ล", U"apple", kNoun}, U"หมวดอักษรไม่ตรงกับศัพท์", EditorFocus::Letter},
        {"empty word", U"A", {U"", U"แอปเปิ้ล", kNoun}, U"กรุณาใส่ข้อมูลให้ครบ", EditorFocus::English},
        {"empty meaning", U"A", {U"apple", U"", kNoun}, U"กรุณาใส่ข้อมูลให้ครบ", EditorFocus::English},
        {"empty label", U"A", {U"apple", U"แอปเปิ้ล", U""}, U"กรุณาใส่ข้อมูลให้ครบ", EditorFocus::English},
        {"emoji in meaning",
         U"A",
         {U"apple", U"แอปเปิ้ล\U0001F34E", kNoun},
         U"ข้อมูลมีอักขระ \"\U0001F34E\" (U+1F34E) ซึ่งแฟ้มพจนานุกรมภาษาไทย (Windows-874) เก็บไม่ได้ กรุณาแก้ไขก่อนบันทึก",
         EditorFocus::Keep},
        {"accent in word",
         U"A",
         {U"app\u00E9", U"แอป", kNoun},
         U"ข้อมูลมีอักขระ \"\u00E9\" (U+00E9) ซึ่งแฟ้มพจนานุกรมภาษาไทย (Windows-874) เก็บไม่ได้ กรุณาแก้ไขก่อนบันทึก",
         EditorFocus::Keep},
        {"line break",
         U"A",
         {U"apple", U"แอป\nเปิ้ล", kNoun},
         U"ศัพท์ ความหมาย และคุณสมบัติต้องอยู่ในบรรทัดเดียว กรุณาลบการขึ้นบรรทัดใหม่ออก",
         EditorFocus::Keep},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(data);
        std::filesystem::create_directory(data);
        writeLetter("A.pal", kFive);
        writeLetter("B.pal", {U"bee/ผึ้ง/" + kNoun});
        EditorModel m(data);
        if (!row.letter.empty())
            m.chooseLetter(row.letter);
        const Lines before = m.lines();
        m.setFields(row.fields);
        EditorOutcome o = m.addOrReplace();
        if (row.message.empty()) {
            EXPECT_FALSE(o.message);
            ASSERT_EQ(m.lines().size(), before.size() + 1);
            EXPECT_EQ(m.lines().back(), row.fields.english + U"/" + row.fields.thai + U"/" + row.fields.label);
            EXPECT_EQ(m.fields(), DictionaryEntry{});
            EXPECT_EQ(show(m.countLabel()), "หมวดอักษร A มีศัพท์ทั้งหมด 6 คำ");
        } else {
            expectMessage(o, row.message, U"เพิ่มศัพท์");
            EXPECT_EQ(m.lines(), before);
            EXPECT_EQ(m.fields(), row.fields);
        }
        EXPECT_EQ(o.focus, row.focus);
        EXPECT_EQ(m.mode(), EditorMode::Add);
    }
}

TEST_F(EditorModelTest, replace_theThirdOfFiveKeepsTheOthersInPlace) {
    writeLetter("A.pal", kFive);
    EditorModel m(data);
    m.chooseLetter(U"A");
    m.selectEntry(2);
    m.setFields({U"apple", U"ผลแอปเปิ้ล", kNoun});
    EditorOutcome o = m.addOrReplace();
    EXPECT_FALSE(o.message);
    Lines expected = kFive;
    expected[2] = U"apple/ผลแอปเปิ้ล/" + kNoun;
    EXPECT_EQ(m.lines(), expected);
    EXPECT_EQ(m.entryCount(), 5u);
    EXPECT_EQ(show(m.countLabel()), "หมวดอักษร A มีศัพท์ทั้งหมด 5 คำ");
    EXPECT_EQ(m.mode(), EditorMode::Add);
    EXPECT_EQ(m.fields(), DictionaryEntry{});
    EXPECT_FALSE(m.selected());
    EXPECT_EQ(m.lastReplacedRow(), 2u);
}

TEST_F(EditorModelTest, replace_refusalsChangeNothing) {
    struct Row {
        const char *name;
        DictionaryEntry fields;
        bool otherLetterFirst;
        std::u32string message;
        EditorFocus focus;
    } rows[] = {
        {"empty meaning", {U"apple", U"", kNoun}, false, U"กรุณาใส่ข้อมูลให้ครบ", EditorFocus::English},
        {"word of another letter", {U"banana", U"กล้วย", kNoun}, false, U"หมวดอักษรไม่ตรงกับศัพท์", EditorFocus::Letter},
        {"nothing selected after another letter",
         {U"bee", U"ผึ้ง", kNoun},
         true,
         U"ยังไม่ได้เลือกศัพท์เดิมในรายการ กรุณาคลิกเลือกศัพท์ที่ต้องการแทนที่ก่อน",
         EditorFocus::List},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeLetter("A.pal", kFive);
        writeLetter("B.pal", {U"bat/ค้างคาว/" + kNoun});
        EditorModel m(data);
        m.chooseLetter(U"A");
        m.selectEntry(2);
        if (row.otherLetterFirst)
            m.chooseLetter(U"B");
        const Lines before = m.lines();
        m.setFields(row.fields);
        EditorOutcome o = m.addOrReplace();
        expectMessage(o, row.message, U"แทนที่");
        EXPECT_EQ(o.focus, row.focus);
        EXPECT_EQ(m.lines(), before);
        EXPECT_EQ(m.mode(), EditorMode::Edit);
    }
}

TEST_F(EditorModelTest, search_matchesACaseSensitivePrefixOfTheWholeLine) {
    struct Row {
        std::optional<std::u32string> answer;
        std::optional<std::size_t> row; ///< nothing: no selection
        bool notFound;
    } rows[] = {
        {U"ap", 2, false}, // skips "Ape"
        {U"Ap", 1, false},
        {U"a", 0, false},
        {U"apple/แอ", 2, false}, // reaches into the meaning
        {U"pple", std::nullopt, true},
        {U"APPLE", std::nullopt, true},
        {U"", std::nullopt, false},
        {std::nullopt, std::nullopt, false}, // cancelled
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.answer ? show(*row.answer) : "(cancelled)");
        writeLetter("A.pal", kFive);
        EditorModel m(data);
        m.chooseLetter(U"A");
        asked.clear();
        EditorOutcome o = m.searchOrDelete(answer(row.answer));
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(show(asked[0]), "กรุณาใส่ศัพท์ที่ต้องการค้นหา|ค้นหา");
        EXPECT_EQ(m.selected(), row.row);
        if (row.row) {
            EXPECT_FALSE(o.message);
            EXPECT_EQ(m.mode(), EditorMode::Edit);
            EXPECT_EQ(o.focus, EditorFocus::Command1);
            EXPECT_EQ(m.composedLine(), kFive[*row.row]);
        } else if (row.notFound) {
            expectMessage(o, U"ไม่พบคำที่ค้นหา", U"ค้นหา", EditorIcon::Information);
            EXPECT_EQ(m.mode(), EditorMode::Add);
        } else {
            EXPECT_FALSE(o.message);
            EXPECT_EQ(m.mode(), EditorMode::Add);
        }
    }
}

TEST_F(EditorModelTest, search_withoutALetterAsksForTheLetterFirst) {
    EditorModel m(data);
    EditorOutcome o = m.searchOrDelete(answer(U"a"));
    expectMessage(o, U"กรุณาเลือกหมวดอักษร", U"ค้นหา");
    EXPECT_EQ(o.focus, EditorFocus::Letter);
    EXPECT_TRUE(asked.empty());
}

TEST_F(EditorModelTest, delete_removesTheSelectionNotTheFieldsEntry) {
    writeLetter("A.pal", kFive);
    EditorModel m(data);
    m.chooseLetter(U"A");
    m.selectEntry(3);
    m.setFields({U"ant", U"มด", kNoun}); // edited to look like row 0: the selection still decides
    EditorOutcome o = m.searchOrDelete(answer(std::nullopt));
    EXPECT_FALSE(o.message);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(m.lines(), (Lines{kFive[0], kFive[1], kFive[2], kFive[4]}));
    EXPECT_EQ(show(m.countLabel()), "หมวดอักษร A มีศัพท์ทั้งหมด 4 คำ");
    EXPECT_EQ(m.mode(), EditorMode::Add);
    EXPECT_EQ(o.focus, EditorFocus::English);
    EXPECT_EQ(m.fields(), DictionaryEntry{});
}

TEST_F(EditorModelTest, delete_refusalsChangeNothing) {
    struct Row {
        const char *name;
        DictionaryEntry fields;
        bool otherLetterFirst;
        std::u32string message;
        EditorFocus focus;
    } rows[] = {
        {"empty label", {U"ant", U"มด", U""}, false, U"กรุณาเลือกศัพท์ที่ต้องการจะลบ", EditorFocus::English},
        {"word of another letter", {U"bee", U"ผึ้ง", kNoun}, false, U"หมวดอักษรไม่ตรงกับศัพท์", EditorFocus::Letter},
        {"nothing selected after another letter",
         {U"bat", U"ค้างคาว", kNoun},
         true,
         U"ยังไม่ได้เลือกศัพท์ในรายการ กรุณาคลิกเลือกศัพท์ที่ต้องการจะลบก่อน",
         EditorFocus::List},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeLetter("A.pal", kFive);
        writeLetter("B.pal", {U"bat/ค้างคาว/" + kNoun});
        EditorModel m(data);
        m.chooseLetter(U"A");
        m.selectEntry(0);
        if (row.otherLetterFirst)
            m.chooseLetter(U"B");
        const Lines before = m.lines();
        m.setFields(row.fields);
        EditorOutcome o = m.searchOrDelete(answer(std::nullopt));
        expectMessage(o, row.message, U"ลบศัพท์");
        EXPECT_EQ(o.focus, row.focus);
        EXPECT_EQ(m.lines(), before);
    }
}

TEST_F(EditorModelTest, followWordLetter_loadsTheLetterOfANewWordKeepingWhatWasTyped) {
    struct Row {
        const char *name;
        std::u32string word;
        bool editMode;
        std::u32string letterAfter;
    } rows[] = {
        {"word of another letter", U"apple", false, U"A"},
        {"lower or upper case", U"Ant", false, U"A"},
        {"same letter", U"bat", false, U"B"},
        {"no letter of its own", U"แอปเปิ้ล", false, U"B"},
        {"leading space", U" apple", false, U"B"},
        {"editing an entry", U"apple", true, U"B"},
    };
    writeLetter("A.pal", kFive);
    writeLetter("B.pal", {U"bee/ผึ้ง/" + kNoun});
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EditorModel m(data);
        m.chooseLetter(U"B");
        if (row.editMode)
            m.selectEntry(0);
        const DictionaryEntry typed{row.word, U"แอปเปิ้ล", kNoun};
        m.setFields(typed);
        m.followWordLetter();
        EXPECT_EQ(m.letter(), row.letterAfter);
        EXPECT_EQ(m.fields(), typed);
        EXPECT_EQ(m.lines().size(), row.letterAfter == U"A" ? kFive.size() : 1u);
    }
}

TEST_F(EditorModelTest, modified_fromTheFirstEditUntilTheSaveOrAnotherLoad) {
    writeLetter("A.pal", kFive);
    EditorModel m(data);
    m.chooseLetter(U"A");
    EXPECT_FALSE(m.modified());
    m.setFields({U"arm", U"แขน", kNoun});
    m.addOrReplace();
    EXPECT_TRUE(m.modified());
    EXPECT_EQ(m.lastAddedRow(), 5u);
    m.selectEntry(0);
    EXPECT_EQ(m.lastAddedRow(), std::nullopt);
    EXPECT_FALSE(m.save().message);
    EXPECT_FALSE(m.modified());
    m.searchOrDelete(answer(std::nullopt)); // deletes the selected entry
    EXPECT_TRUE(m.modified());
    m.chooseLetter(U"A");
    EXPECT_FALSE(m.modified());
}

TEST_F(EditorModelTest, clear_emptiesFieldsAndSelectionAndReturnsToAddMode) {
    writeLetter("A.pal", kFive);
    EditorModel m(data);
    m.chooseLetter(U"A");
    m.selectEntry(4);
    EditorOutcome o = m.clear();
    EXPECT_EQ(o.focus, EditorFocus::English);
    EXPECT_EQ(m.mode(), EditorMode::Add);
    EXPECT_FALSE(m.selected());
    EXPECT_EQ(m.fields(), DictionaryEntry{});
    EXPECT_EQ(m.lines(), kFive);
}

TEST_F(EditorModelTest, save_afterDeletingEveryEntryLeavesAnEmptyPresentFile) {
    writeLetter("A.pal", {U"ant/มด/" + kNoun, U"axe/ขวาน/" + kNoun});
    EditorModel m(data);
    m.chooseLetter(U"A");
    while (!m.lines().empty()) {
        m.selectEntry(0);
        ASSERT_FALSE(m.searchOrDelete(answer(std::nullopt)).message);
    }
    EXPECT_FALSE(m.save().message);
    EXPECT_EQ(readBytes(data + "/A.pal"), "");
    EditorModel again(data);
    again.chooseLetter(U"A");
    EXPECT_EQ(show(again.countLabel()), "หมวดอักษร A มีศัพท์ทั้งหมด 0 คำ");
}

TEST_F(EditorModelTest, save_ofAnUnchangedFileGivesItBackByteForByte) {
    const std::string original = "ant/\xC1\xB4/n.(\xB9\xD2\xC1)\r\n" // มด, นาม
                                 "\r\n"                              // a blank line stays
                                 "odd/\xDB\xFF\x81/x\r\n"            // bytes the code page leaves undefined
                                 "axe/ \xA2\xC7\xD2\xB9 /n.(\xB9\xD2\xC1)/more\r\n";
    writeBytes(data + "/A.PAL", original);
    EditorModel m(data);
    m.chooseLetter(U"A");
    ASSERT_EQ(m.entryCount(), 4u);
    EXPECT_FALSE(m.save().message);
    EXPECT_EQ(readBytes(data + "/A.PAL"), original);
    EXPECT_EQ(test::folderNames(data), std::vector<std::string>{"A.PAL"}); // no A.pal beside it, no temp file
}

TEST_F(EditorModelTest, save_ofLinesEndedByCrCrLfWritesEachEntryOnce) {
    folder.writeBytes("Data/A.pal", "ant/x/n.\r\r\naxe/y/n.\r\r\n");
    EditorModel m(data);
    m.chooseLetter(U"A");
    EXPECT_EQ(m.lines(), (Lines{U"ant/x/n.", U"axe/y/n."}));
    EXPECT_FALSE(m.save().message);
    EXPECT_EQ(readBytes(data + "/A.pal"), "ant/x/n.\r\naxe/y/n.\r\n");
}

TEST_F(EditorModelTest, save_writesEditsInListOrderInWindows874) {
    writeLetter("A.pal", kFive);
    EditorModel m(data);
    m.chooseLetter(U"A");
    m.setFields({U"arm", U"แขน", kNoun});
    m.addOrReplace();
    m.selectEntry(0);
    m.searchOrDelete(answer(std::nullopt));
    EXPECT_FALSE(m.save().message);
    Lines expected(kFive.begin() + 1, kFive.end());
    expected.push_back(U"arm/แขน/" + kNoun);
    EXPECT_EQ(readBytes(data + "/A.pal"), letterFileBytes(expected));
    EXPECT_NE(readBytes(data + "/A.pal").find("arm/\xE1\xA2\xB9/"), std::string::npos);
}

TEST_F(EditorModelTest, save_failuresAreReportedAndLeaveTheOldFile) {
    EditorModel noLetter(data);
    EditorOutcome o = noLetter.save();
    expectMessage(o, U"กรุณาเลือกหมวดอักษร", U"บันทึก");
    EXPECT_EQ(o.focus, EditorFocus::Letter);

    writeLetter("A.pal", kFive);
    const std::string before = readBytes(data + "/A.pal");
    EditorModel m(data);
    m.chooseLetter(U"A");
    for (int i = 0; i < 200; ++i) {
        m.setFields({U"about" + fromUtf8(std::to_string(i)), U"เกี่ยวกับ", U"pre.(บุพบท)"});
        m.addOrReplace();
    }
    {
        test::FileSizeLimit fullDisk(before.size() + 100);
        o = m.save();
    }
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->title, U"โปรแกรมผิดพลาด");
    EXPECT_EQ(o.message->icon, EditorIcon::Error);
    EXPECT_TRUE(show(o.message->text).starts_with("บันทึกแฟ้ม A.pal ไม่สำเร็จ")) << show(o.message->text);
    EXPECT_EQ(readBytes(data + "/A.pal"), before);
    EXPECT_EQ(test::folderNames(data), std::vector<std::string>{"A.pal"});

    std::filesystem::remove_all(data);
    o = m.save();
    ASSERT_TRUE(o.message);
    EXPECT_EQ(o.message->title, U"โปรแกรมผิดพลาด");
    EXPECT_EQ(show(o.message->text), "บันทึกแฟ้ม A.pal ไม่สำเร็จ เพราะไม่พบโฟลเดอร์ " + data);
    EXPECT_FALSE(std::filesystem::exists(data));
}

TEST_F(EditorModelTest, goesToAnyWord_searchAcrossLettersAndOpeningOnAWord) {
    writeLetter("A.pal", kFive);
    writeLetter("B.pal", {U"bee/ผึ้ง/" + kNoun, U"bank/ธนาคาร/" + kNoun, U"bank/ตลิ่ง/" + kNoun});
    writeLetter("M.pal", {U"monkey/ลิงกัง/" + kNoun});
    EditorModel m(data);
    m.chooseLetter(U"B");

    // A Thai search looks in the meanings, the chosen letter first, then from it on; an English word in its letter.
    struct Row {
        std::u32string text;
        std::optional<std::u32string> letter, line;
    } rows[] = {
        {U"ตลิ่ง", std::nullopt, U"bank/ตลิ่ง/" + kNoun}, // here: selected at once
        {U"ลิง", U"M", U"monkey/ลิงกัง/" + kNoun},       // M comes before A after B
        {U"ขวาน", U"A", kFive[4]},
        {U"ap", U"A", kFive[2]},
        {U"zebra", std::nullopt, std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(show(row.text));
        m.clear();
        EditorOutcome o = m.searchOrDelete(answer(row.text));
        EXPECT_EQ(o.goTo ? std::optional(o.goTo->letter) : std::nullopt, row.letter);
        if (o.goTo) {
            EXPECT_EQ(o.goTo->line, *row.line);
            o = m.openPlace(*o.goTo);
            EXPECT_EQ(m.letter(), *row.letter);
            m.chooseLetter(U"B");
        } else if (row.line) {
            EXPECT_EQ(m.composedLine(), *row.line);
            EXPECT_EQ(m.mode(), EditorMode::Edit);
        } else {
            expectMessage(o, U"ไม่พบคำที่ค้นหา", U"ค้นหา", EditorIcon::Information);
        }
    }

    // Opened on a word from elsewhere: its line selected, the second sense by its meaning, or a new word.
    m.openOn({U"Bank", U"ตลิ่ง", kNoun});
    EXPECT_EQ(m.letter(), U"B");
    EXPECT_EQ(m.selected(), std::optional<std::size_t>(2));
    m.openOn({U"bank", U"gone", kNoun});
    EXPECT_EQ(m.selected(), std::optional<std::size_t>(1));
    const EditorOutcome added = m.openOn({U"apricot", U"", U""});
    EXPECT_EQ(m.letter(), U"A");
    EXPECT_EQ(m.mode(), EditorMode::Add);
    EXPECT_EQ(m.fields(), (DictionaryEntry{U"apricot", U"", U"", 3}));
    EXPECT_EQ(added.focus, EditorFocus::Meaning);
}

TEST_F(EditorModelTest, layered_aSaveMakesTheUsersOwnCopyAndRestoringBringsBackTheShippedFile) {
    writeLetter("A.pal", kFive);
    const std::string shipped = readBytes(data + "/A.pal");
    const std::string user = folder.file("home/Dualexicon/Data"); // made by the first save
    EditorModel m(DataFolders(data, user));
    EXPECT_TRUE(m.layered());
    m.chooseLetter(U"A");
    EXPECT_FALSE(m.usersOwnLetter());
    EXPECT_EQ(m.restoreShipped().message, std::nullopt); // nothing of the user's to remove
    EXPECT_EQ(m.lines(), kFive);
    m.setFields({U"awl", U"เหล็กหมาด", kNoun});
    m.addOrReplace();
    EXPECT_EQ(m.save().message, std::nullopt);
    EXPECT_TRUE(m.usersOwnLetter());
    EXPECT_EQ(readBytes(data + "/A.pal"), shipped);
    EXPECT_EQ(readLetterFile(user, U'A')->lines.back(), U"awl/เหล็กหมาด/" + kNoun);

    EditorModel again(DataFolders(data, user));
    again.chooseLetter(U"A");
    EXPECT_TRUE(again.usersOwnLetter());
    EXPECT_EQ(again.entryCount(), 6u);
    EXPECT_EQ(again.restoreShipped().focus, EditorFocus::English);
    EXPECT_FALSE(again.usersOwnLetter());
    EXPECT_EQ(again.lines(), kFive);
    EXPECT_EQ(test::folderNames(user), std::vector<std::string>{});
    EXPECT_EQ(readBytes(data + "/A.pal"), shipped);
}

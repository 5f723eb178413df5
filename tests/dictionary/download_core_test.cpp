#include "Codec874.h"
#include "DictionaryTestSupport.h"
#include "Download.h"
#include "LetterFile.h"
#include "LetterSave.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

using namespace dlx;
using dlx::test::readBytes;
using dlx::test::writeBytes;

TEST(Download, updateUrlPutsTheLowerCaseLetterUnderUpdate) {
    struct Row {
        const char *base;
        char32_t letter;
        const char *url;
    } rows[] = {
        {"http://127.0.0.1:8080", U'C', "http://127.0.0.1:8080/update/c.pal"},
        {"http://example.test/dict/", U'A', "http://example.test/dict/update/a.pal"},
        {"  http://h:1//  ", U'Z', "http://h:1/update/z.pal"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(updateUrl(row.base, row.letter), row.url) << row.base;
}

TEST(Download, missingPageIsRecognisedAnywhereInTheText) {
    EXPECT_TRUE(isMissingPage(U"<html><title>404 Not Found</title></html>"));
    EXPECT_TRUE(isMissingPage(U"cat/แมว/n.(นาม)\r\nError 404 Not Found"));
    EXPECT_FALSE(isMissingPage(U"404 not found"));
    EXPECT_FALSE(isMissingPage(U"cat/แมว/n.(นาม)"));
    EXPECT_FALSE(isMissingPage(U""));
}

TEST(Download, savedBytesEndEveryLineWithCrLfAndAddOneMore) {
    struct Row {
        std::u32string text;
        std::string bytes;
    } rows[] = {
        {U"cat/แมว/n.(นาม)\ncow/วัว/n.(นาม)",
         "cat/\xE1\xC1\xC7/n.(\xB9\xD2\xC1)\r\ncow/\xC7\xD1\xC7/n.(\xB9\xD2\xC1)\r\n"},
        {U"a\r\nb\r\n", "a\r\nb\r\n\r\n"}, // a text ending in a line break ends the file with an empty line
        {U"a\rb\n\nc", "a\r\nb\r\n\r\nc\r\n"},
        {U"a\u2029b", "a\r\nb\r\n"},
        {U"", "\r\n"},
        {U"odd/\uF7DB\uF7FF/x\u00A0y", "odd/\xDB\xFF/x\xA0y\r\n"}, // kept undefined bytes and no-break space
    };
    for (const Row &row : rows)
        EXPECT_EQ(downloadFileBytes(row.text), row.bytes) << toUtf8(row.text);
}

TEST(LetterSave, outside874CharactersAreFoundAndNamed) {
    EXPECT_EQ(firstCharacterOutside874(U"cat/แมว\uF7DB/n.(นาม)"), std::nullopt);
    EXPECT_EQ(firstCharacterOutside874(U"caf\u00E9 \u20AC"), U'\u00E9');
    EXPECT_EQ(toUtf8(outside874Message(U'\u00E9')),
              "ข้อมูลมีอักขระ \"\u00E9\" (U+00E9) ซึ่งแฟ้มพจนานุกรมภาษาไทย (Windows-874) เก็บไม่ได้ กรุณาแก้ไขก่อนบันทึก");
    EXPECT_NE(toUtf8(outside874Message(U'\U0001F600')).find("(U+1F600)"), std::string::npos);
}

namespace {

class PublishScriptTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory(data); }

    int publish(const std::string &from) {
        const std::string command =
            std::string("bash '") + DLX_PUBLISH_SCRIPT + "' '" + from + "' '" + site + "' >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    test::TempFolder folder{"dlx-publish"};
    std::string root = folder.path(), data = folder.file("Data"), site = folder.file("site");
};

} // namespace

TEST_F(PublishScriptTest, publishesTheLetterFilesTheProgramReadsUnderLowerCaseNames) {
    const std::string a = "ant/\xC1\xB4/n.(\xB9\xD2\xC1)\r\n\xDB\xFF\r\n";
    const std::string b = "bee/\xBC\xD6\xE9\xA7/n.(\xB9\xD2\xC1)\r\n";
    writeBytes(data + "/A.pal", a);
    writeBytes(data + "/B.PAL", b);
    writeBytes(data + "/c.pal", "cat/x/y\r\n"); // the program never reads a lower-case letter
    writeBytes(data + "/notes.txt", "not a letter file");
    std::filesystem::create_directories(site + "/update");
    writeBytes(site + "/update/z.pal", "stale");

    ASSERT_EQ(publish(data), 0);
    EXPECT_EQ(readBytes(site + "/update/a.pal"), a);
    EXPECT_EQ(readBytes(site + "/update/b.pal"), b);
    EXPECT_EQ(test::folderNames(site + "/update"), (std::vector<std::string>{"a.pal", "b.pal"}));
}

TEST_F(PublishScriptTest, refusesAFolderWithoutLetterFiles) {
    EXPECT_EQ(publish(root + "/missing"), 1);
    EXPECT_EQ(publish(data), 1);
}

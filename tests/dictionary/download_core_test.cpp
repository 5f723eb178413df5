#include "Codec874.h"
#include "DictionaryTestSupport.h"
#include "Download.h"
#include "LetterFile.h"
#include "LetterSave.h"
#include "TextFile.h"
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
    EXPECT_TRUE(isMissingPage("<html><title>404 Not Found</title></html>"));
    EXPECT_TRUE(isMissingPage("cat/\xE1\xC1\xC7/n.\r\nError 404 Not Found"));
    EXPECT_FALSE(isMissingPage("404 not found"));
    EXPECT_FALSE(isMissingPage("cat/\xE1\xC1\xC7/n."));
    EXPECT_FALSE(isMissingPage(""));
}

TEST(Download, onlyALetterFileOfTheChosenLetterPassesTheCheck) {
    struct Row {
        const char *name;
        std::string body;
        std::int64_t announced;
        const char *problem; ///< a piece of the Thai message; nullptr: the body passes
    } rows[] = {
        {"entries", "cat/\xE1\xC1\xC7/n.(\xB9\xD2\xC1)\r\ncow/\xC7\xD1\xC7/n.(\xB9\xD2\xC1)\r\n", 34, nullptr},
        {"either case, blank lines, no label, extra pieces", "Cat/x\r\n\r\ncow/y/z/more\n", -1, nullptr},
        {"no line end at the end", "cat/x", -1, nullptr},
        {"empty body", "", -1, nullptr},
        {"cut short", "cat/x\r\n", 100, "ได้รับข้อมูลไม่ครบ (ได้ 7 จาก 100 ไบต์)"},
        {"gzip", std::string("\x1F\x8B\x08\x00\x00\x00", 6), -1, "(gzip)"},
        {"binary", std::string("cat/x\r\n\x89PNG\0\0", 12), -1, "ไบต์ศูนย์ (NUL) ที่ตำแหน่ง 11"},
        {"undefined byte", "cat/x\r\ncow/\xC7\xDB/n.\r\n", -1, "บรรทัดที่ 2 มีไบต์ 0xDB ซึ่งไม่ใช่อักขระของรหัส Windows-874"},
        {"HTML page", "<!DOCTYPE html>\n<html><body>cat/x</body></html>\n", -1, "เป็นหน้าเว็บ (HTML)"},
        {"line without a slash", "cat/x\r\ncow\r\n", -1, "บรรทัดที่ 2 \"cow\" ไม่อยู่ในรูป ศัพท์/ความหมาย/คุณสมบัติ"},
        {"another letter", "cat/x\r\ndog/\xCB\xC1\xD2/n.\r\n", -1, "บรรทัดที่ 2 ศัพท์ \"dog\" ไม่ได้ขึ้นต้นด้วยอักษร C"},
        {"no word", "/\xE1\xC1\xC7/n.\r\n", -1, "บรรทัดที่ 1 ศัพท์ \"\" ไม่ได้ขึ้นต้นด้วยอักษร C"},
        {"space before the word", " cat/x\r\n", -1, "ไม่ได้ขึ้นต้นด้วยอักษร C"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const DownloadCheck check = checkLetterDownload(row.body, U'C', row.announced);
        if (!row.problem) {
            EXPECT_EQ(toUtf8(check.problem), "");
            EXPECT_EQ(check.download.letter, U'C');
            continue;
        }
        EXPECT_TRUE(toUtf8(check.problem).starts_with("ข้อมูลที่ได้รับไม่ใช่แฟ้มพจนานุกรมหมวดอักษร C: ")) << toUtf8(check.problem);
        EXPECT_NE(toUtf8(check.problem).find(row.problem), std::string::npos) << toUtf8(check.problem);
    }
}

TEST(Download, savedBytesAreTheLinesEachEndedByCrLf) {
    struct Row {
        std::string body, saved;
        std::size_t entries;
    } rows[] = {
        {"cat/x\r\ncow/y\r\n", "cat/x\r\ncow/y\r\n", 2}, // a published file comes back as it was
        {"cat/x\ncow/y", "cat/x\r\ncow/y\r\n", 2},
        {"cat/x\r\r\ncow/y\r\r\n", "cat/x\r\ncow/y\r\n", 2}, // CR CR LF is one line end
        {"cat/x\r\n\r\ncow/y\r", "cat/x\r\n\r\ncow/y\r\n", 2},
        {"", "", 0},
        {"c/\xA0\xA1", "c/\xA0\xA1\r\n", 1}, // no-break space and Thai bytes untouched
    };
    for (const Row &row : rows) {
        const DownloadCheck check = checkLetterDownload(row.body, U'C');
        ASSERT_EQ(toUtf8(check.problem), "") << row.body;
        EXPECT_EQ(check.download.bytes, row.saved) << row.body;
        EXPECT_EQ(check.download.entryCount(), row.entries) << row.body;
        EXPECT_EQ(checkLetterDownload(row.saved, U'C').download.bytes, row.saved) << "saved again";
    }
}

TEST(Download, everyShippedLetterFilePassesTheCheck) {
    for (char32_t L = U'A'; L <= U'Z'; ++L) {
        const auto path = findLetterFile(DLX_SHIPPED_DATA, L);
        ASSERT_TRUE(path);
        auto bytes = readFileBytes(*path);
        ASSERT_TRUE(bytes);
        const DownloadCheck check = checkLetterDownload(*bytes, L, static_cast<std::int64_t>(bytes->size()));
        EXPECT_EQ(toUtf8(check.problem), "") << *path;
        EXPECT_EQ(check.download.bytes, *bytes) << *path;
    }
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

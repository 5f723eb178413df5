// Malformed dictionaries and hostile texts give a clear result, never a crash or a hang.
#include "EngineFixture.h"

using namespace dlx;
using namespace dlx::test;

namespace {

TEST(BadInput, MalformedLetterFiles) {
    TempFolder data;
    std::string undefinedBytes = "car/\x81\xDB\xFF/n.(\xB9\xD2\xC1)\r\n"; // undefined Windows-874 bytes in the meaning
    data.writeBytes("C.pal", undefinedBytes);
    static const char withNul[] = "nul\0l/\xA1\0/n.(\xB9\xD2\xC1)\r\nnull/\xA1/n.(\xB9\xD2\xC1)\r\n";
    data.writeBytes("N.pal", std::string(withNul, sizeof withNul - 1));
    data.writeBytes("L.pal", "long/" + std::string(1 << 20, '\xA1') + "/n.(\xB9\xD2\xC1)\r\n");
    std::string many;
    for (int i = 0; i < 100000; ++i)
        many += "m" + std::to_string(i) + "x/\xA1/\r\n";
    many += "many/\xA2/\r\n";
    data.writeBytes("M.pal", many);
    data.writeBytes("S.pal", "////\r\n/\r\nsome/\xA1/\xA2/\xA3/\xA4\r\n");
    data.writeBytes("E.pal", "");
    data.writeBytes("F.pal", "four/\xA1/n.(\xB9\xD2\xC1)/x/y\r\n");
    const auto wfw = TranslationMode::WordForWord;
    EXPECT_EQ(rawLines(data.path(), "car", wfw), std::vector<std::string>{"\uF781\uF7DB\uF7FF"});
    EXPECT_EQ(rawLines(data.path(), "null", wfw), std::vector<std::string>{"ก"});
    EXPECT_EQ(rawLines(data.path(), "long", wfw).at(0).size(), 3u << 20);
    EXPECT_EQ(rawLines(data.path(), "many", wfw), std::vector<std::string>{"ข"});
    EXPECT_EQ(rawLines(data.path(), "some", wfw), std::vector<std::string>{"ก"});
    EXPECT_EQ(rawLines(data.path(), "empty", wfw), std::vector<std::string>{"empty"});
    EXPECT_EQ(rawLines(data.path(), "four", wfw), std::vector<std::string>{"ก"});
}

TEST(BadInput, AMissingDataFolderLeavesEveryWordAsItIs) {
    EXPECT_EQ(translateUtf8("/nonexistent/dualexicon/Data", "red cars run."), "red cars run.");
}

TEST(BadInput, HostileTexts) {
    TempFolder data;
    data.writeEntries({entry("go", "ไป", VI), entry("a", "เอ", N)});
    const auto wfw = TranslationMode::WordForWord;
    EXPECT_EQ(rawLines(data.path(), "go\rgo\r\rgo", wfw), (std::vector<std::string>{"ไป", "ไป", "", "ไป"}));
    EXPECT_EQ(rawLines(data.path(), "\t\tgo\t\t\tgo\t", wfw), std::vector<std::string>{"\t\tไป\t\t\tไป\t"});
    EXPECT_EQ(rawLines(data.path(), "go" + std::string(200, ' ') + "go", wfw),
              std::vector<std::string>{"ไป" + std::string(199, ' ') + "ไป"});
    std::string longLine;
    for (int i = 0; i < (1 << 20) / 3; ++i)
        longLine += "go ";
    const auto out = rawLines(data.path(), longLine, wfw);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].size(), static_cast<size_t>((1 << 20) / 3) * 6);
    // Invalid UTF-8 bytes become replacement characters and pass through.
    EXPECT_EQ(toUtf8(fromUtf8("go \xFF\xFE go")), "go \uFFFD\uFFFD go");
    EXPECT_EQ(translateUtf8(data.path(), "go \xFF go", wfw), "ไป\uFFFD ไป");
}

} // namespace

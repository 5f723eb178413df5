#include "GameTestSupport.h"
#include "Settings.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace dlx;
using dlx::test::TempDictionary;

TEST(ProfileStrings, IntegersReadAsZeroWhenMissingNotANumberOrNegative) {
    TempDictionary folder;
    const QString path = QString::fromStdString(folder.path()) + "/profile.ini";
    IniProfileStrings profile(path);
    const std::pair<const char *, int> rows[] = {
        {"12", 12},        {"0", 0},      {"-3", 0}, {"x", 0},  {"", 0},
        {" 7", 7},         {"12abc", 12}, {"+5", 5}, {"-0", 0}, {"2147483647", 2147483647},
        {"2147483648", 0}, {"7,5", 7},
    };
    for (const auto &[text, expected] : rows) {
        ASSERT_TRUE(profile.writeString("Dualexicon", "HiScore PimEng", QString::fromUtf8(text)));
        EXPECT_EQ(profile.readInt("Dualexicon", "HiScore PimEng"), expected) << text;
        EXPECT_EQ(profile.readString("Dualexicon", "HiScore PimEng"), QString::fromUtf8(text));
    }
    EXPECT_EQ(profile.readInt("Dualexicon", "HiTime PimEng"), 0);
    EXPECT_EQ(profile.readInt("Other", "HiScore PimEng"), 0);
}

TEST(ProfileStrings, HandEditedValuesAreReadAsWritten) {
    TempDictionary folder;
    const QString path = QString::fromStdString(folder.path()) + "/profile.ini";
    ASSERT_TRUE(
        writeFileBytes(path.toStdString(), "[Dualexicon]\r\nHiScore%20PuzzleGame=9,1\r\nHiTime%20PimThai=-2\r\n").ok());
    IniProfileStrings profile(path);
    EXPECT_EQ(profile.readInt("Dualexicon", "HiScore PuzzleGame"), 9);
    EXPECT_EQ(profile.readInt("Dualexicon", "HiTime PimThai"), 0);
}

TEST(ProfileStrings, AWriteThatCannotReachTheFileSaysSo) {
    TempDictionary folder;
    const std::string blocker = folder.path() + "/not-a-folder";
    ASSERT_TRUE(writeFileBytes(blocker, "x").ok());
    IniProfileStrings profile(QString::fromStdString(blocker) + "/profile.ini");
    EXPECT_FALSE(profile.writeString("Dualexicon", "HiScore PimEng", "4"));
    EXPECT_EQ(profile.readInt("Dualexicon", "HiScore PimEng"), 0);
}

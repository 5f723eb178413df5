#include "SkinNames.h"

#include <gtest/gtest.h>

using namespace dlx;

TEST(SkinNames, OnlyTheLastThreeCharactersCount) {
    struct Row {
        std::u32string name;
        bool accepted;
    };
    const Row rows[] = {
        {U"sky.jpg", true},   {U"SKY.JpG", true}, {U"sea.bmp", true},   {U"anim.GIF", true},
        {U"xgif", true},      {U"ภาพ.Bmp", true}, {U"sky.jpeg", false}, {U"sky.png", false},
        {U"sky.jpg ", false}, {U"gi", false},     {U"", false},         {U"notes.txt", false},
    };
    for (const Row &r : rows)
        EXPECT_EQ(isSkinPictureName(r.name), r.accepted) << std::string(r.name.begin(), r.name.end());
}

TEST(SkinNames, PathJoinsWithOneSeparator) {
    EXPECT_EQ(joinSkinPath(U"/", U"a.bmp"), U"/a.bmp");
    EXPECT_EQ(joinSkinPath(U"/home/pat/Pictures", U"a.bmp"), U"/home/pat/Pictures/a.bmp");
    EXPECT_EQ(joinSkinPath(U"/media/usb/", U"ภาพ.jpg"), U"/media/usb/ภาพ.jpg");
    EXPECT_EQ(joinSkinPath(U"C:\\", U"a.bmp", U'\\'), U"C:\\a.bmp");
    EXPECT_EQ(joinSkinPath(U"C:\\Skins", U"a.bmp", U'\\'), U"C:\\Skins\\a.bmp");
}

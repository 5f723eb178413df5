// Where the programs look for their files: beside the executable in a build or a copied folder, in
// ../share/dualexicon once installed; and when they must keep their hands off the files they ship.
#include "ProgramPaths.h"
#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace dlx;

TEST(ProgramPaths, InstalledWhenTheFilesAreSharedOrCannotBeWritten) {
    struct Case {
        bool beside, writable, installed;
    };
    for (const Case c :
         {Case{true, true, false}, Case{true, false, true}, Case{false, true, true}, Case{false, false, true}})
        EXPECT_EQ(isInstalledLayout(c.beside, c.writable), c.installed)
            << "beside " << c.beside << ", writable " << c.writable;
}

TEST(ProgramPaths, FindsDataBesideTheExecutableFirstThenInTheShareFolder) {
    struct Case {
        const char *name;
        std::vector<std::string> folders; // made under the prefix
        std::string dataRoot;             // relative to the prefix
        bool installed;                   // the temporary folder is writable, even for a normal user
    };
    const std::vector<Case> cases = {
        {"build folder", {"bin/Data"}, "bin", false},
        {"installed", {"share/dualexicon/Data"}, "share/dualexicon", true},
        {"copied folder wins", {"bin/Data", "share/dualexicon/Data"}, "bin", false},
        {"share folder without Data", {"share/dualexicon/Skin"}, "bin", false},
        {"nothing anywhere", {}, "bin", false},
    };
    for (const auto &c : cases) {
        test::TempFolder prefix;
        std::filesystem::create_directories(prefix.file("bin"));
        for (const auto &f : c.folders)
            std::filesystem::create_directories(prefix.file(f));
        const ProgramPaths paths = locateProgram(prefix.file("bin"));
        EXPECT_EQ(paths.programFolder, prefix.file("bin")) << c.name;
        EXPECT_EQ(paths.dataRoot, prefix.file(c.dataRoot)) << c.name;
        EXPECT_EQ(paths.installed, c.installed) << c.name;
    }
}

TEST(ProgramPaths, TheRunningExecutableIsFound) {
    EXPECT_TRUE(std::filesystem::exists(executableFolder() + "/install_tests"));
}

TEST(ProgramPaths, AnInstalledProgramKeepsWorkFilesAndTheUsersDictionaryInTheUsersFolders) {
    struct Case {
        const char *name;
        bool installed;
        const char *cache, *data; // the XDG variables
        std::string shipped, user, work;
    };
    const std::vector<Case> cases = {
        {"own folder", false, "/c", "/d", "/p/Data", "/p/Data", "/p"},
        {"installed", true, nullptr, nullptr, "/p/Data", "/h/.local/share/Dualexicon/Data", "/h/.cache/Dualexicon"},
        {"XDG folders", true, "/c", "/d", "/p/Data", "/d/Dualexicon/Data", "/c/Dualexicon"},
        {"relative XDG folders", true, "c", "", "/p/Data", "/h/.local/share/Dualexicon/Data", "/h/.cache/Dualexicon"},
    };
    for (const auto &c : cases) {
        const RunFolders folders = chooseRunFolders({"/p", "/p", c.installed}, "/h", c.cache, c.data);
        EXPECT_EQ(folders.data.shipped, c.shipped) << c.name;
        EXPECT_EQ(folders.data.user, c.user) << c.name;
        EXPECT_EQ(folders.data.layered(), c.installed) << c.name;
        EXPECT_EQ(folders.work, c.work) << c.name;
    }
}

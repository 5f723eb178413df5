// A save replaces the letter file's content and nothing else about it.
#include "DictionaryTestSupport.h"
#include "LetterSave.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace dlx;
using dlx::test::folderNames;
using dlx::test::readBytes;

namespace {

class LetterSaveTest : public ::testing::Test {
protected:
    test::TempFolder folder{"dlx-save"};
    std::string data = folder.file("Data");
    void SetUp() override { folder.writeBytes("Data/A.pal", "ant/old/n.\r\n"); }
};

struct stat statOf(const std::string &path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

} // namespace

TEST_F(LetterSaveTest, keepsTheModeOwnerAndGroupOfTheFile) {
    const std::string path = data + "/A.pal";
    ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
    // Another user's file, when this test may hand it to one (as root); otherwise the saver's own.
    const bool otherOwner = ::chown(path.c_str(), 4242, 4343) == 0;
    const struct stat before = statOf(path);

    ASSERT_EQ(saveLetterBytes(data, U'A', "ant/new/n.\r\n"), std::nullopt);
    const struct stat after = statOf(path);
    EXPECT_EQ(readBytes(path), "ant/new/n.\r\n");
    EXPECT_EQ(after.st_mode & 07777, 0664u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    if (otherOwner)
        EXPECT_EQ(after.st_uid, 4242u);
}

TEST_F(LetterSaveTest, aLinkedLetterFileStaysALinkAndTheFileItNamesIsSaved) {
    folder.writeBytes("shared/B.pal", "bee/old/n.\r\n");
    ASSERT_EQ(::symlink("../shared/B.pal", (data + "/B.pal").c_str()), 0);

    ASSERT_EQ(saveLetterBytes(data, U'B', "bee/new/n.\r\n"), std::nullopt);
    EXPECT_TRUE(S_ISLNK(statOf(data + "/B.pal").st_mode));
    EXPECT_EQ(readBytes(folder.file("shared/B.pal")), "bee/new/n.\r\n");
    EXPECT_EQ(folderNames(data), (std::vector<std::string>{"A.pal", "B.pal"}));
    EXPECT_EQ(folderNames(folder.file("shared")), std::vector<std::string>{"B.pal"});
}

TEST_F(LetterSaveTest, aSaveKilledMidWriteLeavesAMarkedFileThatIsSweptLater) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The write past 100 bytes kills the process, as a crash or a kill would in the middle of a save.
        rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, SIG_DFL);
        (void)writeFileAtomically(data + "/A.pal", std::string(5000, 'a'));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    std::vector<std::string> names = folderNames(data);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[1], "A.pal");
    EXPECT_TRUE(names[0].starts_with(".A.pal.dlx-")) << names[0];
    EXPECT_TRUE(isTemporaryFileName(names[0]));
    EXPECT_EQ(readBytes(data + "/A.pal"), "ant/old/n.\r\n");

    // A temporary file whose writer is still at work is left alone.
    const std::string busy = data + "/.B.pal.dlx-Busy42";
    const int fd = ::open(busy.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    folder.writeBytes("Data/.notes.dlx-keep", "not ours: the name does not fit");

    ASSERT_EQ(saveLetterBytes(data, U'A', "ant/new/n.\r\n"), std::nullopt);
    EXPECT_EQ(folderNames(data), (std::vector<std::string>{".B.pal.dlx-Busy42", ".notes.dlx-keep", "A.pal"}));
    ::close(fd);
    EXPECT_EQ(removeStaleTemporaryFiles(data), 1u);
    EXPECT_EQ(folderNames(data), (std::vector<std::string>{".notes.dlx-keep", "A.pal"}));
}

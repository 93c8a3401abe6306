#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "platform/files.h"
#include "platform/files_test_hooks.h"
#include "test_support.h"

namespace {

// Each test gets an empty folder (not entered: paths are given in full).
class FilesTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"files", false};
    const std::string Root = Scratch.Path();

    void SetUp() override { ASSERT_TRUE(Scratch.Ready()); }
    void Write(const std::string& Path, const std::string& Text)
    {
        FILE* pFile = std::fopen(Path.c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fwrite(Text.data(), 1, Text.size(), pFile);
        std::fclose(pFile);
    }
};

}  // namespace

TEST_F(FilesTest, ResolvesBackslashesAndCaseOfEachComponent)
{
    ASSERT_TRUE(files::Create_Folders((Root + "/Data/Names").c_str()));
    Write(Root + "/Data/Names/First.TXT", "John\n");

    EXPECT_EQ(files::Resolve_Path((Root + "\\data\\names\\first.txt").c_str()), Root + "/Data/Names/First.TXT");
    EXPECT_TRUE(files::File_Exists((Root + "/DATA/names/FIRST.txt").c_str()));
    std::vector<unsigned char> Data;
    ASSERT_TRUE(files::Read_Whole_File((Root + "\\data\\NAMES\\first.txt").c_str(), Data));
    EXPECT_EQ(std::string(Data.begin(), Data.end()), "John\n");

    // Components that do not exist keep their spelling, after the matched part.
    EXPECT_EQ(files::Resolve_Path((Root + "\\data\\Output\\Box-19-001.htm").c_str()),
              Root + "/Data/Output/Box-19-001.htm");
    // Creating folders resolves too: "data" is the existing "Data".
    ASSERT_TRUE(files::Create_Folders((Root + "/data").c_str()));
    EXPECT_EQ(files::Resolve_Path((Root + "/data").c_str()), Root + "/Data");
    // An exact match wins over a case-insensitive one.
    ASSERT_EQ(::mkdir((Root + "/data").c_str(), 0777), 0);
    EXPECT_EQ(files::Resolve_Path((Root + "/data").c_str()), Root + "/data");
}

TEST_F(FilesTest, ResolvesTheEdgesOfAPath)
{
    ASSERT_TRUE(files::Create_Folders((Root + "/Logos").c_str()));
    Write(Root + "/Logos/Team.png", "p");
    // "..", "." and doubled or trailing slashes.
    EXPECT_EQ(files::Resolve_Path((Root + "/logos/../LOGOS/./team.PNG").c_str()), Root + "/Logos/../Logos/./Team.png");
    EXPECT_EQ(files::Resolve_Path((Root + "\\logos\\").c_str()), Root + "/Logos/");
    // A file where a folder is expected: the rest stays as spelled and
    // nothing opens.
    EXPECT_EQ(files::Resolve_Path((Root + "/logos/team.png/x").c_str()), Root + "/Logos/Team.png/x");
    EXPECT_EQ(files::Open_File((Root + "/logos/team.png/x").c_str(), "wb"), nullptr);
    // A folder is never opened as a file.
    EXPECT_EQ(files::Open_File((Root + "/LOGOS").c_str(), "rb"), nullptr);
    std::vector<unsigned char> Data;
    EXPECT_FALSE(files::Read_Whole_File((Root + "/logos").c_str(), Data));
    // Where a file and a folder differ only in case, a path going on below
    // takes the folder.
    Write(Root + "/OUTPUT", "a file");
    ASSERT_EQ(::mkdir((Root + "/output").c_str(), 0777), 0);
    EXPECT_EQ(files::Resolve_Path((Root + "/Output/Box.htm").c_str()), Root + "/output/Box.htm");
    // At the end of the path the smallest spelling in byte order.
    EXPECT_EQ(files::Resolve_Path((Root + "/Output").c_str()), Root + "/OUTPUT");
    EXPECT_EQ(files::Resolve_Path("/"), "/");
    EXPECT_EQ(files::Resolve_Path(""), "");
}

TEST_F(FilesTest, CreatesFoldersAndWritesThroughResolvedPaths)
{
    ASSERT_TRUE(files::Create_Folders((Root + "/Output").c_str()));
    FILE* pFile = files::Open_File((Root + "\\output\\Report.txt").c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    std::fputs("line\n", pFile);
    std::fclose(pFile);
    EXPECT_TRUE(files::File_Exists((Root + "/Output/Report.txt").c_str()));

    EXPECT_TRUE(files::Rename_File((Root + "/output/report.txt").c_str(), (Root + "/Output/Moved.txt").c_str()));
    EXPECT_FALSE(files::File_Exists((Root + "/Output/Report.txt").c_str()));
    EXPECT_TRUE(files::Delete_File((Root + "/OUTPUT/moved.TXT").c_str()));
    EXPECT_FALSE(files::File_Exists((Root + "/Output/Moved.txt").c_str()));
    EXPECT_FALSE(files::Delete_File((Root + "/Output/Moved.txt").c_str()));

    // Bad arguments fail cleanly.
    EXPECT_EQ(files::Open_File(nullptr, "rb"), nullptr);
    EXPECT_EQ(files::Open_File("", "rb"), nullptr);
    std::vector<unsigned char> Missing{1, 2};
    EXPECT_FALSE(files::Read_Whole_File((Root + "/missing.bin").c_str(), Missing));
    EXPECT_TRUE(Missing.empty());
}

TEST_F(FilesTest, ListsFolderWithWildcardWithoutRegardToCase)
{
    Write(Root + "/Game One.zrt", "a");
    Write(Root + "/[Auto Save].ZRT", "b");
    Write(Root + "/notes.txt", "c");
    std::vector<std::string> Names = files::List_Folder(Root.c_str(), "*.zrt");
    // In name order, whatever order the folder keeps.
    ASSERT_EQ(Names.size(), 2u);
    EXPECT_EQ(Names[0], "Game One.zrt");
    EXPECT_EQ(Names[1], "[Auto Save].ZRT");

    EXPECT_TRUE(files::Wildcard_Match("Box-?" "?-*.htm", "box-19-001.HTM"));
    EXPECT_FALSE(files::Wildcard_Match("Box-?" "?-*.htm", "Box-1-001.htm"));
    EXPECT_TRUE(files::Wildcard_Match("*", ""));
    EXPECT_FALSE(files::Wildcard_Match("a*b", "acbx"));
    EXPECT_FALSE(files::Wildcard_Match(nullptr, "a"));
    EXPECT_TRUE(files::List_Folder((Root + "/none").c_str(), "*").empty());
}

TEST_F(FilesTest, WholeFileReadsStopAtTheirLimitAndTakeRegularFilesOnly)
{
    Write(Root + "/flags.txt", std::string(100, 'a'));
    std::vector<unsigned char> Data{9};
    // Exactly the limit reads; one byte more is refused whole.
    ASSERT_TRUE(files::Read_Whole_File((Root + "/flags.txt").c_str(), Data, 100));
    EXPECT_EQ(Data.size(), 100u);
    errno = 0;
    EXPECT_FALSE(files::Read_Whole_File((Root + "/flags.txt").c_str(), Data, 99));
    EXPECT_EQ(errno, EFBIG);
    EXPECT_TRUE(Data.empty());
    // A limit as large as can be does not wrap around.
    ASSERT_TRUE(files::Read_Whole_File((Root + "/flags.txt").c_str(), Data, SIZE_MAX));
    EXPECT_EQ(Data.size(), 100u);
    // Longer than one read of the reader's buffer, and over the limit only in
    // its last piece.
    Write(Root + "/long.bin", std::string(200000, 'b'));
    ASSERT_TRUE(files::Read_Whole_File((Root + "/long.bin").c_str(), Data, 200000));
    EXPECT_EQ(Data.size(), 200000u);
    EXPECT_FALSE(files::Read_Whole_File((Root + "/long.bin").c_str(), Data, 199999));
    EXPECT_EQ(errno, EFBIG);
    // A large file is refused by its size, without being read.
    Write(Root + "/huge.bin", "x");
    ASSERT_EQ(::truncate((Root + "/huge.bin").c_str(), 1LL << 30), 0);
    EXPECT_FALSE(files::Read_Whole_File((Root + "/huge.bin").c_str(), Data));
    EXPECT_EQ(errno, EFBIG);

    // Things that may never end or never answer are not read: a device
    // (through a symbolic link) and a pipe that nobody writes.
    ASSERT_EQ(::symlink("/dev/zero", (Root + "/zero.txt").c_str()), 0);
    EXPECT_FALSE(files::Read_Whole_File((Root + "/ZERO.txt").c_str(), Data, 1000));
    EXPECT_EQ(errno, EINVAL);
    ASSERT_EQ(::mkfifo((Root + "/pipe.txt").c_str(), 0600), 0);
    EXPECT_FALSE(files::Read_Whole_File((Root + "/pipe.txt").c_str(), Data, 1000));
    EXPECT_EQ(errno, EINVAL);
    // A symbolic link to a regular file reads it.
    ASSERT_EQ(::symlink((Root + "/flags.txt").c_str(), (Root + "/link.txt").c_str()), 0);
    EXPECT_TRUE(files::Read_Whole_File((Root + "/link.txt").c_str(), Data, 100));
    EXPECT_EQ(Data.size(), 100u);

    EXPECT_FALSE(files::Read_Whole_File((Root + "/none.txt").c_str(), Data));
    EXPECT_EQ(errno, ENOENT);
    ASSERT_TRUE(files::Create_Folders((Root + "/Folder").c_str()));
    EXPECT_FALSE(files::Read_Whole_File((Root + "/folder").c_str(), Data));
    EXPECT_EQ(errno, EISDIR);
    EXPECT_TRUE(Data.empty());
}

// The tests' own scratch folder: entered while it lives, then left and
// removed with everything in it, read-only files and folders included; the
// lines of "debug.txt" are read with and without their time stamps.
TEST(FilesScratchFolder, IsEnteredThenRemovedWithReadOnlyContents)
{
    const std::string Before = files::Get_Current_Folder();
    std::string Path;
    {
        SCRATCH_FOLDER Scratch("scratch_check");
        ASSERT_TRUE(Scratch.Ready());
        Path = Scratch.Path();
        EXPECT_EQ(files::Get_Current_Folder(), Path);
        ASSERT_EQ(::mkdir("locked", 0700), 0);
        FILE* pFile = std::fopen("locked/data.bin", "wb");
        ASSERT_NE(pFile, nullptr);
        std::fclose(pFile);
        ASSERT_EQ(::chmod("locked/data.bin", 0400), 0);
        ASSERT_EQ(::chmod("locked", 0500), 0);

        pFile = std::fopen(DEBUG_LOG_FILE, "wb");
        ASSERT_NE(pFile, nullptr);
        std::fputs("1700000000 ERROR: first\r\n1700000001 second line\nno stamp", pFile);
        std::fclose(pFile);
        const std::vector<std::string> Raw = {"1700000000 ERROR: first", "1700000001 second line", "no stamp"};
        const std::vector<std::string> Dropped = {"ERROR: first", "second line", "no stamp"};
        EXPECT_EQ(Read_Debug_Log_Lines(false), Raw);
        EXPECT_EQ(Read_Debug_Log_Lines(true), Dropped);
        EXPECT_EQ(Read_Text_File("none.txt", "<missing>"), "<missing>");
    }
    EXPECT_EQ(files::Get_Current_Folder(), Before);
    struct stat Info;
    EXPECT_NE(::stat(Path.c_str(), &Info), 0);
}

TEST_F(FilesTest, AFolderLockIsHeldAgainstEveryOtherOpenOfItsFile)
{
    const std::string Lock = Root + "/kelvo.lock";
    ASSERT_EQ(files::Take_Folder_Lock(Lock.c_str()), 1);
    EXPECT_TRUE(files::File_Exists(Lock.c_str()));
    // Another open file of the same lock is what a second program has.
    const int nOther = ::open(Lock.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(nOther, 0);
    EXPECT_NE(::flock(nOther, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(errno, EWOULDBLOCK);
    // Held by someone else, the lock is refused.
    files::Release_Folder_Lock();
    ASSERT_EQ(::flock(nOther, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(files::Take_Folder_Lock(Lock.c_str()), 0);
    ::close(nOther);
    EXPECT_EQ(files::Take_Folder_Lock(Lock.c_str()), 1);
    files::Release_Folder_Lock();
    // Where the lock file cannot be made there is nothing to lock.
    Write(Root + "/plain", "x");
    EXPECT_EQ(files::Take_Folder_Lock((Root + "/plain/kelvo.lock").c_str()), -1);
    EXPECT_EQ(errno, ENOTDIR);
}

TEST_F(FilesTest, TemporariesAreUniqueBesideTheirTargetAndOnlyTheyAreRemoved)
{
    ASSERT_TRUE(files::Create_Folders((Root + "/Games").c_str()));
    std::string First;
    std::string Second;
    FILE* pFirst = files::Create_Temporary_File((Root + "/games/a.zrt").c_str(), First);
    FILE* pSecond = files::Create_Temporary_File((Root + "/games/a.zrt").c_str(), Second);
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_NE(First, Second);
    EXPECT_EQ(First.rfind(Root + "/Games/.kelvo-save-", 0), 0u) << First;
    EXPECT_EQ(First.size(), (Root + "/Games/.kelvo-save-").size() + 6);
    std::fclose(pFirst);
    std::fclose(pSecond);
    EXPECT_TRUE(files::Sync_Folder_Of((Root + "/games/a.zrt").c_str()));
    std::string None;
    EXPECT_EQ(files::Create_Temporary_File((Root + "/nowhere/a.zrt").c_str(), None), nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(None, "");

    // Look-alikes stay: another length, another case, a folder, another name.
    Write(Root + "/Games/.kelvo-save-abc", "x");
    Write(Root + "/Games/.KELVO-SAVE-abcdef", "x");
    Write(Root + "/Games/a.zrt.kelvo-save-abcdef", "x");
    Write(Root + "/Games/a.zrt", "x");
    ASSERT_TRUE(files::Create_Folders((Root + "/Games/.kelvo-save-folder").c_str()));
    EXPECT_EQ(files::Remove_Temporary_Files((Root + "/Games").c_str()), 2);
    EXPECT_EQ(files::List_Folder((Root + "/Games").c_str(), "*"),
              (std::vector<std::string>{".KELVO-SAVE-abcdef", ".kelvo-save-abc", ".kelvo-save-folder",
                                        "a.zrt", "a.zrt.kelvo-save-abcdef"}));
}

// A pipe nobody writes, in place of a file: every open returns at once,
// refused (a reader that waited in open() would hang this test's child,
// which the parent kills after five seconds).
TEST_F(FilesTest, APipeIsRefusedAtOnceAndNeverWaitedOn)
{
    const std::string Pipe = Root + "/Saved.zrt";
    ASSERT_EQ(::mkfifo(Pipe.c_str(), 0644), 0);
    const pid_t nChild = ::fork();
    ASSERT_GE(nChild, 0);
    if (nChild == 0) {
        int nRefused = 0;
        for (const char* szMode : {"rb", "r", "r+b", "wb", "ab", "a+"}) {
            errno = 0;
            FILE* pFile = files::Open_File(Pipe.c_str(), szMode);
            nRefused += pFile == nullptr && errno == EINVAL;
        }
        std::vector<unsigned char> Data;
        nRefused += !files::Read_Whole_File(Pipe.c_str(), Data);
        ::_exit(nRefused);
    }
    int nStatus = 0;
    pid_t nDone = 0;
    for (int i = 0; i < 500 && (nDone = ::waitpid(nChild, &nStatus, WNOHANG)) == 0; ++i)
        ::usleep(10000);
    if (nDone == 0) {
        ::kill(nChild, SIGKILL);
        ::waitpid(nChild, &nStatus, 0);
        FAIL() << "an open of the pipe waited";
    }
    ASSERT_TRUE(WIFEXITED(nStatus));
    EXPECT_EQ(WEXITSTATUS(nStatus), 7);
    // A device is taken for writing only.
    EXPECT_EQ(files::Open_File("/dev/null", "rb"), nullptr);
    FILE* pNull = files::Open_File("/dev/null", "wb");
    EXPECT_NE(pNull, nullptr);
    if (pNull != nullptr)
        std::fclose(pNull);
}

// Names made, removed and renamed by us, and by others, while a folder's
// listing is kept: each is found without regard to case exactly as if the
// folder were listed anew.
TEST_F(FilesTest, CaseInsensitiveNamesStayRightWhileAListingIsKept)
{
    const std::string Folder = Root + "/Output";
    ASSERT_TRUE(files::Create_Folders(Folder.c_str()));
    Write(Folder + "/Box-19-001.htm", "a");
    // A name that is not there keeps its spelling (and lists the folder).
    EXPECT_EQ(files::Resolve_Path((Folder + "/box-19-002.htm").c_str()), Folder + "/box-19-002.htm");
    EXPECT_EQ(files::Resolve_Path((Folder + "/BOX-19-001.HTM").c_str()), Folder + "/Box-19-001.htm");
    // Made by us.
    FILE* pFile = files::Open_File((Folder + "/Recap-19-001.htm").c_str(), "w");
    ASSERT_NE(pFile, nullptr);
    std::fclose(pFile);
    EXPECT_EQ(files::Resolve_Path((Folder + "/recap-19-001.HTM").c_str()), Folder + "/Recap-19-001.htm");
    // Made by another program behind our back.
    Write(Folder + "/Notes.TXT", "n");
    EXPECT_EQ(files::Resolve_Path((Folder + "/notes.txt").c_str()), Folder + "/Notes.TXT");
    // Removed by us, and by another.
    EXPECT_TRUE(files::Delete_File((Folder + "/RECAP-19-001.htm").c_str()));
    EXPECT_EQ(files::Resolve_Path((Folder + "/recap-19-001.htm").c_str()), Folder + "/recap-19-001.htm");
    ASSERT_EQ(::unlink((Folder + "/Notes.TXT").c_str()), 0);
    EXPECT_EQ(files::Resolve_Path((Folder + "/notes.txt").c_str()), Folder + "/notes.txt");
    // Renamed by us.
    EXPECT_TRUE(files::Rename_File((Folder + "/box-19-001.htm").c_str(), (Folder + "/Final.htm").c_str()));
    EXPECT_EQ(files::Resolve_Path((Folder + "/FINAL.HTM").c_str()), Folder + "/Final.htm");
    EXPECT_EQ(files::Resolve_Path((Folder + "/box-19-001.htm").c_str()), Folder + "/box-19-001.htm");
    // A folder of the same path made anew is another folder.
    ASSERT_EQ(::rename(Folder.c_str(), (Root + "/Old").c_str()), 0);
    ASSERT_EQ(::mkdir(Folder.c_str(), 0755), 0);
    Write(Folder + "/FINAL.htm", "b");
    EXPECT_EQ(files::Resolve_Path((Folder + "/final.htm").c_str()), Folder + "/FINAL.htm");
}

TEST(FilesClimbing, OnlyARelativePathThatLeavesItsFolderClimbsOut)
{
    EXPECT_TRUE(files::Climbs_Out_Of_Folder("../escape_site"));
    EXPECT_TRUE(files::Climbs_Out_Of_Folder("..\\x.txt"));
    EXPECT_TRUE(files::Climbs_Out_Of_Folder("Output/../../x.txt"));
    EXPECT_TRUE(files::Climbs_Out_Of_Folder("./.."));
    EXPECT_FALSE(files::Climbs_Out_Of_Folder("Output/../x.txt"));
    EXPECT_FALSE(files::Climbs_Out_Of_Folder("a/b/../../c"));
    EXPECT_FALSE(files::Climbs_Out_Of_Folder("..x/y"));
    EXPECT_FALSE(files::Climbs_Out_Of_Folder("/tmp/../x"));
    EXPECT_FALSE(files::Climbs_Out_Of_Folder("HTML_Export"));
}

// A lock file that cannot be made nor opened says why the first try failed,
// not the retry's "No such file" (sysfs refuses new files even to root).
TEST(FilesLock, TheFirstErrorOfALockThatCannotBeMadeIsKept)
{
    errno = 0;
    EXPECT_EQ(files::Take_Folder_Lock("/sys/kelvo.lock"), -1);
    EXPECT_NE(errno, ENOENT);
    EXPECT_NE(errno, 0);
}

// The bytes fit the stream's buffer, so every write is accepted and only
// the final flush, at the close, meets the file-size limit: the call fails
// with the system's cause, and the old file and no temporary are left.
TEST_F(FilesTest, AWholeFileWhoseCloseFailsLeavesTheOldFile)
{
    const std::string Target = Root + "/kept.txt";
    Write(Target, "the old file");
    const std::string Bytes(1000, 'n');
    const int nAnswer = file_size_limit::Run_Limited(100, [&Target, &Bytes] {
        errno = 0;
        if (files::Write_Whole_File(Target.c_str(), Bytes.data(), Bytes.size()))
            return 1;
        return errno == EFBIG ? 0 : 2;
    });
    EXPECT_EQ(nAnswer, 0) << "1: reported written; 2: failed without the cause";
    EXPECT_EQ(Read_Text_File(Target), "the old file");
    EXPECT_EQ(files::List_Folder(Root.c_str(), files::TEMPORARY_FILE_PATTERN), std::vector<std::string>{});
    // With room, the same call replaces the file.
    ASSERT_TRUE(files::Write_Whole_File(Target.c_str(), Bytes.data(), Bytes.size()));
    EXPECT_EQ(Read_Text_File(Target), Bytes);
}

// A file replaced whole takes its name by a rename: a link standing under
// the name is replaced, never written through, and the linked file keeps its
// bytes. A folder in the name's place fails the rename, a full device the
// write; either way the temporary is gone and the cause told.
TEST_F(FilesTest, AFileReplacedWholeNeverWritesThroughALink)
{
    const std::string Linked = Root + "/linked.txt";
    const std::string Target = Root + "/target.txt";
    Write(Linked, "the linked file");
    ASSERT_EQ(::symlink(Linked.c_str(), Target.c_str()), 0);
    ASSERT_TRUE(files::Write_Whole_File(Target.c_str(), "new", 3, true));
    EXPECT_EQ(Read_Text_File(Linked), "the linked file");
    struct stat Info;
    ASSERT_EQ(::lstat(Target.c_str(), &Info), 0);
    EXPECT_TRUE(S_ISREG(Info.st_mode));
    EXPECT_EQ(Read_Text_File(Target), "new");

    ASSERT_TRUE(files::Create_Folders((Root + "/taken.txt").c_str()));
    std::string Temporary;
    FILE* pFile = files::Create_Temporary_File((Root + "/taken.txt").c_str(), Temporary);
    ASSERT_NE(pFile, nullptr);
    std::fputs("text", pFile);
    errno = 0;
    EXPECT_EQ(files::Finish_Temporary_File(pFile, Temporary, (Root + "/taken.txt").c_str(), true, false),
              files::REPLACE_RENAME_FAILED);
    EXPECT_EQ(errno, EISDIR);

    files::Set_Temporary_Write_Device("/dev/full");
    errno = 0;
    const bool bWritten = files::Write_Whole_File(Target.c_str(), "full", 4);
    const int nError = errno;
    files::Set_Temporary_Write_Device(nullptr);
    EXPECT_FALSE(bWritten);
    EXPECT_EQ(nError, ENOSPC);
    EXPECT_EQ(Read_Text_File(Target), "new");
    EXPECT_EQ(files::List_Folder(Root.c_str(), files::TEMPORARY_FILE_PATTERN), std::vector<std::string>{});
}

// A symbolic link in the lock file's place, dangling or not, is not
// followed: nothing is made where it points.
TEST_F(FilesTest, ALockFileThatIsALinkIsRefusedAndNotFollowed)
{
    const std::string Lock = Root + "/kelvo.lock";
    const std::string Target = Root + "/outside";
    ASSERT_EQ(::symlink(Target.c_str(), Lock.c_str()), 0);
    errno = 0;
    EXPECT_EQ(files::Take_Folder_Lock(Lock.c_str()), -1);
    EXPECT_EQ(errno, ELOOP);
    struct stat Info;
    EXPECT_NE(::lstat(Target.c_str(), &Info), 0) << "the lock made a file where its link points";
    Write(Target, "x");
    EXPECT_EQ(files::Take_Folder_Lock(Lock.c_str()), -1);
    EXPECT_EQ(Read_Text_File(Target), "x");
}

// An append never follows a link at its name: the linked file keeps its
// bytes, a dangling link's target is never made, and the link gives way to a
// file of our own, then appended to. A device at the name itself (made here,
// never the system's) is written, never replaced, even when the write fails.
TEST_F(FilesTest, AnAppendNeverFollowsALinkAndADeviceIsNeverReplaced)
{
    Write(Root + "/linked.txt", "the linked file");
    ASSERT_EQ(::symlink((Root + "/linked.txt").c_str(), (Root + "/log.txt").c_str()), 0);
    ASSERT_EQ(::symlink((Root + "/nowhere.txt").c_str(), (Root + "/dangling.txt").c_str()), 0);
    for (const char* szName : {"/log.txt", "/log.txt", "/dangling.txt"}) {
        FILE* pFile = files::Open_File_To_Append((Root + szName).c_str());
        ASSERT_NE(pFile, nullptr) << szName;
        std::fputs("line\n", pFile);
        ASSERT_TRUE(files::Close_Written_File(pFile));
    }
    EXPECT_EQ(Read_Text_File(Root + "/linked.txt"), "the linked file");
    EXPECT_EQ(Read_Text_File(Root + "/log.txt"), "line\nline\n");
    EXPECT_EQ(Read_Text_File(Root + "/nowhere.txt", "missing"), "missing");

    if (::mknod((Root + "/full").c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "no device node can be made here";
    errno = 0;
    EXPECT_FALSE(files::Write_Whole_File((Root + "/full").c_str(), "text", 4));
    EXPECT_EQ(errno, ENOSPC);
    struct stat Info;
    ASSERT_EQ(::lstat((Root + "/full").c_str(), &Info), 0);
    EXPECT_TRUE(S_ISCHR(Info.st_mode));
}

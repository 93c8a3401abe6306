// Saves that fail say why in the system's words, leave no temporary and count
// as failed; a folder named like a saved game is said to be one; a resumed
// copy keeps its file's name; ratings out of range in a file are held to it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>

#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "gamefile/game_file_fixture.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/game_summary.h"
#include "league/league_data.h"
#include "league/player.h"
#include "gamefile/dialog_actions.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/salaries.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

std::string Game_Name()
{
    char szName[300];
    Get_Current_Game_Name(szName, sizeof(szName));
    return szName;
}

int Count_Temporaries()
{
    int n = 0;
    for (const auto& Entry : fs::directory_iterator("."))
        if (Entry.path().filename().string().rfind(".kelvo-save-", 0) == 0)
            ++n;
    return n;
}

class SaveFailuresTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"save_failures"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        dialogs::Reset();
        ui::Reset();
        Build_Game_File_League();
        Count_Teams();
        ASSERT_EQ(Save_Game("seed.zrt"), SAVE_GAME_OK);
        ASSERT_EQ(Load_Universe_Database("seed.zrt"), 1);
        ASSERT_TRUE(files::Delete_File("seed.zrt"));
        ui::Clear_Shown_Boxes();
    }
    void TearDown() override
    {
        Set_Save_Create_Fault(0);
        Set_Save_Write_Fault(-1);
        Set_Save_Allocation_Fault(false);
        Set_Save_Compressor_Fault(false);
        Set_Save_Saver_Start_Fault(false);
        Set_Game_File_Threads(0);
        dialogs::Reset();
        ui::Reset();
    }

    // Saves through the Save dialog under Name; the one box shown, if any.
    SHOWN_BOX Save_As(const std::string& Name, int& nResult)
    {
        ui::Clear_Shown_Boxes();
        dialogs::Queue_Action(SAVE_GAME_DIALOG, Set_Text(SAVE_GAME_NAME, Name));
        nResult = Save_Game_Command();
        return ui::Shown_Boxes().empty() ? SHOWN_BOX{} : ui::Shown_Boxes().back();
    }
};

}  // namespace

TEST_F(SaveFailuresTest, ASaveWritesThroughAUniqueTemporaryWithTheUsualPermissions)
{
    ASSERT_EQ(Save_Game("plain.zrt"), SAVE_GAME_OK);
    EXPECT_EQ(Count_Temporaries(), 0);
    struct stat st;
    ASSERT_EQ(::stat("plain.zrt", &st), 0);
    const mode_t nMask = ::umask(0);
    ::umask(nMask);
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~nMask);

    // A path through a regular file: the folder cannot be made or written.
    std::FILE* pFile = std::fopen("not_a_folder", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fclose(pFile);
    EXPECT_EQ(Save_Game("not_a_folder/inside.zrt"), SAVE_GAME_CANNOT_CREATE);
    EXPECT_EQ(Get_Last_Save_Error(), ENOTDIR);

    // A full disk half-way: nothing of the temporary stays.
    Set_Save_Write_Fault(3000);
    EXPECT_EQ(Save_Game("plain.zrt"), SAVE_GAME_WRITE_FAILED);
    EXPECT_EQ(Get_Last_Save_Error(), ENOSPC);
    EXPECT_EQ(Count_Temporaries(), 0);
    Set_Save_Write_Fault(-1);
    EXPECT_EQ(Save_Game("plain.zrt"), SAVE_GAME_OK);
    EXPECT_EQ(Get_Last_Save_Error(), 0);
}

TEST_F(SaveFailuresTest, AFailedSaveSaysItsCauseAndCountsAsFailed)
{
    const std::string Folder = files::Get_Current_Folder();
    const int nFailedBefore = Count_Failed_Game_Saves();
    int nResult = 0;

    const std::string Unwritable = "Vazarudu Kelvo was unable to save a game with that file name: the folder \"" +
                                   Folder + "\" cannot be written (";
    Set_Save_Create_Fault(EACCES);
    SHOWN_BOX Box = Save_As("Denied", nResult);
    EXPECT_NE(nResult, DIALOG_OK);
    EXPECT_EQ(Box.Caption, "File Open Error");
    EXPECT_EQ(Box.Text, Unwritable + "Permission denied).");
    EXPECT_EQ(Count_Failed_Game_Saves(), nFailedBefore + 1);
    EXPECT_EQ(Last_Save_Failure_Text(), Box.Text);

    Set_Save_Create_Fault(EROFS);
    Box = Save_As("Read Only", nResult);
    EXPECT_EQ(Box.Text, Unwritable + "Read-only file system).");
    // The automatic save says the same of the folder.
    Set_Current_Game_Name("Auto");
    ui::Clear_Shown_Boxes();
    EXPECT_EQ(Save_Game_File(), SAVE_GAME_CANNOT_CREATE);
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "Vazarudu Kelvo was unable to automatically save the game: the folder \"" +
                                                 Folder + "\" cannot be written (Read-only file system).");
    Set_Save_Create_Fault(0);
    EXPECT_EQ(Count_Failed_Game_Saves(), nFailedBefore + 2) << "the automatic save is not the dialog's";

    // A full disk keeps its words.
    Set_Save_Write_Fault(100);
    Box = Save_As("Full", nResult);
    EXPECT_EQ(Box.Caption, "File Write Error");
    EXPECT_EQ(Box.Text, "Vazarudu Kelvo was unable to write the saved game file, probably because of low hard drive "
                        "space. You can use the 'Resume' dialog to erase old saved game files. (No space left on device)");
    Set_Save_Write_Fault(-1);

    // A folder in the saved game's place.
    ASSERT_TRUE(files::Create_Folders("Taken.zrt"));
    Box = Save_As("Taken", nResult);
    EXPECT_EQ(Box.Caption, "File Write Error");
    EXPECT_EQ(Box.Text, "Vazarudu Kelvo was unable to write the saved game file: a folder has its name.");
    EXPECT_EQ(Count_Failed_Game_Saves(), nFailedBefore + 4);
    EXPECT_EQ(Count_Temporaries(), 0);

    // No memory to compress with: the saver's own box, and a failure too.
    Set_Save_Allocation_Fault(true);
    Box = Save_As("Memory", nResult);
    Set_Save_Allocation_Fault(false);
    EXPECT_EQ(Box.Caption, "Memory Allocation Error");
    EXPECT_EQ(Count_Failed_Game_Saves(), nFailedBefore + 5);

    // A save that works counts nothing.
    Box = Save_As("Fine", nResult);
    EXPECT_EQ(nResult, DIALOG_OK);
    EXPECT_EQ(Count_Failed_Game_Saves(), nFailedBefore + 5);
}

// The threads that compress a save cannot be set going for want of memory:
// the save fails, says so, and leaves nothing behind.
TEST_F(SaveFailuresTest, ASaveWhoseCompressionCannotStartNamesTheMemory)
{
    Set_Game_File_Threads(4);
    Set_Save_Saver_Start_Fault(true);
    int nResult = 0;
    const SHOWN_BOX Box = Save_As("Unstarted", nResult);
    EXPECT_NE(nResult, DIALOG_OK);
    EXPECT_EQ(Box.Caption, "File Write Error");
    EXPECT_EQ(Box.Text, "Vazarudu Kelvo was unable to write the saved game file (out of memory).");
    EXPECT_EQ(Get_Last_Save_Error(), ENOMEM);
    EXPECT_EQ(Get_Last_Save_Cause(), "out of memory");
    EXPECT_FALSE(files::File_Exists("Unstarted.zrt"));
    EXPECT_EQ(Count_Temporaries(), 0);
    // Once memory is there again the same save is made.
    Set_Save_Saver_Start_Fault(false);
    EXPECT_EQ(Save_Game("Unstarted.zrt"), SAVE_GAME_OK);
}

TEST_F(SaveFailuresTest, ASaveThatFailsWithoutASystemErrorStillSaysWhy)
{
    const std::string Folder = files::Get_Current_Folder();
    int nResult = 0;
    // Memory runs short for the compressors (a low ulimit -v), with one
    // thread and with several: told as such, never as a full disk.
    Set_Save_Compressor_Fault(true);
    for (int nThreads : {1, 4}) {
        Set_Game_File_Threads(nThreads);
        const SHOWN_BOX Box = Save_As("Short", nResult);
        EXPECT_NE(nResult, DIALOG_OK);
        EXPECT_EQ(Box.Caption, "File Write Error");
        EXPECT_EQ(Box.Text, "Vazarudu Kelvo was unable to write the saved game file (out of memory).") << nThreads;
        EXPECT_EQ(Get_Last_Save_Cause(), "out of memory");
        EXPECT_FALSE(files::File_Exists("Short.zrt"));
        EXPECT_EQ(Count_Temporaries(), 0);
    }
    // The automatic save says the same.
    Set_Current_Game_Name("Auto");
    ui::Clear_Shown_Boxes();
    EXPECT_EQ(Save_Game_File(), SAVE_GAME_WRITE_FAILED);
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "Vazarudu Kelvo was unable to write the saved game file (out of memory).");
    Set_Save_Compressor_Fault(false);
    Set_Game_File_Threads(0);

    // A league whose bytes do not compress into a block's room.
    auto* pBytes = reinterpret_cast<unsigned char*>(&League);
    uint32_t nState = 12345;
    for (size_t i = 0; i < sizeof(League); ++i) {
        nState = nState * 1103515245u + 12345u;
        pBytes[i] = static_cast<unsigned char>(nState >> 23);
    }
    const SHOWN_BOX Box = Save_As("Noise", nResult);
    EXPECT_EQ(Box.Text, "Vazarudu Kelvo was unable to write the saved game file (the league's data do not compress "
                        "into the room a block of the file has).");
    EXPECT_EQ(Count_Temporaries(), 0);
    EXPECT_EQ(Folder, files::Get_Current_Folder());
}

TEST_F(SaveFailuresTest, ResumingAFolderNamedLikeASavedGameSaysItIsAFolder)
{
    ASSERT_TRUE(files::Create_Folders("Odd.zrt"));
    ui::Clear_Shown_Boxes();
    EXPECT_EQ(Load_Universe_Database("Odd.zrt"), 0);
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Load Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Couldn't open \"Odd.zrt\": it is a folder, not a saved game.");
    // A file that is not there is still the installation's fault.
    ui::Clear_Shown_Boxes();
    EXPECT_EQ(Load_Universe_Database("Gone.zrt"), 0);
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Couldn't open \"Gone.zrt\".\n\nPlease re-install Vazarudu Kelvo.");
}

// A pipe or a device under a saved game's name is no saved game: the box
// says so in plain words.
TEST_F(SaveFailuresTest, ResumingAPipeOrADeviceSaysItIsNoRegularFile)
{
    ASSERT_EQ(::mkfifo("Pipe.zrt", 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", "Device.zrt"), 0);
    for (const char* szName : {"Pipe.zrt", "Device.zrt"}) {
        ui::Clear_Shown_Boxes();
        EXPECT_EQ(Load_Universe_Database(szName), 0);
        ASSERT_FALSE(ui::Shown_Boxes().empty());
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Load Error");
        EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Couldn't open \"" + std::string(szName) + "\" (not a regular file).");
    }
}

TEST_F(SaveFailuresTest, AResumedCopyTakesItsFileName)
{
    int nResult = 0;
    Save_As("Demo Season", nResult);
    ASSERT_EQ(nResult, DIALOG_OK);
    fs::copy_file("Demo Season.zrt", "What If.zrt");
    Set_Current_Game_Name("Elsewhere");
    dialogs::Queue_Action(RESUME_GAME_DIALOG, Select(SAVED_GAME_LIST, "What If"));
    ASSERT_EQ(Do_Dialog(RESUME_GAME_DIALOG, "Resume Game", Resume_Game_Dialog_Proc), DIALOG_OK);
    EXPECT_EQ(Game_Name(), "What If");
    EXPECT_EQ(Has_League_Changed(), 0) << "nothing to save after a resume";
    // The save at the start of the off-season goes to the copy.
    const std::string Original = Read_Text_File("Demo Season.zrt");
    League.Team[1].nTeamStat[20] = 77;
    EXPECT_EQ(Save_Game_File(), SAVE_GAME_OK);
    EXPECT_TRUE(Read_Text_File("Demo Season.zrt") == Original);
    EXPECT_FALSE(Read_Text_File("What If.zrt") == Original);
}

TEST_F(SaveFailuresTest, RatingsOutOfRangeInAFileAreHeldToTheRangeOnLoad)
{
    const float Inf = std::numeric_limits<float>::infinity();
    PLAYER& Player = League.Team[1].Player[3];
    Player.fRating[RATING_ACCURACY] = 1e30f;
    Player.fRating[RATING_SPEED] = std::numeric_limits<float>::quiet_NaN();   // default 70
    Player.fRating[RATING_VISION] = -5.0f;
    Player.fRating[RATING_HANDS] = Inf;
    Player.fRating[RATING_CONTROL] = 1e30f;
    ASSERT_EQ(Save_Game("wild.zrt"), SAVE_GAME_OK);
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database("wild.zrt"), 1);
    const PLAYER& Loaded = League.Team[1].Player[3];
    EXPECT_EQ(Loaded.fRating[RATING_ACCURACY], 1000.0f);
    EXPECT_EQ(Loaded.fRating[RATING_SPEED], 70.0f);
    EXPECT_EQ(Loaded.fRating[RATING_VISION], 20.0f);
    EXPECT_EQ(Loaded.fRating[RATING_HANDS], 1000.0f);
    EXPECT_EQ(Loaded.fRating[RATING_CONTROL], 1000.0f);
    // What the ratings make is a number in range, and the market salary
    // converts it to an integer (the fixture's players carry no cap charge:
    // the mean of those alike is 0, or his own price when none is alike).
    const float fOverall = Get_Player_Overall_Rating(1, 3);
    EXPECT_TRUE(std::isfinite(fOverall));
    EXPECT_LE(fOverall, 1000.0f * 2);
    const int nSalary = Get_Market_Salary(1, 3, 1234);
    EXPECT_TRUE(nSalary == 0 || nSalary == 1234) << nSalary;
}

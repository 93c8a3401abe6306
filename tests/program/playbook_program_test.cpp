// The playbook commands of the real program run headless: a script saves the
// viewed club's offensive playbook under a name of its own, finds the shipped
// books beside it in the data folder's "playbooks", loads one; a refused name
// or a save the system refuses stops the run and leaves nothing behind.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Contains;

class PlaybookProgramTest : public program_support::HEADLESS_PROGRAM_TEST {
protected:
    PlaybookProgramTest() : HEADLESS_PROGRAM_TEST("pb_data", "pb_out", "test.kelvo") {}

    // The shipped Default book, each of its 54 plays changed by Change (the
    // play's 228 bytes and its call), written as playbooks/NAME.opb.
    template <typename CHANGE> void Write_Changed_Default(const std::string& Name, CHANGE Change)
    {
        std::vector<char> Bytes(19680);
        FILE* pFile = std::fopen((Data.Path() + "/playbooks/Default.opb").c_str(), "rb");
        ASSERT_NE(pFile, nullptr);
        ASSERT_EQ(std::fread(Bytes.data(), 1, Bytes.size(), pFile), Bytes.size());
        std::fclose(pFile);
        for (int i = 0; i < 54; ++i)
            Change(Bytes.data() + 192 + 228 * i, i);
        pFile = std::fopen((Data.Path() + "/playbooks/" + Name + ".opb").c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        ASSERT_EQ(std::fwrite(Bytes.data(), 1, Bytes.size(), pFile), Bytes.size());
        std::fclose(pFile);
    }

    static void Put_32(char* pPlay, int nOffset, int32_t nValue) { std::memcpy(pPlay + nOffset, &nValue, 4); }
};

// Offsets in a play: formation (a byte) 64, type 68, carrier 72, run hole 76,
// the five routes from 80.
constexpr int PLAY_FORMATION = 64;
constexpr int PLAY_TYPE = 68;
constexpr int PLAY_CARRIER = 72;
constexpr int PLAY_HOLE = 76;
constexpr int PLAY_ROUTES = 80;

}  // namespace

TEST_F(PlaybookProgramTest, AScriptSavesAndLoadsPlaybooksInTheDataFolder)
{
    const process_runner::RUN_RESULT Result = Run_Script(
        "welcome new\n"
        "command Standings\n"
        "dialog 195 set 1082 \"Script Book\"\n"
        "dialog 195 press 1\n"
        "command \"Save Offensive Playbook\"\n"
        "dialog 196 select 1444 \"West Coast\"\n"
        "dialog 196 press 1\n"
        "command 40141\n"
        "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err << Result.Out;
    // The saved book, in the data folder, of the offensive area's size.
    std::error_code Error;
    EXPECT_EQ(fs::file_size(Data.Path() + "/playbooks/Script Book.opb", Error), 19680u) << Error.message();
    EXPECT_TRUE(Contains(Result.Out, "Dialog 195 \"Save Offensive Playbook\": set 1082 \"Script Book\"; press 1; end 1"))
        << Result.Out;
    // The load lists the shipped books and the new one.
    EXPECT_TRUE(Contains(Result.Out, "Dialog 196 \"Load Offensive Playbook\": select 1444 \"West Coast\"; press 1; end 1"))
        << Result.Out;
}

TEST_F(PlaybookProgramTest, CtrlPEditsAPlayAndTheEditorSavesTheSideShown)
{
    // The first play of the viewed club's offence renamed with 60 letters,
    // then saved from the editor: its name is cut to 53 letters, the byte
    // after it is 0, and the side written is the offence the editor shows.
    const std::string Sixty(60, 'Z');
    const process_runner::RUN_RESULT Result = Run_Script(
        "welcome new\n"
        "command Standings\n"
        "dialog 185 set 1441 \"" + Sixty + "\"\n"
        "dialog 185 press 11\n"
        "dialog 195 set 1082 \"Edited\"\n"
        "dialog 195 press 1\n"
        "dialog 185 press 1285\n"
        "key Ctrl+P\n"
        "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Dialog 185 \"Playbook Editor\": set 1441")) << Result.Out;
    const std::string Path = Data.Path() + "/playbooks/Edited.opb";
    std::error_code Error;
    ASSERT_EQ(fs::file_size(Path, Error), 19680u) << Error.message();
    FILE* pFile = std::fopen(Path.c_str(), "rb");
    ASSERT_NE(pFile, nullptr);
    std::vector<char> Bytes(19680);
    ASSERT_EQ(std::fread(Bytes.data(), 1, Bytes.size(), pFile), Bytes.size());
    std::fclose(pFile);
    // The plays start at byte 192; a play's name is its first 54 bytes.
    EXPECT_EQ(std::string(Bytes.data() + 192, 53), std::string(53, 'Z'));
    EXPECT_EQ(Bytes[192 + 53], '\0');
}

// Books whose plays no editor would make: every play a run with no ball
// carrier, and plays of unknown formations and types, carriers, holes and
// routes out of range. Loaded for the user's club, each is repaired into
// plays the game runs: a week of games credits every play to a player.
TEST_F(PlaybookProgramTest, BooksOfBrokenPlaysAreRepairedAndAWeekIsCreditedToPlayers)
{
    Write_Changed_Default("Carrierless", [](char* pPlay, int) {
        Put_32(pPlay, PLAY_TYPE, 0);
        Put_32(pPlay, PLAY_CARRIER, 0);
    });
    Write_Changed_Default("Broken", [](char* pPlay, int nCall) {
        switch (nCall % 5) {
        case 0:
            pPlay[PLAY_FORMATION] = 100;
            break;
        case 1:
            Put_32(pPlay, PLAY_TYPE, 99);
            break;
        case 2:
            Put_32(pPlay, PLAY_CARRIER, 77);
            Put_32(pPlay, PLAY_HOLE, -9);
            break;
        case 3:
            Put_32(pPlay, PLAY_TYPE, 6);   // a pass thrown to the quarterback
            Put_32(pPlay, PLAY_CARRIER, 1);
            break;
        default:
            for (int r = 0; r < 5; ++r)
                Put_32(pPlay, PLAY_ROUTES + 4 * r, 999);
            break;
        }
    });
    const process_runner::RUN_RESULT Result = Run_Script(
        "welcome new\n"
        "dialog 196 select 1444 \"Carrierless\"\n"
        "dialog 196 press 1\n"
        "command 40141\n"
        "command \"One Week\"\n"
        "dialog 196 select 1444 \"Broken\"\n"
        "dialog 196 press 1\n"
        "command 40141\n"
        "command \"One Week\"\n"
        "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err << Result.Out;
    const std::string Log = Read_Text_File(Data.Path() + "/debug.txt");
    EXPECT_TRUE(Contains(Log, "Playbook \"playbooks/Carrierless.opb\": 54 plays or texts repaired")) << Log;
    EXPECT_TRUE(Contains(Log, "Playbook \"playbooks/Broken.opb\": 54 plays or texts repaired")) << Log;
    EXPECT_FALSE(Contains(Log, "out of bounds")) << Log;
    EXPECT_FALSE(Contains(Log, "Invalid nReceiver")) << Log;
    EXPECT_FALSE(Contains(Log, "Credit_Game_Player_Stat")) << Log;
}

// A playbook save that does not save fails its script line, as a game save
// does: a refused name, and a file named "playbooks" where the folder goes
// (the box gives the system's cause). Nothing after the line is run.
TEST_F(PlaybookProgramTest, APlaybookSaveThatDoesNotSaveStopsTheRun)
{
    const process_runner::RUN_RESULT Refused = Run_Script(
        "welcome new\n"
        "command Standings\n"
        "dialog 195 set 1082 \"../evil\"\n"
        "dialog 195 press 1\n"
        "command 40143\n"
        "command \"One Week\"\n"
        "quit\n");
    ASSERT_FALSE(Refused.bTimedOut);
    EXPECT_EQ(Refused.nExitCode, 2) << Refused.Err << Refused.Out;
    EXPECT_TRUE(Contains(Refused.Err, "line 5: nothing was saved: Vazarudu Kelvo was unable to save a playbook "
                                      "with that file name."))
        << Refused.Err;
    EXPECT_FALSE(Contains(Refused.Out, "Command 40011")) << "the run went on after the refused name";
    EXPECT_FALSE(fs::exists(Data.Path() + "/evil.opb"));
    EXPECT_FALSE(fs::exists(fs::path(Data.Path()).parent_path() / "evil.opb"));

    fs::remove_all(Data.Path() + "/playbooks");
    {
        FILE* pFile = std::fopen((Data.Path() + "/playbooks").c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fputs("not a folder", pFile);
        std::fclose(pFile);
    }
    const process_runner::RUN_RESULT Blocked = Run_Script(
        "welcome new\n"
        "dialog 195 set 1082 \"Mine\"\n"
        "dialog 195 press 1\n"
        "command 40143\n"
        "command \"One Week\"\n"
        "quit\n");
    ASSERT_FALSE(Blocked.bTimedOut);
    EXPECT_EQ(Blocked.nExitCode, 2) << Blocked.Err << Blocked.Out;
    EXPECT_TRUE(Contains(Blocked.Err, "line 4: nothing was saved: Vazarudu Kelvo was unable to save the playbook "
                                      "\"playbooks/Mine.opb\" (Not a directory)."))
        << Blocked.Err;
    EXPECT_FALSE(Contains(Blocked.Out, "Command 40011")) << "the run went on after the failed save";
    EXPECT_TRUE(fs::is_regular_file(Data.Path() + "/playbooks"));
}

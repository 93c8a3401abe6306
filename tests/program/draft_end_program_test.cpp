// The drafts a player starts and ends, through the real program run
// headless: a fantasy draft started from New Game, two picks (one through
// Sortable Stats, one from the player card), ended with Yes; another undone
// with Cancel, nobody moved; a college draft ended with End Draft.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Contains;

// A new game of 2019 as Buffalo's owner with "Fantasy Draft" checked, the
// first round alphabetical and the later rounds a snake: Buffalo (the
// fourth club by city) picks 4th, then 29th in round 2.
const std::string FANTASY_NEW_GAME = std::string(program_support::NEW_GAME).insert(
                                         std::string(program_support::NEW_GAME).find("dialog 105 press 1391"),
                                         "dialog 105 check 1321 1\n") +
                                     "dialog 165 radio 1604\n"
                                     "dialog 165 radio 1613\n"
                                     "dialog 165 press 1\n";

class DraftEndProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"de_data", false};
    SCRATCH_FOLDER Output{"de_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        program_support::Copy_Built_Data(Data.Path());
    }
    void TearDown() override
    {
        Zero_League_Data();
        ui::Reset();
    }

    std::string Path(const std::string& Name) const { return Data.Path() + "/" + Name; }

    process_runner::RUN_RESULT Run_Script(const std::string& Script)
    {
        return program_support::Run_Headless_Script(
            {Data.Path(), Output.Path(), "draft.kelvo", std::chrono::seconds(250)}, Script);
    }

    // Team and slot of every player ID in a saved game.
    std::map<int, std::pair<int, int>> Where_Players_Are(const std::string& Saved)
    {
        std::map<int, std::pair<int, int>> Where;
        Zero_League_Data();
        if (Load_Universe_Database(Saved.c_str()) != 1) {
            ADD_FAILURE() << Saved;
            return Where;
        }
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Get_Player_ID(t, s) > 0)
                    Where[Get_Player_ID(t, s)] = {t, s};
        return Where;
    }
};

// The name of the player a log line of the fantasy draft names.
std::string Log_Player(const std::string& Log, const std::string& Start)
{
    const size_t n = Log.find(Start);
    if (n == std::string::npos)
        return "";
    // "%3d. %-25s %-25s %s": the name stands in columns 31-55 of the line
    // (the search text begins with the line end before it).
    return Log.substr(n + 1 + 31, 25);
}

std::string Trimmed(std::string Text)
{
    while (!Text.empty() && Text.back() == ' ')
        Text.pop_back();
    return Text;
}

TEST_F(DraftEndProgramTest, FantasyDraftFromNewGameTwoPicksEndedWithYes)
{
    const process_runner::RUN_RESULT Result = Run_Script(
        FANTASY_NEW_GAME +
        // No games while the draft is under way.
        "command \"One Week\"\n"
        // Pick 1: the first undrafted player in Sortable Stats.
        "dialog 114 select 1132 \"Undrafted Players\"\n"
        "dialog 114 select 1124 @0\n"
        "dialog 114 press 1044\n"
        "dialog 114 press 1\n"
        "command \"Sortable Stats\"\n"
        // Pick 2: from the card of the first undrafted player.
        "dialog 114 select 1132 \"Undrafted Players\"\n"
        "dialog 114 open 1124 @0\n"
        "dialog 20001 press 1512\n"
        "dialog 114 press 1\n"
        "command \"Sortable Stats\"\n"
        "answer yes\n"
        "command \"End Fantasy Draft\"\n"
        "command \"One Week\"\n"
        "dialog 120 set 1082 \"Fantasy Yes\"\n"
        "dialog 120 press 1\n"
        "command \"Save Game\"\n"
        "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Out, "Dialog 165 \"Start Fantasy Draft\": radio 1604; radio 1613; press 1; end 1"))
        << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Box [Round 1 / Pick 4] \"Buffalo Frost, please make your pick.")) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Box [Fantasy Draft] \"Vazarudu Kelvo can't play games during the Fantasy Draft."))
        << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Box [Round 2 / Pick 29] \"Buffalo Frost, please make your pick.")) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Dialog 20001 \"")) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Box [End Fantasy Draft] \"The computer will end the Fantasy Draft by making all "
                                     "remaining picks automatically. Is this OK?"))
        << Result.Out;
    // Buffalo was on the clock again when the draft was ended: its later
    // turns were the computer's, and the completion box is not shown.
    EXPECT_TRUE(Contains(Result.Out, "Box [Round 3 / Pick 4]")) << Result.Out;
    EXPECT_FALSE(Contains(Result.Out, "Box [Round 4 / Pick 29]")) << Result.Out;
    EXPECT_FALSE(Contains(Result.Out, "Fantasy Draft Complete")) << Result.Out;
    // After the draft a week is played.
    EXPECT_EQ(Result.Out.find("can't play games during the Fantasy Draft"),
              Result.Out.rfind("can't play games during the Fantasy Draft"));

    const std::string Log = Read_Text_File(Path("Output/Fantasy Draft.txt"), "");
    ASSERT_FALSE(Log.empty());
    const std::string First = Trimmed(Log_Player(Log, "\n  4. Buffalo Frost "));
    const std::string Second = Trimmed(Log_Player(Log, "\n 61. Buffalo Frost "));
    ASSERT_FALSE(First.empty()) << Log.substr(0, 2000);
    ASSERT_FALSE(Second.empty()) << Log.substr(0, 4000);
    // 65 rounds at most, every club picking in turn.
    EXPECT_TRUE(Contains(Log, "\n 96. ")) << Log.substr(0, 4000);

    // The saved game: no draft, and both of the user's picks are Buffalo's.
    const std::string Saved = Path("Fantasy Yes.zrt");
    ASSERT_TRUE(fs::exists(Saved)) << Result.Out;
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database(Saved.c_str()), 1);
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    EXPECT_EQ(Get_Current_Week(), 1);
    int nBuffalo = -1;
    for (int t = 0; t < Count_Teams(); ++t) {
        char szName[64] = "";
        Get_Team_Full_Name(t, szName);
        if (std::string(szName) == "Buffalo Frost")
            nBuffalo = t;
    }
    ASSERT_GE(nBuffalo, 0);
    int nFound = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (Get_Player_ID(nBuffalo, s) == 0)
            continue;
        char szName[64] = "";
        Get_Player_Full_Name(nBuffalo, s, szName);
        nFound += (First == szName) + (Second == szName);
    }
    EXPECT_EQ(nFound, 2) << First << " / " << Second;
}

TEST_F(DraftEndProgramTest, FantasyDraftCancelledMovesNobody)
{
    // The same new game without the draft, for the rosters it starts with.
    process_runner::RUN_RESULT Result = Run_Script(std::string(program_support::NEW_GAME) +
                                                   "command Standings\n"
                                                   "dialog 120 set 1082 \"Plain\"\n"
                                                   "dialog 120 press 1\n"
                                                   "command \"Save Game\"\n"
                                                   "quit\n");
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    Result = Run_Script(FANTASY_NEW_GAME +
                        "command Standings\n"
                        "dialog 114 select 1132 \"Undrafted Players\"\n"
                        "dialog 114 select 1124 @0\n"
                        "dialog 114 press 1044\n"
                        "dialog 114 press 1\n"
                        "command \"Sortable Stats\"\n"
                        "answer no\n"
                        "command 40088\n"
                        "answer cancel\n"
                        "command 40088\n"
                        "dialog 120 set 1082 \"Fantasy Cancel\"\n"
                        "dialog 120 press 1\n"
                        "command \"Save Game\"\n"
                        "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Out, "Box [End Fantasy Draft] \"The computer will end the Fantasy Draft by making all "
                                     "remaining picks automatically. Is this OK?"))
        << Result.Out;
    // Picks were made (the user's and the computer's to his next turn).
    EXPECT_TRUE(Contains(Result.Out, "Box [Round 2 / Pick 29]")) << Result.Out;
    const auto Plain = Where_Players_Are(Path("Plain.zrt"));
    const auto Cancelled = Where_Players_Are(Path("Fantasy Cancel.zrt"));
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    ASSERT_GT(Plain.size(), 1500u);
    EXPECT_TRUE(Plain == Cancelled) << Plain.size() << " players before, " << Cancelled.size() << " after";
}

TEST_F(DraftEndProgramTest, CollegeDraftEndedWithEndDraft)
{
    const process_runner::RUN_RESULT Result = Run_Script(std::string(program_support::NEW_GAME) +
                                                         "command \"Through Playoffs\"\n"
                                                         "command \"Through Playoffs\"\n"
                                                         "command \"One Week\"\n"
                                                         "answer yes\n"
                                                         "command \"End Draft\"\n"
                                                         "dialog 120 set 1082 \"Draft Ended\"\n"
                                                         "dialog 120 press 1\n"
                                                         "command \"Save Game\"\n"
                                                         "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    // The user's club was on the clock when the draft was ended.
    EXPECT_TRUE(Contains(Result.Out, "\"Buffalo Frost: Make your draft pick.")) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Command 40089 \"End Draft\"")) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Box [End College Draft?] \"Ending the Draft will cause the computer to make all "
                                     "remaining draft picks. Are you sure?\" -> Yes"))
        << Result.Out;
    // Seven rounds of 32 picks, Buffalo's among them, all by the computer.
    // The draft's report, named by the draft's year.
    std::string ReportPath;
    for (const auto& Entry : fs::directory_iterator(Path("Output")))
        if (Entry.path().filename().string().rfind("College-Draft-", 0) == 0)
            ReportPath = Entry.path().string();
    ASSERT_FALSE(ReportPath.empty()) << Result.Out;
    const std::string Report = Read_Text_File(ReportPath, "");
    ASSERT_FALSE(Report.empty()) << Result.Out;
    EXPECT_TRUE(Contains(Report, "= Seventh ROUND =")) << Report;
    int nLines = 0;
    int nBuffalo = 0;
    size_t nStart = 0;
    while (nStart < Report.size()) {
        size_t nEnd = Report.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Report.size();
        const std::string Line = Report.substr(nStart, nEnd - nStart);
        if (Line.size() > 2 && Line[0] == ' ' && Line.find(" ROUND ") == std::string::npos &&
            Line.find("COLLEGE DRAFT") == std::string::npos) {
            ++nLines;
            nBuffalo += Line.rfind(" Frost ", 0) == 0 ? 1 : 0;
        }
        nStart = nEnd + 1;
    }
    EXPECT_EQ(nLines, 7 * 32) << Report;
    EXPECT_EQ(nBuffalo, 7) << Report;
    // The next season is set up.
    const std::string Saved = Path("Draft Ended.zrt");
    ASSERT_TRUE(fs::exists(Saved)) << Result.Out;
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database(Saved.c_str()), 1);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 7);
    EXPECT_EQ(Get_Current_Week(), 0);
    EXPECT_EQ(Get_Current_Year(), 2020);
}

// "Begin College Draft?" answered No leaves the draft waiting (the user's
// expiring contracts are offered and declined); the Play menu's Start Draft
// starts it, and the computer picks up to the user's first turn.
TEST_F(DraftEndProgramTest, CollegeDraftLeftWaitingStartsFromThePlayMenu)
{
    const process_runner::RUN_RESULT Result = Run_Script(std::string(program_support::NEW_GAME) +
                                                         "command \"Through Playoffs\"\n"
                                                         "command \"Through Playoffs\"\n"
                                                         "answer no\n"
                                                         "command \"One Week\"\n"
                                                         "command \"Start Draft\"\n"
                                                         "dialog 120 set 1082 \"Draft Started\"\n"
                                                         "dialog 120 press 1\n"
                                                         "command \"Save Game\"\n"
                                                         "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    const size_t nNo = Result.Out.find("Box [Begin College Draft?] ");
    ASSERT_NE(nNo, std::string::npos) << Result.Out;
    EXPECT_EQ(Result.Out.substr(Result.Out.find('\n', nNo) - 6, 6), " -> No") << Result.Out;
    const size_t nWaiting = Result.Out.find("Box [College Draft] \"To start the College Draft, choose 'Start Draft' "
                                            "from the Play Menu.\"");
    const size_t nCommand = Result.Out.find("Command 40020 \"Start Draft\"");
    const size_t nTurn = Result.Out.find("Box [Round 1: Pick #");
    ASSERT_NE(nWaiting, std::string::npos) << Result.Out;
    ASSERT_NE(nCommand, std::string::npos) << Result.Out;
    ASSERT_NE(nTurn, std::string::npos) << Result.Out;
    // Nothing was picked before Start Draft; the user's turn came after it.
    EXPECT_LT(nNo, nWaiting);
    EXPECT_LT(nWaiting, nCommand);
    EXPECT_LT(nCommand, nTurn);
    EXPECT_TRUE(Contains(Result.Out.substr(nTurn), "\"Buffalo Frost: Make your draft pick.")) << Result.Out;
    EXPECT_FALSE(Contains(Result.Out, "No College Draft is waiting to be started.")) << Result.Out;
    const std::string Pick = Result.Out.substr(nTurn + 20, Result.Out.find(']', nTurn) - nTurn - 20);

    // The saved game: the 2020 draft under way in its first round, the picks
    // before the user's made, the off-season still on.
    const std::string Saved = Path("Draft Started.zrt");
    ASSERT_TRUE(fs::exists(Saved)) << Result.Out;
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database(Saved.c_str()), 1);
    EXPECT_EQ(Get_Current_Week(), OFFSEASON_WEEK);
    EXPECT_EQ(Get_Current_Year(), 2020);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 0);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PICKS_MADE) + 1, std::atoi(Pick.c_str())) << Pick;
}

}  // namespace

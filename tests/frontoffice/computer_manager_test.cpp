// What the computer's front offices do with their rosters.
#include "../season/season_cycle_fixture.h"
#include "frontoffice/computer_manager.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Find_ID;
using season_cycle::Put_Signed_Player;

class ComputerManagerTest : public LeagueTest {
protected:
    // nPlayers running backs rated 60, IDs 1000 x (team + 1) + slot.
    static void Fill_Club(int nTeam, int nPlayers)
    {
        for (int s = 0; s < nPlayers; ++s)
            Put_Signed_Player(nTeam, s, 1000 * (nTeam + 1) + s, POSITION_RB, 60.0f, 1995, 2);
    }

    // Free agents rated 50, 90 and 70, IDs 501-503.
    static void Put_Three_Free_Agents()
    {
        Put_Signed_Player(FREE_AGENT_TEAM, 0, 501, POSITION_RB, 50.0f, 1995, 0);
        Put_Signed_Player(FREE_AGENT_TEAM, 1, 502, POSITION_RB, 90.0f, 1995, 0);
        Put_Signed_Player(FREE_AGENT_TEAM, 2, 503, POSITION_RB, 70.0f, 1995, 0);
    }
};

TEST_F(ComputerManagerTest, FreeAgencyFillsAComputerClubTo45WithTheBestFirst)
{
    Build_League(2, 1);   // club 0 the user's, club 1 the computer's
    Fill_Club(0, 10);
    Fill_Club(1, 43);
    Put_Three_Free_Agents();
    Run_AI_Free_Agency(0);

    EXPECT_EQ(Count_Team_Players(1), AI_ROSTER_TARGET);
    EXPECT_EQ(Get_Player_ID(1, 43), 502);
    EXPECT_EQ(Get_Player_ID(1, 44), 503);
    // The user's club signs nobody; the pool keeps the last one, compact.
    EXPECT_EQ(Count_Team_Players(0), 10);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 0), 501);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 1), 0);
    // A signing runs at least a year.
    EXPECT_EQ(Get_Player_Vital_Stat(1, 43, VITAL_CONTRACT_YEARS_LEFT), 1);
}

TEST_F(ComputerManagerTest, FreeAgencyStopsWhenThePoolIsEmpty)
{
    Build_League(1);
    Fill_Club(0, 20);
    Put_Three_Free_Agents();
    Run_AI_Free_Agency(1);
    EXPECT_EQ(Count_Team_Players(0), 23);
    EXPECT_EQ(Count_Team_Players(FREE_AGENT_TEAM), 0);
}

TEST_F(ComputerManagerTest, InAnAllComputerLeagueTheUsersClubSignsToo)
{
    Build_League(1, 1);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Fill_Club(0, 44);
    Put_Three_Free_Agents();
    EXPECT_TRUE(Is_Computer_Run_Team(0));
    Run_AI_Free_Agency(0);
    EXPECT_EQ(Count_Team_Players(0), AI_ROSTER_TARGET);
    EXPECT_EQ(Get_Player_ID(0, 44), 502);
}

TEST_F(ComputerManagerTest, OneDailySigningGoesToTheFirstClubShortOfPlayers)
{
    Build_League(3);
    Fill_Club(0, 45);
    Fill_Club(1, 40);
    Fill_Club(2, 30);
    Put_Three_Free_Agents();
    Sign_AI_Free_Agent();
    EXPECT_EQ(Count_Team_Players(0), 45);
    EXPECT_EQ(Count_Team_Players(1), 41);
    EXPECT_EQ(Count_Team_Players(2), 30);
    EXPECT_EQ(Get_Player_ID(1, 40), 502);
}

TEST_F(ComputerManagerTest, TrimReleasesTheWeakestDownTo51)
{
    Build_League(1);
    Fill_Club(0, 54);
    Set_Player_Rating(0, 10, RATING_SPEED, 20.0f);   // three weaker players
    Set_Player_Rating(0, 20, RATING_POWER, 20.0f);
    Set_Player_Rating(0, 30, RATING_VISION, 20.0f);
    Trim_Team_Roster(0);
    EXPECT_EQ(Count_Team_Players(0), 51);
    EXPECT_EQ(Find_ID(1010).nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Find_ID(1020).nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Find_ID(1030).nTeam, FREE_AGENT_TEAM);
}

TEST_F(ComputerManagerTest, RosterMovesTrimOnlyComputerClubs)
{
    Build_League(2, 1);
    Fill_Club(0, 54);
    Fill_Club(1, 54);
    Run_Computer_Roster_Moves();
    EXPECT_EQ(Count_Team_Players(0), 54);
    EXPECT_EQ(Count_Team_Players(1), 51);
}

TEST_F(ComputerManagerTest, SigningIntoAFullRosterIsRefused)
{
    Build_League(1);
    Fill_Club(0, PLAYERS_PER_TEAM);
    Put_Three_Free_Agents();
    EXPECT_EQ(Sign_Free_Agent_To_Team(0, 1), -1);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 1), 502);
    EXPECT_EQ(Sign_Free_Agent_To_Team(0, 5), -1);   // no free agent there
    EXPECT_EQ(Errors_Reported(), 1);
}

TEST_F(ComputerManagerTest, BadPositionForTheAveragesIsReported)
{
    Compute_League_Position_Averages(14);
    EXPECT_EQ(Errors_Reported(), 0);
    Compute_League_Position_Averages(15);
    EXPECT_EQ(Errors_Reported(), 1);
}

}  // namespace

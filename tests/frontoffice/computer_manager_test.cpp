// What the computer's front offices do with their rosters.
#include "../season/season_cycle_fixture.h"
#include "engine/formations.h"
#include "frontoffice/computer_manager.h"
#include "frontoffice/roster_moves.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "season/salaries.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Find_ID;
using season_cycle::Put_Signed_Player;

class ComputerManagerTest : public LeagueTest {
protected:
    // nPlayers rated 60 filling a legal roster's positions first, then
    // running backs; IDs 1000 x (team + 1) + slot.
    static void Fill_Club(int nTeam, int nPlayers)
    {
        season_cycle::Fill_Legal_Club(nTeam, nPlayers, 1000 * (nTeam + 1), 60.0f);
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
    Set_Player_Rating(0, 40, RATING_SPEED, 20.0f);   // three weaker running backs
    Set_Player_Rating(0, 45, RATING_POWER, 20.0f);
    Set_Player_Rating(0, 50, RATING_VISION, 20.0f);
    Set_Player_Rating(0, 0, RATING_ACCURACY, 1.0f);  // the weakest of all, but one of two quarterbacks
    Trim_Team_Roster(0);
    EXPECT_EQ(Count_Team_Players(0), 51);
    EXPECT_EQ(Find_ID(1040).nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Find_ID(1045).nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Find_ID(1050).nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Find_ID(1000).nTeam, 0);
}

// The player a full roster lets go is the club's own choice: at its surplus
// position the least kept value R x R x V / 2,500 less his cap charge, so
// of equal players the dearest leaves.
TEST_F(ComputerManagerTest, AFullRosterReleasesTheWeakestValueForItsCapChargeAtItsSurplusPosition)
{
    Build_League(1);
    Fill_Club(0, 54);   // 38 of a legal roster, then 16 more running backs: 18 in all
    ASSERT_EQ(Find_Surplus_Position(0), POSITION_RB);
    Set_Universe_Stat(SALARY_CAP, 200000000);
    Set_Player_Vital_Stat(0, 45, VITAL_SALARY, 20000);
    ASSERT_GT(Get_Player_Vital_Stat(0, 45, VITAL_SCALED_CAP_CHARGE), Get_Player_Vital_Stat(0, 44, VITAL_SCALED_CAP_CHARGE));
    EXPECT_EQ(Find_Weakest_Team_Player(0), 45);
    ASSERT_TRUE(Release_Excess_Player(0));
    EXPECT_EQ(Find_ID(1045).nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Count_Team_Players(0), 53);
    // Of equal players and charges, the first.
    EXPECT_EQ(Find_Weakest_Team_Player(0), Find_ID(1002).nSlot);
    EXPECT_EQ(Find_Weakest_Team_Player(41), -1);
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

TEST_F(ComputerManagerTest, AClubShortAtAPositionSignsThereAndWithinItsCapRoom)
{
    Build_League(1);
    Set_Universe_Stat(SALARY_CAP, 100000000);   // $100,000K
    Fill_Club(0, 46);
    // One kicker short: the club has the only one it needs, so take him away.
    Remove_Player_From_Roster(0, 36);
    ASSERT_EQ(Count_Position_Players(0, POSITION_K), 0);
    for (int s = 0; s < Count_Team_Players(0); ++s)
        Set_Player_Vital_Stat(0, s, VITAL_SALARY, 2000);   // $90,000K payroll: $10,000K room
    Put_Signed_Player(FREE_AGENT_TEAM, 0, 501, POSITION_RB, 95.0f, 1995, 0);
    Put_Signed_Player(FREE_AGENT_TEAM, 1, 502, POSITION_K, 80.0f, 1995, 0);
    Put_Signed_Player(FREE_AGENT_TEAM, 2, 503, POSITION_K, 60.0f, 1995, 0);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SALARY, 500);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 1, VITAL_SALARY, 12000);   // beyond the room
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 2, VITAL_SALARY, 3000);
    Sign_AI_Free_Agent();
    EXPECT_EQ(Find_ID(503).nTeam, 0);    // the kicker who fits, not the better one or the runner
    EXPECT_EQ(Count_Team_Players(0), 46);

    // With no room at all the cheapest at the position comes at the minimum.
    Remove_Player_From_Roster(0, Find_ID(503).nSlot);
    Set_Universe_Stat(SALARY_CAP, 1000000);
    Sign_AI_Free_Agent();
    const auto Kicker = Find_ID(502);
    ASSERT_EQ(Kicker.nTeam, 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, Kicker.nSlot, VITAL_SALARY), Get_Player_Minimum_Salary(0, Kicker.nSlot));
}

// A club over the cap lets go of the paid spare players it values least, not
// the dear first-round rookie who would start.
TEST_F(ComputerManagerTest, AClubOverTheCapKeepsItsDearRookieAndReleasesThePlayerItValuesLeast)
{
    Build_League(1);
    Set_Universe_Stat(SALARY_CAP, 100000000);   // $100,000K
    Fill_Club(0, 46);                             // 38 of a legal roster, then 8 more running backs
    for (int s = 0; s < Count_Team_Players(0); ++s)
        Set_Player_Vital_Stat(0, s, VITAL_SALARY, 2000);
    // The rookie: a running back of 85 at 21, drafted first, paid $12,000K.
    Put_Signed_Player(0, 44, 1044, POSITION_RB, 85.0f, Get_Current_Year() - 21, 4);
    Set_Player_Vital_Stat(0, 44, VITAL_DRAFT_PICK, 100000 + 1);
    Set_Player_Vital_Stat(0, 44, VITAL_SALARY, 12000);
    // $102,000K: $2,000K over. One of the equal backs of 60 makes room: the
    // first of them (slot 2), paid $2,000K.
    ASSERT_LT(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), 0);
    Run_Computer_Roster_Moves();
    EXPECT_EQ(Find_ID(1044).nTeam, 0);
    EXPECT_EQ(Find_ID(1002).nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Count_Team_Players(0), 45);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), 0);

}

// Spare players paid a little above their minimum save little each: a club
// that let them go first ran out of players to spare before it was under the
// cap. It lets the overpaid spare go instead, and keeps the backs.
TEST_F(ComputerManagerTest, AClubOverTheCapLetsTheOverpaidSpareGoBeforeTheSparesThatSaveLittle)
{
    Build_League(1);
    Set_Universe_Stat(SALARY_CAP, 500000000);
    Fill_Club(0, 46);   // 38 of a legal roster, then 8 more running backs
    for (int s = 0; s < Count_Team_Players(0); ++s)
        Set_Player_Vital_Stat(0, s, VITAL_SALARY, Get_Player_Minimum_Salary(0, s) + 100);
    // In the last back's place a spare back of 70 at 29, better than the
    // backs of 60 but paid $9,000K above his minimum.
    Put_Signed_Player(0, 45, 1045, POSITION_RB, 70.0f, Get_Current_Year() - 29, 7);
    const int nVeteransMinimum = Get_Player_Minimum_Salary(0, 45);
    Set_Player_Vital_Stat(0, 45, VITAL_SALARY, nVeteransMinimum + 9000);
    // $5,000K over the cap: the other seven spare backs cannot make that
    // room, their places filled at the minimum.
    const int64_t nRoom = Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM);
    Set_Universe_Stat(SALARY_CAP, static_cast<int>((500000 - nRoom - 5000) * 1000));
    ASSERT_EQ(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), -5000);
    Run_Computer_Roster_Moves();
    EXPECT_EQ(Find_ID(1045).nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Count_Team_Players(0), 45);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), 4000 + nVeteransMinimum);
}

// A club of 40 with some room, but less than the five players it still has to
// sign at the least salary: it lets a paid spare go until the room covers the
// six it then needs, and the free agency fills it to 45 under the cap.
TEST_F(ComputerManagerTest, AClubWithoutRoomToFillItsRosterReleasesUntilItCanSignTo45)
{
    Build_League(1);
    const int M = Get_Minimum_Salary(0);
    ASSERT_GT(M, 0);
    ASSERT_LT(M, 2000);
    Set_Universe_Stat(SALARY_CAP, 100000000);
    Fill_Club(0, 40);   // 38 of a legal roster, then 2 more running backs
    for (int s = 0; s < Count_Team_Players(0); ++s)
        Set_Player_Vital_Stat(0, s, VITAL_SALARY, 2000);
    // Payroll $80,000K; the cap leaves 5 M - 1 of room.
    Set_Universe_Stat(SALARY_CAP, (80000 + 5 * M - 1) * 1000);
    ASSERT_EQ(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), 5 * M - 1);
    for (int s = 0; s < 8; ++s) {
        Put_Signed_Player(FREE_AGENT_TEAM, s, 501 + s, POSITION_WR, 50.0f, 1995, 0);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_SALARY, M);
    }
    Run_Computer_Roster_Moves();
    // One spare back of $2,000K goes: 5 M - 1 + 2,000 covers the six now
    // missing (6 M), as M is below 2,000.
    EXPECT_EQ(Count_Team_Players(0), 39);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), 5 * M - 1 + 2000);
    // The released back (rated 60, $2,000K) is the best free agent, but he
    // would leave 3,049 for the five still to sign, 1 short of 5 M: six sign
    // at M, and 2,000 - 1 - M is left.
    Run_AI_Free_Agency(0);
    EXPECT_EQ(Count_Team_Players(0), 45);
    EXPECT_EQ(Find_ID(1002).nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), 2000 - 1 - M);
    EXPECT_GE(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), 0);
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

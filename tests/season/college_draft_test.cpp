// The college draft as the season cycle runs it.
#include <cstring>
#include <filesystem>
#include <string>

#include "base/random.h"
#include "league/season_lines.h"
#include "league/player_stats.h"
#include "season/college_draft.h"
#include "season/contract_renewal.h"
#include "season/draft_pool.h"
#include "season/salaries.h"
#include "../tools/default_league_inputs.h"
#include "season_cycle_fixture.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Find_ID;
using season_cycle::Put_Signed_Player;

class CollegeDraftTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"college_draft"};

    // Two computer clubs in the off-season of 2021, club 1 picking first in
    // every round, each club holding its own picks; the draft at round 0,
    // pick 0.
    void SetUp() override
    {
        LeagueTest::SetUp();
        std::filesystem::create_directories("Output");
        Build_League(2);
        Set_User_Preference(PREF_SEASON_INDEX, 1);
        Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
        Set_Draft_Order_Team(0, 1);
        Set_Draft_Order_Team(1, 0);
        for (int r = 0; r < DRAFT_ROUNDS; ++r)
            for (int t = 0; t < 2; ++t)
                Set_Draft_Pick_Owner(0, r, t, t);
        Set_User_Preference(PREF_DRAFT_ROUND, 0);
        Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
    }

    static void Put_Prospect(int nTeam, int nSlot, int nID, float fRating, const char* szFirst, const char* szLast)
    {
        Put_Signed_Player(nTeam, nSlot, nID, POSITION_WR, fRating, 2000, 0);
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
        for (int p = 0; p <= 3; ++p)
            Set_Player_Stat(nTeam, nSlot, p, 0, 12);
    }

    // Four receivers: 60 and 80 and 70 in pool 38, 90 in pool 39.
    static void Put_Four_Prospects()
    {
        Put_Prospect(38, 0, 41, 60.0f, "Al", "Able");
        Put_Prospect(38, 1, 42, 80.0f, "Bo", "Bell");
        Put_Prospect(38, 2, 43, 70.0f, "Cy", "Cole");
        Put_Prospect(39, 0, 44, 90.0f, "Dan", "Dunn");
    }

    static int Vital(int nID, int nCode)
    {
        const auto Where = Find_ID(nID);
        return Where.Found() ? Get_Player_Vital_Stat(Where.nTeam, Where.nSlot, nCode) : -12345;
    }
};

TEST_F(CollegeDraftTest, ComputerPicksTheBestProspectsInDraftOrderThenTheSeasonStarts)
{
    Put_Four_Prospects();
    // The contract comes from the salaries' rules (the length and the rookie
    // bonus of the draft slot); the draft stores what they give.
    const int nYears = Get_Contract_Length(39, 0);
    const int nFirstBonus = Get_Rookie_Signing_Bonus(39, 0);
    Begin_College_Draft();

    EXPECT_EQ(Find_ID(44).nTeam, 1);
    EXPECT_EQ(Find_ID(42).nTeam, 0);
    EXPECT_EQ(Find_ID(43).nTeam, 1);
    EXPECT_EQ(Find_ID(41).nTeam, 0);
    // Round x 100,000 + pick in round x 1,000 + overall pick, all from 1.
    EXPECT_EQ(Vital(44, VITAL_DRAFT_PICK), 101001);
    EXPECT_EQ(Vital(42, VITAL_DRAFT_PICK), 102002);
    EXPECT_EQ(Vital(43, VITAL_DRAFT_PICK), 201003);
    EXPECT_EQ(Vital(41, VITAL_DRAFT_PICK), 202004);
    EXPECT_EQ(Vital(44, VITAL_DRAFTED_BY), 22021);
    EXPECT_EQ(Vital(42, VITAL_DRAFTED_BY), 12021);
    EXPECT_EQ(Vital(44, VITAL_CONTRACT_YEARS_LEFT), nYears);
    EXPECT_EQ(Vital(44, VITAL_CONTRACT_LENGTH), nYears);
    EXPECT_EQ(Vital(44, VITAL_SIGNING_BONUS), nFirstBonus);

    // The pools ran dry in the third round: the draft is over and the next
    // season has begun.
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), DRAFT_OVER_ROUND);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PICKS_MADE), 0);
    EXPECT_EQ(Get_Current_Week(), 0);
}

TEST_F(CollegeDraftTest, DraftedPlayerStartsAFreshLineWithTheClub)
{
    Put_Four_Prospects();
    Begin_College_Draft();
    const auto Where = Find_ID(44);
    ASSERT_TRUE(Where.Found());
    for (int p = 0; p <= 2; ++p)
        EXPECT_EQ(Get_Player_Stat(Where.nTeam, Where.nSlot, p, 0), 0) << "period " << p;
    EXPECT_EQ(Get_Player_Stat(Where.nTeam, Where.nSlot, 3, 0), 12);
    const int nLine = League.Team[Where.nTeam].Player[Where.nSlot].nCurrentLine;
    ASSERT_GE(nLine, 0);
    EXPECT_EQ(Get_Season_Line_Year(nLine), 2021);
}

// A receiver's numbers are 10-19 and 80-89, a kicker's 1-19; club 1's
// receivers wear all but 88 and 89. Each pick joining the club takes a
// number of his position that no teammate wears.
TEST_F(CollegeDraftTest, DraftedPlayerWearsANumberOfHisPositionNoTeammateWears)
{
    int nSlot = 0;
    for (int n = 10; n <= 87; n = n == 19 ? 80 : n + 1) {
        Put_Signed_Player(1, nSlot, 1000 + n, POSITION_WR, 60.0f, 1995, 2);
        Set_Player_Byte_Stat(1, nSlot++, BYTE_STAT_UNIFORM, n);
    }
    Put_Four_Prospects();
    Put_Signed_Player(39, 1, 45, POSITION_K, 60.0f, 2000, 0);
    // A number worn in the pool is no claim on the club's.
    Set_Player_Byte_Stat(38, 1, BYTE_STAT_UNIFORM, 12);
    Seed_Random_Numbers(7);
    Record_Drafted_Player(1, 39, 0);   // Dan Dunn
    Record_Drafted_Player(1, 38, 1);   // Bo Bell
    Record_Drafted_Player(1, 39, 0);   // the kicker, moved up into the pool's first slot
    auto Number = [](int nID) {
        const auto Where = Find_ID(nID);
        return Where.nTeam == 1 ? Get_Player_Byte_Stat(1, Where.nSlot, BYTE_STAT_UNIFORM) : -1;
    };
    const int nDunn = Number(44);
    const int nBell = Number(42);
    EXPECT_TRUE((nDunn == 88 && nBell == 89) || (nDunn == 89 && nBell == 88)) << nDunn << " " << nBell;
    // 10-19 are the receivers': the kicker's number is 1-9.
    const int nKicker = Number(45);
    EXPECT_GE(nKicker, 1);
    EXPECT_LE(nKicker, 9);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(CollegeDraftTest, ReportHasALinePerPickAndAHeaderPerRound)
{
    Put_Four_Prospects();
    Begin_College_Draft();
    auto Line = [](const char* szNick, const std::string& Name) {
        return " " + std::string(szNick) + std::string(15 - std::strlen(szNick), ' ') + " " + Name
               + std::string(25 - Name.size(), ' ') + " (WR)\n";
    };
    const std::string Expected = Line("Nick1", "Dan Dunn") + Line("Nick0", "Bo Bell") + "\n"
                                 + "================= Second ROUND =================\n" + Line("Nick1", "Cy Cole")
                                 + Line("Nick0", "Al Able") + "\n"
                                 + "================= Third ROUND =================\n";
    EXPECT_EQ(Read_Text_File("Output/College-Draft-2021.txt", "missing"), Expected);
}

TEST_F(CollegeDraftTest, UserClubOnTheClockStopsTheLoopAndIsToldToPick)
{
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_Team_String("bears", 1, TEAM_STRING_NICKNAME);
    Put_Prospect(38, 0, 41, 60.0f, "Al", "Able");
    Begin_College_Draft();
    EXPECT_EQ(Find_ID(41).nTeam, 38);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 0);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PICKS_MADE), 0);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 1);
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes().back().Caption, "Round 1: Pick #1");
    EXPECT_EQ(ui::Shown_Boxes().back().Text,
              "City1 bears: Make your draft pick.\n\n(Choose 'College Draft' from 'Team' menu.)");
}

TEST_F(CollegeDraftTest, EndDraftLetsTheComputerPickForTheUserAndCapitalisesTheNickname)
{
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_Team_String("bears", 1, TEAM_STRING_NICKNAME);
    Put_Prospect(38, 0, 41, 60.0f, "Al", "Able");
    ui::Queue_Answer(ID_NO);
    Confirm_End_College_Draft();
    EXPECT_EQ(Find_ID(41).nTeam, 38);   // No: nothing happens
    ui::Queue_Answer(ID_YES);
    Confirm_End_College_Draft();
    EXPECT_EQ(Find_ID(41).nTeam, 1);
    EXPECT_EQ(Read_Text_File("Output/College-Draft-2021.txt", "missing"),
              " Bears           Al Able                   (WR)\n");
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), DRAFT_OVER_ROUND);
    EXPECT_EQ(Get_Current_Week(), 0);
}

TEST_F(CollegeDraftTest, AllComputerRunPicksForTheUsersClubWithoutAsking)
{
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Put_Prospect(38, 0, 41, 60.0f, "Al", "Able");
    Put_Prospect(38, 1, 42, 60.0f, "Bo", "Bell");
    Put_Prospect(38, 2, 43, 60.0f, "Cy", "Cole");
    Begin_College_Draft();
    EXPECT_EQ(Find_ID(41).nTeam, 1);
    for (const auto& Box : ui::Shown_Boxes())
        EXPECT_EQ(Box.Caption.find("Round"), std::string::npos) << Box.Caption;
}

TEST_F(CollegeDraftTest, PickHeldByTheFreeAgentsSendsThePlayerThereWithoutALine)
{
    // Legal clubs of 45 players sign no free agents when the next season is set up.
    for (int t = 0; t < 2; ++t)
        season_cycle::Fill_Legal_Club(t, 45, 1000 * (t + 1), 50.0f);
    Set_Draft_Pick_Owner(0, 0, 1, FREE_AGENT_TEAM);
    Put_Four_Prospects();
    Begin_College_Draft();
    const auto Where = Find_ID(44);
    ASSERT_TRUE(Where.Found());
    EXPECT_EQ(Where.nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Vital(44, VITAL_DRAFT_PICK), 101001);
    EXPECT_EQ(Vital(44, VITAL_DRAFTED_BY), 372021);
    EXPECT_EQ(League.Team[Where.nTeam].Player[Where.nSlot].nCurrentLine, -1);
}

TEST_F(CollegeDraftTest, ForfeitedPickPasses)
{
    Set_Draft_Pick_Owner(0, 0, 1, 128 + 1);
    Put_Four_Prospects();
    Begin_College_Draft();
    EXPECT_EQ(Find_ID(44).nTeam, 0);
    EXPECT_EQ(Vital(44, VITAL_DRAFT_PICK), 102002);
}

TEST_F(CollegeDraftTest, EmptyPoolsEndTheDraftAtOnce)
{
    // The season that starts reads the shipped inputs (the clubs' records).
    SCRATCH_FOLDER Scratch("empty_pools");
    Copy_Default_League_Inputs();
    Set_User_Preference(PREF_DRAFT_ROUND, 3);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 1);
    Begin_College_Draft();
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), DRAFT_OVER_ROUND);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PICKS_MADE), 0);
    EXPECT_EQ(Get_Current_Week(), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "College Draft");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text.rfind("The College Draft has ended because the draft pool is empty. If you "
                                              "think this is an error, please report the problem to ",
                                              0),
              0u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text.substr(ui::Shown_Boxes()[0].Text.size() - 9), ". Thanks!");
}

TEST_F(CollegeDraftTest, AskingAboutThePoolChangesNothing)
{
    EXPECT_EQ(Check_Draft_Pool(), 0);   // round 0, empty pools: a reader only learns it
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    Put_Prospect(38, 0, 41, 60.0f, "Al", "Able");
    EXPECT_EQ(Check_Draft_Pool(), 1);
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    EXPECT_EQ(Check_Draft_Pool(), 0);
}

TEST_F(CollegeDraftTest, NoDraftUnderWayMakesNoPick)
{
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    Put_Four_Prospects();
    Begin_College_Draft();
    EXPECT_EQ(Find_ID(44).nTeam, 39);
    EXPECT_EQ(Get_Current_Week(), OFFSEASON_WEEK);
}

TEST_F(CollegeDraftTest, FullRosterAfterTheFourthRoundPasses)
{
    // A legal roster, so that the roster upkeep after the draft has no
    // position to fill from the pool the undrafted prospects join.
    season_cycle::Fill_Legal_Club(1, PLAYERS_PER_TEAM, 1000, 50.0f);
    Set_User_Preference(PREF_DRAFT_ROUND, 5);
    Put_Four_Prospects();
    Begin_College_Draft();
    EXPECT_EQ(Find_ID(44).nTeam, 0);
    EXPECT_EQ(Vital(44, VITAL_DRAFT_PICK), 602012);   // round 6, 2nd pick, 12th overall
    for (int nID = 41; nID <= 44; ++nID)
        EXPECT_NE(Find_ID(nID).nTeam, 1) << "prospect " << nID;
}

TEST_F(CollegeDraftTest, FullRosterInTheFirstRoundReleasesItsLastPlayerOfTheProspectsSide)
{
    // Running backs the club's surplus (the roster trim after the draft cuts
    // there), ten linebackers after them.
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
        Put_Signed_Player(1, s, 1000 + s, s < 90 ? POSITION_RB : POSITION_LB, 50.0f, 1995, 2);
    Put_Prospect(39, 0, 44, 90.0f, "Dan", "Dunn");
    Begin_College_Draft();
    EXPECT_EQ(Find_ID(44).nTeam, 1);
    EXPECT_EQ(Vital(44, VITAL_DRAFT_PICK), 101001);
    // The last offensive player (a receiver is offence) made room.
    EXPECT_NE(Find_ID(1089).nTeam, 1);
    EXPECT_EQ(Find_ID(1099).nTeam, 1);
}

TEST_F(CollegeDraftTest, PickOwnersRollForwardAndEachClubOwnsItsNewestPick)
{
    Build_League(3);
    for (int r = 0; r < DRAFT_ROUNDS; ++r)
        for (int t = 0; t < 4; ++t) {
            Set_Draft_Pick_Owner(0, r, t, 20 + t);
            Set_Draft_Pick_Owner(1, r, t, 10 + (t + r) % 3);
            Set_Draft_Pick_Owner(2, r, t, (t + 1) % 3);
        }
    Roll_Draft_Pick_Owners_Forward();
    for (int r = 0; r < DRAFT_ROUNDS; ++r) {
        for (int t = 0; t < 3; ++t) {
            EXPECT_EQ(Get_Draft_Pick_Owner(0, r, t), 10 + (t + r) % 3) << r << "," << t;
            EXPECT_EQ(Get_Draft_Pick_Owner(1, r, t), (t + 1) % 3) << r << "," << t;
            EXPECT_EQ(Get_Draft_Pick_Owner(2, r, t), t) << r << "," << t;
        }
        // A column beyond the league's clubs is left alone.
        EXPECT_EQ(Get_Draft_Pick_Owner(0, r, 3), 23);
        EXPECT_EQ(Get_Draft_Pick_Owner(2, r, 3), 1);
    }
}

TEST_F(CollegeDraftTest, NegativeCreditedSeasonsBecomeZeroForClubsAndFreeAgents)
{
    Put_Signed_Player(0, 0, 11, POSITION_RB, 70.0f, 1995, 2);
    Put_Signed_Player(0, 1, 12, POSITION_RB, 70.0f, 1995, 2);
    Put_Signed_Player(36, 0, 13, POSITION_RB, 70.0f, 1995, 2);
    Put_Signed_Player(38, 0, 14, POSITION_RB, 70.0f, 2000, 2);
    Set_Player_Vital_Stat(0, 0, VITAL_SEASONS_PLAYED, -2);
    Set_Player_Vital_Stat(0, 1, VITAL_SEASONS_PLAYED, 5);
    Set_Player_Vital_Stat(36, 0, VITAL_SEASONS_PLAYED, -1);
    Set_Player_Vital_Stat(38, 0, VITAL_SEASONS_PLAYED, -3);
    Clear_Negative_Seasons();
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_SEASONS_PLAYED), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 1, VITAL_SEASONS_PLAYED), 5);
    EXPECT_EQ(Get_Player_Vital_Stat(36, 0, VITAL_SEASONS_PLAYED), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(38, 0, VITAL_SEASONS_PLAYED), -3);   // prospects keep theirs
}

}  // namespace

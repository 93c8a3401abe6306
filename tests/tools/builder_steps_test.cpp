// The builder's clean-up and salary steps on a small league of 2010: who is
// erased as implausible, the name mendings by era, credited seasons from
// the lines, minimum contracts, flagged ratings, the 64-bit cap target, the
// share of a season line and the linemen's blocking estimate.
#include <cstring>

#include "../league/player_fixture.h"
#include "league/overall_rating.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "season/salaries.h"
#include "tools/builder_steps.h"

namespace {

class BuilderStepsTest : public PlayerTest {
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2010;
        Use_Franchises(2);
    }
    static PLAYER& Born(int nTeam, int nSlot, int nID, int nYear, int nPosition = POSITION_WR)
    {
        PLAYER& Player = Put_Player(nTeam, nSlot, nID, nPosition);
        Player.nVital[VITAL_BIRTH_DATE] = nYear * 10000 + 101;
        std::strcpy(Player.szLastName, "Name");
        std::strcpy(Player.szFirstName, "Some");
        return Player;
    }
    static std::string First(const char* szName, bool bBefore2009)
    {
        char sz[PLAYER_FIRST_NAME_SIZE];
        std::strncpy(sz, szName, sizeof(sz) - 1);
        sz[sizeof(sz) - 1] = '\0';
        Mend_First_Name(sz, sizeof(sz), bBefore2009);
        return sz;
    }
    static std::string Last(const char* szName, bool bBefore2009)
    {
        char sz[PLAYER_LAST_NAME_SIZE];
        std::strncpy(sz, szName, sizeof(sz) - 1);
        sz[sizeof(sz) - 1] = '\0';
        Mend_Last_Name(sz, sizeof(sz), bBefore2009);
        return sz;
    }
    // A professional line of a year linked at link n.
    static void Give_Line(int nTeam, int nSlot, int n, int nLine, int nYear, int nGames)
    {
        Stamp_Season_Line(nLine, nYear, 0, nTeam, nGames);
        Set_Player_Season_Link(nTeam, nSlot, n, nLine);
    }
};

TEST_F(BuilderStepsTest, TooYoungTooOldAndNamelessPlayersAreErased)
{
    Born(0, 0, 1, 1959);    // 51 on a franchise: erased
    Born(0, 1, 2, 1993);    // 17: kept
    Born(0, 2, 3, 1994);    // 16: erased
    Born(0, 3, 4, 1960);    // 50: kept
    Born(36, 0, 5, 1959);   // 51 as a free agent: kept
    PLAYER& Nameless = Born(36, 1, 6, 1985);
    Nameless.szLastName[0] = '\0';
    Nameless.szFirstName[0] = '\0';
    PLAYER& HalfNamed = Born(36, 2, 7, 1985);
    HalfNamed.szFirstName[0] = '\0';
    Remove_Implausible_Players();
    // Rosters closed up: 2 and 4 on the franchise, 5 and 7 among the free agents.
    EXPECT_EQ(Get_Player_ID(0, 0), 2);
    EXPECT_EQ(Get_Player_ID(0, 1), 4);
    EXPECT_EQ(Get_Player_ID(0, 2), 0);
    EXPECT_EQ(Get_Player_ID(36, 0), 5);
    EXPECT_EQ(Get_Player_ID(36, 1), 7);
    EXPECT_EQ(Get_Player_ID(36, 2), 0);
}

TEST_F(BuilderStepsTest, NamesAreMendedByTheirEra)
{
    // Initials, always.
    EXPECT_EQ(First("JT", false), "J.T.");
    EXPECT_EQ(First("JT", true), "J.T.");
    EXPECT_EQ(First("Jt", false), "Jt");
    EXPECT_EQ(First("BillyJoe", false), "Billy Joe");
    // Before 2009: inner capitals lowered, an early blank dropped.
    EXPECT_EQ(First("JOHN", true), "John");
    EXPECT_EQ(First("JOHN", false), "JOHN");
    EXPECT_EQ(First("J R", true), "JR");
    EXPECT_EQ(First("A.J.", true), "A.J.");
    EXPECT_EQ(Last("MCDONALD", true), "McDonald");
    EXPECT_EQ(Last("ST JOHN", true), "St. John");
    EXPECT_EQ(Last("O'NEIL-SMITH", true), "O'Neil-Smith");
    EXPECT_EQ(Last("VAN HORN", true), "VanHorn");        // a blank at position 3 goes
    EXPECT_EQ(Last("VANDER HORN", true), "Vander Horn"); // one further on stays
    EXPECT_EQ(Last("Van Horn", true), "Van Horn");       // so it does in a name written in mixed case
    EXPECT_EQ(Last("MCDONALD", false), "MCDONALD");
    EXPECT_EQ(Last("ST JOHN", false), "ST JOHN");

    League.Universe.nStat[FIRST_SEASON_YEAR] = 2005;
    PLAYER& Player = Born(0, 0, 1, 1980);
    std::strcpy(Player.szFirstName, "TJ");
    std::strcpy(Player.szLastName, "MCCOY");
    PLAYER& NoLast = Born(0, 1, 2, 1980);
    NoLast.szLastName[0] = '\0';
    Fix_All_Player_Names();
    EXPECT_STREQ(League.Team[0].Player[0].szFirstName, "T.J.");
    EXPECT_STREQ(League.Team[0].Player[0].szLastName, "McCoy");
    EXPECT_STREQ(League.Team[0].Player[1].szLastName, "");   // none is made up
}

TEST_F(BuilderStepsTest, SeasonsAndMinimumContracts)
{
    Born(0, 0, 1, 1980);
    Give_Line(0, 0, 0, 100, 2007, 16);
    Give_Line(0, 0, 1, 101, 2008, 16);
    Give_Line(0, 0, 2, 102, 2008, 5);   // traded: one season
    Set_Seasons_From_Season_Lines();
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_SEASONS_PLAYED), 2);

    const int nMinimum = Get_Minimum_Salary(2);
    ASSERT_GT(nMinimum, 10);
    League.Team[0].Player[0].nVital[VITAL_SALARY] = 10;
    League.Team[0].Player[0].nVital[VITAL_CONTRACT_YEARS_LEFT] = 0;
    League.Team[0].Player[0].nVital[VITAL_CONTRACT_LENGTH] = 0;
    Born(0, 1, 2, 1980).nVital[VITAL_SALARY] = nMinimum + 500;
    League.Team[0].Player[1].nVital[VITAL_CONTRACT_YEARS_LEFT] = 4;
    League.Team[0].Player[1].nVital[VITAL_CONTRACT_LENGTH] = 2;
    Errors_Reported();
    Apply_Minimum_Contracts();
    EXPECT_EQ(Errors_Reported(), 0);   // empty and unused slots are no fault
    EXPECT_EQ(League.Team[0].Player[0].nVital[VITAL_SALARY], nMinimum);
    EXPECT_EQ(League.Team[0].Player[0].nVital[VITAL_CONTRACT_YEARS_LEFT], 1);
    EXPECT_EQ(League.Team[0].Player[0].nVital[VITAL_CONTRACT_LENGTH], 1);
    EXPECT_EQ(League.Team[0].Player[1].nVital[VITAL_SALARY], nMinimum + 500);
    EXPECT_EQ(League.Team[0].Player[1].nVital[VITAL_CONTRACT_LENGTH], 4);
}

TEST_F(BuilderStepsTest, TheCapTargetIsReckonedIn64Bits)
{
    // No cap: the 2023 cap at the inflation factor, 224,800,000 x 95 / 100.
    League.Universe.nStat[SALARY_CAP] = 0;
    League.Universe.nStat[INFLATION_FACTOR] = 1000;
    EXPECT_EQ(Get_Cap_Fit_Payroll(), 213560000);
    League.Universe.nStat[INFLATION_FACTOR] = 500;
    EXPECT_EQ(Get_Cap_Fit_Payroll(), 106780000);   // (112,400,000 x 95 + 50) / 100
    League.Universe.nStat[SALARY_CAP] = 100000001;
    EXPECT_EQ(Get_Cap_Fit_Payroll(), 95000001);    // 9,500,000,145 / 100 floored
    Use_Franchises(0);
    EXPECT_EQ(Rescale_All_Team_Salaries(1000000), 0);
}

TEST_F(BuilderStepsTest, FlaggedRatingsAreScaledAndOthersLeftAlone)
{
    Born(0, 0, 1, 1980, POSITION_RB).nVital[VITAL_FLAGS] = 1 | 4;
    Born(0, 1, 2, 1980, POSITION_RB).nVital[VITAL_FLAGS] = 2;
    const float fBefore = Get_Position_Overall_Rating(0, 0, POSITION_RB);
    ASSERT_GT(fBefore, 60.0f);
    Scale_Flagged_Player_Ratings();
    EXPECT_NEAR(Get_Position_Overall_Rating(0, 0, POSITION_RB), (fBefore + 120.0f) / 3.0f, 0.5f);
    EXPECT_FLOAT_EQ(Get_Position_Overall_Rating(0, 1, POSITION_RB), fBefore);
}

TEST_F(BuilderStepsTest, LineShareAndBlockingEstimate)
{
    Born(0, 0, 1, 1980, POSITION_G);
    Give_Line(0, 0, 0, 10, 2009, 16);
    Give_Line(0, 0, 1, 11, 2009, 4);
    Give_Line(0, 0, 2, 12, 2008, 16);
    League.SeasonLines[10][3 + 7] = 30;    // statistic 7: counts
    League.SeasonLines[11][3 + 7] = 10;
    League.SeasonLines[12][3 + 7] = 50;    // another year: not counted
    League.SeasonLines[10][3 + 1] = 99;    // statistic 1 (starts): not counted
    EXPECT_EQ(Get_Season_Line_Share(0, 0, 0), 750);
    EXPECT_EQ(Get_Season_Line_Share(0, 0, 1), 250);
    EXPECT_EQ(Get_Season_Line_Share(0, 0, 5), 0);

    // Age 30, S = 196: q(196) = 14, q(98) = 10: 14 + 60 - 10 = 64, 10 + 70 - 15 = 65.
    Set_Player_Stat(0, 0, STAT_PERIOD_CAREER, 0, 100);
    Set_Player_Stat(0, 0, STAT_PERIOD_CAREER, 1, 96);
    Born(0, 1, 2, 1950, POSITION_C);     // age 60, no games: both 40
    Born(0, 2, 3, 1988, POSITION_T);     // age 22: 60 - 7 = 53, 70 - 11 = 59
    Born(0, 3, 4, 1988, POSITION_WR);    // not a lineman
    Estimate_Line_Blocking_Ratings();
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 0, RATING_PASS_BLOCKING), 64.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 0, RATING_RUN_BLOCKING), 65.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 1, RATING_PASS_BLOCKING), 40.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 1, RATING_RUN_BLOCKING), 40.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 2, RATING_PASS_BLOCKING), 53.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 2, RATING_RUN_BLOCKING), 59.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 3, RATING_PASS_BLOCKING), 70.0f);
}

}  // namespace

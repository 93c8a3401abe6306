// Financial stats, team totals and league totals, with values worked out by
// hand from the formulas.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "league/finance_basics.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

class TeamFinanceTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        League.Universe.nStat[INFLATION_FACTOR] = 1000;
        League.Universe.nStat[GAMES_PER_SEASON] = 17;
        League.Preferences.nInt[PREF_OWNER_MODE] = 1;
        Use_Franchises(4);
    }

    static void Store(int nTeam, int nStat, int nValue) { League.Team[nTeam].nFinancialStat[nStat] = nValue; }
    static void Store_All(int nTeam, std::initializer_list<std::pair<int, int>> Codes)
    {
        for (auto [nStat, nValue] : Codes)
            Store(nTeam, nStat, nValue);
    }
    static void Expect_Codes(int nTeam, std::initializer_list<std::pair<int, int>> Codes)
    {
        for (auto [nStat, nValue] : Codes)
            EXPECT_EQ(Get_Team_Financial_Stat(nTeam, nStat), nValue) << "code " << nStat;
    }

    // A player with a salary ($K) on a four-year contract (so the cap charge
    // is salary + bonus / 4).
    static PLAYER& Add_Player(int nTeam, int nSlot, int nSalary, int nBonus = 0)
    {
        PLAYER& Player = Put_Bare_Player(nTeam, nSlot, 1000 + nTeam * 100 + nSlot);
        Player.nVital[VITAL_SALARY] = nSalary;
        Player.nVital[VITAL_SIGNING_BONUS] = nBonus;
        Player.nVital[VITAL_CONTRACT_LENGTH] = 4;
        return Player;
    }

    static void Total(int nTeam, int nCategory, int nStat, int nValue)
    {
        League.Team[nTeam].nTotals[nCategory][TOTALS_THIS_SEASON][nStat] = nValue;
    }
    static void Totals(int nTeam, int nCategory, std::initializer_list<std::pair<int, int>> Stats)
    {
        for (auto [nStat, nValue] : Stats)
            Total(nTeam, nCategory, nStat, nValue);
    }
    static void Expect_Totals(int nTeam, int nCategory, std::initializer_list<std::pair<int, int>> Codes)
    {
        for (auto [nStat, nValue] : Codes)
            EXPECT_EQ(Get_Team_Totals_Stat(nTeam, nCategory, TOTALS_THIS_SEASON, nStat), nValue) << "code " << nStat;
    }
};

TEST_F(TeamFinanceTest, OwnerModeOffReadsStandardLevelsAndBaseCash)
{
    Store_All(0, {{FINANCE_LOYALTY, 850}, {FINANCE_SCOUTING_LEVEL, 400}, {FINANCE_MEDICAL_LEVEL, 600},
                  {FINANCE_CASH, 5000000}, {FINANCE_TICKET_PRICE, 6500}});

    League.Preferences.nInt[PREF_OWNER_MODE] = 2;   // any value but 1 is "off"
    Expect_Codes(0, {{FINANCE_LOYALTY, 1000}, {FINANCE_SCOUTING_LEVEL, 1000}, {FINANCE_MEDICAL_LEVEL, 1000},
                     {FINANCE_FOURTH_LEVEL, 1000}, {FINANCE_CASH, 28100000}, {FINANCE_TICKET_PRICE, 6500}});

    League.Preferences.nInt[PREF_OWNER_MODE] = 1;
    Expect_Codes(0, {{FINANCE_LOYALTY, 850}, {FINANCE_FOURTH_LEVEL, 0}, {FINANCE_CASH, 5000000}});
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinanceTest, SetterClampsCashAndRefusesBadArguments)
{
    Set_Team_Financial_Stat(0, FINANCE_CASH, 2000000000);
    EXPECT_EQ(League.Team[0].nFinancialStat[FINANCE_CASH], 1000000000);
    Set_Team_Financial_Stat(0, FINANCE_CASH, -500000000);
    EXPECT_EQ(League.Team[0].nFinancialStat[FINANCE_CASH], -100000000);
    Set_Team_Financial_Stat(FREE_AGENT_TEAM, 79, -7);
    EXPECT_EQ(League.Team[FREE_AGENT_TEAM].nFinancialStat[79], -7);

    LEAGUE_SNAPSHOT Before;
    Set_Team_Financial_Stat(37, 1, 5);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Set_Team_Financial_Stat(37,1,5)"));
    Set_Team_Financial_Stat(0, 80, 5);
    EXPECT_TRUE(Last_Error_Contains("nStat out of bounds in Set_Team_Financial_Stat(0,[80],5)"));
    EXPECT_EQ(Get_Team_Financial_Stat(0, 110), 0);
    EXPECT_EQ(Get_Team_Financial_Stat(41, 1), 0);
    EXPECT_EQ(Get_Team_Financial_Stat_Rank(41, 1), 0);
    Clear_Previous_Financial_Stats(37);
    EXPECT_EQ(Errors_Reported(), 6);   // the six refusals, none for the writes above
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(TeamFinanceTest, RevenueExpensesProfitAndAverages)
{
    Store_All(0, {{10, 5000000}, {14, 3000000}, {22, 400000}, {29, 300000}, {36, 200000},     // revenue
                  {11, 4000000}, {16, 2500000}, {23, 100000}, {30, 150000}, {37, 50000},      // last season
                  {51, 1000000}, {54, 6000000}, {60, 200000}, {63, 300000}, {57, 500000},     // costs
                  {52, 900000}, {55, 5000000}, {61, 100000}, {64, 250000}, {58, 450000},      // last season
                  {21, 11}, {28, 22}, {35, 33}, {62, 20000}, {59, 10000}});
    Expect_Codes(0, {{FINANCE_REVENUE, 8900000}, {FINANCE_REVENUE_LAST, 6800000}, {FINANCE_RUNNING_COSTS, 7500000},
                     {FINANCE_EXPENSES, 8000000}, {FINANCE_PROFIT, 900000}, {FINANCE_PROFIT_LAST, 100000},
                     {FINANCE_OVERHEAD, 1500000}, {FINANCE_CONCESSIONS_GAME, 66}, {FINANCE_CONCESSIONS_LAST, 300000}});

    // Average attendances: per home game, per road game (6 - 2); the total
    // itself when no such game was played.
    Store_All(0, {{15, 130000}, {19, 200000}, {70, 2}, {72, 6}});
    Expect_Codes(0, {{FINANCE_AVERAGE_ATTENDANCE, 65000}, {FINANCE_AVERAGE_ROAD_ATTENDANCE, 50000}});
    Store(0, 70, 0);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_AVERAGE_ATTENDANCE), 130000);
    EXPECT_EQ(Errors_Reported(), 0);
}



TEST_F(TeamFinanceTest, AverageAgeLeavesEmptyPlacesUnwritten)
{
    // Week 0: the day is in September 2019. Ages 29 and 23; the 49 empty
    // places count as 21 (born 1998 by the age reader's rule, no seasons).
    Add_Player(2, 0, 100).nVital[VITAL_BIRTH_DATE] = 19900101;
    Add_Player(2, 1, 100).nVital[VITAL_BIRTH_DATE] = 19951015;

    LEAGUE_SNAPSHOT Before;
    // (29 + 23 + 49 x 21) x 10 + 25 = 10,835; / 51 = 212.
    EXPECT_EQ(Get_Team_Financial_Stat(2, FINANCE_AVERAGE_AGE), 212);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinanceTest, PayrollTakesTheBest51AndAveragesTheFirst51)
{
    // Charges 1,001..1,054 in places 1-54; place 0 earns 1,000 + a bonus of
    // 400 over four years (charge 1,100), place 54 also a bonus of 800.
    Add_Player(0, 0, 1000, 400);
    for (int s = 1; s < 55; s++)
        Add_Player(0, s, 1000 + s);
    League.Team[0].Player[54].nVital[VITAL_SIGNING_BONUS] = 800;
    // Top 51: 1,254 + 1,100 + (1,005..1,053: 49 x 1,029 = 50,421) = 52,775.
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 52775);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_BONUS_PAYROLL), 300);
    // Averages divide the first 51 places by 51, truncated: salaries
    // (1,000 + 1,001..1,050) / 51 = 1,025; bonuses 400 / 51 = 7.8 -> 7.
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_AVERAGE_SALARY), 1025);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_AVERAGE_BONUS), 7);
    League.Universe.nStat[SALARY_CAP] = 224800999;
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_CAP_ROOM), 224800 - 52775);
    EXPECT_EQ(Errors_Reported(), 0);
}


TEST_F(TeamFinanceTest, IndexesRoundToNearest)
{
    Store(0, FINANCE_FRANCHISE_VALUE, 2360400);
    Store(0, FINANCE_CASH, 56200000);   // 56,200,000 / 2,360,400 = 23.8
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_LIQUIDITY), 24);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_VALUE_INDEX), 1000);

    Store(0, FINANCE_FRANCHISE_VALUE, 2000000);
    Store(0, FINANCE_CASH, -1500000);   // -0.75
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_LIQUIDITY), -1);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_CASH_INDEX), 0);   // never below 0
    Store(0, FINANCE_FRANCHISE_VALUE, 0);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_LIQUIDITY), 0);

    // Cash index: per mille of the inflated base.
    Store(0, FINANCE_CASH, 42150000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_CASH_INDEX), 1500);

    // Payroll index: 164,385 / 219,180 = 0.75.
    Add_Player(0, 0, 164385);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL_INDEX), 750);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinanceTest, ProjectionsBeforeAndDuringTheSeason)
{
    Store_All(2, {{FINANCE_OPERATING_GAME, 600000}, {FINANCE_DIVIDENDS_GAME, 300000}, {FINANCE_MEDICAL_BUDGET, 20000},
                  {FINANCE_SCOUTING_BUDGET, 10000}, {FINANCE_BROADCAST_LAST, 5000000}});
    Add_Player(2, 0, 1000);
    Add_Player(2, 1, 500);   // per-game payroll 1,000,000 / 17 -> 58,824 + 500,000 / 17 -> 29,412

    // No game yet: last season's revenue; a whole season of per-game costs:
    // 600,000 + 300,000 + 17 x (88,236 + 20,000 + 10,000) = 2,910,012.
    Expect_Codes(2, {{FINANCE_PROJECTED_REVENUE, 5000000}, {FINANCE_PROJECTED_EXPENSES, 2910012},
                     {FINANCE_PROJECTED_PROFIT, 2089988}});

    // Four games played (3-1), 13 to come.
    Set_Season_Record(2, 0, 3, 1, 0);
    Store_All(2, {{FINANCE_OPERATING_SEASON, 2400000}, {FINANCE_DIVIDENDS_SEASON, 1200000},
                  {FINANCE_SALARIES_SEASON, 352944}, {FINANCE_MEDICAL_SEASON, 80000},
                  {FINANCE_SCOUTING_SEASON, 40000}, {FINANCE_BROADCAST, 1000000}, {FINANCE_TICKETS, 2000002}});
    // Revenue: 3,000,002 x 17 / 4 = 12,750,008.5 -> 12,750,009. Expenses:
    // 10,200,000 + 5,100,000 + 352,944 + 13 x 88,236 + 80,000 + 13 x 20,000
    // + 40,000 + 13 x 10,000 = 17,310,012.
    Expect_Codes(2, {{FINANCE_PROJECTED_REVENUE, 12750009}, {FINANCE_PROJECTED_EXPENSES, 17310012},
                     {FINANCE_PROJECTED_PROFIT, 12750009 - 17310012}});
    // No games in the season: no per-game payroll, and no division by zero.
    League.Universe.nStat[GAMES_PER_SEASON] = 0;
    EXPECT_EQ(Get_Team_Per_Game_Payroll(2), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinanceTest, LeagueAverageOfTeamsInUse)
{
    // Team 4 is not in use: -201 / 4 truncates toward zero to -50.
    const int nCash[] = {-100, -100, -1, 0, 99999};
    for (int t = 0; t < 5; t++)
        Store(t, FINANCE_CASH, nCash[t]);
    EXPECT_EQ(Get_Team_Financial_Stat(ALL_TEAMS, FINANCE_CASH), -50);
    Use_Franchises(0);
    EXPECT_EQ(Get_Team_Financial_Stat(ALL_TEAMS, FINANCE_CASH), 0);
}

TEST_F(TeamFinanceTest, ClearingTheSeasonKeepsLastSeasonCodes)
{
    for (int n = 0; n < FINANCIAL_STAT_COUNT; n++)
        Store(0, n, n + 1);
    Clear_Previous_Financial_Stats(0);
    const int nCleared[] = {10, 14, 15, 19, 22, 29, 36, 51, 54, 57, 60, 63, 70, 72};
    for (int n = 0; n < FINANCIAL_STAT_COUNT; n++) {
        bool bCleared = std::find(std::begin(nCleared), std::end(nCleared), n) != std::end(nCleared);
        EXPECT_EQ(League.Team[0].nFinancialStat[n], bCleared ? 0 : n + 1) << n;
    }
}

TEST_F(TeamFinanceTest, AddingToTotalsReachesThisSeasonAndAllSeasonsOnly)
{
    // 10 + 7 this season, 100 + 7 over all seasons; last season untouched.
    Set_Team_Totals_Stat(2, 5, TOTALS_THIS_SEASON, 7, 10);
    Set_Team_Totals_Stat(2, 5, TOTALS_LAST_SEASON, 7, 50);
    Set_Team_Totals_Stat(2, 5, TOTALS_ALL_SEASONS, 7, 100);
    Add_To_Team_Totals_Stat(2, 5, 7, 7);
    EXPECT_EQ(Get_Team_Totals_Stat(2, 5, TOTALS_THIS_SEASON, 7), 17);
    EXPECT_EQ(Get_Team_Totals_Stat(2, 5, TOTALS_LAST_SEASON, 7), 50);
    EXPECT_EQ(Get_Team_Totals_Stat(2, 5, TOTALS_ALL_SEASONS, 7), 107);
    Add_To_Team_Totals_Stat(2, 5, 7, -20);
    EXPECT_EQ(Get_Team_Totals_Stat(2, 5, TOTALS_THIS_SEASON, 7), -3);
    EXPECT_EQ(Get_Team_Totals_Stat(2, 5, TOTALS_ALL_SEASONS, 7), 87);
    // The first and last team, category and statistic.
    Add_To_Team_Totals_Stat(0, 0, 0, 4);
    Add_To_Team_Totals_Stat(40, 7, 19, 9);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, TOTALS_ALL_SEASONS, 0), 4);
    EXPECT_EQ(Get_Team_Totals_Stat(40, 7, TOTALS_THIS_SEASON, 19), 9);
    EXPECT_EQ(Errors_Reported(), 0);

    // A bad address stores nothing and is reported as the two reads and the
    // two stores it stands for would be; NO_TEAM quietly.
    LEAGUE_SNAPSHOT Before;
    Add_To_Team_Totals_Stat(NO_TEAM, 0, 0, 5);
    EXPECT_EQ(Errors_Reported(), 0);
    for (auto [nTeam, nCategory, nStat] : {std::tuple{41, 0, 0}, std::tuple{0, 8, 0}, std::tuple{0, 0, 20},
                                           std::tuple{0, 0, -1}}) {
        Errors_Reported();
        for (int nSeason : {TOTALS_THIS_SEASON, TOTALS_ALL_SEASONS})
            Set_Team_Totals_Stat(nTeam, nCategory, nSeason, nStat,
                                 Get_Team_Totals_Stat(nTeam, nCategory, nSeason, nStat) + 5);
        const int nPair = Errors_Reported();
        EXPECT_GE(nPair, 2) << nTeam << " " << nCategory << " " << nStat;
        Add_To_Team_Totals_Stat(nTeam, nCategory, nStat, 5);
        EXPECT_EQ(Errors_Reported(), nPair) << nTeam << " " << nCategory << " " << nStat;
    }
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(TeamFinanceTest, TotalsStoreAtTheirIndexAndRefuseBadArguments)
{
    Set_Team_Totals_Stat(2, 5, 1, 7, 99);
    // (season + category x 3) x 20 + stat = 327 ints into the block.
    EXPECT_EQ(reinterpret_cast<const int32_t*>(&League.Team[2].nTotals)[327], 99);

    LEAGUE_SNAPSHOT Before;
    Set_Team_Totals_Stat(41, 0, 0, 0, 5);
    Set_Team_Totals_Stat(0, 8, 0, 0, 5);
    Set_Team_Totals_Stat(0, 0, 3, 0, 5);
    Set_Team_Totals_Stat(0, 0, 0, 20, 5);
    EXPECT_EQ(Get_Team_Totals_Stat(41, 0, 0, 0), 0);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 3, 0), 0);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 8, 0, 0), 0);
    EXPECT_EQ(Get_League_Total(0, 3, 0), 0);
    EXPECT_EQ(Get_League_Total(8, 0, 0), 0);
    EXPECT_TRUE(Last_Error_Contains("nCategory out of bounds in Get_League_Total([8], 0, 0)"));
    EXPECT_EQ(Get_League_Total(TOTALS_QUARTERBACKS, 0, 103), 0);
    EXPECT_TRUE(Last_Error_Contains("Unrecognized nStat in Get_League_Total(3, 0, [103])"));
    EXPECT_EQ(Get_Team_Totals_Stat_Rank(0, 8, 1), 0);
    Clear_Team_Totals_Season(41);
    Copy_Team_Totals_To_Last_Season(41);
    Clear_Team_Totals(41);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Clear_Team_Totals(41)"));
    Clear_Team_Totals(NO_TEAM);
    EXPECT_TRUE(Last_Error_Contains("'NO_TEAM' passed to Clear_Team_Totals()"));
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, 20), 0);   // an unknown code: 0 without a word
    EXPECT_EQ(Errors_Reported(), 15);
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(TeamFinanceTest, TotalsAtTheEdgesOfTheBlockReadBackAsStored)
{
    // The last team, category, season and statistic: block offset
    // (2 + 7 x 3) x 20 + 19 = 479; the first: 0.
    Set_Team_Totals_Stat(LAST_TEAM, TEAM_TOTAL_CATEGORIES - 1, TEAM_TOTAL_SEASONS - 1, STATS_PER_PERIOD - 1, -42);
    Set_Team_Totals_Stat(0, 0, 0, 0, 17);
    EXPECT_EQ(reinterpret_cast<const int32_t*>(&League.Team[LAST_TEAM].nTotals)[479], -42);
    EXPECT_EQ(reinterpret_cast<const int32_t*>(&League.Team[0].nTotals)[0], 17);
    EXPECT_EQ(Get_Team_Totals_Stat(LAST_TEAM, TEAM_TOTAL_CATEGORIES - 1, TEAM_TOTAL_SEASONS - 1, STATS_PER_PERIOD - 1), -42);
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, 0), 17);
    // NO_TEAM reads 0 and stores nothing, without a word.
    Set_Team_Totals_Stat(NO_TEAM, 0, 0, 0, 5);
    EXPECT_EQ(Get_Team_Totals_Stat(NO_TEAM, 0, 0, 0), 0);
    EXPECT_EQ(Errors_Reported(), 0);
    // A negative statistic is refused by both, named as before.
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, -1), 0);
    EXPECT_TRUE(Last_Error_Contains("nStat out of bounds in Get_Team_Totals_Stat(0,0,0,[-1])"));
    Set_Team_Totals_Stat(0, 0, 0, -1, 5);
    EXPECT_TRUE(Last_Error_Contains("nStat out of bounds in Set_Team_Totals_Stat(0,0,0,[-1],5)"));
    EXPECT_EQ(Get_Team_Totals_Stat(0, 0, 0, 0), 17);
}

TEST_F(TeamFinanceTest, TeamCodesJoinQuarterbacksToTheBacks)
{
    Totals(0, TOTALS_BACKS, {{7, 400}, {8, 1700}, {9, 12}, {10, 250}, {11, 3000}, {12, 20}});
    // The quarterbacks' 30 receiving yards (one lined up as a receiver) are
    // yards from scrimmage too.
    Totals(0, TOTALS_QUARTERBACKS, {{7, 50}, {8, 200}, {9, 3}, {2, 500}, {3, 320}, {4, 12}, {5, 3650}, {11, 30}});
    Set_Season_Record(0, 0, 8, 4, 1);   // 13 games

    // 112: 190,000 / 450; 133: 49,300 / 13 = 3792.31; 134: 19,000 / 13 = 1461.54; 135: 30,000 / 13.
    Expect_Totals(0, TOTALS_BACKS, {{112, 422}, {113, 120}, {131, 4930}, {132, 35}, {133, 3792},
                                    {134, 1462}, {135, 2308}, {103, 73}});   // 103: always the quarterbacks'
    // League-only codes give 0 for a team.
    Expect_Totals(0, TOTALS_QUARTERBACKS, {{101, 640}, {143, 60}, {147, 820}, {107, 0}, {111, 0}});

    // Division by zero gives 0; no games played gives 0 per game.
    EXPECT_EQ(Get_Team_Totals_Stat(0, TOTALS_DEFENSE, 0, 112), 0);
    Set_Season_Record(0, 0, 0, 0, 0);
    EXPECT_EQ(Get_Team_Totals_Stat(0, TOTALS_BACKS, 0, 134), 0);

    // Category 5 has no category 8: the team stats behind the block are not read.
    League.Team[0].nTeamStat[7] = 1000;
    League.Team[0].nTeamStat[8] = 1000;
    Totals(0, 5, {{7, 10}, {8, 45}});
    EXPECT_EQ(Get_Team_Totals_Stat(0, 5, 0, 112), 450);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinanceTest, LeagueTotalsSumTeamsInUse)
{
    Use_Franchises(3);
    // Per team: attempts, completions, interceptions, sacked; rushes, rushing and catching yards.
    const int nCode[7][2] = {{TOTALS_QUARTERBACKS, 2}, {TOTALS_QUARTERBACKS, 3}, {TOTALS_QUARTERBACKS, 4},
                             {TOTALS_QUARTERBACKS, 14}, {TOTALS_BACKS, 7}, {TOTALS_BACKS, 8}, {TOTALS_BACKS, 11}};
    const int nValue[3][7] = {{500, 320, 12, 30, 400, 1700, 3000}, {400, 250, 10, 20, 380, 1500, 2800},
                              {600, 380, 8, 25, 350, 1300, 2600}};
    for (int t = 0; t < 3; t++) {
        for (int i = 0; i < 7; i++)
            Total(t, nCode[i][0], nCode[i][1], nValue[t][i]);
        Set_Season_Record(t, 0, 4 + 2 * t, 8 - 2 * t, 1);   // 13 games each
    }
    Total(3, TOTALS_QUARTERBACKS, 2, 100000);   // not in use

    // 101: 950,000 / 1,500; 111: 75,000 / 1,575; 112: 450,000 / 1,130 (no
    // quarterbacks in the league code); 133-135: 129,000, 45,000 and 84,000
    // over 39 games. 107 belongs to one category.
    const int nExpected[][3] = {
        {TOTALS_QUARTERBACKS, 2, 1500}, {TOTALS_QUARTERBACKS, 101, 633}, {TOTALS_QUARTERBACKS, 107, 20},
        {TOTALS_QUARTERBACKS, 111, 48}, {TOTALS_QUARTERBACKS, 147, 2450}, {TOTALS_BACKS, 107, 0}, {TOTALS_BACKS, 112, 398},
        {TOTALS_BACKS, 131, 12900}, {TOTALS_BACKS, 133, 3308}, {TOTALS_BACKS, 134, 1154}, {TOTALS_BACKS, 135, 2154}};
    for (const auto& Row : nExpected)
        EXPECT_EQ(Get_League_Total(Row[0], 0, Row[1]), Row[2]) << Row[0] << " " << Row[1];
    EXPECT_EQ(Errors_Reported(), 0);

    // A sum beyond 32 bits is held at the largest int.
    Total(0, TOTALS_DEFENSE, 0, 2000000000);
    Total(1, TOTALS_DEFENSE, 0, 2000000000);
    EXPECT_EQ(Get_League_Total(TOTALS_DEFENSE, 0, 0), 2147483647);
}

TEST_F(TeamFinanceTest, TotalsSeasonTurnover)
{
    // The last category's last stat, in every season.
    Total(0, 7, 19, 4);
    Total(1, 7, 19, 5);
    League.Team[1].nTotals[7][TOTALS_ALL_SEASONS][19] = 7;
    Copy_Team_Totals_To_Last_Season(1);
    Clear_Team_Totals_Season(1);
    EXPECT_EQ(League.Team[1].nTotals[7][TOTALS_THIS_SEASON][19], 0);
    EXPECT_EQ(League.Team[1].nTotals[7][TOTALS_LAST_SEASON][19], 5);
    EXPECT_EQ(League.Team[1].nTotals[7][TOTALS_ALL_SEASONS][19], 7);
    EXPECT_EQ(League.Team[0].nTotals[7][TOTALS_THIS_SEASON][19], 4);   // other teams untouched
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamFinanceTest, WholeBlockClearStaysInItsBlock)
{
    // 1,920 bytes: 8 categories x 3 seasons x 20 stats of 4 bytes.
    static_assert(sizeof(League.Team[0].nTotals) == 1920);
    for (int t : {0, 1, 4})
        std::fill_n(&League.Team[t].nTotals[0][0][0], sizeof(League.Team[t].nTotals) / 4, 9);
    League.Team[1].nTeamStat[0] = 55;   // right behind the block: untouched

    Clear_Team_Totals(1);
    EXPECT_EQ(std::count(&League.Team[1].nTotals[0][0][0], &League.Team[1].nTotals[0][0][0] + 480, 0), 480);
    EXPECT_EQ(League.Team[1].nTeamStat[0], 55);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

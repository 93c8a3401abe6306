// Credits of a game's statistics: routing by unit, position, week, injury and
// conversion try to the season lines, the clubs' totals and the box score.

#include "engine/game_stats.h"

#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "league/team_finance_stats.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 0;
constexpr int HOME = 1;

class GameStatsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Set_Regular_Season_Weeks(17);
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        // Home club: slots 0-5 QB, RB, DE, K, T, WR; slots 7-10 more linemen.
        const int nHomePositions[] = {POSITION_QB, POSITION_RB, POSITION_DE, POSITION_K, POSITION_T, POSITION_WR};
        for (int s = 0; s < 6; ++s)
            Put_Player(HOME, s, 101 + s, nHomePositions[s]);
        Put_Player(HOME, 6, 107, POSITION_TE);
        for (int s = 7; s <= 10; ++s)
            Put_Player(HOME, s, 101 + s, s == 8 ? POSITION_C : POSITION_G);
        Put_Player(AWAY, 0, 201, POSITION_LB);
        m_Game.nAwayTeam = AWAY;
        m_Game.nHomeTeam = HOME;
        m_Game.nOffense = HOME;
        for (int s = 0; s <= 10; ++s)
            m_Game.nRosterID[GAME_SIDE_HOME][s] = 101 + s;
        m_Game.nRosterID[GAME_SIDE_AWAY][3] = 201;   // not at entry 0: the entry is found by ID
        for (int p = 0; p < PLACES_ON_FIELD; ++p)
            m_Game.nOnField[GAME_SIDE_HOME][p] = static_cast<uint8_t>(p);
        m_Game.nOnField[GAME_SIDE_HOME][6] = 4;   // the tackle on the left end of the line
        m_Game.CurrentPlay.nOffenseCall = 3;
    }

    int Figure(int bSide, int nEntry, int k) const { return m_Game.nPlayerGameStat[bSide][nEntry][k]; }
    int Figures_Total() const
    {
        int n = 0;
        for (const auto& Side : m_Game.nPlayerGameStat)
            for (const auto& Entry : Side)
                for (int16_t v : Entry)
                    n += v != 0;
        return n;
    }

    GAME m_Game{};
};

TEST_F(GameStatsTest, RunningBackYardsReachLinesTotalsAndFigureE1)
{
    Credit_Game_Player_Stat(&m_Game, HOME, 1, UNIT_BACKS, 8, 12);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_THIS_SEASON, 8), 12);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_CAREER, 8), 12);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_LAST_SEASON, 8), 0);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_THIS_SEASON, 8), 12);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_ALL_SEASONS, 8), 12);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_LAST_SEASON, 8), 0);
    EXPECT_EQ(Get_Team_Totals_Stat(AWAY, TOTALS_OPPONENTS + TOTALS_BACKS, TOTALS_THIS_SEASON, 8), 12);
    EXPECT_EQ(Get_Team_Totals_Stat(AWAY, TOTALS_OPPONENTS + TOTALS_BACKS, TOTALS_ALL_SEASONS, 8), 12);
    EXPECT_EQ(Get_Team_Totals_Stat(AWAY, TOTALS_BACKS, TOTALS_THIS_SEASON, 8), 0);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_OPPONENTS + TOTALS_BACKS, TOTALS_THIS_SEASON, 8), 0);
    EXPECT_EQ(Figure(GAME_SIDE_HOME, 1, 1), 12);
    EXPECT_EQ(Figures_Total(), 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(GameStatsTest, EachGroupFeedsItsOwnFigure)
{
    Credit_Game_Player_Stat(&m_Game, HOME, 0, UNIT_BACKS, 3, 1);    // QB completion: e1
    Credit_Game_Player_Stat(&m_Game, HOME, 0, UNIT_BACKS, 4, 2);    // QB interceptions: e4
    Credit_Game_Player_Stat(&m_Game, AWAY, 0, UNIT_DEFENSE, 2, 1);  // LB tackle: e2
    Credit_Game_Player_Stat(&m_Game, AWAY, 0, UNIT_DEFENSE, 4, 1);  // LB sack: e0
    Credit_Game_Player_Stat(&m_Game, HOME, 3, UNIT_KICKERS, 12, 1); // K: e2
    Credit_Game_Player_Stat(&m_Game, HOME, 3, UNIT_KICKERS, 13, 1); // K: e3
    Credit_Game_Player_Stat(&m_Game, HOME, 5, UNIT_BACKS, 12, 1);   // WR touchdown: e4
    Credit_Game_Player_Stat(&m_Game, HOME, 5, UNIT_BACKS, 13, 1);   // WR code 13 feeds none
    EXPECT_EQ(Figure(GAME_SIDE_HOME, 0, 1), 1);
    EXPECT_EQ(Figure(GAME_SIDE_HOME, 0, 4), 2);
    EXPECT_EQ(Figure(GAME_SIDE_AWAY, 3, 2), 1);
    EXPECT_EQ(Figure(GAME_SIDE_AWAY, 3, 0), 1);
    EXPECT_EQ(Figure(GAME_SIDE_HOME, 3, 2), 1);
    EXPECT_EQ(Figure(GAME_SIDE_HOME, 3, 3), 1);
    EXPECT_EQ(Figure(GAME_SIDE_HOME, 5, 4), 1);
    EXPECT_EQ(Figures_Total(), 7);
    // Totals by group: quarterbacks 3, defence 1 (the home side's allowed 5), kickers 2.
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_QUARTERBACKS, TOTALS_THIS_SEASON, 4), 2);
    EXPECT_EQ(Get_Team_Totals_Stat(AWAY, TOTALS_OPPONENTS + TOTALS_QUARTERBACKS, TOTALS_ALL_SEASONS, 4), 2);
    EXPECT_EQ(Get_Team_Totals_Stat(AWAY, TOTALS_DEFENSE, TOTALS_THIS_SEASON, 2), 1);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_OPPONENTS + TOTALS_DEFENSE, TOTALS_THIS_SEASON, 2), 1);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_KICKERS, TOTALS_THIS_SEASON, 12), 1);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_THIS_SEASON, 13), 1);
}

TEST_F(GameStatsTest, UnitFilterRefusesOtherUnits)
{
    LEAGUE_SNAPSHOT Before;
    Credit_Game_Player_Stat(&m_Game, HOME, 1, UNIT_DEFENSE, 2, 1);              // a defensive stat for a back
    Credit_Game_Player_Stat(&m_Game, HOME, 0, UNIT_FILTER_PLAYMAKERS, 17, 1);   // quarterback
    Credit_Game_Player_Stat(&m_Game, HOME, 4, UNIT_FILTER_PLAYMAKERS, 17, 1);   // lineman
    Credit_Game_Player_Stat(&m_Game, HOME, 3, UNIT_FILTER_PLAYMAKERS, 17, 1);   // kicker
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Figures_Total(), 0);

    Credit_Game_Player_Stat(&m_Game, HOME, 5, UNIT_FILTER_PLAYMAKERS, 17, 30);  // a receiver returns a punt
    Credit_Game_Player_Stat(&m_Game, HOME, 2, UNIT_FILTER_PLAYMAKERS, 17, 4);   // so does a defender
    EXPECT_EQ(Get_Player_Stat(HOME, 5, STAT_PERIOD_THIS_SEASON, 17), 30);
    EXPECT_EQ(Get_Player_Stat(HOME, 2, STAT_PERIOD_THIS_SEASON, 17), 4);
    // Any other filter value passes everyone.
    Credit_Game_Player_Stat(&m_Game, HOME, 0, UNIT_FILTER_ANY, 1, 1);
    EXPECT_EQ(Get_Player_Stat(HOME, 0, STAT_PERIOD_THIS_SEASON, 1), 1);
}

// A defender, a lineman and a kicker carrying and catching in a back's
// place: no figure or line of their own, but the club's backs totals (and
// the opponents' allowed) count the plays, as the box score's rows do.
TEST_F(GameStatsTest, AStandInsCarriesAndCatchesAreTheClubs)
{
    Credit_Game_Player_Stat(&m_Game, HOME, 2, UNIT_BACKS, STAT_RECEPTIONS, 1);       // the defensive end
    Credit_Game_Player_Stat(&m_Game, HOME, 2, UNIT_BACKS, STAT_RECEIVING_YARDS, 25);
    Credit_Game_Player_Stat(&m_Game, HOME, 4, UNIT_BACKS, STAT_RUSHING_ATTEMPTS, 1);  // the tackle
    Credit_Game_Player_Stat(&m_Game, HOME, 4, UNIT_BACKS, STAT_RUSHING_YARDS, 3);
    Credit_Game_Player_Stat(&m_Game, HOME, 3, UNIT_BACKS, STAT_RUSHING_YARDS, 14);    // the kicker on a fake
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_THIS_SEASON, STAT_RECEPTIONS), 1);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_THIS_SEASON, STAT_RECEIVING_YARDS), 25);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_ALL_SEASONS, STAT_RECEIVING_YARDS), 25);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_THIS_SEASON, STAT_RUSHING_ATTEMPTS), 1);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_THIS_SEASON, STAT_RUSHING_YARDS), 17);
    EXPECT_EQ(Get_Team_Totals_Stat(AWAY, TOTALS_OPPONENTS + TOTALS_BACKS, TOTALS_THIS_SEASON, STAT_RUSHING_YARDS), 17);
    // 25 + 17 yards from scrimmage.
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_THIS_SEASON, 131), 42);
    // Their own groups and lines are untouched: a defender's 11 is his coverage.
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_DEFENSE, TOTALS_THIS_SEASON, STAT_RECEIVING_YARDS), 0);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_KICKERS, TOTALS_THIS_SEASON, STAT_RUSHING_YARDS), 0);
    EXPECT_EQ(Get_Player_Stat(HOME, 2, STAT_PERIOD_THIS_SEASON, STAT_RECEIVING_YARDS), 0);
    EXPECT_EQ(Get_Player_Stat(HOME, 3, STAT_PERIOD_THIS_SEASON, STAT_RUSHING_YARDS), 0);
    EXPECT_EQ(Figures_Total(), 0);
    // Not on a conversion try, nor any statistic but carries and catches.
    LEAGUE_SNAPSHOT Before;
    Credit_Game_Player_Stat(&m_Game, HOME, 2, UNIT_BACKS, STAT_FUMBLES_LOST, 1);
    m_Game.nDown = CONVERSION_ATTEMPT;
    Credit_Game_Player_Stat(&m_Game, HOME, 2, UNIT_BACKS, STAT_RECEIVING_YARDS, 2);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(GameStatsTest, LinemanGetsHisSeasonLineOnly)
{
    Credit_Game_Player_Stat(&m_Game, HOME, 4, UNIT_LINE, 8, 6);
    EXPECT_EQ(Get_Player_Stat(HOME, 4, STAT_PERIOD_THIS_SEASON, 8), 6);
    EXPECT_EQ(Get_Player_Stat(HOME, 4, STAT_PERIOD_CAREER, 8), 6);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_THIS_SEASON, 8), 0);
    EXPECT_EQ(Get_Team_Totals_Stat(AWAY, TOTALS_OPPONENTS + TOTALS_BACKS, TOTALS_THIS_SEASON, 8), 0);
    EXPECT_EQ(Figures_Total(), 0);
}

TEST_F(GameStatsTest, ConversionTryCreditsOnlyTheKick)
{
    m_Game.nDown = CONVERSION_ATTEMPT;
    LEAGUE_SNAPSHOT Before;
    Credit_Game_Player_Stat(&m_Game, HOME, 1, UNIT_BACKS, 8, 2);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Figures_Total(), 0);

    m_Game.CurrentPlay.nOffenseCall = 59;
    Credit_Game_Player_Stat(&m_Game, HOME, 3, UNIT_KICKERS, 12, 1);
    EXPECT_EQ(Get_Player_Stat(HOME, 3, STAT_PERIOD_THIS_SEASON, 12), 1);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_KICKERS, TOTALS_THIS_SEASON, 12), 1);
    EXPECT_EQ(Figure(GAME_SIDE_HOME, 3, 2), 1);
}

TEST_F(GameStatsTest, PlayoffWeeksSkipSeasonLinesOnly)
{
    Set_User_Preference(PREF_CURRENT_WEEK, 17);
    Credit_Game_Player_Stat(&m_Game, HOME, 1, UNIT_BACKS, 8, 9);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_THIS_SEASON, 8), 0);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_CAREER, 8), 0);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_THIS_SEASON, 8), 9);
    EXPECT_EQ(Figure(GAME_SIDE_HOME, 1, 1), 9);

    Set_User_Preference(PREF_CURRENT_WEEK, 16);   // the last regular-season week still counts
    Increment_Player_Stat(HOME, 1, 8, 3);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_THIS_SEASON, 8), 3);
}

TEST_F(GameStatsTest, SeasonLinesNeverPastWeekOne)
{
    // With a season of one week the playoffs start at week 1, but week 1 still counts.
    Set_Regular_Season_Weeks(1);
    Set_User_Preference(PREF_CURRENT_WEEK, 1);
    Increment_Player_Stat(HOME, 1, 8, 4);
    Set_User_Preference(PREF_CURRENT_WEEK, 2);
    Increment_Player_Stat(HOME, 1, 8, 5);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    Increment_Player_Stat(HOME, 1, 8, 6);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_THIS_SEASON, 8), 4);
}

TEST_F(GameStatsTest, IncrementPlayerStatRefusesATeamNotInUse)
{
    Put_Player(5, 0, 501, POSITION_RB);
    LEAGUE_SNAPSHOT Before;
    Increment_Player_Stat(5, 0, 8, 4);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Invalid nTeam in Increment_Player_Stat"));
}

TEST_F(GameStatsTest, InjuredPlayerKeepsGamesPlayedAndTeamTotals)
{
    League.Team[HOME].Player[1].nVital[VITAL_INJURY_WEEKS] = 2;
    Credit_Game_Player_Stat(&m_Game, HOME, 1, UNIT_BACKS, 8, 7);
    Credit_Game_Player_Stat(&m_Game, HOME, 1, UNIT_BACKS, 0, 1);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_THIS_SEASON, 8), 0);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_THIS_SEASON, 0), 1);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_THIS_SEASON, 8), 7);
    EXPECT_EQ(Figure(GAME_SIDE_HOME, 1, 1), 0);
}

TEST_F(GameStatsTest, RushingPlayCreditsCarrierBlockersAndGameTotals)
{
    Credit_Rushing_Play(&m_Game, 1, 5, RUN_DIRECTION_MIDDLE);
    Credit_Rushing_Play(&m_Game, 1, -3, RUN_DIRECTION_LEFT);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_THIS_SEASON, 7), 2);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_THIS_SEASON, 8), 2);
    EXPECT_EQ(Figure(GAME_SIDE_HOME, 1, 0), 2);
    EXPECT_EQ(Figure(GAME_SIDE_HOME, 1, 1), 2);
    // Middle: places 7-9 (slots 7-9); left: places 6-7 (slots 4 and 7).
    EXPECT_EQ(Get_Player_Stat(HOME, 4, STAT_PERIOD_THIS_SEASON, 8), -3);
    EXPECT_EQ(Get_Player_Stat(HOME, 7, STAT_PERIOD_THIS_SEASON, 7), 2);
    EXPECT_EQ(Get_Player_Stat(HOME, 7, STAT_PERIOD_THIS_SEASON, 8), 2);
    EXPECT_EQ(Get_Player_Stat(HOME, 8, STAT_PERIOD_THIS_SEASON, 8), 5);
    EXPECT_EQ(Get_Player_Stat(HOME, 9, STAT_PERIOD_THIS_SEASON, 7), 1);
    EXPECT_EQ(Get_Player_Stat(HOME, 10, STAT_PERIOD_THIS_SEASON, 7), 0);
    EXPECT_EQ(Get_Team_Totals_Stat(HOME, TOTALS_BACKS, TOTALS_THIS_SEASON, 8), 2);
    EXPECT_EQ(m_Game.nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_RUSHES], 2);
    EXPECT_EQ(m_Game.nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_RUSHING_YARDS], 2);
    EXPECT_EQ(m_Game.nTeamTotal[GAME_SIDE_AWAY][GAME_TOTAL_RUSHES], 0);
    Credit_Rushing_Play(&m_Game, 1, -4, RUN_DIRECTION_RIGHT);
    EXPECT_EQ(static_cast<int16_t>(m_Game.nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_RUSHING_YARDS]), -2);
    EXPECT_EQ(Get_Player_Stat(HOME, 10, STAT_PERIOD_THIS_SEASON, 7), 1);
    EXPECT_EQ(Errors_Reported(), 0);

    Credit_Rushing_Play(&m_Game, 1, 1, 3);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_THIS_SEASON, 7), 4);   // the carrier still counts
    EXPECT_EQ(Get_Player_Stat(HOME, 7, STAT_PERIOD_THIS_SEASON, 7), 2);
}

TEST_F(GameStatsTest, RushingTotalsNotCountedOnAConversionTry)
{
    m_Game.nDown = CONVERSION_ATTEMPT;
    Credit_Rushing_Play(&m_Game, 1, 2, RUN_DIRECTION_MIDDLE);
    EXPECT_EQ(m_Game.nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_RUSHES], 0);
    EXPECT_EQ(Get_Player_Stat(HOME, 1, STAT_PERIOD_THIS_SEASON, 7), 0);
}

TEST_F(GameStatsTest, GameFigureBoundsAreChecked)
{
    Add_Player_Game_Stat(&m_Game, GAME_SIDE_HOME, 1, 5, 1);
    Add_Player_Game_Stat(&m_Game, GAME_SIDE_HOME, 1, -1, 1);
    Add_Player_Game_Stat(&m_Game, 2, 1, 0, 1);
    EXPECT_EQ(Errors_Reported(), 3);
    Add_Player_Game_Stat(&m_Game, GAME_SIDE_HOME, NO_PLAYER, 0, 1);
    Add_Player_Game_Stat(&m_Game, GAME_SIDE_AWAY, 1, 0, 1);   // away slot 1 is empty
    EXPECT_EQ(Figures_Total(), 0);
    Credit_Game_Player_Stat(&m_Game, HOME, 1, UNIT_BACKS, 20, 1);
    EXPECT_EQ(Errors_Reported(), 1);
}

TEST_F(GameStatsTest, GameFigureGoesToTheFirstEntryHoldingTheID)
{
    // Every entry of the away side, each group of four and both ends: the
    // figure lands on the first entry with the ID, whatever follows it.
    for (int nEntry = 0; nEntry < GAME_ROSTER_SIZE; ++nEntry) {
        m_Game = GAME{};
        m_Game.nAwayTeam = AWAY;
        m_Game.nHomeTeam = HOME;
        m_Game.nRosterID[GAME_SIDE_AWAY][nEntry] = 201;
        if (nEntry + 1 < GAME_ROSTER_SIZE)
            m_Game.nRosterID[GAME_SIDE_AWAY][nEntry + 1] = 201;   // a second entry with his ID
        if (nEntry + 5 < GAME_ROSTER_SIZE)
            m_Game.nRosterID[GAME_SIDE_AWAY][nEntry + 5] = 201;
        m_Game.nRosterID[GAME_SIDE_HOME][nEntry] = 201;            // the other side is not looked at
        Add_Player_Game_Stat(&m_Game, GAME_SIDE_AWAY, 0, 2, 7);
        EXPECT_EQ(Figure(GAME_SIDE_AWAY, nEntry, 2), 7) << nEntry;
        EXPECT_EQ(Figures_Total(), 1) << nEntry;
    }
    // Not among the entries: nothing.
    m_Game = GAME{};
    m_Game.nAwayTeam = AWAY;
    m_Game.nHomeTeam = HOME;
    m_Game.nRosterID[GAME_SIDE_HOME][0] = 201;
    Add_Player_Game_Stat(&m_Game, GAME_SIDE_AWAY, 0, 2, 7);
    EXPECT_EQ(Figures_Total(), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(GameStatsTest, PlayerOfTheGameScore)
{
    int16_t* e = m_Game.nPlayerGameStat[GAME_SIDE_HOME][0];
    e[0] = 10; e[1] = 6; e[2] = 80; e[3] = 1; e[4] = 2;
    // -2 x 10 + 5 x 6 + 1 x 80 + 45 x 1 - 25 x 2
    EXPECT_EQ(Get_Player_Game_Score(&m_Game, GAME_SIDE_HOME, 0), 85);
    int16_t* d = m_Game.nPlayerGameStat[GAME_SIDE_AWAY][3];
    d[0] = 1; d[1] = 1; d[2] = 5; d[3] = 2; d[4] = 0;
    EXPECT_EQ(Get_Player_Game_Score(&m_Game, GAME_SIDE_AWAY, 3), 20 + 75 + 30 + 6);
    int16_t* k = m_Game.nPlayerGameStat[GAME_SIDE_HOME][3];
    k[0] = 1; k[1] = 1; k[2] = 2; k[3] = 1; k[4] = 9;
    EXPECT_EQ(Get_Player_Game_Score(&m_Game, GAME_SIDE_HOME, 3), 10 + 2 + 80 + 15);
    m_Game.nPlayerGameStat[GAME_SIDE_HOME][4][1] = 50;   // a tackle scores nothing
    EXPECT_EQ(Get_Player_Game_Score(&m_Game, GAME_SIDE_HOME, 4), 0);

    m_Game.nPlayerGameStat[GAME_SIDE_HOME][20][1] = 50;   // entry ID 0
    EXPECT_EQ(Get_Player_Game_Score(&m_Game, GAME_SIDE_HOME, 20), 0);
    m_Game.nRosterID[GAME_SIDE_HOME][21] = 999;           // nobody has that ID
    m_Game.nPlayerGameStat[GAME_SIDE_HOME][21][1] = 50;
    EXPECT_EQ(Get_Player_Game_Score(&m_Game, GAME_SIDE_HOME, 21), 0);
    EXPECT_EQ(Get_Player_Game_Score(&m_Game, 2, 0), 0);
    EXPECT_EQ(Get_Player_Game_Score(&m_Game, GAME_SIDE_HOME, 80), 0);
}

}  // namespace

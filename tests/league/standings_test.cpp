// Standings keys and league-state helpers: the keys and their tie-breaks over
// a small league of hand-made finished games, division places, magic and
// elimination numbers, week indexes, past finishers, play styles and the
// league-state resets. Every expected number is worked out by hand in the
// comments beside it.

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "league/calendar.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league_fixture.h"
#include "test_support.h"

namespace {

// The small league of the key tests: league 0 holds division 0 (A, B, C) and
// division 1 (D); league 1 holds division 4 (E).
constexpr int A = 0, B = 1, C = 2, D = 3, E = 4;

struct PLAYED {
    int nAway, nHome, nAwayScore, nHomeScore;
};

// Records 0-12, in this order. Season records that follow:
//   A 3-2 (W 0, 1, 10; L 3, 6)      B 3-2 (L 0, 1; W 4, 5, 7)
//   C 3-2 (L 2, 7; W 8, 11, 12)     D 2-2-1 (W 2, 3; L 4, 8; T 9)
//   E 1-4-1 (L 5, 10, 11, 12; W 6; T 9)
const PLAYED SEASON[] = {
    {A, B, 21, 14},   // 0  A wins at B
    {B, A, 10, 17},   // 1  A wins at home
    {C, D, 13, 20},   // 2  D
    {A, D, 3, 24},    // 3  D
    {D, B, 7, 14},    // 4  B
    {B, E, 10, 0},    // 5  B
    {E, A, 28, 27},   // 6  E
    {C, B, 6, 7},     // 7  B
    {D, C, 0, 30},    // 8  C
    {E, D, 3, 3},     // 9  tie
    {A, E, 20, 17},   // 10 A
    {C, E, 14, 10},   // 11 C
    {E, C, 6, 9},     // 12 C
};
constexpr int SEASON_GAMES = sizeof(SEASON) / sizeof(SEASON[0]);

const char* const NICKNAME[5] = {"Alphas", "Bravos", "Chargers", "Deltas", "Echoes"};

class StandingsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Clear_League_Data();
        League.StandingsArea.nPlayoffDay[0] = 17;
        League.Universe.nStat[GAMES_PER_SEASON] = 6;
    }

    static void Use_Team(int nTeam, int nDivision, int nController = CONTROLLER_COMPUTER)
    {
        TEAM& Team = League.Team[nTeam];
        Team.nTeamStat[TEAM_STAT_CONTROLLER] = nController;
        Team.nTeamStat[TEAM_STAT_DIVISION] = nDivision;
        Team.nTeamStat[TEAM_STAT_TIME_ZONE] = 0;
        Team.nTeamStat[TEAM_STAT_CITY] = nTeam;
    }

    static void Build_Small_League()
    {
        Use_Team(A, 0);
        Use_Team(B, 0);
        Use_Team(C, 0);
        Use_Team(D, 1);
        Use_Team(E, 4);
        for (int t = A; t <= E; ++t)
            std::strcpy(League.Team[t].szString[TEAM_STRING_NICKNAME], NICKNAME[t]);
        for (int i = 0; i < SEASON_GAMES; ++i)
            Put_Game(i, SEASON[i].nAway, SEASON[i].nHome, SEASON[i].nAwayScore, SEASON[i].nHomeScore, 1);
        Set_Season_Record(A, 0, 3, 2, 0);
        Set_Season_Record(B, 0, 3, 2, 0);
        Set_Season_Record(C, 0, 3, 2, 0);
        Set_Season_Record(D, 0, 2, 2, 1);
        Set_Season_Record(E, 0, 1, 4, 1);
    }

    static std::string Nickname(int nTeam)
    {
        if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS)
            return "none";
        return League.Team[nTeam].szString[TEAM_STRING_NICKNAME];
    }

    static int Row(int nDivision, int nPlace) { return League.StandingsArea.DivisionRow[nDivision][nPlace]; }
};

// ---------------------------------------------------------------------------
// Results and keys

TEST_F(StandingsTest, ResultCountsFollowTheFilters)
{
    Build_Small_League();
    EXPECT_EQ(Count_Game_Records(), SEASON_GAMES);

    EXPECT_EQ(Count_Team_Results(A, RESULT_WINS, RESULTS_ALL_GAMES), 3);
    EXPECT_EQ(Count_Team_Results(A, RESULT_LOSSES, RESULTS_ALL_GAMES), 2);
    // A at home: record 1 won, record 6 lost.
    EXPECT_EQ(Count_Team_Results(A, RESULT_WINS, RESULTS_ALL_GAMES | RESULTS_HOME_ONLY), 1);
    EXPECT_EQ(Count_Team_Results(A, RESULT_LOSSES, RESULTS_ALL_GAMES | RESULTS_HOME_ONLY), 1);
    // Against one opponent, and only at home against him.
    EXPECT_EQ(Count_Team_Results(A, RESULT_WINS, B), 2);
    EXPECT_EQ(Count_Team_Results(A, RESULT_WINS, B | RESULTS_HOME_ONLY), 1);
    EXPECT_EQ(Count_Team_Results(B, RESULT_LOSSES, A), 2);
    // Division 0 for B: L 0, 1 (A), W 7 (C); league 0 for B: also W 4 (D).
    EXPECT_EQ(Count_Team_Results(B, RESULT_WINS, RESULTS_AGAINST_DIVISION), 1);
    EXPECT_EQ(Count_Team_Results(B, RESULT_LOSSES, RESULTS_AGAINST_DIVISION), 2);
    EXPECT_EQ(Count_Team_Results(B, RESULT_WINS, RESULTS_AGAINST_LEAGUE), 2);
    // D's tie is against E of the other league.
    EXPECT_EQ(Count_Team_Results(D, RESULT_TIES, RESULTS_ALL_GAMES), 1);
    EXPECT_EQ(Count_Team_Results(D, RESULT_TIES, RESULTS_AGAINST_LEAGUE), 0);
    EXPECT_EQ(Count_Team_Results(E, RESULT_TIES, D), 1);
    // Only 0, 4 and 8 are results.
    EXPECT_EQ(Count_Team_Results(A, 2, RESULTS_ALL_GAMES), 0);
    EXPECT_EQ(Errors_Reported(), 0);

    // Five teams at two games each: only the first 5 records count.
    // A in records 0-4: W 0, 1; L 3.
    League.Universe.nStat[GAMES_PER_SEASON] = 2;
    EXPECT_EQ(Count_Team_Results(A, RESULT_WINS, RESULTS_ALL_GAMES), 2);
    EXPECT_EQ(Count_Team_Results(A, RESULT_LOSSES, RESULTS_ALL_GAMES), 1);
    // 18 games a season are stored back as 17.
    League.Universe.nStat[GAMES_PER_SEASON] = 18;
    EXPECT_EQ(Count_Team_Results(C, RESULT_WINS, RESULTS_ALL_GAMES), 3);
    EXPECT_EQ(League.Universe.nStat[GAMES_PER_SEASON], 17);

    // A game still running ends the leading run of finished records.
    League.Game[5].nClock = 1200;
    EXPECT_EQ(Count_Game_Records(), 5);
    EXPECT_EQ(Count_Team_Results(B, RESULT_WINS, E), 0);
    EXPECT_EQ(Is_Game_Record_Final(5), 0);
    EXPECT_EQ(Is_Game_Record_Final(6), 1);
    EXPECT_EQ(Is_Game_Record_Final(-1), 0);
    EXPECT_EQ(Errors_Reported(), 0);

    // Games against the pools or against itself count nothing.
    Put_Game(0, A, FREE_AGENT_TEAM, 0, 50, 1);
    Put_Game(1, A, A, 0, 50, 1);
    EXPECT_EQ(Count_Team_Results(A, RESULT_LOSSES, RESULTS_ALL_GAMES), 1);
    // A win over franchise slot 5, out of use (division -1): a game, but in
    // no league.
    Put_Game(2, 5, A, 0, 9, 1);
    EXPECT_EQ(Count_Team_Results(A, RESULT_WINS, RESULTS_ALL_GAMES), 1);
    EXPECT_EQ(Count_Team_Results(A, RESULT_WINS, RESULTS_AGAINST_LEAGUE), 0);

    // An empty league counts nothing; bad arguments are reported.
    SetUp();
    Put_Game(0, A, B, 7, 0, 1);
    EXPECT_EQ(Count_Team_Results(A, RESULT_WINS, RESULTS_ALL_GAMES), 0);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Count_Team_Results(-1, RESULT_WINS, 0), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Count_Team_Results([-1],0,0)"));
    EXPECT_EQ(Is_Game_Record_Final(300), 0);
    EXPECT_TRUE(Last_Error_Contains("nGame out of bounds in Is_Game_Record_Final([300])"));
    EXPECT_EQ(Errors_Reported(), 2);
}

TEST_F(StandingsTest, StandingsKeysBreakTiesByMeetingsAndLeagueRecord)
{
    Build_Small_League();
    // A, B and C are level at +1 in league 0.
    // A: 2-0 against B, no meeting with C: bonus. League W-L: W 0, 1 (B), L 3 (D) = +1.
    EXPECT_EQ(Get_Team_Standings_Key(A), 10000 + 4000 + 100);
    // B: 0-2 against A, 1-0 against C: no bonus. League: L 0, 1, W 4, 7 = 0.
    EXPECT_EQ(Get_Team_Standings_Key(B), 10000);
    // C: no win against a level team. League: L 2, 7, W 8 = -1.
    EXPECT_EQ(Get_Team_Standings_Key(C), 10000 - 100);
    // D: alone at 0. League: W 2, 3, L 4, 8 = 0.
    EXPECT_EQ(Get_Team_Standings_Key(D), 0);
    // E: alone in league 1, no league games.
    EXPECT_EQ(Get_Team_Standings_Key(E), -30000);
    // A slot not in use and the pools give the smallest key; a team without
    // games gives 0.
    EXPECT_EQ(Get_Team_Standings_Key(5), UNUSED_TEAM_STANDINGS_KEY);
    EXPECT_EQ(Get_Team_Standings_Key(FREE_AGENT_TEAM), UNUSED_TEAM_STANDINGS_KEY);
    Use_Team(5, 1);
    EXPECT_EQ(Get_Team_Standings_Key(5), 0);
    EXPECT_EQ(Errors_Reported(), 0);

    // Division keys of division 0 (all +1):
    // A: +2 against B x 1,000; division 2-0 x 100; league +1.
    EXPECT_EQ(Get_Team_Division_Key(A), 10000 + 2000 + 200 + 1);
    // B: -2 (A) +1 (C) x 1,000; division 1-2 x 100; league 0.
    EXPECT_EQ(Get_Team_Division_Key(B), 10000 - 2000 + 1000 - 100 + 0);
    // C: -1 (B) x 1,000; division 0-1 x 100; league -1.
    EXPECT_EQ(Get_Team_Division_Key(C), 10000 - 1000 - 100 - 1);
    EXPECT_EQ(Errors_Reported(), 0);

    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Get_Team_Standings_Key(41), UNUSED_TEAM_STANDINGS_KEY);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Standings_Key([41])"));
    EXPECT_EQ(Get_Team_Division_Key(-3), UNUSED_TEAM_STANDINGS_KEY);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Division_Key([-3])"));
    EXPECT_EQ(Errors_Reported(), 2);
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(StandingsTest, RebuildPlacesTeamsOverallAndInTheirDivisions)
{
    Build_Small_League();
    Clear_Standings_Order();
    // Overall by key: A 14,100, B 10,000, C 9,900, D 0, E -30,000.
    const int nPlace[5] = {0, 1, 2, 3, 4};
    for (int t = A; t <= E; ++t)
        EXPECT_EQ(League.Team[t].nYearly[0][2], nPlace[t]) << t;
    // Division 0 by division key: A 12,201, B 8,900, C 8,899.
    EXPECT_EQ(Row(0, 0), A);
    EXPECT_EQ(Row(0, 1), B);
    EXPECT_EQ(Row(0, 2), C);
    for (int p = 3; p < DIVISION_ROW_PLACES; ++p)
        EXPECT_EQ(Row(0, p), NO_TEAM) << p;
    EXPECT_EQ(Row(1, 0), D);
    EXPECT_EQ(Row(1, 1), NO_TEAM);
    EXPECT_EQ(Row(4, 0), E);
    for (int d : {2, 3, 5, 6, 7})
        EXPECT_EQ(Row(d, 0), NO_TEAM) << d;
    EXPECT_EQ(Get_Team_Division_Place(C), 2);
    EXPECT_EQ(Get_Division_Place_Team(0, 1, 0), B);
    EXPECT_EQ(Errors_Reported(), 0);

    // Past seasons are ordered by that season's wins, then ties; equal
    // records keep the row's order.
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_Season_Record(A, 0, 5, 3, 0);
    Set_Season_Record(B, 0, 7, 0, 1);
    Set_Season_Record(C, 0, 7, 0, 2);
    EXPECT_EQ(Get_Division_Place_Team(0, 0, 0), C);
    EXPECT_EQ(Get_Division_Place_Team(0, 1, 0), B);
    EXPECT_EQ(Get_Division_Place_Team(0, 2, 0), A);
    EXPECT_EQ(Get_Division_Place_Team(0, 3, 0), NO_TEAM);
    Set_Season_Record(C, 0, 7, 0, 1);
    EXPECT_EQ(Get_Division_Place_Team(0, 0, 0), B);
    EXPECT_EQ(Get_Division_Place_Team(0, 1, 0), C);
    EXPECT_EQ(Errors_Reported(), 0);

    // A team in no row is reported by the standing's own name.
    Use_Team(5, 1);
    EXPECT_EQ(Get_Team_Division_Place(5), NOT_IN_DIVISION_ROWS);
    EXPECT_TRUE(Last_Error_Contains("Team not found in Get_Team_Division_Standing()"));
    EXPECT_EQ(Get_Team_Division_Place(NO_TEAM), NOT_IN_DIVISION_ROWS);   // never an empty place
    EXPECT_EQ(Errors_Reported(), 2);

    // Bad places and divisions are refused and store nothing.
    LEAGUE_SNAPSHOT Before;
    Set_Division_Place(8, 0);
    EXPECT_TRUE(Last_Error_Contains("nDivision out of bounds in Set_Division_Place([8],0)"));
    Set_Division_Place(0, 13);
    EXPECT_TRUE(Last_Error_Contains("nPlace out of bounds in Set_Division_Place(0,[13])"));
    EXPECT_EQ(Get_Division_Place_Team(0, -1, 1), NO_TEAM);
    EXPECT_TRUE(Last_Error_Contains("nPlace out of bounds in Get_Division_Place_Team(0,[-1],1)"));
    EXPECT_EQ(Get_Division_Place_Team(9, 0, 1), NO_TEAM);
    EXPECT_TRUE(Last_Error_Contains("nDivision out of bounds in Get_Division_Place_Team([9],0,1)"));
    EXPECT_EQ(Errors_Reported(), 4);
    EXPECT_TRUE(Before.Unchanged());

    // An empty league leaves every place empty.
    SetUp();
    std::memset(League.StandingsArea.DivisionRow, 0, sizeof(League.StandingsArea.DivisionRow));
    Clear_Standings_Order();
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        for (int p = 0; p < DIVISION_ROW_PLACES; ++p)
            ASSERT_EQ(Row(d, p), NO_TEAM) << d << " " << p;
}

TEST_F(StandingsTest, MagicAndEliminationNumbersInATwoDivisionLeague)
{
    Build_Small_League();
    Clear_Standings_Order();
    // Six games a season; league 0 has two divisions, so no runner-up race.
    EXPECT_EQ(Get_Best_Division_Runner_Up(0, 0), NO_TEAM);
    // Leader A: 6 - W(A) 3 - L(B) 2 + 1.
    EXPECT_EQ(Get_Team_Division_Standing(A), 2);
    // B and C: 6 - L 2 - W(A) 3 + 1 = 2 games they may still lose.
    EXPECT_EQ(Get_Team_Division_Standing(B), -2);
    EXPECT_EQ(Get_Team_Division_Standing(C), -2);
    // D leads a division of one: 6 - 2 - 0 + 1.
    EXPECT_EQ(Get_Team_Division_Standing(D), 5);
    EXPECT_EQ(Has_Team_Clinched(A), 0);
    EXPECT_EQ(Has_Team_Clinched(B), 0);
    EXPECT_EQ(Count_Divisions(), 2);

    // Four games: A's magic number is 0, B and C are out.
    League.Universe.nStat[GAMES_PER_SEASON] = 4;
    EXPECT_EQ(Get_Team_Division_Standing(A), 0);
    EXPECT_EQ(Has_Team_Clinched(A), 1);
    EXPECT_EQ(Get_Team_Division_Standing(B), ELIMINATED_STANDING);
    EXPECT_EQ(Has_Team_Clinched(B), 0);
    EXPECT_EQ(Errors_Reported(), 0);

    // 18 is stored back as 17: A 17 - 3 - 2 + 1.
    League.Universe.nStat[GAMES_PER_SEASON] = 18;
    EXPECT_EQ(Get_Team_Division_Standing(A), 13);
    EXPECT_EQ(League.Universe.nStat[GAMES_PER_SEASON], 17);

    // The pools have no division: out of every race, reported once.
    EXPECT_EQ(Get_Team_Division_Standing(FREE_AGENT_TEAM), ELIMINATED_STANDING);
    EXPECT_TRUE(Last_Error_Contains("Team not found in Get_Team_Division_Standing()"));
    EXPECT_EQ(Get_Team_Division_Standing(-1), ELIMINATED_STANDING);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Division_Standing([-1])"));
    EXPECT_EQ(Errors_Reported(), 2);
}

TEST_F(StandingsTest, RunnersUpRaceInAThreeDivisionLeague)
{
    // No game records: the keys are (W - L) x 10,000.
    // Division 0: 0 5-1, 1 4-2; division 1: 2 6-0, 3 3-3; division 2: 4 2-4, 5 1-5.
    const int nWins[6] = {5, 4, 6, 3, 2, 1};
    for (int t = 0; t < 6; ++t) {
        Use_Team(t, t / 2);
        Set_Season_Record(t, 0, nWins[t], 6 - nWins[t], 0);
    }
    League.Universe.nStat[GAMES_PER_SEASON] = 8;
    Clear_Standings_Order();
    EXPECT_EQ(Row(0, 0), 0);
    EXPECT_EQ(Row(1, 0), 2);
    EXPECT_EQ(Row(2, 1), 5);
    // Runners-up 1 (+20,000), 3 (0), 5 (-40,000).
    EXPECT_EQ(Get_Best_Division_Runner_Up(0, 0), 1);
    EXPECT_EQ(Get_Best_Division_Runner_Up(0, 1), 3);
    EXPECT_EQ(Get_Best_Division_Runner_Up(1, 0), NO_TEAM);
    EXPECT_EQ(Count_Divisions(), 3);

    // Leader 2: 8 - 6 - L(3) 3 + 1 = 0, clinched.
    EXPECT_EQ(Get_Team_Division_Standing(2), 0);
    EXPECT_EQ(Has_Team_Clinched(2), 1);
    // Leader 0: 8 - W(0) 5 - L(1) 2 + 1.
    EXPECT_EQ(Get_Team_Division_Standing(0), 2);
    // Best runner-up 1 against the second best 3: 8 - 4 - 3 + 1.
    EXPECT_EQ(Get_Team_Division_Standing(1), 2);
    EXPECT_EQ(Has_Team_Clinched(1), 0);
    // 3: against its leader 8 - 3 - 6 + 1 = 0, against runner-up 1
    // 8 - 3 - 4 + 1 = 2: two losses to spare.
    EXPECT_EQ(Get_Team_Division_Standing(3), -2);
    EXPECT_EQ(Has_Team_Clinched(3), 0);
    // 5: 8 - 5 - 2 + 1 = 2 against leader 4; 8 - 5 - 4 + 1 = 0.
    EXPECT_EQ(Get_Team_Division_Standing(5), -2);
    // Six games: 3 has 6 - 3 - 6 + 1 = -2 and 6 - 3 - 4 + 1 = 0: out.
    League.Universe.nStat[GAMES_PER_SEASON] = 6;
    EXPECT_EQ(Get_Team_Division_Standing(3), ELIMINATED_STANDING);
    EXPECT_EQ(Errors_Reported(), 0);

    EXPECT_EQ(Get_Best_Division_Runner_Up(2, 0), NO_TEAM);
    EXPECT_TRUE(Last_Error_Contains("nLeague out of bounds in Get_Best_Division_Runner_Up([2],0)"));
}

TEST_F(StandingsTest, SwappingTwoTeamsMidSeasonKeepsEveryReferenceOnItsClub)
{
    Build_Small_League();
    Clear_Standings_Order();
    // A bracket in progress: A against C, B against D; A went on with a score.
    uint8_t* pBracket = League.StandingsArea.PlayoffTeam;
    std::memset(pBracket, NO_TEAM, PLAYOFF_SLOTS);
    pBracket[0] = A;
    pBracket[1] = C;
    pBracket[2] = B;
    pBracket[3] = D;
    pBracket[16] = A;
    League.StandingsArea.nPlayoffScore[0] = 24;

    std::vector<std::string> GameTeams;
    for (int i = 0; i < SEASON_GAMES; ++i)
        GameTeams.push_back(Nickname(League.Game[i].nAwayTeam) + "@" + Nickname(League.Game[i].nHomeTeam));
    std::vector<std::string> BracketTeams;
    for (int s = 0; s < PLAYOFF_SLOTS; ++s)
        BracketTeams.push_back(pBracket[s] == NO_TEAM ? "empty" : Nickname(pBracket[s]));
    std::vector<std::string> RowTeams;
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        for (int p = 0; p < DIVISION_ROW_PLACES; ++p)
            RowTeams.push_back(Row(d, p) == NO_TEAM ? "empty" : Nickname(Row(d, p)));

    // Alphas (slot 0, division 0) and Deltas (slot 3, division 1) trade slots.
    Swap_Teams(A, D);
    ASSERT_EQ(Nickname(0), "Deltas");
    ASSERT_EQ(Nickname(3), "Alphas");

    for (int i = 0; i < SEASON_GAMES; ++i)
        EXPECT_EQ(Nickname(League.Game[i].nAwayTeam) + "@" + Nickname(League.Game[i].nHomeTeam), GameTeams[i]) << i;
    for (int s = 0; s < PLAYOFF_SLOTS; ++s)
        EXPECT_EQ(pBracket[s] == NO_TEAM ? "empty" : Nickname(pBracket[s]), BracketTeams[s]) << s;
    EXPECT_EQ(League.StandingsArea.nPlayoffScore[0], 24);
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        for (int p = 0; p < DIVISION_ROW_PLACES; ++p)
            EXPECT_EQ(Row(d, p) == NO_TEAM ? "empty" : Nickname(Row(d, p)), RowTeams[d * DIVISION_ROW_PLACES + p])
                << d << " " << p;

    // The results follow the clubs too: the same keys and the same order on
    // a fresh rebuild.
    EXPECT_EQ(Get_Team_Standings_Key(3), 14100);
    EXPECT_EQ(Get_Team_Standings_Key(0), 0);
    EXPECT_EQ(Get_Team_Division_Key(3), 12201);
    EXPECT_EQ(Count_Team_Results(3, RESULT_WINS, B), 2);
    Clear_Standings_Order();
    EXPECT_EQ(Nickname(Row(0, 0)), "Alphas");
    EXPECT_EQ(Nickname(Row(0, 1)), "Bravos");
    EXPECT_EQ(Nickname(Row(1, 0)), "Deltas");
    EXPECT_EQ(League.Team[3].nYearly[0][2], 0);
    EXPECT_EQ(League.Team[0].nYearly[0][2], 3);
    EXPECT_EQ(Get_Team_Division_Standing(3), 2);
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Bracket, past finishers, weeks

TEST_F(StandingsTest, BracketReadersCheckTheirSlot)
{
    League.StandingsArea.PlayoffTeam[30] = 7;
    League.StandingsArea.nPlayoffScore[30] = 31;
    EXPECT_EQ(Get_Playoff_Team(30), 7);
    EXPECT_EQ(Get_Playoff_Score(30), 31);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Playoff_Team(-1), NO_TEAM);
    EXPECT_TRUE(Last_Error_Contains("Invalid playoff slot in Get_Playoff_Team(-1)"));
    EXPECT_EQ(Get_Playoff_Team(31), NO_TEAM);
    EXPECT_TRUE(Last_Error_Contains("Invalid playoff slot in Get_Playoff_Team(31)"));
    EXPECT_EQ(Get_Playoff_Score(31), -128);
    EXPECT_TRUE(Last_Error_Contains("Invalid playoff slot in Get_Playoff_Score(31)"));
    EXPECT_EQ(Get_Playoff_Score(-5), -128);
    EXPECT_EQ(Errors_Reported(), 4);
}

TEST_F(StandingsTest, PastFinishersComeFromTheFinishCodes)
{
    for (int t = 0; t < 6; ++t)
        Use_Team(t, t < 3 ? 0 : 4);
    Set_User_Preference(PREF_SEASON_INDEX, 2);
    // Season 1: champion 0 (league 0), runner-up 3 (league 1), conference
    // final losers 1 (league 0) and 4 (league 1).
    League.Team[0].nYearly[1][YEARLY_INT_FINISH] = 8;
    League.Team[3].nYearly[1][YEARLY_INT_FINISH] = 7;
    League.Team[1].nYearly[1][YEARLY_INT_FINISH] = 6;
    League.Team[4].nYearly[1][YEARLY_INT_FINISH] = 6;
    League.Team[2].nYearly[1][YEARLY_INT_FINISH] = 5;
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_TITLE_GAME, 1, 1), 0);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_TITLE_GAME, 0, 1), 3);
    // League 0's finalist is the champion, since the runner-up is of league 1.
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_0_FINAL, 1, 1), 0);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_0_FINAL, 0, 1), 1);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_1_FINAL, 1, 1), 3);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_1_FINAL, 0, 1), 4);
    EXPECT_EQ(Get_Season_Finisher_Team(25, 1, 1), NO_FINISHER);
    // The current season has no finishers yet.
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_TITLE_GAME, 1, 0), NO_FINISHER);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_TITLE_GAME, 1, -200), NO_FINISHER);
    EXPECT_TRUE(Last_Error_Contains("Invalid nYear in Get_Team_Yearly_Int(0,202,3)"));
    EXPECT_EQ(Errors_Reported(), 1);
}

TEST_F(StandingsTest, WeekIndexesFromTheSchedulesAndThePlayoffSteps)
{
    for (int t = 0; t < 6; ++t) {
        Use_Team(t, 0);
        for (int w = 0; w < SCHEDULE_WEEKS; ++w)
            League.Team[t].nSchedule[w][3] = -1;
    }
    League.StandingsArea.nPlayoffDay[0] = 3;
    // Week 0: records 0 (teams 0, 1) and 1 (2, 3); week 1: 2 (0, 2) and
    // 3 (1, 3); week 2: record 4 (0, 3), teams 1 and 2 idle.
    const int nIndex[3][4] = {{0, 0, 1, 1}, {2, 3, 2, 3}, {4, -1, -1, 4}};
    for (int w = 0; w < 3; ++w)
        for (int t = 0; t < 4; ++t)
            League.Team[t].nSchedule[w][3] = nIndex[w][t];
    Put_Game(2, 0, 2, 7, 3, 1);
    Put_Game(3, 1, 3, 0, 3, 1);
    Put_Game(4, 3, 0, 10, 3, 1);
    League.Team[5].nSchedule[1][3] = 450;   // no such record: ignored

    EXPECT_EQ(Count_Week_Games(0), 2);   // record 0 is a game too
    EXPECT_EQ(Count_Week_Games(1), 2);
    EXPECT_EQ(Count_Week_Games(2), 1);   // the idle teams add nothing
    EXPECT_EQ(Get_Week_First_Game_Index(0), 0);
    EXPECT_EQ(Get_Week_First_Game_Index(1), 2);
    EXPECT_EQ(Get_Week_First_Game_Index(2), 4);
    // Playoff weeks 3-6 from b = 4 + 1: b, b + 4, b + 8, b + 10.
    EXPECT_EQ(Get_Week_First_Game_Index(3), 5);
    EXPECT_EQ(Get_Week_First_Game_Index(4), 9);
    EXPECT_EQ(Get_Week_First_Game_Index(5), 13);
    EXPECT_EQ(Get_Week_First_Game_Index(6), 15);
    EXPECT_EQ(Get_Week_First_Game_Index(7), NO_GAME_INDEX);
    const int nPlayoffGames[5] = {4, 4, 2, 1, 0};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Count_Week_Games(3 + i), nPlayoffGames[i]) << i;

    // Team 3 plays the second game of week 1; team 1 is idle in week 2.
    EXPECT_EQ(Find_Team_Game_In_Week(1, 3), &League.Game[3]);
    EXPECT_EQ(Get_Team_Game_Offset_In_Week(1, 3), 1);
    EXPECT_EQ(Get_Team_Game_Index_In_Week(1, 3), 3);
    EXPECT_EQ(Get_Team_Game_Index_In_Week(2, 0), 4);
    EXPECT_EQ(Find_Team_Game_In_Week(2, 1), nullptr);
    EXPECT_EQ(Get_Team_Game_Offset_In_Week(2, 1), -1);
    EXPECT_EQ(Get_Team_Game_Index_In_Week(2, 1), -1);
    EXPECT_EQ(Errors_Reported(), 0);

    // A week whose games have no records yet has none to show.
    for (int t = 0; t < 4; ++t)
        League.Team[t].nSchedule[2][3] = -1;
    EXPECT_EQ(Count_Week_Games(2), 0);
    EXPECT_EQ(Get_Week_First_Game_Index(2), NO_GAME_INDEX);
    EXPECT_EQ(Get_Week_First_Game_Index(3), NO_GAME_INDEX);   // no base for the playoffs

    // Fewer than two regular weeks: week 1 still counts as regular.
    League.StandingsArea.nPlayoffDay[0] = 0;
    EXPECT_EQ(Count_Week_Games(1), 2);
    EXPECT_EQ(Count_Week_Games(2), 4);
    EXPECT_EQ(Errors_Reported(), 0);

    // A round that has its records is read from them. Six teams in the wild
    // card week play three games, records 5 (0, 1), 6 (2, 3) and 7 (4, 5):
    // the division round then starts at record 8, not at b + 4 = 9.
    League.StandingsArea.nPlayoffDay[0] = 3;
    League.Team[0].nSchedule[2][3] = 4;
    League.Team[3].nSchedule[2][3] = 4;
    for (int t = 0; t < 6; ++t)
        League.Team[t].nSchedule[3][3] = 5 + t / 2;
    EXPECT_EQ(Get_Week_First_Game_Index(3), 5);
    EXPECT_EQ(Count_Week_Games(3), 3);
    EXPECT_EQ(Get_Week_First_Game_Index(4), 8);
    EXPECT_EQ(Count_Week_Games(4), 4);      // not played yet: the usual four
    EXPECT_EQ(Get_Week_First_Game_Index(5), 12);
    EXPECT_EQ(Get_Week_First_Game_Index(6), 14);
    // The division round plays records 8 (teams 0, 1) and 9 (3, 4).
    Put_Game(9, 3, 4, 17, 20, 4);
    for (int t : {0, 1})
        League.Team[t].nSchedule[4][3] = 8;
    for (int t : {3, 4})
        League.Team[t].nSchedule[4][3] = 9;
    EXPECT_EQ(Count_Week_Games(4), 2);
    EXPECT_EQ(Get_Week_First_Game_Index(5), 10);
    EXPECT_EQ(Count_Week_Games(5), 2);
    EXPECT_EQ(Get_Week_First_Game_Index(6), 12);
    EXPECT_EQ(Count_Week_Games(6), 1);
    EXPECT_EQ(Get_Team_Game_Index_In_Week(4, 4), 9);
    EXPECT_EQ(Find_Team_Game_In_Week(4, 4), &League.Game[9]);
    EXPECT_EQ(Errors_Reported(), 0);

    EXPECT_EQ(Count_Week_Games(-1), 0);
    EXPECT_TRUE(Last_Error_Contains("nWeek out of bounds in Count_Week_Games([-1])"));
    EXPECT_EQ(Get_Week_First_Game_Index(-2), NO_GAME_INDEX);
    EXPECT_TRUE(Last_Error_Contains("nWeek out of bounds in Get_Week_First_Game_Index([-2])"));
    EXPECT_EQ(Errors_Reported(), 2);
}

TEST_F(StandingsTest, CurrentMonthFollowsTheWeek)
{
    // Day 249 is 7 September; the off-season's day 104 is 15 April; week 17
    // is day 368, 3 January; week 16 day 361, 27 December.
    const int nWeek[5] = {0, OFFSEASON_WEEK, 17, 16, 2000000000};
    const int nMonth[4] = {8, 3, 0, 11};
    for (int i = 0; i < 4; ++i) {
        Set_User_Preference(PREF_CURRENT_WEEK, nWeek[i]);
        EXPECT_EQ(Get_Current_Month(), nMonth[i]) << nWeek[i];
    }
    Set_User_Preference(PREF_CURRENT_WEEK, nWeek[4]);   // a damaged week stays in range
    int nDamaged = Get_Current_Month();
    EXPECT_TRUE(nDamaged >= 0 && nDamaged <= 11);
}

// ---------------------------------------------------------------------------
// League state

TEST_F(StandingsTest, ClearingAndSwappingTheLeagues)
{
    EXPECT_EQ(Count_Teams(), 0);
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        for (int s = 0; s <= 3; ++s)
            ASSERT_EQ(League.Team[t].nTeamStat[s], -1) << t << " " << s;
    EXPECT_EQ(League.Team[FREE_AGENT_TEAM].nTeamStat[TEAM_STAT_CONTROLLER], 0);

    Use_Team(0, 0);
    Use_Team(1, 5);
    Use_Team(2, 3);
    std::strcpy(League.szLeagueName[0], "AFL");
    std::strcpy(League.szLeagueName[1], "NFL League Nam");
    Clear_Standings_Order();
    Swap_Leagues();
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_DIVISION], 4);
    EXPECT_EQ(League.Team[1].nTeamStat[TEAM_STAT_DIVISION], 1);
    EXPECT_EQ(League.Team[2].nTeamStat[TEAM_STAT_DIVISION], 7);
    EXPECT_EQ(League.Team[3].nTeamStat[TEAM_STAT_DIVISION], -1);   // not in use
    EXPECT_STREQ(League.szLeagueName[0], "NFL League Nam");
    EXPECT_STREQ(League.szLeagueName[1], "AFL");
    // The rows moved with their teams.
    EXPECT_EQ(Row(4, 0), 0);
    EXPECT_EQ(Row(1, 0), 1);
    EXPECT_EQ(Row(7, 0), 2);
    EXPECT_EQ(Row(0, 0), NO_TEAM);

    // Division of a team: its stat in use, 8 for the pools, -128 else.
    EXPECT_EQ(Get_Team_Division(1), 1);
    EXPECT_EQ(Get_Team_Division(FREE_AGENT_TEAM), 8);
    EXPECT_EQ(Get_Team_Division(5), -128);
    EXPECT_EQ(Errors_Reported(), 0);

    Build_Small_League();
    Clear_League_Data();
    EXPECT_EQ(League.Game[0].nScore[1], 0);
    EXPECT_EQ(League.Team[A].nYearly[0][2], 0);
    EXPECT_EQ(League.Team[A].nTeamStat[TEAM_STAT_CONTROLLER], -1);
    EXPECT_EQ(League.Team[A].szString[TEAM_STRING_NICKNAME][0], 0);
}

TEST_F(StandingsTest, PlayerFieldResetReachesEverySlotInUse)
{
    Use_Team(0, 0);
    for (int t : {0, 1, FREE_AGENT_TEAM, LAST_DRAFT_POOL_TEAM}) {
        League.Team[t].Player[0].nVital[VITAL_PLAYER_ID] = 100 + t;
        League.Team[t].Player[5].nVital[VITAL_PLAYER_ID] = 200 + t;   // behind a gap
    }
    Reset_Player_Field_To_22();
    for (int t : {0, FREE_AGENT_TEAM, LAST_DRAFT_POOL_TEAM}) {
        EXPECT_EQ(League.Team[t].Player[0].nVital[VITAL_FIELD_6], 22) << t;
        EXPECT_EQ(League.Team[t].Player[5].nVital[VITAL_FIELD_6], 22) << t;
        EXPECT_EQ(League.Team[t].Player[1].nVital[VITAL_FIELD_6], 0) << t;   // empty slot
    }
    EXPECT_EQ(League.Team[1].Player[0].nVital[VITAL_FIELD_6], 0);   // franchise not in use
}

TEST_F(StandingsTest, LastGamePathGoesIntoTheOwnersRecord)
{
    SCRATCH_FOLDER Scratch("standings");
    ASSERT_TRUE(Scratch.Ready());
    auto Read_Record = [](std::vector<unsigned char>& Data) {
        Data.assign(OWNER_HALL_OF_FAME_SIZE + 1, 0);
        FILE* pFile = std::fopen("ZrtFame.dat", "rb");
        size_t nRead = pFile ? std::fread(Data.data(), 1, Data.size(), pFile) : 0;
        if (pFile)
            std::fclose(pFile);
        return nRead;
    };
    std::vector<unsigned char> Record;

    // Without the record nothing is written and the user is told.
    Remember_Last_Game_Path("Saves/My League.zrt");
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Could not open \"ZrtFame.dat\" for reading.");
    EXPECT_EQ(Read_Record(Record), 0u);

    Record.assign(OWNER_HALL_OF_FAME_SIZE, 0xAB);
    FILE* pFile = std::fopen("ZrtFame.dat", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fwrite(Record.data(), 1, Record.size(), pFile);
    std::fclose(pFile);

    // An over-long path is cut to the field, the rest of the field zeroed;
    // a shorter one then leaves nothing of the longer behind.
    Remember_Last_Game_Path(std::string(400, 'x').c_str());
    ASSERT_EQ(Read_Record(Record), static_cast<size_t>(OWNER_HALL_OF_FAME_SIZE));
    EXPECT_EQ(Record[23279], 0xAB);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(&Record[23280])), std::string(271, 'x'));
    Remember_Last_Game_Path("Saves/A.zrt");
    ASSERT_EQ(Read_Record(Record), static_cast<size_t>(OWNER_HALL_OF_FAME_SIZE));
    EXPECT_STREQ(reinterpret_cast<char*>(&Record[23280]), "Saves/A.zrt");
    EXPECT_EQ(Record[23280 + 20], 0);
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
}

// ---------------------------------------------------------------------------
// Play styles

class StandingsStyleTest : public StandingsTest {
protected:
    // A player of a position, every rating 50.
    static void Add_Player(int nTeam, int nSlot, int nPosition, int nInjuryWeeks = 0)
    {
        PLAYER& Player = Put_Player(nTeam, nSlot, 1000 + nTeam * 100 + nSlot, nPosition, 50.0f);
        Player.nVital[VITAL_INJURY_WEEKS] = nInjuryWeeks;
    }
    static float& Rating(int nTeam, int nSlot, int nRating)
    {
        return League.Team[nTeam].Player[nSlot].fRating[nRating];
    }

    // Team 0's roster for the run/pass value of 68 worked out below.
    static void Build_Offence()
    {
        Add_Player(0, 0, POSITION_QB);
        Rating(0, 0, RATING_ACCURACY) = 81.25f;
        Rating(0, 0, RATING_CONTROL) = 73.0f;
        Rating(0, 0, RATING_DISTANCE) = 65.0f;
        Rating(0, 0, RATING_RED_ZONE) = 57.0f;
        Rating(0, 0, RATING_MOBILITY) = 61.0f;
        Rating(0, 0, RATING_POWER) = 40.0f;
        Rating(0, 0, RATING_VISION) = 60.0f;
        Rating(0, 0, RATING_HANDS) = 40.0f;
        Add_Player(0, 1, POSITION_WR, 3);              // hurt: not counted
        Rating(0, 1, RATING_RECEIVING) = 99.0f;
        Add_Player(0, 2, POSITION_WR);
        Rating(0, 2, RATING_RECEIVING) = 81.0f;
        Add_Player(0, 3, POSITION_WR);
        Rating(0, 3, RATING_RECEIVING) = 70.0f;
        Add_Player(0, 4, POSITION_TE);
        Rating(0, 4, RATING_RECEIVING) = 61.0f;
        Add_Player(0, 5, POSITION_RB);
        Rating(0, 5, RATING_VISION) = 51.0f;
        Rating(0, 5, RATING_RECEIVING) = 55.0f;
        Add_Player(0, 6, POSITION_T);
        Rating(0, 6, RATING_PASS_BLOCKING) = 70.5f;
        Rating(0, 6, RATING_RUN_BLOCKING) = 60.25f;
        Add_Player(0, 7, POSITION_G);
        Rating(0, 7, RATING_PASS_BLOCKING) = 61.0f;
        Rating(0, 7, RATING_RUN_BLOCKING) = 55.0f;
        Add_Player(0, 8, POSITION_C);
        Rating(0, 8, RATING_PASS_BLOCKING) = 65.0f;
        Rating(0, 8, RATING_RUN_BLOCKING) = 50.5f;
        Add_Player(0, 9, POSITION_G);
        Rating(0, 9, RATING_PASS_BLOCKING) = 60.5f;
        Rating(0, 9, RATING_RUN_BLOCKING) = 10.0f;     // read as 20 and stored
    }
};

TEST_F(StandingsStyleTest, RunPassValueTruncatesEveryPartialSum)
{
    Use_Team(0, 0);
    Build_Offence();
    // Pass value, truncated after each term:
    //   QB 10 x (24.375 + 21.9 + 13 + 11.4) = 706.75          -> 706
    //   WR1 4 x (29.5 + 0.4 x 81) = 247.6                       -> 953
    //   WR2 3 x (29.5 + 28) = 172.5                             -> 1125
    //   WR3 missing 20                                          -> 1145
    //   TE 2 x (29.5 + 24.4) = 107.8                            -> 1252
    //   RB (6.5 + 5 + 7 + 6.12 + 5 + 22) = 51.62                -> 1303
    //   T1 70.5 -> 1373, G1 30.5 -> 1403, C 32.5 -> 1435, G2 30.25 -> 1465,
    //   T2 missing 20 -> 1485.
    // Run value:
    //   QB 2 x ((10 + 8 + 12.5 + 15 + 4 + 61) / 2) = 110.5      -> 110
    //   RB 10 x (10 + 10 + 12.5 + 12.75 + 5) = 502.5            -> 612
    //   T1 60.25 -> 672, G1 55 -> 727, C 50.5 -> 777, G2 20 -> 797,
    //   T2 missing 20 -> 817.
    // 1485 - (817 + 600) = 68.
    EXPECT_EQ(Get_Team_Run_Pass_Value(0), 68);
    EXPECT_EQ(Rating(0, 9, RATING_RUN_BLOCKING), 20.0f);

    // A team of nobody: 6 x 20 + 5 x 20 = 220 against 40 + 100 + 600.
    Use_Team(1, 0);
    EXPECT_EQ(Get_Team_Run_Pass_Value(1), -520);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Team_Run_Pass_Value(41), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Run_Pass_Value([41])"));
}

TEST_F(StandingsStyleTest, RunPassBalanceFromTheLeagueAverage)
{
    Use_Team(0, 0);
    Use_Team(1, 0, CONTROLLER_USER);
    Build_Offence();
    League.Team[1].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE] = 5;
    // Average (68 - 520) / 2 = -226: team 0 is 294 above, 10 + 234 / 60.
    Set_Team_Stat_10_By_Strength();
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 13);
    EXPECT_EQ(League.Team[1].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 5);   // the user's own
    // With every team run by the computer, 294 below gives 10 - 3.
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_Team_Stat_10_By_Strength();
    EXPECT_EQ(League.Team[1].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 7);

    // Two teams of nobody are both average.
    Use_Team(0, 0);
    std::memset(League.Team[0].Player, 0, sizeof(League.Team[0].Player));
    Set_Team_Stat_10_By_Strength();
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 10);
    EXPECT_EQ(League.Team[1].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 10);

    Set_Team_Stat_10_Defaults();
    EXPECT_EQ(League.Team[31].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 10);
    EXPECT_EQ(League.Team[32].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 0);
}

TEST_F(StandingsStyleTest, DefenceAlignmentFromTheDepthAndTheHistory)
{
    // Team 0: four linebackers and one tackle -> 3-4. Team 1: two tackles and
    // no linebacker -> 4-3. Team 2: neither (x = -5, y = -2) keeps its own.
    for (int t = 0; t < 3; ++t)
        Use_Team(t, 0);
    for (int s = 0; s < 4; ++s)
        Add_Player(0, s, POSITION_LB);
    Add_Player(0, 4, POSITION_DT);
    Add_Player(1, 0, POSITION_DT);
    Add_Player(1, 1, POSITION_DT);
    League.Team[1].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT] = 1;
    League.Team[2].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT] = 1;
    Choose_Computer_Defense_Alignments();
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT], 1);
    EXPECT_EQ(League.Team[1].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT], 0);
    EXPECT_EQ(League.Team[2].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT], 1);

    // Nicknames by the first season's year, compared without case.
    SetUp();
    const char* const NAMES[4] = {"STEELERS", "giants", "Bills", "Patriots"};
    for (int t = 0; t < 4; ++t) {
        Use_Team(t, 0);
        std::strcpy(League.Team[t].szString[TEAM_STRING_NICKNAME], NAMES[t]);
    }
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1985;
    Set_Default_Team_Styles();
    const int nIn1985[4] = {1, 1, 0, 0};
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(League.Team[t].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT], nIn1985[t]) << t;
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 10);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1995;
    Set_Default_Defense_Alignments();
    EXPECT_EQ(League.Team[2].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT], 1);
    EXPECT_EQ(League.Team[3].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT], 0);

    // Thirty-two teams from 2008: by slot, with the 2009 and 2010 changes.
    SetUp();
    for (int t = 0; t < 32; ++t)
        Use_Team(t, t / 4);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2009;
    Set_Default_Defense_Alignments();
    const int nSlot[6] = {0, 2, 3, 21, 24, 31};
    const int nIn2009[6] = {0, 1, 0, 1, 1, 0};
    const int nIn2011[6] = {1, 1, 0, 0, 1, 1};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(League.Team[nSlot[i]].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT], nIn2009[i]) << nSlot[i];
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2011;
    Set_Default_Defense_Alignments();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(League.Team[nSlot[i]].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT], nIn2011[i]) << nSlot[i];
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

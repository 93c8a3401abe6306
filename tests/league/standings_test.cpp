// Standings keys and league-state helpers: the keys and their tie-breaks over
// a small league of hand-made finished games, division places, magic and
// elimination numbers, a mid-season team swap, week indexes, past finishers,
// the owner's record and the run/pass value. Every expected number is worked
// out by hand.

#include <cstring>
#include <string>
#include <vector>

#include "gamefile/old_files.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"
#include "season/standings.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

// League 0 holds division 0 (A, B, C) and division 1 (D); league 1 holds
// division 4 (E).
constexpr int A = 0, B = 1, C = 2, D = 3, E = 4;

// Records 0-12. Season records that follow:
//   A 3-2 (W 0, 1, 10; L 3, 6)      B 3-2 (L 0, 1; W 4, 5, 7)
//   C 3-2 (L 2, 7; W 8, 11, 12)     D 2-2-1 (W 2, 3; L 4, 8; T 9)
//   E 1-4-1 (L 5, 10, 11, 12; W 6; T 9)
const int SEASON[][4] = {
    {A, B, 21, 14}, {B, A, 10, 17}, {C, D, 13, 20}, {A, D, 3, 24}, {D, B, 7, 14}, {B, E, 10, 0}, {E, A, 28, 27},
    {C, B, 6, 7},   {D, C, 0, 30},  {E, D, 3, 3},   {A, E, 20, 17}, {C, E, 14, 10}, {E, C, 6, 9},
};
constexpr int SEASON_GAMES = sizeof(SEASON) / sizeof(SEASON[0]);

class StandingsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Clear_League_Data();
        Set_Regular_Season_Weeks(17);
        League.Universe.nStat[GAMES_PER_SEASON] = 6;
    }

    static void Use_Team(int nTeam, int nDivision, int nController = CONTROLLER_COMPUTER)
    {
        TEAM& Team = League.Team[nTeam];
        Team.nTeamStat[TEAM_STAT_CONTROLLER] = nController;
        Team.nTeamStat[TEAM_STAT_DIVISION] = nDivision;
    }

    static void Build_Small_League()
    {
        const char* const NICKNAME[5] = {"Alphas", "Bravos", "Chargers", "Deltas", "Echoes"};
        const int nDivision[5] = {0, 0, 0, 1, 4}, nRecord[5][3] = {{3, 2, 0}, {3, 2, 0}, {3, 2, 0}, {2, 2, 1}, {1, 4, 1}};
        for (int t = A; t <= E; ++t) {
            Use_Team(t, nDivision[t]);
            std::strcpy(League.Team[t].szString[TEAM_STRING_NICKNAME], NICKNAME[t]);
            Set_Season_Record(t, 0, nRecord[t][0], nRecord[t][1], nRecord[t][2]);
        }
        for (int i = 0; i < SEASON_GAMES; ++i)
            Put_Game(i, SEASON[i][0], SEASON[i][1], SEASON[i][2], SEASON[i][3], 1);
    }

    static std::string Nickname(int nTeam) { return League.Team[nTeam].szString[TEAM_STRING_NICKNAME]; }

    static int Row(int nDivision, int nPlace) { return League.StandingsArea.DivisionRow[nDivision][nPlace]; }
};

// ---------------------------------------------------------------------------
// Results and keys

TEST_F(StandingsTest, ResultCountsFollowTheFilters)
{
    Build_Small_League();
    const int ALL = RESULTS_ALL_GAMES, HOME = RESULTS_HOME_ONLY;
    const struct {
        int nTeam, nResult, nFilter, nExpected;
    } CASES[] = {
        {A, RESULT_LOSSES, ALL | HOME, 1},   // home: W 1, L 6
        {A, RESULT_WINS, B | HOME, 1},
        // B in division 0: L 0, 1, W 7; in league 0 also W 4.
        {B, RESULT_LOSSES, RESULTS_AGAINST_DIVISION, 2},
        {B, RESULT_WINS, RESULTS_AGAINST_LEAGUE, 2},
        // D's tie is against E of the other league.
        {D, RESULT_TIES, RESULTS_AGAINST_LEAGUE, 0}, {E, RESULT_TIES, D, 1},
    };
    for (const auto& Case : CASES)
        EXPECT_EQ(Count_Team_Results(Case.nTeam, Case.nResult, Case.nFilter), Case.nExpected)
            << Case.nTeam << " " << Case.nResult << " " << Case.nFilter;

    // A game still running ends the leading run of finished records.
    League.Game[5].nClock = 1200;
    EXPECT_EQ(Count_Game_Records(), 5);

    // Games against the pools count nothing; a win over slot 5,
    // not in use, is a game but in no league.
    Put_Game(0, A, FREE_AGENT_TEAM, 0, 50, 1);
    Put_Game(1, 5, A, 0, 9, 1);
    EXPECT_EQ(Count_Team_Results(A, RESULT_LOSSES, ALL), 1);
    EXPECT_EQ(Count_Team_Results(A, RESULT_WINS, RESULTS_AGAINST_LEAGUE), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StandingsTest, StandingsKeysBreakTiesByMeetingsAndLeagueRecord)
{
    Build_Small_League();
    // A, B and C are level at +1 in league 0.
    EXPECT_EQ(Get_Team_Standings_Key(A), 10000 + 4000 + 100);   // 2-0 against B: bonus; league +1
    EXPECT_EQ(Get_Team_Standings_Key(B), 10000);                // 0-2 against A: none; league 0
    EXPECT_EQ(Get_Team_Standings_Key(C), 10000 - 100);          // no win against a level team; league -1
    EXPECT_EQ(Get_Team_Standings_Key(D), 0);                    // alone at 0; league 0
    EXPECT_EQ(Get_Team_Standings_Key(E), -30000);               // alone in league 1
    // Unused slots and the pools give the smallest key; no games give 0.
    EXPECT_EQ(Get_Team_Standings_Key(5), UNUSED_TEAM_STANDINGS_KEY);
    Use_Team(5, 1);
    EXPECT_EQ(Get_Team_Standings_Key(5), 0);

    // Division keys: meetings x 1,000, division record x 100, league record.
    EXPECT_EQ(Get_Team_Division_Key(A), 10000 + 2000 + 200 + 1);
    EXPECT_EQ(Get_Team_Division_Key(B), 10000 - 2000 + 1000 - 100 + 0);
    EXPECT_EQ(Get_Team_Division_Key(C), 10000 - 1000 - 100 - 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StandingsTest, RebuildPlacesTeamsOverallAndInTheirDivisions)
{
    Build_Small_League();
    Clear_Standings_Order();
    // Overall by key A 14,100, B 10,000, C 9,900, D 0, E -30,000.
    for (int t = A; t <= E; ++t)
        EXPECT_EQ(League.Team[t].nYearly[0][2], t) << t;
    // Division 0 by division key: A 12,201, B 8,900, C 8,899.
    const int nRows[][2] = {{0, A}, {1, B}, {2, C}, {3, NO_TEAM}, {13, D}, {52, E}};
    for (const auto& Place : nRows)
        EXPECT_EQ(Row(Place[0] / 13, Place[0] % 13), Place[1]) << Place[0];

    // Past seasons by that season's wins, then ties; equal records keep the
    // row's order.
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_Season_Record(A, 0, 5, 3, 0);
    Set_Season_Record(B, 0, 7, 0, 1);
    Set_Season_Record(C, 0, 7, 0, 2);
    EXPECT_EQ(Get_Division_Place_Team(0, 0, 0), C);
    EXPECT_EQ(Get_Division_Place_Team(0, 1, 0), B);
    EXPECT_EQ(Get_Division_Place_Team(0, 2, 0), A);
    Set_Season_Record(C, 0, 7, 0, 1);
    EXPECT_EQ(Get_Division_Place_Team(0, 0, 0), B);
    EXPECT_EQ(Errors_Reported(), 0);
    // The pools have no division: out of every race.
    EXPECT_EQ(Get_Team_Division_Standing(FREE_AGENT_TEAM), ELIMINATED_STANDING);
    EXPECT_TRUE(Last_Error_Contains("Team not found in Get_Team_Division_Standing()"));
    // Swapping the leagues moves every division by four, its row with it.
    Swap_Leagues();
    EXPECT_EQ(League.Team[E].nTeamStat[TEAM_STAT_DIVISION], 0);
    EXPECT_EQ(Row(0, 0), E);
}

// More clubs in a division than its row holds (every slot counts in
// division 0 before a league is loaded): the season under way counts only
// the row's places, and each of them can be asked for without an error.
TEST_F(StandingsTest, ADivisionOfMoreClubsThanItsRowCountsTheRowsPlaces)
{
    for (int t = 0; t < 20; ++t)
        Use_Team(t, 0);
    Count_Teams();
    EXPECT_EQ(Count_Division_Teams(0), 20);
    const int nSeason = Get_Current_Season_Index();
    ASSERT_EQ(Count_Season_Division_Teams(0, nSeason), DIVISION_ROW_PLACES);
    for (int p = 0; p < Count_Season_Division_Teams(0, nSeason); ++p)
        Get_Division_Place_Team(0, p, nSeason);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StandingsTest, ADecidedSeasonKeepsItsOrderAndItsErasedClub)
{
    Build_Small_League();
    Clear_Standings_Order();
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_Season_Record(B, 0, 7, 0, 1);
    Set_Season_Record(C, 0, 7, 0, 1);
    // Level records keep the places the season recorded (C first); a club
    // erased since keeps its place, now in slot 4 behind the clubs in use.
    League.Team[C].bYearly[0][YEARLY_DIVISION_PLACE] = 0;
    League.Team[B].bYearly[0][YEARLY_DIVISION_PLACE] = 1;
    EXPECT_EQ(Get_Division_Place_Team(0, 0, 0), C);
    ASSERT_TRUE(Erase_Team(C, 1));
    EXPECT_EQ(Get_Division_Place_Team(0, 0, 0), 4);
    EXPECT_EQ(Get_Division_Place_Team(0, 1, 0), B);
    EXPECT_EQ(Count_Season_Division_Teams(0, 0), 3);
    EXPECT_EQ(Count_Season_Division_Teams(0, 1), 2);
    // A season whose title is decided keeps its places, and lists its
    // erased club too.
    League.Team[B].nYearly[1][2] = 3;
    League.Team[4].bYearly[1][YEARLY_TITLE] = TITLE_DECIDED;
    Set_Season_Record(A, 1, 0, 9, 0);
    Set_Season_Record(B, 1, 0, 2, 0);
    Set_Season_Record(4, 1, 1, 0, 0);
    Rank_Teams_By_Standings();
    EXPECT_EQ(League.Team[B].nYearly[1][2], 3);
    EXPECT_EQ(Count_Season_Division_Teams(0, 1), 3);
    EXPECT_EQ(Get_Division_Place_Team(0, 0, 1), 4);
    // A club added to the division since has no game in the season: no
    // place in it, nor in the season before.
    Use_Team(5, 0);
    Count_Teams();
    EXPECT_EQ(Count_Season_Division_Teams(0, 1), 3);
    EXPECT_EQ(Get_Division_Place_Team(0, 3, 1), NO_TEAM);
    EXPECT_EQ(Count_Season_Division_Teams(0, 0), 3);
    for (int p = 0; p < 3; ++p) {
        EXPECT_NE(Get_Division_Place_Team(0, p, 1), 5) << p;
        EXPECT_NE(Get_Division_Place_Team(0, p, 0), 5) << p;
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StandingsTest, MagicAndEliminationNumbersInATwoDivisionLeague)
{
    Build_Small_League();
    Clear_Standings_Order();
    // Six games; two divisions in league 0, so no runner-up race.
    EXPECT_EQ(Get_Best_Division_Runner_Up(0, 0), NO_TEAM);
    EXPECT_EQ(Get_Team_Division_Standing(A), 2);    // 6 - W(A) 3 - L(B) 2 + 1
    EXPECT_EQ(Get_Team_Division_Standing(B), -2);   // 6 - L 2 - W(A) 3 + 1 losses to spare
    EXPECT_EQ(Get_Team_Division_Standing(D), 5);    // a division of one: 6 - 2 - 0 + 1
    EXPECT_EQ(Has_Team_Clinched(A), 0);

    // Four games: A has clinched, B is out.
    League.Universe.nStat[GAMES_PER_SEASON] = 4;
    EXPECT_EQ(Has_Team_Clinched(A), 1);
    EXPECT_EQ(Get_Team_Division_Standing(B), ELIMINATED_STANDING);

    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StandingsTest, RunnersUpRaceInAThreeDivisionLeague)
{
    // No game records: keys are (W - L) x 10,000. Divisions 0: 5-1, 4-2;
    // 1: 6-0, 3-3; 2: 2-4, 1-5.
    const int nWins[6] = {5, 4, 6, 3, 2, 1};
    for (int t = 0; t < 6; ++t) {
        Use_Team(t, t / 2);
        Set_Season_Record(t, 0, nWins[t], 6 - nWins[t], 0);
    }
    League.Universe.nStat[GAMES_PER_SEASON] = 8;
    Clear_Standings_Order();
    // Runners-up 1 (+20,000), 3 (0), 5 (-40,000).
    EXPECT_EQ(Get_Best_Division_Runner_Up(0, 0), 1);
    EXPECT_EQ(Get_Best_Division_Runner_Up(0, 1), 3);

    EXPECT_EQ(Get_Team_Division_Standing(2), 0);    // 8 - 6 - L(3) 3 + 1: clinched
    EXPECT_EQ(Get_Team_Division_Standing(1), 2);    // best runner-up against 3: 8 - 4 - 3 + 1
    // 3: against leader 8 - 3 - 6 + 1 = 0, against runner-up 1 8 - 3 - 4 + 1 = 2.
    EXPECT_EQ(Get_Team_Division_Standing(3), -2);
    // Six games: 3 has -2 and 0: out.
    League.Universe.nStat[GAMES_PER_SEASON] = 6;
    EXPECT_EQ(Get_Team_Division_Standing(3), ELIMINATED_STANDING);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StandingsTest, FinishedPlayoffGamesStayOutOfTheRegularSeason)
{
    Build_Small_League();
    // Two more week-16 games fill the regular season, 5 teams x 6 games / 2
    // = 15 records: D loses at E 7-10, B loses at D 3-6. Then three finished
    // playoff games follow directly, each of which would move a key or a
    // record if it were counted: A over C, E over B, B over D.
    Put_Game(13, D, E, 7, 10, 16);
    Put_Game(14, B, D, 3, 6, 16);
    Put_Game(15, C, A, 0, 40, 17);
    Put_Game(16, E, B, 35, 0, 18);
    Put_Game(17, B, D, 3, 0, 17);
    ASSERT_EQ(Count_Game_Records(), 18);
    // A 3-2, B 3-3, C 3-2, D 3-3-1 (W 2, 3, 14; L 4, 8, 13; T 9), E 2-4-1.
    Set_Season_Record(B, 0, 3, 3, 0);
    Set_Season_Record(D, 0, 3, 3, 1);
    Set_Season_Record(E, 0, 2, 4, 1);

    EXPECT_EQ(Count_Team_Results(A, RESULT_WINS, C), 0);
    EXPECT_EQ(Count_Team_Results(B, RESULT_LOSSES, RESULTS_ALL_GAMES), 3);
    EXPECT_EQ(Count_Team_Results(D, RESULT_LOSSES, B), 1);
    // A and C level at +1 and without a meeting: no bonus; A 2-1 in league 0.
    EXPECT_EQ(Get_Team_Standings_Key(A), 10000 + 100);
    EXPECT_EQ(Get_Team_Standings_Key(C), 10000 - 100);   // 1-2 in the league
    EXPECT_EQ(Get_Team_Standings_Key(B), -100);          // 1-1 with D: no bonus; 2-3
    EXPECT_EQ(Get_Team_Standings_Key(D), 100);           // 3-2 in the league
    EXPECT_EQ(Get_Team_Standings_Key(E), -20000);
    // Division 0: A 10,000 + 2 x 100 + 1; C 10,000 - 100 - 1; B -100 - 1.
    EXPECT_EQ(Get_Team_Division_Key(A), 10201);
    EXPECT_EQ(Get_Team_Division_Key(C), 9899);
    EXPECT_EQ(Get_Team_Division_Key(B), -101);
    Clear_Standings_Order();
    Update_Standings();
    const int nPlace[5] = {0, 3, 1, 2, 4};   // A, C, D, B, E
    for (int t = A; t <= E; ++t)
        EXPECT_EQ(League.Team[t].nYearly[0][2], nPlace[t]) << t;
    EXPECT_EQ(Row(0, 0), A);
    EXPECT_EQ(Row(0, 1), C);
    EXPECT_EQ(Row(0, 2), B);

    // The load's recount of the season's bytes from the games: wins, losses,
    // ties and the same at home.
    Set_Season_Record(A, 0, 9, 9, 9);
    Recount_Season_Records();
    const int nRecord[5][6] = {
        {3, 2, 0, 1, 1, 0}, {3, 3, 0, 2, 1, 0}, {3, 2, 0, 2, 0, 0}, {3, 3, 1, 3, 0, 1}, {2, 4, 1, 1, 3, 0}};
    const int nByte[6] = {YEARLY_WINS, YEARLY_LOSSES, YEARLY_TIES, YEARLY_HOME_WINS, YEARLY_HOME_LOSSES, YEARLY_HOME_TIES};
    for (int t = A; t <= E; ++t)
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(League.Team[t].bYearly[0][nByte[k]], nRecord[t][k]) << t << " byte " << nByte[k];

    // Results added in a playoff week go to the playoff bytes only.
    Set_User_Preference(PREF_CURRENT_WEEK, 17);
    Add_Team_Win(A, 1);
    Add_Team_Loss(C, 1);
    EXPECT_EQ(Get_Team_Wins(A), 3);
    EXPECT_EQ(Get_Team_Home_Wins(A), 1);
    EXPECT_EQ(Get_Team_Playoff_Wins(A), 1);
    EXPECT_EQ(Get_Team_Losses(C), 2);
    EXPECT_EQ(Get_Team_Home_Losses(C), 0);
    EXPECT_EQ(Get_Team_Playoff_Losses(C), 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StandingsTest, SwappingTwoTeamsMidSeasonKeepsEveryReferenceOnItsClub)
{
    Build_Small_League();
    Clear_Standings_Order();
    // A bracket in progress: A against C, B against D; A went on with a score.
    uint8_t* pBracket = League.StandingsArea.PlayoffTeam;
    std::memset(pBracket, NO_TEAM, PLAYOFF_SLOTS);
    for (auto [nSlot, nTeam] : {std::pair{0, A}, {1, C}, {2, B}, {3, D}, {16, A}})
        pBracket[nSlot] = static_cast<uint8_t>(nTeam);
    League.StandingsArea.nPlayoffScore[0] = 24;

    // Every game, bracket slot and row place by club name.
    auto References = [&] {
        std::vector<std::string> Names;
        for (int i = 0; i < SEASON_GAMES; ++i)
            Names.push_back(Nickname(League.Game[i].nAwayTeam) + "@" + Nickname(League.Game[i].nHomeTeam));
        for (int s = 0; s < PLAYOFF_SLOTS; ++s)
            Names.push_back(pBracket[s] == NO_TEAM ? "empty" : Nickname(pBracket[s]));
        for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
            for (int p = 0; p < DIVISION_ROW_PLACES; ++p)
                Names.push_back(Row(d, p) == NO_TEAM ? "empty" : Nickname(Row(d, p)));
        return Names;
    };
    const std::vector<std::string> Before = References();

    // Alphas (slot 0, division 0) and Deltas (slot 3, division 1) trade slots.
    Swap_Teams(A, D);
    ASSERT_EQ(Nickname(0), "Deltas");
    ASSERT_EQ(Nickname(3), "Alphas");
    EXPECT_EQ(References(), Before);
    EXPECT_EQ(League.StandingsArea.nPlayoffScore[0], 24);

    // The results follow the clubs: the same keys and order on a rebuild.
    EXPECT_EQ(Get_Team_Standings_Key(3), 14100);
    Clear_Standings_Order();
    EXPECT_EQ(References(), Before);
    EXPECT_EQ(Errors_Reported(), 0);
}

// Every reader refuses a bad index with its message, returns its marker and
// writes nothing.
TEST_F(StandingsTest, BadIndexesAreRefusedWithTheirMessage)
{
    Build_Small_League();
    Clear_Standings_Order();
    const REFUSAL_CASE CASES[] = {
        {[] { return Count_Team_Results(-1, RESULT_WINS, 0); }, 0, "nTeam out of bounds in Count_Team_Results([-1],0,0)"},
        {[]() -> int { return Is_Game_Record_Final(300); }, 0, "nGame out of bounds in Is_Game_Record_Final([300])"},
        {[] { return Get_Team_Standings_Key(41); }, UNUSED_TEAM_STANDINGS_KEY,
         "nTeam out of bounds in Get_Team_Standings_Key([41])"},
        {[] { Set_Division_Place(8, 0); return 0; }, 0, "nDivision out of bounds in Set_Division_Place([8],0)"},
        {[] { Set_Division_Place(0, 13); return 0; }, 0, "nPlace out of bounds in Set_Division_Place(0,[13])"},
        {[] { return Get_Team_Division_Standing(-1); }, ELIMINATED_STANDING,
         "nTeam out of bounds in Get_Team_Division_Standing([-1])"},
        {[] { return Get_Best_Division_Runner_Up(2, 0); }, NO_TEAM,
         "nLeague out of bounds in Get_Best_Division_Runner_Up([2],0)"},
        {[] { return Get_Playoff_Team(31); }, NO_TEAM, "Invalid playoff slot in Get_Playoff_Team(31)"},
        {[] { return Get_Season_Finisher_Team(FINISHER_TITLE_GAME, 1, -200); }, NO_FINISHER,
         "Invalid nYear in Get_Team_Yearly_Int(0,202,3)"},
        {[] { return Count_Week_Games(-1); }, 0, "nWeek out of bounds in Count_Week_Games([-1])"},
        {[] { return Get_Team_Run_Pass_Value(41); }, 0, "nTeam out of bounds in Get_Team_Run_Pass_Value([41])"},
    };
    Set_User_Preference(PREF_SEASON_INDEX, 2);
    Expect_Refusals(CASES);
}

// ---------------------------------------------------------------------------
// Past finishers, weeks

TEST_F(StandingsTest, PastFinishersComeFromTheFinishCodes)
{
    for (int t = 0; t < 6; ++t)
        Use_Team(t, t < 3 ? 0 : 4);
    Set_User_Preference(PREF_SEASON_INDEX, 2);
    // Season 1: champion 0 (league 0), runner-up 3 (league 1), conference
    // final losers 1 and 4.
    const int nFinish[6] = {8, 6, 5, 7, 6, 0};
    for (int t = 0; t < 6; ++t)
        League.Team[t].nYearly[1][YEARLY_INT_FINISH] = nFinish[t];
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_TITLE_GAME, 0, 1), 3);
    // League 0's finalist is the champion, since the runner-up is of league 1.
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_0_FINAL, 1, 1), 0);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_TITLE_GAME, 1, 0), NO_FINISHER);   // season still running
    EXPECT_EQ(Get_Season_Finalist(1, 1), 0);
    // Club 3's slot taken by a new club since: league 1's final and the
    // final lost a side the league cannot name, never league 0's champion.
    Clear_Team(3);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_1_FINAL, 1, 1), ERASED_FINISHER);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_TITLE_GAME, 0, 1), ERASED_FINISHER);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StandingsTest, KeptFinalsNameTheirClubsOrOneSinceErased)
{
    for (int t = 0; t < 6; ++t)
        Use_Team(t, t < 3 ? 0 : 4);
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    // Season 0: league 0's final 0 over 1, league 1's 3 over 4, the final
    // (the title) 3 over 0.
    const int nFinals[6] = {FINALS_WON_LEAGUE_0 | FINALS_LOST_FINAL, FINALS_LOST_LEAGUE_0, 0,
                            FINALS_WON_LEAGUE_1 | FINALS_WON_FINAL, FINALS_LOST_LEAGUE_1, 0};
    for (int t = 0; t < 6; ++t) {
        League.Team[t].bYearly[0][YEARLY_FINALS] = static_cast<int8_t>(nFinals[t]);
        League.Team[t].bYearly[0][YEARLY_TITLE] = TITLE_DECIDED | (t == 3 ? TITLE_WON : t == 0 ? TITLE_LOST : 0);
    }
    const int nExpected[][3] = {{FINISHER_LEAGUE_0_FINAL, 0, 1}, {FINISHER_LEAGUE_1_FINAL, 3, 4},
                                {FINISHER_TITLE_GAME, 3, 0}};
    for (const auto& Game : nExpected) {
        EXPECT_EQ(Get_Season_Finisher_Team(Game[0], 1, 1), Game[1]) << Game[0];
        EXPECT_EQ(Get_Season_Finisher_Team(Game[0], 0, 1), Game[2]) << Game[0];
    }
    EXPECT_EQ(Get_Season_Finalist(0, 0), NO_FINISHER);
    // Club 0's slot taken by a new club since.
    Clear_Team(0);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_0_FINAL, 1, 1), ERASED_FINISHER);
    EXPECT_EQ(Get_Season_Finisher_Team(FINISHER_LEAGUE_0_FINAL, 0, 1), 1);
    EXPECT_EQ(Get_Season_Finalist(1, 1), 3);
    EXPECT_EQ(Get_Season_Finalist(0, 1), ERASED_FINISHER);
    // Both sides of the title game gone: the season still had its title.
    Clear_Team(3);
    EXPECT_EQ(Get_Season_Finalist(1, 1), ERASED_FINISHER);
    EXPECT_EQ(Get_Season_Finalist(0, 1), ERASED_FINISHER);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StandingsTest, WeekIndexesFromTheSchedulesAndThePlayoffSteps)
{
    for (int t = 0; t < 6; ++t) {
        Use_Team(t, 0);
        for (int w = 0; w < SCHEDULE_WEEKS; ++w)
            League.Team[t].nSchedule[w][3] = -1;
    }
    Set_Regular_Season_Weeks(3);
    // One league of one division and five wild cards: six seeds, at slots
    // 17, 19, 5, 1, 0 and 4. The first round plays (0, 1) and (4, 5), the
    // second (16, 17) and (18, 19), the third (24, 25); no final between
    // leagues with one league.
    League.Universe.nStat[WILD_CARD_TEAMS] = 5;
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

    // Regular weeks from the schedules; playoff weeks 3-6 from b = 5 with
    // the bracket's 2, 2, 1 and 0 games: b, b + 2, b + 4, b + 5.
    const int nFirst[8] = {0, 2, 4, 5, 7, 9, 10, NO_GAME_INDEX};
    const int nGames[8] = {2, 2, 1, 2, 2, 1, 0, 0};
    for (int w = 0; w < 8; ++w) {
        EXPECT_EQ(Get_Week_First_Game_Index(w), nFirst[w]) << w;
        EXPECT_EQ(Count_Week_Games(w), nGames[w]) << w;
    }
    EXPECT_EQ(Find_Team_Game_In_Week(1, 3), &League.Game[3]);   // the second game of week 1

    // A round with its records is read from them: six wild-card teams play
    // records 5-7, so the division round starts at 8, not at b + 4 = 9.
    for (int t = 0; t < 6; ++t)
        League.Team[t].nSchedule[3][3] = 5 + t / 2;
    EXPECT_EQ(Count_Week_Games(3), 3);
    EXPECT_EQ(Get_Week_First_Game_Index(4), 8);
    EXPECT_EQ(Count_Week_Games(4), 2);      // not played yet: the bracket's two
    EXPECT_EQ(Errors_Reported(), 0);
}

// Two leagues of four divisions of two clubs, no wild card: four seeds a
// league, all placed in the second round (17, 19, 18, 16 and 21, 23, 22,
// 20), so the first round has no games, the second four, the third two and
// the final one.
TEST_F(StandingsTest, APlayoffRoundTheBracketSkipsHasNoGames)
{
    for (int t = 0; t < 16; ++t) {
        Use_Team(t, t / 2);
        for (int w = 0; w < SCHEDULE_WEEKS; ++w)
            League.Team[t].nSchedule[w][SCHEDULE_GAME_INDEX] = -1;
    }
    Count_Teams();
    Set_Regular_Season_Weeks(2);
    League.Universe.nStat[WILD_CARD_TEAMS] = 0;
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
    // Regular weeks 0 and 1: records 0-7 and 8-15, clubs 2k and 2k + 1.
    for (int t = 0; t < 16; ++t) {
        League.Team[t].nSchedule[0][SCHEDULE_GAME_INDEX] = t / 2;
        League.Team[t].nSchedule[1][SCHEDULE_GAME_INDEX] = 8 + t / 2;
    }
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 1;

    // Not played yet: weeks 2-5 are the four rounds, from record 16.
    const int nFirst[5] = {16, 16, 20, 22, NO_GAME_INDEX};
    const int nGames[5] = {0, 4, 2, 1, 0};
    for (int w = 2; w < 7; ++w) {
        EXPECT_EQ(Get_Week_First_Game_Index(w), nFirst[w - 2]) << w;
        EXPECT_EQ(Count_Week_Games(w), nGames[w - 2]) << w;
    }
    // One wild card a league: five seeds, one first-round game a league
    // (slots 0 and 1, 8 and 9) and still four in the second round.
    League.Universe.nStat[WILD_CARD_TEAMS] = 1;
    EXPECT_EQ(Count_Week_Games(2), 2);
    EXPECT_EQ(Get_Week_First_Game_Index(3), 18);
    League.Universe.nStat[WILD_CARD_TEAMS] = 0;
    // No final between the leagues: the last week has no game.
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 0);
    EXPECT_EQ(Count_Week_Games(5), 0);
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);

    // The division round played on day 3: clubs 0-7 of league 0 in records
    // 16 and 17, league 1's in 18 and 19; club 3 visits club 1 in 16.
    const int nPlayoff[8][2] = {{3, 1}, {7, 5}, {11, 9}, {15, 13}, {1, 3}, {5, 7}, {9, 11}, {13, 15}};
    for (int i = 0; i < 4; ++i) {
        const int nAway = nPlayoff[i][0], nHome = nPlayoff[i][1];
        League.Team[nAway].nSchedule[3][SCHEDULE_GAME_INDEX] = 16 + i;
        League.Team[nHome].nSchedule[3][SCHEDULE_GAME_INDEX] = 16 + i;
        Put_Game(16 + i, nAway, nHome, 10, 20, 3);
    }
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 3;
    // The wild-card week lists nothing and finds no club's game in it; the
    // division games stand in their own week only, each club on its side.
    EXPECT_EQ(Count_Week_Games(2), 0);
    EXPECT_EQ(Count_Week_Games(3), 4);
    EXPECT_EQ(Get_Week_First_Game_Index(3), 16);
    for (int t = 0; t < 16; ++t)
        EXPECT_EQ(Find_Team_Game_In_Week(2, t), nullptr) << t;
    EXPECT_EQ(Find_Team_Game_In_Week(3, 3), &League.Game[16]);
    EXPECT_EQ(Find_Team_Game_In_Week(3, 1)->nAwayTeam, 3);
    EXPECT_EQ(Get_Team_Game_Index_In_Week(3, 15), 19);
    EXPECT_EQ(Get_Week_First_Game_Index(4), 20);
    EXPECT_EQ(Count_Week_Games(4), 2);

    // In the off-season a round without records had none, whatever the
    // bracket would have played.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = OFFSEASON_WEEK;
    EXPECT_EQ(Count_Week_Games(4), 0);
    EXPECT_EQ(Count_Week_Games(5), 0);
    EXPECT_EQ(Count_Week_Games(3), 4);

    // One league of two divisions: two seeds, at 24 and 25; only the third
    // round has a game, and the final needs a second league.
    for (int t = 4; t < 16; ++t)
        League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE;
    Count_Teams();
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 1;
    for (int t = 0; t < 4; ++t)
        League.Team[t].nSchedule[3][SCHEDULE_GAME_INDEX] = -1;
    const int nOneLeague[4] = {0, 0, 1, 0};
    for (int w = 2; w < 6; ++w)
        EXPECT_EQ(Count_Week_Games(w), nOneLeague[w - 2]) << w;
    EXPECT_EQ(Get_Week_First_Game_Index(4), 10);   // after week 1's records 8 and 9
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Play style

TEST_F(StandingsTest, RunPassValueTruncatesEveryPartialSumAndSetsTheBalance)
{
    Use_Team(0, 0);
    Use_Team(1, 0, CONTROLLER_USER);
    // Team 0's offence, every rating 50 but those listed; receiver 1 is hurt
    // and not counted.
    const int nPosition[10] = {POSITION_QB, POSITION_WR, POSITION_WR, POSITION_WR, POSITION_TE,
                               POSITION_RB, POSITION_T,  POSITION_G,  POSITION_C,  POSITION_G};
    for (int s = 0; s < 10; ++s)
        Put_Player(0, s, 1000 + s, nPosition[s], 50.0f).nVital[VITAL_INJURY_WEEKS] = s == 1 ? 3 : 0;
    const struct {
        int nSlot, nRating;
        float fValue;
    } RATINGS[] = {
        {0, RATING_ACCURACY, 81.25f}, {0, RATING_CONTROL, 73},  {0, RATING_DISTANCE, 65},
        {0, RATING_RED_ZONE, 57},     {0, RATING_MOBILITY, 61}, {0, RATING_POWER, 40},
        {0, RATING_VISION, 60},       {0, RATING_HANDS, 40},    {1, RATING_RECEIVING, 99},
        {2, RATING_RECEIVING, 81},    {3, RATING_RECEIVING, 70}, {4, RATING_RECEIVING, 61},
        {5, RATING_VISION, 51},       {5, RATING_RECEIVING, 55}, {6, RATING_PASS_BLOCKING, 70.5f},
        {6, RATING_RUN_BLOCKING, 60.25f}, {7, RATING_PASS_BLOCKING, 61}, {7, RATING_RUN_BLOCKING, 55},
        {8, RATING_PASS_BLOCKING, 65}, {8, RATING_RUN_BLOCKING, 50.5f}, {9, RATING_PASS_BLOCKING, 60.5f},
        {9, RATING_RUN_BLOCKING, 10},   // read as 20 and stored
    };
    for (const auto& R : RATINGS)
        League.Team[0].Player[R.nSlot].fRating[R.nRating] = R.fValue;
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
    EXPECT_EQ(League.Team[0].Player[9].fRating[RATING_RUN_BLOCKING], 20.0f);
    // A team of nobody: 6 x 20 + 5 x 20 = 220 against 40 + 100 + 600.
    EXPECT_EQ(Get_Team_Run_Pass_Value(1), -520);

    // Average (68 - 520) / 2 = -226: team 0 is 294 above, 10 + 234 / 60.
    League.Team[1].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE] = 5;
    Set_Team_Stat_10_By_Strength();
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 13);
    EXPECT_EQ(League.Team[1].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE], 5);   // the user's own
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <initializer_list>

#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/rating_spread.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "test_support.h"

namespace {

class LeagueStructureTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        for (int t = 0; t < MAX_FRANCHISES; t++) {
            League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE;
            League.Team[t].nTeamStat[TEAM_STAT_DIVISION] = -1;
        }
    }

    // Puts franchise slots into use from slot 0: nPerDivision[d] teams in
    // division d, divisions in order.
    static int Fill_Divisions(std::initializer_list<int> nPerDivision)
    {
        int t = 0, d = 0;
        for (int n : nPerDivision) {
            for (int i = 0; i < n; i++) {
                League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_COMPUTER;
                League.Team[t].nTeamStat[TEAM_STAT_DIVISION] = d;
                t++;
            }
            d++;
        }
        return t;
    }

    static void Add_Player(int nTeam, int nSlot, int nPosition, int nId)
    {
        PLAYER& Player = League.Team[nTeam].Player[nSlot];
        Player.nVital[VITAL_PLAYER_ID] = nId;
        Player.nVital[VITAL_POSITION] = nPosition;
    }

    static float& Rating(int nTeam, int nSlot, int nRating)
    {
        return League.Team[nTeam].Player[nSlot].fRating[nRating];
    }
};

}  // namespace

// ---------------------------------------------------------------------------
// Counting

TEST_F(LeagueStructureTest, CountsFollowTheDivisionsInUse)
{
    // 28 teams: four in each of divisions 0-6, division 2 with five.
    ASSERT_EQ(Fill_Divisions({4, 4, 5, 4, 4, 4, 3}), 28);
    EXPECT_EQ(Count_Teams(), 28);
    EXPECT_EQ(Count_League_Teams(1), 11);
    EXPECT_EQ(Count_Leagues(), 2);
    EXPECT_EQ(Get_Largest_Division_Size(), 5);

    // The leagues in use run from league 0: league 1 alone is no league in
    // use, so loops over 0 .. Count_Leagues() - 1 never visit the empty
    // league 0, and a new league would take number 0, not rename league 1.
    SetUp();
    Fill_Divisions({0, 0, 0, 0, 2, 2, 2});
    EXPECT_EQ(Count_League_Divisions(1), 3);
    EXPECT_EQ(Count_Leagues(), 0);
    EXPECT_EQ(Get_League_Structure_Code(), 0);
    EXPECT_EQ(Get_Minimum_Wild_Card_Teams(), 1000);
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Names

TEST_F(LeagueStructureTest, NamesAreCutZeroFilledAndCheckTheirIndex)
{
    Set_League_Abbreviation(0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    Set_Division_Name(7, "Northwestern Division");
    EXPECT_EQ(std::memcmp(League.szLeagueName[0], "ABCDEFGHIJKLMNO\0", LEAGUE_NAME_SIZE), 0);
    EXPECT_EQ(std::memcmp(League.szDivisionName[7], "Northwester\0", DIVISION_NAME_SIZE), 0);
    // A shorter name leaves no bytes of the longer one behind.
    Set_Division_Name(7, "West");
    EXPECT_EQ(std::memcmp(League.szDivisionName[7], "West\0\0\0\0\0\0\0\0", DIVISION_NAME_SIZE), 0);
    // A stored field without its terminator (a damaged file) reads cut.
    std::memset(League.szLeagueName[1], 'L', LEAGUE_NAME_SIZE);
    char szName[64];
    Get_League_Name(1, szName);
    EXPECT_STREQ(szName, "LLLLLLLLLLLLLLL");
    EXPECT_EQ(Errors_Reported(), 0);
}

// Each accessor refuses a bad index with its message, returns its marker
// (a name reader copies nothing) and writes nothing.
TEST_F(LeagueStructureTest, AccessorsRefuseBadIndexesWithoutWriting)
{
    const REFUSAL_CASE CASES[] = {
        {[] { Set_League_Abbreviation(2, "X"); return 0; }, 0, "Invalid Set_League_Abbreviation(2) call."},
        {[] { char sz[8] = "West"; Get_Division_Name(8, sz); return std::strcmp(sz, "West"); }, 0,
         "Invalid Get_Division_Name(8) call."},
        {[] { Set_Universe_Stat(UNIVERSE_STAT_COUNT, 1); return 0; }, 0, "nIndex out of bounds in Set_Universe_Stat([60],1)"},
        {[] { Set_Draft_Pick_Owner(3, 0, 0, 1); return 0; }, 0, "nDraft out of bounds in Set_Draft_Pick_Owner([3],0,0,1)"},
        {[] { Set_Draft_Pick_Owner(0, 0, 0, 256); return 0; }, 0, nullptr},
        {[] { Set_Draft_Order_Team(36, 1); return 0; }, 0, "nIndex out of bounds in Set_Draft_Order_Team([36],1)"},
        {[] { return Get_Draft_Pick_Owner(0, 7, 0); }, NO_TEAM, nullptr},
        {[] { return Get_Draft_Pick_Owner(0, 0, 36); }, NO_TEAM, nullptr},
        {[] { return Count_Team_Remaining_Draft_Picks(36); }, 0, "nTeam out of bounds in Count_Team_Remaining_Draft_Picks([36])"},
        {[] { int n = 0; return Get_Nth_Owned_Draft_Pick(40, 0, &n, &n, &n); }, 0,
         "nTeam out of bounds in Get_Nth_Owned_Draft_Pick([40],0)"},
        {[] { return Get_Depth_Slot_Position(27); }, -1, "nSlot out of bounds in Get_Depth_Slot_Position([27])"},
        {[] { return static_cast<int>(Can_Play_Depth_Slot(15, 0)); }, 0, nullptr},
        {[] { return static_cast<int>(Get_Regular_Rating_Mean(27)); }, 0,
         "nRating out of bounds in Get_Regular_Rating_Mean([27])"},
        {[] { Set_Team_Defense_Alignment(41, 1); return 0; }, 0, "Set_Team_Stat(<41>"},
    };
    Expect_Refusals(CASES);
}

// ---------------------------------------------------------------------------
// Wild cards

namespace {

// Three divisions in each league: divisions 0-2 and 4-6, four teams each.
void Fill_Three_Division_Leagues()
{
    for (int t = 0; t < 24; t++) {
        League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_COMPUTER;
        League.Team[t].nTeamStat[TEAM_STAT_DIVISION] = (t / 4) < 3 ? t / 4 : t / 4 + 1;
    }
}

}  // namespace

TEST_F(LeagueStructureTest, WildCardLimitsFollowTheLeagueShape)
{
    // Two leagues of four divisions, 34 teams: 2 with 17 games (18 games are
    // cut to 17 on the way); 16 games leave the usual 4.
    Fill_Divisions({5, 5, 4, 4, 4, 4, 4, 4});
    League.Universe.nStat[GAMES_PER_SEASON] = 18;
    EXPECT_EQ(Get_League_Structure_Code(), 2);
    League.Universe.nStat[GAMES_PER_SEASON] = 16;
    EXPECT_EQ(Get_League_Structure_Code(), 4);

    // Three divisions in league 0, two in league 1: the largest maximum
    // and the smallest minimum.
    SetUp();
    Fill_Three_Division_Leagues();
    for (int t = 20; t < 24; t++)
        League.Team[t].nTeamStat[TEAM_STAT_DIVISION] = 5;
    EXPECT_EQ(Get_League_Structure_Code(), 5);
    EXPECT_EQ(Get_Minimum_Wild_Card_Teams(), 0);

    // The single-value forms, the division count clamped to 1-4.
    EXPECT_EQ(Get_Wild_Card_Maximum(0), 0);
    EXPECT_EQ(Get_Wild_Card_Maximum(5), 4);
}

TEST_F(LeagueStructureTest, WildCardRecountStoresOnlyAChange)
{
    Fill_Divisions({4, 4, 4, 4, 4, 4, 4, 4});
    League.Universe.nStat[GAMES_PER_SEASON] = 17;
    League.Universe.nStat[WILD_CARD_TEAMS] = 3;
    Count_Teams();
    LEAGUE_SNAPSHOT Before;
    Recount_Wild_Card_Teams();          // within 0-4: nothing stored, standings untouched
    EXPECT_TRUE(Before.Unchanged());

    // Three divisions a league need at least one (the standings are
    // rebuilt); a count above the range is brought down to the structure's
    // maximum, reported as too high.
    SetUp();
    Fill_Three_Division_Leagues();
    Recount_Wild_Card_Teams();
    EXPECT_EQ(League.Universe.nStat[WILD_CARD_TEAMS], 1);
    EXPECT_EQ(League.StandingsArea.PlayoffTeam[30], NO_TEAM);   // the bracket seeded anew
    EXPECT_EQ(Errors_Reported(), 0);
    League.Universe.nStat[WILD_CARD_TEAMS] = 9;
    Recount_Wild_Card_Teams();
    EXPECT_EQ(League.Universe.nStat[WILD_CARD_TEAMS], 5);
    EXPECT_TRUE(Last_Error_Contains("nValue too high in Set_Universe_Stat(WILD_CARD_TEAMS, 5)"));
}

// A league of more than 32 clubs playing 17 games allows two wild cards.
// The count is held to it and said so, once: not when last season's rule
// asked the same count and was held the same way, nor when nothing changes.
// A loaded game (no last season) is told of every change.
TEST_F(LeagueStructureTest, AWildCardCountHeldToTheLeaguesMakeUpIsTold)
{
    Fill_Divisions({5, 4, 4, 4, 5, 4, 4, 4});
    League.Universe.nStat[GAMES_PER_SEASON] = 17;
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2021;
    Count_Teams();
    ASSERT_EQ(Get_League_Structure_Code(), 2);
    ui::Reset();
    League.Universe.nStat[WILD_CARD_TEAMS] = 3;
    Recount_Wild_Card_Teams_And_Tell(3);
    EXPECT_EQ(League.Universe.nStat[WILD_CARD_TEAMS], 2);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Playoff Format Change");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "The 2021 playoffs take 2 wild-card teams per conference instead of 3, as "
                                         "the league's clubs, divisions and season length allow.");
    // Last season's rule of three was held to two already: no news.
    ui::Reset();
    League.Universe.nStat[WILD_CARD_TEAMS] = 3;
    Recount_Wild_Card_Teams_And_Tell(3, 2);
    EXPECT_EQ(League.Universe.nStat[WILD_CARD_TEAMS], 2);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    // Last season asked two and played two: the rule's three held to two
    // is a change of this year's rule, and said.
    League.Universe.nStat[WILD_CARD_TEAMS] = 3;
    Recount_Wild_Card_Teams_And_Tell(2, 2);
    EXPECT_EQ(League.Universe.nStat[WILD_CARD_TEAMS], 2);
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    // Within the limits: nothing changes, nothing is said.
    ui::Reset();
    League.Universe.nStat[GAMES_PER_SEASON] = 16;
    League.Universe.nStat[WILD_CARD_TEAMS] = 3;
    Recount_Wild_Card_Teams_And_Tell(1, 1);
    EXPECT_EQ(League.Universe.nStat[WILD_CARD_TEAMS], 3);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    // Three divisions a conference need one wild card: one team, said so.
    SetUp();
    Fill_Three_Division_Leagues();
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1961;
    Count_Teams();
    League.Universe.nStat[WILD_CARD_TEAMS] = 0;
    Recount_Wild_Card_Teams_And_Tell(0);
    EXPECT_EQ(League.Universe.nStat[WILD_CARD_TEAMS], 1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "The 1961 playoffs take 1 wild-card team per conference instead of 0, as "
                                         "the league's clubs, divisions and season length allow.");
}

// Two divisions a conference allow no wild card. The first year of one
// (1970), held to none after a season that had none by its rule, is said;
// the next year, the same rule held the same way, is not; nor is a season
// whose rule asks none.
TEST_F(LeagueStructureTest, TheFirstYearsWildCardHeldToNoneIsToldThoughLastSeasonHadNone)
{
    Fill_Divisions({4, 3, 0, 0, 3, 3});
    League.Universe.nStat[GAMES_PER_SEASON] = 14;
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1970;
    Count_Teams();
    ASSERT_EQ(Get_League_Structure_Code(), 0);
    League.Universe.nStat[WILD_CARD_TEAMS] = 1;
    Recount_Wild_Card_Teams_And_Tell(0, 0);
    EXPECT_EQ(League.Universe.nStat[WILD_CARD_TEAMS], 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "The 1970 playoffs take 0 wild-card teams per conference instead of 1, as "
                                         "the league's clubs, divisions and season length allow.");
    ui::Reset();
    League.Universe.nStat[WILD_CARD_TEAMS] = 1;
    Recount_Wild_Card_Teams_And_Tell(1, 0);
    EXPECT_EQ(League.Universe.nStat[WILD_CARD_TEAMS], 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    Recount_Wild_Card_Teams_And_Tell(1, 0);   // asked none, as before 1970
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// ---------------------------------------------------------------------------
// Season readers, selection, alignment, balance

// The selection must name a team that holds players.
TEST_F(LeagueStructureTest, SelectedTeamAndLeagueBalance)
{
    Fill_Divisions({4, 4});
    const int nStored[4][2] = {{7, 7}, {8, 0}, {40, 40}, {41, 0}};
    for (const auto& S : nStored) {
        Set_User_Preference(PREF_SELECTED_TEAM, S[0]);
        EXPECT_EQ(Get_Selected_Team(), S[1]) << S[0];
    }

    EXPECT_EQ(Add_To_League_Balance(1500), 1500);
    EXPECT_EQ(Add_To_League_Balance(800), 2000);
    EXPECT_EQ(Add_To_League_Balance(-5000), -2000);
    EXPECT_EQ(Add_To_League_Balance(INT_MIN), -2000);    // no wrap-around
    EXPECT_EQ(Add_To_League_Balance(INT_MAX), 2000);
}

// ---------------------------------------------------------------------------
// Sorting by city

TEST_F(LeagueStructureTest, SortByCityOrdersBytewiseAndMovesWholeTeams)
{
    // Upper case sorts before lower case, bytes above 127 after both.
    const char* szCity[5] = {"\xC9tretat", "Zenith", "alton", "Alton", "Alton"};
    const char* szNickname[5] = {"Gulls", "Owls", "Bears", "Rams", "Bees"};
    Fill_Divisions({3, 2});
    for (int t = 0; t < 5; t++) {
        std::strcpy(League.Team[t].szString[TEAM_STRING_CITY], szCity[t]);
        std::strcpy(League.Team[t].szString[TEAM_STRING_NICKNAME], szNickname[t]);
        Add_Player(t, 0, POSITION_QB, 1000 + t);    // follows its team
        League.Draft.DraftPickOwner[0][0][t] = static_cast<uint8_t>(t);
    }
    League.Draft.DraftPickOwner[0][0][0] = 3;       // old team 3 owns old team 0's pick

    Sort_Teams_By_City();

    // Alton Bees (old 4), Alton Rams (3), Zenith (1), alton (2), Etretat (0).
    const int nOld[5] = {4, 3, 1, 2, 0};
    int nNew[5];
    for (int t = 0; t < 5; t++) {
        EXPECT_STREQ(League.Team[t].szString[TEAM_STRING_CITY], szCity[nOld[t]]) << t;
        EXPECT_EQ(League.Team[t].Player[0].nVital[VITAL_PLAYER_ID], 1000 + nOld[t]) << t;
        nNew[nOld[t]] = t;
    }
    // Pick ownership follows the teams.
    EXPECT_EQ(League.Draft.DraftPickOwner[0][0][nNew[0]], nNew[3]);
    EXPECT_EQ(League.Draft.DraftPickOwner[0][0][nNew[1]], nNew[1]);
}

// ---------------------------------------------------------------------------
// Draft picks

TEST_F(LeagueStructureTest, DraftPicksOwnedAndRemaining)
{
    // Four franchises picking in the order 2, 0, 3, 1; each owns its own
    // picks except: team 0 owns team 3's first-round pick of the current
    // draft, and team 1 owns team 2's fourth-round pick of next year's draft.
    Fill_Divisions({4});
    const uint8_t Order[4] = {2, 0, 3, 1};
    for (int i = 0; i < 4; i++)
        League.Draft.DraftOrder[i] = Order[i];
    for (int d = 0; d < DRAFT_YEARS; d++)
        for (int r = 0; r < DRAFT_ROUNDS; r++)
            for (int t = 0; t < 4; t++)
                League.Draft.DraftPickOwner[d][r][t] = static_cast<uint8_t>(t);
    League.Draft.DraftPickOwner[0][0][3] = 0;
    League.Draft.DraftPickOwner[1][3][2] = 1;
    EXPECT_EQ(Count_Team_Remaining_Draft_Picks(0), 8);  // outside the draft all count
    int nDraft = -7, nRound = -7, nPick = -7;
    // Team 0: its own first-round pick (order 1), then team 3's (order 2).
    ASSERT_EQ(Get_Nth_Owned_Draft_Pick(0, 1, &nDraft, &nRound, &nPick), 1);
    EXPECT_EQ(nDraft * 100 + nRound * 10, 0);
    EXPECT_EQ(nPick, 0 * 256 + 3);
    // Team 1 owns 7 picks a draft; next year its fourth round holds team 2's
    // pick (order 0) before its own (order 3): pick index 7 + 3.
    ASSERT_EQ(Get_Nth_Owned_Draft_Pick(1, 10, &nDraft, &nRound, &nPick), 1);
    EXPECT_EQ(nDraft * 10 + nRound, 13);
    EXPECT_EQ(nPick, 1 * 256 + 2);

    // The college draft runs: round 1 (from 0), two picks of it made, a
    // player in the first college pool. Round 0 is over; in round 1 teams 2
    // and 0 (order 0 and 1) have picked; later drafts all count.
    Set_User_Preference(PREF_DRAFT_ROUND, 1);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 2);
    League.Team[FIRST_DRAFT_POOL_TEAM].Player[0].nVital[VITAL_PLAYER_ID] = 9001;
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Count_Team_Remaining_Draft_Picks(0), 5);
    ASSERT_EQ(Get_Nth_Owned_Draft_Pick(0, 5, &nDraft, &nRound, &nPick), 1);
    EXPECT_EQ(nDraft * 10 + nRound, 10);
    EXPECT_TRUE(Before.Unchanged());                    // asking never ends the draft

    // Past the last pick, or a missing output (reported): 0 and the outputs
    // untouched.
    nDraft = nRound = nPick = -7;
    EXPECT_EQ(Get_Nth_Owned_Draft_Pick(3, 100, &nDraft, &nRound, &nPick), 0);
    EXPECT_EQ(Get_Nth_Owned_Draft_Pick(0, 0, nullptr, &nRound, &nPick), 0);
    EXPECT_EQ(nDraft + nRound + nPick, -21);
    EXPECT_EQ(Errors_Reported(), 1);

    // A damaged draft order entry (not a franchise) is skipped, not followed.
    League.Draft.DraftOrder[1] = NO_TEAM;
    EXPECT_EQ(Count_Team_Remaining_Draft_Picks(3), 6);
    EXPECT_EQ(Count_Team_Remaining_Draft_Picks(0), 0);
}

// ---------------------------------------------------------------------------
// Depth slots

TEST_F(LeagueStructureTest, WhoMayFillADepthSlot)
{
    // {position, slot, allowed}: quarterbacks only; a slot of no position;
    // the quarterback's own unit; receivers only; backs allowed; kickers only.
    const int nCases[][3] = {{POSITION_RB, 2, 0},  {POSITION_P, 0, 1},  {POSITION_QB, 8, 0},  {POSITION_TE, 11, 0},
                             {POSITION_S, 14, 1},  {POSITION_CB, 12, 0}, {POSITION_P, 24, 0}, {POSITION_K, 25, 0}};
    for (const auto& C : nCases)
        EXPECT_EQ(Can_Play_Depth_Slot(C[0], C[1]), C[2] != 0) << C[0] << " " << C[1];
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Standings order

TEST_F(LeagueStructureTest, StandingsOrderFromTheSeasonRecords)
{
    Fill_Divisions({3, 1});
    // Division 0: team 0 5-3, team 1 7-1, team 2 5-3; division 1: team 3 0-0.
    const int nWins[4] = {5, 7, 5, 0};
    const int nLosses[4] = {3, 1, 3, 0};
    for (int y = 0; y < 2; y++)
        for (int t = 0; t < 4; t++) {
            League.Team[t].bYearly[y][YEARLY_WINS] = static_cast<int8_t>(nWins[t]);
            League.Team[t].bYearly[y][YEARLY_LOSSES] = static_cast<int8_t>(nLosses[t]);
        }
    League.StandingsArea.nPlayoffDay[0] = 17;   // 17 regular weeks

    Refresh_Standings();
    // Overall: on equal keys the higher slot places first; no games ranks 0.
    const int nOverall[4] = {2, 0, 1, 3};
    for (int t = 0; t < 4; t++)
        EXPECT_EQ(League.Team[t].nYearly[0][2], nOverall[t]) << t;
    // Division 0: teams 0 and 2 tie; season 0 + slot 2 is even, so team 2
    // takes place 1. Places past the division's size are empty.
    const uint8_t* pRow = League.StandingsArea.DivisionRow[0];
    const uint8_t Expected[DIVISION_ROW_PLACES] = {1, 2, 0, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128};
    EXPECT_EQ(std::memcmp(pRow, Expected, DIVISION_ROW_PLACES), 0);
    // In season 1 the sums are odd and the first team scanned keeps the place.
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Clear_Standings_Order();
    EXPECT_EQ(pRow[1], 0);
    EXPECT_EQ(pRow[2], 2);
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Calibration
TEST_F(LeagueStructureTest, CalibrationMovesRatingsToTheirTargets)
{
    SCRATCH_FOLDER Folder("structure");
    ASSERT_TRUE(Folder.Ready());
    Fill_Divisions({2});
    // Quarterbacks: two regulars on each team and a third on team 0.
    const int nWhere[10][2] = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {FREE_AGENT_TEAM, 0},
                               {HALL_OF_FAME_TEAM, 0}, {HALL_OF_FAME_TEAM, 1}, {HALL_OF_FAME_TEAM, 2},
                               {FIRST_DRAFT_POOL_TEAM, 0}};
    for (int i = 0; i < 10; i++)
        Add_Player(nWhere[i][0], nWhere[i][1], POSITION_QB, i + 1);

    // The calibration sets the depth charts first: each team's regulars come
    // better first here, and the third quarterback is hurt, so no one moves.
    // Accuracy (2): regulars 60, 70, 80, 90: mean 75, mean deviation 10.
    // Target 72 and 7: shift by -3, then scale by 0.7 around 72. The third
    // quarterback (99) is moved, not counted; the Hall of Fame only
    // curtailed: 1200 is corrupt (60), (97 + 95) / 2 = 96, (10 + 20) / 2 = 15
    // (raised to 20, as every load would raise it).
    // Distance (3): regulars 70, 71, 72, 73: mean 71.5, deviation 1; the
    // stretch 8 / 1 is damped to sqrt(8) x sqrt(2) = 4. The third: 90.5 ->
    // 146, held at 99, then curtailed to 97.
    const float fAccuracyBefore[10] = {70, 60, 99, 90, 80, 50, 1200, 97, 10, -500};
    const float fDistanceBefore[6] = {71, 70, 90, 73, 72, 72};
    for (int i = 0; i < 10; i++)
        Rating(nWhere[i][0], nWhere[i][1], 2) = fAccuracyBefore[i];
    for (int i = 0; i < 6; i++)
        Rating(nWhere[i][0], nWhere[i][1], 3) = fDistanceBefore[i];
    Set_Player_Vital_Stat(0, 2, VITAL_INJURY_WEEKS, 3);

    Calibrate_Player_Ratings();

    const float fTolerance = 1e-3f;
    // Accuracy: (57 - 72) x 0.7 + 72 = 61.5, ...; the third (96 - 72) x 0.7
    // + 72; the free agent (47 - 72) x 0.7 + 72; the others only curtailed.
    const float fAccuracy[10] = {68.5f, 61.5f, 88.8f, 82.5f, 75.5f, 54.5f, 60.0f, 96.0f, 20.0f, 60.0f};
    for (int i = 0; i < 10; i++)
        EXPECT_NEAR(Rating(nWhere[i][0], nWhere[i][1], 2), fAccuracy[i], fTolerance) << i;
    // Distance: (70.5 - 72) x 4 + 72 = 66, ...
    const float fDistance[6] = {70.0f, 66.0f, 97.0f, 78.0f, 74.0f, 74.0f};
    for (int i = 0; i < 6; i++)
        EXPECT_NEAR(Rating(nWhere[i][0], nWhere[i][1], 3), fDistance[i], fTolerance) << i;
}

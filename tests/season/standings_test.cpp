// Seeding the bracket from the standings (every field size, equal keys, a gap
// among the divisions, the old rematch rule at seeding), and the season's
// results kept between rebuilds checked against the record-by-record count
// over a whole season of random results. Expected seeds and slots are worked
// out by hand from the records each test gives.

#include <algorithm>
#include <cstring>
#include <random>

#include "playoffs_fixture.h"
#include "league/team_finances.h"

namespace {

class SeedingTest : public PlayoffLeagueTest {};

// W - L of place p of division k of a league: leaders 6, 10, 8, 12.
constexpr int MARGIN[4][3] = {{6, 5, -2}, {10, 3, 2}, {8, 7, 0}, {12, 1, -4}};

// Seeds by team index inside the league (3 x division + place), n = 1..8:
// leaders by key (12: 9, 10: 3, 8: 6, 6: 0) then wild cards (7: 7, 5: 1,
// 3: 4, 2: 5). With fewer divisions only their leaders compete.
const std::vector<int> SEEDS[8] = {
    {0}, {3, 0}, {3, 6, 0}, {9, 3, 6, 0}, {9, 3, 6, 0, 7}, {9, 3, 6, 0, 7, 1}, {9, 3, 6, 0, 7, 1, 4},
    {9, 3, 6, 0, 7, 1, 4, 5},
};
// Slots of seed 1, 2, ... for league 0 and league 1.
const std::vector<int> SLOTS[8][2] = {
    {{28}, {29}},
    {{24, 25}, {26, 27}},
    {{24, 18, 19}, {26, 22, 23}},
    {{17, 19, 18, 16}, {21, 23, 22, 20}},
    {{17, 19, 18, 1, 0}, {21, 23, 22, 9, 8}},
    {{17, 19, 5, 1, 0, 4}, {21, 23, 13, 9, 8, 12}},
    {{19, 3, 5, 1, 0, 4, 2}, {23, 11, 13, 9, 8, 12, 10}},
    {{7, 3, 5, 1, 0, 4, 2, 6}, {15, 11, 13, 9, 8, 12, 10, 14}},
};

TEST_F(SeedingTest, EveryFieldSizeTakesTheSlotsOfTheSeedingTable)
{
    for (int n = 1; n <= 8; ++n) {
        SetUp();
        const int d = n < 4 ? n : 4;
        std::vector<std::pair<int, int>> Teams;
        for (int nLeague = 0; nLeague < 2; ++nLeague)
            for (int k = 0; k < d; ++k)
                for (int p = 0; p < 3; ++p)
                    Teams.push_back({4 * nLeague + k, MARGIN[k][p]});
        Build(Teams, n - d);
        int nFilled = 0;
        for (int s = 0; s < PLAYOFF_SLOTS; ++s)
            nFilled += Slot(s) != NO_TEAM;
        EXPECT_EQ(nFilled, 2 * n) << n;
        for (int nLeague = 0; nLeague < 2; ++nLeague)
            for (int s = 0; s < n; ++s) {
                const int nTeam = 3 * d * nLeague + SEEDS[n - 1][s];
                EXPECT_EQ(Slot(SLOTS[n - 1][nLeague][s]), nTeam) << "n " << n << " league " << nLeague << " seed " << s;
                EXPECT_EQ(Seed(nTeam), s + 1);
            }
        EXPECT_EQ(Errors_Reported(), 0);
    }
}

TEST_F(SeedingTest, EqualKeysGoToTheEarlierDivisionAndTheEarlierTeam)
{
    // Teams 0-2 in division 1, 3-5 in division 0. Leaders 0 and 3 level at
    // +5: division 0's (team 3) first although its slot is later. Wild cards
    // 1, 2 and 4 level at +2: the earlier teams 1 and 2.
    Build({{1, 5}, {1, 2}, {1, 2}, {0, 5}, {0, 2}, {0, 0}}, 2);
    EXPECT_EQ(Slot(17), 3);
    EXPECT_EQ(Slot(19), 0);
    EXPECT_EQ(Slot(18), 1);
    EXPECT_EQ(Slot(16), 2);
    EXPECT_EQ(Seed(4), 0);
    EXPECT_EQ(Seed(5), 0);
}

TEST_F(SeedingTest, LeadersComeFromEveryDivisionInUseEvenAfterAGap)
{
    // League 0 uses divisions 0 and 2; division 2's leader is the best.
    Build({{0, 1}, {0, 0}, {2, 4}, {2, -1}}, 0);
    EXPECT_EQ(Slot(24), 2);
    EXPECT_EQ(Slot(25), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(SeedingTest, TheOldRuleSeparatesDivisionRivalsFromTheSeedingOn)
{
    // A (+9) and D (+3) of division 0, B (+8) and C (+5) of division 1:
    // seeds A, B, C, D; 1 v 4 are rivals.
    const int A = 0, D = 1, B = 2, C = 3;
    Build({{0, 9}, {0, 3}, {1, 8}, {1, 5}}, 2);
    EXPECT_EQ(Slot(16), D);   // the rule off: 1 v 4 stands
    EXPECT_EQ(Slot(17), A);
    EXPECT_EQ(Slot(18), C);
    EXPECT_EQ(Slot(19), B);

    Set_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD, 1);
    Update_Standings();
    EXPECT_EQ(Slot(16), C);   // 1 v 3 and 2 v 4
    EXPECT_EQ(Slot(17), A);
    EXPECT_EQ(Slot(18), D);
    EXPECT_EQ(Slot(19), B);
    EXPECT_EQ(Seed(D), 4);    // the seeds stay what they were
}

TEST_F(SeedingTest, AThreeTeamFieldLeavesItsPairAloneUnderTheOldRule)
{
    // One division of four: seeds 2 and 3 are rivals in their pair, and the
    // other pair is empty, so no swap can give both pairs a game.
    Set_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD, 1);
    Build({{0, 6}, {0, 4}, {0, 2}, {0, 0}}, 2);
    EXPECT_EQ(Slot(24), 0);
    EXPECT_EQ(Slot(18), 1);
    EXPECT_EQ(Slot(19), 2);
    EXPECT_EQ(Slot(16), NO_TEAM);
    EXPECT_EQ(Slot(17), NO_TEAM);
}

// A league of fewer clubs than its division winners and wild cards seeds
// each club once and no more: two clubs with three wild cards meet in the
// league's final (slots 24 and 25), three in the field of three; no club
// waits beside an empty slot that would never give it a game.
TEST_F(SeedingTest, AFieldIsNeverLargerThanTheLeaguesClubs)
{
    Build({{0, 2}, {0, -2}}, 3);
    EXPECT_EQ(Slot(24), 0);
    EXPECT_EQ(Slot(25), 1);
    for (int s = 0; s < 24; ++s)
        EXPECT_EQ(Slot(s), NO_TEAM) << s;
    EXPECT_EQ(Seed(0), 1);
    EXPECT_EQ(Seed(1), 2);

    SetUp();
    Build({{0, 4}, {0, 0}, {0, -4}}, 4);
    EXPECT_EQ(Slot(24), 0);
    EXPECT_EQ(Slot(18), 1);
    EXPECT_EQ(Slot(19), 2);
    EXPECT_EQ(Slot(16), NO_TEAM);
    EXPECT_EQ(Slot(17), NO_TEAM);
    EXPECT_EQ(Errors_Reported(), 0);
}

// Leagues of four and three divisions of three clubs, two wild cards: each
// league seeds its own field, six (SEEDS[5]) and five (SEEDS[4], league 1's
// clubs from 12 on), never the other's count.
TEST_F(SeedingTest, EachLeagueSeedsItsOwnCountOfClubs)
{
    std::vector<std::pair<int, int>> Teams;
    for (int nLeague = 0; nLeague < 2; ++nLeague)
        for (int k = 0; k < 4 - nLeague; ++k)
            for (int p = 0; p < 3; ++p)
                Teams.push_back({4 * nLeague + k, MARGIN[k][p]});
    Build(Teams, 2);
    // League 1's leaders by key 10: 15, 8: 18, 6: 12; wild cards 7: 19, 5: 13.
    const int nLeague0[6] = {9, 3, 6, 0, 7, 1};
    const int nLeague1[5] = {15, 18, 12, 19, 13};
    for (int s = 0; s < 6; ++s)
        EXPECT_EQ(Slot(SLOTS[5][0][s]), nLeague0[s]) << "league 0 seed " << s;
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(Slot(SLOTS[4][1][s]), nLeague1[s]) << "league 1 seed " << s;
        EXPECT_EQ(Seed(nLeague1[s]), s + 1);
    }
    int nFilled[2] = {};
    for (int s = 0; s < PLAYOFF_SLOTS; ++s) {
        const int nTeam = Slot(s);
        if (nTeam != NO_TEAM)
            ++nFilled[nTeam < 12 ? 0 : 1];
    }
    EXPECT_EQ(nFilled[0], 6);
    EXPECT_EQ(nFilled[1], 5);
    for (int t = 12; t < 21; ++t)
        EXPECT_EQ(Seed(t) > 0, t == 15 || t == 18 || t == 12 || t == 19 || t == 13) << t;
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// The kept results against the record-by-record count

class KeptResultsTest : public PlayoffLeagueTest {
protected:
    void TearDown() override { Use_Direct_Result_Scan(false); }

    // 32 teams in eight divisions of four, 17 weeks of random pairings
    // (with byes) and scores of 0-3 points, so that ties are common.
    static int Build_Random_Season(uint32_t nSeed)
    {
        std::vector<std::pair<int, int>> Teams;
        for (int t = 0; t < 32; ++t)
            Teams.push_back({t / 4, 0});
        Build(Teams, 2);
        League.Universe.nStat[GAMES_PER_SEASON] = 17;
        for (int t = 0; t < 32; ++t)
            Set_Season_Record(t, 0, 0, 0, 0);
        std::mt19937 Random(nSeed);
        int nGames = 0;
        for (int nWeek = 0; nWeek < 17 && nGames < 272; ++nWeek) {
            std::vector<int> Order(32);
            for (int t = 0; t < 32; ++t)
                Order[t] = t;
            std::shuffle(Order.begin(), Order.end(), Random);
            for (int i = 0; i + 1 < 32 && nGames < 272; i += 2) {
                const int nAway = Order[i], nHome = Order[i + 1];
                const int a = static_cast<int>(Random() % 4), h = static_cast<int>(Random() % 4);
                Put_Game(nGames++, nAway, nHome, a, h, nWeek);
                int8_t* pAway = League.Team[nAway].bYearly[0];
                int8_t* pHome = League.Team[nHome].bYearly[0];
                if (a == h) {
                    ++pAway[YEARLY_TIES];
                    ++pHome[YEARLY_TIES];
                } else {
                    ++(a > h ? pAway : pHome)[YEARLY_WINS];
                    ++(a > h ? pHome : pAway)[YEARLY_LOSSES];
                }
            }
        }
        return nGames;
    }

    // Every team, result and filter: the kept count against the scan.
    static int Count_Differences()
    {
        int nDifferences = 0;
        std::vector<int> Filters = {RESULTS_AGAINST_DIVISION, RESULTS_AGAINST_LEAGUE, RESULTS_ALL_GAMES, -1, 36, 128};
        for (int u = 0; u < 36; ++u)
            Filters.push_back(u);
        const size_t nPlain = Filters.size();
        for (size_t i = 0; i < nPlain; ++i)
            if (Filters[i] >= 0)
                Filters.push_back(Filters[i] | RESULTS_HOME_ONLY);
        RESULTS_HOLD Hold;
        for (int t = 0; t < 36; ++t)
            for (int nResult : {RESULT_WINS, RESULT_LOSSES, RESULT_TIES})
                for (int nFilter : Filters)
                    nDifferences +=
                        Count_Team_Results(t, nResult, nFilter) != Count_Team_Results_By_Scan(t, nResult, nFilter);
        return nDifferences;
    }

    struct TABLES {
        uint8_t Rows[NUMBER_OF_DIVISIONS][DIVISION_ROW_PLACES];
        int nPlace[32];
        int nKey[32];
        uint8_t Bracket[PLAYOFF_SLOTS];
        bool operator==(const TABLES& o) const { return std::memcmp(this, &o, sizeof(*this)) == 0; }
    };

    static TABLES Rebuild()
    {
        Clear_Standings_Order();
        Update_Standings();
        TABLES T{};
        std::memcpy(T.Rows, League.StandingsArea.DivisionRow, sizeof(T.Rows));
        for (int t = 0; t < 32; ++t) {
            T.nPlace[t] = League.Team[t].nYearly[0][2];
            T.nKey[t] = Get_Team_Standings_Key(t);
        }
        std::memcpy(T.Bracket, League.StandingsArea.PlayoffTeam, sizeof(T.Bracket));
        return T;
    }
};

TEST_F(KeptResultsTest, AWholeRandomSeasonCountsAsTheRecordsDo)
{
    const int nGames = Build_Random_Season(20240611);
    ASSERT_EQ(nGames, 272);
    int nTies = 0;
    for (int i = 0; i < nGames; ++i)
        nTies += League.Game[i].nScore[0] == League.Game[i].nScore[1];
    ASSERT_GT(nTies, 30);
    EXPECT_EQ(Count_Differences(), 0);

    // The standings, places and bracket the two ways give.
    const TABLES Kept = Rebuild();
    Use_Direct_Result_Scan(true);
    const TABLES Scanned = Rebuild();
    Use_Direct_Result_Scan(false);
    EXPECT_TRUE(Kept == Scanned);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(KeptResultsTest, GamesFinishingOneByOneAreAddedAsTheyEnd)
{
    Build_Random_Season(7);
    // Unplay the season, then let the games end in order.
    auto pSaved = std::make_unique<GAME[]>(272);
    for (int i = 0; i < 272; ++i) {
        pSaved[i] = League.Game[i];
        League.Game[i].nClock = 0;
    }
    EXPECT_EQ(Count_Differences(), 0);
    for (int i = 0; i < 272; ++i) {
        League.Game[i] = pSaved[i];
        if (i % 17 == 5 || i == 271) {
            EXPECT_EQ(Count_Differences(), 0) << i;
        }
    }
}

TEST_F(KeptResultsTest, RecordsChangedBehindTheListAreSeen)
{
    Build_Random_Season(99);
    EXPECT_EQ(Count_Differences(), 0);
    // Same number of finished records, one result turned round (a load of
    // another league, say).
    GAME& Game = League.Game[40];
    Game.nScore[GAME_SIDE_HOME] = Game.nScore[GAME_SIDE_AWAY] + 3;
    EXPECT_EQ(Count_Differences(), 0);
    // Other teams in an early record.
    Game.nAwayTeam = 30;
    Game.nHomeTeam = 31;
    EXPECT_EQ(Count_Differences(), 0);
    // A cleared season, then a new first game.
    for (int i = 0; i < 272; ++i)
        League.Game[i] = GAME{};
    EXPECT_EQ(Count_Team_Results(0, RESULT_WINS, RESULTS_ALL_GAMES), 0);
    Put_Game(0, 1, 0, 3, 10);
    EXPECT_EQ(Count_Team_Results(0, RESULT_WINS, RESULTS_ALL_GAMES), 1);
    EXPECT_EQ(Count_Differences(), 0);
    // Fewer teams a season: the later records leave the regular season.
    Build_Random_Season(5);
    League.Universe.nStat[GAMES_PER_SEASON] = 8;
    EXPECT_EQ(Count_Differences(), 0);
}

// A season played (272 regular games in weeks 0-16, the first playoff week
// 17) and two playoff games of week 17 after them: the regular season is the
// records before week 17 whatever the league became after it. A club added
// (33 clubs x 17 games / 2 would take 280 records, the playoff games among
// them) or a shorter season set (14 games, 224 records) leaves every club's
// regular-season results as they were.
TEST_F(KeptResultsTest, ThePlayedRegularSeasonEndsAtTheFirstPlayoffWeek)
{
    Build_Random_Season(11);
    ASSERT_EQ(Get_First_Playoff_Week(), 17);
    Put_Game(272, 0, 1, 7, 10, 17);
    Put_Game(273, 2, 3, 14, 3, 17);
    auto Results = [] {
        std::vector<int> All;
        RESULTS_HOLD Hold;
        for (int t = 0; t < 33; ++t)
            for (int nResult : {RESULT_WINS, RESULT_LOSSES, RESULT_TIES})
                All.push_back(Count_Team_Results(t, nResult, RESULTS_ALL_GAMES));
        return All;
    };
    // Each club's count is its results of the regular season's records.
    std::vector<int> Expected(33 * 3, 0);
    for (int i = 0; i < 272; ++i) {
        const GAME& Game = League.Game[i];
        const int a = Game.nScore[GAME_SIDE_AWAY];
        const int h = Game.nScore[GAME_SIDE_HOME];
        ++Expected[Game.nAwayTeam * 3 + (a > h ? 0 : a < h ? 1 : 2)];
        ++Expected[Game.nHomeTeam * 3 + (h > a ? 0 : h < a ? 1 : 2)];
    }
    Set_User_Preference(PREF_CURRENT_WEEK, 19);
    EXPECT_EQ(Results(), Expected);
    League.Team[32].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_COMPUTER;
    League.Team[32].nTeamStat[TEAM_STAT_DIVISION] = 0;
    ASSERT_EQ(Count_Teams(), 33);
    EXPECT_EQ(Results(), Expected);
    League.Universe.nStat[GAMES_PER_SEASON] = 14;
    EXPECT_EQ(Results(), Expected);
    EXPECT_EQ(Count_Differences(), 0);

    // The added club sat the season out: it stands below every club of its
    // division that played, and has no finish in the season.
    EXPECT_TRUE(Sat_Out_Regular_Season(32));
    EXPECT_FALSE(Sat_Out_Regular_Season(0));
    Clear_Standings_Order();
    EXPECT_EQ(Get_Team_Division_Place(32), 4);
    EXPECT_EQ(Get_Team_Standings_Key(32), SAT_OUT_STANDINGS_KEY);
    EXPECT_EQ(Record_Team_Division_Finish(32), 0);
    // Before the regular season is over a club without a game is no such club.
    Set_User_Preference(PREF_CURRENT_WEEK, 16);
    EXPECT_FALSE(Sat_Out_Regular_Season(32));
}

}  // namespace

// The schedules of the leagues of 12, 26, 28 and 30 teams: their tables, the
// team orders of the fixed seasons and the shuffles of the others.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "base/random.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "schedule/other_size_schedules.h"
#include "schedule/other_size_tables.h"
#include "schedule/schedule_driver.h"
#include "schedule/schedule_tables.h"
#include "schedule/table_schedules.h"
#include "test_support.h"

namespace {

struct CELL {
    int nAway;
    int nHome;
};

// Division sizes of a table's slots, in slot order, per conference: the
// divisions a league of that size had when the table served it.
std::vector<std::vector<int>> Table_Divisions(int nMember)
{
    switch (nMember) {
    case OTHER_SIZE_12_TEAMS:
        return {{6}, {6}};
    case OTHER_SIZE_26_TEAMS:
        return {{5, 4, 4}, {5, 4, 4}};
    case OTHER_SIZE_30_TEAMS:
        return {{5, 5, 5}, {5, 5, 5}};
    default:
        return {{5, 4, 5}, {5, 5, 4}};
    }
}

// Division of every slot (conference c's divisions are 4c, 4c + 1, ...).
std::vector<int> Slot_Divisions(int nMember)
{
    std::vector<int> Division;
    const std::vector<std::vector<int>> Groups = Table_Divisions(nMember);
    for (int c = 0; c < static_cast<int>(Groups.size()); ++c)
        for (int d = 0; d < static_cast<int>(Groups[c].size()); ++d)
            for (int i = 0; i < Groups[c][d]; ++i)
                Division.push_back(4 * c + d);
    return Division;
}

CELL Cell(int nMember, int w, int g)
{
    return {Get_Other_Size_Schedule_Opponent(nMember, w, g, 0), Get_Other_Size_Schedule_Opponent(nMember, w, g, 1)};
}

// ---------------------------------------------------------------------------
// The tables

// The first three cells of week 0, as the tables give them.
TEST(OtherSizeTables, TheirFirstCellsAreTheGivenOnes)
{
    const struct {
        int nMember;
        CELL Cells[3];
    } Case[] = {
        {OTHER_SIZE_12_TEAMS, {{0, 8}, {1, 2}, {10, 6}}},
        {OTHER_SIZE_26_TEAMS, {{11, 22}, {21, 5}, {24, 20}}},
        {OTHER_SIZE_28_TEAMS_14_GAMES, {{18, 15}, {14, 27}, {10, 6}}},
        {OTHER_SIZE_28_TEAMS_BEFORE_1990, {{27, 26}, {25, 23}, {24, 18}}},
        {OTHER_SIZE_30_TEAMS, {{19, 18}, {27, 26}, {3, 14}}},
    };
    for (const auto& c : Case) {
        for (int g = 0; g < 3; ++g) {
            EXPECT_EQ(Cell(c.nMember, 0, g).nAway, c.Cells[g].nAway) << c.nMember << " " << g;
            EXPECT_EQ(Cell(c.nMember, 0, g).nHome, c.Cells[g].nHome) << c.nMember << " " << g;
        }
    }
    // The named lookups read the same tables.
    EXPECT_EQ(Get_12_Team_Schedule_Opponent(0, 2, 0), 10);
    EXPECT_EQ(Get_26_Team_Schedule_Opponent(0, 1, 1), 5);
    EXPECT_EQ(Get_28_Team_14_Game_Schedule_Opponent(0, 1, 1), 27);
    EXPECT_EQ(Get_28_Team_Schedule_Opponent_Before_1990(0, 2, 1), 18);
    EXPECT_EQ(Get_30_Team_Schedule_Opponent(0, 2, 0), 3);
    EXPECT_EQ(Get_28_Team_Schedule_Opponent(0, 0, 0), Cell(OTHER_SIZE_28_TEAMS, 0, 0).nAway);
}

TEST(OtherSizeTables, TheirShapesAreTheMembers)
{
    const struct {
        int nMember;
        OTHER_SIZE_SHAPE Shape;
    } Case[] = {
        {OTHER_SIZE_12_TEAMS, {12, 12, 12, 6, 2, 1959}},
        {OTHER_SIZE_26_TEAMS, {26, 14, 14, 13, 2, 1972}},
        {OTHER_SIZE_28_TEAMS_14_GAMES, {28, 14, 14, 14, 2, 1976}},
        {OTHER_SIZE_28_TEAMS_BEFORE_1990, {28, 16, 16, 14, 4, 1986}},
        {OTHER_SIZE_28_TEAMS, {28, 16, 17, 14, 2, 1990}},
        {OTHER_SIZE_30_TEAMS, {30, 16, 17, 15, 2, 1998}},
    };
    for (const auto& c : Case) {
        const OTHER_SIZE_SHAPE& s = Get_Other_Size_Shape(c.nMember);
        EXPECT_EQ(s.nTeams, c.Shape.nTeams);
        EXPECT_EQ(s.nGames, c.Shape.nGames);
        EXPECT_EQ(s.nWeeks, c.Shape.nWeeks);
        EXPECT_EQ(s.nGamesPerWeek, c.Shape.nGamesPerWeek);
        EXPECT_EQ(s.nCellInts, c.Shape.nCellInts);
        EXPECT_EQ(s.nSpecialYear, c.Shape.nSpecialYear);
    }
}

// Every slot plays the season's games, at most once a week, half at home;
// every division rival twice, once at each venue; the 17-week tables leave
// one week off a slot (14 and 15 empty cells), the others none; empty cells
// stand after a week's games.
TEST(OtherSizeTables, EverySlotPlaysItsSeasonOnceAWeek)
{
    for (int m = 0; m < OTHER_SIZE_MEMBERS; ++m) {
        const OTHER_SIZE_SHAPE& s = Get_Other_Size_Shape(m);
        const std::vector<int> Division = Slot_Divisions(m);
        ASSERT_EQ(static_cast<int>(Division.size()), s.nTeams);
        std::vector<int> Home(s.nTeams, 0);
        std::vector<int> Away(s.nTeams, 0);
        std::vector<std::vector<int>> Hosted(s.nTeams, std::vector<int>(s.nTeams, 0));
        std::vector<int> Byes(s.nTeams, 0);
        int nEmpty = 0;
        for (int w = 0; w < s.nWeeks; ++w) {
            std::vector<int> Seen(s.nTeams, 0);
            bool bEmptySeen = false;
            for (int g = 0; g < s.nGamesPerWeek; ++g) {
                const CELL c = Cell(m, w, g);
                if (c.nHome == SCHEDULE_NO_VALUE) {
                    EXPECT_EQ(c.nAway, SCHEDULE_NO_VALUE) << m << " " << w << " " << g;
                    ++nEmpty;
                    bEmptySeen = true;
                    continue;
                }
                EXPECT_FALSE(bEmptySeen) << "a game after an empty cell: " << m << " " << w << " " << g;
                ASSERT_GE(c.nAway, 0);
                ASSERT_LT(c.nAway, s.nTeams);
                ASSERT_GE(c.nHome, 0);
                ASSERT_LT(c.nHome, s.nTeams);
                ASSERT_NE(c.nAway, c.nHome);
                ++Seen[c.nAway];
                ++Seen[c.nHome];
                ++Away[c.nAway];
                ++Home[c.nHome];
                ++Hosted[c.nHome][c.nAway];
            }
            for (int t = 0; t < s.nTeams; ++t) {
                EXPECT_LE(Seen[t], 1) << m << " slot " << t << " week " << w;
                Byes[t] += Seen[t] == 0 ? 1 : 0;
            }
        }
        const int nWeeksOff = s.nWeeks - s.nGames;
        EXPECT_EQ(nEmpty, s.nTeams * nWeeksOff / 2) << m;
        for (int t = 0; t < s.nTeams; ++t) {
            EXPECT_EQ(Home[t], s.nGames / 2) << m << " slot " << t;
            EXPECT_EQ(Away[t], s.nGames / 2) << m << " slot " << t;
            EXPECT_EQ(Byes[t], nWeeksOff) << m << " slot " << t;
            for (int r = 0; r < s.nTeams; ++r) {
                if (r != t && Division[r] == Division[t]) {
                    EXPECT_EQ(Hosted[t][r], 1) << m << " slot " << t << " hosts " << r;
                }
            }
        }
    }
}

// The 17-week members return -128 past their bounds: week 17, the game at
// the games a week, int 2; the others too (int 4 of the four-int table).
TEST(OtherSizeTables, LookupsOutsideTheTableGiveNoValue)
{
    EXPECT_EQ(Get_28_Team_Schedule_Opponent(17, 0, 0), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_28_Team_Schedule_Opponent(0, 14, 0), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_28_Team_Schedule_Opponent(0, 0, 2), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_30_Team_Schedule_Opponent(17, 0, 1), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_30_Team_Schedule_Opponent(0, 15, 1), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_30_Team_Schedule_Opponent(0, 0, 2), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_12_Team_Schedule_Opponent(12, 0, 0), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_12_Team_Schedule_Opponent(0, 6, 0), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_26_Team_Schedule_Opponent(-1, 0, 0), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_28_Team_14_Game_Schedule_Opponent(0, -1, 0), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_28_Team_Schedule_Opponent_Before_1990(0, 0, 4), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_28_Team_Schedule_Opponent_Before_1990(16, 0, 0), SCHEDULE_NO_VALUE);
    EXPECT_NE(Get_28_Team_Schedule_Opponent_Before_1990(15, 13, 1), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_Other_Size_Schedule_Opponent(OTHER_SIZE_MEMBERS, 0, 0, 0), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_Other_Size_Schedule_Opponent(-1, 0, 0, 0), SCHEDULE_NO_VALUE);
}

// The fixed orders as the seasons give them; each a permutation.
TEST(OtherSizeTables, TheFixedOrdersAreTheGivenPermutations)
{
    const struct {
        int nMember;
        std::vector<int> Order;
    } Case[] = {
        {OTHER_SIZE_12_TEAMS, {6, 7, 4, 1, 10, 11, 8, 0, 5, 2, 9, 3}},
        {OTHER_SIZE_26_TEAMS, {24, 1, 4, 20, 8, 5, 13, 12, 19, 21, 7, 9, 23, 0, 18, 2, 25, 17, 3, 10, 15, 6, 11, 22,
                               16, 14}},
        {OTHER_SIZE_28_TEAMS_14_GAMES, {25, 0, 2, 21, 6, 8, 15, 10, 20, 22, 7, 11, 23, 1, 19, 3, 26, 17, 4, 9, 18, 5,
                                        12, 24, 27, 14, 13, 16}},
        {OTHER_SIZE_28_TEAMS_BEFORE_1990, {27, 4, 19, 6, 5, 14, 10, 22, 20, 8, 3, 13, 9, 24, 0, 21, 2, 26, 15, 1, 17,
                                           7, 12, 25, 11, 18, 23, 16}},
        {OTHER_SIZE_28_TEAMS, {27, 0, 22, 8, 5, 18, 9, 21, 20, 6, 1, 10, 11, 25, 2, 19, 3, 26, 14, 4, 15, 17, 7, 13,
                               24, 12, 23, 16}},
        {OTHER_SIZE_30_TEAMS, {19, 27, 9, 3, 26, 24, 8, 18, 11, 22, 20, 4, 6, 10, 1, 23, 0, 28, 2, 15, 13, 17, 5, 14,
                               25, 12, 29, 21, 7, 16}},
    };
    for (const auto& c : Case) {
        const int n = Get_Other_Size_Shape(c.nMember).nTeams;
        ASSERT_EQ(static_cast<int>(c.Order.size()), n);
        std::set<int> Slots;
        for (int t = 0; t < n; ++t) {
            EXPECT_EQ(Get_Other_Size_Special_Order(c.nMember, t), c.Order[t]) << c.nMember << " " << t;
            Slots.insert(Get_Other_Size_Special_Order(c.nMember, t));
        }
        EXPECT_EQ(static_cast<int>(Slots.size()), n);
        EXPECT_EQ(*Slots.begin(), 0);
        EXPECT_EQ(*Slots.rbegin(), n - 1);
        EXPECT_EQ(Get_Other_Size_Special_Order(c.nMember, n), SCHEDULE_NO_VALUE);
        EXPECT_EQ(Get_Other_Size_Special_Order(c.nMember, -1), SCHEDULE_NO_VALUE);
    }
}

// ---------------------------------------------------------------------------
// The generators

class OtherSizeScheduleTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Seed_Random_Numbers(4242);
    }

    // A league of the member's size in nYear whose divisions are the given
    // sizes (per conference, in division order): league slot = table slot.
    static void Build_League(int nMember, int nYear, const std::vector<std::vector<int>>& Groups)
    {
        const OTHER_SIZE_SHAPE& s = Get_Other_Size_Shape(nMember);
        Use_Franchises(s.nTeams);
        int t = 0;
        for (int c = 0; c < static_cast<int>(Groups.size()); ++c)
            for (int d = 0; d < static_cast<int>(Groups[c].size()); ++d)
                for (int i = 0; i < Groups[c][d]; ++i)
                    Set_Team_Stat(t++, TEAM_STAT_DIVISION, 4 * c + d);
        Set_Universe_Stat(GAMES_PER_SEASON, s.nGames);
        Set_Universe_Stat(FIRST_SEASON_YEAR, nYear);
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        Clear_League_Schedule();
        Clear_Standings_Order();
    }

    static std::vector<int> Slot_Map(int nMember)
    {
        std::vector<int> Map(OTHER_SIZE_MAX_SLOTS);
        Build_Other_Size_Slot_Map(nMember, Map.data());
        return Map;
    }

    // The league slot of every team (the order with no shuffle).
    static std::vector<int> League_Slots(int nTeams)
    {
        std::vector<int> Map(OTHER_SIZE_MAX_SLOTS, NO_TEAM);
        for (int t = 0; t < nTeams; ++t)
            Map[Get_Team_League_Slot(t)] = t;
        return Map;
    }
};

// 1959: slot 0 holds team 7, slot 8 team 6, slot 1 team 3, slot 2 team 9,
// slot 10 team 4, slot 6 team 0, so week 0 opens with team 6 hosting 7, 9
// hosting 3 and 0 hosting 4.
TEST_F(OtherSizeScheduleTest, TheFixedSeasonUsesItsOrder)
{
    Build_League(OTHER_SIZE_12_TEAMS, 1959, {{6}, {6}});
    Generate_Schedule_12_Teams();
    EXPECT_EQ(Get_Team_Schedule_Stat(6, 0, SCHEDULE_OPPONENT), 7 + 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(7, 0, SCHEDULE_OPPONENT), -(6 + 1));
    EXPECT_EQ(Get_Team_Schedule_Stat(9, 0, SCHEDULE_OPPONENT), 3 + 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(0, 0, SCHEDULE_OPPONENT), 4 + 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(4, 0, SCHEDULE_OPPONENT), -(0 + 1));
    EXPECT_TRUE(Is_Schedule_Complete(12));

    // 1998, 30 teams: team 16 sits in slot 0 and team 14 in slot 1 whatever
    // the divisions, and no draw is made.
    Build_League(OTHER_SIZE_30_TEAMS, 1998, {{5, 5, 5}, {5, 5, 5}});
    Seed_Random_Numbers(99);
    const std::vector<int> Map = Slot_Map(OTHER_SIZE_30_TEAMS);
    const uint32_t nNext = Generate_Random_Number();
    Seed_Random_Numbers(99);
    EXPECT_EQ(Generate_Random_Number(), nNext);
    EXPECT_EQ(Map[0], 16);
    EXPECT_EQ(Map[1], 14);
    EXPECT_EQ(Map[19], 0);
}

// 1977, 28 teams and 14 games: league slot 20 becomes table slot 25 and
// league slot 25 table slot 21; slots below 19 stay. No draw is made.
TEST_F(OtherSizeScheduleTest, The1977SeasonShiftsTheSecondConference)
{
    Build_League(OTHER_SIZE_28_TEAMS_14_GAMES, 1977, {{5, 4, 5}, {5, 4, 5}});
    const std::vector<int> League = League_Slots(28);
    const std::vector<int> Map = Slot_Map(OTHER_SIZE_28_TEAMS_14_GAMES);
    EXPECT_EQ(Map[25], League[20]);
    EXPECT_EQ(Map[21], League[25]);
    EXPECT_EQ(Map[24], League[19]);
    EXPECT_EQ(Map[27], League[22]);
    EXPECT_EQ(Map[19], League[23]);
    EXPECT_EQ(Map[23], League[27]);
    for (int s = 0; s < 19; ++s)
        EXPECT_EQ(Map[s], League[s]) << s;

    // 1978 is not shifted.
    Build_League(OTHER_SIZE_28_TEAMS_14_GAMES, 1978, {{5, 4, 5}, {5, 4, 5}});
    EXPECT_EQ(Slot_Map(OTHER_SIZE_28_TEAMS_14_GAMES), League_Slots(28));
}

// Over many draws: which exchanges happen, and that no other occurs.
struct SWAP_SEEN {
    int nFirst = 0;    // the first named exchange
    int nSecond = 0;
    int nNeither = 0;
};

// The 12-, 26- and 28-team shuffles: each exchange alone, both, neither,
// and the slots they do not name never move.
TEST_F(OtherSizeScheduleTest, TheShufflesExchangeOnlyTheNamedSlots)
{
    const struct {
        int nMember;
        int nYear;
        std::vector<std::vector<int>> Groups;
        int a1, b1, n1, a2, b2, n2;   // the exchanges (n2 = 0: one only)
    } Case[] = {
        {OTHER_SIZE_12_TEAMS, 1960, {{6}, {6}}, 0, 6, 6, 0, 0, 0},
        {OTHER_SIZE_26_TEAMS, 1973, {{5, 4, 4}, {5, 4, 4}}, 5, 9, 4, 18, 22, 4},
        {OTHER_SIZE_28_TEAMS, 1991, {{5, 4, 5}, {5, 5, 4}}, 0, 9, 5, 14, 19, 5},
    };
    for (const auto& c : Case) {
        Build_League(c.nMember, c.nYear, c.Groups);
        const std::vector<int> League = League_Slots(Get_Other_Size_Shape(c.nMember).nTeams);
        std::vector<int> First = League;
        for (int i = 0; i < c.n1; ++i)
            std::swap(First[c.a1 + i], First[c.b1 + i]);
        std::vector<int> Second = League;
        for (int i = 0; i < c.n2; ++i)
            std::swap(Second[c.a2 + i], Second[c.b2 + i]);
        std::vector<int> Both = First;
        for (int i = 0; i < c.n2; ++i)
            std::swap(Both[c.a2 + i], Both[c.b2 + i]);
        int nSeen[4] = {};
        for (int n = 0; n < 200; ++n) {
            const std::vector<int> Map = Slot_Map(c.nMember);
            if (Map == League)
                ++nSeen[0];
            else if (Map == First)
                ++nSeen[1];
            else if (c.n2 > 0 && Map == Second)
                ++nSeen[2];
            else if (c.n2 > 0 && Map == Both)
                ++nSeen[3];
            else
                ADD_FAILURE() << "member " << c.nMember << ": another order";
        }
        EXPECT_GT(nSeen[0], 20) << c.nMember;
        EXPECT_GT(nSeen[1], 20) << c.nMember;
        if (c.n2 > 0) {
            EXPECT_GT(nSeen[2], 20) << c.nMember;
            EXPECT_GT(nSeen[3], 20) << c.nMember;
        }
    }
}

// 28 teams from 1991 with any other make-up keep the league slots; with one
// conference fitting only its exchange can happen.
TEST_F(OtherSizeScheduleTest, The28TeamExchangesNeedTheirDivisions)
{
    Build_League(OTHER_SIZE_28_TEAMS, 1991, {{5, 5, 4}, {5, 4, 5}});
    const std::vector<int> League = League_Slots(28);
    for (int n = 0; n < 50; ++n)
        EXPECT_EQ(Slot_Map(OTHER_SIZE_28_TEAMS), League);

    Build_League(OTHER_SIZE_28_TEAMS, 1991, {{5, 4, 5}, {5, 4, 5}});
    const std::vector<int> League2 = League_Slots(28);
    std::vector<int> First = League2;
    for (int i = 0; i < 5; ++i)
        std::swap(First[i], First[9 + i]);
    int nSwapped = 0;
    for (int n = 0; n < 100; ++n) {
        const std::vector<int> Map = Slot_Map(OTHER_SIZE_28_TEAMS);
        EXPECT_TRUE(Map == League2 || Map == First);
        nSwapped += Map == First ? 1 : 0;
    }
    EXPECT_GT(nSwapped, 20);
    EXPECT_LT(nSwapped, 80);
}

// 30 teams in 1999: a conference of 5, 5, 5, 0 has its three blocks of five
// permuted (each block moves whole); one of 5, 5, 4 and 1 keeps its slots.
TEST_F(OtherSizeScheduleTest, The30TeamBlocksMoveOnlyInFittingConferences)
{
    // The second conference: divisions 4, 5, 6, 7 with 5, 5, 4, 1.
    Build_League(OTHER_SIZE_30_TEAMS, 1999, {{5, 5, 5}, {5, 5, 4, 1}});
    const std::vector<int> League = League_Slots(30);
    std::set<std::vector<int>> FirstOrders;
    for (int n = 0; n < 300; ++n) {
        const std::vector<int> Map = Slot_Map(OTHER_SIZE_30_TEAMS);
        for (int s = 15; s < 30; ++s)
            EXPECT_EQ(Map[s], League[s]) << s;
        // Which league block stands in each table block.
        std::vector<int> Blocks;
        for (int b = 0; b < 3; ++b) {
            const int nFrom = (std::find(League.begin(), League.end(), Map[5 * b]) - League.begin()) / 5;
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(Map[5 * b + i], League[5 * nFrom + i]) << b << " " << i;
            Blocks.push_back(nFrom);
        }
        FirstOrders.insert(Blocks);
    }
    // All six arrangements of three blocks occur.
    EXPECT_EQ(FirstOrders.size(), 6u);
}

// The generators enter the table's games: a league laid out as the table
// gets every game, division rivals once at each venue, half its games at
// home; the 17-week tables leave each team one week off.
TEST_F(OtherSizeScheduleTest, EachGeneratorFillsTheSeason)
{
    const struct {
        int nMember;
        int nYear;
        void (*pGenerate)();
    } Case[] = {
        {OTHER_SIZE_12_TEAMS, 1962, Generate_Schedule_12_Teams},
        {OTHER_SIZE_26_TEAMS, 1974, Generate_Schedule_26_Teams},
        {OTHER_SIZE_28_TEAMS_14_GAMES, 1977, Generate_Schedule_28_Teams_14_Games},
        {OTHER_SIZE_28_TEAMS_BEFORE_1990, 1985, Generate_Schedule_28_Teams_Before_1990},
        {OTHER_SIZE_28_TEAMS, 1993, Generate_Schedule_28_Teams},
        {OTHER_SIZE_30_TEAMS, 1999, Generate_Schedule_30_Teams},
    };
    for (const auto& c : Case) {
        std::vector<std::vector<int>> Groups = Table_Divisions(c.nMember);
        // 1977's league has the second conference's 4-team division before
        // its last 5-team one.
        if (c.nYear == 1977)
            Groups[1] = {5, 4, 5};
        for (int nSeed = 1; nSeed <= 8; ++nSeed) {
            Seed_Random_Numbers(nSeed);
            Build_League(c.nMember, c.nYear, Groups);
            c.pGenerate();
            const OTHER_SIZE_SHAPE& s = Get_Other_Size_Shape(c.nMember);
            ASSERT_TRUE(Is_Schedule_Complete(s.nGames)) << c.nMember;
            EXPECT_EQ(Get_Last_Scheduled_Week(), s.nWeeks) << c.nMember;
            for (int t = 0; t < s.nTeams; ++t) {
                EXPECT_EQ(Count_Team_Home_Games(t), s.nGames / 2) << c.nMember << " " << t;
                for (int r = 0; r < s.nTeams; ++r) {
                    if (r != t && Get_Team_Stat(r, TEAM_STAT_DIVISION) == Get_Team_Stat(t, TEAM_STAT_DIVISION)) {
                        EXPECT_EQ(Count_Home_Games_Against(t, r), 1) << c.nMember << " " << t << " v " << r;
                    }
                }
            }
        }
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

// The generators never place a team outside the table or twice: with fewer
// teams than slots, the missing slots give no game; nothing is reported by
// Schedule_Game.
TEST_F(OtherSizeScheduleTest, AShortLeagueGetsOnlyWholeGames)
{
    Use_Franchises(10);
    for (int t = 0; t < 10; ++t)
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t / 5);
    Set_Universe_Stat(FIRST_SEASON_YEAR, 1962);
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Clear_League_Schedule();
    Clear_Standings_Order();
    Generate_Schedule_12_Teams();
    for (int t = 0; t < 10; ++t) {
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            const int nCode = Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT);
            if (nCode == 0)
                continue;
            const int nOther = (nCode > 0 ? nCode : -nCode) - 1;
            ASSERT_LT(nOther, 10);
            EXPECT_EQ(Get_Team_Schedule_Stat(nOther, w, SCHEDULE_OPPONENT), nCode > 0 ? -(t + 1) : t + 1);
        }
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

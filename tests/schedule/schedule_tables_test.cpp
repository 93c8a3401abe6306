// The built-in schedule tables and team orders: every table keeps its
// invariants and holds its known first games; lookups outside a table give
// -128.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/league_structure.h"
#include "league/team_schedule.h"
#include "schedule/schedule_tables.h"
#include "schedule/schedule_templates.h"
#include "test_support.h"

namespace {

constexpr int NONE = -128;

struct KNOWN_CELL {
    int nAway, nHome, nDay, nKickoff, nCode;
};

std::array<int, 5> Cell(int nTable, int w, int g)
{
    std::array<int, 5> c{};
    for (int i = 0; i < 5; ++i)
        c[i] = Get_Schedule_Opponent(nTable, w, g, i);
    return c;
}

const char* Table_Name(int nTable)
{
    static const char* const NAME[SCHEDULE_TABLE_KEYS] = {
        "R3-0",  "R3-1",  "R3-2",  "Y2002", "Y2003", "Y2004", "Y2005", "Y2006", "Y2007", "Y2008",  "R12-0",
        "R12-1", "R12-2", "R12-3", "R12-4", "R12-5", "R12-6", "R12-7", "R12-8", "R12-9", "R12-10", "R12-11"};
    return NAME[nTable];
}

// The weekday of a table's day number: R3-0's days are counted so that
// (v - 5) mod 7 and R3-2's so that (v - 6) mod 7 give the weekday (0 Monday);
// the others follow the calendar rule (v + 3) mod 7.
int Weekday(int nTable, int nDay)
{
    if (nTable == SCHEDULE_TABLE_R3_0)
        return (nDay - 5) % 7;
    if (nTable == SCHEDULE_TABLE_R3_2)
        return (nDay - 6) % 7;
    return (nDay + 3) % 7;
}

TEST(ScheduleTables, EveryTableKeepsItsShape)
{
    const std::set<int> KICKOFFS = {1300, 1605, 1625, 2015, 2020, 2030};
    for (int t = 0; t < SCHEDULE_TABLE_KEYS; ++t) {
        SCOPED_TRACE(Table_Name(t));
        const int nWeeks = t < 3 ? 18 : 17;
        ASSERT_EQ(Get_Schedule_Table_Weeks(t), nWeeks);
        std::array<int, 32> Games{};
        std::array<int, 32> Home{};
        std::array<int, 32> WeeksOff{};
        std::array<std::array<int, 32>, 32> Met{};   // [away][home]
        int nEmpty = 0;
        for (int w = 0; w < nWeeks; ++w) {
            std::array<bool, 32> Seen{};
            bool bEmptySeen = false;
            int nMondays = 0;
            for (int g = 0; g < 16; ++g) {
                const auto c = Cell(t, w, g);
                if (c[0] == NONE || c[1] == NONE) {
                    EXPECT_EQ(c, (std::array<int, 5>{NONE, NONE, 0, 0, 0})) << w << " " << g;
                    bEmptySeen = true;
                    ++nEmpty;
                    continue;
                }
                EXPECT_FALSE(bEmptySeen) << "a game after an empty cell, week " << w;
                ASSERT_TRUE(c[0] >= 0 && c[0] < 32 && c[1] >= 0 && c[1] < 32 && c[0] != c[1]) << w << " " << g;
                EXPECT_FALSE(Seen[c[0]] || Seen[c[1]]) << "a slot twice in week " << w;
                Seen[c[0]] = Seen[c[1]] = true;
                ++Games[c[0]];
                ++Games[c[1]];
                ++Home[c[1]];
                ++Met[c[0]][c[1]];
                EXPECT_TRUE(c[2] >= 5 && c[2] <= 130) << w << " " << g;
                EXPECT_TRUE(KICKOFFS.count(c[3])) << c[3];
                EXPECT_TRUE(c[4] >= 0 && c[4] <= 5);
                nMondays += Weekday(t, c[2]) == 0 ? 1 : 0;
                if (g == 0 && w < 17) {
                    EXPECT_EQ(Weekday(t, c[2]), 3) << "the week opens on Thursday, week " << w;
                }
            }
            // One Monday night game, but none in the last week of 18.
            EXPECT_EQ(nMondays, w == 17 ? 0 : 1) << w;
            for (int s = 0; s < 32; ++s)
                WeeksOff[s] += Seen[s] ? 0 : 1;
        }
        EXPECT_EQ(nEmpty, 16);
        for (int s = 0; s < 32; ++s) {
            EXPECT_EQ(Games[s], nWeeks - 1) << s;
            EXPECT_EQ(WeeksOff[s], 1) << s;
            if (nWeeks == 17)
                EXPECT_EQ(Home[s], 8) << s;
            else
                EXPECT_TRUE(Home[s] == 8 || Home[s] == 9) << s;
            for (int r = 0; r < 32; ++r) {
                if (r == s)
                    continue;
                // Division rivals once each way; any other pair once at most.
                if (r / 4 == s / 4)
                    EXPECT_EQ(Met[s][r], 1) << s << " at " << r;
                else
                    EXPECT_LE(Met[s][r] + Met[r][s], 1) << s << " " << r;
            }
        }
    }
}

TEST(ScheduleTables, TheKnownFirstGamesStandInWeekZero)
{
    const struct {
        int nTable;
        KNOWN_CELL Cells[3];
    } Case[] = {
        {SCHEDULE_TABLE_R12_0 + 1, {{12, 0, 7, 2030, 4}, {3, 2, 10, 1300, 2}, {20, 27, 10, 1300, 1}}},
        {SCHEDULE_TABLE_R3_1, {{25, 12, 7, 2020, 0}, {31, 19, 10, 1300, 0}, {21, 23, 10, 1300, 0}}},
        {SCHEDULE_TABLE_R3_0, {{0, 28, 8, 2020, 0}, {11, 3, 11, 1300, 0}, {10, 23, 11, 1300, 0}}},
        {SCHEDULE_TABLE_R3_2, {{18, 21, 9, 2020, 0}, {30, 4, 12, 1300, 0}, {7, 6, 12, 1300, 0}}},
    };
    for (const auto& c : Case) {
        for (int g = 0; g < 3; ++g) {
            const KNOWN_CELL& k = c.Cells[g];
            EXPECT_EQ(Cell(c.nTable, 0, g), (std::array<int, 5>{k.nAway, k.nHome, k.nDay, k.nKickoff, k.nCode}))
                << Table_Name(c.nTable) << " game " << g;
        }
    }
    // The template is R12-1.
    EXPECT_EQ(Get_Schedule_Template_Value(0, 0, 0), 12);
    EXPECT_EQ(Get_Schedule_Template_Value(0, 0, 2), 7);
    EXPECT_EQ(Get_Schedule_Template_Value(0, 2, 1), 27);
    EXPECT_EQ(Get_Schedule_Template_Value(0, 0, 3), 2030);
}

TEST(ScheduleTables, LookupsOutsideATableGiveMinus128)
{
    EXPECT_EQ(Get_Schedule_Opponent(SCHEDULE_TABLE_R12_0 + 1, 17, 0, 0), NONE);   // 16-game table: weeks 0-16
    EXPECT_NE(Get_Schedule_Opponent(SCHEDULE_TABLE_R12_0 + 1, 16, 0, 0), NONE);
    EXPECT_EQ(Get_Schedule_Opponent(SCHEDULE_TABLE_Y2002 + 3, 17, 0, 2), NONE);
    EXPECT_EQ(Get_Schedule_Opponent(SCHEDULE_TABLE_R3_1, 18, 0, 0), NONE);        // 17-game table: weeks 0-17
    EXPECT_NE(Get_Schedule_Opponent(SCHEDULE_TABLE_R3_1, 17, 0, 0), NONE);
    EXPECT_EQ(Get_Schedule_Opponent(SCHEDULE_TABLE_R3_1, 0, 16, 0), NONE);
    EXPECT_EQ(Get_Schedule_Opponent(SCHEDULE_TABLE_R3_1, 0, 0, 5), NONE);
    EXPECT_EQ(Get_Schedule_Opponent(SCHEDULE_TABLE_R3_1, -1, 0, 0), NONE);
    EXPECT_EQ(Get_Schedule_Opponent(SCHEDULE_TABLE_KEYS, 0, 0, 0), NONE);
    EXPECT_EQ(Get_Schedule_Opponent(-1, 0, 0, 0), NONE);
    EXPECT_EQ(Get_Schedule_Template_Value(17, 0, 2), NONE);
    EXPECT_EQ(Get_Schedule_Template_Value(0, 16, 3), NONE);
    EXPECT_EQ(Get_Team_Schedule_Order(0, 32), NONE);
    EXPECT_EQ(Get_Team_Schedule_Order(TEAM_SCHEDULE_ORDER_KEYS, 0), NONE);
    EXPECT_EQ(Get_2001_NFL_Schedule_Opponent(17, 0, 0), NONE);
    EXPECT_EQ(Get_2001_NFL_Schedule_Opponent(0, 15, 0), NONE);
    EXPECT_EQ(Get_2001_NFL_Schedule_Opponent(0, 0, 2), NONE);
    EXPECT_EQ(Get_2001_NFL_Team_Schedule_Order(31), NONE);
}

TEST(ScheduleTables, EveryTeamOrderIsAPermutationWithItsKnownEntries)
{
    for (int k = 0; k < TEAM_SCHEDULE_ORDER_KEYS; ++k) {
        std::vector<int> Slots;
        for (int t = 0; t < 32; ++t)
            Slots.push_back(Get_Team_Schedule_Order(k, t));
        std::sort(Slots.begin(), Slots.end());
        for (int s = 0; s < 32; ++s)
            EXPECT_EQ(Slots[s], s) << "order " << k;
    }
    const std::vector<int> ORDER_2023 = {31, 23, 9, 0, 21, 27, 8, 11, 17, 15, 25, 26, 7, 6, 4, 12,
                                         14, 13, 30, 1, 24, 2, 22, 18, 3, 16, 10, 28, 29, 20, 5, 19};
    for (int t = 0; t < 32; ++t)
        EXPECT_EQ(Get_Team_Schedule_Order(TEAM_SCHEDULE_ORDER_2014 + 9, t), ORDER_2023[t]) << t;
    const struct {
        int nKey;
        int nFirst[8];
    } Case[] = {
        {TEAM_SCHEDULE_ORDER_2014 + 8, {29, 22, 11, 0, 23, 26, 8, 10}},   // 2022
        {TEAM_SCHEDULE_ORDER_2014 + 7, {30, 23, 9, 0, 22, 25, 11, 10}},   // 2021
        {TEAM_SCHEDULE_ORDER_MOD12_0, {31, 23, 8, 2, 20, 26, 9, 11}},
    };
    for (const auto& c : Case)
        for (int t = 0; t < 8; ++t)
            EXPECT_EQ(Get_Team_Schedule_Order(c.nKey, t), c.nFirst[t]) << c.nKey << " " << t;
}

TEST(ScheduleTables, The2001TableGivesEverySlotSixteenGames)
{
    const int ORDER[31] = {20, 30, 6, 3, 28, 25, 9, 10, 19, 12, 24, 23, 1, 8, 13, 0,
                           21, 4, 26, 16, 2, 11, 17, 7, 15, 29, 14, 27, 22, 5, 18};
    for (int t = 0; t < 31; ++t)
        EXPECT_EQ(Get_2001_NFL_Team_Schedule_Order(t), ORDER[t]) << t;
    const int FIRST[3][2] = {{26, 3}, {4, 9}, {14, 10}};
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(Get_2001_NFL_Schedule_Opponent(0, g, 0), FIRST[g][0]);
        EXPECT_EQ(Get_2001_NFL_Schedule_Opponent(0, g, 1), FIRST[g][1]);
    }
    std::array<int, 31> Games{};
    std::array<int, 31> Home{};
    int nEmpty = 0;
    for (int w = 0; w < 17; ++w) {
        std::array<bool, 31> Seen{};
        bool bEmptySeen = false;
        int nInWeek = 0;
        for (int g = 0; g < 15; ++g) {
            const int a = Get_2001_NFL_Schedule_Opponent(w, g, 0);
            const int h = Get_2001_NFL_Schedule_Opponent(w, g, 1);
            if (a == NONE) {
                EXPECT_EQ(h, NONE);
                bEmptySeen = true;
                ++nEmpty;
                continue;
            }
            EXPECT_FALSE(bEmptySeen) << w;
            ASSERT_TRUE(a >= 0 && a < 31 && h >= 0 && h < 31 && a != h);
            EXPECT_FALSE(Seen[a] || Seen[h]) << w;
            Seen[a] = Seen[h] = true;
            ++Games[a];
            ++Games[h];
            ++Home[h];
            ++nInWeek;
        }
        EXPECT_TRUE(nInWeek == 15 || nInWeek == 14) << w;
    }
    EXPECT_EQ(nEmpty, 7);
    for (int s = 0; s < 31; ++s) {
        EXPECT_EQ(Games[s], 16) << s;
        EXPECT_EQ(Home[s], 8) << s;
    }
}

// The default day and kick-off of a game entered without one: cell (week
// mod 17, (home x away mod 37) mod 16, 2 columns on under 32 teams) of
// R12-1.
class DefaultDayTest : public LeagueTest {};

TEST_F(DefaultDayTest, TheCellFollowsTheTeamsAndTheLeagueSize)
{
    // 32 teams, home 4, away 8: 32 mod 37 mod 16 = column 0, the Thursday
    // opener of week 0: day 7, weekday (7 + 3) mod 7 = 3, 2030.
    Use_Franchises(32);
    League.Universe.nStat[GAMES_PER_SEASON] = 16;
    ASSERT_TRUE(Schedule_Game(4, 8, 0, -1, -1));
    EXPECT_EQ(Get_Team_Schedule_Stat(4, 0, SCHEDULE_DAY_OF_WEEK), 3);
    EXPECT_EQ(Get_Team_Schedule_Stat(8, 0, SCHEDULE_KICKOFF_TIME), 2030);
    // Week 17 reads week 0 again.
    ASSERT_TRUE(Schedule_Game(4, 8, 17, -1, -1));
    EXPECT_EQ(Get_Team_Schedule_Stat(8, 17, SCHEDULE_DAY_OF_WEEK), 3);
    EXPECT_EQ(Get_Team_Schedule_Stat(8, 17, SCHEDULE_KICKOFF_TIME), 2030);
    // Home 5, away 7, week 3: 35 mod 37 mod 16 = 3.
    ASSERT_TRUE(Schedule_Game(5, 7, 3, -1, -1));
    EXPECT_EQ(Get_Team_Schedule_Stat(5, 3, SCHEDULE_KICKOFF_TIME), Get_Schedule_Template_Value(3, 3, 3));

    // 30 teams: two columns on, column 2 of week 0: Sunday day 10, 1300.
    Zero_League_Data();
    Use_Franchises(30);
    League.Universe.nStat[GAMES_PER_SEASON] = 16;
    ASSERT_TRUE(Schedule_Game(4, 8, 0, -1, -1));
    EXPECT_EQ(Get_Team_Schedule_Stat(4, 0, SCHEDULE_DAY_OF_WEEK), 6);
    EXPECT_EQ(Get_Team_Schedule_Stat(4, 0, SCHEDULE_KICKOFF_TIME), 1300);
    // Home 5, away 7, week 3 in 30 teams: column 5.
    ASSERT_TRUE(Schedule_Game(5, 7, 3, -1, -1));
    EXPECT_EQ(Get_Team_Schedule_Stat(7, 3, SCHEDULE_KICKOFF_TIME), Get_Schedule_Template_Value(3, 5, 3));
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

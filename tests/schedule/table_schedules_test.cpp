// The table-driven schedules of 31 and 32 teams.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "base/random.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "schedule/schedule_driver.h"
#include "schedule/schedule_tables.h"
#include "schedule/table_schedules.h"
#include "test_support.h"

namespace {

const std::array<int, 32> ORDER_2023 = {31, 23, 9, 0, 21, 27, 8, 11, 17, 15, 25, 26, 7, 6, 4, 12,
                                        14, 13, 30, 1, 24, 2, 22, 18, 3, 16, 10, 28, 29, 20, 5, 19};

class TableScheduleTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Seed_Random_Numbers(12345);
    }

    // nTeams in use in nYear with nGames; team t in division Division(t);
    // the schedule cleared and the division rows rebuilt, as the driver does.
    template <typename DIVISION>
    static void Build_League(int nTeams, int nGames, int nYear, DIVISION Division)
    {
        Use_Franchises(nTeams);
        for (int t = 0; t < nTeams; ++t)
            Set_Team_Stat(t, TEAM_STAT_DIVISION, Division(t));
        Set_Universe_Stat(GAMES_PER_SEASON, nGames);
        Set_Universe_Stat(FIRST_SEASON_YEAR, nYear);
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        Clear_League_Schedule();
        Clear_Standings_Order();
    }
    static void Build_Eight_By_Four(int nGames, int nYear)
    {
        Build_League(32, nGames, nYear, [](int t) { return t / 4; });
    }

    static void Expect_Rivals_Meet_Twice(int nTeams)
    {
        for (int t = 0; t < nTeams; ++t) {
            for (int r = 0; r < nTeams; ++r) {
                if (r == t || Get_Team_Stat(r, TEAM_STAT_DIVISION) != Get_Team_Stat(t, TEAM_STAT_DIVISION))
                    continue;
                EXPECT_EQ(Count_Home_Games_Against(t, r), 1) << t << " v " << r;
                EXPECT_EQ(Count_Away_Games_Against(t, r), 1) << t << " at " << r;
            }
        }
    }

    // Team t hosts nAway in nWeek.
    static void Expect_Home_Game(int nHome, int nAway, int nWeek)
    {
        EXPECT_EQ(Get_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT), nAway + 1) << nHome << " " << nWeek;
        EXPECT_EQ(Get_Team_Schedule_Stat(nAway, nWeek, SCHEDULE_OPPONENT), -(nHome + 1)) << nAway << " " << nWeek;
    }
};

TEST(TableRotation, TheKnownSlotsMove)
{
    // 2024, d = 2: 5 + 8 = 13; 17 + 8 = 25, then 21; 30 + 8 - 16 = 22, then 26.
    EXPECT_EQ(Rotate_Schedule_Slot(5, 2024), 13);
    EXPECT_EQ(Rotate_Schedule_Slot(17, 2024), 21);
    EXPECT_EQ(Rotate_Schedule_Slot(30, 2024), 26);
    EXPECT_EQ(Rotate_Schedule_Slot(2, 2024), 2);
    // 2025, d = 3: 14 + 0; 29 + 12 - 16 = 25.
    EXPECT_EQ(Rotate_Schedule_Slot(14, 2025), 14);
    EXPECT_EQ(Rotate_Schedule_Slot(29, 2025), 25);
    EXPECT_EQ(Rotate_Schedule_Slot(-128, 2025), -128);
}

TEST(TableRotation, EveryYearMovesWholeDivisionsAndIsAPermutation)
{
    for (int d = 1; d <= 12; ++d) {
        std::array<int, 32> Hits{};
        for (int s = 0; s < 32; ++s) {
            const int r = Rotate_Schedule_Slot(s, 2022 + d);
            ASSERT_TRUE(r >= 0 && r < 32) << d << " " << s;
            ++Hits[r];
            // Place in the division and the conference stay.
            EXPECT_EQ(r % 4, s % 4);
            EXPECT_EQ(r / 16, s / 16);
            // Division rivals stay rivals.
            EXPECT_EQ(Rotate_Schedule_Slot(s - s % 4, 2022 + d) / 4, r / 4);
        }
        for (int n : Hits)
            EXPECT_EQ(n, 1) << "d = " << d;
    }
}

// 2023: the fixed order, R3-1's pairings (2023 mod 3 = 1), R3-2's days less
// 6. R3-1 week 0 opens with slot 25 at slot 12: teams 10 at 15 (order[10] =
// 25, order[15] = 12), R3-2's day 9: (9 - 6) mod 7 = 3, Thursday, at 2020.
// Its game 1, slot 31 at 19: team 0 at team 31, day 12: Sunday, 1300.
TEST_F(TableScheduleTest, SeventeenGamesIn2023UseTheFixedOrder)
{
    Build_League(32, 17, 2023, [](int t) { return ORDER_2023[t] / 4; });
    Fill_Schedule();
    EXPECT_TRUE(Is_Schedule_Complete(17));
    Expect_Rivals_Meet_Twice(32);
    Expect_Home_Game(15, 10, 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(15, 0, SCHEDULE_DAY_OF_WEEK), 3);
    EXPECT_EQ(Get_Team_Schedule_Stat(10, 0, SCHEDULE_KICKOFF_TIME), 2020);
    Expect_Home_Game(31, 0, 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(0, 0, SCHEDULE_DAY_OF_WEEK), 6);
    EXPECT_EQ(Get_Team_Schedule_Stat(31, 0, SCHEDULE_KICKOFF_TIME), 1300);
    for (int t = 0; t < 32; ++t)
        EXPECT_TRUE(Count_Team_Home_Games(t) == 8 || Count_Team_Home_Games(t) == 9) << t;
    EXPECT_EQ(Get_Last_Scheduled_Week(), 18);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Errors_Reported(), 0);
}

// 2024: division slots, R3-2 (2024 mod 3 = 2) rotated; R3-0's days less 5.
// R3-2 week 0 opens with slot 18 at 21: 18 becomes 26, then 22; 21 becomes
// 29. So division 5's third team visits division 7's second; R3-0's day 8:
// (8 - 5) mod 7 = 3, Thursday, 2020.
TEST_F(TableScheduleTest, SeventeenGamesIn2024UseRotatedDivisionSlots)
{
    Build_Eight_By_Four(17, 2024);
    Fill_Schedule();
    EXPECT_TRUE(Is_Schedule_Complete(17));
    Expect_Rivals_Meet_Twice(32);
    const int nAway = Get_Division_Place_Team(5, 2, 0);
    const int nHome = Get_Division_Place_Team(7, 1, 0);
    ASSERT_NE(nAway, NO_TEAM);
    ASSERT_NE(nHome, NO_TEAM);
    Expect_Home_Game(nHome, nAway, 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(nHome, 0, SCHEDULE_DAY_OF_WEEK), 3);
    EXPECT_EQ(Get_Team_Schedule_Stat(nHome, 0, SCHEDULE_KICKOFF_TIME), 2020);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TableScheduleTest, SixteenGamesFillWeeksZeroToSixteen)
{
    for (int nYear : {2005, 2015, 1999}) {
        Build_Eight_By_Four(16, nYear);
        Fill_Schedule_16_Games();
        EXPECT_TRUE(Is_Schedule_Complete(16)) << nYear;
        EXPECT_EQ(Get_Last_Scheduled_Week(), 17) << nYear;
        for (int t = 0; t < 32; ++t)
            EXPECT_EQ(Count_Team_Home_Games(t), 8) << nYear << " " << t;
    }
    // After 2023 the division slots: rivals meet home and away.
    Build_Eight_By_Four(16, 2025);
    Fill_Schedule_16_Games();
    EXPECT_TRUE(Is_Schedule_Complete(16));
    Expect_Rivals_Meet_Twice(32);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Errors_Reported(), 0);
}

// 2015: its own order and table R12-(2015 mod 12 = 11); 2005: table Y2005
// and the order of year mod 12 = 1. Checked whole: the teams of every
// cell's slots, through the order, meet in that week.
TEST_F(TableScheduleTest, SixteenGameSchedulesFollowTheirTableCellByCell)
{
    const struct {
        int nYear, nTable, nOrder;
    } Case[] = {{2005, SCHEDULE_TABLE_Y2002 + 3, TEAM_SCHEDULE_ORDER_MOD12_0 + 1},
                {2015, SCHEDULE_TABLE_R12_0 + 11, TEAM_SCHEDULE_ORDER_2014 + 1}};
    for (const auto& c : Case) {
        // A league numbered as the order's: its divisions fill the table's groups.
        Build_League(32, 16, c.nYear, [&c](int t) { return Get_Team_Schedule_Order(c.nOrder, t) / 4; });
        Fill_Schedule_16_Games();
        Expect_Rivals_Meet_Twice(32);
        std::array<int, 32> Team{};
        for (int t = 0; t < 32; ++t)
            Team[Get_Team_Schedule_Order(c.nOrder, t)] = t;
        for (int w = 0; w < 17; ++w) {
            for (int g = 0; g < 16; ++g) {
                const int a = Get_Schedule_Opponent(c.nTable, w, g, 0);
                if (a == SCHEDULE_NO_VALUE)
                    continue;
                Expect_Home_Game(Team[Get_Schedule_Opponent(c.nTable, w, g, 1)], Team[a], w);
            }
        }
    }
}

// A league numbered by division (four clubs a division, as the default
// league's): every fixed order would scatter its divisions over the table's
// groups, so each season takes the division slots and rivals meet twice.
TEST_F(TableScheduleTest, AFixedOrderThatScattersTheDivisionsGivesWayToTheDivisionSlots)
{
    for (int nYear : {2005, 2015, 2021, 2023}) {
        for (int nGames : {16, 17}) {
            Build_Eight_By_Four(nGames, nYear);
            if (nGames == 16)
                Fill_Schedule_16_Games();
            else
                Fill_Schedule();
            EXPECT_TRUE(Is_Schedule_Complete(nGames)) << nYear << " " << nGames;
            Expect_Rivals_Meet_Twice(32);
        }
    }
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// 2001: the fixed order. Week 0 opens with slot 26 at slot 3, 4 at 9 and
// 14 at 10: team 18 at 3, 17 at 6, 26 at 7.
TEST_F(TableScheduleTest, ThirtyOneTeamsIn2001GetThe2001Table)
{
    Build_League(31, 16, 2001, [](int t) { return t % 6; });
    const uint32_t nBefore = Generate_Random_Number();
    Seed_Random_Numbers(12345);
    Generate_Schedule();
    EXPECT_EQ(Generate_Random_Number(), nBefore) << "2001 draws nothing";
    Expect_Home_Game(3, 18, 0);
    Expect_Home_Game(6, 17, 0);
    Expect_Home_Game(7, 26, 0);
    std::array<int, 31> Team{};
    for (int t = 0; t < 31; ++t)
        Team[Get_2001_NFL_Team_Schedule_Order(t)] = t;
    for (int w = 0; w < 17; ++w) {
        for (int g = 0; g < 15; ++g) {
            const int a = Get_2001_NFL_Schedule_Opponent(w, g, 0);
            if (a != SCHEDULE_NO_VALUE)
                Expect_Home_Game(Team[Get_2001_NFL_Schedule_Opponent(w, g, 1)], Team[a], w);
        }
    }
    EXPECT_TRUE(Is_Schedule_Complete(16));
    EXPECT_EQ(Errors_Reported(), 0);
}

// Other years: the league slots and six block swaps, two draws each.
TEST_F(TableScheduleTest, ThirtyOneTeamsIn2002GetTheSamePairingsShuffled)
{
    Build_League(31, 16, 2002, [](int t) { return t * 6 / 31; });
    for (int n = 0; n < 12; ++n)
        Generate_Random_Number();
    const uint32_t nAfterTwelve = Generate_Random_Number();
    Seed_Random_Numbers(12345);
    Generate_Schedule();
    EXPECT_EQ(Generate_Random_Number(), nAfterTwelve);
    EXPECT_TRUE(Is_Schedule_Complete(16));
    EXPECT_EQ(Get_Last_Scheduled_Week(), 17);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TableScheduleTest, SlotsComeFromTheDivisionRows)
{
    Build_League(31, 16, 2002, [](int t) { return t < 6 ? 0 : 1 + (t - 6) / 5; });
    // Team 0 in division 0: places 0-5; team 6 is first of division 1.
    const int nPlace = Get_Team_Division_Place(7);
    ASSERT_TRUE(nPlace >= 0 && nPlace < 5);
    EXPECT_EQ(Get_Team_League_Slot(7), 6 + nPlace);
    EXPECT_EQ(Get_Team_Division_Slot(7), 4 + nPlace);
    EXPECT_EQ(Errors_Reported(), 0);
}

// A team that no division row holds gets no slot: reported once, no game,
// and no other team is entered against a non-team. The driver then finds the
// schedule incomplete.
TEST_F(TableScheduleTest, ATeamMissingFromTheDivisionRowsGetsNoSlot)
{
    Build_Eight_By_Four(17, 2024);
    bool bRemoved = false;
    for (auto& Row : League.StandingsArea.DivisionRow)
        for (auto& nTeam : Row)
            if (nTeam == 9) {
                nTeam = NO_TEAM;
                bRemoved = true;
            }
    ASSERT_TRUE(bRemoved);
    EXPECT_EQ(Get_Team_Division_Slot(9), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Get_Team_League_Slot(9), SCHEDULE_NO_VALUE);
    EXPECT_EQ(Errors_Reported(), 2);
    EXPECT_TRUE(Last_Error_Contains("Team not found in Get_Team_Division_Standing()"));

    Fill_Schedule();
    EXPECT_EQ(Errors_Reported(), 1);   // the slot search only
    // The empty slot's 17 games: two against each of its three rivals (8,
    // 10, 11: 15 games left each), one against 11 other teams (16 left).
    std::array<int, 18> nTeamsWith{};
    for (int t = 0; t < 32; ++t) {
        int nGames = 0;
        for (int w = 0; w < SCHEDULE_WEEKS; ++w)
            nGames += Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT) != 0 ? 1 : 0;
        ASSERT_LE(nGames, 17);
        ++nTeamsWith[nGames];
        if (t == 9) {
            EXPECT_EQ(nGames, 0);
        }
        if (t == 8 || t == 10 || t == 11) {
            EXPECT_EQ(nGames, 15) << t;
        }
    }
    EXPECT_EQ(nTeamsWith[0], 1);
    EXPECT_EQ(nTeamsWith[15], 3);
    EXPECT_EQ(nTeamsWith[16], 11);
    EXPECT_EQ(nTeamsWith[17], 17);
    EXPECT_FALSE(Is_Schedule_Complete(17));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// Through the driver: a 32-team 17-game league is scheduled from the tables,
// without the generic generator's progress window.
TEST_F(TableScheduleTest, TheDriverKeepsTheTableSchedule)
{
    Build_Eight_By_Four(17, 2026);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_EQ(ui::Progress().TimesOpened, 0);
    Expect_Rivals_Meet_Twice(32);
}

}  // namespace

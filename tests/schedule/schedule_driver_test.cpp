#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/random.h"
#include "league/calendar.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "league/league_fixture.h"
#include "platform/ui.h"
#include "schedule/schedule_driver.h"
#include "test_support.h"

namespace {

constexpr const char* NO_SCHEDULE_TEXT =
    "Unable to generate a season schedule for this league. Try moving or erasing teams in the "
    "League Editor.";

class ScheduleDriverTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Seed_Random_Numbers(12345);
    }

    // nTeams in use, team t in division t x nDivisions / nTeams, a season of
    // nGames games in nYear, two wild cards a league.
    static void Build_League(int nTeams, int nGames, int nYear, int nDivisions = NUMBER_OF_DIVISIONS)
    {
        Use_Franchises(nTeams);
        for (int t = 0; t < nTeams; ++t)
            Set_Team_Stat(t, TEAM_STAT_DIVISION, t * nDivisions / nTeams);
        Set_Universe_Stat(GAMES_PER_SEASON, nGames);
        Set_Universe_Stat(FIRST_SEASON_YEAR, nYear);
        Set_Universe_Stat(WILD_CARD_TEAMS, 2);
        Set_User_Preference(PREF_SEASON_INDEX, 0);
    }

    static std::vector<int> Playoff_Days()
    {
        std::vector<int> Days;
        for (int n = 0; n < SEASON_CALENDAR_DAYS; ++n)
            Days.push_back(Get_Season_Playoff_Day(n));
        return Days;
    }

    static std::vector<int> Days_From(int nFirst)
    {
        return {nFirst, nFirst + 1, nFirst + 2, nFirst + 3, nFirst + 4, nFirst + 5};
    }

    static int Count_Games(int nTeam)
    {
        int n = 0;
        for (int w = 0; w < SCHEDULE_WEEKS; ++w)
            n += Get_Team_Schedule_Stat(nTeam, w, SCHEDULE_OPPONENT) != 0 ? 1 : 0;
        return n;
    }

    static std::vector<int> Games_Of_Teams(int nTeams)
    {
        std::vector<int> Games;
        for (int t = 0; t < nTeams; ++t)
            Games.push_back(Count_Games(t));
        return Games;
    }
};

// ---------------------------------------------------------------------------
// Clearing, counting and the division check

TEST_F(ScheduleDriverTest, ClearingEmptiesEveryWeekOfTheTeamsInUse)
{
    Use_Franchises(4);
    for (int t = 0; t <= 4; ++t) {
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            for (int f = 0; f < SCHEDULE_WEEK_FIELDS; ++f)
                Set_Team_Schedule_Stat(t, w, f, 100 * t + 10 * w + f + 1);
        }
    }
    Clear_League_Schedule();
    for (int t = 0; t < 4; ++t) {
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            for (int f = 0; f < SCHEDULE_WEEK_FIELDS; ++f)
                EXPECT_EQ(Get_Team_Schedule_Stat(t, w, f), f == SCHEDULE_GAME_INDEX ? -1 : 0) << t << w << f;
        }
    }
    // Slot 4 is not in use: left as it was.
    EXPECT_EQ(Get_Team_Schedule_Stat(4, 21, SCHEDULE_DAY_OF_WEEK), 400 + 210 + 4 + 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(ScheduleDriverTest, TheLastScheduledWeekIsTheWeekAfterTheLastGame)
{
    Use_Franchises(6);
    EXPECT_EQ(Get_Last_Scheduled_Week(), 0);
    ASSERT_TRUE(Schedule_Game(0, 1, 0, 6, 1300));
    EXPECT_EQ(Get_Last_Scheduled_Week(), 1);
    ASSERT_TRUE(Schedule_Game(5, 4, 16, 6, 1300));
    EXPECT_EQ(Get_Last_Scheduled_Week(), 17);
    ASSERT_TRUE(Schedule_Game(2, 3, 21, 6, 1300));
    EXPECT_EQ(Get_Last_Scheduled_Week(), 22);
    // A lone entry (one side only) counts too; a slot out of use does not.
    Clear_League_Schedule();
    Set_Team_Schedule_Stat(6, 20, SCHEDULE_OPPONENT, 1);
    EXPECT_EQ(Get_Last_Scheduled_Week(), 0);
    Set_Team_Schedule_Stat(5, 9, SCHEDULE_OPPONENT, -3);
    EXPECT_EQ(Get_Last_Scheduled_Week(), 10);
}

// The calendar's six playoff days: set from the first, read one by one; a
// day outside 0-5 is reported and reads 0.
TEST_F(ScheduleDriverTest, ThePlayoffDaysAreSetFromTheFirst)
{
    Set_Season_Playoff_Days(18);
    EXPECT_EQ(Playoff_Days(), Days_From(18));
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Season_Playoff_Day(6), 0);
    EXPECT_EQ(Get_Season_Playoff_Day(-1), 0);
    EXPECT_EQ(Errors_Reported(), 2);
    EXPECT_TRUE(Last_Error_Contains("Get_Season_Playoff_Day(-1)"));
}

TEST_F(ScheduleDriverTest, EightDivisionsOfFourAreRecognised)
{
    Build_League(32, 17, 2024);   // t x 8 / 32 = t / 4
    EXPECT_TRUE(Check_Eight_Divisions_Of_Four());
    // 5, 3, 4, 4, 4, 4, 4, 4.
    Set_Team_Stat(4, TEAM_STAT_DIVISION, 0);
    EXPECT_FALSE(Check_Eight_Divisions_Of_Four());
    Set_Team_Stat(4, TEAM_STAT_DIVISION, 1);
    // A division outside 0-7 is no division.
    Set_Team_Stat(31, TEAM_STAT_DIVISION, 8);
    EXPECT_FALSE(Check_Eight_Divisions_Of_Four());
    Build_League(31, 16, 2024);
    EXPECT_FALSE(Check_Eight_Divisions_Of_Four());
    Build_League(28, 16, 2024, 7);
    EXPECT_FALSE(Check_Eight_Divisions_Of_Four());
    Use_Franchises(0);
    EXPECT_FALSE(Check_Eight_Divisions_Of_Four());
}

TEST_F(ScheduleDriverTest, ACompleteScheduleHasMatchingEntriesAndTheGames)
{
    Use_Franchises(4);
    ASSERT_TRUE(Schedule_Game(0, 1, 0, 6, 1300));
    ASSERT_TRUE(Schedule_Game(2, 3, 0, 6, 1300));
    ASSERT_TRUE(Schedule_Game(1, 2, 3, 6, 1300));
    ASSERT_TRUE(Schedule_Game(3, 0, 3, 6, 1300));
    EXPECT_TRUE(Is_Schedule_Complete(2));
    EXPECT_FALSE(Is_Schedule_Complete(3));
    EXPECT_FALSE(Is_Schedule_Complete(1));
    // The visitor's entry names the wrong venue.
    Set_Team_Schedule_Stat(1, 0, SCHEDULE_OPPONENT, 1);
    EXPECT_FALSE(Is_Schedule_Complete(2));
    Set_Team_Schedule_Stat(1, 0, SCHEDULE_OPPONENT, -1);
    ASSERT_TRUE(Is_Schedule_Complete(2));
    // A one-sided entry in another week.
    Set_Team_Schedule_Stat(0, 7, SCHEDULE_OPPONENT, 3);
    EXPECT_FALSE(Is_Schedule_Complete(2));
    Set_Team_Schedule_Stat(0, 7, SCHEDULE_OPPONENT, 0);
    // A team against itself; a team out of use.
    Set_Team_Schedule_Stat(0, 9, SCHEDULE_OPPONENT, 1);
    EXPECT_FALSE(Is_Schedule_Complete(3));
    Set_Team_Schedule_Stat(0, 9, SCHEDULE_OPPONENT, 5);
    EXPECT_FALSE(Is_Schedule_Complete(3));
}

// ---------------------------------------------------------------------------
// Generating

// Generic generator with 16 games from 1990: weeks 0-16 (one open), the
// playoff days 17-22; before 1990 weeks 0-15, playoff days 16-21.
TEST_F(ScheduleDriverTest, PlayoffDaysFollowTheLastScheduledWeek)
{
    Build_League(24, 16, 1995);
    Set_Season_Playoff_Days(40);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_EQ(Playoff_Days(), Days_From(17));
    EXPECT_EQ(Games_Of_Teams(24), std::vector<int>(24, 16));
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    Build_League(24, 16, 1985);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_EQ(Playoff_Days(), Days_From(16));
    EXPECT_EQ(Games_Of_Teams(24), std::vector<int>(24, 16));
}

// The table sizes: whatever source makes them, every team has its games and
// the playoff days follow: 17 games in weeks 0-17, 16 games in weeks 0-16.
TEST_F(ScheduleDriverTest, TheTableSizesGetACompleteSchedule)
{
    Build_League(32, 17, 2024);
    ASSERT_TRUE(Check_Eight_Divisions_Of_Four());
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_TRUE(Is_Schedule_Complete(17));
    EXPECT_EQ(Playoff_Days(), Days_From(18));

    Build_League(32, 16, 2019);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_TRUE(Is_Schedule_Complete(16));
    EXPECT_EQ(Playoff_Days(), Days_From(17));

    Build_League(31, 16, 2001);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_TRUE(Is_Schedule_Complete(16));
    EXPECT_EQ(Playoff_Days(), Days_From(17));

    // Divisions of 5, 3, 4, 4, 4, 4, 4, 4: no table, the generic generator.
    Build_League(32, 17, 2024);
    Set_Team_Stat(4, TEAM_STAT_DIVISION, 0);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_TRUE(Is_Schedule_Complete(17));
    EXPECT_EQ(Playoff_Days(), Days_From(18));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// A new schedule replaces the old one whole: an old game in week 21 is gone.
TEST_F(ScheduleDriverTest, TheOldScheduleIsClearedFirst)
{
    Build_League(20, 12, 1985);
    ASSERT_TRUE(Schedule_Game(3, 4, 21, 6, 1300));
    Set_Team_Schedule_Stat(3, 21, SCHEDULE_GAME_INDEX, 250);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 21, SCHEDULE_OPPONENT), 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 21, SCHEDULE_GAME_INDEX), -1);
    EXPECT_EQ(Playoff_Days(), Days_From(12));
}

// 19 games become 17, stored back, and every team plays 17.
TEST_F(ScheduleDriverTest, NineteenGamesAreScheduledAsSeventeen)
{
    Build_League(20, 19, 2010);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_EQ(League.Universe.nStat[GAMES_PER_SEASON], 17);
    EXPECT_EQ(Games_Of_Teams(20), std::vector<int>(20, 17));
    EXPECT_EQ(Playoff_Days(), Days_From(18));
}

// 36 teams of 17 games with 12 playoff teams need 306 + 11 = 317 GAME
// records: refused before anything changes, the old schedule kept, the
// reason shown.
TEST_F(ScheduleDriverTest, ASeasonBeyondTheGameRecordsIsRefusedAndTheOldScheduleKept)
{
    Build_League(36, 17, 2024);
    ASSERT_TRUE(Schedule_Game(7, 8, 2, 6, 1300));
    Set_Season_Playoff_Days(17);
    const LEAGUE_SNAPSHOT Before;
    EXPECT_FALSE(Generate_League_Schedule());
    EXPECT_TRUE(Before.Unchanged());
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Season Schedule");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "A season of 36 teams playing 17 games each, with 12 playoff teams, needs 317 game "
              "records; 300 exist. Lower the games per season by 1 or the number of teams by 2.");
    EXPECT_EQ(ui::Progress().TimesOpened, 0);

    // 34 teams fit exactly (289 + 11 = 300) and are scheduled.
    ui::Reset();
    Build_League(34, 17, 2024);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_EQ(Games_Of_Teams(34), std::vector<int>(34, 17));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// 13 teams and one game before 1990: one week, in which the bye plan rests
// all 13. The attempt fills its week with no game, and a season in which no
// club plays is refused: one message, false, an empty schedule and the
// playoff days from week 0. Without the message asked for, the same and no
// box.
TEST_F(ScheduleDriverTest, AnImpossibleLeagueFailsOnceWithTheMessage)
{
    for (const bool bTell : {true, false}) {
        ui::Reset();
        Build_League(13, 1, 1985);
        ASSERT_TRUE(Schedule_Game(1, 2, 5, 6, 1300));
        Set_Season_Playoff_Days(17);
        EXPECT_FALSE(Generate_League_Schedule(bTell));
        if (bTell) {
            ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
            EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Season Schedule");
            EXPECT_EQ(ui::Shown_Boxes()[0].Text, NO_SCHEDULE_TEXT);
        } else {
            EXPECT_TRUE(ui::Shown_Boxes().empty());
        }
        EXPECT_FALSE(ui::Progress().Open);
        EXPECT_EQ(Get_Last_Scheduled_Week(), 0);
        EXPECT_EQ(Get_Team_Schedule_Stat(1, 5, SCHEDULE_OPPONENT), 0);
        EXPECT_EQ(Playoff_Days(), Days_From(0));
    }
}

// 13 teams and 14 games in 1961 (14 weeks, one bye each): the 14th week's
// bye goes to a team a second time, so the season is made: twelve teams
// play 13 games and one 12, 84 in all, no message.
TEST_F(ScheduleDriverTest, AThirteenTeamLeagueOfFourteenGamesIsScheduled)
{
    Build_League(13, 14, 1961);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    std::vector<int> Games = Games_Of_Teams(13);
    std::sort(Games.begin(), Games.end());
    std::vector<int> Expected(13, 13);
    Expected[0] = 12;
    EXPECT_EQ(Games, Expected);
    EXPECT_EQ(Playoff_Days(), Days_From(14));
}

// Two teams of different conferences before 1970: after their first
// meeting a second is refused with 85, 75, 95, 66 and 95 %, so every attempt
// ends part-way through its second week. The partial schedule the last
// attempt left is cleared too.
TEST_F(ScheduleDriverTest, AFailedAttemptLeavesNoGamesBehind)
{
    Build_League(2, 12, 1965);
    ASSERT_NE(Get_Team_Stat(0, TEAM_STAT_DIVISION) / 4, Get_Team_Stat(1, TEAM_STAT_DIVISION) / 4);
    EXPECT_FALSE(Generate_League_Schedule());
    EXPECT_EQ(ui::Progress().TimesOpened, SCHEDULE_ATTEMPTS);
    EXPECT_EQ(Get_Last_Scheduled_Week(), 0);
    EXPECT_EQ(Playoff_Days(), Days_From(0));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, NO_SCHEDULE_TEXT);
}

// No season can be made of no team, one team or no games: the message at
// once, without a generator attempt.
TEST_F(ScheduleDriverTest, NoTeamsOrNoGamesMakeNoSeason)
{
    const struct {
        int nTeams;
        int nGames;
    } Case[] = {{0, 16}, {1, 16}, {12, 0}, {12, -3}};
    for (const auto& c : Case) {
        ui::Reset();
        Build_League(c.nTeams, c.nGames, 2010);
        EXPECT_FALSE(Generate_League_Schedule()) << c.nTeams << " " << c.nGames;
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
        EXPECT_EQ(ui::Shown_Boxes()[0].Text, NO_SCHEDULE_TEXT);
        EXPECT_EQ(ui::Progress().TimesOpened, 0);
        EXPECT_EQ(Playoff_Days(), Days_From(0));
    }
}

}  // namespace

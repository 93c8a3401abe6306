// A season for which no schedule can be made is not played: the day advance
// stops with a "Season Stopped" box that names the League Editor, nothing
// is played, ranked or drafted from, and once the league can be scheduled
// again the next advance makes its schedule and plays.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "test_support.h"
#include "whole_season.h"
#include "league/calendar.h"
#include "league/game_record.h"
#include "league/league_fixture.h"
#include "platform/errors.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "schedule/schedule_driver.h"

namespace {

int Final_Records()
{
    int n = 0;
    for (int g = 0; g < NUMBER_OF_GAMES; ++g)
        n += Is_Game_Record_Final(g) ? 1 : 0;
    return n;
}

// The boxes of the two captions that tell a stopped season, then forgotten.
std::vector<std::string> Stop_Boxes()
{
    std::vector<std::string> Shown;
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        if (Box.Caption == "Season Stopped" || Box.Caption == "Play Multiple Seasons" ||
            Box.Caption == "Season Schedule")
            Shown.push_back(Box.Caption + "|" + Box.Text);
    ui::Clear_Shown_Boxes();
    return Shown;
}

std::string Stopped_Text(int nYear, int nTeams, int nGames)
{
    return "Season Stopped|The " + std::to_string(nYear) + " season cannot start: no schedule could be made for its " +
           std::to_string(nTeams) + " teams playing " + std::to_string(nGames) +
           " games each, so no game is played.\n\nChange the league's teams, divisions or games per season in the "
           "League Editor (Edit menu) so that every team can be given its games, then play again.";
}

// Day 0 of the 32-club league whose start found no schedule (none stands,
// the first playoff day is 0) and whose season length of 0 keeps a new
// attempt from making one. Every advance stops with one box, and a run of
// seasons with the same box and none of its own; when the league has a
// length again, the next advance schedules the season and plays its day.
TEST(UnscheduledSeasonTest, NoDayOfASeasonWithoutAScheduleIsPlayed)
{
    SCRATCH_FOLDER Scratch("unscheduled_season");
    ui::Reset();
    whole_season::Build_League(31);
    ui::Reset();
    Set_Universe_Stat(GAMES_PER_SEASON, 0);
    Clear_League_Schedule();
    Set_Season_Playoff_Days(0);
    const int nYear = Get_Current_Year();
    const std::string Stopped = Stopped_Text(nYear, 32, 0);

    Advance_Day(22);
    EXPECT_EQ(Get_Current_Week(), 0);
    EXPECT_EQ(Final_Records(), 0);
    EXPECT_EQ(Stop_Boxes(), std::vector<std::string>{Stopped});
    EXPECT_EQ(Get_Universe_Word(DAY_ADVANCE_BUSY_WORD), 0);
    EXPECT_EQ(Get_User_Preference(PREF_ALL_COMPUTER_TEAMS), 0);
    EXPECT_EQ(Get_Season_Playoff_Day(0), 0);
    EXPECT_FALSE(Is_Season_Complete());

    Play_Multiple_Seasons(2);
    EXPECT_EQ(Get_Current_Week(), 0);
    EXPECT_EQ(Get_Current_Season_Index(), 0);
    EXPECT_EQ(Final_Records(), 0);
    EXPECT_EQ(Stop_Boxes(), std::vector<std::string>{Stopped});
    for (int t = 0; t < 32; ++t)
        EXPECT_EQ(Get_Team_Yearly_Int(t, 0, YEARLY_INT_FINISH), 0) << t;

    // Seventeen games again (eight divisions of four: the 17-game table,
    // eighteen weeks): the next day is played, with the games the new
    // schedule gives it.
    Set_Universe_Stat(GAMES_PER_SEASON, 17);
    Advance_Day(1);
    EXPECT_TRUE(Stop_Boxes().empty());
    EXPECT_EQ(Get_Season_Playoff_Day(0), 18);
    EXPECT_EQ(Get_Current_Week(), 1);
    int nDayGames = 0;
    for (int t = 0; t < 32; ++t)
        nDayGames += Get_Team_Schedule_Stat(t, 0, SCHEDULE_OPPONENT) > 0 ? 1 : 0;
    EXPECT_GT(nDayGames, 0);
    EXPECT_EQ(Final_Records(), nDayGames);
}

// A league of two clubs plays its season; then the clubs stand in
// different conferences, whose second meeting the generator refuses almost
// always, so the next season's start finds no schedule. The run of seasons
// ends on day 0 of that season with the schedule's message and the stop
// box; the season gets no finish and no draft order from standings nobody
// played. Back in one division, the next advance schedules the season.
TEST(UnscheduledSeasonTest, ASeasonRollThatFindsNoScheduleRanksNothing)
{
    SCRATCH_FOLDER Scratch("unscheduled_roll");
    ui::Reset();
    game_fixture::Build_Two_Team_League(8);
    Set_League_Abbreviation(0, "AC");
    Set_League_Abbreviation(1, "NC");
    for (int t = 0; t < 2; ++t) {
        Set_Team_Stat(t, TEAM_STAT_DIVISION, 0);
        whole_season::Name_Club(t);
    }
    Set_Universe_Stat(GAMES_PER_SEASON, 16);
    Set_Universe_Stat(WILD_CARD_TEAMS, 0);
    Set_Universe_Stat(INFLATION_FACTOR, 1000);
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 0);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    Set_User_Preference(PREF_AUTO_SAVE, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    Set_Game_Pages_Enabled(false);
    Start_Season(0);
    ASSERT_GT(Get_Season_Playoff_Day(0), 0);
    Advance_Day(22);
    if (!Is_Season_Complete())
        Advance_Day(22);
    ASSERT_TRUE(Is_Season_Complete());
    ui::Reset();

    Set_Team_Stat(1, TEAM_STAT_DIVISION, 4);
    Play_Multiple_Seasons(2);
    EXPECT_EQ(Get_Current_Season_Index(), 1);
    EXPECT_EQ(Get_Current_Week(), 0);
    const int nGames = Get_Games_Per_Season();
    EXPECT_EQ(Stop_Boxes(), (std::vector<std::string>{
                                "Season Schedule|Unable to generate a season schedule for this league. Try moving "
                                "or erasing teams in the League Editor.",
                                Stopped_Text(Get_Current_Year(), 2, nGames)}));
    EXPECT_EQ(Get_Season_Playoff_Day(0), 0);
    EXPECT_EQ(Final_Records(), 0);
    for (int t = 0; t < 2; ++t)
        EXPECT_EQ(Get_Team_Yearly_Int(t, 1, YEARLY_INT_FINISH), 0) << t;

    Set_Team_Stat(1, TEAM_STAT_DIVISION, 0);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Advance_Day(1);
    EXPECT_TRUE(Stop_Boxes().empty());
    EXPECT_EQ(Get_Current_Week(), 1);
    EXPECT_EQ(Final_Records(), 1);
}

}  // namespace

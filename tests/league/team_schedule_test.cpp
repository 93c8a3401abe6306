#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_schedule.h"
#include "schedule/schedule_templates.h"
#include "season/draft_pool.h"
#include "league_fixture.h"
#include "test_support.h"

namespace {

constexpr int REGULAR_WEEKS = 18;

// A league of nTeams franchises (slots 0 .. nTeams - 1), an 18-week regular
// season, season index 3 and week 5, run in an empty folder so that
// "debug.txt" is the test's own.
class TeamScheduleTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"schedule"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Use_Franchises(32);
        League.StandingsArea.nPlayoffDay[0] = REGULAR_WEEKS;
        League.Universe.nStat[GAMES_PER_SEASON] = 17;
        League.Preferences.nInt[PREF_SEASON_INDEX] = 3;
        League.Preferences.nInt[PREF_CURRENT_WEEK] = 5;
        League.Preferences.nInt[PREF_DRAFT_ROUND] = DRAFT_OVER_ROUND;
        for (auto& Slot : League.StandingsArea.PlayoffTeam)
            Slot = NO_TEAM;
    }

    // The newest line of "debug.txt" without its time stamp.
    static std::string Last_Log_Line()
    {
        std::vector<std::string> Lines = Read_Debug_Log_Lines(true);
        return Lines.empty() ? std::string() : Lines.back();
    }
};

// ---------------------------------------------------------------------------
// Schedule entries

TEST_F(TeamScheduleTest, ScheduleGameStoresBothSidesAndRefusesBadGames)
{
    ASSERT_EQ(Schedule_Game(4, 9, 3, 2, 1930), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(4, 3, SCHEDULE_OPPONENT), 10);
    EXPECT_EQ(Get_Team_Schedule_Stat(9, 3, SCHEDULE_OPPONENT), -5);
    for (int nTeam : {4, 9}) {
        EXPECT_EQ(Get_Team_Schedule_Stat(nTeam, 3, SCHEDULE_DAY_OF_WEEK), 2);
        EXPECT_EQ(Get_Team_Schedule_Stat(nTeam, 3, SCHEDULE_KICKOFF_TIME), 1930);
    }
    EXPECT_EQ(Get_Scheduled_Opponent(4, 3), 9);
    EXPECT_EQ(Get_Scheduled_Opponent(9, 3), 4);
    EXPECT_EQ(Get_Team_Week_Home_Away(4, 3), WEEK_AT_HOME);
    EXPECT_EQ(Get_Team_Week_Home_Away(9, 3), WEEK_AWAY);
    EXPECT_EQ(Get_Scheduled_Opponent(4, 2), NO_TEAM);
    EXPECT_EQ(Get_Team_Week_Home_Away(4, 2), WEEK_NO_GAME);
    EXPECT_EQ(Game_Scheduled_Today(9, 3), 1);
    EXPECT_EQ(Game_Scheduled_Today(9, 4), 0);

    // A day outside 0-6 becomes Sunday, a time that is no time 13:00.
    ASSERT_EQ(Schedule_Game(1, 2, 0, 9, 0), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(2, 0, SCHEDULE_DAY_OF_WEEK), 6);
    EXPECT_EQ(Get_Team_Schedule_Stat(2, 0, SCHEDULE_KICKOFF_TIME), 1300);
    ASSERT_EQ(Schedule_Game(1, 2, 1, -3, -1), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(1, 1, SCHEDULE_DAY_OF_WEEK), 6);
    EXPECT_EQ(Get_Team_Schedule_Stat(1, 1, SCHEDULE_KICKOFF_TIME), 1300);
    EXPECT_EQ(Errors_Reported(), 0);

    LEAGUE_SNAPSHOT Before;
    // Week taken for either team: refused without a report.
    EXPECT_EQ(Schedule_Game(4, 11, 3, 2, 1930), 0);
    EXPECT_EQ(Schedule_Game(11, 9, 3, 2, 1930), 0);
    EXPECT_EQ(Schedule_Game(NO_TEAM, 9, 5, 2, 1930), 0);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Schedule_Game(33, 4, 5, 2, 1930), 0);
    EXPECT_TRUE(Last_Error_Contains("Invalid TNUM in Schedule_Game([33],4,5,2)"));
    EXPECT_EQ(Schedule_Game(4, 36, 5, 2, 1930), 0);
    EXPECT_TRUE(Last_Error_Contains("Invalid TNUM in Schedule_Game(4,[36],5,2)"));
    EXPECT_EQ(Schedule_Game(4, 4, 5, 2, 1930), 0);
    EXPECT_TRUE(Last_Error_Contains("Invalid TNUM in Schedule_Game(4,[4],5,2)"));
    EXPECT_EQ(Schedule_Game(4, 9, 22, 2, 1930), 0);
    EXPECT_TRUE(Last_Error_Contains("Invalid nWeek in Schedule_Game(4,9,22,2)"));
    EXPECT_EQ(Schedule_Game(4, 9, -1, 2, 1930), 0);
    EXPECT_EQ(Errors_Reported(), 5);
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(TeamScheduleTest, DefaultDayAndKickoffComeFromTheTemplateCell)
{
    // Day numbers: week w's Thursday is 7 + 7w, Sunday 10 + 7w, Monday
    // 11 + 7w; weekday = (day + 3) mod 7 with 0 Monday.
    EXPECT_EQ(Get_Day_Of_Week(0), 6);
    EXPECT_EQ(Get_Day_Of_Week(-40), 6);
    EXPECT_EQ(Get_Day_Of_Week(7), 3);
    EXPECT_EQ(Get_Day_Of_Week(10), 6);
    EXPECT_EQ(Get_Day_Of_Week(11), 0);
    EXPECT_EQ(Get_Schedule_Template_Value(0, 0, SCHEDULE_TEMPLATE_DATE), 7);
    EXPECT_EQ(Get_Schedule_Template_Value(0, 0, SCHEDULE_TEMPLATE_KICKOFF), 2030);
    EXPECT_EQ(Get_Schedule_Template_Value(0, 2, SCHEDULE_TEMPLATE_DATE), 10);
    for (int nBad : {-1, 17})
        EXPECT_EQ(Get_Schedule_Template_Value(nBad, 0, SCHEDULE_TEMPLATE_DATE), -128);
    for (int nBad : {-1, 16})
        EXPECT_EQ(Get_Schedule_Template_Value(0, nBad, SCHEDULE_TEMPLATE_DATE), -128);
    EXPECT_EQ(Get_Schedule_Template_Value(0, 0, 5), -128);

    // 32 teams: home 5, away 6: 30 mod 37 = 30, mod 16 = 14; week 3 is row 3:
    // the Monday game, day 32, kick-off 2015.
    ASSERT_EQ(Schedule_Game(5, 6, 3, -1, -1), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(5, 3, SCHEDULE_DAY_OF_WEEK), 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(6, 3, SCHEDULE_KICKOFF_TIME), 2015);
    // Week 19 reads row 2 (a row 19 does not exist and would give Sunday).
    ASSERT_EQ(Schedule_Game(5, 6, 19, -1, -1), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(5, 19, SCHEDULE_DAY_OF_WEEK), 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(5, 19, SCHEDULE_KICKOFF_TIME), 2015);
    // Home 4, away 8: 32 mod 16 = 0; week 17 is row 0: the Thursday opener.
    ASSERT_EQ(Schedule_Game(4, 8, 17, -1, -1), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(8, 17, SCHEDULE_DAY_OF_WEEK), 3);
    EXPECT_EQ(Get_Team_Schedule_Stat(8, 17, SCHEDULE_KICKOFF_TIME), 2030);

    // Fewer than 32 teams: column (14 + 2) mod 16 = 0, the Thursday game of
    // week 4 (day 35) at 2020.
    Use_Franchises(30);
    ASSERT_EQ(Schedule_Game(5, 6, 4, -1, -1), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(5, 4, SCHEDULE_DAY_OF_WEEK), 3);
    EXPECT_EQ(Get_Team_Schedule_Stat(5, 4, SCHEDULE_KICKOFF_TIME), 2020);

    // At most 12 games: the date comes from row 2 + 2 = 4, a bye week whose
    // column 14 is empty (row 2's own is the Monday game): Sunday and the
    // time given.
    Use_Franchises(32);
    League.Universe.nStat[GAMES_PER_SEASON] = 12;
    ASSERT_EQ(Schedule_Game(5, 6, 2, -1, 1930), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(5, 2, SCHEDULE_DAY_OF_WEEK), 6);
    EXPECT_EQ(Get_Team_Schedule_Stat(5, 2, SCHEDULE_KICKOFF_TIME), 1930);
    // Without a time either, 13:00 rather than the caller's -1.
    ASSERT_EQ(Schedule_Game(5, 6, 6, -1, -1), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(6, 6, SCHEDULE_KICKOFF_TIME), 1300);

    // A games value above 17 is written back as 17 on the way.
    League.Universe.nStat[GAMES_PER_SEASON] = 20;
    ASSERT_EQ(Schedule_Game(5, 6, 7, -1, -1), 1);
    EXPECT_EQ(League.Universe.nStat[GAMES_PER_SEASON], 17);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamScheduleTest, BadScheduleIndexesAreLoggedAndWriteNothing)
{
    LEAGUE_SNAPSHOT Before;
    Set_Team_Schedule_Stat(41, 0, 0, 5);
    EXPECT_EQ(Last_Log_Line(), "Invalid nTeam in Set_Team_Schedule_Stat(41,0,0)");
    Set_Team_Schedule_Stat(0, 22, 0, 5);
    EXPECT_EQ(Last_Log_Line(), "Invalid nWeek in Set_Team_Schedule_Stat(0,22,0,5)");
    Set_Team_Schedule_Stat(0, -1, 0, 5);
    EXPECT_EQ(Last_Log_Line(), "Invalid nWeek in Set_Team_Schedule_Stat(0,-1,0,5)");
    Set_Team_Schedule_Stat(0, 0, 5, 5);
    EXPECT_EQ(Last_Log_Line(), "Invalid nField in Set_Team_Schedule_Stat(0,0,[5],5)");
    size_t nLines = Read_Debug_Log_Lines(true).size();
    Set_Team_Schedule_Stat(NO_TEAM, 0, 0, 5);
    EXPECT_EQ(Read_Debug_Log_Lines(true).size(), nLines);

    EXPECT_EQ(Get_Team_Schedule_Stat(-1, 0, 0), 0);
    EXPECT_EQ(Last_Log_Line(), "Invalid nTeam in Get_Team_Schedule_Stat(-1,0,0)");
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 22, 0), 0);
    EXPECT_EQ(Last_Log_Line(), "Invalid nWeek in Get_Team_Schedule_Stat(3,22,0)");
    EXPECT_EQ(Game_Scheduled_Today(36, 0), 0);
    EXPECT_EQ(Last_Log_Line(), "Invalid nTeam in Game_Scheduled_Today(36,0)");
    EXPECT_EQ(Game_Scheduled_Today(0, 22), 0);
    EXPECT_EQ(Last_Log_Line(), "Invalid date in Game_Scheduled_Today(0,22)");
    EXPECT_EQ(Get_Scheduled_Opponent(0, -1), NO_TEAM);
    EXPECT_EQ(Last_Log_Line(), "Invalid nWeek in Get_Scheduled_Opponent(0,[-1])");
    EXPECT_EQ(Get_Scheduled_Opponent(41, 3), NO_TEAM);
    EXPECT_EQ(Last_Log_Line(), "Invalid nTeam in Get_Scheduled_Opponent([41],3)");
    EXPECT_EQ(Count_Team_Home_Games(-2), 0);
    EXPECT_EQ(Last_Log_Line(), "Invalid nTeam in Count_Team_Home_Games([-2])");

    // The off-season's week 100 has no game and is no fault.
    nLines = Read_Debug_Log_Lines(true).size();
    EXPECT_EQ(Get_Scheduled_Opponent(0, OFFSEASON_WEEK), NO_TEAM);
    EXPECT_EQ(Get_Team_Week_Home_Away(0, OFFSEASON_WEEK), WEEK_NO_GAME);
    EXPECT_EQ(Read_Debug_Log_Lines(true).size(), nLines);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_TRUE(Before.Unchanged());

    // A damaged opponent code names no team rather than an index past 40.
    League.Team[0].nSchedule[2][SCHEDULE_OPPONENT] = 500;
    League.Team[0].nSchedule[3][SCHEDULE_OPPONENT] = INT32_MIN;
    EXPECT_EQ(Get_Scheduled_Opponent(0, 2), NO_TEAM);
    EXPECT_EQ(Get_Scheduled_Opponent(0, 3), NO_TEAM);
    EXPECT_EQ(Get_Calendar_PBP_Flag(0, 3), 0);
}

TEST_F(TeamScheduleTest, ClearingGamesKeepsOtherClubsConsistent)
{
    ASSERT_EQ(Schedule_Game(4, 9, 3, 2, 1930), 1);
    ASSERT_EQ(Schedule_Game(11, 12, 3, 2, 1930), 1);
    // 4 plays 9, not 11: clearing "4 v 11" would orphan 9's and 12's entries.
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Clear_Scheduled_Game(4, 11, 3), 0);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Clear_Scheduled_Game(9, 4, 3), 1);
    EXPECT_EQ(Get_Scheduled_Opponent(4, 3), NO_TEAM);
    EXPECT_EQ(Get_Scheduled_Opponent(9, 3), NO_TEAM);
    EXPECT_EQ(Get_Scheduled_Opponent(12, 3), 11);

    LEAGUE_SNAPSHOT Unchanged;
    EXPECT_EQ(Clear_Scheduled_Game(4, 37, 3), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Clear_Scheduled_Game(4,37,3)"));
    EXPECT_EQ(Clear_Scheduled_Game(11, 12, 22), 0);
    EXPECT_TRUE(Last_Error_Contains("Invalid date in Clear_Scheduled_Game(11,12,22)"));
    Clear_Scheduled_Games(37);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Clear_Scheduled_Games(37,0,22)"));
    EXPECT_EQ(Errors_Reported(), 3);
    EXPECT_TRUE(Unchanged.Unchanged());

    League.Team[11].nSchedule[7][SCHEDULE_GAME_INDEX] = 44;
    Clear_Scheduled_Games(11);
    for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
        EXPECT_EQ(Get_Team_Schedule_Stat(11, w, SCHEDULE_OPPONENT), 0);
        EXPECT_EQ(Get_Team_Schedule_Stat(11, w, SCHEDULE_KICKOFF_TIME), 0);
        EXPECT_EQ(Get_Team_Schedule_Stat(11, w, SCHEDULE_GAME_INDEX), NO_GAME_RECORD);
    }
}

TEST_F(TeamScheduleTest, PlayByPlayFlagLivesInTheHomeEntry)
{
    ASSERT_EQ(Schedule_Game(4, 9, 3, 2, 1930), 1);
    Toggle_Calendar_PBP_Flag(9, 3);   // the visitor
    EXPECT_EQ(League.Team[4].nSchedule[3][SCHEDULE_PBP_FLAG], 1);
    EXPECT_EQ(League.Team[9].nSchedule[3][SCHEDULE_PBP_FLAG], 0);
    EXPECT_EQ(Get_Calendar_PBP_Flag(4, 3), 1);
    EXPECT_EQ(Get_Calendar_PBP_Flag(9, 3), 1);
    Toggle_Calendar_PBP_Flag(4, 3);
    EXPECT_EQ(Get_Calendar_PBP_Flag(9, 3), 0);
    Set_Calendar_PBP_Flag(9, 3, 1);
    EXPECT_EQ(League.Team[4].nSchedule[3][SCHEDULE_PBP_FLAG], 1);

    // Without a game nothing is stored; a bad week or team is refused.
    LEAGUE_SNAPSHOT Before;
    Toggle_Calendar_PBP_Flag(4, 4);
    Set_Calendar_PBP_Flag(4, 4, 1);
    EXPECT_EQ(Errors_Reported(), 0);
    Toggle_Calendar_PBP_Flag(41, 3);
    EXPECT_TRUE(Last_Error_Contains("Invalid nTeam in Toggle_Calendar_PBP_Flag(41,3)"));
    Toggle_Calendar_PBP_Flag(4, 22);
    EXPECT_TRUE(Last_Error_Contains("Invalid nWeek in Toggle_Calendar_PBP_Flag(4,22)"));
    Set_Calendar_PBP_Flag(37, 3, 1);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Set_Calendar_PBP_Flag([37],3,1)"));
    EXPECT_EQ(Errors_Reported(), 3);
    EXPECT_TRUE(Before.Unchanged());

    // A visitor whose host holds no players reads no flag.
    League.Team[4].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE;
    EXPECT_EQ(Get_Calendar_PBP_Flag(9, 3), 0);
}

TEST_F(TeamScheduleTest, HomeAndAwayCountsCoverTheRegularWeeks)
{
    ASSERT_EQ(Schedule_Game(0, 1, 0, 6, 1300), 1);
    ASSERT_EQ(Schedule_Game(0, 1, 1, 6, 1300), 1);
    ASSERT_EQ(Schedule_Game(1, 0, 2, 6, 1300), 1);
    ASSERT_EQ(Schedule_Game(0, 2, 17, 6, 1300), 1);    // last regular week
    ASSERT_EQ(Schedule_Game(0, 3, 18, 6, 1300), 1);    // first playoff week
    ASSERT_EQ(Schedule_Game(3, 0, 20, 6, 1300), 1);
    EXPECT_EQ(Count_Team_Home_Games(0), 3);
    EXPECT_EQ(Count_Team_Away_Games(0), 1);
    EXPECT_EQ(Count_Home_Games_Against(0, 1), 2);
    EXPECT_EQ(Count_Away_Games_Against(0, 1), 1);
    EXPECT_EQ(Count_Home_Games_Against(0, 3), 0);
    EXPECT_EQ(Count_Away_Games_Against(1, 0), 2);

    // A regular season ending later (byes) counts its later weeks too.
    League.StandingsArea.nPlayoffDay[0] = 19;
    EXPECT_EQ(Count_Team_Home_Games(0), 4);
    // A shorter season's playoff week still stored (a new schedule is counted
    // before its own is set): the first 18 weeks count all the same, so the
    // week-17 game is not lost.
    League.StandingsArea.nPlayoffDay[0] = 15;
    EXPECT_EQ(Count_Team_Home_Games(0), 3);
    EXPECT_EQ(Count_Home_Games_Against(0, 2), 1);
    EXPECT_EQ(Count_Team_Away_Games(0), 1);
    // While no calendar exists (a schedule being built) every week counts.
    League.StandingsArea.nPlayoffDay[0] = 0;
    EXPECT_EQ(Count_Team_Home_Games(0), 4);
    EXPECT_EQ(Count_Team_Away_Games(0), 2);
}

// ---------------------------------------------------------------------------
// Results

TEST_F(TeamScheduleTest, ResultsGoToSeasonOrPlayoffBytes)
{
    for (int i = 0; i < 7; ++i)
        Add_Team_Win(2, i < 4);
    for (int i = 0; i < 6; ++i)
        Add_Team_Loss(2, i < 1);
    Add_Team_Tie(2, 0);
    EXPECT_EQ(Get_Team_Wins(2), 7);
    EXPECT_EQ(Get_Team_Home_Wins(2), 4);
    EXPECT_EQ(Get_Team_Away_Wins(2), 3);
    EXPECT_EQ(Get_Team_Losses(2), 6);
    EXPECT_EQ(Get_Team_Away_Losses(2), 5);
    EXPECT_EQ(Get_Team_Ties(2), 1);
    EXPECT_EQ(Get_Team_Away_Ties(2), 1);
    EXPECT_EQ(Get_Team_Games_Played(2), 14);
    // (2 x 7 + 1) x 1000 / 28 = 535.7
    EXPECT_EQ(Get_Team_Winning_Percentage(2), 536);
    char szText[RECORD_TEXT_SIZE];
    EXPECT_EQ(Format_Team_Record(szText, 2), 1);
    EXPECT_STREQ(szText, "7-6-1");
    Format_Team_Current_Record(szText, 2);
    EXPECT_STREQ(szText, "7 - 6 - 1");

    // The first playoff week: a win is a playoff win, a tie still a tie.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = REGULAR_WEEKS;
    Add_Team_Win(2, 1);
    Add_Team_Loss(2, 1);
    EXPECT_EQ(Get_Team_Playoff_Wins(2), 1);
    EXPECT_EQ(Get_Team_Playoff_Losses(2), 1);
    EXPECT_EQ(Get_Team_Winning_Percentage(2), 536);
    Format_Team_Record(szText, 2);
    EXPECT_STREQ(szText, "7-6-1");
    Add_Team_Tie(2, 1);
    EXPECT_EQ(Get_Team_Ties(2), 2);
    EXPECT_EQ(Get_Team_Home_Ties(2), 1);

    Set_Season_Record(3, 3, 7, 6, 0);
    Format_Team_Record(szText, 3);
    EXPECT_STREQ(szText, "7-6");
    Format_Team_Current_Record(szText, 3);
    EXPECT_STREQ(szText, "7 - 6");
    Set_Season_Record(3, 3, 0, 0, 2);
    EXPECT_EQ(Format_Team_Record(szText, 3), 0);
    EXPECT_EQ(Get_Team_Winning_Percentage(3), 500);
    Set_Season_Record(3, 3, 0, 0, 0);
    EXPECT_EQ(Get_Team_Winning_Percentage(3), 0);
    Format_Team_Current_Record(szText, 33);   // a slot not in use
    EXPECT_STREQ(szText, "0 - 0");
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamScheduleTest, ResultCountersRefuseBadTeamsSeasonsAndOverflow)
{
    LEAGUE_SNAPSHOT Before;
    Add_Team_Win(36, 1);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Add_Team_Win()"));
    Add_Team_Loss(36, 1);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Set_Team_Record_Char()"));
    Add_Team_Loss(37, 1);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Add_Team_Loss()"));
    Add_Team_Tie(-1, 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Add_Team_Tie()"));
    Add_Team_Playoff_Loss(36);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Add_Team_Playoff_Loss()"));
    Add_Team_Win(NO_TEAM, 1);
    EXPECT_EQ(Errors_Reported(), 5);
    League.Preferences.nInt[PREF_SEASON_INDEX] = 100;
    Add_Team_Win(0, 0);
    EXPECT_TRUE(Last_Error_Contains("nYear out of bounds in Set_Team_Yearly_Char()"));
    League.Preferences.nInt[PREF_SEASON_INDEX] = 3;
    EXPECT_TRUE(Before.Unchanged());

    // A refused loss is reported once and its home split is not counted.
    Errors_Reported();
    League.Team[0].bYearly[3][YEARLY_LOSSES] = 127;
    Add_Team_Loss(0, 1);
    EXPECT_TRUE(Last_Error_Contains("cValue out of bounds in Set_Team_Yearly_Char()"));
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_EQ(Get_Team_Losses(0), 127);
    EXPECT_EQ(Get_Team_Home_Losses(0), 0);
}

TEST_F(TeamScheduleTest, SeasonReadersAndLeagueSums)
{
    Use_Franchises(3);
    Set_Season_Record(0, 3, 5, 3, 1);
    Set_Season_Record(1, 3, 4, 4, 0);
    Set_Season_Record(2, 3, 2, 6, 1);
    Set_Season_Record(0, 2, 13, 5, 0);
    Set_Season_Record(5, 3, 9, 9, 9);   // a slot not in use counts nothing
    EXPECT_EQ(Count_League_Games(), 26);
    EXPECT_EQ(Get_League_Yearly_Char_Total(YEARLY_WINS), 11);
    EXPECT_EQ(Get_League_Yearly_Char_Total(32), 0);
    EXPECT_TRUE(Last_Error_Contains("n out of bounds in Get_League_Yearly_Char_Total([32])"));

    // The league and the special slots: regular weeks played so far,
    // (5 x 1000 + 9) / 18 = 278 per mille of 18 weeks = 5.004.
    EXPECT_EQ(Get_Team_Games_Played(ALL_TEAMS), 5);
    EXPECT_EQ(Get_Team_Games_Played(FREE_AGENT_TEAM), 5);
    League.StandingsArea.nPlayoffDay[0] = 0;
    EXPECT_EQ(Get_Team_Games_Played(ALL_TEAMS), 0);

    // Last season's record text, and a season before the first.
    char szText[RECORD_TEXT_SIZE];
    Format_Team_Yearly_Record(szText, 0, 1);
    EXPECT_STREQ(szText, "13-5");
    Format_Team_Yearly_Record(szText, 0, 0);
    EXPECT_STREQ(szText, "5-3-1");
    Format_Team_Yearly_Record(szText, 0, 5);
    EXPECT_STREQ(szText, "0-0");
    EXPECT_EQ(Last_Log_Line(), "Invalid nYear in Get_Team_Yearly_Char(0,-2,0)");

    // While the college draft runs, "current" is the season just played.
    League.Preferences.nInt[PREF_DRAFT_ROUND] = 2;
    League.Team[FIRST_DRAFT_POOL_TEAM].Player[0].nVital[VITAL_PLAYER_ID] = 77;
    EXPECT_EQ(Get_Team_Wins(0), 13);
    Format_Team_Current_Record(szText, 0);
    EXPECT_STREQ(szText, "13 - 5");
    EXPECT_EQ(Get_League_Yearly_Char_Total(YEARLY_WINS), 13);
}

// ---------------------------------------------------------------------------
// The GAME records

TEST_F(TeamScheduleTest, StreaksAndRecentFormCountFinishedFranchiseGames)
{
    Put_Game(0, 0, 1, 10, 20);     // 0 loses at 1
    Put_Game(1, 2, 3, 7, 3);
    Put_Game(2, 2, 0, 17, 24);     // 0 wins at home
    Put_Game(3, 0, FREE_AGENT_TEAM, 40, 0);   // no franchise game: ignored
    Put_Game(4, 0, 3, 30, 3);      // 0 wins away
    Put_Game(5, 1, 0, 14, 21);     // 0 wins at home
    EXPECT_EQ(Get_Team_Winning_Streak(0), 3);
    EXPECT_EQ(Get_Team_Losing_Streak(0), 0);
    EXPECT_EQ(Get_Team_Losing_Streak(1), 1);
    EXPECT_EQ(Get_Team_Winning_Streak(1), 0);
    EXPECT_EQ(Get_Team_Recent_Record_Stat(0, 3, RECENT_WINS), 3);
    EXPECT_EQ(Get_Team_Recent_Record_Stat(0, 5, RECENT_WINS), 3);
    EXPECT_EQ(Get_Team_Recent_Record_Stat(0, 5, RECENT_LOSSES), 1);
    char szText[RECORD_TEXT_SIZE];
    Format_Team_Recent_Record(szText, 0, 5);
    EXPECT_STREQ(szText, "3-1");
    Format_Team_Recent_Record(szText, 0, 1);
    EXPECT_STREQ(szText, "1-0");

    // A game under way is no result yet and is passed over.
    Put_Game(6, 0, 2, 7, 0, 0, 1200);
    EXPECT_EQ(Get_Team_Winning_Streak(0), 3);
    EXPECT_EQ(Get_Team_Recent_Record_Stat(0, 1, RECENT_WINS), 1);
    // An unplayed 0-0 record ends the run.
    Put_Game(6, 0, 2, 0, 0, 0, 0);
    EXPECT_EQ(Get_Team_Winning_Streak(0), 0);
    EXPECT_EQ(Get_Team_Recent_Record_Stat(0, 5, RECENT_WINS), 3);

    // A finished tie ends both runs and counts as a tie.
    Put_Game(6, 3, 0, 17, 17);
    EXPECT_EQ(Get_Team_Winning_Streak(0), 0);
    EXPECT_EQ(Get_Team_Losing_Streak(0), 0);
    Format_Team_Recent_Record(szText, 0, 2);
    EXPECT_STREQ(szText, "1-0-1");
    EXPECT_EQ(Get_Team_Recent_Record_Stat(0, 2, RECENT_TIES), 1);

    EXPECT_EQ(Get_Team_Recent_Record_Stat(0, 5, 4), 0);
    EXPECT_TRUE(Last_Error_Contains("nKind out of bounds in Get_Team_Recent_Record_Stat(0,5,[4])"));
    EXPECT_EQ(Get_Team_Winning_Streak(200), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Winning_Streak([200],0)"));
    EXPECT_EQ(Get_Team_Winning_Streak(NO_TEAM), 0);
    EXPECT_EQ(Errors_Reported(), 2);
}

TEST_F(TeamScheduleTest, LastGameAndRecordLookup)
{
    EXPECT_EQ(Find_Team_Last_Game(0), -1);
    Put_Game(0, 0, 1, 10, 20);
    Put_Game(1, 2, 3, 7, 3);
    Put_Game(2, 4, 5, 0, 0, 0, 0);   // not started
    EXPECT_EQ(Find_Team_Last_Game(0), 0);
    EXPECT_EQ(Find_Team_Last_Game(3), 1);
    EXPECT_EQ(Find_Team_Last_Game(4), 1);          // none of its own: the latest played
    EXPECT_EQ(Find_Team_Last_Game(NO_TEAM), 1);

    EXPECT_EQ(Get_Game_Record(5), &League.Game[5]);
    EXPECT_EQ(Get_Game_Record(299), &League.Game[299]);
    EXPECT_EQ(Get_Game_Record(-1), nullptr);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Game_Record(300), nullptr);
    EXPECT_TRUE(Last_Error_Contains("nGame out of bounds in Get_Game_Record([300])"));
}

TEST_F(TeamScheduleTest, ScansAndSumsReachEveryRecordInUse)
{
    // 33 teams and 290 games: the records past 285 count like the others.
    Use_Franchises(33);
    const int nGames = 290;
    for (int i = 0; i < nGames; ++i) {
        const int nAway = i % 33;
        const int nHome = (i + 1) % 33;
        Put_Game(i, nAway, nHome, 1, 2);
        League.Game[i].nTeamTotal[GAME_SIDE_AWAY][GAME_TOTAL_FIRST_DOWNS] = 10;
        League.Game[i].nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_FIRST_DOWNS] = 20;
        Add_Team_Win(nHome, 1);
        Add_Team_Loss(nAway, 0);
    }
    EXPECT_EQ(Count_Season_Game_Records(), nGames);
    EXPECT_EQ(Count_League_Games(), 2 * nGames);
    EXPECT_EQ(Get_League_Points_Total(), 3 * nGames);
    EXPECT_EQ(Get_League_Game_Team_Stat_Total(GAME_TOTAL_FIRST_DOWNS), 30 * nGames);
    // Record 289 is 25 at 26. Team 26 is away in records 26, 59, ..., 257
    // (8) and at home in 25, 58, ..., 289 (9).
    EXPECT_EQ(Find_Team_Last_Game(25), 289);
    EXPECT_EQ(Find_Team_Last_Game(26), 289);
    EXPECT_EQ(Get_Team_Game_Stat_Total(26, GAME_TOTAL_FIRST_DOWNS), 8 * 10 + 9 * 20);
    EXPECT_EQ(Get_Team_Game_Points(26, 1), 8 * 1 + 9 * 2);
    EXPECT_EQ(Get_Team_Game_Points(26, 0), 8 * 2 + 9 * 1);
    EXPECT_EQ(Get_Team_Losing_Streak(25), 1);
    EXPECT_EQ(Get_Team_Winning_Streak(26), 1);

    // A record not in use (both team bytes alike) between used ones adds
    // nothing, and one beyond the last in use is not reached.
    League.Game[100].nAwayTeam = League.Game[100].nHomeTeam = 0;
    EXPECT_EQ(Get_League_Points_Total(), 3 * (nGames - 1));
    EXPECT_EQ(Count_Season_Game_Records(), nGames);

    EXPECT_EQ(Get_Team_Game_Stat_Total(26, GAME_TEAM_TOTALS), 0);
    EXPECT_TRUE(Last_Error_Contains("n out of bounds in Get_Team_Game_Stat_Total(26,[20])"));
    EXPECT_EQ(Get_League_Game_Team_Stat_Total(-1), 0);
    EXPECT_TRUE(Last_Error_Contains("n out of bounds in Get_League_Game_Team_Stat_Total([-1])"));
}

// ---------------------------------------------------------------------------
// Playoffs and all-time figures

TEST_F(TeamScheduleTest, PlayoffSlotAndRound)
{
    League.StandingsArea.PlayoffTeam[3] = 5;
    League.StandingsArea.PlayoffTeam[17] = 5;
    League.StandingsArea.PlayoffTeam[25] = 5;
    League.StandingsArea.PlayoffTeam[28] = 5;
    League.StandingsArea.PlayoffTeam[30] = 5;
    League.StandingsArea.PlayoffTeam[2] = 6;
    League.StandingsArea.PlayoffTeam[4] = 7;
    League.StandingsArea.PlayoffTeam[16] = 7;
    League.StandingsArea.PlayoffTeam[24] = 7;
    EXPECT_EQ(Get_Team_Playoff_Slot(5), 30);
    EXPECT_EQ(Get_Team_Playoff_Round(5), 4);
    EXPECT_EQ(Get_Team_Playoff_Round(6), 1);
    EXPECT_EQ(Get_Team_Playoff_Slot(7), 24);
    EXPECT_EQ(Get_Team_Playoff_Round(7), 3);
    League.StandingsArea.PlayoffTeam[24] = NO_TEAM;
    EXPECT_EQ(Get_Team_Playoff_Round(7), 2);
    EXPECT_EQ(Get_Team_Playoff_Slot(8), -1);
    EXPECT_EQ(Get_Team_Playoff_Round(8), 0);
    // Empty slots hold NO_TEAM; asking for it finds no slot.
    EXPECT_EQ(Get_Team_Playoff_Slot(NO_TEAM), -1);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Team_Playoff_Slot(-3), -1);
    EXPECT_EQ(Errors_Reported(), 1);
}

// Among equal records the bracket decides the draft order: the teams that
// missed it pick first, then by the round reached, the champion last.
TEST_F(TeamScheduleTest, DraftOrderFollowsThePlayoffRoundReached)
{
    Use_Franchises(5);
    League.StandingsArea.PlayoffTeam[PLAYOFF_CHAMPION_SLOT] = 0;
    League.StandingsArea.PlayoffTeam[28] = 0;
    League.StandingsArea.PlayoffTeam[29] = 1;   // the beaten finalist
    League.StandingsArea.PlayoffTeam[20] = 2;   // out in the division round
    League.StandingsArea.PlayoffTeam[25] = 4;   // out in the conference round
    Set_Draft_Order();
    // All records are equal, so the higher slot holds the better overall
    // place: team 0 has the worst, yet as champion it picks after team 1.
    const int nExpected[5] = {3, 2, 4, 1, 0};
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(Get_Draft_Order_Team(p), nExpected[p]) << p;
}

TEST_F(TeamScheduleTest, AllTimeFiguresAndFranchiseScore)
{
    Use_Franchises(2);
    League.Preferences.nInt[PREF_SEASON_INDEX] = 4;
    const int nPlayoffWins[4] = {0, 1, 2, 0};
    const int nFinish[4] = {3, 4, 7, 8};
    for (int y = 0; y < 4; ++y) {
        Set_Season_Record(0, y, 10, 6, 0);
        League.Team[0].bYearly[y][YEARLY_PLAYOFF_WINS] = static_cast<int8_t>(nPlayoffWins[y]);
        League.Team[0].bYearly[y][YEARLY_PLAYOFF_LOSSES] = 1;
        League.Team[0].nYearly[y][YEARLY_INT_FINISH] = nFinish[y];
    }
    Set_Season_Record(0, 4, 12, 0, 0);   // the season under way is not counted
    League.Team[0].nYearly[4][YEARLY_INT_FINISH] = 8;
    League.Team[0].nFinancialStat[FINANCE_BONUS_POINTS] = 50;

    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_WINS), 40);
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_LOSSES), 24);
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_TIES), 0);
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_PLAYOFF_WINS), 3);
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_PLAYOFF_LOSSES), 4);
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_PLAYOFF_SEASONS), 3);
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_FINAL_SEASONS), 2);
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_TITLE_SEASONS), 1);
    EXPECT_EQ(Get_Team_Power_Stat(0, 9), 0);
    EXPECT_EQ(Get_Team_Power_Stat(0, -1), 0);

    // p = (2 x (40 + 3) + 0) x 1000 / (2 x 64) = 671.875 -> 672; + 50 bonus
    // = 722; weight R(4 x 100,000) = 632; 722 x 632 / 1000 = 456.3 -> 456.
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_FRANCHISE_SCORE), 456);
    // League average of two teams, the second without games or bonus.
    EXPECT_EQ(Get_Team_Power_Stat(ALL_TEAMS, POWER_FRANCHISE_SCORE), 228);
    EXPECT_EQ(Get_Team_Power_Stat(ALL_TEAMS, POWER_WINS), 20);

    // From the tenth season on the score has its full weight: 722.
    League.Preferences.nInt[PREF_SEASON_INDEX] = 10;
    for (int y = 4; y < 10; ++y)
        Set_Season_Record(0, y, 0, 0, 0);
    League.Team[0].nYearly[4][YEARLY_INT_FINISH] = 0;
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_FRANCHISE_SCORE), 722);
    // A large negative bonus gives 0, not a negative score.
    League.Team[0].nFinancialStat[FINANCE_BONUS_POINTS] = -1000;
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_FRANCHISE_SCORE), 0);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Team_Power_Stat(41, POWER_WINS), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Power_Stat([41],1)"));
}

}  // namespace

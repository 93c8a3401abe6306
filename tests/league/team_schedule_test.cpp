#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "league/preferences.h"
#include "league/team_finance_stats.h"
#include "league/team_schedule.h"
#include "season/draft_pool.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

// 32 franchises, an 18-week regular season, season index 3 and week 5, run in
// an empty folder so that "debug.txt" is the test's own.
class TeamScheduleTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"schedule"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Use_Franchises(32);
        Set_Regular_Season_Weeks(18);
        League.Universe.nStat[GAMES_PER_SEASON] = 17;
        League.Preferences.nInt[PREF_SEASON_INDEX] = 3;
        League.Preferences.nInt[PREF_CURRENT_WEEK] = 5;
        League.Preferences.nInt[PREF_DRAFT_ROUND] = DRAFT_OVER_ROUND;
        for (auto& Slot : League.StandingsArea.PlayoffTeam)
            Slot = NO_TEAM;
    }

    static std::string Last_Log_Line()
    {
        std::vector<std::string> Lines = Read_Debug_Log_Lines(true);
        return Lines.empty() ? std::string() : Lines.back();
    }
    static void Expect_Time(int nTeam, int nWeek, int nDay, int nKickoff)
    {
        EXPECT_EQ(Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_DAY_OF_WEEK), nDay) << nTeam << " " << nWeek;
        EXPECT_EQ(Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_KICKOFF_TIME), nKickoff) << nTeam << " " << nWeek;
    }
};

// Each call gives its result and its message: an error report ('E') or a
// line of "debug.txt" ('L'); nothing is written.
TEST_F(TeamScheduleTest, BadIndexesAreRefusedWithTheirMessagesAndWriteNothing)
{
    ASSERT_EQ(Schedule_Game(11, 12, 3, 2, 1930), 1);
    LEAGUE_SNAPSHOT Before;
    const struct {
        int (*Call)();
        int nResult;
        char cKind;
        const char* szText;
    } Case[] = {
        {[]() -> int { return Schedule_Game(33, 4, 5, 2, 1930); }, 0, 'E', "Invalid TNUM in Schedule_Game([33],4,5,2)"},
        {[]() -> int { return Schedule_Game(4, 9, 22, 2, 1930); }, 0, 'E', "Invalid nWeek in Schedule_Game(4,9,22,2)"},
        {[]() -> int { return Clear_Scheduled_Game(4, 37, 3); }, 0, 'E', "nTeam out of bounds in Clear_Scheduled_Game(4,37,3)"},
        {[]() -> int { return Clear_Scheduled_Game(11, 12, 22); }, 0, 'E', "Invalid date in Clear_Scheduled_Game(11,12,22)"},
        {[] { return Toggle_Calendar_PBP_Flag(41, 3), 0; }, 0, 'E', "Invalid nTeam in Toggle_Calendar_PBP_Flag(41,3)"},
        {[] { return Add_Team_Win(36, 1), 0; }, 0, 'E', "nTeam out of bounds in Add_Team_Win()"},
        {[] { return Add_Team_Loss(36, 1), 0; }, 0, 'E', "nTeam out of bounds in Set_Team_Record_Char()"},
        {[] { return Get_League_Yearly_Char_Total(32); }, 0, 'E', "n out of bounds in Get_League_Yearly_Char_Total([32])"},
        {[] { return Get_Team_Recent_Record_Stat(0, 5, 4); }, 0, 'E', "nKind out of bounds in Get_Team_Recent_Record_Stat(0,5,[4])"},
        {[] { return Get_Team_Winning_Streak(200); }, 0, 'E', "nTeam out of bounds in Get_Team_Winning_Streak([200],0)"},
        {[] { return Get_Game_Record(300) == nullptr ? 0 : 1; }, 0, 'E', "nGame out of bounds in Get_Game_Record([300])"},
        {[] { return Get_Team_Game_Stat_Total(26, GAME_TEAM_TOTALS); }, 0, 'E', "n out of bounds in Get_Team_Game_Stat_Total(26,[20])"},
        {[] { return Get_Team_Power_Stat(41, POWER_WINS); }, 0, 'E', "nTeam out of bounds in Get_Team_Power_Stat([41],1)"},
        {[] { return Set_Team_Schedule_Stat(41, 0, 0, 5), 0; }, 0, 'L', "Invalid nTeam in Set_Team_Schedule_Stat(41,0,0)"},
        {[] { return Set_Team_Schedule_Stat(0, 22, 0, 5), 0; }, 0, 'L', "Invalid nWeek in Set_Team_Schedule_Stat(0,22,0,5)"},
        {[] { return Set_Team_Schedule_Stat(0, 0, 5, 5), 0; }, 0, 'L', "Invalid nField in Set_Team_Schedule_Stat(0,0,[5],5)"},
        {[] { return Get_Scheduled_Opponent(41, 3); }, NO_TEAM, 'L', "Invalid nTeam in Get_Scheduled_Opponent([41],3)"},
    };
    for (const auto& c : Case) {
        Errors_Reported();
        EXPECT_EQ(c.Call(), c.nResult) << c.szText;
        if (c.cKind == 'E')
            EXPECT_TRUE(Errors_Reported() == 1 && Last_Error_Contains(c.szText)) << c.szText;
        else
            EXPECT_TRUE(Errors_Reported() == 0 && Last_Log_Line() == c.szText) << c.szText;
    }
    EXPECT_TRUE(Before.Unchanged());

    // A damaged opponent code names no team rather than an index past 40.
    League.Team[0].nSchedule[2][SCHEDULE_OPPONENT] = 500;
    League.Team[0].nSchedule[3][SCHEDULE_OPPONENT] = INT32_MIN;
    EXPECT_EQ(Get_Scheduled_Opponent(0, 2), NO_TEAM);
    EXPECT_EQ(Get_Scheduled_Opponent(0, 3), NO_TEAM);
}

TEST_F(TeamScheduleTest, ScheduleAndClearGames)
{
    ASSERT_EQ(Schedule_Game(4, 9, 3, 2, 1930), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(4, 3, SCHEDULE_OPPONENT), 10);
    EXPECT_EQ(Get_Team_Schedule_Stat(9, 3, SCHEDULE_OPPONENT), -5);
    Expect_Time(9, 3, 2, 1930);
    // A day outside 0-6 becomes Sunday, a time that is no time 13:00.
    ASSERT_EQ(Schedule_Game(1, 2, 1, -3, -1), 1);
    Expect_Time(1, 1, 6, 1300);
    // Week taken for either team: refused without a report.
    EXPECT_EQ(Schedule_Game(11, 9, 3, 2, 1930), 0);

    // 4 plays 9, not 11: clearing "4 v 11" would orphan 9's and 12's entries.
    ASSERT_EQ(Schedule_Game(11, 12, 3, 2, 1930), 1);
    EXPECT_EQ(Clear_Scheduled_Game(4, 11, 3), 0);
    EXPECT_EQ(Clear_Scheduled_Game(9, 4, 3), 1);
    EXPECT_EQ(Get_Scheduled_Opponent(4, 3), NO_TEAM);
    EXPECT_EQ(Get_Scheduled_Opponent(12, 3), 11);
    League.Team[11].nSchedule[7][SCHEDULE_GAME_INDEX] = 44;
    Clear_Scheduled_Games(11);
    EXPECT_EQ(Get_Team_Schedule_Stat(11, 3, SCHEDULE_OPPONENT), 0);
    EXPECT_EQ(Get_Team_Schedule_Stat(11, 7, SCHEDULE_GAME_INDEX), NO_GAME_RECORD);

    // Without a day and time both come from the template cell. 32 teams, home 5, away 6: column 14; week 3 is row 3, the Monday game at 2015.
    ASSERT_EQ(Schedule_Game(5, 6, 3, -1, -1), 1);
    Expect_Time(5, 3, 0, 2015);
    // Week 19 reads row 2 (a row 19 does not exist and would give Sunday).
    ASSERT_EQ(Schedule_Game(5, 6, 19, -1, -1), 1);
    Expect_Time(5, 19, 0, 2015);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamScheduleTest, HomeAndAwayCountsCoverTheRegularWeeks)
{
    for (auto [nHome, nAway, nWeek] : {std::array{0, 1, 0}, {0, 1, 1}, {1, 0, 2}, {0, 2, 17}, {0, 3, 18}, {3, 0, 20}})
        ASSERT_EQ(Schedule_Game(nHome, nAway, nWeek, 6, 1300), 1);
    EXPECT_EQ(Count_Team_Home_Games(0), 3);
    // A shorter season (a new schedule counted before its calendar is set):
    // the first 18 weeks count all the same, so the week-17 game is not lost.
    Set_Regular_Season_Weeks(15);
    EXPECT_EQ(Count_Home_Games_Against(0, 2), 1);
    Set_Regular_Season_Weeks(0);   // no calendar yet: every week counts
    EXPECT_EQ(Count_Team_Home_Games(0), 4);
    EXPECT_EQ(Count_Team_Away_Games(0), 2);
}

TEST_F(TeamScheduleTest, ResultsPercentageAndRecordTexts)
{
    for (int i = 0; i < 7; ++i)
        Add_Team_Win(2, i < 4);
    for (int i = 0; i < 6; ++i)
        Add_Team_Loss(2, i < 1);
    Add_Team_Tie(2, 0);
    EXPECT_EQ(Get_Team_Winning_Percentage(2), 536);   // 15,000 / 28 = 535.7
    char szText[RECORD_TEXT_SIZE];
    EXPECT_EQ(Format_Team_Record(szText, 2), 1);
    EXPECT_STREQ(szText, "7-6-1");
    Format_Team_Current_Record(szText, 2);
    EXPECT_STREQ(szText, "7 - 6 - 1");
    // The first playoff week: a win is a playoff win, a tie still a tie.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 18;
    Add_Team_Win(2, 1);
    EXPECT_EQ(Get_Team_Playoff_Wins(2), 1);

    // Ties only: no record text, half the games won; no games: 0.
    Set_Season_Record(3, 3, 0, 0, 2);
    EXPECT_EQ(Format_Team_Record(szText, 3), 0);
    EXPECT_EQ(Get_Team_Winning_Percentage(3), 500);
    EXPECT_EQ(Get_Team_Winning_Percentage(4), 0);

    // A loss past 127 is refused, reported once, and its home split is not
    // counted.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 5;
    League.Team[0].bYearly[3][YEARLY_LOSSES] = 127;
    Errors_Reported();
    Add_Team_Loss(0, 1);
    EXPECT_TRUE(Last_Error_Contains("cValue out of bounds in Set_Team_Yearly_Char()"));
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_EQ(Get_Team_Losses(0), 127);
    EXPECT_EQ(Get_Team_Home_Losses(0), 0);
    // A season index past the table writes nothing.
    League.Preferences.nInt[PREF_SEASON_INDEX] = 100;
    LEAGUE_SNAPSHOT Before;
    Add_Team_Win(0, 0);
    EXPECT_TRUE(Last_Error_Contains("nYear out of bounds in Set_Team_Yearly_Char()"));
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(TeamScheduleTest, YearlyRecordTextCountsSeasonsBack)
{
    Set_Season_Record(0, 2, 13, 5, 0);
    char szText[RECORD_TEXT_SIZE];
    Format_Team_Yearly_Record(szText, 0, 1);
    EXPECT_STREQ(szText, "13-5");
    Format_Team_Yearly_Record(szText, 0, 5);   // before the first season
    EXPECT_STREQ(szText, "0-0");
    EXPECT_EQ(Last_Log_Line(), "Invalid nYear in Get_Team_Yearly_Char(0,-2,0)");
}

TEST_F(TeamScheduleTest, StreaksAndRecentFormCountFinishedFranchiseGames)
{
    Put_Game(0, 0, 1, 10, 20);                // 0 loses at 1
    Put_Game(1, 2, 0, 17, 24);                // 0 wins at home
    Put_Game(2, 0, FREE_AGENT_TEAM, 40, 0);   // no franchise game: ignored
    Put_Game(3, 0, 3, 30, 3);                 // 0 wins away
    EXPECT_EQ(Get_Team_Winning_Streak(0), 2);
    char szText[RECORD_TEXT_SIZE];
    Format_Team_Recent_Record(szText, 0, 5);
    EXPECT_STREQ(szText, "2-1");
    EXPECT_EQ(Find_Team_Last_Game(6), 3);   // none of its own: the latest played

    Put_Game(4, 0, 2, 7, 0, 0, 1200);   // under way: passed over
    EXPECT_EQ(Get_Team_Winning_Streak(0), 2);
    // The off-season: the records count the new season, the games above are
    // the last one's. No form, no streak.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = OFFSEASON_WEEK;
    EXPECT_EQ(Get_Team_Winning_Streak(0), 0);
    EXPECT_EQ(Get_Team_Losing_Streak(3), 0);
    Format_Team_Recent_Record(szText, 0, 5);
    EXPECT_STREQ(szText, "0-0");
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 5;
    EXPECT_EQ(Get_Team_Losing_Streak(3), 1);   // beaten at home by 0
    Put_Game(4, 3, 0, 17, 17);          // a finished tie ends the run
    EXPECT_EQ(Get_Team_Winning_Streak(0), 0);
    Format_Team_Recent_Record(szText, 0, 2);
    EXPECT_STREQ(szText, "1-0-1");
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamScheduleTest, ScansAndSumsReachEveryRecordInUse)
{
    // 33 teams and 290 games: the records past 285 count like the others.
    Use_Franchises(33);
    const int nGames = 290;
    for (int i = 0; i < nGames; ++i) {
        Put_Game(i, i % 33, (i + 1) % 33, 1, 2);
        League.Game[i].nTeamTotal[GAME_SIDE_AWAY][GAME_TOTAL_FIRST_DOWNS] = 10;
        League.Game[i].nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_FIRST_DOWNS] = 20;
        Add_Team_Win((i + 1) % 33, 1);
        Add_Team_Loss(i % 33, 0);
    }
    EXPECT_EQ(Count_League_Games(), 2 * nGames);
    EXPECT_EQ(Get_League_Game_Team_Stat_Total(GAME_TOTAL_FIRST_DOWNS), 30 * nGames);
    // Record 289 is 25 at 26; team 26 is away 8 times and at home 9 times.
    EXPECT_EQ(Find_Team_Last_Game(25), 289);
    EXPECT_EQ(Get_Team_Game_Stat_Total(26, GAME_TOTAL_FIRST_DOWNS), 8 * 10 + 9 * 20);
    // A record not in use (both team bytes alike) between used ones adds nothing.
    League.Game[100].nAwayTeam = League.Game[100].nHomeTeam = 0;
    EXPECT_EQ(Get_League_Points_Total(), 3 * (nGames - 1));
    EXPECT_EQ(Count_Season_Game_Records(), nGames);
}

TEST_F(TeamScheduleTest, PlayoffRoundAndDraftOrder)
{
    Use_Franchises(5);
    for (auto [nSlot, nTeam] : {std::array{3, 3}, {17, 3}, {25, 3}, {2, 2}, {20, 2}, {PLAYOFF_CHAMPION_SLOT, 0},
                                {28, 0}, {29, 1}, {25, 4}})
        League.StandingsArea.PlayoffTeam[nSlot] = nTeam;
    EXPECT_EQ(Get_Team_Playoff_Round(0), 4);
    EXPECT_EQ(Get_Team_Playoff_Slot(3), 17);   // slot 25 is team 4's now
    EXPECT_EQ(Get_Team_Playoff_Round(3), 2);
    League.StandingsArea.PlayoffTeam[2] = League.StandingsArea.PlayoffTeam[17] = League.StandingsArea.PlayoffTeam[3] = NO_TEAM;
    // The playoffs have begun (the first playoff day, 18): the order keeps
    // this bracket rather than seeding one from the standings.
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 18;
    // Among equal records the teams out of the bracket pick first, then by
    // the round reached, the champion last.
    Set_Draft_Order();
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

    // p = 86,000 / 128 = 671.9 -> 672; + 50 bonus = 722; x weight 632 / 1000 = 456.
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_FRANCHISE_SCORE), 456);
    // From the tenth season on the score has its full weight: 722.
    League.Preferences.nInt[PREF_SEASON_INDEX] = 10;
    for (int y = 4; y < 10; ++y)
        Set_Season_Record(0, y, 0, 0, 0);
    League.Team[0].nYearly[4][YEARLY_INT_FINISH] = 0;
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_FRANCHISE_SCORE), 722);
    League.Team[0].nFinancialStat[FINANCE_BONUS_POINTS] = -1000;   // 0, not negative
    EXPECT_EQ(Get_Team_Power_Stat(0, POWER_FRANCHISE_SCORE), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

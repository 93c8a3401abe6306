// Historical schedule files, written by each test into a scratch folder of
// its own.
//
// The teams are named so that the reader finds them by their full name
// ("City Nickname", any case), which is also the first rule of the club
// name lookup: the tests hold whatever that lookup does with other forms.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/random.h"
#include "league/calendar.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "schedule/historical_schedules.h"
#include "schedule/schedule_driver.h"
#include "test_support.h"

namespace {

// Teams 0-3 in one conference (divisions 0 and 1), 4-7 in the other
// (divisions 4 and 5).
const char* const CITY[8] = {"Alder", "Birch", "Cedar", "Dogwood", "Elm", "Fir", "Gum", "Hazel"};
const char* const NICKNAME[8] = {"Owls", "Bears", "Foxes", "Hawks", "Wolves", "Lynx", "Rams", "Eagles"};

std::string Name(int t)
{
    return std::string(CITY[t]) + " " + NICKNAME[t];
}

// "week,away,home,Sun,9/1"
std::string Line(int nWeek, int nAway, int nHome)
{
    return std::to_string(nWeek) + "," + Name(nAway) + "," + Name(nHome) + ",Sun,9/1";
}

const char* const HEADER = "Week,Away_Team,Home_Team,Day,Date";

class HistoricalScheduleTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Folder{"historical"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        Seed_Random_Numbers(77);
        ASSERT_TRUE(files::Create_Folders("Input/Schedules"));
        Build_League(8, 12, 1965);
    }

    static void Build_League(int nTeams, int nGames, int nYear)
    {
        Use_Franchises(nTeams);
        for (int t = 0; t < nTeams; ++t) {
            Set_Team_Stat(t, TEAM_STAT_DIVISION, t < 4 ? t / 2 : 4 + (t - 4) / 2);
            Set_Team_String(CITY[t % 8], t, TEAM_STRING_CITY);
            Set_Team_String(NICKNAME[t % 8], t, TEAM_STRING_NICKNAME);
        }
        Set_Universe_Stat(GAMES_PER_SEASON, nGames);
        Set_Universe_Stat(FIRST_SEASON_YEAR, nYear);
        Set_Universe_Stat(WILD_CARD_TEAMS, 0);
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        Clear_League_Schedule();
    }

    static void Write_File(const std::string& Path, const std::string& Text)
    {
        FILE* pFile = std::fopen(Path.c_str(), "wb");
        ASSERT_NE(pFile, nullptr) << Path;
        std::fwrite(Text.data(), 1, Text.size(), pFile);
        std::fclose(pFile);
    }

    // A file of a header and the lines, each ended by szEnd.
    static void Write_Schedule(const std::string& Path, const std::vector<std::string>& Lines,
                               const char* szEnd = "\n")
    {
        std::string Text = std::string(HEADER) + szEnd;
        for (const std::string& L : Lines)
            Text += L + szEnd;
        Write_File(Path, Text);
    }

    static int Games_Of(int nTeam)
    {
        int n = 0;
        for (int w = 0; w < SCHEDULE_WEEKS; ++w)
            n += Get_Team_Schedule_Stat(nTeam, w, SCHEDULE_OPPONENT) != 0 ? 1 : 0;
        return n;
    }

    static int Total_Games(int nTeams = 8)
    {
        int n = 0;
        for (int t = 0; t < nTeams; ++t)
            n += Games_Of(t);
        return n / 2;
    }

    // nHome hosts nAway in week index nWeek.
    static bool Plays(int nHome, int nAway, int nWeek)
    {
        return Get_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT) == nAway + 1
            && Get_Team_Schedule_Stat(nAway, nWeek, SCHEDULE_OPPONENT) == -(nHome + 1);
    }

    // Two weeks of one conference: 0-1, 2-3 then 1-2, 3-0 (week fields
    // nFirst and nFirst + 1); the other conference the same.
    static std::vector<std::string> Two_Weeks(int nFirst, int nConference)
    {
        const int b = 4 * nConference;
        return {Line(nFirst, b + 0, b + 1), Line(nFirst, b + 2, b + 3), Line(nFirst + 1, b + 1, b + 2),
                Line(nFirst + 1, b + 3, b + 0)};
    }
};

// ---------------------------------------------------------------------------
// The reader

TEST_F(HistoricalScheduleTest, GamesAreEnteredByWeekWithTheHomeTeamSecond)
{
    Write_Schedule("Input/Schedules/1965-NFL.csv", {Line(1, 0, 1), Line(18, 2, 3), Line(3, 4, 5)});
    Import_Schedule_File("Input/Schedules/1965-NFL.csv");
    EXPECT_TRUE(Plays(1, 0, 0));
    EXPECT_TRUE(Plays(3, 2, 17));
    EXPECT_TRUE(Plays(5, 4, 2));
    EXPECT_EQ(Total_Games(), 3);
    // Weekday and kick-off from the default rule: a time of day, a weekday.
    const int nKickoff = Get_Team_Schedule_Stat(1, 0, SCHEDULE_KICKOFF_TIME);
    EXPECT_GT(nKickoff, 0);
    EXPECT_LE(Get_Team_Schedule_Stat(1, 0, SCHEDULE_DAY_OF_WEEK), 6);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(HistoricalScheduleTest, AFileWithOnlyItsHeaderEntersNothing)
{
    Write_File("Input/Schedules/1965-NFL.csv", std::string(HEADER) + "\n");
    Import_Schedule_File("Input/Schedules/1965-NFL.csv");
    EXPECT_EQ(Total_Games(), 0);
    // Without its line end too; and an empty file.
    Write_File("Input/Schedules/1965-NFL.csv", HEADER);
    Import_Schedule_File("Input/Schedules/1965-NFL.csv");
    Write_File("Input/Schedules/1965-NFL.csv", "");
    Import_Schedule_File("Input/Schedules/1965-NFL.csv");
    EXPECT_EQ(Total_Games(), 0);
    // The first line is skipped whatever it holds.
    Write_File("Input/Schedules/1965-NFL.csv", Line(1, 0, 1) + "\n" + Line(2, 2, 3));
    Import_Schedule_File("Input/Schedules/1965-NFL.csv");
    EXPECT_EQ(Total_Games(), 1);
    EXPECT_TRUE(Plays(3, 2, 1));
    // A missing file adds nothing and says nothing.
    Import_Schedule_File("Input/Schedules/1900-NFL.csv");
    EXPECT_EQ(Total_Games(), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Errors_Reported(), 0);
}

// Windows line ends: the home team's name carries no CR.
TEST_F(HistoricalScheduleTest, CrLfLinesAreRead)
{
    Write_Schedule("Input/Schedules/1965-NFL.csv", {"1," + Name(0) + "," + Name(1), Line(2, 2, 3)}, "\r\n");
    Import_Schedule_File("Input/Schedules/1965-NFL.csv");
    EXPECT_TRUE(Plays(1, 0, 0));
    EXPECT_TRUE(Plays(3, 2, 1));
    EXPECT_EQ(Total_Games(), 2);
    // A stray CR before the CR LF, and a last line ending in CR alone.
    Clear_League_Schedule();
    Write_File("Input/Schedules/1965-NFL.csv",
               std::string(HEADER) + "\r\n1," + Name(4) + "," + Name(5) + "\r\r\n2," + Name(6) + "," + Name(7) + "\r");
    Import_Schedule_File("Input/Schedules/1965-NFL.csv");
    EXPECT_TRUE(Plays(5, 4, 0));
    EXPECT_TRUE(Plays(7, 6, 1));
}

// A line of more than 2,047 characters is cut: its first fields still count,
// its tail is not read as a line of its own, and a name longer than the
// buffer matches nothing.
TEST_F(HistoricalScheduleTest, AnOverLongLineIsCut)
{
    const std::string Tail(5000, 'x');
    Write_Schedule("Input/Schedules/1965-NFL.csv",
                   {Line(1, 0, 1) + "," + Tail + "," + "2," + Name(2) + "," + Name(3),
                    "3," + Name(4) + "," + Name(5) + Tail, "4," + Tail + "," + Name(7), Line(5, 6, 7)});
    Import_Schedule_File("Input/Schedules/1965-NFL.csv");
    EXPECT_TRUE(Plays(1, 0, 0));
    EXPECT_EQ(Games_Of(2), 0);
    EXPECT_EQ(Games_Of(4), 0);
    EXPECT_TRUE(Plays(7, 6, 4));
    EXPECT_EQ(Total_Games(), 2);
}

// Week fields: 1 to 18 count (index 0-17); 0 and 19 do not; blanks before
// the digits and anything after them are allowed; no digits reads as 0.
TEST_F(HistoricalScheduleTest, OnlyWeeksOneToEighteenCount)
{
    EXPECT_EQ(Read_Schedule_Week_Number("  7th"), 7);
    EXPECT_EQ(Read_Schedule_Week_Number("\t12"), 12);
    EXPECT_EQ(Read_Schedule_Week_Number("Week 3"), 0);
    EXPECT_EQ(Read_Schedule_Week_Number(""), 0);
    EXPECT_EQ(Read_Schedule_Week_Number("-3"), 0);
    EXPECT_EQ(Read_Schedule_Week_Number("99999999999999999999"), 1000000);
    EXPECT_EQ(Read_Schedule_Week_Number(nullptr), 0);

    Write_Schedule("Input/Schedules/1965-NFL.csv",
                   {Line(0, 0, 1), Line(19, 2, 3), " 18x," + Name(4) + "," + Name(5), "Week," + Name(6) + "," + Name(7),
                    Line(1000, 0, 2)});
    Import_Schedule_File("Input/Schedules/1965-NFL.csv");
    EXPECT_TRUE(Plays(5, 4, 17));
    EXPECT_EQ(Total_Games(), 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

// Names of no team, a team out of use, a team against itself, lines of fewer
// than three fields and a second game of a team in one week enter nothing.
TEST_F(HistoricalScheduleTest, UnknownNamesAndShortLinesEnterNothing)
{
    Use_Franchises(7);   // team 7 (Hazel Eagles) no longer in use
    Write_Schedule("Input/Schedules/1965-NFL.csv",
                   {"1,Nowhere Nobodies," + Name(1), "1," + Name(0) + ",Ghost Town", Line(2, 6, 7), Line(3, 0, 0),
                    "4," + Name(0), "4", "", ",,", Line(5, 0, 1), Line(5, 2, 0), Line(6, 2, 3)});
    Import_Schedule_File("Input/Schedules/1965-NFL.csv");
    EXPECT_TRUE(Plays(1, 0, 4));
    EXPECT_TRUE(Plays(3, 2, 5));
    EXPECT_EQ(Total_Games(7), 2);
    EXPECT_EQ(Errors_Reported(), 0);
    // Names in any case.
    Write_Schedule("Input/Schedules/1965-NFL.csv", {"7,ALDER OWLS,birch bears"});
    Import_Schedule_File("Input/Schedules/1965-NFL.csv");
    EXPECT_TRUE(Plays(1, 0, 6));
}

// ---------------------------------------------------------------------------
// Choosing a year

// A year of two leagues: both files make one schedule.
TEST_F(HistoricalScheduleTest, TheTwoLeaguesOfAYearMakeOneSchedule)
{
    Write_Schedule("Input/Schedules/1965-NFL.csv", Two_Weeks(1, 0));
    Write_Schedule("Input/Schedules/1965-AFL.csv", Two_Weeks(1, 1));
    EXPECT_EQ(Load_Builtin_Schedule(), 1);
    EXPECT_TRUE(Plays(1, 0, 0));
    EXPECT_TRUE(Plays(5, 4, 0));
    EXPECT_TRUE(Plays(4, 7, 1));
    EXPECT_EQ(Total_Games(), 8);
}

// An empty year is no schedule: its files enter nothing (a header only, or
// names of other teams), so the earlier years are tried; the year whose
// files fit is taken whole, and nothing of the later years stays.
TEST_F(HistoricalScheduleTest, AnEmptyYearFallsBackToAnEarlierOne)
{
    Write_Schedule("Input/Schedules/1965-NFL.csv", {"1,Nowhere Nobodies,Ghost Town"});
    Write_Schedule("Input/Schedules/1965-AFL.csv", {});
    // 1964: the first conference only; its other conference has no game.
    Write_Schedule("Input/Schedules/1964-NFL.csv", Two_Weeks(1, 0));
    // 1963: both, in weeks 3 and 4.
    std::vector<std::string> Lines = Two_Weeks(3, 0);
    for (const std::string& L : Two_Weeks(3, 1))
        Lines.push_back(L);
    Write_Schedule("Input/Schedules/1963-NFL.csv", Lines);
    EXPECT_EQ(Load_Builtin_Schedule(), 1);
    EXPECT_TRUE(Plays(1, 0, 2));
    EXPECT_TRUE(Plays(5, 4, 2));
    EXPECT_EQ(Get_Team_Schedule_Stat(0, 0, SCHEDULE_OPPONENT), 0);
    EXPECT_EQ(Total_Games(), 8);
    EXPECT_EQ(Get_Last_Scheduled_Week(), 4);
}

// A conference whose teams end with different counts is refused and cleared.
TEST_F(HistoricalScheduleTest, UnequalCountsAreRefused)
{
    std::vector<std::string> Lines = Two_Weeks(1, 0);
    for (const std::string& L : Two_Weeks(1, 1))
        Lines.push_back(L);
    Lines.push_back(Line(5, 0, 1));   // teams 0 and 1 play three games
    Write_Schedule("Input/Schedules/1965-NFL.csv", Lines);
    EXPECT_EQ(Load_Builtin_Schedule(), 0);
    EXPECT_EQ(Total_Games(), 0);
    EXPECT_EQ(Get_Last_Scheduled_Week(), 0);
}

// No file of any year from the season's year to 1950: 0, an empty
// schedule. A year before 1950 tries nothing.
TEST_F(HistoricalScheduleTest, NoYearAtAllGivesNothing)
{
    Write_Schedule("Input/Schedules/1949-NFL.csv", Two_Weeks(1, 0));
    EXPECT_EQ(Load_Builtin_Schedule(), 0);
    EXPECT_EQ(Total_Games(), 0);
    Build_League(8, 12, 1949);
    EXPECT_EQ(Load_Builtin_Schedule(), 0);
    EXPECT_EQ(Total_Games(), 0);
}

// ---------------------------------------------------------------------------
// The driver

// A file of 2000 (17 games) is used; one of 2001 never is.
TEST_F(HistoricalScheduleTest, TheDriverReadsFilesOnlyBefore2001)
{
    std::vector<std::string> Lines = Two_Weeks(1, 0);
    for (const std::string& L : Two_Weeks(1, 1))
        Lines.push_back(L);
    Write_Schedule("Input/Schedules/2000-NFL.csv", Lines);
    Write_Schedule("Input/Schedules/2001-NFL.csv", Lines);
    Build_League(8, 17, 2000);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_EQ(Total_Games(), 8);
    EXPECT_EQ(Get_Season_Playoff_Day(0), 2);

    Build_League(8, 17, 2001);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_EQ(Games_Of(0), 17);
    EXPECT_EQ(Get_Season_Playoff_Day(0), 18);
}

// Before 1961 a season of 14 games takes no file; 19 games are stored as 17
// and still read the file of 1990.
TEST_F(HistoricalScheduleTest, TheSeasonLengthMustSuitTheEra)
{
    std::vector<std::string> Lines = Two_Weeks(1, 0);
    for (const std::string& L : Two_Weeks(1, 1))
        Lines.push_back(L);
    Write_Schedule("Input/Schedules/1960-NFL.csv", Lines);
    Write_Schedule("Input/Schedules/1990-NFL.csv", Lines);
    Build_League(8, 14, 1960);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_EQ(Games_Of(0), 14);

    Build_League(8, 19, 1990);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_EQ(League.Universe.nStat[GAMES_PER_SEASON], 17);
    EXPECT_EQ(Total_Games(), 8);
}

// 12 teams with 12 games in 1970 and no file: the 12-team table.
TEST_F(HistoricalScheduleTest, WithoutFilesTheGeneratorsServe)
{
    Build_League(8, 12, 1970);
    Use_Franchises(12);
    for (int t = 8; t < 12; ++t)
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t < 10 ? 1 : 5);
    EXPECT_TRUE(Generate_League_Schedule());
    EXPECT_TRUE(Is_Schedule_Complete(12));
    EXPECT_EQ(Get_Season_Playoff_Day(0), 12);
}

}  // namespace

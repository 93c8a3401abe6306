// Division rivals meet home and away in the leagues the program ships and
// builds: the default league and a league database built from the fictional
// history, for every start year of 1990-2030 and seasons of 16 and 17 games,
// and the smaller leagues of 24-31 clubs the history builds for 1995.
// The fixed team orders of the tables number the clubs another way than
// these leagues do; a season must still pair every division.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "gamefile/database_builder.h"
#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "schedule/schedule_driver.h"
#include "test_support.h"
#include "tools/default_league/default_league.h"
#include "tools/default_league_inputs.h"
#include "tools/fictional_history/fictional_history.h"

namespace {

constexpr int FIRST_START_YEAR = 1990;
constexpr int LAST_START_YEAR = 2030;

class DivisionRivalsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Copy_Default_League_Inputs();
    }

    // Every club of the league plays nGames in nGames + 1 weeks (one week
    // off) and meets each division rival once at home and once away. The
    // first fault found is returned; empty when there is none.
    static std::string Schedule_Fault(int nGames)
    {
        std::ostringstream Fault;
        const int nTeams = Count_Teams();
        for (int t = 0; t < nTeams && Fault.str().empty(); ++t) {
            int nPlayed = 0;
            int nOff = 0;
            for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
                const bool bGame = Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT) != 0;
                nPlayed += bGame ? 1 : 0;
                nOff += !bGame && w <= nGames ? 1 : 0;
                if (bGame && w > nGames)
                    Fault << "team " << t << " plays in week " << w << "; ";
            }
            if (nPlayed != nGames)
                Fault << "team " << t << " plays " << nPlayed << " games; ";
            if (nOff != 1)
                Fault << "team " << t << " has " << nOff << " weeks off; ";
            for (int r = 0; r < nTeams; ++r) {
                if (r == t || Get_Team_Stat(r, TEAM_STAT_DIVISION) != Get_Team_Stat(t, TEAM_STAT_DIVISION))
                    continue;
                if (Count_Home_Games_Against(t, r) != 1 || Count_Away_Games_Against(t, r) != 1)
                    Fault << "team " << t << " hosts " << r << " " << Count_Home_Games_Against(t, r)
                          << " times and visits it " << Count_Away_Games_Against(t, r) << " times; ";
            }
        }
        return Fault.str();
    }

    // The league as it stands, scheduled for every start year and both
    // season lengths by the driver.
    static void Expect_Every_Year_Pairs_The_Divisions()
    {
        ASSERT_EQ(Count_Teams(), 32);
        ASSERT_TRUE(Check_Eight_Divisions_Of_Four());
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        for (int nGames : {16, 17}) {
            for (int nYear = FIRST_START_YEAR; nYear <= LAST_START_YEAR; ++nYear) {
                Set_Universe_Stat(GAMES_PER_SEASON, nGames);
                Set_Universe_Stat(FIRST_SEASON_YEAR, nYear);
                ASSERT_TRUE(Generate_League_Schedule()) << nYear << ", " << nGames << " games";
                EXPECT_EQ(Schedule_Fault(nGames), "") << nYear << ", " << nGames << " games";
            }
        }
        EXPECT_TRUE(ui::Shown_Boxes().empty());
    }

    // The fictional history of nTeams clubs for nYear, built into that
    // year's database and loaded.
    static void Load_History_League(int nTeams, int nYear)
    {
        std::string Problem;
        HISTORY_OPTIONS History;
        History.nFirstYear = nYear;
        History.nLastYear = nYear;
        History.nTeams = nTeams;
        HISTORY_SUMMARY Summary;
        ASSERT_TRUE(Write_Fictional_History(History, Summary, Problem)) << Problem;
        ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
        ASSERT_TRUE(files::Create_Folders("Databases"));
        ASSERT_EQ(Save_Game(BUILD_TEMPLATE_DATABASE), 0);
        Remember_League_Fingerprint();
        ui::Clear_Shown_Boxes();
        const DATABASE_BUILD_RESULT Result = Create_Universe_Database(nYear);
        ASSERT_EQ(Result.nBuilt, 1) << Result.Problem;
        const std::string Path = "databases/universe-" + std::to_string(nYear) + ".dat";
        ASSERT_EQ(Load_Universe_Database(Path.c_str()), 1);
        ui::Clear_Shown_Boxes();
    }

    SCRATCH_FOLDER Scratch{"division_rivals"};
};

class SmallerLeagueRivalsTest : public DivisionRivalsTest, public ::testing::WithParamInterface<int> {};

TEST_F(DivisionRivalsTest, TheDefaultLeagueMeetsItsRivalsEveryYear)
{
    std::string Problem;
    ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
    Expect_Every_Year_Pairs_The_Divisions();
}

TEST_F(DivisionRivalsTest, ALeagueBuiltFromTheHistoryMeetsItsRivalsEveryYear)
{
    Load_History_League(32, 2010);
    if (HasFatalFailure())
        return;
    Expect_Every_Year_Pairs_The_Divisions();
}

// The clubs of a smaller history stand in divisions of three to four (the
// tables of 26, 28, 30 and 31 clubs were laid out for others); each
// season from the database's year on still pairs every division, and every
// club is at home in half its games.
TEST_P(SmallerLeagueRivalsTest, TheHistorysLeagueMeetsItsRivalsEverySeason)
{
    const int nTeams = GetParam();
    Load_History_League(nTeams, 1995);
    if (HasFatalFailure())
        return;
    ASSERT_EQ(Count_Teams(), nTeams);
    ASSERT_EQ(Get_Games_Per_Season(), 16);
    for (int nSeason = 0; nSeason < 12; ++nSeason) {
        Set_User_Preference(PREF_SEASON_INDEX, nSeason);
        ASSERT_TRUE(Generate_League_Schedule()) << 1995 + nSeason;
        EXPECT_EQ(Schedule_Fault(16), "") << 1995 + nSeason;
        for (int t = 0; t < nTeams; ++t) {
            int nHome = 0;
            for (int w = 0; w < SCHEDULE_WEEKS; ++w)
                nHome += Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT) > 0 ? 1 : 0;
            EXPECT_EQ(nHome, 8) << "team " << t << " in " << 1995 + nSeason;
        }
    }
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(TwentyFourToThirtyOneClubs, SmallerLeagueRivalsTest, ::testing::Range(24, 32));

}  // namespace

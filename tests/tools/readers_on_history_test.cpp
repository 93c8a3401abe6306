// The readers of the database build on a generated fictional history: every
// line of a year's files finds its club or player, with no box and no report.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "league/cities.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/salary_cap.h"
#include "league/team.h"
#include "season/team_records_file.h"
#include "test_support.h"
#include "tools/default_league/default_league.h"
#include "tools/default_league_inputs.h"
#include "tools/fictional_history/fictional_history.h"
#include "tools/input_readers.h"
#include "tools/stat_readers.h"

namespace {

constexpr int YEAR = 2010;
constexpr int TEAMS = 12;

// Lines of a file that hold text, the header counted.
int Count_Text_Lines(const std::string& Path)
{
    const std::string Text = Read_Text_File(Path);
    int n = 0;
    size_t nStart = 0;
    while (nStart < Text.size()) {
        size_t nEnd = Text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Text.size();
        n += nEnd > nStart ? 1 : 0;
        nStart = nEnd + 1;
    }
    return n;
}

class ReadersOnHistoryTest : public LeagueTest {};

TEST_F(ReadersOnHistoryTest, EveryLineOfTheYearFindsItsClubOrPlayer)
{
    SCRATCH_FOLDER Scratch("readers_on_history");
    Copy_Default_League_Inputs();
    HISTORY_OPTIONS Options;
    Options.nFirstYear = Options.nLastYear = YEAR;
    Options.nTeams = TEAMS;
    HISTORY_SUMMARY Summary;
    std::string Problem;
    ASSERT_TRUE(Write_Fictional_History(Options, Summary, Problem)) << Problem;

    // A cleared league of the year with the data folder's cities.
    std::vector<CITY_ROW> Cities;
    ASSERT_TRUE(Read_Cities_File(DEFAULT_LEAGUE_CITIES_FILE, Cities, Problem)) << Problem;
    for (size_t c = 0; c < Cities.size() && c < NUMBER_OF_CITIES; ++c)
        Set_City_Name(static_cast<int>(c), Cities[c].Name.c_str());
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_NOT_IN_USE);
    Set_Universe_Stat(FIRST_SEASON_YEAR, YEAR);
    Set_Universe_Stat(SALARY_CAP, Get_Season_Salary_Cap(YEAR));
    Update_Inflation_Factor();
    Reset_Error_Count();

    EXPECT_EQ(Read_League_File(), 2);
    EXPECT_EQ(Read_Teams_File(), TEAMS);
    const int nRosterLines = Count_Text_Lines("Input/Stats/2010_rosters.csv") - 1;
    EXPECT_EQ(Read_Rosters_File(YEAR), nRosterLines);
    EXPECT_EQ(Read_Players_File(), nRosterLines);
    EXPECT_EQ(Read_Salaries_File(), Count_Text_Lines("Input/Stats/2010_salaries.csv") - 1);
    EXPECT_EQ(Read_Caproom_File(), TEAMS);
    EXPECT_EQ(Read_Wins_File(), TEAMS);
    EXPECT_GE(Read_Combine_Results_File(), 0);
    EXPECT_EQ(Read_Personnel_File(), TEAMS);
    Read_Team_Records_File();

    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        ADD_FAILURE() << Box.Caption << ": " << Box.Text;
    EXPECT_EQ(Errors_Reported(), 0) << Get_Recent_Errors();
    for (int t = 0; t < TEAMS; ++t) {
        EXPECT_GT(Count_Team_Players(t), 40) << t;
        EXPECT_GE(Get_Team_Stat(t, TEAM_STAT_PROJECTED_WINS), 0) << t;
        EXPECT_GT(Get_Team_Stat(t, TEAM_STAT_TEAM_QUALITY), 0) << t;
        const int nPercentage = Get_Team_Stat(t, TEAM_STAT_WINNING_PERCENTAGE);
        EXPECT_TRUE(nPercentage >= 0 && nPercentage <= 1000) << t;
    }
    // Every salaried player is marked, and no line went to the missing list.
    EXPECT_LE(Count_Text_Lines("Input/Stats/Salaries-Missing.csv"), 1);   // a header at most
}

}  // namespace

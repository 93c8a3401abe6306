// The developer tools of salaries, play names, season lines, predicted
// statistics, renaming and the simulation words, on a small league.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/playbooks.h"
#include "gamefile/developer_tools.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "league/league_fixture.h"
#include "platform/ui.h"
#include "season/day_advance.h"
#include "season/player_generation.h"
#include "test_support.h"

namespace {

std::vector<std::string> Lines_Of(const std::string& Text)
{
    std::vector<std::string> Lines;
    std::istringstream In(Text);
    for (std::string Line; std::getline(In, Line);)
        Lines.push_back(Line);
    return Lines;
}

class DeveloperSalaryToolsTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"developer_salary_tools"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
    }
    void TearDown() override
    {
        Reset_Name_Pool();
        ui::Reset();
    }

    // A player with every rating 0 and the salary in thousands.
    static void Paid(int nTeam, int nSlot, int nID, int nPosition, int nThousands)
    {
        Put_Player(nTeam, nSlot, nID, nPosition, 0.0f);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nThousands);
    }
};

TEST_F(DeveloperSalaryToolsTest, SalaryValuesAndReportWorkedByHand)
{
    Use_Franchises(2);
    Set_Team_String("AAA", 0, TEAM_STRING_ABBREVIATION);
    Set_Team_String("BBB", 1, TEAM_STRING_ABBREVIATION);
    // Ratings read no lower than 20. A quarterback: grades 400 PB 20, 401
    // RBk 70, 402 0.45 x (20 + 20) = 18, 403 power 75, 404 5 + 2 + 2 + 2 = 11,
    // 405 accuracy 20, 406 red zone 100: value 5 + 10 + 35 = 50, raw sum 314.
    Paid(0, 0, 11, POSITION_QB, 25000);
    Set_Player_Rating(0, 0, RATING_RUN_BLOCKING, 70.0f);
    Set_Player_Rating(0, 0, RATING_POWER, 75.0f);
    Set_Player_Rating(0, 0, RATING_RED_ZONE, 100.0f);
    // A back at the floor: 20, 20, 18, 20, receiving 20, 405 11, 20: value
    // 0, raw sum 129.
    Paid(0, 1, 12, POSITION_RB, 15000);
    // A defensive end: 407 and 410 are 0.9 x 100 = 90, 25 above 65 each;
    // 408 and 409 0.9 x 20 = 18: raw sum 216.
    Paid(0, 2, 13, POSITION_DE, 4000);
    Set_Player_Rating(0, 2, RATING_RUN_DEFENSE, 100.0f);
    Set_Player_Rating(0, 2, RATING_TACKLING, 100.0f);
    // The other club: one quarterback at the floor (raw sum 129).
    Paid(1, 0, 21, POSITION_QB, 1500);
    // A free agent is no club's.
    Paid(FREE_AGENT_TEAM, 0, 99, POSITION_QB, 9000);

    EXPECT_EQ(Get_Player_Salary_Value(0, 0), 50);
    EXPECT_EQ(Get_Player_Salary_Value(0, 1), 0);
    EXPECT_EQ(Get_Player_Salary_Value(0, 2), 50);
    // The defence counts only 407-410: a great pass blocker at end adds nothing.
    Set_Player_Rating(0, 2, RATING_PASS_BLOCKING, 100.0f);
    EXPECT_EQ(Get_Player_Salary_Value(0, 2), 50);
    Set_Player_Rating(0, 2, RATING_PASS_BLOCKING, 0.0f);

    std::ofstream("Tolvaren-Salaries.csv") << "stale\n";
    EXPECT_EQ(Write_Salary_Report(), 20);
    const std::vector<std::string> Lines = Lines_Of(Read_Text_File("Tolvaren-Salaries.csv"));
    ASSERT_EQ(Lines.size(), 22u);
    EXPECT_EQ(Lines[0], "Team,Payroll ($M),Offense,Defense,Total Value,Offense Value,Defense Value,"
                        "Offense Ratings,Defense Ratings");
    // 44,000 thousand paid: 40 to the offence, 4 to the defence; the
    // offence's raw grades average (314 + 129) / 2.
    EXPECT_EQ(Lines[1], "AAA,44,40,4,100,50,50,221,216");
    EXPECT_EQ(Lines[2], "BBB,2,2,0,0,0,0,129,0");   // 1,500 thousand rounds to 2
    EXPECT_EQ(Lines[3], "AVERAGE,23,21,2,50,25,25,175,108");
    EXPECT_EQ(Lines[4], "Position,Players per Team,Total ($M),Percent,Ideal ($M),Per Player ($M),Per Team ($M),"
                        "$20M,$15M,$12M,$10M,$8M,$5M,$3M,$2M,$0M");
    // League pay 45,500; the quarterbacks' 26,500 is 58.24 %, half the value,
    // 13.25 a player and a club (rounded up to 13.3).
    EXPECT_EQ(Lines[5], "Quarterback,1,27,58.2%,50.0%,13.3,13.3,1,0,0,0,0,0,0,0,1");
    EXPECT_EQ(Lines[6], "Running Back,1,15,33.0%,0.0%,15.0,7.5,0,1,0,0,0,0,0,0,0");
    EXPECT_EQ(Lines[7], "Fullback,0,0,0.0%,0.0%,0.0,0.0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(Lines[13], "Defensive End,1,4,8.8%,50.0%,4.0,2.0,0,0,0,0,0,0,1,0,0");
    EXPECT_EQ(Lines[20], "Any Position,2,46,100.0%,100.0%,11.4,22.8,1,1,0,0,0,0,1,0,1");
    EXPECT_EQ(Lines[21], ",,,,,,TOTAL,1,1,0,0,0,0,1,0,1");

    // The bracket floors.
    EXPECT_EQ(Get_Salary_Bracket(20000), 0);
    EXPECT_EQ(Get_Salary_Bracket(19999), 1);
    EXPECT_EQ(Get_Salary_Bracket(2000), 7);
    EXPECT_EQ(Get_Salary_Bracket(1999), 8);
    EXPECT_EQ(Get_Salary_Bracket(0), 8);

    // No club: no division by zero.
    Use_Franchises(0);
    EXPECT_EQ(Write_Salary_Report(), 18);
    const std::vector<std::string> Empty = Lines_Of(Read_Text_File("Tolvaren-Salaries.csv"));
    ASSERT_EQ(Empty.size(), 20u);
    EXPECT_EQ(Empty[1], "AVERAGE,0,0,0,0,0,0,0,0");
    EXPECT_EQ(Empty[18], "Any Position,0,0,0.0%,0.0%,0.0,0.0,0,0,0,0,0,0,0,0,0");
}

TEST_F(DeveloperSalaryToolsTest, LongPlayNamesOfTheFirstSixClubs)
{
    Use_Franchises(8);
    const std::string Long29 = "Spread Right Twins Slant Flat";   // 29 characters
    const std::string Exactly28 = "Spread Right Twins Slant Fla";
    ASSERT_EQ(Long29.size(), 29u);
    std::strcpy(Get_Offensive_Playbook_Area(0)->Play[0].szName, Long29.c_str());
    std::strcpy(Get_Offensive_Playbook_Area(0)->Play[1].szName, Exactly28.c_str());
    std::strcpy(Get_Offensive_Playbook_Area(5)->Play[53].szName, "Shotgun Trips Left Bubble Screen");
    std::strcpy(Get_Offensive_Playbook_Area(6)->Play[0].szName, "Seventh Club Play Name Too Long");     // club 6
    std::ofstream("TooLong.txt") << "\"old\",\n";
    EXPECT_EQ(Find_Long_Play_Names(), 2);
    EXPECT_EQ(Read_Text_File("TooLong.txt"),
              "\"Spread Right Twins Slant Flat\",\n\"Shotgun Trips Left Bubble Screen\",\n");
}

TEST_F(DeveloperSalaryToolsTest, MissingSeasonLineStatsAreEstimated)
{
    Use_Franchises(1);
    Put_Player(0, 0, 1, POSITION_QB);
    Put_Player(0, 1, 2, POSITION_QB);
    const int nGames = Get_Average_Stat(POSITION_QB, STAT_GAMES_PLAYED);
    ASSERT_GT(nGames, 0);
    // Line 10: games only, as many as the average: every statistic the
    // position averages becomes that average.
    Stamp_Season_Line(10, 2020, 0, 0, nGames);
    // Line 11: every statistic the position averages at twice it, but the
    // passing yards: those become twice the average as well.
    Stamp_Season_Line(11, 2021, 0, 0, nGames);
    for (int k = 1; k < STATS_PER_PERIOD; ++k)
        Set_Season_Line_Stat(11, k, 2 * Get_Average_Stat(POSITION_QB, k));
    Set_Season_Line_Stat(11, STAT_PASSING_YARDS, 0);
    // Line 12: no games, left alone.
    Stamp_Season_Line(12, 2022, 0, 0, 0);
    Set_Player_Season_Link(0, 0, 0, 10);
    Set_Player_Season_Link(0, 0, 1, 11);
    Set_Player_Season_Link(0, 0, 2, 12);
    Set_Player_Season_Link(0, 1, 0, 10);   // linked twice, filled once

    int nAveraged = 0;
    for (int k = 1; k < STATS_PER_PERIOD; ++k)
        nAveraged += Get_Average_Stat(POSITION_QB, k) > 0;
    ASSERT_GT(Get_Average_Stat(POSITION_QB, STAT_PASSING_YARDS), 0);
    EXPECT_EQ(Fill_Missing_Season_Line_Stats(), nAveraged + 1);
    for (int k = 1; k < STATS_PER_PERIOD; ++k) {
        EXPECT_EQ(Get_Season_Line_Stat(10, k), Get_Average_Stat(POSITION_QB, k)) << k;
        EXPECT_EQ(Get_Season_Line_Stat(11, k), 2 * Get_Average_Stat(POSITION_QB, k)) << k;
        EXPECT_EQ(Get_Season_Line_Stat(12, k), 0) << k;
    }
    EXPECT_EQ(Get_Season_Line_Stat(10, STAT_GAMES_PLAYED), nGames);
    // Nothing is left to fill.
    EXPECT_EQ(Fill_Missing_Season_Line_Stats(), 0);
}

TEST_F(DeveloperSalaryToolsTest, DerivedPeriodStatsBlendAverageAndLastSeason)
{
    Use_Franchises(1);
    Put_Player(0, 0, 1, POSITION_RB);
    Put_Player(0, 1, 2, POSITION_RB);
    Put_Player(0, 2, 3, POSITION_RB);
    const int nGames = Get_Average_Stat(POSITION_RB, STAT_GAMES_PLAYED);
    ASSERT_GT(nGames, 1);
    ASSERT_EQ(nGames % 2, 0);
    // Slot 0 played the average games at three times the averages: the mean
    // of 1 and 3 averages is 2. Slot 1 played half the games at the
    // averages: brought to a full season that is 2, and the mean 1.5 (half
    // up). Slot 2 did not play: the averages.
    Set_Player_Stat(0, 0, STAT_PERIOD_LAST_SEASON, STAT_GAMES_PLAYED, nGames);
    Set_Player_Stat(0, 1, STAT_PERIOD_LAST_SEASON, STAT_GAMES_PLAYED, nGames / 2);
    for (int nStat : {4, 8, 10, 11}) {
        const int a = Get_Average_Stat(POSITION_RB, nStat);
        Set_Player_Stat(0, 0, STAT_PERIOD_LAST_SEASON, nStat, 3 * a);
        Set_Player_Stat(0, 1, STAT_PERIOD_LAST_SEASON, nStat, a);
        Set_Player_Stat(0, 2, STAT_PERIOD_LAST_SEASON, nStat, 5 * a + 7);
    }
    Set_Player_Stat(0, 0, STAT_PERIOD_PREDICTED, 0, 17);
    Derive_Period_Stats();
    for (int nStat : {4, 8, 10, 11}) {
        const int a = Get_Average_Stat(POSITION_RB, nStat);
        EXPECT_EQ(Get_Player_Stat(0, 0, STAT_PERIOD_PREDICTED, nStat), 2 * a) << nStat;
        EXPECT_EQ(Get_Player_Stat(0, 1, STAT_PERIOD_PREDICTED, nStat), (3 * a + 1) / 2) << nStat;
        EXPECT_EQ(Get_Player_Stat(0, 2, STAT_PERIOD_PREDICTED, nStat), a) << nStat;
    }
    EXPECT_EQ(Get_Player_Stat(0, 0, STAT_PERIOD_PREDICTED, 0), 17);   // the others are kept
}

TEST_F(DeveloperSalaryToolsTest, RenameDrawsEveryNameFromTheLists)
{
    std::filesystem::create_directories("names");
    std::ofstream("names/first.txt") << "Arlo\nBenno\nCasimir\n";
    std::ofstream("names/last.txt") << "Oakhart\nPellwood\n";
    Reset_Name_Pool();
    Use_Franchises(2);
    for (int t = 0; t < 2; ++t) {
        for (int s = 0; s < 3; ++s)
            Put_Player(t, s, 10 * t + s + 1, POSITION_QB);
    }
    Put_Player(FREE_AGENT_TEAM, 0, 99, POSITION_K);
    Put_Player(5, 0, 55, POSITION_K);   // a club not in use
    std::strcpy(League.Team[5].Player[0].szFirstName, "Kept");

    EXPECT_EQ(Rename_All_Players(), 7);
    const std::set<std::string> Firsts = {"Arlo", "Benno", "Casimir"};
    const std::set<std::string> Lasts = {"Oakhart", "Pellwood"};
    for (const auto& [t, s] : std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2},
                                                                {FREE_AGENT_TEAM, 0}}) {
        EXPECT_EQ(Firsts.count(League.Team[t].Player[s].szFirstName), 1u) << t << " " << s;
        EXPECT_EQ(Lasts.count(League.Team[t].Player[s].szLastName), 1u) << t << " " << s;
    }
    EXPECT_STREQ(League.Team[5].Player[0].szFirstName, "Kept");
}

TEST_F(DeveloperSalaryToolsTest, SimulationWordsAreTheOnesTheStopClears)
{
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_User_Preference(PREF_TRADE_ATTEMPTS, 1);
    EXPECT_EQ(Get_Simulation_Run_Word(), 1);
    EXPECT_EQ(Get_Simulation_Stop_Word(), 1);
    Set_User_Preference(PREF_TRADE_ATTEMPTS, 0);
    EXPECT_EQ(Get_Simulation_Run_Word(), 1);
    EXPECT_EQ(Get_Simulation_Stop_Word(), 0);
    Set_User_Preference(PREF_TRADE_ATTEMPTS, 1);
    Stop_Simulation();
    EXPECT_EQ(Get_Simulation_Run_Word(), 0);
    EXPECT_EQ(Get_Simulation_Stop_Word(), 0);
}

}  // namespace

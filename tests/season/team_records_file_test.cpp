// The clubs' records of past seasons: quality, winning percentage, points,
// wins in tenths, the strength figures, and the lines passed over.
#include <gtest/gtest.h>

#include "../tools/reader_files.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "season/season_cycle_fixture.h"
#include "season/team_records_file.h"
#include "test_support.h"

namespace {

constexpr const char* RECORDS_PATH = "input/stats/team_records.csv";
constexpr const char* HEADER = "Year,Lg,Tm,W,L,T,Div. Finish,Playoffs,PF,PA,PD,MoV,SoS,SRS,OL,DEF\n";

class TeamRecordsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        season_cycle::Build_League(5);
        // An accented nickname: the file holds it in UTF-8, the record in
        // Windows-1252.
        Set_Team_String("B\xF6ren", 4, TEAM_STRING_NICKNAME);
        for (int t = 0; t < 5; ++t)
            for (int s : {11, 16, 20, 21, 22, 23, 24})
                Set_Team_Stat(t, s, 7);
    }
    static int Stat(int t, int s) { return Get_Team_Stat(t, s); }
};

TEST_F(TeamRecordsTest, RecordsOfTheSeasonGiveQualityPercentagePointsAndFigures)
{
    SCRATCH_FOLDER Scratch("team_records");
    Write_Input_File(RECORDS_PATH,
                     std::string("\xEF\xBB\xBF") + HEADER +
                         // Third, no playoffs: (10 - 6 + 330) x 3 - 300/20 + 350/20 = 1002 - 15 + 17.
                         "2020,x,City0 Nick0*,10,6,0,3,,350,300,,,,,4.56,-2.34\r\n"
                         // Division winner out in the wild-card round: L 5, bonus 20;
                         // 996 - 19 + 20 + 20; 9-7-1 is 559 thousandths. The line figure
                         // of 60.5 is out of bounds and left alone.
                         "2020,x,City1 Nick1+,9,7,1,1,Lost WC,400,380,,,,,60.5,\"1.0\"\r\n"
                         // Second, out in the divisional round: L 4, bonus 10; 990 - 10 + 10 + 10.
                         "2020,x,City2 Nick2,8,8,0,2,lost div,200,210,,,,,0,0\r\n"
                         // No division finish: L 0, not 53 (972 - 15 + 10).
                         "2020,x,City4 B\xC3\xB6ren,5,11,0,,,200,300,,,,,-50,50\n"
                         "2019,x,City3 Nick3,16,0,0,1,Won SB,500,100,,,,,9,9\n"
                         "2020,x,Nowhere Club,1,1,0,1,,1,1,,,,,1,1\n"
                         "2020,x\n"
                         "2020,x,City3 Nick3,0,0,0,5,Won SB,0,0,,,,,0,0");   // last line without its end
    Read_Team_Records_File();
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    EXPECT_EQ(Stat(0, TEAM_STAT_PROJECTED_WINS), 100);
    EXPECT_EQ(Stat(0, TEAM_STAT_TEAM_QUALITY), 1004);
    EXPECT_EQ(Stat(0, TEAM_STAT_WINNING_PERCENTAGE), 625);   // (20 x 500 + 8) / 16
    EXPECT_EQ(Stat(0, TEAM_STAT_POINTS_SCORED), 350);
    EXPECT_EQ(Stat(0, TEAM_STAT_POINTS_ALLOWED), 300);
    EXPECT_EQ(Stat(0, TEAM_STAT_LINE_FIGURE), 45);            // truncated toward zero
    EXPECT_EQ(Stat(0, TEAM_STAT_DEFENSE_FIGURE), -23);

    EXPECT_EQ(Stat(1, TEAM_STAT_PROJECTED_WINS), 90);
    EXPECT_EQ(Stat(1, TEAM_STAT_TEAM_QUALITY), 1017);
    EXPECT_EQ(Stat(1, TEAM_STAT_WINNING_PERCENTAGE), 559);
    EXPECT_EQ(Stat(1, TEAM_STAT_LINE_FIGURE), 7);
    EXPECT_EQ(Stat(1, TEAM_STAT_DEFENSE_FIGURE), 10);

    EXPECT_EQ(Stat(2, TEAM_STAT_TEAM_QUALITY), 1000);
    EXPECT_EQ(Stat(2, TEAM_STAT_WINNING_PERCENTAGE), 500);

    EXPECT_EQ(Stat(4, TEAM_STAT_TEAM_QUALITY), 967);   // 972 - 15 + 10
    EXPECT_EQ(Stat(4, TEAM_STAT_LINE_FIGURE), -500);
    EXPECT_EQ(Stat(4, TEAM_STAT_DEFENSE_FIGURE), 500);

    // The last line (no end) is of the season: no games, fifth, champion:
    // L 8, (330 x 3) + 50; no games gives a percentage of 0.
    EXPECT_EQ(Stat(3, TEAM_STAT_TEAM_QUALITY), 1040);
    EXPECT_EQ(Stat(3, TEAM_STAT_WINNING_PERCENTAGE), 0);
    EXPECT_EQ(Stat(3, TEAM_STAT_PROJECTED_WINS), 0);
    // One report for the unknown club, one for the figure out of bounds.
    EXPECT_EQ(Errors_Reported(), 2);
}

TEST_F(TeamRecordsTest, PlayoffLevelsFromFinishAndResult)
{
    EXPECT_EQ(Get_Team_Record_Playoff_Level("1", "Lost WC"), 5);
    EXPECT_EQ(Get_Team_Record_Playoff_Level("2", "Lost Div"), 4);
    EXPECT_EQ(Get_Team_Record_Playoff_Level("3", ""), 2);
    EXPECT_EQ(Get_Team_Record_Playoff_Level("4", ""), 1);
    EXPECT_EQ(Get_Team_Record_Playoff_Level("5", ""), 0);
    EXPECT_EQ(Get_Team_Record_Playoff_Level("2", "Lost Conf"), 6);
    EXPECT_EQ(Get_Team_Record_Playoff_Level("9", "LOST SB"), 7);
    EXPECT_EQ(Get_Team_Record_Playoff_Level("", "Won SB"), 8);
    // Finishes other than 1-5 are no finish, not 53 less a code.
    EXPECT_EQ(Get_Team_Record_Playoff_Level("", ""), 0);
    EXPECT_EQ(Get_Team_Record_Playoff_Level("0", ""), 0);
    EXPECT_EQ(Get_Team_Record_Playoff_Level("-", ""), 0);
}

TEST_F(TeamRecordsTest, Season2023KeepsQualityAndPointsAndLaterYearsNeverMatch)
{
    SCRATCH_FOLDER Scratch("team_records_2023");
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2023);
    Write_Input_File(RECORDS_PATH, std::string(HEADER) + "2023,x,City0 Nick0,12,5,0,1,Lost Div,450,300,,,,,3.3,-1.5\n");
    Read_Team_Records_File();
    EXPECT_EQ(Stat(0, TEAM_STAT_PROJECTED_WINS), 120);
    EXPECT_EQ(Stat(0, TEAM_STAT_LINE_FIGURE), 33);
    EXPECT_EQ(Stat(0, TEAM_STAT_DEFENSE_FIGURE), -15);
    for (int s : {11, 20, 21, 22})
        EXPECT_EQ(Stat(0, s), 7) << s;

    Set_Universe_Stat(FIRST_SEASON_YEAR, 2024);
    Write_Input_File(RECORDS_PATH, std::string(HEADER) + "2024,x,City1 Nick1,12,5,0,1,,450,300,,,,,3,3\n");
    Read_Team_Records_File();
    EXPECT_EQ(Stat(1, TEAM_STAT_PROJECTED_WINS), 7);
}

TEST_F(TeamRecordsTest, MissingFileGivesOneBoxAndNoFileGivesTheLineReadersBox)
{
    SCRATCH_FOLDER Scratch("team_records_missing");
    LEAGUE_SNAPSHOT Before;
    Read_Team_Records_File();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Read Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Unable to open input/stats/team_records.csv. Please re-install Vazarudu Kelvo.");
    EXPECT_TRUE(Before.Unchanged());

    ui::Clear_Shown_Boxes();
    EXPECT_EQ(Read_Team_Record_Line(nullptr), 1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Read Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Can't read Team Records file (default = \"Team_Records.csv\"). Please re-install Vazarudu Kelvo.");
}

}  // namespace

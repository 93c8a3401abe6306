#include <gtest/gtest.h>

#include <string>

#include "export/stat_cells.h"
#include "league/stat_codes.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "league/team_finance_stats.h"
#include "pieces_fixture.h"

namespace {

using StatCellsTest = PiecesTest;

std::string Cell(const char* szText)
{
    return std::string("<td align=\"center\">") + szText + "</td>";
}

TEST_F(StatCellsTest, ColumnsAndCaptionsFollowThePositionTable)
{
    EXPECT_EQ(Get_Stat_Column_Index(0, 3), 1);
    EXPECT_EQ(Get_Stat_Column_Index(0, 101), 3);
    EXPECT_EQ(Get_Stat_Column_Index(0, 12), 15);
    EXPECT_EQ(Get_Stat_Column_Index(1, 143), 18);
    EXPECT_EQ(Get_Stat_Column_Index(1, 8), 20);
    EXPECT_EQ(Get_Stat_Column_Index(2, 116), 25);
    EXPECT_EQ(Get_Stat_Column_Index(0, 143), 0);
    EXPECT_EQ(Get_Stat_Column_Index(3, 3), 0);

    Add_Player(0, 0, 101, POSITION_K, "Kay", "Kicker");
    std::string Out;
    Format_Table_Stat_Caption(Out, 0, 0, -100);
    EXPECT_EQ(Out, Cell("Games") + Cell("FG Made") + Cell("FG Att.") + Cell("FG") + Cell("PAT"));
    // Without a player the POS row decides.
    Format_Table_Stat_Caption(Out, -100, -100, POSITION_P);
    EXPECT_EQ(Out, Cell("Games") + Cell("Yds/Punt"));
    Format_Table_Stat_Caption(Out, -100, -100, POSITION_TE);
    EXPECT_EQ(Out, Cell("Games") + Cell("Recepts") + Cell("Rec. Yds") + Cell("Yds/Rec.") + Cell("Rec. TD"));
    Format_Table_Stat_Caption(Out, -100, -100, POSITION_QB);
    EXPECT_EQ(Out.find(Cell("Rushes")) != std::string::npos, true);
    EXPECT_EQ(Out.find(Cell("Recepts")), std::string::npos);
    Format_Table_Stat_Caption(Out, -100, -100, 16);
    EXPECT_EQ(Out, "");
}

TEST_F(StatCellsTest, PlayerStatCellsScaleTheirRates)
{
    Add_Player(0, 0, 101, POSITION_QB, "Quinn", "Back");
    Add_Player(0, 1, 102, POSITION_K, "Kay", "Kicker");
    Set_Player_Stat(0, 0, 0, STAT_GAMES_PLAYED, 5);
    Set_Player_Stat(0, 0, 0, STAT_PASS_ATTEMPTS, 8);
    Set_Player_Stat(0, 0, 0, STAT_PASS_COMPLETIONS, 5);
    Set_Player_Stat(0, 1, 0, STAT_GAMES_PLAYED, 4);
    std::string Out;
    // 5 of 8 is 625 per mille: 62.5.
    Format_Player_Stat(Out, 101, 0, 0, 0, 0);
    EXPECT_EQ(Out, Cell("62.5"));
    // 8 of 8 is 1000 per mille: exactly 100, written whole.
    Set_Player_Stat(0, 0, 0, STAT_PASS_COMPLETIONS, 8);
    Format_Player_Stat(Out, 101, 0, 0, 0, 0);
    EXPECT_EQ(Out, Cell("100"));
    Set_Player_Stat(0, 0, 0, STAT_PASS_COMPLETIONS, 5);
    Format_Player_Stat(Out, 2, 0, 0, 0, 0);
    EXPECT_EQ(Out, Cell("8"));
    // 300 yards in 2 attempts: 15,000 hundredths, written whole from 100 up.
    Set_Player_Stat(0, 0, 0, STAT_PASS_ATTEMPTS, 2);
    Set_Player_Stat(0, 0, 0, STAT_PASSING_YARDS, 300);
    Format_Player_Stat(Out, 103, 0, 0, 0, 0);
    EXPECT_EQ(Out, Cell("150"));
    // A kicker has no passing column; every position has games.
    Out = Kept();
    Format_Player_Stat(Out, 2, 1, 0, 0, 0);
    EXPECT_EQ(Out, "");
    Format_Player_Stat(Out, 0, 1, 0, 0, 0);
    EXPECT_EQ(Out, Cell("4"));
    Out = Kept();
    Format_Player_Stat(Out, 0, 5, 0, 0, 0);
    EXPECT_EQ(Out, "");
}

TEST_F(StatCellsTest, PlayerSacksShowHalvesAsSacksWithOneDecimal)
{
    Add_Player(0, 0, 101, POSITION_DE, "Dee", "End");
    std::string Out;
    // 5 halves are 2.5 sacks.
    Set_Player_Stat(0, 0, 0, STAT_SACKS, 5);
    Format_Player_Stat(Out, STAT_CODE_SACKS, 0, 0, 0, 1);
    EXPECT_EQ(Out, Cell("2.5"));
    // A career of 225 halves is 112.5 sacks: past 100 the half stays.
    Set_Player_Stat(0, 0, 0, STAT_SACKS, 225);
    Format_Player_Stat(Out, STAT_CODE_SACKS, 0, 0, 0, 1);
    EXPECT_EQ(Out, Cell("112.5"));
}

TEST_F(StatCellsTest, VitalStatisticsCollegeAndSeasonRows)
{
    Add_Player(0, 0, 101, POSITION_QB, "Quinn", "Back");
    Set_Player_Vital_Stat(0, 0, VITAL_HEIGHT, 74);
    Set_Player_Vital_Stat(0, 0, VITAL_BIRTH_DATE, 19970315);
    Set_Player_Vital_Stat(0, 0, VITAL_WEIGHT, 230);
    Set_Player_College(0, 0, "<Tech> A&M");
    std::string Out;
    Format_Player_Vital_Stat(Out, VITAL_HEIGHT, 0, 0);
    EXPECT_EQ(Out, "6-2");
    Format_Player_Vital_Stat(Out, VITAL_BIRTH_DATE, 0, 0);
    EXPECT_EQ(Out, "3/15/1997");
    Format_Player_Vital_Stat(Out, VITAL_WEIGHT, 0, 0);
    EXPECT_EQ(Out, "230");
    Format_Player_Vital_Stat(Out, VITAL_POSITION, 0, 0);
    EXPECT_EQ(Out, "Quarterback");
    // No stored time: speed 70 runs 5.60 - 50 x 1.30 / 80 = 4.7875 seconds.
    Format_Player_Vital_Stat(Out, 4, 0, 0);
    EXPECT_EQ(Out, "4.79");
    Set_Player_Vital_Stat(0, 0, 4, 452);
    Format_Player_Vital_Stat(Out, 4, 0, 0);
    EXPECT_EQ(Out, "4.52");
    Set_Player_Vital_Stat(0, 0, 4, 720);
    Set_Player_Rating(0, 0, RATING_SPEED, 100.0f);
    Format_Player_Vital_Stat(Out, 4, 0, 0);
    EXPECT_EQ(Out, "4.30");
    Format_Player_College(Out, 0, 0);
    EXPECT_EQ(Out, "&lt;Tech&gt; A+M");

    Set_Season_Line_Header(10, 2018, 0, 1);
    Set_Season_Line_Header(11, 2016, -2, NO_TEAM);
    Set_Player_Season_Link(0, 0, 0, 10);
    Set_Player_Season_Link(0, 0, 1, 11);
    Format_Season_Year(Out, 0, 0, 4);
    EXPECT_EQ(Out, "2018");
    Format_Player_Team(Out, 0, 0, 4);
    EXPECT_EQ(Out, "GB");
    Format_Season_Year(Out, 0, 0, 5);
    EXPECT_EQ(Out, "2016");
    Format_Player_Team(Out, 0, 0, 5);
    EXPECT_EQ(Out, "JR");
    Format_Season_Year(Out, 0, 0, 2);
    EXPECT_EQ(Out, "Career");
    Out = Kept();
    Format_Player_Team(Out, 0, 0, 2);
    EXPECT_EQ(Out, "");
    Format_Season_Year(Out, 0, 0, 6);
    EXPECT_EQ(Out, "0");
    Format_Player_Team(Out, 0, 0, 6);
    EXPECT_EQ(Out, "CHI");
    Format_Player_Team(Out, 0, 0, 1);
    EXPECT_EQ(Out, "CHI");
}

TEST_F(StatCellsTest, TeamRecordsPointsAndRanks)
{
    SCRATCH_FOLDER Folder("pieces_record");
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_Team_Yearly_Char(0, 1, YEARLY_WINS, 3);
    Set_Team_Yearly_Char(0, 1, YEARLY_LOSSES, 2);
    Set_Team_Yearly_Char(0, 0, YEARLY_WINS, 11);
    Set_Team_Yearly_Char(0, 0, YEARLY_TIES, 1);
    std::string Out;
    Format_Team_Wins(Out, 0, 0);
    EXPECT_EQ(Out, "3");
    Format_Team_Losses(Out, 0, 0);
    EXPECT_EQ(Out, "2");
    Format_Team_Wins(Out, 0, 1);
    EXPECT_EQ(Out, "11");
    Format_Team_Ties(Out, 0, 1);
    EXPECT_EQ(Out, "1");
    Format_Team_Wins(Out, 5, 0);   // not in use
    EXPECT_EQ(Out, "0");
    EXPECT_TRUE(Read_Debug_Log_Lines(true).empty());
    Format_Team_Wins(Out, 0, -200);
    EXPECT_EQ(Out, "0");
    Format_Team_Losses(Out, 0, 2);   // index -1, compared unsigned
    EXPECT_EQ(Out, "0");
    const std::vector<std::string> Lines = Read_Debug_Log_Lines(true);
    ASSERT_EQ(Lines.size(), 2u);
    EXPECT_EQ(Lines[0], "Invalid nYear in Get_Team_Yearly_Char(0,201,0)");
    EXPECT_EQ(Lines[1], "Invalid nYear in Get_Team_Yearly_Char(0,-1,4)");

    // CHI 10 + 21 for, 24 + 14 against; GB 27 / 10; DAL 17 / 20; NYG 31 / 38.
    // An unused record and one past the counted 285 add nothing.
    Get_Game_Record(10)->nScore[0] = 99;
    GAME* pLate = Get_Game_Record(290);
    pLate->nAwayTeam = 0;
    pLate->nHomeTeam = 1;
    pLate->nScore[0] = 50;
    Format_Team_Points_For(Out, 0);
    EXPECT_EQ(Out, "31");
    Format_Team_Points_Against(Out, 0);
    EXPECT_EQ(Out, "38");
    Format_Team_Points_For(Out, 1);
    EXPECT_EQ(Out, "27");
    Format_Team_Points_Against(Out, 1);
    EXPECT_EQ(Out, "10");
    // Equal points share the better rank.
    Format_Team_Points_For_Rank(Out, 0);
    EXPECT_EQ(Out, "1");
    Format_Team_Points_For_Rank(Out, 3);
    EXPECT_EQ(Out, "1");
    Format_Team_Points_For_Rank(Out, 1);
    EXPECT_EQ(Out, "3");
    Format_Team_Points_For_Rank(Out, 2);
    EXPECT_EQ(Out, "4");
    Format_Team_Points_Against_Rank(Out, 1);
    EXPECT_EQ(Out, "1");
    Format_Team_Points_Against_Rank(Out, 2);
    EXPECT_EQ(Out, "2");
    Format_Team_Points_Against_Rank(Out, 0);
    EXPECT_EQ(Out, "3");
    Format_Team_Points_Against_Rank(Out, 3);
    EXPECT_EQ(Out, "3");
}

TEST_F(StatCellsTest, TeamTotalsAndTheirRanks)
{
    // Quarterbacks: 250 yards in 40 attempts, 63 in tenths; rushing 450 yards
    // on 100 carries, 450 hundredths; 7 half sacks, 35 in tenths.
    Set_Team_Totals_Stat(0, TOTALS_QUARTERBACKS, 0, 5, 250);
    Set_Team_Totals_Stat(0, TOTALS_QUARTERBACKS, 0, 2, 40);
    Set_Team_Totals_Stat(0, 0, 0, 8, 450);
    Set_Team_Totals_Stat(0, 0, 0, 7, 100);
    Set_Team_Totals_Stat(0, 1, 0, 4, 7);
    Set_Team_Totals_Stat(0, 0, 0, 11, 900);
    Set_Team_Totals_Stat(1, 0, 0, 11, 1200);
    Set_Team_Totals_Stat(2, 0, 0, 11, 900);
    Set_Team_Totals_Stat(2, 1, 0, 4, 9);
    std::string Out;
    Format_Team_Offense(Out, 103, 0);
    EXPECT_EQ(Out, "6.3");
    Format_Team_Offense(Out, 112, 0);
    EXPECT_EQ(Out, "4.50");
    Format_Team_Offense(Out, 11, 0);
    EXPECT_EQ(Out, "900");
    Format_Team_Defense(Out, 143, 0);
    EXPECT_EQ(Out, "3.5");
    Format_Team_Defense(Out, 4, 0);   // 7 halves
    EXPECT_EQ(Out, "3.5");
    Format_Team_Offense_Rank(Out, 11, 1);
    EXPECT_EQ(Out, "1");
    Format_Team_Offense_Rank(Out, 11, 2);
    EXPECT_EQ(Out, "2");
    Format_Team_Offense_Rank(Out, 11, 3);
    EXPECT_EQ(Out, "4");
    Format_Team_Defense_Rank(Out, 4, 0);
    EXPECT_EQ(Out, "2");
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

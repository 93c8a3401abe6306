// The seasons table read into a small league of 2010: where each column
// goes, the career and predicted sums, the position and uniform rules, field
// goals spread by distance, the replay mode, the lines skipped (copies,
// totals of several clubs, other leagues, negative counts), the memories
// forgotten between files, and the outside-file rules (byte-order mark,
// CRLF, UTF-8 names, quoted numbers, the one box of a missing file).
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "../league/player_fixture.h"
#include "base/random.h"
#include "league/historical.h"
#include "league/player_stats.h"
#include "league/player_text.h"
#include "league/season_lines.h"
#include "season/season_files.h"
#include "season/season_line_import.h"
#include "season/stat_file_layouts.h"

namespace {

constexpr int Y = 2010;

using COLUMNS = std::map<int, std::string>;

// A line of the 97 columns, those not given empty.
std::string Line(const COLUMNS& Columns)
{
    std::string Text;
    for (int n = 1; n <= SEASONS_CSV_COLUMNS; ++n) {
        if (n > 1)
            Text += ',';
        const auto it = Columns.find(n);
        if (it != Columns.end())
            Text += it->second;
    }
    return Text;
}

class SeasonLineImportTest : public PlayerTest {
protected:
    SCRATCH_FOLDER Scratch{"season_line_import"};

    void SetUp() override
    {
        PlayerTest::SetUp();
        League.Universe.nStat[FIRST_SEASON_YEAR] = Y;
        Use_Franchises(2);
        Set_Team_String("AAA", 0, TEAM_STRING_ABBREVIATION);
        Set_Team_String("Alpha", 0, TEAM_STRING_CITY);
        Set_Team_String("Ants", 0, TEAM_STRING_NICKNAME);
        Set_Team_String("BBB", 1, TEAM_STRING_ABBREVIATION);
        Set_Team_String("Beta", 1, TEAM_STRING_CITY);
        Set_Team_String("Bees", 1, TEAM_STRING_NICKNAME);
        Reset_Current_Season_Links();
        Reset_Season_Line_Import();
    }

    static void Put(int nTeam, int nSlot, int nID, int nPosition, const char* szID, const char* szFirst,
                    const char* szLast)
    {
        PLAYER& Player = Put_Player(nTeam, nSlot, nID, nPosition);
        Player.nVital[VITAL_BIRTH_DATE] = 19850101;
        Player.bStat[BYTE_STAT_DEPTH_SLOT] = static_cast<uint8_t>(nPosition);
        Set_Player_Corvel_ID(nTeam, nSlot, szID);
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
    }

    // The seasons table as bytes: a header line, then the lines.
    static void Write_Seasons(const std::string& Bytes)
    {
        std::filesystem::create_directories("input/stats");
        std::ofstream("input/stats/seasons.csv", std::ios::binary) << Bytes;
    }
    static void Write_Lines(std::initializer_list<std::string> Lines)
    {
        std::string Bytes = "CorvelID,PlayerID,SeasonFlag,Year\n";
        for (const std::string& One : Lines)
            Bytes += One + "\n";
        Write_Seasons(Bytes);
    }

    static int Career(int nTeam, int nSlot, int nStat) { return League.Team[nTeam].Player[nSlot].nStat[2][nStat]; }
    static int Period(int nTeam, int nSlot, int nPeriod, int nStat)
    {
        return League.Team[nTeam].Player[nSlot].nStat[nPeriod][nStat];
    }
    static int Link(int nTeam, int nSlot, int n) { return Get_Player_Season_Line_Index(nTeam, nSlot, n); }
};

TEST_F(SeasonLineImportTest, AQuarterbacksLastSeasonGoesToHisLineCareerLastSeasonAndDoubledPrediction)
{
    Put(0, 0, 101, POSITION_QB, "smithjo01", "John", "Smith");
    const std::string QB = Line({{1, "smithjo01"}, {2, "0"}, {4, "2009"}, {5, "AAA"}, {6, "12"}, {7, "John Smith"},
                                 {8, "QB"}, {10, "16"}, {11, "15"}, {12, "500"}, {13, "300"}, {14, "\"3,500\""},
                                 {15, "25"}, {16, "10"}, {19, "30"}, {20, "200"}, {21, "40"}, {22, "120"},
                                 {23, "2"}, {95, "12"}});
    // The same line twice (several tables list one season): read once.
    Write_Lines({QB, QB});
    Read_Seasons_File(0);

    const int nLine = Link(0, 0, 0);
    ASSERT_GE(nLine, 0);
    EXPECT_EQ(Link(0, 0, 1), NO_SEASON_LINE);
    EXPECT_EQ(Get_Season_Line_Year(nLine), 2009);
    EXPECT_EQ(Get_Season_Line_Team(nLine), 0);
    // Statistic slot <- column: 0 G, 1 GS, 2 PaAtt, 3 PaCom, 5 PaYds, 6 PaTD,
    // 4 PaInt, 14 PaSk, 15 PaSkYds, 7-9 rushing.
    const int Expected[STATS_PER_PERIOD] = {16, 15, 500, 300, 10, 3500, 25, 40, 120, 2, 0, 0, 0, 0, 30, 200, 0, 0, 0, 0};
    for (int nStat = 0; nStat < STATS_PER_PERIOD; ++nStat) {
        SCOPED_TRACE(nStat);
        EXPECT_EQ(Get_Season_Line_Stat(nLine, nStat), Expected[nStat]);
        EXPECT_EQ(Career(0, 0, nStat), Expected[nStat]);                       // 2009 is before 2010
        EXPECT_EQ(Period(0, 0, STAT_PERIOD_LAST_SEASON, nStat), Expected[nStat]);   // and the year before
        EXPECT_EQ(Period(0, 0, STAT_PERIOD_THIS_SEASON, nStat), 0);
        EXPECT_EQ(Period(0, 0, STAT_PERIOD_PREDICTED, nStat), 2 * Expected[nStat]);  // doubled for Y - 1
    }
    // Games plus starts and the value once, not twice; the value of 2009 is
    // not the last complete season of a 2010 build (2010 is).
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_CAREER_GAMES_AND_STARTS), 31);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_CAREER_VALUE), 12);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_LAST_SEASON_VALUE), 0);
    EXPECT_EQ(Get_Player_Byte_Stat(0, 0, BYTE_STAT_UNIFORM), 12);
    EXPECT_EQ(Get_Universe_Word(REPLAY_MODE_WORD), 0);
}

TEST_F(SeasonLineImportTest, LinesThatAreSkippedLeaveThePlayerAlone)
{
    Put(0, 0, 101, POSITION_RB, "backbo01", "Bob", "Back");
    const COLUMNS Base = {{1, "backbo01"}, {2, "0"}, {4, "2008"}, {5, "AAA"}, {7, "Bob Back"}, {8, "RB"}, {10, "5"}};
    auto With = [&](int nColumn, const char* szText) {
        COLUMNS C = Base;
        C[nColumn] = szText;
        return Line(C);
    };
    Write_Lines({With(3, "PRE"), With(3, "post"), With(3, "PRO"), With(5, "2TM"), With(5, "4tm"), With(5, ""),
                 With(4, "1985"),            // before 2010 - 24
                 With(4, "2025"),            // after 2010 + 14
                 With(1, "back/../bo01"),    // no plain external ID
                 With(1, "nobodyno99")});    // matches nobody
    Read_Seasons_File(0);
    EXPECT_EQ(Link(0, 0, 0), NO_SEASON_LINE);
    EXPECT_EQ(Career(0, 0, 0), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_CAREER_GAMES_AND_STARTS), 0);
    EXPECT_EQ(Errors_Reported(), 0);

    // An unknown short team text of an earlier year is reported and skipped;
    // of the first year it goes on without a team (no line).
    Write_Lines({With(5, "XYZ"), Line({{1, "backbo01"}, {4, "2010"}, {5, "XYZ"}, {8, "RB"}, {10, "7"}})});
    Read_Seasons_File(0);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_NE(std::string(Get_Recent_Errors()).find("Unrecognized team abbreviation: XYZ (2008)"), std::string::npos);
    EXPECT_EQ(Link(0, 0, 0), NO_SEASON_LINE);
    EXPECT_EQ(Period(0, 0, STAT_PERIOD_THIS_SEASON, 0), 7);
}

TEST_F(SeasonLineImportTest, PositionsUniformsAndTheOffensiveLineMemory)
{
    Put(1, 0, 201, POSITION_G, "guardgu01", "Gus", "Guard");
    Put(1, 1, 202, POSITION_T, "tacklta01", "Ted", "Tackle");
    Put(1, 2, 203, POSITION_WR, "widewi01", "Will", "Wide");
    Set_Player_Byte_Stat(1, 2, BYTE_STAT_UNIFORM, 80);
    Write_Lines({
        Line({{1, "guardgu01"}, {4, "2009"}, {5, "BBB"}, {6, "64"}, {8, "LG"}, {10, "16"}}),
        // "OL" after the guard's line takes his place (LG, 22): a tackle is
        // in the same unit, so he becomes a guard.
        Line({{1, "tacklta01"}, {4, "2009"}, {5, "BBB"}, {6, "120"}, {8, "OL"}, {10, "16"}}),
        // A receiver listed as a runner in a later year keeps his position;
        // his uniform of the first year replaces the one he has.
        Line({{1, "widewi01"}, {4, "2011"}, {5, "BBB"}, {6, "11"}, {8, "RB"}, {10, "3"}}),
        // A receiver never becomes a defender.
        Line({{1, "widewi01"}, {4, "2009"}, {5, "BBB"}, {6, "88"}, {8, "CB"}, {10, "3"}}),
        Line({{1, "widewi01"}, {4, "2010"}, {5, "BBB"}, {6, "81"}, {8, "WR"}, {10, "3"}}),
    });
    Read_Seasons_File(0);
    EXPECT_EQ(Get_Player_Position(1, 0), POSITION_G);
    EXPECT_EQ(Get_Player_Byte_Stat(1, 0, BYTE_STAT_DEPTH_SLOT), 22);
    EXPECT_EQ(Get_Player_Position(1, 1), POSITION_G);
    EXPECT_EQ(Get_Player_Byte_Stat(1, 1, BYTE_STAT_DEPTH_SLOT), 22);
    EXPECT_EQ(Get_Player_Byte_Stat(1, 1, BYTE_STAT_UNIFORM), 0);   // 120 is no uniform
    EXPECT_EQ(Get_Player_Position(1, 2), POSITION_WR);
    EXPECT_EQ(Get_Player_Byte_Stat(1, 2, BYTE_STAT_UNIFORM), 81);
    EXPECT_FALSE(Get_Last_Matched_Season_Player(nullptr, nullptr));

    // A new file starts without the memory: "OL" is then a plain guard (6).
    Set_Player_Vital_Stat(1, 1, VITAL_POSITION, POSITION_T);
    Set_Player_Byte_Stat(1, 1, BYTE_STAT_DEPTH_SLOT, POSITION_T);
    Write_Lines({Line({{1, "tacklta01"}, {4, "2008"}, {5, "BBB"}, {8, "OL"}, {10, "16"}})});
    Read_Seasons_File(0);
    EXPECT_EQ(Get_Player_Position(1, 1), POSITION_G);
    EXPECT_EQ(Get_Player_Byte_Stat(1, 1, BYTE_STAT_DEPTH_SLOT), POSITION_G);
}

TEST_F(SeasonLineImportTest, GamesAndStartsCountForEveryoneAndEndTheLineOfAPlayerWithoutPosition)
{
    Put(0, 0, 601, POSITION_WR, "anyan01", "Any", "One");
    League.Team[0].Player[0].nVital[VITAL_POSITION] = 20;   // no base position
    Write_Lines({Line({{1, "anyan01"}, {4, "2009"}, {5, "AAA"}, {8, "XX"}, {10, "10"}, {11, "6"}, {21, "50"},
                       {26, "30"}, {95, "4"}})});
    Read_Seasons_File(0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_CAREER_GAMES_AND_STARTS), 16);
    EXPECT_EQ(Career(0, 0, 0), 10);
    EXPECT_EQ(Career(0, 0, 1), 6);
    for (int nStat = 2; nStat < STATS_PER_PERIOD; ++nStat)
        EXPECT_EQ(Career(0, 0, nStat), 0) << nStat;
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_CAREER_VALUE), 0);   // the line ended before the value
    EXPECT_EQ(Get_Player_Position(0, 0), 20);
}

TEST_F(SeasonLineImportTest, DefendersTacklesSacksAndTheEstimatesOfOldSeasons)
{
    Put(0, 0, 301, POSITION_LB, "linebli01", "Lou", "Backer");
    // 1990: assists estimated from the combined tackles; before 1995 and
    // 2001 the estimates of slots 6, 2 and 3 follow.
    Write_Lines({Line({{1, "linebli01"}, {4, "1990"}, {5, "AAA"}, {8, "LB"}, {10, "16"}, {11, "16"}, {40, "50"},
                       {41, "0"}, {43, "4.5"}, {47, "2"}, {95, "5"}})});
    Read_Seasons_File(0);
    const int A2 = Get_Average_Stat(POSITION_LB, 2);
    const int A3 = Get_Average_Stat(POSITION_LB, 3);
    const int A6 = Get_Average_Stat(POSITION_LB, 6);
    ASSERT_GT(A2 + A3, 0);
    // Worked by hand: 50 x 20 / 80 = 12.5 rounds to 13 assists, 37 solo.
    EXPECT_EQ(Mul_Div_Rounded(50, 20, 80), 13);
    const int nAssists = (50 * A3 * 2 + (A3 + A2)) / (2 * (A3 + A2));
    EXPECT_EQ(Career(0, 0, 3), nAssists);
    EXPECT_EQ(Career(0, 0, 2), 50 - nAssists);
    EXPECT_EQ(Career(0, 0, 4), 9);    // 4.5 sacks are 9 half sacks
    EXPECT_EQ(Career(0, 0, 5), 2);
    EXPECT_EQ(Career(0, 0, 13), 5);   // a defender's value
    // k = 32 games and starts, V = 5: slot 6 = A6 x 47 / 50 rounded; slots
    // 2 and 3 already held the tackles, so only the line takes the estimates.
    const int nLine = Link(0, 0, 0);
    EXPECT_EQ(Career(0, 0, 6), (A6 * 47 * 2 + 50) / 100);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 6), (A6 * 47 * 2 + 50) / 100);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 2), (Get_Average_Stat(POSITION_LB, 2) * 47 * 2 + 50) / 100);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 3), (A3 * 42 * 2 + 42) / 84);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_CAREER_GAMES_AND_STARTS), 32);
}

TEST_F(SeasonLineImportTest, AKickersFieldGoalsAreSpreadByThePatterns)
{
    Put(0, 1, 401, POSITION_K, "kickka01", "Kai", "Kicker");
    // 20 made of 25, no distance column, no longest.
    Write_Lines({Line({{1, "kickka01"}, {4, "2009"}, {5, "AAA"}, {8, "K"}, {10, "16"}, {61, "25"}, {62, "20"}})});
    Read_Seasons_File(0);
    const int nLine = Link(0, 1, 0);
    ASSERT_EQ(nLine, 0);   // the pattern's second pick depends on the line
    // Longest: round(sqrt 20) = 4, + 47. Made, by missing m = 20 .. 1 and
    // s = m + 5: slots 15 13 13 11 15 17 11 13 11 15 15 13 13 11 15 17 11 13 11 15.
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 18), 51);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 11), 6);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 13), 6);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 15), 6);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 17), 2);
    // Attempts: raised to the made (6, 6, 6, 2), then (20 - 20 + 25) mod 10
    // = 5 picks slot 16 five times.
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 10), 6);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 12), 6);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 14), 6);
    EXPECT_EQ(Get_Season_Line_Stat(nLine, 16), 7);
    for (int nPeriod : {STAT_PERIOD_CAREER, STAT_PERIOD_LAST_SEASON}) {
        SCOPED_TRACE(nPeriod);
        EXPECT_EQ(Period(0, 1, nPeriod, 11) + Period(0, 1, nPeriod, 13) + Period(0, 1, nPeriod, 15) +
                      Period(0, 1, nPeriod, 17),
                  20);
        EXPECT_EQ(Period(0, 1, nPeriod, 10) + Period(0, 1, nPeriod, 12) + Period(0, 1, nPeriod, 14) +
                      Period(0, 1, nPeriod, 16),
                  25);
    }
}

TEST_F(SeasonLineImportTest, NegativeFieldGoalCountsReadAsNone)
{
    Put(0, 1, 401, POSITION_K, "kickka01", "Kai", "Kicker");
    // Made 3 of -7 tries: the tries count as 0, so s = m: slots 13, 11, 15;
    // a negative s would have indexed the pattern before its start.
    Write_Lines({Line({{1, "kickka01"}, {4, "2009"}, {5, "AAA"}, {8, "K"}, {61, "-7"}, {62, "3"}}),
                 Line({{1, "kickka01"}, {4, "2008"}, {5, "AAA"}, {8, "K"}, {61, "-3"}, {62, "-5"}})});
    Read_Seasons_File(0);
    const int n2009 = Find_Player_Season_Line(0, 1, 0, 2009);
    const int n2008 = Find_Player_Season_Line(0, 1, 0, 2008);
    ASSERT_GE(n2009, 0);
    ASSERT_GE(n2008, 0);
    EXPECT_EQ(Get_Season_Line_Stat(n2009, 18), 49);   // round(sqrt 3) + 47
    EXPECT_EQ(Get_Season_Line_Stat(n2009, 11), 1);
    EXPECT_EQ(Get_Season_Line_Stat(n2009, 13), 1);
    EXPECT_EQ(Get_Season_Line_Stat(n2009, 15), 1);
    EXPECT_EQ(Get_Season_Line_Stat(n2009, SEASON_LINE_FIELD_GOALS_TRIED), 0);
    EXPECT_TRUE(Is_Season_Line_Empty(n2008));
    Fill_Field_Goal_Distances(0, 1, n2008, -5, -3);
    EXPECT_TRUE(Is_Season_Line_Empty(n2008));
}

TEST_F(SeasonLineImportTest, AReplayTakesOnlyThisYearIntoThisSeasonWithoutLines)
{
    Put(0, 0, 101, POSITION_RB, "backbo01", "Bob", "Back");
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, 8, 77);   // held already: kept
    Write_Lines({Line({{1, "backbo01"}, {4, "2009"}, {5, "AAA"}, {8, "RB"}, {10, "16"}}),
                 Line({{1, "backbo01"}, {4, "2010"}, {5, "AAA"}, {8, "FB"}, {10, "12"}, {21, "200"}, {22, "900"}})});
    Set_Universe_Word(REPLAY_MODE_WORD, 3);
    Read_Seasons_File(1);
    EXPECT_EQ(Get_Universe_Word(REPLAY_MODE_WORD), 3);   // restored
    EXPECT_EQ(Link(0, 0, 0), NO_SEASON_LINE);
    EXPECT_EQ(Period(0, 0, STAT_PERIOD_THIS_SEASON, 0), 12);
    EXPECT_EQ(Period(0, 0, STAT_PERIOD_THIS_SEASON, 7), 200);
    EXPECT_EQ(Period(0, 0, STAT_PERIOD_THIS_SEASON, 8), 77);    // this season held it already
    EXPECT_EQ(Get_Player_Position(0, 0), POSITION_RB);          // positions are not stored
    EXPECT_EQ(Career(0, 0, 0), 0);
    EXPECT_EQ(Period(0, 0, STAT_PERIOD_PREDICTED, 0), 0);
}

TEST_F(SeasonLineImportTest, OutsideFileFormsReadAsPlainOnes)
{
    // "José Núñez" in the records' encoding, found by name from a UTF-8 line.
    Put(0, 2, 501, POSITION_WR, "", "Jos\xe9", "N\xfa\xf1" "ez");
    std::string Bytes = "\xEF\xBB\xBF" "CorvelID,PlayerID\r\n";
    Bytes += Line({{2, "0"}, {4, "2009"}, {5, "\"AAA\""}, {7, "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1" "ez"}, {8, "WR"},
                   {10, "16"}, {26, "\"1,024\""}, {27, "\"$1,234\""}}) +
             "\r\n";
    Bytes += Line({{2, "0"}, {4, "2008"}, {5, "AAA"}, {7, "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1" "ez"}, {8, "WR"}, {10, "4"}});
    Write_Seasons(Bytes);   // the last line without its end
    Read_Seasons_File(0);
    EXPECT_EQ(Career(0, 2, 0), 20);
    EXPECT_EQ(Career(0, 2, 10), 1024);
    EXPECT_EQ(Career(0, 2, 11), 1234);
    EXPECT_EQ(Count_Player_Season_Lines(0, 2), 2);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(SeasonLineImportTest, AMissingFileGivesOneBoxAndChangesNothing)
{
    Put(0, 0, 101, POSITION_RB, "backbo01", "Bob", "Back");
    Set_Universe_Word(REPLAY_MODE_WORD, 0);
    LEAGUE_SNAPSHOT Before;
    Read_Seasons_File(1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Read Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Unable to open input/stats/seasons.csv. Please read the Help Files for a complete list of required "
              "files for the 'Import Stats' feature.");
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(SeasonLineImportTest, TheRecorderKeepsKickersBestsAndNormalisesOldPassing)
{
    Put(0, 1, 401, POSITION_K, "kickka01", "Kai", "Kicker");
    Set_Universe_Word(REPLAY_MODE_WORD, 0);
    Record_Imported_Season_Stat(0, 1, -1, 2008, 0, 18, 52, 0);
    Record_Imported_Season_Stat(0, 1, -1, 2009, 0, 18, 48, 0);
    EXPECT_EQ(Career(0, 1, 18), 52);
    EXPECT_EQ(Period(0, 1, STAT_PERIOD_LAST_SEASON, 18), 48);
    EXPECT_EQ(Period(0, 1, STAT_PERIOD_PREDICTED, 18), 52);
    // Nothing for 0 or a spare.
    LEAGUE_SNAPSHOT Before;
    Record_Imported_Season_Stat(0, 1, -1, 2008, 0, 3, 0, 0);
    Record_Imported_Season_Stat(0, 1, -1, 2008, 1, 3, 9, 0);
    EXPECT_TRUE(Before.Unchanged());

    // 2023 passing stays as it is; other statistics are never converted.
    EXPECT_EQ(Normalize_Stat_To_Modern_Era(2023, 5, 4000), 4000);
    EXPECT_EQ(Normalize_Stat_To_Modern_Era(1960, 7, 250), 250);
    const int H1960 = Get_Historical_Average_Stat(105, 1960);
    const int H2023 = Get_Historical_Average_Stat(105, 2023);
    ASSERT_GT(H1960, 0);
    EXPECT_EQ(Normalize_Stat_To_Modern_Era(1960, 6, 30), Mul_Div_Rounded(30, H2023, H1960));
}

}  // namespace

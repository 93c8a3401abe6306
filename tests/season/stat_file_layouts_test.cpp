// The statistics files' names, headers, columns and row formats, checked
// against the layouts as written down by hand (column numbers counted on the
// header texts, rows worked out from the formats).

#include <cstdio>
#include <string>
#include <vector>

#include "season/stat_file_layouts.h"
#include "test_support.h"

namespace {

std::vector<std::string> Split_Fields(const std::string& Line)
{
    std::vector<std::string> Fields;
    size_t nStart = 0;
    while (true) {
        const size_t nComma = Line.find(',', nStart);
        Fields.push_back(Line.substr(nStart, nComma == std::string::npos ? std::string::npos : nComma - nStart));
        if (nComma == std::string::npos)
            return Fields;
        nStart = nComma + 1;
    }
}

}  // namespace

TEST(StatFileLayouts, HeadersHoldTheirColumnsInOrder)
{
    // The two long headers, copied letter for letter from the layout.
    EXPECT_STREQ(PLAYERS_CSV_HEADER,
        "Kelvo ID,Corvel ID,Player ID,Team,Uniform,First Name,Last Name,Nickname,Position,,Height,"
        "Weight,College,NFL Seasons,Full Name [Not Used],Given Name [Not Used],,Draft Team,Draft Year,"
        "Draft Round,Overall Pick,Undrafted,Feet,Inches,Birth Month,Birth Date,Birth Year");
    EXPECT_STREQ(SEASONS_CSV_HEADER,
        "CorvelID,PlayerID,SeasonFlag,Year,Team,Uniform,Name,Position,Active,G,GS,PaAtt,PaCom,PaYds,"
        "PaTD,PaInt,PaQBR,PaLg,PaSk,PaSkYds,RuAtt,RuYds,RuTD,RuLg,Targeted,Recepts,ReYds,ReTD,ReLg,"
        "Fumbles,FumblesLost,PuntReturns,PuntRetYds,PuntRetTD,PuntRetLg,KickReturns,KickRetYds,"
        "KickRetTD,KickRetLg,Comb,Asst,TklForLoss,Sk,SkYds,QB_Hits,PD,FF,FR,Fum_Ret_Yds,Fum_Ret_TD,Int,"
        "Int_Return_Yds,Int_Return_TD,Blocks,ST_Tkl,ST_Asst,Off_Tkl,Off_Asst,Punts,PuntYards,FGA,FGM,"
        "FG_Lg,XPM,PuntRetFC,TB,Inside20,PuntNetAvg,XPA,SAF,FG_Blocked,Punts_Blocked,XP_Blocked,PuntLg,"
        "PuntNetYds,OffSnaps,DefSnaps,ST_Snaps,OffTeamSnaps,DefTeamSnaps,ST_TeamSnaps,FGM_Under_20,"
        "FGM_20_29,FGM_30_39,FGM_40_49,FGM_50_Plus,FGA_Under_20,FGA_20_29,FGA_30_39,FGA_40_49,"
        "FGA_50_Plus,YAC,Rec_1stD,DefIntLg,Value,Rush_1stD,Pass_1stD");

    const std::vector<std::string> Players = Split_Fields(PLAYERS_CSV_HEADER);
    ASSERT_EQ(Players.size(), 27u);
    EXPECT_EQ(Players[PLAYERS_COL_KELVO_ID - 1], "Kelvo ID");
    EXPECT_EQ(Players[PLAYERS_COL_CORVEL_ID - 1], "Corvel ID");
    EXPECT_EQ(Players[PLAYERS_COL_POSITION - 1], "Position");
    EXPECT_EQ(Players[9], "");
    EXPECT_EQ(Players[PLAYERS_COL_HEIGHT - 1], "Height");
    EXPECT_EQ(Players[PLAYERS_COL_SEASONS - 1], "NFL Seasons");
    EXPECT_EQ(Players[PLAYERS_COL_FULL_NAME - 1], "Full Name [Not Used]");
    EXPECT_EQ(Players[16], "");
    EXPECT_EQ(Players[PLAYERS_COL_DRAFT_TEAM - 1], "Draft Team");
    EXPECT_EQ(Players[PLAYERS_COL_UNDRAFTED - 1], "Undrafted");
    EXPECT_EQ(Players[PLAYERS_COL_FEET - 1], "Feet");
    EXPECT_EQ(Players[PLAYERS_COL_BIRTH_YEAR - 1], "Birth Year");

    // Column numbers of the seasons file as the season-line import counts
    // them.
    const std::vector<std::string> Seasons = Split_Fields(SEASONS_CSV_HEADER);
    ASSERT_EQ(Seasons.size(), 97u);
    const struct {
        int nColumn;
        const char* szName;
    } SEASON_COLUMNS[] = {
        {1, "CorvelID"}, {3, "SeasonFlag"}, {4, "Year"}, {5, "Team"}, {8, "Position"}, {10, "G"}, {11, "GS"},
        {12, "PaAtt"}, {16, "PaInt"}, {19, "PaSk"}, {21, "RuAtt"}, {25, "Targeted"}, {28, "ReTD"},
        {30, "Fumbles"}, {32, "PuntReturns"}, {36, "KickReturns"}, {40, "Comb"}, {41, "Asst"}, {43, "Sk"},
        {46, "PD"}, {50, "Fum_Ret_TD"}, {51, "Int"}, {53, "Int_Return_TD"}, {59, "Punts"}, {61, "FGA"},
        {62, "FGM"}, {63, "FG_Lg"}, {64, "XPM"}, {66, "TB"}, {69, "XPA"}, {74, "PuntLg"}, {82, "FGM_Under_20"},
        {86, "FGM_50_Plus"}, {87, "FGA_Under_20"}, {91, "FGA_50_Plus"}, {92, "YAC"}, {93, "Rec_1stD"},
        {95, "Value"}, {96, "Rush_1stD"}, {97, "Pass_1stD"},
    };
    for (const auto& Column : SEASON_COLUMNS)
        EXPECT_EQ(Seasons[Column.nColumn - 1], Column.szName) << Column.nColumn;
    EXPECT_EQ(SEASONS_COL_COMB, 40);
    EXPECT_EQ(SEASONS_COL_SK, 43);
    EXPECT_EQ(SEASONS_COL_INT, 51);
    EXPECT_EQ(SEASONS_COL_FGA, 61);
    EXPECT_EQ(SEASONS_COL_PUNT_LG, 74);
    EXPECT_EQ(SEASONS_COL_FGM_UNDER_20, 82);
    EXPECT_EQ(SEASONS_COL_YAC, 92);
    EXPECT_EQ(SEASONS_COL_VALUE, 95);
    EXPECT_EQ(SEASONS_COL_PASS_1STD, 97);
    EXPECT_EQ(SEASONS_ROW_EXTRA_FIELDS, 22);

    // The 24 columns no table fills, by name.
    const char* UNFILLED[] = {"SeasonFlag", "Active", "PaQBR", "FumblesLost", "SkYds", "Blocks", "ST_Tkl",
                              "ST_Asst", "Off_Tkl", "Off_Asst", "PuntRetFC", "TB", "Inside20", "PuntNetAvg",
                              "FG_Blocked", "XP_Blocked", "PuntNetYds", "OffSnaps", "DefSnaps", "ST_Snaps",
                              "OffTeamSnaps", "DefTeamSnaps", "ST_TeamSnaps", "YAC"};
    for (int i = 0; i < SEASONS_UNFILLED_COLUMN_COUNT; ++i)
        EXPECT_EQ(Seasons[SEASONS_UNFILLED_COLUMNS[i] - 1], UNFILLED[i]);

    EXPECT_EQ(std::string(PERSONNEL_CSV_HEADER), "Year,Team,Offensive Personnel,Defensive Personnel");
    EXPECT_EQ(std::string(SALARIES_MISSING_CSV_HEADER), "FirstName,LastName,Team,Position");

    char szLine[STAT_ROW_LINE_BYTES];
    std::snprintf(szLine, sizeof(szLine), SALARIES_CSV_HEADER_FORMAT, 2023);
    const std::vector<std::string> Salaries = Split_Fields(szLine);
    ASSERT_EQ(Salaries.size(), 15u);
    EXPECT_EQ(Salaries[SALARIES_COL_TEAM - 1], "2023 Team");
    EXPECT_EQ(Salaries[SALARIES_COL_YEARS_REMAINING - 1], "Years Remaining");
    EXPECT_EQ(Salaries[SALARIES_COL_CAP_HIT - 1], "Cap Hit");
    EXPECT_EQ(Split_Fields(SALARIES_CSV_HEADER_PLAIN)[SALARIES_COL_TEAM - 1], "Team");

    std::snprintf(szLine, sizeof(szLine), ROSTERS_CSV_HEADER_FORMAT, 1999);
    const std::vector<std::string> Rosters = Split_Fields(szLine);
    ASSERT_EQ(Rosters.size(), 14u);
    EXPECT_EQ(Rosters[ROSTERS_COL_TEAM - 1], "1999_Team");
    EXPECT_EQ(Rosters[ROSTERS_COL_STARTER - 1], "Starter");

    EXPECT_EQ(Split_Fields(TEAMS_CSV_HEADER).size(), static_cast<size_t>(TEAMS_CSV_COLUMNS));
    EXPECT_EQ(Split_Fields(TEAM_RECORDS_CSV_HEADER).size(), static_cast<size_t>(TEAM_RECORDS_CSV_COLUMNS));
    const std::vector<std::string> Combine = Split_Fields(COMBINE_RESULTS_CSV_HEADER);
    ASSERT_EQ(Combine.size(), 15u);
    EXPECT_EQ(Combine[COMBINE_COL_CORVEL_ID - 1], "CorvelID");
}

TEST(StatFileLayouts, RowFormatsGiveTheHandWrittenRows)
{
    char szLine[STAT_ROW_LINE_BYTES];
    // 74 inches: 6'2" in column 11, 6 and 2 in columns 23 and 24.
    std::snprintf(szLine, sizeof(szLine), PLAYERS_CSV_ROW_FORMAT, "SmitJo00", 0, 12, "John", "Smith", "QB", 6, 2,
                  215, "Lakeview State", "4", "John", "Smith", "BUF", "2003", "1", "12", 6, 2, 4, 17, 1981);
    EXPECT_STREQ(szLine,
                 ",SmitJo00,0,,12,John,Smith,,QB,,6'2\",215,Lakeview State,4,John Smith,,,BUF,2003,1,12,,6,2,4,17,1981");
    EXPECT_EQ(Count_Csv_Fields(szLine), PLAYERS_CSV_COLUMNS);

    std::snprintf(szLine, sizeof(szLine), PERSONNEL_CSV_ROW_FORMAT, 2010, "Frost", "3 Wideouts", "4-3");
    EXPECT_STREQ(szLine, "'2010,'Frost,'3 Wideouts,'4-3");

    std::snprintf(szLine, sizeof(szLine), SALARIES_CSV_ROW_FORMAT, "SmitJo00", "BUF", 12, "John", "Smith", "QB", 3,
                  1250000, 600000, 4, 1400000);
    EXPECT_STREQ(szLine, "SmitJo00,,BUF,12,John,Smith,QB,,,,3,1250000,600000,4,1400000");
    EXPECT_EQ(Count_Csv_Fields(szLine), SALARIES_CSV_COLUMNS);

    std::snprintf(szLine, sizeof(szLine), ROSTERS_CSV_ROW_FORMAT, "SmitJo00", 0, "John", "Smith", "BUF", "QB", 74,
                  215, 4, 17, 1981, "", "", "YES");
    EXPECT_STREQ(szLine, "SmitJo00,0,John,Smith,BUF,QB,74,215,4,17,1981,,,YES");
    EXPECT_EQ(Count_Csv_Fields(szLine), ROSTERS_CSV_COLUMNS);

    std::snprintf(szLine, sizeof(szLine), INJURIES_CSV_ROW_FORMAT, "SmitJo00", "John", "Smith", "BUF", "", "");
    EXPECT_STREQ(szLine, "SmitJo00,0,John,Smith,BUF,,,,,,,,");
    EXPECT_EQ(Count_Csv_Fields(szLine), INJURIES_CSV_COLUMNS);
}

TEST(StatFileLayouts, PageTablesMapCellsToColumns)
{
    EXPECT_EQ(Get_Stat_Page_Column("Passing", 0), SEASONS_COL_YEAR);
    EXPECT_EQ(Get_Stat_Page_Column("Passing", 8), 13);    // PaCom
    EXPECT_EQ(Get_Stat_Page_Column("Passing", 9), 12);    // PaAtt
    EXPECT_EQ(Get_Stat_Page_Column("Passing", 10), 0);    // skipped
    EXPECT_EQ(Get_Stat_Page_Column("Rushing &amp; Receiving", 15), 25);   // Targeted
    EXPECT_EQ(Get_Stat_Page_Column("Receiving &amp; Rushing", 18), 21);   // RuAtt
    EXPECT_EQ(Get_Stat_Page_Column("Defense &amp; Fumbles", 17), 43);     // Sk
    EXPECT_EQ(Get_Stat_Page_Column("Defense &amp; Fumbles", 19), 0);
    EXPECT_EQ(Get_Stat_Page_Column("Kicking", 7), 87);    // FGA_Under_20
    EXPECT_EQ(Get_Stat_Page_Column("Kicking", 8), 82);    // FGM_Under_20
    EXPECT_EQ(Get_Stat_Page_Column("Punting", 13), 74);   // PuntLg
    EXPECT_EQ(Get_Stat_Page_Column("Kick &amp; Punt Returns", 12), 36);   // KickReturns
    EXPECT_EQ(Get_Stat_Page_Column("Games", 7), 95);      // Value
    EXPECT_EQ(Get_Stat_Page_Column("Games", 2), 5);       // Team
    EXPECT_EQ(Get_Stat_Page_Column("Scoring", 2), 0);
    EXPECT_EQ(Get_Stat_Page_Column(nullptr, 2), 0);
}

TEST(StatFileLayouts, ImportFilesStartWithTheirHeadersOnly)
{
    SCRATCH_FOLDER Scratch("layouts");
    ASSERT_TRUE(Scratch.Ready());
    ASSERT_TRUE(Write_Import_File_Headers());
    // A second start drops what the first run appended.
    FILE* pFile = std::fopen("Input/Stats/Players.csv", "ab");
    ASSERT_NE(pFile, nullptr);
    std::fputs("a row of an earlier run\n", pFile);
    std::fclose(pFile);
    ASSERT_TRUE(Write_Import_File_Headers());
    EXPECT_EQ(Read_Text_File("Input/Stats/Players.csv"), std::string(PLAYERS_CSV_HEADER) + "\n");
    EXPECT_EQ(Read_Text_File("Input/Stats/Seasons.csv"), std::string(SEASONS_CSV_HEADER) + "\n");
    EXPECT_EQ(Read_Text_File("Input/Stats/Personnel.csv"),
              "Year,Team,Offensive Personnel,Defensive Personnel\n");
}

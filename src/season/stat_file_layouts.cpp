#include "season/stat_file_layouts.h"

#include <cstring>

#include "base/text_utils.h"
#include "platform/files.h"

const char PLAYERS_CSV_HEADER[] =
    "Kelvo ID,Corvel ID,Player ID,Team,Uniform,First Name,Last Name,Nickname,Position,,Height,Weight,College,"
    "NFL Seasons,Full Name [Not Used],Given Name [Not Used],,Draft Team,Draft Year,Draft Round,Overall Pick,"
    "Undrafted,Feet,Inches,Birth Month,Birth Date,Birth Year";
const char PLAYERS_CSV_ROW_FORMAT[] = ",%s,%d,,%d,%s,%s,,%s,,%d'%d\",%d,%s,%s,%s %s,,,%s,%s,%s,%s,,%d,%d,%d,%d,%d";

const char SEASONS_CSV_HEADER[] =
    "CorvelID,PlayerID,SeasonFlag,Year,Team,Uniform,Name,Position,Active,G,GS,PaAtt,PaCom,PaYds,PaTD,PaInt,"
    "PaQBR,PaLg,PaSk,PaSkYds,RuAtt,RuYds,RuTD,RuLg,Targeted,Recepts,ReYds,ReTD,ReLg,Fumbles,FumblesLost,"
    "PuntReturns,PuntRetYds,PuntRetTD,PuntRetLg,KickReturns,KickRetYds,KickRetTD,KickRetLg,Comb,Asst,"
    "TklForLoss,Sk,SkYds,QB_Hits,PD,FF,FR,Fum_Ret_Yds,Fum_Ret_TD,Int,Int_Return_Yds,Int_Return_TD,Blocks,"
    "ST_Tkl,ST_Asst,Off_Tkl,Off_Asst,Punts,PuntYards,FGA,FGM,FG_Lg,XPM,PuntRetFC,TB,Inside20,PuntNetAvg,XPA,"
    "SAF,FG_Blocked,Punts_Blocked,XP_Blocked,PuntLg,PuntNetYds,OffSnaps,DefSnaps,ST_Snaps,OffTeamSnaps,"
    "DefTeamSnaps,ST_TeamSnaps,FGM_Under_20,FGM_20_29,FGM_30_39,FGM_40_49,FGM_50_Plus,FGA_Under_20,"
    "FGA_20_29,FGA_30_39,FGA_40_49,FGA_50_Plus,YAC,Rec_1stD,DefIntLg,Value,Rush_1stD,Pass_1stD";

const int SEASONS_UNFILLED_COLUMNS[SEASONS_UNFILLED_COLUMN_COUNT] = {
    SEASONS_COL_SEASON_FLAG,    SEASONS_COL_ACTIVE,         SEASONS_COL_PA_QBR,          SEASONS_COL_FUMBLES_LOST,
    SEASONS_COL_SK_YDS,         SEASONS_COL_BLOCKS,         SEASONS_COL_ST_TKL,          SEASONS_COL_ST_ASST,
    SEASONS_COL_OFF_TKL,        SEASONS_COL_OFF_ASST,       SEASONS_COL_PUNT_RET_FC,     SEASONS_COL_TB,
    SEASONS_COL_INSIDE_20,      SEASONS_COL_PUNT_NET_AVG,   SEASONS_COL_FG_BLOCKED,      SEASONS_COL_XP_BLOCKED,
    SEASONS_COL_PUNT_NET_YDS,   SEASONS_COL_OFF_SNAPS,      SEASONS_COL_DEF_SNAPS,       SEASONS_COL_ST_SNAPS,
    SEASONS_COL_OFF_TEAM_SNAPS, SEASONS_COL_DEF_TEAM_SNAPS, SEASONS_COL_ST_TEAM_SNAPS,   SEASONS_COL_YAC,
};

const char* const SEASONS_MULTI_TEAM_WORDS[SEASONS_MULTI_TEAM_WORD_COUNT] = {"2TM", "3TM", "4TM"};
const char* const SEASONS_SKIPPED_FLAGS[SEASONS_SKIPPED_FLAG_COUNT] = {"PRE", "POST", "PRO"};

namespace {

// The five cells every table starts with.
#define STAT_PAGE_COMMON_CELLS \
    {2, SEASONS_COL_TEAM}, {3, SEASONS_COL_POSITION}, {4, SEASONS_COL_UNIFORM}, {5, SEASONS_COL_G}, {6, SEASONS_COL_GS}

constexpr STAT_PAGE_CELL PASSING_CELLS[] = {
    STAT_PAGE_COMMON_CELLS,
    {8, SEASONS_COL_PA_COM}, {9, SEASONS_COL_PA_ATT}, {11, SEASONS_COL_PA_YDS}, {12, SEASONS_COL_PA_TD},
    {14, SEASONS_COL_PA_INT}, {16, SEASONS_COL_PASS_1STD}, {17, SEASONS_COL_PA_LG}, {24, SEASONS_COL_PA_SK},
    {25, SEASONS_COL_PA_SK_YDS}, {31, SEASONS_COL_VALUE},
};
constexpr STAT_PAGE_CELL RUSHING_RECEIVING_CELLS[] = {
    STAT_PAGE_COMMON_CELLS,
    {7, SEASONS_COL_RU_ATT}, {8, SEASONS_COL_RU_YDS}, {9, SEASONS_COL_RU_TD}, {10, SEASONS_COL_RUSH_1STD},
    {11, SEASONS_COL_RU_LG}, {15, SEASONS_COL_TARGETED}, {16, SEASONS_COL_RECEPTS}, {17, SEASONS_COL_RE_YDS},
    {19, SEASONS_COL_RE_TD}, {20, SEASONS_COL_REC_1STD}, {21, SEASONS_COL_RE_LG}, {30, SEASONS_COL_FUMBLES},
    {31, SEASONS_COL_VALUE},
};
constexpr STAT_PAGE_CELL RECEIVING_RUSHING_CELLS[] = {
    STAT_PAGE_COMMON_CELLS,
    {7, SEASONS_COL_TARGETED}, {8, SEASONS_COL_RECEPTS}, {9, SEASONS_COL_RE_YDS}, {11, SEASONS_COL_RE_TD},
    {12, SEASONS_COL_REC_1STD}, {13, SEASONS_COL_RE_LG}, {18, SEASONS_COL_RU_ATT}, {19, SEASONS_COL_RU_YDS},
    {20, SEASONS_COL_RU_TD}, {21, SEASONS_COL_RUSH_1STD}, {22, SEASONS_COL_RU_LG}, {30, SEASONS_COL_FUMBLES},
    {31, SEASONS_COL_VALUE},
};
constexpr STAT_PAGE_CELL DEFENSE_FUMBLES_CELLS[] = {
    STAT_PAGE_COMMON_CELLS,
    {7, SEASONS_COL_INT}, {8, SEASONS_COL_INT_RETURN_YDS}, {9, SEASONS_COL_INT_RETURN_TD},
    {10, SEASONS_COL_DEF_INT_LG}, {11, SEASONS_COL_PD}, {12, SEASONS_COL_FF}, {13, SEASONS_COL_FUMBLES},
    {14, SEASONS_COL_FR}, {15, SEASONS_COL_FUM_RET_YDS}, {16, SEASONS_COL_FUM_RET_TD}, {17, SEASONS_COL_SK},
    {18, SEASONS_COL_COMB}, {20, SEASONS_COL_ASST}, {21, SEASONS_COL_TKL_FOR_LOSS}, {22, SEASONS_COL_QB_HITS},
    {23, SEASONS_COL_SAF}, {24, SEASONS_COL_VALUE},
};
constexpr STAT_PAGE_CELL KICKING_CELLS[] = {
    STAT_PAGE_COMMON_CELLS,
    {7, SEASONS_COL_FGA_UNDER_20}, {8, SEASONS_COL_FGM_UNDER_20}, {9, SEASONS_COL_FGA_20_29},
    {10, SEASONS_COL_FGM_20_29}, {11, SEASONS_COL_FGA_30_39}, {12, SEASONS_COL_FGM_30_39},
    {13, SEASONS_COL_FGA_40_49}, {14, SEASONS_COL_FGM_40_49}, {15, SEASONS_COL_FGA_50_PLUS},
    {16, SEASONS_COL_FGM_50_PLUS}, {17, SEASONS_COL_FGA}, {18, SEASONS_COL_FGM}, {19, SEASONS_COL_FG_LG},
    {21, SEASONS_COL_XPA}, {22, SEASONS_COL_XPM}, {29, SEASONS_COL_VALUE},
};
constexpr STAT_PAGE_CELL PUNTING_CELLS[] = {
    STAT_PAGE_COMMON_CELLS,
    {7, SEASONS_COL_PUNTS}, {8, SEASONS_COL_PUNT_YARDS}, {13, SEASONS_COL_PUNT_LG}, {18, SEASONS_COL_PUNTS_BLOCKED},
    {19, SEASONS_COL_VALUE},
};
constexpr STAT_PAGE_CELL RETURNS_CELLS[] = {
    STAT_PAGE_COMMON_CELLS,
    {7, SEASONS_COL_PUNT_RETURNS}, {8, SEASONS_COL_PUNT_RET_YDS}, {9, SEASONS_COL_PUNT_RET_TD},
    {10, SEASONS_COL_PUNT_RET_LG}, {12, SEASONS_COL_KICK_RETURNS}, {13, SEASONS_COL_KICK_RET_YDS},
    {14, SEASONS_COL_KICK_RET_TD}, {15, SEASONS_COL_KICK_RET_LG}, {18, SEASONS_COL_VALUE},
};
constexpr STAT_PAGE_CELL GAMES_CELLS[] = {
    STAT_PAGE_COMMON_CELLS,
    {7, SEASONS_COL_VALUE},
};

#undef STAT_PAGE_COMMON_CELLS

template <size_t N> constexpr int Count_Of(const STAT_PAGE_CELL (&)[N])
{
    return static_cast<int>(N);
}

}  // namespace

const STAT_PAGE_TABLE STAT_PAGE_TABLES[STAT_PAGE_TABLE_COUNT] = {
    {"Passing", PASSING_CELLS, Count_Of(PASSING_CELLS)},
    {"Rushing &amp; Receiving", RUSHING_RECEIVING_CELLS, Count_Of(RUSHING_RECEIVING_CELLS)},
    {"Receiving &amp; Rushing", RECEIVING_RUSHING_CELLS, Count_Of(RECEIVING_RUSHING_CELLS)},
    {"Defense &amp; Fumbles", DEFENSE_FUMBLES_CELLS, Count_Of(DEFENSE_FUMBLES_CELLS)},
    {"Kicking", KICKING_CELLS, Count_Of(KICKING_CELLS)},
    {"Punting", PUNTING_CELLS, Count_Of(PUNTING_CELLS)},
    {"Kick &amp; Punt Returns", RETURNS_CELLS, Count_Of(RETURNS_CELLS)},
    {"Games", GAMES_CELLS, Count_Of(GAMES_CELLS)},
};

int Get_Stat_Page_Column(const char* szHeading, int nCell)
{
    if (szHeading == nullptr)
        return 0;
    for (const STAT_PAGE_TABLE& Table : STAT_PAGE_TABLES) {
        if (std::strcmp(Table.szHeading, szHeading) != 0)
            continue;
        if (nCell == 0)
            return SEASONS_COL_YEAR;
        for (int i = 0; i < Table.nCells; ++i)
            if (Table.pCells[i].nCell == nCell)
                return Table.pCells[i].nColumn;
        return 0;
    }
    return 0;
}

const char PERSONNEL_CSV_HEADER[] = "Year,Team,Offensive Personnel,Defensive Personnel";
const char PERSONNEL_CSV_ROW_FORMAT[] = "'%d,'%s,'%s,'%s";
const char* const PERSONNEL_OFFENSE_NAMES[PERSONNEL_OFFENSE_COUNT] = {
    "Traditional", "3 Wideouts", "2 Tight Ends", "2 Running Backs"};
const char* const PERSONNEL_DEFENSE_NAMES[PERSONNEL_DEFENSE_COUNT] = {"4-3", "3-4"};

const char SALARIES_CSV_HEADER_FORMAT[] =
    "CorvelID,PlayerID,%d Team,Uniform,FirstName,LastName,Position,Depth Chart,Weeks Out,Reason Out,"
    "Years Remaining,Average Salary,Signing Bonus,Contract Years,Cap Hit";
const char SALARIES_CSV_HEADER_PLAIN[] =
    "CorvelID,PlayerID,Team,Uniform,FirstName,LastName,Position,Depth Chart,Weeks Out,Reason Out,"
    "Years Remaining,Average Salary,Signing Bonus,Contract Years,Cap Hit";
const char SALARIES_CSV_ROW_FORMAT[] = "%s,,%s,%d,%s,%s,%s,,,,%d,%d,%d,%d,%d";

const char SALARIES_MISSING_CSV_HEADER[] = "FirstName,LastName,Team,Position";
const char SALARIES_MISSING_CSV_ROW_FORMAT[] = "%s,%s,%s,%s";

const char ROSTERS_CSV_HEADER_FORMAT[] =
    "CorvelID,PlayerID,FirstName,LastName,%d_Team,Position,Height,Weight,BirthMonth,BirthDate,BirthYear,"
    "WeeksOut,Reason,Starter";
const char ROSTERS_CSV_ROW_FORMAT[] = "%s,%d,%s,%s,%s,%s,%d,%d,%d,%d,%d,%s,%s,%s";
const char INJURIES_CSV_ROW_FORMAT[] = "%s,0,%s,%s,%s,,,,,,,%s,%s";

const char LEAGUE_CSV_HEADER[] = "League,Division 1,Division 2,Division 3,Division 4";
const char TEAMS_CSV_HEADER[] =
    "Abbreviation,City,Nickname,Stadium,Capacity,Roof,Surface,Year Built,Stadium Value,Convenience,Comfort,"
    "Sight Lines,Fan Loyalty,Ticket Price,Division,City Name";
const char WINS_CSV_HEADER[] = "Team,Projected Wins";
const char TEAM_RECORDS_CSV_HEADER[] =
    "Year,League,Team,W,L,T,Div Finish,Playoffs,PF,PA,Point Diff,Margin,Schedule,Rating,Line,Defense";
const char* const TEAM_RECORDS_PLAYOFF_RESULTS[TEAM_RECORDS_PLAYOFF_RESULT_COUNT] = {
    "Won SB", "Lost SB", "Lost Conf", "Lost Div", "Lost WC"};
const char COMBINE_RESULTS_CSV_HEADER[] =
    "Year,Player,Pos,School,Height,Weight,Hand,40 Yard,Vertical,Bench,Broad Jump,3 Cone,Shuttle,Drafted,CorvelID";

bool Write_Import_File_Headers()
{
    struct START {
        const char* szPath;
        const char* szHeader;
    };
    static constexpr START FILES[] = {
        {PLAYERS_CSV_FILE, PLAYERS_CSV_HEADER},
        {SEASONS_CSV_FILE, SEASONS_CSV_HEADER},
        {PERSONNEL_CSV_FILE, PERSONNEL_CSV_HEADER},
    };
    if (!files::Folder_Exists(STATS_FOLDER))
        files::Create_Folders(STATS_FOLDER);
    bool bAll = true;
    for (const START& File : FILES) {
        files::Delete_File(File.szPath);
        if (!Append_Line_To_File(File.szPath, File.szHeader))
            bAll = false;
    }
    return bAll;
}

int Count_Csv_Fields(const char* szLine)
{
    if (szLine == nullptr)
        return 0;
    int n = 1;
    for (const char* p = szLine; *p != '\0'; ++p)
        if (*p == ',')
            ++n;
    return n;
}

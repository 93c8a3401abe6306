// The table of the 113 column codes a player list can show.

#include "editors/player_list_view.h"

namespace {

// By code: header, description (a trailing blank starts a chooser group),
// numeric flag (re-read on a period change), alignment (0 left, 2 centred)
// and the key the cell reads.
constexpr LIST_COLUMN COLUMNS[LIST_CODE_COUNT] = {
    {0, "Name", "Player Name", 0, 0, 0},
    {1, "Team", "Current Team", 0, 2, 0},
    {2, "Pos", "Position Abbreviation", 0, 2, 1},
    {3, "Overall", "Overall Rating", 1, 2, 225},
    {4, "Peak", "Projected Peak Rating", 1, 2, 226},
    {5, "Salary", "Current Salary ", 0, 2, 11},
    {6, "Career", "Years of NFL Experience", 0, 2, 8},
    {7, "40-Yard", "40-Yard Dash Time (seconds)", 0, 2, 4},
    {8, "Bonus", "Signing Bonus", 0, 2, 10},
    {9, "  G  ", "Games Played ", 1, 2, 0},
    {10, " GS ", "Games Started", 1, 2, 1},
    {11, "Cap Impact", "Salary Cap Impact", 0, 2, 100},
    {12, "Height", "Player Height ", 0, 2, 2},
    {13, "Weight", "Player Weight", 0, 2, 3},
    {14, "Titles", "Super Bowl Rings", 0, 2, 1},
    {15, "Age", "Player Age", 0, 2, 5},
    {16, " Att ", "Pass Attempts ", 1, 2, 2},
    {17, "Comp", "Pass Completions", 1, 2, 3},
    {18, "Pass Int", "Interceptions Thrown", 1, 2, 4},
    {19, "Pass Yds", "Passing Yards", 1, 2, 5},
    {20, "Pass TDs", "Passing Touchdowns", 1, 2, 6},
    {21, "Yds/Att", "Yards / Pass Attempt", 1, 2, 103},
    {22, "QBR", "Passer Rating", 1, 2, 100},
    {23, "Sacked", "Times Sacked", 1, 2, 14},
    {24, "Sk Yds", "Yards Lost when Sacked", 1, 2, 15},
    {25, "Rushes", "Rushing Attempts ", 1, 2, 7},
    {26, "Rush Yds", "Rushing Yards", 1, 2, 8},
    {27, "Yds/Rush", "Yards / Rushing Attempt", 1, 2, 112},
    {28, "Rush TDs", "Rushing Touchdowns", 1, 2, 9},
    {29, "Fum", "Fumbles", 1, 2, 2},
    {30, "Receptions", "Receptions", 1, 2, 10},
    {31, "Rec Yds", "Receiving Yards", 1, 2, 11},
    {32, "Yds/Rec", "Yards / Reception", 1, 2, 113},
    {33, "Rec TDs", "Receiving Touchdowns", 1, 2, 12},
    {34, "Punt Ret", "Punt Returns ", 1, 2, 17},
    {35, "PR Yds", "Punt Return Yards", 1, 2, 18},
    {36, "PR Avg", "Punt Return Average", 1, 2, 120},
    {37, "PR TDs", "Punt Return Touchdowns", 1, 2, 19},
    {38, "Kick Ret", "Kick Returns", 1, 2, 14},
    {39, "KR Yds", "Kick Return Yards", 1, 2, 15},
    {40, "KR Avg", "Kick Return Average", 1, 2, 119},
    {41, "KR TDs", "Kick Return Touchdowns", 1, 2, 16},
    {42, "Yds/Rush", "Yards/Rush (OL only) ", 1, 2, 112},
    {43, "Sk Allowed", "Sacks Allowed (OL only)", 1, 2, 144},
    {44, "Penalties", "Penalties Incurred (OL only)", 1, 2, 10},
    {45, "Pen. Yds", "Penalty Yards (OL only)", 1, 2, 11},
    {46, "Tackles", "Tackles (Solo + Asst) ", 1, 2, 147},
    {47, "Tk/G", "Tackles per Game", 1, 2, 146},
    {48, "Asst", "Tackle Assists", 1, 2, 3},
    {49, "Sacks", "Sacks", 1, 2, 143},
    {50, "FF", "Fumbles Forced", 1, 2, 5},
    {51, "PD", "Passed Defensed", 1, 2, 6},
    {52, "Int", "Interceptions Caught", 1, 2, 7},
    {53, "Def TDs", "Defensive Return TDs", 1, 2, 9},
    {54, "FR", "Fumbles Recovered", 1, 2, 8},
    {55, "Coverage", "Coverage Completion Rate", 1, 2, 153},
    {56, "Punts", "Punts ", 1, 2, 2},
    {57, "Punt Yds", "Total Punt Yards", 1, 2, 3},
    {58, "Punt Avg", "Average Yards / Punt", 1, 2, 116},
    {59, "TB", "Touchbacks (Punts)", 1, 2, 6},
    {60, "Lg Punt", "Longest Punt", 1, 2, 5},
    {61, "PAT", "Point After Touchdown", 1, 2, 9},
    {62, "PAT Att", "PAT Attempts", 1, 2, 8},
    {63, "PAT %", "PAT Success Rate", 1, 2, 121},
    {64, "FG%", "Field Goal Success", 1, 2, 124},
    {65, "Long FG", "Longest Field Goal", 1, 2, 18},
    {66, "FG <40", "FG Success Inside 40 Yards", 1, 2, 129},
    {67, "FG 40+", "FG Success At 40+ Yards", 1, 2, 130},
    {68, "Comp%", "Completion Percentage", 1, 2, 101},
    {69, "Accuracy", "QB Accuracy Grade ", 1, 2, 2},
    {70, "Distance", "QB Distance Grade", 1, 2, 3},
    {71, "Control", "QB Control Grade", 1, 2, 4},
    {72, "Red Zone", "QB Red Zone Grade", 1, 2, 5},
    {73, "Mobility", "QB Mobility Grade", 1, 2, 6},
    {74, "Speed", "Speed Rating ", 1, 2, 7},
    {75, "Power", "Power Rating", 1, 2, 8},
    {76, "Quickness", "Quickness Rating", 1, 2, 9},
    {77, "Vision", "Vision Rating", 1, 2, 10},
    {78, "Receiving", "Receiving Rating", 1, 2, 11},
    {79, "Hands", "Hands Rating", 1, 2, 12},
    {80, "Pass-Blk", "Pass Blocking Rating ", 1, 2, 15},
    {81, "Rush-Blk", "Rush Blocking Rating", 1, 2, 16},
    {82, "Discipline", "Discipline Rating", 1, 2, 17},
    {83, "Run-Def", "Run Stopping Rating ", 1, 2, 18},
    {84, "Pass Rush", "Pass Rushing Rating", 1, 2, 19},
    {85, "Pass Cvr", "Pass Coverage Rating", 1, 2, 20},
    {86, "Turnovers", "Creating Turnovers Rating", 1, 2, 21},
    {87, "FG Acc", "Field Goal Accuracy ", 1, 2, 23},
    {88, "FG Dist.", "Field Goal Distance", 1, 2, 24},
    {89, "Punt Acc.", "Punting Accuracy", 1, 2, 25},
    {90, "Punt Dist.", "Punting Distance", 1, 2, 26},
    {91, "Years", "Contract Years Remaining", 0, 2, 12},
    {92, "Depth", "Depth Chart Level", 1, 2, 304},
    {93, "Injured", "Injury Weeks", 1, 2, 15},
    {94, "PR Rating", "Punt Return Rating", 1, 2, 14},
    {95, "KR Rating", "Kick Return Rating", 1, 2, 13},
    {96, "Stat Line", "Player Stat Line", 1, 0, 0},
    {97, "CSS", "Combined Scouting Score", 1, 2, 5},
    {98, "College", "Player College", 0, 0, 0},
    {99, "Yds/Comp", "Yards / Completion", 1, 2, 109},
    {100, "YAC", "Yards After Catch", 1, 2, 114},
    {101, "FG", "Field Goals", 1, 2, 122},
    {102, "FGA", "Field Goal Attempts", 1, 2, 123},
    {103, "Tackle %", "Tackle Percent", 1, 2, 161},
    {104, "Tackling", "Tackling Rating", 1, 2, 22},
    {105, "Uniform", "Uniform Number", 0, 2, 0},
    {106, "Durability", "Durability Rating", 1, 2, 1},
    {107, "ID String", "Database ID", 0, 0, 0},
    {108, "Fum Lost", "Fumbles Lost", 1, 2, 13},
    {109, "Year", "Draft Year", 0, 2, 13},
    {110, "Team", "Team Drafted By", 0, 2, 13},
    {111, "Round", "Draft Round", 0, 2, 16},
    {112, "Pick", "Overall Pick Number", 0, 2, 16},
};

// The table's own order: the chooser lists the columns so.
constexpr int TABLE_ORDER[LIST_CODE_COUNT] = {
    0, 1, 2, 15, 3, 4, 92, 93, 12, 13, 109, 110, 111, 112, 98, 97, 7, 105, 107, 5, 8, 11, 91, 6, 9, 10,
    96, 14, 16, 17, 68, 19, 21, 99, 20, 18, 22, 23, 24, 25, 26, 27, 28, 29, 108, 30, 31, 32, 33, 100,
    34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 103, 48, 49, 50, 51, 52, 53, 54, 55, 56,
    57, 58, 59, 60, 61, 62, 63, 101, 102, 64, 65, 66, 67, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79,
    106, 94, 95, 80, 81, 82, 83, 84, 85, 86, 104, 87, 88, 89, 90
};

constexpr bool Table_Is_Sound()
{
    bool bSeen[LIST_CODE_COUNT] = {};
    for (int i = 0; i < LIST_CODE_COUNT; ++i) {
        if (COLUMNS[i].nCode != i)
            return false;
        int nCode = TABLE_ORDER[i];
        if (nCode < 0 || nCode >= LIST_CODE_COUNT || bSeen[nCode])
            return false;
        bSeen[nCode] = true;
    }
    return true;
}
static_assert(Table_Is_Sound(), "every code once, in place");

struct TABLE_INDEX {
    int nIndex[LIST_CODE_COUNT];
    constexpr TABLE_INDEX() : nIndex()
    {
        for (int i = 0; i < LIST_CODE_COUNT; ++i)
            nIndex[TABLE_ORDER[i]] = i;
    }
};
constexpr TABLE_INDEX INDEX_OF_CODE;

}  // namespace

const LIST_COLUMN& Get_List_Column(int nCode)
{
    if (nCode < 0 || nCode >= LIST_CODE_COUNT)
        nCode = 0;
    return COLUMNS[nCode];
}

const LIST_COLUMN& Get_List_Column_At(int nTableIndex)
{
    if (nTableIndex < 0 || nTableIndex >= LIST_CODE_COUNT)
        nTableIndex = 0;
    return COLUMNS[TABLE_ORDER[nTableIndex]];
}

int Get_List_Column_Table_Index(int nCode)
{
    if (nCode < 0 || nCode >= LIST_CODE_COUNT)
        return -1;
    return INDEX_OF_CODE.nIndex[nCode];
}

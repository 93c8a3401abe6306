// Default column layouts of the player lists.

#include "league/list_columns.h"

#include "league/preferences.h"

namespace {

// The default rows, each ended by -1: rows 0-3 are the defaults of the four
// list kinds, rows 4-14 the column chooser's predefined groups.
// Codes: 0 Name, 1 Team, 2 Pos, 3 Overall, 4 Peak, 11 Cap Impact, 12 Height,
// 13 Weight, 15 Age, 91 Years, 96 Stat Line, 97 CSS, 98 College.
constexpr int DEFAULT_COLUMNS[LIST_DEFAULT_ROW_COUNT][LIST_COLUMN_SLOTS + 1] = {
    {0, 1, 2, 3, 4, 15, 11, 91, 96, -1},                  // Sortable Stats
    {0, 2, 3, 4, 15, 11, 91, 96, -1},                     // Free Agents
    {0, 2, 3, 4, 97, 12, 13, 15, 98, -1},                 // draft pool
    {0, 1, 2, 3, 4, 15, 11, 91, 96, -1},                  // Find Players
    {0, 1, 68, 19, 21, 20, 18, 22, 25, 26, -1},           // Quarterback Stats
    {0, 1, 2, 3, 4, 69, 70, 71, 72, 73, -1},              // Quarterback Ratings
    {0, 1, 2, 26, 27, 28, 30, 31, 33, 100, -1},           // Skill Positions Stats
    {0, 1, 2, 3, 4, 74, 75, 76, 77, 78, 79, -1},          // Skill Position Ratings
    {0, 1, 2, 9, 10, 42, 43, 44, 80, 81, 82, -1},         // Offensive Line
    {0, 1, 2, 34, 36, 37, 38, 40, 41, 94, 95, -1},        // Kick & Punt Returns
    {0, 1, 2, 46, 47, 103, 49, 50, 51, 52, 53, -1},       // Defensive Stats
    {0, 1, 2, 3, 4, 74, 83, 84, 85, 86, 104, -1},         // Defensive Ratings
    {0, 1, 2, 63, 101, 65, 64, 66, 67, 87, 88, -1},       // Kicking
    {0, 1, 2, 56, 58, 59, 60, 89, 90, -1},                // Punting
    {0, 1, 2, 15, 11, 5, 8, 91, 6, -1},                   // Salary & Contract
};

static_assert(LIST_LAYOUT_FIRST_SLOT + LIST_LAYOUT_STRIDE * (LIST_KIND_COUNT - 1) + 2 + LIST_COLUMN_SLOTS - 1 <= PREF_LIST_LAYOUT_LAST);

}  // namespace

int Get_Default_List_Column(int nRow, int nIndex)
{
    if (nRow < 0 || nRow >= LIST_DEFAULT_ROW_COUNT || nIndex < 0 || nIndex >= LIST_COLUMN_SLOTS)
        return -1;
    for (int i = 0; i < nIndex; ++i) {
        if (DEFAULT_COLUMNS[nRow][i] < 0)
            return -1;
    }
    return DEFAULT_COLUMNS[nRow][nIndex];
}

void Reset_List_Columns()
{
    for (int k = 0; k < LIST_KIND_COUNT; ++k) {
        const int nBase = LIST_LAYOUT_FIRST_SLOT + LIST_LAYOUT_STRIDE * k;
        int nCount = 0;
        // The unused code slots get -1 as a saved layout's do, so that no
        // code of an older layout survives behind the count.
        for (int i = 0; i < LIST_COLUMN_SLOTS; ++i) {
            int nCode = Get_Default_List_Column(k, i);
            if (nCode >= 0)
                ++nCount;
            Set_User_Preference(nBase + 2 + i, nCode);
        }
        Set_User_Preference(nBase + 1, 0);
        Set_User_Preference(nBase, nCount);
    }
}

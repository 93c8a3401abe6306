// Default column layouts of the player lists.

#include "editors/list_columns.h"

#include "league/preferences.h"

namespace {

// Default rows 0-3, one per list kind; each ends with -1.
// Codes: 0 Name, 1 Team, 2 Pos, 3 Overall, 4 Peak, 11 Cap Impact, 12 Height,
// 13 Weight, 15 Age, 91 Years, 96 Stat Line, 97 CSS, 98 College.
constexpr int DEFAULT_COLUMNS[LIST_KIND_COUNT][LIST_COLUMN_SLOTS + 1] = {
    {0, 1, 2, 3, 4, 15, 11, 91, 96, -1},      // Sortable Stats
    {0, 2, 3, 4, 15, 11, 91, 96, -1},         // Free Agents
    {0, 2, 3, 4, 97, 12, 13, 15, 98, -1},     // draft pool
    {0, 1, 2, 3, 4, 15, 11, 91, 96, -1},      // Find Players
};

static_assert(LIST_LAYOUT_FIRST_SLOT + LIST_LAYOUT_STRIDE * (LIST_KIND_COUNT - 1) + 2 + LIST_COLUMN_SLOTS - 1 <= PREF_LIST_LAYOUT_LAST);

}  // namespace

int Get_Default_List_Column(int nRow, int nIndex)
{
    if (nRow < 0 || nRow >= LIST_KIND_COUNT || nIndex < 0 || nIndex >= LIST_COLUMN_SLOTS)
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

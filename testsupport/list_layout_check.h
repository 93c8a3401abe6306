// Whether a list kind's stored layout and the view loaded from it are
// legal: codes 0-112, each once, 1 to 18 of them first in the slots with -1
// behind, the count matching, the sort column 0 or a shown column (code + 1,
// either sign). Shared by the tests and the fuzz target.
#pragma once

#include <cstdlib>
#include <string>

#include "league/list_columns.h"
#include "editors/player_list_view.h"
#include "league/preferences.h"

inline std::string List_Layout_Problem(int nKind, const PLAYER_LIST_VIEW& View)
{
    const int nBase = LIST_LAYOUT_FIRST_SLOT + LIST_LAYOUT_STRIDE * nKind;
    const int nCount = Get_User_Preference(nBase);
    if (nCount < 1 || nCount > LIST_COLUMN_SLOTS)
        return "count " + std::to_string(nCount);
    if (View.nColumnCount != nCount)
        return "view count " + std::to_string(View.nColumnCount) + " stored " + std::to_string(nCount);
    bool bSeen[LIST_CODE_COUNT] = {};
    for (int i = 0; i < LIST_COLUMN_SLOTS; ++i) {
        const int nCode = Get_User_Preference(nBase + 2 + i);
        if (i >= nCount) {
            if (nCode != -1)
                return "slot " + std::to_string(i) + " past the count holds " + std::to_string(nCode);
            continue;
        }
        if (nCode < 0 || nCode >= LIST_CODE_COUNT)
            return "code " + std::to_string(nCode);
        if (bSeen[nCode])
            return "code " + std::to_string(nCode) + " twice";
        bSeen[nCode] = true;
        if (View.ColumnCodes[i] != nCode)
            return "view code " + std::to_string(View.ColumnCodes[i]) + " stored " + std::to_string(nCode);
    }
    const int nSort = Get_User_Preference(nBase + 1);
    if (nSort != View.nSortColumn)
        return "view sort " + std::to_string(View.nSortColumn) + " stored " + std::to_string(nSort);
    if (nSort != 0 && (std::abs(nSort) > LIST_CODE_COUNT || !bSeen[std::abs(nSort) - 1]))
        return "sort column " + std::to_string(nSort) + " not shown";
    return std::string();
}

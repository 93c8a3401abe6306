// Fuzz target of the player lists' stored layouts: any bytes, read as up to
// 80 little-endian 16-bit values, become the layout slots of the four list
// kinds (missing ones 0). Each kind must then load legal, and a layout saved
// from the loaded view must load back the same.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "league/list_columns.h"
#include "editors/player_list_view.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "list_layout_check.h"
#include "platform/errors.h"

namespace {

constexpr int LAYOUT_SLOTS = LIST_LAYOUT_STRIDE * LIST_KIND_COUNT;

void Fail(int nKind, const std::string& Problem)
{
    std::fprintf(stderr, "List kind %d: %s\n", nKind, Problem.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst)
        Zero_League_Data();
    bFirst = false;

    for (int i = 0; i < LAYOUT_SLOTS; ++i) {
        uint16_t nValue = 0;
        if (2 * static_cast<size_t>(i) + 1 < nSize)
            nValue = static_cast<uint16_t>(pData[2 * i] | (pData[2 * i + 1] << 8));
        Set_User_Preference(LIST_LAYOUT_FIRST_SLOT + i, static_cast<int16_t>(nValue));
    }
    static PLAYER_LIST_VIEW View;
    static PLAYER_LIST_VIEW Again;
    for (int k = 0; k < LIST_KIND_COUNT; ++k) {
        Set_List_Kind(k);
        Load_List_Column_Layout(View);
        std::string Problem = List_Layout_Problem(k, View);
        if (!Problem.empty())
            Fail(k, Problem);
        Save_List_Column_Layout(View);
        Load_List_Column_Layout(Again);
        Problem = List_Layout_Problem(k, Again);
        if (!Problem.empty())
            Fail(k, "saved and loaded again: " + Problem);
        if (Again.nColumnCount != View.nColumnCount || Again.nSortColumn != View.nSortColumn ||
            std::memcmp(Again.ColumnCodes.data(), View.ColumnCodes.data(), sizeof(int) * LIST_COLUMN_SLOTS) != 0)
            Fail(k, "saved and loaded again differs");
    }
    Clear_Recent_Errors();
    return 0;
}

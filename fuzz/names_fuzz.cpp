// Fuzz target of the name-list reader: any bytes, read as "names/first.txt"
// and "names/last.txt". The first four bytes are the line count the league
// holds for the lists (preferences 92 and 93: 0 or below means count the
// file, anything else is taken as it is, even when the file has fewer
// lines); the rest is the file. Whatever they hold, a refill ends, every
// cached name fits its field, and a made player gets a name.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz_input_file.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/player_generation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst) {
        Zero_League_Data();
        Clear_League_Data();
        Make_Fuzz_Folder("names");
    }
    bFirst = false;
    if (nSize < 4)
        return 0;
    int32_t nCount = 0;
    std::memcpy(&nCount, pData, sizeof(nCount));
    Write_Fuzz_File("names/first.txt", pData + 4, nSize - 4);
    Write_Fuzz_File("names/last.txt", pData + 4, nSize - 4);
    Set_User_Preference(PREF_FIRST_NAME_LIST, nCount);
    Set_User_Preference(PREF_LAST_NAME_LIST, nCount);
    Reset_Name_Pool();

    Pick_Random_First_Name();
    Pick_Random_Last_Name();
    for (int i = 0; i < NAME_CACHE_SIZE + 1; ++i) {
        char szFirst[CACHED_FIRST_NAME_SIZE + 8];
        char szLast[CACHED_LAST_NAME_SIZE + 8];
        std::memset(szFirst, 'x', sizeof(szFirst));
        std::memset(szLast, 'x', sizeof(szLast));
        Take_Cached_First_Name(szFirst, sizeof(szFirst));
        Get_Random_Last_Name(szLast, sizeof(szLast));
        if (std::strlen(szFirst) >= CACHED_FIRST_NAME_SIZE || std::strlen(szLast) >= CACHED_LAST_NAME_SIZE)
            std::abort();
    }
    // A player made from the lists: an empty cache gives the default names.
    Clear_Player(0, 0);
    Set_Player_Vital_Stat(0, 0, VITAL_PLAYER_ID, 1);
    Make_Random_Player_Name(0, 0);
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

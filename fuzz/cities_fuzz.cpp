// Fuzz target of the cities file reader: any bytes, imported as "Cities.txt"
// into a league of four clubs on four cities. Whatever the file holds, the
// table afterwards is one run of named cities from entry 0, sorted, every
// name ends inside its field, and every club plays in a city of the table.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_input_file.h"
#include "league/cities.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"

namespace {

constexpr int CLUBS = 4;
const char* const CITY_NAMES[CLUBS] = {"Alpha", "Bravo", "Charlie", "Delta"};

void Set_Up_League()
{
    Zero_League_Data();
    Clear_League_Data();
    for (int t = 0; t < CLUBS; ++t) {
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        Set_Team_String("City", t, TEAM_STRING_CITY);
        Set_Team_String("Club", t, TEAM_STRING_NICKNAME);
    }
    Count_Teams();
}

// The same four cities and homes before every input.
void Reset_Cities()
{
    for (int c = 0; c < NUMBER_OF_CITIES; ++c)
        Clear_City(c);
    for (int t = 0; t < CLUBS; ++t) {
        Set_City_Name(t, CITY_NAMES[t]);
        Set_City_Photo(t, "Default");
        Set_Default_City_Stats(t);
        Set_Team_Stat(t, TEAM_STAT_CITY, t);
    }
    Set_User_Preference(PREF_CURRENT_CITY, 0);
}

void Check_Cities(int nRead)
{
    const int nCount = Count_Cities();
    if (nRead > NUMBER_OF_CITIES || (nRead >= 0 && nCount != nRead) || (nRead < 0 && nCount != CLUBS)) {
        std::fprintf(stderr, "Read %d cities, the table holds %d\n", nRead, nCount);
        std::abort();
    }
    char szPrevious[CITY_NAME_SIZE] = "";
    for (int c = 0; c < NUMBER_OF_CITIES; ++c) {
        char szName[CITY_NAME_SIZE + 8];
        std::memset(szName, 'x', sizeof(szName));
        Get_City_Name(c, szName, sizeof(szName));
        const size_t nLength = std::strlen(szName);
        if (nLength >= CITY_NAME_SIZE || (c < nCount) != (nLength > 0))
            std::abort();
        if (c > 0 && c < nCount && std::strcmp(szPrevious, szName) > 0)
            std::abort();
        std::memcpy(szPrevious, szName, nLength + 1);
    }
    for (int t = 0; t < CLUBS; ++t) {
        const int nCity = Get_Team_Stat(t, TEAM_STAT_CITY);
        if (nCity < 0 || nCity >= NUMBER_OF_CITIES || (nCount > 0 && nCity >= nCount))
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst)
        Set_Up_League();
    bFirst = false;

    Reset_Cities();
    Write_Fuzz_File(CITIES_FILE_NAME, pData, nSize);
    ui::Queue_Answer(ID_YES);
    const int nRead = Import_Cities();
    Check_Cities(nRead);
    Find_Best_Free_City();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

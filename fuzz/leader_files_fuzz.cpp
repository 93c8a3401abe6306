// Fuzz target of the all-time leader files "Input/Leaders/<year>-<table>-
// <statistic>.csv": any bytes as one year's file of one table, read into the
// league's leader lists. Whatever it holds, the list read has no more
// entries than a list holds, and reading it twice gives the same list.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz_input_file.h"
#include "fuzz_league.h"
#include "league/leader_tables.h"
#include "league/league_data.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "tools/leader_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst) {
        Start_Fuzz_League();
        Make_Fuzz_Folder("Input");
        Make_Fuzz_Folder("Input/Leaders");
    }
    bFirst = false;
    const std::string Path = Get_Leader_File_Path(2010, LEADER_TABLE_CAREER, LEADER_RUSH_YARDS);
    Write_Fuzz_File(Path.c_str(), pData, nSize);
    if (Load_All_Time_Leaders(2010) != 1)
        std::abort();
    LEADER_LIST First;
    Read_Leader_List(LEADER_TABLE_CAREER, LEADER_RUSH_YARDS, First);
    Load_All_Time_Leaders(2010);
    LEADER_LIST Second;
    Read_Leader_List(LEADER_TABLE_CAREER, LEADER_RUSH_YARDS, Second);
    if (std::memcmp(&First, &Second, sizeof(First)) != 0)
        std::abort();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

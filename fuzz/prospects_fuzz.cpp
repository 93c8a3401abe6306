// Fuzz target of "Input/Prospects-2023.dat", the prospect class of 232-byte
// records: any bytes as the file, read as the class, then the first pool
// players of 2023 made from it. Whatever the file holds, the count read is
// the whole records it holds (at most 277), every record counted is there,
// and each player made keeps a position 0-14 and finite ratings within their
// storage bound.

#include <cstdint>
#include <cstdlib>

#include "fuzz_input_file.h"
#include "fuzz_league.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/player_generation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst) {
        Start_Fuzz_League();
        Make_Fuzz_Folder("Input");
    }
    bFirst = false;
    Write_Fuzz_File("Input/Prospects-2023.dat", pData, nSize);
    const int nRead = Load_Prospect_Class(PROSPECT_CLASS_FILE);
    const size_t nLimit = PROSPECT_CLASS_SIZE * sizeof(PROSPECT_RECORD);
    const int nWant = nSize > nLimit ? 0 : static_cast<int>(nSize / sizeof(PROSPECT_RECORD));
    if (nRead != nWant)
        std::abort();
    for (int k = 0; k < nRead; ++k)
        if (Get_Prospect_Record(k) == nullptr)
            std::abort();
    if (Get_Prospect_Record(nRead) != nullptr)
        std::abort();

    League.Universe.nStat[FIRST_SEASON_YEAR] = PROSPECT_CLASS_YEAR;
    for (int s = 0; s < 3 && s < nRead; ++s) {
        Clear_Player(FIRST_DRAFT_POOL_TEAM, s);
        Fabricate_Position_Player(FIRST_DRAFT_POOL_TEAM, s, s, 0);
        Check_Fuzz_Player(League.Team[FIRST_DRAFT_POOL_TEAM].Player[s]);
    }
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

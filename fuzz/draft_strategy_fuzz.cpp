// Fuzz target of the "Input/DraftStrategy.txt" reader: any bytes, read as the file of
// the 15 positions' draft weights. Whatever the file holds, every value
// stored is within the 16-bit range, and a file of no lines at all stores 0
// everywhere (a missing line is 0).

#include <cstdint>
#include <cstdlib>

#include "fuzz_input_file.h"
#include "league/league_data.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/college_draft.h"
#include "season/draft_pool.h"
#include "season/draft_state.h"

namespace {

constexpr int MARKER = 77;   // what each field holds before the read

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst) {
        Zero_League_Data();
        Make_Fuzz_Folder("Input");
    }
    bFirst = false;

    for (int p = 0; p < DRAFT_TABLE_POSITIONS; ++p) {
        Set_Draft_Strategy(p, MARKER);
    }
    Write_Fuzz_File("Input/DraftStrategy.txt", pData, nSize);
    Load_Draft_Strategy();
    int nZeros = 0;
    int nMarkers = 0;
    for (int p = 0; p < DRAFT_TABLE_POSITIONS; ++p) {
        const int n = Get_Draft_Strategy(p);
        if (n < -DRAFT_STRATEGY_LIMIT || n > DRAFT_STRATEGY_LIMIT)
            std::abort();
        nZeros += n == 0;
        nMarkers += n == MARKER;
    }
    // Refused whole or taken whole: a refusal leaves every marker.
    if (!ui::Shown_Boxes().empty() && nMarkers != DRAFT_TABLE_POSITIONS)
        std::abort();
    if (nSize == 0 && nZeros != DRAFT_TABLE_POSITIONS)
        std::abort();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

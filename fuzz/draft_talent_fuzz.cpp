// Fuzz target of the "Input/DraftTalent.txt" reader: any bytes, read as the file of the
// three draft-talent columns of the 15 positions. Whatever the file holds, every value
// stored is within the range the generator can use, a refused file stores nothing,
// and a file of no lines at all stores 0 everywhere (a missing line is 0).

#include <cstdint>
#include <cstdlib>

#include "fuzz_input_file.h"
#include "league/league_data.h"
#include "platform/errors.h"
#include "platform/ui.h"
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
        for (int c = 0; c < DRAFT_TALENT_COLUMNS; ++c)
            Set_Draft_Talent(c, p, MARKER);
    }
    Write_Fuzz_File("Input/DraftTalent.txt", pData, nSize);
    Load_Draft_Talent();
    int nZeros = 0;
    int nMarkers = 0;
    for (int p = 0; p < DRAFT_TABLE_POSITIONS; ++p) {
        for (int c = 0; c < DRAFT_TALENT_COLUMNS; ++c) {
            const int n = Get_Draft_Talent(c, p);
            if (n < -DRAFT_TALENT_LIMIT || n > DRAFT_TALENT_LIMIT)
                std::abort();
            nZeros += n == 0;
            nMarkers += n == MARKER;
        }
    }
    // Refused whole or taken whole: a refusal leaves every marker.
    if (!ui::Shown_Boxes().empty() && nMarkers != DRAFT_TABLE_POSITIONS * DRAFT_TALENT_COLUMNS)
        std::abort();
    if (nSize == 0 && nZeros != DRAFT_TABLE_POSITIONS * DRAFT_TALENT_COLUMNS)
        std::abort();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

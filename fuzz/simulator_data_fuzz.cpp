// Fuzz target of "Simulator.dat": the input is the file. Whatever it holds,
// its load gives sound totals (no negative count) or zeroes and sets the
// file aside, and the reports and a tally run on what was read.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz_input_file.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "tools/season_simulator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    Write_Fuzz_File(SIMULATOR_DATA_FILE, pData, nSize);
    SIMULATOR_TOTALS Totals;
    const int nRead = Load_Simulator_Data(Totals);
    for (int i = 0; i < SIM_TALLY_MARKERS; ++i)
        if (Totals.n[i] < 0)
            std::abort();
    if (nRead == 0)
        for (int i = 0; i < SIMULATOR_INTS; ++i)
            if (Totals.n[i] != 0)
                std::abort();
    Write_Simulator_Report(0);
    Write_Simulator_Report(1);
    Tally_Simulator_Block(static_cast<int>(nSize % 6), static_cast<int>(nSize % 2));
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

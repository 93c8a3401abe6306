// Fuzz target of the rosters reader of the free-agent list tool: an input is
// split at its first NUL byte into "input/stats/2022_rosters.csv" and
// "input/stats/2023_rosters.csv" (without a NUL, the 2023 file is empty).
// Whatever they hold, the list is written, its line count is the count the
// tool returns, and every line written is no longer than a line may be read.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/text_utils.h"
#include "fuzz_input_file.h"
#include "gamefile/developer_tools.h"
#include "platform/errors.h"
#include "platform/ui.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst) {
        Make_Fuzz_Folder("input");
        Make_Fuzz_Folder("input/stats");
    }
    bFirst = false;
    const uint8_t* pSplit = static_cast<const uint8_t*>(std::memchr(pData, 0, nSize));
    const size_t nOld = pSplit == nullptr ? nSize : static_cast<size_t>(pSplit - pData);
    Write_Fuzz_File("input/stats/2022_rosters.csv", pData, nOld);
    const size_t nNew = pSplit == nullptr ? 0 : nSize - nOld - 1;
    Write_Fuzz_File("input/stats/2023_rosters.csv", pSplit == nullptr ? pData : pSplit + 1, nNew);

    const int nWritten = Write_Free_Agents_List();
    if (nWritten < 0)
        std::abort();
    FILE* pFile = std::fopen("Free-Agents.csv", "rb");
    if (pFile == nullptr)
        std::abort();
    int nLines = 0;
    size_t nLength = 0;
    for (int c = std::fgetc(pFile); c != EOF; c = std::fgetc(pFile)) {
        if (c == '\n') {
            ++nLines;
            nLength = 0;
        } else if (++nLength > 2047) {
            std::abort();
        }
    }
    std::fclose(pFile);
    if (nLines != nWritten || nLength != 0)
        std::abort();
    File_Contains_Text("input/stats/2023_rosters.csv", ",");
    Reset_Line_Limit_Warning();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

// Fuzz target of a saved game whose blocks inflate cleanly but whose values
// were changed: a 32-club league in its first week, changed as the input
// says, saved, loaded as a saved game, and, when it loads, played for a week.
// Whatever the file holds, the load refuses it or holds its values to the
// ranges of their records (the clubs' playbook plays repaired among them),
// so the week computes nothing out of range.
//
// An input's first byte picks the change: 0 writes pieces of bytes (each a
// four-byte offset into the league, a length byte and that many bytes), 1
// sets every byte to 0xFF, 2 every byte to zero, 3 fills runs (each a
// four-byte offset, a two-byte length and the byte). Run it from a scratch
// folder: the save, the load's log and the week's files go there.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "whole_season.h"
#include "gamefile/game_file.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/league_data.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/day_advance.h"

namespace {

constexpr const char* FILE_NAME = AUTO_SAVE_FILE;   // saved at level 1, without a progress window

uint32_t Read_32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

void Change_League(const uint8_t* pData, size_t nSize)
{
    uint8_t* pLeague = reinterpret_cast<uint8_t*>(&League);
    if (nSize == 0)
        return;
    const int nMode = pData[0] % 4;
    if (nMode == 1 || nMode == 2) {
        std::memset(pLeague, nMode == 1 ? 0xFF : 0x00, sizeof(League));
        return;
    }
    size_t i = 1;
    while (i + 5 <= nSize) {
        const size_t nAt = Read_32(pData + i) % sizeof(League);
        if (nMode == 0) {
            size_t n = pData[i + 4];
            i += 5;
            n = std::min({n, nSize - i, sizeof(League) - nAt});
            std::memcpy(pLeague + nAt, pData + i, n);
            i += n;
        } else {
            if (i + 7 > nSize)
                break;
            const size_t n = std::min<size_t>(static_cast<size_t>(pData[i + 4]) | pData[i + 5] << 8,
                                              sizeof(League) - nAt);
            std::memset(pLeague + nAt, pData[i + 6], n);
            i += 7;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static std::vector<uint8_t> Base;
    if (Base.empty()) {
        Set_Game_File_Threads(1);
        whole_season::Build_League(1);
        Base.assign(reinterpret_cast<const uint8_t*>(&League), reinterpret_cast<const uint8_t*>(&League) + sizeof(League));
    }
    std::memcpy(&League, Base.data(), Base.size());
    Change_League(pData, nSize);
    if (Save_Game(FILE_NAME) != SAVE_GAME_OK)
        std::abort();
    if (Load_Game_File(FILE_NAME) != 0)
        Advance_Day(1);
    // The headless boxes and the error list would otherwise grow without end.
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

// Fuzz target of the draft-class reader. The first byte picks the form: even,
// the rest is laid over a zeroed 756,000-byte class (so records, not just the
// size check, are reached); odd, the rest is the whole file (short, long or
// empty classes). Whatever the file holds, every pool player afterwards has a
// position 0-14, an expanded code 0-42, finite ratings within the storage
// bound, terminated names and season links that are -1 or lines of the table;
// a file of any other size leaves the pools untouched.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz_input_file.h"
#include "fuzz_league.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/draft_class.h"

namespace {

constexpr const char* CLASS_PATH = "databases/rookies-2021.dat";
constexpr int CLUBS = 4;

bool Ends_Inside(const char* szField, size_t nSize)
{
    return std::memchr(szField, '\0', nSize) != nullptr;
}

void Check_Pools()
{
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const PLAYER& Player = League.Team[t].Player[s];
            if (Player.nVital[VITAL_PLAYER_ID] == 0)
                continue;
            Check_Fuzz_Player_Codes(Player);
            if (!Ends_Inside(Player.szLastName, sizeof(Player.szLastName)) ||
                !Ends_Inside(Player.szFirstName, sizeof(Player.szFirstName)) ||
                !Ends_Inside(Player.szCollege, sizeof(Player.szCollege)))
                std::abort();
            for (int32_t nLink : Player.nSeasonLink)
                if (nLink < -1 || nLink >= SEASON_LINE_COUNT)
                    std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    static std::vector<uint8_t> Image(DRAFT_CLASS_DATABASE_SIZE);
    if (bFirst) {
        Start_Fuzz_League(CLUBS);
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2020);
        Make_Fuzz_Folder("databases");
    }
    bFirst = false;
    if (nSize == 0)
        return 0;

    // A marked pool player, to see that a refused file leaves the pools alone.
    Clear_Player(FIRST_DRAFT_POOL_TEAM, 0);
    League.Team[FIRST_DRAFT_POOL_TEAM].Player[0].nVital[VITAL_PLAYER_ID] = 4242;
    League.Team[FIRST_DRAFT_POOL_TEAM].Player[0].nVital[VITAL_POSITION] = POSITION_K;

    const bool bImage = (pData[0] & 1) == 0;
    if (bImage) {
        std::fill(Image.begin(), Image.end(), 0);
        std::memcpy(Image.data(), pData + 1, std::min(nSize - 1, Image.size()));
        Write_Fuzz_File(CLASS_PATH, Image.data(), Image.size());
    } else {
        Write_Fuzz_File(CLASS_PATH, pData + 1, nSize - 1);
    }
    const int nRead = Load_Draft_Class_Database();
    const bool bWhole = bImage || nSize - 1 == DRAFT_CLASS_DATABASE_SIZE;
    if (nRead != (bWhole ? 1 : 0))
        std::abort();
    if (!bWhole && League.Team[FIRST_DRAFT_POOL_TEAM].Player[0].nVital[VITAL_PLAYER_ID] != 4242)
        std::abort();
    Check_Pools();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

// Fuzz target of the player ratings file reader: any bytes, read as a ratings
// file over a small league. Whatever the file holds, every player keeps a
// position 0-14 and an expanded code 0-42, and no rating becomes non-finite
// or leaves the storage bound.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz_input_file.h"
#include "fuzz_league.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "tools/ratings_loader.h"

namespace {

constexpr int CLUBS = 2;
constexpr int PLAYERS = 6;
constexpr const char* CORVEL_IDS[PLAYERS] = {"AbleAn01", "BakeBo02", "CarrCa03", "DunnDa04", "EvanEd05", "1"};

void Place_Players()
{
    for (int t = 0; t < CLUBS; ++t) {
        for (int s = 0; s < PLAYERS; ++s) {
            Clear_Player(t, s);
            PLAYER& Player = League.Team[t].Player[s];
            Player.nVital[VITAL_PLAYER_ID] = 100 + t * PLAYERS + s;
            Player.nVital[VITAL_POSITION] = s;
            Player.nVital[VITAL_BIRTH_DATE] = 19950101;
            for (float& fRating : Player.fRating)
                fRating = 60.0f;
            std::strcpy(Player.szCorvelID, CORVEL_IDS[s]);
        }
    }
    Build_Player_ID_Hash();
}

void Check_Players()
{
    for (int t = 0; t < CLUBS; ++t)
        for (int s = 0; s < PLAYERS; ++s)
            Check_Fuzz_Player_Codes(League.Team[t].Player[s]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst) {
        Start_Fuzz_League(CLUBS);
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2010);
    }
    bFirst = false;
    Place_Players();
    Write_Fuzz_File("ratings.csv", pData, nSize);
    if (Load_Player_Ratings_File(0, "ratings.csv") != 1)
        std::abort();
    Check_Players();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

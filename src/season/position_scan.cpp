// The position codes of files from before the fullback had a code of its own.

#include "season/position_scan.h"

#include "league/league_data.h"
#include "league/player.h"
#include "league/player_text.h"
#include "season/player_repairs.h"

namespace {

constexpr int FULLBACK_MEASURE = 70;
// The old codes ran to 13 (the punter); the new fullback code pushed every
// code from 2 up by one. A code above 13 has no old meaning and is left
// alone rather than pushed out of the position table.
constexpr int LAST_OLD_POSITION = 13;

}  // namespace

void Scan_Player_Records_On_Load()
{
    For_Each_Player_In_Use([](int t, int s) {
        const int nPosition = Get_Player_Position(t, s);
        if (nPosition == POSITION_RB) {
            if (Get_Player_Rated_Measure(t, s) >= FULLBACK_MEASURE)
                Set_Player_Vital_Stat(t, s, VITAL_POSITION, POSITION_FB);
        } else if (nPosition >= POSITION_FB && nPosition <= LAST_OLD_POSITION) {
            Set_Player_Vital_Stat(t, s, VITAL_POSITION, nPosition + 1);
        }
    });
}

// What the targets that read into the league share: a clean league to start
// from, and the checks every player the readers or the generation leave
// behind must pass.
#pragma once

#include <sys/stat.h>

#include <cmath>
#include <cstdlib>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"

// An empty league; with nClubs, its first nClubs clubs are in use, run by
// the computer.
inline void Start_Fuzz_League(int nClubs = 0)
{
    Zero_League_Data();
    Clear_League_Data();
    if (nClubs == 0)
        return;
    for (int t = 0; t < nClubs; ++t)
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    Count_Teams();
}

// Aborts unless the player keeps a position 0-14 and every rating finite and
// within its storage bound.
inline void Check_Fuzz_Player(const PLAYER& Player)
{
    if (Player.nVital[VITAL_POSITION] < 0 || Player.nVital[VITAL_POSITION] >= NUMBER_OF_POSITIONS)
        std::abort();
    for (float fRating : Player.fRating)
        if (!std::isfinite(fRating) || std::fabs(fRating) > RATING_STORAGE_BOUND)
            std::abort();
}

// As Check_Fuzz_Player, and the expanded position code 0-42 as well.
inline void Check_Fuzz_Player_Codes(const PLAYER& Player)
{
    Check_Fuzz_Player(Player);
    if (Player.bStat[BYTE_STAT_DEPTH_SLOT] >= NUMBER_OF_EXPANDED_POSITIONS)
        std::abort();
}

// Aborts when the log has grown past a megabyte: a loop that reports on every
// pass is a fault.
inline void Check_Fuzz_Log_Small()
{
    struct stat Log;
    if (::stat(DEBUG_LOG_FILE, &Log) == 0 && Log.st_size > 1000000)
        std::abort();
}

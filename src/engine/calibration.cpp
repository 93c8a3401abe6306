#include "engine/calibration.h"

#include <algorithm>

#include "league/league_data.h"
#include "league/player.h"

// Calibrated to strip-sacks lost by the offence: about 4 in 100 sacks with a
// quarterback of Hands 70 (about 0.1 a team-game at 2.5 sacks), rising as his
// Hands fall (Hands 40 about 7 in 100, Hands 100 under 1 in 100). The sack's
// fumble kept by the offence comes on top, from the ball-security figure.
int Get_Passer_Fumble_Chance(const GAME* pGame, int nPasserSlot)
{
    const int nTeam = pGame ? static_cast<int>(pGame->nOffense) : -1;
    float fHands = 70.0f;
    if (nTeam >= 0 && nTeam <= LAST_TEAM && nPasserSlot >= 0 && nPasserSlot < PLAYERS_PER_TEAM)
        fHands = Get_Player_Rating(nTeam, nPasserSlot, RATING_HANDS);
    fHands = std::clamp(fHands, 40.0f, 100.0f);
    return static_cast<int>(40.0f * (105.0f - fHands) / 35.0f);
}

// Neutral for every offence: the pass model's own pulls towards the league's
// rates (completions, sacks, interceptions by the week) keep a season's
// passing near the era's averages without it.
float Get_Offense_Trend_Factor(const GAME* pGame)
{
    (void)pGame;
    return 1.0f;
}

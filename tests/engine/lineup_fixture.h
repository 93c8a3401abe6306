// The two elevens of a scrimmage play in the engine tests: the home team (1)
// has the ball with QB, RB, FB, WR, WR, TE, T, G, C, G, T in roster slots 0-10
// (IDs 100-110) and places 0-10; the away team (0) defends with DE, DE, DT,
// DT, LB, LB, LB, CB, CB, S, S in slots 20-30 (IDs 200-210) and places 0-10.
#pragma once

#include "league/league_fixture.h"

inline void Put_Scrimmage_Elevens(GAME& Game)
{
    constexpr int AWAY_TEAM = 0;
    constexpr int HOME_TEAM = 1;
    const int nOffense[] = {POSITION_QB, POSITION_RB, POSITION_FB, POSITION_WR, POSITION_WR, POSITION_TE,
                            POSITION_T,  POSITION_G,  POSITION_C,  POSITION_G,  POSITION_T};
    const int nDefense[] = {POSITION_DE, POSITION_DE, POSITION_DT, POSITION_DT, POSITION_LB, POSITION_LB,
                            POSITION_LB, POSITION_CB, POSITION_CB, POSITION_S,  POSITION_S};
    for (int p = 0; p < PLACES_ON_FIELD; ++p) {
        Put_Player(HOME_TEAM, p, 100 + p, nOffense[p]);
        Put_Player(AWAY_TEAM, 20 + p, 200 + p, nDefense[p]);
        Game.nOnField[GAME_SIDE_HOME][p] = static_cast<uint8_t>(p);
        Game.nOnField[GAME_SIDE_AWAY][p] = static_cast<uint8_t>(20 + p);
    }
    Game.nAwayTeam = AWAY_TEAM;
    Game.nHomeTeam = HOME_TEAM;
    Game.nOffense = HOME_TEAM;
}

// Small leagues for the tests of the season's end, the college draft and the
// computer managers: named franchises, players of a given age, rating and
// contract, and lookups by player ID.
#pragma once

#include <cstdio>

#include "../league/league_fixture.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"

namespace season_cycle {

constexpr int FIRST_YEAR = 2020;

// Franchises 0 .. nTeams - 1 in division 0, the first nUsers run by the
// user, named "City<t> Nick<t>" unless named again; the first season 2020,
// season index 0, the draft over (round 7).
inline void Build_League(int nTeams, int nUsers = 0)
{
    Set_Universe_Stat(FIRST_SEASON_YEAR, FIRST_YEAR);
    Use_Franchises(nTeams);
    for (int t = 0; t < nTeams; ++t) {
        Set_Team_Stat(t, TEAM_STAT_DIVISION, 0);
        if (t < nUsers)
            Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
        char szCity[16];
        char szNick[16];
        std::snprintf(szCity, sizeof(szCity), "City%d", t);
        std::snprintf(szNick, sizeof(szNick), "Nick%d", t);
        Set_Team_String(szCity, t, TEAM_STRING_CITY);
        Set_Team_String(szNick, t, TEAM_STRING_NICKNAME);
    }
    Count_Teams();
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
}

// Player nID at a position with every rating fRating, born on January 1 of
// nBirthYear, with nYears of contract left.
inline void Put_Signed_Player(int nTeam, int nSlot, int nID, int nPosition, float fRating, int nBirthYear,
                              int nYears)
{
    Put_Player(nTeam, nSlot, nID, nPosition, fRating);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE, nBirthYear * 10000 + 101);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, -1);
}

// nPlayers signed players of team nTeam rated fRating, IDs nFirstID + slot:
// the fewest of each position a legal roster keeps (so a computer club is
// short nowhere), then running backs.
inline void Fill_Legal_Club(int nTeam, int nPlayers, int nFirstID, float fRating)
{
    constexpr int MINIMUM[NUMBER_OF_POSITIONS] = {2, 2, 1, 2, 4, 3, 3, 2, 3, 3, 4, 4, 3, 1, 1};
    int nPosition = 0;
    int nAtPosition = 0;
    for (int s = 0; s < nPlayers; ++s) {
        while (nPosition < NUMBER_OF_POSITIONS && nAtPosition >= MINIMUM[nPosition]) {
            ++nPosition;
            nAtPosition = 0;
        }
        const int nThis = nPosition < NUMBER_OF_POSITIONS ? nPosition : POSITION_RB;
        ++nAtPosition;
        Put_Signed_Player(nTeam, s, nFirstID + s, nThis, fRating, 1995, 2);
    }
}

struct WHERE {
    int nTeam = NO_TEAM;
    int nSlot = -1;
    bool Found() const { return nSlot >= 0; }
};

// The team and slot of the player with this ID over team slots 0-40.
inline WHERE Find_ID(int nID)
{
    WHERE Where;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (League.Team[t].Player[s].nVital[VITAL_PLAYER_ID] == nID) {
                Where.nTeam = t;
                Where.nSlot = s;
                return Where;
            }
    return Where;
}

}  // namespace season_cycle

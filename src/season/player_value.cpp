// A player's projected peak and his scouted figures.
//
// Rule now: the potential is the player's present overall (what a player
// already at his peak age gets), and scouts see a player's figures as they
// are (what perfect scouting gives).
#include "season/player_value.h"

#include <cmath>

#include "league/overall_rating.h"
#include "league/player.h"

float Compute_Player_Potential(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0.0f;
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0.0f;
    return std::trunc(Get_Player_Overall_Or_Regenerate(nTeam, nSlot));
}

int Adjust_Player_Stat_By_Modifier(int nTeam, int nSlot, int nValue)
{
    // The modifier of perfect scouting is 0: the value stands.
    (void)nTeam;
    (void)nSlot;
    return nValue;
}

// Stand-ins until the value rules are in: the overall rating at his position.
int Get_Player_Value(int nTeam, int nSlot)
{
    if (Get_Player_ID(nTeam, nSlot) <= 0)
        return 0;
    return static_cast<int>(Get_Position_Overall_Rating(nTeam, nSlot, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)));
}

int Get_Rating_Value(int, int, float fRating)
{
    return static_cast<int>(fRating);
}

// Every player of the league with his season lines: the one walk the
// searches that rank a season share (the leader pages, the club pages'
// season-by-season leaders, the front page's leaders), so they all count
// the same players.
#pragma once

#include "league/league_data.h"
#include "league/player.h"

// Whether the walk covers team slot nTeam: a franchise in use or the free
// agents. The draft pools and the hall of fame are not the league's.
bool Is_League_Player_Team(int nTeam);

// Calls f(nTeam, nSlot) for every used roster slot of every franchise in
// use, all 100 of them in slot order, then of the free agents. Rosters keep
// no order of position, so no search may stop short of the last slot.
template <typename F> void For_Each_League_Player(F f)
{
    for (int t = 0; t <= FREE_AGENT_TEAM; ++t) {
        if (!Is_League_Player_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Is_Player_Slot_Used(t, s))
                f(t, s);
    }
}

// The club a player's season of nYear counts for: the club of his
// professional line of that year with the most games (the first of equal
// ones) when that club is a franchise in use; else, when no line tells, the
// team slot he is in now (the free agents' slot for a free agent).
int Get_Player_Season_Club(int nTeam, int nSlot, int nYear);

// Statistic nStat of his professional lines of nYear with club nClub, summed
// (a statistic Get_Season_Line_Stat knows); false, and *pValue 0, when he has
// no such line.
bool Get_Player_Club_Season_Stat(int nTeam, int nSlot, int nYear, int nClub, int nStat, int* pValue);

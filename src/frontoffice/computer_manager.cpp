// What the computer's front offices do.
//
// Rule now: the clubs keep their rosters between 45 and 51 players with the
// best free agents by overall rating and the roster trim of
// Release_Excess_Player, and set their depth charts and returners; they
// make no trades and weigh no position needs.
#include "frontoffice/computer_manager.h"

#include "frontoffice/depth_chart.h"
#include "frontoffice/roster_moves.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

// Release_Excess_Player lets one player go at a time; a roster never holds
// more than this many, so the trim ends within it.
constexpr int TRIM_LIMIT = PLAYERS_PER_TEAM;

// The pool slot of the free agent with the best overall rating (the lower
// slot on a tie); -1 when the pool is empty.
int Find_Best_Free_Agent()
{
    const int nPlayers = Count_Team_Players(FREE_AGENT_TEAM);
    int nBest = -1;
    float fBest = 0.0f;
    for (int s = 0; s < nPlayers; ++s) {
        const float fOverall = Get_Player_Overall_Rating(FREE_AGENT_TEAM, s);
        if (nBest < 0 || fOverall > fBest) {
            nBest = s;
            fBest = fOverall;
        }
    }
    return nBest;
}

// Signs the best free agent for the team; false when the pool is empty or
// the roster full.
bool Sign_Best_Free_Agent(int nTeam)
{
    const int nSlot = Find_Best_Free_Agent();
    if (nSlot < 0)
        return false;
    return Sign_Free_Agent_To_Team(nTeam, nSlot) >= 0;
}

}  // namespace

bool Is_Computer_Run_Team(int nTeam)
{
    if (!Is_Team_Slot_Used(nTeam))
        return false;
    return Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) != CONTROLLER_USER
           || Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0;
}

int Sign_Free_Agent_To_Team(int nTeam, int nSlot)
{
    if (!Is_Team_Slot_Used(nTeam)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, nSlot);
        return -1;
    }
    if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, nSlot)) {
        Report_Error("No free agent in %s(%d,[%d])", __func__, nTeam, nSlot);
        return -1;
    }
    const int nNewSlot = Find_Empty_Player_Slot(nTeam);
    if (nNewSlot < 0)
        return -1;
    Swap_Players(FREE_AGENT_TEAM, nSlot, nTeam, nNewSlot);
    // The pool's slot now holds the empty record: clear it and close the gap.
    Shift_Roster_Over_Slot(FREE_AGENT_TEAM, nSlot);
    if (Get_Player_Vital_Stat(nTeam, nNewSlot, VITAL_CONTRACT_YEARS_LEFT) < 1)
        Set_Player_Vital_Stat(nTeam, nNewSlot, VITAL_CONTRACT_YEARS_LEFT, 1);
    return nNewSlot;
}

void Auto_Set_Computer_Depth_Charts(int bFlag)
{
    (void)bFlag;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Computer_Run_Team(t))
            continue;
        for (int nUnit = 0; nUnit <= 2; ++nUnit)
            Auto_Set_Depth_Chart(t, nUnit, 0);
    }
}

void Sign_AI_Free_Agent()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        if (Is_Computer_Run_Team(t) && Count_Team_Players(t) < AI_ROSTER_TARGET) {
            Sign_Best_Free_Agent(t);
            return;
        }
    }
}

void Run_AI_Trade()
{
    // Rule now: the computer clubs trade nothing.
}

void Run_Computer_Roster_Moves()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t)
        if (Is_Computer_Run_Team(t))
            Trim_Team_Roster(t);
}

void Run_AI_Free_Agency(int bProgress)
{
    (void)bProgress;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Computer_Run_Team(t))
            continue;
        // Each signing adds a player, so the loop ends by the target.
        while (Count_Team_Players(t) < AI_ROSTER_TARGET)
            if (!Sign_Best_Free_Agent(t))
                break;
    }
}

void Trim_Team_Roster(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return;
    for (int i = 0; i < TRIM_LIMIT; ++i)
        if (!Release_Excess_Player(nTeam))
            break;
}

void Choose_Team_Returners(int nTeam)
{
    Choose_Team_Returner(nTeam, RETURNER_KICKOFF);
    Choose_Team_Returner(nTeam, RETURNER_PUNT);
}

void Sort_Team_Depth_Chart_Backups(int nTeam)
{
    for (int nUnit = 0; nUnit <= 2; ++nUnit)
        Sort_Depth_Chart_Backups(nTeam, nUnit);
}

void Compute_League_Position_Averages(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        Report_Error("nPosition out of bounds in %s([%d])", __func__, nPosition);
}

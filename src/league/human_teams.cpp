#include "league/human_teams.h"

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"

namespace {

bool All_Computer()
{
    return League.Preferences.nInt[PREF_ALL_COMPUTER_TEAMS] != 0;
}

int Controller(int nTeam)
{
    return League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER];
}

// Team slots the counts run over: those of the league, never past the
// franchises (a damaged count must not reach the pools).
int Counted_Slots()
{
    int n = Count_Teams();
    return n < 0 ? 0 : (n > MAX_FRANCHISES ? MAX_FRANCHISES : n);
}

}  // namespace

bool Is_Human_Team(int nTeam)
{
    return Is_Team_Slot_Used(nTeam) && !All_Computer() && Controller(nTeam) == CONTROLLER_USER;
}

bool Is_Computer_Team(int nTeam)
{
    return Is_Team_Slot_Used(nTeam) && (All_Computer() || Controller(nTeam) == CONTROLLER_COMPUTER);
}

int Count_Human_Teams()
{
    int nCount = 0;
    for (int t = 0, n = Counted_Slots(); t < n; ++t)
        nCount += Is_Human_Team(t) ? 1 : 0;
    return nCount;
}

int Count_Computer_Teams()
{
    int nCount = 0;
    for (int t = 0, n = Counted_Slots(); t < n; ++t)
        nCount += Is_Computer_Team(t) ? 1 : 0;
    return nCount;
}

bool Has_Several_Human_Teams()
{
    return Count_Human_Teams() > 1;
}

int Get_Nth_Human_Team(int n)
{
    if (n < 0 || n >= Count_Human_Teams())
        n = 0;
    for (int t = 0, nSlots = Counted_Slots(); t < nSlots; ++t) {
        if (Is_Human_Team(t) && n-- == 0)
            return t;
    }
    return 0;
}

// The season's standings: seeding the playoff bracket.
#include "season/standings.h"

#include <climits>

#include "base/int_math.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "season/playoffs.h"

namespace {

constexpr int MAX_SEEDS = 8;

// The best not yet seeded among the candidates, by strictly higher key: on
// equal keys the earlier candidate. NO_TEAM when none is left.
int Best_Unseeded(const int* pCandidate, int nCandidates, const int* pKey, const int* pSeeded, int nSeeded)
{
    int nBest = NO_TEAM;
    int nBestKey = INT_MIN;
    for (int i = 0; i < nCandidates; ++i) {
        const int nTeam = pCandidate[i];
        if (nTeam == NO_TEAM)
            continue;
        bool bSeeded = false;
        for (int s = 0; s < nSeeded; ++s)
            if (pSeeded[s] == nTeam)
                bSeeded = true;
        if (bSeeded)
            continue;
        if (nBest == NO_TEAM || pKey[nTeam] > nBestKey) {
            nBest = nTeam;
            nBestKey = pKey[nTeam];
        }
    }
    return nBest;
}

void Seed_League(int nLeague, const int* pKey)
{
    const int nDivisions = Count_League_Divisions(nLeague);
    const int n = Get_League_Playoff_Seeds(nLeague);
    const int nClubs = Count_League_Teams(nLeague);
    if (n <= 0)
        return;

    // Leaders: place 0 of every division of the league that holds a team,
    // whichever of the four they are.
    const int nSeason = Get_Current_Season_Index();
    int nLeader[4];
    int nLeaders = 0;
    for (int d = 4 * nLeague; d < 4 * nLeague + 4; ++d)
        if (Count_Division_Teams(d) > 0)
            nLeader[nLeaders++] = Get_Division_Place_Team(d, 0, nSeason);

    int nSeed[MAX_SEEDS];
    int s = 0;
    for (; s < nDivisions && s < n; ++s)
        nSeed[s] = Best_Unseeded(nLeader, nLeaders, pKey, nSeed, s);

    int nMember[MAX_FRANCHISES];
    int nMembers = 0;
    for (int i = 0; i < nClubs && nMembers < MAX_FRANCHISES; ++i)
        nMember[nMembers++] = Get_Nth_Team_In_Group(nLeague, i);
    for (; s < n; ++s)
        nSeed[s] = Best_Unseeded(nMember, nMembers, pKey, nSeed, s);

    for (s = 0; s < n; ++s) {
        if (nSeed[s] == NO_TEAM)
            continue;
        Set_Playoff_Team(Get_Playoff_Seed_Slot(nLeague, n, s), nSeed[s]);
        Set_Team_Stat(nSeed[s], TEAM_STAT_PLAYOFF_SEED, s + 1);
    }
}

}  // namespace

void Update_Standings()
{
    Clear_Playoff_Slots();
    // Every key once, from one reading of the results.
    RESULTS_HOLD Hold;
    int nKey[MAX_FRANCHISES];
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        nKey[t] = Get_Team_Standings_Key(t);
    const int nLeagues = Count_Leagues();
    for (int nLeague = 0; nLeague < nLeagues && nLeague < NUMBER_OF_LEAGUES; ++nLeague)
        Seed_League(nLeague, nKey);
    // The old rule keeps division rivals apart from the seeding on.
    if (Get_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD) != 0)
        Avoid_Division_Rematch();
}

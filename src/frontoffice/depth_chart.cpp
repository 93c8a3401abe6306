#include "frontoffice/depth_chart.h"

#include "frontoffice/roster_moves.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "platform/errors.h"

// Least versions: the depth-chart orders and the playbook check come with the
// front office and the engine's playbooks; until then only the returners,
// which the team record already keeps, are chosen.

namespace {

bool Check_Unit_Arguments(const char* szFunction, int nTeam, int nUnit)
{
    if (!Is_Valid_Team(nTeam)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", szFunction, nTeam, nUnit);
        return false;
    }
    if (nUnit < 0 || nUnit > 2) {
        Report_Error("nUnit out of bounds in %s(%d,[%d])", szFunction, nTeam, nUnit);
        return false;
    }
    return true;
}

void Choose_Returners(int nTeam)
{
    Choose_Team_Returner(nTeam, RETURNER_KICKOFF);
    Choose_Team_Returner(nTeam, RETURNER_PUNT);
}

}  // namespace

void Auto_Set_All_Depth_Charts(int bFlag)
{
    (void)bFlag;
    int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; t++)
        if (Is_Valid_Team(t))
            Choose_Returners(t);
}

void Auto_Set_Depth_Chart(int nTeam, int nUnit, int bFlag)
{
    (void)bFlag;
    if (!Check_Unit_Arguments("Auto_Set_Depth_Chart", nTeam, nUnit))
        return;
    if (nUnit == 2)
        Choose_Returners(nTeam);   // the special-teams unit holds the returners
}

void Sort_Depth_Chart_Backups(int nTeam, int nUnit)
{
    Check_Unit_Arguments("Sort_Depth_Chart_Backups", nTeam, nUnit);
}

void Check_Defensive_Playbook(int nTeam)
{
    if (!Is_Valid_Team(nTeam))
        Report_Error("nTeam out of bounds in Check_Defensive_Playbook([%d])", nTeam);
}

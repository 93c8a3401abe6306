// Depth charts of the teams.
//
// Rule now: only the returners, which the team record keeps, are chosen; no
// depth-chart order is kept, so there are no starters or backups to order.
#include "frontoffice/depth_chart.h"

#include "frontoffice/roster_moves.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "platform/errors.h"

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
    if (!Check_Unit_Arguments(__func__, nTeam, nUnit))
        return;
    if (nUnit == 2)
        Choose_Returners(nTeam);   // the special-teams unit holds the returners
}

void Sort_Depth_Chart_Backups(int nTeam, int nUnit)
{
    // Rule now: no order is kept, so only the arguments are checked.
    Check_Unit_Arguments(__func__, nTeam, nUnit);
}

void Check_Defensive_Playbook(int nTeam)
{
    // Rule now: the plays are not matched to the alignment; only the team is checked.
    if (!Is_Valid_Team(nTeam))
        Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
}

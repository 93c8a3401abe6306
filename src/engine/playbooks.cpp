// Team playbooks: the reset of their categories and call tallies.
//
// Rule now: a reset writes the default category names and clears the call
// tallies of both areas; the plays and the notes stay as stored.

#include "engine/playbooks.h"

#include <cstring>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"

namespace {

constexpr const char* OFFENSIVE_CATEGORIES[OFFENSIVE_CATEGORY_COUNT] = {
    "Inside Runs", "Outside Runs", "Short Passes", "Medium Passes", "Long Passes", "Trick/Special",
};
constexpr const char* DEFENSIVE_CATEGORIES[DEFENSIVE_CATEGORY_COUNT] = {
    "Balanced", "Run Defense", "Pass Defense",
};

static_assert(OFFENSIVE_TALLIES_OFFSET < OFFENSIVE_NOTES_OFFSET && OFFENSIVE_NOTES_OFFSET < OFFENSIVE_PLAYBOOK_SIZE);
static_assert(DEFENSIVE_TALLIES_OFFSET < DEFENSIVE_NOTES_OFFSET && DEFENSIVE_NOTES_OFFSET < DEFENSIVE_PLAYBOOK_SIZE);

void Write_Categories(int nTeam, int nSide, const char* const* pNames, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        char Field[PLAYBOOK_CATEGORY_NAME_SIZE] = {};
        std::strncpy(Field, pNames[i], PLAYBOOK_CATEGORY_NAME_SIZE - 1);
        Set_Team_Playbook_Bytes(nTeam, nSide, PLAYBOOK_CATEGORY_NAME_SIZE * i, Field, PLAYBOOK_CATEGORY_NAME_SIZE);
    }
}

}  // namespace

void Reset_Team_Playbooks()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        Write_Categories(t, SIDE_OFFENSE, OFFENSIVE_CATEGORIES, OFFENSIVE_CATEGORY_COUNT);
        Write_Categories(t, SIDE_DEFENSE, DEFENSIVE_CATEGORIES, DEFENSIVE_CATEGORY_COUNT);
        Clear_Team_Playbook_Bytes(t, SIDE_OFFENSE, OFFENSIVE_TALLIES_OFFSET, OFFENSIVE_NOTES_OFFSET - OFFENSIVE_TALLIES_OFFSET);
        Clear_Team_Playbook_Bytes(t, SIDE_DEFENSE, DEFENSIVE_TALLIES_OFFSET, DEFENSIVE_NOTES_OFFSET - DEFENSIVE_TALLIES_OFFSET);
    }
}

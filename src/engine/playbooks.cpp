// Team playbooks.
//
// The built-in play tables, the default plays and notes, and the offensive
// system of each team come with the engine's play calling; until then a
// reset gives every team the default categories and clean tallies, and keeps
// the plays it holds.

#include "engine/playbooks.h"

#include <cstring>

#include "league/league_data.h"
#include "league/league_structure.h"

namespace {

constexpr const char* OFFENSIVE_CATEGORIES[OFFENSIVE_CATEGORY_COUNT] = {
    "Inside Runs", "Outside Runs", "Short Passes", "Medium Passes", "Long Passes", "Trick/Special",
};
constexpr const char* DEFENSIVE_CATEGORIES[DEFENSIVE_CATEGORY_COUNT] = {
    "Balanced", "Run Defense", "Pass Defense",
};

static_assert(OFFENSIVE_TALLIES_OFFSET < OFFENSIVE_NOTES_OFFSET && OFFENSIVE_NOTES_OFFSET < OFFENSIVE_PLAYBOOK_SIZE);
static_assert(DEFENSIVE_TALLIES_OFFSET < DEFENSIVE_NOTES_OFFSET && DEFENSIVE_NOTES_OFFSET < DEFENSIVE_PLAYBOOK_SIZE);

void Write_Categories(uint8_t* pArea, const char* const* pNames, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        char* pField = reinterpret_cast<char*>(pArea) + PLAYBOOK_CATEGORY_NAME_SIZE * i;
        std::memset(pField, 0, PLAYBOOK_CATEGORY_NAME_SIZE);
        std::strncpy(pField, pNames[i], PLAYBOOK_CATEGORY_NAME_SIZE - 1);
    }
}

}  // namespace

void Reset_Team_Playbooks()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        TEAM& Team = League.Team[t];
        Write_Categories(Team.OffensivePlaybook, OFFENSIVE_CATEGORIES, OFFENSIVE_CATEGORY_COUNT);
        Write_Categories(Team.DefensivePlaybook, DEFENSIVE_CATEGORIES, DEFENSIVE_CATEGORY_COUNT);
        std::memset(Team.OffensivePlaybook + OFFENSIVE_TALLIES_OFFSET, 0, OFFENSIVE_NOTES_OFFSET - OFFENSIVE_TALLIES_OFFSET);
        std::memset(Team.DefensivePlaybook + DEFENSIVE_TALLIES_OFFSET, 0, DEFENSIVE_NOTES_OFFSET - DEFENSIVE_TALLIES_OFFSET);
    }
}

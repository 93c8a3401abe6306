// The playbook reset: default categories, cleared tallies, plays and notes
// kept, only the franchises in use touched.
#include <cstring>
#include <string>

#include "engine/playbooks.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "test_support.h"

namespace {

class PlaybooksTest : public LeagueTest {};

std::string Field(const uint8_t* pArea, int nIndex)
{
    return std::string(reinterpret_cast<const char*>(pArea) + PLAYBOOK_CATEGORY_NAME_SIZE * nIndex,
                       PLAYBOOK_CATEGORY_NAME_SIZE);
}

std::string Padded(const char* szName)
{
    std::string s(szName);
    s.resize(PLAYBOOK_CATEGORY_NAME_SIZE, '\0');
    return s;
}

TEST_F(PlaybooksTest, ResetWritesCategoriesAndClearsTalliesOfTeamsInUse)
{
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = t < 2 ? CONTROLLER_COMPUTER : CONTROLLER_NOT_IN_USE;
    for (int t = 0; t < 3; ++t) {
        std::memset(League.Team[t].OffensivePlaybook, 0x7F, OFFENSIVE_PLAYBOOK_SIZE);
        std::memset(League.Team[t].DefensivePlaybook, 0x7F, DEFENSIVE_PLAYBOOK_SIZE);
    }
    Reset_Team_Playbooks();

    const TEAM& Team = League.Team[1];
    EXPECT_EQ(Field(Team.OffensivePlaybook, 0), Padded("Inside Runs"));
    EXPECT_EQ(Field(Team.OffensivePlaybook, 5), Padded("Trick/Special"));
    EXPECT_EQ(Field(Team.DefensivePlaybook, 0), Padded("Balanced"));
    EXPECT_EQ(Field(Team.DefensivePlaybook, 2), Padded("Pass Defense"));
    // Plays, tallies and notes: the bytes around each tally range.
    EXPECT_EQ(Team.OffensivePlaybook[PLAYBOOK_CATEGORY_NAME_SIZE * 6], 0x7F);
    EXPECT_EQ(Team.OffensivePlaybook[OFFENSIVE_TALLIES_OFFSET - 1], 0x7F);
    EXPECT_EQ(Team.OffensivePlaybook[OFFENSIVE_TALLIES_OFFSET], 0);
    EXPECT_EQ(Team.OffensivePlaybook[OFFENSIVE_NOTES_OFFSET - 1], 0);
    EXPECT_EQ(Team.OffensivePlaybook[OFFENSIVE_NOTES_OFFSET], 0x7F);
    EXPECT_EQ(Team.DefensivePlaybook[PLAYBOOK_CATEGORY_NAME_SIZE * 3], 0x7F);
    EXPECT_EQ(Team.DefensivePlaybook[DEFENSIVE_TALLIES_OFFSET - 1], 0x7F);
    EXPECT_EQ(Team.DefensivePlaybook[DEFENSIVE_TALLIES_OFFSET], 0);
    EXPECT_EQ(Team.DefensivePlaybook[DEFENSIVE_NOTES_OFFSET - 1], 0);
    EXPECT_EQ(Team.DefensivePlaybook[DEFENSIVE_NOTES_OFFSET], 0x7F);
    // A slot not in use is left alone.
    EXPECT_EQ(League.Team[2].OffensivePlaybook[0], 0x7F);
    EXPECT_EQ(League.Team[2].DefensivePlaybook[DEFENSIVE_TALLIES_OFFSET], 0x7F);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

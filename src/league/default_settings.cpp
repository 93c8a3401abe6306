// The settings every new game starts from.
//
// The owner's name in the owners' hall of fame and the current game's summary
// name join this table with the saved-game dialogs.

#include "league/default_settings.h"

#include <cstring>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/team.h"

namespace {

struct DEFAULT_PREFERENCE {
    int nPreference;
    int nValue;
};

// Page columns, bars and views of a new game.
constexpr DEFAULT_PREFERENCE DEFAULTS[] = {
    {100, 2}, {101, 0}, {102, 5}, {103, 7}, {104, 8},    // standings columns
    {105, 46},                                           // team information: "Power Rank"
    {106, 8}, {107, 17},
    {108, 47}, {109, 48}, {110, 49}, {111, 2},
    {113, 2}, {114, 11}, {115, 15}, {116, 24},           // player statistics columns
    {119, 18},                                           // team statistics: "Point\nSpread"
    {120, 2}, {121, 3}, {122, 4}, {123, 5},
    {PREF_NEWS_BAR, 1},
    {118, 0},
    {PREF_STAT_PERIOD, 1},
    {PREF_CARD_SLOT, 0},
};

constexpr int EARLY_COLUMNS_YEAR = 1966;

bool Is_Human_Team(int nTeam)
{
    return Is_Team_Slot_Used(nTeam) && League.Preferences.nInt[PREF_ALL_COMPUTER_TEAMS] == 0 &&
           League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] == CONTROLLER_USER;
}

// The first human team in slot order; 0 when there is none.
int First_Human_Team()
{
    int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        if (Is_Human_Team(t))
            return t;
    }
    return 0;
}

}  // namespace

void Set_Default_Settings()
{
    for (const DEFAULT_PREFERENCE& Default : DEFAULTS)
        Set_User_Preference(Default.nPreference, Default.nValue);
    Set_User_Preference(112, Get_Current_Year() < EARLY_COLUMNS_YEAR ? 9 : 1);

    int nTeam = First_Human_Team();
    Set_User_Preference(PREF_CURRENT_TEAM, nTeam);
    if (Is_Human_Team(nTeam))
        Set_User_Preference(PREF_SELECTED_TEAM, nTeam);
    int nDivision = League.Team[nTeam].nTeamStat[TEAM_STAT_DIVISION];
    Set_User_Preference(PREF_USER_LEAGUE, Is_Team_Slot_Used(nTeam) && nDivision >= 0 && nDivision < NUMBER_OF_DIVISIONS
                                              ? nDivision / 4
                                              : -1);
    Set_User_Preference(PREF_SHOWN_GAME, -1);
    Set_User_Preference(PREF_TEXT_SPEED, DEFAULT_TEXT_SPEED);
    Apply_Season_Rule_Changes();
    Set_Default_Skin();
}

void Set_Default_Skin()
{
    std::memset(League.szSkinName, 0, sizeof(League.szSkinName));
    std::memcpy(League.szSkinName, "earth", 5);
}

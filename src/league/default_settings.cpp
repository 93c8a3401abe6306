// The settings every new game starts from.
//
// The owner's name in the owners' hall of fame and the current game's summary
// name join this table with the saved-game dialogs.

#include "league/default_settings.h"

#include <cstring>

#include "base/text_utils.h"
#include "league/game_summary.h"
#include "league/human_teams.h"
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

OWNER_NAME_STORE g_OwnerNameStore;

}  // namespace

void Install_Owner_Name_Store(const OWNER_NAME_STORE* pStore)
{
    g_OwnerNameStore = pStore != nullptr ? *pStore : OWNER_NAME_STORE{};
}

void Read_Last_Owner_Name(char* szName, size_t nSize)
{
    if (szName == nullptr || nSize == 0)
        return;
    szName[0] = '\0';
    if (g_OwnerNameStore.pRead == nullptr || !g_OwnerNameStore.pRead(szName, nSize))
        szName[0] = '\0';
    szName[nSize - 1] = '\0';
}

void Write_Last_Owner_Name(const char* szName)
{
    if (g_OwnerNameStore.pWrite != nullptr && szName != nullptr)
        g_OwnerNameStore.pWrite(szName);
}

void Set_Default_Settings()
{
    for (const DEFAULT_PREFERENCE& Default : DEFAULTS)
        Set_User_Preference(Default.nPreference, Default.nValue);
    Set_User_Preference(112, Get_Current_Year() < EARLY_COLUMNS_YEAR ? 9 : 1);

    const int nTeam = Get_Nth_Human_Team(0);
    Set_User_Preference(PREF_CURRENT_TEAM, nTeam);
    if (Is_Human_Team(nTeam))
        Set_User_Preference(PREF_SELECTED_TEAM, nTeam);
    int nDivision = League.Team[nTeam].nTeamStat[TEAM_STAT_DIVISION];
    Set_User_Preference(PREF_USER_LEAGUE, Is_Team_Slot_Used(nTeam) && nDivision >= 0 && nDivision < NUMBER_OF_DIVISIONS
                                              ? nDivision / 4
                                              : -1);
    char szOwner[TEAM_STRING_SIZE + 1] = "";
    if (Is_Team_Slot_Used(nTeam))
        Get_Team_String(szOwner, nTeam, TEAM_STRING_OWNER);
    safe_strncpy(League.szCurrentGameText, szOwner, static_cast<int>(sizeof(League.szCurrentGameText)));
    Write_Last_Owner_Name(szOwner);
    Set_User_Preference(PREF_SHOWN_GAME, -1);
    Set_User_Preference(PREF_TEXT_SPEED, DEFAULT_TEXT_SPEED);
    Apply_Season_Rule_Changes();
    Set_Default_Skin();
    char szSummary[TEXT_BUFFER_SIZE];
    Format_Game_File_Summary(szSummary);
    Set_Current_Game_Name(szSummary);
}

void Set_Default_Skin()
{
    std::memset(League.szSkinName, 0, sizeof(League.szSkinName));
    std::memcpy(League.szSkinName, "earth", 5);
}

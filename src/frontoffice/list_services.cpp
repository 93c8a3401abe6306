#include "frontoffice/list_services.h"

#include <cstdio>
#include <string>

#include "frontoffice/player_moves.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "platform/dialogs.h"
#include "platform/ui.h"

bool Are_Trades_Allowed()
{
    const int nWeek = Get_Current_Week();
    if (nWeek == OFFSEASON_WEEK)
        return true;
    if (nWeek >= 0 && nWeek < TRADES_CLOSE_WEEK)
        return true;
    // Once the regular season is over the playoffs run: the deadline is past
    // for the season just played, but the clubs in the playoffs may fill holes.
    const int nFirstPlayoffWeek = Get_First_Playoff_Week();
    return nFirstPlayoffWeek > 0 && nWeek >= nFirstPlayoffWeek;
}

bool Confirm_Release_Player(int nTeam, int nSlot)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES || !Is_Player_Slot_Used(nTeam, nSlot))
        return false;
    char szName[64] = "";
    Get_Player_Full_Name(nTeam, nSlot, szName);
    char szText[160];
    std::snprintf(szText, sizeof(szText), "Do you really want to release %s?", szName);
    if (Show_Message_Box(szText, "Release Player", BOX_YESNO | BOX_ICON_QUESTION) != ID_YES)
        return false;
    return Transfer_Player(FREE_AGENT_TEAM, nTeam, nSlot) >= 0;
}

void Fill_Stat_Period_Combo(DIALOG& Dialog)
{
    static const char* const PERIODS[] = {"This Season", "Last Season", "Career", "Predicted"};
    Dialog.Clear_Items(IDC_PERIOD_COMBO);
    for (const char* szPeriod : PERIODS)
        Dialog.Add_Item(IDC_PERIOD_COMBO, szPeriod);
    int nPeriod = Get_User_Preference(PREF_STAT_PERIOD);
    if (nPeriod < 0 || nPeriod > 3)
        nPeriod = 0;
    Dialog.Set_Selected(IDC_PERIOD_COMBO, nPeriod);
}

int Fill_Roster_List_Control(DIALOG& Dialog, int nDataBase)
{
    Dialog.Clear_Items(IDC_TEAM_COMBO);
    const int nViewed = Get_User_Preference(PREF_CURRENT_TEAM);
    int nAdded = 0;
    for (int t = 0; t < Count_Teams() && t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        char szName[TEXT_BUFFER_SIZE * 2] = "";
        Get_Team_Full_Name(t, szName);
        const int nIndex = Dialog.Add_Item(IDC_TEAM_COMBO, szName, nDataBase + t);
        if (t == nViewed)
            Dialog.Set_Selected(IDC_TEAM_COMBO, nIndex);
        ++nAdded;
    }
    return nAdded;
}

void Set_Dialog_Title_With_Year(DIALOG& Dialog)
{
    const int nTeam = Get_User_Preference(PREF_CURRENT_TEAM);
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES || !Is_Team_Slot_Used(nTeam))
        return;
    char szName[TEXT_BUFFER_SIZE * 2] = "";
    Get_Team_Full_Name(nTeam, szName);
    Dialog.Set_Title(Dialog.Title() + " (" + std::to_string(Get_Current_Year()) + " " + szName + ")");
}

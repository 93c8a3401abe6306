#include "editors/stadium_editor.h"

#include <cstdio>

#include "editors/stat_pickers.h"
#include "frontoffice/list_services.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/stadium_value.h"
#include "league/team.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

const char* const QUALITY_WORDS[] = {"Poor", "Fair", "Average", "Good", "Excellent"};
const char* const STRUCTURES[] = {"Open", "Domed", "Convertible"};
const char* const SURFACES[] = {"Natural Grass", "Artificial Turf"};

constexpr int QUALITY_COMBOS[] = {STADIUM_CONVENIENCE_COMBO, STADIUM_COMFORT_COMBO, STADIUM_SIGHT_LINES_COMBO};
constexpr int QUALITY_STATS[] = {STADIUM_STAT_CONVENIENCE, STADIUM_STAT_COMFORT, STADIUM_STAT_SIGHT_LINES};

constexpr CONTROL_TEMPLATE STADIUM_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Team:", {8, 8, 56, 10}},
    {TEAM_LIST, CONTROL_COMBO, "", {66, 6, 150, 14}},
    {-1, CONTROL_LABEL, "Stadium:", {8, 26, 56, 10}},
    {STADIUM_NAME_EDIT, CONTROL_EDIT, "", {66, 24, 150, 13}, 0, 31},
    {-1, CONTROL_LABEL, "Structure:", {8, 44, 56, 10}},
    {STADIUM_STRUCTURE_COMBO, CONTROL_COMBO, "", {66, 42, 100, 14}},
    {-1, CONTROL_LABEL, "Surface:", {8, 62, 56, 10}},
    {STADIUM_SURFACE_COMBO, CONTROL_COMBO, "", {66, 60, 100, 14}},
    {-1, CONTROL_LABEL, "Capacity:", {8, 80, 56, 10}},
    {STADIUM_CAPACITY_EDIT, CONTROL_EDIT, "", {66, 78, 60, 13}, 0, 12},
    {-1, CONTROL_LABEL, "Convenience:", {8, 98, 56, 10}},
    {STADIUM_CONVENIENCE_COMBO, CONTROL_COMBO, "", {66, 96, 100, 14}},
    {-1, CONTROL_LABEL, "Comfort:", {8, 116, 56, 10}},
    {STADIUM_COMFORT_COMBO, CONTROL_COMBO, "", {66, 114, 100, 14}},
    {-1, CONTROL_LABEL, "Sight Lines:", {8, 134, 56, 10}},
    {STADIUM_SIGHT_LINES_COMBO, CONTROL_COMBO, "", {66, 132, 100, 14}},
    {DIALOG_OK, CONTROL_BUTTON, "&OK", {110, 156, 50, 14}, CS_DEFAULT},
    {9, CONTROL_BUTTON, "&Help", {166, 156, 50, 14}},
};
constexpr DIALOG_TEMPLATE STADIUM_TEMPLATE{
    STADIUM_EDITOR_DIALOG, "Stadium Editor", 224, 176, 0, 0, 0, STADIUM_CONTROLS, "stadiumeditor"};
constexpr int STADIUM_USED_IDS[] = {TEAM_LIST,
                                    STADIUM_NAME_EDIT,
                                    STADIUM_STRUCTURE_COMBO,
                                    STADIUM_SURFACE_COMBO,
                                    STADIUM_CAPACITY_EDIT,
                                    STADIUM_CONVENIENCE_COMBO,
                                    STADIUM_COMFORT_COMBO,
                                    STADIUM_SIGHT_LINES_COMBO,
                                    DIALOG_OK,
                                    9};
const DIALOG_REGISTRAR STADIUM_REGISTRAR(STADIUM_EDITOR_DIALOG, STADIUM_TEMPLATE, Stadium_Editor_Dialog_Proc,
                                         STADIUM_USED_IDS);

bool Commissioner_Mode()
{
    return Get_User_Preference(PREF_COMMISSIONER_MODE) != 0;
}

// The club the dialog shows: the viewed one when it is a franchise in use.
int Shown_Team()
{
    const int nTeam = Get_User_Preference(PREF_CURRENT_TEAM);
    return nTeam >= 0 && nTeam < Count_Teams() ? nTeam : NO_TEAM;
}

void Select_Clamped(DIALOG& Dialog, int nId, int nValue)
{
    const int nLast = Dialog.Item_Count(nId) - 1;
    Dialog.Set_Selected(nId, nValue < 0 ? 0 : nValue > nLast ? nLast : nValue);
}

}  // namespace

int Get_Stadium_Quality_Index(int nValue)
{
    const int nIndex = static_cast<int>((static_cast<int64_t>(nValue) + 50) / 100 - 8);
    return nIndex < 0 ? 0 : nIndex > 4 ? 4 : nIndex;
}

const char* Get_Stadium_Quality_Word(int nIndex)
{
    return nIndex >= 0 && nIndex < 5 ? QUALITY_WORDS[nIndex] : "";
}

void Fill_Stadium_Combos(DIALOG& Dialog)
{
    Fix_Current_Team_Selection();
    Fill_Roster_List_Control(Dialog);
    for (int nId : QUALITY_COMBOS) {
        Dialog.Clear_Items(nId);
        for (const char* szWord : QUALITY_WORDS)
            Dialog.Add_Item(nId, szWord);
    }
    Dialog.Clear_Items(STADIUM_STRUCTURE_COMBO);
    for (const char* szText : STRUCTURES)
        Dialog.Add_Item(STADIUM_STRUCTURE_COMBO, szText);
    Dialog.Clear_Items(STADIUM_SURFACE_COMBO);
    for (const char* szText : SURFACES)
        Dialog.Add_Item(STADIUM_SURFACE_COMBO, szText);
}

void Load_Stadium_Fields(DIALOG& Dialog)
{
    const int nTeam = Shown_Team();
    const bool bEdit = Commissioner_Mode() && nTeam != NO_TEAM;
    char szName[32] = "";
    if (nTeam != NO_TEAM)
        Get_Team_String(szName, nTeam, TEAM_STRING_STADIUM);
    Dialog.Set_Title(nTeam != NO_TEAM ? szName : "Stadium Editor");
    Dialog.Set_Text(STADIUM_NAME_EDIT, szName);
    if (nTeam != NO_TEAM) {
        Select_Clamped(Dialog, STADIUM_SURFACE_COMBO, Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_SURFACE));
        Select_Clamped(Dialog, STADIUM_STRUCTURE_COMBO, Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_STRUCTURE));
        Dialog.Set_Text(STADIUM_CAPACITY_EDIT, std::to_string(Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_CAPACITY)));
        for (int i = 0; i < 3; ++i)
            Dialog.Set_Selected(QUALITY_COMBOS[i],
                                Get_Stadium_Quality_Index(Get_Team_Stadium_Stat(nTeam, QUALITY_STATS[i])));
    } else {
        Dialog.Set_Text(STADIUM_CAPACITY_EDIT, "");
    }
    for (int nId : {STADIUM_NAME_EDIT, STADIUM_STRUCTURE_COMBO, STADIUM_SURFACE_COMBO, STADIUM_CAPACITY_EDIT,
                    STADIUM_CONVENIENCE_COMBO, STADIUM_COMFORT_COMBO, STADIUM_SIGHT_LINES_COMBO})
        Dialog.Enable(nId, bEdit);
}

void Save_Stadium_Fields(DIALOG& Dialog)
{
    const int nTeam = Shown_Team();
    if (nTeam == NO_TEAM)
        return;
    Set_Team_String(Dialog.Get_Text(STADIUM_NAME_EDIT).c_str(), nTeam, TEAM_STRING_STADIUM);
    const int nSurface = Dialog.Get_Selected(STADIUM_SURFACE_COMBO);
    if (nSurface >= 0)
        Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_SURFACE, nSurface);
    // Read wide so that no typed figure wraps before its range is checked.
    int64_t nCapacity = Read_Bounded_Number(Dialog.Get_Text(STADIUM_CAPACITY_EDIT), INT64_MIN / 2, INT64_MAX / 2);
    if (nCapacity < 0 || nCapacity > STADIUM_CAPACITY_MAX) {
        nCapacity = nCapacity < 0 ? 0 : STADIUM_CAPACITY_MAX;
        Show_Formatted_Message("Stadium Editor", "The capacity must be between 0 and 200,000 seats. It was set to %d.",
                               static_cast<int>(nCapacity));
        Dialog.Set_Text(STADIUM_CAPACITY_EDIT, std::to_string(nCapacity));
    }
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_CAPACITY, static_cast<int>(nCapacity));
    const int nStructure = Dialog.Get_Selected(STADIUM_STRUCTURE_COMBO);
    if (nStructure >= 0)
        Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_STRUCTURE, nStructure);
    for (int i = 0; i < 3; ++i) {
        const int nIndex = Dialog.Get_Selected(QUALITY_COMBOS[i]);
        if (nIndex >= 0)
            Set_Team_Stadium_Stat(nTeam, QUALITY_STATS[i], (nIndex + 8) * 100);
    }
}

void Stadium_Editor_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Fill_Stadium_Combos(Dialog);
        Load_Stadium_Fields(Dialog);
        return;
    }
    if (nEvent == DIALOG_DESTROY) {
        // "&OK", Escape and the close box alike; a viewer writes nothing.
        if (Commissioner_Mode())
            Save_Stadium_Fields(Dialog);
        return;
    }
    if (nEvent != DIALOG_COMMAND || !Dialog.Is_Change_Command())
        return;
    if (nControl == TEAM_LIST && Dialog.Event().nNotification == NOTIFY_SELECTION_CHANGED) {
        const int nRow = Dialog.Get_Selected(TEAM_LIST);
        if (nRow < 0)
            return;
        if (Commissioner_Mode())
            Save_Stadium_Fields(Dialog);
        Set_Selected_Team(static_cast<int>(Dialog.Item_Data(TEAM_LIST, nRow)));
        Load_Stadium_Fields(Dialog);
    } else if (nControl == 9) {
        Open_Help_Page("stadiumeditor");
    } else if (nControl == DIALOG_OK) {
        Dialog.End(1);
    }
}

#include "editors/stadium_editor.h"

#include <strings.h>

#include <cstdio>
#include <string>

#include "editors/stat_pickers.h"
#include "frontoffice/list_services.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/stadium_value.h"
#include "league/team.h"
#include "platform/files.h"
#include "platform/pictures.h"
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
    {-1, CONTROL_LABEL, "Picture:", {226, 8, 110, 10}},
    {STADIUM_PICTURE_LIST, CONTROL_LIST, "", {226, 20, 110, 52}},
    {STADIUM_PICTURE_AREA, CONTROL_PAINT, "", {226, 76, 110, 74}},
    {DIALOG_OK, CONTROL_BUTTON, "&OK", {230, 156, 50, 14}, CS_DEFAULT},
    {9, CONTROL_BUTTON, "&Help", {286, 156, 50, 14}},
};
constexpr DIALOG_TEMPLATE STADIUM_TEMPLATE{
    STADIUM_EDITOR_DIALOG, "Stadium Editor", 344, 176, 0, 0, 0, STADIUM_CONTROLS, "stadiumeditor"};
constexpr int STADIUM_USED_IDS[] = {TEAM_LIST,
                                    STADIUM_NAME_EDIT,
                                    STADIUM_STRUCTURE_COMBO,
                                    STADIUM_SURFACE_COMBO,
                                    STADIUM_CAPACITY_EDIT,
                                    STADIUM_CONVENIENCE_COMBO,
                                    STADIUM_COMFORT_COMBO,
                                    STADIUM_SIGHT_LINES_COMBO,
                                    STADIUM_PICTURE_LIST,
                                    STADIUM_PICTURE_AREA,
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

// The stadium pictures' folder of a skin.
std::string Picture_Folder(const std::string& Skin)
{
    return "skins\\" + Skin + "\\" + STADIUM_PICTURE_FOLDER;
}

// The folder the listed pictures come from: the skin's, or the default
// skin's when the skin has none (as the skin's other files).
std::string Listed_Picture_Folder()
{
    const std::string Skin = Get_Skin_Name();
    if (!files::List_Folder(Picture_Folder(Skin).c_str(), STADIUM_PICTURE_PATTERN).empty())
        return Picture_Folder(Skin);
    return Picture_Folder(DEFAULT_SKIN_NAME);
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

void Fill_Stadium_Picture_List(DIALOG& Dialog)
{
    Dialog.Clear_Items(STADIUM_PICTURE_LIST);
    for (const std::string& Name : files::List_Folder(Listed_Picture_Folder().c_str(), STADIUM_PICTURE_PATTERN))
        Dialog.Add_Item(STADIUM_PICTURE_LIST, Name);
    Dialog.Strip_Item_Extensions(STADIUM_PICTURE_LIST);
    if (Dialog.Item_Count(STADIUM_PICTURE_LIST) == 0) {
        Dialog.Enable(STADIUM_PICTURE_LIST, false);
        Show_Formatted_Message(NO_ART_FILES_CAPTION, "%s", NO_ART_FILES_TEXT);
    }
}

std::string Get_Stadium_Picture_Path(const DIALOG& Dialog)
{
    const int nIndex = Dialog.Get_Selected(STADIUM_PICTURE_LIST);
    if (nIndex < 0)
        return std::string();
    return Listed_Picture_Folder() + "\\" + Dialog.Item_Text(STADIUM_PICTURE_LIST, nIndex) + ".jpg";
}

void Invalidate_Stadium_Picture(DIALOG& Dialog)
{
    if (Dialog.Find(STADIUM_PICTURE_AREA) != nullptr)
        Dialog.Invalidate(STADIUM_PICTURE_AREA);
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
    // The picture: the first entry named as the stored name, ignoring case.
    char szPicture[32] = "";
    if (nTeam != NO_TEAM)
        Get_Team_String(szPicture, nTeam, TEAM_STRING_STADIUM_PHOTO);
    int nPicture = -1;
    for (int i = 0; i < Dialog.Item_Count(STADIUM_PICTURE_LIST) && nPicture < 0 && szPicture[0] != '\0'; ++i)
        if (strcasecmp(Dialog.Item_Text(STADIUM_PICTURE_LIST, i).c_str(), szPicture) == 0)
            nPicture = i;
    Dialog.Set_Selected(STADIUM_PICTURE_LIST, nPicture);
    for (int nId : {STADIUM_NAME_EDIT, STADIUM_STRUCTURE_COMBO, STADIUM_SURFACE_COMBO, STADIUM_CAPACITY_EDIT,
                    STADIUM_CONVENIENCE_COMBO, STADIUM_COMFORT_COMBO, STADIUM_SIGHT_LINES_COMBO})
        Dialog.Enable(nId, bEdit);
    // An empty list stays disabled.
    Dialog.Enable(STADIUM_PICTURE_LIST, bEdit && Dialog.Item_Count(STADIUM_PICTURE_LIST) > 0);
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
    // The chosen picture's name. With none chosen (none listed, or the stored
    // name is not among them) the stored name stays: a skin without the
    // picture must not erase the club's choice.
    const int nPicture = Dialog.Get_Selected(STADIUM_PICTURE_LIST);
    if (nPicture >= 0)
        Set_Team_String(Dialog.Item_Text(STADIUM_PICTURE_LIST, nPicture).c_str(), nTeam, TEAM_STRING_STADIUM_PHOTO);
}

void Stadium_Editor_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Fill_Stadium_Combos(Dialog);
        Fill_Stadium_Picture_List(Dialog);
        Load_Stadium_Fields(Dialog);
        return;
    }
    if (nEvent == DIALOG_PAINT && nControl == STADIUM_PICTURE_AREA) {
        CANVAS* pCanvas = Dialog.Event().pCanvas;
        const std::string Path = Get_Stadium_Picture_Path(Dialog);
        if (pCanvas != nullptr && !Path.empty())
            Draw_Cached_Image_Centered(*pCanvas, Path.c_str(), CANVAS_RECT{0, 0, pCanvas->Width(), pCanvas->Height()});
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
        Invalidate_Stadium_Picture(Dialog);
    } else if (nControl == STADIUM_PICTURE_LIST && Dialog.Event().nNotification == NOTIFY_SELECTION_CHANGED) {
        Invalidate_Stadium_Picture(Dialog);
    } else if (nControl == 9) {
        Open_Help_Page("stadiumeditor");
    } else if (nControl == DIALOG_OK) {
        Dialog.End(1);
    }
}

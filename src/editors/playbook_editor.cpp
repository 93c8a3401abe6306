#include "editors/playbook_editor.h"

#include <cstdio>
#include <cstring>

#include "editors/play_cards.h"
#include "editors/playbook_dialogs.h"
#include "engine/defense_calling.h"
#include "engine/formations.h"
#include "engine/game_lineups.h"
#include "engine/play_data.h"
#include "engine/play_diagrams.h"
#include "engine/playbooks.h"
#include "frontoffice/list_services.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "base/text_utils.h"
#include "platform/errors.h"
#include "platform/resources.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

const char* const HOLE_NAMES[RUN_HOLE_COUNT] = {
    "0 (C/RG)", "1 (C/LG)", "2 (RG/RT)", "3 (LG/LT)", "4 (Off-Tackle Right)", "5 (Off-Tackle Left)",
    "6 (Outside Right)", "7 (Outside Left)", "8 (Far Outside Right)", "9 (Far Outside Left)"};
const char* const SITUATION_NAMES[OFFENSIVE_SITUATIONS] = {"Overall", "3rd Down", "<4 To Go", "11+ To Go",
                                                           "vs. Blitz"};
const char* const KIND_NAMES[DEFENSIVE_SITUATIONS] = {"Inside Rushes", "Outside Rushes", "Draw Plays",
                                                      "Short Passes",  "Medium Passes",  "Long Passes"};
const char* const GRADE_WORDS[5] = {"Weak", "Shaky", "Sound", "Strong", "Dominant"};

// The eleven slot combos, slot 0 to 10 in defence.
constexpr int SLOT_COMBOS[DEFENDER_PLACES] = {PBE_CARRIER_COMBO, PBE_RUSH_HOLE_COMBO, PBE_ACTION_HOLE_COMBO,
                                              1394, 1395, 1396, 1397, 1398, 1399, 1400, 1401};
constexpr int NUMBER_BUTTONS[PBE_NUMBER_BUTTONS] = {1277, 1278, 1279, 1280, 1281, 1282, 1283,
                                                    1284, 1286, 1287, 1288, 1289, 1290, 1291};

constexpr int ROW_TOP = 96;
constexpr int ROW_HEIGHT = 16;

int g_nHighlightedSlot = -1;
void (*g_pViewOffense)(int) = nullptr;
void (*g_pViewDefense)(int) = nullptr;

// ---------------------------------------------------------------------------
// The template

#define SLOT_ROW(n, combo, button)                                                                     \
    {(combo) + PBE_LABEL_OFFSET, CONTROL_LABEL, "", {6, ROW_TOP + 2 + ROW_HEIGHT * (n), 94, 10}},      \
        {(combo), CONTROL_COMBO, "", {102, ROW_TOP + ROW_HEIGHT * (n), 124, 14}},                       \
        {(button), CONTROL_BUTTON, "", {230, ROW_TOP + ROW_HEIGHT * (n), 22, 14}}

#define LINE_BUTTON(n, id) {(id), CONTROL_BUTTON, "", {262 + 66 * (n), 244, 30, 12}}

constexpr CONTROL_TEMPLATE PLAYBOOK_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Team:", {6, 8, 50, 10}},
    {PBE_TEAM_COMBO, CONTROL_COMBO, "", {58, 6, 194, 14}},
    {-1, CONTROL_LABEL, "Folder:", {6, 26, 50, 10}},
    {PBE_FOLDER_COMBO, CONTROL_COMBO, "", {58, 24, 110, 14}},
    {PBE_FOLDER_EDIT, CONTROL_EDIT, "", {172, 24, 80, 13}, 0, 31},
    {-1, CONTROL_LABEL, "Play:", {6, 44, 50, 10}},
    {PBE_PLAY_COMBO, CONTROL_COMBO, "", {58, 42, 110, 14}},
    {PBE_PLAY_NAME_EDIT, CONTROL_EDIT, "", {172, 42, 80, 13}, 0, 0},
    {PBE_FORMATION_COMBO + PBE_LABEL_OFFSET, CONTROL_LABEL, "Formation:", {6, 62, 50, 10}},
    {PBE_FORMATION_COMBO, CONTROL_COMBO, "", {58, 60, 194, 14}},
    {PBE_PLAY_TYPE_COMBO + PBE_LABEL_OFFSET, CONTROL_LABEL, "Play Type", {6, 80, 50, 10}},
    {PBE_PLAY_TYPE_COMBO, CONTROL_COMBO, "", {58, 78, 194, 14}},
    SLOT_ROW(0, 1402, 1277),
    SLOT_ROW(1, 1392, 1278),
    SLOT_ROW(2, 1393, 1279),
    SLOT_ROW(3, 1394, 1280),
    SLOT_ROW(4, 1395, 1281),
    SLOT_ROW(5, 1396, 1282),
    SLOT_ROW(6, 1397, 1283),
    SLOT_ROW(7, 1398, 1284),
    SLOT_ROW(8, 1399, 1286),
    SLOT_ROW(9, 1400, 1287),
    SLOT_ROW(10, 1401, 1288),
    LINE_BUTTON(3, 1289),
    LINE_BUTTON(4, 1290),
    LINE_BUTTON(5, 1291),
    {-1, CONTROL_LABEL, "Description:", {6, 276, 60, 10}},
    {PBE_DESCRIPTION_EDIT, CONTROL_EDIT, "", {6, 287, 246, 28}, CS_MULTILINE, 0},
    {PBE_NOTES_LABEL, CONTROL_LABEL, "Playbook:", {6, 318, 60, 10}},
    {PBE_NOTES_EDIT, CONTROL_EDIT, "", {6, 329, 246, 44}, CS_MULTILINE, 0},
    {PBE_DIAGRAM, CONTROL_PAINT, "", {262, 6, 396, 234}},
    {1239, CONTROL_LABEL, "", {262, 258, 64, 82}, CS_MULTILINE},
    {1240, CONTROL_LABEL, "", {328, 258, 64, 82}, CS_MULTILINE},
    {1241, CONTROL_LABEL, "", {394, 258, 64, 82}, CS_MULTILINE},
    {1242, CONTROL_LABEL, "", {460, 258, 64, 82}, CS_MULTILINE},
    {1243, CONTROL_LABEL, "", {526, 258, 64, 82}, CS_MULTILINE},
    {1244, CONTROL_LABEL, "", {592, 258, 66, 82}, CS_MULTILINE},
    {PBE_VIEW_BUTTON, CONTROL_BUTTON, "View Offense", {262, 358, 62, 14}},
    {PBE_LOAD_BUTTON, CONTROL_BUTTON, "Load Offense Playbook", {326, 358, 90, 14}},
    {PBE_SAVE_BUTTON, CONTROL_BUTTON, "Save Offense Playbook", {418, 358, 90, 14}},
    {PBE_CLEAR_BUTTON, CONTROL_BUTTON, "&Clear Result Data", {510, 358, 70, 14}},
    {PBE_HELP_BUTTON, CONTROL_BUTTON, "&Help", {582, 342, 36, 14}},
    {DIALOG_CANCEL, CONTROL_BUTTON, "Cancel", {620, 342, 38, 14}},
    {PBE_DONE_BUTTON, CONTROL_BUTTON, "&DONE", {582, 358, 76, 14}, CS_DEFAULT},
    // The play-card panel: hidden (no host shows it here).
    {1467, CONTROL_LABEL, "Scoring:", {262, 6, 50, 10}, CS_HIDDEN},
    {1468, CONTROL_LABEL, "Offense #1:", {262, 20, 50, 10}, CS_HIDDEN},
    {1469, CONTROL_LABEL, "Offense #2:", {262, 34, 50, 10}, CS_HIDDEN},
    {1470, CONTROL_LABEL, "Defense #1:", {262, 48, 50, 10}, CS_HIDDEN},
    {1471, CONTROL_LABEL, "Defense #2:", {262, 62, 50, 10}, CS_HIDDEN},
    {1472, CONTROL_LABEL, "Bonus Rating:", {262, 76, 50, 10}, CS_HIDDEN},
    {1473, CONTROL_LABEL, "Bonus Position:", {262, 90, 50, 10}, CS_HIDDEN},
    {1474, CONTROL_LABEL, "Bonus Value:", {262, 104, 50, 10}, CS_HIDDEN},
    {1475, CONTROL_LABEL, "Play Type:", {262, 118, 50, 10}, CS_HIDDEN},
    {CARD_SCORING_COMBO, CONTROL_COMBO, "", {314, 6, 90, 14}, CS_HIDDEN},
    {CARD_OFFENSE_1_COMBO, CONTROL_COMBO, "", {314, 20, 90, 14}, CS_HIDDEN},
    {CARD_OFFENSE_2_COMBO, CONTROL_COMBO, "", {314, 34, 90, 14}, CS_HIDDEN},
    {CARD_DEFENSE_1_COMBO, CONTROL_COMBO, "", {314, 48, 90, 14}, CS_HIDDEN},
    {CARD_DEFENSE_2_COMBO, CONTROL_COMBO, "", {314, 62, 90, 14}, CS_HIDDEN},
    {CARD_BONUS_RATING_COMBO, CONTROL_COMBO, "", {314, 76, 90, 14}, CS_HIDDEN},
    {CARD_BONUS_POSITION_COMBO, CONTROL_COMBO, "", {314, 90, 90, 14}, CS_HIDDEN},
    {CARD_BONUS_VALUE_COMBO, CONTROL_COMBO, "", {314, 104, 90, 14}, CS_HIDDEN},
    {CARD_PLAY_KIND_COMBO, CONTROL_COMBO, "", {314, 118, 90, 14}, CS_HIDDEN},
    {CARD_FEEDBACK_TEXT, CONTROL_LABEL, "Tolvaren Editor Feedback", {410, 6, 120, 60}, CS_HIDDEN | CS_MULTILINE},
    {CARD_STORE_BUTTON, CONTROL_BUTTON, "Store Card", {410, 70, 60, 14}, CS_HIDDEN},
    {CARD_DECK_CHECK, CONTROL_CHECK, "0 / 25", {410, 88, 60, 12}, CS_HIDDEN},
};
constexpr DIALOG_TEMPLATE PLAYBOOK_TEMPLATE{
    PLAYBOOK_EDITOR_DIALOG, "Playbook Editor", 664, 378, 0, 0, 0, PLAYBOOK_CONTROLS, "playdesigner"};
constexpr int PLAYBOOK_USED_IDS[] = {
    PBE_TEAM_COMBO, PBE_FOLDER_COMBO, PBE_FOLDER_EDIT, PBE_PLAY_COMBO, PBE_PLAY_NAME_EDIT, PBE_DESCRIPTION_EDIT,
    PBE_NOTES_EDIT, PBE_NOTES_LABEL, PBE_FORMATION_COMBO, PBE_PLAY_TYPE_COMBO, PBE_PLAY_TYPE_COMBO + PBE_LABEL_OFFSET,
    1402, 1392, 1393, 1394, 1395, 1396, 1397, 1398, 1399, 1400, 1401, 2402, 2392, 2393, 2394, 2395, 2396, 2397,
    2398, 2399, 2400, 2401, 1277, 1278, 1279, 1280, 1281, 1282, 1283, 1284, 1286, 1287, 1288, 1289, 1290, 1291,
    1239, 1240, 1241, 1242, 1243, 1244, PBE_DIAGRAM, PBE_VIEW_BUTTON, PBE_LOAD_BUTTON, PBE_SAVE_BUTTON,
    PBE_CLEAR_BUTTON, PBE_HELP_BUTTON, DIALOG_CANCEL, PBE_DONE_BUTTON, 1457, 1458, 1459, 1460, 1461, 1462, 1463,
    1464, 1465, 1466, 1467, 1468, 1469, 1470, 1471, 1472, 1473, 1474, 1475, 1477, 1407};
const DIALOG_REGISTRAR PLAYBOOK_REGISTRAR(PLAYBOOK_EDITOR_DIALOG, PLAYBOOK_TEMPLATE, Playbook_Editor_Dialog,
                                          PLAYBOOK_USED_IDS);

// ---------------------------------------------------------------------------
// Records

std::string Field_Text(const char* pField, size_t nSize)
{
    return std::string(pField, strnlen(pField, nSize));
}

int Clamp(int n, int nLow, int nHigh)
{
    return n < nLow ? nLow : n > nHigh ? nHigh : n;
}

int Folder_Count(int nSide)
{
    return nSide == PLAYBOOK_DEFENSE ? DEFENSIVE_CATEGORY_COUNT : OFFENSIVE_CATEGORY_COUNT;
}

int Plays_In_Folder(int nSide, int nFolder)
{
    // Offensive plays 54-59 are the fixed built-in calls: folder 5 ends at 53.
    return nSide == PLAYBOOK_OFFENSE && nFolder == OFFENSIVE_CATEGORY_COUNT - 1 ? TEAM_OFFENSIVE_PLAYS - 50 : 10;
}

int Slot_Position(int nFormation, int nSlot)
{
    return Get_Formation_Slot_Position(Clamp_Formation_Id(nFormation), nSlot, SLOT_POSITION);
}

void Place_Control(DIALOG& Dialog, int nId, const UI_RECT& Rect)
{
    const DIALOG_CONTROL* pControl = Dialog.Find(nId);
    if (pControl == nullptr)
        return;
    Dialog.Move_Control_By(nId, Rect.x - pControl->Rect.x, Rect.y - pControl->Rect.y, Rect.cx - pControl->Rect.cx,
                           Rect.cy - pControl->Rect.cy);
}

void Show_Enable(DIALOG& Dialog, int nId, bool bShow)
{
    Dialog.Show(nId, bShow);
    Dialog.Enable(nId, bShow);
}

void Set_Number_Button(DIALOG& Dialog, int nButton, int nTeam, int nFormation, int nSlot)
{
    const int nPlayer = Get_Playbook_Slot_Player(nTeam, nFormation, nSlot);
    Dialog.Set_Text(nButton, nPlayer >= 0 ? std::to_string(Get_Player_Stat(nTeam, nPlayer, 0, STAT_CODE_OVERALL))
                                          : std::string("-"));
    Show_Enable(Dialog, nButton, true);
}

}  // namespace

OFFENSIVE_PLAY* Get_Editable_Offensive_Play(int nTeam, int nPlay)
{
    OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam);
    return pArea != nullptr && nPlay >= 0 && nPlay < TEAM_OFFENSIVE_PLAYS ? &pArea->Play[nPlay] : nullptr;
}

DEFENSIVE_PLAY* Get_Editable_Defensive_Play(int nTeam, int nPlay)
{
    DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam);
    return pArea != nullptr && nPlay >= 0 && nPlay < DEFENSIVE_PLAY_COUNT ? &pArea->Play[nPlay] : nullptr;
}

// The player a slot of the formation holds, as a roster slot of the team;
// -1 for none (or a player of another team).
int Get_Playbook_Slot_Player(int nTeam, int nFormation, int nSlot)
{
    const int nId = Get_Team_Lineup_Player(nTeam, nFormation, nSlot);
    if (nId <= 0)
        return -1;
    PLAYER_LOCATION Where{};
    if (!Find_Player_By_ID(&Where, nId) || Where.nTeam != nTeam)
        return -1;
    return Where.nSlot;
}

// ---------------------------------------------------------------------------
// Refresh parts

void Fill_Playbook_Folder_And_Play(DIALOG& Dialog, int nTeam, int nSide, int nFolder, int nPlay)
{
    Dialog.Clear_Items(PBE_FOLDER_COMBO);
    for (int f = 0; f < OFFENSIVE_CATEGORY_COUNT; ++f)
        Dialog.Add_Item(PBE_FOLDER_COMBO, "Offense: " + Get_Playbook_Folder_Name(nTeam, f));
    for (int f = 0; f < DEFENSIVE_CATEGORY_COUNT; ++f)
        Dialog.Add_Item(PBE_FOLDER_COMBO, "Defense: " + Get_Playbook_Folder_Name(nTeam, OFFENSIVE_CATEGORY_COUNT + f));
    Dialog.Set_Selected(PBE_FOLDER_COMBO, nSide * OFFENSIVE_CATEGORY_COUNT + nFolder);
    Dialog.Set_Text(PBE_FOLDER_EDIT, Get_Playbook_Folder_Name(nTeam, nSide * OFFENSIVE_CATEGORY_COUNT + nFolder));

    Dialog.Clear_Items(PBE_PLAY_COMBO);
    for (int p = 0; p < Plays_In_Folder(nSide, nFolder); ++p)
        Dialog.Add_Item(PBE_PLAY_COMBO, Get_Play_Name(nTeam, nSide, nFolder * 10 + p));
    Dialog.Set_Selected(PBE_PLAY_COMBO, nPlay % 10);
    Dialog.Set_Text(PBE_PLAY_NAME_EDIT, Dialog.Item_Text(PBE_PLAY_COMBO, nPlay % 10));
}

void Refresh_Playbook_Defense(DIALOG& Dialog, int nTeam, int nPlay, int nFormation)
{
    Show_Enable(Dialog, PBE_PLAY_TYPE_COMBO, false);
    Show_Enable(Dialog, PBE_PLAY_TYPE_COMBO + PBE_LABEL_OFFSET, false);
    for (int s = 0; s < DEFENDER_PLACES; ++s) {
        const int nCombo = SLOT_COMBOS[s];
        const int nPosition = Slot_Position(nFormation, s);
        Dialog.Set_Text(nCombo + PBE_LABEL_OFFSET, Format_Formation_Slot_Label(nTeam, nFormation, s));
        Set_Number_Button(Dialog, NUMBER_BUTTONS[s], nTeam, nFormation, s);
        Dialog.Clear_Items(nCombo);
        for (int r = 0; r < RESPONSIBILITY_COUNT; ++r) {
            const bool bRefused = Adjust_Defensive_Role_For_Position(nPosition, r) != r;
            Dialog.Add_Item(nCombo, bRefused ? "[Not Available]" : Get_Defensive_Responsibility(r)->szName);
        }
        Dialog.Set_Selected(nCombo, Get_Defensive_Play_Role(nTeam, nPlay, s));
        Show_Enable(Dialog, nCombo, true);
        Show_Enable(Dialog, nCombo + PBE_LABEL_OFFSET, true);
    }
    for (int i = 11; i < PBE_NUMBER_BUTTONS; ++i)
        Show_Enable(Dialog, NUMBER_BUTTONS[i], false);
}

void Fill_Holes(DIALOG& Dialog, int nCombo, int nSelected)
{
    Dialog.Clear_Items(nCombo);
    for (const char* szHole : HOLE_NAMES)
        Dialog.Add_Item(nCombo, szHole);
    Dialog.Set_Selected(nCombo, nSelected >= 0 && nSelected < RUN_HOLE_COUNT ? nSelected : -1);
}

void Refresh_Playbook_Offense(DIALOG& Dialog, int nTeam, int nPlay, int nFormation)
{
    const bool bRunning = Is_Running_Play(nTeam, nPlay);
    const int nCarrier = Get_Offensive_Play_Carrier(nTeam, nPlay);

    Dialog.Clear_Items(PBE_PLAY_TYPE_COMBO);
    for (int t = 0; t <= PLAY_TYPE_COUNTER; ++t)
        Dialog.Add_Item(PBE_PLAY_TYPE_COMBO, Get_Play_Type_Name(t));
    const int nType = Get_Offensive_Play_Type(nTeam, nPlay);
    Dialog.Set_Selected(PBE_PLAY_TYPE_COMBO, nPlay < OFFENSIVE_PLAY_COUNT && nType <= PLAY_TYPE_COUNTER ? nType : -1);
    Show_Enable(Dialog, PBE_PLAY_TYPE_COMBO, true);
    Dialog.Set_Text(PBE_PLAY_TYPE_COMBO + PBE_LABEL_OFFSET, "Play Type");
    Show_Enable(Dialog, PBE_PLAY_TYPE_COMBO + PBE_LABEL_OFFSET, true);

    Dialog.Clear_Items(PBE_CARRIER_COMBO);
    for (int s = 0; s <= PLAY_RECEIVERS; ++s)
        Dialog.Add_Item(PBE_CARRIER_COMBO, Format_Formation_Slot_Label(nTeam, nFormation, s));
    Dialog.Set_Selected(PBE_CARRIER_COMBO, nCarrier >= 0 && nCarrier <= PLAY_RECEIVERS ? nCarrier : -1);
    Dialog.Set_Text(PBE_CARRIER_COMBO + PBE_LABEL_OFFSET, bRunning ? "Ball Carrier" : "Primary Receiver");
    Show_Enable(Dialog, PBE_CARRIER_COMBO, true);
    Show_Enable(Dialog, PBE_CARRIER_COMBO + PBE_LABEL_OFFSET, true);

    const bool bAction = Play_Has_Play_Action(nTeam, nPlay);
    const bool bRushHole = bRunning || bAction || Play_Has_Lead_Block(nTeam, nPlay);
    Fill_Holes(Dialog, PBE_RUSH_HOLE_COMBO, Get_Editable_Offensive_Play(nTeam, nPlay)->nRunHole);
    Dialog.Set_Text(PBE_RUSH_HOLE_COMBO + PBE_LABEL_OFFSET, "Rushing Hole");
    Show_Enable(Dialog, PBE_RUSH_HOLE_COMBO, bRushHole);
    Show_Enable(Dialog, PBE_RUSH_HOLE_COMBO + PBE_LABEL_OFFSET, bRushHole);
    const bool bActionHole = bRunning && bAction;
    Fill_Holes(Dialog, PBE_ACTION_HOLE_COMBO, Get_Offensive_Play_Action_Hole(nTeam, nPlay));
    Dialog.Set_Text(PBE_ACTION_HOLE_COMBO + PBE_LABEL_OFFSET, "Play Action Hole");
    Show_Enable(Dialog, PBE_ACTION_HOLE_COMBO, bActionHole);
    Show_Enable(Dialog, PBE_ACTION_HOLE_COMBO + PBE_LABEL_OFFSET, bActionHole);

    for (int r = 1; r <= PLAY_RECEIVERS; ++r) {
        const int nCombo = PBE_ROUTE_COMBO_FIRST + r - 1;
        const int nPosition = Slot_Position(nFormation, r);
        const bool bCarrier = bRunning && nCarrier == r;
        Dialog.Set_Text(nCombo + PBE_LABEL_OFFSET, Format_Formation_Slot_Label(nTeam, nFormation, r));
        Show_Enable(Dialog, nCombo + PBE_LABEL_OFFSET, true);
        Set_Number_Button(Dialog, NUMBER_BUTTONS[2 + r], nTeam, nFormation, r);
        Dialog.Clear_Items(nCombo);
        const int nRoutes = bCarrier ? PASS_ROUTE_COUNT : RECEIVER_ROUTE_COUNT;
        for (int c = 0; c < nRoutes; ++c) {
            const bool bRefused = c < RECEIVER_ROUTE_COUNT && Step_Route_For_Slot(nPosition, c, 1) != c;
            Dialog.Add_Item(nCombo, bRefused ? "[Not Available]" : Get_Pass_Route(c)->szName);
        }
        const int nRoute = Get_Offensive_Play_Route(nTeam, nPlay, r - 1);
        Dialog.Set_Selected(nCombo, nRoute >= 0 && nRoute < nRoutes ? nRoute : -1);
        Dialog.Show(nCombo, true);
        Dialog.Enable(nCombo, !bCarrier);
    }
    for (int nCombo = 1399; nCombo <= PBE_SLOT_COMBO_LAST; ++nCombo) {
        Show_Enable(Dialog, nCombo, false);
        Show_Enable(Dialog, nCombo + PBE_LABEL_OFFSET, false);
    }
    // Number buttons: 1280-1284 the receivers (above), 1286 the passer and
    // 1287-1291 the line, under the diagram.
    for (int i = 0; i < 3; ++i)
        Show_Enable(Dialog, NUMBER_BUTTONS[i], false);
    Set_Number_Button(Dialog, NUMBER_BUTTONS[8], nTeam, nFormation, 0);
    for (int s = 6; s <= 10; ++s)
        Set_Number_Button(Dialog, NUMBER_BUTTONS[3 + s], nTeam, nFormation, s);
}

// Where the buttons 1286-1288 stand: under the diagram on offence (the
// passer and the line), on the slot rows 8-10 on defence.
void Place_Playbook_Number_Buttons(DIALOG& Dialog, int nSide)
{
    for (int i = 0; i < 3; ++i) {
        const UI_RECT Row{230, ROW_TOP + ROW_HEIGHT * (8 + i), 22, 14};
        const UI_RECT Line{262 + 66 * i, 244, 30, 12};
        Place_Control(Dialog, NUMBER_BUTTONS[8 + i], nSide == PLAYBOOK_DEFENSE ? Row : Line);
    }
}

// ---------------------------------------------------------------------------
// State

int Get_Number_Button_Id(int nIndex)
{
    return nIndex >= 0 && nIndex < PBE_NUMBER_BUTTONS ? NUMBER_BUTTONS[nIndex] : 0;
}

int Get_Playbook_Editor_Team()
{
    Fix_Current_Team_Selection();
    return Get_User_Preference(PREF_CURRENT_TEAM);
}

int Get_Playbook_Editor_Side()
{
    return Get_User_Preference(PREF_PLAYBOOK_SIDE) == PLAYBOOK_DEFENSE ? PLAYBOOK_DEFENSE : PLAYBOOK_OFFENSE;
}

int Get_Playbook_Editor_Folder()
{
    return Clamp(Get_User_Preference(PREF_PLAYBOOK_FOLDER), 0, Folder_Count(Get_Playbook_Editor_Side()) - 1);
}

int Get_Playbook_Editor_Play()
{
    const int nFolder = Get_Playbook_Editor_Folder();
    const int nPlay = Clamp(Get_User_Preference(PREF_PLAYBOOK_PLAY), 0,
                            Plays_In_Folder(Get_Playbook_Editor_Side(), nFolder) - 1);
    return nFolder * 10 + nPlay;
}

int Get_Highlighted_Play_Slot()
{
    return g_nHighlightedSlot;
}

void Set_Playbook_View_Hooks(void (*pOffense)(int nTeam), void (*pDefense)(int nTeam))
{
    g_pViewOffense = pOffense;
    g_pViewDefense = pDefense;
}

void Set_Playbook_Highlight(int nSlot)
{
    g_nHighlightedSlot = nSlot;
    Set_Play_Diagram_Highlight_Slot(nSlot);
}

void (*Get_Playbook_View_Hook(int nSide))(int)
{
    return nSide == PLAYBOOK_DEFENSE ? g_pViewDefense : g_pViewOffense;
}

// ---------------------------------------------------------------------------
// Rules

void Normalize_Edited_Play(int nTeam, int nSide, int nPlay, int nDirection)
{
    if (nSide == PLAYBOOK_DEFENSE) {
        if (DEFENSIVE_PLAY* pPlay = Get_Editable_Defensive_Play(nTeam, nPlay))
            Normalize_Defensive_Play(*pPlay);
        return;
    }
    if (OFFENSIVE_PLAY* pPlay = Get_Editable_Offensive_Play(nTeam, nPlay))
        Normalize_Offensive_Play(*pPlay, nDirection);
}

bool Play_Has_Result_Data(int nTeam, int nSide, int nPlay)
{
    const int nColumns = nSide == PLAYBOOK_DEFENSE ? DEFENSIVE_SITUATIONS : OFFENSIVE_SITUATIONS;
    int nSum = 0;
    for (int c = 0; c < nColumns; ++c)
        nSum += Get_Playbook_Tally(nTeam, nSide, nPlay, c, TALLY_PLAYS);
    return nSum > 0;
}

int Count_Formation_Position_Slots(int nFormation, int nPosition)
{
    int nCount = 0;
    for (int s = 0; s < FORMATION_PLACES; ++s)
        nCount += Slot_Position(nFormation, s) == nPosition ? 1 : 0;
    return nCount;
}

std::string Format_Formation_Slot_Label(int nTeam, int nFormation, int nSlot)
{
    const int nId = Clamp_Formation_Id(nFormation);
    const int nPosition = Get_Formation_Slot_Position(nId, nSlot, SLOT_POSITION);
    const int nRank = Get_Formation_Slot_Position(nId, nSlot, SLOT_DEPTH_RANK);
    std::string Name = "[Empty]";
    const int nPlayer = Get_Playbook_Slot_Player(nTeam, nId, nSlot);
    if (nPlayer >= 0) {
        char szFirst[64] = "";
        char szLast[64] = "";
        Get_Player_First_Name(nTeam, nPlayer, szFirst);
        Get_Player_Last_Name(nTeam, nPlayer, szLast);
        Name = std::strlen(szLast) < 10 && szFirst[0] != '\0' ? std::string(1, szFirst[0]) + ". " + szLast : szLast;
    }
    const char* szPosition = nPosition >= 0 && nPosition <= 14 ? Get_Resource_String(59 + nPosition) : "Any";
    char szLabel[128];
    if (nPosition == 5 || nPosition == 6)   // T, G
        std::snprintf(szLabel, sizeof(szLabel), "%s (%c%s)", Name.c_str(), nRank == 0 ? 'L' : 'R', szPosition);
    else if (Count_Formation_Position_Slots(nId, nPosition) == 1)
        std::snprintf(szLabel, sizeof(szLabel), "%s (%s)", Name.c_str(), szPosition);
    else
        std::snprintf(szLabel, sizeof(szLabel), "%s (%s%d)", Name.c_str(), szPosition, nRank + 1);
    return szLabel;
}

const char* Describe_Defensive_Tendencies(int nTeam, int nPlay, int nKind)
{
    // The play's mean per-mille rating against the built-in calls of the kind.
    int64_t nSum = 0;
    int nCount = 0;
    for (int i = 0; i < TEAM_OFFENSIVE_PLAYS; ++i) {
        if (Get_Offensive_Play_Category(255, i) != nKind)
            continue;
        nSum += Get_Play_Matchup_Rating(255, i, nTeam, nPlay);
        ++nCount;
    }
    if (nCount == 0)
        return GRADE_WORDS[2];
    const int64_t nMean = nSum / nCount;
    const int nGrade = nMean < 800 ? 0 : nMean < 950 ? 1 : nMean < 1050 ? 2 : nMean < 1200 ? 3 : 4;
    return GRADE_WORDS[nGrade];
}

std::string Format_Play_Initializer_Line(int nSide, int nTeam, int nPlay)
{
    auto Escape = [](const std::string& Text) {
        std::string Out;
        for (char c : Text) {
            if (c == '"' || c == '\\')
                Out += '\\';
            Out += c;
        }
        return Out;
    };
    char szLine[1024];
    if (nSide == PLAYBOOK_DEFENSE) {
        const DEFENSIVE_PLAY* p = Get_Editable_Defensive_Play(nTeam, nPlay);
        if (p == nullptr)
            return "";
        const int* r = p->nResponsibility;
        std::snprintf(szLine, sizeof(szLine), "{\"%s\",%d,{%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d},\"%s\"},",
                      Escape(Field_Text(p->szName, PLAY_CARD_OFFSET)).c_str(), p->nFormation, r[0], r[1], r[2], r[3],
                      r[4], r[5], r[6], r[7], r[8], r[9], r[10],
                      Escape(Field_Text(p->szDescription, PLAY_DESCRIPTION_SIZE)).c_str());
    } else {
        const OFFENSIVE_PLAY* p = Get_Editable_Offensive_Play(nTeam, nPlay);
        if (p == nullptr)
            return "";
        std::snprintf(szLine, sizeof(szLine), "{\"%s\",%d,0,0,0,%d,%d,%d,{%d,%d,%d,%d,%d},\"%s\"},",
                      Escape(Field_Text(p->szName, PLAY_CARD_OFFSET)).c_str(), p->nFormation, p->nType, p->nCarrier,
                      p->nRunHole, p->nRoute[0], p->nRoute[1], p->nRoute[2], p->nRoute[3], p->nRoute[4],
                      Escape(Field_Text(p->szDescription, PLAY_DESCRIPTION_SIZE)).c_str());
    }
    return szLine;
}

const char* Get_Rushing_Hole_Name(int nHole)
{
    return nHole >= 0 && nHole < RUN_HOLE_COUNT ? HOLE_NAMES[nHole] : "";
}

const char* Get_Offense_Situation_Name(int nSituation)
{
    return nSituation >= 0 && nSituation < OFFENSIVE_SITUATIONS ? SITUATION_NAMES[nSituation] : "";
}

const char* Get_Defense_Kind_Name(int nKind)
{
    return nKind >= 0 && nKind < DEFENSIVE_SITUATIONS ? KIND_NAMES[nKind] : "";
}

std::string Get_Playbook_Folder_Name(int nTeam, int nFolder)
{
    if (nFolder >= 0 && nFolder < OFFENSIVE_CATEGORY_COUNT) {
        const OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam);
        return pArea ? Field_Text(pArea->szCategory[nFolder], PLAYBOOK_CATEGORY_NAME_SIZE) : "";
    }
    const int nDefense = nFolder - OFFENSIVE_CATEGORY_COUNT;
    if (nDefense >= 0 && nDefense < DEFENSIVE_CATEGORY_COUNT) {
        const DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam);
        return pArea ? Field_Text(pArea->szCategory[nDefense], PLAYBOOK_CATEGORY_NAME_SIZE) : "";
    }
    Report_Error("Invalid nFolder in %s(%d, [%d])", __func__, nTeam, nFolder);
    return "";
}

void Set_Playbook_Folder_Name(int nTeam, int nFolder, const std::string& Name)
{
    if (nFolder >= 0 && nFolder < OFFENSIVE_CATEGORY_COUNT) {
        if (OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam))
            safe_strncpy(pArea->szCategory[nFolder], Name.c_str(), PLAYBOOK_CATEGORY_NAME_SIZE);
        return;
    }
    const int nDefense = nFolder - OFFENSIVE_CATEGORY_COUNT;
    if (nDefense >= 0 && nDefense < DEFENSIVE_CATEGORY_COUNT) {
        if (DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam))
            safe_strncpy(pArea->szCategory[nDefense], Name.c_str(), PLAYBOOK_CATEGORY_NAME_SIZE);
        return;
    }
    Report_Error("Invalid nFolder in %s(%d, [%d])", __func__, nTeam, nFolder);
}

std::string Get_Offensive_Folder_Name(int nTeam, int nFolder)
{
    return nFolder >= 0 && nFolder < OFFENSIVE_CATEGORY_COUNT ? Get_Playbook_Folder_Name(nTeam, nFolder) : "";
}

std::string Get_Defensive_Folder_Name(int nTeam, int nFolder)
{
    return nFolder >= 0 && nFolder < DEFENSIVE_CATEGORY_COUNT
               ? Get_Playbook_Folder_Name(nTeam, OFFENSIVE_CATEGORY_COUNT + nFolder)
               : "";
}

std::string Get_Playbook_Notes(int nTeam, int nSide)
{
    if (nSide == PLAYBOOK_DEFENSE) {
        const DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam);
        return pArea ? Field_Text(pArea->szNotes, PLAYBOOK_NOTES_SIZE) : "";
    }
    const OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam);
    return pArea ? Field_Text(pArea->szNotes, PLAYBOOK_NOTES_SIZE) : "";
}

void Set_Playbook_Notes(int nTeam, int nSide, const std::string& Notes)
{
    if (nSide == PLAYBOOK_DEFENSE) {
        if (DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam))
            safe_strncpy(pArea->szNotes, Notes.c_str(), PLAYBOOK_NOTES_SIZE);
    } else if (OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam)) {
        safe_strncpy(pArea->szNotes, Notes.c_str(), PLAYBOOK_NOTES_SIZE);
    }
}

// The Playbook Editor's dialog: refresh, the combo changes, the texts, the
// result boxes, the buttons and the diagram.
#include <cstdint>
#include <cstdio>

#include "base/text_utils.h"
#include "editors/play_cards.h"
#include "editors/playbook_dialogs.h"
#include "editors/playbook_editor.h"
#include "engine/formations.h"
#include "engine/game_lineups.h"
#include "engine/play_diagrams.h"
#include "engine/playbooks.h"
#include "frontoffice/list_services.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "pages/player_card.h"
#include "platform/canvas.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

bool g_bAdviceShown = false;
int g_nClicks = 0;

const char* const ADVICE =
    "For maximum accuracy, we recommend clearing the result data when editing a play.\n\nPressing the 'Clear "
    "Result Data' button will erase all accumulated data for the play being shown.";

void Set_Side_Folder_Play(int nSide, int nFolder, int nPlay)
{
    Set_User_Preference(PREF_PLAYBOOK_SIDE, nSide);
    Set_User_Preference(PREF_PLAYBOOK_FOLDER, nFolder);
    Set_User_Preference(PREF_PLAYBOOK_PLAY, nPlay);
}

void Repaint(DIALOG& Dialog)
{
    Dialog.Invalidate(PBE_DIAGRAM);
}

void Ask_Advice_Once(int nTeam, int nSide, int nPlay)
{
    if (g_bAdviceShown || !Play_Has_Result_Data(nTeam, nSide, nPlay))
        return;
    Show_Message_Box(ADVICE, "Playbook Editor", BOX_OK | BOX_ICON_INFORMATION);
    g_bAdviceShown = true;
}

void Open_View(int nSide, int nTeam);

}  // namespace

void Reset_Playbook_Editor_Advice()
{
    g_bAdviceShown = false;
}

int Get_Playbook_Editor_Control_Index(int nControl)
{
    switch (nControl) {
    case PBE_CARRIER_COMBO:
        return 0;
    case PBE_RUSH_HOLE_COMBO:
        return 1;
    case PBE_ACTION_HOLE_COMBO:
        return 2;
    default:
        if (nControl >= PBE_ROUTE_COMBO_FIRST && nControl <= PBE_SLOT_COMBO_LAST)
            return nControl - PBE_ROUTE_COMBO_FIRST + 3;
        Report_Error("Invalid wID passed to Get_Playbook_Editor_Control_Index([%d])", nControl);
        return -1;
    }
}

int Get_Highlighted_Slot_For_Control(int nControl)
{
    if (Get_Playbook_Editor_Side() == PLAYBOOK_DEFENSE) {
        const bool bSlot = nControl == PBE_CARRIER_COMBO || nControl == PBE_RUSH_HOLE_COMBO ||
                           nControl == PBE_ACTION_HOLE_COMBO ||
                           (nControl >= PBE_ROUTE_COMBO_FIRST && nControl <= PBE_SLOT_COMBO_LAST);
        return bSlot ? Get_Playbook_Editor_Control_Index(nControl) : -1;
    }
    if (nControl >= PBE_ROUTE_COMBO_FIRST && nControl < PBE_ROUTE_COMBO_FIRST + PLAY_RECEIVERS)
        return nControl - PBE_ROUTE_COMBO_FIRST + 1;
    return -1;
}

int Get_Number_Button_Slot(int nButton)
{
    int nIndex = -1;
    for (int i = 0; i < PBE_NUMBER_BUTTONS; ++i)
        if (Get_Number_Button_Id(i) == nButton)
            nIndex = i;
    if (nIndex < 0)
        return -1;
    if (Get_Playbook_Editor_Side() == PLAYBOOK_DEFENSE)
        return nIndex < DEFENDER_PLACES ? nIndex : -1;
    if (nIndex >= 3 && nIndex <= 7)
        return nIndex - 2;   // 1280-1284: receivers 1-5
    if (nIndex == 8)
        return 0;            // 1286: the passer
    if (nIndex >= 9)
        return nIndex - 3;   // 1287-1291: slots 6-10
    return -1;
}

void Show_Play_Result_Statistics(DIALOG& Dialog)
{
    const int nTeam = Get_Playbook_Editor_Team();
    const int nSide = Get_Playbook_Editor_Side();
    const int nPlay = Get_Playbook_Editor_Play();
    char szText[512];
    const int nBoxes = nSide == PLAYBOOK_DEFENSE ? DEFENSIVE_SITUATIONS : OFFENSIVE_SITUATIONS;
    for (int c = 0; c < nBoxes; ++c) {
        const int nPlays = Get_Playbook_Tally(nTeam, nSide, nPlay, c, TALLY_PLAYS);
        const double fPlays = nPlays;
        const double fYards = Get_Playbook_Tally(nTeam, nSide, nPlay, c, TALLY_YARDS) / (nPlays > 0 ? fPlays : 1.0);
        auto Percent = [&](int nKind) {
            return Get_Playbook_Tally(nTeam, nSide, nPlay, c, nKind) * 100.0 / (nPlays > 0 ? fPlays : 1.0);
        };
        if (nSide == PLAYBOOK_OFFENSE) {
            if (nPlays > 0)
                std::snprintf(szText, sizeof(szText),
                              "%s\n(%d Play%s)\n%.1f Yards/Play\nFirst Down: %.0f%%\nTouchdown: %.0f%%\nTurnover: "
                              "%.0f%%\nSack: %.0f%%",
                              Get_Offense_Situation_Name(c), nPlays, nPlays == 1 ? "" : "s", fYards,
                              Percent(TALLY_FIRST_DOWNS), Percent(TALLY_TOUCHDOWNS), Percent(TALLY_TURNOVERS),
                              Percent(TALLY_SACKS));
            else
                std::snprintf(szText, sizeof(szText), "%s\n(0 Plays)", Get_Offense_Situation_Name(c));
        } else {
            const char* szRating = Describe_Defensive_Tendencies(nTeam, nPlay, c);
            if (nPlays > 0)
                std::snprintf(szText, sizeof(szText),
                              "Versus\n%s\n(%d Plays)\n%.1f Yards/Play\nFirst Down: %.0f%%\nTouchdown: "
                              "%.0f%%\nTurnover: %.0f%%\nSack: %.0f%%\n\nRating: %s",
                              Get_Defense_Kind_Name(c), nPlays, fYards, Percent(TALLY_FIRST_DOWNS),
                              Percent(TALLY_TOUCHDOWNS), Percent(TALLY_TURNOVERS), Percent(TALLY_SACKS), szRating);
            else
                std::snprintf(szText, sizeof(szText), "Versus\n%s\n(%d Plays)\n\n\n\n\n\n\nRating: %s",
                              Get_Defense_Kind_Name(c), nPlays, szRating);
        }
        Dialog.Set_Text(PBE_RESULT_FIRST + c, szText);
    }
    if (nSide == PLAYBOOK_OFFENSE) {
        Show_Route_Tooltip(szText, sizeof(szText), nTeam, nPlay, true);
        Dialog.Set_Text(PBE_RESULT_FIRST + OFFENSIVE_SITUATIONS, szText);
    }
}

void Refresh_Playbook_Editor(DIALOG& Dialog)
{
    const int nTeam = Get_Playbook_Editor_Team();
    const int nSide = Get_Playbook_Editor_Side();
    const int nFolder = Get_Playbook_Editor_Folder();
    const int nPlay = Get_Playbook_Editor_Play();
    const bool bDefense = nSide == PLAYBOOK_DEFENSE;

    Dialog.Set_Text(PBE_LOAD_BUTTON, bDefense ? "Load Defense Playbook" : "Load Offense Playbook");
    Dialog.Set_Text(PBE_SAVE_BUTTON, bDefense ? "Save Defense Playbook" : "Save Offense Playbook");
    Dialog.Set_Text(PBE_VIEW_BUTTON, bDefense ? "View Defense" : "View Offense");

    const int nFormation =
        bDefense ? Get_Defensive_Play_Formation(nTeam, nPlay) : Get_Offensive_Play_Formation(nTeam, nPlay);
    Build_Formation_Depth_Chart(nTeam, 0);
    if (Dialog.Item_Count(PBE_TEAM_COMBO) == 0 || Dialog.Get_Selected(PBE_TEAM_COMBO) < 0 ||
        Dialog.Item_Data(PBE_TEAM_COMBO, Dialog.Get_Selected(PBE_TEAM_COMBO)) != nTeam)
        Fill_Roster_List_Control(Dialog);

    Fill_Playbook_Folder_And_Play(Dialog, nTeam, nSide, nFolder, nPlay);

    Dialog.Clear_Items(PBE_FORMATION_COMBO);
    char szName[64];
    const int nFirst = bDefense ? FIRST_DEFENSIVE_FORMATION : 0;
    const int nLast = bDefense ? LAST_DEFENSIVE_FORMATION : LAST_OFFENSIVE_FORMATION;
    for (int f = nFirst; f <= nLast; ++f) {
        Get_Formation_Name(szName, f);
        Dialog.Add_Item(PBE_FORMATION_COMBO, szName);
    }
    Dialog.Set_Selected(PBE_FORMATION_COMBO, nFormation >= nFirst && nFormation <= nLast ? nFormation - nFirst : -1);

    char szDescription[PLAY_DESCRIPTION_SIZE];
    if (bDefense)
        Get_Defensive_Play_Description(nTeam, nPlay, szDescription);
    else
        Get_Offensive_Play_Description(nTeam, nPlay, szDescription);
    Dialog.Set_Text(PBE_DESCRIPTION_EDIT, szDescription);
    Dialog.Set_Text(PBE_NOTES_EDIT, Get_Playbook_Notes(nTeam, nSide));
    Dialog.Set_Text(PBE_NOTES_LABEL, "Playbook:");

    Place_Playbook_Number_Buttons(Dialog, nSide);
    if (bDefense)
        Refresh_Playbook_Defense(Dialog, nTeam, nPlay, nFormation);
    else
        Refresh_Playbook_Offense(Dialog, nTeam, nPlay, nFormation);

    Dialog.Enable(PBE_CLEAR_BUTTON, Play_Has_Result_Data(nTeam, nSide, nPlay));
    Show_Play_Result_Statistics(Dialog);
    Remove_Play_Card_Controls(Dialog);
}

void Store_Playbook_Editor_Texts(DIALOG& Dialog)
{
    const int nTeam = Get_Playbook_Editor_Team();
    const int nSide = Get_Playbook_Editor_Side();
    const int nFolder = Get_Playbook_Editor_Folder();
    const int nPlay = Get_Playbook_Editor_Play();
    std::string Folder = Dialog.Get_Text(PBE_FOLDER_EDIT);
    Set_Playbook_Folder_Name(nTeam, nSide * OFFENSIVE_CATEGORY_COUNT + nFolder,
                             Folder.empty() ? "Unnamed Folder" : Folder);
    const std::string Name = Dialog.Get_Text(PBE_PLAY_NAME_EDIT);
    Set_Play_Name_Keeping_Card(nTeam, nSide, nPlay, Name.empty() ? "Unnamed Play" : Name);
    const std::string Description = Dialog.Get_Text(PBE_DESCRIPTION_EDIT);
    if (nSide == PLAYBOOK_DEFENSE) {
        if (DEFENSIVE_PLAY* p = Get_Editable_Defensive_Play(nTeam, nPlay))
            safe_strncpy(p->szDescription, Description.c_str(), PLAY_DESCRIPTION_SIZE);
    } else if (OFFENSIVE_PLAY* p = Get_Editable_Offensive_Play(nTeam, nPlay)) {
        safe_strncpy(p->szDescription, Description.c_str(), PLAY_DESCRIPTION_SIZE);
    }
    Set_Playbook_Notes(nTeam, nSide, Dialog.Get_Text(PBE_NOTES_EDIT));
}

void Apply_Playbook_Combo_Change(DIALOG& Dialog, int nTeam, int nControl)
{
    const int nSelected = Dialog.Get_Selected(nControl);
    // No selection: nothing to store (it would read as -1).
    if (nSelected < 0)
        return;
    const int s = static_cast<int8_t>(nSelected);
    const int nSide = Get_Playbook_Editor_Side();
    const int nPlay = Get_Playbook_Editor_Play();
    Set_Playbook_Highlight(-1);
    int nOld = 0;
    int nNew = 0;
    if (nSide == PLAYBOOK_DEFENSE) {
        DEFENSIVE_PLAY* p = Get_Editable_Defensive_Play(nTeam, nPlay);
        if (p == nullptr)
            return;
        if (nControl == PBE_FORMATION_COMBO) {
            nOld = p->nFormation;
            p->nFormation = nNew = s + FIRST_DEFENSIVE_FORMATION;
        } else if (Get_Highlighted_Slot_For_Control(nControl) >= 0) {
            const int nSlot = Get_Playbook_Editor_Control_Index(nControl);
            nOld = p->nResponsibility[nSlot];
            p->nResponsibility[nSlot] = nNew = s;
            Set_Playbook_Highlight(nSlot);
        } else {
            return;
        }
    } else {
        OFFENSIVE_PLAY* p = Get_Editable_Offensive_Play(nTeam, nPlay);
        if (p == nullptr)
            return;
        if (nControl == PBE_RUSH_HOLE_COMBO) {
            nOld = p->nRunHole;
            p->nRunHole = nNew = s;
        } else if (nControl == PBE_ACTION_HOLE_COMBO) {
            nOld = p->nPlayActionHole;
            p->nPlayActionHole = static_cast<int8_t>(nNew = s);
        } else if (nControl >= PBE_ROUTE_COMBO_FIRST && nControl < PBE_ROUTE_COMBO_FIRST + PLAY_RECEIVERS) {
            const int r = nControl - PBE_ROUTE_COMBO_FIRST;
            nOld = p->nRoute[r];
            p->nRoute[r] = nNew = s;
            Set_Playbook_Highlight(r + 1);
        } else if (nControl == PBE_CARRIER_COMBO) {
            if (Is_Passing_Play(nTeam, nPlay) && s == 0) {
                Show_Message_Box("The Quarterback cannot be the Primary Receiver.", "Invalid Selection",
                                 BOX_OK | BOX_ICON_EXCLAMATION);
                Refresh_Playbook_Editor(Dialog);
                return;
            }
            nOld = p->nCarrier;
            p->nCarrier = nNew = s + 1;
        } else if (nControl == PBE_FORMATION_COMBO) {
            nOld = p->nFormation;
            p->nFormation = static_cast<int8_t>(nNew = s);
        } else if (nControl == PBE_PLAY_TYPE_COMBO) {
            nOld = p->nType;
            p->nType = nNew = s;
        } else {
            return;
        }
    }
    if (nNew == nOld)
        return;
    Store_Playbook_Editor_Texts(Dialog);
    Normalize_Edited_Play(nTeam, nSide, nPlay, nNew - nOld);
    Ask_Advice_Once(nTeam, nSide, nPlay);
    Refresh_Playbook_Editor(Dialog);
    Repaint(Dialog);
}

namespace {

void Open_View(int nSide, int nTeam)
{
    void (*pView)(int) = Get_Playbook_View_Hook(nSide);
    if (pView != nullptr)
        pView(nTeam);
}

void Clear_Result_Data(DIALOG& Dialog)
{
    const int nTeam = Get_Playbook_Editor_Team();
    const int nSide = Get_Playbook_Editor_Side();
    // The refresh below fills the edits from the playbook: what was typed
    // is stored first, as every other refresh does.
    Store_Playbook_Editor_Texts(Dialog);
    Clear_Team_Playbook_Stats(nTeam, nSide, Get_Playbook_Editor_Play());
    Refresh_Playbook_Editor(Dialog);
    if (++g_nClicks != 2)
        return;
    const char* szQuestion = nSide == PLAYBOOK_DEFENSE
                                 ? "Would you like to delete ALL play result data contained in this defensive playbook"
                                 : "Would you like to delete ALL play result data contained in this offensive playbook";
    if (Show_Message_Box(szQuestion, "Clear Play Result Data", BOX_YESNO | BOX_ICON_QUESTION) == ID_YES) {
        Clear_Team_Play_Usage(nTeam, nSide);
        Refresh_Playbook_Editor(Dialog);
    }
}

void Paint_Diagram(DIALOG& Dialog)
{
    CANVAS* pCanvas = Dialog.Event().pCanvas;
    if (pCanvas == nullptr)
        return;
    const UI_RECT& Area = Dialog.Event().Area;
    const CANVAS_RECT rc{Area.x, Area.y, Area.x + Area.cx, Area.y + Area.cy};
    const int nSide = Get_Playbook_Editor_Side();
    pCanvas->Fill_Rect(rc, Rgb_Color(DIAGRAM_BACKGROUND[nSide == PLAYBOOK_DEFENSE ? DIAGRAM_DEFENSE : DIAGRAM_OFFENSE]));
    Draw_Play_Diagram(*pCanvas, rc, Get_Playbook_Editor_Team(), Get_Playbook_Editor_Play(), FONT_DIAGRAM,
                      nSide == PLAYBOOK_DEFENSE ? DIAGRAM_DEFENSE : DIAGRAM_OFFENSE, false, false);
}

void Change_Team(DIALOG& Dialog)
{
    const int nRow = Dialog.Get_Selected(PBE_TEAM_COMBO);
    if (nRow < 0)
        return;
    Store_Playbook_Editor_Texts(Dialog);
    Set_Selected_Team(static_cast<int>(Dialog.Item_Data(PBE_TEAM_COMBO, nRow)));
    Refresh_Playbook_Editor(Dialog);
    Repaint(Dialog);
}

void Change_Folder(DIALOG& Dialog)
{
    const int nRow = Dialog.Get_Selected(PBE_FOLDER_COMBO);
    if (nRow < 0)
        return;
    Store_Playbook_Editor_Texts(Dialog);
    if (nRow >= OFFENSIVE_CATEGORY_COUNT)
        Set_Side_Folder_Play(PLAYBOOK_DEFENSE, nRow - OFFENSIVE_CATEGORY_COUNT, 0);
    else
        Set_Side_Folder_Play(PLAYBOOK_OFFENSE, nRow, 0);
    Set_Playbook_Highlight(-1);
    Refresh_Playbook_Editor(Dialog);
    Repaint(Dialog);
}

void Change_Play(DIALOG& Dialog)
{
    const int nRow = Dialog.Get_Selected(PBE_PLAY_COMBO);
    if (nRow < 0)
        return;
    Store_Playbook_Editor_Texts(Dialog);
    Set_User_Preference(PREF_PLAYBOOK_PLAY, nRow);
    Refresh_Playbook_Editor(Dialog);
    Repaint(Dialog);
}

bool Is_Slot_Combo(int nControl)
{
    return (nControl >= PBE_RUSH_HOLE_COMBO && nControl <= PBE_PLAY_TYPE_COMBO);
}

}  // namespace

void Open_Slot_Player_Card(DIALOG& Dialog, int nTeam, int nButton)
{
    (void)Dialog;
    const int nSlot = Get_Number_Button_Slot(nButton);
    if (nSlot < 0)
        return;
    const int nPlay = Get_Playbook_Editor_Play();
    const int nFormation = Get_Playbook_Editor_Side() == PLAYBOOK_DEFENSE ? Get_Defensive_Play_Formation(nTeam, nPlay)
                                                                           : Get_Offensive_Play_Formation(nTeam, nPlay);
    const int nRoster = Get_Playbook_Slot_Player(nTeam, nFormation, nSlot);
    Show_Scouting_Report(nTeam, nRoster >= 0 ? nRoster : 255);
}

void Playbook_Editor_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    switch (nEvent) {
    case DIALOG_INIT:
        Dialog.Build_Registered();
        g_nClicks = 0;
        Refresh_Playbook_Editor(Dialog);
        return;
    case DIALOG_PAINT:
        if (nControl == PBE_DIAGRAM)
            Paint_Diagram(Dialog);
        return;
    case DIALOG_COMMAND:
        break;
    default:
        return;
    }
    const int nNotification = Dialog.Event().nNotification;
    if (nNotification == NOTIFY_FOCUS_GAINED || nNotification == NOTIFY_DROPPED_DOWN) {
        const int nSlot = Get_Highlighted_Slot_For_Control(nControl);
        if (Is_Slot_Combo(nControl) && nSlot != Get_Highlighted_Play_Slot()) {
            Set_Playbook_Highlight(nSlot);
            Repaint(Dialog);
        }
        return;
    }
    if (nNotification == NOTIFY_SELECTION_CHANGED) {
        if (nControl == PBE_TEAM_COMBO)
            Change_Team(Dialog);
        else if (nControl == PBE_FOLDER_COMBO)
            Change_Folder(Dialog);
        else if (nControl == PBE_PLAY_COMBO)
            Change_Play(Dialog);
        else if (Is_Slot_Combo(nControl))
            Apply_Playbook_Combo_Change(Dialog, Get_Playbook_Editor_Team(), nControl);
        return;
    }
    if (nNotification != NOTIFY_CLICKED)
        return;
    if (Get_Number_Button_Slot(nControl) >= 0) {
        Open_Slot_Player_Card(Dialog, Get_Playbook_Editor_Team(), nControl);
        return;
    }
    switch (nControl) {
    case PBE_VIEW_BUTTON:
        Open_View(Get_Playbook_Editor_Side(), Get_Playbook_Editor_Team());
        break;
    case PBE_LOAD_BUTTON:
        Run_Load_Playbook_Dialog(Get_Playbook_Editor_Side());
        Refresh_Playbook_Editor(Dialog);
        Repaint(Dialog);
        break;
    case PBE_SAVE_BUTTON:
        // The texts go into the file; the folder and play lists show the
        // names just stored.
        Store_Playbook_Editor_Texts(Dialog);
        Refresh_Playbook_Editor(Dialog);
        Repaint(Dialog);
        Run_Save_Playbook_Dialog(Get_Playbook_Editor_Side());
        break;
    case PBE_CLEAR_BUTTON:
        Clear_Result_Data(Dialog);
        Repaint(Dialog);
        break;
    case PBE_HELP_BUTTON:
        Open_Help_Page("playdesigner");
        break;
    case PBE_DONE_BUTTON:
        Store_Playbook_Editor_Texts(Dialog);
        Set_Playbook_Highlight(-1);
        Dialog.End(1);
        break;
    case DIALOG_CANCEL:
        Set_Playbook_Highlight(-1);
        Dialog.End(1);
        break;
    case CARD_DECK_CHECK:
        Store_Card_Deck_Flag(Dialog);
        break;
    default:
        break;
    }
}

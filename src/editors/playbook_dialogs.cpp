// The Load Playbook (196) and Save Playbook (195) dialogs.

#include "editors/playbook_dialogs.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/text_utils.h"
#include "engine/formations.h"
#include "engine/playbook_files.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/save_failures.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

constexpr const char* SIDE_EXTENSION[2] = {".opb", ".dpb"};
// The position codes of the analysis columns: a blank column and the backs
// and receivers for the offence; the front seven and the secondary for the
// defence.
constexpr int OFFENSE_COLUMNS[PLAYBOOK_POSITION_COLUMNS] = {-1, 1, 2, 3, 4};
constexpr int DEFENSE_COLUMNS[PLAYBOOK_POSITION_COLUMNS] = {9, 8, 10, 11, 12};
constexpr int FIRST_POSITION_STRING = 59;   // "QB"; position codes 0-14 follow
constexpr int LAST_POSITION_CODE = 14;
constexpr int FORMATION_IDS = 48;

int Current_Side()
{
    return Get_User_Preference(PREF_PLAYBOOK_EDITOR_FIRST) == PLAYBOOK_DEFENSE ? PLAYBOOK_DEFENSE : PLAYBOOK_OFFENSE;
}

std::string Formatted(const char* szFormat, int n)
{
    char szText[32];
    std::snprintf(szText, sizeof(szText), szFormat, n);
    return szText;
}

// --- Load Playbook ------------------------------------------------------

std::string Selected_Name(const DIALOG& Dialog)
{
    const DIALOG_CONTROL* pList = Dialog.Find(PLAYBOOK_FILE_LIST);
    if (pList == nullptr || pList->nSelected < 0 || pList->nSelected >= static_cast<int>(pList->Items.size()))
        return std::string();
    return pList->Items[pList->nSelected];
}

void Show_Analysis(DIALOG& Dialog)
{
    Dialog.Set_Text(PLAYBOOK_NOTES_TEXT, "");
    Dialog.Set_Text(PLAYBOOK_FORMATIONS_TEXT, "");
    Dialog.Set_Text(PLAYBOOK_PLAYS_TEXT, "");
    for (int i = 0; i < PLAYBOOK_POSITION_COLUMNS; ++i)
        Dialog.Set_Text(PLAYBOOK_POSITION_TEXT_FIRST + i, "");
    const std::string Name = Selected_Name(Dialog);
    const int nSide = Current_Side();
    // A file that does not load (gone since the list was filled, the wrong
    // size) leaves the analysis empty.
    if (Name.empty() || !Load_Playbook_File(-1, nSide, Name.c_str()))
        return;
    const PLAYBOOK_ANALYSIS Analysis = Analyze_Scratch_Playbook(nSide);
    Dialog.Set_Text(PLAYBOOK_NOTES_TEXT, Analysis.Notes);
    Dialog.Set_Text(PLAYBOOK_PLAYS_TEXT, Analysis.Plays);
    Dialog.Set_Text(PLAYBOOK_FORMATIONS_TEXT, Analysis.Formations);
    for (int i = 0; i < PLAYBOOK_POSITION_COLUMNS; ++i)
        Dialog.Set_Text(PLAYBOOK_POSITION_TEXT_FIRST + i, Analysis.Positions[i]);
}

// False (after the box) when the folder holds no file of the side: the
// dialog then ends as cancelled.
bool Fill_Playbook_List(DIALOG& Dialog)
{
    const int nSide = Current_Side();
    Dialog.Clear_Items(PLAYBOOK_FILE_LIST);
    const std::vector<std::string> Names = List_Playbook_Files(nSide);
    if (Names.empty()) {
        if (nSide == PLAYBOOK_OFFENSE)
            Show_Message_Box("There are no Offensive Playbook files (.opb) in the 'playbook' folder.",
                             "No Offensive Playbooks Files", BOX_OK | BOX_ICON_EXCLAMATION | BOX_TASKMODAL);
        else
            Show_Message_Box("There are no Defensive Playbook files (.dpb) in the 'playbook' folder.",
                             "No Defensive Playbooks Files", BOX_OK | BOX_ICON_EXCLAMATION | BOX_TASKMODAL);
        Dialog.End(DIALOG_CANCEL);
        return false;
    }
    for (const std::string& Name : Names)
        Dialog.Add_Item(PLAYBOOK_FILE_LIST, Name);
    Dialog.Set_Selected(PLAYBOOK_FILE_LIST, 0);
    return true;
}

void Load_Selected(DIALOG& Dialog)
{
    const std::string Name = Selected_Name(Dialog);
    if (Name.empty())
        return;
    Fix_Current_Team_Selection();
    // A file of the wrong size is refused whole: the team's playbook stays.
    std::string Problem;
    if (Load_Playbook_File(Get_User_Preference(PREF_CURRENT_TEAM), Current_Side(), Name.c_str(), &Problem)) {
        Dialog.End(DIALOG_OK);
        return;
    }
    char szPath[PLAYBOOK_FILE_NAME_LIMIT + 32];
    if (Build_Playbook_File_Path(Name.c_str(), Current_Side(), szPath, sizeof(szPath)))
        Problem = "\"" + std::string(szPath) + "\": " + Problem;
    Show_Formatted_Message("Read Error", "Unable to load playbook file.\n\n%s.", Problem.c_str());
    // The dialog stays open for another choice; a script's line that asked
    // for this one fails there.
    dialogs::Fail_Action(Dialog, "the playbook was not loaded: " + Problem);
}

void Delete_Selected(DIALOG& Dialog)
{
    const std::string Name = Selected_Name(Dialog);
    if (Name.empty())
        return;
    const int nSide = Current_Side();
    const std::string File = Name + SIDE_EXTENSION[nSide];
    const std::string Question = "Are you sure you want to delete '" + File + "'?";
    if (Show_Message_Box(Question.c_str(), "Confirm File Deletion", BOX_YESNO | BOX_TASKMODAL) != ID_YES)
        return;
    if (!Delete_Playbook_File(Name.c_str(), nSide)) {
        const std::string Text = "Vazarudu Kelvo could not delete " + File +
                                 ". You can delete it manually. If you have further problems you may need to "
                                 "re-install Vazarudu Kelvo.";
        Show_Message_Box(Text.c_str(), "Couldn't delete file", BOX_OK);
    }
    if (Fill_Playbook_List(Dialog))
        Show_Analysis(Dialog);
}

// --- Save Playbook ------------------------------------------------------

// The stored name of the viewed team's current side ("" when none).
std::string Stored_Name()
{
    const int nTeam = Get_User_Preference(PREF_CURRENT_TEAM);
    if (Current_Side() == PLAYBOOK_OFFENSE) {
        const OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam);
        return pArea ? std::string(pArea->szName, strnlen(pArea->szName, PLAYBOOK_NAME_SIZE)) : std::string();
    }
    const DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam);
    return pArea ? std::string(pArea->szName, strnlen(pArea->szName, PLAYBOOK_NAME_SIZE)) : std::string();
}

// Shows a failed save's box and counts the save as not made, so that a
// script whose line asked for it fails there.
void Report_Save_Failure(const std::string& Text, const char* szTitle)
{
    Show_Message_Box(Text.c_str(), szTitle, BOX_OK | BOX_ICON_INFORMATION | BOX_TASKMODAL);
    Note_Failed_Save(Text);
}

bool Is_Space_Error(int nError)
{
    return nError == ENOSPC || nError == EDQUOT || nError == EFBIG;
}

void Save_Named(DIALOG& Dialog)
{
    std::string Name = Dialog.Get_Text(PLAYBOOK_NAME_EDIT);
    if (Name.size() > static_cast<size_t>(PLAYBOOK_SAVE_EDIT_LIMIT))
        Name.resize(PLAYBOOK_SAVE_EDIT_LIMIT);
    char szPath[PLAYBOOK_FILE_NAME_LIMIT + 32];
    // A name that would leave the folder, or holds what no file name may,
    // changes nothing: the user may type another.
    if (!Build_Playbook_File_Path(Name.c_str(), Current_Side(), szPath, sizeof(szPath))) {
        Report_Save_Failure("Vazarudu Kelvo was unable to save a playbook with that file name. It may contain some "
                            "invalid characters.",
                            "File Open Error");
        return;
    }
    if (files::File_Exists(szPath) &&
        Show_Message_Box("A playbook with that name already exists. Overwrite?", "Filename in use",
                         BOX_OKCANCEL | BOX_ICON_QUESTION | BOX_TASKMODAL | BOX_UNATTENDED_DECLINES) != ID_OK)
        return;
    // The file carries the name, so it is stored first; a write that fails
    // puts the old one back.
    const std::string OldName = Stored_Name();
    Set_Playbook_Name(Name.c_str());
    Dialog.End(DIALOG_OK);
    int nError = 0;
    const int nResult = Write_Playbook_File(szPath, &nError);
    if (nResult == PLAYBOOK_WRITE_OK)
        return;
    Set_Playbook_Name(OldName.c_str());
    // The name was fine: the system says what went wrong.
    const std::string Cause = files::Error_Text(nError);
    if (Is_Space_Error(nError))
        Report_Save_Failure("Vazarudu Kelvo was unable to write the playbook file, probably because of low hard drive "
                            "space. You can use the 'Load Playbook' dialog to erase old playbook files. (" +
                                Cause + ")",
                            "File Write Error");
    else if (nResult == PLAYBOOK_WRITE_OPEN_FAILED)
        Report_Save_Failure("Vazarudu Kelvo was unable to save the playbook \"" + std::string(szPath) + "\" (" +
                                Cause + ").",
                            "File Open Error");
    else
        Report_Save_Failure("Vazarudu Kelvo was unable to write the playbook file \"" + std::string(szPath) + "\" (" +
                                Cause + ").",
                            "File Write Error");
}

// --- Templates ----------------------------------------------------------

// The list and its buttons above, the analysis below: the notes, then the
// formations with their play counts and the position columns side by side.
constexpr CONTROL_TEMPLATE LOAD_CONTROLS[] = {
    {PLAYBOOK_FILES_GROUP, CONTROL_GROUP, "Saved Playbooks", {7, 4, 285, 112}},
    {PLAYBOOK_FILE_LIST, CONTROL_LIST, "", {14, 17, 198, 92}, CS_GROUP},
    {PLAYBOOK_LOAD_BUTTON, CONTROL_BUTTON, "&Load", {220, 17, 64, 16}, CS_DEFAULT | CS_GROUP},
    {PLAYBOOK_DELETE_BUTTON, CONTROL_BUTTON, "&Delete", {220, 37, 64, 16}},
    {PLAYBOOK_CANCEL_BUTTON, CONTROL_BUTTON, "&Cancel", {220, 57, 64, 16}},
    {PLAYBOOK_HELP_BUTTON, CONTROL_BUTTON, "&Help", {220, 93, 64, 16}},
    {PLAYBOOK_ANALYZER_GROUP, CONTROL_GROUP, "Playbook Analyzer", {7, 122, 285, 245}},
    // The notes run to 511 characters: a read-only box that wraps and scrolls.
    {PLAYBOOK_NOTES_TEXT, CONTROL_EDIT, "Playbook Notes", {14, 135, 271, 72}, CS_MULTILINE | CS_READONLY},
    {PLAYBOOK_FORMATIONS_TEXT, CONTROL_LABEL, "FORMATION", {14, 214, 116, 148}, CS_MULTILINE},
    {PLAYBOOK_PLAYS_TEXT, CONTROL_LABEL, "PLAYS", {132, 214, 28, 148}, CS_MULTILINE},
    {PLAYBOOK_POSITION_TEXT_FIRST, CONTROL_LABEL, "RB", {162, 214, 24, 148}, CS_MULTILINE},
    {PLAYBOOK_POSITION_TEXT_FIRST + 1, CONTROL_LABEL, "RB", {188, 214, 24, 148}, CS_MULTILINE},
    {PLAYBOOK_POSITION_TEXT_FIRST + 2, CONTROL_LABEL, "RB", {214, 214, 24, 148}, CS_MULTILINE},
    {PLAYBOOK_POSITION_TEXT_FIRST + 3, CONTROL_LABEL, "RB", {240, 214, 24, 148}, CS_MULTILINE},
    {PLAYBOOK_POSITION_TEXT_FIRST + 4, CONTROL_LABEL, "RB", {266, 214, 24, 148}, CS_MULTILINE},
};
constexpr DIALOG_TEMPLATE LOAD_TEMPLATE{
    LOAD_PLAYBOOK_DIALOG, "Load Playbook", 299, 373, 0, 0, 0, LOAD_CONTROLS, "loadplaybook"};
constexpr int LOAD_USED_IDS[] = {PLAYBOOK_FILES_GROUP,         PLAYBOOK_FILE_LIST,
                                 PLAYBOOK_LOAD_BUTTON,         PLAYBOOK_DELETE_BUTTON,
                                 PLAYBOOK_CANCEL_BUTTON,       PLAYBOOK_HELP_BUTTON,
                                 PLAYBOOK_NOTES_TEXT,          PLAYBOOK_FORMATIONS_TEXT,
                                 PLAYBOOK_PLAYS_TEXT,          PLAYBOOK_POSITION_TEXT_FIRST,
                                 PLAYBOOK_POSITION_TEXT_FIRST + 1, PLAYBOOK_POSITION_TEXT_FIRST + 2,
                                 PLAYBOOK_POSITION_TEXT_FIRST + 3, PLAYBOOK_POSITION_TEXT_FIRST + 4};
const DIALOG_REGISTRAR LOAD_REGISTRAR(LOAD_PLAYBOOK_DIALOG, LOAD_TEMPLATE, Load_Playbook_Dialog_Proc, LOAD_USED_IDS);

constexpr CONTROL_TEMPLATE SAVE_CONTROLS[] = {
    {PLAYBOOK_FILES_GROUP, CONTROL_GROUP, "Save Current Playbook As:", {7, 3, 190, 33}},
    {PLAYBOOK_NAME_EDIT, CONTROL_EDIT, "", {14, 16, 176, 14}, CS_GROUP, PLAYBOOK_SAVE_EDIT_LIMIT},
    {PLAYBOOK_SAVE_BUTTON, CONTROL_BUTTON, "&Save", {33, 41, 44, 15}, CS_DEFAULT | CS_GROUP},
    {PLAYBOOK_CANCEL_BUTTON, CONTROL_BUTTON, "&Cancel", {80, 41, 44, 15}},
    {PLAYBOOK_HELP_BUTTON, CONTROL_BUTTON, "&Help", {127, 41, 44, 15}},
};
constexpr DIALOG_TEMPLATE SAVE_TEMPLATE{
    SAVE_PLAYBOOK_DIALOG, "Save Playbook", 204, 60, 0, 0, 0, SAVE_CONTROLS, "saveplaybook"};
constexpr int SAVE_USED_IDS[] = {PLAYBOOK_FILES_GROUP, PLAYBOOK_NAME_EDIT, PLAYBOOK_SAVE_BUTTON,
                                 PLAYBOOK_CANCEL_BUTTON, PLAYBOOK_HELP_BUTTON};
const DIALOG_REGISTRAR SAVE_REGISTRAR(SAVE_PLAYBOOK_DIALOG, SAVE_TEMPLATE, Save_Playbook_Dialog_Proc, SAVE_USED_IDS);

}  // namespace

PLAYBOOK_ANALYSIS Analyze_Scratch_Playbook(int nSide)
{
    PLAYBOOK_ANALYSIS Analysis;
    const bool bOffense = nSide != PLAYBOOK_DEFENSE;
    const int nPlays = bOffense ? TEAM_OFFENSIVE_PLAYS : DEFENSIVE_PLAY_COUNT;
    const char* pNotes = bOffense ? Get_Offensive_Scratch_Area()->szNotes : Get_Defensive_Scratch_Area()->szNotes;
    Analysis.Notes.assign(pNotes, strnlen(pNotes, PLAYBOOK_NOTES_SIZE));

    int nCounts[FORMATION_IDS];
    Count_Scratch_Playbook_Formations(bOffense ? PLAYBOOK_OFFENSE : PLAYBOOK_DEFENSE, nCounts);
    const int* pColumns = bOffense ? OFFENSE_COLUMNS : DEFENSE_COLUMNS;
    int nTotals[PLAYBOOK_POSITION_COLUMNS] = {};
    for (int c = 0; c < PLAYBOOK_POSITION_COLUMNS; ++c) {
        if (pColumns[c] >= 0 && pColumns[c] <= LAST_POSITION_CODE)
            Analysis.Positions[c] = std::string(Get_Resource_String(FIRST_POSITION_STRING + pColumns[c])) + "\n";
    }
    Analysis.Plays = "PLAYS\n";
    Analysis.Formations = "MOST USED FORMATIONS\n";
    for (int nRow = 0; nRow < PLAYBOOK_ANALYSIS_ROWS; ++nRow) {
        // The most used formation left; the lowest code wins a tie.
        int nBest = -1;
        for (int f = 0; f < FORMATION_IDS; ++f) {
            if (nCounts[f] > 0 && (nBest < 0 || nCounts[f] > nCounts[nBest]))
                nBest = f;
        }
        if (nBest < 0)
            break;
        Analysis.Plays += Formatted("%d\n", nCounts[nBest]);
        char szName[FORMATION_NAME_SIZE];
        Get_Formation_Name(szName, nBest);
        Analysis.Formations += std::string(szName) + "\n";
        for (int c = 0; c < PLAYBOOK_POSITION_COLUMNS; ++c) {
            if (pColumns[c] < 0 || pColumns[c] > LAST_POSITION_CODE)
                continue;
            int nSlots = 0;
            for (int nPlace = 0; nPlace < FORMATION_PLACES; ++nPlace)
                nSlots += Get_Formation_Slot_Position(nBest, nPlace, SLOT_POSITION) == pColumns[c];
            Analysis.Positions[c] += Formatted("%d\n", nSlots);
            nTotals[c] += nCounts[nBest] * nSlots;
        }
        nCounts[nBest] = 0;
    }
    Analysis.Formations += "\nAVERAGE";
    for (int c = 0; c < PLAYBOOK_POSITION_COLUMNS; ++c) {
        if (pColumns[c] < 0 || pColumns[c] > LAST_POSITION_CODE)
            continue;
        // Tenths of a player per play, halves up.
        const int nTenths = (20 * nTotals[c] + nPlays) / (2 * nPlays);
        char szAverage[32];
        std::snprintf(szAverage, sizeof(szAverage), "\n%d.%d", nTenths / 10, nTenths % 10);
        Analysis.Positions[c] += szAverage;
    }
    return Analysis;
}

void Load_Playbook_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        const bool bOffense = Current_Side() == PLAYBOOK_OFFENSE;
        Dialog.Set_Title(bOffense ? "Load Offensive Playbook" : "Load Defensive Playbook");
        Dialog.Set_Text(PLAYBOOK_FILES_GROUP, bOffense ? "Saved Offensive Playbooks" : "Saved Defensive Playbooks");
        if (Fill_Playbook_List(Dialog))
            Show_Analysis(Dialog);
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    if (nControl == PLAYBOOK_FILE_LIST) {
        if (Dialog.Event().nNotification == NOTIFY_DOUBLE_CLICK)
            Load_Selected(Dialog);
        else if (Dialog.Event().nNotification == NOTIFY_SELECTION_CHANGED)
            Show_Analysis(Dialog);
        return;
    }
    if (Dialog.Event().nNotification != NOTIFY_CLICKED)
        return;
    switch (nControl) {
    case PLAYBOOK_LOAD_BUTTON:
        Load_Selected(Dialog);
        break;
    case PLAYBOOK_DELETE_BUTTON:
        Delete_Selected(Dialog);
        break;
    case PLAYBOOK_CANCEL_BUTTON:
        Dialog.End(DIALOG_CANCEL);
        break;
    case PLAYBOOK_HELP_BUTTON:
        Open_Help_Page(LOAD_PLAYBOOK_DIALOG);
        break;
    default:
        break;
    }
}

void Save_Playbook_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        const int nSide = Current_Side();
        Dialog.Set_Title(nSide == PLAYBOOK_OFFENSE ? "Save Offensive Playbook" : "Save Defensive Playbook");
        Dialog.Set_Text(PLAYBOOK_FILES_GROUP, nSide == PLAYBOOK_OFFENSE ? "Save Current Offensive Playbook As:"
                                                                        : "Save Current Defensive Playbook As:");
        Fix_Current_Team_Selection();
        char szName[PLAYBOOK_FILE_NAME_LIMIT + 1];
        Get_Default_Playbook_Save_Name(Get_User_Preference(PREF_CURRENT_TEAM), nSide, szName, sizeof(szName));
        Dialog.Set_Text(PLAYBOOK_NAME_EDIT, szName);
        return;
    }
    if (nEvent != DIALOG_COMMAND || Dialog.Event().nNotification != NOTIFY_CLICKED)
        return;
    switch (nControl) {
    case PLAYBOOK_SAVE_BUTTON:
        Save_Named(Dialog);
        break;
    case PLAYBOOK_CANCEL_BUTTON:
        Dialog.End(0);
        break;
    case PLAYBOOK_HELP_BUTTON:
        Open_Help_Page(SAVE_PLAYBOOK_DIALOG);
        break;
    default:
        break;
    }
}

int Run_Load_Playbook_Dialog(int nSide)
{
    const bool bDefense = nSide == PLAYBOOK_DEFENSE;
    Set_User_Preference(PREF_PLAYBOOK_EDITOR_FIRST, bDefense ? PLAYBOOK_DEFENSE : PLAYBOOK_OFFENSE);
    return Do_Dialog(LOAD_PLAYBOOK_DIALOG, bDefense ? "Load Defensive Playbook" : "Load Offensive Playbook",
                     Load_Playbook_Dialog_Proc);
}

int Run_Save_Playbook_Dialog(int nSide)
{
    const bool bDefense = nSide == PLAYBOOK_DEFENSE;
    Set_User_Preference(PREF_PLAYBOOK_EDITOR_FIRST, bDefense ? PLAYBOOK_DEFENSE : PLAYBOOK_OFFENSE);
    return Do_Dialog(SAVE_PLAYBOOK_DIALOG, bDefense ? "Save Defensive Playbook" : "Save Offensive Playbook",
                     Save_Playbook_Dialog_Proc);
}

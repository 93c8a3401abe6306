// The Load Playbook and Save Playbook dialogs: the viewed team's (preference
// 28) offensive or defensive playbook (preference 170: 0 offence, 1 defence)
// loaded from or saved to a file of the "playbooks" folder, with the list's
// files deleted on request and a small analysis of the selected file.
#pragma once

#include <string>

#include "platform/dialogs.h"

constexpr int SAVE_PLAYBOOK_DIALOG = 195;
constexpr int LOAD_PLAYBOOK_DIALOG = 196;

// Controls of both dialogs.
constexpr int PLAYBOOK_LOAD_BUTTON = 1;     // Load: "&Load"; Save: "&Save"
constexpr int PLAYBOOK_SAVE_BUTTON = 1;
constexpr int PLAYBOOK_CANCEL_BUTTON = 2;
constexpr int PLAYBOOK_DELETE_BUTTON = 3;
constexpr int PLAYBOOK_HELP_BUTTON = 9;
constexpr int PLAYBOOK_NAME_EDIT = 1082;
constexpr int PLAYBOOK_FILES_GROUP = 1438;  // "Saved Playbooks" / "Save Current Playbook As:"
constexpr int PLAYBOOK_ANALYZER_GROUP = 1439;
constexpr int PLAYBOOK_FILE_LIST = 1444;
constexpr int PLAYBOOK_NOTES_TEXT = 1465;
constexpr int PLAYBOOK_FORMATIONS_TEXT = 1466;
constexpr int PLAYBOOK_POSITION_TEXT_FIRST = 1471;   // five position columns, 1471-1475
constexpr int PLAYBOOK_POSITION_COLUMNS = 5;
constexpr int PLAYBOOK_PLAYS_TEXT = 1476;

// The most the Save dialog's edit takes.
constexpr int PLAYBOOK_SAVE_EDIT_LIMIT = 2047;
// The analysis lists at most this many formations.
constexpr int PLAYBOOK_ANALYSIS_ROWS = 12;

// What the analysis shows of a playbook: its notes, the most used
// formations with their play counts, and per position column the players of
// that position each formation puts on the field, with the average over
// every play of the book.
struct PLAYBOOK_ANALYSIS {
    std::string Notes;
    std::string Formations;
    std::string Plays;
    std::string Positions[PLAYBOOK_POSITION_COLUMNS];
};

// The analysis of the side's scratch area (a file loaded for team -1).
PLAYBOOK_ANALYSIS Analyze_Scratch_Playbook(int nSide);

// Dialog 196 and dialog 195 (the side is preference 170).
void Load_Playbook_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);
void Save_Playbook_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);

// Sets preference 170 to the side and runs the dialog; its result (Load: 1
// loaded, 2 cancelled; Save: 1 ended to write, 0 cancelled).
int Run_Load_Playbook_Dialog(int nSide);
int Run_Save_Playbook_Dialog(int nSide);

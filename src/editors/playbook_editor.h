// The Playbook Editor (dialog 185): the viewed club's offensive and
// defensive playbooks play by play, with the play's diagram beside them.
// Folder and play names, descriptions and the side's notes; for an
// offensive play its formation, type, ball carrier or primary receiver,
// rushing and play-action holes and the five receivers' routes; for a
// defensive play its formation and the eleven defenders' responsibilities.
// Every change is made consistent at once (Normalize_Edited_Play).
//
// The side, folder and play live in preferences 170-172, so the Load and
// Save Playbook dialogs work on the side shown; the highlighted slot and
// the result-data advice last for the process.
#pragma once

#include <string>

#include "engine/playbook_records.h"
#include "engine/playbook_rules.h"
#include "platform/dialogs.h"

constexpr int PLAYBOOK_EDITOR_DIALOG = 185;

constexpr int PREF_PLAYBOOK_SIDE = 170;     // 0 offence, 1 defence
constexpr int PREF_PLAYBOOK_FOLDER = 171;   // 0-5 offence, 0-2 defence
constexpr int PREF_PLAYBOOK_PLAY = 172;     // 0-9 within the folder (0-3 in offensive folder 5)

// Controls.
constexpr int PBE_TEAM_COMBO = 1132;
constexpr int PBE_FOLDER_COMBO = 1426;
constexpr int PBE_FOLDER_EDIT = 1443;
constexpr int PBE_PLAY_COMBO = 1391;
constexpr int PBE_PLAY_NAME_EDIT = 1441;
constexpr int PBE_DESCRIPTION_EDIT = 1442;
constexpr int PBE_NOTES_EDIT = 1444;
constexpr int PBE_FORMATION_COMBO = 1403;
constexpr int PBE_PLAY_TYPE_COMBO = 1404;
constexpr int PBE_CARRIER_COMBO = 1402;      // defence: slot 0
constexpr int PBE_RUSH_HOLE_COMBO = 1392;    // defence: slot 1
constexpr int PBE_ACTION_HOLE_COMBO = 1393;  // defence: slot 2
constexpr int PBE_ROUTE_COMBO_FIRST = 1394;  // receivers 1-5; defence slots 3-7
constexpr int PBE_SLOT_COMBO_LAST = 1401;    // defence slots 8-10 (1399-1401)
constexpr int PBE_LABEL_OFFSET = 1000;       // a slot combo's label: its id + 1000
constexpr int PBE_RESULT_FIRST = 1239;       // result boxes 1239-1244
constexpr int PBE_DIAGRAM = 1428;
constexpr int PBE_VIEW_BUTTON = 1027;
constexpr int PBE_LOAD_BUTTON = 1429;
constexpr int PBE_SAVE_BUTTON = 11;
constexpr int PBE_CLEAR_BUTTON = 1028;
constexpr int PBE_DONE_BUTTON = 1285;
constexpr int PBE_HELP_BUTTON = 9;
constexpr int PBE_NOTES_LABEL = 1445;
// The number buttons 1277-1284 and 1286-1291 (index 0-13).
constexpr int PBE_NUMBER_BUTTONS = 14;
int Get_Number_Button_Id(int nIndex);

// The editor's state.
int Get_Playbook_Editor_Team();   // the viewed club (preference 28), made valid
int Get_Playbook_Editor_Side();   // preference 170, 0 or 1
int Get_Playbook_Editor_Folder(); // preference 171 within the side's folders
int Get_Playbook_Editor_Play();   // folder x 10 + play
int Get_Highlighted_Play_Slot();  // -1 none
// Forgets that the result-data advice was shown (tests; a new process).
void Reset_Playbook_Editor_Advice();

// Views opened by "View Offense" / "View Defense" (dialogs 119 and 128):
// the front office installs them; without one the button does nothing.
void Set_Playbook_View_Hooks(void (*pOffense)(int nTeam), void (*pDefense)(int nTeam));

// ---------------------------------------------------------------------------
// Rules

// Makes a play consistent after a change (direction: new value - old), by
// the rules of engine/playbook_rules.h.
void Normalize_Edited_Play(int nTeam, int nSide, int nPlay, int nDirection);
bool Play_Has_Result_Data(int nTeam, int nSide, int nPlay);
// How many of the formation's 11 slots hold the position.
int Count_Formation_Position_Slots(int nFormation, int nPosition);
// "%s (%s)", "%s (%s%d)" or, for tackles and guards, "%s (LT)" ... "%s (RG)".
std::string Format_Formation_Slot_Label(int nTeam, int nFormation, int nSlot);
// One of five grade words for defensive play nPlay of the team against the
// built-in offensive plays of a kind (0 inside rushes .. 5 long passes).
const char* Describe_Defensive_Tendencies(int nTeam, int nPlay, int nKind);
// The initialiser line of a play, names and descriptions escaped.
std::string Format_Play_Initializer_Line(int nSide, int nTeam, int nPlay);

// Texts.
const char* Get_Rushing_Hole_Name(int nHole);        // "0 (C/RG)" ...
const char* Get_Offense_Situation_Name(int nSituation);
const char* Get_Defense_Kind_Name(int nKind);
std::string Get_Playbook_Folder_Name(int nTeam, int nFolder);   // 0-5 offence, 6-8 defence 0-2
void Set_Playbook_Folder_Name(int nTeam, int nFolder, const std::string& Name);
std::string Get_Offensive_Folder_Name(int nTeam, int nFolder);  // 0-5
std::string Get_Defensive_Folder_Name(int nTeam, int nFolder);  // 0-2

// ---------------------------------------------------------------------------
// The dialog

void Refresh_Playbook_Editor(DIALOG& Dialog);
void Apply_Playbook_Combo_Change(DIALOG& Dialog, int nTeam, int nControl);
void Store_Playbook_Editor_Texts(DIALOG& Dialog);
void Show_Play_Result_Statistics(DIALOG& Dialog);
int Get_Playbook_Editor_Control_Index(int nControl);
int Get_Highlighted_Slot_For_Control(int nControl);
int Get_Number_Button_Slot(int nButton);
// Opens the card of the player in the button's slot of the play's formation
// (roster slot 255 when the slot is empty).
void Open_Slot_Player_Card(DIALOG& Dialog, int nTeam, int nButton);
void Playbook_Editor_Dialog(DIALOG& Dialog, int nEvent, int nControl);

// ---------------------------------------------------------------------------
// Shared by the editor's two files

void Set_Playbook_Highlight(int nSlot);
// Play 0-53 (offence) or 0-29 (defence) of the team's area; null otherwise.
OFFENSIVE_PLAY* Get_Editable_Offensive_Play(int nTeam, int nPlay);
DEFENSIVE_PLAY* Get_Editable_Defensive_Play(int nTeam, int nPlay);
void (*Get_Playbook_View_Hook(int nSide))(int);
std::string Get_Playbook_Notes(int nTeam, int nSide);
void Set_Playbook_Notes(int nTeam, int nSide, const std::string& Notes);
// The roster slot of the player the formation's slot holds; -1 none.
int Get_Playbook_Slot_Player(int nTeam, int nFormation, int nSlot);
void Fill_Playbook_Folder_And_Play(DIALOG& Dialog, int nTeam, int nSide, int nFolder, int nPlay);
void Refresh_Playbook_Defense(DIALOG& Dialog, int nTeam, int nPlay, int nFormation);
void Refresh_Playbook_Offense(DIALOG& Dialog, int nTeam, int nPlay, int nFormation);
void Place_Playbook_Number_Buttons(DIALOG& Dialog, int nSide);

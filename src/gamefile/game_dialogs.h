// The user's side of games: the New Game dialog (105), the Resume Game (118)
// and Save Game (120) dialogs, the Save Game command and the question whether
// to save changes before the league in memory is replaced or the program ends.
//
// Saved games are "<name>.zrt" files of the current folder. A name typed in
// the Save dialog is only ever a file name there: one with a path separator
// or "..", an empty one, or one too long for the league's game-name field is
// refused with a message, so nothing is ever written outside that folder.
#pragma once

#include <cstddef>
#include <string>

#include "platform/dialogs.h"

constexpr int NEW_GAME_DIALOG = 105;
constexpr int RESUME_GAME_DIALOG = 118;
constexpr int SAVE_GAME_DIALOG = 120;

// Controls of the New Game dialog.
constexpr int NEW_GAME_SEASON = 1089;
constexpr int NEW_GAME_TEAM = 1010;
constexpr int NEW_GAME_NAME = 1013;
constexpr int NEW_GAME_TITLE = 1008;
constexpr int NEW_GAME_FRANCHISE_VALUE = 1016;
constexpr int NEW_GAME_STADIUM = 1017;
constexpr int NEW_GAME_FAN_BASE = 1018;
constexpr int NEW_GAME_FAN_LOYALTY = 1019;
constexpr int NEW_GAME_FAN_INCOME = 1023;
constexpr int NEW_GAME_PAYROLL = 1093;
constexpr int NEW_GAME_SEASON_INFO = 1450;
constexpr int NEW_GAME_NOTABLE_FIRST = 1020;    // 1020, 1021, 1022, 1024, 1025
constexpr int NEW_GAME_SHUFFLE = 1317;
constexpr int NEW_GAME_EQUALIZE = 1318;
constexpr int NEW_GAME_FANTASY_DRAFT = 1321;
constexpr int NEW_GAME_FICTIONAL = 1456;
constexpr int NEW_GAME_REPLAY = 1322;
constexpr int NEW_GAME_PLAY = 1391;
constexpr int DIALOG_HELP = 9;
constexpr int NEW_GAME_NOTABLE_LABELS[5] = {1020, 1021, 1022, 1024, 1025};
// "Your Name:" becomes the owner string of the chosen team (32 bytes).
constexpr int OWNER_NAME_LIMIT = 31;
// Seasons the dialog can offer; only those whose league database exists are.
constexpr int FIRST_NEW_GAME_YEAR = 1951;
constexpr int LAST_NEW_GAME_YEAR = 2023;

// Controls of the saved-game dialogs.
constexpr int SAVED_GAME_LIST = 1077;
constexpr int SAVE_GAME_NAME = 1082;
constexpr int RESUME_BUTTON = 1;
constexpr int DELETE_BUTTON = 3;
constexpr int SAVE_BUTTON = 1;

// Procedures run through Do_Dialog.
void Start_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);
void Resume_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);
void Save_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);

// Menu Save Game: 0 when refused (games are being played), else the
// dialog's result (1 only when the game was saved).
int Save_Game_Command();
// 1 when the caller may go on (nothing changed, saved, or not to be saved),
// 0 when the user cancelled or the save failed.
int Ask_Save_Changes();
// Saves under the current game name without asking; 0 on success, else the
// SAVE_GAME_* result (1 also for a game name that is no plain file name).
int Save_Game_File();
// How many saves asked for in a Save dialog failed (a box told the user
// why) since the program started, and the text of the last such box: a
// script whose save did not save fails on that line. The playbook saves of
// the editors count here too (platform/save_failures.h).
int Count_Failed_Game_Saves();
// Resumes of the Resume dialog whose file did not load (the league in memory
// stays the one from before), and what the last one was.
int Count_Failed_Game_Resumes();
std::string Last_Resume_Failure_Text();
// Counts a league chosen in a dialog that did not load (New Game's season)
// as such a resume, with its text.
void Note_Failed_Game_Load(const std::string& Text);
std::string Last_Save_Failure_Text();
// The refusal shown while games are being played; the run then ends with
// the day being played.
void Report_Busy_Until_Day_Done(const char* szTitle, const char* szText);

// --- Parts of the dialogs other code and the tests use --------------------

// The franchise figures of a team in the New Game dialog's labels.
void Show_Franchise_Statistics(DIALOG& Dialog, int nTeam);
// Up to five notable players of a team in the labels 1020-1025.
void Fill_Notable_Players(DIALOG& Dialog, int nTeam);
// Fills list 1077 with the saved games of the current folder (names without
// ".zrt"), the newest one other than "[Auto Save]" selected. With none, the
// "No games to resume" box is shown, the dialog ends with Cancel, and false.
bool Fill_Saved_Game_List(DIALOG& Dialog);
// Why a name typed for a saved game cannot be used; "" when it can.
std::string Check_Saved_Game_Name(const std::string& Name);

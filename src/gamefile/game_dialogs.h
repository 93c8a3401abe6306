// The user's side of games: the New Game dialog (105), the Resume Game (118)
// and Save Game (120) dialogs, the Save Game command and the question whether
// to save changes before the league in memory is replaced or the program ends.
#pragma once

#include "platform/dialogs.h"

constexpr int NEW_GAME_DIALOG = 105;
constexpr int RESUME_GAME_DIALOG = 118;
constexpr int SAVE_GAME_DIALOG = 120;

// Procedures run through Do_Dialog.
void Start_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);
void Resume_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);
void Save_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);

// Menu Save Game: 0 when refused (games are being played), else the
// dialog's result.
int Save_Game_Command();
// 1 when the caller may go on (nothing changed, saved, or not to be saved),
// 0 when the user cancelled.
int Ask_Save_Changes();
// Saves under the current game name without asking; 0 on success.
int Save_Game_File();
// The refusal shown while games are being played.
void Report_Busy_Until_Day_Done(const char* szTitle, const char* szText);

// The welcome dialog shown once the default league is loaded: start a new
// game, resume a saved game, or quit.
#pragma once

#include "platform/dialogs.h"

constexpr int WELCOME_DIALOG = 100;
constexpr int WELCOME_NEW_GAME = 1001;
constexpr int WELCOME_RESUME_GAME = 1002;
constexpr int WELCOME_QUIT = 1003;
constexpr int WELCOME_TEXT = 1004;

// Procedure of the welcome dialog: it closes with the id of the button
// pressed. Quit is its default button (and the close box's choice), so that
// a run nobody answers ends without touching the league.
void Welcome_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);
// Runs the welcome dialog and carries out the choice: New Game and Resume
// Game run their commands (their own dialogs may still be cancelled, which
// leaves the default league in the main window); Quit asks Exit. Returns
// the button chosen.
int Show_Welcome_Dialog();

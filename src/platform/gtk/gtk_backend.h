// The desktop backend of the ui model (GTK 3). This header needs no GTK
// header: the program's start-up and the GUI tests call it.
//
// Start opens the display and installs the backend table of
// platform/ui_backend.h; from then on message boxes, dialogs, the progress
// window, the menus, timers, the clipboard and the main window are real
// windows, while the model keeps every state.
#pragma once

namespace gtk_backend {

// Opens the display (gtk_init_check), loads the dialogs' style (6 x 13
// pixels per base unit) and installs the backend. False when no display
// answers: nothing is installed and the run stays headless. A display
// connection lost later ends the program with exit status 1 and a line in
// "debug.txt".
bool Start(int* pArgc, char*** pArgv);
bool Started();
// Puts the headless backend back and closes the backend's windows (tests).
void Stop();

}  // namespace gtk_backend

// The Stadium Editor (dialog 146): shows the viewed club's stadium and, in
// Commissioner Mode, edits it. Outside Commissioner Mode it is a viewer and
// writes nothing when it closes; it has no Cancel: Escape and the close box
// close it as "&OK" does. The stadium's picture name (team string 4) stays
// as stored, since no stadium pictures ship.
#pragma once

#include <string>

#include "platform/dialogs.h"

constexpr int STADIUM_EDITOR_DIALOG = 146;

constexpr int STADIUM_NAME_EDIT = 1021;
constexpr int STADIUM_STRUCTURE_COMBO = 1250;
constexpr int STADIUM_SURFACE_COMBO = 1247;
constexpr int STADIUM_CAPACITY_EDIT = 1248;
constexpr int STADIUM_CONVENIENCE_COMBO = 1309;
constexpr int STADIUM_COMFORT_COMBO = 1310;
constexpr int STADIUM_SIGHT_LINES_COMBO = 1311;

constexpr int STADIUM_CAPACITY_MAX = 200000;

// The word index (0 "Poor" - 4 "Excellent") of a stored seating quality:
// clamp((value + 50) / 100 - 8, 0, 4), the division whole.
int Get_Stadium_Quality_Index(int nValue);
// "Poor", "Fair", "Average", "Good", "Excellent"; "" outside 0-4.
const char* Get_Stadium_Quality_Word(int nIndex);

void Fill_Stadium_Combos(DIALOG& Dialog);
void Load_Stadium_Fields(DIALOG& Dialog);
// Stores the fields into the viewed club (nothing for no club): the name
// cut to 31 characters, structure, surface, the capacity read with a
// bounded parse (outside 0-200,000 corrected with a message; not a number
// is 0) and the qualities as (index + 8) x 100.
void Save_Stadium_Fields(DIALOG& Dialog);

void Stadium_Editor_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);

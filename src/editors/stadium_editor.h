// The Stadium Editor (dialog 146): shows the viewed club's stadium and, in
// Commissioner Mode, edits it. Outside Commissioner Mode it is a viewer and
// writes nothing when it closes; it has no Cancel: Escape and the close box
// close it as "&OK" does. The picture list offers the skin's stadium
// pictures ("dialogs\\stadiums\\*.jpg"); the chosen one's name is the
// club's picture name (team string 4), shown beside the list.
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
constexpr int STADIUM_PICTURE_LIST = 1296;
constexpr int STADIUM_PICTURE_AREA = 1501;   // the chosen picture

// The pictures' folder under a skin's folder, and the files listed.
constexpr const char* STADIUM_PICTURE_FOLDER = "dialogs\\stadiums";
constexpr const char* STADIUM_PICTURE_PATTERN = "*.jpg";
constexpr const char* NO_ART_FILES_CAPTION = "No art files";
constexpr const char* NO_ART_FILES_TEXT =
    "There are no art files in the Stadium directory. Stadium pictures will not be displayed.";

constexpr int STADIUM_CAPACITY_MAX = 200000;

// The word index (0 "Poor" - 4 "Excellent") of a stored seating quality:
// clamp((value + 50) / 100 - 8, 0, 4), the division whole.
int Get_Stadium_Quality_Index(int nValue);
// "Poor", "Fair", "Average", "Good", "Excellent"; "" outside 0-4.
const char* Get_Stadium_Quality_Word(int nIndex);

void Fill_Stadium_Combos(DIALOG& Dialog);
// Lists the "*.jpg" files of the skin's stadium folder (the default skin's
// when the skin has none) without their extensions. None: the list is left
// empty and disabled and the "No art files" message is shown.
void Fill_Stadium_Picture_List(DIALOG& Dialog);
// The file of the picture chosen in the list; "" for none.
std::string Get_Stadium_Picture_Path(const DIALOG& Dialog);
// Asks for the picture beside the list to be painted again.
void Invalidate_Stadium_Picture(DIALOG& Dialog);
void Load_Stadium_Fields(DIALOG& Dialog);
// Stores the fields into the viewed club (nothing for no club): the name
// cut to 31 characters, structure, surface, the capacity read with a
// bounded parse (outside 0-200,000 corrected with a message; not a number
// is 0), the qualities as (index + 8) x 100 and the chosen picture's name
// (kept as stored when none is chosen).
void Save_Stadium_Fields(DIALOG& Dialog);

void Stadium_Editor_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);

// The City Editor (dialog 160) and Rename City (161): the league's cities,
// shown and, in Commissioner Mode, edited, added, erased, renamed, imported
// from and exported to "Cities.txt". Outside Commissioner Mode the editor
// is a viewer and writes nothing when it closes; it has no Cancel: Escape
// and the close box close it as "&Done" does. The photo list offers the
// pictures of the "Cities" folder; with none there, a city's photo name stays
// as stored.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialogs.h"

constexpr int CITY_EDITOR_DIALOG = 160;
constexpr int RENAME_CITY_DIALOG = 161;

constexpr int CITY_LIST_COMBO = 1288;
constexpr int CITY_POPULATION_EDIT = 1289;
constexpr int CITY_REGION_POPULATION_EDIT = 1290;
constexpr int CITY_GROWTH_EDIT = 1291;
constexpr int CITY_INCOME_EDIT = 1292;
constexpr int CITY_ALTITUDE_EDIT = 1293;
constexpr int CITY_LONGITUDE_EDIT = 1294;
constexpr int CITY_LATITUDE_EDIT = 1295;
constexpr int CITY_TIME_ZONE_EDIT = 1252;
constexpr int CITY_EDIT_NAME_BUTTON = 4;
constexpr int CITY_ERASE_BUTTON = 1319;
constexpr int CITY_ADD_BUTTON = 3;
constexpr int CITY_IMPORT_BUTTON = 1380;
constexpr int CITY_EXPORT_BUTTON = 1381;
constexpr int CITY_NAME_EDIT = 1286;
constexpr int CITY_PHOTO_LIST = 1296;
constexpr int CITY_PHOTO_AREA = 1502;   // the chosen picture

// The city pictures' folder and the files listed.
constexpr const char* CITY_PHOTO_FOLDER = "Cities";
constexpr const char* CITY_PHOTO_PATTERN = "*.jpg";
constexpr const char* CITY_NO_ART_FILES_CAPTION = "No art files";
constexpr const char* CITY_NO_ART_FILES_TEXT =
    "There are no art files in the 'Cities' directory. City pictures will not be displayed.";

constexpr int MAX_CITIES = 100;

// Thousandths of a degree as text with three decimals: -73985 "-73.985".
std::string Format_Thousandths(int nValue);
// Typed degrees to thousandths, rounded to the nearest (a half away from
// zero) from the decimal digits themselves, so every three-decimal value
// reads back as typed. Blanks, a sign, digits, a point, digits; what follows
// is ignored; no digits reads 0. Held to +-nLimit thousandths.
int64_t Read_Thousandths(const std::string& Text, int64_t nLimit);

void Fill_City_List(DIALOG& Dialog);
// Lists the "*.jpg" files of the "Cities" folder without their extensions.
// None: the list is left empty and disabled and the "No art files" message
// is shown.
void Fill_City_Photo_List(DIALOG& Dialog);
// The chosen city's photo name from the list: the selected entry; empty when
// entries are listed but none is selected; unchanged when none is listed.
void Save_City_Photo(DIALOG& Dialog);
// The file of the picture chosen in the list; "" for none.
std::string Get_City_Photo_Path(const DIALOG& Dialog);
// Asks for the picture beside the list to be painted again.
void Invalidate_City_Photo(DIALOG& Dialog);
void Load_City_Fields(DIALOG& Dialog);
// Stores the eight figures into the chosen city (nothing when there is none),
// each range-checked before it is narrowed, a correction told in a box.
void Save_City_Fields(DIALOG& Dialog);
void Load_City_Name(DIALOG& Dialog);
// 1 stored; 0 refused (an empty or blank name, with its box).
int Save_City_Name(DIALOG& Dialog);

void City_Editor_Dialog(DIALOG& Dialog, int nEvent, int nControl);
void Rename_City_Dialog(DIALOG& Dialog, int nEvent, int nControl);

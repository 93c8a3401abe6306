#include "editors/city_editor.h"

#include <strings.h>

#include <cstdio>
#include <string>

#include "editors/stat_pickers.h"
#include "league/cities.h"
#include "league/preferences.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

// A figure of the editor: its edit, stat, label and the range it is held to.
struct CITY_FIELD {
    int nId;
    int nStat;
    const char* szLabel;
    int64_t nLow;
    int64_t nHigh;
    bool bDegrees;   // thousandths of a degree shown with three decimals
};

const CITY_FIELD CITY_FIELDS[] = {
    {CITY_POPULATION_EDIT, CITY_STAT_POPULATION, "City Population", 0, 1000000000, false},
    {CITY_REGION_POPULATION_EDIT, CITY_STAT_REGION_POPULATION, "Region Population", 0, 1000000000, false},
    {CITY_GROWTH_EDIT, CITY_STAT_GROWTH, "New Population / Year", -100000000, 100000000, false},
    {CITY_INCOME_EDIT, CITY_STAT_INCOME, "Per Capita Income", 0, 100000000, false},
    {CITY_ALTITUDE_EDIT, CITY_STAT_ALTITUDE, "Altitude", -2000, 30000, false},
    {CITY_LONGITUDE_EDIT, CITY_STAT_LONGITUDE, "Longitude", -180000, 180000, true},
    {CITY_LATITUDE_EDIT, CITY_STAT_LATITUDE, "Latitude", -90000, 90000, true},
    {CITY_TIME_ZONE_EDIT, CITY_STAT_TIME_ZONE, "Time Zone", -12, 14, false},
};

constexpr CONTROL_TEMPLATE CITY_CONTROLS[] = {
    {-1, CONTROL_LABEL, "City:", {8, 8, 30, 10}},
    {CITY_LIST_COMBO, CONTROL_COMBO, "", {40, 6, 130, 14}},
    {CITY_EDIT_NAME_BUTTON, CONTROL_BUTTON, "Edit &Name", {178, 6, 56, 14}},
    {-1, CONTROL_LABEL, "City Population", {8, 28, 90, 10}},
    {CITY_POPULATION_EDIT, CONTROL_EDIT, "", {100, 26, 70, 13}, 0, 15},
    {-1, CONTROL_LABEL, "Region Population", {8, 44, 90, 10}},
    {CITY_REGION_POPULATION_EDIT, CONTROL_EDIT, "", {100, 42, 70, 13}, 0, 15},
    {-1, CONTROL_LABEL, "New Population / Year", {8, 60, 90, 10}},
    {CITY_GROWTH_EDIT, CONTROL_EDIT, "", {100, 58, 70, 13}, 0, 15},
    {-1, CONTROL_LABEL, "Per Capita Income", {8, 76, 90, 10}},
    {CITY_INCOME_EDIT, CONTROL_EDIT, "", {100, 74, 70, 13}, 0, 15},
    {-1, CONTROL_LABEL, "Altitude", {8, 92, 90, 10}},
    {CITY_ALTITUDE_EDIT, CONTROL_EDIT, "", {100, 90, 70, 13}, 0, 15},
    {-1, CONTROL_LABEL, "Longitude", {8, 108, 90, 10}},
    {CITY_LONGITUDE_EDIT, CONTROL_EDIT, "", {100, 106, 70, 13}, 0, 15},
    {-1, CONTROL_LABEL, "Latitude", {8, 124, 90, 10}},
    {CITY_LATITUDE_EDIT, CONTROL_EDIT, "", {100, 122, 70, 13}, 0, 15},
    {-1, CONTROL_LABEL, "Time Zone", {8, 140, 90, 10}},
    {CITY_TIME_ZONE_EDIT, CONTROL_EDIT, "", {100, 138, 70, 13}, 0, 15},
    {CITY_ADD_BUTTON, CONTROL_BUTTON, "&Add City", {178, 26, 56, 14}},
    {CITY_ERASE_BUTTON, CONTROL_BUTTON, "&Erase City", {178, 44, 56, 14}},
    {CITY_IMPORT_BUTTON, CONTROL_BUTTON, "Import...", {178, 74, 56, 14}},
    {CITY_EXPORT_BUTTON, CONTROL_BUTTON, "Export...", {178, 92, 56, 14}},
    {DIALOG_OK, CONTROL_BUTTON, "&Done", {178, 120, 56, 14}, CS_DEFAULT},
    {9, CONTROL_BUTTON, "&Help", {178, 138, 56, 14}},
    {-1, CONTROL_LABEL, "&Photo:", {244, 8, 30, 10}},
    {CITY_PHOTO_LIST, CONTROL_COMBO, "", {276, 6, 120, 14}},
    {CITY_PHOTO_AREA, CONTROL_PAINT, "", {244, 26, 152, 128}},
};
constexpr DIALOG_TEMPLATE CITY_TEMPLATE{
    CITY_EDITOR_DIALOG, "City Editor", 404, 160, 0, 0, 0, CITY_CONTROLS, "cityeditor"};
constexpr int CITY_USED_IDS[] = {CITY_LIST_COMBO,    CITY_POPULATION_EDIT, CITY_REGION_POPULATION_EDIT,
                                 CITY_GROWTH_EDIT,   CITY_INCOME_EDIT,     CITY_ALTITUDE_EDIT,
                                 CITY_LONGITUDE_EDIT, CITY_LATITUDE_EDIT,  CITY_TIME_ZONE_EDIT,
                                 CITY_EDIT_NAME_BUTTON, CITY_ERASE_BUTTON, CITY_ADD_BUTTON,
                                 CITY_IMPORT_BUTTON, CITY_EXPORT_BUTTON,   DIALOG_OK,
                                 9,                  CITY_PHOTO_LIST,      CITY_PHOTO_AREA};
const DIALOG_REGISTRAR CITY_REGISTRAR(CITY_EDITOR_DIALOG, CITY_TEMPLATE, City_Editor_Dialog, CITY_USED_IDS);

constexpr CONTROL_TEMPLATE RENAME_CONTROLS[] = {
    {-1, CONTROL_LABEL, "City Name:", {8, 8, 50, 10}},
    {CITY_NAME_EDIT, CONTROL_EDIT, "", {60, 6, 100, 13}, 0, CITY_NAME_SIZE - 1},
    {DIALOG_OK, CONTROL_BUTTON, "&Done", {54, 28, 50, 14}, CS_DEFAULT},
    {9, CONTROL_BUTTON, "&Help", {110, 28, 50, 14}},
};
constexpr DIALOG_TEMPLATE RENAME_TEMPLATE{
    RENAME_CITY_DIALOG, "Rename City", 168, 48, 0, 0, 0, RENAME_CONTROLS, "playing"};
constexpr int RENAME_USED_IDS[] = {CITY_NAME_EDIT, DIALOG_OK, 9};
const DIALOG_REGISTRAR RENAME_REGISTRAR(RENAME_CITY_DIALOG, RENAME_TEMPLATE, Rename_City_Dialog, RENAME_USED_IDS);

bool Commissioner_Mode()
{
    return Get_User_Preference(PREF_COMMISSIONER_MODE) != 0;
}

// The chosen city when it is one of the table's; -1 none.
int Chosen_City()
{
    const int nCity = Get_User_Preference(PREF_CURRENT_CITY);
    return nCity >= 0 && nCity < Count_Cities() ? nCity : -1;
}

}  // namespace

std::string Format_Thousandths(int nValue)
{
    const int64_t nWide = nValue;
    const int64_t nMagnitude = nWide < 0 ? -nWide : nWide;
    char szText[32];
    std::snprintf(szText, sizeof szText, "%s%lld.%03lld", nWide < 0 ? "-" : "",
                  static_cast<long long>(nMagnitude / 1000), static_cast<long long>(nMagnitude % 1000));
    return szText;
}

int64_t Read_Thousandths(const std::string& Text, int64_t nLimit)
{
    size_t i = 0;
    while (i < Text.size() && (Text[i] == ' ' || Text[i] == '\t'))
        ++i;
    bool bNegative = false;
    if (i < Text.size() && (Text[i] == '-' || Text[i] == '+')) {
        bNegative = Text[i] == '-';
        ++i;
    }
    // Whole degrees beyond any limit only keep the value pinned.
    constexpr int64_t CEILING = int64_t{1} << 40;
    int64_t nWhole = 0;
    for (; i < Text.size() && Text[i] >= '0' && Text[i] <= '9'; ++i)
        if (nWhole < CEILING)
            nWhole = nWhole * 10 + (Text[i] - '0');
    // Four decimals decide the rounding: a fourth digit of 5 or more is at
    // least half a thousandth, whatever follows it.
    int64_t nFraction = 0;
    if (i < Text.size() && Text[i] == '.') {
        ++i;
        int nDigits = 0;
        for (; i < Text.size() && Text[i] >= '0' && Text[i] <= '9'; ++i, ++nDigits)
            if (nDigits < 4)
                nFraction = nFraction * 10 + (Text[i] - '0');
        for (; nDigits < 4; ++nDigits)
            nFraction *= 10;
    }
    int64_t nValue = nWhole * 1000 + (nFraction + 5) / 10;
    if (bNegative)
        nValue = -nValue;
    return nValue < -nLimit ? -nLimit : nValue > nLimit ? nLimit : nValue;
}

void Fill_City_List(DIALOG& Dialog)
{
    const int nCount = Count_Cities();
    Dialog.Clear_Items(CITY_LIST_COMBO);
    for (int nCity = 0; nCity < nCount; ++nCity) {
        char szName[CITY_NAME_SIZE];
        Get_City_Name(nCity, szName, sizeof szName);
        Dialog.Add_Item(CITY_LIST_COMBO, szName, nCity);
    }
    Dialog.Set_Selected(CITY_LIST_COMBO, Chosen_City());
    const bool bCommissioner = Commissioner_Mode();
    Dialog.Enable(CITY_LIST_COMBO, nCount > 0);
    Dialog.Enable(CITY_EDIT_NAME_BUTTON, nCount > 0 && bCommissioner);
    Dialog.Enable(CITY_ERASE_BUTTON, nCount > 0 && bCommissioner);
    Dialog.Enable(CITY_ADD_BUTTON, bCommissioner);
    // The file's import and export belong to the commissioner alone.
    Dialog.Show(CITY_IMPORT_BUTTON, bCommissioner);
    Dialog.Show(CITY_EXPORT_BUTTON, bCommissioner);
}

void Invalidate_City_Photo(DIALOG& Dialog)
{
    if (Dialog.Find(CITY_PHOTO_AREA) != nullptr)
        Dialog.Invalidate(CITY_PHOTO_AREA);
}

void Fill_City_Photo_List(DIALOG& Dialog)
{
    Dialog.Clear_Items(CITY_PHOTO_LIST);
    for (const std::string& Name : files::List_Folder(CITY_PHOTO_FOLDER, CITY_PHOTO_PATTERN))
        Dialog.Add_Item(CITY_PHOTO_LIST, Name);
    Dialog.Strip_Item_Extensions(CITY_PHOTO_LIST);
    if (Dialog.Item_Count(CITY_PHOTO_LIST) == 0) {
        Dialog.Enable(CITY_PHOTO_LIST, false);
        Show_Formatted_Message(CITY_NO_ART_FILES_CAPTION, "%s", CITY_NO_ART_FILES_TEXT);
    }
}

void Save_City_Photo(DIALOG& Dialog)
{
    const int nCity = Chosen_City();
    if (nCity < 0 || Dialog.Item_Count(CITY_PHOTO_LIST) == 0)
        return;
    const int nPhoto = Dialog.Get_Selected(CITY_PHOTO_LIST);
    Set_City_Photo(nCity, nPhoto >= 0 ? Dialog.Item_Text(CITY_PHOTO_LIST, nPhoto).c_str() : "");
}

std::string Get_City_Photo_Path(const DIALOG& Dialog)
{
    const int nIndex = Dialog.Get_Selected(CITY_PHOTO_LIST);
    if (nIndex < 0)
        return std::string();
    return std::string(CITY_PHOTO_FOLDER) + "\\" + Dialog.Item_Text(CITY_PHOTO_LIST, nIndex) + ".jpg";
}

void Load_City_Fields(DIALOG& Dialog)
{
    const int nCity = Chosen_City();
    const bool bEdit = Commissioner_Mode() && nCity >= 0;
    for (const CITY_FIELD& Field : CITY_FIELDS) {
        if (nCity < 0)
            Dialog.Set_Text(Field.nId, "");
        else if (Field.bDegrees)
            Dialog.Set_Text(Field.nId, Format_Thousandths(Get_City_Stat(nCity, Field.nStat)));
        else
            Dialog.Set_Text(Field.nId, std::to_string(Get_City_Stat(nCity, Field.nStat)));
        Dialog.Enable(Field.nId, bEdit);
    }
    // The photo: the first entry named as the stored name, ignoring case.
    char szPhoto[CITY_PHOTO_SIZE] = "";
    if (nCity >= 0)
        Get_City_Photo(nCity, szPhoto, sizeof szPhoto);
    int nPhoto = -1;
    for (int i = 0; i < Dialog.Item_Count(CITY_PHOTO_LIST) && nPhoto < 0 && szPhoto[0] != '\0'; ++i)
        if (strcasecmp(Dialog.Item_Text(CITY_PHOTO_LIST, i).c_str(), szPhoto) == 0)
            nPhoto = i;
    Dialog.Set_Selected(CITY_PHOTO_LIST, nPhoto);
    // An empty list stays disabled.
    Dialog.Enable(CITY_PHOTO_LIST, bEdit && Dialog.Item_Count(CITY_PHOTO_LIST) > 0);
    Invalidate_City_Photo(Dialog);
}

void Save_City_Fields(DIALOG& Dialog)
{
    const int nCity = Chosen_City();
    if (nCity < 0)
        return;
    for (const CITY_FIELD& Field : CITY_FIELDS) {
        const std::string Text = Dialog.Get_Text(Field.nId);
        // Read wide so that no typed figure wraps before its range is checked.
        int64_t nValue = Field.bDegrees ? Read_Thousandths(Text, int64_t{1} << 50)
                                        : Read_Bounded_Number(Text, INT64_MIN / 2, INT64_MAX / 2);
        if (nValue < Field.nLow || nValue > Field.nHigh) {
            nValue = nValue < Field.nLow ? Field.nLow : Field.nHigh;
            const std::string Low = Field.bDegrees ? Format_Thousandths(static_cast<int>(Field.nLow))
                                                   : std::to_string(Field.nLow);
            const std::string High = Field.bDegrees ? Format_Thousandths(static_cast<int>(Field.nHigh))
                                                    : std::to_string(Field.nHigh);
            Show_Formatted_Message("City Editor", "%s must be between %s and %s. It was corrected.", Field.szLabel,
                                   Low.c_str(), High.c_str());
        }
        Set_City_Index_Stat(nCity, Field.nStat, static_cast<int>(nValue));
        Dialog.Set_Text(Field.nId, Field.bDegrees ? Format_Thousandths(static_cast<int>(nValue))
                                                  : std::to_string(nValue));
    }
    Save_City_Photo(Dialog);
}

void Load_City_Name(DIALOG& Dialog)
{
    char szName[CITY_NAME_SIZE] = "";
    const int nCity = Chosen_City();
    if (nCity >= 0)
        Get_City_Name(nCity, szName, sizeof szName);
    Dialog.Set_Text(CITY_NAME_EDIT, szName);
}

int Save_City_Name(DIALOG& Dialog)
{
    // The stored name ends at the first NUL, so the check reads what is stored.
    const std::string Name = std::string(Dialog.Get_Text(CITY_NAME_EDIT).c_str()).substr(0, CITY_NAME_SIZE - 1);
    // A name of blanks shows as none in every list: it is no name.
    if (Name.find_first_not_of(" \t") == std::string::npos) {
        Show_Message_Box("All cities must have a name. If you wish to erase a city, return to the City Editor and "
                         "hit the 'Erase City' button.",
                         "Can't Erase Name", BOX_OK | BOX_ICON_EXCLAMATION);
        return 0;
    }
    const int nCity = Chosen_City();
    if (nCity >= 0)
        Set_City_Name(nCity, Name.c_str());
    return 1;
}

void City_Editor_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Fill_City_List(Dialog);
        Fill_City_Photo_List(Dialog);
        Load_City_Fields(Dialog);
        return;
    }
    if (nEvent == DIALOG_PAINT && nControl == CITY_PHOTO_AREA) {
        CANVAS* pCanvas = Dialog.Event().pCanvas;
        const std::string Path = Get_City_Photo_Path(Dialog);
        if (pCanvas != nullptr && !Path.empty())
            Draw_Cached_Image_Centered(*pCanvas, Path.c_str(), CANVAS_RECT{0, 0, pCanvas->Width(), pCanvas->Height()});
        return;
    }
    if (nEvent == DIALOG_DESTROY) {
        // "&Done", Escape and the close box alike; a viewer writes nothing.
        if (Commissioner_Mode()) {
            Save_City_Fields(Dialog);
            Sort_Cities();
        }
        return;
    }
    if (nEvent != DIALOG_COMMAND || !Dialog.Is_Change_Command())
        return;
    const bool bCommissioner = Commissioner_Mode();
    switch (nControl) {
    case CITY_LIST_COMBO: {
        const int nRow = Dialog.Get_Selected(CITY_LIST_COMBO);
        if (nRow < 0)
            return;
        if (bCommissioner)
            Save_City_Fields(Dialog);
        Set_User_Preference(PREF_CURRENT_CITY, static_cast<int>(Dialog.Item_Data(CITY_LIST_COMBO, nRow)));
        Load_City_Fields(Dialog);
        break;
    }
    case CITY_PHOTO_LIST:
        if (bCommissioner)
            Save_City_Photo(Dialog);
        Invalidate_City_Photo(Dialog);
        break;
    case CITY_EDIT_NAME_BUTTON:
        if (!bCommissioner)
            return;
        Save_City_Fields(Dialog);
        Do_Dialog(RENAME_CITY_DIALOG);
        Sort_Cities();
        Fill_City_List(Dialog);
        Load_City_Fields(Dialog);
        break;
    case CITY_ERASE_BUTTON:
        if (!bCommissioner)
            return;
        Delete_City();
        Fill_City_List(Dialog);
        Load_City_Fields(Dialog);
        break;
    case CITY_ADD_BUTTON:
        if (!bCommissioner)
            return;
        Save_City_Fields(Dialog);
        if (Add_City() < 0) {
            Show_Formatted_Message("Add City Failed", "Cannot exceed %d cities in database", MAX_CITIES);
        } else {
            Fill_City_List(Dialog);
            Load_City_Fields(Dialog);
        }
        break;
    case CITY_IMPORT_BUTTON:
        if (!bCommissioner)
            return;
        Import_Cities();
        Fill_City_List(Dialog);
        Load_City_Fields(Dialog);
        break;
    case CITY_EXPORT_BUTTON:
        if (!bCommissioner)
            return;
        // What is typed goes out as it would be stored.
        Save_City_Fields(Dialog);
        Export_Cities();
        break;
    case 9:
        Open_Help_Page(CITY_EDITOR_DIALOG);
        break;
    case DIALOG_OK:
        Dialog.End(1);
        break;
    default:
        break;
    }
}

void Rename_City_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Load_City_Name(Dialog);
        return;
    }
    // Escape and the close box end it without storing (no Cancel button).
    if (nEvent != DIALOG_COMMAND || !Dialog.Is_Change_Command())
        return;
    if (nControl == DIALOG_OK) {
        if (Save_City_Name(Dialog) != 0)
            Dialog.End(1);
    } else if (nControl == 9) {
        Open_Help_Page("playing");
    }
}

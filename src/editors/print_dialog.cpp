// The Print dialog (155).

#include "editors/print_dialog.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include "export/statistics_file.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/preferences.h"
#include "platform/files.h"
#include "platform/save_failures.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

constexpr int PREF_PRINT_PERIOD = 72;
constexpr int PREF_PRINT_SECTION = 73;
constexpr int PREF_PRINT_SORT = 74;
constexpr int PREF_PRINT_FORMAT = 76;

constexpr const char* PERIODS[] = {"This Season", "Last Season", "Career", "Predicted"};
constexpr const char* SECTIONS[] = {"Offense", "Defense", "Kicking"};
constexpr const char* FORMATS[] = {"Tab-delmited (.xls)", "Comma-delimited (.csv)", "Text (.txt)", "HTML (.htm)"};
constexpr const char* EXTENSIONS[] = {".xls", ".csv", ".txt", ".htm"};
constexpr int SORT_COLUMNS = 17;
constexpr const char* SORT_NAMES[3][SORT_COLUMNS] = {
    {"Games", "Games Started", "Pass Attempts", "Completions", "INT Thrown", "Pass Yards", "Pass TDs", "Rushes",
     "Rush Yards", "Rush TDs", "Receptions", "Receiving Yards", "Receiving TDs", "Fumbles Lost", "Returns",
     "Returns Yards", "Return TDs"},
    {"Games", "Games Started", "Tackles", "Assists", "Sacks", "Fumbles Forced", "Knockdowns", "Interceptions",
     "Touchdowns", "", "", "", "", "", "Returns", "Returns Yards", "Return TDs"},
    {"Games", "Games Started", "Punts", "Punt Yards", "Longest Punt", "PAT Attempts", "PAT", "Field Goals <30",
     "FG Attempts <30", "Field Goals 30-39", "FG Attempts 30-39", "Field Goals 40-49", "FG Attempts 40-49",
     "Field Goals 50+", "FG Attempts 50+", "Longest Field Goal", ""},
};

template <size_t N> void Fill_Combo(DIALOG& Dialog, int nId, const char* const (&Texts)[N], int nPreference)
{
    Dialog.Clear_Items(nId);
    for (const char* szText : Texts)
        Dialog.Add_Item(nId, szText);
    // A stored value outside the list selects the first entry.
    const int nStored = Get_User_Preference(nPreference);
    Dialog.Set_Selected(nId, nStored >= 0 && nStored < static_cast<int>(N) ? nStored : 0);
}

int Selected_Or_First(const DIALOG& Dialog, int nId)
{
    const int n = Dialog.Get_Selected(nId);
    return n < 0 ? 0 : n;
}

// Folder separators would let the name leave "Output"; control characters
// name no file the user could find.
bool Is_Plain_File_Name(const std::string& Name)
{
    for (unsigned char c : Name)
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F)
            return false;
    return true;
}

constexpr CONTROL_TEMPLATE PRINT_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Players:", {8, 9, 50, 10}},
    {PRINT_WHOSE_COMBO, CONTROL_COMBO, "", {62, 7, 150, 14}, CS_GROUP},
    {-1, CONTROL_LABEL, "Period:", {8, 27, 50, 10}},
    {PRINT_PERIOD_COMBO, CONTROL_COMBO, "", {62, 25, 150, 14}},
    {-1, CONTROL_LABEL, "Section:", {8, 45, 50, 10}},
    {PRINT_SECTION_COMBO, CONTROL_COMBO, "", {62, 43, 150, 14}},
    {-1, CONTROL_LABEL, "Sort By:", {8, 63, 50, 10}},
    {PRINT_SORT_COMBO, CONTROL_COMBO, "", {62, 61, 150, 14}},
    {-1, CONTROL_LABEL, "File Format:", {8, 81, 50, 10}},
    {PRINT_FORMAT_COMBO, CONTROL_COMBO, "", {62, 79, 150, 14}},
    {-1, CONTROL_LABEL, "Filename:", {8, 99, 50, 10}},
    {PRINT_FILE_NAME_EDIT, CONTROL_EDIT, "", {62, 97, 150, 13}, 0, PRINT_FILE_NAME_LIMIT},
    {PRINT_TO_PRINTER_CHECK, CONTROL_CHECK, "Send file to p&rinter", {62, 116, 150, 11}},
    {PRINT_VIEW_CHECK, CONTROL_CHECK, "&View file now", {62, 130, 150, 11}},
    {PRINT_BUTTON, CONTROL_BUTTON, "&Print", {34, 150, 50, 15}, CS_DEFAULT | CS_GROUP},
    {PRINT_DONE_BUTTON, CONTROL_BUTTON, "&Done", {90, 150, 50, 15}},
    {PRINT_HELP_BUTTON, CONTROL_BUTTON, "&Help", {146, 150, 50, 15}},
};
constexpr DIALOG_TEMPLATE PRINT_TEMPLATE{PRINT_DIALOG, "Print", 222, 172, 0, 0, 0, PRINT_CONTROLS, "printing"};
constexpr int PRINT_USED_IDS[] = {PRINT_BUTTON,         PRINT_DONE_BUTTON,      PRINT_HELP_BUTTON,
                                  PRINT_TO_PRINTER_CHECK, PRINT_VIEW_CHECK,     PRINT_FILE_NAME_EDIT,
                                  PRINT_WHOSE_COMBO,    PRINT_PERIOD_COMBO,     PRINT_SECTION_COMBO,
                                  PRINT_SORT_COMBO,     PRINT_FORMAT_COMBO};
const DIALOG_REGISTRAR PRINT_REGISTRAR(PRINT_DIALOG, PRINT_TEMPLATE, Print_Stats_Dialog, PRINT_USED_IDS);

void Press_Print(DIALOG& Dialog)
{
    Store_Print_Choices(Dialog);
    std::string Path;
    if (!Write_Stats_From_Dialog(Dialog))
        return;
    Make_Stats_Output_Path(Dialog, Path);
    Print_Stats_File_If_Asked(Dialog, Path);
    View_Stats_File_If_Asked(Dialog, Path);
}

}  // namespace

void Init_Print_Dialog(DIALOG& Dialog)
{
    Dialog.Clear_Items(PRINT_WHOSE_COMBO);
    const int nTeams = Count_Teams();
    char szName[128];
    for (int t = 0; t < nTeams; ++t) {
        Get_Team_Full_Name(t, szName);
        Dialog.Add_Item(PRINT_WHOSE_COMBO, szName);
    }
    for (int l = 0; l < Count_Leagues(); ++l) {
        Get_League_Name(l, szName);
        Dialog.Add_Item(PRINT_WHOSE_COMBO, szName);
    }
    Dialog.Add_Item(PRINT_WHOSE_COMBO, "All Teams");
    const int nTeam = Get_User_Preference(PREF_CURRENT_TEAM);
    Dialog.Set_Selected(PRINT_WHOSE_COMBO, nTeam >= 0 && nTeam < nTeams ? nTeam : 0);
    Fill_Combo(Dialog, PRINT_PERIOD_COMBO, PERIODS, PREF_PRINT_PERIOD);
    Fill_Combo(Dialog, PRINT_SECTION_COMBO, SECTIONS, PREF_PRINT_SECTION);
    Fill_Combo(Dialog, PRINT_FORMAT_COMBO, FORMATS, PREF_PRINT_FORMAT);
    Fill_Sort_Column_Combo(Dialog);
}

void Fill_Sort_Column_Combo(DIALOG& Dialog)
{
    const int nSection = Selected_Or_First(Dialog, PRINT_SECTION_COMBO);
    Dialog.Clear_Items(PRINT_SORT_COMBO);
    for (const char* szName : SORT_NAMES[nSection < 3 ? nSection : 0])
        Dialog.Add_Item(PRINT_SORT_COMBO, szName);
    Dialog.Set_Selected(PRINT_SORT_COMBO, 0);
}

void Store_Print_Choices(DIALOG& Dialog)
{
    Set_User_Preference(PREF_PRINT_SECTION, Selected_Or_First(Dialog, PRINT_SECTION_COMBO));
    Set_User_Preference(PREF_PRINT_PERIOD, Selected_Or_First(Dialog, PRINT_PERIOD_COMBO));
    Set_User_Preference(PREF_PRINT_SORT, Selected_Or_First(Dialog, PRINT_SORT_COMBO));
    Set_User_Preference(PREF_PRINT_FORMAT, Selected_Or_First(Dialog, PRINT_FORMAT_COMBO));
}

bool Make_Stats_Output_Path(const DIALOG& Dialog, std::string& Path)
{
    Path.clear();
    const std::string Name = Dialog.Get_Text(PRINT_FILE_NAME_EDIT);
    if (Name.empty() || !Is_Plain_File_Name(Name))
        return false;
    const int nFormat = Selected_Or_First(Dialog, PRINT_FORMAT_COMBO);
    Path = "Output/" + Name + EXTENSIONS[nFormat < 4 ? nFormat : 0];
    return true;
}

bool Write_Stats_From_Dialog(DIALOG& Dialog)
{
    const std::string Name = Dialog.Get_Text(PRINT_FILE_NAME_EDIT);
    // A name refused writes nothing: a script whose line pressed Print
    // fails there, as it does for a file that could not be written.
    if (Name.empty()) {
        const char* szText = "You need to enter a filename to output the stats. (You should omit the file extension).";
        Show_Message_Box(szText, "No Filename", BOX_OK | BOX_ICON_EXCLAMATION);
        Note_Failed_Save(szText);
        return false;
    }
    std::string Path;
    if (!Make_Stats_Output_Path(Dialog, Path)) {
        const char* szText = "The filename may not contain \"/\", \"\\\" or control characters: the file is "
                             "written into the \"Output\" folder.";
        Show_Message_Box(szText, "Bad Filename", BOX_OK | BOX_ICON_EXCLAMATION);
        Note_Failed_Save(szText);
        return false;
    }
    files::Create_Folders("Output");
    errno = 0;
    const int nWritten = Write_Player_Stats_File(
        Path.c_str(), Selected_Or_First(Dialog, PRINT_WHOSE_COMBO), Selected_Or_First(Dialog, PRINT_PERIOD_COMBO),
        Selected_Or_First(Dialog, PRINT_SECTION_COMBO), Selected_Or_First(Dialog, PRINT_SORT_COMBO),
        Selected_Or_First(Dialog, PRINT_FORMAT_COMBO));
    if (nWritten == 1) {
        Show_Formatted_Message("Output Results", "Player statistics successfully written to %s", Path.c_str());
        return true;
    }
    // The old file is kept; the system's words say why, and a script whose
    // line pressed Print fails there.
    const std::string Text = "Unable to write to file " + Path +
                             ". It is possible that the drive is full, or the file is in use. (" +
                             files::Error_Text(errno) + ")";
    Show_Formatted_Message("Output Results", "%s", Text.c_str());
    Note_Failed_Save(Text);
    return false;
}

void Print_Stats_File_If_Asked(DIALOG& Dialog, const std::string& Path)
{
    if (!Dialog.Is_Checked(PRINT_TO_PRINTER_CHECK))
        return;
    if (!Print_Document(Path.c_str()))
        Show_Formatted_Message("Print", "%s could not be printed.", Path.c_str());
}

void View_Stats_File_If_Asked(DIALOG& Dialog, const std::string& Path)
{
    if (!Dialog.Is_Checked(PRINT_VIEW_CHECK))
        return;
    Show_Document(Path.c_str(), "View File");
}

void Print_Stats_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Init_Print_Dialog(Dialog);
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    if (nControl == PRINT_SECTION_COMBO) {
        if (Dialog.Event().nNotification == NOTIFY_SELECTION_CHANGED)
            Fill_Sort_Column_Combo(Dialog);
        return;
    }
    if (Dialog.Event().nNotification != NOTIFY_CLICKED)
        return;
    switch (nControl) {
    case PRINT_BUTTON:
        Press_Print(Dialog);
        break;
    case PRINT_DONE_BUTTON:
        Dialog.End(0);
        break;
    case PRINT_HELP_BUTTON:
        Open_Help_Page(PRINT_DIALOG);
        break;
    default:
        break;
    }
}

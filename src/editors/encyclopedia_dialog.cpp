#include "editors/encyclopedia_dialog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "base/input_file.h"
#include "base/text_utils.h"
#include "export/encyclopedia.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/save_failures.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

constexpr const char* STYLE_SHEET_FOLDER = "HTML_Templates/CSS";
constexpr const char* NO_STYLE_SHEET = ".css not found!";
constexpr size_t SETTINGS_FILE_LIMIT = 1u << 20;   // two lines are read; more is not a settings file

std::string g_ExportFolder = "HTML_Export";
std::string g_BrowseFolder;

bool Starts_With_No_Case(const std::string& Text, const std::string& Prefix)
{
    if (Text.size() < Prefix.size())
        return false;
    for (size_t i = 0; i < Prefix.size(); ++i) {
        const int a = static_cast<unsigned char>(Text[i]);
        const int b = static_cast<unsigned char>(Prefix[i]);
        if ((a >= 'A' && a <= 'Z' ? a + 32 : a) != (b >= 'A' && b <= 'Z' ? b + 32 : b))
            return false;
    }
    return true;
}

int Find_Prefix(const DIALOG& Dialog, const std::string& Prefix)
{
    if (Prefix.empty())
        return -1;
    for (int i = 0; i < Dialog.Item_Count(ENCYCLOPEDIA_STYLE_COMBO); ++i)
        if (Starts_With_No_Case(Dialog.Item_Text(ENCYCLOPEDIA_STYLE_COMBO, i), Prefix))
            return i;
    return -1;
}

void Load_Encyclopedia_Settings(DIALOG& Dialog)
{
    const ENCYCLOPEDIA_SETTINGS Settings = Read_Encyclopedia_Settings();
    Dialog.Clear_Items(ENCYCLOPEDIA_STYLE_COMBO);
    std::vector<std::string> Sheets = files::List_Folder(STYLE_SHEET_FOLDER, "*.css");
    std::sort(Sheets.begin(), Sheets.end());
    for (const std::string& Sheet : Sheets)
        Dialog.Add_Item(ENCYCLOPEDIA_STYLE_COMBO, Sheet);
    if (Sheets.empty())
        Dialog.Add_Item(ENCYCLOPEDIA_STYLE_COMBO, NO_STYLE_SHEET);
    Dialog.Set_Text(ENCYCLOPEDIA_FOLDER, Settings.Folder);
    int nPick = Find_Prefix(Dialog, Settings.StyleSheet);
    if (nPick < 0)
        nPick = Find_Prefix(Dialog, "default.css");
    Dialog.Set_Selected(ENCYCLOPEDIA_STYLE_COMBO, nPick < 0 ? 0 : nPick);
    g_ExportFolder = Settings.Folder;
}

// A box the user was shown because the button did not do its work: a
// script whose line pressed it fails there.
void Refuse(const char* szText, const char* szCaption)
{
    Show_Message_Box(szText, szCaption, BOX_OK);
    Note_Refused_Step(szText);
}

// 1 saved (or refused by the disk, which is reported and does not stop the
// export), 0 refused for the folder typed.
int Save_Encyclopedia_Settings(DIALOG& Dialog)
{
    ENCYCLOPEDIA_SETTINGS Settings;
    const int nSelected = Dialog.Get_Selected(ENCYCLOPEDIA_STYLE_COMBO);
    if (nSelected >= 0)
        Settings.StyleSheet = Dialog.Item_Text(ENCYCLOPEDIA_STYLE_COMBO, nSelected);
    Settings.Folder = Dialog.Get_Text(ENCYCLOPEDIA_FOLDER);
    // Blanks alone name no folder a user meant, as an empty field does not.
    if (Settings.Folder.find_first_not_of(" \t") == std::string::npos) {
        Refuse("You must choose output dir.", "");
        return 0;
    }
    if (Settings.Folder.size() > static_cast<size_t>(ENCYCLOPEDIA_FOLDER_LIMIT)) {
        Refuse("Output directory name too long.", "");
        return 0;
    }
    if (!Write_Encyclopedia_Settings(Settings))
        Show_Formatted_Message("View Encyclopedia", "The settings could not be saved in \"%s\".",
                               ENCYCLOPEDIA_SETTINGS_FILE);
    return 1;
}

// The edit's folder without one trailing separator.
std::string Take_Export_Folder(const DIALOG& Dialog)
{
    std::string Folder = Dialog.Get_Text(ENCYCLOPEDIA_FOLDER).substr(0, ENCYCLOPEDIA_SETTINGS_LINE);
    if (!Folder.empty() && (Folder.back() == '/' || Folder.back() == '\\'))
        Folder.pop_back();
    g_ExportFolder = Folder;
    return Folder;
}

void Open_Index(const std::string& Folder)
{
    const std::string Index = Folder + "/index.htm";
    Show_Document(Index.c_str(), "View Encyclopedia");
}

void Export_And_View(DIALOG& Dialog)
{
    if (Save_Encyclopedia_Settings(Dialog) == 0)
        return;
    const std::string Folder = Take_Export_Folder(Dialog);
    const int nSelected = Dialog.Get_Selected(ENCYCLOPEDIA_STYLE_COMBO);
    const std::string Sheet = nSelected >= 0 ? Dialog.Item_Text(ENCYCLOPEDIA_STYLE_COMBO, nSelected) : "default.css";
    // A failed export has said why in its own box; there is no index to
    // open. (Declined at its caution, it is no failure.)
    const int nExported = Export_Html_Encyclopedia(Folder.c_str(), Sheet.c_str());
    if (nExported > 0)
        Open_Index(Folder);
    else if (nExported < 0)
        Note_Failed_Save("The HTML encyclopedia was not exported: " + Get_Html_Export_Problem() + ".");
}

void View(DIALOG& Dialog)
{
    if (Save_Encyclopedia_Settings(Dialog) == 0)
        return;
    Open_Index(Take_Export_Folder(Dialog));
}

void Fill_Folder_List(DIALOG& Dialog, const std::string& Path)
{
    Dialog.Clear_Items(EXPORT_FOLDER_LIST);
    std::vector<std::string> Names;
    std::error_code Error;
    std::filesystem::directory_iterator It(Path.empty() ? "/" : Path, Error);
    if (Error)
        return;
    for (const auto& Entry : It) {
        std::error_code TypeError;
        if (Entry.is_directory(TypeError))
            Names.push_back(Entry.path().filename().string());
    }
    std::sort(Names.begin(), Names.end());
    Dialog.Add_Item(EXPORT_FOLDER_LIST, "..");
    for (const std::string& Name : Names)
        Dialog.Add_Item(EXPORT_FOLDER_LIST, Name);
}

std::string Selected_Entry(const DIALOG& Dialog, int nList)
{
    const int n = Dialog.Get_Selected(nList);
    return n < 0 ? std::string() : Dialog.Item_Text(nList, n);
}

}  // namespace

ENCYCLOPEDIA_SETTINGS Parse_Encyclopedia_Settings(const char* pText, size_t nSize)
{
    ENCYCLOPEDIA_SETTINGS Settings;
    std::string* Lines[2] = {&Settings.Folder, &Settings.StyleSheet};
    // An editor's byte-order mark is no part of the folder's name.
    size_t nAt = 0;
    if (pText != nullptr && nSize >= 3) {
        const char Start[4] = {pText[0], pText[1], pText[2], '\0'};
        nAt = Byte_Order_Mark_Length(Start);
    }
    for (std::string* pLine : Lines) {
        if (pText == nullptr || nAt >= nSize)
            break;
        size_t nEnd = nAt;
        while (nEnd < nSize && pText[nEnd] != '\n')
            ++nEnd;
        std::string Line(pText + nAt, nEnd - nAt);
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        if (Line.size() > static_cast<size_t>(ENCYCLOPEDIA_SETTINGS_LINE))
            Line.resize(ENCYCLOPEDIA_SETTINGS_LINE);
        if (!Line.empty())
            *pLine = Line;
        nAt = nEnd + 1;
    }
    return Settings;
}

ENCYCLOPEDIA_SETTINGS Read_Encyclopedia_Settings()
{
    std::vector<unsigned char> Data;
    if (!files::Read_Whole_File(ENCYCLOPEDIA_SETTINGS_FILE, Data, SETTINGS_FILE_LIMIT))
        return ENCYCLOPEDIA_SETTINGS{};
    return Parse_Encyclopedia_Settings(reinterpret_cast<const char*>(Data.data()), Data.size());
}

bool Write_Encyclopedia_Settings(const ENCYCLOPEDIA_SETTINGS& Settings)
{
    // Replaced whole through a temporary: a link at the name is never
    // written through, and a failed write keeps the old settings.
    const std::string Text = Settings.Folder + "\n" + Settings.StyleSheet;
    return files::Write_Whole_File(ENCYCLOPEDIA_SETTINGS_FILE, Text.data(), Text.size());
}

const std::string& Get_Export_Folder()
{
    return g_ExportFolder;
}

std::string Enter_Folder(const std::string& Path, const std::string& Name)
{
    if (Name == "..") {
        const size_t nSlash = Path.find_last_of('/');
        if (nSlash == std::string::npos || nSlash == 0)
            return "/";
        return Path.substr(0, nSlash);
    }
    if (Path.empty() || Path.back() == '/')
        return Path + Name;
    return Path + "/" + Name;
}

std::vector<std::string> Get_Export_Folder_Roots()
{
    std::vector<std::string> Roots{"/"};
    const char* szHome = std::getenv("HOME");
    if (szHome != nullptr && szHome[0] != '\0')
        Roots.emplace_back(szHome);
    Roots.push_back(files::Get_Current_Folder());
    return Roots;
}

void Encyclopedia_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Load_Encyclopedia_Settings(Dialog);
        return;
    }
    if (nEvent != DIALOG_COMMAND || Dialog.Event().nNotification != NOTIFY_CLICKED)
        return;
    switch (nControl) {
    case ENCYCLOPEDIA_BROWSE:
        Do_Dialog(EXPORT_FOLDER_DIALOG);
        Dialog.Set_Text(ENCYCLOPEDIA_FOLDER, g_ExportFolder);
        break;
    case ENCYCLOPEDIA_EXPORT_AND_VIEW:
        Export_And_View(Dialog);
        break;
    case ENCYCLOPEDIA_VIEW:
        View(Dialog);
        break;
    case DIALOG_OK:
    case DIALOG_CANCEL:
        Dialog.End(DIALOG_OK);
        break;
    default:
        break;
    }
}

void Choose_Export_Folder_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        g_BrowseFolder = files::Get_Current_Folder();
        Fill_Folder_List(Dialog, g_BrowseFolder);
        Dialog.Clear_Items(EXPORT_ROOT_LIST);
        for (const std::string& Root : Get_Export_Folder_Roots())
            Dialog.Add_Item(EXPORT_ROOT_LIST, Root);
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    const int nNotification = Dialog.Event().nNotification;
    if (nControl == EXPORT_FOLDER_LIST && nNotification == NOTIFY_DOUBLE_CLICK) {
        const std::string Name = Selected_Entry(Dialog, EXPORT_FOLDER_LIST);
        if (!Name.empty()) {
            g_BrowseFolder = Enter_Folder(g_BrowseFolder, Name);
            Dialog.Set_Text(ENCYCLOPEDIA_FOLDER, g_BrowseFolder);
            Fill_Folder_List(Dialog, g_BrowseFolder);
        }
    } else if (nControl == EXPORT_FOLDER_LIST && nNotification == NOTIFY_SELECTION_CHANGED) {
        const std::string Name = Selected_Entry(Dialog, EXPORT_FOLDER_LIST);
        if (!Name.empty())
            Dialog.Set_Text(ENCYCLOPEDIA_FOLDER, Enter_Folder(g_BrowseFolder, Name));
    } else if (nControl == EXPORT_ROOT_LIST && nNotification == NOTIFY_SELECTION_CHANGED) {
        const std::string Root = Selected_Entry(Dialog, EXPORT_ROOT_LIST);
        if (!Root.empty()) {
            Dialog.Set_Text(ENCYCLOPEDIA_FOLDER, "");
            g_BrowseFolder = Root;
            Fill_Folder_List(Dialog, g_BrowseFolder);
        }
    } else if (nControl == DIALOG_OK && nNotification == NOTIFY_CLICKED) {
        const std::string Text = Dialog.Get_Text(ENCYCLOPEDIA_FOLDER);
        if (!Text.empty())
            g_ExportFolder = Text;
        Dialog.End(DIALOG_OK);
    } else if (nControl == DIALOG_CANCEL && nNotification == NOTIFY_CLICKED) {
        Dialog.End(DIALOG_OK);
    }
}

void Show_Encyclopedia_Dialog()
{
    Do_Dialog(ENCYCLOPEDIA_DIALOG);
}

namespace {

constexpr CONTROL_TEMPLATE ENCYCLOPEDIA_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Select Export Directory:", {8, 8, 200, 10}},
    {ENCYCLOPEDIA_FOLDER, CONTROL_EDIT, "", {8, 20, 200, 14}, 0, ENCYCLOPEDIA_SETTINGS_LINE},
    {ENCYCLOPEDIA_BROWSE, CONTROL_BUTTON, "Browse", {214, 19, 56, 16}},
    {-1, CONTROL_LABEL, "Choose Design:", {8, 42, 200, 10}},
    {ENCYCLOPEDIA_STYLE_COMBO, CONTROL_COMBO, "", {8, 54, 200, 14}},
    {ENCYCLOPEDIA_EXPORT_AND_VIEW, CONTROL_BUTTON, "Export and View HTML Encyclopedia", {8, 80, 160, 16}},
    {ENCYCLOPEDIA_VIEW, CONTROL_BUTTON, "View HTML Encyclopedia", {8, 100, 160, 16}},
    {DIALOG_OK, CONTROL_BUTTON, "&Done", {214, 100, 56, 16}, CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE ENCYCLOPEDIA_TEMPLATE{
    ENCYCLOPEDIA_DIALOG, "View Encyclopedia", 278, 124, 0, 0, 0, ENCYCLOPEDIA_CONTROLS, nullptr};
constexpr int ENCYCLOPEDIA_USED_IDS[] = {ENCYCLOPEDIA_FOLDER,          ENCYCLOPEDIA_BROWSE, ENCYCLOPEDIA_STYLE_COMBO,
                                         ENCYCLOPEDIA_EXPORT_AND_VIEW, ENCYCLOPEDIA_VIEW,   DIALOG_OK};
const DIALOG_REGISTRAR ENCYCLOPEDIA_REGISTRAR(ENCYCLOPEDIA_DIALOG, ENCYCLOPEDIA_TEMPLATE, Encyclopedia_Dialog,
                                              ENCYCLOPEDIA_USED_IDS);

constexpr CONTROL_TEMPLATE EXPORT_FOLDER_CONTROLS[] = {
    {ENCYCLOPEDIA_FOLDER, CONTROL_EDIT, "", {8, 8, 262, 14}},
    {-1, CONTROL_LABEL, "Folders", {8, 28, 150, 10}},
    {EXPORT_FOLDER_LIST, CONTROL_LIST, "", {8, 40, 150, 120}},
    {-1, CONTROL_LABEL, "Places", {166, 28, 104, 10}},
    {EXPORT_ROOT_LIST, CONTROL_LIST, "", {166, 40, 104, 120}},
    {DIALOG_OK, CONTROL_BUTTON, "OK", {150, 168, 56, 16}, CS_DEFAULT},
    {DIALOG_CANCEL, CONTROL_BUTTON, "Cancel", {214, 168, 56, 16}},
};
constexpr DIALOG_TEMPLATE EXPORT_FOLDER_TEMPLATE{
    EXPORT_FOLDER_DIALOG, "Export Folder", 278, 192, 0, 0, 0, EXPORT_FOLDER_CONTROLS, nullptr};
constexpr int EXPORT_FOLDER_USED_IDS[] = {ENCYCLOPEDIA_FOLDER, EXPORT_FOLDER_LIST, EXPORT_ROOT_LIST, DIALOG_OK,
                                          DIALOG_CANCEL};
const DIALOG_REGISTRAR EXPORT_FOLDER_REGISTRAR(EXPORT_FOLDER_DIALOG, EXPORT_FOLDER_TEMPLATE,
                                               Choose_Export_Folder_Dialog, EXPORT_FOLDER_USED_IDS);

}  // namespace

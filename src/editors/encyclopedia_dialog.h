// View Encyclopedia (dialog 182) and Choose Export Folder (183): the output
// folder and style sheet of the HTML encyclopedia, kept in
// "input/settings.ini" (two lines: the folder, the style sheet).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class DIALOG;

constexpr int ENCYCLOPEDIA_DIALOG = 182;
constexpr int EXPORT_FOLDER_DIALOG = 183;

enum ENCYCLOPEDIA_CONTROL {
    ENCYCLOPEDIA_FOLDER = 1409,
    ENCYCLOPEDIA_BROWSE = 1410,
    ENCYCLOPEDIA_EXPORT_AND_VIEW = 1411,
    ENCYCLOPEDIA_VIEW = 1412,
    EXPORT_FOLDER_LIST = 1413,
    EXPORT_ROOT_LIST = 1415,
    ENCYCLOPEDIA_STYLE_COMBO = 1028,
};

constexpr const char* ENCYCLOPEDIA_SETTINGS_FILE = "input/settings.ini";
constexpr int ENCYCLOPEDIA_SETTINGS_LINE = 2047;   // most characters a line keeps
constexpr int ENCYCLOPEDIA_FOLDER_LIMIT = 100;     // most characters a typed folder takes

struct ENCYCLOPEDIA_SETTINGS {
    std::string Folder = "HTML_Export";
    std::string StyleSheet = "default.css";
};
// Parses the settings text: the first two lines (a line ends at "\n",
// "\r\n" or the end), each cut to 2,047 characters. A missing line keeps its
// default; blanks inside a line are kept.
ENCYCLOPEDIA_SETTINGS Parse_Encyclopedia_Settings(const char* pText, size_t nSize);
// Reads "input/settings.ini" (defaults when it cannot be read).
ENCYCLOPEDIA_SETTINGS Read_Encyclopedia_Settings();
// Writes it as "%s\n%s"; false when it cannot be written.
bool Write_Encyclopedia_Settings(const ENCYCLOPEDIA_SETTINGS& Settings);

// The folder the export writes into (the last one taken by the dialog).
const std::string& Get_Export_Folder();

// The chooser's path arithmetic: ".." drops the last component ("/" stays
// "/"), another name is joined with "/".
std::string Enter_Folder(const std::string& Path, const std::string& Name);
// The chooser's roots: "/", the home folder and the data folder.
std::vector<std::string> Get_Export_Folder_Roots();

void Encyclopedia_Dialog(DIALOG& Dialog, int nEvent, int nControl);
void Choose_Export_Folder_Dialog(DIALOG& Dialog, int nEvent, int nControl);
// Runs dialog 182.
void Show_Encyclopedia_Dialog();

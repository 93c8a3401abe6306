// The Print dialog (155): a player statistics table written into a file of
// the "Output" folder (export/statistics_file.h), then, when asked and the
// file was written, printed and opened with the desktop's programs.
#pragma once

#include <string>

#include "platform/dialogs.h"

constexpr int PRINT_DIALOG = 155;

constexpr int PRINT_BUTTON = 1;
constexpr int PRINT_DONE_BUTTON = 2;
constexpr int PRINT_HELP_BUTTON = 9;
constexpr int PRINT_TO_PRINTER_CHECK = 1022;
constexpr int PRINT_VIEW_CHECK = 1023;
constexpr int PRINT_FILE_NAME_EDIT = 1082;
constexpr int PRINT_WHOSE_COMBO = 1132;
constexpr int PRINT_PERIOD_COMBO = 1223;
constexpr int PRINT_SECTION_COMBO = 1224;
constexpr int PRINT_SORT_COMBO = 1225;
constexpr int PRINT_FORMAT_COMBO = 1226;

// The most a typed file name takes.
constexpr int PRINT_FILE_NAME_LIMIT = 200;

void Print_Stats_Dialog(DIALOG& Dialog, int nEvent, int nControl);
void Init_Print_Dialog(DIALOG& Dialog);
// Refills "Sort By:" for the chosen section and selects its first entry.
void Fill_Sort_Column_Combo(DIALOG& Dialog);
// Section, period, sort column and format into preferences 73, 72, 74, 76.
void Store_Print_Choices(DIALOG& Dialog);
// "Output/<name><extension of the format>"; false with Path empty when the
// name is empty or holds "/", "\\" or a control character (it could leave
// the folder or name no file).
bool Make_Stats_Output_Path(const DIALOG& Dialog, std::string& Path);
// Writes the file and says how it went; true only when it was written.
bool Write_Stats_From_Dialog(DIALOG& Dialog);
void Print_Stats_File_If_Asked(DIALOG& Dialog, const std::string& Path);
void View_Stats_File_If_Asked(DIALOG& Dialog, const std::string& Path);

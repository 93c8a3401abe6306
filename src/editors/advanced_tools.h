// Advanced Tools (dialog 175): the commissioner's one-button maintenance
// commands, the contract recalculation, clearing injuries and the output
// folder.
#pragma once

#include <string>

class DIALOG;

constexpr int ADVANCED_TOOLS_DIALOG = 175;

// Button ids of dialog 175.
enum ADVANCED_TOOLS_BUTTON {
    TOOL_HELP = 9,
    TOOL_SPECIAL = 10,
    TOOL_BALANCE_PAYROLLS = 11,
    TOOL_CREATE_MODERN_DATABASE = 12,
    TOOL_CLEAR_INJURIES = 13,
    TOOL_RECALCULATE_CONTRACTS = 14,
    TOOL_IMPORT_PLAYBOOKS = 15,
    TOOL_LOAD_PLAYER_RATINGS = 16,
    TOOL_SORT_ALL_TEAMS = 17,
    TOOL_CLEAR_OUTPUT_FOLDER = 18,
    TOOL_CLEAR_ALL_TIME_LEADERS = 19,
    TOOL_CREATE_HISTORICAL_DATABASE = 20,
    TOOL_HTML_ENCYCLOPEDIA = 21,
    TOOL_FILL_DRAFT_POOL = 22,
    TOOL_EXPORT_PLAYER_RATINGS = 23,
    TOOL_CALIBRATE_PLAYER_RATINGS = 24,
};

// Every player's computed values (Update_All_Player_Computed_Values
// (bAll)); then, under a salary cap, each club in the order of
// Get_Contract_Rescale_Team is rescaled toward Get_Contract_Rescale_Target
// of its payroll.
void Run_Advanced_Tool(int bAll);

// Heals every hurt player (injury weeks above 0 set to 0) of the clubs in
// use and the free agents, Hall Of Fame and draft pools; the count healed.
int Clear_All_Injuries();
// Runs it and says "Injuries removed for %d players." or "No injured
// players were found.", titled "Clear Injuries".
void Show_Clear_Injuries_Result();

// Deletes the files of "Output"; its folders (and what they hold) stay.
// The count deleted.
int Clear_Output_Folder();

// The four-character build tag: four blanks in a shipped build. "TEST" or
// "TOOL" shows "Do Special &Tool", which closes the dialog and runs the
// statistics import (Download_Football_Data). Tests set it through this hook.
const char* Get_Build_Tag();
void Set_Build_Tag_For_Test(const char* szTag);

void Advanced_Tools_Dialog(DIALOG& Dialog, int nEvent, int nControl);
// Runs dialog 175.
void Show_Advanced_Tools();

// The database builder sits above the editors: the shell hands the dialog
// its runs (one year alone, a range of years, every historical year). Without them "Create
// Modern Database" and "Create Historical Database" stay disabled. The
// year and the range return why the run did not build what it was asked, ""
// when it did; the run of every year returns its closing words (the years
// built, those left out and why), shown in one box at its end.
struct DATABASE_BUILD_HOOKS {
    std::string (*pBuildYear)(int nYear) = nullptr;                 // the database alone
    std::string (*pBuildRange)(int nFirst, int nLast) = nullptr;    // then the historical file
    std::string (*pBuildAll)() = nullptr;
};
void Set_Database_Build_Hooks(const DATABASE_BUILD_HOOKS& Hooks);

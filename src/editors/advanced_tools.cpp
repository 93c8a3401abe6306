#include "editors/advanced_tools.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "editors/encyclopedia_dialog.h"
#include "export/ratings_file.h"
#include "tools/playbook_import.h"
#include "tools/stat_importer.h"
#include "tools/ratings_loader.h"
#include "frontoffice/depth_chart.h"
#include "league/leader_tables.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "season/draft_pool.h"
#include "season/salary_finance.h"
#include "season/salary_rescale.h"

namespace {

char g_szBuildTag[5] = "    ";

constexpr const char* OUTPUT_FOLDER = "Output";
constexpr int CONTRACT_PROGRESS_STEPS = 10;

// The year "Create Modern Database" builds.
constexpr int MODERN_DATABASE_YEAR = 2023;

DATABASE_BUILD_HOOKS g_BuildHooks;

bool Has_Database_Builder()
{
    return g_BuildHooks.pBuildYear != nullptr && g_BuildHooks.pBuildRange != nullptr && g_BuildHooks.pBuildAll != nullptr;
}

// A run that did not build what it was asked says why, and no reminder of
// a database that is not there.
bool Tell_Build_Failure(const std::string& Problem, const char* szCaption)
{
    if (Problem.empty())
        return false;
    const std::string Text = "The database was not built: " + Problem + ".";
    Show_Message_Box(Text.c_str(), szCaption, BOX_OK | BOX_ICON_EXCLAMATION);
    return true;
}

void Create_Modern_Database()
{
    if (Tell_Build_Failure(g_BuildHooks.pBuildYear(MODERN_DATABASE_YEAR), "Create Modern Database"))
        return;
    Show_Message_Box("Reminder: You must start a New Game to load the new database.", "Create Modern Database",
                     BOX_OK | BOX_ICON_INFORMATION);
    Auto_Set_All_Depth_Charts(0);
}

void Create_Historical_Database()
{
    const int nYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    char szText[512];
    std::snprintf(szText, sizeof(szText),
                  "This will create the %d database.\n(To create other seasons, run the script line \"tool "
                  "Create_Universe_Databases_Range FIRST LAST\" with the years whose statistics files you "
                  "have.)\n\nReminder: Call 'Create All Historical Databases' twice for accurate All-Time Leaders.",
                  nYear);
    char szFirst[64];
    std::snprintf(szFirst, sizeof(szFirst), "Create %d Database", nYear);
    const int nAnswer = User_Message_Dialog("Create Historical Database", szText, BOX_ICON_QUESTION, szFirst,
                                            "Create All Historical Databases", "Cancel");
    constexpr const char* REMINDER = "Reminder: You must start a New Game to load a new database.";
    if (nAnswer == ID_NO) {
        // Every year: one box at the end, the years built and left out.
        const std::string Text = g_BuildHooks.pBuildAll() + "\n\n" + REMINDER;
        Show_Message_Box(Text.c_str(), "Create Historical Database", BOX_OK | BOX_ICON_INFORMATION);
        return;
    }
    std::string Problem;
    if (nAnswer == ID_YES)
        Problem = g_BuildHooks.pBuildRange(nYear, nYear);
    if (Tell_Build_Failure(Problem, "Create Historical Database"))
        return;
    Show_Message_Box(REMINDER, "Create Historical Database", BOX_OK | BOX_ICON_INFORMATION);
}

bool Is_Tool_Build()
{
    return std::strcmp(g_szBuildTag, "TEST") == 0 || std::strcmp(g_szBuildTag, "TOOL") == 0;
}

void Clear_All_Time_Leaders()
{
    const LEADER_LIST Empty{};
    for (int nTable = 0; nTable < LEADER_TABLE_COUNT; ++nTable)
        for (int nStat = 0; nStat < LEADER_STAT_COUNT; ++nStat)
            Write_Leader_List(nTable, nStat, Empty);
}

void Recalculate_Contracts()
{
    const bool bOpened = Open_Progress_Window("Calculating Player Contracts", CONTRACT_PROGRESS_STEPS) != 0;
    Run_Advanced_Tool(1);
    if (bOpened)
        Close_Progress_Window();
}

void Init_Advanced_Tools(DIALOG& Dialog)
{
    const bool bBuilder = Has_Database_Builder();
    Dialog.Enable(TOOL_CREATE_MODERN_DATABASE, bBuilder);
    Dialog.Enable(TOOL_CREATE_HISTORICAL_DATABASE, bBuilder);
    // "Do Special &Tool" (the statistics import) only in a tool build.
    Dialog.Show(TOOL_SPECIAL, Is_Tool_Build());
}

}  // namespace

void Run_Advanced_Tool(int bAll)
{
    Update_All_Player_Computed_Values(bAll);
    const int64_t nCap = Get_Universe_Stat(SALARY_CAP);
    if (nCap <= 0)
        return;
    const int nTeams = Count_Teams();
    const int nYear = Get_Current_Year();
    for (int i = 0; i < nTeams; ++i) {
        const int t = Get_Contract_Rescale_Team(i, nTeams, nYear);
        const int64_t nPayroll = static_cast<int64_t>(Get_Team_Financial_Stat(t, FINANCE_PAYROLL)) * 1000;
        Rescale_Player_Salaries(t, Get_Contract_Rescale_Target(nPayroll, nCap));
    }
}

int Clear_All_Injuries()
{
    int nHealed = 0;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (t < FREE_AGENT_TEAM && !Is_Team_Slot_Used(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == 0)
                continue;
            if (Get_Player_Vital_Stat(t, s, VITAL_INJURY_WEEKS) > 0) {
                Set_Player_Vital_Stat(t, s, VITAL_INJURY_WEEKS, 0);
                ++nHealed;
            }
        }
    }
    return nHealed;
}

void Show_Clear_Injuries_Result()
{
    const int nHealed = Clear_All_Injuries();
    if (nHealed == 0)
        Show_Message_Box("No injured players were found.", "Clear Injuries", BOX_OK | BOX_ICON_INFORMATION);
    else
        Show_Formatted_Message("Clear Injuries", "Injuries removed for %d players.", nHealed);
}

int Clear_Output_Folder()
{
    int nDeleted = 0;
    const std::string Folder = files::Resolve_Path(OUTPUT_FOLDER);
    for (const std::string& Name : files::List_Folder(OUTPUT_FOLDER, "*")) {
        const std::string Path = Folder + "/" + Name;
        if (files::Folder_Exists(Path.c_str()))
            continue;
        if (files::Delete_File(Path.c_str()))
            ++nDeleted;
    }
    return nDeleted;
}

const char* Get_Build_Tag()
{
    return g_szBuildTag;
}

void Set_Build_Tag_For_Test(const char* szTag)
{
    std::snprintf(g_szBuildTag, sizeof(g_szBuildTag), "%-4.4s", szTag ? szTag : "");
}

void Advanced_Tools_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Init_Advanced_Tools(Dialog);
        return;
    }
    if (nEvent != DIALOG_COMMAND || Dialog.Event().nNotification != NOTIFY_CLICKED)
        return;
    switch (nControl) {
    case DIALOG_OK:
    case DIALOG_CANCEL:
        Dialog.End(DIALOG_OK);
        break;
    case TOOL_HELP:
        Open_Help_Page(ADVANCED_TOOLS_DIALOG);
        break;
    case TOOL_FILL_DRAFT_POOL:
        Dialog.End(DIALOG_OK);
        Prepare_Draft_Pool();
        break;
    case TOOL_RECALCULATE_CONTRACTS:
        Dialog.End(DIALOG_OK);
        Recalculate_Contracts();
        break;
    case TOOL_BALANCE_PAYROLLS:
        Dialog.End(DIALOG_OK);
        Update_Team_Financial_Stats();
        break;
    case TOOL_CLEAR_OUTPUT_FOLDER:
        Clear_Output_Folder();
        break;
    case TOOL_CLEAR_ALL_TIME_LEADERS:
        Clear_All_Time_Leaders();
        break;
    case TOOL_CLEAR_INJURIES:
        Show_Clear_Injuries_Result();
        break;
    case TOOL_EXPORT_PLAYER_RATINGS:
        Export_Position_Ratings();
        break;
    case TOOL_IMPORT_PLAYBOOKS:
        Dialog.End(DIALOG_OK);
        Load_Playbooks(1);
        break;
    case TOOL_LOAD_PLAYER_RATINGS:
        Load_Year_Player_Ratings(1);
        Repair_Player_Ratings();
        break;
    case TOOL_CALIBRATE_PLAYER_RATINGS:
        Calibrate_Player_Ratings();
        break;
    case TOOL_SORT_ALL_TEAMS:
        Auto_Set_All_Depth_Charts(0);
        break;
    case TOOL_HTML_ENCYCLOPEDIA:
        Show_Encyclopedia_Dialog();
        break;
    case TOOL_SPECIAL:
        if (Is_Tool_Build()) {
            Dialog.End(DIALOG_OK);
            Download_Football_Data();
        }
        break;
    case TOOL_CREATE_MODERN_DATABASE:
        if (Has_Database_Builder()) {
            Dialog.End(DIALOG_OK);
            Create_Modern_Database();
        }
        break;
    case TOOL_CREATE_HISTORICAL_DATABASE:
        if (Has_Database_Builder()) {
            Dialog.End(DIALOG_OK);
            Create_Historical_Database();
        }
        break;
    default:
        break;   // the later tools are disabled; anything else is ignored
    }
}

void Set_Database_Build_Hooks(const DATABASE_BUILD_HOOKS& Hooks)
{
    g_BuildHooks = Hooks;
}

void Show_Advanced_Tools()
{
    Do_Dialog(ADVANCED_TOOLS_DIALOG);
}

namespace {

constexpr CONTROL_TEMPLATE ADVANCED_TOOLS_CONTROLS[] = {
    {-1, CONTROL_GROUP, "Contracts and Rosters", {8, 6, 150, 104}},
    {TOOL_RECALCULATE_CONTRACTS, CONTROL_BUTTON, "&Recalculate Contracts", {16, 20, 134, 14}},
    {TOOL_BALANCE_PAYROLLS, CONTROL_BUTTON, "&Balance Payrolls", {16, 38, 134, 14}},
    {TOOL_FILL_DRAFT_POOL, CONTROL_BUTTON, "Fill College Draft P&ool", {16, 56, 134, 14}},
    {TOOL_SORT_ALL_TEAMS, CONTROL_BUTTON, "Sort &All Teams", {16, 74, 134, 14}},
    {TOOL_CLEAR_INJURIES, CONTROL_BUTTON, "Clear &Injuries", {16, 92, 134, 14}},
    {-1, CONTROL_GROUP, "Files and Records", {166, 6, 150, 104}},
    {TOOL_CLEAR_OUTPUT_FOLDER, CONTROL_BUTTON, "&Clear Output Folder", {174, 20, 134, 14}},
    {TOOL_CLEAR_ALL_TIME_LEADERS, CONTROL_BUTTON, "Clear All-Time &Leaders", {174, 38, 134, 14}},
    {TOOL_EXPORT_PLAYER_RATINGS, CONTROL_BUTTON, "Export Player Ratings", {174, 56, 134, 14}},
    {TOOL_CALIBRATE_PLAYER_RATINGS, CONTROL_BUTTON, "Calibrate Player Ratings", {174, 74, 134, 14}},
    {TOOL_HTML_ENCYCLOPEDIA, CONTROL_BUTTON, "HTML Encyclopedia", {174, 92, 134, 14}, CS_HIDDEN},
    {-1, CONTROL_GROUP, "Databases", {8, 116, 308, 68}},
    {TOOL_IMPORT_PLAYBOOKS, CONTROL_BUTTON, "Import &Playbooks", {16, 130, 134, 14}},
    {TOOL_LOAD_PLAYER_RATINGS, CONTROL_BUTTON, "Load Player Ratings", {16, 148, 134, 14}},
    {TOOL_CREATE_MODERN_DATABASE, CONTROL_BUTTON, "Create &Modern Database", {174, 130, 134, 14}},
    {TOOL_CREATE_HISTORICAL_DATABASE, CONTROL_BUTTON, "Create Historical Database", {174, 148, 134, 14}},
    {TOOL_SPECIAL, CONTROL_BUTTON, "Do Special &Tool", {16, 166, 134, 14}, CS_HIDDEN},
    {TOOL_HELP, CONTROL_BUTTON, "&Help", {174, 192, 64, 16}},
    {DIALOG_OK, CONTROL_BUTTON, "&Done", {252, 192, 64, 16}, CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE ADVANCED_TOOLS_TEMPLATE{
    ADVANCED_TOOLS_DIALOG, "Advanced Tools", 324, 216, 0, 0, 0, ADVANCED_TOOLS_CONTROLS, "advancedtools"};
constexpr int ADVANCED_TOOLS_USED_IDS[] = {
    DIALOG_OK, TOOL_HELP, TOOL_SPECIAL, TOOL_BALANCE_PAYROLLS, TOOL_CREATE_MODERN_DATABASE, TOOL_CLEAR_INJURIES,
    TOOL_RECALCULATE_CONTRACTS, TOOL_IMPORT_PLAYBOOKS, TOOL_LOAD_PLAYER_RATINGS, TOOL_SORT_ALL_TEAMS,
    TOOL_CLEAR_OUTPUT_FOLDER, TOOL_CLEAR_ALL_TIME_LEADERS, TOOL_CREATE_HISTORICAL_DATABASE, TOOL_HTML_ENCYCLOPEDIA,
    TOOL_FILL_DRAFT_POOL, TOOL_EXPORT_PLAYER_RATINGS, TOOL_CALIBRATE_PLAYER_RATINGS};
const DIALOG_REGISTRAR ADVANCED_TOOLS_REGISTRAR(ADVANCED_TOOLS_DIALOG, ADVANCED_TOOLS_TEMPLATE, Advanced_Tools_Dialog,
                                                ADVANCED_TOOLS_USED_IDS);

}  // namespace

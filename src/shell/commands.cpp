#include "shell/commands.h"

#include <strings.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "editors/advanced_tools.h"
#include "editors/encyclopedia_dialog.h"
#include "editors/playbook_dialogs.h"
#include "editors/playbook_editor.h"
#include "editors/print_dialog.h"
#include "engine/playbook_records.h"
#include "engine/watched_game.h"
#include "editors/city_editor.h"
#include "editors/find_players.h"
#include "editors/options_dialog.h"
#include "editors/small_dialogs.h"
#include "editors/sortable_stats.h"
#include "editors/league_editor.h"
#include "editors/stadium_editor.h"
#include "editors/stat_pickers.h"
#include "editors/team_history.h"
#include "gamefile/game_dialogs.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "pages/draft_page.h"
#include "pages/game_view.h"
#include "pages/page_stats.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/save_failures.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/day_advance.h"
#include "season/fantasy_draft.h"
#include "season/name_lookups.h"
#include "shell/draft_commands.h"
#include "shell/main_menu.h"
#include "tools/season_simulator.h"
#include "shell/main_window.h"
#include "shell/news_bar.h"
#include "shell/owner_hall_of_fame.h"
#include "tools/stat_importer.h"

namespace {

const MAIN_COMMAND COMMANDS[] = {
    {CMD_NEW_GAME, "File", "New Game", "Ctrl+N"},
    {CMD_RESUME_GAME, "File", "Resume Game", "Ctrl+O"},
    {CMD_SAVE_GAME, "File", "Save Game", "Ctrl+S"},
    {CMD_LOAD_OFFENSIVE_PLAYBOOK, "File", "Load Offensive Playbook", ""},
    {CMD_LOAD_DEFENSIVE_PLAYBOOK, "File", "Load Defensive Playbook", ""},
    {CMD_SAVE_OFFENSIVE_PLAYBOOK, "File", "Save Offensive Playbook", ""},
    {CMD_SAVE_DEFENSIVE_PLAYBOOK, "File", "Save Defensive Playbook", ""},
    {CMD_PRINT, "File", "Print", ""},
    {CMD_RETIRE, "File", "Retire", ""},
    {CMD_EXIT, "File", "Exit", "Ctrl+Q"},
    {CMD_PLAY_ONE_WEEK, "Play", "One Week", "Ctrl+1"},
    {CMD_PLAY_ONE_MONTH, "Play", "One Month", "Ctrl+2"},
    {CMD_PLAY_HALF_SEASON, "Play", "Half Season", "Ctrl+3"},
    {CMD_PLAY_TRADING_DEADLINE, "Play", "Through Trading Deadline", "Ctrl+4"},
    {CMD_PLAY_THROUGH_PLAYOFFS, "Play", "Through Playoffs", "Ctrl+5"},
    {CMD_START_DRAFT, "Play", "Start Draft", ""},
    {CMD_PLAY_MULTIPLE_SEASONS, "Play", "Play Multiple Seasons", ""},
    {CMD_STOP_SIMULATION, "Play", "Stop", "Escape"},
    {CMD_PAGE_FRONT, "View", "Front Page", "F8"},
    {CMD_PAGE_STANDINGS, "View", "Standings", "F2"},
    {CMD_PAGE_CALENDAR, "View", "Calendar", "F3"},
    {CMD_PAGE_GAMES, "View", "Games", "F4"},
    {CMD_PAGE_PLAYOFFS, "View", "Playoffs", "F5"},
    {CMD_PAGE_CHAMPIONS, "View", "Champions", "F6"},
    {CMD_PAGE_DRAFT, "View", "Draft", "F9"},
    {CMD_CHOOSE_PAGE_STAT, "View", "Choose Statistic", "F7"},
    {CMD_SORTABLE_STATS, "Team", "Sortable Stats", ""},
    {CMD_FREE_AGENTS, "Team", "Free Agents", ""},
    {CMD_COLLEGE_DRAFT_LIST, "Team", "College Draft", "Ctrl+C"},
    {CMD_END_DRAFT, "Team", "End Draft", ""},
    {CMD_FIND_PLAYERS, "Team", "Find Players", ""},
    {CMD_VIEW_OTHER_TEAM, "Team", "View Other Team", ""},
    {CMD_TEAM_HISTORY, "Team", "Team History", ""},
    {CMD_HALL_OF_FAME, "Team", "Player Hall Of Fame", ""},
    {CMD_PLAYBOOK_EDITOR, "Team", "Playbook", "Ctrl+P"},
    {CMD_LEAGUE_EDITOR, "Edit", "League Editor", ""},
    {CMD_STADIUM_EDITOR, "Edit", "Stadium Editor", ""},
    {CMD_CITY_EDITOR, "Edit", "City Editor", ""},
    {CMD_ADVANCED_TOOLS, "Tools", "Advanced Tools", ""},
    {CMD_VIEW_ENCYCLOPEDIA, "Tools", "View Encyclopedia", ""},
    {CMD_SEASON_SIMULATOR, "Tools", "Single Season Simulator", ""},
    {CMD_OPTIONS, "Tools", "Options", ""},
    {CMD_FANTASY_DRAFT_TOOL, "Tools", "Fantasy Draft", ""},
    {CMD_DATABASE_NOTES, "Tools", "Database Notes", ""},
    {CMD_INJURY_CONTINGENCY, "Tools", "Injury Contingency", ""},
    {CMD_IMPORT_STATISTICS, "Tools", "Import Statistics", ""},
    {CMD_OUTPUT_ROSTERS_TEXT, "Tools", "Output Rosters Text", ""},
    {CMD_DID_YOU_KNOW, "Help", "Did You Know?", ""},
    {CMD_STROKE_TESTER, "Help", "AGG Tester", ""},
};
constexpr size_t COMMAND_COUNT = sizeof(COMMANDS) / sizeof(COMMANDS[0]);

// The commands of the game-in-progress menu only (main_menu.cpp shows them
// while games are played): named and dispatched like the others.
const MAIN_COMMAND GAME_COMMANDS[] = {
    {CMD_FINISH_QUARTER, "Game", "Finish Quarter", ""},
    {CMD_FINISH_GAME, "Game", "Finish Game", ""},
    {CMD_TIMEOUT, "Game", "Timeout", ""},
};

bool g_bAcceleratorsLoaded = false;

// Menu text compared without '&', without a trailing "..." and any case.
std::string Plain_Menu_Text(const char* szText)
{
    std::string Plain;
    for (const char* p = szText; *p != '\0'; ++p)
        if (*p != '&')
            Plain += *p;
    while (!Plain.empty() && (Plain.back() == '.' || Plain.back() == ' '))
        Plain.pop_back();
    return Plain;
}

// The work of New Game or Resume Game under way: the league is replaced
// step by step, and between its progress windows the work still pumps the
// window's events. A close acted on there would offer to save a league half
// made, so the close box is ignored until the command is done.
const char* g_szLeagueBeingMade = nullptr;

class LEAGUE_BEING_MADE {
public:
    explicit LEAGUE_BEING_MADE(const char* szCommand) : m_szOuter(g_szLeagueBeingMade)
    {
        g_szLeagueBeingMade = szCommand;
    }
    ~LEAGUE_BEING_MADE() { g_szLeagueBeingMade = m_szOuter; }
    LEAGUE_BEING_MADE(const LEAGUE_BEING_MADE&) = delete;
    LEAGUE_BEING_MADE& operator=(const LEAGUE_BEING_MADE&) = delete;

private:
    const char* m_szOuter;
};

bool Refuse_While_Playing(const char* szTitle, const char* szText)
{
    if (!Is_Simulation_In_Progress())
        return false;
    Report_Busy_Until_Day_Done(szTitle, szText);
    return true;
}

// After a command that may have loaded another league (or built one over
// the league shown): every part of the window is made again from the
// league loaded now, the news too, so none shows a league that has gone.
void After_League_Changed()
{
    Update_Main_Window_Title();
    Rebuild_Play_Menu();
    Refresh_News_Bar_Text();
    Reset_Page_Cache();
    Redraw_Main_Window();
}

void New_Game_Command()
{
    if (Refuse_While_Playing("New Game", "Can't start a new game while playing games."))
        return;
    if (Ask_Save_Changes() == 0)
        return;
    {
        const LEAGUE_BEING_MADE Making("New Game");
        Do_Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc);
        After_League_Changed();
    }
}

void Resume_Game_Command()
{
    if (Refuse_While_Playing("Resume Game", "Can't load a saved game while playing games."))
        return;
    if (Ask_Save_Changes() == 0)
        return;
    {
        const LEAGUE_BEING_MADE Loading("Resume Game");
        Do_Dialog(RESUME_GAME_DIALOG, "Resume Game", Resume_Game_Dialog_Proc);
        After_League_Changed();
    }
    Resume_Fantasy_Draft_After_Load();
}

void Retire_Command()
{
    if (Refuse_While_Playing("Retire", "Can't retire while playing games."))
        return;
    Show_Message_Box("Retiring is not available in this version.", "Retire", BOX_OK | BOX_ICON_INFORMATION);
}

void Play_Command(int nCommand)
{
    const int nDays = Days_For_Play_Command(nCommand);
    if (nCommand == CMD_PLAY_TRADING_DEADLINE && nDays < 1) {
        // Nothing is left before the deadline: a run of no days would only
        // repeat the closing steps of the day.
        Show_Message_Box("The trading deadline has already passed.", "Trading Deadline",
                         BOX_OK | BOX_ICON_INFORMATION);
        return;
    }
    Advance_Day(nDays);
    After_League_Changed();
}

// The viewed team's playbooks. A load waits for the day's games to end:
// the engine reads the team's plays while it plays them.
void Load_Playbook_Command(int nSide)
{
    if (Refuse_While_Playing("Load Playbook", "Can't load a playbook while playing games."))
        return;
    Run_Load_Playbook_Dialog(nSide);
    Redraw_Main_Window();
}

// Options stores the ticker's choice; the bar is the main window's, so it
// comes or goes here, once the dialog has closed.
void Options_Command()
{
    Run_Options_Dialog();
    // Automatic calling switched on during a watched game's wait makes the
    // open calls at once.
    Remake_Watched_Game_Calls();
    const bool bWanted = Get_User_Preference(PREF_NEWS_BAR) != 0;
    if (bWanted && !Is_News_Bar_Shown()) {
        Create_News_Bar();
        Start_Main_News_Ticker();
    } else if (!bWanted && Is_News_Bar_Shown()) {
        Destroy_News_Bar();
    }
}

void Did_You_Know_Command()
{
    bool bShowAtStartup = Read_Show_Hint_At_Startup();
    Run_Did_You_Know_Dialog(bShowAtStartup);
    if (bShowAtStartup != Read_Show_Hint_At_Startup() && !Store_Show_Hint_At_Startup(bShowAtStartup))
        Report_Error("the start-up hint choice could not be stored in %s", __func__);
}

void Play_Multiple_Seasons_Command()
{
    // In the last season the records keep there is none left to offer.
    if (Count_Seasons_Left() < 1) {
        Refuse_Season_Past_Records("Play Multiple Seasons");
        return;
    }
    const int nSeasons = Do_Dialog(PLAY_MULTIPLE_SEASONS_DIALOG, "Play Multiple Seasons",
                                   Play_Multiple_Seasons_Dialog_Proc);
    if (nSeasons >= 1)
        Play_Multiple_Seasons(nSeasons);
    After_League_Changed();
}

// The rosters as a text file for the user to read or print: nothing reads
// it back, so the note before it tells only where it goes. A file that cannot
// be written was told by its box; the step fails.
void Output_Rosters_Text_Command()
{
    Show_Message_Box("This will create a ROSTERS.TXT file in your 'Output' directory.", "Output Rosters",
                     BOX_OK | BOX_ICON_INFORMATION);
    std::string Problem;
    if (!Output_Rosters_Text(&Problem))
        Note_Refused_Step(Problem);
}

int Clamp(int n, int nLow, int nHigh)
{
    return n < nLow ? nLow : n > nHigh ? nHigh : n;
}

void Show_Last_Year(DIALOG& Dialog)
{
    Dialog.Set_Text(PMS_LAST_YEAR_EDIT,
                    std::to_string(Get_Current_Year() + Get_User_Preference(PREF_SIMULATION_SEASONS) - 1));
}

}  // namespace

namespace {
// The heading F7 opened last, and on which page.
int g_nStatKeyPage = -1;
int g_nStatKeySlot = -1;
}  // namespace

bool Choose_Next_Page_Statistic()
{
    const int nPage = Get_User_Preference(PREF_MAIN_PAGE);
    // The page's headings, each slot once (the Standings repeat theirs per
    // division), in reading order.
    std::vector<PAGE_STAT_HEADING> Headings;
    if (!Is_Game_View_Shown())
        for (const PAGE_STAT_HEADING& Heading : Layout_Main_Page(nPage).StatHeadings) {
            bool bSeen = false;
            for (const PAGE_STAT_HEADING& Kept : Headings)
                bSeen = bSeen || Kept.nSlot == Heading.nSlot;
            if (!bSeen)
                Headings.push_back(Heading);
        }
    if (Headings.empty()) {
        Show_Message_Box("This page has no statistic to choose. The front page, the Standings, the Calendar and "
                         "the Games page have headings whose statistic F7 chooses.",
                         "Choose Statistic", BOX_OK | BOX_ICON_INFORMATION);
        return false;
    }
    // The first, then on each further press the one after the heading
    // opened last on this page, round again after the last.
    size_t nNext = 0;
    if (nPage == g_nStatKeyPage)
        for (size_t i = 0; i < Headings.size(); ++i)
            if (Headings[i].nSlot == g_nStatKeySlot)
                nNext = (i + 1) % Headings.size();
    g_nStatKeyPage = nPage;
    g_nStatKeySlot = Headings[nNext].nSlot;
    return Choose_Page_Statistic(Headings[nNext].nSlot, Headings[nNext].nDialog);
}

std::string Get_Page_Statistic_Title(int nSlot, int nDialog)
{
    if (nDialog != CHOOSE_LEADER_STAT_DIALOG)
        return "Choose Stat";
    const int nHeading = nSlot - FIRST_LEADER_HEADING_SLOT;
    if (nHeading < 0 || nHeading >= LEADER_HEADING_SLOTS)
        return "Leader Heading";
    // The front page's four headings open the same dialog: the title says
    // which one it changes, and what that one shows now.
    return "Leader Heading " + std::to_string(nHeading + 1) + " of " + std::to_string(LEADER_HEADING_SLOTS) +
           " (now " + Get_Leader_Heading_Caption(Get_Page_Stat_Choice(nSlot, LEADER_HEADING_CODES)) + ")";
}

bool Choose_Page_Statistic(int nSlot, int nDialog)
{
    if (nDialog != CHOOSE_TEAM_STAT_DIALOG && nDialog != CHOOSE_LEADER_STAT_DIALOG &&
        nDialog != CHOOSE_FRANCHISE_STAT_DIALOG && nDialog != CHOOSE_GAME_STAT_DIALOG)
        return false;
    Set_User_Preference(PREF_CHOOSE_STAT_COLUMN, nSlot);
    const std::string Title = Get_Page_Statistic_Title(nSlot, nDialog);
    if (Do_Dialog(nDialog, Title.c_str(), Choose_Stat_Dialog) != 1)
        return false;
    Reset_Page_Cache();
    Redraw_Main_Window();
    return true;
}

const MAIN_COMMAND* Get_Main_Commands(size_t& nCount)
{
    nCount = COMMAND_COUNT;
    return COMMANDS;
}

const MAIN_COMMAND* Find_Main_Command(int nId)
{
    for (const MAIN_COMMAND& Command : COMMANDS)
        if (Command.nId == nId)
            return &Command;
    for (const MAIN_COMMAND& Command : GAME_COMMANDS)
        if (Command.nId == nId)
            return &Command;
    return nullptr;
}

int Find_Main_Command_Id(const char* szNameOrId)
{
    if (szNameOrId == nullptr || szNameOrId[0] == '\0')
        return 0;
    char* pEnd = nullptr;
    errno = 0;
    const long nId = std::strtol(szNameOrId, &pEnd, 10);
    if (*pEnd == '\0' && errno == 0)
        return nId > 0 && nId < 65536 && Find_Main_Command(static_cast<int>(nId)) ? static_cast<int>(nId) : 0;
    const std::string Name = Plain_Menu_Text(szNameOrId);
    // The fantasy-draft item's other label names it too.
    if (strcasecmp(Name.c_str(), "End Fantasy Draft") == 0)
        return CMD_FANTASY_DRAFT_TOOL;
    for (const MAIN_COMMAND& Command : COMMANDS)
        if (strcasecmp(Command.szName, Name.c_str()) == 0)
            return Command.nId;
    for (const MAIN_COMMAND& Command : GAME_COMMANDS)
        if (strcasecmp(Command.szName, Name.c_str()) == 0)
            return Command.nId;
    return 0;
}

int Load_Accelerator_Table(int nTable)
{
    if (nTable != MAIN_ACCELERATOR_TABLE)
        return 0;
    g_bAcceleratorsLoaded = true;
    int nKeys = 0;
    for (const MAIN_COMMAND& Command : COMMANDS)
        nKeys += Command.szAccelerator[0] != '\0';
    return nKeys;
}

int Translate_Accelerator(const char* szKey)
{
    if (!g_bAcceleratorsLoaded || szKey == nullptr || szKey[0] == '\0')
        return 0;
    for (const MAIN_COMMAND& Command : COMMANDS)
        if (Command.szAccelerator[0] != '\0' && strcasecmp(Command.szAccelerator, szKey) == 0)
            return Command.nId;
    return 0;
}

int Days_For_Play_Command(int nCommand)
{
    switch (nCommand) {
    case CMD_PLAY_ONE_WEEK:
        return ONE_WEEK_DAYS;
    case CMD_PLAY_ONE_MONTH:
        return ONE_MONTH_DAYS;
    case CMD_PLAY_HALF_SEASON:
        return HALF_SEASON_DAYS;
    case CMD_PLAY_THROUGH_PLAYOFFS:
        return THROUGH_PLAYOFFS_DAYS;
    case CMD_PLAY_TRADING_DEADLINE:
        return TRADING_DEADLINE_WEEK - Get_Current_Week();
    default:
        return 0;
    }
}

bool Exit_Program()
{
    if (Refuse_While_Playing("Exit Game", "Can't exit while playing games."))
        return false;
    if (Ask_Save_Changes() == 0)
        return false;
    if (Store_Main_Window_Rectangle(Get_Main_Window_Rectangle(), false))
        Write_Debug_Log("Main window rectangle stored in \"%s\"", OWNER_HALL_OF_FAME_FILE);
    Post_Quit_Message(0);
    return true;
}

void Close_Main_Window()
{
    // The window's close box during work under a progress window (a league
    // being set up), or between the windows of a league being replaced: the
    // work is never left half done, so the close is ignored.
    const char* szWork = ui::Progress().Open ? ui::Progress().Title.c_str() : g_szLeagueBeingMade;
    if (szWork != nullptr) {
        Write_Debug_Log("The main window's close was ignored: \"%s\" is under way", szWork);
        return;
    }
    Exit_Program();
}

bool Dispatch_Main_Command(int nCommand)
{
    if (Find_Main_Command(nCommand) == nullptr)
        return false;
    switch (nCommand) {
    case CMD_NEW_GAME:
        New_Game_Command();
        break;
    case CMD_RESUME_GAME:
        Resume_Game_Command();
        break;
    case CMD_SAVE_GAME:
        Save_Game_Command();
        break;
    case CMD_RETIRE:
        Retire_Command();
        break;
    case CMD_EXIT:
        Exit_Program();
        break;
    case CMD_PLAY_ONE_WEEK:
    case CMD_PLAY_ONE_MONTH:
    case CMD_PLAY_HALF_SEASON:
    case CMD_PLAY_TRADING_DEADLINE:
    case CMD_PLAY_THROUGH_PLAYOFFS:
        Play_Command(nCommand);
        break;
    case CMD_PLAY_MULTIPLE_SEASONS:
        Play_Multiple_Seasons_Command();
        break;
    case CMD_STOP_SIMULATION:
        Stop_Simulation();
        break;
    case CMD_LOAD_OFFENSIVE_PLAYBOOK:
    case CMD_LOAD_DEFENSIVE_PLAYBOOK:
        Load_Playbook_Command(nCommand == CMD_LOAD_OFFENSIVE_PLAYBOOK ? PLAYBOOK_OFFENSE : PLAYBOOK_DEFENSE);
        break;
    case CMD_SAVE_OFFENSIVE_PLAYBOOK:
    case CMD_SAVE_DEFENSIVE_PLAYBOOK:
        Run_Save_Playbook_Dialog(nCommand == CMD_SAVE_OFFENSIVE_PLAYBOOK ? PLAYBOOK_OFFENSE : PLAYBOOK_DEFENSE);
        break;
    case CMD_FINISH_QUARTER:
        Finish_Current_Quarter();
        break;
    case CMD_FINISH_GAME:
        Finish_Current_Game();
        break;
    case CMD_TIMEOUT:
        Call_User_Timeout();
        break;
    case CMD_SORTABLE_STATS:
        Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
        Redraw_Main_Window();
        break;
    case CMD_FREE_AGENTS:
        Run_Sortable_Stats(FREE_AGENTS_DIALOG);
        Redraw_Main_Window();
        break;
    case CMD_COLLEGE_DRAFT_LIST:
        // During a fantasy draft the item reads "Draft Picks": that draft's
        // picks, not the college draft's empty list.
        if (Get_Universe_Stat(FANTASY_DRAFT_RUNNING) == FANTASY_DRAFT_UNDER_WAY) {
            Set_Sortable_Stats_Group(GROUP_DRAFTED);
            Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
        } else {
            Run_Sortable_Stats(COLLEGE_DRAFT_DIALOG);
        }
        Redraw_Main_Window();
        break;
    case CMD_END_DRAFT:
        End_College_Draft_Command();
        break;
    case CMD_START_DRAFT:
        Start_College_Draft_Command();
        break;
    case CMD_FANTASY_DRAFT_TOOL:
        Fantasy_Draft_Command();
        break;
    case CMD_FIND_PLAYERS:
        Do_Dialog(FIND_PLAYERS_DIALOG, "Find Players", Find_Players_Dialog);
        Redraw_Main_Window();
        break;
    case CMD_CHOOSE_PAGE_STAT:
        Choose_Next_Page_Statistic();
        break;
    case CMD_PAGE_FRONT:
        Set_Main_View_Page(MAIN_PAGE_FRONT);
        break;
    case CMD_PAGE_DRAFT:
        // Asked again while the Draft page is shown, the page turns to its
        // next round: the tabs are otherwise reached only by a click.
        if (Get_User_Preference(PREF_MAIN_PAGE) == MAIN_PAGE_DRAFT)
            Draft_Page_Next_Round();
        else
            Set_Main_View_Page(MAIN_PAGE_DRAFT);
        break;
    case CMD_VIEW_OTHER_TEAM:
        Do_Dialog(OTHER_TEAM_DIALOG, "Other Team", Other_Team_Dialog);
        Redraw_Main_Window();
        break;
    case CMD_TEAM_HISTORY:
        Do_Dialog(HISTORY_DIALOG, "History", History_Dialog);
        break;
    case CMD_HALL_OF_FAME:
        Do_Dialog(HALL_OF_FAME_DIALOG, "Hall Of Fame", Hall_Of_Fame_Dialog);
        break;
    case CMD_PRINT:
        Do_Dialog(PRINT_DIALOG, "Print", Print_Stats_Dialog);
        break;
    case CMD_PLAYBOOK_EDITOR:
        Do_Dialog(PLAYBOOK_EDITOR_DIALOG, "Playbook Editor", Playbook_Editor_Dialog);
        Redraw_Main_Window();
        break;
    case CMD_LEAGUE_EDITOR:
        Do_League_Editor();
        Redraw_Main_Window();
        break;
    case CMD_STADIUM_EDITOR:
        // Named with its procedure, which also links the editor's template in.
        Do_Dialog(STADIUM_EDITOR_DIALOG, "Stadium Editor", Stadium_Editor_Dialog_Proc);
        Redraw_Main_Window();
        break;
    case CMD_CITY_EDITOR:
        Do_Dialog(CITY_EDITOR_DIALOG, "City Editor", City_Editor_Dialog);
        Redraw_Main_Window();
        break;
    case CMD_ADVANCED_TOOLS:
        // Its database builds leave the league they built in memory.
        Show_Advanced_Tools();
        After_League_Changed();
        break;
    case CMD_SEASON_SIMULATOR:
        Run_Season_Simulator();
        Redraw_Main_Window();
        break;
    case CMD_VIEW_ENCYCLOPEDIA:
        Show_Encyclopedia_Dialog();
        break;
    case CMD_OPTIONS:
        Options_Command();
        break;
    case CMD_DATABASE_NOTES:
        Run_Database_Notes_Dialog();
        break;
    case CMD_INJURY_CONTINGENCY:
        Run_Injury_Contingency_Dialog();
        break;
    case CMD_IMPORT_STATISTICS:
        Download_Football_Data();
        break;
    case CMD_OUTPUT_ROSTERS_TEXT:
        Output_Rosters_Text_Command();
        break;
    case CMD_DID_YOU_KNOW:
        Did_You_Know_Command();
        break;
    case CMD_STROKE_TESTER:
        // A developer's tool: without its start-up flag the command is not there.
        if ((Get_Startup_Flags() & FLAG_DTXT_AGG) != 0)
            Run_Stroke_Tester_Dialog();
        break;
    default:
        // The page commands.
        Set_Main_View_Page(nCommand);
        break;
    }
    return true;
}

namespace {

// The count of seasons is the up-down's position; the edit, its buddy, shows
// the last season it reaches (so the arrows leave its text to the procedure),
// and Up and Down there move the up-down as its arrows do.
constexpr CONTROL_TEMPLATE PMS_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Current season:", {10, 10, 72, 10}},
    {PMS_CURRENT_YEAR_LABEL, CONTROL_LABEL, "", {86, 10, 40, 10}},
    {-1, CONTROL_LABEL, "Play &through season:", {10, 28, 72, 10}},
    {PMS_LAST_YEAR_EDIT, CONTROL_EDIT, "", {86, 26, 40, 14}, CS_GROUP | CS_TEXT_PUT_BACK, 4},
    {PMS_SEASONS_SPINNER, CONTROL_UPDOWN, "", {127, 26, 11, 14}, CS_KEEP_BUDDY_TEXT, 0, 1, 100, PMS_LAST_YEAR_EDIT},
    {-1, CONTROL_LABEL, "Use the arrows to change the number of seasons.", {10, 46, 180, 10}},
    {DIALOG_OK, CONTROL_BUTTON, "&OK", {86, 66, 50, 16}, CS_DEFAULT | CS_GROUP},
    {DIALOG_CANCEL, CONTROL_BUTTON, "&Cancel", {142, 66, 50, 16}},
};
constexpr DIALOG_TEMPLATE PMS_TEMPLATE{
    PLAY_MULTIPLE_SEASONS_DIALOG, "Play Multiple Seasons", 200, 90, 0, 0, 0, PMS_CONTROLS, "playseasons"};
constexpr int PMS_USED_IDS[] = {PMS_CURRENT_YEAR_LABEL, PMS_LAST_YEAR_EDIT, PMS_SEASONS_SPINNER, DIALOG_OK,
                                DIALOG_CANCEL};
const DIALOG_REGISTRAR PMS_REGISTRAR(PLAY_MULTIPLE_SEASONS_DIALOG, PMS_TEMPLATE, Play_Multiple_Seasons_Dialog_Proc,
                                     PMS_USED_IDS);

}  // namespace

void Play_Multiple_Seasons_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    // Only the seasons the league's records still have room for are offered.
    const int nMost = Clamp(Count_Seasons_Left(), 1, 100);
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Set_User_Preference(PREF_SIMULATION_SEASONS, Clamp(5, 1, nMost));
        Dialog.Set_Text(PMS_CURRENT_YEAR_LABEL, std::to_string(Get_Current_Year()));
        Dialog.Set_Range(PMS_SEASONS_SPINNER, 1, nMost);
        Dialog.Set_Position(PMS_SEASONS_SPINNER, Get_User_Preference(PREF_SIMULATION_SEASONS));
        Dialog.Set_Text(PMS_LAST_YEAR_EDIT,
                        std::to_string(Get_Current_Year() - 1 + Clamp(Get_User_Preference(PREF_SIMULATION_SEASONS), 1, 50)));
        return;
    }
    if (nEvent == DIALOG_SCROLL && nControl == PMS_SEASONS_SPINNER) {
        Set_User_Preference(PREF_SIMULATION_SEASONS, Clamp(Dialog.Event().nPosition, 1, nMost));
        Show_Last_Year(Dialog);
        return;
    }
    if (nEvent != DIALOG_COMMAND || !Dialog.Is_Change_Command())
        return;
    switch (nControl) {
    case PMS_LAST_YEAR_EDIT:
        // Only the spinner changes the count: typed text is put back.
        Show_Last_Year(Dialog);
        break;
    case DIALOG_OK:
        if (Show_Message_Box("The 'Play Multiple Seasons' tool is used to simulate multiple seasons without any "
                             "intervention by the user.\n\nDuring simulation, all teams will be controlled by the "
                             "computer.\n\nIs this OK?",
                             "Play Multiple Seasons", BOX_OKCANCEL | 0x10) == ID_OK)
            Dialog.End(Get_User_Preference(PREF_SIMULATION_SEASONS));
        break;
    case DIALOG_CANCEL:
        Dialog.End(-1);
        break;
    default:
        break;
    }
}

// The main window's menu as a command table, accelerator table 101 and the
// dispatch of menu commands by command id.
#pragma once

#include <cstddef>
#include <string>

#include "platform/dialogs.h"

// Command ids. The page commands are those the pages and the day advance
// use; the rest are ours and stay as they are (scripts name them).
enum MAIN_COMMAND_ID : int {
    CMD_NEW_GAME = 40001,
    CMD_RESUME_GAME = 40002,
    CMD_SAVE_GAME = 40003,
    CMD_EXIT = 40004,
    CMD_RETIRE = 40005,
    CMD_PLAY_ONE_WEEK = 40011,
    CMD_PLAY_ONE_MONTH = 40012,
    CMD_PLAY_HALF_SEASON = 40013,
    CMD_PLAY_TRADING_DEADLINE = 40014,
    CMD_PLAY_THROUGH_PLAYOFFS = 40015,
    CMD_STOP_SIMULATION = 40016,
    CMD_START_DRAFT = 40020,          // the off-season's college draft, when it waits to be started
    CMD_PAGE_STANDINGS = 40030,
    CMD_PAGE_CALENDAR = 40036,
    CMD_PAGE_PLAYOFFS = 40069,
    CMD_PAGE_CHAMPIONS = 40074,
    CMD_PAGE_GAMES = 40086,
    CMD_PLAY_MULTIPLE_SEASONS = 40099,
    CMD_LOAD_OFFENSIVE_PLAYBOOK = 40141,
    CMD_LOAD_DEFENSIVE_PLAYBOOK = 40142,
    CMD_SAVE_OFFENSIVE_PLAYBOOK = 40143,
    CMD_SAVE_DEFENSIVE_PLAYBOOK = 40144,
    CMD_FREE_AGENTS = 40038,
    CMD_COLLEGE_DRAFT_LIST = 40085,   // the college draft's list (main_menu.h names it CMD_COLLEGE_DRAFT too)
    CMD_FANTASY_DRAFT_TOOL = 40088,   // start or end a fantasy draft (main_menu.h: CMD_FANTASY_DRAFT)
    CMD_END_DRAFT = 40089,            // the college draft's end: the computer makes every remaining pick
    CMD_SORTABLE_STATS = 40096,
    CMD_VIEW_OTHER_TEAM = 40040,
    CMD_HALL_OF_FAME = 40042,
    CMD_FIND_PLAYERS = 40056,
    CMD_TEAM_HISTORY = 40091,
    CMD_PRINT = 40065,
    CMD_PLAYBOOK_EDITOR = 40115,
    CMD_LEAGUE_EDITOR = 40079,
    CMD_STADIUM_EDITOR = 40055,
    CMD_CITY_EDITOR = 40078,
    CMD_ADVANCED_TOOLS = 40094,
    CMD_VIEW_ENCYCLOPEDIA = 40112,
    CMD_SEASON_SIMULATOR = 40135,
    CMD_OPTIONS = 40061,
    CMD_DATABASE_NOTES = 40087,
    CMD_INJURY_CONTINGENCY = 40077,
    CMD_IMPORT_STATISTICS = 40075,   // the statistics importer (Download_Football_Data)
    CMD_DID_YOU_KNOW = 40156,
    CMD_STROKE_TESTER = 40184,   // only under the start-up flag "DTXT_AGG"
    CMD_CHOOSE_PAGE_STAT = 40190,   // ours: the page's statistic headings, one a press
    CMD_PAGE_FRONT = 40191,         // ours: the front page (page 0, which no command id can be)
    CMD_OUTPUT_ROSTERS_TEXT = 40192,   // ours: "Output\\rosters.txt", every club's players and the free agents
    CMD_PAGE_DRAFT = 40070,         // the Draft page
};

constexpr int MAIN_ACCELERATOR_TABLE = 101;
constexpr int PLAY_MULTIPLE_SEASONS_DIALOG = 179;
// Controls of dialog 179.
constexpr int PMS_CURRENT_YEAR_LABEL = 1020;
constexpr int PMS_LAST_YEAR_EDIT = 1078;
constexpr int PMS_SEASONS_SPINNER = 1138;   // up-down: its position is the count of seasons

// Days each Play command asks Advance_Day for; Through Trading Deadline asks
// for TRADING_DEADLINE_WEEK less the current week.
constexpr int ONE_WEEK_DAYS = 1;
constexpr int ONE_MONTH_DAYS = 4;
constexpr int HALF_SEASON_DAYS = 8;
constexpr int THROUGH_PLAYOFFS_DAYS = 22;
constexpr int TRADING_DEADLINE_WEEK = 11;

struct MAIN_COMMAND {
    int nId;
    const char* szMenu;          // the menu it is in
    const char* szName;          // its menu text without '&' and "..."
    const char* szAccelerator;   // its key in table 101, "" for none
};

// The whole menu, in menu order.
const MAIN_COMMAND* Get_Main_Commands(size_t& nCount);
// The command of an id; null when there is none.
const MAIN_COMMAND* Find_Main_Command(int nId);
// A command named by its id ("40011") or its name ("One Week", any case,
// '&' and a trailing "..." ignored); 0 when nothing matches.
int Find_Main_Command_Id(const char* szNameOrId);

// Loads an accelerator table; the number of keys it holds, 0 when there is
// no table of that id.
int Load_Accelerator_Table(int nTable);
// The command of a key ("Ctrl+1", any case) in the loaded table; 0 when the
// key is not in it or no table was loaded.
int Translate_Accelerator(const char* szKey);

// Carries out a menu command as the main window does. False for an id the
// menu does not have (nothing happens then).
bool Dispatch_Main_Command(int nCommand);
// The window's close box (the only way it acts): ignored, and the log says
// so, while a progress window is up or New Game or Resume Game is replacing
// the league; refused while games are being played; else as Exit.
void Close_Main_Window();
// Exit: refused while games are being played; else the offer to save, and
// on anything but Cancel the window's rectangle is stored and the quit
// message posted. True when the program is to end.
bool Exit_Program();

// The Play commands' day counts: One Week 1, One Month 4, Half Season 8,
// Through Playoffs 22, Through Trading Deadline 11 less the current week;
// 0 for any other command.
int Days_For_Play_Command(int nCommand);

// Dialog 179, Play Multiple Seasons: closes with the number of seasons
// (preference 41) or -1.
void Play_Multiple_Seasons_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);

// Opens the Choose Stat dialog nDialog (143, 144, 145 or 163) for the
// preference slot nSlot (preference 44 names the slot; the dialog stores the
// index chosen there) and repaints the pages when a statistic was chosen.
// True when one was.
bool Choose_Page_Statistic(int nSlot, int nDialog);
// That dialog's title: "Choose Stat", and for one of the front page's four
// leader headings (slots 113-116) "Leader Heading 2 of 4 (now Rush Yards)".
std::string Get_Page_Statistic_Title(int nSlot, int nDialog);
// F7: the dialog of the shown page's first heading, and on each further press
// the next heading of the same page (the front page's four in turn); a box
// saying so on a page without one. True when a statistic was chosen.
bool Choose_Next_Page_Statistic();

#include "shell/main_menu.h"
#include "shell/draft_commands.h"

#include <strings.h>

#include <cstdlib>
#include <cstring>

#include "engine/game_driver.h"
#include "engine/watched_game.h"
#include "league/league_data.h"
#include "platform/errors.h"
#include "platform/menus.h"
#include "season/day_advance.h"
#include "shell/commands.h"
#include "shell/main_window.h"

namespace {

struct MENU_LABEL {
    int nId;
    const char* szLabel;
    bool bSeparatorBefore;
};

// The menu texts with their mnemonics, and where a separator goes.
const MENU_LABEL LABELS[] = {
    {CMD_NEW_GAME, "&New Game...", false},
    {CMD_RESUME_GAME, "&Resume Game...", false},
    {CMD_SAVE_GAME, "&Save Game...", false},
    {CMD_LOAD_OFFENSIVE_PLAYBOOK, "Load &Offensive Playbook...", true},
    {CMD_LOAD_DEFENSIVE_PLAYBOOK, "Load &Defensive Playbook...", false},
    {CMD_SAVE_OFFENSIVE_PLAYBOOK, "Save O&ffensive Playbook...", false},
    {CMD_SAVE_DEFENSIVE_PLAYBOOK, "Save D&efensive Playbook...", false},
    {CMD_PRINT, "&Print...", true},
    {CMD_RETIRE, "Re&tire...", true},
    {CMD_EXIT, "E&xit", true},
    {CMD_PLAY_ONE_WEEK, "One &Week", false},
    {CMD_PLAY_ONE_MONTH, "One &Month", false},
    {CMD_PLAY_HALF_SEASON, "&Half Season", false},
    {CMD_PLAY_TRADING_DEADLINE, "Through Trading &Deadline", false},
    {CMD_PLAY_THROUGH_PLAYOFFS, "Through &Playoffs", false},
    {CMD_START_DRAFT, "Start D&raft", true},
    {CMD_PLAY_MULTIPLE_SEASONS, "Play Multiple &Seasons...", true},
    {CMD_STOP_SIMULATION, "S&top", true},
    {CMD_PAGE_FRONT, "&Front Page", false},
    {CMD_PAGE_STANDINGS, "&Standings", false},
    {CMD_PAGE_CALENDAR, "&Calendar", false},
    {CMD_PAGE_GAMES, "&Games", false},
    {CMD_PAGE_PLAYOFFS, "&Playoffs", false},
    {CMD_PAGE_CHAMPIONS, "C&hampions", false},
    {CMD_PAGE_DRAFT, "&Draft", false},
    {CMD_CHOOSE_PAGE_STAT, "Choose S&tatistic...", true},
    {CMD_SORTABLE_STATS, "So&rtable Stats...", false},
    {CMD_FREE_AGENTS, "Free &Agents...", false},
    {CMD_COLLEGE_DRAFT_LIST, "College &Draft...", false},
    {CMD_END_DRAFT, "&End Draft...", false},
    {CMD_FIND_PLAYERS, "&Find Players...", true},
    {CMD_VIEW_OTHER_TEAM, "View Other &Team...", false},
    {CMD_TEAM_HISTORY, "Team &History...", true},
    {CMD_HALL_OF_FAME, "&Player Hall Of Fame...", false},
    {CMD_PLAYBOOK_EDITOR, "Play&book...", true},
    {CMD_LEAGUE_EDITOR, "&League Editor...", false},
    {CMD_STADIUM_EDITOR, "&Stadium Editor...", false},
    {CMD_CITY_EDITOR, "&City Editor...", false},
    {CMD_ADVANCED_TOOLS, "&Advanced Tools...", false},
    {CMD_VIEW_ENCYCLOPEDIA, "View &Encyclopedia...", false},
    {CMD_SEASON_SIMULATOR, "Single Season Si&mulator...", false},
    {CMD_OPTIONS, "&Options...", false},
    {CMD_FANTASY_DRAFT_TOOL, "&Fantasy Draft...", true},
    {CMD_DATABASE_NOTES, "&Database Notes...", true},
    {CMD_INJURY_CONTINGENCY, "&Injury Contingency...", false},
    {CMD_IMPORT_STATISTICS, "Import &Statistics...", true},
    {CMD_OUTPUT_ROSTERS_TEXT, "Output &Rosters Text", false},
    {CMD_DID_YOU_KNOW, "&Did You Know?...", false},
    {CMD_STROKE_TESTER, "&AGG Tester...", true},
    {CMD_FINISH_QUARTER, "Finish &Quarter", false},
    {CMD_FINISH_GAME, "Finish &Game", false},
    {CMD_TIMEOUT, "Time&out", false},
};

const MENU_LABEL* Find_Label(int nId)
{
    for (const MENU_LABEL& Label : LABELS)
        if (Label.nId == nId)
            return &Label;
    return nullptr;
}

MAIN_MENU g_Menu;
int g_nBuilds = 0;
bool g_bEnabled = true;

// The draft items while a draft is under way: the fantasy draft's two
// relabelled (the college-draft item keeps its own key, Ctrl+C, which the
// key table still gives it), End Draft live only during the college draft.
// While the off-season's draft waits to be started, Start Draft is live and
// the week commands are greyed: on day 100 they move nothing on.
void Apply_Draft_State(MAIN_MENU_ITEM& Item)
{
    if (Item.nId == CMD_FANTASY_DRAFT || Item.nId == CMD_COLLEGE_DRAFT) {
        if (Get_Universe_Stat(FANTASY_DRAFT_RUNNING) >= 1)
            Item.Text = Get_Draft_Menu_Label(Item.nId, true);
    } else if (Item.nId == CMD_END_DRAFT) {
        Item.bEnabled = Is_End_Draft_Offered();
    } else if (Item.nId == CMD_START_DRAFT) {
        Item.bEnabled = Is_Start_Draft_Offered();
    } else if (Item.nId >= CMD_PLAY_ONE_WEEK && Item.nId <= CMD_PLAY_THROUGH_PLAYOFFS) {
        Item.bEnabled = !Is_Start_Draft_Offered();
    }
}

MAIN_MENU_ITEM Item_Of(const MAIN_COMMAND& Command)
{
    MAIN_MENU_ITEM Item;
    Item.nId = Command.nId;
    const MENU_LABEL* pLabel = Find_Label(Command.nId);
    Item.Text = pLabel != nullptr ? pLabel->szLabel : Command.szName;
    Item.Accelerator = Command.szAccelerator;
    Apply_Draft_State(Item);
    return Item;
}

void Add_Item(MAIN_MENU_POPUP& Popup, const MAIN_MENU_ITEM& Item)
{
    const MENU_LABEL* pLabel = Find_Label(Item.nId);
    if (pLabel != nullptr && pLabel->bSeparatorBefore && !Popup.Items.empty())
        Popup.Items.push_back(MAIN_MENU_ITEM{});
    Popup.Items.push_back(Item);
}

// A menu's title with its mnemonic: the first letter, but Tools takes its
// second, as Team has the T.
std::string Menu_Title(const char* szMenu)
{
    if (std::strcmp(szMenu, "Tools") == 0)
        return "T&ools";
    return std::string("&") + szMenu;
}

MAIN_MENU_POPUP& Popup_Named(MAIN_MENU& Menu, const char* szMenu)
{
    const std::string Title = Menu_Title(szMenu);
    for (MAIN_MENU_POPUP& Popup : Menu.Popups)
        if (Popup.Title == Title)
            return Popup;
    Menu.Popups.push_back(MAIN_MENU_POPUP{Title, {}});
    return Menu.Popups.back();
}

// Every command of the table, menu by menu in table order.
void Build_Normal_Menu(MAIN_MENU& Menu)
{
    size_t nCount = 0;
    const MAIN_COMMAND* pCommands = Get_Main_Commands(nCount);
    for (size_t i = 0; i < nCount; ++i) {
        // The stroke tester shows only under its start-up flag.
        if (pCommands[i].nId == CMD_STROKE_TESTER && (Get_Startup_Flags() & FLAG_DTXT_AGG) == 0)
            continue;
        Add_Item(Popup_Named(Menu, pCommands[i].szMenu), Item_Of(pCommands[i]));
    }
}

// While games are played: the game's own commands and the pages. Finish
// Quarter, Finish Game and Timeout are greyed unless the game being played
// is watched.
void Build_Game_In_Progress_Menu(MAIN_MENU& Menu)
{
    MAIN_MENU_POPUP Game{"&Game", {}};
    MAIN_MENU_POPUP View{"&View", {}};
    // Options too: automatic play calling may be switched during a game.
    MAIN_MENU_POPUP Tools{Menu_Title("Tools"), {}};
    const bool bWatched = Is_Watched_Game_Under_Way();
    for (int nId : {CMD_FINISH_QUARTER, CMD_FINISH_GAME, CMD_TIMEOUT}) {
        MAIN_MENU_ITEM Item;
        Item.nId = nId;
        Item.Text = Find_Label(nId)->szLabel;
        Item.bEnabled = bWatched;
        Add_Item(Game, Item);
    }
    size_t nCount = 0;
    const MAIN_COMMAND* pCommands = Get_Main_Commands(nCount);
    for (size_t i = 0; i < nCount; ++i) {
        if (pCommands[i].nId == CMD_STOP_SIMULATION)
            Add_Item(Game, Item_Of(pCommands[i]));
        else if (std::strcmp(pCommands[i].szMenu, "View") == 0)
            Add_Item(View, Item_Of(pCommands[i]));
        else if (pCommands[i].nId == CMD_OPTIONS)
            Add_Item(Tools, Item_Of(pCommands[i]));
    }
    Menu.Popups.push_back(Game);
    Menu.Popups.push_back(View);
    Menu.Popups.push_back(Tools);
}

void Carry_Out_Menu_Command(int nCommand)
{
    Dispatch_Main_Command(nCommand);
}

// The ui model's menu: the same popups and items, the whole bar greyed with
// the menu, and every key of table 101 (a key reaches its command only when
// the menu shown offers it).
void Mirror_To_Ui_Model(const MAIN_MENU& Menu)
{
    MENU& Model = menus::Main_Menu();
    Model.Items.clear();
    for (const MAIN_MENU_POPUP& Popup : Menu.Popups) {
        std::vector<MENU_ITEM> Items;
        for (const MAIN_MENU_ITEM& Item : Popup.Items) {
            if (Item.nId == 0) {
                Items.push_back(Menu_Separator());
                continue;
            }
            MENU_ITEM Entry = Menu_Command(Item.nId, Item.Text, Item.Accelerator);
            Entry.bEnabled = Item.bEnabled;
            Items.push_back(Entry);
        }
        Model.Items.push_back(Menu_Submenu(Popup.Title, Items));
    }
    Model.bAllGreyed = !Menu.bEnabled;
    // While a game is played the bar is greyed as each play is told, but a
    // watched game can always be left: between the plays of two computer
    // clubs nobody waits for a call, so there is no other moment to do it.
    Model.LiveWhileGreyed.clear();
    if (Menu.bGameMenu)
        Model.LiveWhileGreyed = {CMD_FINISH_QUARTER, CMD_FINISH_GAME, CMD_STOP_SIMULATION};
    // Stop ends a run of seasons from inside its off-season's steps too.
    Model.LiveWhileBusy = {CMD_STOP_SIMULATION};
    Model.Accelerators.clear();
    size_t nCount = 0;
    const MAIN_COMMAND* pCommands = Get_Main_Commands(nCount);
    for (size_t i = 0; i < nCount; ++i) {
        ACCELERATOR Accelerator;
        if (Parse_Accelerator_Key(pCommands[i].szAccelerator, Accelerator.nKey, Accelerator.nModifiers)) {
            Accelerator.nCommand = pCommands[i].nId;
            Model.Accelerators.push_back(Accelerator);
        }
    }
    menus::Set_Command_Handler(Carry_Out_Menu_Command);
    menus::Main_Menu_Changed();
}

}  // namespace

bool Parse_Accelerator_Key(const char* szKey, int& nKey, unsigned& nModifiers)
{
    nKey = 0;
    nModifiers = 0;
    if (szKey == nullptr)
        return false;
    const char* p = szKey;
    for (;;) {
        if (strncasecmp(p, "Ctrl+", 5) == 0) {
            nModifiers |= ACCEL_CTRL;
            p += 5;
        } else if (strncasecmp(p, "Shift+", 6) == 0) {
            nModifiers |= ACCEL_SHIFT;
            p += 6;
        } else if (strncasecmp(p, "Alt+", 4) == 0) {
            nModifiers |= ACCEL_ALT;
            p += 4;
        } else {
            break;
        }
    }
    if (p[0] != '\0' && p[1] == '\0') {
        const char c = p[0];
        if (c >= 'a' && c <= 'z')
            nKey = c - 'a' + 'A';
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            nKey = c;
    } else if ((p[0] == 'F' || p[0] == 'f') && p[1] >= '1' && p[1] <= '9') {
        char* pEnd = nullptr;
        const long n = std::strtol(p + 1, &pEnd, 10);
        if (*pEnd == '\0' && n >= 1 && n <= 12)
            nKey = KEY_F1 + static_cast<int>(n) - 1;
    } else if (strcasecmp(p, "Escape") == 0) {
        nKey = KEY_ESCAPE;
    } else if (strcasecmp(p, "Enter") == 0 || strcasecmp(p, "Return") == 0) {
        nKey = KEY_RETURN;
    } else if (strcasecmp(p, "Delete") == 0) {
        nKey = KEY_DELETE;
    } else if (strcasecmp(p, "Insert") == 0) {
        nKey = KEY_INSERT;
    }
    if (nKey == 0)
        nModifiers = 0;
    return nKey != 0;
}

bool Is_Watched_Game_Under_Way()
{
    const GAME* pGame = Get_Current_Game();
    return pGame != nullptr && Get_Displayed_Game() == pGame;
}

bool Is_Game_Menu_Due()
{
    return Get_Universe_Word(DAY_ADVANCE_BUSY_WORD) != 0 || Is_Simulation_In_Progress() ||
           Get_Current_Game() != nullptr;
}

void Build_Main_Menu()
{
    MAIN_MENU Menu;
    Menu.bGameMenu = Is_Game_Menu_Due();
    Menu.bEnabled = g_bEnabled;
    if (Menu.bGameMenu)
        Build_Game_In_Progress_Menu(Menu);
    else
        Build_Normal_Menu(Menu);
    g_Menu = Menu;
    ++g_nBuilds;
    Mirror_To_Ui_Model(g_Menu);
}

const MAIN_MENU& Get_Main_Menu()
{
    return g_Menu;
}

void Enable_Main_Menu(int bEnable)
{
    g_bEnabled = bEnable != 0;
    Build_Main_Menu();
}

const MAIN_MENU_ITEM* Find_Main_Menu_Item(int nId)
{
    if (nId == 0)
        return nullptr;
    for (const MAIN_MENU_POPUP& Popup : g_Menu.Popups)
        for (const MAIN_MENU_ITEM& Item : Popup.Items)
            if (Item.nId == nId)
                return &Item;
    return nullptr;
}

bool Choose_Main_Menu_Item(int nId)
{
    // The state may have moved on since the last rebuild (a run ended
    // inside the command before): judge by the menu due now.
    if (g_Menu.bGameMenu != Is_Game_Menu_Due())
        Build_Main_Menu();
    if (menus::Activate_Command(nId))
        return true;
    Write_Debug_Log("Menu command %d ignored: not offered by the menu shown", nId);
    return false;
}

int Press_Main_Window_Key(const char* szKey)
{
    const int nCommand = Translate_Accelerator(szKey);
    int nKey = 0;
    unsigned nModifiers = 0;
    if (nCommand == 0 || !Parse_Accelerator_Key(szKey, nKey, nModifiers))
        return 0;
    if (g_Menu.bGameMenu != Is_Game_Menu_Due())
        Build_Main_Menu();
    return menus::Press_Key(nKey, nModifiers) ? nCommand : 0;
}

const char* Get_Draft_Menu_Label(int nId, bool bRunning)
{
    if (nId == CMD_FANTASY_DRAFT)
        return bRunning ? "End &Fantasy Draft..." : "&Fantasy Draft...";
    if (nId == CMD_COLLEGE_DRAFT)
        return bRunning ? "&Draft Picks..." : "College &Draft...";
    return "";
}

const char* Get_Command_Help_Page(int nId)
{
    switch (nId) {
    case CMD_NEW_GAME:
    case CMD_RESUME_GAME:
    case CMD_SAVE_GAME:
    case CMD_RETIRE:
    case CMD_EXIT:
        return "filemenu";
    case CMD_LOAD_OFFENSIVE_PLAYBOOK:
    case CMD_LOAD_DEFENSIVE_PLAYBOOK:
        return "loadplaybook";
    case CMD_SAVE_OFFENSIVE_PLAYBOOK:
    case CMD_SAVE_DEFENSIVE_PLAYBOOK:
        return "saveplaybook";
    case CMD_PLAY_ONE_WEEK:
    case CMD_PLAY_ONE_MONTH:
    case CMD_PLAY_HALF_SEASON:
    case CMD_PLAY_TRADING_DEADLINE:
    case CMD_PLAY_THROUGH_PLAYOFFS:
    case CMD_PLAY_MULTIPLE_SEASONS:
    case CMD_STOP_SIMULATION:
    case CMD_START_DRAFT:
    case CMD_FINISH_QUARTER:
    case CMD_FINISH_GAME:
    case CMD_TIMEOUT:
        return "playing";
    case CMD_SORTABLE_STATS:
    case CMD_FREE_AGENTS:
    case CMD_COLLEGE_DRAFT_LIST:
        return "sortablestats";
    case CMD_FIND_PLAYERS:
        return "findplayers";
    case CMD_VIEW_OTHER_TEAM:
        return "otherteam";
    case CMD_TEAM_HISTORY:
        return "history";
    case CMD_HALL_OF_FAME:
        return "halloffame";
    case CMD_PRINT:
        return "printing";
    case CMD_PLAYBOOK_EDITOR:
        return "playdesigner";
    case CMD_LEAGUE_EDITOR:
        return "leagueeditor";
    case CMD_STADIUM_EDITOR:
        return "stadiumeditor";
    case CMD_CITY_EDITOR:
        return "cityeditor";
    case CMD_ADVANCED_TOOLS:
        return "advancedtools";
    case CMD_OPTIONS:
        return "options";
    case CMD_DATABASE_NOTES:
        return "databasenotes";
    case CMD_INJURY_CONTINGENCY:
        return "injurycontingency";
    case CMD_DID_YOU_KNOW:
        return "didyouknow";
    case 0:
    case CMD_PAGE_FRONT:
        return "frontpage";
    case CMD_PAGE_STANDINGS:
        return "standings";
    case CMD_PAGE_CALENDAR:
        return "calendar";
    case CMD_PAGE_GAMES:
        return "games";
    case CMD_PAGE_PLAYOFFS:
        return "playoffs";
    case CMD_PAGE_CHAMPIONS:
        return "champions";
    case CMD_PAGE_DRAFT:
        return "draft";
    default:
        return "mainwindow";
    }
}

int Get_Main_Menu_Builds()
{
    return g_nBuilds;
}

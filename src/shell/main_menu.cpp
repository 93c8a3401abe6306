#include "shell/main_menu.h"

#include <cstring>

#include "engine/game_driver.h"
#include "league/league_data.h"
#include "platform/errors.h"
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
    {CMD_RETIRE, "Re&tire...", false},
    {CMD_EXIT, "E&xit", true},
    {CMD_PLAY_ONE_WEEK, "One &Week", false},
    {CMD_PLAY_ONE_MONTH, "One &Month", false},
    {CMD_PLAY_HALF_SEASON, "&Half Season", false},
    {CMD_PLAY_TRADING_DEADLINE, "Through Trading &Deadline", false},
    {CMD_PLAY_THROUGH_PLAYOFFS, "Through &Playoffs", false},
    {CMD_PLAY_MULTIPLE_SEASONS, "Play Multiple &Seasons...", true},
    {CMD_STOP_SIMULATION, "S&top", true},
    {CMD_PAGE_STANDINGS, "&Standings", false},
    {CMD_PAGE_CALENDAR, "&Calendar", false},
    {CMD_PAGE_GAMES, "&Games", false},
    {CMD_PAGE_PLAYOFFS, "&Playoffs", false},
    {CMD_PAGE_CHAMPIONS, "C&hampions", false},
    {CMD_FINISH_QUARTER, "Finish &Quarter", false},
    {CMD_FINISH_GAME, "Finish &Game", false},
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
void (*g_pListener)() = nullptr;

MAIN_MENU_ITEM Item_Of(const MAIN_COMMAND& Command)
{
    MAIN_MENU_ITEM Item;
    Item.nId = Command.nId;
    const MENU_LABEL* pLabel = Find_Label(Command.nId);
    Item.Text = pLabel != nullptr ? pLabel->szLabel : Command.szName;
    Item.Accelerator = Command.szAccelerator;
    return Item;
}

void Add_Item(MAIN_MENU_POPUP& Popup, const MAIN_MENU_ITEM& Item)
{
    const MENU_LABEL* pLabel = Find_Label(Item.nId);
    if (pLabel != nullptr && pLabel->bSeparatorBefore && !Popup.Items.empty())
        Popup.Items.push_back(MAIN_MENU_ITEM{});
    Popup.Items.push_back(Item);
}

MAIN_MENU_POPUP& Popup_Named(MAIN_MENU& Menu, const char* szMenu)
{
    const std::string Title = std::string("&") + szMenu;
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
    for (size_t i = 0; i < nCount; ++i)
        Add_Item(Popup_Named(Menu, pCommands[i].szMenu), Item_Of(pCommands[i]));
}

// While games are played: the game's own commands and the pages. The two
// finishing commands stay greyed until the watched game brings them to life.
void Build_Game_In_Progress_Menu(MAIN_MENU& Menu)
{
    MAIN_MENU_POPUP Game{"&Game", {}};
    MAIN_MENU_POPUP View{"&View", {}};
    for (int nId : {CMD_FINISH_QUARTER, CMD_FINISH_GAME}) {
        MAIN_MENU_ITEM Item;
        Item.nId = nId;
        Item.Text = Find_Label(nId)->szLabel;
        Item.bEnabled = false;
        Add_Item(Game, Item);
    }
    size_t nCount = 0;
    const MAIN_COMMAND* pCommands = Get_Main_Commands(nCount);
    for (size_t i = 0; i < nCount; ++i) {
        if (pCommands[i].nId == CMD_STOP_SIMULATION)
            Add_Item(Game, Item_Of(pCommands[i]));
        else if (std::strcmp(pCommands[i].szMenu, "View") == 0)
            Add_Item(View, Item_Of(pCommands[i]));
    }
    Menu.Popups.push_back(Game);
    Menu.Popups.push_back(View);
}

}  // namespace

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
    if (g_pListener != nullptr)
        g_pListener();
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
    const MAIN_MENU_ITEM* pItem = Find_Main_Menu_Item(nId);
    if (!g_Menu.bEnabled || pItem == nullptr || !pItem->bEnabled) {
        Write_Debug_Log("Menu command %d ignored: not offered by the menu shown", nId);
        return false;
    }
    return Dispatch_Main_Command(nId);
}

int Press_Main_Window_Key(const char* szKey)
{
    const int nCommand = Translate_Accelerator(szKey);
    if (nCommand == 0)
        return 0;
    return Choose_Main_Menu_Item(nCommand) ? nCommand : 0;
}

const char* Get_Draft_Menu_Label(int nId, bool bRunning)
{
    if (nId == CMD_FANTASY_DRAFT)
        return bRunning ? "&End Fantasy Draft..." : "&Fantasy Draft...";
    if (nId == CMD_COLLEGE_DRAFT)
        return bRunning ? "&Draft Picks..." : "College &Draft...";
    return "";
}

const char* Get_Main_Menu_Label(int nId)
{
    const MENU_LABEL* pLabel = Find_Label(nId);
    return pLabel != nullptr ? pLabel->szLabel : "";
}

int Get_Main_Menu_Builds()
{
    return g_nBuilds;
}

void Set_Main_Menu_Listener(void (*pChanged)())
{
    g_pListener = pChanged;
}

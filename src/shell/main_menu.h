// The main window's menu bar: the normal menu built from the command table,
// the menu of a game in progress, the greyed state, the Play menu of the
// season's phase and the draft items' labels. Every build is copied into the
// ui model's main menu (platform/menus.h) with the keys of table 101, which
// a backend shows; an item chosen or a key pressed goes through the model
// (menus::Activate_Command / Press_Key), which carries out only what the
// menu shown offers.
#pragma once

#include <string>
#include <vector>

// Commands of the game-in-progress menu that the normal menu has not.
constexpr int CMD_FINISH_QUARTER = 40017;
constexpr int CMD_FINISH_GAME = 40018;
constexpr int CMD_TIMEOUT = 40019;
// The draft items Set_Draft_Menu_Items renames.
constexpr int CMD_COLLEGE_DRAFT = 40085;
constexpr int CMD_FANTASY_DRAFT = 40088;

struct MAIN_MENU_ITEM {
    int nId = 0;                 // 0: a separator
    std::string Text;            // with its '&' mnemonic ("One &Week")
    std::string Accelerator;     // its key of table 101 ("Ctrl+1"), "" for none
    bool bEnabled = true;
};

struct MAIN_MENU_POPUP {
    std::string Title;           // "&File"
    std::vector<MAIN_MENU_ITEM> Items;
};

struct MAIN_MENU {
    bool bGameMenu = false;      // the game-in-progress menu
    bool bEnabled = true;        // false: every top-level item greyed
    std::vector<MAIN_MENU_POPUP> Popups;
};

// The game menu's commands are live while the game being played is watched.
bool Is_Watched_Game_Under_Way();
// True while a run plays days or a game is current: the game-in-progress
// menu is shown exactly then, whatever a caller of Build_Game_Menu asked for.
bool Is_Game_Menu_Due();
// Rebuilds the menu for the program's state (the backend is told).
void Build_Main_Menu();
// The menu as it stands.
const MAIN_MENU& Get_Main_Menu();
// Greys (0) or enables every top-level item.
void Enable_Main_Menu(int bEnable);
// The item of an id in the menu shown; null when it offers none.
const MAIN_MENU_ITEM* Find_Main_Menu_Item(int nId);
// Carries out an item the user chose: only one the shown menu holds and
// that is enabled, and only while the menu is not greyed. True when the
// command ran.
bool Choose_Main_Menu_Item(int nId);
// A key of accelerator table 101 pressed in the main window: its command
// when the shown menu offers it (as above); 0 when it did nothing.
int Press_Main_Window_Key(const char* szKey);
// A key as table 101 names it ("Ctrl+1", "F2", "Escape", any case) in the
// ui model's terms (menus.h); false for a name it cannot read.
bool Parse_Accelerator_Key(const char* szKey, int& nKey, unsigned& nModifiers);
// The label of a draft item for a running draft (bRunning) or not:
// "&Fantasy Draft..." / "&End Fantasy Draft..." and "College &Draft..." /
// "&Draft Picks..."; "" for another id.
const char* Get_Draft_Menu_Label(int nId, bool bRunning);
// The help page ("Help/<name>.htm") of a command or of a page (0 the front
// page); "mainwindow" for anything else.
const char* Get_Command_Help_Page(int nId);
// How many times the menu was built (tests; a backend rebuilds its bar).
int Get_Main_Menu_Builds();

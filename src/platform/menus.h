// Menus: the main window's menu bar and popup menus as a model.
//
// The shell fills the main menu (from its command table) and changes it
// (enable, check, grey the whole bar); the backend shows it and sends an
// activated item or accelerator key back through menus::Activate_Command.
// Headless, popups answer from a queue and everything is recorded.
#pragma once

#include <string>
#include <vector>

struct MENU_ITEM {
    int nId = 0;                    // command id; 0 for a separator or a submenu's title
    std::string Text;               // "&" marks the mnemonic, "&&" a literal "&"
    std::string Accelerator;        // shown beside the text ("Ctrl+S", "F5")
    bool bEnabled = true;
    bool bChecked = false;
    bool bSeparator = false;
    std::vector<MENU_ITEM> Submenu; // not empty: this item opens a submenu
};

// Modifier bits of an accelerator.
constexpr unsigned ACCEL_CTRL = 0x1;
constexpr unsigned ACCEL_SHIFT = 0x2;
constexpr unsigned ACCEL_ALT = 0x4;

// A key bound to a command. nKey is the character for letters and digits
// (upper case: 'S'), else one of the KEY_* codes.
struct ACCELERATOR {
    int nKey = 0;
    unsigned nModifiers = 0;
    int nCommand = 0;
};

constexpr int KEY_F1 = 0x1001;   // F1..F12 follow on
constexpr int KEY_RETURN = 0x1020;
constexpr int KEY_ESCAPE = 0x1021;
constexpr int KEY_DELETE = 0x1022;
constexpr int KEY_INSERT = 0x1023;
constexpr int KEY_SPACE = ' ';

struct MENU {
    std::vector<MENU_ITEM> Items;
    // Every top-level item greyed at once (a run in progress): nothing of
    // the bar can be chosen while it holds, whatever each item says.
    bool bAllGreyed = false;
    // The commands that stay live while the bar is greyed (those that leave
    // a watched game: the game goes on playing while the bar is greyed).
    std::vector<int> LiveWhileGreyed;
    // Held while the progress window is open (a league being set up, a
    // season's steps): the work pumps the window's events, and a command
    // carried out inside it would act on a league half made. Only the
    // commands of LiveWhileBusy (the one that stops a run) stay live.
    bool bHeldByProgress = false;
    std::vector<int> LiveWhileBusy;
    std::vector<ACCELERATOR> Accelerators;   // main menu only
};

// Builders for the shell's tables.
MENU_ITEM Menu_Command(int nId, const std::string& Text, const std::string& Accelerator = std::string());
MENU_ITEM Menu_Separator();
MENU_ITEM Menu_Submenu(const std::string& Text, std::vector<MENU_ITEM> Items);

// The item of a command id anywhere in a menu; null when none.
MENU_ITEM* Find_Menu_Item(MENU& Menu, int nId);
const MENU_ITEM* Find_Menu_Item(const MENU& Menu, int nId);
// Whether a command can be chosen now: present, enabled with every submenu
// above it, the bar not greyed.
bool Is_Menu_Command_Available(const MENU& Menu, int nId);
// Whether the bar is greyed now: greyed by the shell or held by the
// progress window.
bool Is_Bar_Greyed(const MENU& Menu);
// Whether every hold on the bar leaves the command live: true when the bar
// is neither greyed nor held, else when the command is listed live for each
// hold (MENU::LiveWhileGreyed while greyed, MENU::LiveWhileBusy while held).
// The item's own state and its submenus' are not asked.
bool Bar_Leaves_Command_Live(const MENU& Menu, int nId);
// "&File" -> "File"; see Strip_Mnemonic (ui_text.h).

namespace menus {
// The main window's menu. Change it, then call Main_Menu_Changed().
MENU& Main_Menu();
void Main_Menu_Changed();
// Shortcuts that change the model and tell the backend.
void Enable_Command(int nId, bool bEnabled);
void Check_Command(int nId, bool bChecked);
void Grey_Main_Menu(bool bGreyed);
// The progress window's hold on the main menu (MENU::bHeldByProgress).
void Hold_Main_Menu_For_Progress(bool bHeld);
// What a chosen command does: the shell installs it.
void Set_Command_Handler(void (*pHandler)(int nCommand));
// The user chose a command (menu item or key): false, and nothing done,
// when it is not available now (greyed, disabled, unknown).
bool Activate_Command(int nId);
// A key pressed in the main window: the command of its accelerator, when
// that command is available; false when no available command has the key.
bool Press_Key(int nKey, unsigned nModifiers);
// Shows a popup menu at (x, y) and returns the chosen id, 0 when dismissed.
// Headless: the next queued choice, else 0; a queued id the menu cannot
// choose counts as dismissed.
int Track_Popup_Menu(const MENU& Menu, int x, int y);

// --- Headless records, for tests -----------------------------------------
void Queue_Popup_Choice(int nId);
// The next popup chooses the entry of this text ("&" marks ignored, any
// case); a menu with no such entry is dismissed (its record's nChosen 0).
void Queue_Popup_Choice_Text(const std::string& Text);
// For backends: the next queued choice (false: none), to click its item.
bool Take_Popup_Choice(int& nId);
// The same for the menu shown: a choice by text becomes the id of its
// entry, 0 when the menu has none.
bool Take_Popup_Choice(const MENU& Menu, int& nId);
size_t Pending_Popup_Choices();
void Clear_Popup_Choices();
struct POPUP_RECORD {
    std::vector<int> Ids;   // the menu's command ids, in order
    int x = 0;
    int y = 0;
    int nChosen = 0;
};
const std::vector<POPUP_RECORD>& Popups();
// Commands activated (by item or key), in order; refused ones not listed.
const std::vector<int>& Activated();
int Main_Menu_Changes();
void Reset();   // the main menu emptied, queues and records cleared
}  // namespace menus

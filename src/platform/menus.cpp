#include "platform/menus.h"

#include <deque>

#include "platform/dialogs.h"
#include "platform/ui_backend.h"

namespace {

MENU g_MainMenu;
void (*g_pCommandHandler)(int) = nullptr;
// A queued popup choice: a command id, or an entry's text when not empty.
struct POPUP_CHOICE {
    int nId = 0;
    std::string Text;
};
std::deque<POPUP_CHOICE> g_PopupChoices;

// The id of the entry whose text (marks ignored, any case) is Text; 0 none.
int Id_Of_Text(const std::vector<MENU_ITEM>& Items, const std::string& Text)
{
    for (const MENU_ITEM& Item : Items) {
        if (!Item.bSeparator && Item.Submenu.empty() && Item.nId != 0 && Same_Entry_Text(Item.Text, Text))
            return Item.nId;
        if (const int nId = Id_Of_Text(Item.Submenu, Text))
            return nId;
    }
    return 0;
}
std::vector<menus::POPUP_RECORD> g_Popups;
std::vector<int> g_Activated;
int g_nMainMenuChanges = 0;

template <typename ITEM>
ITEM* Find_In(std::vector<ITEM>& Items, int nId)
{
    for (ITEM& Item : Items) {
        if (!Item.bSeparator && Item.Submenu.empty() && Item.nId == nId && nId != 0)
            return &Item;
        if (ITEM* pFound = Find_In(Item.Submenu, nId))
            return pFound;
    }
    return nullptr;
}

// Whether nId is reachable under Items: each item on the way enabled.
bool Available_In(const std::vector<MENU_ITEM>& Items, int nId)
{
    for (const MENU_ITEM& Item : Items) {
        if (Item.bSeparator || !Item.bEnabled)
            continue;
        if (Item.Submenu.empty() && Item.nId == nId)
            return true;
        if (!Item.Submenu.empty() && Available_In(Item.Submenu, nId))
            return true;
    }
    return false;
}

void Collect_Ids(const std::vector<MENU_ITEM>& Items, std::vector<int>& Ids)
{
    for (const MENU_ITEM& Item : Items) {
        if (!Item.Submenu.empty())
            Collect_Ids(Item.Submenu, Ids);
        else if (!Item.bSeparator && Item.nId != 0)
            Ids.push_back(Item.nId);
    }
}

}  // namespace

MENU_ITEM Menu_Command(int nId, const std::string& Text, const std::string& Accelerator)
{
    MENU_ITEM Item;
    Item.nId = nId;
    Item.Text = Text;
    Item.Accelerator = Accelerator;
    return Item;
}

MENU_ITEM Menu_Separator()
{
    MENU_ITEM Item;
    Item.bSeparator = true;
    return Item;
}

MENU_ITEM Menu_Submenu(const std::string& Text, std::vector<MENU_ITEM> Items)
{
    MENU_ITEM Item;
    Item.Text = Text;
    Item.Submenu = std::move(Items);
    return Item;
}

MENU_ITEM* Find_Menu_Item(MENU& Menu, int nId)
{
    return Find_In(Menu.Items, nId);
}

const MENU_ITEM* Find_Menu_Item(const MENU& Menu, int nId)
{
    return Find_In(const_cast<MENU&>(Menu).Items, nId);
}

bool Is_Bar_Greyed(const MENU& Menu)
{
    return Menu.bAllGreyed || Menu.bHeldByProgress;
}

bool Bar_Leaves_Command_Live(const MENU& Menu, int nId)
{
    const auto Holds = [nId](const std::vector<int>& Live) {
        for (int nLive : Live)
            if (nLive == nId)
                return true;
        return false;
    };
    return (!Menu.bAllGreyed || Holds(Menu.LiveWhileGreyed)) && (!Menu.bHeldByProgress || Holds(Menu.LiveWhileBusy));
}

bool Is_Menu_Command_Available(const MENU& Menu, int nId)
{
    return nId != 0 && Bar_Leaves_Command_Live(Menu, nId) && Available_In(Menu.Items, nId);
}

namespace menus {

MENU& Main_Menu()
{
    return g_MainMenu;
}

void Main_Menu_Changed()
{
    ++g_nMainMenuChanges;
    const UI_BACKEND& Backend = Ui_Backend();
    if (Backend.Main_Menu_Changed != nullptr)
        Backend.Main_Menu_Changed(g_MainMenu);
}

void Enable_Command(int nId, bool bEnabled)
{
    if (MENU_ITEM* pItem = Find_Menu_Item(g_MainMenu, nId)) {
        pItem->bEnabled = bEnabled;
        Main_Menu_Changed();
    }
}

void Check_Command(int nId, bool bChecked)
{
    if (MENU_ITEM* pItem = Find_Menu_Item(g_MainMenu, nId)) {
        pItem->bChecked = bChecked;
        Main_Menu_Changed();
    }
}

void Grey_Main_Menu(bool bGreyed)
{
    g_MainMenu.bAllGreyed = bGreyed;
    Main_Menu_Changed();
}

void Hold_Main_Menu_For_Progress(bool bHeld)
{
    if (g_MainMenu.bHeldByProgress == bHeld)
        return;
    g_MainMenu.bHeldByProgress = bHeld;
    Main_Menu_Changed();
}

void Set_Command_Handler(void (*pHandler)(int nCommand))
{
    g_pCommandHandler = pHandler;
}

bool Activate_Command(int nId)
{
    if (!Is_Menu_Command_Available(g_MainMenu, nId))
        return false;
    g_Activated.push_back(nId);
    if (g_pCommandHandler != nullptr)
        g_pCommandHandler(nId);
    return true;
}

bool Press_Key(int nKey, unsigned nModifiers)
{
    for (const ACCELERATOR& Accelerator : g_MainMenu.Accelerators)
        if (Accelerator.nKey == nKey && Accelerator.nModifiers == nModifiers &&
            Is_Menu_Command_Available(g_MainMenu, Accelerator.nCommand))
            return Activate_Command(Accelerator.nCommand);
    return false;
}

int Track_Popup_Menu(const MENU& Menu, int x, int y)
{
    POPUP_RECORD Record;
    Collect_Ids(Menu.Items, Record.Ids);
    Record.x = x;
    Record.y = y;
    const UI_BACKEND& Backend = Ui_Backend();
    int nChosen = 0;
    if (Backend.Popup_Menu != nullptr) {
        nChosen = Backend.Popup_Menu(Menu, x, y);
    } else {
        Take_Popup_Choice(Menu, nChosen);
    }
    // Only an item the user could click counts.
    if (!Is_Menu_Command_Available(Menu, nChosen))
        nChosen = 0;
    Record.nChosen = nChosen;
    g_Popups.push_back(Record);
    return nChosen;
}

void Queue_Popup_Choice(int nId)
{
    g_PopupChoices.push_back(POPUP_CHOICE{nId, std::string()});
}

void Queue_Popup_Choice_Text(const std::string& Text)
{
    g_PopupChoices.push_back(POPUP_CHOICE{0, Text});
}

bool Take_Popup_Choice(int& nId)
{
    if (g_PopupChoices.empty())
        return false;
    nId = g_PopupChoices.front().nId;
    g_PopupChoices.pop_front();
    return true;
}

bool Take_Popup_Choice(const MENU& Menu, int& nId)
{
    if (g_PopupChoices.empty())
        return false;
    const POPUP_CHOICE Choice = g_PopupChoices.front();
    g_PopupChoices.pop_front();
    nId = Choice.Text.empty() ? Choice.nId : Id_Of_Text(Menu.Items, Choice.Text);
    return true;
}

size_t Pending_Popup_Choices()
{
    return g_PopupChoices.size();
}

void Clear_Popup_Choices()
{
    g_PopupChoices.clear();
}

const std::vector<POPUP_RECORD>& Popups()
{
    return g_Popups;
}

const std::vector<int>& Activated()
{
    return g_Activated;
}

int Main_Menu_Changes()
{
    return g_nMainMenuChanges;
}

void Reset()
{
    g_MainMenu = MENU{};
    g_PopupChoices.clear();
    g_Popups.clear();
    g_Activated.clear();
    g_nMainMenuChanges = 0;
}

}  // namespace menus

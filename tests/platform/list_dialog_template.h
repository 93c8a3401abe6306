// A test dialog of the player lists' kind: a report list of players keyed by
// team x 100 + slot (Name, Pos and Age columns with the codes 0, 7 and 12),
// a multi-select chooser list with a separator and tab stops, a note edit a
// button removes at run time, a button that retitles the dialog, another
// that moves it aside and back, and a popup menu on the list's right click.
// The model's tests and the desktop backend's use it.
#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/menus.h"

inline constexpr int LIST_DIALOG = 992;
inline constexpr int LIST_PLAYERS = 3002;
inline constexpr int LIST_CHOOSER = 3003;
inline constexpr int LIST_NOTE = 3004;
inline constexpr int LIST_REMOVE_NOTE = 3005;
inline constexpr int LIST_RETITLE = 3006;
inline constexpr int LIST_ASIDE = 3007;
inline constexpr int LIST_PLAIN = 3008;   // a single-select list: no popup, no toggling

// Column codes (tags).
inline constexpr int CODE_NAME = 0;
inline constexpr int CODE_POS = 7;
inline constexpr int CODE_AGE = 12;

// The popup's command ids.
inline constexpr int MENU_HIDE_COLUMN = 501;
inline constexpr int MENU_SORT_BY_AGE = 502;
inline constexpr int MENU_COPY = 503;

inline constexpr CONTROL_TEMPLATE LIST_CONTROLS[] = {
    {-1, CONTROL_LABEL, "&Players:", {6, 4, 60, 9}},
    {LIST_PLAYERS, CONTROL_REPORT, "", {6, 14, 228, 120},
     CS_ANCHOR_LEFT | CS_ANCHOR_TOP | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
    {LIST_CHOOSER, CONTROL_LIST, "", {240, 14, 94, 40}, CS_MULTI_SELECT | CS_ANCHOR_RIGHT | CS_ANCHOR_TOP},
    {LIST_PLAIN, CONTROL_LIST, "", {240, 60, 94, 30}, CS_ANCHOR_RIGHT | CS_ANCHOR_TOP},
    {LIST_NOTE, CONTROL_EDIT, "note", {240, 96, 94, 14}, CS_ANCHOR_RIGHT | CS_ANCHOR_TOP, 20},
    {LIST_REMOVE_NOTE, CONTROL_BUTTON, "Remove &Note", {240, 114, 94, 14}, CS_ANCHOR_RIGHT | CS_ANCHOR_TOP},
    {LIST_RETITLE, CONTROL_BUTTON, "Re&title", {6, 140, 50, 14}, CS_ANCHOR_LEFT | CS_ANCHOR_BOTTOM},
    {LIST_ASIDE, CONTROL_BUTTON, "&Aside", {60, 140, 50, 14}, CS_ANCHOR_LEFT | CS_ANCHOR_BOTTOM},
    {1, CONTROL_BUTTON, "&Done", {230, 140, 50, 14}, CS_DEFAULT | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
    {2, CONTROL_BUTTON, "Cancel", {284, 140, 50, 14}, CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
};
inline constexpr DIALOG_TEMPLATE LIST_TEMPLATE{
    LIST_DIALOG, "Players", 340, 160, DS_RESIZABLE, 300, 140, LIST_CONTROLS, "players"};

struct LIST_PLAYER {
    int nKey;   // team x 100 + slot
    const char* szName;
    const char* szPos;
    int nAge;
};

// Five players; two pairs share an age, so ties show the sort is stable.
inline const LIST_PLAYER LIST_PLAYERS_DATA[] = {
    {1203, "Ames", "QB", 31}, {105, "Bell", "RB", 24}, {3701, "Cole", "WR", 27},
    {208, "Dunn", "TE", 24},  {1210, "Eads", "K", 31},
};

// What the procedure heard, for the tests to read.
struct LIST_SEEN {
    static inline std::vector<std::string> Log;
    static inline int nPopupChoice = -1;
    static inline int nColumnTag = -1;
};

inline int List_Player_Age(int64_t nKey)
{
    for (const LIST_PLAYER& Player : LIST_PLAYERS_DATA)
        if (Player.nKey == nKey)
            return Player.nAge;
    return -1;
}

// Ages ascending (the sort by key: the model knows nothing of ages).
inline bool List_Age_Less(int64_t a, int64_t b, void*)
{
    return List_Player_Age(a) < List_Player_Age(b);
}

inline bool List_Name_Less(const DIALOG_ROW& a, const DIALOG_ROW& b, void*)
{
    return a.Cells[0] < b.Cells[0];
}

inline void Fill_List_Players(DIALOG& Dialog)
{
    Dialog.Begin_Update(LIST_PLAYERS);
    Dialog.Clear_Rows(LIST_PLAYERS);
    for (const LIST_PLAYER& Player : LIST_PLAYERS_DATA)
        Dialog.Add_Row(LIST_PLAYERS, Player.nKey, {Player.szName, Player.szPos, std::to_string(Player.nAge)});
    Dialog.End_Update(LIST_PLAYERS);
}

inline void List_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    const DIALOG_EVENT_INFO& E = Dialog.Event();
    switch (nEvent) {
    case DIALOG_INIT:
        Dialog.Build_Registered();
        Dialog.Add_Column(LIST_PLAYERS, CODE_NAME, "Name", 60, COLUMN_LEFT);
        Dialog.Add_Column(LIST_PLAYERS, CODE_POS, "Pos", 30, COLUMN_CENTER);
        Dialog.Add_Column(LIST_PLAYERS, CODE_AGE, "Age", 30, COLUMN_RIGHT);
        Fill_List_Players(Dialog);
        for (const char* szItem : {"Passing\t1", "Rushing\t2", "-----", "Receiving\t3", "Kic&king\t4"})
            Dialog.Add_Item(LIST_CHOOSER, szItem, szItem[0] == '-' ? -1 : 1);
        Dialog.Set_Tab_Stops(LIST_CHOOSER, {60});
        Dialog.Add_Item(LIST_PLAIN, "One");
        Dialog.Add_Item(LIST_PLAIN, "Two");
        break;
    case DIALOG_COMMAND:
        if (!Dialog.Is_Change_Command() && E.nNotification != NOTIFY_DOUBLE_CLICK)
            break;
        LIST_SEEN::Log.push_back("command " + std::to_string(nControl) + " " + std::to_string(E.nNotification));
        if (nControl == LIST_REMOVE_NOTE)
            Dialog.Remove(LIST_NOTE);
        else if (nControl == LIST_RETITLE)
            Dialog.Set_Title("Players (2026 Season)");
        else if (nControl == LIST_ASIDE)
            Dialog.Is_Aside() ? Dialog.Move_Back() : Dialog.Move_Aside();
        else if (nControl == LIST_CHOOSER && Dialog.Item_Data(LIST_CHOOSER, Dialog.Get_Caret_Index(LIST_CHOOSER)) < 0)
            // A separator never stays selected.
            Dialog.Set_Item_Selected(LIST_CHOOSER, Dialog.Get_Caret_Index(LIST_CHOOSER), false);
        else if (nControl == 1 || nControl == 2)
            Dialog.End(nControl);
        break;
    case DIALOG_NOTIFY:
        LIST_SEEN::Log.push_back("notify " + std::to_string(nControl) + " " + std::to_string(E.nNotification) +
                                 " row " + std::to_string(E.nRow) + " tag " + std::to_string(E.nTag));
        if (E.nNotification == LIST_COLUMN_CLICK) {
            LIST_SEEN::nColumnTag = E.nTag;
            if (E.nTag == CODE_AGE)
                Dialog.Sort_Rows_By_Key(nControl, List_Age_Less, nullptr);
            else if (E.nTag == CODE_NAME)
                Dialog.Sort_Rows(nControl, List_Name_Less, nullptr);
        } else if (E.nNotification == LIST_RIGHT_CLICK) {
            MENU Menu;
            Menu.Items = {Menu_Command(MENU_HIDE_COLUMN, "&Hide Column"), Menu_Separator(),
                          Menu_Command(MENU_SORT_BY_AGE, "Sort By &Age"), Menu_Command(MENU_COPY, "&Copy")};
            LIST_SEEN::nPopupChoice = menus::Track_Popup_Menu(Menu, E.x, E.y);
            if (LIST_SEEN::nPopupChoice == MENU_SORT_BY_AGE)
                Dialog.Sort_Rows_By_Key(nControl, List_Age_Less, nullptr);
        }
        break;
    default:
        break;
    }
}

inline constexpr int LIST_USED_IDS[] = {LIST_PLAYERS, LIST_CHOOSER, LIST_PLAIN, LIST_NOTE, LIST_REMOVE_NOTE,
                                        LIST_RETITLE, LIST_ASIDE, 1, 2};
inline const DIALOG_REGISTRAR LIST_REGISTRAR(LIST_DIALOG, LIST_TEMPLATE, List_Proc, LIST_USED_IDS);

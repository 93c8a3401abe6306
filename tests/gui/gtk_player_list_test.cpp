// The player list view on the desktop: a list of a small league shown in a
// dialog's report list, sorted by a header click on the real widgets, the
// column chooser opened over it, the copy read back from the desktop's
// clipboard; screenshots of both.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/column_chooser.h"
#include "league/list_columns.h"
#include "editors/player_list_view.h"
#include "gui_support.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/gtk/gtk_text.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

constexpr int PLAYERS_DIALOG = 9931;
constexpr int ID_PLAYERS = 100;

constexpr CONTROL_TEMPLATE PLAYERS_CONTROLS[] = {
    {ID_PLAYERS, CONTROL_REPORT, "", {6, 6, 388, 170}, CS_ANCHOR_LEFT | CS_ANCHOR_TOP | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
    {1, CONTROL_BUTTON, "&Done", {344, 182, 50, 14}, CS_DEFAULT | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
};
constexpr DIALOG_TEMPLATE PLAYERS_TEMPLATE{PLAYERS_DIALOG, "Players", 400, 202, DS_RESIZABLE, 400, 202, PLAYERS_CONTROLS};

PLAYER_LIST_VIEW g_View;

void Players_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    switch (nEvent) {
    case DIALOG_INIT:
        Dialog.Build_Registered();
        Attach_Player_List_View(g_View, Dialog, ID_PLAYERS, "LVD_Test");
        Set_List_Kind(0);
        Load_List_Column_Layout(g_View);
        Rebuild_Listview_Columns(g_View);
        Init_Player_List_View(g_View);
        for (int t : {0, 1, 36})
            for (int s = 0; s < 4; ++s)
                Add_Player_List_Row(g_View, t, s);
        Fill_Player_List(g_View);
        Sort_Player_List(g_View);
        break;
    case DIALOG_NOTIFY:
        Handle_Player_List_Event(g_View, nEvent, nControl);
        break;
    case DIALOG_COMMAND:
        if (nControl == 1 || nControl == 2)
            Dialog.End(nControl);
        break;
    case DIALOG_DESTROY:
        Save_List_Column_Layout(g_View);
        Detach_Player_List_View(g_View);
        break;
    default:
        break;
    }
}

constexpr int PLAYERS_USED_IDS[] = {ID_PLAYERS, 1};
const DIALOG_REGISTRAR PLAYERS_REGISTRAR(PLAYERS_DIALOG, PLAYERS_TEMPLATE, Players_Proc, PLAYERS_USED_IDS);

void Make_League()
{
    Zero_League_Data();
    Set_User_Preference(PREF_PERFECT_SCOUTING, 1);
    Set_Team_String("FRO", 0, TEAM_STRING_ABBREVIATION);
    Set_Team_String("PKS", 1, TEAM_STRING_ABBREVIATION);
    const char* First[12] = {"Abe", "Bob", "Cal", "Dan", "Eli", "Fay", "Gus", "Hal", "Ivo", "Jon", "Kit", "Lou"};
    const char* Last[12] = {"Zed", "Young", "Xavier", "Wolf", "Vance", "Ung", "Tate", "Stone", "Reyes", "Quinn", "Park", "Olsen"};
    const int Teams[3] = {0, 1, 36};
    for (int i = 0; i < 12; ++i) {
        const int t = Teams[i / 4];
        const int s = i % 4;
        Clear_Player(t, s);
        Set_Player_Vital_Stat(t, s, VITAL_PLAYER_ID, 700 + i);
        Set_Player_Vital_Stat(t, s, VITAL_POSITION, 0);   // one position: the grade follows the ratings
        Set_Player_Vital_Stat(t, s, VITAL_INJURY, -1);
        Set_Player_Vital_Stat(t, s, VITAL_CONTRACT_YEARS_LEFT, 1 + i % 4);
        Set_Player_Vital_Stat(t, s, VITAL_SALARY, 400 + 250 * i);
        Set_Player_Vital_Stat(t, s, VITAL_HEIGHT, 70 + i % 6);
        Set_Player_First_Name(t, s, First[i]);
        Set_Player_Last_Name(t, s, Last[i]);
        for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
            Set_Player_Rating(t, s, r, 50.0f + 4.0f * static_cast<float>(i));
    }
    Reset_List_Columns();
}

std::vector<std::string> g_Names;
std::string g_Copied;
std::string g_Expected;
bool g_ChooserShot = false;
bool g_ListShot = false;

void When_Shown(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    if (nDialogId == COLUMN_CHOOSER_DIALOG) {
        gtk_probe::Run_For(100);
        g_ChooserShot = gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("column_chooser"));
        return;
    }
    if (nDialogId != PLAYERS_DIALOG)
        return;
    gtk_probe::Run_For(100);
    g_ListShot = gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("player_list"));
    // Overall (model column 3) clicked on the widget: best first.
    gtk_probe::Click_Header(nDialogId, ID_PLAYERS, 3);
    gtk_probe::Run_For(50);
    for (int r = 0; r < gtk_probe::Report_Rows(nDialogId, ID_PLAYERS); ++r)
        g_Names.push_back(gtk_probe::Report_Cell(nDialogId, ID_PLAYERS, r, 0));
    g_Expected = Build_List_Clipboard_Text(g_View);
    Copy_List_To_Clipboard(g_View);
    Get_Clipboard_Text(g_Copied);
    // The chooser over the list: Weight on, then Done (the default).
    DIALOG_ACTION Toggle;
    Toggle.nKind = ACTION_TOGGLE;
    Toggle.nControl = IDC_CHOOSER_LIST;
    Toggle.Text = "Weight\tPlayer Weight";
    dialogs::Queue_Action(COLUMN_CHOOSER_DIALOG, Toggle);
    Run_Stat_Column_Chooser(g_View);
}

}  // namespace

TEST(GtkPlayerList, SortedByAHeaderClickCopiedAndItsColumnsChosen)
{
    REQUIRE_DESKTOP();
    Make_League();
    dialogs::Set_Unattended(true);
    g_Names.clear();
    gtk_probe::Set_Shown_Hook(When_Shown);
    EXPECT_EQ(Do_Dialog(PLAYERS_DIALOG), 1);
    gtk_probe::Set_Shown_Hook(nullptr);
    EXPECT_TRUE(g_ListShot);
    EXPECT_TRUE(g_ChooserShot);
    // Rated 50 + 4i: Olsen (i = 11) best, Zed (i = 0) last.
    ASSERT_EQ(g_Names.size(), 12u);
    EXPECT_EQ(g_Names.front(), "Olsen, Lou");
    EXPECT_EQ(g_Names.back(), "Zed, Abe");
    // The copy came back from the desktop as it went: the free agents' en
    // dash crossed as U+2013 and back. GTK hands text back with its line
    // ends as line feeds.
    std::string Expected;
    for (size_t i = 0; i < g_Expected.size(); ++i)
        if (!(g_Expected[i] == '\r' && i + 1 < g_Expected.size() && g_Expected[i + 1] == '\n'))
            Expected += g_Expected[i];
    EXPECT_EQ(g_Copied, Expected);
    EXPECT_NE(g_Copied.find("\t\x96\t"), std::string::npos);
    EXPECT_EQ(g_Copied.substr(0, 5), "Name\t");
    // The chooser's Weight stays, saved with the layout when the list closed.
    EXPECT_EQ(Get_User_Preference(240), 10);
    EXPECT_EQ(Get_User_Preference(242 + 9), 13);
    EXPECT_EQ(Get_User_Preference(241), 4);
}

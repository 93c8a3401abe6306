// The player lists' services on the desktop backend: the same list actions
// (rows by text and number, toggles, header clicks and drags by column
// code, popup entries) leave the same record on both backends; a list of
// 4,100 rows and 18 columns fills, sorts by a header click and shows the
// model's order, top row and cursor; a dragged header and a right click
// reach the model; the wait cursor, the size grip, a dialog moved aside and
// back, text measured in the list's font, tab-stop columns, and the
// clipboard's UTF-8 (the en dash 0x96 as U+2013).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui_support.h"
#include "platform/dialogs.h"
#include "platform/list_dialog_template.h"
#include "platform/menus.h"
#include "platform/ui_services.h"

namespace {

DIALOG_ACTION Act(int nKind, int nControl, const std::string& Text = "", int nValue = 0, int nValue2 = 0)
{
    DIALOG_ACTION A;
    A.nKind = nKind;
    A.nControl = nControl;
    A.Text = Text;
    A.nValue = nValue;
    A.nValue2 = nValue2;
    return A;
}

std::vector<int64_t> Keys_Of(const DIALOG_CONTROL& Control)
{
    std::vector<int64_t> Keys;
    for (const DIALOG_ROW& Row : Control.Rows)
        Keys.push_back(Row.nData);
    return Keys;
}

struct LIST_RUN {
    DIALOG_RECORD Record;
    std::vector<std::string> Log;
    int nPopupChoice = -1;
};

LIST_RUN Walk_List()
{
    dialogs::Reset();
    menus::Reset();
    LIST_SEEN::Log.clear();
    LIST_SEEN::nPopupChoice = -1;
    for (const DIALOG_ACTION& A :
         {Act(ACTION_SELECT, LIST_PLAYERS, "ames"), Act(ACTION_COLUMN_CLICK, LIST_PLAYERS, "", CODE_NAME),
          Act(ACTION_COLUMN_CLICK, LIST_PLAYERS, "", CODE_AGE), Act(ACTION_MOVE_COLUMN, LIST_PLAYERS, "", CODE_AGE, 0),
          Act(ACTION_DOUBLE_CLICK, LIST_PLAYERS, "", 1), Act(ACTION_TOGGLE, LIST_CHOOSER, "", 0),
          Act(ACTION_TOGGLE, LIST_CHOOSER, "kicking\t4"), Act(ACTION_TOGGLE, LIST_CHOOSER, "", 2),
          Act(ACTION_MENU, LIST_PLAYERS, "sort by &age"), Act(ACTION_MENU, LIST_PLAYERS, "Paste"),
          Act(ACTION_SELECT, LIST_PLAYERS, "", 4), Act(ACTION_PRESS, LIST_RETITLE),
          Act(ACTION_PRESS, LIST_REMOVE_NOTE)})
        dialogs::Queue_Action(LIST_DIALOG, A);
    Do_Dialog(LIST_DIALOG);
    LIST_RUN Run;
    Run.Record = dialogs::Records().back();
    Run.Log = LIST_SEEN::Log;
    Run.nPopupChoice = LIST_SEEN::nPopupChoice;
    return Run;
}

void Shoot_List(int nKind, int nDialogId)
{
    if (nKind == gtk_probe::WINDOW_DIALOG && nDialogId == LIST_DIALOG)
        gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("list_players"));
}

}  // namespace

TEST(GtkLists, TheSameListActionsLeaveTheSameRecordOnBothBackends)
{
    dialogs::Set_Unattended(true);
    const LIST_RUN Headless = Walk_List();
    REQUIRE_DESKTOP();
    gtk_probe::Set_Shown_Hook(Shoot_List);
    const LIST_RUN Desktop = Walk_List();
    gtk_probe::Set_Shown_Hook(nullptr);
    EXPECT_EQ(Desktop.Record.Lines, Headless.Record.Lines);
    EXPECT_EQ(Desktop.Log, Headless.Log);
    EXPECT_EQ(Desktop.Record.Final_Title, "Players (2026 Season)");
    EXPECT_EQ(Desktop.Record.Final_Title, Headless.Record.Final_Title);
    EXPECT_EQ(Desktop.Record.Find(LIST_NOTE), nullptr);
    // The second menu line names an entry the popup has not.
    EXPECT_NE(std::find(Desktop.Record.Lines.begin(), Desktop.Record.Lines.end(),
                        "refused: control 3002's menu has no entry \"Paste\""),
              Desktop.Record.Lines.end());
    const DIALOG_CONTROL* pHeadless = Headless.Record.Find(LIST_PLAYERS);
    const DIALOG_CONTROL* pDesktop = Desktop.Record.Find(LIST_PLAYERS);
    ASSERT_NE(pDesktop, nullptr);
    ASSERT_NE(pHeadless, nullptr);
    // By age, ties in the order the name sort left them: Bell, Dunn, Cole, Ames, Eads.
    EXPECT_EQ(Keys_Of(*pDesktop), (std::vector<int64_t>{105, 208, 3701, 1203, 1210}));
    EXPECT_EQ(Keys_Of(*pDesktop), Keys_Of(*pHeadless));
    EXPECT_EQ(pDesktop->ColumnOrder, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(pDesktop->ColumnOrder, pHeadless->ColumnOrder);
    EXPECT_EQ(pDesktop->nFocusRow, 4);
    EXPECT_EQ(pDesktop->nFocusRow, pHeadless->nFocusRow);
    const DIALOG_CONTROL* pChooser = Desktop.Record.Find(LIST_CHOOSER);
    ASSERT_NE(pChooser, nullptr);
    EXPECT_EQ(pChooser->ItemSelected, (std::vector<uint8_t>{1, 0, 0, 0, 1}));
    EXPECT_EQ(pChooser->ItemSelected, Headless.Record.Find(LIST_CHOOSER)->ItemSelected);
    EXPECT_EQ(pChooser->nSelected, Headless.Record.Find(LIST_CHOOSER)->nSelected);
    EXPECT_EQ(Desktop.nPopupChoice, 0);   // the last popup: "Paste" dismissed it
}

namespace {

// A full list: 41 clubs of 100 slots, 18 columns; column c of row r holds a
// number that sorts differently in each column.
constexpr int BIG_ROWS = 4100;
constexpr int BIG_COLUMNS = 18;
constexpr int BIG_SORT_TAG = 5;

int Big_Value(int64_t nKey, int nColumn)
{
    return static_cast<int>((static_cast<uint64_t>(nKey) * static_cast<uint64_t>(nColumn + 7) * 2654435761u) % 1000u);
}

bool Big_Less(int64_t a, int64_t b, void*)
{
    return Big_Value(a, BIG_SORT_TAG) < Big_Value(b, BIG_SORT_TAG);
}

void Big_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        for (int c = 0; c < BIG_COLUMNS; ++c)
            Dialog.Add_Column(LIST_PLAYERS, c, c == 0 ? "Name" : "Stat " + std::to_string(c), c == 0 ? 70 : 44,
                              c == 0 ? COLUMN_LEFT : COLUMN_RIGHT);
        Dialog.Begin_Update(LIST_PLAYERS);
        std::vector<std::string> Cells(BIG_COLUMNS);
        for (int nTeam = 0; nTeam < 41; ++nTeam) {
            for (int nSlot = 0; nSlot < 100; ++nSlot) {
                const int64_t nKey = nTeam * 100 + nSlot;
                Cells[0] = "Player " + std::to_string(nKey);
                for (int c = 1; c < BIG_COLUMNS; ++c)
                    Cells[static_cast<size_t>(c)] = std::to_string(Big_Value(nKey, c));
                Dialog.Add_Row(LIST_PLAYERS, nKey, Cells);
            }
        }
        Dialog.End_Update(LIST_PLAYERS);
    } else if (nEvent == DIALOG_NOTIFY && Dialog.Event().nNotification == LIST_COLUMN_CLICK &&
               Dialog.Event().nTag == BIG_SORT_TAG) {
        Dialog.Sort_Rows_By_Key(nControl, Big_Less, nullptr);
        Dialog.Set_Focused_Row(nControl, 1000);
        Dialog.Ensure_Visible(nControl, 2000);
    } else if (nEvent == DIALOG_COMMAND && (nControl == 1 || nControl == 2)) {
        Dialog.End(nControl);
    }
}

struct BIG_SEEN {
    int nRows = -1;
    std::string FirstBefore;
    std::vector<std::string> Shown;
    int nTop = -1;
    int nCursor = -1;
};
BIG_SEEN g_Big;

void Read_Big(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != LIST_DIALOG)
        return;
    g_Big.nRows = gtk_probe::Report_Rows(nDialogId, LIST_PLAYERS);
    g_Big.FirstBefore = gtk_probe::Report_Cell(nDialogId, LIST_PLAYERS, 0, 0);
    gtk_probe::Click_Header(nDialogId, LIST_PLAYERS, BIG_SORT_TAG);
    for (int nRow : {0, 1, 2049, 4099})
        g_Big.Shown.push_back(gtk_probe::Report_Cell(nDialogId, LIST_PLAYERS, nRow, 0));
    gtk_probe::Run_For(150);
    g_Big.nTop = gtk_probe::View_Top_Row(nDialogId, LIST_PLAYERS);
    g_Big.nCursor = gtk_probe::View_Cursor_Row(nDialogId, LIST_PLAYERS);
    gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("list_4100_rows"));
}

}  // namespace

TEST(GtkLists, AListOf4100RowsAnd18ColumnsSortsByAHeaderClickAndShowsTheModelsOrder)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    dialogs::Reset();
    g_Big = BIG_SEEN{};
    gtk_probe::Set_Shown_Hook(Read_Big);
    EXPECT_EQ(Do_Dialog(LIST_DIALOG, "All Players", Big_Proc), 1);
    gtk_probe::Set_Shown_Hook(nullptr);
    const DIALOG_CONTROL* pList = dialogs::Records().back().Find(LIST_PLAYERS);
    ASSERT_NE(pList, nullptr);
    ASSERT_EQ(pList->Rows.size(), static_cast<size_t>(BIG_ROWS));
    EXPECT_EQ(g_Big.nRows, BIG_ROWS);
    EXPECT_EQ(g_Big.FirstBefore, "Player 0");
    // The model's order, checked against a sort of our own: values ascending,
    // ties by key (the model's sort is stable and the fill was by key).
    std::vector<int64_t> Expected(BIG_ROWS);
    for (int i = 0; i < BIG_ROWS; ++i)
        Expected[static_cast<size_t>(i)] = i;
    std::stable_sort(Expected.begin(), Expected.end(), [](int64_t a, int64_t b) { return Big_Less(a, b, nullptr); });
    EXPECT_EQ(Keys_Of(*pList), Expected);
    ASSERT_EQ(g_Big.Shown.size(), 4u);
    EXPECT_EQ(g_Big.Shown[0], "Player " + std::to_string(Expected[0]));
    EXPECT_EQ(g_Big.Shown[1], "Player " + std::to_string(Expected[1]));
    EXPECT_EQ(g_Big.Shown[2], "Player " + std::to_string(Expected[2049]));
    EXPECT_EQ(g_Big.Shown[3], "Player " + std::to_string(Expected[4099]));
    // Row 2000 scrolled into view: the model's list shows 13 rows, so its top
    // row is 1988; the view's rows are not exactly 13 pixels, and the row it
    // shows first goes back to the model.
    EXPECT_NEAR(g_Big.nTop, 1988, 1);
    EXPECT_EQ(pList->nTopIndex, g_Big.nTop);
    EXPECT_EQ(g_Big.nCursor, 1000);
}

namespace {

struct DRAG_SEEN {
    std::string ViewOrder;
    std::vector<int> ModelOrder;
    size_t nPopups = 0;
    int nChosen = -1;
    std::vector<std::string> Log;
    bool bWaitShown = false;
    bool bArrowShown = true;
    int yHome = -1;
    int yAside = -1;
    int yBack = -1;
    gtk_probe::PIXELS Grip;
    bool bGrip = false;
    int nChooserColumns = -1;
    std::string ChooserCells;
    int nNameWidth = -1;
    std::string Clipboard;
    bool bNoteBefore = false;
    bool bNoteAfter = true;
    std::string Title;
};
DRAG_SEEN g_Drag;

void Drive_List(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != LIST_DIALOG)
        return;
    // The Age header dropped before Name.
    gtk_probe::Drag_Header(nDialogId, LIST_PLAYERS, 2, 0);
    gtk_probe::Run_For(30);
    g_Drag.ViewOrder = gtk_probe::Report_Column_Order(nDialogId, LIST_PLAYERS);
    // A right click on Cole's row, the popup's "Sort By Age" queued; then one
    // on the header with nothing queued (dismissed).
    menus::Queue_Popup_Choice(MENU_SORT_BY_AGE);
    gtk_probe::Right_Click_Report(nDialogId, LIST_PLAYERS, 2);
    g_Drag.nChosen = LIST_SEEN::nPopupChoice;
    gtk_probe::Right_Click_Report(nDialogId, LIST_PLAYERS, -1);
    g_Drag.nPopups = menus::Popups().size();
    g_Drag.Log = LIST_SEEN::Log;
    // The wait cursor and the arrow.
    Set_App_Cursor(UI_CURSOR_WAIT);
    g_Drag.bWaitShown = gtk_probe::Window_Cursor_Set(nKind, nDialogId);
    Set_App_Cursor(UI_CURSOR_ARROW);
    g_Drag.bArrowShown = !gtk_probe::Window_Cursor_Set(nKind, nDialogId);
    // Aside and back.
    int x = 0;
    gtk_probe::Window_Origin(nKind, nDialogId, x, g_Drag.yHome);
    gtk_probe::Click_Button(nDialogId, LIST_ASIDE);
    gtk_probe::Run_For(100);
    gtk_probe::Window_Origin(nKind, nDialogId, x, g_Drag.yAside);
    gtk_probe::Click_Button(nDialogId, LIST_ASIDE);
    gtk_probe::Run_For(100);
    gtk_probe::Window_Origin(nKind, nDialogId, x, g_Drag.yBack);
    g_Drag.bGrip = gtk_probe::Size_Grip_Pixels(nDialogId, g_Drag.Grip);
    g_Drag.nChooserColumns = gtk_probe::View_Columns(nDialogId, LIST_CHOOSER);
    g_Drag.ChooserCells = gtk_probe::Report_Cell(nDialogId, LIST_CHOOSER, 4, 0) + "|" +
                          gtk_probe::Report_Cell(nDialogId, LIST_CHOOSER, 4, 1);
    g_Drag.nNameWidth = gtk_probe::View_Column_Width(nDialogId, LIST_PLAYERS, 0);
    Set_Clipboard_Text("Ames \x96 Bell\t$1250000\r\n");
    g_Drag.Clipboard = gtk_probe::Clipboard_Utf8();
    // A control removed and a title set at run time.
    gtk_probe::PIXELS Note;
    g_Drag.bNoteBefore = gtk_probe::Control_Pixels(nDialogId, LIST_NOTE, Note);
    gtk_probe::Click_Button(nDialogId, LIST_REMOVE_NOTE);
    gtk_probe::Click_Button(nDialogId, LIST_RETITLE);
    gtk_probe::Run_For(30);
    g_Drag.bNoteAfter = gtk_probe::Control_Pixels(nDialogId, LIST_NOTE, Note);
    g_Drag.Title = gtk_probe::Window_Title(nKind, nDialogId);
}

}  // namespace

TEST(GtkLists, ADraggedHeaderARightClickTheCursorTheGripAndAsideReachTheModelAndTheScreen)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    dialogs::Reset();
    menus::Reset();
    LIST_SEEN::Log.clear();
    LIST_SEEN::nPopupChoice = -1;
    g_Drag = DRAG_SEEN{};
    gtk_probe::Set_Shown_Hook(Drive_List);
    EXPECT_EQ(Do_Dialog(LIST_DIALOG), 1);
    gtk_probe::Set_Shown_Hook(nullptr);
    const DIALOG_CONTROL* pList = dialogs::Records().back().Find(LIST_PLAYERS);
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(g_Drag.ViewOrder, "2,0,1");
    EXPECT_EQ(pList->ColumnOrder, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(g_Drag.nChosen, MENU_SORT_BY_AGE);
    EXPECT_EQ(Keys_Of(*pList), (std::vector<int64_t>{105, 208, 3701, 1203, 1210}));
    EXPECT_EQ(g_Drag.nPopups, 2u);
    EXPECT_EQ(g_Drag.Log, (std::vector<std::string>{"notify 3002 3 row 2 tag 0", "notify 3002 3 row -1 tag 0"}));
    EXPECT_TRUE(g_Drag.bWaitShown);
    EXPECT_TRUE(g_Drag.bArrowShown);
    EXPECT_GT(g_Drag.yAside, g_Drag.yHome + 100);
    EXPECT_EQ(g_Drag.yBack, g_Drag.yHome);
    // 340 x 160 units are 510 x 260 pixels: the grip's 12-pixel square in the corner.
    ASSERT_TRUE(g_Drag.bGrip);
    EXPECT_EQ(g_Drag.Grip.x, 498);
    EXPECT_EQ(g_Drag.Grip.y, 248);
    EXPECT_EQ(g_Drag.Grip.cx, 12);
    // One tab stop: two columns, the entry's parts in each.
    EXPECT_EQ(g_Drag.nChooserColumns, 2);
    EXPECT_EQ(g_Drag.ChooserCells, "Kic&king|4");
    EXPECT_EQ(g_Drag.nNameWidth, 60);
    EXPECT_EQ(g_Drag.Clipboard, "Ames \xE2\x80\x93 Bell\t$1250000\r\n");
    EXPECT_TRUE(g_Drag.bNoteBefore);
    EXPECT_FALSE(g_Drag.bNoteAfter);
    EXPECT_EQ(g_Drag.Title, "Players (2026 Season)");
    // Text measured in the list's font: wider letters measure wider.
    EXPECT_EQ(Ui_Text_Width(""), 0);
    EXPECT_GT(Ui_Text_Width("WWWW"), Ui_Text_Width("iiii"));
    EXPECT_GT(Ui_Text_Width("iiii"), 0);
}

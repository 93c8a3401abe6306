// The ui model's player-list services, headless: rows keyed by team x 100 +
// slot sorted by a comparator over keys (ties stable), the focused, caret
// and top entries, suspended drawing during a fill, column widths and the
// fixed text measure, controls removed and titles set at run time, the
// popup menu's queued choice, and every list action a script queues, with
// its refusal. Expected orders are worked out by hand from the five players
// of list_dialog_template.h.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "list_dialog_template.h"
#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

class DialogListsTest : public ::testing::Test {
protected:
    void SetUp() override { Reset_All(); }
    void TearDown() override
    {
        Install_Ui_Backend(nullptr);
        Reset_All();
    }
    static void Reset_All()
    {
        dialogs::Reset();
        menus::Reset();
        ui::Reset();
        services::Reset();
        LIST_SEEN::Log.clear();
        LIST_SEEN::nPopupChoice = -1;
        LIST_SEEN::nColumnTag = -1;
    }
};

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

// The keys of a report list's rows, in order.
std::vector<int64_t> Keys_Of(const DIALOG_CONTROL& Control)
{
    std::vector<int64_t> Keys;
    for (const DIALOG_ROW& Row : Control.Rows)
        Keys.push_back(Row.nData);
    return Keys;
}

// Runs the list dialog with these actions; its record.
const DIALOG_RECORD& Run_List(const std::vector<DIALOG_ACTION>& Actions)
{
    for (const DIALOG_ACTION& A : Actions)
        dialogs::Queue_Action(LIST_DIALOG, A);
    Do_Dialog(LIST_DIALOG);
    return dialogs::Records().back();
}

// A dialog built as the procedure builds it, outside a run.
struct BUILT {
    DIALOG Dialog{LIST_DIALOG, "Players", List_Proc, nullptr};
    BUILT() { Dialog.Send(DIALOG_INIT, 0); }
};

struct CHANGES {
    static inline std::vector<int> Seen;
};

}  // namespace

TEST_F(DialogListsTest, RowsByKeySortByAComparatorOverKeysStablyAndSelectionFocusAndKeysGoWithTheirRows)
{
    BUILT B;
    DIALOG& D = B.Dialog;
    ASSERT_EQ(D.Row_Count(LIST_PLAYERS), 5);
    // Cells one per column in the columns' own order; a short list is padded.
    EXPECT_EQ(D.Cell(LIST_PLAYERS, 2, 0), "Cole");
    EXPECT_EQ(D.Cell(LIST_PLAYERS, 2, 2), "27");
    EXPECT_EQ(D.Find_Row(LIST_PLAYERS, 3701), 2);
    EXPECT_EQ(D.Find_Row(LIST_PLAYERS, 3702), -1);
    D.Select_Row(LIST_PLAYERS, 0);   // Ames, 31
    D.Set_Focused_Row(LIST_PLAYERS, 4);
    EXPECT_EQ(D.Selected_Row(LIST_PLAYERS), 0);
    EXPECT_EQ(D.Focused_Row(LIST_PLAYERS), 4);
    // Ages 31 24 27 24 31: Bell before Dunn and Ames before Eads, as filled.
    const unsigned nBefore = D.Find(LIST_PLAYERS)->nRowsRevision;
    D.Sort_Rows_By_Key(LIST_PLAYERS, List_Age_Less, nullptr);
    EXPECT_EQ(Keys_Of(*D.Find(LIST_PLAYERS)), (std::vector<int64_t>{105, 208, 3701, 1203, 1210}));
    // What a backend showing the old rows needs: new row i is old row SortOrder[i].
    EXPECT_EQ(D.Find(LIST_PLAYERS)->SortOrder, (std::vector<int>{1, 3, 2, 0, 4}));
    EXPECT_EQ(D.Find(LIST_PLAYERS)->nSortedFrom, nBefore);
    EXPECT_NE(D.Find(LIST_PLAYERS)->nRowsRevision, nBefore);
    // A selection leaves the rows as they are; a refill after the sort
    // (however many rows) leaves no permutation for a backend to apply.
    const unsigned nSorted = D.Find(LIST_PLAYERS)->nRowsRevision;
    D.Select_Row(LIST_PLAYERS, 1);
    EXPECT_EQ(D.Find(LIST_PLAYERS)->nRowsRevision, nSorted);
    D.Select_Row(LIST_PLAYERS, 3);   // Ames again
    EXPECT_EQ(D.Find(LIST_PLAYERS)->nSortedFrom, nBefore);
    D.Set_Focused_Row(LIST_PLAYERS, 4);
    EXPECT_EQ(D.Row_Key(LIST_PLAYERS, 3), 1203);
    EXPECT_EQ(D.Cell(LIST_PLAYERS, 3, 0), "Ames");
    EXPECT_EQ(D.Selected_Row(LIST_PLAYERS), 3);   // Ames went to row 3
    EXPECT_EQ(D.Focused_Row(LIST_PLAYERS), 4);    // Eads stays last
    EXPECT_EQ(D.Find_Row(LIST_PLAYERS, 3701), 2);
    {
        BUILT Other;
        Other.Dialog.Sort_Rows_By_Key(LIST_PLAYERS, List_Age_Less, nullptr);
        Fill_List_Players(Other.Dialog);
        EXPECT_EQ(Other.Dialog.Find(LIST_PLAYERS)->nSortedFrom, ~0u);
        EXPECT_TRUE(Other.Dialog.Find(LIST_PLAYERS)->SortOrder.empty());
    }
    // Sorting the sorted rows again moves nothing; by name restores the fill.
    D.Sort_Rows_By_Key(LIST_PLAYERS, List_Age_Less, nullptr);
    EXPECT_EQ(Keys_Of(*D.Find(LIST_PLAYERS)), (std::vector<int64_t>{105, 208, 3701, 1203, 1210}));
    D.Sort_Rows(LIST_PLAYERS, List_Name_Less, nullptr);
    EXPECT_EQ(Keys_Of(*D.Find(LIST_PLAYERS)), (std::vector<int64_t>{1203, 105, 3701, 208, 1210}));
    // Whole rows of cells: more cells than columns are dropped.
    D.Set_Row_Cells(LIST_PLAYERS, 1, {"Bell", "FB", "25", "extra"});
    EXPECT_EQ(D.Cell(LIST_PLAYERS, 1, 1), "FB");
    EXPECT_EQ(D.Find(LIST_PLAYERS)->Rows[1].Cells.size(), 3u);
    const int nRow = D.Add_Row(LIST_PLAYERS, 4001, {"Ford"});
    EXPECT_EQ(nRow, 5);
    EXPECT_EQ(D.Cell(LIST_PLAYERS, 5, 0), "Ford");
    EXPECT_EQ(D.Cell(LIST_PLAYERS, 5, 2), "");
    EXPECT_EQ(D.Find(LIST_PLAYERS)->Rows[5].Cells.size(), 3u);
    D.Set_Focused_Row(LIST_PLAYERS, 9);
    EXPECT_EQ(D.Focused_Row(LIST_PLAYERS), -1);
}

TEST_F(DialogListsTest, TheCaretAndTopEntriesMoveWithoutSelectingAndScrollingShowsARowWithTheLeastMove)
{
    BUILT B;
    DIALOG& D = B.Dialog;
    for (int i = 0; i < 30; ++i)
        D.Add_Item(LIST_CHOOSER, "Item " + std::to_string(i));
    ASSERT_EQ(D.Item_Count(LIST_CHOOSER), 35);
    D.Set_Caret_Index(LIST_CHOOSER, 7);
    EXPECT_EQ(D.Get_Caret_Index(LIST_CHOOSER), 7);
    EXPECT_TRUE(D.Selected_Items(LIST_CHOOSER).empty());
    D.Set_Caret_Index(LIST_CHOOSER, 99);
    EXPECT_EQ(D.Get_Caret_Index(LIST_CHOOSER), -1);
    // A single-select list's caret is its selection.
    D.Set_Caret_Index(LIST_PLAIN, 1);
    EXPECT_EQ(D.Get_Selected(LIST_PLAIN), 1);
    // The chooser is 40 units high: 5 rows of 8 show.
    EXPECT_EQ(D.Get_Top_Index(LIST_CHOOSER), 0);
    D.Ensure_Visible(LIST_CHOOSER, 12);
    EXPECT_EQ(D.Get_Top_Index(LIST_CHOOSER), 8);   // rows 8-12 shown
    D.Ensure_Visible(LIST_CHOOSER, 10);
    EXPECT_EQ(D.Get_Top_Index(LIST_CHOOSER), 8);   // already shown
    D.Ensure_Visible(LIST_CHOOSER, 3);
    EXPECT_EQ(D.Get_Top_Index(LIST_CHOOSER), 3);
    D.Set_Top_Index(LIST_CHOOSER, 40);
    EXPECT_EQ(D.Get_Top_Index(LIST_CHOOSER), 34);
    EXPECT_TRUE(D.User_Scroll(LIST_CHOOSER, 20));
    EXPECT_EQ(D.Get_Top_Index(LIST_CHOOSER), 20);
    // The report list: 120 units less a 12-unit header is 13 rows; the
    // focused row is its caret.
    for (int i = 0; i < 40; ++i)
        D.Add_Row(LIST_PLAYERS, 5000 + i, {"P" + std::to_string(i)});
    D.Ensure_Visible(LIST_PLAYERS, 30);
    EXPECT_EQ(D.Get_Top_Index(LIST_PLAYERS), 18);
    D.Set_Caret_Index(LIST_PLAYERS, 6);
    EXPECT_EQ(D.Focused_Row(LIST_PLAYERS), 6);
    EXPECT_EQ(D.Selected_Row(LIST_PLAYERS), -1);
    // A toggle flips one entry and puts the caret there.
    EXPECT_TRUE(D.User_Toggle_Item(LIST_CHOOSER, 4));
    EXPECT_TRUE(D.User_Toggle_Item(LIST_CHOOSER, 0));
    EXPECT_EQ(D.Selected_Items(LIST_CHOOSER), (std::vector<int>{0, 4}));
    EXPECT_TRUE(D.User_Toggle_Item(LIST_CHOOSER, 4));
    EXPECT_EQ(D.Selected_Items(LIST_CHOOSER), (std::vector<int>{0}));
    EXPECT_EQ(D.Get_Caret_Index(LIST_CHOOSER), 4);
    EXPECT_FALSE(D.User_Toggle_Item(LIST_PLAIN, 0));   // not a multi-select list
}

TEST_F(DialogListsTest, AFillBetweenBeginAndEndUpdateReachesTheBackendOnceAtTheOuterEnd)
{
    CHANGES::Seen.clear();
    UI_BACKEND Counting;
    Counting.szName = "counting";
    Counting.Dialog_Changed = [](DIALOG&, int nControl) { CHANGES::Seen.push_back(nControl); };
    BUILT B;
    DIALOG& D = B.Dialog;
    Install_Ui_Backend(&Counting);
    D.Set_Open(true);
    Fill_List_Players(D);   // a clear and five rows inside one update
    EXPECT_EQ(CHANGES::Seen, std::vector<int>{LIST_PLAYERS});
    EXPECT_FALSE(D.Is_Updating(LIST_PLAYERS));
    CHANGES::Seen.clear();
    D.Begin_Update(LIST_PLAYERS);
    D.Begin_Update(LIST_PLAYERS);
    D.Add_Row(LIST_PLAYERS, 9901, {"Gray", "LB", "29"});
    D.Set_Cell(LIST_PLAYERS, 5, 1, "OLB");
    D.Set_Text(LIST_NOTE, "other controls still tell");
    D.End_Update(LIST_PLAYERS);
    EXPECT_TRUE(D.Is_Updating(LIST_PLAYERS));
    EXPECT_EQ(CHANGES::Seen, std::vector<int>{LIST_NOTE});
    D.End_Update(LIST_PLAYERS);
    D.End_Update(LIST_PLAYERS);   // one too many: nothing
    EXPECT_EQ(CHANGES::Seen, (std::vector<int>{LIST_NOTE, LIST_PLAYERS}));
    // Without the update every row tells.
    CHANGES::Seen.clear();
    D.Clear_Rows(LIST_PLAYERS);
    D.Add_Row(LIST_PLAYERS, 1, {"A"});
    D.Add_Row(LIST_PLAYERS, 2, {"B"});
    EXPECT_EQ(CHANGES::Seen.size(), 3u);
    D.Set_Open(false);
    Install_Ui_Backend(nullptr);
}

TEST_F(DialogListsTest, ColumnWidthsAndTheFixedTextMeasureOfSixPixelsAByte)
{
    BUILT B;
    DIALOG& D = B.Dialog;
    EXPECT_EQ(D.Text_Width(LIST_PLAYERS, "Name"), 24);
    EXPECT_EQ(D.Text_Width(LIST_PLAYERS, ""), 0);
    EXPECT_EQ(D.Text_Width(LIST_PLAYERS, "Passed Defensed"), 90);
    EXPECT_EQ(D.Text_Width(LIST_PLAYERS, "\x96"), 6);   // the en dash is one byte
    // The widest of header and cells plus 10, as a list sizes a column:
    // "Age" (18) against "31" (12) gives 28.
    int nWidest = D.Text_Width(LIST_PLAYERS, "Age");
    for (int r = 0; r < D.Row_Count(LIST_PLAYERS); ++r)
        nWidest = std::max(nWidest, D.Text_Width(LIST_PLAYERS, D.Cell(LIST_PLAYERS, r, 2)));
    EXPECT_EQ(nWidest + 10, 28);
    EXPECT_EQ(D.Column_Width(LIST_PLAYERS, 0), 60);
    D.Set_Column_Width(LIST_PLAYERS, 2, 28);
    EXPECT_EQ(D.Column_Width(LIST_PLAYERS, 2), 28);
    D.Set_Column_Width(LIST_PLAYERS, 1, -5);
    EXPECT_EQ(D.Column_Width(LIST_PLAYERS, 1), 0);
    D.Set_Column_Width(LIST_PLAYERS, 3, 50);   // no such column
    EXPECT_EQ(D.Column_Width(LIST_PLAYERS, 3), 0);
    EXPECT_TRUE(D.User_Column_Width(LIST_PLAYERS, 0, 75));
    EXPECT_EQ(D.Column_Width(LIST_PLAYERS, 0), 75);
    EXPECT_EQ(D.Find(LIST_PLAYERS)->Columns[1].nAlign, COLUMN_CENTER);
    EXPECT_EQ(D.Find(LIST_PLAYERS)->Columns[2].nAlign, COLUMN_RIGHT);
    EXPECT_EQ(D.Find_Column(LIST_PLAYERS, CODE_AGE), 2);
    EXPECT_EQ(D.Find_Column(LIST_PLAYERS, 99), -1);
}

TEST_F(DialogListsTest, AControlRemovedAndATitleSetAtRunTimeShowInTheRecordAndTheRemovedControlRefusesActions)
{
    const DIALOG_RECORD& R = Run_List({Act(ACTION_PRESS, LIST_REMOVE_NOTE), Act(ACTION_PRESS, LIST_RETITLE),
                                       Act(ACTION_SET_TEXT, LIST_NOTE, "gone")});
    EXPECT_EQ(R.Title, "Players");
    EXPECT_EQ(R.Final_Title, "Players (2026 Season)");
    EXPECT_EQ(R.Find(LIST_NOTE), nullptr);
    ASSERT_NE(R.Find(LIST_REMOVE_NOTE), nullptr);
    EXPECT_EQ(dialogs::Last_Refusal(), "control 3004 does not exist");
    EXPECT_EQ(R.nResult, 1);
    // Moving aside and back is kept for the backend; headless nothing moves.
    BUILT B;
    EXPECT_FALSE(B.Dialog.Is_Aside());
    B.Dialog.User_Press(LIST_ASIDE);
    EXPECT_TRUE(B.Dialog.Is_Aside());
    B.Dialog.User_Press(LIST_ASIDE);
    EXPECT_FALSE(B.Dialog.Is_Aside());
}

TEST_F(DialogListsTest, APopupTakesTheQueuedChoiceByIdOrByTextAndIsDismissedWithoutOne)
{
    MENU Menu;
    Menu.Items = {Menu_Command(MENU_HIDE_COLUMN, "&Hide Column"), Menu_Separator(),
                  Menu_Command(MENU_SORT_BY_AGE, "Sort By &Age"), Menu_Command(MENU_COPY, "&Copy")};
    menus::Queue_Popup_Choice(MENU_COPY);
    menus::Queue_Popup_Choice_Text("sort by age");
    menus::Queue_Popup_Choice_Text("Paste");
    EXPECT_EQ(menus::Pending_Popup_Choices(), 3u);
    EXPECT_EQ(menus::Track_Popup_Menu(Menu, 10, 20), MENU_COPY);
    EXPECT_EQ(menus::Track_Popup_Menu(Menu, 11, 21), MENU_SORT_BY_AGE);
    EXPECT_EQ(menus::Track_Popup_Menu(Menu, 12, 22), 0);   // no such entry: dismissed
    EXPECT_EQ(menus::Track_Popup_Menu(Menu, 13, 23), 0);   // nothing queued
    ASSERT_EQ(menus::Popups().size(), 4u);
    EXPECT_EQ(menus::Popups()[0].Ids, (std::vector<int>{MENU_HIDE_COLUMN, MENU_SORT_BY_AGE, MENU_COPY}));
    EXPECT_EQ(menus::Popups()[1].x, 11);
    EXPECT_EQ(menus::Popups()[1].y, 21);
    EXPECT_EQ(menus::Popups()[1].nChosen, MENU_SORT_BY_AGE);
    // A disabled entry cannot be chosen, by text either.
    Menu.Items[3].bEnabled = false;
    menus::Queue_Popup_Choice_Text("&Copy");
    EXPECT_EQ(menus::Track_Popup_Menu(Menu, 0, 0), 0);
    menus::Queue_Popup_Choice(MENU_HIDE_COLUMN);
    menus::Clear_Popup_Choices();
    EXPECT_EQ(menus::Pending_Popup_Choices(), 0u);
}

TEST_F(DialogListsTest, EveryListActionOfAScriptReachesTheProcedureAndTheRecordKeepsTheFinalRowsAndColumns)
{
    const DIALOG_RECORD& R =
        Run_List({Act(ACTION_SELECT, LIST_PLAYERS, "ames"),              // row 0 by its first cell
                  Act(ACTION_COLUMN_CLICK, LIST_PLAYERS, "", CODE_AGE),  // sorts by age
                  Act(ACTION_MOVE_COLUMN, LIST_PLAYERS, "", CODE_AGE, 0),
                  Act(ACTION_DOUBLE_CLICK, LIST_PLAYERS, "", 1),         // @1: Dunn now
                  Act(ACTION_TOGGLE, LIST_CHOOSER, "", 0),
                  Act(ACTION_TOGGLE, LIST_CHOOSER, "kicking\t4"),        // "&" ignored
                  Act(ACTION_TOGGLE, LIST_CHOOSER, "", 2),               // the separator: undone
                  Act(ACTION_SELECT, LIST_PLAYERS, "", 4)});             // @4: Eads
    ASSERT_TRUE(dialogs::Last_Refusal().empty()) << dialogs::Last_Refusal();
    EXPECT_EQ(LIST_SEEN::nColumnTag, CODE_AGE);
    const DIALOG_CONTROL* pList = R.Find(LIST_PLAYERS);
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(Keys_Of(*pList), (std::vector<int64_t>{105, 208, 3701, 1203, 1210}));
    EXPECT_EQ(pList->ColumnOrder, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(Column_Texts_Shown(*pList), (std::vector<std::string>{"Age", "Name", "Pos"}));
    EXPECT_EQ(Row_Texts_Shown(*pList, 1), (std::vector<std::string>{"24", "Dunn", "TE"}));
    EXPECT_EQ(pList->Rows[4].bSelected, true);
    EXPECT_EQ(pList->nFocusRow, 4);
    const DIALOG_CONTROL* pChooser = R.Find(LIST_CHOOSER);
    ASSERT_NE(pChooser, nullptr);
    EXPECT_EQ(pChooser->ItemSelected, (std::vector<uint8_t>{1, 0, 0, 0, 1}));
    EXPECT_EQ(pChooser->nSelected, 2);
    // The events, in order: a selection, the header (tag 12), the double
    // click's selection and itself, three toggles, the last selection.
    const std::vector<std::string> Expected = {
        "notify 3002 1 row 0 tag 0",  "notify 3002 0 row -1 tag 12", "notify 3002 1 row 1 tag 0",
        "notify 3002 2 row 1 tag 0",  "command 3003 1",              "command 3003 1",
        "command 3003 1",             "notify 3002 1 row 4 tag 0",   "command 1 0"};
    EXPECT_EQ(LIST_SEEN::Log, Expected);
    EXPECT_EQ(R.Lines[0], "select 3002 \"ames\"");
    EXPECT_EQ(R.Lines[1], "column 3002 12");
    EXPECT_EQ(R.Lines[2], "move-column 3002 12 0");
    EXPECT_EQ(R.Lines[5], "toggle 3003 \"Kic&king\t4\"");
}

TEST_F(DialogListsTest, TheMenuActionRightClicksTheFocusedRowAndChoosesThePopupEntryByText)
{
    const DIALOG_RECORD& R =
        Run_List({Act(ACTION_SELECT, LIST_PLAYERS, "Cole"), Act(ACTION_MENU, LIST_PLAYERS, "sort by &age")});
    ASSERT_TRUE(dialogs::Last_Refusal().empty()) << dialogs::Last_Refusal();
    EXPECT_EQ(LIST_SEEN::nPopupChoice, MENU_SORT_BY_AGE);
    EXPECT_EQ(LIST_SEEN::Log[1], "notify 3002 3 row 2 tag 0");   // the right click on Cole's row
    EXPECT_EQ(Keys_Of(*R.Find(LIST_PLAYERS)), (std::vector<int64_t>{105, 208, 3701, 1203, 1210}));
    EXPECT_EQ(R.Lines[1], "menu 3002 \"sort by &age\"");
    EXPECT_EQ(menus::Pending_Popup_Choices(), 0u);
}

TEST_F(DialogListsTest, EachListActionIsRefusedNamingTheControlEntryOrColumnItLacks)
{
    struct CASE {
        DIALOG_ACTION Action;
        const char* szWhy;
    };
    const CASE Cases[] = {
        {Act(ACTION_SELECT, LIST_PLAYERS, "Zed"), "control 3002 has no row \"Zed\""},
        {Act(ACTION_SELECT, LIST_PLAYERS, "", 5), "control 3002 has no row \"5\""},
        {Act(ACTION_DOUBLE_CLICK, LIST_PLAYERS, "Zed"), "control 3002 has no row \"Zed\""},
        {Act(ACTION_TOGGLE, LIST_PLAIN, "", 0), "control 3008 is no multi-select list"},
        {Act(ACTION_TOGGLE, LIST_CHOOSER, "", 9), "control 3003 has no entry \"9\""},
        {Act(ACTION_TOGGLE, LIST_CHOOSER, "Punting"), "control 3003 has no entry \"Punting\""},
        {Act(ACTION_COLUMN_CLICK, LIST_PLAYERS, "", 99), "control 3002 has no column 99"},
        {Act(ACTION_COLUMN_CLICK, LIST_CHOOSER, "", 0), "control 3003 is no report list"},
        {Act(ACTION_MOVE_COLUMN, LIST_PLAYERS, "", 5, 0), "control 3002 has no column 5"},
        {Act(ACTION_MOVE_COLUMN, LIST_PLAYERS, "", CODE_AGE, 3), "control 3002 has no column position 3"},
        {Act(ACTION_MOVE_COLUMN, LIST_PLAYERS, "", CODE_AGE, -1), "control 3002 has no column position -1"},
        {Act(ACTION_MENU, LIST_PLAIN, "Copy"), "control 3008 is no report list"},
        {Act(ACTION_MENU, LIST_PLAYERS, "Paste"), "control 3002's menu has no entry \"Paste\""},
        {Act(ACTION_MENU, 3999, "Copy"), "control 3999 does not exist"},
    };
    for (const CASE& Case : Cases) {
        dialogs::Clear_Refusal();
        const DIALOG_RECORD& R = Run_List({Case.Action});
        EXPECT_EQ(dialogs::Last_Refusal(), Case.szWhy) << dialogs::Describe_Action(Case.Action);
        EXPECT_EQ(R.nResult, 1);   // the run goes on to its default button
    }
    // A list whose procedure shows no popup.
    dialogs::Clear_Refusal();
    dialogs::Queue_Action(LIST_DIALOG, Act(ACTION_MENU, LIST_PLAYERS, "Copy"));
    Do_Dialog(LIST_DIALOG, "No Menu", [](DIALOG& Dialog, int nEvent, int nControl) {
        if (nEvent != DIALOG_NOTIFY)
            List_Proc(Dialog, nEvent, nControl);
    });
    EXPECT_EQ(dialogs::Last_Refusal(), "control 3002 showed no menu");
    EXPECT_EQ(menus::Pending_Popup_Choices(), 0u);
}

namespace {

// A small generator of the test's own (the game's generator stays untouched).
struct TEST_LCG {
    uint32_t nState;
    uint32_t Next(uint32_t nBound)
    {
        nState = nState * 1664525u + 1013904223u;
        return (nState >> 8) % nBound;
    }
};

constexpr int PROPERTY_COLUMNS = 4;

// The value shown in column c of the row of a key: few distinct values, so
// ties are common.
int Property_Value(int64_t nKey, int nColumn)
{
    return static_cast<int>((nKey * (nColumn + 3) * 7919) % 11);
}

int g_nPropertyColumn = 0;
bool Property_Less(int64_t a, int64_t b, void*)
{
    return Property_Value(a, g_nPropertyColumn) < Property_Value(b, g_nPropertyColumn);
}

}  // namespace

TEST_F(DialogListsTest, RandomSortsMovesSelectionsAndRefillsKeepRowsInTheOrderAReferenceSortGives)
{
    DIALOG D(LIST_DIALOG, "Players", [](DIALOG&, int, int) {}, nullptr);
    D.Build(LIST_TEMPLATE);
    for (int c = 0; c < PROPERTY_COLUMNS; ++c)
        D.Add_Column(LIST_PLAYERS, c, "C" + std::to_string(c));
    std::vector<int64_t> Reference;
    std::vector<int> ReferenceOrder = {0, 1, 2, 3};
    int64_t nSelectedKey = -1;
    auto Refill = [&](TEST_LCG& Random) {
        Reference.clear();
        for (int nTeam = 0; nTeam < 3; ++nTeam)
            for (int nSlot = 0; nSlot < 100; ++nSlot)
                Reference.push_back(nTeam * 100 + nSlot);
        for (size_t i = Reference.size(); i > 1; --i)
            std::swap(Reference[i - 1], Reference[Random.Next(static_cast<uint32_t>(i))]);
        D.Begin_Update(LIST_PLAYERS);
        D.Clear_Rows(LIST_PLAYERS);
        for (int64_t nKey : Reference) {
            std::vector<std::string> Cells;
            for (int c = 0; c < PROPERTY_COLUMNS; ++c)
                Cells.push_back(std::to_string(Property_Value(nKey, c)));
            D.Add_Row(LIST_PLAYERS, nKey, Cells);
        }
        D.End_Update(LIST_PLAYERS);
        nSelectedKey = -1;
    };
    TEST_LCG Random{20261207u};
    Refill(Random);
    for (int nStep = 0; nStep < 400; ++nStep) {
        switch (Random.Next(4)) {
        case 0:   // a header click: a stable sort by that column
            g_nPropertyColumn = static_cast<int>(Random.Next(PROPERTY_COLUMNS));
            D.Sort_Rows_By_Key(LIST_PLAYERS, Property_Less, nullptr);
            std::stable_sort(Reference.begin(), Reference.end(),
                             [](int64_t a, int64_t b) { return Property_Less(a, b, nullptr); });
            break;
        case 1: {   // a header dragged
            const int nColumn = static_cast<int>(Random.Next(PROPERTY_COLUMNS));
            const int nPosition = static_cast<int>(Random.Next(PROPERTY_COLUMNS));
            ASSERT_TRUE(D.User_Move_Column(LIST_PLAYERS, nColumn, nPosition));
            ReferenceOrder.erase(std::find(ReferenceOrder.begin(), ReferenceOrder.end(), nColumn));
            ReferenceOrder.insert(ReferenceOrder.begin() + nPosition, nColumn);
            break;
        }
        case 2: {   // a row clicked
            const int nRow = static_cast<int>(Random.Next(static_cast<uint32_t>(Reference.size())));
            D.Select_Row(LIST_PLAYERS, nRow);
            nSelectedKey = Reference[static_cast<size_t>(nRow)];
            break;
        }
        default:
            if (Random.Next(4) == 0)
                Refill(Random);
            break;
        }
        const DIALOG_CONTROL& C = *D.Find(LIST_PLAYERS);
        ASSERT_EQ(Keys_Of(C), Reference) << "step " << nStep;
        ASSERT_EQ(C.ColumnOrder, ReferenceOrder) << "step " << nStep;
        const int nSelected = D.Selected_Row(LIST_PLAYERS);
        ASSERT_EQ(nSelected < 0 ? -1 : D.Row_Key(LIST_PLAYERS, nSelected), nSelectedKey) << "step " << nStep;
        ASSERT_EQ(D.Focused_Row(LIST_PLAYERS), nSelected) << "step " << nStep;
        // Every row's cells are its own key's.
        for (int r = 0; r < D.Row_Count(LIST_PLAYERS); r += 37)
            for (int c = 0; c < PROPERTY_COLUMNS; ++c)
                ASSERT_EQ(D.Cell(LIST_PLAYERS, r, c), std::to_string(Property_Value(D.Row_Key(LIST_PLAYERS, r), c)));
    }
}

// The dialog model: a template of every control kind built and driven as a
// user would drive it (edits that refuse text, radio groups, the up-down and
// its buddy, the report list's columns, rows and order, anchors on resize,
// timers), the headless driver's new actions and refusals, and every
// registered template checked.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "every_control_template.h"

namespace {

std::vector<std::string> g_Log;

// Sorts the report list's rows by the text of one column.
bool Cell_Less(const DIALOG_ROW& a, const DIALOG_ROW& b, void* pColumn)
{
    const int nColumn = *static_cast<int*>(pColumn);
    return a.Cells[nColumn] < b.Cells[nColumn];
}

// Logs every event; OK ends with 100 + the length of edit 2002's text,
// Cancel with 2; a header click sorts by that column.
void Every_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    const DIALOG_EVENT_INFO& E = Dialog.Event();
    switch (nEvent) {
    case DIALOG_INIT:
        Dialog.Build_Registered();
        Dialog.Add_Item(2005, "Alpha", 10);
        Dialog.Add_Item(2005, "Beta", 20);
        Dialog.Add_Item(2006, "North\t1", 1);
        Dialog.Add_Item(2006, "South\t2", 2);
        Dialog.Add_Item(2006, "West\t3", 3);
        Dialog.Set_Tab_Stops(2006, {40});
        Dialog.Add_Column(2018, 7, "Name", 80);
        Dialog.Add_Column(2018, 3, "Pos", 30);
        Dialog.Add_Column(2018, 12, "Age", 30);
        for (const auto& [nData, Cells] : std::vector<std::pair<int, std::vector<std::string>>>{
                 {101, {"Ames", "QB", "31"}}, {102, {"Bell", "RB", "24"}}, {103, {"Cole", "WR", "27"}}}) {
            const int nRow = Dialog.Add_Row(2018, nData);
            for (int c = 0; c < 3; ++c)
                Dialog.Set_Cell(2018, nRow, c, Cells[c]);
        }
        Dialog.Set_Timer(5, 40);
        g_Log.push_back("init");
        break;
    case DIALOG_COMMAND:
        g_Log.push_back("command " + std::to_string(nControl) + " " + std::to_string(E.nNotification));
        if (nControl == 1 && E.nNotification == NOTIFY_CLICKED)
            Dialog.End(100 + static_cast<int>(Dialog.Get_Text(2002).size()));
        else if (nControl == 2)
            Dialog.End(DIALOG_CANCEL);
        break;
    case DIALOG_NOTIFY: {
        g_Log.push_back("notify " + std::to_string(nControl) + " " + std::to_string(E.nNotification) + " row " +
                        std::to_string(E.nRow) + " column " + std::to_string(E.nColumn) +
                        (E.bOnHeader ? " header" : ""));
        int nColumn = E.nColumn;
        if (E.nNotification == LIST_COLUMN_CLICK)
            Dialog.Sort_Rows(nControl, Cell_Less, &nColumn);
        break;
    }
    case DIALOG_SCROLL:
        g_Log.push_back("scroll " + std::to_string(nControl) + " " + std::to_string(E.nCode) + " " +
                        std::to_string(E.nPosition));
        break;
    case DIALOG_TIMER:
        g_Log.push_back("timer " + std::to_string(nControl));
        break;
    case DIALOG_SIZE:
        g_Log.push_back("size " + std::to_string(E.x) + " " + std::to_string(E.y));
        break;
    case DIALOG_CLICK:
        g_Log.push_back("click " + std::to_string(nControl) + " " + std::to_string(E.x) + " " + std::to_string(E.y));
        break;
    case DIALOG_PAINT:
        g_Log.push_back("paint " + std::to_string(nControl));
        break;
    case DIALOG_DRAW_ITEM:
        g_Log.push_back("draw " + std::to_string(nControl) + " " + std::to_string(E.nRow) + " " +
                        std::to_string(E.nCode));
        break;
    case DIALOG_DESTROY:
        g_Log.push_back("destroy");
        break;
    default:
        break;
    }
}

constexpr int EVERY_USED_IDS[] = {2002, 2005, 2006, 2013, 2014, 2018, 1, 2};
const DIALOG_REGISTRAR EVERY_REGISTRAR(EVERY_DIALOG, EVERY_TEMPLATE, Every_Proc, EVERY_USED_IDS);

class DialogModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_Log.clear();
        dialogs::Reset();
        ui::Reset();
        services::Reset();
    }
    void TearDown() override
    {
        dialogs::Reset();
        ui::Reset();
        services::Reset();
    }
};

DIALOG_ACTION Action(int nKind, int nControl, int nValue = 0, const std::string& Text = "")
{
    DIALOG_ACTION A;
    A.nKind = nKind;
    A.nControl = nControl;
    A.nValue = nValue;
    A.Text = Text;
    return A;
}

std::string Row_Order(const DIALOG& Dialog)
{
    std::string Order;
    for (int r = 0; r < Dialog.Row_Count(2018); ++r)
        Order += std::to_string(Dialog.Row_Data(2018, r)) + " ";
    return Order;
}

// What the fake backend saw.
struct SEEN {
    static inline int nRuns = 0;
    static inline bool bOpenInRun = false;
    static inline std::vector<int> Changed;
};

bool Same_Rect(const UI_RECT& a, const UI_RECT& b)
{
    return a.x == b.x && a.y == b.y && a.cx == b.cx && a.cy == b.cy;
}

}  // namespace

TEST_F(DialogModelTest, EveryRegisteredTemplateBuildsWithUniqueIdsInsideItsDialogAndTheIdsItsProcedureUses)
{
    const std::span<const int> Ids = Registered_Dialog_Ids();
    const std::set<int> Registered(Ids.begin(), Ids.end());
    // The dialogs the program has today, and this file's own.
    for (int nId : {100, 105, 118, 119, 120, 179, EVERY_DIALOG})
        EXPECT_EQ(Registered.count(nId), 1u) << "dialog " << nId << " has no template";
    for (int nId : Ids) {
        const DIALOG_REGISTRATION* p = Find_Dialog_Registration(nId);
        ASSERT_NE(p, nullptr);
        ASSERT_NE(p->pTemplate, nullptr) << nId;
        ASSERT_NE(p->pProc, nullptr) << nId;
        EXPECT_EQ(Check_Dialog_Template(*p->pTemplate), "") << nId;
        EXPECT_TRUE(p->pTemplate->szTitle != nullptr && p->pTemplate->szTitle[0] != '\0') << nId;
        DIALOG Dialog(nId, "", p->pProc, nullptr);
        Dialog.Build(*p->pTemplate);
        EXPECT_EQ(Dialog.Controls().size(), p->pTemplate->Controls.size()) << nId;
        EXPECT_EQ(Dialog.Width(), p->pTemplate->cx);
        for (int nUsed : p->UsedIds)
            EXPECT_NE(Dialog.Find(nUsed), nullptr) << "dialog " << nId << " has no control " << nUsed;
        // The default button is a button of the template.
        const DIALOG_CONTROL* pDefault = Dialog.Find(Dialog.Default_Button());
        ASSERT_NE(pDefault, nullptr) << nId;
        EXPECT_EQ(pDefault->nKind, CONTROL_BUTTON) << nId;
    }
}

TEST_F(DialogModelTest, TheTemplateCheckFindsEachFault)
{
    constexpr CONTROL_TEMPLATE TWICE[] = {{10, CONTROL_EDIT, "", {0, 0, 10, 10}}, {10, CONTROL_EDIT, "", {0, 20, 10, 10}}};
    constexpr CONTROL_TEMPLATE OUTSIDE[] = {{10, CONTROL_EDIT, "", {95, 0, 10, 10}}};
    constexpr CONTROL_TEMPLATE TWO_DEFAULTS[] = {{1, CONTROL_BUTTON, "", {0, 0, 10, 10}, CS_DEFAULT},
                                                 {2, CONTROL_BUTTON, "", {20, 0, 10, 10}, CS_DEFAULT}};
    constexpr CONTROL_TEMPLATE NO_BUDDY[] = {{10, CONTROL_UPDOWN, "", {0, 0, 10, 10}, 0, 0, 0, 5, 11}};
    constexpr CONTROL_TEMPLATE REVERSED[] = {{10, CONTROL_TRACKBAR, "", {0, 0, 10, 10}, 0, 0, 5, 1}};
    constexpr CONTROL_TEMPLATE SHARED_LABELS[] = {{-1, CONTROL_LABEL, "a", {0, 0, 10, 10}},
                                                  {-1, CONTROL_GROUP, "b", {0, 20, 10, 10}}};
    constexpr CONTROL_TEMPLATE SHARED_EDIT[] = {{-1, CONTROL_EDIT, "", {0, 0, 10, 10}}};
    // Alt+D reaches one control only: a label's letter counts (it takes the
    // focus onward), a group box's and a literal "&&" do not.
    constexpr CONTROL_TEMPLATE SAME_LETTER[] = {{-1, CONTROL_GROUP, "&Dates", {0, 0, 10, 10}},
                                                {-1, CONTROL_LABEL, "D&&D", {0, 10, 10, 10}},
                                                {11, CONTROL_BUTTON, "&Draft", {20, 0, 10, 10}},
                                                {-1, CONTROL_LABEL, "&day", {40, 0, 10, 10}}};
    constexpr CONTROL_TEMPLATE OWN_LETTERS[] = {{11, CONTROL_BUTTON, "&Draft", {20, 0, 10, 10}},
                                                {1, CONTROL_BUTTON, "D&one", {40, 0, 10, 10}}};
    auto Check = [](std::span<const CONTROL_TEMPLATE> Controls, unsigned nStyle = 0, int nMin = 0) {
        return Check_Dialog_Template(DIALOG_TEMPLATE{7, "T", 100, 50, nStyle, nMin, nMin, Controls});
    };
    EXPECT_EQ(Check(TWICE), "dialog 7: control 10 is not unique");
    EXPECT_EQ(Check(OUTSIDE), "dialog 7: control 10 lies outside the dialog");
    EXPECT_EQ(Check(TWO_DEFAULTS), "dialog 7: control 2 is a second default or no button");
    EXPECT_EQ(Check(NO_BUDDY), "dialog 7: control 10 has no edit for a buddy");
    EXPECT_EQ(Check(REVERSED), "dialog 7: control 10 has its range reversed");
    EXPECT_EQ(Check(SHARED_LABELS), "");
    EXPECT_EQ(Check(SHARED_EDIT), "dialog 7: control -1 has no usable id");
    EXPECT_EQ(Check(SAME_LETTER), "dialog 7: controls 11 and -1 both mark 'd'");
    EXPECT_EQ(Check(OWN_LETTERS), "");
    EXPECT_EQ(Check(SHARED_LABELS, DS_RESIZABLE, 0), "dialog 7: resizable without a minimum size within its size");
    EXPECT_EQ(Check(SHARED_LABELS, DS_RESIZABLE, 40), "");
    // 6 x 13 pixels a base unit: 4 x 8 dialog units.
    const UI_RECT Pixels = Dialog_Units_To_Pixels(UI_RECT{10, 8, 50, 14});
    EXPECT_TRUE(Same_Rect(Pixels, UI_RECT{15, 13, 75, 22}));
    // Odd units: the edges are rounded, so neighbours stay flush.
    EXPECT_TRUE(Same_Rect(Dialog_Units_To_Pixels(UI_RECT{1, 1, 1, 1}), UI_RECT{1, 1, 2, 2}));
}

TEST_F(DialogModelTest, EditsTakeOnlyWindows1252TextWithinTheirLimit)
{
    DIALOG Dialog(EVERY_DIALOG, "", Every_Proc, nullptr);
    Dialog.Send(DIALOG_INIT, 0);
    EXPECT_TRUE(Dialog.User_Set_Text(2002, "Ann"));
    EXPECT_TRUE(Dialog.User_Set_Text(2002, "12345"));       // exactly the limit of 5
    EXPECT_FALSE(Dialog.User_Set_Text(2002, "123456"));     // one past it
    EXPECT_EQ(Dialog.Get_Text(2002), "12345");
    EXPECT_FALSE(Dialog.User_Set_Text(2002, "a\nb"));       // one line only
    EXPECT_FALSE(Dialog.User_Set_Text(2003, "Jos\x81"));    // 0x81 is no Windows-1252 character
    EXPECT_TRUE(Dialog.User_Set_Text(2003, "1\x96" "2\r\n\xE9"));   // en dash, a new line, e acute
    EXPECT_FALSE(Dialog.User_Set_Text(2004, "x"));           // read-only
    EXPECT_EQ(Dialog.Get_Text(2004), "fixed");
    EXPECT_FALSE(Dialog.User_Set_Text(2005, "x"));           // a combo is no edit
    Dialog.Enable(2003, false);
    EXPECT_FALSE(Dialog.User_Set_Text(2003, "x"));
    // A procedure's own text is not checked (it comes from the records).
    Dialog.Set_Text(2002, "longer than five");
    EXPECT_EQ(Dialog.Get_Text(2002), "longer than five");
    // Each accepted text told the procedure once.
    const std::vector<std::string> Expected{"init", "command 2002 3", "command 2002 3", "command 2003 3"};
    EXPECT_EQ(g_Log, Expected);
}

TEST_F(DialogModelTest, RadioGroupsUpDownTrackbarAndListsBehaveAsTheUserSeesThem)
{
    DIALOG Dialog(EVERY_DIALOG, "", Every_Proc, nullptr);
    Dialog.Send(DIALOG_INIT, 0);
    // Radio groups: 2009-2011 are one group (2012 starts the next).
    EXPECT_TRUE(Dialog.User_Radio(2012));
    EXPECT_TRUE(Dialog.User_Radio(2009));
    EXPECT_TRUE(Dialog.User_Radio(2011));
    EXPECT_FALSE(Dialog.Is_Checked(2009));
    EXPECT_FALSE(Dialog.Is_Checked(2010));
    EXPECT_TRUE(Dialog.Is_Checked(2011));
    EXPECT_TRUE(Dialog.Is_Checked(2012));
    EXPECT_FALSE(Dialog.User_Radio(2007));   // a check box is no radio button

    // The up-down runs 1-4 from 1 and writes its buddy; past the end nothing moves.
    g_Log.clear();
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Dialog.User_Spin(2014, true));
    EXPECT_EQ(Dialog.Get_Position(2014), 4);
    EXPECT_EQ(Dialog.Get_Text(2013), "4");
    EXPECT_TRUE(Dialog.User_Spin(2014, false));
    const std::vector<std::string> Spins{"command 2013 3", "scroll 2014 1 2", "command 2013 3", "scroll 2014 1 3",
                                         "command 2013 3", "scroll 2014 1 4", "command 2013 3", "scroll 2014 0 3"};
    EXPECT_EQ(g_Log, Spins);
    // Up and Down in its buddy move it as its arrows do (the key taken at
    // the end of the range too); in another edit, or with the up-down
    // greyed, they are not taken.
    g_Log.clear();
    EXPECT_TRUE(Dialog.User_Arrow_Key(2013, true));
    EXPECT_TRUE(Dialog.User_Arrow_Key(2013, true));
    EXPECT_EQ(Dialog.Get_Position(2014), 4);
    EXPECT_EQ(g_Log, (std::vector<std::string>{"command 2013 3", "scroll 2014 1 4"}));
    EXPECT_TRUE(Dialog.User_Arrow_Key(2013, false));
    EXPECT_EQ(Dialog.Get_Text(2013), "3");
    EXPECT_FALSE(Dialog.User_Arrow_Key(2002, true));
    EXPECT_FALSE(Dialog.User_Arrow_Key(2014, true));   // the up-down itself is no edit
    Dialog.Enable(2014, false);
    EXPECT_FALSE(Dialog.User_Arrow_Key(2013, false));
    Dialog.Enable(2014, true);
    EXPECT_EQ(Dialog.Get_Position(2014), 3);
    // The trackbar clamps to 0-10.
    EXPECT_TRUE(Dialog.User_Track(2015, 14));
    EXPECT_EQ(Dialog.Get_Position(2015), 10);
    Dialog.Set_Position(2016, -5);
    EXPECT_EQ(Dialog.Get_Position(2016), 0);

    // Combo: item data, prefix search ignoring case, extensions cut.
    EXPECT_EQ(Dialog.Item_Data(2005, 1), 20);
    EXPECT_EQ(Dialog.Find_Item_Prefix(2005, "be"), 1);
    EXPECT_EQ(Dialog.Find_Item_Prefix(2005, "Gamma"), -1);
    Dialog.Insert_Item(2005, 0, "game.zrt", 5);
    Dialog.Strip_Item_Extensions(2005);
    EXPECT_EQ(Dialog.Item_Text(2005, 0), "game");
    EXPECT_EQ(Dialog.Item_Data(2005, 2), 20);   // Beta moved down with its data
    // Multi-select list with its tab stop.
    EXPECT_TRUE(Dialog.User_Select_Items(2006, {0, 2}));
    EXPECT_EQ(Dialog.Selected_Items(2006), (std::vector<int>{0, 2}));
    EXPECT_FALSE(Dialog.User_Select_Items(2006, {3}));
    EXPECT_EQ(Dialog.Find(2006)->TabStops, std::vector<int>{40});
    EXPECT_TRUE(Dialog.User_Double_Click(2006, 1));
    EXPECT_EQ(Dialog.Selected_Items(2006), std::vector<int>{1});
    EXPECT_EQ(g_Log.back(), "command 2006 2");   // NOTIFY_DOUBLE_CLICK after the selection

    // Focus: an edit or combo says so, a button does not.
    g_Log.clear();
    EXPECT_TRUE(Dialog.User_Focus(2005));
    EXPECT_TRUE(Dialog.User_Focus(1));
    EXPECT_TRUE(Dialog.User_Drop_Down(2005));
    EXPECT_EQ(Dialog.Focus(), 1);
    EXPECT_TRUE(Dialog.User_Focus(2002));
    EXPECT_EQ(Dialog.Focus(), 2002);
    // Gained, lost (to the button), dropped down, gained by the edit.
    EXPECT_EQ(g_Log, (std::vector<std::string>{"command 2005 4", "command 2005 6", "command 2005 5", "command 2002 4"}));
    // The owner-drawn combo is asked for its items' pictures; a plain list is not.
    g_Log.clear();
    EXPECT_TRUE(Dialog.User_Draw_Item(2005, 1, nullptr, UI_RECT{0, 0, 120, 13}, true));
    EXPECT_FALSE(Dialog.User_Draw_Item(2005, 3, nullptr, UI_RECT{0, 0, 120, 13}, false));
    EXPECT_FALSE(Dialog.User_Draw_Item(2006, 0, nullptr, UI_RECT{0, 0, 120, 13}, false));
    EXPECT_EQ(g_Log, std::vector<std::string>{"draw 2005 1 1"});
    // 55, 8, 100, 14 units: edges at 82 and 232 across, 13 and 35 down.
    const UI_RECT Pixels = Dialog.Control_Pixels(2002);
    EXPECT_TRUE(Same_Rect(Pixels, UI_RECT{82, 13, 150, 22}));
    EXPECT_TRUE(Same_Rect(Dialog.Control_Pixels(31337), UI_RECT{}));
    Dialog.Invalidate(2017);
    EXPECT_EQ(services::Invalidations(), (std::vector<std::pair<int, int>>{{EVERY_DIALOG, 2017}}));
    // Hidden and disabled controls take nothing.
    Dialog.Show(2007, false);
    EXPECT_FALSE(Dialog.User_Check(2007, true));
    EXPECT_FALSE(Dialog.Is_Visible(2007));
    Dialog.Enable(1, false);
    EXPECT_FALSE(Dialog.User_Press(1));
}

TEST_F(DialogModelTest, TheReportListKeepsItsRowsColumnsAndTheUsersOrder)
{
    DIALOG Dialog(EVERY_DIALOG, "", Every_Proc, nullptr);
    Dialog.Send(DIALOG_INIT, 0);
    EXPECT_EQ(Dialog.Column_Count(2018), 3);
    EXPECT_EQ(Dialog.Column_Tag(2018, 2), 12);
    EXPECT_EQ(Dialog.Column_Tag(2018, 3), -1);
    EXPECT_EQ(Dialog.Column_Order(2018), (std::vector<int>{0, 1, 2}));
    // The user drags Age to the front: the display order changes, the
    // columns (and their cells) stay where they were.
    EXPECT_TRUE(Dialog.User_Column_Order(2018, {2, 0, 1}));
    EXPECT_EQ(Dialog.Column_Order(2018), (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(Dialog.Cell(2018, 0, 2), "31");
    EXPECT_FALSE(Dialog.Set_Column_Order(2018, {0, 0, 1}));   // no permutation
    EXPECT_FALSE(Dialog.Set_Column_Order(2018, {0, 1}));
    EXPECT_EQ(Dialog.Column_Order(2018), (std::vector<int>{2, 0, 1}));

    // Select Cole, then sort by Age (column 2): 24 Bell, 27 Cole, 31 Ames;
    // the selection and the focus go with Cole.
    g_Log.clear();
    EXPECT_TRUE(Dialog.User_Row_Select(2018, 2));
    EXPECT_TRUE(Dialog.User_Header_Click(2018, 2));
    EXPECT_EQ(Row_Order(Dialog), "102 103 101 ");
    EXPECT_EQ(Dialog.Selected_Row(2018), 1);
    EXPECT_EQ(Dialog.Find(2018)->nFocusRow, 1);
    EXPECT_EQ(Dialog.Find_Row(2018, 101), 2);
    EXPECT_EQ(Dialog.Find_Row(2018, 999), -1);
    EXPECT_FALSE(Dialog.User_Header_Click(2018, 3));
    EXPECT_TRUE(Dialog.User_Row_Double_Click(2018, 0));
    EXPECT_TRUE(Dialog.User_Right_Click(2018, -1, 5, 6, true));
    EXPECT_FALSE(Dialog.User_Right_Click(2018, 1, 5, 6, true));   // the header has no row
    const std::vector<std::string> Expected{
        "notify 2018 1 row 2 column -1", "notify 2018 0 row -1 column 2", "notify 2018 1 row 0 column -1",
        "notify 2018 2 row 0 column -1", "notify 2018 3 row -1 column -1 header"};
    EXPECT_EQ(g_Log, Expected);
    // Scrolling a row into view: 20 units hold one 8-unit row under the header.
    Dialog.Ensure_Visible(2018, 2);
    EXPECT_EQ(Dialog.Find(2018)->nTopIndex, 2);
    Dialog.Ensure_Visible(2018, 0);
    EXPECT_EQ(Dialog.Find(2018)->nTopIndex, 0);
    Dialog.Clear_Rows(2018);
    EXPECT_EQ(Dialog.Row_Count(2018), 0);
    EXPECT_EQ(Dialog.Selected_Row(2018), -1);
}

TEST_F(DialogModelTest, ResizingMovesControlsByTheirAnchorsAndKeepsTheMinimum)
{
    DIALOG Dialog(EVERY_DIALOG, "", Every_Proc, nullptr);
    Dialog.Send(DIALOG_INIT, 0);
    // 360 x 240 units is 540 x 390 pixels: 60 units wider, 40 taller.
    EXPECT_TRUE(Dialog.User_Size(540, 390));
    EXPECT_EQ(Dialog.Width(), 360);
    EXPECT_EQ(Dialog.Height(), 240);
    EXPECT_TRUE(Same_Rect(Dialog.Find(2002)->Rect, UI_RECT{55, 8, 160, 14}));    // left, top, right: stretches
    EXPECT_TRUE(Same_Rect(Dialog.Find(2017)->Rect, UI_RECT{310, 8, 40, 40}));    // right, top: moves along
    EXPECT_TRUE(Same_Rect(Dialog.Find(2018)->Rect, UI_RECT{10, 150, 340, 60}));  // all four: grows
    EXPECT_TRUE(Same_Rect(Dialog.Find(1)->Rect, UI_RECT{240, 216, 50, 16}));     // right, bottom
    EXPECT_TRUE(Same_Rect(Dialog.Find(-1)->Rect, UI_RECT{10, 216, 80, 10}));     // left, bottom
    EXPECT_TRUE(Same_Rect(Dialog.Find(2005)->Rect, UI_RECT{165, 8, 80, 14}));    // none: stays
    EXPECT_EQ(g_Log.back(), "size 540 390");
    // Smaller than the minimum (240 x 160) stops at it.
    EXPECT_TRUE(Dialog.User_Size(100, 100));
    EXPECT_EQ(Dialog.Width(), 240);
    EXPECT_EQ(Dialog.Height(), 160);
    EXPECT_TRUE(Same_Rect(Dialog.Find(2002)->Rect, UI_RECT{55, 8, 40, 14}));
    // A control added at run time is anchored from where it was put.
    Dialog.Add(2100, CONTROL_BUTTON, "&More", UI_RECT{180, 140, 50, 14}, CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM);
    EXPECT_TRUE(Dialog.User_Size(540, 390));
    EXPECT_TRUE(Same_Rect(Dialog.Find(2100)->Rect, UI_RECT{240, 180, 50, 14}));
    EXPECT_TRUE(Dialog.Remove(2100));
    EXPECT_FALSE(Dialog.Remove(2100));
    EXPECT_TRUE(Dialog.User_Size(100, 100));
    // A control moved at run time is anchored from its new place.
    Dialog.Move_Control_By(2017, -10, 2, 0, 0);
    EXPECT_TRUE(Dialog.User_Size(450, 325));   // 300 x 200: the template's size
    EXPECT_TRUE(Same_Rect(Dialog.Find(2017)->Rect, UI_RECT{240, 10, 40, 40}));
    // The size grip: 12 pixels square in the corner.
    EXPECT_TRUE(Same_Rect(Get_Size_Grip_Rect(450, 325), UI_RECT{438, 313, 12, 12}));
    EXPECT_TRUE(Hit_Test_Size_Grip(449, 324, 450, 325));
    EXPECT_TRUE(Hit_Test_Size_Grip(438, 313, 450, 325));
    EXPECT_FALSE(Hit_Test_Size_Grip(437, 324, 450, 325));
    EXPECT_FALSE(Hit_Test_Size_Grip(449, 325, 450, 325));
    // A dialog not made resizable refuses.
    static constexpr CONTROL_TEMPLATE ONE[] = {{1, CONTROL_BUTTON, "OK", {0, 0, 10, 10}}};
    static constexpr DIALOG_TEMPLATE FIXED{8, "Fixed", 50, 20, 0, 0, 0, ONE};
    DIALOG Fixed(8, "", Every_Proc, nullptr);
    Fixed.Build(FIXED);
    EXPECT_FALSE(Fixed.User_Size(300, 300));
    EXPECT_EQ(Fixed.Width(), 50);
}

TEST_F(DialogModelTest, TheHeadlessDriverCarriesOutTheNewActionsAndRefusesImpossibleOnes)
{
    const std::vector<DIALOG_ACTION> Actions{
        Action(ACTION_SPIN, 2014, 1),
        Action(ACTION_SPIN, 2005, 1),                     // a combo has no arrows
        Action(ACTION_RADIO, 2010),
        Action(ACTION_RADIO, 2007),                       // a check box
        Action(ACTION_ROW_SELECT, 2018, 0, "cole"),       // by its first cell, ignoring case
        Action(ACTION_HEADER_CLICK, 2018, 9),             // three columns only
        Action(ACTION_HEADER_CLICK, 2018, 0),
        Action(ACTION_DOUBLE_CLICK, 2018, 5),             // three rows only
        Action(ACTION_RIGHT_CLICK, 2018, -1),
        Action(ACTION_TIMER, 0, 5),
        Action(ACTION_TRACK, 2015, 3),
        Action(ACTION_SET_TEXT, 2002, 0, "abcdef"),       // past the limit
        Action(ACTION_SET_TEXT, 2003, 0, "bad\x8D"),      // no Windows-1252 character
        Action(ACTION_SET_TEXT, 2004, 0, "x"),            // read-only
        Action(ACTION_SET_TEXT, 2002, 0, "Ann"),
        Action(ACTION_PRESS, 1),
    };
    for (const DIALOG_ACTION& A : Actions)
        dialogs::Queue_Action(EVERY_DIALOG, A);
    EXPECT_EQ(Do_Dialog(EVERY_DIALOG), 103);
    EXPECT_EQ(dialogs::Pending_Actions(), 0u);
    ASSERT_EQ(dialogs::Records().size(), 1u);
    const DIALOG_RECORD& Record = dialogs::Records()[0];
    EXPECT_EQ(Record.Title, "Every Control");
    const std::vector<std::string> Lines{
        "spin 2014 up",
        "refused: control 2005 is no up-down control",
        "radio 2010",
        "refused: control 2007 is no radio button",
        "row 2018 \"cole\"",
        "refused: control 2018 has no column 9",
        "header 2018 0",
        "refused: control 2018 has no row \"5\"",
        "right-click 2018 -1",
        "timer 5",
        "track 2015 3",
        "refused: control 2002 takes at most 5 characters",
        "refused: control 2003 cannot hold that text",
        "refused: control 2004 is read-only",
        "set 2002 \"Ann\"",
        "press 1",
        "end 103",
    };
    EXPECT_EQ(Record.Lines, Lines);
    EXPECT_EQ(dialogs::Last_Refusal(), "control 2004 is read-only");
    // The dialog's timer died with it; the procedure heard of the end last.
    EXPECT_EQ(Next_Timer_Due(), UINT64_MAX);
    EXPECT_EQ(g_Log.back(), "destroy");
}

TEST_F(DialogModelTest, EscapeCancelsUnlessTheStyleForbidsItAndAnIdWithoutATemplateIsCancelled)
{
    dialogs::Queue_Action(EVERY_DIALOG, Action(ACTION_CANCEL, 0));
    EXPECT_EQ(Do_Dialog(EVERY_DIALOG), DIALOG_CANCEL);
    EXPECT_EQ(dialogs::Records().back().Lines.front(), "cancel");

    static constexpr CONTROL_TEMPLATE ONE[] = {{1, CONTROL_BUTTON, "OK", {0, 0, 10, 10}, CS_DEFAULT}};
    static constexpr DIALOG_TEMPLATE STUCK{8, "Stuck", 50, 20, DS_IGNORE_ESCAPE | DS_NO_CLOSE_BOX, 0, 0, ONE};
    DIALOG Stuck(8, "", Every_Proc, nullptr);
    Stuck.Build(STUCK);
    EXPECT_FALSE(Stuck.User_Cancel());
    EXPECT_FALSE(Stuck.Ended());
    // Without a Cancel button Escape ends the dialog with Cancel.
    static constexpr DIALOG_TEMPLATE PLAIN{8, "Plain", 50, 20, 0, 0, 0, ONE};
    DIALOG Plain(8, "", Every_Proc, nullptr);
    Plain.Build(PLAIN);
    EXPECT_TRUE(Plain.User_Cancel());
    EXPECT_EQ(Plain.Result(), DIALOG_CANCEL);

    // Nothing registered for 4242: one box names it.
    EXPECT_EQ(Do_Dialog(4242), DIALOG_CANCEL);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Dialog 4242 is not available in this version.");
    EXPECT_EQ(dialogs::Records().back().nDialogId, 4242);
}

TEST_F(DialogModelTest, ABackendRunsTheDialogAndHearsOfEveryChange)
{
    SEEN::nRuns = 0;
    SEEN::Changed.clear();
    UI_BACKEND Fake;
    Fake.szName = "fake";
    Fake.Run_Dialog = [](DIALOG& Dialog) {
        ++SEEN::nRuns;
        SEEN::bOpenInRun = Dialog.Is_Open();
        Dialog.User_Set_Text(2002, "Jo");
        Dialog.Set_Text(2003, "by the procedure");
        Dialog.User_Press(1);
    };
    Fake.Dialog_Changed = [](DIALOG&, int nControl) { SEEN::Changed.push_back(nControl); };
    Fake.Message_Box = [](const SHOWN_BOX& Box, int nDefault) { return Box.Text == "odd" ? 42 : nDefault + 1; };
    Install_Ui_Backend(&Fake);
    EXPECT_FALSE(Ui_Is_Headless());
    const int nResult = Do_Dialog(EVERY_DIALOG);
    const int nYesNo = Show_Message_Box("sure?", "Q", BOX_YESNO);
    const int nOdd = Show_Message_Box("odd", "Q", BOX_OKCANCEL);
    Install_Ui_Backend(nullptr);
    EXPECT_TRUE(Ui_Is_Headless());
    EXPECT_EQ(nResult, 102);
    EXPECT_EQ(SEEN::nRuns, 1);
    EXPECT_TRUE(SEEN::bOpenInRun);
    // Nothing was reported before the run (the init's changes are shown
    // whole); then the text event, the procedure's write, the press.
    EXPECT_EQ(SEEN::Changed, (std::vector<int>{0, 2003, 0}));
    EXPECT_EQ(nYesNo, ID_NO);   // the default Yes plus one
    // A backend that comes back without an end: Cancel, and no button pressed for the user.
    UI_BACKEND Idle;
    Idle.Run_Dialog = [](DIALOG&) {};
    Install_Ui_Backend(&Idle);
    EXPECT_EQ(Do_Dialog(EVERY_DIALOG), DIALOG_CANCEL);
    Install_Ui_Backend(nullptr);
    EXPECT_EQ(dialogs::Records().back().Lines, std::vector<std::string>{"end 2"});
    EXPECT_EQ(nOdd, ID_CANCEL);   // no such button: the box is declined, not confirmed
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[1].Result, ID_CANCEL);
}

TEST_F(DialogModelTest, TimersFireInTimeOrderAndTheWaitWakesForTheNearest)
{
    static std::vector<int> Fired;
    Fired.clear();
    auto Handler = [](int nId) { Fired.push_back(nId); };
    // 1 every 30 ms, 2 and 3 every 20 ms (2 set before 3).
    Set_Timer(1, 30, Handler);
    Set_Timer(2, 20, Handler);
    Set_Timer(3, 20, Handler);
    EXPECT_EQ(Next_Timer_Due(), 20u);
    services::Advance_Clock(60);
    // 20: 2, 3; 30: 1; 40: 2, 3; 60: 1, 2, 3 (ties in the order set).
    EXPECT_EQ(Fired, (std::vector<int>{2, 3, 1, 2, 3, 1, 2, 3}));
    const std::vector<services::TIMER_FIRING>& Firings = services::Timer_Firings();
    ASSERT_EQ(Firings.size(), 8u);
    EXPECT_EQ(Firings[2].nAt, 30u);
    EXPECT_EQ(Firings[7].nAt, 60u);
    Kill_Timer(2);
    Kill_Timer(3);
    // The wait stops at the timeout when no timer is due before it, else at the timer.
    Fired.clear();
    Wait_For_Event(10);
    EXPECT_EQ(Ui_Now(), 70u);
    EXPECT_TRUE(Fired.empty());
    Wait_For_Event(-1);
    EXPECT_EQ(Ui_Now(), 90u);
    EXPECT_EQ(Fired, std::vector<int>{1});
    // Setting an id again restarts it with the new interval.
    Set_Timer(1, 5, Handler);
    EXPECT_EQ(Next_Timer_Due(), 95u);
    Kill_Timer(1);
    EXPECT_EQ(Next_Timer_Due(), UINT64_MAX);
}

// Dialogs on the real widgets: every registered template laid out at 6 x 13
// pixels per base unit with each control within a pixel of its rectangle,
// its caption and mnemonic; Enter and Escape; a dialog of every control kind
// driven by the same queued actions on both backends, which must leave the
// same model and the same record; typed text the records cannot hold.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "gamefile/game_dialogs.h"
#include "gui_support.h"
#include "season/franchise_moves.h"
#include "shell/commands.h"
#include "shell/welcome_dialog.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/every_control_template.h"
#include "platform/gtk/gtk_text.h"
#include "platform/ui.h"

namespace {

// A dialog of every control kind (ids 300..), as a procedure sees it.
constexpr int TEST_DIALOG = 9901;
constexpr int TEST_DIALOG_NO_ESCAPE = 9902;
constexpr int ID_NAME_LABEL = 300;
constexpr int ID_NAME = 301;
constexpr int ID_COMBO = 302;
constexpr int ID_LIST = 303;
constexpr int ID_CHECK = 304;
constexpr int ID_RADIO_A = 305;
constexpr int ID_RADIO_B = 306;
constexpr int ID_GROUP = 307;
constexpr int ID_SEASONS = 308;
constexpr int ID_SPIN = 309;
constexpr int ID_TRACK = 310;
constexpr int ID_BAR = 311;
constexpr int ID_PAINT = 312;
constexpr int ID_REPORT = 313;
constexpr int ID_APPLY = 314;

constexpr CONTROL_TEMPLATE TEST_CONTROLS[] = {
    {ID_GROUP, CONTROL_GROUP, "Kick && Punt &Returns", {4, 4, 150, 44}},
    {ID_NAME_LABEL, CONTROL_LABEL, "&Name:", {10, 16, 30, 8}},
    {ID_NAME, CONTROL_EDIT, "", {44, 14, 100, 12}, 0, 15},
    {ID_CHECK, CONTROL_CHECK, "&Commissioner", {10, 32, 70, 10}},
    {ID_RADIO_A, CONTROL_RADIO, "&East", {160, 8, 50, 10}, CS_GROUP},
    {ID_RADIO_B, CONTROL_RADIO, "&West", {160, 20, 50, 10}},
    {ID_COMBO, CONTROL_COMBO, "", {160, 34, 90, 14}},
    {ID_LIST, CONTROL_LIST, "", {4, 54, 100, 50}},
    {ID_SEASONS, CONTROL_EDIT, "", {110, 54, 30, 12}, CS_READONLY},
    {ID_SPIN, CONTROL_UPDOWN, "", {140, 54, 10, 12}, 0, 0, 1, 50, ID_SEASONS},
    {ID_TRACK, CONTROL_TRACKBAR, "", {160, 54, 90, 14}, 0, 0, 0, 10},
    {ID_BAR, CONTROL_PROGRESS, "", {160, 72, 90, 8}, 0, 0, 0, 100},
    {ID_PAINT, CONTROL_PAINT, "", {110, 72, 40, 32}},
    {ID_REPORT, CONTROL_REPORT, "", {4, 110, 246, 60}},
    {ID_APPLY, CONTROL_BUTTON, "&Apply", {90, 176, 50, 14}},
    {1, CONTROL_BUTTON, "&OK", {146, 176, 50, 14}, CS_DEFAULT},
    {2, CONTROL_BUTTON, "Cancel", {200, 176, 50, 14}},
};
constexpr DIALOG_TEMPLATE TEST_TEMPLATE{TEST_DIALOG, "Every Control", 254, 194, 0, 0, 0, TEST_CONTROLS};
constexpr DIALOG_TEMPLATE NO_ESCAPE_TEMPLATE{TEST_DIALOG_NO_ESCAPE, "No Escape", 254, 194, DS_IGNORE_ESCAPE, 0, 0,
                                            TEST_CONTROLS};

// What the procedure saw, for the comparison of the backends.
struct SEEN {
    std::vector<std::string> Events;
    std::string Name;
    int nCombo = -1;
    int nList = -1;
    bool bCheck = false;
    bool bRadioB = false;
    int nSpin = 0;
    int nTrack = 0;
    int nSelectedRow = -1;
    std::vector<int64_t> RowOrder;
    int nPaints = 0;
};
SEEN g_Seen;

bool Less_By_Name_Descending(const DIALOG_ROW& a, const DIALOG_ROW& b, void*)
{
    return a.Cells[0] > b.Cells[0];
}

void Test_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    switch (nEvent) {
    case DIALOG_INIT:
        for (const char* szItem : {"Easy", "Normal", "Hard"})
            Dialog.Add_Item(ID_COMBO, szItem);
        Dialog.Set_Selected(ID_COMBO, 1);
        for (const char* szItem : {"Buffalo Frost", "Denver Peaks", "Miami Surf"})
            Dialog.Add_Item(ID_LIST, szItem);
        Dialog.Set_Text(ID_NAME, "Pat");
        Dialog.Set_Position(ID_SPIN, 1);
        Dialog.Set_Text(ID_SEASONS, "1");
        Dialog.Check_Radio(ID_RADIO_A);
        Dialog.Set_Position(ID_BAR, 40);
        Dialog.Add_Column(ID_REPORT, 10, "Name", 90);
        Dialog.Add_Column(ID_REPORT, 20, "Pos", 40);
        Dialog.Add_Column(ID_REPORT, 30, "Age", 40);
        for (int i = 0; i < 4; ++i) {
            const char* Names[4] = {"Abel", "Cruz", "Baker", "Dunn"};
            const int nRow = Dialog.Add_Row(ID_REPORT, 100 + i);
            Dialog.Set_Cell(ID_REPORT, nRow, 0, Names[i]);
            Dialog.Set_Cell(ID_REPORT, nRow, 1, i % 2 ? "QB" : "WR");
            Dialog.Set_Cell(ID_REPORT, nRow, 2, std::to_string(22 + i));
        }
        break;
    case DIALOG_COMMAND:
        // Focus comes and goes with a shown window only.
        if (Dialog.Event().nNotification == NOTIFY_FOCUS_GAINED)
            break;
        g_Seen.Events.push_back("command " + std::to_string(nControl) + " " +
                                std::to_string(Dialog.Event().nNotification));
        if (nControl == 1 || nControl == 2 || nControl == ID_APPLY) {
            g_Seen.Name = Dialog.Get_Text(ID_NAME);
            g_Seen.nCombo = Dialog.Get_Selected(ID_COMBO);
            g_Seen.nList = Dialog.Get_Selected(ID_LIST);
            g_Seen.bCheck = Dialog.Is_Checked(ID_CHECK);
            g_Seen.bRadioB = Dialog.Is_Checked(ID_RADIO_B);
            g_Seen.nSpin = Dialog.Get_Position(ID_SPIN);
            g_Seen.nTrack = Dialog.Get_Position(ID_TRACK);
            g_Seen.nSelectedRow = Dialog.Selected_Row(ID_REPORT);
            g_Seen.RowOrder.clear();
            for (int r = 0; r < Dialog.Row_Count(ID_REPORT); ++r)
                g_Seen.RowOrder.push_back(Dialog.Row_Data(ID_REPORT, r));
            if (nControl != ID_APPLY)
                Dialog.End(nControl);
        }
        break;
    case DIALOG_SCROLL:
        g_Seen.Events.push_back("scroll " + std::to_string(nControl) + " " + std::to_string(Dialog.Event().nPosition));
        if (nControl == ID_SPIN)
            Dialog.Set_Text(ID_SEASONS, std::to_string(Dialog.Get_Position(ID_SPIN)));
        break;
    case DIALOG_NOTIFY:
        g_Seen.Events.push_back("notify " + std::to_string(nControl) + " " +
                                std::to_string(Dialog.Event().nNotification));
        if (Dialog.Event().nNotification == LIST_COLUMN_CLICK && Dialog.Event().nColumn == 0)
            Dialog.Sort_Rows(ID_REPORT, Less_By_Name_Descending, nullptr);
        break;
    case DIALOG_PAINT:
        ++g_Seen.nPaints;
        break;
    default:
        break;
    }
}

const DIALOG_REGISTRAR REGISTER_TEST(TEST_DIALOG, TEST_TEMPLATE, Test_Proc, {});
const DIALOG_REGISTRAR REGISTER_NO_ESCAPE(TEST_DIALOG_NO_ESCAPE, NO_ESCAPE_TEMPLATE, Test_Proc, {});

DIALOG_ACTION Action(int nKind, int nControl, const std::string& Text = "", int nValue = 0)
{
    DIALOG_ACTION A;
    A.nKind = nKind;
    A.nControl = nControl;
    A.Text = Text;
    A.nValue = nValue;
    return A;
}

void Queue_Walk()
{
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_SET_TEXT, ID_NAME, "Lee \x96 Smith"));
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_SELECT, ID_COMBO, "hard"));
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_SELECT, ID_LIST, "", 2));
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_CHECK, ID_CHECK, "", 1));
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_RADIO, ID_RADIO_B));
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_SPIN, ID_SPIN, "", 1));
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_SPIN, ID_SPIN, "", 1));
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_TRACK, ID_TRACK, "", 7));
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_HEADER_CLICK, ID_REPORT, "", 0));
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_ROW_SELECT, ID_REPORT, "", 1));
    // A control the dialog has not: refused, the run goes on.
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_PRESS, 999));
    dialogs::Queue_Action(TEST_DIALOG, Action(ACTION_PRESS, ID_APPLY));
}

// Runs the walk on the backend in force: the record and what the procedure saw.
std::pair<DIALOG_RECORD, SEEN> Walk()
{
    g_Seen = SEEN{};
    dialogs::Reset();
    Queue_Walk();
    const int nResult = Do_Dialog(TEST_DIALOG);
    EXPECT_EQ(nResult, 1);
    EXPECT_EQ(dialogs::Pending_Actions(), 0u);
    EXPECT_FALSE(dialogs::Records().empty());
    DIALOG_RECORD Record = dialogs::Records().empty() ? DIALOG_RECORD{} : dialogs::Records().back();
    SEEN Seen = g_Seen;
    Seen.nPaints = 0;   // only a shown dialog paints
    return {Record, Seen};
}

// Within a pixel, as the layout promises.
bool Near(int a, int b)
{
    return std::abs(a - b) <= 1;
}

int g_nChecked = 0;
std::vector<std::string> g_Problems;

void Check_Layout(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(nDialogId);
    if (pRegistration == nullptr || pRegistration->pTemplate == nullptr)
        return;
    const DIALOG_TEMPLATE& Template = *pRegistration->pTemplate;
    gtk_probe::PIXELS Layout;
    if (!gtk_probe::Dialog_Pixels(nDialogId, Layout) || !Near(Layout.cx, Dialog_Units_To_Pixels_X(Template.cx)) ||
        !Near(Layout.cy, Dialog_Units_To_Pixels_Y(Template.cy)))
        g_Problems.push_back("dialog " + std::to_string(nDialogId) + " is " + std::to_string(Layout.cx) + " x " +
                             std::to_string(Layout.cy));
    int nShared = 0;
    for (const CONTROL_TEMPLATE& Control : Template.Controls) {
        const int nOrdinal = Control.nId == -1 ? nShared++ : 0;
        if (Control.nStyle & CS_HIDDEN)
            continue;
        const std::string Name = "dialog " + std::to_string(nDialogId) + " control " + std::to_string(Control.nId);
        gtk_probe::PIXELS At;
        if (!gtk_probe::Control_Pixels(nDialogId, Control.nId, At, nOrdinal)) {
            g_Problems.push_back(Name + " not shown");
            continue;
        }
        const UI_RECT Want = Dialog_Units_To_Pixels(Control.Rect);
        if (!Near(At.x, Want.x) || !Near(At.y, Want.y) || !Near(At.cx, Want.cx) || !Near(At.cy, Want.cy))
            g_Problems.push_back(Name + " at " + std::to_string(At.x) + "," + std::to_string(At.y) + " " +
                                 std::to_string(At.cx) + "x" + std::to_string(At.cy) + ", not " +
                                 std::to_string(Want.x) + "," + std::to_string(Want.y) + " " +
                                 std::to_string(Want.cx) + "x" + std::to_string(Want.cy));
        std::string Caption;
        char cMnemonic = 0;
        const bool bCaptioned = Control.nKind == CONTROL_LABEL || Control.nKind == CONTROL_BUTTON ||
                                Control.nKind == CONTROL_CHECK || Control.nKind == CONTROL_RADIO;
        if (bCaptioned && Control.szText[0] != '\0') {
            if (!gtk_probe::Control_Caption(nDialogId, Control.nId, Caption, cMnemonic, nOrdinal))
                g_Problems.push_back(Name + " shows no caption");
            else if (Caption != gtk_text::Plain_Label(Control.szText) ||
                     cMnemonic != gtk_text::Mnemonic_Letter(Control.szText))
                g_Problems.push_back(Name + " shows \"" + Caption + "\" with mnemonic '" + std::string(1, cMnemonic) +
                                     "'");
        }
        ++g_nChecked;
    }
}

void Plain_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_COMMAND && (nControl == 1 || nControl == 2))
        Dialog.End(nControl);
}

int g_nKeyStep = 0;
std::string g_KeyToSend;
void Send_Key_When_Shown(int nKind, int nDialogId)
{
    if (nKind == gtk_probe::WINDOW_DIALOG && !g_KeyToSend.empty()) {
        ++g_nKeyStep;
        gtk_probe::Send_Key(nKind, nDialogId, g_KeyToSend);
    }
}

// The program's dialogs register themselves from the files of their
// procedures; naming one function of each links those files in.
const void* volatile PROGRAM_DIALOG_FILES[] = {
    reinterpret_cast<const void*>(&Welcome_Dialog_Proc),
    reinterpret_cast<const void*>(&Start_Game_Dialog_Proc),
    reinterpret_cast<const void*>(&Resume_Game_Dialog_Proc),
    reinterpret_cast<const void*>(&Play_Multiple_Seasons_Dialog_Proc),
    reinterpret_cast<const void*>(&Get_Franchise_Events),
};

}  // namespace

TEST(GtkDialogs, BaseUnitsMeasureSixByThirteen)
{
    REQUIRE_DESKTOP();
    int cx = 0, cy = 0;
    gtk_probe::Base_Units(cx, cy);
    EXPECT_EQ(cx, 6);
    EXPECT_EQ(cy, 13);
}

TEST(GtkDialogs, EveryTemplateLaysOutEachControlWithinAPixelWithItsCaptionAndMnemonic)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    gtk_probe::Set_Shown_Hook(Check_Layout);
    int nDialogs = 0;
    for (int nId : Registered_Dialog_Ids()) {
        dialogs::Reset();
        ui::Reset();
        // The template alone, with a procedure that only ends it: the
        // layout does not depend on the league.
        Do_Dialog(nId, nullptr, Plain_Proc, nullptr);
        ++nDialogs;
    }
    gtk_probe::Set_Shown_Hook(nullptr);
    for (const std::string& Problem : g_Problems)
        ADD_FAILURE() << Problem;
    // Welcome, new game, resume, Offense, save, Play Multiple Seasons, the
    // model's every-control dialog and the two here.
    for (const void* volatile& p : PROGRAM_DIALOG_FILES)
        EXPECT_NE(p, nullptr);
    for (int nId : {100, 105, 118, 119, 120, 179})
        EXPECT_NE(Find_Dialog_Registration(nId), nullptr) << nId;
    EXPECT_GE(nDialogs, 9);
    EXPECT_GT(g_nChecked, 34);
}

TEST(GtkDialogs, EnterPressesTheDefaultButtonAndEscapeCancelsUnlessForbidden)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    gtk_probe::Set_Shown_Hook(Send_Key_When_Shown);
    g_KeyToSend = "Return";
    g_Seen = SEEN{};
    EXPECT_EQ(Do_Dialog(TEST_DIALOG), 1);
    ASSERT_FALSE(dialogs::Records().empty());
    // Ended by the key, not by the unattended default.
    EXPECT_EQ(dialogs::Records().back().Lines.size(), 1u) << dialogs::Records().back().Lines.front();

    g_KeyToSend = "Escape";
    EXPECT_EQ(Do_Dialog(TEST_DIALOG), 2);
    EXPECT_EQ(dialogs::Records().back().Lines.size(), 1u);

    // Escape ignored: the dialog stays until the unattended end presses OK.
    EXPECT_EQ(Do_Dialog(TEST_DIALOG_NO_ESCAPE), 1);
    const std::vector<std::string>& Lines = dialogs::Records().back().Lines;
    EXPECT_EQ(std::count(Lines.begin(), Lines.end(), std::string("press 1 (default)")), 1);
    gtk_probe::Set_Shown_Hook(nullptr);
    g_KeyToSend.clear();
}

TEST(GtkDialogs, TheSameQueuedActionsLeaveTheSameModelAndRecordOnBothBackends)
{
    dialogs::Set_Unattended(true);
    const auto [HeadlessRecord, HeadlessSeen] = Walk();
    REQUIRE_DESKTOP();
    const auto [DesktopRecord, DesktopSeen] = Walk();
    EXPECT_EQ(DesktopRecord.Lines, HeadlessRecord.Lines);
    EXPECT_EQ(DesktopRecord.nResult, HeadlessRecord.nResult);
    EXPECT_EQ(DesktopSeen.Events, HeadlessSeen.Events);
    EXPECT_EQ(DesktopSeen.Name, "Lee \x96 Smith");
    EXPECT_EQ(DesktopSeen.Name, HeadlessSeen.Name);
    EXPECT_EQ(DesktopSeen.nCombo, 2);
    EXPECT_EQ(DesktopSeen.nList, 2);
    EXPECT_TRUE(DesktopSeen.bCheck);
    EXPECT_TRUE(DesktopSeen.bRadioB);
    EXPECT_EQ(DesktopSeen.nSpin, 3);
    EXPECT_EQ(DesktopSeen.nTrack, 7);
    // Sorted by name, descending, by the procedure: Dunn, Cruz, Baker, Abel.
    EXPECT_EQ(DesktopSeen.RowOrder, (std::vector<int64_t>{103, 101, 102, 100}));
    EXPECT_EQ(DesktopSeen.nSelectedRow, 1);
    EXPECT_EQ(HeadlessSeen.nSpin, DesktopSeen.nSpin);
    EXPECT_EQ(HeadlessSeen.RowOrder, DesktopSeen.RowOrder);
    EXPECT_EQ(HeadlessSeen.nSelectedRow, DesktopSeen.nSelectedRow);
    EXPECT_EQ(dialogs::Last_Refusal(), "control 999 does not exist");
}

namespace {
std::string g_Typed;
std::string g_EntryShown;
void Type_When_Shown(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    // Pat + an arrow (refused) + e acute (taken), then past the limit of 15.
    gtk_probe::Type_Into(nDialogId, ID_NAME, "\xE2\x86\x92");
    gtk_probe::Type_Into(nDialogId, ID_NAME, "\xC3\xA9");
    gtk_probe::Type_Into(nDialogId, ID_NAME, "0123456789ABC");
    gtk_probe::Type_Into(nDialogId, ID_NAME, "0123456789A");
    g_EntryShown = gtk_probe::Entry_Text(nDialogId, ID_NAME);
}
}  // namespace

TEST(GtkDialogs, TypedTextTheRecordsCannotHoldIsNotTaken)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    g_Seen = SEEN{};
    gtk_probe::Set_Shown_Hook(Type_When_Shown);
    EXPECT_EQ(Do_Dialog(TEST_DIALOG), 1);
    gtk_probe::Set_Shown_Hook(nullptr);
    // "Pat" + e acute = 4 characters; 13 more would pass 15, so refused whole;
    // 11 more reach exactly 15.
    EXPECT_EQ(g_Seen.Name, "Pat\xE9" "0123456789A");
    EXPECT_EQ(g_EntryShown, "Pat\xC3\xA9" "0123456789A");
}

namespace {
std::vector<std::string> g_Shown;
void Read_Report(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    auto First_Names = [nDialogId] {
        std::string Names;
        for (int r = 0; r < gtk_probe::Report_Rows(nDialogId, ID_REPORT); ++r)
            Names += gtk_probe::Report_Cell(nDialogId, ID_REPORT, r, 0) + " ";
        return Names;
    };
    g_Shown.push_back(First_Names());
    // The procedure sorts on the first column only: a click on the second
    // changes nothing, since the view never sorts by itself.
    gtk_probe::Click_Header(nDialogId, ID_REPORT, 1);
    g_Shown.push_back(First_Names());
    gtk_probe::Click_Header(nDialogId, ID_REPORT, 0);
    g_Shown.push_back(First_Names());
    g_Shown.push_back(gtk_probe::Report_Column_Order(nDialogId, ID_REPORT));
}
}  // namespace

TEST(GtkDialogs, TheReportListShowsTheModelsOrderAndNeverSortsByItself)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    g_Seen = SEEN{};
    g_Shown.clear();
    gtk_probe::Set_Shown_Hook(Read_Report);
    EXPECT_EQ(Do_Dialog(TEST_DIALOG), 1);
    gtk_probe::Set_Shown_Hook(nullptr);
    ASSERT_EQ(g_Shown.size(), 4u);
    EXPECT_EQ(g_Shown[0], "Abel Cruz Baker Dunn ");
    EXPECT_EQ(g_Shown[1], "Abel Cruz Baker Dunn ");
    EXPECT_EQ(g_Shown[2], "Dunn Cruz Baker Abel ");
    EXPECT_EQ(g_Shown[3], "0,1,2");
    // Both clicks reached the procedure as column clicks.
    EXPECT_EQ(std::count(g_Seen.Events.begin(), g_Seen.Events.end(), "notify " + std::to_string(ID_REPORT) + " 0"), 2);
}

namespace {
// The model's own dialog of every control kind, resizable with anchors.
std::vector<std::pair<int, int>> g_Sizes;
void Every_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_SIZE)
        g_Sizes.emplace_back(Dialog.Event().x, Dialog.Event().y);
    else if (nEvent == DIALOG_COMMAND && (nControl == 1 || nControl == 2))
        Dialog.End(nControl);
}
const DIALOG_REGISTRAR REGISTER_EVERY(EVERY_DIALOG, EVERY_TEMPLATE, Every_Proc, {});

gtk_probe::PIXELS g_OkBefore, g_OkAfter, g_ListAfter;
void Resize_When_Shown(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != EVERY_DIALOG)
        return;
    gtk_probe::Control_Pixels(nDialogId, 1, g_OkBefore);
    gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("dialog_every_control"));
    // 60 x 40 dialog units larger: 90 x 65 pixels.
    gtk_probe::Resize_Dialog(nDialogId, 450 + 90, 325 + 65);
    for (int i = 0; i < 100 && g_Sizes.empty(); ++i)
        gtk_probe::Run_For(20);
    gtk_probe::Run_For(100);
    gtk_probe::Control_Pixels(nDialogId, 1, g_OkAfter);
    gtk_probe::Control_Pixels(nDialogId, 2018, g_ListAfter);
}
}  // namespace

TEST(GtkDialogs, AResizedDialogMovesItsControlsByTheirAnchors)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    g_Sizes.clear();
    gtk_probe::Set_Shown_Hook(Resize_When_Shown);
    EXPECT_EQ(Do_Dialog(EVERY_DIALOG), 1);
    gtk_probe::Set_Shown_Hook(nullptr);
    ASSERT_FALSE(g_Sizes.empty());
    EXPECT_EQ(g_Sizes.back(), std::make_pair(540, 390));
    // OK keeps its distance to the right and bottom edges: 180 + 60 units
    // across (360 px), 176 + 40 down (351 px).
    EXPECT_EQ(g_OkBefore.x, 270);
    EXPECT_EQ(g_OkBefore.y, 286);
    EXPECT_NEAR(g_OkAfter.x, 360, 1);
    EXPECT_NEAR(g_OkAfter.y, 351, 1);
    // The report list is anchored on all four sides: it stretches by 60 x 40
    // units, to 340 x 60 (510 x 97 px).
    EXPECT_NEAR(g_ListAfter.cx, 510, 1);
    EXPECT_NEAR(g_ListAfter.cy, 97, 1);
}

namespace {
std::string g_MultiLine, g_Limited;
void Type_Into_Every(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != EVERY_DIALOG)
        return;
    // The multi-line edit: two lines, an arrow refused between them.
    gtk_probe::Type_Into(nDialogId, 2003, "Line \xC3\xA9\n");
    gtk_probe::Type_Into(nDialogId, 2003, "\xE2\x86\x92");
    gtk_probe::Type_Into(nDialogId, 2003, "two");
    // The edit of at most 5: "abc", then "def" would make 6.
    gtk_probe::Type_Into(nDialogId, 2002, "abc");
    gtk_probe::Type_Into(nDialogId, 2002, "def");
    gtk_probe::Type_Into(nDialogId, 2002, "de");
}
void Read_Every(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_COMMAND && nControl == 1) {
        g_MultiLine = Dialog.Get_Text(2003);
        g_Limited = Dialog.Get_Text(2002);
    }
    Every_Proc(Dialog, nEvent, nControl);
}
}  // namespace

TEST(GtkDialogs, MultiLineAndLimitedEditsTakeOnlyWhatTheModelCanHold)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    Register_Dialog(EVERY_DIALOG, EVERY_TEMPLATE, Read_Every, {});
    gtk_probe::Set_Shown_Hook(Type_Into_Every);
    EXPECT_EQ(Do_Dialog(EVERY_DIALOG), 1);
    gtk_probe::Set_Shown_Hook(nullptr);
    Register_Dialog(EVERY_DIALOG, EVERY_TEMPLATE, Every_Proc, {});
    EXPECT_EQ(g_MultiLine, "Line \xE9\ntwo");
    EXPECT_EQ(g_Limited, "abcde");
}

TEST(GtkDialogs, NoTwoControlsOfADialogShareAMnemonicLetter)
{
    // Alt and a letter reaches one control; a letter given twice reaches
    // only the first of them.
    std::vector<std::string> Problems;
    for (int nId : Registered_Dialog_Ids()) {
        if (nId == TEST_DIALOG || nId == TEST_DIALOG_NO_ESCAPE || nId == EVERY_DIALOG)
            continue;   // the tests' own
        const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(nId);
        if (pRegistration == nullptr || pRegistration->pTemplate == nullptr)
            continue;
        std::map<char, std::string> Owners;
        for (const CONTROL_TEMPLATE& Control : pRegistration->pTemplate->Controls) {
            const char cLetter = gtk_text::Mnemonic_Letter(Control.szText);
            if (cLetter == 0 || (Control.nStyle & CS_HIDDEN))
                continue;
            const auto [It, bNew] = Owners.emplace(cLetter, Control.szText);
            if (!bNew)
                Problems.push_back("dialog " + std::to_string(nId) + ": '" + std::string(1, cLetter) + "' in \"" +
                                   It->second + "\" and \"" + Control.szText + "\"");
        }
    }
    for (const std::string& Problem : Problems)
        ADD_FAILURE() << Problem;
}

namespace {

// A dialog that steps aside while work goes on behind it, then shows a box
// before it comes back (the college draft's "Round 2: Pick #15").
struct ASIDE_RUN {
    int yHome = -1;
    int yAtBox = -1;
    bool bBox = false;
};
ASIDE_RUN g_Aside;

void Aside_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent != DIALOG_COMMAND || nControl != ID_APPLY)
        return;
    Dialog.Move_Aside();
    gtk_probe::Run_For(50);
    Show_Message_Box("Your turn.", "Round 2: Pick #15", BOX_OK);
    Dialog.Move_Back();
    Dialog.End(1);
}

void Aside_Hook(int nKind, int nDialogId)
{
    if (nKind == gtk_probe::WINDOW_DIALOG && nDialogId == TEST_DIALOG) {
        int x = 0;
        gtk_probe::Window_Origin(gtk_probe::WINDOW_DIALOG, TEST_DIALOG, x, g_Aside.yHome);
        gtk_probe::Click_Button(TEST_DIALOG, ID_APPLY);
    } else if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        g_Aside.bBox = true;
        int x = 0;
        gtk_probe::Run_For(50);
        gtk_probe::Window_Origin(gtk_probe::WINDOW_DIALOG, TEST_DIALOG, x, g_Aside.yAtBox);
        gtk_probe::Send_Key(gtk_probe::WINDOW_MESSAGE_BOX, 0, "Return");
    }
}

}  // namespace

TEST(GtkDialogs, ADialogMovedAsideIsBackWhereItStoodWhileABoxSpeaksToTheUser)
{
    REQUIRE_DESKTOP();
    dialogs::Reset();
    ui::Reset();
    dialogs::Set_Unattended(false);
    g_Aside = ASIDE_RUN{};
    gtk_probe::Set_Shown_Hook(Aside_Hook);
    EXPECT_EQ(Do_Dialog(TEST_DIALOG, nullptr, Aside_Proc, nullptr), 1);
    gtk_probe::Set_Shown_Hook(nullptr);
    dialogs::Set_Unattended(true);
    EXPECT_TRUE(g_Aside.bBox);
    ASSERT_GE(g_Aside.yHome, 0);
    EXPECT_EQ(g_Aside.yAtBox, g_Aside.yHome);
}

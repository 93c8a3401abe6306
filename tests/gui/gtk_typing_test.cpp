// Typing into the dialogs' edit controls with real key presses and clicks
// (XTEST, through the X server): what is typed is kept, the cursor keys,
// Home, End, Backspace, Delete and a selection made with the mouse behave as
// in any entry, in New Game, Save Game, Find Players and the League Editor.
// What is checked is what the program holds once the dialog has ended.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editors/find_players.h"
#include "editors/league_editor.h"
#include "gamefile/game_dialogs.h"
#include "gui_support.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"
#include "xtest_input.h"

namespace fs = std::filesystem;

namespace {

// The x of the boundary before character nIndex of an entry (widget
// coordinates), from the layout the entry draws.
int Entry_Index_X(GtkWidget* pEntry, int nIndex)
{
    int xLayout = 0, yLayout = 0;
    gtk_entry_get_layout_offsets(GTK_ENTRY(pEntry), &xLayout, &yLayout);
    PangoLayout* pLayout = gtk_entry_get_layout(GTK_ENTRY(pEntry));
    const char* szText = pango_layout_get_text(pLayout);
    const int nByte = static_cast<int>(g_utf8_offset_to_pointer(szText, nIndex) - szText);
    PangoRectangle Place;
    pango_layout_index_to_pos(pLayout, nByte, &Place);
    return xLayout + PANGO_PIXELS(Place.x);
}

int Middle_Y(GtkWidget* pWidget)
{
    return gtk_widget_get_allocated_height(pWidget) / 2;
}

std::string Text_Of(GtkWidget* pEntry)
{
    return pEntry != nullptr ? gtk_entry_get_text(GTK_ENTRY(pEntry)) : "(no entry)";
}

const DIALOG_CONTROL* Held(int nDialogId, int nControl)
{
    const auto& Records = dialogs::Records();
    for (auto It = Records.rbegin(); It != Records.rend(); ++It)
        if (It->nDialogId == nDialogId)
            return It->Find(nControl);
    return nullptr;
}

std::string Held_Text(int nDialogId, int nControl)
{
    const DIALOG_CONTROL* p = Held(nDialogId, nControl);
    return p != nullptr ? p->Text : "(not held)";
}

// What the hooks saw, step by step.
std::vector<std::string> g_Seen;
bool g_bHookRan = false;

void Start_League(SCRATCH_FOLDER& Data)
{
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    dialogs::Reset();
    ASSERT_TRUE(gui_support::Start_Not_Random());
    g_Seen.clear();
    g_bHookRan = false;
}

// --- New Game's "Your Name" ------------------------------------------------

void Type_Name_In_New_Game(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != NEW_GAME_DIALOG || g_bHookRan)
        return;
    g_bHookRan = true;
    GtkWidget* pName = xtest::Control(NEW_GAME_DIALOG, NEW_GAME_NAME);
    if (!xtest::Click(pName) || !xtest::Key("ctrl+a") || !xtest::Type("Kim Lee"))
        return;
    g_Seen.push_back(Text_Of(pName));   // "Kim Lee"
    xtest::Key("Home");
    xtest::Type("Dr ");
    xtest::Key("End");
    xtest::Key("BackSpace");
    g_Seen.push_back(Text_Of(pName));   // "Dr Kim Le"
    xtest::Type("e");
    // A click between "K" and "im", a letter typed there, taken back, then
    // the one after it deleted and typed again.
    xtest::Click(pName, Entry_Index_X(pName, 4), Middle_Y(pName));
    xtest::Type("a");
    g_Seen.push_back(Text_Of(pName));   // "Dr Kaim Lee"
    xtest::Key("BackSpace");
    xtest::Key("Delete");
    g_Seen.push_back(Text_Of(pName));   // "Dr Km Lee"
    xtest::Type("i");
    // "Dr " selected with the mouse and typed over.
    xtest::Drag(pName, Entry_Index_X(pName, 0) + 1, Middle_Y(pName), Entry_Index_X(pName, 3), Middle_Y(pName));
    xtest::Type("Ms ");
    g_Seen.push_back(Text_Of(pName));   // "Ms Kim Lee"
    xtest::Drag(pName, Entry_Index_X(pName, 0) + 1, Middle_Y(pName), Entry_Index_X(pName, 3), Middle_Y(pName));
    xtest::Key("BackSpace");
    g_Seen.push_back(Text_Of(pName));   // "Kim Lee"
    // "&Play" with the mouse.
    xtest::Click(xtest::Control(NEW_GAME_DIALOG, NEW_GAME_PLAY));
}

}  // namespace

TEST(GtkTyping, NewGameKeepsTheNameTypedAndEditedWithKeysAndMouse)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_typing_new_game");
    Start_League(Data);
    gtk_probe::Set_Shown_Hook(Type_Name_In_New_Game);
    const int nResult = Do_Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc);
    gtk_probe::Set_Shown_Hook(nullptr);
    ASSERT_TRUE(g_bHookRan);
    EXPECT_EQ(g_Seen, (std::vector<std::string>{"Kim Lee", "Dr Kim Le", "Dr Kaim Lee", "Dr Km Lee", "Ms Kim Lee",
                                                "Kim Lee"}));
    EXPECT_EQ(nResult, DIALOG_OK);
    EXPECT_EQ(Held_Text(NEW_GAME_DIALOG, NEW_GAME_NAME), "Kim Lee");
    char szOwner[64];
    Get_Team_String(szOwner, Get_User_Preference(PREF_CURRENT_TEAM), TEAM_STRING_OWNER);
    EXPECT_STREQ(szOwner, "Kim Lee");
    Destroy_Main_Window();
}

// --- Save Game's name ------------------------------------------------------

namespace {
void Type_Save_Name(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != SAVE_GAME_DIALOG || g_bHookRan)
        return;
    g_bHookRan = true;
    GtkWidget* pName = xtest::Control(SAVE_GAME_DIALOG, SAVE_GAME_NAME);
    xtest::Click(pName);
    xtest::Key("ctrl+a");
    xtest::Type("Week Ome");
    // The typo mended: a click after "Om", Backspace, the right letter.
    xtest::Click(pName, Entry_Index_X(pName, 7), Middle_Y(pName));
    xtest::Key("BackSpace");
    xtest::Type("n");
    g_Seen.push_back(Text_Of(pName));
    xtest::Click(xtest::Control(SAVE_GAME_DIALOG, SAVE_BUTTON));
}
}  // namespace

TEST(GtkTyping, SaveGameSavesUnderTheNameTyped)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_typing_save");
    Start_League(Data);
    gtk_probe::Set_Shown_Hook(Type_Save_Name);
    const int nResult = Save_Game_Command();
    gtk_probe::Set_Shown_Hook(nullptr);
    ASSERT_TRUE(g_bHookRan);
    EXPECT_EQ(g_Seen, std::vector<std::string>{"Week One"});
    EXPECT_EQ(nResult, 1);
    EXPECT_EQ(Held_Text(SAVE_GAME_DIALOG, SAVE_GAME_NAME), "Week One");
    EXPECT_TRUE(fs::exists("Week One.zrt"));
    Destroy_Main_Window();
}

// --- Find Players' name and rating fields ----------------------------------

namespace {
void Type_Into_Find_Players(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != FIND_PLAYERS_DIALOG || g_bHookRan)
        return;
    g_bHookRan = true;
    GtkWidget* pName = xtest::Control(FIND_PLAYERS_DIALOG, FIND_NAME_EDIT);
    xtest::Click(pName);
    xtest::Key("ctrl+a");
    xtest::Type("Smith");
    xtest::Key("Home");
    xtest::Key("Delete");
    xtest::Type("s");
    g_Seen.push_back(Text_Of(pName));   // "smith"
    // A numeric field: its whole text replaced, then a digit added.
    GtkWidget* pOverall = xtest::Control(FIND_PLAYERS_DIALOG, FIND_OVERALL_EDIT);
    xtest::Click(pOverall);
    xtest::Key("ctrl+a");
    xtest::Type("7");
    xtest::Type("5");
    g_Seen.push_back(Text_Of(pOverall));   // "75"
    GtkWidget* pRating = xtest::Control(FIND_PLAYERS_DIALOG, FIND_RATING_EDITS[0]);
    xtest::Click(pRating);
    xtest::Key("ctrl+a");
    xtest::Type("62");
    g_Seen.push_back(Text_Of(pRating));   // "62"
    xtest::Key("Escape");
}
}  // namespace

TEST(GtkTyping, FindPlayersKeepsTheNameAndRatingsTyped)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_typing_find");
    Start_League(Data);
    gtk_probe::Set_Shown_Hook(Type_Into_Find_Players);
    Do_Dialog(FIND_PLAYERS_DIALOG, "Find Players", Find_Players_Dialog);
    gtk_probe::Set_Shown_Hook(nullptr);
    ASSERT_TRUE(g_bHookRan);
    EXPECT_EQ(g_Seen, (std::vector<std::string>{"smith", "75", "62"}));
    EXPECT_EQ(Held_Text(FIND_PLAYERS_DIALOG, FIND_NAME_EDIT), "smith");
    EXPECT_EQ(Held_Text(FIND_PLAYERS_DIALOG, FIND_OVERALL_EDIT), "75");
    EXPECT_EQ(Held_Text(FIND_PLAYERS_DIALOG, FIND_RATING_EDITS[0]), "62");
    Destroy_Main_Window();
}

// --- The League Editor's conference name -----------------------------------

namespace {
void Type_Conference_Name(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != LEAGUE_EDITOR_DIALOG || g_bHookRan)
        return;
    g_bHookRan = true;
    GtkWidget* pName = xtest::Control(LEAGUE_EDITOR_DIALOG, LE_CONFERENCE_0_EDIT);
    g_Seen.push_back(Text_Of(pName));
    xtest::Click(pName);
    xtest::Key("End");
    xtest::Type("XY");
    g_Seen.push_back(Text_Of(pName));
    xtest::Key("Escape");   // stores what is shown, as "&Done" does
}
}  // namespace

TEST(GtkTyping, LeagueEditorStoresTheConferenceNameTypedAfterEnd)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_typing_league");
    Start_League(Data);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    char szBefore[64];
    Get_League_Name(0, szBefore);
    ASSERT_STREQ(szBefore, "American");
    gtk_probe::Set_Shown_Hook(Type_Conference_Name);
    EXPECT_TRUE(Dispatch_Main_Command(CMD_LEAGUE_EDITOR));
    gtk_probe::Set_Shown_Hook(nullptr);
    ASSERT_TRUE(g_bHookRan);
    EXPECT_EQ(g_Seen, (std::vector<std::string>{"American", "AmericanXY"}));
    char szAfter[64];
    Get_League_Name(0, szAfter);
    EXPECT_STREQ(szAfter, "AmericanXY");
    Destroy_Main_Window();
}

// --- A change notification that sets the text again ------------------------

namespace {
constexpr int ECHO_DIALOG = 9951;   // built by its procedure, registered nowhere
constexpr int ID_UPPER = 401;       // the procedure writes back what is typed, in capitals
constexpr int ID_NUMBER = 402;      // the buddy of the arrows: the procedure clamps it to 1-50
constexpr int ID_ARROWS = 403;
constexpr int ID_OTHER = 404;
constexpr int ID_MOVE = 405;        // moves the focus to ID_OTHER
constexpr CONTROL_TEMPLATE ECHO_CONTROLS[] = {
    {ID_UPPER, CONTROL_EDIT, "", {8, 8, 120, 12}, 0, 30},
    {ID_NUMBER, CONTROL_EDIT, "", {8, 26, 40, 12}, 0, 4},
    {ID_ARROWS, CONTROL_UPDOWN, "", {48, 26, 10, 12}, 0, 0, 1, 50, ID_NUMBER},
    {ID_OTHER, CONTROL_EDIT, "", {8, 44, 120, 12}, 0, 30},
    {ID_MOVE, CONTROL_BUTTON, "&Move", {8, 62, 50, 14}},
    {1, CONTROL_BUTTON, "OK", {78, 62, 50, 14}, CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE ECHO_TEMPLATE{ECHO_DIALOG, "Echo", 136, 84, 0, 0, 0, ECHO_CONTROLS};

void Echo_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build(ECHO_TEMPLATE);
        Dialog.Set_Text(ID_UPPER, "ab");
        Dialog.Set_Text(ID_NUMBER, "5");
        Dialog.Set_Focus(ID_UPPER);
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    if (nControl == ID_UPPER && Dialog.Event().nNotification == NOTIFY_TEXT_CHANGED) {
        std::string Text = Dialog.Get_Text(ID_UPPER);
        for (char& c : Text)
            c = static_cast<char>(g_ascii_toupper(c));
        if (Text != Dialog.Get_Text(ID_UPPER))
            Dialog.Set_Text(ID_UPPER, Text);
    } else if (nControl == ID_NUMBER && Dialog.Event().nNotification == NOTIFY_TEXT_CHANGED) {
        const int n = Dialog.Get_Int(ID_NUMBER);
        if (n > 50)
            Dialog.Set_Text(ID_NUMBER, "50");
    } else if (nControl == ID_MOVE && Dialog.Event().nNotification == NOTIFY_CLICKED) {
        Dialog.Set_Focus(ID_OTHER);
    } else if (nControl == 1 && Dialog.Event().nNotification == NOTIFY_CLICKED) {
        Dialog.End(1);
    }
}

void Type_Into_Echo(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != ECHO_DIALOG || g_bHookRan)
        return;
    g_bHookRan = true;
    GtkWidget* pUpper = xtest::Control(ECHO_DIALOG, ID_UPPER);
    // Between "a" and "b": each letter comes back in capitals, the cursor
    // stays after it.
    xtest::Click(pUpper, Entry_Index_X(pUpper, 1), Middle_Y(pUpper));
    xtest::Type("x");
    xtest::Type("y");
    g_Seen.push_back(Text_Of(pUpper));   // "AXYb" then "AXYB"
    g_Seen.back() += " " + std::to_string(gtk_editable_get_position(GTK_EDITABLE(pUpper)));
    GtkWidget* pNumber = xtest::Control(ECHO_DIALOG, ID_NUMBER);
    xtest::Click(pNumber);
    xtest::Key("End");
    xtest::Key("BackSpace");
    xtest::Type("12");
    g_Seen.push_back(Text_Of(pNumber));   // "12"
    xtest::Type("3");                    // 123: clamped to 50
    g_Seen.push_back(Text_Of(pNumber));
    // The button moves the focus: the keys then go to the other edit.
    xtest::Click(xtest::Control(ECHO_DIALOG, ID_MOVE));
    xtest::Type("moved");
    g_Seen.push_back(Text_Of(xtest::Control(ECHO_DIALOG, ID_OTHER)));
    xtest::Click(xtest::Control(ECHO_DIALOG, 1));
}
}  // namespace

TEST(GtkTyping, AChangeNotificationSettingTheTextKeepsTheCursorAndARealFocusChangeMovesIt)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    dialogs::Set_Unattended(true);
    dialogs::Reset();
    g_Seen.clear();
    g_bHookRan = false;
    gtk_probe::Set_Shown_Hook(Type_Into_Echo);
    EXPECT_EQ(Do_Dialog(ECHO_DIALOG, "Echo", Echo_Proc), 1);
    gtk_probe::Set_Shown_Hook(nullptr);
    ASSERT_TRUE(g_bHookRan);
    EXPECT_EQ(g_Seen, (std::vector<std::string>{"AXYB 3", "12", "50", "moved"}));
    EXPECT_EQ(Held_Text(ECHO_DIALOG, ID_UPPER), "AXYB");
    EXPECT_EQ(Held_Text(ECHO_DIALOG, ID_NUMBER), "50");
    EXPECT_EQ(Held_Text(ECHO_DIALOG, ID_OTHER), "moved");
}

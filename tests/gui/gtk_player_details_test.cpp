// Details a player meets in the window, each reached with real key presses
// and clicks: Resume Game chooses the newest of two saves made minutes apart;
// the City Editor lists the city pictures of the "Cities" folder, or says
// there are none; the hint about Find Players names the menu it is on; the
// Options dialog ignores Escape. Screenshots: build/screenshots/details_*.png.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editors/city_editor.h"
#include "editors/options_dialog.h"
#include "editors/small_dialogs.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/cities.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/main_frame.h"
#include "platform/ui.h"
#include "pages/news_ticker.h"
#include "shell/commands.h"
#include "shell/news_bar.h"
#include "test_support.h"
#include "window_manager.h"
#include "xtest_input.h"

namespace fs = std::filesystem;

namespace {

struct DETAILS {
    std::vector<std::string> Boxes;   // titles, in turn
    std::vector<int> Dialogs;
    std::string Resume_Chosen;
    bool bPhotoListEnabled = false;
    int nPhotoItems = -1;
    std::string HintWithFindPlayers;
    bool bOptionsStayedOnEscape = false;
    int nHintClicks = 0;
};
DETAILS g_Details;

void Shot(int nDialogId, const std::string& Name)
{
    xtest::Settle(100);
    gtk_probe::Screenshot(gtk_probe::WINDOW_DIALOG, nDialogId, gui_support::Screenshot_Path("details_" + Name));
}

std::string Text_View_Text(GtkWidget* pWidget)
{
    if (pWidget == nullptr)
        return "";
    if (GTK_IS_TEXT_VIEW(pWidget)) {
        GtkTextBuffer* pBuffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(pWidget));
        GtkTextIter Start, End;
        gtk_text_buffer_get_bounds(pBuffer, &Start, &End);
        gchar* sz = gtk_text_buffer_get_text(pBuffer, &Start, &End, FALSE);
        std::string Text = sz != nullptr ? sz : "";
        g_free(sz);
        return Text;
    }
    if (GTK_IS_ENTRY(pWidget))
        return gtk_entry_get_text(GTK_ENTRY(pWidget));
    std::string Text;
    if (GTK_IS_CONTAINER(pWidget)) {
        GList* pChildren = gtk_container_get_children(GTK_CONTAINER(pWidget));
        for (GList* p = pChildren; p != nullptr && Text.empty(); p = p->next)
            Text = Text_View_Text(GTK_WIDGET(p->data));
        g_list_free(pChildren);
    }
    return Text;
}

void Answer(int nKind, int nDialogId)
{
    xtest::Settle(100);
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        const std::string Title = gtk_probe::Window_Title(gtk_probe::WINDOW_MESSAGE_BOX);
        g_Details.Boxes.push_back(Title);
        if (Title == "No art files")
            gtk_probe::Screenshot(gtk_probe::WINDOW_MESSAGE_BOX, 0,
                                  gui_support::Screenshot_Path("details_city_no_art_files"));
        xtest::Focus(gtk_internal::Message_Box_Window());
        // The game is not saved before resuming: No, by its letter.
        xtest::Key(Title == "Game Not Saved" ? "alt+n" : "Return");
        return;
    }
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    g_Details.Dialogs.push_back(nDialogId);
    xtest::Focus(xtest::Dialog(nDialogId));
    switch (nDialogId) {
    case RESUME_GAME_DIALOG: {
        GtkWidget* pList = xtest::Control(nDialogId, SAVED_GAME_LIST);
        GtkTreeView* pTree = pList != nullptr && GTK_IS_TREE_VIEW(pList) ? GTK_TREE_VIEW(pList) : nullptr;
        if (pTree != nullptr) {
            GtkTreeModel* pModel = nullptr;
            GtkTreeIter Iter;
            if (gtk_tree_selection_get_selected(gtk_tree_view_get_selection(pTree), &pModel, &Iter)) {
                gchar* sz = nullptr;
                gtk_tree_model_get(pModel, &Iter, 0, &sz, -1);
                g_Details.Resume_Chosen = sz != nullptr ? sz : "";
                g_free(sz);
            }
        }
        Shot(nDialogId, "resume_newest_chosen");
        xtest::Key("Escape");
        break;
    }
    case CITY_EDITOR_DIALOG: {
        g_Details.bPhotoListEnabled = gtk_probe::Control_Sensitive(nDialogId, CITY_PHOTO_LIST);
        GtkWidget* pCombo = xtest::Control(nDialogId, CITY_PHOTO_LIST);
        g_Details.nPhotoItems = pCombo != nullptr && GTK_IS_COMBO_BOX(pCombo)
                                    ? gtk_tree_model_iter_n_children(gtk_combo_box_get_model(GTK_COMBO_BOX(pCombo)), nullptr)
                                    : -1;
        if (g_Details.bPhotoListEnabled && g_Details.nPhotoItems > 0) {
            // The list opened with a click, the last picture chosen with
            // End and Enter.
            xtest::Open_Combo(pCombo);
            xtest::Key("End");
            xtest::Key("Return");
            xtest::Wait_Combo_Closed(pCombo);
            Shot(nDialogId, "city_photo_list");
        } else {
            Shot(nDialogId, "city_no_photos");
        }
        xtest::Click(xtest::Control(nDialogId, DIALOG_OK));
        break;
    }
    case DID_YOU_KNOW_DIALOG:
        // Next Hint clicked until the hint about Find Players shows.
        for (int i = 0; i < HINT_COUNT && g_Details.HintWithFindPlayers.empty(); ++i) {
            const std::string Text = Text_View_Text(xtest::Control(nDialogId, HINT_TEXT_LIST));
            if (Text.find("Find Players") != std::string::npos) {
                g_Details.HintWithFindPlayers = Text;
                Shot(nDialogId, "hint_find_players");
            } else {
                xtest::Click(xtest::Control(nDialogId, HINT_NEXT_BUTTON));
                ++g_Details.nHintClicks;
            }
        }
        xtest::Click(xtest::Control(nDialogId, HINT_OK_BUTTON));
        break;
    case OPTIONS_DIALOG:
        xtest::Key("Escape");
        xtest::Settle(150);
        g_Details.bOptionsStayedOnEscape = xtest::Dialog(nDialogId) != nullptr;
        Shot(nDialogId, "options_after_escape");
        // Done, by Enter.
        xtest::Key("Return");
        break;
    default:
        xtest::Key("Escape");
        break;
    }
}

struct HOOKS : gui_support::ANSWERING_HOOK {
    HOOKS() : ANSWERING_HOOK(Answer) { g_Details = DETAILS{}; }
};

void Set_File_Time(const std::string& Path, std::time_t Time)
{
    fs::last_write_time(Path, fs::file_time_type::clock::now() - std::chrono::seconds(std::time(nullptr) - Time));
}

// The label of a menu item as shown, the mark removed.
std::string Shown_Label(GtkWidget* pItem)
{
    GtkWidget* pLabel = pItem != nullptr ? gtk_bin_get_child(GTK_BIN(pItem)) : nullptr;
    if (pLabel != nullptr && GTK_IS_CONTAINER(pLabel) && !GTK_IS_LABEL(pLabel)) {
        GList* pParts = gtk_container_get_children(GTK_CONTAINER(pLabel));
        pLabel = pParts != nullptr ? GTK_WIDGET(pParts->data) : nullptr;
        g_list_free(pParts);
    }
    return pLabel != nullptr && GTK_IS_LABEL(pLabel) ? gtk_label_get_text(GTK_LABEL(pLabel)) : "";
}

// The title of the bar's menu that holds the command's item.
std::string Menu_Holding(int nCommand)
{
    GtkWidget* pItem = gtk_internal::Menu_Item_Of(nCommand);
    GtkWidget* pMenu = pItem != nullptr ? gtk_widget_get_parent(pItem) : nullptr;
    GtkWidget* pTop = pMenu != nullptr && GTK_IS_MENU(pMenu) ? gtk_menu_get_attach_widget(GTK_MENU(pMenu)) : nullptr;
    return Shown_Label(pTop);
}

}  // namespace

TEST(GtkPlayerDetails, ResumeChoosesTheNewestOfTwoSavesMinutesApart)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_details_resume");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    // Two saves of the evening, 99 seconds apart: 01:33:37 and 01:35:16 UTC
    // of 8 December 2026; the newer is listed second.
    ASSERT_EQ(Save_Game("Focus A.zrt"), SAVE_GAME_OK);
    ASSERT_EQ(Save_Game("Walk Week5 2020.zrt"), SAVE_GAME_OK);
    Set_File_Time("Focus A.zrt", 1796693617);
    Set_File_Time("Walk Week5 2020.zrt", 1796693716);
    const HOOKS Hooks;
    xtest::Click(xtest::Main_Area(FRAME_PAGE));
    xtest::Key("ctrl+o");
    ASSERT_TRUE(gui_support::Wait_Answered(1)) << "the Resume dialog did not open and close";
    EXPECT_EQ(g_Details.Resume_Chosen, "Walk Week5 2020");
}

TEST(GtkPlayerDetails, TheCityEditorListsTheCitiesPicturesOrSaysThereAreNone)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_details_city");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    Set_User_Preference(PREF_CURRENT_CITY, 2);
    char szPhoto[CITY_PHOTO_SIZE];
    Get_City_Photo(2, szPhoto, sizeof szPhoto);
    const std::string Before = szPhoto;
    const HOOKS Hooks;
    // No "Cities" folder: the box, then the editor with an empty, disabled
    // list; the city keeps its photo name. Edit > City Editor by letters.
    ASSERT_FALSE(fs::exists("Cities"));
    xtest::Click(xtest::Main_Area(FRAME_PAGE));
    xtest::Key("alt+e");
    ASSERT_TRUE(xtest::Wait_Menu_Shown(CMD_CITY_EDITOR));
    xtest::Key("c");
    ASSERT_TRUE(gui_support::Wait_Answered(2)) << "the box and the editor did not show and close";
    EXPECT_EQ(g_Details.Boxes, std::vector<std::string>{"No art files"});
    EXPECT_EQ(g_Details.Dialogs, std::vector<int>{CITY_EDITOR_DIALOG});
    EXPECT_FALSE(g_Details.bPhotoListEnabled);
    EXPECT_EQ(g_Details.nPhotoItems, 0);
    Get_City_Photo(2, szPhoto, sizeof szPhoto);
    EXPECT_EQ(std::string(szPhoto), Before);

    // Two pictures: listed without their extension; the last chosen is
    // stored as the city's photo.
    fs::create_directories("Cities");
    for (const char* szFile : {"Cities/Harbour.jpg", "Cities/Skyline.jpg"})
        std::ofstream(szFile) << "picture";
    g_Details = DETAILS{};
    gui_support::g_nAnswered = 0;
    xtest::Click(xtest::Main_Area(FRAME_PAGE));
    xtest::Key("alt+e");
    ASSERT_TRUE(xtest::Wait_Menu_Shown(CMD_CITY_EDITOR));
    xtest::Key("c");
    ASSERT_TRUE(gui_support::Wait_Answered(1)) << "the editor did not show and close";
    EXPECT_TRUE(g_Details.Boxes.empty());
    EXPECT_TRUE(g_Details.bPhotoListEnabled);
    EXPECT_EQ(g_Details.nPhotoItems, 2);
    Get_City_Photo(2, szPhoto, sizeof szPhoto);
    EXPECT_EQ(std::string(szPhoto), "Skyline");
}

TEST(GtkPlayerDetails, TheHintAboutFindPlayersNamesTheMenuItIsOn)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_details_hint");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    const HOOKS Hooks;
    // Help > Did You Know? by letters.
    xtest::Click(xtest::Main_Area(FRAME_PAGE));
    xtest::Key("alt+h");
    ASSERT_TRUE(xtest::Wait_Menu_Shown(CMD_DID_YOU_KNOW));
    xtest::Key("d");
    ASSERT_TRUE(gui_support::Wait_Answered(1)) << "Did You Know? did not show and close";
    ASSERT_FALSE(g_Details.HintWithFindPlayers.empty()) << "no hint about Find Players in " << g_Details.nHintClicks
                                                         << " clicks";
    const std::string Menu = Menu_Holding(CMD_FIND_PLAYERS);
    ASSERT_FALSE(Menu.empty());
    EXPECT_NE(g_Details.HintWithFindPlayers.find("'Find Players' utility in the " + Menu + " menu"),
              std::string::npos)
        << g_Details.HintWithFindPlayers << "\n(Find Players is on the " << Menu << " menu)";
    // The other messages' commands are on that menu too.
    EXPECT_EQ(Menu_Holding(CMD_SORTABLE_STATS), "Team");
    EXPECT_EQ(Menu_Holding(CMD_COLLEGE_DRAFT_LIST), "Team");
}

TEST(GtkPlayerDetails, TheOptionsDialogIgnoresEscape)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_details_options");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    const HOOKS Hooks;
    xtest::Click(xtest::Main_Area(FRAME_PAGE));
    xtest::Key("alt+o");
    ASSERT_TRUE(xtest::Wait_Menu_Shown(CMD_OPTIONS));
    xtest::Key("o");
    ASSERT_TRUE(gui_support::Wait_Answered(1)) << "Options did not show and close";
    EXPECT_EQ(g_Details.Dialogs, std::vector<int>{OPTIONS_DIALOG});
    EXPECT_TRUE(g_Details.bOptionsStayedOnEscape);
    EXPECT_EQ(xtest::Dialog(OPTIONS_DIALOG), nullptr);
}

TEST(GtkPlayerDetails, ANewGameCancelledLeavesTheNewsOfTheLeagueLoaded)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_details_news");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    Set_User_Preference(PREF_NEWS_BAR, 1);
    if (!Is_News_Bar_Shown())
        Create_News_Bar();
    Start_Main_News_Ticker();
    const HOOKS Hooks;
    // A week played: the news tells its results.
    xtest::Click(xtest::Main_Area(FRAME_PAGE));
    xtest::Key("ctrl+1");
    ASSERT_TRUE(xtest::Wait_Until([] { return Get_Current_Week() == 1 && !gtk_probe::Modal_Open(); }));
    const std::string Played = Get_News_Bar().Text;
    ASSERT_EQ(Played, Build_News_Ticker_Text());
    // Ctrl+N, No (not saved), then Escape in New Game: the league loaded
    // now is the one the dialog left, and the news is that league's.
    gui_support::g_nAnswered = 0;
    g_Details = DETAILS{};
    xtest::Focus(xtest::Main_Window());
    xtest::Key("ctrl+n");
    ASSERT_TRUE(gui_support::Wait_Answered(2)) << "the box and New Game did not show and close";
    EXPECT_EQ(g_Details.Boxes, std::vector<std::string>{"Game Not Saved"});
    EXPECT_EQ(g_Details.Dialogs, std::vector<int>{NEW_GAME_DIALOG});
    EXPECT_EQ(Get_News_Bar().Text, Build_News_Ticker_Text());
    EXPECT_NE(Get_News_Bar().Text, Played);
}

// The Stadium and City editors on the desktop with the default league, in
// Commissioner Mode, opened through their menu commands: the fields show the
// records and can be typed into, a latitude typed on the real entry is
// stored rounded to the thousandth when the editor closes, and each editor is
// captured once drawn (build/screenshots/) for people to look at.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "editors/city_editor.h"
#include "editors/stadium_editor.h"
#include "gui_support.h"
#include "league/cities.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"

namespace {

std::map<int, bool> g_Written;
std::string g_StadiumName;
bool g_bCapacityEditable = false;
bool g_bLatitudeTyped = false;
bool g_bImportShown = false;

void Capture(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || g_Written[nDialogId])
        return;
    if (nDialogId == STADIUM_EDITOR_DIALOG) {
        g_StadiumName = gtk_probe::Entry_Text(nDialogId, STADIUM_NAME_EDIT);
        g_bCapacityEditable = gtk_probe::Control_Sensitive(nDialogId, STADIUM_CAPACITY_EDIT);
        g_Written[nDialogId] =
            gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("dialog_stadium_editor"));
    } else if (nDialogId == CITY_EDITOR_DIALOG) {
        // Typing appends to the entry: "42.360" becomes "42.3605", a half.
        g_bLatitudeTyped = gtk_probe::Type_Into(nDialogId, CITY_LATITUDE_EDIT, "5");
        g_bImportShown = gtk_probe::Control_Visible(nDialogId, CITY_IMPORT_BUTTON);
        gtk_probe::Run_For(100);
        g_Written[nDialogId] =
            gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("dialog_city_editor"));
    }
}

}  // namespace

TEST(GtkStadiumCity, TheEditorsShowAndStoreOnTheDesktop)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_stadium_city");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    Set_User_Preference(PREF_CURRENT_CITY, 2);
    ASSERT_EQ(Get_City_Stat(2, CITY_STAT_LATITUDE), 42360);   // Boston in the default league
    char szExpected[32];
    Get_Team_String(szExpected, Get_User_Preference(PREF_CURRENT_TEAM), TEAM_STRING_STADIUM);
    char szCity[CITY_NAME_SIZE];
    Get_City_Name(2, szCity, sizeof szCity);

    gtk_probe::Set_Shown_Hook(Capture);
    EXPECT_TRUE(Dispatch_Main_Command(CMD_STADIUM_EDITOR));
    EXPECT_TRUE(Dispatch_Main_Command(CMD_CITY_EDITOR));
    gtk_probe::Set_Shown_Hook(nullptr);

    EXPECT_TRUE(g_Written[STADIUM_EDITOR_DIALOG]);
    EXPECT_TRUE(g_Written[CITY_EDITOR_DIALOG]);
    EXPECT_FALSE(g_StadiumName.empty());
    EXPECT_EQ(g_StadiumName, szExpected);
    EXPECT_TRUE(g_bCapacityEditable);
    EXPECT_TRUE(g_bImportShown);
    EXPECT_TRUE(g_bLatitudeTyped);
    // Closed with "&Done" and sorted: 42.3605 degrees rounds to 42.361.
    int nCity = -1;
    for (int c = 0; c < Count_Cities(); ++c) {
        char szName[CITY_NAME_SIZE];
        Get_City_Name(c, szName, sizeof szName);
        if (std::string(szName) == szCity)
            nCity = c;
    }
    ASSERT_GE(nCity, 0);
    EXPECT_EQ(Get_City_Stat(nCity, CITY_STAT_LATITUDE), 42361);
    Destroy_Main_Window();
}

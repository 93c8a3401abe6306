// The stadium value worked by hand, the quality words, and the Stadium
// Editor run headless: a viewer outside Commissioner Mode that writes
// nothing however it closes, an editor in Commissioner Mode that stores
// every field (Escape and the close box as "&OK"), and a capacity read with
// a bounded parse and corrected with a message outside 0-200,000.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <vector>
#include <string>

#include "base/text_utils.h"
#include "editors/stadium_editor.h"
#include "editors/stat_pickers.h"
#include "league/cities.h"
#include "league/preferences.h"
#include "league/stadium_value.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/ui.h"
#include "season/season_cycle_fixture.h"
#include "test_support.h"
#include "editors/dialog_action.h"

namespace {

using editor_tests::Action;

void Set_Stadium(int nTeam, int nCapacity, int nStructure, int nSurface, int nConvenience, int nComfort,
                 int nSightLines)
{
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_CAPACITY, nCapacity);
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_STRUCTURE, nStructure);
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_SURFACE, nSurface);
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_CONVENIENCE, nConvenience);
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_COMFORT, nComfort);
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_SIGHT_LINES, nSightLines);
}

class StadiumEditorTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        season_cycle::Build_League(3, 1);
        // Club t plays in city t; the cities' figures are zero.
        for (int t = 0; t < 3; ++t) {
            Set_City_Name(t, ("Metro" + std::to_string(t)).c_str());
            Set_Team_Stat(t, TEAM_STAT_CITY, t);
            Set_Stadium(t, 55000, 0, 0, 1000, 1000, 1000);
        }
        Set_Team_String("Old Bowl", 0, TEAM_STRING_STADIUM);
        Set_Team_String("Second Field", 1, TEAM_STRING_STADIUM);
        Set_Team_String("pic0", 0, TEAM_STRING_STADIUM_PHOTO);
        Set_User_Preference(PREF_CURRENT_TEAM, 0);
        Set_User_Preference(PREF_SELECTED_TEAM, 0);
        Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
        // The skin's stadium pictures (their bytes are not read to be listed).
        ASSERT_TRUE(Scratch.Ready());
        ASSERT_TRUE(files::Create_Folders("skins/earth/dialogs/stadiums"));
        for (const char* szName : {"skins/earth/dialogs/stadiums/pic0.jpg", "skins/earth/dialogs/stadiums/Arena.jpg",
                                   "skins/earth/dialogs/stadiums/notes.txt"})
            ASSERT_TRUE(Append_Line_To_File(szName, "x"));
        Set_Skin_Name(DEFAULT_SKIN_NAME);
    }

    SCRATCH_FOLDER Scratch{"stadium_editor"};

    static std::string Stadium_Name(int nTeam)
    {
        char szName[32];
        Get_Team_String(szName, nTeam, TEAM_STRING_STADIUM);
        return szName;
    }
};

TEST_F(StadiumEditorTest, TheStadiumValueIsWorkedStepByStepWithRounding)
{
    // Open, grass, 55,000 seats, zero city figures, sight lines 1000:
    // 1000 x 155,000 + 10,000,000 = 165,000,000, halved twice = 41,250,000,
    // x 4000 / 4000, to the million: 41,000,000.
    EXPECT_EQ(Get_Stadium_Value(0), 41000000);

    // 56,000 seats: 166,000,000 / 4 = 41,500,000, a half that rounds up.
    Set_Team_Stadium_Stat(0, STADIUM_STAT_CAPACITY, 56000);
    EXPECT_EQ(Get_Stadium_Value(0), 42000000);

    // A city's market: income 37,000 gives f = 1480; population 506,811
    // gives g = 750.08 -> 750; convenience 1000: h = 750; comfort 1100:
    // k = 1628. Domed on turf with 70,000 seats: 1200 x 170,000 =
    // 204,000,000; x 1750 / 2000 = 178,500,000; x 2628 / 2000 =
    // 234,549,000; sight lines 1200: x 4200 / 4000 = 246,276,450, to the
    // million 246,000,000.
    Set_City_Index_Stat(1, CITY_STAT_POPULATION, 506811);
    Set_City_Index_Stat(1, CITY_STAT_INCOME, 37000);
    Set_Stadium(1, 70000, 1, 1, 1000, 1100, 1200);
    EXPECT_EQ(Get_Stadium_Value(1), 246000000);

    // Every step rounds: income 12,513 gives f = 500.52 -> 501; population
    // 1,001 gives g = 0.501501 -> 1; h = 1; k = 501. Open, grass, 483 seats:
    // 110,483,000; x 1001 / 2000 = 55,296,741.5 -> 55,296,742; x 1501 / 2000
    // = 41,500,204.87 -> 41,500,205; to the million 42,000,000 (truncating
    // every step would give 41,431,125 and 41,000,000).
    Set_City_Index_Stat(2, CITY_STAT_POPULATION, 1001);
    Set_City_Index_Stat(2, CITY_STAT_INCOME, 12513);
    Set_Stadium(2, 483, 0, 0, 1000, 1000, 1000);
    EXPECT_EQ(Get_Stadium_Value(2), 42000000);
    Set_City_Index_Stat(2, CITY_STAT_POPULATION, 0);
    Set_City_Index_Stat(2, CITY_STAT_INCOME, 0);

    // Convertible, grass, 0 seats, zero city, sight lines 800:
    // 1500 x 100,000 + 10,000,000 = 160,000,000; / 4 = 40,000,000;
    // x 3800 / 4000 = 38,000,000.
    Set_Stadium(2, 0, 2, 0, 1000, 1000, 800);
    EXPECT_EQ(Get_Stadium_Value(2), 38000000);

    // A corrupt negative capacity rounds away from zero like a positive one:
    // 1000 x -100,000 + 10,000,000 = -90,000,000; / 4 = -22,500,000 ->
    // -23,000,000.
    Set_Stadium(2, -200000, 0, 0, 1000, 1000, 1000);
    EXPECT_EQ(Get_Stadium_Value(2), -23000000);

    // Figures at the int limits neither overflow nor wrap: the result is held.
    Set_City_Index_Stat(2, CITY_STAT_POPULATION, INT_MAX);
    Set_City_Index_Stat(2, CITY_STAT_INCOME, INT_MAX);
    Set_Stadium(2, INT_MAX, 2, 0, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(Get_Stadium_Value(2), INT_MAX);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StadiumEditorTest, QualitiesShowTheirWordsByTheBands)
{
    EXPECT_STREQ(Get_Stadium_Quality_Word(Get_Stadium_Quality_Index(700)), "Poor");
    EXPECT_STREQ(Get_Stadium_Quality_Word(Get_Stadium_Quality_Index(1250)), "Excellent");
    EXPECT_EQ(Get_Stadium_Quality_Index(-5000), 0);
    EXPECT_EQ(Get_Stadium_Quality_Index(849), 0);
    EXPECT_EQ(Get_Stadium_Quality_Index(850), 1);
    EXPECT_EQ(Get_Stadium_Quality_Index(949), 1);
    EXPECT_EQ(Get_Stadium_Quality_Index(950), 2);
    EXPECT_EQ(Get_Stadium_Quality_Index(1049), 2);
    EXPECT_EQ(Get_Stadium_Quality_Index(1050), 3);
    EXPECT_EQ(Get_Stadium_Quality_Index(1149), 3);
    EXPECT_EQ(Get_Stadium_Quality_Index(1150), 4);
    EXPECT_EQ(Get_Stadium_Quality_Index(1234), 4);
    EXPECT_EQ(Get_Stadium_Quality_Index(INT_MAX), 4);
    EXPECT_EQ(Get_Stadium_Quality_Index(INT_MIN), 0);
    EXPECT_STREQ(Get_Stadium_Quality_Word(5), "");
    EXPECT_STREQ(Get_Stadium_Quality_Word(-1), "");
}

TEST_F(StadiumEditorTest, OutsideCommissionerModeItIsAViewerThatWritesNothing)
{
    Set_Team_Stadium_Stat(0, STADIUM_STAT_CONVENIENCE, 1234);
    Set_Team_Stadium_Stat(0, STADIUM_STAT_COMFORT, 700);
    const LEAGUE_SNAPSHOT Before;

    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    EXPECT_EQ(Do_Dialog(STADIUM_EDITOR_DIALOG), 1);
    const DIALOG_RECORD& Shown = dialogs::Records().back();
    EXPECT_EQ(Shown.Final_Title, "Old Bowl");
    EXPECT_EQ(Shown.Find(STADIUM_NAME_EDIT)->Text, "Old Bowl");
    EXPECT_EQ(Shown.Find(STADIUM_CAPACITY_EDIT)->Text, "55000");
    EXPECT_EQ(Shown.Find(STADIUM_CONVENIENCE_COMBO)->nSelected, 4);   // "Excellent"
    EXPECT_EQ(Shown.Find(STADIUM_COMFORT_COMBO)->nSelected, 0);       // "Poor"
    EXPECT_EQ(Shown.Find(STADIUM_SIGHT_LINES_COMBO)->nSelected, 2);   // "Average"
    for (int nId : {STADIUM_NAME_EDIT, STADIUM_STRUCTURE_COMBO, STADIUM_SURFACE_COMBO, STADIUM_CAPACITY_EDIT,
                    STADIUM_CONVENIENCE_COMBO, STADIUM_COMFORT_COMBO, STADIUM_SIGHT_LINES_COMBO})
        EXPECT_FALSE(Shown.Find(nId)->bEnabled) << nId;
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_CONVENIENCE), 1234);

    // Typing is refused, and Escape writes nothing either.
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SET_TEXT, STADIUM_CAPACITY_EDIT, 0, "1"));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_CANCEL, 0));
    Do_Dialog(STADIUM_EDITOR_DIALOG);
    EXPECT_TRUE(Before.Unchanged());

    // Another club may be viewed: only the viewed club changes.
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SELECT, TEAM_LIST, 1));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(STADIUM_EDITOR_DIALOG);
    EXPECT_EQ(dialogs::Records().back().Final_Title, "Second Field");
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 1);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_CONVENIENCE), 1234);
    EXPECT_EQ(Stadium_Name(0), "Old Bowl");
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(StadiumEditorTest, InCommissionerModeEveryFieldIsStoredHoweverItCloses)
{
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    Set_Team_Stadium_Stat(0, STADIUM_STAT_CONVENIENCE, 1234);
    Set_Team_Stadium_Stat(0, STADIUM_STAT_YEAR_BUILT, 1961);
    Set_Team_Stadium_Stat(0, STADIUM_STAT_VALUE, 77000000);
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SET_TEXT, STADIUM_NAME_EDIT, 0, "New Dome"));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SELECT, STADIUM_STRUCTURE_COMBO, 0, "Convertible"));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SELECT, STADIUM_SURFACE_COMBO, 0, "Artificial Turf"));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SET_TEXT, STADIUM_CAPACITY_EDIT, 0, "68500"));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SELECT, STADIUM_COMFORT_COMBO, 0, "Fair"));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SELECT, STADIUM_SIGHT_LINES_COMBO, 0, "Good"));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    EXPECT_EQ(Do_Dialog(STADIUM_EDITOR_DIALOG), 1);
    EXPECT_EQ(Stadium_Name(0), "New Dome");
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_STRUCTURE), 2);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_SURFACE), 1);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_CAPACITY), 68500);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_CONVENIENCE), 1200);   // "Excellent" stored as its middle
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_COMFORT), 900);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_SIGHT_LINES), 1100);
    // The year built, the value and the picture name are not the editor's.
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_YEAR_BUILT), 1961);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_VALUE), 77000000);
    char szPhoto[32];
    Get_Team_String(szPhoto, 0, TEAM_STRING_STADIUM_PHOTO);
    EXPECT_STREQ(szPhoto, "pic0");

    // Escape is "&OK": what was typed is kept.
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SET_TEXT, STADIUM_CAPACITY_EDIT, 0, "40000"));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_CANCEL, 0));
    Do_Dialog(STADIUM_EDITOR_DIALOG);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_CAPACITY), 40000);

    // Choosing another club stores the shown one first, then shows the next.
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SET_TEXT, STADIUM_NAME_EDIT, 0, "Renamed"));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SELECT, TEAM_LIST, 1));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SET_TEXT, STADIUM_CAPACITY_EDIT, 0, "61000"));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(STADIUM_EDITOR_DIALOG);
    EXPECT_EQ(Stadium_Name(0), "Renamed");
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_CAPACITY), 40000);
    EXPECT_EQ(Stadium_Name(1), "Second Field");
    EXPECT_EQ(Get_Team_Stadium_Stat(1, STADIUM_STAT_CAPACITY), 61000);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StadiumEditorTest, TheCapacityIsReadBoundedAndCorrectedWithAMessage)
{
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    struct CASE {
        const char* szTyped;
        int nStored;
        bool bMessage;
    };
    const CASE CASES[] = {
        {"-5", 0, true},
        {"250000", 200000, true},
        {"5000000000", 200000, true},   // never 705,032,704
        {"200000", 200000, false},
        {"0", 0, false},
        {"seats", 0, false},            // not a number reads 0
        {"", 0, false},
        {" 42000 seats", 42000, false},
    };
    for (const CASE& Case : CASES) {
        ui::Clear_Shown_Boxes();
        Set_Team_Stadium_Stat(0, STADIUM_STAT_CAPACITY, 12345);
        dialogs::Queue_Action(STADIUM_EDITOR_DIALOG,
                              Action(ACTION_SET_TEXT, STADIUM_CAPACITY_EDIT, 0, Case.szTyped));
        dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
        Do_Dialog(STADIUM_EDITOR_DIALOG);
        EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STAT_CAPACITY), Case.nStored) << Case.szTyped;
        ASSERT_EQ(ui::Shown_Boxes().size(), Case.bMessage ? 1u : 0u) << Case.szTyped;
        if (Case.bMessage) {
            EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Stadium Editor");
            EXPECT_NE(ui::Shown_Boxes()[0].Text.find("between 0 and 200,000 seats"), std::string::npos);
        }
    }
}

TEST_F(StadiumEditorTest, TheMenuCommandAndHelpPageAreRegistered)
{
    const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(STADIUM_EDITOR_DIALOG);
    ASSERT_NE(pRegistration, nullptr);
    EXPECT_STREQ(pRegistration->pTemplate->szHelp, "stadiumeditor");
    EXPECT_EQ(Check_Dialog_Template(*pRegistration->pTemplate), "");
    // No Cancel button: Escape closes as "&OK" does.
    for (const CONTROL_TEMPLATE& Control : pRegistration->pTemplate->Controls)
        EXPECT_NE(Control.nId, DIALOG_CANCEL);
}

// The skin's stadium pictures are listed without their extensions; the
// club's stored picture is chosen, and in Commissioner Mode another may be.
TEST_F(StadiumEditorTest, ThePictureListOffersTheSkinsStadiumPictures)
{
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(STADIUM_EDITOR_DIALOG);
    const DIALOG_RECORD& Viewed = dialogs::Records().back();
    const auto* pList = Viewed.Find(STADIUM_PICTURE_LIST);
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->Items, (std::vector<std::string>{"Arena", "pic0"}));
    EXPECT_EQ(pList->nSelected, 1);
    EXPECT_FALSE(pList->bEnabled);   // a viewer
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_SELECT, STADIUM_PICTURE_LIST, 0, "Arena"));
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(STADIUM_EDITOR_DIALOG);
    EXPECT_TRUE(dialogs::Records().back().Find(STADIUM_PICTURE_LIST)->bEnabled);
    char szPhoto[32];
    Get_Team_String(szPhoto, 0, TEAM_STRING_STADIUM_PHOTO);
    EXPECT_STREQ(szPhoto, "Arena");
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// The stored picture name is matched to the list without regard to case.
TEST_F(StadiumEditorTest, TheStoredPictureIsFoundWhateverItsCase)
{
    Set_Team_String("PIC0", 0, TEAM_STRING_STADIUM_PHOTO);
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(STADIUM_EDITOR_DIALOG);
    const auto* pList = dialogs::Records().back().Find(STADIUM_PICTURE_LIST);
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->Items, (std::vector<std::string>{"Arena", "pic0"}));
    EXPECT_EQ(pList->nSelected, 1);
}

// The chosen picture is painted beside the list, centred in its area.
TEST_F(StadiumEditorTest, TheChosenPictureIsPaintedBesideTheList)
{
    // A PNG read by its signature whatever its name: a red 20 x 20 square.
    CANVAS Red(20, 20);
    Red.Fill_Rect(CANVAS_RECT{0, 0, 20, 20}, CANVAS_COLOR{200, 0, 0, 255});
    ASSERT_TRUE(Write_Png_File("skins/earth/dialogs/stadiums/pic0.jpg", Red));
    Clear_Bitmap_Cache();
    DIALOG Dialog(STADIUM_EDITOR_DIALOG, "Stadium Editor", Stadium_Editor_Dialog_Proc, nullptr);
    Dialog.Send(DIALOG_INIT, 0);
    ASSERT_EQ(Dialog.Get_Selected(STADIUM_PICTURE_LIST), 1);
    EXPECT_EQ(Get_Stadium_Picture_Path(Dialog), "skins\\earth\\dialogs\\stadiums\\pic0.jpg");
    CANVAS Canvas(60, 40);
    UI_RECT Area;
    Area.cx = 60;
    Area.cy = 40;
    ASSERT_TRUE(Dialog.User_Paint(STADIUM_PICTURE_AREA, &Canvas, Area));
    EXPECT_EQ(Canvas.Get_Pixel(30, 20), 0xFFC80000u);
    EXPECT_EQ(Canvas.Get_Pixel(2, 2), 0u);   // never enlarged: the corners stay empty
    // No picture chosen: nothing painted.
    Dialog.Set_Selected(STADIUM_PICTURE_LIST, -1);
    CANVAS Empty(60, 40);
    ASSERT_TRUE(Dialog.User_Paint(STADIUM_PICTURE_AREA, &Empty, Area));
    EXPECT_EQ(Empty.Get_Pixel(30, 20), 0u);
    Clear_Bitmap_Cache();
}

// No pictures: the list is empty and disabled, the message says so, and the
// club's stored picture name is not erased.
TEST_F(StadiumEditorTest, WithoutPicturesTheListIsEmptyDisabledAndSaysSo)
{
    std::error_code Error;
    std::filesystem::remove_all("skins", Error);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    dialogs::Queue_Action(STADIUM_EDITOR_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(STADIUM_EDITOR_DIALOG);
    const auto* pList = dialogs::Records().back().Find(STADIUM_PICTURE_LIST);
    ASSERT_NE(pList, nullptr);
    EXPECT_TRUE(pList->Items.empty());
    EXPECT_FALSE(pList->bEnabled);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "No art files");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "There are no art files in the Stadium directory. Stadium pictures will not be displayed.");
    char szPhoto[32];
    Get_Team_String(szPhoto, 0, TEAM_STRING_STADIUM_PHOTO);
    EXPECT_STREQ(szPhoto, "pic0");
}

}  // namespace

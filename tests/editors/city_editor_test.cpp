// The City Editor and Rename City run headless: degrees with three decimals
// read back exactly as typed (every one of the 360,001 values within 180
// degrees), figures read with a bounded parse and corrected with a message,
// a viewer outside Commissioner Mode that writes nothing, the 100-city
// limit, a name that may not be emptied, a city a club plays in that is not
// erased, "Cities.txt" written and read only in Commissioner Mode, and the
// photo list of the "Cities" folder.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

#include "editors/city_editor.h"
#include "league/cities.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "season/season_cycle_fixture.h"
#include "test_support.h"
#include "editors/dialog_action.h"

namespace {

using editor_tests::Action;

std::string City_Name(int nCity)
{
    char szName[CITY_NAME_SIZE];
    Get_City_Name(nCity, szName, sizeof szName);
    return szName;
}

class CityEditorTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"city_editor"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        // Two city pictures, so that the photo list has no box to show.
        std::filesystem::create_directories("Cities");
        for (const char* szFile : {"Cities/photo.jpg", "Cities/skyline.jpg"})
            std::ofstream(szFile) << "picture";
        dialogs::Reset();
        season_cycle::Build_League(2, 1);
        const char* const NAMES[] = {"Alpha", "Bravo", "Charlie", "Delta"};
        for (int c = 0; c < 4; ++c) {
            Set_City_Name(c, NAMES[c]);
            Set_City_Photo(c, "photo");
            for (int n = 0; n < 7; ++n)
                Set_City_Index_Stat(c, n, 100 * c + n);
            Set_City_Index_Stat(c, CITY_STAT_TIME_ZONE, c);
        }
        Set_Team_Stat(0, TEAM_STAT_CITY, 0);   // Alpha
        Set_Team_Stat(1, TEAM_STAT_CITY, 2);   // Charlie
        Set_User_Preference(PREF_CURRENT_TEAM, 0);
        Set_User_Preference(PREF_CURRENT_CITY, 1);
        Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    }

    static void Queue(const DIALOG_ACTION& A) { dialogs::Queue_Action(CITY_EDITOR_DIALOG, A); }
};

TEST_F(CityEditorTest, DegreesReadBackAsTyped)
{
    EXPECT_EQ(Read_Thousandths("40.070", 180000), 40070);
    EXPECT_EQ(Read_Thousandths("-73.985", 180000), -73985);
    EXPECT_EQ(Read_Thousandths("32.009", 180000), 32009);     // single precision gave 32.008
    EXPECT_EQ(Read_Thousandths("-131.068", 180000), -131068);
    EXPECT_EQ(Read_Thousandths("32.0085", 180000), 32009);    // a half rounds away from zero
    EXPECT_EQ(Read_Thousandths("-32.0085", 180000), -32009);
    EXPECT_EQ(Read_Thousandths("32.00849999", 180000), 32008);
    EXPECT_EQ(Read_Thousandths(" +7.5 N", 180000), 7500);
    EXPECT_EQ(Read_Thousandths(".25", 180000), 250);
    EXPECT_EQ(Read_Thousandths("12", 180000), 12000);
    EXPECT_EQ(Read_Thousandths("-0.0004", 180000), 0);
    EXPECT_EQ(Read_Thousandths("north", 180000), 0);
    EXPECT_EQ(Read_Thousandths("", 180000), 0);
    EXPECT_EQ(Read_Thousandths("99999999999999999999999", 180000), 180000);
    EXPECT_EQ(Read_Thousandths("-99999999999999999999999.9", 90000), -90000);

    EXPECT_EQ(Format_Thousandths(40070), "40.070");
    EXPECT_EQ(Format_Thousandths(-73985), "-73.985");
    EXPECT_EQ(Format_Thousandths(-500), "-0.500");
    EXPECT_EQ(Format_Thousandths(0), "0.000");
    EXPECT_EQ(Format_Thousandths(INT_MIN), "-2147483.648");

    int nWrong = 0;
    for (int v = -180000; v <= 180000; ++v)
        if (Read_Thousandths(Format_Thousandths(v), 180000) != v)
            ++nWrong;
    EXPECT_EQ(nWrong, 0);
}

TEST_F(CityEditorTest, FiguresAreStoredAndShownAgain)
{
    Queue(Action(ACTION_SET_TEXT, CITY_LATITUDE_EDIT, 0, "40.070"));
    Queue(Action(ACTION_SET_TEXT, CITY_LONGITUDE_EDIT, 0, "-73.985"));
    Queue(Action(ACTION_SET_TEXT, CITY_POPULATION_EDIT, 0, "506811"));
    Queue(Action(ACTION_SET_TEXT, CITY_GROWTH_EDIT, 0, "-1000"));
    Queue(Action(ACTION_SET_TEXT, CITY_TIME_ZONE_EDIT, 0, "3"));
    Queue(Action(ACTION_SELECT, CITY_LIST_COMBO, 0, "Delta"));   // stores Bravo first
    Queue(Action(ACTION_SET_TEXT, CITY_LATITUDE_EDIT, 0, "32.009"));
    Queue(Action(ACTION_SELECT, CITY_LIST_COMBO, 0, "Bravo"));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    EXPECT_EQ(Do_Dialog(CITY_EDITOR_DIALOG), 1);
    const DIALOG_RECORD& Shown = dialogs::Records().back();
    EXPECT_EQ(Shown.Find(CITY_LATITUDE_EDIT)->Text, "40.070");
    EXPECT_EQ(Shown.Find(CITY_LONGITUDE_EDIT)->Text, "-73.985");
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_LATITUDE), 40070);
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_LONGITUDE), -73985);
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_POPULATION), 506811);
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_GROWTH), -1000);
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_TIME_ZONE), 3);
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_ALTITUDE), 104);   // untouched
    EXPECT_EQ(Get_City_Stat(3, CITY_STAT_LATITUDE), 32009);
    EXPECT_EQ(Get_City_Stat(3, CITY_STAT_LONGITUDE), 305);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_CITY), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // Opened again, the stored thousandths show as typed.
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(dialogs::Records().back().Find(CITY_LATITUDE_EDIT)->Text, "40.070");
    EXPECT_EQ(dialogs::Records().back().Find(CITY_LONGITUDE_EDIT)->Text, "-73.985");
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_LATITUDE), 40070);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(CityEditorTest, FiguresOutOfRangeAreCorrectedWithAMessage)
{
    Queue(Action(ACTION_SET_TEXT, CITY_POPULATION_EDIT, 0, "5000000000"));   // never 705,032,704
    Queue(Action(ACTION_SET_TEXT, CITY_INCOME_EDIT, 0, "-5"));
    Queue(Action(ACTION_SET_TEXT, CITY_ALTITUDE_EDIT, 0, "feet"));           // not a number: 0, no message
    Queue(Action(ACTION_SET_TEXT, CITY_LATITUDE_EDIT, 0, "-91.5"));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_POPULATION), 1000000000);
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_INCOME), 0);
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_ALTITUDE), 0);
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_LATITUDE), -90000);
    ASSERT_EQ(ui::Shown_Boxes().size(), 3u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "City Editor");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "City Population must be between 0 and 1000000000. It was corrected.");
    EXPECT_EQ(ui::Shown_Boxes()[2].Text, "Latitude must be between -90.000 and 90.000. It was corrected.");
}

TEST_F(CityEditorTest, OutsideCommissionerModeItIsAViewerThatWritesNothing)
{
    Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
    Set_City_Index_Stat(1, CITY_STAT_LATITUDE, 32009);
    Set_City_Index_Stat(1, CITY_STAT_POPULATION, -7);   // out of range, yet a viewer leaves it
    Set_City_Name(3, "aardvark");                       // out of order, yet a viewer sorts nothing
    const LEAGUE_SNAPSHOT Before;
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    EXPECT_EQ(Do_Dialog(CITY_EDITOR_DIALOG), 1);
    const DIALOG_RECORD& Shown = dialogs::Records().back();
    EXPECT_EQ(Shown.Find(CITY_LATITUDE_EDIT)->Text, "32.009");
    EXPECT_FALSE(Shown.Find(CITY_LATITUDE_EDIT)->bEnabled);
    EXPECT_FALSE(Shown.Find(CITY_EDIT_NAME_BUTTON)->bEnabled);
    EXPECT_FALSE(Shown.Find(CITY_ERASE_BUTTON)->bEnabled);
    EXPECT_FALSE(Shown.Find(CITY_ADD_BUTTON)->bEnabled);
    EXPECT_FALSE(Shown.Find(CITY_IMPORT_BUTTON)->bVisible);
    EXPECT_FALSE(Shown.Find(CITY_EXPORT_BUTTON)->bVisible);
    EXPECT_TRUE(Shown.Find(CITY_LIST_COMBO)->bEnabled);
    EXPECT_TRUE(Before.Unchanged());

    // Escape, and another city viewed: still nothing written but the choice.
    Queue(Action(ACTION_SELECT, CITY_LIST_COMBO, 0, "Alpha"));
    Queue(Action(ACTION_PRESS, CITY_ADD_BUTTON));   // refused: disabled
    Queue(Action(ACTION_CANCEL, 0));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_CITY), 0);
    Set_User_Preference(PREF_CURRENT_CITY, 1);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(CityEditorTest, TheHundredAndFirstCityIsRefused)
{
    Queue(Action(ACTION_PRESS, CITY_ADD_BUTTON));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(Count_Cities(), 5);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_CITY), 4);   // sorted on Done: "New City" stays last
    EXPECT_EQ(City_Name(4), "New City");

    for (int c = 5; c < 100; ++c)
        Set_City_Name(c, ("Z" + std::to_string(c)).c_str());
    ASSERT_EQ(Count_Cities(), 100);
    ui::Clear_Shown_Boxes();
    Queue(Action(ACTION_PRESS, CITY_ADD_BUTTON));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(Count_Cities(), 100);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Add City Failed");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Cannot exceed 100 cities in database");
}

TEST_F(CityEditorTest, AnEmptyNameIsRefusedAndARenamedCityIsSorted)
{
    // "" and blanks are refused with the box and the dialog stays open.
    dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_SET_TEXT, CITY_NAME_EDIT, 0, ""));
    dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_SET_TEXT, CITY_NAME_EDIT, 0, "   "));
    dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_CANCEL, 0));
    Queue(Action(ACTION_PRESS, CITY_EDIT_NAME_BUTTON));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(City_Name(1), "Bravo");
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Can't Erase Name");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "All cities must have a name. If you wish to erase a city, return to the City Editor and hit the "
              "'Erase City' button.");

    // A new name is stored and the table sorted: "Echo" goes last, and the
    // chosen city and the clubs follow their records.
    dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_SET_TEXT, CITY_NAME_EDIT, 0, "Echo"));
    dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    Queue(Action(ACTION_PRESS, CITY_EDIT_NAME_BUTTON));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(City_Name(0), "Alpha");
    EXPECT_EQ(City_Name(1), "Charlie");
    EXPECT_EQ(City_Name(2), "Delta");
    EXPECT_EQ(City_Name(3), "Echo");
    EXPECT_EQ(Get_City_Stat(3, CITY_STAT_ALTITUDE), 104);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_CITY), 3);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_CITY), 1);   // still Charlie
    EXPECT_EQ(dialogs::Records().back().Find(CITY_LIST_COMBO)->Items[3], "Echo");

    // 19 characters at most.
    const std::string Long(19, 'x');
    dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_SET_TEXT, CITY_NAME_EDIT, 0, Long + "y"));
    dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_SET_TEXT, CITY_NAME_EDIT, 0, Long));
    dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    Queue(Action(ACTION_PRESS, CITY_EDIT_NAME_BUTTON));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(City_Name(3), Long);
}

TEST_F(CityEditorTest, ACityAClubPlaysInIsNotErased)
{
    Set_User_Preference(PREF_CURRENT_CITY, 2);   // Charlie, club 1's
    Queue(Action(ACTION_PRESS, CITY_ERASE_BUTTON));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(Count_Cities(), 4);
    EXPECT_EQ(City_Name(2), "Charlie");
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Can't Erase City");

    // A free city goes, and the clubs keep their cities.
    Set_User_Preference(PREF_CURRENT_CITY, 1);
    Queue(Action(ACTION_PRESS, CITY_ERASE_BUTTON));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(Count_Cities(), 3);
    EXPECT_EQ(City_Name(Get_Team_Stat(0, TEAM_STAT_CITY)), "Alpha");
    EXPECT_EQ(City_Name(Get_Team_Stat(1, TEAM_STAT_CITY)), "Charlie");
    EXPECT_EQ(dialogs::Records().back().Find(CITY_LIST_COMBO)->Items.size(), 3u);
}

TEST_F(CityEditorTest, ExportAndImportGoThroughCitiesTxtAndAskFirst)
{
    // Declined: nothing written.
    ui::Queue_Answer(ID_NO);
    Queue(Action(ACTION_PRESS, CITY_EXPORT_BUTTON));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(Read_Text_File("Cities.txt", "(no file)"), "(no file)");

    // What is typed is exported as it would be stored; the import reads it back.
    ui::Queue_Answer(ID_YES);
    Queue(Action(ACTION_SET_TEXT, CITY_LATITUDE_EDIT, 0, "32.009"));
    Queue(Action(ACTION_PRESS, CITY_EXPORT_BUTTON));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_NE(Read_Text_File("Cities.txt").find("32009"), std::string::npos);

    Set_City_Index_Stat(1, CITY_STAT_LATITUDE, 0);
    ui::Queue_Answer(ID_YES);
    Queue(Action(ACTION_PRESS, CITY_IMPORT_BUTTON));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(Get_City_Stat(1, CITY_STAT_LATITUDE), 32009);
    EXPECT_EQ(Count_Cities(), 4);
}

TEST_F(CityEditorTest, ThePhotoListOffersTheCitiesPicturesAndStoresTheChoice)
{
    char szPhoto[CITY_PHOTO_SIZE];
    auto Photo = [&](int nCity) {
        Get_City_Photo(nCity, szPhoto, sizeof szPhoto);
        return std::string(szPhoto);
    };
    // The stored name is chosen ignoring case; another choice is stored.
    Set_City_Photo(1, "SKYLINE");
    Queue(Action(ACTION_SELECT, CITY_PHOTO_LIST, 0, "photo"));
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    EXPECT_EQ(Do_Dialog(CITY_EDITOR_DIALOG), 1);
    const DIALOG_RECORD& First = dialogs::Records().back();
    ASSERT_NE(First.Find(CITY_PHOTO_LIST), nullptr);
    EXPECT_EQ(First.Find(CITY_PHOTO_LIST)->Items, (std::vector<std::string>{"photo", "skyline"}));
    EXPECT_TRUE(First.Find(CITY_PHOTO_LIST)->bEnabled);
    EXPECT_EQ(Photo(1), "photo");
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // A stored name not listed: nothing is chosen, and Done empties it.
    Set_City_Photo(1, "harbour");
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    EXPECT_EQ(dialogs::Records().back().Find(CITY_PHOTO_LIST)->nSelected, -1);
    EXPECT_EQ(Photo(1), "");

    // No pictures: the box, an empty disabled list, and the name kept.
    std::filesystem::remove_all("Cities");
    Set_City_Photo(1, "harbour");
    Queue(Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(CITY_EDITOR_DIALOG);
    const DIALOG_RECORD& Empty = dialogs::Records().back();
    EXPECT_TRUE(Empty.Find(CITY_PHOTO_LIST)->Items.empty());
    EXPECT_FALSE(Empty.Find(CITY_PHOTO_LIST)->bEnabled);
    EXPECT_EQ(Photo(1), "harbour");
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "No art files");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "There are no art files in the 'Cities' directory. City pictures will not be displayed.");
}

TEST_F(CityEditorTest, TheTemplatesCheckAndNameTheirHelpPages)
{
    for (int nId : {CITY_EDITOR_DIALOG, RENAME_CITY_DIALOG}) {
        const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(nId);
        ASSERT_NE(pRegistration, nullptr);
        EXPECT_EQ(Check_Dialog_Template(*pRegistration->pTemplate), "");
        for (const CONTROL_TEMPLATE& Control : pRegistration->pTemplate->Controls)
            EXPECT_NE(Control.nId, DIALOG_CANCEL);
    }
    EXPECT_STREQ(Find_Dialog_Registration(CITY_EDITOR_DIALOG)->pTemplate->szHelp, "cityeditor");
    EXPECT_STREQ(Find_Dialog_Registration(RENAME_CITY_DIALOG)->pTemplate->szHelp, "playing");
}

}  // namespace

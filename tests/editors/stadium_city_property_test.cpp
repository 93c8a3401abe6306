// Random text typed into every field of the Stadium and City editors (empty,
// huge, negative, not numbers, bytes above 0x7F), with cities added, erased
// and renamed at random, then "Done": afterwards every club plays in a named
// city, every stadium and city figure lies in its range and every city has
// a name of at most 19 characters.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editors/city_editor.h"
#include "editors/stadium_editor.h"
#include "editors/stat_pickers.h"
#include "league/cities.h"
#include "league/preferences.h"
#include "league/stadium_value.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "season/season_cycle_fixture.h"
#include "test_support.h"
#include "editors/dialog_action.h"

namespace {

constexpr int CLUBS = 4;

using editor_tests::Action;

std::string Random_Text(std::mt19937& Random)
{
    static const char* const SAMPLES[] = {
        "", " ", "-", "+", "0", "-0", "-1", "1", "55000", "200000", "200001", "-200000", "2147483647",
        "2147483648", "-2147483649", "9223372036854775807", "99999999999999999999999999", "12.345",
        "-73.985", "180.0005", "-90.0005", "1e9", "abc", "seats", "0x10", " 42 ", "\t7", "--5", "+-3",
        "\xe9\xe8\xff", "\x80\x81\x8d", "\xa0" "123"};
    if (Random() % 16 == 0)
        return std::string("\0name", 5);   // a NUL first: no name at all
    switch (Random() % 4) {
    case 0:
        return SAMPLES[Random() % std::size(SAMPLES)];
    case 1:
        return std::to_string(static_cast<int64_t>(Random()) - (int64_t{1} << 31)) + (Random() % 2 ? ".5" : "");
    case 2: {
        std::string Text(Random() % 24, ' ');
        for (char& c : Text)
            c = static_cast<char>(Random() % 256);
        return Text;
    }
    default: {
        std::string Text(Random() % 3 == 0 ? 5000 : Random() % 40, '9');
        if (Random() % 2)
            Text[0] = '-';
        return Text;
    }
    }
}

class StadiumCityPropertyTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        season_cycle::Build_League(CLUBS, 1);
        for (int c = 0; c < 6; ++c) {
            Set_City_Name(c, ("City" + std::to_string(c)).c_str());
            Set_Default_City_Stats(c);
        }
        for (int t = 0; t < CLUBS; ++t)
            Set_Team_Stat(t, TEAM_STAT_CITY, t);
        Set_User_Preference(PREF_CURRENT_TEAM, 0);
        Set_User_Preference(PREF_CURRENT_CITY, 0);
        Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    }

    static void Check_League(int nTrial)
    {
        for (int t = 0; t < CLUBS; ++t) {
            const int nCity = Get_Team_Stat(t, TEAM_STAT_CITY);
            ASSERT_TRUE(nCity >= 0 && nCity < Count_Cities()) << "trial " << nTrial << " club " << t;
            ASSERT_TRUE(Is_City_Named(nCity)) << "trial " << nTrial << " club " << t;
            const int nCapacity = Get_Team_Stadium_Stat(t, STADIUM_STAT_CAPACITY);
            ASSERT_TRUE(nCapacity >= 0 && nCapacity <= STADIUM_CAPACITY_MAX) << "trial " << nTrial;
            ASSERT_TRUE(Get_Team_Stadium_Stat(t, STADIUM_STAT_STRUCTURE) >= 0 &&
                        Get_Team_Stadium_Stat(t, STADIUM_STAT_STRUCTURE) <= 2);
            ASSERT_TRUE(Get_Team_Stadium_Stat(t, STADIUM_STAT_SURFACE) >= 0 &&
                        Get_Team_Stadium_Stat(t, STADIUM_STAT_SURFACE) <= 1);
            for (int n : {STADIUM_STAT_CONVENIENCE, STADIUM_STAT_COMFORT, STADIUM_STAT_SIGHT_LINES}) {
                const int q = Get_Team_Stadium_Stat(t, n);
                ASSERT_TRUE(q == 0 || (q >= 800 && q <= 1200 && q % 100 == 0)) << "trial " << nTrial << " " << q;
            }
            char szName[32];
            Get_Team_String(szName, t, TEAM_STRING_STADIUM);
            ASSERT_LE(std::string(szName).size(), 31u);
        }
        const int nCount = Count_Cities();
        ASSERT_GE(nCount, CLUBS);
        ASSERT_LE(nCount, MAX_CITIES);
        for (int c = 0; c < nCount; ++c) {
            char szName[CITY_NAME_SIZE];
            Get_City_Name(c, szName, sizeof szName);
            const std::string Name = szName;
            ASSERT_FALSE(Name.empty());
            ASSERT_NE(Name.find_first_not_of(" \t"), std::string::npos) << "trial " << nTrial;
            ASSERT_LE(Name.size(), 19u);
            ASSERT_TRUE(Get_City_Stat(c, CITY_STAT_POPULATION) >= 0);
            ASSERT_TRUE(Get_City_Stat(c, CITY_STAT_INCOME) >= 0);
            ASSERT_TRUE(Get_City_Stat(c, CITY_STAT_LONGITUDE) >= -180000 &&
                        Get_City_Stat(c, CITY_STAT_LONGITUDE) <= 180000);
            ASSERT_TRUE(Get_City_Stat(c, CITY_STAT_LATITUDE) >= -90000 &&
                        Get_City_Stat(c, CITY_STAT_LATITUDE) <= 90000);
            ASSERT_TRUE(Get_City_Stat(c, CITY_STAT_TIME_ZONE) >= -12 && Get_City_Stat(c, CITY_STAT_TIME_ZONE) <= 14);
        }
    }
};

TEST_F(StadiumCityPropertyTest, RandomTypingLeavesALegalLeague)
{
    std::mt19937 Random(20261207);
    const int STADIUM_EDITS[] = {STADIUM_NAME_EDIT, STADIUM_CAPACITY_EDIT};
    const int STADIUM_COMBOS[] = {TEAM_LIST, STADIUM_STRUCTURE_COMBO, STADIUM_SURFACE_COMBO,
                                  STADIUM_CONVENIENCE_COMBO, STADIUM_COMFORT_COMBO, STADIUM_SIGHT_LINES_COMBO};
    const int CITY_EDITS[] = {CITY_POPULATION_EDIT, CITY_REGION_POPULATION_EDIT, CITY_GROWTH_EDIT,
                              CITY_INCOME_EDIT,     CITY_ALTITUDE_EDIT,          CITY_LONGITUDE_EDIT,
                              CITY_LATITUDE_EDIT,   CITY_TIME_ZONE_EDIT};
    for (int nTrial = 0; nTrial < 300; ++nTrial) {
        dialogs::Reset();
        ui::Reset();
        // Through the dialogs, as typed (text the edit refuses is refused).
        for (int k = 0; k < 8; ++k) {
            if (Random() % 3 == 0)
                dialogs::Queue_Action(STADIUM_EDITOR_DIALOG,
                                      Action(ACTION_SELECT, STADIUM_COMBOS[Random() % std::size(STADIUM_COMBOS)],
                                             static_cast<int>(Random() % 7) - 1));
            else
                dialogs::Queue_Action(STADIUM_EDITOR_DIALOG,
                                      Action(ACTION_SET_TEXT, STADIUM_EDITS[Random() % std::size(STADIUM_EDITS)], 0,
                                             Random_Text(Random)));
        }
        dialogs::Queue_Action(STADIUM_EDITOR_DIALOG,
                              Random() % 2 ? Action(ACTION_PRESS, DIALOG_OK) : Action(ACTION_CANCEL, 0));
        Do_Dialog(STADIUM_EDITOR_DIALOG);

        for (int k = 0; k < 10; ++k) {
            const unsigned nWhat = Random() % 10;
            if (nWhat < 6) {
                dialogs::Queue_Action(CITY_EDITOR_DIALOG, Action(ACTION_SET_TEXT,
                                                                 CITY_EDITS[Random() % std::size(CITY_EDITS)], 0,
                                                                 Random_Text(Random)));
            } else if (nWhat == 6) {
                dialogs::Queue_Action(CITY_EDITOR_DIALOG,
                                      Action(ACTION_SELECT, CITY_LIST_COMBO, static_cast<int>(Random() % 8)));
            } else if (nWhat == 7) {
                dialogs::Queue_Action(CITY_EDITOR_DIALOG, Action(ACTION_PRESS, CITY_ADD_BUTTON));
            } else if (nWhat == 8) {
                dialogs::Queue_Action(CITY_EDITOR_DIALOG, Action(ACTION_PRESS, CITY_ERASE_BUTTON));
            } else {
                dialogs::Queue_Action(RENAME_CITY_DIALOG,
                                      Action(ACTION_SET_TEXT, CITY_NAME_EDIT, 0, Random_Text(Random)));
                dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
                dialogs::Queue_Action(RENAME_CITY_DIALOG, Action(ACTION_CANCEL, 0));
                dialogs::Queue_Action(CITY_EDITOR_DIALOG, Action(ACTION_PRESS, CITY_EDIT_NAME_BUTTON));
            }
        }
        dialogs::Queue_Action(CITY_EDITOR_DIALOG,
                              Random() % 2 ? Action(ACTION_PRESS, DIALOG_OK) : Action(ACTION_CANCEL, 0));
        Do_Dialog(CITY_EDITOR_DIALOG);
        ASSERT_NO_FATAL_FAILURE(Check_League(nTrial));

        // Straight into the fields, past any edit's limit and character set.
        DIALOG Stadium(STADIUM_EDITOR_DIALOG, "Stadium Editor", Stadium_Editor_Dialog_Proc, nullptr);
        Stadium.Send(DIALOG_INIT, 0);
        Stadium.Set_Text(STADIUM_NAME_EDIT, Random_Text(Random) + Random_Text(Random));
        Stadium.Set_Text(STADIUM_CAPACITY_EDIT, Random_Text(Random));
        Save_Stadium_Fields(Stadium);
        DIALOG City(CITY_EDITOR_DIALOG, "City Editor", City_Editor_Dialog, nullptr);
        City.Send(DIALOG_INIT, 0);
        for (int nId : CITY_EDITS)
            City.Set_Text(nId, Random_Text(Random));
        Save_City_Fields(City);
        DIALOG Rename(RENAME_CITY_DIALOG, "Rename City", Rename_City_Dialog, nullptr);
        Rename.Send(DIALOG_INIT, 0);
        Rename.Set_Text(CITY_NAME_EDIT, Random_Text(Random));
        Save_City_Name(Rename);
        ASSERT_NO_FATAL_FAILURE(Check_League(nTrial));
        ASSERT_EQ(Get_Error_Count(), 0) << "trial " << nTrial;
    }
}

}  // namespace

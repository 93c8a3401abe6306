// The settings a new game starts from, the column captions, the human-team
// queries and the summary line that names a game.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/text_utils.h"
#include "league/column_captions.h"
#include "league/default_settings.h"
#include "league/game_summary.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "test_support.h"

namespace {

class NewGameSettingsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Clear_All_Teams();
        const char* Cities[4] = {"Akron", "Boise", "Camden", "Dayton"};
        const char* Nicknames[4] = {"Aces", "Bulls", "Comets", "Dukes"};
        for (int t = 0; t < 4; ++t) {
            Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
            Set_Team_Stat(t, TEAM_STAT_DIVISION, t < 2 ? 1 : 5);
            Set_Team_String(Cities[t], t, TEAM_STRING_CITY);
            Set_Team_String(Nicknames[t], t, TEAM_STRING_NICKNAME);
        }
        Count_Teams();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 1994;
        Install_Owner_Name_Store(nullptr);
    }
    void TearDown() override { Install_Owner_Name_Store(nullptr); }

    static std::string Game_Name()
    {
        char szName[300];
        Get_Current_Game_Name(szName, sizeof(szName));
        return szName;
    }
};

template <void (*Caption)(char*, size_t, int)>
std::string Caption_Of(int n)
{
    char szBuffer[TEXT_BUFFER_SIZE];
    std::strcpy(szBuffer, "stale");
    Caption(szBuffer, sizeof(szBuffer), n);
    return szBuffer;
}

std::string g_OwnerWritten;
bool Read_Owner(char* szName, size_t nSize)
{
    std::strncpy(szName, "Pat Owner", nSize);
    return true;
}
void Write_Owner(const char* szName)
{
    g_OwnerWritten = szName;
}

}  // namespace

TEST_F(NewGameSettingsTest, CaptionsFollowTheirTablesAndCodesOutOfRangeGiveNothing)
{
    EXPECT_EQ(Caption_Of<Get_Team_Stat_Caption>(0), "Total\nYards");
    EXPECT_EQ(Caption_Of<Get_Team_Stat_Caption>(18), "Point\nSpread");
    EXPECT_EQ(Caption_Of<Get_Team_Stat_Caption>(19), "Over/Under");
    EXPECT_EQ(Caption_Of<Get_Team_Stat_Caption>(20), "");
    EXPECT_EQ(Caption_Of<Get_Team_Stat_Caption>(-1), "");
    EXPECT_EQ(Caption_Of<Get_Player_Stat_Caption>(2), "Pass Yards");
    EXPECT_EQ(Caption_Of<Get_Player_Stat_Caption>(21), "Tackles (Solo + Asst)");
    EXPECT_EQ(Caption_Of<Get_Player_Stat_Caption>(29), "Cap Impact");
    EXPECT_EQ(Caption_Of<Get_Player_Stat_Caption>(30), "");
    EXPECT_EQ(Caption_Of<Get_Standings_Caption>(0), "Last 3");
    EXPECT_EQ(Caption_Of<Get_Standings_Caption>(2), "Streak");
    EXPECT_EQ(Caption_Of<Get_Standings_Caption>(39), "Record (vs. Spread)");
    EXPECT_EQ(Caption_Of<Get_Standings_Caption>(47), "Pass Blocking");
    EXPECT_EQ(Caption_Of<Get_Standings_Caption>(48), "");
    League.Universe.nStat[SALARY_CAP] = 200000000;
    EXPECT_EQ(Caption_Of<Get_Team_Info_Caption>(0), "Rating");
    EXPECT_EQ(Caption_Of<Get_Team_Info_Caption>(17), "Cap Room");
    EXPECT_EQ(Caption_Of<Get_Team_Info_Caption>(43), "Road Attendance");
    EXPECT_EQ(Caption_Of<Get_Team_Info_Caption>(46), "Power Rank");
    EXPECT_EQ(Caption_Of<Get_Team_Info_Caption>(49), "Overall");
    EXPECT_EQ(Caption_Of<Get_Team_Info_Caption>(50), "");
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(NewGameSettingsTest, TitlesCaptionNamesTheUsersLeagueAndCapRoomIsABudgetWithoutACap)
{
    Set_League_Abbreviation(0, "AFC");
    Set_League_Abbreviation(1, "NFC");
    Set_User_Preference(PREF_USER_LEAGUE, 1);
    EXPECT_EQ(Caption_Of<Get_Team_Info_Caption>(2), "NFC Titles");
    Set_User_Preference(PREF_USER_LEAGUE, 0);
    EXPECT_EQ(Caption_Of<Get_Team_Info_Caption>(2), "AFC Titles");
    EXPECT_EQ(Errors_Reported(), 0);
    Set_User_Preference(PREF_USER_LEAGUE, 2);
    EXPECT_EQ(Caption_Of<Get_Team_Info_Caption>(2), " Titles");
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Invalid Get_League_Name(2) call."));
    League.Universe.nStat[SALARY_CAP] = 0;
    EXPECT_EQ(Caption_Of<Get_Team_Info_Caption>(17), "Payroll Budget");
}

TEST_F(NewGameSettingsTest, HumanTeamsAreThoseInUseWithControllerOneUnlessAllAreComputerRun)
{
    EXPECT_EQ(Count_Human_Teams(), 0);
    EXPECT_EQ(Count_Computer_Teams(), 4);
    EXPECT_EQ(Get_Nth_Human_Team(0), 0);   // none: 0
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_Team_Stat(3, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    EXPECT_TRUE(Is_Human_Team(1));
    EXPECT_FALSE(Is_Computer_Team(1));
    EXPECT_TRUE(Is_Computer_Team(0));
    EXPECT_FALSE(Is_Human_Team(5));        // not in use
    EXPECT_FALSE(Is_Computer_Team(5));
    EXPECT_FALSE(Is_Human_Team(36));
    EXPECT_EQ(Count_Human_Teams(), 2);
    EXPECT_EQ(Count_Computer_Teams(), 2);
    EXPECT_TRUE(Has_Several_Human_Teams());
    EXPECT_EQ(Get_Nth_Human_Team(0), 1);
    EXPECT_EQ(Get_Nth_Human_Team(1), 3);
    EXPECT_EQ(Get_Nth_Human_Team(2), 1);   // past the count: taken as 0
    EXPECT_EQ(Get_Nth_Human_Team(-1), 1);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    EXPECT_FALSE(Is_Human_Team(1));
    EXPECT_TRUE(Is_Computer_Team(1));
    EXPECT_EQ(Count_Human_Teams(), 0);
    EXPECT_EQ(Count_Computer_Teams(), 4);
    EXPECT_FALSE(Has_Several_Human_Teams());
    EXPECT_EQ(Get_Nth_Human_Team(0), 0);
}

TEST_F(NewGameSettingsTest, DefaultSettingsFollowTheTableAndNameTheUsersTeam)
{
    Set_Team_Stat(2, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_Team_String("Lee Owner", 2, TEAM_STRING_OWNER);
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    OWNER_NAME_STORE Store;
    Store.pRead = Read_Owner;
    Store.pWrite = Write_Owner;
    Install_Owner_Name_Store(&Store);
    g_OwnerWritten.clear();
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1965;
    Set_Default_Settings();

    const int Expected[][2] = {{100, 2}, {101, 0}, {102, 5}, {103, 7}, {104, 8}, {105, 46}, {106, 8}, {107, 17},
                               {108, 47}, {109, 48}, {110, 49}, {111, 2}, {112, 9}, {113, 2}, {114, 11},
                               {115, 15}, {116, 24}, {119, 18}, {120, 2}, {121, 3}, {122, 4}, {123, 5},
                               {48, 1}, {118, 0}, {27, 1}, {30, 0}, {34, -1}, {173, 300},
                               {28, 2}, {32, 2}, {42, 1}};
    for (const auto& Pair : Expected)
        EXPECT_EQ(Get_User_Preference(Pair[0]), Pair[1]) << "preference " << Pair[0];
    EXPECT_STREQ(League.szSkinName, "earth");
    EXPECT_STREQ(League.szCurrentGameText, "Lee Owner");
    EXPECT_EQ(g_OwnerWritten, "Lee Owner");
    EXPECT_EQ(Game_Name(), "Camden Comets (1965)");
    char szLast[40];
    Read_Last_Owner_Name(szLast, sizeof(szLast));
    EXPECT_STREQ(szLast, "Pat Owner");

    // 1966 uses the later columns; with no human team the user's team is 0,
    // preference 32 keeps its value and the conference is team 0's.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1966;
    Set_Team_Stat(2, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    Set_User_Preference(PREF_SELECTED_TEAM, 3);
    Set_Default_Settings();
    EXPECT_EQ(Get_User_Preference(112), 1);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 0);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 3);
    EXPECT_EQ(Get_User_Preference(PREF_USER_LEAGUE), 0);
}

TEST_F(NewGameSettingsTest, WithoutAnOwnerStoreTheLastOwnerIsEmpty)
{
    char szLast[40] = "stale";
    Read_Last_Owner_Name(szLast, sizeof(szLast));
    EXPECT_STREQ(szLast, "");
    Write_Last_Owner_Name("Nobody");   // dropped, no crash
}

TEST_F(NewGameSettingsTest, SummaryNamesTheFranchiseAndTheSeasonsPlayed)
{
    char szSummary[TEXT_BUFFER_SIZE];
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_User_Preference(PREF_SELECTED_TEAM, 1);
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Format_Game_File_Summary(szSummary);
    EXPECT_STREQ(szSummary, "Boise Bulls (1994)");
    Set_User_Preference(PREF_SEASON_INDEX, 2);
    Format_Game_File_Summary(szSummary);
    EXPECT_STREQ(szSummary, "Boise Bulls (1994-1996)");
    // A team slot out of use (or any other value) names franchise 0; the
    // free agents' slot names itself.
    Set_User_Preference(PREF_SELECTED_TEAM, 9);
    Format_Game_File_Summary(szSummary);
    EXPECT_STREQ(szSummary, "Akron Aces (1994-1996)");
    Set_User_Preference(PREF_SELECTED_TEAM, 36);
    Format_Game_File_Summary(szSummary);
    EXPECT_STREQ(szSummary, "Free Agent (1994-1996)");
    Set_Team_Stat(3, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Format_Game_File_Summary(szSummary);
    EXPECT_STREQ(szSummary, "4 teams - 2 players (1996)");
}

TEST_F(NewGameSettingsTest, AnAutomaticGameNameIsRenewedEachSeasonAndAUsersNameKept)
{
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_User_Preference(PREF_SELECTED_TEAM, 1);
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Set_Current_Game_Name("Boise Bulls (1994)");
    Update_Game_Name_For_Season();   // the first season: nothing
    EXPECT_EQ(Game_Name(), "Boise Bulls (1994)");
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Update_Game_Name_For_Season();
    EXPECT_EQ(Game_Name(), "Boise Bulls (1994-1995)");
    Set_User_Preference(PREF_SEASON_INDEX, 2);
    Update_Game_Name_For_Season();
    EXPECT_EQ(Game_Name(), "Boise Bulls (1994-1996)");
    Set_Current_Game_Name("My Bulls");
    Update_Game_Name_For_Season();
    EXPECT_EQ(Game_Name(), "My Bulls");
    Set_Current_Game_Name("Boise");   // shorter than the compared part
    Update_Game_Name_For_Season();
    EXPECT_EQ(Game_Name(), "Boise");
}

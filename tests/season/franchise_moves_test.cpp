// The franchise history: its built-in rows, the yearly changes with their
// questions and news, new clubs, and the changes that cannot be made.
//
// The clubs are found by "City,Nickname" compared with their team strings;
// the name lookup's own answer is not relied on (while it gives NO_TEAM,
// the team strings decide alone).
#include <cstring>
#include <string>

#include "season_cycle_fixture.h"
#include "frontoffice/team_views.h"
#include "league/human_teams.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "test_support.h"
#include "league/cities.h"
#include "league/league_structure.h"
#include "season/expansion_draft.h"
#include "season/expansion_teams.h"
#include "season/expansion_test_hooks.h"
#include "season/franchise_moves.h"

namespace {

class FranchiseMovesTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"franchise_moves"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        Set_Franchise_Event_Table(nullptr, 0);
    }
    void TearDown() override { Set_Franchise_Event_Table(nullptr, 0); }

    static void Name(int nTeam, const char* szCity, const char* szNickname, const char* szStadium = "Old Bowl")
    {
        Set_Team_String(szCity, nTeam, TEAM_STRING_CITY);
        Set_Team_String(szNickname, nTeam, TEAM_STRING_NICKNAME);
        Set_Team_String(szStadium, nTeam, TEAM_STRING_STADIUM);
    }

    static void Add_City(int nCity, const char* szName)
    {
        Set_City_Name(nCity, szName);
        Set_Default_City_Stats(nCity);
    }

    // "NFL" league 0 of three clubs: the New York Yanks (city 0), the
    // Cleveland Browns (city 1), the Chicago Bears (city 3); a Dallas record
    // (city 2) free; 12 games a season.
    static void Build_History_League(int nUsers = 0)
    {
        season_cycle::Build_League(3, nUsers);
        Set_Universe_Stat(GAMES_PER_SEASON, 12);
        Set_League_Abbreviation(0, "NFL");
        Add_City(0, "New York");
        Add_City(1, "Cleveland");
        Add_City(2, "Dallas");
        Add_City(3, "Chicago");
        Name(0, "New York", "Yanks");
        Name(1, "Cleveland", "Browns");
        Name(2, "Chicago", "Bears");
        Set_Team_Stat(0, TEAM_STAT_CITY, 0);
        Set_Team_Stat(1, TEAM_STAT_CITY, 1);
        Set_Team_Stat(2, TEAM_STAT_CITY, 3);
    }

    // Two leagues of two divisions of two clubs each, every division slot
    // named as a built league names them: league 0 (clubs 0-3 in divisions
    // 0 and 1) and league 1 (clubs 4-7 in divisions 4 and 5). Club 0 is
    // the Houston Gushers ("HOU"); 12 games a season, 1959.
    static void Build_Two_League_League(const char* szFirst, const char* szSecond)
    {
        season_cycle::Build_League(8);
        Set_Universe_Stat(GAMES_PER_SEASON, 12);
        Set_Universe_Stat(FIRST_SEASON_YEAR, 1959);
        Set_League_Abbreviation(0, szFirst);
        Set_League_Abbreviation(1, szSecond);
        const char* const DIVISIONS[4] = {"East", "North", "South", "West"};
        for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
            Set_Division_Name(d, DIVISIONS[d % 4]);
        for (int t = 0; t < 8; ++t) {
            Set_Team_Stat(t, TEAM_STAT_DIVISION, t / 4 * 4 + t % 4 / 2);
            Set_Team_String(("C" + std::to_string(t)).c_str(), t, TEAM_STRING_ABBREVIATION);
        }
        Add_City(0, "Houston");
        Name(0, "Houston", "Gushers");
        Set_Team_String("HOU", 0, TEAM_STRING_ABBREVIATION);
        Set_Team_Stat(0, TEAM_STAT_CITY, 0);
        Count_Teams();
    }

    static std::string Division_Of(int nDivision)
    {
        char szName[DIVISION_NAME_SIZE + 1] = {};
        Get_Division_Name(nDivision, szName);
        return szName;
    }

    static std::string League_Of(int nLeague)
    {
        char szName[LEAGUE_NAME_SIZE + 1] = {};
        Get_League_Name(nLeague, szName);
        return szName;
    }

    static std::string String_Of(int nTeam, int nString)
    {
        char szText[TEAM_STRING_SIZE + 1] = {};
        Get_Team_String(szText, nTeam, nString);
        return szText;
    }
};

// The rows as given, in their order.
TEST_F(FranchiseMovesTest, BuiltInHistoryHoldsTheKnownRows)
{
    int n = 0;
    const FRANCHISE_EVENT* pRows = Get_Franchise_Events(&n);
    ASSERT_EQ(n, 6);
    EXPECT_EQ(pRows[0].nYear, 1952);
    EXPECT_EQ(pRows[0].nKind, EVENT_REFORMED);
    EXPECT_STREQ(pRows[0].szTeam, "New York,Yanks");
    EXPECT_STREQ(pRows[0].szSecond, "Dallas,Texans");
    EXPECT_STREQ(pRows[0].szAbbreviation, "DTX");
    EXPECT_EQ(pRows[1].nKind, EVENT_NEW_LEAGUE);
    EXPECT_STREQ(pRows[1].szLeague, "AFL");
    EXPECT_EQ(pRows[2].nKind, EVENT_DIVISION_NAME);
    EXPECT_EQ(pRows[2].nDivision, 1);
    EXPECT_STREQ(pRows[2].szSecond, "West");
    EXPECT_EQ(pRows[3].nKind, EVENT_EXPANSION);
    EXPECT_STREQ(pRows[3].szTeam, "Houston,Oilers");
    EXPECT_STREQ(pRows[3].szAbbreviation, "HOU");
    EXPECT_STREQ(pRows[3].szSecond, "Jeppesen Stadium");
    EXPECT_EQ(pRows[4].nYear, 1967);
    EXPECT_EQ(pRows[4].nKind, EVENT_REALIGNMENT);
    EXPECT_STREQ(pRows[4].szTeam, "Cleveland,Browns");
    EXPECT_EQ(pRows[5].nYear, 1970);
    EXPECT_EQ(pRows[5].nKind, EVENT_LEAGUE_NAME);
    EXPECT_STREQ(pRows[5].szSecond, "NFC");
    for (int i = 0; i < n; ++i) {
        EXPECT_GE(pRows[i].nYear, 1952);
        EXPECT_LE(pRows[i].nYear, 2020);
    }
}

// None of the rows names a club of a league with names of its own.
TEST_F(FranchiseMovesTest, FictionalLeagueIsUntouchedByTheHistory)
{
    season_cycle::Build_League(3);
    Set_Universe_Stat(GAMES_PER_SEASON, 12);
    Set_League_Abbreviation(0, "American");
    const LEAGUE_SNAPSHOT Before;
    for (int nYear : {1952, 1967})
        Apply_Franchise_Changes(nYear);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(FranchiseMovesTest, ComputerClubIsReformedWithTheNews)
{
    Build_History_League();
    Apply_Franchise_Changes(1952);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "League News");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "The New York Yanks have been disbanded. The Dallas Texans have been enfranchised with the remains of "
              "the New York Yanks.");
    // Sorted by city: Chicago, Cleveland, Dallas.
    EXPECT_EQ(String_Of(2, TEAM_STRING_CITY), "Dallas");
    EXPECT_EQ(String_Of(2, TEAM_STRING_NICKNAME), "Texans");
    EXPECT_EQ(String_Of(2, TEAM_STRING_ABBREVIATION), "DTX");
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_CITY), 2);
    EXPECT_EQ(String_Of(0, TEAM_STRING_NICKNAME), "Bears");
    EXPECT_EQ(Find_Event_Team("New York,Yanks"), NO_TEAM);
    EXPECT_EQ(Find_Event_Team("Dallas,Texans"), 2);
}

TEST_F(FranchiseMovesTest, UserClubIsAskedAndNoKeepsIt)
{
    Build_History_League(1);
    const LEAGUE_SNAPSHOT Before;
    ui::Queue_Answer(ID_NO);
    Apply_Franchise_Changes(1952);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Move Team");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Would you like to disband the New York Yanks and form a new franchise (the Dallas Texans)?");
    EXPECT_EQ(ui::Shown_Boxes()[0].Style, BOX_YESNO | BOX_ICON_QUESTION);
    EXPECT_TRUE(Before.Unchanged());

    ui::Queue_Answer(ID_YES);
    Apply_Franchise_Changes(1952);
    EXPECT_EQ(Find_Event_Team("Dallas,Texans"), 2);
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_CONTROLLER), CONTROLLER_USER);
}

TEST_F(FranchiseMovesTest, AllComputerLeagueChangesSilently)
{
    Build_History_League(1);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Apply_Franchise_Changes(1952);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Find_Event_Team("Dallas,Texans"), 2);
}

// 1960: a new league "AFL" (league 1), its division 1 named "West", and the
// Houston Oilers in its division 0 (4). Before 1970 the new club drafts
// only from its own league, where nobody else plays: it is stocked with
// generated players and trimmed to 51.
TEST_F(FranchiseMovesTest, NineteenSixtyBringsANewLeagueAndItsFirstClub)
{
    Build_History_League();
    Set_Universe_Stat(FIRST_SEASON_YEAR, 1959);
    for (int t = 0; t < 3; ++t)
        season_cycle::Fill_Legal_Club(t, 45, 1000 * (t + 1), 60.0f);
    Apply_Franchise_Changes(1960);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "League News");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "A new league has been created: AFL.");
    char szName[LEAGUE_NAME_SIZE + 1] = {};
    Get_League_Name(1, szName);
    EXPECT_STREQ(szName, "AFL");
    char szDivision[DIVISION_NAME_SIZE + 1] = {};
    Get_Division_Name(5, szDivision);
    EXPECT_STREQ(szDivision, "West");
    EXPECT_EQ(Count_Teams(), 3);   // the club comes with the expansion step

    ui::Clear_Shown_Boxes();
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Run_League_Expansion(1960);
    ASSERT_EQ(Count_Teams(), 4);
    const int nHouston = Find_Event_Team("Houston,Oilers");
    ASSERT_EQ(nHouston, 2);   // Chicago, Cleveland, Houston, New York
    EXPECT_EQ(Get_Team_Stat(nHouston, TEAM_STAT_DIVISION), 4);
    EXPECT_EQ(Get_Team_Stat(nHouston, TEAM_STAT_CONTROLLER), CONTROLLER_COMPUTER);
    EXPECT_EQ(String_Of(nHouston, TEAM_STRING_ABBREVIATION), "HOU");
    EXPECT_EQ(String_Of(nHouston, TEAM_STRING_STADIUM), "Jeppesen Stadium");
    // Houston had no city record: the first free one took its name.
    EXPECT_EQ(Get_Team_Stat(nHouston, TEAM_STAT_CITY), 4);
    char szCity[CITY_NAME_SIZE];
    Get_City_Name(4, szCity, sizeof szCity);
    EXPECT_STREQ(szCity, "Houston");
    for (int t = 0; t < 4; ++t) {
        if (t != nHouston) {
            EXPECT_EQ(Get_Expansion_Taken_Count(t), 0) << t;
        }
    }
    EXPECT_EQ(Count_Team_Players(nHouston), 51);
    // Nothing of the expansion is shown while every club is computer-run
    // (the name files' absence is the generator's own news).
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        EXPECT_TRUE(Box.Caption != "League Expansion" && Box.Caption != "Expansion Draft") << Box.Text;

    // A second run of the year adds nobody.
    const LEAGUE_SNAPSHOT After;
    Run_League_Expansion(1960);
    EXPECT_TRUE(After.Unchanged());
}

TEST_F(FranchiseMovesTest, RealignmentMovesTheClubAndSkipsAMissingOne)
{
    Build_History_League();
    Apply_Franchise_Changes(1967);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_DIVISION), 1);   // "NFL" is league 0
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    Zero_League_Data();
    season_cycle::Build_League(3);
    Set_League_Abbreviation(0, "NFL");
    const LEAGUE_SNAPSHOT Before;
    Apply_Franchise_Changes(1967);
    EXPECT_TRUE(Before.Unchanged());

    // A league with no "NFL": its Cleveland Browns, of the second league's
    // first division, stay where they are.
    Zero_League_Data();
    Build_Two_League_League("American", "National");
    Name(5, "Cleveland", "Browns");
    ASSERT_EQ(Get_Team_Stat(5, TEAM_STAT_DIVISION), 4);
    const LEAGUE_SNAPSHOT NoSuchLeague;
    Apply_Franchise_Changes(1967);
    EXPECT_EQ(Get_Team_Stat(5, TEAM_STAT_DIVISION), 4);
    EXPECT_TRUE(NoSuchLeague.Unchanged());
}

TEST_F(FranchiseMovesTest, LeagueTakesItsNewName)
{
    Build_History_League();
    Apply_Franchise_Changes(1970);
    char szName[LEAGUE_NAME_SIZE + 1] = {};
    Get_League_Name(0, szName);
    EXPECT_STREQ(szName, "NFC");
    EXPECT_EQ(Find_League_By_Name("nfc"), 0);
    EXPECT_EQ(Find_League_By_Name("NFL"), 0);   // no league: 0
}

// Kinds 3 to 7 over a table of the test's own.
TEST_F(FranchiseMovesTest, StadiumsNamesAndHomesWithTheirTexts)
{
    Build_History_League();
    const FRANCHISE_EVENT Rows[] = {
        {1990, EVENT_NEW_STADIUM, "", "Chicago,Bears", "", 0, "Lakefront Field"},
        {1990, EVENT_STADIUM_NAME, "", "Cleveland,Browns", "", 0, "Dawg Park"},
        {1990, EVENT_STADIUM_CHANGE, "", "New York,Yanks", "", 0, "Harbor Bowl"},
        {1990, EVENT_NAME_CHANGE, "", "New York,Yanks", "NYB", 0, "New York,Bulldogs"},
        {1990, EVENT_HOME_CITY, "", "Chicago,Bears", "", 0, "Dallas"},
    };
    Set_Franchise_Event_Table(Rows, 5);
    Apply_Franchise_Changes(1990);
    const auto& Boxes = ui::Shown_Boxes();
    ASSERT_EQ(Boxes.size(), 4u);
    EXPECT_EQ(Boxes[0].Text, "The Chicago Bears have a new stadium: Lakefront Field.");
    EXPECT_EQ(Boxes[1].Text, "The Cleveland Browns have changed the name of their stadium from Old Bowl to Dawg Park.");
    EXPECT_EQ(Boxes[2].Text, "The New York Yanks are moving to Harbor Bowl.");
    EXPECT_EQ(Boxes[3].Text, "The New York Yanks have changed their name to the New York Bulldogs.");
    for (const SHOWN_BOX& Box : Boxes)
        EXPECT_EQ(Box.Caption, "League News");
    EXPECT_EQ(String_Of(0, TEAM_STRING_STADIUM), "Lakefront Field");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_CITY), 2);   // kind 4: silently to Dallas
    EXPECT_EQ(String_Of(1, TEAM_STRING_STADIUM), "Dawg Park");
    EXPECT_EQ(String_Of(2, TEAM_STRING_STADIUM), "Harbor Bowl");
    EXPECT_EQ(String_Of(2, TEAM_STRING_NICKNAME), "Bulldogs");
    EXPECT_EQ(String_Of(2, TEAM_STRING_ABBREVIATION), "NYB");
    EXPECT_EQ(Get_Team_Stat(2, TEAM_STAT_CITY), 0);   // a name change keeps the home
}

// The user's club is asked each question in its own words and title.
TEST_F(FranchiseMovesTest, UserQuestionsHaveTheirTitles)
{
    Build_History_League(1);   // the Yanks are the user's
    const FRANCHISE_EVENT Rows[] = {
        {1990, EVENT_MOVE, "", "New York,Yanks", "", 0, "Dallas,Rangers"},
        {1990, EVENT_NAME_CHANGE, "", "New York,Yanks", "", 0, "New York,Titans"},
        {1990, EVENT_NEW_STADIUM, "", "New York,Yanks", "", 0, "Big Bowl"},
        {1990, EVENT_STADIUM_CHANGE, "", "New York,Yanks", "", 0, "Other Bowl"},
        {1990, EVENT_STADIUM_NAME, "", "New York,Yanks", "", 0, "Renamed Bowl"},
    };
    Set_Franchise_Event_Table(Rows, 5);
    for (int i = 0; i < 5; ++i)
        ui::Queue_Answer(ID_NO);
    const LEAGUE_SNAPSHOT Before;
    Apply_Franchise_Changes(1990);
    EXPECT_TRUE(Before.Unchanged());
    const auto& Boxes = ui::Shown_Boxes();
    ASSERT_EQ(Boxes.size(), 5u);
    EXPECT_EQ(Boxes[0].Caption, "Move Team");
    EXPECT_EQ(Boxes[0].Text, "Would you like to move the New York Yanks to Dallas and change their name to the Rangers?");
    EXPECT_EQ(Boxes[1].Caption, "Name Change");
    EXPECT_EQ(Boxes[1].Text, "Would you like to change the New York Yanks to the New York Titans?");
    EXPECT_EQ(Boxes[2].Caption, "New Stadium");
    EXPECT_EQ(Boxes[2].Text, "Would you like to move the New York Yanks to a new stadium (Big Bowl)?");
    EXPECT_EQ(Boxes[3].Caption, "Stadium Change");
    EXPECT_EQ(Boxes[3].Text, "Would you like to move the New York Yanks to Other Bowl?");
    EXPECT_EQ(Boxes[4].Caption, "Name Change");
    EXPECT_EQ(Boxes[4].Text, "Would you like to change the New York Yanks stadium name from Old Bowl to Renamed Bowl?");

    // Yes to the move: Dallas record, new name, news for nobody else.
    ui::Clear_Shown_Boxes();
    const FRANCHISE_EVENT Move[] = {{1991, EVENT_MOVE, "", "New York,Yanks", "", 0, "Dallas,Rangers"}};
    Set_Franchise_Event_Table(Move, 1);
    ui::Queue_Answer(ID_YES);
    Apply_Franchise_Changes(1991);
    const int nTeam = Find_Event_Team("Dallas,Rangers");
    ASSERT_NE(nTeam, NO_TEAM);
    EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_STAT_CITY), 2);
    EXPECT_EQ(String_Of(nTeam, TEAM_STRING_ABBREVIATION), "");   // none given: kept
}

// A new stadium is put to the club's own controller even while every club
// is computer-run; the other kinds then change silently.
TEST_F(FranchiseMovesTest, NewStadiumAsksTheUserClubEvenWhenAllAreComputerRun)
{
    Build_History_League(1);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    const FRANCHISE_EVENT Rows[] = {
        {1990, EVENT_NEW_STADIUM, "", "New York,Yanks", "", 0, "Big Bowl"},
        {1990, EVENT_STADIUM_NAME, "", "New York,Yanks", "", 0, "Renamed Bowl"},
    };
    Set_Franchise_Event_Table(Rows, 2);
    ui::Queue_Answer(ID_NO);
    Apply_Franchise_Changes(1990);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "New Stadium");
    EXPECT_EQ(String_Of(0, TEAM_STRING_STADIUM), "Renamed Bowl");
}

// A move to a city without a record when all 100 records are used: nothing
// changes and the news says why.
TEST_F(FranchiseMovesTest, MoveWithoutAFreeCityRecordChangesNothing)
{
    Build_History_League();
    for (int c = 4; c < 100; ++c)
        Add_City(c, ("Town" + std::to_string(c)).c_str());
    ASSERT_EQ(Count_Cities(), 100);
    const FRANCHISE_EVENT Rows[] = {{1990, EVENT_MOVE, "", "Chicago,Bears", "", 0, "Portland,Pines"}};
    Set_Franchise_Event_Table(Rows, 1);
    const LEAGUE_SNAPSHOT Before;
    Apply_Franchise_Changes(1990);
    EXPECT_TRUE(Before.Unchanged());
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "The Chicago Bears could not move to Portland: all 100 city records are in use, so none is free for "
              "the new home. Nothing was changed.");

    // With a record free the move is made, and the record named.
    Clear_City(99);
    Apply_Franchise_Changes(1990);
    const int nTeam = Find_Event_Team("Portland,Pines");
    ASSERT_NE(nTeam, NO_TEAM);
    EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_STAT_CITY), 99);
}

// No free franchise slot for the season's length: nobody joins, nothing
// changes, and the message says what would fit.
TEST_F(FranchiseMovesTest, ExpansionThatDoesNotFitChangesNothing)
{
    season_cycle::Build_League(32);
    Set_Universe_Stat(GAMES_PER_SEASON, 17);
    Set_League_Abbreviation(0, "NFL");
    const FRANCHISE_EVENT Rows[] = {
        {2002, EVENT_EXPANSION, "NFL", "Houston,Texans", "HOU", 2, "Big Park"},
    };
    const LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Run_League_Expansion_From(Rows, 1, 2002), 0);
    EXPECT_TRUE(Before.Unchanged());
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "League Expansion");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "No team was added to the league for 2002: 1 new teams would make 33; with 17 games per season the "
              "league holds at most 32 teams, so 0 more would fit.");

    // All 36 slots in use.
    Zero_League_Data();
    ui::Clear_Shown_Boxes();
    season_cycle::Build_League(36);
    Set_Universe_Stat(GAMES_PER_SEASON, 12);
    const LEAGUE_SNAPSHOT Full;
    EXPECT_EQ(Run_League_Expansion_From(Rows, 1, 2002), 0);
    EXPECT_TRUE(Full.Unchanged());
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_NE(ui::Shown_Boxes()[0].Text.find("at most 36 teams, so 0 more would fit."), std::string::npos);
}

TEST_F(FranchiseMovesTest, TeamLimitFollowsTheSeasonLength)
{
    EXPECT_EQ(Get_Team_Limit_For_Games(17), 32);
    EXPECT_EQ(Get_Team_Limit_For_Games(16), 34);
    EXPECT_EQ(Get_Team_Limit_For_Games(15), 36);   // 38, held to the 36 slots
    EXPECT_EQ(Get_Team_Limit_For_Games(14), 36);
}

// The new club in the next slot with the row's fields; the user is told and
// offered the draft's choices; "Exclude My Team" keeps his players.
TEST_F(FranchiseMovesTest, UserIsToldOfTheNewClubsAndMayStayOut)
{
    Build_History_League(1);
    season_cycle::Fill_Legal_Club(0, 45, 1000, 60.0f);
    season_cycle::Fill_Legal_Club(1, 45, 2000, 60.0f);
    season_cycle::Fill_Legal_Club(2, 45, 3000, 60.0f);
    const FRANCHISE_EVENT Rows[] = {
        {2002, EVENT_EXPANSION, "NFL", "Dallas,Stars", "DST", 2, "Star Field"},
        {2002, EVENT_EXPANSION, "NFL", "Dallas,Stars", "DST", 2, "Star Field"},   // repeated: counted once
    };
    ui::Queue_Answer(ID_OK);   // the list of new clubs
    ui::Queue_Answer(ID_NO);   // "&Exclude My Team"
    EXPECT_EQ(Run_League_Expansion_From(Rows, 2, 2002), 1);
    const auto& Boxes = ui::Shown_Boxes();
    ASSERT_GE(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[0].Caption, "League Expansion");
    EXPECT_EQ(Boxes[0].Text, "The following teams have been added to the league:\n\n   Dallas Stars\n");
    EXPECT_EQ(Boxes[1].Caption, "Expansion Draft");
    ASSERT_EQ(Boxes[1].Buttons.size(), 3u);
    EXPECT_EQ(Boxes[1].Buttons[0], "&View My Team");
    EXPECT_EQ(Boxes[1].Buttons[1], "&Exclude My Team");
    EXPECT_EQ(Boxes[1].Buttons[2], "&Proceed with Expansion Draft");
    EXPECT_EQ(Boxes[1].Text.rfind("(Alternately, you can choose to completely exclude your team from the Expansion Draft."),
              Boxes[1].Text.size() - 86);
    EXPECT_TRUE(Is_Expansion_Excluded());
    ASSERT_EQ(Count_Teams(), 4);
    const int nYanks = Find_Event_Team("New York,Yanks");
    EXPECT_EQ(Get_Expansion_Taken_Count(nYanks), 0);
    EXPECT_EQ(Count_Team_Players(nYanks), 45);
    const int nStars = Find_Event_Team("Dallas,Stars");
    ASSERT_NE(nStars, NO_TEAM);
    EXPECT_EQ(Get_Team_Stat(nStars, TEAM_STAT_CITY), 2);   // the Dallas record
    EXPECT_EQ(Get_Team_Stat(nStars, TEAM_STAT_DIVISION), 2);
    EXPECT_EQ(Count_Team_Players(nStars), 51);
}

// "&View My Team" shows the Offense view of the user's club, then the
// draft goes on.
TEST_F(FranchiseMovesTest, UserViewsHisClubsOffenseBeforeTheDraft)
{
    Build_History_League(1);
    season_cycle::Fill_Legal_Club(0, 45, 1000, 60.0f);
    season_cycle::Fill_Legal_Club(1, 45, 2000, 60.0f);
    season_cycle::Fill_Legal_Club(2, 45, 3000, 60.0f);
    const FRANCHISE_EVENT Rows[] = {{2002, EVENT_EXPANSION, "NFL", "Dallas,Stars", "DST", 2, "Star Field"}};
    dialogs::Reset();
    ui::Queue_Answer(ID_OK);    // the list of new clubs
    ui::Queue_Answer(ID_YES);   // "&View My Team"
    EXPECT_EQ(Run_League_Expansion_From(Rows, 1, 2002), 1);
    // The clubs are sorted by city again after the new one came in: the
    // user's club is where it stands now.
    const int nUser = Get_Nth_Human_Team(0);
    ASSERT_GE(nUser, 0);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), nUser);
    const DIALOG_RECORD* pView = nullptr;
    for (const DIALOG_RECORD& Record : dialogs::Records())
        if (Record.nDialogId == OFFENSE_VIEW_DIALOG)
            pView = &Record;
    ASSERT_NE(pView, nullptr);
    const DIALOG_CONTROL* pClubs = pView->Find(TEAM_VIEW_CLUB_COMBO);
    ASSERT_NE(pClubs, nullptr);
    ASSERT_GE(pClubs->nSelected, 0);
    EXPECT_EQ(pClubs->ItemData[static_cast<size_t>(pClubs->nSelected)], nUser);
    EXPECT_FALSE(pView->Find(TEAM_VIEW_LIST)->Rows.empty());
    EXPECT_FALSE(Is_Expansion_Excluded());
    dialogs::Reset();
}

// A league that already holds two leagues, of other names: the new league
// of 1960 has no room and its division rename, like the rename of 1970,
// names no league of this one. Nothing changes, nothing is said (the
// user's club runs, so news would be shown) and nothing is reported.
TEST_F(FranchiseMovesTest, LeagueRowsChangeNothingInALeagueOfAnotherShape)
{
    Build_Two_League_League("American", "National");
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    const LEAGUE_SNAPSHOT Before;
    Apply_Franchise_Changes(1960);
    EXPECT_TRUE(ui::Shown_Boxes().empty()) << ui::Shown_Boxes()[0].Text;
    EXPECT_EQ(Errors_Reported(), 0) << Get_Recent_Errors();
    EXPECT_EQ(Division_Of(1), "North");
    EXPECT_EQ(Division_Of(5), "North");
    EXPECT_TRUE(Before.Unchanged());
    Apply_Franchise_Changes(1970);
    EXPECT_EQ(League_Of(0), "American");
    EXPECT_EQ(League_Of(1), "National");
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Errors_Reported(), 0);

    // A league that has a league of the new league's name already: no new
    // league, and its division 1 is not renamed "West", the name of its
    // division 3 (a division slot keeps its name with no club in it).
    Set_League_Abbreviation(1, "AFL");
    const LEAGUE_SNAPSHOT Named;
    Apply_Franchise_Changes(1960);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_TRUE(Named.Unchanged());

    // Rows of a league this one does not have rename nothing, though the
    // new names are free.
    const FRANCHISE_EVENT Rows[] = {
        {1990, EVENT_LEAGUE_NAME, "XFL", "", "", 0, "Western"},
        {1990, EVENT_DIVISION_NAME, "XFL", "", "", 1, "Central"},
        {1990, EVENT_DIVISION_NAME_B, "XFL", "", "", 0, "Coastal"},
    };
    Apply_Franchise_Changes_From(Rows, 3, 1990);
    EXPECT_TRUE(Named.Unchanged());
    EXPECT_EQ(Errors_Reported(), 0);

    // One league, already named "AFL": room for a second, but no second
    // "AFL" is made.
    for (int t = 4; t < 8; ++t)
        Set_Team_Stat(t, TEAM_STAT_DIVISION, 2);
    Set_League_Abbreviation(0, "AFL");
    Set_League_Abbreviation(1, "");
    ASSERT_EQ(Count_Leagues(), 1);
    Apply_Franchise_Changes(1960);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(League_Of(1), "");
}

// The league of the row exists, but the new name is another division's of
// the same league, or the other league's: the rename is not made. The
// Houston Oilers still join where the row places them, under a free
// abbreviation, since the Gushers have "HOU".
TEST_F(FranchiseMovesTest, NoRenameRepeatsANameAndNoNewClubTakesAnotherClubsAbbreviation)
{
    Build_Two_League_League("NFC", "AFL");
    const char* const AFL_DIVISIONS[4] = {"West", "East", "South", "Mountain"};
    for (int d = 0; d < 4; ++d)
        Set_Division_Name(4 + d, AFL_DIVISIONS[d]);
    for (int t = 0; t < 8; ++t)
        season_cycle::Fill_Legal_Club(t, 45, 1000 * (t + 1), 60.0f);
    Apply_Franchise_Changes(1960);
    EXPECT_EQ(Division_Of(4), "West");
    EXPECT_EQ(Division_Of(5), "East");
    EXPECT_TRUE(ui::Shown_Boxes().empty());   // "AFL" is here already: no new league

    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Run_League_Expansion(1960);
    ASSERT_EQ(Count_Teams(), 9);
    const int nOilers = Find_Event_Team("Houston,Oilers");
    const int nGushers = Find_Event_Team("Houston,Gushers");
    ASSERT_NE(nOilers, NO_TEAM);
    ASSERT_NE(nGushers, NO_TEAM);
    EXPECT_EQ(Get_Team_Stat(nOilers, TEAM_STAT_DIVISION), 4);
    EXPECT_EQ(String_Of(nGushers, TEAM_STRING_ABBREVIATION), "HOU");
    // "HO" and the first letter of "Oilers".
    EXPECT_EQ(String_Of(nOilers, TEAM_STRING_ABBREVIATION), "HOO");

    // A second club wanting "HOU" gets the next free one; a renamed club
    // wanting a taken code too, and its own code is its to keep.
    const FRANCHISE_EVENT Rows[] = {
        {1990, EVENT_EXPANSION, "AFL", "Houston,Oaks", "HOU", 1, "Oak Park"},
        {1991, EVENT_NAME_CHANGE, "", "Houston,Gushers", "HOU", 0, "Houston,Drillers"},
        {1991, EVENT_NAME_CHANGE, "", "City1,Nick1", "HOO", 0, "City1,Hawks"},
        {1992, EVENT_LEAGUE_NAME, "NFC", "", "", 0, "AFL"},
        {1992, EVENT_DIVISION_NAME_B, "NFC", "", "", 2, "North"},
        {1992, EVENT_DIVISION_NAME, "NFC", "", "", 3, "Central"},
    };
    ASSERT_EQ(Run_League_Expansion_From(Rows, 1, 1990), 1);
    const int nOaks = Find_Event_Team("Houston,Oaks");
    ASSERT_NE(nOaks, NO_TEAM);
    EXPECT_EQ(String_Of(nOaks, TEAM_STRING_ABBREVIATION), "HOA");   // "HOO" is the Oilers'
    Apply_Franchise_Changes_From(Rows, 6, 1991);
    EXPECT_EQ(String_Of(Find_Event_Team("Houston,Drillers"), TEAM_STRING_ABBREVIATION), "HOU");
    EXPECT_EQ(String_Of(Find_Event_Team("City1,Hawks"), TEAM_STRING_ABBREVIATION), "HOH");
    Errors_Reported();
    Apply_Franchise_Changes_From(Rows, 6, 1992);
    EXPECT_EQ(League_Of(0), "NFC");
    EXPECT_EQ(League_Of(1), "AFL");
    EXPECT_EQ(Division_Of(2), "South");     // "North" is division 1's
    EXPECT_EQ(Division_Of(3), "Central");   // a new name is taken
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

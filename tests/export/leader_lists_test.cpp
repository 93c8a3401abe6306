#include <gtest/gtest.h>

#include <string>

#include "export/leader_lists.h"
#include "league/leader_tables.h"
#include "league/preferences.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "league/team_finance_stats.h"
#include "pieces_fixture.h"

namespace {

class TopTenListsTest : public PiecesTest {
protected:
    void SetUp() override
    {
        PiecesTest::SetUp();
        // Rushing yards (leader statistic 11) of this season.
        Add_Player(0, 0, 101, POSITION_RB, "Ron", "Runner");
        Set_Player_Stat(0, 0, 0, STAT_RUSHING_YARDS, 500);
        Add_Player(0, 1, 102, POSITION_WR, "Will", "Wide");
        Set_Player_Stat(0, 1, 0, STAT_RUSHING_YARDS, 500);
        Add_Player(0, 2, 103, POSITION_QB, "Quinn", "Back");
        Add_Player(0, 3, 104, POSITION_LB, "Lee", "Backer");
        Set_Player_Vital_Stat(0, 3, VITAL_SALARY, 9000);
        Set_Player_Vital_Stat(0, 3, VITAL_CONTRACT_YEARS_LEFT, 3);
        Add_Player(2, 0, 201, POSITION_RB, "Dan", "Dallas");
        Set_Player_Stat(2, 0, 0, STAT_RUSHING_YARDS, 800);
        Add_Player(FREE_AGENT_TEAM, 0, 3601, POSITION_FB, "Fred", "Free");
        Set_Player_Stat(FREE_AGENT_TEAM, 0, 0, STAT_RUSHING_YARDS, 900);
        Clear_Errors();
    }
    void TearDown() override
    {
        Set_Leader_Piece_List(nullptr);
        PiecesTest::TearDown();
    }
};

TEST_F(TopTenListsTest, PlayerListsRankByLeagueWithTiesToTheEarlierSlot)
{
    TOP_TEN_LIST List;
    Build_Top_Ten_List(&List, 2, LEADER_RUSH_YARDS, 0);
    // The free agents count only in the list of both leagues.
    EXPECT_EQ(List.nTeam[0], FREE_AGENT_TEAM);
    EXPECT_EQ(List.nValue[0], 900);
    EXPECT_EQ(List.nTeam[1], 2);
    EXPECT_EQ(List.nValue[1], 800);
    EXPECT_EQ(List.nTeam[2], 0);
    EXPECT_EQ(List.nSlot[2], 0);
    EXPECT_EQ(List.nTeam[3], 0);
    EXPECT_EQ(List.nSlot[3], 1);
    EXPECT_EQ(List.nValue[3], 500);
    EXPECT_EQ(List.nValue[4], 0);
    EXPECT_EQ(List.nValue2[0], 0);

    Build_Top_Ten_List(&List, 0, LEADER_RUSH_YARDS, 0);
    EXPECT_EQ(List.nValue[0], 500);
    EXPECT_EQ(List.nSlot[0], 0);
    EXPECT_EQ(List.nSlot[1], 1);
    EXPECT_EQ(List.nValue[2], 0);
    Build_Top_Ten_List(&List, 1, LEADER_RUSH_YARDS, 0);
    EXPECT_EQ(List.nTeam[0], 2);
    EXPECT_EQ(List.nValue[1], 0);

    // A defender never enters, even in a statistic every position has.
    ASSERT_GT(Get_Player_Leader_Stat(0, 3, LEADER_CAP_IMPACT, 0), 0);
    Build_Top_Ten_List(&List, 0, LEADER_CAP_IMPACT, 0);
    for (int i = 0; i < TOP_TEN_SIZE; ++i)
        EXPECT_FALSE(List.nTeam[i] == 0 && List.nSlot[i] == 3 && List.nValue[i] != 0) << i;
}

TEST_F(TopTenListsTest, TeamListsMostAndFewest)
{
    // Statistic 131: rushing yards (8) plus receiving yards (11), this season.
    Set_Team_Totals_Stat(0, 0, 0, 8, 100);
    Set_Team_Totals_Stat(1, 0, 0, 8, 300);
    Set_Team_Totals_Stat(2, 0, 0, 11, 200);
    Set_Team_Totals_Stat(0, 4, 0, 8, 50);
    Set_Team_Totals_Stat(1, 4, 0, 8, 10);
    Set_Team_Totals_Stat(2, 4, 0, 11, 10);
    TOP_TEN_LIST List;
    Build_Top_Ten_List_2(&List, 0);
    EXPECT_EQ(List.nTeam[0], 1);
    EXPECT_EQ(List.nValue[0], 300);
    EXPECT_EQ(List.nTeam[1], 2);
    EXPECT_EQ(List.nTeam[2], 0);
    EXPECT_EQ(List.nValue[2], 100);
    EXPECT_EQ(List.nValue[3], 0);   // New York's 0 is no better than an empty entry

    Build_Top_Ten_List_2(&List, 4);
    EXPECT_EQ(List.nTeam[0], 3);
    EXPECT_EQ(List.nValue[0], 0);
    EXPECT_EQ(List.nTeam[1], 1);
    EXPECT_EQ(List.nTeam[2], 2);
    EXPECT_EQ(List.nValue[2], 10);
    EXPECT_EQ(List.nTeam[3], 0);
    EXPECT_EQ(List.nValue[3], 50);
    EXPECT_EQ(List.nValue[4], 268435455);

    List.nValue2[0] = 77;
    Build_Top_Ten_List_2(&List, 3);
    EXPECT_EQ(List.nValue[0], 268435455);
    EXPECT_EQ(List.nTeam[0], 0);
    EXPECT_EQ(List.nValue2[0], 77);
}

TEST_F(TopTenListsTest, SacksListsRankOnHalvesAndReadAsSacks)
{
    TOP_TEN_LIST List;
    Build_Top_Ten_List(&List, 2, LEADER_SACKS, 0);
    // The linebacker's 28 halves and 5 halves, as the list keeps them.
    List.nTeam[0] = 0;
    List.nSlot[0] = 3;
    List.nValue[0] = 28;
    List.nTeam[1] = 0;
    List.nSlot[1] = 3;
    List.nValue[1] = 5;
    Set_Leader_Piece_List(&List);
    std::string Out;
    Format_Leader_Stat(Out, 0);
    EXPECT_EQ(Out, "14.0");
    Format_Leader_Stat(Out, 1);
    EXPECT_EQ(Out, "2.5");
    // A team list writes its totals whole.
    Build_Top_Ten_List_2(&List, 0);
    List.nValue[0] = 28;
    Format_Leader_Stat(Out, 0);
    EXPECT_EQ(Out, "28");
}

TEST_F(TopTenListsTest, RowPiecesReadTheList)
{
    TOP_TEN_LIST List;
    Build_Top_Ten_List(&List, 2, LEADER_RUSH_YARDS, 0);
    List.nValue2[1] = 2015;
    Set_Leader_Piece_List(&List);
    std::string Out;
    Format_Leader_Name(Out, 1);
    EXPECT_EQ(Out, "Dallas, Dan");
    Format_Leader_Team(Out, 1);
    EXPECT_EQ(Out, "DAL");
    Format_Leader_Stat(Out, 1);
    EXPECT_EQ(Out, "800");
    Format_Leader_Stat_Year(Out, 1);
    EXPECT_EQ(Out, "(2015)");
    Out = Kept();
    Format_Leader_Stat_Year(Out, 0);
    EXPECT_EQ(Out, "");
    Format_Leader_Ref(Out, 1, 1);
    EXPECT_EQ(Out, "<a href=\"..\\players\\Dallas, Dan 201.htm\">");
    Format_Leader_Team_Ref(Out, 1, 0);
    EXPECT_EQ(Out, "<a href=\".\\teams\\Dallas Cowboys.htm\">");

    // An empty row prints nothing, but its links name team slot 0's first player.
    for (auto* pPiece : {Format_Leader_Name, Format_Leader_Team, Format_Leader_Stat, Format_Leader_Stat_Year}) {
        Out = Kept();
        pPiece(Out, 6);
        EXPECT_EQ(Out, "");
    }
    Format_Leader_Ref(Out, 6, 0);
    EXPECT_EQ(Out, "<a href=\".\\players\\Runner, Ron 101.htm\">");
    Format_Leader_Team_Ref(Out, 6, 1);
    EXPECT_EQ(Out, "<a href=\"..\\teams\\Chicago Bears.htm\">");
    // A COUNT outside the list reads as an empty row.
    Out = Kept();
    Format_Leader_Name(Out, 10);
    EXPECT_EQ(Out, "");
    Format_Leader_Ref(Out, -100, 1);
    EXPECT_EQ(Out, "<a href=\"..\\players\\Runner, Ron 101.htm\">");
    // A row of the free agents has no club page to link.
    List.nClub[1] = FREE_AGENT_TEAM;
    Out = Kept();
    Format_Leader_Team_Ref(Out, 1, 0);
    EXPECT_EQ(Out, "<a>");   // no link, but an opening for the template's "</a>"
}

// A season's page and the best-season page, in the third season (2021) of a
// league begun in 2019: the seasons before come from the season lines.
class SeasonLeadersTest : public TopTenListsTest {
protected:
    void SetUp() override
    {
        TopTenListsTest::SetUp();
        Set_User_Preference(PREF_SEASON_INDEX, 2);
        // 2019: Runner 700 yards with Chicago; Dallas 300 with Chicago, then
        // 450 with Green Bay (750 in all); a college season of 2,000 yards
        // of Runner's is not a professional one.
        Line(20, 2019, 0, 0, 0, 700);
        Line(21, 2019, 0, 2, 0, 300);
        Line(22, 2019, 1, 2, 1, 450);
        Line(23, 2018, -1, 0, 1, 2000);
        // 2020: Runner 1,200; Wide has no line, only last season's record: 1,500.
        Line(24, 2020, 0, 0, 2, 1200);
        Set_Player_Stat(0, 1, 1, STAT_RUSHING_YARDS, 1500);
        Clear_Errors();
    }
    // Line nLine of nYear and level nLevel with team nLineTeam, linked as
    // link nLink of the player in slot 0 of team nTeam, with nYards rushing.
    static void Line(int nLine, int nYear, int nLineTeam, int nTeam, int nLink, int nYards)
    {
        Set_Season_Line_Header(nLine, nYear, nYear == 2018 ? -1 : 0, nLineTeam);
        Set_Season_Line_Stat(nLine, STAT_RUSHING_YARDS, nYards);
        Set_Player_Season_Link(nTeam, 0, nLink, nLine);
    }
    static void Expect_Entry(const TOP_TEN_LIST& List, int i, int nTeam, int nSlot, int nValue, int nYear)
    {
        EXPECT_EQ(List.nTeam[i], nTeam) << i;
        EXPECT_EQ(List.nSlot[i], nSlot) << i;
        EXPECT_EQ(List.nValue[i], nValue) << i;
        EXPECT_EQ(List.nValue2[i], nYear) << i;
    }
};

TEST_F(SeasonLeadersTest, ASeasonListsThatSeasonsLeaders)
{
    TOP_TEN_LIST List;
    // 2019, the league's first season.
    Build_Top_Ten_List(&List, 2, LEADER_RUSH_YARDS, LEADER_LIST_FIRST_SEASON);
    Expect_Entry(List, 0, 2, 0, 750, 0);
    Expect_Entry(List, 1, 0, 0, 700, 0);
    EXPECT_EQ(List.nValue[2], 0);
    // 2020, last season.
    Build_Top_Ten_List(&List, 2, LEADER_RUSH_YARDS, LEADER_LIST_FIRST_SEASON + 1);
    Expect_Entry(List, 0, 0, 1, 1500, 0);
    Expect_Entry(List, 1, 0, 0, 1200, 0);
    EXPECT_EQ(List.nValue[2], 0);
    // 2021, this season: the records of this season.
    Build_Top_Ten_List(&List, 2, LEADER_RUSH_YARDS, LEADER_LIST_FIRST_SEASON + 2);
    Expect_Entry(List, 0, FREE_AGENT_TEAM, 0, 900, 0);
    Expect_Entry(List, 1, 2, 0, 800, 0);
    Expect_Entry(List, 2, 0, 0, 500, 0);
    Expect_Entry(List, 3, 0, 1, 500, 0);
    // A year nobody played is empty.
    Build_Top_Ten_List(&List, 2, LEADER_RUSH_YARDS, LEADER_LIST_FIRST_SEASON + 5);
    EXPECT_EQ(List.nValue[0], 0);
    // Only the ball carriers' statistics: no rushing yards for a quarterback's passing.
    Build_Top_Ten_List(&List, 2, LEADER_PASSING_YARDS, LEADER_LIST_FIRST_SEASON);
    EXPECT_EQ(List.nValue[0], 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

// Dallas of New York's league played 2019 in Chicago's league: 4 games for
// Chicago, 12 for Green Bay. Fred, a free agent now, played 2019 for New York.
TEST_F(SeasonLeadersTest, APastSeasonsRowIsOfTheClubHePlayedItFor)
{
    Set_Season_Line_Stat(21, STAT_GAMES_PLAYED, 4);
    Set_Season_Line_Stat(22, STAT_GAMES_PLAYED, 12);
    Line(25, 2019, 3, FREE_AGENT_TEAM, 0, 600);
    TOP_TEN_LIST List;
    Build_Top_Ten_List(&List, 0, LEADER_RUSH_YARDS, LEADER_LIST_FIRST_SEASON);
    Expect_Entry(List, 0, 2, 0, 750, 0);
    EXPECT_EQ(List.nClub[0], 1);
    Expect_Entry(List, 1, 0, 0, 700, 0);
    EXPECT_EQ(List.nClub[1], 0);
    EXPECT_EQ(List.nValue[2], 0);
    Set_Leader_Piece_List(&List);
    std::string Out;
    Format_Leader_Team(Out, 0);
    EXPECT_EQ(Out, "GB");
    Format_Leader_Team_Ref(Out, 0, 0);
    EXPECT_EQ(Out, "<a href=\".\\teams\\Green Bay Packers.htm\">");
    // The player's own page is where he is now.
    Format_Leader_Ref(Out, 0, 0);
    EXPECT_EQ(Out, "<a href=\".\\players\\Dallas, Dan 201.htm\">");

    Build_Top_Ten_List(&List, 1, LEADER_RUSH_YARDS, LEADER_LIST_FIRST_SEASON);
    Expect_Entry(List, 0, FREE_AGENT_TEAM, 0, 600, 0);
    EXPECT_EQ(List.nClub[0], 3);
    EXPECT_EQ(List.nValue[1], 0);
    Format_Leader_Team(Out, 0);
    EXPECT_EQ(Out, "NYG");

    // Both leagues: each row still names the club of the season.
    Build_Top_Ten_List(&List, 2, LEADER_RUSH_YARDS, LEADER_LIST_FIRST_SEASON);
    EXPECT_EQ(List.nClub[0], 1);
    EXPECT_EQ(List.nClub[1], 0);
    EXPECT_EQ(List.nClub[2], 3);
    // This season's rows are of his present club: Fred has no line of 2021.
    Build_Top_Ten_List(&List, 2, LEADER_RUSH_YARDS, LEADER_LIST_FIRST_SEASON + 2);
    EXPECT_EQ(List.nClub[0], FREE_AGENT_TEAM);
    EXPECT_EQ(List.nClub[1], 2);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(SeasonLeadersTest, TheBestSeasonListShowsEachPlayersBestSeasonAndItsYear)
{
    TOP_TEN_LIST List;
    Build_Top_Ten_List(&List, 2, LEADER_RUSH_YARDS, LEADER_LIST_BEST_SEASON);
    Expect_Entry(List, 0, 0, 1, 1500, 2020);
    Expect_Entry(List, 1, 0, 0, 1200, 2020);
    Expect_Entry(List, 2, FREE_AGENT_TEAM, 0, 900, 2021);
    Expect_Entry(List, 3, 2, 0, 800, 2021);
    EXPECT_EQ(List.nValue[4], 0);
    int nYear = -1;
    EXPECT_EQ(Get_Player_Best_Season_Leader_Stat(0, 0, LEADER_RUSH_YARDS, &nYear), 1200);
    EXPECT_EQ(nYear, 2020);
    EXPECT_EQ(Get_Player_Best_Season_Leader_Stat(0, 2, LEADER_RUSH_YARDS, &nYear), 0);
    EXPECT_EQ(nYear, 0);

    // The rows print the name, the value and the year, the names escaped.
    Set_Player_Last_Name(0, 0, "Runner & <Sons>");
    Build_Top_Ten_List(&List, 2, LEADER_RUSH_YARDS, LEADER_LIST_BEST_SEASON);
    Set_Leader_Piece_List(&List);
    std::string Out;
    Format_Leader_Name(Out, 1);
    EXPECT_EQ(Out, "Runner &amp; &lt;Sons&gt;, Ron");
    Format_Leader_Stat(Out, 1);
    EXPECT_EQ(Out, "1200");
    Format_Leader_Stat_Year(Out, 1);
    EXPECT_EQ(Out, "(2020)");
    Format_Leader_Ref(Out, 1, 1);
    EXPECT_EQ(Out.find('<', 1), std::string::npos) << Out;
}

// Two best seasons of the same yards: the earlier year is his best season.
TEST_F(SeasonLeadersTest, OfTwoEqualBestSeasonsTheEarlierIsListed)
{
    Set_Season_Line_Stat(20, STAT_RUSHING_YARDS, 1200);   // 2019 as good as 2020
    TOP_TEN_LIST List;
    Build_Top_Ten_List(&List, 2, LEADER_RUSH_YARDS, LEADER_LIST_BEST_SEASON);
    Expect_Entry(List, 1, 0, 0, 1200, 2019);
    int nYear = -1;
    EXPECT_EQ(Get_Player_Best_Season_Leader_Stat(0, 0, LEADER_RUSH_YARDS, &nYear), 1200);
    EXPECT_EQ(nYear, 2019);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TopTenListsTest, TeamOffenseLeaderFromSeasonLines)
{
    // 2018 with Chicago: Runner 700 yards, Dallas (who moved on) 900; a Green
    // Bay line of 1,000 yards is another team's.
    Set_Season_Line_Header(20, 2018, 0, 0);
    Set_Season_Line_Stat(20, STAT_RUSHING_YARDS, 700);
    Set_Player_Season_Link(0, 0, 0, 20);
    Set_Season_Line_Header(21, 2018, 0, 0);
    Set_Season_Line_Stat(21, STAT_RUSHING_YARDS, 900);
    Set_Player_Season_Link(2, 0, 0, 21);
    Set_Season_Line_Header(22, 2018, 0, 1);
    Set_Season_Line_Stat(22, STAT_RUSHING_YARDS, 1000);
    Set_Player_Season_Link(0, 1, 0, 22);
    std::string Out;
    Format_Team_Offense_Leader(Out, STAT_RUSHING_YARDS, 0, 1);
    EXPECT_EQ(Out, "Dan Dallas");
    // The receiver's 1,000 yards do not count: a receiver shows no rushing
    // column. He is still in the league, so nobody led, rather than retired.
    Format_Team_Offense_Leader(Out, STAT_RUSHING_YARDS, 1, 1);
    EXPECT_EQ(Out, "No leader");
    Set_Season_Line_Stat(22, STAT_RECEIVING_YARDS, 40);
    Format_Team_Offense_Leader(Out, STAT_RECEIVING_YARDS, 1, 1);
    EXPECT_EQ(Out, "Will Wide");
    Format_Team_Offense_Leader(Out, STAT_RUSHING_YARDS, 0, 0);
    EXPECT_EQ(Out, "No leader");
    Format_Team_Offense_Leader(Out, STAT_RUSHING_YARDS, 0, 3);
    EXPECT_EQ(Out, "Retired");
    // Passing yards: no running back shows that column.
    Set_Season_Line_Stat(20, STAT_PASSING_YARDS, 300);
    Format_Team_Offense_Leader(Out, STAT_PASSING_YARDS, 0, 1);
    EXPECT_EQ(Out, "No leader");
    // Chicago's quarterback of 2018 sits in roster slot 60, beyond its three
    // ball carriers and receivers: 2,479 yards lead.
    Add_Player(0, 60, 160, POSITION_QB, "Lou", "Late");
    Set_Season_Line_Header(23, 2018, 0, 0);
    Set_Season_Line_Stat(23, STAT_PASSING_YARDS, 2479);
    Set_Player_Season_Link(0, 60, 0, 23);
    Format_Team_Offense_Leader(Out, STAT_PASSING_YARDS, 0, 1);
    EXPECT_EQ(Out, "Lou Late");
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TopTenListsTest, HeadingsAndLeaderPageLinks)
{
    std::string Out;
    Format_Time_Leader_Category(Out, -1, 1);
    EXPECT_EQ(Out, "Best Season");
    Format_Time_Leader_Category(Out, -1, 0);
    EXPECT_EQ(Out, "All Time");
    Format_Time_Leader_Category(Out, -2, 1);
    EXPECT_EQ(Out, "All Time");
    Format_Time_Leader_Category(Out, -2, 5);
    EXPECT_EQ(Out, "Best Season");
    Format_Time_Leader_Category(Out, 0, 1);
    EXPECT_EQ(Out, "");

    Format_League_Leaders_Ref(Out, 2, -1, 1);
    EXPECT_EQ(Out, "<a href=\"NFL Leaders By Season.htm\">");
    Format_League_Leaders_Ref(Out, 2, -2, 1);
    EXPECT_EQ(Out, "<a href=\"NFL Leaders.htm\">");
    Format_League_Leaders_Ref(Out, 0, -1, 0);
    EXPECT_EQ(Out, "<a href=\"AFC Leaders.htm\">");
    Format_League_Leaders_Ref(Out, 1, 2, 0);
    EXPECT_EQ(Out, "<a href=\"NFC Leaders 2017.htm\">");
    Format_League_Leaders_Ref(Out, 3, 0, 0);
    EXPECT_EQ(Out, "<a href=\" Leaders 2019.htm\">");
    EXPECT_TRUE(Last_Error_Contains("Invalid Get_League_Name(3) call."));

    Format_Most_Recent_Leaders_Ref(Out, 0);
    EXPECT_EQ(Out, "<a href=\"leagueleaders\\NFL Leaders 2019.htm\">");
    Format_Most_Recent_Leaders_Ref(Out, 1);
    EXPECT_EQ(Out, "<a href=\"..\\leagueleaders\\NFL Leaders 2019.htm\">");
    Format_Most_Recent_Leaders_Ref(Out, -100);
    EXPECT_EQ(Out, "<a href=\"NFL Leaders 2019.htm\">");
}

}  // namespace

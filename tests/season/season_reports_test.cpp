// The end-of-season reports as whole texts on a hand-built league of four
// clubs in two leagues of one division each.
#include <string>

#include "../league/league_fixture.h"
#include "league/league_structure.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team_finance_stats.h"
#include "season/player_value.h"
#include "season/season_reports.h"
#include "test_support.h"

namespace {

class SeasonReportsTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"reports"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(4);
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2005);
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        Set_User_Preference(PREF_OWNER_MODE, 1);
        const char* szAbbreviation[] = {"AAA", "BBB", "CCC", "DDD"};
        const char* szCity[] = {"Alpha", "bravo", "Charlie", "Delta"};
        const char* szNickname[] = {"Ants", "Bees", "vazarudu TEAM", "Dogs"};
        for (int t = 0; t < 4; ++t) {
            Set_Team_Stat(t, TEAM_STAT_DIVISION, t < 2 ? 0 : 4);
            Set_Team_String(szAbbreviation[t], t, TEAM_STRING_ABBREVIATION);
            Set_Team_String(szCity[t], t, TEAM_STRING_CITY);
            Set_Team_String(szNickname[t], t, TEAM_STRING_NICKNAME);
        }
        Set_League_Abbreviation(0, "north");
        Set_League_Abbreviation(1, "south");
        Set_Division_Name(0, "east");
        Set_Division_Name(4, "west");
        for (int p : {PREF_WRITE_STANDINGS_REPORT, PREF_WRITE_AWARDS_REPORT, PREF_WRITE_MONEY_REPORT})
            Set_User_Preference(p, 1);
    }

    static void Add_Named_Player(int nTeam, int nSlot, int nID, int nPosition, const char* szFirst, int nSeasons)
    {
        Put_Player(nTeam, nSlot, nID, nPosition);
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        char szLast[32];
        Get_Team_String(szLast, nTeam, TEAM_STRING_CITY);
        szLast[0] = static_cast<char>(szLast[0] & ~0x20);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, nSeasons);
    }
};

std::string Lines(std::initializer_list<const char*> List)
{
    std::string Text;
    for (const char* sz : List)
        Text += std::string(sz) + "\n";
    return Text;
}

TEST_F(SeasonReportsTest, MoneyReport)
{
    Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 12345678);
    Set_Team_Financial_Stat(0, FINANCE_TICKET_PRICE, 5099);
    Set_Team_Financial_Stat(0, FINANCE_TICKETS, 7654321);
    Set_Team_Financial_Stat(0, FINANCE_HOME_ATTENDANCE, 1234567);
    Set_Team_Financial_Stat(0, FINANCE_ROAD_ATTENDANCE, 65000);
    Set_Team_Financial_Stat(1, FINANCE_CASH, -5000000);
    Write_Money_Report();
    const std::string Text = Read_Text_File("Output/Money-05.txt", "missing");
    const std::string Expected = Lines({
        "",
        "                                             TICKETS        ATTENDANCE",
        "End Of 2005                Cash  Payroll  Price  Revenue   Home    Road",
        "Alpha Ants                 12.3M   0.0M    $50     7.6M   1,234,567  65,000",
        "Bravo Bees                  0.0M   0.0M    $ 0     0.0M        0       0",
        "Charlie vazarudu TEAM       0.0M   0.0M    $ 0     0.0M        0       0",
        "Delta Dogs                  0.0M   0.0M    $ 0     0.0M        0       0",
    });
    EXPECT_EQ(Text, Expected);
    // Rebuilt whole, not appended to.
    Write_Money_Report();
    EXPECT_EQ(Read_Text_File("Output/Money-05.txt", "missing"), Expected);
}

TEST_F(SeasonReportsTest, EachReportOnlyWithItsOption)
{
    Set_User_Preference(PREF_WRITE_MONEY_REPORT, 0);
    Set_User_Preference(PREF_WRITE_AWARDS_REPORT, 0);
    Set_User_Preference(PREF_WRITE_STANDINGS_REPORT, 0);
    Write_Money_Report();
    Write_Awards_Report();
    Write_Standings_Report();
    EXPECT_EQ(Read_Text_File("Output/Money-05.txt", "missing"), "missing");
    EXPECT_EQ(Read_Text_File("Output/Awards05.txt", "missing"), "missing");
    EXPECT_EQ(Read_Text_File("Output/Stndng05.txt", "missing"), "missing");
    Set_User_Preference(PREF_WRITE_AWARDS_REPORT, 1);
    Write_Awards_Report();
    Write_Money_Report();
    Write_Standings_Report();
    EXPECT_NE(Read_Text_File("Output/Awards05.txt", "missing"), "missing");
    EXPECT_EQ(Read_Text_File("Output/Money-05.txt", "missing"), "missing");
    EXPECT_EQ(Read_Text_File("Output/Stndng05.txt", "missing"), "missing");
}

TEST_F(SeasonReportsTest, AwardsReportWithEmptyPlacesPrintsEmptyPlayers)
{
    Add_Named_Player(0, 0, 1, POSITION_QB, "Joe", 4);
    Set_Player_Stat(0, 0, 0, STAT_PASSING_YARDS, 3000);
    Set_Player_Stat(0, 0, 0, STAT_PASSING_TOUCHDOWNS, 20);
    Set_Player_Stat(0, 0, 0, STAT_RUSHING_YARDS, 1100);
    Set_Player_Stat(0, 0, 0, STAT_RUSHING_TOUCHDOWNS, 10);
    Add_Named_Player(0, 1, 2, POSITION_LB, "Lou", 3);
    Set_Player_Stat(0, 1, 0, STAT_SOLO_TACKLES, 60);
    Set_Player_Stat(0, 1, 0, STAT_TACKLE_ASSISTS, 20);
    Set_Player_Stat(0, 1, 0, STAT_SACKS, 5);
    Set_Player_Stat(0, 1, 0, STAT_INTERCEPTIONS, 2);
    Set_Player_Stat(0, 1, 0, STAT_PASSES_DEFENSED, 4);
    Add_Named_Player(2, 0, 3, POSITION_RB, "Rob", 0);
    Set_Player_Stat(2, 0, 0, STAT_RUSHING_YARDS, 900);
    Set_Player_Stat(2, 0, 0, STAT_RUSHING_TOUCHDOWNS, 5);
    Set_Player_Stat(2, 0, 0, STAT_RECEIVING_YARDS, 200);
    Set_Player_Stat(2, 0, 0, STAT_RECEIVING_TOUCHDOWNS, 1);
    Add_Named_Player(3, 0, 4, POSITION_CB, "Cal", 2);
    Set_Player_Stat(3, 0, 0, STAT_INTERCEPTIONS, 1);   // 200,000 -> 66
    Add_Named_Player(3, 1, 5, POSITION_CB, "Cy", 2);
    Set_Player_Stat(3, 1, 0, STAT_SOLO_TACKLES, 4);     // 100,000 -> 33
    // QB (no pass attempts, so no passing worth whatever the era's index):
    // 600 x 3000 + 50,000 x 10 = 2,300,000 -> 1300; RB 1,200,000 + 250,000 +
    // 2200 x 225 + 500 x (200 / 3) = 1,978,000 -> 978; LB 400,000 + 25,000 x
    // 70 + 500,000 + 300,000 = 2,950,000 -> 1950.
    EXPECT_EQ(Get_Player_Production_Value(0, 0, 0), 1300);
    EXPECT_EQ(Get_Player_Production_Value(2, 0, 0), 978);
    EXPECT_EQ(Get_Player_Production_Value(0, 1, 0), 1950);
    Write_Awards_Report();
    const std::string Expected = Lines({
        "            MOST VALUABLE PLAYER: Joe Alpha (AAA)",
        "    DEFENSIVE PLAYER OF THE YEAR: Lou Alpha (AAA)",
        "              ROOKIE OF THE YEAR: Rob Charlie (CCC)",
        "",
        "North PRO BOWL STARTERS (2005)",
        "",
        "  QB: Joe Alpha (AAA)",
        "  RB: ",
        "  FB: ",
        "  TE: ",
        "  WR: ",
        "  WR: ",
        "   T: ",
        "   T: ",
        "   G: ",
        "   G: ",
        "   C: ",
        "",
        "  DE: ",
        "  DE: ",
        "  DT: ",
        "  DT: ",
        "  LB: Lou Alpha (AAA)",
        "  LB: Lou Alpha (AAA)",
        "  LB: Lou Alpha (AAA)",
        "  CB: ",
        "  CB: ",
        "   S: ",
        "   S: ",
        "",
        "   K: ",
        "   P: ",
        "",
        "South PRO BOWL STARTERS (2005)",
        "",
        "  QB: ",
        "  RB: Rob Charlie (CCC)",
        "  FB: ",
        "  TE: ",
        "  WR: ",
        "  WR: ",
        "   T: ",
        "   T: ",
        "   G: ",
        "   G: ",
        "   C: ",
        "",
        "  DE: ",
        "  DE: ",
        "  DT: ",
        "  DT: ",
        "  LB: ",
        "  LB: ",
        "  LB: ",
        "  CB: Cal Delta (DDD)",
        "  CB: Cy Delta (DDD)",
        "   S: ",
        "   S: ",
        "",
        "   K: ",
        "   P: ",
        "",
    });
    EXPECT_EQ(Read_Text_File("Output/Awards05.txt", "missing"), Expected);
    EXPECT_EQ(ui::Progress().TimesOpened, 1);
    EXPECT_FALSE(ui::Progress().Open);
}

TEST_F(SeasonReportsTest, AwardsWithNobodyAtAllPrintEmptyTitles)
{
    Write_Awards_Report();
    const std::string Text = Read_Text_File("Output/Awards05.txt", "missing");
    const std::string Head = Lines({
        "            MOST VALUABLE PLAYER: ",
        "    DEFENSIVE PLAYER OF THE YEAR: ",
        "              ROOKIE OF THE YEAR: ",
        "",
        "North PRO BOWL STARTERS (2005)",
        "",
        "  QB: ",
    });
    EXPECT_EQ(Text.substr(0, Head.size()), Head);
}

TEST_F(SeasonReportsTest, StandingsReportWithPlayoffLines)
{
    Set_Regular_Season_Weeks(2);
    // Yards are each regular-season box score's rushing plus passing: Ants
    // 130 + 250, Bees 40 - 12 (sacks cost more than the passes gained),
    // Dogs 150 + 201, Charlie -9 (its runs lost yards) and no passing.
    auto Put_Yards = [](GAME& Game, int bSide, int nRushing, int nPassing) {
        Game.nTeamTotal[bSide][GAME_TOTAL_RUSHING_YARDS] = static_cast<uint16_t>(nRushing);
        Game.nTeamTotal[bSide][GAME_TOTAL_PASSING_YARDS] = static_cast<uint16_t>(nPassing);
    };
    Put_Yards(Put_Game(0, 1, 0, 10, 20, 0), GAME_SIDE_HOME, 130, 250);
    Put_Yards(League.Game[0], GAME_SIDE_AWAY, 40, -12);
    Put_Yards(Put_Game(1, 3, 2, 17, 3, 0), GAME_SIDE_AWAY, 150, 201);
    Put_Yards(League.Game[1], GAME_SIDE_HOME, -9, 0);
    // The title game (week 2, the first playoff week) adds to no column.
    Put_Yards(Put_Game(2, 2, 0, 24, 21, 2), GAME_SIDE_HOME, 100, 300);
    Put_Yards(League.Game[2], GAME_SIDE_AWAY, 90, 210);
    Set_Season_Record(0, 0, 1, 0, 0);
    Set_Season_Record(1, 0, 0, 1, 0);
    Set_Season_Record(2, 0, 0, 1, 0);
    Set_Season_Record(3, 0, 1, 0, 0);
    // The club's season totals, which count the title game, are not the column.
    Set_Team_Totals_Stat(0, TOTALS_BACKS, 0, STAT_RUSHING_YARDS, 220);
    Set_Team_Totals_Stat(0, TOTALS_QUARTERBACKS, 0, STAT_PASSING_YARDS, 550);
    Set_Team_Totals_Stat(0, TOTALS_QUARTERBACKS, 0, STAT_RUSHING_YARDS, 10);
    Clear_Standings_Order();
    for (int s = 0; s < PLAYOFF_SLOTS; ++s)
        League.StandingsArea.PlayoffTeam[s] = NO_TEAM;
    League.StandingsArea.PlayoffTeam[24] = 0;
    League.StandingsArea.PlayoffTeam[25] = 1;
    League.StandingsArea.nPlayoffScore[24] = 14;   // a tie prints nothing
    League.StandingsArea.nPlayoffScore[25] = 14;
    League.StandingsArea.PlayoffTeam[28] = 0;
    League.StandingsArea.PlayoffTeam[29] = 2;
    League.StandingsArea.nPlayoffScore[28] = 21;
    League.StandingsArea.nPlayoffScore[29] = 24;
    Write_Standings_Report();
    const std::string Expected = Lines({
        "",
        "North (2005)",
        "",
        " East                   W   L   T   PCT    PF    PA   Yds   +/-",
        " Ants                   1   0   0 1.000    20    10   380   +10",
        " Bees                   0   1   0  .000    10    20    28   -10",
        "",
        "",
        "South (2005)",
        "",
        " West                   W   L   T   PCT    PF    PA   Yds   +/-",
        " Dogs                   1   0   0 1.000    17     3   351   +14",
        " Charlie                0   1   0  .000     3    17    -9   -14",
        "",
        "",
        "SUPER BOWL",
        " Charlie defeat Ants, 24-21",
        "",
    });
    EXPECT_EQ(Read_Text_File("Output/Stndng05.txt", "missing"), Expected);
}

TEST_F(SeasonReportsTest, PlayoffHeadersFollowTheDivisionCount)
{
    // Three divisions in league 0, one in league 1: wild-card and division
    // headers, conference championships from 1970, no title game line.
    Use_Franchises(4);
    Set_Team_Stat(0, TEAM_STAT_DIVISION, 0);
    Set_Team_Stat(1, TEAM_STAT_DIVISION, 1);
    Set_Team_Stat(2, TEAM_STAT_DIVISION, 2);
    Set_Team_Stat(3, TEAM_STAT_DIVISION, 4);
    Set_Regular_Season_Weeks(2);
    Clear_Standings_Order();
    for (int s = 0; s < PLAYOFF_SLOTS; ++s)
        League.StandingsArea.PlayoffTeam[s] = NO_TEAM;
    League.StandingsArea.PlayoffTeam[16] = 3;
    League.StandingsArea.PlayoffTeam[17] = 1;
    League.StandingsArea.nPlayoffScore[16] = 7;
    League.StandingsArea.nPlayoffScore[17] = 3;
    Write_Standings_Report();
    const std::string Text = Read_Text_File("Output/Stndng05.txt", "missing");
    const std::string Tail = Lines({
        "",
        "WILD CARD GAMES",
        "",
        "DIVISION PLAYOFFS",
        " Dogs defeat Bees, 7-3",
        "",
        "CONFERENCE CHAMPIONSHIPS",
        "",
        "SUPER BOWL",
        "",
    });
    ASSERT_GE(Text.size(), Tail.size());
    EXPECT_EQ(Text.substr(Text.size() - Tail.size()), Tail);

    // Two divisions: championships without the earlier rounds' headers.
    Set_Team_Stat(2, TEAM_STAT_DIVISION, 0);
    Clear_Standings_Order();
    Write_Standings_Report();
    const std::string Two = Read_Text_File("Output/Stndng05.txt", "missing");
    EXPECT_EQ(Two.find("WILD CARD GAMES"), std::string::npos);
    EXPECT_EQ(Two.find("DIVISION PLAYOFFS"), std::string::npos);
    EXPECT_NE(Two.find("\n Dogs defeat Bees, 7-3\n\nCONFERENCE CHAMPIONSHIPS\n"), std::string::npos);

    Set_Universe_Stat(FIRST_SEASON_YEAR, 1969);
    Write_Standings_Report();
    EXPECT_NE(Read_Text_File("Output/Stndng69.txt", "missing").find("\nLEAGUE CHAMPIONSHIPS\n"), std::string::npos);
}

}  // namespace

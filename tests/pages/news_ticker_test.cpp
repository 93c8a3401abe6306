// The news of the day (the last day's results and the season's leaders) and
// the game view's score services, over the page tests' small league.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "league/game_record.h"
#include "league/player_stats.h"
#include "league/sack_text.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "pages/game_services.h"
#include "pages/news_ticker.h"
#include "pages/page_fixture.h"

namespace {

using NewsTickerTest = PageLeagueTest;

TEST_F(NewsTickerTest, TickerTellsTheLastDaysResultsWinnerFirst)
{
    // Today is week 3 (index 3), whose game is not played: the news is of
    // week index 2, "Week 3" by name.
    int nWeek = -1;
    const std::vector<DAY_RESULT> Results = Get_Last_Day_Results(&nWeek);
    EXPECT_EQ(nWeek, 2);
    ASSERT_EQ(Results.size(), 1u);
    EXPECT_EQ(Results[0].nAway, C);
    EXPECT_EQ(Results[0].nHomeScore, 7);
    EXPECT_EQ(Build_News_Ticker_Text(), "Week 3 results: Bravos 7, Chargers 6");
    // On week index 1: Alphas won at home, Echoes and Chargers tied (a tie
    // names the visitor first).
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 1;
    EXPECT_EQ(Build_News_Ticker_Text(), "Week 2 results: Alphas 17, Bravos 10   |   Echoes 3, Chargers 3");
    // Overtime is said.
    League.Game[3].nClock = 3600 + 320;
    League.Game[3].nScore[GAME_SIDE_HOME] = 9;
    EXPECT_EQ(Build_News_Ticker_Text(), "Week 2 results: Alphas 17, Bravos 10   |   Chargers 9, Echoes 3 (OT)");
    // A club erased after it played still has its result.
    ASSERT_TRUE(Erase_Team(E, 1));
    EXPECT_EQ(Build_News_Ticker_Text(), "Week 2 results: Alphas 17, Bravos 10   |   Chargers 9, Echoes 3 (OT)");
}

TEST_F(NewsTickerTest, TickerNamesTheSeasonsLeaders)
{
    // Two passers: the one with more yards leads; a receiver with yards
    // leads his list.
    Put_Player(A, 0, 101, POSITION_QB);
    std::strcpy(League.Team[A].Player[0].szFirstName, "Pat");
    std::strcpy(League.Team[A].Player[0].szLastName, "Quinn");
    Set_Player_Stat(A, 0, 0, STAT_PASSING_YARDS, 1024);
    Put_Player(B, 0, 201, POSITION_QB);
    std::strcpy(League.Team[B].Player[0].szFirstName, "Lou");
    std::strcpy(League.Team[B].Player[0].szLastName, "Vance");
    Set_Player_Stat(B, 0, 0, STAT_PASSING_YARDS, 987);
    const std::vector<SEASON_LEADER> Leaders = Get_Season_Leaders();
    ASSERT_EQ(Leaders.size(), 1u);
    EXPECT_EQ(Leaders[0].nTeam, A);
    EXPECT_EQ(Leaders[0].nValue, 1024);
    EXPECT_EQ(Format_Season_Leader(Leaders[0]), "Passing yards: Pat Quinn (ALP) 1,024");
    EXPECT_EQ(Build_News_Ticker_Text(),
              "Week 3 results: Bravos 7, Chargers 6   |   Leaders: Passing yards: Pat Quinn (ALP) 1,024");
    // Level values: the earlier club keeps the lead.
    Set_Player_Stat(B, 0, 0, STAT_PASSING_YARDS, 1024);
    EXPECT_EQ(Get_Season_Leaders()[0].nTeam, A);
    Set_Player_Stat(B, 0, 0, STAT_PASSING_YARDS, 1025);
    EXPECT_EQ(Get_Season_Leaders()[0].nTeam, B);
}

TEST_F(NewsTickerTest, SacksAreToldAsTheBoxScoresPrintThem)
{
    // Sacks are kept in halves: 8 halves are the box score's "4.0", 9 "4.5".
    Put_Player(D, 2, 402, POSITION_LB);
    std::strcpy(League.Team[D].Player[2].szFirstName, "Percy");
    std::strcpy(League.Team[D].Player[2].szLastName, "Ellis");
    Set_Player_Stat(D, 2, 0, STAT_SACKS, 8);
    std::vector<SEASON_LEADER> Leaders = Get_Season_Leaders();
    ASSERT_EQ(Leaders.size(), 1u);
    EXPECT_EQ(Format_Season_Leader(Leaders[0]), "Sacks: Percy Ellis (DEL) 4.0");
    EXPECT_EQ(Build_News_Ticker_Text(), "Week 3 results: Bravos 7, Chargers 6   |   Leaders: Sacks: Percy Ellis (DEL) 4.0");
    Set_Player_Stat(D, 2, 0, STAT_SACKS, 29);
    EXPECT_EQ(Format_Season_Leader(Get_Season_Leaders()[0]), "Sacks: Percy Ellis (DEL) 14.5");
}

TEST(SackTextTest, HalvesReadAsSacksWithOneDecimal)
{
    EXPECT_EQ(Format_Sacks(0), "0.0");
    EXPECT_EQ(Format_Sacks(1), "0.5");
    EXPECT_EQ(Format_Sacks(8), "4.0");
    EXPECT_EQ(Format_Sacks(28), "14.0");
    EXPECT_EQ(Format_Sacks(-3), "-1.5");
    EXPECT_EQ(Format_Sacks(-1), "-0.5");
}

TEST_F(NewsTickerTest, QuietDayAndThousands)
{
    for (int g = 0; g < 5; ++g)
        League.Game[g].nClock = 0;   // no game over
    EXPECT_TRUE(Get_Last_Day_Results().empty());
    EXPECT_EQ(Build_News_Ticker_Text(), "No games played yet this season.");
    EXPECT_EQ(Format_Thousands(0), "0");
    EXPECT_EQ(Format_Thousands(999), "999");
    EXPECT_EQ(Format_Thousands(1000), "1,000");
    EXPECT_EQ(Format_Thousands(1234567), "1,234,567");
    EXPECT_EQ(Format_Thousands(-1500), "-1,500");
}

TEST(GameServices, PlayScoreIsTakenOffTheSideThatScored)
{
    // The home side had the ball: its touchdown, field goal, try and
    // two-point conversion come off its score.
    const struct {
        int bHome, nResult, nAway, nHome;
    } CASES[] = {
        {1, RESULT_TOUCHDOWN_RUN, 10, 14},        // 6 off home
        {1, RESULT_FIELD_GOAL_GOOD, 10, 17},      // 3 off home
        {1, RESULT_EXTRA_POINT_GOOD, 10, 19},     // 1 off home
        {1, RESULT_TWO_POINT_GOOD, 10, 18},       // 2 off home
        {1, RESULT_INTERCEPTION_TOUCHDOWN, 4, 20}, // the defence's 6 off away
        {1, RESULT_SAFETY, 8, 20},                // the defence's 2 off away
        {0, RESULT_PUNT_RETURN_TOUCHDOWN, 10, 14}, // away punted: home returned it
        {0, RESULT_KICKOFF_RETURN_TOUCHDOWN, 10, 14},
        {0, RESULT_PASS_COMPLETE, 10, 20},        // no points
        {0, RESULT_TOUCHDOWN_PASS, 4, 20},
    };
    for (const auto& Case : CASES) {
        int nScores[2] = {10, 20};
        Add_Play_Score(Case.bHome, Case.nResult, nScores);
        EXPECT_EQ(nScores[0], Case.nAway) << Case.nResult;
        EXPECT_EQ(nScores[1], Case.nHome) << Case.nResult;
    }
    // Never below 0.
    int nLow[2] = {2, 0};
    Add_Play_Score(0, RESULT_TOUCHDOWN_RUN, nLow);
    EXPECT_EQ(nLow[0], 0);
    Add_Play_Score(0, RESULT_TOUCHDOWN_RUN, nullptr);   // ignored
}

TEST_F(NewsTickerTest, TitleGameNameIsTheWeeksName)
{
    char szName[64] = "x";
    Get_Title_Game_Name(&League.Game[2], szName);
    EXPECT_STREQ(szName, "Week 2");
    Get_Title_Game_Name(nullptr, szName);
    EXPECT_STREQ(szName, "");
}

}  // namespace

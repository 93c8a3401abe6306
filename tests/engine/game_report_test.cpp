// The box-score body: averages and their signs, the scoring-plays table, the
// team statistics of both sides and the player tables, from a play log set up
// by hand. Expected texts are written out by hand from the cell formats.
#include <gtest/gtest.h>

#include <string>

#include "engine/game_report.h"
#include "engine/game_stats.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/team.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 1;
constexpr int HOME = 4;
constexpr int QB_ID = 1001;
constexpr int RB_ID = 1002;
constexpr int WR_ID = 1003;
constexpr int AWAY_LB_ID = 1004;
constexpr int WR2_ID = 1005;
constexpr int CB_ID = 2001;
constexpr int LB_ID = 2002;

const std::string OPENER = "<TABLE class=table1 cellSpacing=0 cellPadding=0 align=\"center\" width=970><TBODY>";

class GameReportTest : public LeagueTest {
protected:
    GAME& Game = League.Game[5];

    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(6);
        Set_Regular_Season_Weeks(17);
        Set_Team_String("BOS", AWAY, TEAM_STRING_ABBREVIATION);
        Set_Team_String("Boston", AWAY, TEAM_STRING_CITY);
        Set_Team_String("Owls", AWAY, TEAM_STRING_NICKNAME);
        Set_Team_String("GB", HOME, TEAM_STRING_ABBREVIATION);
        Set_Team_String("Green Bay", HOME, TEAM_STRING_CITY);
        Set_Team_String("Packers", HOME, TEAM_STRING_NICKNAME);
        Add(AWAY, 0, QB_ID, POSITION_QB, "Quin", "Arm");
        Add(AWAY, 1, RB_ID, POSITION_RB, "Ray", "Back");
        Add(AWAY, 2, WR_ID, POSITION_WR, "Will", "Wide");
        Add(AWAY, 3, AWAY_LB_ID, POSITION_LB, "Lou", "Idle");
        Add(AWAY, 4, WR2_ID, POSITION_WR, "Bo", "O'Dropp&Co");
        Add(HOME, 0, CB_ID, POSITION_CB, "Cy", "Corner");
        Add(HOME, 1, LB_ID, POSITION_LB, "Al", "Assist");
        Build_Player_ID_Hash();
        Game.nAwayTeam = AWAY;
        Game.nHomeTeam = HOME;
        Game.nRosterID[0][0] = QB_ID;
        Game.nRosterID[0][1] = RB_ID;
        Game.nRosterID[0][2] = WR_ID;
        Game.nRosterID[0][3] = AWAY_LB_ID;
        Game.nRosterID[0][4] = WR2_ID;
        Game.nRosterID[1][0] = LB_ID;   // game roster order need not be the club's
        Game.nRosterID[1][1] = CB_ID;
        Set_Game_Pages_Enabled(true);
        Clear_Game_Report_Html();
    }

    void TearDown() override
    {
        Set_Game_Pages_Enabled(true);
        Clear_Game_Report_Html();
    }

    static void Add(int nTeam, int nSlot, int nID, int nPosition, const char* szFirst, const char* szLast)
    {
        Put_Player(nTeam, nSlot, nID, nPosition);
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
    }

    void Log(int nSide, int nResult, int nPlayer1, int nPlayer2, int nYards)
    {
        PLAY& Play = Game.PlayLog[Game.nPlays++];
        Play = PLAY{};
        Set_Play_Result(&Play, nResult);
        Set_Play_Home_Bit(&Play, nSide);
        Play.nPlayer1 = nPlayer1;
        Play.nPlayer2 = nPlayer2;
        Play.nYard1 = static_cast<int8_t>(nYards);
    }

    // The away drive log of the box-score tests.
    void Log_Away_Game()
    {
        Log(0, RESULT_TOUCHDOWN_PASS, WR_ID, QB_ID, 20);
        Log(0, RESULT_PASS_COMPLETE, WR_ID, QB_ID, 24);
        Log(0, RESULT_PASS_INTERCEPTED, CB_ID, QB_ID, 0);
        Log(0, RESULT_PASS_KNOCKED_DOWN, CB_ID, QB_ID, 0);
        Log(0, RESULT_RUN_LEFT, RB_ID, CB_ID, -3);
        Log(0, RESULT_RUN_RIGHT, RB_ID, CB_ID, 2);
        Log(0, RESULT_RUN_FUMBLE_LOST, CB_ID, WR2_ID, 3);   // a 3-yard carry fumbled
        Log(0, RESULT_FIELD_GOAL_GOOD, -1, -1, 45);
        Log(0, RESULT_FIELD_GOAL_GOOD, -1, -1, 32);
        // Quarterback: 4 attempts, 44 yards, 1 TD, 1 interception; receiver 44 yards.
        Game.nPlayerGameStat[0][0][0] = 4;
        Game.nPlayerGameStat[0][0][2] = 44;
        Game.nPlayerGameStat[0][0][3] = 1;
        Game.nPlayerGameStat[0][0][4] = 1;
        Game.nPlayerGameStat[0][2][3] = 44;
        // Corner (game roster entry 1): a half sack, an interception, 3 tackles;
        // linebacker (entry 0): one assist.
        Game.nPlayerGameStat[1][1][0] = 1;
        Game.nPlayerGameStat[1][1][1] = 1;
        Game.nPlayerGameStat[1][1][2] = 3;
        Game.nPlayerGameStat[1][0][3] = 1;
    }
};

TEST(GameReportNumbers, AveragesRoundHalfUpAndKeepTheirSign)
{
    EXPECT_EQ(Compute_Scaled_Ratio(7, 2, 10), 35);
    EXPECT_EQ(Compute_Scaled_Ratio(10, 3, 10), 33);
    EXPECT_EQ(Compute_Scaled_Ratio(1, 3, 100), 33);
    EXPECT_EQ(Compute_Scaled_Ratio(-5, 10, 10), -5);
    EXPECT_EQ(Compute_Scaled_Ratio(-1, 3, 10), -3);
    EXPECT_EQ(Compute_Scaled_Ratio(-2, 3, 10), -7);
    EXPECT_EQ(Compute_Scaled_Ratio(-15, 10, 10), -15);
    EXPECT_EQ(Compute_Scaled_Ratio(12, 0, 10), 0);
    EXPECT_EQ(Format_Tenths(35), "3.5");
    EXPECT_EQ(Format_Tenths(0), "0.0");
    EXPECT_EQ(Format_Tenths(-5), "-0.5");
    EXPECT_EQ(Format_Tenths(-9), "-0.9");
    EXPECT_EQ(Format_Tenths(-15), "-1.5");
    EXPECT_EQ(Format_Tenths(1583), "158.3");
}

TEST(GameReportText, EscapesMarkupCharacters)
{
    // The double quote too, so that a name is safe inside an attribute.
    EXPECT_EQ(Html_Escaped("A&M <Tigers> \"x\""), "A&amp;M &lt;Tigers&gt; &quot;x&quot;");
    EXPECT_EQ(Html_Escaped(nullptr), "");
}

TEST_F(GameReportTest, QuarterLabelsOfScoringRows)
{
    char szLabel[TEXT_BUFFER_SIZE];
    const int CLOCKS[] = {0, 900, 901, 3600, 3601, 8000};
    const char* const LABELS[] = {"1st Q", "1st Q", "2nd Q", "4th Q", "OT", "OT"};
    for (int i = 0; i < 6; ++i) {
        Game.nClock = static_cast<int16_t>(CLOCKS[i]);
        Get_Quarter_Label(&Game, szLabel, sizeof(szLabel));
        EXPECT_STREQ(szLabel, LABELS[i]) << CLOCKS[i];
    }
}

TEST_F(GameReportTest, ScoringTableHeadAndRowsOfTheScoringSide)
{
    Start_Scoring_Plays_Html_Table(&Game);
    EXPECT_EQ(Get_Game_Report_Html(), OPENER + "<TR class=header0>\n"
                                               "<TD colspan=5 class=ltl>Scoring Plays</TD>\n"
                                               "<TD width=\"6%\" class=ltc>BOS</TD>\n"
                                               "<TD width=\"6%\" class=ltr>GB</TD></TR>\n");
    Clear_Game_Report_Html();

    // A safety by the home defence while the away side had the ball.
    Start_Play_Record(&Game);
    Set_Play_Result(&Game.CurrentPlay, RESULT_SAFETY);
    Set_Play_Home_Bit(&Game.CurrentPlay, 0);
    Game.CurrentPlay.nPlayer1 = RB_ID;
    Game.CurrentPlay.nPlayer2 = LB_ID;
    Game.nClock = 1000;
    Game.nScore[0] = 7;
    Game.nScore[1] = 2;
    Write_Scoring_Play_Html_Row(&Game);
    EXPECT_EQ(Get_Game_Report_Html(),
              "<TR class=highlight><TD width=\"6%\" class=lml>GB</TD>\n"
              "<TD width=\"6%\" class=lmc>2nd Q</TD><TD width=\"6%\" class=lmc>13:20</TD>"
              "<TD width=\"20%\" class=lmc>Safety</TD><TD width=\"50%\" class=lmc>Back tackled by Assist for a safety</TD>"
              "<TD width=\"6%\" class=lmc>7</TD><TD width=\"6%\" class=lmc>2</TD></TR>");
    Clear_Game_Report_Html();

    // A kick-off the home team kicked, returned by the visitors for a TD, as
    // the 3rd quarter ran out: the row names the away team and "0:00".
    Set_Play_Result(&Game.CurrentPlay, RESULT_KICKOFF_RETURN_TOUCHDOWN);
    Set_Play_Home_Bit(&Game.CurrentPlay, 1);
    Game.CurrentPlay.nPlayer1 = WR2_ID;
    Game.nClock = 2700;
    Game.nDown = CONVERSION_ATTEMPT;
    Game.nScore[0] = 13;
    Write_Scoring_Play_Html_Row(&Game);
    EXPECT_EQ(Get_Game_Report_Html(),
              "<TR class=none><TD width=\"6%\" class=lml>BOS</TD>\n"
              "<TD width=\"6%\" class=lmc>3rd Q</TD><TD width=\"6%\" class=lmc>0:00</TD>"
              "<TD width=\"20%\" class=lmc>Kickoff</TD>"
              "<TD width=\"50%\" class=lmc>O'Dropp&amp;Co returned kickoff for a TD!</TD>"
              "<TD width=\"6%\" class=lmc>13</TD><TD width=\"6%\" class=lmc>2</TD></TR>");
}

TEST_F(GameReportTest, CountsOfThePlayLog)
{
    Log_Away_Game();
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 0, 0, 3), 2);    // completions thrown
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 0, 0, 6), 1);    // TD passes thrown
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 1, 0, 7), 2);    // rushes
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 1, 0, 8), -1);   // rushing yards
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 2, 0, 10), 2);   // receptions
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 2, 0, 12), 1);   // TD receptions
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 4, 0, 13), 1);   // fumbles
    EXPECT_EQ(Count_Player_Play_Results(&Game, 1, 0, 2, 6), 1);    // passes defensed
    EXPECT_EQ(Count_Player_Play_Results(&Game, 1, 0, 2, 8), 1);    // fumble recoveries
    EXPECT_EQ(Count_Player_Play_Results(&Game, 1, 0, 0, 6), 0);    // home had no ball
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 1, 1, 7), 0);    // no such mode
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 2, 0, 11), 44);  // receiving yards
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 1, 0, 14), 0);   // no such kind
    std::string Yards;
    EXPECT_EQ(Count_Team_Play_Results(&Game, 0, RESULT_FIELD_GOAL_GOOD, &Yards), 2);
    EXPECT_EQ(Yards, " (45, 32)");
    Yards.clear();
    EXPECT_EQ(Count_Team_Play_Results(&Game, 0, RESULT_FIELD_GOAL_MISSED, &Yards), 0);
    EXPECT_EQ(Yards, "");
    // The linebacker is not a quarterback; the corner's figures are found by ID.
    EXPECT_EQ(Get_Player_Game_Stat(&Game, 0, 3, UNIT_QUARTERBACK, 0), 0);
    EXPECT_EQ(Get_Player_Game_Stat(&Game, 0, 0, UNIT_QUARTERBACK, 2), 44);
    EXPECT_EQ(Get_Player_Game_Stat(&Game, 1, 0, UNIT_DEFENSE, 2), 3);
}

TEST_F(GameReportTest, TeamStatisticsTable)
{
    Log_Away_Game();
    Game.bTeamStat[0][GAME_STAT_SCRIMMAGE_PLAYS] = 50;
    Game.nTeamTotal[0][GAME_TOTAL_FIRST_DOWNS] = 18;
    Game.nTeamTotal[0][GAME_TOTAL_RUSHES] = 20;
    Game.nTeamTotal[0][GAME_TOTAL_RUSHING_YARDS] = static_cast<uint16_t>(-5);
    Game.nTeamTotal[0][GAME_TOTAL_COMPLETIONS] = 15;
    Game.nTeamTotal[0][GAME_TOTAL_PASS_ATTEMPTS] = 25;
    Game.nTeamTotal[0][GAME_TOTAL_PASSING_YARDS] = 200;
    Game.nTeamTotal[1][GAME_TOTAL_SACKS_MADE] = 2;
    Game.nTeamTotal[1][GAME_TOTAL_SACK_YARDS_MADE] = 15;
    Game.nTeamTotal[0][GAME_TOTAL_TURNOVERS] = 1;
    Game.bTeamStat[0][GAME_STAT_FUMBLES] = 2;
    Game.bTeamStat[0][GAME_STAT_FUMBLES_LOST] = 1;
    Game.nTeamTotal[0][GAME_TOTAL_PENALTIES] = 1;
    Game.nTeamTotal[0][GAME_TOTAL_PENALTY_YARDS] = 5;
    Game.bTeamStat[0][GAME_STAT_PUNTS] = 1;
    Game.nTeamTotal[0][GAME_TOTAL_PUNT_YARDS] = 45;
    Game.bTeamStat[0][GAME_STAT_KICKOFF_RETURNS] = 3;
    Game.nTeamTotal[0][GAME_TOTAL_KICKOFF_RETURN_YARDS] = 70;
    Game.nTeamTotal[0][GAME_TOTAL_THIRD_DOWN_TRIES] = 10;
    Game.nTeamTotal[0][GAME_TOTAL_THIRD_DOWN_CONVERSIONS] = 4;
    Game.nTeamTotal[0][GAME_TOTAL_FOURTH_DOWN_TRIES] = 1;
    Game.nTeamTotal[0][GAME_TOTAL_FOURTH_DOWN_CONVERSIONS] = 1;
    Game.bTeamStat[0][GAME_STAT_RED_ZONE_TRIPS] = 3;
    Game.bTeamStat[0][GAME_STAT_RED_ZONE_TOUCHDOWNS] = 1;
    Game.bTeamStat[0][GAME_STAT_RED_ZONE_FIELD_GOALS] = 1;
    Game.nTeamTotal[0][GAME_TOTAL_POSSESSION_SECONDS] = 1805;
    Game.nTeamTotal[1][GAME_TOTAL_POSSESSION_SECONDS] = 1795;
    Write_Box_Score_Team_Stats_Table(&Game);
    const std::string Expected =
        OPENER +
        "<TR class=header0>\n<TD width=\"33%\" class=ltl>Team Stats</TD>\n"
        "<TD width=\"34%\" class=ltc>Owls</TD><TD width=\"33%\" class=ltr>Packers</TD></TR>"
        "<TR class=none><TD class=lml>Plays From Scrimmage</TD>\n"
        "<TD class=lmc>50 (18 First Downs)</TD><TD class=lmc>0 (0 First Downs)</TD></TR>"
        "<TR class=highlight><TD class=lml>Rushing</TD>\n"
        "<TD class=lmc>20 for -5 yards (-0.2 avg)</TD><TD class=lmc>0 for 0 yards (0.0 avg)</TD></TR>"
        "<TR class=none><TD class=lml>Pass Plays</TD>\n"
        "<TD class=lmc>15-for-25 (60%), 1 TD, 1 INT</TD><TD class=lmc>0-for-0 (0%)</TD></TR>"
        "<TR class=highlight><TD class=lml>Passing</TD>\n"
        "<TD class=lmc>200 yards (8.0 per play)</TD><TD class=lmc>0 yards (0.0 per play)</TD></TR>"
        "<TR class=none><TD class=lml>Sacked</TD>\n"
        "<TD class=lmc>2 times for 15 yards</TD><TD class=lmc>0 times for 0 yards</TD></TR>"
        "<TR class=highlight><TD class=lml>Turnovers</TD>\n"
        "<TD class=lmc>1</TD><TD class=lmc>0</TD></TR>"
        "<TR class=none><TD class=lml>Fumbles</TD>\n"
        "<TD class=lmc>2 (1 lost)</TD><TD class=lmc>0 (0 lost)</TD></TR>"
        "<TR class=highlight><TD class=lml>Penalties</TD>\n"
        "<TD class=lmc>1 penalty for 5 yards</TD><TD class=lmc>0 penalties for 0 yards</TD></TR>"
        "<TR class=none><TD class=lml>Punts</TD>\n"
        "<TD class=lmc>1 punt for 45 yards (45.0 avg)</TD><TD class=lmc>0 punts for 0 yards (0.0 avg)</TD></TR>"
        "<TR class=highlight><TD class=lml>Punt Returns</TD>\n"
        "<TD class=lmc>0 returns for 0 yards (0.0 avg)</TD><TD class=lmc>0 returns for 0 yards (0.0 avg)</TD></TR>"
        "<TR class=none><TD class=lml>Kick Returns</TD>\n"
        "<TD class=lmc>3 returns for 70 yards (23.3 avg)</TD><TD class=lmc>0 returns for 0 yards (0.0 avg)</TD></TR>"
        "<TR class=highlight><TD class=lml>Field Goals</TD>\n"
        "<TD class=lmc>2 Made (45, 32), 0 Missed</TD><TD class=lmc>0 Made, 0 Missed</TD></TR>"
        "<TR class=none><TD class=lml>Third Down</TD>\n"
        "<TD class=lmc>4 for 10 (40%)</TD><TD class=lmc>0 for 0 (0%)</TD></TR>"
        "<TR class=highlight><TD class=lml>Fourth Down</TD>\n"
        "<TD class=lmc>1 for 1 (100%)</TD><TD class=lmc>0 for 0 (0%)</TD></TR>"
        "<TR class=none><TD class=lml>Red Zone</TD>\n"
        "<TD class=lmc>2 for 3 (1 FG, 1 TD)</TD><TD class=lmc>0 for 0 (0 FG, 0 TD)</TD></TR>"
        "<TR class=highlight><TD class=lml>Time of Possession</TD>\n"
        "<TD class=lmc>30:05</TD><TD class=lmc>29:55</TD></TR>"
        "</TBODY></TABLE><BR>\n";
    EXPECT_EQ(Get_Game_Report_Html(), Expected);
}

TEST_F(GameReportTest, OffensivePlayerTables)
{
    Log_Away_Game();
    Write_Box_Score_Offense_Table(&Game);
    const std::string Group =
        "<TABLE cellSpacing=0 cellPadding=0 border=0 align=\"center\" width=968><TBODY><TR class=header0>\n"
        "<TD width=\"282\" bgcolor=\"#FFFFFF\" class=ltc></TD><TD width=\"271\" class=ltc>Passing</TD>"
        "<TD width=\"5\" bgcolor=\"#FFFFFF\" class=ltc></TD><TD width=\"222\" bgcolor=\"#996699\" class=ltc>Rushing</TD>"
        "<TD width=\"5\" bgcolor=\"#FFFFFF\" class=ltc></TD><TD width=\"178\" class=ltc>Receiving</TD>"
        "</TBODY></TABLE>\n";
    const std::string Columns =
        OPENER +
        "<TR class=header1>\n<TD width=\"188\" class=ltl></TD>\n"
        "<TD width=\"46\" class=ltc>Team</TD><TD width=\"46\" class=ltc>Pos</TD><TD width=\"46\" class=ltc>Cmp</TD>"
        "<TD width=\"46\" class=ltc>Att</TD><TD width=\"46\" class=ltc>Yds</TD><TD width=\"46\" class=ltc>TD</TD>"
        "<TD width=\"46\" class=ltc>Int</TD><TD width=\"46\" class=ltc>Rtg</TD><TD width=\"46\" class=ltc>Att</TD>"
        "<TD width=\"46\" class=ltc>Yds</TD><TD width=\"46\" class=ltc>Avg</TD><TD width=\"46\" class=ltc>TD</TD>"
        "<TD width=\"46\" class=ltc>Fum</TD><TD width=\"46\" class=ltc>Rec</TD><TD width=\"46\" class=ltc>Yds</TD>"
        "<TD width=\"46\" class=ltc>Avg</TD><TD width=\"46\" class=ltc>TD</TD></TR>";
    const std::string E = "<TD class=lmc></TD>";
    auto C = [](const char* s) { return std::string("<TD class=lmc>") + s + "</TD>"; };
    const std::string Away =
        Group + Columns +
        // Passer: 2 of 4, 44 yards, 1 TD, 1 interception, rating 89.5.
        "<TR class=\"highlight\"><TD class=lml>Quin Arm</TD>\n" + C("BOS") + C("QB") + C("2") + C("4") + C("44") +
        C("1") + C("1") + C("89.5") + E + E + E + E + E + E + E + E + "<TD class=lmc></TD></TR>" +
        // Runner: 2 rushes for -1 yard.
        "<TR><TD class=lml>Ray Back</TD>\n" + C("BOS") + C("RB") + E + E + E + E + E + E + C("2") + C("-1") +
        C("-0.5") + C("0") + C("0") + E + E + E + "<TD class=lmc></TD></TR>" +
        // Receiver: 2 catches for 44 yards, 1 TD.
        "<TR class=\"highlight\"><TD class=lml>Will Wide</TD>\n" + C("BOS") + C("WR") + E + E + E + E + E + E + E +
        E + E + E + E + C("2") + C("44") + C("22.0") + "<TD class=lmc>1</TD></TR>" +
        // A fumbled carry: one rush for its 3 yards, and the fumble.
        "<TR><TD class=lml>Bo O'Dropp&amp;Co</TD>\n" + C("BOS") + C("WR") + E + E + E + E + E + E + C("1") + C("3") +
        C("3.0") + C("0") + C("1") + E + E + E + "<TD class=lmc></TD></TR>" + "</TBODY></TABLE><BR>\n";
    const std::string Home = Group + Columns + "</TBODY></TABLE><BR>\n";
    EXPECT_EQ(Get_Game_Report_Html(), Away + Home);
}

TEST_F(GameReportTest, FumbledCarriesAndPlaysEndingInASafetyCountForTheirCarrier)
{
    // A carry fumbled and returned for a touchdown, a sacked passer's fumble
    // returned for one, a carry and a catch both ending in a safety, a
    // sacked passer's fumble kept by nobody (lost), then a plain run.
    Log(0, RESULT_FUMBLE_RETURN_TOUCHDOWN, CB_ID, RB_ID, 4);
    Game.PlayLog[Game.nPlays - 1].nYard2 = BALL_CARRIER_RUSHED;
    Log(0, RESULT_FUMBLE_RETURN_TOUCHDOWN, CB_ID, QB_ID, 0);
    Log(0, RESULT_SAFETY, RB_ID, LB_ID, -2);
    Game.PlayLog[Game.nPlays - 1].nYard2 = BALL_CARRIER_RUSHED;
    Log(0, RESULT_SAFETY, WR_ID, LB_ID, -1);
    Game.PlayLog[Game.nPlays - 1].nYard2 = BALL_CARRIER_CAUGHT;
    Log(0, RESULT_SAFETY, QB_ID, LB_ID, -7);   // a sack
    Log(0, RESULT_SACK_FUMBLE_LOST, LB_ID, QB_ID, -6);
    Log(0, RESULT_RUN_MIDDLE, RB_ID, LB_ID, 9);
    // The runner: 3 rushes for 4 - 2 + 9 yards, one fumble.
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 1, 0, 7), 3);
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 1, 0, 8), 11);
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 1, 0, 13), 1);
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 1, 0, 9), 0);
    // The receiver's catch for a safety is a reception.
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 2, 0, 10), 1);
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 2, 0, 7), 0);
    // The passer: no rush of his own; both his fumbles lost.
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 0, 0, 7), 0);
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 0, 0, 10), 0);
    EXPECT_EQ(Count_Player_Play_Results(&Game, 0, 0, 0, 13), 2);
    // The defence's recoveries and touchdown stay as they were.
    EXPECT_EQ(Count_Player_Play_Results(&Game, 1, 0, 2, 8), 2);
    EXPECT_EQ(Count_Player_Play_Results(&Game, 1, 1, 2, 8), 1);
    EXPECT_EQ(Count_Player_Play_Results(&Game, 1, 0, 2, 9), 2);
}

TEST_F(GameReportTest, CatchEndingInASafetyIsTheReceiversCatchAndThePassersCompletion)
{
    // The log names the receiver and the tackler; the passer's figures have
    // the attempt, the completion and its yard lost.
    Log(0, RESULT_SAFETY, WR_ID, LB_ID, -1);
    Game.PlayLog[0].nYard2 = BALL_CARRIER_CAUGHT;
    Game.nPlayerGameStat[0][0][0] = 1;
    Game.nPlayerGameStat[0][0][1] = 1;
    Game.nPlayerGameStat[0][0][2] = -1;
    Game.nPlayerGameStat[0][2][3] = -1;
    Write_Box_Score_Offense_Table(&Game);
    const std::string& Html = Get_Game_Report_Html();
    auto C = [](const char* s) { return std::string("<TD class=lmc>") + s + "</TD>"; };
    EXPECT_NE(Html.find("Quin Arm</TD>\n" + C("BOS") + C("QB") + C("1") + C("1") + C("-1")), std::string::npos)
        << Html;
    const std::string E = "<TD class=lmc></TD>";
    EXPECT_NE(Html.find("Will Wide</TD>\n" + C("BOS") + C("WR") + E + E + E + E + E + E + E + E + E + E + E +
                        C("1") + C("-1")),
              std::string::npos)
        << Html;
}

TEST_F(GameReportTest, ADefenderWhoCatchesAPassShowsItsYards)
{
    // A linebacker playing on offence catches a 12-yard pass; his game
    // figures are a defender's, so the yards come from the log.
    Log(0, RESULT_PASS_COMPLETE, AWAY_LB_ID, QB_ID, 12);
    Write_Box_Score_Offense_Table(&Game);
    const std::string& Html = Get_Game_Report_Html();
    auto C = [](const char* s) { return std::string("<TD class=lmc>") + s + "</TD>"; };
    const std::string E = "<TD class=lmc></TD>";
    EXPECT_NE(Html.find("Lou Idle</TD>\n" + C("BOS") + C("LB") + E + E + E + E + E + E + E + E + E + E + E +
                        C("1") + C("12") + C("12.0") + "<TD class=lmc>0</TD></TR>"),
              std::string::npos)
        << Html;
}

// A receiver who throws (game roster entry 4) is named as the passer of
// each of his logged passes; his game figures are his runs and catches, so
// his passing comes from those plays alone.
TEST_F(GameReportTest, AReceiverWhoThrowsHasEveryPassOfHisInHisRow)
{
    // A play logged as thrown by entry 4 (the record keeps the entry + 1).
    auto Log_By_Bo = [&](int nSide, int nResult, int nPlayer1, int nPlayer2, int nYards) {
        Log(nSide, nResult, nPlayer1, nPlayer2, nYards);
        Game.PlayLog[Game.nPlays - 1].nOtherPasser = 4 + 1;
    };
    Log_By_Bo(0, RESULT_PASS_INCOMPLETE, WR_ID, WR2_ID, 0);
    Log_By_Bo(0, RESULT_PASS_COMPLETE, WR_ID, WR2_ID, 15);
    Log_By_Bo(0, RESULT_TOUCHDOWN_PASS, WR_ID, WR2_ID, 9);
    Log_By_Bo(0, RESULT_PASS_INTERCEPTED, CB_ID, WR_ID, 0);
    Log_By_Bo(0, RESULT_INTERCEPTION_TOUCHDOWN, CB_ID, RB_ID, 0);
    Log_By_Bo(0, RESULT_PASS_KNOCKED_DOWN, CB_ID, WR_ID, 0);
    Log_By_Bo(0, RESULT_SAFETY, WR_ID, LB_ID, -2);   // a catch downed in the end zone
    Game.PlayLog[Game.nPlays - 1].nYard2 = BALL_CARRIER_CAUGHT;
    // Not passes: a sack, a try; nor his: the quarterback's completion, and
    // a play of the other side naming entry 4 of that side.
    Log_By_Bo(0, RESULT_SACKED, WR2_ID, LB_ID, -6);
    Log_By_Bo(0, RESULT_TWO_POINT_FAILED, WR_ID, -1, 0);
    Log(0, RESULT_PASS_COMPLETE, WR_ID, QB_ID, 10);
    Game.nPlayerGameStat[0][0][0] = 1;
    Game.nPlayerGameStat[0][0][1] = 1;
    Game.nPlayerGameStat[0][0][2] = 10;
    Log_By_Bo(1, RESULT_PASS_COMPLETE, CB_ID, LB_ID, 30);

    // 7 attempts, 3 completions for 15 + 9 - 2 yards, 1 touchdown, 2 interceptions.
    const GAME_PASSING_LINE Bo = Get_Player_Game_Passing(&Game, 0, 4);
    EXPECT_EQ(Bo.nAttempts, 7);
    EXPECT_EQ(Bo.nCompletions, 3);
    EXPECT_EQ(Bo.nYards, 22);
    EXPECT_EQ(Bo.nTouchdowns, 1);
    EXPECT_EQ(Bo.nInterceptions, 2);
    const GAME_PASSING_LINE Quin = Get_Player_Game_Passing(&Game, 0, 0);
    EXPECT_EQ(Quin.nAttempts, 1);
    EXPECT_EQ(Quin.nCompletions, 1);
    EXPECT_EQ(Quin.nYards, 10);
    EXPECT_EQ(Quin.nTouchdowns + Quin.nInterceptions, 0);
    const GAME_PASSING_LINE Nobody = Get_Player_Game_Passing(&Game, 0, 1);
    EXPECT_EQ(Nobody.nAttempts + Nobody.nCompletions + Nobody.nYards, 0);

    Write_Box_Score_Offense_Table(&Game);
    const std::string& Html = Get_Game_Report_Html();
    auto C = [](const char* s) { return std::string("<TD class=lmc>") + s + "</TD>"; };
    // Rating: completions (429 - 300) x 5 = 645, yards (314 - 300) x 25 / 10
    // = 35, touchdowns 2,375 at most, interceptions 0: 3,055 / 6 = 50.9.
    EXPECT_NE(Html.find("Bo O'Dropp&amp;Co</TD>\n" + C("BOS") + C("WR") + C("3") + C("7") + C("22") + C("1") + C("2") +
                        C("50.9")),
              std::string::npos)
        << Html;
}

TEST_F(GameReportTest, DefensivePlayerTables)
{
    Log_Away_Game();
    Write_Box_Score_Defense_Table(&Game);
    const std::string Columns =
        OPENER +
        "<TR class=header1>\n<TD width=\"188\" class=ltl></TD>\n"
        "<TD width=\"46\" class=ltc>Team</TD><TD width=\"46\" class=ltc>Pos</TD>"
        "<TD width=\"85\" class=ltc>Tackles</TD><TD width=\"85\" class=ltc>Assists</TD>"
        "<TD width=\"85\" class=ltc>Sacks</TD><TD width=\"100\" class=ltc>Passes<br>Defensed</TD>"
        "<TD width=\"120\" class=ltc>Fumbles<br>Recovered</TD><TD width=\"120\" class=ltc>Interceptions</TD>"
        "<TD width=\"95\" class=ltc>Defensive<br>Touchdowns</TD>";
    const std::string Away = Columns + "</TBODY></TABLE><BR>\n";
    const std::string Home =
        Columns +
        "<TR class=\"highlight\"><TD class=lml>Cy Corner</TD>\n<TD class=lmc>GB</TD><TD class=lmc>CB</TD>"
        "<TD class=lmc>3</TD><TD class=lmc></TD><TD class=lmc>0.5</TD><TD class=lmc>1</TD><TD class=lmc>1</TD>"
        "<TD class=lmc>1</TD><TD class=lmc></TD></TR>"
        "<TR><TD class=lml>Al Assist</TD>\n<TD class=lmc>GB</TD><TD class=lmc>LB</TD>"
        "<TD class=lmc></TD><TD class=lmc>1</TD><TD class=lmc></TD><TD class=lmc></TD><TD class=lmc></TD>"
        "<TD class=lmc></TD><TD class=lmc></TD></TR>"
        "</TBODY></TABLE><BR>\n";
    EXPECT_EQ(Get_Game_Report_Html(), Away + Home);
}

TEST_F(GameReportTest, CloseAndSwitch)
{
    Close_Game_Report_Html();
    EXPECT_EQ(Get_Game_Report_Html(), "<BR></TD></TR></TBODY></TABLE></HTML>");
    Clear_Game_Report_Html();
    Set_Game_Pages_Enabled(false);
    Log_Away_Game();
    Start_Scoring_Plays_Html_Table(&Game);
    Write_Box_Score_Team_Stats_Table(&Game);
    Write_Box_Score_Offense_Table(&Game);
    Write_Box_Score_Defense_Table(&Game);
    Close_Game_Report_Html();
    Append_Game_Report_Text("x");
    EXPECT_TRUE(Get_Game_Report_Html().empty());
}

}  // namespace

// Player statistics codes: stored statistics by period, rates, grades,
// production scores, the passer rating and the built-in tables.
//
// Expected values are worked by hand from the formulas; the arithmetic is
// in the comments. A rate "a per b, x k" is (a k + b/2) / b; R(x) is the
// rounded square root; MDR(a, b, c) is a x b / c rounded. The league is in
// 2019; the historical averages used are H112 = 443 and H113 = 104 (of 2019)
// and the league averages 101: 643, 105: 44, 107: 24, 109: 1045 and 124: 846
// (with 124 of 2023: 850); the first test pins them.

#include <climits>
#include <cstring>
#include <initializer_list>
#include <string>

#include "league/historical.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/player_text.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league_fixture.h"
#include "test_support.h"

namespace {

class PlayerStatsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        League.Universe.nStat[GAMES_PER_SEASON] = 16;
        Stop_Predicted_Stat_Cache();
    }

    void TearDown() override { Stop_Predicted_Stat_Cache(); }

    static PLAYER& Add_Player(int nTeam, int nSlot, int nPosition, int nWeight, int nHeight, int nBirthYear)
    {
        static int nNextID = 7000;
        PLAYER& Player = Put_Player(nTeam, nSlot, ++nNextID, nPosition);
        Player.nVital[VITAL_WEIGHT] = nWeight;
        Player.nVital[VITAL_HEIGHT] = nHeight;
        Player.nVital[VITAL_BIRTH_DATE] = nBirthYear * 10000 + 101;
        std::strcpy(Player.szFirstName, "Sam");
        std::strcpy(Player.szLastName, "Okafor");
        return Player;
    }

    // Statistics 0-19 of one period from a list (missing ones stay 0).
    static void Fill(PLAYER& Player, int nPeriod, std::initializer_list<int> Values)
    {
        int n = 0;
        for (int nValue : Values)
            Player.nStat[nPeriod][n++] = nValue;
    }

    static void Link_Line(PLAYER& Player, int nLink, int nLine, int nYear, int nTeam)
    {
        Stamp_Season_Line(nLine, nYear, 0, nTeam, 0);
        Player.nSeasonLink[nLink] = nLine;
    }

    static int Stat(int nTeam, int nSlot, int nPeriod, int nCode) { return Get_Player_Stat(nTeam, nSlot, nPeriod, nCode); }
};

TEST_F(PlayerStatsTest, PasserRatingFormula)
{
    // 20 of 30 for 250 yards, 2 TD, 1 INT: 1835 + 1333 + 1340 + 1550 = 6058 / 6.
    EXPECT_EQ(Compute_Passer_Rating(30, 20, 250, 2, 1), 1009);
    // A perfect line: every part held at 2375, 9500 / 6.
    EXPECT_EQ(Compute_Passer_Rating(10, 10, 200, 3, 0), 1583);
    // No attempts: only d = 95 x 25 = 2375 remains, / 6.
    EXPECT_EQ(Compute_Passer_Rating(0, 0, 0, 0, 0), 395);
    // A poor line: a = (200 - 300) x 5 and b = (300 - 300) x 2.5 are held at 0;
    // c = 0; d = (95 - 300) x 25 held at 0.
    EXPECT_EQ(Compute_Passer_Rating(10, 2, 30, 0, 3), 0);
    // Career-sized numbers need 64 bits: 650 per mille -> 1750; 1.0 yard per
    // attempt -> 0; 30 per mille TD -> 600; 10 per mille INT -> 2125; 4475 / 6.
    EXPECT_EQ(Compute_Passer_Rating(2000000000, 1300000000, 2000000000, 60000000, 20000000), 745);
}

TEST_F(PlayerStatsTest, QuarterbackRatesAndGrades)
{
    ASSERT_EQ(Get_Historical_Average_Stat(112, 2019), 443);
    ASSERT_EQ(Get_Historical_Average_Stat(113, 2019), 104);
    ASSERT_EQ(Get_Current_Average_Stat(101), 643);
    ASSERT_EQ(Get_Current_Average_Stat(105), 44);
    ASSERT_EQ(Get_Current_Average_Stat(107), 24);
    ASSERT_EQ(Get_Current_Average_Stat(109), 1045);
    ASSERT_EQ(Get_Current_Average_Stat(124), 846);
    ASSERT_EQ(Get_Historical_Average_Stat(124, 2023), 850);
    PLAYER& QB = Add_Player(0, 0, POSITION_QB, 225, 75, 1995);
    Fill(QB, 0, {16, 16, 500, 325, 10, 4000, 30, 40, 200, 2, 0, 0, 0, 3, 30, 200});

    // c101 = 325000/500 = 650; c102 = 350 x 5 = 1750; c103 = 800;
    // c104 = 500 x 2.5 = 1250; c105 = 60; c106 = 1200; c107 = 20;
    // c108 = 75 x 25 = 1875; c100 = 6075 / 6 = 1012.
    EXPECT_EQ(Stat(0, 0, 0, 101), 650);
    EXPECT_EQ(Stat(0, 0, 0, 102), 1750);
    EXPECT_EQ(Stat(0, 0, 0, 104), 1250);
    EXPECT_EQ(Stat(0, 0, 0, 106), 1200);
    EXPECT_EQ(Stat(0, 0, 0, 108), 1875);
    EXPECT_EQ(Stat(0, 0, 0, STAT_CODE_PASSER_RATING), 1012);
    EXPECT_EQ(Compute_Passer_Rating(500, 325, 4000, 30, 10), 1012);
    // c109 = 400000/325 = 1230.8; c110 = 40000/16; c111 = 30000/530 = 56.6; c112 = 500.
    EXPECT_EQ(Stat(0, 0, 0, 109), 1231);
    EXPECT_EQ(Stat(0, 0, 0, 110), 2500);
    EXPECT_EQ(Stat(0, 0, 0, 111), 57);
    EXPECT_EQ(Stat(0, 0, 0, 112), 500);
    // League-relative: c170 = 1231 x 3000 / 1045 = 3534 - 2000; c171 = 60000/44
    // = 1363.6; c172 = 650000/643 = 1010.9; c173 = 2000 - 20000/24 (833).
    EXPECT_EQ(Stat(0, 0, 0, 170), 1534);
    EXPECT_EQ(Stat(0, 0, 0, 171), 1364);
    EXPECT_EQ(Stat(0, 0, 0, 172), 1011);
    EXPECT_EQ(Stat(0, 0, 0, 173), 1167);

    // Grades g = v x 70 / 1000: 200 from 1011 -> 70.8; 201 from 1534 -> 107
    // (held at 99); 202 from 1167 -> 81.7; 203 from c171 1364 -> 95.5.
    EXPECT_EQ(Stat(0, 0, 0, 200), 71);
    EXPECT_EQ(Stat(0, 0, 0, 201), 99);
    EXPECT_EQ(Stat(0, 0, 0, 202), 82);
    EXPECT_EQ(Stat(0, 0, 0, 203), 95);
    // 204: v = max(R(200 + 25 - 40), 3) + 80 - (200 + 240) x 20 / 500 = 14 + 80 - 18
    // = 76; 76 x 116 / 117 = 75.4.
    EXPECT_EQ(Stat(0, 0, 0, 204), 75);
    // 205: y = 200 x 1.75 = 350; m = 350 x (443 + 500) / 886 = 372.5 -> 373;
    // g = R(1346) + 32 = 69; (204 + g) / 2 = (75 + 69) / 2.
    EXPECT_EQ(Stat(0, 0, 0, 205), 72);
    // 206: R(2 x (0 + 100 - 104) + 600) + 32 = R(592) + 32 = 24 + 32.
    EXPECT_EQ(Stat(0, 0, 0, 206), 56);
    // 207: N = 500 + 200 + 10 = 710; 400 x (710 - 15 - 32) / 710 = 373.5 -> 374 - 300.
    EXPECT_EQ(Stat(0, 0, 0, 207), 74);
    // 208: 16 + 16 held at 28, + 54. 209: x = 40 - 64 + 0 + (40 + 30 + 100) = 146;
    // 20 + R(12 x 221 = 2652) = 20 + 51.
    EXPECT_EQ(Stat(0, 0, 0, 208), 82);
    EXPECT_EQ(Stat(0, 0, 0, 209), 71);
    // Defensive, line and kicking grades do not apply.
    EXPECT_EQ(Stat(0, 0, 0, 212), 20);
    EXPECT_EQ(Stat(0, 0, 0, 217), 20);
    EXPECT_EQ(Stat(0, 0, 0, 221), 20);
    EXPECT_EQ(Stat(0, 0, 0, 214), 20);   // no formula: raised to the floor

    // Production scores of a quarterback. Rushing: x = 60 + 200, + 100 + 65 =
    // 425, x 0.95 = 403.75 -> 404; share 250 + 150000 / 500 = 550.
    // 422: a = 404 + 66 + 200 - 160 = 510; R(450 x 510 / 7 = 32785) + 450 = 181 + 450.
    // 423: a = 404 + 60; R(550 x 464 / 7 = 36457) + 450 + 50 = 191 + 500.
    EXPECT_EQ(Stat(0, 0, 0, 422), 631);
    EXPECT_EQ(Stat(0, 0, 0, 423), 691);
    EXPECT_EQ(Stat(0, 0, 0, 424), 0);
    // Passing: T = 40 x 16 = 640, R = 25; k = 600 / 2 + 500 = 800;
    // u = 500 x 4830 / 4000 = 603.75 -> 604.
    // 425: t = 800 x 41 / 48 = 683.3 -> 683; w = R(1000 x R(896000) = 947000) = 973;
    // 683 x 973 / 1000 = 664.6 -> 665, + 2 x (27 - 20).
    // 426: t = 800 x 25 / 32 = 625; w = R(1000 x R(1104000) = 1051000) = 1025;
    // 625 x 1025 / 1000 = 640.6 -> 641.
    Fill(QB, 1, {10, 6});
    QB.nCounter[2] = 600;
    EXPECT_EQ(Stat(0, 0, 0, 425), 679);
    EXPECT_EQ(Stat(0, 0, 0, 426), 641);

    // Replay mode damps a grade by the predicted sample: with no predicted
    // games f = 0, so the grade is halved: 71 x 500 / 1000 = 35.5 -> 36.
    Set_Universe_Word(REPLAY_MODE_WORD, 1);
    EXPECT_EQ(Stat(0, 0, 0, 200), 36);
    Set_Universe_Word(REPLAY_MODE_WORD, 0);

    // The quarterback codes give 0 to others; the QB grades give 40 to backs.
    PLAYER& Back = Add_Player(0, 1, POSITION_RB, 215, 71, 1995);
    Fill(Back, 0, {16, 0, 30, 20, 10, 300});
    EXPECT_EQ(Stat(0, 1, 0, 106), 0);
    EXPECT_EQ(Stat(0, 1, 0, 110), 0);
    EXPECT_EQ(Stat(0, 1, 0, 172), 0);
    EXPECT_EQ(Stat(0, 1, 0, 200), 40);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, CompletionRepairOnlyForQuarterbacks)
{
    PLAYER& QB = Add_Player(0, 0, POSITION_QB, 225, 75, 1995);
    Fill(QB, 1, {10, 10, 10, 12, 1, 150, 2, 5, 20});
    EXPECT_EQ(Stat(0, 0, 1, 101), 0);
    for (int n = 2; n <= 6; n++)
        EXPECT_EQ(QB.nStat[1][n], 0) << n;
    EXPECT_EQ(QB.nStat[1][7], 5);   // only statistics 2-6 are cleared
    EXPECT_EQ(QB.nStat[1][0], 10);

    // A punter (punts, punt yards), a linebacker (solo, assists) and a back
    // (fumbles, completions) have statistic 3 above statistic 2: plain rates,
    // nothing written.
    PLAYER& Punter = Add_Player(0, 1, POSITION_P, 215, 74, 1990);
    Fill(Punter, 0, {16, 0, 60, 2700, 0, 60, 5});
    PLAYER& Backer = Add_Player(0, 2, POSITION_LB, 240, 74, 1995);
    Fill(Backer, 0, {16, 16, 80, 100, 4, 2, 6});
    PLAYER& Back = Add_Player(0, 3, POSITION_RB, 215, 71, 1995);
    Fill(Back, 0, {16, 10, 2, 5});
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Stat(0, 1, 0, 101), 45000);   // 2700000 / 60
    EXPECT_EQ(Stat(0, 2, 0, 101), 1250);    // 100000 / 80
    EXPECT_EQ(Stat(0, 3, 0, 101), 2500);
    // Code 100 reaches 101 through 102: the punter's 102 is held at 2375 and
    // 104 (from 60 yards per 60 punts x 100 = 100) at 0: 2375 / 6.
    EXPECT_EQ(Stat(0, 1, 0, 100), 395);
    Stat(0, 2, 0, 100);
    Stat(0, 3, 0, 100);
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(PlayerStatsTest, RunningBackCodesGradesAndScores)
{
    PLAYER& Back = Add_Player(0, 0, POSITION_RB, 215, 71, 1995);
    Fill(Back, 0, {16, 14, 3, 0, 60, 0, 300, 250, 1100, 8, 45, 360, 2, 1, 10, 230});
    Fill(Back, 1, {16, 16});
    Back.nCounter[0] = 400;
    Back.nCounter[1] = 300;

    // c112 = 110000/250; c113 = 3600/45; c114 = 3000/45 = 66.7; c115 = 250 + 45.
    EXPECT_EQ(Stat(0, 0, 0, 112), 440);
    EXPECT_EQ(Stat(0, 0, 0, 113), 80);
    EXPECT_EQ(Stat(0, 0, 0, 114), 67);
    EXPECT_EQ(Stat(0, 0, 0, 115), 295);
    // c119 = 2300/10; c131 = 360 + 1100; c132 = 10; c137 = 1460 + 0 + 230;
    // c139 = (10 + 0) x 6; c148 = 45000/60 (receptions per target).
    EXPECT_EQ(Stat(0, 0, 0, 119), 230);
    EXPECT_EQ(Stat(0, 0, 0, 131), 1460);
    EXPECT_EQ(Stat(0, 0, 0, 137), 1690);
    EXPECT_EQ(Stat(0, 0, 0, 139), 60);
    EXPECT_EQ(Stat(0, 0, 0, 148), 750);
    // 300 = (230/2 + 0) x 230 / 260 = 101.7; 302 outside period 3 is 300.
    EXPECT_EQ(Stat(0, 0, 0, 300), 102);
    EXPECT_EQ(Stat(0, 0, 0, 302), 102);

    // 205: m = 1100 x (443 + 440) / 886 = 1096.3; R(2192 + 600) + 32 = 53 + 32.
    EXPECT_EQ(Stat(0, 0, 0, 205), 85);
    // 206: v = 460 x 1.75 = 805; R(2 x (80 + 805 - 104) + 600 = 2162) + 32 = 46 + 32.
    EXPECT_EQ(Stat(0, 0, 0, 206), 78);
    // 207: N = 125 + 225 + 30 + 10 = 390; h = 400 x 386 / 390 - 300 = 96;
    // (96 + 60 + (100 x 45 / 52 = 87) / 6) / 2 - 5 = (96 + 60 + 14) / 2 - 5.
    EXPECT_EQ(Stat(0, 0, 0, 207), 80);
    // 209: x = 295 - 64 + 72 = 303; 20 + R(12 x 378 = 4536) = 20 + 67.
    EXPECT_EQ(Stat(0, 0, 0, 209), 87);
    // The estimated measure E of this back is 53 ((500 - 0)/20 + (215 - 220)/2 + 30).
    ASSERT_EQ(Get_Player_Estimated_Measure(0, 0), 53);
    // 227: v = 85 - 3/7 = 85; 85 x (443 + min(440, 443 + 250)) / 886 = 84.7.
    EXPECT_EQ(Stat(0, 0, 0, 227), 85);
    // 228: v = 85/3 + 45 + 3/15 = 73; r = 47 x 1990000 / (405 x 2110) = 109.4;
    // + 9/14 = 0; + 54 x 45 / 31500 = 0; + 8 for a non-quarterback.
    EXPECT_EQ(Stat(0, 0, 0, 228), 81);
    // 229: q = (255 + 50 + (100 x 90 / 52 = 173) / 3) / 4 = 362 / 4 = 90;
    // 90 x 883 / 886 = 89.7.
    EXPECT_EQ(Stat(0, 0, 0, 229), 90);
    // 230: max(85/2, 78/2) + 35 = 77 (+ 0 after the catch, no passing yards).
    EXPECT_EQ(Stat(0, 0, 0, 230), 77);
    // 203: 35 + (81 + 77) / 10; 204: 90 / 2 + 81 / 4.
    EXPECT_EQ(Stat(0, 0, 0, 203), 50);
    EXPECT_EQ(Stat(0, 0, 0, 204), 65);

    // Playing time: 40 x (16 + 16) held at 1024, R = 32.
    EXPECT_EQ(Get_Player_Playing_Time_Measure(0, 0), 1024);
    // 420: q = 400 x 32 / 32 = 400; x = 200 + 460. 421: 150 + 460.
    EXPECT_EQ(Stat(0, 0, 0, 420), 660);
    EXPECT_EQ(Stat(0, 0, 0, 421), 610);
    // Rushing production (240 + 1100) x 0.95 = 1273; share 250 + 600000 / 2300 = 511.
    EXPECT_EQ(Get_Rushing_Production(0, 0, 0), 1273);
    EXPECT_EQ(Get_Rushing_Touchdown_Share(0, 0, 0), 511);
    // 422: a = 1273 + 1100 - 1000 = 1373; R(489 x 1373 / 7 = 95913) + 450 = 310 + 450.
    EXPECT_EQ(Stat(0, 0, 0, 422), 760);
    // 423: R(511 x 1273 / 7 = 92929) + 450 = 305 + 450.
    EXPECT_EQ(Stat(0, 0, 0, 423), 755);
    // Receiving share 100 + 165000 / 690 + 80 = 419; production 420 x 1.2 = 504.
    EXPECT_EQ(Get_Receiving_Touchdown_Share(0, 0, 0), 419);
    EXPECT_EQ(Get_Receiving_Production(0, 0, 0), 504);
    // 424: R(581 x 504 / 6 = 48804) + 450 = 221 + 450; 426: R(419 x 504 / 6) + 450 = 188 + 450.
    EXPECT_EQ(Stat(0, 0, 0, 424), 671);
    EXPECT_EQ(Stat(0, 0, 0, 426), 638);
    // Quarterback and defender scores are 0 for him.
    EXPECT_EQ(Stat(0, 0, 0, 425), 0);
    EXPECT_EQ(Stat(0, 0, 0, 427), 0);
    EXPECT_EQ(Stat(0, 0, 0, 430), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, ReceiverAndTightEndGrades)
{
    PLAYER& Receiver = Add_Player(0, 0, POSITION_WR, 200, 72, 1995);
    Fill(Receiver, 0, {16, 16, 1, 0, 120, 0, 450, 5, 30, 0, 80, 1200, 9, 0, 0, 0, 0, 20, 200, 1});
    // c113 = 150; c114 = 4500/80 = 56.3; c120 = 100; c148 = 80000/120 = 666.7.
    EXPECT_EQ(Stat(0, 0, 0, 113), 150);
    EXPECT_EQ(Stat(0, 0, 0, 114), 56);
    EXPECT_EQ(Stat(0, 0, 0, 148), 667);
    // 301 = (100 + 25) x 100 / 85 = 147.1; 303 outside period 3 is 301.
    EXPECT_EQ(Stat(0, 0, 0, 301), 147);
    EXPECT_EQ(Stat(0, 0, 0, 303), 147);
    // 206: R(2 x (150 + 1300 - 104) + 600 = 3292) + 32 = 57 + 32.
    EXPECT_EQ(Stat(0, 0, 0, 206), 89);
    ASSERT_EQ(Get_Player_Estimated_Measure(0, 0), 45);
    // 227: 89 - 0 + 2 x (150 - 104) x 80 / (100 x 105) = 89 + 0.7.
    EXPECT_EQ(Stat(0, 0, 0, 227), 90);
    // 229: q = (267 + 50 + (8000 / 54 = 148) / 3) / 4 = 91; 91 - 1.
    EXPECT_EQ(Stat(0, 0, 0, 229), 90);
    // 228: 89/3 + 45 = 74; r = 21 x 1990000 / (195 x 2110) = 101.6 -> 102; + 2/14;
    // + 32 x 80 / 10500 = 0; + 8.
    EXPECT_EQ(Stat(0, 0, 0, 228), 82);
    // 205 of a receiver: c112 = 600, m = 30 x 1043 / 886 = 35.3; R(670) + 32 = 58.
    // 230: max(58/2, 89/2) + 35.
    EXPECT_EQ(Stat(0, 0, 0, 205), 58);
    EXPECT_EQ(Stat(0, 0, 0, 230), 79);
    // 424: share 100 + 742500 / 2685 (276.5) + 150 = 527; R(473 x 1470 / 6) + 450.
    EXPECT_EQ(Stat(0, 0, 0, 424), 790);

    // A tight end: 77 inches, 260 pounds against a 76-inch, 255-pound average.
    PLAYER& End = Add_Player(0, 1, POSITION_TE, 260, 77, 1995);
    Fill(End, 0, {16, 12, 0, 0, 0, 0, 250, 0, 0, 0, 50, 600, 6});
    Fill(End, 2, {60, 40, 0, 0, 0, 0, 500, 0, 0, 0, 150, 2000, 15});
    // Build: c205 = R(600) + 32 = 56 and c206 = R(592) + 32 = 56 in period 3;
    // W = 255 x 77 / 76 = 258, x 77 / 76 = 261; (260 - 261) x 75 / 261 floors
    // to -1; (76 - 77) x 50 / 76 floors to -1: 120 - 112/3 - 1 - 1.
    EXPECT_EQ(Get_Player_Build_Measure(0, 1), 81);
    // 422: a = 0, share 250, g = 450; c = 150, y = 150 x 500 / 2000 = 37.5 -> 38;
    // 450 + 38 - (81 - 70) x 2.
    EXPECT_EQ(Stat(0, 1, 0, 422), 466);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, OffensiveLinemanGrades)
{
    PLAYER& Tackle = Add_Player(0, 0, POSITION_T, 310, 78, 1991);
    Fill(Tackle, 0, {16, 16, 0, 0, 3, 0, 0, 400, 1800, 0, 5, 40});
    Fill(Tackle, 1, {16, 16});
    Fill(Tackle, 2, {80, 70});
    Fill(Tackle, 3, {16, 16});
    Tackle.nVital[VITAL_SEASONS_PLAYED] = 5;
    Tackle.nVital[VITAL_FIELD_9] = 10;
    Tackle.nVital[VITAL_FIELD_23] = 2;
    Tackle.nCounter[0] = 500;
    Tackle.nCounter[1] = 100;

    EXPECT_EQ(Stat(0, 0, 0, 112), 450);   // yards per run behind him
    EXPECT_EQ(Stat(0, 0, 0, 144), 75);    // sacks allowed x 25
    // Blend (3 x 10 / 5 + 3 x 2) / 4 = 3. x = (32 + 150 + 32) / 3 = 71, R = 8.
    // 210: b = 8 + 16; 50 + 22 x 24 / 24 + 3. 211: b = 8 + 13; 50 + 462 / 24 (19.25) + 3.
    EXPECT_EQ(Stat(0, 0, 0, 210), 75);
    EXPECT_EQ(Stat(0, 0, 2, 210), 75);   // the period asked does not matter
    EXPECT_EQ(Stat(0, 0, 0, 211), 72);
    // 212: p = 1000 x 45 / 32 = 1406; a = 1000 x 110 / 25 = 4400; r = 319.5 -> 320;
    // 99 - 12.8 -> 99 - 13.
    EXPECT_EQ(Stat(0, 0, 0, 212), 86);
    // 213: a = 32 x 500 / 25 = 640; f = 319 held at 310; 1140 x 310 / 310 = 1140;
    // x 27 / 28 = 1099.3 -> 1099; / 25 = 43.96, truncated; 20 + 43.
    EXPECT_EQ(Stat(0, 0, 0, 213), 63);
    // 227: 75 / 10 - 28 / 2 + 43.
    EXPECT_EQ(Stat(0, 0, 0, 227), 36);
    // 420: q = 500, x = 250 + 460 = 710, x 0.95 = 674.5 -> 675.
    // 421: x = 50 + 460 = 510, x 0.98 = 499.8 -> 500, below 650: (500 + 650) / 2.
    EXPECT_EQ(Stat(0, 0, 0, 420), 675);
    EXPECT_EQ(Stat(0, 0, 0, 421), 575);
    EXPECT_EQ(Stat(0, 0, 0, 205), 40);   // rushing and receiving grades of linemen
    EXPECT_EQ(Stat(0, 0, 0, 206), 40);

    // Penalties at the guards' average (10 and 100 in 14 games and 11 starts): 59;
    // none: 99. A guard whose counter 0 is 0 has no blocking score.
    PLAYER& Guard = Add_Player(0, 1, POSITION_G, 315, 76, 1993);
    Fill(Guard, 0, {14, 11, 0, 0, 0, 0, 0, 0, 0, 0, 10, 100});
    EXPECT_EQ(Stat(0, 1, 0, 212), 59);
    Fill(Guard, 1, {14, 11});
    EXPECT_EQ(Stat(0, 1, 1, 212), 99);
    EXPECT_EQ(Stat(0, 1, 0, 420), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, DefenderCodesGradesAndScores)
{
    PLAYER& Backer = Add_Player(0, 0, POSITION_LB, 240, 74, 1995);
    Fill(Backer, 0, {16, 16, 90, 40, 4, 2, 5, 2, 1});
    Fill(Backer, 1, {16, 16, 110, 0, 6, 0, 0, 3});
    // Team tackle points (defence, this season): 800 x 10 + 400 x 5 + 30 x 5.
    Set_Team_Totals_Stat(0, TOTALS_DEFENSE, TOTALS_THIS_SEASON, 2, 800);
    Set_Team_Totals_Stat(0, TOTALS_DEFENSE, TOTALS_THIS_SEASON, 3, 400);
    Set_Team_Totals_Stat(0, TOTALS_DEFENSE, TOTALS_THIS_SEASON, 4, 30);

    EXPECT_EQ(Stat(0, 0, 0, 143), 20);
    EXPECT_EQ(Stat(0, 0, 0, 147), 130);
    EXPECT_EQ(Stat(0, 0, 0, 146), 81);    // 1300 / 16 = 81.25
    EXPECT_EQ(Stat(0, 0, 0, 160), 1100);
    EXPECT_EQ(Stat(0, 0, 0, 161), 11);    // (1100 + 20) x 100 / 10150 = 11.03
    EXPECT_EQ(Stat(0, 0, 3, 161), 0);     // no team totals for predictions

    // 215: x = 180 + 40 + 8 + 8 = 236; R(944) + 23 + 39 = 93 -> (93 + 90) / 2.
    EXPECT_EQ(Stat(0, 0, 0, 215), 91);
    // 216: x = 200 + 100 + 80 + 80 = 460; 44 + 21 + 4 = 69 -> (69 + 70) / 2.
    EXPECT_EQ(Stat(0, 0, 0, 216), 69);
    // 217: 40 + R(475 + 250 + 160 = 885) = 70.
    EXPECT_EQ(Stat(0, 0, 0, 217), 70);
    // 218: 28 + R(630 + 300 + 750 + 150 + 120 + 240 + 240 = 2430) = 77.
    EXPECT_EQ(Stat(0, 0, 0, 218), 77);
    // 219: t = 2600 + 480; 40 + R(3240) = 97 -> (97 + 90) / 2.
    EXPECT_EQ(Stat(0, 0, 0, 219), 93);
    // 207: 20 x 2 / 32 rounds to 1, + 20.
    EXPECT_EQ(Stat(0, 0, 0, 207), 21);
    // Return grades read period 3 (empty): E = 65 (10 for weight + 25 + 30),
    // RM = 65. 231: v = 0 + 217 of period 3 (40 -> 55) / 5 - 65 / 3 = 11 - 21;
    // 40 + R(-10) = 37. 232: 218 of period 3 (28 -> 49) / 5 - 21 = -12; 40 - 3.
    ASSERT_EQ(Get_Player_Rated_Measure(0, 0), 65);
    EXPECT_EQ(Stat(0, 0, 0, 231), 37);
    EXPECT_EQ(Stat(0, 0, 0, 232), 37);
    // 205: 70/2 + 77/2 + 37/10 + 37/15 - 40 = 35 + 38 + 3 + 2 - 40; 206: 70 + 38 + 3 + 2 - 75.
    EXPECT_EQ(Stat(0, 0, 0, 205), 38);
    EXPECT_EQ(Stat(0, 0, 0, 206), 38);
    // 227: 82 - 12 - 8; 228: 38/3 + 45 + 15/15; 229: (3 x 36 + 50) / 4; 230: age + 20.
    EXPECT_EQ(Stat(0, 0, 0, 227), 62);
    EXPECT_EQ(Stat(0, 0, 0, 228), 58);
    EXPECT_EQ(Stat(0, 0, 0, 229), 39);
    EXPECT_EQ(Stat(0, 0, 0, 230), 44);
    // Kicking grades: 20 at once.
    for (int nCode = 220; nCode <= 223; nCode++)
        EXPECT_EQ(Stat(0, 0, 0, nCode), 20) << nCode;

    // Scores from 110 solo tackles last season: t = 110 x (32 + 16) / 48 = 110.
    // 427: 55 + 450 - 10. 428: 55 + 400 + 3 x (6 + 6). 429: (2 x (160 + 36) + 680) / 3.
    EXPECT_EQ(Stat(0, 0, 0, 427), 495);
    EXPECT_EQ(Stat(0, 0, 0, 428), 491);
    EXPECT_EQ(Stat(0, 0, 0, 429), 357);
    // 430: 5 x (180 + 40 + 2 + 6 + 10 + 4) / 2 + 370 = 975, above 850: (975 + 850) / 2.
    EXPECT_EQ(Stat(0, 0, 0, 430), 912);
    // As an outside linebacker (place 33): 55 + 420 + 36.
    Backer.bStat[BYTE_STAT_DEPTH_SLOT] = 33;
    EXPECT_EQ(Stat(0, 0, 0, 428), 511);
    // Fewer than 100 solo tackles last season: no score.
    Backer.nStat[1][2] = 99;
    EXPECT_EQ(Stat(0, 0, 0, 427), 0);
    EXPECT_EQ(Stat(0, 0, 0, 428), 0);
    EXPECT_EQ(Stat(0, 0, 0, 429), 0);

    // A defensive end of 270 pounds.
    PLAYER& End = Add_Player(0, 1, POSITION_DE, 270, 76, 1995);
    Fill(End, 0, {16, 16, 40, 20, 10, 3, 2});
    // 216: 500 + 150 + 10 + 160 + (1300 + 7) / 14 = 913; 44 + 30 + 9 = 83.
    EXPECT_EQ(Stat(0, 1, 0, 216), 83);
    // 215: x = 116 x 1.12 = 129.9 -> 130, + 70/7 - 40 = 100; R(400) + 10 + 39 = 69 -> 69.5.
    EXPECT_EQ(Stat(0, 1, 0, 215), 69);
    EXPECT_EQ(Stat(0, 1, 0, 227), 56);    // 107 - 27 - 24
    EXPECT_EQ(Stat(0, 1, 0, 430), 765);   // 5 x 118 / 2 + 370 + 100

    // A defensive tackle of 300 pounds.
    PLAYER& Tackle = Add_Player(0, 4, POSITION_DT, 300, 75, 1995);
    Fill(Tackle, 0, {16, 16, 30, 20, 4, 1, 2});
    // 216: 200 + 50 + 10 + 160 + (1000 + 3) / 6 = 587; 44 + 24 + 5 = 73.
    EXPECT_EQ(Stat(0, 4, 0, 216), 73);
    // 215: x = 96 x 1.3 = 124.8 -> 125, + 100 / 3 = 158; R(632) + 15 + 39 = 79.
    EXPECT_EQ(Stat(0, 4, 0, 215), 79);
    EXPECT_EQ(Stat(0, 4, 0, 227), 42);    // 84 - 30 - 12

    // A cornerback: coverage, returns and the return values of defensive backs.
    PLAYER& Corner = Add_Player(0, 2, POSITION_CB, 190, 71, 1995);
    Fill(Corner, 0, {16, 16, 50, 10, 0, 0, 15, 4, 0, 0, 60, 35, 0, 0, 20, 500, 1});
    Fill(Corner, 1, {16, 16, 120, 0, 0, 0, 0, 5});
    Corner.fRating[RATING_KICK_RETURNS] = 45.0f;
    Corner.fRating[RATING_PUNT_RETURNS] = 62.5f;
    EXPECT_EQ(Stat(0, 2, 0, 153), 583);   // 35000 / 60
    EXPECT_EQ(Stat(0, 2, 0, 300), 264);   // (250 + 25) x 250 / 260 = 264.4
    EXPECT_EQ(Stat(0, 2, 3, 302), 0);     // (45 - 50) x 15 is held at 0
    EXPECT_EQ(Stat(0, 2, 3, 303), 187);   // 12.5 x 15 = 187.5, truncated
    // 217: 40 + R(1425 + 500 + 160 = 2085) = 86. 219: t = 1320 -> 1321 x 50 / 100 = 660;
    // 40 + R(820) = 69 -> 69.5. 227: 55 / 4 - 12 + 70.
    EXPECT_EQ(Stat(0, 2, 0, 217), 86);
    EXPECT_EQ(Stat(0, 2, 0, 219), 69);
    EXPECT_EQ(Stat(0, 2, 0, 227), 71);
    // 427: t = 120, + 100, - 10. 429: (120 - 500) x 0.6 = -228, + 805 = 577;
    // (2 x (577 + 60) + 680) / 3 = 1954 / 3.
    EXPECT_EQ(Stat(0, 2, 0, 427), 210);
    EXPECT_EQ(Stat(0, 2, 0, 429), 651);

    // A safety's tackling: t = 1600 + 240, x 0.7 = 1288; 40 + R(1448) = 78.
    PLAYER& Safety = Add_Player(0, 3, POSITION_S, 205, 72, 1995);
    Fill(Safety, 0, {16, 16, 60, 20});
    EXPECT_EQ(Stat(0, 3, 0, 219), 78);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, KickerAndPunterCodesAndGrades)
{
    PLAYER& Kicker = Add_Player(0, 0, POSITION_K, 200, 72, 1990);
    Fill(Kicker, 0, {16, 0, 0, 0, 0, 0, 0, 0, 40, 39, 10, 10, 12, 11, 8, 6, 5, 3, 54});
    EXPECT_EQ(Stat(0, 0, 0, 121), 975);    // 39000 / 40
    EXPECT_EQ(Stat(0, 0, 0, 122), 30);
    EXPECT_EQ(Stat(0, 0, 0, 123), 35);
    EXPECT_EQ(Stat(0, 0, 0, 124), 857);    // 30000 / 35
    EXPECT_EQ(Stat(0, 0, 0, 126), 917);    // 11000 / 12
    EXPECT_EQ(Stat(0, 0, 0, 128), 600);
    EXPECT_EQ(Stat(0, 0, 0, 129), 955);    // 21000 / 22 = 954.5
    EXPECT_EQ(Stat(0, 0, 0, 130), 692);    // 9000 / 13
    EXPECT_EQ(Stat(0, 0, 0, 138), 0);
    EXPECT_EQ(Stat(0, 0, 0, 139), 129);    // 30 x 3 + 39
    // 220: p = 1000 x 30 / (35 - 2) = 909; q = 909 x 850 / 846 = 913; 913/8 - 35 = 79,
    // then max 58, min 95, max R(30) + 8 + 60 = 73.
    EXPECT_EQ(Stat(0, 0, 0, 220), 79);
    // 221: x = 6 + 6 + 1 = 13; d = 1000 x 13 / 39 = 333 + 27 x 54 = 1791;
    // g = 2291 x 70 / 2000 = 80.2; min 100, max 15, min 13 + 65 = 78, max 4 + 60 + 8.
    EXPECT_EQ(Stat(0, 0, 0, 221), 78);
    EXPECT_EQ(Stat(0, 0, 0, 222), 49);     // 78 / 2 + 10
    EXPECT_EQ(Stat(0, 0, 0, 223), 49);
    EXPECT_EQ(Stat(0, 0, 0, 227), 41);     // 70 - 29
    // 233: v = 195 + 16 + 30 = 241; d = 17 + 200 + 32 = 249; r = 967.9 -> 968;
    // max(R(48) + 60 + 8 = 75, min(311, max(193 - 95, 61))).
    EXPECT_EQ(Stat(0, 0, 0, 233), 98);
    EXPECT_EQ(Stat(0, 0, 0, 131), 0);      // yards from scrimmage: backs only
    EXPECT_EQ(Stat(0, 0, 0, 420), 0);

    PLAYER& Punter = Add_Player(0, 1, POSITION_P, 215, 74, 1990);
    Fill(Punter, 0, {16, 0, 70, 3150, 0, 65, 6});
    EXPECT_EQ(Stat(0, 1, 0, 116), 450);
    // 222: 450 x 210 / 1000 = 94.5 -> 95, - 18 (years after 1995, at most 18);
    // max(77, R(70) + 60).
    EXPECT_EQ(Stat(0, 1, 0, 222), 77);
    EXPECT_EQ(Stat(0, 1, 0, 223), 70);
    EXPECT_EQ(Stat(0, 1, 0, 220), 45);     // 70 / 2 + 10
    EXPECT_EQ(Stat(0, 1, 0, 221), 48);     // 77 / 2 + 10
    EXPECT_EQ(Stat(0, 1, 0, 121), 0);      // kickers only
    Punter.nStat[1][2] = 0;
    EXPECT_EQ(Stat(0, 1, 1, 222), 70);     // no punts
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, LongestKicksAcrossPeriodsAndLines)
{
    PLAYER& Kicker = Add_Player(0, 0, POSITION_K, 200, 72, 1990);
    Kicker.nStat[0][18] = 48;
    Kicker.nStat[1][18] = 57;
    Kicker.nStat[2][18] = 52;
    Link_Line(Kicker, 0, 200, 2017, 0);
    Link_Line(Kicker, 1, 201, 2018, 0);
    League.SeasonLines[200][3 + 18] = 59;
    League.SeasonLines[201][3 + 18] = 44;
    // Career longest: the largest of 48, 57, 52 and the lines 59 and 44, stored.
    EXPECT_EQ(Stat(0, 0, 2, 18), 59);
    EXPECT_EQ(Kicker.nStat[2][18], 59);
    // A stored career value above every season stands.
    Kicker.nStat[2][18] = 63;
    EXPECT_EQ(Stat(0, 0, 2, 18), 63);
    // The predicted longest field goal is at most 67.
    Kicker.nStat[3][18] = 70;
    EXPECT_EQ(Stat(0, 0, 3, 18), 67);
    EXPECT_EQ(Kicker.nStat[3][18], 70);

    // Adding a kick: the longest keeps the greater value; a back's stat 5 adds.
    PLAYER& Punter = Add_Player(0, 1, POSITION_P, 215, 74, 1990);
    Punter.nStat[0][5] = 65;
    Add_To_Player_Stat(0, 1, 0, 5, 50);
    EXPECT_EQ(Punter.nStat[0][5], 65);
    Add_To_Player_Stat(0, 1, 0, 5, 70);
    EXPECT_EQ(Punter.nStat[0][5], 70);
    Add_To_Player_Stat(0, 1, 0, 2, 3);
    Add_To_Player_Stat(0, 1, 0, 2, 4);
    EXPECT_EQ(Punter.nStat[0][2], 7);
    PLAYER& Back = Add_Player(0, 2, POSITION_RB, 215, 71, 1995);
    Back.nStat[0][5] = 65;
    Add_To_Player_Stat(0, 2, 0, 5, 50);
    EXPECT_EQ(Back.nStat[0][5], 115);
    // Sums are held within the int32 range.
    Back.nStat[2][8] = INT_MAX - 5;
    Add_To_Player_Stat(0, 2, 2, 8, 100);
    EXPECT_EQ(Back.nStat[2][8], INT_MAX);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, SeasonLinePeriods)
{
    PLAYER& Back = Add_Player(0, 0, POSITION_RB, 215, 71, 1995);
    Link_Line(Back, 0, 300, 2017, 0);
    Link_Line(Back, 1, 301, 2018, 1);
    League.SeasonLines[300][3 + 7] = 200;
    League.SeasonLines[300][3 + 8] = 900;
    League.SeasonLines[301][3 + 8] = 1200;
    Back.nStat[0][8] = 77;

    EXPECT_EQ(Stat(0, 0, 4, 8), 900);     // link 0
    EXPECT_EQ(Stat(0, 0, 5, 8), 1200);    // link 1
    EXPECT_EQ(Stat(0, 0, 6, 8), 0);       // no link 2
    EXPECT_EQ(Stat(0, 0, 33, 8), 0);
    EXPECT_EQ(Stat(0, 0, 4, 112), 450);   // 90000 / 200, computed from the line

    Set_Player_Stat(0, 0, 4, 9, 6);
    EXPECT_EQ(League.SeasonLines[300][3 + 9], 6);
    Add_To_Player_Stat(0, 0, 5, 8, 30);
    EXPECT_EQ(League.SeasonLines[301][3 + 8], 1230);

    // Catches per target: over the career only the lines whose targets are at
    // least their catches count (60 of 100; the line with 30 of 20 is left out).
    League.SeasonLines[300][3 + 4] = 100;
    League.SeasonLines[300][3 + 10] = 60;
    League.SeasonLines[301][3 + 4] = 20;
    League.SeasonLines[301][3 + 10] = 30;
    EXPECT_EQ(Stat(0, 0, 2, 148), 600);
    EXPECT_EQ(Stat(0, 0, 5, 148), 1500);

    // Rescaling a period: 1230 x 25 / 100 = 307.5 -> 308 and 6 x 25 / 100 = 1.5 -> 2
    // in the lines, 77 -> 19.25 -> 19 in the record; 100 percent changes nothing.
    Scale_Player_Stat(0, 0, 5, 25);
    EXPECT_EQ(League.SeasonLines[301][3 + 8], 308);
    EXPECT_EQ(League.SeasonLines[301][3 + 4], 5);
    Scale_Player_Stat(0, 0, 4, 25);
    EXPECT_EQ(League.SeasonLines[300][3 + 9], 2);
    Scale_Player_Stat(0, 0, 0, 25);
    EXPECT_EQ(Back.nStat[0][8], 19);
    Back.nStat[0][8] = 77;
    {
        LEAGUE_SNAPSHOT Unscaled;
        Scale_Player_Stat(0, 0, 0, 100);
        Scale_Player_Stat(0, 0, 6, 50);   // no line linked there
        EXPECT_TRUE(Unscaled.Unchanged());
    }
    Clear_Player_Season_Stats(0, 0, 4);
    EXPECT_EQ(League.SeasonLines[300][3 + 8], 0);
    EXPECT_EQ(League.SeasonLines[300][0], 2017);   // the line itself stays
    EXPECT_EQ(Back.nStat[0][8], 77);

    LEAGUE_SNAPSHOT Before;
    Set_Player_Stat(0, 0, 6, 8, 5);        // no line: nothing stored
    Add_To_Player_Stat(0, 0, 6, 8, 5);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Errors_Reported(), 0);

    // Clearing all: periods 0-2 and the lines go, the prediction stays.
    Back.nStat[3][8] = 1000;
    Back.nStat[1][8] = 500;
    Clear_Player_All_Stats(0, 0);
    EXPECT_EQ(Back.nStat[0][8], 0);
    EXPECT_EQ(Back.nStat[1][8], 0);
    EXPECT_EQ(Back.nStat[3][8], 1000);
    EXPECT_EQ(Back.nSeasonLink[0], -1);
    EXPECT_EQ(League.SeasonLines[301][0], 0);
}

TEST_F(PlayerStatsTest, CareerTotalsNeedSixtyFourBits)
{
    PLAYER& QB = Add_Player(0, 0, POSITION_QB, 225, 75, 1995);
    Fill(QB, 2, {200, 200, 4000000, 3000000, 100000, 50000000, 200000});
    // 3e9 and 2e11 overflow 32 bits: 750 per mille, 12.50 yards an attempt,
    // 50 per mille touchdowns, 25 per mille interceptions.
    EXPECT_EQ(Stat(0, 0, 2, 101), 750);
    EXPECT_EQ(Stat(0, 0, 2, 103), 1250);
    EXPECT_EQ(Stat(0, 0, 2, 105), 50);
    EXPECT_EQ(Stat(0, 0, 2, 107), 25);
    // Power of a back with 100,000 career rushing touchdowns: a x 1990000 is
    // about 1e12; the grade is held at 99 rather than wrapping below 20.
    PLAYER& Back = Add_Player(0, 1, POSITION_RB, 215, 71, 1995);
    Back.nStat[2][9] = 100000;
    EXPECT_EQ(Stat(0, 1, 2, 228), 99);
    // Stored values at the int32 edge sum without wrapping.
    Back.nStat[2][14] = INT_MAX;
    Back.nStat[2][17] = INT_MAX;
    EXPECT_EQ(Stat(0, 1, 2, 140), INT_MAX);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, OverallPeakAndValueCodes)
{
    // Every rating 70: the quarterback's overall is 1.26 x 70 - 15 = 73.2.
    Add_Player(0, 0, POSITION_QB, 225, 75, 1995);   // 24: 4 x 2 years of room
    Add_Player(0, 1, POSITION_QB, 225, 75, 1989);   // 30
    EXPECT_EQ(Stat(0, 0, 0, STAT_CODE_OVERALL), 73);
    EXPECT_EQ(Stat(0, 0, 0, STAT_CODE_PEAK), 73);
    EXPECT_EQ(Stat(0, 1, 0, STAT_CODE_PEAK), Stat(0, 1, 3, STAT_CODE_OVERALL));
    EXPECT_EQ(Stat(0, 0, 0, 299), 73);
    // 305: o = 23 (73.2 - 50 truncated), p = 73 - 50 = 23; t = 529 x 23 = 12167;
    // 1000 x 2 x 1216 / 5000 (the salary at a cap of 55,000,000) = 486.4.
    League.Universe.nStat[SALARY_CAP] = 55000000;
    League.Team[0].Player[0].nVital[VITAL_SALARY] = 5000;
    EXPECT_EQ(Stat(0, 0, 0, 305), 486);
    // Depth-chart level: the second quarterback of team 0; none for the pool.
    EXPECT_EQ(Stat(0, 0, 0, STAT_CODE_DEPTH_CHART_LEVEL), 1);
    EXPECT_EQ(Stat(0, 1, 0, STAT_CODE_DEPTH_CHART_LEVEL), 2);
    Add_Player(FREE_AGENT_TEAM, 0, POSITION_QB, 225, 75, 1995);
    EXPECT_EQ(Stat(FREE_AGENT_TEAM, 0, 0, STAT_CODE_DEPTH_CHART_LEVEL), 0);
    // Return values of a quarterback, a lineman and a kicker are 0.
    Add_Player(0, 2, POSITION_G, 315, 76, 1995);
    Add_Player(0, 3, POSITION_K, 200, 72, 1995);
    for (int nSlot = 0; nSlot <= 3; nSlot++)
        for (int nCode = 300; nCode <= 303; nCode++)
            EXPECT_EQ(Stat(0, nSlot, 3, nCode), 0) << nSlot << " " << nCode;
    // Composite grades: passing is Accuracy; receiving 5 + 7 + 7 + 7. The
    // value grade of every 70 (all g' = 0): S = -1228, V = -3227,
    // r = -2694 - 1698 = -4392 -> (r + 8000) / 5 = 721; the salary grade of a
    // value below the first limit is 0, raised to 2 for roster slot 0.
    EXPECT_EQ(Stat(0, 0, 0, 405), 70);
    EXPECT_EQ(Stat(0, 0, 0, 404), 26);
    EXPECT_EQ(Stat(0, 0, 0, 412), 721);
    EXPECT_EQ(Stat(0, 0, 0, 411), 2);
    EXPECT_EQ(Stat(0, 1, 0, 411), 0);
    EXPECT_EQ(Stat(0, 3, 0, 412), 1600);   // kicker
    EXPECT_EQ(Stat(0, 3, 0, 411), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, PredictedCacheCoversRatesAndGrades)
{
    PLAYER& Back = Add_Player(0, 0, POSITION_RB, 215, 71, 1995);
    Fill(Back, 3, {16, 14, 3, 0, 60, 0, 300, 250, 1100, 8, 45, 360, 2});
    Fill(Back, 0, {0, 0, 0, 0, 0, 0, 0, 100, 300});
    PLAYER& Backer = Add_Player(0, 1, POSITION_LB, 240, 74, 1995);
    Fill(Backer, 3, {16, 16, 90, 40});
    Start_Predicted_Stat_Cache();
    EXPECT_EQ(Stat(0, 0, 3, 112), 440);
    EXPECT_EQ(Stat(0, 0, 3, 208), 82);
    EXPECT_EQ(Stat(0, 0, 3, 147), 3);
    EXPECT_EQ(Stat(0, 1, 3, 222), 20);
    Back.nStat[3][8] = 500;
    Back.nStat[3][0] = 0;
    Back.nStat[3][2] = 10;
    EXPECT_EQ(Stat(0, 0, 3, 112), 440);   // cached
    EXPECT_EQ(Stat(0, 0, 3, 208), 82);    // cached
    EXPECT_EQ(Stat(0, 0, 3, 147), 10);    // 147 is looked up but never stored
    int nValue = 0;
    EXPECT_EQ(Find_Cached_Predicted_Stat(0, 1, 222, &nValue), 0);   // 20 at once, not cached
    EXPECT_EQ(Stat(0, 0, 0, 112), 300);
    Back.nStat[0][8] = 400;
    EXPECT_EQ(Stat(0, 0, 0, 112), 400);   // other periods are not cached
    Stop_Predicted_Stat_Cache();
    EXPECT_EQ(Stat(0, 0, 3, 112), 200);
}

TEST_F(PlayerStatsTest, RefusedArgumentsAndUnknownCodes)
{
    Add_Player(0, 0, POSITION_QB, 225, 75, 1995);
    LEAGUE_SNAPSHOT Before;
    for (int nCode : {20, 99, 117, 118, 133, 145, 149, 154, 162, 169, 174, 234, 298, 306, 413, 419, 431, -1}) {
        EXPECT_EQ(Stat(0, 0, 0, nCode), 0) << nCode;
        EXPECT_EQ(Errors_Reported(), 1) << nCode;
    }
    EXPECT_EQ(Stat(0, 0, 1, 150), 0);
    EXPECT_TRUE(Last_Error_Contains("Unrecognized SEASON_STAT in Get_Player_Stat(0,0,1,150)"));
    EXPECT_EQ(Stat(41, 0, 0, 0), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Player_Stat([41],0,0,0)"));
    EXPECT_EQ(Stat(0, 100, 0, 0), 0);
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Get_Player_Stat(0,[100],0,0)"));
    EXPECT_EQ(Stat(0, 0, 34, 0), 0);
    EXPECT_TRUE(Last_Error_Contains("nSeason out of bounds in Get_Player_Stat(0,0,[34],0)"));
    Errors_Reported();
    // Silent zeroes: no team, no player, an empty slot, a franchise not in use.
    EXPECT_EQ(Stat(NO_TEAM, 0, 0, 100), 0);
    EXPECT_EQ(Stat(0, NO_PLAYER, 0, 100), 0);
    EXPECT_EQ(Stat(0, 5, 0, 100), 0);
    EXPECT_EQ(Stat(5, 0, 0, 100), 0);
    EXPECT_EQ(Errors_Reported(), 0);

    Add_To_Player_Stat(0, 0, 0, 20, 1);
    EXPECT_TRUE(Last_Error_Contains("Invalid nStat in Add_To_Player_Stat(nTeam = 0, nSlot = 0, nSeason = 0, nStat = 20"));
    Add_To_Player_Stat(0, 0, 34, 0, 1);
    EXPECT_TRUE(Last_Error_Contains("Invalid nSeason in Add_To_Player_Stat("));
    Set_Player_Stat(0, 0, -1, 0, 1);
    EXPECT_TRUE(Last_Error_Contains("Invalid nSeason in Set_Player_Stat("));
    Clear_Player_All_Stats(0, 100);
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Clear_Player_All_Stats(0,[100])"));
    Set_Player_Stat(41, 0, 0, 2, 7);
    EXPECT_TRUE(Last_Error_Contains(
        "Invalid nTeam in Set_Player_Stat(nTeam = 41, nSlot = 0, nSeason = 0, nStat = 2, nValue = 7)"));
    Set_Player_Stat(0, 100, 0, 2, 7);
    EXPECT_TRUE(Last_Error_Contains(
        "Invalid nSlot in Set_Player_Stat(nTeam = 0, nSlot = 100, nSeason = 0, nStat = 2, nValue = 7) [Week " +
        std::to_string(Get_Current_Week()) + "]"));
    Set_Player_Stat(0, 0, 0, 20, 7);
    EXPECT_TRUE(Last_Error_Contains(
        "Invalid nStat in Set_Player_Stat(nTeam = 0, nSlot = 0, nSeason = 0, nStat = 20, nValue = 7)"));
    Scale_Player_Stat(0, 0, 34, 50);
    EXPECT_TRUE(Last_Error_Contains("nSeason out of bounds in Scale_Player_Stat(0,0,[34],50)"));
    Scale_Player_Stat(41, 0, 0, 50);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Scale_Player_Stat([41],0,0,50)"));
    EXPECT_EQ(Errors_Reported(), 9);
    Clear_Player_Season_Stats(41, 0, 0);   // every statistic is refused in turn
    EXPECT_EQ(Errors_Reported(), 20);
    EXPECT_TRUE(Before.Unchanged());

    EXPECT_EQ(Get_Player_Build_Measure(41, 0), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Player_Build_Measure([41],0)"));
    EXPECT_EQ(Get_Rushing_Production(0, 0, 34), 0);
    EXPECT_TRUE(Last_Error_Contains("nPeriod out of bounds in Get_Rushing_Production(0,0,[34])"));
    EXPECT_EQ(Get_Receiving_Touchdown_Share(0, -1, 0), 0);
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Get_Receiving_Touchdown_Share(0,[-1])"));
    EXPECT_EQ(Get_Player_Playing_Time_Measure(0, 7), 0);   // empty slot, no message
    EXPECT_EQ(Errors_Reported(), 3);
}

TEST_F(PlayerStatsTest, BuiltInTables)
{
    EXPECT_EQ(Get_Average_Stat(0, 5), 2400);
    EXPECT_EQ(Get_Average_Stat(13, 18), 53);
    EXPECT_EQ(Get_Average_Stat(42, 2), 40);
    EXPECT_EQ(Get_Average_Stat(4, 18), 240);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Average_Stat(43, 0), 0);
    EXPECT_TRUE(Last_Error_Contains("Invalid nPosition passed to Get_Average_Stat([43],0)"));
    EXPECT_EQ(Get_Average_Stat(0, 20), 0);
    EXPECT_TRUE(Last_Error_Contains("Invalid nStat passed to Get_Average_Stat(0,[20])"));
    EXPECT_EQ(Get_Average_Stat(-1, 0), 0);
    EXPECT_EQ(Errors_Reported(), 3);

    // (T(y + 1) + 2 T(y) + T(y - 1)) / 4, indexes held within 1950-2025.
    EXPECT_EQ(Get_Historical_Year_Value(1950), 1105);   // (1102 + 2212 + 1106) / 4
    EXPECT_EQ(Get_Historical_Year_Value(1900), 1106);   // all three indexes held at 1950
    EXPECT_EQ(Get_Historical_Year_Value(2015), 2255);   // (2284 + 4610 + 2127) / 4
    EXPECT_EQ(Get_Historical_Year_Value(2025), 2081);
    EXPECT_EQ(Get_Historical_Year_Value(INT_MAX), 2081);
    EXPECT_EQ(Get_Historical_Year_Value(INT_MIN), 1106);

    EXPECT_EQ(Get_Rating_Grade_Code(RATING_HEALTH), 208);
    EXPECT_EQ(Get_Rating_Grade_Code(RATING_SPEED), 227);
    EXPECT_EQ(Get_Rating_Grade_Code(RATING_RECEIVING), 206);
    EXPECT_EQ(Get_Rating_Grade_Code(RATING_RUN_DEFENSE), 215);
    EXPECT_EQ(Get_Rating_Grade_Code(RATING_PUNT_ACCURACY), 223);
    EXPECT_EQ(Get_Rating_Grade_Code(RATING_PUNT_DISTANCE), 222);
    EXPECT_EQ(Get_Rating_Grade_Code(27), -1);

    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_QB, 2)), "Pass Attempts ");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_QB, 14)), "Times Sacked");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_RB, 2)), "Fumbles");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_WR, 14)), "Kick Returns");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_G, 10)), "Penalties Incurred (OL only)");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_G, 4)), "");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_CB, 6)), "Passed Defensed");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_S, 19)), "Punt Return Touchdowns");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_P, 2)), "Punts ");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_K, 18)), "Longest Field Goal");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_DT, 0)), "Games Played ");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(15, 0)), "");
    EXPECT_EQ(std::string(Get_Stored_Stat_Label(POSITION_QB, 20)), "");
}

}  // namespace

// Player statistics codes: stored statistics by period, rates, grades,
// production scores, the passer rating and the built-in tables.
//
// Expected values are worked by hand from the formulas; the arithmetic is
// in the comments. A rate "a per b, x k" is (a k + b/2) / b; R(x) is the
// rounded square root; MDR(a, b, c) is a x b / c rounded. The league is in
// 2019; the historical averages used are H112 = 443 and H113 = 104 (of 2019)
// and the league averages 101: 643, 105: 44, 107: 24, 109: 1045 and 124: 846
// (with 124 of 2023: 850).

#include <climits>
#include <cstring>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>

#include "league/historical.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/player_text.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/player_fixture.h"

namespace {

class PlayerStatsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        League.Universe.nStat[GAMES_PER_SEASON] = 16;
        // The grades as they are: what the scouts make of them is tested apart.
        League.Preferences.nInt[PREF_PERFECT_SCOUTING] = 1;
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

    // Each {code, value} of one player in one period.
    static void Expect_Codes(int nTeam, int nSlot, int nPeriod, std::initializer_list<std::pair<int, int>> Codes)
    {
        for (const auto& Code : Codes)
            EXPECT_EQ(Stat(nTeam, nSlot, nPeriod, Code.first), Code.second) << "code " << Code.first;
    }
};

TEST_F(PlayerStatsTest, PasserRatingFormula)
{
    // 20 of 30 for 250 yards, 2 TD, 1 INT: 1835 + 1333 + 1340 + 1550 = 6058 / 6.
    EXPECT_EQ(Compute_Passer_Rating(30, 20, 250, 2, 1), 1009);
    EXPECT_EQ(Compute_Passer_Rating(10, 10, 200, 3, 0), 1583);   // every part held at 2375
    EXPECT_EQ(Compute_Passer_Rating(0, 0, 0, 0, 0), 395);        // only 2375 remains
    EXPECT_EQ(Compute_Passer_Rating(10, 2, 30, 0, 3), 0);        // every part held at 0
    // Career-sized numbers need 64 bits: 1750 + 0 + 600 + 2125 = 4475 / 6.
    EXPECT_EQ(Compute_Passer_Rating(2000000000, 1300000000, 2000000000, 60000000, 20000000), 745);
}

TEST_F(PlayerStatsTest, QuarterbackRatesAndGrades)
{
    PLAYER& QB = Add_Player(0, 0, POSITION_QB, 225, 75, 1995);
    Fill(QB, 0, {16, 16, 500, 325, 10, 4000, 30, 40, 200, 2, 0, 0, 0, 3, 30, 200});
    // Rates: c101 = 325000/500; c102 = 350 x 5; c104 = 500 x 2.5; c100 = 6075 / 6;
    // c109 = 400000/325 = 1230.8; c111 = 30000/530 = 56.6.
    // League-relative, against the 2019 averages (completion 643, touchdowns
    // 44, interceptions 24, yards per completion 1,045; each the mean of
    // 2018's and 2019's two-year means, e.g. ((1045 + 1055) / 2 + (1035 +
    // 1045) / 2) / 2 for yards per completion):
    // c170 = 1231 x 3000 / 1045 - 2000 = 1534.0; c171 = 60000/44 = 1363.6;
    // c172 = 650000/643 = 1010.9; c173 = 2000 - 20000/24 = 1166.7.
    // Grades g = v x 70 / 1000: 200 from c172 70.8; 201 from c170 107.4,
    // held at 99; 202 from c173 81.7; 203 from c171 95.5 (95.45).
    // 204: max(R(185), 3) + 80 - 440 x 20 / 500 = 76; 76 x 116 / 117 = 75.4.
    // 205: m = 350 x 943 / 886 = 372.5 -> 373; R(1346) + 32 = 69; (75 + 69) / 2.
    // 206: R(2 x (0 + 100 - 104) + 600) + 32 = 24 + 32.
    // 207: N = 710; 400 x 663 / 710 = 373.5 -> 374 - 300.
    // 208: 16 + 16 held at 28, + 54. 209: x = 146; 20 + R(12 x 221 = 2652).
    // Defensive, line and kicking grades do not apply; 214 has no formula: the floor.
    Expect_Codes(0, 0, 0, {{101, 650}, {102, 1750}, {104, 1250}, {STAT_CODE_PASSER_RATING, 1012}, {109, 1231},
                           {111, 57}, {112, 500}, {170, 1534}, {171, 1364}, {172, 1011}, {173, 1167},
                           {200, 71}, {201, 99}, {202, 82}, {203, 95}, {204, 75}, {205, 72}, {206, 56},
                           {207, 74}, {208, 82}, {209, 71}, {212, 20}, {217, 20}, {221, 20}, {214, 20}});

    // Production scores. Rushing: 425 x 0.95 -> 404; share 250 + 150000 / 500 = 550.
    // 422: R(450 x 510 / 7) + 450 = 181 + 450. 423: R(550 x 464 / 7) + 500 = 191 + 500.
    // Passing: T = 640, R = 25, k = 800; 425: 683 x 973 / 1000 -> 665, + 2 x 7.
    // 426: 625 x 1025 / 1000 = 640.6 -> 641.
    Fill(QB, 1, {10, 6});
    QB.nCounter[2] = 600;
    Expect_Codes(0, 0, 0, {{422, 631}, {423, 691}, {424, 0}, {425, 679}, {426, 641}});

    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, RatesOfNegativeTotalsAreFlooredNotTruncated)
{
    // A rate a per b, x k rounds a half away from zero when the quotient is
    // not negative and floors it when it is.
    PLAYER& WR = Add_Player(0, 0, POSITION_WR, 200, 73, 1995);
    // Period 0: -7 yards on 3 catches: -70 / 3 = -23.33 gives -24 (truncation
    // would give -23); -1 yard on 3 rushes: -33.3 gives -34; -5 kick-return
    // yards on 2 returns: -25 exactly.
    Fill(WR, 0, {3, 0, 0, 0, 0, 0, 0, 3, -1, 0, 3, -7, 0, 0, 2, -5});
    Expect_Codes(0, 0, 0, {{113, -24}, {112, -34}, {119, -25}});
    // Period 1: -6 yards on 4 rushes: -150 exactly, not one less; 1 yard on 4
    // catches: 2.5 gives 3; -2 yards on 4 catches: -5 exactly.
    Fill(WR, 1, {3, 0, 0, 0, 0, 0, 0, 4, -6, 0, 4, 1});
    Expect_Codes(0, 0, 1, {{112, -150}, {113, 3}});
    WR.nStat[1][11] = -2;
    Expect_Codes(0, 0, 1, {{113, -5}});
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, CompletionRepairOnlyForQuarterbacks)
{
    PLAYER& QB = Add_Player(0, 0, POSITION_QB, 225, 75, 1995);
    Fill(QB, 1, {10, 10, 10, 12, 1, 150, 2, 5, 20});
    EXPECT_EQ(Stat(0, 0, 1, 101), 0);
    for (int n = 2; n <= 7; n++)
        EXPECT_EQ(QB.nStat[1][n], n == 7 ? 5 : 0) << n;   // only statistics 2-6 are cleared
    // A linebacker with statistic 3 above 2: a plain rate, nothing written.
    Fill(Add_Player(0, 2, POSITION_LB, 240, 74, 1995), 0, {16, 16, 80, 100, 4, 2, 6});
    EXPECT_EQ(Stat(0, 2, 0, 101), 1250);
    EXPECT_EQ(League.Team[0].Player[2].nStat[0][3], 100);
}

TEST_F(PlayerStatsTest, RunningBackCodesGradesAndScores)
{
    PLAYER& Back = Add_Player(0, 0, POSITION_RB, 215, 71, 1995);
    Fill(Back, 0, {16, 14, 3, 0, 60, 0, 300, 250, 1100, 8, 45, 360, 2, 1, 10, 230});
    Fill(Back, 1, {16, 16});
    Back.nCounter[0] = 400;
    Back.nCounter[1] = 300;
    // c112 = 110000/250; c113 = 3600/45; c114 = 3000/45 = 66.7; c131 = 360 + 1100;
    // c137 = 1460 + 230; c148 = 45000/60; 300 = 115 x 230 / 260 = 101.7 (302 outside period 3).
    // 205: m = 1100 x 883 / 886 = 1096.3; R(2792) + 32. 206: R(2162) + 32.
    // 207: h = 400 x 386 / 390 - 300 = 96; (96 + 60 + 14) / 2 - 5. 209: 20 + R(4536).
    // 227: 85 x 883 / 886 = 84.7. 228: 73 + 8. 229: 90 x 883 / 886. 230: 85/2 + 35.
    // 203: 35 + (81 + 77) / 10; 204: 90 / 2 + 81 / 4.
    Expect_Codes(0, 0, 0, {{112, 440}, {113, 80}, {114, 67}, {131, 1460}, {137, 1690}, {148, 750},
                           {300, 102}, {302, 102}, {205, 85}, {206, 78}, {207, 80}, {209, 87}, {227, 85},
                           {228, 81}, {229, 90}, {230, 77}, {203, 50}, {204, 65}});
    // Playing time 40 x 32 held at 1024. 420: 200 + 460; 421: 150 + 460.
    // Rushing production 1340 x 0.95; share 250 + 600000 / 2300. 422: R(95913) + 450;
    // 423: R(92929) + 450. Receiving: share 100 + 165000 / 690 + 80, production 420 x 1.2;
    // 424: R(48804) + 450; 426: R(419 x 504 / 6) + 450. QB and defender scores: 0.
    EXPECT_EQ(Get_Player_Playing_Time_Measure(0, 0), 1024);
    Expect_Codes(0, 0, 0, {{420, 660}, {421, 610}, {422, 760}, {423, 755}, {424, 671}, {426, 638},
                           {425, 0}, {427, 0}, {430, 0}});
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, ReceiverAndTightEndGrades)
{
    PLAYER& Receiver = Add_Player(0, 0, POSITION_WR, 200, 72, 1995);
    Fill(Receiver, 0, {16, 16, 1, 0, 120, 0, 450, 5, 30, 0, 80, 1200, 9, 0, 0, 0, 0, 20, 200, 1});
    // c114 = 4500/80 = 56.3; c148 = 80000/120 = 666.7; 301 = 125 x 100 / 85 = 147.1.
    // 206: R(3292) + 32. 227: 89 + 0.7. 229: (267 + 50 + 148 / 3) / 4 - 1.
    // 228: 74 + 102 x 0 + 8. 205: R(670) + 32. 230: 89/2 + 35.
    // 424: share 527; R(473 x 1470 / 6) + 450.
    Expect_Codes(0, 0, 0, {{113, 150}, {114, 56}, {148, 667}, {301, 147}, {303, 147}, {206, 89}, {227, 90},
                           {229, 90}, {228, 82}, {205, 58}, {230, 79}, {424, 790}});
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
    Tackle.nVital[VITAL_CAREER_VALUE] = 10;
    Tackle.nVital[VITAL_LAST_SEASON_VALUE] = 2;
    Tackle.nCounter[0] = 500;
    Tackle.nCounter[1] = 100;
    // c112 yards per run behind him; c144 sacks allowed x 25. Blend 3; R = 8.
    // 210: 50 + 22 + 3. 211: 50 + 19.25 + 3. 212: 99 - 12.8. 213: 20 + 43.96 truncated.
    // 227: 75 / 10 - 28 / 2 + 43. 420: 710 x 0.95 -> 675. 421: 510 x 0.98 -> 500,
    // below 650: (500 + 650) / 2. Rushing and receiving grades of linemen: 40.
    Expect_Codes(0, 0, 0, {{112, 450}, {144, 75}, {210, 75}, {211, 72}, {212, 86}, {213, 63}, {227, 36},
                           {420, 675}, {421, 575}, {205, 40}, {206, 40}});
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
    // 146: 1300 / 16; 161: 1120 x 100 / 10150 = 11.03 (none for predictions).
    // 215: (93 + 90) / 2. 216: (69 + 70) / 2. 217: 40 + R(885). 218: 28 + R(2430).
    // 219: (97 + 90) / 2. 207: 20 + 1. 231, 232: 40 + R(-10), 40 - 3.
    // 205: 35 + 38 + 3 + 2 - 40; 206: 70 + 38 + 3 + 2 - 75. 227: 82 - 12 - 8;
    // 228: 12 + 45 + 1; 229: (108 + 50) / 4; 230: age + 20. Kicking grades: 20.
    // Scores from 110 solo tackles last season: 427: 55 + 450 - 10; 428: 55 + 400 + 36;
    // 429: (2 x 196 + 680) / 3; 430: 975 above 850: (975 + 850) / 2.
    Expect_Codes(0, 0, 0, {{143, 20}, {147, 130}, {146, 81}, {160, 1100}, {161, 11}, {215, 91}, {216, 69},
                           {217, 70}, {218, 77}, {219, 93}, {207, 21}, {231, 37}, {232, 37}, {205, 38},
                           {206, 38}, {227, 62}, {228, 58}, {229, 39}, {230, 44}, {220, 20}, {223, 20},
                           {427, 495}, {428, 491}, {429, 357}, {430, 912}});
    EXPECT_EQ(Stat(0, 0, 3, 161), 0);
    Backer.nStat[1][2] = 99;                   // fewer than 100 solo tackles: no score
    Expect_Codes(0, 0, 0, {{427, 0}, {428, 0}, {429, 0}});

    // A cornerback: coverage, returns and the return values of defensive backs.
    PLAYER& Corner = Add_Player(0, 2, POSITION_CB, 190, 71, 1995);
    Fill(Corner, 0, {16, 16, 50, 10, 0, 0, 15, 4, 0, 0, 60, 35, 0, 0, 20, 500, 1});
    Fill(Corner, 1, {16, 16, 120, 0, 0, 0, 0, 5});
    Corner.fRating[RATING_KICK_RETURNS] = 45.0f;
    Corner.fRating[RATING_PUNT_RETURNS] = 62.5f;
    // 153: 35000 / 60; 300: 275 x 250 / 260; 302: (45 - 50) x 15 held at 0; 303: 187.5 truncated.
    Expect_Codes(0, 2, 0, {{153, 583}, {300, 264}, {217, 86}, {219, 69}, {227, 71}, {427, 210}, {429, 651}});
    Expect_Codes(0, 2, 3, {{302, 0}, {303, 187}});
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, KickerAndPunterCodesAndGrades)
{
    Fill(Add_Player(0, 0, POSITION_K, 200, 72, 1990), 0, {16, 0, 0, 0, 0, 0, 0, 0, 40, 39, 10, 10, 12, 11, 8, 6, 5, 3, 54});
    // 121: 39000 / 40; 124: 30000 / 35; 126: 11000 / 12; 129: 21000 / 22 = 954.5;
    // 130: 9000 / 13; 139: 30 x 3 + 39. 220: 913/8 - 35. 221: 2291 x 70 / 2000, then
    // the limits: 78. 222, 223: 78 / 2 + 10. 227: 70 - 29. 233: min(311, max(98, 61)).
    Expect_Codes(0, 0, 0, {{121, 975}, {122, 30}, {123, 35}, {124, 857}, {126, 917}, {128, 600}, {129, 955},
                           {130, 692}, {138, 0}, {139, 129}, {220, 79}, {221, 78}, {222, 49}, {223, 49},
                           {227, 41}, {233, 98}, {131, 0}, {420, 0}});
    PLAYER& Punter = Add_Player(0, 1, POSITION_P, 215, 74, 1990);
    Fill(Punter, 0, {16, 0, 70, 3150, 0, 65, 6});
    // 222: 450 x 210 / 1000 -> 95, - 18; max(77, R(70) + 60). 220: 70/2 + 10; 221: 77/2 + 10.
    Expect_Codes(0, 1, 0, {{116, 450}, {222, 77}, {223, 70}, {220, 45}, {221, 48}, {121, 0}});
    Punter.nStat[1][2] = 0;
    EXPECT_EQ(Stat(0, 1, 1, 222), 70);     // no punts
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, LongestKicksAcrossPeriodsAndLines)
{
    PLAYER& Kicker = Add_Player(0, 0, POSITION_K, 200, 72, 1990);
    Fill(Kicker, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 48});
    Fill(Kicker, 1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 57});
    Link_Line(Kicker, 0, 200, 2017, 0);
    Link_Line(Kicker, 1, 201, 2018, 0);
    League.SeasonLines[200][3 + 18] = 59;
    League.SeasonLines[201][3 + 18] = 44;
    // Career longest: the largest of the periods and the lines, stored.
    EXPECT_EQ(Stat(0, 0, 2, 18), 59);
    EXPECT_EQ(Kicker.nStat[2][18], 59);

    // Adding a kick keeps the greater longest punt; a back's statistic 5 adds.
    PLAYER& Punter = Add_Player(0, 1, POSITION_P, 215, 74, 1990);
    PLAYER& Back = Add_Player(0, 2, POSITION_RB, 215, 71, 1995);
    Punter.nStat[0][5] = Back.nStat[0][5] = 65;
    Add_To_Player_Stat(0, 1, 0, 5, 50);
    EXPECT_EQ(Punter.nStat[0][5], 65);
    Add_To_Player_Stat(0, 1, 0, 5, 70);
    EXPECT_EQ(Punter.nStat[0][5], 70);
    Add_To_Player_Stat(0, 2, 0, 5, 50);
    EXPECT_EQ(Back.nStat[0][5], 115);
    Back.nStat[2][8] = INT_MAX - 5;   // sums are held within the int32 range
    Add_To_Player_Stat(0, 2, 2, 8, 100);
    EXPECT_EQ(Back.nStat[2][8], INT_MAX);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, AddingReachesEveryStoredPeriodAndHoldsBothEndsOfTheIntRange)
{
    PLAYER& Back = Add_Player(0, 3, POSITION_RB, 215, 71, 1995);
    // The first and last statistic of each stored period: 10 + 7, 20 - 3.
    for (int nPeriod = 0; nPeriod < 4; ++nPeriod) {
        Back.nStat[nPeriod][0] = 10;
        Back.nStat[nPeriod][19] = 20;
        Add_To_Player_Stat(0, 3, nPeriod, 0, 7);
        Add_To_Player_Stat(0, 3, nPeriod, 19, -3);
        EXPECT_EQ(Back.nStat[nPeriod][0], 17) << nPeriod;
        EXPECT_EQ(Back.nStat[nPeriod][19], 17) << nPeriod;
    }
    // INT_MIN + 5 - 100 stops at INT_MIN; a season line's statistic adds
    // into the line (its statistic 4 sits at 3 + 4).
    Back.nStat[1][9] = INT_MIN + 5;
    Add_To_Player_Stat(0, 3, 1, 9, -100);
    EXPECT_EQ(Back.nStat[1][9], INT_MIN);
    Link_Line(Back, 0, 210, 2018, 0);
    League.SeasonLines[210][3 + 4] = 30;
    Add_To_Player_Stat(0, 3, 4, 4, 12);
    EXPECT_EQ(League.SeasonLines[210][3 + 4], 42);
    // Code 147 is solo tackles plus assists (the engine adds the two stored
    // figures in its place): 7 + 5, and held at INT_MAX.
    Back.nStat[0][2] = 7;
    Back.nStat[0][3] = 5;
    EXPECT_EQ(Stat(0, 3, 0, 147), 12);
    Back.nStat[0][2] = INT_MAX - 1;
    EXPECT_EQ(Stat(0, 3, 0, 147), INT_MAX);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, SeasonAndCareerAddingAtOnceAddsAsTheTwoAddsWould)
{
    // A punter's longest punt keeps the greater value (65, then 70 over 65;
    // the career's 80 stays); a back's statistic 5 adds up: 65 + 50 in both.
    PLAYER& Punter = Add_Player(0, 1, POSITION_P, 215, 74, 1990);
    PLAYER& Back = Add_Player(0, 2, POSITION_RB, 215, 71, 1995);
    Punter.nStat[0][5] = Back.nStat[0][5] = Back.nStat[2][5] = 65;
    Punter.nStat[2][5] = 80;
    Add_To_Player_Season_And_Career_Stat(0, 1, 5, 50);
    EXPECT_EQ(Punter.nStat[0][5], 65);
    Add_To_Player_Season_And_Career_Stat(0, 1, 5, 70);
    EXPECT_EQ(Punter.nStat[0][5], 70);
    EXPECT_EQ(Punter.nStat[2][5], 80);
    Add_To_Player_Season_And_Career_Stat(0, 2, 5, 50);
    EXPECT_EQ(Back.nStat[0][5], 115);
    EXPECT_EQ(Back.nStat[2][5], 115);
    // A kicker's longest field goal (18) too: 40 stays over 30, 52 replaces it.
    PLAYER& Kicker = Add_Player(0, 4, POSITION_K, 195, 72, 1992);
    Kicker.nStat[0][18] = 40;
    Add_To_Player_Season_And_Career_Stat(0, 4, 18, 30);
    EXPECT_EQ(Kicker.nStat[0][18], 40);
    Add_To_Player_Season_And_Career_Stat(0, 4, 18, 52);
    EXPECT_EQ(Kicker.nStat[0][18], 52);
    EXPECT_EQ(Kicker.nStat[2][18], 52);
    // Whatever the position code (base, expanded or unknown), the same as
    // two Add_To_Player_Stat calls.
    PLAYER& Other = Add_Player(0, 5, POSITION_P, 215, 74, 1990);
    PLAYER& Twin = Add_Player(0, 6, POSITION_P, 215, 74, 1990);
    for (int nPosition : {int{POSITION_QB}, int{POSITION_K}, int{POSITION_P}, int{POSITION_LB}, 20, 27, 40, 99, -1}) {
        for (int nStat : {0, 5, 18, 19}) {
            Other.nVital[VITAL_POSITION] = Twin.nVital[VITAL_POSITION] = nPosition;
            Other.nStat[0][nStat] = Twin.nStat[0][nStat] = 33;
            Other.nStat[2][nStat] = Twin.nStat[2][nStat] = 44;
            Add_To_Player_Season_And_Career_Stat(0, 5, nStat, 38);
            Add_To_Player_Stat(0, 6, STAT_PERIOD_THIS_SEASON, nStat, 38);
            Add_To_Player_Stat(0, 6, STAT_PERIOD_CAREER, nStat, 38);
            EXPECT_EQ(Other.nStat[0][nStat], Twin.nStat[0][nStat]) << nPosition << " " << nStat;
            EXPECT_EQ(Other.nStat[2][nStat], Twin.nStat[2][nStat]) << nPosition << " " << nStat;
        }
    }
    // Sums are held within the int32 range, each period on its own.
    Back.nStat[0][8] = INT_MAX - 5;
    Back.nStat[2][8] = INT_MIN + 5;
    Add_To_Player_Season_And_Career_Stat(0, 2, 8, 100);
    EXPECT_EQ(Back.nStat[0][8], INT_MAX);
    EXPECT_EQ(Back.nStat[2][8], INT_MIN + 105);
    Add_To_Player_Season_And_Career_Stat(0, 2, 8, -300);
    EXPECT_EQ(Back.nStat[2][8], INT_MIN);
    EXPECT_EQ(Errors_Reported(), 0);
    // A bad address is reported by each of the two adds, as before.
    Add_To_Player_Season_And_Career_Stat(0, 100, 8, 1);
    EXPECT_EQ(Errors_Reported(), 2);
    Add_To_Player_Season_And_Career_Stat(0, 2, 20, 1);
    EXPECT_EQ(Errors_Reported(), 2);
}

TEST_F(PlayerStatsTest, CurrentStatsAddingCreditsTheLineAndBothPeriodsAsTheSeparateAddsWould)
{
    // This year's line with his club: 30 + 12 in the line, 100 + 12 this
    // season, 1000 + 12 in the career; last season is left alone.
    PLAYER& Back = Add_Player(0, 2, POSITION_RB, 215, 71, 1995);
    Link_Line(Back, 0, 210, 2019, 0);
    Back.nCurrentLine = 210;
    League.SeasonLines[210][3 + 8] = 30;
    Back.nStat[0][8] = 100;
    Back.nStat[1][8] = 7;
    Back.nStat[2][8] = 1000;
    Add_To_Player_Current_Stats(0, 2, 8, 12);
    EXPECT_EQ(League.SeasonLines[210][3 + 8], 42);
    EXPECT_EQ(Back.nStat[0][8], 112);
    EXPECT_EQ(Back.nStat[1][8], 7);
    EXPECT_EQ(Back.nStat[2][8], 1012);

    // A punter's longest punt keeps the greatest in his record (60 stays
    // over 50, 70 replaces it) while the line adds, as the separate adds do:
    // 60 + 50 + 70.
    PLAYER& Punter = Add_Player(0, 3, POSITION_P, 215, 74, 1990);
    Link_Line(Punter, 0, 211, 2019, 0);
    Punter.nCurrentLine = 211;
    League.SeasonLines[211][3 + 5] = Punter.nStat[0][5] = Punter.nStat[2][5] = 60;
    Add_To_Player_Current_Stats(0, 3, 5, 50);
    EXPECT_EQ(League.SeasonLines[211][3 + 5], 110);
    EXPECT_EQ(Punter.nStat[0][5], 60);
    EXPECT_EQ(Punter.nStat[2][5], 60);
    Add_To_Player_Current_Stats(0, 3, 5, 70);
    EXPECT_EQ(League.SeasonLines[211][3 + 5], 180);
    EXPECT_EQ(Punter.nStat[0][5], 70);
    EXPECT_EQ(Punter.nStat[2][5], 70);

    // A current line of last season, or of another club: a fresh line is
    // taken and credited, as the separate adds do (twins side by side).
    for (int nTeamByte : {0, 1}) {
        PLAYER& One = Add_Player(0, 4, POSITION_LB, 235, 73, 1994);
        PLAYER& Two = Add_Player(0, 5, POSITION_LB, 235, 73, 1994);
        Link_Line(One, 0, 220, nTeamByte == 0 ? 2018 : 2019, nTeamByte);
        Link_Line(Two, 0, 221, nTeamByte == 0 ? 2018 : 2019, nTeamByte);
        One.nCurrentLine = 220;
        Two.nCurrentLine = 221;
        One.nStat[0][2] = Two.nStat[0][2] = 5;
        Add_To_Player_Current_Stats(0, 4, 2, 3);
        Add_Player_Current_Line_Stat(0, 5, 2, 3);
        Add_To_Player_Season_And_Career_Stat(0, 5, 2, 3);
        ASSERT_NE(One.nCurrentLine, 220) << nTeamByte;
        ASSERT_NE(Two.nCurrentLine, 221) << nTeamByte;
        ASSERT_GE(One.nCurrentLine, 0) << nTeamByte;
        ASSERT_GE(Two.nCurrentLine, 0) << nTeamByte;
        EXPECT_EQ(League.SeasonLines[One.nCurrentLine][0], 2019);
        EXPECT_EQ(League.SeasonLines[One.nCurrentLine][3 + 2], 3);
        EXPECT_EQ(League.SeasonLines[Two.nCurrentLine][3 + 2], 3);
        EXPECT_EQ(League.SeasonLines[220][3 + 2], 0);
        EXPECT_EQ(One.nStat[0][2], 8);
        EXPECT_EQ(Two.nStat[0][2], 8);
        EXPECT_EQ(One.nStat[2][2], Two.nStat[2][2]);
    }
    EXPECT_EQ(Errors_Reported(), 0);

    // Bad arguments are reported as the separate adds report them.
    for (auto [nTeam, nSlot, nStat] : {std::tuple{0, 100, 2}, std::tuple{41, 2, 2}, std::tuple{0, 2, 20}}) {
        Errors_Reported();
        Add_Player_Current_Line_Stat(nTeam, nSlot, nStat, 3);
        Add_To_Player_Season_And_Career_Stat(nTeam, nSlot, nStat, 3);
        const int nSeparate = Errors_Reported();
        EXPECT_GE(nSeparate, 2) << nTeam << " " << nSlot << " " << nStat;
        Add_To_Player_Current_Stats(nTeam, nSlot, nStat, 3);
        EXPECT_EQ(Errors_Reported(), nSeparate) << nTeam << " " << nSlot << " " << nStat;
    }
}

TEST_F(PlayerStatsTest, ThisSeasonReadGivesWhatTheGeneralReadGives)
{
    PLAYER& Back = Add_Player(0, 2, POSITION_RB, 215, 71, 1995);
    Back.nStat[0][0] = 9;
    Back.nStat[0][2] = 31;
    Back.nStat[0][19] = -4;
    Back.nStat[1][2] = 77;
    EXPECT_EQ(Get_Player_This_Season_Stat(0, 2, 0), 9);
    EXPECT_EQ(Get_Player_This_Season_Stat(0, 2, 2), 31);
    EXPECT_EQ(Get_Player_This_Season_Stat(0, 2, 19), -4);
    // An empty slot reads 0 quietly; a bad team, slot or code as the general read.
    EXPECT_EQ(Get_Player_This_Season_Stat(0, 50, 2), 0);
    EXPECT_EQ(Errors_Reported(), 0);
    for (auto [nTeam, nSlot, nCode] : {std::tuple{0, 2, 20}, std::tuple{0, 2, -1}, std::tuple{41, 2, 2},
                                       std::tuple{0, 100, 2}, std::tuple{0, 2, 147}}) {
        Errors_Reported();
        const int nGeneral = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nCode);
        const int nGeneralErrors = Errors_Reported();
        EXPECT_EQ(Get_Player_This_Season_Stat(nTeam, nSlot, nCode), nGeneral) << nTeam << " " << nSlot << " " << nCode;
        EXPECT_EQ(Errors_Reported(), nGeneralErrors) << nTeam << " " << nSlot << " " << nCode;
    }
}

TEST_F(PlayerStatsTest, PositionUnitShortcutAgreesWithTheLongRule)
{
    // Base positions: a quarterback is 4, then backs 0, line 1, defence 2,
    // kickers 3; expanded and unknown codes go the long way.
    Add_Player(0, 2, POSITION_RB, 215, 71, 1995);
    const int EXPECTED[NUMBER_OF_POSITIONS] = {4, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3};
    for (int nPosition = -2; nPosition < NUMBER_OF_EXPANDED_POSITIONS + 2; ++nPosition) {
        League.Team[0].Player[2].nVital[VITAL_POSITION] = nPosition;
        if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS) {
            EXPECT_EQ(Get_Player_Position_Unit(0, 2), EXPECTED[nPosition]) << nPosition;
        }
        EXPECT_EQ(Get_Player_Position_Unit(0, 2), Read_Player_Position_Unit(0, 2)) << nPosition;
    }
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Player_Position_Unit(41, 2), -1);
    EXPECT_EQ(Get_Player_Position_Unit(0, -1), -1);
    EXPECT_EQ(Errors_Reported(), 2);
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
    // Periods 4, 5, ... read links 0, 1, ...; 112 is computed from the line.
    EXPECT_EQ(Stat(0, 0, 4, 8), 900);
    EXPECT_EQ(Stat(0, 0, 5, 8), 1200);
    EXPECT_EQ(Stat(0, 0, 6, 8), 0);
    EXPECT_EQ(Stat(0, 0, 4, 112), 450);
    Set_Player_Stat(0, 0, 4, 9, 6);
    EXPECT_EQ(League.SeasonLines[300][3 + 9], 6);
    Add_To_Player_Stat(0, 0, 5, 8, 30);
    EXPECT_EQ(League.SeasonLines[301][3 + 8], 1230);

    // Rescaling by 25 percent rounds: 1230 -> 308, 6 -> 2, and 77 -> 19 in the record.
    Scale_Player_Stat(0, 0, 5, 25);
    EXPECT_EQ(League.SeasonLines[301][3 + 8], 308);
    Scale_Player_Stat(0, 0, 4, 25);
    EXPECT_EQ(League.SeasonLines[300][3 + 9], 2);
    Scale_Player_Stat(0, 0, 0, 25);
    EXPECT_EQ(Back.nStat[0][8], 19);
    Back.nStat[0][8] = 77;
    Expect_Refused({
        {[] { Scale_Player_Stat(0, 0, 6, 50); }, nullptr},   // no line linked there
        {[] { Add_To_Player_Stat(0, 0, 6, 8, 5); }, nullptr},
    });
    Clear_Player_Season_Stats(0, 0, 4);
    EXPECT_EQ(League.SeasonLines[300][3 + 8], 0);
    EXPECT_EQ(League.SeasonLines[300][0], 2017);   // the line itself stays

    // Clearing all: periods 0-2 and the lines go, the prediction stays.
    Back.nStat[3][8] = 1000;
    Back.nStat[1][8] = 500;
    Clear_Player_All_Stats(0, 0);
    EXPECT_EQ(Back.nStat[1][8], 0);
    EXPECT_EQ(Back.nStat[3][8], 1000);
    EXPECT_EQ(Back.nSeasonLink[0], -1);
    EXPECT_EQ(League.SeasonLines[301][0], 0);
}

TEST_F(PlayerStatsTest, CareerTotalsNeedSixtyFourBits)
{
    PLAYER& QB = Add_Player(0, 0, POSITION_QB, 225, 75, 1995);
    Fill(QB, 2, {200, 200, 4000000, 3000000, 100000, 50000000, 200000});
    // 3e9 and 2e11 overflow 32 bits.
    Expect_Codes(0, 0, 2, {{101, 750}, {103, 1250}, {105, 50}, {107, 25}});
    // A back's power from 100,000 career touchdowns is held at 99, not wrapped below 20.
    PLAYER& Back = Add_Player(0, 1, POSITION_RB, 215, 71, 1995);
    Back.nStat[2][9] = 100000;
    EXPECT_EQ(Stat(0, 1, 2, 228), 99);
    Back.nStat[2][14] = INT_MAX;   // stored values at the int32 edge sum without wrapping
    Back.nStat[2][17] = INT_MAX;
    EXPECT_EQ(Stat(0, 1, 2, 140), INT_MAX);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, OverallPeakAndValueCodes)
{
    // Every rating 70: the quarterback's overall is 1.26 x 70 - 15 = 73.2.
    Add_Player(0, 0, POSITION_QB, 225, 75, 1995);   // 24: 4 x 2 years of room
    Add_Player(0, 1, POSITION_QB, 225, 75, 1989);   // 30
    Expect_Codes(0, 0, 0, {{STAT_CODE_OVERALL, 73}, {STAT_CODE_PEAK, 73}, {299, 73}});
    EXPECT_EQ(Stat(0, 1, 0, STAT_CODE_PEAK), Stat(0, 1, 3, STAT_CODE_OVERALL));
    // 305: t = 23 x 23 x 23; 1000 x 2 x 1216 / 5000 (the salary at a cap of 55,000,000) = 486.4.
    League.Universe.nStat[SALARY_CAP] = 55000000;
    League.Team[0].Player[0].nVital[VITAL_SALARY] = 5000;
    EXPECT_EQ(Stat(0, 0, 0, 305), 486);
    // Depth-chart level: the second quarterback of team 0.
    EXPECT_EQ(Stat(0, 1, 0, STAT_CODE_DEPTH_CHART_LEVEL), 2);
    Add_Player(0, 3, POSITION_K, 200, 72, 1995);
    // Passing is Accuracy; receiving 5 + 7 + 7 + 7. Value grade of every 70:
    // (-4392 + 8000) / 5 = 721; the salary grade 0, raised to 2 for roster slot 0.
    Expect_Codes(0, 0, 0, {{405, 70}, {404, 26}, {412, 721}, {411, 2}});
    Expect_Codes(0, 3, 0, {{412, 1600}, {411, 0}});   // kicker
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerStatsTest, StoredStatisticsOfEveryPeriodAndSlot)
{
    PLAYER& Back = Add_Player(0, 0, POSITION_RB, 215, 71, 1995);
    PLAYER& Kicker = Add_Player(0, 1, POSITION_K, 200, 72, 1990);
    for (int nPeriod = 0; nPeriod < 4; ++nPeriod)
        for (int nStat = 0; nStat < 20; ++nStat)
            Back.nStat[nPeriod][nStat] = 100 * nPeriod + nStat + 1;
    // Every stored statistic of the four periods as stored, the first and
    // the last code alike.
    for (int nPeriod = 0; nPeriod < 4; ++nPeriod)
        for (int nStat = 0; nStat < 20; ++nStat)
            EXPECT_EQ(Stat(0, 0, nPeriod, nStat), 100 * nPeriod + nStat + 1) << nPeriod << " " << nStat;

    // A kicker's predicted longest field goal is held to 67; a back's
    // statistic 18 of that period is not.
    Kicker.nStat[3][18] = 70;
    Back.nStat[3][18] = 70;
    EXPECT_EQ(Stat(0, 1, 3, 18), 67);
    EXPECT_EQ(Stat(0, 0, 3, 18), 70);
    Kicker.nStat[3][18] = 60;
    EXPECT_EQ(Stat(0, 1, 3, 18), 60);

    // An empty slot and a club not in use read 0 whatever their record holds.
    League.Team[0].Player[2].nStat[0][4] = 9;
    EXPECT_EQ(Stat(0, 2, 0, 4), 0);
    League.Team[1].Player[0] = Back;
    EXPECT_EQ(Stat(1, 0, 0, 4), 5);
    League.Team[1].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE;
    EXPECT_EQ(Stat(1, 0, 0, 4), 0);
    EXPECT_EQ(Errors_Reported(), 0);

    // Out of the stored range: negative team, slot and code are refused.
    EXPECT_EQ(Stat(-1, 0, 0, 4), 0);
    EXPECT_EQ(Stat(0, -1, 0, 4), 0);
    EXPECT_EQ(Stat(0, 0, -1, 4), 0);
    EXPECT_EQ(Errors_Reported(), 3);
}

TEST_F(PlayerStatsTest, RefusedArgumentsAndUnknownCodes)
{
    Add_Player(0, 0, POSITION_QB, 225, 75, 1995);
    Set_User_Preference(PREF_CURRENT_WEEK, 4);
    LEAGUE_SNAPSHOT Before;
    for (int nCode : {20, 99, 234, 431, -1}) {
        EXPECT_EQ(Stat(0, 0, 0, nCode), 0) << nCode;
        EXPECT_EQ(Errors_Reported(), 1) << nCode;
    }
    Expect_Refused({
        {[] { EXPECT_EQ(Stat(0, 0, 1, 150), 0); }, "Unrecognized SEASON_STAT in Get_Player_Stat(0,0,1,150)"},
        {[] { EXPECT_EQ(Stat(41, 0, 0, 0), 0); }, "nTeam out of bounds in Get_Player_Stat([41],0,0,0)"},
        {[] { EXPECT_EQ(Stat(0, 100, 0, 0), 0); }, "nSlot out of bounds in Get_Player_Stat(0,[100],0,0)"},
        {[] { EXPECT_EQ(Stat(0, 0, 34, 0), 0); }, "nSeason out of bounds in Get_Player_Stat(0,0,[34],0)"},
        {[] { EXPECT_EQ(Stat(NO_TEAM, 0, 0, 100), 0); }, nullptr},   // silent zeroes
        {[] { Add_To_Player_Stat(0, 0, 0, 20, 1); },
         "Invalid nStat in Add_To_Player_Stat(nTeam = 0, nSlot = 0, nSeason = 0, nStat = 20"},
        {[] { Set_Player_Stat(0, 0, -1, 0, 1); }, "Invalid nSeason in Set_Player_Stat("},
        {[] { Clear_Player_All_Stats(0, 100); }, "nSlot out of bounds in Clear_Player_All_Stats(0,[100])"},
        {[] { Set_Player_Stat(0, 100, 0, 2, 7); },
         "Invalid nSlot in Set_Player_Stat(nTeam = 0, nSlot = 100, nSeason = 0, nStat = 2, nValue = 7) [Week 4]"},
        {[] { Scale_Player_Stat(0, 0, 34, 50); }, "nSeason out of bounds in Scale_Player_Stat(0,0,[34],50)"},
        {[] { EXPECT_EQ(Get_Player_Build_Measure(41, 0), 0); }, "nTeam out of bounds in Get_Player_Build_Measure([41],0)"},
        {[] { EXPECT_EQ(Get_Rushing_Production(0, 0, 34), 0); }, "nPeriod out of bounds in Get_Rushing_Production(0,0,[34])"},
        {[] { EXPECT_EQ(Get_Receiving_Touchdown_Share(0, -1, 0), 0); },
         "nSlot out of bounds in Get_Receiving_Touchdown_Share(0,[-1])"},
    });
    Clear_Player_Season_Stats(41, 0, 0);   // every statistic is refused in turn
    EXPECT_EQ(Errors_Reported(), 20);
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(PlayerStatsTest, AverageStatRefusalsAndHistoricalYearValues)
{
    Expect_Refused({
        {[] { EXPECT_EQ(Get_Average_Stat(43, 0), 0); }, "Invalid nPosition passed to Get_Average_Stat([43],0)"},
        {[] { EXPECT_EQ(Get_Average_Stat(0, 20), 0); }, "Invalid nStat passed to Get_Average_Stat(0,[20])"},
    });
    // (T(y + 1) + 2 T(y) + T(y - 1)) / 4, indexes held within 1950-2025.
    EXPECT_EQ(Get_Historical_Year_Value(1950), 1105);   // (1102 + 2212 + 1106) / 4
    EXPECT_EQ(Get_Historical_Year_Value(2025), 2081);
    EXPECT_EQ(Get_Historical_Year_Value(INT_MAX), 2081);
    EXPECT_EQ(Get_Historical_Year_Value(INT_MIN), 1106);   // all three indexes held at 1950
}

}  // namespace

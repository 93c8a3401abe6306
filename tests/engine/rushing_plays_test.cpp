// The run from scrimmage: expected gain, yards, breakaway, fumble chance,
// touchdowns, safeties, two-point tries, tacklers, out of bounds and the
// replay calibration, with values worked out by hand.

#include "engine/engine_test_hooks.h"
#include "engine/game_context.h"
#include "engine/rushing_plays.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "base/random.h"
#include "engine/game_stats.h"
#include "engine/run_calibration.h"
#include "engine/sack_credits.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "test_support.h"

namespace {

// ---------------------------------------------------------------------------
// The expected gain (no league needed)

RUN_GAIN_INPUTS Sample_Inputs()
{
    RUN_GAIN_INPUTS In;
    In.H = 4.34;
    In.nYear = 2015;
    In.fSpeed = 90.0f;
    In.fPower = 80.0f;
    In.fQuickness = 90.0f;
    In.fVision = 100.0f;
    In.fCarry = 1.2f;
    In.fReceiving = 1.0f;
    In.fRunDefense = 1.1f;
    In.fTackling = 0.9f;
    In.fMatchup = 1.0f;
    In.fRunBlocking = 1.05f;
    In.nDesignedYards = 4;
    In.nSpot = 50;
    In.nWeek = 0;
    In.fWeather = 1.0f;
    return In;
}

// q = (22.5 + 16 + 22.5 + 30 + 100) / 185 - 1 = 0.0324324; E = 1.0324324 x 4.34
// = 4.4807568; m = 1.1, E2 = 1.01 E = 4.5255643; G = 0.8 x 1.05 x (2.5 - 1.1
// - 0.45) x E2 - 0.3 + 4/20 = 3.5114003.
TEST(ExpectedRunGain, CarrierLineDefenceWeatherGoalLineAndEra)
{
    RUN_GAIN_INPUTS In = Sample_Inputs();
    EXPECT_NEAR(Compute_Expected_Run_Gain(In), 3.5114003, 1e-5);
    In.fWeather = 1.025f;
    EXPECT_NEAR(Compute_Expected_Run_Gain(In), 3.5991853, 1e-5);
    In.nSpot = 2;   // x (0.15 x 2 + 0.55) = x 0.85
    EXPECT_NEAR(Compute_Expected_Run_Gain(In), 3.0593075, 1e-5);
    In = Sample_Inputs();
    In.nYear = 2005;   // k = 10: q x 40 / 50
    EXPECT_NEAR(Compute_Expected_Run_Gain(In), 3.4887109, 1e-5);
}

TEST(ExpectedRunGain, SeasonDriftFromTheThirdDay)
{
    RUN_GAIN_INPUTS In = Sample_Inputs();
    In.nWeek = 8;                 // n = (8 + 2) / 5 = 2
    In.nProgressPerMille = 400;
    In.nNorm = 420;               // f = 4.2
    EXPECT_NEAR(Compute_Expected_Run_Gain(In), 3.7493952, 1e-5);   // x (4.34 / 4.2)^2
    In.nProgressPerMille = 901;   // late in the season: no drift
    EXPECT_NEAR(Compute_Expected_Run_Gain(In), 3.5114003, 1e-5);
    In.nWeek = 2;
    In.nProgressPerMille = 0;
    EXPECT_NEAR(Compute_Expected_Run_Gain(In), 3.5114003, 1e-5);
}

TEST(ExpectedRunGain, LineFactorIsSoftenedAndTheGainCapped)
{
    RUN_GAIN_INPUTS In = Sample_Inputs();
    In.fCarry = 2.0f;
    In.fReceiving = 1.8f;   // m = 1.9 -> (1.2884099 + 1.9) / 2 = 1.594205
    In.fRunDefense = 0.5f;
    In.fTackling = 0.5f;
    const double E2 = (1.594205 + 9.0) / 10.0 * 4.4807568;
    EXPECT_NEAR(Compute_Expected_Run_Gain(In), 0.8 * 1.05 * 1.75 * E2 - 0.1, 1e-4);
    In.fRunBlocking = 4.0f;
    EXPECT_DOUBLE_EQ(Compute_Expected_Run_Gain(In), 15.0);
}

// ---------------------------------------------------------------------------
// Yards from the gain, with the generator's own draws

double Fraction(uint32_t nSeed, int n)
{
    Seed_Random_Numbers(nSeed);
    uint32_t u = 0;
    for (int k = 0; k <= n; ++k)
        u = Generate_Random_Number();
    return Random_Word_To_Fraction(u);
}

// Get_Random_Around(v, 700) from draws 0 and 1, in whole numbers.
int Around_700(uint32_t nSeed, int v)
{
    const int64_t a = static_cast<int64_t>(Fraction(nSeed, 0) * 1400) + 300;
    const int64_t b = static_cast<int64_t>(Fraction(nSeed, 1) * 1400) + 300;
    const int64_t f = (a * b * 2 + 1000) / 2000;   // a x b / 1000 rounded (all positive)
    return static_cast<int>((v * f * 2 + 1000) / 2000);
}

TEST(RunYards, SpreadSwingAndSmallLoss)
{
    const uint32_t nSeed = 77;
    // G = 3.5: t = Around(35) + trunc(u2 x 34) - trunc(u3 x 34) - trunc(7 u4)
    // (Y = 4: no short-yardage term; spot 60: no goal-line push).
    int t = Around_700(nSeed, 35);
    t += static_cast<int>(Fraction(nSeed, 2) * 34.0);
    t -= static_cast<int>(Fraction(nSeed, 3) * 34.0);
    t += static_cast<int>(-7.0 * Fraction(nSeed, 4));
    const int nExpected = std::clamp((t + 5) / 10, -5, 100);
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Draw_Run_Yards(3.5, 4, 60, 80.0f, 80.0f, false), nExpected);
}

TEST(RunYards, ShortYardageUsesPowerAndAQuarterbackAtLeastNinety)
{
    const uint32_t nSeed = 5;
    int t = Around_700(nSeed, 20);
    t += static_cast<int>(Fraction(nSeed, 2) * 16.0);   // Y = 1: 6Y + 10 = 16
    t -= static_cast<int>(Fraction(nSeed, 3) * 16.0);
    // A back of Power 94: (94 - 70) x 3 / 6 = 12 tenths; a quarterback of
    // Power 50 counts (50 + 90) / 2 = 70: no change.
    const int tBack = static_cast<int>(t + 12.0) + static_cast<int>(-7.0 * Fraction(nSeed, 4));
    const int tQuarterback = t + static_cast<int>(-7.0 * Fraction(nSeed, 4));
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Draw_Run_Yards(2.0, 1, 60, 94.0f, 80.0f, false), std::clamp((tBack + 5) / 10, -5, 100));
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Draw_Run_Yards(2.0, 1, 60, 50.0f, 80.0f, true), std::clamp((tQuarterback + 5) / 10, -5, 100));
}

TEST(RunYards, GoalLinePush)
{
    int nChecked = 0;
    for (uint32_t nSeed = 1; nSeed <= 40; ++nSeed) {
        int t = Around_700(nSeed, 30);
        t += static_cast<int>(Fraction(nSeed, 2) * 34.0);
        t -= static_cast<int>(Fraction(nSeed, 3) * 34.0);
        t += static_cast<int>(-7.0 * Fraction(nSeed, 4));
        // Spot 3: any t / 10 of 0 or more pushes. A back of Power 90 and
        // Vision 80: (trunc(63 + 24) - 65) / 2 = 11 tenths; a quarterback
        // trunc(21U) tenths from the next draw.
        if (t / 10 < 0)
            continue;
        const int q = static_cast<int>(Fraction(nSeed, 5) * 21.0);
        Seed_Random_Numbers(nSeed);
        EXPECT_EQ(Draw_Run_Yards(3.0, 4, 3, 90.0f, 80.0f, false), std::clamp((t + 11 + 5) / 10, -5, 100)) << nSeed;
        Seed_Random_Numbers(nSeed);
        EXPECT_EQ(Draw_Run_Yards(3.0, 4, 3, 90.0f, 80.0f, true), std::clamp((t + q + 5) / 10, -5, 100)) << nSeed;
        ++nChecked;
    }
    EXPECT_GT(nChecked, 10);
}

TEST(RunYards, BreakawayOnSpeedAndQuickness)
{
    // G = 4: chance 0.02. Speed 90 and Quickness 90: 4 x 8 x 8 + 5 = 261.
    uint32_t nSeed = 1;
    while (Fraction(nSeed, 0) >= 0.02)
        ++nSeed;
    const int nGain = static_cast<int>(Fraction(nSeed, 1) * 261.0);
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Draw_Run_Breakaway(4.0, 6, 90.0f, 90.0f), std::min(6 + nGain, 120));

    uint32_t nOther = 1;
    while (Fraction(nOther, 0) < 0.02)
        ++nOther;
    Seed_Random_Numbers(nOther);
    EXPECT_EQ(Draw_Run_Breakaway(4.0, 6, 90.0f, 90.0f), 6);
    // A huge gain still holds 120 at most; G over 14 keeps the chance at 0.07.
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Draw_Run_Breakaway(4.0, 119, 100.0f, 100.0f) <= 120, true);
}

TEST(RunPieces, DirectionHoleSidelineAndWeather)
{
    EXPECT_EQ(Get_Run_Sideline_Term(0, 7), 10);    // 5 x 3 - 5
    EXPECT_EQ(Get_Run_Sideline_Term(1, 7), 40);    // 15 x 3 - 5
    EXPECT_EQ(Get_Run_Sideline_Term(1, -1), -5);
    const uint32_t nSeed = 3;
    const double u = Fraction(nSeed, 0);
    const int r = static_cast<int>(u * 100);
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Get_Run_Direction(nullptr, 1), r < 25 ? 0 : r < 80 ? 2 : 1);
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Get_Random_Run_Hole(2), (2 + static_cast<int>(u * 3)) * 2);
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Get_Random_Run_Hole(0), 5 + static_cast<int>(u * 3) * 2);
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Get_Random_Run_Hole(1), static_cast<int>(u * 4));
    GAME Game{};
    Game.nWindSpeed = -1;
    EXPECT_FLOAT_EQ(Get_Run_Weather_Factor(&Game), 1.025f);
}

// ---------------------------------------------------------------------------
// Whole runs in a small league

constexpr int AWAY = 1;
constexpr int HOME = 4;
constexpr int QB = 0;
constexpr int BACK = 1;
constexpr int LINEMAN = 4;
constexpr int DEFENDER_A = 1;
constexpr int DEFENDER_B = 2;

float g_fBase = 1.0f;

class RushingPlayTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        g_fBase = 1.0f;
        Build(false);
    }

    // The league and the game afresh; bTwoDefenders: places 0-5 and 6-10
    // hold different linebackers, else one for all eleven.
    void Build(bool bTwoDefenders)
    {
        Zero_League_Data();
        m_Context.pBallCarrierBaseFigure = &g_fBase;
        Use_Franchises(6);
        Set_Regular_Season_Weeks(17);
        Set_User_Preference(PREF_CURRENT_WEEK, 1);
        Put_Player(HOME, QB, 401, POSITION_QB);
        Put_Player(HOME, BACK, 402, POSITION_RB);
        Put_Player(HOME, LINEMAN, 405, POSITION_T);
        Put_Player(AWAY, DEFENDER_A, 102, POSITION_LB);
        Put_Player(AWAY, DEFENDER_B, 103, POSITION_LB);
        Game = GAME{};
        Game.nAwayTeam = AWAY;
        Game.nHomeTeam = HOME;
        Game.nOffense = HOME;
        Game.nWindSpeed = -1;
        Game.nClock = 600;
        Game.nYardLine = 40;
        Game.nToGo = 10;
        Game.nRosterID[GAME_SIDE_HOME][0] = 401;
        Game.nRosterID[GAME_SIDE_HOME][1] = 402;
        Game.nRosterID[GAME_SIDE_HOME][2] = 405;
        Game.nRosterID[GAME_SIDE_AWAY][0] = 102;
        Game.nRosterID[GAME_SIDE_AWAY][1] = 103;
        for (int p = 0; p < PLACES_ON_FIELD; ++p) {
            Game.nOnField[GAME_SIDE_HOME][p] = p == 0 ? QB : p == 1 ? BACK : p >= 6 ? LINEMAN : NO_PLAYER;
            Game.nOnField[GAME_SIDE_AWAY][p] = bTwoDefenders && p >= 6 ? DEFENDER_B : DEFENDER_A;
        }
        Start_Play_Record(&Game);
        Game.CurrentPlay.nOffenseCall = 0;
        Game.CurrentPlay.nDefenseCall = 0;
    }

    RUN_SITUATION Run() const
    {
        RUN_SITUATION R;
        R.nCarrier = BACK;
        R.nDesignedYards = 4;
        R.fWeather = 1.025f;
        R.nDirection = 1;
        return R;
    }

    // Runs from fresh states seed after seed until the result is one of the
    // wanted codes; returns false when none in 500 seeds.
    template <typename F> bool Run_Until(F Prepare, std::initializer_list<int> Results, RUN_SITUATION R)
    {
        for (uint32_t nSeed = 1; nSeed <= 500; ++nSeed) {
            Prepare();
            Seed_Random_Numbers(nSeed);
            Resolve_Rushing_Play(&Game, R);
            for (int n : Results)
                if (Get_Play_Result(&Game.CurrentPlay) == n)
                    return true;
        }
        return false;
    }

    static int Stat(int nTeam, int nSlot, int nCode)
    {
        return Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nCode);
    }
    int Total(int bSide, int k) const { return static_cast<int16_t>(Game.nTeamTotal[bSide][k]); }

    GAME Game{};
    GAME_CONTEXT m_Context;
    GAME_CONTEXT_BINDING m_Binding{&Game, m_Context};
};

TEST_F(RushingPlayTest, FumbleThresholdShrinksInsideTheTen)
{
    // Hands 70 indoors: sqrt(35 / 30) x 50 / 1.025 = 52.69 -> 52.
    EXPECT_EQ(Get_Run_Fumble_Threshold(&Game, BACK), 52);
    Game.nYardLine = 5;   // (52 x 15 + 10) / 20 = 39
    EXPECT_EQ(Get_Run_Fumble_Threshold(&Game, BACK), 39);
    Game.nYardLine = 1;   // (52 x 11 + 10) / 20 = 29
    EXPECT_EQ(Get_Run_Fumble_Threshold(&Game, BACK), 29);
}

TEST_F(RushingPlayTest, TouchdownTakesExactlyTheSpot)
{
    g_fBase = 0.0f;   // no fumbles
    ASSERT_TRUE(Run_Until([&] { Build(false); g_fBase = 0.0f; Game.nYardLine = 2; }, {RESULT_TOUCHDOWN_RUN}, Run()));
    EXPECT_EQ(Game.nPlayYards, 2);
    EXPECT_EQ(Game.CurrentPlay.nYard1, 2);
    EXPECT_EQ(Game.CurrentPlay.nPlayer1, 402);
    EXPECT_EQ(Stat(HOME, BACK, STAT_RUSHING_TOUCHDOWNS), 1);
    EXPECT_EQ(Stat(HOME, BACK, STAT_RUSHING_ATTEMPTS), 1);
    EXPECT_EQ(Stat(HOME, BACK, STAT_RUSHING_YARDS), 2);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_RUSHES), 1);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_RUSHING_YARDS), 2);
    EXPECT_NE(Game.nDown & GAME_DOWN_FLAG_CLOCK_STOPPED, 0u);
    EXPECT_EQ(Game.nDown & GAME_DOWN_FLAG_CLOCK_STOPPED_2, 0u);
    // Nobody tackles a touchdown.
    EXPECT_EQ(Stat(AWAY, DEFENDER_A, STAT_SOLO_TACKLES), 0);
}

TEST_F(RushingPlayTest, TwoPointRunIsNoTouchdownAndNeverAFumble)
{
    auto Prepare = [&] {
        Build(false);
        g_fBase = 1000.0f;   // a fumble on every run but a try
        Game.nYardLine = 2;
        Game.nDown = CONVERSION_ATTEMPT;
    };
    ASSERT_TRUE(Run_Until(Prepare, {RESULT_TWO_POINT_GOOD}, Run()));
    EXPECT_EQ(Game.nPlayYards, 2);
    EXPECT_EQ(Stat(HOME, BACK, STAT_RUSHING_TOUCHDOWNS), 0);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_RUSHES), 0);
    for (uint32_t nSeed = 1; nSeed <= 50; ++nSeed) {
        Prepare();
        Seed_Random_Numbers(nSeed);
        Resolve_Rushing_Play(&Game, Run());
        EXPECT_NE(Get_Play_Result(&Game.CurrentPlay), RESULT_RUN_FUMBLE_LOST) << nSeed;
        EXPECT_EQ(Game.nOffense, HOME) << nSeed;
    }
}

TEST_F(RushingPlayTest, SafetyIsSpotMinusHundred)
{
    ASSERT_TRUE(Run_Until([&] { Build(false); g_fBase = 0.0f; Game.nYardLine = 99; }, {RESULT_SAFETY}, Run()));
    EXPECT_EQ(Game.nPlayYards, -1);
    EXPECT_EQ(Game.CurrentPlay.nPlayer1, 402);
    EXPECT_EQ(Game.CurrentPlay.nPlayer2, 102);
    EXPECT_EQ(Stat(HOME, BACK, STAT_RUSHING_YARDS), -1);
}

TEST_F(RushingPlayTest, LostFumbleTurnsTheBallOver)
{
    auto Prepare = [&] { Build(false); g_fBase = 1000.0f; };
    ASSERT_TRUE(Run_Until(Prepare, {RESULT_RUN_FUMBLE_LOST}, Run()));
    EXPECT_EQ(Game.nOffense, AWAY);
    EXPECT_NE(Game.nDown & GAME_DOWN_FLAG_CHANGED_HANDS, 0u);
    EXPECT_EQ(Game.nDown & GAME_DOWN_FLAG_CHANGED_HANDS_2, 0u);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_TURNOVERS), 1);
    EXPECT_EQ(Game.bTeamStat[GAME_SIDE_HOME][GAME_STAT_FUMBLES], 1);
    EXPECT_EQ(Game.bTeamStat[GAME_SIDE_HOME][GAME_STAT_FUMBLES_LOST], 1);
    EXPECT_EQ(Stat(AWAY, DEFENDER_A, STAT_FUMBLES_FORCED), 1);
    EXPECT_EQ(Stat(AWAY, DEFENDER_A, STAT_FUMBLES_RECOVERED), 1);
    EXPECT_EQ(Stat(HOME, BACK, STAT_FUMBLES_LOST), 1);
    EXPECT_EQ(Stat(HOME, BACK, 2), 1);   // a back's own fumble count
    EXPECT_EQ(Game.CurrentPlay.nPlayer1, 102);
    EXPECT_EQ(Game.CurrentPlay.nPlayer2, 402);
    EXPECT_GE(Game.nPlaySeconds, 7);
    EXPECT_LE(Game.nPlaySeconds, 13);
    // The fumble's own yards (n = rushing yards) stay short of the goal line.
    const int n = Stat(HOME, BACK, STAT_RUSHING_YARDS);
    EXPECT_GE(n, -5);
    EXPECT_LT(n, 40);
    // The play's yards are the return R less n, R in 0-110.
    EXPECT_GE(Game.nPlayYards + n, 0);
}

TEST_F(RushingPlayTest, FumbleNearTheGoalLineNeverReachesIt)
{
    auto Prepare = [&] { Build(false); g_fBase = 1000.0f; Game.nYardLine = 3; };
    for (uint32_t nSeed = 1; nSeed <= 60; ++nSeed) {
        Prepare();
        Seed_Random_Numbers(nSeed);
        Resolve_Rushing_Play(&Game, Run());
        ASSERT_EQ(Get_Play_Result(&Game.CurrentPlay) == RESULT_RUN_FUMBLE_LOST ||
                      Get_Play_Result(&Game.CurrentPlay) == RESULT_FUMBLE_RETURN_TOUCHDOWN,
                  true);
        EXPECT_LT(Stat(HOME, BACK, STAT_RUSHING_YARDS), 3) << nSeed;
    }
}

TEST_F(RushingPlayTest, OneDefenderMakesEveryTackleSolo)
{
    for (uint32_t nSeed = 1; nSeed <= 30; ++nSeed) {
        Build(false);
        g_fBase = 0.0f;
        Seed_Random_Numbers(nSeed);
        Resolve_Rushing_Play(&Game, Run());
        const int nResult = Get_Play_Result(&Game.CurrentPlay);
        if (nResult != RESULT_RUN_MIDDLE)
            continue;
        EXPECT_EQ(Stat(AWAY, DEFENDER_A, STAT_SOLO_TACKLES), 1) << nSeed;
        EXPECT_EQ(Stat(AWAY, DEFENDER_A, STAT_TACKLE_ASSISTS), 0) << nSeed;
        EXPECT_EQ(Game.CurrentPlay.nPlayer2, 102);
    }
}

TEST_F(RushingPlayTest, TwoTacklersShareAssists)
{
    bool bAssisted = false;
    for (uint32_t nSeed = 1; nSeed <= 300 && !bAssisted; ++nSeed) {
        Build(true);
        g_fBase = 0.0f;
        Seed_Random_Numbers(nSeed);
        Resolve_Rushing_Play(&Game, Run());
        if (Get_Play_Result(&Game.CurrentPlay) != RESULT_RUN_MIDDLE)
            continue;
        const int nSolo = Stat(AWAY, DEFENDER_A, STAT_SOLO_TACKLES) + Stat(AWAY, DEFENDER_B, STAT_SOLO_TACKLES);
        const int nAssists =
            Stat(AWAY, DEFENDER_A, STAT_TACKLE_ASSISTS) + Stat(AWAY, DEFENDER_B, STAT_TACKLE_ASSISTS);
        // Either one solo tackle or one assist each, never both.
        EXPECT_TRUE((nSolo == 1 && nAssists == 0) || (nSolo == 0 && nAssists == 2)) << nSeed;
        if (nAssists == 2) {
            EXPECT_EQ(Stat(AWAY, DEFENDER_A, STAT_TACKLE_ASSISTS), 1);
            bAssisted = true;
        }
    }
    EXPECT_TRUE(bAssisted);
}

TEST_F(RushingPlayTest, OutOfBoundsStopsTheLateClock)
{
    RUN_SITUATION R = Run();
    R.nSideline = 200;   // always out of bounds
    Build(false);
    g_fBase = 0.0f;
    Game.nClock = 3400;   // 200 seconds left in the 4th quarter
    Game.nScore[GAME_SIDE_HOME] = 30;   // leading: no hurry
    Seed_Random_Numbers(9);
    Resolve_Rushing_Play(&Game, R);
    if (Get_Play_Result(&Game.CurrentPlay) != RESULT_TOUCHDOWN_RUN) {
        EXPECT_NE(Game.nDown & GAME_DOWN_FLAG_OUT_OF_BOUNDS, 0u);
        EXPECT_NE(Game.nDown & GAME_DOWN_FLAG_CLOCK_STOPPED, 0u);
    }

    R.nSideline = -200;  // never
    Build(false);
    g_fBase = 0.0f;
    Game.nClock = 3400;
    Game.nScore[GAME_SIDE_HOME] = 30;
    Seed_Random_Numbers(9);
    Resolve_Rushing_Play(&Game, R);
    EXPECT_EQ(Game.nDown & (GAME_DOWN_FLAG_OUT_OF_BOUNDS | GAME_DOWN_FLAG_OUT_OF_BOUNDS_HURRY), 0u);
}

TEST_F(RushingPlayTest, RunSecondsAndYardBounds)
{
    for (uint32_t nSeed = 1; nSeed <= 100; ++nSeed) {
        Build(false);
        g_fBase = 0.0f;
        Seed_Random_Numbers(nSeed);
        Resolve_Rushing_Play(&Game, Run());
        EXPECT_GE(Game.nPlaySeconds, 6) << nSeed;
        EXPECT_LE(Game.nPlaySeconds, 10) << nSeed;
        EXPECT_GE(Game.nPlayYards, -5) << nSeed;
        EXPECT_LE(Game.nPlayYards, 40) << nSeed;
    }
}

// ---------------------------------------------------------------------------
// The replay calibration

class RushingCalibrationTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(6);
        Set_Regular_Season_Weeks(17);
        League.Universe.nStat[GAMES_PER_SEASON] = 17;
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        // Team 1 has scored 20 + 30 + 10 in three finished games; team 2's
        // target is at most 50, so its factor is 1.
        Put_Game(0, 1, 3, 20, 17, 1);
        Put_Game(1, 4, 1, 24, 30, 2);
        Put_Game(2, 1, 5, 10, 3, 3);
        Put_Game(3, 2, 3, 14, 7, 3);
        Put_Game(4, 1, 2, 7, 0, 5, 900);   // the game in progress
        Set_Season_Record(1, 0, 2, 1, 0);
        Set_Team_Stat(1, 21, 400);
        Set_Team_Stat(2, 22, 40);
    }
    GAME& Current() { return League.Game[4]; }

    GAME_CONTEXT m_Context;
    GAME_CONTEXT_BINDING m_Binding{&League.Game[4], m_Context};
};

TEST_F(RushingCalibrationTest, PaceAgainstTheTargetFollowsTheLiveScore)
{
    // p = 17 x (60 + 7) / 3 = 379.667; 400 / p = 1.0535558.
    GAME& Game = Current();
    Game.nOffense = 1;
    EXPECT_NEAR(Compute_Rushing_Calibration(&Game), 1.0535558f, 1e-5);
    EXPECT_NEAR(Get_Rushing_Calibration(&Game), 1.0535558f, 1e-5);
    // The kept sums follow the live score.
    const float fFirst = Get_Rushing_Calibration(&Game);
    Game.nScore[GAME_SIDE_AWAY] = 14;   // p = 17 x 74 / 3: 400 / p = 0.9538951
    EXPECT_NEAR(Get_Rushing_Calibration(&Game), 0.9538951f, 1e-5);
    EXPECT_EQ(Get_Rushing_Calibration(&Game), Compute_Rushing_Calibration(&Game));
    EXPECT_NE(fFirst, Get_Rushing_Calibration(&Game));
}

TEST_F(RushingCalibrationTest, KeptSumsRenewOnANewDay)
{
    GAME& Game = Current();
    Game.nOffense = 1;
    Get_Rushing_Calibration(&Game);
    League.Game[2].nScore[GAME_SIDE_AWAY] = 40;   // a change the same day does not see
    Set_User_Preference(PREF_CURRENT_WEEK, 6);
    EXPECT_EQ(Get_Rushing_Calibration(&Game), Compute_Rushing_Calibration(&Game));
    // p = 17 x 97 / 3 = 549.667: 400 / p = 0.7277138, under sqrt(0.6024096)
    // = 0.7761505, so halfway back: 0.7519322.
    EXPECT_NEAR(Get_Rushing_Calibration(&Game), 0.7519322f, 1e-5);
}

TEST_F(RushingCalibrationTest, EarlyDaysUseTheLeagueAverageTarget)
{
    Set_User_Preference(PREF_CURRENT_WEEK, 1);
    for (int t = 0; t < 6; ++t)
        Set_Team_Stat(t, 21, 300);
    Set_Team_Stat(1, 21, 390);   // average (5 x 300 + 390) / 6 = 315
    Set_Team_Stat(2, 22, 252);
    EXPECT_EQ(Get_League_Average_Team_Stat_21(), 315);
    GAME& Game = Current();
    Game.nOffense = 1;
    // ((390 / 315 + 2) / 3) x ((252 / 315 + 2) / 3) = 1.0793651 x 0.9333333
    EXPECT_NEAR(Get_Rushing_Calibration(&Game), 1.0074074f, 1e-5);
}

TEST(RunCalibration, LeagueRushAverage)
{
    // 2014: (434 + 432) / 2 = 433; 2015: (436 + 434) / 2 = 435; mean 4.34.
    EXPECT_NEAR(Get_League_Rush_Average(2015), 4.34, 1e-12);
}

}  // namespace

// Sack credits (half-sacks, sacks allowed), the pass weather factor and the
// ball-security figure, with values worked out by hand.

#include "engine/engine_test_hooks.h"
#include "engine/game_context.h"
#include "engine/sack_credits.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "base/random.h"
#include "engine/injury_services.h"
#include "engine/weather.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 1;
constexpr int HOME = 4;

constexpr int QB_SLOT = 0;
constexpr int TACKLE_SLOT = 4;
constexpr int DEFENDER_A = 1;   // defensive places 0-5
constexpr int DEFENDER_B = 2;   // defensive places 6-10

class SackCreditsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(6);
        Set_Regular_Season_Weeks(17);
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        Set_Injury_Services_Test_Hook(&Hook);

        // Offence (home): the quarterback in place 0, one tackle on the whole line.
        Put_Player(HOME, QB_SLOT, 401, POSITION_QB);
        Put_Player(HOME, TACKLE_SLOT, 405, POSITION_T);
        // Defence: two linebackers of Pass Rush 40, so every sack weight is 0
        // and the sacker is a uniform draw among the 11 places.
        Put_Player(AWAY, DEFENDER_A, 102, POSITION_LB, 40.0f);
        Put_Player(AWAY, DEFENDER_B, 103, POSITION_LB, 40.0f);
        Game.nAwayTeam = AWAY;
        Game.nHomeTeam = HOME;
        Game.nOffense = HOME;
        Game.nWindSpeed = 8;
        Game.nRosterID[GAME_SIDE_HOME][0] = 401;
        Game.nRosterID[GAME_SIDE_HOME][1] = 405;
        Game.nRosterID[GAME_SIDE_AWAY][0] = 102;
        Game.nRosterID[GAME_SIDE_AWAY][1] = 103;
        for (int p = 0; p < PLACES_ON_FIELD; ++p) {
            Game.nOnField[GAME_SIDE_HOME][p] = p == 0 ? QB_SLOT : (p >= 6 ? TACKLE_SLOT : NO_PLAYER);
            Game.nOnField[GAME_SIDE_AWAY][p] = p <= 5 ? DEFENDER_A : DEFENDER_B;
        }
        Game.CurrentPlay.nOffenseCall = 3;
        Set_Weather(WEATHER_CLOUDS);
    }

    void TearDown() override { Set_Injury_Services_Test_Hook(nullptr); }

    // A sky value and temperature of the condition (weather.h's thresholds).
    void Set_Weather(int nCondition)
    {
        struct SKY {
            int nSky;
            int nTemperature;
        };
        static const SKY SKIES[8] = {
            {80, 60},    // clouds
            {120, 20},   // flurries
            {120, 30},   // mixed
            {120, 60},   // rain
            {140, 30},   // sleet
            {140, 20},   // snow
            {140, 60},   // storms
            {10, 60},    // sunny
        };
        Game.nWeatherDraw = static_cast<uint16_t>(SKIES[nCondition].nSky);
        Game.nTemperature = static_cast<int16_t>(SKIES[nCondition].nTemperature);
    }
    // Speed and direction of the wind; the home team has the ball.
    void Set_Wind(int nSpeed, int nDirection)
    {
        Game.nWindSpeed = static_cast<int16_t>(nSpeed);
        Game.nWindDirection = static_cast<int16_t>(nDirection);
    }

    INJURY_SERVICES_TEST_HOOK Hook{};

    static int Stat(int nTeam, int nSlot, int nCode)
    {
        return Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nCode);
    }
    int Total(int bSide, int k) const { return static_cast<int16_t>(Game.nTeamTotal[bSide][k]); }

    // The raw draws of a seed as fractions.
    static double Draw(uint32_t nSeed, int n)
    {
        Seed_Random_Numbers(nSeed);
        uint32_t u = 0;
        for (int k = 0; k <= n; ++k)
            u = Generate_Random_Number();
        return Random_Word_To_Fraction(u);
    }
    static int Defender_Of_Place(int nPlace) { return nPlace <= 5 ? DEFENDER_A : DEFENDER_B; }

    GAME Game{};
    GAME_CONTEXT m_Context;
    GAME_CONTEXT_BINDING m_Binding{&Game, m_Context};
};

TEST_F(SackCreditsTest, OneSackerGetsBothHalvesAndASoloTackle)
{
    // A seed whose second draw keeps the sack to one player (trunc(100U) < 75).
    uint32_t nSeed = 1;
    while (static_cast<int>(Draw(nSeed, 1) * 100) >= 75)
        ++nSeed;
    const int nSacker = Defender_Of_Place(static_cast<int>(Draw(nSeed, 0) * 11));
    const int nOther = nSacker == DEFENDER_A ? DEFENDER_B : DEFENDER_A;
    Game.nPlayYards = -7;
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Credit_Sack(&Game, QB_SLOT), nSacker);
    EXPECT_EQ(Stat(AWAY, nSacker, 4), 2);
    EXPECT_EQ(Stat(AWAY, nSacker, 2), 1);
    EXPECT_EQ(Stat(AWAY, nSacker, 3), 0);
    EXPECT_EQ(Stat(AWAY, nOther, 4), 0);
    EXPECT_EQ(Total(GAME_SIDE_AWAY, GAME_TOTAL_SACKS_MADE), 1);
    EXPECT_EQ(Total(GAME_SIDE_AWAY, GAME_TOTAL_SACK_YARDS_MADE), 7);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_PASSING_YARDS), -7);
    EXPECT_EQ(Stat(HOME, QB_SLOT, 14), 1);
    EXPECT_EQ(Stat(HOME, QB_SLOT, 15), 7);
}

TEST_F(SackCreditsTest, TwoSackersShareTheSackAsHalvesAndAssists)
{
    // A seed with a second sacker (trunc(100U) >= 75) who differs from the first.
    uint32_t nSeed = 1;
    while (static_cast<int>(Draw(nSeed, 1) * 100) < 75 ||
           Defender_Of_Place(static_cast<int>(Draw(nSeed, 0) * 11)) ==
               Defender_Of_Place(static_cast<int>(Draw(nSeed, 2) * 11)))
        ++nSeed;
    const int nFirst = Defender_Of_Place(static_cast<int>(Draw(nSeed, 0) * 11));
    const int nSecond = nFirst == DEFENDER_A ? DEFENDER_B : DEFENDER_A;
    Game.nPlayYards = -4;
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Credit_Sack(&Game, QB_SLOT), nFirst);
    for (int nSlot : {nFirst, nSecond}) {
        EXPECT_EQ(Stat(AWAY, nSlot, 4), 1) << nSlot;
        EXPECT_EQ(Stat(AWAY, nSlot, 3), 1) << nSlot;
        EXPECT_EQ(Stat(AWAY, nSlot, 2), 0) << nSlot;
    }
    EXPECT_EQ(Total(GAME_SIDE_AWAY, GAME_TOTAL_SACKS_MADE), 1);
}

TEST_F(SackCreditsTest, TryCountsNoTeamTotalsAndANonQuarterbackNoTimesSacked)
{
    Game.nDown = CONVERSION_ATTEMPT;
    Game.CurrentPlay.nOffenseCall = 59;   // the kick call: credits still count in a try
    Game.nPlayYards = -6;
    Seed_Random_Numbers(3);
    Credit_Sack(&Game, TACKLE_SLOT);
    EXPECT_EQ(Total(GAME_SIDE_AWAY, GAME_TOTAL_SACKS_MADE), 0);
    EXPECT_EQ(Total(GAME_SIDE_AWAY, GAME_TOTAL_SACK_YARDS_MADE), 0);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_PASSING_YARDS), 0);
    EXPECT_EQ(Stat(HOME, TACKLE_SLOT, 14), 0);
    EXPECT_EQ(Stat(HOME, QB_SLOT, 14), 0);
}

TEST_F(SackCreditsTest, BlockersChargedByTheQuarterOfTheDraw)
{
    // The one lineman stands in every line place, so each charge is his.
    // r < 25: one draw of a lineman, four charges; 25-49: two draws, 2 x 2;
    // 50-74: four draws, 4 x 1; 75 and more: no draw, no charge.
    const int nDrawsByBranch[4] = {1, 2, 4, 0};
    const int nChargesByBranch[4] = {4, 4, 4, 0};
    bool bSeen[4] = {};
    for (uint32_t nSeed = 1; nSeed < 200; ++nSeed) {
        const int r = static_cast<int>(Draw(nSeed, 0) * 100);
        const int nBranch = r / 25;
        if (bSeen[nBranch])
            continue;
        bSeen[nBranch] = true;
        Put_Player(HOME, TACKLE_SLOT, 405, POSITION_T);
        Seed_Random_Numbers(nSeed);
        Charge_Sack_Blockers(&Game);
        EXPECT_EQ(Stat(HOME, TACKLE_SLOT, 4), nChargesByBranch[nBranch]) << r;
        const uint32_t nNext = Generate_Random_Number();
        EXPECT_EQ(Random_Word_To_Fraction(nNext), Draw(nSeed, 1 + nDrawsByBranch[nBranch])) << r;
    }
    EXPECT_TRUE(bSeen[0] && bSeen[1] && bSeen[2] && bSeen[3]);
}

TEST_F(SackCreditsTest, PassWeatherFactor)
{
    // Clouds and a wind factor of 1.07 (10 mph into the kicker's face, 270
    // degrees: t = 100, (100 - 30 + 1000) / 1000): 1.05 x 2.07 / 2.
    Set_Wind(10, 270);
    EXPECT_NEAR(Get_Pass_Weather_Factor(&Game), 1.08675, 1e-5);
    Set_Weather(WEATHER_SUNNY);
    Set_Wind(0, 0);
    EXPECT_NEAR(Get_Pass_Weather_Factor(&Game), 1.05, 1e-6);
    Set_Weather(WEATHER_FLURRIES);
    EXPECT_NEAR(Get_Pass_Weather_Factor(&Game), 1.025, 1e-6);
    Set_Weather(WEATHER_MIXED);
    EXPECT_NEAR(Get_Pass_Weather_Factor(&Game), 0.975, 1e-6);
    Set_Weather(WEATHER_RAIN);
    EXPECT_NEAR(Get_Pass_Weather_Factor(&Game), 0.9, 1e-6);
    Set_Weather(WEATHER_SNOW);
    EXPECT_NEAR(Get_Pass_Weather_Factor(&Game), 0.9, 1e-6);
    Set_Weather(WEATHER_SLEET);
    Set_Wind(10, 90);   // t = -100: (-100 - 30 + 1000) / 1000 = 0.87
    EXPECT_NEAR(Get_Pass_Weather_Factor(&Game), 0.75 * 1.87 / 2, 1e-5);
    Set_Weather(WEATHER_STORMS);
    Set_Wind(0, 0);
    EXPECT_NEAR(Get_Pass_Weather_Factor(&Game), 0.75, 1e-6);
    // Under a roof neither weather nor wind counts.
    Game.nWindSpeed = -1;
    EXPECT_NEAR(Get_Pass_Weather_Factor(&Game), 1.05, 1e-6);
}

TEST_F(SackCreditsTest, BallSecurityFigureByHandsAndWeather)
{
    // F = B sqrt((105 - H) / 30) 50 / W, truncated; B pinned at 1.
    const float fOne = 1.0f;
    m_Context.pBallCarrierBaseFigure = &fOne;
    Put_Player(HOME, 1, 402, POSITION_RB);
    Set_Player_Rating(HOME, 1, RATING_HANDS, 75.0f);
    Game.nWindSpeed = -1;   // indoors W 1.025: 50 / 1.025 = 48.78
    EXPECT_EQ(Get_Ball_Security_Figure(&Game, 1), 48);
    Game.nWindSpeed = 5;
    Set_Weather(WEATHER_RAIN);   // W 0.95, H 90: 50 sqrt(0.5) / 0.95 = 37.22
    Set_Player_Rating(HOME, 1, RATING_HANDS, 90.0f);
    EXPECT_EQ(Get_Ball_Security_Figure(&Game, 1), 37);
    Set_Weather(WEATHER_SLEET);  // W 0.9, H 100: 50 sqrt(1/6) / 0.9 = 22.68
    Set_Player_Rating(HOME, 1, RATING_HANDS, 100.0f);
    EXPECT_EQ(Get_Ball_Security_Figure(&Game, 1), 22);
    Set_Weather(WEATHER_FLURRIES);  // W 0.975, H 60: 50 sqrt(1.5) / 0.975 = 62.80
    Set_Player_Rating(HOME, 1, RATING_HANDS, 60.0f);
    EXPECT_EQ(Get_Ball_Security_Figure(&Game, 1), 62);
    Set_Weather(WEATHER_MIXED);  // W 1, H 75, base 1.5: 75
    const float fBase = 1.5f;
    m_Context.pBallCarrierBaseFigure = &fBase;
    Set_Player_Rating(HOME, 1, RATING_HANDS, 75.0f);
    EXPECT_EQ(Get_Ball_Security_Figure(&Game, 1), 75);
}

TEST_F(SackCreditsTest, WeakHandsAreStoredAt20AndCountAs60)
{
    const float fOne = 1.0f;   // B pinned at 1
    m_Context.pBallCarrierBaseFigure = &fOne;
    Put_Player(HOME, 1, 402, POSITION_RB);
    Set_Player_Rating(HOME, 1, RATING_HANDS, 12.0f);
    Set_Weather(WEATHER_SUNNY);  // W 1.025, H 60: 50 sqrt(1.5) / 1.025 = 59.75
    EXPECT_EQ(Get_Ball_Security_Figure(&Game, 1), 59);
    EXPECT_FLOAT_EQ(League.Team[HOME].Player[1].fRating[RATING_HANDS], 20.0f);
}

TEST_F(SackCreditsTest, ReplayLeagueDividesByTheRushingCalibration)
{
    Put_Player(HOME, 1, 402, POSITION_RB);
    Set_Player_Rating(HOME, 1, RATING_HANDS, 75.0f);
    Set_Weather(WEATHER_MIXED);
    const float fOne = 1.0f;   // B pinned at 1
    m_Context.pBallCarrierBaseFigure = &fOne;
    const float fCalibration = 1.25f;
    m_Context.pRushingCalibration = &fCalibration;
    EXPECT_EQ(Get_Ball_Security_Figure(&Game, 1), 50);   // calibration read only in a replay league
    Set_Universe_Word(REPLAY_MODE_WORD, 1);
    EXPECT_EQ(Get_Ball_Security_Figure(&Game, 1), 40);
}

}  // namespace

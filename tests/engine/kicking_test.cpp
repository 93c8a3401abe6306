// Wind, kick-offs, squib and onside kicks, punts, returns, the kneel-down and
// the weather condition of a game.

#include "engine/kicking.h"

#include <cmath>

#include "base/random.h"
#include "engine/game_state.h"
#include "engine/narration.h"
#include "engine/playbooks.h"
#include "engine/weather.h"
#include "league/cities.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 0;
constexpr int HOME = 1;

TEST(WeatherConditionTest, SkyAndTemperature)
{
    EXPECT_EQ(Get_Weather_Condition(0, 70), WEATHER_SUNNY);
    EXPECT_EQ(Get_Weather_Condition(59, 10), WEATHER_SUNNY);
    EXPECT_EQ(Get_Weather_Condition(60, 70), WEATHER_CLOUDS);
    EXPECT_EQ(Get_Weather_Condition(114, 20), WEATHER_CLOUDS);
    EXPECT_EQ(Get_Weather_Condition(115, 28), WEATHER_FLURRIES);
    EXPECT_EQ(Get_Weather_Condition(132, 28), WEATHER_SNOW);
    EXPECT_EQ(Get_Weather_Condition(115, 29), WEATHER_MIXED);
    EXPECT_EQ(Get_Weather_Condition(140, 34), WEATHER_SLEET);
    EXPECT_EQ(Get_Weather_Condition(131, 80), WEATHER_RAIN);
    EXPECT_EQ(Get_Weather_Condition(144, 49), WEATHER_RAIN);
    EXPECT_EQ(Get_Weather_Condition(144, 50), WEATHER_STORMS);
    EXPECT_EQ(Get_Weather_Condition(500, 50), WEATHER_STORMS);   // held to 144
    EXPECT_EQ(Get_Weather_Condition(-5, 50), WEATHER_SUNNY);
}

TEST(KickModelTest, EraTermFairCatchAndTouchdownChances)
{
    EXPECT_EQ(Get_Kickoff_Era_Term(2020), 2);    // 40 / 4 - 8
    EXPECT_EQ(Get_Kickoff_Era_Term(1983), -8);
    EXPECT_EQ(Get_Kickoff_Era_Term(1970), -8);
    // 2020: Q held to 220; (220 x ((45 - 40) x 2 + 30) + 50) / 100 = 88.
    EXPECT_EQ(Get_Fair_Catch_Chance(2020, 45.6, 40, 30), 88);
    // 1980: Q = 136; (136 x 40 + 50) / 100 = 54.
    EXPECT_EQ(Get_Fair_Catch_Chance(1980, 45.6, 40, 30), 54);
    EXPECT_EQ(Get_Fair_Catch_Chance(2020, 45.6, 40, 9), 0);    // inside the 10
    EXPECT_EQ(Get_Fair_Catch_Chance(2020, 45.6, 40, 10), 88);
    // Kick-off returns: 0.006 x (70 + 70 - 70) / 70; halved on a squib.
    EXPECT_DOUBLE_EQ(Get_Kick_Return_Touchdown_Chance(2020, 70, 70, false), 0.006);
    EXPECT_DOUBLE_EQ(Get_Kick_Return_Touchdown_Chance(2020, 70, 70, true), 0.003);
    EXPECT_DOUBLE_EQ(Get_Kick_Return_Touchdown_Chance(2020, 59, 99, false), 0.0);
    // 2000: 0.006 + 0.017 held to 0.014; x (80 + 90 - 70) / 70.
    EXPECT_NEAR(Get_Kick_Return_Touchdown_Chance(2000, 80, 90, false), 0.02, 1e-12);
    // 2014: 0.009.
    EXPECT_NEAR(Get_Kick_Return_Touchdown_Chance(2014, 70, 70, false), 0.009, 1e-12);
    // Punt returns 2010: 0.017 held to 0.015; x (70 + 70 + 70 - 160) / 80.
    EXPECT_NEAR(Get_Punt_Return_Touchdown_Chance(2010, 70, 70, 70), 0.009375, 1e-12);
    EXPECT_NEAR(Get_Punt_Return_Touchdown_Chance(2020, 60, 60, 60), 0.0025, 1e-12);
    EXPECT_DOUBLE_EQ(Get_Punt_Return_Touchdown_Chance(2020, 59.9f, 99, 99), 0.0);
}

class KickingTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Build_Team_Default_Playbook(AWAY);
        Build_Team_Default_Playbook(HOME);
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2020;
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        Set_Regular_Season_Weeks(17);
        League.City[0].nStat[CITY_STAT_ALTITUDE] = 500;
        Seed_Random_Numbers(777);
        // The home side kicks: place 0 the kicker; the away side returns: place 0 the returner.
        for (int p = 0; p < PLACES_ON_FIELD; ++p) {
            Put_Player(HOME, p, 100 + p, p == 0 ? POSITION_K : POSITION_LB);
            Put_Player(AWAY, 20 + p, 200 + p, p == 0 ? POSITION_WR : POSITION_LB);
            m_Game.nOnField[GAME_SIDE_HOME][p] = static_cast<uint8_t>(p);
            m_Game.nOnField[GAME_SIDE_AWAY][p] = static_cast<uint8_t>(20 + p);
        }
        m_Game.nAwayTeam = AWAY;
        m_Game.nHomeTeam = HOME;
        m_Game.nWindSpeed = -1;
        m_Game.nWindDirection = -1;
        m_Game.nWeek = 5;
    }

    void Kick_From(int nYardLine, int nCall = 0)
    {
        Start_Play_Record(&m_Game);
        m_Game.nOffense = HOME;
        m_Game.nYardLine = static_cast<int8_t>(nYardLine);
        m_Game.nDown = KICKOFF_DOWN;
        m_Game.CurrentPlay.nOffenseCall = static_cast<uint8_t>(nCall);
    }

    GAME m_Game{};
};

TEST_F(KickingTest, WindFactor)
{
    EXPECT_FLOAT_EQ(Get_Wind_Factor(&m_Game), 1.0f);   // indoors
    m_Game.nWindSpeed = 10;
    m_Game.nWindDirection = 90;
    m_Game.nOffense = AWAY;
    EXPECT_FLOAT_EQ(Get_Wind_Factor(&m_Game), 1.07f);   // t = 9,045 / 90 = 100
    m_Game.nOffense = HOME;
    EXPECT_FLOAT_EQ(Get_Wind_Factor(&m_Game), 0.87f);
    // 300 degrees reads as -60: a = -60, t = floor(-5,955 / 90) = -67.
    m_Game.nWindDirection = 300;
    m_Game.nOffense = AWAY;
    EXPECT_FLOAT_EQ(Get_Wind_Factor(&m_Game), 0.903f);
    // 180 degrees: a = 0, t = 0: only the 3 S of any wind.
    m_Game.nWindDirection = 180;
    EXPECT_FLOAT_EQ(Get_Wind_Factor(&m_Game), 0.97f);
}

TEST_F(KickingTest, KickReturnYardsSpread)
{
    // KR, Vision, Quickness 70: B = 250 x 24 / 320 = 18.75; M in [0.16, 2.56):
    // 3 to 47 yards. Speed 50 rules out a touchdown.
    Set_Player_Rating(AWAY, 20, RATING_SPEED, 50.0f);
    double fSum = 0;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const int R = Roll_Kick_Return_Yards(AWAY, 20, false);
        ASSERT_GE(R, 3);
        ASSERT_LE(R, 47);
        fSum += R;
    }
    // E[M] = 1: the mean is B less about half a yard of truncation.
    EXPECT_NEAR(fSum / n, 18.25, 0.4);
    // A squib: B = 13.125, 2 to 33 yards.
    for (int i = 0; i < 2000; ++i) {
        const int R = Roll_Kick_Return_Yards(AWAY, 20, true);
        ASSERT_GE(R, 2);
        ASSERT_LE(R, 33);
    }
}

TEST_F(KickingTest, PuntReturnYardsSpread)
{
    // D equal to the league average: B = (280 + 70 - 170) x 8 / 255 = 5.647;
    // 0 truncated to at least 1, at most trunc(2.56 B) = 14.
    Set_Player_Rating(AWAY, 20, RATING_SPEED, 50.0f);
    const int D = static_cast<int>(Get_League_Punt_Average() * 1000) / 1000;
    for (int i = 0; i < 5000; ++i) {
        const int R = Roll_Punt_Return_Yards(AWAY, 20, D);
        ASSERT_GE(R, 1);
        ASSERT_LE(R, 14);
    }
}

TEST_F(KickingTest, KickoffTouchbackOrReturn)
{
    int nTouchbacks = 0;
    for (int i = 0; i < 500; ++i) {
        Kick_From(65);
        Run_Kickoff(&m_Game);
        ASSERT_EQ(m_Game.nOffense, AWAY);
        const int nResult = Get_Play_Result(&m_Game.CurrentPlay);
        if (nResult == RESULT_KICKOFF_TOUCHBACK) {
            ++nTouchbacks;
            ASSERT_EQ(m_Game.nYardLine, 80);
            ASSERT_EQ(m_Game.CurrentPlay.nYard2, 80);
            ASSERT_EQ(m_Game.nPlayYards, 0);
            ASSERT_EQ(m_Game.CurrentPlay.nPlayer1, 200);
        } else {
            ASSERT_TRUE(nResult == RESULT_KICKOFF_RETURNED || nResult == RESULT_KICKOFF_RETURN_TOUCHDOWN);
            // The return starts where the ball came down, inside the field.
            const int nLanding = m_Game.CurrentPlay.nYard2 + m_Game.nPlayYards;
            ASSERT_EQ(nLanding, m_Game.nYardLine);
            ASSERT_LT(nLanding, 100);
            if (nResult == RESULT_KICKOFF_RETURN_TOUCHDOWN)
                ASSERT_EQ(m_Game.nPlayYards, m_Game.nYardLine);
            else
                ASSERT_LT(m_Game.nPlayYards, m_Game.nYardLine);
        }
    }
    // From the 35 in 2020 (E = 2, K 70: leg trunc(14 + u/5 - 16) = -2 or -1,
    // 50 + 2 - 2 + 0..30, x 1.025): landing at 15 minus the triangular term, a
    // touchback whenever that term reaches 15 or so: about half the kicks.
    EXPECT_GT(nTouchbacks, 150);
    EXPECT_LT(nTouchbacks, 350);
    // Touchbacks to the 25.
    Set_User_Preference(PREF_TOUCHBACK_TO_25, 1);
    for (int i = 0; i < 200; ++i) {
        // From the own 20, leg 20: at most (50 + 2 - 12 + 30) x 1.025 = 71.75.
        Set_Player_Rating(HOME, 0, RATING_FG_DISTANCE, 20.0f);
        Kick_From(80);
        Run_Kickoff(&m_Game);
        ASSERT_NE(Get_Play_Result(&m_Game.CurrentPlay), RESULT_KICKOFF_TOUCHBACK);
        ASSERT_GE(m_Game.CurrentPlay.nYard2 + m_Game.nPlayYards, 100 - 80 + 3);
        Kick_From(65);
        Set_Player_Rating(HOME, 0, RATING_FG_DISTANCE, 100.0f);
        Run_Kickoff(&m_Game);
        if (Get_Play_Result(&m_Game.CurrentPlay) == RESULT_KICKOFF_TOUCHBACK) {
            ASSERT_EQ(m_Game.nYardLine, 75);
            ASSERT_EQ(m_Game.CurrentPlay.nYard2, 80);
        }
    }
}

TEST_F(KickingTest, SquibKickLandsShort)
{
    Set_Player_Rating(HOME, 0, RATING_FG_DISTANCE, 100.0f);
    for (int i = 0; i < 1000; ++i) {
        Kick_From(65, 1);
        Run_Kickoff(&m_Game);
        ASSERT_NE(Get_Play_Result(&m_Game.CurrentPlay), RESULT_KICKOFF_TOUCHBACK);
        // D <= 65 - 5 - (0..20): landing at least 5 yards out, receiving yard line at most 95.
        const int nLanding = m_Game.CurrentPlay.nYard2 + m_Game.nPlayYards;
        ASSERT_LE(nLanding, 95);
    }
}

TEST_F(KickingTest, OnsideKickRecoveredOneTimeInFour)
{
    int nKept = 0;
    const int n = 4000;
    for (int i = 0; i < n; ++i) {
        Kick_From(65);
        Run_Onside_Kick(&m_Game);
        const int nResult = Get_Play_Result(&m_Game.CurrentPlay);
        ASSERT_EQ(m_Game.nPlayYards, 0);
        ASSERT_GE(m_Game.nPlaySeconds, 7);
        ASSERT_LE(m_Game.nPlaySeconds, 10);
        ASSERT_EQ(m_Game.CurrentPlay.nYard2, m_Game.nYardLine);
        if (nResult == RESULT_ONSIDE_KICK_KEPT) {
            ++nKept;
            ASSERT_EQ(m_Game.nOffense, HOME);
            ASSERT_GE(m_Game.nYardLine, 65 - 24);
            ASSERT_LE(m_Game.nYardLine, 65 - 10);
        } else {
            ASSERT_EQ(nResult, RESULT_ONSIDE_KICK_LOST);
            ASSERT_EQ(m_Game.nOffense, AWAY);
            ASSERT_GE(m_Game.nYardLine, 100 - 55);
            ASSERT_LE(m_Game.nYardLine, 100 - 41);
        }
    }
    // 1,000 expected; sd 27.
    EXPECT_NEAR(nKept, 1000, 110);
}

TEST_F(KickingTest, PuntNeverGoesBackwards)
{
    for (int nSpot : {1, 2}) {
        for (int i = 0; i < 100; ++i) {
            Kick_From(nSpot);
            m_Game.nDown = FOURTH_DOWN_CODE;
            Run_Punt(&m_Game);
            ASSERT_EQ(m_Game.CurrentPlay.nYard1, 0);
            ASSERT_EQ(m_Game.nOffense, AWAY);
            ASSERT_EQ(Get_Game_Down_Code(&m_Game), FURTHER_KICK_DOWN);
        }
    }
    EXPECT_EQ(m_Game.nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_PUNT_YARDS], 0);
    EXPECT_EQ(m_Game.bTeamStat[GAME_SIDE_HOME][GAME_STAT_PUNTS], 200);
}

TEST_F(KickingTest, PuntsFromMidfield)
{
    Set_Player_Rating(HOME, 0, RATING_PUNT_ACCURACY, 20.0f);   // nothing is placed short
    const double A = Get_League_Punt_Average();
    // Base = 1.025 x (70 / 3 + 70) x A / 93.333336 = 1.025 A, then x 1.06;
    // spread [0.7225, 1.3225) plus a roll of under 15 yards.
    const double fBase = 1.025 * (70.0 / 3.0 + 70.0) * A / 93.333336 * 1.06;
    for (int i = 0; i < 500; ++i) {
        Kick_From(60);
        m_Game.nDown = FOURTH_DOWN_CODE;
        Run_Punt(&m_Game);
        const int nResult = Get_Play_Result(&m_Game.CurrentPlay);
        const int D = m_Game.CurrentPlay.nYard1;
        ASSERT_GE(D, static_cast<int>(fBase * 0.7225));
        ASSERT_LT(D, fBase * 1.3225 + 15);
        ASSERT_EQ(m_Game.nOffense, AWAY);
        ASSERT_EQ(m_Game.CurrentPlay.nPlayer2, 100);
        if (nResult == RESULT_PUNT_TOUCHBACK) {
            ASSERT_GE(D, 60);
            ASSERT_EQ(m_Game.nYardLine, 80);
            ASSERT_EQ(m_Game.CurrentPlay.nPlayer1, -1);
        } else {
            // The receiving team stands at 100 - (60 - D) before its return.
            ASSERT_EQ(m_Game.nYardLine, 100 - (60 - D));
            ASSERT_EQ(m_Game.nPlayYards, m_Game.CurrentPlay.nYard2);
        }
    }
}

TEST_F(KickingTest, PuntIntoTheEndZonePlacedShortByAnAccuratePunter)
{
    // From the opponent's 35: Base at most 33 x 1.06; an accuracy of 100 always
    // beats 50 + 50U: a ball reaching the end zone is downed at the 1-9.
    Set_Player_Rating(HOME, 0, RATING_PUNT_ACCURACY, 100.0f);
    Set_Player_Rating(HOME, 0, RATING_PUNT_DISTANCE, 100.0f);
    for (int i = 0; i < 300; ++i) {
        Kick_From(35);
        m_Game.nDown = FOURTH_DOWN_CODE;
        Run_Punt(&m_Game);
        ASSERT_NE(Get_Play_Result(&m_Game.CurrentPlay), RESULT_PUNT_TOUCHBACK);
        ASSERT_LE(m_Game.CurrentPlay.nYard1, 34);
    }
}

TEST_F(KickingTest, KneelDown)
{
    int nKneel = -1;
    for (int c = 0; c < 60 && nKneel < 0; ++c)
        if (Is_Kneel_Down_Play(HOME, c))
            nKneel = c;
    ASSERT_GE(nKneel, 0);
    Kick_From(50, nKneel);
    m_Game.nDown = 1 | GAME_DOWN_FLAGS_CHANGED_HANDS;
    Run_Kneel_Down(&m_Game);
    EXPECT_EQ(Get_Play_Result(&m_Game.CurrentPlay), RESULT_RUN_MIDDLE);
    EXPECT_EQ(m_Game.nPlayYards, -1);
    EXPECT_EQ(m_Game.CurrentPlay.nYard1, -1);
    EXPECT_EQ(m_Game.nDown & GAME_DOWN_FLAGS_CHANGED_HANDS, 0u);
    EXPECT_GE(m_Game.nPlaySeconds, 7);
    EXPECT_LE(m_Game.nPlaySeconds, 9);
    // From the own 1: a safety, still -1 yard, leaving the ball at 100.
    Kick_From(99, nKneel);
    m_Game.nDown = 0;
    Run_Kneel_Down(&m_Game);
    EXPECT_EQ(Get_Play_Result(&m_Game.CurrentPlay), RESULT_SAFETY);
    EXPECT_EQ(m_Game.nPlayYards, -1);
    // A call without a carrier (59, the field goal) kneels with place 0.
    Kick_From(98, 59);
    Run_Kneel_Down(&m_Game);
    EXPECT_EQ(Get_Play_Result(&m_Game.CurrentPlay), RESULT_RUN_MIDDLE);
    EXPECT_EQ(m_Game.CurrentPlay.nPlayer1, 100);
}

TEST_F(KickingTest, FourthDownKneelInOvertimeWithoutTies)
{
    int nKneel = -1;
    for (int c = 0; c < 60 && nKneel < 0; ++c)
        if (Is_Kneel_Down_Play(HOME, c))
            nKneel = c;
    ASSERT_GE(nKneel, 0);
    // 10-minute overtime periods; clock 4,195: 600 - 595 = 5 seconds left in the period.
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 10);
    const auto Calls_For_Kneel = [&](int nRule) {
        Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, nRule);
        Kick_From(50, nKneel);
        m_Game.nDown = FOURTH_DOWN_CODE;
        m_Game.nClock = 4195;
        m_Game.nPlaySeconds = 0;
        const uint32_t nBefore = Get_Play_Commentary_Call_Count();
        Run_Kneel_Down(&m_Game);
        return Get_Play_Commentary_Call_Count() - nBefore;
    };
    // Ties allowed: 5 seconds left, the kneel's 7-9 seconds end the period: no turnover line.
    EXPECT_EQ(Calls_For_Kneel(OVERTIME_SUDDEN_DEATH), 1u);
    // No ties: the game has 9,000 seconds left, so the ball goes over on downs.
    EXPECT_EQ(Calls_For_Kneel(OVERTIME_SUDDEN_DEATH_NO_TIES), 2u);
}

}  // namespace

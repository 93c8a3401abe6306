// Field-goal chances by distance, accuracy, range and era; the season drift;
// extra-point chances by the conversion-spot rule; the kick weather factor;
// the spots after a miss.

#include "engine/field_goals.h"

#include <cmath>

#include "base/random.h"
#include "engine/kicking.h"
#include "engine/watched_game.h"
#include "engine/weather.h"
#include "league/cities.h"
#include "league/historical.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 0;
constexpr int HOME = 1;

TEST(FieldGoalCurveTest, ModernEraSureRangeOf40)
{
    // H 850: h 85, S 40; A 70: a 0.975, b 0.75.
    EXPECT_DOUBLE_EQ(Get_Field_Goal_Curve(15.0, 70.0, 50.0, 850), 0.975);
    // t = 10 / 40: 0.75 x 0.975 + 0.25 x 0.75.
    EXPECT_DOUBLE_EQ(Get_Field_Goal_Curve(30.0, 70.0, 50.0, 850), 0.91875);
    EXPECT_DOUBLE_EQ(Get_Field_Goal_Curve(40.0, 70.0, 50.0, 850), 0.75);
    // t = 5 / 10: halfway from 0.75 to 0.65.
    EXPECT_NEAR(Get_Field_Goal_Curve(45.0, 70.0, 50.0, 850), 0.70, 1e-12);
    // 3 yards beyond the range: 0.65 - 0.3.
    EXPECT_NEAR(Get_Field_Goal_Curve(53.0, 70.0, 50.0, 850), 0.35, 1e-12);
    EXPECT_NEAR(Get_Field_Goal_Curve(56.5, 70.0, 50.0, 850), 0.0, 1e-12);
}

TEST(FieldGoalCurveTest, AccuracyAndEra)
{
    // A 88: a = 18 / 1800 + 0.975 = 0.985; b = 18 / 160 + 0.75 = 0.8625.
    EXPECT_NEAR(Get_Field_Goal_Curve(10.0, 88.0, 55.0, 850), 0.985, 1e-12);
    EXPECT_NEAR(Get_Field_Goal_Curve(40.0, 88.0, 55.0, 850), 0.8625, 1e-12);
    // H 587 (h 58 in whole tenths): S = 128 / 150 x 40 = 34.1333; a kick of
    // 34.1333 yards or more is past the sure range.
    const double S = 128.0 / 150.0 * 40.0;
    EXPECT_NEAR(Get_Field_Goal_Curve(S, 70.0, 44.1333333333, 587), 0.75, 1e-9);
    // t = 10 / S inside it.
    const double t = 10.0 / S;
    EXPECT_NEAR(Get_Field_Goal_Curve(30.0, 70.0, 50.0, 587), (1 - t) * 0.975 + t * 0.75, 1e-12);
    // H 200: (20 + 70) / 150 x 40 = 24 gives way to the least sure range 25.
    EXPECT_NEAR(Get_Field_Goal_Curve(25.0, 70.0, 35.0, 200), 0.75, 1e-12);
}

TEST(FieldGoalCurveTest, RangeInsideTheSureRangeFallsStraightOff)
{
    // Rm 35 < S 40: a 40-yard kick is 5 yards past the range.
    const double p = Get_Field_Goal_Curve(40.0, 70.0, 35.0, 850);
    EXPECT_TRUE(std::isfinite(p));
    EXPECT_NEAR(p, 0.15, 1e-12);
    EXPECT_NEAR(Get_Field_Goal_Curve(40.0, 70.0, 40.0, 850), 0.65, 1e-12);
}

TEST(FieldGoalCurveTest, SeasonDrift)
{
    // Week 8: n = 10 / 5 = 2; (850 / 800)^2.
    EXPECT_DOUBLE_EQ(Get_Field_Goal_Drift(850, 800, 8, 500), 1.12890625);
    EXPECT_DOUBLE_EQ(Get_Field_Goal_Drift(850, 800, 2, 100), 1.0);   // before week 3
    EXPECT_DOUBLE_EQ(Get_Field_Goal_Drift(850, 800, 3, 200), 1.0625);   // n = 5 / 5 = 1 from week 3
    EXPECT_DOUBLE_EQ(Get_Field_Goal_Drift(850, 800, 4, 200), 1.0625);
    EXPECT_DOUBLE_EQ(Get_Field_Goal_Drift(850, 800, 16, 901), 1.0);  // season nearly done
    EXPECT_DOUBLE_EQ(Get_Field_Goal_Drift(850, 20, 8, 500), 1.0);    // no stored level
}

TEST(FieldGoalCurveTest, DistanceBands)
{
    EXPECT_EQ(Get_Field_Goal_Band_Stat(29), 10);
    EXPECT_EQ(Get_Field_Goal_Band_Stat(30), 12);
    EXPECT_EQ(Get_Field_Goal_Band_Stat(49), 14);
    EXPECT_EQ(Get_Field_Goal_Band_Stat(50), 16);
}

class FieldGoalGameTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2020;
        Set_User_Preference(PREF_CURRENT_WEEK, 1);
        Set_Regular_Season_Weeks(17);
        League.City[0].nStat[CITY_STAT_ALTITUDE] = 500;
        for (int p = 0; p < PLACES_ON_FIELD; ++p) {
            Put_Player(HOME, p, 100 + p, p == 1 ? POSITION_K : POSITION_WR);
            Put_Player(AWAY, 20 + p, 200 + p, POSITION_LB);
            m_Game.nOnField[GAME_SIDE_HOME][p] = static_cast<uint8_t>(p);
            m_Game.nOnField[GAME_SIDE_AWAY][p] = static_cast<uint8_t>(20 + p);
        }
        m_Game.nAwayTeam = AWAY;
        m_Game.nHomeTeam = HOME;
        m_Game.nOffense = HOME;
        m_Game.nWindSpeed = -1;
        m_Game.nWindDirection = -1;
        m_Game.nWeek = 1;
        Start_Play_Record(&m_Game);
    }

    GAME m_Game{};
};

TEST_F(FieldGoalGameTest, KickWeatherFactor)
{
    // Under a roof at 500 feet: 1.025.
    EXPECT_FLOAT_EQ(Get_Kick_Weather_Factor(&m_Game), 1.025f);
    // Open air, calm, rain at 5,780 feet: 0.95 + 0 + 5,280 / 60,000.
    m_Game.nWindSpeed = 0;
    m_Game.nWindDirection = 0;
    m_Game.nWeatherDraw = 120;
    m_Game.nTemperature = 45;
    League.City[0].nStat[CITY_STAT_ALTITUDE] = 5780;
    EXPECT_NEAR(Get_Kick_Weather_Factor(&m_Game), 0.95 + 0.088, 1e-6);
    // ...but not in the final (the sixth playoff day).
    m_Game.nWeek = 17 + 5;
    EXPECT_NEAR(Get_Kick_Weather_Factor(&m_Game), 0.95, 1e-6);
    // A damaged altitude cannot take the factor to 0 or below.
    League.City[0].nStat[CITY_STAT_ALTITUDE] = -1000000;
    m_Game.nWeek = 1;
    EXPECT_FLOAT_EQ(Get_Kick_Weather_Factor(&m_Game), KICK_WEATHER_FACTOR_MIN);
}

TEST_F(FieldGoalGameTest, ExtraPointChanceByConversionRule)
{
    const float H = static_cast<float>(Get_Current_Average_Stat(124));
    const float q = (1.0f - H / 1000.0f) / 0.21f;
    // Rule 0 (from the 2), A 70: m = q x (0.053 - 0.035) x 1 / 1.025.
    Set_User_Preference(PREF_CONVERSION_SPOT_RULE, 0);
    EXPECT_NEAR(Get_Extra_Point_Chance(&m_Game, HOME, 1), 1.0f - q * 0.018f / 1.025f, 1e-5);
    // Rule 1 (from the 15): slope 4, base 0.02.
    Set_User_Preference(PREF_CONVERSION_SPOT_RULE, 1);
    EXPECT_NEAR(Get_Extra_Point_Chance(&m_Game, HOME, 1), 1.0f - q * (0.018f * 4 + 0.02f) / 1.025f, 1e-5);
    // Rule 9 reads as 3: slope 7, base 0.12.
    Set_User_Preference(PREF_CONVERSION_SPOT_RULE, 9);
    EXPECT_NEAR(Get_Extra_Point_Chance(&m_Game, HOME, 1), 1.0f - q * (0.018f * 7 + 0.12f) / 1.025f, 1e-5);
    // Accuracy 99 counts as 95: (0.053 - 0.0475) x 7 + 0.12.
    Set_Player_Rating(HOME, 1, RATING_FG_ACCURACY, 99.0f);
    const float p95 = 1.0f - q * (0.0055f * 7 + 0.12f) / 1.025f;
    EXPECT_NEAR(Get_Extra_Point_Chance(&m_Game, HOME, 1), p95, 1e-5);
    Set_Player_Rating(HOME, 1, RATING_FG_ACCURACY, 95.0f);
    EXPECT_FLOAT_EQ(Get_Extra_Point_Chance(&m_Game, HOME, 1), p95);
    // A bad slot kicks with accuracy 20.
    EXPECT_NEAR(Get_Extra_Point_Chance(&m_Game, HOME, 255), 1.0f - q * (0.043f * 7 + 0.12f) / 1.025f, 1e-5);
}

TEST_F(FieldGoalGameTest, ConversionSpots)
{
    const int SPOTS[] = {2, 15, 20, 25, 30, 2};
    for (int r = 0; r <= 5; ++r) {
        Set_User_Preference(PREF_CONVERSION_SPOT_RULE, r);
        EXPECT_EQ(Get_Conversion_Spot(), SPOTS[r]) << r;
    }
}

TEST_F(FieldGoalGameTest, KickBeyondSeventyAdjustedYardsMisses)
{
    // From the 55 with the posts at the back: 72 yards.
    Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 0);
    Set_User_Preference(PREF_MISSED_FIELD_GOAL_SPOT_RULE, 0);
    Clear_Field_Goal_Tallies();
    for (int i = 0; i < 50; ++i) {
        Start_Play_Record(&m_Game);
        m_Game.nOffense = HOME;
        m_Game.nYardLine = 55;
        Run_Field_Goal(&m_Game);
        ASSERT_EQ(Get_Play_Result(&m_Game.CurrentPlay), RESULT_FIELD_GOAL_MISSED);
        // The defence takes over at the spot of the kick: 100 - 55 - 7.
        ASSERT_EQ(m_Game.nYardLine, 38);
        ASSERT_EQ(m_Game.nOffense, AWAY);
        ASSERT_EQ(m_Game.CurrentPlay.nYard1, 72);
        ASSERT_EQ(Get_Game_Down_Code(&m_Game), FURTHER_KICK_DOWN);
    }
    EXPECT_EQ(Get_Field_Goal_Tally(72, false), 50);
    EXPECT_EQ(Get_Field_Goal_Tally(72, true), 0);
    EXPECT_EQ(m_Game.nScore[GAME_SIDE_HOME], 0);
}

TEST_F(FieldGoalGameTest, MissedFieldGoalSpots)
{
    // A kick of 67 yards (the 60, posts on the goal line) by a kicker of
    // range 31 ((5 x 20 + 20) / 15 + 23): 0.65 - (65.4 - 31) / 10 < 0.
    Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 1);
    Set_Player_Rating(HOME, 1, RATING_FG_DISTANCE, 20.0f);
    Set_Player_Rating(HOME, 1, RATING_FG_ACCURACY, 20.0f);
    struct Case { int nRule; int nSpot; };
    // After the change the defence stands at 40: rule 0 back to the kick's
    // spot (33), rule 2 the 20 (80), rule 1 where it stands (40).
    for (Case c : {Case{0, 33}, Case{2, 80}, Case{1, 40}}) {
        Set_User_Preference(PREF_MISSED_FIELD_GOAL_SPOT_RULE, c.nRule);
        Start_Play_Record(&m_Game);
        m_Game.nOffense = HOME;
        m_Game.nYardLine = 60;
        Run_Field_Goal(&m_Game);
        EXPECT_EQ(Get_Play_Result(&m_Game.CurrentPlay), RESULT_FIELD_GOAL_MISSED);
        EXPECT_EQ(m_Game.nYardLine, c.nSpot) << c.nRule;
    }
    // A miss from the 5 (12 yards) leaves the defence at most on its 20.
    // (Inside 20 yards a kicker of accuracy 20 makes 0.947: draw until a miss.)
    Set_User_Preference(PREF_MISSED_FIELD_GOAL_SPOT_RULE, 1);
    for (int i = 0; i < 400; ++i) {
        Start_Play_Record(&m_Game);
        m_Game.nOffense = HOME;
        m_Game.nYardLine = 5;
        Run_Field_Goal(&m_Game);
        if (Get_Play_Result(&m_Game.CurrentPlay) == RESULT_FIELD_GOAL_MISSED) {
            EXPECT_EQ(m_Game.nYardLine, 80);
            return;
        }
    }
    ADD_FAILURE() << "no miss in 400 short kicks";
}

TEST_F(FieldGoalGameTest, MadeFieldGoalScoresAndRecordsTheLongest)
{
    // From the 10 with the posts at the goal line: 17 yards, chance a = 0.975
    // for accuracy 70 (before the drift, which week 1 does not apply).
    Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 1);
    int nMade = 0;
    for (int i = 0; i < 400; ++i) {
        Start_Play_Record(&m_Game);
        m_Game.nOffense = HOME;
        m_Game.nYardLine = 10;
        const int nScore = m_Game.nScore[GAME_SIDE_HOME];
        Run_Field_Goal(&m_Game);
        if (Get_Play_Result(&m_Game.CurrentPlay) == RESULT_FIELD_GOAL_GOOD) {
            ++nMade;
            ASSERT_EQ(m_Game.nScore[GAME_SIDE_HOME], nScore + 3);
            ASSERT_EQ(m_Game.nOffense, HOME);
            ASSERT_EQ(m_Game.CurrentPlay.nPlayer1, 101);
            ASSERT_TRUE((m_Game.nDown & GAME_DOWN_FLAG_CLOCK_STOPPED) != 0);
            ASSERT_GE(m_Game.nPlaySeconds, 5);
            ASSERT_LE(m_Game.nPlaySeconds, 7);
        } else {
            m_Game.nOffense = HOME;
        }
    }
    // 390 expected; 4 standard deviations is about 12.
    EXPECT_NEAR(nMade, 390, 14);
}

// The score box the view was last asked to draw, and how often.
struct DRAWN_BOX {
    int nCalls = 0;
    int nScore[2] = {0, 0};
};
DRAWN_BOX g_Drawn;

void Record_Drawn_Box(const GAME* pGame)
{
    ++g_Drawn.nCalls;
    g_Drawn.nScore[0] = pGame->nScore[0];
    g_Drawn.nScore[1] = pGame->nScore[1];
}

// A made field goal and a made extra point are drawn in the corner score box
// with the points they scored; a miss is drawn too.
TEST_F(FieldGoalGameTest, KicksDrawTheScoreBox)
{
    WATCHED_GAME_VIEW View;
    View.pfnDrawScoreBox = Record_Drawn_Box;
    Install_Watched_Game_View(&View);
    g_Drawn = DRAWN_BOX{};
    Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 1);
    int nGood[2] = {0, 0};
    for (int i = 0; i < 40; ++i) {
        Start_Play_Record(&m_Game);
        m_Game.nOffense = HOME;
        m_Game.nYardLine = 10;
        const int nCalls = g_Drawn.nCalls;
        Run_Field_Goal(&m_Game);
        ASSERT_EQ(g_Drawn.nCalls, nCalls + 1);
        ASSERT_EQ(g_Drawn.nScore[GAME_SIDE_HOME], m_Game.nScore[GAME_SIDE_HOME]);
        nGood[0] += Get_Play_Result(&m_Game.CurrentPlay) == RESULT_FIELD_GOAL_GOOD;
        Start_Play_Record(&m_Game);
        m_Game.nOffense = HOME;
        Run_Extra_Point(&m_Game);
        ASSERT_EQ(g_Drawn.nCalls, nCalls + 2);
        ASSERT_EQ(g_Drawn.nScore[GAME_SIDE_HOME], m_Game.nScore[GAME_SIDE_HOME]);
        nGood[1] += Get_Play_Result(&m_Game.CurrentPlay) == RESULT_EXTRA_POINT_GOOD;
    }
    Install_Watched_Game_View(nullptr);
    EXPECT_GT(nGood[0], 30);
    EXPECT_GT(nGood[1], 0);
    EXPECT_EQ(m_Game.nScore[GAME_SIDE_HOME], 3 * nGood[0] + nGood[1]);
}

}  // namespace

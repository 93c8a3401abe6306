// Predicted season lines: written from ratings, completed against a norm of
// playing time, the template seasons and the longest-kick estimates, with
// hand-worked values.
#include <cmath>
#include <limits>

#include "../league/player_fixture.h"
#include "base/random.h"
#include "engine/event_players.h"
#include "league/historical.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "season/player_development.h"
#include "season/predicted_stats.h"
#include "season/stat_based_rating.h"

namespace {

constexpr int P = STAT_PERIOD_PREDICTED;

class PredictedStatsTest : public PlayerTest {
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        Use_Franchises(1);
    }
    static int S(int nStat, int nSlot = 0) { return Get_Player_Stat(0, nSlot, P, nStat); }
    static void Put(int nStat, int nValue, int nSlot = 0) { Set_Player_Stat(0, nSlot, P, nStat, nValue); }
    static void Set_Year(int nFirstYear, int nIndex = 0)
    {
        League.Universe.nStat[FIRST_SEASON_YEAR] = nFirstYear;
        Set_User_Preference(PREF_SEASON_INDEX, nIndex);
    }
    // A player of the given birth year with a predicted line of the given
    // statistics (the rest 0).
    static PLAYER& Add(int nSlot, int nPosition, int nBirthYear)
    {
        PLAYER& Player = Add_Player(0, nSlot, 100 + nSlot, nPosition);
        Player.nVital[VITAL_BIRTH_DATE] = nBirthYear * 10000 + 101;
        Player.nVital[VITAL_DRAFT_PICK] = 0;
        return Player;
    }
    static uint32_t Next_Draw_After(uint32_t nSeed, int nDraws)
    {
        Seed_Random_Numbers(nSeed);
        for (int i = 0; i < nDraws; ++i)
            Generate_Random_Number();
        return Generate_Random_Number();
    }
};

}  // namespace

TEST(PredictedArithmetic, PerMilleRoundsHalvesUpAndFloorsNegativeInexactQuotients)
{
    EXPECT_EQ(Scale_Per_Mille(7, 500), 4);      // 3.5 up
    EXPECT_EQ(Scale_Per_Mille(5, 100), 1);      // 0.5 up
    EXPECT_EQ(Scale_Per_Mille(-5, 100), 0);     // -0.5 up to 0
    EXPECT_EQ(Scale_Per_Mille(-15, 100), -1);   // -1.5 up to -1
    EXPECT_EQ(Scale_Per_Mille(-7, 500), -3);    // -3.5: (-3500 + 500) / 1000 exact
    EXPECT_EQ(Scale_Per_Mille(-1, 501), -1);    // (-501 + 500) = -1: inexact, one less than 0
    EXPECT_EQ(Scale_Per_Mille(-2, 700), -1);    // -900 / 1000 truncates to 0, floored to -1
    EXPECT_EQ(Scale_Per_Mille(-3, 500), -1);    // -1000 / 1000 exact
    EXPECT_EQ(Scale_Per_Mille(0, 123456), 0);
    EXPECT_EQ(Scale_Per_Mille(0, -500), 0);
    EXPECT_EQ(Scale_Per_Mille(1234, 1000), 1234);
    EXPECT_EQ(Scale_Per_Mille(std::numeric_limits<int>::max(), 2000), std::numeric_limits<int>::max());
    EXPECT_EQ(Scale_Per_Mille(std::numeric_limits<int>::min(), 2000), std::numeric_limits<int>::min());
}

TEST(PredictedArithmetic, FloatStatisticsSaturateAndNaNGivesZero)
{
    EXPECT_EQ(Trunc_To_Int(2.9), 2);
    EXPECT_EQ(Trunc_To_Int(-2.9), -2);
    EXPECT_EQ(Trunc_To_Int(1e20), std::numeric_limits<int>::max());
    EXPECT_EQ(Trunc_To_Int(-1e20), std::numeric_limits<int>::min());
    EXPECT_EQ(Trunc_To_Int(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
    EXPECT_EQ(Trunc_To_Int(std::nan("")), 0);
}

// ---------------------------------------------------------------------------
// Lines from ratings

TEST_F(PredictedStatsTest, QuarterbackLineFromRatings)
{
    PLAYER& Qb = Add(0, POSITION_QB, 1995);
    Qb.fRating[RATING_ACCURACY] = 81;
    Qb.fRating[RATING_DISTANCE] = 75;
    Qb.fRating[RATING_CONTROL] = 61;
    Qb.fRating[RATING_RED_ZONE] = 90;
    Qb.fRating[RATING_MOBILITY] = 60;
    Qb.fRating[RATING_HANDS] = 55;
    Write_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(0), 16);
    EXPECT_EQ(S(1), 16);
    EXPECT_EQ(S(2), 600);
    EXPECT_EQ(S(3), 391);    // (0.243 + 0.41) x 600 = 391.8
    EXPECT_EQ(S(5), 4701);   // 75 x 0.16 x 391.8 = 4701.6 (C not truncated)
    EXPECT_EQ(S(4), 22);     // 45 x 0.5
    EXPECT_EQ(S(6), 35);     // 67.5 - 32.5
    EXPECT_EQ(S(7), 30);     // 30^2 / 30
    EXPECT_EQ(S(9), 1);      // 20 / 15
    EXPECT_EQ(S(8), 60);     // 20 x 30 / 10
    EXPECT_EQ(S(19), 8);     // 60 / 7.5
    EXPECT_EQ(S(13), 4);
    EXPECT_EQ(S(14), 33);    // 48 - 15
    EXPECT_EQ(S(15), 264);

    // A statue in the pocket: 3.33 carries for -6.67 yards, kept negative.
    Qb.fRating[RATING_MOBILITY] = 20;
    Write_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(7), 3);
    EXPECT_EQ(S(8), -6);
    EXPECT_EQ(S(9), 0);      // -0.44 truncates toward zero
}

TEST_F(PredictedStatsTest, RunningBackAndReceiverLinesFromRatings)
{
    PLAYER& Rb = Add(0, POSITION_RB, 1995);
    Rb.fRating[RATING_SPEED] = 81;
    Rb.fRating[RATING_POWER] = 62;
    Rb.fRating[RATING_QUICKNESS] = 77;
    Rb.fRating[RATING_VISION] = 66;
    Rb.fRating[RATING_RECEIVING] = 45;
    Rb.fRating[RATING_HANDS] = 53;
    Write_Predicted_Player_Stats(0, 0);
    // K = 16.2 + 12.4 + 19.25 + 16.5 + 5.3 = 69.65, A = 208.95.
    EXPECT_EQ(S(7), 208);
    EXPECT_EQ(S(8), 832);    // 79.65 x 208.95 / 20 = 832.14
    EXPECT_EQ(S(9), 3);      // 42 x 208.95 / 2500 = 3.51
    // Q = 58.13, B = 45.13 x 0.4 = 18.052, Y = 292.44, then B = 27.77.
    EXPECT_EQ(S(10), 18);
    EXPECT_EQ(S(11), 292);
    EXPECT_EQ(S(4), 51);     // (14.62 + 27.77) x 70 / 58.13 = 51.05
    EXPECT_EQ(S(5), 18);     // (9.75 + 27.77) / 2 = 18.76
    EXPECT_EQ(S(6), 93);     // 0.32 x 292.44
    EXPECT_EQ(S(2), 3);      // (208.95 + 27.77) / 300 x 62 / 15 = 3.26
    EXPECT_EQ(S(13), 1);
    EXPECT_EQ(S(12), 2);     // 42 x 27.77 / 500 = 2.33

    PLAYER& Wr = Add(1, POSITION_WR, 1995);
    Wr.fRating[RATING_SPEED] = 90;
    Wr.fRating[RATING_QUICKNESS] = 85;
    Wr.fRating[RATING_POWER] = 55;
    Wr.fRating[RATING_VISION] = 72;
    Wr.fRating[RATING_HANDS] = 68;
    Wr.fRating[RATING_RECEIVING] = 88;
    Write_Predicted_Player_Stats(0, 1);
    // Q = 78.54, B = 73.54, Y = 1323.72; no carries (A = 0).
    EXPECT_EQ(S(10, 1), 73);
    EXPECT_EQ(S(11, 1), 1323);
    EXPECT_EQ(S(4, 1), 124);
    EXPECT_EQ(S(5, 1), 58);
    EXPECT_EQ(S(6, 1), 420);
    EXPECT_EQ(S(2, 1), 0);   // 0.77
    EXPECT_EQ(S(12, 1), 5);  // 35 x 73.54 / 500 = 5.15
    EXPECT_EQ(S(7, 1), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PredictedStatsTest, HugeRatingsSaturateAndAnInfiniteCatchSkillLeavesNoTargets)
{
    PLAYER& Wr = Add(0, POSITION_WR, 1995);
    Wr.fRating[RATING_SPEED] = 1e30f;
    Write_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(11), std::numeric_limits<int>::max());
    EXPECT_EQ(S(10), std::numeric_limits<int>::max());

    Wr.fRating[RATING_SPEED] = 70;
    Wr.fRating[RATING_RECEIVING] = std::numeric_limits<float>::infinity();
    Write_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(10), std::numeric_limits<int>::max());
    EXPECT_EQ(S(4), 0);   // inf / inf
}

TEST_F(PredictedStatsTest, LinemanScoresRepairTheirRatingsInTheRecord)
{
    PLAYER& Guard = Add(0, POSITION_G, 1995);
    Guard.fRating[RATING_PASS_BLOCKING] = 66.7f;
    Guard.fRating[RATING_RUN_BLOCKING] = 71.3f;
    Write_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(6), 66);
    EXPECT_EQ(S(5), 71);
    EXPECT_EQ(S(4), 27);     // (100 - 66) x 24 / 30
    EXPECT_EQ(S(8), 889);    // (71.3 - 12) x 15 = 889.5
    EXPECT_EQ(S(7), 225);

    PLAYER& Tackle = Add(1, POSITION_T, 1995);
    Tackle.fRating[RATING_PASS_BLOCKING] = std::nanf("");
    Tackle.fRating[RATING_RUN_BLOCKING] = 10.0f;
    Write_Predicted_Player_Stats(0, 1);
    const float fDefault = Get_Default_Rating(RATING_PASS_BLOCKING);
    EXPECT_EQ(Tackle.fRating[RATING_PASS_BLOCKING], fDefault);
    EXPECT_EQ(Tackle.fRating[RATING_RUN_BLOCKING], 20.0f);
    EXPECT_EQ(S(6, 1), static_cast<int>(fDefault));
    EXPECT_EQ(S(5, 1), 20);
    EXPECT_EQ(S(4, 1), (100 - static_cast<int>(fDefault)) * 28 / 25);
    EXPECT_EQ(S(8, 1), 165);   // (20 - 9) x 15

    PLAYER& Center = Add(2, POSITION_C, 1995);
    Center.fRating[RATING_PASS_BLOCKING] = 55.0f;
    Center.fRating[RATING_RUN_BLOCKING] = 60.5f;
    Write_Predicted_Player_Stats(0, 2);
    EXPECT_EQ(S(4, 2), 30);    // 45 x 20 / 30
    EXPECT_EQ(S(8, 2), 682);   // 45.5 x 15 = 682.5
}

TEST_F(PredictedStatsTest, DefenderLineIsTheEngineFrequenciesDividedDown)
{
    Add(0, POSITION_LB, 1995);
    Write_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(2), Estimate_Player_Stat_Frequency(0, 0, 2));
    EXPECT_EQ(S(3), Estimate_Player_Stat_Frequency(0, 0, 3));
    EXPECT_EQ(S(4), Estimate_Player_Stat_Frequency(0, 0, 4));
    EXPECT_EQ(S(5), Estimate_Player_Stat_Frequency(0, 0, 5) / 40);
    EXPECT_EQ(S(6), Estimate_Player_Stat_Frequency(0, 0, 6) / 2);
    EXPECT_EQ(S(7), Estimate_Player_Stat_Frequency(0, 0, 7) / 9);
    EXPECT_EQ(S(8), Estimate_Player_Stat_Frequency(0, 0, 8) / 50);
    EXPECT_EQ(S(0), 16);
}

TEST_F(PredictedStatsTest, KickerAndPunterLinesFromRatings)
{
    PLAYER& Kicker = Add(0, POSITION_K, 1995);
    Kicker.fRating[RATING_FG_ACCURACY] = 83;
    Kicker.fRating[RATING_FG_DISTANCE] = 90;
    Write_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(8), 50);
    EXPECT_EQ(S(9), 49);     // 8.3 + 41
    EXPECT_EQ(S(10), 10);
    EXPECT_EQ(S(11), 8);
    EXPECT_EQ(S(12), 15);
    EXPECT_EQ(S(13), 10);    // 10.375
    EXPECT_EQ(S(14), 12);    // 90 / 7
    EXPECT_EQ(S(15), 10);    // 11.86 - 1.14
    EXPECT_EQ(S(16), 7);     // c = 7.5
    EXPECT_EQ(S(17), 4);     // m = 9 + 7.5 - 12 = 4.5
    EXPECT_EQ(S(18), 56);    // max(56, 50)

    Kicker.fRating[RATING_FG_DISTANCE] = 40;
    Write_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(14), 5);
    EXPECT_EQ(S(15), 3);     // 11.86 + (5.71 - 14)
    EXPECT_EQ(S(16), 0);
    EXPECT_EQ(S(17), 0);
    EXPECT_EQ(S(18), 38);    // min(38.3, 49)

    PLAYER& Punter = Add(1, POSITION_P, 1995);
    Punter.fRating[RATING_PUNT_ACCURACY] = 78;
    Punter.fRating[RATING_PUNT_DISTANCE] = 83;
    Write_Predicted_Player_Stats(0, 1);
    EXPECT_EQ(S(2, 1), 40);
    EXPECT_EQ(S(3, 1), 1760);   // 88 x 40 / 2
    EXPECT_EQ(S(6, 1), 8);      // 20 - 11.14
    EXPECT_EQ(S(5, 1), 61);     // 41.5 + 20
}

// ---------------------------------------------------------------------------
// Templates

TEST_F(PredictedStatsTest, TemplateRowsStandAsTheyAreIn2023)
{
    Set_Year(2019, 4);
    const int WR[STATS_PER_PERIOD] = {14, 7, 1, 66, 50, 15, 100, 2, 7, 0, 20, 180, 0, 1, 10, 150, 0, 10, 60, 0};
    const int K[STATS_PER_PERIOD] = {14, 0, 0, 0, 0, 0, 0, 0, 50, 47, 12, 11, 10, 8, 8, 5, 3, 1, 51, 0};
    const int QB[STATS_PER_PERIOD] = {14, 7, 450, 230, 15, 2000, 15, 20, 40, 0, 0, 0, 0, 6, 40, 400, 0, 0, 0, 0};
    const int Pu[STATS_PER_PERIOD] = {14, 0, 25, 1075, 3, 58, 6, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < STATS_PER_PERIOD; ++i) {
        EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_WR, i), WR[i]) << i;
        EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_K, i), K[i]) << i;
        EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_QB, i), QB[i]) << i;
        EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_P, i), Pu[i]) << i;
    }
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_G, 7), 210);
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_C, 8), 375);
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_CB, 15), 130);
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_LB, 2), 10);
    EXPECT_EQ(Get_Predicted_Stat_Template(15, 0), 0);
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_QB, 20), 0);
}

TEST_F(PredictedStatsTest, EraCellsFollowTheLeagueAveragesAgainst2023)
{
    Set_Year(1975);
    auto Scaled = [](int nValue, int nCode) {
        return Mul_Div_Rounded(nValue, Get_Historical_Average_Stat(nCode, 1975), Get_Historical_Average_Stat(nCode, 2023));
    };
    // The interception rate of the seventies is not today's.
    ASSERT_NE(Get_Historical_Average_Stat(STAT_CODE_INTERCEPTION_RATE, 1975),
              Get_Historical_Average_Stat(STAT_CODE_INTERCEPTION_RATE, 2023));
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_QB, 3), Scaled(230, STAT_CODE_COMPLETION_RATE));
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_QB, 6), Scaled(15, STAT_CODE_TOUCHDOWN_RATE));
    // Interceptions take the interception rate; rushing attempts stay.
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_QB, 4), Scaled(15, STAT_CODE_INTERCEPTION_RATE));
    EXPECT_NE(Get_Predicted_Stat_Template(POSITION_QB, 4), 15);
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_QB, 7), 20);
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_P, 3), Scaled(1075, STAT_CODE_PUNT_AVERAGE));
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_K, 13), Scaled(8, STAT_CODE_FIELD_GOAL_RATE));
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_K, 12), 10);
    EXPECT_EQ(Get_Predicted_Stat_Template(POSITION_QB, 5), 2000);
}

// ---------------------------------------------------------------------------
// Completing a line

TEST_F(PredictedStatsTest, NoPlayingTimeInA2023LeagueKeepsHalfAndTakesHalfATemplate)
{
    SCRATCH_FOLDER Scratch{"predicted"};
    Set_Year(2023);
    Add(0, POSITION_WR, 1960).nVital[VITAL_DRAFT_PICK] = 0;
    Put(11, 101);
    Put(10, 7);
    Complete_Player_Predicted_Stats(0, 0, 25);
    // k = 0 seasons + 1: 101 - 51 + 90, 7 - 4 + 10, and half the template.
    EXPECT_EQ(S(11), 140);
    EXPECT_EQ(S(10), 13);
    EXPECT_EQ(S(0), 7);
    EXPECT_EQ(S(1), 4);
    EXPECT_EQ(S(3), 33);
    EXPECT_EQ(S(5), 8);
    EXPECT_EQ(S(15), 75);
    EXPECT_EQ(S(18), 30);
    // A player of 63 keeps his line unclamped and is logged.
    const std::vector<std::string> Lines = Read_Debug_Log_Lines(true);
    ASSERT_FALSE(Lines.empty());
    EXPECT_NE(Lines.back().find("is 63 years old in Complete_Player_Predicted_Stats()"), std::string::npos)
        << Lines.back();
}

TEST_F(PredictedStatsTest, KeptStatsAreNeverScaledNorTemplated)
{
    SCRATCH_FOLDER Scratch{"predicted"};
    Set_Year(2023);
    Add(0, POSITION_K, 1960);
    Put(18, 44);
    Put(5, 12);
    Put(9, 20);
    Complete_Player_Predicted_Stats(0, 0, 25);
    EXPECT_EQ(S(18), 44);
    EXPECT_EQ(S(5), 12);
    EXPECT_EQ(S(9), 10 + 24);   // half of 20, half of 47 rounded up
    EXPECT_EQ(S(8), 25);
}

TEST_F(PredictedStatsTest, NoPlayingTimeWithSeasonsTakesATenthOfATemplate)
{
    SCRATCH_FOLDER Scratch{"predicted"};
    Add(0, POSITION_WR, 1960);
    Put(11, 101);
    Put(10, 7);
    Complete_Player_Predicted_Stats(0, 0, 51);
    // 2019 league, no seasons: k = 2, reduce by round(500 / 5) = 100, add 100.
    EXPECT_EQ(S(11), 91 + 18);
    EXPECT_EQ(S(10), 6 + 2);
    EXPECT_EQ(S(0), 1);
    EXPECT_EQ(S(1), 1);
}

TEST_F(PredictedStatsTest, ShortPlayingTimeIsFilledThenReturnsDoubledAndScaledToAFullSeason)
{
    SCRATCH_FOLDER Scratch{"predicted"};
    Add(0, POSITION_WR, 1960);
    Put(0, 16);
    Put(1, 16);
    Put(11, 1000);
    Put(14, 10);
    Put(15, 200);
    Complete_Player_Predicted_Stats(0, 0, 51);
    // W = 80 < 255: d = 686, W = 138; returns doubled; reduce by 384, add and
    // reduce 153.
    EXPECT_EQ(S(0), 15);
    EXPECT_EQ(S(1), 12);
    EXPECT_EQ(S(11), 610);
    EXPECT_EQ(S(14), 19);
    EXPECT_EQ(S(15), 335);
    EXPECT_EQ(S(17), 9);
    EXPECT_EQ(S(18), 51);
    EXPECT_EQ(S(3), 32);
}

TEST_F(PredictedStatsTest, StartsAboveSeventeenScaleTheWholeLine)
{
    SCRATCH_FOLDER Scratch{"predicted"};
    Add(0, POSITION_WR, 1960);
    Put(0, 20);
    Put(1, 34);
    Complete_Player_Predicted_Stats(0, 0, 1);
    // W = 114: reduce by 254 gives 15 and 25 starts; then by 320 gives 10 and 17.
    EXPECT_EQ(S(0), 10);
    EXPECT_EQ(S(1), 17);
    EXPECT_EQ(S(11), 1);
}

TEST_F(PredictedStatsTest, AYoungerPlayerIsClampedToSeventeenGames)
{
    Add(0, POSITION_DE, 1995);
    Put(0, 40);
    Put(1, 10);
    Complete_Player_Predicted_Stats(0, 0, 1);
    // W = 170: halved to 20 games and 5 starts, then at most 17 games.
    EXPECT_EQ(S(0), 17);
    EXPECT_EQ(S(1), 5);
}

TEST_F(PredictedStatsTest, LinemanBlockingScoresFromCareer)
{
    Add(0, POSITION_G, 1998);
    Put(0, 16);
    Put(1, 12);
    Predict_Player_Stats_From_Career(0, 0);
    // 25 in 2023: k = 32 - 25 + 4 = 11; S = 33, G = 44; P = 60 + 2 + 5,
    // Q = 60 + 2 + 4; a guard +1 / -3.
    EXPECT_EQ(S(5), 68);
    EXPECT_EQ(S(6), 63);
    EXPECT_EQ(S(4), 22);    // (100 - 63) x 18 / 30
    EXPECT_EQ(S(7), 225);
    EXPECT_EQ(S(8), 690);   // (68 - 22) x 15
    EXPECT_EQ(S(0), 16);    // games and starts are left as they were

    Add(1, POSITION_T, 1980);
    Put(0, 16, 1);
    Put(1, 12, 1);
    Predict_Player_Stats_From_Career(0, 1);
    // 43 in 2023: no projection; P = 60 + 0 + 3, Q = 60 + 0 + 2; a tackle -2 / +2.
    EXPECT_EQ(S(5, 1), 61);
    EXPECT_EQ(S(6, 1), 64);
    EXPECT_EQ(S(4, 1), 16);
    EXPECT_EQ(S(8, 1), 630);

    Add(2, POSITION_WR, 1998);
    Put(5, 9, 2);
    Predict_Player_Stats_From_Career(0, 2);
    EXPECT_EQ(S(5, 2), 9);
}

TEST_F(PredictedStatsTest, RookieDraftBoostIsTheModifierOfHisSlot)
{
    Set_Year(2023);
    // Two receivers with the same line; one boosted, the other moved by hand
    // with the modifier the slot gives (round 1, 5th overall: 125, at half).
    for (int s = 0; s < 2; ++s) {
        Add(s, POSITION_WR, 2000).nVital[VITAL_DRAFT_PICK] = 100000 + 5000 + 5;
        Put(11, 800, s);
        Put(10, 50, s);
    }
    Apply_Rookie_Draft_Boost(0, 0, 500);
    for (int i = 0; i < STATS_PER_PERIOD; ++i)
        Modify_Predicted_Player_Stats(0, 1, P, i, 63, 3, 0);
    for (int i = 0; i < STATS_PER_PERIOD; ++i)
        EXPECT_EQ(S(i, 0), S(i, 1)) << i;

    // A kicker of round 2 counts as round 4: (10 - 4) x 10 = 60.
    for (int s = 2; s < 4; ++s) {
        Add(s, POSITION_K, 2000).nVital[VITAL_DRAFT_PICK] = 200000 + 3000 + 35;
        Put(9, 40, s);
    }
    Apply_Rookie_Draft_Boost(0, 2, 1000);
    for (int i = 0; i < STATS_PER_PERIOD; ++i)
        Modify_Predicted_Player_Stats(0, 3, P, i, 60, 3, 0);
    for (int i = 0; i < STATS_PER_PERIOD; ++i)
        EXPECT_EQ(S(i, 2), S(i, 3)) << i;

    // Undrafted: nothing.
    Add(4, POSITION_WR, 2000).nVital[VITAL_DRAFT_PICK] = -1;
    Put(11, 800, 4);
    Apply_Rookie_Draft_Boost(0, 4, 1000);
    EXPECT_EQ(S(11, 4), 800);
}

// ---------------------------------------------------------------------------
// Longest kicks

TEST_F(PredictedStatsTest, LongestPuntFromPuntsAndYards)
{
    Add(0, POSITION_P, 1995);
    Put(2, 40);
    Put(3, 1800);
    Seed_Random_Numbers(77);
    const double u = Random_Word_To_Fraction(Generate_Random_Number());
    Seed_Random_Numbers(77);
    // y / n = 45, w = isqrt(430) = 21: 45 + trunc(21u) + 10.
    const int nExpected = 45 + static_cast<int>(u * 21) + 10;
    EXPECT_EQ(Estimate_Longest_Punt(0, 0, P), nExpected);
    EXPECT_EQ(S(5), nExpected);
    uint32_t nNext = Generate_Random_Number();
    EXPECT_EQ(nNext, Next_Draw_After(77, 1));

    Put(2, 1);
    Put(3, 52);
    Seed_Random_Numbers(77);
    EXPECT_EQ(Estimate_Longest_Punt(0, 0, P), 52);
    Put(2, 0);
    EXPECT_EQ(Estimate_Longest_Punt(0, 0, P), 0);
    EXPECT_EQ(S(5), 0);
    nNext = Generate_Random_Number();
    EXPECT_EQ(nNext, Next_Draw_After(77, 0));   // no draw for 0 or 1 punt
}

TEST_F(PredictedStatsTest, LongestFieldGoalByDistanceAlwaysDrawsTwice)
{
    Add(0, POSITION_K, 1995);
    Put(17, 2);
    Put(16, 5);
    Seed_Random_Numbers(5);
    EXPECT_EQ(Estimate_Longest_Field_Goal(0, 0, P), 51);   // min(59, 46) against 51
    EXPECT_EQ(S(18), 51);
    const uint32_t nNext = Generate_Random_Number();
    EXPECT_EQ(nNext, Next_Draw_After(5, 2));
    Put(17, 6);
    Put(16, 2);
    EXPECT_EQ(Estimate_Longest_Field_Goal(0, 0, P), 53);
    Put(17, 20);
    EXPECT_EQ(Estimate_Longest_Field_Goal(0, 0, P), 59);
    Put(17, 0);
    Put(15, 3);
    EXPECT_EQ(Estimate_Longest_Field_Goal(0, 0, P), 47);
    Put(15, 0);
    Put(13, 3);
    EXPECT_EQ(Estimate_Longest_Field_Goal(0, 0, P), 37);
    Put(13, -4);
    EXPECT_EQ(Estimate_Longest_Field_Goal(0, 0, P), 27);

    // This season's line takes the jitter of the two draws.
    Set_Player_Stat(0, 0, 0, 15, 3);
    Seed_Random_Numbers(9);
    const double u1 = Random_Word_To_Fraction(Generate_Random_Number());
    const double u2 = Random_Word_To_Fraction(Generate_Random_Number());
    const int j = static_cast<int>(-3 * u2) - static_cast<int>(-3 * u1);
    Seed_Random_Numbers(9);
    EXPECT_EQ(Estimate_Longest_Field_Goal(0, 0, 0), j + 47);
    EXPECT_EQ(Get_Player_Stat(0, 0, 0, 18), j + 47);
}

TEST_F(PredictedStatsTest, LongStatsAreEstimatedOnlyWhereMissing)
{
    Add(0, POSITION_K, 1995);
    Set_Player_Stat(0, 0, 0, 13, 2);                  // this season: made, no longest
    Set_Player_Stat(0, 0, 1, 13, 2);                  // last season: made, longest 45
    Set_Player_Stat(0, 0, 1, 18, 45);
    Add(1, POSITION_P, 1995);
    Set_Player_Stat(0, 1, 0, 13, 2);                  // a punter is no kicker
    Estimate_All_Long_Stats();
    const int nThis = Get_Player_Stat(0, 0, 0, 18);
    EXPECT_GE(nThis, 35);
    EXPECT_LE(nThis, 39);
    EXPECT_EQ(Get_Player_Stat(0, 0, 1, 18), 45);
    EXPECT_EQ(Get_Player_Stat(0, 1, 0, 18), 0);
}

// The pass outcome model: its five weights at chosen ratings and situations,
// worked out by hand from the rules, the league-rate pulls by the week, and
// the weighted draw.

#include "engine/pass_outcome.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "base/random.h"
#include "engine/defense_calling.h"
#include "engine/game_context.h"
#include "engine/game_ratings.h"
#include "engine/offense_calling.h"
#include "engine/playbooks.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/preferences.h"
#include "test_support.h"

namespace {

// Defaults of PASS_MODEL_INPUTS: the 2010 era (626, 29, 1125, 64), every
// rating 70, every factor 1, week 0, first and 10 at midfield.
PASS_MODEL_INPUTS Throw(float c, float d)
{
    PASS_MODEL_INPUTS In;
    In.fCatchLocation = c;
    In.fDistance = d;
    return In;
}

void Expect_Weights(const PASS_OUTCOME_WEIGHTS& W, double I, double C, double N, double SK, double O)
{
    EXPECT_NEAR(W.fIncomplete, I, 2e-6);
    EXPECT_NEAR(W.fComplete, C, 2e-6);
    EXPECT_NEAR(W.fIntercepted, N, 2e-6);
    EXPECT_NEAR(W.fSacked, SK, 2e-6);
    EXPECT_NEAR(W.fKnockedDown, O, 2e-6);
}

double Draw(uint32_t nSeed, int n)
{
    Seed_Random_Numbers(nSeed);
    uint32_t u = 0;
    for (int k = 0; k <= n; ++k)
        u = Generate_Random_Number();
    return Random_Word_To_Fraction(u);
}

}  // namespace

TEST(PassOutcomeWeights, ShortThrowAtAverageRatings)
{
    // P = 0.626 x 1.05 = 0.6573; N = 0.029; I = 1 - P - N - 0.07 = 0.2437.
    // Y = D = 7.875: P x (1 + 2.875/7.875) x (1 - 0.125/150) = 0.8965189;
    // I x (5/7.875 + 1)/2 = 0.1992151; N x 17.875/23.625 = 0.0219418;
    // C = P x (230/240)^2 = 0.8233655; SK = 0.07 x 160/150 x (5/7.875 + 2)/3 = 0.0655802;
    // O = 0.18 C = 0.1482058 and I - O = 0.0510093.
    Expect_Weights(Get_Pass_Outcome_Weights(Throw(5.0f, 8.0f)), 0.0510093, 0.8233655, 0.0219418, 0.0655802,
                   0.1482058);
}

TEST(PassOutcomeWeights, DeepThrowRaisesIncompletionsAndInterceptions)
{
    // c = d = 15 beyond Y: I x (1 + 7.125/5) x (1 + 0.15 x 7.125) = 1.2225744, then
    // less O; N x (30 + 7.875)/23.625.
    Expect_Weights(Get_Pass_Outcome_Weights(Throw(15.0f, 15.0f)), 1.1190758, 0.5749920, 0.0464921, 0.0971852,
                   0.1034986);
}

TEST(PassOutcomeWeights, ConversionTryNeverIntercepted)
{
    PASS_MODEL_INPUTS In = Throw(5.0f, 8.0f);
    In.nDownCode = CONVERSION_ATTEMPT;
    // The interception weight 0.029 joins the incompletions before the depth.
    Expect_Weights(Get_Pass_Outcome_Weights(In), 0.0800093, 0.8233655, 0.0, 0.0655802, 0.1482058);
}

TEST(PassOutcomeWeights, FourthDownDeepThrowTurnsInterceptionsIntoBreakUps)
{
    PASS_MODEL_INPUTS In = Throw(15.0f, 15.0f);
    In.nDownCode = FOURTH_DOWN_CODE;
    // O gains N = 0.0464921; N / 15 is then lifted to I / 100.
    Expect_Weights(Get_Pass_Outcome_Weights(In), 1.1190758, 0.5749920, 0.0111908, 0.0971852, 0.1499907);
}

TEST(PassOutcomeWeights, RedZoneEndZoneCatchToThePrimaryReceiver)
{
    PASS_MODEL_INPUTS In = Throw(8.0f, 12.0f);
    In.nSpot = 10;
    In.bFlag = true;
    // C x (0.5 + 0.25) x 1.1 x 145/150 x 150/160 x 230/240; N x 0.9.
    Expect_Weights(Get_Pass_Outcome_Weights(In), 0.1720349, 0.4580067, 0.0263762, 0.0750617, 0.0824412);
}

TEST(PassOutcomeWeights, SackRatePullStartsInWeekTwoAndStopsLateInTheSeason)
{
    PASS_MODEL_INPUTS In = Throw(5.0f, 8.0f);
    PASS_MODEL_INPUTS Low = In;
    Low.nNormSacks = 32;   // the league sacks half as often as the era: q = 2
    for (int nWeek : {1, 5, 12}) {
        In.nWeek = Low.nWeek = nWeek;
        const float fRatio = Get_Pass_Outcome_Weights(Low).fSacked / Get_Pass_Outcome_Weights(In).fSacked;
        const float fExpected = nWeek == 1 ? 1.0f : (nWeek == 5 ? 2.0f : 8.0f);   // 2^((w + 3)/5)
        EXPECT_NEAR(fRatio, fExpected, 1e-5) << nWeek;
    }
    In.nProgressPerMille = Low.nProgressPerMille = 901;
    EXPECT_NEAR(Get_Pass_Outcome_Weights(Low).fSacked / Get_Pass_Outcome_Weights(In).fSacked, 1.0f, 1e-6);
}

TEST(PassOutcomeWeights, InterceptionPullStartsInWeekThree)
{
    PASS_MODEL_INPUTS In = Throw(5.0f, 8.0f);
    PASS_MODEL_INPUTS High = In;
    High.nNormInterceptions = 58;   // twice the era's rate: q = 0.5
    In.nWeek = High.nWeek = 2;
    EXPECT_NEAR(Get_Pass_Outcome_Weights(High).fIntercepted / Get_Pass_Outcome_Weights(In).fIntercepted, 1.0f, 1e-6);
    In.nWeek = High.nWeek = 8;      // n = (8 + 2)/5 = 2
    EXPECT_NEAR(Get_Pass_Outcome_Weights(High).fIntercepted / Get_Pass_Outcome_Weights(In).fIntercepted, 0.25f,
                1e-5);
}

TEST(PassOutcomeWeights, LimitsHoldInterceptionsUnderHalfTheIncompletions)
{
    PASS_MODEL_INPUTS In = Throw(5.0f, 8.0f);
    In.fControl = 20.0f;
    In.fBallHawk = 3.0f;
    const PASS_OUTCOME_WEIGHTS W = Get_Pass_Outcome_Weights(In);
    EXPECT_FLOAT_EQ(W.fIntercepted, W.fIncomplete / 2.0f);
    EXPECT_LE(W.fIncomplete, 7.0f * W.fComplete);
}

TEST(PassOutcomeWeights, ZeroYearAverageAndZeroNormAreGuarded)
{
    PASS_MODEL_INPUTS In = Throw(5.0f, 8.0f);
    In.nHist109 = 0;
    In.nNormYardsPerCompletion = 0;
    In.nNormSacks = 0;
    In.nNormInterceptions = 0;
    In.nWeek = 6;
    const PASS_OUTCOME_WEIGHTS W = Get_Pass_Outcome_Weights(In);
    for (float f : {W.fIncomplete, W.fComplete, W.fIntercepted, W.fSacked, W.fKnockedDown}) {
        EXPECT_TRUE(f == f);   // not NaN
        EXPECT_GE(f, 0.0f);
    }
    EXPECT_GT(W.fComplete, 0.0f);
}

TEST(PassOutcomeDraw, ZeroWeightIsNeverDrawn)
{
    PASS_OUTCOME_WEIGHTS W;
    W.fComplete = 1.0f;
    for (uint32_t nSeed = 1; nSeed <= 200; ++nSeed) {
        Seed_Random_Numbers(nSeed);
        EXPECT_EQ(Draw_Pass_Outcome(W, 1000), PASS_OUTCOME_COMPLETE);
    }
}

TEST(PassOutcomeDraw, EqualWeightsGiveTheFifthOfTheDraw)
{
    PASS_OUTCOME_WEIGHTS W{1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
    for (uint32_t nSeed = 1; nSeed <= 50; ++nSeed) {
        const int k = static_cast<int>(Draw(nSeed, 0) * 5);
        // A sack turns into a fumble when trunc(1000 U) of the next draw is under 400.
        const int nExpected = k == 3 && static_cast<int>(Draw(nSeed, 1) * 1000) < 400 ? 5 : k;
        Seed_Random_Numbers(nSeed);
        EXPECT_EQ(Draw_Pass_Outcome(W, 400), nExpected) << nSeed;
    }
}

TEST(PassOutcomeDraw, AllZeroWeightsDrawAUniformCode)
{
    const PASS_OUTCOME_WEIGHTS W;
    for (uint32_t nSeed = 1; nSeed <= 20; ++nSeed) {
        const int k = static_cast<int>(Draw(nSeed, 0) * 5);
        Seed_Random_Numbers(nSeed);
        EXPECT_EQ(Draw_Pass_Outcome(W, 0), k);
    }
}

class PassOutcomeGameTest : public LeagueTest {
protected:
    // Club 2 throws from the 40 with a quarterback, five receivers and five
    // linemen rated 60 against club 1's eleven, each place's slot its own.
    void Set_Up_Throw(GAME& Game, int nDefencePosition0, float fDefence)
    {
        Game.nAwayTeam = 1;
        Game.nHomeTeam = 2;
        Game.nOffense = 2;
        Game.nYardLine = 40;
        for (int p = 0; p < PLACES_ON_FIELD; ++p) {
            Put_Player(2, p, 200 + p, p == 0 ? POSITION_QB : (p <= 5 ? POSITION_WR : POSITION_T), 60.0f);
            Put_Player(1, p, 100 + p, p == 0 ? nDefencePosition0 : POSITION_CB, fDefence);
            Game.nOnField[GAME_SIDE_HOME][p] = static_cast<uint8_t>(p);
            Game.nOnField[GAME_SIDE_AWAY][p] = static_cast<uint8_t>(p);
        }
    }
};

TEST_F(PassOutcomeGameTest, ConversionTryInAGameNeverIntercepted)
{
    Use_Franchises(4);
    Set_Regular_Season_Weeks(17);
    Set_User_Preference(PREF_CURRENT_WEEK, 6);
    GAME Game{};
    Game.nAwayTeam = 1;
    Game.nHomeTeam = 2;
    Game.nOffense = 2;
    Game.nYardLine = 2;
    Game.nDown = CONVERSION_ATTEMPT;
    for (int p = 0; p < PLACES_ON_FIELD; ++p) {
        Put_Player(2, p, 200 + p, p == 0 ? POSITION_QB : (p <= 5 ? POSITION_WR : POSITION_T), 30.0f);
        Put_Player(1, p, 100 + p, POSITION_CB, 95.0f);
        Game.nOnField[GAME_SIDE_HOME][p] = p;
        Game.nOnField[GAME_SIDE_AWAY][p] = p;
    }
    for (uint32_t nSeed = 1; nSeed <= 300; ++nSeed) {
        Seed_Random_Numbers(nSeed);
        const int n = Simulate_Pass_Outcome(&Game, 1, 0, 5.0f, 8.0f);
        EXPECT_NE(n, PASS_OUTCOME_INTERCEPTED);
        EXPECT_GE(n, 0);
        EXPECT_LE(n, 5);
    }
}

// The two calls' multipliers: the play calling's coverage and pass rush of
// the pair, scaled by (rd + 3000) / (ro + 3000) and (rd + 2000) / (ro + 2000)
// with the redundancies of the calls (1000 uncalled, 20000 / (n + 20) after
// n offensive calls, 50000 / (n + 50) after n defensive calls).
TEST_F(PassOutcomeGameTest, CallMultipliersComeFromBothCallsAndTheirRepeats)
{
    Use_Franchises(4);
    Build_Team_Default_Playbook(1);
    Build_Team_Default_Playbook(2);
    GAME Game{};
    GAME_CONTEXT Context;   // a game of its own: no calls yet
    const GAME_CONTEXT_BINDING Binding(&Game, Context);
    Game.nAwayTeam = 1;
    Game.nHomeTeam = 2;
    Game.nOffense = 2;
    Game.CurrentPlay.nOffenseCall = 20;   // "Pro 262 Hover"
    Game.CurrentPlay.nDefenseCall = 3;    // "4-3 Contain"
    const double fCover = Get_Pass_Coverage_Multiplier(2, 20, 1, 3);
    const double fRush = Get_Pass_Rush_Multiplier(2, 20, 1, 3);
    ASSERT_NE(fCover, 1.0);
    ASSERT_NE(fRush, 1.0);

    float fCov = 0.0f;
    float fRu = 0.0f;
    Get_Pass_Call_Multipliers(&Game, &fCov, &fRu);
    EXPECT_NEAR(fCov, fCover, 1e-5);
    EXPECT_NEAR(fRu, fRush, 1e-5);

    // 20 calls of the offensive play: ro 500.
    for (int n = 0; n < 20; ++n)
        Record_Offensive_Play_Call(&Game, 20);
    Get_Pass_Call_Multipliers(&Game, &fCov, &fRu);
    EXPECT_NEAR(fCov, fCover * 4000.0 / 3500.0, 1e-5);
    EXPECT_NEAR(fRu, fRush * 3000.0 / 2500.0, 1e-5);

    // 50 calls of the defensive play as well: rd 500, the two cancel.
    for (int n = 0; n < 50; ++n)
        Record_Defensive_Play_Call(&Game, 3);
    Get_Pass_Call_Multipliers(&Game, &fCov, &fRu);
    EXPECT_NEAR(fCov, fCover, 1e-5);
    EXPECT_NEAR(fRu, fRush, 1e-5);

    // No game: neutral.
    Get_Pass_Call_Multipliers(nullptr, &fCov, &fRu);
    EXPECT_EQ(fCov, 1.0f);
    EXPECT_EQ(fRu, 1.0f);
}

// A pass reads the era's completion, interception, yards-per-completion and
// sack averages of the current year, the mean of the year's and the year
// before's table values: 1950 and 2030 read the end rows (both years clamp
// to the table), and a year changed within a game is read afresh on the next
// throw.
TEST_F(PassOutcomeGameTest, PassModelReadsTheAveragesOfTheCurrentYear)
{
    Use_Franchises(4);
    GAME Game{};
    GAME_CONTEXT Context;
    const GAME_CONTEXT_BINDING Binding(&Game, Context);
    Set_Up_Throw(Game, POSITION_CB, 60.0f);
    struct ERA {
        int nFirstYear;
        int nSeason;
        int n101, n107, n109, n111;
    };
    const ERA Eras[] = {
        {1950, 0, 466, 74, 1460, 85},    // the 1950 row
        {2024, 6, 642, 23, 1030, 65},    // 2030: the 2024 row
        {1950, 0, 466, 74, 1460, 85},    // back again
    };
    for (const ERA& E : Eras) {
        League.Universe.nStat[FIRST_SEASON_YEAR] = E.nFirstYear;
        Set_User_Preference(PREF_SEASON_INDEX, E.nSeason);
        PASS_MODEL_INPUTS In;
        In.nHist101 = In.nHist107 = In.nHist109 = In.nHist111 = -1;
        ASSERT_TRUE(Get_Pass_Model_Inputs(&Game, 1, 0, 5.0f, 8.0f, &In));
        const int nYear = E.nFirstYear + E.nSeason;
        EXPECT_EQ(In.nHist101, E.n101) << nYear;
        EXPECT_EQ(In.nHist107, E.n107) << nYear;
        EXPECT_EQ(In.nHist109, E.n109) << nYear;
        EXPECT_EQ(In.nHist111, E.n111) << nYear;
    }
}

// While a game keeps ratings the passer's and the target's ratings are kept
// too: a changed rating, another passer in the place, another target and
// the other club's throw must each read what the plain reads give.
TEST_F(PassOutcomeGameTest, PassModelKeptRatingsFollowRatingsAndPlayers)
{
    Use_Franchises(4);
    GAME Game{};
    GAME_CONTEXT Context;
    const GAME_CONTEXT_BINDING Binding(&Game, Context);
    Set_Up_Throw(Game, POSITION_QB, 50.0f);
    Put_Player(2, 30, 230, POSITION_QB, 80.0f);
    const auto Read = [&Game](int nTarget) {
        PASS_MODEL_INPUTS In;
        EXPECT_TRUE(Get_Pass_Model_Inputs(&Game, nTarget, 0, 5.0f, 8.0f, &In));
        return In;
    };
    const auto Uncached = [&](int nTarget) {
        End_Game_Rating_Cache();
        const PASS_MODEL_INPUTS In = Read(nTarget);
        Begin_Game_Rating_Cache(&Game);
        return In;
    };
    Begin_Game_Rating_Cache(&Game);
    EXPECT_EQ(Read(1).fAccuracy, 60.0f);
    EXPECT_EQ(Read(1).fReceiving, 60.0f);
    Set_Player_Rating(2, 0, RATING_ACCURACY, 75.0f);
    Set_Player_Rating(2, 1, RATING_HANDS, 10.0f);   // read as at least 20
    EXPECT_EQ(Read(1).fAccuracy, 75.0f);
    EXPECT_EQ(Read(1).fHands, 20.0f);
    EXPECT_EQ(Read(2).fHands, 60.0f);                // another target
    Game.nOnField[GAME_SIDE_HOME][0] = 30;           // another passer
    EXPECT_EQ(Read(1).fAccuracy, 80.0f);
    EXPECT_EQ(Read(1).fMobility, Uncached(1).fMobility);
    Game.nOffense = 1;                               // the other club throws
    EXPECT_EQ(Read(1).fAccuracy, 50.0f);
    EXPECT_EQ(Read(1).fSpeed, 50.0f);
    EXPECT_EQ(Read(1).fAccuracy, Uncached(1).fAccuracy);
    End_Game_Rating_Cache();
}

// The pass play: the target choice's chances at chosen ratings, the result
// of each outcome on the game (yards, clock, credits, turnovers, scores) and
// the fake kicks whose first receiver runs no route.

#include "engine/passing_plays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/random.h"
#include "engine/formations.h"
#include "engine/game_clock.h"
#include "engine/game_report.h"
#include "engine/game_ratings.h"
#include "engine/pass_outcome.h"
#include "engine/play_data.h"
#include "engine/playbooks.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 1;
constexpr int HOME = 2;
constexpr int QB = 0;
constexpr int WR = 1;
constexpr int TE = 3;
constexpr int DEFENDER = 0;   // every defensive place
constexpr int CALL = 0;

double Draw(uint32_t nSeed, int n)
{
    Seed_Random_Numbers(nSeed);
    uint32_t u = 0;
    for (int k = 0; k <= n; ++k)
        u = Generate_Random_Number();
    return Random_Word_To_Fraction(u);
}

// The first seed whose draw n gives trunc(m U) == v.
uint32_t Seed_With(int n, int m, int v)
{
    uint32_t nSeed = 1;
    while (static_cast<int>(Draw(nSeed, n) * m) != v)
        ++nSeed;
    return nSeed;
}

class PassingPlaysTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(4);
        Set_Regular_Season_Weeks(17);
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
        const int Positions[11] = {POSITION_QB, POSITION_WR, POSITION_WR, POSITION_TE, POSITION_RB, POSITION_FB,
                                   POSITION_T,  POSITION_G,  POSITION_C,  POSITION_G,  POSITION_T};
        for (int p = 0; p < PLACES_ON_FIELD; ++p) {
            Put_Player(HOME, p, 200 + p, Positions[p]);
            Game.nOnField[GAME_SIDE_HOME][p] = static_cast<uint8_t>(p);
            Game.nOnField[GAME_SIDE_AWAY][p] = DEFENDER;
            Game.nRosterID[GAME_SIDE_HOME][p] = 200 + p;
        }
        Put_Player(AWAY, DEFENDER, 100, POSITION_LB);
        Game.nRosterID[GAME_SIDE_AWAY][0] = 100;
        Build_Team_Default_Playbook(HOME);
        Build_Team_Default_Playbook(AWAY);
        Game.nAwayTeam = AWAY;
        Game.nHomeTeam = HOME;
        Game.nOffense = HOME;
        Game.nFormation[GAME_SIDE_HOME] = PRO_SET_FORMATION;
        Game.nFormation[GAME_SIDE_AWAY] = BASE_43_FORMATION;
        Game.nYardLine = 50;
        Game.nToGo = 10;
        Game.nDown = 1;
        Start_Play_Record(&Game);
        Game.CurrentPlay.nOffenseCall = CALL;
        Game.CurrentPlay.nDefenseCall = 0;
        for (int r = 0; r < 5; ++r)
            Set_Offensive_Play_Route(HOME, CALL, r, 9);
    }

    static int Stat(int nTeam, int nSlot, int nCode) { return Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nCode); }
    int Total(int bSide, int k) const { return static_cast<int16_t>(Game.nTeamTotal[bSide][k]); }
    int Result() const { return Get_Play_Result(&Game.CurrentPlay); }

    GAME Game{};
};

// ---------------------------------------------------------------------------
// Target choice

TEST_F(PassingPlaysTest, TightEndPrimaryIsThrownToWithChance25InHundred)
{
    // Receiving mix of all-70 ratings: 0.99 x 70 = 69.3; c = 69 - 70 + 25 = 24.
    Set_Offensive_Play_Carrier(HOME, CALL, TE);
    ASSERT_FALSE(Is_Backfield_Pass_Play(HOME, CALL));
    ASSERT_EQ(Get_Primary_Receiver(HOME, CALL), TE - 1);
    int bPrimary = -1;
    Seed_Random_Numbers(Seed_With(0, 100, 24));
    EXPECT_EQ(Choose_Pass_Target(&Game, &bPrimary), TE - 1);
    EXPECT_EQ(bPrimary, 1);
    const uint32_t nSeed = Seed_With(0, 100, 25);
    const int k = static_cast<int>(Draw(nSeed, 1) * 5);
    Seed_Random_Numbers(nSeed);
    EXPECT_EQ(Choose_Pass_Target(&Game, &bPrimary), k);
    EXPECT_EQ(bPrimary, 0);
}

TEST_F(PassingPlaysTest, StartingWideReceiverGetsThreeMore)
{
    ASSERT_EQ(Get_Formation_Slot_Position(PRO_SET_FORMATION, WR, SLOT_DEPTH_RANK), 0);
    Set_Offensive_Play_Carrier(HOME, CALL, WR);
    int bPrimary = -1;
    // c = 69 - 70 + 35 + 3 = 37.
    Seed_Random_Numbers(Seed_With(0, 100, 37));
    EXPECT_EQ(Choose_Pass_Target(&Game, &bPrimary), WR - 1);
    EXPECT_EQ(bPrimary, 1);
    Seed_Random_Numbers(Seed_With(0, 100, 38));
    Choose_Pass_Target(&Game, &bPrimary);
    EXPECT_EQ(bPrimary, 0);
}

// While a game keeps ratings the primary receiver's catching figure is kept:
// a changed rating and another player in his place are seen at once.
TEST_F(PassingPlaysTest, KeptCatchingFigureFollowsRatingsAndPlayers)
{
    Set_Offensive_Play_Carrier(HOME, CALL, WR);
    int bPrimary = -1;
    Begin_Game_Rating_Cache(&Game);
    // c = 37, as above: a draw of 40 goes elsewhere.
    Seed_Random_Numbers(Seed_With(0, 100, 40));
    Choose_Pass_Target(&Game, &bPrimary);
    EXPECT_EQ(bPrimary, 0);
    // Receiving 10 higher: 4 more, c = 41, and the draw of 40 finds him.
    Set_Player_Rating(HOME, WR, RATING_RECEIVING, Get_Player_Rating(HOME, WR, RATING_RECEIVING) + 10.0f);
    Seed_Random_Numbers(Seed_With(0, 100, 40));
    EXPECT_EQ(Choose_Pass_Target(&Game, &bPrimary), WR - 1);
    EXPECT_EQ(bPrimary, 1);
    // His place taken by a receiver rated as he was: c = 37 again.
    Put_Player(HOME, 40, 240, POSITION_WR);
    Game.nOnField[GAME_SIDE_HOME][WR] = 40;
    Seed_Random_Numbers(Seed_With(0, 100, 40));
    Choose_Pass_Target(&Game, &bPrimary);
    EXPECT_EQ(bPrimary, 0);
    End_Game_Rating_Cache();
}

TEST_F(PassingPlaysTest, DoubleTeamedWideReceiverLosesThirty)
{
    int nDouble = -1;
    for (int d = 0; d < 30 && nDouble < 0; ++d)
        if (Play_Has_Double_Team(AWAY, d))
            nDouble = d;
    ASSERT_GE(nDouble, 0);
    Game.CurrentPlay.nDefenseCall = static_cast<uint8_t>(nDouble);
    Set_Offensive_Play_Carrier(HOME, CALL, WR);
    int bPrimary = -1;
    // c = 37 - 30 = 7.
    Seed_Random_Numbers(Seed_With(0, 100, 7));
    Choose_Pass_Target(&Game, &bPrimary);
    EXPECT_EQ(bPrimary, 1);
    Seed_Random_Numbers(Seed_With(0, 100, 8));
    Choose_Pass_Target(&Game, &bPrimary);
    EXPECT_EQ(bPrimary, 0);
}

TEST_F(PassingPlaysTest, QuarterbackAsReceiverIsCappedAt65)
{
    Put_Player(HOME, 2, 202, POSITION_QB);   // place 2 is receiver 1
    Set_Offensive_Play_Carrier(HOME, CALL, 2);
    int bPrimary = -1;
    // c = 69 - 70 + 80 = 79, over 55: min((79 + 55)/2, 65) = 65.
    Seed_Random_Numbers(Seed_With(0, 100, 65));
    EXPECT_EQ(Choose_Pass_Target(&Game, &bPrimary), 1);
    EXPECT_EQ(bPrimary, 1);
    Seed_Random_Numbers(Seed_With(0, 100, 66));
    Choose_Pass_Target(&Game, &bPrimary);
    EXPECT_EQ(bPrimary, 0);
}

// ---------------------------------------------------------------------------
// Scramble test

TEST_F(PassingPlaysTest, AverageQuarterbackScramblesUnder261In5335)
{
    // R = (70 + 70)/2 = 70, P = 70, A = 70/45 x (40 x 70/10) = 435.6;
    // d = trunc(U x (4900 + 435)); a drop-back scrambles when d < 261.
    ASSERT_NE(Get_Offensive_Play_Type(HOME, CALL), 7);
    ASSERT_NE(Get_Offensive_Play_Type(HOME, CALL), 8);
    uint32_t nIn = 1;
    while (static_cast<int>(Draw(nIn, 0) * 5335) >= 261)
        ++nIn;
    uint32_t nOut = 1;
    while (static_cast<int>(Draw(nOut, 0) * 5335) != 261)
        ++nOut;
    Seed_Random_Numbers(nIn);
    EXPECT_TRUE(Should_Scramble(&Game));
    Seed_Random_Numbers(nOut);
    EXPECT_FALSE(Should_Scramble(&Game));
}

TEST_F(PassingPlaysTest, SlowQuarterbackNeverScrambles)
{
    Put_Player(HOME, QB, 200, POSITION_QB, 20.0f);
    for (uint32_t nSeed = 1; nSeed <= 500; ++nSeed) {
        Seed_Random_Numbers(nSeed);
        EXPECT_FALSE(Should_Scramble(&Game));
    }
}

// ---------------------------------------------------------------------------
// Results

TEST_F(PassingPlaysTest, IncompletePassStopsTheClockAndCreditsTheAttempt)
{
    Game.nDown |= GAME_DOWN_FLAG_CLOCK_STOPPED_2 | GAME_DOWN_FLAGS_CHANGED_HANDS;
    const uint32_t nSeed = 7;
    Seed_Random_Numbers(nSeed);
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_INCOMPLETE, 9, 20, 25);
    EXPECT_EQ(Result(), RESULT_PASS_INCOMPLETE);
    EXPECT_EQ(Game.nPlayYards, 0);
    EXPECT_EQ(Game.nPlaySeconds, 4 + 2 + static_cast<int>(Draw(nSeed, 0) * 5));
    EXPECT_EQ(Game.nDown & 0x3300u, GAME_DOWN_FLAG_CLOCK_STOPPED);
    EXPECT_EQ(Stat(HOME, QB, STAT_PASS_ATTEMPTS), 1);
    EXPECT_EQ(Stat(HOME, WR, STAT_TARGETS), 1);
    EXPECT_EQ(Stat(HOME, WR, STAT_RECEPTIONS), 0);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_PASS_ATTEMPTS), 1);
    EXPECT_EQ(Game.CurrentPlay.nPlayer1, 201);
    EXPECT_EQ(Game.CurrentPlay.nPlayer2, 200);
}

TEST_F(PassingPlaysTest, KnockedDownPassCreditsTheDefender)
{
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_KNOCKED_DOWN, 9, 20, 25);
    EXPECT_EQ(Result(), RESULT_PASS_KNOCKED_DOWN);
    EXPECT_EQ(Game.nPlayYards, 0);
    EXPECT_EQ(Stat(AWAY, DEFENDER, STAT_PASSES_DEFENSED), 1);
    EXPECT_EQ(Stat(HOME, QB, STAT_PASS_ATTEMPTS), 1);
    EXPECT_EQ(Game.CurrentPlay.nPlayer1, 100);
    EXPECT_EQ(Game.CurrentPlay.nPlayer2, 201);
}

TEST_F(PassingPlaysTest, CompletePassGainsItsDistance)
{
    // Route 0 has the sideline figure 40: out of bounds when trunc(100U) < 40.
    const uint32_t nSeed = 11;
    Seed_Random_Numbers(nSeed);
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_COMPLETE, 0, 8, 12);
    EXPECT_EQ(Result(), RESULT_PASS_COMPLETE);
    EXPECT_EQ(Game.nPlayYards, 12);
    EXPECT_EQ(Game.nPlaySeconds, 5 + 2 + static_cast<int>(Draw(nSeed, 1) * 6));
    EXPECT_EQ((Game.nDown & GAME_DOWN_FLAG_OUT_OF_BOUNDS) != 0, static_cast<int>(Draw(nSeed, 0) * 100) < 40);
    EXPECT_EQ(Stat(HOME, QB, STAT_PASS_ATTEMPTS), 1);
    EXPECT_EQ(Stat(HOME, QB, STAT_PASS_COMPLETIONS), 1);
    EXPECT_EQ(Stat(HOME, QB, STAT_PASSING_YARDS), 12);
    EXPECT_EQ(Stat(HOME, WR, STAT_TARGETS), 1);
    EXPECT_EQ(Stat(HOME, WR, STAT_RECEPTIONS), 1);
    EXPECT_EQ(Stat(HOME, WR, STAT_RECEIVING_YARDS), 12);
    EXPECT_EQ(Stat(HOME, WR, STAT_YARDS_AFTER_CATCH), 4);
    EXPECT_EQ(Stat(HOME, WR, 5), 1);   // a first down: 12 of 10 to go
    EXPECT_EQ(Stat(AWAY, DEFENDER, STAT_SOLO_TACKLES), 1);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_PASS_ATTEMPTS), 1);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_COMPLETIONS), 1);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_PASSING_YARDS), 12);
    // The log: receiver, passer and the gain the play-by-play tells.
    EXPECT_EQ(Game.CurrentPlay.nPlayer1, 201);
    EXPECT_EQ(Game.CurrentPlay.nPlayer2, 200);
    EXPECT_EQ(Game.CurrentPlay.nYard1, 12);
}

TEST_F(PassingPlaysTest, CompletePassIntoTheEndZoneIsATouchdownOfTheSpot)
{
    Game.nYardLine = 10;
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_COMPLETE, 9, 8, 15);
    EXPECT_EQ(Result(), RESULT_TOUCHDOWN_PASS);
    EXPECT_EQ(Game.nPlayYards, 10);
    EXPECT_EQ(Stat(HOME, QB, STAT_PASSING_TOUCHDOWNS), 1);
    EXPECT_EQ(Stat(HOME, WR, STAT_RECEIVING_TOUCHDOWNS), 1);
    EXPECT_EQ(Stat(HOME, WR, STAT_RECEIVING_YARDS), 10);
    EXPECT_EQ(Stat(AWAY, DEFENDER, STAT_SOLO_TACKLES), 0);
    EXPECT_EQ(Game.CurrentPlay.nYard1, 10);
}

TEST_F(PassingPlaysTest, ConversionCompletionScoresWithoutCredits)
{
    Game.nYardLine = 2;
    Game.nDown = CONVERSION_ATTEMPT;
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_COMPLETE, 9, 3, 5);
    EXPECT_EQ(Result(), RESULT_TWO_POINT_GOOD);
    EXPECT_EQ(Game.nPlayYards, 2);
    EXPECT_EQ(Stat(HOME, QB, STAT_PASSING_TOUCHDOWNS), 0);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_PASS_ATTEMPTS), 0);
}

TEST_F(PassingPlaysTest, SafetiesAndTouchdownsNearTheOwnGoalLine)
{
    // A completion behind the own goal line is a safety.
    Game.nYardLine = 99;
    Implement_Pass_Result(&Game, 4, PASS_OUTCOME_COMPLETE, 9, -3, -2);
    EXPECT_EQ(Result(), RESULT_SAFETY);
    EXPECT_EQ(Game.nPlayYards, -1);
    // Logged as the receiver tackled by the defender.
    EXPECT_EQ(Game.CurrentPlay.nPlayer2, 100);
    // A sack in the own end zone is a safety of the spot.
    Game = GAME{};
    SetUp();
    Game.nYardLine = 97;
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_SACKED, 9, 20, 20);
    EXPECT_EQ(Result(), RESULT_SAFETY);
    EXPECT_EQ(Game.nPlayYards, -3);
    // Logged as the passer tackled by the sacker.
    EXPECT_EQ(Game.CurrentPlay.nPlayer1, 200);
    EXPECT_EQ(Game.CurrentPlay.nPlayer2, 100);
    // A strip sack: the loss stops at the goal line (2 yards); the defence
    // takes over 2 yards out and scores.
    Game = GAME{};
    SetUp();
    Game.nYardLine = 98;
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_SACK_FUMBLE, 9, 20, 20);
    EXPECT_EQ(Result(), RESULT_FUMBLE_RETURN_TOUCHDOWN);
    EXPECT_EQ(Game.nYardLine, 2);
    EXPECT_EQ(Game.nPlayYards, 2);
}

TEST_F(PassingPlaysTest, InterceptionChangesHandsWithTheReturn)
{
    const uint32_t nSeed = 5;
    Seed_Random_Numbers(nSeed);
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_INTERCEPTED, 9, 10, 10);
    // Draws: seconds, interceptor, then the return trunc(12 U) x trunc(13 U) - trunc(80 U),
    // a fifth of it when trunc(100 U) < 30 (Speed 70: m = 70/6 + 1 = 12).
    int R = static_cast<int>(Draw(nSeed, 2) * 12) * static_cast<int>(Draw(nSeed, 3) * 13) -
            static_cast<int>(Draw(nSeed, 4) * 80);
    if (static_cast<int>(Draw(nSeed, 5) * 100) < 30)
        R /= 5;
    R = std::clamp(R, 0, 110);
    EXPECT_EQ(Game.nPlaySeconds, 6 + 1 + static_cast<int>(Draw(nSeed, 0) * 10));
    EXPECT_EQ(Game.nPlayYards, R - 10 >= 50 ? 50 : R - 10);
    EXPECT_EQ(Result(), R - 10 >= 50 ? RESULT_INTERCEPTION_TOUCHDOWN : RESULT_PASS_INTERCEPTED);
    EXPECT_EQ(Game.nOffense, AWAY);
    EXPECT_EQ(Game.nDown & GAME_DOWN_FLAGS_CHANGED_HANDS, GAME_DOWN_FLAG_CHANGED_HANDS);
    EXPECT_EQ(Stat(HOME, QB, STAT_PASS_ATTEMPTS), 1);
    EXPECT_EQ(Stat(HOME, QB, STAT_INTERCEPTIONS_THROWN), 1);
    EXPECT_EQ(Stat(AWAY, DEFENDER, STAT_INTERCEPTIONS), 1);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_TURNOVERS), 1);
    // The log: the interceptor and the receiver the pass was meant for.
    EXPECT_EQ(Game.CurrentPlay.nPlayer1, 100);
    EXPECT_EQ(Game.CurrentPlay.nPlayer2, 201);
}

// Codes 4-6 are interceptions, passing yards and touchdowns on a
// quarterback's line and targets, first downs caught and yards after the
// catch on a receiver's: a quarterback thrown to, or a receiver who throws,
// gets only what his own line means.
TEST_F(PassingPlaysTest, AQuarterbackThrownToAndAReceiverWhoThrowsKeepTrueLines)
{
    // A second quarterback in the slot of the running back is thrown to.
    constexpr int SLOT_QB = 4;
    Put_Player(HOME, SLOT_QB, 204, POSITION_QB);
    Game.nYardLine = 30;
    Implement_Pass_Result(&Game, SLOT_QB, PASS_OUTCOME_COMPLETE, 9, 8, 12);
    ASSERT_EQ(Result(), RESULT_PASS_COMPLETE);
    EXPECT_EQ(Stat(HOME, SLOT_QB, STAT_RECEPTIONS), 1);
    EXPECT_EQ(Stat(HOME, SLOT_QB, STAT_RECEIVING_YARDS), 12);
    EXPECT_EQ(Stat(HOME, SLOT_QB, STAT_INTERCEPTIONS_THROWN), 0);   // not a target
    EXPECT_EQ(Stat(HOME, SLOT_QB, STAT_PASSING_YARDS), 0);          // not a first down caught
    EXPECT_EQ(Stat(HOME, SLOT_QB, STAT_PASSING_TOUCHDOWNS), 0);     // not yards after the catch
    EXPECT_EQ(Stat(HOME, QB, STAT_PASSING_YARDS), 12);

    // The same quarterback thrown to and intercepted: no interception of his.
    Start_Play_Record(&Game);
    Game.nOffense = HOME;
    Implement_Pass_Result(&Game, SLOT_QB, PASS_OUTCOME_INTERCEPTED, 9, 10, 10);
    EXPECT_EQ(Stat(HOME, SLOT_QB, STAT_INTERCEPTIONS_THROWN), 0);
    EXPECT_EQ(Stat(HOME, QB, STAT_INTERCEPTIONS_THROWN), 1);

    // A receiver who throws: his touchdown pass is no yards after a catch,
    // his passing yards no first down caught.
    Put_Player(HOME, QB, 200, POSITION_WR);
    Start_Play_Record(&Game);
    Game.nOffense = HOME;
    Game.nYardLine = 10;
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_COMPLETE, 9, 8, 15);
    ASSERT_EQ(Result(), RESULT_TOUCHDOWN_PASS);
    EXPECT_EQ(Stat(HOME, QB, STAT_YARDS_AFTER_CATCH), 0);
    EXPECT_EQ(Stat(HOME, QB, 5), 0);
    EXPECT_EQ(Stat(HOME, WR, STAT_RECEIVING_TOUCHDOWNS), 1);
}

// With the quarterbacks hurt a receiver stands in the passer's place: each
// pass of his is logged with him as its passer, so his box-score row counts
// his attempts, completions, yards, touchdowns and interceptions as the
// club's passing line counts them.
TEST_F(PassingPlaysTest, AReceiverInThePassersPlaceHasEveryPassOfHisInHisRow)
{
    Put_Player(HOME, QB, 200, POSITION_WR);
    struct THROW {
        int nOutcome, nSpot, nCatch, nDistance;
    };
    const THROW Throws[] = {
        {PASS_OUTCOME_INCOMPLETE, 50, 20, 25},
        {PASS_OUTCOME_COMPLETE, 50, 8, 12},
        {PASS_OUTCOME_COMPLETE, 10, 8, 15},   // a 10-yard touchdown
        {PASS_OUTCOME_INTERCEPTED, 50, 10, 10},
        {PASS_OUTCOME_KNOCKED_DOWN, 50, 20, 25},
        {PASS_OUTCOME_SACKED, 50, 20, 20},    // no attempt
    };
    Seed_Random_Numbers(5);
    for (const THROW& Throw : Throws) {
        Start_Play_Record(&Game);
        Game.nOffense = HOME;
        Game.nYardLine = static_cast<int8_t>(Throw.nSpot);
        Game.nToGo = 10;
        Game.nDown = 1;
        Game.CurrentPlay.nOffenseCall = CALL;
        Game.CurrentPlay.nDefenseCall = 0;
        Store_Snap_In_Play_Log(&Game);
        Implement_Pass_Result(&Game, WR, Throw.nOutcome, 9, Throw.nCatch, Throw.nDistance);
        ASSERT_TRUE(Append_Play_To_Log(&Game));
    }
    ASSERT_EQ(Game.nPlays, 6);
    EXPECT_EQ(Get_Play_Result(&Game.PlayLog[2]), RESULT_TOUCHDOWN_PASS);
    for (int i = 0; i < Game.nPlays; ++i)
        EXPECT_EQ(Get_Play_Other_Passer_Entry(&Game.PlayLog[i]), 0) << i;   // his game roster entry

    const GAME_PASSING_LINE Line = Get_Player_Game_Passing(&Game, GAME_SIDE_HOME, QB);
    EXPECT_EQ(Line.nAttempts, 5);
    EXPECT_EQ(Line.nCompletions, 2);
    EXPECT_EQ(Line.nYards, 12 + 10);
    EXPECT_EQ(Line.nTouchdowns, 1);
    EXPECT_EQ(Line.nInterceptions, 1);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_PASS_ATTEMPTS), Line.nAttempts);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_COMPLETIONS), Line.nCompletions);

    Set_Game_Pages_Enabled(true);
    Clear_Game_Report_Html();
    Write_Box_Score_Offense_Table(&Game);
    auto C = [](const char* s) { return std::string("<TD class=lmc>") + s + "</TD>"; };
    // Rating: (400 - 300) x 5 = 500, (440 - 300) x 25 / 10 = 350, touchdowns
    // 2,375 at most, interceptions 0: 3,225 / 6 = 53.7.
    EXPECT_NE(Get_Game_Report_Html().find(C("WR") + C("2") + C("5") + C("22") + C("1") + C("1") + C("53.7")),
              std::string::npos)
        << Get_Game_Report_Html();
    Clear_Game_Report_Html();
}

TEST_F(PassingPlaysTest, InterceptionReturnsStayOnTheField)
{
    for (uint32_t nSeed = 1; nSeed <= 300; ++nSeed) {
        for (int nSpot : {3, 60, 97}) {
            SetUp();
            Game.nYardLine = static_cast<int8_t>(nSpot);
            Seed_Random_Numbers(nSeed);
            Implement_Pass_Result(&Game, WR, PASS_OUTCOME_INTERCEPTED, 9, 15, 15);
            // Seen from the interceptor: his new spot is 100 - spot, the ball ends in front of his goal line
            // and at most at the other one.
            EXPECT_GE(Game.nPlayYards + nSpot, 1);
            EXPECT_LE(Game.nPlayYards, 100 - nSpot);
        }
    }
}

TEST_F(PassingPlaysTest, SackLosesTheDrawnYardsAndStopsTheClockUntilLateInTheHalf)
{
    const uint32_t nSeed = 3;
    Seed_Random_Numbers(nSeed);
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_SACKED, 9, 20, 20);
    // s = 5 + trunc(5 U); L = min(s, (s + 20)/2) = s.
    const int s = 5 + static_cast<int>(Draw(nSeed, 0) * 5);
    EXPECT_EQ(Result(), RESULT_SACKED);
    EXPECT_EQ(Game.nPlayYards, -s);
    EXPECT_EQ(Game.nPlaySeconds, 5 + static_cast<int>(Draw(nSeed, 1) * 5));
    EXPECT_NE(Game.nDown & GAME_DOWN_FLAG_CLOCK_STOPPED, 0u);
    EXPECT_EQ(Stat(HOME, QB, STAT_TIMES_SACKED), 1);
    EXPECT_EQ(Stat(HOME, QB, STAT_SACK_YARDS_LOST), s);
    // The log: the passer sacked by the defender, and the loss.
    EXPECT_EQ(Game.CurrentPlay.nPlayer1, 200);
    EXPECT_EQ(Game.CurrentPlay.nPlayer2, 100);
    EXPECT_EQ(Game.CurrentPlay.nYard1, -s);
    // Late in the half the clock keeps running.
    Game = GAME{};
    SetUp();
    Game.nClock = 1750;
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_SACKED, 9, 20, 20);
    EXPECT_EQ(Game.nDown & GAME_DOWN_FLAG_CLOCK_STOPPED, 0u);
}

TEST_F(PassingPlaysTest, StripSackIsLostToTheDefence)
{
    Implement_Pass_Result(&Game, WR, PASS_OUTCOME_SACK_FUMBLE, 9, 20, 20);
    EXPECT_TRUE(Result() == RESULT_SACK_FUMBLE_LOST || Result() == RESULT_FUMBLE_RETURN_TOUCHDOWN);
    EXPECT_EQ(Game.nOffense, AWAY);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_TURNOVERS), 1);
    EXPECT_EQ(Game.bTeamStat[GAME_SIDE_HOME][GAME_STAT_FUMBLES_LOST], 1);
    EXPECT_EQ(Stat(HOME, QB, STAT_FUMBLES_LOST), 1);
    EXPECT_EQ(Stat(AWAY, DEFENDER, STAT_FUMBLES_RECOVERED), 1);
    EXPECT_EQ(Stat(AWAY, DEFENDER, STAT_FUMBLES_FORCED), 1);
    EXPECT_GE(Game.nPlayYards, 5);   // at least the loss of 5-9 yards, plus the return
}

TEST_F(PassingPlaysTest, OutcomeAboveFiveIsReportedAndChangesNothing)
{
    Implement_Pass_Result(&Game, WR, 6, 9, 20, 20);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Invalid value in Implement_Pass_Result()"));
    EXPECT_EQ(Result(), RESULT_UNDECIDED);
    EXPECT_EQ(Game.nPlaySeconds, 0);
}

// ---------------------------------------------------------------------------
// The fake kicks: receiver 0 runs no route (-1)

TEST_F(PassingPlaysTest, FakeKickPassesNeverReadARouteTable)
{
    for (int nCall : {56, 57}) {
        for (uint32_t nSeed = 1; nSeed <= 200; ++nSeed) {
            SetUp();
            Game.CurrentPlay.nOffenseCall = static_cast<uint8_t>(nCall);
            Game.nFormation[GAME_SIDE_HOME] = Get_Offensive_Play_Formation(HOME, nCall);
            Seed_Random_Numbers(nSeed);
            Run_Pass_Play(&Game);
            EXPECT_EQ(Errors_Reported(), 0) << nCall << " " << nSeed;
            EXPECT_LE(Result(), RESULT_FUMBLE_RETURN_TOUCHDOWN);
        }
    }
}

TEST_F(PassingPlaysTest, ReceiverWithoutRouteIsAPossibleTarget)
{
    // The random branch of the fake field goal reaches receiver 0 (route -1).
    Game.CurrentPlay.nOffenseCall = 57;
    ASSERT_EQ(Get_Offensive_Play_Route(HOME, 57, 0), -1);
    bool bSeen = false;
    for (uint32_t nSeed = 1; nSeed <= 400 && !bSeen; ++nSeed) {
        Seed_Random_Numbers(nSeed);
        int bPrimary = 0;
        bSeen = Choose_Pass_Target(&Game, &bPrimary) == 0;
    }
    EXPECT_TRUE(bSeen);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

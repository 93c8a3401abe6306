// The computer's offensive play calling: the run chance and the situation
// rules with hand-computed figures, the play draw's rules, and the call
// sequence's determinism for a seed.

#include <vector>

#include "base/random.h"
#include "engine/defense_calling.h"
#include "engine/formations.h"
#include "engine/offense_calling.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "engine/play_calling_fixture.h"

namespace {

// Both clubs are the hand-made club (every rating 70, Speed 73) with the
// default playbooks; the home club has the ball at midfield, first and ten,
// early in the first quarter, with its QB, both RBs, two WRs and a TE in
// places 0-5.
//
// Mixes of a 70-rated player with Speed 73: running A = 0.2 x 73 + 0.2 x 70
// + 0.25 x 70 + 0.25 x 70 + 0.1 x 70 = 70.6 (a QB: (70.6 + 70) / 2 = 70.3),
// receiving B = 0.13 x 73 + 0.46 x 70 + 0.4 x 70 = 69.69, passing C = 70.
// Scores: QB RS += 0.51, PS += 30; each RB RS += trunc(15 x 3.2) = 48 and
// PS += 9.69; each WR PS += 73.45; the TE PS += 29.07. Summed and truncated
// step by step: RS = 136, PS = 283.
class OffenseCallingTest : public PlayCallingTest {
protected:
    void SetUp() override
    {
        PlayCallingTest::SetUp();
        Set_User_Preference(PREF_CURRENT_WEEK, 0);
        Set_User_Preference(PREF_TWO_POINT_TRIES, 0);
        for (int t = 0; t < 2; ++t)
            Set_Team_Stat(t, TEAM_STAT_OFFENSIVE_SYSTEM, 0);
        Build_Play_Matchup_Table(&m_Game);
        Seed_Random_Numbers(2024);
    }

    void Set_Score(int nOffense, int nDefense)
    {
        m_Game.nScore[GAME_SIDE_HOME] = nOffense;
        m_Game.nScore[GAME_SIDE_AWAY] = nDefense;
    }

    // Ratings changed after the snapshot: take it again.
    void Retake_Snapshot() { Build_Play_Matchup_Table(&m_Game); }

    int Category(int nPlay) { return Get_Play_Call_Category(1, nPlay); }

};

TEST_F(OffenseCallingTest, RunChanceByDownAndDistance)
{
    // First and ten at midfield: RS 136 x 1.2 = 163.2 -> 163, + 163 / 7 = 186;
    // 186 x 1000 / (186 + 283) = 396.6 -> 397.
    EXPECT_EQ(Get_Run_Chance(&m_Game), 397);
    // Third and 15: PS 283 x 15 / 3 = 1415; RS 136 + 19 = 155; 155000 / 1570 = 98.7 -> 99.
    Set_Down(2, 15, 50);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 99);
    // Fourth and 1: RS 136 x 175 / 100 = 238, + 34 = 272; 272000 / 555 = 490.1 -> 490.
    Set_Down(3, 1, 50);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 490);
    // Second and 8 (L 7): PS 283 x 8 / 7 = 323.4 -> 323; RS 136 + 19 = 155; 155000 / 478 = 324.3 -> 324.
    Set_Down(1, 8, 50);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 324);
}

TEST_F(OffenseCallingTest, RunChanceNearTheGoalLineAndBackedUp)
{
    // First and goal at the 1: PS 283 x 620 / 1000 = 175.46 -> 175; RS 163 x 6 / 2 = 489,
    // + 69 = 558; 558000 / 733 = 761.3 -> 761.
    Set_Down(0, 1, 1);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 761);
    // First and ten at the own 5 (S 95): PS 283 x 750 / 1000 = 212.25 -> 212; 186000 / 398 = 467.3 -> 467.
    Set_Down(0, 10, 95);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 467);
}

TEST_F(OffenseCallingTest, RunChanceByScoreClockBalanceAndEra)
{
    // Third quarter, trailing by 7: PS 283 x 35 / 28 = 353.75 -> 354; 186000 / 540 = 344.4 -> 344.
    m_Game.nClock = 2000;
    Set_Score(10, 17);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 344);
    // Leading with 100 s of regulation left: the pass score is 0.
    m_Game.nClock = 3500;
    Set_Score(17, 10);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 1000);
    // Hurry-up (tied, under 240 s): RS 163 / 20 = 8, + 1 = 9; PS 283 x 28 / 28 = 283, x 900 / 100
    // = 2547; 9000 / 2556 = 3.52 -> 4.
    Set_Score(10, 10);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 4);

    // Balance 0 never passes, 20 never runs; 15: RS 163 x 5 / 10 = 81.5 -> 82, + 11 = 93;
    // 93000 / 376 = 247.3 -> 247.
    m_Game.nClock = 600;
    Set_Team_Stat(1, TEAM_STAT_RUN_PASS_BALANCE, 0);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 1000);
    Set_Team_Stat(1, TEAM_STAT_RUN_PASS_BALANCE, 20);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 0);
    Set_Team_Stat(1, TEAM_STAT_RUN_PASS_BALANCE, 15);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 247);

    // From week 4 the era: h = (2081 + 2 x 2081 + 2144) / 4 = 2096, g = 2350;
    // PS 283 x 2096 / 2350 = 252.4 -> 252, RS 163 x 2350 / 2096 = 182.75 -> 183, + 26 = 209;
    // 209000 / 461 = 453.4 -> 453.
    Set_Team_Stat(1, TEAM_STAT_RUN_PASS_BALANCE, 10);
    Set_User_Preference(PREF_CURRENT_WEEK, 4);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 453);
}

TEST_F(OffenseCallingTest, RunChanceStaysInRangeWithAPoorPasser)
{
    // Only the quarterback, passing ratings 20: PS = 60 + (20 - 60) x 3 = -60,
    // counted as 0; the chance is 1000, not past it.
    for (int p = 1; p < 6; ++p)
        m_Game.nOnField[GAME_SIDE_HOME][p] = NO_PLAYER;
    for (int r : {RATING_ACCURACY, RATING_CONTROL, RATING_DISTANCE, RATING_RED_ZONE})
        Set_Player_Rating(1, 0, r, 20.0f);
    Retake_Snapshot();
    EXPECT_EQ(Get_Run_Chance(&m_Game), 1000);
    // Leading by 40 in the third quarter: PS x (-40 + 28) / 28 turns negative; still 0-1000.
    for (int r : {RATING_ACCURACY, RATING_CONTROL, RATING_DISTANCE, RATING_RED_ZONE})
        Set_Player_Rating(1, 0, r, 90.0f);
    Retake_Snapshot();
    m_Game.nClock = 2000;
    Set_Score(40, 0);
    EXPECT_EQ(Get_Run_Chance(&m_Game), 1000);
}

TEST_F(OffenseCallingTest, RunningBackWorkload)
{
    // Year 2020, 3 games played (n 4), 100 carries, Durability 70:
    // k = 52 x 70 / 85 = 42, limit min(42, 141) = 42; 1000 x 42 / 100 = 420.
    Set_Player_Stat(1, 1, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED, 3);
    Set_Player_Stat(1, 1, STAT_PERIOD_THIS_SEASON, STAT_RUSHING_ATTEMPTS, 100);
    EXPECT_EQ(Apply_Running_Back_Workload(1, 1, 1000), 420);
    // 2010: e = 21, limit 63.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2010;
    EXPECT_EQ(Apply_Running_Back_Workload(1, 1, 1000), 630);
    // Within the limit the value stands.
    Set_Player_Stat(1, 1, STAT_PERIOD_THIS_SEASON, STAT_RUSHING_ATTEMPTS, 63);
    EXPECT_EQ(Apply_Running_Back_Workload(1, 1, 1000), 1000);
}

TEST_F(OffenseCallingTest, DesignedGainOfBuiltInPlays)
{
    EXPECT_EQ(Get_Play_Yardage(-1, 0), 3);    // dive, halfback, hole 1: 0 + 3
    EXPECT_EQ(Get_Play_Yardage(-1, 1), 1);    // blast, hole 0: 3, lead block -2
    EXPECT_EQ(Get_Play_Yardage(-1, 3), 3);    // fullback dive, hole 3: 1 + 2
    EXPECT_EQ(Get_Play_Yardage(-1, 4), 1);    // QB sneak, hole 0: base 1
    EXPECT_EQ(Get_Play_Yardage(-1, 13), 6);   // toss, hole 7: 3 + 3
    EXPECT_EQ(Get_Play_Yardage(-1, 14), 10);  // sweep, hole 8: 4 + 6
    EXPECT_EQ(Get_Play_Yardage(-1, 7), 9);    // draw, hole 1: 1 + 8
    EXPECT_EQ(Get_Play_Yardage(-1, 55), 7);   // fake punt run, QB place, hole 8: 4 + 3
    EXPECT_EQ(Get_Play_Yardage(-1, 58), -1);
    EXPECT_EQ(Get_Play_Yardage(-1, 59), -1);
    // A pass: its primary receiver's mean route depth (the halfback's "Bench").
    EXPECT_EQ(Get_Play_Yardage(-1, 25), Get_Pass_Route_Mean_Depth(13));
    EXPECT_EQ(Get_Play_Primary_Route_Depth(-1, 25), Get_Pass_Route_Mean_Depth(13));
    EXPECT_EQ(Errors_Reported(), 0);
    // The kneel-down's type has no designed gain: reported, base 1.
    EXPECT_EQ(Get_Play_Yardage(-1, 54), 1);
    EXPECT_TRUE(Last_Error_Contains("Unhandled nPlayType in Get_Play_Yardage()"));
}

TEST_F(OffenseCallingTest, CategoriesOfPlayTypes)
{
    EXPECT_EQ(Get_Play_Call_Category(-1, 0), PLAY_CATEGORY_RUN);
    EXPECT_EQ(Get_Play_Call_Category(-1, 7), PLAY_CATEGORY_DRAW);
    EXPECT_EQ(Get_Play_Call_Category(-1, 20), PLAY_CATEGORY_PASS);
    EXPECT_EQ(Get_Play_Call_Category(-1, 52), PLAY_CATEGORY_NONE);   // end around
    EXPECT_EQ(Get_Play_Call_Category(-1, 58), PLAY_CATEGORY_NONE);
}

TEST_F(OffenseCallingTest, RedundancyMultiplier)
{
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(&m_Game, 0), 1000);
    for (int n = 0; n < 5; ++n)
        Record_Offensive_Play_Call(&m_Game, 0);
    EXPECT_EQ(Get_Offensive_Call_Tally(&m_Game, GAME_SIDE_HOME, 0), 5);
    EXPECT_EQ(Get_Offensive_Call_Tally(&m_Game, GAME_SIDE_AWAY, 0), 0);
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(&m_Game, 0), 800);   // 20000 / 25
    for (int n = 0; n < 25; ++n)
        Record_Offensive_Play_Call(&m_Game, 0);
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(&m_Game, 0), 500);   // 400, at least 500
    EXPECT_EQ(Get_Last_Offensive_Call(&m_Game), 0);
    // The next game, with a context of its own, starts with no calls.
    GAME Next = m_Game;
    GAME_CONTEXT NextContext;
    const GAME_CONTEXT_BINDING Binding(&Next, NextContext);
    EXPECT_EQ(Get_Last_Offensive_Call(&Next), -1);
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(&Next, 0), 1000);
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(&m_Game, 0), 500);
}

TEST_F(OffenseCallingTest, TopReceiverFocus)
{
    // The first receiver (slot 5) has 4 catches, 60 yards and a touchdown
    // after one quarter: q = 60 + 20 + 25 = 105, v = 105 x 2700 / 1800 = 157.5
    // -> 158; both receivers rate alike; (158 - 100) / 5 + 1 = 12.
    Set_Player_Rating(1, 5, RATING_KICK_RETURNS, 70.0f);   // both receivers alike
    m_Game.nClock = 900;
    m_Game.nRosterID[GAME_SIDE_HOME][7] = Get_Player_ID(1, 5);
    m_Game.nPlayerGameStat[GAME_SIDE_HOME][7][2] = 4;
    m_Game.nPlayerGameStat[GAME_SIDE_HOME][7][3] = 60;
    m_Game.nPlayerGameStat[GAME_SIDE_HOME][7][4] = 1;
    EXPECT_EQ(Get_Top_Receiver_Focus(&m_Game), 12);
    // Fewer yards: u = 30 + 20 + 25 = 75 x 1.5 = 112.5 -> 113, below 120: 0.
    m_Game.nPlayerGameStat[GAME_SIDE_HOME][7][3] = 30;
    EXPECT_EQ(Get_Top_Receiver_Focus(&m_Game), 0);
}

TEST_F(OffenseCallingTest, ClockAndKickOffSituations)
{
    EXPECT_FALSE(Is_Last_Seconds_Of_Half(&m_Game));
    m_Game.nClock = 1791;
    EXPECT_TRUE(Is_Last_Seconds_Of_Half(&m_Game));
    m_Game.nClock = 1790;
    EXPECT_FALSE(Is_Last_Seconds_Of_Half(&m_Game));

    // 100 s left: enough with two timeouts (100 > 110? no), with three (100 > 75).
    m_Game.nClock = 3500;
    EXPECT_TRUE(Has_Time_For_Next_Possession(&m_Game));
    m_Game.nTimeouts[GAME_SIDE_HOME] = 2;
    EXPECT_FALSE(Has_Time_For_Next_Possession(&m_Game));

    // Kick-offs late in the fourth quarter.
    Set_Down(KICKOFF_DOWN, 0, 65);
    Set_Score(10, 17);
    EXPECT_EQ(Call_Offensive_Play(&m_Game), ONSIDE_KICK_CALL);
    Set_Score(17, 10);
    EXPECT_EQ(Call_Offensive_Play(&m_Game), SQUIB_KICK_CALL);
    Set_Score(20, 10);
    EXPECT_EQ(Call_Offensive_Play(&m_Game), NORMAL_KICKOFF_CALL);
    Set_Score(10, 17);
    m_Game.nClock = 3470;   // 130 s left
    EXPECT_EQ(Call_Offensive_Play(&m_Game), NORMAL_KICKOFF_CALL);
    Set_Down(SAFETY_KICK_DOWN, 0, 80);
    EXPECT_EQ(Call_Offensive_Play(&m_Game), NORMAL_KICKOFF_CALL);
}

TEST_F(OffenseCallingTest, KneelDownToEndTheGame)
{
    // Leading 35-0 with 100 s left, first down, no defensive timeouts:
    // 3 x 38 = 114 > 100 and the game is decided.
    m_Game.nClock = 3500;
    Set_Score(35, 0);
    m_Game.nTimeouts[GAME_SIDE_AWAY] = 0;
    EXPECT_TRUE(Should_Kneel_Down(&m_Game));
    EXPECT_EQ(Call_Offensive_Play(&m_Game), KNEEL_DOWN_PLAY);
    // Third down: 1 x 38 = 38 is not above 100.
    Set_Down(2, 10, 50);
    EXPECT_FALSE(Should_Kneel_Down(&m_Game));
    // One defensive timeout left keeps the offence from kneeling.
    Set_Down(0, 10, 50);
    m_Game.nTimeouts[GAME_SIDE_AWAY] = 1;
    EXPECT_FALSE(Should_Kneel_Down(&m_Game));
    // Not decided (a 7-point lead): no kneel.
    m_Game.nTimeouts[GAME_SIDE_AWAY] = 0;
    Set_Score(14, 7);
    EXPECT_FALSE(Should_Kneel_Down(&m_Game));
    // Trailing by 35: never.
    Set_Score(0, 35);
    EXPECT_FALSE(Should_Kneel_Down(&m_Game));
}

TEST_F(OffenseCallingTest, FourthAndOneInsideTheTwenty)
{
    // Fourth and 1 at the 20, tied, more than 5 minutes left: inside the
    // range and within 3 there is no going for it by the model, the 1 yard to
    // go with over 300 s left rules out the field goal, and inside the 31
    // nobody punts: the offence goes for it with a play from its book.
    const int R = Get_Field_Goal_Range(&m_Game);
    ASSERT_GE(R, 20);
    Set_Down(3, 1, 20);
    EXPECT_FALSE(Should_Go_For_It(&m_Game));
    EXPECT_FALSE(Should_Kick_Field_Goal(&m_Game));
    EXPECT_FALSE(Should_Punt(&m_Game));
    for (int n = 0; n < 50; ++n) {
        const int nCall = Call_Offensive_Play(&m_Game);
        EXPECT_LT(nCall, KNEEL_DOWN_PLAY);
        EXPECT_NE(Category(nCall), PLAY_CATEGORY_NONE);
    }
    // The same with 200 s left: the field goal.
    m_Game.nClock = 3400;
    EXPECT_TRUE(Should_Kick_Field_Goal(&m_Game));
    EXPECT_EQ(Call_Offensive_Play(&m_Game), HARD_CODED_FIELD_GOAL_PLAY);
}

TEST_F(OffenseCallingTest, FourthDownFieldGoalRangeAndPunts)
{
    const int R = Get_Field_Goal_Range(&m_Game);
    // Fourth and 8 five yards inside the range, tied: the field goal.
    Set_Down(3, 8, R - 5);
    EXPECT_EQ(Call_Offensive_Play(&m_Game), HARD_CODED_FIELD_GOAL_PLAY);
    // At the own 15 (S 85): a punt. Going for it: base (3/6 + 0.8) x 5/40 =
    // 0.1625, so only a strength above 46 would try 8 yards.
    Set_Down(3, 8, 85);
    EXPECT_FALSE(Should_Go_For_It(&m_Game));
    EXPECT_TRUE(Should_Punt(&m_Game));
    EXPECT_EQ(Call_Offensive_Play(&m_Game), HARD_CODED_PUNT_PLAY);
    // Trailing by 10 with 3 minutes left: no punt ((17 - 8) x 60 = 540 > 180) and no
    // field goal (D 10, t under 300? no; but not in range either at S 85).
    m_Game.nClock = 3420;
    Set_Score(7, 17);
    EXPECT_FALSE(Should_Punt(&m_Game));
    EXPECT_FALSE(Should_Kick_Field_Goal(&m_Game));
    EXPECT_LT(Call_Offensive_Play(&m_Game), KNEEL_DOWN_PLAY);
}

TEST_F(OffenseCallingTest, LateFieldGoals)
{
    const int R = Get_Field_Goal_Range(&m_Game);
    // Five seconds before half time, second down, tied, 8 yards outside the range.
    m_Game.nClock = 1795;
    Set_Down(1, 10, R + 8);
    EXPECT_EQ(Call_Offensive_Play(&m_Game), HARD_CODED_FIELD_GOAL_PLAY);
    // Leading by 10 in the first half: still the field goal; at the end of the game, not.
    Set_Score(17, 7);
    EXPECT_EQ(Call_Offensive_Play(&m_Game), HARD_CODED_FIELD_GOAL_PLAY);
    m_Game.nClock = 3595;
    EXPECT_NE(Call_Offensive_Play(&m_Game), HARD_CODED_FIELD_GOAL_PLAY);
    // Overtime, sudden death, first down ten yards inside the range: at once.
    Set_Score(17, 17);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, 0);
    m_Game.nClock = 3700;
    Set_Down(0, 10, R - 10);
    EXPECT_EQ(Call_Offensive_Play(&m_Game), HARD_CODED_FIELD_GOAL_PLAY);
    // Under the possession rule before both teams had the ball: not at once.
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, 1);
    m_Game.nOvertimePossession = OVERTIME_HOME_HAD_BALL;
    EXPECT_FALSE(Should_Kick_Overtime_Field_Goal(&m_Game));
    m_Game.nOvertimePossession = OVERTIME_HOME_HAD_BALL | OVERTIME_AWAY_HAD_BALL;
    EXPECT_TRUE(Should_Kick_Overtime_Field_Goal(&m_Game));
}

TEST_F(OffenseCallingTest, TwoMinuteDrillPasses)
{
    // First half, 100 s left, tied, at the own 30: every call is a pass.
    m_Game.nClock = 1700;
    Set_Down(0, 10, 70);
    for (int n = 0; n < 100; ++n)
        EXPECT_EQ(Category(Call_Offensive_Play(&m_Game)), PLAY_CATEGORY_PASS);
    // Third and long early in the game: mostly passes (run chance 99 per mille).
    m_Game.nClock = 600;
    Set_Down(2, 15, 50);
    int nPasses = 0;
    for (int n = 0; n < 200; ++n)
        nPasses += Category(Call_Offensive_Play(&m_Game)) == PLAY_CATEGORY_PASS;
    EXPECT_GT(nPasses, 160);
}

TEST_F(OffenseCallingTest, GoalLineCallsFitTheDistance)
{
    // First and goal at the 2: the target gain is at most S + 5 - 1 = 6, and
    // no play designed for more than 7 yards is ever called.
    Set_Down(0, 2, 2);
    for (int n = 0; n < 100; ++n) {
        const int nCall = Call_Offensive_Play(&m_Game);
        EXPECT_LE(Get_Play_Yardage(1, nCall), 7) << nCall;
    }
}

TEST_F(OffenseCallingTest, FindExcludesTheLastCallAndTheHailMary)
{
    // With 10 to go the Hail Mary (play 49) is never in the draw; the last
    // call of either team is excluded.
    Record_Offensive_Play_Call(&m_Game, 20);
    for (int n = 0; n < 300; ++n) {
        const int nCall = Find_Offensive_Play(&m_Game, PLAY_CATEGORY_PASS, 40);
        EXPECT_NE(nCall, 49);
        EXPECT_NE(nCall, 20);
        EXPECT_EQ(Category(nCall), PLAY_CATEGORY_PASS);
    }
    // Ten seconds before half time at the own 40 it can come.
    m_Game.nClock = 1790;
    Set_Down(0, 10, 60);
    bool bHailMary = false;
    for (int n = 0; n < 300 && !bHailMary; ++n)
        bHailMary = Find_Offensive_Play(&m_Game, PLAY_CATEGORY_PASS, 60) == 49;
    EXPECT_TRUE(bHailMary);
}

TEST_F(OffenseCallingTest, FindNeverDrawsAFakeKickOnFirstDown)
{
    // On first down nobody punts or kicks: the fake punts (55 run, 56 pass)
    // and the fake field goal (57 pass) are never drawn, whatever the gain.
    Set_Down(0, 10, 60);
    for (int g = 1; g <= 30; ++g) {
        for (int n = 0; n < 40; ++n) {
            const int nPass = Find_Offensive_Play(&m_Game, PLAY_CATEGORY_PASS, g);
            EXPECT_NE(nPass, 56) << g;
            EXPECT_NE(nPass, 57) << g;
            EXPECT_NE(Find_Offensive_Play(&m_Game, PLAY_CATEGORY_RUN, g), 55) << g;
        }
    }
}

TEST_F(OffenseCallingTest, NoWeightFallsBackToAPlayOfTheCategory)
{
    // A team byte that holds no team gives every play weight 0; play 0 of
    // the built-in table is not valid for it, nor any other: 0.
    m_Game.nHomeTeam = NO_TEAM;
    m_Game.nOffense = NO_TEAM;
    EXPECT_EQ(Find_Offensive_Play(&m_Game, PLAY_CATEGORY_PASS, 10), 0);
    // A real team, but a category with no play (no end arounds are called):
    // play 0, a valid play.
    m_Game.nHomeTeam = 1;
    m_Game.nOffense = 1;
    EXPECT_EQ(Find_Offensive_Play(&m_Game, 5, 10), 0);
}

TEST_F(OffenseCallingTest, ConversionKickWithoutTwoPointTries)
{
    Set_Down(CONVERSION_ATTEMPT, 2, 2);
    EXPECT_EQ(Call_Offensive_Play(&m_Game), HARD_CODED_FIELD_GOAL_PLAY);
}

TEST_F(OffenseCallingTest, CallSequenceIsDeterministicForASeed)
{
    auto Run = [this](uint32_t nSeed) {
        Seed_Random_Numbers(nSeed);
        m_Context = GAME_CONTEXT{};   // a new game
        std::vector<int> Calls;
        for (int n = 0; n < 40; ++n) {
            Set_Down(n % 4 == 3 ? 2 : n % 3, 3 + n % 9, 20 + (n * 7) % 70);
            const int nOffense = Call_Offensive_Play(&m_Game);
            const int nDefense = Call_Defensive_Play(&m_Game);
            Record_Offensive_Play_Call(&m_Game, nOffense);
            Record_Defensive_Play_Call(&m_Game, nDefense);
            Calls.push_back(nOffense);
            Calls.push_back(nDefense);
        }
        Calls.push_back(static_cast<int>(Generate_Random_Number() & 0x7fffffff));
        return Calls;
    };
    const std::vector<int> First = Run(77);
    EXPECT_EQ(Run(77), First);
    EXPECT_NE(Run(78), First);
}

} // namespace

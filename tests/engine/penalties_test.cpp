// The penalty table, the enforcement of the yards, the line's discipline and
// the cascade's rates by kind.

#include "engine/penalties.h"

#include <cmath>
#include <vector>

#include "base/random.h"
#include "engine/game_ratings.h"
#include "engine/game_state.h"
#include "engine/lineup_fixture.h"
#include "engine/narration.h"
#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team_schedule.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 0;   // defends
constexpr int HOME = 1;   // has the ball

TEST(PenaltyTableTest, YardsAndFirstDowns)
{
    struct Row { int nYards; bool bFirstDown; };
    const Row ROWS[PENALTY_KINDS] = {{5, false},  {5, true},    {5, true},    {15, true},
                                     {15, true},  {15, true},   {0, true},    {-5, false},
                                     {-5, false}, {-5, false},  {-10, false}, {-10, false},
                                     {-10, false}, {-15, false}, {-10, false}, {-15, false}};
    for (int k = 0; k < PENALTY_KINDS; ++k) {
        const PENALTY_RULE Rule = Get_Penalty_Rule(k);
        EXPECT_EQ(Rule.nYards, ROWS[k].nYards) << k;
        EXPECT_EQ(Rule.bFirstDown, ROWS[k].bFirstDown) << k;
        EXPECT_EQ(Is_Defensive_Penalty(k), k <= 6) << k;
    }
    EXPECT_EQ(Get_Penalty_Rule(16).nYards, 0);
    EXPECT_EQ(Get_Penalty_Rule(-1).nYards, 0);
}

TEST(PenaltyTableTest, Enforcement)
{
    // 15 against the defence at its 20: half the distance, 10.
    EXPECT_EQ(Enforce_Penalty_Yards(PENALTY_DEFENSIVE_ROUGHNESS, 15, 20), 10);
    EXPECT_EQ(Enforce_Penalty_Yards(PENALTY_DEFENSIVE_ROUGHNESS, 15, 50), 15);
    // Pass interference of 25 at the 25 puts the ball at the 1.
    EXPECT_EQ(Enforce_Penalty_Yards(PENALTY_PASS_INTERFERENCE, 25, 25), 24);
    // Short of the goal line it is held to half the distance like the others.
    EXPECT_EQ(Enforce_Penalty_Yards(PENALTY_PASS_INTERFERENCE, 20, 30), 15);
    EXPECT_EQ(Enforce_Penalty_Yards(PENALTY_PASS_INTERFERENCE, 12, 30), 12);
    // 10 against the offence at its own 8 (yard line 92): back 4.
    EXPECT_EQ(Enforce_Penalty_Yards(PENALTY_OFFENSIVE_HOLDING, -10, 92), -4);
    EXPECT_EQ(Enforce_Penalty_Yards(PENALTY_FALSE_START, -5, 50), -5);
    // At its own 9 (91): trunc(-9 / 2) = -4.
    EXPECT_EQ(Enforce_Penalty_Yards(PENALTY_FALSE_START, -5, 91), -4);
}

class PenaltyTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Build_Team_Default_Playbook(AWAY);
        Build_Team_Default_Playbook(HOME);
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        Seed_Random_Numbers(4242);
        Put_Scrimmage_Elevens(m_Game);
        m_nPassCall = Find_Call(false);
        m_nRunCall = Find_Call(true);
        ASSERT_GE(m_nPassCall, 0);
        ASSERT_GE(m_nRunCall, 0);
    }

    static int Find_Call(bool bRun)
    {
        for (int c = 0; c < 54; ++c)
            if (bRun ? Is_Running_Play(HOME, c) : Is_Passing_Play(HOME, c))
                return c;
        return -1;
    }

    void Set_Line_Discipline(float f)
    {
        for (int p = 6; p <= 10; ++p)
            Set_Player_Rating(HOME, p, RATING_DISCIPLINE, f);
    }

    void Snap(int nCall, int nDown, int nYardLine = 60, int nClock = 100)
    {
        Start_Play_Record(&m_Game);
        m_Game.nOffense = HOME;
        m_Game.CurrentPlay.nOffenseCall = static_cast<uint8_t>(nCall);
        m_Game.CurrentPlay.nDefenseCall = 0;
        m_Game.nDown = static_cast<uint32_t>(nDown);
        m_Game.nYardLine = static_cast<int8_t>(nYardLine);
        m_Game.nToGo = 10;
        m_Game.nClock = static_cast<int16_t>(nClock);
    }

    // Count of each kind called in n snaps of a call.
    std::vector<int> Kind_Counts(int nCall, int n)
    {
        std::vector<int> Count(PENALTY_KINDS, 0);
        for (int i = 0; i < n; ++i) {
            Snap(nCall, 0);
            if (Check_For_Penalty(&m_Game))
                ++Count[m_Game.CurrentPlay.nYard2];
        }
        return Count;
    }

    GAME m_Game{};
    int m_nPassCall = -1;
    int m_nRunCall = -1;
};

TEST_F(PenaltyTest, LineDiscipline)
{
    EXPECT_FLOAT_EQ(Get_Offensive_Line_Discipline(&m_Game), 1.0f);   // 5 x 70 / 350
    Set_Line_Discipline(140.0f);
    EXPECT_FLOAT_EQ(Get_Offensive_Line_Discipline(&m_Game), 2.0f);
    Set_Line_Discipline(10.0f);                                     // each counts as 20: 100 / 350
    EXPECT_FLOAT_EQ(Get_Offensive_Line_Discipline(&m_Game), 0.5f);
    Set_Line_Discipline(42.0f);                                     // 210 / 350
    EXPECT_FLOAT_EQ(Get_Offensive_Line_Discipline(&m_Game), 0.6f);
}

// While a game keeps ratings the discipline is kept too: a changed rating, a
// different lineman on the field and the other club's offence must each give
// the answer the plain reads give.
TEST_F(PenaltyTest, LineDisciplineKeptDuringAGameFollowsRatingsAndLinemen)
{
    const auto Uncached = [this] {
        End_Game_Rating_Cache();
        const float F = Get_Offensive_Line_Discipline(&m_Game);
        Begin_Game_Rating_Cache(&m_Game);
        return F;
    };
    Set_Player_Rating(AWAY, 27, RATING_DISCIPLINE, 21.0f);
    Begin_Game_Rating_Cache(&m_Game);
    EXPECT_FLOAT_EQ(Get_Offensive_Line_Discipline(&m_Game), 1.0f);
    EXPECT_FLOAT_EQ(Get_Offensive_Line_Discipline(&m_Game), 1.0f);
    Set_Player_Rating(HOME, 8, RATING_DISCIPLINE, 105.0f);          // (4 x 70 + 105) / 350
    EXPECT_FLOAT_EQ(Get_Offensive_Line_Discipline(&m_Game), 1.1f);
    Set_Player_Rating(HOME, 30, RATING_DISCIPLINE, 140.0f);
    EXPECT_FLOAT_EQ(Get_Offensive_Line_Discipline(&m_Game), 1.1f);   // not on the field
    m_Game.nOnField[GAME_SIDE_HOME][10] = 30;                         // (3 x 70 + 105 + 140) / 350
    EXPECT_FLOAT_EQ(Get_Offensive_Line_Discipline(&m_Game), 1.3f);
    m_Game.nOffense = AWAY;
    const float fAway = Get_Offensive_Line_Discipline(&m_Game);
    EXPECT_FLOAT_EQ(fAway, Uncached());
    EXPECT_LT(fAway, 1.0f);
    m_Game.nOffense = HOME;
    EXPECT_FLOAT_EQ(Get_Offensive_Line_Discipline(&m_Game), 1.3f);
    EXPECT_FLOAT_EQ(Uncached(), 1.3f);
    End_Game_Rating_Cache();
}

TEST_F(PenaltyTest, NoFlagsOutsideEarlyDownsOrLateInTheHalf)
{
    for (int i = 0; i < 2000; ++i) {
        Snap(m_nPassCall, FOURTH_DOWN_CODE);
        ASSERT_EQ(Check_For_Penalty(&m_Game), 0);
        Snap(m_nPassCall, CONVERSION_ATTEMPT);
        ASSERT_EQ(Check_For_Penalty(&m_Game), 0);
        Snap(m_nRunCall, 0, 60, SECONDS_AT_HALF_TIME - 119);
        ASSERT_EQ(Check_For_Penalty(&m_Game), 0);
        Snap(m_nRunCall, 1, 60, SECONDS_OF_REGULATION - 100);
        ASSERT_EQ(Check_For_Penalty(&m_Game), 0);
        Snap(PLAY_NOT_CALLED, 0);
        ASSERT_EQ(Check_For_Penalty(&m_Game), 0);
    }
    EXPECT_EQ(Get_Play_Result(&m_Game.CurrentPlay), RESULT_UNDECIDED);
}

TEST_F(PenaltyTest, CascadeSharesOnAPass)
{
    // Discipline 2.0: no offensive offsides, false start or holding at all.
    Set_Line_Discipline(140.0f);
    const int n = 200000;
    std::vector<int> Count = Kind_Counts(m_nPassCall, n);
    EXPECT_EQ(Count[PENALTY_OFFENSIVE_OFFSIDES], 0);
    EXPECT_EQ(Count[PENALTY_FALSE_START], 0);
    EXPECT_EQ(Count[PENALTY_OFFENSIVE_HOLDING], 0);
    // Never drawn here.
    EXPECT_EQ(Count[PENALTY_ROUGHING_THE_KICKER], 0);
    EXPECT_EQ(Count[PENALTY_ILLEGAL_MOTION], 0);
    EXPECT_EQ(Count[PENALTY_INTENTIONAL_GROUNDING], 0);
    // Encroachment: 10 per mille; defensive holding 0.99 x 7 per mille.
    const auto Near = [n](int nCount, double p) {
        const double s = std::sqrt(n * p * (1 - p));
        EXPECT_NEAR(nCount, n * p, 4.5 * s + 1);
    };
    Near(Count[PENALTY_ENCROACHMENT], 0.010);
    Near(Count[PENALTY_DEFENSIVE_HOLDING], 0.99 * 0.007);
    Near(Count[PENALTY_ROUGHING_THE_PASSER], 0.99 * 0.993 * 0.002);
    // Interference: after lines 1-5 fail.
    Near(Count[PENALTY_PASS_INTERFERENCE], 0.99 * 0.993 * 0.998 * 0.998 * 0.996 * 0.006);
}

TEST_F(PenaltyTest, DisciplineTestAndHoldingOnRuns)
{
    // Discipline 0.5: three in four offsides calls stand.
    Set_Line_Discipline(20.0f);
    const int n = 200000;
    const double pBefore = 0.99 * 0.993 * 0.998;   // lines 1, 2 and 4 (line 3 passes on a run)
    std::vector<int> Count = Kind_Counts(m_nRunCall, n);
    const double pOffsides = pBefore * 0.017 * 0.75;
    EXPECT_NEAR(Count[PENALTY_OFFENSIVE_OFFSIDES], n * pOffsides, 4.5 * std::sqrt(n * pOffsides));
    // On a run no illegal contact, interference or offensive interference.
    EXPECT_EQ(Count[PENALTY_ILLEGAL_CONTACT], 0);
    EXPECT_EQ(Count[PENALTY_PASS_INTERFERENCE], 0);
    EXPECT_EQ(Count[PENALTY_ROUGHING_THE_PASSER], 0);
    EXPECT_EQ(Count[PENALTY_OFFENSIVE_PASS_INTERFERENCE], 0);
    // Holding 20 per mille on a run: after lines 1, 2, 4, 7 (17, when it
    // draws under 17 the cascade ends either way) and 8.
    const double pHolding = pBefore * (1 - 0.017) * (1 - 0.015) * 0.020 * 0.75;
    EXPECT_NEAR(Count[PENALTY_OFFENSIVE_HOLDING], n * pHolding, 4.5 * std::sqrt(n * pHolding));
}

TEST_F(PenaltyTest, CalledPenaltyFillsThePlay)
{
    int nChecked = 0;
    for (int i = 0; i < 20000 && nChecked < 40; ++i) {
        Snap(m_nPassCall, 1, 20);
        if (!Check_For_Penalty(&m_Game))
            continue;
        ++nChecked;
        const int k = m_Game.CurrentPlay.nYard2;
        ASSERT_EQ(Get_Play_Result(&m_Game.CurrentPlay), RESULT_PENALTY);
        ASSERT_EQ(m_Game.CurrentPlay.nYard1, std::abs(m_Game.nPlayYards));
        ASSERT_GE(m_Game.nPlaySeconds, 5);
        ASSERT_LE(m_Game.nPlaySeconds, 9);
        if (Is_Defensive_Penalty(k)) {
            ASSERT_GT(m_Game.nPlayYards, 0);
            ASSERT_LE(m_Game.nPlayYards, 10);   // half of 20, the 1 for interference
            ASSERT_GE(m_Game.CurrentPlay.nPlayer1, 200);
        } else {
            ASSERT_LT(m_Game.nPlayYards, 0);
            ASSERT_GE(m_Game.CurrentPlay.nPlayer1, 100);
            ASSERT_LT(m_Game.CurrentPlay.nPlayer1, 111);
        }
        ASSERT_EQ(m_Game.nToGo == 0, Get_Penalty_Rule(k).bFirstDown) << k;
    }
    EXPECT_EQ(nChecked, 40);
    // Each call counted against its side.
    EXPECT_GT(m_Game.nTeamTotal[GAME_SIDE_AWAY][GAME_TOTAL_PENALTIES] +
                  m_Game.nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_PENALTIES], 0);
}

// The interference's depth comes from the route of the receiver the pass
// play itself would aim at, not always the first receiver with a route: on
// a call whose first receiver runs short and another deep, some flags are
// deeper than the short route goes.
TEST_F(PenaltyTest, InterferenceDepthFollowsThePassPlaysTarget)
{
    Set_Line_Discipline(140.0f);
    const auto Route_Of = [](int nCall, int r) {
        const int nRoute = Get_Offensive_Play_Route(HOME, nCall, r);
        return (nRoute >= 0 && nRoute <= 36) || nRoute == 55 ? Get_Pass_Route(nRoute) : nullptr;
    };
    int nCall = -1;
    int nShortMax = 0;
    for (int c = 0; c < 54 && nCall < 0; ++c) {
        if (!Is_Passing_Play(HOME, c))
            continue;
        const PASS_ROUTE* pFirst = nullptr;
        int r = 0;
        for (; r < 5 && pFirst == nullptr; ++r)
            pFirst = Route_Of(c, r);
        if (pFirst == nullptr)
            continue;
        for (int k = r; k < 5; ++k) {
            const PASS_ROUTE* pOther = Route_Of(c, k);
            if (pOther != nullptr && pOther->nMinDepth > pFirst->nMaxDepth && pFirst->nMaxDepth < 20) {
                nCall = c;
                nShortMax = pFirst->nMaxDepth;
            }
        }
    }
    ASSERT_GE(nCall, 0) << "no pass call with a short first route and a deeper one";
    int nFlags = 0;
    int nDeeper = 0;
    for (int i = 0; i < 400000 && nFlags < 300; ++i) {
        Snap(nCall, 0, 99);
        if (!Check_For_Penalty(&m_Game) || m_Game.CurrentPlay.nYard2 != PENALTY_PASS_INTERFERENCE)
            continue;
        ++nFlags;
        if (m_Game.nPlayYards > nShortMax)
            ++nDeeper;
    }
    EXPECT_EQ(nFlags, 300);
    EXPECT_GT(nDeeper, 0);
}

TEST_F(PenaltyTest, OvertimeWithoutTiesHasNoHalfToRunOut)
{
    // A regular-season game with 10-minute overtime periods; clock 4,100
    // leaves 100 seconds of the period.
    Set_Regular_Season_Weeks(17);
    m_Game.nWeek = 5;
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 10);
    const auto Flags = [&](int nRule) {
        Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, nRule);
        int n = 0;
        for (int i = 0; i < 2000; ++i) {
            Snap(m_nRunCall, 0, 60, 4100);
            n += Check_For_Penalty(&m_Game);
        }
        return n;
    };
    // With ties allowed the period's last 100 seconds count as under 120.
    EXPECT_EQ(Flags(OVERTIME_SUDDEN_DEATH), 0);
    // Without ties 9,000 seconds are left: flags fly (about 5% of snaps).
    EXPECT_GT(Flags(OVERTIME_SUDDEN_DEATH_NO_TIES), 20);
}

}  // namespace

// The run a flag calls back is told of the runner brought down by a tackler
// of the defence, not the other way round.
TEST_F(PenaltyTest, CalledBackRunToldOfTheRunnerBroughtDown)
{
    // The week's game of the two, watched.
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    League.Team[HOME].nSchedule[5][SCHEDULE_OPPONENT] = AWAY + 1;
    League.Team[AWAY].nSchedule[5][SCHEDULE_OPPONENT] = -(HOME + 1);
    Set_Calendar_PBP_Flag(HOME, 5, 1);
    Set_Line_Discipline(20.0f);
    int nChecked = 0;
    for (int i = 0; i < 20000 && nChecked < 20; ++i) {
        Snap(m_nRunCall, 0);
        if (!Check_For_Penalty(&m_Game))
            continue;
        for (const NARRATION_ENTRY& Entry : m_Game.CurrentPlay.Narration) {
            if (Entry.bEvent != NARRATE_TACKLED)
                continue;
            ++nChecked;
            EXPECT_GE(Entry.nPlayerID[0], 100) << i;   // the home side's runner
            EXPECT_LE(Entry.nPlayerID[0], 110) << i;
            EXPECT_GE(Entry.nPlayerID[1], 200) << i;   // a defender of the away side
            EXPECT_LE(Entry.nPlayerID[1], 210) << i;
        }
    }
    EXPECT_EQ(nChecked, 20);
}

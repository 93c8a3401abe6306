// The offence's call inside an open snap reads the fixed situations (late
// field goals, the kneel-down), the two-minute rules and the search's
// per-snap facts (side, team, system, the hail mary rule) once, at the
// snap's first call. The calls of a snap, the offence's and the defence's
// five predictions, must draw what the same calls draw with no snap open,
// in every situation; and the next snap must see the game as it is then.

#include <cstdint>
#include <vector>

#include "base/random.h"
#include "engine/defense_calling.h"
#include "engine/formations.h"
#include "engine/offense_calling.h"
#include "engine/play_calling_fixture.h"
#include "engine/playbook_records.h"
#include "league/preferences.h"

namespace {

struct SITUATION {
    int nDown;
    int nToGo;
    int nYardLine;
    int nClock;
    int nOffenseScore;
    int nDefenseScore;
    int nDefenseTimeouts;
};

// An ordinary first down, third and long, the two-minute drill trailing and
// tied, the last seconds at the goal line (the run draw), the last play of
// the half in and out of range, the kneel-down, fourth downs in field-goal
// and punt country, and a late lead.
const SITUATION SITUATIONS[] = {
    {0, 10, 50, 600, 0, 0, 3},    {2, 15, 60, 900, 7, 0, 3},    {0, 10, 70, 1700, 0, 0, 3},
    {1, 10, 60, 3450, 10, 14, 2}, {0, 2, 2, 1795, 0, 0, 3},     {1, 1, 1, 3595, 3, 7, 0},
    {1, 10, 25, 1795, 0, 0, 3},   {1, 10, 90, 1795, 3, 0, 3},   {0, 10, 50, 3500, 35, 0, 0},
    {3, 6, 20, 1200, 0, 3, 3},    {3, 8, 70, 1200, 0, 0, 3},    {3, 1, 45, 3300, 14, 10, 1},
    {2, 4, 8, 3560, 21, 24, 1},   {0, 10, 35, 3540, 24, 21, 3},
};

class SnapCallSituationTest : public PlayCallingTest {
protected:
    void SetUp() override
    {
        PlayCallingTest::SetUp();
        Set_User_Preference(PREF_CURRENT_WEEK, 0);
        Set_User_Preference(PREF_TWO_POINT_TRIES, 0);
        Build_Play_Matchup_Table(&m_Game);
    }

    void Set(const SITUATION& S)
    {
        Set_Down(S.nDown, S.nToGo, S.nYardLine);
        m_Game.nClock = S.nClock;
        m_Game.nScore[GAME_SIDE_HOME] = S.nOffenseScore;
        m_Game.nScore[GAME_SIDE_AWAY] = S.nDefenseScore;
        m_Game.nTimeouts[GAME_SIDE_AWAY] = S.nDefenseTimeouts;
    }

    // Six calls of one situation from a seed, in a snap or not, in a
    // fresh context; and the generator's next word after them.
    std::vector<int> Calls(const SITUATION& S, uint32_t nSeed, bool bSnap, uint32_t* pnAfter)
    {
        GAME_CONTEXT Fresh;
        const GAME_CONTEXT_BINDING Binding(&m_Game, Fresh);
        Build_Play_Matchup_Table(&m_Game);
        Set(S);
        Seed_Random_Numbers(nSeed);
        std::vector<int> nCalls;
        if (bSnap)
            Open_Snap_Calls(&m_Game);
        for (int n = 0; n < 6; ++n)
            nCalls.push_back(Call_Offensive_Play(&m_Game));
        if (bSnap)
            Close_Snap_Calls(&m_Game);
        *pnAfter = Generate_Random_Number();
        return nCalls;
    }
};

TEST_F(SnapCallSituationTest, AnOpenSnapCallsAsNone)
{
    int nFixed = 0;
    for (const SITUATION& S : SITUATIONS) {
        for (uint32_t nSeed = 1; nSeed <= 8; ++nSeed) {
            uint32_t nAfterPlain = 0, nAfterSnap = 0;
            const std::vector<int> nPlain = Calls(S, nSeed, false, &nAfterPlain);
            const std::vector<int> nSnap = Calls(S, nSeed, true, &nAfterSnap);
            EXPECT_EQ(nSnap, nPlain) << S.nDown << " " << S.nYardLine << " " << S.nClock << " seed " << nSeed;
            EXPECT_EQ(nAfterSnap, nAfterPlain) << S.nDown << " " << S.nYardLine << " " << S.nClock;
            nFixed += nPlain[0] == HARD_CODED_FIELD_GOAL_PLAY || nPlain[0] == KNEEL_DOWN_PLAY;
        }
    }
    // The fixed situations are among them.
    EXPECT_GT(nFixed, 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

// One context through a run of snaps, the situation changed between them
// (the clock running into the last play of the half, a kneel-down, a new
// yard line): each snap calls what a fresh context calls outside a snap.
TEST_F(SnapCallSituationTest, EachSnapReadsTheSituationAfresh)
{
    std::vector<int> nKept;
    uint32_t nSeed = 300;
    for (const SITUATION& S : SITUATIONS) {
        Set(S);
        Seed_Random_Numbers(++nSeed);
        Open_Snap_Calls(&m_Game);
        for (int n = 0; n < 3; ++n)
            nKept.push_back(Call_Offensive_Play(&m_Game));
        Close_Snap_Calls(&m_Game);
    }
    std::vector<int> nFresh;
    nSeed = 300;
    for (const SITUATION& S : SITUATIONS) {
        GAME_CONTEXT Fresh;
        const GAME_CONTEXT_BINDING Binding(&m_Game, Fresh);
        Build_Play_Matchup_Table(&m_Game);
        Set(S);
        Seed_Random_Numbers(++nSeed);
        for (int n = 0; n < 3; ++n)
            nFresh.push_back(Call_Offensive_Play(&m_Game));
    }
    EXPECT_EQ(nKept, nFresh);
    EXPECT_EQ(Errors_Reported(), 0);
}

// The fixed calls by hand: five seconds before half time, tied, within
// range + 10, a field goal at every call of the snap; then the next snap,
// early in the quarter, never calls it at second down.
TEST_F(SnapCallSituationTest, TheFixedCallFollowsTheClock)
{
    const int R = Get_Field_Goal_Range(&m_Game);
    m_Game.nClock = 1795;
    Set_Down(1, 10, R + 8);
    Open_Snap_Calls(&m_Game);
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(Call_Offensive_Play(&m_Game), HARD_CODED_FIELD_GOAL_PLAY);
    Close_Snap_Calls(&m_Game);
    m_Game.nClock = 600;
    Open_Snap_Calls(&m_Game);
    for (int n = 0; n < 6; ++n)
        EXPECT_NE(Call_Offensive_Play(&m_Game), HARD_CODED_FIELD_GOAL_PLAY);
    Close_Snap_Calls(&m_Game);
}

// The fourth-down decisions of snap after snap in one context (each snap
// asks whether to go for it, the field goal, the punt; the first two read
// the kicker's range) against the same questions with no snap open: over
// distances, yard lines and scores where the answers change from snap to
// snap.
TEST_F(SnapCallSituationTest, FourthDownDecisionsFollowEachSnap)
{
    int nGo = 0, nKick = 0, nPunt = 0, nSnaps = 0;
    for (int nBehind : {-10, -3, 0, 3, 7}) {
        for (int S = 5; S <= 95; ++S) {
            for (int Y : {1, 2, 4, 9}) {
                Set_Down(3, Y, S);
                m_Game.nClock = 3000;
                m_Game.nScore[GAME_SIDE_HOME] = 10;
                m_Game.nScore[GAME_SIDE_AWAY] = 10 + nBehind;
                const bool bGo = Should_Go_For_It(&m_Game);
                const bool bKick = Should_Kick_Field_Goal(&m_Game);
                const bool bPunt = Should_Punt(&m_Game);
                Open_Snap_Calls(&m_Game);
                // The field goal first, as the call asks, then the punt.
                EXPECT_EQ(Should_Kick_Field_Goal(&m_Game), bKick) << nBehind << " " << S << " " << Y;
                EXPECT_EQ(Should_Punt(&m_Game), bPunt) << nBehind << " " << S << " " << Y;
                EXPECT_EQ(Should_Go_For_It(&m_Game), bGo) << nBehind << " " << S << " " << Y;
                Close_Snap_Calls(&m_Game);
                nGo += bGo;
                nKick += bKick;
                nPunt += bPunt;
                ++nSnaps;
            }
        }
    }
    // Every answer changes somewhere along the sweep.
    EXPECT_GT(nGo, 0);
    EXPECT_LT(nGo, nSnaps);
    EXPECT_GT(nKick, 0);
    EXPECT_LT(nKick, nSnaps);
    EXPECT_GT(nPunt, 0);
    EXPECT_LT(nPunt, nSnaps);
    EXPECT_EQ(Errors_Reported(), 0);
}

} // namespace

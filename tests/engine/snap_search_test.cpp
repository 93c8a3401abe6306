// The offensive play search inside an open snap keeps what its calls read
// and weigh (each distinct search, the plays' weights): the draws it makes
// are the very ones the same searches make with no snap open, call for call,
// whatever the mix of categories and target gains.

#include <iterator>
#include <utility>
#include <vector>

#include "base/random.h"
#include "engine/defense_calling.h"
#include "engine/offense_calling.h"
#include "engine/play_calling_fixture.h"
#include "engine/playbook_records.h"
#include "league/preferences.h"
#include "league/team.h"

namespace {

struct SEARCH {
    int nCategory;
    int nGain;
};

// Runs, finals and passes at short, middle and long targets, each asked
// again later, as the offence's call and the defence's predictions do.
const SEARCH SEARCHES[] = {
    {PLAY_CATEGORY_PASS, 9},  {PLAY_CATEGORY_RUN, 2},   {PLAY_CATEGORY_PASS, 9},  {PLAY_CATEGORY_PASS, 24},
    {PLAY_CATEGORY_DRAW, 4},  {PLAY_CATEGORY_RUN, 2},   {PLAY_CATEGORY_PASS, 24}, {PLAY_CATEGORY_RUN, 5},
    {PLAY_CATEGORY_PASS, 3},  {PLAY_CATEGORY_DRAW, 4},  {PLAY_CATEGORY_PASS, 9},  {PLAY_CATEGORY_RUN, 5},
};

class SnapSearchTest : public PlayCallingTest {
protected:
    void SetUp() override
    {
        PlayCallingTest::SetUp();
        Set_User_Preference(PREF_CURRENT_WEEK, 0);
        Build_Play_Matchup_Table(&m_Game);
    }

    // The calls of the searches, many times over, with or without a snap
    // open around each round; and the generator's next word after them.
    std::vector<int> Run_Searches(bool bSnap, uint32_t* pnAfter)
    {
        Seed_Random_Numbers(77);
        std::vector<int> nCalls;
        for (int nRound = 0; nRound < 40; ++nRound) {
            if (bSnap)
                Open_Snap_Calls(&m_Game);
            for (const SEARCH& S : SEARCHES)
                nCalls.push_back(Find_Offensive_Play(&m_Game, S.nCategory, S.nGain));
            if (bSnap)
                Close_Snap_Calls(&m_Game);
            // Between snaps the offence's call is counted, which moves the
            // weights of the next snap.
            Record_Offensive_Play_Call(&m_Game, nCalls.back());
        }
        *pnAfter = Generate_Random_Number();
        return nCalls;
    }
};

TEST_F(SnapSearchTest, AnOpenSnapDrawsTheSamePlaysAsNone)
{
    uint32_t nAfterPlain = 0, nAfterSnap = 0;
    const std::vector<int> nPlain = Run_Searches(false, &nAfterPlain);
    m_Context = GAME_CONTEXT{};   // the same searches in a new game
    Build_Play_Matchup_Table(&m_Game);
    const std::vector<int> nSnap = Run_Searches(true, &nAfterSnap);
    EXPECT_EQ(nSnap, nPlain);
    EXPECT_EQ(nAfterSnap, nAfterPlain);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(SnapSearchTest, ASnapSeesTheGameAsItIsWhenItOpens)
{
    // The same search in two snaps with the last call changed in between:
    // the second snap never draws the new last call.
    Seed_Random_Numbers(5);
    Open_Snap_Calls(&m_Game);
    const int nFirst = Find_Offensive_Play(&m_Game, PLAY_CATEGORY_PASS, 9);
    Close_Snap_Calls(&m_Game);
    Record_Offensive_Play_Call(&m_Game, nFirst);
    Open_Snap_Calls(&m_Game);
    for (int n = 0; n < 200; ++n)
        EXPECT_NE(Find_Offensive_Play(&m_Game, PLAY_CATEGORY_PASS, 9), nFirst);
    Close_Snap_Calls(&m_Game);
}

// What a search keeps from one search to the next (each target's steps,
// each play's weights after its redundancy and fit) holds only while what it
// was worked out from holds: a context that has searched all along draws
// what a fresh context draws from the same calls counted, search by search,
// as the calls move the redundancies and the targets come back.
TEST_F(SnapSearchTest, KeptWeightsFollowTheCountedCalls)
{
    struct STEP {
        int nCategory;
        int nGain;
        int nRecord;   // a call counted before the search, -1 none
    };
    std::vector<STEP> Steps;
    for (int n = 0; n < 60; ++n) {
        const SEARCH& S = SEARCHES[n % std::size(SEARCHES)];
        // The first play of the search's kind counted again and again, and
        // now and then another, so its weight falls step by step.
        Steps.push_back({S.nCategory, S.nGain, n % 5 == 4 ? -1 : n % 7});
    }
    std::vector<int> nRecorded;
    for (size_t k = 0; k < Steps.size(); ++k) {
        if (Steps[k].nRecord >= 0) {
            Record_Offensive_Play_Call(&m_Game, Steps[k].nRecord);
            nRecorded.push_back(Steps[k].nRecord);
        }
        Seed_Random_Numbers(1000 + static_cast<uint32_t>(k));
        const int nKept = Find_Offensive_Play(&m_Game, Steps[k].nCategory, Steps[k].nGain);

        GAME_CONTEXT Fresh;
        const GAME_CONTEXT_BINDING Binding(&m_Game, Fresh);
        for (int nPlay : nRecorded)
            Record_Offensive_Play_Call(&m_Game, nPlay);
        Seed_Random_Numbers(1000 + static_cast<uint32_t>(k));
        EXPECT_EQ(Find_Offensive_Play(&m_Game, Steps[k].nCategory, Steps[k].nGain), nKept) << k;
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

// A new snapshot of the clubs (another club with the ball on the same side,
// with another system and so other fits) weighs its plays afresh.
TEST_F(SnapSearchTest, KeptWeightsFollowTheClubWithTheBall)
{
    Set_Team_Stat(0, TEAM_STAT_OFFENSIVE_SYSTEM, 2);
    Set_Team_Stat(1, TEAM_STAT_OFFENSIVE_SYSTEM, 0);
    for (const SEARCH& S : SEARCHES)
        Find_Offensive_Play(&m_Game, S.nCategory, S.nGain);
    // The away club now plays at home with the ball.
    m_Game.nAwayTeam = 1;
    m_Game.nHomeTeam = 0;
    m_Game.nOffense = 0;
    int nDiffer = 0;
    for (uint32_t nSeed = 1; nSeed <= 40; ++nSeed) {
        for (const SEARCH& S : SEARCHES) {
            Seed_Random_Numbers(nSeed);
            const int nKept = Find_Offensive_Play(&m_Game, S.nCategory, S.nGain);
            GAME_CONTEXT Fresh;
            const GAME_CONTEXT_BINDING Binding(&m_Game, Fresh);
            Seed_Random_Numbers(nSeed);
            EXPECT_EQ(Find_Offensive_Play(&m_Game, S.nCategory, S.nGain), nKept) << nSeed;
        }
    }
    // The two systems do weigh the plays differently: the same searches for
    // the home club of before draw otherwise at least once.
    m_Game.nAwayTeam = 0;
    m_Game.nHomeTeam = 1;
    m_Game.nOffense = 1;
    for (uint32_t nSeed = 1; nSeed <= 40; ++nSeed) {
        for (const SEARCH& S : SEARCHES) {
            GAME_CONTEXT First;
            const GAME_CONTEXT_BINDING Binding(&m_Game, First);
            Seed_Random_Numbers(nSeed);
            const int nOne = Find_Offensive_Play(&m_Game, S.nCategory, S.nGain);
            Set_Team_Stat(1, TEAM_STAT_OFFENSIVE_SYSTEM, 2);
            GAME_CONTEXT Second;
            const GAME_CONTEXT_BINDING Binding2(&m_Game, Second);
            Seed_Random_Numbers(nSeed);
            nDiffer += Find_Offensive_Play(&m_Game, S.nCategory, S.nGain) != nOne;
            Set_Team_Stat(1, TEAM_STAT_OFFENSIVE_SYSTEM, 0);
        }
    }
    EXPECT_GT(nDiffer, 0);
}

// The players on the field read for the carriers are the ones standing
// there at each search: with the two backs changing places within an open
// snap, after a pass search, a run search draws what it draws in a snap
// that had them so from the start. In system 3 the plays of the second
// back's place, now the other place, weigh double.
TEST_F(SnapSearchTest, CarrierPlacesFollowThePlayersOnTheField)
{
    Set_Team_Stat(1, TEAM_STAT_OFFENSIVE_SYSTEM, 3);
    auto Swap_Backs = [this] { std::swap(m_Game.nOnField[GAME_SIDE_HOME][1], m_Game.nOnField[GAME_SIDE_HOME][2]); };
    // A pass search, then a run search drawn from nSeed; the backs change
    // places before the snap (bEarly) or between the searches.
    auto Snap = [&](uint32_t nSeed, bool bEarly) {
        GAME_CONTEXT Fresh;
        const GAME_CONTEXT_BINDING Binding(&m_Game, Fresh);
        if (bEarly)
            Swap_Backs();
        Open_Snap_Calls(&m_Game);
        Seed_Random_Numbers(nSeed);
        Find_Offensive_Play(&m_Game, PLAY_CATEGORY_PASS, 9);
        if (!bEarly)
            Swap_Backs();
        Seed_Random_Numbers(nSeed);
        const int nCall = Find_Offensive_Play(&m_Game, PLAY_CATEGORY_RUN, 5);
        Close_Snap_Calls(&m_Game);
        Swap_Backs();
        return nCall;
    };
    auto Unswapped = [&](uint32_t nSeed) {
        GAME_CONTEXT Fresh;
        const GAME_CONTEXT_BINDING Binding(&m_Game, Fresh);
        Open_Snap_Calls(&m_Game);
        Seed_Random_Numbers(nSeed);
        Find_Offensive_Play(&m_Game, PLAY_CATEGORY_PASS, 9);
        Seed_Random_Numbers(nSeed);
        const int nCall = Find_Offensive_Play(&m_Game, PLAY_CATEGORY_RUN, 5);
        Close_Snap_Calls(&m_Game);
        return nCall;
    };
    int nMoved = 0;
    for (uint32_t nSeed = 1; nSeed <= 60; ++nSeed) {
        const int nLate = Snap(nSeed, false);
        EXPECT_EQ(nLate, Snap(nSeed, true)) << nSeed;
        nMoved += nLate != Unswapped(nSeed);
    }
    // The swap does move the weights.
    EXPECT_GT(nMoved, 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

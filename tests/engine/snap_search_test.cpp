// The offensive play search inside an open snap keeps what its calls read
// and weigh (each distinct search, the plays' weights): the draws it makes
// are the very ones the same searches make with no snap open, call for call,
// whatever the mix of categories and target gains.

#include <vector>

#include "base/random.h"
#include "engine/defense_calling.h"
#include "engine/offense_calling.h"
#include "engine/play_calling_fixture.h"
#include "engine/playbook_records.h"
#include "league/preferences.h"

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

}  // namespace

// The state of a game being played lives in its context: a fresh context
// starts with no calls whatever another game did, two games bound at once
// keep apart, and snaps of two games made in turn draw exactly the calls
// each game draws alone.

#include <iterator>
#include <memory>
#include <vector>

#include "base/random.h"
#include "engine/defense_calling.h"
#include "engine/game_context.h"
#include "engine/offense_calling.h"
#include "engine/play_calling_fixture.h"
#include "engine/playbook_records.h"
#include "league/preferences.h"

namespace {

class GameContextTest : public PlayCallingTest {
protected:
    void SetUp() override
    {
        PlayCallingTest::SetUp();
        Set_User_Preference(PREF_CURRENT_WEEK, 0);
        Build_Play_Matchup_Table(&m_Game);
        m_Other = m_Game;
    }

    // Snap k of a short drive-like sequence of situations; the second game
    // has its own.
    static void Set_Snap(GAME& Game, int k, bool bSecond)
    {
        const int nDown = bSecond ? (k + 1) % 3 : k % 4 == 3 ? 2 : k % 3;
        const int nToGo = bSecond ? 2 + (k * 5) % 11 : 3 + k % 9;
        const int nSpot = bSecond ? 15 + (k * 11) % 75 : 20 + (k * 7) % 70;
        Game.nDown = static_cast<uint32_t>(nDown);
        Game.nToGo = static_cast<int8_t>(nToGo);
        Game.nYardLine = static_cast<int8_t>(nSpot);
    }

    // One snap's calls as the driver makes them, counted in the context.
    static void Snap(GAME_CONTEXT& Context, GAME& Game, std::vector<int>& Calls)
    {
        Open_Snap_Calls(Context, &Game);
        const int nOffense = Call_Offensive_Play(Context, &Game);
        const int nDefense = Call_Defensive_Play(Context, &Game);
        Close_Snap_Calls(Context);
        Record_Offensive_Play_Call(Context, &Game, nOffense);
        Record_Defensive_Play_Call(Context, &Game, nDefense);
        Calls.push_back(nOffense);
        Calls.push_back(nDefense);
    }

    static uint32_t Seed_Of(int k, bool bSecond) { return (bSecond ? 5000u : 100u) + static_cast<uint32_t>(k); }

    static constexpr int SNAPS = 60;

    // The calls of one game played by itself in a fresh context.
    static std::vector<int> Play_Alone(GAME& Game, bool bSecond)
    {
        GAME_CONTEXT Context;
        const GAME_CONTEXT_BINDING Binding(&Game, Context);
        Build_Play_Matchup_Table(Context, &Game);
        std::vector<int> Calls;
        for (int k = 0; k < SNAPS; ++k) {
            Set_Snap(Game, k, bSecond);
            Seed_Random_Numbers(Seed_Of(k, bSecond));
            Snap(Context, Game, Calls);
        }
        return Calls;
    }

    GAME m_Other{};
};

TEST_F(GameContextTest, AFreshContextStartsWithNoCallsWhateverAnotherGameDid)
{
    // Thirty calls of the dive in the fixture's game: 20000 / 50 = 400, held
    // at 500; its last calls are the dive and play 3.
    for (int n = 0; n < 30; ++n)
        Record_Offensive_Play_Call(&m_Game, 0);
    Record_Defensive_Play_Call(&m_Game, 3);
    ASSERT_EQ(Get_Offensive_Play_Redundancy_Multiplier(&m_Game, 0), 500);
    ASSERT_EQ(Get_Defensive_Play_Redundancy_Multiplier(&m_Game, 3), 980);   // 50000 / 51 = 980.4

    // The other game, with a context of its own and nothing reset by hand.
    GAME_CONTEXT Context;
    const GAME_CONTEXT_BINDING Binding(&m_Other, Context);
    EXPECT_EQ(Get_Offensive_Call_Tally(&m_Other, GAME_SIDE_HOME, 0), 0);
    EXPECT_EQ(Get_Last_Offensive_Call(&m_Other), -1);
    EXPECT_EQ(Get_Last_Defensive_Call(&m_Other), -1);
    EXPECT_EQ(Get_Offensive_Play_Redundancy_Multiplier(&m_Other, 0), 1000);
    EXPECT_EQ(Get_Defensive_Play_Redundancy_Multiplier(&m_Other, 3), 1000);
    // Its calls count in its own tallies only.
    Record_Offensive_Play_Call(&m_Other, 7);
    EXPECT_EQ(Get_Offensive_Call_Tally(&m_Other, GAME_SIDE_HOME, 7), 1);
    EXPECT_EQ(Get_Offensive_Call_Tally(&m_Game, GAME_SIDE_HOME, 7), 0);
    EXPECT_EQ(Get_Last_Offensive_Call(&m_Game), 0);
    EXPECT_EQ(Get_Offensive_Call_Tally(&m_Game, GAME_SIDE_HOME, 0), 30);
    // A context's tables are its own too: the other game has none until its
    // first call or build.
    EXPECT_FALSE(Context.Matchup.bBuilt);
    EXPECT_TRUE(m_Context.Matchup.bBuilt);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(GameContextTest, SnapsOfTwoGamesInTurnDrawTheCallsOfEachAlone)
{
    const std::vector<int> nFirstAlone = Play_Alone(m_Game, false);
    const std::vector<int> nSecondAlone = Play_Alone(m_Other, true);
    ASSERT_NE(nFirstAlone, nSecondAlone);

    GAME_CONTEXT First;
    GAME_CONTEXT Second;
    const GAME_CONTEXT_BINDING BindFirst(&m_Game, First);
    const GAME_CONTEXT_BINDING BindSecond(&m_Other, Second);
    Build_Play_Matchup_Table(First, &m_Game);
    Build_Play_Matchup_Table(Second, &m_Other);
    std::vector<int> nFirst;
    std::vector<int> nSecond;
    for (int k = 0; k < SNAPS; ++k) {
        Set_Snap(m_Game, k, false);
        Seed_Random_Numbers(Seed_Of(k, false));
        Snap(First, m_Game, nFirst);
        Set_Snap(m_Other, k, true);
        Seed_Random_Numbers(Seed_Of(k, true));
        Snap(Second, m_Other, nSecond);
    }
    EXPECT_EQ(nFirst, nFirstAlone);
    EXPECT_EQ(nSecond, nSecondAlone);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(GameContextTest, BindingsFollowTheirGamesAndEndInAnyOrder)
{
    GAME_CONTEXT A;
    GAME_CONTEXT B;
    GAME Unbound{};
    GAME_CONTEXT& Shared = Get_Game_Context(&Unbound);
    // A game bound to nothing shares one context, never a bound game's.
    EXPECT_EQ(&Get_Game_Context(&m_Game), &m_Context);
    EXPECT_NE(&Shared, &m_Context);
    EXPECT_EQ(&Get_Game_Context(&m_Other), &Shared);
    EXPECT_EQ(&Get_Game_Context(nullptr), &Shared);

    // The newest binding of a game counts while it lives.
    auto pFirst = std::make_unique<GAME_CONTEXT_BINDING>(&m_Game, A);
    auto pSecond = std::make_unique<GAME_CONTEXT_BINDING>(&m_Other, B);
    EXPECT_EQ(&Get_Game_Context(&m_Game), &A);
    EXPECT_EQ(&Get_Game_Context(&m_Other), &B);
    // Ended out of turn, the first gives its game back to the older binding
    // and leaves the second in place.
    pFirst.reset();
    EXPECT_EQ(&Get_Game_Context(&m_Game), &m_Context);
    EXPECT_EQ(&Get_Game_Context(&m_Other), &B);
    pSecond.reset();
    EXPECT_EQ(&Get_Game_Context(&m_Other), &Shared);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(GameContextTest, SearchesKeptInAnEarlierSnapAreNeverReadInTheNext)
{
    const std::vector<int> Alone = Play_Alone(m_Game, false);

    // Every kept search looks like one of any category and target gain a
    // snap asks for, with all its weight on play 0: read in a later snap,
    // it would change that snap's calls.
    GAME_CONTEXT Context;
    const GAME_CONTEXT_BINDING Binding(&m_Game, Context);
    Build_Play_Matchup_Table(Context, &m_Game);
    auto Fill_Kept_Searches = [&Context] {
        SNAP_FIND_MEMOS& M = Context.FindMemos;
        M.nCount = static_cast<int>(std::size(M.Memo));
        int n = 0;
        for (FIND_MEMO& Memo : M.Memo) {
            Memo.nCategory = n < 4 ? PLAY_CATEGORY_PASS : PLAY_CATEGORY_RUN;
            Memo.nGain = 1 + n % 4;
            Memo.nWeighed = 1;
            Memo.nTotal = 1000;
            Memo.nCum[0] = 1000;
            Memo.nPlayOf[0] = 0;
            ++n;
        }
    };
    std::vector<int> Calls;
    for (int k = 0; k < SNAPS; ++k) {
        Set_Snap(m_Game, k, false);
        Seed_Random_Numbers(Seed_Of(k, false));
        Fill_Kept_Searches();
        Snap(Context, m_Game, Calls);
    }
    EXPECT_EQ(Calls, Alone);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

// The final draft order refreshes what its keys read: the division rows, the
// bracket (only before the playoffs begin) and every club's finish code.
// The league is built, then its records change with nothing rebuilt, so the
// rows, the bracket and the codes are all stale when the order is set.
// Expected values are worked out by hand from the records each test gives.

#include "league/team.h"
#include "season/draft_pool.h"
#include "season/offseason.h"
#include "playoffs_fixture.h"

namespace {

constexpr int FINISH_CODE = 3;   // yearly int 3
constexpr int STALE_CODE = 9;    // no finish ever gives 9

class DraftOrderRefreshTest : public PlayoffLeagueTest {
protected:
    // Two leagues of one division of three clubs each, one wild card: at
    // build time the margins seed 0 and 1 (slots 24, 25) and 3 and 4 (26, 27).
    void Build_Stale_League()
    {
        Build({{0, 6}, {0, 2}, {0, -4}, {4, 4}, {4, 0}, {4, -2}}, 1);
        ASSERT_EQ(Slot(24), 0);
        ASSERT_EQ(Slot(25), 1);
        ASSERT_EQ(Slot(26), 3);
        ASSERT_EQ(Slot(27), 4);
        // New records, nothing rebuilt: 2 leads division 0 (+10), then 1
        // (+2), then 0 (-6); 5 leads division 4 (+8), then 4 (0), then 3 (-4).
        const int Margin[6] = {-6, 2, 10, -4, 0, 8};
        for (int t = 0; t < 6; ++t) {
            Set_Season_Record(t, 0, 8 + Margin[t], 8, 0);
            Set_Team_Yearly_Int(t, 0, FINISH_CODE, STALE_CODE);
        }
    }

    static int Code(int t) { return Get_Team_Yearly_Int(t, 0, FINISH_CODE); }
};

TEST_F(DraftOrderRefreshTest, BeforeThePlayoffsRowsBracketAndCodesAreRebuilt)
{
    Build_Stale_League();
    Set_Day(10);
    Set_Draft_Order();

    // The rows from the new records.
    EXPECT_EQ(Get_Division_Place_Team(0, 0, 0), 2);
    EXPECT_EQ(Get_Division_Place_Team(0, 1, 0), 1);
    EXPECT_EQ(Get_Division_Place_Team(0, 2, 0), 0);
    EXPECT_EQ(Get_Division_Place_Team(4, 0, 0), 5);
    EXPECT_EQ(Get_Division_Place_Team(4, 1, 0), 4);
    EXPECT_EQ(Get_Division_Place_Team(4, 2, 0), 3);
    // The bracket re-seeded: leader then wild card of each league.
    EXPECT_EQ(Slot(24), 2);
    EXPECT_EQ(Slot(25), 1);
    EXPECT_EQ(Slot(26), 5);
    EXPECT_EQ(Slot(27), 4);
    // Codes: a club in slots 1-27 gets 6; third place out of the bracket 2.
    const int Codes[6] = {2, 6, 6, 2, 6, 6};
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(Code(t), Codes[t]) << t;
    // Overall places 2, 5, 1, 4, 3, 0 by margin; keys
    // ((6 - tier) x 100 - (W - L)) x 100 + place, tier 3 for slots 24-27:
    //   0: 606 x 100 + 5 = 60605   3: 604 x 100 + 4 = 60404
    //   4: 300 x 100 + 3 = 30003   1: 298 x 100 + 2 = 29802
    //   5: 292 x 100 + 1 = 29201   2: 290 x 100 + 0 = 29000
    const int Order[6] = {0, 3, 4, 1, 5, 2};
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(Get_Draft_Order_Team(p), Order[p]) << p;
    // The provisional order reads the fresh codes: 400 for code 2, 200 for
    // 6, plus the place: 405, 404, 203, 202, 201, 200.
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(Get_Team_Draft_Slot(Order[p]), p) << p;
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(DraftOrderRefreshTest, InThePlayoffsTheBracketStaysAndTheCodesFollowIt)
{
    Build_Stale_League();
    Set_Playoff_Team(PLAYOFF_CHAMPION_SLOT, 0);
    Set_Day(FIRST_PLAYOFF_DAY + 2);
    Set_Draft_Order();

    // The rows are rebuilt, the bracket seeded for good is not.
    EXPECT_EQ(Get_Division_Place_Team(0, 0, 0), 2);
    EXPECT_EQ(Get_Division_Place_Team(4, 0, 0), 5);
    EXPECT_EQ(Slot(24), 0);
    EXPECT_EQ(Slot(25), 1);
    EXPECT_EQ(Slot(26), 3);
    EXPECT_EQ(Slot(27), 4);
    // 0: champion 8; 1, 3, 4: slots 25-27, 6; 2 and 5 lead their divisions
    // outside the bracket: 5.
    const int Codes[6] = {8, 6, 5, 6, 6, 5};
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(Code(t), Codes[t]) << t;
    // Keys: 0 champion (tier 5): (100 + 6) x 100 + 5 = 10605; 2 out of the
    // bracket: (600 - 10) x 100 + 0 = 59000; 5: 592 x 100 + 1 = 59201;
    // 1: 298 x 100 + 2 = 29802; 3: 304 x 100 + 4 = 30404; 4: 30003.
    const int Order[6] = {5, 2, 3, 4, 1, 0};
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(Get_Draft_Order_Team(p), Order[p]) << p;
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(DraftOrderRefreshTest, InTheOffSeasonOnlyTheRunningDraftReadsThePlayedSeasonAgain)
{
    // The season (index 0) played with the build-time records: codes 6 for
    // the four clubs in slots 24-27, 2 for the two third places.
    Build({{0, 6}, {0, 2}, {0, -4}, {4, 4}, {4, 0}, {4, -2}}, 1);
    const int Codes[6] = {6, 6, 2, 6, 6, 2};
    for (int t = 0; t < 6; ++t)
        Set_Team_Yearly_Int(t, 0, FINISH_CODE, Codes[t]);
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_Day(OFFSEASON_WEEK);
    Put_Player(FIRST_DRAFT_POOL_TEAM, 0, 777, POSITION_QB);

    // Before the draft the standings would read season 1, not yet played:
    // the codes recorded for season 0 stand.
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    Set_Draft_Order();
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(Code(t), Codes[t]) << t;

    // While the draft runs the standings read season 0 again: stale codes
    // are written anew, the same as recorded.
    for (int t = 0; t < 6; ++t)
        Set_Team_Yearly_Int(t, 0, FINISH_CODE, STALE_CODE);
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Set_Draft_Order();
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(Code(t), Codes[t]) << t;
    EXPECT_EQ(Slot(24), 0);
    EXPECT_EQ(Slot(27), 4);
    EXPECT_EQ(Errors_Reported(), 0);
}

// Before the first game every record is 0-0: the order of the standings is
// only the order of the slots, and no club has a finish (code 0), as when a
// new game sets the season up, even where a code was left in the record.
TEST_F(DraftOrderRefreshTest, BeforeTheFirstGameNoClubHasAFinish)
{
    Build({{0, 0}, {0, 0}, {0, 0}, {4, 0}, {4, 0}, {4, 0}}, 1);
    for (int t = 0; t < 6; ++t) {
        Set_Season_Record(t, 0, 0, 0, 0);
        Set_Team_Yearly_Int(t, 0, FINISH_CODE, STALE_CODE);
    }
    Set_Day(0);
    EXPECT_FALSE(Has_Played_Season_A_Game());
    Set_Draft_Order();
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(Code(t), 0) << t;
    // Every standings key 0: the higher slot placed first, places 5 to 0
    // for clubs 0 to 5; provisional keys 400 + place, 405 down to 400.
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(Get_Team_Draft_Slot(t), t) << t;

    // A game under way is no game played; once over, it is, and the
    // standings give every club a finish: in a division of three, third
    // place at worst (code 2).
    Put_Game(0, 1, 0, 7, 3, 0, SECONDS_OF_REGULATION - 60);
    EXPECT_FALSE(Has_Played_Season_A_Game());
    Put_Game(0, 1, 0, 7, 3);
    EXPECT_TRUE(Has_Played_Season_A_Game());
    Set_Draft_Order();
    for (int t = 0; t < 6; ++t)
        EXPECT_GE(Code(t), 2) << t;

    // A result in a club's record of the season counts too, that of the
    // season just played in the off-season, and of no other.
    League.Game[0] = GAME{};
    EXPECT_FALSE(Has_Played_Season_A_Game());
    Set_Season_Record(5, 0, 0, 0, 1);
    EXPECT_TRUE(Has_Played_Season_A_Game());
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_Day(OFFSEASON_WEEK);
    EXPECT_TRUE(Has_Played_Season_A_Game());
    Set_Day(0);
    EXPECT_FALSE(Has_Played_Season_A_Game());
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

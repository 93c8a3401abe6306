// Season services: a contract running out, and the pick costs priced by the
// draft order as it stands.
#include <gtest/gtest.h>

#include "league/league_structure.h"
#include "league/standings_keys.h"
#include "money_fixture.h"
#include "season/draft_pool.h"
#include "season/playoffs.h"
#include "season/season_services.h"

namespace {

class SeasonServicesTest : public MoneyTest {};

// Week 21 of a 17-week season whose last playoff slot holds franchise 0.
void Complete_The_Season()
{
    Set_Regular_Season_Weeks(17);
    Set_User_Preference(PREF_CURRENT_WEEK, 21);
    Set_Playoff_Team(Get_Season_Last_Playoff_Slot(), 0);
}

TEST_F(SeasonServicesTest, ContractExpiresWithItsLastYearOnceTheSeasonIsComplete)
{
    Use_Teams(2);
    Put_Priced_Player(1, 4, 11, POSITION_WR, 1990, 5, 2000, 1);   // one year left
    Put_Priced_Player(1, 5, 12, POSITION_WR, 1990, 5, 2000, 2);   // two years
    Put_Priced_Player(1, 6, 13, POSITION_WR, 1990, 5, 2000, 0);   // none
    Put_Priced_Player(FREE_AGENT_TEAM, 0, 14, POSITION_WR, 1990, 5, 2000, 1);
    // During the season nobody's contract is running out yet.
    Set_Regular_Season_Weeks(17);
    Set_User_Preference(PREF_CURRENT_WEEK, 5);
    ASSERT_FALSE(Is_Season_Complete());
    EXPECT_FALSE(Is_Contract_Expiring(1, 4));
    Complete_The_Season();
    ASSERT_TRUE(Is_Season_Complete());
    EXPECT_TRUE(Is_Contract_Expiring(1, 4));
    EXPECT_FALSE(Is_Contract_Expiring(1, 5));
    EXPECT_TRUE(Is_Contract_Expiring(1, 6));
    // Only franchise players: not the free agents, nor a bad address.
    EXPECT_FALSE(Is_Contract_Expiring(FREE_AGENT_TEAM, 0));
    EXPECT_FALSE(Is_Contract_Expiring(-1, 4));
    EXPECT_FALSE(Is_Contract_Expiring(1, 100));
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(SeasonServicesTest, DuringTheSeasonPicksArePricedByTheRecordSoFar)
{
    // Round 1 of two clubs (the slot table's figures): pick 0 costs
    // 3,405 + 27,283 / 4 = 10,225, pick 1 costs 1,704 + 8,972 / 4 = 3,947.
    Use_Teams(2);
    for (int r = 0; r < 7; ++r) {
        Set_Draft_Pick_Owner(0, r, 0, r == 0 ? 0 : 1);
        Set_Draft_Pick_Owner(0, r, 1, 1);
    }
    // An order left over with club 0 second. In week 0 the order by record
    // (equal records: the lower club first) puts it first again.
    Set_Draft_Order_Team(0, 1);
    Set_Draft_Order_Team(1, 0);
    ASSERT_FALSE(Is_Season_Complete());
    EXPECT_EQ(Get_Team_Draft_Pick_Costs(0), 3405 + 27283 / 4);
    EXPECT_EQ(Get_Draft_Order_Team(0), 0);
    EXPECT_EQ(Get_Draft_Order_Team(1), 1);
}

TEST_F(SeasonServicesTest, OnTheOffSeasonDayPicksArePricedAtTheirPlacesInTheDraftsOwnOrder)
{
    // Club 0 holds its own round 1 pick only. Season 0 is over: club 0 won
    // the final 12-4 (slot 30, and 28), club 1 lost it at 4-12 (slot 29).
    // Day 100 of season 1, the draft not begun.
    Use_Teams(2);
    for (int r = 0; r < 7; ++r) {
        Set_Draft_Pick_Owner(0, r, 0, r == 0 ? 0 : 1);
        Set_Draft_Pick_Owner(0, r, 1, 1);
    }
    Set_Regular_Season_Weeks(17);
    Set_Season_Record(0, 0, 12, 4, 0);
    Set_Season_Record(1, 0, 4, 12, 0);
    Set_Team_Yearly_Int(0, 0, 2, 0);   // overall places of season 0
    Set_Team_Yearly_Int(1, 0, 2, 1);
    Set_Playoff_Team(28, 0);
    Set_Playoff_Team(29, 1);
    Set_Playoff_Team(PLAYOFF_CHAMPION_SLOT, 0);
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    // Season 1 unplayed, 0-0 for both: its standings rank the higher slot
    // first, and no club has a finish.
    Set_Team_Yearly_Int(0, 1, 2, 1);
    Set_Team_Yearly_Int(1, 1, 2, 0);
    ASSERT_FALSE(Is_Season_Complete());

    // The draft's order: keys ((6 - tier) x 100 - (W - L)) x 100 + place of
    // season 0: club 1 (tier 4) (200 + 8) x 100 + 1 = 20,801, club 0
    // (tier 5) (100 - 8) x 100 + 0 = 9,200. Club 1 picks first.
    Set_Draft_Order();
    ASSERT_EQ(Get_Draft_Order_Team(0), 1);
    ASSERT_EQ(Get_Draft_Order_Team(1), 0);
    // Club 0's pick is the second: 1,704 + 8,972 / 4 = 3,947. The order the
    // Draft page lists stays as the draft will use it.
    EXPECT_EQ(Get_Team_Draft_Pick_Costs(0), 1704 + 8972 / 4);
    EXPECT_EQ(Get_Draft_Order_Team(0), 1);
    EXPECT_EQ(Get_Draft_Order_Team(1), 0);
    // An order left over from elsewhere is put right before the picks are
    // priced.
    Set_Draft_Order_Team(0, 0);
    Set_Draft_Order_Team(1, 1);
    EXPECT_EQ(Get_Team_Draft_Pick_Costs(0), 1704 + 8972 / 4);
    EXPECT_EQ(Get_Draft_Order_Team(0), 1);
    EXPECT_EQ(Get_Draft_Order_Team(1), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

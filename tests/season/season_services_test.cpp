// Season services: a contract running out, and the pick costs priced by the
// draft order as it stands.
#include <gtest/gtest.h>

#include "league/league_structure.h"
#include "league/standings_keys.h"
#include "money_fixture.h"
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

}  // namespace

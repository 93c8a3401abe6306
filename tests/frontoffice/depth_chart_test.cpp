// Depth charts: each position's players ordered best first (healthy before
// hurt) in the slots the position holds, what names a slot following its
// player, and the game's lookups then finding the best player first.
#include "../season/season_cycle_fixture.h"
#include "engine/calibration.h"
#include "engine/formations.h"
#include "frontoffice/computer_manager.h"
#include "frontoffice/depth_chart.h"
#include "frontoffice/trade_offer.h"
#include "league/overall_rating.h"
#include "league/preferences.h"
#include "league/team.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Put_Signed_Player;

class DepthChartTest : public LeagueTest {
protected:
    // A legal roster of 45 rated 60 (IDs 1000 x (team + 1) + slot: QBs in
    // slots 0-1, RBs 2-3, FB 4, TEs 5-6, WRs 7-10, ..., K 36, P 37, then RBs),
    // and a third quarterback in slot 45.
    static void Fill_Club(int nTeam)
    {
        season_cycle::Fill_Legal_Club(nTeam, 45, 1000 * (nTeam + 1), 60.0f);
        Put_Signed_Player(nTeam, 45, 1000 * (nTeam + 1) + 45, POSITION_QB, 60.0f, 1995, 2);
    }
    static float Quarterback_Overall(int nTeam, int nSlot)
    {
        return Get_Position_Overall_Rating(nTeam, nSlot, POSITION_QB);
    }
    // Rates a quarterback by his accuracy alone.
    static void Rate_Passer(int nTeam, int nSlot, float fAccuracy)
    {
        Set_Player_Rating(nTeam, nSlot, RATING_ACCURACY, fAccuracy);
    }
};

TEST_F(DepthChartTest, TheBestHealthyQuarterbackTakesTheFirstQuarterbackSlot)
{
    Build_League(1);
    Fill_Club(0);
    Rate_Passer(0, 0, 40.0f);   // 1000: the weakest, first in roster order
    Rate_Passer(0, 1, 95.0f);   // 1001: the best, but hurt
    Rate_Passer(0, 45, 80.0f);  // 1045: the best healthy one, last
    Set_Player_Vital_Stat(0, 1, VITAL_INJURY_WEEKS, 2);
    ASSERT_LT(Quarterback_Overall(0, 0), Quarterback_Overall(0, 45));
    ASSERT_LT(Quarterback_Overall(0, 45), Quarterback_Overall(0, 1));
    const int nRunningBack = Get_Player_ID(0, 2);

    Auto_Set_Depth_Chart(0, 0, 0);

    // The quarterbacks' slots 0, 1 and 45 now hold the healthy best, the
    // healthy next, then the hurt one; the other positions keep their slots.
    EXPECT_EQ(Get_Player_ID(0, 0), 1045);
    EXPECT_EQ(Get_Player_ID(0, 1), 1000);
    EXPECT_EQ(Get_Player_ID(0, 45), 1001);
    EXPECT_EQ(Get_Player_ID(0, 2), nRunningBack);
    // The game's first healthy quarterback and its depth chart's starter.
    EXPECT_EQ(Get_Team_Uninjured_Position_Player(0, POSITION_QB, 0), 0);
    EXPECT_EQ(Find_Team_Position_Player(0, POSITION_QB, 0), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(DepthChartTest, BackupsAreSortedBehindTheStarters)
{
    Build_League(1);
    Fill_Club(0);
    // Wide receivers in slots 7-10 (two start): make slot 10 the best and
    // slot 9 the second best.
    const int nReceiver[4] = {Get_Player_ID(0, 7), Get_Player_ID(0, 8), Get_Player_ID(0, 9), Get_Player_ID(0, 10)};
    for (int s = 7; s <= 10; ++s)
        ASSERT_EQ(Get_Player_Position(0, s), POSITION_WR);
    Set_Player_Rating(0, 10, RATING_RECEIVING, 95.0f);
    Set_Player_Rating(0, 9, RATING_RECEIVING, 85.0f);
    Set_Player_Rating(0, 8, RATING_RECEIVING, 30.0f);

    // Only the backups (ranks 2 and 3, slots 9 and 10) are ordered.
    Sort_Depth_Chart_Backups(0, 0);
    EXPECT_EQ(Get_Player_ID(0, 7), nReceiver[0]);
    EXPECT_EQ(Get_Player_ID(0, 8), nReceiver[1]);
    EXPECT_EQ(Get_Player_ID(0, 9), nReceiver[3]);
    EXPECT_EQ(Get_Player_ID(0, 10), nReceiver[2]);

    // The whole chart: 95, 85, 60, 30.
    Auto_Set_Depth_Chart(0, 0, 0);
    EXPECT_EQ(Get_Player_ID(0, 7), nReceiver[3]);
    EXPECT_EQ(Get_Player_ID(0, 8), nReceiver[2]);
    EXPECT_EQ(Get_Player_ID(0, 9), nReceiver[0]);
    EXPECT_EQ(Get_Player_ID(0, 10), nReceiver[1]);
    // Set again, nothing moves.
    Auto_Set_Depth_Chart(0, 0, 0);
    EXPECT_EQ(Get_Player_ID(0, 7), nReceiver[3]);
    EXPECT_EQ(Get_Player_ID(0, 10), nReceiver[1]);
}

TEST_F(DepthChartTest, SlotReferencesFollowTheirPlayers)
{
    Build_League(2);
    Fill_Club(0);
    Fill_Club(1);
    Rate_Passer(0, 45, 95.0f);   // 1045 moves to slot 0, 1000 to slot 1, 1001 to slot 45
    Rate_Passer(0, 0, 80.0f);
    // Wide receivers 1007-1010 in slots 7-10 become 1010, 1009, 1007, 1008.
    Set_Player_Rating(0, 10, RATING_RECEIVING, 95.0f);
    Set_Player_Rating(0, 9, RATING_RECEIVING, 85.0f);
    Set_Player_Rating(0, 8, RATING_RECEIVING, 30.0f);
    // The returners, the card's player and a pending trade name slots.
    Set_Team_Returner(0, RETURNER_KICKOFF, 10);
    Set_Team_Returner(0, RETURNER_PUNT, 7);
    Set_User_Preference(PREF_CARD_TEAM, 0);
    Set_User_Preference(PREF_CARD_SLOT, 0);
    Clear_Trade_Offer();
    TRADE_OFFER& Offer = Get_Trade_Offer();
    Offer.nTeam[0] = 1;
    Offer.nTeam[1] = 0;
    Offer.nItem[1][0] = 1;
    Offer.nItem[1][1] = 45;
    Offer.nItem[0][0] = 45;   // the other club's slot 45: not moved

    Auto_Set_Depth_Chart(0, 0, 0);

    ASSERT_EQ(Get_Player_ID(0, 0), 1045);
    ASSERT_EQ(Get_Player_ID(0, 1), 1000);
    ASSERT_EQ(Get_Player_ID(0, 45), 1001);
    ASSERT_EQ(Get_Player_ID(0, 7), 1010);
    ASSERT_EQ(Get_Player_ID(0, 9), 1007);
    EXPECT_EQ(Get_Team_Returner(0, RETURNER_KICKOFF), 7);    // 1010
    EXPECT_EQ(Get_Team_Returner(0, RETURNER_PUNT), 9);       // 1007
    EXPECT_EQ(Get_User_Preference(PREF_CARD_SLOT), 1);       // 1000
    EXPECT_EQ(Get_Trade_Offer().nItem[1][0], 45);            // 1001
    EXPECT_EQ(Get_Trade_Offer().nItem[1][1], 0);             // 1045
    EXPECT_EQ(Get_Trade_Offer().nItem[1][2], TRADE_ITEM_EMPTY);
    EXPECT_EQ(Get_Trade_Offer().nItem[0][0], 45);
    Clear_Trade_Offer();
}

TEST_F(DepthChartTest, EveryClubInUseIsSetAndThePoolsKeepTheirOrder)
{
    Build_League(2, 1);   // club 0 the user's
    Fill_Club(0);
    Fill_Club(1);
    Rate_Passer(0, 45, 95.0f);
    Rate_Passer(1, 45, 95.0f);
    Put_Signed_Player(FREE_AGENT_TEAM, 0, 501, POSITION_QB, 40.0f, 1995, 0);
    Put_Signed_Player(FREE_AGENT_TEAM, 1, 502, POSITION_QB, 90.0f, 1995, 0);

    // The computer clubs' charts alone.
    Auto_Set_Computer_Depth_Charts(0);
    EXPECT_EQ(Get_Player_ID(0, 0), 1000);
    EXPECT_EQ(Get_Player_ID(1, 0), 2045);

    Auto_Set_All_Depth_Charts(0);
    EXPECT_EQ(Get_Player_ID(0, 0), 1045);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 0), 501);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 1), 502);
}

TEST_F(DepthChartTest, AnEmptySlotScoresFarBelowAnyPlayer)
{
    Build_League(1);
    Fill_Club(0);
    EXPECT_EQ(Get_Depth_Chart_Score(0, 60, POSITION_QB, 0), -1000000.0f);
    EXPECT_EQ(Get_Depth_Chart_Score(0, -1, POSITION_QB, 0), -1000000.0f);
    EXPECT_FLOAT_EQ(Get_Depth_Chart_Score(0, 0, POSITION_QB, 0), Quarterback_Overall(0, 0));
}

}  // namespace

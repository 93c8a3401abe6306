// Through the day advance: a computer club whose quarterbacks are all hurt
// signs a healthy one before its next game, and he plays in it.

#include <gtest/gtest.h>

#include <set>

#include "league/player_stats.h"
#include "league/stat_codes.h"
#include "platform/errors.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "test_support.h"
#include "whole_season.h"

namespace {

TEST(QuarterbackDressedTest, AClubWithEveryQuarterbackHurtPlaysItsNextGameWithASignedOne)
{
    SCRATCH_FOLDER Scratch{"qb_dressed"};
    ui::Reset();
    shell_requests::Reset();
    Install_Shell_Handler(nullptr);
    whole_season::Build_League(77);
    Reset_Error_Count();

    // Club 5's quarterbacks hurt for the season; two healthy quarterbacks in
    // the pool, the better one (IDs 9001 rated 70, 9002 rated 55).
    int nHurt = 0;
    for (int s = 0; s < Count_Team_Players(5); ++s)
        if (Get_Player_Vital_Stat(5, s, VITAL_POSITION) == POSITION_QB) {
            Set_Player_Vital_Stat(5, s, VITAL_INJURY_WEEKS, 20);
            ++nHurt;
        }
    ASSERT_GE(nHurt, 1);
    for (int nID : {9001, 9002}) {
        const int nSlot = Count_Team_Players(FREE_AGENT_TEAM);
        Put_Player(FREE_AGENT_TEAM, nSlot, nID, POSITION_QB, nID == 9001 ? 70.0f : 55.0f);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SALARY, 500);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_INJURY, -1);
    }
    ASSERT_NE(Get_Team_Schedule_Stat(5, 0, SCHEDULE_OPPONENT), 0) << "club 5 plays on day 0";

    Advance_Day(1);
    ASSERT_EQ(Get_Current_Week(), 1);

    // 9001 signed and played day 0's game; 9002 is still a free agent.
    int nSigned = -1;
    for (int s = 0; s < Count_Team_Players(5); ++s)
        if (Get_Player_Vital_Stat(5, s, VITAL_PLAYER_ID) == 9001)
            nSigned = s;
    ASSERT_GE(nSigned, 0);
    EXPECT_EQ(Get_Player_Stat(5, nSigned, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED), 1);
    bool bStillFree = false;
    for (int s = 0; s < Count_Team_Players(FREE_AGENT_TEAM); ++s)
        bStillFree = bStillFree || Get_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_PLAYER_ID) == 9002;
    EXPECT_TRUE(bStillFree);
    EXPECT_EQ(Get_Error_Count(), 0) << Get_Recent_Errors();
    Install_Shell_Handler(nullptr);
}

}  // namespace

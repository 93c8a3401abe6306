// A computer club always dresses a quarterback: a club whose players at a
// position are all hurt signs a healthy free agent there before its next
// game, and a roster lacking a healthy player is an answer, not an error.
// Also the depth rank a player would take at a club.
#include <string>

#include "../season/season_cycle_fixture.h"
#include "engine/formations.h"
#include "frontoffice/computer_manager.h"
#include "frontoffice/contracts.h"
#include "league/team.h"
#include "scratch_folder.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Find_ID;
using season_cycle::Put_Signed_Player;

class HealthyNeedsTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"healthy_needs"};

    // A legal roster of 45 rated 60 (quarterbacks in slots 0 and 1, IDs
    // 1000 x (team + 1) + slot) whose quarterbacks are hurt for 3 weeks.
    static void Fill_Club_Without_Healthy_Quarterback(int nTeam)
    {
        season_cycle::Fill_Legal_Club(nTeam, 45, 1000 * (nTeam + 1), 60.0f);
        for (int s = 0; s < 2; ++s) {
            ASSERT_EQ(Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION), POSITION_QB);
            Set_Player_Vital_Stat(nTeam, s, VITAL_INJURY_WEEKS, 3);
        }
    }
};

TEST_F(HealthyNeedsTest, AComputerClubWithEveryQuarterbackHurtDressesAHealthyOne)
{
    Build_League(2, 1);   // club 0 the user's, club 1 the computer's
    Fill_Club_Without_Healthy_Quarterback(0);
    Fill_Club_Without_Healthy_Quarterback(1);
    // The pool: a quarterback rated 50, a better one hurt, one rated 65.
    Put_Signed_Player(FREE_AGENT_TEAM, 0, 501, POSITION_QB, 50.0f, 1995, 0);
    Put_Signed_Player(FREE_AGENT_TEAM, 1, 502, POSITION_QB, 80.0f, 1995, 0);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 1, VITAL_INJURY_WEEKS, 2);
    Put_Signed_Player(FREE_AGENT_TEAM, 2, 503, POSITION_QB, 65.0f, 1995, 0);

    // Asking for a healthy quarterback the roster lacks: none, not an error.
    EXPECT_EQ(Get_Team_Uninjured_Position_Player(1, POSITION_QB, 0), -1);
    EXPECT_EQ(Errors_Reported(), 0);
    for (const std::string& Line : Read_Debug_Log_Lines(true))
        EXPECT_EQ(Line.find("Get_Team_Uninjured_Position_Player"), std::string::npos) << Line;

    // The start of a game day: the computer club signs the best healthy one.
    Sign_AI_Free_Agent();
    const auto Signed = Find_ID(503);
    ASSERT_EQ(Signed.nTeam, 1);
    EXPECT_EQ(Count_Team_Players(1), 46);
    EXPECT_EQ(Find_ID(501).nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Find_ID(502).nTeam, FREE_AGENT_TEAM);
    // He is the quarterback its next game dresses.
    EXPECT_EQ(Get_Team_Uninjured_Position_Player(1, POSITION_QB, 0), Signed.nSlot);
    EXPECT_EQ(Get_Depth_Chart_Player(1, POSITION_QB, 0), Signed.nSlot);
    // The user's club is the user's to mend.
    EXPECT_EQ(Count_Team_Players(0), 45);
    EXPECT_EQ(Get_Team_Uninjured_Position_Player(0, POSITION_QB, 0), -1);

    // With a healthy quarterback nobody more is signed; and a pool without a
    // healthy one at the position leaves the club as it is.
    EXPECT_FALSE(Sign_Healthy_Needs(1));
    Set_Player_Vital_Stat(1, Signed.nSlot, VITAL_INJURY_WEEKS, 1);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_INJURY_WEEKS, 1);
    EXPECT_FALSE(Sign_Healthy_Needs(1));
    EXPECT_EQ(Count_Team_Players(1), 46);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(HealthyNeedsTest, QuarterbacksRatedEightySeventyAndSixtyRankZeroOneAndTwo)
{
    Build_League(1);
    Put_Signed_Player(0, 0, 11, POSITION_QB, 70.0f, 1995, 2);
    Put_Signed_Player(0, 1, 12, POSITION_QB, 60.0f, 1995, 2);
    Put_Signed_Player(0, 2, 13, POSITION_QB, 80.0f, 1995, 2);
    Put_Signed_Player(0, 3, 14, POSITION_RB, 95.0f, 1995, 2);
    // One quarterback starts: nobody ahead of 80 (rank 0), one ahead of 70
    // (rank 1, within as many backups again), two ahead of 60 (rank 2).
    EXPECT_EQ(Rate_Player_Against_Depth(0, 0, 2), 0);
    EXPECT_EQ(Rate_Player_Against_Depth(0, 0, 0), 1);
    EXPECT_EQ(Rate_Player_Against_Depth(0, 0, 1), 2);
    // A free agent measured against the club: 85 would start, 75 would be
    // the backup, 65 third.
    Put_Signed_Player(FREE_AGENT_TEAM, 0, 501, POSITION_QB, 85.0f, 1995, 0);
    Put_Signed_Player(FREE_AGENT_TEAM, 1, 502, POSITION_QB, 75.0f, 1995, 0);
    Put_Signed_Player(FREE_AGENT_TEAM, 2, 503, POSITION_QB, 65.0f, 1995, 0);
    EXPECT_EQ(Rate_Player_Against_Depth(0, FREE_AGENT_TEAM, 0), 0);
    EXPECT_EQ(Rate_Player_Against_Depth(0, FREE_AGENT_TEAM, 1), 1);
    EXPECT_EQ(Rate_Player_Against_Depth(0, FREE_AGENT_TEAM, 2), 2);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

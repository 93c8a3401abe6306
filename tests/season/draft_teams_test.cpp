// Moving drafted players to their clubs, and the marks the move uses.
#include "league/league_structure.h"
#include "league/player.h"
#include "league/season_lines.h"
#include "season/draft_teams.h"
#include "season_cycle_fixture.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Find_ID;
using season_cycle::Put_Signed_Player;

class DraftTeamsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Build_League(3);
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
    }

    // A player of the team with his drafted-by byte.
    static void Put(int nTeam, int nSlot, int nID, int nDraftedBy)
    {
        Put_Signed_Player(nTeam, nSlot, nID, nSlot % 15, 60.0f, 1995, 2);
        Set_Player_Drafted_By(nTeam, nSlot, nDraftedBy);
    }

    static int Team_Of(int nID) { return Find_ID(nID).nTeam; }
};

TEST_F(DraftTeamsTest, PlayersAlreadyHomeNeedOnePassAndNoMove)
{
    Put(0, 0, 10, 0);
    Put(1, 0, 20, 1);
    Put(38, 0, 30, NO_TEAM);
    EXPECT_EQ(Implement_Draft_Teams(), 1);
    EXPECT_EQ(ui::Progress().Title, "Moving 0 Players...");
    EXPECT_EQ(ui::Progress().Position, 0);
    EXPECT_EQ(Team_Of(10), 0);
    EXPECT_EQ(Team_Of(20), 1);
    EXPECT_EQ(Team_Of(30), 38);
    EXPECT_EQ(Are_All_Players_Placed(), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(DraftTeamsTest, DraftedPlayersMoveUndraftedClubPlayersBecomeFreeAgents)
{
    Put(0, 0, 11, NO_TEAM);    // undrafted on a club: to the free agents
    Put(0, 1, 10, 1);          // to club 1 (moved up into slot 0 and counted there)
    Put(0, 2, 12, 0);          // stays
    Put(1, 0, 20, 0);          // to club 0
    Put(FREE_AGENT_TEAM, 0, 40, 2);        // a free agent drafted by club 2
    Put(FREE_AGENT_TEAM, 1, 41, NO_TEAM);  // an undrafted free agent stays
    Put(39, 0, 50, NO_TEAM);               // an undrafted prospect stays
    Put(39, 1, 51, 1);                     // a drafted prospect moves
    EXPECT_EQ(Implement_Draft_Teams(), 1);
    // Four to move (10, 20, 40, 51); 11 went in the first pass.
    EXPECT_EQ(ui::Progress().Title, "Moving 4 Players...");
    EXPECT_EQ(ui::Progress().Steps, 4);
    EXPECT_EQ(ui::Progress().Position, 4);
    EXPECT_EQ(Team_Of(10), 1);
    EXPECT_EQ(Team_Of(11), FREE_AGENT_TEAM);
    EXPECT_EQ(Team_Of(12), 0);
    EXPECT_EQ(Team_Of(20), 0);
    EXPECT_EQ(Team_Of(40), 2);
    EXPECT_EQ(Team_Of(41), FREE_AGENT_TEAM);
    EXPECT_EQ(Team_Of(50), 39);
    EXPECT_EQ(Team_Of(51), 1);
    // Rosters close up behind the players who left.
    EXPECT_EQ(Get_Player_ID(39, 0), 50);
    EXPECT_EQ(Get_Player_ID(39, 1), 0);
    EXPECT_EQ(Are_All_Players_Placed(), 1);
}

TEST_F(DraftTeamsTest, AMoveToAClubLinksThisYearsLineAMoveToTheFreeAgentsNone)
{
    Put(0, 0, 10, 1);
    Put(0, 1, 11, NO_TEAM);
    ASSERT_EQ(Implement_Draft_Teams(), 1);
    const auto Moved = Find_ID(10);
    const int nLine = Get_Player_Season_Line_Index(Moved.nTeam, Moved.nSlot, 0);
    ASSERT_GE(nLine, 0);
    EXPECT_EQ(Get_Season_Line_Year(nLine), Get_Current_Year());
    const auto Freed = Find_ID(11);
    ASSERT_EQ(Freed.nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Player_Season_Line_Index(Freed.nTeam, Freed.nSlot, 0), -1);
}

TEST_F(DraftTeamsTest, AFullRosterIsTriedAgainOnceItHasRoom)
{
    // Club 1 is full; one of its players goes to club 2, which makes room
    // for club 0's player in the next pass.
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
        Put(1, s, 100 + s, s == 50 ? 2 : 1);
    Put(0, 0, 10, 1);
    EXPECT_EQ(Implement_Draft_Teams(), 1);
    EXPECT_EQ(Team_Of(10), 1);
    EXPECT_EQ(Team_Of(150), 2);
    EXPECT_EQ(Count_Team_Players(1), PLAYERS_PER_TEAM);
}

TEST_F(DraftTeamsTest, MovesThatCanNeverHappenEndInTheErrorBoxKeepingTheRest)
{
    // Two full clubs that would each send one player to the other.
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        Put(0, s, 100 + s, s == 0 ? 1 : 0);
        Put(1, s, 300 + s, s == 0 ? 0 : 1);
    }
    Put(38, 0, 50, 2);   // this move can happen and is kept
    EXPECT_EQ(Implement_Draft_Teams(), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Error in Implement_Draft_Teams()");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Unable to move all players to intended destination");
    EXPECT_EQ(Team_Of(50), 2);
    EXPECT_EQ(Team_Of(100), 0);
    EXPECT_EQ(Team_Of(300), 1);
    EXPECT_FALSE(ui::Progress().Open);
}

TEST_F(DraftTeamsTest, ClearingMarksTouchesOnlyTheDraftBitsOfPlayersInUse)
{
    Put(0, 0, 10, 1);
    Put(FREE_AGENT_TEAM, 0, 40, 2);
    Set_Player_Vital_Stat(0, 0, VITAL_FLAGS, 1 | 2 | 4 | 8);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_FLAGS, 2);
    // A franchise slot not in use keeps whatever it holds.
    Put_Signed_Player(5, 0, 60, POSITION_QB, 60.0f, 1995, 2);
    Set_Player_Drafted_By(5, 0, 1);
    Set_Player_Vital_Stat(5, 0, VITAL_FLAGS, 2);

    Clear_All_Rating_File_Marks();
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_FLAGS), 1 | 4 | 8);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_FLAGS), 0);
    EXPECT_EQ(Get_Player_Drafted_By(0, 0), 1);   // marks only

    Set_Player_Vital_Stat(0, 0, VITAL_FLAGS, 2);
    Clear_All_Drafted_By();
    EXPECT_EQ(Get_Player_Drafted_By(0, 0), NO_TEAM);
    EXPECT_EQ(Get_Player_Drafted_By(FREE_AGENT_TEAM, 0), NO_TEAM);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_FLAGS), 0);
    EXPECT_EQ(Get_Player_Drafted_By(5, 0), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(5, 0, VITAL_FLAGS), 2);
    // Empty slots stay empty records.
    EXPECT_EQ(Get_Player_Byte_Stat(0, 1, BYTE_STAT_DRAFTED_BY), 0);
}

}  // namespace

// A loaded league's leader tables: the career pass and the relinking of the
// single-season entries run after every load, and the day's career snapshot
// taken before the load is forgotten.
#include "gamefile/game_file.h"
#include "gamefile/game_file_fixture.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/leader_tables.h"
#include "league/player_stats.h"
#include "season/leader_updates.h"
#include "test_support.h"

namespace {

class LeaderLoadTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"leader_load"};
    void TearDown() override { Set_Load_Sequence_Enabled(true); }
};

TEST_F(LeaderLoadTest, ALoadRunsTheCareerPassAndRelinksSeasonEntriesByName)
{
    ASSERT_TRUE(Scratch.Ready());
    Build_Game_File_League();
    Set_Player_Last_Name(1, 4, "Quinn");   // a receiver, ID 2004
    Set_Player_First_Name(1, 4, "Ada");
    League.Team[1].Player[4].nStat[STAT_PERIOD_CAREER][STAT_RECEPTIONS] = 321;
    LEADER_ENTRY Entry{};
    Set_Leader_Entry_Names(&Entry, "QUINN", "ada");
    Entry.nValue = 99;
    Entry.nYear = 2015;
    Entry.nTeam = NO_TEAM;
    ASSERT_TRUE(Set_Leader_Entry(LEADER_TABLE_SEASON, LEADER_RECEPTIONS, 0, Entry));
    ASSERT_EQ(Save_Game("leaders.zrt"), 0);

    Update_Career_Leaders(1);
    ASSERT_TRUE(Is_Career_Leaders_Snapshot_Valid());
    Zero_League_Data();
    Set_Load_Sequence_Enabled(true);
    ASSERT_EQ(Load_Universe_Database("leaders.zrt"), 1);

    LEADER_ENTRY Got{};
    ASSERT_TRUE(Get_Leader_Entry(LEADER_TABLE_SEASON, LEADER_RECEPTIONS, 0, &Got));
    EXPECT_EQ(Got.nPlayerID, 2004);
    EXPECT_EQ(Got.nValue, 99);   // linked only: the entry's season is its own
    ASSERT_TRUE(Get_Leader_Entry(LEADER_TABLE_CAREER, LEADER_RECEPTIONS, 0, &Got));
    EXPECT_EQ(Got.nPlayerID, 2004);
    EXPECT_EQ(Got.nValue, 321);
    EXPECT_STREQ(Got.szLastName, "Quinn");
    EXPECT_FALSE(Is_Career_Leaders_Snapshot_Valid());
}

}  // namespace

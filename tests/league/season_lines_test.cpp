#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "league/league_players.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "league/season_lines.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

// A zeroed league in 2019 (every franchise in use), run in an empty folder so
// that "debug.txt" is the test's own.
class SeasonLinesTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"lines"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        Reset_Current_Season_Links();
    }
    void TearDown() override
    {
        // Leave no table-full memory to the next test.
        Zero_League_Data();
        Reset_Current_Season_Links();
    }

    // Player links 0, 1, ... set to the lines given, the rest -1.
    static void Expect_Links(const PLAYER& Player, std::vector<int> Lines)
    {
        Lines.resize(SEASON_LINK_COUNT, -1);
        for (int k = 0; k < SEASON_LINK_COUNT; ++k)
            EXPECT_EQ(Player.nSeasonLink[k], Lines[k]) << "link " << k;
    }
};

TEST_F(SeasonLinesTest, LineAccessorsRefuseBadLinesAndCodes)
{
    Stamp_Season_Line(7, 2018, 0, 4, 16);
    // A kicker's bands: made 11/13/15/17.
    for (int nStat = 10; nStat <= 17; ++nStat)
        Set_Season_Line_Stat(7, nStat, nStat);
    EXPECT_EQ(Get_Season_Line_Stat(7, 122), 11 + 13 + 15 + 17);
    // No line (-1) reads 0 quietly.
    EXPECT_EQ(Get_Season_Line_Stat(-1, 5), 0);
    Set_Season_Line_Stat(-1, 5, 9);
    EXPECT_EQ(Errors_Reported(), 0);

    LEAGUE_SNAPSHOT Before;
    const struct {
        int (*Call)();
        const char* szText;
    } Case[] = {
        {[] { return Get_Season_Line_Stat(32768, 3); }, "'nLine' out of bounds in Get_Season_Line_Stat([nLine = 32768], iStat = 3)"},
        {[] { return Get_Season_Line_Stat(7, 20); }, "Unhandled 'iStat' in Get_Season_Line_Stat(nLine = 7, [iStat = 20])"},
        {[] { return Get_Season_Line_Year(INT_MIN); }, ""},
        {[] { return Set_Season_Line_Stat(32768, 3, 1), 0; }, ""},
        {[] { return Set_Season_Line_Stat(7, -1, 1), 0; }, ""},
    };
    for (const auto& c : Case) {
        EXPECT_EQ(c.Call(), 0) << c.szText;
        EXPECT_TRUE(Errors_Reported() == 1 && Last_Error_Contains(c.szText)) << c.szText;
    }
    EXPECT_TRUE(Before.Unchanged());
}

// The club a player's season is told under: his professional line of the
// year with the most games, the first of equal ones in link order; a college
// line (level below 0) is none of his lines of the year, however many games
// it holds; without a line of the year, his present club.
TEST_F(SeasonLinesTest, ASeasonsClubIsItsLineWithTheMostGamesTheFirstOfEqualOnes)
{
    PLAYER& Player = Put_Bare_Player(3, 0, 501);
    Stamp_Season_Line(80, 2019, 0, 1, 8);
    Stamp_Season_Line(81, 2019, 0, 2, 8);
    Stamp_Season_Line(82, 2019, -1, 5, 12);
    Stamp_Season_Line(83, 2018, -1, 6, 11);
    Player.nSeasonLink[0] = 82;
    Player.nSeasonLink[1] = 80;
    Player.nSeasonLink[2] = 81;
    Player.nSeasonLink[3] = 83;
    ASSERT_TRUE(Is_Player_Slot_Used(3, 0));
    EXPECT_EQ(Get_Player_Season_Club(3, 0, 2019), 1);
    // The other order: the other club is first.
    Player.nSeasonLink[1] = 81;
    Player.nSeasonLink[2] = 80;
    EXPECT_EQ(Get_Player_Season_Club(3, 0, 2019), 2);
    // A line of more games wins wherever it stands.
    Set_Season_Line_Stat(80, STAT_GAMES_PLAYED, 9);
    EXPECT_EQ(Get_Player_Season_Club(3, 0, 2019), 1);
    // Only a college line that year: his present club.
    EXPECT_EQ(Get_Player_Season_Club(3, 0, 2018), 3);
    EXPECT_EQ(Get_Player_Season_Club(3, 0, 2017), 3);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(SeasonLinesTest, ErasingOneCopyKeepsTheOthersHistory)
{
    PLAYER& Original = Put_Bare_Player(3, 0, 501);
    Stamp_Season_Line(70, 2017, 0, 3, 16);
    Stamp_Season_Line(71, 2018, 0, 3, 12);
    Stamp_Season_Line(72, 2018, 0, 5, 4);
    Original.nSeasonLink[0] = 70;
    Original.nSeasonLink[1] = 71;
    Original.nSeasonLink[2] = 72;
    Copy_Player(HALL_OF_FAME_TEAM, 0, 3, 0);
    const PLAYER& Copy = League.Team[HALL_OF_FAME_TEAM].Player[0];

    // The original's own line (linked by it alone) goes; the shared ones stay.
    Stamp_Season_Line(73, 2016, 0, 3, 9);
    Original.nSeasonLink[3] = 73;
    Erase_Player_Season_Lines(3, 0);
    EXPECT_TRUE(Is_Season_Line_Zero(73));
    EXPECT_EQ(League.SeasonLines[70][0], 2017);
    Expect_Links(Original, {});
    EXPECT_EQ(Original.nCurrentLine, -1);
    Expect_Links(Copy, {70, 71, 72});
    EXPECT_EQ(Count_NFL_Seasons(HALL_OF_FAME_TEAM, 0), 2);

    // The last holder takes the lines with him.
    Erase_Player_Season_Lines(HALL_OF_FAME_TEAM, 0);
    for (int nLine : {70, 71, 72})
        EXPECT_TRUE(Is_Season_Line_Zero(nLine)) << nLine;
}

TEST_F(SeasonLinesTest, LinkOperationsAndTheirBounds)
{
    PLAYER& Player = Put_Bare_Player(5, 2, 52);
    Stamp_Season_Line(10, 2017, 0, 5, 16);
    Stamp_Season_Line(11, 2019, 0, 5, 9);
    Stamp_Season_Line(12, 2018, 0, 5, 16);
    for (int k = 0; k < 3; ++k)
        Set_Player_Season_Link(5, 2, k, 10 + k);
    EXPECT_EQ(Find_Free_Season_Link(5, 2), 3);

    // Links outside 0-29, lines, teams and slots out of bounds change nothing.
    LEAGUE_SNAPSHOT Before;
    Remove_Player_Season_Link(5, 2, 30);
    EXPECT_TRUE(Last_Error_Contains("nLink out of bounds in Remove_Player_Season_Link(5,2,[30])"));
    Set_Player_Season_Link(5, 2, 3, 32768);
    EXPECT_TRUE(Last_Error_Contains("nLine out of bounds in Set_Player_Season_Link(5,2,3,[32768])"));
    Set_Player_Season_Link(41, 2, 3, 1);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Set_Player_Season_Link([41],2)"));
    EXPECT_EQ(Count_Player_Season_Lines(5, 100), 0);
    EXPECT_EQ(Errors_Reported(), 4);
    EXPECT_TRUE(Before.Unchanged());

    // Erasing link 0 of three: the others move down, the current line is the
    // latest remaining.
    EXPECT_EQ(Erase_Player_Season_Line(5, 2, 0), 1);
    EXPECT_TRUE(Is_Season_Line_Zero(10));
    Expect_Links(Player, {11, 12});
    EXPECT_EQ(Player.nCurrentLine, 11);
}

TEST_F(SeasonLinesTest, TeamInYearAndSeasonCount)
{
    PLAYER& Player = Put_Bare_Player(5, 2, 52);
    Stamp_Season_Line(30, 2018, 0, 3, 6);   // 2018: traded from 3 (6 games) to 7 (10)
    Stamp_Season_Line(31, 2018, 0, 7, 10);
    Stamp_Season_Line(32, 2017, 0, 9, 8);   // 2017: two stints of 8; the first wins
    Stamp_Season_Line(33, 2017, 0, 4, 8);
    Stamp_Season_Line(34, 2016, 0, 2, 0);   // 2016: on a roster without playing
    Set_Season_Line_Stat(34, 5, 3);
    Stamp_Season_Line(35, 2015, -1, NO_TEAM, 11);   // a college season
    Stamp_Season_Line(36, 2014, 0, 2, 0);           // stamped but empty
    for (int k = 0; k < 7; ++k)
        Player.nSeasonLink[k] = 30 + k;
    EXPECT_EQ(Get_Player_Team_In_Year(5, 2, 2018), 7);
    EXPECT_EQ(Get_Player_Team_In_Year(5, 2, 2017), 9);
    EXPECT_EQ(Get_Player_Team_In_Year(5, 2, 2016), NO_TEAM);
    EXPECT_EQ(Count_NFL_Seasons(5, 2), 3);   // professional, non-empty years
    // A year beyond the yearly table is refused, not counted.
    Stamp_Season_Line(38, 2052, 0, 2, 5);
    Player.nSeasonLink[7] = 38;
    EXPECT_EQ(Count_NFL_Seasons(5, 2), 3);
    EXPECT_TRUE(Last_Error_Contains("nIndex out of YEAR_ARRAY_SIZE range in Count_NFL_Seasons()"));
}

TEST_F(SeasonLinesTest, AssignTakesTheFirstFreeLineAndReusesTheCurrentOne)
{
    Stamp_Season_Line(0, 2010, 0, 1, 1);
    Stamp_Season_Line(1, 2011, 0, 1, 1);
    Stamp_Season_Line(3, 2012, 0, 1, 1);
    PLAYER& Player = Put_Bare_Player(4, 6, 46);
    Stamp_Season_Line(9, 2018, 0, 4, 16);
    Player.nSeasonLink[0] = 9;

    // The first credit of 2019 stamps line 2 and links it behind line 9.
    Add_Player_Current_Line_Stat(4, 6, 0, 1);
    Add_Player_Current_Line_Stat(4, 6, 0, 1);
    Set_Player_Current_Line_Stat(4, 6, 8, 4);
    Expect_Links(Player, {9, 2});
    const int nStamped[] = {2019, 0, 4, 2, 0, 0, 0, 0, 0, 0, 0, 4};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(League.SeasonLines[2][i], nStamped[i]) << i;

    // Traded: a second line of 2019 with the new team (line 4).
    Copy_Player(8, 0, 4, 6);
    Clear_Player(4, 6);
    PLAYER& Traded = League.Team[8].Player[0];
    Add_Player_Current_Line_Stat(8, 0, 0, 1);
    Expect_Links(Traded, {9, 2, 4});
    // After a reset (a load mid-season) the credits go on into that line.
    Reset_Current_Season_Links();
    Add_Player_Current_Line_Stat(8, 0, 0, 1);
    EXPECT_EQ(League.SeasonLines[4][3], 2);
    EXPECT_EQ(Errors_Reported(), 0);

    // A used slot is required, and a statistic 0-19, before anything is stamped.
    LEAGUE_SNAPSHOT Before;
    Add_Player_Current_Line_Stat(8, 5, 0, 1);
    Set_Player_Current_Line_Stat(8, 0, 20, 1);
    EXPECT_TRUE(Last_Error_Contains("nStat out of bounds in Set_Player_Current_Line_Stat(8,0,[20],1)"));
    Add_Player_Current_Line_Stat(8, 100, 0, 1);
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Add_Player_Current_Line_Stat(8,[100])"));
    Set_Player_Current_Line_Stat(41, 0, 0, 1);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Set_Player_Current_Line_Stat([41],0)"));
    EXPECT_EQ(Errors_Reported(), 3);
    EXPECT_TRUE(Before.Unchanged());

    // A statistic held at the int32 bounds rather than wrapped.
    Add_Player_Current_Line_Stat(8, 0, 9, INT_MAX);
    Add_Player_Current_Line_Stat(8, 0, 9, 5);
    EXPECT_EQ(League.SeasonLines[4][3 + 9], INT_MAX);
}

TEST_F(SeasonLinesTest, AFullSetOfLinksStampsNothing)
{
    PLAYER& Player = Put_Bare_Player(6, 1, 61);
    for (int k = 0; k < SEASON_LINK_COUNT; ++k) {
        Stamp_Season_Line(100 + k, 1989 + k, 0, 6, 10);
        Player.nSeasonLink[k] = 100 + k;
    }
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Assign_Player_Season_Line(6, 1, 2019, 6), -1);
    EXPECT_NE(Read_Text_File(DEBUG_LOG_FILE).find("all 30 season links are in use"), std::string::npos);
    EXPECT_EQ(Errors_Reported(), 0);
    Player.nCurrentLine = -1;
    EXPECT_TRUE(Before.Unchanged());
    // Once a link is free again, he gets line 0, the first free one.
    EXPECT_EQ(Erase_Player_Season_Line(6, 1, 0), 1);
    EXPECT_EQ(Assign_Player_Season_Line(6, 1, 2019, 6), 0);
    EXPECT_EQ(Player.nSeasonLink[29], 0);
}

TEST_F(SeasonLinesTest, FreeLineCursorFollowsFreedLines)
{
    for (int nSlot = 0; nSlot < 4; ++nSlot)
        Put_Bare_Player(1, nSlot, 10 + nSlot);
    for (int nSlot = 0; nSlot < 3; ++nSlot)
        EXPECT_EQ(Get_Player_Current_Season_Line(1, nSlot), nSlot);
    Erase_Player_Season_Lines(1, 1);   // line 1 is the first free line again, then 3
    EXPECT_EQ(Get_Player_Current_Season_Line(1, 3), 1);
    EXPECT_EQ(Get_Player_Current_Season_Line(1, 1), 3);

    // A full table gives -1 until a line is freed.
    for (int nLine = 4; nLine < SEASON_LINE_COUNT; ++nLine)
        League.SeasonLines[nLine][0] = 1990;
    Put_Bare_Player(1, 4, 14);
    EXPECT_EQ(Assign_Player_Season_Line(1, 4, 2019, 1), -1);
    Set_Player_Season_Link(1, 4, 0, 20000);
    EXPECT_TRUE(Erase_Player_Season_Line(1, 4, 0));
    EXPECT_EQ(Assign_Player_Season_Line(1, 4, 2019, 1), 20000);

    // A table replaced wholesale is noticed even without a reset.
    Zero_League_Data();
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Put_Bare_Player(1, 0, 10);
    EXPECT_EQ(Get_Player_Current_Season_Line(1, 0), 0);
    EXPECT_EQ(Assign_Player_Season_Line(1, 0, 2018, 1), 1);
}

TEST_F(SeasonLinesTest, CollectorCountsOnlyNonEmptyUnlinkedLines)
{
    PLAYER& Player = Put_Bare_Player(2, 3, 23);
    Stamp_Season_Line(40, 2017, 0, 2, 16);
    Stamp_Season_Line(41, 0, 0, 2, 5);   // linked, but free: unlinked, not counted
    Stamp_Season_Line(42, 2018, 0, 2, 12);
    for (int k = 0; k < 3; ++k)
        Player.nSeasonLink[k] = 40 + k;
    Stamp_Season_Line(50, 2016, 0, 2, 3);   // linked from nobody: counted
    Stamp_Season_Line(51, 2015, 0, 2, 0);   // stamped, no statistics: counted
    League.SeasonLines[52][5] = 1;          // a stray number in a free line: counted
    // A record in a team not in use links nothing.
    League.Team[10].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE;
    Put_Bare_Player(10, 0, 100).nSeasonLink[0] = 54;
    Stamp_Season_Line(54, 2013, 0, 10, 1);

    Erase_Unlinked_Season_Lines();
    EXPECT_NE(Read_Text_File(DEBUG_LOG_FILE).find("Erased 4 non-empty season lines."), std::string::npos);
    Expect_Links(Player, {40, 42});
    for (int nLine : {41, 50, 51, 52, 54})
        EXPECT_TRUE(Is_Season_Line_Zero(nLine)) << nLine;
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

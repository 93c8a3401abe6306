// The leader lists' passes, the day's career snapshot and the relinking of
// single-season entries.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "league/leader_tables.h"
#include "league/player_fixture.h"
#include "league/player_hash.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "season/leader_lists.h"
#include "season/leader_updates.h"

namespace {

constexpr int YEAR = 2019;
constexpr int WEEK = 5;

class LeaderListsTest : public PlayerTest {
protected:
    SCRATCH_FOLDER Scratch{"leader_lists"};   // the misses' log lines go here

    void SetUp() override
    {
        PlayerTest::SetUp();
        Use_Franchises(4);
        League.Universe.nStat[GAMES_PER_SEASON] = 16;
        League.Preferences.nInt[PREF_CURRENT_WEEK] = WEEK;
        Invalidate_Career_Leaders_Snapshot();
    }

    static void Named(int nTeam, int nSlot, int nID, const char* szLast, const char* szFirst, int nPosition = POSITION_WR)
    {
        Add_Player(nTeam, nSlot, nID, nPosition);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
        Set_Player_First_Name(nTeam, nSlot, szFirst);
    }

    static int32_t* Stats(int nTeam, int nSlot, int nPeriod) { return League.Team[nTeam].Player[nSlot].nStat[nPeriod]; }

    static LEADER_ENTRY Entry(const char* szLast, const char* szFirst, int nID, int nValue, int nYear = 2000, int nWeek = 3,
                              int nTeam = NO_TEAM)
    {
        LEADER_ENTRY E{};
        Set_Leader_Entry_Names(&E, szLast, szFirst);
        E.nPlayerID = nID;
        E.nValue = nValue;
        E.nYear = static_cast<int16_t>(nYear);
        E.nWeek = static_cast<int8_t>(nWeek);
        E.nTeam = static_cast<uint8_t>(nTeam);
        return E;
    }

    static LEADER_ENTRY At(int nTable, int nStat, int nPlace)
    {
        LEADER_ENTRY E{};
        Get_Leader_Entry(nTable, nStat, nPlace, &E);
        return E;
    }

    // The places of a list holding the ID.
    static std::string Places_Of(int nTable, int nStat, int nID)
    {
        std::string Text;
        for (int i = 0; i < LEADER_LIST_LENGTH; ++i) {
            if (At(nTable, nStat, i).nPlayerID == nID)
                Text += std::to_string(i) + " ";
        }
        return Text;
    }

    // A full list: values 210, 200, ... 10, outside entries named by value.
    static void Fill_List(int nTable, int nStat)
    {
        for (int i = 0; i < LEADER_LIST_LENGTH; ++i) {
            char szName[8];
            std::snprintf(szName, sizeof(szName), "Old%d", i);
            Set_Leader_Entry(nTable, nStat, i, Entry(szName, "Al", 0, 210 - 10 * i));
        }
    }
};

// ---------------------------------------------------------------------------
// Comparator

TEST_F(LeaderListsTest, EntriesSortByValueThenYearThenWeekThenNames)
{
    LEADER_LIST List{};
    List[0] = Entry("Zed", "Al", 1, 90, 2010, 4);
    List[1] = Entry("Abe", "Bo", 2, 90, 2012, 1);    // later year first
    List[2] = Entry("Cox", "Cy", 3, 95, 2001, 1);    // greatest value first
    List[3] = Entry("Day", "Di", 4, 90, 2010, 9);    // same year, later week
    List[4] = Entry("bell", "Ed", 5, 90, 2010, 4);   // names without case: bell < Zed
    List[5] = Entry("BELL", "aa", 6, 90, 2010, 4);   // then first names: aa < Ed
    Sort_Leader_List(List);
    const int Order[] = {3, 2, 4, 6, 5, 1};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(List[i].nPlayerID, Order[i]) << i;
    for (int i = 6; i < LEADER_LIST_LENGTH; ++i)
        EXPECT_EQ(List[i].nValue, 0);

    EXPECT_LT(Compare_Leader_Entries(Entry("A", "A", 0, 5), Entry("A", "A", 0, 4)), 0);
    EXPECT_GT(Compare_Leader_Entries(Entry("A", "A", 0, 5, 2001), Entry("A", "A", 0, 5, 2002)), 0);
    EXPECT_EQ(Compare_Leader_Entries(Entry("ann", "lee", 7, 5), Entry("ANN", "LEE", 8, 5)), 0);
}

// ---------------------------------------------------------------------------
// Insertion

TEST_F(LeaderListsTest, ACandidateWalksPastGreaterValuesAndTheTwentyFirstDropsOff)
{
    Fill_List(LEADER_TABLE_CAREER, LEADER_RECEPTIONS);
    Named(0, 0, 500, "Reed", "Jo");
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 55;
    Named(0, 1, 501, "Low", "Lu");
    Stats(0, 1, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 9;   // below the 21st (10)
    Named(0, 2, 502, "Tie", "Ty");
    Stats(0, 2, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 60;  // equals the 16th

    Insert_Leader_Candidates(LEADER_TABLE_CAREER, LEADER_RECEPTIONS, LEADER_PERIOD_CAREER);

    // 210 .. 70 stay (15 entries); 60 (the newcomer stops at the equal
    // value), the old 60, 55 (the newcomer), 50 .. 30; 20 and 10 are gone.
    EXPECT_EQ(Places_Of(0, LEADER_RECEPTIONS, 502), "15 ");
    EXPECT_STREQ(At(0, LEADER_RECEPTIONS, 16).szLastName, "Old15");
    EXPECT_EQ(Places_Of(0, LEADER_RECEPTIONS, 500), "17 ");
    LEADER_ENTRY New = At(0, LEADER_RECEPTIONS, 17);
    EXPECT_STREQ(New.szLastName, "Reed");
    EXPECT_STREQ(New.szFirstName, "Jo");
    EXPECT_EQ(New.nValue, 55);
    EXPECT_EQ(New.nYear, YEAR);
    EXPECT_EQ(New.nWeek, WEEK);
    EXPECT_EQ(New.nTeam, 0);
    EXPECT_EQ(New.nAge, Get_Player_Exact_Age(0, 0));
    EXPECT_EQ(At(0, LEADER_RECEPTIONS, 20).nValue, 30);
    EXPECT_EQ(Places_Of(0, LEADER_RECEPTIONS, 501), "");
}

TEST_F(LeaderListsTest, AnOutsideEntryOfTheSameNameIsTakenOverAndAClubEntryIsPassed)
{
    LEADER_LIST List{};
    List[0] = Entry("Big", "Ben", 0, 300);
    List[1] = Entry("SMITH", "john", 0, 100);             // outside entry, his name
    List[2] = Entry("Other", "Ox", 0, 90);
    Write_Leader_List(LEADER_TABLE_CAREER, LEADER_RUSH_YARDS, List);
    Named(1, 3, 77, "Smith", "John", POSITION_RB);
    Stats(1, 3, STAT_PERIOD_CAREER)[STAT_RUSHING_YARDS] = 120;

    Insert_Leader_Candidates(LEADER_TABLE_CAREER, LEADER_RUSH_YARDS, LEADER_PERIOD_CAREER);
    LEADER_ENTRY E = At(0, LEADER_RUSH_YARDS, 1);
    EXPECT_EQ(E.nPlayerID, 77);
    EXPECT_EQ(E.nValue, 120);
    EXPECT_EQ(E.nTeam, 1);
    EXPECT_EQ(E.nYear, YEAR);
    EXPECT_STREQ(E.szLastName, "SMITH");   // overwritten in place: the names stay
    EXPECT_STREQ(At(0, LEADER_RUSH_YARDS, 2).szLastName, "Other");
    EXPECT_EQ(At(0, LEADER_RUSH_YARDS, 3).nValue, 0);

    // A same-name entry of a real club (another John Smith, or his own
    // earlier one) is passed over: a second entry goes in below it.
    List[1] = Entry("Smith", "John", 0, 100, 2001, 2, 5);
    Write_Leader_List(LEADER_TABLE_CAREER, LEADER_RUSH_YARDS, List);
    Insert_Leader_Candidates(LEADER_TABLE_CAREER, LEADER_RUSH_YARDS, LEADER_PERIOD_CAREER);
    EXPECT_EQ(At(0, LEADER_RUSH_YARDS, 1).nTeam, 5);
    EXPECT_EQ(At(0, LEADER_RUSH_YARDS, 2).nPlayerID, 77);
    EXPECT_EQ(At(0, LEADER_RUSH_YARDS, 3).nValue, 90);
}

// ---------------------------------------------------------------------------
// Modes

TEST_F(LeaderListsTest, OtherModesReportAndChangeNothing)
{
    Named(0, 0, 1, "Reed", "Jo");
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 55;
    for (int nMode : {0, 1, 6, -3}) {
        LEAGUE_SNAPSHOT Before;
        Reset_Error_Count();
        EXPECT_EQ(Update_Leader_Lists(nMode), 0);
        EXPECT_EQ(Errors_Reported(), 1);
        EXPECT_TRUE(Last_Error_Contains("WTF?"));
        EXPECT_TRUE(Before.Unchanged());
    }
    EXPECT_EQ(Update_Leader_Lists(2), 1);
    EXPECT_EQ(Places_Of(0, LEADER_RECEPTIONS, 1), "0 ");
}

TEST_F(LeaderListsTest, TheCareerPassOverwritesOnAnyChangeAndLeavesAnEqualValueAlone)
{
    Named(0, 0, 10, "Reed", "Jo");
    Named(0, 1, 11, "Ames", "Al");
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 450;
    Stats(0, 1, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 300;
    LEADER_LIST List{};
    List[0] = Entry("Reed", "Jo", 10, 500, 2015, 3, 2);   // fell: still overwritten
    List[1] = Entry("Ames", "Al", 11, 300, 2016, 4, 2);   // equal: untouched
    List[2] = Entry("Gone", "Guy", 999, 200, 2010, 1, 2); // nobody has this ID
    Write_Leader_List(LEADER_TABLE_CAREER, LEADER_RECEPTIONS, List);

    EXPECT_EQ(Update_Leader_Lists(2), 1);
    LEADER_ENTRY E = At(0, LEADER_RECEPTIONS, 0);
    EXPECT_EQ(E.nPlayerID, 10);
    EXPECT_EQ(E.nValue, 450);
    EXPECT_EQ(E.nYear, YEAR);
    EXPECT_EQ(E.nWeek, WEEK);
    EXPECT_EQ(E.nTeam, 0);
    E = At(0, LEADER_RECEPTIONS, 1);
    EXPECT_EQ(E.nPlayerID, 11);
    EXPECT_EQ(E.nYear, 2016);
    EXPECT_EQ(E.nWeek, 4);
    EXPECT_EQ(E.nTeam, 2);
    EXPECT_EQ(At(0, LEADER_RECEPTIONS, 2).nPlayerID, -1);
    // Each listed player keeps one entry: the refresh marked them seen.
    EXPECT_EQ(Places_Of(0, LEADER_RECEPTIONS, 10), "0 ");
    EXPECT_EQ(Places_Of(0, LEADER_RECEPTIONS, 11), "1 ");
    // Other tables are not this mode's.
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 0).nValue, 0);
    EXPECT_EQ(At(2, LEADER_RECEPTIONS, 0).nValue, 0);
}

TEST_F(LeaderListsTest, TheSeasonPassRaisesOnlyThisYearsEntriesAndListsAnEarlierSeasonAgain)
{
    Named(0, 0, 10, "Reed", "Jo");
    Named(0, 1, 11, "Ames", "Al");
    Stats(0, 0, STAT_PERIOD_THIS_SEASON)[STAT_RECEPTIONS] = 80;
    Stats(0, 1, STAT_PERIOD_THIS_SEASON)[STAT_RECEPTIONS] = 70;
    LEADER_LIST List{};
    List[0] = Entry("Reed", "Jo", 10, 90, YEAR, 2, 0);    // this year, higher: not lowered
    List[1] = Entry("Ames", "Al", 11, 60, YEAR, 2, 0);    // this year, lower: raised
    List[2] = Entry("Ames", "Al", 11, 95, 2017, 9, 1);    // an earlier season of his
    Write_Leader_List(LEADER_TABLE_SEASON, LEADER_RECEPTIONS, List);

    EXPECT_EQ(Update_Leader_Lists(3), 1);
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 0).nYear, 2017);
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 0).nValue, 95);
    LEADER_ENTRY E = At(1, LEADER_RECEPTIONS, 1);
    EXPECT_EQ(E.nPlayerID, 10);
    EXPECT_EQ(E.nValue, 90);
    EXPECT_EQ(E.nWeek, 2);
    E = At(1, LEADER_RECEPTIONS, 2);
    EXPECT_EQ(E.nPlayerID, 11);
    EXPECT_EQ(E.nValue, 70);
    EXPECT_EQ(E.nWeek, WEEK);
    EXPECT_EQ(Places_Of(1, LEADER_RECEPTIONS, 11), "0 2 ");

    // Without this year's entry, the earlier season stays and a new one joins.
    List[0] = Entry("Dean", "Di", 0, 10, 1990, 1);
    List[1] = Entry("Dean", "Di", 0, 10, 1990, 1);
    Write_Leader_List(LEADER_TABLE_SEASON, LEADER_RECEPTIONS, List);
    Update_Leader_Lists(3);
    EXPECT_EQ(Places_Of(1, LEADER_RECEPTIONS, 11), "0 2 ");
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 0).nYear, 2017);
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 2).nYear, YEAR);
}

TEST_F(LeaderListsTest, TheLastSeasonPassRaisesAnyYearsEntry)
{
    Named(0, 0, 10, "Reed", "Jo");
    Stats(0, 0, STAT_PERIOD_LAST_SEASON)[STAT_RECEPTIONS] = 85;
    LEADER_LIST List{};
    List[0] = Entry("Reed", "Jo", 10, 80, 2016, 9, 0);
    Write_Leader_List(LEADER_TABLE_SEASON, LEADER_RECEPTIONS, List);
    Update_Leader_Lists(4);
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 0).nValue, 85);
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 0).nYear, YEAR);
    EXPECT_EQ(Places_Of(1, LEADER_RECEPTIONS, 10), "0 ");

    Stats(0, 0, STAT_PERIOD_LAST_SEASON)[STAT_RECEPTIONS] = 40;   // a lower value never lowers it
    Update_Leader_Lists(4);
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 0).nValue, 85);
}

TEST_F(LeaderListsTest, TheGamePassAddsAnEntryForEachQualifyingDay)
{
    Named(0, 0, 10, "Reed", "Jo");
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 7;
    Update_Leader_Lists(5);
    League.Preferences.nInt[PREF_CURRENT_WEEK] = WEEK + 1;
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 6;
    Update_Leader_Lists(5);
    EXPECT_EQ(Places_Of(2, LEADER_RECEPTIONS, 10), "0 1 ");
    EXPECT_EQ(At(2, LEADER_RECEPTIONS, 0).nWeek, WEEK);
    EXPECT_EQ(At(2, LEADER_RECEPTIONS, 1).nValue, 6);
    EXPECT_EQ(At(2, LEADER_RECEPTIONS, 1).nWeek, WEEK + 1);
}

TEST_F(LeaderListsTest, ARateIsListedOnlyForPlayersWhoQualify)
{
    // Last season, 16 games: 224 attempts qualify.
    Named(0, 0, 10, "Hi", "Hal", POSITION_QB);
    Named(1, 0, 20, "Ok", "Oz", POSITION_QB);
    int32_t* A = Stats(0, 0, STAT_PERIOD_LAST_SEASON);
    A[STAT_PASS_ATTEMPTS] = 200;
    A[STAT_PASS_COMPLETIONS] = 160;   // 800 per mille, too few attempts
    int32_t* B = Stats(1, 0, STAT_PERIOD_LAST_SEASON);
    B[STAT_PASS_ATTEMPTS] = 400;
    B[STAT_PASS_COMPLETIONS] = 260;   // 650 per mille
    Update_Leader_Lists(4);
    EXPECT_EQ(At(1, LEADER_COMPLETION_PERCENT, 0).nPlayerID, 20);
    EXPECT_EQ(At(1, LEADER_COMPLETION_PERCENT, 0).nValue, 650);
    EXPECT_EQ(At(1, LEADER_COMPLETION_PERCENT, 1).nValue, 0);
    EXPECT_EQ(At(1, LEADER_PASSING_ATTEMPTS, 0).nPlayerID, 20);
    EXPECT_EQ(At(1, LEADER_PASSING_ATTEMPTS, 1).nPlayerID, 10);
}

TEST_F(LeaderListsTest, FreeAgentsAndClubsNotInUseAreNotCandidates)
{
    Named(FREE_AGENT_TEAM, 0, 10, "Free", "Fa");
    Named(3, 0, 11, "Gone", "Go");
    Stats(FREE_AGENT_TEAM, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 90;
    Stats(3, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 90;
    Set_Team_Not_In_Use(3);
    Update_Leader_Lists(2);
    EXPECT_EQ(At(0, LEADER_RECEPTIONS, 0).nValue, 0);
}

// ---------------------------------------------------------------------------
// The day's snapshot and the all-time update

TEST_F(LeaderListsTest, TheGameTableTakesTheDaysGrowthAndTheCareerTableTheWhole)
{
    Named(0, 0, 10, "Reed", "Jo");
    Named(0, 1, 11, "Idle", "Ike");
    int32_t* R = Stats(0, 0, STAT_PERIOD_CAREER);
    R[STAT_GAMES_PLAYED] = 30;
    R[STAT_RECEPTIONS] = 150;
    Stats(0, 1, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 40;

    Update_Career_Leaders(1);
    EXPECT_TRUE(Is_Career_Leaders_Snapshot_Valid());
    R[STAT_GAMES_PLAYED] = 31;   // the day's game
    R[STAT_RECEPTIONS] = 158;
    Update_All_Time_Leaders();

    EXPECT_EQ(At(2, LEADER_RECEPTIONS, 0).nPlayerID, 10);
    EXPECT_EQ(At(2, LEADER_RECEPTIONS, 0).nValue, 8);
    EXPECT_EQ(At(2, LEADER_RECEPTIONS, 1).nValue, 0);   // no growth, no entry
    EXPECT_EQ(At(0, LEADER_RECEPTIONS, 0).nValue, 158);
    EXPECT_EQ(At(0, LEADER_RECEPTIONS, 1).nValue, 40);
    // The record is whole again.
    EXPECT_EQ(R[STAT_GAMES_PLAYED], 31);
    EXPECT_EQ(R[STAT_RECEPTIONS], 158);
    // Spent: a second update without a new start adds no game entry.
    EXPECT_FALSE(Is_Career_Leaders_Snapshot_Valid());
    Update_All_Time_Leaders();
    EXPECT_EQ(Places_Of(2, LEADER_RECEPTIONS, 10), "0 ");
}

TEST_F(LeaderListsTest, APlayerMovedDuringTheDayIsFoundByIdAndCountedOnce)
{
    Named(0, 0, 10, "Reed", "Jo");
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 100;
    Update_Career_Leaders(1);
    // Traded to club 2, and his old slot filled by a newcomer.
    Copy_Player(2, 4, 0, 0);
    Named(0, 0, 12, "New", "Ned");
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 500;   // a whole career, no snapshot
    Build_Player_ID_Hash();
    Stats(2, 4, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 106;
    Update_All_Time_Leaders();

    EXPECT_EQ(At(2, LEADER_RECEPTIONS, 0).nPlayerID, 10);
    EXPECT_EQ(At(2, LEADER_RECEPTIONS, 0).nValue, 6);
    EXPECT_EQ(At(2, LEADER_RECEPTIONS, 0).nTeam, 2);
    // The newcomer was not in the snapshot: his career is not one game.
    EXPECT_EQ(Places_Of(2, LEADER_RECEPTIONS, 12), "");
    EXPECT_EQ(Stats(2, 4, STAT_PERIOD_CAREER)[STAT_RECEPTIONS], 106);
    EXPECT_EQ(Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS], 500);
    EXPECT_EQ(At(0, LEADER_RECEPTIONS, 0).nPlayerID, 12);
}

TEST_F(LeaderListsTest, AfterALoadTheGamePassIsSkippedAndTheCareerPassStillRuns)
{
    Named(0, 0, 10, "Reed", "Jo");
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 100;
    Update_Career_Leaders(1);
    Invalidate_Career_Leaders_Snapshot();   // what a load does
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 104;
    Update_All_Time_Leaders();
    EXPECT_EQ(At(2, LEADER_RECEPTIONS, 0).nValue, 0);
    EXPECT_EQ(At(0, LEADER_RECEPTIONS, 0).nValue, 104);
    EXPECT_EQ(Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS], 104);
}

TEST_F(LeaderListsTest, SnapshotModesOutsideOneToFourDoNothing)
{
    Named(0, 0, 10, "Reed", "Jo");
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 100;
    Update_Career_Leaders(1);
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 103;
    LEAGUE_SNAPSHOT Before;
    Update_Career_Leaders(0);
    Update_Career_Leaders(5);
    EXPECT_TRUE(Before.Unchanged());
    // Modes 2, 3 and 4 by hand: the growth, then the whole record again.
    Update_Career_Leaders(2);
    Update_Career_Leaders(3);
    EXPECT_EQ(Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS], 3);
    Update_Career_Leaders(4);
    EXPECT_EQ(Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS], 103);
}

TEST_F(LeaderListsTest, APlayerWhoLeftTheLeagueIsLoggedAndSkipped)
{
    Named(0, 0, 10, "Reed", "Jo");
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS] = 100;
    Update_Career_Leaders(1);
    Clear_Player(0, 0);
    Build_Player_ID_Hash();
    Update_Career_Leaders(2);
    Update_Career_Leaders(3);
    Update_Career_Leaders(4);
    EXPECT_EQ(Get_Error_Count(), 0);
    EXPECT_EQ(Stats(0, 0, STAT_PERIOD_CAREER)[STAT_RECEPTIONS], 0);
    const std::vector<std::string> Lines = Read_Debug_Log_Lines(true);
    ASSERT_EQ(Lines.size(), 3u);
    EXPECT_EQ(Lines[0], "Unable to find player id 10 (ATL_SAVE_NEW_CAREER)");
    EXPECT_EQ(Lines[1], "Unable to find player id 10 (ATL_DELTA_CAREER)");
    EXPECT_EQ(Lines[2], "Unable to find player id 10 (ATL_RESTORE_CAREER)");
}

// ---------------------------------------------------------------------------
// Relinking

TEST_F(LeaderListsTest, SingleSeasonEntriesAreRelinkedByIdAndByName)
{
    Named(0, 0, 10, "Reed", "Jo");
    Named(1, 2, 20, "Ames", "Al");
    Add_Player(2, 0, 30);   // a nameless player
    LEADER_LIST List{};
    List[0] = Entry("Reed", "Jo", 10, 90);       // still found: kept
    List[1] = Entry("AMES", "al", 555, 80);      // dead ID: 0, then his namesake's
    List[2] = Entry("Nobody", "Ned", -1, 70);    // not found: 0
    List[3] = Entry("", "", 0, 0);               // empty: stays 0
    Write_Leader_List(LEADER_TABLE_SEASON, LEADER_RECEPTIONS, List);
    Write_Leader_List(LEADER_TABLE_CAREER, LEADER_RECEPTIONS, List);

    Build_All_Time_Leader_Tables();
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 0).nPlayerID, 10);
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 1).nPlayerID, 20);
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 2).nPlayerID, 0);
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 3).nPlayerID, 0);
    // Only the single-season table is relinked.
    EXPECT_EQ(At(0, LEADER_RECEPTIONS, 1).nPlayerID, 555);
    EXPECT_EQ(At(0, LEADER_RECEPTIONS, 2).nPlayerID, -1);
}

TEST_F(LeaderListsTest, ARelinkedEntryIsRefreshedByTheSeasonPassAsHisOwn)
{
    Named(0, 0, 10, "Reed", "Jo");
    Stats(0, 0, STAT_PERIOD_THIS_SEASON)[STAT_RECEPTIONS] = 50;
    LEADER_LIST List{};
    List[0] = Entry("Reed", "Jo", 0, 40, YEAR, 1, 0);
    Write_Leader_List(LEADER_TABLE_SEASON, LEADER_RECEPTIONS, List);
    Build_All_Time_Leader_Tables();
    Update_Leader_Lists(3);
    EXPECT_EQ(Places_Of(1, LEADER_RECEPTIONS, 10), "0 ");
    EXPECT_EQ(At(1, LEADER_RECEPTIONS, 0).nValue, 50);
}

// Invariant over many generated cases: every pass leaves each list sorted,
// with no player twice in the career table.
TEST_F(LeaderListsTest, ListsStaySortedAndCareerEntriesUnique)
{
    uint32_t nSeed = 12345;
    auto Next = [&nSeed](int n) {
        nSeed = nSeed * 1103515245u + 12345u;
        return static_cast<int>((nSeed >> 16) % static_cast<uint32_t>(n));
    };
    const int Positions[] = {POSITION_QB, POSITION_RB, POSITION_WR, POSITION_TE, POSITION_CB, POSITION_LB, POSITION_K, POSITION_P};
    for (int t = 0; t < 4; ++t) {
        for (int s = 0; s < 40; ++s) {
            char szLast[8];
            std::snprintf(szLast, sizeof(szLast), "L%d", Next(30));
            Named(t, s, 1 + t * 100 + s, szLast, "F", Positions[Next(8)]);
            for (int k = 0; k < STATS_PER_PERIOD; ++k)
                Stats(t, s, STAT_PERIOD_CAREER)[k] = Next(300);
        }
    }
    Build_Player_ID_Hash();
    for (int nRound = 0; nRound < 3; ++nRound) {
        Update_Leader_Lists(2);
        for (int t = 0; t < 4; ++t)
            for (int s = 0; s < 40; ++s)
                Stats(t, s, STAT_PERIOD_CAREER)[Next(STATS_PER_PERIOD)] += Next(50);
    }
    for (int nStat = 0; nStat < LEADER_STAT_COUNT; ++nStat) {
        LEADER_LIST List;
        Read_Leader_List(LEADER_TABLE_CAREER, nStat, List);
        for (int i = 1; i < LEADER_LIST_LENGTH; ++i) {
            EXPECT_LE(Compare_Leader_Entries(List[i - 1], List[i]), 0) << nStat << " " << i;
        }
        for (int i = 0; i < LEADER_LIST_LENGTH; ++i) {
            for (int j = i + 1; j < LEADER_LIST_LENGTH; ++j) {
                if (List[i].nPlayerID > 0) {
                    EXPECT_NE(List[i].nPlayerID, List[j].nPlayerID) << nStat;
                }
            }
        }
    }
    EXPECT_GT(At(0, LEADER_RECEPTIONS, 20).nValue, 0);
}

}  // namespace

// The leader tables' storage and the players' leader statistics.
#include <cstring>

#include "league/leader_tables.h"
#include "league/player_fixture.h"
#include "league/player_stats.h"
#include "league/preferences.h"

namespace {

class LeaderTablesTest : public PlayerTest {
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        Use_Franchises(4);
        League.Universe.nStat[GAMES_PER_SEASON] = 16;
    }

    static int32_t* Stats(int nTeam, int nSlot, int nPeriod) { return League.Team[nTeam].Player[nSlot].nStat[nPeriod]; }

    // A quarterback's passing line in a period.
    static void Passing(int nTeam, int nSlot, int nPeriod, int nAtt, int nComp, int nYards, int nTD, int nInt, int nGames)
    {
        int32_t* S = Stats(nTeam, nSlot, nPeriod);
        S[STAT_GAMES_PLAYED] = nGames;
        S[STAT_PASS_ATTEMPTS] = nAtt;
        S[STAT_PASS_COMPLETIONS] = nComp;
        S[STAT_PASSING_YARDS] = nYards;
        S[STAT_PASSING_TOUCHDOWNS] = nTD;
        S[STAT_INTERCEPTIONS_THROWN] = nInt;
    }
};

// ---------------------------------------------------------------------------
// Storage

TEST_F(LeaderTablesTest, ListsSitTableAfterTableAndListAfterListAtTheEndOfTheBlock)
{
    LEADER_ENTRY Entry{};
    Set_Leader_Entry_Names(&Entry, "Marsh", "Owen");
    Entry.nPlayerID = 4711;
    Entry.nValue = 1234;
    Entry.nYear = 2021;
    Entry.nWeek = 7;
    Entry.nTeam = 3;
    ASSERT_TRUE(Set_Leader_Entry(1, 5, 3, Entry));
    // (table 1 x 30 + list 5) x 21 x 52 + place 3 x 52 = 38,220 + 156.
    const uint8_t* p = League.LeaderTables + 38376;
    EXPECT_STREQ(reinterpret_cast<const char*>(p), "Marsh");
    EXPECT_STREQ(reinterpret_cast<const char*>(p + 20), "Owen");
    int32_t nID = 0;
    int32_t nValue = 0;
    int16_t nYear = 0;
    std::memcpy(&nID, p + 32, 4);
    std::memcpy(&nValue, p + 36, 4);
    std::memcpy(&nYear, p + 46, 2);
    EXPECT_EQ(nID, 4711);
    EXPECT_EQ(nValue, 1234);
    EXPECT_EQ(p[45], 7);
    EXPECT_EQ(nYear, 2021);
    EXPECT_EQ(p[48], 3);

    // The last entry of the last list ends the league block.
    Entry.nValue = 99;
    ASSERT_TRUE(Set_Leader_Entry(2, 29, 20, Entry));
    std::memcpy(&nValue, reinterpret_cast<const uint8_t*>(&League) + LEAGUE_DATA_SIZE - 52 + 36, 4);
    EXPECT_EQ(nValue, 99);

    LEADER_LIST List;
    ASSERT_TRUE(Read_Leader_List(1, 5, List));
    EXPECT_EQ(List[3].nPlayerID, 4711);
    EXPECT_EQ(List[2].nPlayerID, 0);
}

TEST_F(LeaderTablesTest, BadTablesStatisticsAndPlacesAreRefused)
{
    LEADER_ENTRY Entry{};
    LEADER_LIST List;
    Expect_Refused({
        {[&] { Set_Leader_Entry(3, 0, 0, Entry); }, "nTable out of bounds in Set_Leader_Entry"},
        {[&] { Set_Leader_Entry(0, 30, 0, Entry); }, "nStat out of bounds in Set_Leader_Entry"},
        {[&] { Set_Leader_Entry(0, 0, 21, Entry); }, "nPlace out of bounds in Set_Leader_Entry"},
        {[&] { Get_Leader_Entry(-1, 0, 0, &Entry); }, "nTable out of bounds in Get_Leader_Entry"},
        {[&] { Write_Leader_List(0, -1, List); }, "nStat out of bounds in Write_Leader_List"},
        {[&] { Read_Leader_List(0, 30, List); }, "nStat out of bounds in Read_Leader_List"},
    });
}

TEST_F(LeaderTablesTest, NamesAreCutToTheirFieldsAndComparedWithoutCase)
{
    LEADER_ENTRY Entry{};
    Set_Leader_Entry_Names(&Entry, "Abcdefghijklmnopqrstuvwxyz", "Bartholomewxyz");
    EXPECT_STREQ(Entry.szLastName, "Abcdefghijklmnopqrs");   // 19 characters and the NUL
    EXPECT_STREQ(Entry.szFirstName, "Bartholomew");           // 11 characters and the NUL

    EXPECT_EQ(Compare_Leader_Name_Text("smith", 20, "SMITH", 20), 0);
    EXPECT_LT(Compare_Leader_Name_Text("Smith", 20, "smithe", 20), 0);
    EXPECT_GT(Compare_Leader_Name_Text("Smyth", 20, "SMITH", 20), 0);
    // Folded to lower case, not upper: '_' (95) comes before 'b' (98).
    EXPECT_LT(Compare_Leader_Name_Text("A_", 20, "ab", 20), 0);

    Add_Player(0, 0, 11);
    Set_Player_Last_Name(0, 0, "McDonald");
    Set_Player_First_Name(0, 0, "Ty");
    Set_Leader_Entry_Names(&Entry, "MCDONALD", "ty");
    EXPECT_TRUE(Leader_Entry_Has_Player_Names(Entry, 0, 0));
    Set_Leader_Entry_Names(&Entry, "McDonald", "Tye");
    EXPECT_FALSE(Leader_Entry_Has_Player_Names(Entry, 0, 0));

    LEADER_ENTRY Copied{};
    Copy_Player_Names_To_Leader_Entry(&Copied, 0, 0);
    EXPECT_STREQ(Copied.szLastName, "McDonald");
    EXPECT_STREQ(Copied.szFirstName, "Ty");
}

TEST_F(LeaderTablesTest, TheNameIndexGivesTheFirstPlayerInTeamOrderAndNeverMatchesAnEmptyName)
{
    Add_Player(2, 4, 24);
    Set_Player_Last_Name(2, 4, "Hale");
    Set_Player_First_Name(2, 4, "Rex");
    Add_Player(1, 9, 19);
    Set_Player_Last_Name(1, 9, "HALE");
    Set_Player_First_Name(1, 9, "rex");
    Add_Player(FREE_AGENT_TEAM, 0, 36);
    Set_Player_Last_Name(FREE_AGENT_TEAM, 0, "Ortiz");
    Set_Player_First_Name(FREE_AGENT_TEAM, 0, "Luz");
    Add_Player(3, 0, 30);   // nameless
    Add_Player(3, 1, 31);   // a franchise not in use below
    Set_Player_Last_Name(3, 1, "Vance");
    Set_Player_First_Name(3, 1, "Ida");
    Set_Team_Not_In_Use(3);
    Build_Leader_Name_Index();

    LEADER_ENTRY Entry{};
    PLAYER_LOCATION Where{};
    Set_Leader_Entry_Names(&Entry, "Hale", "Rex");
    ASSERT_TRUE(Find_Player_By_Leader_Names(Entry, &Where));
    EXPECT_EQ(Where.nTeam, 1);
    EXPECT_EQ(Where.nSlot, 9);
    Set_Leader_Entry_Names(&Entry, "ortiz", "LUZ");
    ASSERT_TRUE(Find_Player_By_Leader_Names(Entry, &Where));
    EXPECT_EQ(Where.nTeam, FREE_AGENT_TEAM);
    Set_Leader_Entry_Names(&Entry, "Vance", "Ida");
    EXPECT_FALSE(Find_Player_By_Leader_Names(Entry, &Where));
    EXPECT_EQ(Where.nTeam, NO_TEAM);
    Set_Leader_Entry_Names(&Entry, "", "");
    EXPECT_FALSE(Find_Player_By_Leader_Names(Entry, &Where));
}

TEST_F(LeaderTablesTest, TheCareerRecordIsCopiedAndStoredAsItStands)
{
    Add_Player(0, 0, 5, POSITION_K);
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_LONGEST_FIELD_GOAL] = 57;
    Stats(0, 0, STAT_PERIOD_CAREER)[STAT_PUNTS] = 3;
    int32_t nRecord[STATS_PER_PERIOD];
    Copy_Player_Career_Record(0, 0, nRecord);
    EXPECT_EQ(nRecord[STAT_LONGEST_FIELD_GOAL], 57);   // no recomputation from season lines
    nRecord[STAT_PUNTS] = -2;
    Store_Player_Career_Record(0, 0, nRecord);
    EXPECT_EQ(Stats(0, 0, STAT_PERIOD_CAREER)[STAT_PUNTS], -2);
    EXPECT_EQ(Stats(0, 0, STAT_PERIOD_THIS_SEASON)[STAT_PUNTS], 0);
}

// ---------------------------------------------------------------------------
// Leader statistics

TEST_F(LeaderTablesTest, AQuarterbacksPassingStatisticsOfLastSeason)
{
    Add_Player(0, 0, 1, POSITION_QB);
    Passing(0, 0, STAT_PERIOD_LAST_SEASON, 300, 195, 2400, 18, 9, 16);
    auto L = [](int s) { return Get_Player_Leader_Stat(0, 0, s, LEADER_PERIOD_LAST_SEASON); };
    EXPECT_EQ(L(LEADER_PASSING_ATTEMPTS), 300);
    EXPECT_EQ(L(LEADER_COMPLETIONS), 195);
    EXPECT_EQ(L(LEADER_PASSING_YARDS), 2400);
    EXPECT_EQ(L(LEADER_COMPLETION_PERCENT), 650);   // 195 / 300
    EXPECT_EQ(L(LEADER_PASSING_TDS), 18);
    EXPECT_EQ(L(LEADER_YARDS_PER_ATTEMPT), 800);    // 8.00
    // (350 x 5 = 1750) + (500 x 25 / 10 = 1250) + (60 x 20 = 1200) +
    // ((95 - 30) x 25 = 1625) = 5825; / 6 = 970.
    EXPECT_EQ(L(LEADER_QUARTERBACK_RATING), 970);
    EXPECT_EQ(L(LEADER_PASSING_PER_GAME), 1500);    // 2400 / 16 games, x 10
    // Not a rusher, receiver, returner, defender or kicker.
    EXPECT_EQ(L(LEADER_CATCH_RATE), 0);
    EXPECT_EQ(L(LEADER_TACKLES), 0);
    EXPECT_EQ(L(LEADER_FIELD_GOALS), 0);
    // The same line in the other periods' records is not his last season.
    EXPECT_EQ(Get_Player_Leader_Stat(0, 0, LEADER_PASSING_ATTEMPTS, LEADER_PERIOD_THIS_SEASON), 0);
}

TEST_F(LeaderTablesTest, PositionsThatCannotLeadSlotsNotInUseAndBadArgumentsGiveZero)
{
    Add_Player(0, 0, 1, POSITION_WR);
    Passing(0, 0, STAT_PERIOD_CAREER, 300, 195, 2400, 18, 9, 16);   // a receiver's stat 4 is targets
    EXPECT_EQ(Get_Player_Leader_Stat(0, 0, LEADER_PASSING_ATTEMPTS, 2), 0);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 0, LEADER_QUARTERBACK_RATING, 2), 0);

    Add_Player(0, 1, 2, POSITION_QB);
    Passing(0, 1, STAT_PERIOD_CAREER, 300, 195, 2400, 18, 9, 16);
    Passing(0, 1, STAT_PERIOD_PREDICTED, 300, 195, 2400, 18, 9, 16);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, LEADER_PASSING_ATTEMPTS, 2), 300);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, 30, 2), 0);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, -1, 2), 0);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, LEADER_PASSING_ATTEMPTS, 3), 0);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, LEADER_PASSING_ATTEMPTS, -1), 0);
    EXPECT_EQ(Get_Player_Leader_Stat(41, 1, LEADER_PASSING_ATTEMPTS, 2), 0);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 100, LEADER_PASSING_ATTEMPTS, 2), 0);

    League.Team[0].Player[1].nVital[VITAL_POSITION] = 15;
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, LEADER_PASSING_ATTEMPTS, 2), 0);
    League.Team[0].Player[1].nVital[VITAL_POSITION] = POSITION_QB;
    Set_Team_Not_In_Use(0);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, LEADER_PASSING_ATTEMPTS, 2), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(LeaderTablesTest, TheQualifyingMinimumsPerTeamGame)
{
    EXPECT_EQ(Get_Leader_Stat_Minimum_Per_Mille(LEADER_COMPLETION_PERCENT), 14000);
    EXPECT_EQ(Get_Leader_Stat_Minimum_Per_Mille(LEADER_YARDS_PER_RUSH), 6250);
    EXPECT_EQ(Get_Leader_Stat_Minimum_Per_Mille(LEADER_YARDS_PER_RECEPTION), 1875);
    EXPECT_EQ(Get_Leader_Stat_Minimum_Per_Mille(LEADER_FIELD_GOAL_PERCENT), 1000);
    EXPECT_EQ(Get_Leader_Stat_Minimum_Per_Mille(LEADER_PUNT_AVERAGE), 2500);
    EXPECT_EQ(Get_Leader_Stat_Minimum_Per_Mille(LEADER_PASSING_YARDS), 0);
    EXPECT_EQ(Get_Leader_Stat_Minimum_Per_Mille(30), 0);

    // Last season: 16 games, so 224 attempts, 100 carries, 30 catches, 16
    // field-goal tries and 40 punts.
    struct CASE {
        int nPosition, nLeaderStat, nCountStat, nOtherStat, nOther, nBelow, nValueAtMinimum;
    };
    const CASE Cases[] = {
        // 224 attempts, 2240 yards: 10.00 a try
        {POSITION_QB, LEADER_YARDS_PER_ATTEMPT, STAT_PASS_ATTEMPTS, STAT_PASSING_YARDS, 2240, 223, 1000},
        // 100 carries, 450 yards: 4.50
        {POSITION_RB, LEADER_YARDS_PER_RUSH, STAT_RUSHING_ATTEMPTS, STAT_RUSHING_YARDS, 450, 99, 450},
        // 30 catches, 360 yards: 12.0
        {POSITION_TE, LEADER_YARDS_PER_RECEPTION, STAT_RECEPTIONS, STAT_RECEIVING_YARDS, 360, 29, 120},
        // 40 punts, 1800 yards: 45.0
        {POSITION_P, LEADER_PUNT_AVERAGE, STAT_PUNTS, STAT_PUNT_YARDS, 1800, 39, 450},
        // 16 kick returns, 400 yards: 25.0
        {POSITION_CB, LEADER_KICK_RETURN_AVERAGE, STAT_KICK_RETURNS, STAT_KICK_RETURN_YARDS, 400, 15, 250},
    };
    int nSlot = 0;
    for (const CASE& C : Cases) {
        Add_Player(1, nSlot, 100 + nSlot, C.nPosition);
        int32_t* S = Stats(1, nSlot, STAT_PERIOD_LAST_SEASON);
        S[C.nOtherStat] = C.nOther;
        S[C.nCountStat] = C.nBelow;
        EXPECT_EQ(Get_Player_Leader_Stat(1, nSlot, C.nLeaderStat, 1), 0) << C.nLeaderStat;
        S[C.nCountStat] = C.nBelow + 1;
        EXPECT_EQ(Get_Player_Leader_Stat(1, nSlot, C.nLeaderStat, 1), C.nValueAtMinimum) << C.nLeaderStat;
        ++nSlot;
    }
}

TEST_F(LeaderTablesTest, TheTeamGamesOfEachPeriod)
{
    Add_Player(2, 0, 1, POSITION_QB);
    Set_Season_Record(2, 0, 3, 1, 0);   // four games so far: 56 attempts
    Passing(2, 0, STAT_PERIOD_THIS_SEASON, 55, 40, 500, 3, 1, 4);
    EXPECT_EQ(Get_Leader_Stat_Team_Games(2, 0, 0), 4);
    EXPECT_EQ(Get_Player_Leader_Stat(2, 0, LEADER_COMPLETION_PERCENT, 0), 0);
    Passing(2, 0, STAT_PERIOD_THIS_SEASON, 56, 42, 500, 3, 1, 4);
    EXPECT_EQ(Get_Player_Leader_Stat(2, 0, LEADER_COMPLETION_PERCENT, 0), 750);

    // A career counts his own games: 10 games, 140 attempts.
    Passing(2, 0, STAT_PERIOD_CAREER, 139, 70, 1000, 5, 5, 10);
    EXPECT_EQ(Get_Leader_Stat_Team_Games(2, 0, 2), 10);
    EXPECT_EQ(Get_Player_Leader_Stat(2, 0, LEADER_COMPLETION_PERCENT, 2), 0);
    Passing(2, 0, STAT_PERIOD_CAREER, 140, 70, 1000, 5, 5, 10);
    EXPECT_EQ(Get_Player_Leader_Stat(2, 0, LEADER_COMPLETION_PERCENT, 2), 500);
    // The counts need no minimum.
    Passing(2, 0, STAT_PERIOD_CAREER, 3, 2, 20, 0, 0, 10);
    EXPECT_EQ(Get_Player_Leader_Stat(2, 0, LEADER_PASSING_ATTEMPTS, 2), 3);
    EXPECT_EQ(Get_Player_Leader_Stat(2, 0, LEADER_COMPLETION_PERCENT, 2), 0);

    // Never fewer than one game: one game's growth of 14 attempts qualifies.
    Passing(2, 0, STAT_PERIOD_CAREER, 14, 7, 100, 0, 0, 0);
    EXPECT_EQ(Get_Leader_Stat_Team_Games(2, 0, 2), 1);
    EXPECT_EQ(Get_Player_Leader_Stat(2, 0, LEADER_COMPLETION_PERCENT, 2), 500);
    League.Universe.nStat[GAMES_PER_SEASON] = 17;
    EXPECT_EQ(Get_Leader_Stat_Team_Games(2, 0, 1), 17);
}

TEST_F(LeaderTablesTest, ReceivingDefenceAndKickingValues)
{
    Add_Player(0, 0, 1, POSITION_WR);
    int32_t* W = Stats(0, 0, STAT_PERIOD_CAREER);
    W[STAT_GAMES_PLAYED] = 16;
    W[STAT_RECEPTIONS] = 40;
    W[STAT_TARGETS] = 60;
    W[STAT_RECEIVING_YARDS] = 530;
    W[STAT_RUSHING_ATTEMPTS] = 3;
    W[STAT_PUNT_RETURNS] = 20;
    W[STAT_PUNT_RETURN_YARDS] = 190;
    EXPECT_EQ(Get_Player_Leader_Stat(0, 0, LEADER_CATCH_RATE, 2), 667);           // 40 / 60
    EXPECT_EQ(Get_Player_Leader_Stat(0, 0, LEADER_YARDS_PER_RECEPTION, 2), 133);  // 13.25 -> 13.3
    EXPECT_EQ(Get_Player_Leader_Stat(0, 0, LEADER_RUSHES, 2), 3);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 0, LEADER_PUNT_RETURN_AVERAGE, 2), 95);   // 9.5
    W[STAT_TARGETS] = 39;   // fewer targets than catches: no catch rate
    EXPECT_EQ(Get_Player_Leader_Stat(0, 0, LEADER_CATCH_RATE, 2), 0);

    Add_Player(0, 1, 2, POSITION_DE);
    int32_t* D = Stats(0, 1, STAT_PERIOD_CAREER);
    D[STAT_SOLO_TACKLES] = 50;
    D[STAT_TACKLE_ASSISTS] = 20;
    D[STAT_SACKS] = 9;
    D[STAT_FUMBLES_FORCED] = 3;
    D[STAT_PASSES_DEFENSED] = 4;
    D[STAT_INTERCEPTIONS] = 1;
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, LEADER_TACKLES, 2), 70);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, LEADER_SACKS, 2), 9);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, LEADER_FUMBLES_FORCED, 2), 3);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, LEADER_PASSES_DEFENDED, 2), 4);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, LEADER_INTERCEPTIONS, 2), 1);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 1, LEADER_RUSHES, 2), 0);

    Add_Player(0, 2, 3, POSITION_K);
    int32_t* K = Stats(0, 2, STAT_PERIOD_CAREER);
    K[STAT_GAMES_PLAYED] = 16;
    const int Tried[4] = {6, 7, 9, 10};
    const int Made[4] = {5, 6, 7, 8};
    for (int b = 0; b < 4; ++b) {
        K[STAT_FIELD_GOAL_ATTEMPTS_BAND_1 + 2 * b] = Tried[b];
        K[STAT_FIELD_GOALS_MADE_BAND_1 + 2 * b] = Made[b];
    }
    EXPECT_EQ(Get_Player_Leader_Stat(0, 2, LEADER_FIELD_GOALS, 2), 26);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 2, LEADER_FIELD_GOAL_PERCENT, 2), 813);   // 26 of 32
    EXPECT_EQ(Get_Player_Leader_Stat(0, 2, LEADER_TACKLES, 2), 0);
}

TEST_F(LeaderTablesTest, CapImpactIsTheContractOfThisSeasonOnly)
{
    Add_Player(0, 0, 1, POSITION_LB);
    PLAYER& P = League.Team[0].Player[0];
    // A four-year contract of 3,000 a year and a 2,000 bonus: 3,000 + 500.
    P.nVital[VITAL_SALARY] = 3000;
    P.nVital[VITAL_SIGNING_BONUS] = 2000;
    P.nVital[VITAL_CONTRACT_LENGTH] = 4;
    EXPECT_EQ(Get_Player_Leader_Stat(0, 0, LEADER_CAP_IMPACT, 0), 3500);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 0, LEADER_CAP_IMPACT, 1), 0);
    EXPECT_EQ(Get_Player_Leader_Stat(0, 0, LEADER_CAP_IMPACT, 2), 0);
}

}  // namespace

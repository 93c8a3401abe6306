// The player look-up tables by ID, name and ID text: building, finding moved
// and new players, misses, the text homes, duplicate IDs and full tables.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "league/player_hash.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

// A league of two franchises (0 and 1) plus the special slots 36-40, run in an
// empty folder so that "debug.txt" is the test's own.
class PlayerHashTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"hash"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Use_Franchises(2);
        Rebuild_All();
    }

    static void Rebuild_All()
    {
        Build_Player_ID_Hash();
        Build_Player_Name_Hash();
        Build_Corvel_ID_Hash();
    }

    // A player with his ID, names and ID text (cut to the field, as the record keeps it).
    static void Place(int nTeam, int nSlot, int nID, const char* szFirst, const char* szLast, const char* szCorvel)
    {
        League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID] = nID;
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
        char* szField = League.Team[nTeam].Player[nSlot].szCorvelID;   // cut to the field, as stored
        std::memset(szField, 0, PLAYER_CORVEL_ID_SIZE);
        std::memcpy(szField, szCorvel, std::min(std::strlen(szCorvel), size_t(PLAYER_CORVEL_ID_SIZE - 1)));
    }
};

// A lookup found the player at (team, slot); with NO_TEAM, found nobody and
// filled the location with none.
::testing::AssertionResult Is_At(int nFound, const PLAYER_LOCATION& Where, int nTeam, int nSlot = NO_PLAYER)
{
    if (nFound == (nTeam == NO_TEAM ? 0 : 1) && Where.nTeam == nTeam && Where.nSlot == nSlot)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "result " << nFound << " at (" << int(Where.nTeam) << "," << int(Where.nSlot)
                                         << "), wanted (" << nTeam << "," << nSlot << ")";
}

// The three finders by ID, full name and ID text all give (team, slot).
void Expect_Found(int nID, const char* szName, const char* szCorvel, int nTeam, int nSlot = NO_PLAYER)
{
    PLAYER_LOCATION Where{};
    EXPECT_TRUE(Is_At(Find_Player_By_ID(&Where, nID), Where, nTeam, nSlot)) << nID;
    EXPECT_TRUE(Is_At(Lookup_Player_Name_Hash(&Where, szName), Where, nTeam, nSlot)) << szName;
    EXPECT_TRUE(Is_At(Find_Player_By_Corvel_ID(&Where, szCorvel), Where, nTeam, nSlot)) << szCorvel;
}

TEST_F(PlayerHashTest, BuiltTablesFindEveryRosterKindAndMissesWriteNothing)
{
    Place(0, 0, 1001, "John", "Smith", "SMITJO01");
    Place(1, 0, 5097, "Mary", "Jones", "JONEMA00");   // 5097 & 4095 = 1001: shares a probe path
    Place(FREE_AGENT_TEAM, 0, 77, "Free", "Agent", "AGENFR00");
    Rebuild_All();
    Expect_Found(1001, "John Smith", "SMITJO01", 0, 0);
    Expect_Found(5097, "Mary Jones", "JONEMA00", 1, 0);
    Expect_Found(77, "Free Agent", "AGENFR00", FREE_AGENT_TEAM, 0);

    // Misses fill none or leave the outputs, add no entries and write nothing.
    // Keys longer than any record's text included: a name far past the key
    // size, and an ID text that only begins with a stored one.
    LEAGUE_SNAPSHOT Before;
    const std::string LongName(300, 'x');
    Expect_Found(-21, nullptr, "SMITJO0", NO_TEAM);
    Expect_Found(999, LongName.c_str(), "SMITJO01SMITJO01", NO_TEAM);
    PLAYER_LOCATION Where{};
    EXPECT_TRUE(Is_At(Lookup_Player_Name_Hash(&Where, "mary jones"), Where, NO_TEAM));   // case counts
    int nTeam = 33, nSlot = 44;
    EXPECT_EQ(Find_Player_ID_Team_Slot(&nTeam, &nSlot, 999), 0);
    EXPECT_EQ(std::make_pair(nTeam, nSlot), std::make_pair(33, 44));
    for (int nTable : {PLAYER_HASH_ID, PLAYER_HASH_NAME, PLAYER_HASH_CORVEL_ID})
        EXPECT_EQ(Get_Player_Hash_Count(nTable), 3) << nTable;   // hits and misses add nothing
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerHashTest, MovedPlayersAreFoundByTheScanAndTheEntryRepaired)
{
    Place(0, 0, 11, "Ann", "Able", "ABLEAN00");
    Place(0, 1, 12, "Bob", "Baker", "BAKEBO00");
    Place(0, 2, 13, "Cy", "Cole", "COLECY00");
    Rebuild_All();
    // Exchange slots 0 and 2 and trade slot 1 to the free agents.
    std::swap(League.Team[0].Player[0], League.Team[0].Player[2]);
    std::swap(League.Team[0].Player[1], League.Team[FREE_AGENT_TEAM].Player[0]);
    Expect_Found(11, "Ann Able", "ABLEAN00", 0, 2);
    Expect_Found(12, "Bob Baker", "BAKEBO00", FREE_AGENT_TEAM, 0);
    PLAYER_LOCATION Where{};
    EXPECT_TRUE(Is_At(Peek_Player_ID_Hash(&Where, 12), Where, FREE_AGENT_TEAM, 0));   // the entry repaired

    // Cy (ID 13, slot 0) leaves and a newcomer takes his slot: Cy is not
    // found, and his entry no longer names the slot.
    std::memset(&League.Team[0].Player[0], 0, sizeof(PLAYER));
    Place(0, 0, 15, "Eve", "Ever", "EVEREV00");
    Expect_Found(13, "Cy Cole", "COLECY00", NO_TEAM);
    EXPECT_TRUE(Peek_Player_ID_Hash(&Where, 13));
    EXPECT_EQ(Where.nSlot, NO_PLAYER);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerHashTest, TextHomesTakeBytesUnsignedAndStopAtTheEnd)
{
    // Short keys in buffers of exactly their size: nothing past the NUL is read
    // (the sanitizer build proves it).
    const char szShort[3] = {'A', 'l', '\0'};
    EXPECT_EQ(Get_Player_Name_Home(szShort), 400 * ('l' % 20));    // 3200
    // Windows-1252 bytes count as 0x96 = 150 and 0xE9 = 233, never negative.
    // "J\xE9r\x96me Dupont": c[1] = 233 -> 13, c[9] = 'p' = 112 -> 12, c[5] = 'e' = 101 -> 1.
    EXPECT_EQ(Get_Player_Name_Home("J\xE9r\x96me Dupont"), 400 * 13 + 20 * 12 + 1);   // 5441
    // "\x96\xE9\xE9\xE9\xE9\xE9\xE9": c[0] = 150 -> 10, c[3] = c[6] = 233 -> 13.
    EXPECT_EQ(Get_Corvel_ID_Home("\x96\xE9\xE9\xE9\xE9\xE9\xE9"), 400 * 10 + 20 * 13 + 13);   // 4273
    // 0xEF = 239 leaves 19: the greatest home, 7999.
    EXPECT_EQ(Get_Player_Name_Home("\xEF\xEF\xEF\xEF\xEF\xEF\xEF\xEF\xEF\xEF"), 7999);
}

TEST_F(PlayerHashTest, DuplicateIdsAreRenumberedForEveryHolder)
{
    Place(0, 0, 500, "Ann", "Able", "");
    Place(FREE_AGENT_TEAM, 0, 500, "Cy", "Cole", "");
    Place(1, 0, 700, "Dee", "Dale", "");
    Place(1, 1, 700, "Eve", "Ever", "");
    Place(38, 0, 700, "Fay", "Fox", "");
    Place(5, 0, 500, "Not", "Inuse", "");   // a franchise not in use is not checked
    EXPECT_EQ(Sanity_Check_Player_IDs(), 0);

    // Team then slot order: 500 (0,0), 700 (1,0), 700 (1,1), 500 (36,0), 700 (38,0).
    const int nHolder[5][3] = {{0, 0, 500}, {1, 0, 700}, {1, 1, 700}, {FREE_AGENT_TEAM, 0, 500}, {38, 0, 700}};
    std::vector<int> NewIDs{500, 700};   // every ID in use, the new ones after
    std::vector<std::string> Expected;
    for (const auto& Holder : nHolder) {
        const int nNew = League.Team[Holder[0]].Player[Holder[1]].nVital[VITAL_PLAYER_ID];
        EXPECT_TRUE(nNew >= 1 && std::count(NewIDs.begin(), NewIDs.end(), nNew) == 0) << nNew;
        NewIDs.push_back(nNew);
        Expected.push_back("Duplicate Player ID found: " + std::to_string(Holder[2]) + ".  Changing to " +
                           std::to_string(nNew) + ".");
    }
    // ID 500 held twice and 700 three times: three duplicates.
    Expected.push_back("3 Duplicate player ID's were found.  Sanity Checking YBY.");
    EXPECT_EQ(Read_Debug_Log_Lines(true), Expected);
    // Now every ID is unique, and lookups find the new IDs.
    EXPECT_EQ(Sanity_Check_Player_IDs(), 1);
    PLAYER_LOCATION Where{};
    EXPECT_TRUE(Is_At(Find_Player_By_ID(&Where, NewIDs[5]), Where, FREE_AGENT_TEAM, 0));
    EXPECT_EQ(Errors_Reported(), 0);
}

// Every new key a lookup files adds one entry. The free agents start with 100
// players (count 100); each round gives all of them new keys and looks them
// up, so the count before lookup (round r, slot s) is 100 r + s: the miss at
// r = 81, s = 91 finds 8191, reports, rebuilds from the 100 players and still
// answers; the rest of that round are hits.
TEST_F(PlayerHashTest, FullTablesAreReportedAndRebuilt)
{
    char szText[16], szName[32];
    const char* szMessages[3] = {"HASH HAS FILLED!", "Player Name HASH HAS FILLED!", "CORVEL HASH HAS FILLED!"};
    int nReports[3] = {0, 0, 0};
    PLAYER_LOCATION Where{};
    for (int nRound = 0; nRound <= 81; ++nRound) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            std::snprintf(szText, sizeof(szText), "C%05d", nRound * 100 + nSlot);
            Place(FREE_AGENT_TEAM, nSlot, nRound * 100 + nSlot + 1, "Fill", szText, szText);
        }
        if (nRound == 0)
            Rebuild_All();
        for (int nSlot = 0; nRound > 0 && nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            std::snprintf(szText, sizeof(szText), "C%05d", nRound * 100 + nSlot);
            std::snprintf(szName, sizeof(szName), "Fill %s", szText);
            for (int nTable = 0; nTable < 3; ++nTable) {
                int nFound = nTable == 0   ? Find_Player_By_ID(&Where, nRound * 100 + nSlot + 1)
                             : nTable == 1 ? Lookup_Player_Name_Hash(&Where, szName)
                                           : Find_Player_By_Corvel_ID(&Where, szText);
                ASSERT_TRUE(Is_At(nFound, Where, FREE_AGENT_TEAM, nSlot)) << nTable;
                if (Errors_Reported()) {
                    ++nReports[nTable];
                    EXPECT_TRUE(Last_Error_Contains(szMessages[nTable]));
                    EXPECT_EQ(nRound * 100 + nSlot, 8191);
                }
            }
        }
    }
    for (int nTable = 0; nTable < 3; ++nTable) {
        EXPECT_EQ(nReports[nTable], 1) << nTable;
        EXPECT_EQ(Get_Player_Hash_Count(nTable), 100) << nTable;
    }
}

TEST_F(PlayerHashTest, CorvelScanFindsTheFirstUsedSlotIgnoringCase)
{
    Place(1, 7, 501, "Ada", "Brisk", "brisab01");
    Place(0, 3, 502, "Cal", "Dorn", "BRISAB01");   // same text, earlier team
    Place(0, 9, 503, "Eli", "Fenn", "FULLTWELVEXX");   // stored cut to 11
    char* szFull = League.Team[0].Player[10].szCorvelID;
    League.Team[0].Player[10].nVital[VITAL_PLAYER_ID] = 504;
    std::memcpy(szFull, "ABCDEFGHIJKL", PLAYER_CORVEL_ID_SIZE);   // all 12 bytes, no NUL
    // A cleared slot keeps its text but holds nobody.
    Place(0, 1, 505, "Gil", "Hart", "ghost1");
    League.Team[0].Player[1].nVital[VITAL_PLAYER_ID] = 0;

    PLAYER_LOCATION Where{};
    EXPECT_TRUE(Is_At(Scan_Player_By_Corvel_ID(&Where, "BrisAB01"), Where, 0, 3));
    EXPECT_TRUE(Is_At(Scan_Player_By_Corvel_ID(&Where, "abcdefghijkl"), Where, 0, 10));
    EXPECT_TRUE(Is_At(Scan_Player_By_Corvel_ID(&Where, "ABCDEFGHIJK"), Where, NO_TEAM));
    EXPECT_TRUE(Is_At(Scan_Player_By_Corvel_ID(&Where, "ghost1"), Where, NO_TEAM));
    EXPECT_TRUE(Is_At(Scan_Player_By_Corvel_ID(&Where, ""), Where, NO_TEAM));
    EXPECT_TRUE(Is_At(Scan_Player_By_Corvel_ID(&Where, nullptr), Where, NO_TEAM));
    EXPECT_EQ(Scan_Player_By_Corvel_ID(nullptr, "FULLTWELVEX"), 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

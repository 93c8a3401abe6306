// The player look-up tables by ID, name and ID text: building, finding moved
// and new players, misses, the text homes, duplicate IDs and full tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "league/league_data.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/team.h"
#include "league_fixture.h"
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
        std::memset(League.Team[nTeam].Player[nSlot].szCorvelID, 0, PLAYER_CORVEL_ID_SIZE);
        std::strncpy(League.Team[nTeam].Player[nSlot].szCorvelID, szCorvel, PLAYER_CORVEL_ID_SIZE - 1);
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

void Expect_Hash_Counts(int nCount)
{
    for (int nTable : {PLAYER_HASH_ID, PLAYER_HASH_NAME, PLAYER_HASH_CORVEL_ID})
        EXPECT_EQ(Get_Player_Hash_Count(nTable), nCount) << nTable;
}

// Where (team, slot) a two-output lookup put, or (-7, -7) untouched.
std::pair<int, int> Two(int (*pFind)(int*, int*, const char*), const char* szKey)
{
    int nTeam = -7, nSlot = -7;
    pFind(&nTeam, &nSlot, szKey);
    return {nTeam, nSlot};
}

TEST_F(PlayerHashTest, BuiltTablesFindEveryKeyOfEveryRosterKind)
{
    Place(0, 0, 1001, "John", "Smith", "SMITJO01");
    Place(0, 1, 1002, "Al", "Oz", "OZAL");
    Place(1, 0, 5097, "Mary", "Jones", "JONEMA00");   // 5097 & 4095 = 1001: shares a probe path
    Place(FREE_AGENT_TEAM, 0, 77, "Free", "Agent", "AGENFR00");
    Place(40, 0, 4200, "Col", "Lege", "LEGECO00");
    Rebuild_All();
    Expect_Hash_Counts(5);
    EXPECT_EQ(Get_Player_Hash_Count(3), -1);
    PLAYER_LOCATION Where{};
    EXPECT_TRUE(Is_At(Peek_Player_ID_Hash(&Where, 5097), Where, 1, 0));
    EXPECT_TRUE(Is_At(Peek_Player_Name_Hash(&Where, "Mary Jones"), Where, 1, 0));
    Expect_Found(1001, "John Smith", "SMITJO01", 0, 0);
    Expect_Found(77, "Free Agent", "AGENFR00", FREE_AGENT_TEAM, 0);
    Expect_Found(4200, "Col Lege", "LEGECO00", 40, 0);
    EXPECT_TRUE(Is_At(Lookup_Player_Name_Hash(&Where, "mary jones"), Where, NO_TEAM));   // case counts
    EXPECT_EQ(Find_Player_By_ID(nullptr, 1002), 1);
    EXPECT_EQ(Find_Player_By_Corvel_ID(nullptr, "SMITJO01"), 1);
    int nTeam = -7, nSlot = -7;
    EXPECT_EQ(Find_Player_ID_Team_Slot(&nTeam, &nSlot, 5097), 1);
    EXPECT_EQ(std::make_pair(nTeam, nSlot), std::make_pair(1, 0));
    EXPECT_EQ(Two(Find_Player_Name_Team_Slot, "Free Agent"), std::make_pair(FREE_AGENT_TEAM, 0));
    EXPECT_EQ(Two(Find_Corvel_ID_Team_Slot, "OZAL"), std::make_pair(0, 1));
    EXPECT_EQ(Find_Corvel_ID_Team_Slot(nullptr, nullptr, "OZAL"), 1);
    Expect_Hash_Counts(5);   // hits add nothing
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
    EXPECT_TRUE(Is_At(Peek_Player_ID_Hash(&Where, 12), Where, FREE_AGENT_TEAM, 0));   // the entries repaired
    EXPECT_TRUE(Is_At(Peek_Player_Name_Hash(&Where, "Ann Able"), Where, 0, 2));
    EXPECT_TRUE(Is_At(Peek_Corvel_ID_Hash(&Where, "BAKEBO00"), Where, FREE_AGENT_TEAM, 0));
    Expect_Hash_Counts(3);   // under their old keys

    // A player who joins after the build is filed by his first lookup.
    Place(1, 0, 14, "Dee", "Dale", "DALEDE00");
    Expect_Found(14, "Dee Dale", "DALEDE00", 1, 0);
    Expect_Hash_Counts(4);
    // Cy (ID 13, slot 0) leaves and a newcomer takes his slot: Cy is not
    // found, and his entry no longer names the slot.
    std::memset(&League.Team[0].Player[0], 0, sizeof(PLAYER));
    Place(0, 0, 15, "Eve", "Ever", "EVEREV00");
    Expect_Found(13, "Cy Cole", "COLECY00", NO_TEAM);
    EXPECT_TRUE(Peek_Player_ID_Hash(&Where, 13));
    EXPECT_EQ(Where.nSlot, NO_PLAYER);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerHashTest, MissesFillNoneOrLeaveTheOutputsAndWriteNothing)
{
    Place(0, 0, 21, "Gil", "Gray", "GRAYGI00");
    Place(5, 0, 22, "Hal", "Hill", "HILLHA00");   // on a franchise not in use: only the ID finds him
    Rebuild_All();
    LEAGUE_SNAPSHOT Before;
    // Keys longer than any record's text included: a name far past the key
    // size, and an ID text that only begins with a stored one.
    std::string LongName(300, 'x');
    const char* szNames[] = {"", nullptr, "Gil Grey", "Hal Hill", LongName.c_str()};
    const char* szCorvels[] = {"", nullptr, "GRAYGI0", "HILLHA00", "GRAYGI00GRAYGI00"};
    const int nIDs[] = {0, -21, 999, 0, 0};
    for (int i = 0; i < 5; ++i) {
        Expect_Found(nIDs[i], szNames[i], szCorvels[i], NO_TEAM);
        int nTeam = 33, nSlot = 44;
        EXPECT_EQ(Find_Player_ID_Team_Slot(&nTeam, &nSlot, nIDs[i]), 0);
        EXPECT_EQ(std::make_pair(nTeam, nSlot), std::make_pair(33, 44));
        EXPECT_EQ(Two(Find_Player_Name_Team_Slot, szNames[i]), std::make_pair(-7, -7));
        EXPECT_EQ(Two(Find_Corvel_ID_Team_Slot, szCorvels[i]), std::make_pair(-7, -7));
    }
    PLAYER_LOCATION Where{};
    EXPECT_TRUE(Is_At(Find_Player_By_ID(&Where, 22), Where, 5, 0));
    // Misses add no entries and write nothing into the league.
    EXPECT_EQ(Get_Player_Hash_Count(PLAYER_HASH_ID), 2);
    EXPECT_EQ(Get_Player_Hash_Count(PLAYER_HASH_NAME), 1);
    EXPECT_EQ(Get_Player_Hash_Count(PLAYER_HASH_CORVEL_ID), 1);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerHashTest, TextHomesTakeBytesUnsignedAndStopAtTheEnd)
{
    // Short keys in buffers of exactly their size: nothing past the NUL is read
    // (the sanitizer build proves it).
    std::unique_ptr<char[]> szShort(new char[3]{'A', 'l', '\0'});
    EXPECT_EQ(Get_Player_Name_Home(szShort.get()), 400 * ('l' % 20));    // 3200
    EXPECT_EQ(Get_Corvel_ID_Home(szShort.get()), 400 * ('A' % 20));      // 2000
    std::unique_ptr<char[]> szOne(new char[2]{'Z', '\0'});
    EXPECT_EQ(Get_Player_Name_Home(szOne.get()), 0);
    // Windows-1252 bytes count as 0x96 = 150 and 0xE9 = 233, never negative.
    // "J\xE9r\x96me Dupont": c[1] = 233 -> 13, c[9] = 'p' = 112 -> 12, c[5] = 'e' = 101 -> 1.
    const char* szAccented = "J\xE9r\x96me Dupont";
    EXPECT_EQ(Get_Player_Name_Home(szAccented), 400 * 13 + 20 * 12 + 1);   // 5441
    // "\x96\xE9\xE9\xE9\xE9\xE9\xE9": c[0] = 150 -> 10, c[3] = c[6] = 233 -> 13.
    EXPECT_EQ(Get_Corvel_ID_Home("\x96\xE9\xE9\xE9\xE9\xE9\xE9"), 400 * 10 + 20 * 13 + 13);   // 4273
    // 0xEF = 239 leaves 19: the greatest home, 7999.
    EXPECT_EQ(Get_Player_Name_Home("\xEF\xEF\xEF\xEF\xEF\xEF\xEF\xEF\xEF\xEF"), 7999);
    EXPECT_EQ(Get_Corvel_ID_Home("\xEF\xEF\xEF\xEF\xEF\xEF\xEF"), 7999);
    // Players with such names and short ID texts are filed and found.
    Place(0, 0, 31, "J\xE9r\x96me", "Dupont", "\x96\xE9\xE9\xE9\xE9\xE9\xE9");
    Place(0, 1, 32, "Al", "\xEF", "A");
    Rebuild_All();
    Expect_Found(31, szAccented, "\x96\xE9\xE9\xE9\xE9\xE9\xE9", 0, 0);
    Expect_Found(32, "Al \xEF", "A", 0, 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerHashTest, DuplicateIdsAreRenumberedForEveryHolder)
{
    Place(0, 0, 500, "Ann", "Able", "");
    Place(0, 1, 501, "Bob", "Baker", "");
    Place(FREE_AGENT_TEAM, 0, 500, "Cy", "Cole", "");
    Place(1, 0, 700, "Dee", "Dale", "");
    Place(1, 1, 700, "Eve", "Ever", "");
    Place(38, 0, 700, "Fay", "Fox", "");
    Place(5, 0, 501, "Not", "Inuse", "");   // a franchise not in use is not checked
    EXPECT_EQ(Sanity_Check_Player_IDs(), 0);

    // Team then slot order: 500 (0,0), 700 (1,0), 700 (1,1), 500 (36,0), 700 (38,0).
    const int nHolder[5][3] = {{0, 0, 500}, {1, 0, 700}, {1, 1, 700}, {FREE_AGENT_TEAM, 0, 500}, {38, 0, 700}};
    std::vector<int> NewIDs;
    std::vector<std::string> Expected;
    for (const auto& Holder : nHolder) {
        const int nNew = League.Team[Holder[0]].Player[Holder[1]].nVital[VITAL_PLAYER_ID];
        EXPECT_TRUE(nNew >= 1 && nNew != 500 && nNew != 501 && nNew != 700) << nNew;
        EXPECT_EQ(std::count(NewIDs.begin(), NewIDs.end(), nNew), 0) << nNew;
        NewIDs.push_back(nNew);
        char szLine[128];
        std::snprintf(szLine, sizeof(szLine), "Duplicate Player ID found: %d.  Changing to %d.", Holder[2], nNew);
        Expected.push_back(szLine);
    }
    EXPECT_EQ(League.Team[0].Player[1].nVital[VITAL_PLAYER_ID], 501);
    // ID 500 held twice and 700 three times: three duplicates.
    Expected.push_back("3 Duplicate player ID's were found.  Sanity Checking YBY.");
    EXPECT_EQ(Read_Debug_Log_Lines(true), Expected);
    // Now every ID is unique, and lookups find the new IDs.
    EXPECT_EQ(Sanity_Check_Player_IDs(), 1);
    EXPECT_EQ(Read_Debug_Log_Lines(true).size(), Expected.size());
    PLAYER_LOCATION Where{};
    EXPECT_TRUE(Is_At(Find_Player_By_ID(&Where, NewIDs[3]), Where, FREE_AGENT_TEAM, 0));
    EXPECT_TRUE(Is_At(Find_Player_By_ID(&Where, 700), Where, NO_TEAM));
    EXPECT_EQ(Errors_Reported(), 0);
}

// Every new key a lookup files adds one entry. The free agents start with 100
// players (count 100); each round gives all of them new keys and looks them
// up, so the count before lookup (round r, slot s) is 100 r + s: the miss at
// r = 81, s = 91 finds 8191, reports, rebuilds from the 100 players and still
// answers; the rest of that round are hits.
TEST_F(PlayerHashTest, FullTablesAreReportedAndRebuilt)
{
    char szText[16];
    char szName[32];
    auto Texts = [&](int nKey) {
        std::snprintf(szText, sizeof(szText), "C%05d", nKey);
        std::snprintf(szName, sizeof(szName), "Fill %s", szText);
    };
    auto Place_Round = [&](int nRound) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            Texts(nRound * 100 + nSlot);
            Place(FREE_AGENT_TEAM, nSlot, nRound * 100 + nSlot + 1, "Fill", szText, szText);
        }
    };
    Place_Round(0);
    Rebuild_All();
    const char* szMessages[3] = {"HASH HAS FILLED!", "Player Name HASH HAS FILLED!", "CORVEL HASH HAS FILLED!"};
    int nReports[3] = {0, 0, 0};
    PLAYER_LOCATION Where{};
    for (int nRound = 1; nRound <= 81; ++nRound) {
        Place_Round(nRound);
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            Texts(nRound * 100 + nSlot);
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

}  // namespace

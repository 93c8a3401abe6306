// The player record: refusals, roster operations, names, vital statistics,
// ages, positions and checksums.
#include <sys/stat.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/game_lineups.h"
#include "league/calendar.h"
#include "league/player_text.h"
#include "league/season_lines.h"
#include "player_fixture.h"

namespace {

using PlayerRecord = PlayerTest;
using PlayerRoster = PlayerTest;
using PlayerNames = PlayerTest;
using PlayerVitals = PlayerTest;
using PlayerPositions = PlayerTest;

TEST_F(PlayerRecord, ClearRefusesEachBadAddressWithoutWriting)
{
    Add_Player(3, 4, 55);
    LEAGUE_SNAPSHOT Before;
    struct CASE {
        int nTeam, nSlot;
        const char* szMessage;
    } Cases[] = {
        {NO_TEAM, 4, "'NO_TEAM' passed to Clear_Player(128,4)"},
        {3, NO_PLAYER, "'NO_PLAYER' passed to Clear_Player(3,255)"},
        {41, 4, "nTeam out of bounds in Clear_Player(41,4)"},
        {-1, 4, "nTeam out of bounds in Clear_Player(-1,4)"},
        {3, 100, "nPlayer out of bounds in Clear_Player(3,100)"},
        {3, -2, "nPlayer out of bounds in Clear_Player(3,-2)"},
    };
    for (const CASE& Case : Cases) {
        Clear_Player(Case.nTeam, Case.nSlot);
        EXPECT_EQ(Errors_Reported(), 1) << Case.szMessage;
        EXPECT_TRUE(Last_Error_Contains(Case.szMessage)) << Get_Recent_Errors();
    }
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(PlayerRecord, ClearedSlotIsEmptyWithNoSeasonLinks)
{
    PLAYER& Player = Add_Player(2, 7, 99);
    std::strcpy(Player.szLastName, "Walker");
    Player.nStat[2][5] = 4000;
    Player.nSeasonLink[0] = 12;
    Player.nCurrentLine = 12;
    Clear_Player(2, 7);
    EXPECT_EQ(Player.nVital[VITAL_PLAYER_ID], 0);
    EXPECT_EQ(Player.szLastName[0], '\0');
    EXPECT_EQ(Player.nStat[2][5], 0);
    for (int32_t nLink : Player.nSeasonLink)
        EXPECT_EQ(nLink, -1);
    EXPECT_EQ(Player.nCurrentLine, -1);
    EXPECT_EQ(Player.fRating[RATING_SPEED], 0.0f);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerRecord, CopiesRefuseBadAddressesAndCopyWholeRecords)
{
    Add_Player(1, 0, 10);
    LEAGUE_SNAPSHOT Before;
    PLAYER Buffer;
    std::memset(&Buffer, 0x5A, sizeof(Buffer));

    Copy_Player(-1, 0, 1, 0);
    EXPECT_TRUE(Last_Error_Contains("Negative destination in Copy_Player()"));
    Copy_Player(2, 0, 1, -3);
    EXPECT_TRUE(Last_Error_Contains("Negative source in Copy_Player()"));
    Copy_Player(41, 0, 1, 0);
    EXPECT_TRUE(Last_Error_Contains("Invalid destination in Copy_Player([41],[0],1,0)"));
    Copy_Player(2, 100, 1, 0);
    EXPECT_TRUE(Last_Error_Contains("Invalid destination in Copy_Player([2],[100],1,0)"));
    Copy_Player(2, 0, 1, 100);
    EXPECT_TRUE(Last_Error_Contains("Invalid source in Copy_Player(2,0,[1],[100])"));
    Copy_Player_From_Memory(-1, 0, &Buffer);
    EXPECT_TRUE(Last_Error_Contains("Negative destination in Copy_Player_From_Memory()"));
    Copy_Player_From_Memory(41, 0, &Buffer);
    EXPECT_TRUE(Last_Error_Contains("Invalid destination in Copy_Player_From_Memory([41],[0])"));
    Copy_Player_From_Memory(1, 0, nullptr);
    EXPECT_TRUE(Last_Error_Contains("NULL buffer in Copy_Player_From_Memory(1,0)"));
    EXPECT_EQ(Errors_Reported(), 8);
    EXPECT_TRUE(Before.Unchanged());

    Copy_Player_To_Memory(&Buffer, 1, -1);
    EXPECT_TRUE(Last_Error_Contains("Negative source in Copy_Player_To_Memory()"));
    Copy_Player_To_Memory(&Buffer, 1, 100);
    EXPECT_TRUE(Last_Error_Contains("Invalid source in Copy_Player_To_Memory([1],[100])"));
    EXPECT_EQ(Buffer.nVital[0], 0x5A5A5A5A);

    Copy_Player_To_Memory(&Buffer, 1, 0);
    EXPECT_EQ(std::memcmp(&Buffer, &League.Team[1].Player[0], sizeof(PLAYER)), 0);
    Buffer.nVital[VITAL_PLAYER_ID] = 11;
    Copy_Player_From_Memory(40, 99, &Buffer);
    EXPECT_EQ(League.Team[40].Player[99].nVital[VITAL_PLAYER_ID], 11);
    Copy_Player(36, 5, 1, 0);
    EXPECT_EQ(std::memcmp(&League.Team[36].Player[5], &League.Team[1].Player[0], sizeof(PLAYER)), 0);
}

TEST_F(PlayerRoster, SwapRefusesBadArgumentsAndMovesReturners)
{
    Add_Player(4, 0, 100);
    Add_Player(4, 1, 101);
    LEAGUE_SNAPSHOT Before;
    Swap_Players(-1, 0, 4, 1);
    EXPECT_TRUE(Last_Error_Contains("Negative Team in Swap_Players(-1,0,4,1)"));
    Swap_Players(4, 0, 41, 1);
    EXPECT_TRUE(Last_Error_Contains("Invalid Team in Swap_Players(4,0,41,1)"));
    Swap_Players(4, -1, 4, 1);
    EXPECT_TRUE(Last_Error_Contains("Negative Slot in Swap_Players(4,-1,4,1)"));
    Swap_Players(4, 0, 4, 100);
    EXPECT_TRUE(Last_Error_Contains("Invalid Slot in Swap_Players(4,0,4,100)"));
    EXPECT_EQ(Errors_Reported(), 4);
    EXPECT_TRUE(Before.Unchanged());

    League.Team[4].bReturner[0] = 0;   // kick returner in slot 0
    League.Team[4].bReturner[1] = 1;   // punt returner in slot 1
    Swap_Players(4, 0, 4, 1);
    EXPECT_EQ(League.Team[4].Player[0].nVital[VITAL_PLAYER_ID], 101);
    EXPECT_EQ(League.Team[4].Player[1].nVital[VITAL_PLAYER_ID], 100);
    EXPECT_EQ(League.Team[4].bReturner[0], 1);
    EXPECT_EQ(League.Team[4].bReturner[1], 0);

    // Between two teams the returner bytes stay where they are.
    Add_Player(5, 0, 200);
    Swap_Players(4, 1, 5, 0);
    EXPECT_EQ(League.Team[4].Player[1].nVital[VITAL_PLAYER_ID], 200);
    EXPECT_EQ(League.Team[5].Player[0].nVital[VITAL_PLAYER_ID], 100);
    EXPECT_EQ(League.Team[4].bReturner[0], 1);
    EXPECT_EQ(League.Team[4].bReturner[1], 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerRoster, SwapRefreshesOnlyTheWatchedGamesLineups)
{
    Add_Player(2, 0, 1);
    Add_Player(2, 1, 2);
    Add_Player(9, 0, 3);
    Add_Player(9, 1, 4);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_User_Preference(PREF_SHOWN_GAME, 5);
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    League.Game[5].nAwayTeam = 2;
    League.Game[5].nHomeTeam = 4;
    League.Team[4].nSchedule[3][1] = 1;   // the home entry is marked for watching

    int nBefore = Count_Game_Lineup_Updates();
    Swap_Players(2, 0, 2, 1);             // a team of the watched game
    EXPECT_EQ(Count_Game_Lineup_Updates(), nBefore + 1);
    Swap_Players(9, 0, 9, 1);             // a team not in it
    EXPECT_EQ(Count_Game_Lineup_Updates(), nBefore + 1);
    League.Team[4].nSchedule[3][1] = 0;   // not marked
    Swap_Players(2, 0, 2, 1);
    EXPECT_EQ(Count_Game_Lineup_Updates(), nBefore + 1);
    League.Team[4].nSchedule[3][1] = 1;
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);   // no games being played
    Swap_Players(2, 0, 2, 1);
    EXPECT_EQ(Count_Game_Lineup_Updates(), nBefore + 1);

    // Cached predicted statistics belong to slots: a swap or a compaction
    // forgets them.
    int nValue = 0;
    Start_Predicted_Stat_Cache();
    Store_Cached_Predicted_Stat(9, 0, 100, 85);
    ASSERT_EQ(Find_Cached_Predicted_Stat(9, 0, 100, &nValue), 1);
    Swap_Players(9, 0, 9, 1);
    EXPECT_EQ(Find_Cached_Predicted_Stat(9, 0, 100, &nValue), 0);
    Store_Cached_Predicted_Stat(9, 0, 100, 85);
    League.Team[9].Player[0].nVital[VITAL_PLAYER_ID] = 0;
    Compact_Team_Roster(9);
    EXPECT_EQ(Find_Cached_Predicted_Stat(9, 0, 100, &nValue), 0);
    Stop_Predicted_Stat_Cache();
}

TEST_F(PlayerRoster, CountAndCompactKeepRostersCompactAndInOrder)
{
    for (int nSlot : {0, 1, 2, 3, 4, 6, 9})
        Add_Player(7, nSlot, 1000 + nSlot);
    EXPECT_EQ(Count_Team_Players(7), 5);
    EXPECT_EQ(Find_Empty_Player_Slot(7), 5);
    EXPECT_EQ(Is_Player_Slot_Used(7, 6), 1);
    EXPECT_EQ(Is_Player_Slot_Used(7, 5), 0);
    EXPECT_EQ(Is_Player_Slot_Used(7, 100), 0);

    Compact_Team_Roster(7);
    EXPECT_EQ(Count_Team_Players(7), 7);
    const int nExpected[7] = {1000, 1001, 1002, 1003, 1004, 1006, 1009};
    for (int nSlot = 0; nSlot < 7; ++nSlot)
        EXPECT_EQ(League.Team[7].Player[nSlot].nVital[VITAL_PLAYER_ID], nExpected[nSlot]);
    for (int nSlot = 7; nSlot < PLAYERS_PER_TEAM; ++nSlot)
        EXPECT_EQ(League.Team[7].Player[nSlot].nVital[VITAL_PLAYER_ID], 0);

    // A team not in use counts no players and is left alone.
    Add_Player(8, 1, 77);
    Set_Team_Not_In_Use(8);
    EXPECT_EQ(Count_Team_Players(8), 0);
    EXPECT_EQ(Is_Player_Slot_Used(8, 1), 0);
    LEAGUE_SNAPSHOT Before;
    Compact_Team_Roster(8);
    EXPECT_TRUE(Before.Unchanged());
    Compact_Team_Roster(41);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Compact_Team_Roster([41])"));
    Find_Empty_Player_Slot(-1);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Find_Empty_Player_Slot([-1])"));
    EXPECT_TRUE(Before.Unchanged());

    // A full roster.
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot)
        Add_Player(36, nSlot, 5000 + nSlot);
    EXPECT_EQ(Count_Team_Players(36), 100);
    EXPECT_EQ(Find_Empty_Player_Slot(36), -1);
}

TEST_F(PlayerRoster, RemoveErasesLinesAndShiftKeepsThem)
{
    for (int nSlot = 0; nSlot < 4; ++nSlot)
        Add_Player(6, nSlot, 600 + nSlot);
    Stamp_Season_Line(40, 2018, 0, 0, 16);
    Stamp_Season_Line(41, 2017, 0, 0, 12);
    League.Team[6].Player[1].nSeasonLink[0] = 40;
    League.Team[6].Player[2].nSeasonLink[0] = 41;
    League.Team[6].bReturner[0] = 3;

    Remove_Player_From_Roster(6, 1);
    EXPECT_EQ(Count_Team_Players(6), 3);
    EXPECT_EQ(League.Team[6].Player[1].nVital[VITAL_PLAYER_ID], 602);
    EXPECT_EQ(League.Team[6].Player[2].nVital[VITAL_PLAYER_ID], 603);
    EXPECT_EQ(League.Team[6].bReturner[0], 2);   // the returner moved up with his record
    EXPECT_TRUE(Is_Season_Line_Zero(40));
    EXPECT_EQ(League.Team[6].Player[1].nSeasonLink[0], 41);

    Shift_Roster_Over_Slot(6, 1);
    EXPECT_EQ(Count_Team_Players(6), 2);
    EXPECT_EQ(League.Team[6].Player[1].nVital[VITAL_PLAYER_ID], 603);
    EXPECT_EQ(League.SeasonLines[41][0], 2017);   // kept for the garbage collector
    EXPECT_EQ(League.Team[6].Player[99].nVital[VITAL_PLAYER_ID], 0);

    LEAGUE_SNAPSHOT Before;
    Remove_Player_From_Roster(6, 100);
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Remove_Player_From_Roster(6,[100])"));
    Shift_Roster_Over_Slot(41, 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Shift_Roster_Over_Slot([41],0)"));
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(PlayerRoster, RemovingOneOfTwoCopiesKeepsTheSharedHistory)
{
    Add_Player(3, 0, 300);
    Stamp_Season_Line(70, 2017, 0, 0, 15);
    Stamp_Season_Line(71, 2018, 0, 0, 16);
    League.Team[3].Player[0].nSeasonLink[0] = 70;
    League.Team[3].Player[0].nSeasonLink[1] = 71;
    Copy_Player(HALL_OF_FAME_TEAM, 0, 3, 0);

    Remove_Player_From_Roster(3, 0);
    EXPECT_EQ(League.SeasonLines[70][0], 2017);
    EXPECT_EQ(League.SeasonLines[71][3], 16);
    EXPECT_EQ(League.Team[HALL_OF_FAME_TEAM].Player[0].nSeasonLink[0], 70);
    EXPECT_EQ(League.Team[HALL_OF_FAME_TEAM].Player[0].nSeasonLink[1], 71);

    // The last holder takes the lines with him.
    Remove_Player_From_Roster(HALL_OF_FAME_TEAM, 0);
    EXPECT_TRUE(Is_Season_Line_Zero(70));
    EXPECT_TRUE(Is_Season_Line_Zero(71));
}

TEST_F(PlayerRecord, ChecksumIsAdlerStartedAtZero)
{
    PLAYER& Player = Add_Player(5, 3, 777);
    std::strcpy(Player.szLastName, "Young");
    // Adler-32 with both sums started at 0 (not a = 1).
    const uint8_t* pByte = reinterpret_cast<const uint8_t*>(&Player);
    uint32_t a = 0, b = 0;
    for (size_t i = 0; i < sizeof(PLAYER); ++i) {
        a = (a + pByte[i]) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(Get_Player_Checksum(777), (b << 16) | a);
    EXPECT_EQ(Get_Player_Checksum(778), 0u);
    EXPECT_EQ(Get_Player_Checksum(0), 0u);
    Set_Team_Not_In_Use(5);
    EXPECT_EQ(Get_Player_Checksum(777), 0u);
}

// ---------------------------------------------------------------------------
// Names

// Runs a test body inside a scratch folder that holds name lists.
class NameFolder {
public:
    NameFolder(const char* szFirst, const char* szLast)
    {
        if (!Scratch.Ready())
            return;
        std::string Names = Scratch.Path() + "/Names";   // the lists are found without regard to case
        mkdir(Names.c_str(), 0777);
        Write(Names + "/first.txt", szFirst);
        Write(Names + "/last.txt", szLast);
    }

private:
    static void Write(const std::string& Path, const char* szText)
    {
        FILE* pFile = std::fopen(Path.c_str(), "wb");
        std::fputs(szText, pFile);
        std::fclose(pFile);
    }
    SCRATCH_FOLDER Scratch{"names"};
};

TEST_F(PlayerNames, SettersCutLongTextsAndZeroFill)
{
    PLAYER& Player = Add_Player(1, 1, 11);
    std::memset(Player.szFirstName, 'x', sizeof(Player.szFirstName));
    Set_Player_First_Name(1, 1, "Maximilianusz");   // 13 characters
    EXPECT_STREQ(Player.szFirstName, "Maximilianu");
    Set_Player_First_Name(1, 1, "Al");
    EXPECT_STREQ(Player.szFirstName, "Al");
    for (size_t i = 2; i < sizeof(Player.szFirstName); ++i)
        EXPECT_EQ(Player.szFirstName[i], '\0') << i;

    Set_Player_Last_Name(1, 1, "Abcdefghijklmnopqrstuvwxyz");
    EXPECT_STREQ(Player.szLastName, "Abcdefghijklmnopqrs");

    const char szCollege[] = "Texas A&M Commerce & Kingsville Tech";
    Set_Player_College(1, 1, szCollege);
    EXPECT_STREQ(Player.szCollege, "Texas A+M Commerce + Ki");
    EXPECT_STREQ(szCollege, "Texas A&M Commerce & Kingsville Tech");
    Set_Player_College(1, 1, "A&M");
    EXPECT_STREQ(Player.szCollege, "A+M");
    for (size_t i = 3; i < sizeof(Player.szCollege); ++i)
        EXPECT_EQ(Player.szCollege[i], '\0') << i;
    EXPECT_EQ(Errors_Reported(), 0);

    LEAGUE_SNAPSHOT Before;
    Set_Player_Last_Name(41, 1, "Nope");
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Set_Player_Last_Name([41],1)"));
    Set_Player_First_Name(1, 100, "Nope");
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Set_Player_First_Name(1,[100])"));
    Set_Player_College(-1, 0, "Nope");
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Set_Player_College([-1],0)"));
    Set_Player_Last_Name(1, 1, nullptr);
    EXPECT_TRUE(Last_Error_Contains("NULL szName in Set_Player_Last_Name(1,1,[NULL])"));
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(PlayerNames, EmptyNamesAreFilledFromTheListsAndStored)
{
    NameFolder Folder("Walter\r\n\r\n", "Kowalski\r\n");
    Add_Player(2, 0, 20);
    char szLast[PLAYER_LAST_NAME_SIZE];
    char szFirst[PLAYER_FIRST_NAME_TEXT_SIZE];
    Get_Player_Last_Name(2, 0, szLast);
    Get_Player_First_Name(2, 0, szFirst);
    EXPECT_STREQ(szLast, "Kowalski");
    EXPECT_STREQ(szFirst, "Walter");
    EXPECT_STREQ(League.Team[2].Player[0].szLastName, "Kowalski");
    EXPECT_STREQ(League.Team[2].Player[0].szFirstName, "Walter");
}

TEST_F(PlayerNames, WithoutListsTheFixedNamesAreUsed)
{
    NameFolder Folder("", "");
    Add_Player(2, 0, 20);
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(2, 0, szName);
    EXPECT_STREQ(szName, "John Smith");
    EXPECT_STREQ(League.Team[2].Player[0].szFirstName, "John");
}

TEST_F(PlayerNames, FullNamesLongNamesAndBadAddresses)
{
    Add_Player(4, 2, 42);
    Set_Player_First_Name(4, 2, "Giovanni-Sebastiano");
    Set_Player_Last_Name(4, 2, "Moore");
    char szText[PLAYER_NAME_TEXT_SIZE];
    Get_Player_First_Name_Filled(4, 2, szText);
    EXPECT_STREQ(szText, "Giovanni-Se");
    // A cut long name is shown as stored: no completions are kept.
    Get_Player_First_Name(4, 2, szText);
    EXPECT_STREQ(szText, "Giovanni-Se");
    Get_Player_Full_Name(4, 2, szText);
    EXPECT_STREQ(szText, "Giovanni-Se Moore");
    Get_Player_Full_Name_Copy(4, 2, szText);
    EXPECT_STREQ(szText, "Giovanni-Se Moore");
    Get_Player_Name_Last_First(4, 2, szText);
    EXPECT_STREQ(szText, "Moore, Giovanni-Se");
    char szSmall[8];
    Get_Player_Full_Name(4, 2, szSmall);
    EXPECT_STREQ(szSmall, "Giovann");
    EXPECT_EQ(Errors_Reported(), 0);

    Get_Player_Full_Name(41, 2, szText);
    EXPECT_STREQ(szText, "INVALID-TEAM");
    EXPECT_TRUE(Last_Error_Contains("Invalid team in Get_Player_Full_Name(41,2,)"));
    Set_Team_Not_In_Use(9);
    Get_Player_Full_Name(9, 0, szText);
    EXPECT_STREQ(szText, "INVALID-TEAM");
    Get_Player_Full_Name(4, 3, szText);
    EXPECT_STREQ(szText, "INVALID-PLAYER");
    EXPECT_TRUE(Last_Error_Contains("Invalid player in Get_Player_Full_Name(4,3,)"));
    EXPECT_EQ(Errors_Reported(), 3);

    LEAGUE_SNAPSHOT Before;
    Get_Player_Name_Last_First(4, 3, szText);
    EXPECT_STREQ(szText, "");
    Get_Player_Last_Name(9, 0, szText);
    EXPECT_STREQ(szText, "");
    EXPECT_EQ(Errors_Reported(), 0);
    Get_Player_Last_Name(4, 100, szText);
    EXPECT_STREQ(szText, "");
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Get_Player_Last_Name(4,[100])"));
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(PlayerNames, CollegeAndIdTextAreReadBounded)
{
    PLAYER& Player = Add_Player(3, 3, 33);
    std::memset(Player.szCorvelID, 'Q', sizeof(Player.szCorvelID));   // no terminator in the field
    char szText[64];
    Get_Player_Corvel_ID(3, 3, szText);
    EXPECT_EQ(std::string(szText), std::string(11, 'Q'));
    Set_Player_College(3, 3, "Ohio Valley");
    Get_Player_College(3, 3, szText);
    EXPECT_STREQ(szText, "Ohio Valley");
    Get_Player_College(3, 100, szText);
    EXPECT_STREQ(szText, "");
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Get_Player_College(3,[100])"));
}

// ---------------------------------------------------------------------------
// Vital statistics and ages

TEST_F(PlayerVitals, RepairsOfPotentialAndPeakAreStored)
{
    PLAYER& Player = Add_Player(2, 2, 22);
    Player.nVital[VITAL_PEAK_START] = 33;
    Player.nVital[VITAL_PEAK_END] = 35;
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_PEAK_START), 30);
    EXPECT_EQ(Player.nVital[VITAL_PEAK_START], 30);
    Player.nVital[VITAL_PEAK_START] = 29;
    Player.nVital[VITAL_PEAK_END] = 27;
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_PEAK_START), 27);
    Player.nVital[VITAL_PEAK_START] = 26;
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_PEAK_START), 26);

    Player.nVital[VITAL_POTENTIAL] = 300;
    int nPotential = Get_Player_Vital_Stat(2, 2, VITAL_POTENTIAL);
    EXPECT_GE(nPotential, 75);
    EXPECT_LE(nPotential, 134);
    EXPECT_EQ(Player.nVital[VITAL_POTENTIAL], nPotential);
    Player.nVital[VITAL_POTENTIAL] = 250;
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_POTENTIAL), 250);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerVitals, ComputedContractCodes)
{
    PLAYER& Player = Add_Player(2, 2, 22);
    Player.nVital[VITAL_SALARY] = 5000;
    Player.nVital[VITAL_SIGNING_BONUS] = 1000;
    Player.nVital[VITAL_CONTRACT_LENGTH] = 0;
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_PRORATED_BONUS), 0);
    Player.nVital[VITAL_CONTRACT_LENGTH] = 3;
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_PRORATED_BONUS), 333);
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_CAP_CHARGE), 5333);
    // 5,333 x 55,000,000 / 110,000,000 = 2,666.5, rounded away from zero.
    League.Universe.nStat[SALARY_CAP] = 110000000;
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_SCALED_CAP_CHARGE), 2667);

    // A one-year minimum contract of an eight-season veteran in 2019 (minimum
    // 930) with a bonus of 60 is charged the two-season minimum, 645.
    Player.nVital[VITAL_SEASONS_PLAYED] = 8;
    Player.nVital[VITAL_SALARY] = 930;
    Player.nVital[VITAL_SIGNING_BONUS] = 60;
    Player.nVital[VITAL_CONTRACT_LENGTH] = 1;
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_CAP_CHARGE), 645);
    Player.nVital[VITAL_SIGNING_BONUS] = 66;   // above the inflated 65
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_CAP_CHARGE), 996);
    Player.nVital[VITAL_SIGNING_BONUS] = 60;
    Player.nVital[VITAL_SALARY] = 931;         // above his minimum
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_CAP_CHARGE), 991);
    EXPECT_EQ(Errors_Reported(), 0);

    // A damaged contract neither traps the division nor wraps around:
    // -2,147,483,648 / -1 is held at the int32 top; a negative length divides
    // toward zero (-7 / 2 = -3).
    Player.nVital[VITAL_SIGNING_BONUS] = INT32_MIN;
    Player.nVital[VITAL_CONTRACT_LENGTH] = -1;
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_PRORATED_BONUS), INT32_MAX);
    Player.nVital[VITAL_SALARY] = INT32_MAX;
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_CAP_CHARGE), INT32_MAX);
    Player.nVital[VITAL_SIGNING_BONUS] = -7;
    Player.nVital[VITAL_CONTRACT_LENGTH] = 2;
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, VITAL_PRORATED_BONUS), -3);
}

TEST_F(PlayerVitals, BadCodesAndAddressesAreRefused)
{
    Add_Player(2, 2, 22).nVital[VITAL_POTENTIAL] = 300;
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Get_Player_Vital_Stat(NO_TEAM, 2, VITAL_POTENTIAL), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(2, NO_PLAYER, VITAL_POTENTIAL), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(2, 2, -1), 0);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(41, 2, VITAL_POTENTIAL), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Player_Vital_Stat([41],2,20)"));
    EXPECT_EQ(Get_Player_Vital_Stat(-5, 2, VITAL_POTENTIAL), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Player_Vital_Stat([-5],2,20)"));
    EXPECT_EQ(Get_Player_Vital_Stat(2, 100, VITAL_PEAK_START), 0);
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Get_Player_Vital_Stat(2,[100],21)"));
    EXPECT_EQ(Errors_Reported(), 3);
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    for (int nCode : {26, 99, 103}) {
        EXPECT_EQ(Get_Player_Vital_Stat(2, 2, nCode), 0);
        ASSERT_FALSE(ui::Shown_Boxes().empty());
        EXPECT_EQ(ui::Shown_Boxes().back().Caption, "Get_Player_Vital_Stat(TNUM nTeam, INDEX nSlot, int nStat)");
        EXPECT_EQ(ui::Shown_Boxes().back().Text, "Unrecognized VITAL_STAT: " + std::to_string(nCode));
    }
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(PlayerVitals, SmallReadersOfIdsDraftsAndBytes)
{
    PLAYER& Player = Add_Player(6, 1, 61);
    Player.nVital[VITAL_DRAFTED_BY] = (5 + 1) * 10000 + 2017;
    Player.bStat[2] = 31;
    Player.bStatHigh[15] = 200;   // byte statistic 19
    EXPECT_EQ(Get_Player_ID(6, 1), 61);
    EXPECT_EQ(Get_Player_ID(6, NO_PLAYER), -1);
    EXPECT_EQ(Get_Player_Drafted_By_Team(6, 1), 5);
    EXPECT_EQ(Get_Player_Draft_Year(6, 1), 2017);
    EXPECT_EQ(Get_Player_Drafted_By_Team(6, 2), -1);
    EXPECT_EQ(Get_Player_Byte_Stat(6, 1, 2), 31);
    EXPECT_EQ(Get_Player_Byte_Stat(6, 1, 19), 200);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Player_Byte_Stat(6, 1, 20), 0);
    EXPECT_TRUE(Last_Error_Contains("nStat out of bounds in Get_Player_Byte_Stat(6,1,[20])"));
    EXPECT_EQ(Get_Player_Byte_Stat(6, 1, -1), 0);
    EXPECT_EQ(Get_Player_ID(41, 1), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Player_ID([41],1)"));
    EXPECT_EQ(Errors_Reported(), 3);
}

TEST_F(PlayerVitals, ExactAgeAroundTheBirthdayAndTheNewYear)
{
    PLAYER& Player = Add_Player(2, 0, 20);
    // Week 0 is day 249: September 7th, read as month 8 and day 6 counted
    // from 0, so "today" is 2019-08-06.
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    EXPECT_EQ(Get_Current_Month(), 8);
    Player.nVital[VITAL_BIRTH_DATE] = 19900806;
    EXPECT_EQ(Get_Player_Exact_Age(2, 0), 29);
    Player.nVital[VITAL_BIRTH_DATE] = 19900807;
    EXPECT_EQ(Get_Player_Exact_Age(2, 0), 28);
    EXPECT_EQ(Get_Player_Age(2, 0), 29);

    // Week 17 is day 368: the year rolls over to 2020, day 3 of January.
    Set_User_Preference(PREF_CURRENT_WEEK, 17);
    EXPECT_EQ(Get_Current_Month(), 0);
    Player.nVital[VITAL_BIRTH_DATE] = 20000003;
    EXPECT_EQ(Get_Player_Exact_Age(2, 0), 20);
    Player.nVital[VITAL_BIRTH_DATE] = 20000004;
    EXPECT_EQ(Get_Player_Exact_Age(2, 0), 19);

    // The off-season is day 104: April 15th, read as 2019-03-14.
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    EXPECT_EQ(Get_Current_Month(), 3);
    Player.nVital[VITAL_BIRTH_DATE] = 19900314;
    EXPECT_EQ(Get_Player_Exact_Age(2, 0), 29);
    Player.nVital[VITAL_BIRTH_DATE] = 19900315;
    EXPECT_EQ(Get_Player_Exact_Age(2, 0), 28);
    EXPECT_EQ(Errors_Reported(), 0);

    // A damaged week does not overflow the day: 2,147,483,647 x 7 + 249 is
    // past 365, so the year is 2020; its remainder by 365 is 208 (307 x 7 +
    // 249 = 2,398 = 6 x 365 + 208), July 28th, read as month 6 and day 27.
    Set_User_Preference(PREF_CURRENT_WEEK, INT32_MAX);
    EXPECT_EQ(Get_Current_Month(), 6);
    Player.nVital[VITAL_BIRTH_DATE] = 20000627;
    EXPECT_EQ(Get_Player_Exact_Age(2, 0), 20);
    Player.nVital[VITAL_BIRTH_DATE] = 20000628;
    EXPECT_EQ(Get_Player_Exact_Age(2, 0), 19);
}

TEST_F(PlayerVitals, MissingBirthDateIsRebuiltFromSeasons)
{
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    PLAYER& Player = Add_Player(2, 0, 20);
    Stamp_Season_Line(5, 2017, 0, 0, 16);
    Stamp_Season_Line(6, 2018, 0, 0, 16);
    Player.nSeasonLink[0] = 5;
    Player.nSeasonLink[1] = 6;
    // January 1st of 2019 - 2 seasons - 21 = 1996; (20190806 - 19960101) / 10000 = 23.
    EXPECT_EQ(Get_Player_Exact_Age(2, 0), 23);
    EXPECT_EQ(Player.nVital[VITAL_BIRTH_DATE], 19960101);

    // An empty slot is answered but not written.
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Get_Player_Exact_Age(2, 1), 21);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Get_Player_Exact_Age(2, 100), 0);
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Get_Player_Exact_Age(2,[100])"));
}

TEST_F(PlayerVitals, LoadRepairsOfBirthDatesAndMeasures)
{
    Add_Player(2, 0, 1).nVital[VITAL_BIRTH_DATE] = 18800512;   // 139 years old
    Add_Player(2, 1, 2).nVital[VITAL_BIRTH_DATE] = 20100704;   // 9
    Add_Player(2, 2, 3).nVital[VITAL_BIRTH_DATE] = 19900101;
    Add_Player(2, 3, 4).nVital[VITAL_BIRTH_DATE] = 20020101;   // 17: kept
    Add_Player(HALL_OF_FAME_TEAM, 0, 5).nVital[VITAL_BIRTH_DATE] = 18800512;
    Add_Player(9, 0, 6).nVital[VITAL_BIRTH_DATE] = 18800512;
    Set_Team_Not_In_Use(9);
    Repair_Player_Birth_Dates();
    EXPECT_EQ(League.Team[2].Player[0].nVital[VITAL_BIRTH_DATE], 19970512);
    EXPECT_EQ(League.Team[2].Player[1].nVital[VITAL_BIRTH_DATE], 19970704);
    EXPECT_EQ(League.Team[2].Player[2].nVital[VITAL_BIRTH_DATE], 19900101);
    EXPECT_EQ(League.Team[2].Player[3].nVital[VITAL_BIRTH_DATE], 20020101);
    EXPECT_EQ(League.Team[HALL_OF_FAME_TEAM].Player[0].nVital[VITAL_BIRTH_DATE], 18800512);
    EXPECT_EQ(League.Team[9].Player[0].nVital[VITAL_BIRTH_DATE], 18800512);

    PLAYER& Back = Add_Player(4, 0, 7, POSITION_RB);
    PLAYER& Line = Add_Player(4, 1, 8, POSITION_T);
    Line.nVital[VITAL_HEIGHT] = 80;
    Line.nVital[VITAL_WEIGHT] = 333;
    Fill_Missing_Player_Measures();
    EXPECT_GE(Back.nVital[VITAL_HEIGHT], Get_Average_Player_Height(POSITION_RB) - 2);
    EXPECT_LE(Back.nVital[VITAL_HEIGHT], Get_Average_Player_Height(POSITION_RB) + 2);
    EXPECT_GE(Back.nVital[VITAL_WEIGHT], Get_Average_Player_Weight(POSITION_RB) - 10);
    EXPECT_LE(Back.nVital[VITAL_WEIGHT], Get_Average_Player_Weight(POSITION_RB) + 10);
    EXPECT_EQ(Line.nVital[VITAL_HEIGHT], 80);
    EXPECT_EQ(Line.nVital[VITAL_WEIGHT], 333);
    EXPECT_EQ(League.Team[4].Player[2].nVital[VITAL_HEIGHT], 0);   // empty slot untouched
}

// ---------------------------------------------------------------------------
// Positions

TEST_F(PlayerPositions, ExpandedPositionsTranslate)
{
    const int nBase[NUMBER_OF_EXPANDED_POSITIONS] = {
        0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14,
        4, 4, 4, 4, 4, 4,        // 15-20
        5, 6, 6, 5, 7,           // 21-25
        8, 9, 9, 9, 8,           // 26-30
        10, 10, 10, 10, 10, 10, 10,   // 31-37
        11, 11, 11, 12, 12,      // 38-42
    };
    for (int nCode = 0; nCode < NUMBER_OF_EXPANDED_POSITIONS; ++nCode)
        EXPECT_EQ(Translate_Expanded_Position(nCode), nBase[nCode]) << nCode;
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Translate_Expanded_Position(43), -1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Unhandled Parameter");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Unhandled nExpandedPosition in Translate_Expanded_Position([43])");

    EXPECT_EQ(Get_Position_Unit(25), 1);   // long snapper: a center
    EXPECT_EQ(Get_Position_Unit(41), 2);
    EXPECT_EQ(Get_Position_Unit(13), 3);
    EXPECT_EQ(Get_Position_Unit(43), -1);
    EXPECT_EQ(Get_Position_Unit(-1), -1);
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);   // no box for the unit's own refusal
    EXPECT_EQ(Get_Position_Side(7), 0);
    EXPECT_EQ(Get_Position_Side(8), 1);
    EXPECT_EQ(Get_Position_Side(14), 2);
    EXPECT_EQ(Get_Position_Side(15), -1);
    int nQuotas = 0;
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; ++nPosition)
        nQuotas += Get_Position_Quota(nPosition);
    EXPECT_EQ(nQuotas, 53);
}

TEST_F(PlayerPositions, PlayerUnitsSidesAndNames)
{
    Add_Player(1, 0, 1, POSITION_QB);
    Add_Player(1, 1, 2, POSITION_WR);
    Add_Player(1, 2, 3, POSITION_S);
    Add_Player(1, 3, 4, POSITION_P);
    Add_Player(1, 4, 5, POSITION_ANY);
    EXPECT_EQ(Get_Player_Position_Unit(1, 0), 4);
    EXPECT_EQ(Get_Player_Position_Unit(1, 1), 0);
    EXPECT_EQ(Get_Player_Position_Unit(1, 5), 4);   // an empty record reads as a quarterback
    EXPECT_EQ(Get_Player_Unit(1, 0), 0);
    EXPECT_EQ(Get_Player_Unit(1, 2), 2);
    EXPECT_EQ(Get_Player_Side(1, 3), 2);
    EXPECT_EQ(Is_Player_Back_Or_Receiver(1, 0), 0);
    EXPECT_EQ(Is_Player_Back_Or_Receiver(1, 1), 1);
    EXPECT_EQ(Is_Player_Back_Or_Receiver(1, 2), 1);
    EXPECT_EQ(Is_Player_Back_Or_Receiver(1, 3), 0);

    char szName[8];
    EXPECT_EQ(Get_Player_Position_Name(szName, 1, 0), 0);
    EXPECT_STREQ(szName, "QB");
    EXPECT_EQ(Get_Player_Position_Name(szName, 1, 3), 14);
    EXPECT_STREQ(szName, "P");
    EXPECT_EQ(Get_Player_Position_Name(szName, 1, 4), 15);
    EXPECT_STREQ(szName, "Any");
    League.Team[1].Player[4].nVital[VITAL_POSITION] = 16;
    EXPECT_EQ(Get_Player_Position_Name(szName, 1, 4), 16);
    EXPECT_STREQ(szName, "");
    EXPECT_EQ(Get_Player_Position_Name(nullptr, 0, 1, 1), 4);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Player_Position_Name(szName, 1, 100), -1);
    EXPECT_TRUE(Last_Error_Contains("nSlot out of bounds in Get_Player_Position_Name(1,[100])"));
    EXPECT_EQ(Get_Player_Position_Unit(41, 0), -1);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Player_Position_Unit([41],0)"));
}

TEST_F(PlayerPositions, QuotaCountsTheFirstPlayersOfAPosition)
{
    Add_Player(3, 0, 1, POSITION_QB);
    Add_Player(3, 1, 2, POSITION_K);
    Add_Player(3, 2, 3, POSITION_QB);
    Add_Player(3, 3, 4, POSITION_K);
    Add_Player(3, 5, 5, POSITION_QB);   // after a gap: still counted in slot order
    EXPECT_EQ(Is_Player_Within_Position_Quota(3, 0), 1);
    EXPECT_EQ(Is_Player_Within_Position_Quota(3, 2), 1);
    EXPECT_EQ(Is_Player_Within_Position_Quota(3, 5), 0);
    EXPECT_EQ(Is_Player_Within_Position_Quota(3, 1), 1);
    EXPECT_EQ(Is_Player_Within_Position_Quota(3, 3), 0);
    EXPECT_EQ(Is_Player_Within_Position_Quota(3, 4), 0);   // empty slot
    Add_Player(FREE_AGENT_TEAM, 0, 6, POSITION_QB);
    EXPECT_EQ(Is_Player_Within_Position_Quota(FREE_AGENT_TEAM, 0), 0);
}

}  // namespace

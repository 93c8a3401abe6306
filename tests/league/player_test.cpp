// The player record: refusals, roster operations, names, vital statistics,
// ages, positions and checksums.
#include <cstdint>
#include <string>

#include "league/calendar.h"
#include "league/player_text.h"
#include "league/season_lines.h"
#include "league/player_fixture.h"

namespace {

using PlayerRecord = PlayerTest;
using PlayerRoster = PlayerTest;
using PlayerNames = PlayerTest;
using PlayerVitals = PlayerTest;
using PlayerPositions = PlayerTest;

TEST_F(PlayerRecord, ClearAndCopiesRefuseEachBadAddressWithoutWriting)
{
    Add_Player(1, 0, 10);
    Add_Player(3, 4, 55);
    PLAYER Buffer;
    PLAYER* pBuffer = &Buffer;
    std::memset(&Buffer, 0x5A, sizeof(Buffer));
    Expect_Refused({
        {[] { Clear_Player(41, 4); }, "nTeam out of bounds in Clear_Player(41,4)"},
        {[] { Clear_Player(3, 100); }, "nPlayer out of bounds in Clear_Player(3,100)"},
        {[] { Copy_Player(41, 0, 1, 0); }, "Invalid destination in Copy_Player([41],[0],1,0)"},
        {[] { Copy_Player(2, 100, 1, 0); }, "Invalid destination in Copy_Player([2],[100],1,0)"},
        {[] { Copy_Player(2, 0, 1, 100); }, "Invalid source in Copy_Player(2,0,[1],[100])"},
        {[=] { Copy_Player_From_Memory(41, 0, pBuffer); }, "Invalid destination in Copy_Player_From_Memory([41],[0])"},
        {[] { Copy_Player_From_Memory(1, 0, nullptr); }, "NULL buffer in Copy_Player_From_Memory(1,0)"},
        {[=] { Copy_Player_To_Memory(pBuffer, 1, 100); }, "Invalid source in Copy_Player_To_Memory([1],[100])"},
    });
    EXPECT_EQ(Buffer.nVital[0], 0x5A5A5A5A);

    Copy_Player_To_Memory(&Buffer, 1, 0);
    EXPECT_EQ(std::memcmp(&Buffer, &League.Team[1].Player[0], sizeof(PLAYER)), 0);
    Buffer.nVital[VITAL_PLAYER_ID] = 11;
    Copy_Player_From_Memory(40, 99, &Buffer);
    EXPECT_EQ(League.Team[40].Player[99].nVital[VITAL_PLAYER_ID], 11);
    Copy_Player(36, 5, 1, 0);
    EXPECT_EQ(std::memcmp(&League.Team[36].Player[5], &League.Team[1].Player[0], sizeof(PLAYER)), 0);
}

TEST_F(PlayerRoster, SwapRefusesBadArgumentsMovesReturnersAndForgetsCachedStats)
{
    Add_Player(4, 0, 100);
    Add_Player(4, 1, 101);
    Expect_Refused({
        {[] { Swap_Players(4, 0, 41, 1); }, "Invalid Team in Swap_Players(4,0,41,1)"},
        {[] { Swap_Players(4, 0, 4, 100); }, "Invalid Slot in Swap_Players(4,0,4,100)"},
    });
    League.Team[4].bReturner[0] = 0;   // kick returner in slot 0
    League.Team[4].bReturner[1] = 1;   // punt returner in slot 1
    Swap_Players(4, 0, 4, 1);
    EXPECT_EQ(League.Team[4].Player[0].nVital[VITAL_PLAYER_ID], 101);
    EXPECT_EQ(League.Team[4].Player[1].nVital[VITAL_PLAYER_ID], 100);
    EXPECT_EQ(League.Team[4].bReturner[0], 1);
    EXPECT_EQ(League.Team[4].bReturner[1], 0);
    EXPECT_EQ(Errors_Reported(), 0);

    // Cached predicted statistics belong to slots: a swap or a compaction forgets them.
    int nValue = 0;
    Start_Predicted_Stat_Cache();
    Store_Cached_Predicted_Stat(4, 0, 100, 85);
    ASSERT_EQ(Find_Cached_Predicted_Stat(4, 0, 100, &nValue), 1);
    Swap_Players(4, 0, 4, 1);
    EXPECT_EQ(Find_Cached_Predicted_Stat(4, 0, 100, &nValue), 0);
    Stop_Predicted_Stat_Cache();
}

TEST_F(PlayerRoster, CountAndCompactKeepRostersCompactAndInOrder)
{
    for (int nSlot : {0, 1, 2, 3, 4, 6, 9})
        Add_Player(7, nSlot, 1000 + nSlot);
    EXPECT_EQ(Count_Team_Players(7), 5);
    EXPECT_EQ(Find_Empty_Player_Slot(7), 5);
    Compact_Team_Roster(7);
    EXPECT_EQ(Count_Team_Players(7), 7);
    const int nExpected[8] = {1000, 1001, 1002, 1003, 1004, 1006, 1009, 0};
    for (int nSlot = 0; nSlot < 8; ++nSlot)
        EXPECT_EQ(League.Team[7].Player[nSlot].nVital[VITAL_PLAYER_ID], nExpected[nSlot]);

    // A full roster has no empty slot.
    Expect_Refused({
        {[] { Compact_Team_Roster(41); }, "nTeam out of bounds in Compact_Team_Roster([41])"},
        {[] { Find_Empty_Player_Slot(-1); }, "nTeam out of bounds in Find_Empty_Player_Slot([-1])"},
    });
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot)
        Add_Player(36, nSlot, 5000 + nSlot);
    EXPECT_EQ(Count_Team_Players(36), 100);
    EXPECT_EQ(Find_Empty_Player_Slot(36), -1);
}

TEST_F(PlayerRoster, RemoveErasesLinesOfTheLastHolderAndShiftKeepsThem)
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
    EXPECT_EQ(League.Team[6].bReturner[0], 2);   // the returner moved up with his record
    EXPECT_TRUE(Is_Season_Line_Zero(40));
    EXPECT_EQ(League.Team[6].Player[1].nSeasonLink[0], 41);

    Shift_Roster_Over_Slot(6, 1);
    EXPECT_EQ(Count_Team_Players(6), 2);
    EXPECT_EQ(League.Team[6].Player[1].nVital[VITAL_PLAYER_ID], 603);
    EXPECT_EQ(League.SeasonLines[41][0], 2017);   // kept for the garbage collector
    Expect_Refused({
        {[] { Remove_Player_From_Roster(6, 100); }, "nSlot out of bounds in Remove_Player_From_Roster(6,[100])"},
        {[] { Shift_Roster_Over_Slot(41, 0); }, "nTeam out of bounds in Shift_Roster_Over_Slot([41],0)"},
    });

    // Removing one of two copies keeps the shared history; the last holder takes it.
    Add_Player(3, 0, 300).nSeasonLink[0] = 70;
    Stamp_Season_Line(70, 2017, 0, 0, 15);
    Copy_Player(HALL_OF_FAME_TEAM, 0, 3, 0);
    Remove_Player_From_Roster(3, 0);
    EXPECT_EQ(League.SeasonLines[70][0], 2017);
    EXPECT_EQ(League.Team[HALL_OF_FAME_TEAM].Player[0].nSeasonLink[0], 70);
    Remove_Player_From_Roster(HALL_OF_FAME_TEAM, 0);
    EXPECT_TRUE(Is_Season_Line_Zero(70));
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
    Set_Team_Not_In_Use(5);
    EXPECT_EQ(Get_Player_Checksum(777), 0u);
}

// ---------------------------------------------------------------------------
// Names

TEST_F(PlayerNames, SettersCutLongTextsAndZeroFill)
{
    PLAYER& Player = Add_Player(1, 1, 11);
    std::memset(Player.szFirstName, 'x', sizeof(Player.szFirstName));
    Set_Player_First_Name(1, 1, "Maximilianusz");   // 13 characters
    EXPECT_STREQ(Player.szFirstName, "Maximilianu");
    Set_Player_First_Name(1, 1, "Al");
    for (size_t i = 2; i < sizeof(Player.szFirstName); ++i)
        EXPECT_EQ(Player.szFirstName[i], '\0') << i;
    Set_Player_Last_Name(1, 1, "Abcdefghijklmnopqrstuvwxyz");
    EXPECT_STREQ(Player.szLastName, "Abcdefghijklmnopqrs");
    Set_Player_College(1, 1, "Texas A&M Commerce & Kingsville Tech");
    EXPECT_STREQ(Player.szCollege, "Texas A+M Commerce + Ki");
    EXPECT_EQ(Errors_Reported(), 0);

    // ID texts are read bounded: no terminator in the field.
    std::memset(Player.szCorvelID, 'Q', sizeof(Player.szCorvelID));
    char szText[64];
    Get_Player_Corvel_ID(1, 1, szText);
    EXPECT_EQ(std::string(szText), std::string(11, 'Q'));
    Expect_Refused({
        {[] { Set_Player_Last_Name(41, 1, "Nope"); }, "nTeam out of bounds in Set_Player_Last_Name([41],1)"},
        {[] { Set_Player_First_Name(1, 100, "Nope"); }, "nSlot out of bounds in Set_Player_First_Name(1,[100])"},
        {[] { Set_Player_Last_Name(1, 1, nullptr); }, "NULL szName in Set_Player_Last_Name(1,1,[NULL])"},
        {[] { char sz[8]; Get_Player_College(3, 100, sz); }, "nSlot out of bounds in Get_Player_College(3,[100])"},
    });
}

TEST_F(PlayerNames, FullNamesLongNamesAndBadAddresses)
{
    Add_Player(4, 2, 42);
    Set_Player_First_Name(4, 2, "Giovanni-Sebastiano");
    Set_Player_Last_Name(4, 2, "Moore");
    char szText[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(4, 2, szText);   // a cut long name is shown as stored
    EXPECT_STREQ(szText, "Giovanni-Se Moore");
    Get_Player_Name_Last_First(4, 2, szText);
    EXPECT_STREQ(szText, "Moore, Giovanni-Se");
    char szSmall[8];
    Get_Player_Full_Name(4, 2, szSmall);
    EXPECT_STREQ(szSmall, "Giovann");

    Expect_Refused({
        {[] { char sz[32]; Get_Player_Full_Name(41, 2, sz); EXPECT_STREQ(sz, "INVALID-TEAM"); },
         "Invalid team in Get_Player_Full_Name(41,2,)"},
        {[] { char sz[32]; Get_Player_Full_Name(4, 3, sz); EXPECT_STREQ(sz, "INVALID-PLAYER"); },
         "Invalid player in Get_Player_Full_Name(4,3,)"},
        {[] { char sz[32] = "x"; Get_Player_Last_Name(4, 100, sz); EXPECT_STREQ(sz, ""); },
         "nSlot out of bounds in Get_Player_Last_Name(4,[100])"},
    });
}

// ---------------------------------------------------------------------------
// Vital statistics and ages

TEST_F(PlayerVitals, ComputedContractCodes)
{
    PLAYER& Player = Add_Player(2, 2, 22);
    // A contract of salary, bonus and length; the code read from it.
    auto Read = [&Player](int nSalary, int nBonus, int nLength, int nCode) {
        Player.nVital[VITAL_SALARY] = nSalary;
        Player.nVital[VITAL_SIGNING_BONUS] = nBonus;
        Player.nVital[VITAL_CONTRACT_LENGTH] = nLength;
        return Get_Player_Vital_Stat(2, 2, nCode);
    };
    EXPECT_EQ(Read(5000, 1000, 0, VITAL_PRORATED_BONUS), 0);
    EXPECT_EQ(Read(5000, 1000, 3, VITAL_CAP_CHARGE), 5333);
    // 5,333 x 55,000,000 / 110,000,000 = 2,666.5, rounded away from zero.
    League.Universe.nStat[SALARY_CAP] = 110000000;
    EXPECT_EQ(Read(5000, 1000, 3, VITAL_SCALED_CAP_CHARGE), 2667);
    // A one-year minimum contract of an eight-season veteran in 2019 (minimum
    // 930) with a bonus of 60 is charged the two-season minimum, 645.
    Player.nVital[VITAL_SEASONS_PLAYED] = 8;
    EXPECT_EQ(Read(930, 60, 1, VITAL_CAP_CHARGE), 645);
    EXPECT_EQ(Read(931, 60, 1, VITAL_CAP_CHARGE), 991);   // above his minimum
    // A damaged contract neither traps nor wraps: INT32_MIN / -1 is held at the
    // top; a negative bonus divides toward zero.
    EXPECT_EQ(Read(0, INT32_MIN, -1, VITAL_PRORATED_BONUS), INT32_MAX);
    EXPECT_EQ(Read(INT32_MAX, INT32_MIN, -1, VITAL_CAP_CHARGE), INT32_MAX);
    EXPECT_EQ(Read(0, -7, 2, VITAL_PRORATED_BONUS), -3);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerVitals, BadCodesAndAddressesAreRefused)
{
    Add_Player(6, 1, 61);
    Expect_Refused({
        {[] { EXPECT_EQ(Get_Player_Vital_Stat(NO_TEAM, 1, VITAL_POTENTIAL), 0); }, nullptr},
        {[] { EXPECT_EQ(Get_Player_Vital_Stat(6, 1, -1), 0); }, nullptr},
        {[] { EXPECT_EQ(Get_Player_Vital_Stat(41, 2, 20), 0); }, "nTeam out of bounds in Get_Player_Vital_Stat([41],2,20)"},
        {[] { EXPECT_EQ(Get_Player_Vital_Stat(2, 100, 21), 0); }, "nSlot out of bounds in Get_Player_Vital_Stat(2,[100],21)"},
        {[] { EXPECT_EQ(Get_Player_Byte_Stat(6, 1, 20), 0); }, "nStat out of bounds in Get_Player_Byte_Stat(6,1,[20])"},
        {[] { EXPECT_EQ(Get_Player_ID(41, 1), 0); }, "nTeam out of bounds in Get_Player_ID([41],1)"},
    });
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Get_Player_Vital_Stat(6, 1, 99), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Get_Player_Vital_Stat(TNUM nTeam, INDEX nSlot, int nStat)");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Unrecognized VITAL_STAT: 99");
}

TEST_F(PlayerVitals, ExactAgeAroundTheBirthdayAndTheNewYear)
{
    PLAYER& Player = Add_Player(2, 0, 20);
    // Week, month of "today" (from 0), and the birth dates one day apart.
    struct CASE {
        int nWeek, nMonth, nBorn, nAge;
    } Cases[] = {
        {0, 8, 19900806, 29}, {0, 8, 19900807, 28},            // day 249: 2019-08-06
        {17, 0, 20000003, 20}, {17, 0, 20000004, 19},          // day 368: 2020-00-03
        // A damaged week does not overflow the day: 2020, day 208, 07-27 from 0.
        {INT32_MAX, 6, 20000627, 20}, {INT32_MAX, 6, 20000628, 19},
    };
    for (const CASE& Case : Cases) {
        Set_User_Preference(PREF_CURRENT_WEEK, Case.nWeek);
        EXPECT_EQ(Get_Current_Month(), Case.nMonth) << Case.nWeek;
        Player.nVital[VITAL_BIRTH_DATE] = Case.nBorn;
        EXPECT_EQ(Get_Player_Exact_Age(2, 0), Case.nAge) << Case.nBorn;
    }
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    EXPECT_EQ(Get_Player_Age(2, 0), 19);   // by years alone: 2019 - 2000
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayerVitals, MissingBirthDateIsRebuiltFromSeasons)
{
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    PLAYER& Player = Add_Player(2, 0, 20);
    Stamp_Season_Line(5, 2017, 0, 0, 16);
    Stamp_Season_Line(6, 2018, 0, 0, 16);
    Player.nSeasonLink[0] = 5;
    Player.nSeasonLink[1] = 6;
    // January 1st of 2019 - 2 seasons - 21 = 1996; age 23.
    EXPECT_EQ(Get_Player_Exact_Age(2, 0), 23);
    EXPECT_EQ(Player.nVital[VITAL_BIRTH_DATE], 19960101);
    Expect_Refused({
        {[] { EXPECT_EQ(Get_Player_Exact_Age(2, 1), 21); }, nullptr},   // an empty slot: answered, not written
        {[] { EXPECT_EQ(Get_Player_Exact_Age(2, 100), 0); }, "nSlot out of bounds in Get_Player_Exact_Age(2,[100])"},
    });
}

TEST_F(PlayerVitals, LoadRepairOfBirthDates)
{
    Add_Player(2, 0, 1).nVital[VITAL_BIRTH_DATE] = 18800512;   // 139 years old
    Add_Player(2, 1, 2).nVital[VITAL_BIRTH_DATE] = 20100704;   // 9
    Add_Player(HALL_OF_FAME_TEAM, 0, 5).nVital[VITAL_BIRTH_DATE] = 18800512;
    Repair_Player_Birth_Dates();
    EXPECT_EQ(League.Team[2].Player[0].nVital[VITAL_BIRTH_DATE], 19970512);
    EXPECT_EQ(League.Team[2].Player[1].nVital[VITAL_BIRTH_DATE], 19970704);
    EXPECT_EQ(League.Team[HALL_OF_FAME_TEAM].Player[0].nVital[VITAL_BIRTH_DATE], 18800512);
}

// ---------------------------------------------------------------------------
// Positions

TEST_F(PlayerPositions, ExpandedPositionsAndRefusals)
{
    EXPECT_EQ(Translate_Expanded_Position(30), 8);
    EXPECT_EQ(Get_Position_Unit(25), 1);   // long snapper: a center
    EXPECT_EQ(Get_Position_Unit(43), -1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());   // no box for the unit's own refusal
    EXPECT_EQ(Translate_Expanded_Position(43), -1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Unhandled Parameter");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Unhandled nExpandedPosition in Translate_Expanded_Position([43])");
}

TEST_F(PlayerPositions, PlayerUnitsNamesAndQuotas)
{
    const int nPositions[] = {POSITION_QB, POSITION_K, POSITION_QB, POSITION_K, POSITION_ANY, POSITION_QB};
    for (int nSlot = 0; nSlot < 6; ++nSlot)
        Add_Player(3, nSlot, nSlot + 1, nPositions[nSlot]);
    Clear_Player(3, 4);   // a gap: still counted in slot order
    EXPECT_EQ(Get_Player_Position_Unit(3, 0), 4);
    EXPECT_EQ(Get_Player_Position_Unit(3, 4), 4);   // an empty record reads as a quarterback
    const int nWithin[] = {1, 1, 1, 0, 0, 0};
    for (int nSlot = 0; nSlot < 6; ++nSlot)
        EXPECT_EQ(Is_Player_Within_Position_Quota(3, nSlot), nWithin[nSlot]) << nSlot;
    Add_Player(3, 4, 5);
    Expect_Refused({
        {[] { char sz[8]; EXPECT_EQ(Get_Player_Position_Name(sz, 1, 100), -1); },
         "nSlot out of bounds in Get_Player_Position_Name(1,[100])"},
        {[] { EXPECT_EQ(Get_Player_Position_Unit(41, 0), -1); }, "nTeam out of bounds in Get_Player_Position_Unit([41],0)"},
    });
}

}  // namespace

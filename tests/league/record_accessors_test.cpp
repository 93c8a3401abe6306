// The accessors the subsystems outside the league records write and read
// through: a player's vital statistics, the stored
// financial stats, the game path and the season bookkeeping area.
#include <cstring>
#include <string>

#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "test_support.h"

namespace {

class RecordAccessorsTest : public LeagueTest {};

TEST_F(RecordAccessorsTest, VitalStatIsStoredAndSeasonsPlayedKeptAtThirty)
{
    Set_Player_Vital_Stat(40, 99, VITAL_SALARY, -7);
    EXPECT_EQ(League.Team[40].Player[99].nVital[VITAL_SALARY], -7);
    Set_Player_Vital_Stat(0, 0, VITAL_SEASONS_PLAYED, 31);
    EXPECT_EQ(League.Team[0].Player[0].nVital[VITAL_SEASONS_PLAYED], 30);
    Set_Player_Vital_Stat(0, 0, VITAL_SEASONS_PLAYED, 30);
    EXPECT_EQ(League.Team[0].Player[0].nVital[VITAL_SEASONS_PLAYED], 30);
    Set_Player_Vital_Stat(0, 0, VITAL_CONTRACT_LENGTH, 31);   // only code 8 is held
    EXPECT_EQ(League.Team[0].Player[0].nVital[VITAL_CONTRACT_LENGTH], 31);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(RecordAccessorsTest, VitalStatRefusals)
{
    static const REFUSAL_CASE Cases[] = {
        {[] { Set_Player_Vital_Stat(41, 0, 1, 5); return 0; }, 0, "nTeam out of bounds in Set_Player_Vital_Stat([41],0,1,5)"},
        {[] { Set_Player_Vital_Stat(-1, 0, 1, 5); return 0; }, 0, "nTeam out of bounds in Set_Player_Vital_Stat([-1],0,1,5)"},
        {[] { Set_Player_Vital_Stat(0, 100, 1, 5); return 0; }, 0, "nSlot out of bounds in Set_Player_Vital_Stat(0,[100],1,5)"},
        {[] { Set_Player_Vital_Stat(0, 0, 26, 5); return 0; }, 0, "nCode out of bounds in Set_Player_Vital_Stat(0,0,[26],5)"},
        {[] { Set_Player_Vital_Stat(0, 0, -1, 5); return 0; }, 0, "nCode out of bounds in Set_Player_Vital_Stat(0,0,[-1],5)"},
    };
    Expect_Refusals(Cases);
}

TEST_F(RecordAccessorsTest, StoredFinancialStatIgnoresOwnerMode)
{
    League.Preferences.nInt[PREF_OWNER_MODE] = 0;
    League.Team[5].nFinancialStat[FINANCE_CASH] = -12345;
    League.Team[40].nFinancialStat[FINANCIAL_STAT_COUNT - 1] = 77;
    EXPECT_EQ(Get_Team_Stored_Financial_Stat(5, FINANCE_CASH), -12345);
    EXPECT_NE(Get_Team_Financial_Stat(5, FINANCE_CASH), -12345);   // the league standard without owner mode
    EXPECT_EQ(Get_Team_Stored_Financial_Stat(40, FINANCIAL_STAT_COUNT - 1), 77);
    EXPECT_EQ(Errors_Reported(), 0);

    static const REFUSAL_CASE Cases[] = {
        {[] { return Get_Team_Stored_Financial_Stat(41, 0); }, 0, "nTeam out of bounds in Get_Team_Stored_Financial_Stat([41],0)"},
        {[] { return Get_Team_Stored_Financial_Stat(0, 80); }, 0, "nStat out of bounds in Get_Team_Stored_Financial_Stat(0,[80])"},
        {[] { return Get_Team_Stored_Financial_Stat(0, -1); }, 0, "nStat out of bounds"},
    };
    Expect_Refusals(Cases);
}

TEST_F(RecordAccessorsTest, GamePathIsCutToTheBuffer)
{
    std::strcpy(League.szCurrentGamePath, "Saved/League");
    char szShort[7];
    std::memset(szShort, 'x', sizeof(szShort));
    Get_League_Game_Path(szShort, sizeof(szShort));
    EXPECT_STREQ(szShort, "Saved/");
    char szLong[300];
    std::memset(League.szCurrentGamePath, 'p', sizeof(League.szCurrentGamePath));   // no terminator stored
    Get_League_Game_Path(szLong, sizeof(szLong));
    EXPECT_EQ(std::string(szLong), std::string(sizeof(League.szCurrentGamePath), 'p'));
    Get_League_Game_Path(nullptr, 5);   // ignored
}

TEST_F(RecordAccessorsTest, GamePathAndNotesAreStoredCutAndZeroFilled)
{
    std::memset(League.szCurrentGamePath, 'q', sizeof(League.szCurrentGamePath));
    Set_League_Game_Path("Saved/Demo");
    EXPECT_STREQ(League.szCurrentGamePath, "Saved/Demo");
    EXPECT_EQ(League.szCurrentGamePath[sizeof(League.szCurrentGamePath) - 1], '\0');   // the old text is gone
    // 300 letters into 256 bytes: 255 kept and the terminator.
    const std::string Long(300, 'n');
    Set_Database_Notes("old notes");
    Set_League_Game_Path(Long.c_str());
    EXPECT_EQ(std::string(League.szCurrentGamePath), std::string(255, 'n'));
    EXPECT_STREQ(League.szDatabaseNotes, "old notes");   // beside it, untouched
    Set_League_Game_Path(nullptr);
    EXPECT_STREQ(League.szCurrentGamePath, "");
    const std::string Notes(600, 'z');
    Set_Database_Notes(Notes.c_str());
    EXPECT_EQ(std::string(League.szDatabaseNotes), std::string(511, 'z'));
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(RecordAccessorsTest, StoredVitalStatAndLastNameAreReadAsTheyAre)
{
    // Potential 251 and a peak start after the peak end are what
    // Get_Player_Vital_Stat repairs; the stored reading leaves them.
    League.Team[3].Player[4].nVital[VITAL_POTENTIAL] = 251;
    League.Team[3].Player[4].nVital[VITAL_PEAK_START] = 31;
    League.Team[3].Player[4].nVital[VITAL_PEAK_END] = 28;
    EXPECT_EQ(Get_Player_Stored_Vital_Stat(3, 4, VITAL_POTENTIAL), 251);
    EXPECT_EQ(Get_Player_Stored_Vital_Stat(3, 4, VITAL_PEAK_START), 31);
    EXPECT_EQ(League.Team[3].Player[4].nVital[VITAL_POTENTIAL], 251);
    EXPECT_EQ(League.Team[3].Player[4].nVital[VITAL_PEAK_START], 31);
    EXPECT_EQ(Get_Player_Vital_Stat(3, 4, VITAL_PEAK_START), 28);   // the repairing reader, for contrast

    EXPECT_FALSE(Has_Player_Last_Name(3, 4));
    std::strcpy(League.Team[3].Player[4].szLastName, "Ng");
    EXPECT_TRUE(Has_Player_Last_Name(3, 4));
    EXPECT_EQ(Errors_Reported(), 0);

    static const REFUSAL_CASE Cases[] = {
        {[] { return Get_Player_Stored_Vital_Stat(41, 0, 1); }, 0, "nTeam out of bounds in Get_Player_Stored_Vital_Stat([41],0)"},
        {[] { return Get_Player_Stored_Vital_Stat(0, 100, 1); }, 0, "nSlot out of bounds in Get_Player_Stored_Vital_Stat(0,[100])"},
        {[] { return Get_Player_Stored_Vital_Stat(0, 0, 26); }, 0, "nCode out of bounds in Get_Player_Stored_Vital_Stat(0,0,[26])"},
        {[] { return static_cast<int>(Has_Player_Last_Name(-1, 0)); }, 0, "nTeam out of bounds in Has_Player_Last_Name([-1],0)"},
    };
    Expect_Refusals(Cases);
}

TEST_F(RecordAccessorsTest, BookkeepingBytesStayInsideTheArea)
{
    const unsigned char Data[2] = {0xAB, 0xCD};
    Set_Season_Bookkeeping_Bytes(SEASON_BOOKKEEPING_SIZE - 2, Data, 2);
    EXPECT_EQ(League.SeasonBookkeeping[SEASON_BOOKKEEPING_SIZE - 2], 0xAB);
    EXPECT_EQ(League.SeasonBookkeeping[SEASON_BOOKKEEPING_SIZE - 1], 0xCD);
    EXPECT_EQ(Errors_Reported(), 0);

    static const REFUSAL_CASE Cases[] = {
        {[] { const unsigned char b[2] = {1, 2}; Set_Season_Bookkeeping_Bytes(SEASON_BOOKKEEPING_SIZE - 1, b, 2); return 0; }, 0, "bytes out of bounds in Set_Season_Bookkeeping_Bytes"},
        {[] { const unsigned char b = 1; Set_Season_Bookkeeping_Bytes(SEASON_BOOKKEEPING_SIZE + 1, &b, 0); return 0; }, 0, "bytes out of bounds"},
        {[] { Set_Season_Bookkeeping_Bytes(0, nullptr, 1); return 0; }, 0, "pData null in Set_Season_Bookkeeping_Bytes"},
    };
    Expect_Refusals(Cases);
}

}  // namespace

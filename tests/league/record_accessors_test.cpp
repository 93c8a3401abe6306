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

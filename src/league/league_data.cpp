#include "league/league_data.h"

#include <cstring>

#include "league/league_structure.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "platform/errors.h"

LEAGUE_DATA League;

void Zero_League_Data()
{
    std::memset(&League, 0, sizeof(League));
}

std::vector<uint8_t> Copy_League_Block()
{
    const uint8_t* pBytes = reinterpret_cast<const uint8_t*>(&League);
    return std::vector<uint8_t>(pBytes, pBytes + sizeof(League));
}

void Restore_League_Block(const std::vector<uint8_t>& Block)
{
    if (Block.size() != sizeof(League)) {
        Report_Error("Restore_League_Block() refused a copy of %zu bytes", Block.size());
        return;
    }
    std::memcpy(&League, Block.data(), sizeof(League));
    Forget_Season_Line_Allocator();
}

static bool Is_Universe_Word_Offset(int nOffset)
{
    return nOffset >= UNIVERSE_WORD_OFFSET && nOffset < UNIVERSE_STAT_OFFSET && (nOffset % 2) == 0;
}

int Get_Universe_Word(int nOffset)
{
    if (!Is_Universe_Word_Offset(nOffset)) {
        Report_Error("nOffset out of bounds in %s([%d])", __func__, nOffset);
        return 0;
    }
    return League.Universe.nWord[(nOffset - UNIVERSE_WORD_OFFSET) / 2];
}

void Set_Universe_Word(int nOffset, int nValue)
{
    if (!Is_Universe_Word_Offset(nOffset)) {
        Report_Error("nOffset out of bounds in %s([%d],%d)", __func__, nOffset, nValue);
        return;
    }
    League.Universe.nWord[(nOffset - UNIVERSE_WORD_OFFSET) / 2] = static_cast<int16_t>(nValue);
}

void Clear_League_Data()
{
    Zero_League_Data();
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        for (int nStat = TEAM_STAT_DIVISION; nStat <= TEAM_STAT_CITY; ++nStat)
            League.Team[t].nTeamStat[nStat] = -1;
}

int Get_Universe_Stat(int nIndex)
{
    if (nIndex < 0 || nIndex >= UNIVERSE_STAT_COUNT) {
        Report_Error("nIndex out of bounds in %s([%d])", __func__, nIndex);
        return 0;
    }
    return League.Universe.nStat[nIndex];
}

void Set_Universe_Stat(int nIndex, int nValue)
{
    if (nIndex < 0 || nIndex >= UNIVERSE_STAT_COUNT) {
        Report_Error("nIndex out of bounds in %s([%d],%d)", __func__, nIndex, nValue);
        return;
    }
    if (nIndex == WILD_CARD_TEAMS && nValue > MAX_WILD_CARD_TEAMS)
        Report_Error("nValue too high in %s(WILD_CARD_TEAMS, %d)", __func__, nValue);
    League.Universe.nStat[nIndex] = nValue;
}

void Get_League_Game_Path(char* szOut, size_t nOutSize)
{
    if (szOut == nullptr || nOutSize == 0)
        return;
    size_t n = ::strnlen(League.szCurrentGamePath, sizeof(League.szCurrentGamePath));
    if (n > nOutSize - 1)
        n = nOutSize - 1;
    std::memcpy(szOut, League.szCurrentGamePath, n);
    szOut[n] = '\0';
}

// The field zero-filled, then the text cut to leave its terminator.
template <size_t N> static void Store_Field(char (&szField)[N], const char* szText)
{
    std::memset(szField, 0, N);
    if (szText != nullptr)
        std::memcpy(szField, szText, ::strnlen(szText, N - 1));
}

void Set_League_Game_Path(const char* szPath)
{
    Store_Field(League.szCurrentGamePath, szPath);
}

void Set_Database_Notes(const char* szText)
{
    Store_Field(League.szDatabaseNotes, szText);
}

void Set_Season_Bookkeeping_Bytes(size_t nOffset, const void* pData, size_t nSize)
{
    if (nOffset > SEASON_BOOKKEEPING_SIZE || nSize > SEASON_BOOKKEEPING_SIZE - nOffset) {
        Report_Error("bytes out of bounds in %s([%zu],%p,[%zu])", __func__, nOffset, pData, nSize);
        return;
    }
    if (pData == nullptr) {
        Report_Error("pData null in %s(%zu,null,%zu)", __func__, nOffset, nSize);
        return;
    }
    std::memcpy(League.SeasonBookkeeping + nOffset, pData, nSize);
}

void Get_Season_Bookkeeping_Bytes(size_t nOffset, void* pOut, size_t nSize)
{
    if (nOffset > SEASON_BOOKKEEPING_SIZE || nSize > SEASON_BOOKKEEPING_SIZE - nOffset) {
        Report_Error("bytes out of bounds in %s([%zu],%p,[%zu])", __func__, nOffset, pOut, nSize);
        return;
    }
    if (pOut == nullptr) {
        Report_Error("pOut null in %s(%zu,null,%zu)", __func__, nOffset, nSize);
        return;
    }
    std::memcpy(pOut, League.SeasonBookkeeping + nOffset, nSize);
}

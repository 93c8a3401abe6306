
#include "season/draft_state.h"

#include <cstdint>
#include <cstring>

#include "frontoffice/college_count.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "platform/errors.h"

namespace {

// Weeks of the playoffs after the regular season (wild-card round to final).
constexpr int PLAYOFF_WEEK_COUNT = 6;

constexpr size_t TALENT_OFFSET = DRAFT_TABLES_BOOKKEEPING_OFFSET;
constexpr size_t STRATEGY_OFFSET = TALENT_OFFSET + 96;
constexpr size_t RESULT_OFFSET = STRATEGY_OFFSET + 32;
constexpr size_t DRAFT_TABLES_END = RESULT_OFFSET + sizeof(int32_t) * DRAFT_RESULT_WORDS;
static_assert(TALENT_OFFSET + sizeof(int16_t) * DRAFT_TALENT_COLUMNS * DRAFT_TABLE_POSITIONS <= STRATEGY_OFFSET);
static_assert(STRATEGY_OFFSET + sizeof(int16_t) * DRAFT_TABLE_POSITIONS <= RESULT_OFFSET);
static_assert(DRAFT_TABLES_END <= SEASON_BOOKKEEPING_SIZE);

int16_t Clamp_To_Int16(int nValue)
{
    if (nValue > INT16_MAX)
        return INT16_MAX;
    if (nValue < INT16_MIN)
        return INT16_MIN;
    return static_cast<int16_t>(nValue);
}

template <typename T> T Read_At(size_t nOffset)
{
    T Value;
    Get_Season_Bookkeeping_Bytes(nOffset, &Value, sizeof(Value));
    return Value;
}

bool Check_Position(const char* szFunction, int nPosition)
{
    if (nPosition >= 0 && nPosition < DRAFT_TABLE_POSITIONS)
        return true;
    Report_Error("nPosition out of bounds in %s([%d])", szFunction, nPosition);
    return false;
}

}  // namespace

bool Is_College_Draft_Running()
{
    if (Get_User_Preference(PREF_DRAFT_ROUND) >= DRAFT_OVER_ROUND)
        return false;
    return Count_College_Players() > 0;
}

bool Is_College_Draft_Pending()
{
    return Get_Current_Week() == OFFSEASON_WEEK && Get_User_Preference(PREF_DRAFT_ROUND) >= DRAFT_OVER_ROUND &&
           Count_College_Players() > 0;
}

int Get_Draft_Talent(int nColumn, int nPosition)
{
    if (nColumn < 0 || nColumn >= DRAFT_TALENT_COLUMNS || nPosition < 0 || nPosition >= DRAFT_TABLE_POSITIONS)
        return 0;
    return Read_At<int16_t>(TALENT_OFFSET + sizeof(int16_t) * (nColumn * DRAFT_TABLE_POSITIONS + nPosition));
}

void Set_Draft_Talent(int nColumn, int nPosition, int nValue)
{
    if (nColumn < 0 || nColumn >= DRAFT_TALENT_COLUMNS) {
        Report_Error("nColumn out of bounds in %s([%d],%d,%d)", __func__, nColumn, nPosition, nValue);
        return;
    }
    if (!Check_Position(__func__, nPosition))
        return;
    const int16_t n = Clamp_To_Int16(nValue);
    Set_Season_Bookkeeping_Bytes(TALENT_OFFSET + sizeof(int16_t) * (nColumn * DRAFT_TABLE_POSITIONS + nPosition), &n,
                                 sizeof(n));
}

int Get_Draft_Strategy(int nPosition)
{
    if (nPosition < 0 || nPosition >= DRAFT_TABLE_POSITIONS)
        return 0;
    return Read_At<int16_t>(STRATEGY_OFFSET + sizeof(int16_t) * nPosition);
}

void Set_Draft_Strategy(int nPosition, int nValue)
{
    if (!Check_Position(__func__, nPosition))
        return;
    const int16_t n = Clamp_To_Int16(nValue);
    Set_Season_Bookkeeping_Bytes(STRATEGY_OFFSET + sizeof(int16_t) * nPosition, &n, sizeof(n));
}

int Get_Draft_Result_Word(int nIndex)
{
    if (nIndex < 0 || nIndex >= DRAFT_RESULT_WORDS)
        return 0;
    return Read_At<int32_t>(RESULT_OFFSET + sizeof(int32_t) * nIndex);
}

void Set_Draft_Result_Word(int nIndex, int nValue)
{
    if (nIndex < 0 || nIndex >= DRAFT_RESULT_WORDS) {
        Report_Error("nIndex out of bounds in %s([%d],%d)", __func__, nIndex, nValue);
        return;
    }
    const int32_t n = nValue;
    Set_Season_Bookkeeping_Bytes(RESULT_OFFSET + sizeof(int32_t) * nIndex, &n, sizeof(n));
}

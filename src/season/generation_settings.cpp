// The settings that shape generated players.
#include "season/generation_settings.h"

#include <cstdint>
#include <cstring>

#include "league/league_data.h"
#include "league/league_norms.h"
#include "season/fantasy_draft.h"

static_assert(DRAFT_TALENT_OFFSET >= LEAGUE_NORMS_OFFSET + LEAGUE_NORM_COUNT * sizeof(int16_t));
static_assert(DRAFT_TALENT_OFFSET >= FANTASY_DRAFT_STATE_OFFSET + FANTASY_DRAFT_STATE_SIZE);
static_assert(DRAFT_TALENT_OFFSET + DRAFT_TALENT_COLUMNS * NUMBER_OF_POSITIONS * sizeof(int16_t) <=
              SEASON_BOOKKEEPING_SIZE);

namespace {

size_t Talent_Offset(int nPosition, int nColumn)
{
    return DRAFT_TALENT_OFFSET + ((nColumn - 1) * NUMBER_OF_POSITIONS + nPosition) * sizeof(int16_t);
}

bool Is_Talent_Cell(int nPosition, int nColumn)
{
    return nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS && nColumn >= 1 && nColumn <= DRAFT_TALENT_COLUMNS;
}

}  // namespace

int Get_Draft_Talent(int nPosition, int nColumn)
{
    if (!Is_Talent_Cell(nPosition, nColumn))
        return 0;
    int16_t nValue;
    std::memcpy(&nValue, League.SeasonBookkeeping + Talent_Offset(nPosition, nColumn), sizeof(nValue));
    return nValue;
}

void Set_Draft_Talent(int nPosition, int nColumn, int nValue)
{
    if (!Is_Talent_Cell(nPosition, nColumn))
        return;
    // Saturate rather than wrap: a huge value in the input file stays huge.
    if (nValue > INT16_MAX)
        nValue = INT16_MAX;
    if (nValue < INT16_MIN)
        nValue = INT16_MIN;
    const int16_t nStored = static_cast<int16_t>(nValue);
    Set_Season_Bookkeeping_Bytes(Talent_Offset(nPosition, nColumn), &nStored, sizeof(nStored));
}

int Get_Draft_Talent_Setting()
{
    return Get_Universe_Stat(DRAFT_TALENT_SETTING_STAT);
}

void Set_Draft_Talent_Setting(int nValue)
{
    Set_Universe_Stat(DRAFT_TALENT_SETTING_STAT, nValue);
}

bool Is_Fixed_Development_On()
{
    return Get_Universe_Word(FIXED_DEVELOPMENT_WORD) != 0;
}

void Set_Fixed_Development(bool bOn)
{
    Set_Universe_Word(FIXED_DEVELOPMENT_WORD, bOn ? 1 : 0);
}

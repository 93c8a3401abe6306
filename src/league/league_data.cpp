#include "league/league_data.h"

#include <cstring>

#include "platform/errors.h"

LEAGUE_DATA League;

void Zero_League_Data()
{
    std::memset(&League, 0, sizeof(League));
}

static bool Is_Universe_Word_Offset(int nOffset)
{
    return nOffset >= UNIVERSE_WORD_OFFSET && nOffset < UNIVERSE_STAT_OFFSET && (nOffset % 2) == 0;
}

int Get_Universe_Word(int nOffset)
{
    if (!Is_Universe_Word_Offset(nOffset)) {
        Report_Error("nOffset out of bounds in Get_Universe_Word([%d])", nOffset);
        return 0;
    }
    return League.Universe.nWord[(nOffset - UNIVERSE_WORD_OFFSET) / 2];
}

void Set_Universe_Word(int nOffset, int nValue)
{
    if (!Is_Universe_Word_Offset(nOffset)) {
        Report_Error("nOffset out of bounds in Set_Universe_Word([%d],%d)", nOffset, nValue);
        return;
    }
    League.Universe.nWord[(nOffset - UNIVERSE_WORD_OFFSET) / 2] = static_cast<int16_t>(nValue);
}

// Lookups in the historical league averages.

#include "league/historical.h"

#include <cstdint>

#include "league/league_structure.h"
#include "league/preferences.h"
#include "platform/errors.h"
#include "platform/ui.h"

namespace {

constexpr int DERIVED_YARDS_PER_RECEPTION = 113;   // from 109, per 10
constexpr int YARDS_PER_COMPLETION = 109;

int Find_Table(int nStat)
{
    for (int t = 0; t < HISTORICAL_TABLE_COUNT; t++)
        if (HISTORICAL_STAT_CODES[t] == nStat)
            return t;
    return -1;
}

// Year to table index, held within the table (no overflow for any year).
int Year_Index(long long nYear)
{
    long long i = nYear - HISTORICAL_FIRST_YEAR;
    if (i < 0)
        return 0;
    if (i > HISTORICAL_YEARS - 1)
        return HISTORICAL_YEARS - 1;
    return static_cast<int>(i);
}

void Report_Unhandled_Code()
{
    // A box in the middle of a simulation run would stop it: then the log.
    const char* szText = "Unhandled nStat in int Get_Historical_Average_Stat()";
    if (Get_User_Preference(PREF_SIMULATION_RUNNING) != 0)
        Report_Error("%s", szText);
    else
        Show_Formatted_Message("Code Error", "%s", szText);
}

int Two_Year_Mean(int nTable, int nYear)
{
    const int* pnRow = HISTORICAL_AVERAGES[nTable];
    return (pnRow[Year_Index(nYear)] + pnRow[Year_Index(static_cast<long long>(nYear) - 1)]) / 2;
}

}  // namespace

bool Is_Historical_Stat_Code(int nStat)
{
    return nStat == DERIVED_YARDS_PER_RECEPTION || Find_Table(nStat) >= 0;
}

int Get_Historical_Average_Stat(int nStat, int nYear)
{
    if (nStat == DERIVED_YARDS_PER_RECEPTION)
        return Two_Year_Mean(Find_Table(YARDS_PER_COMPLETION), nYear) / 10;
    int nTable = Find_Table(nStat);
    if (nTable < 0) {
        Report_Unhandled_Code();
        return 0;
    }
    return Two_Year_Mean(nTable, nYear);
}

int Get_Current_Average_Stat(int nStat)
{
    // One complaint for an unknown code, not one per year asked.
    if (!Is_Historical_Stat_Code(nStat)) {
        Report_Unhandled_Code();
        return 0;
    }
    int nYear = Get_Current_Year();
    int nBefore = nYear > INT32_MIN ? nYear - 1 : nYear;   // any year before 1951 reads 1950
    return (Get_Historical_Average_Stat(nStat, nBefore) + Get_Historical_Average_Stat(nStat, nYear)) / 2;
}

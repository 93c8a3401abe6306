// League-wide per-season totals and "HistoricalStats.txt".
#include "tools/historical_stats.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "league/league_data.h"
#include "league/player.h"
#include "league/season_lines.h"
#include "platform/files.h"
#include "platform/ui.h"

namespace {

constexpr int YEARS = HISTORICAL_TOTALS_LAST_YEAR - HISTORICAL_TOTALS_FIRST_YEAR + 1;   // 74
int64_t g_nTotals[HISTORICAL_TOTAL_COUNT][YEARS];

void Add(int nTotal, int nYear, int64_t nValue)
{
    g_nTotals[nTotal][nYear - HISTORICAL_TOTALS_FIRST_YEAR] += nValue;
}

// a x k / b rounded to nearest (half the divisor added, the floor taken); 0
// for a divisor of 0.
int64_t Ratio(int64_t a, int64_t k, int64_t b)
{
    if (b == 0)
        return 0;
    const __int128 n = static_cast<__int128>(a) * k + b / 2;
    __int128 q = n / b;
    if ((n % b != 0) && ((n < 0) != (b < 0)))
        --q;
    return static_cast<int64_t>(q);
}

int64_t T(int nTotal, int nYear)
{
    return Get_Historical_Total(nTotal, nYear);
}

struct SECTION {
    const char* szTitle;
    int64_t (*pFigure)(int nYear);
};

const SECTION SECTIONS[HISTORICAL_SECTION_COUNT] = {
    {"\nPASS_YARDS per team\n", [](int y) { return T(HISTORICAL_PASS_YARDS, y) / Get_League_Size_For_Year(y); }},
    {"\nRUSH_YARDS per team\n", [](int y) { return T(HISTORICAL_RUSH_YARDS, y) / Get_League_Size_For_Year(y); }},
    {"\nPASS_YARDS divided by RUSH_YARDS\n",
     [](int y) { return Ratio(T(HISTORICAL_PASS_YARDS, y), 1000, T(HISTORICAL_RUSH_YARDS, y)); }},
    {"\nYARDS_PER_RUSH\n", [](int y) { return Ratio(T(HISTORICAL_RUSH_YARDS, y), 100, T(HISTORICAL_RUSH_ATTEMPTS, y)); }},
    {"\nYARDS_PER_COMPLETION\n",
     [](int y) { return Ratio(T(HISTORICAL_PASS_YARDS, y), 1000, T(HISTORICAL_COMPLETIONS, y)); }},
    {"\nTOUCHDOWN_PERCENTAGE\n",
     [](int y) { return Ratio(T(HISTORICAL_PASS_TOUCHDOWNS, y), 1000, T(HISTORICAL_PASS_ATTEMPTS, y)); }},
    {"\nCOMPLETION_PERCENTAGE\n",
     [](int y) { return Ratio(T(HISTORICAL_COMPLETIONS, y), 1000, T(HISTORICAL_PASS_ATTEMPTS, y)); }},
    {"\nINTERCEPTION_PERCENTAGE\n",
     [](int y) { return Ratio(T(HISTORICAL_INTERCEPTIONS, y), 1000, T(HISTORICAL_PASS_ATTEMPTS, y)); }},
    {"\nYARDS_AFTER_CATCH\n",
     [](int y) { return Ratio(T(HISTORICAL_YARDS_AFTER_CATCH, y), 100, T(HISTORICAL_RECEPTIONS, y)); }},
    {"\nTACKLES per team\n", [](int y) { return T(HISTORICAL_SOLO_TACKLES, y) / Get_League_Size_For_Year(y); }},
    {"\nASSISTS per team\n", [](int y) { return T(HISTORICAL_ASSISTS, y) / Get_League_Size_For_Year(y); }},
    {"\nSACKS per team\n", [](int y) { return T(HISTORICAL_SACKS, y) / Get_League_Size_For_Year(y); }},
    {"\nKNOCKDOWNS per team\n", [](int y) { return T(HISTORICAL_KNOCKDOWNS, y) / Get_League_Size_For_Year(y); }},
};

}  // namespace

void Add_To_Historical_Totals(int nTeam, int nSlot, int nYear, int nStat, int nValue)
{
    if (nYear < HISTORICAL_TOTALS_FIRST_YEAR || nYear > HISTORICAL_TOTALS_LAST_YEAR || nValue == 0)
        return;
    if (nYear != Get_Universe_Stat(FIRST_SEASON_YEAR) - 1 || !Is_Player_Slot_Used(nTeam, nSlot))
        return;
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    const int nUnit = Get_Position_Unit(nPosition);
    if (nPosition == POSITION_QB) {
        switch (nStat) {
        case 2: Add(HISTORICAL_PASS_ATTEMPTS, nYear, nValue); break;
        case 3: Add(HISTORICAL_COMPLETIONS, nYear, nValue); break;
        case 4: Add(HISTORICAL_INTERCEPTIONS, nYear, nValue); break;
        case 5: Add(HISTORICAL_PASS_YARDS, nYear, nValue); break;
        case 6: Add(HISTORICAL_PASS_TOUCHDOWNS, nYear, nValue); break;
        case 7: Add(HISTORICAL_RUSH_ATTEMPTS, nYear, nValue); break;
        case 8: Add(HISTORICAL_RUSH_YARDS, nYear, nValue); break;
        default: break;
        }
    } else if (nUnit == UNIT_BACKS) {
        switch (nStat) {
        case 6: Add(HISTORICAL_YARDS_AFTER_CATCH, nYear, nValue); break;
        case 7: Add(HISTORICAL_RUSH_ATTEMPTS, nYear, nValue); break;
        case 8: Add(HISTORICAL_RUSH_YARDS, nYear, nValue); break;
        case 10: Add(HISTORICAL_RECEPTIONS, nYear, nValue); break;
        default: break;
        }
    } else if (nUnit == UNIT_DEFENSE) {
        switch (nStat) {
        case 2: Add(HISTORICAL_SOLO_TACKLES, nYear, nValue); break;
        case 3: Add(HISTORICAL_ASSISTS, nYear, nValue); break;
        case 4: Add(HISTORICAL_SACKS, nYear, nValue / 2); break;
        case 6: Add(HISTORICAL_KNOCKDOWNS, nYear, nValue); break;
        default: break;
        }
    }
}

void Copy_Season_Line_To_Historical_Totals(int nTeam, int nSlot, int nLine)
{
    const int nYear = nLine == NO_SEASON_LINE ? 0 : Get_Season_Line_Year(nLine);
    for (int nStat = 0; nStat < STATS_PER_PERIOD; ++nStat)
        Add_To_Historical_Totals(nTeam, nSlot, nYear, nStat, Get_Season_Line_Stat(nLine, nStat));
}

void Reset_Historical_Totals_For_Build(int nBuiltYear)
{
    const int nYear = nBuiltYear - 1;
    if (nYear < HISTORICAL_TOTALS_FIRST_YEAR || nYear > HISTORICAL_TOTALS_LAST_YEAR)
        return;
    for (auto& Total : g_nTotals)
        Total[nYear - HISTORICAL_TOTALS_FIRST_YEAR] = 0;
}

void Clear_All_Historical_Totals()
{
    std::memset(g_nTotals, 0, sizeof(g_nTotals));
}

int64_t Get_Historical_Total(int nTotal, int nYear)
{
    if (nTotal < 0 || nTotal >= HISTORICAL_TOTAL_COUNT || nYear < HISTORICAL_TOTALS_FIRST_YEAR ||
        nYear > HISTORICAL_TOTALS_LAST_YEAR)
        return 0;
    return g_nTotals[nTotal][nYear - HISTORICAL_TOTALS_FIRST_YEAR];
}

int Get_League_Size_For_Year(int nYear)
{
    if (nYear < 1960)
        return 12;
    if (nYear == 1960)
        return 13;
    if (nYear <= 1965)
        return 22;
    if (nYear == 1966)
        return 24;
    if (nYear == 1967)
        return 25;
    if (nYear <= 1975)
        return 26;
    if (nYear <= 1994)
        return 28;
    if (nYear == 1995)
        return 30;
    if (nYear <= 2001)
        return 31;
    return 32;
}

bool Write_Historical_Stats()
{
    std::string Text;
    char szLine[64];
    for (const SECTION& Section : SECTIONS) {
        Text += Section.szTitle;
        for (int nYear = HISTORICAL_FILE_FIRST_YEAR; nYear <= HISTORICAL_FILE_LAST_YEAR; ++nYear) {
            std::snprintf(szLine, sizeof(szLine), "%lld, // %d\n", static_cast<long long>(Section.pFigure(nYear)),
                          nYear);
            Text += szLine;
        }
    }
    // Written beside the old file and renamed over it: a failed write leaves
    // the last good file.
    if (files::Write_Whole_File(HISTORICAL_STATS_FILE, Text.data(), Text.size()))
        return true;
    const int nError = errno;
    char szText[512];
    std::snprintf(szText, sizeof(szText), "Unable to write %s: %s", HISTORICAL_STATS_FILE,
                  files::Error_Text(nError));
    Show_Message_Box(szText, "File Error", BOX_OK);
    errno = nError;
    return false;
}

// The date of the current day of the season.
#include "league/calendar.h"

#include <cstdint>

#include "league/league_data.h"
#include "league/preferences.h"
#include "platform/errors.h"

SEASON_DATE Get_Current_Season_Date()
{
    static constexpr int MONTH_LENGTH[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int nWeek = Get_User_Preference(PREF_CURRENT_WEEK);
    // 64-bit: a damaged week cannot overflow the day.
    int64_t nDayOfYear = nWeek == OFFSEASON_WEEK ? 104 : static_cast<int64_t>(nWeek) * 7 + 249;
    SEASON_DATE Date{0, static_cast<int>(nDayOfYear % 365), nDayOfYear >= 365};
    if (Date.nDay < 0)
        Date.nDay += 365;
    while (Date.nMonth < 11 && Date.nDay >= MONTH_LENGTH[Date.nMonth]) {
        Date.nDay -= MONTH_LENGTH[Date.nMonth];
        ++Date.nMonth;
    }
    return Date;
}

int Get_Current_Month()
{
    return Get_Current_Season_Date().nMonth;
}

int Get_Season_Playoff_Day(int n)
{
    if (n < 0 || n >= SEASON_CALENDAR_DAYS) {
        Report_Error("Invalid day in %s(%d)", __func__, n);
        return 0;
    }
    return League.StandingsArea.nPlayoffDay[n];
}

void Set_Season_Playoff_Days(int nFirst)
{
    for (int n = 0; n < SEASON_CALENDAR_DAYS; ++n)
        League.StandingsArea.nPlayoffDay[n] = nFirst + n;
}

// The date of the current day of the season.
#include "league/calendar.h"

#include <cstdint>

#include "league/preferences.h"

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

// The date of the current day of the season.
#include "league/calendar.h"

#include <cstdint>

#include "league/preferences.h"

int Get_Current_Month()
{
    static constexpr int MONTH_LENGTH[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int nWeek = Get_User_Preference(PREF_CURRENT_WEEK);
    // 64-bit: a damaged week cannot overflow the day.
    int64_t nDayOfYear = nWeek == OFFSEASON_WEEK ? 104 : static_cast<int64_t>(nWeek) * 7 + 249;
    int nDay = static_cast<int>(nDayOfYear % 365);
    if (nDay < 0)
        nDay += 365;
    int nMonth = 0;
    while (nMonth < 11 && nDay >= MONTH_LENGTH[nMonth]) {
        nDay -= MONTH_LENGTH[nMonth];
        ++nMonth;
    }
    return nMonth;
}

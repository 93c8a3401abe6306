// The date of the current day of the season.
#pragma once

// The current day: day of the year 104 in the off-season, week x 7 + 249
// otherwise, taken modulo 365 into a month 0-11 and a day of that month
// counted from 0. bNextYear is set when the unwrapped day is 365 or more
// (a late week falls in the year after the season's).
struct SEASON_DATE {
    int nMonth;
    int nDay;
    bool bNextYear;
};
SEASON_DATE Get_Current_Season_Date();

// Month 0-11 of the current day.
int Get_Current_Month();

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

// The six playoff days of the season calendar: day 0 is the number of
// regular-season weeks (also the first playoff week), days 1-5 follow it.
// Day n outside 0-5 is reported and gives 0.
int Get_Season_Playoff_Day(int n);
// Days 0-5 become nFirst .. nFirst + 5.
void Set_Season_Playoff_Days(int nFirst);

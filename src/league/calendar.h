// The date of the current day of the season.
#pragma once

// Month 0-11 of the current day: day of the year 104 in the off-season,
// week x 7 + 249 otherwise, taken modulo 365.
int Get_Current_Month();

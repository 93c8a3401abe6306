// Development values every player starts a built league with: rates 100,
// development age 26 and his position's peak age.
#pragma once

// Vital stats 19 and 20 (rates) := 100, 21 := 26 and 22 := the peak age of
// his position in the current year, for every player of the franchises in
// use and of slots 36-40.
void Reset_Player_Development_Ages();
// The peak age of a base position in a year: quarterbacks peak later as the
// years pass (+1 every 20 years after 1950); 26 for anything but 0-14.
int Get_Position_Peak_Age(int nPosition, int nYear);

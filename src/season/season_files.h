// The historical files a season start reads: real clubs' records and real
// players' seasons.
#pragma once

// Reads the real players' seasons of the year into their current lines
// (bCurrent 1). Rule now: no file is read, nothing changes.
void Read_Seasons_File(int bCurrent);

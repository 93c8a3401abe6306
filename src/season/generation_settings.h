// The league settings that shape generated players: the draft-talent table
// (three columns of 15 signed 16-bit values by position, saved with the
// league), the league-wide Draft Talent setting and the fixed-development
// flag of a new universe.
#pragma once

#include <cstddef>

// DRAFT_TALENT lives in the season bookkeeping area as int16[3][15]
// (column-major: the 15 positions of column 1, then column 2, then column 3).
constexpr size_t DRAFT_TALENT_OFFSET = 18048;
constexpr int DRAFT_TALENT_COLUMNS = 3;
constexpr int DRAFT_TALENT_QUALITY = 1;       // shifts the quality draws and the rookie cap
constexpr int DRAFT_TALENT_SPREAD = 2;        // widens the quality draws
constexpr int DRAFT_TALENT_DEVELOPMENT = 3;   // added to a rookie's development rate and potential cap

// The Draft Talent setting (-100..+100 in steps of 10) as a universe stat.
constexpr int DRAFT_TALENT_SETTING_STAT = 20;
// Universe word: 1 gives generated players fixed development ages.
constexpr int FIXED_DEVELOPMENT_WORD = 2084;

// Column 1-3 of a base position 0-14; 0 for any other column or position.
int Get_Draft_Talent(int nPosition, int nColumn);
// Stores a value of column 1-3 of position 0-14, kept within the int16
// range (nothing for a bad column or position).
void Set_Draft_Talent(int nPosition, int nColumn, int nValue);

int Get_Draft_Talent_Setting();
void Set_Draft_Talent_Setting(int nValue);

bool Is_Fixed_Development_On();
void Set_Fixed_Development(bool bOn);

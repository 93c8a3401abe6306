// The league settings that shape generated players: the draft-talent table
// (three columns of 15 signed 16-bit values by position, saved with the
// league), the league-wide Draft Talent setting and the fixed-development
// flag of a new universe.
#pragma once

#include <cstddef>

#include "season/draft_state.h"

// The draft-talent table itself is kept with the draft state.

// The Draft Talent setting (-100..+100 in steps of 10) as a universe stat.
constexpr int DRAFT_TALENT_SETTING_STAT = 20;

int Get_Draft_Talent_Setting();
void Set_Draft_Talent_Setting(int nValue);

bool Is_Fixed_Development_On();
void Set_Fixed_Development(bool bOn);

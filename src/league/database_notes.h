// The league's database notes: the free text saved with every game.
#pragma once

#include <string>

// The notes as stored (up to the first NUL, at most the field). They are
// stored with Set_Database_Notes (league_data.h).
std::string Get_Database_Notes();

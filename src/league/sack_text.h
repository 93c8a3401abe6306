// Sacks as the box scores print them. A defender's sacks are kept in halves
// (two defenders share one), and every page, list, ticker and file shows
// them as sacks with one decimal: 8 halves are "4.0", 9 are "4.5".
#pragma once

#include <string>

std::string Format_Sacks(int nHalfSacks);

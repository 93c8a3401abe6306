// Position texts of outside files ("QB", "OLB/R", "DE-LB", "kr/pr") to the
// position codes: a base position 0-14 or an expanded code 15-42 naming a
// place within one (Translate_Expanded_Position gives its base).
#pragma once

// The code of the first row of the abbreviation table whose abbreviation
// equals szText, letter case ignored; -1 when none (or szText is null).
// The table is searched from the top, so "RS" gives 12 and "LS" 12: their
// later rows (18 and 25) are never reached.
int Find_Expanded_Position_Code(const char* szText);

// 1 when szText is one of the 73 plain abbreviations (compared exactly,
// letter case counting), else 0.
int Is_Known_Position_Abbreviation(const char* szText);

// The code of a position text, or -1. The whole text is looked up first;
// otherwise it is split at "/", "-" and "," and up to five parts are tried
// from the front: the first part that has a code and is a plain abbreviation
// gives its code at once, else the first part with a code wins.
int Parse_Position_Abbreviation(const char* szText);

// The base position 0-14 of a position text, or -1.
int Parse_Base_Position(const char* szText);

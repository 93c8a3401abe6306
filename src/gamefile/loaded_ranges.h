// What a loaded league block must hold before it replaces the league, and
// the ranges its values are held to once it has.
#pragma once

#include <string>

struct LEAGUE_DATA;

// The reason a block read from a file cannot be a league (it has no club
// with players); empty when it can.
std::string Find_League_Refusal(const LEAGUE_DATA& Data);

// Holds every loaded value the program computes with to the range its record
// defines: a damaged file whose blocks inflate could otherwise hold any bit
// pattern, and the sums, products and dates made of it would leave the range
// of their integers. Out-of-range values are set to their nearest bound (a
// birth date that is no date to a birthday 25 years before the current
// season). The plays of every club's playbooks are repaired as a playbook
// file's are (Repair_Offensive_Playbook). Returns how many values were
// changed.
int Hold_Loaded_Values_To_Range();

// The database builder's clean-up and salary steps: after the statistics
// files are read, players who cannot be on a roster are erased, names are
// mended, credited seasons counted from the season lines, contracts brought
// to the minimum, flagged ratings scaled, and salaries fitted to the cap.
// Also the share of a season line in its year and the blocking estimate of
// linemen from their games.
//
// "In use": franchise slots 0-35 with a controller and the special slots
// 36-40; player slots whose ID is not 0. All money is reckoned in 64 bits.
#pragma once

#include <cstddef>
#include <cstdint>

// Franchise players younger than 17 or older than 50 in the season year, and
// players of any slot without a first and a last name, are erased (season
// lines and record); every roster in use is compacted after.
void Remove_Implausible_Players();

// Mends the names of every franchise player: an initials first name of two
// capitals becomes "J.T."; a few run-together first names get their blank;
// before 2009 capitals inside names are lowered (not after a blank,
// apostrophe or hyphen, nor before a period), an early blank is dropped, and
// last names get "McX" and "St. X".
void Fix_All_Player_Names();
// The same rules on one text (bBefore2009: the season year is before 2009).
void Mend_First_Name(char* szName, size_t nSize, bool bBefore2009);
void Mend_Last_Name(char* szName, size_t nSize, bool bBefore2009);

// Credited seasons (vital stat 8) of franchise players := their distinct
// seasons in the outside league, at most 30.
void Set_Seasons_From_Season_Lines();

// Every one of the 41 x 100 slots: salary at least the minimum of its
// credited seasons, contract years at least 1, bonus years at least the
// contract years. (Empty slots are touched too; every sweep skips them.)
void Apply_Minimum_Contracts();

// Players with flag 1 of vital stat 24: an overall below 25 is drawn anew; an
// overall above 60 becomes (overall + 120) / 3; then the ratings are scaled
// to it.
void Scale_Flagged_Player_Ratings();

// The payroll aimed at under the league's cap: 95% of the cap (the cap from
// the inflation factor, factor x 224,800,000 / 1000 rounded, when there is
// none), rounded, in dollars.
int64_t Get_Cap_Fit_Payroll();
// Rescale_All_Team_Salaries toward Get_Cap_Fit_Payroll.
void Fit_Salaries_To_Cap();
// Rescale_Player_Salaries for every franchise 0 .. Count_Teams() - 1;
// the mean of their first ratios per mille (0 with no franchise).
int Rescale_All_Team_Salaries(int64_t nPayroll);

// Statistics 2-19 of the season line at link nLink, per mille of the same
// over all the player's lines of that year, rounded; 0 when that is 0.
int Get_Season_Line_Share(int nTeam, int nSlot, int nLink);

// Linemen (T, G, C) in use: pass blocking := max(40, q(S) + 60 - age / 3),
// run blocking := max(40, q(S / 2) + 70 - age / 2), truncated, with S his
// career games and starts and q the rounded signed square root.
void Estimate_Line_Blocking_Ratings();

// Franchise moves, renamings and expansion clubs of the coming year.
#pragma once

// Applies the year's franchise events (moves, renames, stadiums, leagues,
// divisions). Rule now: the league has no table of events yet, so nothing
// changes.
void Apply_Franchise_Changes(int nYear);
// Adds the year's expansion clubs and runs their draft. Rule now: no club
// joins the league.
void Run_League_Expansion(int nYear);

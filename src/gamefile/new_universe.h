// A new game's league: the set-up chain run when the user plays a new game
// (or a league is built), with its variations.
#pragma once

// The set-up chain; bDownload 1 from the new-game dialog, 0 from the league
// builder.
void Setup_New_Universe(int bDownload);

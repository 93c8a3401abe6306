// The league's leader tables brought up to date as the season is played.
// The tables themselves are built with the players' statistics leaders;
// until then these passes leave them as they are.
#pragma once

// Mode 1 the day's starting snapshot of every franchise player's career
// record; modes 2-4 the passes over it. Any other mode does nothing.
void Update_Career_Leaders(int nMode);
// After a played day: the single-game and career passes.
void Update_All_Time_Leaders();
// A pass over the season leader lists (mode 2 after a load, 3 after a run
// once the playoffs have begun).
void Update_Leader_Lists(int nMode);

// Moving the league forward in time: days played with their games, the daily
// upkeep of the computer clubs, the playoff days, the hand-off to the
// off-season.
#pragma once

void Advance_Day(int nDays);
void Play_Multiple_Seasons(int nSeasons);
void Stop_Simulation();
void Finish_Pending_Play_Call();
void Repaint_Welcome_Screen();
bool Is_Simulation_In_Progress();

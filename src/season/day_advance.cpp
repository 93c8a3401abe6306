#include "season/day_advance.h"

void Advance_Day(int) {}
void Play_Multiple_Seasons(int) {}
void Stop_Simulation() {}
void Finish_Pending_Play_Call() {}
void Repaint_Welcome_Screen() {}
bool Is_Simulation_In_Progress() { return false; }

#include "season/predicted_stats.h"

// Stand-ins until the predicted seasons are in.
void Write_Predicted_Player_Stats(int, int) {}
void Complete_Player_Predicted_Stats(int, int, int) {}
void Complete_All_Predicted_Stats(int) {}
void Estimate_All_Long_Stats() {}

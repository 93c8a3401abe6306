// A player's predicted season (statistics period 3) made from his ratings,
// completed and scaled for the league build, and the long-kick estimates.
#pragma once

void Write_Predicted_Player_Stats(int nTeam, int nSlot);
// Completes and scales the predicted line against a playing-time norm of
// nNorm games.
void Complete_Player_Predicted_Stats(int nTeam, int nSlot, int nNorm);
void Complete_All_Predicted_Stats(int nNorm);
void Estimate_All_Long_Stats();

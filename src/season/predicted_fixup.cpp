#include "season/predicted_fixup.h"

void Fix_Predicted_Player_Stats(int, int) {}

#include "season/past_seasons.h"

// Stand-in until the generated seasons are in.
void Generate_Player_History(int, int, int) {}

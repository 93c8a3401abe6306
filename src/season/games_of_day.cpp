#include "season/games_of_day.h"

int Get_League_Norm(int) { return 0; }
void Prepare_Game_Day() {}
void Play_Todays_Games() {}
void Format_Score_Text(const GAME*, int) {}
void Clear_Game_Buffers() {}

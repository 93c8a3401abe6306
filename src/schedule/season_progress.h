// How far the regular season has gone.
#pragma once

// (current week x 1000 + P / 2) / P, at most 1000, where P is the number of
// regular-season weeks (the first playoff week); 0 when P is 0.
int Get_Season_Progress_Per_Mille();

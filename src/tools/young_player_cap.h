// The cap on young players' ratings that a new game's league gets once it
// is set up from a database.
#pragma once

// A player of a franchise in use or of the free agents (not the hall of
// fame, not the college pools) younger than 26 (first season's year + season
// index - birth year) whose overall at his position, truncated, is above
// (seasons of experience + 13) x 6 is scaled down to that cap; his
// development ages are then fitted again so that his projected peak, as
// measured before the scaling, stays where it was.
void Adjust_Ratings_After_Setup();

// The cap of a young player with nSeasons seasons of experience.
int Get_Young_Player_Rating_Cap(int nSeasons);

// What the game view tells of a game: its week's name, the score before a
// play. (The quarter scores and the weather are the engine's:
// Get_Quarter_Score in engine/game_log.h, Get_Game_Weather_Condition in
// engine/weather.h.)
#pragma once

#include <cstddef>

struct GAME;

// The name of the game's week ("Week 3", "Wild Card", "Super Bowl"); the
// league's title game carries the title game's own name. "" for no game.
void Get_Title_Game_Name(const GAME* pGame, char* szBuffer, size_t nSize);
template <size_t N> void Get_Title_Game_Name(const GAME* pGame, char (&szBuffer)[N])
{
    Get_Title_Game_Name(pGame, szBuffer, N);
}

// Takes the points a play's result scored off the two scores (0 away, 1
// home), giving the score before the play. The side that had the ball
// scores a touchdown, field goal or try; the other side an interception or
// fumble return touchdown and a safety; a punt or kick-off return touchdown
// goes to the receiving side, which had not the ball. A score never goes
// below 0.
void Add_Play_Score(int bHomeHadBall, int nResult, int nScores[2]);

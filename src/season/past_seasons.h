// Made-up college seasons for a prospect, archived as his season lines.
#pragma once

// vital stat 8 + 5 seasons (1-4 for -4..-1; any other value makes none),
// built in his record's period 0 from his ratings and random draws, each
// archived as a college season line (years Y - n + i + nYearOffset for the
// i-th of n, Y the current year) and period 0 cleared again.
void Generate_Player_History(int nTeam, int nSlot, int nYearOffset);

// The steps of one generated season, in period 0 of the record.
//
// Fills the statistics of his position for a season of nGames games and
// nStarts starts, his ratings lowered by -3 x nSeasonOffset meanwhile (the
// offset is -4..-1, the earliest season the furthest below).
void Generate_Season_Stats_From_Ratings(int nTeam, int nSlot, int nSeasonOffset, int nGames, int nStarts);
// Scales statistics 0-19 to a 17-game season with random noise per
// statistic (two draws for each of 2-19).
void Scale_Generated_Season_Stats(int nTeam, int nSlot, int nGames);
// Keeps the statistics of his unit consistent with one another.
void Fix_Generated_Season_Stats(int nTeam, int nSlot);
// Copies period 0 into a new season line of his (unless he is a free agent)
// that becomes his current line: year nYear, level nSeasonOffset, no team.
// Nothing when no line can be had.
void Archive_Generated_Season(int nTeam, int nSlot, int nYear, int nSeasonOffset);

// Past seasons taken from the seasons table ("input/stats/seasons.csv": one
// line per player, season and team, 97 columns; its layout and column
// numbers are in stat_file_layouts.h): the line reader, the recorder of one imported statistic, the
// season-line lookup, the field goals spread by distance and the passing
// figures of old seasons carried to the scale of 2023.
//
// The mode is the league's replay flag (REPLAY_MODE_WORD), which the seasons
// reader sets to its own argument for the file:
//   0      a database build: every season in the year's window, positions
//          updated, season lines found or made;
//   other  a season start of a replay: only this year's lines, nothing but
//          the record's seasons 0 and 3 changes, no season line.
//
// Two memories carry over from line to line within one file: the player the
// previous line matched (lines of one player follow each other), and the
// expanded position of the last offensive lineman (an "OL" line takes it).
// Both are kept here, not in the league, and are forgotten at the start of
// every file, so a year reads the same alone or after another.
#pragma once

#include <cstdio>

constexpr const char* SEASONS_FILE_NAME = "input/stats/seasons.csv";

// Reads one line of the open seasons table and records it. Returns 1 when the
// end of the file was reached (the last line, without its end, is still
// recorded), else 0. A line is skipped without a message when it matches no
// player, is a pre-season, post-season or other league's line ("PRE",
// "POST", "PRO"), lies outside the mode's years, names no team or a
// multi-team total ("2TM" to "4TM"), carries an external ID that is not 1-11
// letters and digits, or is an exact copy of a line already read in this
// file. An unknown short team text of an earlier year is reported
// ("Unrecognized team abbreviation: %s (%d)") and skipped.
int Read_Season_Line(const char* szPath, FILE* pFile, int nMode);

// Forgets the last-matched player, the offensive-line memory and the lines
// read; the seasons reader calls it at the start of each file.
void Reset_Season_Line_Import();

// The player the previous line matched: true and his address, or false.
bool Get_Last_Matched_Season_Player(int* pTeam, int* pSlot);

// Field goals made and attempted spread over the distance slots of a
// kicker's season line (10/11 under 30 yards, 12/13 30-39, 14/15 40-49,
// 16/17 50 and more; 18 the longest) until they add up to the line's totals,
// by the fixed patterns; each goal added also counts in his career and, for
// the season before the first, in last season. Nothing for line -1; a
// negative count is read as 0.
void Fill_Field_Goal_Distances(int nTeam, int nSlot, int nLine, int nMade, int nAttempts);

// A quarterback's completions (3), yards (5), touchdowns (6) and
// interceptions (4) of a year carried to the league averages of 2023; any
// other statistic unchanged.
int Normalize_Stat_To_Modern_Era(int nYear, int nStat, int nValue);

// Records one imported value: nothing for 0 or a spare other than 0. In a
// build (mode 0): a kicker's longest kicks (5, 18) are bests of careers,
// last and this season; other values add to the career (years before the
// first season), last season (the year before) or this season (the year
// itself) unless the season line already holds the statistic; the predicted
// season adds the value (normalised when bNormalize), doubled for the two
// latest years. In a replay: only this year's value, into this season when
// it holds nothing. The season line (0-32767) then holds the value.
void Record_Imported_Season_Stat(int nTeam, int nSlot, int nLine, int nYear, int nSpare, int nStat, int nValue,
                                 int bNormalize);

// The first of the player's linked season lines with this year and team
// byte; -1 when none (the walk stops at the first empty link).
int Find_Player_Season_Line(int nTeam, int nSlot, int nTeamByte, int nYear);

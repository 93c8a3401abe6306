// The play-by-play of the game being played, kept three ways while it runs:
// a plain-text log, an HTML play table (one table per period, one row per
// play) and the HTML head of the game's pages, which at the final whistle also
// gets the line score. The box-score body is game_report.h's. The file writers
// put the head with the body or the play table into the game's two pages.
//
// Every text is process-wide and growable. With the game pages turned off
// (Set_Game_Pages_Enabled) every writer returns at once.
#pragma once

#include <cstddef>
#include <string>

#include "league/game_record.h"

const std::string& Get_Game_Text_Log();
const std::string& Get_Game_Play_Table_Html();
const std::string& Get_Game_Page_Head();
// Empties the text log, the play table and the page head, and forgets that the
// final tables were written.
void Clear_Game_Log_Texts();

// "1st Q" ... "4th Q", "OT   ", "OT #2" ... for period trunc(nClock / 900),
// into a buffer of nSize bytes.
void Get_Period_Label(int nPeriod, char* szBuffer, size_t nSize);

// The title and teams into the text log, and the page head. Once per game,
// before the first play; it also starts a new game for the once-only final
// tables.
void Write_Game_Page_Header(const GAME* pGame);

// The heading of a new period; at the final whistle the closes of the play
// table and the scoring-plays table, the box-score tables and the line score.
// The final part is written once per game however often this is called.
void Write_Game_Log(const GAME* pGame);

// The pre-snap part of the current play's row, text (bHtml 0) or HTML (1),
// replacing Row's content.
void Write_Play_Log_Row(std::string& Row, const GAME* pGame, int bHtml);
// Formats the row and appends it to the text log (bHtml 0) or the play table.
void Append_Play_Log_Row(const GAME* pGame, int bHtml);

// After the play: the result of the row, the scoring-plays row of a scoring
// play and the score line once the score stands for the next kick-off.
void Log_Play_Result(const GAME* pGame);

// "<< %s %s %s was injured on the play >>" in both logs: the team's nickname,
// the position name and the player's name.
void Write_Injury_Log_Line(int nTeam, int nSlot);

// Points a side scored in a period from the play log: 0-3 the quarters, 4
// every overtime period together. A try snapped at the very end of a quarter
// counts with that quarter.
int Get_Quarter_Score(const GAME* pGame, int nSide, int nPeriod);

// The line score with logos, names, records and period points, appended to
// the page head.
void Write_Line_Score_Table(const GAME* pGame);

// The game's pages, "Output\\Box-%02d-%03d.htm" (page head and box-score body)
// and "Output\\Recap-%02d-%03d.htm" (page head and play table): the year mod
// 100 and the game's number. The folder is made when missing. A page is
// written whole or not at all (an older page of its name is removed then);
// the first page lost since one was written is told (a box in the window,
// a notice headless), every one is logged, and the games go on. With bClear the box score empties the body and
// the recap empties the head and both logs, so the box score goes first.
// False when nothing was written.
bool Write_Box_Score_File(const GAME* pGame, int nGameIndex, int bClear);
bool Write_Recap_File(const GAME* pGame, int nGameIndex, int bClear);

// The names of those pages ("Output\\Box-19-007.htm", "Output\\Recap-19-007.htm")
// for the game being played (preference 21, the current year) and for the
// game shown in the game window (preference 34; in the off-season, week 100,
// the year before, so last season's games keep their names). False, and ""
// in the buffer, when no game is shown.
void Get_Box_Score_File_Name(char* szBuffer, size_t nSize);
void Get_Recap_File_Name(char* szBuffer, size_t nSize);
bool Get_Selected_Box_Score_File_Name(char* szBuffer, size_t nSize);
bool Get_Selected_Recap_File_Name(char* szBuffer, size_t nSize);
// True when the last write of the page of this name (as the two names above
// spell it) failed: whatever stands under the name is not that game's page.
bool Was_Game_Page_Lost(const char* szName);

// The names say only the year and the game's number, so two leagues of one
// year in one folder (or a league played on again from an older save) write
// pages of the same names. Each page therefore carries in its head a mark of
// the game that wrote it: a META element naming the year, the number, the
// teams and the score, and a fingerprint of the game as played (its rosters
// and every logged play).
std::string Get_Game_Page_Mark(const GAME* pGame, int nGameIndex);

// What stands under a game's page name, told by the page's mark.
enum GAME_PAGE_CHECK : int {
    GAME_PAGE_OWN = 0,         // the page this game wrote
    GAME_PAGE_MISSING = 1,     // no page of the name can be read
    GAME_PAGE_UNMARKED = 2,    // a page without a mark: written before pages carried one
    GAME_PAGE_REPLACED = 3,    // the page of another game of the same name
};
// Reads the head of the page szName (as the names above spell it) and tells
// whether it is the page of the game record pGame, number nGameIndex. A game
// not yet over has no page, so whatever stands there is another game's.
int Check_Game_Page(const char* szName, const GAME* pGame, int nGameIndex);

// "DownAndDistance.csv" in the current folder, rewritten from this run's
// tally of snaps by down and yards to go. False when it could not be written.
bool Write_Down_And_Distance_CSV();

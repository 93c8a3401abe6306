// The statistics the main window's pages let the user choose: each chosen
// figure is an index kept in a preference slot (saved with the game), and a
// click on its heading opens the Choose Stat dialog that writes the slot.
//
//   front page, the four Season Leaders headings: slots 113-116, the leader
//     statistics of Leader Heading (dialog 144; Get_Player_Leader_Stat);
//   Standings, the figure column of every division: slot 100, the team
//     statistics of Choose Stat 143;
//   Calendar, the viewed club's measure beside its name: slot 105, the
//     franchise and roster measures of Choose Stat 145;
//   Games, the figure of every game box: slot 119, the game statistics of
//     Choose Stat 163.
//
// A figure the league does not keep reads "-". A position group's figure is
// the average overall rating of the club's players there (the line's
// blocking figures their average run or pass blocking rating).
#pragma once

#include <string>

#include "league/game_record.h"
#include "pages/page_layout.h"
#include "platform/canvas.h"

constexpr int STANDINGS_STAT_SLOT = 100;
constexpr int CALENDAR_MEASURE_SLOT = 105;
constexpr int FIRST_LEADER_HEADING_SLOT = 113;
constexpr int LEADER_HEADING_SLOTS = 4;      // 113-116
constexpr int GAMES_STAT_SLOT = 119;

// How many statistics each dialog offers.
constexpr int LEADER_HEADING_CODES = 30;
constexpr int TEAM_STAT_COLUMN_CODES = 48;
constexpr int FRANCHISE_MEASURE_CODES = 50;
constexpr int GAME_STAT_CODES = 20;

// The dialogs that choose them.
constexpr int PAGE_TEAM_STAT_DIALOG = 143;
constexpr int PAGE_LEADER_DIALOG = 144;
constexpr int PAGE_FRANCHISE_DIALOG = 145;
constexpr int PAGE_GAME_STAT_DIALOG = 163;

// The index a slot holds, held to the dialog's range (an index outside it,
// say from an older file, reads as the first).
int Get_Page_Stat_Choice(int nSlot, int nCount);

// Leader heading n (0-29): its caption ("Pass Yards") and a player's figure
// of this season as the heading prints it (rates with their decimals, sacks
// in halves, percentages with "%").
std::string Get_Leader_Heading_Caption(int nCode);
std::string Format_Leader_Heading_Value(int nCode, int nValue);

// Team statistic n (0-47) of the club this season, and its caption.
std::string Get_Team_Stat_Column_Caption(int nCode);
std::string Format_Team_Stat_Column(int nTeam, int nCode);

// Franchise or roster measure n (0-49) of the club, and its caption.
std::string Get_Franchise_Measure_Caption(int nCode);
std::string Format_Franchise_Measure(int nTeam, int nCode);

// Game statistic n (0-19) of a game record: the caption, and the figure of
// side 0 (away) and 1 (home); the point spread and over/under are the
// game's own and read the same for both sides.
std::string Get_Game_Stat_Caption(int nCode);
std::string Format_Game_Stat(const GAME& Game, int nSide, int nCode);
bool Is_Game_Wide_Stat(int nCode);

// The statistic heading of the page under (x, y) of rcArea, where the page is
// painted; nSlot -1 when none.
PAGE_STAT_HEADING Find_Page_Stat_Heading(int nPage, int x, int y, const CANVAS_RECT& rcArea);
// The page's first statistic heading (the menu's and keyboard's way to it);
// nSlot -1 when the page has none.
PAGE_STAT_HEADING Get_First_Page_Stat_Heading(int nPage);

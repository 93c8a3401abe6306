// Display names of league things. Each writes into a buffer of at least
// TEXT_BUFFER_SIZE bytes by convention; only the text and its terminator are
// written.
#pragma once

#include "base/text_utils.h"

// Positions 0-14 from the string table, 15 "Any Position", else "<Error>".
void Get_Position_Name(int nPos, char* szBuffer);
void Get_Position_Name_Lower(int nPos, char* szBuffer);
// Depth-chart slots 0-42; any other slot gives an empty text.
void Get_Depth_Slot_Abbreviation(int nSlot, char* szBuffer);
void Get_Depth_Slot_Name(int nSlot, char* szBuffer);
// Ratings 0-26; any other an empty text.
void Get_Rating_Name(int nRating, char* szBuffer);
// Week -1 is the current week.
void Get_Week_Name(int nWeek, char* szBuffer);
void Get_Week_Name_Long(int nWeek, char* szBuffer);

// Team display names (team values 0-40, -1 or ALL_TEAMS the league average,
// 128 NO_TEAM).
void Get_Team_City(int nTeam, char* szBuffer);
void Get_Team_Nickname(int nTeam, char* szBuffer);
void Get_Team_Full_Name(int nTeam, char* szBuffer);
void Get_Team_Short_Name(int nTeam, char* szBuffer);
void Get_Gm_Face_Image_Path(int nTeam, char* szBuffer);

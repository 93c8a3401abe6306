// Display names of league things. Each writes into a buffer of at least
// TEXT_BUFFER_SIZE bytes by convention; only the text and its terminator are
// written.
#pragma once

#include <cstddef>

#include "base/text_utils.h"

// Positions 0-14 from the string table, 15 "Any Position", else "<Error>".
void Get_Position_Name(int nPos, char* szBuffer, size_t nSize);
template <size_t N> void Get_Position_Name(int nPos, char (&szBuffer)[N])
{
    return Get_Position_Name(nPos, szBuffer, N);
}
void Get_Position_Name_Lower(int nPos, char* szBuffer, size_t nSize);
template <size_t N> void Get_Position_Name_Lower(int nPos, char (&szBuffer)[N])
{
    return Get_Position_Name_Lower(nPos, szBuffer, N);
}
// Depth-chart slots 0-42; any other slot gives an empty text.
void Get_Depth_Slot_Abbreviation(int nSlot, char* szBuffer, size_t nSize);
template <size_t N> void Get_Depth_Slot_Abbreviation(int nSlot, char (&szBuffer)[N])
{
    return Get_Depth_Slot_Abbreviation(nSlot, szBuffer, N);
}
void Get_Depth_Slot_Name(int nSlot, char* szBuffer, size_t nSize);
template <size_t N> void Get_Depth_Slot_Name(int nSlot, char (&szBuffer)[N])
{
    return Get_Depth_Slot_Name(nSlot, szBuffer, N);
}
// Ratings 0-26; any other an empty text.
void Get_Rating_Name(int nRating, char* szBuffer, size_t nSize);
template <size_t N> void Get_Rating_Name(int nRating, char (&szBuffer)[N])
{
    return Get_Rating_Name(nRating, szBuffer, N);
}
// Week -1 is the current week. The short name ("Week 3", "Wild Card",
// "Division Round") the lists and the Calendar show; the long one ("Division",
// "Conference") the pages' headings.
void Get_Week_Name(int nWeek, char* szBuffer, size_t nSize);
template <size_t N> void Get_Week_Name(int nWeek, char (&szBuffer)[N])
{
    return Get_Week_Name(nWeek, szBuffer, N);
}
void Get_Week_Name_Long(int nWeek, char* szBuffer, size_t nSize);
template <size_t N> void Get_Week_Name_Long(int nWeek, char (&szBuffer)[N])
{
    return Get_Week_Name_Long(nWeek, szBuffer, N);
}
// Whether week nWeek (-1 the current) is a playoff round the league does not
// play: one that even the larger league's field cannot fill (a league
// without a wild-card round; its long name reads "Bye Week"), or the final
// between the leagues in a season that has none.
bool Is_Unplayed_Round_Week(int nWeek);

// Team display names (team values 0-40, -1 or ALL_TEAMS the league average,
// 128 NO_TEAM). The full name of a franchise slot is empty unless a club is
// in it or was erased from it after its season was played (Is_Erased_Club).
void Get_Team_City(int nTeam, char* szBuffer, size_t nSize);
template <size_t N> void Get_Team_City(int nTeam, char (&szBuffer)[N])
{
    return Get_Team_City(nTeam, szBuffer, N);
}
void Get_Team_Nickname(int nTeam, char* szBuffer, size_t nSize);
template <size_t N> void Get_Team_Nickname(int nTeam, char (&szBuffer)[N])
{
    return Get_Team_Nickname(nTeam, szBuffer, N);
}
void Get_Team_Full_Name(int nTeam, char* szBuffer, size_t nSize);
template <size_t N> void Get_Team_Full_Name(int nTeam, char (&szBuffer)[N])
{
    return Get_Team_Full_Name(nTeam, szBuffer, N);
}
void Get_Team_Short_Name(int nTeam, char* szBuffer, size_t nSize);
template <size_t N> void Get_Team_Short_Name(int nTeam, char (&szBuffer)[N])
{
    return Get_Team_Short_Name(nTeam, szBuffer, N);
}
void Get_Gm_Face_Image_Path(int nTeam, char* szBuffer, size_t nSize);
template <size_t N> void Get_Gm_Face_Image_Path(int nTeam, char (&szBuffer)[N])
{
    return Get_Gm_Face_Image_Path(nTeam, szBuffer, N);
}

// Captions of the columns the pages and lists let the user choose (the
// preferences 100-123 hold the chosen codes). Each writes the caption of code
// n into szBuffer (at least TEXT_BUFFER_SIZE bytes by convention; only the
// caption and its terminator are written); a code out of range gives "".
#pragma once

#include <cstddef>

// Team statistics, codes 0-19.
void Get_Team_Stat_Caption(char* szBuffer, size_t nSize, int n);
template <size_t N> void Get_Team_Stat_Caption(char (&szBuffer)[N], int n)
{
    return Get_Team_Stat_Caption(szBuffer, N, n);
}
// Player statistics, codes 0-29.
void Get_Player_Stat_Caption(char* szBuffer, size_t nSize, int n);
template <size_t N> void Get_Player_Stat_Caption(char (&szBuffer)[N], int n)
{
    return Get_Player_Stat_Caption(szBuffer, N, n);
}
// Team information, codes 0-49. Code 2 is "%s Titles" with the name of the
// user's league (preference 42); code 17 reads "Payroll Budget" in a league
// without a salary cap.
void Get_Team_Info_Caption(char* szBuffer, size_t nSize, int n);
template <size_t N> void Get_Team_Info_Caption(char (&szBuffer)[N], int n)
{
    return Get_Team_Info_Caption(szBuffer, N, n);
}
// Standings, codes 0-47.
void Get_Standings_Caption(char* szBuffer, size_t nSize, int n);
template <size_t N> void Get_Standings_Caption(char (&szBuffer)[N], int n)
{
    return Get_Standings_Caption(szBuffer, N, n);
}

// Small texts and figures of one player that the player lists and the
// player card share: the salary as the lists write it, the status tag after
// a name, the 40-yard time and the key ratings of a position.
#pragma once

#include <cstddef>
#include <string>

// A sum in thousands of dollars as the lists write it: above 999 "$%d.%02dM"
// (millions, then hundredths of a million), below 1 "$0", else "$%dK".
std::string Format_Salary_Value(int nThousands);
// The player's salary (vital stat 11) written as above.
void Format_Salary(int nTeam, int nSlot, char* szOut, size_t nOutSize);
std::string Format_Salary(int nTeam, int nSlot);

// Appends the player's status tag to a name: " (Inj)" while he is injured,
// then " *" when his contract ends with this season; nothing for neither.
void Append_Player_Status_Tag(std::string& Text, int nTeam, int nSlot);
constexpr const char* PLAYER_TAG_INJURED = " (Inj)";
constexpr const char* PLAYER_TAG_CONTRACT_ENDING = " *";

// The 40-yard dash time in hundredths of a second, from the speed rating:
// 5.40 s at speed 0 down to 4.30 s at speed 100 (held to that range).
int Get_Player_Forty_Yard_Time(int nTeam, int nSlot);
int Forty_Yard_Time_From_Speed(float fSpeed);

// The n-th key rating (a rating number 1-26) of base position nPosition
// (0-14): the ratings its overall rating weighs, heaviest first (equal
// weights in rating order); -1 past the last, for n below 0 or a position
// outside 0-14.
int Get_Position_Key_Rating(int nPosition, int n);

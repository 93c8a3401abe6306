// What the user's scouts make of a player: the uncertainty they leave on his
// shown figures, and the letter grade of a rating.
//
// The uncertainty is deterministic: a player's figures move by a modifier
// made from his ID, the month and the season, scaled by the difficulty and by
// how the selected club's scouting spending ranks in the league. No draws.
#pragma once

#include <cstddef>

// The selected club's scouting standing: with n clubs and the club's rank k
// in scouting spending (financial stat 2, 0 the highest),
// 1500 - k x trunc(1000 / max(n - 1, 1)); a club spending below 500 gets its
// spending instead. NO_TEAM (and any team outside 0-40, reported) gives 1000.
int Get_Team_Rank_Score(int nTeam);

// The scale the modifiers divide: the cached value of preference 16, or,
// when that is 0, max(trunc(((difficulty + 15) x 100 - the selected club's
// rank score) / 4), 1), which is then cached there.
//
// The cache goes stale when the difficulty or a club's scouting spending
// changes: whoever changes them calls Reset_Scouting_Scale. The day's advance
// clears preference 16 at the end of every call too, so a stale scale lasts
// at most until the next day.
int Get_Scouting_Scale();
// Clears the cached scale (preference 16 := 0): the next modifier recomputes it.
void Reset_Scouting_Scale();

// The remainder |h| mod 100 of the player's scouting hash
//   h = (i / 10)^3 + 10 x (i mod 10)^3 + month^2 + season^2
// (i the player ID, "/" and "mod" truncating as in C++, so a negative ID
// gives a negative remainder). IDs run to about 2^28, so h cannot be held
// exactly: it is computed in unsigned 32-bit arithmetic that wraps modulo
// 2^32, the 32 bits are read as a two's-complement int32, and its magnitude
// (in 64 bits, so INT32_MIN is safe) is taken mod 100. The shown figures
// depend on this, so it is fixed here and tested.
int Get_Scouting_Hash_Remainder(int nPlayerID, int nMonth, int nSeasonIndex);

// The player's scouting modifier, -12..12: 0 in Commissioner Mode or with
// perfect scouting. Otherwise q := trunc(S / d) with S the scale and
// d := 15 x min(max(credited seasons, 0), 4) + 12 + 2 x (last season's games
// started, never below 0) + the hash remainder of nPlayerID; a positive odd q
// gives -trunc((q + 1) / 2), any other q gives trunc(q / 2). An address that
// holds no player counts 0 seasons and 0 starts.
int Get_Player_Stat_Modifier(int nTeam, int nSlot, int nPlayerID);

// A figure as the user's scouts see it, with m the player's modifier (player
// ID -1 for slot NO_PLAYER): an even figure above 70 becomes value - |m|, an
// even figure below 70 value + |m| (even figures are pulled toward 70), any
// other figure value + m.
int Adjust_Player_Stat_By_Modifier(int nTeam, int nSlot, int nValue);

// The letter grade of index 0-13 (outside clamped): "F ", "F", "D-", "D ",
// "D+", "C-", "C ", "C+", "B-", "B ", "B+", "A-", "A ", "A+". Copies at most
// nSize - 1 bytes and always ends the text (nothing for nSize 0).
void Get_Letter_Grade(int nIndex, char* szBuffer, size_t nSize);
template <size_t N> void Get_Letter_Grade(int nIndex, char (&szBuffer)[N]) { Get_Letter_Grade(nIndex, szBuffer, N); }

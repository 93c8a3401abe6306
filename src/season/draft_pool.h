// The college draft's pool (teams 38-40), its tuning files and the order.
#pragma once

// ---- The pool ---------------------------------------------------------------

// 0 when no draft is under way (round 7 or more) or the pools are empty, 1
// while a draft runs and prospects remain. Only asks: readers such as the
// pages call it, and only the draft loop ends a draft whose pool ran dry.
int Check_Draft_Pool();

// Rebuilds the whole pool: empties pools 38-40 (their season lines too),
// reads the class database of the year where one may exist (a season year
// before 2023 without fictional rookies), tops up with generated rookies,
// ranks them and sets the rating ladders, then orders the pools for display.
void Prepare_Draft_Pool();
// Tops the pool up with generated rookies to Get_Draft_Pool_Target.
void Set_Up_College_Draft();
// Ranks the pool by overall (real prospects first) and pulls prospect i of n
// to overall 82 - 22i/n; ranks by potential and fits prospect i's potential
// to trunc(93 - 22i/n); drops prospects under 18 and closes the gaps.
void Finish_Draft_Pool();

// The prospects a league of nTeams franchises drafts from: (n x 291 + 16) /
// 32, at most 291 (291 for 32, 273 for 30, 255 for 28).
int Get_Draft_Pool_Target(int nTeams);
// The position 0-14 of a generated rookie for a draw r of 0..127: the first
// position whose running total of the weights (6, 13, 18, 25, 37, 47, 57,
// 62, 73, 83, 99, 110, 121, 124, 127) is at least r.
int Get_Draft_Position_For_Draw(int r);
// Draws r = trunc(127 x u) and gives Get_Draft_Position_For_Draw(r).
int Pick_Draft_Position();

// The values the tuning files may hold: -limit..limit. Within them the
// generator makes every position's rookies in a few tries; past them it
// cannot (a quality or development near 200 lets no rookie pass its tests,
// and a spread below -200 leaves nothing to draw from), and a strategy
// below -100 would make a pick's value negative.
constexpr int DRAFT_TALENT_LIMIT = 100;
constexpr int DRAFT_STRATEGY_LIMIT = 100;

// Reads "Input/DraftTalent.txt": 15 lines, one a position QB .. P, each
// "quality,spread,development" as whole numbers (blanks, a sign and digits;
// anything else ends the number; an empty field or a missing line is 0); a
// byte-order mark before the first line is dropped, as is a CR at a line's
// end. A value outside -DRAFT_TALENT_LIMIT..DRAFT_TALENT_LIMIT refuses the
// whole file: a "Bad File" box names the file and the line, and the table
// stays as it was. A missing file shows "Missing File" and leaves the table as it was.
// Each of these boxes, for this file or "Input/DraftStrategy.txt", shows once
// a run: the same text again goes to "debug.txt" only.
void Load_Draft_Talent();
// The tuning files' boxes show again, as at the start of a run.
void Forget_Tuning_File_Notices();

// ---- The order --------------------------------------------------------------

// The season index of the season the game records hold: the current one,
// less one on the off-season's day 100 (the index has moved on by then, and
// the games are still those of the season just played). -1 on day 100 of
// the first season index.
int Draft_Key_Year();

// The final order: the places, the division rows, the bracket (before the
// playoffs begin) and the finish codes refreshed (in the off-season the rows
// and codes only while the draft runs); the larger Get_Team_Draft_Sort_Key
// picks earlier, equal keys keep the lower team first.
void Set_Draft_Order();
// The order by the season's finish codes and places, without refreshing
// the standings (pick values during the season).
void Sort_Draft_Order_By_Record();
// ((6 - tier) x 100 - (wins - losses)) x 100 + place of the season just
// played (the off-season) or being played; tier 5 champion, 4 final, 3
// third round, 2 second, 1 first, 0 out of the playoffs.
int Get_Team_Draft_Sort_Key(int nTeam);
// 300 for finish code 4 or 5, 200 for 6, 100 for 7, 0 for 8, else 400;
// plus the overall place.
int Get_Team_Provisional_Draft_Key(int nTeam);
// Sort_Draft_Order_By_Record, then Find_Team_In_Draft_Order.
int Get_Team_Draft_Slot(int nTeam);
// The team's position in the draft order; Count_Teams() when absent.
int Find_Team_In_Draft_Order(int nTeam);

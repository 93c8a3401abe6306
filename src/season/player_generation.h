// Making players: names from the name lists, ratings, heights and weights,
// unique IDs, and the salary scale that prices them.
#pragma once

#include <cstddef>

// ---- Name pool ("names\\first.txt", "names\\last.txt", one name a line) -------

constexpr int FIRST_NAME_CACHE_SIZE = 100;
constexpr size_t CACHED_FIRST_NAME_SIZE = 12;
extern const char* const DEFAULT_FIRST_NAME;   // "John"
extern const char* const DEFAULT_LAST_NAME;

// A random line of the last-name list, or DEFAULT_LAST_NAME when there is none.
void Get_Random_Last_Name(char* szOut, size_t nOutSize);
// Refills the 100-entry first-name cache from random lines of the first-name
// list (nothing when the list is missing or empty).
void Pick_Random_First_Name();
// Moves the first non-empty cached first name into szOut and returns true;
// false (and an empty szOut) when the cache is empty.
bool Take_Cached_First_Name(char* szOut, size_t nOutSize);
// Forgets the loaded lists and empties the cache (the lists are read again on
// the next draw; tests and a change of list use it).
void Reset_Name_Pool();

// ---- Ratings and measures ---------------------------------------------------

// Draws all 27 ratings anew for the player's position (vital stat 1).
void Generate_Player_Ratings(int nTeam, int nSlot);
// Gives a new player of nPosition ratings that meet the position's target
// scaled by fFactor (1.0 an average starter); also sets vital stat 1.
void Fit_Player_Ratings_To_Target(int nTeam, int nSlot, int nPosition, float fFactor);
// Average height (inches) and weight (pounds) of a position 0-14; 0 otherwise.
int Get_Average_Player_Height(int nPosition);
int Get_Average_Player_Weight(int nPosition);
// A random height around the position's average.
int Generate_Player_Height(int nPosition);
// A random weight around the average of the player's position.
int Generate_Player_Weight(int nTeam, int nSlot);
// A positive player ID that no other player has.
int Make_Unique_Player_Id(int nTeam, int nSlot);

// ---- Whole players ------------------------------------------------------------

// Makes a player of nPosition (a base position 0-14 or an expanded code) in
// the slot; nHistory non-zero also gives him generated past seasons.
void Fabricate_Position_Player(int nTeam, int nSlot, int nPosition, int nHistory);
// The vital figures of a prospect taken from a draft class.
void Init_Draft_Class_Player(int nTeam, int nSlot);
// A slot without a player: contract figures 0 and vital stat 6 at 22.
void Reset_Unused_Player_Slot(int nTeam, int nSlot);
// Every rating his position has raised (fAdjustment > 0) or lowered by one
// fraction between -1 and 1, each by its weight in the weighted form.
void Modify_Player_Ratings(int nTeam, int nSlot, int bWeighted, float fAdjustment);
// A veteran of nPosition: a generated player aged and declined by fFactor.
void Create_Veteran_Player(int nTeam, int nSlot, int nPosition, float fFactor);
// A uniform number 1-99 drawn for a position.
int Get_Random_Uniform_Number(int nPosition);
// The overall rating a pool player at this slot is made near.
int Get_Pool_Rank_Target(int nTeam, int nSlot);

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

// ---- Salaries (thousands of dollars) --------------------------------------------

// The cap level, in dollars, that the salary and bonus tables are stated at.
constexpr int SALARY_TABLE_LEVEL_CAP = 55000000;

// The league minimum salary for a number of credited seasons in the current year.
int Get_Minimum_Salary(int nSeasons);
// Get_Minimum_Salary of the player's credited seasons (vital stat 8, at least 0).
int Get_Player_Minimum_Salary(int nTeam, int nSlot);
// An amount scaled from the base cap of 55,000,000 dollars to the current cap.
int Scale_To_Salary_Cap(int nAmount);

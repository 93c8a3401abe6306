// The database builder's adjustment steps: a league under construction set
// for its year, salaries raised to the year's minimum, ratings moved back to
// each player's age in the year, the newest draft picks rated by their slot,
// future season lines dropped, record seasons rebuilt from the season lines,
// and the team-records figures added to line and defence ratings. Also four
// rating tools of the same family that the script's `tool` runs by name.
//
// The first season year is the year being built; the current year is that
// plus the season index (0 while building). Money is reckoned in 64 bits.
#pragma once

// League settings of the year: team count, season and week 0, the draft's
// rounds and order, the rule preferences of the era, the cap of the year, the
// name-list counts and the standings and draft order cleared.
void Set_Built_League_Settings();

// Franchise players paid below the minimum of their credited seasons get it;
// their signing bonus loses the difference times the bonus years (never
// below 0).
void Raise_Salaries_To_Minimum();

// Peak age by credited seasons 0-14 (more count as 14); for 0 seasons,
// (year - 1950) / 20 more when positive.
int Get_Rewind_Peak_Age(int nSeasons, int nYear);
// Moves one player's ratings back to his age in the current year: a young
// player is scaled 2 a year below his overall (with his career fields at
// that overall), a player past his peak declines by the triangle of his
// years beyond it.
void Rewind_Player_Ratings(int nTeam, int nSlot);
void Rewind_All_Player_Ratings();

// A 2023 build: franchise players drafted that year are scaled to 80 minus
// their pick / 10 (+ (4 - pick) / 2 for the first two picks), career fields
// 7 above.
void Rate_Draft_Picks_By_Slot();

// Erases the player's season lines of the first season year and later.
void Remove_Player_Future_Season_Lines(int nTeam, int nSlot);
void Remove_Built_Year_Season_Lines();

// Adds a season line's non-zero statistics to a record season; a kicker's
// longest kicks keep the larger value.
void Add_Season_Line_To_Record(int nTeam, int nSlot, int nRecordSeason, int nLine);
// Records 0-2 rebuilt from the season lines: the career from all of them,
// this season from the first season year's, last season from the year
// before's; each line also feeds the historical totals.
void Rebuild_Player_Record_Seasons(int nTeam, int nSlot);
void Rebuild_All_Record_Seasons();

// Team stat 23 / 20 added to the pass and run blocking and discipline of the
// club's linemen, team stat 24 / 25 to ratings 18-22 of its defenders (flag
// 2 of vital stat 24 keeps a player out).
void Add_To_Line_Ratings(int nTeam, float fAdd);
void Add_To_Defense_Ratings(int nTeam, float fAdd);
void Apply_Team_Strength_To_Ratings();

// Rating tools nothing in the build calls.
// Tackling toward 70 and the overall toward 72 by fFactor (a quarterback's a
// quarter, backs' and defenders' 0.7).
void Nudge_Team_Ratings(int nTeam, float fFactor);
// For each club, two players of a position whose depth order and overalls
// disagree are set one above and one below their mean.
void Balance_Position_Ratings();
// The first draft whose picks Blend_Recent_Draft_Pick_Rating blends.
constexpr int FIRST_BLENDED_DRAFT_YEAR = 2020;
// A player drafted in FIRST_BLENDED_DRAFT_YEAR or later: his overall blended
// toward the rating of his pick, (year - 2019) quarters of the way.
void Blend_Recent_Draft_Pick_Rating(int nTeam, int nSlot);
// The mean power score of the franchises (0 without one); each club's four
// strength ratings (pass, run, pass and run defence) are recomputed on the way.
int Get_League_Average_Power_Score();
// true when b is a base position (below 15) and a an expanded code.
bool Is_Expanded_Position_Pair(int a, int b);

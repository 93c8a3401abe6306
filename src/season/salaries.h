// Salary figures of the season cycle that loading and building a league
// use: the rookie contract table of the draft slots, the rookie contract
// fields, and the repair of corrupt salaries.
#pragma once

// An amount in $K at the base level of 55,000,000 dollars scaled to the 2023
// level and the league's inflation: Apply_Inflation(trunc((x x 224,800,000 +
// 27,500,000) / 55,000,000)), one less inside for a negative x, 0 for 0.
int Scale_From_Base_Cap(int nAmount);

// The signing bonus in $K of pick nPick (0 .. Count_Teams() - 1) of draft
// round nRound (0-6); 0 outside those bounds.
int Get_Draft_Slot_Bonus(int nRound, int nPick);

// A third of the inflated 2023 cap level, in $K.
int Get_Inflated_Cap_Third();

// A player drafted from 2020 on whose contract length (vital stat 25) is
// below 4 gets the four-year rookie contract: vital stat 25 := 4 and the
// years left (vital stat 12) := draft year + 4 - league year, held within
// 1..4; with bSetBonus a bonus
// below four fifths of his draft slot's bonus is raised to that. True when
// the player got the rookie contract, false otherwise (a bad team or slot is
// reported).
bool Update_Rookie_Contract(int nTeam, int nSlot, int bSetBonus);

// Update_Rookie_Contract for every player of the franchises in use; nMode is
// its bSetBonus (the loader passes 0, the database builder 1).
void Update_All_Rookie_Contract_Values(int nMode);

// Salaries above Get_Inflated_Cap_Third() among the franchises' players are
// corrupt: asks "Fix salary data?" and on Yes repairs them, then asks "Fix
// cash levels?" and on Yes gives every franchise with negative cash the
// inflated base amount.
void Check_Fix_Salary_Data();

// ---- Salaries (thousands of dollars) --------------------------------------------

// The cap level, in dollars, that the salary and bonus tables are stated at.
constexpr int SALARY_TABLE_LEVEL_CAP = 55000000;

// The league minimum salary for a number of credited seasons in the current year.
int Get_Minimum_Salary(int nSeasons);
// Get_Minimum_Salary of the player's credited seasons (vital stat 8, at least 0).
int Get_Player_Minimum_Salary(int nTeam, int nSlot);
// An amount scaled from the base cap of 55,000,000 dollars to the current cap.
int Scale_To_Salary_Cap(int nAmount);

// A rookie's yearly salary at a draft slot (round 0-6, pick 0..teams - 1):
// the salary anchors of the round interpolated over its two halves, scaled
// from the base cap, never below Get_Minimum_Salary(0). A round or pick out
// of those bounds gives Get_Minimum_Salary(0).
int Get_Draft_Slot_Salary(int nRound, int nPick);
// The signing bonus of the current draft slot (round: preference 36, pick:
// preference 37) for a pool player, in proportion of his draft score to the
// best score of the pools; 0 when that best score is 0 or less, never
// negative.
int Get_Rookie_Signing_Bonus(int nTeam, int nSlot);
// Stores every college player's draft score (predicted statistic 299, held
// within -128..127) in his draft-score byte and returns the largest (0 when
// the pools are empty).
int Get_Max_College_Player_Score();
// The signed draft-score byte of a player (byte statistic 5).
int Get_Player_Draft_Score(int nTeam, int nSlot);
void Set_Player_Draft_Score(int nTeam, int nSlot, int nScore);
// $K a year the player asks; nValue 0 stands for his Get_Player_Value.
int Get_Player_Contract_Value(int nTeam, int nSlot, int nValue);
// What players of his position, age and overall earn on the franchises, $K
// at the current level, weighted by likeness; nBase (the player's own price)
// when none is alike enough.
int Get_Market_Salary(int nTeam, int nSlot, int nBase);
// While a pass over the players' contracts runs (the calls nest), the
// market's places of each position are listed once; the pass must move no
// player.
void Begin_Market_Memo();
void End_Market_Memo();
// The signing bonus he asks, $K.
int Get_Salary_Above_Minimum(int nTeam, int nSlot, int nValue);

// The league setting Salary Demands, -100..+100 percent (0 normal), kept as a
// universe stat; a stored value outside the range reads as the nearest end.
constexpr int SALARY_DEMANDS_STAT = 15;
int Get_Salary_Demands();
void Set_Salary_Demands(int nValue);

// The contract value's age factor in percent (ages 20-39, clamped).
int Get_Contract_Age_Factor(int nAge);

// A club's strengths: running, passing, run defence, pass defence and
// special teams, and the starters score. Nothing is stored: every call
// recomputes the value from the club's current roster and its players'
// ratings. Reading a rating may repair it in the record (not-a-number to its
// default, below 20 to 20), and a starter whose overall falls below 25 has
// his ratings regenerated, as every rating read of the program does.
//
// Starters are found by position and depth in roster-slot order: WR3 is the
// third wide receiver on the roster. A missing starter counts 20 for every
// rating or composite term and 40 for every overall term.
//
// Team values: 0-40 (franchises and the special slots). A roster without
// players, and a franchise slot not in use (whose roster the player finders
// do not search), rate as a club with every starter missing; NO_TEAM does
// too, silently; any other value is reported and rated the same way.
#pragma once

// The codes by which callers select a strength.
constexpr int TEAM_RATING_RUNNING = 40;
constexpr int TEAM_RATING_PASSING = 41;
constexpr int TEAM_RATING_RUN_DEFENSE = 42;
constexpr int TEAM_RATING_PASS_DEFENSE = 43;
constexpr int TEAM_RATING_SPECIAL_TEAMS = 44;

// Code 40: ball carriers, the blocking in front of them and, before 2000
// and before 1985, a heavier weight on the backs.
int Get_Team_Run_Rating(int nTeam);
// Code 41: the quarterback, the receivers, pass protection and the receiving
// bonuses of tight ends and backs.
int Get_Team_Pass_Rating(int nTeam);
// Code 42: front seven (two ends, two tackles, four linebackers) and safeties.
int Get_Team_Run_Defense_Rating(int nTeam);
// Code 43: cover men and the pass rush, with a bonus for ends above 90.
int Get_Team_Pass_Defense_Rating(int nTeam);
// Code 44: kicker, punter and the two returners.
int Get_Team_Special_Teams_Rating(int nTeam);

// The strength of code 40-44; 0 for any other code.
int Get_Team_Strength_By_Code(int nTeam, int nCode);

// Half the sum of the starters' overall ratings (a quarterback counts
// twice): the first 11 slots from the first offensive player, the first 11
// from the first defender and the first two from the first kicker or punter.
// Empty slots read as quarterbacks, so a roster without an offensive player
// gets one made up in its first empty slot (Get_Or_Create_Team_Side_Player).
// 0 for a team value of 36 or more and for a franchise slot not in use.
int Get_Team_Starters_Score(int nTeam);

// A new game's league: the set-up chain run when the user plays a new game
// (or a league is built), with its variations.
#pragma once

class DIALOG;

// League words of the set-up (16 bits each).

// The value-2 mark of vital stat 24: placed by a shuffle or a fantasy draft
// (or read from a ratings file). The shuffle moves only this bit.
constexpr int PLACED_PLAYER_FLAG = 2;

// Check boxes of the new-game dialog's advanced options.
constexpr int IDC_FICTIONAL_PLAYERS = 1456;
constexpr int IDC_SHUFFLE_PLAYERS = 1317;
constexpr int IDC_EQUALIZE_CITIES = 1318;
constexpr int IDC_UNIVERSE_STAT_6 = 1320;     // no dialog has it
// The title combo box of a dialog.
constexpr int IDC_TITLE_COMBO = 1008;

// The set-up chain; bDownload 1 from the new-game dialog, 0 from the league
// builder. First the league is checked against its GAME records (teams,
// games per season and playoff teams); when the season would not fit, a box
// "New Game" says why and nothing is changed (false). Otherwise the chain
// runs to day 0 of the first season with its schedule (true).
bool Setup_New_Universe(int bDownload);

// The advanced options of the new-game dialog, read from its check boxes.
void Apply_Advanced_Options(const DIALOG& Dialog);
// The same with the check states given.
void Apply_Advanced_Options(bool bFictional, bool bShuffle, bool bEqualize, bool bUniverseStat6);

// The fictional-players run: new names, a shuffle, computer trades, the
// position minimums filled, and each player's college, measures, season
// lines, records and draft history made anew.
void Run_New_Universe_Setup();

// Ten passes of Shuffle_Players_Once under a progress window titled szTitle,
// then depth charts and returners re-set.
void Shuffle_Players(const char* szTitle);
// One pass: every player not yet marked (value 2 of vital stat 24) moves to
// the club his drafted-by byte names (a target drawn on the first pass).
void Shuffle_Players_Once(int bFirstPass);

// Every city in use gets the same statistics.
void Equalize_Cities();
// Every club's loyalty, scouting and medical levels, cash and budgets reset
// to the same values.
void Reset_Team_Finances_Equal();

// Some players' ratings moved by the difficulty (preference 25): a draw u
// of 0..999 below Get_Difficulty_Variation_Threshold picks the player; his
// band b (the first of 59, 63, 66, 69, 75, 80, 85, 90, 93 above his
// projected peak, 9 when none) gives the target f; a draw g of [0, 0.025)
// more than 0.01 from f moves his ratings by g - f.
void Vary_Player_Ratings_By_Difficulty();
// (2 x difficulty - first season's year - season index + birth year) x 10
// - 75 x min(seasons played, 3) + 535.
int Get_Difficulty_Variation_Threshold(int nDifficulty, int nBirthYear, int nSeasons);
// ((w + 100) / 100) x nBand x 0.003, w the signed tuning word.
float Get_Difficulty_Variation_Target(int nBand);
// The free agents pulled toward 50 when their average overall exceeds 62.
void Scale_First_Season_Ratings();

// 1 when every player of the franchises in use and of slots 36-40 carries
// the value-2 mark of vital stat 24, else 0.
int Check_All_Players_Vital_Flag();


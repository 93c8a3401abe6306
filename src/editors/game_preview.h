// The game preview (dialog 181): before a game of a user-run club, both
// clubs with their logos and records, the betting line and five-star grades
// of running, passing, run defence, pass defence and special teams; the
// user watches the game, simulates it, or simulates the rest of the run
// without further previews. The engine opens it through the hook that
// Install_Game_Preview sets (engine/play_game.h).
#pragma once

#include <string>

#include "platform/dialogs.h"

struct GAME;

constexpr int GAME_PREVIEW_DIALOG = 181;

// Controls. The visitor (the game's first club) stands on the left, the
// home club on the right.
constexpr int PREVIEW_PLAY_BUTTON = 1391;
constexpr int PREVIEW_SIMULATE_ALL_BUTTON = 1392;
constexpr int PREVIEW_SIMULATE_BUTTON = 1393;
constexpr int PREVIEW_GRADE_HOME_FIRST = 1394;   // 1394-1398: running .. special teams
constexpr int PREVIEW_GRADE_AWAY_FIRST = 1399;   // 1399-1403
constexpr int PREVIEW_WEEK_LABEL = 1404;
constexpr int PREVIEW_HOME_LOGO = 1405;
constexpr int PREVIEW_AWAY_LOGO = 1406;
constexpr int PREVIEW_AT_LABEL = 1408;
constexpr int PREVIEW_HOME_DOWNLOADED_LOGO = 1409;
constexpr int PREVIEW_HOME_RECORD = 1410;
constexpr int PREVIEW_AWAY_RECORD = 1411;
constexpr int PREVIEW_AWAY_DOWNLOADED_LOGO = 1412;
constexpr int PREVIEW_LINE_LABEL = 1434;
constexpr int PREVIEW_RUNNING_LABEL = 1343;
constexpr int PREVIEW_PASSING_LABEL = 1430;
constexpr int PREVIEW_RUN_DEFENSE_LABEL = 1431;
constexpr int PREVIEW_PASS_DEFENSE_LABEL = 1432;
constexpr int PREVIEW_SPECIAL_TEAMS_LABEL = 1433;

constexpr int MATCHUP_GRADES = 5;

struct GAME_PREVIEW {
    int nWeek = 0;
    int nAwayTeam = 0;   // the game's first club
    int nAwayGrades[MATCHUP_GRADES] = {};
    int nHomeTeam = 0;
    int nHomeGrades[MATCHUP_GRADES] = {};
    int nPointSpread = 0;   // tenths, positive when the visitor is favoured
};

// The grade 1-5 of a club with nBetter clubs strictly above it among nTeams
// (the best 5, the worst 1); 1 when nTeams is below 1.
int Matchup_Grade(int nTeams, int nBetter);
// The club's five grades, each ranked over the Count_Teams() clubs in use.
void Compute_Matchup_Grades(int nGrades[MATCHUP_GRADES], int nTeam);
// Week, clubs, grades and the line stored in the game's record.
void Load_Game_Preview(GAME_PREVIEW& Preview, const GAME& Game);
// The line's text for a spread in tenths (positive: the first club
// favoured) and the two clubs' short names.
std::string Format_Vegas_Line(int nSpread, const char* szFirst, const char* szSecond);

void Game_Preview_Dialog(DIALOG& Dialog, int nEvent, int nControl);
// What the engine's hook runs: the dialog for the game (week = preference 23).
void Run_Game_Preview(GAME* pGame, int nWeek);
// Sets the engine's hook (the shell calls it once at start-up).
void Install_Game_Preview();

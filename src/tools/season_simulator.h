// The season simulator: the loaded league's current season played many
// times from the same start, every club run by the computer, with per-club
// totals kept across runs in "Simulator.dat" (how often each club wins its
// division, reaches the playoffs or takes the title, its average record,
// scoring and finances), and the two reports "Simulator.txt" and
// "Simulator.csv".
//
// The league is restored exactly after every season (the whole block, then
// what a load rebuilds), and the automatic save stays off for the run, so
// the user's "[Auto Save].zrt" never holds a simulated season.
#pragma once

#include <cstdint>
#include <string>

class DIALOG;

constexpr int SIMULATOR_DIALOG = 104;
constexpr int SIMULATOR_COUNT_EDIT = 1297;
constexpr int SIMULATOR_SIMULATE_BUTTON = 1;
constexpr int SIMULATOR_DONE_BUTTON = 2;
constexpr int SIMULATOR_CLEAR_BUTTON = 1263;
constexpr int SIMULATOR_HELP_BUTTON = 9;
constexpr int SIMULATOR_VIEW_TEXT_BUTTON = 1296;
constexpr int SIMULATOR_VIEW_CSV_BUTTON = 1298;
constexpr int SIMULATOR_MOST_SEASONS = 1000;

constexpr const char* SIMULATOR_DATA_FILE = "Simulator.dat";
constexpr const char* SIMULATOR_TEXT_REPORT = "Simulator.txt";
constexpr const char* SIMULATOR_CSV_REPORT = "Simulator.csv";

// "Simulator.dat": 1,886 little-endian 32-bit integers, 7,544 bytes. Team
// slots t run 0-35.
constexpr int SIMULATOR_INTS = 1886;
constexpr int SIMULATOR_FILE_SIZE = SIMULATOR_INTS * 4;
constexpr int SIMULATOR_TEAMS = 36;
constexpr int SIM_SEASONS = 0;
constexpr int SIM_FINISHES = 1;          // + 9t + k
constexpr int SIM_GAMES = 325;           // + t
constexpr int SIM_WINS = 361;
constexpr int SIM_LOSSES = 397;
constexpr int SIM_SCORED = 433;
constexpr int SIM_ALLOWED = 469;
constexpr int SIM_TALLY_MARKERS = 505;   // 12 blocks of 50: 0 free, -1 used
constexpr int SIM_TALLY_COUNTS = 1105;
constexpr int SIM_SPARE = 1705;
constexpr int SIM_REVENUE = 1706;        // + 2t: financial stat 82, 64 bits, low word first
constexpr int SIM_PROFIT = 1778;         // + 2t: financial stat 84
constexpr int SIM_ATTENDANCE = 1850;     // + t: financial stat 92
constexpr int SIM_TALLY_BLOCK = 50;
constexpr int SIM_TALLY_BLOCKS = 12;
// The finish counters k.
enum SIM_FINISH { SIM_FIFTH_OR_LOWER, SIM_FOURTH, SIM_THIRD, SIM_SECOND, SIM_WILD, SIM_FIRST, SIM_ROUND_ONE,
                  SIM_LEAGUE_CHAMPION, SIM_WORLD_CHAMPION, SIM_FINISH_COUNT };

struct SIMULATOR_TOTALS {
    int32_t n[SIMULATOR_INTS];
};
static_assert(sizeof(SIMULATOR_TOTALS) == SIMULATOR_FILE_SIZE);

// Reads "Simulator.dat" into the totals. A missing file is started zeroed;
// a file of another size or with negative counts is damaged: it is set
// aside as "Simulator.dat.bad" with a message and a zeroed one is started.
// 1 when the totals were read, 0 (totals zeroed) otherwise.
int Load_Simulator_Data(SIMULATOR_TOTALS& Totals);
// Writes a zeroed "Simulator.dat" (Clear/Reset); the "File Error" box when
// it cannot.
void Save_Simulator_Data();
// Writes the totals through a temporary file; 1 on success, else the
// "File Error" box and 0 (the file before stays).
// The box of a file that cannot be written gives the system's cause
// ("\"Simulator.dat\" could not be written (No space left on device).")
// and counts as a failed save (platform/save_failures.h); a run of the
// simulator shows it once however often the file fails, the log each time.
int Write_Simulator_Data(const SIMULATOR_TOTALS& Totals);
// Adds 1 to every used entry of tally block 2a + b (a 0-5, b 0-1), or marks
// the first free entry used with 1 when none is; 1 when done, 0 when the
// totals could not be read or the block is refused.
int Tally_Simulator_Block(int a, int b);

// Adds a club's season finish to its nine counters (+ 9t): the finish code
// c (Record_Team_Division_Finish) of 6 or more to counter c, of 4 or more to
// counter 4 (the playoffs reached); the division place to counter 5
// (first), 3, 2, 1 (second to fourth) or 0 (lower, or in no division row).
void Count_Simulator_Finish(SIMULATOR_TOTALS& Totals, int nTeam);
// Adds the season just played to the totals: each club's record, games,
// points scored and allowed in the regular season's games (the games its
// record counts), finish, revenue, profit and attendance; one more season.
void Add_Simulator_Season(SIMULATOR_TOTALS& Totals);

// Plays the current season nSeasons times (1-1,000) and writes both
// reports. False, with Problem saying why, when it may not run: a season
// already complete, games being played, a count out of range.
bool Simulate_Seasons(int nSeasons, std::string& Problem);
// Kind 0: "Simulator.txt"; kind 1: "Simulator.csv". False when the file
// cannot be written.
bool Write_Simulator_Report(int nKind);

void Season_Simulator_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl);
// The menu command: the dialog, then the run for the count it returns.
void Run_Season_Simulator();

// The rookie database of a draft class ("databases/rookies-%d.dat"): exactly
// 1,000 player records of 756 bytes, the class best first, written by the
// database builder for its year. A game reaching that year's draft fills its
// three college pools from the first 300 records.
#pragma once

#include <cstddef>

constexpr size_t DRAFT_CLASS_DATABASE_SIZE = 756000;
constexpr int DRAFT_CLASS_POOL_RECORDS = 300;

// The file of the class drafted after season nSeasonYear: the year after.
void Get_Draft_Class_Database_Path(char* szBuffer, int nSize, int nSeasonYear);

// Reads the class of the year after the current season into the college
// pools 38-40 (records 0-99, 100-199, 200-299; the rest never reach the
// league). Each record is made sound first: names terminated, its season
// links (which belong to the league that wrote it) cleared, ratings that are
// not finite or beyond +-1,000 set to their defaults; a record of no
// position 0-14 or expanded code 0-42 leaves its slot empty. Each player then
// gets a new ID, fresh contract and injury fields, generated college seasons,
// his draft score and his stored photo. A record of ID 0 clears its slot.
// A missing class, or a file of any other size than 756,000 bytes (damaged,
// and said so), leaves the pools as they were; for a class year up to 2023 a
// "Generating Random Rookies" box says the rookies will be generated. The
// text always goes to "debug.txt"; no box stops a run with every club the
// computer's (Play Multiple Seasons, the season simulator), and a missing
// class is told in a box at most once a run.
// 1 when a class was read, 0 otherwise.
int Load_Draft_Class_Database();
// While on (a database build), a class year up to 2023 whose file is missing
// is noted in the log only, not in a box: the build writes that file itself.
void Set_Missing_Draft_Class_Quiet(bool bQuiet);
// The next missing class is told in a box again, as at the start of a run.
void Forget_Missing_Draft_Class_Notice();

// Makes one record read from a class file sound in place (as above, without
// touching the league). false when it must not reach the league.
struct PLAYER;
bool Repair_Draft_Class_Record(PLAYER& Record);

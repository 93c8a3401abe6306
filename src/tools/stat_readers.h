// The statistics files a database build reads into a cleared league: the
// year's rosters, every player, his contract and each franchise's offensive
// and defensive schemes. All are read by the one rule for outside files
// (base/input_file.h): quoted fields, bounded numbers, LF or CRLF, a
// byte-order mark dropped, UTF-8 lines turned into Windows-1252. Readers
// return the number of lines they stored, -1 when their file could not be
// opened (after their own message, where they have one).
//
// Files (columns counted from 1):
// - "input/stats/%d_rosters.csv" (the year asked): a header line, then
//   CorvelID, PlayerID, FirstName, LastName, %d_Team, Position, Height,
//   Weight, BirthMonth, BirthDate, BirthYear, WeeksOut, Reason, Starter and
//   an optional full name.
// - "input/stats/players.csv": a header line, then the 27 columns Kelvo ID,
//   Corvel ID, Player ID, Team, Uniform, First Name, Last Name, Nickname,
//   Position, -, Height (6'2"), Weight, College, Seasons, Full Name, Given
//   Name, -, Draft Team, Draft Year, Draft Round, Overall Pick, Undrafted
//   ("TRUE"), Feet, Inches, Birth Month, Birth Date, Birth Year. A player is
//   placed on the team of his roster entry; one without an entry is passed
//   over.
// - "input/stats/%d_salaries.csv" (the first season's year): a header line,
//   then CorvelID, PlayerID, %d Team, Uniform, FirstName, LastName,
//   Position, Depth Chart, Weeks Out, Reason Out, Years Remaining, Average
//   Salary, Signing Bonus, Contract Years, Cap Hit; money in dollars ("$" and
//   "," allowed in a quoted field). Players not found are appended to
//   "Input/Stats/Salaries-Missing.csv" as "First,Last,Team,Position".
// - "Input/Stats/Personnel.csv": Year, Team, Offensive Personnel, Defensive
//   Personnel, each field perhaps led by an apostrophe; only lines of the
//   current year count.
// - "Input/Stats/Seasons.csv" for Read_Season_Rosters: column 1 the ID,
//   2 the number, 4 the year, 5 the team, 7 the name ("*" and "+" mark
//   honours and end it).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// ---------------------------------------------------------------------------
// The roster table: who plays for whom in the year being built.

constexpr int ROSTER_TABLE_SIZE = 10000;
constexpr size_t ROSTER_KEY_SIZE = 12;
constexpr size_t ROSTER_NAME_SIZE = 35;

struct ROSTER_ENTRY {
    char szKey[ROSTER_KEY_SIZE];    // statistics-database ID
    int32_t nNumber;                // player ID
    uint8_t nTeam;                  // team slot; NO_TEAM unset or already used
    char szName[ROSTER_NAME_SIZE];  // full name
    int32_t nPosition;              // base position 0-14, -1 unset
    int32_t nExpanded;              // expanded position code, -1 unset
    int32_t nWeeksOut;
    int32_t nInjury;
};

// Empties every entry (texts empty, number 0, team NO_TEAM, positions -1,
// weeks out and injury 0) and the count.
void Clear_Roster_Table();
// Entry i of those in use; nullptr outside 0 .. count - 1.
const ROSTER_ENTRY* Get_Roster_Entry(int i);
// The first entry whose key is szKey (letter case ignored; an empty key
// never matches), else -1.
int Find_Roster_Entry_By_Key(const char* szKey);
// The first entry whose number is nNumber (above 0), else -1.
int Find_Roster_Entry_By_Number(int nNumber);
// By number, else by key.
int Find_Roster_Entry(int nNumber, const char* szKey);

// 1 when the text holds a letter a-z.
int Has_Lowercase_Letter(const char* szText);

// ---------------------------------------------------------------------------
// Readers

// With pProblem (a database build) the rosters and players files are first
// checked whole (Check_Input_Table of base/input_file.h: their header, and no
// line cut short; and no line longer than the 2,047 characters the reader
// keeps, Over_Long_Line_Problem of season/season_files.h); a file that fails,
// or cannot be opened, is not read, and pProblem says why, naming the file
// and the line: "\"PATH\": line 812 holds 9 of the header's 27 fields: the
// file ends inside it (cut short)". Without pProblem an over-long line is cut
// after Read_Line_Limit's one box.
//
// Clears the roster table and fills it from "input/stats/<nYear>_rosters.csv".
// At 10,000 entries the rest of the file is left out, and how many lines were
// is logged once.
int Read_Rosters_File(int nYear, std::string* pProblem = nullptr);
// Fills the roster table from the Seasons.csv lines of year nYear instead.
int Read_Season_Rosters(int nYear);
int Read_Players_File();
int Read_Players_File(std::string* pProblem);
int Read_Salaries_File();
int Read_Personnel_File();

// The position of a player from a position text: "DB" gives CB for uniforms
// 20-29 and S otherwise; an RB in a uniform of the 40s is an FB. A text that
// is not empty and not recognised is reported ("Players.csv") and the slot
// is cleared. Returns the code stored, -1 when none.
int Set_Player_Position_From_Text(int nTeam, int nSlot, const char* szText);

// Vital stat 24's flags these readers keep.
constexpr int PLAYER_FLAG_1 = 1;
constexpr int PLAYER_FLAG_SALARIED = 2;

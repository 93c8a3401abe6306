// Playbook files: raw images of a team's offensive area (".opb", 19,680
// bytes) or defensive area (".dpb", 9,516 bytes) in the "playbooks" folder,
// and the two scratch areas files are read into when no team receives them.
//
// A file is untrusted input: only a file of exactly the area's size is
// accepted, it is checked and repaired in a scratch buffer (texts terminated,
// codes outside their ranges cleared), and only then copied whole into its
// destination. Typed names with a path separator, "..", or a control
// character are refused.
#pragma once

#include <string>
#include <vector>

#include "engine/playbook_records.h"

// Status codes of Write_Playbook_File.
constexpr int PLAYBOOK_WRITE_OK = 0;
constexpr int PLAYBOOK_WRITE_OPEN_FAILED = 1;
constexpr int PLAYBOOK_WRITE_SHORT = 2;

// The longest playbook file name (without folder and extension) accepted.
constexpr int PLAYBOOK_FILE_NAME_LIMIT = 200;

// Reads "playbooks/<name>.opb" (side 0) or ".dpb" (side 1) into the side's
// area of team nTeam when it is a franchise in use or one of the slots 36-40,
// else into the side's scratch area. True when a file of the exact size was
// read; false (nothing changed) for a refused name, a missing file or a file
// of any other size, or anything but a regular file (a folder, a pipe, a
// link that leads nowhere), with *pProblem (when given) saying which ("it
// holds 1 byte; ...", "there is no such file").
bool Load_Playbook_File(int nTeam, int nSide, const char* szName, std::string* pProblem = nullptr);

// Writes the selected team's (preference 28, made valid first) area of the
// current side (preference 170: 0 offence, 1 defence) to szPath (extension
// included), through a temporary file, so an old file survives a failure.
// PLAYBOOK_WRITE_OK, PLAYBOOK_WRITE_OPEN_FAILED when the file cannot be made
// (or put in place of an old one), PLAYBOOK_WRITE_SHORT when the write fails
// (nothing is left behind). On a failure *pError (when given) is the
// system's error code of the call that failed, never 0.
int Write_Playbook_File(const char* szPath, int* pError = nullptr);

// Stores the name, cut to 37 characters, as the playbook name of the selected
// team's current side.
void Set_Playbook_Name(const char* szName);

// Whether a typed name may name a playbook file: not empty, at most
// PLAYBOOK_FILE_NAME_LIMIT characters, no '/', '\\', "..", or control
// character.
bool Is_Safe_Playbook_Name(const char* szName);

// "playbooks/<name>.opb" or ".dpb" into szPath (nSize bytes); false (and "")
// for an unsafe name or a bad side.
bool Build_Playbook_File_Path(const char* szName, int nSide, char* szPath, int nSize);

// The names (without extension, in name order) of the side's files in the
// "playbooks" folder.
std::vector<std::string> List_Playbook_Files(int nSide);

// Deletes "playbooks/<name>" plus the side's extension; false for an unsafe
// name or a failed delete.
bool Delete_Playbook_File(const char* szName, int nSide);

// The name the Save dialog offers: the stored playbook name of the team's
// side, else "%s-%d" of the team's nickname (empty for teams 38-40) and the
// season's year. szName holds nSize bytes.
void Get_Default_Playbook_Save_Name(int nTeam, int nSide, char* szName, int nSize);

// The scratch areas (outside the league, never saved).
OFFENSIVE_PLAYBOOK_AREA* Get_Offensive_Scratch_Area();
DEFENSIVE_PLAYBOOK_AREA* Get_Defensive_Scratch_Area();

// How many of the side's scratch-area plays (54 offensive or 30 defensive)
// use each formation 0-47; the Load dialog's analysis starts from it.
void Count_Scratch_Playbook_Formations(int nSide, int nCounts[48]);

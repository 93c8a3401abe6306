// Start-up and shut-down of the program.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// Version shown in the start line and the file head.
constexpr int PROGRAM_YEAR = 2019;
constexpr int PROGRAM_VERSION_MAJOR = 21;
constexpr int PROGRAM_VERSION_MINOR = 1;

constexpr const char* DEFAULT_DATABASE = "Databases/Universe-2019.dat";
constexpr const char* COMMAND_LINE_FILE = "CommandLine.txt";
// "CommandLine.txt" is read only when it is a regular file of at most this
// many bytes (the flag words together take under 100); a longer one, a pipe or
// a device is ignored with a notice, so that start-up never waits on it.
constexpr size_t COMMAND_LINE_FILE_LIMIT = 65536;
// The environment variable that names the data folder; it takes precedence
// over the folder "data" beside the executable.
constexpr const char* DATA_FOLDER_VARIABLE = "KELVO_DATA";

// Exit codes of the program.
constexpr int PROGRAM_EXIT_OK = 0;
constexpr int PROGRAM_EXIT_FAILED = 1;   // no data folder, another program on it, or the game data would not load
constexpr int PROGRAM_EXIT_USAGE = 2;    // an unknown option, or a script line that cannot be carried out

// What the arguments ask for. Options of ours begin with "--" ("--help",
// "--version", "--headless", "--script FILE" or "--script=FILE"); any other
// argument beginning with '-' is an unknown option. Bare words are start-up
// flags and never change the action (the file name after "--script" is no
// flag word).
enum class PROGRAM_ACTION { RUN, SHOW_HELP, SHOW_VERSION, UNKNOWN_OPTION };
// An unknown option anywhere wins (Unknown receives the first; "--script"
// without a file name is one), then "--help", then "--version". Script
// receives the script's file name, empty for standard input.
PROGRAM_ACTION Read_Program_Options(int argc, char** argv, std::string& Unknown);
PROGRAM_ACTION Read_Program_Options(int argc, char** argv, std::string& Unknown, std::string& Script);
// The text "--help" prints; DataBeside is the folder looked for beside the
// executable.
std::string Usage_Text(const std::string& DataBeside);
// "Vazarudu Kelvo 2019 (V21.01)".
std::string Version_Text();

// Flags from the bare words of the command line, then from "CommandLine.txt"
// in the current folder (its text ends at a NUL byte). Arguments beginning
// with '-' are options, not flags. What the log should hear (a word of the
// command line that is no flag, a flags file that was not read or held a
// NUL) is added to *pNotes, to be written once the log has been started.
unsigned Read_Startup_Flags(int argc, char** argv, std::vector<std::string>* pNotes = nullptr);
// Deletes "debug.txt" and writes the start line.
void Start_Debug_Log();
// The folder "data" beside the executable (found through /proc/self/exe,
// else argv[0]), whether or not it exists.
std::string Data_Folder_Beside_Program(const char* szArgv0);
// The folder the program works in: $KELVO_DATA when set (and not empty),
// else the folder "data" beside the executable. Empty when the chosen folder
// does not exist; Problem then holds one line saying so.
std::string Find_Data_Folder(const char* szArgv0, std::string& Problem);
// Removes the temporaries a writer killed before its rename left in the data
// folder (the current folder) and the folders in it that writers replace
// files in ("Databases", "playbooks", "Output" ...); finishes or discards
// the commit of a year a database build was killed in
// (Finish_Interrupted_Build_Commits), then removes the files a build staged
// and was killed before it put in place (Discard_All_Staged_Build_Files);
// the count of files and records handled. Start_Up calls it only once the
// default league has loaded, so a start that refuses to run changes nothing.
int Remove_Leftover_Temporaries();
// The start-up in the data folder (the current folder), up to the loaded
// default league; false when the league does not load.
bool Start_Up(int argc, char** argv);
// Enters the data folder, locks it (another program on it: a line on stderr
// and PROGRAM_EXIT_FAILED, nothing written), starts up and runs the message
// loop on the script; the exit status.
int Start_And_Run(const char* szArgv0, int argc, char** argv, FILE* pScript, const char* szScriptName);
// The desktop window, when the program has one: opens the display and, when it
// answers, installs the desktop backend of the ui model and returns true;
// false leaves the run headless. Start-up calls it before the main window is
// created, unless "--headless" is given.
using DESKTOP_STARTER = bool (*)(int* pArgc, char*** pArgv);
void Set_Desktop_Starter(DESKTOP_STARTER pStarter);
// The line said (on stderr and in "debug.txt") when no display answers.
constexpr const char* NO_DISPLAY_NOTICE = "kelvo: no display; running headless";
// Whether the arguments hold "--headless" (the script's file name is no
// option).
bool Has_Headless_Option(int argc, char** argv);
// Runs the program; returns the process exit code (PROGRAM_EXIT_...).
// Start-up goes in this order: the flags from the command line, then from
// "CommandLine.txt"; "debug.txt" rewritten with its start line; the random
// numbers seeded; the owners' hall of fame made sure of; the main window
// created at the rectangle stored there; accelerator table 101 loaded; the
// default league database loaded (a failure ends the program); then the
// message loop, which shows the welcome dialog first. The desktop window
// (when a starter is set, the display answers and "--headless" is not given)
// is opened just before the main window; either way the loop reads the
// script (or standard input) when one is given.
int Run_Program(int argc, char** argv);

// Start-up and shut-down of the program.
#pragma once

#include <string>

// Version shown in the start line and the file head.
constexpr int PROGRAM_YEAR = 2019;
constexpr int PROGRAM_VERSION_MAJOR = 21;
constexpr int PROGRAM_VERSION_MINOR = 1;

constexpr const char* DEFAULT_DATABASE = "Databases/Universe-2019.dat";
constexpr const char* COMMAND_LINE_FILE = "CommandLine.txt";

// Flags from the command line, then from "CommandLine.txt".
unsigned Read_Startup_Flags(int argc, char** argv);
// Deletes "debug.txt" and writes the start line.
void Start_Debug_Log();
// The folder the program works in: the data folder beside the executable,
// or $KELVO_DATA when set. Empty when neither exists.
std::string Find_Data_Folder(const char* szArgv0);
// Runs the program; returns the process exit code.
int Run_Program(int argc, char** argv);

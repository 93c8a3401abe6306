// The entry points of the export and data tools that a script runs by name
// ("tool Export_Html_Encyclopedia"), on the league in memory. Names are the
// functions' own, letter case ignored; arguments are whole numbers or texts
// as each tool takes them.
#pragma once

#include <string>
#include <vector>

// Runs the tool Words[0] with the arguments Words[1...]. false, with Problem
// saying why, for an unknown name or arguments the tool does not take; true
// once the tool ran (Result then tells what it did, one line).
bool Run_Tool_By_Name(const std::vector<std::string>& Words, std::string& Result, std::string& Problem);
// The names of the tools, for the help text.
std::vector<std::string> List_Tool_Names();

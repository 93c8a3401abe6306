// Saves the user asked for in a dialog (a game, a playbook) that failed, the
// user told why in a box: counted here, below every folder that saves, so
// that a script whose line asked for such a save fails on that line.
#pragma once

#include <string>

// Counts one failed save; Text is what its box said.
void Note_Failed_Save(const std::string& Text);
// How many were counted since the program started, and the last one's text.
int Count_Failed_Saves();
std::string Last_Failed_Save_Text();

// A step the user asked for that was refused with a box and changed nothing
// (an import that found nothing to take, a season past the league's
// records): counted the same way, so that a script's line fails on it.
void Note_Refused_Step(const std::string& Text);
int Count_Refused_Steps();
std::string Last_Refused_Step_Text();

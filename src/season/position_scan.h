// The position codes of files from before the fullback had a code of its own.
#pragma once

// For every player of every team in use (franchises in use and slots 36-40):
// a running back (1) whose rated measure is at least 70 becomes a fullback
// (2), and every position from 2 to 13 moves up by one. Quarterbacks stay.
void Scan_Player_Records_On_Load();

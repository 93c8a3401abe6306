// The status bar: a 36-pixel band above the news bar that names the phase
// of the season, the user's club with its record, and whether games are
// being played. (The season's timeline strip comes with the watched game.)
#pragma once

#include <cstddef>
#include <string>

#include "platform/main_frame.h"   // STATUS_BAR_HEIGHT

// The two short labels of the current phase: "Round %d" / "Pick %d" in a
// fantasy draft, the year / "Amateur Draft" in the college draft, the year /
// "Offseason" after the season, else the year / the week's name. Each
// buffer holds nSize bytes; null is ignored.
void Format_Phase_Labels(char* szFirst, char* szSecond, size_t nSize);

struct STATUS_BAR_TEXT {
    std::string Phase;    // "2019 Week 3"
    std::string Club;     // "Buffalo Frost 2-1", "" with no club of the user's
    std::string Activity; // "Playing games..." while a run plays days
};
STATUS_BAR_TEXT Get_Status_Bar_Text();

void Create_Main_Status_Bar();
void Destroy_Main_Status_Bar();
bool Is_Status_Bar_Shown();
void Reset_Status_Bar();

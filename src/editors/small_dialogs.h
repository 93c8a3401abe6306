// Small dialogs: Database Notes (164), Injury Contingency (158), Did You
// Know? (156) with its four hints, and the stroke tester (184).
#pragma once

#include <cstddef>
#include <string>

class DIALOG;

constexpr int DATABASE_NOTES_DIALOG = 164;
constexpr int INJURY_CONTINGENCY_DIALOG = 158;
constexpr int DID_YOU_KNOW_DIALOG = 156;
constexpr int STROKE_TESTER_DIALOG = 184;

// Database Notes.
constexpr int NOTES_EDIT = 1331;
constexpr int NOTES_DONE_BUTTON = 1;
constexpr int NOTES_CANCEL_BUTTON = 2;
// The edit takes 500 characters and all 500 are kept.
constexpr int DATABASE_NOTES_LIMIT = 500;

// Injury Contingency.
constexpr int INJURY_WEEKS_EDIT = 1021;
constexpr int INJURY_STOP_CHECK = 1022;
constexpr int INJURY_OK_BUTTON = 1;
constexpr int INJURY_CANCEL_BUTTON = 2;
constexpr int INJURY_HELP_BUTTON = 9;
// Preference 55 of 0 means "off, 4 weeks".
constexpr int DEFAULT_INJURY_WEEKS = 4;

// Did You Know?
constexpr int HINT_OK_BUTTON = 1;
constexpr int HINT_SHOW_AT_STARTUP_CHECK = 1022;
constexpr int HINT_NEXT_BUTTON = 1273;
constexpr int HINT_TEXT_LIST = 1274;
constexpr int HINT_COUNT = 4;
// Enough for the longest hint and its terminator.
constexpr size_t HINT_TEXT_SIZE = 166;

// The stroke tester: three trackbars of thousandths (amplitude, frequency,
// wander of Squiggle_Path), their values beside them, and the square the
// test stroke is drawn in.
constexpr int STROKE_OK_BUTTON = 1;
constexpr int STROKE_AREA = 41001;
constexpr int STROKE_FIRST_TRACKBAR = 41002;   // 41002-41004
constexpr int STROKE_FIRST_VALUE = 41005;      // 41005-41007
constexpr int STROKE_TRACKBARS = 3;

// Copies hint nHint (0-3) with its terminator into szOut (at least
// HINT_TEXT_SIZE bytes); any other index gives hint 0 (reported).
void Get_Hint_Text(int nHint, char* szOut);

void Database_Notes_Dialog(DIALOG& Dialog, int nEvent, int nControl);
void Injury_Contingency_Dialog(DIALOG& Dialog, int nEvent, int nControl);
void Did_You_Know_Dialog(DIALOG& Dialog, int nEvent, int nControl);
void Stroke_Tester_Dialog(DIALOG& Dialog, int nEvent, int nControl);
// A trackbar's thousandths read "%d.%03d": Format_Thousandths (city_editor.h).

int Run_Database_Notes_Dialog();
// 1 stored, 0 cancelled.
int Run_Injury_Contingency_Dialog();
// Shows hint nFirstHint (taken modulo 4) first; bShowAtStartup fills the
// check box and receives it when the dialog ends. The hint shown last is
// returned through pLastHint when it is not null.
// Runs the stroke tester (the shell offers it only under "DTXT_AGG").
int Run_Stroke_Tester_Dialog();
int Run_Did_You_Know_Dialog(bool& bShowAtStartup, int nFirstHint = 0, int* pLastHint = nullptr);

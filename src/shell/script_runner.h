// The headless message loop: a script of lines takes the place of the
// user's clicks and keys.
//
// One instruction a line; blank lines and lines beginning with '#' are
// skipped. Words are separated by blanks; a word with blanks is written in
// double quotes ("Buffalo Frost"; \" and \\ inside).
//
//   command NAME|ID        a menu command by its name ("One Week", any case)
//                          or id (40011); the rest of the line is the name
//   key KEY                a key of accelerator table 101 ("Ctrl+1")
//   answer yes|no|ok|cancel
//                          the answer for the next message box
//   answer yes|no|ok|cancel if asked
//                          the same for a box the step may not show (a
//                          save's "Overwrite?"): unasked, it lapses
//   dialog ID select CONTROL TEXT   choose the entry TEXT of a list or combo,
//                                   or the report-list row whose first cell is TEXT
//   dialog ID select CONTROL @N     choose its entry (row, in the order shown) N (from 0)
//   dialog ID open CONTROL TEXT|@N  double-click an entry of a list or a row
//   dialog ID toggle CONTROL TEXT|@N
//                                   flip one entry of a multi-select list (Ctrl+click)
//   dialog ID set CONTROL TEXT      put TEXT into an edit
//   dialog ID check CONTROL 0|1     check or clear a check box
//   dialog ID spin CONTROL up|down  click an arrow of an up-down control
//   dialog ID slide CONTROL VALUE   move a slider's thumb to VALUE, as a drag does
//   dialog ID radio CONTROL         choose a radio button
//   dialog ID press CONTROL         press a button
//   dialog ID column CONTROL CODE   click the header of the report-list column
//                                   whose code (tag) is CODE
//   dialog ID move-column CONTROL CODE POSITION
//                                   drag that header to POSITION (0 the leftmost)
//   dialog ID menu CONTROL ITEM     right-click the report list (on its focused
//                                   row, if any) and choose ITEM of its popup menu
// Entries and popup items match with their "&" marks ignored, in any case.
//   welcome new|resume|quit         the welcome dialog's choice
//   timeline page|label|N  a click on the status bar's timeline: the page
//                          box, the label's box (one week) or cell N (1-5)
//   calendar WEEK          a click on week WEEK (1-22) of the Calendar page
//   calendar watch WEEK    a click on its watch mark
//   tool NAME [ARG...]     an export or data tool run by its function's name
//                          (letter case ignored) on the league in memory;
//                          arguments are whole numbers or quoted texts
//   quit                   Exit, offering to save as Exit does
//
// Answers and dialog actions are queued for the boxes and dialogs that the
// next command opens. The welcome dialog runs when the first command, key
// or quit line is reached (or the script ends), so the lines before it
// answer the welcome dialog and what it opens, and those it leaves wait for
// that first command. Each line acts once: a box or
// dialog given no line takes its default button, a dialog still open after
// its lines is closed by Cancel, and a box that would overwrite a file is
// declined unless a line answers it ("answer ok if asked" answers it when
// it is asked, and lapses when it is not). A line the dialog refuses ends it with
// Cancel (one it could never take, before any of its lines acts). Every box
// and dialog run is written to "debug.txt" and to standard output; the run
// ends with a summary of the files it wrote, a failed run too (after the
// message naming its line).
//
// A line the program cannot carry out stops the run with exit status 2 and a
// message naming the line: an unknown instruction or command, an action the
// open dialog has no control for (or a disabled one), an answer that fits no
// button of its box, an answer or action that nothing opened took (a line
// left when the welcome dialog's Quit ended the program among them), a save
// asked for in the Save dialog (by Save Game, or at quit) that failed, a
// button whose box says it did not do its work (Print without a usable
// name, a failed export of View Encyclopedia, the simulator on a finished
// season), a file a dialog's action could not load (the line of that
// action fails: the press of Resume or Load, the season chosen), or a line
// holding a NUL byte;
// a read error of the input stops it too. A UTF-8
// byte-order mark before the first line is skipped. A
// failed run saves nothing the script did not save before the failure. The
// end of the script, like quit, offers to save and ends with exit status 0.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr int SCRIPT_EXIT_OK = 0;
constexpr int SCRIPT_EXIT_FAILED = 2;

// The data folder's lock file was made by this program at its start: it
// stays after the program ends (the lock is the program's hold on the file,
// not the file), so the closing summary names it among the files written.
void Note_Lock_File_Made();

// Runs the lines of pInput (named szName in messages) as the message loop of
// a started program whose default league is loaded. Returns the exit status.
int Run_Script(FILE* pInput, const char* szName);

// A whole number as a script writes it (an int's range, nothing after it);
// false for anything else.
bool Parse_Script_Number(const std::string& Word, int& nValue);

// The longest line a script may hold, without its line end.
constexpr size_t SCRIPT_LINE_LIMIT = 4096;
// How Read_Script_Line read a line.
enum class SCRIPT_LINE_READ { LINE, END, TOO_LONG, HAS_NUL, READ_ERROR };
// Reads one line of a script; END at the end of the input, READ_ERROR (errno
// set) when the input cannot be read on. The reading stops at the first NUL
// byte (HAS_NUL) and as soon as the line is past SCRIPT_LINE_LIMIT
// (TOO_LONG), without looking for its end: the run stops there, and an input
// with no line end (a device, say) must not be read for ever. A UTF-8
// byte-order mark at the start of the first line (bFirst) and a CR before
// the line end are dropped.
SCRIPT_LINE_READ Read_Script_Line(FILE* pInput, std::string& Line, bool bFirst);

// Splits a line into words as the script reads it; false with Problem set
// for an unterminated quote or an unknown escape.
bool Split_Script_Line(const std::string& Line, std::vector<std::string>& Words, std::string& Problem);

// The season timeline: the strip of the status bar that shows where the
// season stands and moves it on with one click. A record box and a label
// for the viewed club (preference 32) sit on the bar's left picture; five
// cells follow for what comes next: the next weeks, the playoff rounds, or
// the off-season's four steps (Renew Contracts, Free Agents, College Draft,
// Begin Season, whose done flags are preferences 176-179).
//
// Everything here is the strip's model: its geometry in the bar's pixels,
// its texts and colours, the hit test and what a click does. The shell
// draws it on the status bar's canvas and routes the bar's clicks here; the
// Calendar page's clicks on weeks not yet played come to
// Timeline_Advance_To_Week too.
//
// Days: d is the current day (preference 23), P2 the first playoff day
// (Get_Playoff_Start_Day). Days before P2 are the regular season, P2 to
// P2 + 3 the four playoff rounds, P2 + 4 and later (the off-season's 100
// too) the off-season phase.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr int TIMELINE_CELLS = 5;
constexpr int TIMELINE_CELL_WIDTH = 134;
// The off-season's step cells and their flags (preferences 176-179).
constexpr int TIMELINE_STEPS = 4;
constexpr int TIMELINE_STEP_RENEW_CONTRACTS = 0;
constexpr int TIMELINE_STEP_FREE_AGENTS = 1;
constexpr int TIMELINE_STEP_COLLEGE_DRAFT = 2;
constexpr int TIMELINE_STEP_BEGIN_SEASON = 3;
// The free-agents list the Free Agents step opens.
constexpr int FREE_AGENTS_LIST_DIALOG = 130;

// Colours (0xRRGGBB): the strip's text, the text while the strip ignores
// clicks, and an off-season step that is done or not open yet.
constexpr uint32_t TIMELINE_TEXT_RGB = 0xFFFF00;
constexpr uint32_t TIMELINE_INACTIVE_RGB = 0xB4B4B4;
constexpr uint32_t TIMELINE_DONE_RGB = 0xA0A000;

// The report of a missing left picture (the strip is then not laid out).
constexpr const char* TIMELINE_MISSING_PICTURE_FORMAT =
    "Missing File: %s (required by Timeline.cpp for text placement)";

// A rectangle in the status bar's pixels; right and bottom lie outside.
struct TIMELINE_BOX {
    int nLeft = 0;
    int nTop = 0;
    int nRight = 0;
    int nBottom = 0;
    bool Contains(int x, int y) const { return x >= nLeft && x < nRight && y >= nTop && y < nBottom; }
};

// The fixed boxes on the left picture (it is drawn at its own size, so they
// do not move when the window is resized): the viewed club's record, the
// box that switches the page, the label, and the box that plays one day.
constexpr TIMELINE_BOX TIMELINE_RECORD_BOX{5, 8, 75, 31};
constexpr TIMELINE_BOX TIMELINE_PAGE_BOX{0, 8, 58, 33};
constexpr TIMELINE_BOX TIMELINE_LABEL_BOX{125, 8, 370, 31};
constexpr TIMELINE_BOX TIMELINE_ADVANCE_BOX{93, 8, 253, 33};

// Where the five cells stand for a bar W pixels wide whose left picture is B
// wide: the pitch c = (W - B) / 5 and cell i at x0 + i x c with
// x0 = (c - 134) / 2 + B. When the pitch is narrower than a cell, the cells
// narrow to the pitch (x0 = B), so no two cells overlap and a click always
// lands in the cell drawn under it.
struct TIMELINE_LAYOUT {
    bool bLaidOut = false;   // false: nothing is drawn and no click lands
    int nWidth = 0;          // W
    int nLeftWidth = 0;      // B
    int nPitch = 0;          // c
    int nCellWidth = 0;      // 134, or c when c is smaller
    int nCellX[TIMELINE_CELLS] = {};
};
// A width or picture width of 0 or less gives a layout not laid out.
TIMELINE_LAYOUT Layout_Timeline(int nClientWidth, int nLeftPictureWidth);
// Cell i's hit box (x, 8)-(x + width, 58) and its text box (x + 13 to
// x + width - 13, rows 8-33). An empty box for a bad i or no layout.
TIMELINE_BOX Get_Timeline_Cell_Box(const TIMELINE_LAYOUT& Layout, int nCell);
TIMELINE_BOX Get_Timeline_Cell_Text_Box(const TIMELINE_LAYOUT& Layout, int nCell);

// What the strip shows now.
struct TIMELINE_CELL {
    std::string Text;      // Windows-1252; "" for a blank cell
    bool bDone = false;    // an off-season step done or not open: (160, 160, 0)
    uint32_t nRgb = TIMELINE_TEXT_RGB;
};
struct TIMELINE_VIEW {
    bool bActive = false;
    std::string Record;    // "(7-3)"; "" for a slot that is no franchise
    std::string Label;     // "Week 4 @City (2-1)", "Wildcard vs. City", "Off-Season" ...
    uint32_t nTextRgb = TIMELINE_TEXT_RGB;
    TIMELINE_CELL Cells[TIMELINE_CELLS];
};
TIMELINE_VIEW Get_Timeline_View();

// The working copy of the four step flags (bit j: step j done or not open):
// the stored preferences 176-179, with Renew Contracts counted as done unless
// a user-run club has expiring contracts and the day is not 100.
unsigned Get_Timeline_Step_Flags();

// The strip takes clicks unless the shell disabled it, a game not yet over
// is on screen or a run is playing days (or a day advance is under way).
bool Is_Timeline_Active();
void Set_Timeline_Enabled(bool bEnabled);
// How the strip learns that a game is on the main window's screen (the game
// view's own pointer); null: only the game being played counts.
void Set_Timeline_Game_On_Screen_Query(bool (*pQuery)());

// True where a click would do something: the page box; the advance box
// before the off-season; a week or playoff cell a click can jump to; the
// off-season's Free Agents, College Draft and Begin Season steps (done or
// not, they act), and Renew Contracts while a user club's contracts expire
// before the off-season has begun.
bool Is_Timeline_Hot_Spot(const TIMELINE_LAYOUT& Layout, int x, int y);
// A click in the bar's pixels: the page box switches to the Calendar, the
// Playoffs or the Standings page; the advance box plays one day; cell i
// jumps to day d + i + 1. Nothing while the strip is inactive.
void Timeline_Click(const TIMELINE_LAYOUT& Layout, int x, int y);
// From day nFrom to the cell of day nTo: asks, then plays the days (or runs
// the off-season step). Also called by the Calendar page for a week not yet
// played (nTo = nFrom plays the current week).
void Timeline_Advance_To_Week(int nFrom, int nTo);

// The round of day nDay: "Wildcard", "Divisional", "Conference" ("Title
// Game" before 1970), "Super Bowl", "Off-Season"; "" for other days.
void Get_Playoff_Round_Name(char* szOut, size_t nSize, int nDay);
// The question before simulating the current playoff round; "" (reported)
// outside the four rounds.
void Get_Playoff_Simulation_Message(char* szOut, size_t nSize);
// Asks before simulating n days; ID_YES (6) or ID_NO (7).
int Confirm_Simulate_Weeks(int nWeeks);

// Tests and the script runner: the strip's call of the day advance (null:
// Advance_Day).
void Set_Timeline_Day_Advancer(void (*pAdvance)(int nDays));
// Tests: the steps' start (or continuation) of the off-season's college
// draft (null: Start_College_Draft, or Resume_College_Draft for a draft
// under way).
void Set_Timeline_Draft_Runner(void (*pRun)());

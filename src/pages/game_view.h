// The game view: the Games page while a game is shown (the game a user
// watches, or the record preference 34 names). At the top the scoreboard
// (the clubs, their scores and timeouts, the quarter and the clock, the
// down and distance and the spot), below it the play-by-play box that the
// engine has painted frame by frame, the field strip with the ball, and the
// play-calling area: the ten diagrams of the page that preference 57
// (offence) or 58 (defence) names, with the page buttons. A click on a
// diagram, or its digit key (1-9, 0 for the tenth), makes the call.
//
// Laid out in the 768 x 507 design space like every page and scaled to the
// area it is painted in; the hot spots are the painted rectangles, so a
// click lands on what the user sees at any size. Painting never changes a
// game; the input only makes the user's calls through the engine and turns
// the pages of plays (preferences 57 and 58).
#pragma once

#include <cstdint>
#include <string>

#include "pages/page_layout.h"
#include "platform/canvas.h"

struct GAME;

constexpr int GAME_VIEW_DIAGRAMS = 10;    // a page of plays
constexpr int GAME_VIEW_LAST_FRAME = 10;  // a play's frames are 0-10

// --- Layout (design units) ---------------------------------------------------
struct GAME_VIEW_LAYOUT {
    PAGE_RECT Scoreboard;       // the dark band at the top
    PAGE_RECT Name[2];          // 0 away, 1 home
    PAGE_RECT Score[2];
    PAGE_RECT Timeouts[2];
    PAGE_RECT Clock;            // "2nd 12:34", "Final"
    PAGE_RECT Title;            // the week's name
    PAGE_RECT Situation;        // "3rd & 7 at ALP 34"
    PAGE_RECT TextBox;          // the play-by-play
    PAGE_RECT Field;            // the field strip with the ball
    PAGE_RECT CallHeader;       // who calls, and the page
    PAGE_RECT Previous;         // the page buttons
    PAGE_RECT Next;
    PAGE_RECT CallArea;         // everything below the header
    PAGE_RECT Diagram[GAME_VIEW_DIAGRAMS];   // two rows of five
    PAGE_RECT Called[2];        // the two calls made, when none is awaited
    PAGE_RECT LineScore;        // the points by quarter, below them
};
const GAME_VIEW_LAYOUT& Get_Game_View_Layout();

// --- What the user calls now -------------------------------------------------
enum GAME_VIEW_SIDE : int {
    CALLING_NONE = 0,      // no call of the user's is awaited
    CALLING_OFFENSE = 1,   // the offence's playbook, 60 plays on six pages
    CALLING_DEFENSE = 2,   // the defence's, 30 plays on three pages
    CALLING_KICKOFF = 3,   // the ten kick plays on one page
};
struct GAME_VIEW_CALLING {
    int nSide = CALLING_NONE;
    int nTeam = -1;        // whose playbook the diagrams show
    int nKind = 0;         // DIAGRAM_OFFENSE, _DEFENSE or _KICK
    int nPage = 0;         // 0..nPages - 1
    int nPages = 0;
    int nSuggested = -1;   // the computer's own call (its diagram is drawn lighter); -1 none
};
GAME_VIEW_CALLING Get_Game_View_Calling();
// The pages of a side (6, 3 and 1; 0 for none).
int Get_Game_View_Page_Count(int nSide);
// The page a side shows: preference 57 (offence) or 58 (defence) held in
// 0..last; the kick-off's one page is 0.
int Get_Game_View_Page(int nSide);
// The play index of a diagram slot 0-9 on the side's page now; -1 for none.
int Get_Game_View_Play(const GAME_VIEW_CALLING& Calling, int nSlot);

// --- Texts -------------------------------------------------------------------
// "1st 15:00" .. "4th 0:07", "OT 9:12" ("OT2" and on), "Final" ("Final OT").
std::string Format_Game_Clock(const GAME* pGame);
// "3rd & 7", "1st & Goal", "Kick-off", "Free kick", "Extra point try";
// "" for a finished game.
std::string Format_Down_And_Distance(const GAME* pGame);
// The spot from the offence's view: "ALP 34" in its own half, "BRA 20" in
// the other, "the 50".
std::string Format_Game_Spot(const GAME* pGame);

// --- Showing it ----------------------------------------------------------------
// True on the Games page while the engine shows a game.
bool Is_Game_View_Shown();
// The game view shows a game not yet over (a game over is only read).
bool Is_Game_Under_Way_On_Screen();
// Paints the whole view into the area (clipped to it).
void Paint_Game_View(CANVAS& Canvas, const CANVAS_RECT& rcArea);

// --- The play-by-play, frame by frame ------------------------------------------
// Paints the box into the view painted in rcArea as frame 0-10 of the play
// just run shows it (sentences 0..frame of the ten narration buffers), or
// with bFinal the final state (all of them); returns the intervals to wait
// before the next frame: 1 to 3 for a new sentence by its length, 1 after
// the last frame of a play that said anything, else 0.
int Paint_Play_Text_Box(CANVAS& Canvas, const CANVAS_RECT& rcArea, int nFrame, bool bFinal);
// The intervals a sentence stays before the next: 1 for every 60 letters
// begun, at most 3; 0 for none.
int Get_Sentence_Wait(const char* szText);
// The same wait as Paint_Play_Text_Box's, without painting.
int Get_Play_Text_Wait(int nFrame, bool bFinal);
// Keeps the sentences of the play just run (the used entries of its
// narration queue, in order) for the box; the first frame of a play does it.
void Take_Play_Texts(const GAME* pGame);
int Get_Play_Text_Count();
// The engine's hook: the frame the view shows from now on (painted with the
// next repaint of the page); returns the wait as above.
int Show_Play_Text_Frame(int nFrame, bool bFinal);
// The frame shown now; -1 for the final state (also before any play).
int Get_Play_Text_Frame();
// The engine is about to run a watched snap: the game as it stands before
// it is kept (one copy, no allocation), and the scoreboard, the field strip
// and the line score show it while the play is told, up to the sentence of
// its result; from that frame on, and in the final state, they show the game
// as the play left it. Null lets a held snap go (a play not told).
void Hold_Game_View_Snap(const GAME* pGame);
// The frame of the play just run whose sentence tells its result: the last
// of its sentences before those told after the whistle (a first down, an
// injury, the end of a period, a turnover on downs); 0 for a play that said
// nothing.
int Get_Play_Result_Frame();
// The game as the scoreboard and the field strip show it now: the snap kept
// while the play's sentences before its result are told, else the game
// shown (null for none).
const GAME* Get_Game_View_Situation();
// The calls of the play the first frame told, which the calling area shows
// while no call is awaited: the offence's (a kick play 0-9 at a kick-off)
// and the defence's (none against a kick), each with the club whose
// playbook it is, the clubs of the snap; -1 for none. A game shown that
// ended after plays nobody was told (Stop, or a finished game shown afresh,
// as a resumed game's) shows from its first frame the calls of its last
// play and the final score in the box, as Finish Game leaves it.
struct GAME_VIEW_LAST_CALLS {
    int nCall[2] = {-1, -1};
    int nTeam[2] = {-1, -1};
    int nKind[2] = {0, 1};   // DIAGRAM_OFFENSE or DIAGRAM_KICK, DIAGRAM_DEFENSE
};
const GAME_VIEW_LAST_CALLS& Get_Game_View_Last_Calls();

// --- Input ----------------------------------------------------------------------
// Hot spots: 0-9 the diagrams, then the page buttons.
constexpr int GAME_VIEW_HIT_NONE = -1;
constexpr int GAME_VIEW_HIT_PREVIOUS = 10;
constexpr int GAME_VIEW_HIT_NEXT = 11;
// A hot spot in the pixels of the area the view is painted in.
CANVAS_RECT Get_Game_View_Hot_Spot(const CANVAS_RECT& rcArea, int nSpot);
// The hot spot under (x, y) of a view whose side has nPages pages (the page
// buttons only with more than one); GAME_VIEW_HIT_NONE between them.
int Find_Game_View_Hot_Spot(const CANVAS_RECT& rcArea, int x, int y, int nPages);
// The same while a call is awaited; GAME_VIEW_HIT_NONE when none is.
int Hit_Test_Game_View(const CANVAS_RECT& rcArea, int x, int y);
// Turns a side's page by nDelta within 0..last (preference 57 or 58); false,
// and nothing changed, beyond them or for a side without pages.
bool Turn_Game_View_Page(int nSide, int nDelta);
// A click at (x, y) of the area: any click lets a play that waits for one
// go on; a diagram makes its call, a page button turns the page. True when
// anything changed (the view wants a repaint).
bool Click_Play_Call_Area(const CANVAS_RECT& rcArea, int x, int y);
// The diagram slot of a digit key: '1'-'9' the first nine, '0' the tenth
// (the labels' (play + 1) mod 10); -1 for any other key.
int Get_Game_View_Key_Slot(int nKey);
// A key ('0'-'9') pressed over the view: the diagram with that label makes
// its call. True when the key was taken.
bool Press_Game_View_Key(int nKey);
// The pages of a finished game shown: a click on its line score opens its
// box score, on its play-by-play its recap. GAME_VIEW_PAGE_NONE elsewhere,
// and while the game is not over.
constexpr int GAME_VIEW_PAGE_NONE = 0;
constexpr int GAME_VIEW_PAGE_BOX_SCORE = 1;
constexpr int GAME_VIEW_PAGE_RECAP = 2;
int Find_Game_View_Page_Link(const CANVAS_RECT& rcArea, int x, int y);

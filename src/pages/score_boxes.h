// The two small boxes in the top-right corner of the Standings, Leaders,
// Finances and Calendar pages: the score of the game being played, and the
// season's date labels. Both share one rectangle: while a run plays games
// the score box of the last game the engine drew stands there, else the date
// box.
//
// The engine tells of a new score through Draw_Game_Score_Box
// (engine/injury_services.h), which hands the game to the view installed:
// Record_Game_Score_Box only records the two clubs and their scores (no
// text, no allocation); the page painter paints the box with the page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "pages/page_layout.h"
#include "platform/canvas.h"

struct GAME;

// The pages that show the corner boxes: Standings and Calendar. (Leaders
// and Finances have no page yet; each names itself here when it comes, the
// Leaders page with bLeadersPage, its box standing 11 units higher.)
bool Is_Corner_Box_Page(int nPage);
// x 668-760, y 25-54 (14-43 on the Leaders page), in design units; the two
// lines split it at y 39 (28): line 0 above, line 1 below.
PAGE_RECT Get_Corner_Box_Rect(bool bLeadersPage);
PAGE_RECT Get_Corner_Box_Line(bool bLeadersPage, int nLine);

// The lines' colours (0xRRGGBB): white over yellow; with dark text
// (preference 201) black over dark red; with the "ice" or "fire" skin white
// over light grey whatever the setting.
constexpr uint32_t CORNER_LIGHT_FIRST = 0xFFFFFF;
constexpr uint32_t CORNER_LIGHT_SECOND = 0xFFF945;
constexpr uint32_t CORNER_DARK_FIRST = 0x000000;
constexpr uint32_t CORNER_DARK_SECOND = 0x6E0000;
constexpr uint32_t CORNER_SKIN_FIRST = 0xFFFFFF;
constexpr uint32_t CORNER_SKIN_SECOND = 0xD4D4D4;
// The pages have no background picture under the box, so it is filled: a
// dark plate under light lines, the page's paper under dark ones.
constexpr uint32_t CORNER_PLATE_DARK = 0x1C1B19;
struct CORNER_BOX_COLOURS {
    uint32_t nFirst = CORNER_LIGHT_FIRST;
    uint32_t nSecond = CORNER_LIGHT_SECOND;
    uint32_t nPlate = CORNER_PLATE_DARK;
};
CORNER_BOX_COLOURS Get_Corner_Box_Colours();
// True when the current skin is "ice" or "fire" (any case).
bool Is_Skin_Ice_Or_Fire();

// The two short labels of the current phase: "Round %d" / "Pick %d" in a
// fantasy draft, the year / "Amateur Draft" in the college draft, the year /
// "Offseason" after the season, else the year / the week's name. Each
// buffer holds nSize bytes; null is ignored.
void Format_Phase_Labels(char* szFirst, char* szSecond, size_t nSize);

// --- The score box ----------------------------------------------------------
// What the box shows: the clubs (0 away, 1 home) and their scores.
struct SCORE_BOX {
    bool bShown = false;
    int nTeam[2] = {0, 0};
    int nScore[2] = {0, 0};
};
// The engine drew the game's score: recorded for the box when its two clubs
// are different franchises 0-35, else the box is taken down. Null: down.
void Record_Game_Score_Box(const GAME* pGame);
const SCORE_BOX& Get_Score_Box();
void Clear_Game_Score_Box();
// A club's name in the box: its nickname, or its city when the nickname is
// "Vazarudu Team".
std::string Get_Score_Box_Team_Name(int nTeam);
// Whether the box is up now: a game recorded while a run plays games.
bool Is_Score_Box_Shown();

// --- Painting (into a page painted in rcArea) --------------------------------
// The score box: line 1 the away club, line 2 the home club, each name on the
// left and its score on the right.
void Paint_Game_Score_Box(CANVAS& Canvas, const CANVAS_RECT& rcArea, bool bLeadersPage);
// The date box: the two phase labels, each centred in its line, a label too
// wide for its line set in a smaller font.
void Draw_Season_Date_Box(CANVAS& Canvas, const CANVAS_RECT& rcArea, bool bLeadersPage);
// Where a line's text goes in pixels (the line less its insets), for the page
// painted in rcArea.
CANVAS_RECT Get_Corner_Line_Text_Rect(const CANVAS_RECT& rcArea, bool bLeadersPage, int nLine);
// The font the date box draws szText in on line nLine: the box's font at the
// page's scale, smaller when the text would not fit the line otherwise.
CANVAS_FONT Get_Date_Box_Font(const CANVAS_RECT& rcArea, bool bLeadersPage, int nLine, const char* szText);
// Whichever of the two is up, on a page that shows them; nothing elsewhere.
void Paint_Corner_Boxes(CANVAS& Canvas, const CANVAS_RECT& rcArea, int nPage);

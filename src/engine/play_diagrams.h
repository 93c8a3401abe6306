// Play diagrams: a play (offensive, defensive or kick) drawn as a hand-drawn
// chalkboard sketch of its players, routes, blocks and zones, for the
// play-calling area of a watched game and the playbook editor.
//
// Everything is built in yards in the formation's frame (x across the field,
// 0 at the ball, negative to the offence's left; y along it, 0 at the line
// of scrimmage, positive downfield) as stroke paths of a SKETCH_RECORD, then
// rendered into a rectangle of a canvas with downfield up.
//
// Drawing never draws from the game's generator and never writes a league
// record: the wiggles come from the sketch renderer's own generator, seeded
// from the play, the kind and the week.
#pragma once

#include <cstddef>
#include <cstdint>

#include "league/game_record.h"
#include "platform/canvas.h"
#include "platform/sketch.h"

// Diagram kinds.
constexpr int DIAGRAM_OFFENSE = 0;
constexpr int DIAGRAM_DEFENSE = 1;
constexpr int DIAGRAM_KICK = 2;

// Path colours, 0xAARRGGBB.
constexpr uint32_t DIAGRAM_YELLOW = 0xFFFFF945;
constexpr uint32_t DIAGRAM_WHITE = 0xFFFFFFFF;
constexpr uint32_t DIAGRAM_BLACK = 0xFF000000;
constexpr uint32_t DIAGRAM_PRIMARY = 0xFFFFAAAA;            // the primary receiver or the carrier
constexpr uint32_t DIAGRAM_PRIMARY_HIGHLIGHT = 0xFFFFD7D7;  // the same, highlighted in the editor
constexpr uint32_t DIAGRAM_PLAYER_FILL = 0xFFAAA62E;
constexpr uint32_t DIAGRAM_ZONE_FILL = 0xFFA6BD2F;
constexpr uint32_t DIAGRAM_ZONE_FILL_HIGHLIGHT = 0xFFCBD638;

// Backgrounds of the kinds (0xRRGGBB), plain and alternate; caption colours;
// the outline.
constexpr uint32_t DIAGRAM_BACKGROUND[3] = {0x007336, 0x0F590A, 0x64370E};
constexpr uint32_t DIAGRAM_BACKGROUND_ALTERNATE[3] = {0x32A568, 0x418B3C, 0x966940};
constexpr uint32_t DIAGRAM_CAPTION_COLOUR[3] = {0xFFFFFF, 0xFFF945, 0xFFFFFF};
constexpr uint32_t DIAGRAM_OUTLINE = 0xCBD638;

// The x of run hole 0-9 (1, -1, 3, -3, ... 9, -9); 0 for any other value.
double Get_Run_Hole_X(int nHole);

// Adds one route segment from (fFromX, fFromY) to (fToX, fToY) with its
// segment flags (WIGGLE ... NEW_PATH of playbook_records.h) to the sketch:
// a straight or arched line, wiggled or dotted, with an arrow head, a hitch
// dot and a block bar as the flags ask. An arrowed line stops short of the
// end so the head's tip sits on it; an arch or a segment whose ends are equal
// gets no arrow and no hitch. A line longer than 100,000 yards (or not a
// number) is refused with "Refusing to add insane line length of: %f".
void Build_Route_Path(SKETCH_RECORD& Sketch, uint32_t nFlags, double fFromX, double fFromY, double fToX,
                      double fToY);

// Empties the sketch (keeping its buffers), starts a path and sets the view
// in yards: (-18, -9, 18, 14) for offence and kicks, (-17, -5, 17, 17) for
// defence; an offensive play in the punt or field-goal formation, a reverse
// or a kneel-down is seen 4 yards further back. Rendering settings 1, 0, 3.
// Team byte 255 (or -1) reads the built-in plays. Returns 1.
int Set_Play_Diagram_View(SKETCH_RECORD& Sketch, int nKind, int nTeam, int nPlay);
// The field's marks under a diagram of the kind: the line of scrimmage and
// the yard lines every five yards across the view.
void Add_Play_Diagram_Marker(SKETCH_RECORD& Sketch, int nKind);

// The routes of slots 0-5 (passer and receivers), the snap of a deep-snap
// formation and, unless a kick, the line's blocking.
void Draw_Offensive_Routes(SKETCH_RECORD& Sketch, int nTeam, int nPlay, bool bKick);
// Each of the 11 defenders' responsibility from his spot.
void Draw_Defensive_Routes(SKETCH_RECORD& Sketch, int nTeam, int nPlay);
void Draw_Offense_Players(SKETCH_RECORD& Sketch, int nFormation);
void Draw_Defense_Players(SKETCH_RECORD& Sketch, int nTeam, int nPlay);
// An ellipse 3.5 across and 1.0 deep about each zone defender's drop point.
void Draw_Zone_Marks(SKETCH_RECORD& Sketch, int nTeam, int nPlay);
void Draw_Kick_Path(SKETCH_RECORD& Sketch);
// The blocking of a line slot 6-10 by the play's type.
void Draw_Line_Blocking(SKETCH_RECORD& Sketch, int nTeam, int nPlay, int nSlot);
void Draw_Run_Block(SKETCH_RECORD& Sketch, int nTeam, int nPlay, int nSlot);
void Draw_Pull_Block(SKETCH_RECORD& Sketch, int nTeam, int nPlay, int nSlot);
void Draw_Trap_Block(SKETCH_RECORD& Sketch, int nTeam, int nPlay, int nSlot);
void Draw_Pass_Block(SKETCH_RECORD& Sketch, int nTeam, int nPlay, int nSlot);

// The seed of a diagram's wiggles: (play x 100 + kind) x 100 + w, with w 104
// in the off-season and 7 x week + 249 otherwise.
uint32_t Get_Play_Diagram_Seed(int nPlay, int nKind);

// Draws a whole diagram into the rectangle (a design rectangle scaled to the
// client area when bEnlarge): the background of the kind (bAlternate the
// lighter set), the field's marks, the players and their paths, the outline,
// the caption (when nFont is an application font 0-38) and, on a user-run
// club's plays, the digit label of the play's key. A play that is not valid
// leaves the rectangle as it was but for the label.
void Draw_Play_Diagram(CANVAS& Canvas, const CANVAS_RECT& rcDiagram, int nTeam, int nPlay, int nFont, int nKind,
                       bool bAlternate, bool bEnlarge);

// The caption of a diagram: the play's name by kind; "Field Goal" (in any
// case) reads "Extra Point" while the game on screen is at a conversion.
void Get_Play_Diagram_Caption(int nTeam, int nPlay, int nKind, char* szCaption, size_t nSize);

// "Primary Route:" then a line feed (bLineBreak) or a blank, then
// "Backfield" or "%d-%d Yards", for a passing play whose primary receiver has
// a route; "" otherwise.
void Show_Route_Tooltip(char* szText, size_t nSize, int nTeam, int nPlay, bool bLineBreak);

// The slot the playbook editor highlights (-1 none, the default).
void Set_Play_Diagram_Highlight_Slot(int nSlot);
// What the game view highlights, for the zone marks (-1 none, the default).
void Set_Highlighted_Game_Player(int nSlot);
bool Is_Highlighted_Game_Player(int nSlot);
// The game on screen, whose down turns "Field Goal" into "Extra Point";
// null (the default) takes the game being played.
void Set_Play_Diagram_Game(const GAME* pGame);

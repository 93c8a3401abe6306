// Play diagrams: route segments into stroke paths, the players, routes and
// blocks of a play, and the whole diagram with its background and caption.
#include "engine/play_diagrams.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "base/text_utils.h"
#include "engine/formations.h"
#include "engine/game_driver.h"
#include "engine/play_data.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/human_teams.h"
#include "league/preferences.h"
#include "platform/errors.h"

namespace {

constexpr unsigned DIAGRAM_CHANNEL = 0x10000;
constexpr unsigned SELECTOR_CHANNEL = 0x30000;

constexpr double LINE_WIDTH = 0.3;
constexpr double PRIMARY_WIDTH = 0.45;
constexpr double ZONE_WIDTH = 0.2;
constexpr double PLAYER_RADIUS = 0.6;
// A "Deep Zone" defender lined up shallower than this is drawn at the depth below.
constexpr double DEEP_ZONE_SHALLOWEST = 5.0;
constexpr double DEEP_ZONE_DRAWN_DEPTH = 11.25;

constexpr uint32_t ALL_ARROWS = ARROW | LARGE_ARROW | LARGER_ARROW;

constexpr int RUSH_ROUTE = 54;
constexpr int ROLLOUT_ROUTE = 48;
constexpr int DEEP_ROLLOUT_ROUTE = 49;
constexpr int BACKFIELD_ROUTE_KIND = 1;

int s_nHighlightSlot = -1;
int s_nHighlightedGamePlayer = -1;
const GAME* s_pScreenGame = nullptr;

// The width w in drawing units: times the sketch's scale when one is set.
float Scaled_Width(const SKETCH_RECORD& Sketch, double fWidth)
{
    double fScale = Sketch.fScale;
    if (!(fScale > 0) || !std::isfinite(fScale))
        return static_cast<float>(fWidth);
    return static_cast<float>(fWidth * fScale);
}

SKETCH_PATH* Current_Path(SKETCH_RECORD& Sketch)
{
    if (Sketch.nPathCount <= 0 || static_cast<size_t>(Sketch.nPathCount) > Sketch.Paths.size())
        return nullptr;
    return &Sketch.Paths[static_cast<size_t>(Sketch.nPathCount) - 1];
}

// A new path with the current one's attributes, drawn plain and filled in
// its outline colour (nColor when given).
void New_Filled_Path(SKETCH_RECORD& Sketch, int64_t nColor = -1)
{
    start_new_path(Sketch, -1);
    SKETCH_PATH* pPath = Current_Path(Sketch);
    if (!pPath)
        return;
    pPath->nShape = SKETCH_SHAPE_LINE;
    pPath->fShape1 = pPath->fShape2 = pPath->fShape3 = 0;
    if (nColor != -1)
        pPath->nColor = static_cast<uint32_t>(nColor);
    pPath->nFill = 1;
    pPath->nColor2 = pPath->nColor;
}

// A path of the given colour and width, starting afresh (not filled, plain).
void New_Path(SKETCH_RECORD& Sketch, uint32_t nColor, double fWidth)
{
    start_new_path(Sketch, nColor);
    Set_Path_Width(Sketch, Scaled_Width(Sketch, fWidth));
}

// Whether the pen (the current path's last vertex) stands at (x, y). An
// empty path has no pen: it always starts with a move, so a path never opens
// with a line from nowhere.
bool Pen_Is_At(const SKETCH_RECORD& Sketch, double x, double y)
{
    if (Sketch.nPathCount <= 0 || static_cast<size_t>(Sketch.nPathCount) > Sketch.Paths.size())
        return false;
    size_t nFirst = static_cast<size_t>(std::max(Sketch.Paths[static_cast<size_t>(Sketch.nPathCount) - 1].nFirstVertex, 0));
    if (Sketch.Storage.Vertices.size() <= nFirst)
        return false;
    const SKETCH_VERTEX& Last = Sketch.Storage.Vertices.back();
    return Last.nCommand != SKETCH_CLOSE && Last.x == x && Last.y == y;
}

void Apply_Wiggle_Or_Dots(SKETCH_RECORD& Sketch, uint32_t nFlags, bool bSecond)
{
    if (nFlags & WIGGLE) {
        Squiggle_Path(Sketch, 0.75, 0.2, 0.25);
        Debug_Message(DIAGRAM_CHANNEL, bSecond ? "Wiggled2!" : "Wiggled!");
    } else if (nFlags & DOTTED_LINE) {
        Dot_Path(Sketch, 1.0, 1.5);
        Debug_Message(DIAGRAM_CHANNEL, bSecond ? "Dotted2!" : "Dotted!");
    }
}

void Add_Arrow_Head(SKETCH_RECORD& Sketch, double fLength, double fHalfWidth, double fAngle, double fToX,
                    double fToY)
{
    SKETCH_PATH Line;
    if (const SKETCH_PATH* p = Current_Path(Sketch))
        Line = *p;
    New_Filled_Path(Sketch);
    const double Corners[3][2] = {{0.0, 0.0}, {-fLength, fHalfWidth}, {-fLength, -fHalfWidth}};
    double c = std::cos(fAngle), s = std::sin(fAngle);
    for (int i = 0; i < 3; ++i) {
        double x = Corners[i][0] * c - Corners[i][1] * s + fToX;
        double y = Corners[i][0] * s + Corners[i][1] * c + fToY;
        if (i == 0)
            Move_To(Sketch.Storage, x, y);
        else
            Line_To(Sketch.Storage, x, y);
    }
    Close_Polygon(Sketch.Storage);
    // The route goes on in a path like its line.
    start_new_path(Sketch, -1);
    if (SKETCH_PATH* p = Current_Path(Sketch)) {
        int32_t nFirst = p->nFirstVertex;
        *p = Line;
        p->nFirstVertex = nFirst;
    }
    Debug_Message(DIAGRAM_CHANNEL, "Arrowed!");
}

void Add_Hitch_Dot(SKETCH_RECORD& Sketch, double fToX, double fToY)
{
    SKETCH_PATH Line;
    if (const SKETCH_PATH* p = Current_Path(Sketch))
        Line = *p;
    double fRadius = Line.fWidth;
    // A ring of the route's colour about a black centre.
    New_Filled_Path(Sketch);
    Set_Path_Width(Sketch, 0.0f);
    Add_Path_Point(Sketch.Storage, fToX, fToY, fRadius, fRadius);
    New_Filled_Path(Sketch, DIAGRAM_BLACK);
    Set_Path_Width(Sketch, 0.0f);
    double fInner = fRadius - 0.18;
    if (fInner > 0)
        Add_Path_Point(Sketch.Storage, fToX, fToY, fInner, fInner);
    start_new_path(Sketch, -1);
    if (SKETCH_PATH* p = Current_Path(Sketch)) {
        int32_t nFirst = p->nFirstVertex;
        *p = Line;
        p->nFirstVertex = nFirst;
    }
    Debug_Message(DIAGRAM_CHANNEL, "Hitched!");
}

void Add_Block_Bar(SKETCH_RECORD& Sketch, double fFromX, double fFromY, double fToX, double fToY)
{
    double ax, ay, bx, by;
    if (fFromX == fToX) {
        double fBeyond = fToY >= fFromY ? 0.05 : -0.05;
        ax = fToX - 0.5, bx = fToX + 0.5;
        ay = by = fToY + fBeyond;
    } else if (fFromY == fToY) {
        ax = bx = fToX;
        ay = fToY - 0.5, by = fToY + 0.5;
    } else {
        constexpr double c = 0.35;
        bool bDown = fFromY > fToY;
        ax = fToX - c, bx = fToX + c;
        if (fFromX > fToX) {  // moving left
            ay = bDown ? fToY + c : fToY - c;
            by = bDown ? fToY - c : fToY + c;
        } else {
            ay = bDown ? fToY - c : fToY + c;
            by = bDown ? fToY + c : fToY - c;
        }
    }
    Build_Route_Path(Sketch, 0, fToX, fToY, ax, ay);
    Build_Route_Path(Sketch, 0, fToX, fToY, bx, by);
    Debug_Message(DIAGRAM_CHANNEL, "Blocked!");
}

// Offence --------------------------------------------------------------------

struct OFFENSE_INFO {
    int nTeam = -1;
    int nPlay = 0;
    int nFormation = 0;
    int nType = -1;
    int nCarrier = -1;   // place 0-10; the primary's slot
    int nRunHole = -1;
    bool bKick = false;
};

OFFENSE_INFO Read_Offense(int nTeam, int nPlay, bool bKick)
{
    OFFENSE_INFO Info;
    Info.nTeam = nTeam;
    Info.nPlay = nPlay;
    Info.bKick = bKick;
    if (bKick) {
        Info.nFormation = Get_Kick_Play_Formation(nPlay);
        Info.nType = Get_Kick_Play_Type(nPlay);
    } else {
        Info.nFormation = Get_Offensive_Play_Formation(nTeam, nPlay);
        Info.nType = Get_Offensive_Play_Type(nTeam, nPlay);
        Info.nCarrier = Get_Offensive_Play_Carrier(nTeam, nPlay);
        Info.nRunHole = Get_Offensive_Play_Run_Hole(nTeam, nPlay);
    }
    if (Info.nFormation < 0 || Info.nFormation >= FORMATION_COUNT)
        Info.nFormation = Clamp_Formation_Id(Info.nFormation);
    return Info;
}

void Spot_Of(int nFormation, int nPlace, double* px, double* py)
{
    Get_Formation_Coordinate(Clamp_Formation_Id(nFormation), nPlace, px, py);
}

uint32_t Slot_Colour(int nSlot, bool bPrimary)
{
    bool bHighlighted = nSlot == s_nHighlightSlot;
    if (bPrimary)
        return bHighlighted ? DIAGRAM_PRIMARY_HIGHLIGHT : DIAGRAM_PRIMARY;
    return bHighlighted ? DIAGRAM_WHITE : DIAGRAM_YELLOW;
}

int Sign_Of(double x)
{
    return x > 0 ? 1 : x < 0 ? -1 : 0;
}

// The carrier's run to the hole (route 54) or a play-action fake (31, 32, 37).
void Draw_Run_To_Hole(SKETCH_RECORD& Sketch, const OFFENSE_INFO& Info, int nRoute, double X, double Y)
{
    bool bFake = nRoute != RUSH_ROUTE;
    int nHole = Info.nRunHole;
    if (bFake && !Is_Passing_Play(Info.nTeam, Info.nPlay) && !Info.bKick)
        nHole = Get_Offensive_Play_Action_Hole(Info.nTeam, Info.nPlay);
    if (nHole < 0)
        return;
    double fHoleX = Get_Run_Hole_X(nHole);
    double fShift = Play_Has_Lead_Block(Info.nTeam, Info.nPlay) ? -0.35 * Sign_Of(fHoleX) : 0.0;
    double T = fHoleX + fShift;
    double TC = std::clamp(T, -8.0, 8.0);
    double k = (Y + 1.6) / 3.4;
    double fTruncY = std::trunc(Y);
    double fLastX, fLastY;
    if (std::fabs(X) > 5.0) {
        Build_Route_Path(Sketch, 0, X, Y, 0.8 * X, -3.2);
        Build_Route_Path(Sketch, 0, 0.8 * X, -3.2, TC, -3.2);
        fLastX = TC, fLastY = -3.2;
    } else if (Info.nType == PLAY_TYPE_COUNTER) {
        double J = fHoleX >= 0 ? std::max(X, 0.0) - 2.0 : std::min(X, 0.0) + 2.0;
        double fJogY = fTruncY - (std::fabs(X - J) + 3.0) * k / 6.0 - 0.5;
        Build_Route_Path(Sketch, 0, X, Y, J, fJogY);
        fLastX = TC;
        fLastY = fTruncY - (std::fabs(J - T) + 3.0) * k / 6.0 + 0.5;
        Build_Route_Path(Sketch, 0, J, fJogY, fLastX, fLastY);
    } else {
        fLastX = TC;
        fLastY = fTruncY - (std::fabs(X - T) + 3.0) * k / 6.0;
        Build_Route_Path(Sketch, 0, X, Y, fLastX, fLastY);
    }
    Build_Route_Path(Sketch, bFake ? ARROW : LARGER_ARROW, fLastX, fLastY, T, 4.7);
}

void Draw_Lead_Block(SKETCH_RECORD& Sketch, const OFFENSE_INFO& Info, double x, double y)
{
    double fHoleX = Get_Run_Hole_X(Info.nRunHole);
    double o = Is_Running_Play(Info.nTeam, Info.nPlay) ? 0.35 * Sign_Of(fHoleX) : 0.0;
    double fFirstY = std::trunc(y) + 2.4;
    Build_Route_Path(Sketch, 0, x, y, fHoleX + o, fFirstY);
    Build_Route_Path(Sketch, 0, fHoleX + o, fFirstY, fHoleX + o, 2.2);
    Build_Route_Path(Sketch, BLOCK, fHoleX + o, 2.2, fHoleX + 3 * o, 3.0);
}

void Draw_Pass_Route(SKETCH_RECORD& Sketch, int nRoute, bool bPrimary, bool bPasser, double x, double y)
{
    const PASS_ROUTE* pRoute = Get_Pass_Route(nRoute);
    if (!pRoute)
        return;
    double fStartX = x, fStartY = y;
    bool bLeft = x < 0;
    if (y < -2.0 && !bPasser && pRoute->nKind != BACKFIELD_ROUTE_KIND) {
        // A back running a receiver's route first gets out to the flat.
        double fSide = bLeft ? -1.0 : 1.0;
        Build_Route_Path(Sketch, 0, x, y, 5.0 * fSide, y);
        Build_Route_Path(Sketch, 0, 5.0 * fSide, y, 7.2 * fSide, -1.0);
        fStartX = 7.2 * fSide;
        fStartY = -1.0;
    }
    double fPrevX = fStartX, fPrevY = fStartY;
    double fRelX = 0, fRelY = 0;
    for (int i = 0; i < ROUTE_POINTS; ++i) {
        const ROUTE_POINT& Point = pRoute->Point[i];
        if (Point.x != 0.0 || Point.y != 0.0) {
            fRelX = Point.x;
            fRelY = Point.y;
        }
        double fToX = std::clamp((bLeft ? -fRelX : fRelX) + fStartX, -17.0, 17.0);
        double fToY = fRelY + fStartY;
        uint32_t nFlags = Get_Pass_Route_Segment_Flag(nRoute, i);
        if (nFlags & ALL_ARROWS)
            nFlags = (nFlags & ~ALL_ARROWS) | (bPrimary ? LARGER_ARROW : LARGE_ARROW);
        Build_Route_Path(Sketch, nFlags, fPrevX, fPrevY, fToX, fToY);
        fPrevX = fToX;
        fPrevY = fToY;
    }
}

// A drive block away from the hole, with its bar.
void Add_Run_Block(SKETCH_RECORD& Sketch, double x, double y, double fHoleX)
{
    double s = fHoleX > x ? -1.0 : 1.0;
    Build_Route_Path(Sketch, 0, x, y, x + s, y + 2.0);
    Build_Route_Path(Sketch, 0, x + 0.6 * s, y + 2.2, x + 1.4 * s, y + 1.8);
}

// Whether line slot nSlot stands on the side of x (only the guards, slots 7
// and 9, ever do).
bool Slot_On_Side(int nFormation, int nSlot, double fSideX)
{
    if (nSlot != 7 && nSlot != 9)
        return false;
    double x, y;
    Spot_Of(nFormation, nSlot, &x, &y);
    return fSideX * x > 0;
}

}  // namespace

// ---------------------------------------------------------------------------

double Get_Run_Hole_X(int nHole)
{
    static constexpr double HOLE_X[RUN_HOLE_COUNT] = {1, -1, 3, -3, 5, -5, 7, -7, 9, -9};
    return nHole >= 0 && nHole < RUN_HOLE_COUNT ? HOLE_X[nHole] : 0.0;
}

void Build_Route_Path(SKETCH_RECORD& Sketch, uint32_t nFlags, double fFromX, double fFromY, double fToX,
                      double fToY)
{
    double fArrowLength = 0.8, fArrowHalfWidth = 0.4;
    if (nFlags & LARGE_ARROW)
        fArrowLength = 0.9, fArrowHalfWidth = 0.45;
    else if (nFlags & LARGER_ARROW)
        fArrowLength = 1.1, fArrowHalfWidth = 0.55;
    bool bArrowed = (nFlags & ALL_ARROWS) != 0;
    if (nFlags & NEW_PATH)
        start_new_path(Sketch, -1);
    if (Sketch.nPathCount <= 0)
        start_new_path(Sketch, -1);

    bool bMarked = false;
    if (nFlags & (TOP_SEMI | BOTTOM_SEMI)) {
        double fRadius = std::fabs(fToX - fFromX) / 2.0;
        double fBulge = std::fabs(fToX - fFromX) / 3.5;
        bool bSweep;
        if (nFlags & TOP_SEMI) {
            fBulge *= 1.15;
            bSweep = true;
        } else {
            double fFloor = std::min(Sketch.nViewTop, Sketch.nViewBottom) + 2.0;
            if (fFloor > fFromY + fBulge)
                fBulge = std::fabs(fFromY - fFloor);
            bSweep = false;
        }
        if (fToX > fFromX)
            bSweep = !bSweep;
        Move_To(Sketch.Storage, fFromX, fFromY);
        Arc_To(Sketch.Storage, fRadius, fBulge, 0.0, false, bSweep, fToX, fToY);
        Debug_Message(DIAGRAM_CHANNEL, "arc_to %f,%f %f,%f", fFromX, fFromY, fToX, fToY);
    } else if (!(nFlags & SKIP_LINE) && !(fFromX == fToX && fFromY == fToY)) {
        if (!Pen_Is_At(Sketch, fFromX, fFromY)) {
            Move_To(Sketch.Storage, fFromX, fFromY);
            Debug_Message(DIAGRAM_CHANNEL, "move_to %f,%f", fFromX, fFromY);
        }
        double fEndX = fToX, fEndY = fToY;
        if (bArrowed) {
            double d = 1.2 * std::hypot(fToX - fFromX, fToY - fFromY);
            double t = (d - fArrowLength) / d;
            fEndX = fFromX + t * (fToX - fFromX);
            fEndY = fFromY + t * (fToY - fFromY);
        }
        double fSum = std::fabs(fFromX - fEndX) + std::fabs(fFromY - fEndY);
        if (!(fSum <= 100000.0)) {
            Report_Error("Refusing to add insane line length of: %f", std::sqrt(fSum));
            return;
        }
        Line_To(Sketch.Storage, fEndX, fEndY);
        Debug_Message(DIAGRAM_CHANNEL, "line_to %f,%f", fEndX, fEndY);
        Apply_Wiggle_Or_Dots(Sketch, nFlags, false);
        bMarked = true;
        if (bArrowed)
            Add_Arrow_Head(Sketch, fArrowLength, fArrowHalfWidth, std::atan2(fEndY - fFromY, fEndX - fFromX),
                           fToX, fToY);
        if (nFlags & HITCH)
            Add_Hitch_Dot(Sketch, fToX, fToY);
    }
    if (!bMarked)
        Apply_Wiggle_Or_Dots(Sketch, nFlags, true);
    if (nFlags & BLOCK)
        Add_Block_Bar(Sketch, fFromX, fFromY, fToX, fToY);
}

int Set_Play_Diagram_View(SKETCH_RECORD& Sketch, int nKind, int nTeam, int nPlay)
{
    // Emptied but for the buffers' capacity, so a page of diagrams reuses them.
    std::vector<SKETCH_PATH> Paths = std::move(Sketch.Paths);
    std::vector<SKETCH_VERTEX> Vertices = std::move(Sketch.Storage.Vertices);
    Paths.clear();
    Vertices.clear();
    Sketch = SKETCH_RECORD{};
    Sketch.Paths = std::move(Paths);
    Sketch.Storage.Vertices = std::move(Vertices);
    start_new_path(Sketch, DIAGRAM_YELLOW);
    if (nKind == DIAGRAM_DEFENSE) {
        Sketch.nViewLeft = -17, Sketch.nViewTop = -5, Sketch.nViewRight = 17, Sketch.nViewBottom = 17;
    } else {
        Sketch.nViewLeft = -18, Sketch.nViewTop = -9, Sketch.nViewRight = 18, Sketch.nViewBottom = 14;
        if (nKind == DIAGRAM_OFFENSE) {
            int nFormation = Get_Offensive_Play_Formation(nTeam, nPlay);
            if (nFormation == PUNT_FORMATION || nFormation == FIELD_GOAL_FORMATION || Is_Reverse_Play(nTeam, nPlay) ||
                Is_Kneel_Down_Play(nTeam, nPlay)) {
                Sketch.nViewTop = -13;
                Sketch.nViewBottom = 10;
            }
        }
    }
    Sketch.nSetting1 = 1;
    Sketch.nSetting2 = 0;
    Sketch.nSetting3 = 3;
    return 1;
}

void Add_Play_Diagram_Marker(SKETCH_RECORD& Sketch, int nKind)
{
    int nTop = std::min(Sketch.nViewTop, Sketch.nViewBottom);
    int nBottom = std::max(Sketch.nViewTop, Sketch.nViewBottom);
    double fLeft = Sketch.nViewLeft, fRight = Sketch.nViewRight;
    // Yard lines every five yards, faint; the line of scrimmage brighter.
    for (int y = (nTop / 5) * 5; y <= nBottom; y += 5) {
        if (y == 0)
            continue;
        New_Path(Sketch, 0x38FFFFFF, 0.12);
        Move_To(Sketch.Storage, fLeft, y);
        Line_To(Sketch.Storage, fRight, y);
    }
    // Hash marks a third of the way across on each side.
    for (int y = nTop; y <= nBottom; ++y) {
        if (y % 5 == 0)
            continue;
        New_Path(Sketch, 0x30FFFFFF, 0.1);
        for (double fHash : {-6.0, 6.0}) {
            Move_To(Sketch.Storage, fHash - 0.4, y);
            Line_To(Sketch.Storage, fHash + 0.4, y);
        }
    }
    New_Path(Sketch, nKind == DIAGRAM_KICK ? 0x90FFF945 : 0x90FFFFFF, 0.18);
    Move_To(Sketch.Storage, fLeft, 0.0);
    Line_To(Sketch.Storage, fRight, 0.0);
    if (nKind == DIAGRAM_DEFENSE)
        Dot_Path(Sketch, 1.0, 1.5);
}

void Draw_Offensive_Routes(SKETCH_RECORD& Sketch, int nTeam, int nPlay, bool bKick)
{
    OFFENSE_INFO Info = Read_Offense(nTeam, nPlay, bKick);
    Debug_Message(DIAGRAM_CHANNEL, "Draw_Offensive_Routes(%d,%d)", nTeam, nPlay);
    bool bDeepSnap = Is_Deep_Snap_Formation(Info.nFormation);
    double fPasserX, fPasserY;
    Spot_Of(Info.nFormation, 0, &fPasserX, &fPasserY);
    if (bDeepSnap) {
        New_Path(Sketch, s_nHighlightSlot == 0 ? DIAGRAM_WHITE : DIAGRAM_YELLOW, LINE_WIDTH);
        Build_Route_Path(Sketch, DOTTED_LINE, 0.001, 0.001, 0.001, fPasserY);
    }
    for (int nSlot = 0; nSlot <= PLAY_RECEIVERS; ++nSlot) {
        bool bPrimary = !bKick && nSlot == Info.nCarrier;
        New_Path(Sketch, Slot_Colour(nSlot, bPrimary), bPrimary ? PRIMARY_WIDTH : LINE_WIDTH);
        int nRoute = NO_ROUTE;
        if (nSlot > 0) {
            nRoute = bKick ? Get_Kick_Play_Route(nPlay, nSlot - 1) : Get_Offensive_Play_Route(nTeam, nPlay, nSlot - 1);
        } else {
            switch (Info.nType) {
            case PLAY_TYPE_RUSH: case PLAY_TYPE_SWEEP: case PLAY_TYPE_DRAW: case PLAY_TYPE_TRAP:
            case PLAY_TYPE_COUNTER:
                if (Info.nCarrier == 0)
                    nRoute = RUSH_ROUTE;
                break;
            case PLAY_TYPE_ROLLOUT: case PLAY_TYPE_BOOTLEG:
                nRoute = bDeepSnap ? DEEP_ROLLOUT_ROUTE : ROLLOUT_ROUTE;
                break;
            default: break;
            }
        }
        double x, y;
        Spot_Of(Info.nFormation, nSlot, &x, &y);
        switch (nRoute) {
        case RUSH_ROUTE: case ROUTE_PLAY_ACTION_DUMP: case ROUTE_PLAY_ACTION_FLAT: case ROUTE_PLAY_ACTION:
            Draw_Run_To_Hole(Sketch, Info, nRoute, x, y);
            break;
        case ROUTE_LEAD_BLOCK:
            Draw_Lead_Block(Sketch, Info, x, y);
            break;
        case 41:  // "Run Block"
            Add_Run_Block(Sketch, x, y, Get_Run_Hole_X(Info.nRunHole));
            break;
        default:
            if (nRoute >= 0 && nRoute < PASS_ROUTE_COUNT)
                Draw_Pass_Route(Sketch, nRoute, bPrimary, nSlot == 0, x, y);
            break;
        }
    }
    if (!bKick) {
        New_Path(Sketch, DIAGRAM_YELLOW, LINE_WIDTH);
        for (int nSlot = 6; nSlot < FORMATION_PLACES; ++nSlot)
            Draw_Line_Blocking(Sketch, nTeam, nPlay, nSlot);
    }
}

void Draw_Line_Blocking(SKETCH_RECORD& Sketch, int nTeam, int nPlay, int nSlot)
{
    if (nPlay < 0 || nPlay >= OFFENSIVE_PLAY_COUNT || nSlot < 0 || nSlot >= FORMATION_PLACES)
        return;
    OFFENSE_INFO Info = Read_Offense(nTeam, nPlay, false);
    double fHoleX = Get_Run_Hole_X(Info.nRunHole);
    double fPrimaryX = 0, fPrimaryY = 0;
    if (Info.nCarrier >= 0)
        Spot_Of(Info.nFormation, Info.nCarrier, &fPrimaryX, &fPrimaryY);
    bool bHoleSide = Slot_On_Side(Info.nFormation, nSlot, fHoleX);
    bool bOtherSide = Slot_On_Side(Info.nFormation, nSlot, -fHoleX);
    bool bPrimarySide = Slot_On_Side(Info.nFormation, nSlot, fPrimaryX);
    switch (Info.nType) {
    case PLAY_TYPE_RUSH: case PLAY_TYPE_TOSS: case PLAY_TYPE_COUNTER:
        Draw_Run_Block(Sketch, nTeam, nPlay, nSlot);
        break;
    case PLAY_TYPE_SWEEP:
        if (bHoleSide)
            Draw_Pull_Block(Sketch, nTeam, nPlay, nSlot);
        else
            Draw_Run_Block(Sketch, nTeam, nPlay, nSlot);
        break;
    case PLAY_TYPE_TRAP:
        if (bOtherSide)
            Draw_Trap_Block(Sketch, nTeam, nPlay, nSlot);
        else
            Draw_Run_Block(Sketch, nTeam, nPlay, nSlot);
        break;
    case PLAY_TYPE_END_AROUND: case PLAY_TYPE_DOUBLE_REVERSE: case PLAY_TYPE_REVERSE:
        if (bHoleSide && !Play_Has_Play_Action(nTeam, nPlay))
            Draw_Pull_Block(Sketch, nTeam, nPlay, nSlot);
        else
            Draw_Run_Block(Sketch, nTeam, nPlay, nSlot);
        break;
    case PLAY_TYPE_DRAW: case PLAY_TYPE_PASS: case PLAY_TYPE_BOOTLEG: case PLAY_TYPE_PUNT:
    case PLAY_TYPE_FIELD_GOAL: case PLAY_TYPE_KNEEL_DOWN:
        Draw_Pass_Block(Sketch, nTeam, nPlay, nSlot);
        break;
    case PLAY_TYPE_ROLLOUT:
        if (bPrimarySide)
            Draw_Pull_Block(Sketch, nTeam, nPlay, nSlot);
        else
            Draw_Pass_Block(Sketch, nTeam, nPlay, nSlot);
        break;
    case PLAY_TYPE_SCREEN:
        if (bPrimarySide && !Play_Has_Play_Action(nTeam, nPlay))
            Draw_Pull_Block(Sketch, nTeam, nPlay, nSlot);
        else
            Draw_Pass_Block(Sketch, nTeam, nPlay, nSlot);
        break;
    default:  // trick passes, kick-offs, onside kicks, spikes
        break;
    }
}

void Draw_Run_Block(SKETCH_RECORD& Sketch, int nTeam, int nPlay, int nSlot)
{
    double x, y;
    Spot_Of(Get_Offensive_Play_Formation(nTeam, nPlay), nSlot, &x, &y);
    Add_Run_Block(Sketch, x, y, Get_Run_Hole_X(Get_Offensive_Play_Run_Hole(nTeam, nPlay)));
}

void Draw_Pull_Block(SKETCH_RECORD& Sketch, int nTeam, int nPlay, int nSlot)
{
    double x, y;
    Spot_Of(Get_Offensive_Play_Formation(nTeam, nPlay), nSlot, &x, &y);
    double A = x > 0 ? 9.0 : -9.0;
    if (Get_Offensive_Play_Type(nTeam, nPlay) == PLAY_TYPE_DOUBLE_REVERSE)
        A = -A;
    double s = A > x ? 1.0 : -1.0;
    double fEndX = A - 1.2 * s;
    Build_Route_Path(Sketch, 0, x, y, x + s, y - 1.8);
    Build_Route_Path(Sketch, 0, x + s, y - 1.8, A - 1.8 * s, y - 0.8);
    Build_Route_Path(Sketch, 0, A - 1.8 * s, y - 0.8, fEndX, y + 5.0);
    Build_Route_Path(Sketch, 0, fEndX - 0.5, y + 5.1, fEndX + 0.5, y + 5.1);
}

void Draw_Trap_Block(SKETCH_RECORD& Sketch, int nTeam, int nPlay, int nSlot)
{
    double x, y;
    Spot_Of(Get_Offensive_Play_Formation(nTeam, nPlay), nSlot, &x, &y);
    double H = Get_Run_Hole_X(Get_Offensive_Play_Run_Hole(nTeam, nPlay));
    double s = H > x ? 1.0 : -1.0;
    Build_Route_Path(Sketch, 0, x, y, x + s, y - 2.75);
    Build_Route_Path(Sketch, 0, x + s, y - 2.75, H - s, y - 2.75);
    Build_Route_Path(Sketch, 0, H - s, y - 2.75, H + s, y - 1.75);
    Build_Route_Path(Sketch, 0, H + s - 0.12 * s, y - 1.3, H + s + 0.12 * s, y - 2.2);
}

void Draw_Pass_Block(SKETCH_RECORD& Sketch, int nTeam, int nPlay, int nSlot)
{
    double x, y;
    Spot_Of(Get_Offensive_Play_Formation(nTeam, nPlay), nSlot, &x, &y);
    New_Path(Sketch, nSlot == s_nHighlightSlot ? DIAGRAM_WHITE : DIAGRAM_YELLOW, LINE_WIDTH);
    double X2 = x + x / 6.0;
    double Y2 = y + 1.0 + 0.41 * (6.0 - std::fabs(x)) / 6.0;
    double a = 0.35 * x / 6.0;
    double c = 0.5 - std::fabs(0.15 * x / 6.0);
    Build_Route_Path(Sketch, 0, x + 0.001, y, X2, Y2);
    Build_Route_Path(Sketch, 0, X2 - c, Y2 + a, X2 + c, Y2 - a);
}

// Defence --------------------------------------------------------------------

namespace {

int Defense_Formation(int nTeam, int nPlay)
{
    int nFormation = Get_Defensive_Play_Formation(nTeam, nPlay);
    return nFormation < 0 ? BASE_43_FORMATION : Clamp_Formation_Id(nFormation);
}

// A defender's spot, a shallow "Deep Zone" defender drawn at his depth.
void Defender_Spot(int nTeam, int nPlay, int nFormation, int nPlace, double* px, double* py)
{
    Spot_Of(nFormation, nPlace, px, py);
    if (Get_Defensive_Play_Role(nTeam, nPlay, nPlace) == RESPONSIBILITY_DEEP_ZONE && *py < DEEP_ZONE_SHALLOWEST)
        *py = DEEP_ZONE_DRAWN_DEPTH;
}

}  // namespace

void Draw_Defensive_Routes(SKETCH_RECORD& Sketch, int nTeam, int nPlay)
{
    Debug_Message(DIAGRAM_CHANNEL, "Draw_Defensive_Routes(%d)", nPlay);
    int nFormation = Defense_Formation(nTeam, nPlay);
    for (int nPlace = 0; nPlace < DEFENDER_PLACES; ++nPlace) {
        New_Path(Sketch, nPlace == s_nHighlightSlot ? DIAGRAM_WHITE : DIAGRAM_YELLOW, LINE_WIDTH);
        double x, y;
        Defender_Spot(nTeam, nPlay, nFormation, nPlace, &x, &y);
        int nRole = Get_Defensive_Play_Role(nTeam, nPlay, nPlace);
        float fDropX, fDropDepth;
        if (nRole == RESPONSIBILITY_DEEP_ZONE || nRole == RESPONSIBILITY_SHORT_ZONE) {
            if (Get_Zone_Drop_Point(nTeam, nPlay, nPlace, &fDropX, &fDropDepth))
                Build_Route_Path(Sketch, 0, x, y, fDropX, fDropDepth);
            continue;
        }
        const DEFENSIVE_RESPONSIBILITY* pRole = Get_Defensive_Responsibility(nRole);
        if (!pRole)
            continue;
        bool bMirror = x < 0 && nRole != 4 && nRole != 5;  // the stunts keep their side
        double fPrevX = x, fPrevY = y;
        float fRelX = 0, fRelY = 0;
        for (int i = 0; i < ROUTE_POINTS; ++i) {
            float px = static_cast<float>(pRole->Point[i].x), py = static_cast<float>(pRole->Point[i].y);
            if (px != 0.0f || py != 0.0f)
                fRelX = px, fRelY = py;
            double fToX = std::clamp((bMirror ? -double(fRelX) : double(fRelX)) + x, -16.0, 16.0);
            double fToY = double(fRelY) + y;
            Build_Route_Path(Sketch, pRole->nFlag[i], fPrevX, fPrevY, fToX, fToY);
            fPrevX = fToX;
            fPrevY = fToY;
        }
    }
}

namespace {

void Add_Player_Circle(SKETCH_RECORD& Sketch, int nSlot, double x, double y)
{
    New_Path(Sketch, nSlot == s_nHighlightSlot ? DIAGRAM_WHITE : DIAGRAM_YELLOW, LINE_WIDTH);
    Set_Path_Fill(Sketch, DIAGRAM_PLAYER_FILL);
    Move_To(Sketch.Storage, x - PLAYER_RADIUS, y);
    Arc_To(Sketch.Storage, PLAYER_RADIUS, PLAYER_RADIUS, 0.0, false, true, x + PLAYER_RADIUS, y);
    Arc_To(Sketch.Storage, PLAYER_RADIUS, PLAYER_RADIUS, 0.0, false, true, x - PLAYER_RADIUS, y);
    Close_Polygon(Sketch.Storage);
}

}  // namespace

void Draw_Offense_Players(SKETCH_RECORD& Sketch, int nFormation)
{
    for (int nSlot = 0; nSlot < FORMATION_PLACES; ++nSlot) {
        double x, y;
        Spot_Of(nFormation, nSlot, &x, &y);
        Add_Player_Circle(Sketch, nSlot, x, y);
    }
}

void Draw_Defense_Players(SKETCH_RECORD& Sketch, int nTeam, int nPlay)
{
    int nFormation = Defense_Formation(nTeam, nPlay);
    for (int nPlace = 0; nPlace < DEFENDER_PLACES; ++nPlace) {
        double x, y;
        Defender_Spot(nTeam, nPlay, nFormation, nPlace, &x, &y);
        Add_Player_Circle(Sketch, nPlace, x, y);
    }
}

void Draw_Zone_Marks(SKETCH_RECORD& Sketch, int nTeam, int nPlay)
{
    uint32_t nFill = Is_Highlighted_Game_Player(nPlay) ? DIAGRAM_ZONE_FILL_HIGHLIGHT : DIAGRAM_ZONE_FILL;
    for (int nPlace = 0; nPlace < DEFENDER_PLACES; ++nPlace) {
        New_Path(Sketch, nPlace == s_nHighlightSlot ? DIAGRAM_WHITE : DIAGRAM_YELLOW, ZONE_WIDTH);
        // A see-through fill, so the routes under the zone still show.
        Set_Path_Fill(Sketch, (nFill & 0x00FFFFFF) | 0x50000000);
        float fX, fDepth;
        if (Get_Zone_Drop_Point(nTeam, nPlay, nPlace, &fX, &fDepth))
            Add_Path_Point(Sketch.Storage, fX, fDepth, 3.5, 1.0);
    }
}

void Draw_Kick_Path(SKETCH_RECORD& Sketch)
{
    New_Path(Sketch, DIAGRAM_YELLOW, LINE_WIDTH);
    Build_Route_Path(Sketch, NEW_PATH, -2.0, -4.0, 0.0, -3.0);
    Build_Route_Path(Sketch, LARGER_ARROW, 0.0, -3.0, 0.0, 1.0);
}

// The whole diagram ------------------------------------------------------------

uint32_t Get_Play_Diagram_Seed(int nPlay, int nKind)
{
    int nWeek = Get_User_Preference(PREF_CURRENT_WEEK);
    int w = nWeek == OFFSEASON_WEEK ? 104 : 7 * nWeek + 249;
    return static_cast<uint32_t>((nPlay * 100 + nKind) * 100 + w);
}

namespace {

// Renders with downfield up: the view's smallest y at the rectangle's bottom.
void Render_Upright(CANVAS& Canvas, SKETCH_RECORD& Sketch, const CANVAS_RECT& rc)
{
    std::swap(Sketch.nViewTop, Sketch.nViewBottom);
    Render_Sketch_Paths(Canvas, Sketch, rc.left, rc.top, rc.Width(), rc.Height(), 0.0);
    std::swap(Sketch.nViewTop, Sketch.nViewBottom);
}

void Outline_Rectangle(CANVAS& Canvas, const CANVAS_RECT& rc)
{
    // Each line leaves out its end point.
    CANVAS_COLOR Colour = Rgb_Color(DIAGRAM_OUTLINE);
    int r = rc.right - 1, b = rc.bottom - 1;
    Draw_Absolute_Line(Canvas, CANVAS_RECT{rc.left, rc.top, rc.right, rc.top}, Colour);
    Draw_Absolute_Line(Canvas, CANVAS_RECT{rc.left, b, rc.right, b}, Colour);
    Draw_Absolute_Line(Canvas, CANVAS_RECT{rc.left, rc.top, rc.left, rc.bottom}, Colour);
    Draw_Absolute_Line(Canvas, CANVAS_RECT{r, rc.top, r, rc.bottom}, Colour);
}

// One sketch for every diagram: its buffers are kept from one to the next.
SKETCH_RECORD& Diagram_Sketch()
{
    static SKETCH_RECORD s_Sketch;
    return s_Sketch;
}

}  // namespace

void Draw_Play_Diagram(CANVAS& Canvas, const CANVAS_RECT& rcDiagram, int nTeam, int nPlay, int nFont, int nKind,
                       bool bAlternate, bool bEnlarge)
{
    char szCaption[2048] = "";
    bool bFont = nFont >= 0 && nFont < APP_FONT_COUNT;
    CANVAS_FONT Font;
    if (bFont) {
        Load_App_Fonts();
        Font = Use_App_Font(nFont);
    }
    Debug_Message(SELECTOR_CHANNEL, "Drawing Play Diagram %2d %d", nPlay, nKind);
    CANVAS_RECT rc = rcDiagram;
    if (bEnlarge) {
        Enlarge_Rectangle(rc);
        Font.fHeight *= Get_Client_Scale();
    }
    int k = nKind >= DIAGRAM_OFFENSE && nKind <= DIAGRAM_KICK ? nKind : DIAGRAM_OFFENSE;
    CANVAS_COLOR Background = Rgb_Color(bAlternate ? DIAGRAM_BACKGROUND_ALTERNATE[k] : DIAGRAM_BACKGROUND[k]);
    uint32_t nSeed = Get_Play_Diagram_Seed(nPlay, nKind);

    bool bValid = false;
    switch (nKind) {
    case DIAGRAM_OFFENSE: bValid = Is_Valid_Offensive_Play(nTeam, nPlay); break;
    case DIAGRAM_DEFENSE: bValid = Is_Valid_Defensive_Play(nTeam, nPlay); break;
    case DIAGRAM_KICK: bValid = Is_Valid_Kick_Play(nPlay); break;
    default: break;
    }
    CANVAS_RECT rcOldClip = Canvas.Get_Clip();
    if (bValid && !rc.Is_Empty()) {
        SKETCH_RECORD& Sketch = Diagram_Sketch();
        Draw_Color_Noise(Canvas, rc, Background, 2);
        Set_Play_Diagram_View(Sketch, nKind, nTeam, nPlay);
        Sketch.nSetting2 = static_cast<int32_t>(nSeed);
        Add_Play_Diagram_Marker(Sketch, nKind);
        Render_Upright(Canvas, Sketch, rc);

        Set_Play_Diagram_View(Sketch, nKind, nTeam, nPlay);
        Sketch.nSetting2 = static_cast<int32_t>(nSeed + 1);
        switch (nKind) {
        case DIAGRAM_OFFENSE:
            Draw_Offensive_Routes(Sketch, nTeam, nPlay, false);
            Draw_Offense_Players(Sketch, Get_Offensive_Play_Formation(nTeam, nPlay));
            break;
        case DIAGRAM_DEFENSE:
            Draw_Defensive_Routes(Sketch, nTeam, nPlay);
            Draw_Zone_Marks(Sketch, nTeam, nPlay);
            Draw_Defense_Players(Sketch, nTeam, nPlay);
            break;
        default:
            Draw_Offensive_Routes(Sketch, nTeam, nPlay, true);
            Draw_Offense_Players(Sketch, Get_Kick_Play_Formation(nPlay));
            Draw_Kick_Path(Sketch);
            break;
        }
        Render_Upright(Canvas, Sketch, rc);
        Outline_Rectangle(Canvas, rc);
        Get_Play_Diagram_Caption(nTeam, nPlay, nKind, szCaption, sizeof(szCaption));
    }

    if (szCaption[0] && bFont) {
        CANVAS_RECT rcCaption{rc.left, rc.bottom - 13, rc.right, rc.bottom};
        Draw_Text_In_Box(Canvas, szCaption, rcCaption, TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLELINE | TEXT_END_ELLIPSIS,
                         false, Font, Rgb_Color(DIAGRAM_CAPTION_COLOUR[k]));
    }
    if (Is_Human_Team(nTeam)) {
        char szLabel[8];
        std::snprintf(szLabel, sizeof(szLabel), "%d", (nPlay + 1) % 10);
        CANVAS_FONT LabelFont;
        LabelFont.fHeight = 8.0;
        LabelFont.bBold = true;
        Draw_Label_Box(Canvas, CANVAS_RECT{rc.right - 9, rc.bottom - 10, rc.right - 1, rc.bottom - 2}, szLabel,
                       LabelFont);
    }
    Canvas.Set_Clip(rcOldClip);
    if (bFont)
        Release_App_Font(nFont);
    Debug_Message(SELECTOR_CHANNEL, "Draw_Play_Diagram(,,%d,%2d,%d,%d,%d) took %6d.%03dms", nTeam, nPlay, nFont,
                  nKind, bAlternate ? 1 : 0, 0, 0);
}

void Get_Play_Diagram_Caption(int nTeam, int nPlay, int nKind, char* szCaption, size_t nSize)
{
    if (!szCaption || nSize == 0)
        return;
    szCaption[0] = '\0';
    switch (nKind) {
    case DIAGRAM_OFFENSE: Get_Offensive_Play_Name(nTeam, nPlay, szCaption, nSize); break;
    case DIAGRAM_DEFENSE: Get_Defensive_Play_Name(nTeam, nPlay, szCaption, nSize); break;
    case DIAGRAM_KICK:
        if (nPlay >= 0)
            Get_Kick_Play_Name(nPlay, szCaption, nSize);
        break;
    default: break;
    }
    const GAME* pGame = s_pScreenGame ? s_pScreenGame : Get_Current_Game();
    if (strcasecmp(szCaption, "Field Goal") == 0 && pGame && Is_Conversion_Attempt(pGame))
        Put_Text(szCaption, nSize, "Extra Point");
}

void Show_Route_Tooltip(char* szText, size_t nSize, int nTeam, int nPlay, bool bLineBreak)
{
    if (!szText || nSize == 0)
        return;
    szText[0] = '\0';
    if (!Is_Passing_Play(nTeam, nPlay))
        return;
    int nReceiver = Get_Offensive_Play_Carrier(nTeam, nPlay) - 1;
    if (nReceiver < 0 || nReceiver >= PLAY_RECEIVERS)
        return;
    const PASS_ROUTE* pRoute = Get_Pass_Route(Get_Offensive_Play_Route(nTeam, nPlay, nReceiver));
    if (!pRoute)
        return;
    const char* szBreak = bLineBreak ? "\n" : " ";
    if (pRoute->nMinDepth < 0)
        std::snprintf(szText, nSize, "Primary Route:%sBackfield", szBreak);
    else
        std::snprintf(szText, nSize, "Primary Route:%s%d-%d Yards", szBreak, pRoute->nMinDepth, pRoute->nMaxDepth);
}

void Set_Play_Diagram_Highlight_Slot(int nSlot)
{
    s_nHighlightSlot = nSlot;
}

void Set_Highlighted_Game_Player(int nSlot)
{
    s_nHighlightedGamePlayer = nSlot;
}

bool Is_Highlighted_Game_Player(int nSlot)
{
    return nSlot >= 0 && nSlot == s_nHighlightedGamePlayer;
}

void Set_Play_Diagram_Game(const GAME* pGame)
{
    s_pScreenGame = pGame;
}

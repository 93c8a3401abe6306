#include "pages/game_view.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/game_clock.h"
#include "engine/game_driver.h"
#include "engine/game_log.h"
#include "engine/game_state.h"
#include "engine/narration.h"
#include "engine/play_diagrams.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "engine/play_wording.h"
#include "engine/watched_game.h"
#include "league/game_record.h"
#include "league/human_teams.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "pages/game_services.h"
#include "pages/page_paint.h"

namespace {

// --- Measures of the layout (design units) ----------------------------------
constexpr int MARGIN = PAGE_MARGIN;
constexpr int RIGHT = PAGE_DESIGN_WIDTH - PAGE_MARGIN;
constexpr int BOARD_TOP = 6;
constexpr int BOARD_BOTTOM = 72;
constexpr int TEXT_TOP = 78;
constexpr int TEXT_BOTTOM = 222;
constexpr int TEXT_LINE = 14;           // ten lines and a little air
constexpr int FIELD_TOP = 227;
constexpr int FIELD_BOTTOM = 245;
constexpr int HEADER_TOP = 250;
constexpr int HEADER_BOTTOM = 268;
constexpr int BUTTON_WIDTH = 72;
constexpr int DIAGRAM_TOP = 272;
constexpr int DIAGRAM_WIDTH = 142;
constexpr int DIAGRAM_HEIGHT = 112;
constexpr int DIAGRAM_GAP_X = 8;
constexpr int DIAGRAM_GAP_Y = 6;
constexpr int FIELD_END_ZONE = 62;      // of the strip's 744 units: 620 for 100 yards

// --- Colours ---------------------------------------------------------------
constexpr uint32_t BOARD_RGB = 0x1C1B19;
constexpr uint32_t BOARD_TEXT_RGB = 0xF6F2E7;
constexpr uint32_t BOARD_SCORE_RGB = 0xFFF945;
constexpr uint32_t BOARD_DIM_RGB = 0xA8A294;
constexpr uint32_t TEXT_BOX_RGB = 0xFBF8F0;
constexpr uint32_t FIELD_RGB = 0x2E6B30;
constexpr uint32_t END_ZONE_RGB = 0x1E4A21;
constexpr uint32_t YARD_LINE_RGB = 0xD9E6D0;
constexpr uint32_t FIRST_DOWN_RGB = 0xFFF945;
constexpr uint32_t BALL_RGB = 0x7A3F17;
constexpr uint32_t BUTTON_RGB = 0x1C1B19;
constexpr uint32_t BUTTON_OFF_RGB = 0xC9C2B2;

constexpr int KICK_PAGES = 1;

// The play-by-play of the last play the engine animated, kept by the view:
// the engine's ten buffers are overwritten by the next play and may hold
// sentences of an earlier, longer play beyond this one's.
struct PLAY_TEXTS {
    int nCount = 0;
    char szText[NARRATION_ENTRIES][NARRATION_TEXT_SIZE] = {};
};
PLAY_TEXTS g_Texts;
int g_nFrame = -1;   // -1: the final state
int g_nResultFrame = 0;

// The game the kept sentences and calls belong to: another game shown
// starts with an empty box.
struct GAME_MARK {
    int nAway = -1, nHome = -1, nWeek = -1;
    bool operator==(const GAME_MARK&) const = default;
};
GAME_MARK g_TextsGame;

// The game as it stood when the kept sentences were taken: a finished game
// that stands otherwise went on untold (Stop ended the watching).
struct PLAY_STAMP {
    int nPlays = -1, nClock = -1, nAway = -1, nHome = -1;
    bool operator==(const PLAY_STAMP&) const = default;
};
PLAY_STAMP g_TextsStamp;

// The game as it stood before the snap being told (a copy: the engine moves
// the real one on at once), and whether it is held for that snap.
GAME g_Snap;
bool g_bSnapHeld = false;

GAME_MARK Mark_Of(const GAME* pGame)
{
    return pGame == nullptr ? GAME_MARK{} : GAME_MARK{pGame->nAwayTeam, pGame->nHomeTeam, pGame->nWeek};
}

PLAY_STAMP Stamp_Of(const GAME* pGame)
{
    return pGame == nullptr ? PLAY_STAMP{}
                            : PLAY_STAMP{pGame->nPlays, pGame->nClock, pGame->nScore[GAME_SIDE_AWAY],
                                         pGame->nScore[GAME_SIDE_HOME]};
}

// What is told once the play is over: the result stands before it.
bool Is_Told_After_The_Whistle(int nEvent)
{
    switch (nEvent) {
    case NARRATE_FIRST_DOWN:
    case NARRATE_END_OF_PERIOD:
    case NARRATE_INJURY:
    case NARRATE_INJURY_LEAVES:
    case NARRATE_INJURY_STAYS:
    case NARRATE_TURNOVER_ON_DOWNS:
        return true;
    default:
        return false;
    }
}

PAGE_RECT Rect(int nLeft, int nTop, int nRight, int nBottom)
{
    return PAGE_RECT{nLeft, nTop, nRight, nBottom};
}

GAME_VIEW_LAYOUT Build_Layout()
{
    GAME_VIEW_LAYOUT L;
    L.Scoreboard = Rect(0, BOARD_TOP, PAGE_DESIGN_WIDTH, BOARD_BOTTOM);
    L.Name[0] = Rect(MARGIN + 14, 10, 262, 40);
    L.Score[0] = Rect(262, 10, 318, 40);
    L.Clock = Rect(322, 10, 446, 40);
    L.Score[1] = Rect(450, 10, 506, 40);
    L.Name[1] = Rect(506, 10, RIGHT - 14, 40);
    L.Timeouts[0] = Rect(MARGIN + 14, 44, 262, 64);
    L.Title = Rect(262, 40, 506, 52);
    L.Situation = Rect(262, 52, 506, 68);
    L.Timeouts[1] = Rect(506, 44, RIGHT - 14, 64);
    L.TextBox = Rect(MARGIN, TEXT_TOP, RIGHT, TEXT_BOTTOM);
    L.Field = Rect(MARGIN, FIELD_TOP, RIGHT, FIELD_BOTTOM);
    L.CallHeader = Rect(MARGIN, HEADER_TOP, RIGHT - 2 * BUTTON_WIDTH - 16, HEADER_BOTTOM);
    L.Previous = Rect(RIGHT - 2 * BUTTON_WIDTH - 8, HEADER_TOP, RIGHT - BUTTON_WIDTH - 8, HEADER_BOTTOM);
    L.Next = Rect(RIGHT - BUTTON_WIDTH, HEADER_TOP, RIGHT, HEADER_BOTTOM);
    L.CallArea = Rect(0, DIAGRAM_TOP, PAGE_DESIGN_WIDTH, PAGE_DESIGN_HEIGHT);
    for (int i = 0; i < GAME_VIEW_DIAGRAMS; ++i) {
        const int x = MARGIN + (i % 5) * (DIAGRAM_WIDTH + DIAGRAM_GAP_X);
        const int y = DIAGRAM_TOP + (i / 5) * (DIAGRAM_HEIGHT + DIAGRAM_GAP_Y);
        L.Diagram[i] = Rect(x, y, x + DIAGRAM_WIDTH, y + DIAGRAM_HEIGHT);
    }
    // The two calls of the last play, larger, side by side.
    L.Called[0] = Rect(164, DIAGRAM_TOP + 6, 374, DIAGRAM_TOP + 6 + 160);
    L.Called[1] = Rect(394, DIAGRAM_TOP + 6, 604, DIAGRAM_TOP + 6 + 160);
    L.LineScore = Rect(234, 446, 534, 491);
    return L;
}

const char* Ordinal(int n)
{
    static const char* const NAMES[] = {"1st", "2nd", "3rd", "4th"};
    return n >= 1 && n <= 4 ? NAMES[n - 1] : "";
}

std::string Abbreviation(int nTeam)
{
    if (!Is_Valid_Team(nTeam))
        return "";
    char szText[16];
    Get_Team_String(szText, nTeam, TEAM_STRING_ABBREVIATION);
    return szText;
}

unsigned Flags(int nAlign)
{
    const unsigned nBase = TEXT_SINGLELINE | TEXT_VCENTER | TEXT_END_ELLIPSIS;
    return nAlign == ALIGN_CENTRE ? nBase | TEXT_CENTER : nAlign == ALIGN_RIGHT ? nBase | TEXT_RIGHT : nBase;
}

void Text(CANVAS& Canvas, const CANVAS_RECT& rcArea, const PAGE_RECT& Box, const std::string& Words, int nType,
          int nAlign, uint32_t nRGB, double fGrow = 1.0)
{
    if (Words.empty())
        return;
    CANVAS_FONT Font = Page_Type_Font(nType, rcArea);
    Font.fHeight *= fGrow;
    Draw_Text_In_Box(Canvas, Words.c_str(), Scale_Page_Rect(Box, rcArea), Flags(nAlign), false, Font,
                     Rgb_Color(nRGB));
}

double Scale_Of(const CANVAS_RECT& rcArea)
{
    return std::min(static_cast<double>(rcArea.Width()) / PAGE_DESIGN_WIDTH,
                    static_cast<double>(rcArea.Height()) / PAGE_DESIGN_HEIGHT);
}

// A football on its side: the mark of the club with the ball.
void Draw_Ball(CANVAS& Canvas, double cx, double cy, double r)
{
    Canvas.Fill_Ellipse(cx, cy, r * 1.6, r, Rgb_Color(BALL_RGB));
    Canvas.Draw_Line(cx - r * 0.7, cy, cx + r * 0.7, cy, std::max(1.0, r * 0.25), Rgb_Color(0xFFFFFF));
}

void Paint_Scoreboard(CANVAS& Canvas, const CANVAS_RECT& rcArea, const GAME* pGame)
{
    const GAME_VIEW_LAYOUT& L = Get_Game_View_Layout();
    Canvas.Fill_Rect(Scale_Page_Rect(L.Scoreboard, rcArea), Rgb_Color(BOARD_RGB));
    const int nTeams[2] = {pGame->nAwayTeam, pGame->nHomeTeam};
    const bool bOver = Is_Game_Over(pGame);
    const int nOffense = Get_Game_Offense_Team(pGame);
    for (int nSide = GAME_SIDE_AWAY; nSide <= GAME_SIDE_HOME; ++nSide) {
        const int nAlign = nSide == GAME_SIDE_AWAY ? ALIGN_LEFT : ALIGN_RIGHT;
        Text(Canvas, rcArea, L.Name[nSide], Page_Team_Name(nTeams[nSide]), TYPE_HEADLINE, nAlign, BOARD_TEXT_RGB,
             0.9);
        char szNumber[32];
        std::snprintf(szNumber, sizeof(szNumber), "%d", pGame->nScore[nSide]);
        Text(Canvas, rcArea, L.Score[nSide], szNumber, TYPE_HEADLINE, ALIGN_CENTRE, BOARD_SCORE_RGB, 1.25);
        if (!bOver) {
            std::snprintf(szNumber, sizeof(szNumber), "Timeouts: %d", std::clamp<int>(pGame->nTimeouts[nSide], 0, 9));
            Text(Canvas, rcArea, L.Timeouts[nSide], szNumber, TYPE_SMALL, nAlign, BOARD_DIM_RGB);
            if (nTeams[nSide] == nOffense) {
                // The ball beside the name of the club that has it.
                const CANVAS_RECT rcName = Scale_Page_Rect(L.Name[nSide], rcArea);
                const double r = 4.0 * Scale_Of(rcArea);
                const double cy = (rcName.top + rcName.bottom) / 2.0;
                const double cx = nSide == GAME_SIDE_AWAY ? rcName.left - 9.0 * Scale_Of(rcArea)
                                                          : rcName.right + 9.0 * Scale_Of(rcArea);
                Draw_Ball(Canvas, cx, cy, r);
            }
        }
    }
    Text(Canvas, rcArea, L.Clock, Format_Game_Clock(pGame), TYPE_SUBHEAD, ALIGN_CENTRE, BOARD_TEXT_RGB, 1.2);
    char szTitle[64];
    Get_Title_Game_Name(pGame, szTitle);
    Text(Canvas, rcArea, L.Title, szTitle, TYPE_SMALL, ALIGN_CENTRE, BOARD_DIM_RGB);
    std::string Situation = Format_Down_And_Distance(pGame);
    if (!Situation.empty())
        Situation += " at " + Format_Game_Spot(pGame);
    Text(Canvas, rcArea, L.Situation, Situation, TYPE_BODY_BOLD, ALIGN_CENTRE, BOARD_TEXT_RGB);
}

// The field from the offence's goal line (left) to the defence's (right).
void Paint_Field(CANVAS& Canvas, const CANVAS_RECT& rcArea, const GAME* pGame)
{
    const GAME_VIEW_LAYOUT& L = Get_Game_View_Layout();
    const CANVAS_RECT rcField = Scale_Page_Rect(L.Field, rcArea);
    Canvas.Fill_Rect(rcField, Rgb_Color(FIELD_RGB));
    const double fLeft = rcArea.left + (L.Field.nLeft + FIELD_END_ZONE) * static_cast<double>(rcArea.Width()) /
                                           PAGE_DESIGN_WIDTH;
    const double fRight = rcArea.left + (L.Field.nRight - FIELD_END_ZONE) * static_cast<double>(rcArea.Width()) /
                                            PAGE_DESIGN_WIDTH;
    const double fYard = (fRight - fLeft) / 100.0;
    Canvas.Fill_Rect(CANVAS_RECT{rcField.left, rcField.top, static_cast<int>(fLeft), rcField.bottom},
                     Rgb_Color(END_ZONE_RGB));
    Canvas.Fill_Rect(CANVAS_RECT{static_cast<int>(fRight), rcField.top, rcField.right, rcField.bottom},
                     Rgb_Color(END_ZONE_RGB));
    for (int y = 0; y <= 100; y += 10)
        Canvas.Draw_Line(fLeft + y * fYard, rcField.top, fLeft + y * fYard, rcField.bottom, 1.0,
                         Rgb_Color(YARD_LINE_RGB));
    const CANVAS_FONT Font = Page_Type_Font(TYPE_SMALL, rcArea);
    const int nEnd = static_cast<int>(fLeft) - rcField.left;
    Draw_Text_In_Box(Canvas, Abbreviation(Get_Game_Offense_Team(pGame)).c_str(),
                     CANVAS_RECT{rcField.left, rcField.top, rcField.left + nEnd, rcField.bottom}, Flags(ALIGN_CENTRE),
                     false, Font, Rgb_Color(YARD_LINE_RGB));
    Draw_Text_In_Box(Canvas, Abbreviation(Get_Game_Defense_Team(pGame)).c_str(),
                     CANVAS_RECT{rcField.right - nEnd, rcField.top, rcField.right, rcField.bottom},
                     Flags(ALIGN_CENTRE), false, Font, Rgb_Color(YARD_LINE_RGB));
    if (Is_Game_Over(pGame))
        return;
    // Yard line counts yards to the defence's goal line.
    const int nSpot = std::clamp<int>(pGame->nYardLine, 0, 100);
    const double xBall = fRight - nSpot * fYard;
    const int nDown = Get_Game_Down_Code(pGame);
    if (nDown <= FOURTH_DOWN_CODE && pGame->nToGo > 0 && pGame->nToGo < nSpot) {
        const double xLine = fRight - (nSpot - pGame->nToGo) * fYard;
        Canvas.Draw_Line(xLine, rcField.top, xLine, rcField.bottom, std::max(2.0, 2.0 * Scale_Of(rcArea)),
                         Rgb_Color(FIRST_DOWN_RGB));
    }
    Draw_Ball(Canvas, xBall, (rcField.top + rcField.bottom) / 2.0, std::max(3.0, rcField.Height() * 0.22));
}

// --- The call area, kept as a picture between paints -----------------------
struct CALL_AREA_KEY {
    int nWidth = -1, nHeight = -1;
    int nSide = -1, nTeam = -1, nKind = -1, nPage = -1, nSuggested = -1;
    int nCalled[2] = {-1, -1}, nCalledTeam[2] = {-1, -1}, nCalledKind[2] = {-1, -1};
    uint32_t nWeekSeed = 0;
    bool bConversion = false;
    bool bHuman[2] = {false, false};
    bool operator==(const CALL_AREA_KEY&) const = default;
};

struct CALL_AREA_CACHE {
    CALL_AREA_KEY Key;
    CANVAS Picture;
    bool bValid = false;
};
CALL_AREA_CACHE g_Cache;

using LAST_CALLS = GAME_VIEW_LAST_CALLS;
LAST_CALLS g_LastCalls;

LAST_CALLS Calls_Of_Play(const GAME* pGame)
{
    LAST_CALLS Calls;
    const PLAY& Play = pGame->CurrentPlay;
    const bool bKick = Play.nSnapDown == KICKOFF_DOWN || Play.nSnapDown == SAFETY_KICK_DOWN;
    // The clubs of the snap: the ball may have changed hands in the play.
    const bool bHomeHadBall = Get_Play_Home_Bit(&Play) != 0;
    const int nOffense = bHomeHadBall ? pGame->nHomeTeam : pGame->nAwayTeam;
    const int nDefense = bHomeHadBall ? pGame->nAwayTeam : pGame->nHomeTeam;
    if (Play.nOffenseCall != PLAY_NOT_CALLED) {
        Calls.nCall[0] = bKick ? Play.nOffenseCall % KICK_PLAY_COUNT : Play.nOffenseCall;
        Calls.nKind[0] = bKick ? DIAGRAM_KICK : DIAGRAM_OFFENSE;
        Calls.nTeam[0] = nOffense;
    }
    // The return team's call against a kick is not a defence of the playbook
    // worth a diagram.
    if (Play.nDefenseCall != PLAY_NOT_CALLED && !bKick) {
        Calls.nCall[1] = Play.nDefenseCall;
        Calls.nTeam[1] = nDefense;
    }
    return Calls;
}

CANVAS_RECT Offset(CANVAS_RECT rc, int dx, int dy)
{
    rc.left -= dx;
    rc.right -= dx;
    rc.top -= dy;
    rc.bottom -= dy;
    return rc;
}

void Build_Call_Area(CANVAS& Picture, const CANVAS_RECT& rcArea, const CANVAS_RECT& rcCall,
                     const GAME_VIEW_CALLING& Calling)
{
    const GAME_VIEW_LAYOUT& L = Get_Game_View_Layout();
    Picture.Clear(Rgb_Color(PAGE_PAPER_RGB));
    if (Calling.nSide != CALLING_NONE) {
        for (int i = 0; i < GAME_VIEW_DIAGRAMS; ++i) {
            const int nPlay = Get_Game_View_Play(Calling, i);
            if (nPlay < 0)
                continue;
            const CANVAS_RECT rc = Offset(Scale_Page_Rect(L.Diagram[i], rcArea), rcCall.left, rcCall.top);
            // The computer's own choice in the lighter colours.
            Draw_Play_Diagram(Picture, rc, Calling.nTeam, nPlay, FONT_DIAGRAM, Calling.nKind,
                              nPlay == Calling.nSuggested, false);
        }
        return;
    }
    for (int nSide = 0; nSide < 2; ++nSide) {
        if (g_LastCalls.nCall[nSide] < 0)
            continue;
        const CANVAS_RECT rc = Offset(Scale_Page_Rect(L.Called[nSide], rcArea), rcCall.left, rcCall.top);
        Draw_Play_Diagram(Picture, rc, g_LastCalls.nTeam[nSide], g_LastCalls.nCall[nSide], FONT_DIAGRAM,
                          g_LastCalls.nKind[nSide], false, false);
    }
}

// The points of each quarter, overtime and the total, under the calls.
void Paint_Line_Score(CANVAS& Canvas, const CANVAS_RECT& rcArea, const GAME* pGame)
{
    const GAME_VIEW_LAYOUT& L = Get_Game_View_Layout();
    PAGE_RECT Box = L.LineScore;
    if (g_LastCalls.nCall[0] < 0 && g_LastCalls.nCall[1] < 0) {
        // No calls to show above it: the table comes up under the header.
        const int nUp = Box.nTop - (L.CallArea.nTop + 4);
        Box.nTop -= nUp;
        Box.nBottom -= nUp;
    }
    const int nRow = Box.Height() / 3;
    const int nNameWidth = 120;
    const int nCell = (Box.Width() - nNameWidth) / 6;
    const bool bOvertime = pGame->nClock > SECONDS_OF_REGULATION;
    static const char* const HEADS[6] = {"1", "2", "3", "4", "OT", "T"};
    Canvas.Fill_Rect(Scale_Page_Rect(Box, rcArea), Rgb_Color(PAGE_SHADE_RGB));
    for (int nColumn = 0; nColumn < 6; ++nColumn) {
        if (nColumn == 4 && !bOvertime)
            continue;
        const int x = Box.nLeft + nNameWidth + nColumn * nCell;
        Text(Canvas, rcArea, Rect(x, Box.nTop, x + nCell, Box.nTop + nRow), HEADS[nColumn], TYPE_SMALL, ALIGN_CENTRE,
             PAGE_GREY_INK_RGB);
    }
    for (int nSide = GAME_SIDE_AWAY; nSide <= GAME_SIDE_HOME; ++nSide) {
        const int y = Box.nTop + (nSide + 1) * nRow;
        const int nTeam = nSide == GAME_SIDE_AWAY ? pGame->nAwayTeam : pGame->nHomeTeam;
        Text(Canvas, rcArea, Rect(Box.nLeft + 6, y, Box.nLeft + nNameWidth, y + nRow), Page_Team_Nickname(nTeam),
             TYPE_BODY_BOLD, ALIGN_LEFT, PAGE_INK_RGB);
        for (int nColumn = 0; nColumn < 6; ++nColumn) {
            if (nColumn == 4 && !bOvertime)
                continue;
            const int nPoints = nColumn == 5 ? pGame->nScore[nSide] : Get_Quarter_Score(pGame, nSide, nColumn);
            const int x = Box.nLeft + nNameWidth + nColumn * nCell;
            Text(Canvas, rcArea, Rect(x, y, x + nCell, y + nRow), std::to_string(nPoints),
                 nColumn == 5 ? TYPE_BODY_BOLD : TYPE_BODY, ALIGN_CENTRE, PAGE_INK_RGB);
        }
    }
}

void Paint_Call_Area(CANVAS& Canvas, const CANVAS_RECT& rcArea, const GAME* pGame, const GAME* pSituation)
{
    const GAME_VIEW_LAYOUT& L = Get_Game_View_Layout();
    const GAME_VIEW_CALLING Calling = Get_Game_View_Calling();
    const CANVAS_RECT rcCall = Scale_Page_Rect(L.CallArea, rcArea);
    CALL_AREA_KEY Key;
    Key.nWidth = rcArea.Width();
    Key.nHeight = rcArea.Height();
    Key.nSide = Calling.nSide;
    Key.nTeam = Calling.nTeam;
    Key.nKind = Calling.nKind;
    Key.nPage = Calling.nPage;
    Key.nSuggested = Calling.nSuggested;
    if (Calling.nSide == CALLING_NONE)
        for (int i = 0; i < 2; ++i) {
            Key.nCalled[i] = g_LastCalls.nCall[i];
            Key.nCalledTeam[i] = g_LastCalls.nTeam[i];
            Key.nCalledKind[i] = g_LastCalls.nKind[i];
        }
    Key.nWeekSeed = Get_Play_Diagram_Seed(0, 0);
    Key.bConversion = Is_Conversion_Attempt(pGame);
    Key.bHuman[0] = Is_Human_Team(Calling.nTeam);
    Key.bHuman[1] = Is_Human_Team(g_LastCalls.nTeam[0]) || Is_Human_Team(g_LastCalls.nTeam[1]);
    // A reset of the page cache (a playbook loaded, the skin changed) draws
    // the diagrams again.
    if (!g_Cache.bValid || !(g_Cache.Key == Key) || Get_Page_Cache_Marker() == -1) {
        g_Cache.Key = Key;
        g_Cache.bValid = g_Cache.Picture.Resize(std::max(rcCall.Width(), 1), std::max(rcCall.Height(), 1));
        if (g_Cache.bValid) {
            Set_Play_Diagram_Game(pGame);
            Build_Call_Area(g_Cache.Picture, rcArea, rcCall, Calling);
            Set_Play_Diagram_Game(nullptr);
        }
    }
    if (g_Cache.bValid)
        Canvas.Draw_Canvas(g_Cache.Picture, rcCall.left, rcCall.top);

    // The header and the page buttons over it.
    std::string Header;
    const std::string Team = Page_Team_Name(Calling.nTeam);
    char szPage[64];
    std::snprintf(szPage, sizeof(szPage), "page %d of %d", Calling.nPage + 1, Calling.nPages);
    switch (Calling.nSide) {
    case CALLING_OFFENSE:
        Header = Team + ": call the offense's play (" + szPage + "; the computer's choice is lighter)";
        break;
    case CALLING_DEFENSE:
        Header = Team + ": call the defense's play (" + szPage + "; the computer's choice is lighter)";
        break;
    case CALLING_KICKOFF:
        Header = Team + ": call the kick-off";
        break;
    default:
        Header = Is_Game_Over(pGame) ? "Final" : (g_LastCalls.nCall[0] >= 0 ? "The last play's calls" : "");
        break;
    }
    Text(Canvas, rcArea, L.CallHeader, Header, TYPE_SUBHEAD, ALIGN_LEFT, PAGE_INK_RGB);
    if (Calling.nSide == CALLING_NONE && (pGame->nPlays > 0 || Is_Game_Over(pGame)))
        Paint_Line_Score(Canvas, rcArea, pSituation);
    if (Calling.nSide == CALLING_NONE || Calling.nPages <= 1)
        return;
    const CANVAS_FONT Font = Page_Type_Font(TYPE_BODY_BOLD, rcArea);
    const double fRadius = 4.0 * Scale_Of(rcArea);
    struct BUTTON {
        const PAGE_RECT* pBox;
        const char* szText;
        bool bOn;
    };
    const BUTTON Buttons[2] = {{&L.Previous, "< Previous", Calling.nPage > 0},
                               {&L.Next, "Next >", Calling.nPage < Calling.nPages - 1}};
    for (const BUTTON& Button : Buttons) {
        const CANVAS_RECT rc = Scale_Page_Rect(*Button.pBox, rcArea);
        Canvas.Fill_Rounded_Rect(rc, fRadius, Rgb_Color(Button.bOn ? BUTTON_RGB : BUTTON_OFF_RGB));
        Draw_Text_In_Box(Canvas, Button.szText, rc, Flags(ALIGN_CENTRE), false, Font, Rgb_Color(PAGE_PAPER_RGB));
    }
}

}  // namespace

namespace {

// Another game shown starts with an empty box, no calls and no snap held.
void Follow_Game(const GAME* pGame)
{
    if (Mark_Of(pGame) == g_TextsGame)
        return;
    g_TextsGame = Mark_Of(pGame);
    g_TextsStamp = PLAY_STAMP{};
    g_Texts.nCount = 0;
    g_nResultFrame = 0;
    g_LastCalls = LAST_CALLS{};
    g_nFrame = -1;
    g_bSnapHeld = false;
}

// The game followed ended after plays nobody was told (Stop took the
// watching away): the view shows its last play as a game finished by Finish
// Game does, the calls of that play and the final score in the box, not the
// sentences and calls of the last play watched.
void Catch_Up_With_Finished_Game(const GAME* pGame)
{
    if (pGame == nullptr || g_bSnapHeld || !Is_Game_Over(pGame) || Stamp_Of(pGame) == g_TextsStamp)
        return;
    g_TextsStamp = Stamp_Of(pGame);
    g_Texts.nCount = 0;
    g_nResultFrame = 0;
    g_nFrame = -1;
    g_LastCalls = pGame->nPlays > 0 ? Calls_Of_Play(pGame) : LAST_CALLS{};
}

}  // namespace

void Take_Play_Texts(const GAME* pGame)
{
    g_Texts.nCount = 0;
    if (pGame == nullptr)
        return;
    g_nResultFrame = 0;
    for (int i = 0; i < NARRATION_ENTRIES; ++i) {
        const int nEvent = pGame->CurrentPlay.Narration[i].bEvent;
        if (nEvent == NARRATION_ENTRY_FREE)
            continue;
        const char* szText = Get_Play_Commentary_Text(i);
        if (szText[0] == '\0')
            continue;
        std::snprintf(g_Texts.szText[g_Texts.nCount], NARRATION_TEXT_SIZE, "%s", szText);
        if (!Is_Told_After_The_Whistle(nEvent))
            g_nResultFrame = g_Texts.nCount;
        ++g_Texts.nCount;
    }
    g_TextsGame = Mark_Of(pGame);
    g_TextsStamp = Stamp_Of(pGame);
}

int Get_Play_Text_Count()
{
    return g_Texts.nCount;
}

namespace {

bool Is_Page_Side(int nSide)
{
    return nSide == CALLING_OFFENSE || nSide == CALLING_DEFENSE;
}

}  // namespace

const GAME_VIEW_LAYOUT& Get_Game_View_Layout()
{
    static const GAME_VIEW_LAYOUT Layout = Build_Layout();
    return Layout;
}

// --- What the user calls now ------------------------------------------------

int Get_Game_View_Page_Count(int nSide)
{
    switch (nSide) {
    case CALLING_OFFENSE:
        return OFFENSIVE_PLAY_COUNT / GAME_VIEW_DIAGRAMS;
    case CALLING_DEFENSE:
        return DEFENSIVE_PLAY_COUNT / GAME_VIEW_DIAGRAMS;
    case CALLING_KICKOFF:
        return KICK_PAGES;
    default:
        return 0;
    }
}

int Get_Game_View_Page(int nSide)
{
    if (!Is_Page_Side(nSide))
        return 0;
    const int nPreference = nSide == CALLING_OFFENSE ? PREF_PLAY_CALL_FIRST : PREF_PLAY_CALL_FIRST + 1;
    return std::clamp(Get_User_Preference(nPreference), 0, Get_Game_View_Page_Count(nSide) - 1);
}

GAME_VIEW_CALLING Get_Game_View_Calling()
{
    GAME_VIEW_CALLING Calling;
    const GAME* pGame = Get_Current_Game();
    if (pGame == nullptr || !Is_Awaiting_User_Play_Call())
        return Calling;
    switch (Get_Play_Call_Stage()) {
    case PLAY_CALL_STAGE_OFFENSE:
        Calling.nSide = CALLING_OFFENSE;
        Calling.nTeam = Get_Game_Offense_Team(pGame);
        Calling.nKind = DIAGRAM_OFFENSE;
        break;
    case PLAY_CALL_STAGE_KICKOFF:
        Calling.nSide = CALLING_KICKOFF;
        Calling.nTeam = Get_Game_Offense_Team(pGame);
        Calling.nKind = DIAGRAM_KICK;
        break;
    case PLAY_CALL_STAGE_DEFENSE:
        Calling.nSide = CALLING_DEFENSE;
        Calling.nTeam = Get_Game_Defense_Team(pGame);
        Calling.nKind = DIAGRAM_DEFENSE;
        break;
    default:
        return Calling;
    }
    Calling.nPages = Get_Game_View_Page_Count(Calling.nSide);
    Calling.nPage = Get_Game_View_Page(Calling.nSide);
    const int nSuggested = Get_Computer_Play_Call(Calling.nSide != CALLING_DEFENSE);
    if (nSuggested >= 0)
        Calling.nSuggested = Calling.nSide == CALLING_KICKOFF ? nSuggested % KICK_PLAY_COUNT : nSuggested;
    return Calling;
}

int Get_Game_View_Play(const GAME_VIEW_CALLING& Calling, int nSlot)
{
    if (Calling.nSide == CALLING_NONE || nSlot < 0 || nSlot >= GAME_VIEW_DIAGRAMS)
        return -1;
    const int nPlay = Calling.nPage * GAME_VIEW_DIAGRAMS + nSlot;
    // The kick-off's page holds only the kick plays there are.
    if (Calling.nSide == CALLING_KICKOFF && !Is_Valid_Kick_Play(nPlay))
        return -1;
    return nPlay;
}

// --- Texts --------------------------------------------------------------------

std::string Format_Game_Clock(const GAME* pGame)
{
    if (pGame == nullptr)
        return "";
    if (Is_Game_Over(pGame))
        return pGame->nClock > SECONDS_OF_REGULATION ? "Final OT" : "Final";
    // The log and the recap read the same clock.
    char szText[48];
    Format_Scoreboard_Clock(pGame, szText, sizeof(szText));
    return szText;
}

std::string Format_Down_And_Distance(const GAME* pGame)
{
    if (pGame == nullptr || Is_Game_Over(pGame))
        return "";
    const int nDown = Get_Game_Down_Code(pGame);
    switch (nDown) {
    case KICKOFF_DOWN:
    case FURTHER_KICK_DOWN:
        return "Kick-off";
    case SAFETY_KICK_DOWN:
        return "Free kick";
    case CONVERSION_ATTEMPT:
        return "Conversion try";
    default:
        break;
    }
    if (nDown > FOURTH_DOWN_CODE)
        return "";
    char szText[32];
    if (pGame->nToGo >= pGame->nYardLine)
        std::snprintf(szText, sizeof(szText), "%s & Goal", Ordinal(nDown + 1));
    else
        std::snprintf(szText, sizeof(szText), "%s & %d", Ordinal(nDown + 1), std::max<int>(pGame->nToGo, 0));
    return szText;
}

std::string Format_Game_Spot(const GAME* pGame)
{
    if (pGame == nullptr)
        return "";
    const int nSpot = pGame->nYardLine;
    if (nSpot == 50)
        return "the 50";
    if (nSpot > 50)
        return Abbreviation(Get_Game_Offense_Team(pGame)) + " " + std::to_string(100 - nSpot);
    return Abbreviation(Get_Game_Defense_Team(pGame)) + " " + std::to_string(nSpot);
}

// --- Showing it -----------------------------------------------------------------

bool Is_Game_View_Shown()
{
    if (Get_User_Preference(PREF_MAIN_PAGE) != MAIN_PAGE_GAMES)
        return false;
    // A record that holds no game of two clubs (an empty slot a stale
    // preference 34 names) leaves the day's games on the page.
    const GAME* pGame = Get_Displayed_Game();
    return pGame != nullptr && pGame->nAwayTeam != pGame->nHomeTeam && Is_Team_Slot_Used(pGame->nAwayTeam) &&
           Is_Team_Slot_Used(pGame->nHomeTeam);
}

bool Is_Game_Under_Way_On_Screen()
{
    return Is_Game_View_Shown() && !Is_Game_Over(Get_Displayed_Game());
}

void Paint_Game_View(CANVAS& Canvas, const CANVAS_RECT& rcArea)
{
    const GAME* pGame = Get_Displayed_Game();
    Follow_Game(pGame);
    // A finished game shown afresh (a resumed game) catches up at once, so
    // the first frame shows what every later one does.
    Catch_Up_With_Finished_Game(pGame);
    const CANVAS_RECT rcOldClip = Canvas.Get_Clip();
    Canvas.Set_Clip(rcArea);
    Canvas.Fill_Rect(rcArea, Rgb_Color(PAGE_PAPER_RGB));
    if (pGame != nullptr) {
        // The play is told before its result is shown.
        const GAME* pSituation = Get_Game_View_Situation();
        Paint_Scoreboard(Canvas, rcArea, pSituation);
        Paint_Play_Text_Box(Canvas, rcArea, g_nFrame, g_nFrame < 0);
        Paint_Field(Canvas, rcArea, pSituation);
        Paint_Call_Area(Canvas, rcArea, pGame, pSituation);
    }
    Canvas.Set_Clip(rcOldClip);
    Set_Page_Cache_Marker(MAIN_PAGE_GAMES);
}

// --- The play-by-play -------------------------------------------------------------

int Get_Sentence_Wait(const char* szText)
{
    // Longer sentences stay a little longer: one interval for every 60
    // letters begun, at most three.
    const int nLength = szText != nullptr ? static_cast<int>(std::strlen(szText)) : 0;
    return nLength == 0 ? 0 : std::min(3, 1 + nLength / 60);
}

int Get_Play_Text_Wait(int nFrame, bool bFinal)
{
    if (bFinal || nFrame < 0)
        return 0;
    if (nFrame >= GAME_VIEW_LAST_FRAME)
        return g_Texts.nCount > 0 ? 1 : 0;
    return nFrame < g_Texts.nCount ? Get_Sentence_Wait(g_Texts.szText[nFrame]) : 0;
}

int Paint_Play_Text_Box(CANVAS& Canvas, const CANVAS_RECT& rcArea, int nFrame, bool bFinal)
{
    const GAME_VIEW_LAYOUT& L = Get_Game_View_Layout();
    const CANVAS_RECT rcBox = Scale_Page_Rect(L.TextBox, rcArea);
    Canvas.Fill_Rect(rcBox, Rgb_Color(TEXT_BOX_RGB));
    Canvas.Stroke_Rect(rcBox, 1.0, Rgb_Color(PAGE_INK_RGB));
    const int nShown = bFinal || nFrame < 0 ? g_Texts.nCount : std::min(nFrame + 1, g_Texts.nCount);
    if (g_Texts.nCount == 0) {
        // Nothing told yet: the kick-off to come, or the final score.
        const GAME* pGame = Get_Displayed_Game();
        std::string Note;
        if (pGame != nullptr && Is_Game_Over(pGame))
            Note = "Final: " + Page_Team_Name(pGame->nAwayTeam) + " " + std::to_string(pGame->nScore[0]) + ", " +
                   Page_Team_Name(pGame->nHomeTeam) + " " + std::to_string(pGame->nScore[1]) + ".";
        else if (pGame != nullptr && pGame->nPlays == 0)
            Note = "Waiting for the kick-off.";
        const PAGE_RECT Line = Rect(L.TextBox.nLeft + 8, L.TextBox.nTop + 2, L.TextBox.nRight - 8,
                                    L.TextBox.nTop + 2 + TEXT_LINE);
        Text(Canvas, rcArea, Line, Note, TYPE_BODY, ALIGN_LEFT, PAGE_GREY_INK_RGB, 1.1);
    }
    for (int i = 0; i < nShown; ++i) {
        const int y = L.TextBox.nTop + 2 + i * TEXT_LINE;
        const PAGE_RECT Line = Rect(L.TextBox.nLeft + 8, y, L.TextBox.nRight - 8, y + TEXT_LINE);
        // The newest sentence stands out while the play unfolds.
        const int nType = !bFinal && nFrame >= 0 && i == nShown - 1 ? TYPE_BODY_BOLD : TYPE_BODY;
        Text(Canvas, rcArea, Line, g_Texts.szText[i], nType, ALIGN_LEFT, PAGE_INK_RGB, 1.1);
    }
    return Get_Play_Text_Wait(nFrame, bFinal);
}

int Show_Play_Text_Frame(int nFrame, bool bFinal)
{
    if (nFrame == 0 && !bFinal) {
        // A new play: its sentences and its calls.
        const GAME* pGame = Get_Displayed_Game();
        Take_Play_Texts(pGame);
        g_LastCalls = pGame != nullptr ? Calls_Of_Play(pGame) : LAST_CALLS{};
    }
    g_nFrame = bFinal ? -1 : std::clamp(nFrame, 0, GAME_VIEW_LAST_FRAME);
    // Once the play is told the game shows itself as it stands.
    if (bFinal)
        g_bSnapHeld = false;
    return Get_Play_Text_Wait(nFrame, bFinal);
}

int Get_Play_Text_Frame()
{
    return g_nFrame;
}

void Hold_Game_View_Snap(const GAME* pGame)
{
    if (pGame == nullptr) {
        g_bSnapHeld = false;
        return;
    }
    Follow_Game(pGame);
    g_bSnapHeld = true;
    g_Snap = *pGame;
    // The frames of the play to come begin anew.
    g_nFrame = -1;
}

int Get_Play_Result_Frame()
{
    return g_nResultFrame;
}

const GAME* Get_Game_View_Situation()
{
    const GAME* pGame = Get_Displayed_Game();
    if (pGame == nullptr)
        return nullptr;
    // Held from the snap until the frame of the result: frame -1 here is the
    // snap run but not yet told.
    if (g_bSnapHeld && Mark_Of(&g_Snap) == Mark_Of(pGame) && g_nFrame < g_nResultFrame)
        return &g_Snap;
    return pGame;
}

const GAME_VIEW_LAST_CALLS& Get_Game_View_Last_Calls()
{
    return g_LastCalls;
}

// --- Input ------------------------------------------------------------------------

CANVAS_RECT Get_Game_View_Hot_Spot(const CANVAS_RECT& rcArea, int nSpot)
{
    const GAME_VIEW_LAYOUT& L = Get_Game_View_Layout();
    if (nSpot >= 0 && nSpot < GAME_VIEW_DIAGRAMS)
        return Scale_Page_Rect(L.Diagram[nSpot], rcArea);
    if (nSpot == GAME_VIEW_HIT_PREVIOUS)
        return Scale_Page_Rect(L.Previous, rcArea);
    if (nSpot == GAME_VIEW_HIT_NEXT)
        return Scale_Page_Rect(L.Next, rcArea);
    return CANVAS_RECT{};
}

int Find_Game_View_Hot_Spot(const CANVAS_RECT& rcArea, int x, int y, int nPages)
{
    for (int nSpot = 0; nSpot <= GAME_VIEW_HIT_NEXT; ++nSpot) {
        // The page buttons are there only when there are pages to turn.
        if (nSpot >= GAME_VIEW_HIT_PREVIOUS && nPages <= 1)
            break;
        const CANVAS_RECT rc = Get_Game_View_Hot_Spot(rcArea, nSpot);
        if (x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom)
            return nSpot;
    }
    return GAME_VIEW_HIT_NONE;
}

int Hit_Test_Game_View(const CANVAS_RECT& rcArea, int x, int y)
{
    const GAME_VIEW_CALLING Calling = Get_Game_View_Calling();
    if (Calling.nSide == CALLING_NONE)
        return GAME_VIEW_HIT_NONE;
    return Find_Game_View_Hot_Spot(rcArea, x, y, Calling.nPages);
}

bool Turn_Game_View_Page(int nSide, int nDelta)
{
    if (!Is_Page_Side(nSide))
        return false;
    const int nPage = Get_Game_View_Page(nSide) + nDelta;
    if (nPage < 0 || nPage >= Get_Game_View_Page_Count(nSide))
        return false;
    Set_User_Preference(nSide == CALLING_OFFENSE ? PREF_PLAY_CALL_FIRST : PREF_PLAY_CALL_FIRST + 1, nPage);
    return true;
}

bool Click_Play_Call_Area(const CANVAS_RECT& rcArea, int x, int y)
{
    if (!Is_Game_View_Shown())
        return false;
    bool bChanged = false;
    if (Is_Waiting_For_Play_Click()) {
        Release_Play_Click_Wait();
        bChanged = true;
    }
    const int nSpot = Hit_Test_Game_View(rcArea, x, y);
    if (nSpot == GAME_VIEW_HIT_NONE)
        return bChanged;
    const GAME_VIEW_CALLING Calling = Get_Game_View_Calling();
    if (nSpot < GAME_VIEW_DIAGRAMS)
        return Submit_User_Play_Call(Calling.nSide != CALLING_DEFENSE, Get_Game_View_Play(Calling, nSpot)) ||
               bChanged;
    return Turn_Game_View_Page(Calling.nSide, nSpot == GAME_VIEW_HIT_NEXT ? 1 : -1) || bChanged;
}

int Find_Game_View_Page_Link(const CANVAS_RECT& rcArea, int x, int y)
{
    const GAME* pGame = Get_Displayed_Game();
    if (!Is_Game_View_Shown() || pGame == nullptr || !Is_Game_Over(pGame) ||
        Get_Game_View_Calling().nSide != CALLING_NONE)
        return GAME_VIEW_PAGE_NONE;
    const GAME_VIEW_LAYOUT& L = Get_Game_View_Layout();
    const auto Inside = [&](const PAGE_RECT& Box) {
        const CANVAS_RECT rc = Scale_Page_Rect(Box, rcArea);
        return x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
    };
    // The line score of a game over stands under the header when no calls
    // are shown above it.
    PAGE_RECT Box = L.LineScore;
    if (g_LastCalls.nCall[0] < 0 && g_LastCalls.nCall[1] < 0) {
        const int nUp = Box.nTop - (L.CallArea.nTop + 4);
        Box.nTop -= nUp;
        Box.nBottom -= nUp;
    }
    if (Inside(Box))
        return GAME_VIEW_PAGE_BOX_SCORE;
    if (Inside(L.TextBox))
        return GAME_VIEW_PAGE_RECAP;
    return GAME_VIEW_PAGE_NONE;
}

int Get_Game_View_Key_Slot(int nKey)
{
    // The labels read 1-9 and 0 for the tenth.
    if (nKey < '0' || nKey > '9')
        return -1;
    return nKey == '0' ? GAME_VIEW_DIAGRAMS - 1 : nKey - '1';
}

bool Press_Game_View_Key(int nKey)
{
    const int nSlot = Get_Game_View_Key_Slot(nKey);
    if (nSlot < 0 || !Is_Game_View_Shown())
        return false;
    const GAME_VIEW_CALLING Calling = Get_Game_View_Calling();
    const int nPlay = Get_Game_View_Play(Calling, nSlot);
    if (nPlay < 0)
        return false;
    Submit_User_Play_Call(Calling.nSide != CALLING_DEFENSE, nPlay);
    return true;
}

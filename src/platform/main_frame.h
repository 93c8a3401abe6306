// The main window's frame: one top-level window holding the menu bar (the
// main menu model of menus.h), the page area, the status bar and the news bar
// (24 pixels, shown while the shell wants it). The shell paints each area
// into a CANVAS through the handlers it installs and decides what a click,
// a new size or the close box means; a backend only shows the frame.
//
// Headless (no backend installed) the frame is a model: its rectangle,
// title, bars and a count of the repaints asked for, read by tests. The
// desktop backend installs a FRAME_BACKEND and shows a real window.
#pragma once

#include <string>

class CANVAS;

// A window rectangle in screen pixels; right and bottom lie just outside.
struct FRAME_RECT {
    int nLeft = 0;
    int nTop = 0;
    int nRight = 0;
    int nBottom = 0;
    int Width() const { return nRight - nLeft; }
    int Height() const { return nBottom - nTop; }
};

// The areas of the frame.
enum FRAME_AREA : int { FRAME_PAGE = 0, FRAME_STATUS_BAR = 1, FRAME_NEWS_BAR = 2, FRAME_AREA_COUNT = 3 };

constexpr int NEWS_BAR_HEIGHT = 24;
constexpr int STATUS_BAR_HEIGHT = 36;
// The page area is never smaller than five sixths of the 768 x 507 design
// space (640 x 423 pixels, 507 * 5 / 6 rounded up).
constexpr int FRAME_MIN_PAGE_WIDTH = 640;
constexpr int FRAME_MIN_PAGE_HEIGHT = 423;

struct MAIN_FRAME_HANDLERS {
    // Paints an area; the canvas is the area's size, cleared to transparent.
    void (*pPaint)(int nArea, CANVAS& Canvas) = nullptr;
    // A mouse button (1 left, 3 right) pressed in an area at (x, y) in its pixels.
    void (*pClick)(int nArea, int x, int y, int nButton) = nullptr;
    // Whether a click at (x, y) of an area would do something: the pointer
    // shows a hand there.
    bool (*pHotSpot)(int nArea, int x, int y) = nullptr;
    // The page area has a new size (pixels).
    void (*pSize)(int cx, int cy) = nullptr;
    // The user closed the window: the shell decides (Exit, or a refusal).
    void (*pClose)() = nullptr;
    // A key pressed in the window before the menu's keys see it: a digit or
    // letter ('0'-'9', 'A'-'Z') with the ACCEL_* modifiers of menus.h; true
    // when the shell took it (the menu's keys then never see it).
    bool (*pKey)(int nKey, unsigned nModifiers) = nullptr;
};

// What a backend does for the frame (null entries: the headless model only).
struct FRAME_BACKEND {
    void (*Open)(const FRAME_RECT& Rect) = nullptr;
    void (*Close)() = nullptr;
    void (*Title_Changed)() = nullptr;
    void (*Bars_Changed)() = nullptr;
    void (*Invalidate)(int nArea) = nullptr;          // -1: every area
    bool (*Get_Rect)(FRAME_RECT& Rect) = nullptr;     // where the window is now
};

namespace main_frame {
void Install_Backend(const FRAME_BACKEND* pBackend);   // null: headless
void Set_Handlers(const MAIN_FRAME_HANDLERS* pHandlers);
const MAIN_FRAME_HANDLERS& Handlers();

// Opens the frame at the rectangle (a second Open moves it there).
void Open(const FRAME_RECT& Rect);
void Close();
bool Is_Open();
void Set_Title(const std::string& Title);   // Windows-1252
const std::string& Title();
// The status bar's height (0: none) and whether the news bar shows.
void Set_Bars(int nStatusHeight, bool bNewsBar);
int Status_Bar_Height();
bool Has_News_Bar();
// Asks for a new paint of an area (-1: all of them).
void Invalidate(int nArea = -1);
int Invalidations();
// The window's rectangle now (as opened, or as the user moved it).
FRAME_RECT Rect();
// Where a shown window is now; false headless (nothing is shown).
bool Shown_Rect(FRAME_RECT& Rect);

// For the backend: paints an area through the shell's handler (nothing when
// none is installed; the canvas stays as it was given).
void Paint(int nArea, CANVAS& Canvas);
}  // namespace main_frame

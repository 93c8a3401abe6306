// Dialog templates: a dialog declared as constant data beside its procedure.
//
// Sizes and rectangles are in dialog units (a quarter of the base width, an
// eighth of the base height; 6 x 13 pixels per base unit on the desktop, so
// Dialog_Units_To_Pixels gives x * 6 / 4 and y * 13 / 8). A registry maps a
// dialog id to its template, its procedure and the control ids the procedure
// reads or writes (checked by a test against the template).
#pragma once

#include <span>

#include "platform/ui_backend.h"

class DIALOG;
using DIALOG_PROC = void (*)(DIALOG& Dialog, int nEvent, int nControl);

// Dialog styles.
constexpr unsigned DS_NO_CLOSE_BOX = 0x1;    // no close box in the title bar
constexpr unsigned DS_IGNORE_ESCAPE = 0x2;   // Escape and the close box do not cancel
constexpr unsigned DS_RESIZABLE = 0x4;       // the user may resize it (not below the minimum)

// Control styles.
constexpr unsigned CS_DEFAULT = 0x1;         // the default button (Enter)
constexpr unsigned CS_GROUP = 0x2;           // starts a group (radio buttons)
constexpr unsigned CS_MULTILINE = 0x4;       // edit or label over several lines
constexpr unsigned CS_READONLY = 0x8;        // edit the user cannot change
constexpr unsigned CS_MULTI_SELECT = 0x10;   // list box: extended multiple selection
constexpr unsigned CS_HIDDEN = 0x20;         // starts hidden
constexpr unsigned CS_DISABLED = 0x40;       // starts disabled
constexpr unsigned CS_VERTICAL = 0x80;       // trackbar standing up
constexpr unsigned CS_OWNER_DRAW = 0x1000;   // combo or list: its procedure draws the items (DIALOG_DRAW_ITEM)
constexpr unsigned CS_BACKGROUND = 0x2000;   // paint area under every other control, group boxes too
constexpr unsigned CS_KEEP_BUDDY_TEXT = 0x4000;   // up-down: its arrows leave the buddy's text to the procedure
constexpr unsigned CS_TEXT_PUT_BACK = 0x8000;     // edit: its procedure puts typed text back; its up-down sets it
// Anchors for resizing: each edge named keeps its distance to that edge of
// the dialog. Left|Top (the default when none is given) stays put; Left|Right
// stretches; Right alone moves along.
constexpr unsigned CS_ANCHOR_LEFT = 0x100;
constexpr unsigned CS_ANCHOR_TOP = 0x200;
constexpr unsigned CS_ANCHOR_RIGHT = 0x400;
constexpr unsigned CS_ANCHOR_BOTTOM = 0x800;
constexpr unsigned CS_ANCHOR_MASK = 0xF00;

struct CONTROL_TEMPLATE {
    int nId = 0;
    int nKind = 0;                // DIALOG_CONTROL_KIND
    const char* szText = "";     // "&" marks the mnemonic, "&&" a literal "&"
    UI_RECT Rect;                 // dialog units
    unsigned nStyle = 0;
    int nTextLimit = 0;           // edit: most characters; 0 none
    int nMin = 0;                 // up-down, trackbar, progress: the range
    int nMax = 0;
    int nBuddy = 0;               // up-down: the edit showing its position
};

struct DIALOG_TEMPLATE {
    int nId = 0;
    const char* szTitle = "";
    int cx = 0;                   // client size, dialog units
    int cy = 0;
    unsigned nStyle = 0;
    int nMinCx = 0;               // resizable: the least client size
    int nMinCy = 0;
    std::span<const CONTROL_TEMPLATE> Controls;
    const char* szHelp = nullptr;   // its help page's name ("Help/<name>.htm"); null none
};

struct DIALOG_REGISTRATION {
    const DIALOG_TEMPLATE* pTemplate = nullptr;
    DIALOG_PROC pProc = nullptr;
    // Every control id the procedure reads or writes.
    std::span<const int> UsedIds;
};

// Registers a dialog id (a template may serve several ids; the procedure
// reads Dialog.Id()). A second registration of an id replaces the first.
// Registering from a static object is fine: the registry is built on first use.
void Register_Dialog(int nDialogId, const DIALOG_TEMPLATE& Template, DIALOG_PROC pProc,
                     std::span<const int> UsedIds);
// The registration of an id; null when none.
const DIALOG_REGISTRATION* Find_Dialog_Registration(int nDialogId);
// Every registered id, in increasing order.
std::span<const int> Registered_Dialog_Ids();

// Registers at static initialisation: `static const DIALOG_REGISTRAR r(...)`.
struct DIALOG_REGISTRAR {
    DIALOG_REGISTRAR(int nDialogId, const DIALOG_TEMPLATE& Template, DIALOG_PROC pProc,
                     std::span<const int> UsedIds)
    {
        Register_Dialog(nDialogId, Template, pProc, UsedIds);
    }
};

// Dialog units to pixels at 6 x 13 pixels per base unit.
constexpr int Dialog_Units_To_Pixels_X(int x) { return x * 6 / 4; }
constexpr int Dialog_Units_To_Pixels_Y(int y) { return y * 13 / 8; }
UI_RECT Dialog_Units_To_Pixels(const UI_RECT& Rect);

// Where a control laid out at Rect (for a dialog of its template's size)
// goes when the dialog grows by dx, dy: each anchored edge keeps its
// distance to that edge of the dialog (no anchors: left and top).
UI_RECT Anchor_Rectangle(const UI_RECT& Rect, unsigned nAnchors, int dx, int dy);

// The size grip of a resizable dialog: a square of SIZE_GRIP_PIXELS in the
// bottom-right corner of a client area of cx x cy pixels.
constexpr int SIZE_GRIP_PIXELS = 12;
UI_RECT Get_Size_Grip_Rect(int cx, int cy);
bool Hit_Test_Size_Grip(int x, int y, int cx, int cy);

// What is wrong with a template ("" when nothing): ids unique and non-zero
// (labels and group boxes may share -1), every control inside the dialog,
// exactly one default button at most, ranges ordered, buddies present, no
// letter marked twice (Find_Mnemonic_Clash).
std::string Check_Dialog_Template(const DIALOG_TEMPLATE& Template);

// The first letter ("&x") two controls of one dialog both mark, as
// "controls 1044 and 1 both mark 'd'"; "" when none. Buttons, check boxes,
// radio buttons and labels count (a label's letter takes the focus to the
// control after it); group boxes show their captions without one. (For a
// dialog as it stands, with the captions set at run time: dialogs.h.)
std::string Find_Mnemonic_Clash(const DIALOG_TEMPLATE& Template);

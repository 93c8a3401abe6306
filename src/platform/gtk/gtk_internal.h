// What the files of the desktop backend share. Only src/platform/gtk/ and
// the GUI tests' real-input helpers (tests/gui/xtest_input.h) include this
// (it includes GTK).
#pragma once

#include <gtk/gtk.h>

#include <cstdint>
#include <string>

#include "platform/ui_backend.h"

class CANVAS;
class DIALOG;
struct MENU;
struct SHOWN_BOX;
struct PROGRESS_MODEL;

namespace gtk_internal {

// Boxes and the progress window (gtk_boxes.cpp).
int Message_Box(const SHOWN_BOX& Box, int nDefault);
void Progress_Changed(const PROGRESS_MODEL& Progress);
GtkWidget* Progress_Window();
GtkWidget* Message_Box_Window();   // the innermost box shown; null when none

// Printing a text file as monospaced pages (gtk_print.cpp).
bool Print_Document(const char* szPath);

// Dialogs from their templates (gtk_dialogs.cpp).
void Run_Dialog(DIALOG& Dialog);
void Dialog_Changed(DIALOG& Dialog, int nControl);
void Dialog_Ended(DIALOG& Dialog);
void Invalidate_Dialog(DIALOG* pDialog, int nControl, const UI_RECT* pArea);
// The window of the innermost open dialog of an id, and a control's widget
// (bOuter: what sits in the layout, e.g. the scrolled window around a list;
// nOrdinal tells apart the controls sharing the id -1); null when not open.
GtkWidget* Dialog_Window(int nDialogId);
GtkWidget* Control_Widget(int nDialogId, int nControl, bool bOuter, int nOrdinal = 0);
// The client area of that dialog (the controls' layout, inside the scrolled
// window that is the window's child); null when not open.
GtkWidget* Dialog_Client_Area(int nDialogId);
GtkWidget* Top_Dialog_Window();
// A message box shown (true) or gone: while one is up, the dialogs moved
// aside stand where they stood, since the user answers it and then works in
// them.
void Message_Box_Shown(bool bShown);
// Shows the model changes of an open dialog gathered so far.
void Flush_Dialog(int nDialogId);

// The main window's frame (gtk_main_frame.cpp).
void Invalidate(DIALOG* pDialog, int nControl, const UI_RECT* pArea);
void Invalidate_Main_Window(const UI_RECT* pArea);
GtkWidget* Main_Window();
GtkWidget* Frame_Area(int nArea);   // FRAME_AREA
void Install_Frame();
void Uninstall_Frame();

// The menu bar, the accelerators and popup menus (gtk_menus.cpp).
void Main_Menu_Changed(const MENU& Menu);
int Popup_Menu(const MENU& Menu, int x, int y);
// Puts the menu bar (built from the model) into the holder and the
// accelerators onto the window; Detach forgets both.
void Attach_Menu_Bar(GtkWidget* pWindow, GtkWidget* pHolder);
void Detach_Menu_Bar();
// The item of a command in the menu bar, the accelerator group; null when none.
GtkWidget* Menu_Item_Of(int nCommand);
GtkAccelGroup* Accelerators();
// The popup menu shown now; null when none.
GtkWidget* Popup_Shown_Now();

// The windows of the backend (gtk_window.cpp): every top-level window the
// backend opens is registered while it is shown; the owner of a new one is
// the innermost (the last dialog, else the main window).
void Register_Window(GtkWidget* pWindow);
void Forget_Window(GtkWidget* pWindow);
GtkWindow* Owner_Window();
// After a dialog, box or progress window closed: the window under it (the
// innermost dialog left, else the main window) is made active again, so
// that the keyboard does not stay with a window manager's choice.
void Return_Focus_To_Owner();
// A dialog or box just shown takes the keyboard where no window manager
// gives it one: without a manager the X focus stays where it was (the keys
// still reach a modal window through its grab, but GTK then draws neither
// its caret nor its focus). With a manager, nothing: the manager decides.
void Take_Keyboard_Without_Manager(GtkWidget* pWindow);
// Closes every window of the backend (tests, shut-down).
void Close_Windows();
// Whether nobody sits at the keyboard (a script or a test drives the run):
// boxes and dialogs end by themselves once shown.
bool Unattended();

// The work area (the screen less its panels) of the monitor pOn stands on
// (null, or not shown: the primary monitor, else the first). Empty when the
// display knows no monitor.
GdkRectangle Monitor_Work_Area(GtkWidget* pOn);
// What a window manager's frame adds to a shown window's width and height
// (cx, cy); false, leaving them, while the window is not shown.
bool Measure_Frame(GtkWidget* pWindow, int& cx, int& cy);

// Runs a nested loop until *pDone: blocking, one event at a time.
void Run_Until(const bool* pDone);

// Draws a canvas into a cairo context at (x, y): the canvas bytes are a
// cairo ARGB32 image as they are.
void Paint_Canvas(cairo_t* pCairo, const CANVAS& Canvas, int x, int y);

// Whether the window has been drawn at its full size once (a screenshot
// before that would show an empty frame).
bool Drawn_Full_Size(GtkWidget* pWindow);
// How many times the window has been drawn.
int Draw_Count(GtkWidget* pWindow);
// Marks windows so Drawn_Full_Size can tell (connected to "draw").
void Watch_First_Draw(GtkWidget* pWindow);

// Unattended runs (a script or a test drives the program): once a window is
// shown, the action is carried out from the loop, as a user's click would be.
void After_First_Draw(GtkWidget* pWindow, void (*pAction)(void*), void* pData);

}  // namespace gtk_internal

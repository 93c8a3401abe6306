// What the GUI tests and the measuring tool read and do on the real
// widgets, without a GTK header of their own: where a control sits, what it
// shows, keys and menu items driven in-process (as a user's would arrive),
// the first full-size draw awaited, and screenshots.
#pragma once

#include <functional>
#include <string>

namespace gtk_probe {

struct PIXELS {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

// The windows a test can name.
enum WINDOW_KIND : int { WINDOW_DIALOG, WINDOW_MESSAGE_BOX, WINDOW_PROGRESS, WINDOW_MAIN, WINDOW_POPUP };

// Called from the loop once a dialog (its id) or a message box (id 0) has
// been drawn at full size, before queued actions run, and once a popup menu
// shows; null: none.
using SHOWN_HOOK = void (*)(int nKind, int nDialogId);
void Set_Shown_Hook(SHOWN_HOOK pHook);
// For the backend: calls the hook.
void Shown(int nKind, int nDialogId);

// A control's place in its dialog's layout (pixels); false when the dialog
// is not open or has no such control.
// nOrdinal: which of the controls sharing the id -1 (labels, group boxes).
bool Control_Pixels(int nDialogId, int nControl, PIXELS& Pixels, int nOrdinal = 0);
// The dialog's layout size (pixels).
bool Dialog_Pixels(int nDialogId, PIXELS& Pixels);
// What the control shows (UTF-8, mnemonic mark removed) and the mnemonic's
// key (lower case; 0 none); false when not found or it shows no caption.
bool Control_Caption(int nDialogId, int nControl, std::string& Caption, char& cMnemonic, int nOrdinal = 0);
bool Control_Visible(int nDialogId, int nControl);
bool Control_Sensitive(int nDialogId, int nControl);
// The text of an entry as the widget holds it (UTF-8).
std::string Entry_Text(int nDialogId, int nControl);
// Types UTF-8 text into an entry as a user's input (the entry's insert
// path: refused characters are not taken).
bool Type_Into(int nDialogId, int nControl, const std::string& Utf8);
// Rows and the text of a cell of a report list as the view shows them
// (nColumn: the model's column index); -1 / "" when not found.
int Report_Rows(int nDialogId, int nControl);
std::string Report_Cell(int nDialogId, int nControl, int nRow, int nColumn);
// The report list's columns as the view shows them, left to right (model
// column indexes).
std::string Report_Column_Order(int nDialogId, int nControl);
// Clicks a button (its "clicked", as a user's click).
bool Click_Button(int nDialogId, int nControl);
// Clicks a report list's header (the real column's "clicked").
bool Click_Header(int nDialogId, int nControl, int nColumn);

// A key pressed and released in a window (nDialogId for a dialog): a key
// event with the keyboard's keycode, handed to GTK's event dispatch.
// cKey: a letter or digit, or one of the names "Return", "Escape", "F2".
bool Send_Key(int nKind, int nDialogId, const std::string& Key, bool bCtrl = false, bool bAlt = false,
              bool bShift = false);
// A click (press and release of button nButton, 1 the left) at (x, y) of a
// main window's area (FRAME_AREA of main_frame.h), through GTK's event
// dispatch; false when the area is not shown.
bool Click_Main_Area(int nArea, int x, int y, int nButton = 1);
// The menu item of a command activated; false when the bar has no item.
bool Activate_Menu_Item(int nCommand);
// Whether the item of a command can be chosen in the bar now (it and every
// menu above it sensitive).
bool Menu_Item_Sensitive(int nCommand);
// The item of a command in the popup menu shown now chosen (as a click);
// false when no popup shows or it has no such item.
bool Choose_Popup_Item(int nCommand);
// A key handed to the main window's accelerators (gtk_accel_groups_activate).
bool Activate_Accelerator(const std::string& Key, bool bCtrl = false, bool bAlt = false, bool bShift = false);

// Whether the window is open and has been drawn at its full size.
bool Drawn(int nKind, int nDialogId = 0);
// Runs the loop until it is (false after nTimeoutMs).
bool Wait_Drawn(int nKind, int nDialogId = 0, int nTimeoutMs = 5000);
// How many times the window has been drawn, and the loop run until it has
// been drawn more often than nDraws (false after nTimeoutMs).
int Draw_Count(int nKind, int nDialogId = 0);
bool Wait_Draw_After(int nKind, int nDialogId, int nDraws, int nTimeoutMs = 5000);
// Runs the loop for a while (events and timers; sleeps between them).
void Run_For(int nMs);
// Runs the loop until Done() holds, asking after each event and every few
// milliseconds; whether it holds (false after nTimeoutMs).
bool Wait_Until(const std::function<bool()>& Done, int nTimeoutMs);
// Whether a dialog or a message box is open now.
bool Modal_Open();
// The window's size (pixels); false when not open.
bool Window_Pixels(int nKind, int nDialogId, PIXELS& Pixels);
// The size of an area of the main window (FRAME_AREA) as allocated now;
// false when it is not shown.
bool Main_Area_Pixels(int nArea, PIXELS& Pixels);
// Resizes the main window (what a user's drag asks for).
void Resize_Main_Window(int cx, int cy);
// Resizes a dialog's window the same way.
void Resize_Dialog(int nDialogId, int cx, int cy);
// Writes the window as it shows now to a PNG; false when not open or the
// file cannot be written.
bool Screenshot(int nKind, int nDialogId, const std::string& Path);
// The title of a window (UTF-8).
std::string Window_Title(int nKind, int nDialogId = 0);
// A report list's header dragged and dropped so that the model's column
// nColumn stands at display position nPosition (as the user's drop).
bool Drag_Header(int nDialogId, int nControl, int nColumn, int nPosition);
// The row of a list or report list the view shows first, and its cursor
// row; -1 when none or not found.
int View_Top_Row(int nDialogId, int nControl);
int View_Cursor_Row(int nDialogId, int nControl);
// The row the view has selected first, and whether it shows whole in the
// view's visible area (not cut at an edge, not scrolled out); -1 / false
// when none or not found.
int View_Selected_Row(int nDialogId, int nControl);
bool View_Row_Shown_Whole(int nDialogId, int nControl, int nRow);
// How many columns a list or report list's view has.
int View_Columns(int nDialogId, int nControl);
// A report list's column's width as the view has it (model column index).
int View_Column_Width(int nDialogId, int nControl, int nColumn);
// A right click on a row of a report list (-1: its header), as the
// pointer's button 3.
bool Right_Click_Report(int nDialogId, int nControl, int nRow);
// The window's place on the screen (its frame's origin); false when not open.
bool Window_Origin(int nKind, int nDialogId, int& x, int& y);
// Whether the window shows a cursor of its own (the wait cursor) rather
// than its parent's arrow.
bool Window_Cursor_Set(int nKind, int nDialogId);
// The size grip of a resizable dialog (pixels in its layout); false none.
bool Size_Grip_Pixels(int nDialogId, PIXELS& Pixels);
// The desktop clipboard's text as UTF-8, read straight from it.
std::string Clipboard_Utf8();
// Base units of the dialog font in pixels (the average width of the
// letters, the line height), as GTK measures them.
void Base_Units(int& cx, int& cy);

}  // namespace gtk_probe

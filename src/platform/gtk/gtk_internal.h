// What the files of the desktop backend share. Only src/platform/gtk/
// includes this (it includes GTK).
#pragma once

#include <gtk/gtk.h>

#include <cstdint>
#include <string>

#include "platform/ui_backend.h"

struct CANVAS;
class DIALOG;
struct MENU;
struct SHOWN_BOX;
struct PROGRESS_MODEL;

namespace gtk_internal {

// Boxes and the progress window (gtk_boxes.cpp).
int Message_Box(const SHOWN_BOX& Box, int nDefault);
void Progress_Changed(const PROGRESS_MODEL& Progress);
GtkWidget* Progress_Window();

// Dialogs from their templates (gtk_dialogs.cpp).
void Run_Dialog(DIALOG& Dialog);
void Dialog_Changed(DIALOG& Dialog, int nControl);
void Invalidate(DIALOG* pDialog, int nControl, const UI_RECT* pArea);

// The menu bar, the accelerators and popup menus (gtk_menus.cpp).
void Main_Menu_Changed(const MENU& Menu);
int Popup_Menu(const MENU& Menu, int x, int y);

// Closes every window of the backend (tests, shut-down).
void Close_Windows();

// Runs a nested loop until *pDone: blocking, one event at a time.
void Run_Until(const bool* pDone);

// Draws a canvas into a cairo context at (x, y): the canvas bytes are a
// cairo ARGB32 image as they are.
void Paint_Canvas(cairo_t* pCairo, const CANVAS& Canvas, int x, int y);

// Whether the window has been drawn at its full size once (a screenshot
// before that would show an empty frame).
bool Drawn_Full_Size(GtkWidget* pWindow);
// Marks windows so Drawn_Full_Size can tell (connected to "draw").
void Watch_First_Draw(GtkWidget* pWindow);

// Unattended runs (a script or a test drives the program): once a window is
// shown, the action is carried out from the loop, as a user's click would be.
void After_First_Draw(GtkWidget* pWindow, void (*pAction)(void*), void* pData);

}  // namespace gtk_internal

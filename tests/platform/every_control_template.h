// A test dialog of every control kind: labels, edits (one with a limit of 5,
// one multi-line, one read-only), an owner-drawn combo, a multi-select list,
// a check box, a group box with two radio groups, an up-down with its buddy,
// a trackbar, a progress bar, a paint area, a report list, the "&&" of a
// literal "&", and anchors for resizing (the dialog is resizable down to
// 240 x 160 units). The model's tests and the desktop backend's use it.
#pragma once

#include "platform/dialogs.h"

inline constexpr int EVERY_DIALOG = 990;

inline constexpr CONTROL_TEMPLATE EVERY_CONTROLS[] = {
    {2001, CONTROL_LABEL, "&Name:", {10, 10, 40, 10}},
    {2002, CONTROL_EDIT, "", {55, 8, 100, 14}, CS_GROUP | CS_ANCHOR_LEFT | CS_ANCHOR_TOP | CS_ANCHOR_RIGHT, 5},
    {2003, CONTROL_EDIT, "", {55, 26, 100, 30}, CS_MULTILINE},
    {2004, CONTROL_EDIT, "fixed", {55, 60, 100, 14}, CS_READONLY},
    {2005, CONTROL_COMBO, "", {165, 8, 80, 14}, CS_OWNER_DRAW},
    {2006, CONTROL_LIST, "", {165, 26, 80, 50}, CS_MULTI_SELECT},
    {2007, CONTROL_CHECK, "&Check", {10, 80, 60, 10}},
    {2008, CONTROL_GROUP, "Kind", {10, 94, 100, 40}},
    {2009, CONTROL_RADIO, "&One", {16, 106, 40, 10}, CS_GROUP},
    {2010, CONTROL_RADIO, "&Two", {16, 118, 40, 10}},
    {2011, CONTROL_RADIO, "T&hree", {60, 106, 40, 10}},
    {2012, CONTROL_RADIO, "Othe&r", {60, 118, 40, 10}, CS_GROUP},
    {2013, CONTROL_EDIT, "1", {120, 96, 30, 14}, CS_GROUP},
    {2014, CONTROL_UPDOWN, "", {151, 96, 11, 14}, 0, 0, 1, 4, 2013},
    {2015, CONTROL_TRACKBAR, "", {120, 116, 100, 16}, 0, 0, 0, 10},
    {2016, CONTROL_PROGRESS, "", {120, 136, 100, 10}, 0, 0, 0, 100},
    {2017, CONTROL_PAINT, "", {250, 8, 40, 40}, CS_ANCHOR_RIGHT | CS_ANCHOR_TOP},
    {2018, CONTROL_REPORT, "", {10, 150, 280, 20},
     CS_ANCHOR_LEFT | CS_ANCHOR_TOP | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
    {-1, CONTROL_LABEL, "Kick && Punt", {10, 176, 80, 10}, CS_ANCHOR_LEFT | CS_ANCHOR_BOTTOM},
    {1, CONTROL_BUTTON, "O&K", {180, 176, 50, 16}, CS_DEFAULT | CS_GROUP | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
    {2, CONTROL_BUTTON, "C&ancel", {240, 176, 50, 16}, CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
};
inline constexpr DIALOG_TEMPLATE EVERY_TEMPLATE{
    EVERY_DIALOG, "Every Control", 300, 200, DS_RESIZABLE, 240, 160, EVERY_CONTROLS, "everything"};


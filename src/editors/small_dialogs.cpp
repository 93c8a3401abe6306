// Database Notes (164), Injury Contingency (158) and Did You Know? (156).

#include "editors/small_dialogs.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "editors/city_editor.h"
#include "editors/stat_pickers.h"
#include "league/database_notes.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/sketch.h"
#include "platform/ui_services.h"

namespace {

// Hint 0 runs two hints together without a blank; it is kept as written.
constexpr const char* HINTS[HINT_COUNT] = {
    "You can use the 'Find Players' utility in the Team menu to help fill weak spots in your team.Paying your "
    "medical staff well reduces the likelihood of player injury.",
    "At the beginning of each season, you can check out the headlines to see who won the MVP and other awards.",
    "Fans love cheap food.",
    "Using the Hint button in the trade dialogue will let you in on the needs of the computer's team.",
};
// The stop's weeks as typed: at least 1; more than a season is no stop.
constexpr int64_t MOST_INJURY_WEEKS = 99;

struct HINT_STATE {
    bool bShowAtStartup = false;
    int nHint = 0;
};

void Show_Hint(DIALOG& Dialog, int nHint)
{
    char szHint[HINT_TEXT_SIZE];
    Get_Hint_Text(nHint, szHint);
    Dialog.Set_Text(HINT_TEXT_LIST, szHint);
}

// --- Templates -----------------------------------------------------------

constexpr CONTROL_TEMPLATE NOTES_CONTROLS[] = {
    {-1, CONTROL_LABEL,
     "This screen lets you write notes to yourself that are saved with each saved game file.\n\nDatabase notes "
     "are limited to 500 characters.",
     {7, 4, 266, 34}, CS_MULTILINE},
    {NOTES_EDIT, CONTROL_EDIT, "", {7, 42, 266, 110}, CS_MULTILINE | CS_GROUP, DATABASE_NOTES_LIMIT},
    {NOTES_DONE_BUTTON, CONTROL_BUTTON, "&Done", {140, 158, 64, 16}, CS_DEFAULT | CS_GROUP},
    {NOTES_CANCEL_BUTTON, CONTROL_BUTTON, "&Cancel", {209, 158, 64, 16}},
};
constexpr DIALOG_TEMPLATE NOTES_TEMPLATE{
    DATABASE_NOTES_DIALOG, "Database Notes", 300, 180, 0, 0, 0, NOTES_CONTROLS, "databasenotes"};
constexpr int NOTES_USED_IDS[] = {NOTES_EDIT, NOTES_DONE_BUTTON, NOTES_CANCEL_BUTTON};
const DIALOG_REGISTRAR NOTES_REGISTRAR(DATABASE_NOTES_DIALOG, NOTES_TEMPLATE, Database_Notes_Dialog, NOTES_USED_IDS);

constexpr CONTROL_TEMPLATE INJURY_CONTROLS[] = {
    {INJURY_STOP_CHECK, CONTROL_CHECK, "Stop simulation when a player on your team is injured for at least",
     {7, 8, 236, 10}, CS_GROUP},
    {INJURY_WEEKS_EDIT, CONTROL_EDIT, "", {28, 24, 30, 13}, 0, 2},
    {-1, CONTROL_LABEL, "weeks", {62, 26, 40, 10}},
    {INJURY_OK_BUTTON, CONTROL_BUTTON, "&OK", {47, 46, 60, 16}, CS_DEFAULT | CS_GROUP},
    {INJURY_CANCEL_BUTTON, CONTROL_BUTTON, "&Cancel", {112, 46, 60, 16}},
    {INJURY_HELP_BUTTON, CONTROL_BUTTON, "&Help", {177, 46, 60, 16}},
};
constexpr DIALOG_TEMPLATE INJURY_TEMPLATE{
    INJURY_CONTINGENCY_DIALOG, "Injury Contingency", 250, 68, 0, 0, 0, INJURY_CONTROLS, "injurycontingency"};
constexpr int INJURY_USED_IDS[] = {INJURY_STOP_CHECK, INJURY_WEEKS_EDIT, INJURY_OK_BUTTON, INJURY_CANCEL_BUTTON,
                                   INJURY_HELP_BUTTON};
const DIALOG_REGISTRAR INJURY_REGISTRAR(INJURY_CONTINGENCY_DIALOG, INJURY_TEMPLATE, Injury_Contingency_Dialog,
                                        INJURY_USED_IDS);

constexpr CONTROL_TEMPLATE HINT_CONTROLS[] = {
    // A read-only box that wraps: a hint is a paragraph, not a list entry.
    {HINT_TEXT_LIST, CONTROL_EDIT, "", {7, 7, 236, 60}, CS_GROUP | CS_MULTILINE | CS_READONLY},
    {HINT_SHOW_AT_STARTUP_CHECK, CONTROL_CHECK, "Show hint at startup", {7, 76, 100, 10}, CS_GROUP},
    {HINT_NEXT_BUTTON, CONTROL_BUTTON, "&Next Hint", {114, 73, 62, 16}, CS_GROUP},
    {HINT_OK_BUTTON, CONTROL_BUTTON, "&OK", {181, 73, 62, 16}, CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE HINT_TEMPLATE{
    DID_YOU_KNOW_DIALOG, "Did You Know?", 250, 96, 0, 0, 0, HINT_CONTROLS, "didyouknow"};
constexpr int HINT_USED_IDS[] = {HINT_TEXT_LIST, HINT_SHOW_AT_STARTUP_CHECK, HINT_NEXT_BUTTON, HINT_OK_BUTTON};
const DIALOG_REGISTRAR HINT_REGISTRAR(DID_YOU_KNOW_DIALOG, HINT_TEMPLATE, Did_You_Know_Dialog, HINT_USED_IDS);

constexpr int STROKE_RANGES[STROKE_TRACKBARS] = {5000, 3000, 2000};
constexpr uint32_t STROKE_COLOR = 0xFF0000FF;
constexpr CONTROL_TEMPLATE STROKE_CONTROLS[] = {
    {STROKE_AREA, CONTROL_PAINT, "", {7, 6, 260, 240}},
    {STROKE_FIRST_TRACKBAR, CONTROL_TRACKBAR, "", {274, 10, 90, 16}, CS_GROUP, 0, 0, STROKE_RANGES[0]},
    {STROKE_FIRST_VALUE, CONTROL_LABEL, "0.000", {368, 13, 36, 10}},
    {STROKE_FIRST_TRACKBAR + 1, CONTROL_TRACKBAR, "", {274, 32, 90, 16}, CS_GROUP, 0, 0, STROKE_RANGES[1]},
    {STROKE_FIRST_VALUE + 1, CONTROL_LABEL, "0.000", {368, 35, 36, 10}},
    {STROKE_FIRST_TRACKBAR + 2, CONTROL_TRACKBAR, "", {274, 54, 90, 16}, CS_GROUP, 0, 0, STROKE_RANGES[2]},
    {STROKE_FIRST_VALUE + 2, CONTROL_LABEL, "0.000", {368, 57, 36, 10}},
    {STROKE_OK_BUTTON, CONTROL_BUTTON, "OK", {340, 230, 64, 16}, CS_DEFAULT | CS_GROUP},
};
constexpr DIALOG_TEMPLATE STROKE_TEMPLATE{
    STROKE_TESTER_DIALOG, "AGG Tester", 411, 252, 0, 0, 0, STROKE_CONTROLS, nullptr};
constexpr int STROKE_USED_IDS[] = {STROKE_AREA,           STROKE_FIRST_TRACKBAR,     STROKE_FIRST_TRACKBAR + 1,
                                   STROKE_FIRST_TRACKBAR + 2, STROKE_FIRST_VALUE,    STROKE_FIRST_VALUE + 1,
                                   STROKE_FIRST_VALUE + 2, STROKE_OK_BUTTON};
const DIALOG_REGISTRAR STROKE_REGISTRAR(STROKE_TESTER_DIALOG, STROKE_TEMPLATE, Stroke_Tester_Dialog, STROKE_USED_IDS);

int Trackbar_Position(const DIALOG& Dialog, int i)
{
    const DIALOG_CONTROL* pBar = Dialog.Find(STROKE_FIRST_TRACKBAR + i);
    return pBar != nullptr ? pBar->nPosition : 0;
}

void Paint_Stroke(const DIALOG& Dialog, CANVAS& Canvas, const UI_RECT& Area)
{
    SKETCH_RECORD List;
    Init_Sketch_Record(List);
    start_new_path(List, STROKE_COLOR);
    Move_To(List.Storage, 0, 0);
    Line_To(List.Storage, 10, 0);
    Line_To(List.Storage, 20, 7);
    Line_To(List.Storage, 30, 20);
    Squiggle_Path(List, Trackbar_Position(Dialog, 0) / 1000.0, Trackbar_Position(Dialog, 1) / 1000.0,
                  Trackbar_Position(Dialog, 2) / 1000.0);
    Render_Sketch_Paths(Canvas, List, Area.x, Area.y, Area.cx, Area.cy, 0.0);
    Free_Sketch_Buffers(List);
}

}  // namespace

void Stroke_Tester_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    switch (nEvent) {
    case DIALOG_INIT:
        Dialog.Build_Registered();
        return;
    case DIALOG_SCROLL:
        if (nControl >= STROKE_FIRST_TRACKBAR && nControl < STROKE_FIRST_TRACKBAR + STROKE_TRACKBARS) {
            const int i = nControl - STROKE_FIRST_TRACKBAR;
            Dialog.Set_Text(STROKE_FIRST_VALUE + i, Format_Thousandths(Trackbar_Position(Dialog, i)));
            Dialog.Invalidate(STROKE_AREA);
        }
        return;
    case DIALOG_PAINT:
        if (nControl == STROKE_AREA && Dialog.Event().pCanvas != nullptr)
            Paint_Stroke(Dialog, *Dialog.Event().pCanvas, Dialog.Event().Area);
        return;
    case DIALOG_COMMAND:
        if (nControl == STROKE_OK_BUTTON && Dialog.Event().nNotification == NOTIFY_CLICKED)
            Dialog.End(1);
        return;
    default:
        return;
    }
}

int Run_Stroke_Tester_Dialog()
{
    return Do_Dialog(STROKE_TESTER_DIALOG, "AGG Tester", Stroke_Tester_Dialog);
}

void Get_Hint_Text(int nHint, char* szOut)
{
    if (szOut == nullptr)
        return;
    if (nHint < 0 || nHint >= HINT_COUNT) {
        Report_Error("nHint out of bounds in %s([%d])", __func__, nHint);
        nHint = 0;
    }
    std::snprintf(szOut, HINT_TEXT_SIZE, "%s", HINTS[nHint]);
}

void Database_Notes_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Dialog.Set_Text(NOTES_EDIT, Get_Database_Notes().substr(0, DATABASE_NOTES_LIMIT));
        return;
    }
    if (nEvent != DIALOG_COMMAND || Dialog.Event().nNotification != NOTIFY_CLICKED)
        return;
    if (nControl == NOTES_DONE_BUTTON) {
        // All the edit's characters are kept: the field has room for them.
        Set_Database_Notes(Dialog.Get_Text(NOTES_EDIT).substr(0, DATABASE_NOTES_LIMIT).c_str());
        Dialog.End(DIALOG_OK);
    } else if (nControl == NOTES_CANCEL_BUTTON) {
        Dialog.End(DIALOG_CANCEL);
    }
}

void Injury_Contingency_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        int nValue = Get_User_Preference(PREF_INJURY_CONTINGENCY);
        if (nValue == 0) {
            nValue = -DEFAULT_INJURY_WEEKS;
            Set_User_Preference(PREF_INJURY_CONTINGENCY, nValue);
        }
        Dialog.Set_Checked(INJURY_STOP_CHECK, nValue > 0);
        Dialog.Set_Text(INJURY_WEEKS_EDIT, std::to_string(std::llabs(static_cast<long long>(nValue))));
        Dialog.Enable(INJURY_WEEKS_EDIT, nValue > 0);
        return;
    }
    if (nEvent != DIALOG_COMMAND || Dialog.Event().nNotification != NOTIFY_CLICKED)
        return;
    switch (nControl) {
    case INJURY_STOP_CHECK:
        Dialog.Enable(INJURY_WEEKS_EDIT, Dialog.Is_Checked(INJURY_STOP_CHECK));
        break;
    case INJURY_OK_BUTTON: {
        const int nWeeks =
            static_cast<int>(Read_Bounded_Number(Dialog.Get_Text(INJURY_WEEKS_EDIT), 1, MOST_INJURY_WEEKS));
        Set_User_Preference(PREF_INJURY_CONTINGENCY, Dialog.Is_Enabled(INJURY_WEEKS_EDIT) ? nWeeks : -nWeeks);
        Dialog.End(1);
        break;
    }
    case INJURY_CANCEL_BUTTON:
        Dialog.End(0);
        break;
    case INJURY_HELP_BUTTON:
        Open_Help_Page(INJURY_CONTINGENCY_DIALOG);
        break;
    default:
        break;
    }
}

void Did_You_Know_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    HINT_STATE* pState = static_cast<HINT_STATE*>(Dialog.Param());
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Dialog.Set_Checked(HINT_SHOW_AT_STARTUP_CHECK, pState != nullptr && pState->bShowAtStartup);
        Show_Hint(Dialog, pState != nullptr ? pState->nHint : 0);
        return;
    }
    if (nEvent == DIALOG_DESTROY) {
        if (pState != nullptr)
            pState->bShowAtStartup = Dialog.Is_Checked(HINT_SHOW_AT_STARTUP_CHECK);
        return;
    }
    if (nEvent != DIALOG_COMMAND || Dialog.Event().nNotification != NOTIFY_CLICKED)
        return;
    if (nControl == HINT_NEXT_BUTTON) {
        int nHint = pState != nullptr ? pState->nHint : 0;
        nHint = (nHint + 1) % HINT_COUNT;
        if (pState != nullptr)
            pState->nHint = nHint;
        Show_Hint(Dialog, nHint);
    } else if (nControl == HINT_OK_BUTTON) {
        Dialog.End(1);
    }
}

int Run_Database_Notes_Dialog()
{
    return Do_Dialog(DATABASE_NOTES_DIALOG, "Database Notes", Database_Notes_Dialog);
}

int Run_Injury_Contingency_Dialog()
{
    return Do_Dialog(INJURY_CONTINGENCY_DIALOG, "Injury Contingency", Injury_Contingency_Dialog);
}

int Run_Did_You_Know_Dialog(bool& bShowAtStartup, int nFirstHint, int* pLastHint)
{
    HINT_STATE State;
    State.bShowAtStartup = bShowAtStartup;
    State.nHint = ((nFirstHint % HINT_COUNT) + HINT_COUNT) % HINT_COUNT;
    const int nResult = Do_Dialog(DID_YOU_KNOW_DIALOG, "Did You Know?", Did_You_Know_Dialog, &State);
    bShowAtStartup = State.bShowAtStartup;
    if (pLastHint != nullptr)
        *pLastHint = State.nHint;
    return nResult;
}

// The Offense and Defense views: a club's depth chart as the games read it
// (engine/formations.h), shown and never changed.
#include "frontoffice/team_views.h"

#include <algorithm>
#include <cstdio>

#include "engine/formations.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialog_template.h"
#include "platform/resources.h"

namespace {

constexpr int POSITION_ABBREVIATION_STRING = 59;   // string table 59-73: "QB" .. "P"
constexpr int MOST_DEPTH = PLAYERS_PER_TEAM;

constexpr int OFFENSE_POSITIONS[] = {POSITION_QB, POSITION_RB, POSITION_FB, POSITION_TE, POSITION_WR,
                                     POSITION_T,  POSITION_G,  POSITION_C,  POSITION_K};
constexpr int DEFENSE_POSITIONS[] = {POSITION_DE, POSITION_DT, POSITION_LB, POSITION_CB, POSITION_S, POSITION_P};

constexpr unsigned STRETCH = CS_ANCHOR_LEFT | CS_ANCHOR_TOP | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM;
constexpr unsigned BOTTOM_RIGHT = CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM;

constexpr CONTROL_TEMPLATE OFFENSE_CONTROLS[] = {
    {-1, CONTROL_LABEL, "&Club:", {7, 9, 24, 10}},
    {TEAM_VIEW_CLUB_COMBO, CONTROL_COMBO, "", {33, 7, 160, 14}, CS_GROUP},
    {TEAM_VIEW_LIST, CONTROL_REPORT, "", {7, 26, 306, 180}, STRETCH | CS_GROUP},
    {TEAM_VIEW_OTHER_BUTTON, CONTROL_BUTTON, "&Defense...", {189, 212, 60, 16}, BOTTOM_RIGHT | CS_GROUP},
    {TEAM_VIEW_DONE_BUTTON, CONTROL_BUTTON, "Do&ne", {253, 212, 60, 16}, BOTTOM_RIGHT | CS_DEFAULT},
};
constexpr CONTROL_TEMPLATE DEFENSE_CONTROLS[] = {
    {-1, CONTROL_LABEL, "&Club:", {7, 9, 24, 10}},
    {TEAM_VIEW_CLUB_COMBO, CONTROL_COMBO, "", {33, 7, 160, 14}, CS_GROUP},
    {TEAM_VIEW_LIST, CONTROL_REPORT, "", {7, 26, 306, 180}, STRETCH | CS_GROUP},
    {TEAM_VIEW_OTHER_BUTTON, CONTROL_BUTTON, "&Offense...", {189, 212, 60, 16}, BOTTOM_RIGHT | CS_GROUP},
    {TEAM_VIEW_DONE_BUTTON, CONTROL_BUTTON, "Do&ne", {253, 212, 60, 16}, BOTTOM_RIGHT | CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE OFFENSE_TEMPLATE{OFFENSE_VIEW_DIALOG, "Offense", 320, 234, DS_RESIZABLE, 320, 234,
                                           OFFENSE_CONTROLS, "offense"};
constexpr DIALOG_TEMPLATE DEFENSE_TEMPLATE{DEFENSE_VIEW_DIALOG, "Defense", 320, 234, DS_RESIZABLE, 320, 234,
                                           DEFENSE_CONTROLS, "defense"};
constexpr int TEAM_VIEW_USED_IDS[] = {TEAM_VIEW_CLUB_COMBO, TEAM_VIEW_LIST, TEAM_VIEW_OTHER_BUTTON,
                                      TEAM_VIEW_DONE_BUTTON};
const DIALOG_REGISTRAR OFFENSE_REGISTRAR(OFFENSE_VIEW_DIALOG, OFFENSE_TEMPLATE, Team_View_Dialog, TEAM_VIEW_USED_IDS);
const DIALOG_REGISTRAR DEFENSE_REGISTRAR(DEFENSE_VIEW_DIALOG, DEFENSE_TEMPLATE, Team_View_Dialog, TEAM_VIEW_USED_IDS);

struct COLUMN {
    const char* szTitle;
    int nWidth;   // pixels
    int nAlign;
};
constexpr COLUMN COLUMNS[TEAM_VIEW_COLUMN_COUNT] = {
    {"Pos", 40, COLUMN_LEFT},     {"Depth", 50, COLUMN_RIGHT},   {"Player", 170, COLUMN_LEFT},
    {"Age", 40, COLUMN_RIGHT},    {"Overall", 60, COLUMN_RIGHT}, {"Status", 100, COLUMN_LEFT},
};

bool Is_Club_In_Use(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Team_Slot_Used(nTeam);
}

// The club to show: the one asked for when it is in use, else the viewed
// club, else the first club in use; -1 when the league has none.
int Club_To_Show(int nTeam)
{
    if (Is_Club_In_Use(nTeam))
        return nTeam;
    const int nViewed = Get_User_Preference(PREF_CURRENT_TEAM);
    if (Is_Club_In_Use(nViewed))
        return nViewed;
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        if (Is_Club_In_Use(t))
            return t;
    return -1;
}

// A kicker and a punter start alone; the other positions as the games' line-ups ask.
int Starters_At(int nTeam, int nPosition)
{
    if (nPosition == POSITION_K || nPosition == POSITION_P)
        return 1;
    return Get_Starters_Needed(nTeam, nPosition);
}

int Side_Of(const DIALOG& Dialog)
{
    return Dialog.Id() == DEFENSE_VIEW_DIALOG ? TEAM_VIEW_DEFENSE : TEAM_VIEW_OFFENSE;
}

void Fill_Club_Combo(DIALOG& Dialog, int nTeam)
{
    Dialog.Clear_Items(TEAM_VIEW_CLUB_COMBO);
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Club_In_Use(t))
            continue;
        char szName[TEXT_BUFFER_SIZE];
        Get_Team_Full_Name(t, szName);
        const int nIndex = Dialog.Add_Item(TEAM_VIEW_CLUB_COMBO, szName, t);
        if (t == nTeam)
            Dialog.Set_Selected(TEAM_VIEW_CLUB_COMBO, nIndex);
    }
}

void Fill_Rows(DIALOG& Dialog, int nTeam)
{
    Dialog.Begin_Update(TEAM_VIEW_LIST);
    Dialog.Clear_Rows(TEAM_VIEW_LIST);
    if (nTeam >= 0)
        for (const TEAM_VIEW_ROW& Row : Get_Team_View_Rows(nTeam, Side_Of(Dialog)))
            Dialog.Add_Row(TEAM_VIEW_LIST, static_cast<int64_t>(nTeam) * PLAYERS_PER_TEAM + Row.nSlot,
                           Get_Team_View_Cells(nTeam, Row));
    Dialog.End_Update(TEAM_VIEW_LIST);
}

int Shown_Club(const DIALOG& Dialog)
{
    const int nIndex = Dialog.Get_Selected(TEAM_VIEW_CLUB_COMBO);
    return nIndex < 0 ? -1 : static_cast<int>(Dialog.Item_Data(TEAM_VIEW_CLUB_COMBO, nIndex));
}

int Show_View(int nDialogId, int nTeam)
{
    int nClub = Club_To_Show(nTeam);
    return Do_Dialog(nDialogId, &nClub);
}

}  // namespace

std::vector<int> Get_Team_View_Positions(int nSide)
{
    if (nSide == TEAM_VIEW_DEFENSE)
        return std::vector<int>(std::begin(DEFENSE_POSITIONS), std::end(DEFENSE_POSITIONS));
    return std::vector<int>(std::begin(OFFENSE_POSITIONS), std::end(OFFENSE_POSITIONS));
}

std::vector<TEAM_VIEW_ROW> Get_Team_View_Rows(int nTeam, int nSide)
{
    std::vector<TEAM_VIEW_ROW> Rows;
    if (!Is_Club_In_Use(nTeam))
        return Rows;
    for (int nPosition : Get_Team_View_Positions(nSide)) {
        const int nStarters = Starters_At(nTeam, nPosition);
        std::vector<int> Charted;
        for (int nDepth = 0; nDepth < MOST_DEPTH; ++nDepth) {
            const int nSlot = Get_Depth_Chart_Player(nTeam, nPosition, nDepth);
            if (nSlot < 0)
                break;
            Charted.push_back(nSlot);
            TEAM_VIEW_ROW Row;
            Row.nPosition = nPosition;
            Row.nDepth = nDepth;
            Row.nSlot = nSlot;
            Row.bStarter = nDepth < nStarters;
            Rows.push_back(Row);
        }
        // The players of the position the chart leaves out.
        const int nAll = Count_Team_Position_Players(nTeam, nPosition);
        for (int n = 0; n < nAll; ++n) {
            const int nSlot = Find_Team_Position_Player(nTeam, nPosition, n);
            if (nSlot < 0 || std::find(Charted.begin(), Charted.end(), nSlot) != Charted.end())
                continue;
            TEAM_VIEW_ROW Row;
            Row.nPosition = nPosition;
            Row.nSlot = nSlot;
            Rows.push_back(Row);
        }
    }
    return Rows;
}

std::vector<std::string> Get_Team_View_Cells(int nTeam, const TEAM_VIEW_ROW& Row)
{
    std::vector<std::string> Cells(TEAM_VIEW_COLUMN_COUNT);
    if (Row.nPosition >= 0 && Row.nPosition < NUMBER_OF_POSITIONS)
        Cells[TEAM_VIEW_COLUMN_POSITION] = Get_Resource_String(POSITION_ABBREVIATION_STRING + Row.nPosition);
    if (Row.nDepth >= 0)
        Cells[TEAM_VIEW_COLUMN_DEPTH] = std::to_string(Row.nDepth + 1);
    char szName[TEXT_BUFFER_SIZE];
    Get_Player_Full_Name(nTeam, Row.nSlot, szName);
    Cells[TEAM_VIEW_COLUMN_PLAYER] = szName;
    Cells[TEAM_VIEW_COLUMN_AGE] = std::to_string(Get_Player_Age(nTeam, Row.nSlot));
    Cells[TEAM_VIEW_COLUMN_OVERALL] = std::to_string(static_cast<int>(Get_Player_Overall_Rating(nTeam, Row.nSlot)));
    if (Row.nDepth < 0) {
        const int nWeeks = Get_Player_Vital_Stat(nTeam, Row.nSlot, VITAL_INJURY_WEEKS);
        char szStatus[48];
        std::snprintf(szStatus, sizeof szStatus, "Injured (%d week%s)", nWeeks, nWeeks == 1 ? "" : "s");
        Cells[TEAM_VIEW_COLUMN_STATUS] = szStatus;
    } else {
        Cells[TEAM_VIEW_COLUMN_STATUS] = Row.bStarter ? "Starter" : "Backup";
    }
    return Cells;
}

int Show_Offense_View(int nTeam)
{
    return Show_View(OFFENSE_VIEW_DIALOG, nTeam);
}

int Show_Defense_View(int nTeam)
{
    return Show_View(DEFENSE_VIEW_DIALOG, nTeam);
}

void Team_View_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    switch (nEvent) {
    case DIALOG_INIT: {
        Dialog.Build_Registered();
        const int* pTeam = static_cast<const int*>(Dialog.Param());
        const int nTeam = Club_To_Show(pTeam != nullptr ? *pTeam : -1);
        for (int c = 0; c < TEAM_VIEW_COLUMN_COUNT; ++c)
            Dialog.Add_Column(TEAM_VIEW_LIST, c, COLUMNS[c].szTitle, COLUMNS[c].nWidth, COLUMNS[c].nAlign);
        Fill_Club_Combo(Dialog, nTeam);
        Fill_Rows(Dialog, nTeam);
        Dialog.Enable(TEAM_VIEW_OTHER_BUTTON, nTeam >= 0);
        return;
    }
    case DIALOG_COMMAND:
        if (nControl == TEAM_VIEW_CLUB_COMBO && Dialog.Event().nNotification == NOTIFY_SELECTION_CHANGED) {
            Fill_Rows(Dialog, Shown_Club(Dialog));
        } else if (Dialog.Event().nNotification == NOTIFY_CLICKED) {
            if (nControl == TEAM_VIEW_OTHER_BUTTON) {
                const int nTeam = Shown_Club(Dialog);
                if (Side_Of(Dialog) == TEAM_VIEW_OFFENSE)
                    Show_Defense_View(nTeam);
                else
                    Show_Offense_View(nTeam);
            } else if (nControl == TEAM_VIEW_DONE_BUTTON || nControl == DIALOG_CANCEL) {
                Dialog.End(DIALOG_OK);
            }
        }
        return;
    default:
        return;
    }
}

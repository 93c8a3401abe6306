// The game preview (dialog 181).

#include "editors/game_preview.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "engine/play_game.h"
#include "league/game_record.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/preferences.h"
#include "league/team_logo.h"
#include "league/team_ranks.h"
#include "league/team_schedule.h"
#include "league/team_strength.h"
#include "platform/canvas.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/ui.h"

namespace {

// The newest year the downloaded logos are named by.
constexpr int LAST_DOWNLOADED_LOGO_YEAR = 2023;

// The grades' strengths, in the dialog's row order.
constexpr int GRADE_CODES[MATCHUP_GRADES] = {TEAM_RATING_RUNNING, TEAM_RATING_PASSING, TEAM_RATING_RUN_DEFENSE,
                                             TEAM_RATING_PASS_DEFENSE, TEAM_RATING_SPECIAL_TEAMS};

GAME_PREVIEW g_Preview;

std::string Short_Name(int nTeam)
{
    char szName[64] = "";
    Get_Team_Short_Name(nTeam, szName);
    return szName;
}

void Show_Vegas_Line(DIALOG& Dialog, const GAME_PREVIEW& Preview)
{
    const std::string Away = Short_Name(Preview.nAwayTeam);
    const std::string Home = Short_Name(Preview.nHomeTeam);
    Dialog.Set_Text(PREVIEW_LINE_LABEL, Format_Vegas_Line(Preview.nPointSpread, Away.c_str(), Home.c_str()));
}

// "Simulate All" goes on to the run's stop week; a single user whose run
// stops at the next week has nothing further to skip.
void Show_Simulate_All(DIALOG& Dialog)
{
    const int nStopWeek = Get_Universe_Word(SIMULATION_STOP_DAY_WORD);
    const int nWeek = Get_User_Preference(PREF_CURRENT_WEEK);
    if (Count_Human_Teams() < 2 && nStopWeek <= nWeek + 1) {
        Dialog.Show(PREVIEW_SIMULATE_ALL_BUTTON, false);
        return;
    }
    char szText[64];
    std::snprintf(szText, sizeof(szText), "Simulate Until Week %d", nStopWeek + 1);
    Dialog.Set_Text(PREVIEW_SIMULATE_ALL_BUTTON, szText);
}

void Init_Preview(DIALOG& Dialog)
{
    Dialog.Build_Registered();
    const GAME_PREVIEW& Preview = g_Preview;
    Show_Vegas_Line(Dialog, Preview);
    char szText[128] = "";
    Get_Week_Name(Preview.nWeek, szText);
    Dialog.Set_Text(PREVIEW_WEEK_LABEL, szText);
    Format_Team_Current_Record(szText, Preview.nHomeTeam);
    Dialog.Set_Text(PREVIEW_HOME_RECORD, Short_Name(Preview.nHomeTeam) + "  " + szText);
    Format_Team_Current_Record(szText, Preview.nAwayTeam);
    Dialog.Set_Text(PREVIEW_AWAY_RECORD, Short_Name(Preview.nAwayTeam) + "  " + szText);
    Show_Simulate_All(Dialog);
    // The keyboard starts on the default button, so Enter simulates as the
    // unattended run does, rather than pressing the first button in the row.
    Dialog.Set_Focus(PREVIEW_SIMULATE_BUTTON);
}

// A picture centred in the area, shrunk to fit; nothing when it is missing.
void Draw_Centered(CANVAS& Canvas, const UI_RECT& Area, const std::string& Path)
{
    if (Path.empty() || !files::File_Exists(Path.c_str()))
        return;
    Draw_Cached_Image_Centered(Canvas, Path.c_str(),
                               CANVAS_RECT{Area.x, Area.y, Area.x + Area.cx, Area.y + Area.cy});
}

void Paint_Preview(DIALOG& Dialog, int nControl)
{
    CANVAS* pCanvas = Dialog.Event().pCanvas;
    if (pCanvas == nullptr)
        return;
    const UI_RECT& Area = Dialog.Event().Area;
    const GAME_PREVIEW& Preview = g_Preview;
    const int* pGrade = nullptr;
    if (nControl >= PREVIEW_GRADE_HOME_FIRST && nControl < PREVIEW_GRADE_HOME_FIRST + MATCHUP_GRADES)
        pGrade = &Preview.nHomeGrades[nControl - PREVIEW_GRADE_HOME_FIRST];
    else if (nControl >= PREVIEW_GRADE_AWAY_FIRST && nControl < PREVIEW_GRADE_AWAY_FIRST + MATCHUP_GRADES)
        pGrade = &Preview.nAwayGrades[nControl - PREVIEW_GRADE_AWAY_FIRST];
    if (pGrade != nullptr) {
        char szFile[64];
        std::snprintf(szFile, sizeof(szFile), "Dialogs\\Matchup\\stars_%d.png", std::clamp(*pGrade, 1, 5));
        const std::string Path = Get_Skin_File_Path(szFile);
        Draw_Cached_Image(*pCanvas, Path.c_str(), Area.x, Area.y);
        return;
    }
    const bool bHome = nControl == PREVIEW_HOME_LOGO || nControl == PREVIEW_HOME_DOWNLOADED_LOGO;
    const int nTeam = bHome ? Preview.nHomeTeam : Preview.nAwayTeam;
    if (nControl == PREVIEW_HOME_DOWNLOADED_LOGO || nControl == PREVIEW_AWAY_DOWNLOADED_LOGO) {
        // The white frame stays when the club has no downloaded logo.
        pCanvas->Fill_Rect(CANVAS_RECT{Area.x, Area.y, Area.x + Area.cx, Area.y + Area.cy}, Rgb_Color(0xFFFFFF));
        char szPath[96];
        std::snprintf(szPath, sizeof(szPath), "Logos/Downloads/%s-%d.png", Short_Name(nTeam).c_str(),
                      std::min(Get_Current_Year(), LAST_DOWNLOADED_LOGO_YEAR));
        Draw_Centered(*pCanvas, Area, szPath);
        return;
    }
    if (nControl == PREVIEW_HOME_LOGO || nControl == PREVIEW_AWAY_LOGO) {
        std::string Logo;
        if (Get_Team_Logo_File(nTeam, Logo))
            Draw_Centered(*pCanvas, Area, Logo);
    }
}

void Clear_Watch_Flags()
{
    Set_Calendar_PBP_Flag(g_Preview.nAwayTeam, g_Preview.nWeek, 0);
    Set_Calendar_PBP_Flag(g_Preview.nHomeTeam, g_Preview.nWeek, 0);
}

// --- Template -----------------------------------------------------------

constexpr CONTROL_TEMPLATE PREVIEW_CONTROLS[] = {
    {PREVIEW_WEEK_LABEL, CONTROL_LABEL, "Week", {10, 6, 242, 12}},
    {PREVIEW_AWAY_DOWNLOADED_LOGO, CONTROL_PAINT, "", {12, 22, 50, 36}},
    {PREVIEW_AWAY_LOGO, CONTROL_PAINT, "", {66, 22, 50, 36}},
    {PREVIEW_AT_LABEL, CONTROL_LABEL, "AT", {124, 35, 14, 10}},
    {PREVIEW_HOME_DOWNLOADED_LOGO, CONTROL_PAINT, "", {146, 22, 50, 36}},
    {PREVIEW_HOME_LOGO, CONTROL_PAINT, "", {200, 22, 50, 36}},
    {PREVIEW_AWAY_RECORD, CONTROL_LABEL, "", {12, 62, 104, 12}},
    {PREVIEW_HOME_RECORD, CONTROL_LABEL, "", {146, 62, 104, 12}},
    {PREVIEW_LINE_LABEL, CONTROL_LABEL, "", {12, 78, 238, 12}},
    {PREVIEW_GRADE_AWAY_FIRST + 0, CONTROL_PAINT, "", {24, 96, 60, 12}},
    {PREVIEW_RUNNING_LABEL, CONTROL_LABEL, "Running", {96, 97, 70, 10}},
    {PREVIEW_GRADE_HOME_FIRST + 0, CONTROL_PAINT, "", {178, 96, 60, 12}},
    {PREVIEW_GRADE_AWAY_FIRST + 1, CONTROL_PAINT, "", {24, 110, 60, 12}},
    {PREVIEW_PASSING_LABEL, CONTROL_LABEL, "Passing", {96, 111, 70, 10}},
    {PREVIEW_GRADE_HOME_FIRST + 1, CONTROL_PAINT, "", {178, 110, 60, 12}},
    {PREVIEW_GRADE_AWAY_FIRST + 2, CONTROL_PAINT, "", {24, 124, 60, 12}},
    {PREVIEW_RUN_DEFENSE_LABEL, CONTROL_LABEL, "Run Defense", {96, 125, 70, 10}},
    {PREVIEW_GRADE_HOME_FIRST + 2, CONTROL_PAINT, "", {178, 124, 60, 12}},
    {PREVIEW_GRADE_AWAY_FIRST + 3, CONTROL_PAINT, "", {24, 138, 60, 12}},
    {PREVIEW_PASS_DEFENSE_LABEL, CONTROL_LABEL, "Pass Defense", {96, 139, 70, 10}},
    {PREVIEW_GRADE_HOME_FIRST + 3, CONTROL_PAINT, "", {178, 138, 60, 12}},
    {PREVIEW_GRADE_AWAY_FIRST + 4, CONTROL_PAINT, "", {24, 152, 60, 12}},
    {PREVIEW_SPECIAL_TEAMS_LABEL, CONTROL_LABEL, "Special Teams", {96, 153, 70, 10}},
    {PREVIEW_GRADE_HOME_FIRST + 4, CONTROL_PAINT, "", {178, 152, 60, 12}},
    {PREVIEW_PLAY_BUTTON, CONTROL_BUTTON, "Play This Game", {8, 170, 78, 16}, CS_GROUP},
    {PREVIEW_SIMULATE_BUTTON, CONTROL_BUTTON, "Simulate This Game", {92, 170, 78, 16}, CS_DEFAULT},
    {PREVIEW_SIMULATE_ALL_BUTTON, CONTROL_BUTTON, "Simulate All", {176, 170, 78, 16}},
};
// Only the three buttons close it: Escape and the close box do nothing.
constexpr DIALOG_TEMPLATE PREVIEW_TEMPLATE{
    GAME_PREVIEW_DIALOG, "Game Preview", 262, 192, DS_IGNORE_ESCAPE | DS_NO_CLOSE_BOX, 0, 0, PREVIEW_CONTROLS, "gamepreview"};
constexpr int PREVIEW_USED_IDS[] = {
    PREVIEW_PLAY_BUTTON, PREVIEW_SIMULATE_ALL_BUTTON, PREVIEW_SIMULATE_BUTTON, PREVIEW_WEEK_LABEL, PREVIEW_HOME_LOGO,
    PREVIEW_AWAY_LOGO, PREVIEW_HOME_DOWNLOADED_LOGO, PREVIEW_HOME_RECORD, PREVIEW_AWAY_RECORD,
    PREVIEW_AWAY_DOWNLOADED_LOGO, PREVIEW_LINE_LABEL, PREVIEW_GRADE_HOME_FIRST, PREVIEW_GRADE_HOME_FIRST + 1,
    PREVIEW_GRADE_HOME_FIRST + 2, PREVIEW_GRADE_HOME_FIRST + 3, PREVIEW_GRADE_HOME_FIRST + 4,
    PREVIEW_GRADE_AWAY_FIRST, PREVIEW_GRADE_AWAY_FIRST + 1, PREVIEW_GRADE_AWAY_FIRST + 2,
    PREVIEW_GRADE_AWAY_FIRST + 3, PREVIEW_GRADE_AWAY_FIRST + 4};
const DIALOG_REGISTRAR PREVIEW_REGISTRAR(GAME_PREVIEW_DIALOG, PREVIEW_TEMPLATE, Game_Preview_Dialog, PREVIEW_USED_IDS);

}  // namespace

int Matchup_Grade(int nTeams, int nBetter)
{
    if (nTeams < 1)
        return 1;
    return (nTeams / 2 + 4 * (nTeams - nBetter) - 4) / nTeams + 1;
}

void Compute_Matchup_Grades(int nGrades[MATCHUP_GRADES], int nTeam)
{
    const int nTeams = Count_Teams();
    for (int i = 0; i < MATCHUP_GRADES; ++i)
        nGrades[i] = Matchup_Grade(nTeams, Get_Team_Rating_Rank(nTeam, GRADE_CODES[i]));
}

void Load_Game_Preview(GAME_PREVIEW& Preview, const GAME& Game)
{
    Preview = GAME_PREVIEW();
    Preview.nWeek = Get_User_Preference(PREF_CURRENT_WEEK);
    Preview.nAwayTeam = Game.nAwayTeam;
    Preview.nHomeTeam = Game.nHomeTeam;
    // The line the record was given at kick-off: reading it again could
    // draw from the game generator.
    Preview.nPointSpread = Game.nPointSpread - 1000;
    Compute_Matchup_Grades(Preview.nAwayGrades, Preview.nAwayTeam);
    Compute_Matchup_Grades(Preview.nHomeGrades, Preview.nHomeTeam);
}

std::string Format_Vegas_Line(int nSpread, const char* szFirst, const char* szSecond)
{
    const int nAbs = std::abs(nSpread);
    const char* szFavored = nSpread > 0 ? szFirst : szSecond;
    char szText[160];
    if (nAbs == 0)
        return "Vegas Line: Pick 'em";
    if (nAbs == 10)
        std::snprintf(szText, sizeof(szText), "%s favored by 1 point", szFavored);
    else if (nAbs % 10 == 0)
        std::snprintf(szText, sizeof(szText), "%s favored by %d points", szFavored, nAbs / 10);
    else
        std::snprintf(szText, sizeof(szText), "%s favored by %d.%d points", szFavored, nAbs / 10, nAbs % 10);
    return szText;
}

void Game_Preview_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Init_Preview(Dialog);
        return;
    }
    if (nEvent == DIALOG_PAINT) {
        Paint_Preview(Dialog, nControl);
        return;
    }
    if (nEvent != DIALOG_COMMAND || Dialog.Event().nNotification != NOTIFY_CLICKED)
        return;
    switch (nControl) {
    case PREVIEW_PLAY_BUTTON:
        Set_Calendar_PBP_Flag(g_Preview.nHomeTeam, g_Preview.nWeek, 1);
        Dialog.End(DIALOG_OK);
        break;
    case PREVIEW_SIMULATE_BUTTON:
        Clear_Watch_Flags();
        Dialog.End(DIALOG_OK);
        break;
    case PREVIEW_SIMULATE_ALL_BUTTON:
        Clear_Watch_Flags();
        Set_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS, 1);
        Dialog.End(DIALOG_OK);
        break;
    default:
        break;
    }
}

void Run_Game_Preview(GAME* pGame, int /*nWeek*/)
{
    if (pGame == nullptr)
        return;
    Load_Game_Preview(g_Preview, *pGame);
    Do_Dialog(GAME_PREVIEW_DIALOG, &g_Preview);
}

void Install_Game_Preview()
{
    Set_Game_Preview_Hook(Run_Game_Preview);
}

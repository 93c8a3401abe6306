#include "shell/main_window.h"

#include <cstdio>
#include <cstring>

#include "league/league_data.h"
#include "platform/errors.h"

namespace {

char g_szTitle[MAIN_TITLE_SIZE];
int g_bDraftMenuRunning = 0;
int g_nRepaints = 0;

constexpr int PREF_SLOT_SEASON_INDEX = 22;
constexpr int PREF_SLOT_CURRENT_WEEK = 23;
constexpr int PREF_SLOT_CURRENT_PAGE = 26;
constexpr int PREF_SLOT_CURRENT_TEAM = 28;
constexpr int TEAM_STAT_CONTROLLER = 2;

bool Is_Franchise_In_Use(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES && League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] != -1;
}

}  // namespace

void Format_Main_Title(char* szBuffer)
{
    if (szBuffer == nullptr)
        return;
    int nYear = League.Universe.nStat[FIRST_SEASON_YEAR] + League.Preferences.nInt[PREF_SLOT_SEASON_INDEX];
    int nWeek = League.Preferences.nInt[PREF_SLOT_CURRENT_WEEK];
    if (League.Universe.nStat[FANTASY_DRAFT_RUNNING] >= 1)
        std::snprintf(szBuffer, MAIN_TITLE_SIZE, "%s - %d Fantasy Draft", PRODUCT_NAME, nYear);
    else if (nWeek >= 100)
        std::snprintf(szBuffer, MAIN_TITLE_SIZE, "%s - %d Offseason", PRODUCT_NAME, nYear);
    else
        std::snprintf(szBuffer, MAIN_TITLE_SIZE, "%s - %d Week %d", PRODUCT_NAME, nYear, nWeek + 1);
}

void Update_Main_Window_Title()
{
    Format_Main_Title(g_szTitle);
}

const char* Get_Main_Window_Title()
{
    return g_szTitle;
}

void Set_Main_View_Page(int nPage)
{
    League.Preferences.nInt[PREF_SLOT_CURRENT_PAGE] = nPage;
    Redraw_Main_Window();
}

void Set_Draft_Menu_Items(int bRunning)
{
    g_bDraftMenuRunning = bRunning ? 1 : 0;
}

int Get_Draft_Menu_Running()
{
    return g_bDraftMenuRunning;
}

void Fix_Current_Team_Selection()
{
    // The viewed team must be a franchise in use or one of the special slots.
    int nTeam = League.Preferences.nInt[PREF_SLOT_CURRENT_TEAM];
    if (Is_Franchise_In_Use(nTeam) || (nTeam >= FREE_AGENT_TEAM && nTeam < TOTAL_NUMBER_OF_TEAMS))
        return;
    int nChoice = -1;
    for (int t = 0; t < MAX_FRANCHISES && nChoice < 0; ++t) {
        if (Is_Franchise_In_Use(t) && League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] == 1)
            nChoice = t;
    }
    for (int t = 0; t < MAX_FRANCHISES && nChoice < 0; ++t) {
        if (Is_Franchise_In_Use(t))
            nChoice = t;
    }
    League.Preferences.nInt[PREF_SLOT_CURRENT_TEAM] = nChoice < 0 ? 0 : nChoice;
}

void Redraw_Main_Window()
{
    ++g_nRepaints;
}

int Get_Main_Window_Repaints()
{
    return g_nRepaints;
}

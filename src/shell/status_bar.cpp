#include "shell/status_bar.h"

#include <cstdio>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/page_layout.h"
#include "season/day_advance.h"
#include "season/draft_state.h"

namespace {

bool g_bShown = false;

}  // namespace

STATUS_BAR_TEXT Get_Status_Bar_Text()
{
    STATUS_BAR_TEXT Text;
    char szFirst[64];
    char szSecond[64];
    Format_Phase_Labels(szFirst, szSecond, sizeof(szFirst));
    Text.Phase = std::string(szFirst) + " " + szSecond;
    const int nTeam = Get_Calendar_Page_Team();
    if (Is_Team_Slot_Used(nTeam) && Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == 1) {
        char szRecord[RECORD_TEXT_SIZE];
        Format_Team_Record(szRecord, nTeam);
        Text.Club = Page_Team_Name(nTeam) + " " + szRecord;
    }
    if (Get_Universe_Word(DAY_ADVANCE_BUSY_WORD) != 0 || Is_Simulation_In_Progress())
        Text.Activity = "Playing games...";
    return Text;
}

void Create_Main_Status_Bar()
{
    g_bShown = true;
}

void Destroy_Main_Status_Bar()
{
    g_bShown = false;
}

bool Is_Status_Bar_Shown()
{
    return g_bShown;
}

void Reset_Status_Bar()
{
    g_bShown = false;
}

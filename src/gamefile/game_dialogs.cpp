// The parts of the game dialogs that reach the day advance.

#include "gamefile/game_dialogs.h"

#include <string>

#include "engine/game_driver.h"
#include "gamefile/game_dialogs_internal.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "season/day_advance.h"

bool Games_Being_Played()
{
    return Is_Simulation_In_Progress();
}

bool Is_Watched_Game_Current()
{
    const GAME* pGame = Get_Current_Game();
    if (pGame == nullptr)
        return false;
    const int nWeek = Get_Current_Week();
    return Get_Calendar_PBP_Flag(pGame->nAwayTeam, nWeek) != 0 || Get_Calendar_PBP_Flag(pGame->nHomeTeam, nWeek) != 0;
}

void Resume_Day_After_Load(bool bPlayDay)
{
    if (bPlayDay) {
        Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 0);
        Advance_Day(1);
    } else {
        Repaint_Welcome_Screen();
    }
}

void Report_Busy_Until_Day_Done(const char* szTitle, const char* szText)
{
    const std::string Text = std::string(szText != nullptr ? szText : "") + "\n\nPlease try again once this day is completed.";
    Show_Message_Box(Text.c_str(), szTitle != nullptr ? szTitle : "", BOX_OK);
    // The run ends with the day being played: no further stop asked, a
    // waiting play call made by the computer, the stop day the next one,
    // every club the user's again.
    Stop_Simulation();
}

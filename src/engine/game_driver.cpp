// The game driver and its loop of snaps.
#include "engine/game_driver.h"

#include <algorithm>

#include "base/random.h"
#include "engine/defense_calling.h"
#include "engine/field_goals.h"
#include "engine/formations.h"
#include "engine/game_clock.h"
#include "engine/game_context.h"
#include "engine/game_log.h"
#include "engine/game_report.h"
#include "engine/game_state.h"
#include "engine/kicking.h"
#include "engine/injury_services.h"
#include "engine/narration.h"
#include "engine/offense_calling.h"
#include "engine/penalties.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "engine/rushing_plays.h"
#include "engine/watched_game.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

constexpr int RED_ZONE_SPOT = 21;           // spots below it are in the red zone
constexpr int TALLY_DOWNS = 4;
constexpr int TALLY_TO_GO = 30;             // 29 and more count together
constexpr int TALLY_SPOTS = 100;

GAME* g_pCurrentGame = nullptr;
int g_nDownAndDistance[TALLY_DOWNS][TALLY_TO_GO] = {};

int Offense_Side(const GAME* pGame)
{
    return Is_Home_Team_On_Offense(pGame) ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

}  // namespace

bool Is_Game_Watched(const GAME* pGame)
{
    const int nWeek = Get_User_Preference(PREF_CURRENT_WEEK);
    for (int nTeam : {static_cast<int>(pGame->nAwayTeam), static_cast<int>(pGame->nHomeTeam)})
        if (nTeam <= LAST_TEAM && Get_Calendar_PBP_Flag(nTeam, nWeek))
            return true;
    return false;
}

namespace {

bool Is_Simulation_Stopped()
{
    if (!Get_User_Preference(PREF_SIMULATION_RUNNING))
        return true;
    return Get_User_Preference(PREF_CURRENT_WEEK) >= Get_Universe_Word(SIMULATION_STOP_DAY_WORD);
}

void Count_Down_And_Distance(const GAME* pGame)
{
    const int nDown = Get_Game_Down_Code(pGame);
    if (nDown > FOURTH_DOWN_CODE)
        return;
    const int nToGo = std::clamp<int>(pGame->nToGo, 0, TALLY_TO_GO - 1);
    ++g_nDownAndDistance[nDown][nToGo];
}

// A fast-forward target is cleared once the game reaches its quarter or
// ends; true when one was set.
bool Clear_Reached_Fast_Forward(const GAME* pGame)
{
    const int nTarget = Get_User_Preference(PREF_ANIMATION_MODE);
    if (nTarget <= 0)
        return false;
    if (Get_Game_Quarter(pGame) >= nTarget || Is_Game_Over(pGame))
        Set_User_Preference(PREF_ANIMATION_MODE, 0);
    return true;
}

// The end-of-period line: a play that uses up the period, unless it is a
// try or a touchdown at the end of a half (the try still follows).
void Queue_End_Of_Period(GAME* pGame)
{
    if (Is_Conversion_Attempt(pGame))
        return;
    if (pGame->nPlaySeconds < Get_Seconds_Left_In_Quarter(pGame))
        return;
    const int nResult = Get_Play_Result(&pGame->CurrentPlay);
    const bool bTouchdown = nResult == RESULT_TOUCHDOWN_PASS || nResult == RESULT_INTERCEPTION_TOUCHDOWN ||
                            nResult == RESULT_TOUCHDOWN_RUN || nResult == RESULT_FUMBLE_RETURN_TOUCHDOWN ||
                            nResult == RESULT_PUNT_RETURN_TOUCHDOWN || nResult == RESULT_KICKOFF_RETURN_TOUCHDOWN;
    const int nQuarter = Get_Game_Quarter(pGame);
    if (bTouchdown && (nQuarter == 2 || nQuarter == 4))
        return;
    Queue_Play_Commentary(pGame, NARRATE_END_OF_PERIOD, 0, 0, 0, 0, 0);
}

}  // namespace

int Get_Call_Play_Type(const GAME* pGame, int nCall)
{
    const int nDown = Get_Game_Down_Code(pGame);
    if (nDown == KICKOFF_DOWN || nDown == SAFETY_KICK_DOWN)
        return Get_Kick_Play_Type(nCall % KICK_PLAY_COUNT);
    return Get_Offensive_Play_Type(Get_Game_Offense_Team(pGame), nCall);
}

GAME* Get_Current_Game()
{
    return g_pCurrentGame;
}

bool Is_Computer_Called_Team(int nTeam, bool bOffense)
{
    if (Get_User_Preference(bOffense ? PREF_AUTO_OFFENSE_CALLS : PREF_AUTO_DEFENSE_CALLS) == 1)
        return true;
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES)
        return false;
    const int nController = Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER);
    if (nController == CONTROLLER_NOT_IN_USE)
        return false;
    return Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0 || nController == CONTROLLER_COMPUTER;
}

bool Is_Waiting_For_Play_Call(const GAME* pGame)
{
    if (!pGame || !Get_User_Preference(PREF_SIMULATION_RUNNING) || !Is_Game_Watched(pGame))
        return false;
    if (Get_User_Preference(PREF_ANIMATION_MODE) > 0 || Get_User_Preference(PREF_MAIN_PAGE) != GAMES_PAGE)
        return false;
    const PLAY& Play = pGame->CurrentPlay;
    if (Play.nOffenseCall == PLAY_NOT_CALLED)
        return true;
    if (Play.nDefenseCall != PLAY_NOT_CALLED)
        return false;
    const int nDown = Get_Game_Down_Code(pGame);
    if (nDown == KICKOFF_DOWN || nDown == SAFETY_KICK_DOWN)
        return false;
    const int nType = Get_Call_Play_Type(pGame, Play.nOffenseCall);
    return nType != PLAY_TYPE_PUNT && nType != PLAY_TYPE_FIELD_GOAL;
}

void Wait_For_Play_Call()
{
    Set_User_Preference(PREF_WAITING_FOR_CLICK, 1);
    while (Can_Wait_For_User() && Get_User_Preference(PREF_MAIN_PAGE) == GAMES_PAGE &&
           Get_User_Preference(PREF_ANIMATION_MODE) <= 0 && Get_User_Preference(PREF_WAITING_FOR_CLICK) == 1 &&
           Get_User_Preference(PREF_SIMULATION_RUNNING) != 0)
        Wait_For_Event(-1);
    Set_User_Preference(PREF_WAITING_FOR_CLICK, 0);
}

void Count_Red_Zone_Trip(GAME* pGame)
{
    if (!pGame)
        return;
    const int nDown = Get_Game_Down_Code(pGame);
    const bool bScrimmage = nDown <= FOURTH_DOWN_CODE;
    if (!(bScrimmage || nDown == CONVERSION_ATTEMPT) || pGame->nYardLine >= RED_ZONE_SPOT)
        return;
    const int nTeam = Get_Game_Offense_Team(pGame);
    if (!bScrimmage || Get_Team_Stat(nTeam, TEAM_STAT_RED_ZONE) != 0)
        return;
    Set_Team_Stat(nTeam, TEAM_STAT_RED_ZONE, 1);
    const int bSide = Offense_Side(pGame);
    Increment_Game_Team_Stat(pGame, bSide, GAME_STAT_RED_ZONE_TRIPS);
    if (nDown == FIRST_DOWN_CODE) {
        const int nSpot = std::clamp<int>(pGame->nYardLine, 0, TALLY_SPOTS - 1);
        Set_Game_Team_Stat(pGame, bSide, GAME_STAT_RED_ZONE_START, nSpot);
    } else {
        Set_Game_Team_Stat(pGame, bSide, GAME_STAT_RED_ZONE_START, 0);
    }
}

int Get_Down_And_Distance_Tally(int nDown, int nToGo)
{
    if (nDown < 0 || nDown >= TALLY_DOWNS || nToGo < 0)
        return 0;
    return g_nDownAndDistance[nDown][std::min(nToGo, TALLY_TO_GO - 1)];
}


void Run_Play(GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return;
    }
    const int bOffense = Offense_Side(pGame);

    Run_Pre_Snap_Clock(pGame);
    pGame->nDown &= ~GAME_DOWN_FLAGS_CLOCK;
    Set_Play_Formations(pGame);
    Set_On_Field_Players(pGame, GAME_SIDE_AWAY);
    Set_On_Field_Players(pGame, GAME_SIDE_HOME);

    Append_Play_Log_Row(pGame, 1);
    Append_Play_Log_Row(pGame, 0);
    Store_Snap_In_Play_Log(pGame);
    Count_Down_And_Distance(pGame);

    const bool bPenalty = Check_For_Penalty(pGame) != 0;
    if (!bPenalty) {
        const int nCall = pGame->CurrentPlay.nOffenseCall;
        switch (pGame->nFormation[bOffense]) {
        case KICKOFF_FORMATION:
        case ONSIDE_FORMATION:
            if (Get_Kick_Play_Type(nCall % KICK_PLAY_COUNT) == PLAY_TYPE_ONSIDE_KICK)
                Run_Onside_Kick(pGame);
            else
                Run_Kickoff(pGame);
            break;
        case PUNT_FORMATION:
            if (nCall < OFFENSIVE_PLAY_COUNT && Get_Call_Play_Type(pGame, nCall) == PLAY_TYPE_PUNT)
                Run_Punt(pGame);
            else
                Run_Scrimmage_Play(pGame);
            break;
        case FIELD_GOAL_FORMATION:
            if (nCall < OFFENSIVE_PLAY_COUNT && Get_Call_Play_Type(pGame, nCall) == PLAY_TYPE_FIELD_GOAL)
                Run_Field_Goal(pGame);
            else
                Run_Scrimmage_Play(pGame);
            break;
        case EXTRA_POINT_FORMATION:
            Run_Extra_Point(pGame);
            break;
        default:
            Run_Scrimmage_Play(pGame);
            break;
        }
    }

    // A play from scrimmage goes into both teams' playbook tallies, read
    // before the end of the play moves the down, the spot or the ball.
    const int nResult = Get_Play_Result(&pGame->CurrentPlay);
    if (nResult <= LAST_SCRIMMAGE_RESULT)
        Record_Play_Usage(pGame);
    else if (nResult > LAST_PLAY_RESULT)
        Write_Debug_Log("Unhandled PLAY_RESULT in Is_Play_From_Scrimmage()\n");

    Queue_End_Of_Period(pGame);
    const int nFormation = pGame->nFormation[bOffense];
    End_Play(pGame);
    Log_Play_Result(pGame);
    if (!bPenalty && nFormation != EXTRA_POINT_FORMATION)
        Check_Play_Injury(pGame);
    Check_Quarter_End(pGame);
    // The corner score box follows every play (nothing without a view).
    Draw_Game_Score_Box(pGame);
}

void Run_Game_Plays(GAME_CONTEXT& Context, GAME* pGame)
{
    if (!pGame)
        return;
    while (Run_Game_Snap(Context, pGame)) {
    }
}

bool Run_Game_Snap(GAME_CONTEXT& Context, GAME* pGame)
{
    if (!pGame)
        return false;
    if (Is_Simulation_Stopped() || Is_Game_Over(pGame))
        return false;
    Start_Play_Record(pGame);
    Count_Red_Zone_Trip(pGame);

    PLAY& Play = pGame->CurrentPlay;
    Play.nSnapDown = static_cast<uint8_t>(Get_Game_Down_Code(pGame));
    pGame->nYardLine = static_cast<int8_t>(std::clamp<int>(pGame->nYardLine, 1, 99));
    Play.nSnapYardLine = static_cast<uint8_t>(pGame->nYardLine);
    Play.nSnapToGo = static_cast<uint8_t>(pGame->nToGo);

    Set_Default_Formations(pGame);
    Open_Snap_Calls(Context, pGame);
    const int nOffenseCall = Call_Offensive_Play(Context, pGame);
    const int nDefenseCall = Call_Defensive_Play(Context, pGame);
    Close_Snap_Calls(Context);

    const bool bWatched = Is_Game_Watched(pGame);
    if (bWatched && Get_User_Preference(PREF_SIMULATION_RUNNING))
        Show_Watched_Game(pGame);
    const bool bFastForward = Get_User_Preference(PREF_ANIMATION_MODE) > 0;
    if (!bWatched || bFastForward || !Get_User_Preference(PREF_SIMULATION_RUNNING)) {
        Play.nOffenseCall = static_cast<uint8_t>(nOffenseCall);
        Play.nDefenseCall = static_cast<uint8_t>(nDefenseCall);
        Pump_Messages();
    } else {
        Take_Watched_Play_Calls(pGame, nOffenseCall, nDefenseCall);
    }

    const int nDown = Get_Game_Down_Code(pGame);
    if (nDown == CONVERSION_ATTEMPT && Play.nOffenseCall == OFFENSIVE_PLAY_COUNT - 1)
        pGame->nYardLine = static_cast<int8_t>(Get_Conversion_Spot());
    if (nDown <= FOURTH_DOWN_CODE) {
        Record_Offensive_Play_Call(Context, pGame, Play.nOffenseCall);
        Record_Defensive_Play_Call(Context, pGame, Play.nDefenseCall);
    }

    // Nobody watching: nothing more than the play itself.
    if (!bWatched) {
        Run_Play(pGame);
        Clear_Reached_Fast_Forward(pGame);
        return true;
    }

    if (Get_User_Preference(PREF_SIMULATION_RUNNING))
        Repaint_Watched_Game();
    // The view shows the game as it stands until the play is told.
    Hold_Watched_Snap(pGame);
    Run_Play(pGame);
    if (Clear_Reached_Fast_Forward(pGame))
        Repaint_Watched_Game();
    // Stop may have ended the watching during the calls.
    if (Get_User_Preference(PREF_SIMULATION_RUNNING) && Get_User_Preference(PREF_ANIMATION_MODE) <= 0 &&
        Is_Game_Watched(pGame))
        Animate_Watched_Play(pGame);
    else
        Hold_Watched_Snap(nullptr);
    Show_Due_Two_Minute_Warning();
    return true;
}

int Run_Game(GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return 0;
    }
    // The game's state starts afresh with each run: a stored game that goes
    // on has not the calls made before it stopped in its tallies, and takes
    // its matchup tables again.
    GAME_CONTEXT Context;
    const GAME_CONTEXT_BINDING Binding(pGame, Context);
    g_pCurrentGame = pGame;
    Forget_Two_Point_Answer();
    Set_Playbook_Current_Game(pGame);
    Begin_On_Field_Cache(pGame);

    if (Get_User_Preference(PREF_PLAYING_GAMES)) {
        Set_User_Preference(PREF_PLAYING_GAMES, 0);
        Build_Play_Matchup_Table(Context, pGame);
    } else {
        const int bAwayKicks = static_cast<int>(Generate_Random_Number() >> 31);
        if (bAwayKicks)
            pGame->nDown |= GAME_DOWN_FLAG_AWAY_KICKS_OFF;
        else
            pGame->nDown &= ~GAME_DOWN_FLAG_AWAY_KICKS_OFF;
        pGame->nOffense = bAwayKicks ? pGame->nAwayTeam : pGame->nHomeTeam;
        const bool bHome = !bAwayKicks;
        if ((bHome && pGame->nWindDirection < 180) || (!bHome && pGame->nWindDirection > 180))
            pGame->nWindDirection = static_cast<int16_t>(360 - pGame->nWindDirection);
        Build_Play_Matchup_Table(Context, pGame);
        Start_Game_Period(pGame);
        Start_Scoring_Plays_Html_Table(pGame);
    }

    Run_Game_Plays(Context, pGame);

    if (Is_Simulation_Stopped() || !Is_Game_Over(pGame)) {
        g_pCurrentGame = nullptr;
        Set_Playbook_Current_Game(nullptr);
        End_On_Field_Cache();
        End_Watched_Game();
        return 0;
    }
    Set_User_Preference(PREF_ANIMATION_MODE, 0);
    if (pGame->nClock > SECONDS_OF_REGULATION)
        Write_Game_Log(pGame);
    Close_Game_Report_Html();
    Draw_Game_Score_Box(pGame);
    g_pCurrentGame = nullptr;
    Set_Playbook_Current_Game(nullptr);
    End_On_Field_Cache();
    End_Watched_Game();
    return 1;
}

// The day advance: one run plays days until its stop day, the user's Stop,
// or the first playoff day; a run on a finished season starts the
// off-season instead.
//
// A league day is a week: clubs play at most one game a day, so the "current
// week" of the preferences (100 in the off-season) is the day this file
// counts, and the names below say day where the run counts days.

#include "season/day_advance.h"

#include <cstdio>
#include "season/debug_log_line.h"

#include "engine/defense_calling.h"
#include "engine/game_driver.h"
#include "engine/game_log.h"
#include "engine/game_state.h"
#include "engine/offense_calling.h"
#include "engine/passing_plays.h"
#include "engine/rushing_plays.h"
#include "engine/watched_game.h"
#include "frontoffice/college_count.h"
#include "frontoffice/computer_manager.h"
#include "league/calendar.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player_lookup.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finances.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/save_failures.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/draft_pool.h"
#include "season/draft_state.h"
#include "season/games_of_day.h"
#include "season/injuries.h"
#include "season/leader_updates.h"
#include "season/offseason.h"
#include "season/playoffs.h"
#include "season/standings.h"

namespace {

constexpr int DAYS_PER_AUTO_SAVE = 4;
constexpr int TRADES_PER_DAY = 3;
constexpr int FINAL_DAY_OFFSET = 3;          // the final is played on P + 3
constexpr int FINAL_DAY_HEALING_WEEKS = 2;
constexpr int DRAFT_POOL_REFILL_LIMIT = 100; // the pools are refilled at or below this many prospects
constexpr int SEASON_PHASE_DAYS = 22;

// Set when a run was refused or found the season unable to move, and said
// why; Play_Multiple_Seasons then adds no box of its own.
bool g_bToldWhyStopped = false;

int Busy()
{
    return Get_Universe_Word(DAY_ADVANCE_BUSY_WORD);
}

int Stop_Day()
{
    return Get_Universe_Word(SIMULATION_STOP_DAY_WORD);
}

void Set_Stop_Day(int nDay)
{
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, nDay);
}

bool Running()
{
    return Get_User_Preference(PREF_SIMULATION_RUNNING) != 0;
}

void Step_Day()
{
    Set_Current_Day(Get_Current_Week() + 1);
    Refresh_Main_Window_Title();
}

void Ask_About_Commissioner_Mode()
{
    if (Get_User_Preference(PREF_COMMISSIONER_MODE) == 0 || Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0)
        return;
    if (Show_Message_Box("Would you like to turn Commissioner Mode off before proceeding?", "Commissioner Mode",
                         BOX_YESNO | BOX_ICON_QUESTION | BOX_TASKMODAL) == ID_YES)
        Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
}

void Auto_Save(int nDays)
{
    if (Get_User_Preference(PREF_AUTO_SAVE) == 0)
        return;
    if (Get_Current_Week() % DAYS_PER_AUTO_SAVE >= nDays)
        return;
    if (Save_League_To(AUTO_SAVE_FILE) == 0)
        return;
    std::string Cause = Last_League_Save_Cause();
    if (Cause.empty())
        Cause = "the save gave no cause";
    const std::string Text = "Vazarudu Kelvo could not auto-save the game file! (" + Cause + ")";
    Show_Message_Box(Text.c_str(), "Auto Save", BOX_OK | BOX_ICON_EXCLAMATION);
}

// A run from the regular season ends at the first playoff day; no run goes
// beyond the day after the last playoff day.
void Clip_Stop_Day()
{
    const int nPlayoffStart = Get_Playoff_Start_Day();
    const int nLastDay = Get_Season_Playoff_Day(SEASON_CALENDAR_DAYS - 1);
    if (Stop_Day() > nPlayoffStart && Get_Current_Week() < nPlayoffStart)
        Set_Stop_Day(nPlayoffStart);
    if (Stop_Day() > nLastDay + 1)
        Set_Stop_Day(nLastDay + 1);
}

void Start_Of_Day()
{
    Get_League_Finance_Index();
    Get_Per_Game_Base_Revenue();
    Sign_AI_Free_Agent();
    Set_Team_Stat_10_By_Strength();
    Update_Career_Leaders(1);
}

void After_Day()
{
    Update_Team_Preseason_Finances();
    Update_All_Time_Leaders();
    const bool bFinal = Get_Current_Week() == Get_Season_Playoff_Day(0) + FINAL_DAY_OFFSET;
    Heal_All_Injuries(bFinal ? FINAL_DAY_HEALING_WEEKS : 1);
    Auto_Set_Computer_Depth_Charts(0);
    Run_Computer_Roster_Moves();
    if (Get_Current_Week() < TRADING_DEADLINE_DAY) {
        Rank_Teams_By_Standings();
        for (int i = 0; i < TRADES_PER_DAY; ++i)
            Run_AI_Trade();
        Set_User_Preference(PREF_TRADE_ATTEMPTS, Get_User_Preference(PREF_TRADE_ATTEMPTS) + TRADES_PER_DAY);
    }
}

// From the first playoff day on: the next day with games gets them; days
// without any are passed over, never beyond the day after the last one.
void Move_To_Next_Playoff_Day()
{
    const int nLastDay = Get_Season_Playoff_Day(SEASON_CALENDAR_DAYS - 1);
    while (Schedule_Playoff_Games() == 0) {
        if (Get_Current_Week() > nLastDay)
            return;
        Step_Day();
    }
}

// The window keeps a watched game on its Games page once it is over; a new
// day begins, and the page goes back to the games of the day.
void Forget_Finished_Shown_Game()
{
    const int nShown = Get_User_Preference(PREF_SHOWN_GAME);
    if (nShown >= 0 && nShown < NUMBER_OF_GAMES && Is_Game_Record_Final(nShown))
        Set_User_Preference(PREF_SHOWN_GAME, -1);
}

void Play_Days()
{
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Refresh_Main_Window_Title();
    // A game stopped part-way is played on today: the day has begun already,
    // and the depth charts stay as the game left them.
    const auto Resuming = [] { return Get_User_Preference(PREF_PLAYING_GAMES) != 0 || Has_Stopped_Game_Today(); };
    if (!Resuming())
        Auto_Set_Computer_Depth_Charts(0);
    const int nPlayoffStart = Get_Playoff_Start_Day();
    while (Running() && Get_Current_Week() < Stop_Day()) {
        if (!Resuming()) {
            Forget_Finished_Shown_Game();
            Start_Of_Day();
        }
        Play_Todays_Games();
        // Stopped inside a game: the day is not over.
        if (!Running() || Get_Current_Week() >= Stop_Day())
            break;
        After_Day();
        Step_Day();
        if (Get_Current_Week() < nPlayoffStart)
            continue;
        if (Get_Current_Week() == nPlayoffStart) {
            Update_Standings();
            if (Get_User_Preference(PREF_MAIN_PAGE) == STANDINGS_PAGE_COMMAND)
                Show_Main_Page(PLAYOFFS_PAGE_COMMAND);
        }
        Move_To_Next_Playoff_Day();
    }
    Write_Debug_Log("Return TDs (Interception):     %3d\nReturn TDs (Fumble Receovery): %3d",
                    Get_Interception_Return_Touchdown_Count(), Get_Fumble_Return_Touchdown_Count());
    Set_User_Preference(PREF_PLAYING_GAMES, 0);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    Refresh_Main_Window_Title();
}

// After the last playoff day without a champion no run can move the season:
// the playoffs have nothing left to schedule and the off-season waits for
// the champion. Said rather than doing nothing.
void Tell_If_Season_Cannot_Go_On()
{
    const int nDay = Get_Current_Week();
    if (nDay == OFFSEASON_WEEK || nDay <= Get_Season_Playoff_Day(SEASON_CALENDAR_DAYS - 1) || Is_Season_Complete())
        return;
    Write_Debug_Log("The %d playoffs ended on day %d without a champion", Get_Current_Year(), nDay);
    char szText[256];
    std::snprintf(szText, sizeof(szText),
                  "The %d playoffs have ended without a champion, so the season cannot go on to the "
                  "off-season.",
                  Get_Current_Year());
    Show_Message_Box(szText, "Season Stopped", BOX_OK | BOX_ICON_EXCLAMATION);
    g_bToldWhyStopped = true;
}

void Show_Pending_Injury_Notice()
{
    const int nPlayerID = Get_User_Preference(PREF_DAY_ADVANCE_FIRST);
    if (nPlayerID == 0)
        return;
    PLAYER_LOCATION Where;
    if (Find_Player_By_ID(&Where, nPlayerID))
        Show_Injury_Notices();
    for (int p = PREF_DAY_ADVANCE_FIRST; p <= PREF_DAY_ADVANCE_LAST; ++p)
        Set_User_Preference(p, 0);
}

void Close_Run()
{
    Auto_Set_Computer_Depth_Charts(0);
    Show_Pending_Injury_Notice();
    Build_Game_Menu(0);
    Rebuild_Play_Menu();
    const int nDay = Get_Current_Week();   // the day the run stopped on
    // A season left without a schedule (first playoff day 0) has nothing
    // to rank or draft from.
    if (Get_Season_Playoff_Day(0) > 0 && nDay >= Get_Season_Playoff_Day(0)) {
        Update_Leader_Lists(3);
        if (Count_College_Players() <= DRAFT_POOL_REFILL_LIMIT)
            Prepare_Draft_Pool();
        Set_Draft_Order();
        // The coming draft: next year's while the season runs; in the
        // off-season the season index has already moved on to its year.
        const int nDraftYear = nDay == OFFSEASON_WEEK ? Get_Current_Year() : Get_Current_Year() + 1;
        Set_User_Preference(PREF_DRAFT_PAGE_SELECTION, nDraftYear);
        // A draft under way (the run started it, or waits for the user's
        // pick): the page shows the round being picked.
        Show_Draft_Round_Under_Way();
        Write_Down_And_Distance_CSV();
    }
    if (Is_Season_Complete()) {
        if (Find_Best_Human_Team() != NO_TEAM)
            Show_Main_Page(CHAMPIONS_PAGE_COMMAND);
        Clear_Suspensions_At_Season_End();
    }
    Set_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS, 0);
    Reset_Page_Cache();
    Request_Main_Window_Repaint();
    Rebuild_Play_Menu();
    Start_News_Ticker();
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);
    Set_Stop_Day(0);
    Set_User_Preference(PREF_GAME_STATE_SWITCH, 0);
    Request_Status_Bar_Repaint();
    Request_News_Bar_Repaint();
}

}  // namespace

void Advance_Day(int nDays)
{
    if (Busy() != 0)
        return;
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 1);
    Set_User_Preference(PREF_TRADE_ATTEMPTS, 0);
    if (Get_Universe_Stat(FANTASY_DRAFT_RUNNING) >= 1) {
        Show_Message_Box("Vazarudu Kelvo can't play games during the Fantasy Draft.\n\nTo abort the Fantasy Draft (or "
                         "finish it automatically), choose \"End Fantasy Draft...\" from the Tools Menu.",
                         "Fantasy Draft", BOX_OK | BOX_ICON_EXCLAMATION);
        g_bToldWhyStopped = true;
        Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);
        return;
    }
    // A season without a schedule is not played: the box says why.
    if (!Check_Season_Can_Be_Played()) {
        g_bToldWhyStopped = true;
        Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
        Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);
        return;
    }
    // The off-season of the last season the records keep would move the
    // league to a season index they have no place for.
    if (Is_Season_Complete() && Count_Seasons_Left() < 1) {
        Refuse_Season_Past_Records("Play");
        g_bToldWhyStopped = true;
        Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
        Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);
        return;
    }
    if (Is_Season_Complete())
        Set_Draft_Order();
    Ask_About_Commissioner_Mode();

    Set_Stop_Day(Get_Current_Week() + nDays);
    Build_Game_Menu(1);
    Stop_News_Ticker();
    Request_News_Bar_Repaint();
    Request_Status_Bar_Repaint();
    Auto_Save(nDays);
    Clip_Stop_Day();

    if (Is_Season_Complete()) {
        Set_Draft_Order();
        Write_Debug_Log_Line("Off-Season Started");
        Process_Offseason();
    } else if (Get_Current_Week() != OFFSEASON_WEEK) {
        Play_Days();
        Tell_If_Season_Cannot_Go_On();
    }
    Close_Run();
}

int Count_Seasons_Left()
{
    const int nLeft = YEARLY_RECORD_YEARS - 1 - Get_Current_Season_Index();
    return nLeft > 0 ? nLeft : 0;
}

void Refuse_Season_Past_Records(const char* szCommand)
{
    char szText[320];
    std::snprintf(szText, sizeof(szText),
                  "The %d season is the last of the %d seasons this league keeps records for, so the league cannot "
                  "go on to another season.",
                  Get_Current_Year(), YEARLY_RECORD_YEARS);
    Write_Debug_Log("%s refused: %s", szCommand, szText);
    Show_Message_Box(szText, "Last Season", BOX_OK | BOX_ICON_EXCLAMATION);
    Note_Refused_Step(szText);
}

void Play_Multiple_Seasons(int nSeasons)
{
    if (nSeasons <= 0)
        return;
    if (Count_Seasons_Left() < 1) {
        Refuse_Season_Past_Records("Play Multiple Seasons");
        return;
    }
    if (nSeasons > Count_Seasons_Left())
        nSeasons = Count_Seasons_Left();
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    const int nFirstSeason = Get_Current_Season_Index();
    // Each call moves one phase on; a phase that moves nothing (a league
    // no schedule fits) ends the run rather than repeating for ever.
    while (Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) == 1 &&
           Get_Current_Season_Index() < nFirstSeason + nSeasons) {
        const int nDay = Get_Current_Week();   // the day this phase starts on
        const int nSeason = Get_Current_Season_Index();
        g_bToldWhyStopped = false;
        Advance_Day(SEASON_PHASE_DAYS);
        if (Get_Current_Week() == nDay && Get_Current_Season_Index() == nSeason) {
            Write_Debug_Log("Play_Multiple_Seasons() stopped: the season did not move on day %d", nDay);
            if (!g_bToldWhyStopped) {
                char szText[256];
                if (nDay == OFFSEASON_WEEK)
                    std::snprintf(szText, sizeof(szText),
                                  "Play Multiple Seasons stopped: the %d off-season did not move on.",
                                  Get_Current_Year());
                else
                    std::snprintf(szText, sizeof(szText),
                                  "Play Multiple Seasons stopped: the %d season did not move on from day %d.",
                                  Get_Current_Year(), nDay);
                Show_Message_Box(szText, "Play Multiple Seasons", BOX_OK | BOX_ICON_EXCLAMATION);
            }
            break;
        }
    }
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
}

void Stop_Simulation()
{
    Leave_Watched_Game();
    Set_Stop_Day(Get_Current_Week() + 1);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Set_User_Preference(PREF_TRADE_ATTEMPTS, 0);
}

void Leave_Watched_Game()
{
    const int nWeek = Get_Current_Week();
    const auto Watched = [nWeek](const GAME* pGame) {
        return pGame != nullptr && (Get_Calendar_PBP_Flag(pGame->nAwayTeam, nWeek) != 0 ||
                                    Get_Calendar_PBP_Flag(pGame->nHomeTeam, nWeek) != 0);
    };
    GAME* pGame = Get_Current_Game();
    if (!Watched(pGame)) {
        const int nShown = Get_User_Preference(PREF_SHOWN_GAME);
        pGame = nShown >= 0 && nShown < NUMBER_OF_GAMES ? Get_Game_Record(nShown) : nullptr;
    }
    Set_User_Preference(PREF_WAITING_FOR_CLICK, 0);
    if (!Running() || !Watched(pGame) || Is_Game_Over(pGame))
        return;
    // A call awaited takes the computer's call of the snap, the one an
    // unwatched snap takes (no number drawn again); while a play is told,
    // between plays or in a quarter played on unwatched, both calls are made.
    if (Is_Waiting_For_Play_Call(pGame))
        Fill_Open_Calls_With_Computer(pGame);
    // Watched no more: the telling of a play ends with its frame, and the
    // game is played out as nobody watches it.
    Set_Calendar_PBP_Flag(pGame->nHomeTeam, nWeek, 0);
    Show_Main_Page(CALENDAR_PAGE_COMMAND);
}

void Repaint_Welcome_Screen()
{
    Reset_Page_Cache();
    Request_Main_Window_Repaint();
    Rebuild_Play_Menu();
    Start_News_Ticker();
}

bool Is_Simulation_In_Progress()
{
    return Running() && Get_Current_Week() < Stop_Day();
}

void Show_Draft_Round_Under_Way()
{
    if (Is_College_Draft_Running())
        Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, Get_User_Preference(PREF_DRAFT_ROUND) + 1);
}

int Find_Best_Human_Team()
{
    int nBest = NO_TEAM;
    int nBestKey = 0;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Team_Slot_Used(t) || Get_Team_Stat(t, TEAM_STAT_CONTROLLER) != CONTROLLER_USER)
            continue;
        const int nKey = Get_Playoff_Seed_Key(t);
        if (nBest == NO_TEAM || nKey > nBestKey) {
            nBest = t;
            nBestKey = nKey;
        }
    }
    return nBest;
}

// Score, possession, the game clock, downs and the bookkeeping after a play.
#include "engine/game_clock.h"

#include <algorithm>
#include <cstdlib>

#include "base/random.h"
#include "engine/formations.h"
#include "engine/game_lineups.h"
#include "engine/game_log.h"
#include "engine/game_stats.h"
#include "engine/game_state.h"
#include "engine/injury_services.h"
#include "engine/narration.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/ui.h"

namespace {

// Narration calls counted when the current play's pre-snap clock ran.
uint32_t g_nCommentaryCallsAtSnap = 0;
// Log entry of the current play once End_Play has logged it; -1 before that
// and when the log was full.
int g_nCurrentPlayLogEntry = -1;
// The two-minute warning stopped the clock on the play just run; its box is
// shown once the play has been told.
bool g_bTwoMinuteWarningDue = false;

constexpr int EXTRA_POINT_FORMATION = 43;
constexpr int PLAYED_IN_GAME_FLAG = 0x8;    // vital stat 24: put on the field in this game
constexpr int DECIDED_MARGIN = 30;
constexpr int LATE_DECIDED_MARGIN = 23;
constexpr int LATE_DECIDED_SECONDS = 360;
constexpr int TWO_MINUTES = 120;
constexpr int NO_TIES_SECONDS_LEFT = 9000;
constexpr int SAFETY_KICK_YARD_LINE = 80;   // the free kick from the kicking team's 20
constexpr int CONVERSION_YARD_LINE = 2;
constexpr int TURNOVER_ON_DOWNS_CODE = 4;
constexpr int MAX_NARRATION_CALLS_FOR_INJURY = 7;
constexpr int SHAKEN_UP_PER_MILLE = 5;

constexpr uint32_t CLOCK_STOPPED_FLAGS = GAME_DOWN_FLAG_CLOCK_STOPPED | GAME_DOWN_FLAG_CLOCK_STOPPED_2;
constexpr uint32_t OUT_OF_BOUNDS_FLAGS = GAME_DOWN_FLAG_OUT_OF_BOUNDS | GAME_DOWN_FLAG_OUT_OF_BOUNDS_HURRY;

int Offense_Side(const GAME* pGame) { return Is_Home_Team_On_Offense(pGame) ? GAME_SIDE_HOME : GAME_SIDE_AWAY; }

void Set_Down_Code(GAME* pGame, int nCode)
{
    pGame->nDown = (pGame->nDown & ~GAME_DOWN_CODE_MASK) | (static_cast<uint32_t>(nCode) & GAME_DOWN_CODE_MASK);
}

void Stop_Clock(GAME* pGame)
{
    pGame->nDown = (pGame->nDown | GAME_DOWN_FLAG_CLOCK_STOPPED) & ~GAME_DOWN_FLAG_CLOCK_STOPPED_2;
}

bool Is_Clock_Stopped(const GAME* pGame) { return (pGame->nDown & CLOCK_STOPPED_FLAGS) != 0; }

bool Is_Overtime(const GAME* pGame) { return pGame->nClock >= SECONDS_OF_REGULATION; }

int Overtime_Rule(const GAME* pGame)
{
    return Get_User_Preference(Is_Playoff_Game(pGame) ? PREF_PLAYOFF_OVERTIME_RULE : PREF_REGULAR_SEASON_OVERTIME_RULE);
}

bool Is_No_Ties_Rule(int nRule)
{
    return nRule == OVERTIME_SUDDEN_DEATH_NO_TIES || nRule == OVERTIME_SIX_POINT_THRESHOLD_NO_TIES;
}

bool Is_User_Run_Franchise(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES && Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER;
}

bool Has_Red_Zone_Flag(int nTeam)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM && Get_Team_Stat(nTeam, TEAM_STAT_RED_ZONE) != 0;
}

// Takes seconds given back by a clock stop off the offence's possession time
// (nothing during a try: the per-game totals ignore it).
void Give_Back_Possession_Seconds(GAME* pGame, int nSeconds)
{
    if (nSeconds > 0)
        Increment_Game_Team_Total(pGame, Offense_Side(pGame), GAME_TOTAL_POSSESSION_SECONDS, -nSeconds);
}

void Turn_Over_On_Downs(GAME* pGame)
{
    if (pGame->nClock > SECONDS_OF_REGULATION)
        Mark_Overtime_Possession(pGame, Is_Home_Team_On_Offense(pGame) ? 1 : 0);
    if (Is_Game_Over(pGame))
        return;
    pGame->nOffense = pGame->nOffense == pGame->nHomeTeam ? pGame->nAwayTeam : pGame->nHomeTeam;
    pGame->nYardLine = static_cast<int8_t>(100 - pGame->nYardLine);
    Set_Down_Code(pGame, FIRST_DOWN_CODE);
    Clear_Red_Zone_Flags(pGame);
}

// Downs and distance after a play from scrimmage that kept the ball.
void Advance_Downs(GAME* pGame, int nResult)
{
    const int bSide = Offense_Side(pGame);
    const int nDown = Get_Game_Down_Code(pGame);
    if (nDown == 2)
        Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_THIRD_DOWN_TRIES, 1);
    else if (nDown == FOURTH_DOWN_CODE)
        Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_FOURTH_DOWN_TRIES, 1);

    if (pGame->nPlayYards < pGame->nToGo) {
        int nNewDown = nDown;
        // A penalty replays the down.
        if (nResult != RESULT_PENALTY)
            ++nNewDown;
        Set_Down_Code(pGame, nNewDown);
        pGame->nToGo = static_cast<int8_t>(pGame->nToGo - pGame->nPlayYards);
        if (nNewDown == TURNOVER_ON_DOWNS_CODE)
            Turn_Over_On_Downs(pGame);
        const int nAfter = Get_Game_Down_Code(pGame);
        if (nAfter > TURNOVER_ON_DOWNS_CODE)
            Report_Error("Invalid Down Number: %d (CONVERSION_ATTEMPT = 11)\nResult:%d\nPlay Yards:%d\nYardline:%d\n",
                         nAfter, nResult, pGame->nPlayYards, pGame->nYardLine);
        return;
    }
    if (nDown == 2)
        Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_THIRD_DOWN_CONVERSIONS, 1);
    else if (nDown == FOURTH_DOWN_CODE)
        Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_FOURTH_DOWN_CONVERSIONS, 1);
    Set_Down_Code(pGame, FIRST_DOWN_CODE);
    pGame->nToGo = static_cast<int8_t>(pGame->nYardLine <= 10 ? pGame->nYardLine : 10);
    Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_FIRST_DOWNS, 1);
}

void Queue_Player_Commentary(GAME* pGame, int nEvent, int nID)
{
    Queue_Play_Commentary(pGame, nEvent, 0, 0, 0, nID, -1);
}

// The halves of regulation are stretches 0 and 1, each overtime period one
// more: a kick-off starts each.
int Clock_Stretch(const GAME* pGame, int nClock)
{
    if (nClock < SECONDS_OF_REGULATION)
        return std::max(nClock, 0) / SECONDS_AT_HALF_TIME;
    return 2 + (nClock - SECONDS_OF_REGULATION) / Get_Overtime_Period_Length(pGame);
}

// Where the stretch holding nClock began.
int Stretch_Start(const GAME* pGame, int nClock)
{
    if (nClock < SECONDS_OF_REGULATION)
        return nClock - std::max(nClock, 0) % SECONDS_AT_HALF_TIME;
    const int L = Get_Overtime_Period_Length(pGame);
    return nClock - (nClock - SECONDS_OF_REGULATION) % L;
}

// The play just ended was a try (End_Play has already set up the kick-off).
bool Was_Try(const GAME* pGame)
{
    const int nResult = Get_Play_Result(&pGame->CurrentPlay);
    return nResult >= RESULT_EXTRA_POINT_GOOD && nResult <= RESULT_TWO_POINT_FAILED;
}

// Seconds left after the play in the half (or overtime period) it was
// snapped in: none once it ran that out, though the clock then reads the
// start of the next.
int Seconds_Left_After_Play(const GAME* pGame)
{
    const int nClock = pGame->nClock;
    if (pGame->nPlaySeconds > 0 && Clock_Stretch(pGame, nClock - pGame->nPlaySeconds) != Clock_Stretch(pGame, nClock))
        return 0;
    return Get_Seconds_Left_In_Half(pGame);
}

}  // namespace

// ---------------------------------------------------------------------------
// Time

int Get_Period_Length(const GAME* pGame)
{
    if (!pGame || !Is_Overtime(pGame))
        return SECONDS_PER_QUARTER;
    return Get_Overtime_Period_Length(pGame);
}

int Get_Seconds_Left_In_Quarter(const GAME* pGame)
{
    if (!pGame)
        return 0;
    if (!Is_Overtime(pGame))
        return SECONDS_PER_QUARTER * Get_Game_Quarter(pGame) - pGame->nClock;
    const int L = Get_Period_Length(pGame);
    return L - (pGame->nClock - SECONDS_OF_REGULATION) % L;
}

int Get_Seconds_Left_In_Game(const GAME* pGame)
{
    if (!pGame)
        return 0;
    if (!Is_Overtime(pGame))
        return SECONDS_OF_REGULATION - pGame->nClock;
    if (Is_No_Ties_Rule(Overtime_Rule(pGame)))
        return NO_TIES_SECONDS_LEFT;
    return Get_Seconds_Left_In_Quarter(pGame);
}

int Get_Seconds_Left_In_Half(const GAME* pGame)
{
    if (!pGame)
        return 0;
    if (pGame->nClock < SECONDS_AT_HALF_TIME)
        return SECONDS_AT_HALF_TIME - pGame->nClock;
    return Get_Seconds_Left_In_Game(pGame);
}

bool Is_Hurry_Up_Time(const GAME* pGame)
{
    if (!pGame)
        return false;
    const int bSide = Offense_Side(pGame);
    const int D = pGame->nScore[1 - bSide] - pGame->nScore[bSide];
    const int S = Get_Seconds_Left_In_Half(pGame);
    if (Get_Game_Quarter(pGame) == 4) {
        const int nMargin = std::abs(D);
        if (nMargin >= DECIDED_MARGIN ||
            (nMargin >= LATE_DECIDED_MARGIN && Get_Seconds_Left_In_Game(pGame) < LATE_DECIDED_SECONDS))
            return false;
    }
    if (pGame->nClock < SECONDS_AT_HALF_TIME)
        return S < TWO_MINUTES;
    return (S < 600 && D >= 9) || (S < 240 && D >= 0);
}

bool Is_Last_Play_Of_Half(const GAME* pGame)
{
    if (!pGame)
        return false;
    if (Is_Overtime(pGame) && Is_No_Ties_Rule(Overtime_Rule(pGame)))
        return false;
    const int S = Get_Seconds_Left_In_Half(pGame);
    return Is_Clock_Stopped(pGame) ? S < 12 : S < 40;
}

bool Is_Running_Out_Clock(const GAME* pGame)
{
    if (!pGame || pGame->nClock < SECONDS_AT_HALF_TIME || pGame->nClock >= SECONDS_OF_REGULATION)
        return false;
    if (SECONDS_OF_REGULATION - pGame->nClock >= TWO_MINUTES)
        return false;
    const int bSide = Offense_Side(pGame);
    return pGame->nScore[bSide] > pGame->nScore[1 - bSide] || Is_Game_Decided(pGame);
}

bool Is_Game_Decided(const GAME* pGame)
{
    if (!pGame || Get_Game_Quarter(pGame) != 4)
        return false;
    // 64-bit so that damaged scores cannot overflow the margin.
    const int64_t nMargin = std::llabs(static_cast<int64_t>(pGame->nScore[0]) - pGame->nScore[1]);
    return nMargin >= DECIDED_MARGIN ||
           (nMargin >= LATE_DECIDED_MARGIN && Get_Seconds_Left_In_Game(pGame) < LATE_DECIDED_SECONDS);
}

bool Does_Play_Reach_End_Of_Quarter(const GAME* pGame)
{
    if (!pGame || Is_Conversion_Attempt(pGame))
        return false;
    return pGame->nPlaySeconds >= Get_Seconds_Left_In_Quarter(pGame);
}

int Get_Kickoff_Yard_Line()
{
    switch (Get_User_Preference(PREF_KICKOFF_SPOT_RULE)) {
    case 0:
        return 70;
    case 2:
        return 60;
    default:
        return 65;
    }
}

// ---------------------------------------------------------------------------
// Score and possession

void Add_Team_Points(GAME* pGame, int bSide, int nPoints)
{
    if (!pGame)
        return;
    if (bSide != GAME_SIDE_AWAY && bSide != GAME_SIDE_HOME) {
        Report_Error("Invalid bSide in %s(pGame,[%d],%d)", __func__, bSide, nPoints);
        return;
    }
    const bool bWasDecided = Is_Game_Decided(pGame);
    pGame->nScore[bSide] += nPoints;
    if (Is_Game_Decided(pGame) != bWasDecided)
        Update_Game_Lineups(pGame);
}

void Change_Possession(GAME* pGame)
{
    if (!pGame)
        return;
    if (pGame->nClock > SECONDS_OF_REGULATION)
        Mark_Overtime_Possession(pGame, Is_Home_Team_On_Offense(pGame) ? 1 : 0);
    pGame->nOffense = pGame->nOffense == pGame->nHomeTeam ? pGame->nAwayTeam : pGame->nHomeTeam;
    pGame->nYardLine = static_cast<int8_t>(100 - pGame->nYardLine);
    Clear_Red_Zone_Flags(pGame);
}

void Clear_Red_Zone_Flags(GAME* pGame)
{
    if (!pGame)
        return;
    Set_Team_Stat(pGame->nAwayTeam, TEAM_STAT_RED_ZONE, 0);
    Set_Team_Stat(pGame->nHomeTeam, TEAM_STAT_RED_ZONE, 0);
}

void Mark_Overtime_Possession(GAME* pGame, int bHome)
{
    if (!pGame)
        return;
    pGame->nOvertimePossession = static_cast<int16_t>(pGame->nOvertimePossession |
                                                      (bHome ? OVERTIME_HOME_HAD_BALL : OVERTIME_AWAY_HAD_BALL));
}

void Start_Game_Period(GAME* pGame)
{
    if (!pGame)
        return;
    pGame->nTimeouts[GAME_SIDE_AWAY] = 3;
    pGame->nTimeouts[GAME_SIDE_HOME] = 3;
    Clear_Red_Zone_Flags(pGame);

    const bool bAwayWonToss = (pGame->nDown & GAME_DOWN_FLAG_AWAY_KICKS_OFF) != 0;
    bool bHomeKicks;
    if (pGame->nClock == 0) {
        bHomeKicks = !bAwayWonToss;
    } else if (pGame->nClock == SECONDS_AT_HALF_TIME) {
        bHomeKicks = bAwayWonToss;
    } else {
        if (Get_User_Preference(PREF_KICKOFF_CHOICE) == 1)
            bHomeKicks = true;
        else
            bHomeKicks = Get_Random_Below(2) != 0;
        const int nTimeouts = Is_Playoff_Game(pGame) ? 3 : 2;
        pGame->nTimeouts[GAME_SIDE_AWAY] = nTimeouts;
        pGame->nTimeouts[GAME_SIDE_HOME] = nTimeouts;
    }
    pGame->nOffense = bHomeKicks ? pGame->nHomeTeam : pGame->nAwayTeam;

    Set_Down_Code(pGame, KICKOFF_DOWN);
    pGame->nYardLine = static_cast<int8_t>(Get_Kickoff_Yard_Line());
    Stop_Clock(pGame);
    Write_Game_Log(pGame);
}

// ---------------------------------------------------------------------------
// The clock around a snap

bool Take_Team_Timeout(GAME* pGame, int bSide)
{
    if (!pGame || (bSide != GAME_SIDE_AWAY && bSide != GAME_SIDE_HOME) || pGame->nTimeouts[bSide] <= 0)
        return false;
    pGame->nTimeouts[bSide] -= 1;
    Stop_Clock(pGame);
    return true;
}

int Should_Call_Timeout(GAME* pGame)
{
    if (!pGame || Is_Clock_Stopped(pGame))
        return 0;
    const int S = Get_Seconds_Left_In_Half(pGame);
    const int bOffense = Offense_Side(pGame);
    const int bDefense = 1 - bOffense;
    const int nOffenseTeam = Side_Team(pGame, bOffense);
    const int nDefenseTeam = Side_Team(pGame, bDefense);
    const bool bUserGame = Is_User_Game(pGame);
    const bool bOffenseLeads = pGame->nScore[bOffense] > pGame->nScore[bDefense];

    // A user's offence in his watched game calls its own timeouts.
    const bool bUserOffense =
        Is_User_Run_Franchise(nOffenseTeam) && Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) == 0 && bUserGame;
    if (!bUserOffense) {
        const bool bLeadsInFourth = Get_Game_Quarter(pGame) == 4 && bOffenseLeads;
        if (S < 40 * pGame->nTimeouts[bOffense] && !bLeadsInFourth) {
            pGame->nTimeouts[bOffense] -= 1;
            return 1;
        }
    }

    if (Is_User_Run_Franchise(nDefenseTeam) && bUserGame)
        return 0;
    const bool bSecondHalf = pGame->nClock >= SECONDS_AT_HALF_TIME && pGame->nClock < SECONDS_OF_REGULATION;
    if (bSecondHalf && S < TWO_MINUTES && bOffenseLeads && pGame->nTimeouts[bDefense] > 0) {
        pGame->nTimeouts[bDefense] -= 1;
        return 1;
    }
    return 0;
}

void Run_Pre_Snap_Clock(GAME* pGame)
{
    if (!pGame)
        return;
    g_nCommentaryCallsAtSnap = Get_Play_Commentary_Call_Count();
    g_nCurrentPlayLogEntry = -1;

    if (Should_Call_Timeout(pGame))
        Stop_Clock(pGame);
    int nSeconds;
    const bool bOutOfBounds = (pGame->nDown & OUT_OF_BOUNDS_FLAGS) != 0;
    if (Is_Clock_Stopped(pGame))
        nSeconds = 0;
    else if (!Is_Hurry_Up_Time(pGame))
        nSeconds = bOutOfBounds ? 14 : 37;
    else
        nSeconds = bOutOfBounds ? 2 : 12;
    pGame->nPlaySeconds = static_cast<int8_t>(nSeconds);
}

void Store_Snap_In_Play_Log(GAME* pGame)
{
    if (!pGame)
        return;
    const int bHome = Is_Home_Team_On_Offense(pGame) ? 1 : 0;
    pGame->CurrentPlay.nClock = static_cast<uint16_t>(pGame->nClock);
    Set_Play_Home_Bit(&pGame->CurrentPlay, bHome);
    if (pGame->nPlays >= 0 && pGame->nPlays < PLAY_LOG_SIZE) {
        PLAY& Entry = pGame->PlayLog[pGame->nPlays];
        Entry.nClock = static_cast<uint16_t>(pGame->nClock);
        Set_Play_Home_Bit(&Entry, bHome);
    }
}

void Set_Out_Of_Bounds_Clock(GAME* pGame)
{
    if (!pGame)
        return;
    pGame->nDown |= Is_Hurry_Up_Time(pGame) ? GAME_DOWN_FLAG_OUT_OF_BOUNDS_HURRY : GAME_DOWN_FLAG_OUT_OF_BOUNDS;
    const int nQuarter = Get_Game_Quarter(pGame);
    const int nLeft = Get_Seconds_Left_In_Quarter(pGame);
    if ((nQuarter == 2 && nLeft <= TWO_MINUTES) || (nQuarter == 4 && nLeft <= 300))
        Stop_Clock(pGame);
}

// ---------------------------------------------------------------------------
// After the play

void End_Play(GAME* pGame)
{
    if (!pGame)
        return;
    const int nDownBefore = Get_Game_Down_Code(pGame);
    const bool bTry = nDownBefore == CONVERSION_ATTEMPT;
    const int nResult = Get_Play_Result(&pGame->CurrentPlay);

    // 1. The clock runs to the end of the quarter at most, and stops at the
    // two-minute mark, so that the play is logged and told at the time the
    // clock then shows.
    if (bTry)
        pGame->nPlaySeconds = 0;
    int nSeconds = std::max(0, std::min<int>(pGame->nPlaySeconds, Get_Seconds_Left_In_Quarter(pGame)));
    const int nToTwoMinutes = Get_Seconds_Left_In_Half(pGame) - TWO_MINUTES;
    if (nToTwoMinutes > 0)
        nSeconds = std::min(nSeconds, nToTwoMinutes);
    pGame->nPlaySeconds = static_cast<int8_t>(nSeconds);
    pGame->nClock = static_cast<int16_t>(pGame->nClock + nSeconds);
    Increment_Game_Team_Total(pGame, Offense_Side(pGame), GAME_TOTAL_POSSESSION_SECONDS, nSeconds);

    // 2. A change of hands starts a new series.
    const bool bChangedHands = (pGame->nDown & GAME_DOWN_FLAGS_CHANGED_HANDS) != 0;
    if (bChangedHands) {
        Set_Down_Code(pGame, FIRST_DOWN_CODE);
        Clear_Red_Zone_Flags(pGame);
    }

    // 3. The new spot; past the goal line is a touchdown.
    pGame->nYardLine = static_cast<int8_t>(pGame->nYardLine - pGame->nPlayYards);
    const bool bTouchdown = pGame->nYardLine < 1;

    if (!bTry) {
        const int bOffense = Offense_Side(pGame);
        const int nOffenseTeam = Side_Team(pGame, bOffense);
        if (nResult == RESULT_FIELD_GOAL_GOOD) {
            Set_Down_Code(pGame, KICKOFF_DOWN);
            pGame->nYardLine = static_cast<int8_t>(Get_Kickoff_Yard_Line());
            if (Has_Red_Zone_Flag(nOffenseTeam)) {
                Increment_Game_Team_Stat(pGame, bOffense, GAME_STAT_RED_ZONE_FIELD_GOALS);
                Clear_Red_Zone_Flags(pGame);
            }
        } else if (bTouchdown) {
            Add_Team_Points(pGame, bOffense, 6);
            Draw_Game_Score_Box(pGame);
            if (Has_Red_Zone_Flag(nOffenseTeam)) {
                Increment_Game_Team_Stat(pGame, bOffense, GAME_STAT_RED_ZONE_TOUCHDOWNS);
                Clear_Red_Zone_Flags(pGame);
            }
            Set_Down_Code(pGame, CONVERSION_ATTEMPT);
            pGame->nYardLine = CONVERSION_YARD_LINE;
        } else if (nResult == RESULT_SAFETY) {
            Add_Team_Points(pGame, 1 - bOffense, 2);
            Draw_Game_Score_Box(pGame);
            Set_Down_Code(pGame, SAFETY_KICK_DOWN);
            pGame->nYardLine = SAFETY_KICK_YARD_LINE;
        } else if (nDownBefore == KICKOFF_DOWN || nDownBefore == SAFETY_KICK_DOWN ||
                   nDownBefore == FURTHER_KICK_DOWN) {
            Set_Down_Code(pGame, FIRST_DOWN_CODE);
        } else if (!bChangedHands) {
            // The ball changing hands already started the new side's first
            // down; only a series that kept the ball counts its downs.
            Advance_Downs(pGame, nResult);
        }
    } else {
        // 5. The try: a kicked extra point was scored by the kick itself.
        if (nResult != RESULT_EXTRA_POINT_GOOD && nResult != RESULT_EXTRA_POINT_MISSED) {
            if (bTouchdown) {
                Add_Team_Points(pGame, Offense_Side(pGame), 2);
                Set_Play_Result(&pGame->CurrentPlay, RESULT_TWO_POINT_GOOD);
            } else {
                Set_Play_Result(&pGame->CurrentPlay, RESULT_TWO_POINT_FAILED);
            }
            Draw_Game_Score_Box(pGame);
        }
        Set_Down_Code(pGame, KICKOFF_DOWN);
        // The kick-off follows with the clock stopped, however the try ended.
        Stop_Clock(pGame);
        // One second drives the half-end test after a try at the end of a half.
        pGame->nPlaySeconds = 1;
        pGame->nYardLine = static_cast<int8_t>(Get_Kickoff_Yard_Line());
    }

    // 6. A new series goes for 10, or to the goal line when nearer.
    if (Get_Game_Down_Code(pGame) == FIRST_DOWN_CODE && Get_Play_Result(&pGame->CurrentPlay) != RESULT_PENALTY)
        pGame->nToGo = 10;
    pGame->nToGo = std::min(pGame->nToGo, pGame->nYardLine);

    // 7. The log entry.
    Append_Play_To_Log(pGame);
}

bool Append_Play_To_Log(GAME* pGame)
{
    if (!pGame || pGame->nPlays < 0 || pGame->nPlays >= PLAY_LOG_SIZE)
        return false;
    PLAY& Entry = pGame->PlayLog[pGame->nPlays];
    pGame->CurrentPlay.nClock = Entry.nClock;
    Set_Play_Home_Bit(&pGame->CurrentPlay, Get_Play_Home_Bit(&Entry));
    Entry = pGame->CurrentPlay;
    g_nCurrentPlayLogEntry = pGame->nPlays;
    pGame->nPlays = static_cast<int16_t>(pGame->nPlays + 1);
    return true;
}

int Check_Half_End(GAME* pGame)
{
    if (!pGame)
        return 0;
    const int nClock = pGame->nClock;
    if (Clock_Stretch(pGame, nClock - pGame->nPlaySeconds) == Clock_Stretch(pGame, nClock))
        return 0;
    const int nStart = Stretch_Start(pGame, nClock);
    const int nExcess = nClock - nStart;
    pGame->nClock = static_cast<int16_t>(nStart);
    if (Is_Conversion_Attempt(pGame))
        return 0;
    Give_Back_Possession_Seconds(pGame, nExcess);
    return 1;
}

void Show_Due_Two_Minute_Warning()
{
    if (!g_bTwoMinuteWarningDue)
        return;
    g_bTwoMinuteWarningDue = false;
    Show_Message_Box("Clock stopped for two-minute warning.", "Two-Minute Warning", BOX_OK);
}

void Forget_Due_Two_Minute_Warning()
{
    g_bTwoMinuteWarningDue = false;
}

bool Is_Two_Minute_Warning_Due()
{
    return g_bTwoMinuteWarningDue;
}

void Check_Quarter_End(GAME* pGame)
{
    if (!pGame)
        return;
    const int T = Seconds_Left_After_Play(pGame);
    const int B = T + pGame->nPlaySeconds;

    if (Check_Half_End(pGame)) {
        // A game over when an overtime period runs out starts no other.
        if (pGame->nClock <= SECONDS_OF_REGULATION || !Is_Game_Over(pGame))
            Start_Game_Period(pGame);
        return;
    }
    // A try takes no time: it never reaches the two-minute mark nor ends a
    // quarter (its second only ends a half whose last play scored).
    if (Was_Try(pGame)) {
        // The try after a touchdown on the first or third quarter's last
        // play was the quarter's: the next quarter's heading follows it.
        const int nClock = pGame->nClock;
        if (nClock < SECONDS_OF_REGULATION && nClock % SECONDS_AT_HALF_TIME == SECONDS_PER_QUARTER)
            Write_Game_Log(pGame);
        return;
    }
    int nGivenBack = 0;
    if (T <= TWO_MINUTES && B > TWO_MINUTES) {
        const int q = Get_Game_Quarter(pGame);
        // Exactly 2:00 left in the quarter or overtime period.
        const int nNewClock = Is_Overtime(pGame)
                                  ? SECONDS_OF_REGULATION - TWO_MINUTES + Get_Period_Length(pGame) * (q - 4)
                                  : SECONDS_PER_QUARTER * q - TWO_MINUTES;
        nGivenBack = pGame->nClock - nNewClock;
        pGame->nClock = static_cast<int16_t>(nNewClock);
        Stop_Clock(pGame);
        const bool bAutomatic = Get_User_Preference(PREF_AUTO_OFFENSE_CALLS) == 1 &&
                                Get_User_Preference(PREF_AUTO_DEFENSE_CALLS) == 1 &&
                                Get_Universe_Word(CLICK_TO_CONTINUE_WORD) == 0;
        // The box waits for the play's narration to reach the stop.
        if (Is_User_Game(pGame) && Get_User_Preference(PREF_ANIMATION_MODE) <= 0 && !bAutomatic)
            g_bTwoMinuteWarningDue = true;
    } else if (!Is_Overtime(pGame) && T <= SECONDS_PER_QUARTER && B > SECONDS_PER_QUARTER) {
        const int nNewClock = SECONDS_AT_HALF_TIME * (pGame->nClock / SECONDS_AT_HALF_TIME) + SECONDS_PER_QUARTER;
        nGivenBack = pGame->nClock - nNewClock;
        pGame->nClock = static_cast<int16_t>(nNewClock);
        Stop_Clock(pGame);
        if (pGame->nFormation[Offense_Side(pGame)] != EXTRA_POINT_FORMATION) {
            // With a try to come the heading waits for it (above).
            if (!Is_Conversion_Attempt(pGame))
                Write_Game_Log(pGame);
            // The teams change ends; a roof keeps its no-wind mark.
            if (pGame->nWindDirection >= 0)
                pGame->nWindDirection = static_cast<int16_t>(360 - pGame->nWindDirection);
        }
    }
    Give_Back_Possession_Seconds(pGame, nGivenBack);
}

void Check_Play_Injury(GAME* pGame)
{
    if (!pGame)
        return;
    const int bSide = Get_Random_Below(2);
    const int nPlace = Get_Random_Below(PLACES_ON_FIELD);
    // Counted by calls, not by queued entries, so a watched game and the same
    // game unwatched decide alike.
    if (Get_Play_Commentary_Call_Count() - g_nCommentaryCallsAtSnap > MAX_NARRATION_CALLS_FOR_INJURY)
        return;
    const int nTeam = Side_Team(pGame, bSide);
    const int nSlot = pGame->nOnField[bSide][nPlace];
    if (nTeam > LAST_TEAM || nSlot >= PLAYERS_PER_TEAM)
        return;
    const int nID = Get_Player_ID(nTeam, nSlot);

    const int nWeeks = Roll_Injury_Length(nTeam, nSlot);
    if (nWeeks > 0) {
        // The hurt player leaves the depth chart (and comes back if the
        // line-up cannot be rebuilt): the kept line-ups are stale either way.
        Forget_On_Field_Cache();
        Write_Injury_Log_Line(nTeam, nSlot);
        const int bRebuilt = Rebuild_Game_Lineup(pGame, bSide);
        if (!bRebuilt) {
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, 0);
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, -1);
            Forget_On_Field_Cache();
            return;
        }
        // Only the play just run carries the injury; a full log holds an older play.
        if (g_nCurrentPlayLogEntry >= 0 && g_nCurrentPlayLogEntry < pGame->nPlays) {
            NARRATION_ENTRY& Entry = pGame->PlayLog[g_nCurrentPlayLogEntry].Narration[NARRATION_ENTRIES - 1];
            Entry = NARRATION_ENTRY{};
            Entry.bEvent = NARRATE_INJURY_LEAVES;
            Entry.nPlayerID[0] = nID;
            Entry.nPlayerID[1] = -1;
        }
        Queue_Player_Commentary(pGame, NARRATE_INJURY, nID);
        Queue_Player_Commentary(pGame, NARRATE_INJURY_LEAVES, nID);
        Stop_Run_For_Injury(nTeam, nSlot, nWeeks);
        return;
    }
    if (Get_Random_Below(1000) < SHAKEN_UP_PER_MILLE) {
        Queue_Player_Commentary(pGame, NARRATE_INJURY, nID);
        Queue_Player_Commentary(pGame, NARRATE_INJURY_STAYS, nID);
    }
}

void Credit_Games_Played(GAME* pGame)
{
    if (!pGame)
        return;
    // A touchdown that wins in overtime ends the game with its try pending,
    // and nothing is credited during a try. A game played is no figure of
    // that try: credit it as after any other last snap, then put the game
    // back as it ended.
    const uint32_t nDown = pGame->nDown;
    if (Is_Conversion_Attempt(pGame))
        Set_Down_Code(pGame, FIRST_DOWN_CODE);
    for (int bSide : {GAME_SIDE_AWAY, GAME_SIDE_HOME}) {
        const int nTeam = Side_Team(pGame, bSide);
        if (nTeam > LAST_TEAM)
            continue;
        const int nPlayers = Count_Team_Players(nTeam);
        for (int nSlot = 0; nSlot < nPlayers; ++nSlot)
            if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) & PLAYED_IN_GAME_FLAG)
                Credit_Game_Player_Stat(pGame, nTeam, nSlot, UNIT_FILTER_ANY, 0, 1);
    }
    pGame->nDown = nDown;
}

// The run from scrimmage, its narration and the replay league's rushing
// calibration. The choice of play at the snap and the glue that hands a run
// its carrier and designed gain are in scrimmage_play.cpp.
#include "engine/rushing_plays.h"

#include "engine/game_context.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/random.h"
#include "engine/event_players.h"
#include "engine/formations.h"
#include "engine/game_clock.h"
#include "engine/game_stats.h"
#include "engine/narration.h"
#include "engine/play_data.h"
#include "engine/play_factors.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "engine/run_calibration.h"
#include "engine/sack_credits.h"
#include "engine/weather.h"
#include "league/historical.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "schedule/season_progress.h"

namespace {

constexpr int HISTORICAL_YARDS_PER_RUSH = 112;
constexpr int TEAM_STAT_TARGET_POINTS_FOR = 21;       // the replayed season's points scored
constexpr int TEAM_STAT_TARGET_POINTS_AGAINST = 22;   // ... and allowed
constexpr int CALIBRATION_RECORDS = 285;              // the GAME records the calibration reads
constexpr float FACTOR_LIMIT = 1.66f;
constexpr double MAX_EXPECTED_GAIN = 15.0;

// The fumble credits of a carrier of unit 0: a quarterback's and any other
// carrier's own fumble count.
constexpr int STAT_QUARTERBACK_FUMBLES = 19;
constexpr int STAT_CARRIER_FUMBLES = 2;

// Sideways spot of run holes 0-9: even holes on one side, odd on the other.
constexpr int HOLE_X[10] = {1, -1, 3, -3, 5, -5, 7, -7, 9, -9};
constexpr int FIRST_LINE_PLACE = 6;
constexpr int LAST_LINE_PLACE = 10;
constexpr int RECEIVERS = 5;

// A fumble-return touchdown counter of the whole league (process-wide).
int g_nFumbleReturnTouchdowns = 0;

double U() { return Random_Word_To_Fraction(Generate_Random_Number()); }

int Offense_Side(const GAME* pGame) { return Is_Home_Team_On_Offense(pGame) ? GAME_SIDE_HOME : GAME_SIDE_AWAY; }

bool Valid_Slot(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

int Slot_ID(int nTeam, int nSlot) { return Valid_Slot(nTeam, nSlot) ? Get_Player_ID(nTeam, nSlot) : -1; }

float Rating(int nTeam, int nSlot, int nRating)
{
    return Valid_Slot(nTeam, nSlot) ? Get_Player_Rating(nTeam, nSlot, nRating) : 20.0f;
}

bool Is_Quarterback(int nTeam, int nSlot)
{
    return Valid_Slot(nTeam, nSlot) && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) == POSITION_QB;
}

void Credit(GAME* pGame, int nTeam, int nSlot, int nUnit, int nCode, int nValue)
{
    if (Valid_Slot(nTeam, nSlot))
        Credit_Game_Player_Stat(pGame, nTeam, nSlot, nUnit, nCode, nValue);
}

void Add_Seconds(GAME* pGame, int n)
{
    pGame->nPlaySeconds = static_cast<int8_t>(std::clamp(pGame->nPlaySeconds + n, -128, 127));
}

void Stop_Clock(GAME* pGame)
{
    pGame->nDown |= GAME_DOWN_FLAG_CLOCK_STOPPED;
    pGame->nDown &= ~GAME_DOWN_FLAG_CLOCK_STOPPED_2;
}

void Narrate(GAME* pGame, int nEvent, int a1, int a2, int a3, int nPlayer0ID, int nPlayer1ID)
{
    Queue_Play_Commentary(pGame, nEvent, a1, a2, a3, nPlayer0ID, nPlayer1ID);
}

// The carrier's own fumble: a quarterback's or another carrier's count, for
// carriers of the backs' unit only.
void Credit_Carrier_Fumble(GAME* pGame, int nTeam, int nCarrier)
{
    if (!Valid_Slot(nTeam, nCarrier) || Get_Player_Unit(nTeam, nCarrier) != UNIT_BACKS)
        return;
    Credit(pGame, nTeam, nCarrier, UNIT_BACKS,
           Is_Quarterback(nTeam, nCarrier) ? STAT_QUARTERBACK_FUMBLES : STAT_CARRIER_FUMBLES, 1);
}

// The lost fumble of a run (result 13, or 14 when returned for a touchdown).
void Lose_Run_Fumble(GAME* pGame, const RUN_SITUATION& Run)
{
    PLAY& Play = pGame->CurrentPlay;
    const int bOffense = Offense_Side(pGame);
    const int nOffenseTeam = pGame->nOffense;
    const int nDefenseTeam = Get_Game_Defense_Team(pGame);
    const bool bTry = Is_Conversion_Attempt(pGame);
    const int nSpot = pGame->nYardLine;
    const int nCarrier = Run.nCarrier;
    const int nCarrierID = Slot_ID(nOffenseTeam, nCarrier);

    Set_Play_Result(&Play, RESULT_RUN_FUMBLE_LOST);
    Add_Seconds(pGame, 7 + Get_Random_Below(7));

    // The fumble's own yards never reach the goal line.
    int n = Get_Random_Below(10);
    n += Get_Random_Below(10) - 5;
    if (n >= nSpot)
        n = Get_Random_Below(nSpot);

    Credit_Rushing_Play(pGame, nCarrier, n, Run.nDirection);
    const int nForcer = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_FUMBLE_FORCED, 0);
    const int nRecoverer = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_FUMBLE_RECOVERY, 0);
    Queue_Run_Commentary(pGame, nCarrier, nForcer, n, Run.bScramble);
    Narrate(pGame, NARRATE_FUMBLE, -n, 0, 0, nCarrierID, Slot_ID(nDefenseTeam, nForcer));

    if (!bTry) {
        Increment_Game_Team_Total(pGame, bOffense, GAME_TOTAL_TURNOVERS, 1);
        Increment_Game_Team_Stat(pGame, bOffense, GAME_STAT_FUMBLES);
        Increment_Game_Team_Stat(pGame, bOffense, GAME_STAT_FUMBLES_LOST);
    }
    Credit(pGame, nDefenseTeam, nForcer, UNIT_DEFENSE, STAT_FUMBLES_FORCED, 1);
    Credit(pGame, nDefenseTeam, nRecoverer, UNIT_DEFENSE, STAT_FUMBLES_RECOVERED, 1);
    Credit(pGame, nOffenseTeam, nCarrier, UNIT_BACKS, STAT_FUMBLES_LOST, 1);
    Credit_Carrier_Fumble(pGame, nOffenseTeam, nCarrier);

    const int nRecovererID = Slot_ID(nDefenseTeam, nRecoverer);
    Play.nPlayer1 = nRecovererID;
    Play.nPlayer2 = nCarrierID;
    // The carry counts in the box score as the rush the statistics credit.
    Play.nYard1 = static_cast<int8_t>(n);
    Play.nYard2 = BALL_CARRIER_RUSHED;

    // The return: two draws on the recoverer's Speed, less a third.
    const double s = std::trunc(Rating(nDefenseTeam, nRecoverer, RATING_SPEED)) / 6.0;
    int R = static_cast<int>(U() * s);
    R *= static_cast<int>(U() * s);
    R -= Get_Random_Below(50);
    R = std::clamp(R, 0, 110);
    Change_Possession(pGame);
    int nYards = std::clamp(R - n, -120, 120);
    pGame->nDown &= ~GAME_DOWN_FLAG_CHANGED_HANDS_2;
    pGame->nDown |= GAME_DOWN_FLAG_CHANGED_HANDS;

    const bool bTouchdown = nYards >= pGame->nYardLine;
    if (bTouchdown) {
        nYards = pGame->nYardLine;
        Credit(pGame, nDefenseTeam, nRecoverer, UNIT_DEFENSE, STAT_DEFENSIVE_RETURN_TOUCHDOWNS, 1);
        ++g_nFumbleReturnTouchdowns;
        Stop_Clock(pGame);
        Set_Play_Result(&Play, RESULT_FUMBLE_RETURN_TOUCHDOWN);
    }
    pGame->nPlayYards = static_cast<int8_t>(nYards);

    if (R < 5) {
        if (Get_Random_Below(100) < 30)
            Narrate(pGame, NARRATE_PILE_UP, 0, 0, 0, 0, 0);
        Narrate(pGame, NARRATE_BALL_AWARDED, 0, 0, 0, 0, 0);
        return;
    }
    Narrate(pGame, NARRATE_RECOVERS, 0, 0, 0, nRecovererID, 0);
    if (R > 30)
        // From the spot of the fumble, n yards past the line, R yards back.
        Narrate(pGame, NARRATE_LONG_RUN, n, R, 0, nRecovererID, 0);
    else if (R > 12)
        Narrate(pGame, NARRATE_ROOM_TO_RUN, 0, 0, 0, nRecovererID, 0);
    if (!bTouchdown) {
        const int nTackler = pGame->nOnField[bOffense][Get_Random_Below(PLACES_ON_FIELD)];
        Narrate(pGame, NARRATE_TACKLED, n - R, 0, 0, nRecovererID, Slot_ID(nOffenseTeam, nTackler));
    }
}

// Tacklers of a run that ended on the field: the first is the one narrated.
int Credit_Run_Tacklers(GAME* pGame)
{
    const int nDefenseTeam = Get_Game_Defense_Team(pGame);
    const bool bHurriedOut = (pGame->nDown & GAME_DOWN_FLAG_OUT_OF_BOUNDS_HURRY) != 0;
    const int r = Get_Random_Below(100);
    if (bHurriedOut || r < 55) {
        const int T = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SOLO_TACKLE, 0);
        Credit(pGame, nDefenseTeam, T, UNIT_DEFENSE, STAT_SOLO_TACKLES, 1);
        return T;
    }
    const int T1 = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_TACKLE_ASSIST, 0);
    const int T2 = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_TACKLE_ASSIST, 0);
    if (T1 == T2) {
        Credit(pGame, nDefenseTeam, T1, UNIT_DEFENSE, STAT_SOLO_TACKLES, 1);
    } else {
        Credit(pGame, nDefenseTeam, T1, UNIT_DEFENSE, STAT_TACKLE_ASSISTS, 1);
        Credit(pGame, nDefenseTeam, T2, UNIT_DEFENSE, STAT_TACKLE_ASSISTS, 1);
    }
    return T1;
}

// The soft bound of a factor at 1.66.
double Bound_Factor(double f) { return Bound_Play_Factor(static_cast<float>(f), FACTOR_LIMIT); }

}  // namespace

// ---------------------------------------------------------------------------
// Pieces of the run

int Get_Run_Direction(GAME* pGame, int bRandom)
{
    if (bRandom) {
        const int r = Get_Random_Below(100);
        return r < 25 ? RUN_DIRECTION_LEFT : r < 80 ? RUN_DIRECTION_RIGHT : RUN_DIRECTION_MIDDLE;
    }
    const int h = Get_Play_Run_Hole(pGame);
    if (h < 4)
        return RUN_DIRECTION_MIDDLE;
    return h % 2 != 0 ? RUN_DIRECTION_LEFT : RUN_DIRECTION_RIGHT;
}

int Get_Random_Run_Hole(int nDirection)
{
    if (nDirection == RUN_DIRECTION_MIDDLE)
        return Get_Random_Below(4);
    if (nDirection == RUN_DIRECTION_RIGHT)
        return (2 + Get_Random_Below(3)) * 2;
    return 5 + Get_Random_Below(3) * 2;
}

float Get_Run_Weather_Factor(const GAME* pGame)
{
    if (!pGame || pGame->nWindSpeed == -1)
        return 1.025f;
    switch (Get_Game_Weather_Condition(pGame)) {
    case WEATHER_FLURRIES:
        return 0.975f;
    case WEATHER_MIXED:
        return 1.0f;
    case WEATHER_RAIN:
        return 0.95f;
    case WEATHER_SLEET:
    case WEATHER_SNOW:
    case WEATHER_STORMS:
        return 0.9f;
    default:   // clouds, sun
        return 1.025f;
    }
}

int Get_Run_Sideline_Term(int bHurry, int nHole)
{
    return (bHurry * 10 + 5) * (nHole / 2) - 5;
}

int Get_Run_Fumble_Threshold(const GAME* pGame, int nCarrier)
{
    if (!pGame)
        return 0;
    int64_t T = Get_Ball_Security_Figure(pGame, nCarrier);
    const int nSpot = pGame->nYardLine;
    // Inside the 10 the chance shrinks towards half at the goal line.
    if (nSpot < 10)
        T = (T * (nSpot + 10) + 10) / 20;
    return static_cast<int>(T);
}

double Get_League_Rush_Average(int nYear)
{
    const int a = Get_Historical_Average_Stat(HISTORICAL_YARDS_PER_RUSH, nYear - 1);
    const int b = Get_Historical_Average_Stat(HISTORICAL_YARDS_PER_RUSH, nYear);
    return (a + b) / 2.0 / 100.0;
}

double Compute_Expected_Run_Gain(const RUN_GAIN_INPUTS& In)
{
    // The carrier against the league's average runner of the time; the gap
    // narrows for seasons before 2015.
    double q = (0.25 * In.fSpeed + 0.2 * In.fPower + 0.25 * In.fQuickness + 0.3 * In.fVision + 100.0) / 185.0 - 1.0;
    if (In.nYear > 1995) {
        const int k = std::clamp(2015 - In.nYear, 0, 20);
        q = q * (50 - k) / 50.0;
    }
    const double E = (q + 1.0) * In.H;

    const double m = Bound_Factor((In.fCarry + In.fReceiving) / 2.0);
    double E2 = In.fDifficulty * ((m + 9.0) / 10.0) * E;
    E2 *= In.fCalibration;

    const double A = In.fRunDefense;
    const double B = In.fTackling;
    const double C = In.fMatchup > 0.0f ? In.fMatchup : 1.0;
    const double D = In.fRunBlocking;
    double G = 0.8 * D * ((2.5 - A - 0.5 * B) * E2 / C) - 0.3 + In.nDesignedYards / 20.0;

    if (In.nSpot < 3)
        G *= 0.15 * In.nSpot + 0.55;

    // Drift towards the league's stored level as the season goes on.
    if (In.nWeek >= 3) {
        const double f = std::max(2.0, In.nNorm / 100.0);
        const int n = In.nProgressPerMille > 900 ? 0 : (In.nWeek + 2) / 5;
        G *= std::pow(In.H / f, n);
    }

    G *= In.fWeather;
    return std::min(G, MAX_EXPECTED_GAIN);
}

RUN_GAIN_INPUTS Get_Run_Gain_Inputs(const GAME* pGame, int nCarrier, int nDesignedYards, float fWeather)
{
    RUN_GAIN_INPUTS In;
    if (!pGame)
        return In;
    const int nTeam = pGame->nOffense;
    In.nYear = Get_Current_Year();
    In.H = Get_League_Rush_Average(In.nYear);
    In.fSpeed = Rating(nTeam, nCarrier, RATING_SPEED);
    In.fPower = Rating(nTeam, nCarrier, RATING_POWER);
    In.fQuickness = Rating(nTeam, nCarrier, RATING_QUICKNESS);
    In.fVision = Rating(nTeam, nCarrier, RATING_VISION);
    In.fCarry = Get_Backfield_Factor(pGame);
    In.fReceiving = Get_Receiving_Factor(pGame);
    In.fDifficulty = Get_Defense_Difficulty_Factor(pGame);
    In.fCalibration = Get_Universe_Word(REPLAY_MODE_WORD) != 0 ? Get_Rushing_Calibration(pGame) : 1.0f;
    In.fRunDefense = Get_Run_Defense_Factor(pGame);
    In.fTackling = Get_Tackling_Factor(pGame);
    In.fMatchup = Get_Run_Matchup_Divisor(pGame, pGame->CurrentPlay.nOffenseCall, In.fRunDefense);
    In.fRunBlocking = Get_Run_Blocking_Factor(pGame);
    In.nDesignedYards = nDesignedYards;
    In.nSpot = pGame->nYardLine;
    In.nWeek = Get_Current_Week();
    In.nProgressPerMille = Get_Season_Progress_Per_Mille();
    In.nNorm = Get_League_Rushing_Norm();
    In.fWeather = fWeather;
    return In;
}

int Draw_Run_Yards(double G, int Y, int nSpot, float fPower, float fVision, bool bQuarterback)
{
    const double fSwing = 6.0 * Y + 10.0;
    int t = Get_Random_Around(static_cast<int>(10.0 * G), 700);
    t += static_cast<int>(U() * fSwing);
    t -= static_cast<int>(U() * fSwing);

    // Short yardage: the carrier's Power; a quarterback counts at least the
    // mean of his Power and 90.
    if (Y < 4) {
        const double P = bQuarterback ? (fPower + 90.0) / 2.0 : fPower;
        t = static_cast<int>(t + (std::trunc(P) - 70.0) * (4 - Y) / 6.0);
    }
    t += static_cast<int>(-7.0 * U());

    // At the goal line a push.
    if (t / 10 >= nSpot - 3) {
        if (bQuarterback)
            t += Get_Random_Below(21);
        else
            t += (static_cast<int>(0.7 * fPower + 0.3 * fVision) - 65) / 2;
    }
    return std::clamp((t + 5) / 10, -5, 100);
}

int Draw_Run_Breakaway(double G, int nYards, float fSpeed, float fQuickness)
{
    const double g = std::min(G / 200.0, 0.07);
    if (!(U() < g))
        return nYards;
    const double s = std::max(fSpeed - 50.0, 0.0) / 5.0;
    const double k = std::max(fQuickness - 50.0, 0.0) / 5.0;
    nYards += static_cast<int>(U() * (4.0 * s * k + 5.0));
    return std::min(nYards, 120);
}

// ---------------------------------------------------------------------------
// The run

void Resolve_Rushing_Play(GAME* pGame, const RUN_SITUATION& Run)
{
    if (!pGame)
        return;
    PLAY& Play = pGame->CurrentPlay;
    const int nOffenseTeam = pGame->nOffense;
    const int nDefenseTeam = Get_Game_Defense_Team(pGame);
    const int nSpot = pGame->nYardLine;
    const bool bTry = Is_Conversion_Attempt(pGame);
    const int nCarrier = Run.nCarrier;
    const int nCarrierID = Slot_ID(nOffenseTeam, nCarrier);
    const bool bKneel = Get_Offensive_Play_Type(nOffenseTeam, Play.nOffenseCall) == PLAY_TYPE_KNEEL_DOWN;

    // A lost fumble: never on a try or a kneel-down.
    const int T = Get_Run_Fumble_Threshold(pGame, nCarrier);
    if (Get_Random_Below(10000) < T && !bTry && !bKneel) {
        Lose_Run_Fumble(pGame, Run);
        return;
    }

    pGame->nDown &= ~GAME_DOWN_FLAGS_CHANGED_HANDS;
    Add_Seconds(pGame, 6 + Get_Random_Below(5));

    const RUN_GAIN_INPUTS In = Get_Run_Gain_Inputs(pGame, nCarrier, Run.nDesignedYards, Run.fWeather);
    const double G = Compute_Expected_Run_Gain(In);
    int nYards = Draw_Run_Yards(G, Run.nDesignedYards, nSpot, In.fPower, In.fVision,
                                Is_Quarterback(nOffenseTeam, nCarrier));
    nYards = Draw_Run_Breakaway(G, nYards, In.fSpeed, In.fQuickness);
    nYards = std::clamp(nYards, -120, 120);
    pGame->nPlayYards = static_cast<int8_t>(nYards);

    if (Get_Random_Below(100) < std::min(nYards, 40) * (Run.bHurry + 1) + Run.nSideline)
        Set_Out_Of_Bounds_Clock(pGame);

    int nTackler = NO_PLAYER;
    int nResult;
    if (nYards >= nSpot) {
        Stop_Clock(pGame);
        nYards = nSpot;
        if (bTry) {
            nResult = RESULT_TWO_POINT_GOOD;
        } else {
            nResult = RESULT_TOUCHDOWN_RUN;
            Credit(pGame, nOffenseTeam, nCarrier, UNIT_BACKS, STAT_RUSHING_TOUCHDOWNS, 1);
        }
    } else if (nSpot - nYards >= 100) {
        // Down in his own end zone.
        nResult = RESULT_SAFETY;
        nYards = nSpot - 100;
        nTackler = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SACK, 0);
    } else {
        nResult = RESULT_RUN_LEFT + Run.nDirection;
        nTackler = Credit_Run_Tacklers(pGame);
    }
    pGame->nPlayYards = static_cast<int8_t>(nYards);
    Set_Play_Result(&Play, nResult);

    Credit_Rushing_Play(pGame, nCarrier, nYards, Run.nDirection);
    Play.nPlayer1 = nCarrierID;
    Play.nPlayer2 = Slot_ID(nDefenseTeam, nTackler);
    Play.nYard1 = static_cast<int8_t>(nYards);
    if (nResult == RESULT_SAFETY)
        Play.nYard2 = BALL_CARRIER_RUSHED;
    Queue_Run_Commentary(pGame, nCarrier, nTackler, nYards, Run.bScramble);

    if (nResult == RESULT_TOUCHDOWN_RUN || nResult == RESULT_TWO_POINT_GOOD) {
        Narrate(pGame, NARRATE_TOUCHDOWN, 0, 0, 0, nCarrierID, 0);
        return;
    }

    if (!Fumble_Kept_By_Offense(pGame, nCarrier, -1, T))
        Narrate(pGame, NARRATE_TACKLED, nYards, 0, 0, nCarrierID, Slot_ID(nDefenseTeam, nTackler));

    // No colour once the play has used up the half.
    if (Does_Play_Reach_End_Of_Half(pGame))
        return;
    if (nYards >= pGame->nToGo && nResult != RESULT_TWO_POINT_FAILED)
        Narrate(pGame, NARRATE_FIRST_DOWN, 0, 0, 0, 0, 0);
    else if (Get_Game_Down_Code(pGame) == FOURTH_DOWN_CODE && nResult != RESULT_SAFETY)
        Narrate(pGame, NARRATE_TURNOVER_ON_DOWNS, 0, 0, 0, 0, 0);
}

int Get_Fumble_Return_Touchdown_Count() { return g_nFumbleReturnTouchdowns; }

int Fumble_Kept_By_Offense(GAME* pGame, int nCarrier, int nForcer, int T)
{
    if (!pGame)
        return 0;
    const int bOffense = Offense_Side(pGame);
    const int nOffenseTeam = pGame->nOffense;
    const int nDefenseTeam = Get_Game_Defense_Team(pGame);
    const bool bTry = Is_Conversion_Attempt(pGame);
    const bool bKneel =
        Get_Offensive_Play_Type(nOffenseTeam, pGame->CurrentPlay.nOffenseCall) == PLAY_TYPE_KNEEL_DOWN;
    if (T == 0)
        T = Get_Ball_Security_Figure(pGame, nCarrier);
    if (!(Get_Random_Below(10000) < T) || bTry || bKneel)
        return 0;

    const int nRecoverer = pGame->nOnField[bOffense][Get_Random_Below(PLACES_ON_FIELD)];
    if (nForcer == -1)
        nForcer = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_FUMBLE_FORCED, 0);
    Narrate(pGame, NARRATE_FUMBLE, pGame->nPlayYards, 0, 0, Slot_ID(nOffenseTeam, nCarrier),
            Slot_ID(nDefenseTeam, nForcer));
    Credit(pGame, nDefenseTeam, nForcer, UNIT_DEFENSE, STAT_FUMBLES_FORCED, 1);
    Credit_Carrier_Fumble(pGame, nOffenseTeam, nCarrier);
    if (Get_Random_Below(100) < 40)
        Narrate(pGame, NARRATE_BALL_AWARDED, 0, 0, 0, 0, 0);
    Narrate(pGame, NARRATE_RECOVERS, 0, 0, 0, Slot_ID(nOffenseTeam, nRecoverer), 0);
    if (!bTry)
        Increment_Game_Team_Stat(pGame, bOffense, GAME_STAT_FUMBLES);
    return 1;
}

// ---------------------------------------------------------------------------
// Narration

void Queue_Run_Commentary(GAME* pGame, int nCarrier, int nTackler, int y, int bScramble)
{
    if (!pGame)
        return;
    const int bDefense = 1 - Offense_Side(pGame);
    const int nOffenseTeam = pGame->nOffense;
    const int nDefenseTeam = Get_Game_Defense_Team(pGame);
    const int nCarrierID = Slot_ID(nOffenseTeam, nCarrier);
    const int nTacklerID = Slot_ID(nDefenseTeam, nTackler);
    const int Y = pGame->nPlayYards;

    if (y < 0 && (pGame->nDown & (GAME_DOWN_FLAG_OUT_OF_BOUNDS | GAME_DOWN_FLAG_OUT_OF_BOUNDS_HURRY)) == 0) {
        Narrate(pGame, NARRATE_HIT, Y, 0, 0, nTacklerID, nCarrierID);
        return;
    }

    const int d = Get_Random_Below(100);
    if (d >= 10) {
        if (!bScramble)
            Narrate(pGame, NARRATE_RUSHES, 0, 0, 0, nCarrierID, 0);
        if (y < 2 + Get_Random_Below(7)) {
            if (Get_Random_Below(100) >= 50)
                return;
            Narrate(pGame, NARRATE_HIT, 0, nDefenseTeam, 0, nTacklerID, nCarrierID);
            if (y > 4 + Get_Random_Below(10))
                Narrate(pGame, NARRATE_EXTRA_YARDS, 0, 0, 0, nCarrierID, nTacklerID);
            return;
        }
        const int k = Choose_Key_Blocker(pGame);
        const int t = pGame->nOnField[bDefense][Get_Random_Below(PLACES_ON_FIELD)];
        const int tID = Slot_ID(nDefenseTeam, t);
        if (k >= 0 && k != NO_PLAYER) {
            if (5 + Get_Random_Below(12) < Y && !bScramble && k != nCarrier)
                Narrate(pGame, NARRATE_GREAT_BLOCK, 0, 0, 0, Slot_ID(nOffenseTeam, k), 0);
        }
        if (Get_Random_Below(100) < 35 && y > 5) {
            Narrate(pGame, NARRATE_HIT, 0, nDefenseTeam, 0, tID, nCarrierID);
            if (Get_Random_Below(100) < 15 && y < 20)
                Narrate(pGame, NARRATE_EXTRA_YARDS, 0, 0, 0, nCarrierID, tID);
            Narrate(pGame, NARRATE_BREAKS_TACKLE, 0, 0, 0, nCarrierID, tID);
        }
        if (9 + Get_Random_Below(5) >= Y)
            return;
        Narrate(pGame, NARRATE_ROOM_TO_RUN, 0, 0, 0, nCarrierID, 0);
        if (24 + Get_Random_Below(5) >= Y)
            return;
        Narrate(pGame, NARRATE_LONG_RUN, 10, y - 10, 0, nCarrierID, 0);
        return;
    }

    const int t = pGame->nOnField[bDefense][Get_Random_Below(4)];
    const int k = Choose_Key_Blocker(pGame);
    if (t != nTackler && y > 5) {
        Narrate(pGame, NARRATE_HIT, 0, 0, 0, Slot_ID(nDefenseTeam, t), nCarrierID);
        Narrate(pGame, NARRATE_BREAKS_TACKLE, 0, 0, 0, nCarrierID, -1);
    }
    if (k >= 0 && k != NO_PLAYER) {
        if (3 + Get_Random_Below(20) < Y && !bScramble && k != nCarrier)
            Narrate(pGame, NARRATE_GREAT_BLOCK, 0, 0, 0, Slot_ID(nOffenseTeam, k), 0);
    }
    if (9 + Get_Random_Below(5) >= Y)
        return;
    Narrate(pGame, NARRATE_ROOM_TO_RUN, 0, 0, 0, nCarrierID, 0);
    if (24 + Get_Random_Below(5) >= Y)
        return;
    Narrate(pGame, NARRATE_LONG_RUN, 15, Y - 15, 0, nCarrierID, 0);
}

int Choose_Key_Blocker(GAME* pGame)
{
    if (!pGame)
        return -1;
    const int bOffense = Offense_Side(pGame);
    const int nTeam = pGame->nOffense;
    const int nCall = pGame->CurrentPlay.nOffenseCall;
    int h = Get_Play_Run_Hole(pGame);
    if (h < 0 || h > 9)
        h = 0;
    const double xh = HOLE_X[h];
    const int nFormation = Clamp_Formation_Id(pGame->nFormation[bOffense]);
    for (int p = FIRST_LINE_PLACE; p <= LAST_LINE_PLACE; ++p) {
        const int nSlot = pGame->nOnField[bOffense][p];
        if (nSlot == NO_PLAYER)
            continue;
        double x = 0.0;
        double y = 0.0;
        Get_Formation_Coordinate(nFormation, p, &x, &y);
        const double d = std::fabs(x - xh);
        if (d >= 2.0 || std::fabs(y) >= 1.0)
            continue;
        const int r = Get_Random_Below(100);
        if (r < (std::trunc(Rating(nTeam, nSlot, RATING_RUN_BLOCKING)) - 50.0) * (2.0 - d))
            return nSlot;
    }
    for (int k = 0; k < RECEIVERS; ++k) {
        if (Get_Offensive_Play_Route(nTeam, nCall, k) == ROUTE_LEAD_BLOCK) {
            const int nSlot = pGame->nOnField[bOffense][1 + k];
            return nSlot == NO_PLAYER ? -1 : nSlot;
        }
    }
    return -1;
}

// ---------------------------------------------------------------------------
// The replay calibration

namespace {

CALIBRATION_SUMS Scan_Calibration_Records(const GAME* pGame, int nTeam)
{
    CALIBRATION_SUMS S;
    const int nRecords = std::min(CALIBRATION_RECORDS, Count_Season_Game_Records());
    for (int i = 0; i < nRecords; ++i) {
        const GAME* pRecord = Get_Game_Record(i);
        if (!pRecord || pRecord->nAwayTeam == pRecord->nHomeTeam)
            continue;
        if (pRecord == pGame) {
            S.nCurrent = i;
            continue;
        }
        if (pRecord->nAwayTeam == nTeam) {
            S.nPointsFor += pRecord->nScore[GAME_SIDE_AWAY];
            S.nPointsAgainst += pRecord->nScore[GAME_SIDE_HOME];
        } else if (pRecord->nHomeTeam == nTeam) {
            S.nPointsFor += pRecord->nScore[GAME_SIDE_HOME];
            S.nPointsAgainst += pRecord->nScore[GAME_SIDE_AWAY];
        }
    }
    return S;
}

// The sums with the current game's score added, kept or freshly scanned.
void Get_Calibration_Points(const GAME* pGame, int nTeam, bool bKept, int64_t* pFor, int64_t* pAgainst)
{
    CALIBRATION_SUMS S;
    if (bKept && nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS) {
        CALIBRATION_SUMS& K = Get_Game_Context(pGame).CalibrationSums[nTeam];
        const int nYear = Get_Current_Year();
        const int nWeek = Get_Current_Week();
        if (!K.bValid || K.nYear != nYear || K.nWeek != nWeek || K.pGame != pGame) {
            K = Scan_Calibration_Records(pGame, nTeam);
            K.bValid = true;
            K.nYear = nYear;
            K.nWeek = nWeek;
            K.pGame = pGame;
        }
        S = K;
    } else {
        S = Scan_Calibration_Records(pGame, nTeam);
    }
    if (S.nCurrent >= 0) {
        if (pGame->nAwayTeam == nTeam) {
            S.nPointsFor += pGame->nScore[GAME_SIDE_AWAY];
            S.nPointsAgainst += pGame->nScore[GAME_SIDE_HOME];
        } else if (pGame->nHomeTeam == nTeam) {
            S.nPointsFor += pGame->nScore[GAME_SIDE_HOME];
            S.nPointsAgainst += pGame->nScore[GAME_SIDE_AWAY];
        }
    }
    *pFor = S.nPointsFor;
    *pAgainst = S.nPointsAgainst;
}

// target / (games per season x points / games played), for a computer-run
// team with two games or more and a target over 50; 1 otherwise or when the
// pace is under 10 points a season.
double Pace_Factor(int nTeam, int nTarget, int64_t nPoints)
{
    if (Is_User_Run_Team(nTeam))
        return 1.0;
    const int nGames = Get_Team_Games_Played(nTeam);
    if (nGames < 2 || nTarget <= 50)
        return 1.0;
    const double p = static_cast<double>(Get_Games_Per_Season()) * static_cast<double>(nPoints) / nGames;
    return p >= 10.0 ? nTarget / p : 1.0;
}

float Rushing_Calibration(const GAME* pGame, bool bKept)
{
    if (!pGame)
        return 1.0f;
    const int O = pGame->nOffense;
    const int D = Get_Game_Defense_Team(pGame);
    const int TO = Valid_Slot(O, 0) ? Get_Team_Stat(O, TEAM_STAT_TARGET_POINTS_FOR) : 0;
    const int TD = Valid_Slot(D, 0) ? Get_Team_Stat(D, TEAM_STAT_TARGET_POINTS_AGAINST) : 0;
    double f;
    if (Get_Current_Week() < 3) {
        const int a = Get_League_Average_Team_Stat_21();
        if (a >= 100 && TO > 50)
            f = ((static_cast<double>(TO) / a + 2.0) / 3.0) * ((static_cast<double>(TD) / a + 2.0) / 3.0);
        else
            f = 1.0;
    } else {
        int64_t nFor = 0;
        int64_t nAgainst = 0;
        int64_t nUnused = 0;
        Get_Calibration_Points(pGame, O, bKept, &nFor, &nUnused);
        Get_Calibration_Points(pGame, D, bKept, &nUnused, &nAgainst);
        f = Pace_Factor(O, TO, nFor) * Pace_Factor(D, TD, nAgainst);
    }
    return static_cast<float>(Bound_Factor(f));
}

}  // namespace

int Get_League_Average_Team_Stat_21()
{
    int64_t nSum = 0;
    int nTeams = 0;
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        nSum += Get_Team_Stat(t, TEAM_STAT_TARGET_POINTS_FOR);
        ++nTeams;
    }
    return nTeams > 0 ? static_cast<int>(nSum / nTeams) : 0;
}

float Get_Rushing_Calibration(const GAME* pGame)
{
    const float* pOverride = Get_Game_Context(pGame).pRushingCalibration;
    return pOverride ? *pOverride : Rushing_Calibration(pGame, true);
}

float Compute_Rushing_Calibration(const GAME* pGame) { return Rushing_Calibration(pGame, false); }


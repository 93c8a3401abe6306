#include "engine/passing_plays.h"

#include <algorithm>

#include "base/random.h"
#include "engine/event_players.h"
#include "engine/formations.h"
#include "engine/game_clock.h"
#include "engine/game_ratings.h"
#include "engine/game_state.h"
#include "engine/game_stats.h"
#include "engine/narration.h"
#include "engine/pass_outcome.h"
#include "engine/penalties.h"
#include "engine/play_data.h"
#include "engine/play_factors.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "engine/sack_credits.h"
#include "league/historical.h"
#include "league/league_data.h"
#include "league/league_norms.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/ui.h"

namespace {

int g_nInterceptionReturnTouchdowns = 0;   // since the program started

constexpr int NO_DEFENDER = 255;
constexpr int STAT_FIRST_DOWNS_CAUGHT = 5;     // a receiver's: catches that made a first down
constexpr int STAT_QB_FUMBLES = 19;            // a quarterback's fumbles
constexpr int STAT_OTHER_FUMBLES = 2;          // the fumble count of any other carrier

double U()
{
    return Random_Word_To_Fraction(Generate_Random_Number());
}

// trunc(n U)
int Below(int n)
{
    return static_cast<int>(n * U());
}

int Offense_Side(const GAME* pGame)
{
    return pGame->nOffense == pGame->nHomeTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

int Defense_Team(const GAME* pGame)
{
    return pGame->nOffense == pGame->nHomeTeam ? pGame->nAwayTeam : pGame->nHomeTeam;
}

bool Valid_Player(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

int Player_ID(int nTeam, int nSlot)
{
    return Valid_Player(nTeam, nSlot) ? Get_Player_ID(nTeam, nSlot) : -1;
}

// A rating through the repairing accessor; 20 for an empty place.
float Rating(int nTeam, int nSlot, int nRating)
{
    return Valid_Player(nTeam, nSlot) ? Get_Player_Rating(nTeam, nSlot, nRating) : 20.0f;
}

int Position(int nTeam, int nSlot)
{
    return Valid_Player(nTeam, nSlot) ? Get_Player_Position(nTeam, nSlot) : -1;
}

int Unit(int nTeam, int nSlot)
{
    return Valid_Player(nTeam, nSlot) ? Get_Position_Unit(Get_Player_Position(nTeam, nSlot)) : -1;
}

void Credit(GAME* pGame, int nTeam, int nSlot, int nUnit, int nCode, int nValue)
{
    if (Valid_Player(nTeam, nSlot))
        Credit_Game_Player_Stat(pGame, nTeam, nSlot, nUnit, nCode, nValue);
}

void Add_Seconds(GAME* pGame, int n)
{
    pGame->nPlaySeconds = static_cast<int8_t>(std::clamp(pGame->nPlaySeconds + n, -128, 127));
}

void Set_Yards(GAME* pGame, int n)
{
    pGame->nPlayYards = static_cast<int8_t>(std::clamp(n, -120, 120));
}

int Defense_Player(GAME* pGame, int nEvent)
{
    return Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, nEvent, 0);
}

// A route code of the built-in table, or none (-1): nothing indexes a table
// with a code outside 0-56.
bool Is_Route_Code(int nRoute)
{
    return nRoute >= 0 && nRoute < PASS_ROUTE_COUNT;
}

// The fourth-down rule after a throw that kept the ball short: the offence
// turns it over on downs unless the play runs out the half.
void Check_Turnover_On_Downs(GAME* pGame, int nPlayerID)
{
    if (Get_Game_Down_Code(pGame) != FOURTH_DOWN_CODE)
        return;
    const int nLeft = pGame->nClock < SECONDS_AT_HALF_TIME ? SECONDS_AT_HALF_TIME - pGame->nClock
                                                           : Get_Seconds_Left_In_Game(pGame);
    if (pGame->nPlaySeconds >= nLeft)
        return;
    Queue_Play_Commentary(pGame, NARRATE_TURNOVER_ON_DOWNS, 0, 0, 0, nPlayerID, 0);
}

// A sacked passer's fumble that the offence falls on again, by the rule of
// the rushing play's kept fumble (threshold T per 10,000, forcer given).
// Returns true when it happened.
bool Sack_Fumble_Kept_By_Offense(GAME* pGame, int nCarrier, int nForcer, int T)
{
    const int nTeam = pGame->nOffense;
    if (T == 0)
        T = Get_Ball_Security_Figure(pGame, nCarrier);
    if (Below(10000) >= T || Is_Conversion_Attempt(pGame))
        return false;
    const int bOffense = Offense_Side(pGame);
    const int nRecoverer = pGame->nOnField[bOffense][Below(PLACES_ON_FIELD)];
    if (nForcer < 0)
        nForcer = Defense_Player(pGame, EVENT_FUMBLE_FORCED);
    const int nDefense = Defense_Team(pGame);
    Queue_Play_Commentary(pGame, NARRATE_FUMBLE, pGame->nPlayYards, 0, 0, Player_ID(nTeam, nCarrier),
                          Player_ID(nDefense, nForcer));
    Credit(pGame, nDefense, nForcer, UNIT_DEFENSE, STAT_FUMBLES_FORCED, 1);
    if (Unit(nTeam, nCarrier) == UNIT_BACKS)
        Credit(pGame, nTeam, nCarrier, UNIT_BACKS,
               Position(nTeam, nCarrier) == POSITION_QB ? STAT_QB_FUMBLES : STAT_OTHER_FUMBLES, 1);
    if (Below(100) < 40)
        Queue_Play_Commentary(pGame, NARRATE_BALL_AWARDED, 0, 0, 0, 0, 0);
    Queue_Play_Commentary(pGame, NARRATE_RECOVERS, 0, 0, 0, Player_ID(nTeam, nRecoverer), 0);
    Increment_Game_Team_Stat(pGame, bOffense, GAME_STAT_FUMBLES);
    return true;
}

// Codes 4-6 mean one thing on a quarterback's line (interceptions, passing
// yards and touchdowns) and another on a receiver's (targets, first downs
// caught, yards after the catch): each is credited only to the line it means
// something on, so a quarterback thrown to or a receiver who throws keeps a
// true line.
void Credit_Passer_Only(GAME* pGame, int nTeam, int nPasser, int nCode, int nValue)
{
    if (Position(nTeam, nPasser) == POSITION_QB)
        Credit(pGame, nTeam, nPasser, UNIT_BACKS, nCode, nValue);
}

void Credit_Receiver_Only(GAME* pGame, int nTeam, int nReceiver, int nCode, int nValue)
{
    if (Position(nTeam, nReceiver) != POSITION_QB)
        Credit(pGame, nTeam, nReceiver, UNIT_BACKS, nCode, nValue);
}

void Incomplete_Credits(GAME* pGame, int nPasser, int nReceiver)
{
    const int nTeam = pGame->nOffense;
    if (Position(nTeam, nPasser) == POSITION_QB)
        Credit(pGame, nTeam, nPasser, UNIT_BACKS, STAT_PASS_ATTEMPTS, 1);
    if (Position(nTeam, nReceiver) != POSITION_QB && Unit(nTeam, nReceiver) == UNIT_BACKS)
        Credit(pGame, nTeam, nReceiver, UNIT_BACKS, STAT_TARGETS, 1);
    Increment_Game_Team_Total(pGame, Offense_Side(pGame), GAME_TOTAL_PASS_ATTEMPTS, 1);
}

// A pass play of a passer other than a quarterback names him in the log: his
// game figures are his runs and catches, so the box score counts his passes
// from there.
void Log_Other_Passer(GAME* pGame, int nPasser)
{
    const int nTeam = pGame->nOffense;
    if (!Valid_Player(nTeam, nPasser) || Position(nTeam, nPasser) == POSITION_QB)
        return;
    const int i = Get_Game_Roster_Entry(pGame, Offense_Side(pGame), nPasser);
    pGame->CurrentPlay.nOtherPasser = static_cast<uint8_t>(i < 0 ? 0 : i + 1);
}

// The sack's loss: min(s, (s + e) / 2) with s 5-9, never a gain; up to the
// own goal line, and *pbSafety when it reaches it.
int Sack_Loss(const GAME* pGame, int e, bool* pbSafety)
{
    const int s = 5 + Below(5);
    int L = std::max(0, std::min(s, (s + e) / 2));
    *pbSafety = pGame->nYardLine + L > 99;
    if (*pbSafety)
        L = 100 - pGame->nYardLine;
    return L;
}

void Pass_Incomplete(GAME* pGame, int nPasser, int nReceiver, int e, bool bKnockedDown)
{
    const int nTeam = pGame->nOffense;
    Set_Yards(pGame, 0);
    pGame->nDown = (pGame->nDown | GAME_DOWN_FLAG_CLOCK_STOPPED) &
                   ~(GAME_DOWN_FLAG_CLOCK_STOPPED_2 | GAME_DOWN_FLAGS_CHANGED_HANDS);
    Add_Seconds(pGame, 4 + e / 10 + Below(5));
    Incomplete_Credits(pGame, nPasser, nReceiver);
    if (bKnockedDown) {
        const int nDefender = Defense_Player(pGame, EVENT_PASS_DEFENSED);
        Credit(pGame, Defense_Team(pGame), nDefender, UNIT_DEFENSE, STAT_PASSES_DEFENSED, 1);
        pGame->CurrentPlay.nPlayer1 = Player_ID(Defense_Team(pGame), nDefender);
        pGame->CurrentPlay.nPlayer2 = Player_ID(nTeam, nReceiver);
        Queue_Pass_Start_Commentary(pGame, nReceiver, nDefender, e, 0);
    } else {
        pGame->CurrentPlay.nPlayer1 = Player_ID(nTeam, nReceiver);
        pGame->CurrentPlay.nPlayer2 = Player_ID(nTeam, nPasser);
        Queue_Pass_Start_Commentary(pGame, nReceiver, NO_DEFENDER, e, 0);
    }
    Check_Turnover_On_Downs(pGame, Player_ID(nTeam, nPasser));
}

void Pass_Complete(GAME* pGame, int nPasser, int nReceiver, int nRoute, int c, int e)
{
    const int nTeam = pGame->nOffense;
    const int nDefense = Defense_Team(pGame);
    const int bOffense = Offense_Side(pGame);
    const int nSpot = pGame->nYardLine;
    const int S = Get_Route_Base_Value(nRoute) + 30 * (Is_Hurry_Up_Time(pGame) ? 1 : 0);
    if (Below(100) < S)
        Set_Out_Of_Bounds_Clock(pGame);
    Set_Yards(pGame, e);
    Add_Seconds(pGame, 5 + e / 5 + Below(6));
    if (e < c)
        Report_Error("nCatchLocation [%d] exceeds nDistance [%d] in Implement_Pass_Result()", c, e);

    int nTackler = NO_PLAYER;
    if (e < nSpot) {
        if (nSpot - e >= 100) {
            Set_Play_Result(&pGame->CurrentPlay, RESULT_SAFETY);
            Set_Yards(pGame, nSpot - 100);
        }
        nTackler = Defense_Player(pGame, EVENT_SOLO_TACKLE);
        if (!(pGame->nDown & GAME_DOWN_FLAG_OUT_OF_BOUNDS_HURRY))
            Credit(pGame, nDefense, nTackler, UNIT_DEFENSE, STAT_SOLO_TACKLES, 1);
    } else {
        Set_Yards(pGame, nSpot);
        if (Is_Conversion_Attempt(pGame)) {
            Set_Play_Result(&pGame->CurrentPlay, RESULT_TWO_POINT_GOOD);
        } else {
            Set_Play_Result(&pGame->CurrentPlay, RESULT_TOUCHDOWN_PASS);
            Credit_Passer_Only(pGame, nTeam, nPasser, STAT_PASSING_TOUCHDOWNS, 1);
            Credit(pGame, nTeam, nReceiver, UNIT_BACKS, STAT_RECEIVING_TOUCHDOWNS, 1);
        }
    }

    // The yards the ball made: a catch beyond the goal line counts to it.
    const int nYards = pGame->nPlayYards;
    Credit(pGame, nTeam, nPasser, UNIT_BACKS, STAT_PASS_ATTEMPTS, 1);
    Credit(pGame, nTeam, nPasser, UNIT_BACKS, STAT_PASS_COMPLETIONS, 1);
    Credit_Passer_Only(pGame, nTeam, nPasser, STAT_PASSING_YARDS, nYards);
    Credit_Receiver_Only(pGame, nTeam, nReceiver, STAT_TARGETS, 1);
    Credit(pGame, nTeam, nReceiver, UNIT_BACKS, STAT_RECEPTIONS, 1);
    Credit(pGame, nTeam, nReceiver, UNIT_BACKS, STAT_RECEIVING_YARDS, nYards);
    Credit_Receiver_Only(pGame, nTeam, nReceiver, STAT_YARDS_AFTER_CATCH, nYards - c);
    if (nYards >= pGame->nToGo)
        Credit_Receiver_Only(pGame, nTeam, nReceiver, STAT_FIRST_DOWNS_CAUGHT, 1);
    Increment_Game_Team_Total(pGame, bOffense, GAME_TOTAL_PASS_ATTEMPTS, 1);
    Increment_Game_Team_Total(pGame, bOffense, GAME_TOTAL_COMPLETIONS, 1);
    Increment_Game_Team_Total(pGame, bOffense, GAME_TOTAL_PASSING_YARDS, nYards);

    // The log: the receiver, the passer (the tackler of a safety) and the gain.
    pGame->CurrentPlay.nPlayer1 = Player_ID(nTeam, nReceiver);
    pGame->CurrentPlay.nPlayer2 = Get_Play_Result(&pGame->CurrentPlay) == RESULT_SAFETY
                                      ? Player_ID(nDefense, nTackler)
                                      : Player_ID(nTeam, nPasser);
    pGame->CurrentPlay.nYard1 = static_cast<int8_t>(nYards);
    if (Get_Play_Result(&pGame->CurrentPlay) == RESULT_SAFETY)
        pGame->CurrentPlay.nYard2 = BALL_CARRIER_CAUGHT;

    // Told in a watched game only, so drawn from the display generator.
    if (Is_User_Game(pGame) && Play_Has_Play_Action(nTeam, pGame->CurrentPlay.nOffenseCall)) {
        const int nBit = Find_Play_Action_Back_In_Defense(pGame);
        Queue_Play_Action_Sentence(pGame, Player_ID(nTeam, nPasser), Player_ID(nTeam, Find_Play_Action_Back(pGame)),
                                   nBit >= 0 ? Player_ID(nDefense, nBit) : -1);
    }
    Queue_Pass_Result_Commentary(pGame, nReceiver, nTackler, nYards - c, c);
}

void Pass_Intercepted(GAME* pGame, int nPasser, int nReceiver, int c, int e)
{
    const int nTeam = pGame->nOffense;
    const int nDefense = Defense_Team(pGame);
    const int bOffense = Offense_Side(pGame);
    const int nSpot = pGame->nYardLine;
    pGame->nDown &= ~(GAME_DOWN_FLAG_CLOCK_STOPPED | GAME_DOWN_FLAG_CLOCK_STOPPED_2);
    Add_Seconds(pGame, 6 + e / 10 + Below(10));
    const int nInterceptor = Defense_Player(pGame, EVENT_INTERCEPTION);

    // The return.
    int m = static_cast<int>(Rating(nDefense, nInterceptor, RATING_SPEED)) / 6 + 1;
    if (c < 4)
        m += 4 - c;
    const int a = static_cast<int>(U() * m);
    const int b = Below(13);
    int R = a * b - Below(80);
    if (Below(100) < 30)
        R /= 5;
    R = std::clamp(R, 0, 110);
    Set_Yards(pGame, R - c);

    // A defender named in the throw.
    int nNamed = NO_DEFENDER;
    if (Below(100) < 25)
        nNamed = Defense_Player(pGame, EVENT_PASS_DEFENSED);
    else if (Get_Random_Below(100) < 33)
        nNamed = Defense_Player(pGame, EVENT_SACK);
    Queue_Pass_Start_Commentary(pGame, nReceiver, nNamed, c, 1);
    Queue_Play_Commentary(pGame, NARRATE_INTERCEPTED, 0, 0, 0, Player_ID(nDefense, nInterceptor), 0);

    Credit(pGame, nTeam, nPasser, UNIT_BACKS, STAT_PASS_ATTEMPTS, 1);
    Credit_Passer_Only(pGame, nTeam, nPasser, STAT_INTERCEPTIONS_THROWN, 1);
    Credit_Receiver_Only(pGame, nTeam, nReceiver, STAT_TARGETS, 1);
    Credit(pGame, nDefense, nInterceptor, UNIT_DEFENSE, STAT_INTERCEPTIONS, 1);
    Increment_Game_Team_Total(pGame, bOffense, GAME_TOTAL_PASS_ATTEMPTS, 1);
    Increment_Game_Team_Total(pGame, bOffense, GAME_TOTAL_TURNOVERS, 1);

    bool bTouchdown = false;
    if (pGame->nPlayYards >= 100 - nSpot) {
        bTouchdown = true;
        R = c - nSpot + 100;
        Set_Yards(pGame, 100 - nSpot);
        Credit(pGame, nDefense, nInterceptor, UNIT_DEFENSE, STAT_DEFENSIVE_RETURN_TOUCHDOWNS, 1);
        if (!Is_Conversion_Attempt(pGame))
            ++g_nInterceptionReturnTouchdowns;
        Set_Play_Result(&pGame->CurrentPlay, RESULT_INTERCEPTION_TOUCHDOWN);
    } else if (pGame->nPlayYards + nSpot < 1) {
        // Not downed in his own end zone: brought out of it.
        R += 1 - pGame->nPlayYards - nSpot + Get_Random_Below(10);
        Set_Yards(pGame, R - c);
    }
    pGame->nDown = (pGame->nDown & ~GAME_DOWN_FLAG_CHANGED_HANDS_2) | GAME_DOWN_FLAG_CHANGED_HANDS;
    Change_Possession(pGame);

    const int nInterceptorID = Player_ID(nDefense, nInterceptor);
    if (R > 30 + Below(20)) {
        if (Below(100) < 50)
            Queue_Play_Commentary(pGame, NARRATE_ROOM_TO_RUN, c, 0, 0, nInterceptorID, 0);
        // From where he caught it (c yards past the line) R yards back, to
        // where the tackle below puts him down.
        Queue_Play_Commentary(pGame, NARRATE_LONG_RUN, c, R, 0, nInterceptorID, 0);
    }
    // The log names the interceptor and the receiver the pass was meant for.
    pGame->CurrentPlay.nPlayer1 = nInterceptorID;
    pGame->CurrentPlay.nPlayer2 = Player_ID(nTeam, nReceiver);
    if (bTouchdown) {
        Queue_Play_Commentary(pGame, NARRATE_TOUCHDOWN, 0, 0, 0, nInterceptorID, 0);
    } else {
        int nPlace = Get_Random_Below(PLACES_ON_FIELD);
        if (R < 2 && e > 10)
            nPlace = 3 + Get_Random_Below(4);
        Queue_Play_Commentary(pGame, NARRATE_TACKLED, c - R, 0, 0, nInterceptorID,
                              Player_ID(nTeam, pGame->nOnField[bOffense][nPlace]));
    }
}

void Pass_Sacked(GAME* pGame, int nPasser, int e)
{
    const int nTeam = pGame->nOffense;
    if (Get_Seconds_Left_In_Half(pGame) >= 120)
        pGame->nDown |= GAME_DOWN_FLAG_CLOCK_STOPPED;
    bool bSafety = false;
    const int L = Sack_Loss(pGame, e, &bSafety);
    if (bSafety)
        Set_Play_Result(&pGame->CurrentPlay, RESULT_SAFETY);
    Set_Yards(pGame, -L);
    pGame->nDown &= ~GAME_DOWN_FLAGS_CHANGED_HANDS;
    Add_Seconds(pGame, 5 + Below(5));
    const int nSacker = Credit_Sack(pGame, nPasser);
    // The log: the passer sacked by the defender, and the loss.
    pGame->CurrentPlay.nPlayer1 = Player_ID(nTeam, nPasser);
    pGame->CurrentPlay.nPlayer2 = Player_ID(Defense_Team(pGame), nSacker);
    pGame->CurrentPlay.nYard1 = static_cast<int8_t>(pGame->nPlayYards);
    Queue_Sack_Commentary(pGame, nSacker);
    Sack_Fumble_Kept_By_Offense(pGame, nPasser, nSacker, 10 * Get_Ball_Security_Figure(pGame, nPasser));
    if (!bSafety)
        Check_Turnover_On_Downs(pGame, 0);
}

void Pass_Sack_Fumble(GAME* pGame, int nPasser, int e)
{
    const int nTeam = pGame->nOffense;
    const int nDefense = Defense_Team(pGame);
    const int bOffense = Offense_Side(pGame);
    bool bSafety = false;
    const int L = Sack_Loss(pGame, e, &bSafety);
    Set_Yards(pGame, -L);
    Add_Seconds(pGame, 7 + Below(7));
    const int nSacker = Credit_Sack(pGame, nPasser);
    const int nRecoverer = Defense_Player(pGame, EVENT_FUMBLE_RECOVERY);
    const int nRecovererID = Player_ID(nDefense, nRecoverer);
    Queue_Play_Commentary(pGame, NARRATE_FUMBLE, -L, 0, 0, Player_ID(nTeam, nPasser), Player_ID(nDefense, nSacker));
    if (!Is_Conversion_Attempt(pGame)) {
        Increment_Game_Team_Total(pGame, bOffense, GAME_TOTAL_TURNOVERS, 1);
        Increment_Game_Team_Stat(pGame, bOffense, GAME_STAT_FUMBLES);
        Increment_Game_Team_Stat(pGame, bOffense, GAME_STAT_FUMBLES_LOST);
    }
    Credit(pGame, nDefense, nSacker, UNIT_DEFENSE, STAT_FUMBLES_FORCED, 1);
    Credit(pGame, nDefense, nRecoverer, UNIT_DEFENSE, STAT_FUMBLES_RECOVERED, 1);
    Credit(pGame, nTeam, nPasser, UNIT_BACKS, STAT_FUMBLES_LOST, 1);
    if (Unit(nTeam, nPasser) == UNIT_BACKS)
        Credit(pGame, nTeam, nPasser, UNIT_BACKS,
               Position(nTeam, nPasser) == POSITION_QB ? STAT_QB_FUMBLES : STAT_OTHER_FUMBLES, 1);
    pGame->CurrentPlay.nPlayer1 = nRecovererID;
    pGame->CurrentPlay.nPlayer2 = Player_ID(nTeam, nPasser);

    // The return, as for a fumble lost on a run.
    const int S = static_cast<int>(Rating(nDefense, nRecoverer, RATING_SPEED));
    const int a = static_cast<int>(U() * (S / 6.0));
    const int b = static_cast<int>(U() * (S / 6.0));
    const int R = std::clamp(a * b - Below(50), 0, 110);
    Change_Possession(pGame);
    Set_Yards(pGame, R + L);
    pGame->nDown = (pGame->nDown & ~GAME_DOWN_FLAG_CHANGED_HANDS_2) | GAME_DOWN_FLAG_CHANGED_HANDS;
    const bool bTouchdown = pGame->nPlayYards >= pGame->nYardLine;
    if (bTouchdown) {
        Set_Yards(pGame, pGame->nYardLine);
        Credit(pGame, nDefense, nRecoverer, UNIT_DEFENSE, STAT_DEFENSIVE_RETURN_TOUCHDOWNS, 1);
        pGame->nDown = (pGame->nDown | GAME_DOWN_FLAG_CLOCK_STOPPED) & ~GAME_DOWN_FLAG_CLOCK_STOPPED_2;
        Set_Play_Result(&pGame->CurrentPlay, RESULT_FUMBLE_RETURN_TOUCHDOWN);
    }
    if (R < 5) {
        if (Below(100) < 30)
            Queue_Play_Commentary(pGame, NARRATE_PILE_UP, 0, 0, 0, 0, 0);
        Queue_Play_Commentary(pGame, NARRATE_BALL_AWARDED, 0, 0, 0, nRecovererID, 0);
        return;
    }
    Queue_Play_Commentary(pGame, NARRATE_RECOVERS, 0, 0, 0, nRecovererID, 0);
    if (R > 30)
        // From the spot of the fumble, L yards behind the line.
        Queue_Play_Commentary(pGame, NARRATE_LONG_RUN, -L, R, 0, nRecovererID, 0);
    else if (R > 12)
        Queue_Play_Commentary(pGame, NARRATE_ROOM_TO_RUN, 0, 0, 0, nRecovererID, 0);
    if (!bTouchdown)
        Queue_Play_Commentary(pGame, NARRATE_TACKLED, -L - R, 0, 0, nRecovererID,
                              Player_ID(nTeam, pGame->nOnField[bOffense][Below(PLACES_ON_FIELD)]));
}

// The primary receiver's catching figure of Choose_Pass_Target: a function of
// his club, slot and ratings alone, so kept while the game keeps ratings
// (the generation moves with any rating change and at each game's start and
// end).
struct KEPT_CATCHING {
    unsigned nGeneration = 0;   // 0 is never a generation
    int nTeam = -1;
    float M = 0.0f;
};
KEPT_CATCHING g_KeptCatching[PLAYERS_PER_TEAM][2];

float Catching_Figure(int nTeam, int nSlot)
{
    auto Q = [&](int n) { return Rating(nTeam, nSlot, n); };
    return 0.13f * Q(RATING_SPEED) + 0.10f * Q(RATING_QUICKNESS) + 0.14f * Q(RATING_POWER) +
           0.12f * Q(RATING_VISION) + 0.10f * Q(RATING_HANDS) + 0.40f * Q(RATING_RECEIVING);
}

float Kept_Catching_Figure(const GAME* pGame, int nTeam, int nSlot)
{
    if (!Is_Game_Rating_Cache_Active() || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return Catching_Figure(nTeam, nSlot);
    const unsigned nGeneration = Get_Game_Rating_Generation();
    KEPT_CATCHING& K = g_KeptCatching[nSlot][Offense_Side(pGame)];
    if (K.nGeneration != nGeneration || K.nTeam != nTeam) {
        K.M = Catching_Figure(nTeam, nSlot);
        K.nGeneration = nGeneration;
        K.nTeam = nTeam;
    }
    return K.M;
}

}  // namespace

int Get_Season_Yards_Per_Completion()
{
    // The league's yards per completion this season as the day's norms hold
    // it (1,120 before the season's first game): a league whose passes go
    // long gets open less deep.
    return Get_League_Norm(LEAGUE_NORM_COMPLETION_YARDS);
}

int Get_Offense_Field_Player(const GAME* pGame, int nIndex)
{
    if (!pGame || nIndex < 0 || nIndex >= PLACES_ON_FIELD)
        return NO_PLAYER;
    return pGame->nOnField[Offense_Side(pGame)][nIndex];
}

int Get_Primary_Receiver(int nTeam, int nCall)
{
    const int nPlace = Get_Offensive_Play_Carrier(nTeam, nCall);   // field - 1
    const int p = nPlace - 1;
    return (p >= 0 && p < PLAY_RECEIVERS) ? p : -1;
}

bool Should_Scramble(GAME* pGame)
{
    if (!pGame)
        return false;
    const int nTeam = pGame->nOffense;
    const int nPasser = Get_Offense_Field_Player(pGame, 0);
    double R = 20.0;
    double P = 20.0;
    double fMobility = 20.0;
    if (Valid_Player(nTeam, nPasser)) {
        auto Q = [&](int n) { return static_cast<double>(Get_Player_Rating(nTeam, nPasser, n)); };
        fMobility = Q(RATING_MOBILITY);
        R = 0.2 * Q(RATING_SPEED) + 0.2 * Q(RATING_POWER) + 0.25 * Q(RATING_QUICKNESS) + 0.25 * Q(RATING_VISION) +
            0.1 * Q(RATING_HANDS);
        if (Position(nTeam, nPasser) == POSITION_QB)
            R = (R + fMobility) / 2.0;
        P = 0.3 * Q(RATING_ACCURACY) + 0.3 * Q(RATING_CONTROL) + 0.2 * Q(RATING_DISTANCE) + 0.2 * Q(RATING_RED_ZONE);
    }
    const double A = (fMobility / 45.0) * ((R - 30.0) * R / 10.0);
    const int d = static_cast<int>(U() * (static_cast<int>(70.0 * P) + static_cast<int>(A)));
    const int nType = Get_Offensive_Play_Type(nTeam, pGame->CurrentPlay.nOffenseCall);
    const bool bRollout = nType == PLAY_TYPE_ROLLOUT || nType == PLAY_TYPE_BOOTLEG;
    return d < static_cast<int>((bRollout ? 2.0 : 0.6) * A);
}

int Choose_Pass_Target(GAME* pGame, int* pbPrimary)
{
    if (pbPrimary)
        *pbPrimary = 0;
    if (!pGame)
        return 0;
    const int nTeam = pGame->nOffense;
    const int nCall = pGame->CurrentPlay.nOffenseCall;
    const int p = Get_Primary_Receiver(nTeam, nCall);
    bool bDouble = false;
    int c = -1;   // no primary receiver: always a random one
    if (p >= 0) {
        const int nSlot = Get_Offense_Field_Player(pGame, 1 + p);
        const float M = Kept_Catching_Figure(pGame, nTeam, nSlot);
        static constexpr int BASE[5] = {80, 25, 25, 25, 35};
        const int nPosition = Position(nTeam, nSlot);
        c = static_cast<int>(M) - 70 + BASE[std::clamp(nPosition, 0, 4)];
        const int nFormation = pGame->nFormation[Offense_Side(pGame)];
        if (nPosition == POSITION_WR && Get_Formation_Slot_Position(nFormation, 1 + p, SLOT_DEPTH_RANK) == 0) {
            c += 3;
            if (Play_Has_Double_Team(Defense_Team(pGame), pGame->CurrentPlay.nDefenseCall)) {
                c -= 30;
                bDouble = true;
            }
        }
        if (c > 55)
            c = std::min((c + 55) / 2, 65);
        if (Is_Backfield_Pass_Play(nTeam, nCall))
            c += 25;
    }
    if (Below(100) > c) {
        const int k = Below(PLAY_RECEIVERS);
        const int nRoute = Get_Offensive_Play_Route(nTeam, nCall, k);
        if (p >= 0 && k != p && Is_Route_Code(nRoute) && Valid_Receiving_Route(nRoute))
            Queue_Play_Commentary(pGame, NARRATE_COVERAGE, 0, bDouble ? 1 : 0, 0, 0,
                                  Player_ID(nTeam, Get_Offense_Field_Player(pGame, 1 + p)));
        return k;
    }
    if (pbPrimary)
        *pbPrimary = 1;
    return p;
}

int Get_Receiver_Open_Depth(GAME* pGame, int nReceiverSlot)
{
    if (!pGame)
        return 0;
    const int nTeam = pGame->nOffense;
    const int Rc = static_cast<int>(Rating(nTeam, nReceiverSlot, RATING_RECEIVING));
    const int Sp = static_cast<int>(Rating(nTeam, nReceiverSlot, RATING_SPEED));
    const int Pw = static_cast<int>(Rating(nTeam, nReceiverSlot, RATING_POWER));
    const int h = Get_Current_Yards_Per_Completion_Average(pGame);
    int v = Mul_Div_Rounded(h, Rc + 2 * Sp - Pw, 175);
    const int nPosition = Position(nTeam, nReceiverSlot);
    if (nPosition == POSITION_TE)
        v = Mul_Div_Rounded(v, 85, 100);
    else if (nPosition == POSITION_RB || nPosition == POSITION_FB)
        v = Mul_Div_Rounded(v, 65, 100);

    const int nPasser = Get_Offense_Field_Player(pGame, 0);
    float D = Rating(nTeam, nPasser, RATING_DISTANCE);
    if (D < 60.0f && Position(nTeam, nPasser) == POSITION_QB)
        D = (D + 120.0f) / 3.0f;
    const int nD = static_cast<int>(D);
    const int w = Mul_Div_Rounded(v, nD, 85);
    const int z = Count_Deep_Zone_Defenders(Defense_Team(pGame), pGame->CurrentPlay.nDefenseCall) + 3;
    const int q = Mul_Div_Rounded(w, 5, z);
    const int Y = Get_Season_Yards_Per_Completion();
    const int b = Mul_Div_Rounded(Get_Random_Around(q, 500), h, Y > 0 ? Y : 1120) / 100;
    if (Below(65000) < v || Below(2500) < nD - 35)
        return b + 11 + Below(90);
    if (Below(5500) < h)
        return b + 1 + Below(10);
    return b;
}

void Implement_Pass_Result(GAME* pGame, int nReceiverSlot, int nResult, int nRoute, int nCatchLocation,
                           int nDistance)
{
    if (!pGame)
        return;
    if (nResult < PASS_OUTCOME_INCOMPLETE || nResult > PASS_OUTCOME_SACK_FUMBLE) {
        if (Get_User_Preference(PREF_SIMULATION_RUNNING))
            Report_Error("Invalid value in Implement_Pass_Result()");
        else
            Quick_Message("Invalid value in Implement_Pass_Result()");
        return;
    }
    Set_Play_Result(&pGame->CurrentPlay, nResult);
    const int nPasser = Get_Offense_Field_Player(pGame, 0);
    Log_Other_Passer(pGame, nPasser);
    const int c = nCatchLocation;
    const int e = nDistance;
    switch (nResult) {
    case PASS_OUTCOME_INCOMPLETE:
        Pass_Incomplete(pGame, nPasser, nReceiverSlot, e, false);
        break;
    case PASS_OUTCOME_COMPLETE:
        Pass_Complete(pGame, nPasser, nReceiverSlot, nRoute, c, e);
        break;
    case PASS_OUTCOME_INTERCEPTED:
        Pass_Intercepted(pGame, nPasser, nReceiverSlot, c, e);
        break;
    case PASS_OUTCOME_SACKED:
        Pass_Sacked(pGame, nPasser, e);
        break;
    case PASS_OUTCOME_KNOCKED_DOWN:
        Pass_Incomplete(pGame, nPasser, nReceiverSlot, e, true);
        break;
    default:
        Pass_Sack_Fumble(pGame, nPasser, e);
        break;
    }
}

void Run_Pass_Play(GAME* pGame)
{
    if (!pGame)
        return;
    const int nTeam = pGame->nOffense;
    const int nCall = pGame->CurrentPlay.nOffenseCall;
    const int nPasser = Get_Offense_Field_Player(pGame, 0);
    if (Is_Dropback_Pass_Call(pGame))
        Queue_Play_Commentary(pGame, NARRATE_LOOKING_TO_PASS, 0, 0, 0, Player_ID(nTeam, nPasser), 0);

    int bPrimary = 0;
    const int k = Choose_Pass_Target(pGame, &bPrimary);
    const int r = Get_Offensive_Play_Route(nTeam, nCall, k);
    const int nReceiver = Get_Offense_Field_Player(pGame, 1 + k);

    // A receiver without a route has no depths.
    const PASS_ROUTE* pRoute = Is_Route_Code(r) ? Get_Pass_Route(r) : nullptr;
    const int dmin = pRoute ? pRoute->nMinDepth : 0;
    int dmax = pRoute ? pRoute->nMaxDepth : 0;
    dmax += std::max(0, static_cast<int>(U() * (static_cast<int>(Rating(nTeam, nPasser, RATING_DISTANCE)) - 60)));

    int d = Get_Receiver_Open_Depth(pGame, nReceiver);
    int o = 0;
    if (d > dmax) {
        const int d2 = static_cast<int>(U() * (dmax - dmin)) / 2 + dmin;
        o = d - d2;
        d = d2;
    } else if (d < dmin) {
        d = static_cast<int>(U() * (dmax - dmin)) / 2 + dmin;
    }

    const double T = Get_Tackling_Factor(pGame);
    const double fVision = Rating(nTeam, nReceiver, RATING_VISION);
    const double fPower = Rating(nTeam, nReceiver, RATING_POWER);
    int e = static_cast<int>((1.5 - 0.5 * T) * ((fVision + fPower) / 140.0) * o + 0.5) + d;
    e = std::min(e, pGame->nYardLine + 1 + Below(9));
    d = std::min(d, e);

    const int n = Simulate_Pass_Outcome(pGame, nReceiver, bPrimary, static_cast<float>(d), static_cast<float>(e));
    if (e < pGame->nYardLine && Below(100) < 50)
        e += std::min((e - d) / 2, 9);
    Implement_Pass_Result(pGame, nReceiver, n, r, d, e);
}

int Get_Interception_Return_Touchdown_Count()
{
    return g_nInterceptionReturnTouchdowns;
}

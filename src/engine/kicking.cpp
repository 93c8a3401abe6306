// Kick-offs, onside kicks, punts, their returns, and the kneel-down.

#include "engine/kicking.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/random.h"
#include "engine/event_players.h"
#include "engine/field_goals.h"
#include "engine/game_state.h"
#include "engine/game_stats.h"
#include "engine/narration.h"
#include "engine/game_clock.h"
#include "engine/playbooks.h"
#include "league/historical.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/stat_codes.h"
#include "platform/errors.h"

namespace {

constexpr int HISTORICAL_PUNT_AVERAGE = 116;   // yards x 10
constexpr int UNIT_RETURNERS = UNIT_FILTER_PLAYMAKERS;

double U()
{
    return Random_Word_To_Fraction(Generate_Random_Number());
}

// trunc(n U)
int Below(int n)
{
    return static_cast<int>(n * U());
}

int Side_Of_Team(const GAME* pGame, int nTeam)
{
    return nTeam == pGame->nHomeTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

int Offense_Side(const GAME* pGame)
{
    return Side_Of_Team(pGame, pGame->nOffense);
}

int Other_Team(const GAME* pGame, int nTeam)
{
    return nTeam == pGame->nHomeTeam ? pGame->nAwayTeam : pGame->nHomeTeam;
}

bool Valid_Player(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

int Player_ID(int nTeam, int nSlot)
{
    return Valid_Player(nTeam, nSlot) ? Get_Player_ID(nTeam, nSlot) : -1;
}

// A kicking-game rating, at least 20.
float Kick_Rating(int nTeam, int nSlot, int nRating)
{
    if (!Valid_Player(nTeam, nSlot))
        return 20.0f;
    return std::max(Get_Player_Rating(nTeam, nSlot, nRating), 20.0f);
}

void Stop_Clock(GAME* pGame)
{
    pGame->nDown = (pGame->nDown | GAME_DOWN_FLAG_CLOCK_STOPPED) & ~GAME_DOWN_FLAG_CLOCK_STOPPED_2;
}

void Set_Down_Code(GAME* pGame, int nCode)
{
    pGame->nDown = (pGame->nDown & ~GAME_DOWN_CODE_MASK) | static_cast<uint32_t>(nCode);
}

void Add_Seconds(GAME* pGame, int n)
{
    pGame->nPlaySeconds = static_cast<int8_t>(std::clamp(pGame->nPlaySeconds + n, -128, 127));
}

// M: the product of two factors (lo + width U).
double Spread(double lo, double width)
{
    const double a = lo + width * U();
    return a * (lo + width * U());
}

void Credit(GAME* pGame, int nTeam, int nSlot, int nUnit, int nCode, int nValue)
{
    if (Valid_Player(nTeam, nSlot))
        Credit_Game_Player_Stat(pGame, nTeam, nSlot, nUnit, nCode, nValue);
}

// The kicking side's player who made the tackle on a kick-off: never the
// kicker's roster slot. A bounded number of draws may land on him; then the
// first other filled place is taken.
int Choose_Kickoff_Tackler(GAME* pGame, int bKickSide)
{
    const int nKicker = pGame->nOnField[bKickSide][0];
    for (int i = 0; i <= KICKOFF_TACKLER_REDRAWS; ++i) {
        const int nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SOLO_TACKLE, 0);
        if (nSlot != nKicker)
            return nSlot;
    }
    for (int p = 1; p < PLACES_ON_FIELD; ++p)
        if (pGame->nOnField[bKickSide][p] != NO_PLAYER)
            return pGame->nOnField[bKickSide][p];
    return NO_PLAYER;
}

double Touchdown_Base(int nYear, double fBase, double fMax)
{
    if (nYear >= 2017)
        return fBase;
    return std::min(fBase + (2017 - nYear) * 0.001, fMax);
}

// The two sides of a kick: the kicking team (the offence) with its kicker in
// place 0, the receiving team with its returner in place 0.
struct KICK_SIDES {
    int nKickTeam;
    int bKickSide;
    int nReceiveTeam;
    int bReceiveSide;
    int nKicker;
    int nReturner;
    int nKickerID;
    int nReturnerID;
};

KICK_SIDES Get_Kick_Sides(const GAME* pGame)
{
    KICK_SIDES S;
    S.nKickTeam = pGame->nOffense;
    S.bKickSide = Offense_Side(pGame);
    S.nReceiveTeam = Other_Team(pGame, S.nKickTeam);
    S.bReceiveSide = 1 - S.bKickSide;
    S.nKicker = pGame->nOnField[S.bKickSide][0];
    S.nReturner = pGame->nOnField[S.bReceiveSide][0];
    S.nKickerID = Player_ID(S.nKickTeam, S.nKicker);
    S.nReturnerID = Player_ID(S.nReceiveTeam, S.nReturner);
    return S;
}

// The first sentences of a kick-off of D yards: the returner waits, the kick
// goes to him, and he catches it (narrated with nCaught yards).
void Queue_Kickoff_Catch(GAME* pGame, const KICK_SIDES& S, int D, int nCaught)
{
    Queue_Play_Commentary(pGame, NARRATE_RETURNER_BACK, D, S.nKickTeam, S.nReceiveTeam, S.nReturnerID, -1);
    Queue_Play_Commentary(pGame, NARRATE_KICK_TO, D, S.nKickTeam, S.nReceiveTeam, S.nKickerID, S.nReturnerID);
    Queue_Play_Commentary(pGame, NARRATE_KICK_CAUGHT, nCaught, 0, 0, S.nReturnerID, -1);
}

// The log fields of a punt of D yards (the punter, the distance, nPlayer1 and
// nYard2) and its first two sentences: the kick to the returner and the catch.
void Log_Punt(GAME* pGame, const KICK_SIDES& S, int D, int nPlayer1, int nYard2)
{
    PLAY& Play = pGame->CurrentPlay;
    Play.nPlayer2 = S.nKickerID;
    Play.nYard1 = static_cast<int8_t>(std::min(D, 127));
    Play.nPlayer1 = nPlayer1;
    Play.nYard2 = static_cast<int8_t>(nYard2);
    Queue_Play_Commentary(pGame, NARRATE_KICK_TO, D, S.nKickTeam, S.nReceiveTeam, S.nKickerID, S.nReturnerID);
    Queue_Play_Commentary(pGame, NARRATE_KICK_CAUGHT, D, 0, 0, S.nReturnerID, -1);
}

}  // namespace

float Get_Wind_Factor(const GAME* pGame)
{
    if (!pGame || pGame->nWindSpeed == -1)
        return 1.0f;
    const int S = pGame->nWindSpeed;
    int d = pGame->nWindDirection;
    if (d > 270)
        d -= 360;
    const int a = 90 - std::abs(90 - d);
    // Rounded down also for a head wind (a below 0).
    int t = static_cast<int>(std::floor((10.0 * S * a + 45.0) / 90.0));
    if (pGame->nOffense == pGame->nHomeTeam)
        t = -t;
    return static_cast<float>(t - 3 * S + 1000) / 1000.0f;
}

int Get_Kickoff_Era_Term(int nYear)
{
    return std::max((nYear - 1980) / 4, 0) - 8;
}

int Get_Fair_Catch_Chance(int nYear, double A, int D, int nSpot)
{
    if (nSpot < 10)
        return 0;
    const int Q = std::clamp(6 * nYear - 11744, 100, 220);
    return (Q * ((static_cast<int>(A) - D) * 2 + 30) + 50) / 100;
}

double Get_League_Punt_Average()
{
    return Get_Current_Average_Stat(HISTORICAL_PUNT_AVERAGE) / 10.0;
}

double Get_Kick_Return_Touchdown_Chance(int nYear, float fSpeed, float fKickReturns, bool bSquib)
{
    if (fSpeed < 60.0f)
        return 0.0;
    double p = Touchdown_Base(nYear, 0.006, 0.014) * (fSpeed + fKickReturns - 70.0) / 70.0;
    return bSquib ? p / 2.0 : p;
}

double Get_Punt_Return_Touchdown_Chance(int nYear, float fSpeed, float fPuntReturns, float fVision)
{
    if (fSpeed < 60.0f)
        return 0.0;
    return Touchdown_Base(nYear, 0.01, 0.015) * (fSpeed + fPuntReturns + fVision - 160.0) / 80.0;
}

int Roll_Kick_Return_Yards(int nTeam, int nSlot, bool bSquib)
{
    const float KR = Kick_Rating(nTeam, nSlot, RATING_KICK_RETURNS);
    double B = (5.0 * KR + Kick_Rating(nTeam, nSlot, RATING_VISION) + Kick_Rating(nTeam, nSlot, RATING_QUICKNESS) -
                240.0) * 24.0 / 320.0;
    if (bSquib)
        B *= 0.7;
    int nYards = static_cast<int>(Spread(0.4, 1.2) * B);
    const double p =
        Get_Kick_Return_Touchdown_Chance(Get_Current_Year(), Kick_Rating(nTeam, nSlot, RATING_SPEED), KR, bSquib);
    if (U() < p)
        nYards = RETURN_ALL_THE_WAY;
    return std::max(nYards, 1);
}

int Roll_Punt_Return_Yards(int nTeam, int nSlot, int D)
{
    const double A = Get_League_Punt_Average();
    const float PR = Kick_Rating(nTeam, nSlot, RATING_PUNT_RETURNS);
    const float V = Kick_Rating(nTeam, nSlot, RATING_VISION);
    const double B = (A > 0.0 ? D / A : 0.0) * (4.0 * PR + Kick_Rating(nTeam, nSlot, RATING_QUICKNESS) - 170.0) *
                     8.0 / 255.0;
    int nYards = static_cast<int>(Spread(0.4, 1.2) * B);
    const double p =
        Get_Punt_Return_Touchdown_Chance(Get_Current_Year(), Kick_Rating(nTeam, nSlot, RATING_SPEED), PR, V);
    if (U() < p)
        nYards = RETURN_ALL_THE_WAY;
    return std::max(nYards, 1);
}

void Run_Kickoff(GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return;
    }
    PLAY& Play = pGame->CurrentPlay;
    const KICK_SIDES Sides = Get_Kick_Sides(pGame);
    const auto& [nKickTeam, bKickSide, nReceiveTeam, bReceiveSide, nKicker, nReturner, nKickerID, nReturnerID] = Sides;
    const bool bSquib = Play.nOffenseCall == 1;

    const int E = Get_Kickoff_Era_Term(Get_Current_Year());
    const float K = Kick_Rating(nKickTeam, nKicker, RATING_FG_DISTANCE);
    const double W = Get_Kick_Weather_Factor(pGame);
    const int nLeg = static_cast<int>((K + Below(5)) / 5.0f - 16.0f);
    const int nRandom = Below(16) + Below(16);
    int D = static_cast<int>((50 + E + nLeg + nRandom) * W + 0.5);
    D = std::min(D, pGame->nYardLine + 10);
    if (bSquib)
        D = std::min(D, pGame->nYardLine - 5 - Below(11) - Below(11));

    pGame->nYardLine = static_cast<int8_t>(pGame->nYardLine - D);
    Set_Play_Result(&Play, RESULT_KICKOFF_RETURNED);
    Change_Possession(pGame);

    if (pGame->nYardLine >= 100) {
        Stop_Clock(pGame);
        pGame->nYardLine = static_cast<int8_t>(Get_User_Preference(PREF_TOUCHBACK_TO_25) == 1 ? 75 : 80);
        Set_Play_Result(&Play, RESULT_KICKOFF_TOUCHBACK);
        pGame->nPlayYards = 0;
        Add_Seconds(pGame, 5 + Below(4));
        Play.nPlayer1 = nReturnerID;
        Play.nYard1 = 0;
        Play.nYard2 = 80;
        Queue_Kickoff_Catch(pGame, Sides, D, D);
        return;
    }

    int R = Roll_Kick_Return_Yards(nReceiveTeam, nReturner, bSquib);
    int nTacklerID = -1;
    if (R < pGame->nYardLine) {
        const int nTackler = Choose_Kickoff_Tackler(pGame, bKickSide);
        Credit(pGame, nKickTeam, nTackler, UNIT_DEFENSE, STAT_SOLO_TACKLES, 1);
        nTacklerID = Player_ID(nKickTeam, nTackler);
    } else {
        Set_Play_Result(&Play, RESULT_KICKOFF_RETURN_TOUCHDOWN);
        Credit(pGame, nReceiveTeam, nReturner, UNIT_RETURNERS, STAT_KICK_RETURN_TOUCHDOWNS, 1);
        R = pGame->nYardLine;
    }
    Credit(pGame, nReceiveTeam, nReturner, UNIT_RETURNERS, STAT_KICK_RETURNS, 1);
    Credit(pGame, nReceiveTeam, nReturner, UNIT_RETURNERS, STAT_KICK_RETURN_YARDS, R);
    Increment_Game_Team_Stat(pGame, bReceiveSide, GAME_STAT_KICKOFF_RETURNS);
    Increment_Game_Team_Total(pGame, bReceiveSide, GAME_TOTAL_KICKOFF_RETURN_YARDS, R);

    pGame->nPlayYards = static_cast<int8_t>(std::clamp(R, -120, 120));
    Add_Seconds(pGame, R / 7 + 7 + Below(4));
    Play.nPlayer1 = nReturnerID;
    Play.nYard1 = static_cast<int8_t>(R);
    Play.nYard2 = static_cast<int8_t>(pGame->nYardLine - pGame->nPlayYards);

    Queue_Kickoff_Catch(pGame, Sides, D, R);
    if (Below(100) < (R - 15) * 10) {
        const int nCover = pGame->nOnField[bKickSide][1 + Below(10)];
        Queue_Play_Commentary(pGame, NARRATE_GREAT_BLOCK, R, 0, 0, Player_ID(nKickTeam, nCover), nReturnerID);
    }
    if (Below(100) < (R - 15) * 10)
        Queue_Play_Commentary(pGame, NARRATE_RUSHES, R, 0, 0, nReturnerID, -1);
    // The spots are told as yards from the kick-off spot toward the
    // receivers' goal: he caught it D yards out and went down D - R yards out.
    if (Below(100) < (R - 35) * 10)
        Queue_Play_Commentary(pGame, NARRATE_LONG_RUN, D, R, 0, nReturnerID, -1);
    if (Get_Play_Result(&Play) == RESULT_KICKOFF_RETURN_TOUCHDOWN)
        Queue_Play_Commentary(pGame, NARRATE_TOUCHDOWN, R, 0, 0, nReturnerID, -1);
    else
        Queue_Play_Commentary(pGame, NARRATE_TACKLED, D - R, 0, 0, nReturnerID, nTacklerID);
}

void Run_Onside_Kick(GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return;
    }
    PLAY& Play = pGame->CurrentPlay;
    const int nKickTeam = pGame->nOffense;
    const int bKickSide = Offense_Side(pGame);
    const int nReceiveTeam = Other_Team(pGame, nKickTeam);
    const int D = 10 + Below(8) + Below(8);
    pGame->nYardLine = static_cast<int8_t>(pGame->nYardLine - D);
    if (Below(4) == 0) {
        const int nCover = pGame->nOnField[bKickSide][1 + Below(10)];
        Queue_Play_Commentary(pGame, NARRATE_RECOVERS, D, 0, 0, Player_ID(nKickTeam, nCover), -1);
        Set_Play_Result(&Play, RESULT_ONSIDE_KICK_KEPT);
    } else {
        pGame->nOffense = static_cast<uint8_t>(nReceiveTeam);
        pGame->nYardLine = static_cast<int8_t>(100 - pGame->nYardLine);
        const int nRecoverer = pGame->nOnField[1 - bKickSide][Below(11)];
        const int nNarrated = Below(100) < 50 ? D : 0;
        Queue_Play_Commentary(pGame, NARRATE_RECOVERS, nNarrated, 0, 0, Player_ID(nReceiveTeam, nRecoverer), -1);
        Set_Play_Result(&Play, RESULT_ONSIDE_KICK_LOST);
    }
    Stop_Clock(pGame);
    pGame->nPlayYards = 0;
    Add_Seconds(pGame, 7 + Below(4));
    const int nHolder = pGame->nOnField[Offense_Side(pGame)][Below(11)];
    Play.nPlayer1 = Player_ID(pGame->nOffense, nHolder);
    Play.nYard1 = 0;
    Play.nYard2 = pGame->nYardLine;
}

void Run_Punt(GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return;
    }
    PLAY& Play = pGame->CurrentPlay;
    const KICK_SIDES Sides = Get_Kick_Sides(pGame);
    const auto& [nKickTeam, bKickSide, nReceiveTeam, bReceiveSide, nPunter, nReturner, nPunterID, nReturnerID] = Sides;
    const int nYear = Get_Current_Year();

    if (pGame->nClock > SECONDS_OF_REGULATION)
        pGame->nOvertimePossession = static_cast<int16_t>(
            pGame->nOvertimePossession | (bKickSide == GAME_SIDE_HOME ? OVERTIME_HOME_HAD_BALL : OVERTIME_AWAY_HAD_BALL));
    Set_Down_Code(pGame, FURTHER_KICK_DOWN);

    const double A = Get_League_Punt_Average();
    const float P = Kick_Rating(nKickTeam, nPunter, RATING_PUNT_DISTANCE);
    const double W = Get_Kick_Weather_Factor(pGame);
    double fBase = W * (P / 3.0 + 70.0) * A / 93.333336;
    fBase = std::min(fBase, static_cast<double>(pGame->nYardLine - 2)) * 1.06;
    double d = fBase * Spread(0.85, 0.3);
    if (400.0 * U() < d)
        d += 15.0 * U();
    // A punt from inside the opponent's 2 still goes nowhere backwards.
    int D = std::max(static_cast<int>(d), 0);
    if (D >= pGame->nYardLine &&
        50.0 + std::max(50.0 * U(), 0.0) < Kick_Rating(nKickTeam, nPunter, RATING_PUNT_ACCURACY))
        D = std::max(pGame->nYardLine - Below(9) - 1, 0);

    pGame->nYardLine = static_cast<int8_t>(pGame->nYardLine - D);
    Set_Play_Result(&Play, RESULT_PUNT_RETURNED);
    const int C = Get_Fair_Catch_Chance(nYear, A, D, pGame->nYardLine);

    if (pGame->nYardLine < 1) {
        pGame->nYardLine = 20;
        Stop_Clock(pGame);
        Add_Seconds(pGame, 7 + Below(4));
        Set_Play_Result(&Play, RESULT_PUNT_TOUCHBACK);
        Credit(pGame, nKickTeam, nPunter, UNIT_KICKERS, STAT_PUNT_TOUCHBACKS, 1);
        Log_Punt(pGame, Sides, D, -1, 0);
    } else if (Below(100) < C) {
        Stop_Clock(pGame);
        Add_Seconds(pGame, 7 + Below(4));
        Log_Punt(pGame, Sides, D, nReturnerID, 0);
    } else {
        int R = Roll_Punt_Return_Yards(nReceiveTeam, nReturner, D);
        Add_Seconds(pGame, R / 7 + 9 + Below(4));
        const int nToGoal = 100 - pGame->nYardLine;
        if (R < nToGoal) {
            // The punting team makes the tackle: it defends for the choice.
            pGame->nOffense = static_cast<uint8_t>(nReceiveTeam);
            const int nTackler = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SOLO_TACKLE, 0);
            pGame->nOffense = static_cast<uint8_t>(nKickTeam);
            Credit(pGame, nKickTeam, nTackler, UNIT_DEFENSE, STAT_SOLO_TACKLES, 1);
        } else {
            Set_Play_Result(&Play, RESULT_PUNT_RETURN_TOUCHDOWN);
            Credit(pGame, nReceiveTeam, nReturner, UNIT_RETURNERS, STAT_PUNT_RETURN_TOUCHDOWNS, 1);
            R = nToGoal;
        }
        Credit(pGame, nReceiveTeam, nReturner, UNIT_RETURNERS, STAT_PUNT_RETURNS, 1);
        Credit(pGame, nReceiveTeam, nReturner, UNIT_RETURNERS, STAT_PUNT_RETURN_YARDS, R);
        Increment_Game_Team_Stat(pGame, bReceiveSide, GAME_STAT_PUNT_RETURNS);
        Increment_Game_Team_Total(pGame, bReceiveSide, GAME_TOTAL_PUNT_RETURN_YARDS, R);
        pGame->nPlayYards = static_cast<int8_t>(std::clamp(R, -120, 120));
        Log_Punt(pGame, Sides, D, nReturnerID, R);
        if (Below(100) < (R - 6) * 10)
            Queue_Play_Commentary(pGame, NARRATE_BREAKS_TACKLE, R, 0, 0, nReturnerID, -1);
        if (Below(100) < R * 6)
            Queue_Play_Commentary(pGame, NARRATE_ROOM_TO_RUN, R, 0, 0, nReturnerID, -1);
        if (Below(100) < (R - 20) * 5)
            Queue_Play_Commentary(pGame, NARRATE_BREAKS_FREE, R, 0, 0, nReturnerID, -1);
        // The punting side still has the ball when this is told: spots are
        // yards from the snap toward the receivers' goal, so he caught it D
        // yards out and the return brings it R yards back.
        if (Below(100) < (R - 10) * 5)
            Queue_Play_Commentary(pGame, NARRATE_LONG_RUN, D, -R, 0, nReturnerID, -1);
    }

    Increment_Game_Team_Stat(pGame, bKickSide, GAME_STAT_PUNTS);
    Increment_Game_Team_Total(pGame, bKickSide, GAME_TOTAL_PUNT_YARDS, D);
    pGame->nOffense = static_cast<uint8_t>(nReceiveTeam);
    pGame->nYardLine = static_cast<int8_t>(100 - pGame->nYardLine);
    Credit(pGame, nKickTeam, nPunter, UNIT_KICKERS, STAT_PUNTS, 1);
    Credit(pGame, nKickTeam, nPunter, UNIT_KICKERS, STAT_PUNT_YARDS, D);
    if (Valid_Player(nKickTeam, nPunter) && Get_Player_Position_Unit(nKickTeam, nPunter) == UNIT_KICKERS)
        Record_Longest_Kick(nKickTeam, nPunter, STAT_LONGEST_PUNT, D);
    Clear_Red_Zone_Flags(pGame);
}

void Run_Kneel_Down(GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return;
    }
    PLAY& Play = pGame->CurrentPlay;
    const int nTeam = pGame->nOffense;
    const int bSide = Offense_Side(pGame);
    int nPlace = Get_Offensive_Play_Carrier(nTeam, Play.nOffenseCall);
    // A play without a carrier (or a damaged one) kneels with the passer.
    if (nPlace < 0 || nPlace >= PLACES_ON_FIELD)
        nPlace = 0;
    const int nCarrier = pGame->nOnField[bSide][nPlace];
    const int nCarrierID = Player_ID(nTeam, nCarrier);

    pGame->nDown &= ~GAME_DOWN_FLAGS_CHANGED_HANDS;
    Add_Seconds(pGame, 7 + Below(3));
    pGame->nPlayYards = -1;
    bool bSafety = false;
    if (pGame->nYardLine - pGame->nPlayYards < 100) {
        Set_Play_Result(&Play, RESULT_RUN_MIDDLE);
    } else {
        Set_Play_Result(&Play, RESULT_SAFETY);
        pGame->nPlayYards = static_cast<int8_t>(pGame->nYardLine - 100);
        bSafety = true;
    }
    if (Valid_Player(nTeam, nCarrier))
        Credit_Rushing_Play(pGame, nCarrier, pGame->nPlayYards, RUN_DIRECTION_MIDDLE);
    Play.nPlayer1 = nCarrierID;
    Play.nYard1 = pGame->nPlayYards;
    if (bSafety)
        Play.nYard2 = BALL_CARRIER_RUSHED;
    Queue_Play_Commentary(pGame, NARRATE_KNEEL, pGame->nPlayYards, 0, 0, nCarrierID, -1);
    if (Get_Game_Down_Code(pGame) == FOURTH_DOWN_CODE && pGame->nPlaySeconds < Get_Seconds_Left_In_Half(pGame) &&
        !bSafety)
        Queue_Play_Commentary(pGame, NARRATE_TURNOVER_ON_DOWNS, 0, 0, 0, nCarrierID, -1);
}

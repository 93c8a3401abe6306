// Sack credits, the pass weather factor and the ball-security figure.
#include "engine/sack_credits.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/random.h"
#include "engine/event_players.h"
#include "engine/game_stats.h"
#include "engine/kicking.h"
#include "engine/run_calibration.h"
#include "engine/rushing_plays.h"
#include "engine/weather.h"
#include "league/league_data.h"
#include "league/player.h"

namespace {

constexpr int STAT_TACKLE = 2;
constexpr int STAT_ASSIST = 3;
constexpr int STAT_SACK = 4;            // half-sacks for a defender, sacks allowed for a lineman
constexpr int STAT_TIMES_SACKED = 14;
constexpr int STAT_SACK_YARDS_LOST = 15;
constexpr int SECOND_SACKER_DRAW = 75;  // trunc(100U) at or above: a second defender shares the sack
constexpr float MIN_STORED_HANDS = 20.0f;

int Offense_Side(const GAME* pGame) { return Is_Home_Team_On_Offense(pGame) ? GAME_SIDE_HOME : GAME_SIDE_AWAY; }

bool Is_Indoors(const GAME* pGame) { return pGame->nWindSpeed == -1; }

void Charge_Lineman(GAME* pGame, int nSlot, int nTimes)
{
    const int nTeam = Side_Team(pGame, Offense_Side(pGame));
    for (int k = 0; k < nTimes; ++k)
        Credit_Game_Player_Stat(pGame, nTeam, nSlot, UNIT_LINE, STAT_SACK, 1);
}

}  // namespace

int Credit_Sack(GAME* pGame, int nPasserSlot)
{
    if (!pGame)
        return NO_PLAYER;
    const int bOffense = Offense_Side(pGame);
    const int bDefense = 1 - bOffense;
    const int nOffenseTeam = Side_Team(pGame, bOffense);
    const int nDefenseTeam = Side_Team(pGame, bDefense);

    const int S1 = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SACK, 0);
    int S2 = S1;
    if (Get_Random_Below(100) >= SECOND_SACKER_DRAW)
        S2 = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SACK, 0);

    // A sack counts in halves: one player alone gets both.
    Credit_Game_Player_Stat(pGame, nDefenseTeam, S1, UNIT_DEFENSE, STAT_SACK, 1);
    Credit_Game_Player_Stat(pGame, nDefenseTeam, S2, UNIT_DEFENSE, STAT_SACK, 1);
    if (S1 != S2) {
        Credit_Game_Player_Stat(pGame, nDefenseTeam, S1, UNIT_DEFENSE, STAT_ASSIST, 1);
        Credit_Game_Player_Stat(pGame, nDefenseTeam, S2, UNIT_DEFENSE, STAT_ASSIST, 1);
    } else {
        Credit_Game_Player_Stat(pGame, nDefenseTeam, S1, UNIT_DEFENSE, STAT_TACKLE, 1);
    }

    // The per-game totals ignore a try by themselves.
    const int nLoss = pGame->nPlayYards;   // negative: the yards lost
    Increment_Game_Team_Total(pGame, bDefense, GAME_TOTAL_SACKS_MADE, 1);
    Increment_Game_Team_Total(pGame, bDefense, GAME_TOTAL_SACK_YARDS_MADE, -nLoss);
    Increment_Game_Team_Total(pGame, bOffense, GAME_TOTAL_PASSING_YARDS, nLoss);

    Charge_Sack_Blockers(pGame);

    if (nPasserSlot >= 0 && nPasserSlot < PLAYERS_PER_TEAM &&
        Get_Player_Vital_Stat(nOffenseTeam, nPasserSlot, VITAL_POSITION) == POSITION_QB) {
        Credit_Game_Player_Stat(pGame, nOffenseTeam, nPasserSlot, UNIT_BACKS, STAT_TIMES_SACKED, 1);
        Credit_Game_Player_Stat(pGame, nOffenseTeam, nPasserSlot, UNIT_BACKS, STAT_SACK_YARDS_LOST, std::abs(nLoss));
    }
    return S1;
}

void Charge_Sack_Blockers(GAME* pGame)
{
    if (!pGame)
        return;
    const int r = Get_Random_Below(100);
    int nPlayers;
    int nTimes;
    if (r < 25) {
        nPlayers = 1;
        nTimes = 4;
    } else if (r < 50) {
        nPlayers = 2;
        nTimes = 2;
    } else if (r < 75) {
        nPlayers = 4;
        nTimes = 1;
    } else {
        return;
    }
    for (int k = 0; k < nPlayers; ++k)
        Charge_Lineman(pGame, Choose_Game_Event_Player(pGame, EVENT_TYPE_LINE, EVENT_SACK, 0), nTimes);
}

float Get_Pass_Weather_Factor(const GAME* pGame)
{
    if (!pGame || Is_Indoors(pGame))
        return 1.05f;
    float f;
    switch (Get_Game_Weather_Condition(pGame)) {
    case WEATHER_FLURRIES:
        f = 1.025f;
        break;
    case WEATHER_MIXED:
        f = 0.975f;
        break;
    case WEATHER_RAIN:
    case WEATHER_SNOW:
        f = 0.9f;
        break;
    case WEATHER_SLEET:
    case WEATHER_STORMS:
        f = 0.75f;
        break;
    default:   // clouds, sun
        f = 1.05f;
        break;
    }
    return f * (Get_Wind_Factor(pGame) + 1.0f) / 2.0f;
}

int Get_Ball_Security_Figure(const GAME* pGame, int nSlot)
{
    if (!pGame)
        return 0;
    const int nTeam = pGame->nOffense;
    if (nTeam > LAST_TEAM || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return 0;

    double W = 1.025;
    if (!Is_Indoors(pGame)) {
        switch (Get_Game_Weather_Condition(pGame)) {
        case WEATHER_FLURRIES:
            W = 0.975;
            break;
        case WEATHER_MIXED:
            W = 1.0;
            break;
        case WEATHER_RAIN:
            W = 0.95;
            break;
        case WEATHER_SLEET:
        case WEATHER_SNOW:
        case WEATHER_STORMS:
            W = 0.9;
            break;
        default:   // clouds, sun
            break;
        }
    }

    float fHands = Get_Player_Rating(nTeam, nSlot, RATING_HANDS);
    if (fHands < MIN_STORED_HANDS) {
        fHands = MIN_STORED_HANDS;
        Set_Player_Rating(nTeam, nSlot, RATING_HANDS, fHands);
    }
    const double H = std::clamp(static_cast<double>(fHands), 60.0, 100.0);
    const double B = Get_Ball_Carrier_Base_Figure(pGame);
    double F = B * std::sqrt((105.0 - H) / 30.0) * 50.0 / W;
    if (Get_Universe_Word(REPLAY_MODE_WORD) != 0) {
        const double C = Get_Rushing_Calibration(pGame);
        // A calibration of 0 or below would make the chance meaningless.
        if (C > 0.0)
            F /= C;
    }
    return static_cast<int>(F);
}

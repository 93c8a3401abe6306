// Who made a play's events.

#include "engine/event_players.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "base/random.h"
#include "engine/game_ratings.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

constexpr int UNHANDLED = -1;
constexpr int LINEBACKER_EXEMPT_DEPTH_SLOT = 33;   // byte stat 2 of a linebacker without the tackle bonus
constexpr int SACK_DAMPING_LAST_WEEK = 2;           // weeks 0-2 damp an early run of sacks
constexpr int BLEND_FIRST_WEEK = 4;

float Rating_Float(int nTeam, int nSlot, int nRating)
{
    return std::max(Get_Game_Player_Rating(nTeam, nSlot, nRating), MINIMUM_RATING);
}

int Rating_Int(int nTeam, int nSlot, int nRating)
{
    return static_cast<int>(Rating_Float(nTeam, nSlot, nRating));
}

int Skill_Frequency(int nTeam, int nSlot, int nStat)
{
    if (nStat != EVENT_PENALTY_2)
        return UNHANDLED;
    const float c = 0.13f * Rating_Float(nTeam, nSlot, RATING_SPEED) +
                    0.10f * Rating_Float(nTeam, nSlot, RATING_QUICKNESS) +
                    0.14f * Rating_Float(nTeam, nSlot, RATING_POWER) +
                    0.12f * Rating_Float(nTeam, nSlot, RATING_VISION) +
                    0.10f * Rating_Float(nTeam, nSlot, RATING_HANDS) +
                    0.40f * Rating_Float(nTeam, nSlot, RATING_RECEIVING);
    const int e = std::max(static_cast<int>(c - 45.0f), 0);
    return (e / 2) * e;
}

int Line_Frequency(int nTeam, int nSlot, int nStat)
{
    int nRating;
    if (nStat == EVENT_SACK)
        nRating = RATING_PASS_BLOCKING;
    else if (nStat == EVENT_PENALTY || nStat == EVENT_PENALTY_2)
        nRating = RATING_DISCIPLINE;
    else
        return UNHANDLED;
    return std::max(static_cast<int>(105.0f - Rating_Float(nTeam, nSlot, nRating)), 1);
}

int Defense_Frequency(int nTeam, int nSlot, int nStat)
{
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    const bool bDeepBack = nPosition == POSITION_CB || nPosition == POSITION_S;
    const int T = Rating_Int(nTeam, nSlot, RATING_TACKLING);
    const int R = Rating_Int(nTeam, nSlot, RATING_RUN_DEFENSE);
    const int PR = Rating_Int(nTeam, nSlot, RATING_PASS_RUSH);
    const int PC = Rating_Int(nTeam, nSlot, RATING_PASS_COVERAGE);
    const int TO = Rating_Int(nTeam, nSlot, RATING_TURNOVERS);
    switch (nStat) {
    case EVENT_SOLO_TACKLE: {
        int n = std::max(T - 40, 0) + std::max(T - 80, 0) + R / 10 + T / 10;
        n = std::max(n, 1);
        if (nPosition == POSITION_LB &&
            Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DEPTH_SLOT) != LINEBACKER_EXEMPT_DEPTH_SLOT)
            n = Mul_Div_Rounded(n, 130, 100);
        return n;
    }
    case EVENT_TACKLE_ASSIST: {
        int n = std::max((std::max(T - 40, 0) + std::max(R - 40, 0)) / 4, 1);
        return bDeepBack ? n / 2 : n;
    }
    case EVENT_SACK: {
        // No pass rush to speak of, no sacks: the square would count a
        // rating below 40 as much as one as far above it.
        const int x = std::max(PR - 40, 0);
        const int n = x * x / 100;
        return bDeepBack ? n / 2 : n;
    }
    case EVENT_FUMBLE_FORCED: {
        const float fT = Rating_Float(nTeam, nSlot, RATING_TACKLING);
        const float fTO = Rating_Float(nTeam, nSlot, RATING_TURNOVERS);
        const float fPR = Rating_Float(nTeam, nSlot, RATING_PASS_RUSH);
        int n = static_cast<int>(std::max(fT - 60.0f, 2.0f) - 1.0f);
        n = static_cast<int>(static_cast<float>(n) + std::max(fTO - 60.0f, 2.0f));
        n = static_cast<int>(static_cast<float>(n) + std::max(fPR - 60.0f, 2.0f));
        return nPosition == POSITION_LB || nPosition == POSITION_DE ? 2 * n : n;
    }
    case EVENT_PASS_DEFENSED: {
        const int x = std::max((PC - 50) / 2, 1);
        if (nPosition == POSITION_S)
            return Mul_Div_Rounded(x, 80, 100);
        if (nPosition == POSITION_CB)
            return x;
        return Mul_Div_Rounded(x, 40, 100);
    }
    case EVENT_INTERCEPTION: {
        const int a = PC - 35;
        const int b = TO - 40;
        const int t = Mul_Div_Rounded(a, b, 20);
        const int n = std::max(t * a / 10, 1);
        return bDeepBack ? n : n / 2;
    }
    case EVENT_FUMBLE_RECOVERY: {
        int s = static_cast<int>(2.0f * Rating_Float(nTeam, nSlot, RATING_TACKLING));
        s = static_cast<int>(static_cast<float>(s) + Rating_Float(nTeam, nSlot, RATING_PASS_COVERAGE));
        s = static_cast<int>(static_cast<float>(s) + Rating_Float(nTeam, nSlot, RATING_TURNOVERS));
        return std::max((s - 160) / 10, 1);
    }
    default:
        return UNHANDLED;
    }
}

// The frequency, or UNHANDLED without a report.
int Frequency_Of(int nTeam, int nSlot, int nStat)
{
    switch (Get_Player_Position_Unit(nTeam, nSlot)) {
    case EVENT_TYPE_SKILL:
        return Skill_Frequency(nTeam, nSlot, nStat);
    case EVENT_TYPE_LINE:
        return Line_Frequency(nTeam, nSlot, nStat);
    case EVENT_TYPE_DEFENSE:
        return Defense_Frequency(nTeam, nSlot, nStat);
    default:
        return UNHANDLED;
    }
}

// A player's frequencies read only his position and ratings (and a
// linebacker's depth slot, which no game changes): while the game keeps
// ratings (game_ratings.h), each is worked out once and kept until a rating
// changes.
constexpr int KEPT_EVENT_STATS = EVENT_PENALTY_2 + 1;
struct KEPT_FREQUENCIES {
    unsigned nGeneration = 0;
    int nTeam[2] = {-1, -1};
    uint16_t nKnown[2][PLAYERS_PER_TEAM];   // bit s: stat s kept
    int nFrequency[2][PLAYERS_PER_TEAM][KEPT_EVENT_STATS];
};
KEPT_FREQUENCIES g_Frequencies;
static_assert(KEPT_EVENT_STATS <= 16, "one bit a stat");

int Kept_Frequency_Of(const GAME* pGame, int bSide, int nTeam, int nSlot, int nStat)
{
    if (!Is_Game_Rating_Cache_Active() || nStat < 0 || nStat >= KEPT_EVENT_STATS || nSlot < 0 ||
        nSlot >= PLAYERS_PER_TEAM)
        return Frequency_Of(nTeam, nSlot, nStat);
    KEPT_FREQUENCIES& K = g_Frequencies;
    const unsigned nGeneration = Get_Game_Rating_Generation();
    if (K.nGeneration != nGeneration || K.nTeam[0] != pGame->nAwayTeam || K.nTeam[1] != pGame->nHomeTeam) {
        std::memset(K.nKnown, 0, sizeof K.nKnown);
        K.nGeneration = nGeneration;
        K.nTeam[0] = pGame->nAwayTeam;
        K.nTeam[1] = pGame->nHomeTeam;
    }
    if (K.nKnown[bSide][nSlot] & (1u << nStat))
        return K.nFrequency[bSide][nSlot][nStat];
    const int n = Frequency_Of(nTeam, nSlot, nStat);
    K.nFrequency[bSide][nSlot][nStat] = n;
    K.nKnown[bSide][nSlot] = static_cast<uint16_t>(K.nKnown[bSide][nSlot] | (1u << nStat));
    return n;
}

// The predicted season count of an event is its frequency divided by this.
int Frequency_Divisor(int nStat)
{
    switch (nStat) {
    case EVENT_FUMBLE_FORCED: return 40;
    case EVENT_PASS_DEFENSED: return 2;
    case EVENT_INTERCEPTION: return 9;
    case EVENT_FUMBLE_RECOVERY: return 50;
    default: return 1;
    }
}

// Bends a ratio towards 1 above sqrt(2) and below sqrt(1/2), then holds it in 0.5-2.
double Soften_Ratio(double q)
{
    const double fHigh = std::sqrt(2.0);
    const double fLow = std::sqrt(0.5);
    if (q > fHigh)
        q = (q + fHigh) / 2.0;
    else if (q < fLow)
        q = (q + fLow) / 2.0;
    return std::clamp(q, 0.5, 2.0);
}

// What a blend reads besides the player: the week and whether the league
// replays real seasons. Nothing changes them while one event is drawn.
struct BLEND_STATE {
    int nWeek;
    bool bBlend;
};

BLEND_STATE Read_Blend_State()
{
    const int W = Get_User_Preference(PREF_CURRENT_WEEK);
    return {W, Get_Universe_Word(REPLAY_MODE_WORD) != 0 && W >= BLEND_FIRST_WEEK};
}

int Blend_Frequency(const BLEND_STATE& Blend, int nTeam, int nSlot, int nStat, int nEstimate)
{
    // Unblended, the rounding below gives the estimate itself, or 0 below 0.
    if (!Blend.bBlend)
        return std::max(nEstimate, 0);
    const int W = Blend.nWeek;
    const double P = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, nStat) + 0.5;
    const double Pg = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, 0) + 0.5;
    const double T = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nStat) + 0.5;
    const double Tg = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, 0) + 0.5;
    double q = (W + 1) * P * Tg / (W * Pg * T);
    if (q < 0.85)
        q /= 0.85;
    else if (q > 1.2)
        q /= 1.2;
    else
        q = 1.0;
    q = Soften_Ratio(q);
    const double A = q * P * Frequency_Divisor(nStat);
    const double w = (W - BLEND_FIRST_WEEK) / 3.0;
    const double E = (w * A + nEstimate) / (w + 1.0);
    return std::max(static_cast<int>(E + 0.5), 0);
}

int Get_Offense_Side(const GAME* pGame)
{
    return pGame->nOffense == pGame->nHomeTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

// What every place of one draw shares, read once a draw: the club, the
// event, the week and blend, and (asked the first time a tackle needs it)
// whether the call is a run; none of them changes while the draw is weighed.
struct EVENT_DRAW {
    const GAME* pGame;
    int bSide;
    int nTeam;
    int nExpandedType;
    int nStat;
    BLEND_STATE Blend;
    int nRunningPlay;   // -1 not asked yet, else Is_Running_Play of the call
};

bool Is_Draw_Running_Play(EVENT_DRAW& Draw)
{
    if (Draw.nRunningPlay < 0)
        Draw.nRunningPlay = Is_Running_Play(Draw.pGame->nOffense, Draw.pGame->CurrentPlay.nOffenseCall) ? 1 : 0;
    return Draw.nRunningPlay != 0;
}

// The sack weight of a defender in place nPlace by his assignment and position.
int Adjust_Sack_Weight(const EVENT_DRAW& Draw, int nSlot, int nPosition, int nPlace, int w)
{
    const GAME* pGame = Draw.pGame;
    const int nTeam = Draw.nTeam;
    const int nCall = pGame->CurrentPlay.nDefenseCall;
    const int nRole = nCall < DEFENSIVE_PLAY_COUNT ? Get_Defensive_Play_Role(nTeam, nCall, nPlace) : -1;
    if (nRole >= RESPONSIBILITY_DEEP_ZONE && nRole <= RESPONSIBILITY_DOUBLE_TEAM)
        return 0;
    switch (nPosition) {
    case POSITION_DT: w = std::max(w + w / 2, 1); break;
    case POSITION_LB: w = std::max(w * 10, 1); break;
    case POSITION_CB: w = std::max(w * 15, 1); break;
    case POSITION_S: w = std::max(w * 20, 1); break;
    default: break;
    }
    if (nRole >= RESPONSIBILITY_PASS_RUSH && nRole < RESPONSIBILITY_FIRST_NON_RUSH)
        w *= 3;
    const int nWeek = Draw.Blend.nWeek;
    if (nWeek >= 0 && nWeek <= SACK_DAMPING_LAST_WEEK) {
        const int nSacks = Get_Player_This_Season_Stat(nTeam, nSlot, EVENT_SACK);
        if (nSacks > nWeek)
            w /= nSacks + 5;
    }
    return w;
}

// Code 147 of this season, solo tackles plus assists, added here from the
// two stored figures as the computed code adds them, for a player on the
// field (a valid club, a slot in use): the computed code's long read costs
// more than the rest of a tackle's weighing.
int Tackles_And_Assists_This_Season(int nTeam, int nSlot)
{
    const int64_t n = static_cast<int64_t>(Get_Player_This_Season_Stat(nTeam, nSlot, STAT_SOLO_TACKLES)) +
                      Get_Player_This_Season_Stat(nTeam, nSlot, STAT_TACKLE_ASSISTS);
    return static_cast<int>(std::clamp<int64_t>(n, INT32_MIN, INT32_MAX));
}

// The tackle weight of a defender by his season's pace and the play's gain.
int Adjust_Tackle_Weight(EVENT_DRAW& Draw, int nSlot, int nPosition, int w)
{
    const int nTeam = Draw.nTeam;
    if (Draw.nStat == EVENT_SOLO_TACKLE) {
        const int nTackles = Tackles_And_Assists_This_Season(nTeam, nSlot);
        const int nGames = Get_Player_This_Season_Stat(nTeam, nSlot, 0);
        if (nTackles > 9 * nGames)
            w = Mul_Div_Rounded(w, 9 * nGames, nTackles);
    }
    const int nGain = Draw.pGame->nPlayYards;
    if (nGain > 5) {
        if (nPosition == POSITION_DE || nPosition == POSITION_DT)
            w = nGain > 9 ? 0 : w / 2;
        else if (nPosition == POSITION_CB && nGain > 15)
            w += w / 2;
        else if (nPosition == POSITION_S && nGain > 15)
            w += w / 3;
        else if (nPosition == POSITION_LB && nGain > 25)
            w /= 3;
    } else if (nGain < 3 && Is_Draw_Running_Play(Draw)) {
        if (nPosition == POSITION_DT)
            w += w / 2;
        else if (nPosition == POSITION_DE)
            w += w / 3;
        else if (nPosition == POSITION_S)
            w /= 2;
        else if (nPosition == POSITION_CB)
            w = 0;
    }
    return w;
}

bool Is_Player_On_Field(int nTeam, int nSlot)
{
    return Is_Valid_Team(nTeam) && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM && Is_Player_Slot_Used(nTeam, nSlot);
}

int Event_Weight(EVENT_DRAW& Draw, int nSlot, int nPlace)
{
    const int nTeam = Draw.nTeam;
    if (!Is_Player_On_Field(nTeam, nSlot))
        return 0;
    const int nStat = Draw.nStat;
    if (nStat == EVENT_ANY_PLAYER)
        return 1000;
    if (Get_Player_Position_Unit(nTeam, nSlot) != Draw.nExpandedType)
        return 0;
    const int nEstimate = Kept_Frequency_Of(Draw.pGame, Draw.bSide, nTeam, nSlot, nStat);
    if (nEstimate == UNHANDLED)
        return 0;
    int w = Blend_Frequency(Draw.Blend, nTeam, nSlot, nStat, nEstimate);
    if (Draw.nExpandedType != EVENT_TYPE_DEFENSE)
        return w;
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    if (nStat == EVENT_SACK)
        return Adjust_Sack_Weight(Draw, nSlot, nPosition, nPlace, w);
    if (nStat == EVENT_SOLO_TACKLE || nStat == EVENT_TACKLE_ASSIST)
        return Adjust_Tackle_Weight(Draw, nSlot, nPosition, w);
    return w;
}

}  // namespace

int Estimate_Player_Stat_Frequency(int nTeam, int nSlot, int nStat)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    const int n = Frequency_Of(nTeam, nSlot, nStat);
    if (n == UNHANDLED) {
        Report_Error("Unhandled stat in Estimate_Player_Stat_Frequency(TNUM nTeam, INDEX nPlayer, int nStat) (%d,%d,%d)",
                     nTeam, nSlot, nStat);
        return UNHANDLED;
    }
    return std::max(n, 0);
}

int Get_Blended_Stat_Frequency(int nTeam, int nSlot, int nStat)
{
    const int nEstimate = Estimate_Player_Stat_Frequency(nTeam, nSlot, nStat);
    return Blend_Frequency(Read_Blend_State(), nTeam, nSlot, nStat, nEstimate);
}

int Choose_Game_Event_Player(GAME* pGame, int nExpandedType, int nStat, int bPenalty)
{
    if (!pGame) {
        Report_Error("No game in %s(pGame, nExpandedType=%d, nStat=%d, bPenalty=%d)", __func__, nExpandedType, nStat,
                     bPenalty);
        return NO_PLAYER;
    }
    const int nOffenseSide = Get_Offense_Side(pGame);
    const int bSide = nExpandedType == EVENT_TYPE_DEFENSE ? 1 - nOffenseSide : nOffenseSide;
    const int nTeam = Side_Team(pGame, bSide);

    EVENT_DRAW Draw{pGame, bSide, nTeam, nExpandedType, nStat, Read_Blend_State(), -1};
    int nSum[PLACES_ON_FIELD];
    int nTotal = 0;
    for (int k = 0; k < PLACES_ON_FIELD; ++k) {
        nTotal += std::max(Event_Weight(Draw, pGame->nOnField[bSide][k], k), 0);
        nSum[k] = nTotal;
    }

    int nPlace;
    if (nTotal > 0) {
        // The first place whose running sum exceeds the draw: weight 0 is never drawn.
        const int r = Get_Random_Below(nTotal);
        nPlace = 0;
        while (nPlace < PLACES_ON_FIELD - 1 && r >= nSum[nPlace])
            ++nPlace;
    } else {
        // No weights: any occupied place of the range alike, so an empty
        // place is never drawn while someone stands there. One draw either way.
        const int nFirst = nExpandedType == EVENT_TYPE_SKILL && nStat == EVENT_PENALTY ? 1 : 0;
        const int nLast = nFirst == 1 ? 5 : PLACES_ON_FIELD - 1;
        int nOccupied[PLACES_ON_FIELD];
        int n = 0;
        for (int k = nFirst; k <= nLast; ++k)
            if (Is_Player_On_Field(nTeam, pGame->nOnField[bSide][k]))
                nOccupied[n++] = k;
        const int r = Get_Random_Below(std::max(n, 1));
        nPlace = n > 0 ? nOccupied[r] : -1;
    }

    const int nSlot = nPlace >= 0 ? pGame->nOnField[bSide][nPlace] : NO_PLAYER;
    if (nSlot == NO_PLAYER) {
        Report_Error("No player assigned in Choose_Game_Event_Player(pGame, nExpandedType=%d, nStat=%d, bPenalty=%d)",
                     nExpandedType, nStat, bPenalty);
        return NO_PLAYER;
    }
    return nSlot;
}

int Get_Ball_Carrier(const GAME* pGame)
{
    if (!pGame)
        return NO_PLAYER;
    const int nTeam = pGame->nOffense;
    const int nCall = pGame->CurrentPlay.nOffenseCall;
    if (nCall >= OFFENSIVE_PLAY_COUNT)
        return NO_PLAYER;
    int nPlace = Get_Offensive_Play_Carrier(nTeam, nCall);

    char szName[PLAY_NAME_SIZE] = "";
    Get_Offensive_Play_Name(nTeam, nCall, szName);
    const bool bOption = std::strstr(szName, "Read") != nullptr || std::strstr(szName, "Option") != nullptr;
    if (bOption && (pGame->nClock + pGame->CurrentPlay.nDefenseCall) % 2 != 0) {
        for (int i = 0; i < 5; ++i)
            if (Get_Offensive_Play_Route(nTeam, nCall, i) == ROUTE_PLAY_ACTION)
                nPlace = i + 1;
    }
    if (nPlace < 0 || nPlace >= PLACES_ON_FIELD)
        return NO_PLAYER;
    return pGame->nOnField[Get_Offense_Side(pGame)][nPlace];
}

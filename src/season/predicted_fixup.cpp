// Keeps a player's predicted season line (period 3) within believable
// limits: yards per completion, per carry and per catch, minimum workloads,
// linemen's blocking scores, punting figures and return counts.
#include "season/predicted_fixup.h"

#include <algorithm>
#include <cstdint>

#include "league/player.h"
#include "league/player_stats.h"
#include "platform/errors.h"

namespace {

constexpr int P = STAT_PERIOD_PREDICTED;

struct RECEIVING_LIMITS {
    int nYardsPerAddedCatch;
    int nStat6PerAddedCatch;
    int nStat6Floor;      // tenths per catch
    int nStat6Ceiling;    // tenths per catch
};
// RB, FB, TE, WR.
constexpr RECEIVING_LIMITS RECEIVING[4] = {{7, 8, 70, 110}, {6, 7, 50, 100}, {10, 5, 28, 70}, {13, 5, 28, 68}};

constexpr int MINIMUM_RUSHES = 15;
constexpr int MAXIMUM_RUSH_YARDS = 1750;
constexpr int MINIMUM_CATCHES = 16;
constexpr int MINIMUM_BLOCKING_SCORE = 20;
constexpr int FEWEST_FIELD_GOAL_TRIES = 20;

// x / d rounded half up, floored below 0; 0 when the multiplier is 0.
int Rounded_Div(int64_t x, int64_t d, int64_t nMultiplier)
{
    if (nMultiplier == 0)
        return 0;
    int64_t n = x + d / 2;
    int64_t q = n / d;
    if (n % d != 0 && n < 0)
        --q;
    return static_cast<int>(std::clamp<int64_t>(q, INT32_MIN, INT32_MAX));
}

int S(int nTeam, int nSlot, int nStat)
{
    return Get_Player_Stat(nTeam, nSlot, P, nStat);
}

void Put(int nTeam, int nSlot, int nStat, int nValue)
{
    Set_Player_Stat(nTeam, nSlot, P, nStat, nValue);
}

// Adds a whole average season of his position to his predicted line, scaled
// per mille (the league's built-in averages stand for the predicted-season
// templates until those are written).
void Add_Predicted_Stat_Template(int nTeam, int nSlot, int nPerMille)
{
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    for (int i = 0; i < PLAYER_BYTE_STAT_COUNT; ++i) {
        const int64_t nAdd = static_cast<int64_t>(Get_Average_Stat(nPosition, i)) * nPerMille / 1000;
        Put(nTeam, nSlot, i, static_cast<int>(std::clamp<int64_t>(S(nTeam, nSlot, i) + nAdd, INT32_MIN, INT32_MAX)));
    }
}

void Fix_Backs(int nTeam, int nSlot, int nPosition)
{
    int s7 = S(nTeam, nSlot, STAT_RUSHING_ATTEMPTS);
    int s8 = S(nTeam, nSlot, STAT_RUSHING_YARDS);
    if ((nPosition == POSITION_QB || nPosition == POSITION_RB) && s7 < MINIMUM_RUSHES) {
        s7 = MINIMUM_RUSHES;
        Put(nTeam, nSlot, STAT_RUSHING_ATTEMPTS, s7);
    }
    if (s8 > MAXIMUM_RUSH_YARDS) {
        s8 = MAXIMUM_RUSH_YARDS;
        Put(nTeam, nSlot, STAT_RUSHING_YARDS, s8);
    }
    if (nPosition == POSITION_RB) {
        if (static_cast<int64_t>(6) * s7 < s8)
            Put(nTeam, nSlot, STAT_RUSHING_ATTEMPTS, s8 / 6 + 1);
        if (s8 < static_cast<int64_t>(3) * s7)
            Put(nTeam, nSlot, STAT_RUSHING_YARDS, 3 * s7);
    }
    if (nPosition == POSITION_QB)
        return;

    const RECEIVING_LIMITS& L = RECEIVING[nPosition - POSITION_RB];
    const int r = S(nTeam, nSlot, STAT_RECEPTIONS);
    if (r < MINIMUM_CATCHES) {
        const int k = (MINIMUM_CATCHES - r) / 2;
        const int h = k / 2;
        Put(nTeam, nSlot, STAT_RECEPTIONS, r + k);
        Put(nTeam, nSlot, 5, S(nTeam, nSlot, 5) + h);
        Put(nTeam, nSlot, STAT_RECEIVING_YARDS, S(nTeam, nSlot, STAT_RECEIVING_YARDS) + k * L.nYardsPerAddedCatch);
        Put(nTeam, nSlot, 6, S(nTeam, nSlot, 6) + k * L.nStat6PerAddedCatch);
    }
    // The limits below go by the catches as they were.
    const int nCap = Rounded_Div(static_cast<int64_t>(210 - r / 2) * r, 10, r);
    const int s11 = S(nTeam, nSlot, STAT_RECEIVING_YARDS);
    if (s11 > nCap)
        Put(nTeam, nSlot, STAT_RECEIVING_YARDS, nCap);
    else if (s11 < static_cast<int64_t>(5) * r)
        Put(nTeam, nSlot, STAT_RECEIVING_YARDS, 5 * r);

    const int nFloor6 = Rounded_Div(static_cast<int64_t>(L.nStat6Floor) * r, 10, r);
    const int nCeiling6 = Rounded_Div(static_cast<int64_t>(L.nStat6Ceiling) * r, 10, r);
    Put(nTeam, nSlot, 6, std::max(nFloor6, std::min(nCeiling6, S(nTeam, nSlot, 6))));

    const int nFloor5 = Rounded_Div(static_cast<int64_t>(55) * r, 100, r);
    const int nCeiling5 = Rounded_Div(static_cast<int64_t>(75) * r, 100, r);
    Put(nTeam, nSlot, 5, std::max(nFloor5, std::min(S(nTeam, nSlot, 5), nCeiling5)));
}

void Fix_Line(int nTeam, int nSlot)
{
    const int s7 = S(nTeam, nSlot, STAT_RUNS_BEHIND);
    if (S(nTeam, nSlot, STAT_RUN_YARDS_BEHIND) < static_cast<int64_t>(3) * s7)
        Put(nTeam, nSlot, STAT_RUN_YARDS_BEHIND, 3 * s7);
    for (int nStat : {5, 6})
        if (S(nTeam, nSlot, nStat) < MINIMUM_BLOCKING_SCORE)
            Put(nTeam, nSlot, nStat, MINIMUM_BLOCKING_SCORE);
}

void Fix_Kickers(int nTeam, int nSlot, int nPosition)
{
    const bool bPunter = nPosition == POSITION_P;
    const int n = S(nTeam, nSlot, STAT_PUNTS);
    const int v = Get_Player_Stat(nTeam, nSlot, P, STAT_CODE_PUNT_AVERAGE);
    const int a = n / 2 + 400;
    const int c = std::clamp(n, 30, 80);
    int g = std::min(v, bPunter ? a : a - 50);
    g = std::max(g, bPunter ? 350 : 300);
    Put(nTeam, nSlot, STAT_PUNTS, c);
    Put(nTeam, nSlot, STAT_PUNT_YARDS, Rounded_Div(static_cast<int64_t>(c) * g, 10, c));
    if (bPunter)
        return;
    const int nTries = Get_Player_Stat(nTeam, nSlot, P, STAT_CODE_FIELD_GOAL_ATTEMPTS);
    if (nTries < FEWEST_FIELD_GOAL_TRIES) {
        Add_Predicted_Stat_Template(nTeam, nSlot, 1000);
        Put(nTeam, nSlot, STAT_LONGEST_FIELD_GOAL, std::min(S(nTeam, nSlot, STAT_LONGEST_FIELD_GOAL), nTries + 40));
    }
}

}  // namespace

void Fix_Predicted_Player_Stats(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition == POSITION_QB) {
        const int s3 = S(nTeam, nSlot, STAT_PASS_COMPLETIONS);
        const int s5 = S(nTeam, nSlot, STAT_PASSING_YARDS);
        if (s5 < static_cast<int64_t>(8) * s3)
            Put(nTeam, nSlot, STAT_PASSING_YARDS, 8 * s3);
        else if (s5 > static_cast<int64_t>(15) * s3)
            Put(nTeam, nSlot, STAT_PASSING_YARDS, 15 * s3);
    }
    switch (Get_Position_Unit(nPosition)) {
    case UNIT_BACKS:
        Fix_Backs(nTeam, nSlot, nPosition);
        break;
    case UNIT_LINE:
        Fix_Line(nTeam, nSlot);
        break;
    case UNIT_KICKERS:
        Fix_Kickers(nTeam, nSlot, nPosition);
        break;
    default:
        break;
    }
    if (Is_Player_Back_Or_Receiver(nTeam, nSlot)) {
        if (S(nTeam, nSlot, STAT_KICK_RETURN_YARDS) > 0)
            Put(nTeam, nSlot, STAT_KICK_RETURNS, std::max(S(nTeam, nSlot, STAT_KICK_RETURNS), 1));
        if (S(nTeam, nSlot, STAT_PUNT_RETURN_YARDS) > 0)
            Put(nTeam, nSlot, STAT_PUNT_RETURNS, std::max(S(nTeam, nSlot, STAT_PUNT_RETURNS), 1));
    }
}

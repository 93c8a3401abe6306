// The overall rating of a player at a position: a weighted sum of the ratings
// that matter there, then an adjustment that pulls low and high values toward
// the middle. Single precision throughout, accumulated in the listed order.
#include "league/overall_rating.h"

#include "league/player.h"
#include "league/player_stats.h"
#include "base/random.h"
#include "platform/errors.h"

namespace {

struct TERM {
    int nRating;
    float fWeight;
};

// Accumulates weight x rating in order (acc = w x r + acc).
template <size_t N>
float Weighted_Sum(int nTeam, int nSlot, const TERM (&Terms)[N])
{
    float fSum = 0.0f;
    for (const TERM& Term : Terms)
        fSum = Term.fWeight * Get_Player_Rating(nTeam, nSlot, Term.nRating) + fSum;
    return fSum;
}

constexpr TERM QB_TERMS[] = {
    {RATING_ACCURACY, 0.39f}, {RATING_CONTROL, 0.39f}, {RATING_DISTANCE, 0.17f},
    {RATING_RED_ZONE, 0.22f}, {RATING_MOBILITY, 0.09f},
};
constexpr TERM RB_TERMS[] = {
    {RATING_SPEED, 0.22f}, {RATING_POWER, 0.25f}, {RATING_QUICKNESS, 0.15f}, {RATING_VISION, 0.27f},
    {RATING_HANDS, 0.21f}, {RATING_PASS_BLOCKING, 0.05f}, {RATING_RUN_BLOCKING, 0.05f},
};
constexpr TERM FB_TERMS[] = {
    {RATING_SPEED, 0.06f}, {RATING_RECEIVING, 0.10f}, {RATING_HANDS, 0.05f}, {RATING_POWER, 0.20f},
    {RATING_QUICKNESS, 0.03f}, {RATING_VISION, 0.07f}, {RATING_PASS_BLOCKING, 0.20f}, {RATING_RUN_BLOCKING, 0.32f},
};
constexpr TERM TE_TERMS[] = {
    {RATING_SPEED, 0.05f}, {RATING_RECEIVING, 0.40f}, {RATING_HANDS, 0.08f}, {RATING_POWER, 0.19f},
    {RATING_QUICKNESS, 0.05f}, {RATING_VISION, 0.10f}, {RATING_PASS_BLOCKING, 0.05f}, {RATING_RUN_BLOCKING, 0.20f},
};
constexpr TERM WR_TERMS[] = {
    {RATING_SPEED, 0.14f}, {RATING_RECEIVING, 0.60f}, {RATING_HANDS, 0.07f}, {RATING_POWER, 0.11f},
    {RATING_QUICKNESS, 0.07f}, {RATING_VISION, 0.10f}, {RATING_PASS_BLOCKING, 0.06f},
};
constexpr TERM LINE_TERMS[] = {
    {RATING_PASS_BLOCKING, 0.48f}, {RATING_RUN_BLOCKING, 0.48f}, {RATING_DISCIPLINE, 0.067f},
};
constexpr TERM K_TERMS[] = {{RATING_FG_DISTANCE, 0.55f}, {RATING_FG_ACCURACY, 0.55f}};
constexpr TERM P_TERMS[] = {{RATING_PUNT_DISTANCE, 0.80f}, {RATING_PUNT_ACCURACY, 0.30f}};

// Weights of Run Defense, Pass Rush, Pass Coverage, Turnovers and Tackling
// for DE, DT, LB, CB and S.
constexpr int DEFENSE_RATINGS[5] = {RATING_RUN_DEFENSE, RATING_PASS_RUSH, RATING_PASS_COVERAGE, RATING_TURNOVERS, RATING_TACKLING};
constexpr float DEFENSE_WEIGHTS[5][5] = {
    {0.33f, 0.46f, 0.02f, 0.05f, 0.21f},   // DE
    {0.35f, 0.33f, 0.00f, 0.05f, 0.25f},   // DT
    {0.26f, 0.36f, 0.10f, 0.08f, 0.26f},   // LB
    {0.03f, 0.03f, 0.65f, 0.16f, 0.04f},   // CB
    {0.10f, 0.10f, 0.57f, 0.12f, 0.16f},   // S
};

float Raw_Position_Value(int nTeam, int nSlot, int nPosition)
{
    switch (nPosition) {
    case POSITION_QB:
        return Weighted_Sum(nTeam, nSlot, QB_TERMS) - 15.0f;
    case POSITION_RB: {
        float fValue = Weighted_Sum(nTeam, nSlot, RB_TERMS) - 10.0f;
        float fReceiving = Get_Player_Rating(nTeam, nSlot, RATING_RECEIVING);
        if (fReceiving > fValue)
            fValue = 0.87f * fValue + 0.13f * fReceiving;
        return fValue;
    }
    case POSITION_FB:
        // The running-back alternative is weighed whole, in the caller.
        return Weighted_Sum(nTeam, nSlot, FB_TERMS);
    case POSITION_TE:
        return Weighted_Sum(nTeam, nSlot, TE_TERMS);
    case POSITION_WR:
        return Weighted_Sum(nTeam, nSlot, WR_TERMS) - 10.0f;
    case POSITION_T:
    case POSITION_G:
    case POSITION_C:
        return Weighted_Sum(nTeam, nSlot, LINE_TERMS);
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S: {
        const float* fWeight = DEFENSE_WEIGHTS[nPosition - POSITION_DE];
        float fSum = 0.0f;
        for (int i = 0; i < 5; ++i) {
            float fRating = Get_Player_Rating(nTeam, nSlot, DEFENSE_RATINGS[i]);
            fSum = fWeight[i] * fRating * fRating + fSum;
        }
        return (fSum + 3900.0f) / 125.0f;
    }
    case POSITION_K:
        return Weighted_Sum(nTeam, nSlot, K_TERMS) - 11.0f;
    case POSITION_P:
        return Weighted_Sum(nTeam, nSlot, P_TERMS) - 10.0f;
    default:
        return 0.0f;
    }
}

}  // namespace

float Compress_Overall_Rating(float fValue)
{
    if (fValue > 90.0f)
        fValue = (fValue + 90.0f) * 0.5f;
    if (fValue < 70.0f)
        fValue = (fValue + 70.0f) * 0.5f;
    return fValue;
}

namespace {

float Adjusted_Position_Value(int nTeam, int nSlot, int nPosition)
{
    float fValue = Raw_Position_Value(nTeam, nSlot, nPosition);
    // Special-teams players and long snappers are rated mostly by their place.
    if (nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM) {
        int nPlace = League.Team[nTeam].Player[nSlot].bStat[BYTE_STAT_DEPTH_SLOT];
        if (nPlace == EXPANDED_SPECIAL_TEAMS || nPlace == EXPANDED_LONG_SNAPPER)
            fValue = (fValue + 150.0f) / 3.0f;
    }
    return Compress_Overall_Rating(fValue);
}

}  // namespace

float Get_Position_Overall_Rating(int nTeam, int nSlot, int nPosition)
{
    float fValue = Adjusted_Position_Value(nTeam, nSlot, nPosition);
    // A fullback who rates better as a running back gets that overall as it
    // stands: it is already adjusted, and adjusting it again would lift a weak
    // fullback above both of his own values.
    if (nPosition == POSITION_FB) {
        float fAsBack = Adjusted_Position_Value(nTeam, nSlot, POSITION_RB);
        if (fAsBack >= fValue)
            return fAsBack;
    }
    return fValue;
}

void Scale_Player_Stat(int nTeam, int nSlot, int nPeriod, int nPercent)
{
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d,%d)", __func__, nTeam, nSlot, nPeriod, nPercent);
        return;
    }
    if (nSlot < 0 || nSlot >= PLAYERS_PER_TEAM) {
        Report_Error("nSlot out of bounds in %s(%d,[%d],%d,%d)", __func__, nTeam, nSlot, nPeriod, nPercent);
        return;
    }
    if (nPeriod < 0 || nPeriod > STAT_PERIOD_LAST_LINE) {
        Report_Error("nSeason out of bounds in %s(%d,%d,[%d],%d)", __func__, nTeam, nSlot, nPeriod, nPercent);
        return;
    }
    // Read and stored through the statistics codes, so a season-line period
    // rescales the linked line (and a missing line stays missing).
    for (int nStat = 0; nStat < STATS_PER_PERIOD; nStat++) {
        int nValue = Get_Player_Stat(nTeam, nSlot, nPeriod, nStat);
        Set_Player_Stat(nTeam, nSlot, nPeriod, nStat, Mul_Div_Rounded(nValue, nPercent, 100));
    }
}

int Get_Player_Vital_Blend(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    const PLAYER& Player = League.Team[nTeam].Player[nSlot];
    // With no seasons played the first term is 0 (a zero divisor gives 0).
    long long nFirst = Mul_Div_Rounded(3, Player.nVital[VITAL_CAREER_VALUE], Player.nVital[VITAL_SEASONS_PLAYED]);
    long long nSum = nFirst + 3LL * Player.nVital[VITAL_LAST_SEASON_VALUE];
    return static_cast<int>(nSum / 4);
}

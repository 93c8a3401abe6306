#include "engine/pass_outcome.h"

#include <algorithm>
#include <cmath>

#include "base/random.h"
#include "engine/calibration.h"
#include "engine/defense_calling.h"
#include "engine/game_context.h"
#include "engine/game_ratings.h"
#include "engine/offense_calling.h"
#include "engine/play_factors.h"
#include "engine/sack_credits.h"
#include "league/historical.h"
#include "league/league_data.h"
#include "league/league_norms.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "schedule/season_progress.h"

namespace {

constexpr float SACK_BASE = 0.07f;
constexpr int DEFAULT_YARDS_PER_COMPLETION = 1120;   // hundredths

float Power(float q, int n)
{
    float r = 1.0f;
    for (int i = 0; i < n; ++i)
        r *= q;
    return r;
}

// A rating of a player of the team, at least 20; 20 for an empty place.
float Rating(int nTeam, int nSlot, int nRating)
{
    if (nTeam < 0 || nTeam > LAST_TEAM || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return 20.0f;
    return std::max(Get_Player_Rating(nTeam, nSlot, nRating), 20.0f);
}

// The ratings the pass model reads of the passer and of the target, in the
// order it reads them.
constexpr int PASSER_RATINGS[] = {RATING_ACCURACY, RATING_CONTROL, RATING_DISTANCE, RATING_RED_ZONE, RATING_MOBILITY};
constexpr int TARGET_RATINGS[] = {RATING_SPEED, RATING_POWER, RATING_QUICKNESS, RATING_VISION, RATING_RECEIVING,
                                  RATING_HANDS};
constexpr int KEPT_RATINGS_MAX = 6;

// A player's ratings of one of the lists above, as Rating gives them. Kept
// while the game keeps ratings: they read only his club, his slot and his
// ratings, and the generation moves with any rating change and at each
// game's start and end.
struct KEPT_RATINGS {
    unsigned nGeneration = 0;   // 0 is never a generation
    int nTeam = -1;
    float f[KEPT_RATINGS_MAX] = {};
};
KEPT_RATINGS g_KeptPasser[PLAYERS_PER_TEAM][2];
KEPT_RATINGS g_KeptTarget[PLAYERS_PER_TEAM][2];

template <int N>
const float* Player_Ratings(KEPT_RATINGS (&Kept)[PLAYERS_PER_TEAM][2], int bSide, int nTeam, int nSlot,
                            unsigned nGeneration, const int (&nRating)[N], float (&fScratch)[KEPT_RATINGS_MAX])
{
    static_assert(N <= KEPT_RATINGS_MAX);
    if (nGeneration == 0 || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM) {
        for (int i = 0; i < N; ++i)
            fScratch[i] = Rating(nTeam, nSlot, nRating[i]);
        return fScratch;
    }
    KEPT_RATINGS& K = Kept[nSlot][bSide];
    if (K.nGeneration != nGeneration || K.nTeam != nTeam) {
        for (int i = 0; i < N; ++i)
            K.f[i] = Rating(nTeam, nSlot, nRating[i]);
        K.nGeneration = nGeneration;
        K.nTeam = nTeam;
    }
    return K.f;
}

// The league's passing rates so far this season; a league that has never had
// them counted plays at the era's own rates.
void Set_League_Pass_Norms(PASS_MODEL_INPUTS* pIn)
{
    if (Are_League_Norms_Kept()) {
        pIn->nNormCompletions = Get_League_Norm(LEAGUE_NORM_COMPLETIONS);
        pIn->nNormYardsPerCompletion = Get_League_Norm(LEAGUE_NORM_COMPLETION_YARDS);
        pIn->nNormInterceptions = Get_League_Norm(LEAGUE_NORM_INTERCEPTIONS);
        pIn->nNormSacks = Get_League_Norm(LEAGUE_NORM_SACKS);
        return;
    }
    pIn->nNormCompletions = pIn->nHist101;
    pIn->nNormYardsPerCompletion = pIn->nHist109;
    pIn->nNormInterceptions = pIn->nHist107;
    pIn->nNormSacks = pIn->nHist111;
}

float Non_Negative(float f)
{
    return (f > 0.0f) ? f : 0.0f;   // NaN and negatives read 0
}

}  // namespace

PASS_OUTCOME_WEIGHTS Get_Pass_Outcome_Weights(const PASS_MODEL_INPUTS& In)
{
    const float c = In.fCatchLocation;
    const float d = In.fDistance;
    const int w = In.nWeek;
    const float fw = static_cast<float>(w);
    const float hist101 = In.nHist101 / 1000.0f;
    const float hist107 = In.nHist107 / 1000.0f;
    // A year outside the tables reads the default yards per completion.
    const float hist109 = (In.nHist109 > 0 ? In.nHist109 : DEFAULT_YARDS_PER_COMPLETION) / 100.0f;
    const float COV = In.fCoverageMultiplier;
    const float RUSH = In.fRushMultiplier;

    // Completion, interception and incompletion bases.
    float A = In.fAccuracy;
    if (A < 60.0f && In.bPasserIsQuarterback)
        A = (A + 120.0f) / 3.0f;
    float P = hist101 * (A + 200.0f) / 270.0f;
    float N = hist107 * (125.0f - In.fControl) / 55.0f;
    P *= 1.05f;
    float I = (1.0f - P - N - SACK_BASE) * In.fCoverage * COV;

    // The league's completions this season, on alternate game days.
    if (w >= 3 && (In.nHomeTeam + w) % 2 == 0) {
        const float L = std::max(In.nNormCompletions / 1000.0f, 0.2f);
        const float a = (hist101 / L - 1.0f) * P * fw * 0.25f;
        if (a > 0.0f)
            P += a;
        else
            I += -a;
    }

    // Depth scale.
    float Y = 0.7f * hist109;
    float K = 1.0f;
    if (w >= 3 && In.nNormYardsPerCompletion > 0) {
        const float L3 = In.nNormYardsPerCompletion / 100.0f;
        K = L3 / hist109;
        Y = 0.7f * hist109 * hist109 / L3;
    }

    // The passer's range.
    const float D = Y * (1.0f + In.fArm / 70.0f) / 2.0f;
    if (c > D)
        I *= 1.0f + (c - D) * K / 5.0f;
    else
        P *= 1.0f + (D - c) / D;
    P *= 1.0f + (Y - d) * K / 150.0f;

    // The target's speed.
    if (c > Y)
        I *= 1.0f + (100.0f - In.fSpeed) / 200.0f * K * (c - Y);
    else
        I *= (c / Y + 1.0f) / 2.0f;
    if (c > 10.0f)
        I *= 1.0f + (RUSH - 1.0f) * (c - 10.0f) / 20.0f;

    // Interceptions.
    const bool bConversion = In.nDownCode == CONVERSION_ATTEMPT;
    if (bConversion) {
        I += N;
        N = 0.0f;
    } else {
        N *= (2.0f * c + Y) / (3.0f * Y);
        float B = In.fBallHawk;
        if (w >= 3 && In.bReversion)
            B = (In.fBallHawkTrend * fw / 5.0f + B) / (fw / 5.0f + 1.0f);
        N *= B * COV * (RUSH + 1.0f) / 2.0f;
    }

    // The offence's quality and the home field.
    const float F = Bound_Play_Factor((In.fBackfield + In.fReceivingFactor) / 2.0f, 1.66f);
    const float H = In.fHomeField > 0.0f ? In.fHomeField : 1.0f;
    float C = P * (F + 4.0f) / 5.0f * H * In.fWeather;
    N /= H;
    const float fSackBase = SACK_BASE / H;

    // Red zone and the primary receiver.
    if (In.nSpot < 20)
        C *= 0.5f + 0.025f * In.nSpot;
    if (In.bFlag) {
        C *= 1.1f;
        N *= 0.9f;
    }

    // The target's catching.
    if (d + 0.1f > In.nSpot)
        C = C * (In.fRedZone + 75.0f) / 150.0f *
            (0.6f * In.fPower + 80.0f + 0.2f * In.fSpeed + 0.2f * In.fVision) / 160.0f;
    else
        C = C * (In.fQuickness + 160.0f) / 240.0f;
    C = C * (0.7f * In.fReceiving + 160.0f + 0.3f * In.fHands) / 240.0f;

    // Sacks.
    const float G = fSackBase * 160.0f / (In.fMobility + 80.0f) * (c / Y + 2.0f) / 3.0f * (2.0f * RUSH - 1.0f);
    float R = In.fPassRush;
    if (w >= 3 && In.bReversion) {
        const float k = (fw - 2.0f) / 5.0f;
        R = (In.fPassRushTrend * k + R) / (k + 1.0f);
    }
    const float Q = In.fPassBlocking;
    float SK = (2.0f - Q) * R * G;
    N = N * (R + 4.0f) / (Q + 4.0f);
    C = C * (Q + 5.0f) / (R + 5.0f);
    if (w >= 2) {
        const float q = In.nHist111 / std::max(static_cast<float>(In.nNormSacks), 2.0f);
        const int n = In.nProgressPerMille > 900 ? 0 : (w + 3) / 5;
        SK *= Power(q, n);
    }

    // Passes broken up.
    float O = 0.18f * C;
    I -= O;
    if (In.nDownCode == FOURTH_DOWN_CODE && c > 10.0f) {
        O += N;
        N /= c;
    }
    if (bConversion)
        N = 0.0f;

    // The offence's trend and this season's interceptions.
    if (In.bReversion) {
        const float v = In.fOffenseTrend;
        C = C * (v + 0.5f) / 1.5f;
        N /= 0.5f * v + 0.5f;
    }
    if (w >= 3) {
        const float q = In.nHist107 / std::max(static_cast<float>(In.nNormInterceptions), 0.8f);
        const int n = In.nProgressPerMille > 900 ? 0 : (w + 2) / 5;
        N *= Power(q, n);
    }

    // Limits.
    I = std::clamp(I, C / 25.0f, std::max(7.0f * C, C / 25.0f));
    // A try has no interception weight at all.
    N = bConversion ? 0.0f : std::clamp(N, I / 100.0f, std::max(I / 2.0f, I / 100.0f));

    PASS_OUTCOME_WEIGHTS W;
    W.fIncomplete = Non_Negative(I);
    W.fComplete = Non_Negative(C);
    W.fIntercepted = Non_Negative(N);
    W.fSacked = Non_Negative(SK);
    W.fKnockedDown = Non_Negative(O);
    return W;
}

namespace {

// The era's passing averages of the current year, kept in the game's
// context: they are a function of the year alone (fixed tables).
const PASS_AVERAGES& Kept_Pass_Averages(const GAME* pGame)
{
    PASS_AVERAGES& A = Get_Game_Context(pGame).PassAverages;
    const int nYear = Get_Current_Year();
    if (!A.bKnown || A.nYear != nYear) {
        A.nHist101 = Get_Current_Average_Stat(101);
        A.nHist107 = Get_Current_Average_Stat(107);
        A.nHist109 = Get_Current_Average_Stat(109);
        A.nHist111 = Get_Current_Average_Stat(111);
        A.nYear = nYear;
        A.bKnown = true;
    }
    return A;
}

}  // namespace

int Get_Current_Yards_Per_Completion_Average(const GAME* pGame)
{
    return Kept_Pass_Averages(pGame).nHist109;
}

bool Get_Pass_Model_Inputs(const GAME* pGame, int nTarget, int bFlag, float fCatchLocation, float fDistance,
                           PASS_MODEL_INPUTS* pIn)
{
    if (!pGame || !pIn)
        return false;
    PASS_MODEL_INPUTS& In = *pIn;
    const int nTeam = pGame->nOffense;
    const int bOffense = nTeam == pGame->nHomeTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
    const int nPasser = pGame->nOnField[bOffense][0];

    const PASS_AVERAGES& A = Kept_Pass_Averages(pGame);
    In.nHist101 = A.nHist101;
    In.nHist107 = A.nHist107;
    In.nHist109 = A.nHist109;
    In.nHist111 = A.nHist111;
    Set_League_Pass_Norms(&In);
    In.nWeek = Get_Current_Week();
    In.nProgressPerMille = Get_Season_Progress_Per_Mille();
    In.bReversion = Get_Universe_Word(REPLAY_MODE_WORD) != 0;
    In.nHomeTeam = pGame->nHomeTeam;

    In.nDownCode = Get_Game_Down_Code(pGame);
    In.nSpot = pGame->nYardLine;
    In.bFlag = bFlag != 0;
    In.fCatchLocation = fCatchLocation;
    In.fDistance = fDistance;

    const bool bPasser = nTeam <= LAST_TEAM && nPasser < PLAYERS_PER_TEAM;
    In.bPasserIsQuarterback = bPasser && Get_Player_Position(nTeam, nPasser) == POSITION_QB;
    const unsigned nGeneration = Is_Game_Rating_Cache_Active() ? Get_Game_Rating_Generation() : 0;
    float fPasserScratch[KEPT_RATINGS_MAX];
    const float* fPasser =
        Player_Ratings(g_KeptPasser, bOffense, nTeam, nPasser, nGeneration, PASSER_RATINGS, fPasserScratch);
    In.fAccuracy = fPasser[0];
    In.fControl = fPasser[1];
    In.fArm = fPasser[2];
    In.fRedZone = fPasser[3];
    In.fMobility = fPasser[4];
    float fTargetScratch[KEPT_RATINGS_MAX];
    const float* fTarget =
        Player_Ratings(g_KeptTarget, bOffense, nTeam, nTarget, nGeneration, TARGET_RATINGS, fTargetScratch);
    In.fSpeed = fTarget[0];
    In.fPower = fTarget[1];
    In.fQuickness = fTarget[2];
    In.fVision = fTarget[3];
    In.fReceiving = fTarget[4];
    In.fHands = fTarget[5];

    Get_Pass_Call_Multipliers(pGame, &In.fCoverageMultiplier, &In.fRushMultiplier);
    In.fWeather = Get_Pass_Weather_Factor(pGame);
    In.fCoverage = Get_Coverage_Factor(pGame);
    In.fBallHawk = Get_Ball_Hawk_Factor(pGame);
    In.fBackfield = Get_Backfield_Factor(pGame);
    In.fReceivingFactor = Get_Receiving_Factor(pGame);
    In.fHomeField = Get_Home_Field_Factor(pGame);
    In.fPassRush = Get_Pass_Rush_Factor(pGame);
    In.fPassBlocking = Get_Pass_Blocking_Factor(pGame);
    // The trends are only read where they count.
    const bool bTrends = In.bReversion && In.nWeek >= 3;
    In.fBallHawkTrend = bTrends ? Get_Defense_Stat_Trend_Factor(pGame, 7) : 1.0f;
    In.fPassRushTrend = bTrends ? Get_Defense_Stat_Trend_Factor(pGame, 4) : 1.0f;
    In.fOffenseTrend = In.bReversion ? Get_Offense_Trend_Factor(pGame) : 1.0f;
    return true;
}

void Get_Pass_Call_Multipliers(const GAME* pGame, float* pCoverage, float* pRush)
{
    if (!pCoverage || !pRush)
        return;
    *pCoverage = 1.0f;
    *pRush = 1.0f;
    if (!pGame)
        return;
    const int o = pGame->nOffense;
    const int d = o == pGame->nHomeTeam ? pGame->nAwayTeam : pGame->nHomeTeam;
    const int i = pGame->CurrentPlay.nOffenseCall;
    const int j = pGame->CurrentPlay.nDefenseCall;
    // A call repeated more often than the other side's loses its edge.
    const float ro = static_cast<float>(Get_Offensive_Play_Redundancy_Multiplier(pGame, i));
    const float rd = static_cast<float>(Get_Defensive_Play_Redundancy_Multiplier(pGame, j));
    double fCoverage = 0.0;
    double fRush = 0.0;
    Get_Pass_Coverage_And_Rush_Multipliers(o, i, d, j, &fCoverage, &fRush);
    *pCoverage = static_cast<float>(fCoverage) * (rd + 3000.0f) / (ro + 3000.0f);
    *pRush = static_cast<float>(fRush) * (rd + 2000.0f) / (ro + 2000.0f);
}

int Draw_Pass_Outcome(const PASS_OUTCOME_WEIGHTS& W, int nFumblePerMille)
{
    const float fWeights[5] = {W.fIncomplete, W.fComplete, W.fIntercepted, W.fSacked, W.fKnockedDown};
    double fTotal = 0.0;
    for (float f : fWeights)
        fTotal += f;
    int nOutcome;
    if (fTotal <= 0.0) {
        nOutcome = Get_Random_Below(5);
    } else {
        const double r = Random_Word_To_Fraction(Generate_Random_Number()) * fTotal;
        nOutcome = -1;
        double fSum = 0.0;
        int nLastPositive = 0;
        for (int k = 0; k < 5; ++k) {
            if (fWeights[k] <= 0.0f)
                continue;
            nLastPositive = k;
            fSum += fWeights[k];
            if (r < fSum) {
                nOutcome = k;
                break;
            }
        }
        if (nOutcome < 0)   // rounding at the top end
            nOutcome = nLastPositive;
    }
    if (nOutcome == PASS_OUTCOME_SACKED && Get_Random_Below(1000) < nFumblePerMille)
        nOutcome = PASS_OUTCOME_SACK_FUMBLE;
    return nOutcome;
}

int Simulate_Pass_Outcome(GAME* pGame, int nTarget, int bFlag, float fCatchLocation, float fDistance)
{
    PASS_MODEL_INPUTS In;
    if (!Get_Pass_Model_Inputs(pGame, nTarget, bFlag, fCatchLocation, fDistance, &In))
        return PASS_OUTCOME_INCOMPLETE;
    const int bOffense = pGame->nOffense == pGame->nHomeTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
    const PASS_OUTCOME_WEIGHTS W = Get_Pass_Outcome_Weights(In);
    return Draw_Pass_Outcome(W, Get_Passer_Fumble_Chance(pGame, pGame->nOnField[bOffense][0]));
}

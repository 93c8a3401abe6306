// A player's predicted season line: written from his ratings when he is made
// or edited, or completed from the line the statistics gave him when a
// league is built; and the longest kicks that old statistics lack.
#include "season/predicted_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/int_math.h"
#include "base/random.h"
#include "engine/event_players.h"
#include "league/historical.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "platform/errors.h"
#include "season/player_development.h"
#include "season/predicted_fixup.h"
#include "season/stat_based_rating.h"

namespace {

constexpr int P = STAT_PERIOD_PREDICTED;

// The season the templates are drawn for; other years scale the era cells by
// the league averages of their year against this one.
constexpr int TEMPLATE_YEAR = 2023;
// Fewer career games than this in 2023 counts as a rookie for the draft boost.
constexpr int ROOKIE_CAREER_GAMES = 18;
constexpr int DRAFT_ROUND_DIVISOR = 100000;
constexpr int OVERALL_PICK_MODULUS = 1000;
constexpr int DRAFT_BOOST_REGION = 3;
// A full season, started throughout: 4 x 17 games + 17 starts.
constexpr int FULL_SEASON_PLAYING_TIME = 85;
constexpr int MOST_GAMES = 17;
// From this age a line is left unclamped and a warning is logged.
constexpr int IMPLAUSIBLE_AGE = 46;
constexpr int LINEMAN_PEAK_AGE = 32;

// The statistics of a modest full season, one row per position.
constexpr int TEMPLATE[NUMBER_OF_POSITIONS][STATS_PER_PERIOD] = {
    {14, 7, 450, 230, 15, 2000, 15, 20, 40, 0, 0, 0, 0, 6, 40, 400, 0, 0, 0, 0},   // QB
    {14, 7, 3, 68, 20, 4, 20, 50, 100, 0, 8, 48, 0, 3, 0, 0, 0, 0, 0, 0},         // RB
    {14, 7, 1, 74, 7, 2, 9, 5, 15, 0, 3, 15, 0, 1, 0, 0, 0, 0, 0, 0},             // FB
    {14, 7, 1, 72, 37, 10, 50, 0, 0, 0, 15, 125, 0, 1, 0, 0, 0, 0, 0, 0},         // TE
    {14, 7, 1, 66, 50, 15, 100, 2, 7, 0, 20, 180, 0, 1, 10, 150, 0, 10, 60, 0},   // WR
    {14, 7, 0, 0, 16, 60, 60, 80, 240, 0, 12, 120, 0, 0, 0, 0, 0, 0, 0, 0},       // T
    {14, 7, 0, 0, 20, 60, 60, 210, 630, 0, 12, 120, 0, 0, 0, 0, 0, 0, 0, 0},      // G
    {14, 7, 0, 0, 24, 60, 60, 125, 375, 0, 12, 120, 0, 0, 0, 0, 0, 0, 0, 0},      // C
    {14, 7, 4, 2, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                // DE
    {14, 7, 6, 3, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                // DT
    {14, 7, 10, 3, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},               // LB
    {14, 7, 4, 1, 0, 0, 5, 1, 0, 0, 0, 0, 0, 0, 9, 130, 0, 9, 50, 0},             // CB
    {14, 7, 8, 2, 0, 0, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                // S
    {14, 0, 0, 0, 0, 0, 0, 0, 50, 47, 12, 11, 10, 8, 8, 5, 3, 1, 51, 0},          // K
    {14, 0, 25, 1075, 3, 58, 6, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},         // P
};

// Template cells that follow the era: the cell and the league average that
// measures it. The interception rate scales the quarterback's interceptions
// (cell 4): it says nothing about his rushing attempts.
struct ERA_CELL {
    int nPosition;
    int nStat;
    int nAverageCode;
};
constexpr ERA_CELL ERA_CELLS[] = {
    {POSITION_QB, STAT_PASS_COMPLETIONS, STAT_CODE_COMPLETION_RATE},
    {POSITION_QB, STAT_PASSING_TOUCHDOWNS, STAT_CODE_TOUCHDOWN_RATE},
    {POSITION_QB, STAT_INTERCEPTIONS_THROWN, STAT_CODE_INTERCEPTION_RATE},
    {POSITION_P, STAT_PUNT_YARDS, STAT_CODE_PUNT_AVERAGE},
    {POSITION_K, STAT_FIELD_GOALS_MADE_BAND_1, STAT_CODE_FIELD_GOAL_RATE},
    {POSITION_K, STAT_FIELD_GOALS_MADE_BAND_2, STAT_CODE_FIELD_GOAL_RATE},
    {POSITION_K, STAT_FIELD_GOALS_MADE_BAND_3, STAT_CODE_FIELD_GOAL_RATE},
    {POSITION_K, STAT_FIELD_GOALS_MADE_BAND_4, STAT_CODE_FIELD_GOAL_RATE},
};

int Stat(int nTeam, int nSlot, int nStat)
{
    return Get_Player_Stat(nTeam, nSlot, P, nStat);
}

void Put(int nTeam, int nSlot, int nStat, double fValue)
{
    Set_Player_Stat(nTeam, nSlot, P, nStat, Trunc_To_Int(fValue));
}

void Put_Int(int nTeam, int nSlot, int nStat, int64_t nValue)
{
    Set_Player_Stat(nTeam, nSlot, P, nStat, Clamp_To_Int(nValue));
}

// Scores and maxima of the line that no scaling or template touches: a
// lineman's blocking scores, a kicker's or punter's longest kicks.
bool Is_Kept_Stat(int nPosition, int nStat)
{
    if (nPosition >= POSITION_T && nPosition <= POSITION_C)
        return nStat == 5 || nStat == 6;
    if (nPosition == POSITION_K || nPosition == POSITION_P)
        return nStat == STAT_LONGEST_PUNT || nStat == STAT_LONGEST_FIELD_GOAL;
    return false;
}

double Draw_Fraction()
{
    return Random_Word_To_Fraction(Generate_Random_Number());
}

// ---------------------------------------------------------------------------
// Lines from ratings, by position

struct RATINGS {
    double r[NUMBER_OF_RATINGS];
};

RATINGS Read_Ratings(int nTeam, int nSlot)
{
    RATINGS R;
    for (int i = 0; i < NUMBER_OF_RATINGS; ++i)
        R.r[i] = Get_Player_Rating(nTeam, nSlot, i);
    return R;
}

void Write_Quarterback(int t, int s, const RATINGS& R)
{
    const double* r = R.r;
    Put_Int(t, s, STAT_PASS_ATTEMPTS, 600);
    const double C = (r[2] * 0.003 + 0.41) * 600;
    Put(t, s, STAT_PASS_COMPLETIONS, C);
    Put(t, s, STAT_PASSING_YARDS, r[3] * 0.16 * C);
    Put(t, s, STAT_INTERCEPTIONS_THROWN, std::max(0.0, (106 - r[4]) * 0.5));
    Put(t, s, STAT_PASSING_TOUCHDOWNS, std::max(0.0, r[5] * 0.75 - 32.5));
    const double A = (r[6] - 30) * (r[6] - 30) / 30;
    Put(t, s, STAT_RUSHING_ATTEMPTS, A);
    Put(t, s, STAT_RUSHING_TOUCHDOWNS, (A - 10) / 15);
    Put(t, s, STAT_RUSHING_YARDS, (r[6] - 40) * A / 10);
    const double F = (115 - r[12]) / 7.5;
    Put(t, s, 19, F);
    Put(t, s, STAT_FUMBLES_LOST, F * 0.5);
    const double S = 48 - r[6] * 0.25;
    Put(t, s, STAT_TIMES_SACKED, S);
    Put(t, s, STAT_SACK_YARDS_LOST, S * 8);
}

// Backs, tight ends and receivers. A is a back's rushing attempts (0 for
// the others).
void Write_Receiver(int t, int s, int nPosition, const RATINGS& R, double A)
{
    const double* r = R.r;
    const bool bBack = nPosition == POSITION_RB || nPosition == POSITION_FB;
    const double Q = 0.13 * r[7] + 0.1 * r[9] + 0.14 * r[8] + 0.12 * r[10] + 0.1 * r[12] + 0.4 * r[11];
    double B = r[9] + Q - 90;
    if (nPosition == POSITION_TE)
        B *= 0.7;
    else if (bBack)
        B *= 0.4;
    Put(t, s, STAT_RECEPTIONS, B);
    double Y = r[7] * B / 5;
    if (nPosition == POSITION_TE)
        Y *= 0.8;
    if (bBack)
        B = B / 0.65;
    Put(t, s, STAT_RECEIVING_YARDS, Y);
    // A catch skill of 0 (possible only in a damaged record) leaves no
    // target figure rather than dividing by it.
    Put(t, s, STAT_TARGETS, Q != 0 ? (Y / 20 + B) * 70 / Q : 0.0);
    Put(t, s, 5, (Y / 30 + B) * 0.5);
    Put(t, s, STAT_YARDS_AFTER_CATCH, (r[10] + r[8]) / 400 * Y);
    const double L = (A + B) / 300 * (115 - r[12]) / 15;
    Put(t, s, 2, L);
    Put(t, s, STAT_FUMBLES_LOST, L * 0.5);
    Put(t, s, STAT_RECEIVING_TOUCHDOWNS, (r[8] - 20) * B / 500);
}

void Write_Back(int t, int s, int nPosition, const RATINGS& R)
{
    const double* r = R.r;
    const double K = 0.2 * r[7] + 0.2 * r[8] + 0.25 * r[9] + 0.25 * r[10] + 0.1 * r[12];
    double A = 3 * K;
    if (nPosition == POSITION_FB)
        A *= 0.25;
    Put(t, s, STAT_RUSHING_ATTEMPTS, A);
    Put(t, s, STAT_RUSHING_YARDS, (K + 10) * A / 20);
    Put(t, s, STAT_RUSHING_TOUCHDOWNS, (r[8] - 20) * A / 2500);
    Write_Receiver(t, s, nPosition, R, A);
}

void Write_Lineman(int t, int s, int nPosition)
{
    // The accessor repairs a missing or too-low blocking rating in the record
    // as it reads it.
    const double p = Get_Player_Rating(t, s, RATING_PASS_BLOCKING);
    const double q = Get_Player_Rating(t, s, RATING_RUN_BLOCKING);
    Put(t, s, 6, p);
    Put(t, s, 5, q);
    const int64_t nGap = 100 - static_cast<int64_t>(Trunc_To_Int(p));
    int64_t nSacks;
    double fBase;
    if (nPosition == POSITION_T) {
        nSacks = nGap * 28 / 25;
        fBase = 9;
    } else if (nPosition == POSITION_G) {
        nSacks = nGap * 24 / 30;
        fBase = 12;
    } else {
        nSacks = nGap * 20 / 30;
        fBase = 15;
    }
    Put_Int(t, s, STAT_SACKS_ALLOWED, nSacks);
    Put(t, s, STAT_RUN_YARDS_BEHIND, (q - fBase) * 15);
    Put_Int(t, s, STAT_RUNS_BEHIND, 225);
}

void Write_Defender(int t, int s)
{
    auto E = [t, s](int n) { return static_cast<int64_t>(Estimate_Player_Stat_Frequency(t, s, n)); };
    Put_Int(t, s, 2, E(2));
    Put_Int(t, s, 3, E(3));
    Put_Int(t, s, 4, E(4));
    Put_Int(t, s, 5, E(5) / 40);
    Put_Int(t, s, 6, E(6) / 2);
    Put_Int(t, s, 7, E(7) / 9);
    Put_Int(t, s, 8, E(8) / 50);
}

void Write_Kicker(int t, int s, const RATINGS& R)
{
    const double r23 = R.r[RATING_FG_ACCURACY];
    const double r24 = R.r[RATING_FG_DISTANCE];
    Put_Int(t, s, 8, 50);
    const double a = r23 / 10;
    Put(t, s, 9, std::min(a + 41, 50.0));
    Put_Int(t, s, 10, 10);
    Put(t, s, 11, std::min(a, 10.0));
    Put_Int(t, s, 12, 15);
    Put(t, s, 13, std::min(r23 * 0.125, 15.0));
    const double b = std::min(r24 / 7, 14.0);
    Put(t, s, 14, b);
    Put(t, s, 15, r23 / 7 + (b - 14));
    const double c = std::clamp((r24 - 45) / 6, 0.0, 9.0);
    Put(t, s, 16, c);
    const double m = std::clamp(r24 / 10 + (c - 12), 0.0, c);
    Put(t, s, 17, m);
    if (Trunc_To_Int(m) >= 1)
        Put(t, s, STAT_LONGEST_FIELD_GOAL, std::max(r24 / 3 + 26, 50.0));
    else
        Put(t, s, STAT_LONGEST_FIELD_GOAL, std::min(r24 / 3 + 25, 49.0));
}

void Write_Punter(int t, int s, const RATINGS& R)
{
    const double r25 = R.r[RATING_PUNT_ACCURACY];
    const double r26 = R.r[RATING_PUNT_DISTANCE];
    Put_Int(t, s, STAT_PUNTS, 40);
    Put(t, s, STAT_PUNT_YARDS, (r26 + 5) * 40 * 0.5);
    Put(t, s, STAT_PUNT_TOUCHBACKS, 20 - r25 / 7);
    Put(t, s, STAT_LONGEST_PUNT, r26 * 0.5 + 20);
}

int Current_Year()
{
    return Get_Universe_Stat(FIRST_SEASON_YEAR) + Get_Current_Season_Index();
}

}  // namespace

// ---------------------------------------------------------------------------
// Arithmetic

int Trunc_To_Int(double fValue)
{
    if (std::isnan(fValue))
        return 0;
    if (fValue >= 2147483647.0)
        return INT32_MAX;
    if (fValue <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int>(fValue);
}

int Scale_Per_Mille(int64_t x, int64_t nPerMille)
{
    if (x == 0)
        return 0;
    const __int128 n = static_cast<__int128>(x) * nPerMille + 500;
    __int128 q = n / 1000;
    if (n < 0 && n % 1000 != 0)
        --q;
    if (q > INT32_MAX)
        return INT32_MAX;
    if (q < INT32_MIN)
        return INT32_MIN;
    return static_cast<int>(q);
}

// ---------------------------------------------------------------------------
// Lines from ratings

void Write_Predicted_Player_Stats(int nTeam, int nSlot)
{
    Set_Player_Stat(nTeam, nSlot, P, STAT_GAMES_STARTED, 16);
    Set_Player_Stat(nTeam, nSlot, P, STAT_GAMES_PLAYED, 16);
    const RATINGS R = Read_Ratings(nTeam, nSlot);
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    switch (nPosition) {
    case POSITION_QB:
        Write_Quarterback(nTeam, nSlot, R);
        break;
    case POSITION_RB:
    case POSITION_FB:
        Write_Back(nTeam, nSlot, nPosition, R);
        break;
    case POSITION_TE:
    case POSITION_WR:
        Write_Receiver(nTeam, nSlot, nPosition, R, 0.0);
        break;
    case POSITION_T:
    case POSITION_G:
    case POSITION_C:
        Write_Lineman(nTeam, nSlot, nPosition);
        break;
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S:
        Write_Defender(nTeam, nSlot);
        break;
    case POSITION_K:
        Write_Kicker(nTeam, nSlot, R);
        break;
    case POSITION_P:
        Write_Punter(nTeam, nSlot, R);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// Templates, scaling and the draft boost

int Get_Predicted_Stat_Template(int nPosition, int nStat)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS || nStat < 0 || nStat >= STATS_PER_PERIOD)
        return 0;
    const int nValue = TEMPLATE[nPosition][nStat];
    for (const ERA_CELL& Cell : ERA_CELLS) {
        if (Cell.nPosition != nPosition || Cell.nStat != nStat)
            continue;
        const int nNow = Get_Historical_Average_Stat(Cell.nAverageCode, Current_Year());
        const int nThen = Get_Historical_Average_Stat(Cell.nAverageCode, TEMPLATE_YEAR);
        if (nNow == nThen || nThen == 0)
            return nValue;
        return Mul_Div_Rounded(nValue, nNow, nThen);
    }
    return nValue;
}

void Reduce_Predicted_Stats(int nTeam, int nSlot, int nPerMille)
{
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    for (int i = 0; i < STATS_PER_PERIOD; ++i) {
        if (Is_Kept_Stat(nPosition, i))
            continue;
        const int64_t v = Stat(nTeam, nSlot, i);
        Put_Int(nTeam, nSlot, i, v - Scale_Per_Mille(v, nPerMille));
    }
}

void Add_Predicted_Stat_Template(int nTeam, int nSlot, int nPerMille)
{
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    for (int i = 0; i < STATS_PER_PERIOD; ++i) {
        if (Is_Kept_Stat(nPosition, i))
            continue;
        Add_To_Player_Stat(nTeam, nSlot, P, i, Scale_Per_Mille(Get_Predicted_Stat_Template(nPosition, i), nPerMille));
    }
    if (Current_Year() == TEMPLATE_YEAR &&
        Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, STAT_GAMES_PLAYED) < ROOKIE_CAREER_GAMES)
        Apply_Rookie_Draft_Boost(nTeam, nSlot, nPerMille);
}

void Apply_Rookie_Draft_Boost(int nTeam, int nSlot, int nPerMille)
{
    const int nDraft = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK);
    int nRound = nDraft / DRAFT_ROUND_DIVISOR;
    if (nRound == 0)
        return;
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    // Kickers and punters weigh as if taken two rounds later.
    if (nPosition == POSITION_K || nPosition == POSITION_P)
        nRound = std::max(nRound + 2, 1);
    const int nModifier = nRound == 1 ? 130 - nDraft % OVERALL_PICK_MODULUS : (10 - nRound) * 10;
    const int nScaled = Scale_Per_Mille(nModifier, nPerMille);
    for (int i = 0; i < STATS_PER_PERIOD; ++i)
        Modify_Predicted_Player_Stats(nTeam, nSlot, P, i, nScaled, DRAFT_BOOST_REGION, 0);
}

void Predict_Player_Stats_From_Career(int nTeam, int nSlot)
{
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    if (nPosition < POSITION_T || nPosition > POSITION_C)
        return;
    int64_t G = Stat(nTeam, nSlot, STAT_GAMES_PLAYED);
    int64_t S = Stat(nTeam, nSlot, STAT_GAMES_STARTED);
    const int n = Count_NFL_Seasons(nTeam, nSlot) + 4;
    const int nBirthYear = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
    const int nAge2023 = TEMPLATE_YEAR + Get_Current_Season_Index() - nBirthYear;
    if (nAge2023 < LINEMAN_PEAK_AGE) {
        // A young lineman's line is projected over the seasons still to come.
        const int64_t k = LINEMAN_PEAK_AGE - nAge2023 + n;
        S = Divide_Rounded(static_cast<__int128>(S) * k, n);
        G = Divide_Rounded(static_cast<__int128>(G) * k, n);
    }
    const int nG = Clamp_To_Int(G);
    int64_t nPass = 60 + S / 15 + Get_Rounded_Sqrt(nG / 2);
    int64_t nRun = 60 + S / 13 + Get_Rounded_Sqrt(nG / 3);
    if (nPosition == POSITION_T) {
        nPass -= 2;
        nRun += 2;
    } else if (nPosition == POSITION_G) {
        nPass += 1;
        nRun -= 3;
    } else {
        nPass -= 1;
        nRun -= 2;
    }
    Put_Int(nTeam, nSlot, 5, nPass);
    Put_Int(nTeam, nSlot, 6, nRun);
    Set_Derived_Player_Stats(nTeam, nSlot);
}

// ---------------------------------------------------------------------------
// Completing a line

void Complete_Player_Predicted_Stats(int nTeam, int nSlot, int nNorm)
{
    Predict_Player_Stats_From_Career(nTeam, nSlot);
    const int64_t nNormTime = 5 * static_cast<int64_t>(nNorm);
    int64_t W = 4 * static_cast<int64_t>(Stat(nTeam, nSlot, STAT_GAMES_PLAYED)) + Stat(nTeam, nSlot, STAT_GAMES_STARTED);

    if (W < 1) {
        // No playing time: part of what he has, part of a template season,
        // the more template the fewer his seasons.
        const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
        const int k = Count_NFL_Seasons(nTeam, nSlot) + (nFirstYear == TEMPLATE_YEAR ? 1 : 2);
        if (k == 1) {
            Reduce_Predicted_Stats(nTeam, nSlot, 500);
            Add_Predicted_Stat_Template(nTeam, nSlot, 500);
        } else {
            Reduce_Predicted_Stats(nTeam, nSlot, Mul_Div_Rounded(500, 1, k + 3));
            Add_Predicted_Stat_Template(nTeam, nSlot, 100);
        }
    } else {
        if (W < nNormTime) {
            const int d = Clamp_To_Int(Divide_Rounded(static_cast<__int128>(nNormTime - W) * 1000, nNormTime));
            Add_Predicted_Stat_Template(nTeam, nSlot, d);
            W += Mul_Div_Rounded(d, 85, 1000);
        }

        const int nPosition = Get_Player_Position(nTeam, nSlot);
        int nFirst = 0;
        int nLast = -1;
        if (Is_Player_Back_Or_Receiver(nTeam, nSlot)) {
            nFirst = 14;
            nLast = 19;
        } else if (nPosition == POSITION_K) {
            nFirst = 8;
            nLast = 17;
        }
        for (int i = nFirst; i <= nLast; ++i)
            Put_Int(nTeam, nSlot, i, 2 * static_cast<int64_t>(Stat(nTeam, nSlot, i)));

        // To a full season's playing time, then a little template blended in.
        const int nToFull = Clamp_To_Int(1000 - Divide_Rounded(static_cast<__int128>(FULL_SEASON_PLAYING_TIME) * 1000, W));
        Reduce_Predicted_Stats(nTeam, nSlot, nToFull);
        Add_Predicted_Stat_Template(nTeam, nSlot, 3 * nNorm);
        Reduce_Predicted_Stats(nTeam, nSlot, 3 * nNorm);
    }

    const int nStarts = Stat(nTeam, nSlot, STAT_GAMES_STARTED);
    if (nStarts > MOST_GAMES)
        Reduce_Predicted_Stats(nTeam, nSlot, 1000 - Mul_Div_Rounded(MOST_GAMES * 1000, 1, nStarts));

    const int nAge = Current_Year() - Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
    if (nAge < IMPLAUSIBLE_AGE) {
        if (Stat(nTeam, nSlot, STAT_GAMES_STARTED) > MOST_GAMES)
            Put_Int(nTeam, nSlot, STAT_GAMES_STARTED, MOST_GAMES);
        if (Stat(nTeam, nSlot, STAT_GAMES_PLAYED) > MOST_GAMES)
            Put_Int(nTeam, nSlot, STAT_GAMES_PLAYED, MOST_GAMES);
        Fix_Predicted_Player_Stats(nTeam, nSlot);
    } else {
        char szFirst[PLAYER_FIRST_NAME_TEXT_SIZE];
        char szLast[PLAYER_LAST_NAME_SIZE];
        Get_Player_First_Name(nTeam, nSlot, szFirst);
        Get_Player_Last_Name(nTeam, nSlot, szLast);
        Write_Debug_Log("Warning: %s %s is %d years old in Complete_Player_Predicted_Stats()", szFirst, szLast, nAge);
    }
}

void Complete_All_Predicted_Stats(int nNorm)
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Is_Player_Slot_Used(t, s))
                Complete_Player_Predicted_Stats(t, s, nNorm);
        }
    }
}

// ---------------------------------------------------------------------------
// Longest kicks

int Estimate_Longest_Punt(int nTeam, int nSlot, int nSeason)
{
    const int n = Get_Player_Stat(nTeam, nSlot, nSeason, STAT_PUNTS);
    const int y = Get_Player_Stat(nTeam, nSlot, nSeason, STAT_PUNT_YARDS);
    int nLongest;
    if (n <= 0) {
        nLongest = 0;
    } else if (n == 1) {
        nLongest = y;
    } else {
        const int w = Get_Rounded_Sqrt(Clamp_To_Int((static_cast<int64_t>(n) + 3) * 10));
        const double u = Draw_Fraction();
        nLongest = Clamp_To_Int(static_cast<int64_t>(y / n) + Trunc_To_Int(u * w) + w / 2);
    }
    Set_Player_Stat(nTeam, nSlot, nSeason, STAT_LONGEST_PUNT, nLongest);
    return nLongest;
}

int Estimate_Longest_Field_Goal(int nTeam, int nSlot, int nSeason)
{
    auto Made = [=](int nStat) { return std::max(Get_Player_Stat(nTeam, nSlot, nSeason, nStat), 0); };
    const int64_t m50 = Made(STAT_FIELD_GOALS_MADE_BAND_4);
    const int64_t a50 = Made(STAT_FIELD_GOAL_ATTEMPTS_BAND_4);
    const int64_t m40 = Made(STAT_FIELD_GOALS_MADE_BAND_3);
    const int64_t m30 = Made(STAT_FIELD_GOALS_MADE_BAND_2);
    const double u1 = Draw_Fraction();
    const double u2 = Draw_Fraction();
    int64_t j = Trunc_To_Int(-3 * u2) - Trunc_To_Int(-3 * u1);
    if (nSeason == P)
        j = 0;
    const int64_t v = std::min<int64_t>(59, m50 + 49 + j - a50);
    int64_t nLongest;
    if (m50 > 0)
        nLongest = std::max<int64_t>(v, j / 2 + 51);
    else if (m40 > 0)
        nLongest = j + 47;
    else if (m30 > 0)
        nLongest = j + 37;
    else
        nLongest = j + 27;
    Set_Player_Stat(nTeam, nSlot, nSeason, STAT_LONGEST_FIELD_GOAL, Clamp_To_Int(nLongest));
    return Clamp_To_Int(nLongest);
}

void Estimate_Player_Long_Stats(int nTeam, int nSlot)
{
    for (int nSeason = 0; nSeason <= STAT_PERIOD_LAST_LINE; ++nSeason) {
        if (Get_Player_Stat(nTeam, nSlot, nSeason, STAT_LONGEST_FIELD_GOAL) == 0 &&
            Get_Player_Stat(nTeam, nSlot, nSeason, STAT_CODE_FIELD_GOALS_MADE) > 0)
            Estimate_Longest_Field_Goal(nTeam, nSlot, nSeason);
    }
}

void Estimate_All_Long_Stats()
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Is_Player_Slot_Used(t, s) && Get_Player_Position(t, s) == POSITION_K)
                Estimate_Player_Long_Stats(t, s);
        }
    }
}

// Made-up college seasons for prospects: games and starts drawn, the
// statistics of his position from his ratings (lowered for the earlier
// seasons), scaled to a full season with noise, made consistent and archived
// as college season lines.
#include "season/past_seasons.h"

#include <algorithm>
#include <cstdint>

#include "base/int_math.h"
#include "base/random.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "season/predicted_stats.h"

namespace {

constexpr int SCRATCH = STAT_PERIOD_THIS_SEASON;
constexpr int MOST_SEASONS = 4;
// Start percentages by season, the last generated season first.
constexpr int START_BASELINE[MOST_SEASONS] = {130, 110, 60, 10};
constexpr float RATING_STEP_PER_SEASON = 3.0f;
constexpr int FULL_SEASON_GAMES = 17;
// Counts below this vary more under the noise.
constexpr int SMALL_COUNT = 32;

double U()
{
    return Random_Word_To_Fraction(Generate_Random_Number());
}

int Trunc_Draw(double fScale)
{
    return Trunc_To_Int(fScale * U());
}

int Stat(int t, int s, int nStat)
{
    return Get_Player_Stat(t, s, SCRATCH, nStat);
}

void Put(int t, int s, int nStat, double fValue)
{
    Set_Player_Stat(t, s, SCRATCH, nStat, Trunc_To_Int(fValue));
}

void Put_Int(int t, int s, int nStat, int64_t nValue)
{
    Set_Player_Stat(t, s, SCRATCH, nStat, Clamp_To_Int(nValue));
}

void Shift_Ratings(int t, int s, float fDelta)
{
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(t, s, r, Get_Player_Rating(t, s, r) + fDelta);
}

struct DEFENSE_ROW {
    double c[7];
};
// DE, DT, LB, CB, S: tackles, assists, sacks, forced fumbles, passes
// defensed, interceptions, fumble recoveries.
constexpr DEFENSE_ROW DEFENSE_ROWS[5] = {
    {{3.0, 2.0, 2.0, 0.2, 0.2, 0.05, 0.15}},
    {{2.5, 2.5, 1.0, 0.1, 0.25, 0.05, 0.15}},
    {{6.0, 4.5, 1.0, 0.25, 0.75, 0.25, 0.15}},
    {{3.5, 1.5, 0.3, 0.15, 2.0, 0.5, 0.05}},
    {{5.0, 2.5, 0.3, 0.1, 1.5, 0.4, 0.1}},
};

// A few carries for a receiver: each try succeeds when a draw below 300
// falls under his run skill, and only a success draws its yards (-6..18).
void Add_Rush_Tries(int t, int s, int nTries, double K)
{
    const int nSkill = Trunc_To_Int(K);
    for (int i = 0; i < nTries; ++i) {
        if (Trunc_Draw(300) < nSkill) {
            Add_To_Player_Stat(t, s, SCRATCH, STAT_RUSHING_ATTEMPTS, 1);
            Add_To_Player_Stat(t, s, SCRATCH, STAT_RUSHING_YARDS, -6 - Trunc_Draw(-25));
        }
    }
}

void Quarterback(int t, int s, double P, double K)
{
    auto r = [=](int n) { return static_cast<double>(Get_Player_Rating(t, s, n)); };
    const double A = ((r(RATING_ACCURACY) + 100) * 30 / 170) * P;
    Put(t, s, STAT_PASS_ATTEMPTS, A);
    const double C = (r(RATING_ACCURACY) / 300 + 0.43) * A;
    Put(t, s, STAT_PASS_COMPLETIONS, C);
    Put(t, s, STAT_INTERCEPTIONS_THROWN, ((105 - r(RATING_CONTROL)) / 1400) * A);
    Put(t, s, STAT_PASSING_YARDS, (r(RATING_DISTANCE) + 50) * C / 10);
    Put(t, s, STAT_PASSING_TOUCHDOWNS, A * r(RATING_RED_ZONE) / 1000);
    const double a = std::max((K - 35) / 18, (K - 60) / 1.8);
    // A slow quarterback gets no carries rather than a negative number of them.
    Put(t, s, STAT_RUSHING_ATTEMPTS, std::max(0.0, a * P));
    const double fYards = std::max(0.0, (K - 20) * a * P / 10);
    Put(t, s, STAT_RUSHING_YARDS, fYards);
    Put(t, s, STAT_RUSHING_TOUCHDOWNS, fYards / 100);
    const double fSacks = (110 - r(RATING_MOBILITY)) * A / 1000;
    Put(t, s, STAT_TIMES_SACKED, fSacks);
    Put(t, s, STAT_SACK_YARDS_LOST, 9 * fSacks);
}

void Back(int t, int s, int nPosition, double P, double K, double Q)
{
    auto r = [=](int n) { return static_cast<double>(Get_Player_Rating(t, s, n)); };
    const bool bFullback = nPosition == POSITION_FB;
    const double Ar = (bFullback ? 5 : 20) * P;
    Put(t, s, STAT_RUSHING_ATTEMPTS, Ar);
    Put(t, s, STAT_RUSHING_YARDS, (K / 12.5) * Ar);
    Put(t, s, STAT_RUSHING_TOUCHDOWNS, bFullback ? (r(RATING_POWER) - 25) * P / 40 : (r(RATING_POWER) / 60) * P);
    const double Yd = (Q - 50) * (Q - 50) * P / 12;
    Put(t, s, STAT_RECEIVING_YARDS, Yd);
    const double Rc = Yd / 9;
    Put(t, s, STAT_RECEPTIONS, Rc);
    Put_Int(t, s, STAT_RECEIVING_TOUCHDOWNS, Trunc_To_Int(Yd) / 150);
    Put(t, s, 4, (1.5 - (Q + r(RATING_HANDS)) / 600) * Rc);
    Put(t, s, 6, ((r(RATING_POWER) + r(RATING_VISION)) / 275) * Yd);
    Put(t, s, 5, (r(RATING_VISION) / 125) * Rc);
}

void Tight_End(int t, int s, double P, double K, double Q)
{
    auto r = [=](int n) { return static_cast<double>(Get_Player_Rating(t, s, n)); };
    const double Rc = (Q - 20) * P / 12;
    Put(t, s, STAT_RECEPTIONS, Rc);
    const double Yd = (Q / 5.5) * Rc;
    Put(t, s, STAT_RECEIVING_YARDS, Yd);
    Put(t, s, STAT_RECEIVING_TOUCHDOWNS, (r(RATING_POWER) / 70) * Trunc_To_Int(Yd) / 125);
    Put(t, s, 4, (1.65 - (Q + r(RATING_HANDS)) / 500) * Rc);
    Put(t, s, 6, (r(RATING_POWER) + r(RATING_VISION)) * Yd / 300);
    Put(t, s, 5, (r(RATING_VISION) / 110) * Rc);
    Add_Rush_Tries(t, s, 3, K);
}

void Wide_Receiver(int t, int s, double P, double K, double Q)
{
    auto r = [=](int n) { return static_cast<double>(Get_Player_Rating(t, s, n)); };
    const double Rc = (Q / 9) * P;
    Put(t, s, STAT_RECEPTIONS, Rc);
    const double Yd = Q * 0.25 * Rc;
    Put(t, s, STAT_RECEIVING_YARDS, Yd);
    Put_Int(t, s, STAT_RECEIVING_TOUCHDOWNS, Trunc_To_Int(Yd) / 150);
    Put(t, s, 4, (1.7 - (Q + r(RATING_HANDS)) / 500) * Rc);
    Put(t, s, 6, (r(RATING_POWER) + r(RATING_VISION)) * Yd / 300);
    Put(t, s, 5, (r(RATING_VISION) / 100) * Rc);
    Add_Rush_Tries(t, s, 5, K);
}

void Defender(int t, int s, int nPosition, double P)
{
    auto r = [=](int n) { return static_cast<double>(Get_Player_Rating(t, s, n)); };
    const double* c = DEFENSE_ROWS[nPosition - POSITION_DE].c;
    auto Share = [=](int nRating) { return ((r(nRating) - 25) / 50) * P; };
    Put(t, s, 2, Share(RATING_TACKLING) * c[0]);
    Put(t, s, 3, Share(RATING_RUN_DEFENSE) * c[1]);
    Put(t, s, 4, Share(RATING_PASS_RUSH) * c[2]);
    const int T = Trunc_To_Int(Share(RATING_TURNOVERS));
    Put(t, s, 5, c[3] * T);
    Put(t, s, 6, Share(RATING_PASS_COVERAGE) * c[4]);
    Put(t, s, 7, c[5] * T);
    Put(t, s, 8, c[6] * P);
    Put(t, s, 9, ((r(RATING_SPEED) - 35) / 125) * (c[6] * P + c[5] * T));
}

void Kicker(int t, int s, double P)
{
    const double a = Get_Player_Rating(t, s, RATING_FG_ACCURACY);
    const double d = Get_Player_Rating(t, s, RATING_FG_DISTANCE);
    const double X = 2.5 * P;
    Put(t, s, 8, X);
    Put(t, s, 9, (a / 1000 + 0.9) * X);
    const double fShort = 0.75 * P;
    Put(t, s, 10, fShort);
    Put(t, s, 11, (a / 1000 + 0.89) * fShort);
    Put(t, s, 12, P);
    Put(t, s, 13, (a / 400 + 0.7) * P);
    const double fForty = 1.1 * P;
    Put(t, s, 14, fForty);
    Put(t, s, 15, (d / 400 + 0.6) * fForty);
    // A short leg tries no long field goals rather than a negative number.
    const double fFifty = std::max(0.0, (d - 63) * P / 40);
    Put(t, s, 16, fFifty);
    Put(t, s, 17, (d / 200 + 0.28) * fFifty);
}

void Punter(int t, int s, double P)
{
    const double fAccuracy = Get_Player_Rating(t, s, RATING_PUNT_ACCURACY);
    const double fDistance = Get_Player_Rating(t, s, RATING_PUNT_DISTANCE);
    const double N = 5 * P;
    Put(t, s, STAT_PUNTS, N);
    Put(t, s, STAT_PUNT_YARDS, (fDistance / 70) * N * 45);
    Put(t, s, STAT_LONGEST_PUNT, N / 10 + 38 + fDistance / 5 + Trunc_Draw(12));
    Put(t, s, STAT_PUNT_TOUCHBACKS, ((100 - fAccuracy) / 250) * N);
}

// Kick and punt returns of a good returner. A quarterback's 14-15 (sacks)
// and a kicker's 14-17 (field goals) mean other things: they return nothing.
void Returns(int t, int s, int nPosition, double P)
{
    if (nPosition == POSITION_QB || nPosition == POSITION_K)
        return;
    const double fKick = Get_Player_Rating(t, s, RATING_KICK_RETURNS);
    if (fKick > 65) {
        const double R = ((fKick - 50) / 10) * P;
        Put(t, s, STAT_KICK_RETURNS, R);
        const double fYards = (fKick / 3) * R;
        Put(t, s, STAT_KICK_RETURN_YARDS, fYards);
        Put(t, s, STAT_KICK_RETURN_TOUCHDOWNS, fYards / 400);
    }
    const double fPunt = Get_Player_Rating(t, s, RATING_PUNT_RETURNS);
    if (fPunt > 65) {
        const double R = ((fPunt - 50) / 12) * P;
        Put(t, s, STAT_PUNT_RETURNS, R);
        const double fYards = fPunt * 0.125 * R;
        Put(t, s, STAT_PUNT_RETURN_YARDS, fYards);
        Put(t, s, STAT_PUNT_RETURN_TOUCHDOWNS, fYards / 250);
    }
}

void At_Most(int t, int s, int nStat, int64_t nLimit)
{
    if (Stat(t, s, nStat) > nLimit)
        Put_Int(t, s, nStat, nLimit);
}

void At_Least_Zero(int t, int s, int nFirst, int nLast)
{
    for (int i = nFirst; i <= nLast; ++i) {
        if (Stat(t, s, i) < 0)
            Put_Int(t, s, i, 0);
    }
}

}  // namespace

void Generate_Season_Stats_From_Ratings(int nTeam, int nSlot, int nSeasonOffset, int nGames, int nStarts)
{
    const float fDelta = RATING_STEP_PER_SEASON * static_cast<float>(nSeasonOffset);
    Shift_Ratings(nTeam, nSlot, fDelta);

    const int nPosition = Get_Player_Position(nTeam, nSlot);
    const double P = Trunc_To_Int(0.7 * nStarts + 0.3 * nGames);
    auto r = [=](int n) { return static_cast<double>(Get_Player_Rating(nTeam, nSlot, n)); };
    double K = 0.2 * r(RATING_SPEED) + 0.2 * r(RATING_POWER) + 0.25 * r(RATING_QUICKNESS) +
               0.25 * r(RATING_VISION) + 0.1 * r(RATING_HANDS);
    if (nPosition == POSITION_QB)
        K = (K + r(RATING_MOBILITY)) / 2;
    const double Q = 0.13 * r(RATING_SPEED) + 0.1 * r(RATING_QUICKNESS) + 0.14 * r(RATING_POWER) +
                     0.12 * r(RATING_VISION) + 0.1 * r(RATING_HANDS) + 0.4 * r(RATING_RECEIVING);

    switch (nPosition) {
    case POSITION_QB:
        Quarterback(nTeam, nSlot, P, K);
        break;
    case POSITION_RB:
    case POSITION_FB:
        Back(nTeam, nSlot, nPosition, P, K, Q);
        break;
    case POSITION_TE:
        Tight_End(nTeam, nSlot, P, K, Q);
        break;
    case POSITION_WR:
        Wide_Receiver(nTeam, nSlot, P, K, Q);
        break;
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
    case POSITION_CB:
    case POSITION_S:
        Defender(nTeam, nSlot, nPosition, P);
        break;
    case POSITION_K:
        Kicker(nTeam, nSlot, P);
        break;
    case POSITION_P:
        Punter(nTeam, nSlot, P);
        break;
    default:   // linemen keep no figures of their own
        break;
    }
    Returns(nTeam, nSlot, nPosition, P);

    Shift_Ratings(nTeam, nSlot, -fDelta);
}

void Scale_Generated_Season_Stats(int nTeam, int nSlot, int nGames)
{
    const int f = Mul_Div_Rounded(FULL_SEASON_GAMES * 1000, 1, nGames);
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    const bool bKickingUnit = nPosition == POSITION_K || nPosition == POSITION_P;
    for (int i = 0; i < STATS_PER_PERIOD; ++i) {
        int64_t nNoise = 0;
        if (i >= 2) {
            nNoise = Trunc_Draw(-200);
            nNoise -= Trunc_Draw(-200);
        }
        int64_t nDivisor = f;
        if (bKickingUnit && (i == STAT_LONGEST_PUNT || i == STAT_LONGEST_FIELD_GOAL)) {
            nDivisor = 1000;
            nNoise /= 2;
        } else if (nPosition == POSITION_K && i >= 8 && i <= 17) {
            nDivisor = 2 * static_cast<int64_t>(f);
            nNoise *= 5;
        }
        const int v = Stat(nTeam, nSlot, i);
        if (v < SMALL_COUNT)
            nNoise = Mul_Div_Rounded(Clamp_To_Int(nNoise), 35, 2 * v + 3);
        int64_t nNew = Clamp_To_Int(Divide_Rounded(static_cast<__int128>(v) * (1000 + nNoise), nDivisor));
        if (v >= 0 && nNew < 0)
            nNew = 0;
        Put_Int(nTeam, nSlot, i, nNew);
    }
}

void Fix_Generated_Season_Stats(int nTeam, int nSlot)
{
    const int t = nTeam;
    const int s = nSlot;
    switch (Get_Position_Unit(Get_Player_Position(t, s))) {
    case UNIT_BACKS: {
        const int nRounded = Clamp_To_Int((static_cast<int64_t>(Stat(t, s, 6)) + 10) / 20);
        if (Stat(t, s, 4) < nRounded)
            Put_Int(t, s, 4, nRounded);
        break;
    }
    case UNIT_LINE: {
        const int64_t nCatches = Stat(t, s, 10);
        int64_t x = Stat(t, s, 11);
        x = std::max(x, 6 * nCatches);
        x = std::min(x, 9 * nCatches);
        Put_Int(t, s, 11, x - (x + 2) % 5 + 2);
        At_Least_Zero(t, s, 14, 19);
        At_Most(t, s, 15, 31 * static_cast<int64_t>(Stat(t, s, 14)));
        At_Most(t, s, 18, 17 * static_cast<int64_t>(Stat(t, s, 17)));
        if (Stat(t, s, 15) < 225 * static_cast<int64_t>(Stat(t, s, 16)))
            Put_Int(t, s, 16, 0);
        if (Stat(t, s, 18) < 175 * static_cast<int64_t>(Stat(t, s, 19)))
            Put_Int(t, s, 19, 0);
        break;
    }
    case UNIT_DEFENSE:
        At_Least_Zero(t, s, 2, 11);
        if (Stat(t, s, 10) < Stat(t, s, 11))
            Put_Int(t, s, 10, Stat(t, s, 11));
        break;
    case UNIT_KICKERS:
        for (int nMade = 9; nMade <= 17; nMade += 2)
            At_Most(t, s, nMade, Stat(t, s, nMade - 1));
        if (Stat(t, s, STAT_LONGEST_FIELD_GOAL) > 68)
            Estimate_Longest_Field_Goal(t, s, SCRATCH);
        if (Stat(t, s, STAT_LONGEST_PUNT) > 75)
            Estimate_Longest_Punt(t, s, SCRATCH);
        break;
    default:
        break;
    }
}

void Archive_Generated_Season(int nTeam, int nSlot, int nYear, int nSeasonOffset)
{
    if (nTeam == FREE_AGENT_TEAM)
        return;
    const int nLine = Assign_Player_Season_Line(nTeam, nSlot, Get_Current_Year(), nTeam);
    // No line to be had (table full, links full, a team not in use): the
    // season is not archived rather than written nowhere.
    if (nLine == NO_SEASON_LINE)
        return;
    Set_Player_Current_Season_Line(nTeam, nSlot, nLine);
    for (int i = 0; i < STATS_PER_PERIOD; ++i)
        Set_Season_Line_Stat(nLine, i, Stat(nTeam, nSlot, i));
    Set_Season_Line_Header(nLine, nYear, nSeasonOffset, NO_TEAM);
}

void Generate_Player_History(int nTeam, int nSlot, int nYearOffset)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return;
    const int n = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED) + 5;
    // Only a prospect of one to four college seasons has a history to make.
    if (n < 1 || n > MOST_SEASONS)
        return;
    const int Y0 = Get_Current_Year();
    const bool bKickingUnit = Get_Player_Unit(nTeam, nSlot) == UNIT_KICKERS;
    Clear_Player_Season_Stats(nTeam, nSlot, SCRATCH);
    for (int i = 0; i < n; ++i) {
        const int g = U() >= 0.5 ? 13 : 12;
        int d = Trunc_Draw(6) + Trunc_Draw(6);
        d -= Trunc_Draw(6);
        d -= Trunc_Draw(6);
        d -= Trunc_Draw(6);
        const int nGames = g - std::clamp(d, 0, g);

        int nPercent = START_BASELINE[n - 1 - i] + Trunc_Draw(-20);
        nPercent -= Trunc_Draw(-20);
        nPercent = std::clamp(nPercent, 0, 100);
        const int nStarts = Mul_Div_Rounded(nPercent, nGames, 100);

        Generate_Season_Stats_From_Ratings(nTeam, nSlot, i - 4, nGames, nStarts);
        Scale_Generated_Season_Stats(nTeam, nSlot, nGames);
        Set_Player_Stat(nTeam, nSlot, SCRATCH, STAT_GAMES_PLAYED, nGames);
        Set_Player_Stat(nTeam, nSlot, SCRATCH, STAT_GAMES_STARTED, nStarts);
        if (bKickingUnit) {
            Estimate_Longest_Field_Goal(nTeam, nSlot, SCRATCH);
            Estimate_Longest_Punt(nTeam, nSlot, SCRATCH);
        }
        Fix_Generated_Season_Stats(nTeam, nSlot);
        Archive_Generated_Season(nTeam, nSlot, Y0 - n + i + nYearOffset, i - 4);
        Clear_Player_Season_Stats(nTeam, nSlot, SCRATCH);
    }
}

// The rating generator: 27 ratings drawn for a position from four shared
// quality draws, the default ratings of imported players, the one-fraction
// rating adjustment, veterans and players fitted to a quality threshold, and
// two small player services (a new ID, the suspension test).
//
// The draw order is part of the behaviour: the same random sequence must
// give the same player, so every u(n) below is one draw in the order written.
#include <cmath>

#include "base/random.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/standings_keys.h"
#include "platform/errors.h"
#include "season/generation_settings.h"
#include "season/player_generation.h"
#include "season/salaries.h"

namespace {

// trunc(n x f) with f = r x 2^-32: 0..n-1 for n > 0, n+1..0 for n < 0.
int u(int n)
{
    return static_cast<int>(static_cast<double>(n) * Random_Word_To_Fraction(Generate_Random_Number()));
}

struct RATING_WRITER {
    int nTeam;
    int nSlot;
    void operator()(int nRating, int nValue) const
    {
        Set_Player_Rating(nTeam, nSlot, nRating, static_cast<float>(nValue));
    }
};

// The formulas of one position, in the order their draws are taken.
void Apply_Position_Formulas(const RATING_WRITER& Set, int nPosition, int a, int b, int c, int d)
{
    switch (nPosition) {
    case POSITION_QB:
        Set(RATING_ACCURACY, 53 + a / 5 + u(15));
        Set(RATING_DISTANCE, 53 + a / 5 + u(15));
        Set(RATING_CONTROL, 53 + a / 5 + u(15));
        Set(RATING_RED_ZONE, 53 + a / 5 + u(15));
        Set(RATING_MOBILITY, 50 + b / 5 + u(15));
        Set(RATING_SPEED, 55 + b / 4 + u(10));
        Set(RATING_RECEIVING, 25 + u(30));
        Set(RATING_PASS_BLOCKING, 30 + u(20));
        Set(RATING_RUN_BLOCKING, 30 + u(20));
        Set(RATING_POWER, 45 + b / 5 + u(15));
        Set(RATING_QUICKNESS, 42 + b / 5 + u(15));
        Set(RATING_VISION, 45 + b / 5 + u(15));
        Set(RATING_HANDS, 48 + b / 10 + u(15));
        Set(RATING_KICK_RETURNS, 30 + b / 5 + u(8));
        Set(RATING_PUNT_RETURNS, 30 + b / 5 + u(8));
        break;
    case POSITION_RB:
        Set(RATING_SPEED, 71 + a / 4);
        Set(RATING_RECEIVING, 46 + d / 5 + u(10));
        Set(RATING_PASS_BLOCKING, 40 + b / 6 + u(10));
        Set(RATING_RUN_BLOCKING, 40 + b / 7 + u(10));
        Set(RATING_POWER, 40 + a / 10 + b / 5 + u(10));
        Set(RATING_QUICKNESS, 53 + a / 5 + u(10));
        Set(RATING_VISION, 45 + a / 6 + u(10));
        Set(RATING_HANDS, 50 + a / 7 + u(20));
        Set(RATING_RED_ZONE, 40 + d / 20 + u(8));
        Set(RATING_KICK_RETURNS, 45 + a / 10 + c / 7 + u(8));
        Set(RATING_PUNT_RETURNS, 45 + a / 10 + c / 7 + u(8));
        break;
    case POSITION_FB:
        Set(RATING_SPEED, 60 + a / 6);
        Set(RATING_RECEIVING, 45 + d / 6 + u(10));
        Set(RATING_PASS_BLOCKING, 50 + b / 7 + u(12));
        Set(RATING_RUN_BLOCKING, 50 + b / 7 + u(15));
        Set(RATING_POWER, 53 + a / 5 + u(10));
        Set(RATING_QUICKNESS, 45 + a / 5 + u(10));
        Set(RATING_VISION, 45 + a / 6 + u(10));
        Set(RATING_HANDS, 50 + a / 10 + u(20));
        Set(RATING_RED_ZONE, 38 + d / 10 + u(6));
        Set(RATING_KICK_RETURNS, 42 + a / 10 + c / 7 + u(8));
        Set(RATING_PUNT_RETURNS, 42 + a / 10 + c / 7 + u(8));
        break;
    case POSITION_TE:
        Set(RATING_SPEED, 60 + a / 7 + u(10));
        Set(RATING_RECEIVING, 50 + b / 4);
        Set(RATING_PASS_BLOCKING, 60 - a / 6 + u(10));
        Set(RATING_RUN_BLOCKING, 70 - a / 6 + u(10));
        Set(RATING_POWER, 63 - a / 14 + u(10));
        Set(RATING_QUICKNESS, 53 + a / 6 + u(10));
        Set(RATING_VISION, 53 + b / 6 + u(10));
        Set(RATING_HANDS, 53 + b / 6 + u(15));
        Set(RATING_RED_ZONE, 42 + b / 20 + u(8));
        Set(RATING_KICK_RETURNS, 45 + a / 10 + c / 6 + u(8));
        Set(RATING_PUNT_RETURNS, 45 + a / 10 + c / 6 + u(8));
        break;
    case POSITION_WR:
        Set(RATING_SPEED, 75 + a / 6 + u(7));
        Set(RATING_RECEIVING, 58 + b / 4);
        Set(RATING_PASS_BLOCKING, 50 - a / 10 + u(10));
        Set(RATING_RUN_BLOCKING, 45 - a / 10 + u(10));
        Set(RATING_POWER, 65 - a / 10 + u(20));
        Set(RATING_QUICKNESS, 60 + a / 6 + u(10));
        Set(RATING_VISION, 60 + b / 7 + u(10));
        Set(RATING_HANDS, 60 + b / 7 + u(10));
        Set(RATING_RED_ZONE, 42 + a / 36 + b / 20 + u(8));
        Set(RATING_KICK_RETURNS, 60 + a / 15 + c / 5 + u(10));
        Set(RATING_PUNT_RETURNS, 60 + a / 15 + c / 5 + u(10));
        break;
    case POSITION_T:
    case POSITION_G:
    case POSITION_C:
        if (nPosition == POSITION_T) {
            Set(RATING_PASS_BLOCKING, 55 + a / 5 + u(10));
            Set(RATING_RUN_BLOCKING, 52 + a / 5 + u(10));
        } else if (nPosition == POSITION_G) {
            Set(RATING_PASS_BLOCKING, 52 + a / 5 + u(8));
            Set(RATING_RUN_BLOCKING, 55 + a / 5 + u(10));
        } else {
            Set(RATING_PASS_BLOCKING, 52 + a / 5 + u(8));
            Set(RATING_RUN_BLOCKING, 52 + a / 5 + u(8));
        }
        Set(RATING_DISCIPLINE, 50 + b / 6 + u(20));
        Set(RATING_SPEED, 35 + b / 5 + u(10));
        Set(RATING_RECEIVING, 20 + b / 3);
        Set(RATING_POWER, 40 + b / 5 + u(15));
        Set(RATING_QUICKNESS, 20 + b / 5 + u(15));
        Set(RATING_VISION, 40 + b / 5 + u(15));
        Set(RATING_HANDS, 20 + b / 10 + u(20));
        Set(RATING_KICK_RETURNS, 20 + b / 5 + u(10));
        Set(RATING_PUNT_RETURNS, 20 + b / 5 + u(10));
        break;
    case POSITION_DE:
        Set(RATING_RUN_DEFENSE, 52 + a / 5 + u(10));
        Set(RATING_PASS_RUSH, 62 + a / 4);
        Set(RATING_PASS_COVERAGE, 48 + a / 10 + u(10));
        Set(RATING_TURNOVERS, 53 + a / 10 + u(20));
        Set(RATING_TACKLING, 55 + a / 4 + u(12));
        Set(RATING_SPEED, 35 + b / 5 + u(10));
        Set(RATING_RECEIVING, 20 + b / 3);
        Set(RATING_POWER, 40 + b / 5 + u(15));
        Set(RATING_QUICKNESS, 30 + b / 5 + u(15));
        Set(RATING_VISION, 20 + b / 5 + u(15));
        Set(RATING_HANDS, 20 + b / 10 + u(20));
        Set(RATING_KICK_RETURNS, 20 + b / 5 + u(10));
        Set(RATING_PUNT_RETURNS, 20 + b / 5 + u(10));
        break;
    case POSITION_DT:
        Set(RATING_RUN_DEFENSE, 58 + a / 3);
        Set(RATING_PASS_RUSH, 50 + a / 5 + u(15));
        Set(RATING_PASS_COVERAGE, 45 + a / 10 + u(10));
        Set(RATING_TURNOVERS, 50 + a / 10 + u(20));
        Set(RATING_TACKLING, 52 + a / 4 + u(12));
        Set(RATING_SPEED, 25 + b / 5 + u(10));
        Set(RATING_RECEIVING, 15 + b / 3);
        Set(RATING_POWER, 45 + b / 5 + u(15));
        Set(RATING_QUICKNESS, 15 + b / 5 + u(15));
        Set(RATING_VISION, 15 + b / 5 + u(15));
        Set(RATING_HANDS, 15 + b / 10 + u(20));
        Set(RATING_KICK_RETURNS, 15 + b / 5 + u(10));
        Set(RATING_PUNT_RETURNS, 15 + b / 5 + u(10));
        break;
    case POSITION_LB:
        Set(RATING_RUN_DEFENSE, 50 + a / 5 + u(15));
        Set(RATING_PASS_RUSH, 50 + a / 8 + u(20));
        Set(RATING_PASS_COVERAGE, 50 + a / 10 + u(20));
        Set(RATING_TURNOVERS, 53 + a / 10 + u(20));
        Set(RATING_TACKLING, 58 + a / 4 + u(10));
        Set(RATING_SPEED, 45 + b / 5 + u(10));
        Set(RATING_RECEIVING, 30 + b / 3);
        Set(RATING_POWER, 40 + b / 5 + u(15));
        Set(RATING_QUICKNESS, 35 + b / 5 + u(15));
        Set(RATING_VISION, 20 + b / 5 + u(15));
        Set(RATING_HANDS, 30 + b / 10 + u(20));
        Set(RATING_KICK_RETURNS, 25 + b / 5 + u(10));
        Set(RATING_PUNT_RETURNS, 25 + b / 5 + u(10));
        break;
    case POSITION_CB:
        Set(RATING_RUN_DEFENSE, 50 + u(20));
        Set(RATING_PASS_RUSH, 50 + u(25));
        Set(RATING_PASS_COVERAGE, 63 + a / 4);
        Set(RATING_TURNOVERS, 53 + a / 5 + u(20));
        Set(RATING_TACKLING, 51 + a / 5 + u(10));
        Set(RATING_SPEED, 70 + b / 6 + u(8));
        Set(RATING_RECEIVING, 40 + b / 3);
        Set(RATING_POWER, 30 + b / 5 + u(15));
        Set(RATING_QUICKNESS, 45 + b / 5 + u(15));
        Set(RATING_VISION, 30 + b / 5 + u(15));
        Set(RATING_HANDS, 40 + b / 10 + u(20));
        Set(RATING_KICK_RETURNS, 50 + b / 4 + u(10));
        Set(RATING_PUNT_RETURNS, 50 + b / 4 + u(10));
        break;
    case POSITION_S:
        Set(RATING_RUN_DEFENSE, 55 + a / 5 + u(10));
        Set(RATING_PASS_RUSH, 52 + u(25));
        Set(RATING_PASS_COVERAGE, 57 + a / 4);
        Set(RATING_TURNOVERS, 53 + a / 5 + u(15));
        Set(RATING_TACKLING, 55 + a / 5 + u(15));
        Set(RATING_SPEED, 63 + b / 6 + u(10));
        Set(RATING_RECEIVING, 40 + b / 3);
        Set(RATING_POWER, 30 + b / 5 + u(15));
        Set(RATING_QUICKNESS, 45 + b / 5 + u(15));
        Set(RATING_VISION, 30 + b / 5 + u(15));
        Set(RATING_HANDS, 40 + b / 10 + u(20));
        Set(RATING_KICK_RETURNS, 50 + b / 5 + u(10));
        Set(RATING_PUNT_RETURNS, 50 + b / 5 + u(10));
        break;
    case POSITION_K:
    case POSITION_P: {
        const bool bKicker = nPosition == POSITION_K;
        Set(RATING_FG_ACCURACY, bKicker ? 50 + a / 5 + u(20) : 30 + a / 7 + u(20));
        Set(RATING_FG_DISTANCE, bKicker ? 50 + a / 5 + u(20) : 30 + a / 7 + u(20));
        Set(RATING_PUNT_ACCURACY, bKicker ? 30 + a / 7 + u(20) : 50 + a / 5 + u(20));
        Set(RATING_PUNT_DISTANCE, bKicker ? 30 + a / 7 + u(20) : 50 + a / 5 + u(20));
        Set(RATING_RUN_DEFENSE, 25 + b / 5 + u(10));
        Set(RATING_PASS_RUSH, 15 + u(25));
        Set(RATING_PASS_COVERAGE, 15 + b / 5 + u(15));
        Set(RATING_TURNOVERS, 20 + b / 5 + u(20));
        Set(RATING_TACKLING, (bKicker ? 30 : 25) + b / 5 + u(15));
        break;
    }
    default:
        break;
    }
}

// Default ratings by position, columns the rating indexes 0-26.
constexpr unsigned char DEFAULT_RATINGS[NUMBER_OF_POSITIONS][NUMBER_OF_RATINGS] = {
    {70, 70, 70, 70, 70, 70, 70, 50, 40, 40, 40, 30, 40, 30, 30, 25, 25, 30, 15, 15, 15, 15, 15, 20, 20, 20, 20},
    {70, 70, 40, 40, 40, 40, 40, 60, 60, 55, 55, 50, 50, 40, 40, 35, 35, 40, 15, 15, 20, 15, 15, 20, 20, 20, 20},
    {70, 70, 40, 40, 40, 40, 40, 50, 40, 40, 40, 30, 40, 35, 35, 55, 55, 40, 15, 15, 15, 15, 25, 20, 20, 20, 20},
    {70, 70, 40, 40, 40, 40, 40, 50, 40, 50, 40, 55, 45, 40, 40, 45, 45, 40, 15, 15, 30, 15, 15, 20, 20, 20, 20},
    {70, 70, 40, 40, 40, 40, 40, 65, 40, 55, 45, 65, 50, 50, 50, 45, 45, 40, 15, 15, 40, 15, 15, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 30, 30, 30, 30, 20, 20, 20, 20, 65, 55, 40, 15, 15, 15, 15, 15, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 30, 30, 30, 30, 20, 20, 20, 20, 55, 65, 40, 15, 15, 15, 15, 15, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 25, 30, 30, 30, 20, 20, 20, 20, 55, 60, 40, 15, 15, 15, 15, 15, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 35, 40, 35, 35, 20, 20, 25, 25, 35, 35, 30, 55, 65, 35, 45, 55, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 25, 50, 25, 25, 15, 15, 20, 20, 35, 35, 30, 65, 55, 25, 35, 45, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 45, 50, 55, 45, 65, 50, 30, 30, 25, 25, 30, 55, 45, 45, 35, 65, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 60, 30, 55, 45, 65, 50, 50, 50, 25, 25, 30, 45, 35, 65, 65, 50, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 55, 40, 55, 45, 65, 50, 40, 40, 25, 25, 30, 55, 35, 55, 55, 60, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 35, 30, 35, 35, 20, 20, 20, 20, 30, 30, 30, 15, 15, 15, 15, 15, 65, 65, 45, 45},
    {70, 70, 20, 20, 20, 20, 20, 35, 30, 35, 35, 20, 20, 20, 20, 30, 30, 30, 15, 15, 15, 15, 15, 45, 45, 65, 65},
};

// Weights of the weighted adjustment by rating index.
constexpr float RATING_WEIGHTS[NUMBER_OF_RATINGS] = {
    2.0f, 2.0f, 0.7f, 1.2f, 0.6f, 0.7f, 1.2f, 0.8f, 0.8f, 1.2f, 0.2f, 0.8f, 0.8f, 1.5f,
    1.0f, 1.0f, 1.0f, 0.5f, 1.0f, 1.0f, 1.1f, 0.9f, 1.0f, 0.7f, 1.2f, 0.7f, 1.2f};

// The suspension codes of the injury table.
bool Is_Suspension_Code(int nCode)
{
    return nCode == 180 || nCode == 181 || nCode == 182 || nCode == 184;
}

}  // namespace

void Generate_Player_Ratings(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    const RATING_WRITER Set{nTeam, nSlot};
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);

    const int h = 70 + u(20) - u(20);
    Set(RATING_HEALTH, h);
    Set(RATING_DURABILITY, h / 2 + 35 + u(10) - u(10));
    for (int r = RATING_ACCURACY; r < NUMBER_OF_RATINGS; ++r)
        Set(r, 20 + u(11));

    const int T1 = Get_Draft_Talent(DRAFT_TALENT_QUALITY, nPosition);
    const int T2 = Get_Draft_Talent(DRAFT_TALENT_SPREAD, nPosition);
    const int DT = Get_Draft_Talent_Setting();
    const int R = 100 + T2 / 2;
    const int H = (T2 / 2) / 2;
    const int M = (T1 + DT / 2) / 2;
    const int a = u(R) - H + M;
    const int b = u(R) - H + M;
    const int c = u(R) - H + M;
    const int d = u(R) - H + M;
    Apply_Position_Formulas(Set, nPosition, a, b, c, d);
}

void Set_Default_Player_Ratings(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return;
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(nTeam, nSlot, r, static_cast<float>(DEFAULT_RATINGS[nPosition][r]));
}

bool Does_Rating_Apply(int nPosition, int nRating)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS || nRating < 0 || nRating >= NUMBER_OF_RATINGS)
        return false;
    return Can_Play_Depth_Slot(nPosition, nRating);
}

void Modify_Player_Ratings(int nTeam, int nSlot, int bWeighted, float fAdjustment)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (!(std::fabs(fAdjustment) <= 1.0f)) {
        Report_Error("fAdjustment too large in Modify_Player_Ratings(%d, %d, [%f], %s)", nTeam, nSlot,
                     static_cast<double>(fAdjustment), bWeighted ? "TRUE" : "FALSE");
        // Applied as given, a raise past 1 lifts ratings beyond 99 and a
        // decline past -1 makes them negative: hold it to the scale's end.
        if (std::isnan(fAdjustment))
            fAdjustment = 0.0f;
        else
            fAdjustment = fAdjustment > 0.0f ? 1.0f : -1.0f;
    }
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r) {
        float v = Get_Player_Rating(nTeam, nSlot, r);
        if (Does_Rating_Apply(nPosition, r)) {
            if (fAdjustment < 0.0f) {
                const float x = bWeighted ? RATING_WEIGHTS[r] * fAdjustment : fAdjustment;
                // A weight above 1 could take the factor below 0 and the
                // rating negative; nothing falls below nothing.
                float fFactor = 1.0f + x;
                if (fFactor < 0.0f)
                    fFactor = 0.0f;
                v = v * fFactor;
            } else {
                const float x = (bWeighted && r == RATING_SPEED) ? 0.0f : fAdjustment * 70.0f;
                v = v + (99.0f - v) / 29.0f * x;
            }
        }
        Set_Player_Rating(nTeam, nSlot, r, v);
    }
}

void Create_Veteran_Player(int nTeam, int nSlot, int nPosition, float fFactor)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    Fabricate_Position_Player(nTeam, nSlot, nPosition, 0);
    const int nAge = 21 + u(12);
    Set_Random_Birth_Date(nTeam, nSlot, nAge);
    float fAdjustment = static_cast<float>(nAge - 80) / 200.0f * fFactor;
    if (fAdjustment < -0.7f)
        fAdjustment = -0.7f;
    Modify_Player_Ratings(nTeam, nSlot, 0, fAdjustment);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, 0);
    const int nSeasons = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, Get_Minimum_Salary(nSeasons > 0 ? nSeasons : 0));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, 1);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, 1);
}

void Fit_Player_Ratings_To_Target(int nTeam, int nSlot, int nPosition, float fFactor)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (nPosition < 0 || nPosition >= NUMBER_OF_EXPANDED_POSITIONS) {
        Report_Error("nPosition out of bounds in %s(%d,%d,[%d],%f)", __func__, nTeam, nSlot, nPosition,
                     static_cast<double>(fFactor));
        return;
    }
    // The threshold stays as the caller's factor sets it; only the decline
    // of later veterans deepens.
    const float fThreshold = 70.0f - 11.0f * fFactor;
    float g = fFactor;
    for (int k = 0; k <= 500; ++k) {
        if (k > 50)
            g += 0.05f;
        Create_Veteran_Player(nTeam, nSlot, nPosition, g);
        const int nOwn = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        float o = Get_Position_Overall_Rating(nTeam, nSlot, nOwn);
        if (o < 25.0f) {
            Generate_Player_Ratings(nTeam, nSlot);
            o = Get_Position_Overall_Rating(nTeam, nSlot, nOwn);
        }
        if (o > fThreshold) {
            Settle_Player_Ratings(nTeam, nSlot);
            return;
        }
    }
    Scale_Player_To_Overall(nTeam, nSlot, fThreshold);
    Settle_Player_Ratings(nTeam, nSlot);
}

void Assign_New_Player_Id(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, Make_Unique_Player_Id(nTeam, nSlot));
}

int Is_Player_Suspended(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) >= 1 &&
                   Is_Suspension_Code(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY))
               ? 1
               : 0;
}

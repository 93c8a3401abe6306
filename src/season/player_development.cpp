// How players develop: growth, decline, the pull of high ratings, and the
// per-mille moves of predicted season lines.
#include "season/player_development.h"

#include <algorithm>
#include <cstdint>

#include "base/random.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "platform/errors.h"
#include "season/player_generation.h"
#include "season/player_value.h"

namespace {

constexpr int SETTING_LIMIT = 100;
constexpr int MODIFIER_LOG_LIMIT = 950;
constexpr int SENSITIVITY_GROUPS = 5;
constexpr int SENSITIVITY_REGIONS = 5;
constexpr int GENERAL_REGION = 4;
constexpr int QUARTERBACK_GROUP = 4;
constexpr int SPEED_LOSS_AGE = 25;            // Speed falls every year after this age
constexpr float SPEED_LOSS = 1.3f;
constexpr int HIGH_OVERALL = 80;              // above it the random pull may apply
constexpr float HIGH_RATING = 85.0f;          // above it a rating loses some each year
constexpr float FOLD_POINT = 198.0f;          // a value above 99 reads as 198 - value
constexpr int DOUBLE_LOSS_AGE = 30;
constexpr int NORMAL_DECLINE_DIVISOR = 100;

// A fresh fraction in [0, 1).
double Draw_U()
{
    return Random_Word_To_Fraction(Generate_Random_Number());
}

int Clamp_Setting(int nValue)
{
    return std::clamp(nValue, -SETTING_LIMIT, SETTING_LIMIT);
}

// Peak-end ages by position 0-14; the quarterback's grows with the era.
constexpr int DECLINE_AGE[NUMBER_OF_POSITIONS] = {32, 27, 29, 29, 29, 28, 30, 29, 29, 30, 29, 28, 28, 35, 35};

// One full season of a regular starter, position x statistic.
constexpr int TYPICAL_SEASON[NUMBER_OF_POSITIONS][STATS_PER_PERIOD] = {
    {16, 16, 450, 300, 8, 3800, 30, 50, 200, 2, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0},           // QB
    {16, 16, 0, 80, 0, 0, 0, 300, 1440, 10, 40, 360, 2, 1, 0, 0, 0, 0, 0, 0},            // RB
    {16, 16, 0, 96, 0, 0, 0, 100, 440, 5, 20, 180, 1, 1, 0, 0, 0, 0, 0, 0},              // FB
    {16, 16, 0, 93, 0, 0, 0, 0, 0, 0, 80, 960, 6, 1, 0, 0, 0, 0, 0, 0},                  // TE
    {16, 16, 0, 80, 0, 0, 0, 5, 30, 0, 85, 1300, 10, 1, 30, 750, 0, 30, 375, 0},         // WR
    {16, 16, 0, 0, 12, 95, 95, 115, 520, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},            // T
    {16, 16, 0, 0, 16, 95, 95, 310, 1160, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},           // G
    {16, 16, 0, 0, 20, 95, 95, 195, 640, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},            // C
    {16, 16, 40, 20, 25, 3, 3, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                   // DE
    {16, 16, 75, 30, 18, 2, 5, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                   // DT
    {16, 16, 100, 35, 10, 1, 12, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                 // LB
    {16, 16, 60, 8, 2, 0, 21, 6, 2, 0, 0, 0, 0, 0, 15, 350, 0, 15, 175, 0},              // CB
    {16, 16, 80, 10, 5, 0, 12, 3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                   // S
    {16, 16, 0, 0, 0, 0, 0, 0, 50, 50, 8, 8, 10, 9, 8, 6, 3, 2, 60, 0},                  // K
    {16, 16, 50, 2250, 17, 65, 3, 350, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},              // P
};

// How strongly a statistic follows a modifier, in percent: group (0 backs and
// receivers, 1 line, 2 defence, 3 kickers, 4 quarterback) x statistic x body
// region (0-3 as the injury regions, 4 the general case).
constexpr int SENSITIVITY[SENSITIVITY_GROUPS][STATS_PER_PERIOD][SENSITIVITY_REGIONS] = {
    {
        // Backs and receivers
        {50, 50, 50, 0, 100},
        {50, 50, 50, 0, 100},
        {-50, -100, -50, -100, 0},
        {55, 55, 55, 55, 55},
        {40, 60, 50, 50, 50},
        {120, 180, 150, 150, 150},
        {120, 180, 150, 150, 150},
        {100, 25, 50, 50, 50},
        {200, 50, 100, 100, 100},
        {200, 50, 100, 100, 100},
        {75, 125, 100, 100, 100},
        {120, 180, 150, 150, 150},
        {175, 225, 200, 200, 200},
        {-50, -100, -50, -100, 0},
        {50, 25, 25, 40, 40},
        {100, 30, 60, 75, 75},
        {100, 30, 60, 75, 75},
        {50, 25, 25, 40, 40},
        {100, 30, 60, 75, 75},
        {100, 30, 60, 75, 75},
    },
    {
        // Offensive line
        {25, 25, 25, 0, 50},
        {25, 25, 25, 0, 50},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {-50, -50, -50, -50, -50},
        {50, 100, 75, 75, 75},
        {100, 50, 75, 75, 75},
        {0, 0, 0, 0, 0},
        {50, 50, 50, 50, 50},
        {0, 0, 0, 0, 0},
        {-100, -100, -100, -100, -50},
        {-100, -100, -100, -100, -50},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
    },
    {
        // Defence
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {150, 150, 150, 150, 150},
        {150, 150, 150, 150, 150},
        {150, 150, 150, 150, 150},
        {150, 150, 150, 150, 150},
        {150, 150, 150, 150, 150},
        {150, 150, 150, 150, 150},
        {150, 150, 150, 150, 150},
        {150, 150, 150, 150, 150},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {50, 25, 25, 40, 40},
        {100, 30, 60, 75, 75},
        {100, 30, 60, 75, 75},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
    },
    {
        // Kickers and punters
        {40, 10, 20, 20, 20},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {100, 25, 50, 50, 50},
        {100, 25, 50, 50, 50},
        {10, 0, 5, 5, 5},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {25, 0, 10, 10, 10},
        {0, 0, 0, 0, 0},
        {50, 0, 20, 20, 20},
        {0, 0, 0, 0, 0},
        {50, 0, 20, 20, 20},
        {0, 0, 0, 0, 0},
        {50, 0, 20, 20, 20},
        {0, 0, 0, 0, 0},
        {50, 0, 25, 25, 25},
        {10, 0, 5, 5, 5},
        {0, 0, 0, 0, 0},
    },
    {
        // Quarterback
        {50, 50, 50, 0, 100},
        {50, 50, 50, 0, 100},
        {15, 50, 25, 25, 25},
        {33, 110, 55, 55, 55},
        {-62, -125, -62, -200, -100},
        {45, 170, 85, 85, 85},
        {30, 120, 60, 60, 60},
        {100, 25, 50, 50, 50},
        {200, 50, 100, 100, 100},
        {200, 50, 100, 100, 100},
        {75, 125, 100, 100, 100},
        {120, 180, 150, 150, 150},
        {175, 225, 200, 200, 200},
        {-50, -100, -50, -100, 0},
        {-50, -100, -50, -100, 0},
        {-50, -100, -50, -100, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0},
    },
};

}  // namespace

// ---------------------------------------------------------------------------
// Settings

int Get_Player_Aging()
{
    return Clamp_Setting(Get_Universe_Stat(PLAYER_AGING_STAT));
}

void Set_Player_Aging(int nValue)
{
    Set_Universe_Stat(PLAYER_AGING_STAT, Clamp_Setting(nValue));
}

int Get_Reversion_To_Mean()
{
    return Clamp_Setting(Get_Universe_Word(REVERSION_TO_MEAN_WORD));
}

void Set_Reversion_To_Mean(int nValue)
{
    Set_Universe_Word(REVERSION_TO_MEAN_WORD, Clamp_Setting(nValue));
}

// ---------------------------------------------------------------------------
// Tables

int Get_Position_Decline_Age(int nPosition)
{
    nPosition = std::clamp(nPosition, 0, NUMBER_OF_POSITIONS - 1);
    if (nPosition == POSITION_QB)
        return DECLINE_AGE[POSITION_QB] + std::max(0, (Get_Current_Year() - 1950) / 20);
    return DECLINE_AGE[nPosition];
}

int Get_Typical_Season_Stat(int nPosition, int nStat)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS || nStat < 0 || nStat >= STATS_PER_PERIOD)
        return 0;
    return TYPICAL_SEASON[nPosition][nStat];
}

// ---------------------------------------------------------------------------
// Aging

float Get_Yearly_Rating_Change(int nTeam, int nSlot, int bRandom)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0.0f;
    const float a = static_cast<float>(Get_Player_Age(nTeam, nSlot));
    const float g = static_cast<float>(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PEAK_START));
    const float d = static_cast<float>(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PEAK_END));
    float fChange = 0.0f;
    if (g > a) {
        fChange = static_cast<float>(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POTENTIAL)) / 100.0f * 2.0f;
    } else if (a > d) {
        const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        const float m = (static_cast<float>(Get_Position_Decline_Age(nPosition)) + d) * 0.5f;
        const float f = a > m ? -(a - m) : -1.0f;
        // An imported or edited player may carry no divisor: he declines at
        // the normal pace rather than without bound.
        int nDivisor = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_LONGEVITY);
        if (nDivisor <= 0)
            nDivisor = NORMAL_DECLINE_DIVISOR;
        fChange = static_cast<float>(Get_Player_Aging() + 100) / static_cast<float>(nDivisor) * f;
    }
    if (bRandom) {
        const double u1 = Draw_U();
        const double u2 = Draw_U();
        fChange = static_cast<float>(fChange + 2.0 * u1 - 2.0 * u2);
    }
    return fChange;
}

void Age_Player_Ratings(int nTeam, int nSlot, int bRandom)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    const int nAge = Get_Player_Age(nTeam, nSlot);

    const float fDelta = Get_Yearly_Rating_Change(nTeam, nSlot, bRandom) / 100.0f;
    if (nAge < Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PEAK_START) ||
        nAge > Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PEAK_END))
        Modify_Player_Ratings(nTeam, nSlot, 1, fDelta);

    if (nAge > SPEED_LOSS_AGE)
        Set_Player_Rating(nTeam, nSlot, RATING_SPEED, Get_Player_Rating(nTeam, nSlot, RATING_SPEED) - SPEED_LOSS);

    const int nReversion = Get_Reversion_To_Mean();
    const float k = static_cast<float>(nReversion + 100) / 400.0f;

    if (bRandom) {
        float o = Get_Player_Overall_Rating(nTeam, nSlot);
        if (o < 25.0f) {
            Generate_Player_Ratings(nTeam, nSlot);
            o = Get_Player_Overall_Rating(nTeam, nSlot);
        }
        const int nOverall = static_cast<int>(o);
        if (nOverall > HIGH_OVERALL) {
            const int64_t e = nOverall - HIGH_OVERALL;
            const int64_t r = static_cast<int64_t>(Draw_U() * 100.0);
            const int64_t l = (e * (nReversion + 100) + 50) / 100;
            if (r < l)
                Modify_Player_Ratings(nTeam, nSlot, 0, -(static_cast<float>(l - r) / 1000.0f + 0.01f));
        }
    }

    for (int i = 0; i < NUMBER_OF_RATINGS; ++i) {
        float x = Get_Player_Rating(nTeam, nSlot, i);
        if (x > 99.0f)
            x = FOLD_POINT - x;
        if (!(x > HIGH_RATING))
            continue;
        const float fOver = x - HIGH_RATING;
        float fLoss = 0.0f;
        if (bRandom) {
            const float s = fOver * fOver / 250.0f;
            const double u1 = Draw_U();
            if (s > u1) {
                const double u2 = Draw_U();
                fLoss = static_cast<float>(u2) * s * 3.0f;
            }
        } else {
            fLoss = fOver * fOver * fOver * fOver / 41666.7f;
        }
        fLoss *= k;
        if (nAge > DOUBLE_LOSS_AGE)
            fLoss *= 2.0f;
        Set_Player_Rating(nTeam, nSlot, i, x - fLoss);
    }
}

// ---------------------------------------------------------------------------
// Predicted statistics

void Modify_Predicted_Player_Stats(int nTeam, int nSlot, int nSeason, int nStat, int nModifier, int nRegion,
                                   int bRandom)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (nStat < 0 || nStat >= STATS_PER_PERIOD) {
        Report_Error("nStat out of bounds in %s(%d,%d,%d,[%d])", __func__, nTeam, nSlot, nSeason, nStat);
        return;
    }
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return;
    if (nModifier < -MODIFIER_LOG_LIMIT || nModifier > MODIFIER_LOG_LIMIT)
        Write_Debug_Log("Modifier too large in Modify_Predicted_Player_Stats(%d,%d,%d,%d,%d)", nTeam, nSlot, nSeason,
                        nModifier, nRegion);
    const int r = bRandom ? static_cast<int>(Draw_U() * 1000.0) : 500;

    // A region outside the table reads as the general case.
    const int nUseRegion = nRegion >= 0 && nRegion < SENSITIVITY_REGIONS ? nRegion : GENERAL_REGION;
    const int nGroup = nPosition == POSITION_QB ? QUARTERBACK_GROUP : Get_Position_Unit(nPosition);
    const int S = SENSITIVITY[nGroup][nStat][nUseRegion];
    const int64_t m = Get_Rounded_Product(nModifier, S, 100);

    const int64_t p = static_cast<int64_t>(Get_Typical_Season_Stat(nPosition, nStat)) * m;
    int64_t q = p / 1000;
    if (p >= 1) {
        if (r < p % 1000)
            ++q;
    } else if (r < (-p) % 1000) {
        --q;
    }

    const int64_t c = Get_Player_Stat(nTeam, nSlot, nSeason, nStat);
    int64_t n = c + q;
    if (n < c / 2)
        n = Get_Rounded_Product(c, 1000 + m, 1000);
    Set_Player_Stat(nTeam, nSlot, nSeason, nStat, static_cast<int>(std::clamp<int64_t>(n, INT32_MIN, INT32_MAX)));
}

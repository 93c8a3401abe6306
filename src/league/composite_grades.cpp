// The composite card grades: single-precision blends of ratings, a value
// grade built from their cubes, and a salary grade from the value.
#include "league/composite_grades.h"

#include <cmath>
#include <cstdint>

#include "base/int_math.h"
#include "league/player.h"
#include "base/random.h"

namespace {

constexpr int SALARY_LIMIT_COUNT = 9;
// The grade level of the first limit a value is below.
constexpr int SALARY_LEVELS[SALARY_LIMIT_COUNT] = {0, 2, 3, 5, 8, 10, 12, 15, 20};
// Value limits by position QB to S (kickers and punters always get 0).
constexpr int SALARY_LIMITS[POSITION_S + 1][SALARY_LIMIT_COUNT] = {
    {2000, 2100, 4000, 5500, 8500, 11500, 13000, 17500, 22500},   // QB
    {2000, 3900, 4800, 7000, 8000, 10000, 12000, 17500, 22500},   // RB
    {2000, 3000, 4000, 7000, 8500, 11500, 13000, 17500, 22500},   // FB
    {2000, 3000, 4000, 7000, 8500, 10000, 13000, 17500, 22500},   // TE
    {1770, 3430, 4500, 6300, 8500, 11500, 13000, 17500, 22500},   // WR
    {2300, 3400, 4500, 6700, 7900, 10000, 13000, 17500, 22500},   // T
    {2280, 3000, 3600, 6700, 8500, 11500, 13000, 17500, 22500},   // G
    {2800, 4700, 5500, 6500, 7700, 11500, 13000, 17500, 22500},   // C
    {3500, 4400, 5300, 6300, 7400, 10000, 15000, 20000, 22500},   // DE
    {2000, 4300, 5150, 7000, 8500, 11000, 13000, 17500, 22500},   // DT
    {1500, 2900, 4650, 6800, 8700, 12000, 17500, 17500, 22500},   // LB
    {2700, 4100, 5200, 6550, 7700, 10000, 11500, 17500, 22500},   // CB
    {2400, 3750, 4750, 7215, 9000, 11500, 13000, 17500, 22500},   // S
};
// The highest salary grade by position QB to P.
constexpr int SALARY_CAPS[POSITION_P + 1] = {20, 15, 15, 15, 15, 12, 12, 12, 20, 15, 15, 15, 15, 0, 0};

// A float cut toward zero to an int; values beyond the int range are held.
int Cut(float f)
{
    if (std::isnan(f))
        return 0;
    if (f >= 2147483520.0f)
        return INT32_MAX;
    if (f <= -2147483520.0f)
        return INT32_MIN;
    return static_cast<int>(f);
}

// (k x x + d / 2) / d toward zero; 0 for x = 0; one less for a negative x
// whose product is not a multiple of d.
int64_t Round_Scaled(int64_t x, int64_t k, int64_t d)
{
    if (x == 0)
        return 0;
    int64_t nProduct = k * x;
    int64_t q = (nProduct + d / 2) / d;
    if (x < 0 && nProduct % d != 0)
        q--;
    return q;
}

// (k x S + r) / d toward zero, one less when S is negative and not a multiple of d.
int64_t Scale_Sum(int64_t S, int64_t k, int64_t r, int64_t d)
{
    int64_t q = (k * S + r) / d;
    if (S < 0 && S % d != 0)
        q--;
    return q;
}

int64_t Cube(int64_t x)
{
    return x * x * x;
}

}  // namespace

int Get_Composite_Grade(int nTeam, int nSlot, int nCode)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    int p = Get_Player_Position(nTeam, nSlot);
    bool bBack = p >= POSITION_RB && p <= POSITION_WR;
    bool bLine = p >= POSITION_T && p <= POSITION_C;
    auto r = [&](int n) { return Get_Player_Rating(nTeam, nSlot, n); };
    switch (nCode) {
    case 400:
        return Cut(r(RATING_PASS_BLOCKING));
    case 401:
        return Cut(r(RATING_RUN_BLOCKING));
    case 402: {
        float v = 0.45f * r(RATING_SPEED) + 0.45f * r(RATING_QUICKNESS);
        if (p == POSITION_TE)
            v = v - 30.0f;
        else if (p == POSITION_WR)
            v = v - 40.0f;
        else if (bLine)
            v = v / 3.0f;
        return Cut(v);
    }
    case 403:
        if (p == POSITION_QB || p == POSITION_RB || p == POSITION_FB)
            return Cut(r(RATING_POWER));
        if (p == POSITION_TE || p == POSITION_WR)
            return Cut((r(RATING_VISION) + r(RATING_POWER)) / 3.0f);
        return Cut(r(RATING_POWER) / 3.8f);
    case 404:
        if (bBack)
            return Cut(r(RATING_RECEIVING));
        return Cut(5.0f + 0.1f * r(RATING_ACCURACY) + 0.1f * r(RATING_CONTROL) + 0.1f * r(RATING_PASS_BLOCKING));
    case 405:
        if (p == POSITION_QB)
            return Cut(r(RATING_ACCURACY));
        return Cut(5.0f + 0.1f * r(RATING_ACCURACY) + 0.1f * r(RATING_CONTROL) + 0.1f * r(RATING_PASS_BLOCKING));
    case 406:
        if (p == POSITION_QB || bBack)
            return Cut(r(RATING_RED_ZONE));
        return Cut(7.0f + 0.2f * r(RATING_RED_ZONE) + 0.2f * r(RATING_PASS_BLOCKING));
    case 407:
        return Cut(0.9f * r(RATING_RUN_DEFENSE));
    case 408:
        return Cut(0.9f * r(RATING_PASS_RUSH));
    case 409:
        return Cut(0.9f * r(RATING_PASS_COVERAGE));
    case 410:
        return Cut(0.9f * r(RATING_TACKLING));
    default:
        return 0;
    }
}

int Get_Composite_Value_Grade(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    // g' = max(0, g / 10 - 50) of each skill grade.
    int64_t g[11];
    for (int i = 0; i < 11; i++) {
        int64_t n = Get_Composite_Grade(nTeam, nSlot, FIRST_COMPOSITE_GRADE + i) / 10 - 50;
        g[i] = n > 0 ? n : 0;
    }
    const int64_t PB = g[0], RBk = g[1], Ru = g[2], GL = g[3], Rec = g[4], Pa = g[5], RZ = g[6];
    const int64_t RD = g[7], PR = g[8], Cov = g[9], Tk = g[10];

    int p = Get_Player_Position(nTeam, nSlot);
    int64_t V = 0;
    if (p == POSITION_QB) {
        int64_t S = Round_Scaled(Cube(Pa), 30, 400) + Round_Scaled(RZ * RZ * Pa, 30, 400) +
                    Round_Scaled(Pa * Ru * Ru, 23, 400) + Round_Scaled(Pa * Rec * Rec, 17, 400) - 1228;
        V = Scale_Sum(S, 22000, 4186, 8372);
    } else if (p >= POSITION_RB && p <= POSITION_WR) {
        int64_t S = Round_Scaled(Cube(Ru), 43, 100) + Round_Scaled(Cube(Rec), 50, 100) + Round_Scaled(Cube(GL), 55, 100) +
                    Round_Scaled(Cube(RZ), 65, 100) + Round_Scaled(Cube(RBk), 30, 100) + Round_Scaled(Cube(PB), 30, 100);
        V = Scale_Sum(S, 15000, 22100, 44200);
        if (p == POSITION_WR)
            V -= 1300;
    } else if (p >= POSITION_T && p <= POSITION_C) {
        int64_t S = Cube(PB) + Cube(RBk) - 8000;
        V = Scale_Sum(S, 9200, 13500, 27000) + 1000;
    } else if (p >= POSITION_DE && p <= POSITION_S) {
        int64_t a = RD;
        if (p == POSITION_DE || p == POSITION_DT || p == POSITION_LB)
            a -= 5;
        int64_t S = Cube(Tk) + Cube(Cov) + Cube(PR) + Cube(a) - 14000;
        V = Scale_Sum(S, 15000, 25000, 50000);
    }
    // The rounded root of 1,000 V, which is held within +/-1,000,000,000.
    int64_t x = 1000 * V;
    if (x > 1000000000)
        x = 1000000000;
    if (x < -1000000000)
        x = -1000000000;
    int64_t y = Get_Rounded_Sqrt(static_cast<int>(x));
    int64_t r = (3 * y) / 2 + (10 * V) / 19;
    if (r < 2000)
        r = (r + 8000) / 5;
    return Clamp_To_Int(r);
}

int Get_Composite_Salary_Grade(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    int p = Get_Player_Position(nTeam, nSlot);
    if (p < POSITION_QB || p > POSITION_S)
        return 0;   // kickers and punters
    int v = Get_Composite_Value_Grade(nTeam, nSlot);
    int nGrade = v;
    for (int i = 0; i < SALARY_LIMIT_COUNT; i++) {
        if (v < SALARY_LIMITS[p][i]) {
            nGrade = SALARY_LEVELS[i];
            break;
        }
    }
    if (nSlot == 0 && nGrade < 2)
        nGrade = 2;
    if (nGrade > SALARY_CAPS[p])
        nGrade = SALARY_CAPS[p];
    return nGrade < 0 ? 0 : nGrade;
}

int Get_Grade_Combo_Bonus(int nSection, int nGradeA, int nGradeB)
{
    auto Has = [&](int nCode) { return nGradeA == nCode || nGradeB == nCode; };
    switch (nSection) {
    case 0:
        if (Has(407))
            return Has(410) ? 5 : 4;
        return Has(410) ? 1 : 0;
    case 1:
        if (Has(407))
            return Has(410) ? 5 : 2;
        return Has(410) ? 3 : 0;
    case 2:
        if (Has(409))
            return Has(410) ? 7 : 4;
        return Has(410) ? 3 : 0;
    case 3:
        if (Has(409))
            return Has(408) ? 7 : 2;
        return Has(408) ? 5 : 0;
    default:
        return 0;
    }
}

int Get_Grade_Combo_Bonus_2(int nSection, int nGradeA, int nGradeB)
{
    auto Has = [&](int nCode) { return nGradeA == nCode || nGradeB == nCode; };
    switch (nSection) {
    case 0:
        if (Has(401))
            return Has(403) ? 3 : 1;
        return Has(403) ? 2 : 0;
    case 1:
        return Has(402) ? 3 : 0;
    case 2:
        if (Has(405))
            return Has(404) ? 3 : 1;
        return Has(404) ? 2 : 0;
    case 3: {
        int nBonus = Has(406) ? 3 : 0;
        if (Has(405))
            nBonus = Has(406) ? 5 : 2;
        return nBonus + (Has(400) ? 1 : 0);
    }
    default:
        return 0;
    }
}

// The statistics' grades (codes 200-233 but 225 and 226) on the 20-99 scale
// before the scouting modifier, and the production scores 420-430 with the
// build measure behind them. Every product is taken in 64 bits: career
// totals overflow 32-bit arithmetic.

#include <cstdint>

#include "league/historical.h"
#include "base/int_math.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/player_stats_internal.h"
#include "league/player_text.h"
#include "base/random.h"
#include "season/player_generation.h"

namespace stats_detail {

namespace {

// The grade of a group the code does not describe.
constexpr int64_t NOT_APPLICABLE = 20;
// The passing and receiving grades of players who neither pass nor catch.
constexpr int64_t NON_PASSER_GRADE = 40;
constexpr int OUTSIDE_LINEBACKER_PLACE = 33;
constexpr int INSIDE_LINEBACKER_PLACE = 32;
constexpr int FIELD_GOAL_REFERENCE_YEAR = 2023;

int64_t Compress(int64_t nValue)
{
    return static_cast<int64_t>(Compress_Overall_Rating(static_cast<float>(Clamp_To_Int(nValue))));
}

int64_t Max(int64_t a, int64_t b)
{
    return a > b ? a : b;
}

int64_t Min(int64_t a, int64_t b)
{
    return a < b ? a : b;
}

int64_t League_Yards_Per_Rush()
{
    return Get_Historical_Average_Stat(112, Get_Current_Year());
}

int64_t League_Yards_Per_Catch()
{
    return Get_Historical_Average_Stat(113, Get_Current_Year());
}

bool Is_Tight_End_Or_Receiver(const STAT_VIEW& V)
{
    return V.nPosition == POSITION_TE || V.nPosition == POSITION_WR;
}

bool Is_Running_Back_Or_Fullback(const STAT_VIEW& V)
{
    return V.nPosition == POSITION_RB || V.nPosition == POSITION_FB;
}

bool Is_Defensive_Lineman(const STAT_VIEW& V)
{
    return V.nPosition == POSITION_DE || V.nPosition == POSITION_DT;
}

// Code 205, or 206 for tight ends and wide receivers: the base of the
// athletic grades of backs and receivers.
int64_t Rushing_Or_Receiving(const STAT_VIEW& V)
{
    return V.C(Is_Tight_End_Or_Receiver(V) ? 206 : 205);
}

// The receiving yards per catch against the league's, spread over touches:
// Mul_Div_Rounded(2 x (c113 - H113), s10, 100 x (c115 + 20)).
int64_t Catch_Length_Bonus(const STAT_VIEW& V)
{
    return Mul_Div(2 * (V.C(113) - League_Yards_Per_Catch()), V.S(10), 100 * (V.C(115) + 20));
}

// Yards after the catch against 40, spread the same way.
int64_t After_Catch_Bonus(const STAT_VIEW& V)
{
    return Mul_Div((V.C(114) - 40) * 2, V.S(10), 100 * (V.C(115) + 20));
}

// Grades 200-203 of a quarterback from his league-relative rate v.
int64_t Passing_Grade(const STAT_VIEW& V, int64_t v)
{
    int64_t g = Rate(v, 1000, 70);
    if (g < 70)
        g = (2 * g + 70) / 3;
    if (Get_Universe_Word(REPLAY_MODE_WORD) != 0)
        g = Apply_Small_Sample_Damping(V.nTeam, V.nSlot, Clamp_To_Int(g));
    return g;
}

int64_t Passing_Grade_Of_Code(const STAT_VIEW& V, int nCode)
{
    if (!V.Is_QB())
        return V.nUnit == UNIT_BACKS ? NON_PASSER_GRADE : NOT_APPLICABLE;
    int nRate;
    switch (nCode) {
    case 200:
        nRate = 172;
        break;
    case 201:
        nRate = 170;
        break;
    default:
        nRate = 173;
        break;
    }
    return Passing_Grade(V, V.C(nRate));
}

int64_t Red_Zone_Grade(const STAT_VIEW& V)
{
    if (V.Is_QB())
        return Passing_Grade(V, V.C(V.nPeriod == STAT_PERIOD_PREDICTED ? 106 : 171));
    if (V.nUnit == UNIT_BACKS)
        return 35 + (V.C(228) + V.C(230)) / 10;
    return NOT_APPLICABLE;
}

int64_t Mobility_Grade(const STAT_VIEW& V)
{
    if (!V.Is_QB())
        return V.C(229) / 2 + V.C(228) / 4;
    int64_t v;
    if (V.S(14) > 0 && V.S(15) > 0)
        v = Max(Root(V.S(8) + 25 - V.S(7)), 3) + 80 - Rate(V.S(15) + 8 * V.S(14), V.S(2), 20);
    else
        v = Max(Root(4 * (V.S(8) - V.S(7)) + 100), 5) + 45;
    return Rate(v, 117, V.S(1) + 100);
}

int64_t Rushing_Grade(const STAT_VIEW& V)
{
    if (V.nUnit == UNIT_BACKS) {
        int64_t H112 = League_Yards_Per_Rush();
        int64_t y = V.S(8);
        if (V.Is_QB())
            y = Rate(y, 100, 175);
        int64_t m = Mul_Div(y, H112 + Clamp_Range(V.C(112), 250, 750), 2 * H112);
        if (V.nPosition == POSITION_FB)
            m = (m + 1000) / 2;
        int64_t g = Root(2 * m + 600) + 32;
        return V.Is_QB() ? (V.C(204) + g) / 2 : g;
    }
    if (V.nUnit == UNIT_DEFENSE)
        return Max(V.C(217) / 2 + V.C(218) / 2 + V.C(232) / 10 + V.C(231) / 15 - 40, 20);
    return NON_PASSER_GRADE;
}

int64_t Receiving_Grade(const STAT_VIEW& V)
{
    if (V.nUnit == UNIT_BACKS) {
        int64_t v = V.S(11) + 100;
        if (Is_Running_Back_Or_Fullback(V))
            v = Rate(v, 100, 175);
        return Root(2 * (V.C(113) + v - League_Yards_Per_Catch()) + 600) + 32;
    }
    if (V.nUnit == UNIT_DEFENSE)
        return Max(V.C(217) + V.C(218) / 2 + V.C(232) / 10 + V.C(231) / 15 - 75, 20);
    return NON_PASSER_GRADE;
}

int64_t Hands_Grade(const STAT_VIEW& V)
{
    if (V.Is_QB()) {
        int64_t N = V.S(2) + 5 * V.S(7) + 15 * V.S(10) + 10;
        return Max(Mul_Div(400, N - 5 * V.S(13) - 10 * V.S(19) - V.S(0) - V.S(1), N) - 300, 50);
    }
    if (V.nUnit == UNIT_BACKS) {
        int64_t N = V.S(7) / 2 + 5 * V.S(10) + 3 * V.C(140) + 10;
        int64_t h = Max(Mul_Div(400, N - V.S(2) - 1, N) - 300, 50);
        return (h + 60 + Mul_Div(100, V.S(10), V.S(1) + 2 * V.S(0) + 6) / 6) / 2 - 5;
    }
    if (V.nUnit == UNIT_DEFENSE)
        return Mul_Div(20, 2 * V.S(8), V.S(0) + V.S(1)) + 20;
    return NOT_APPLICABLE;
}

int64_t Health_Grade(const STAT_VIEW& V)
{
    int64_t n = Min(V.S(0) + V.S(1), 28);
    return n > 16 ? n + 54 : 70;
}

int64_t Durability_Grade(const STAT_VIEW& V)
{
    if (V.nUnit != UNIT_BACKS)
        return V.C(208);
    int64_t x = V.C(115) - 4 * V.S(0) + V.S(11) / 5;
    if (V.Is_QB())
        x += V.C(115) + V.S(14) + V.S(2) / 5;
    return 20 + Root(12 * (x + 75));
}

// 210 and 211 read the games and starts of the predicted, career and last periods.
int64_t Blocking_Grade(const STAT_VIEW& V, int nCode)
{
    int64_t x = 0;
    for (int nPeriod = STAT_PERIOD_PREDICTED; nPeriod >= STAT_PERIOD_LAST_SEASON; nPeriod--)
        x += V.S_Of(nPeriod, 1) + V.S_Of(nPeriod, 0);
    x /= 3;
    const bool bPass = nCode == 210;
    int64_t b = 0;
    switch (V.nPosition) {
    case POSITION_T:
        b = Root(x) + (bPass ? 16 : 13);
        break;
    case POSITION_G:
        b = Root(x) + (bPass ? 13 : 16);
        break;
    case POSITION_C:
        b = Root(x) + 13;
        break;
    case POSITION_FB:
    case POSITION_TE: {
        int64_t RM = Get_Player_Rated_Measure(V.nTeam, V.nSlot);
        b = bPass ? RM / 10 + 10 + Root(x) : RM / 5 + 12 + Root(x);
        break;
    }
    case POSITION_QB:
    case POSITION_RB:
    case POSITION_WR: {
        int64_t RM = Get_Player_Rated_Measure(V.nTeam, V.nSlot);
        b = bPass ? RM / 10 : RM / 5 - 5;
        break;
    }
    default:
        b = 0;
        break;
    }
    // No base, no grade (then raised to the floor).
    if (b == 0)
        return 0;
    int64_t g = 50 + Rate((50 - V.Age()) * b, 24, 1);
    if (V.nUnit == UNIT_LINE)
        g += Get_Player_Vital_Blend(V.nTeam, V.nSlot);
    return g;
}

int64_t Discipline_Grade(const STAT_VIEW& V)
{
    if (V.nUnit != UNIT_LINE)
        return NOT_APPLICABLE;
    auto A = [&](int n) { return static_cast<int64_t>(Get_Average_Stat(V.nPosition, n)); };
    int64_t p = Mul_Div(1000, V.S(10) + V.S(11), V.S(0) + V.S(1));
    int64_t a = Mul_Div(1000, A(10) + A(11), A(0) + A(1));
    int64_t r = Mul_Div(1000, p, a);
    return 99 - Rate(r, 1000, 40);
}

int64_t Line_Experience_Grade(const STAT_VIEW& V)
{
    if (V.nUnit != UNIT_LINE)
        return NOT_APPLICABLE;
    int64_t a = Rate(V.S(0) + V.S(1), 25, 500);
    int64_t f = Clamp_Range(static_cast<int64_t>(Get_Current_Year()) - 1700, 270, 310);
    // The two product-quotients are rounded; the last division truncates.
    int64_t t = Mul_Div(a + 500, f, V.Weight());
    t = Mul_Div(t, 27, V.Age()) / 25;
    return Min(20 + t, 100);
}

int64_t Run_Defense_Grade(const STAT_VIEW& V)
{
    if (V.nUnit != UNIT_DEFENSE)
        return NOT_APPLICABLE;
    int64_t x = 2 * V.S(2) + V.S(3) + V.S(0) / 2 + V.S(1) / 2;
    if (V.nPosition == POSITION_DT)
        x = Rate(x, 100, 130) + (V.Weight() - 200) / 3;
    else if (V.nPosition == POSITION_DE)
        x = Rate(x, 100, 112) + (V.Weight() - 200) / 7 - 40;
    return Compress(Root(4 * x) + x / 10 + 39);
}

int64_t Pass_Rush_Grade(const STAT_VIEW& V)
{
    if (V.nUnit != UNIT_DEFENSE)
        return NOT_APPLICABLE;
    int64_t x = 50 * V.S(4) + 50 * V.S(5);
    if (Is_Defensive_Lineman(V))
        x += 5 * V.S(6);
    x += 5 * V.S(0) + 5 * V.S(1);
    if (V.nPosition == POSITION_DE)
        x += (10 * (400 - static_cast<int64_t>(V.Weight())) + 7) / 14;
    else if (V.nPosition == POSITION_DT)
        x += (10 * (400 - static_cast<int64_t>(V.Weight())) + 3) / 6;
    return Compress(44 + Root(x) + x / 100);
}

int64_t Coverage_Grade(const STAT_VIEW& V)
{
    if (V.nUnit != UNIT_DEFENSE)
        return NOT_APPLICABLE;
    return Compress(40 + Root(95 * V.S(6) + 125 * V.S(7) + 5 * V.S(0) + 5 * V.S(1)));
}

int64_t Turnover_Grade(const STAT_VIEW& V)
{
    if (V.nUnit != UNIT_DEFENSE)
        return NOT_APPLICABLE;
    int64_t x = 315 * V.S(7) + 60 * V.S(6) + 375 * V.S(5) + 150 * V.S(8) + 120 * V.S(9) + 30 * V.S(4) + 15 * V.S(1) +
                15 * V.S(0) + 75 * V.S(19) + 60 * V.S(16) + V.S(18) / 3;
    return Compress(28 + Root(x));
}

int64_t Tackling_Grade(const STAT_VIEW& V)
{
    if (V.nUnit != UNIT_DEFENSE)
        return NOT_APPLICABLE;
    int64_t t = 20 * V.C(147) + 12 * V.S(3);
    if (V.nPosition == POSITION_CB)
        t = (t + 1) * 50 / 100;
    else if (V.nPosition == POSITION_S)
        t = (t * 70 + 50) / 100;
    return Compress(40 + Root(t + 5 * V.S(0) + 5 * V.S(1)));
}

// 220-223 of a kicker or punter (everybody else gets 20 before the dispatch).
int64_t Field_Goal_Accuracy_Grade(const STAT_VIEW& V)
{
    if (V.nPosition == POSITION_P)
        return V.C(223) / 2 + 10;
    int64_t nMade = V.C(122);
    // The missed long kicks of band 4 do not count against him.
    int64_t p = Mul_Div(1000, nMade, V.C(123) - (V.S(16) - V.S(17)));
    int64_t q = Mul_Div(p, Get_Historical_Average_Stat(124, FIELD_GOAL_REFERENCE_YEAR), Get_Current_Average_Stat(124));
    int64_t g = Min(q / 8 - 35, 100);
    g = Max(g, V.S(0) / 2 + 50);
    g = Min(g, nMade + 65);
    g = Max(g, Root(nMade) + V.S(0) / 2 + 60);
    return g;
}

int64_t Field_Goal_Distance_Grade(const STAT_VIEW& V)
{
    if (V.nPosition == POSITION_P)
        return V.C(222) / 2 + 10;
    int64_t x = V.S(15) + 2 * V.S(17) + V.S(17) / 2;
    int64_t nLongest = V.S(18);
    if (nLongest < 20)
        nLongest = 45;
    int64_t d = Clamp_Range(Mul_Div(1000, x, V.C(123) + 4), 0, 2000) + 27 * nLongest;
    int64_t nYear = Get_Current_Year();
    if (nYear < 2010)
        d = Rate(d, 50, 50 + Min(2010 - nYear, 20));
    int64_t g = Rate(d + 500, 2000, 70);
    g = Min(g, 100);
    g = Max(g, V.S(0) / 3 + 10);
    g = Min(g, x + 65);
    g = Max(g, Root(x) + 60 + V.S(0) / 2);
    return g;
}

int64_t Punt_Distance_Grade(const STAT_VIEW& V)
{
    if (V.nPosition != POSITION_P)
        return V.C(221) / 2 + 10;
    if (V.S(2) == 0)
        return 70;
    int64_t a = Rate(V.C(116), 1000, 210);
    int64_t nYear = Get_Current_Year();
    if (nYear > 1995)
        a -= Min(nYear - 1995, 18);
    return Max(a, Root(V.S(2)) + 60);
}

int64_t Punt_Accuracy_Grade(const STAT_VIEW& V)
{
    if (V.nPosition == POSITION_P)
        return 70;
    return V.C(221) / 2 + 10;
}

int64_t Speed_Grade(const STAT_VIEW& V)
{
    const int64_t nAge = V.Age();
    const int64_t nWeight = V.Weight();
    switch (V.nPosition) {
    case POSITION_DE:
        return 107 - nWeight / 10 - nAge;
    case POSITION_DT:
        return 84 - nWeight / 10 - nAge / 2;
    case POSITION_LB:
        return 82 - nWeight / 20 - nAge / 3;
    case POSITION_CB:
        return V.C_Of(STAT_PERIOD_PREDICTED, 217) / 4 - nAge / 2 + 70;
    case POSITION_S:
        return V.C_Of(STAT_PERIOD_PREDICTED, 217) / 5 - nAge / 2 + 67;
    case POSITION_T:
        return V.C_Of(STAT_PERIOD_PREDICTED, 210) / 10 - nAge / 2 + 43;
    case POSITION_G:
    case POSITION_C:
        return V.C_Of(STAT_PERIOD_PREDICTED, 210) / 10 - nAge / 2 + 40;
    case POSITION_K:
    case POSITION_P:
        return 70 - nAge;
    case POSITION_QB:
    case POSITION_RB:
    case POSITION_FB:
    case POSITION_TE:
    case POSITION_WR: {
        int64_t E = Get_Player_Estimated_Measure(V.nTeam, V.nSlot);
        int64_t v = Rushing_Or_Receiving(V) - (E - 50) / 7;
        if (Is_Tight_End_Or_Receiver(V))
            return v + Catch_Length_Bonus(V);
        // The yards per rush count at most the league average plus the rushes.
        int64_t H112 = League_Yards_Per_Rush();
        return Mul_Div(v, H112 + Max(Min(V.C(112), H112 + V.S(7)), 250), 2 * H112);
    }
    default:
        return NOT_APPLICABLE;
    }
}

int64_t Power_Grade(const STAT_VIEW& V)
{
    int64_t E = Get_Player_Estimated_Measure(V.nTeam, V.nSlot);
    int64_t v = Rushing_Or_Receiving(V) / 3 + 45 + (E - 50) / 15;
    if (V.nUnit != UNIT_BACKS)
        return v;
    int64_t a = 5 * V.S(9) + 3 + 2 * V.S(12);
    int64_t b = V.C(115) + 110;
    int64_t r = Rate(a * 19900 * 100, b * 2110, 1);
    v += (r - 100) / 14;
    if (V.C(114) > 20)
        v += After_Catch_Bonus(V);
    if (!V.Is_QB())
        v += 8;
    return v;
}

int64_t Quickness_Grade(const STAT_VIEW& V)
{
    int64_t E = Get_Player_Estimated_Measure(V.nTeam, V.nSlot);
    int64_t v = Rushing_Or_Receiving(V) - (E - 50) / 7;
    int64_t n = V.S(10);
    if (Is_Running_Back_Or_Fullback(V))
        n *= 2;
    int64_t q = (3 * v + 50 + Mul_Div(100, n, V.S(1) + 2 * V.S(0) + 6) / 3) / 4;
    if (Is_Tight_End_Or_Receiver(V))
        return q - Catch_Length_Bonus(V);
    if (Is_Running_Back_Or_Fullback(V)) {
        int64_t H112 = League_Yards_Per_Rush();
        return Mul_Div(q, H112 + Clamp_Range(V.C(112), 250, 750), 2 * H112);
    }
    if (V.Is_QB())
        return q + 5;
    return q;
}

int64_t Vision_Grade(const STAT_VIEW& V)
{
    if (V.nUnit != UNIT_BACKS)
        return V.Age() + 20;
    int64_t v = Max(V.C(205) / 2, V.C(206) / 2) + 35;
    if (V.Is_QB())
        return v;
    v += After_Catch_Bonus(V);
    if (V.S(5) >= 1)
        v += (Rate(V.S(5) + 5, V.S(10) + 10, 100) - 62) / 2;
    return v;
}

// 231 (kick returns) and 232 (punt returns) always read the predicted period.
int64_t Return_Grade(const STAT_VIEW& Asked, int nCode)
{
    STAT_VIEW V = Asked;
    V.nPeriod = STAT_PERIOD_PREDICTED;
    const bool bKick = nCode == 231;
    int64_t v = bKick ? 5 * V.C(300) + V.C(301) : 10 * V.C(301) + V.C(300);
    if (V.nUnit == UNIT_BACKS) {
        v += bKick ? V.S(11) / 15 + V.S(7) / 2 + V.S(8) / 8 : 3 * V.S(10);
    } else if (v < 50) {
        v += (bKick ? V.C(217) : V.C(218)) / 5;
        v -= Get_Player_Rated_Measure(V.nTeam, V.nSlot) / 3;
    }
    return 40 + Root(v);
}

int64_t Scoring_Grade(const STAT_VIEW& V)
{
    int64_t v = 5 * V.S(9) + V.S(0) + V.C(122);
    int64_t d = V.C(123) / 2 + 5 * V.S(8) + 2 * Min(Get_Games_Per_Season(), 17);
    int64_t r = Mul_Div(1000, v, d);
    return Max(Root(v / 5) + 60 + V.S(0) / 2, Min(v + 70, Max(r / 5 - 95, V.S(0) + 45)));
}

// t = n x (R(T) + 16) / 48, rounded: last season's playing time weighting n.
int64_t Weighted_By_Playing_Time(const STAT_VIEW& V, int64_t n, int64_t nAdd, int64_t nDivisor)
{
    return Rate(n, nDivisor, Root(Get_Player_Playing_Time_Measure(V.nTeam, V.nSlot)) + nAdd);
}

// 420 and 421: the blocking scores of linemen and of backs and receivers.
int64_t Blocking_Score(const STAT_VIEW& V, int nCode)
{
    int nGroup = Get_Player_Position_Unit(V.nTeam, V.nSlot);
    if (nGroup != UNIT_BACKS && nGroup != UNIT_LINE)
        return 0;
    int64_t k = Get_Player_Counter(V.nTeam, V.nSlot, nCode == 420 ? 0 : 1);
    if (k == 0)
        return 0;
    int64_t x = Weighted_By_Playing_Time(V, k, 0, 32) / 2 + 460;
    if (nCode == 420) {
        if (V.nPosition == POSITION_G)
            x = Rate(x, 100, 91);
        else if (V.nPosition == POSITION_T)
            x = Rate(x, 100, 95);
    } else if (V.nPosition == POSITION_T) {
        x = Rate(x, 100, 98);
    }
    if (nGroup == UNIT_LINE && x < 650)
        x = (x + 650) / 2;
    int64_t nSoftCap = nCode == 420 ? 800 : 700;
    if (x > nSoftCap)
        x = (x + nSoftCap) / 2;
    if (nCode == 421 && V.nPosition == POSITION_FB) {
        if (x < 700)
            x = (x + 1400) / 3;
        x += 21;
    }
    return x;
}

int64_t Rushing_Score(const STAT_VIEW& V, int nCode)
{
    if (V.nUnit != UNIT_BACKS)
        return 0;
    int64_t nShare = Get_Rushing_Touchdown_Share(V.nTeam, V.nSlot, V.nPeriod);
    int64_t a = Get_Rushing_Production(V.nTeam, V.nSlot, V.nPeriod);
    if (nCode == 423) {
        if (V.Is_QB())
            a += 30 * V.S(9);
        else if (V.nPosition == POSITION_FB)
            a += 150;
        int64_t nScore = Root(nShare * a / 7) + 450;
        return V.Is_QB() ? nScore + 50 : nScore;
    }
    if (V.Is_QB())
        a += V.S(8) / 3;
    a += V.S(8) - 4 * V.S(7);
    int64_t g = Root((1000 - nShare) * a / 7) + 450;
    if (V.Is_QB() || V.nPosition == POSITION_RB)
        return g;
    int64_t c = Clamp_Range(750 - g, 0, 150);
    int64_t y = Mul_Div(c, V.S_Of(STAT_PERIOD_PREDICTED, 6) + V.S_Of(STAT_PERIOD_CAREER, 6),
                        V.S_Of(STAT_PERIOD_PREDICTED, 11) + V.S_Of(STAT_PERIOD_CAREER, 11));
    y = Clamp_Range(y, 0, c);
    return g + y - (Get_Player_Build_Measure(V.nTeam, V.nSlot) - 70) * 2;
}

int64_t Receiving_Score(const STAT_VIEW& V, bool bTouchdownShare)
{
    int64_t nShare = Get_Receiving_Touchdown_Share(V.nTeam, V.nSlot, V.nPeriod);
    int64_t nProduction = Get_Receiving_Production(V.nTeam, V.nSlot, V.nPeriod);
    int64_t nWeight = bTouchdownShare ? nShare : 1000 - nShare;
    return Root(nWeight * nProduction / 6) + 450;
}

// 425 and 426 of a quarterback: his passing counter weighted by playing time
// and his touchdowns per passing yard.
int64_t Passing_Score(const STAT_VIEW& V, int nCode)
{
    int64_t k = Get_Player_Counter(V.nTeam, V.nSlot, 2) / 2 + 500;
    int64_t u = Mul_Div(500, 161 * V.S(6), V.S(5));
    if (nCode == 425) {
        int64_t t = Weighted_By_Playing_Time(V, k, 16, 48);
        int64_t w = Root(1000 * Root(1000 * (1500 - u)));
        return Rate(t * w, 1000, 1) + 2 * (27 - V.C(107));
    }
    int64_t t = Weighted_By_Playing_Time(V, k, 0, 32);
    int64_t w = Root(1000 * Root(1000 * (u + 500)));
    return Rate(t * w, 1000, 1);
}

// 427-429 test last season's solo tackles against 100, as every formula
// behind the test expects a count in the hundreds.
int64_t Last_Season_Tackles(const STAT_VIEW& V)
{
    return V.S_Of(STAT_PERIOD_LAST_SEASON, 2);
}

int64_t Defensive_Score(const STAT_VIEW& V, int nCode)
{
    if (V.nUnit != UNIT_DEFENSE)
        return 0;
    if (nCode == 430) {
        int64_t x = 5 * (2 * V.S(2) + V.S(3) + V.S(4) / 2 + 3 * V.S(5) + 2 * V.S(6) + 2 * V.S(7)) / 2 + 370;
        if (Is_Defensive_Lineman(V))
            x += 100;
        if (x > 850)
            x = (x + 850) / 2;
        return x;
    }
    int64_t n = Last_Season_Tackles(V);
    if (n < 100)
        return 0;
    int64_t t = Weighted_By_Playing_Time(V, n, 16, 48);
    int nPlace = Get_Player_Byte_Stat(V.nTeam, V.nSlot, BYTE_STAT_DEPTH_SLOT);
    int64_t x;
    if (nCode == 427) {
        switch (V.nPosition) {
        case POSITION_DE:
        case POSITION_LB:
            x = t / 2 + 450;
            break;
        case POSITION_DT:
            x = t / 2 + 520;
            break;
        case POSITION_CB:
            x = t + 100;
            break;
        default:
            x = t + 200;
            break;
        }
        if (x > 850)
            x = (x + 850) / 2;
        return x - 10;
    }
    if (nCode == 428) {
        if (V.nPosition == POSITION_DE)
            x = t / 3 + 565;
        else if (V.nPosition == POSITION_DT)
            x = t / 3 + 530;
        else if (nPlace == OUTSIDE_LINEBACKER_PLACE)
            x = t / 2 + 420;
        else if (V.nPosition == POSITION_LB)
            x = t / 2 + 400;
        else
            x = t + 70;
        x += 3 * (V.S_Of(STAT_PERIOD_LAST_SEASON, 4) + 6);
        if (x > 780)
            x = (x + 780) / 2;
        return x;
    }
    if (V.nPosition == POSITION_CB)
        x = Rate(t - 500, 1000, 600) + 805;
    else if (V.nPosition == POSITION_S)
        x = Rate(t - 500, 1000, 520) + 700;
    else if (Is_Defensive_Lineman(V))
        x = t;
    else if (nPlace == INSIDE_LINEBACKER_PLACE)
        x = 2 * t / 3 + 360;
    else
        x = t + 50;
    return (2 * (x + 12 * V.S_Of(STAT_PERIOD_LAST_SEASON, 7)) + 680) / 3;
}

}  // namespace

int64_t Compute_Grade(const STAT_VIEW& V, int nCode)
{
    switch (nCode) {
    case 200:
    case 201:
    case 202:
        return Passing_Grade_Of_Code(V, nCode);
    case 203:
        return Red_Zone_Grade(V);
    case 204:
        return Mobility_Grade(V);
    case 205:
        return Rushing_Grade(V);
    case 206:
        return Receiving_Grade(V);
    case 207:
        return Hands_Grade(V);
    case 208:
        return Health_Grade(V);
    case 209:
        return Durability_Grade(V);
    case 210:
    case 211:
        return Blocking_Grade(V, nCode);
    case 212:
        return Discipline_Grade(V);
    case 213:
        return Line_Experience_Grade(V);
    case 215:
        return Run_Defense_Grade(V);
    case 216:
        return Pass_Rush_Grade(V);
    case 217:
        return Coverage_Grade(V);
    case 218:
        return Turnover_Grade(V);
    case 219:
        return Tackling_Grade(V);
    case 220:
        return Field_Goal_Accuracy_Grade(V);
    case 221:
        return Field_Goal_Distance_Grade(V);
    case 222:
        return Punt_Distance_Grade(V);
    case 223:
        return Punt_Accuracy_Grade(V);
    case 227:
        return Speed_Grade(V);
    case 228:
        return Power_Grade(V);
    case 229:
        return Quickness_Grade(V);
    case 230:
        return Vision_Grade(V);
    case 231:
    case 232:
        return Return_Grade(V, nCode);
    case 233:
        return Scoring_Grade(V);
    default:
        return 0;   // 214 and 224 have no formula: the floor raises them to 20
    }
}

int64_t Compute_Production_Score(const STAT_VIEW& V, int nCode)
{
    switch (nCode) {
    case 420:
    case 421:
        return Blocking_Score(V, nCode);
    case 422:
    case 423:
        return Rushing_Score(V, nCode);
    case 424:
    case 426:
        if (V.Is_QB())
            return nCode == 426 ? Passing_Score(V, nCode) : 0;
        if (V.nUnit != UNIT_BACKS)
            return 0;
        if (nCode == 424)
            return Receiving_Score(V, false) + (V.nPosition == POSITION_FB ? 21 : 0);
        return Receiving_Score(V, true) + (V.nPosition == POSITION_FB ? 28 : 0);
    case 425:
        return V.Is_QB() ? Passing_Score(V, nCode) : 0;
    default:
        return Defensive_Score(V, nCode);
    }
}

}  // namespace stats_detail

using namespace stats_detail;

int Get_Player_Build_Measure(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    STAT_VIEW V = Make_Stat_View(nTeam, nSlot, STAT_PERIOD_PREDICTED);
    const PLAYER& Player = League.Team[nTeam].Player[nSlot];
    int64_t nHeight = Player.nVital[VITAL_HEIGHT];
    int64_t nWeight = Player.nVital[VITAL_WEIGHT];
    int nPosition = V.nPosition < 0 ? POSITION_QB : V.nPosition;
    int64_t A = Get_Typical_Player_Height(nPosition);
    // The position's average weight scaled by the square of height over average height.
    int64_t W = Mul_Div(Mul_Div(Get_Average_Player_Weight(nPosition), nHeight, A), nHeight, A);
    int64_t H = Get_Typical_Player_Height(POSITION_TE);
    int64_t nMeasure = 120 - (V.C(205) + V.C(206)) / 3 + Rate(Min(nWeight, 270) - W, W, 75) + Rate(H - nHeight, H, 50);
    return Clamp_To_Int(nMeasure);
}

// Shared arithmetic and the player view of the statistics codes; used only
// by player_stats.cpp and player_grades.cpp.
#pragma once

#include <cstdint>

namespace stats_detail {

// n held within [nLow, nHigh].
int64_t Clamp_Range(int64_t n, int64_t nLow, int64_t nHigh);

// a per b, x k: (a x k + b / 2) / b, half away from zero for a quotient of 0
// or more, floored below 0; 0 when b is 0. 64-bit throughout.
int64_t Rate(int64_t a, int64_t b, int64_t k);

// Get_Rounded_Sqrt and Mul_Div_Rounded of 64-bit arguments (held within the
// int32 range first).
int64_t Root(int64_t x);
int64_t Mul_Div(int64_t a, int64_t b, int64_t c);

// One player asked for one period; S reads a stored statistic and C a code
// through Get_Player_Stat, so every rule of the dispatch applies to them.
struct STAT_VIEW {
    int nTeam;
    int nSlot;
    int nPeriod;
    int nPosition;   // base position 0-14
    int nUnit;       // 0 backs, receivers and quarterbacks; 1 line; 2 defence; 3 kickers

    int64_t S(int nStat) const;
    int64_t C(int nCode) const;
    int64_t S_Of(int nPeriod, int nStat) const;
    int64_t C_Of(int nPeriod, int nCode) const;

    bool Is_QB() const;
    // Running backs, fullbacks, tight ends and wide receivers.
    bool Is_Back_Not_QB() const;
    bool Is_Kicker_Unit() const;
    int Age() const;
    int Weight() const;
};

STAT_VIEW Make_Stat_View(int nTeam, int nSlot, int nPeriod);

// Grades 200-233 before the scouting modifier and the 20-99 hold.
int64_t Compute_Grade(const STAT_VIEW& V, int nCode);
// Production scores 420-430; 0 outside their groups.
int64_t Compute_Production_Score(const STAT_VIEW& V, int nCode);

}  // namespace stats_detail

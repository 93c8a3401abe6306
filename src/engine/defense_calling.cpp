#include "engine/defense_calling.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/int_math.h"
#include "base/random.h"
#include "engine/formations.h"
#include "engine/game_context.h"
#include "engine/offense_calling.h"
#include "engine/offensive_systems.h"
#include "engine/play_data.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

// What the models read of an offensive play.
struct OFFENSE_VIEW {
    bool bPass;
    bool bRun;
    bool bQuick;    // a quick-release pass
    bool bDraw;
    int nDepth;     // the primary route's mean depth
    int nHole;      // run hole, -1 none
};

// What the models read of a defensive play.
struct DEFENSE_VIEW {
    bool bValid;    // a named play of a valid team
    bool bDouble;   // a "Double Team" responsibility
    int nFormation;
    int nFocus;
    int nRole[DEFENDER_PLACES];
    double x[DEFENDER_PLACES];
    double y[DEFENDER_PLACES];
};

constexpr int ROLE_DOUBLE_TEAM = 18;

OFFENSE_VIEW View_Offense(int o, int i)
{
    OFFENSE_VIEW V{};
    V.bPass = Is_Passing_Play(o, i);
    V.bRun = !V.bPass && Is_Running_Play(o, i);
    if (V.bPass) {
        V.nDepth = Get_Play_Primary_Route_Depth(o, i);
        V.bQuick = Is_Backfield_Pass_Play(o, i);
    }
    if (V.bRun) {
        V.bDraw = Get_Offensive_Play_Type(o, i) == PLAY_TYPE_DRAW;
        V.nHole = Get_Offensive_Play_Run_Hole(o, i);
    }
    return V;
}

DEFENSE_VIEW View_Defense(int d, int j)
{
    // One object returned from every path, built in place; every field of a
    // valid play's view is set below.
    DEFENSE_VIEW V;
    if (!Is_Valid_Defensive_Play(d, j)) {
        V = DEFENSE_VIEW{};
        return V;
    }
    V.bValid = true;
    V.nFormation = Get_Defensive_Play_Formation(d, j);
    V.nFocus = Get_Defensive_Formation_Pass_Focus(V.nFormation);
    bool bDouble = false;
    for (int s = 0; s < DEFENDER_PLACES; ++s) {
        V.nRole[s] = Get_Defensive_Play_Role(d, j, s);
        bDouble = bDouble || V.nRole[s] == ROLE_DOUBLE_TEAM;
        Get_Formation_Coordinate(V.nFormation, s, &V.x[s], &V.y[s]);
    }
    V.bDouble = bDouble;
    return V;
}

double Pass_Rush(const OFFENSE_VIEW& O, const DEFENSE_VIEW& D)
{
    int nSum = 1000;
    const int nDepth = O.nDepth;
    for (int s = 0; s < DEFENDER_PLACES; ++s) {
        switch (D.nRole[s]) {
        case 0:
            nSum += O.bQuick ? 5 : 3 * nDepth + 95;
            break;
        case 1:
        case 2:
        case 3:
            nSum += O.bQuick ? 5 : (nDepth + 17) * 5;
            break;
        case 4:
        case 5:
            nSum += 55;
            break;
        case 6:
        case 7:
            nSum -= 145;
            break;
        case 8:
        case 9:
        case 10:
        case 11:
            nSum -= 35;
            break;
        case 12:
        case 13:
        case 14:
        case 15:
        case 16:
        case 17:
        case 18:
            nSum -= 50;
            break;
        default:
            Report_Error("Unhandled defensive responsbility in Get_Pass_Rush_Multiplier()");
            break;
        }
    }
    return std::max(nSum / 1000.0, 0.1);
}

double Pass_Coverage(const OFFENSE_VIEW& O, const DEFENSE_VIEW& D)
{
    double fSum = 1.0;
    const double d0 = O.nDepth;
    const bool q = O.bQuick;
    for (int s = 0; s < DEFENDER_PLACES; ++s) {
        double f = (D.x[s] + D.y[s]) * 0.004 - 0.04;
        switch (D.nRole[s]) {
        case 0:
        case 1:
        case 2:
        case 3:
            f += q ? -0.95 : -0.055;
            break;
        case 4:
        case 5:
            f += -0.95;
            break;
        case 6:
            f += -0.165;
            break;
        case 7:
            f += q ? -0.035 : -0.005 * d0 - 0.09;
            break;
        case 8:
            f += 0.022 * d0 - 0.1;
            break;
        case 9:
            f += 0.3 - 0.025 * std::abs(5.0 - d0);
            break;
        case 10:
            f += q ? 0.035 : 0.23 - 0.01 * d0;
            break;
        case 11:
            f += q ? 0.195 : 0.115;
            break;
        case 12:
            f += 0.26 - 0.015 * std::abs(3.0 - d0);
            break;
        case 13:
            f += 0.19 - 0.005 * d0;
            break;
        case 14:
            f += 0.13;
            break;
        case 15:
            f += 0.18 - 0.005 * d0;
            break;
        case 16:
            f += 0.005 * d0 + 0.08;
            break;
        case 17:
            f += 0.27 - 0.015 * d0;
            break;
        case 18:
            f += 0.09 - 0.002 * d0;
            break;
        default:
            Report_Error("Unhandled defensive responsbility in Get_Pass_Coverage_Multiplier()");
            break;
        }
        fSum += f;
    }
    return std::max(fSum, 0.1);
}

double Pass_Defense(const OFFENSE_VIEW& O, const DEFENSE_VIEW& D)
{
    const double fRush = Pass_Rush(O, D);
    double fCover = Pass_Coverage(O, D);
    if (D.bDouble)
        fCover += 0.05;
    double r = (3.0 * fCover + 3.0 * fRush - 1.0) / 5.0;
    if (O.nDepth < 12)
        r += (12 - O.nDepth) * 0.007;
    return std::max(r, 0.1);
}

// The lateral spot of run holes 0-9 (even right, odd left), 0 for none.
int Hole_X(int h)
{
    if (h < 0 || h >= RUN_HOLE_COUNT)
        return 0;
    const int x = 2 * (h / 2) + 1;
    return h % 2 == 0 ? x : -x;
}

int Run_Defense(const OFFENSE_VIEW& O, const DEFENSE_VIEW& D)
{
    const int h = O.nHole;
    const int X = Hole_X(h);
    const bool bDraw = O.bDraw;
    int nSum = 1000;
    for (int s = 0; s < DEFENDER_PLACES; ++s) {
        const int xi = static_cast<int>(D.x[s]);
        const bool bSameSide = xi * X >= 0;
        int nBase = 0;
        switch (D.nRole[s]) {
        case 0:
            nBase = bDraw ? -65 : -25;
            break;
        case 1:
        case 3:
            nBase = bDraw ? -85 : -35;
            break;
        case 2:
            nBase = bDraw ? -35 : -15;
            break;
        case 4:
        case 5:
            nBase = bDraw ? 90 : 65;
            break;
        case 6:
            nBase = (bDraw ? 340 : 190) - 15 * h;
            break;
        case 7:
            nBase = 15 * h + 40 + (bDraw ? 225 : 0);
            break;
        case 8:
            nBase = -45;
            break;
        case 9:
        case 10:
            nBase = 10;
            break;
        case 11:
            nBase = bSameSide ? 15 * h + 40 : -30;
            break;
        case 12:
        case 13:
            nBase = -15;
            break;
        case 14:
        case 16:
        case 18:
            nBase = -25;
            break;
        case 15:
        case 17:
            nBase = 0;
            break;
        default:
            Report_Error("Unhandled defensive responsbility in Get_Game_Pass_Rush_Multiplier()");
            break;
        }
        const int nDist = std::abs(X - xi);
        nSum += Mul_Div_Rounded_64(3 * (10 - static_cast<int>(D.y[s]) - nDist) + nBase, 15, nDist + 10);
    }
    return std::max(nSum, 100);
}

int Matchup_Rating(const OFFENSE_VIEW& O, const DEFENSE_VIEW& D)
{
    if (!D.bValid)
        return 0;
    const int P = D.nFocus;
    if (O.bPass) {
        const double r = Pass_Defense(O, D);
        return P < 1000 ? static_cast<int>(r * 1000.0 * P / 1000.0) : static_cast<int>(r * 1000.0);
    }
    if (O.bRun) {
        const int r = Run_Defense(O, D);
        return P > 1000 ? static_cast<int>(1000.0 / P * r) : r;
    }
    return 1000;
}

// Every field of an offensive view in two words: two views are the same
// when their words are.
struct VIEW_WORDS {
    uint64_t nFlagsAndDepth;
    uint64_t nHole;
    bool operator==(const VIEW_WORDS&) const = default;
};

VIEW_WORDS Words_Of(const OFFENSE_VIEW& V)
{
    return {static_cast<uint64_t>(V.bPass) | static_cast<uint64_t>(V.bRun) << 1 |
                static_cast<uint64_t>(V.bQuick) << 2 | static_cast<uint64_t>(V.bDraw) << 3 |
                static_cast<uint64_t>(static_cast<uint32_t>(V.nDepth)) << 32,
            static_cast<uint32_t>(V.nHole)};
}

// Every role of the play is one the models rate (an invalid play rates 0
// without reading any).
bool Has_Known_Roles(const DEFENSE_VIEW& D)
{
    if (!D.bValid)
        return true;
    for (int s = 0; s < DEFENDER_PLACES; ++s)
        if (D.nRole[s] < 0 || D.nRole[s] > ROLE_DOUBLE_TEAM)
            return false;
    return true;
}

// The models are pure functions of the two views, and the same views recur
// from game to game (most clubs run the built-in plays): each pair of views
// is rated once a run and its rating kept. Views beyond the capacity are
// rated each time, as before.
struct VIEW_RATINGS {
    static constexpr int CAPACITY = 192;
    int nOffense = 0;
    int nDefense = 0;
    VIEW_WORDS Offense[CAPACITY];
    DEFENSE_VIEW Defense[CAPACITY];
    uint64_t nDefenseKey[CAPACITY];
    int nRating[CAPACITY][CAPACITY];   // rating + 1, 0 not yet rated
    // The index + 1 of the view a team's play had when last looked up, 0
    // none: tried first, and taken only when the view is the same.
    int nDefenseHint[TOTAL_NUMBER_OF_TEAMS][DEFENSIVE_PLAY_COUNT];
    int nOffenseHint[TOTAL_NUMBER_OF_TEAMS][OFFENSIVE_PLAY_COUNT];
};
VIEW_RATINGS g_Views;

uint64_t Bits_Of(double f)
{
    uint64_t n;
    std::memcpy(&n, &f, sizeof n);
    return n;
}

// A digest of a defensive view for a quick first comparison.
uint64_t Defense_Key(const DEFENSE_VIEW& D)
{
    uint64_t h = 1469598103934665603ull;
    auto Mix = [&h](uint64_t n) { h = (h ^ n) * 1099511628211ull; };
    Mix(D.bValid);
    Mix(D.bDouble);
    Mix(static_cast<uint32_t>(D.nFormation));
    Mix(static_cast<uint32_t>(D.nFocus));
    for (int s = 0; s < DEFENDER_PLACES; ++s) {
        Mix(static_cast<uint32_t>(D.nRole[s]));
        Mix(Bits_Of(D.x[s]));
        Mix(Bits_Of(D.y[s]));
    }
    return h;
}

bool Same_Defense(const DEFENSE_VIEW& a, const DEFENSE_VIEW& b)
{
    if (a.bValid != b.bValid || a.bDouble != b.bDouble || a.nFormation != b.nFormation || a.nFocus != b.nFocus)
        return false;
    for (int s = 0; s < DEFENDER_PLACES; ++s)
        if (a.nRole[s] != b.nRole[s] || Bits_Of(a.x[s]) != Bits_Of(b.x[s]) || Bits_Of(a.y[s]) != Bits_Of(b.y[s]))
            return false;
    return true;
}

// The index of a view among those kept, adding it when there is room; -1
// when there is none.
int Find_Offense_View(const VIEW_WORDS& O)
{
    for (int k = 0; k < g_Views.nOffense; ++k)
        if (g_Views.Offense[k] == O)
            return k;
    if (g_Views.nOffense == VIEW_RATINGS::CAPACITY)
        return -1;
    g_Views.Offense[g_Views.nOffense] = O;
    return g_Views.nOffense++;
}

// The view of play i of team o, as Defense_View_Index below.
int Offense_View_Index(const VIEW_WORDS& O, int o, int i)
{
    if (o < 0 || o >= TOTAL_NUMBER_OF_TEAMS || i < 0 || i >= OFFENSIVE_PLAY_COUNT)
        return Find_Offense_View(O);
    int& nHint = g_Views.nOffenseHint[o][i];
    if (nHint > 0 && g_Views.Offense[nHint - 1] == O)
        return nHint - 1;
    const int k = Find_Offense_View(O);
    nHint = k + 1;
    return k;
}

int Find_Defense_View(const DEFENSE_VIEW& D)
{
    const uint64_t nKey = Defense_Key(D);
    for (int k = 0; k < g_Views.nDefense; ++k)
        if (g_Views.nDefenseKey[k] == nKey && Same_Defense(g_Views.Defense[k], D))
            return k;
    if (g_Views.nDefense == VIEW_RATINGS::CAPACITY)
        return -1;
    g_Views.Defense[g_Views.nDefense] = D;
    g_Views.nDefenseKey[g_Views.nDefense] = nKey;
    return g_Views.nDefense++;
}

// The view of play j of team d: a kept view stands once among the kept ones,
// so the one the play had last time, when it is the same, is the one the
// search would find.
int Defense_View_Index(const DEFENSE_VIEW& D, int d, int j)
{
    if (d < 0 || d >= TOTAL_NUMBER_OF_TEAMS || j < 0 || j >= DEFENSIVE_PLAY_COUNT)
        return Find_Defense_View(D);
    int& nHint = g_Views.nDefenseHint[d][j];
    if (nHint > 0 && Same_Defense(g_Views.Defense[nHint - 1], D))
        return nHint - 1;
    const int k = Find_Defense_View(D);
    nHint = k + 1;
    return k;
}

// Matchup_Rating of two views, kept by their indexes (-1: not kept).
int Kept_Matchup_Rating(const OFFENSE_VIEW& O, int nOffense, const DEFENSE_VIEW& D, int nDefense)
{
    if (nOffense < 0 || nDefense < 0)
        return Matchup_Rating(O, D);
    int& nKept = g_Views.nRating[nOffense][nDefense];
    if (nKept == 0) {
        const int nRating = Matchup_Rating(O, D);
        // A rating of INT_MAX has no room for the mark; it is rated each time.
        if (nRating == INT32_MAX)
            return nRating;
        nKept = nRating + 1;
    }
    return nKept - 1;
}

// A side's finished table (the fill, the column scaling and the row maxima)
// reads nothing but the views of the offence's 60 plays and of the
// defence's 30: keyed on their indexes among the kept views, which stand for
// the views exactly (a kept view is never replaced), it is valid for any
// game whose two sides show the same views. Most clubs run the same
// built-in plays, so most games copy their tables.
constexpr int SHOWN_FORMATIONS = LAST_DEFENSIVE_FORMATION - FIRST_DEFENSIVE_FORMATION + 1;

struct KEPT_TABLES {
    static constexpr int CAPACITY = 64;
    static constexpr int KEY_SIZE = OFFENSIVE_PLAY_COUNT + DEFENSIVE_PLAY_COUNT;
    bool bOn = true;
    int nCount = 0;
    int nNext = 0;   // the entry replaced next once all are taken
    uint64_t nHash[CAPACITY];
    uint16_t nKey[CAPACITY][KEY_SIZE];
    int nTable[CAPACITY][OFFENSIVE_PLAY_COUNT][DEFENSIVE_PLAY_COUNT];
    uint64_t nRowMax[CAPACITY][OFFENSIVE_PLAY_COUNT];
    // The defending side's shown-formation weights: they read the pass
    // focus of its plays' formations alone, part of their views.
    int nShownWeight[CAPACITY][SHOWN_FORMATIONS][DEFENSIVE_PLAY_COUNT];
};
KEPT_TABLES g_KeptTables;

uint64_t Key_Hash(const uint16_t (&nKey)[KEPT_TABLES::KEY_SIZE])
{
    uint64_t h = 1469598103934665603ull;
    for (const uint16_t n : nKey)
        h = (h ^ n) * 1099511628211ull;
    return h;
}

// The entry holding the table of the key, -1 none.
int Find_Kept_Table(const uint16_t (&nKey)[KEPT_TABLES::KEY_SIZE], uint64_t nHash)
{
    for (int e = 0; e < g_KeptTables.nCount; ++e)
        if (g_KeptTables.nHash[e] == nHash && std::memcmp(g_KeptTables.nKey[e], nKey, sizeof nKey) == 0)
            return e;
    return -1;
}

void Keep_Table(const uint16_t (&nKey)[KEPT_TABLES::KEY_SIZE], uint64_t nHash,
                const int (&nTable)[OFFENSIVE_PLAY_COUNT][DEFENSIVE_PLAY_COUNT],
                const uint64_t (&nRowMax)[OFFENSIVE_PLAY_COUNT],
                const int (&nShownWeight)[SHOWN_FORMATIONS][DEFENSIVE_PLAY_COUNT])
{
    int e = g_KeptTables.nCount;
    if (e < KEPT_TABLES::CAPACITY) {
        ++g_KeptTables.nCount;
    } else {
        e = g_KeptTables.nNext;
        g_KeptTables.nNext = (e + 1) % KEPT_TABLES::CAPACITY;
    }
    g_KeptTables.nHash[e] = nHash;
    std::memcpy(g_KeptTables.nKey[e], nKey, sizeof nKey);
    std::memcpy(g_KeptTables.nTable[e], nTable, sizeof nTable);
    std::memcpy(g_KeptTables.nRowMax[e], nRowMax, sizeof nRowMax);
    std::memcpy(g_KeptTables.nShownWeight[e], nShownWeight, sizeof nShownWeight);
}

// Mul_Div_Rounded_64(a, b, 1000): for a and b not negative the same
// rounding is (a b + 500) / 1000, held at INT32_MAX.
inline int Per_Mille(int a, int b)
{
    if ((a | b) < 0)
        return Mul_Div_Rounded_64(a, b, 1000);
    // Unsigned: the product of two ints not negative fits, and the division
    // by a constant needs no sign fix-up.
    const uint64_t q = (static_cast<uint64_t>(a) * static_cast<uint64_t>(b) + 500) / 1000;
    return q > static_cast<uint64_t>(INT32_MAX) ? INT32_MAX : static_cast<int>(q);
}

// A defensive play's weight when the defence shows a formation of pass
// focus nShownFocus: 1000 at the play's own focus, 0 at 150 or more from it.
struct SHOWN_WEIGHTS {
    int nWeight[150];   // by the distance of the two foci, 0-149
};

constexpr SHOWN_WEIGHTS Make_Shown_Weights()
{
    SHOWN_WEIGHTS W{};
    for (int n = 0; n < 150; ++n)
        W.nWeight[n] = Mul_Div_Rounded_By<150>(150 - n, 1000);
    return W;
}

// The weights worked out once for every distance at which they are not 0.
constexpr SHOWN_WEIGHTS SHOWN_WEIGHT = Make_Shown_Weights();

int Shown_Formation_Weight(int nShownFocus, int nPlayFocus)
{
    const int nDistance = std::abs(nShownFocus - nPlayFocus);
    return nDistance < 150 ? SHOWN_WEIGHT.nWeight[nDistance] : 0;
}

// Whether the products of the five predicted rows can be taken in 32 bits:
// with every entry at least 0, each step's a b + 500 is at most the bound's
// A B + 500, A the bound of the product so far and B the row's greatest.
bool Products_Fit_32_Bits(const uint64_t (&nRowMax)[OFFENSIVE_PLAY_COUNT], const int (&nPredicted)[5],
                          uint64_t* pBound)
{
    uint64_t nBound = nRowMax[nPredicted[0]];
    if (nBound > UINT32_MAX)
        return false;
    for (int k = 1; k < 5; ++k) {
        const uint64_t nHigh = nRowMax[nPredicted[k]];
        if (nHigh > UINT32_MAX)
            return false;
        const uint64_t nStep = nBound * nHigh + 500;
        if (nStep > UINT32_MAX)
            return false;
        nBound = nStep / 1000;
    }
    *pBound = nBound;
    return true;
}

static_assert(DEFENSIVE_PLAY_COUNT == 30, "the narrow steps take the plays in seven fours and a pair");

// x / 1000 is (x 274877907) >> 38 for every x below 2^32: 274877907 is
// 2^38 / 1000 rounded up, by 56 / 1000, which adds less than
// 2^32 x 56 / 1000 / 2^38 < 0.001 to x / 1000, whose fraction is at most
// 0.999: the whole part never changes.
constexpr uint64_t THOUSANDTH_MAGIC = 274877907;
constexpr int THOUSANDTH_SHIFT = 38;

#if defined(__SSE2__)
// The 30 plays' values as 32-bit numbers in 64-bit lanes, four plays to a
// pair of registers: the first and third of each four in Even, the second
// and fourth in Odd (plays 30 and 31 are 0). Kept apart through every step,
// so that each step multiplies and divides them without gathering them.
struct LANES {
    __m128i Even[8];
    __m128i Odd[8];
};

inline __m128i Load_Four(const int* p, int q)
{
    return q < 7 ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4 * q))
                 : _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + 28));
}

// Only the low half of an Even lane counts until the first step clears the
// high one.
inline LANES Load_Lanes(const int* p)
{
    LANES L;
    for (int q = 0; q < 8; ++q) {
        const __m128i v = Load_Four(p, q);
        L.Even[q] = v;
        L.Odd[q] = _mm_srli_epi64(v, 32);
    }
    return L;
}

inline void Store_Lanes(const LANES& L, uint32_t* p)
{
    for (int q = 0; q < 7; ++q)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4 * q), _mm_or_si128(L.Even[q], _mm_slli_epi64(L.Odd[q], 32)));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p + 28), _mm_or_si128(L.Even[7], _mm_slli_epi64(L.Odd[7], 32)));
}

// (a b + 500) / 1000 of each play for a b + 500 below 2^32: the products in
// 64 bits, divided by the multiply-high.
inline void Per_Mille_Lanes(LANES& L, const int* pRow)
{
    const __m128i k500 = _mm_set1_epi64x(500);
    const __m128i kMagic = _mm_set1_epi64x(static_cast<long long>(THOUSANDTH_MAGIC));
    for (int q = 0; q < 8; ++q) {
        const __m128i b = Load_Four(pRow, q);
        const __m128i nEven = _mm_add_epi64(_mm_mul_epu32(L.Even[q], b), k500);
        const __m128i nOdd = _mm_add_epi64(_mm_mul_epu32(L.Odd[q], _mm_srli_epi64(b, 32)), k500);
        L.Even[q] = _mm_srli_epi64(_mm_mul_epu32(nEven, kMagic), THOUSANDTH_SHIFT);
        L.Odd[q] = _mm_srli_epi64(_mm_mul_epu32(nOdd, kMagic), THOUSANDTH_SHIFT);
    }
}
#endif

// The five predictions' products when Products_Fit_32_Bits holds.
void Narrow_Products(const int (&Table)[OFFENSIVE_PLAY_COUNT][DEFENSIVE_PLAY_COUNT], const int (&nPredicted)[5],
                     uint32_t (&nNarrow)[DEFENSIVE_PLAY_COUNT])
{
#if defined(__SSE2__)
    LANES L = Load_Lanes(Table[nPredicted[0]]);
    for (int k = 1; k < 5; ++k)
        Per_Mille_Lanes(L, Table[nPredicted[k]]);
    Store_Lanes(L, nNarrow);
#else
    const int* pFirst = Table[nPredicted[0]];
    for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
        nNarrow[j] = static_cast<uint32_t>(pFirst[j]);
    for (int k = 1; k < 5; ++k) {
        const int* pRow = Table[nPredicted[k]];
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
            nNarrow[j] = (nNarrow[j] * static_cast<uint32_t>(pRow[j]) + 500u) / 1000u;
    }
#endif
}

// Per_Mille(Per_Mille(m, w), s) of each play for products m at most nBound,
// weights w of 0-1000 and fits s of 0 to nFitMax, when every step stays
// below 2^32 (the first step's result is at most m).
bool Weights_Fit_32_Bits(uint64_t nBound, uint64_t nFitMax)
{
    return nBound * 1000 + 500 <= UINT32_MAX && nFitMax <= UINT32_MAX && nBound * nFitMax + 500 <= UINT32_MAX;
}

// Whether every call of a side can take the narrow steps: its greatest entry
// in all five rows bounds every product above the bound of any five rows,
// and the defending side's greatest fit the weighing.
bool Always_Narrow(const uint64_t (&nRowMax)[OFFENSIVE_PLAY_COUNT], uint64_t nFitMax)
{
    uint64_t nHigh = 0;
    for (const uint64_t n : nRowMax)
        nHigh = std::max(nHigh, n);
    uint64_t nAll[OFFENSIVE_PLAY_COUNT];
    std::fill(std::begin(nAll), std::end(nAll), nHigh);
    const int nPredicted[5] = {0, 0, 0, 0, 0};
    uint64_t nBound = 0;
    return Products_Fit_32_Bits(nAll, nPredicted, &nBound) && Weights_Fit_32_Bits(nBound, nFitMax);
}

// The products of the five predictions and the two per mille steps of the
// weighing, when Products_Fit_32_Bits and Weights_Fit_32_Bits hold.
void Narrow_Weighed(const int (&Table)[OFFENSIVE_PLAY_COUNT][DEFENSIVE_PLAY_COUNT], const int (&nPredicted)[5],
                    const int* pWeight, const int* pFit, uint32_t (&nValue)[DEFENSIVE_PLAY_COUNT])
{
#if defined(__SSE2__)
    LANES L = Load_Lanes(Table[nPredicted[0]]);
    for (int k = 1; k < 5; ++k)
        Per_Mille_Lanes(L, Table[nPredicted[k]]);
    Per_Mille_Lanes(L, pWeight);
    Per_Mille_Lanes(L, pFit);
    Store_Lanes(L, nValue);
#else
    uint32_t nProduct[DEFENSIVE_PLAY_COUNT];
    Narrow_Products(Table, nPredicted, nProduct);
    for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
        const uint32_t a = (nProduct[j] * static_cast<uint32_t>(pWeight[j]) + 500u) / 1000u;
        nValue[j] = (a * static_cast<uint32_t>(pFit[j]) + 500u) / 1000u;
    }
#endif
}

// Each play weighs 1000 when the defence shows no formation.
constexpr int NO_SHOWN_WEIGHT[DEFENSIVE_PLAY_COUNT] = {
    1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000,
    1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000,
};

// The products of the predictions; true with their bound when they were
// taken in 32 bits.
bool Predicted_Products(const MATCHUP_TABLES& M, int bOffense, const int (&nPredicted)[5],
                        int (&nProduct)[DEFENSIVE_PLAY_COUNT], uint64_t* pBound)
{
    const auto& Table = M.nTable[bOffense];
    if (Products_Fit_32_Bits(M.nRowMax[bOffense], nPredicted, pBound)) {
        // No entry below 0 and every a b + 500 within 32 bits: the same
        // quotients, with no saturation to reach.
        uint32_t nNarrow[DEFENSIVE_PLAY_COUNT];
        Narrow_Products(Table, nPredicted, nNarrow);
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
            nProduct[j] = static_cast<int>(nNarrow[j]);
        return true;
    }
    // Each play's product over the five predictions, prediction by
    // prediction for all plays at once. The product starts at 1000, and
    // Per_Mille(1000, b) is b exactly.
    const int* pFirst = Table[nPredicted[0]];
    for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
        nProduct[j] = pFirst[j];
    for (int k = 1; k < 5; ++k) {
        const int* pRow = Table[nPredicted[k]];
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
            nProduct[j] = Per_Mille(nProduct[j], pRow[j]);
    }
    return false;
}

int Offense_Side(const GAME* pGame)
{
    return Is_Home_Team_On_Offense(pGame) ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

bool Has_Tables(const MATCHUP_TABLES& M, const GAME* pGame)
{
    return M.bBuilt && M.nAway == pGame->nAwayTeam && M.nHome == pGame->nHomeTeam;
}

} // namespace

// ---------------------------------------------------------------------------

int Get_Defensive_Formation_Pass_Focus(int nFormation)
{
    static constexpr int FOCUS[LAST_DEFENSIVE_FORMATION - FIRST_DEFENSIVE_FORMATION + 1] = {
        975, 975, 875, 1025, 1025, 1000, 825, 925, 1125, 1125, 1100, 1150, 1225, 1250, 1375, 775, 675,
    };
    if (!Is_Defensive_Formation(nFormation)) {
        Report_Error("Invalid nFormation in Get_Defensive_Formation_Pass_Focus()");
        return 1000;
    }
    return FOCUS[nFormation - FIRST_DEFENSIVE_FORMATION];
}

bool Is_Defensive_Formation(int nFormation)
{
    return nFormation >= FIRST_DEFENSIVE_FORMATION && nFormation <= LAST_DEFENSIVE_FORMATION;
}

double Get_Pass_Rush_Multiplier(int o, int i, int d, int j)
{
    return Pass_Rush(View_Offense(o, i), View_Defense(d, j));
}

double Get_Pass_Coverage_Multiplier(int o, int i, int d, int j)
{
    return Pass_Coverage(View_Offense(o, i), View_Defense(d, j));
}

void Get_Pass_Coverage_And_Rush_Multipliers(int o, int i, int d, int j, double* pCoverage, double* pRush)
{
    if (!pCoverage || !pRush) {
        Report_Error("%s(%d, %d, %d, %d): null result", __func__, o, i, d, j);
        return;
    }
    const int nErrors = Get_Error_Count();
    const OFFENSE_VIEW O = View_Offense(o, i);
    const DEFENSE_VIEW D = View_Defense(d, j);
    const bool bQuiet = Get_Error_Count() == nErrors;
    *pCoverage = Pass_Coverage(O, D);
    if (bQuiet && Has_Known_Roles(D)) {
        // Reading the plays reported nothing, and nor do the models: the
        // second call would read the same views.
        *pRush = Pass_Rush(O, D);
        return;
    }
    // As the second call, its reports and all.
    *pRush = Get_Pass_Rush_Multiplier(o, i, d, j);
}

double Get_Pass_Defense_Rating(int o, int i, int d, int j)
{
    return Pass_Defense(View_Offense(o, i), View_Defense(d, j));
}

int Get_Run_Defense_Multiplier(int o, int i, int d, int j)
{
    OFFENSE_VIEW O = View_Offense(o, i);
    // The model reads the hole and the draw of any play asked about.
    O.nHole = Get_Offensive_Play_Run_Hole(o, i);
    O.bDraw = Get_Offensive_Play_Type(o, i) == PLAY_TYPE_DRAW;
    return Run_Defense(O, View_Defense(d, j));
}

int Get_Play_Matchup_Rating(int o, int i, int d, int j)
{
    if (!Is_Valid_Team(d) || j < 0 || j >= DEFENSIVE_PLAY_COUNT)
        return 0;
    return Matchup_Rating(View_Offense(o, i), View_Defense(d, j));
}

void Set_Matchup_Table_Keeping(bool bOn)
{
    g_KeptTables.bOn = bOn;
}

void Build_Play_Matchup_Table(const GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return;
    }
    Build_Play_Matchup_Table(Get_Game_Context(pGame), pGame);
}

void Build_Play_Matchup_Table(GAME_CONTEXT& Context, const GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return;
    }
    MATCHUP_TABLES& M = Context.Matchup;
    Build_Offensive_Call_Profiles(Context, pGame);
    for (int bOffense = 0; bOffense < 2; ++bOffense) {
        const int o = Side_Team(pGame, bOffense);
        const int d = Side_Team(pGame, 1 - bOffense);
        const bool bDefense = Is_Valid_Team(d);
        DEFENSE_VIEW Defense[DEFENSIVE_PLAY_COUNT];
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
            Defense[j] = bDefense ? View_Defense(d, j) : DEFENSE_VIEW{};
            // The defending side's data for its own calls.
            const int bDefSide = 1 - bOffense;
            M.nFocus[bDefSide][j] = Defense[j].bValid ? Defense[j].nFocus : 1000;
            M.bDouble[bDefSide][j] = Defense[j].bDouble;
            if (j == 0)
                M.nDoubles[bDefSide] = 0;
            if (Defense[j].bDouble)
                M.nDoublePlay[bDefSide][M.nDoubles[bDefSide]++] = static_cast<int8_t>(j);
            const int nAlignment = d >= 0 && d <= LAST_TEAM ? Get_Team_Stat(d, TEAM_STAT_DEFENSE_ALIGNMENT) : 0;
            M.nSystemMatch[bDefSide][j] =
                Defense[j].bValid ? Get_Defensive_Formation_System_Match(nAlignment, Defense[j].nFormation) : 0;
        }
        uint64_t nFitMax = 0;
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
            const int nFit = M.nSystemMatch[1 - bOffense][j];
            nFitMax = nFit < 0 ? UINT64_MAX : std::max(nFitMax, static_cast<uint64_t>(nFit));
            if (nFit < 0)
                break;
        }
        M.nFitMax[1 - bOffense] = nFitMax;
        auto& Table = M.nTable[bOffense];
        // Many plays look alike to the models (the same route depth and
        // release, the same hole and draw): each distinct view is rated once.
        OFFENSE_VIEW Distinct[OFFENSIVE_PLAY_COUNT];
        VIEW_WORDS DistinctWords[OFFENSIVE_PLAY_COUNT];
        int nView[OFFENSIVE_PLAY_COUNT];
        int nOffenseIndex[OFFENSIVE_PLAY_COUNT];   // of each distinct view among the kept ones
        // The distinct view of each kept view seen in this book, -1 none: a
        // kept view stands for its content, so equal views share the index.
        int8_t nDistinctOf[VIEW_RATINGS::CAPACITY];
        std::memset(nDistinctOf, -1, sizeof nDistinctOf);
        int nDistinct = 0;
        bool bKeep = g_KeptTables.bOn;
        for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i) {
            const OFFENSE_VIEW Offense = View_Offense(o, i);
            const VIEW_WORDS Words = Words_Of(Offense);
            const int nIndex = Offense_View_Index(Words, o, i);
            int k = 0;
            if (nIndex >= 0) {
                k = nDistinctOf[nIndex] >= 0 ? nDistinctOf[nIndex] : nDistinct;
                nDistinctOf[nIndex] = static_cast<int8_t>(k);
            } else {
                // No room to keep it: compared with the others one by one.
                bKeep = false;
                while (k < nDistinct && !(DistinctWords[k] == Words))
                    ++k;
            }
            if (k == nDistinct) {
                Distinct[nDistinct] = Offense;
                DistinctWords[nDistinct] = Words;
                nOffenseIndex[nDistinct++] = nIndex;
            }
            nView[i] = k;
        }
        int nDefenseIndex[DEFENSIVE_PLAY_COUNT];
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
            // A play of an unknown role is rated (and reported) every time.
            nDefenseIndex[j] = Has_Known_Roles(Defense[j]) ? Defense_View_Index(Defense[j], d, j) : -1;
            bKeep = bKeep && nDefenseIndex[j] >= 0;
        }
        uint16_t nKey[KEPT_TABLES::KEY_SIZE] = {};
        uint64_t nHash = 0;
        if (bKeep) {
            for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i)
                nKey[i] = static_cast<uint16_t>(nOffenseIndex[nView[i]]);
            for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
                nKey[OFFENSIVE_PLAY_COUNT + j] = static_cast<uint16_t>(nDefenseIndex[j]);
            nHash = Key_Hash(nKey);
            const int e = Find_Kept_Table(nKey, nHash);
            if (e >= 0) {
                std::memcpy(Table, g_KeptTables.nTable[e], sizeof Table);
                std::memcpy(M.nRowMax[bOffense], g_KeptTables.nRowMax[e], sizeof M.nRowMax[bOffense]);
                std::memcpy(M.nShownWeight[1 - bOffense], g_KeptTables.nShownWeight[e],
                            sizeof M.nShownWeight[1 - bOffense]);
                continue;
            }
        }
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
            if (!Has_Known_Roles(Defense[j])) {
                // An unknown role is reported by every rating, as often as before.
                for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i)
                    Table[i][j] = Matchup_Rating(Distinct[nView[i]], Defense[j]);
                continue;
            }
            int nRating[OFFENSIVE_PLAY_COUNT];
            for (int k = 0; k < nDistinct; ++k)
                nRating[k] = Kept_Matchup_Rating(Distinct[k], nOffenseIndex[k], Defense[j], nDefenseIndex[j]);
            for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i)
                Table[i][j] = nRating[nView[i]];
        }
        // Each column over the 54 playbook rows averages 1000. The sums are
        // taken row by row, then each row is scaled (and bounded below)
        // in one pass.
        int64_t nTotal[DEFENSIVE_PLAY_COUNT] = {};
        for (int i = 0; i < TEAM_OFFENSIVE_PLAYS; ++i)
            for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
                nTotal[j] += Table[i][j];
        int nScale[DEFENSIVE_PLAY_COUNT];
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
            nScale[j] = nTotal[j] > 0 && nTotal[j] <= INT32_MAX
                            ? Mul_Div_Rounded_64(54000000, 1, static_cast<int>(nTotal[j]))
                            : 0;
        for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i) {
            int* pRow = Table[i];
            if (i < TEAM_OFFENSIVE_PLAYS)
                for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
                    pRow[j] = Mul_Div_Rounded_By<1000>(pRow[j], nScale[j]);
            int nLow = pRow[0];
            int nHigh = pRow[0];
            for (int j = 1; j < DEFENSIVE_PLAY_COUNT; ++j) {
                nLow = std::min(nLow, pRow[j]);
                nHigh = std::max(nHigh, pRow[j]);
            }
            M.nRowMax[bOffense][i] = nLow < 0 ? UINT64_MAX : static_cast<uint64_t>(nHigh);
        }
        const int bDefending = 1 - bOffense;
        for (int F = FIRST_DEFENSIVE_FORMATION; F <= LAST_DEFENSIVE_FORMATION; ++F) {
            const int nShownFocus = Get_Defensive_Formation_Pass_Focus(F);
            for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
                M.nShownWeight[bDefending][F - FIRST_DEFENSIVE_FORMATION][j] =
                    Shown_Formation_Weight(nShownFocus, M.nFocus[bDefending][j]);
        }
        if (bKeep)
            Keep_Table(nKey, nHash, Table, M.nRowMax[bOffense], M.nShownWeight[bDefending]);
    }
    for (int bOffense = 0; bOffense < 2; ++bOffense)
        M.bAlwaysNarrow[bOffense] = Always_Narrow(M.nRowMax[bOffense], M.nFitMax[1 - bOffense]);
    M.nAway = pGame->nAwayTeam;
    M.nHome = pGame->nHomeTeam;
    M.bBuilt = true;
}

int Get_Play_Matchup_Table_Value(const GAME* pGame, int bOffenseSide, int nOffensivePlay, int nDefensivePlay)
{
    if (bOffenseSide < 0 || bOffenseSide > 1 || nOffensivePlay < 0 || nOffensivePlay >= OFFENSIVE_PLAY_COUNT ||
        nDefensivePlay < 0 || nDefensivePlay >= DEFENSIVE_PLAY_COUNT)
        return 0;
    return Get_Game_Context(pGame).Matchup.nTable[bOffenseSide][nOffensivePlay][nDefensivePlay];
}

int Get_Defensive_Play_Redundancy_Multiplier(const GAME* pGame, int nPlay)
{
    if (!pGame)
        return 1000;
    const int n = Get_Defensive_Call_Tally(pGame, 1 - Offense_Side(pGame), nPlay);
    const int m = Mul_Div_Rounded_64(50000, 1, n + 50);
    if (m < 0)
        Report_Error("Negative nMultiplier calculated by Get_Defensive_Play_Redundancy_Multiplier()");
    return std::max(m, 500);
}

void Record_Defensive_Play_Call(const GAME* pGame, int nPlay)
{
    if (!pGame) {
        Report_Error("%s(null, %d)", __func__, nPlay);
        return;
    }
    Record_Defensive_Play_Call(Get_Game_Context(pGame), pGame, nPlay);
}

void Record_Defensive_Play_Call(GAME_CONTEXT& Context, const GAME* pGame, int nPlay)
{
    if (!pGame) {
        Report_Error("%s(null, %d)", __func__, nPlay);
        return;
    }
    Count_Defensive_Play_Call(Context, 1 - Offense_Side(pGame), nPlay);
}

float Get_Run_Call_Matchup_Factor(const GAME* pGame, int nOffensivePlay, int nDefensivePlay)
{
    if (!pGame)
        return 1.0f;
    const float r = Get_Run_Defense_Multiplier(Get_Game_Offense_Team(pGame), nOffensivePlay,
                                               Get_Game_Defense_Team(pGame), nDefensivePlay) / 1000.0f;
    const int ro = Get_Offensive_Play_Redundancy_Multiplier(pGame, nOffensivePlay);
    const int rd = Get_Defensive_Play_Redundancy_Multiplier(pGame, nDefensivePlay);
    float v = r * static_cast<float>(rd + 1000) / static_cast<float>(ro + 1000);
    constexpr float HIGH = 1.66f;
    constexpr float LOW = 0.6024096f;
    const float fHighRoot = std::sqrt(HIGH);
    const float fLowRoot = std::sqrt(LOW);
    if (v > fHighRoot)
        v = (fHighRoot + v) / 2.0f;
    else if (v < fLowRoot)
        v = (fLowRoot + v) / 2.0f;
    return std::clamp(v, LOW, HIGH);
}

void Get_Predicted_Call_Products(const MATCHUP_TABLES& M, int bOffense, const int (&nPredicted)[5],
                                 int (&nProduct)[DEFENSIVE_PLAY_COUNT])
{
    uint64_t nBound = 0;
    Predicted_Products(M, bOffense, nPredicted, nProduct, &nBound);
}

int64_t Get_Defensive_Call_Sums(const MATCHUP_TABLES& M, int bOffense, const int (&nPredicted)[5], int F, int f,
                                int64_t (&nCum)[DEFENSIVE_PLAY_COUNT])
{
    const int bDefense = 1 - bOffense;
    const bool bShown = Is_Defensive_Formation(F);
    const int* pShownWeight = bShown ? M.nShownWeight[bDefense][F - FIRST_DEFENSIVE_FORMATION] : nullptr;

    int64_t nTotal = 0;
    uint64_t nBound = 0;
    if (M.bAlwaysNarrow[bOffense] || (Products_Fit_32_Bits(M.nRowMax[bOffense], nPredicted, &nBound) &&
                                      Weights_Fit_32_Bits(nBound, M.nFitMax[bDefense]))) {
        // Entries, weights and fits none below 0 and every step within 32
        // bits: the same per mille steps, taken four plays at a time.
        uint32_t nValue[DEFENSIVE_PLAY_COUNT];
        Narrow_Weighed(M.nTable[bOffense], nPredicted, bShown ? pShownWeight : NO_SHOWN_WEIGHT,
                       M.nSystemMatch[bDefense], nValue);
        const int64_t nDouble = f + 1;
        if (nDouble > 0) {
            // No value below 0 either way; the double-team plays (none when
            // f is 0) are listed.
            int64_t v[DEFENSIVE_PLAY_COUNT];
            for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
                v[j] = nValue[j];
            if (f != 0)
                for (int n = 0; n < M.nDoubles[bDefense]; ++n)
                    v[M.nDoublePlay[bDefense][n]] *= nDouble;
            for (int j = 0; j < DEFENSIVE_PLAY_COUNT; j += 2) {
                nCum[j] = nTotal + v[j];
                nTotal = nCum[j] + v[j + 1];
                nCum[j + 1] = nTotal;
            }
            return nTotal;
        }
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
            int64_t v = nValue[j];
            if (M.bDouble[bDefense][j])
                v *= nDouble;
            nTotal += std::max<int64_t>(v, 0);
            nCum[j] = nTotal;
        }
    } else {
        int nProduct[DEFENSIVE_PLAY_COUNT];
        Predicted_Products(M, bOffense, nPredicted, nProduct, &nBound);
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j) {
            const int w = bShown ? pShownWeight[j] : 1000;
            const int m = nProduct[j];
            int64_t v = Per_Mille(Per_Mille(m, w), M.nSystemMatch[bDefense][j]);
            if (f != 0 && M.bDouble[bDefense][j])
                v *= f + 1;
            nTotal += std::max<int64_t>(v, 0);
            nCum[j] = nTotal;
        }
    }

    return nTotal;
}

int Call_Defensive_Play(GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return 0;
    }
    return Call_Defensive_Play(Get_Game_Context(pGame), pGame);
}

int Call_Defensive_Play(GAME_CONTEXT& Context, GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return 0;
    }
    const MATCHUP_TABLES& M = Context.Matchup;
    if (!Has_Tables(M, pGame))
        Build_Play_Matchup_Table(Context, pGame);

    const int f = Get_Top_Receiver_Focus(Context, pGame);
    int nPredicted[5];
    for (int& p : nPredicted)
        p = std::clamp(Call_Offensive_Play(Context, pGame), 0, OFFENSIVE_PLAY_COUNT - 1);
    const int F = Set_Team_Formations(pGame);

    const int bOffense = Offense_Side(pGame);
    const int bDefense = 1 - bOffense;

    int64_t nCum[DEFENSIVE_PLAY_COUNT];
    const int64_t nTotal = Get_Defensive_Call_Sums(M, bOffense, nPredicted, F, f, nCum);

    Generate_Random_Number();   // drawn and set aside
    const double u = Random_Word_To_Fraction(Generate_Random_Number());
    if (nTotal <= 0) {
        // Any play alike; a nameless entry gives way to the first named one.
        const int j = static_cast<int>(u * DEFENSIVE_PLAY_COUNT);
        const int d = Side_Team(pGame, bDefense);
        if (Is_Valid_Defensive_Play(d, j))
            return j;
        for (int k = 0; k < DEFENSIVE_PLAY_COUNT; ++k)
            if (Is_Valid_Defensive_Play(d, k))
                return k;
        return j;
    }
    const int64_t x = static_cast<int64_t>(u * static_cast<double>(nTotal));
    for (int j = 0; j < DEFENSIVE_PLAY_COUNT; ++j)
        if (nCum[j] > x)
            return j;
    return DEFENSIVE_PLAY_COUNT - 1;
}

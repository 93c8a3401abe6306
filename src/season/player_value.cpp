// A player's worth: his projected peak, the worth of his ratings and of his
// production, and his scouted figures.
//
// The figures as the user's scouts see them are the scouting rule's
// (Adjust_Player_Stat_By_Modifier, season/scouting.h).
#include "season/player_value.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/int_math.h"
#include "base/random.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "season/player_development.h"
#include "season/salary_finance.h"

namespace {

constexpr float POSITION_VALUE_FACTOR[NUMBER_OF_POSITIONS] = {
    2.0f, 1.1f, 0.75f, 0.9f, 1.2f, 1.2f, 1.0f, 1.08f, 1.2f, 1.1f, 1.1f, 1.1f, 1.1f, 0.35f, 0.17f,
};
constexpr int RB_ERA_FIRST_YEAR = 1996;      // running backs lose worth from this year on
constexpr int RB_ERA_FULL_YEAR = 2015;
constexpr int FULL_SEASON_GAMES = 17;

bool Has_Player(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM &&
           Get_Player_ID(nTeam, nSlot) != 0;
}

int Base_Position(int nTeam, int nSlot)
{
    const int nCode = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    return nCode >= POSITION_ANY ? Translate_Expanded_Position(nCode) : nCode;
}

// Puts the 27 stored ratings back, bit for bit, however the scope is left.
class RATING_RESTORE {
public:
    RATING_RESTORE(int nTeam, int nSlot) : m_nTeam(nTeam), m_nSlot(nSlot)
    {
        PLAYER Copy;
        Copy_Player_To_Memory(&Copy, nTeam, nSlot);
        std::memcpy(m_fRating, Copy.fRating, sizeof(m_fRating));
    }
    ~RATING_RESTORE()
    {
        for (int i = 0; i < NUMBER_OF_RATINGS; ++i)
            Set_Player_Rating(m_nTeam, m_nSlot, i, m_fRating[i]);
    }
    RATING_RESTORE(const RATING_RESTORE&) = delete;
    RATING_RESTORE& operator=(const RATING_RESTORE&) = delete;

private:
    int m_nTeam;
    int m_nSlot;
    float m_fRating[NUMBER_OF_RATINGS];
};

// Below this overall a read of the overall draws new ratings
// (Get_Player_Overall_Or_Regenerate).
constexpr float REGENERATION_OVERALL = 25.0f;

// The potentials kept while a contract pass runs (Begin_Potential_Memo). A
// projection reads the player's own record and settings the pass does not
// change (the year, aging, reversion to the mean); the contract fields it
// never reads are left out of the comparison, so a contract drawn again
// keeps the projection.
struct POTENTIAL_MEMO_ENTRY {
    bool bKnown = false;
    float fPotential = 0.0f;
    PLAYER Key{};
};
struct POTENTIAL_MEMO {
    int nDepth = 0;
    std::vector<POTENTIAL_MEMO_ENTRY> Entries;
};
POTENTIAL_MEMO g_PotentialMemo;

constexpr int CONTRACT_VITALS[] = {VITAL_SALARY, VITAL_SIGNING_BONUS, VITAL_CONTRACT_LENGTH,
                                   VITAL_CONTRACT_YEARS_LEFT};

POTENTIAL_MEMO_ENTRY* Potential_Memo_Entry(int nTeam, int nSlot)
{
    if (g_PotentialMemo.Entries.empty())
        return nullptr;
    return &g_PotentialMemo.Entries[static_cast<size_t>(nTeam) * PLAYERS_PER_TEAM + static_cast<size_t>(nSlot)];
}

void Copy_Projection_Inputs(PLAYER& Key, int nTeam, int nSlot)
{
    Copy_Player_To_Memory(&Key, nTeam, nSlot);
    for (int nCode : CONTRACT_VITALS)
        Key.nVital[nCode] = 0;
}

bool Same_Projection_Inputs(const PLAYER& Key, int nTeam, int nSlot)
{
    PLAYER Now;
    Copy_Projection_Inputs(Now, nTeam, nSlot);
    return std::memcmp(&Now, &Key, sizeof(PLAYER)) == 0;
}

// The return bonus of backs, receivers and defensive backs from statistics
// 302 and 303 of a period.
int64_t Return_Bonus(int nTeam, int nSlot, int nPeriod)
{
    const int64_t b = static_cast<int64_t>(Get_Player_Stat(nTeam, nSlot, nPeriod, 302)) +
                      Get_Player_Stat(nTeam, nSlot, nPeriod, 303);
    return b > 100 ? b - 50 : b / 2;
}

int64_t Unit_Back_Production(int nTeam, int nSlot, int nPosition, int nPeriod)
{
    auto S = [&](int nCode) { return static_cast<int64_t>(Get_Player_Stat(nTeam, nSlot, nPeriod, nCode)); };
    int64_t T = 0;
    if (nPosition == POSITION_QB) {
        const int64_t E = static_cast<int64_t>(Get_League_Passer_Rating()) - 200;
        if (S(STAT_CODE_PASSER_RATING) > E) {
            const __int128 nProduct = static_cast<__int128>(36) * (S(STAT_CODE_PASSER_RATING) - E) *
                                      S(STAT_PASS_ATTEMPTS) * 2125;
            T = Divide_Rounded(nProduct, S(STAT_CODE_COMPLETION_RATE) + 1500);
        }
    }
    if (S(STAT_RUSHING_YARDS) > 500)
        T += (S(STAT_RUSHING_YARDS) - 500) * 3000;
    T += 50000 * S(STAT_RUSHING_TOUCHDOWNS);
    if (nPosition == POSITION_FB)
        T = Get_Rounded_Product(T, 85, 100);
    const int64_t k = S(STAT_RECEIVING_YARDS) + 25 * S(STAT_RECEIVING_TOUCHDOWNS);
    T += 2200 * k;
    if (nPosition != POSITION_QB) {
        T += 500 * (S(6) != 0 ? S(6) : S(STAT_RECEIVING_YARDS) / 3);
        if (S(4) > 0 && S(5) > 0)
            T += 1000 * S(5) - 370 * S(4);
        if (S(4) > 0)
            T += 1000 * S(STAT_RECEPTIONS) - 570 * S(4);
    }
    if (nPosition == POSITION_TE)
        T += 800 * k;
    if (nPosition == POSITION_RB || nPosition == POSITION_FB || nPosition == POSITION_TE ||
        nPosition == POSITION_WR) {
        const int q = static_cast<int>(0.5f * Get_Player_Rating(nTeam, nSlot, RATING_RUN_BLOCKING) +
                                       0.5f * Get_Player_Rating(nTeam, nSlot, RATING_PASS_BLOCKING));
        if (q > 70) {
            int64_t nBlocking = 30000 * static_cast<int64_t>(q - 70);
            if (nPosition == POSITION_TE)
                nBlocking *= 3;
            else if (nPosition == POSITION_FB)
                nBlocking *= 2;
            T += nBlocking;
        }
        if (nPosition == POSITION_FB || nPosition == POSITION_TE)
            T += 250000;
    }
    return T;
}

int64_t Unit_Line_Production(int nTeam, int nSlot, int nPeriod)
{
    // Get_Player_Rating repairs a rating that is not a number or below 20
    // and stores the repair.
    const float fPass = Get_Player_Rating(nTeam, nSlot, RATING_PASS_BLOCKING);
    const float fRun = Get_Player_Rating(nTeam, nSlot, RATING_RUN_BLOCKING);
    const float fDiscipline = Get_Player_Rating(nTeam, nSlot, RATING_DISCIPLINE);
    const int nPart = static_cast<int>(4.5f * fPass);
    const int nBlocking = static_cast<int>(static_cast<float>(nPart) + 4.5f * fRun);
    const int64_t x = static_cast<int>(static_cast<float>(nBlocking) + fDiscipline);
    int64_t T = x > 350 ? 15 * std::max<int64_t>(0, (x - 450) * (x - 350)) : 0;
    if (nPeriod != STAT_PERIOD_PREDICTED) {
        const int64_t nPlayed = std::min(Get_Player_Stat(nTeam, nSlot, nPeriod, STAT_GAMES_PLAYED), FULL_SEASON_GAMES) +
                                std::min(Get_Player_Stat(nTeam, nSlot, nPeriod, STAT_GAMES_STARTED), FULL_SEASON_GAMES) +
                                FULL_SEASON_GAMES;
        T = Get_Rounded_Product(T, nPlayed, 3 * FULL_SEASON_GAMES);
    }
    return T;
}

int64_t Unit_Defense_Production(int nTeam, int nSlot, int nPosition, int nPeriod)
{
    auto S = [&](int nCode) { return static_cast<int64_t>(Get_Player_Stat(nTeam, nSlot, nPeriod, nCode)); };
    const int64_t h = S(STAT_SOLO_TACKLES) + S(STAT_TACKLE_ASSISTS) / 2;
    int64_t T = 200000 * S(STAT_INTERCEPTIONS) + 25000 * h + 100000 * S(STAT_SACKS) + 75000 * S(STAT_PASSES_DEFENSED);
    if (nPosition == POSITION_DT)
        T += 7500 * h + 25000 * S(STAT_PASSES_DEFENSED);
    return T;
}

int64_t Kicker_Production(int nTeam, int nSlot, int nPeriod)
{
    auto S = [&](int nCode) { return static_cast<int64_t>(Get_Player_Stat(nTeam, nSlot, nPeriod, nCode)); };
    const int64_t n = S(STAT_CODE_FIELD_GOAL_ATTEMPTS) - S(STAT_FIELD_GOAL_ATTEMPTS_BAND_4) / 3 +
                      S(STAT_FIELD_GOAL_ATTEMPTS_BAND_2) / 3 + S(STAT_FIELD_GOAL_ATTEMPTS_BAND_1) / 2;
    const int64_t a = S(STAT_CODE_FIELD_GOALS_MADE);
    const int64_t p = Get_Rounded_Product(a, 1000, n);
    const int64_t y = 5000 * (p - 650);
    int64_t T = Get_Rounded_Product(a, y, 30);
    const int64_t f = std::min(100 * S(STAT_PAT_ATTEMPTS), 1000 - S(STAT_CODE_PAT_RATE));
    T = Get_Rounded_Product(T, 1000 - f, 1000);
    return T;
}

int64_t Punter_Production(int nTeam, int nSlot, int nPeriod)
{
    auto S = [&](int nCode) { return static_cast<int64_t>(Get_Player_Stat(nTeam, nSlot, nPeriod, nCode)); };
    return Get_Rounded_Product(std::min<int64_t>(S(STAT_PUNTS), 80), 6000 * (S(STAT_CODE_PUNT_AVERAGE) - 350), 80);
}

}  // namespace

int64_t Get_Rounded_Product(int64_t x, int64_t k, int64_t d)
{
    if (x == 0 || d == 0)
        return 0;
    const __int128 n = static_cast<__int128>(x) * k + d / 2;
    __int128 q = n / d;
    if (k % d != 0 && ((x < 0) != (k < 0)))
        --q;
    if (q > INT64_MAX)
        return INT64_MAX;
    if (q < INT64_MIN)
        return INT64_MIN;
    return static_cast<int64_t>(q);
}

float Compute_Player_Potential(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0.0f;
    if (Get_Player_ID(nTeam, nSlot) == 0)
        return 0.0f;
    const int n = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PEAK_START) - Get_Player_Age(nTeam, nSlot);
    if (n <= 0)
        return std::trunc(Get_Player_Overall_Or_Regenerate(nTeam, nSlot));
    POTENTIAL_MEMO_ENTRY* pMemo = Potential_Memo_Entry(nTeam, nSlot);
    if (pMemo != nullptr && pMemo->bKnown && Same_Projection_Inputs(pMemo->Key, nTeam, nSlot))
        return pMemo->fPotential;
    float fPotential = 0.0f;
    bool bRegenerated = false;
    {
        // The projection works on the live record; the guard puts his
        // ratings back on every way out.
        RATING_RESTORE Restore(nTeam, nSlot);
        for (int i = 0; i < n; ++i)
            Age_Player_Ratings(nTeam, nSlot, 0);
        bRegenerated = Get_Player_Overall_Rating(nTeam, nSlot) < REGENERATION_OVERALL;
        fPotential = std::trunc(Get_Player_Overall_Or_Regenerate(nTeam, nSlot));
    }
    // A projection that drew new ratings drew random numbers: it is done
    // again every time, as it always was.
    if (pMemo != nullptr) {
        pMemo->bKnown = !bRegenerated;
        pMemo->fPotential = fPotential;
        Copy_Projection_Inputs(pMemo->Key, nTeam, nSlot);
    }
    return fPotential;
}

void Begin_Potential_Memo()
{
    if (g_PotentialMemo.nDepth++ == 0)
        g_PotentialMemo.Entries.assign(static_cast<size_t>(TOTAL_NUMBER_OF_TEAMS) * PLAYERS_PER_TEAM,
                                       POTENTIAL_MEMO_ENTRY{});
}

void End_Potential_Memo()
{
    if (g_PotentialMemo.nDepth > 0 && --g_PotentialMemo.nDepth == 0) {
        g_PotentialMemo.Entries.clear();
        g_PotentialMemo.Entries.shrink_to_fit();
    }
}

int Get_Rating_Value(int nTeam, int nSlot, float fRating)
{
    const float x = fRating < 70.0f ? 2.0f * fRating - 70.0f : fRating;
    float v;
    if (x >= 65.0f) {
        const float d = std::max(0.0f, x - 65.0f);
        v = d * d * 15.0f + 306.25f;
    } else {
        const float d = std::max(0.0f, x - 30.0f);
        v = d * d * 0.25f;
    }
    if (!Has_Player(nTeam, nSlot))
        return static_cast<int>(v);
    const int nPosition = std::clamp(Base_Position(nTeam, nSlot), 0, NUMBER_OF_POSITIONS - 1);
    v *= POSITION_VALUE_FACTOR[nPosition];
    const int nYear = Get_Current_Year();
    if (nPosition == POSITION_RB && nYear >= RB_ERA_FIRST_YEAR) {
        const int nShort = std::min(std::max(RB_ERA_FULL_YEAR - nYear, 0), 20);
        v *= static_cast<float>(50 - nShort) / 50.0f;
    }
    return static_cast<int>(v);
}

int Get_Player_Value(int nTeam, int nSlot)
{
    if (!Has_Player(nTeam, nSlot))
        return 0;
    const float O = Get_Player_Overall_Or_Regenerate(nTeam, nSlot);
    const float P = Compute_Player_Potential(nTeam, nSlot);
    const int64_t r = (static_cast<int64_t>(Get_Rating_Value(nTeam, nSlot, std::trunc(O))) +
                       Get_Rating_Value(nTeam, nSlot, std::trunc(P))) / 2;
    const int64_t w = std::max<int64_t>(88 - 12 * static_cast<int64_t>(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED)), 70);
    int64_t p = Get_Player_Production_Value(nTeam, nSlot, STAT_PERIOD_LAST_SEASON);
    const int nPosition = Base_Position(nTeam, nSlot);
    if (nPosition == POSITION_RB || nPosition == POSITION_FB || nPosition == POSITION_TE ||
        nPosition == POSITION_WR || nPosition == POSITION_CB || nPosition == POSITION_S)
        p += Return_Bonus(nTeam, nSlot, STAT_PERIOD_LAST_SEASON);
    int64_t nValue = Get_Rounded_Product(r, w, 100) + Get_Rounded_Product(p, 100 - w, 100);
    const int D = Get_Position_Decline_Age(nPosition);
    const int nAge = Get_Player_Age(nTeam, nSlot);
    if (nAge > D)
        nValue = Mul_Div_Rounded_64(nValue, D + 12 - nAge, 12);
    return static_cast<int>(std::clamp<int64_t>(nValue, INT32_MIN, INT32_MAX));
}

// The sum T of a period's production is kept in 64 bits: career totals of a
// long career reach about 10^8.
int Get_Player_Production_Value(int nTeam, int nSlot, int nPeriod)
{
    if (!Has_Player(nTeam, nSlot))
        return 0;
    const int nPosition = Base_Position(nTeam, nSlot);
    int64_t T = 0;
    switch (Get_Position_Unit(nPosition)) {
    case UNIT_BACKS:
        T = Unit_Back_Production(nTeam, nSlot, nPosition, nPeriod);
        break;
    case UNIT_LINE:
        T = Unit_Line_Production(nTeam, nSlot, nPeriod);
        break;
    case UNIT_DEFENSE:
        T = Unit_Defense_Production(nTeam, nSlot, nPosition, nPeriod);
        break;
    case UNIT_KICKERS:
        T = nPosition == POSITION_K ? Kicker_Production(nTeam, nSlot, nPeriod) : Punter_Production(nTeam, nSlot, nPeriod);
        break;
    default:
        break;
    }
    const int64_t x = T / 1000;
    const int64_t nValue = x > 1500 ? std::max<int64_t>(x - 1000, 0) : std::max<int64_t>(x / 3, 0);
    return static_cast<int>(std::min<int64_t>(nValue, INT32_MAX));
}

// Unit factors of a snap.

#include "engine/play_factors.h"

#include "engine/game_clock.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "base/random.h"
#include "engine/game_ratings.h"
#include "engine/game_state.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"

namespace {

constexpr float LIMIT_SMALL = 1.66f;
constexpr float LIMIT_DOUBLE = 2.0f;
constexpr float LIMIT_TRIPLE = 3.0f;
constexpr int STAT_USAGE = 11;

int Side_Of(const GAME* pGame, bool bOffense)
{
    const int nOffense = pGame->nOffense == pGame->nHomeTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
    return bOffense ? nOffense : 1 - nOffense;
}

// A rating of the player in a place; an empty place or a team byte past 40 reads 20.
float Place_Rating(const GAME* pGame, int bSide, int nPlace, int nRating)
{
    const int nTeam = Side_Team(pGame, bSide);
    const int nSlot = pGame->nOnField[bSide][nPlace];
    if (nTeam > LAST_TEAM || nSlot >= PLAYERS_PER_TEAM)
        return MINIMUM_RATING;
    return std::max(Get_Game_Player_Rating(nTeam, nSlot, nRating), MINIMUM_RATING);
}

// The factors summed over the places, each with its players' terms kept.
enum TERM_KIND { TERM_RECEIVING, TERM_BACKFIELD, TERM_BALL_HAWK, TERM_PASS_RUSH, TERM_COVERAGE, TERM_TACKLING, TERM_RUN_DEFENSE, TERM_KINDS };

// A player's term of a factor: a function of his club, slot and ratings
// (and, for the backfield, his position) alone, so it holds while the kept
// ratings' generation, the club and the position are the ones it was worked
// out under. Adding the kept float adds the same number in the same order.
struct KEPT_TERM {
    unsigned nGeneration = 0;   // 0 is never a generation
    int16_t nTeam = -1;
    int16_t nPosition = -1;
    float f = 0.0f;
};
KEPT_TERM g_Term[TERM_KINDS][2][PLAYERS_PER_TEAM];

// The term of the player in place p, kept while a game keeps ratings.
// nPosition is the player's position when the term reads it, else -1.
template <typename TERM>
float Place_Term(const GAME* pGame, int bSide, int p, int nKind, unsigned nGeneration, int nPosition, TERM fTerm)
{
    auto R = [&](int nRating) { return Place_Rating(pGame, bSide, p, nRating); };
    const int nTeam = Side_Team(pGame, bSide);
    const int nSlot = pGame->nOnField[bSide][p];
    if (nGeneration == 0 || nTeam > LAST_TEAM || nSlot >= PLAYERS_PER_TEAM)
        return fTerm(R);
    KEPT_TERM& T = g_Term[nKind][bSide][nSlot];
    if (T.nGeneration != nGeneration || T.nTeam != nTeam || T.nPosition != nPosition) {
        T.f = fTerm(R);
        T.nGeneration = nGeneration;
        T.nTeam = static_cast<int16_t>(nTeam);
        T.nPosition = static_cast<int16_t>(nPosition);
    }
    return T.f;
}

// The kept ratings' generation while a game keeps them, else 0 (keep nothing).
unsigned Term_Generation()
{
    return Is_Game_Rating_Cache_Active() ? Get_Game_Rating_Generation() : 0;
}

// Sum over the eleven places of one side of fTerm(ratings of the place).
template <typename TERM>
float Sum_Places(const GAME* pGame, bool bOffense, int nKind, TERM fTerm)
{
    const int bSide = Side_Of(pGame, bOffense);
    const unsigned nGeneration = Term_Generation();
    float fSum = 0.0f;
    for (int p = 0; p < PLACES_ON_FIELD; ++p)
        fSum += Place_Term(pGame, bSide, p, nKind, nGeneration, -1, fTerm);
    return fSum;
}

int Position_In_Place(const GAME* pGame, int bSide, int nPlace)
{
    const int nTeam = Side_Team(pGame, bSide);
    const int nSlot = pGame->nOnField[bSide][nPlace];
    if (nTeam > LAST_TEAM || nSlot >= PLAYERS_PER_TEAM)
        return -1;
    return Get_Player_Position(nTeam, nSlot);
}

bool Is_User_Run(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Valid_Team(nTeam) &&
           Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) == 0 &&
           Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER;
}


}  // namespace

float Bound_Play_Factor(float f, float fLimit)
{
    const float fHigh = std::sqrt(fLimit);
    const float fLow = std::sqrt(1.0f / fLimit);
    if (f > fHigh)
        f = (fHigh + f) / 2.0f;
    else if (f < fLow)
        f = (fLow + f) / 2.0f;
    return std::clamp(f, 1.0f / fLimit, fLimit);
}

namespace {

float Compute_Receiving_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const float fSum = Sum_Places(pGame, true, TERM_RECEIVING, [](auto R) { return std::max(R(RATING_RECEIVING) - 60.0f, 0.0f); });
    return Bound_Play_Factor(0.96f + 0.0005f * fSum, LIMIT_SMALL);
}

float Compute_Backfield_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const int bSide = Side_Of(pGame, true);
    const unsigned nGeneration = Term_Generation();
    float fSum = 0.0f;
    for (int p = 0; p < PLACES_ON_FIELD; ++p) {
        const int nPosition = Position_In_Place(pGame, bSide, p);
        if (nPosition != POSITION_QB && nPosition != POSITION_RB && nPosition != POSITION_FB)
            continue;
        fSum += Place_Term(pGame, bSide, p, TERM_BACKFIELD, nGeneration, nPosition, [nPosition](auto R) {
            float c = 0.2f * R(RATING_SPEED) + 0.2f * R(RATING_POWER) + 0.25f * R(RATING_QUICKNESS) +
                      0.25f * R(RATING_VISION) + 0.1f * R(RATING_HANDS);
            if (nPosition == POSITION_QB)
                c = (c + R(RATING_MOBILITY)) * 0.5f;
            return std::max(c - 60.0f, 0.0f);
        });
    }
    return Bound_Play_Factor(0.98f + 0.0005f * fSum, LIMIT_SMALL);
}

float Compute_Ball_Hawk_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const float fSum = Sum_Places(pGame, false, TERM_BALL_HAWK, [](auto R) {
        return std::max(R(RATING_PASS_COVERAGE) - 30.0f, 0.0f) * std::max(R(RATING_TURNOVERS) - 30.0f, 0.0f);
    });
    return Bound_Play_Factor(fSum / 17600.0f, LIMIT_DOUBLE);
}

float Compute_Pass_Rush_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const float s = Sum_Places(pGame, false, TERM_PASS_RUSH, [](auto R) { return R(RATING_PASS_RUSH) * R(RATING_PASS_RUSH); }) / 57750.0f;
    return Bound_Play_Factor((2.0f * s - 1.0f) * 1.6f - 0.6f, LIMIT_TRIPLE);
}

float Compute_Coverage_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const float s =
        Sum_Places(pGame, false, TERM_COVERAGE, [](auto R) { return R(RATING_PASS_COVERAGE) * R(RATING_PASS_COVERAGE); });
    return Bound_Play_Factor(s / 61875.0f * 1.5f - 0.5f, LIMIT_SMALL);
}

float Compute_Tackling_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const float s = Sum_Places(pGame, false, TERM_TACKLING, [](auto R) { return R(RATING_TACKLING) * R(RATING_TACKLING) + 4900.0f; });
    return Bound_Play_Factor(s / 107800.0f, LIMIT_SMALL);
}

float Compute_Run_Defense_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const float s =
        Sum_Places(pGame, false, TERM_RUN_DEFENSE, [](auto R) { return R(RATING_RUN_DEFENSE) * R(RATING_RUN_DEFENSE) + 4900.0f; });
    return Bound_Play_Factor(s / 107800.0f * 3.0f - 2.0f, LIMIT_SMALL);
}

float Compute_Run_Blocking_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const int bSide = Side_Of(pGame, true);
    auto R = [&](int p) { return Place_Rating(pGame, bSide, p, RATING_RUN_BLOCKING); };
    float S = R(6) + R(10);
    for (int p = 7; p <= 9; ++p)
        S += 1.3f * R(p) - 24.0f;
    S += 0.5f * R(2) + 0.5f * R(3);
    return Bound_Play_Factor((S - 215.0f) / 215.0f, LIMIT_DOUBLE);
}

float Compute_Pass_Blocking_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const int bSide = Side_Of(pGame, true);
    auto R = [&](int p) { return Place_Rating(pGame, bSide, p, RATING_PASS_BLOCKING); };
    const float S = R(7) + R(8) + R(9) + 1.25f * (R(6) + R(10)) + 0.5f * R(2);
    return std::clamp((S - 285.0f) / 175.0f, 0.25f, 1.75f);
}

float Compute_Line_Discipline_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const int bSide = Side_Of(pGame, true);
    float fSum = 0.0f;
    for (int p = 6; p <= 10; ++p)
        fSum += Place_Rating(pGame, bSide, p, RATING_DISCIPLINE);
    return Bound_Play_Factor(std::clamp(fSum / 350.0f, 0.5f, 2.0f), LIMIT_DOUBLE);
}

}  // namespace

namespace {

// The unit factors above read only the ratings of the players in one side's
// places, and a kept rating (game_ratings.h) does not change until it is
// forgotten: while the game keeps ratings, each factor is kept for the
// line-ups it was worked out for, by the side's club, its players in the
// places and the kept ratings' generation.
enum FACTOR_KIND { FACTOR_RECEIVING, FACTOR_BACKFIELD, FACTOR_BALL_HAWK, FACTOR_PASS_RUSH, FACTOR_COVERAGE, FACTOR_TACKLING, FACTOR_RUN_DEFENSE, FACTOR_RUN_BLOCKING, FACTOR_PASS_BLOCKING, FACTOR_LINE_DISCIPLINE, FACTOR_KINDS };

// The line-up's key: the eleven slots and the club in two words.
struct LINEUP_KEY {
    uint64_t nLow = 0;    // slots of places 0-7
    uint64_t nHigh = 0;   // slots of places 8-10, the club above them
};

LINEUP_KEY Lineup_Key(const GAME* pGame, int bSide, int nTeam)
{
    static_assert(PLACES_ON_FIELD == 11, "eight slots and three in the two words");
    const uint8_t* pSlot = pGame->nOnField[bSide];
    LINEUP_KEY Key;
    std::memcpy(&Key.nLow, pSlot, 8);
    uint32_t nRest = 0;
    std::memcpy(&nRest, pSlot + 8, 3);
    Key.nHigh = nRest | (static_cast<uint64_t>(static_cast<uint32_t>(nTeam)) << 32);
    return Key;
}

struct KEPT_FACTOR {
    const GAME* pGame = nullptr;
    unsigned nGeneration = 0;   // 0 is never a generation
    LINEUP_KEY Key;
    float f = 0.0f;
};
// Direct-mapped by a hash of the line-up: a game uses a few dozen line-ups a
// side, and a lookup is one comparison.
constexpr int LINEUP_BITS = 7;
constexpr int KEPT_LINEUPS = 1 << LINEUP_BITS;
struct KEPT_FACTORS {
    KEPT_FACTOR Entry[KEPT_LINEUPS];
};
KEPT_FACTORS g_Kept[FACTOR_KINDS];

int Lineup_Hash(const LINEUP_KEY& Key)
{
    const uint64_t h = (Key.nLow ^ (Key.nHigh * 0x9E3779B97F4A7C15ull)) * 0xD6E8FEB86659FD93ull;
    return static_cast<int>(h >> (64 - LINEUP_BITS));
}

template <typename COMPUTE>
float Kept_Factor(int nKind, const GAME* pGame, bool bOffense, COMPUTE Compute)
{
    if (!pGame || !Is_Game_Rating_Cache_Active())
        return Compute(pGame);
    const int bSide = Side_Of(pGame, bOffense);
    const int nTeam = Side_Team(pGame, bSide);
    const unsigned nGeneration = Get_Game_Rating_Generation();
    const LINEUP_KEY Key = Lineup_Key(pGame, bSide, nTeam);
    KEPT_FACTOR& K = g_Kept[nKind].Entry[Lineup_Hash(Key)];
    if (K.pGame == pGame && K.nGeneration == nGeneration && K.Key.nLow == Key.nLow && K.Key.nHigh == Key.nHigh)
        return K.f;
    K.f = Compute(pGame);
    K.pGame = pGame;
    K.nGeneration = nGeneration;
    K.Key = Key;
    return K.f;
}

}  // namespace

float Get_Receiving_Factor(const GAME* pGame)
{
    return Kept_Factor(FACTOR_RECEIVING, pGame, true, Compute_Receiving_Factor);
}

float Get_Backfield_Factor(const GAME* pGame)
{
    // Kept by line-up although it reads positions too: no position changes
    // while a game is played (a new game moves the generation).
    return Kept_Factor(FACTOR_BACKFIELD, pGame, true, Compute_Backfield_Factor);
}

float Get_Ball_Hawk_Factor(const GAME* pGame)
{
    return Kept_Factor(FACTOR_BALL_HAWK, pGame, false, Compute_Ball_Hawk_Factor);
}

float Get_Pass_Rush_Factor(const GAME* pGame)
{
    return Kept_Factor(FACTOR_PASS_RUSH, pGame, false, Compute_Pass_Rush_Factor);
}

float Get_Coverage_Factor(const GAME* pGame)
{
    return Kept_Factor(FACTOR_COVERAGE, pGame, false, Compute_Coverage_Factor);
}

float Get_Tackling_Factor(const GAME* pGame)
{
    return Kept_Factor(FACTOR_TACKLING, pGame, false, Compute_Tackling_Factor);
}

float Get_Run_Defense_Factor(const GAME* pGame)
{
    return Kept_Factor(FACTOR_RUN_DEFENSE, pGame, false, Compute_Run_Defense_Factor);
}

float Get_Run_Blocking_Factor(const GAME* pGame)
{
    return Kept_Factor(FACTOR_RUN_BLOCKING, pGame, true, Compute_Run_Blocking_Factor);
}

float Get_Pass_Blocking_Factor(const GAME* pGame)
{
    return Kept_Factor(FACTOR_PASS_BLOCKING, pGame, true, Compute_Pass_Blocking_Factor);
}

float Get_Line_Discipline_Factor(const GAME* pGame)
{
    return Kept_Factor(FACTOR_LINE_DISCIPLINE, pGame, true, Compute_Line_Discipline_Factor);
}

float Get_Defense_Stat_Trend_Factor(const GAME* pGame, int nStat)
{
    if (!pGame)
        return 1.0f;
    const int bSide = Side_Of(pGame, false);
    const int nTeam = Side_Team(pGame, bSide);
    float fPredicted = 0, fPredictedGames = 0, fSeason = 0, fSeasonGames = 0;
    for (int p = 0; p < PLACES_ON_FIELD; ++p) {
        const int nSlot = pGame->nOnField[bSide][p];
        if (nTeam > LAST_TEAM || nSlot >= PLAYERS_PER_TEAM)
            continue;
        fPredicted += static_cast<float>(Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, nStat));
        fPredictedGames += static_cast<float>(Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, 0) +
                                              Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, 1));
        fSeason += static_cast<float>(Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nStat));
        fSeasonGames += static_cast<float>(Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, 0) +
                                           Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, 1));
    }
    if (fPredictedGames < 1.0f || fSeasonGames < 1.0f || fSeason < 1.0f)
        return 1.0f;
    return Bound_Play_Factor((fPredicted / fPredictedGames) / (fSeason / fSeasonGames), LIMIT_DOUBLE);
}

float Get_Home_Field_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const bool bPlayoffs = Get_User_Preference(PREF_CURRENT_WEEK) >= std::max(Get_First_Playoff_Week(), 2);
    const float h = bPlayoffs ? 0.06f : 0.03f;
    float f = pGame->nOffense == pGame->nHomeTeam ? 1.0f + h : 1.0f - h;
    const float fDifficulty = 0.03f * static_cast<float>(Get_User_Preference(PREF_DIFFICULTY));
    if (Is_User_Run(pGame->nOffense))
        f -= fDifficulty;
    if (Is_User_Run(Get_Game_Defense_Team(pGame)))
        f += fDifficulty;
    return f;
}

int Limit_Weight_By_Usage(int nTeam, int nSlot, int nWeight)
{
    const int nUsage = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, STAT_USAGE);
    const int nLimit = 50 * (Get_Team_Games_Played(nTeam) + 1);
    return nUsage > nLimit ? Mul_Div_Rounded(nWeight, nLimit, nUsage) : nWeight;
}

bool Does_Play_Reach_End_Of_Half(const GAME* pGame)
{
    if (!pGame)
        return false;
    const int nLeft =
        pGame->nClock < SECONDS_AT_HALF_TIME ? SECONDS_AT_HALF_TIME - pGame->nClock : Get_Seconds_Left_In_Game(pGame);
    return pGame->nPlaySeconds >= nLeft;
}

bool Valid_Receiving_Route(int nRoute)
{
    if ((nRoute >= 0 && nRoute <= 36) || nRoute == 55)
        return true;
    if ((nRoute >= 37 && nRoute <= 51) || nRoute == 54)
        return false;
    Report_Error("Unhandled nPassRoute in Valid_Receiving_Route([%d])", nRoute);
    return false;
}

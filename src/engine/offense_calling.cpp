#include "engine/offense_calling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "base/int_math.h"
#include "base/random.h"
#include "engine/formations.h"
#include "engine/game_clock.h"
#include "engine/game_context.h"
#include "engine/game_ratings.h"
#include "engine/game_state.h"
#include "engine/offensive_systems.h"
#include "engine/play_data.h"
#include "engine/play_factors.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/league_norms.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "league/team_strength.h"
#include "platform/errors.h"

namespace {

// The statistic a tight end's pass weight is limited by (as Limit_Weight_By_Usage).
constexpr int STAT_USAGE = 11;

// A side's count of one call; 0 for a side or call out of range.
template <size_t N>
int Call_Tally(const int (&nTally)[2][N], int bSide, int nPlay)
{
    if (bSide < 0 || bSide > 1 || nPlay < 0 || nPlay >= static_cast<int>(N))
        return 0;
    return nTally[bSide][nPlay];
}

// One more of a side's call (held at INT32_MAX), which becomes the last call.
template <size_t N>
void Count_Call(int (&nTally)[2][N], int& nLastCall, int bSide, int nPlay)
{
    nLastCall = nPlay;
    int& n = nTally[bSide][nPlay];
    if (n < INT32_MAX)
        ++n;
}

// The candidate list of a category; -1 for a category without one.
int Candidate_List(int nCategory)
{
    switch (nCategory) {
    case PLAY_CATEGORY_RUN:
        return 0;
    case PLAY_CATEGORY_DRAW:
        return 1;
    case PLAY_CATEGORY_PASS:
        return 2;
    default:
        return -1;
    }
}

int Offense_Side(const GAME* pGame)
{
    return Is_Home_Team_On_Offense(pGame) ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

int Team_Stat_Or_Zero(int nTeam, int nStat)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM ? Get_Team_Stat(nTeam, nStat) : 0;
}

int Category_Of_Type(int nType)
{
    switch (nType) {
    case PLAY_TYPE_RUSH:
    case PLAY_TYPE_TOSS:
    case PLAY_TYPE_SWEEP:
    case PLAY_TYPE_TRAP:
    case PLAY_TYPE_COUNTER:
    case PLAY_TYPE_DOUBLE_REVERSE:
    case PLAY_TYPE_REVERSE:
        return PLAY_CATEGORY_RUN;
    case PLAY_TYPE_DRAW:
        return PLAY_CATEGORY_DRAW;
    case PLAY_TYPE_PASS:
    case PLAY_TYPE_ROLLOUT:
    case PLAY_TYPE_BOOTLEG:
    case PLAY_TYPE_SCREEN:
    case PLAY_TYPE_FLEA_FLICKER:
    case PLAY_TYPE_HALFBACK_PASS:
    case PLAY_TYPE_RECEIVER_PASS:
    case PLAY_TYPE_FAKE_REVERSE:
        return PLAY_CATEGORY_PASS;
    default:
        return PLAY_CATEGORY_NONE;
    }
}

void Build_Side_Profile(SIDE_PROFILE& Side, int nTeam)
{
    Side.nTeam = nTeam;
    const bool bTeam = Is_Valid_Team(nTeam);
    for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i) {
        PLAY_PROFILE& P = Side.Play[i];
        P.bValid = bTeam && Is_Valid_Offensive_Play(nTeam, i);
        char szName[PLAY_NAME_SIZE];
        Get_Offensive_Play_Name(nTeam, i, szName);
        P.bHailMary = std::strcmp(szName, "Hail Mary") == 0;
        P.nCategory = static_cast<int8_t>(Category_Of_Type(Get_Offensive_Play_Type(nTeam, i)));
        P.nFormation = static_cast<int8_t>(Get_Offensive_Play_Formation(nTeam, i));
        P.nCarrier = static_cast<int8_t>(Get_Offensive_Play_Carrier(nTeam, i));
        P.nCarrierView = static_cast<int8_t>(P.nCarrier >= 0 && P.nCarrier < PLACES_ON_FIELD ? P.nCarrier + 1 : 0);
        P.bSpecial = P.bHailMary || P.nFormation == PUNT_FORMATION || P.nFormation == FIELD_GOAL_FORMATION;
        // Only the plays the computer can call need the designed gain and the
        // fit (the others would report their unhandled type on every build).
        const bool bCallable = P.bValid && P.nCategory != PLAY_CATEGORY_NONE;
        P.nYardage = static_cast<int16_t>(bCallable ? Get_Play_Yardage(nTeam, i) : 0);
        P.nSystemMatch = static_cast<int16_t>(bCallable ? Get_Team_Offensive_System_Match(nTeam, P.nFormation) : 0);
    }
    for (int c = 0; c < 3; ++c)
        Side.nCandidates[c] = 0;
    for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i) {
        const PLAY_PROFILE& P = Side.Play[i];
        const int c = Candidate_List(P.nCategory);
        if (!P.bValid || c < 0 || i == KNEEL_DOWN_PLAY || i == HARD_CODED_PUNT_PLAY || i == HARD_CODED_FIELD_GOAL_PLAY)
            continue;
        Side.nCandidate[c][Side.nCandidates[c]++] = static_cast<int8_t>(i);
    }
    for (PLAYER_MIX& Mix : Side.Mix)
        Mix.bKnown = false;
    for (bool& bKnown : Side.bStepKnown)
        bKnown = false;
    const bool bRoster = nTeam >= 0 && nTeam <= LAST_TEAM;
    Side.nReceiver1 = bRoster ? Find_Team_Position_Player(nTeam, POSITION_WR, 0) : -1;
    Side.nReceiver2 = Side.nReceiver1 >= 0 ? Find_Team_Position_Player(nTeam, POSITION_WR, 1) : -1;
    Side.nRunningBack2 = bRoster ? Find_Team_Position_Player(nTeam, POSITION_RB, 1) : -1;
    Side.nOverall[0] = Side.nOverall[1] = -1;
    Side.nUsageLimit = -1;
    Side.nStrengthSnap[0] = -1;
}

bool Has_Profiles(const GAME_CONTEXT& C, const GAME* pGame)
{
    return pGame && C.Profiles.bBuilt && C.Profiles.nAway == pGame->nAwayTeam && C.Profiles.nHome == pGame->nHomeTeam;
}

void Build_Profiles(GAME_CONTEXT& C, const GAME* pGame)
{
    C.Profiles.nAway = pGame->nAwayTeam;
    C.Profiles.nHome = pGame->nHomeTeam;
    Build_Side_Profile(C.Profiles.Side[GAME_SIDE_AWAY], pGame->nAwayTeam);
    Build_Side_Profile(C.Profiles.Side[GAME_SIDE_HOME], pGame->nHomeTeam);
    C.Profiles.bBuilt = true;
    // The fitted weights read the snapshot's fits.
    C.Calls.bSquareKnown[GAME_SIDE_AWAY] = C.Calls.bSquareKnown[GAME_SIDE_HOME] = false;
}

// The snapshot of the game's teams, taken now when there is none.
CALL_PROFILES& Profiles_For(GAME_CONTEXT& C, const GAME* pGame)
{
    if (!Has_Profiles(C, pGame))
        Build_Profiles(C, pGame);
    return C.Profiles;
}

// The running (A), receiving (B) and passing (C) mixes of a player.
const PLAYER_MIX& Get_Player_Mix(SIDE_PROFILE& Side, int nSlot)
{
    PLAYER_MIX& Mix = Side.Mix[nSlot];
    if (Mix.bKnown)
        return Mix;
    const int t = Side.nTeam;
    auto r = [t, nSlot](int nRating) { return Get_Player_Rating(t, nSlot, nRating); };
    float A = 0.2f * r(RATING_SPEED) + 0.2f * r(RATING_POWER) + 0.25f * r(RATING_QUICKNESS) +
              0.25f * r(RATING_VISION) + 0.1f * r(RATING_HANDS);
    if (Get_Player_Position(t, nSlot) == POSITION_QB)
        A = (A + r(RATING_MOBILITY)) * 0.5f;
    Mix.A = A;
    Mix.B = 0.13f * r(RATING_SPEED) + 0.1f * r(RATING_QUICKNESS) + 0.14f * r(RATING_POWER) +
            0.12f * r(RATING_VISION) + 0.1f * r(RATING_HANDS) + 0.4f * r(RATING_RECEIVING);
    Mix.C = 0.3f * r(RATING_ACCURACY) + 0.3f * r(RATING_CONTROL) + 0.2f * r(RATING_DISTANCE) +
            0.2f * r(RATING_RED_ZONE);
    Mix.bKnown = true;
    return Mix;
}

// Points the offence trails by (negative when it leads).
int Points_Behind(const GAME* pGame)
{
    const int bOffense = Offense_Side(pGame);
    return pGame->nScore[1 - bOffense] - pGame->nScore[bOffense];
}

int Overtime_Rule(const GAME* pGame)
{
    return Get_User_Preference(Is_Playoff_Game(pGame) ? PREF_PLAYOFF_OVERTIME_RULE
                                                      : PREF_REGULAR_SEASON_OVERTIME_RULE);
}

// The offence's strength for the fourth-down models: (pass + run - 500) /
// 1000. The club strengths are read once per snap: nothing that moves them
// (an injury, a changed roster) happens between the calls of one snap.
double Offense_Strength(GAME_CONTEXT& C, const GAME* pGame)
{
    const int nTeam = Get_Game_Offense_Team(pGame);
    if (!Has_Profiles(C, pGame))
        return (Get_Team_Pass_Rating(nTeam) + Get_Team_Run_Rating(nTeam) - 500) / 1000.0;
    SIDE_PROFILE& Side = C.Profiles.Side[Offense_Side(pGame)];
    const int nSnap[6] = {pGame->nPlays, pGame->nClock, static_cast<int>(pGame->nDown), pGame->nYardLine,
                          pGame->nScore[0] * 1000 + pGame->nScore[1], static_cast<int>(reinterpret_cast<uintptr_t>(pGame) & 0x7fffffff)};
    if (!std::equal(nSnap, nSnap + 6, Side.nStrengthSnap)) {
        Side.fStrength = (Get_Game_Team_Offense_Strength(nTeam) - 500) / 1000.0;
        std::copy(nSnap, nSnap + 6, Side.nStrengthSnap);
    }
    return Side.fStrength;
}

bool Is_Snap_Open(const GAME_CONTEXT& C, const GAME* pGame)
{
    return C.Snap.bOpen && C.Snap.pGame == pGame;
}

// A read the calls of an open snap share: taken at the first call that
// needs it and kept in nKept (below 0: not yet taken) until the snap
// closes; outside a snap taken every time.
template <typename COMPUTE>
int Snap_Read(const GAME_CONTEXT& C, const GAME* pGame, int& nKept, COMPUTE Compute)
{
    if (!Is_Snap_Open(C, pGame))
        return Compute();
    if (nKept < 0)
        nKept = Compute();
    return nKept;
}

int Place_Position(FIND_CONTEXT& X, int nPlace, int nSlot)
{
    if (!X.bPositionKnown[nPlace]) {
        X.nPosition[nPlace] = nSlot < PLAYERS_PER_TEAM ? Get_Player_Position(X.nTeam, nSlot) : -1;
        X.bPositionKnown[nPlace] = true;
    }
    return X.nPosition[nPlace];
}

// The rushing weight of a quarterback carrier, per cent.
int Quarterback_Run_Weight(const GAME* pGame, int nTeam, int nSlot)
{
    const int Y = pGame->nToGo;
    const int S = pGame->nYardLine;
    const int v = static_cast<int>(Get_Player_Rating(nTeam, nSlot, RATING_COMBINED_RUSHING));
    int q = std::max(v - 55, (v - 65) * (v - 5) / 20);
    const int P = static_cast<int>(Get_Player_Rating(nTeam, nSlot, RATING_POWER));
    if (Y < 3 && P > 50)
        q += (3 - Y) * (P - 50);
    if (S < 7)
        q = Mul_Div_Rounded_64(q, 8, S + 1);
    q = q + q / 2;
    return std::max(q, 0);
}

// The first play that fits when no play has weight.
int Fallback_Offensive_Play(const SIDE_PROFILE& Side, int nCategory)
{
    if (Side.Play[0].bValid)
        return 0;
    for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i)
        if (Side.Play[i].bValid && Side.Play[i].nCategory == nCategory)
            return i;
    for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i)
        if (Side.Play[i].bValid)
            return i;
    return 0;
}

// The difficulty's move of the redundancy multiplier: only in a watched game
// of a simulation, against or for a user's club.
int Redundancy_Difficulty_Shift(const GAME* pGame)
{
    if (!Get_User_Preference(PREF_SIMULATION_RUNNING))
        return 0;
    const int nOffense = Get_Game_Offense_Team(pGame);
    const int nDefense = Get_Game_Defense_Team(pGame);
    const int nWeek = pGame->nWeek;
    auto Watched = [nWeek](int nTeam) {
        return nTeam >= 0 && nTeam <= LAST_TEAM && nWeek >= 0 && nWeek <= 21 && Get_Calendar_PBP_Flag(nTeam, nWeek) != 0;
    };
    if (!Watched(nOffense) && !Watched(nDefense))
        return 0;
    auto User = [](int nTeam) { return nTeam >= 0 && nTeam <= LAST_TEAM && Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER; };
    const int nDifficulty = Get_User_Preference(PREF_DIFFICULTY);
    if (User(nOffense) && !Get_User_Preference(PREF_ALL_COMPUTER_TEAMS))
        return -25 * nDifficulty;
    if (User(nDefense))
        return 25 * nDifficulty;
    return 0;
}

// 20000 / (n + 20) rounded, for the tallies a game reaches: a look-up in
// place of a division on every weighing.
constexpr int REDUNDANCY_TABLE_SIZE = 256;
constexpr auto REDUNDANCY_BY_TALLY = [] {
    std::array<int, REDUNDANCY_TABLE_SIZE> nValue{};
    for (int n = 0; n < REDUNDANCY_TABLE_SIZE; ++n)
        nValue[n] = (20000 + (n + 20) / 2) / (n + 20);
    return nValue;
}();

int Redundancy_From_Tally(int nTally, int nShift)
{
    const int nBase = nTally >= 0 && nTally < REDUNDANCY_TABLE_SIZE ? REDUNDANCY_BY_TALLY[nTally]
                                                                    : Mul_Div_Rounded_64(20000, 1, nTally + 20);
    int m = nBase + nShift;
    if (m < 0)
        Report_Error("Negative nMultiplier calculated by Get_Offensive_Play_Redundancy_Multiplier()");
    return std::max(m, 500);
}

// The square of the multiplier for a tally, or -1 for a multiplier below 0
// (Redundancy_From_Tally reports it; the weighing reports it again each time).
int Redundancy_Square(int nTally, int nShift)
{
    const int nBase = nTally >= 0 && nTally < REDUNDANCY_TABLE_SIZE ? REDUNDANCY_BY_TALLY[nTally]
                                                                    : Mul_Div_Rounded_64(20000, 1, nTally + 20);
    const int m = nBase + nShift;
    if (m < 0)
        return -1;
    const int r = std::max(m, 500);
    return r * r;
}

constexpr int NO_STEP = CALL_STATE::STEPS - 1;

// A play's square and its weights for 0-12 steps (none for 13): 4096 halved
// per step, times the squared redundancy / 1000000, times the fit / 1000,
// each rounded as the weighing rounds it.
void Fit_Play(CALL_STATE& Calls, int bSide, int i, int nSystemMatch)
{
    const int nSquare = Redundancy_Square(Calls.nOffenseTally[bSide][i], Calls.nSquareShift[bSide]);
    Calls.nNegativeSquares[bSide] += (nSquare < 0 ? 1 : 0) - (Calls.nRedundancySquare[bSide][i] < 0 ? 1 : 0);
    Calls.nRedundancySquare[bSide][i] = nSquare;
    const int nUsed = nSquare < 0 ? 500 * 500 : nSquare;
    int* nFitted = Calls.nFitted[bSide][i];
    for (int m = 0; m < NO_STEP; ++m)
        nFitted[m] = Mul_Div_Rounded_By<1000>(Mul_Div_Rounded_By<1000000>(4096 >> m, nUsed), nSystemMatch);
    nFitted[NO_STEP] = 0;
}

// The side's rows for nShift: filled again when the shift is not the one kept.
void Fit_Plays(CALL_STATE& Calls, const SIDE_PROFILE& Side, int bSide, int nShift)
{
    if (Calls.bSquareKnown[bSide] && Calls.nSquareShift[bSide] == nShift)
        return;
    Calls.nSquareShift[bSide] = nShift;
    Calls.nNegativeSquares[bSide] = 0;
    for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i) {
        Calls.nRedundancySquare[bSide][i] = 0;
        Fit_Play(Calls, bSide, i, Side.Play[i].nSystemMatch);
    }
    Calls.bSquareKnown[bSide] = true;
}

// The steps (0-12, NO_STEP from 13) of the designed gain y from the target
// gain g: a step of 1, 2 or 3 yards by the target.
int Steps_From_Target(int y, int g)
{
    int m = std::abs(y - g);
    if (g > 10)
        m /= 3;
    else if (g > 4)
        m /= 2;
    // Here m < g <= 2 d for the divisor d = (g + 1) / 2, so the quotient
    // is 0 or 1: a comparison in place of a division.
    if (g < y && y < 2 * g)
        m = m >= (g + 1) / 2 ? 1 : 0;
    return std::min(m, NO_STEP);
}

// The steps of every play of a side from target g: the kept row for a
// target within the table, else worked out into nRow.
const uint8_t* Step_Row(SIDE_PROFILE& Side, int g, uint8_t (&nRow)[OFFENSIVE_PLAY_COUNT])
{
    uint8_t* pRow = nRow;
    if (g >= 0 && g < SIDE_PROFILE::STEP_GAINS) {
        pRow = Side.nStep[g];
        if (Side.bStepKnown[g])
            return pRow;
        Side.bStepKnown[g] = true;
    }
    for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i)
        pRow[i] = static_cast<uint8_t>(Steps_From_Target(Side.Play[i].nYardage, g));
    return pRow;
}

} // namespace

// ---------------------------------------------------------------------------
// Snapshot

void Build_Offensive_Call_Profiles(const GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return;
    }
    Build_Profiles(Get_Game_Context(pGame), pGame);
}

void Build_Offensive_Call_Profiles(GAME_CONTEXT& Context, const GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return;
    }
    Build_Profiles(Context, pGame);
}


// ---------------------------------------------------------------------------
// Call state

void Record_Offensive_Play_Call(GAME_CONTEXT& Context, const GAME* pGame, int nPlay)
{
    if (!pGame || nPlay < 0 || nPlay >= OFFENSIVE_PLAY_COUNT) {
        Report_Error("%s(%p, [%d])", __func__, static_cast<const void*>(pGame), nPlay);
        return;
    }
    CALL_STATE& Calls = Context.Calls;
    const int bSide = Offense_Side(pGame);
    Count_Call(Calls.nOffenseTally, Calls.nLastOffenseCall, bSide, nPlay);
    // The rows are known only under the snapshot they were filled from.
    if (Calls.bSquareKnown[bSide])
        Fit_Play(Calls, bSide, nPlay, Context.Profiles.Side[bSide].Play[nPlay].nSystemMatch);
}

void Record_Offensive_Play_Call(const GAME* pGame, int nPlay)
{
    Record_Offensive_Play_Call(Get_Game_Context(pGame), pGame, nPlay);
}

int Get_Offensive_Call_Tally(const GAME* pGame, int bSide, int nPlay)
{
    return Call_Tally(Get_Game_Context(pGame).Calls.nOffenseTally, bSide, nPlay);
}

int Get_Last_Offensive_Call(const GAME* pGame)
{
    return Get_Game_Context(pGame).Calls.nLastOffenseCall;
}

int Get_Defensive_Call_Tally(const GAME* pGame, int bSide, int nPlay)
{
    return Call_Tally(Get_Game_Context(pGame).Calls.nDefenseTally, bSide, nPlay);
}

int Get_Last_Defensive_Call(const GAME* pGame)
{
    return Get_Game_Context(pGame).Calls.nLastDefenseCall;
}

void Count_Defensive_Play_Call(GAME_CONTEXT& Context, int bSide, int nPlay)
{
    if (bSide < 0 || bSide > 1 || nPlay < 0 || nPlay >= DEFENSIVE_PLAY_COUNT) {
        Report_Error("%s(%d, %d)", __func__, bSide, nPlay);
        return;
    }
    Count_Call(Context.Calls.nDefenseTally, Context.Calls.nLastDefenseCall, bSide, nPlay);
}

// ---------------------------------------------------------------------------
// Play data

int Get_Play_Call_Category(int nTeam, int nPlay)
{
    return Category_Of_Type(Get_Offensive_Play_Type(nTeam, nPlay));
}

int Get_Play_Primary_Route_Depth(int nTeam, int nPlay)
{
    if (nPlay < 0 || nPlay >= OFFENSIVE_PLAY_COUNT)
        return 0;
    const int nCarrier = Get_Offensive_Play_Carrier(nTeam, nPlay);
    // The primary receiver is the carrier's place less one (receivers stand
    // in places 1-5); the route accessor reports any other.
    const int nReceiver = nCarrier < 0 ? -2 : nCarrier - 1;
    return Get_Pass_Route_Mean_Depth(Get_Offensive_Play_Route(nTeam, nPlay, nReceiver));
}

int Get_Play_Yardage(int nTeam, int nPlay)
{
    const int nType = Get_Offensive_Play_Type(nTeam, nPlay);
    const int c = nPlay >= 0 && nPlay < OFFENSIVE_PLAY_COUNT ? Get_Offensive_Play_Carrier(nTeam, nPlay) : NO_CARRIER;
    const int h = nPlay >= 0 && nPlay < OFFENSIVE_PLAY_COUNT ? Get_Offensive_Play_Run_Hole(nTeam, nPlay) : NO_HOLE;
    const int nBase = h / 2 + 1;
    switch (nType) {
    case PLAY_TYPE_RUSH:
    case PLAY_TYPE_COUNTER: {
        int y;
        if (c < 0)
            y = nBase;
        else if (c == 0)
            y = h >= 4 ? h / 2 + 3 : nBase;
        else if (c == 1)
            y = h / 2 + 3;
        else if (c == 2)
            y = h / 2 + 2;
        else
            y = h < 8 ? h / 2 + 4 : h / 2 + 6;
        if (Play_Has_Lead_Block(nTeam, nPlay))
            y -= 2;
        return std::max(y, 1);
    }
    case PLAY_TYPE_TOSS:
    case PLAY_TYPE_TRAP:
        return h / 2 + 3;
    case PLAY_TYPE_SWEEP:
    case PLAY_TYPE_END_AROUND:
        return h / 2 + 6;
    case PLAY_TYPE_DRAW:
    case PLAY_TYPE_DOUBLE_REVERSE:
    case PLAY_TYPE_REVERSE:
        return nBase + 8;
    case PLAY_TYPE_PASS:
    case PLAY_TYPE_ROLLOUT:
    case PLAY_TYPE_BOOTLEG:
    case PLAY_TYPE_SCREEN:
    case PLAY_TYPE_FLEA_FLICKER:
    case PLAY_TYPE_HALFBACK_PASS:
    case PLAY_TYPE_RECEIVER_PASS:
    case PLAY_TYPE_FAKE_REVERSE: {
        const int nDepth = Get_Play_Primary_Route_Depth(nTeam, nPlay);
        return nDepth > 0 ? nDepth : nBase + 8;
    }
    case PLAY_TYPE_PUNT:
    case PLAY_TYPE_FIELD_GOAL:
        return -1;
    default:
        Report_Error("Unhandled nPlayType in Get_Play_Yardage()");
        return nBase;
    }
}

namespace {

// The carries a back may have had by now (limit) and those he has had (c).
void Get_Workload(int nTeam, int nSlot, int* pnLimit, int* pnCarries)
{
    const int n = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED) + 1;
    const int c = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, STAT_RUSHING_ATTEMPTS);
    // The rating read repairs a missing or low Durability and rebuilds an
    // impossible one from his record.
    const int d = static_cast<int>(Get_Player_Rating(nTeam, nSlot, RATING_DURABILITY));
    const int64_t k = static_cast<int64_t>(13 * n) * d / 85;
    const int nYear = Get_Current_Year();
    const int64_t e = nYear < 2017 ? 3 * (2017 - nYear) : 0;
    *pnLimit = static_cast<int>(std::min(k + e, (k + 240) / 2));
    *pnCarries = c;
}

int Apply_Workload(int nLimit, int nCarries, int nValue)
{
    return nCarries > nLimit ? Mul_Div_Rounded_64(nValue, nLimit, nCarries) : nValue;
}

} // namespace

int Apply_Running_Back_Workload(int nTeam, int nSlot, int nValue)
{
    int nLimit = 0, nCarries = 0;
    Get_Workload(nTeam, nSlot, &nLimit, &nCarries);
    return Apply_Workload(nLimit, nCarries, nValue);
}

namespace {

int Compute_Top_Receiver_Focus(GAME_CONTEXT& C, const GAME* pGame);
bool Compute_Should_Kick_Field_Goal(GAME_CONTEXT& C, GAME* pGame);
bool Compute_Should_Punt(GAME_CONTEXT& C, GAME* pGame);
int Compute_Run_Chance(GAME_CONTEXT& C, GAME* pGame);

int Top_Receiver_Focus(GAME_CONTEXT& C, const GAME* pGame)
{
    return Snap_Read(C, pGame, C.Snap.Find.nFocus, [&] { return Compute_Top_Receiver_Focus(C, pGame); });
}

bool Should_Kick_Field_Goal(GAME_CONTEXT& C, GAME* pGame)
{
    return Snap_Read(C, pGame, C.Snap.Find.nFieldGoal, [&] { return Compute_Should_Kick_Field_Goal(C, pGame) ? 1 : 0; }) != 0;
}

bool Should_Punt(GAME_CONTEXT& C, GAME* pGame)
{
    return Snap_Read(C, pGame, C.Snap.Find.nPunt, [&] { return Compute_Should_Punt(C, pGame) ? 1 : 0; }) != 0;
}

int Run_Chance(GAME_CONTEXT& C, GAME* pGame)
{
    return Snap_Read(C, pGame, C.Snap.nRunChance, [&] { return Compute_Run_Chance(C, pGame); });
}

} // namespace

int Get_Top_Receiver_Focus(const GAME* pGame)
{
    return Top_Receiver_Focus(Get_Game_Context(pGame), pGame);
}

int Get_Top_Receiver_Focus(GAME_CONTEXT& Context, const GAME* pGame)
{
    return Top_Receiver_Focus(Context, pGame);
}

bool Should_Kick_Field_Goal(GAME* pGame)
{
    return Should_Kick_Field_Goal(Get_Game_Context(pGame), pGame);
}

bool Should_Punt(GAME* pGame)
{
    return Should_Punt(Get_Game_Context(pGame), pGame);
}

int Get_Run_Chance(GAME* pGame)
{
    return Run_Chance(Get_Game_Context(pGame), pGame);
}

void Open_Snap_Calls(GAME_CONTEXT& Context, const GAME* pGame)
{
    // Everything the snap reads sits behind a flag or a mark of not yet
    // read, so resetting those is a fresh SNAP_CALLS.
    SNAP_CALLS& Snap = Context.Snap;
    Snap.bOpen = pGame != nullptr;
    Snap.pGame = pGame;
    Snap.nRunChance = -1;
    Snap.nGoForIt = -1;
    Snap.nFieldGoalRange = -1;
    Snap.nShift = 0;
    Snap.bShiftKnown = false;
    Snap.bSituationKnown = false;
    Snap.Find.nTeam = -1;
    Snap.Find.bSide = 0;
    Snap.Find.nSystem = 0;
    Snap.Find.Forget();
    Context.FindMemos.nCount = 0;
}

void Close_Snap_Calls(GAME_CONTEXT& Context)
{
    // What the snap read stays until the next opens it afresh; closed, it
    // is never read.
    Context.Snap.bOpen = false;
    Context.Snap.pGame = nullptr;
    Context.FindMemos.nCount = 0;
}

void Open_Snap_Calls(const GAME* pGame)
{
    Open_Snap_Calls(Get_Game_Context(pGame), pGame);
}

void Close_Snap_Calls(const GAME* pGame)
{
    Close_Snap_Calls(Get_Game_Context(pGame));
}

namespace {

int Compute_Top_Receiver_Focus(GAME_CONTEXT& C, const GAME* pGame)
{
    if (!pGame)
        return 0;
    const int nTeam = Get_Game_Offense_Team(pGame);
    if (nTeam < 0 || nTeam > LAST_TEAM)
        return 0;
    const int bSide = Offense_Side(pGame);
    SIDE_PROFILE& Side = Profiles_For(C, pGame).Side[bSide];
    // A missing receiver counts 0, with nothing regenerated. A receiver
    // whose ratings are regenerated here gets his mixes read again.
    auto Overall = [&Side, nTeam](int k, int nSlot) -> int {
        if (nSlot < 0)
            return 0;
        if (Side.nOverall[k] < 0) {
            float r = Get_Player_Overall_Rating(nTeam, nSlot);
            if (r < 25.0f) {
                r = Get_Player_Overall_Or_Regenerate(nTeam, nSlot);
                Side.Mix[nSlot].bKnown = false;
            }
            Side.nOverall[k] = std::max(static_cast<int>(r), 0);
        }
        return Side.nOverall[k];
    };
    const int nDiff = Overall(0, Side.nReceiver1) - Overall(1, Side.nReceiver2);

    int q = 0;
    if (Side.nReceiver1 >= 0) {
        const int nID = Get_Player_ID(nTeam, Side.nReceiver1);
        for (int i = 0; nID > 0 && i < GAME_ROSTER_SIZE; ++i) {
            if (pGame->nRosterID[bSide][i] == nID) {
                const int16_t* e = pGame->nPlayerGameStat[bSide][i];
                q = e[3] + 5 * e[2] + 25 * e[4];
                break;
            }
        }
    }
    const int v = Mul_Div_Rounded_64(q, 2700, pGame->nClock + 900);
    const int u = v + 10 * nDiff;
    return u < 120 ? 0 : (u - 100) / 5 + 1;
}

} // namespace

// The league's passing level: the norm the game days keep with the league,
// its default (2,350, the value before any game of a season) while none is
// kept; the run chance's era step is calibrated against the historical year
// value.
int Get_League_Pass_Norm()
{
    return Get_League_Norm(LEAGUE_NORM_PASSING);
}

// ---------------------------------------------------------------------------
// Situations

bool Is_Last_Seconds_Of_Half(const GAME* pGame)
{
    if (!pGame)
        return false;
    if (pGame->nClock < SECONDS_AT_HALF_TIME)
        return SECONDS_AT_HALF_TIME - pGame->nClock <= 9;
    return Get_Seconds_Left_In_Game(pGame) <= 9;
}

bool Has_Time_For_Next_Possession(const GAME* pGame)
{
    if (!pGame)
        return false;
    if (pGame->nClock > SECONDS_OF_REGULATION && pGame->nScore[0] != pGame->nScore[1])
        return false;
    const int nTimeouts = pGame->nTimeouts[Offense_Side(pGame)];
    return Get_Seconds_Left_In_Game(pGame) > 180 - 35 * nTimeouts;
}

bool Should_Kick_Overtime_Field_Goal(const GAME* pGame)
{
    if (!pGame || pGame->nClock < SECONDS_OF_REGULATION)
        return false;
    const int nRule = Overtime_Rule(pGame);
    if (nRule == OVERTIME_SUDDEN_DEATH || nRule == OVERTIME_SUDDEN_DEATH_NO_TIES)
        return true;
    return pGame->nOvertimePossession >= (OVERTIME_AWAY_HAD_BALL | OVERTIME_HOME_HAD_BALL);
}

namespace {

// The last 120 seconds of the fourth quarter.
bool Is_Late_Fourth_Quarter(const GAME* pGame)
{
    return pGame->nClock >= 3 * SECONDS_PER_QUARTER && pGame->nClock < SECONDS_OF_REGULATION &&
           SECONDS_OF_REGULATION - pGame->nClock <= 120;
}

} // namespace

bool Should_Onside_Kick(const GAME* pGame)
{
    if (!pGame || !Is_Late_Fourth_Quarter(pGame))
        return false;
    const int D = Points_Behind(pGame);
    return D >= 1 && D <= 8;
}

bool Should_Squib_Kick(const GAME* pGame)
{
    if (!pGame || !Is_Late_Fourth_Quarter(pGame))
        return false;
    const int D = Points_Behind(pGame);
    return D <= -4 && D >= -8;
}

bool Should_Kneel_Down(const GAME* pGame)
{
    if (!pGame)
        return false;
    const int nDown = Get_Game_Down_Code(pGame);
    if (nDown > FOURTH_DOWN_CODE)
        return false;
    const int r = FOURTH_DOWN_CODE - nDown;
    const int m = std::min(pGame->nTimeouts[1 - Offense_Side(pGame)], r);
    const int t = Get_Seconds_Left_In_Game(pGame);
    return m <= 0 && r * 38 - m * 35 > t && Points_Behind(pGame) < 0 && Is_Game_Decided(pGame);
}

namespace {

// The kicker's range, read once a snap by the fourth-down decisions (it
// reads the kicker, the score and the weather, none of which a snap moves;
// a range below 0 is read again each time).
int Field_Goal_Range(GAME_CONTEXT& C, GAME* pGame)
{
    return Snap_Read(C, pGame, C.Snap.nFieldGoalRange, [&] { return Get_Field_Goal_Range(pGame); });
}

bool Compute_Go_For_It(GAME_CONTEXT& C, GAME* pGame);

// Asked by both the field-goal and the punt decisions of a snap.
bool Go_For_It(GAME_CONTEXT& C, GAME* pGame)
{
    return Snap_Read(C, pGame, C.Snap.nGoForIt, [&] { return Compute_Go_For_It(C, pGame) ? 1 : 0; }) != 0;
}

bool Compute_Go_For_It(GAME_CONTEXT& C, GAME* pGame)
{
    if (!pGame)
        return false;
    const int R = Field_Goal_Range(C, pGame);
    const int S = pGame->nYardLine;
    const int D = Points_Behind(pGame);
    if (S <= R && D >= 0 && D <= 3)
        return false;
    const int nYear = Get_Current_Year();
    double fBase = std::clamp(nYear - 2017, 0, 6) / 6.0 + 0.8;
    const double F = 0.75 * R;
    if (F > S)
        fBase -= S / F * 2.0;
    else if (S < 50)
        fBase -= (50 - S) / (50 - F) * 2.0;
    if (S > 90)
        fBase = 0.0;
    else if (S > 50)
        fBase *= (90 - S) / 40.0;
    fBase *= std::clamp(D / 20.0 + 1.0, 0.6, 1.4);
    const int v = static_cast<int>(Offense_Strength(C, pGame) * fBase + 0.5);
    return pGame->nToGo <= v;
}

bool Compute_Should_Kick_Field_Goal(GAME_CONTEXT& C, GAME* pGame)
{
    if (!pGame || Get_Game_Down_Code(pGame) != FOURTH_DOWN_CODE)
        return false;
    if (Go_For_It(C, pGame))
        return false;
    const int D = Points_Behind(pGame);
    const int t = Get_Seconds_Left_In_Game(pGame);
    if (D >= 4) {
        if (D < 8 && (t < 120 || !Has_Time_For_Next_Possession(pGame)))
            return false;
        if (D >= 12 && t < 300)
            return false;
    }
    if (pGame->nToGo == 1 && (D >= 4 || t >= 301))
        return false;
    return pGame->nYardLine <= Field_Goal_Range(C, pGame) && (D < 4 || Has_Time_For_Next_Possession(pGame));
}

bool Compute_Should_Punt(GAME_CONTEXT& C, GAME* pGame)
{
    if (!pGame || Get_Game_Down_Code(pGame) != FOURTH_DOWN_CODE)
        return false;
    if (Go_For_It(C, pGame))
        return false;
    const int D = Points_Behind(pGame);
    const int Y = pGame->nToGo;
    const int S = pGame->nYardLine;
    const int t = Get_Seconds_Left_In_Game(pGame);
    if (D > 0 && t < (8 - Y) * 60)
        return false;
    if (D > 8 && t < (17 - Y) * 60)
        return false;
    if (D > 0 && !Has_Time_For_Next_Possession(pGame))
        return false;
    if (S <= 30)
        return false;
    if (S >= 80)
        return true;
    const int nYear = Get_Current_Year();
    const double k = std::clamp(D / 20.0, -1.0, 1.0) - std::clamp(2022 - nYear, 0, 15) / 15.0 + std::sqrt(80.0 - S) / 5.0;
    const int v = static_cast<int>(Offense_Strength(C, pGame) * k + 0.5);
    return Y > v;
}

} // namespace

bool Should_Go_For_It(GAME* pGame)
{
    return Go_For_It(Get_Game_Context(pGame), pGame);
}

// ---------------------------------------------------------------------------
// Weights

int Get_Offensive_Play_Redundancy_Multiplier(const GAME* pGame, int nPlay)
{
    if (!pGame || nPlay < 0 || nPlay >= OFFENSIVE_PLAY_COUNT)
        return 1000;
    return Redundancy_From_Tally(Get_Game_Context(pGame).Calls.nOffenseTally[Offense_Side(pGame)][nPlay],
                                 Redundancy_Difficulty_Shift(pGame));
}

namespace {

int Compute_Run_Chance(GAME_CONTEXT& C, GAME* pGame)
{
    if (!pGame)
        return 0;
    CALL_PROFILES& Profiles = Profiles_For(C, pGame);
    const int bSide = Offense_Side(pGame);
    SIDE_PROFILE& Side = Profiles.Side[bSide];
    const int nTeam = Side.nTeam;
    const int nDown = Get_Game_Down_Code(pGame);
    const int Y = pGame->nToGo;
    const int S = pGame->nYardLine;
    const int D = Points_Behind(pGame);
    const int nClock = pGame->nClock;

    // 1. The six players of the backfield and the receivers.
    int RS = 40;
    int PS = 60;
    for (int nPlace = 0; nPlace < 6; ++nPlace) {
        const int nSlot = pGame->nOnField[bSide][nPlace];
        // An empty place has no player and adds nothing.
        if (nSlot >= PLAYERS_PER_TEAM || nTeam > LAST_TEAM)
            continue;
        const PLAYER_MIX& Mix = Get_Player_Mix(Side, nSlot);
        const float A = Mix.A, B = Mix.B, C = Mix.C;
        switch (Get_Player_Position(nTeam, nSlot)) {
        case POSITION_QB:
            RS = static_cast<int>(RS + std::max(0.0f, (A - 70.0f) * 1.7f));
            PS = static_cast<int>(PS + (C - 60.0f) * 3.0f);
            break;
        case POSITION_RB: {
            const int nRun = static_cast<int>(std::max(0.0f, static_cast<int>(A - 55.0f) * 3.2f));
            RS += Apply_Running_Back_Workload(nTeam, nSlot, nRun);
            PS = static_cast<int>(PS + std::max(0.0f, B - 60.0f));
            break;
        }
        case POSITION_FB:
            RS = static_cast<int>(RS + std::max(0.0f, A - 70.0f));
            PS = static_cast<int>(PS + std::max(0.0f, B - 60.0f));
            break;
        case POSITION_TE:
            PS = static_cast<int>(PS + std::max(0.0f, (B - 60.0f) * 3.0f));
            break;
        case POSITION_WR:
            PS = static_cast<int>(PS + std::max(0.0f, (B - 55.0f) * 5.0f));
            break;
        default:
            break;
        }
    }

    // 2. Score, in the second half of regulation.
    if (nClock >= SECONDS_AT_HALF_TIME && nClock < SECONDS_OF_REGULATION) {
        PS = Mul_Div_Rounded_By<28>(PS, D + 28);
        const int t = SECONDS_OF_REGULATION - nClock;
        if (t < 300) {
            if (D < 0)
                PS = Mul_Div_Rounded_By<900>(PS, t);
            else if (D >= 9 && D <= 16)
                PS = Mul_Div_Rounded_64(PS, 900, t);
            else if (D >= 0 && D <= 8 && t < 120)
                PS = Mul_Div_Rounded_64(PS, 900, t);
        }
    }
    // 3. Down.
    if (nDown == 0)
        RS = Mul_Div_Rounded_By<100>(RS, 120);
    else if ((nDown == 2 || nDown == 3) && Y < 3)
        RS = Mul_Div_Rounded_By<100>(RS, (nDown + 4) * 25);
    // 4. Long yardage.
    const int L = std::max(11 - 4 * nDown, 2);
    if (Y > L)
        PS = Mul_Div_Rounded_64(PS, Y, L);
    // 5. Backed up.
    if (S > 90)
        PS = Mul_Div_Rounded_By<1000>(PS, (110 - S) * 50);
    // 6. Clock.
    if (Is_Hurry_Up_Time(pGame))
        RS /= 20;
    else if (Is_Running_Out_Clock(pGame))
        PS = 0;
    // 7. Red zone.
    if (S < 20) {
        PS = Mul_Div_Rounded_By<1000>(PS, (S + 30) * 20);
        if (S < 5)
            RS = Mul_Div_Rounded_64(RS, 6, S + 1);
    }
    // 8. The club's balance.
    const int b = Team_Stat_Or_Zero(nTeam, TEAM_STAT_RUN_PASS_BALANCE);
    if (b > 10)
        RS = Mul_Div_Rounded_By<10>(RS, 20 - b);
    else if (b < 10)
        PS = Mul_Div_Rounded_By<10>(PS, b);
    // 9. Era, from the fourth week.
    if (Get_Current_Week() > 3) {
        const int h = Get_Historical_Year_Value(Get_Current_Year());
        const int g = Get_League_Pass_Norm();
        PS = Mul_Div_Rounded_64(PS, h, g);
        RS = Mul_Div_Rounded_64(RS, g, h);
    }
    // 10. A pass score below 0 (a poor passer, a big lead late) counts 0.
    PS = std::max(PS, 0);
    RS = std::max(RS, 0);
    RS = RS + RS / 7;
    if (RS + PS == 0)
        return 0;
    return std::clamp(Mul_Div_Rounded_64(RS, 1000, RS + PS), 0, 1000);
}


// The plays of nList (the candidates of one category) weighed for a target
// gain g: the running sums go to nCum and the plays to nPlayOf, and the
// count weighed is returned. PASS picks the pass rules of the carrier at
// compile time (the category is fixed for a whole search).
template <bool PASS>
int Weigh_Plays(GAME_CONTEXT& C, GAME* pGame, FIND_CONTEXT& X, SIDE_PROFILE& Side, const CARRIER_VIEW* Carrier,
                const int8_t* nList, int nCount, int g, int nShift, bool bNoHailMary, int64_t* nCum,
                int* nPlayOf, int64_t& nTotal, bool& bKeep)
{
    const int nLast = C.Calls.nLastOffenseCall;
    Fit_Plays(C.Calls, Side, X.bSide, nShift);
    const int* nSquare = C.Calls.nRedundancySquare[X.bSide];
    const bool bNegative = C.Calls.nNegativeSquares[X.bSide] > 0;
    const auto& nFitted = C.Calls.nFitted[X.bSide];
    uint8_t nOwnRow[OFFENSIVE_PLAY_COUNT];
    const uint8_t* nStep = Step_Row(Side, g, nOwnRow);
    // A play designed for more than both the target and the field left
    // (y > g && y > S + 5) is passed over.
    const int nReach = std::max(g, pGame->nYardLine + 5);
    int nWeighed = 0;
    for (int k = 0; k < nCount; ++k) {
        const int i = nList[k];
        if (i == nLast)
            continue;
        const PLAY_PROFILE& P = Side.Play[i];
        // Most plays are none of the three below: one test passes them.
        if (P.bSpecial) {
            if (P.nFormation == PUNT_FORMATION) {
                if (X.nPunt < 0)
                    X.nPunt = Should_Punt(C, pGame) ? 1 : 0;
                if (!X.nPunt)
                    continue;
            }
            if (P.nFormation == FIELD_GOAL_FORMATION) {
                if (X.nFieldGoal < 0)
                    X.nFieldGoal = Should_Kick_Field_Goal(C, pGame) ? 1 : 0;
                if (!X.nFieldGoal)
                    continue;
            }
            if (bNoHailMary && P.bHailMary)
                continue;
        }

        // Distance from the target gain: halve the weight per step.
        if (P.nYardage > nReach)
            continue;
        // Then the redundancy and the fit, worked out for this many steps.
        if (bNegative && nSquare[i] < 0)
            Report_Error("Negative nMultiplier calculated by Get_Offensive_Play_Redundancy_Multiplier()");
        int w = nFitted[i][nStep[i]];

        const CARRIER_VIEW& K = Carrier[P.nCarrierView];
        const int nPlace = K.nPlace;
        const int nSlot = K.nSlot;
        if (K.bDoubled)
            w *= 2;
        if constexpr (PASS) {
            if (K.nPosition == POSITION_FB)
                w = Mul_Div_Rounded_By<100>(w, 35);
            else if (K.nPosition == POSITION_TE) {
                w = Mul_Div_Rounded_By<100>(w, 65);
                // Limit_Weight_By_Usage, with the club's games read once a game.
                if (Side.nUsageLimit < 0)
                    Side.nUsageLimit = 50 * (Get_Team_Games_Played(X.nTeam) + 1);
                if (!X.bPlaceStatKnown[nPlace]) {
                    X.nPlaceStat[nPlace] = Get_Player_Stat(X.nTeam, nSlot, STAT_PERIOD_THIS_SEASON, STAT_USAGE);
                    X.bPlaceStatKnown[nPlace] = true;
                }
                const int nUsage = X.nPlaceStat[nPlace];
                if (nUsage > Side.nUsageLimit)
                    w = Mul_Div_Rounded_64(w, Side.nUsageLimit, nUsage);
            }
            if (X.nFocus < 0)
                X.nFocus = Top_Receiver_Focus(C, pGame);
            if (X.nFocus != 0 && K.bReceiver1)
                w = Mul_Div_Rounded_64(w, 8, X.nFocus + 8);
        } else if (nSlot < PLAYERS_PER_TEAM) {
            if (K.nPosition == POSITION_FB) {
                if (!X.bPlaceStatKnown[nPlace]) {
                    X.nPlaceStat[nPlace] = Get_Player_Stat(X.nTeam, nSlot, STAT_PERIOD_PREDICTED, STAT_RUSHING_ATTEMPTS);
                    X.bPlaceStatKnown[nPlace] = true;
                }
                const int nCarries = X.nPlaceStat[nPlace];
                w = Mul_Div_Rounded_By<35>(w, nCarries + 10);
            } else if (K.nPosition == POSITION_RB) {
                if (!X.bWorkloadKnown[nPlace]) {
                    Get_Workload(X.nTeam, nSlot, &X.nLimit[nPlace], &X.nCarries[nPlace]);
                    X.bWorkloadKnown[nPlace] = true;
                }
                w = Apply_Workload(X.nLimit[nPlace], X.nCarries[nPlace], w);
            } else if (K.nPosition == POSITION_QB) {
                if (!X.bQuarterbackWeightKnown[nPlace]) {
                    X.nQuarterbackWeight[nPlace] = Quarterback_Run_Weight(pGame, X.nTeam, nSlot);
                    X.bQuarterbackWeightKnown[nPlace] = true;
                }
                w = Mul_Div_Rounded_By<100>(w, X.nQuarterbackWeight[nPlace]);
            }
        }
        if (w < 0) {
            Report_Error("Negative nChance in Find_Offensive_Play()");
            w = 0;
            bKeep = false;
        }
        nTotal += w;
        nCum[nWeighed] = nTotal;
        nPlayOf[nWeighed++] = i;
    }
    return nWeighed;
}

// What a search reads of the game alike for every search of a snap: the
// side, the team, its system, the hail mary rule and the difficulty's shift.
void Read_Search(GAME_CONTEXT& C, GAME* pGame, FIND_CONTEXT& X, bool bSnap)
{
    X.bSide = Offense_Side(pGame);
    X.nTeam = C.Profiles.Side[X.bSide].nTeam;
    X.nSystem = Team_Stat_Or_Zero(X.nTeam, TEAM_STAT_OFFENSIVE_SYSTEM);
    X.bTeam = Is_Valid_Team(X.nTeam);
    const int Y = pGame->nToGo;
    const int S = pGame->nYardLine;
    const int T = Get_Seconds_Left_In_Half(pGame);
    X.bNoHailMary = Y < 30 && (T > 15 || S < 30);
    if (!bSnap)
        X.nShift = Redundancy_Difficulty_Shift(pGame);
    else {
        if (!C.Snap.bShiftKnown) {
            C.Snap.nShift = Redundancy_Difficulty_Shift(pGame);
            C.Snap.bShiftKnown = true;
        }
        X.nShift = C.Snap.nShift;
    }
    X.bSearchKnown = bSnap;
}

int Find_Play_With(GAME_CONTEXT& C, GAME* pGame, FIND_CONTEXT& X, bool bSnap, int nCategory, int nTargetGain);

int Find_Play(GAME_CONTEXT& C, GAME* pGame, int nCategory, int nTargetGain)
{
    if (!pGame)
        return 0;
    if (Is_Snap_Open(C, pGame))
        return Find_Play_With(C, pGame, C.Snap.Find, true, nCategory, nTargetGain);
    FIND_CONTEXT Local;
    return Find_Play_With(C, pGame, Local, false, nCategory, nTargetGain);
}

int Find_Play_With(GAME_CONTEXT& C, GAME* pGame, FIND_CONTEXT& X, bool bSnap, int nCategory, int nTargetGain)
{
    // Within a snap the teams, the players and the situation hold (the
    // driver's contract for an open snap), so the first search's reads and
    // snapshot serve the rest.
    if (!X.bSearchKnown) {
        Profiles_For(C, pGame);
        Read_Search(C, pGame, X, bSnap);
    }
    SIDE_PROFILE& Side = C.Profiles.Side[X.bSide];
    const bool bTeam = X.bTeam;
    const bool bNoHailMary = X.bNoHailMary;
    const int nShift = X.nShift;
    const int g = nTargetGain;

    // Only the plays that can weigh are visited: a play passed over would
    // hold the running sum of the one before it and so never be drawn. A
    // category's candidate list holds only its valid plays, none of them
    // fixed (the kneel-down, punt and field goal); any other category's
    // plays are picked out here alike.
    int8_t nOther[OFFENSIVE_PLAY_COUNT];
    const int8_t* nList = nOther;
    int nCount = 0;
    const int c = Candidate_List(nCategory);
    if (c >= 0) {
        nList = Side.nCandidate[c];
        nCount = Side.nCandidates[c];
    } else {
        for (int i = 0; i < OFFENSIVE_PLAY_COUNT; ++i) {
            const PLAY_PROFILE& P = Side.Play[i];
            if (P.bValid && P.nCategory == nCategory && i != KNEEL_DOWN_PLAY && i != HARD_CODED_PUNT_PLAY &&
                i != HARD_CODED_FIELD_GOAL_PLAY)
                nOther[nCount++] = static_cast<int8_t>(i);
        }
    }
    if (!bTeam)
        nCount = 0;
    FIND_MEMO Search;
    FIND_MEMO* pMemo = &Search;
    bool bKnown = false;
    bool bKeep = false;
    if (bSnap) {
        SNAP_FIND_MEMOS& M = C.FindMemos;
        for (int n = 0; n < M.nCount && !bKnown; ++n) {
            if (M.Memo[n].nCategory == nCategory && M.Memo[n].nGain == g) {
                pMemo = &M.Memo[n];
                bKnown = true;
            }
        }
        if (!bKnown && M.nCount < static_cast<int>(std::size(M.Memo))) {
            pMemo = &M.Memo[M.nCount];
            bKeep = true;
        }
    }
    int64_t* nCum = pMemo->nCum;
    int* nPlayOf = pMemo->nPlayOf;
    int nWeighed = 0;
    int64_t nTotal = 0;
    if (bKnown) {
        nWeighed = pMemo->nWeighed;
        nTotal = pMemo->nTotal;
    } else if (nCount > 0) {
        // The views hold for the searches of a snap while what they were
        // read from (the players on the field, the system, the roster
        // finders) is the same; the positions come from the snap's own reads.
        const uint8_t* nOnField = pGame->nOnField[X.bSide];
        const int nKey[4] = {X.bSide, X.nSystem, Side.nRunningBack2, Side.nReceiver1};
        if (!X.bCarriersKnown || std::memcmp(X.nCarrierSlots, nOnField, PLACES_ON_FIELD) != 0 ||
            !std::equal(nKey, nKey + 4, X.nCarrierKey)) {
            CARRIER_VIEW* Carrier = X.Carrier;
            Carrier[0] = CARRIER_VIEW{0, NO_PLAYER, -1, false, false};
            for (int nPlace = 0; nPlace < PLACES_ON_FIELD; ++nPlace) {
                const int nSlot = nOnField[nPlace];
                const bool bPlayer = nSlot < PLAYERS_PER_TEAM;
                Carrier[nPlace + 1] = CARRIER_VIEW{nPlace, nSlot, Place_Position(X, nPlace, nSlot),
                                                   X.nSystem == 3 && bPlayer && nSlot == Side.nRunningBack2,
                                                   bPlayer && nSlot == Side.nReceiver1};
            }
            std::memcpy(X.nCarrierSlots, nOnField, PLACES_ON_FIELD);
            std::copy(nKey, nKey + 4, X.nCarrierKey);
            X.bCarriersKnown = true;
        }
        const CARRIER_VIEW* Carrier = X.Carrier;
        nWeighed = nCategory == PLAY_CATEGORY_PASS
                       ? Weigh_Plays<true>(C, pGame, X, Side, Carrier, nList, nCount, g, nShift, bNoHailMary,
                                           nCum, nPlayOf, nTotal, bKeep)
                       : Weigh_Plays<false>(C, pGame, X, Side, Carrier, nList, nCount, g, nShift, bNoHailMary,
                                            nCum, nPlayOf, nTotal, bKeep);
    }
    if (bKeep) {
        pMemo->nCategory = nCategory;
        pMemo->nGain = g;
        pMemo->nWeighed = nWeighed;
        pMemo->nTotal = nTotal;
        ++C.FindMemos.nCount;
    }

    const double u = Random_Word_To_Fraction(Generate_Random_Number());
    if (nTotal <= 0)
        return Fallback_Offensive_Play(Side, nCategory);
    const int64_t x = static_cast<int64_t>(u * static_cast<double>(nTotal));
    int nPlay = OFFENSIVE_PLAY_COUNT - 1;
    for (int k = 0; k < nWeighed; ++k) {
        if (nCum[k] > x) {
            nPlay = nPlayOf[k];
            break;
        }
    }
    if (nPlay == HARD_CODED_PUNT_PLAY)
        Report_Error("Find_Offensive_Play() returned HARD_CODED_PUNT_PLAY");
    else if (nPlay == HARD_CODED_FIELD_GOAL_PLAY)
        Report_Error("Find_Offensive_Play() returned HARD_CODED_FIELD_GOAL_PLAY");
    return nPlay;
}

} // namespace

int Find_Offensive_Play(GAME* pGame, int nCategory, int nTargetGain)
{
    return Find_Play(Get_Game_Context(pGame), pGame, nCategory, nTargetGain);
}

// ---------------------------------------------------------------------------
// The call

namespace {

// Steps 3-5 of the call (the fixed situations) and what step 7 reads.
void Read_Call_Situation(GAME* pGame, int nDown, CALL_SITUATION& K)
{
    const bool bScrimmage = nDown <= FOURTH_DOWN_CODE;
    const int S = pGame->nYardLine;
    const int D = Points_Behind(pGame);
    const int T = Get_Seconds_Left_In_Half(pGame);
    K.bScrimmage = bScrimmage;
    K.nYardLine = S;
    K.nToGo = pGame->nToGo;
    K.nBehind = D;
    K.nHalfLeft = T;
    K.nFixedCall = -1;
    K.bTwoMinutePass = false;
    K.bLastSecondsRun = false;

    // 3. Overtime field goal in easy range (the range is asked only when a
    // rule needs it: it draws nothing).
    if (bScrimmage && Should_Kick_Overtime_Field_Goal(pGame) && S <= Get_Field_Goal_Range(pGame) - 10) {
        K.nFixedCall = HARD_CODED_FIELD_GOAL_PLAY;
        return;
    }
    // 4. The last chance of the half.
    if (bScrimmage && Is_Last_Play_Of_Half(pGame)) {
        const int R = Get_Field_Goal_Range(pGame);
        if (D >= 0 && D <= 3) {
            if (S <= R + 10) {
                K.nFixedCall = HARD_CODED_FIELD_GOAL_PLAY;
                return;
            }
        } else if (pGame->nClock < SECONDS_AT_HALF_TIME && S <= R + 10) {
            K.nFixedCall = HARD_CODED_FIELD_GOAL_PLAY;
            return;
        }
    }
    // 5. Kneel to end it.
    if (Should_Kneel_Down(pGame)) {
        K.nFixedCall = KNEEL_DOWN_PLAY;
        return;
    }
    // 7's reads: a pass when trailing or level in a live game, or too far
    // out for the time left in the first half; a run may follow at the goal
    // line in the last seconds.
    if (T < 120 && bScrimmage) {
        K.bTwoMinutePass = (D >= 0 && !Is_Game_Decided(pGame)) || (pGame->nClock < SECONDS_AT_HALF_TIME && S >= T / 5);
        K.bLastSecondsRun = Is_Last_Seconds_Of_Half(pGame) && S <= 2;
    }
}

} // namespace

int Call_Offensive_Play(GAME* pGame)
{
    return Call_Offensive_Play(Get_Game_Context(pGame), pGame);
}

int Call_Offensive_Play(GAME_CONTEXT& C, GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return 0;
    }
    const int nDown = Get_Game_Down_Code(pGame);

    // 1. The try after a touchdown.
    if (nDown == CONVERSION_ATTEMPT) {
        if (!Should_Go_For_Two(pGame))
            return HARD_CODED_FIELD_GOAL_PLAY;
        const int u = Get_Random_Below(100);
        const int b = Team_Stat_Or_Zero(Get_Game_Offense_Team(pGame), TEAM_STAT_RUN_PASS_BALANCE);
        if (u < 6 * b)
            return Find_Play(C, pGame, PLAY_CATEGORY_PASS, 3);
        if (u % 10 == 8 || u % 10 == 9)
            return Find_Play(C, pGame, PLAY_CATEGORY_DRAW, 2);
        return Find_Play(C, pGame, PLAY_CATEGORY_RUN, 2);
    }
    // 2. Kick-offs (the further kick code kicks normally too).
    if (nDown == KICKOFF_DOWN) {
        if (Should_Onside_Kick(pGame))
            return ONSIDE_KICK_CALL;
        return Should_Squib_Kick(pGame) ? SQUIB_KICK_CALL : NORMAL_KICKOFF_CALL;
    }
    if (nDown == SAFETY_KICK_DOWN || nDown == FURTHER_KICK_DOWN)
        return NORMAL_KICKOFF_CALL;

    // 3-5, and the reads of 7: nothing in them draws, so an open snap's
    // calls read them once (the snap holds the game as it is).
    CALL_SITUATION Local;
    const bool bSnap = Is_Snap_Open(C, pGame);
    CALL_SITUATION& K = bSnap ? C.Snap.Situation : Local;
    if (!bSnap || !C.Snap.bSituationKnown) {
        Read_Call_Situation(pGame, nDown, K);
        C.Snap.bSituationKnown = bSnap;
    }
    if (K.nFixedCall >= 0)
        return K.nFixedCall;
    const int S = K.nYardLine;
    const int Y = K.nToGo;
    const int T = K.nHalfLeft;

    // 6. Run or pass.
    const int p = Run_Chance(C, pGame);
    int nCategory = PLAY_CATEGORY_PASS;
    if (Get_Random_Below(1000) < p) {
        nCategory = PLAY_CATEGORY_RUN;
        const int a = Get_Random_Below(1000);
        const int b = Get_Random_Below(1000);
        if (a >= p && b >= p && Get_Random_Below(100) < 40 && Y >= 5)
            nCategory = PLAY_CATEGORY_DRAW;
    }
    // 7. Two-minute rules.
    if (K.bTwoMinutePass)
        nCategory = PLAY_CATEGORY_PASS;
    if (K.bLastSecondsRun && Get_Random_Below(4) < 3 - S)
        nCategory = PLAY_CATEGORY_RUN;
    // 8. Target gain by down; the fourth-down decisions.
    int G = Y;
    switch (nDown) {
    case 0:
        if (Get_Random_Below(1000) < 700)
            G = Y / 2;
        else if (nCategory == PLAY_CATEGORY_PASS && Get_Random_Below(1000) < (20 - Y) * 20)
            G = Y + 15;
        break;
    case 1:
        if (Get_Random_Below(1000) < 350 && nCategory == PLAY_CATEGORY_RUN)
            G = Y / 2;
        else if (nCategory == PLAY_CATEGORY_PASS && Get_Random_Below(1000) < 400 - 60 * Y)
            G = Y + 15;
        break;
    case 2:
        if (nCategory == PLAY_CATEGORY_PASS && Get_Random_Below(1000) < 200)
            G = 2 * Y;
        break;
    case 3:
        if (Should_Kick_Field_Goal(C, pGame))
            return HARD_CODED_FIELD_GOAL_PLAY;
        if (Should_Punt(C, pGame))
            return HARD_CODED_PUNT_PLAY;
        break;
    default:
        break;
    }
    // 9. Little time: look for a long gain.
    if (T < 60)
        G = std::max(G, S / std::max(T / 10 + 1, 1));
    // 10.
    return Find_Play(C, pGame, nCategory, std::min(G, S + 5) - 1);
}

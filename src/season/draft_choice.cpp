// The computer's choice of a prospect in the college draft: how badly the
// club needs each position against the league's average need, how few
// prospects of it are left, and each prospect's rating, potential, draft
// score and the position's strategy weight.

#include "season/draft_choice.h"

#include <cstdint>

#include "frontoffice/contracts.h"
#include "base/random.h"
#include "frontoffice/college_count.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "season/draft_state.h"
#include "season/player_generation.h"
#include "season/player_value.h"

namespace {

constexpr int POSITIONS = DRAFT_TABLE_POSITIONS;
constexpr int STARTERS[POSITIONS] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};
constexpr int DEPTH[POSITIONS] = {2, 2, 1, 3, 5, 3, 3, 2, 3, 2, 5, 3, 3, 1, 1};
constexpr int FULL[POSITIONS] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};
constexpr int DRAFT_SCORE_BYTE = 5;   // signed byte stat 5: the draft score
constexpr int ANY_DEFENDER = 16;
constexpr int ANY_OFFENSIVE_PLAYER = 17;
constexpr float NO_PLAYER_RATING = 60.0f;

bool Is_Special_Position(int nPosition)
{
    return nPosition == POSITION_FB || nPosition == POSITION_K || nPosition == POSITION_P;
}

int Player_Position(int nTeam, int nSlot)
{
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition >= POSITIONS)
        nPosition = Translate_Expanded_Position(nPosition);
    return nPosition;
}

}  // namespace

int Get_Position_Depth(int nPosition)
{
    return nPosition >= 0 && nPosition < POSITIONS ? DEPTH[nPosition] : 0;
}

int Get_Position_Full(int nPosition)
{
    return nPosition >= 0 && nPosition < POSITIONS ? FULL[nPosition] : 0;
}

int Get_Position_Ranked_Player(int nTeam, int nPosition, int nRank)
{
    if (nRank < 0 || nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS)
        return -1;
    int Slots[PLAYERS_PER_TEAM];
    float Ratings[PLAYERS_PER_TEAM];
    int n = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (!Is_Player_Slot_Used(nTeam, s) || Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION) != nPosition)
            continue;
        // Insertion keeps the best first and the lower slot first on a tie.
        const float f = Get_Position_Overall_Rating(nTeam, s, nPosition);
        int i = n++;
        while (i > 0 && Ratings[i - 1] < f) {
            Ratings[i] = Ratings[i - 1];
            Slots[i] = Slots[i - 1];
            --i;
        }
        Ratings[i] = f;
        Slots[i] = s;
    }
    return nRank < n ? Slots[nRank] : -1;
}

int Get_Position_Backup_Alt(int nTeam, int nPosition)
{
    return Get_Position_Ranked_Player(nTeam, nPosition, Get_Position_Starters(nPosition) - 1);
}

int Get_Position_Backup(int nTeam, int nPosition)
{
    return Get_Position_Ranked_Player(nTeam, nPosition, Get_Position_Starters(nPosition));
}

int Get_Team_Position_Need(int nTeam, int nPosition, int nRound)
{
    if (nPosition < 0 || nPosition >= POSITIONS)
        return 0;
    float fStarter = NO_PLAYER_RATING;
    float fReserve = NO_PLAYER_RATING;
    const int nStarter = Get_Position_Backup_Alt(nTeam, nPosition);
    if (nStarter >= 0)
        fStarter = Get_Position_Overall_Or_Regenerate(nTeam, nStarter, nPosition);
    const int nReserve = Get_Position_Backup(nTeam, nPosition);
    if (nReserve >= 0)
        fReserve = Compute_Player_Potential(nTeam, nReserve);
    const int N = 70 * (nRound + 6);
    const int D = nRound * static_cast<int>(fReserve) + 6 * static_cast<int>(fStarter);
    int nNeed = D == 0 ? 0 : Mul_Div_Rounded(N, 1000, D);
    if (nRound < 3)
        return nNeed;
    const int c = Count_Team_Position_Players(nTeam, nPosition);
    const int nFull = Is_Special_Position(nPosition) ? 1 : FULL[nPosition];
    if (c == 0)
        return nNeed;
    if (c < STARTERS[nPosition])
        return nNeed / 2;
    if (c < DEPTH[nPosition])
        return nNeed / 3;
    if (c < nFull)
        return nNeed / 4;
    return nNeed / 5;
}

namespace {

// The league's need is asked for every position at every pick, and between
// two picks only the club that picked has a new roster: each club's need is
// kept with a mark of its roster (its players' IDs by slot and positions)
// and worked out again only when that mark changed.
constexpr int NEED_ROUNDS = 7;
struct NEED_MEMO {
    uint64_t nRosterMark = 0;
    int nNeed = 0;
    bool bKnown = false;
};
NEED_MEMO g_NeedMemo[MAX_FRANCHISES][POSITIONS][NEED_ROUNDS];

uint64_t Roster_Mark(int nTeam)
{
    uint64_t h = 1469598103934665603ull;
    const int nPlayers = Count_Team_Players(nTeam);
    for (int s = 0; s < nPlayers; ++s) {
        h = (h ^ static_cast<uint32_t>(Get_Player_ID(nTeam, s))) * 1099511628211ull;
        h = (h ^ static_cast<uint32_t>(Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION))) * 1099511628211ull;
    }
    return h ^ static_cast<uint64_t>(nPlayers);
}

int Remembered_Team_Position_Need(int nTeam, uint64_t nMark, int nPosition, int nRound)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES || nRound < 0 || nRound >= NEED_ROUNDS)
        return Get_Team_Position_Need(nTeam, nPosition, nRound);
    NEED_MEMO& Memo = g_NeedMemo[nTeam][nPosition][nRound];
    if (!Memo.bKnown || Memo.nRosterMark != nMark) {
        Memo.nNeed = Get_Team_Position_Need(nTeam, nPosition, nRound);
        Memo.nRosterMark = nMark;
        Memo.bKnown = true;
    }
    return Memo.nNeed;
}

}  // namespace

void Forget_Position_Needs()
{
    for (auto& Team : g_NeedMemo)
        for (auto& Position : Team)
            for (NEED_MEMO& Memo : Position)
                Memo.bKnown = false;
}

int Get_League_Position_Need(int nPosition, int nRound)
{
    if (nPosition < 0 || nPosition >= POSITIONS)
        return 0;
    const int nTeams = Count_Teams();
    int64_t nSum = 0;
    for (int t = 0; t < nTeams; ++t)
        nSum += Remembered_Team_Position_Need(t, Roster_Mark(t), nPosition, nRound);
    if (nSum == 0)
        return 0;
    return Mul_Div_Rounded_64(nSum, 1, nTeams);
}

int Count_Draft_Pool_Position(int nPosition)
{
    int n = 0;
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        const int nPlayers = Count_Team_Players(t);
        for (int s = 0; s < nPlayers; ++s) {
            const int q = Player_Position(t, s);
            if (nPosition == ANY_DEFENDER)
                n += Get_Position_Side(q) == SIDE_DEFENSE ? 1 : 0;
            else if (nPosition == ANY_OFFENSIVE_PLAYER)
                n += Get_Position_Side(q) == SIDE_OFFENSE ? 1 : 0;
            else
                n += q == nPosition ? 1 : 0;
        }
    }
    return n;
}

int Get_Prospect_Draft_Rating(float fPotential, float fOverall, int nScore)
{
    const int nInner = static_cast<int>(fOverall * 0.25f + static_cast<float>(nScore / 2));
    return static_cast<int>(fPotential * 0.25f + static_cast<float>(nInner));
}

int Get_Prospect_Draft_Value(int nRelativeNeed, int nRating, int nStrategy, int nPosition, int nRound)
{
    const int nBase = (nRelativeNeed / 10 + 80) * nRating;
    const int nValue = nBase == 0 ? 0 : Mul_Div_Rounded(nBase, nStrategy + 100, 100);
    if (Is_Special_Position(nPosition) && nRating < 91 - 8 * nRound)
        return 0;
    return nValue;
}

bool Choose_Computer_Draft_Pick(int nTeam, int* pnPoolTeam, int* pnPoolSlot)
{
    *pnPoolTeam = NO_TEAM;
    *pnPoolSlot = NO_PLAYER;
    const int nRound = Get_User_Preference(PREF_DRAFT_ROUND);
    int Relative[POSITIONS];
    for (int q = 0; q < POSITIONS; ++q) {
        const int nLeague = Get_League_Position_Need(q, nRound);
        int nRel = nLeague == 0 ? 0 : Mul_Div_Rounded(Get_Team_Position_Need(nTeam, q, nRound), 1000, nLeague);
        const int k = Count_Draft_Pool_Position(q);
        if (k <= 1)
            nRel /= 8;
        else if (k <= STARTERS[q])
            nRel /= 5;
        else if (k <= DEPTH[q])
            nRel /= 3;
        else if (k <= FULL[q])
            nRel /= 2;
        Relative[q] = nRel;
    }
    int nBest = 0;
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        const int nPlayers = Count_Team_Players(t);
        for (int s = 0; s < nPlayers; ++s) {
            const int q = Player_Position(t, s);
            if (q < 0 || q >= POSITIONS)
                continue;   // no table row: a prospect the pool set-up never makes
            const int nScore = static_cast<int8_t>(Get_Player_Byte_Stat(t, s, DRAFT_SCORE_BYTE));
            const float fOverall = Get_Position_Overall_Or_Regenerate(t, s, q);
            const float fPotential = Compute_Player_Potential(t, s);
            const int nRating = Get_Prospect_Draft_Rating(fPotential, fOverall, nScore);
            const int nValue = Get_Prospect_Draft_Value(Relative[q], nRating, Get_Draft_Strategy(q), q, nRound);
            if (nValue > nBest) {
                nBest = nValue;
                *pnPoolTeam = t;
                *pnPoolSlot = s;
            }
        }
    }
    return *pnPoolTeam != NO_TEAM;
}

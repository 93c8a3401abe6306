// The line-ups of every team by formation.
#include "engine/game_lineups.h"

#include <algorithm>
#include <iterator>

#include "engine/calibration.h"
#include "engine/formations.h"
#include "engine/game_clock.h"
#include "engine/game_state.h"
#include "engine/playbook_records.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

constexpr int LINEUP_TEAMS = LAST_TEAM + 1;
constexpr int GARBAGE_TIME_FORMATIONS = 39;   // play formations; the kick units keep their kickers

int g_nLineup[LINEUP_TEAMS][FORMATION_COUNT][FORMATION_PLACES];
bool g_bLineupBuilt[LINEUP_TEAMS];

bool In_Row(const int* pRow, int nID)
{
    for (int p = 0; p < FORMATION_PLACES; ++p)
        if (pRow[p] == nID)
            return true;
    return false;
}

// The best healthy player of the team not yet in the row for a position:
// when injuries have used up the position, whoever scores best there, even
// at nothing, rather than an empty place.
int Best_Free_Player(int nTeam, const int* pRow, int nPosition)
{
    int nBest = -1;
    float fBest = 0.0f;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
        const int nID = Get_Player_ID(nTeam, nSlot);
        if (nID <= 0 || Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) > 0 || In_Row(pRow, nID))
            continue;
        const float fScore = Get_Depth_Chart_Score(nTeam, nSlot, nPosition, 0);
        if (nBest < 0 || fScore > fBest) {
            fBest = fScore;
            nBest = nID;
        }
    }
    return nBest;
}

// Get_Player_ID(Get_Formation_Place_Player()) of a place, LINEUP_EMPTY for
// nobody, each answer asked of the depth chart once.
class PLACE_ANSWERS {
public:
    PLACE_ANSWERS() { std::fill(std::begin(m_nID), std::end(m_nID), UNKNOWN); }

    // Whether every question the last build of this kind asked has the
    // same answer now; its answers become this build's.
    bool Same_As(const PLACE_ANSWERS& Last, int nTeam, bool bGarbageTime)
    {
        const QUESTIONS& Asked = Keys().Asked[bGarbageTime ? 1 : 0];
        for (int k = 0; k < Asked.nCount; ++k) {
            const QUESTION& Q = Asked.Question[k];
            const int nID = Look_Up(nTeam, Q.nFormation, Q.nPlace, Q.bBackupQB);
            if (nID != Last.m_nID[Q.nKey])
                return false;
            m_nID[Q.nKey] = nID;
        }
        return true;
    }
    // Whether a build could be told from its answers alone: every place has
    // a question, and the depth chart answered each with a player.
    bool Fills_Every_Place(bool bGarbageTime) const
    {
        const QUESTIONS& Asked = Keys().Asked[bGarbageTime ? 1 : 0];
        if (!Asked.bEveryPlace)
            return false;
        for (int k = 0; k < Asked.nCount; ++k)
            if (m_nID[Asked.Question[k].nKey] == LINEUP_EMPTY)
                return false;
        return true;
    }

    int Place_Player_ID(int nTeam, int nFormation, int nPlace, bool bBackupQB)
    {
        const int nKey = Keys().nKey[bBackupQB ? 1 : 0][nFormation][nPlace];
        if (nKey < 0)
            return Look_Up(nTeam, nFormation, nPlace, bBackupQB);
        if (m_nID[nKey] == UNKNOWN)
            m_nID[nKey] = Look_Up(nTeam, nFormation, nPlace, bBackupQB);
        return m_nID[nKey];
    }

private:
    static constexpr int DEPTHS = 8;
    static constexpr int KEYS = (POSITION_P + 1) * DEPTHS + 2;
    static constexpr int UNKNOWN = -2;
    static_assert(UNKNOWN != LINEUP_EMPTY);

    // The depth-chart question of each place, with and without the backup
    // quarterback: a position and rank, or a returner; -1 for one asked each
    // time (no position, or a rank beyond the kept ones).
    struct QUESTION {
        int nKey, nFormation, nPlace;
        bool bBackupQB;
    };
    // The distinct questions of a build, each with its first place.
    struct QUESTIONS {
        QUESTION Question[KEYS];
        int nCount;
        bool bEveryPlace;   // no place asked each time
    };
    struct PLACE_KEYS {
        int16_t nKey[2][FORMATION_COUNT][FORMATION_PLACES];
        QUESTIONS Asked[2];   // by garbage time
    };
    static const PLACE_KEYS& Keys()
    {
        static const PLACE_KEYS Table = [] {
            PLACE_KEYS K{};
            for (int b = 0; b < 2; ++b)
                for (int f = 0; f < FORMATION_COUNT; ++f)
                    for (int p = 0; p < FORMATION_PLACES; ++p) {
                        const FORMATION_PLACE& Place = FORMATIONS[f].Place[p];
                        int nKey = -1;
                        if (Place.nPosition == PLACE_KICK_RETURNER || Place.nPosition == PLACE_PUNT_RETURNER)
                            nKey = KEYS - 2 + (Place.nPosition - PLACE_KICK_RETURNER);
                        else {
                            const int nDepth = (b && Place.nPosition == POSITION_QB) ? Place.nRank + 1 : Place.nRank;
                            if (Place.nPosition >= 0 && Place.nPosition <= POSITION_P && nDepth >= 0 && nDepth < DEPTHS)
                                nKey = Place.nPosition * DEPTHS + nDepth;
                        }
                        K.nKey[b][f][p] = static_cast<int16_t>(nKey);
                    }
            for (int g = 0; g < 2; ++g) {
                QUESTIONS& Asked = K.Asked[g];
                Asked.nCount = 0;
                Asked.bEveryPlace = true;
                bool bSeen[KEYS] = {};
                for (int f = 0; f < FORMATION_COUNT; ++f) {
                    const bool bBackupQB = g && f < GARBAGE_TIME_FORMATIONS;
                    for (int p = 0; p < FORMATION_PLACES; ++p) {
                        const int nKey = K.nKey[bBackupQB ? 1 : 0][f][p];
                        if (nKey < 0)
                            Asked.bEveryPlace = false;
                        else if (!bSeen[nKey]) {
                            bSeen[nKey] = true;
                            Asked.Question[Asked.nCount++] = QUESTION{nKey, f, p, bBackupQB};
                        }
                    }
                }
            }
            return K;
        }();
        return Table;
    }

    static int Look_Up(int nTeam, int nFormation, int nPlace, bool bBackupQB)
    {
        const int nSlot = Get_Formation_Place_Player(nTeam, nFormation, nPlace, bBackupQB);
        return nSlot >= 0 ? Get_Player_ID(nTeam, nSlot) : LINEUP_EMPTY;
    }

    int m_nID[KEYS];
};

// A team's last build that its answers alone made.
struct LAST_BUILD {
    bool bKnown = false;
    bool bGarbageTime = false;
    PLACE_ANSWERS Answers;
};
LAST_BUILD g_LastBuild[LINEUP_TEAMS];

}  // namespace

int Build_Formation_Depth_Chart(int nTeam, int bGarbageTime)
{
    if (nTeam < 0 || nTeam >= LINEUP_TEAMS) {
        Report_Error("%s(%d, %d)", __func__, nTeam, bGarbageTime);
        return 0;
    }
    // The player ID of each depth-chart answer the places ask, looked up once
    // a build: nothing between the lookups moves a player on the depth chart
    // (the fills below only read the roster and repair ratings).
    PLACE_ANSWERS Answers;
    // The rows of a build that every answer filled are its answers in the
    // places: when the team's last build of this kind was one, and every
    // answer is the same, the rows it left (no other build of the team
    // since) are what this build would write.
    LAST_BUILD& Last = g_LastBuild[nTeam];
    const bool bGarbage = bGarbageTime != 0;
    if (g_bLineupBuilt[nTeam] && Last.bKnown && Last.bGarbageTime == bGarbage && Answers.Same_As(Last.Answers, nTeam, bGarbage))
        return 1;
    Last.bKnown = false;
    g_bLineupBuilt[nTeam] = true;
    int bFull = 1;
    for (int f = 0; f < FORMATION_COUNT; ++f) {
        int* pRow = g_nLineup[nTeam][f];
        // Every formation is built anew: none keeps a player of an earlier build.
        for (int p = 0; p < FORMATION_PLACES; ++p)
            pRow[p] = LINEUP_EMPTY;
        // The kicking units fill the holder's place last, so the kicker and
        // snapper come from their own positions first.
        const bool bKickUnit = f == FIELD_GOAL_FORMATION || f == EXTRA_POINT_FORMATION;
        const bool bBackupQB = bGarbageTime && f < GARBAGE_TIME_FORMATIONS;
        for (int i = 0; i < FORMATION_PLACES; ++i) {
            const int p = bKickUnit ? (i + 1) % FORMATION_PLACES : i;
            pRow[p] = Answers.Place_Player_ID(nTeam, f, p, bBackupQB);
        }
        for (int p = 0; p < FORMATION_PLACES; ++p) {
            if (pRow[p] != LINEUP_EMPTY)
                continue;
            const int nID = Best_Free_Player(nTeam, pRow, Get_Formation_Slot_Position(f, p, SLOT_POSITION));
            if (nID < 0)
                bFull = 0;   // fewer healthy players than places
            else
                pRow[p] = nID;
        }
    }
    if (Answers.Fills_Every_Place(bGarbage)) {
        Last.bKnown = true;
        Last.bGarbageTime = bGarbage;
        Last.Answers = Answers;
    }
    return bFull;
}

int Get_Team_Lineup_Player(int nTeam, int nFormation, int nPlace)
{
    if (nTeam < 0 || nTeam >= LINEUP_TEAMS || nPlace < 0 || nPlace >= FORMATION_PLACES) {
        Report_Error("%s(%d, %d, %d)", __func__, nTeam, nFormation, nPlace);
        return LINEUP_EMPTY;
    }
    if (!g_bLineupBuilt[nTeam])
        return LINEUP_EMPTY;
    return g_nLineup[nTeam][Clamp_Formation_Id(nFormation)][nPlace];
}

bool Is_Player_In_Formation_Row(int nTeam, int nFormation, int nSlot)
{
    if (nTeam < 0 || nTeam >= LINEUP_TEAMS || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return false;
    const int nID = Get_Player_ID(nTeam, nSlot);
    return g_bLineupBuilt[nTeam] && nID > 0 && In_Row(g_nLineup[nTeam][Clamp_Formation_Id(nFormation)], nID);
}

int Update_Team_Lineup(GAME* pGame, int bSide)
{
    if (!pGame || (bSide != GAME_SIDE_AWAY && bSide != GAME_SIDE_HOME)) {
        Report_Error("%s(%p, %d)", __func__, static_cast<const void*>(pGame), bSide);
        return 0;
    }
    const int nTeam = bSide == GAME_SIDE_HOME ? pGame->nHomeTeam : pGame->nAwayTeam;
    if (nTeam >= LINEUP_TEAMS)
        return 0;
    bool bGarbageTime = Is_Game_Decided(pGame);
    const bool bUserTeam = Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER &&
                           Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) == 0;
    if (bUserTeam && Is_User_Game(pGame))
        bGarbageTime = false;
    return Build_Formation_Depth_Chart(nTeam, bGarbageTime ? 1 : 0);
}

int Update_Game_Lineups(GAME* pGame)
{
    Update_Team_Lineup(pGame, GAME_SIDE_AWAY);
    return Update_Team_Lineup(pGame, GAME_SIDE_HOME);
}

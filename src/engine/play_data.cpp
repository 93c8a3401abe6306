// Play-data lookups.

#include "engine/play_data.h"

#include <chrono>
#include <initializer_list>
#include <cstring>
#include <thread>

#include "base/int_math.h"
#include "base/random.h"
#include "engine/formations.h"
#include "engine/playbooks.h"
#include "platform/system.h"
#include "platform/ui.h"

namespace {

constexpr float ZONE_FIELD_WIDTH = 40.0f;
constexpr float DEEP_ZONE_DEPTH = 15.0f;
constexpr float SHORT_ZONE_DEPTH = 9.0f;
constexpr float INNER_ZONE_STEP_UP = 0.5f;

bool Is_Rush_Role(int nRole)
{
    return In_Range(nRole, RESPONSIBILITY_PASS_RUSH, RESPONSIBILITY_FIRST_NON_RUSH - 1);
}

bool Is_Defensive_Play(int nPlay)
{
    return In_Range(nPlay, 0, DEFENSIVE_PLAY_COUNT - 1);
}

// The route of receiver 0-4 without a report for a receiver outside 0-4.
int Receiver_Route(int nTeam, int nPlay, int nReceiver)
{
    if (!In_Range(nReceiver, 0, PLAY_RECEIVERS - 1) || !In_Range(nPlay, 0, OFFENSIVE_PLAY_COUNT - 1))
        return NO_ROUTE;
    return Get_Offensive_Play_Route(nTeam, nPlay, nReceiver);
}

bool Any_Route_Is(int nTeam, int nPlay, std::initializer_list<int> Routes)
{
    for (int r = 0; r < PLAY_RECEIVERS; ++r) {
        const int nRoute = Receiver_Route(nTeam, nPlay, r);
        for (int nWanted : Routes) {
            if (nRoute == nWanted)
                return true;
        }
    }
    return false;
}

int Offense_Side(const GAME* pGame)
{
    return Is_Home_Team_On_Offense(pGame) ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

int Place_Slot(const GAME* pGame, int nSide, int nPlace)
{
    const int nSlot = pGame->nOnField[nSide][nPlace];
    return nSlot == 255 ? -1 : nSlot;
}

}  // namespace

int Count_Defenders_With_Role(int nTeam, int nPlay, int nRole)
{
    if (!Is_Defensive_Play(nPlay))
        return 0;
    int nCount = 0;
    for (int p = 0; p < DEFENDER_PLACES; ++p)
        nCount += Get_Defensive_Play_Role(nTeam, nPlay, p) == nRole ? 1 : 0;
    return nCount;
}

int Count_Deep_Zone_Defenders(int nTeam, int nPlay)
{
    return Count_Defenders_With_Role(nTeam, nPlay, RESPONSIBILITY_DEEP_ZONE);
}

bool Play_Has_Double_Team(int nTeam, int nPlay)
{
    return Count_Defenders_With_Role(nTeam, nPlay, RESPONSIBILITY_DOUBLE_TEAM) > 0;
}

bool Is_Blitz_Defense(int nTeam, int nPlay)
{
    if (!Is_Defensive_Play(nPlay))
        return false;
    int nRushers = 0;
    for (int p = 0; p < DEFENDER_PLACES; ++p)
        nRushers += Is_Rush_Role(Get_Defensive_Play_Role(nTeam, nPlay, p)) ? 1 : 0;
    return nRushers > 4;
}

int Get_Zone_Defender_Rank_From_X(int nTeam, int nPlay, int nPlace, int nRole, const float fX[11])
{
    if (fX == nullptr || !Is_Defensive_Play(nPlay) || !In_Range(nPlace, 0, DEFENDER_PLACES - 1))
        return -1;
    int nRank = 0;
    for (int p = 0; p < DEFENDER_PLACES; ++p) {
        if (p == nPlace || Get_Defensive_Play_Role(nTeam, nPlay, p) != nRole)
            continue;
        if (fX[p] < fX[nPlace] || (fX[p] == fX[nPlace] && p > nPlace))
            ++nRank;
    }
    return nRank;
}

bool Get_Zone_Drop_Point_From_X(int nTeam, int nPlay, int nPlace, const float fX[11], float* pfX, float* pfDepth)
{
    if (fX == nullptr || pfX == nullptr || pfDepth == nullptr || !Is_Defensive_Play(nPlay) ||
        !In_Range(nPlace, 0, DEFENDER_PLACES - 1))
        return false;
    const int nRole = Get_Defensive_Play_Role(nTeam, nPlay, nPlace);
    if (nRole != RESPONSIBILITY_DEEP_ZONE && nRole != RESPONSIBILITY_SHORT_ZONE)
        return false;
    const int n = Count_Defenders_With_Role(nTeam, nPlay, nRole);
    const int k = Get_Zone_Defender_Rank_From_X(nTeam, nPlay, nPlace, nRole, fX);
    float fDepth = nRole == RESPONSIBILITY_DEEP_ZONE ? DEEP_ZONE_DEPTH : SHORT_ZONE_DEPTH;
    if (n >= 3 && k != 0 && k != n - 1)
        fDepth -= INNER_ZONE_STEP_UP;
    *pfX = static_cast<float>(k + 1) * ZONE_FIELD_WIDTH / static_cast<float>(n + 1) - ZONE_FIELD_WIDTH / 2.0f;
    *pfDepth = fDepth;
    return true;
}

bool Is_Trick_Pass_Play(int nTeam, int nPlay)
{
    const int nType = Get_Offensive_Play_Type(nTeam, nPlay);
    return nType == PLAY_TYPE_FLEA_FLICKER || nType == PLAY_TYPE_HALFBACK_PASS || nType == PLAY_TYPE_FAKE_REVERSE;
}

bool Is_Backfield_Pass_Play(int nTeam, int nPlay)
{
    if (Is_Trick_Pass_Play(nTeam, nPlay))
        return true;
    if (!In_Range(nPlay, 0, OFFENSIVE_PLAY_COUNT - 1))
        return false;
    const int nCarrier = Get_Offensive_Play_Carrier(nTeam, nPlay);
    const int nRoute = nCarrier < 0 ? NO_ROUTE : Receiver_Route(nTeam, nPlay, nCarrier - 1);
    switch (nRoute) {
    case ROUTE_SCREEN:
    case ROUTE_SWING:
    case ROUTE_BENCH:
    case ROUTE_FLARE:
    case ROUTE_UNDER:
    case ROUTE_WHEEL:
    case ROUTE_BACKFIELD_SCREEN:
        return true;
    default:
        return false;
    }
}

bool Is_Reverse_Play(int nTeam, int nPlay)
{
    const int nType = Get_Offensive_Play_Type(nTeam, nPlay);
    return nType == PLAY_TYPE_END_AROUND || nType == PLAY_TYPE_DOUBLE_REVERSE || nType == PLAY_TYPE_REVERSE;
}

bool Play_Has_Lead_Block(int nTeam, int nPlay)
{
    return Any_Route_Is(nTeam, nPlay, {ROUTE_LEAD_BLOCK});
}

bool Play_Has_Play_Action(int nTeam, int nPlay)
{
    return Any_Route_Is(nTeam, nPlay, {ROUTE_PLAY_ACTION_DUMP, ROUTE_PLAY_ACTION_FLAT, ROUTE_PLAY_ACTION});
}

bool Is_Option_Play(int nTeam, int nPlay)
{
    if (!In_Range(nPlay, 0, OFFENSIVE_PLAY_COUNT - 1) || !Play_Has_Play_Action(nTeam, nPlay))
        return false;
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(nTeam, nPlay, szName);
    return std::strstr(szName, "Read") != nullptr || std::strstr(szName, "Option") != nullptr;
}

int Pick_Random_Pass_Rusher(const GAME* pGame)
{
    if (pGame == nullptr)
        return -1;
    const int nStart = static_cast<int>(Random_Word_To_Fraction(Generate_Random_Number()) * DEFENDER_PLACES);
    const int nTeam = Get_Game_Defense_Team(pGame);
    const int nPlay = pGame->CurrentPlay.nDefenseCall;
    if (!Is_Defensive_Play(nPlay))
        return -1;
    const int nDefense = 1 - Offense_Side(pGame);
    for (int k = 0; k < DEFENDER_PLACES; ++k) {
        const int nPlace = (nStart + 5 * k) % DEFENDER_PLACES;
        if (Is_Rush_Role(Get_Defensive_Play_Role(nTeam, nPlay, nPlace)))
            return Place_Slot(pGame, nDefense, nPlace);
    }
    return -1;
}

int Find_Pass_Blocking_Back(const GAME* pGame)
{
    if (pGame == nullptr)
        return -1;
    const bool bBackwards = static_cast<int>(Random_Word_To_Fraction(Generate_Random_Number()) * 2) != 0;
    const int nTeam = Get_Game_Offense_Team(pGame);
    const int nPlay = pGame->CurrentPlay.nOffenseCall;
    for (int k = 0; k < PLAY_RECEIVERS; ++k) {
        const int r = bBackwards ? PLAY_RECEIVERS - 1 - k : k;
        if (Receiver_Route(nTeam, nPlay, r) == ROUTE_PASS_BLOCK)
            return Place_Slot(pGame, Offense_Side(pGame), r + 1);
    }
    return -1;
}

int Find_Play_Action_Back(const GAME* pGame)
{
    if (pGame == nullptr)
        return -1;
    const int nTeam = Get_Game_Offense_Team(pGame);
    const int nPlay = pGame->CurrentPlay.nOffenseCall;
    for (int r = 0; r < PLAY_RECEIVERS; ++r) {
        const int nRoute = Receiver_Route(nTeam, nPlay, r);
        if (nRoute == ROUTE_PLAY_ACTION_DUMP || nRoute == ROUTE_PLAY_ACTION_FLAT || nRoute == ROUTE_PLAY_ACTION)
            return Place_Slot(pGame, Offense_Side(pGame), r + 1);
    }
    return -1;
}

int Find_Play_Action_Back_In_Defense(const GAME*)
{
    return -1;
}

// ---------------------------------------------------------------------------
// Lookups over the formation catalogue

namespace {

void Formation_X(int nFormation, float fX[DEFENDER_PLACES])
{
    for (int p = 0; p < DEFENDER_PLACES; ++p) {
        double x = 0.0;
        Get_Formation_Coordinate(Clamp_Formation_Id(nFormation), p, &x, nullptr);
        fX[p] = static_cast<float>(x);
    }
}

}  // namespace

int Get_Play_Run_Hole(const GAME* pGame)
{
    if (pGame == nullptr)
        return NO_HOLE;
    const int nTeam = Get_Game_Offense_Team(pGame);
    const int nPlay = pGame->CurrentPlay.nOffenseCall;
    const int nPlace = Get_Offensive_Play_Carrier(nTeam, nPlay);
    double x = 0.0;
    if (nPlace >= 0)
        Get_Formation_Coordinate(Clamp_Formation_Id(Get_Offensive_Play_Formation(nTeam, nPlay)), nPlace, &x, nullptr);
    return Get_Play_Run_Hole_For_Carrier_X(pGame, static_cast<float>(x));
}

int Get_Zone_Defender_Rank(int nTeam, int nPlay, int nPlace, int nRole)
{
    float fX[DEFENDER_PLACES];
    Formation_X(Get_Defensive_Play_Formation(nTeam, nPlay), fX);
    return Get_Zone_Defender_Rank_From_X(nTeam, nPlay, nPlace, nRole, fX);
}

bool Get_Zone_Drop_Point(int nTeam, int nPlay, int nPlace, float* pfX, float* pfDepth)
{
    float fX[DEFENDER_PLACES];
    Formation_X(Get_Defensive_Play_Formation(nTeam, nPlay), fX);
    return Get_Zone_Drop_Point_From_X(nTeam, nPlay, nPlace, fX, pfX, pfDepth);
}

// Play consistency rules and the repair of playbooks read from outside.

#include "engine/playbook_rules.h"

#include <cstring>

#include "base/int_math.h"
#include "engine/formations.h"
#include "engine/play_factors.h"
#include "engine/playbooks.h"

namespace {

constexpr int POSITION_RB = 1;
constexpr int POSITION_FB = 2;
constexpr int POSITION_TE = 3;
constexpr int POSITION_WR = 4;
constexpr int BACKFIELD_PLACES = 6;         // the passer and receivers 1-5 may carry the ball
constexpr int ROUTE_FALLBACK = 2;           // given to a pass's last receiver when none runs a receiving route
constexpr int HOLE_FALLBACK = 2;            // a run or play action without a hole
constexpr int FIRST_OUTSIDE_RUN_HOLE = 6;   // sweeps and end arounds go outside

int Slot_Position(int nFormation, int nSlot)
{
    return Get_Formation_Slot_Position(Clamp_Formation_Id(nFormation), nSlot, SLOT_POSITION);
}

// The position may not run routes of this kind.
bool Route_Refused(int nPosition, int nRoute)
{
    const PASS_ROUTE* pRoute = Get_Pass_Route(nRoute);
    if (pRoute == nullptr)
        return true;
    const int k = pRoute->nKind;
    switch (nPosition) {
    case POSITION_RB:
    case POSITION_FB:
        return k == 2 || k == 3;
    case POSITION_TE:
        return k == 1 || k == 2;
    case POSITION_WR:
        return k == 1 || k == 3 || k == 4;
    default:
        return false;
    }
}

// Codes the receiving-route table has no answer for (52, 53, 56) are no
// receiving routes; asking it would report them.
bool Is_Receiving(int nRoute)
{
    return (In_Range(nRoute, 0, 51) || nRoute == 54 || nRoute == 55) && Valid_Receiving_Route(nRoute);
}

bool Has_Play_Action_Route(const OFFENSIVE_PLAY& Play)
{
    for (const int32_t nRoute : Play.nRoute)
        if (nRoute == ROUTE_PLAY_ACTION_DUMP || nRoute == ROUTE_PLAY_ACTION_FLAT || nRoute == ROUTE_PLAY_ACTION)
            return true;
    return false;
}

bool Is_Team_Formation(int nFormation)
{
    return In_Range(nFormation, 0, LAST_OFFENSIVE_FORMATION);
}

// The place a run without a carrier hands off to: the running back among
// the receivers, else the fullback, else the quarterback keeps it.
int Default_Run_Carrier(int nFormation)
{
    for (const int nPosition : {POSITION_RB, POSITION_FB})
        for (int s = 1; s <= PLAY_RECEIVERS; ++s)
            if (Slot_Position(nFormation, s) == nPosition)
                return s;
    return 0;
}

// The carrier's place; -1 none (a field of 0 or below, or past place 10).
int Carrier_Place(const OFFENSIVE_PLAY& Play)
{
    return In_Range(Play.nCarrier, 1, PLACES_ON_FIELD) ? Play.nCarrier - 1 : -1;
}

// A run's ball carrier among the receivers runs the handoff route (the end
// around's on an end around).
void Give_Carrier_His_Route(OFFENSIVE_PLAY& Play)
{
    const int nCarrier = Carrier_Place(Play);
    if (In_Range(nCarrier, 1, PLAY_RECEIVERS))
        Play.nRoute[nCarrier - 1] = Play.nType == PLAY_TYPE_END_AROUND ? ROUTE_END_AROUND : ROUTE_HANDOFF;
}

// A pass's primary receiver: the first receiver from the named one
// (receiver 3 for the quarterback, receiver 1 for none) who runs a receiving
// route; when none does, the last one tried is given one.
void Choose_Primary_Receiver(OFFENSIVE_PLAY& Play)
{
    const int nCarrier = Carrier_Place(Play);
    const int nStart = nCarrier == 0 ? 3 : In_Range(nCarrier, 1, PLAY_RECEIVERS) ? nCarrier : 1;
    int r = nStart;
    bool bFound = false;
    for (int i = 0; i < PLAY_RECEIVERS && !bFound; ++i) {
        if (Is_Receiving(Play.nRoute[r - 1]))
            bFound = true;
        else
            r = r % PLAY_RECEIVERS + 1;
    }
    if (!bFound)
        Play.nRoute[r - 1] = ROUTE_FALLBACK;
    // The quarterback throws: the receiver found is the primary one even
    // when the search started from him.
    Play.nCarrier = r + 1;
}

// Every route but a run's ball carrier's is one a receiver picks (0-42).
void Hold_Receiver_Routes(OFFENSIVE_PLAY& Play)
{
    const int nCarrier = Is_Running_Play_Type(Play.nType) ? Carrier_Place(Play) : -1;
    for (int r = 1; r <= PLAY_RECEIVERS; ++r)
        if (r != nCarrier && !In_Range(Play.nRoute[r - 1], 0, RECEIVER_ROUTE_COUNT - 1))
            Play.nRoute[r - 1] = 0;
}

// What the game needs of a play it calls, without the editor's preferences
// (outside holes for sweeps, routes fitted to positions), which the built-in
// plays do not all follow: a run has a carrier in places 0-5 and a hole, a
// pass a primary receiver on a receiving route, a play-action fake a hole.
void Make_Offensive_Play_Runnable(OFFENSIVE_PLAY& Play)
{
    if (Is_Running_Play_Type(Play.nType)) {
        if (!In_Range(Play.nCarrier, 1, BACKFIELD_PLACES))
            Play.nCarrier = Default_Run_Carrier(Play.nFormation) + 1;
        Give_Carrier_His_Route(Play);
        if (Play.nRunHole < 0)
            Play.nRunHole = Play.nType == PLAY_TYPE_SWEEP || Play.nType == PLAY_TYPE_END_AROUND
                                ? FIRST_OUTSIDE_RUN_HOLE
                                : HOLE_FALLBACK;
    } else {
        Choose_Primary_Receiver(Play);
    }
    if (Has_Play_Action_Route(Play) && Play.nRunHole < 0)
        Play.nRunHole = HOLE_FALLBACK;
    Hold_Receiver_Routes(Play);
}

template <typename T> int Terminate(T* pField, int nSize)
{
    if (pField[nSize - 1] == '\0')
        return 0;
    pField[nSize - 1] = '\0';
    return 1;
}

template <typename T, typename U> void Hold_Code(T& nValue, int nLow, int nHigh, U nNone)
{
    if (!In_Range(static_cast<int>(nValue), nLow, nHigh))
        nValue = static_cast<T>(nNone);
}

void Hold_Offensive_Codes(OFFENSIVE_PLAY& Play)
{
    Hold_Code(Play.nPlayActionHole, NO_HOLE, RUN_HOLE_COUNT - 1, NO_HOLE);
    Hold_Code(Play.nCarrier, 0, PLACES_ON_FIELD, 0);
    Hold_Code(Play.nRunHole, NO_HOLE, RUN_HOLE_COUNT - 1, NO_HOLE);
    for (int32_t& nRoute : Play.nRoute)
        Hold_Code(nRoute, NO_ROUTE, PASS_ROUTE_COUNT - 1, NO_ROUTE);
}

void Repair_Offensive_Play(OFFENSIVE_PLAY& Play, int nCall)
{
    Play.szName[PLAY_NAME_SIZE - 1] = '\0';
    Play.szDescription[PLAY_DESCRIPTION_SIZE - 1] = '\0';
    Hold_Offensive_Codes(Play);
    if (Play.szName[0] == '\0') {
        // A free entry is never called; its codes only have to be harmless
        // (the formation readers check theirs).
        Hold_Code(Play.nType, 0, PLAY_TYPE_COUNT - 1, PLAY_TYPE_RUSH);
        return;
    }
    if (!Is_Team_Formation(Play.nFormation) ||
        !(Is_Running_Play_Type(Play.nType) || Is_Passing_Play_Type(Play.nType))) {
        Play = BUILT_IN_OFFENSIVE_PLAYS[nCall];
        return;
    }
    Make_Offensive_Play_Runnable(Play);
}

void Repair_Defensive_Play(DEFENSIVE_PLAY& Play, int nCall)
{
    Play.szName[PLAY_NAME_SIZE - 1] = '\0';
    Play.szDescription[PLAY_DESCRIPTION_SIZE - 1] = '\0';
    bool bKnown = In_Range(Play.nFormation, FIRST_DEFENSIVE_FORMATION, LAST_DEFENSIVE_FORMATION);
    for (const int32_t nRole : Play.nResponsibility)
        bKnown = bKnown && In_Range(nRole, 0, RESPONSIBILITY_COUNT - 1);
    if (Play.szName[0] == '\0') {
        // A free entry is never called; the areas of clubs not in use are
        // all free entries of zeros. Only the codes that index tables are
        // held (the formation readers check theirs).
        for (int32_t& nRole : Play.nResponsibility)
            Hold_Code(nRole, 0, RESPONSIBILITY_COUNT - 1, RESPONSIBILITY_PASS_RUSH);
        return;
    }
    if (!bKnown)
        Play = BUILT_IN_DEFENSIVE_PLAYS[nCall];
}

}  // namespace

int Adjust_Defensive_Role_For_Position(int nPosition, int nRole)
{
    switch (nPosition) {
    case 8:   // DE
        return nRole == 3 ? 2 : nRole;
    case 9:   // DT
        return nRole == 12 || nRole == 13 ? 9 : nRole == 3 ? 2 : nRole;
    case 10:  // LB
        return nRole == 12 || nRole == 13 ? 9 : nRole;
    case 11:  // CB
        return nRole == 1 || nRole == 2 ? 3 : nRole;
    case 12:  // S
        return nRole == 3 ? 1 : nRole;
    default:
        return nRole;
    }
}

int Next_Route_Step(int nRoute, int nDirection)
{
    const int nStep = nDirection >= 1 ? 1 : -1;
    return ((nRoute % RECEIVER_ROUTE_COUNT + nStep) % RECEIVER_ROUTE_COUNT + RECEIVER_ROUTE_COUNT) %
           RECEIVER_ROUTE_COUNT;
}

int Step_Route_For_Slot(int nPosition, int nRoute, int nDirection)
{
    if (nPosition < POSITION_RB || nPosition > POSITION_WR)
        return nRoute;
    int nStepped = nRoute;
    // Routes 0-9 are open to every receiving position, so this always ends;
    // the bound keeps it so whatever the table holds.
    for (int i = 0; i < RECEIVER_ROUTE_COUNT && Route_Refused(nPosition, nStepped); ++i)
        nStepped = Next_Route_Step(nStepped, nDirection);
    return Route_Refused(nPosition, nStepped) ? nRoute : nStepped;
}

bool Is_Running_Play_Type(int nType)
{
    return In_Range(nType, PLAY_TYPE_RUSH, PLAY_TYPE_END_AROUND) || nType == PLAY_TYPE_COUNTER ||
           nType == PLAY_TYPE_DOUBLE_REVERSE || nType == PLAY_TYPE_REVERSE;
}

bool Is_Passing_Play_Type(int nType)
{
    return In_Range(nType, PLAY_TYPE_PASS, PLAY_TYPE_SCREEN) ||
           In_Range(nType, PLAY_TYPE_FLEA_FLICKER, PLAY_TYPE_FAKE_REVERSE);
}

void Normalize_Offensive_Play(OFFENSIVE_PLAY& Play, int nDirection)
{
    const bool bRunning = Is_Running_Play_Type(Play.nType);
    const int nCarrier = Carrier_Place(Play);
    if (!In_Range(Play.nRunHole, NO_HOLE, RUN_HOLE_COUNT - 1))
        Play.nRunHole = NO_HOLE;
    if (bRunning) {
        Give_Carrier_His_Route(Play);
        if (Play.nType == PLAY_TYPE_SWEEP || Play.nType == PLAY_TYPE_END_AROUND) {
            const int nLeast = FIRST_OUTSIDE_RUN_HOLE + Play.nRunHole % 2;
            if (Play.nRunHole < nLeast)
                Play.nRunHole = nLeast;
        }
        if (Play.nRunHole < 0)
            Play.nRunHole = HOLE_FALLBACK;
    } else if (Is_Passing_Play_Type(Play.nType)) {
        Choose_Primary_Receiver(Play);
    }
    if (Has_Play_Action_Route(Play) && Play.nRunHole < 0)
        Play.nRunHole = HOLE_FALLBACK;
    for (int r = 1; r <= PLAY_RECEIVERS; ++r) {
        int32_t& nRoute = Play.nRoute[r - 1];
        if (!(bRunning && nCarrier == r) && In_Range(nRoute, 0, PASS_ROUTE_COUNT - 1))
            nRoute = Step_Route_For_Slot(Slot_Position(Play.nFormation, r), nRoute, nDirection);
    }
    Hold_Receiver_Routes(Play);
}

void Normalize_Defensive_Play(DEFENSIVE_PLAY& Play)
{
    // Only the first five places: a pick in places 5-10 is kept as made.
    for (int s = 0; s < 5; ++s)
        Play.nResponsibility[s] = Adjust_Defensive_Role_For_Position(Slot_Position(Play.nFormation, s),
                                                                     Play.nResponsibility[s]);
}

int Repair_Offensive_Playbook(OFFENSIVE_PLAYBOOK_AREA& Area)
{
    int nChanged = 0;
    for (auto& szCategory : Area.szCategory)
        nChanged += Terminate(szCategory, PLAYBOOK_CATEGORY_NAME_SIZE);
    for (int i = 0; i < TEAM_OFFENSIVE_PLAYS; ++i) {
        const OFFENSIVE_PLAY Before = Area.Play[i];
        Repair_Offensive_Play(Area.Play[i], i);
        nChanged += std::memcmp(&Before, &Area.Play[i], sizeof(Before)) != 0 ? 1 : 0;
    }
    nChanged += Terminate(Area.szNotes, PLAYBOOK_NOTES_SIZE);
    nChanged += Terminate(Area.szName, PLAYBOOK_NAME_SIZE);
    return nChanged;
}

int Repair_Defensive_Playbook(DEFENSIVE_PLAYBOOK_AREA& Area)
{
    int nChanged = 0;
    for (auto& szCategory : Area.szCategory)
        nChanged += Terminate(szCategory, PLAYBOOK_CATEGORY_NAME_SIZE);
    for (int i = 0; i < DEFENSIVE_PLAY_COUNT; ++i) {
        const DEFENSIVE_PLAY Before = Area.Play[i];
        Repair_Defensive_Play(Area.Play[i], i);
        nChanged += std::memcmp(&Before, &Area.Play[i], sizeof(Before)) != 0 ? 1 : 0;
    }
    nChanged += Terminate(Area.szNotes, PLAYBOOK_NOTES_SIZE);
    nChanged += Terminate(Area.szName, PLAYBOOK_NAME_SIZE);
    return nChanged;
}

// Formation lookups, the formations and players of a snap, the situation
// rules of the computer defence and the kicking game, and the depth-chart
// lookups.
#include "engine/formations.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/text_utils.h"
#include "frontoffice/computer_manager.h"
#include "engine/calibration.h"
#include "engine/field_goals.h"
#include "engine/game_clock.h"
#include "engine/game_driver.h"
#include "engine/game_state.h"
#include "engine/watched_game.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/historical.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/ui.h"

namespace {

constexpr int HISTORICAL_FIELD_GOAL_PERCENT = 124;   // tenths of a per cent
constexpr int RETURNER_POSITION = 15;                 // depth-chart positions 15 and above
constexpr uint32_t PLAYED_IN_GAME_FLAG = 0x8;         // vital stat 24, read when games played are credited
constexpr int ON_FIELD_EMPTY = 255;

int Offense_Side(const GAME* pGame)
{
    return Is_Home_Team_On_Offense(pGame) ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

bool Is_Franchise_In_Use(int nTeam)
{
    return nTeam >= 0 && nTeam < FREE_AGENT_TEAM && Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) != CONTROLLER_NOT_IN_USE;
}

bool Is_Injured(int nTeam, int nSlot)
{
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) > 0;
}

int Find_Player_Slot_By_ID(int nTeam, int nID)
{
    if (nID <= 0)
        return -1;
    const int nEnd = Find_Roster_End(nTeam);
    for (int s = 0; s < nEnd; ++s)
        if (Is_Player_Slot_Used(nTeam, s) && Get_Player_ID(nTeam, s) == nID)
            return s;
    return -1;
}

}  // namespace

// ---------------------------------------------------------------------------
// Catalogue

int Clamp_Formation_Id(int nFormation)
{
    return std::clamp(nFormation, 0, FORMATION_COUNT - 1);
}

void Get_Formation_Name(char* szName, size_t nSize, int nFormation)
{
    if (szName == nullptr || nSize == 0) {
        Report_Error("%s(null, %d)", __func__, nFormation);
        return;
    }
    Copy_From_Record_Field(szName, nSize, FORMATIONS[Clamp_Formation_Id(nFormation)].szName, FORMATION_NAME_SIZE);
}

int Get_Formation_Slot_Position(int nFormation, int nPlace, int nWhich)
{
    if (nPlace < 0 || nPlace >= FORMATION_PLACES || (nWhich != SLOT_POSITION && nWhich != SLOT_DEPTH_RANK)) {
        Report_Error("%s(%d, %d, %d)", __func__, nFormation, nPlace, nWhich);
        return -1;
    }
    const FORMATION_PLACE& Place = FORMATIONS[Clamp_Formation_Id(nFormation)].Place[nPlace];
    return nWhich == SLOT_POSITION ? Place.nPosition : Place.nRank;
}

void Get_Formation_Coordinate(int nFormation, int nPlace, double* px, double* py)
{
    double x = 0.0;
    double y = 0.0;
    if (nFormation < 0 || nFormation >= FORMATION_COUNT || nPlace < 0 || nPlace >= FORMATION_PLACES)
        Report_Error("Invalid nFormation in %s(%d,%d)", __func__, nFormation, nPlace);
    else {
        x = FORMATIONS[nFormation].Place[nPlace].x;
        y = FORMATIONS[nFormation].Place[nPlace].y;
    }
    if (px)
        *px = x;
    if (py)
        *py = y;
}

bool Is_Deep_Snap_Formation(int nFormation)
{
    switch (nFormation) {
    case 8: case 9: case 10: case 11: case 12: case 15: case 17: case 18: case 19: case 21:
    case PUNT_FORMATION: case FIELD_GOAL_FORMATION: case EXTRA_POINT_FORMATION:
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------
// The formations of a snap and the players on the field

void Set_Play_Formations(GAME* pGame)
{
    if (pGame == nullptr) {
        Report_Error("%s(null)", __func__);
        return;
    }
    const int bOffense = Offense_Side(pGame);
    const int bDefense = 1 - bOffense;
    const int nOffenseTeam = Side_Team(pGame, bOffense);
    const int nDefenseTeam = Side_Team(pGame, bDefense);
    const int nOffenseCall = pGame->CurrentPlay.nOffenseCall;
    const int nDefenseCall = pGame->CurrentPlay.nDefenseCall;
    const int nDown = Get_Game_Down_Code(pGame);

    if (nDown == KICKOFF_DOWN || nDown == SAFETY_KICK_DOWN) {
        const bool bOnside = Get_Kick_Play_Type(nOffenseCall % KICK_PLAY_COUNT) == PLAY_TYPE_ONSIDE_KICK;
        pGame->nFormation[bOffense] = bOnside ? ONSIDE_FORMATION : KICKOFF_FORMATION;
        pGame->nFormation[bDefense] = KICKOFF_RETURN_FORMATION;
        return;
    }
    const int nOffenseType = Get_Offensive_Play_Type(nOffenseTeam, nOffenseCall);
    if (nDown == CONVERSION_ATTEMPT && nOffenseType == PLAY_TYPE_FIELD_GOAL) {
        pGame->nFormation[bOffense] = EXTRA_POINT_FORMATION;
        pGame->nFormation[bDefense] = FIELD_GOAL_BLOCK_FORMATION;
        return;
    }
    pGame->nFormation[bOffense] = Get_Offensive_Play_Formation(nOffenseTeam, nOffenseCall);
    if (nDown != CONVERSION_ATTEMPT && nOffenseType == PLAY_TYPE_PUNT)
        pGame->nFormation[bDefense] = PUNT_RETURN_FORMATION;
    else if (nDown != CONVERSION_ATTEMPT && nOffenseType == PLAY_TYPE_FIELD_GOAL)
        pGame->nFormation[bDefense] = FIELD_GOAL_BLOCK_FORMATION;
    else
        pGame->nFormation[bDefense] = Get_Defensive_Play_Formation(nDefenseTeam, nDefenseCall);
}

void Set_Default_Formations(GAME* pGame)
{
    if (pGame == nullptr) {
        Report_Error("%s(null)", __func__);
        return;
    }
    const int bOffense = Offense_Side(pGame);
    const int bDefense = 1 - bOffense;
    pGame->nFormation[bOffense] = PRO_SET_FORMATION;
    pGame->nFormation[bDefense] =
        Get_Team_Stat(Side_Team(pGame, bDefense), TEAM_STAT_DEFENSE_ALIGNMENT) ? BASE_34_FORMATION : BASE_43_FORMATION;
    Set_On_Field_Players(pGame, GAME_SIDE_AWAY);
    Set_On_Field_Players(pGame, GAME_SIDE_HOME);
}

namespace {

// The players each formation puts on the field, kept while a game is played:
// they change only when a player is hurt or the roster changes, and looking
// them up walks the whole roster several times for each place.
struct ON_FIELD_ENTRY {
    uint8_t nSlot[FORMATION_PLACES];
    bool bKnown;
    bool bFlagged;   // the played mark of these players is set this game
};
constexpr int DEPTH_POSITIONS = RETURNER_POSITION + 1;
constexpr int DEPTH_RANKS = 8;
constexpr int16_t SLOT_UNKNOWN = -2;
// A side's healthy players of each position in slot order, read in one pass
// over the roster: the n-th of a position is his depth-chart player of rank
// n. It reads the roster's IDs, positions and injuries, which change while
// the cache is active only by what must forget it.
struct DEPTH_ORDER {
    bool bKnown;
    int nEnd;                                          // the roster's end
    uint8_t nCount[RETURNER_POSITION];                 // at most DEPTH_RANKS
    uint8_t nSlot[RETURNER_POSITION][DEPTH_RANKS];
    int nID[PLAYERS_PER_TEAM];                         // slots before nEnd
};
struct ON_FIELD_CACHE {
    bool bActive;
    int nTeam[2];
    ON_FIELD_ENTRY Entry[2][FORMATION_COUNT];
    // By side: the returners' answers, and the slot a player's ID is
    // found at; a lookup that found nobody is asked again each time.
    int16_t nReturnerSlot[2][2];
    // The roster fill was tried for the side's position this game.
    bool bFillTried[2][RETURNER_POSITION];
    int16_t nSlotByID[2][PLAYERS_PER_TEAM];
    DEPTH_ORDER Depth[2];
};
ON_FIELD_CACHE g_OnField = {false, {-1, -1}, {}, {}, {}, {}, {}};

void Forget_Depth_Answers()
{
    std::fill(&g_OnField.nReturnerSlot[0][0], &g_OnField.nReturnerSlot[0][0] + 4, SLOT_UNKNOWN);
    std::fill(&g_OnField.nSlotByID[0][0], &g_OnField.nSlotByID[0][0] + 2 * PLAYERS_PER_TEAM, SLOT_UNKNOWN);
    g_OnField.Depth[GAME_SIDE_AWAY].bKnown = false;
    g_OnField.Depth[GAME_SIDE_HOME].bKnown = false;
}

// Nothing kept: no game is being played.
void Clear_On_Field_Cache()
{
    g_OnField.bActive = false;
    std::fill(&g_OnField.bFillTried[0][0], &g_OnField.bFillTried[0][0] + 2 * RETURNER_POSITION, false);
    g_OnField.nTeam[GAME_SIDE_AWAY] = -1;
    g_OnField.nTeam[GAME_SIDE_HOME] = -1;
    for (auto& Side : g_OnField.Entry)
        for (ON_FIELD_ENTRY& Entry : Side) {
            Entry.bKnown = false;
            Entry.bFlagged = false;
        }
    Forget_Depth_Answers();
}

// The side's depth order, read when first needed. Count_Team_Available_
// Position_Players counts at least the healthy players, so the depth-chart
// lookup's answer is the n-th healthy player of the position in slot order
// before the roster's end, or none; a team not in use has none.
const DEPTH_ORDER& Get_Depth_Order(int bSide, int nTeam)
{
    DEPTH_ORDER& Order = g_OnField.Depth[bSide];
    if (Order.bKnown)
        return Order;
    Order.bKnown = true;
    std::fill(std::begin(Order.nCount), std::end(Order.nCount), uint8_t{0});
    // The bound in a local: the stores into nID could alias nEnd for all the
    // compiler knows, and then it cannot see that s stays below 100.
    const int nEnd = Is_Valid_Team(nTeam) ? std::min(Find_Roster_End(nTeam), static_cast<int>(PLAYERS_PER_TEAM)) : 0;
    Order.nEnd = nEnd;
    for (int s = 0; s < nEnd; ++s) {
        Order.nID[s] = Get_Player_ID(nTeam, s);
        const int nPosition = Get_Player_Position(nTeam, s);
        if (nPosition < 0 || nPosition >= RETURNER_POSITION || Get_Player_Injury_Weeks(nTeam, s) >= 1)
            continue;
        uint8_t& nCount = Order.nCount[nPosition];
        if (nCount < DEPTH_RANKS)
            Order.nSlot[nPosition][nCount++] = static_cast<uint8_t>(s);
    }
    return Order;
}

// The side of the game being played whose team this is, -1 for none.
int Cached_Side(int nTeam)
{
    if (!g_OnField.bActive || nTeam < 0 || nTeam > LAST_TEAM)
        return -1;
    return g_OnField.nTeam[GAME_SIDE_AWAY] == nTeam ? GAME_SIDE_AWAY
           : g_OnField.nTeam[GAME_SIDE_HOME] == nTeam ? GAME_SIDE_HOME
                                                      : -1;
}

int Look_Up_Depth_Chart_Player(int nTeam, int nPosition, int nDepth);

// The record of the game the cached sides are playing, nullptr for none.
GAME* Cached_Game()
{
    GAME* pCurrent = Get_Current_Game();
    if (pCurrent != nullptr && pCurrent->nAwayTeam == g_OnField.nTeam[GAME_SIDE_AWAY] &&
        pCurrent->nHomeTeam == g_OnField.nTeam[GAME_SIDE_HOME])
        return pCurrent;
    const int nRecords = Count_Season_Game_Records();
    for (int i = 0; i < nRecords; ++i) {
        GAME* pGame = Get_Game_Record(i);
        if (pGame != nullptr && pGame->nAwayTeam == g_OnField.nTeam[GAME_SIDE_AWAY] &&
            pGame->nHomeTeam == g_OnField.nTeam[GAME_SIDE_HOME] && pGame->nWeek == Get_User_Preference(PREF_CURRENT_WEEK) &&
            !Is_Game_Over(pGame))
            return pGame;
    }
    return nullptr;
}

// A side in a game has no healthy player at a position: the computer's
// roster fill signs one, once a game for each position. Whoever it signs
// joins the game's roster, and every cached answer is asked again.
void Fill_Roster_Once(int bSide, int nTeam, int nPosition)
{
    bool& bTried = g_OnField.bFillTried[bSide][nPosition];
    if (bTried || nTeam < 0 || nTeam >= MAX_FRANCHISES)
        return;
    bTried = true;
    if (Fill_AI_Roster_Needs(nTeam) <= 0)
        return;
    if (GAME* pGame = Cached_Game()) {
        for (int s = 0; s < GAME_ROSTER_SIZE; ++s) {
            const int nID = Get_Player_ID(nTeam, s);
            if (pGame->nRosterID[bSide][s] == 0 && nID > 0)
                pGame->nRosterID[bSide][s] = nID;
        }
    }
    Forget_On_Field_Cache();
}

// Find_Player_Slot_By_ID of the player in a slot.
int Slot_Of_Slot_Player(int nTeam, int nSlot)
{
    const int bSide = Cached_Side(nTeam);
    if (bSide < 0 || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return Find_Player_Slot_By_ID(nTeam, Get_Player_ID(nTeam, nSlot));
    int16_t& nKnown = g_OnField.nSlotByID[bSide][nSlot];
    if (nKnown == SLOT_UNKNOWN) {
        // Find_Player_Slot_By_ID over the IDs the depth order read: every
        // slot before the roster's end is in use.
        const DEPTH_ORDER& Order = Get_Depth_Order(bSide, nTeam);
        const int nID = nSlot < Order.nEnd ? Order.nID[nSlot] : Get_Player_ID(nTeam, nSlot);
        int nFound = -1;
        for (int s = 0; nID > 0 && s < Order.nEnd; ++s)
            if (Order.nID[s] == nID) {
                nFound = s;
                break;
            }
        nKnown = static_cast<int16_t>(nFound);
    }
    return nKnown;
}

// The slot of the player the club's depth chart puts in a place of a
// formation (the place's position and rank, or the returner), -1 for none:
// a club keeps one depth chart, which every formation reads.
int Find_Player_Slot_By_ID_Of_Place(int nTeam, int nFormation, int nPlace)
{
    const int nPosition = Get_Formation_Slot_Position(nFormation, nPlace, SLOT_POSITION);
    const int nRank = Get_Formation_Slot_Position(nFormation, nPlace, SLOT_DEPTH_RANK);
    if (nPosition < 0)
        return -1;
    int nSlot;
    if (nPosition == PLACE_KICK_RETURNER)
        nSlot = Get_Depth_Chart_Player(nTeam, RETURNER_POSITION, RETURNER_KICKOFF);
    else if (nPosition == PLACE_PUNT_RETURNER)
        nSlot = Get_Depth_Chart_Player(nTeam, RETURNER_POSITION, RETURNER_PUNT);
    else
        nSlot = Get_Depth_Chart_Player(nTeam, nPosition, nRank);
    if (nSlot < 0)
        return -1;   // player ID 0 is nobody's
    return Slot_Of_Slot_Player(nTeam, nSlot);
}

// Injuries can leave a position with fewer healthy players than the
// formation asks for: each place still empty takes the healthy player not
// yet on the field who scores best there (a returner's place as a wide
// receiver), so no play runs with a hole. False when the roster has too few
// healthy players even for that.
bool Fill_Empty_Places(int nTeam, int nFormation, uint8_t* pSlot)
{
    bool bComplete = true;
    const int nEnd = Find_Roster_End(nTeam);
    for (int p = 0; p < FORMATION_PLACES; ++p) {
        if (pSlot[p] != ON_FIELD_EMPTY)
            continue;
        int nPosition = Get_Formation_Slot_Position(nFormation, p, SLOT_POSITION);
        if (nPosition < 0)
            continue;
        if (nPosition > POSITION_P)
            nPosition = POSITION_WR;
        int nBest = -1;
        float fBest = 0.0f;
        for (int s = 0; s < nEnd && s < ON_FIELD_EMPTY; ++s) {
            if (Get_Player_ID(nTeam, s) <= 0 || Is_Injured(nTeam, s))
                continue;
            bool bOnField = false;
            for (int q = 0; q < FORMATION_PLACES && !bOnField; ++q)
                bOnField = pSlot[q] == s;
            if (bOnField)
                continue;
            const float fScore = Get_Depth_Chart_Score(nTeam, s, nPosition, 0);
            if (nBest < 0 || fScore > fBest) {
                nBest = s;
                fBest = fScore;
            }
        }
        if (nBest < 0)
            bComplete = false;
        else
            pSlot[p] = static_cast<uint8_t>(nBest);
    }
    return bComplete;
}

// The lookup itself: false when a place found nobody (a lookup that can
// write a log line, so it is never kept).
bool Look_Up_On_Field_Players(int nTeam, int nFormation, uint8_t* pSlot)
{
    bool bComplete = true;
    for (int p = 0; p < FORMATION_PLACES; ++p) {
        pSlot[p] = ON_FIELD_EMPTY;
        const int nSlot = Find_Player_Slot_By_ID_Of_Place(nTeam, nFormation, p);
        if (nSlot < 0 || nSlot >= ON_FIELD_EMPTY) {
            bComplete = false;
            continue;
        }
        pSlot[p] = static_cast<uint8_t>(nSlot);
    }
    if (!bComplete)
        bComplete = Fill_Empty_Places(nTeam, nFormation, pSlot);
    return bComplete;
}

void Mark_Played(int nTeam, const uint8_t* pSlot)
{
    for (int p = 0; p < FORMATION_PLACES; ++p) {
        if (pSlot[p] == ON_FIELD_EMPTY)
            continue;
        const int nFlags = Get_Player_Vital_Stat(nTeam, pSlot[p], VITAL_FLAGS);
        Set_Player_Vital_Stat(nTeam, pSlot[p], VITAL_FLAGS, nFlags | static_cast<int>(PLAYED_IN_GAME_FLAG));
    }
}

}  // namespace

void Begin_On_Field_Cache(const GAME* pGame)
{
    if (pGame == nullptr) {
        Clear_On_Field_Cache();
        return;
    }
    // Already begun for this game (by Play_Game before its line-ups).
    if (g_OnField.bActive && g_OnField.nTeam[GAME_SIDE_AWAY] == pGame->nAwayTeam &&
        g_OnField.nTeam[GAME_SIDE_HOME] == pGame->nHomeTeam)
        return;
    Clear_On_Field_Cache();
    g_OnField.bActive = true;
    g_OnField.nTeam[GAME_SIDE_AWAY] = pGame->nAwayTeam;
    g_OnField.nTeam[GAME_SIDE_HOME] = pGame->nHomeTeam;
}

void End_On_Field_Cache()
{
    Clear_On_Field_Cache();
}

void Forget_On_Field_Cache()
{
    for (auto& Side : g_OnField.Entry)
        for (ON_FIELD_ENTRY& Entry : Side) {
            Entry.bKnown = false;
            Entry.bFlagged = false;
        }
    Forget_Depth_Answers();
}

void Set_On_Field_Players(GAME* pGame, int bSide)
{
    if (pGame == nullptr || (bSide != GAME_SIDE_AWAY && bSide != GAME_SIDE_HOME)) {
        Report_Error("%s(%p, %d)", __func__, static_cast<const void*>(pGame), bSide);
        return;
    }
    const int nTeam = Side_Team(pGame, bSide);
    const int nFormation = Clamp_Formation_Id(pGame->nFormation[bSide]);
    uint8_t* pOnField = pGame->nOnField[bSide];
    if (nTeam > LAST_TEAM) {
        std::memset(pOnField, ON_FIELD_EMPTY, FORMATION_PLACES);
        return;
    }
    if (g_OnField.bActive && g_OnField.nTeam[bSide] == nTeam) {
        ON_FIELD_ENTRY& Entry = g_OnField.Entry[bSide][nFormation];
        if (!Entry.bKnown) {
            if (!Look_Up_On_Field_Players(nTeam, nFormation, pOnField)) {
                Mark_Played(nTeam, pOnField);
                return;
            }
            std::memcpy(Entry.nSlot, pOnField, FORMATION_PLACES);
            Entry.bKnown = true;
        }
        std::memcpy(pOnField, Entry.nSlot, FORMATION_PLACES);
        if (!Entry.bFlagged) {
            Mark_Played(nTeam, pOnField);
            Entry.bFlagged = true;
        }
        return;
    }
    Look_Up_On_Field_Players(nTeam, nFormation, pOnField);
    Mark_Played(nTeam, pOnField);
}

// ---------------------------------------------------------------------------
// Situation

float Get_Offense_Pass_Tendency(const GAME* pGame)
{
    if (pGame == nullptr) {
        Report_Error("%s(null)", __func__);
        return 1.0f;
    }
    const int bOffense = Offense_Side(pGame);
    const int r = pGame->nTeamTotal[bOffense][GAME_TOTAL_RUSHES];
    const int p = pGame->nTeamTotal[bOffense][GAME_TOTAL_PASS_ATTEMPTS];
    const int n = std::max(r + p, 1);
    const float s = static_cast<float>(p) / static_cast<float>(n);
    float f = 1.0f;
    if (s > 0.65f)
        f = 2.0f - (1.0f - s) / 0.35f;
    else if (s < 0.55f)
        f = s / 0.55f;
    const float fBand = static_cast<float>(n) / 10.0f;
    return std::clamp(f, 1.0f - fBand, 1.0f + fBand);
}

int Set_Team_Formations(GAME* pGame)
{
    if (pGame == nullptr) {
        Report_Error("%s(null)", __func__);
        return -1;
    }
    const int bOffense = Offense_Side(pGame);
    const int Y = pGame->nYardLine;
    int G = std::min<int>(Y, pGame->nToGo);
    const int nLead = pGame->nScore[1 - bOffense] - pGame->nScore[bOffense];
    const int bSafe = (nLead < 4 || pGame->nClock < SECONDS_AT_HALF_TIME) ? 1 : 0;
    const int nDown = Get_Game_Down_Code(pGame);

    if (pGame->nClock >= SECONDS_OF_REGULATION && nDown <= FOURTH_DOWN_CODE && Y < Get_Field_Goal_Range(pGame) / 2)
        return FIELD_GOAL_BLOCK_FORMATION;
    if (Y == 1)
        return 37;
    if (Y == 2)
        return 28;
    if (Get_Game_Quarter(pGame) == 4 && SECONDS_OF_REGULATION - pGame->nClock < 120 && nLead >= 1 &&
        Y >= 20 * bSafe + 30)
        return 36;
    if (Is_Hurry_Up_Time(pGame) && Y >= 11)
        G += 3;
    const int P = static_cast<int>(10.0f * Get_Offense_Pass_Tendency(pGame));
    G += (P - 10) / 2;

    switch (nDown) {
    case 0:
        return G < 6 ? 29 : G < 11 ? 22 : 27;
    case 1:
        if (G < 7)
            return G > 3 ? 22 : 29;
        return 25;
    case 2:
    case 3:
        if (G >= 22)
            return 36;
        if (G >= 15)
            return 35;
        if (G >= 10)
            return 34;
        if (G > 6)
            return 30;
        if (G <= 3)
            return G < 2 ? 37 : 28;
        return 25;
    case KICKOFF_DOWN:
    case SAFETY_KICK_DOWN:
        return KICKOFF_RETURN_FORMATION;
    case CONVERSION_ATTEMPT:
        return 37;
    default:
        if (Get_User_Preference(PREF_SIMULATION_RUNNING))
            Report_Error("Set_Team_Formations(): Unrecognized Down Flag: %d", nDown);
        else
            Show_Formatted_Message("Set_Team_Formations()", "Unrecognized Down Flag: %d", nDown);
        return -1;
    }
}

double Get_League_Field_Goal_Average()
{
    return Get_Current_Average_Stat(HISTORICAL_FIELD_GOAL_PERCENT) / 10.0;
}

float Get_Kicker_Max_Distance(int nTeam, int nSlot)
{
    const float fDistance = std::max(Get_Player_Rating(nTeam, nSlot, RATING_FG_DISTANCE), 20.0f);
    const float fAccuracy = std::max(Get_Player_Rating(nTeam, nSlot, RATING_FG_ACCURACY), 20.0f);
    float X = (5.0f * fDistance + fAccuracy) / 15.0f + 23.0f;
    const double A = Get_League_Field_Goal_Average();
    if (A < 80.0)
        X = static_cast<float>(X * (A + 70.0) / 150.0);
    return std::min(X, 62.0f);
}

int Get_Field_Goal_Range(GAME* pGame)
{
    if (pGame == nullptr) {
        Report_Error("%s(null)", __func__);
        return 0;
    }
    const int bOffense = Offense_Side(pGame);
    const int nTeam = Side_Team(pGame, bOffense);
    const int nKicker = nTeam <= LAST_TEAM ? Get_Depth_Chart_Player(nTeam, POSITION_K, 0) : -1;
    // Without a kicker the weakest kick stands: both ratings at their floor of 20.
    const float fMax = nKicker >= 0 ? Get_Kicker_Max_Distance(nTeam, nKicker) : 31.0f;
    int R = static_cast<int>((fMax + 52.0f) / 2.0f);
    const double A = Get_League_Field_Goal_Average();
    const double F = A >= 80.0 ? 37.0 : (A + 70.0) / 150.0 * 37.0;
    R = std::max(R, static_cast<int>(F));

    const int nLead = pGame->nScore[bOffense] - pGame->nScore[1 - bOffense];
    if (nLead >= 7 && pGame->nClock >= SECONDS_AT_HALF_TIME) {
        if (pGame->nClock < SECONDS_OF_REGULATION)
            R -= 2;
        else {
            const int nRule = Get_User_Preference(Is_Playoff_Game(pGame) ? PREF_PLAYOFF_OVERTIME_RULE
                                                                         : PREF_REGULAR_SEASON_OVERTIME_RULE);
            if (nRule != OVERTIME_SUDDEN_DEATH && nRule != OVERTIME_SUDDEN_DEATH_NO_TIES &&
                pGame->nOvertimePossession < 3)
                R -= 2;
        }
    }
    const float W = Get_Kick_Weather_Factor(pGame);
    const int D = static_cast<int>((W + 1.0f) / 2.0f * static_cast<float>(R) + 0.5f);
    int nRange = D - 7;
    if (Get_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE) == 0)
        nRange -= 10;
    return nRange;
}

bool Get_Two_Point_Chart(const GAME* pGame)
{
    if (pGame == nullptr) {
        Report_Error("%s(null)", __func__);
        return false;
    }
    if (Get_User_Preference(PREF_TWO_POINT_TRIES) == 0)
        return false;
    const int bOffense = Offense_Side(pGame);
    const int d = std::clamp(pGame->nScore[bOffense] - pGame->nScore[1 - bOffense], -17, 6);
    return d == -2 || (d == 1 && Get_Game_Quarter(pGame) >= 4);
}

namespace {

// The user's answer about a try: the game, its play count, clock and score
// name the try.
struct TRY_ANSWER {
    const GAME* pGame = nullptr;
    int nPlays = -1;
    int nClock = -1;
    int nAwayScore = -1;
    int nHomeScore = -1;
    bool bGo = false;
    bool Same_Try(const TRY_ANSWER& Other) const
    {
        return pGame == Other.pGame && nPlays == Other.nPlays && nClock == Other.nClock &&
               nAwayScore == Other.nAwayScore && nHomeScore == Other.nHomeScore;
    }
};
TRY_ANSWER g_LastTryAnswer;

}  // namespace

void Forget_Two_Point_Answer()
{
    g_LastTryAnswer = TRY_ANSWER{};
}

bool Should_Go_For_Two(const GAME* pGame)
{
    if (pGame == nullptr) {
        Report_Error("%s(null)", __func__);
        return false;
    }
    if (Get_User_Preference(PREF_TWO_POINT_TRIES) == 0)
        return false;
    const int nOffenseTeam = Get_Game_Offense_Team(pGame);
    // Without a window to answer in (headless, or a script driving it) the
    // computer decides, as it makes the other calls there.
    if (Is_User_Game(pGame) && Is_Franchise_In_Use(nOffenseTeam) &&
        Get_Team_Stat(nOffenseTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER &&
        Get_User_Preference(PREF_AUTO_OFFENSE_CALLS) != 1 && Can_Wait_For_User()) {
        // The computer's call and the watched snap both ask about the same
        // try: the user answers once.
        const TRY_ANSWER Try{pGame, pGame->nPlays, pGame->nClock, pGame->nScore[0], pGame->nScore[1], false};
        if (g_LastTryAnswer.Same_Try(Try))
            return g_LastTryAnswer.bGo;
        g_LastTryAnswer = Try;
        g_LastTryAnswer.bGo =
            Show_Message_Box("Go For Two?", "Point After Touchdown", BOX_YESNO | BOX_ICON_QUESTION) == ID_YES;
        return g_LastTryAnswer.bGo;
    }
    return Get_Two_Point_Chart(pGame);
}

int Get_Starters_Needed(int nTeam, int nPosition)
{
    static constexpr int STARTERS[POSITION_P + 1] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 0, 0};
    if (nPosition < 0 || nPosition > POSITION_P) {
        Report_Error("%s(%d, %d)", __func__, nTeam, nPosition);
        return 0;
    }
    if (Get_Team_Stat(nTeam, TEAM_STAT_DEFENSE_ALIGNMENT) == 1) {
        if (nPosition == POSITION_DT)
            return 1;
        if (nPosition == POSITION_LB)
            return 4;
    }
    return STARTERS[nPosition];
}

// ---------------------------------------------------------------------------
// Depth chart and roster cuts

int Get_Depth_Chart_Player(int nTeam, int nPosition, int nDepth)
{
    const int bSide = Cached_Side(nTeam);
    if (bSide < 0 || nPosition < 0 || nPosition >= DEPTH_POSITIONS || nDepth < 0 || nDepth >= DEPTH_RANKS)
        return Look_Up_Depth_Chart_Player(nTeam, nPosition, nDepth);
    if (nPosition < RETURNER_POSITION) {
        if (Get_Depth_Order(bSide, nTeam).nCount[nPosition] == 0)
            Fill_Roster_Once(bSide, nTeam, nPosition);
        const DEPTH_ORDER& Order = Get_Depth_Order(bSide, nTeam);
        return nDepth < Order.nCount[nPosition] ? Order.nSlot[nPosition][nDepth] : -1;
    }
    if (nDepth != RETURNER_KICKOFF && nDepth != RETURNER_PUNT)
        return Look_Up_Depth_Chart_Player(nTeam, nPosition, nDepth);
    int16_t& nKnown = g_OnField.nReturnerSlot[bSide][nDepth];
    if (nKnown != SLOT_UNKNOWN)
        return nKnown;
    const int nSlot = Look_Up_Depth_Chart_Player(nTeam, nPosition, nDepth);
    if (nSlot >= 0)
        nKnown = static_cast<int16_t>(nSlot);
    return nSlot;
}

namespace {

int Look_Up_Depth_Chart_Player(int nTeam, int nPosition, int nDepth)
{
    if (nTeam < 0 || nTeam > LAST_TEAM || nPosition < 0 || nDepth < 0) {
        Report_Error("%s(%d, %d, %d)", __func__, nTeam, nPosition, nDepth);
        return -1;
    }
    if (nPosition >= RETURNER_POSITION) {
        if (nDepth != RETURNER_KICKOFF && nDepth != RETURNER_PUNT) {
            Report_Error("%s(%d, %d, %d)", __func__, nTeam, nPosition, nDepth);
            return -1;
        }
        int nSlot = Get_Team_Returner(nTeam, nDepth);
        if (Is_Injured(nTeam, nSlot))
            nSlot = Get_Team_Returner(nTeam, 1 - nDepth);
        if (Is_Injured(nTeam, nSlot) || Get_Player_Side(nTeam, nSlot) == SIDE_KICKERS)
            return Get_Depth_Chart_Player(nTeam, POSITION_WR, 2);
        return nSlot;
    }
    if (nDepth >= Count_Team_Available_Position_Players(nTeam, nPosition))
        return -1;
    return Get_Team_Uninjured_Position_Player(nTeam, nPosition, nDepth);
}

}  // namespace

int Get_Formation_Place_Player(int nTeam, int nFormation, int nPlace, bool bBackupQB)
{
    const int nPosition = Get_Formation_Slot_Position(nFormation, nPlace, SLOT_POSITION);
    const int nRank = Get_Formation_Slot_Position(nFormation, nPlace, SLOT_DEPTH_RANK);
    if (nPosition < 0)
        return -1;
    if (nPosition == PLACE_KICK_RETURNER || nPosition == PLACE_PUNT_RETURNER)
        return Get_Depth_Chart_Player(nTeam, RETURNER_POSITION,
                                      nPosition == PLACE_KICK_RETURNER ? RETURNER_KICKOFF : RETURNER_PUNT);
    const int nDepth = (bBackupQB && nPosition == POSITION_QB) ? nRank + 1 : nRank;
    return Get_Depth_Chart_Player(nTeam, nPosition, nDepth);
}

int Find_Surplus_Position(int nTeam)
{
    static constexpr int NORM[POSITION_P + 1] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};
    if (nTeam < 0 || nTeam > LAST_TEAM) {
        Report_Error("%s(%d)", __func__, nTeam);
        return 0;
    }
    const int nLast = nTeam == FREE_AGENT_TEAM ? POSITION_P : POSITION_S;
    int nBest = 0;
    int nBestValue = 0;
    for (int p = 0; p <= nLast; ++p) {
        const int nValue = 11 * Count_Team_Position_Players(nTeam, p) - 10 * NORM[p];
        if (p == 0 || nValue >= nBestValue) {
            nBest = p;
            nBestValue = nValue;
        }
    }
    return nBest;
}

int Get_Route_Base_Value(int nRoute)
{
    switch (nRoute) {
    case 0: case 6: case 55:
        return 40;
    case 1: case 3: case 5: case 7: case 13: case 16: case 17: case 19: case 23: case 25: case 29:
        return 70;
    case 2: case 4: case 8: case 14: case 20: case 28: case 30: case 31: case 33:
        return 5;
    case 10: case 24: case 26: case 36:
        return 15;
    case 11: case 15: case 21: case 27: case 32: case 34:
        return 55;
    default:
        return 25;
    }
}

// Team playbooks: accessors, the default playbook and the usage tallies.

#include "engine/playbooks.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <limits>

#include "base/int_math.h"
#include "base/text_utils.h"
#include "engine/offensive_systems.h"
#include "engine/play_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

// Its counts are the plays' own (a run or a pass by its play type, as the
// saved playbooks count theirs), so the two end arounds count as runs.
constexpr const char* DEFAULT_OFFENSIVE_NOTES =
    "The default offensive playbook includes %d running plays and %d passing plays.";
constexpr const char* DEFAULT_DEFENSIVE_NOTES =
    "The default defensive playbook is primarily built around the 4-3 formation.";

constexpr const char* OFFENSIVE_CATEGORIES[OFFENSIVE_CATEGORY_COUNT] = {
    "Inside Runs", "Outside Runs", "Short Passes", "Medium Passes", "Long Passes", "Trick/Special",
};
constexpr const char* DEFENSIVE_CATEGORIES[DEFENSIVE_CATEGORY_COUNT] = {
    "Balanced", "Run Defense", "Pass Defense",
};

constexpr const char* PLAY_TYPE_NAMES[PLAY_TYPE_COUNT] = {
    "Rush (Standard)", "Toss", "Sweep", "Draw", "Trap", "End Around", "Pass (Standard)",
    "Pass (Rollout)", "Pass (Bootleg)", "Pass (Screen)", "Counter", "Flea Flicker",
    "Halfback Pass", "Receiver Pass", "Fake Reverse", "Double Reverse", "Punt", "Field Goal",
    "Kickoff", "Onside Kick", "Kneel Down", "Spike", "Reverse",
};

// Field-goal distance beyond the ball spot: end zone and holder's depth, or
// the holder's depth alone when the posts stand on the goal line.
constexpr int FIELD_GOAL_EXTRA_YARDS = 17;
constexpr int FIELD_GOAL_EXTRA_YARDS_POSTS_ON_LINE = 7;

const GAME* s_pCurrentGame = nullptr;

// The entry a call reads, or null for a play outside 0-59.
const OFFENSIVE_PLAY* Offensive_Entry(int nTeam, int nPlay)
{
    if (!In_Range(nPlay, 0, OFFENSIVE_PLAY_COUNT - 1))
        return nullptr;
    if (nPlay < TEAM_OFFENSIVE_PLAYS) {
        if (OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam))
            return &pArea->Play[nPlay];
    }
    return &BUILT_IN_OFFENSIVE_PLAYS[nPlay];
}

// The same, reporting a bad play in the name of the asking function.
const OFFENSIVE_PLAY* Offensive_Entry_Checked(const char* szFunction, int nTeam, int nPlay)
{
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry(nTeam, nPlay);
    if (pPlay == nullptr)
        Report_Error("Invalid nPlay in %s(%d, [%d])", szFunction, nTeam, nPlay);
    return pPlay;
}

const DEFENSIVE_PLAY* Defensive_Entry(int nTeam, int nPlay)
{
    if (!In_Range(nPlay, 0, DEFENSIVE_PLAY_COUNT - 1))
        return nullptr;
    if (DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam))
        return &pArea->Play[nPlay];
    return &BUILT_IN_DEFENSIVE_PLAYS[nPlay];
}

const DEFENSIVE_PLAY* Defensive_Entry_Checked(const char* szFunction, int nTeam, int nPlay)
{
    const DEFENSIVE_PLAY* pPlay = Defensive_Entry(nTeam, nPlay);
    if (pPlay == nullptr)
        Report_Error("Invalid nPlay in %s(%d, [%d])", szFunction, nTeam, nPlay);
    return pPlay;
}

// A play of a team's own area that may be changed: plays 0-53 of team 0-40.
OFFENSIVE_PLAY* Editable_Offensive_Entry(int nTeam, int nPlay)
{
    if (!In_Range(nPlay, 0, TEAM_OFFENSIVE_PLAYS - 1))
        return nullptr;
    OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam);
    return pArea ? &pArea->Play[nPlay] : nullptr;
}

const KICK_PLAY* Kick_Entry_Checked(const char* szFunction, int nPlay)
{
    if (nPlay < 0) {
        Report_Error("Invalid nPlay in %s([%d])", szFunction, nPlay);
        return nullptr;
    }
    return &BUILT_IN_KICK_PLAYS[nPlay % KICK_PLAY_COUNT];
}

void Copy_Text(char* szOut, size_t nOutSize, const char* pField, int nFieldSize)
{
    if (szOut == nullptr || nOutSize == 0)
        return;
    if (pField == nullptr) {
        szOut[0] = '\0';
        return;
    }
    Copy_From_Record_Field(szOut, nOutSize, pField, static_cast<size_t>(nFieldSize));
}

bool Type_Is(int nType, std::initializer_list<int> Types)
{
    return std::find(Types.begin(), Types.end(), nType) != Types.end();
}

template <typename T> void Add_Saturating(T& nCount, int nAmount)
{
    const int nSum = static_cast<int>(nCount) + nAmount;
    nCount = static_cast<T>(std::clamp<int>(nSum, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// Adds one play to row i, column s of a side's tallies.
template <typename AREA>
void Count_Play(AREA* pArea, int i, int s, bool bTurnover, int nGain, int nResult, bool bFirstDown)
{
    Add_Saturating(pArea->nPlays[i][s], 1);
    if (bTurnover) {
        Add_Saturating(pArea->nTurnovers[i][s], 1);
        return;
    }
    Add_Saturating(pArea->nYards[i][s], nGain);
    if (nResult == RESULT_TOUCHDOWN_PASS || nResult == RESULT_TOUCHDOWN_RUN)
        Add_Saturating(pArea->nTouchdowns[i][s], 1);
    if (bFirstDown)
        Add_Saturating(pArea->nFirstDowns[i][s], 1);
    if (nResult == RESULT_SACKED || nResult == RESULT_SACK_FUMBLE_LOST)
        Add_Saturating(pArea->nSacks[i][s], 1);
}

template <typename AREA> void Clear_Tally_Row(AREA* pArea, int i)
{
    std::memset(pArea->nYards[i], 0, sizeof(pArea->nYards[i]));
    std::memset(pArea->nPlays[i], 0, sizeof(pArea->nPlays[i]));
    std::memset(pArea->nSacks[i], 0, sizeof(pArea->nSacks[i]));
    std::memset(pArea->nTouchdowns[i], 0, sizeof(pArea->nTouchdowns[i]));
    std::memset(pArea->nTurnovers[i], 0, sizeof(pArea->nTurnovers[i]));
    std::memset(pArea->nFirstDowns[i], 0, sizeof(pArea->nFirstDowns[i]));
}

template <typename AREA> int Read_Tally(const AREA* pArea, int i, int s, int nKind)
{
    switch (nKind) {
    case TALLY_YARDS: return pArea->nYards[i][s];
    case TALLY_PLAYS: return pArea->nPlays[i][s];
    case TALLY_SACKS: return pArea->nSacks[i][s];
    case TALLY_TOUCHDOWNS: return pArea->nTouchdowns[i][s];
    case TALLY_TURNOVERS: return pArea->nTurnovers[i][s];
    case TALLY_FIRST_DOWNS: return pArea->nFirstDowns[i][s];
    default: return 0;
    }
}

const char* Name_From(const char* const* pNames, int nCount, int nCode)
{
    return In_Range(nCode, 0, nCount - 1) ? pNames[nCode] : "";
}

}  // namespace

// ---------------------------------------------------------------------------
// The areas

OFFENSIVE_PLAYBOOK_AREA* Get_Offensive_Playbook_Area(int nTeam)
{
    if (!In_Range(nTeam, 0, LAST_TEAM))
        return nullptr;
    return reinterpret_cast<OFFENSIVE_PLAYBOOK_AREA*>(Get_Team_Playbook_Area(nTeam, PLAYBOOK_OFFENSE));
}

DEFENSIVE_PLAYBOOK_AREA* Get_Defensive_Playbook_Area(int nTeam)
{
    if (!In_Range(nTeam, 0, LAST_TEAM))
        return nullptr;
    return reinterpret_cast<DEFENSIVE_PLAYBOOK_AREA*>(Get_Team_Playbook_Area(nTeam, PLAYBOOK_DEFENSE));
}

// ---------------------------------------------------------------------------
// Offensive plays

int Get_Offensive_Play_Type(int nTeam, int nPlay)
{
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry(nTeam, nPlay);
    return pPlay ? pPlay->nType : -1;
}

int Get_Offensive_Play_Formation(int nTeam, int nPlay)
{
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry_Checked(__func__, nTeam, nPlay);
    return pPlay ? pPlay->nFormation : -1;
}

int Get_Offensive_Play_Action_Hole(int nTeam, int nPlay)
{
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry_Checked(__func__, nTeam, nPlay);
    return pPlay ? pPlay->nPlayActionHole : -1;
}

int Get_Offensive_Play_Run_Hole(int nTeam, int nPlay)
{
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry_Checked(__func__, nTeam, nPlay);
    if (pPlay == nullptr || !In_Range(pPlay->nRunHole, 0, RUN_HOLE_COUNT - 1))
        return NO_HOLE;
    return pPlay->nRunHole;
}

int Get_Offensive_Play_Carrier(int nTeam, int nPlay)
{
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry_Checked(__func__, nTeam, nPlay);
    if (pPlay == nullptr || !In_Range(pPlay->nCarrier, 1, PLACES_ON_FIELD))
        return NO_CARRIER;
    return pPlay->nCarrier - 1;
}

int Get_Offensive_Play_Route(int nTeam, int nPlay, int nReceiver)
{
    if (!In_Range(nReceiver, 0, PLAY_RECEIVERS - 1)) {
        Report_Error("Invalid nReceiver in Get_Offensive_Play_Route(%d, %d, [%d])", nTeam, nPlay, nReceiver);
        return NO_ROUTE;
    }
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry_Checked(__func__, nTeam, nPlay);
    return pPlay ? pPlay->nRoute[nReceiver] : NO_ROUTE;
}

bool Set_Offensive_Play_Route(int nTeam, int nPlay, int nReceiver, int nRoute)
{
    if (!In_Range(nReceiver, 0, PLAY_RECEIVERS - 1)) {
        Report_Error("Invalid nReceiver in Set_Offensive_Play_Route(%d, %d, [%d], %d)", nTeam, nPlay, nReceiver,
                     nRoute);
        return false;
    }
    OFFENSIVE_PLAY* pPlay = Editable_Offensive_Entry(nTeam, nPlay);
    if (pPlay == nullptr) {
        Report_Error("Invalid nPlay in Set_Offensive_Play_Route(%d, [%d], %d, %d)", nTeam, nPlay, nReceiver, nRoute);
        return false;
    }
    if (!In_Range(nRoute, NO_ROUTE, PASS_ROUTE_COUNT - 1)) {
        Report_Error("Invalid nRoute in Set_Offensive_Play_Route(%d, %d, %d, [%d])", nTeam, nPlay, nReceiver, nRoute);
        return false;
    }
    pPlay->nRoute[nReceiver] = nRoute;
    return true;
}

bool Set_Offensive_Play_Carrier(int nTeam, int nPlay, int nPlace)
{
    OFFENSIVE_PLAY* pPlay = Editable_Offensive_Entry(nTeam, nPlay);
    if (pPlay == nullptr || !In_Range(nPlace, NO_CARRIER, PLACES_ON_FIELD - 1))
        return false;
    pPlay->nCarrier = nPlace + 1;
    return true;
}

bool Is_Running_Play(int nTeam, int nPlay)
{
    return Type_Is(Get_Offensive_Play_Type(nTeam, nPlay),
                   {PLAY_TYPE_RUSH, PLAY_TYPE_TOSS, PLAY_TYPE_SWEEP, PLAY_TYPE_DRAW, PLAY_TYPE_TRAP,
                    PLAY_TYPE_END_AROUND, PLAY_TYPE_COUNTER, PLAY_TYPE_DOUBLE_REVERSE, PLAY_TYPE_REVERSE});
}

bool Is_Passing_Play(int nTeam, int nPlay)
{
    const int nType = Get_Offensive_Play_Type(nTeam, nPlay);
    return In_Range(nType, PLAY_TYPE_PASS, PLAY_TYPE_SCREEN) ||
           In_Range(nType, PLAY_TYPE_FLEA_FLICKER, PLAY_TYPE_FAKE_REVERSE);
}

bool Is_Rollout_Play(int nTeam, int nPlay)
{
    const int nType = Get_Offensive_Play_Type(nTeam, nPlay);
    return nType == PLAY_TYPE_ROLLOUT || nType == PLAY_TYPE_BOOTLEG;
}

bool Is_Kneel_Down_Play(int nTeam, int nPlay)
{
    return Get_Offensive_Play_Type(nTeam, nPlay) == PLAY_TYPE_KNEEL_DOWN;
}

void Get_Offensive_Play_Name(int nTeam, int nPlay, char* szName, size_t nSize)
{
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry_Checked(__func__, nTeam, nPlay);
    Copy_Text(szName, nSize, pPlay ? pPlay->szName : nullptr, PLAY_NAME_SIZE);
}

void Get_Offensive_Play_Description(int nTeam, int nPlay, char* szText, size_t nSize)
{
    if (szText == nullptr || nSize == 0)
        return;
    if (nPlay == HARD_CODED_FIELD_GOAL_PLAY) {
        szText[0] = '\0';
        if (s_pCurrentGame != nullptr) {
            const int nExtra = Get_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE) ? FIELD_GOAL_EXTRA_YARDS_POSTS_ON_LINE
                                                                        : FIELD_GOAL_EXTRA_YARDS;
            Format_Text_Bounded(szText, static_cast<int>(nSize < PLAY_DESCRIPTION_SIZE ? nSize : PLAY_DESCRIPTION_SIZE), "%d-Yard Field Goal Attempt",
                                s_pCurrentGame->nYardLine + nExtra);
        }
        return;
    }
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry_Checked(__func__, nTeam, nPlay);
    Copy_Text(szText, nSize, pPlay ? pPlay->szDescription : nullptr, PLAY_DESCRIPTION_SIZE);
}

bool Is_Valid_Offensive_Play(int nTeam, int nPlay)
{
    if (!Is_Valid_Team(nTeam))
        return false;
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry(nTeam, nPlay);
    return pPlay != nullptr && pPlay->szName[0] != '\0';
}

void Set_Playbook_Current_Game(const GAME* pGame)
{
    s_pCurrentGame = pGame;
}

// ---------------------------------------------------------------------------
// Defensive plays

std::string Get_Play_Name(int nTeam, int nSide, int nPlay)
{
    char szName[PLAY_NAME_SIZE];
    if (nSide == PLAYBOOK_DEFENSE)
        Get_Defensive_Play_Name(nTeam, nPlay, szName);
    else
        Get_Offensive_Play_Name(nTeam, nPlay, szName);
    return szName;
}

void Get_Defensive_Play_Name(int nTeam, int nPlay, char* szName, size_t nSize)
{
    const DEFENSIVE_PLAY* pPlay = Defensive_Entry_Checked(__func__, nTeam, nPlay);
    Copy_Text(szName, nSize, pPlay ? pPlay->szName : nullptr, PLAY_NAME_SIZE);
}

void Get_Defensive_Play_Description(int nTeam, int nPlay, char* szText, size_t nSize)
{
    const DEFENSIVE_PLAY* pPlay = Defensive_Entry_Checked(__func__, nTeam, nPlay);
    Copy_Text(szText, nSize, pPlay ? pPlay->szDescription : nullptr, PLAY_DESCRIPTION_SIZE);
}

int Get_Defensive_Play_Formation(int nTeam, int nPlay)
{
    const DEFENSIVE_PLAY* pPlay = Defensive_Entry_Checked(__func__, nTeam, nPlay);
    return pPlay ? pPlay->nFormation : -1;
}

int Get_Defensive_Play_Role(int nTeam, int nPlay, int nPlace)
{
    const DEFENSIVE_PLAY* pPlay = Defensive_Entry_Checked(__func__, nTeam, nPlay);
    if (pPlay == nullptr)
        return -1;
    if (!In_Range(nPlace, 0, DEFENDER_PLACES - 1)) {
        Report_Error("Invalid nPlayer in %s(%d, %d, [%d])", __func__, nTeam, nPlay, nPlace);
        return -1;
    }
    return pPlay->nResponsibility[nPlace];
}

bool Set_Defensive_Play_Role(int nTeam, int nPlay, int nPlace, int nRole)
{
    if (!In_Range(nPlace, 0, DEFENDER_PLACES - 1)) {
        Report_Error("Invalid nPlayer in Set_Defensive_Play_Role(%d, %d, [%d], %d)", nTeam, nPlay, nPlace, nRole);
        return false;
    }
    DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam);
    if (pArea == nullptr || !In_Range(nPlay, 0, DEFENSIVE_PLAY_COUNT - 1) ||
        !In_Range(nRole, 0, RESPONSIBILITY_COUNT - 1)) {
        Report_Error("Invalid argument in Set_Defensive_Play_Role(%d, %d, %d, %d)", nTeam, nPlay, nPlace, nRole);
        return false;
    }
    pArea->Play[nPlay].nResponsibility[nPlace] = nRole;
    return true;
}

bool Is_Valid_Defensive_Play(int nTeam, int nPlay)
{
    if (!Is_Valid_Team(nTeam))
        return false;
    const DEFENSIVE_PLAY* pPlay = Defensive_Entry(nTeam, nPlay);
    return pPlay != nullptr && pPlay->szName[0] != '\0';
}

// ---------------------------------------------------------------------------
// Kick plays

void Get_Kick_Play_Name(int nPlay, char* szName, size_t nSize)
{
    const KICK_PLAY* pPlay = Kick_Entry_Checked(__func__, nPlay);
    Copy_Text(szName, nSize, pPlay ? pPlay->szName : nullptr, PLAY_NAME_SIZE);
}

void Get_Kick_Play_Description(int nPlay, char* szText, size_t nSize)
{
    const KICK_PLAY* pPlay = Kick_Entry_Checked(__func__, nPlay);
    Copy_Text(szText, nSize, pPlay ? pPlay->szDescription : nullptr, PLAY_DESCRIPTION_SIZE);
}

int Get_Kick_Play_Formation(int nPlay)
{
    const KICK_PLAY* pPlay = Kick_Entry_Checked(__func__, nPlay);
    return pPlay ? pPlay->nFormation : -1;
}

int Get_Kick_Play_Type(int nPlay)
{
    const KICK_PLAY* pPlay = Kick_Entry_Checked(__func__, nPlay);
    return pPlay ? pPlay->nType : -1;
}

int Get_Kick_Play_Route(int nPlay, int nReceiver)
{
    const KICK_PLAY* pPlay = Kick_Entry_Checked(__func__, nPlay);
    if (pPlay == nullptr)
        return NO_ROUTE;
    if (!In_Range(nReceiver, 0, PLAY_RECEIVERS - 1)) {
        Report_Error("Invalid nReceiver in %s(%d, [%d])", __func__, nPlay, nReceiver);
        return NO_ROUTE;
    }
    return pPlay->nRoute[nReceiver];
}

bool Is_Valid_Kick_Play(int nPlay)
{
    return nPlay >= 0 && BUILT_IN_KICK_PLAYS[nPlay % KICK_PLAY_COUNT].szName[0] != '\0';
}

// ---------------------------------------------------------------------------
// The default playbook and the tallies

void Build_Team_Default_Playbook(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return;
    OFFENSIVE_PLAYBOOK_AREA* pOffense = Get_Offensive_Playbook_Area(nTeam);
    DEFENSIVE_PLAYBOOK_AREA* pDefense = Get_Defensive_Playbook_Area(nTeam);
    safe_strncpy(pDefense->szNotes, DEFAULT_DEFENSIVE_NOTES, PLAYBOOK_NOTES_SIZE);
    for (int c = 0; c < OFFENSIVE_CATEGORY_COUNT; ++c)
        safe_strncpy(pOffense->szCategory[c], OFFENSIVE_CATEGORIES[c], PLAYBOOK_CATEGORY_NAME_SIZE);
    for (int c = 0; c < DEFENSIVE_CATEGORY_COUNT; ++c)
        safe_strncpy(pDefense->szCategory[c], DEFENSIVE_CATEGORIES[c], PLAYBOOK_CATEGORY_NAME_SIZE);
    std::memcpy(pOffense->Play, BUILT_IN_OFFENSIVE_PLAYS, sizeof(pOffense->Play));
    std::memcpy(pDefense->Play, BUILT_IN_DEFENSIVE_PLAYS, sizeof(pDefense->Play));
    int nRuns = 0;
    int nPasses = 0;
    for (int p = 0; p < TEAM_OFFENSIVE_PLAYS; ++p) {
        nRuns += Is_Running_Play(nTeam, p);
        nPasses += Is_Passing_Play(nTeam, p);
    }
    Format_Text_Bounded(pOffense->szNotes, PLAYBOOK_NOTES_SIZE, DEFAULT_OFFENSIVE_NOTES, nRuns, nPasses);
    Clear_Team_Play_Usage(nTeam, PLAYBOOK_OFFENSE);
    Clear_Team_Play_Usage(nTeam, PLAYBOOK_DEFENSE);
}

void Reset_Team_Playbooks()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t)
        Build_Team_Default_Playbook(t);
    Set_Team_Offensive_System();
}

void Clear_Team_Playbook_Stats(int nTeam, int nSide, int nPlay)
{
    if (nSide == PLAYBOOK_OFFENSE && In_Range(nPlay, 0, OFFENSIVE_PLAY_COUNT - 1)) {
        if (OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam)) {
            Clear_Tally_Row(pArea, nPlay);
            return;
        }
    } else if (nSide == PLAYBOOK_DEFENSE && In_Range(nPlay, 0, DEFENSIVE_PLAY_COUNT - 1)) {
        if (DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam)) {
            Clear_Tally_Row(pArea, nPlay);
            return;
        }
    }
    Report_Error("Invalid argument in %s(%d, %d, %d)", __func__, nTeam, nSide, nPlay);
}

void Clear_Team_Play_Usage(int nTeam, int nSide)
{
    const int nPlays = nSide == PLAYBOOK_OFFENSE ? OFFENSIVE_PLAY_COUNT : DEFENSIVE_PLAY_COUNT;
    if (!In_Range(nTeam, 0, LAST_TEAM) || !In_Range(nSide, PLAYBOOK_OFFENSE, PLAYBOOK_DEFENSE)) {
        Report_Error("Invalid argument in %s(%d, %d)", __func__, nTeam, nSide);
        return;
    }
    for (int i = 0; i < nPlays; ++i)
        Clear_Team_Playbook_Stats(nTeam, nSide, i);
}

void Clear_All_Playbook_Stats()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        Clear_Team_Play_Usage(t, PLAYBOOK_OFFENSE);
        Clear_Team_Play_Usage(t, PLAYBOOK_DEFENSE);
    }
}

void Record_Play_Usage(const GAME* pGame)
{
    if (pGame == nullptr)
        return;
    const int i = pGame->CurrentPlay.nOffenseCall;
    const int j = pGame->CurrentPlay.nDefenseCall;
    if (i >= TEAM_OFFENSIVE_PLAYS)
        return;
    // The teams of the snap: a turnover has already handed the ball over.
    const bool bHomeSnapped = Get_Play_Home_Bit(&pGame->CurrentPlay) != 0;
    const int nOffense = bHomeSnapped ? pGame->nHomeTeam : pGame->nAwayTeam;
    const int nDefense = bHomeSnapped ? pGame->nAwayTeam : pGame->nHomeTeam;
    const bool bDefenseCalled = In_Range(j, 0, DEFENSIVE_PLAY_COUNT - 1);
    const int nCategory = Get_Offensive_Play_Category(nOffense, i);

    const int nDown = Get_Game_Down_Code(pGame);
    const int nToGo = pGame->nToGo;
    const int nGain = pGame->nPlayYards;
    const int nResult = Get_Play_Result(&pGame->CurrentPlay);
    const bool bTurnover = (pGame->nDown & GAME_DOWN_FLAGS_CHANGED_HANDS) != 0;
    const bool bFirstDown = nGain >= nToGo;

    if (OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nOffense)) {
        bool bApplies[OFFENSIVE_SITUATIONS] = {};
        bApplies[SITUATION_OVERALL] = true;
        bApplies[SITUATION_THIRD_DOWN] = nDown >= 2;
        bApplies[SITUATION_SHORT_YARDAGE] = nToGo < 4;
        bApplies[SITUATION_LONG_YARDAGE] = nToGo > 10;
        bApplies[SITUATION_VS_BLITZ] = bDefenseCalled && Is_Blitz_Defense(nDefense, j);
        for (int s = 0; s < OFFENSIVE_SITUATIONS; ++s) {
            if (bApplies[s])
                Count_Play(pArea, i, s, bTurnover, nGain, nResult, bFirstDown);
        }
    }
    if (bDefenseCalled && nCategory >= 0) {
        if (DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nDefense))
            Count_Play(pArea, j, nCategory, bTurnover, nGain, nResult, bFirstDown);
    }
}

int Get_Playbook_Tally(int nTeam, int nSide, int nPlay, int nColumn, int nKind)
{
    if (nSide == PLAYBOOK_OFFENSE && In_Range(nPlay, 0, OFFENSIVE_PLAY_COUNT - 1) &&
        In_Range(nColumn, 0, OFFENSIVE_SITUATIONS - 1)) {
        if (const OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(nTeam))
            return Read_Tally(pArea, nPlay, nColumn, nKind);
    } else if (nSide == PLAYBOOK_DEFENSE && In_Range(nPlay, 0, DEFENSIVE_PLAY_COUNT - 1) &&
               In_Range(nColumn, 0, DEFENSIVE_SITUATIONS - 1)) {
        if (const DEFENSIVE_PLAYBOOK_AREA* pArea = Get_Defensive_Playbook_Area(nTeam))
            return Read_Tally(pArea, nPlay, nColumn, nKind);
    }
    return 0;
}

int Get_Offensive_Play_Category(int nTeam, int nPlay)
{
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry_Checked(__func__, nTeam, nPlay);
    if (pPlay == nullptr)
        return -1;
    if (pPlay->nType == PLAY_TYPE_DRAW)
        return 2;
    if (!Is_Running_Play(nTeam, nPlay)) {
        // The primary receiver stands in place 1-5 (carrier field 2-6).
        const bool bReceiver = In_Range(pPlay->nCarrier, 2, PLAY_RECEIVERS + 1);
        const int nRoute = bReceiver ? pPlay->nRoute[pPlay->nCarrier - 2] : NO_ROUTE;
        if (Get_Pass_Route(nRoute) == nullptr)
            return 3;
        const int nDepth = Get_Pass_Route_Mean_Depth(nRoute);
        return nDepth < 5 ? 3 : nDepth < 13 ? 4 : 5;
    }
    return pPlay->nRunHole >= FIRST_OUTSIDE_HOLE ? 1 : 0;
}

int Get_Play_Run_Hole_For_Carrier_X(const GAME* pGame, float fCarrierX)
{
    if (pGame == nullptr)
        return NO_HOLE;
    const int nTeam = Get_Game_Offense_Team(pGame);
    const int nPlay = pGame->CurrentPlay.nOffenseCall;
    const OFFENSIVE_PLAY* pPlay = Offensive_Entry(nTeam, nPlay);
    if (pPlay == nullptr)
        return NO_HOLE;
    if (pPlay->nType == PLAY_TYPE_END_AROUND)
        return fCarrierX >= 0.0f ? 9 : 8;
    if (Is_Option_Play(nTeam, nPlay) && ((pGame->nClock + pGame->CurrentPlay.nDefenseCall) & 1) != 0 &&
        In_Range(pPlay->nPlayActionHole, 0, RUN_HOLE_COUNT - 1))
        return pPlay->nPlayActionHole;
    return In_Range(pPlay->nRunHole, 0, RUN_HOLE_COUNT - 1) ? pPlay->nRunHole : NO_HOLE;
}

// ---------------------------------------------------------------------------
// Built-in tables

const PASS_ROUTE* Get_Pass_Route(int nRoute)
{
    return In_Range(nRoute, 0, PASS_ROUTE_COUNT - 1) ? &PASS_ROUTES[nRoute] : nullptr;
}

int Get_Pass_Route_Mean_Depth(int nRoute)
{
    const PASS_ROUTE* pRoute = Get_Pass_Route(nRoute);
    return pRoute ? (pRoute->nMinDepth + 1 + pRoute->nMaxDepth) / 2 : 0;
}

uint32_t Get_Pass_Route_Segment_Flag(int nRoute, int nPoint)
{
    const PASS_ROUTE* pRoute = Get_Pass_Route(nRoute);
    if (pRoute == nullptr || !In_Range(nPoint, 0, ROUTE_POINTS - 1)) {
        Report_Error("Invalid argument in %s(%d,%d)", __func__, nRoute, nPoint);
        return 0;
    }
    const uint32_t nFlag = pRoute->nFlag[nPoint];
    // Route 31 legitimately starts a new path at its first point, so only the
    // first route's start is held to the rule.
    if (nRoute == 0 && nPoint == 0 && (nFlag & NEW_PATH))
        Report_Error("NEW_PATH is not allowed at the start of a route in Get_Pass_Route_Segment_Flag(%d,%d)", nRoute,
                     nPoint);
    if ((nFlag & WIGGLE) && (nFlag & DOTTED_LINE))
        Report_Error("WIGGLE and DOTTED_LINE are incompatable in Get_Pass_Route_Segment_Flag(%d,%d)", nRoute, nPoint);
    if ((nFlag & TOP_SEMI) && (nFlag & BOTTOM_SEMI))
        Report_Error("TOP_SEMI and BOTTOM_SEMI are incompatable in Get_Pass_Route_Segment_Flag(%d,%d)", nRoute,
                     nPoint);
    return nFlag;
}

const DEFENSIVE_RESPONSIBILITY* Get_Defensive_Responsibility(int nCode)
{
    return In_Range(nCode, 0, RESPONSIBILITY_COUNT - 1) ? &DEFENSIVE_RESPONSIBILITIES[nCode] : nullptr;
}

const char* Get_Play_Type_Name(int nType)
{
    return Name_From(PLAY_TYPE_NAMES, PLAY_TYPE_COUNT, nType);
}

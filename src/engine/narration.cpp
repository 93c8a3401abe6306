// Play-by-play narration: the queue in the current PLAY, the variant rules,
// token expansion and the sentence builders. The phrase data is in
// narration_phrases.cpp.
#include "engine/narration.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "base/text_utils.h"
#include "engine/display_random.h"
#include "engine/event_players.h"
#include "engine/game_clock.h"
#include "engine/formations.h"
#include "engine/game_state.h"
#include "engine/play_data.h"
#include "engine/playbooks.h"
#include "league/league_data.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team_schedule.h"

// The entry layout the game view and saved games rely on.
static_assert(sizeof(NARRATION_ENTRY) == 16);
static_assert(offsetof(NARRATION_ENTRY, bEvent) == 0);
static_assert(offsetof(NARRATION_ENTRY, bVariant) == 1);
static_assert(offsetof(NARRATION_ENTRY, nArg1) == 2);
static_assert(offsetof(NARRATION_ENTRY, bArg2) == 3);
static_assert(offsetof(NARRATION_ENTRY, bArg3) == 4);
static_assert(offsetof(NARRATION_ENTRY, nPlayerID) == 8);
static_assert(offsetof(NARRATION_ENTRY, nPlayerID) + sizeof(int32_t) == 12);

namespace {

char g_szText[NARRATION_ENTRIES][NARRATION_TEXT_SIZE] = {};
// End-zone passes of the play told so far; the corner is named only once.
int g_nPassLocationCount = 0;
// Calls of Queue_Play_Commentary, watched or not.
uint32_t g_nCommentaryCalls = 0;

const char* const TOKENS[NARRATION_TOKENS] = {
    "$PLAYER0",     "$PLAYER1",     "$OFFENSIVETEAM", "$DEFENSIVETEAM", "$OFFENSIVECITY", "$DEFENSIVECITY",
    "$TEAM0",       "$CITY0",       "$TEAM1",         "$CITY1",         "$QUARTER",       "$QB",
    "$RB",          "$YARDLINE",    "$LOCATION",      "$DOWN",          "$TOGO",          "$YARDSTOGO",
    "$LONGRUN",     "$FULLNAME0",   "$WINNERTEAM",    "$WINNERCITY",    "$WINNERSCORE",   "$DIFFERENCE",
};

enum TOKEN : int {
    TOKEN_PLAYER0 = 0, TOKEN_PLAYER1, TOKEN_OFFENSIVE_TEAM, TOKEN_DEFENSIVE_TEAM, TOKEN_OFFENSIVE_CITY,
    TOKEN_DEFENSIVE_CITY, TOKEN_TEAM0, TOKEN_CITY0, TOKEN_TEAM1, TOKEN_CITY1, TOKEN_QUARTER, TOKEN_QB,
    TOKEN_RB, TOKEN_YARDLINE, TOKEN_LOCATION, TOKEN_DOWN, TOKEN_TOGO, TOKEN_YARDS_TO_GO, TOKEN_LONG_RUN,
    TOKEN_FULL_NAME0, TOKEN_WINNER_TEAM, TOKEN_WINNER_CITY, TOKEN_WINNER_SCORE, TOKEN_DIFFERENCE,
};

int Side_Of_Team(const GAME* pGame, int nTeam)
{
    return nTeam == pGame->nHomeTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

int Offense_Side(const GAME* pGame) { return Side_Of_Team(pGame, pGame->nOffense); }
int Defense_Side(const GAME* pGame) { return 1 - Offense_Side(pGame); }

bool Is_Game_Slot(int nSlot) { return nSlot >= 0 && nSlot < GAME_ROSTER_SIZE; }

// The player ID of a game roster slot of a side, -1 for none.
int Slot_ID(const GAME* pGame, int nSide, int nSlot)
{
    if (!Is_Game_Slot(nSlot))
        return -1;
    const int nID = pGame->nRosterID[nSide][nSlot];
    return nID > 0 ? nID : -1;
}

int Place_Slot(const GAME* pGame, int nSide, int nPlace)
{
    if (nPlace < 0 || nPlace >= PLACES_ON_FIELD)
        return NO_PLAYER;
    return pGame->nOnField[nSide][nPlace];
}

int Place_ID(const GAME* pGame, int nSide, int nPlace)
{
    return Slot_ID(pGame, nSide, Place_Slot(pGame, nSide, nPlace));
}

// The game roster slot of a player ID on a side, -1 when not there.
int ID_Slot(const GAME* pGame, int nSide, int nID)
{
    if (nID < 1)
        return -1;
    for (int k = 0; k < GAME_ROSTER_SIZE; ++k)
        if (pGame->nRosterID[nSide][k] == nID)
            return k;
    return -1;
}

int Offense_Call(const GAME* pGame) { return pGame->CurrentPlay.nOffenseCall; }
int Defense_Call(const GAME* pGame) { return pGame->CurrentPlay.nDefenseCall; }

int Current_Play_Type(const GAME* pGame) { return Get_Offensive_Play_Type(pGame->nOffense, Offense_Call(pGame)); }

bool Is_Rollout_Call(const GAME* pGame) { return Is_Rollout_Play(pGame->nOffense, Offense_Call(pGame)); }

bool Changed_Hands(const GAME* pGame) { return (pGame->nDown & GAME_DOWN_FLAGS_CHANGED_HANDS) != 0; }

// A bounded writer into a caller's buffer.
struct TEXT_OUT {
    char* p;
    int nSize;
    int nLength;
};

void Put(TEXT_OUT* pOut, const char* szText)
{
    while (*szText && pOut->nLength < pOut->nSize - 1)
        pOut->p[pOut->nLength++] = *szText++;
    pOut->p[pOut->nLength] = '\0';
}

void Copy_Bounded(char* szOut, int nOutSize, const char* szText)
{
    TEXT_OUT Out{szOut, nOutSize, 0};
    if (nOutSize > 0)
        Put(&Out, szText);
}

// Team names through the league's display names; each writes at most one
// team string, far below the buffer.
void Team_Short_Name(int nTeam, char* szOut, int nOutSize)
{
    char szName[TEXT_BUFFER_SIZE];
    Get_Team_Short_Name(nTeam, szName);
    Copy_Bounded(szOut, nOutSize, szName);
}

void Team_City(int nTeam, char* szOut, int nOutSize)
{
    char szName[TEXT_BUFFER_SIZE];
    Get_Team_City(nTeam, szName);
    Copy_Bounded(szOut, nOutSize, szName);
}

bool Player_Last_Name(int nID, char* szOut, int nOutSize)
{
    PLAYER_LOCATION Where;
    if (nID < 1 || !Find_Player_By_ID(&Where, nID))
        return false;
    Get_Player_Last_Name(Where.nTeam, Where.nSlot, szOut, static_cast<size_t>(nOutSize));
    return true;
}

int Player_Team(int nID)
{
    PLAYER_LOCATION Where;
    if (nID < 1 || !Find_Player_By_ID(&Where, nID))
        return -1;
    return Where.nTeam;
}

// The first offensive player on the field at a position; -1 for none.
int Offense_Player_At_Position(const GAME* pGame, int nPosition)
{
    const int nSide = Offense_Side(pGame);
    for (int nPlace = 0; nPlace < PLACES_ON_FIELD; ++nPlace) {
        const int nSlot = Place_Slot(pGame, nSide, nPlace);
        if (nSlot < PLAYERS_PER_TEAM && Get_Player_Position(pGame->nOffense, nSlot) == nPosition &&
            Slot_ID(pGame, nSide, nSlot) > 0)
            return Slot_ID(pGame, nSide, nSlot);
    }
    return -1;
}

// Points a result adds, and whether the defence of the moment scored them.
int Result_Points(int nResult, bool* pDefenseScores)
{
    *pDefenseScores = nResult == RESULT_SAFETY;
    switch (nResult) {
    case RESULT_TOUCHDOWN_PASS: case RESULT_INTERCEPTION_TOUCHDOWN: case RESULT_TOUCHDOWN_RUN:
    case RESULT_FUMBLE_RETURN_TOUCHDOWN: case RESULT_PUNT_RETURN_TOUCHDOWN: case RESULT_KICKOFF_RETURN_TOUCHDOWN:
        return 6;
    case RESULT_FIELD_GOAL_GOOD:
        return 3;
    case RESULT_EXTRA_POINT_GOOD:
        return 1;
    case RESULT_TWO_POINT_GOOD: case RESULT_SAFETY:
        return 2;
    default:
        return 0;
    }
}

int Sign(int n) { return (n > 0) - (n < 0); }

bool Near_Five(int x) { return (x + 1) % 5 < 3; }
int Round_To_Five(int x) { return ((x + 2) / 5) * 5; }

// The place a1 yards from the snap spot, as yards to the goal line of the
// team that now defends.
int Narrated_Yard_Line(const GAME* pGame, int a1)
{
    int Y = pGame->CurrentPlay.nSnapYardLine - a1;
    // A kick's spots count from the kicking side's goal; they are told from
    // the receivers', who have the ball when the play is told.
    const int nSnapDown = pGame->CurrentPlay.nSnapDown;
    if (Changed_Hands(pGame) || nSnapDown == KICKOFF_DOWN || nSnapDown == SAFETY_KICK_DOWN)
        Y = 100 - Y;
    return Y;
}

void Long_Run_Words(const GAME* pGame, const NARRATION_ENTRY& Entry, char* szOut, int nOutSize)
{
    // A yard number on the 0-50 field; a ball past a goal line has none, so
    // the count stops at the 5.
    auto Field_Number = [](int m) { return m <= 50 ? m : 100 - m; };
    int nStart = Round_To_Five(Narrated_Yard_Line(pGame, Entry.nArg1));
    nStart = nStart < 5 ? 5 : (nStart > 95 ? 95 : nStart);
    int nEnd = Round_To_Five(Narrated_Yard_Line(pGame, Entry.nArg1) - static_cast<int8_t>(Entry.bArg2));
    nEnd = nEnd < 5 ? 5 : (nEnd > 95 ? 95 : nEnd);
    TEXT_OUT Out{szOut, nOutSize, 0};
    char szPart[32];
    std::snprintf(szPart, sizeof(szPart), "to the %d", Field_Number(nStart));
    Put(&Out, szPart);
    const int nStep = nEnd < nStart ? -5 : 5;
    for (int m = nStart; m != nEnd;) {
        m += nStep;
        std::snprintf(szPart, sizeof(szPart), " ... %d", Field_Number(m));
        Put(&Out, szPart);
    }
}

}  // namespace

// ---------------------------------------------------------------------------

const char* Get_Play_Commentary_Text(int nEntry)
{
    if (nEntry < 0 || nEntry >= NARRATION_ENTRIES)
        return "";
    return g_szText[nEntry];
}

uint32_t Get_Play_Commentary_Call_Count() { return g_nCommentaryCalls; }

void Clear_Play_Commentary_Texts()
{
    for (auto& szText : g_szText)
        szText[0] = '\0';
}

bool Is_Game_Narrated(const GAME* pGame)
{
    return pGame && !Get_User_Preference(PREF_ANIMATION_MODE) && Is_User_Game(pGame);
}

namespace {

// Stores the sentence of one call, drawn with nWord, when the game is
// watched: the variant v from the word, the sub-choices from a display
// generator seeded by it.
void Store_Play_Commentary(GAME* pGame, uint32_t nWord, int nEvent, int a1, int a2, int a3, int nPlayer0ID,
                           int nPlayer1ID)
{
    const int v = static_cast<int>(Random_Word_To_Fraction(nWord) * NARRATION_VARIANTS);
    if (!Is_Game_Narrated(pGame))
        return;
    if (nEvent < 0 || nEvent >= NARRATION_EVENTS) {
        Report_Error("Invalid nEvent in %s(pGame,[%d],%d,%d,%d,%d,%d)", "Queue_Play_Commentary", nEvent, a1, a2, a3,
                     nPlayer0ID, nPlayer1ID);
        return;
    }
    NARRATION_ENTRY* pEntries = pGame->CurrentPlay.Narration;
    int nEntry = 0;
    while (nEntry < NARRATION_ENTRIES && pEntries[nEntry].bEvent != NARRATION_ENTRY_FREE)
        ++nEntry;
    if (nEntry == NARRATION_ENTRIES)
        return;
    // The display choices follow from the one draw, so a replayed game tells
    // each play in the same words.
    DISPLAY_RANDOM Display;
    Seed_Display_Random(&Display, (static_cast<uint64_t>(nWord) << 8) ^ static_cast<uint64_t>(nEvent));
    const int nVariant =
        Choose_Commentary_Variant(pGame, nEvent, v, a1, a2, a3, nPlayer0ID, nPlayer1ID, &Display);
    NARRATION_ENTRY& Entry = pEntries[nEntry];
    Entry = NARRATION_ENTRY{};
    Entry.bEvent = static_cast<uint8_t>(nEvent);
    Entry.bVariant = static_cast<uint8_t>(nVariant);
    Entry.nArg1 = static_cast<int8_t>(a1);
    Entry.bArg2 = static_cast<uint8_t>(a2);
    Entry.bArg3 = static_cast<uint8_t>(a3);
    Entry.nPlayerID[0] = nPlayer0ID;
    Entry.nPlayerID[1] = nPlayer1ID;
    Render_Play_Commentary(pGame, nEntry);
}

}  // namespace

void Queue_Play_Commentary(GAME* pGame, int nEvent, int a1, int a2, int a3, int nPlayer0ID, int nPlayer1ID)
{
    ++g_nCommentaryCalls;
    // The one draw of every call, watched or not.
    const uint32_t nWord = Generate_Random_Number();
    Store_Play_Commentary(pGame, nWord, nEvent, a1, a2, a3, nPlayer0ID, nPlayer1ID);
}

void Queue_Play_Action_Sentence(GAME* pGame, int nPasserID, int nBackID, int nBitID)
{
    if (!Is_Game_Narrated(pGame))
        return;
    // Seeded by the play's situation: the same play is told alike.
    DISPLAY_RANDOM Display;
    const uint64_t nSeed = (static_cast<uint64_t>(static_cast<uint16_t>(pGame->nClock)) << 40) ^
                           (static_cast<uint64_t>(pGame->nPlays) << 24) ^
                           (static_cast<uint64_t>(static_cast<uint32_t>(nPasserID)) << 1) ^
                           static_cast<uint64_t>(static_cast<uint32_t>(nBackID));
    Seed_Display_Random(&Display, nSeed);
    if (Get_Display_Random_Below(&Display, 100) >= 50)
        return;
    if (Get_Display_Random_Below(&Display, 100) < 30)
        Store_Play_Commentary(pGame, Next_Display_Random(&Display), NARRATE_PLAY_ACTION, 0, 0, 0, nPasserID, nBackID);
    else if (Get_Display_Random_Below(&Display, 100) < 50 && nBitID > 0)
        Store_Play_Commentary(pGame, Next_Display_Random(&Display), NARRATE_BITES_ON_FAKE, 0, 0, 0, nBitID,
                              nPasserID);
}

int Choose_Commentary_Variant(const GAME* pGame, int nEvent, int v, int a1, int a2, int a3, int nPlayer0ID,
                              int nPlayer1ID, DISPLAY_RANDOM* pDisplay)
{
    auto R = [pDisplay](int n) { return Get_Display_Random_Below(pDisplay, n); };
    const bool bPlayer0 = nPlayer0ID > 0;
    const bool bPlayer1 = nPlayer1ID > 0;
    const int nDown = Get_Game_Down_Code(pGame);
    const int nToGo = pGame->nToGo;
    const int nSpot = pGame->nYardLine;
    const PLAY& Play = pGame->CurrentPlay;
    const int nResult = Get_Play_Result(&Play);
    int n = v;
    switch (nEvent) {
    case NARRATE_SERIES:
        if (nDown == CONVERSION_ATTEMPT)
            n = 8;
        else if (nToGo >= nSpot)
            n = 5 + R(3);
        else if (nDown == 0 && nToGo == 10)
            n = R(3);
        else if (R(100) < 50)
            n = 1 + R(4);
        else if (nToGo == 1)
            n = 13 + R(2);
        else if (nDown <= 1)
            n = 15 + R(5);
        else if (nToGo >= 6)
            n = 9;
        else
            n = 10 + R(3);
        break;
    case NARRATE_SNAP:
        n = R(14);
        if (a2 == 1)
            n = (n + 14) % 20;
        break;
    case NARRATE_GREAT_BLOCK:
        if (nResult < RESULT_PUNT_RETURNED || nResult > RESULT_KICKOFF_RETURN_TOUCHDOWN) {
            if (!bPlayer1)
                n = (R(15) + 12) % 20;
        } else {
            n = bPlayer1 ? R(10) : R(7);
        }
        break;
    case NARRATE_BLOCKER_STOPS_RUSHER:
        if (!bPlayer0)
            n = R(13) + 7;
        break;
    case NARRATE_SCRAMBLES_AWAY:
        if (a2 == 0)
            n = R(15);
        else if (a2 == 2)
            n = (R(15) + 15) % 20;
        else if (!bPlayer1)
            n = R(19) + 1;
        break;
    case NARRATE_COVERAGE:
        if (a2)
            n = 13 + R(2);
        else
            n = bPlayer0 ? R(13) : 15 + R(5);
        break;
    case NARRATE_RECEIVER_OPEN:
    case NARRATE_EXTRA_YARDS:
        if (!bPlayer1)
            n = R(17);
        break;
    case NARRATE_PASS_THROWN:
        if (a1 < 5)
            n = R(13);
        else if (a1 <= 20)
            n = R(7);
        else
            n = (R(14) + 13) % 20;
        break;
    case NARRATE_KNOCKED_DOWN:
        n = Changed_Hands(pGame) ? R(14) + 6 : R(26) % 20;
        break;
    case NARRATE_BREAKS_TACKLE:
        if (!bPlayer1)
            n = R(10) + 10;
        break;
    case NARRATE_TACKLED:
        if (pGame->nDown & GAME_DOWN_FLAG_OUT_OF_BOUNDS_HURRY)
            n = 15 + R(5);
        else if (pGame->nDown & GAME_DOWN_FLAG_OUT_OF_BOUNDS)
            n = 12 + R(7);
        else
            n = R(12);
        break;
    case NARRATE_HANDOFF:
        n = Current_Play_Type(pGame) == PLAY_TYPE_TOSS ? R(8) + 12 : R(14);
        break;
    case NARRATE_BITES_ON_FAKE:
        if (!bPlayer0)
            n = R(9) + 11;
        break;
    case NARRATE_LONG_RUN:
        if (nDown == KICKOFF_DOWN || nDown == SAFETY_KICK_DOWN)
            n = 8 + R(12);
        else if (Changed_Hands(pGame) || Current_Play_Type(pGame) == PLAY_TYPE_PUNT)
            n = 6 + R(14);
        break;
    case NARRATE_BALL_AWARDED:
        if (Play.nSnapDown == KICKOFF_DOWN)
            n = nResult == RESULT_ONSIDE_KICK_LOST ? 16 + R(4) : 10 + R(6);
        else
            n = Changed_Hands(pGame) ? (R(10) + 10) % 15 : R(10);
        break;
    case NARRATE_RECOVERS:
        n = R(12);
        break;
    case NARRATE_TOUCHDOWN:
        if (nDown == CONVERSION_ATTEMPT)
            n = 15 + R(5);
        else if (nSpot >= 4 || nResult == RESULT_TOUCHDOWN_PASS)
            n = R(10);
        else
            n = 10 + R(5);
        break;
    case NARRATE_RETURNER_BACK:
        n = Current_Play_Type(pGame) == PLAY_TYPE_PUNT ? R(10) : R(10) + 10;
        break;
    case NARRATE_KICK_TO:
        if (nResult >= RESULT_PUNT_RETURNED && nResult <= RESULT_PUNT_MUFFED) {
            if (Play.nYard1 < 35 && Play.nYard1 < Play.nSnapYardLine - 20)
                n = (R(8) + 7) % 10;
            else if (Play.nYard1 > 46)
                n = R(7);
            else
                n = R(5);
        } else {
            n = R(10) + 10;
        }
        break;
    case NARRATE_KICK_CAUGHT:
        if (nResult == RESULT_PUNT_TOUCHBACK || nResult == RESULT_KICKOFF_TOUCHBACK)
            n = 10 + R(5);
        else if (nResult == RESULT_PUNT_RETURNED && Play.nYard2 == 0)
            n = 15 + R(5);
        else
            n = R(10);
        break;
    case NARRATE_PENALTY_FLAG:
        n = R(10) + (a3 == 0 ? 10 : 0);
        break;
    case NARRATE_FIELD_GOAL_UNIT:
        if (Play.nYard1 < 30)
            n = R(15);
        else if (Play.nYard1 > 49)
            n = (R(15) + 15) % 20;
        else
            n = R(10);
        break;
    case NARRATE_KICK_RESULT: {
        const int k = Play.nYard1;
        const bool bMissed = nResult == RESULT_FIELD_GOAL_MISSED;
        if (k > 57 && bMissed)
            n = 18 + R(2);
        else if (k > 48 && nResult == RESULT_FIELD_GOAL_GOOD)
            n = R(8);
        else if (k > 48 && bMissed)
            n = 8 + R(12);
        else if (nResult == RESULT_FIELD_GOAL_GOOD)
            n = R(6);
        else if (bMissed)
            n = R(10) + 8;
        break;
    }
    case NARRATE_QB_RUNS:
        if (nSpot >= 6 && nToGo >= 6)
            n = R(12);
        else if (nSpot >= 6)
            n = 15 - R(20) % 16;
        else
            n = (R(20) % 16 + 16) % 20;
        break;
    case NARRATE_END_OF_PERIOD: {
        const bool bTied = pGame->nScore[GAME_SIDE_AWAY] == pGame->nScore[GAME_SIDE_HOME];
        switch (Get_Game_Quarter(pGame)) {
        case 1: n = R(3); break;
        case 2: n = bTied ? 9 : 3 + R(6); break;
        case 3: n = 10 + R(3); break;
        case 4:
            if (bTied)
                n = 16 + R(2);
            else
                n = Did_Play_Change_Leader(pGame) ? 18 + R(2) : 13 + R(3);
            break;
        default: break;
        }
        break;
    }
    default:
        break;
    }
    return n >= 0 && n < NARRATION_VARIANTS ? n : v;
}

void Render_Play_Commentary(GAME* pGame, int nEntry)
{
    if (!pGame || nEntry < 0 || nEntry >= NARRATION_ENTRIES)
        return;
    if (nEntry == 0)
        g_nPassLocationCount = 0;
    const NARRATION_ENTRY& Entry = pGame->CurrentPlay.Narration[nEntry];
    Expand_Commentary_Tokens(pGame, nEntry, Get_Narration_Phrase(Entry.bEvent, Entry.bVariant), g_szText[nEntry],
                             NARRATION_TEXT_SIZE);
}

int Find_Commentary_Token(const char* szText, int* pLength)
{
    if (!szText || szText[0] != '$')
        return -1;
    // No token is the start of another, so the first that fits is the one.
    for (int t = 0; t < NARRATION_TOKENS; ++t) {
        const size_t nLength = std::strlen(TOKENS[t]);
        if (std::strncmp(szText, TOKENS[t], nLength) == 0) {
            if (pLength)
                *pLength = static_cast<int>(nLength);
            return t;
        }
    }
    return -1;
}

void Expand_Commentary_Tokens(GAME* pGame, int nEntry, const char* szText, char* szOut, int nOutSize)
{
    if (!szOut || nOutSize <= 0)
        return;
    TEXT_OUT Out{szOut, nOutSize, 0};
    szOut[0] = '\0';
    if (!szText)
        return;
    const char* p = szText;
    while (*p) {
        int nLength = 0;
        const int nToken = *p == '$' ? Find_Commentary_Token(p, &nLength) : -1;
        if (nToken < 0) {
            const char szOne[2] = {*p, '\0'};
            Put(&Out, szOne);
            ++p;
            continue;
        }
        char szValue[512];
        if (!Get_Commentary_Token_Value(pGame, nEntry, nToken, szValue, sizeof(szValue))) {
            const bool bHit = pGame && nEntry >= 0 && nEntry < NARRATION_ENTRIES &&
                              pGame->CurrentPlay.Narration[nEntry].bEvent == NARRATE_HIT;
            Copy_Bounded(szOut, nOutSize, bHit ? "Hit hard." : "...");
            return;
        }
        Put(&Out, szValue);
        p += nLength;
    }
    if (szOut[0] >= 'a' && szOut[0] <= 'z')
        szOut[0] = static_cast<char>(szOut[0] - 'a' + 'A');
}

bool Get_Commentary_Token_Value(GAME* pGame, int nEntry, int nToken, char* szOut, int nOutSize)
{
    if (!szOut || nOutSize <= 0)
        return false;
    szOut[0] = '\0';
    if (nToken < 0 || nToken >= NARRATION_TOKENS) {
        Copy_Bounded(szOut, nOutSize, "<ERROR>");
        return true;
    }
    if (!pGame || nEntry < 0 || nEntry >= NARRATION_ENTRIES)
        return false;
    const NARRATION_ENTRY& Entry = pGame->CurrentPlay.Narration[nEntry];
    const int nID0 = Entry.nPlayerID[0];
    const int nID1 = Entry.nPlayerID[1];
    char szWords[TEXT_BUFFER_SIZE];
    switch (nToken) {
    case TOKEN_PLAYER0:
    case TOKEN_PLAYER1:
        return Player_Last_Name(nToken == TOKEN_PLAYER0 ? nID0 : nID1, szOut, nOutSize);
    case TOKEN_OFFENSIVE_TEAM:
        Team_Short_Name(Get_Game_Offense_Team(pGame), szOut, nOutSize);
        return true;
    case TOKEN_DEFENSIVE_TEAM:
        Team_Short_Name(Get_Game_Defense_Team(pGame), szOut, nOutSize);
        return true;
    case TOKEN_OFFENSIVE_CITY:
        Team_City(Get_Game_Offense_Team(pGame), szOut, nOutSize);
        return true;
    case TOKEN_DEFENSIVE_CITY:
        Team_City(Get_Game_Defense_Team(pGame), szOut, nOutSize);
        return true;
    case TOKEN_TEAM0: case TOKEN_CITY0: case TOKEN_TEAM1: case TOKEN_CITY1: {
        const int nTeam = Player_Team(nToken <= TOKEN_CITY0 ? nID0 : nID1);
        if (nTeam < 0)
            return false;
        if (nToken == TOKEN_TEAM0 || nToken == TOKEN_TEAM1)
            Team_Short_Name(nTeam, szOut, nOutSize);
        else
            Team_City(nTeam, szOut, nOutSize);
        return true;
    }
    case TOKEN_QUARTER:
        Get_Ordinal_Words(szWords, Get_Game_Quarter(pGame));
        Copy_Bounded(szOut, nOutSize, szWords);
        return true;
    case TOKEN_QB: {
        int nID = Offense_Player_At_Position(pGame, POSITION_QB);
        // Without a quarterback the man taking the snap stands in.
        if (nID < 1)
            nID = Place_ID(pGame, Offense_Side(pGame), 0);
        return Player_Last_Name(nID, szOut, nOutSize);
    }
    case TOKEN_RB:
        return Player_Last_Name(Offense_Player_At_Position(pGame, POSITION_RB), szOut, nOutSize);
    case TOKEN_YARDLINE: {
        const int Y = Narrated_Yard_Line(pGame, Entry.nArg1);
        const int n = Entry.bVariant + 10;
        const int s = nID0 >= 0 ? nID0 % n : Entry.bVariant;
        char szShort[TEXT_BUFFER_SIZE];
        char szCity[TEXT_BUFFER_SIZE];
        Team_Short_Name(Get_Game_Defense_Team(pGame), szShort, sizeof(szShort));
        Team_City(Get_Game_Defense_Team(pGame), szCity, sizeof(szCity));
        Format_Yard_Line_Words(Y, s, szShort, szCity,
                               Get_Play_Result(&pGame->CurrentPlay) == RESULT_KICKOFF_RETURNED, szOut, nOutSize);
        return true;
    }
    case TOKEN_LOCATION: {
        const int nType = Current_Play_Type(pGame);
        if (Is_Running_Play(pGame->nOffense, Offense_Call(pGame))) {
            if (nType == PLAY_TYPE_END_AROUND) {
                Copy_Bounded(szOut, nOutSize, "around the outside");
                return true;
            }
            const int nHole = Get_Play_Run_Hole(pGame);
            const char* szRun = Get_Run_Location_Text(nHole, Entry.bVariant);
            Copy_Bounded(szOut, nOutSize, szRun[0] ? szRun : "up the middle");
            return true;
        }
        const int nRoute = Get_Player_Route(pGame, ID_Slot(pGame, Offense_Side(pGame), nID0));
        if (nRoute < 0) {
            Copy_Bounded(szOut, nOutSize, "downfield");
            return true;
        }
        const bool bBeyond = Entry.nArg1 > pGame->nYardLine;
        bool bOutside = Is_Route_Outside(nRoute);
        if (bBeyond && bOutside)
            bOutside = g_nPassLocationCount++ == 0;
        Copy_Bounded(szOut, nOutSize, Get_Pass_Location_Words(Entry.nArg1, bOutside, bBeyond));
        return true;
    }
    case TOKEN_DOWN:
        Get_Ordinal_Words(szWords, Get_Game_Down_Code(pGame) + 1);
        Copy_Bounded(szOut, nOutSize, szWords);
        return true;
    case TOKEN_TOGO:
    case TOKEN_YARDS_TO_GO: {
        Get_Cardinal_Words(szWords, pGame->nToGo);
        TEXT_OUT Out{szOut, nOutSize, 0};
        Put(&Out, szWords);
        if (nToken == TOKEN_YARDS_TO_GO)
            Put(&Out, pGame->nToGo < 2 ? " yard" : " yards");
        return true;
    }
    case TOKEN_LONG_RUN:
        Long_Run_Words(pGame, Entry, szOut, nOutSize);
        return true;
    case TOKEN_FULL_NAME0: {
        PLAYER_LOCATION Where;
        if (nID0 < 1 || !Find_Player_By_ID(&Where, nID0))
            return false;
        Get_Player_Full_Name(Where.nTeam, Where.nSlot, szOut, static_cast<size_t>(nOutSize));
        return true;
    }
    case TOKEN_WINNER_TEAM:
    case TOKEN_WINNER_CITY: {
        const int nWinner = Get_Game_Winner(pGame);
        if (nWinner > LAST_TEAM)
            return false;
        if (nToken == TOKEN_WINNER_TEAM)
            Get_Team_Nickname(nWinner, szWords);
        else
            Get_Team_City(nWinner, szWords);
        Copy_Bounded(szOut, nOutSize, szWords);
        return true;
    }
    case TOKEN_WINNER_SCORE:
    case TOKEN_DIFFERENCE: {
        const int a = pGame->nScore[GAME_SIDE_AWAY];
        const int h = pGame->nScore[GAME_SIDE_HOME];
        const int n = nToken == TOKEN_WINNER_SCORE ? (a > h ? a : h) : (a > h ? a - h : h - a);
        Get_Cardinal_Words(szWords, n);
        Copy_Bounded(szOut, nOutSize, szWords);
        return true;
    }
    default:
        return false;
    }
}

void Format_Yard_Line_Words(int Y, int s, const char* szShortName, const char* szCity, bool bKickoffReturn,
                            char* szOut, int nOutSize)
{
    if (!szOut || nOutSize <= 0)
        return;
    if (s < 0)
        s = -s;
    const char* szShort = szShortName ? szShortName : "";
    const char* szTown = szCity ? szCity : "";
    auto Say = [szOut, nOutSize](const char* szFormat, auto... Args) {
        std::snprintf(szOut, static_cast<size_t>(nOutSize), szFormat, Args...);
    };
    if (Y == 50) {
        static const char* const MIDFIELD[3] = {"at midfield", "on the 50-yard line", "at the 50"};
        Say("%s", MIDFIELD[s % 3]);
    } else if (Y <= 0 || Y >= 100) {
        // Past either goal line there is no yard number to give.
        Say("in the end zone");
    } else if (Y <= 2 || (Y < 20 && s % 2 == 0)) {
        if (s % 7 == 5 && Near_Five(Y)) {
            if (Y < 3)
                Say("near the end zone");
            else
                Say("near the %d-yard line", Round_To_Five(Y));
        } else {
            Say(s % 3 == 0 ? "on the %d-yard line" : "at the %d-yard line", Y);
        }
    } else if (Y > 97 || (Y > 80 && s % 2 == 0)) {
        if (s % 5 == 0 && Near_Five(Y)) {
            if (Y > 97)
                Say("near the end zone");
            else
                Say("near the %d-yard line", Round_To_Five(100 - Y));
        } else {
            Say(s % 3 == 0 ? "on the %d-yard line" : "at the %d-yard line", 100 - Y);
        }
    } else if (Y >= 48 && Y <= 52 && s % 4 == 0) {
        Say("near midfield");
    } else if (Y < 50) {
        if (bKickoffReturn) {
            if (Near_Five(Y))
                Say("near the %d-yard line", Round_To_Five(Y));
            else
                Say("on the %d-yard line", Y);
        } else if (s % 8 == 0 && Near_Five(Y)) {
            Say("near the %s %d-yard line", szShort, Round_To_Five(Y));
        } else if (s % 5 == 0) {
            Say("on the %s %d-yard line", szTown, Y);
        } else if (s % 3 == 0) {
            Say("at the %s %d-yard line", szTown, Y);
        } else if (s % 2 == 1) {
            Say("at the %s %d-yard line", szShort, Y);
        } else {
            Say("on the %s %d-yard line", szShort, Y);
        }
    } else {
        if ((s % 8 == 0 || s % 7 == 0) && Near_Five(Y))
            Say("near the %d-yard line", Round_To_Five(100 - Y));
        else if (s % 5 == 0)
            Say("on the %d-yard line", 100 - Y);
        else if (s % 3 == 0)
            Say("at the %d-yard line", 100 - Y);
        else
            Say(s % 2 == 1 ? "at the %d-yard line" : "on the %d-yard line", 100 - Y);
    }
}

const char* Get_Run_Location_Text(int nHole, int nVariant)
{
    static const char* const WORDS[10][3] = {
        {"up the middle", "up the middle", "inside"},
        {"up the middle", "up the middle", "inside"},
        {"up the middle", "inside", "to the right side"},
        {"up the middle", "inside", "to the left side"},
        {"to the right", "to the right side", "off-tackle"},
        {"to the left", "to the left side", "off-tackle"},
        {"to the right", "outside", "outside"},
        {"to the left", "outside", "outside"},
        {"to the right", "outside", "around the right side"},
        {"to the left", "outside", "around the left side"},
    };
    if (nHole < 0 || nHole > 9)
        return "";
    int nColumn = nVariant % 3;
    nColumn = nColumn < 0 ? 0 : (nColumn > 2 ? 2 : nColumn);
    return WORDS[nHole][nColumn];
}

const char* Get_Pass_Location_Words(int nYards, bool bOutside, bool bBeyondSpot)
{
    static const char* const WORDS[5][2] = {
        {"underneath", "in the flat"},
        {"over the middle", "out wide"},
        {"downfield", "near the sideline"},
        {"deep downfield", "down the sideline"},
        {"in the end zone", "in the corner"},
    };
    int nBand = (nYards + 9) / 10;
    nBand = nBand < 0 ? 0 : (nBand > 3 ? 3 : nBand);
    if (bBeyondSpot)
        nBand = 4;
    return WORDS[nBand][bOutside ? 1 : 0];
}

bool Is_Route_Outside(int nRoute)
{
    const PASS_ROUTE* pRoute = Get_Pass_Route(nRoute);
    if (!pRoute)
        return false;
    for (int k = ROUTE_POINTS - 1; k >= 0; --k) {
        const ROUTE_POINT& Point = pRoute->Point[k];
        if (Point.x == 0.0 && Point.y == 0.0)
            continue;
        return Point.x >= (pRoute->nKind == 1 || pRoute->nKind == 4 ? 3.0 : -1.5);
    }
    return false;
}

int Get_Player_Route(GAME* pGame, int nSlot)
{
    if (!pGame)
        return -1;
    const int nSide = Offense_Side(pGame);
    for (int nPlace = 0; nPlace < PLACES_ON_FIELD; ++nPlace) {
        if (nSlot < 0 || Place_Slot(pGame, nSide, nPlace) != nSlot)
            continue;
        // Places 1-5 run the five receivers' routes; the passer and the
        // linemen run none.
        if (nPlace < 1 || nPlace > 5)
            return -1;
        return Get_Offensive_Play_Route(pGame->nOffense, Offense_Call(pGame), nPlace - 1);
    }
    // Not on the field: no receiver to ask about.
    return -1;
}

bool Did_Play_Change_Leader(const GAME* pGame)
{
    if (!pGame)
        return false;
    bool bDefenseScores = false;
    const int nPoints = Result_Points(Get_Play_Result(&pGame->CurrentPlay), &bDefenseScores);
    int nScoreBefore[2] = {pGame->nScore[GAME_SIDE_AWAY], pGame->nScore[GAME_SIDE_HOME]};
    const int nScorer = bDefenseScores ? Defense_Side(pGame) : Offense_Side(pGame);
    nScoreBefore[nScorer] -= nPoints;
    const int nBefore = Sign(nScoreBefore[GAME_SIDE_HOME] - nScoreBefore[GAME_SIDE_AWAY]);
    const int nAfter = Sign(pGame->nScore[GAME_SIDE_HOME] - pGame->nScore[GAME_SIDE_AWAY]);
    return nBefore != nAfter;
}

// ---------------------------------------------------------------------------
// Sentence builders

namespace {

void Queue(GAME* pGame, int nEvent, int a1, int a2, int a3, int nID0, int nID1)
{
    Queue_Play_Commentary(pGame, nEvent, a1, a2, a3, nID0, nID1);
}

bool Is_Backfield_Pass(const GAME* pGame) { return Is_Backfield_Pass_Play(pGame->nOffense, Offense_Call(pGame)); }
bool Has_Play_Action(const GAME* pGame) { return Play_Has_Play_Action(pGame->nOffense, Offense_Call(pGame)); }
bool Is_Option_Call(const GAME* pGame) { return Is_Option_Play(pGame->nOffense, Offense_Call(pGame)); }

int Passer_ID(const GAME* pGame) { return Place_ID(pGame, Offense_Side(pGame), 0); }

int Rusher_ID(GAME* pGame)
{
    return Slot_ID(pGame, Defense_Side(pGame), Pick_Random_Pass_Rusher(pGame));
}

// A blocking back against a rusher, or a lineman's stand, before the throw.
void Queue_Line_Battle(GAME* pGame, bool bBlitz)
{
    const int nBack = Find_Pass_Blocking_Back(pGame);
    const int nRusher = Rusher_ID(pGame);
    const int nOffenseSide = Offense_Side(pGame);
    if (Is_Game_Slot(nBack)) {
        float fRun = 20.0f;
        float fPass = 20.0f;
        if (Slot_ID(pGame, nOffenseSide, nBack) > 0) {
            fRun = Get_Player_Rating(pGame->nOffense, nBack, RATING_RUN_BLOCKING);
            fPass = Get_Player_Rating(pGame->nOffense, nBack, RATING_PASS_BLOCKING);
        }
        const float x = 0.5f * fRun + 0.5f * fPass;
        const int nBackID = Slot_ID(pGame, nOffenseSide, nBack);
        if (50 + Get_Random_Below(51) < static_cast<int>(x)) {
            if (bBlitz)
                Queue(pGame, NARRATE_BLITZ, 0, 0, 0, nBackID, nRusher);
            else if (!Is_Backfield_Pass(pGame))
                Queue(pGame, NARRATE_BLOCKER_STOPS_RUSHER, 0, 0, 0, nBackID, nRusher);
        }
    } else if (!Is_Backfield_Pass(pGame)) {
        const int nLineman = Place_ID(pGame, nOffenseSide, 6 + Get_Random_Below(5));
        Queue(pGame, NARRATE_BLOCKER_STOPS_RUSHER, 0, 0, 0, nLineman, nRusher);
    }
}

// The fake to a back (event 24), else a defender fooled by it (event 25).
void Queue_Play_Action_Fake(GAME* pGame, int nChanceToBack, int nChanceToDefender, bool bNeedDefender)
{
    const int nBack = Slot_ID(pGame, Offense_Side(pGame), Find_Play_Action_Back(pGame));
    const int nDefender =
        Slot_ID(pGame, Defense_Side(pGame), Find_Play_Action_Back_In_Defense(pGame));
    if (Get_Random_Below(100) < nChanceToBack)
        Queue(pGame, NARRATE_PLAY_ACTION, 0, 0, 0, Passer_ID(pGame), nBack);
    else if (Get_Random_Below(100) < nChanceToDefender && (!bNeedDefender || nDefender > 0))
        Queue(pGame, NARRATE_BITES_ON_FAKE, 0, 0, 0, nDefender, Passer_ID(pGame));
}

bool Is_Blitz(const GAME* pGame)
{
    return Is_Blitz_Defense(Get_Game_Defense_Team(pGame), Defense_Call(pGame));
}

}  // namespace

void Queue_Snap_Commentary(GAME* pGame)
{
    if (!pGame)
        return;
    const int nQ = Passer_ID(pGame);
    Queue(pGame, NARRATE_SERIES, 0, 0, 0, 0, 0);
    const int bShotgun = Is_Deep_Snap_Formation(pGame->nFormation[Offense_Side(pGame)]) ? 1 : 0;
    Queue(pGame, NARRATE_SNAP, pGame->nYardLine, bShotgun, 0, nQ, 0);
    if (Is_Rollout_Call(pGame))
        Queue(pGame, NARRATE_SCRAMBLES_AWAY, pGame->nYardLine, 2, 0, nQ, 0);
}

void Queue_Handoff_Commentary(GAME* pGame, int bScramble)
{
    if (!pGame)
        return;
    // The carrier's place (the stored field - 1), -1 for none.
    const int n = Get_Offensive_Play_Carrier(pGame->nOffense, Offense_Call(pGame));
    const int nCarrier = Slot_ID(pGame, Offense_Side(pGame), Get_Ball_Carrier(pGame));
    const bool bOption = Is_Option_Call(pGame);
    if (Has_Play_Action(pGame) && !bOption && Get_Random_Below(100) < 50)
        Queue_Play_Action_Fake(pGame, 50, 50, true);
    const bool bOddOption = bOption && (pGame->nClock + Defense_Call(pGame)) % 2 != 0;
    if ((n >= 1 && !bScramble) || bOddOption)
        Queue(pGame, NARRATE_HANDOFF, pGame->nYardLine, 0, 0, Passer_ID(pGame), nCarrier);
}

void Queue_Pressure_Commentary(GAME* pGame, int nRusherID)
{
    if (!pGame)
        return;
    const int nQSlot = Place_Slot(pGame, Offense_Side(pGame), 0);
    const int P = nQSlot < PLAYERS_PER_TEAM ? Get_Player_Stat(pGame->nOffense, nQSlot, 3, 6) : 0;
    Queue(pGame, NARRATE_PRESSURE, 0, 0, 0, 0, nRusherID);
    if (Is_Rollout_Call(pGame))
        return;
    if (Get_Random_Below(100) < 20 && Get_Random_Below(100) > P) {
        Queue(pGame, NARRATE_ESCAPES_PRESSURE, 0, 0, 0, 0, nRusherID);
        return;
    }
    if (Get_Random_Below(100) < 10 && Get_Random_Below(100) < P - 40)
        Queue(pGame, NARRATE_SCRAMBLES_AWAY, 0, -1, 0, 0, nRusherID);
}

void Queue_Sack_Commentary(GAME* pGame, int nSackerSlot)
{
    if (!pGame)
        return;
    const int nSacker = Slot_ID(pGame, Defense_Side(pGame), nSackerSlot);
    Queue_Pressure_Commentary(pGame, nSacker);
    Queue(pGame, NARRATE_SACKED, 0, 0, 0, 0, nSacker);
}

void Queue_Pass_Start_Commentary(GAME* pGame, int nReceiverSlot, int nDefenderSlot, int a1, int bIntercepted)
{
    if (!pGame)
        return;
    const int nQ = Passer_ID(pGame);
    const int nReceiver = Slot_ID(pGame, Offense_Side(pGame), nReceiverSlot);
    const bool bBlitz = Is_Blitz(pGame);
    const int d = Get_Random_Below(100);
    if (d < 15) {
        Queue_Line_Battle(pGame, bBlitz);
    } else if (Get_Random_Below(100) < 35 * (bBlitz + 1)) {
        Queue_Pressure_Commentary(pGame, Rusher_ID(pGame));
    } else if (Has_Play_Action(pGame) && Get_Random_Below(100) < 50 &&
               !Is_Option_Call(pGame)) {
        Queue_Play_Action_Fake(pGame, 30, 20, false);
    }
    if (Get_Random_Below(100) < 10 && !Is_Backfield_Pass(pGame))
        Queue(pGame, NARRATE_RECEIVER_OPEN, a1, 0, 0, nReceiver, 0);
    Queue(pGame, NARRATE_PASS_THROWN, a1, 0, 0, nReceiver, nQ);
    if (nDefenderSlot != NO_PLAYER) {
        Queue(pGame, NARRATE_KNOCKED_DOWN, a1, 0, 0, Slot_ID(pGame, Defense_Side(pGame), nDefenderSlot), 0);
    } else if (Get_Random_Below(100) < 20) {
        Queue(pGame, NARRATE_DROPPED, a1, 0, 0, nReceiver, 0);
    } else if (!bIntercepted) {
        Queue(pGame, NARRATE_INCOMPLETE, a1, 0, 0, nReceiver, 0);
    }
}

void Queue_Pass_Result_Commentary(GAME* pGame, int nReceiverSlot, int nTacklerSlot, int r, int c)
{
    if (!pGame)
        return;
    const int nQ = Passer_ID(pGame);
    const int nReceiver = Slot_ID(pGame, Offense_Side(pGame), nReceiverSlot);
    const int nTackler = Slot_ID(pGame, Defense_Side(pGame), nTacklerSlot);
    const int nResult = Get_Play_Result(&pGame->CurrentPlay);
    const bool bBlitz = Is_Blitz(pGame);
    if (Get_Random_Below(100) < 40)
        Queue_Line_Battle(pGame, bBlitz);
    else if (Get_Random_Below(100) < (40 - c) / 2)
        Queue_Pressure_Commentary(pGame, Rusher_ID(pGame));
    if (Get_Random_Below(100) < 40 && !Is_Backfield_Pass(pGame))
        Queue(pGame, NARRATE_RECEIVER_OPEN, c, 0, 0, nReceiver, 0);
    Queue(pGame, NARRATE_PASS_THROWN, c, 0, 0, nReceiver, nQ);
    Queue(pGame, NARRATE_CAUGHT, c, 0, 0, nReceiver, 0);
    if (r == 0) {
        if (nResult == RESULT_PASS_COMPLETE && Get_Random_Below(100) < 30)
            Queue(pGame, NARRATE_HIT, c, 0, 0, nTackler, nReceiver);
    } else if (r >= 1 && r <= 4) {
        if (Get_Random_Below(100) < 3 * r) {
            Queue(pGame, NARRATE_HIT, c, 0, 0, nTackler, nReceiver);
            Queue(pGame, NARRATE_EXTRA_YARDS, c, 0, 0, nReceiver, nTackler);
        }
    } else if (r >= 5) {
        if (Get_Random_Below(100) < 10) {
            const int t = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SOLO_TACKLE, 0);
            if (t != nTacklerSlot) {
                const int nMissed = Slot_ID(pGame, Defense_Side(pGame), t);
                Queue(pGame, NARRATE_HIT, c, 0, 0, nMissed, nReceiver);
                Queue(pGame, NARRATE_BREAKS_TACKLE, c, 0, 0, nReceiver, nMissed);
            }
        }
        if (r > 9 + Get_Random_Below(5)) {
            Queue(pGame, NARRATE_ROOM_TO_RUN, c, 0, 0, nReceiver, 0);
            if (r > 20)
                Queue(pGame, NARRATE_LONG_RUN, c, r, 0, nReceiver, 0);
        }
    }
    if (nResult == RESULT_PASS_COMPLETE) {
        Queue(pGame, NARRATE_TACKLED, r + c, 0, 0, nReceiver, nTackler);
        if (pGame->nPlaySeconds < Get_Seconds_Left_In_Half(pGame)) {
            if (r + c >= pGame->nToGo)
                Queue(pGame, NARRATE_FIRST_DOWN, r + c, 0, 0, nReceiver, 0);
            else if (Get_Game_Down_Code(pGame) == FOURTH_DOWN_CODE)
                Queue(pGame, NARRATE_TURNOVER_ON_DOWNS, r + c, 0, 0, nReceiver, 0);
        }
    } else if (nResult == RESULT_TOUCHDOWN_PASS) {
        Queue(pGame, NARRATE_TOUCHDOWN, r + c, 0, 0, nReceiver, 0);
    }
}

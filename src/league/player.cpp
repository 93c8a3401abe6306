// The player record: record and roster operations, names, vital statistics,
// ages and positions. Ratings are in player_ratings.cpp.
#include "league/player.h"

#include <zlib.h>

#include <cstdio>
#include <cstring>

#include "engine/game_lineups.h"
#include "league/calendar.h"
#include "league/inflation.h"
#include "base/int_math.h"
#include "league/league_structure.h"
#include "league/player_lookup.h"
#include "league/player_text.h"
#include "league/preferences.h"
#include "base/random.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "base/text_utils.h"
#include "platform/errors.h"
#include "platform/resources.h"
#include "platform/ui.h"
#include "season/player_generation.h"
#include "season/salaries.h"

namespace {

unsigned g_nTeamVitalChanges[TOTAL_NUMBER_OF_TEAMS] = {};

bool Is_Team_Index(int nTeam)
{
    return nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS;
}

bool Is_Slot_Index(int nSlot)
{
    return nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

PLAYER& Player_At(int nTeam, int nSlot)
{
    return League.Team[nTeam].Player[nSlot];
}

// Copies a text into a caller's buffer, cut to its size and terminated.
void Copy_Out(char* szOut, size_t nOutSize, const char* szText)
{
    if (szOut == nullptr || nOutSize == 0)
        return;
    size_t nLength = strnlen(szText, nOutSize - 1);
    std::memcpy(szOut, szText, nLength);
    szOut[nLength] = '\0';
}

// Position tables, indexed by position 0-14.
constexpr int POSITION_UNIT[NUMBER_OF_POSITIONS] = {0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3};
// The inline shortcut of Get_Player_Position_Unit keeps its own copy.
static_assert([] {
    for (int n = 1; n < NUMBER_OF_POSITIONS; ++n)
        if (BASE_POSITION_EVENT_UNIT[n] != POSITION_UNIT[n])
            return false;
    return BASE_POSITION_EVENT_UNIT[POSITION_QB] == UNIT_QUARTERBACK;
}());
constexpr int POSITION_SIDE[NUMBER_OF_POSITIONS] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2};
constexpr int POSITION_QUOTA[NUMBER_OF_POSITIONS] = {2, 3, 1, 3, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};
static_assert(POSITION_QUOTA[0] + POSITION_QUOTA[1] + POSITION_QUOTA[2] + POSITION_QUOTA[3] +
                  POSITION_QUOTA[4] + POSITION_QUOTA[5] + POSITION_QUOTA[6] + POSITION_QUOTA[7] +
                  POSITION_QUOTA[8] + POSITION_QUOTA[9] + POSITION_QUOTA[10] + POSITION_QUOTA[11] +
                  POSITION_QUOTA[12] + POSITION_QUOTA[13] + POSITION_QUOTA[14] ==
              53);

// Base position of the depth-chart places 15-42.
constexpr int EXPANDED_BASE_POSITION[NUMBER_OF_EXPANDED_POSITIONS - POSITION_ANY] = {
    POSITION_WR, POSITION_WR, POSITION_WR, POSITION_WR, POSITION_WR, POSITION_WR,   // 15-20 receivers, returner, special teams, end
    POSITION_T,                                                                     // 21 left tackle
    POSITION_G, POSITION_G,                                                         // 22, 23 guards
    POSITION_T,                                                                     // 24 right tackle
    POSITION_C,                                                                     // 25 long snapper
    POSITION_DE,                                                                    // 26 left end
    POSITION_DT, POSITION_DT, POSITION_DT,                                          // 27-29 tackles
    POSITION_DE,                                                                    // 30 right end
    POSITION_LB, POSITION_LB, POSITION_LB, POSITION_LB, POSITION_LB, POSITION_LB, POSITION_LB,  // 31-37
    POSITION_CB, POSITION_CB, POSITION_CB,                                          // 38-40 corners, nickel back
    POSITION_S, POSITION_S,                                                         // 41, 42 safeties
};
static_assert(sizeof(EXPANDED_BASE_POSITION) / sizeof(EXPANDED_BASE_POSITION[0]) == 28);

constexpr int POSITION_ABBREVIATION_STRING = 59;   // string table 59-73: "QB" .. "P"

// The watched game's line-ups follow a swap of one of its teams' players:
// while games are being played, the game shown in the game view, when it is
// marked for watching in the current week and one of the teams plays in it.
void Refresh_Watched_Game_Lineups(int nTeamA, int nTeamB)
{
    if (Get_User_Preference(PREF_SIMULATION_RUNNING) == 0)
        return;
    int nGame = Get_User_Preference(PREF_SHOWN_GAME);
    int nWeek = Get_User_Preference(PREF_CURRENT_WEEK);
    if (nGame < 0 || nGame >= NUMBER_OF_GAMES || nWeek < 0 || nWeek >= SCHEDULE_WEEKS)
        return;
    GAME& Game = League.Game[nGame];
    int nAway = Game.nAwayTeam;
    int nHome = Game.nHomeTeam;
    if (nHome >= MAX_FRANCHISES)
        return;
    if (League.Team[nHome].nSchedule[nWeek][1] == 0)   // the play-by-play (watch) flag
        return;
    if (nAway != nTeamA && nAway != nTeamB && nHome != nTeamA && nHome != nTeamB)
        return;
    Update_Game_Lineups(&Game);
}

// Exchanges two whole records (valid, distinct addresses). The returner bytes
// follow their players; they are read raw, since asking Get_Team_Returner
// would choose a new returner in the middle of a move.
void Exchange_Player_Records(int nTeamA, int nSlotA, int nTeamB, int nSlotB)
{
    if (nTeamA == nTeamB) {
        uint8_t* pReturner = League.Team[nTeamA].bReturner;
        for (int nKind = RETURNER_KICKOFF; nKind <= RETURNER_PUNT; ++nKind) {
            if (pReturner[nKind] == nSlotA)
                pReturner[nKind] = static_cast<uint8_t>(nSlotB);
            else if (pReturner[nKind] == nSlotB)
                pReturner[nKind] = static_cast<uint8_t>(nSlotA);
        }
    }
    PLAYER Temp;
    std::memcpy(&Temp, &Player_At(nTeamA, nSlotA), sizeof(PLAYER));
    std::memcpy(&Player_At(nTeamA, nSlotA), &Player_At(nTeamB, nSlotB), sizeof(PLAYER));
    std::memcpy(&Player_At(nTeamB, nSlotB), &Temp, sizeof(PLAYER));
}

// What follows records changing slots: cached predicted statistics belong to
// slots, not players, and a watched game's line-ups name slots.
void After_Players_Moved(int nTeamA, int nTeamB)
{
    Clear_Predicted_Stat_Cache();
    Refresh_Watched_Game_Lineups(nTeamA, nTeamB);
}

// Zeroes a record and sets its season-line links and current line to -1.
void Clear_Record(PLAYER& Player)
{
    std::memset(&Player, 0, sizeof(PLAYER));
    for (int32_t& nLink : Player.nSeasonLink)
        nLink = NO_SEASON_LINE;
    Player.nCurrentLine = NO_SEASON_LINE;
}

// Clears the slot (a valid address) and carries the empty record to slot 99
// by swaps; the upkeep of After_Players_Moved, which clears the predicted
// statistics once, is left to the caller.
void Carry_Gap_To_End(int nTeam, int nSlot)
{
    Clear_Record(Player_At(nTeam, nSlot));
    for (int k = nSlot; k < PLAYERS_PER_TEAM - 1; ++k)
        Exchange_Player_Records(nTeam, k, nTeam, k + 1);
}

}  // namespace

bool Check_Player_Address(const char* szFunction, int nTeam, int nSlot)
{
    if (!Is_Team_Index(nTeam)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", szFunction, nTeam, nSlot);
        return false;
    }
    if (!Is_Slot_Index(nSlot)) {
        Report_Error("nSlot out of bounds in %s(%d,[%d])", szFunction, nTeam, nSlot);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Record operations

void Clear_Player(int nTeam, int nSlot)
{
    if (nTeam == NO_TEAM) {
        Report_Error("'NO_TEAM' passed to %s(%d,%d)", __func__, nTeam, nSlot);
        return;
    }
    if (nSlot == NO_PLAYER) {
        Report_Error("'NO_PLAYER' passed to %s(%d,%d)", __func__, nTeam, nSlot);
        return;
    }
    if (!Is_Team_Index(nTeam)) {
        Report_Error("nTeam out of bounds in %s(%d,%d)", __func__, nTeam, nSlot);
        return;
    }
    if (!Is_Slot_Index(nSlot)) {
        Report_Error("nPlayer out of bounds in %s(%d,%d)", __func__, nTeam, nSlot);
        return;
    }
    Clear_Record(Player_At(nTeam, nSlot));
    Clear_Predicted_Stat_Cache();
}

void Copy_Player(int nDestTeam, int nDestSlot, int nSrcTeam, int nSrcSlot)
{
    if (nDestTeam < 0 || nDestSlot < 0) {
        Report_Error("Negative destination in %s()", __func__);
        return;
    }
    if (nSrcTeam < 0 || nSrcSlot < 0) {
        Report_Error("Negative source in %s()", __func__);
        return;
    }
    if (!Is_Team_Index(nDestTeam) || !Is_Slot_Index(nDestSlot)) {
        Report_Error("Invalid destination in %s([%d],[%d],%d,%d)", __func__, nDestTeam, nDestSlot, nSrcTeam, nSrcSlot);
        return;
    }
    if (!Is_Team_Index(nSrcTeam) || !Is_Slot_Index(nSrcSlot)) {
        Report_Error("Invalid source in %s(%d,%d,[%d],[%d])", __func__, nDestTeam, nDestSlot, nSrcTeam, nSrcSlot);
        return;
    }
    std::memmove(&Player_At(nDestTeam, nDestSlot), &Player_At(nSrcTeam, nSrcSlot), sizeof(PLAYER));
    Clear_Predicted_Stat_Cache();
}

namespace {

// Checks the address and the buffer of a copy between a record and memory;
// szRole names the record's side ("source" or "destination") in the reports.
bool Memory_Copy_Ok(const char* szFunction, const char* szRole, int nTeam, int nSlot, const PLAYER* pBuffer)
{
    if (nTeam < 0 || nSlot < 0) {
        Report_Error("Negative %s in %s()", szRole, szFunction);
        return false;
    }
    if (!Is_Team_Index(nTeam) || !Is_Slot_Index(nSlot)) {
        Report_Error("Invalid %s in %s([%d],[%d])", szRole, szFunction, nTeam, nSlot);
        return false;
    }
    if (pBuffer == nullptr) {
        Report_Error("NULL buffer in %s(%d,%d)", szFunction, nTeam, nSlot);
        return false;
    }
    return true;
}

}  // namespace

void Copy_Player_To_Memory(PLAYER* pBuffer, int nTeam, int nSlot)
{
    if (!Memory_Copy_Ok(__func__, "source", nTeam, nSlot, pBuffer))
        return;
    std::memmove(pBuffer, &Player_At(nTeam, nSlot), sizeof(PLAYER));
}

void Copy_Player_From_Memory(int nTeam, int nSlot, const PLAYER* pBuffer)
{
    if (!Memory_Copy_Ok(__func__, "destination", nTeam, nSlot, pBuffer))
        return;
    std::memmove(&Player_At(nTeam, nSlot), pBuffer, sizeof(PLAYER));
    Clear_Predicted_Stat_Cache();
}

void Swap_Players(int nTeamA, int nSlotA, int nTeamB, int nSlotB)
{
    const int nTeams[2] = {nTeamA, nTeamB};
    const int nSlots[2] = {nSlotA, nSlotB};
    for (int nTeam : nTeams) {
        if (nTeam < 0) {
            Report_Error("Negative Team in %s(%d,%d,%d,%d)", __func__, nTeamA, nSlotA, nTeamB, nSlotB);
            return;
        }
        if (nTeam >= TOTAL_NUMBER_OF_TEAMS) {
            Report_Error("Invalid Team in %s(%d,%d,%d,%d)", __func__, nTeamA, nSlotA, nTeamB, nSlotB);
            return;
        }
    }
    for (int nSlot : nSlots) {
        if (nSlot < 0) {
            Report_Error("Negative Slot in %s(%d,%d,%d,%d)", __func__, nTeamA, nSlotA, nTeamB, nSlotB);
            return;
        }
        if (nSlot >= PLAYERS_PER_TEAM) {
            Report_Error("Invalid Slot in %s(%d,%d,%d,%d)", __func__, nTeamA, nSlotA, nTeamB, nSlotB);
            return;
        }
    }
    if (nTeamA == nTeamB && nSlotA == nSlotB)
        return;
    Exchange_Player_Records(nTeamA, nSlotA, nTeamB, nSlotB);
    After_Players_Moved(nTeamA, nTeamB);
}

int Find_Roster_End(int nTeam)
{
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
        if (Player_At(nTeam, nSlot).nVital[VITAL_PLAYER_ID] == 0)
            return nSlot;
    }
    return PLAYERS_PER_TEAM;
}

int Count_Team_Players(int nTeam)
{
    if (!Is_Team_Index(nTeam) || !Is_Valid_Team(nTeam))
        return 0;
    return Find_Roster_End(nTeam);
}

int Find_Empty_Player_Slot(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return -1;
    int nSlot = Find_Roster_End(nTeam);
    return nSlot < PLAYERS_PER_TEAM ? nSlot : -1;
}

void Compact_Team_Roster(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return;
    if (!Is_Valid_Team(nTeam))
        return;
    // The empty records are carried to the end by swaps; the upkeep that
    // follows a swap runs once at the end.
    bool bMoved = false;
    for (int nPass = 0; nPass < PLAYERS_PER_TEAM; ++nPass) {
        int nGap = -1;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM - 1; ++nSlot) {
            if (Player_At(nTeam, nSlot).nVital[VITAL_PLAYER_ID] == 0 &&
                Player_At(nTeam, nSlot + 1).nVital[VITAL_PLAYER_ID] != 0) {
                nGap = nSlot;
                break;
            }
        }
        if (nGap < 0)
            break;   // every later pass would find nothing either
        Carry_Gap_To_End(nTeam, nGap);
        bMoved = true;
    }
    if (bMoved)
        After_Players_Moved(nTeam, nTeam);
}

namespace {

// Clears the slot and closes the gap, with the upkeep after the move.
void Close_Roster_Gap(int nTeam, int nSlot)
{
    Carry_Gap_To_End(nTeam, nSlot);
    After_Players_Moved(nTeam, nTeam);
}

}  // namespace

void Remove_Player_From_Roster(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    Erase_Player_Season_Lines(nTeam, nSlot);
    Close_Roster_Gap(nTeam, nSlot);
}

void Shift_Roster_Over_Slot(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    Close_Roster_Gap(nTeam, nSlot);
}

uint32_t Get_Player_Checksum(int nPlayerID)
{
    PLAYER_LOCATION Where;
    if (!Find_Player_By_ID(&Where, nPlayerID))
        return 0;
    if (!Is_Player_Slot_Used(Where.nTeam, Where.nSlot))
        return 0;
    const PLAYER& Player = Player_At(Where.nTeam, Where.nSlot);
    return static_cast<uint32_t>(adler32(0L, reinterpret_cast<const Bytef*>(&Player), sizeof(PLAYER)));
}

// ---------------------------------------------------------------------------
// Names and texts

namespace {

// Checks the address and the text of a text setter; szArgument names the
// text parameter in the report.
bool Text_Setter_Ok(const char* szFunction, const char* szArgument, int nTeam, int nSlot, const char* szText)
{
    if (!Check_Player_Address(szFunction, nTeam, nSlot))
        return false;
    if (szText == nullptr) {
        Report_Error("NULL %s in %s(%d,%d,[NULL])", szArgument, szFunction, nTeam, nSlot);
        return false;
    }
    return true;
}

}  // namespace

void Set_Player_Last_Name(int nTeam, int nSlot, const char* szName)
{
    if (Text_Setter_Ok(__func__, "szName", nTeam, nSlot, szName))
        safe_strncpy(Player_At(nTeam, nSlot).szLastName, szName, static_cast<int>(PLAYER_LAST_NAME_SIZE));
}

void Set_Player_First_Name(int nTeam, int nSlot, const char* szName)
{
    if (Text_Setter_Ok(__func__, "szName", nTeam, nSlot, szName))
        safe_strncpy(Player_At(nTeam, nSlot).szFirstName, szName, static_cast<int>(PLAYER_FIRST_NAME_SIZE));
}

void Set_Player_College(int nTeam, int nSlot, const char* szCollege)
{
    if (!Text_Setter_Ok(__func__, "szCollege", nTeam, nSlot, szCollege))
        return;
    char* szField = Player_At(nTeam, nSlot).szCollege;
    safe_strncpy(szField, szCollege, static_cast<int>(PLAYER_COLLEGE_SIZE));
    // "&" would be read as markup by the pages; only the stored copy changes.
    for (size_t i = 0; i < PLAYER_COLLEGE_SIZE && szField[i] != '\0'; ++i) {
        if (szField[i] == '&')
            szField[i] = '+';
    }
}

namespace {

// Whether a name getter may answer for this address: bad indexes are
// reported, a team not in use or an empty slot gives "" silently.
bool Name_Address_Holds_Player(const char* szFunction, int nTeam, int nSlot)
{
    if (!Check_Player_Address(szFunction, nTeam, nSlot))
        return false;
    return Is_Player_Slot_Used(nTeam, nSlot) != 0;
}

void Fill_Last_Name(int nTeam, int nSlot, char (&szName)[PLAYER_LAST_NAME_SIZE])
{
    PLAYER& Player = Player_At(nTeam, nSlot);
    if (Player.szLastName[0] == '\0') {
        char szDrawn[PLAYER_LAST_NAME_SIZE] = "";
        Get_Random_Last_Name(szDrawn, sizeof(szDrawn));
        Set_Player_Last_Name(nTeam, nSlot, szDrawn);
    }
    Copy_From_Record_Field(szName, sizeof(szName), Player.szLastName, PLAYER_LAST_NAME_SIZE);
}

void Fill_First_Name(int nTeam, int nSlot, char (&szName)[PLAYER_FIRST_NAME_SIZE])
{
    PLAYER& Player = Player_At(nTeam, nSlot);
    if (Player.szFirstName[0] == '\0') {
        char szDrawn[PLAYER_FIRST_NAME_SIZE] = "";
        if (!Take_Cached_First_Name(szDrawn, sizeof(szDrawn))) {
            Pick_Random_First_Name();
            if (!Take_Cached_First_Name(szDrawn, sizeof(szDrawn)))
                Copy_Out(szDrawn, sizeof(szDrawn), DEFAULT_FIRST_NAME);
        }
        if (szDrawn[0] == '\0')
            Copy_Out(szDrawn, sizeof(szDrawn), DEFAULT_FIRST_NAME);
        Set_Player_First_Name(nTeam, nSlot, szDrawn);
    }
    Copy_From_Record_Field(szName, sizeof(szName), Player.szFirstName, PLAYER_FIRST_NAME_SIZE);
}

// The first name as the lists show it. A name longer than the field keeps
// only its first 11 characters: no table of completions is kept.
void Completed_First_Name(int nTeam, int nSlot, char (&szName)[PLAYER_FIRST_NAME_TEXT_SIZE])
{
    char szStored[PLAYER_FIRST_NAME_SIZE];
    Fill_First_Name(nTeam, nSlot, szStored);
    Copy_Out(szName, sizeof(szName), szStored);
}

// The answer of a single-name getter: "" unless the address holds a player,
// else the name that Fill gives.
template <size_t N>
void Put_Name(const char* szFunction, int nTeam, int nSlot, char* szOut, size_t nOutSize,
              void (*Fill)(int, int, char (&)[N]))
{
    Copy_Out(szOut, nOutSize, "");
    if (!Name_Address_Holds_Player(szFunction, nTeam, nSlot))
        return;
    char szName[N];
    Fill(nTeam, nSlot, szName);
    Copy_Out(szOut, nOutSize, szName);
}

// "First Last", or "Last, First" (the first name is drawn first when either
// is missing).
void Put_Joined_Name(int nTeam, int nSlot, bool bLastFirst, char* szOut, size_t nOutSize)
{
    char szFirst[PLAYER_FIRST_NAME_TEXT_SIZE];
    char szLast[PLAYER_LAST_NAME_SIZE];
    Completed_First_Name(nTeam, nSlot, szFirst);
    Fill_Last_Name(nTeam, nSlot, szLast);
    char szName[PLAYER_NAME_TEXT_SIZE];
    if (bLastFirst)
        std::snprintf(szName, sizeof(szName), "%s, %s", szLast, szFirst);
    else
        std::snprintf(szName, sizeof(szName), "%s %s", szFirst, szLast);
    Copy_Out(szOut, nOutSize, szName);
}

// A stored text field of the record; "" for a bad address.
template <size_t N>
void Put_Stored_Text(const char* szFunction, int nTeam, int nSlot, char (PLAYER::*pField)[N], char* szOut,
                     size_t nOutSize)
{
    Copy_Out(szOut, nOutSize, "");
    if (!Check_Player_Address(szFunction, nTeam, nSlot))
        return;
    Copy_From_Record_Field(szOut, nOutSize, Player_At(nTeam, nSlot).*pField, N);
}

}  // namespace

void Get_Player_Last_Name(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    Put_Name(__func__, nTeam, nSlot, szOut, nOutSize, Fill_Last_Name);
}

void Get_Player_First_Name_Filled(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    Put_Name(__func__, nTeam, nSlot, szOut, nOutSize, Fill_First_Name);
}

void Get_Player_First_Name(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    Put_Name(__func__, nTeam, nSlot, szOut, nOutSize, Completed_First_Name);
}

void Get_Player_Full_Name(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    if (!Is_Team_Index(nTeam) || !Is_Valid_Team(nTeam)) {
        Report_Error("Invalid team in %s(%d,%d,)", __func__, nTeam, nSlot);
        Copy_Out(szOut, nOutSize, "INVALID-TEAM");
        return;
    }
    if (!Is_Player_Slot_Used(nTeam, nSlot)) {
        Report_Error("Invalid player in %s(%d,%d,)", __func__, nTeam, nSlot);
        Copy_Out(szOut, nOutSize, "INVALID-PLAYER");
        return;
    }
    Put_Joined_Name(nTeam, nSlot, false, szOut, nOutSize);
}

void Get_Player_Full_Name_Copy(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    Get_Player_Full_Name(nTeam, nSlot, szOut, nOutSize);
}

void Get_Player_Name_Last_First(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    Copy_Out(szOut, nOutSize, "");
    if (!Name_Address_Holds_Player(__func__, nTeam, nSlot))
        return;
    Put_Joined_Name(nTeam, nSlot, true, szOut, nOutSize);
}

void Get_Player_College(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    Put_Stored_Text(__func__, nTeam, nSlot, &PLAYER::szCollege, szOut, nOutSize);
}

void Get_Player_Corvel_ID(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    Put_Stored_Text(__func__, nTeam, nSlot, &PLAYER::szCorvelID, szOut, nOutSize);
}

int Get_Player_Position_Name(char* szOut, size_t nOutSize, int nTeam, int nSlot)
{
    Copy_Out(szOut, nOutSize, "");
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return -1;
    int nPosition = Player_At(nTeam, nSlot).nVital[VITAL_POSITION];
    if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS)
        Copy_Out(szOut, nOutSize, Get_Resource_String(POSITION_ABBREVIATION_STRING + nPosition));
    else if (nPosition == POSITION_ANY)
        Copy_Out(szOut, nOutSize, "Any");
    return nPosition;
}

// ---------------------------------------------------------------------------
// Vital statistics, ages and draft data

int Get_Player_Vital_Stat(int nTeam, int nSlot, int nCode)
{
    if (nTeam == NO_TEAM || nSlot == NO_PLAYER || nCode < 0)
        return 0;
    if (!Is_Team_Index(nTeam)) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d)", __func__, nTeam, nSlot, nCode);
        return 0;
    }
    if (!Is_Slot_Index(nSlot)) {
        Report_Error("nSlot out of bounds in %s(%d,[%d],%d)", __func__, nTeam, nSlot, nCode);
        return 0;
    }
    int32_t* nVital = Player_At(nTeam, nSlot).nVital;
    if (nCode < NUMBER_OF_VITAL_STATS) {
        if (nCode == VITAL_POTENTIAL && nVital[VITAL_POTENTIAL] > 250)
            nVital[VITAL_POTENTIAL] = 75 + Get_Random_Below(60);
        if (nCode == VITAL_PEAK_START) {
            int32_t nStart = nVital[VITAL_PEAK_START];
            int32_t nEnd = nVital[VITAL_PEAK_END];
            if (nStart > nEnd || nStart > 30) {
                int32_t nLowest = nStart < nEnd ? nStart : nEnd;
                nVital[VITAL_PEAK_START] = nLowest < 30 ? nLowest : 30;
            }
        }
        return nVital[nCode];
    }
    switch (nCode) {
    case VITAL_PRORATED_BONUS:
        if (nVital[VITAL_CONTRACT_LENGTH] == 0)
            return 0;
        // In 64 bits: a damaged record (bonus INT32_MIN over -1 years) must
        // not trap the division.
        return Clamp_To_Int(static_cast<int64_t>(nVital[VITAL_SIGNING_BONUS]) / nVital[VITAL_CONTRACT_LENGTH]);
    case VITAL_CAP_CHARGE: {
        int64_t nSum = static_cast<int64_t>(nVital[VITAL_SALARY]) + Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRORATED_BONUS);
        // A one-year minimum contract with a small bonus is charged at most
        // the two-season minimum.
        if (nVital[VITAL_SALARY] <= Get_Player_Minimum_Salary(nTeam, nSlot) &&
            nVital[VITAL_CONTRACT_LENGTH] == 1 && nVital[VITAL_SIGNING_BONUS] <= Apply_Inflation(65)) {
            int64_t nCap = Get_Minimum_Salary(2);
            if (nCap < nSum)
                nSum = nCap;
        }
        return Clamp_To_Int(nSum);
    }
    case VITAL_SCALED_CAP_CHARGE:
        return Scale_To_Salary_Cap(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_CHARGE));
    default:
        Show_Formatted_Message("Get_Player_Vital_Stat(TNUM nTeam, INDEX nSlot, int nStat)", "Unrecognized VITAL_STAT: %d", nCode);
        return 0;
    }
}

int Get_Player_Stored_Vital_Stat(int nTeam, int nSlot, int nCode)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    if (nCode < 0 || nCode >= NUMBER_OF_VITAL_STATS) {
        Report_Error("nCode out of bounds in %s(%d,%d,[%d])", __func__, nTeam, nSlot, nCode);
        return 0;
    }
    return Player_At(nTeam, nSlot).nVital[nCode];
}

bool Has_Player_Last_Name(int nTeam, int nSlot)
{
    return Check_Player_Address(__func__, nTeam, nSlot) && Player_At(nTeam, nSlot).szLastName[0] != '\0';
}

int Read_Player_ID(int nTeam, int nSlot)
{
    if (nSlot == NO_PLAYER || nTeam == NO_TEAM)
        return -1;
    if (!Check_Player_Address("Get_Player_ID", nTeam, nSlot))
        return 0;
    return Player_At(nTeam, nSlot).nVital[VITAL_PLAYER_ID];
}

int Get_Player_Age(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    return Get_Current_Year() - Player_At(nTeam, nSlot).nVital[VITAL_BIRTH_DATE] / 10000;
}

int Get_Player_Exact_Age(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    SEASON_DATE Date = Get_Current_Season_Date();
    int64_t nYear = static_cast<int64_t>(Get_Current_Year()) + (Date.bNextYear ? 1 : 0);
    // Month and day counted from 0, as the age has always been figured.
    int64_t nToday = (nYear * 100 + Date.nMonth) * 100 + Date.nDay;

    PLAYER& Player = Player_At(nTeam, nSlot);
    int64_t nBirth = Player.nVital[VITAL_BIRTH_DATE];
    if (nBirth < 18000000) {
        nBirth = (nYear - Count_NFL_Seasons(nTeam, nSlot) - 21) * 10000 + 101;
        // An empty slot is only read, never given a birth date.
        if (Player.nVital[VITAL_PLAYER_ID] != 0)
            Player.nVital[VITAL_BIRTH_DATE] = Clamp_To_Int(nBirth);
    }
    return Clamp_To_Int((nToday - nBirth) / 10000);
}

int Get_Player_Byte_Stat(int nTeam, int nSlot, int n)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    const PLAYER& Player = Player_At(nTeam, nSlot);
    if (n >= 0 && n < 4)
        return Player.bStat[n];
    if (n >= 4 && n < PLAYER_BYTE_STAT_COUNT)
        return Player.bStatHigh[n - 4];
    Report_Error("nStat out of bounds in %s(%d,%d,[%d])", __func__, nTeam, nSlot, n);
    return 0;
}

void Set_Player_Byte_Stat(int nTeam, int nSlot, int n, int nValue)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    PLAYER& Player = Player_At(nTeam, nSlot);
    if (n >= 0 && n < 4)
        Player.bStat[n] = static_cast<uint8_t>(nValue);
    else if (n >= 4 && n < PLAYER_BYTE_STAT_COUNT)
        Player.bStatHigh[n - 4] = static_cast<uint8_t>(nValue);
    else
        Report_Error("nStat out of bounds in %s(%d,%d,[%d],%d)", __func__, nTeam, nSlot, n, nValue);
}

// ---------------------------------------------------------------------------
// Positions

int Translate_Expanded_Position(int nExpandedPosition)
{
    if (nExpandedPosition < POSITION_ANY)
        return nExpandedPosition;
    if (nExpandedPosition < NUMBER_OF_EXPANDED_POSITIONS)
        return EXPANDED_BASE_POSITION[nExpandedPosition - POSITION_ANY];
    Show_Formatted_Message("Unhandled Parameter", "Unhandled nExpandedPosition in Translate_Expanded_Position([%d])", nExpandedPosition);
    return -1;
}

int Get_Position_Unit(int nPosition)
{
    if (nPosition >= POSITION_ANY && nPosition < NUMBER_OF_EXPANDED_POSITIONS)
        nPosition = Translate_Expanded_Position(nPosition);
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return -1;
    return POSITION_UNIT[nPosition];
}

int Get_Position_Side(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return -1;
    return POSITION_SIDE[nPosition];
}

int Get_Position_Quota(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return 0;
    return POSITION_QUOTA[nPosition];
}

int Read_Player_Position(int nTeam, int nSlot)
{
    if (!Check_Player_Address("Get_Player_Position", nTeam, nSlot))
        return 0;
    return Player_At(nTeam, nSlot).nVital[VITAL_POSITION];
}

int Read_Player_Position_Unit(int nTeam, int nSlot)
{
    if (!Check_Player_Address("Get_Player_Position_Unit", nTeam, nSlot))
        return -1;
    int nPosition = Player_At(nTeam, nSlot).nVital[VITAL_POSITION];
    if (nPosition == POSITION_QB)
        return UNIT_QUARTERBACK;
    return Get_Position_Unit(nPosition);
}

int Get_Player_Unit(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return -1;
    return Get_Position_Unit(Player_At(nTeam, nSlot).nVital[VITAL_POSITION]);
}

int Get_Player_Side(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return -1;
    return Get_Position_Side(Player_At(nTeam, nSlot).nVital[VITAL_POSITION]);
}

bool Is_Player_Back_Or_Receiver(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return false;
    int nPosition = Player_At(nTeam, nSlot).nVital[VITAL_POSITION];
    return (nPosition >= POSITION_RB && nPosition <= POSITION_WR) || nPosition == POSITION_CB || nPosition == POSITION_S;
}

bool Is_Player_Within_Position_Quota(int nTeam, int nSlot)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot) || nTeam >= FREE_AGENT_TEAM)
        return false;
    int nPosition = Player_At(nTeam, nSlot).nVital[VITAL_POSITION];
    int nQuota = Get_Position_Quota(nPosition);
    int nCount = 0;
    for (int k = 0; k <= nSlot; ++k) {
        const PLAYER& Other = Player_At(nTeam, k);
        if (Other.nVital[VITAL_PLAYER_ID] != 0 && Other.nVital[VITAL_POSITION] == nPosition) {
            if (++nCount > nQuota)
                return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------
// Repairs run on a loaded league

void Repair_Player_Birth_Dates()
{
    int nYear = Get_Current_Year();
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        if (nTeam == HALL_OF_FAME_TEAM || !Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            int32_t* nVital = Player_At(nTeam, nSlot).nVital;
            if (nVital[VITAL_PLAYER_ID] == 0)
                continue;
            int nBirth = nVital[VITAL_BIRTH_DATE];
            int nAge = nYear - nBirth / 10000;
            if (nAge > 100 || nAge < 17) {
                int nMonthDay = nBirth >= 0 ? nBirth % 10000 : 0;
                nVital[VITAL_BIRTH_DATE] = (nYear - 22) * 10000 + nMonthDay;
            }
        }
    }
}

void Fill_Missing_Player_Measures()
{
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            int32_t* nVital = Player_At(nTeam, nSlot).nVital;
            if (nVital[VITAL_PLAYER_ID] == 0)
                continue;
            if (nVital[VITAL_HEIGHT] == 0)
                nVital[VITAL_HEIGHT] = Generate_Player_Height(nVital[VITAL_POSITION]);
            if (nVital[VITAL_WEIGHT] == 0)
                nVital[VITAL_WEIGHT] = Generate_Player_Weight(nTeam, nSlot);
        }
    }
}

void Set_Player_Vital_Stat(int nTeam, int nSlot, int nCode, int nValue)
{
    if (!Is_Team_Index(nTeam)) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d,%d)", __func__, nTeam, nSlot, nCode, nValue);
        return;
    }
    if (!Is_Slot_Index(nSlot)) {
        Report_Error("nSlot out of bounds in %s(%d,[%d],%d,%d)", __func__, nTeam, nSlot, nCode, nValue);
        return;
    }
    if (nCode < 0 || nCode >= NUMBER_OF_VITAL_STATS) {
        Report_Error("nCode out of bounds in %s(%d,%d,[%d],%d)", __func__, nTeam, nSlot, nCode, nValue);
        return;
    }
    constexpr int MAX_SEASONS_PLAYED = 30;
    if (nCode == VITAL_SEASONS_PLAYED && nValue > MAX_SEASONS_PLAYED)
        nValue = MAX_SEASONS_PLAYED;
    Player_At(nTeam, nSlot).nVital[nCode] = nValue;
    ++g_nTeamVitalChanges[nTeam];
}

unsigned Get_Team_Vital_Changes(int nTeam)
{
    return Is_Team_Index(nTeam) ? g_nTeamVitalChanges[nTeam] : 0;
}

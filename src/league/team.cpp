#include "league/team.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <utility>

#include "frontoffice/roster_moves.h"
#include "base/int_math.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_text.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "base/random.h"
#include "base/text_utils.h"
#include "platform/errors.h"
#include "platform/resources.h"
#include "platform/ui.h"
#include "season/draft_state.h"
#include "season/player_generation.h"

namespace {

constexpr int LAST_FRANCHISE = MAX_FRANCHISES - 1;          // 35
constexpr int LAST_STRING_CHARS = TEAM_STRING_SIZE - 1;     // 31 characters and the NUL
constexpr int LAST_EXPANDED_POSITION = NUMBER_OF_EXPANDED_POSITIONS - 1;
constexpr int YEARLY_CHAR_MAX = 127;
constexpr int RETURNER_KINDS = 2;
constexpr int SHORT_POSITION_NAME_ID = 59;                  // string table: "QB" .. "P"
constexpr int DEFAULT_OFFSEASON_INJURY_LIMIT = 19;
constexpr int SEASON_WEEKS_FOR_INJURY_LIMIT = 52;
constexpr float NEW_SIDE_PLAYER_FACTOR = 1.1f;

const char* const DEFENSE_SCHEME_NAMES[] = {"4-3", "3-4"};
const char* const OFFENSE_SCHEME_NAMES[] = {"Traditional", "3 Wideouts", "2 Tight Ends", "2 Running Backs"};
constexpr int DEFENSE_SCHEME_COUNT = sizeof(DEFENSE_SCHEME_NAMES) / sizeof(DEFENSE_SCHEME_NAMES[0]);
constexpr int OFFENSE_SCHEME_COUNT = sizeof(OFFENSE_SCHEME_NAMES) / sizeof(OFFENSE_SCHEME_NAMES[0]);
static_assert(DEFENSE_SCHEME_COUNT == 2 && OFFENSE_SCHEME_COUNT == 4);

// The en dash of code page 1252: the abbreviation of the pool slots.
const char EN_DASH_TEXT[] = "\x96";

// Positions of each side: offence QB-C, defence DE-S, kickers K and P.
constexpr int SIDE_FIRST_POSITION[3] = {POSITION_QB, POSITION_DE, POSITION_K};
constexpr int SIDE_LAST_POSITION[3] = {POSITION_C, POSITION_S, POSITION_P};

bool Is_Franchise_Used(int nTeam)
{
    return In_Range(nTeam, 0, LAST_FRANCHISE)
        && League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] != CONTROLLER_NOT_IN_USE;
}

int& Preference(int nSlot)
{
    return League.Preferences.nInt[nSlot];
}

// Copies at most nMax characters into a field of nField bytes, zero-filling
// the rest so that no old text survives behind the terminator.
void Copy_Into_Field(char* szField, int nField, const char* szText, int nMax)
{
    std::memset(szField, 0, nField);
    int n = 0;
    while (n < nMax && n < nField - 1 && szText[n] != '\0')
        ++n;
    std::memcpy(szField, szText, n);
}

int Player_Position(int nTeam, int nSlot)
{
    return League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION];
}

int Injury_Weeks(int nTeam, int nSlot)
{
    return League.Team[nTeam].Player[nSlot].nVital[VITAL_INJURY_WEEKS];
}

bool Is_Valid_Position_Code(int nPosition)
{
    return In_Range(nPosition, 0, LAST_EXPANDED_POSITION);
}

// Whether a player's position answers a finder's code (already checked to
// be 0-42): 16 any defender, 17 any offensive lineman, expanded codes by
// their base position, other codes exactly.
bool Position_Matches(int nPlayerPosition, int nCode)
{
    if (!In_Range(nPlayerPosition, POSITION_QB, POSITION_P))
        return false;
    if (nCode == POSITION_GROUP_DEFENDER)
        return Get_Position_Unit(nPlayerPosition) == UNIT_DEFENSE;
    if (nCode == POSITION_GROUP_OFFENSIVE_LINE)
        return Get_Position_Unit(nPlayerPosition) == UNIT_LINE;
    if (nCode > POSITION_P)
        nCode = Translate_Expanded_Position(nCode);
    return nPlayerPosition == nCode;
}

int Find_Name(const char* szName, const char* const* szNames, int nCount)
{
    if (szName == nullptr)
        return 0;
    for (int i = 0; i < nCount; ++i)
        if (Is_Same_Text_No_Case(szName, szNames[i]))
            return i;
    return 0;
}

// The first empty slot of the free-agent pool, 100 when it is full.
int First_Free_Agent_Gap()
{
    return Find_Roster_End(FREE_AGENT_TEAM);
}

// Whether a finished game of the GAME records has the club on either side.
bool Has_Finished_Game(int nTeam)
{
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        const GAME& Game = League.Game[g];
        if ((Game.nAwayTeam == nTeam || Game.nHomeTeam == nTeam) && Game.nAwayTeam != Game.nHomeTeam &&
            Is_Game_Record_Final(g))
            return true;
    }
    return false;
}

// Whether the club has played: a finished game of the GAME records, or the
// results of a season up to the current one in its yearly records.
bool Has_Played(int nTeam)
{
    if (Has_Finished_Game(nTeam))
        return true;
    const int nLast = Preference(PREF_SEASON_INDEX);
    for (int y = 0; y <= nLast && y < YEARLY_RECORD_YEARS; ++y) {
        const int8_t* pYear = League.Team[nTeam].bYearly[y];
        if (pYear[YEARLY_WINS] != 0 || pYear[YEARLY_LOSSES] != 0 || pYear[YEARLY_TIES] != 0)
            return true;
    }
    return false;
}

}  // namespace

// ---------------------------------------------------------------------------
// Slots in use

bool Is_Erased_Club(int nTeam)
{
    if (!In_Range(nTeam, 0, LAST_FRANCHISE) || Is_Franchise_Used(nTeam))
        return false;
    const TEAM& Team = League.Team[nTeam];
    return Team.szString[TEAM_STRING_CITY][0] != '\0' || Team.szString[TEAM_STRING_NICKNAME][0] != '\0';
}

bool Is_Club_Of_Season(int nTeam)
{
    return Is_Franchise_Used(nTeam) || Is_Erased_Club(nTeam);
}

bool Is_Erased_Club_In_Game_Records(int nTeam)
{
    return Is_Erased_Club(nTeam) && Has_Finished_Game(nTeam);
}

bool Check_Team_Index(const char* szFunction, int nTeam)
{
    if (In_Range(nTeam, 0, LAST_TEAM))
        return true;
    Report_Error("nTeam out of bounds in %s([%d])", szFunction, nTeam);
    return false;
}

// ---------------------------------------------------------------------------
// Team strings

int Get_Team_String(char* szOut, size_t nSize, int nTeam, int nString)
{
    if (szOut == nullptr || nSize == 0) {
        Report_Error("NULL buffer in %s(st, %d, %d)", __func__, nTeam, nString);
        return 0;
    }
    if (nTeam < 0) {
        Report_Error("Negative nTeam in %s(st, [%d], %d)", __func__, nTeam, nString);
        Put_Text(szOut, nSize, "OUTOFRANGE");
        return 0;
    }
    if (nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam >= TOTAL_NUMBER_OF_TEAMS in %s(st, [%d], %d)", __func__, nTeam, nString);
        Put_Text(szOut, nSize, "OUTOFRANGE");
        return 0;
    }
    if (!In_Range(nString, 0, TEAM_STRING_COUNT - 1)) {
        Report_Error("nString out of bounds in %s(st, %d, [%d])", __func__, nTeam, nString);
        szOut[0] = '\0';
        return 0;
    }
    const char* szFixed = nullptr;
    if (nTeam == FREE_AGENT_TEAM)
        szFixed = nString == TEAM_STRING_ABBREVIATION ? EN_DASH_TEXT : nString == TEAM_STRING_CITY ? "Free Agent" : "";
    else if (nTeam == HALL_OF_FAME_TEAM)
        szFixed = nString == TEAM_STRING_ABBREVIATION ? "HOF" : nString == TEAM_STRING_CITY ? "Hall Of Fame" : "";
    else if (nTeam >= FIRST_DRAFT_POOL_TEAM)
        szFixed = nString == TEAM_STRING_ABBREVIATION ? EN_DASH_TEXT : nString == TEAM_STRING_CITY ? "Undrafted" : "";
    if (szFixed != nullptr)
        Put_Text(szOut, nSize, szFixed);
    else
        Copy_From_Record_Field(szOut, nSize, League.Team[nTeam].szString[nString], TEAM_STRING_SIZE);
    return 1;
}

void Set_Team_String(const char* szText, int nTeam, int nString)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s()", __func__);
        return;
    }
    if (!In_Range(nString, 0, TEAM_STRING_COUNT - 1)) {
        Report_Error("nString out of bounds in %s()", __func__);
        return;
    }
    if (szText == nullptr) {
        Report_Error("NULL text in %s()", __func__);
        return;
    }
    Copy_Into_Field(League.Team[nTeam].szString[nString], TEAM_STRING_SIZE, szText, LAST_STRING_CHARS);
}

// ---------------------------------------------------------------------------
// Team stats

int Get_Team_Stat(int nTeam, int nStat)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        // NO_TEAM is a normal "none" here and reads as 0 without a report.
        if (nTeam != NO_TEAM)
            Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, nStat);
        return 0;
    }
    if (!In_Range(nStat, 0, TEAM_STAT_COUNT - 1)) {
        Report_Error("nStat out of bounds in %s(%d,[%d])", __func__, nTeam, nStat);
        return 0;
    }
    return League.Team[nTeam].nTeamStat[nStat];
}

void Set_Team_Stat(int nTeam, int nStat, int nValue)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s(<%d>,%d,%d)", __func__, nTeam, nStat, nValue);
        return;
    }
    if (!In_Range(nStat, 0, TEAM_STAT_COUNT - 1)) {
        Report_Error("nStat out of bounds in %s(<%d>,%d,%d)", __func__, nTeam, nStat, nValue);
        return;
    }
    League.Team[nTeam].nTeamStat[nStat] = nValue;
}

void Set_All_Teams_Controller(int nValue)
{
    int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t)
        League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = nValue;
}

int Find_Defense_Scheme(const char* szName)
{
    return Find_Name(szName, DEFENSE_SCHEME_NAMES, DEFENSE_SCHEME_COUNT);
}

int Find_Offense_Scheme(const char* szName)
{
    return Find_Name(szName, OFFENSE_SCHEME_NAMES, OFFENSE_SCHEME_COUNT);
}

// ---------------------------------------------------------------------------
// Stadium stats

int Get_Team_Stadium_Stat(int nTeam, int n)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s(%d,%d)", __func__, nTeam, n);
        return 0;
    }
    if (!In_Range(n, 0, STADIUM_STAT_COUNT - 1)) {
        Report_Error("nStat out of bounds in %s(%d,[%d])", __func__, nTeam, n);
        return 0;
    }
    return League.Team[nTeam].nStadiumStat[n];
}

void Set_Team_Stadium_Stat(int nTeam, int n, int nValue)
{
    if (!In_Range(nTeam, 0, FREE_AGENT_TEAM)) {
        Report_Error("nTeam out of bounds in %s(%d,%d,%d)", __func__, nTeam, n, nValue);
        return;
    }
    if (!In_Range(n, 0, STADIUM_STAT_COUNT - 1)) {
        Report_Error("nStat out of bounds in %s(%d,[%d],%d)", __func__, nTeam, n, nValue);
        return;
    }
    League.Team[nTeam].nStadiumStat[n] = nValue;
}

// ---------------------------------------------------------------------------
// Yearly records. The readers log their failures instead of reporting them:
// pages read them for every team every repaint.

int Get_Team_Yearly_Char(int nTeam, int nYear, int n)
{
    // An erased club's seasons are read as they were played.
    if (!Is_Club_Of_Season(nTeam)) {
        if (!In_Range(nTeam, 0, LAST_TEAM) && nTeam != NO_TEAM)
            Write_Debug_Log("Invalid nTeam in Get_Team_Yearly_Char([%d],%d,%d)", nTeam, nYear, n);
        return 0;
    }
    if (!In_Range(nYear, 0, YEARLY_RECORD_YEARS - 1)) {
        Write_Debug_Log("Invalid nYear in Get_Team_Yearly_Char(%d,%d,%d)", nTeam, nYear, n);
        return 0;
    }
    if (!In_Range(n, 0, YEARLY_RECORD_BYTES - 1)) {
        Write_Debug_Log("Invalid n in Get_Team_Yearly_Char(%d,%d,[%d])", nTeam, nYear, n);
        return 0;
    }
    return League.Team[nTeam].bYearly[nYear][n];
}

int Get_Team_Current_Yearly_Char(int nTeam, int n)
{
    // While the college draft runs the season index has already moved on,
    // and "current" still means the season just played.
    int nYear = Preference(PREF_SEASON_INDEX);
    if (Is_College_Draft_Running())
        --nYear;
    return Get_Team_Yearly_Char(nTeam, nYear, n);
}

namespace {

void Store_Yearly_Char(const char* szName, int nTeam, int nYear, int n, int nValue)
{
    if (!In_Range(nTeam, 0, LAST_FRANCHISE)) {
        Report_Error("nTeam out of bounds in %s()", szName);
        return;
    }
    if (!In_Range(n, 0, YEARLY_RECORD_BYTES - 1)) {
        Report_Error("nStat out of bounds in %s()", szName);
        return;
    }
    if (!In_Range(nYear, 0, YEARLY_RECORD_YEARS - 1)) {
        Report_Error("nYear out of bounds in %s()", szName);
        return;
    }
    if (!In_Range(nValue, 0, YEARLY_CHAR_MAX)) {
        Report_Error("cValue out of bounds in %s()", szName);
        return;
    }
    League.Team[nTeam].bYearly[nYear][n] = static_cast<int8_t>(nValue);
}

void Store_Yearly_Int(const char* szName, int nTeam, int nYear, int n, int nValue)
{
    if (!In_Range(nTeam, 0, LAST_FRANCHISE)) {
        Report_Error("nTeam out of bounds in %s()", szName);
        return;
    }
    if (!In_Range(n, 0, YEARLY_INT_COUNT - 1)) {
        Report_Error("nStat out of bounds in %s()", szName);
        return;
    }
    if (!In_Range(nYear, 0, YEARLY_RECORD_YEARS - 1)) {
        Report_Error("nYear out of bounds in %s()", szName);
        return;
    }
    League.Team[nTeam].nYearly[nYear][n] = nValue;
}

}  // namespace

void Set_Team_Yearly_Char(int nTeam, int nYear, int n, int nValue)
{
    Store_Yearly_Char(__func__, nTeam, nYear, n, nValue);
}

void Set_Team_Record_Char(int nTeam, int n, int nValue)
{
    Store_Yearly_Char(__func__, nTeam, Preference(PREF_SEASON_INDEX), n, nValue);
}

int Get_Team_Yearly_Int(int nTeam, int nYear, int n)
{
    if (!Is_Club_Of_Season(nTeam)) {
        if (!In_Range(nTeam, 0, LAST_TEAM) && nTeam != NO_TEAM)
            Write_Debug_Log("Invalid nTeam in Get_Team_Yearly_Int([%d],%d,%d)", nTeam, nYear, n);
        return 0;
    }
    if (!In_Range(nYear, 0, YEARLY_RECORD_YEARS - 1)) {
        Write_Debug_Log("Invalid nYear in Get_Team_Yearly_Int(%d,%d,%d)", nTeam, nYear, n);
        return 0;
    }
    if (!In_Range(n, 0, YEARLY_INT_COUNT - 1)) {
        Write_Debug_Log("Invalid n in Get_Team_Yearly_Int(%d,%d,[%d])", nTeam, nYear, n);
        return 0;
    }
    return League.Team[nTeam].nYearly[nYear][n];
}

void Set_Team_Yearly_Int(int nTeam, int nYear, int n, int nValue)
{
    Store_Yearly_Int(__func__, nTeam, nYear, n, nValue);
}

void Set_Team_Record_Int(int nTeam, int n, int nValue)
{
    Store_Yearly_Int(__func__, nTeam, Preference(PREF_SEASON_INDEX), n, nValue);
}

// ---------------------------------------------------------------------------
// Returners

void Set_Team_Returner(int nTeam, int nKind, int nSlot)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s(%d,%d,%d)", __func__, nTeam, nKind, nSlot);
        return;
    }
    if (!In_Range(nKind, 0, RETURNER_KINDS - 1)) {
        Report_Error("nKind out of bounds in %s(%d,[%d],%d)", __func__, nTeam, nKind, nSlot);
        return;
    }
    if (!In_Range(nSlot, 0, PLAYERS_PER_TEAM - 1)) {
        Report_Error("nSlot out of bounds in %s(%d,%d,[%d])", __func__, nTeam, nKind, nSlot);
        return;
    }
    League.Team[nTeam].bReturner[nKind] = static_cast<uint8_t>(nSlot);
}

int Get_Team_Returner(int nTeam, int nKind)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s(%d,%d)", __func__, nTeam, nKind);
        return 0;
    }
    if (!In_Range(nKind, 0, RETURNER_KINDS - 1)) {
        Report_Error("nKind out of bounds in %s(%d,[%d])", __func__, nTeam, nKind);
        return 0;
    }
    int nSlot = League.Team[nTeam].bReturner[nKind];
    // An empty slot never returns kicks, whatever position its stale bytes hold.
    if (nSlot < PLAYERS_PER_TEAM && League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID] != 0) {
        switch (Player_Position(nTeam, nSlot)) {
        case POSITION_RB: case POSITION_FB: case POSITION_TE: case POSITION_WR:
        case POSITION_CB: case POSITION_S:
            return nSlot;
        default:
            break;
        }
    }
    nSlot = Choose_Team_Returner(nTeam, nKind);
    return nSlot < 0 ? 0 : nSlot;
}

// ---------------------------------------------------------------------------
// Roster finders

namespace {

// Common checks of the finders: 1 when the team can be scanned. A team slot
// that holds no players is simply empty; a number outside 0-40 is reported.
bool Finder_Team_Ok(const char* szName, int nTeam, int nArgument)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", szName, nTeam, nArgument);
        return false;
    }
    return Is_Valid_Team(nTeam) != 0;
}

bool Finder_Position_Ok(const char* szName, int nTeam, int nPosition)
{
    if (!Is_Valid_Position_Code(nPosition)) {
        Report_Error("nPosition out of bounds in %s(%d,[%d])", szName, nTeam, nPosition);
        return false;
    }
    return true;
}

bool Finder_Side_Ok(const char* szName, int nTeam, int nSide)
{
    if (!In_Range(nSide, SIDE_OFFENSE, SIDE_KICKERS)) {
        Report_Error("nSide out of bounds in %s(%d,[%d])", szName, nTeam, nSide);
        return false;
    }
    return true;
}

int Count_Matching_Players(int nTeam, int nPosition)
{
    int nCount = 0;
    int nLength = Find_Roster_End(nTeam);
    for (int s = 0; s < nLength; ++s)
        if (Position_Matches(Player_Position(nTeam, s), nPosition))
            ++nCount;
    return nCount;
}

// The injury weeks below which a player still counts as available.
int Available_Injury_Limit()
{
    int nWeek = Preference(PREF_CURRENT_WEEK);
    if (nWeek == OFFSEASON_WEEK)
        return DEFAULT_OFFSEASON_INJURY_LIMIT;
    if (Is_Season_Complete())
        return SEASON_WEEKS_FOR_INJURY_LIMIT - nWeek;
    return 1;
}

}  // namespace

int Count_Team_Position_Players(int nTeam, int nPosition)
{
    if (!Finder_Team_Ok(__func__, nTeam, nPosition))
        return 0;
    if (!Finder_Position_Ok(__func__, nTeam, nPosition))
        return 0;
    return Count_Matching_Players(nTeam, nPosition);
}

int Count_Position_Players(int nTeam, int nPosition)
{
    if (nTeam == ALL_TEAMS || nTeam == -1) {
        int nTeams = Count_Teams();
        int nCount = 0;
        for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t)
            nCount += Count_Position_Players(t, nPosition);
        return nCount;
    }
    if (!Finder_Team_Ok(__func__, nTeam, nPosition))
        return 0;
    if (nPosition == -1)
        return Find_Roster_End(nTeam);
    if (!Finder_Position_Ok(__func__, nTeam, nPosition))
        return 0;
    return Count_Matching_Players(nTeam, nPosition);
}

int Count_Team_Side_Players(int nTeam, int nSide)
{
    if (!Finder_Team_Ok(__func__, nTeam, nSide))
        return 0;
    if (!Finder_Side_Ok(__func__, nTeam, nSide))
        return 0;
    int nCount = 0;
    int nLength = Find_Roster_End(nTeam);
    for (int s = 0; s < nLength; ++s)
        if (Get_Position_Side(Player_Position(nTeam, s)) == nSide)
            ++nCount;
    return nCount;
}

int Count_Team_Available_Position_Players(int nTeam, int nPosition)
{
    if (!Finder_Team_Ok(__func__, nTeam, nPosition))
        return 0;
    if (!Finder_Position_Ok(__func__, nTeam, nPosition))
        return 0;
    int nLimit = Available_Injury_Limit();
    int nCount = 0;
    int nLength = Find_Roster_End(nTeam);
    for (int s = 0; s < nLength; ++s) {
        if (!Position_Matches(Player_Position(nTeam, s), nPosition))
            continue;
        int nWeeks = Injury_Weeks(nTeam, s);
        if (nWeeks < 1 || nWeeks < nLimit)
            ++nCount;
    }
    return nCount;
}

int Find_Team_Position_Player(int nTeam, int nPosition, int n)
{
    if (!Finder_Team_Ok(__func__, nTeam, nPosition))
        return -1;
    if (!Finder_Position_Ok(__func__, nTeam, nPosition))
        return -1;
    int nLength = Find_Roster_End(nTeam);
    for (int s = 0; s < nLength; ++s)
        if (Position_Matches(Player_Position(nTeam, s), nPosition) && n-- == 0)
            return s;
    return -1;
}

int Get_Team_Uninjured_Position_Player(int nTeam, int nPosition, int n)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, nPosition);
        return -1;
    }
    if (!Finder_Position_Ok(__func__, nTeam, nPosition))
        return -1;
    int nLength = Count_Team_Players(nTeam);
    int nLeft = n;
    for (int s = 0; s < nLength; ++s) {
        if (Position_Matches(Player_Position(nTeam, s), nPosition) && Injury_Weeks(nTeam, s) < 1
            && nLeft-- == 0)
            return s;
    }
    // Fewer healthy players than asked for (or a slot not in use): an
    // answer, not a fault; the callers fall back on their own.
    return -1;
}

namespace {

// The n-th player matching nPosition (-1: any player) over the given teams.
bool Find_Nth_Player(const int* pnTeams, int nTeamCount, int nPosition, int n, int* pnTeam, int* pnSlot)
{
    if (n < 0)
        return false;
    for (int i = 0; i < nTeamCount; ++i) {
        int t = pnTeams[i];
        int nLength = Find_Roster_End(t);
        for (int s = 0; s < nLength; ++s) {
            if (nPosition >= 0 && !Position_Matches(Player_Position(t, s), nPosition))
                continue;
            if (n-- == 0) {
                *pnTeam = t;
                *pnSlot = s;
                return true;
            }
        }
    }
    return false;
}

void Set_No_Player(int* pnTeam, int* pnSlot)
{
    if (pnTeam != nullptr)
        *pnTeam = NO_TEAM;
    if (pnSlot != nullptr)
        *pnSlot = NO_PLAYER;
}

}  // namespace

int Get_N_Universe_Player(int n, int* pnTeam, int* pnSlot)
{
    Set_No_Player(pnTeam, pnSlot);
    if (pnTeam == nullptr || pnSlot == nullptr) {
        Report_Error("NO_PLAYER returned in %s(%d)", __func__, n);
        return 0;
    }
    int nTeams[TOTAL_NUMBER_OF_TEAMS];
    int nCount = 0;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        if (Is_Valid_Team(t))
            nTeams[nCount++] = t;
    if (!Find_Nth_Player(nTeams, nCount, -1, n, pnTeam, pnSlot)) {
        Report_Error("NO_PLAYER returned in %s(%d)", __func__, n);
        return 0;
    }
    return 1;
}

int Find_Last_Team_Side_Player(int nTeam, int nSide)
{
    if (!Finder_Team_Ok(__func__, nTeam, nSide))
        return -1;
    if (!Finder_Side_Ok(__func__, nTeam, nSide))
        return -1;
    for (int s = Find_Roster_End(nTeam) - 1; s >= 0; --s)
        if (Get_Position_Side(Player_Position(nTeam, s)) == nSide)
            return s;
    return -1;
}

int Get_Or_Create_Team_Side_Player(int nTeam, int nSide)
{
    if (!In_Range(nTeam, 0, LAST_TEAM) || !Is_Valid_Team(nTeam)) {
        Report_Error("Invalid nTeam in %s([%d],%d)", __func__, nTeam, nSide);
        return -1;
    }
    if (!Finder_Side_Ok(__func__, nTeam, nSide))
        return -1;
    int nLength = Find_Roster_End(nTeam);
    for (int s = 0; s < nLength; ++s)
        if (Get_Position_Side(Player_Position(nTeam, s)) == nSide)
            return s;
    if (nLength >= PLAYERS_PER_TEAM)
        return PLAYERS_PER_TEAM;
    int nFirst = SIDE_FIRST_POSITION[nSide];
    int nPosition = nFirst + Get_Random_Below(SIDE_LAST_POSITION[nSide] - nFirst + 1);
    int nSlot = nLength;
    Clear_Player(nTeam, nSlot);
    PLAYER& Made = League.Team[nTeam].Player[nSlot];
    Made.nVital[VITAL_PLAYER_ID] = Make_Unique_Player_Id(nTeam, nSlot);
    Made.nVital[VITAL_POSITION] = nPosition;
    Fit_Player_Ratings_To_Target(nTeam, nSlot, nPosition, NEW_SIDE_PLAYER_FACTOR);
    // The slot must end up holding a player of the side whatever the
    // generator did with the record.
    if (Made.nVital[VITAL_PLAYER_ID] == 0)
        Made.nVital[VITAL_PLAYER_ID] = Make_Unique_Player_Id(nTeam, nSlot);
    Made.nVital[VITAL_POSITION] = nPosition;
    if (Made.nVital[VITAL_HEIGHT] == 0)
        Made.nVital[VITAL_HEIGHT] = Generate_Player_Height(nPosition);
    if (Made.nVital[VITAL_WEIGHT] == 0)
        Made.nVital[VITAL_WEIGHT] = Generate_Player_Weight(nTeam, nSlot);
    return nSlot;
}

int Count_Players_By_Last_Initial(int cLetter)
{
    int nTeams = Count_Teams();
    int nCount = 0;
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        int nLength = Find_Roster_End(t);
        for (int s = 0; s < nLength; ++s)
            if (static_cast<unsigned char>(League.Team[t].Player[s].szLastName[0])
                == static_cast<unsigned char>(cLetter))
                ++nCount;
    }
    return nCount;
}

// ---------------------------------------------------------------------------
// Whole records

int Find_Free_Agent_Slot(int nTeam, int nSlot)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, nSlot);
        return -1;
    }
    if (!In_Range(nSlot, 0, PLAYERS_PER_TEAM - 1) || !Is_Player_Slot_Used(nTeam, nSlot)) {
        Report_Error("No player in %s(%d,[%d])", __func__, nTeam, nSlot);
        return -1;
    }
    if (nTeam == FREE_AGENT_TEAM)
        return nSlot;
    int nFree = First_Free_Agent_Gap();
    if (nFree >= PLAYERS_PER_TEAM) {
        Release_Excess_Player(FREE_AGENT_TEAM);
        // Search again: a release that freed nothing must not cost the
        // player in the pool's last slot.
        nFree = First_Free_Agent_Gap();
        if (nFree >= PLAYERS_PER_TEAM) {
            Report_Error("Free agent pool is full in %s(%d,%d)", __func__, nTeam, nSlot);
            return -1;
        }
    }
    int nPlayerID = League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID];
    Swap_Players(nTeam, nSlot, FREE_AGENT_TEAM, nFree);
    Clear_Player(nTeam, nSlot);
    for (int s = nSlot; s < PLAYERS_PER_TEAM - 1; ++s)
        Swap_Players(nTeam, s, nTeam, s + 1);
    Rank_Free_Agent_Pool();
    int nLength = Find_Roster_End(FREE_AGENT_TEAM);
    for (int s = 0; s < nLength; ++s)
        if (League.Team[FREE_AGENT_TEAM].Player[s].nVital[VITAL_PLAYER_ID] == nPlayerID)
            return s;
    // Ranking may release the weakest free agents again; he was one of them.
    return -1;
}

bool Erase_Team(int nTeam, int bKeepPlayers)
{
    if (!Is_Franchise_Used(nTeam)) {
        Report_Error("Invalid nTeam passed to %s().", __func__);
        return false;
    }
    int nPlayers = Find_Roster_End(nTeam);
    int nFree = First_Free_Agent_Gap();
    if (!bKeepPlayers) {
        int nExcess = nPlayers - (PLAYERS_PER_TEAM - nFree);
        if (nExcess > 0) {
            char szText[ERROR_TEXT_SIZE];
            std::snprintf(szText, sizeof(szText),
                          "There is not enough room for %d players on the Free Agent list. "
                          "The least valuable %d players will be eliminated.",
                          nPlayers, nExcess);
            if (Show_Message_Box(szText, "Not Enough Room", BOX_OKCANCEL) == ID_CANCEL)
                return false;
        }
        for (int s = PLAYERS_PER_TEAM - 1; s >= 0; --s) {
            if (League.Team[nTeam].Player[s].nVital[VITAL_PLAYER_ID] == 0)
                continue;
            // A player the pool cannot take leaves the league properly, his
            // season lines with him, rather than vanishing with the record.
            if (Find_Free_Agent_Slot(nTeam, s) < 0
                && League.Team[nTeam].Player[s].nVital[VITAL_PLAYER_ID] != 0)
                Remove_Player_From_Roster(nTeam, s);
        }
    }
    // The season's finished games, its bracket and the club's yearly
    // records name the club by its slot, which moves behind the clubs in use
    // with every reference to it: what its seasons' pages read of it stays
    // there (names, division, results, finishes and titles, team totals), so
    // those seasons are still told as played. Its division keeps the keys and
    // finals of its opponents as they were.
    if (Has_Played(nTeam)) {
        auto pKept = std::make_unique<TEAM>();
        std::memcpy(pKept.get(), &League.Team[nTeam], sizeof(TEAM));
        Clear_Team(nTeam);
        TEAM& Erased = League.Team[nTeam];
        std::memcpy(Erased.szString, pKept->szString, sizeof(Erased.szString));
        std::memcpy(Erased.nTotals, pKept->nTotals, sizeof(Erased.nTotals));
        std::memcpy(Erased.bYearly, pKept->bYearly, sizeof(Erased.bYearly));
        std::memcpy(Erased.nYearly, pKept->nYearly, sizeof(Erased.nYearly));
        Erased.nTeamStat[TEAM_STAT_DIVISION] = pKept->nTeamStat[TEAM_STAT_DIVISION];
    } else {
        Clear_Team(nTeam);
    }
    Compact_Team_Slots();
    Count_Teams();
    Fix_Current_Team_Selection();

    int nCurrent = Preference(PREF_CURRENT_TEAM);
    if (!Is_Valid_Team(nCurrent)) {
        int nBefore = nCurrent - 1;
        if (!Is_Franchise_Used(nBefore)) {
            // Never leave -1 (or another empty slot) as the user's team.
            nBefore = 0;
            for (int t = 0; t < MAX_FRANCHISES; ++t)
                if (Is_Franchise_Used(t)) {
                    nBefore = t;
                    break;
                }
        }
        Preference(PREF_CURRENT_TEAM) = nBefore;
        if (Is_Franchise_Used(nBefore) && Preference(PREF_ALL_COMPUTER_TEAMS) == 0
            && League.Team[nBefore].nTeamStat[TEAM_STAT_CONTROLLER] == CONTROLLER_USER)
            Preference(PREF_SELECTED_TEAM) = nBefore;
    }
    return true;
}

namespace {

// Franchise numbers renamed by a table; every other value stays as it is.
struct TEAM_RENAMING {
    int nNew[MAX_FRANCHISES];

    int Of(int nValue) const { return In_Range(nValue, 0, LAST_FRANCHISE) ? nNew[nValue] : nValue; }
};

// Renames the team numbers the league block stores outside the team records'
// own places.
void Rename_Team_References(const TEAM_RENAMING& Map)
{
    // Schedules: +(team + 1) at home, -(team + 1) away. Every slot is walked,
    // not only those below Count_Teams, which misses teams while a gap is
    // being closed.
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            int32_t& nOpponent = League.Team[t].nSchedule[w][0];
            if (nOpponent > 0)
                nOpponent = Map.Of(nOpponent - 1) + 1;
            else if (nOpponent < 0 && nOpponent >= -MAX_FRANCHISES)
                nOpponent = -(Map.Of(-nOpponent - 1) + 1);
        }
    }

    // Season lines: the team byte is the low byte of word 2. Walking the
    // table once (not the players' links) changes a line shared by two
    // records once only. Free lines (year 0) are left alone.
    for (int i = 0; i < SEASON_LINE_COUNT; ++i) {
        int32_t* pLine = League.SeasonLines[i];
        if (pLine[0] == 0)
            continue;
        int nLineTeam = pLine[2] & 0xFF;
        int nNew = Map.Of(nLineTeam);
        if (nNew != nLineTeam)
            pLine[2] = static_cast<int32_t>((static_cast<uint32_t>(pLine[2]) & ~0xFFu) | static_cast<uint32_t>(nNew));
    }

    // Players: the drafting team of vital stat 13, (team + 1) x 10000 + year,
    // and the fantasy-draft drafted-by byte (byte stat 4, NO_TEAM when none).
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            PLAYER& Player = League.Team[t].Player[s];
            if (Player.nVital[VITAL_PLAYER_ID] == 0)
                continue;
            int32_t& nDrafted = Player.nVital[VITAL_DRAFTED_BY];
            if (nDrafted >= 10000) {
                int nDraftTeam = nDrafted / 10000 - 1;
                int nNew = Map.Of(nDraftTeam);
                if (nNew != nDraftTeam)
                    nDrafted = (nNew + 1) * 10000 + nDrafted % 10000;
            }
            uint8_t& bDraftedBy = Player.bStatHigh[0];
            bDraftedBy = static_cast<uint8_t>(Map.Of(bDraftedBy));
        }
    }

    // Draft picks: owner bytes and the draft order. Every byte is walked;
    // bytes of unused franchises are never read.
    for (auto& Draft : League.Draft.DraftPickOwner)
        for (auto& Round : Draft)
            for (uint8_t& bOwner : Round)
                bOwner = static_cast<uint8_t>(Map.Of(bOwner));
    for (uint8_t& bTeam : League.Draft.DraftOrder)
        bTeam = static_cast<uint8_t>(Map.Of(bTeam));

    // Team-valued preferences: the user's team, the player card's team, the
    // trading partner and the selected team.
    for (int nSlot : {PREF_CURRENT_TEAM, PREF_CARD_TEAM, PREF_TRADE_PARTNER, PREF_SELECTED_TEAM})
        Preference(nSlot) = Map.Of(Preference(nSlot));

    // The game records: both teams and the team with the ball.
    for (GAME& Game : League.Game) {
        Game.nAwayTeam = static_cast<uint8_t>(Map.Of(Game.nAwayTeam));
        Game.nHomeTeam = static_cast<uint8_t>(Map.Of(Game.nHomeTeam));
        Game.nOffense = static_cast<uint8_t>(Map.Of(Game.nOffense));
    }

    // The playoff bracket's team bytes and the division standings rows
    // (NO_TEAM, the empty place, is no franchise and stays).
    for (uint8_t& bTeam : League.StandingsArea.PlayoffTeam)
        bTeam = static_cast<uint8_t>(Map.Of(bTeam));
    for (auto& Row : League.StandingsArea.DivisionRow)
        for (uint8_t& bTeam : Row)
            bTeam = static_cast<uint8_t>(Map.Of(bTeam));
}

TEAM_RENAMING Unchanged_Team_Numbers()
{
    TEAM_RENAMING Map;
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        Map.nNew[t] = t;
    return Map;
}

// The selected team follows the user's team when the user runs it.
void Follow_User_Team()
{
    int nNew = Preference(PREF_CURRENT_TEAM);
    if (Is_Franchise_Used(nNew) && League.Team[nNew].nTeamStat[TEAM_STAT_CONTROLLER] == CONTROLLER_USER
        && Preference(PREF_ALL_COMPUTER_TEAMS) == 0)
        Preference(PREF_SELECTED_TEAM) = nNew;
}

}  // namespace

void Remap_Team_References(int nTeamA, int nTeamB)
{
    if (!In_Range(nTeamA, 0, LAST_FRANCHISE) || !In_Range(nTeamB, 0, LAST_FRANCHISE)) {
        Report_Error("nTeam out of bounds in %s(%d,%d)", __func__, nTeamA, nTeamB);
        return;
    }
    if (nTeamA == nTeamB)
        return;
    TEAM_RENAMING Map = Unchanged_Team_Numbers();
    Map.nNew[nTeamA] = nTeamB;
    Map.nNew[nTeamB] = nTeamA;
    Rename_Team_References(Map);
}

void Swap_Teams(int nTeamA, int nTeamB)
{
    if (!In_Range(nTeamA, 0, LAST_FRANCHISE) || !In_Range(nTeamB, 0, LAST_FRANCHISE)) {
        Report_Error("nTeam out of bounds in %s(%d,%d)", __func__, nTeamA, nTeamB);
        return;
    }
    if (nTeamA == nTeamB)
        return;
    int nOldCurrent = Preference(PREF_CURRENT_TEAM);

    auto pTemp = std::make_unique<TEAM>();
    std::memcpy(pTemp.get(), &League.Team[nTeamA], sizeof(TEAM));
    std::memcpy(&League.Team[nTeamA], &League.Team[nTeamB], sizeof(TEAM));
    std::memcpy(&League.Team[nTeamB], pTemp.get(), sizeof(TEAM));

    // Each franchise's own picks are stored in its column: the columns move
    // with the records, then the owner values are renamed with the rest.
    for (auto& Draft : League.Draft.DraftPickOwner)
        for (auto& Round : Draft) {
            uint8_t bTemp = Round[nTeamA];
            Round[nTeamA] = Round[nTeamB];
            Round[nTeamB] = bTemp;
        }

    Remap_Team_References(nTeamA, nTeamB);
    // Cached predicted statistics are kept by slot, and the slots changed teams.
    Clear_Predicted_Stat_Cache();

    if (nOldCurrent == nTeamA || nOldCurrent == nTeamB)
        Follow_User_Team();
}

void Swap_Teams_In_Turn(const TEAM_PAIR* pPairs, int nPairs)
{
    if (nPairs < 0 || (pPairs == nullptr && nPairs > 0)) {
        Report_Error("Bad pair list in %s(%d)", __func__, nPairs);
        return;
    }
    // Where each record ends up, and which record each slot ends up with,
    // followed through the exchanges without moving anything yet.
    TEAM_RENAMING Map = Unchanged_Team_Numbers();
    int nHolder[MAX_FRANCHISES];
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        nHolder[t] = t;
    int nCurrent = Preference(PREF_CURRENT_TEAM);
    bool bCurrentMoved = false;
    bool bAnyMoved = false;
    for (int i = 0; i < nPairs; ++i) {
        const int nTeamA = pPairs[i].nTeamA;
        const int nTeamB = pPairs[i].nTeamB;
        if (!In_Range(nTeamA, 0, LAST_FRANCHISE) || !In_Range(nTeamB, 0, LAST_FRANCHISE)) {
            Report_Error("nTeam out of bounds in %s(%d,%d)", __func__, nTeamA, nTeamB);
            continue;
        }
        if (nTeamA == nTeamB)
            continue;
        bAnyMoved = true;
        if (nCurrent == nTeamA || nCurrent == nTeamB) {
            bCurrentMoved = true;
            nCurrent = nCurrent == nTeamA ? nTeamB : nTeamA;
        }
        std::swap(nHolder[nTeamA], nHolder[nTeamB]);
        Map.nNew[nHolder[nTeamA]] = nTeamA;
        Map.nNew[nHolder[nTeamB]] = nTeamB;
    }
    if (!bAnyMoved)
        return;

    // The records, each moved once: every cycle of the order through one
    // spare record.
    auto pTemp = std::make_unique<TEAM>();
    bool bPlaced[MAX_FRANCHISES] = {};
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (bPlaced[t] || nHolder[t] == t)
            continue;
        std::memcpy(pTemp.get(), &League.Team[t], sizeof(TEAM));
        int nSlot = t;
        while (nHolder[nSlot] != t) {
            std::memcpy(&League.Team[nSlot], &League.Team[nHolder[nSlot]], sizeof(TEAM));
            bPlaced[nSlot] = true;
            nSlot = nHolder[nSlot];
        }
        std::memcpy(&League.Team[nSlot], pTemp.get(), sizeof(TEAM));
        bPlaced[nSlot] = true;
    }

    // The pick columns move with their records.
    for (auto& Draft : League.Draft.DraftPickOwner)
        for (auto& Round : Draft) {
            uint8_t bOld[MAX_FRANCHISES];
            std::memcpy(bOld, Round, sizeof(bOld));
            for (int t = 0; t < MAX_FRANCHISES; ++t)
                Round[t] = bOld[nHolder[t]];
        }

    Rename_Team_References(Map);
    Clear_Predicted_Stat_Cache();
    if (bCurrentMoved)
        Follow_User_Team();
}

void Compact_Team_Slots()
{
    // Only an empty slot followed by one in use is exchanged: moving empty
    // slots among themselves would change nothing but would drag team
    // references to the end of the table.
    for (int nPass = 0; nPass < MAX_FRANCHISES; ++nPass) {
        bool bMoved = false;
        for (int t = 0; t < LAST_FRANCHISE; ++t) {
            if (!Is_Franchise_Used(t) && Is_Franchise_Used(t + 1)) {
                Swap_Teams(t, t + 1);
                bMoved = true;
            }
        }
        if (!bMoved)
            break;
    }
}

bool Backup_Team_Structure(void* pBuffer, int nTeam)
{
    if (nTeam < 0) {
        Report_Error("Negative team in %s()", __func__);
        return false;
    }
    if (nTeam > FREE_AGENT_TEAM) {
        Report_Error("nTeam too large in %s()", __func__);
        return false;
    }
    if (pBuffer == nullptr) {
        Report_Error("NULL buffer in %s()", __func__);
        return false;
    }
    std::memcpy(pBuffer, &League.Team[nTeam], sizeof(TEAM));
    return true;
}

void Clear_All_Teams()
{
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        std::memset(&League.Team[t], 0, sizeof(TEAM));
        League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE;
    }
    for (int t = FREE_AGENT_TEAM; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        std::memset(&League.Team[t], 0, sizeof(TEAM));
}

void Clear_Team(int nTeam)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("nTeam out of bounds in %s(<%d>)", __func__, nTeam);
        return;
    }
    std::memset(&League.Team[nTeam], 0, sizeof(TEAM));
    League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE;
}

void Fix_Current_Team_Selection()
{
    // The viewed team must be a franchise in use or one of the special slots.
    int nTeam = Get_User_Preference(PREF_CURRENT_TEAM);
    if (Is_Team_Slot_Used(nTeam) || (nTeam >= FREE_AGENT_TEAM && nTeam < TOTAL_NUMBER_OF_TEAMS))
        return;
    int nChoice = -1;
    for (int t = 0; t < MAX_FRANCHISES && nChoice < 0; ++t) {
        if (Is_Team_Slot_Used(t) && League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] == 1)
            nChoice = t;
    }
    for (int t = 0; t < MAX_FRANCHISES && nChoice < 0; ++t) {
        if (Is_Team_Slot_Used(t))
            nChoice = t;
    }
    Set_User_Preference(PREF_CURRENT_TEAM, nChoice < 0 ? 0 : nChoice);
}

// ---------------------------------------------------------------------------
// Playbook areas

uint8_t* Get_Team_Playbook_Area(int nTeam, int nSide)
{
    if (!In_Range(nTeam, 0, LAST_TEAM) || !In_Range(nSide, 0, 1)) {
        Report_Error("Invalid argument in %s(%d,%d)", __func__, nTeam, nSide);
        return nullptr;
    }
    TEAM& Team = League.Team[nTeam];
    return nSide == 0 ? Team.OffensivePlaybook : Team.DefensivePlaybook;
}

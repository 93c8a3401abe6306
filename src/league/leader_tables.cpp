// The leader tables' storage, the name index that relinks their entries, and
// the leader statistics. See leader_tables.h.
#include "league/leader_tables.h"

#include <cstring>

#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"

namespace {

constexpr size_t LIST_BYTES = sizeof(LEADER_LIST);

size_t List_Offset(int nTable, int nStat)
{
    return (static_cast<size_t>(nTable) * LEADER_STAT_COUNT + static_cast<size_t>(nStat)) * LIST_BYTES;
}

bool Check_List(const char* szFunction, int nTable, int nStat)
{
    if (nTable < 0 || nTable >= LEADER_TABLE_COUNT) {
        Report_Error("nTable out of bounds in %s([%d],%d)", szFunction, nTable, nStat);
        return false;
    }
    if (nStat < 0 || nStat >= LEADER_STAT_COUNT) {
        Report_Error("nStat out of bounds in %s(%d,[%d])", szFunction, nTable, nStat);
        return false;
    }
    return true;
}

bool Check_Place(const char* szFunction, int nTable, int nStat, int nPlace)
{
    if (!Check_List(szFunction, nTable, nStat))
        return false;
    if (nPlace < 0 || nPlace >= LEADER_LIST_LENGTH) {
        Report_Error("nPlace out of bounds in %s(%d,%d,[%d])", szFunction, nTable, nStat, nPlace);
        return false;
    }
    return true;
}

unsigned char Lower(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

// Length of a name field that may fill its whole size without a NUL.
size_t Field_Length(const char* p, size_t nSize)
{
    return strnlen(p, nSize);
}

// ---------------------------------------------------------------------------
// Name index: open addressing over every player in use, keyed by a hash of
// both names taken without case. Static storage: rebuilt in place each time.

constexpr int NAME_INDEX_SIZE = 8192;   // above twice the 4,100 slots
constexpr int NAME_INDEX_MASK = NAME_INDEX_SIZE - 1;
constexpr uint16_t NAME_INDEX_EMPTY = 0xFFFF;

struct NAME_INDEX {
    uint16_t nCell[NAME_INDEX_SIZE];   // team x 100 + slot, or empty
    bool bReady;
};
NAME_INDEX g_NameIndex;

uint32_t Hash_Name(uint32_t h, const char* p, size_t nSize)
{
    const size_t n = Field_Length(p, nSize);
    for (size_t i = 0; i < n; ++i)
        h = (h ^ Lower(p[i])) * 16777619u;
    return h;
}

uint32_t Hash_Names(const char* pLast, size_t nLast, const char* pFirst, size_t nFirst)
{
    uint32_t h = Hash_Name(2166136261u, pLast, nLast);
    h = (h ^ 0xFFu) * 16777619u;   // separates "AB"+"C" from "A"+"BC"
    return Hash_Name(h, pFirst, nFirst);
}

// ---------------------------------------------------------------------------
// Leader statistics

// Which positions may lead in a statistic: bit p for position p.
constexpr uint32_t Bit(int nPosition)
{
    return 1u << nPosition;
}
constexpr uint32_t QUARTERBACK = Bit(POSITION_QB);
constexpr uint32_t BALL_CARRIERS = Bit(POSITION_QB) | Bit(POSITION_RB) | Bit(POSITION_FB) | Bit(POSITION_TE) | Bit(POSITION_WR);
constexpr uint32_t PASS_CATCHERS = Bit(POSITION_RB) | Bit(POSITION_FB) | Bit(POSITION_TE) | Bit(POSITION_WR);
constexpr uint32_t DEFENDERS = Bit(POSITION_DE) | Bit(POSITION_DT) | Bit(POSITION_LB) | Bit(POSITION_CB) | Bit(POSITION_S);
// Returns are kept by backs, receivers and defenders (a quarterback's
// statistics 14-19 are sacks taken, an offensive lineman's are not returns).
constexpr uint32_t RETURNERS = PASS_CATCHERS | DEFENDERS;
constexpr uint32_t KICKERS = Bit(POSITION_K) | Bit(POSITION_P);
constexpr uint32_t EVERYBODY = (1u << NUMBER_OF_POSITIONS) - 1;

// Who may lead and, for a rate, the qualifying minimum. Where no rule of the
// game's own is written down, the minimums are those pro football uses for its
// own leader tables, per team game (x 1000): passing 14 attempts, rushing 6.25
// carries, receiving 1.875 receptions, kick and punt returns 1 return, field
// goals 1 attempt, punting 2.5 punts.
struct LEADER_RULE {
    uint32_t nPositions;
    int nMinimumPerMille;   // 0: a count, no minimum
};
constexpr int PASSING_MINIMUM = 14000;
constexpr int RUSHING_MINIMUM = 6250;
constexpr int RECEIVING_MINIMUM = 1875;
constexpr int RETURN_MINIMUM = 1000;
constexpr int FIELD_GOAL_MINIMUM = 1000;
constexpr int PUNTING_MINIMUM = 2500;

constexpr LEADER_RULE LEADER_RULES[] = {
    {QUARTERBACK, 0},                    //  0 Passing Attempts
    {QUARTERBACK, 0},                    //  1 Completions
    {QUARTERBACK, 0},                    //  2 Passing Yards
    {QUARTERBACK, PASSING_MINIMUM},      //  3 Completion Percent
    {QUARTERBACK, 0},                    //  4 Passing TDs
    {QUARTERBACK, PASSING_MINIMUM},      //  5 Yards/Attempt
    {QUARTERBACK, PASSING_MINIMUM},      //  6 Quarterback Rating
    {QUARTERBACK, PASSING_MINIMUM},      //  7 Passing/Game
    {RETURNERS, RETURN_MINIMUM},         //  8 Kick Return Average
    {RETURNERS, 0},                      //  9 Kick Return Touchdowns
    {BALL_CARRIERS, 0},                  // 10 Rushes
    {BALL_CARRIERS, 0},                  // 11 Rush Yards
    {BALL_CARRIERS, 0},                  // 12 Rushing Touchdowns
    {BALL_CARRIERS, RUSHING_MINIMUM},    // 13 Yards/Rush
    {BALL_CARRIERS, 0},                  // 14 Receptions
    {BALL_CARRIERS, 0},                  // 15 Receiving Yards
    {BALL_CARRIERS, 0},                  // 16 Receiving TDs
    {BALL_CARRIERS, RECEIVING_MINIMUM},  // 17 Yards/Recept
    {PASS_CATCHERS, RECEIVING_MINIMUM},  // 18 Catch Rate (a quarterback's stat 4 is interceptions)
    {RETURNERS, RETURN_MINIMUM},         // 19 Punt Return Average
    {RETURNERS, 0},                      // 20 Punt Return Touchdowns
    {DEFENDERS, 0},                      // 21 Tackles (Solo + Asst)
    {DEFENDERS, 0},                      // 22 Passes Defended
    {DEFENDERS, 0},                      // 23 Fumbles Forced
    {DEFENDERS, 0},                      // 24 Sacks
    {DEFENDERS, 0},                      // 25 Interceptions
    {KICKERS, 0},                        // 26 Field Goals
    {KICKERS, FIELD_GOAL_MINIMUM},       // 27 Field Goal Percent
    {KICKERS, PUNTING_MINIMUM},          // 28 Punt Average
    {EVERYBODY, 0},                      // 29 Cap Impact
};
static_assert(sizeof(LEADER_RULES) / sizeof(LEADER_RULES[0]) == LEADER_STAT_COUNT);

// a x k per b, half rounded up, as the statistics' rates; 0 when b is not
// positive or the rate would be negative.
int Rate(int64_t a, int64_t b, int64_t k)
{
    if (b <= 0 || a <= 0)
        return 0;
    int64_t n = (a * k + b / 2) / b;
    return n > INT32_MAX ? INT32_MAX : static_cast<int>(n);
}

int Clamp_Int(int64_t n)
{
    return n > INT32_MAX ? INT32_MAX : (n < INT32_MIN ? INT32_MIN : static_cast<int>(n));
}

// The count a rate's minimum is measured on.
int64_t Qualifying_Count(int nLeaderStat, const int32_t* S)
{
    switch (nLeaderStat) {
    case LEADER_COMPLETION_PERCENT:
    case LEADER_YARDS_PER_ATTEMPT:
    case LEADER_QUARTERBACK_RATING:
    case LEADER_PASSING_PER_GAME:
        return S[STAT_PASS_ATTEMPTS];
    case LEADER_KICK_RETURN_AVERAGE:
        return S[STAT_KICK_RETURNS];
    case LEADER_YARDS_PER_RUSH:
        return S[STAT_RUSHING_ATTEMPTS];
    case LEADER_YARDS_PER_RECEPTION:
    case LEADER_CATCH_RATE:
        return S[STAT_RECEPTIONS];
    case LEADER_PUNT_RETURN_AVERAGE:
        return S[STAT_PUNT_RETURNS];
    case LEADER_FIELD_GOAL_PERCENT:
        return static_cast<int64_t>(S[STAT_FIELD_GOAL_ATTEMPTS_BAND_1]) + S[STAT_FIELD_GOAL_ATTEMPTS_BAND_2] +
               S[STAT_FIELD_GOAL_ATTEMPTS_BAND_3] + S[STAT_FIELD_GOAL_ATTEMPTS_BAND_4];
    case LEADER_PUNT_AVERAGE:
        return S[STAT_PUNTS];
    default:
        return 0;
    }
}

int Leader_Value(int nTeam, int nSlot, int nLeaderStat, int nPeriod, const int32_t* S)
{
    const int64_t nMade = static_cast<int64_t>(S[STAT_FIELD_GOALS_MADE_BAND_1]) + S[STAT_FIELD_GOALS_MADE_BAND_2] +
                          S[STAT_FIELD_GOALS_MADE_BAND_3] + S[STAT_FIELD_GOALS_MADE_BAND_4];
    switch (nLeaderStat) {
    case LEADER_PASSING_ATTEMPTS: return S[STAT_PASS_ATTEMPTS];
    case LEADER_COMPLETIONS: return S[STAT_PASS_COMPLETIONS];
    case LEADER_PASSING_YARDS: return S[STAT_PASSING_YARDS];
    case LEADER_COMPLETION_PERCENT: return Rate(S[STAT_PASS_COMPLETIONS], S[STAT_PASS_ATTEMPTS], 1000);
    case LEADER_PASSING_TDS: return S[STAT_PASSING_TOUCHDOWNS];
    case LEADER_YARDS_PER_ATTEMPT: return Rate(S[STAT_PASSING_YARDS], S[STAT_PASS_ATTEMPTS], 100);
    case LEADER_QUARTERBACK_RATING:
        return S[STAT_PASS_ATTEMPTS] > 0 ? Compute_Passer_Rating(S[STAT_PASS_ATTEMPTS], S[STAT_PASS_COMPLETIONS],
                                                                 S[STAT_PASSING_YARDS], S[STAT_PASSING_TOUCHDOWNS],
                                                                 S[STAT_INTERCEPTIONS_THROWN])
                                         : 0;
    case LEADER_PASSING_PER_GAME: return Rate(S[STAT_PASSING_YARDS], S[STAT_GAMES_PLAYED], 10);
    case LEADER_KICK_RETURN_AVERAGE: return Rate(S[STAT_KICK_RETURN_YARDS], S[STAT_KICK_RETURNS], 10);
    case LEADER_KICK_RETURN_TDS: return S[STAT_KICK_RETURN_TOUCHDOWNS];
    case LEADER_RUSHES: return S[STAT_RUSHING_ATTEMPTS];
    case LEADER_RUSH_YARDS: return S[STAT_RUSHING_YARDS];
    case LEADER_RUSHING_TDS: return S[STAT_RUSHING_TOUCHDOWNS];
    case LEADER_YARDS_PER_RUSH: return Rate(S[STAT_RUSHING_YARDS], S[STAT_RUSHING_ATTEMPTS], 100);
    case LEADER_RECEPTIONS: return S[STAT_RECEPTIONS];
    case LEADER_RECEIVING_YARDS: return S[STAT_RECEIVING_YARDS];
    case LEADER_RECEIVING_TDS: return S[STAT_RECEIVING_TOUCHDOWNS];
    case LEADER_YARDS_PER_RECEPTION: return Rate(S[STAT_RECEIVING_YARDS], S[STAT_RECEPTIONS], 10);
    case LEADER_CATCH_RATE:
        // Lines without targets (older imported seasons) have no catch rate.
        return S[STAT_TARGETS] >= S[STAT_RECEPTIONS] ? Rate(S[STAT_RECEPTIONS], S[STAT_TARGETS], 1000) : 0;
    case LEADER_PUNT_RETURN_AVERAGE: return Rate(S[STAT_PUNT_RETURN_YARDS], S[STAT_PUNT_RETURNS], 10);
    case LEADER_PUNT_RETURN_TDS: return S[STAT_PUNT_RETURN_TOUCHDOWNS];
    case LEADER_TACKLES: return Clamp_Int(static_cast<int64_t>(S[STAT_SOLO_TACKLES]) + S[STAT_TACKLE_ASSISTS]);
    case LEADER_PASSES_DEFENDED: return S[STAT_PASSES_DEFENSED];
    case LEADER_FUMBLES_FORCED: return S[STAT_FUMBLES_FORCED];
    case LEADER_SACKS: return S[STAT_SACKS];
    case LEADER_INTERCEPTIONS: return S[STAT_INTERCEPTIONS];
    case LEADER_FIELD_GOALS: return Clamp_Int(nMade);
    case LEADER_FIELD_GOAL_PERCENT: return Rate(nMade, Qualifying_Count(nLeaderStat, S), 1000);
    case LEADER_PUNT_AVERAGE: return Rate(S[STAT_PUNT_YARDS], S[STAT_PUNTS], 10);
    case LEADER_CAP_IMPACT:
        // A charge of the contract as it stands: there is no record of past
        // seasons' charges, and a day's growth has none.
        if (nPeriod != LEADER_PERIOD_THIS_SEASON)
            return 0;
        {
            int n = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_CHARGE);
            return n > 0 ? n : 0;
        }
    default:
        return 0;
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Storage

bool Read_Leader_List(int nTable, int nStat, LEADER_LIST& List)
{
    if (!Check_List(__func__, nTable, nStat)) {
        std::memset(List, 0, LIST_BYTES);
        return false;
    }
    std::memcpy(List, League.LeaderTables + List_Offset(nTable, nStat), LIST_BYTES);
    return true;
}

bool Write_Leader_List(int nTable, int nStat, const LEADER_LIST& List)
{
    if (!Check_List(__func__, nTable, nStat))
        return false;
    std::memcpy(League.LeaderTables + List_Offset(nTable, nStat), List, LIST_BYTES);
    return true;
}

bool Get_Leader_Entry(int nTable, int nStat, int nPlace, LEADER_ENTRY* pOut)
{
    if (pOut == nullptr || !Check_Place(__func__, nTable, nStat, nPlace))
        return false;
    std::memcpy(pOut, League.LeaderTables + List_Offset(nTable, nStat) + nPlace * sizeof(LEADER_ENTRY),
                sizeof(LEADER_ENTRY));
    return true;
}

bool Set_Leader_Entry(int nTable, int nStat, int nPlace, const LEADER_ENTRY& Entry)
{
    if (!Check_Place(__func__, nTable, nStat, nPlace))
        return false;
    std::memcpy(League.LeaderTables + List_Offset(nTable, nStat) + nPlace * sizeof(LEADER_ENTRY), &Entry,
                sizeof(LEADER_ENTRY));
    return true;
}

// ---------------------------------------------------------------------------
// Entries and players

void Set_Leader_Entry_Names(LEADER_ENTRY* pEntry, const char* szLast, const char* szFirst)
{
    std::memset(pEntry->szLastName, 0, sizeof(pEntry->szLastName));
    std::memset(pEntry->szFirstName, 0, sizeof(pEntry->szFirstName));
    if (szLast != nullptr)
        std::memcpy(pEntry->szLastName, szLast, strnlen(szLast, sizeof(pEntry->szLastName) - 1));
    if (szFirst != nullptr)
        std::memcpy(pEntry->szFirstName, szFirst, strnlen(szFirst, sizeof(pEntry->szFirstName) - 1));
}

void Copy_Player_Names_To_Leader_Entry(LEADER_ENTRY* pEntry, int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    const PLAYER& Player = League.Team[nTeam].Player[nSlot];
    char szLast[sizeof(Player.szLastName) + 1] = {};
    char szFirst[sizeof(Player.szFirstName) + 1] = {};
    std::memcpy(szLast, Player.szLastName, Field_Length(Player.szLastName, sizeof(Player.szLastName)));
    std::memcpy(szFirst, Player.szFirstName, Field_Length(Player.szFirstName, sizeof(Player.szFirstName)));
    Set_Leader_Entry_Names(pEntry, szLast, szFirst);
}

int Compare_Leader_Name_Text(const char* pA, size_t nSizeA, const char* pB, size_t nSizeB)
{
    const size_t nA = Field_Length(pA, nSizeA);
    const size_t nB = Field_Length(pB, nSizeB);
    for (size_t i = 0;; ++i) {
        unsigned char a = i < nA ? Lower(pA[i]) : 0;
        unsigned char b = i < nB ? Lower(pB[i]) : 0;
        if (a != b)
            return a < b ? -1 : 1;
        if (a == 0)
            return 0;
    }
}

bool Leader_Entry_Has_Player_Names(const LEADER_ENTRY& Entry, int nTeam, int nSlot)
{
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return false;
    const PLAYER& Player = League.Team[nTeam].Player[nSlot];
    return Compare_Leader_Name_Text(Entry.szLastName, sizeof(Entry.szLastName), Player.szLastName,
                                    sizeof(Player.szLastName)) == 0 &&
           Compare_Leader_Name_Text(Entry.szFirstName, sizeof(Entry.szFirstName), Player.szFirstName,
                                    sizeof(Player.szFirstName)) == 0;
}

bool Is_Leader_Entry_Nameless(const LEADER_ENTRY& Entry)
{
    return Entry.szLastName[0] == '\0' || Entry.szFirstName[0] == '\0';
}

void Build_Leader_Name_Index()
{
    for (uint16_t& nCell : g_NameIndex.nCell)
        nCell = NAME_INDEX_EMPTY;
    // Team order, then slot order: the first filed of equal names is the
    // first met on the probe path.
    For_Each_Player_In_Use([](int nTeam, int nSlot) {
        const PLAYER& Player = League.Team[nTeam].Player[nSlot];
        uint32_t h = Hash_Names(Player.szLastName, sizeof(Player.szLastName), Player.szFirstName,
                                sizeof(Player.szFirstName));
        int i = static_cast<int>(h & NAME_INDEX_MASK);
        while (g_NameIndex.nCell[i] != NAME_INDEX_EMPTY)
            i = (i + 1) & NAME_INDEX_MASK;
        g_NameIndex.nCell[i] = static_cast<uint16_t>(nTeam * PLAYERS_PER_TEAM + nSlot);
    });
    g_NameIndex.bReady = true;
}

bool Find_Player_By_Leader_Names(const LEADER_ENTRY& Entry, PLAYER_LOCATION* pOut)
{
    if (pOut) {
        pOut->nTeam = static_cast<uint8_t>(NO_TEAM);
        pOut->nSlot = static_cast<uint8_t>(NO_PLAYER);
    }
    if (!g_NameIndex.bReady || Is_Leader_Entry_Nameless(Entry))
        return false;
    uint32_t h = Hash_Names(Entry.szLastName, sizeof(Entry.szLastName), Entry.szFirstName, sizeof(Entry.szFirstName));
    for (int i = static_cast<int>(h & NAME_INDEX_MASK); g_NameIndex.nCell[i] != NAME_INDEX_EMPTY;
         i = (i + 1) & NAME_INDEX_MASK) {
        const int nTeam = g_NameIndex.nCell[i] / PLAYERS_PER_TEAM;
        const int nSlot = g_NameIndex.nCell[i] % PLAYERS_PER_TEAM;
        if (League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID] > 0 &&
            Leader_Entry_Has_Player_Names(Entry, nTeam, nSlot)) {
            if (pOut) {
                pOut->nTeam = static_cast<uint8_t>(nTeam);
                pOut->nSlot = static_cast<uint8_t>(nSlot);
            }
            return true;
        }
    }
    return false;
}

void Copy_Player_Career_Record(int nTeam, int nSlot, int32_t (&nOut)[STATS_PER_PERIOD])
{
    if (!Check_Player_Address(__func__, nTeam, nSlot)) {
        std::memset(nOut, 0, sizeof(nOut));
        return;
    }
    std::memcpy(nOut, League.Team[nTeam].Player[nSlot].nStat[STAT_PERIOD_CAREER], sizeof(nOut));
}

void Store_Player_Career_Record(int nTeam, int nSlot, const int32_t (&nIn)[STATS_PER_PERIOD])
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    std::memcpy(League.Team[nTeam].Player[nSlot].nStat[STAT_PERIOD_CAREER], nIn, sizeof(nIn));
}

// ---------------------------------------------------------------------------
// Leader statistics

int Get_Leader_Stat_Minimum_Per_Mille(int nLeaderStat)
{
    if (nLeaderStat < 0 || nLeaderStat >= LEADER_STAT_COUNT)
        return 0;
    return LEADER_RULES[nLeaderStat].nMinimumPerMille;
}

int Get_Leader_Stat_Team_Games(int nTeam, int nSlot, int nPeriod)
{
    int nGames = 0;
    if (nPeriod == LEADER_PERIOD_THIS_SEASON)
        nGames = Get_Team_Games_Played(nTeam);
    else if (nPeriod == LEADER_PERIOD_LAST_SEASON)
        nGames = Get_Games_Per_Season();
    else if (nPeriod == LEADER_PERIOD_CAREER && nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 &&
             nSlot < PLAYERS_PER_TEAM)
        nGames = League.Team[nTeam].Player[nSlot].nStat[STAT_PERIOD_CAREER][STAT_GAMES_PLAYED];
    return nGames < 1 ? 1 : nGames;
}

namespace {

// The value of a player whose statistics for the period are S; nPeriod
// chooses the games a rate's minimum is counted over.
int Leader_Stat_Of(int nTeam, int nSlot, int nLeaderStat, int nPeriod, const int32_t* S)
{
    const int nPosition = League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION];
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return 0;
    const LEADER_RULE& Rule = LEADER_RULES[nLeaderStat];
    if ((Rule.nPositions & Bit(nPosition)) == 0 || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    if (Rule.nMinimumPerMille > 0) {
        const int64_t nCount = Qualifying_Count(nLeaderStat, S);
        const int64_t nGames = Get_Leader_Stat_Team_Games(nTeam, nSlot, nPeriod);
        if (nCount <= 0 || nCount * 1000 < static_cast<int64_t>(Rule.nMinimumPerMille) * nGames)
            return 0;
    }
    return Leader_Value(nTeam, nSlot, nLeaderStat, nPeriod, S);
}

bool Is_Leader_Address(int nTeam, int nSlot, int nLeaderStat)
{
    return nLeaderStat >= 0 && nLeaderStat < LEADER_STAT_COUNT && nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS &&
           nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

constexpr int SEASON_LINE_STATS = SEASON_LINE_WORDS - SEASON_LINE_FIRST_STAT_WORD;

// The sum of the player's professional lines of nYear (a traded player's
// lines together); false when he has none.
bool Sum_Year_Lines(int nTeam, int nSlot, int nYear, int32_t (&S)[STATS_PER_PERIOD])
{
    std::memset(S, 0, sizeof(S));
    bool bAny = false;
    const int nLinks = Count_Player_Season_Lines(nTeam, nSlot);
    for (int k = 0; k < nLinks; ++k) {
        const int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, k);
        if (nLine < 0 || Get_Season_Line_Year(nLine) != nYear || Get_Season_Line_Level(nLine) < 0)
            continue;
        bAny = true;
        for (int i = 0; i < SEASON_LINE_STATS; ++i) {
            const int64_t nSum = static_cast<int64_t>(S[i]) + Get_Season_Line_Stat(nLine, i);
            S[i] = nSum > INT32_MAX ? INT32_MAX : nSum < INT32_MIN ? INT32_MIN : static_cast<int32_t>(nSum);
        }
    }
    return bAny;
}

}  // namespace

int Get_Player_Leader_Stat(int nTeam, int nSlot, int nLeaderStat, int nPeriod)
{
    if (!Is_Leader_Address(nTeam, nSlot, nLeaderStat) || nPeriod < LEADER_PERIOD_THIS_SEASON ||
        nPeriod > LEADER_PERIOD_CAREER)
        return 0;
    return Leader_Stat_Of(nTeam, nSlot, nLeaderStat, nPeriod, League.Team[nTeam].Player[nSlot].nStat[nPeriod]);
}

int Get_Player_Year_Leader_Stat(int nTeam, int nSlot, int nLeaderStat, int nYear)
{
    if (!Is_Leader_Address(nTeam, nSlot, nLeaderStat))
        return 0;
    if (nYear == Get_Current_Year())
        return Get_Player_Leader_Stat(nTeam, nSlot, nLeaderStat, LEADER_PERIOD_THIS_SEASON);
    int32_t S[STATS_PER_PERIOD];
    if (!Sum_Year_Lines(nTeam, nSlot, nYear, S)) {
        // Last season without a line (a league built with last season's
        // figures only): last season's record.
        if (nYear == Get_Current_Year() - 1)
            return Get_Player_Leader_Stat(nTeam, nSlot, nLeaderStat, LEADER_PERIOD_LAST_SEASON);
        return 0;
    }
    return Leader_Stat_Of(nTeam, nSlot, nLeaderStat, LEADER_PERIOD_LAST_SEASON, S);
}

int Get_Player_Best_Season_Leader_Stat(int nTeam, int nSlot, int nLeaderStat, int* pYear)
{
    int nBest = 0;
    int nBestYear = 0;
    if (Is_Leader_Address(nTeam, nSlot, nLeaderStat) && Is_Player_Slot_Used(nTeam, nSlot)) {
        const int nThisYear = Get_Current_Year();
        auto Consider = [&](int nYear) {
            const int nValue = Get_Player_Year_Leader_Stat(nTeam, nSlot, nLeaderStat, nYear);
            if (nValue > nBest || (nValue == nBest && nValue > 0 && nYear < nBestYear)) {
                nBest = nValue;
                nBestYear = nYear;
            }
        };
        Consider(nThisYear);
        Consider(nThisYear - 1);
        const int nLinks = Count_Player_Season_Lines(nTeam, nSlot);
        for (int k = 0; k < nLinks; ++k) {
            const int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, k);
            const int nYear = Get_Season_Line_Year(nLine);
            if (nLine >= 0 && nYear != 0 && nYear != nThisYear && nYear != nThisYear - 1 &&
                Get_Season_Line_Level(nLine) >= 0)
                Consider(nYear);
        }
    }
    if (pYear)
        *pYear = nBestYear;
    return nBest;
}

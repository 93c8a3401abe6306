// Files of older versions and the repairs every loaded league gets.

#include "gamefile/old_files.h"
#include "gamefile/game_file_test_hooks.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cstdio>
#include <cstdlib>

#include "league/list_columns.h"
#include "engine/game_state.h"
#include "engine/playbooks.h"
#include "league/default_settings.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finances.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/draft_pool.h"
#include "season/fantasy_draft.h"
#include "season/player_generation.h"
#include "season/position_scan.h"
#include "season/salaries.h"
#include "season/downloads.h"
#include "season/player_repairs.h"

namespace {

// Version gates of the older line's fix-ups.
constexpr int LEADER_TABLES_VERSION = 2502;
constexpr int DRAFT_ROUND_VERSION = 5050;
constexpr int TRADE_OFFERS_VERSION = 5140;
constexpr int PLAYER_FIELD_6_VERSION = 6010;
constexpr int PLAYBOOKS_LAST_VERSION = 6500;      // this one included
constexpr int TEAM_STYLES_VERSION = 6520;
constexpr int POSITION_CODES_VERSION = 6540;
constexpr int UNPLAYED_WEEKS_VERSION = 6700;
constexpr int DRAFT_ORDER_VERSION = 7050;
constexpr int OLD_GAME_RECORDS_VERSION = 7700;
constexpr int SALARY_CAP_RULE_VERSION = 8020;
constexpr int AUTO_FILL_VERSION = 8030;
constexpr int SALARY_DATA_VERSION = 8050;
constexpr int ERA_SWITCHES_VERSION = 8510;

// Version gates of the current line's fix-ups.
constexpr int OVERTIME_RULE_VERSION = 1101;
constexpr int RECOMPUTE_RATINGS_VERSION = 1163;
constexpr int HEIGHTS_VERSION = 1210;
constexpr int FINANCE_INDEX_VERSION = 1287;
constexpr int FANTASY_DRAFT_FILE_VERSION = 1306;
constexpr int CALIBRATE_VERSION = 1311;
constexpr int PERIOD_LENGTH_VERSION = 1410;
constexpr int LIST_COLUMNS_VERSION = 1491;
constexpr int POSITION_BYTES_VERSION = 1560;
constexpr int DOWNLOADS_VERSION = 1600;
constexpr int ERA_FLAGS_VERSION = 1605;
constexpr int ABBREVIATIONS_VERSION = 1691;
constexpr int ROOKIE_CONTRACTS_VERSION = 1901;
constexpr int DRAFT_POOL_2021_VERSION = 1904;
constexpr int MEASURES_VERSION = 1905;

constexpr int DOWNLOADS_PROGRESS_STEPS = 75;
constexpr int MINIMUM_HEIGHT = 48;
constexpr int PREDICTED_PERIOD = 3;
constexpr int CAREER_PERIOD = 2;
constexpr int DRAFT_SCORE_CODE = 299;
constexpr int RECEPTIONS_STAT = 6;
constexpr int DRAFT_SCORE_BYTE = 1;             // bStatHigh[1]: record offset 153
constexpr int POSITION_BYTE = 2;                // bStat[2]: record offset 46

}  // namespace

// ---------------------------------------------------------------------------
// Old layouts

namespace {

using AREA_MOVE = OLD_AREA_MOVE;

// The fields of an old TEAM record (both old layouts) and where they go now.
constexpr AREA_MOVE OLD_TEAM_FIELDS[] = {
    {0, static_cast<int>(offsetof(TEAM, szString)), 256},                   // strings
    {256, static_cast<int>(offsetof(TEAM, Player)), OLD_TEAM_PLAYERS * 756}, // players 0-79
    {60736, static_cast<int>(offsetof(TEAM, bReturner)), 2},                // the 16-bit returner word
    {60740, static_cast<int>(offsetof(TEAM, nTotals)), 1920},               // team totals, 480 words
    {62660, static_cast<int>(offsetof(TEAM, nTeamStat)), 240},              // team stats, 60 words
    {62900, static_cast<int>(offsetof(TEAM, nStadiumStat)), 80},            // stadium stats, 20 words
    {62980, static_cast<int>(offsetof(TEAM, nFinancialStat)), 320},         // financial stats, 80 words
    {63300, static_cast<int>(offsetof(TEAM, bYearly)), 3200},               // yearly bytes
    {66500, static_cast<int>(offsetof(TEAM, nYearly)), 1600},               // yearly words, 400
};
// Only in the 99,848-byte record: the schedule and everything after it.
constexpr AREA_MOVE OLD_UNIVERSE_TEAM_TAIL[] = {
    {68100, static_cast<int>(offsetof(TEAM, nSchedule)), 440},              // 22 weeks of 5 words
    {68540, static_cast<int>(offsetof(TEAM, OffensivePlaybook)), OFFENSIVE_PLAYBOOK_SIZE},
    {88220, static_cast<int>(offsetof(TEAM, DepthChart)), DEPTH_CHART_SIZE}, // the 528 words
    {90332, static_cast<int>(offsetof(TEAM, DefensivePlaybook)), DEFENSIVE_PLAYBOOK_SIZE},
};
// The 68,452-byte record ends with 22 weeks of 4 words at 68,100.
constexpr int OLD_GAME_SCHEDULE_OFFSET = 68100;
constexpr int OLD_GAME_WEEK_WORDS = 4;

// The areas after the TEAM records, versions 4102-7799.
constexpr AREA_MOVE OLD_UNIVERSE_AREAS[] = {
    {4096248, 4716168, 7200},        // CITY records
    {4103448, 4723368, 756},         // draft-pick owners, 189 words
    {4104204, 4724124, 32},          // draft order
    {4104236, 4724156, 4},
    {4104240, 4724160, 14612400},    // GAME records
    {18716640, 19336560, 1200},      // preferences
    {18717840, 19337760, 104},       // division rows
    {18717944, 19337864, 4},
    {18717948, 19337868, 24},        // playoff bracket
    {18717972, 19337892, 4},
    {18717976, 19337896, 2},
    {18717978, 19337898, 1},
    {18717980, 19337900, 124},       // playoff scores, 31 words
    {18718104, 19338024, 24},        // week numbers of the season
    {18718128, 19338048, 3014656},   // SEASON_LINE table
    {22257072, 22876992, 98280},     // all-time leader tables
};
// The areas after the TEAM records, versions 2180-4100. Game records,
// season lines and leader tables of that layout are not carried over.
constexpr AREA_MOVE OLD_GAME_AREAS[] = {
    {2809012, 4716168, 7200},        // CITY records
    {2816212, 4723368, 756},         // draft-pick owners
    {2816968, 4724124, 32},          // draft order
    {2817000, 4724156, 4},
    {3159004, 19336560, 400},        // the first 100 preference words
    {3159404, 19337760, 104},        // division rows
    {3159508, 19337864, 4},
    {3159512, 19337868, 24},         // playoff bracket
    {3159536, 19337892, 4},
    {3159540, 19337896, 2},
    {3159542, 19337898, 1},
    {3159544, 19337900, 124},        // playoff scores
    {3159668, 19338024, 24},         // week numbers of the season
};

constexpr int OLD_HEAD_SIZE = static_cast<int>(offsetof(LEAGUE_DATA, Team));   // texts, settings, names

// Every move stays inside both layouts.
template <size_t N>
constexpr bool Moves_Fit(const AREA_MOVE (&Moves)[N], long long nOldSize, long long nNewSize)
{
    for (const AREA_MOVE& Move : Moves) {
        if (Move.nOld < 0 || Move.nNew < 0 || Move.nSize <= 0 || Move.nOld + static_cast<long long>(Move.nSize) > nOldSize ||
            Move.nNew + static_cast<long long>(Move.nSize) > nNewSize)
            return false;
    }
    return true;
}
static_assert(Moves_Fit(OLD_TEAM_FIELDS, OLD_GAME_SCHEDULE_OFFSET, sizeof(TEAM)));
static_assert(Moves_Fit(OLD_UNIVERSE_TEAM_TAIL, OLD_UNIVERSE_TEAM_SIZE, sizeof(TEAM)));
static_assert(OLD_GAME_SCHEDULE_OFFSET + SCHEDULE_WEEKS * OLD_GAME_WEEK_WORDS * 4 == OLD_GAME_TEAM_SIZE);
static_assert(OLD_UNIVERSE_TEAM_TAIL[3].nOld + OLD_UNIVERSE_TEAM_TAIL[3].nSize == OLD_UNIVERSE_TEAM_SIZE);
static_assert(Moves_Fit(OLD_UNIVERSE_AREAS, OLD_UNIVERSE_REGION_SIZE, LEAGUE_DATA_SIZE));
static_assert(Moves_Fit(OLD_GAME_AREAS, OLD_GAME_REGION_SIZE, LEAGUE_DATA_SIZE));
// The TEAM records of both layouts start where they start now and the CITY
// table follows them.
static_assert(OLD_HEAD_SIZE + TOTAL_NUMBER_OF_TEAMS * OLD_UNIVERSE_TEAM_SIZE == 4096248);
static_assert(OLD_HEAD_SIZE + TOTAL_NUMBER_OF_TEAMS * OLD_GAME_TEAM_SIZE == 2809012);
static_assert(OLD_UNIVERSE_AREAS[15].nOld + OLD_UNIVERSE_AREAS[15].nSize == OLD_UNIVERSE_REGION_SIZE);

bool g_bAllocationFault = false;

template <size_t N>
void Move_Areas(uint8_t* pTo, const uint8_t* pFrom, const AREA_MOVE (&Moves)[N])
{
    for (const AREA_MOVE& Move : Moves)
        std::memcpy(pTo + Move.nNew, pFrom + Move.nOld, static_cast<size_t>(Move.nSize));
}

// The 22 weeks of four words (opponent, kick-off, GAME index, weekday) become
// current weeks of five, the play-by-play watch flag starting at 0.
void Move_Old_Schedule(TEAM& Team, const uint8_t* pOldTeam)
{
    for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
        int32_t Old[OLD_GAME_WEEK_WORDS];
        std::memcpy(Old, pOldTeam + OLD_GAME_SCHEDULE_OFFSET + 4 * OLD_GAME_WEEK_WORDS * w, sizeof(Old));
        Team.nSchedule[w][0] = Old[0];
        Team.nSchedule[w][1] = 0;
        Team.nSchedule[w][2] = Old[1];
        Team.nSchedule[w][3] = Old[2];
        Team.nSchedule[w][4] = Old[3];
    }
}

// Re-lays pRegion from the old layout of nOldSize bytes. bOldGame chooses the
// 68,452-byte records with four-word weeks; otherwise the 99,848-byte ones.
int Convert_Layout(void* pRegion, const char* szFunction, size_t nOldSize, bool bOldGame)
{
    if (pRegion == nullptr)
        return 0;
    uint8_t* pBlock = static_cast<uint8_t*>(pRegion);

    // Blocks that filled more than the old layout are not of that layout.
    for (size_t i = nOldSize; i < LEAGUE_DATA_SIZE; ++i) {
        if (pBlock[i] != 0) {
            Report_Error("%s(): the file holds data past the %zu bytes of its layout (at byte %zu)", szFunction, nOldSize, i);
            return 0;
        }
    }

    errno = 0;
    uint8_t* pOld = g_bAllocationFault ? nullptr : static_cast<uint8_t*>(std::malloc(nOldSize));
    if (pOld == nullptr) {
        Report_Error("Unable to allocate memory to convert old UNIVERSE file! %d", g_bAllocationFault ? ENOMEM : errno);
        return 0;
    }
    std::memcpy(pOld, pBlock, nOldSize);
    std::memset(pBlock + OLD_HEAD_SIZE, 0, LEAGUE_DATA_SIZE - OLD_HEAD_SIZE);

    const size_t nOldTeamSize = bOldGame ? OLD_GAME_TEAM_SIZE : OLD_UNIVERSE_TEAM_SIZE;
    LEAGUE_DATA* pLeague = static_cast<LEAGUE_DATA*>(pRegion);
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        const uint8_t* pOldTeam = pOld + OLD_HEAD_SIZE + nOldTeamSize * static_cast<size_t>(t);
        uint8_t* pTeam = reinterpret_cast<uint8_t*>(&pLeague->Team[t]);
        Move_Areas(pTeam, pOldTeam, OLD_TEAM_FIELDS);
        if (bOldGame)
            Move_Old_Schedule(pLeague->Team[t], pOldTeam);
        else
            Move_Areas(pTeam, pOldTeam, OLD_UNIVERSE_TEAM_TAIL);
    }
    if (bOldGame)
        Move_Areas(pBlock, pOld, OLD_GAME_AREAS);
    else
        Move_Areas(pBlock, pOld, OLD_UNIVERSE_AREAS);
    std::free(pOld);
    return 1;
}

}  // namespace

int Convert_Old_Game(void* pRegion)
{
    return Convert_Layout(pRegion, "Convert_Old_Game", OLD_GAME_REGION_SIZE, true);
}

int Convert_Old_Universe(void* pRegion)
{
    return Convert_Layout(pRegion, "Convert_Old_Universe", OLD_UNIVERSE_REGION_SIZE, false);
}

OLD_LAYOUT_AREAS Get_Old_Game_Areas()
{
    return {OLD_TEAM_FIELDS, {}, OLD_GAME_AREAS};
}

OLD_LAYOUT_AREAS Get_Old_Universe_Areas()
{
    return {OLD_TEAM_FIELDS, OLD_UNIVERSE_TEAM_TAIL, OLD_UNIVERSE_AREAS};
}

void Set_Old_File_Allocation_Fault(bool bFail)
{
    g_bAllocationFault = bFail;
}

// ---------------------------------------------------------------------------
// The older line's fix-ups

void Run_Older_Line_Fix_Ups(int nVersion)
{
    if (nVersion < LEADER_TABLES_VERSION)
        std::memset(League.LeaderTables, 0, sizeof(League.LeaderTables));
    if (nVersion < DRAFT_ROUND_VERSION)
        Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    if (nVersion < TRADE_OFFERS_VERSION)
        Set_User_Preference(PREF_AI_TRADE_OFFERS, 0);
    if (nVersion < PLAYER_FIELD_6_VERSION)
        Reset_Player_Field_To_22();
    if (nVersion <= PLAYBOOKS_LAST_VERSION)
        Reset_Team_Playbooks();
    if (nVersion < TEAM_STYLES_VERSION) {
        Set_Default_Defense_Alignments();
        Set_Team_Stat_10_Defaults();
    }
    if (nVersion < POSITION_CODES_VERSION)
        Scan_Player_Records_On_Load();
    if (nVersion < UNPLAYED_WEEKS_VERSION)
        Mark_Unplayed_Schedule_Weeks();
    if (nVersion < DRAFT_ORDER_VERSION && Get_Current_Week() >= Get_First_Playoff_Week())
        Set_Draft_Order();
    if (nVersion < OLD_GAME_RECORDS_VERSION) {
        // Files that got the default settings in this load have had the
        // season's rules applied with them; a second roll would raise the
        // salary cap again and undo the 1970 exchange of the leagues.
        if (nVersion > DEFAULT_SETTINGS_LAST_VERSION)
            Apply_Season_Rule_Changes();
        Fix_Old_Game_Records();
    }
    if (nVersion < SALARY_CAP_RULE_VERSION)
        Update_Two_Point_Rule();
    if (nVersion < AUTO_FILL_VERSION)
        Set_User_Preference(PREF_AUTO_FILL_ROSTERS, 1);
    if (nVersion < SALARY_DATA_VERSION)
        Check_Fix_Salary_Data();
    if (nVersion < ERA_SWITCHES_VERSION) {
        Update_Overtime_Rules();
        Set_Default_Skin();
    }
    Convert_Old_Vital_Stat_16();
    Recompute_Ratings_And_Calibrate();
}

void Mark_Unplayed_Schedule_Weeks()
{
    // A damaged week preference may be negative or past the schedule.
    int nFirst = std::clamp(League.Preferences.nInt[PREF_CURRENT_WEEK], 0, SCHEDULE_WEEKS);
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        for (int w = nFirst; w < SCHEDULE_WEEKS; ++w) {
            if (League.Team[t].nSchedule[w][3] == 0)
                League.Team[t].nSchedule[w][3] = -1;
        }
    }
}

void Fix_Old_Game_Records()
{
    for (GAME& Game : League.Game) {
        uint8_t* p = reinterpret_cast<uint8_t*>(&Game);
        std::memmove(p + 42, p + 52, 2);
        std::memmove(p + 46, p + 56, 2);
    }
}

void Convert_Old_Vital_Stat_16()
{
    For_Each_Player_In_Use([](int t, int s) {
        int32_t& nValue = League.Team[t].Player[s].nVital[VITAL_DRAFT_PICK];
        long long v = static_cast<long long>(nValue) + 90000LL * (nValue / 10000);
        nValue = static_cast<int32_t>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
    });
}

// ---------------------------------------------------------------------------
// The current line's fix-ups

void Run_Current_Line_Fix_Ups(int nVersion)
{
    if (nVersion < OVERTIME_RULE_VERSION && Get_Current_Year() > 2013)
        Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, 1);
    if (nVersion < RECOMPUTE_RATINGS_VERSION)
        Recompute_Ratings_And_Calibrate();
    if (nVersion < HEIGHTS_VERSION)
        Fill_Missing_Player_Heights();
    if (nVersion < FINANCE_INDEX_VERSION) {
        Get_League_Finance_Index();   // stores the index in the universe settings
        Get_Per_Game_Base_Revenue();
    }
    if (nVersion < FANTASY_DRAFT_FILE_VERSION && League.Universe.nStat[FANTASY_DRAFT_RUNNING] >= 1)
        Load_Fantasy_Draft_File();
    if (nVersion < CALIBRATE_VERSION)
        Calibrate_Player_Ratings();
    if (nVersion < PERIOD_LENGTH_VERSION)
        Update_Overtime_Period_Rule();
    if (nVersion < LIST_COLUMNS_VERSION)
        Reset_List_Columns();
    if (nVersion < POSITION_BYTES_VERSION)
        Sync_Player_Position_Bytes();
    if (nVersion < DOWNLOADS_VERSION) {
        // The window may already be open (a caller's own progress); the
        // copies go ahead without one then.
        const bool bProgress = Open_Progress_Window("Downloading Player Photos and Team Logos", DOWNLOADS_PROGRESS_STEPS) != 0;
        Copy_Downloaded_Photos();
        Copy_Downloaded_Logos();
        if (bProgress)
            Close_Progress_Window();
    }
    if (nVersion < ERA_FLAGS_VERSION) {
        Update_Kickoff_Spot_Rule();
        Update_Missed_Field_Goal_Spot_Rule();
    }
    if (nVersion < ABBREVIATIONS_VERSION)
        Set_League_Abbreviations();
    if (nVersion < ROOKIE_CONTRACTS_VERSION)
        Update_All_Rookie_Contract_Values(0);
    if (nVersion < DRAFT_POOL_2021_VERSION) {
        if (League.Preferences.nInt[PREF_SEASON_INDEX] == 0 && League.Universe.nStat[FIRST_SEASON_YEAR] == 2021 &&
            Check_Draft_Pool() == 0)
            Prepare_Draft_Pool();
        Repair_Player_Birth_Dates();
    }
    if (nVersion < MEASURES_VERSION)
        Fill_Missing_Player_Measures();
}

void Recompute_Ratings_And_Calibrate()
{
    Recompute_All_Player_Ratings();
    Repair_Player_Ratings();
    Calibrate_Player_Ratings();
}

void Fill_Missing_Player_Heights()
{
    For_Each_Player_In_Use([](int t, int s) {
        PLAYER& Player = League.Team[t].Player[s];
        if (Player.nVital[VITAL_HEIGHT] >= MINIMUM_HEIGHT)
            return;
        int nPosition = Player.nVital[VITAL_POSITION];
        long long nHeight = Get_Typical_Player_Height(nPosition) +
                            (static_cast<long long>(Player.nVital[VITAL_WEIGHT]) - Get_Average_Player_Weight(nPosition)) / 10;
        Player.nVital[VITAL_HEIGHT] = static_cast<int32_t>(nHeight);
    });
}

void Sync_Player_Position_Bytes()
{
    For_Each_Player_In_Use([](int t, int s) {
        PLAYER& Player = League.Team[t].Player[s];
        uint8_t nPosition = static_cast<uint8_t>(Player.nVital[VITAL_POSITION]);
        if (Player.bStat[POSITION_BYTE] != nPosition)
            Player.bStat[POSITION_BYTE] = nPosition;
    });
}

void Set_League_Abbreviations()
{
    const char* szFormat = Get_Current_Year() < 1970 ? "%cFL" : "%cFC";
    for (int l = 0; l < NUMBER_OF_LEAGUES; ++l) {
        char szName[LEAGUE_NAME_SIZE];
        Get_League_Name(l, szName);
        if (szName[0] == '\0')
            continue;   // a league without a name is not in use
        char szAbbreviation[LEAGUE_NAME_SIZE];
        std::snprintf(szAbbreviation, sizeof(szAbbreviation), szFormat, szName[0]);
        Set_League_Abbreviation(l, szAbbreviation);
    }
}

// ---------------------------------------------------------------------------
// Repairs of every load

void Refresh_Player_Stat_Bytes()
{
    For_Each_Player_In_Use([](int t, int s) {
        int nScore = Get_Player_Stat(t, s, PREDICTED_PERIOD, DRAFT_SCORE_CODE);
        // The byte keeps the score's range instead of wrapping.
        League.Team[t].Player[s].bStatHigh[DRAFT_SCORE_BYTE] = static_cast<uint8_t>(nScore < 0 ? 0 : (nScore > 255 ? 255 : nScore));
    });
}

namespace {

// The season the game records belong to. On the off-season's day 100 the
// season index has already moved on to the new season, whose records start
// at 0-0, while the games are still those of the season just played.
int Played_Season()
{
    return Draft_Key_Year();
}

}  // namespace

void Relink_Games_And_Records()
{
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            const int32_t* pWeek = League.Team[t].nSchedule[w];
            long long nOpponent = std::llabs(static_cast<long long>(pWeek[0])) - 1;
            int nGame = pWeek[3];
            // A damaged entry may name no team or no record; it is left alone.
            if (pWeek[0] == 0 || nGame < 0 || nGame >= NUMBER_OF_GAMES || nOpponent >= TOTAL_NUMBER_OF_TEAMS)
                continue;
            GAME& Game = League.Game[nGame];
            if (pWeek[0] > 0) {
                Game.nHomeTeam = static_cast<uint8_t>(t);
                Game.nAwayTeam = static_cast<uint8_t>(nOpponent);
            } else {
                Game.nAwayTeam = static_cast<uint8_t>(t);
                Game.nHomeTeam = static_cast<uint8_t>(nOpponent);
            }
        }
    }

    // The season's result bytes from the finished games.
    int nCount[MAX_FRANCHISES][8] = {};
    for (const GAME& Game : League.Game) {
        int a = Game.nAwayTeam;
        int h = Game.nHomeTeam;
        if (a >= MAX_FRANCHISES || h >= MAX_FRANCHISES || a == h || !Is_Game_Over(&Game))
            continue;
        const bool bPlayoff = Is_Playoff_Game(&Game) != 0;
        const int nAway = Game.nScore[GAME_SIDE_AWAY];
        const int nHome = Game.nScore[GAME_SIDE_HOME];
        if (nAway == nHome) {
            nCount[a][YEARLY_TIES / 4]++;
            nCount[h][YEARLY_TIES / 4]++;
            nCount[h][YEARLY_HOME_TIES / 4]++;
            continue;
        }
        const int nWinner = nHome > nAway ? h : a;
        const int nLoser = nHome > nAway ? a : h;
        if (bPlayoff) {
            nCount[nWinner][YEARLY_PLAYOFF_WINS / 4]++;
            nCount[nLoser][YEARLY_PLAYOFF_LOSSES / 4]++;
        } else {
            nCount[nWinner][YEARLY_WINS / 4]++;
            nCount[nLoser][YEARLY_LOSSES / 4]++;
            if (nWinner == h)
                nCount[h][YEARLY_HOME_WINS / 4]++;
            else
                nCount[h][YEARLY_HOME_LOSSES / 4]++;
        }
    }
    const int nYear = Played_Season();
    for (int t = 0; t < MAX_FRANCHISES && nYear >= 0; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        for (int k = 0; k < 8; ++k)
            Set_Team_Yearly_Char(t, nYear, 4 * k, nCount[t][k]);
    }
}

void Check_Receiver_Statistics()
{
    int nReceivers = 0;
    int nWithReceptions = 0;
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const PLAYER& Player = League.Team[t].Player[s];
            if (Player.nVital[VITAL_PLAYER_ID] == 0 || Player.nVital[VITAL_POSITION] != POSITION_WR)
                continue;
            ++nReceivers;
            if (Get_Player_Stat(t, s, CAREER_PERIOD, RECEPTIONS_STAT) > 0)
                ++nWithReceptions;
        }
    }
    if (10LL * nWithReceptions < nReceivers)
        Set_User_Preference(PREF_CARD_STAT_CHOICE, League.Universe.nStat[FIRST_SEASON_YEAR]);
}

void Recount_Season_Records()
{
    const int nTeams = Count_Teams();
    const int nYear = Played_Season();
    constexpr int ALL_GAMES = 0x400;
    constexpr int HOME_GAMES = 0xC00;
    for (int t = 0; t < nTeams && nYear >= 0; ++t) {
        Set_Team_Yearly_Char(t, nYear, YEARLY_WINS, Count_Team_Results(t, 0, ALL_GAMES));
        Set_Team_Yearly_Char(t, nYear, YEARLY_LOSSES, Count_Team_Results(t, 4, ALL_GAMES));
        Set_Team_Yearly_Char(t, nYear, YEARLY_TIES, Count_Team_Results(t, 8, ALL_GAMES));
        Set_Team_Yearly_Char(t, nYear, YEARLY_HOME_WINS, Count_Team_Results(t, 0, HOME_GAMES));
        Set_Team_Yearly_Char(t, nYear, YEARLY_HOME_LOSSES, Count_Team_Results(t, 4, HOME_GAMES));
        Set_Team_Yearly_Char(t, nYear, YEARLY_HOME_TIES, Count_Team_Results(t, 8, HOME_GAMES));
    }
}

void Fix_Low_Speed_Ratings()
{
    For_Each_Player_In_Use(Raise_Low_Player_Speed);
}

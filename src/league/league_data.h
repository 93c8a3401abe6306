// The league block: every table of the league in one fixed block of memory.
//
// The block is saved and loaded byte for byte (compressed), so the layout of
// every record below is also the game-file format: little-endian, natural
// alignment, fixed-width fields only, never pointers. Every place that the
// file format fixes carries a static_assert.
//
// Region map (offset, size, contents):
//
//   offset       size        contents
//   0            256         path of the current game file
//   256          64          a second text (current game text)
//   320          512         database notes
//   832          1,024       current display skin name ("earth")
//   1,856        496         universe settings: 16-bit words from 2,020, the
//                            universe stats (int32) from 2,112
//   2,352        32          two league names of 16 bytes
//   2,384        96          eight division names of 12 bytes
//   2,480        4,713,688   TEAM records, 41 x 114,968
//   4,716,168    7,200       CITY records, 100 x 72
//   4,723,368    792         draft-pick owners (756) and draft order (36)
//   4,724,160    14,612,400  GAME records, 300 x 48,708
//   19,336,560   1,200       preferences: 240 int32 then 120 int16
//   19,337,760   288         standings area: division rows, playoff bracket
//                            and scores, calendar days from 19,338,024
//   19,338,048   3,014,656   SEASON_LINE table, 32,768 x 92
//   22,352,704   524,288     season-line bookkeeping, fantasy-draft state,
//                            engine tables, the two 2,048-byte league texts
//   22,876,992   98,280      all-time leader tables
//   22,975,272               end
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "league/game_record.h"   // GAME, NUMBER_OF_GAMES, GAME_RECORD_SIZE

// ---------------------------------------------------------------------------
// Sizes and special values

constexpr int TOTAL_NUMBER_OF_TEAMS = 41;   // 0-35 franchises, 36-40 special
constexpr int MAX_FRANCHISES = 36;
constexpr int PLAYERS_PER_TEAM = 100;
constexpr int FREE_AGENT_TEAM = 36;
constexpr int HALL_OF_FAME_TEAM = 37;
constexpr int FIRST_DRAFT_POOL_TEAM = 38;   // 38, 39, 40: college pools
constexpr int LAST_DRAFT_POOL_TEAM = 40;
constexpr int LAST_TEAM = TOTAL_NUMBER_OF_TEAMS - 1;   // 40
constexpr int NO_TEAM = 128;                // a team byte meaning "none"
constexpr int ALL_TEAMS = 255;              // several readers: league total
constexpr int NO_PLAYER = 255;              // a slot byte meaning "none"

constexpr int NUMBER_OF_POSITIONS = 15;
constexpr int NUMBER_OF_RATINGS = 27;       // stored ratings 0-26
constexpr int NUMBER_OF_VITAL_STATS = 26;   // stored vital stats 0-25
constexpr int STATS_PER_PERIOD = 20;
constexpr int STORED_PERIODS = 4;           // this season, last, career, predicted
constexpr int SEASON_LINK_COUNT = 30;
constexpr int PLAYER_COUNTER_COUNT = 6;

constexpr int TEAM_STRING_COUNT = 8;
constexpr int TEAM_STRING_SIZE = 32;
constexpr int TEAM_TOTAL_CATEGORIES = 8;
constexpr int TEAM_TOTAL_SEASONS = 3;
constexpr int TEAM_STAT_COUNT = 60;
constexpr int STADIUM_STAT_COUNT = 20;
constexpr int FINANCIAL_STAT_COUNT = 80;    // stored codes 0-79
constexpr int YEARLY_RECORD_YEARS = 100;
constexpr int YEARLY_RECORD_BYTES = 32;
constexpr int YEARLY_INT_COUNT = 4;
constexpr int SCHEDULE_WEEKS = 22;
constexpr int SCHEDULE_WEEK_FIELDS = 5;

constexpr int NUMBER_OF_CITIES = 100;
constexpr int CITY_STAT_COUNT = 10;

constexpr int PREFERENCE_INT32_SLOTS = 240;
constexpr int PREFERENCE_INT16_SLOTS = 120;
constexpr int PREFERENCE_SLOTS = 360;

constexpr int SEASON_LINE_COUNT = 32768;
constexpr int SEASON_LINE_WORDS = 23;

constexpr int LEAGUE_NAME_SIZE = 16;
constexpr int DIVISION_NAME_SIZE = 12;
constexpr int NUMBER_OF_LEAGUES = 2;
constexpr int NUMBER_OF_DIVISIONS = 8;

constexpr int DRAFT_YEARS = 3;
constexpr int DRAFT_ROUNDS = 7;

// ---------------------------------------------------------------------------
// PLAYER, 756 bytes

struct PLAYER {
    char szLastName[20];                               // 0
    char szFirstName[12];                              // 20
    char szCorvelID[12];                               // 32: statistics-database ID text
    uint8_t bStat[4];                                  // 44: byte stats 0-3
    int32_t nVital[NUMBER_OF_VITAL_STATS];             // 48: VITAL_STAT 0-25
    uint8_t bStatHigh[16];                             // 152: byte stats 4-19
    int32_t nStat[STORED_PERIODS][STATS_PER_PERIOD];   // 168
    int32_t nSeasonLink[SEASON_LINK_COUNT];            // 488: -1 none
    int32_t nCurrentLine;                              // 608: -1 none
    int16_t nCounter[PLAYER_COUNTER_COUNT];            // 612
    float fRating[NUMBER_OF_RATINGS];                  // 624
    char szCollege[24];                                // 732
};
static_assert(sizeof(PLAYER) == 756);
static_assert(offsetof(PLAYER, szLastName) == 0);
static_assert(offsetof(PLAYER, szFirstName) == 20);
static_assert(offsetof(PLAYER, szCorvelID) == 32);
static_assert(offsetof(PLAYER, bStat) == 44);
static_assert(offsetof(PLAYER, nVital) == 48);
static_assert(offsetof(PLAYER, bStatHigh) == 152);
static_assert(offsetof(PLAYER, nStat) == 168);
static_assert(offsetof(PLAYER, nSeasonLink) == 488);
static_assert(offsetof(PLAYER, nCurrentLine) == 608);
static_assert(offsetof(PLAYER, nCounter) == 612);
static_assert(offsetof(PLAYER, fRating) == 624);
static_assert(offsetof(PLAYER, szCollege) == 732);

// ---------------------------------------------------------------------------
// TEAM, 114,968 bytes

constexpr int OFFENSIVE_PLAYBOOK_SIZE = 19680;
constexpr int DEPTH_CHART_SIZE = 2112;
constexpr int DEFENSIVE_PLAYBOOK_SIZE = 9516;

struct TEAM {
    char szString[TEAM_STRING_COUNT][TEAM_STRING_SIZE];                     // 0
    PLAYER Player[PLAYERS_PER_TEAM];                                        // 256
    uint8_t bReturner[4];                                                   // 75,856
    int32_t nTotals[TEAM_TOTAL_CATEGORIES][TEAM_TOTAL_SEASONS][STATS_PER_PERIOD]; // 75,860
    int32_t nTeamStat[TEAM_STAT_COUNT];                                     // 77,780
    int32_t nStadiumStat[STADIUM_STAT_COUNT];                               // 78,020
    int32_t nFinancialStat[FINANCIAL_STAT_COUNT];                           // 78,100
    int8_t bYearly[YEARLY_RECORD_YEARS][YEARLY_RECORD_BYTES];               // 78,420
    int32_t nYearly[YEARLY_RECORD_YEARS][YEARLY_INT_COUNT];                 // 81,620
    int32_t nSchedule[SCHEDULE_WEEKS][SCHEDULE_WEEK_FIELDS];                // 83,220
    uint8_t OffensivePlaybook[OFFENSIVE_PLAYBOOK_SIZE];                     // 83,660
    uint8_t DepthChart[DEPTH_CHART_SIZE];                                   // 103,340
    uint8_t DefensivePlaybook[DEFENSIVE_PLAYBOOK_SIZE];                     // 105,452
};
static_assert(sizeof(TEAM) == 114968);
static_assert(offsetof(TEAM, Player) == 256);
static_assert(offsetof(TEAM, bReturner) == 75856);
static_assert(offsetof(TEAM, nTotals) == 75860);
static_assert(offsetof(TEAM, nTeamStat) == 77780);
static_assert(offsetof(TEAM, nStadiumStat) == 78020);
static_assert(offsetof(TEAM, nFinancialStat) == 78100);
static_assert(offsetof(TEAM, bYearly) == 78420);
static_assert(offsetof(TEAM, nYearly) == 81620);
static_assert(offsetof(TEAM, nSchedule) == 83220);
static_assert(offsetof(TEAM, OffensivePlaybook) == 83660);
static_assert(offsetof(TEAM, DepthChart) == 103340);
static_assert(offsetof(TEAM, DefensivePlaybook) == 105452);

// ---------------------------------------------------------------------------
// CITY, 72 bytes

struct CITY {
    char szName[20];                    // empty name marks a free entry
    char szPhoto[12];
    int32_t nStat[CITY_STAT_COUNT];     // population, region, growth, income,
                                        // altitude, longitude, latitude, time zone, 2 unused
};
static_assert(sizeof(CITY) == 72);
static_assert(offsetof(CITY, szPhoto) == 20);
static_assert(offsetof(CITY, nStat) == 32);

// ---------------------------------------------------------------------------
// Universe settings area, region offsets 1,856-2,351.
// 16-bit words: index (offset - 2,020) / 2. Universe stats: index (offset - 2,112) / 4.

constexpr int UNIVERSE_AREA_OFFSET = 1856;
constexpr int UNIVERSE_WORD_OFFSET = 2020;
constexpr int UNIVERSE_WORD_COUNT = 46;     // 2,020-2,111
constexpr int UNIVERSE_STAT_OFFSET = 2112;
constexpr int UNIVERSE_STAT_COUNT = 60;     // 2,112-2,351

// Universe stats (int32) by index.
enum UNIVERSE_STAT : int {
    GAMES_PER_SEASON = 0,          // 2,112
    WILD_CARD_TEAMS = 1,           // 2,116
    SALARY_CAP = 2,                // 2,120: dollars, 0 = none
    FIRST_SEASON_YEAR = 3,         // 2,124
    FANTASY_DRAFT_RUNNING = 4,     // 2,128
    UNIVERSE_STAT_6 = 6,           // 2,136: saved as loaded; written only by a new-game option without a control, read by nothing
    INFLATION_FACTOR = 9,          // 2,148: per mille of the 2023 level
    LEAGUE_PER_GAME_AMOUNT = 10,   // 2,152
    FINANCE_INDEX = 11,            // 2,156
    REVENUE_ADJUSTMENT = 16,       // 2,176
    SHARED_TEAM_COUNT = 40,        // 2,272: last result of Count_Teams
    LEAGUE_TRADE_BALANCE = 41,     // 2,276: -2000..2000
};

// 16-bit universe words by region offset.
constexpr int CLICK_TO_CONTINUE_WORD = 2028;   // the game view's click pause
constexpr int UNIVERSE_OPTION_2066 = 2066;     // the game-file loader sets it to 1; nothing reads it
constexpr int REPLAY_MODE_WORD = 2070;         // replay-mode flag
constexpr int FICTIONAL_PLAYERS_WORD = 2072;   // fictional-players flag
constexpr int FINANCE_SLOT_MODE_WORD = 2074;   // financial codes 88/89: all-slots mode
constexpr int INTER_LEAGUE_FINAL_WORD = 2076;  // 1: the two leagues' champions meet in a final
constexpr int SECOND_ROUND_DIVISION_RULE_WORD = 2078; // 1: division rivals may not meet in round two
constexpr int DAY_ADVANCE_BUSY_WORD = 2080;    // nonzero while a day advance runs
constexpr int SIMULATION_STOP_DAY_WORD = 2082; // the day a simulation run stops at
constexpr int REVERSION_TO_MEAN_WORD = 2084;   // league setting -100..100: how hard high ratings fall back
constexpr int FIXED_DEVELOPMENT_WORD = 2086;   // 1: generated players get fixed development ages
constexpr int FICTIONAL_ROOKIES_WORD = 2088;   // 1: drafts use generated rookies, never a class file
constexpr int PLAYERS_SHUFFLED_WORD = 2090;    // 0 while a new game's shuffle runs, 1 after
constexpr int RATING_TUNING_WORD = 2092;       // signed percent: how hard the difficulty varies ratings

struct UNIVERSE_SETTINGS {
    uint8_t Reserved[UNIVERSE_WORD_OFFSET - UNIVERSE_AREA_OFFSET];   // 1,856-2,019
    int16_t nWord[UNIVERSE_WORD_COUNT];                              // 2,020
    int32_t nStat[UNIVERSE_STAT_COUNT];                              // 2,112
};
static_assert(sizeof(UNIVERSE_SETTINGS) == 496);
static_assert(offsetof(UNIVERSE_SETTINGS, nWord) == UNIVERSE_WORD_OFFSET - UNIVERSE_AREA_OFFSET);
static_assert(offsetof(UNIVERSE_SETTINGS, nStat) == UNIVERSE_STAT_OFFSET - UNIVERSE_AREA_OFFSET);

// ---------------------------------------------------------------------------
// Draft bookkeeping, region offset 4,723,368.

struct DRAFT_TABLES {
    uint8_t DraftPickOwner[DRAFT_YEARS][DRAFT_ROUNDS][MAX_FRANCHISES];  // owner of team t's pick
    uint8_t DraftOrder[MAX_FRANCHISES];                                 // franchise picking i-th
};
static_assert(sizeof(DRAFT_TABLES) == 792);

// ---------------------------------------------------------------------------
// Preferences block, 1,200 bytes.

struct PREFERENCES {
    int32_t nInt[PREFERENCE_INT32_SLOTS];     // slots 0-239
    int16_t nShort[PREFERENCE_INT16_SLOTS];   // slots 240-359
};
static_assert(sizeof(PREFERENCES) == 1200);
static_assert(offsetof(PREFERENCES, nShort) == 960);

// ---------------------------------------------------------------------------
// Standings area, region offset 19,337,760, 288 bytes.

constexpr int DIVISION_ROW_PLACES = 13;     // places of one division row
constexpr int PLAYOFF_SLOTS = 31;           // bracket slots 0-30
constexpr int PLAYOFF_CHAMPION_SLOT = 30;
constexpr int SEASON_CALENDAR_DAYS = 6;

struct STANDINGS_AREA {
    // Team at place p (0 = first) of division d; NO_TEAM for none.
    uint8_t DivisionRow[NUMBER_OF_DIVISIONS][DIVISION_ROW_PLACES];   // 19,337,760
    int32_t nReserved;                                               // 19,337,864: kept, unused
    // Slots 0-15 first round, 16-23 second, 24-27 third, 28-29 the final,
    // 30 the champion; NO_TEAM for an empty slot.
    uint8_t PlayoffTeam[PLAYOFF_SLOTS];                              // 19,337,868
    uint8_t Padding;                                                 // 19,337,899
    int32_t nPlayoffScore[PLAYOFF_SLOTS];                            // 19,337,900
    // Day 0 is the number of regular-season weeks, which is also the first
    // playoff day; days 1-5 follow it (P + 1 .. P + 5).
    int32_t nPlayoffDay[SEASON_CALENDAR_DAYS];                       // 19,338,024
};
static_assert(sizeof(STANDINGS_AREA) == 288);
static_assert(offsetof(STANDINGS_AREA, nReserved) == 104);
static_assert(offsetof(STANDINGS_AREA, PlayoffTeam) == 108);
static_assert(offsetof(STANDINGS_AREA, nPlayoffScore) == 140);
static_assert(offsetof(STANDINGS_AREA, nPlayoffDay) == 264);

// ---------------------------------------------------------------------------
// The whole league block.

constexpr size_t LEAGUE_DATA_SIZE = 22975272;
constexpr size_t SEASON_BOOKKEEPING_SIZE = 524288;
constexpr size_t LEADER_TABLES_SIZE = 98280;

struct LEAGUE_DATA {
    char szCurrentGamePath[256];                                  // 0
    char szCurrentGameText[64];                                   // 256
    char szDatabaseNotes[512];                                    // 320
    char szSkinName[1024];                                        // 832
    UNIVERSE_SETTINGS Universe;                                   // 1,856
    char szLeagueName[NUMBER_OF_LEAGUES][LEAGUE_NAME_SIZE];       // 2,352
    char szDivisionName[NUMBER_OF_DIVISIONS][DIVISION_NAME_SIZE]; // 2,384
    TEAM Team[TOTAL_NUMBER_OF_TEAMS];                             // 2,480
    CITY City[NUMBER_OF_CITIES];                                  // 4,716,168
    DRAFT_TABLES Draft;                                           // 4,723,368
    GAME Game[NUMBER_OF_GAMES];                                   // 4,724,160
    PREFERENCES Preferences;                                      // 19,336,560
    STANDINGS_AREA StandingsArea;                                 // 19,337,760
    int32_t SeasonLines[SEASON_LINE_COUNT][SEASON_LINE_WORDS];    // 19,338,048
    uint8_t SeasonBookkeeping[SEASON_BOOKKEEPING_SIZE];           // 22,352,704
    uint8_t LeaderTables[LEADER_TABLES_SIZE];                     // 22,876,992
};
static_assert(sizeof(LEAGUE_DATA) == LEAGUE_DATA_SIZE);
static_assert(offsetof(LEAGUE_DATA, szCurrentGamePath) == 0);
static_assert(offsetof(LEAGUE_DATA, szCurrentGameText) == 256);
static_assert(offsetof(LEAGUE_DATA, szDatabaseNotes) == 320);
static_assert(offsetof(LEAGUE_DATA, szSkinName) == 832);
static_assert(offsetof(LEAGUE_DATA, Universe) == 1856);
static_assert(offsetof(LEAGUE_DATA, Universe.nWord) == 2020);
static_assert(offsetof(LEAGUE_DATA, Universe.nStat) == 2112);
static_assert(offsetof(LEAGUE_DATA, Universe.nStat[WILD_CARD_TEAMS]) == 2116);
static_assert(offsetof(LEAGUE_DATA, Universe.nStat[SALARY_CAP]) == 2120);
static_assert(offsetof(LEAGUE_DATA, Universe.nStat[FIRST_SEASON_YEAR]) == 2124);
static_assert(offsetof(LEAGUE_DATA, Universe.nStat[FANTASY_DRAFT_RUNNING]) == 2128);
static_assert(offsetof(LEAGUE_DATA, Universe.nStat[INFLATION_FACTOR]) == 2148);
static_assert(offsetof(LEAGUE_DATA, szLeagueName) == 2352);
static_assert(offsetof(LEAGUE_DATA, szDivisionName) == 2384);
static_assert(offsetof(LEAGUE_DATA, Team) == 2480);
static_assert(offsetof(LEAGUE_DATA, City) == 4716168);
static_assert(offsetof(LEAGUE_DATA, Draft) == 4723368);
static_assert(offsetof(LEAGUE_DATA, Game) == 4724160);
static_assert(offsetof(LEAGUE_DATA, Preferences) == 19336560);
static_assert(offsetof(LEAGUE_DATA, StandingsArea) == 19337760);
static_assert(offsetof(LEAGUE_DATA, StandingsArea.PlayoffTeam) == 19337868);
static_assert(offsetof(LEAGUE_DATA, StandingsArea.nPlayoffScore) == 19337900);
static_assert(offsetof(LEAGUE_DATA, StandingsArea.nPlayoffDay) == 19338024);
static_assert(offsetof(LEAGUE_DATA, SeasonLines) == 19338048);
static_assert(offsetof(LEAGUE_DATA, SeasonBookkeeping) == 22352704);
static_assert(offsetof(LEAGUE_DATA, LeaderTables) == 22876992);

// Region offset of the calendar words inside the standings area.
constexpr size_t CALENDAR_WORDS_OFFSET = 19338024;
static_assert(offsetof(LEAGUE_DATA, StandingsArea.nPlayoffDay) == CALENDAR_WORDS_OFFSET);

// The one league block of the process. Zero-filled at start.
extern LEAGUE_DATA League;

// Clears the whole block to zero (tests and new-game set-up).
void Zero_League_Data();

// The whole block as bytes, kept aside to be put back later (a simulated
// season is undone this way). A copy of another size is refused (reported).
std::vector<uint8_t> Copy_League_Block();
void Restore_League_Block(const std::vector<uint8_t>& Block);

// 16-bit universe word at a region offset from 2,020 to 2,110 (even).
int Get_Universe_Word(int nOffset);
void Set_Universe_Word(int nOffset, int nValue);

// Universe stat by index 0-59; a bad index is reported and gives 0.
int Get_Universe_Stat(int nIndex);
// Stores any value at index 0-59. WILD_CARD_TEAMS above 4 is reported as
// "nValue too high in Set_Universe_Stat(WILD_CARD_TEAMS, %d)" and stored all
// the same.
void Set_Universe_Stat(int nIndex, int nValue);

// Zeroes the whole league block; the 36 franchise slots get team stats 0-3
// of -1 (not in use).
void Clear_League_Data();

// The stored path of the current game (the block's first field), cut to
// nOutSize - 1 bytes and always terminated; nothing for a null or empty buffer.
void Get_League_Game_Path(char* szOut, size_t nOutSize);
// Stores the path of the current game, cut to the field and zero-filled
// after it; a null path is stored as empty.
void Set_League_Game_Path(const char* szPath);
// Stores the database notes the same way.
void Set_Database_Notes(const char* szText);

// Copies nSize bytes into the season bookkeeping area from nOffset. Bytes
// outside the area (or null data) are reported and nothing is written.
void Set_Season_Bookkeeping_Bytes(size_t nOffset, const void* pData, size_t nSize);
// Copies nSize bytes of the area from nOffset into pOut; bytes outside the
// area (or a null pOut) are reported and nothing is copied.
void Get_Season_Bookkeeping_Bytes(size_t nOffset, void* pOut, size_t nSize);

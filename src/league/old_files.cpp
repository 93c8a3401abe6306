// Files of older versions and the repairs every loaded league gets.

#include "league/old_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cstdio>
#include <cstdlib>

#include "engine/game_state.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "platform/errors.h"
#include "season/draft_pool.h"
#include "season/player_generation.h"
#include "tools/player_repairs.h"

namespace {

// Version gates of the older line's fix-ups.
constexpr int LEADER_TABLES_VERSION = 2502;
constexpr int DRAFT_ROUND_VERSION = 5050;
constexpr int TRADE_OFFERS_VERSION = 5140;
constexpr int UNPLAYED_WEEKS_VERSION = 6700;
constexpr int DRAFT_ORDER_VERSION = 7050;
constexpr int OLD_GAME_RECORDS_VERSION = 7700;
constexpr int SALARY_CAP_RULE_VERSION = 8020;
constexpr int AUTO_FILL_VERSION = 8030;
constexpr int ERA_SWITCHES_VERSION = 8510;

// Version gates of the current line's fix-ups.
constexpr int OVERTIME_RULE_VERSION = 1101;
constexpr int RECOMPUTE_RATINGS_VERSION = 1163;
constexpr int HEIGHTS_VERSION = 1210;
constexpr int CALIBRATE_VERSION = 1311;
constexpr int PERIOD_LENGTH_VERSION = 1410;
constexpr int POSITION_BYTES_VERSION = 1560;
constexpr int ERA_FLAGS_VERSION = 1605;
constexpr int ABBREVIATIONS_VERSION = 1691;
constexpr int DRAFT_POOL_2021_VERSION = 1904;
constexpr int MEASURES_VERSION = 1905;

constexpr int MINIMUM_HEIGHT = 48;
constexpr int PREDICTED_PERIOD = 3;
constexpr int CAREER_PERIOD = 2;
constexpr int DRAFT_SCORE_CODE = 299;
constexpr int RECEPTIONS_STAT = 6;
constexpr int DRAFT_SCORE_BYTE = 1;             // bStatHigh[1]: record offset 153
constexpr int POSITION_BYTE = 2;                // bStat[2]: record offset 46
constexpr float LOW_SPEED = 40.0f;

int Current_Year()
{
    return League.Universe.nStat[FIRST_SEASON_YEAR] + League.Preferences.nInt[PREF_SEASON_INDEX];
}

bool Is_Used(int nTeam, int nSlot)
{
    return League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID] != 0;
}

// Calls f(team, slot) for every player (ID not 0) of every team in use.
template <typename F> void For_Each_Player(F f)
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Is_Used(t, s))
                f(t, s);
        }
    }
}

bool Is_Franchise(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Team_Slot_Used(nTeam);
}

}  // namespace

// ---------------------------------------------------------------------------
// Old layouts

int Convert_Old_Game(void* pRegion)
{
    (void)pRegion;
    // Re-laying this layout needs the older line's fix-ups (playbooks, salary
    // and season rules), which do not exist yet; loading such a file half
    // converted would leave a league that cannot be played.
    Report_Error("Unable to convert old GAME file! Layout of %d bytes is not supported.", OLD_GAME_REGION_SIZE);
    return 0;
}

int Convert_Old_Universe(void* pRegion)
{
    (void)pRegion;
    Report_Error("Unable to convert old UNIVERSE file! Layout of %d bytes is not supported.", OLD_UNIVERSE_REGION_SIZE);
    return 0;
}

// ---------------------------------------------------------------------------
// The older line's fix-ups

void Run_Older_Line_Fix_Ups(int nVersion)
{
    const int nYear = Current_Year();
    if (nVersion < LEADER_TABLES_VERSION)
        std::memset(League.LeaderTables, 0, sizeof(League.LeaderTables));
    if (nVersion < DRAFT_ROUND_VERSION)
        Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    if (nVersion < TRADE_OFFERS_VERSION)
        Set_User_Preference(PREF_AI_TRADE_OFFERS, 0);
    // Files before 6010, 6501, 6520 and 6540 also reset a player field, the
    // playbooks, the defence alignments and play styles, and rescan the
    // player records; those steps come with the converters of such files.
    if (nVersion < UNPLAYED_WEEKS_VERSION)
        Mark_Unplayed_Schedule_Weeks();
    if (nVersion < DRAFT_ORDER_VERSION && Get_Current_Week() >= Get_First_Playoff_Week())
        Set_Draft_Order();
    // Files before 7700 get the season rule changes with the salary-cap rules.
    if (nVersion < OLD_GAME_RECORDS_VERSION)
        Fix_Old_Game_Records();
    if (nVersion < SALARY_CAP_RULE_VERSION)
        Set_User_Preference(PREF_SEASON_RULE_174, nYear >= 1994 ? 1 : 0);
    if (nVersion < AUTO_FILL_VERSION)
        Set_User_Preference(PREF_AUTO_FILL_ROSTERS, 1);
    // Files before 8050 are checked for corrupt salary data with the contracts.
    if (nVersion < ERA_SWITCHES_VERSION) {
        Set_User_Preference(PREF_SEASON_RULE_175, nYear >= 1974 ? 1 : 0);
        Set_User_Preference(PREF_OVERTIME_RULE_2, nYear < 2010 ? 2 : 3);
        Set_User_Preference(PREF_OVERTIME_RULE, nYear >= 2013 ? 1 : 0);
        std::memset(League.szSkinName, 0, sizeof(League.szSkinName));
        std::memcpy(League.szSkinName, "earth", 5);
    }
    Convert_Old_Vital_Stat_16();
    Recompute_All_Player_Ratings();
    Repair_Player_Ratings();
    Calibrate_Player_Ratings();
}

void Mark_Unplayed_Schedule_Weeks()
{
    // A damaged week preference may be negative or past the schedule.
    int nFirst = std::clamp(League.Preferences.nInt[PREF_CURRENT_WEEK], 0, SCHEDULE_WEEKS);
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Franchise(t))
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
    For_Each_Player([](int t, int s) {
        int32_t& nValue = League.Team[t].Player[s].nVital[VITAL_DRAFT_PICK];
        long long v = static_cast<long long>(nValue) + 90000LL * (nValue / 10000);
        nValue = static_cast<int32_t>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
    });
}

// ---------------------------------------------------------------------------
// The current line's fix-ups

void Run_Current_Line_Fix_Ups(int nVersion)
{
    const int nYear = Current_Year();
    if (nVersion < OVERTIME_RULE_VERSION && nYear > 2013)
        Set_User_Preference(PREF_OVERTIME_RULE, 1);
    if (nVersion < RECOMPUTE_RATINGS_VERSION)
        Recompute_Ratings_And_Calibrate();
    if (nVersion < HEIGHTS_VERSION)
        Fill_Missing_Player_Heights();
    // Files before 1287 also refresh the league finance index and per-game
    // revenue, files before 1306 reload a running fantasy draft's file, files
    // before 1491 reset the list columns and files before 1600 copy the
    // downloaded photos and logos; those steps join with the finances, the
    // fantasy draft, the list pages and the photo tools.
    if (nVersion < CALIBRATE_VERSION)
        Calibrate_Player_Ratings();
    if (nVersion < PERIOD_LENGTH_VERSION)
        Set_User_Preference(PREF_MINUTES_PER_PERIOD, nYear < 2017 ? 15 : 10);
    if (nVersion < POSITION_BYTES_VERSION)
        Sync_Player_Position_Bytes();
    if (nVersion < ERA_FLAGS_VERSION) {
        int n200 = (nYear >= 1994 && nYear <= 2010) ? 0 : (nYear < 1974 ? 2 : 1);
        int n202 = nYear < 1974 ? 2 : (nYear > 1993 ? 0 : 1);
        Set_User_Preference(PREF_FIELD_RULE_200, n200);
        Set_User_Preference(PREF_FIELD_RULE_202, n202);
    }
    if (nVersion < ABBREVIATIONS_VERSION)
        Set_League_Abbreviations();
    // Files before 1901 also get the rookie contract values of the draft slots
    // with the contracts of the season cycle.
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
    For_Each_Player([](int t, int s) {
        PLAYER& Player = League.Team[t].Player[s];
        if (Player.nVital[VITAL_HEIGHT] >= MINIMUM_HEIGHT)
            return;
        int nPosition = Player.nVital[VITAL_POSITION];
        long long nHeight = Get_Average_Player_Height(nPosition) +
                            (static_cast<long long>(Player.nVital[VITAL_WEIGHT]) - Get_Average_Player_Weight(nPosition)) / 10;
        Player.nVital[VITAL_HEIGHT] = static_cast<int32_t>(nHeight);
    });
}

void Sync_Player_Position_Bytes()
{
    For_Each_Player([](int t, int s) {
        PLAYER& Player = League.Team[t].Player[s];
        uint8_t nPosition = static_cast<uint8_t>(Player.nVital[VITAL_POSITION]);
        if (Player.bStat[POSITION_BYTE] != nPosition)
            Player.bStat[POSITION_BYTE] = nPosition;
    });
}

void Set_League_Abbreviations()
{
    const char* szFormat = Current_Year() < 1970 ? "%cFL" : "%cFC";
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
    For_Each_Player([](int t, int s) {
        int nScore = Get_Player_Stat(t, s, PREDICTED_PERIOD, DRAFT_SCORE_CODE);
        // The byte keeps the score's range instead of wrapping.
        League.Team[t].Player[s].bStatHigh[DRAFT_SCORE_BYTE] = static_cast<uint8_t>(nScore < 0 ? 0 : (nScore > 255 ? 255 : nScore));
    });
}

void Relink_Games_And_Records()
{
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Franchise(t))
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
    const int nYear = League.Preferences.nInt[PREF_SEASON_INDEX];
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Franchise(t))
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
        if (!Is_Franchise(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Used(t, s) || League.Team[t].Player[s].nVital[VITAL_POSITION] != POSITION_WR)
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
    const int nYear = League.Preferences.nInt[PREF_SEASON_INDEX];
    constexpr int ALL_GAMES = 0x400;
    constexpr int HOME_GAMES = 0xC00;
    for (int t = 0; t < nTeams; ++t) {
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
    For_Each_Player([](int t, int s) {
        int nPosition = League.Team[t].Player[s].nVital[VITAL_POSITION];
        if (nPosition < POSITION_QB || nPosition > POSITION_WR)
            return;
        float fSpeed = Get_Player_Rating(t, s, RATING_SPEED);
        if (fSpeed < LOW_SPEED)
            Set_Player_Rating(t, s, RATING_SPEED, std::trunc(fSpeed) + (nPosition == POSITION_WR ? 40.0f : 30.0f));
    });
}

#include "league/standings_keys.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <utility>

#include "engine/game_state.h"
#include "base/int_math.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "base/text_utils.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/player_generation.h"
#include "season/playoffs.h"

namespace {

constexpr int PLACED_KEY = ELIMINATED_STANDING;   // below even an unused slot
constexpr int HEAD_TO_HEAD_BONUS = 4000;
constexpr int DIVISION_OF_POOLS = 8;              // Get_Team_Division of slots 36-40
constexpr int NO_DIVISION = -128;
constexpr int PLAYOFF_WEEKS = 4;
constexpr int NO_SCORE = -128;

bool Is_Franchise(int nTeam)
{
    return In_Range(nTeam, 0, MAX_FRANCHISES - 1);
}

// Team stat 0 of a franchise slot, read without a report.
int Division_Of(int nTeam)
{
    return League.Team[nTeam].nTeamStat[TEAM_STAT_DIVISION];
}

uint8_t* Division_Row(int nDivision)
{
    return League.StandingsArea.DivisionRow[nDivision];
}

int Wins(int nTeam)
{
    return Get_Team_Current_Yearly_Char(nTeam, YEARLY_WINS);
}

int Losses(int nTeam)
{
    return Get_Team_Current_Yearly_Char(nTeam, YEARLY_LOSSES);
}

// While results are held, every franchise's W - L is read once, at the
// first hold (the season's records do not change inside one).
struct HELD_MARGINS {
    bool bHeld = false;
    int nMargin[MAX_FRANCHISES];
};
HELD_MARGINS Held;

int Wins_Minus_Losses(int nTeam)
{
    if (Held.bHeld && Is_Franchise(nTeam))
        return Held.nMargin[nTeam];
    return Wins(nTeam) - Losses(nTeam);
}

void Hold_Margins(bool bHold)
{
    Held.bHeld = false;
    if (!bHold)
        return;
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        Held.nMargin[t] = Wins_Minus_Losses(t);
    Held.bHeld = true;
}

// ---------------------------------------------------------------------------
// The season's finished regular-season games, kept between rebuilds.
//
// The standings are rebuilt after every finished game, and a rebuild asks for
// results a few thousand times. The counted games are therefore kept here,
// outside the saved block: a copy of the four fields that matter of each
// leading finished record (teams and scores) and, from them, every pair's
// wins, losses and ties at home and away. The first hold of a rebuild checks
// the copy against the records in one pass (the same pass that counts the
// finished records, and reading the same cache line): records that finished
// since are added, and any record that differs (a load, a new season, a
// cleared schedule) makes the pair table count again from the copy. Nothing
// inside a hold writes a GAME record or a team's division.

struct RECORD_COPY {
    uint8_t nAway;
    uint8_t nHome;
    int32_t nAwayScore;
    int32_t nHomeScore;
};

bool operator==(const RECORD_COPY& a, const RECORD_COPY& b)
{
    return a.nAway == b.nAway && a.nHome == b.nHome && a.nAwayScore == b.nAwayScore && a.nHomeScore == b.nHomeScore;
}

// Wins, losses and ties of one team against one opponent, at home and away,
// indexed by RESULT_x / 4.
struct PAIR_RESULTS {
    uint16_t nHome[3];
    uint16_t nAway[3];
};

struct KEPT_RESULTS {
    int nRecords = 0;                        // leading records copied
    int nCounted = 0;                        // of them, those in the pair table
    RECORD_COPY Copy[NUMBER_OF_GAMES];
    PAIR_RESULTS Pair[MAX_FRANCHISES][MAX_FRANCHISES];
};

KEPT_RESULTS Kept;
int nResultHolders = 0;
bool bDirectScan = false;

// The regular season's records: the leading records of the weeks before the
// first playoff week, at most nFinished. The playoff games follow them.
int Regular_Season_Records(int nFinished)
{
    // The season as it was played: its leading records of the weeks before
    // the first playoff week. A club added, a club erased or the season's
    // length changed once the season is over leave that count alone.
    const int nFirstPlayoffWeek = Get_First_Playoff_Week();
    if (nFirstPlayoffWeek > 0) {
        const int nLast = nFinished < NUMBER_OF_GAMES ? nFinished : NUMBER_OF_GAMES;
        int n = 0;
        while (n < nLast && League.Game[n].nWeek < nFirstPlayoffWeek)
            ++n;
        return n;
    }
    // No playoff week yet (no schedule has set one): teams x games / 2.
    int64_t nLimit = static_cast<int64_t>(Count_Teams()) * Get_Games_Per_Season() / 2;
    if (nLimit < 0)
        nLimit = 0;
    return nLimit < nFinished ? static_cast<int>(nLimit) : nFinished;
}

// Index of a result in the pair table: RESULT_WINS, RESULT_LOSSES or
// RESULT_TIES divided by 4.
int Result_Index(int nOwn, int nOther)
{
    return nOwn > nOther ? RESULT_WINS / 4 : nOwn < nOther ? RESULT_LOSSES / 4 : RESULT_TIES / 4;
}

void Add_To_Pairs(const RECORD_COPY& Game)
{
    if (!Is_Franchise(Game.nAway) || !Is_Franchise(Game.nHome) || Game.nAway == Game.nHome)
        return;
    ++Kept.Pair[Game.nHome][Game.nAway].nHome[Result_Index(Game.nHomeScore, Game.nAwayScore)];
    ++Kept.Pair[Game.nAway][Game.nHome].nAway[Result_Index(Game.nAwayScore, Game.nHomeScore)];
}

// Brings the kept results in step with the GAME records.
void Update_Kept_Results()
{
    // One pass: the leading finished records (Count_Game_Records) and, for
    // those of the regular season, the check of the copy.
    const int nAllRegular = Regular_Season_Records(NUMBER_OF_GAMES);
    int nFinished = 0;
    int nFirstChange = -1;
    while (nFinished < NUMBER_OF_GAMES && Is_Game_Over(&League.Game[nFinished])) {
        if (nFinished < nAllRegular) {
            const GAME& Game = League.Game[nFinished];
            const RECORD_COPY Now = {Game.nAwayTeam, Game.nHomeTeam, Game.nScore[GAME_SIDE_AWAY],
                                     Game.nScore[GAME_SIDE_HOME]};
            if (nFinished < Kept.nRecords && !(Kept.Copy[nFinished] == Now) && nFirstChange < 0)
                nFirstChange = nFinished;
            Kept.Copy[nFinished] = Now;
        }
        ++nFinished;
    }
    const int nRecords = nFinished < nAllRegular ? nFinished : nAllRegular;
    if (nFirstChange >= 0 || nRecords < Kept.nCounted) {
        // Something counted before is gone or different: count again.
        std::memset(Kept.Pair, 0, sizeof(Kept.Pair));
        Kept.nCounted = 0;
    }
    // Games finished since (or all of them after the reset): added.
    for (int i = Kept.nCounted; i < nRecords; ++i)
        Add_To_Pairs(Kept.Copy[i]);
    Kept.nCounted = nRecords;
    Kept.nRecords = nRecords;
}

// The results of one pair by the filter's side.
int Pair_Count(int nTeam, int nOpponent, int nIndex, bool bHomeOnly)
{
    const PAIR_RESULTS& Pair = Kept.Pair[nTeam][nOpponent];
    return bHomeOnly ? Pair.nHome[nIndex] : Pair.nHome[nIndex] + Pair.nAway[nIndex];
}

// A slot out of use has division -1, which truncates to league 0: only a
// real division belongs to a division or a league.
bool Is_Real_Division(int nDivision)
{
    return In_Range(nDivision, 0, NUMBER_OF_DIVISIONS - 1);
}

// Whether a game against the opponent passes the filter kind (the filter
// without RESULTS_HOME_ONLY).
bool Opponent_Passes(int nDivision, int nOpponent, int nKind)
{
    if (Is_Franchise(nKind))
        return nOpponent == nKind;
    if (nKind == RESULTS_AGAINST_DIVISION)
        return Is_Real_Division(nDivision) && Division_Of(nOpponent) == nDivision;
    if (nKind == RESULTS_AGAINST_LEAGUE)
        return Is_Real_Division(nDivision) && Is_Real_Division(Division_Of(nOpponent)) &&
               Division_Of(nOpponent) / 4 == nDivision / 4;
    return true;
}

bool Has_Result(int nOwn, int nOther, int nResult)
{
    return (nResult == RESULT_WINS && nOwn > nOther) || (nResult == RESULT_LOSSES && nOwn < nOther) ||
           (nResult == RESULT_TIES && nOwn == nOther);
}

// The count read straight from the GAME records, record by record.
int Count_Results_By_Scan(int nTeam, int nResult, int nFilter)
{
    if (nResult != RESULT_WINS && nResult != RESULT_LOSSES && nResult != RESULT_TIES)
        return 0;
    const bool bHomeOnly = nFilter >= 0 && (nFilter & RESULTS_HOME_ONLY) != 0;
    const int nKind = nFilter >= 0 ? (nFilter & ~RESULTS_HOME_ONLY) : nFilter;
    const int nDivision = Division_Of(nTeam);
    const int nRecords = Regular_Season_Records(Count_Game_Records());
    int nCount = 0;
    for (int i = 0; i < nRecords; ++i) {
        const GAME& Game = League.Game[i];
        if (!Is_Game_Over(&Game))
            continue;
        if (!Is_Franchise(Game.nAwayTeam) || !Is_Franchise(Game.nHomeTeam) || Game.nAwayTeam == Game.nHomeTeam)
            continue;
        int nOwn;
        int nOther;
        int nOpponent;
        if (Game.nHomeTeam == nTeam) {
            nOwn = Game.nScore[GAME_SIDE_HOME];
            nOther = Game.nScore[GAME_SIDE_AWAY];
            nOpponent = Game.nAwayTeam;
        } else if (Game.nAwayTeam == nTeam && !bHomeOnly) {
            nOwn = Game.nScore[GAME_SIDE_AWAY];
            nOther = Game.nScore[GAME_SIDE_HOME];
            nOpponent = Game.nHomeTeam;
        } else {
            continue;
        }
        if (Opponent_Passes(nDivision, nOpponent, nKind) && Has_Result(nOwn, nOther, nResult))
            ++nCount;
    }
    return nCount;
}

int Count_Results(int nTeam, int nResult, int nFilter)
{
    if (bDirectScan)
        return Count_Results_By_Scan(nTeam, nResult, nFilter);
    if (nResult != RESULT_WINS && nResult != RESULT_LOSSES && nResult != RESULT_TIES)
        return 0;
    const bool bHomeOnly = nFilter >= 0 && (nFilter & RESULTS_HOME_ONLY) != 0;
    const int nKind = nFilter >= 0 ? (nFilter & ~RESULTS_HOME_ONLY) : nFilter;
    const int nIndex = nResult / 4;
    if (Is_Franchise(nKind))
        return Pair_Count(nTeam, nKind, nIndex, bHomeOnly);
    const int nDivision = Division_Of(nTeam);
    if ((nKind == RESULTS_AGAINST_DIVISION || nKind == RESULTS_AGAINST_LEAGUE) && !Is_Real_Division(nDivision))
        return 0;
    int nCount = 0;
    for (int u = 0; u < MAX_FRANCHISES; ++u)
        if (Opponent_Passes(nDivision, u, nKind))
            nCount += Pair_Count(nTeam, u, nIndex, bHomeOnly);
    return nCount;
}

}  // namespace

RESULTS_HOLD::RESULTS_HOLD()
{
    if (nResultHolders++ != 0)
        return;
    if (!bDirectScan)
        Update_Kept_Results();
    Hold_Margins(true);
}

RESULTS_HOLD::~RESULTS_HOLD()
{
    if (--nResultHolders == 0)
        Hold_Margins(false);
}

int Count_Team_Results_By_Scan(int nTeam, int nResult, int nFilter)
{
    if (!Is_Franchise(nTeam))
        return 0;
    return Count_Results_By_Scan(nTeam, nResult, nFilter);
}

void Use_Direct_Result_Scan(bool bDirect)
{
    bDirectScan = bDirect;
    // The kept results are checked afresh by the next hold either way.
}

namespace {

int Results_Margin(int nTeam, int nFilter)
{
    return Count_Results(nTeam, RESULT_WINS, nFilter) - Count_Results(nTeam, RESULT_LOSSES, nFilter);
}

// ---------------------------------------------------------------------------
// Keys, computed inside a hold of the counted games.

int Standings_Key(int nTeam)
{
    if (!Is_Team_Slot_Used(nTeam))
        return UNUSED_TEAM_STANDINGS_KEY;
    if (Sat_Out_Regular_Season(nTeam))
        return SAT_OUT_STANDINGS_KEY;
    if (Get_Team_Games_Played(nTeam) == 0)
        return 0;
    const int nMargin = Wins_Minus_Losses(nTeam);
    const int nLeague = Division_Of(nTeam) / 4;
    const int nTeams = Count_Teams();
    int nWins = 0;
    int nLosses = 0;
    for (int u = 0; u < nTeams && u < MAX_FRANCHISES; ++u) {
        if (!Is_Team_Slot_Used(u) || Division_Of(u) / 4 != nLeague || Wins_Minus_Losses(u) != nMargin)
            continue;
        nWins += Count_Results(nTeam, RESULT_WINS, u);
        nLosses += Count_Results(nTeam, RESULT_LOSSES, u);
    }
    const int nBonus = nWins > 0 && nLosses == 0 ? HEAD_TO_HEAD_BONUS : 0;
    return nMargin * 10000 + nBonus + Results_Margin(nTeam, RESULTS_AGAINST_LEAGUE) * 100;
}

int Division_Key(int nTeam)
{
    if (!Is_Team_Slot_Used(nTeam))
        return UNUSED_TEAM_STANDINGS_KEY;
    if (Sat_Out_Regular_Season(nTeam))
        return SAT_OUT_STANDINGS_KEY;
    const int nMargin = Wins_Minus_Losses(nTeam);
    const int nDivision = Division_Of(nTeam);
    const int nTeams = Count_Teams();
    int nKey = nMargin * 10000;
    for (int u = 0; u < nTeams && u < MAX_FRANCHISES; ++u) {
        if (u == nTeam || !Is_Team_Slot_Used(u) || Division_Of(u) != nDivision || Wins_Minus_Losses(u) != nMargin)
            continue;
        nKey += Results_Margin(nTeam, u) * 1000;
    }
    nKey += Results_Margin(nTeam, RESULTS_AGAINST_DIVISION) * 100;
    nKey += Results_Margin(nTeam, RESULTS_AGAINST_LEAGUE);
    return nKey;
}

// The place of a franchise in the first row that holds it; -1 when none.
int Find_Division_Place(int nTeam, int* pnRow)
{
    if (!Is_Franchise(nTeam))
        return -1;
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        for (int p = 0; p < DIVISION_ROW_PLACES; ++p)
            if (Division_Row(d)[p] == nTeam) {
                if (pnRow)
                    *pnRow = d;
                return p;
            }
    return -1;
}

int Runner_Up(int nLeague, int bSecond)
{
    if (Count_League_Divisions(nLeague) < 3)
        return NO_TEAM;
    int nBest = NO_TEAM;
    int nBestKey = 0;
    int nNext = NO_TEAM;
    int nNextKey = 0;
    for (int d = nLeague * 4; d < nLeague * 4 + 4; ++d) {
        int nTeam = Division_Row(d)[1];
        if (!Is_Franchise(nTeam))
            continue;
        int nKey = Standings_Key(nTeam);
        // Strictly greater: on equal keys the earlier division stays ahead.
        if (nBest == NO_TEAM || nKey > nBestKey) {
            nNext = nBest;
            nNextKey = nBestKey;
            nBest = nTeam;
            nBestKey = nKey;
        } else if (nNext == NO_TEAM || nKey > nNextKey) {
            nNext = nTeam;
            nNextKey = nKey;
        }
    }
    return bSecond ? nNext : nBest;
}

int Max(int a, int b)
{
    return a > b ? a : b;
}

int Regular_Season_Weeks()
{
    return Max(Get_First_Playoff_Week(), 2);
}

// The GAME index of a team's schedule entry; -1 for none and for a value no
// record has (a damaged file).
int Schedule_Game_Index(int nTeam, int nWeek)
{
    int nIndex = League.Team[nTeam].nSchedule[nWeek][SCHEDULE_GAME_INDEX];
    return In_Range(nIndex, 0, NUMBER_OF_GAMES - 1) ? nIndex : -1;
}

// The GAME records a week's schedule entries name: how many games (teams
// with a record, halved) and the smallest index (NO_GAME_INDEX for none).
struct WEEK_RECORDS {
    int nGames = 0;
    int nFirst = NO_GAME_INDEX;
};

WEEK_RECORDS Week_Records(int nWeek)
{
    WEEK_RECORDS Week;
    if (!In_Range(nWeek, 0, SCHEDULE_WEEKS - 1))
        return Week;
    int nPlaying = 0;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        int nIndex = Schedule_Game_Index(t, nWeek);
        if (nIndex < 0)
            continue;
        ++nPlaying;
        // A club erased since the game took its own entry with it: this one
        // stands for both sides.
        const int64_t nCode = League.Team[t].nSchedule[nWeek][SCHEDULE_OPPONENT];
        const int64_t nOpponent = (nCode > 0 ? nCode : -nCode) - 1;
        if (nOpponent >= 0 && nOpponent < MAX_FRANCHISES && !Is_Team_Slot_Used(static_cast<int>(nOpponent)))
            ++nPlaying;
        if (nIndex < Week.nFirst)
            Week.nFirst = nIndex;
    }
    Week.nGames = nPlaying / 2;
    return Week;
}

// Case-insensitive comparison of a team-string field with a word. A word
// shorter than the field ends the comparison inside the field, whether the
// field holds a terminator or not.
bool Nickname_Is(int nTeam, const char* szWord)
{
    if (std::strlen(szWord) >= TEAM_STRING_SIZE)
        return false;
    return Is_Same_Text_No_Case(League.Team[nTeam].szString[TEAM_STRING_NICKNAME], szWord) != 0;
}

bool Is_Computer_Run(int nTeam)
{
    return League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] != CONTROLLER_USER ||
           Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0;
}

}  // namespace

// ---------------------------------------------------------------------------
// Universe stats and calendar

int Get_First_Playoff_Week()
{
    return League.StandingsArea.nPlayoffDay[0];
}

// ---------------------------------------------------------------------------
// Playoff bracket

int Get_Playoff_Team(int nSlot)
{
    if (!In_Range(nSlot, 0, PLAYOFF_SLOTS - 1)) {
        Report_Error("Invalid playoff slot in %s(%d)", __func__, nSlot);
        return NO_TEAM;
    }
    return League.StandingsArea.PlayoffTeam[nSlot];
}

int Get_Playoff_Score(int nSlot)
{
    if (!In_Range(nSlot, 0, PLAYOFF_SLOTS - 1)) {
        Report_Error("Invalid playoff slot in %s(%d)", __func__, nSlot);
        return NO_SCORE;
    }
    return League.StandingsArea.nPlayoffScore[nSlot];
}

void Set_Playoff_Team(int nSlot, int nTeam)
{
    if (!In_Range(nSlot, 0, PLAYOFF_SLOTS - 1) || (!Is_Franchise(nTeam) && nTeam != NO_TEAM)) {
        Report_Error("Invalid argument in %s(%d,%d)", __func__, nSlot, nTeam);
        return;
    }
    League.StandingsArea.PlayoffTeam[nSlot] = static_cast<uint8_t>(nTeam);
}

void Set_Playoff_Score(int nSlot, int nScore)
{
    if (!In_Range(nSlot, 0, PLAYOFF_SLOTS - 1)) {
        Report_Error("Invalid playoff slot in %s(%d,%d)", __func__, nSlot, nScore);
        return;
    }
    League.StandingsArea.nPlayoffScore[nSlot] = nScore;
}

void Credit_Team_Championship(int nTeam)
{
    if (!Is_Franchise(nTeam)) {
        Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return;
    }
    for (PLAYER& Player : League.Team[nTeam].Player) {
        uint8_t& nTitles = Player.bStat[BYTE_STAT_CHAMPIONSHIPS];
        if (nTitles < UINT8_MAX)
            ++nTitles;
    }
}

// ---------------------------------------------------------------------------
// Results from the GAME records

int Count_Game_Records()
{
    int n = 0;
    while (n < NUMBER_OF_GAMES && Is_Game_Over(&League.Game[n]))
        ++n;
    return n;
}

bool Is_Game_Record_Final(int nGame)
{
    if (!In_Range(nGame, 0, NUMBER_OF_GAMES - 1)) {
        if (nGame != -1)
            Report_Error("nGame out of bounds in %s([%d])", __func__, nGame);
        return false;
    }
    return Is_Game_Over(&League.Game[nGame]) != 0;
}

bool Sat_Out_Regular_Season(int nTeam)
{
    if (!Is_Franchise(nTeam) || !Is_Team_Slot_Used(nTeam))
        return false;
    const int nWeek = Get_User_Preference(PREF_CURRENT_WEEK);
    const int nFirstPlayoffWeek = Get_First_Playoff_Week();
    if (nWeek != OFFSEASON_WEEK && (nFirstPlayoffWeek <= 0 || nWeek < nFirstPlayoffWeek))
        return false;
    // The season's results as recorded (in the off-season the season index
    // has moved on already) and its GAME records, which the off-season still
    // holds: neither has a result of the club.
    const int nSeason = Get_User_Preference(PREF_SEASON_INDEX) - (nWeek == OFFSEASON_WEEK ? 1 : 0);
    if (nSeason >= 0 && (Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS) != 0 ||
                         Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES) != 0 ||
                         Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_TIES) != 0))
        return false;
    RESULTS_HOLD Hold;
    return Count_Results(nTeam, RESULT_WINS, RESULTS_ALL_GAMES) == 0 &&
           Count_Results(nTeam, RESULT_LOSSES, RESULTS_ALL_GAMES) == 0 &&
           Count_Results(nTeam, RESULT_TIES, RESULTS_ALL_GAMES) == 0;
}

int Count_Team_Results(int nTeam, int nResult, int nFilter)
{
    if (!Is_Franchise(nTeam)) {
        if (!In_Range(nTeam, 0, LAST_TEAM) && nTeam != NO_TEAM)
            Report_Error("nTeam out of bounds in %s([%d],%d,%d)", __func__, nTeam, nResult, nFilter);
        return 0;
    }
    RESULTS_HOLD Hold;
    return Count_Results(nTeam, nResult, nFilter);
}

// ---------------------------------------------------------------------------
// Standings keys and places

int Get_Team_Standings_Key(int nTeam)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        if (nTeam != NO_TEAM)
            Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return UNUSED_TEAM_STANDINGS_KEY;
    }
    RESULTS_HOLD Hold;
    return Standings_Key(nTeam);
}

int Get_Team_Division_Key(int nTeam)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        if (nTeam != NO_TEAM)
            Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return UNUSED_TEAM_STANDINGS_KEY;
    }
    RESULTS_HOLD Hold;
    return Division_Key(nTeam);
}

void Rank_Teams_By_Standings()
{
    // A season whose title is decided keeps the places it recorded: a club
    // erased or moved since changes neither its order nor the draft's.
    if (Is_Season_Title_Recorded(Get_Current_Season_Index()))
        return;
    RESULTS_HOLD Hold;
    int nTeams = Count_Teams();
    if (nTeams > MAX_FRANCHISES)
        nTeams = MAX_FRANCHISES;
    int nKey[MAX_FRANCHISES];
    for (int t = 0; t < nTeams; ++t)
        nKey[t] = Standings_Key(t);
    for (int nPlace = 0; nPlace < nTeams; ++nPlace) {
        int nBest = 0;
        // ">=" while scanning upward: among equal keys the higher slot wins.
        for (int t = 1; t < nTeams; ++t)
            if (nKey[t] >= nKey[nBest])
                nBest = t;
        Set_Team_Record_Int(nBest, 2, nPlace);
        nKey[nBest] = PLACED_KEY;
    }
}

void Set_Division_Place(int nDivision, int nPlace)
{
    if (!In_Range(nDivision, 0, NUMBER_OF_DIVISIONS - 1)) {
        Report_Error("nDivision out of bounds in %s([%d],%d)", __func__, nDivision, nPlace);
        return;
    }
    if (!In_Range(nPlace, 0, DIVISION_ROW_PLACES - 1)) {
        Report_Error("nPlace out of bounds in %s(%d,[%d])", __func__, nDivision, nPlace);
        return;
    }
    uint8_t* pRow = Division_Row(nDivision);
    int nTeams = Count_Teams();
    // Places past the division's size hold no team; nor does any place of an
    // empty league (team 0 there would name a club that does not exist).
    if (nTeams == 0 || nPlace >= Count_Division_Teams(nDivision)) {
        pRow[nPlace] = NO_TEAM;
        return;
    }
    RESULTS_HOLD Hold;
    int nSeason = Get_Current_Season_Index();
    int nBest = -1;
    int nBestKey = PLACED_KEY;
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t) || Division_Of(t) != nDivision)
            continue;
        bool bPlaced = false;
        for (int p = 0; p < nPlace; ++p)
            if (pRow[p] == t)
                bPlaced = true;
        int nKey = bPlaced ? PLACED_KEY : Division_Key(t);
        // 64-bit sum: a damaged season index cannot overflow.
        bool bEvenTurn = (static_cast<int64_t>(nSeason) + t) % 2 == 0;
        if (nBest < 0 || nKey > nBestKey || (nKey == nBestKey && bEvenTurn)) {
            nBest = t;
            nBestKey = nKey;
        }
    }
    pRow[nPlace] = nBest < 0 ? NO_TEAM : static_cast<uint8_t>(nBest);
}

void Clear_Standings_Order()
{
    RESULTS_HOLD Hold;
    Rank_Teams_By_Standings();
    std::memset(League.StandingsArea.DivisionRow, NO_TEAM, sizeof(League.StandingsArea.DivisionRow));
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        for (int p = 0; p < DIVISION_ROW_PLACES; ++p)
            Set_Division_Place(d, p);
}

namespace {

// The clubs a season's standings list in a division: every club of the
// division, in use or erased since, that played that season, by that
// season's wins, then ties, then the division place it recorded (yearly
// byte 1), then slot. Their number. A club added after the season was
// played has no game in it, so no row: the Standings page, the exported
// season summary and the season report all list the season from here.
int Season_Division_Clubs(int nDivision, int nSeason, int (&nClubs)[MAX_FRANCHISES])
{
    int n = 0;
    if (!In_Range(nSeason, 0, YEARLY_RECORD_YEARS - 1)) {
        Write_Debug_Log("Invalid nYear in Get_Division_Place_Team(%d,%d)", nDivision, nSeason);
        return 0;
    }
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (Division_Of(t) != nDivision)
            continue;
        const bool bPlayed = Get_Team_Yearly_Char(t, nSeason, YEARLY_WINS) != 0 ||
                             Get_Team_Yearly_Char(t, nSeason, YEARLY_LOSSES) != 0 ||
                             Get_Team_Yearly_Char(t, nSeason, YEARLY_TIES) != 0;
        if (bPlayed && (Is_Team_Slot_Used(t) || Is_Erased_Club(t)))
            nClubs[n++] = t;
    }
    std::stable_sort(nClubs, nClubs + n, [nSeason](int a, int b) {
        const int nWinsA = Get_Team_Yearly_Char(a, nSeason, YEARLY_WINS);
        const int nWinsB = Get_Team_Yearly_Char(b, nSeason, YEARLY_WINS);
        if (nWinsA != nWinsB)
            return nWinsA > nWinsB;
        const int nTiesA = Get_Team_Yearly_Char(a, nSeason, YEARLY_TIES);
        const int nTiesB = Get_Team_Yearly_Char(b, nSeason, YEARLY_TIES);
        if (nTiesA != nTiesB)
            return nTiesA > nTiesB;
        return Get_Team_Yearly_Char(a, nSeason, YEARLY_DIVISION_PLACE) <
               Get_Team_Yearly_Char(b, nSeason, YEARLY_DIVISION_PLACE);
    });
    return std::min(n, static_cast<int>(DIVISION_ROW_PLACES));
}

// Whether a season's standings are read from the division rows: the current
// season while its title is open.
bool Reads_Division_Rows(int nSeason)
{
    return nSeason == Get_Current_Season_Index() && !Is_Season_Title_Recorded(nSeason);
}

}  // namespace

int Get_Division_Place_Team(int nDivision, int nPlace, int nSeason)
{
    if (!In_Range(nDivision, 0, NUMBER_OF_DIVISIONS - 1)) {
        Report_Error("nDivision out of bounds in %s([%d],%d,%d)", __func__, nDivision, nPlace, nSeason);
        return NO_TEAM;
    }
    if (!In_Range(nPlace, 0, DIVISION_ROW_PLACES - 1)) {
        Report_Error("nPlace out of bounds in %s(%d,[%d],%d)", __func__, nDivision, nPlace, nSeason);
        return NO_TEAM;
    }
    if (Reads_Division_Rows(nSeason))
        return Division_Row(nDivision)[nPlace];
    int nClubs[MAX_FRANCHISES];
    const int n = Season_Division_Clubs(nDivision, nSeason, nClubs);
    return nPlace < n ? nClubs[nPlace] : NO_TEAM;
}

int Count_Season_Division_Teams(int nDivision, int nSeason)
{
    if (!In_Range(nDivision, 0, NUMBER_OF_DIVISIONS - 1))
        return 0;
    // A division row holds DIVISION_ROW_PLACES clubs; before a league is
    // loaded every slot may count in division 0.
    if (Reads_Division_Rows(nSeason))
        return std::min(Count_Division_Teams(nDivision), static_cast<int>(DIVISION_ROW_PLACES));
    int nClubs[MAX_FRANCHISES];
    return Season_Division_Clubs(nDivision, nSeason, nClubs);
}

int Get_Team_Division_Place(int nTeam)
{
    int nPlace = Find_Division_Place(nTeam, nullptr);
    if (nPlace < 0) {
        Report_Error("Team not found in Get_Team_Division_Standing()");
        return NOT_IN_DIVISION_ROWS;
    }
    return nPlace;
}

int Get_Team_Division(int nTeam)
{
    if (In_Range(nTeam, FREE_AGENT_TEAM, LAST_TEAM))
        return DIVISION_OF_POOLS;
    if (Is_Team_Slot_Used(nTeam))
        return nTeam < Count_Teams() ? Division_Of(nTeam) : DIVISION_OF_POOLS;
    if (!Is_Franchise(nTeam) && nTeam != NO_TEAM)
        Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
    return NO_DIVISION;
}

int Get_Best_Division_Runner_Up(int nLeague, int bSecond)
{
    if (!In_Range(nLeague, 0, NUMBER_OF_LEAGUES - 1)) {
        Report_Error("nLeague out of bounds in %s([%d],%d)", __func__, nLeague, bSecond);
        return NO_TEAM;
    }
    RESULTS_HOLD Hold;
    return Runner_Up(nLeague, bSecond);
}

int Get_Team_Division_Standing(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return ELIMINATED_STANDING;
    RESULTS_HOLD Hold;
    const int nPlace = Get_Team_Division_Place(nTeam);
    const int nDivision = Get_Team_Division(nTeam);
    // Without a division of its own there is no leader to measure against.
    if (!In_Range(nDivision, 0, NUMBER_OF_DIVISIONS - 1))
        return ELIMINATED_STANDING;
    const int nLeague = nDivision / 4;
    const int nDivisions = Count_League_Divisions(nLeague);
    const int nRunnerUp = Runner_Up(nLeague, 0);
    const int nGames = Get_Games_Per_Season();
    const uint8_t* pRow = Division_Row(nDivision);

    if (nPlace == 0)
        return Max(nGames - Wins(nTeam) - Losses(pRow[1]) + 1, 0);
    if (nTeam == nRunnerUp)
        return Max(nGames - Wins(nTeam) - Losses(Runner_Up(nLeague, 1)) + 1, 0);
    int e1 = nGames - Losses(nTeam) - Wins(pRow[0]) + 1;
    int e2 = nDivisions > 2 ? nGames - Losses(nTeam) - Wins(nRunnerUp) + 1 : 0;
    int e = Max(e1, e2);
    return e > 0 ? -e : ELIMINATED_STANDING;
}

bool Has_Team_Clinched(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return false;
    RESULTS_HOLD Hold;
    const int nPlace = Get_Team_Division_Place(nTeam);
    const int nDivision = Get_Team_Division(nTeam);
    const int nRunnerUp = In_Range(nDivision, 0, NUMBER_OF_DIVISIONS - 1) ? Runner_Up(nDivision / 4, 0) : NO_TEAM;
    if (nPlace != 0 && nTeam != nRunnerUp)
        return false;
    return Get_Team_Division_Standing(nTeam) <= 0;
}

int Count_Divisions()
{
    return Max(Count_League_Divisions(0), Count_League_Divisions(1));
}

int Get_Nth_Team_In_Group(int nLeague, int n)
{
    if (!In_Range(nLeague, 0, NUMBER_OF_LEAGUES - 1)) {
        Report_Error("nLeague out of bounds in %s([%d],%d)", __func__, nLeague, n);
        return NO_TEAM;
    }
    const int nTeams = Count_Teams();
    int nSeen = 0;
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t) || !In_Range(Division_Of(t), 0, NUMBER_OF_DIVISIONS - 1) || Division_Of(t) / 4 != nLeague)
            continue;
        if (nSeen++ == n)
            return t;
    }
    return NO_TEAM;
}

int Get_Nth_Team_In_Division(int nDivision, int n)
{
    if (!In_Range(nDivision, 0, NUMBER_OF_DIVISIONS - 1)) {
        Report_Error("nDivision out of bounds in %s([%d],%d)", __func__, nDivision, n);
        return NO_TEAM;
    }
    const int nTeams = Count_Teams();
    int nSeen = 0;
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t) || Division_Of(t) != nDivision)
            continue;
        if (nSeen++ == n)
            return t;
    }
    return NO_TEAM;
}

namespace {

// The season index nSeasonsAgo seasons back; -1 (reported as the yearly
// reader reports it) outside the yearly records.
int Season_Ago(int nSeasonsAgo)
{
    const int64_t nSeason = static_cast<int64_t>(Get_Current_Season_Index()) - nSeasonsAgo;
    if (nSeason < 0 || nSeason >= YEARLY_RECORD_YEARS) {
        Report_Error("Invalid nYear in Get_Team_Yearly_Int(%d,%d,%d)", 0, static_cast<int>(nSeason), YEARLY_INT_FINISH);
        return -1;
    }
    return static_cast<int>(nSeason);
}

// The first club of the season, in use or erased, one of whose bits of
// yearly byte nByte is set; NO_FINISHER when none.
int Club_With_Bits(int nSeason, int nByte, int nBits)
{
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        if (Is_Club_Of_Season(t) && (Get_Team_Yearly_Char(t, nSeason, nByte) & nBits) != 0)
            return t;
    return NO_FINISHER;
}

// One side of a game the yearly byte records: the club with the side's bit;
// when only the other side's club is found, the game was played by a club
// the league can no longer name.
int Side_Of_Game(int nSeason, int nByte, int nWonBit, int nLostBit, int bWinner)
{
    const int nSide = Club_With_Bits(nSeason, nByte, bWinner ? nWonBit : nLostBit);
    if (nSide != NO_FINISHER)
        return nSide;
    return Club_With_Bits(nSeason, nByte, bWinner ? nLostBit : nWonBit) != NO_FINISHER ? ERASED_FINISHER
                                                                                        : NO_FINISHER;
}

// The finishers of a season kept only as finish codes: a season recorded
// before the finals were kept in the yearly records.
int Finisher_From_Codes(int nWhat, int bWinner, int nSeason)
{
    int nChampion = NO_FINISHER;
    int nRunnerUp = NO_FINISHER;
    int nLeagueChampion[NUMBER_OF_LEAGUES] = {NO_FINISHER, NO_FINISHER};
    int nSemiFinalist[NUMBER_OF_LEAGUES] = {NO_FINISHER, NO_FINISHER};
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Club_Of_Season(t))
            continue;
        const int nCode = Get_Team_Yearly_Int(t, nSeason, YEARLY_INT_FINISH);
        const int nLeague = Division_Of(t) / 4;
        const bool bLeague = In_Range(Division_Of(t), 0, NUMBER_OF_DIVISIONS - 1);
        if (nCode == 8 && nChampion == NO_FINISHER)
            nChampion = t;
        if (nCode == 7 && nRunnerUp == NO_FINISHER)
            nRunnerUp = t;
        if (nCode == 7 && bLeague && nLeagueChampion[nLeague] == NO_FINISHER)
            nLeagueChampion[nLeague] = t;
        if (nCode == 6 && bLeague && nSemiFinalist[nLeague] == NO_FINISHER)
            nSemiFinalist[nLeague] = t;
    }
    if (nWhat == FINISHER_TITLE_GAME) {
        if (bWinner)
            return nChampion;
        // A final has two clubs: a champion without a runner-up lost his.
        return nRunnerUp == NO_FINISHER && nChampion != NO_FINISHER ? ERASED_FINISHER : nRunnerUp;
    }
    const int nLeague = nWhat == FINISHER_LEAGUE_0_FINAL ? 0 : 1;
    if (!bWinner)
        return nSemiFinalist[nLeague];
    // The league's finalist: the champion when it is of this league, else
    // the league's code-7 club (the runner-up of the final, or the league's
    // champion in a season without one); never a club of the other league.
    if (nChampion != NO_FINISHER && Division_Of(nChampion) / 4 == nLeague)
        return nChampion;
    if (nLeagueChampion[nLeague] != NO_FINISHER)
        return nLeagueChampion[nLeague];
    return nSemiFinalist[nLeague] != NO_FINISHER ? ERASED_FINISHER : NO_FINISHER;
}

}  // namespace

int Get_Season_Finisher_Team(int nWhat, int bWinner, int nSeasonsAgo)
{
    if (nWhat != FINISHER_LEAGUE_0_FINAL && nWhat != FINISHER_LEAGUE_1_FINAL && nWhat != FINISHER_TITLE_GAME)
        return NO_FINISHER;
    const int nSeason = Season_Ago(nSeasonsAgo);
    if (nSeason < 0)
        return NO_FINISHER;
    constexpr int ANY_FINAL = FINALS_WON_LEAGUE_0 | FINALS_LOST_LEAGUE_0 | FINALS_WON_LEAGUE_1 |
                              FINALS_LOST_LEAGUE_1 | FINALS_WON_FINAL | FINALS_LOST_FINAL;
    if (Club_With_Bits(nSeason, YEARLY_FINALS, ANY_FINAL) == NO_FINISHER)
        return Finisher_From_Codes(nWhat, bWinner, nSeason);
    switch (nWhat) {
    case FINISHER_LEAGUE_0_FINAL:
        return Side_Of_Game(nSeason, YEARLY_FINALS, FINALS_WON_LEAGUE_0, FINALS_LOST_LEAGUE_0, bWinner);
    case FINISHER_LEAGUE_1_FINAL:
        return Side_Of_Game(nSeason, YEARLY_FINALS, FINALS_WON_LEAGUE_1, FINALS_LOST_LEAGUE_1, bWinner);
    default:
        return Side_Of_Game(nSeason, YEARLY_FINALS, FINALS_WON_FINAL, FINALS_LOST_FINAL, bWinner);
    }
}

bool Is_Season_Title_Recorded(int nSeason)
{
    if (!In_Range(nSeason, 0, YEARLY_RECORD_YEARS - 1))
        return false;
    return Club_With_Bits(nSeason, YEARLY_TITLE, TITLE_DECIDED) != NO_FINISHER;
}

int Get_Season_Finalist(int bWinner, int nSeasonsAgo)
{
    const int nSeason = Season_Ago(nSeasonsAgo);
    if (nSeason < 0)
        return NO_FINISHER;
    if (Is_Season_Title_Recorded(nSeason)) {
        // The title was decided by a game with two sides: a side nobody is
        // found for, the other side lost as well, is a club since erased.
        const int nSide = Side_Of_Game(nSeason, YEARLY_TITLE, TITLE_WON, TITLE_LOST, bWinner);
        return nSide == NO_FINISHER ? ERASED_FINISHER : nSide;
    }
    // A game saved before the title was kept in the yearly records: the
    // bracket of the season it holds (the one just played, in the
    // off-season), once that season is over.
    const int nWeek = Get_Current_Week();
    const int nBracketSeason = Get_Current_Season_Index() - (nWeek == OFFSEASON_WEEK ? 1 : 0);
    if (nSeason == nBracketSeason) {
        if (nWeek != OFFSEASON_WEEK && !Is_Season_Complete())
            return NO_FINISHER;
        const int nLast = Get_Season_Last_Playoff_Slot();
        const int nChampion = Get_Playoff_Team(nLast);
        if (!Is_Club_Of_Season(nChampion))
            return NO_FINISHER;
        if (bWinner)
            return nChampion;
        const int nFeeder = 2 * (nLast - 16);
        const int nOther = Get_Playoff_Team(nFeeder) == nChampion ? Get_Playoff_Team(nFeeder + 1)
                                                                   : Get_Playoff_Team(nFeeder);
        return Is_Club_Of_Season(nOther) ? nOther : NO_FINISHER;
    }
    if (nSeason > nBracketSeason)
        return NO_FINISHER;
    const int nChampion = Finisher_From_Codes(FINISHER_TITLE_GAME, 1, nSeason);
    if (nChampion == NO_FINISHER)
        return NO_FINISHER;
    return bWinner ? nChampion : Finisher_From_Codes(FINISHER_TITLE_GAME, 0, nSeason);
}

// ---------------------------------------------------------------------------
// Weeks and their GAME records

// Playoff weeks: the games of a round depend on the size of the field (a
// round of six teams a league plays three games, not two), so a round that
// has its records is read from its schedule entries like a regular week. A
// round not played yet starts after the records of the week before it and is
// given the games its bracket will play; a round the bracket skips, or one
// gone by without records, has none, so it never takes the next round's.
int Get_Week_First_Game_Index(int nWeek)
{
    if (nWeek < 0) {
        Report_Error("nWeek out of bounds in %s([%d])", __func__, nWeek);
        return NO_GAME_INDEX;
    }
    if (nWeek == 0)
        return 0;
    const int nRegular = Regular_Season_Weeks();
    if (nWeek >= nRegular + PLAYOFF_WEEKS)
        return NO_GAME_INDEX;
    const WEEK_RECORDS Week = Week_Records(nWeek);
    if (nWeek < nRegular || Week.nGames > 0)
        return Week.nFirst;
    const int nBefore = Get_Week_First_Game_Index(nWeek - 1);
    if (nBefore >= NO_GAME_INDEX)
        return NO_GAME_INDEX;
    return nBefore + Count_Week_Games(nWeek - 1);
}

int Count_Week_Games(int nWeek)
{
    if (nWeek < 0) {
        Report_Error("nWeek out of bounds in %s([%d])", __func__, nWeek);
        return 0;
    }
    const int nRegular = Regular_Season_Weeks();
    if (nWeek >= nRegular + PLAYOFF_WEEKS)
        return 0;
    // Teams whose entry names a GAME record (-1 is none; record 0 is a game).
    const WEEK_RECORDS Week = Week_Records(nWeek);
    if (nWeek < nRegular || Week.nGames > 0)
        return Week.nGames;
    if (nWeek < Get_Current_Week())
        return 0;
    return Count_Bracket_Round_Games(nWeek - nRegular);
}

int Get_Team_Game_Offset_In_Week(int nWeek, int nTeam)
{
    if (!Is_Franchise(nTeam)) {
        if (!In_Range(nTeam, 0, LAST_TEAM) && nTeam != NO_TEAM)
            Report_Error("nTeam out of bounds in %s(%d,[%d])", __func__, nWeek, nTeam);
        return -1;
    }
    const int nFirst = Get_Week_First_Game_Index(nWeek);
    const int nGames = Count_Week_Games(nWeek);
    for (int i = 0; i < nGames; ++i) {
        int nIndex = nFirst + i;
        if (!In_Range(nIndex, 0, NUMBER_OF_GAMES - 1))
            break;
        const GAME& Game = League.Game[nIndex];
        if (!Is_Franchise(Game.nAwayTeam) || !Is_Franchise(Game.nHomeTeam) || Game.nAwayTeam == Game.nHomeTeam)
            continue;
        if (Game.nAwayTeam == nTeam || Game.nHomeTeam == nTeam)
            return i;
    }
    return -1;
}

int Get_Team_Game_Index_In_Week(int nWeek, int nTeam)
{
    int nOffset = Get_Team_Game_Offset_In_Week(nWeek, nTeam);
    return nOffset < 0 ? -1 : Get_Week_First_Game_Index(nWeek) + nOffset;
}

GAME* Find_Team_Game_In_Week(int nWeek, int nTeam)
{
    int nIndex = Get_Team_Game_Index_In_Week(nWeek, nTeam);
    return nIndex < 0 ? nullptr : &League.Game[nIndex];
}

// ---------------------------------------------------------------------------
// League state

void Swap_Leagues()
{
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        int32_t& nDivision = League.Team[t].nTeamStat[TEAM_STAT_DIVISION];
        if (In_Range(nDivision, 0, NUMBER_OF_DIVISIONS - 1))
            nDivision = (nDivision + 4) % NUMBER_OF_DIVISIONS;
    }
    char szName[LEAGUE_NAME_SIZE];
    std::memcpy(szName, League.szLeagueName[0], LEAGUE_NAME_SIZE);
    std::memcpy(League.szLeagueName[0], League.szLeagueName[1], LEAGUE_NAME_SIZE);
    std::memcpy(League.szLeagueName[1], szName, LEAGUE_NAME_SIZE);
    // A row belongs to its division number: its teams have moved with it.
    for (int d = 0; d < 4; ++d)
        for (int p = 0; p < DIVISION_ROW_PLACES; ++p)
            std::swap(League.StandingsArea.DivisionRow[d][p], League.StandingsArea.DivisionRow[d + 4][p]);
}

void Reset_Player_Field_To_22()
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (Is_Franchise(t) && !Is_Team_Slot_Used(t))
            continue;
        for (PLAYER& Player : League.Team[t].Player)
            if (Player.nVital[VITAL_PLAYER_ID] != 0)
                Player.nVital[VITAL_WEEK_COUNTER] = 22;
    }
}

bool Read_Owner_Hall_Of_Fame(void* pBuffer)
{
    FILE* pFile = pBuffer ? files::Open_File(OWNER_HALL_OF_FAME_FILE, "rb") : nullptr;
    size_t nRead = 0;
    if (pFile) {
        nRead = std::fread(pBuffer, 1, OWNER_HALL_OF_FAME_SIZE, pFile);
        std::fclose(pFile);
    }
    // A short file is as unreadable as a missing one: writing it back whole
    // would pass zeros off as its missing part.
    if (nRead != OWNER_HALL_OF_FAME_SIZE) {
        Show_Message_Box("Could not open \"ZrtFame.dat\" for reading.", "File Error", BOX_OK);
        return false;
    }
    return true;
}

bool Write_Owner_Hall_Of_Fame(const void* pBuffer)
{
    if (!pBuffer)
        return false;
    // Written beside the old file under a unique name and renamed over it,
    // so a failed write leaves the old record intact.
    if (!files::Write_Whole_File(OWNER_HALL_OF_FAME_FILE, pBuffer, OWNER_HALL_OF_FAME_SIZE, true)) {
        Write_Debug_Log("Could not write \"%s\" (%s).", OWNER_HALL_OF_FAME_FILE, files::Error_Text(errno));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Play styles

namespace {

// Adds a term to an integer sum and truncates the result, as every step of
// the run/pass value does. A missing player's term is 20.
void Add_Term(int& nSum, int nTeam, int nSlot, float fWeight, int nRating)
{
    float fTerm = nSlot < 0 ? 20.0f : fWeight * Get_Player_Rating(nTeam, nSlot, nRating);
    nSum = static_cast<int>(static_cast<float>(nSum) + fTerm);
}

}  // namespace

int Get_Team_Run_Pass_Value(int nTeam)
{
    if (!Is_Valid_Team(nTeam)) {
        if (nTeam != NO_TEAM)
            Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return 0;
    }
    auto Player = [nTeam](int nPosition, int n) { return Get_Team_Uninjured_Position_Player(nTeam, nPosition, n); };
    const int nQuarterback = Player(POSITION_QB, 0);
    const int nBack = Player(POSITION_RB, 0);
    const int nLine[5] = {Player(POSITION_T, 0), Player(POSITION_G, 0), Player(POSITION_C, 0), Player(POSITION_G, 1),
                          Player(POSITION_T, 1)};

    int nPass = 0;
    Add_Term(nPass, nTeam, nQuarterback, 10.0f, RATING_COMBINED_PASSING);
    Add_Term(nPass, nTeam, Player(POSITION_WR, 0), 4.0f, RATING_COMBINED_RECEIVING);
    Add_Term(nPass, nTeam, Player(POSITION_WR, 1), 3.0f, RATING_COMBINED_RECEIVING);
    Add_Term(nPass, nTeam, Player(POSITION_WR, 2), 2.0f, RATING_COMBINED_RECEIVING);
    Add_Term(nPass, nTeam, Player(POSITION_TE, 0), 2.0f, RATING_COMBINED_RECEIVING);
    Add_Term(nPass, nTeam, nBack, 1.0f, RATING_COMBINED_RECEIVING);
    for (int i = 0; i < 5; ++i)
        Add_Term(nPass, nTeam, nLine[i], i == 0 ? 1.0f : 0.5f, RATING_PASS_BLOCKING);

    int nRun = 0;
    Add_Term(nRun, nTeam, nQuarterback, 2.0f, RATING_COMBINED_RUSHING);
    Add_Term(nRun, nTeam, nBack, 10.0f, RATING_COMBINED_RUSHING);
    for (int i = 0; i < 5; ++i)
        Add_Term(nRun, nTeam, nLine[i], 1.0f, RATING_RUN_BLOCKING);

    return nPass - (nRun + 600);
}

void Set_Team_Stat_10_Defaults()
{
    for (int t = 0; t < 32; ++t)
        League.Team[t].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE] = 10;
}

void Set_Team_Stat_10_By_Strength()
{
    int nTeams = Count_Teams();
    if (nTeams > MAX_FRANCHISES)
        nTeams = MAX_FRANCHISES;
    if (nTeams <= 0)
        return;
    int nValue[MAX_FRANCHISES];
    int64_t nSum = 0;
    for (int t = 0; t < nTeams; ++t) {
        nValue[t] = Get_Team_Run_Pass_Value(t);
        nSum += nValue[t];
    }
    const int64_t nAverage = nSum / nTeams;
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Team_Slot_Used(t) || !Is_Computer_Run(t))
            continue;
        int64_t d = nValue[t] - nAverage;
        int64_t nBalance = 10;
        if (d >= 120)
            nBalance = 10 + (d - 60) / 60;
        else if (d <= -120)
            nBalance = 10 - (-d - 60) / 60;
        if (nBalance < 0)
            nBalance = 0;
        if (nBalance > 20)
            nBalance = 20;
        League.Team[t].nTeamStat[TEAM_STAT_RUN_PASS_BALANCE] = static_cast<int32_t>(nBalance);
    }
}

namespace {

// Overall at his own position of the n-th player of a position, with new
// ratings drawn for one below 25. A team without him counts 0: it cannot
// line up the set that needs him.
float Depth_Player_Overall(int nTeam, int nPosition, int n)
{
    int nSlot = Find_Team_Position_Player(nTeam, nPosition, n);
    if (nSlot < 0)
        return 0.0f;
    return Get_Position_Overall_Or_Regenerate(nTeam, nSlot, nPosition);
}

}  // namespace

void Choose_Team_Defense_Alignment(int nTeam)
{
    if (!Is_Valid_Team(nTeam)) {
        if (nTeam != NO_TEAM)
            Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return;
    }
    const int nLinebackers = Count_Team_Position_Players(nTeam, POSITION_LB);
    const int nTackles = Count_Team_Position_Players(nTeam, POSITION_DT);
    const float fLinebacker = Depth_Player_Overall(nTeam, POSITION_LB, 3);
    const float fTackle = Depth_Player_Overall(nTeam, POSITION_DT, 1);
    const int x = static_cast<int>(fLinebacker + static_cast<float>(nLinebackers) - 5.0f);
    const int y = static_cast<int>(fTackle + static_cast<float>(nTackles) - 2.0f);
    if (x > y + 3)
        Set_Team_Defense_Alignment(nTeam, 1);
    else if (y > x + 3)
        Set_Team_Defense_Alignment(nTeam, 0);
}

void Choose_Computer_Defense_Alignments()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t)
        if (Is_Team_Slot_Used(t) && Is_Computer_Run(t))
            Choose_Team_Defense_Alignment(t);
}

void Set_Default_Defense_Alignments()
{
    Choose_Computer_Defense_Alignments();
    const int nYear = League.Universe.nStat[FIRST_SEASON_YEAR];
    const int nTeams = Count_Teams();
    if (nYear >= 2008 && nTeams == 32) {
        static constexpr int8_t THREE_FOUR[32] = {1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1, 1, 0, 1,
                                                  0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1};
        for (int t = 0; t < 32; ++t)
            League.Team[t].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT] = THREE_FOUR[t];
        if (nYear < 2010)
            for (int t : {0, 3, 9, 11, 15, 31})
                League.Team[t].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT] = 0;
        if (nYear < 2011)
            League.Team[21].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT] = 1;
        return;
    }
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        bool bThreeFour = (Nickname_Is(t, "Steelers") && nYear >= 1982) ||
                          (Nickname_Is(t, "Giants") && nYear >= 1984 && nYear <= 1990) ||
                          (Nickname_Is(t, "Bills") && nYear >= 1991 && nYear <= 1997) ||
                          (Nickname_Is(t, "Patriots") && nYear >= 2000);
        if (bThreeFour)
            League.Team[t].nTeamStat[TEAM_STAT_DEFENSE_ALIGNMENT] = 1;
    }
}

void Set_Default_Team_Styles()
{
    Set_Default_Defense_Alignments();
    Set_Team_Stat_10_Defaults();
}

// ---------------------------------------------------------------------------
// Depth slots

bool Can_Play_Depth_Slot(int nPosition, int nSlot)
{
    if (nSlot < 0 || nSlot >= DEPTH_SLOT_GROUP_COUNT) {
        Report_Error("nSlot out of bounds in %s(%d,[%d])", __func__, nPosition, nSlot);
        return false;
    }
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) {
        Report_Error("nPosition out of bounds in %s([%d],%d)", __func__, nPosition, nSlot);
        return false;
    }
    if (nSlot == 11)
        return nPosition == POSITION_WR;
    if (nSlot == 23 || nSlot == 24)
        return nPosition == POSITION_K;
    if (nSlot == 25 || nSlot == 26)
        return nPosition == POSITION_P;
    int nSlotUnit = Get_Depth_Slot_Position(nSlot);
    if (nSlotUnit < 0)
        return true;                                // a slot of no position takes anyone
    int nUnit = nPosition == POSITION_QB ? UNIT_QUARTERBACK : Get_Position_Unit(nPosition);
    if (nUnit == nSlotUnit)
        return true;
    // The last two receiver slots also take defensive backs.
    return (nSlot == 13 || nSlot == 14) && (nPosition == POSITION_CB || nPosition == POSITION_S);
}

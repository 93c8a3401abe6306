#include "league/team_schedule.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <initializer_list>

#include "engine/game_state.h"
#include "base/int_math.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "base/random.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "platform/errors.h"
#include "schedule/schedule_templates.h"
#include "schedule/season_progress.h"

namespace {

constexpr int LAST_FRANCHISE = MAX_FRANCHISES - 1;
constexpr int LAST_WEEK = SCHEDULE_WEEKS - 1;
constexpr int LAST_FIELD = SCHEDULE_WEEK_FIELDS - 1;
constexpr int LAST_YEARLY_BYTE = YEARLY_RECORD_BYTES - 1;
constexpr int LAST_YEAR = YEARLY_RECORD_YEARS - 1;
constexpr int FIRST_WEEKEND_DAY = 0;
constexpr int LAST_WEEKEND_DAY = 6;

// Template rows repeat every 17 weeks; the game's column mixes the two team
// numbers.
constexpr int TEMPLATE_COLUMN_MIX = 37;
constexpr int FULL_LEAGUE_TEAMS = 32;
constexpr int SHORT_SEASON_GAMES = 12;          // at most this many: dates two rows later
constexpr int MIN_COUNTED_WEEKS = 18;           // weeks 0-17: 17 games and a bye

constexpr int FINISH_PLAYOFFS = 4;
constexpr int FINISH_FINAL = 7;
constexpr int FINISH_TITLE = 8;
constexpr int FULL_WEIGHT_SEASONS_ROOT = 1000;  // the franchise score's weight is capped at 1
constexpr int MAX_ROOT_ARGUMENT = 1000000000;

int Season_Index()
{
    return League.Preferences.nInt[PREF_SEASON_INDEX];
}

int32_t* Week_Entry(int nTeam, int nWeek)
{
    return League.Team[nTeam].nSchedule[nWeek];
}

// The team an opponent code names, or -1 for a bye and for a damaged code
// that names no team.
int Opponent_Of(int32_t nCode)
{
    if (nCode == 0)
        return -1;
    long long nTeam = (nCode < 0 ? -static_cast<long long>(nCode) : nCode) - 1;
    return nTeam <= LAST_TEAM ? static_cast<int>(nTeam) : -1;
}

// The entry that keeps the week's play-by-play flag: the home team's. Null
// without a game.
int32_t* Home_Side_Entry(int nTeam, int nWeek)
{
    int32_t nCode = Week_Entry(nTeam, nWeek)[SCHEDULE_OPPONENT];
    if (nCode > 0)
        return Week_Entry(nTeam, nWeek);
    int nOpponent = Opponent_Of(nCode);
    return nOpponent < 0 ? nullptr : Week_Entry(nOpponent, nWeek);
}

// The weeks the home and away counters look at: the regular season (the
// first playoff week), but never fewer than the first 18 weeks. The schedule
// generator counts a new schedule before it sets the new season's playoff
// week, so the week still stored may be a shorter season's; 18 weeks hold
// every regular season of 17 games and a bye. Every week counts while the
// calendar holds none (a league never started).
int Regular_Week_Count()
{
    int nWeeks = Get_First_Playoff_Week();
    if (nWeeks <= 0 || nWeeks > SCHEDULE_WEEKS)
        return SCHEDULE_WEEKS;
    return nWeeks < MIN_COUNTED_WEEKS ? MIN_COUNTED_WEEKS : nWeeks;
}

bool In_Playoffs()
{
    int nFirst = Get_First_Playoff_Week();
    return nFirst > 0 && Get_Current_Week() >= nFirst;
}

bool Is_Time_Of_Day(int nTime)
{
    return nTime >= 1 && nTime <= 2359 && nTime % 100 < 60;
}

// The day and kick-off of the built-in template for a game entered without a
// day; the given time stays when the template cell has no date.
void Default_Day_And_Time(int nHome, int nAway, int nWeek, int* pnDay, int* pnTime)
{
    const int nRow = nWeek % SCHEDULE_TEMPLATE_ROWS;
    int nColumn = (nHome * nAway) % TEMPLATE_COLUMN_MIX % SCHEDULE_TEMPLATE_COLUMNS;
    if (Count_Teams() < FULL_LEAGUE_TEAMS)
        nColumn = (nColumn + 2) % SCHEDULE_TEMPLATE_COLUMNS;
    const int nDateRow = Get_Games_Per_Season() <= SHORT_SEASON_GAMES ? nRow + 2 : nRow;
    const int nDate = Get_Schedule_Template_Value(nDateRow, nColumn, SCHEDULE_TEMPLATE_DATE);
    if (nDate > 0) {
        *pnDay = Get_Day_Of_Week(nDate);
        *pnTime = Get_Schedule_Template_Value(nRow, nColumn, SCHEDULE_TEMPLATE_KICKOFF);
    } else {
        *pnDay = DEFAULT_DAY_OF_WEEK;
    }
}

// Readers of the week tables: team 0-40 and week 0-21. NO_TEAM is a quiet
// "none"; anything else bad is logged under the reader's name.
bool Week_Reader_Args_Ok(const char* szName, int nTeam, int nWeek)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        if (nTeam != NO_TEAM)
            Write_Debug_Log("Invalid nTeam in %s([%d],%d)", szName, nTeam, nWeek);
        return false;
    }
    if (!In_Range(nWeek, 0, LAST_WEEK)) {
        Write_Debug_Log("Invalid nWeek in %s(%d,[%d])", szName, nTeam, nWeek);
        return false;
    }
    return true;
}

bool Team_Reader_Arg_Ok(const char* szName, int nTeam)
{
    if (In_Range(nTeam, 0, LAST_TEAM))
        return true;
    if (nTeam != NO_TEAM)
        Write_Debug_Log("Invalid nTeam in %s([%d])", szName, nTeam);
    return false;
}

int Count_Regular_Weeks_Where(int nTeam, bool (*pTest)(int32_t nCode, int nOpponent), int nOpponent)
{
    int n = 0;
    const int nWeeks = Regular_Week_Count();
    for (int w = 0; w < nWeeks; ++w)
        if (pTest(Week_Entry(nTeam, w)[SCHEDULE_OPPONENT], nOpponent))
            ++n;
    return n;
}

// One more result in byte nByte of the current season, through the yearly
// setter so that the season index and the 0-127 range are checked there.
// Returns whether it was stored, so that a refused result is reported once
// and not again for its home split.
bool Increment_Record_Byte(int nTeam, int nByte)
{
    if (!In_Range(nTeam, 0, LAST_FRANCHISE)) {
        Report_Error("nTeam out of bounds in Set_Team_Record_Char()");
        return false;
    }
    const int nYear = Season_Index();
    const int nOld = In_Range(nYear, 0, LAST_YEAR) ? League.Team[nTeam].bYearly[nYear][nByte] : 0;
    Set_Team_Yearly_Char(nTeam, nYear, nByte, nOld + 1);
    return In_Range(nYear, 0, LAST_YEAR) && League.Team[nTeam].bYearly[nYear][nByte] == nOld + 1;
}

void Format_Record(char* szOut, size_t nSize, const char* szWithTies, const char* szWithout, int nWins, int nLosses,
                   int nTies)
{
    if (nTies != 0)
        std::snprintf(szOut, nSize, szWithTies, nWins, nLosses, nTies);
    else
        std::snprintf(szOut, nSize, szWithout, nWins, nLosses);
}

// ---------------------------------------------------------------------------
// GAME records

bool Record_In_Use(const GAME& Game)
{
    return Game.nAwayTeam != Game.nHomeTeam;
}

bool Between_Franchises(const GAME& Game)
{
    return Game.nAwayTeam < MAX_FRANCHISES && Game.nHomeTeam < MAX_FRANCHISES && Record_In_Use(Game);
}

bool Team_Plays(const GAME& Game, int nTeam)
{
    return Game.nAwayTeam == nTeam || Game.nHomeTeam == nTeam;
}

int Own_Side(const GAME& Game, int nTeam)
{
    return Game.nHomeTeam == nTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

// Game readers accept any team value: 0-40 and NO_TEAM simply find the games
// they play in; anything else is reported.
bool Game_Team_Ok(const char* szName, int nTeam, int nArgument)
{
    if (In_Range(nTeam, 0, LAST_TEAM) || nTeam == NO_TEAM)
        return true;
    Report_Error("nTeam out of bounds in %s([%d],%d)", szName, nTeam, nArgument);
    return false;
}

struct RECENT_TALLY {
    int nWins = 0;
    int nLosses = 0;
    int nTies = 0;
};

// In the off-season the records have moved on to the new season while the
// GAME records still hold the season just finished: the form and streaks
// the records stand beside are the new season's, of no game yet.
bool Records_Past_The_Games()
{
    return League.Preferences.nInt[PREF_CURRENT_WEEK] == OFFSEASON_WEEK;
}

RECENT_TALLY Tally_Recent_Games(int nTeam, int n)
{
    RECENT_TALLY Tally;
    if (Records_Past_The_Games())
        return Tally;
    int nCounted = 0;
    for (int i = Count_Season_Game_Records() - 1; i >= 0 && nCounted < n; --i) {
        const GAME& Game = League.Game[i];
        if (!Between_Franchises(Game) || !Team_Plays(Game, nTeam) || !Is_Game_Over(&Game))
            continue;
        const int nSide = Own_Side(Game, nTeam);
        const int32_t nOwn = Game.nScore[nSide];
        const int32_t nOther = Game.nScore[1 - nSide];
        if (nOwn > nOther)
            ++Tally.nWins;
        else if (nOwn < nOther)
            ++Tally.nLosses;
        else
            ++Tally.nTies;
        ++nCounted;
    }
    return Tally;
}

int Streak(int nTeam, bool bWinning)
{
    if (!In_Range(nTeam, 0, LAST_FRANCHISE) || Records_Past_The_Games())
        return 0;
    int n = 0;
    for (int i = Count_Season_Game_Records() - 1; i >= 0; --i) {
        const GAME& Game = League.Game[i];
        if (!Between_Franchises(Game) || !Team_Plays(Game, nTeam))
            continue;
        if (!Is_Game_Over(&Game)) {
            // A game not yet started breaks the run; one under way has no
            // result yet and is passed over.
            if (Game.nClock < 1)
                break;
            continue;
        }
        const int nSide = Own_Side(Game, nTeam);
        const int32_t nOwn = Game.nScore[nSide];
        const int32_t nOther = Game.nScore[1 - nSide];
        if (bWinning ? nOwn > nOther : nOwn < nOther)
            ++n;
        else
            break;
    }
    return n;
}

// ---------------------------------------------------------------------------
// All-time figures of one team slot 0-40 (only franchises in use have any)

int Completed_Seasons()
{
    int n = Season_Index();
    if (n < 0)
        return 0;
    return n > YEARLY_RECORD_YEARS ? YEARLY_RECORD_YEARS : n;
}

int Sum_Yearly_Byte(int nTeam, int nByte)
{
    int nSum = 0;
    const int nSeasons = Completed_Seasons();
    for (int y = 0; y < nSeasons; ++y)
        nSum += Get_Team_Yearly_Char(nTeam, y, nByte);
    return nSum;
}

int Count_Finishes(int nTeam, int nLeast)
{
    int n = 0;
    const int nSeasons = Completed_Seasons();
    for (int y = 0; y < nSeasons; ++y)
        if (Get_Team_Yearly_Int(nTeam, y, YEARLY_INT_FINISH) >= nLeast)
            ++n;
    return n;
}

int Franchise_Score(int nTeam)
{
    const long long nWins = Sum_Yearly_Byte(nTeam, YEARLY_WINS);
    const long long nLosses = Sum_Yearly_Byte(nTeam, YEARLY_LOSSES);
    const long long nTies = Sum_Yearly_Byte(nTeam, YEARLY_TIES);
    const long long nPlayoffWins = Sum_Yearly_Byte(nTeam, YEARLY_PLAYOFF_WINS);
    const long long nGames = nWins + nLosses + nTies;
    long long nScore = 0;
    if (nGames > 0)
        nScore = Mul_Div_Rounded(Clamp_To_Int(2 * (nWins + nPlayoffWins) + nTies), 1000, Clamp_To_Int(2 * nGames));
    nScore += Get_Team_Financial_Stat(nTeam, FINANCE_BONUS_POINTS);

    // A young franchise's score counts only in part: full weight after ten
    // seasons (the root of 10 x 100,000 is 1000).
    long long nRootArgument = static_cast<long long>(Season_Index()) * 100000;
    if (nRootArgument > MAX_ROOT_ARGUMENT)
        nRootArgument = MAX_ROOT_ARGUMENT;
    int nWeight = Get_Rounded_Sqrt(static_cast<int>(nRootArgument));
    if (nWeight > FULL_WEIGHT_SEASONS_ROOT)
        nWeight = FULL_WEIGHT_SEASONS_ROOT;
    const int nResult = Mul_Div_Rounded(Clamp_To_Int(nScore), nWeight, 1000);
    return nResult < 0 ? 0 : nResult;
}

int Team_Power_Stat(int nTeam, int n)
{
    switch (n) {
    case POWER_FRANCHISE_SCORE:
        return Is_Team_Slot_Used(nTeam) ? Franchise_Score(nTeam) : 0;
    case POWER_WINS:
        return Sum_Yearly_Byte(nTeam, YEARLY_WINS);
    case POWER_LOSSES:
        return Sum_Yearly_Byte(nTeam, YEARLY_LOSSES);
    case POWER_TIES:
        return Sum_Yearly_Byte(nTeam, YEARLY_TIES);
    case POWER_PLAYOFF_WINS:
        return Sum_Yearly_Byte(nTeam, YEARLY_PLAYOFF_WINS);
    case POWER_PLAYOFF_LOSSES:
        return Sum_Yearly_Byte(nTeam, YEARLY_PLAYOFF_LOSSES);
    case POWER_PLAYOFF_SEASONS:
        return Count_Finishes(nTeam, FINISH_PLAYOFFS);
    case POWER_FINAL_SEASONS:
        return Count_Finishes(nTeam, FINISH_FINAL);
    case POWER_TITLE_SEASONS:
        return Count_Finishes(nTeam, FINISH_TITLE);
    default:
        return 0;
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Schedule entries

int Get_Team_Schedule_Stat(int nTeam, int nWeek, int nField)
{
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Write_Debug_Log("Invalid nTeam in Get_Team_Schedule_Stat(%d,%d,%d)", nTeam, nWeek, nField);
        return 0;
    }
    if (!In_Range(nWeek, 0, LAST_WEEK)) {
        Write_Debug_Log("Invalid nWeek in Get_Team_Schedule_Stat(%d,%d,%d)", nTeam, nWeek, nField);
        return 0;
    }
    if (!In_Range(nField, 0, LAST_FIELD)) {
        Write_Debug_Log("Invalid nField in Get_Team_Schedule_Stat(%d,%d,[%d])", nTeam, nWeek, nField);
        return 0;
    }
    return Week_Entry(nTeam, nWeek)[nField];
}

void Set_Team_Schedule_Stat(int nTeam, int nWeek, int nField, int nValue)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Write_Debug_Log("Invalid nTeam in Set_Team_Schedule_Stat(%d,%d,%d)", nTeam, nWeek, nField);
        return;
    }
    if (!In_Range(nWeek, 0, LAST_WEEK)) {
        Write_Debug_Log("Invalid nWeek in Set_Team_Schedule_Stat(%d,%d,%d,%d)", nTeam, nWeek, nField, nValue);
        return;
    }
    if (!In_Range(nField, 0, LAST_FIELD)) {
        Write_Debug_Log("Invalid nField in Set_Team_Schedule_Stat(%d,%d,[%d],%d)", nTeam, nWeek, nField, nValue);
        return;
    }
    Week_Entry(nTeam, nWeek)[nField] = nValue;
}

bool Schedule_Game(int nHome, int nAway, int nWeek, int nDay, int nTime)
{
    if (nHome == NO_TEAM || nAway == NO_TEAM)
        return false;
    if (!Is_Team_Slot_Used(nHome)) {
        Report_Error("Invalid TNUM in %s([%d],%d,%d,%d)", __func__, nHome, nAway, nWeek, nDay);
        return false;
    }
    // A club cannot play itself: both entries would be the same one.
    if (!Is_Team_Slot_Used(nAway) || nAway == nHome) {
        Report_Error("Invalid TNUM in %s(%d,[%d],%d,%d)", __func__, nHome, nAway, nWeek, nDay);
        return false;
    }
    if (!In_Range(nWeek, 0, LAST_WEEK)) {
        Report_Error("Invalid nWeek in %s(%d,%d,%d,%d)", __func__, nHome, nAway, nWeek, nDay);
        return false;
    }
    int32_t* pHome = Week_Entry(nHome, nWeek);
    int32_t* pAway = Week_Entry(nAway, nWeek);
    if (pHome[SCHEDULE_OPPONENT] != 0 || pAway[SCHEDULE_OPPONENT] != 0)
        return false;
    pHome[SCHEDULE_OPPONENT] = nAway + 1;
    pAway[SCHEDULE_OPPONENT] = -(nHome + 1);

    if (nDay == -1)
        Default_Day_And_Time(nHome, nAway, nWeek, &nDay, &nTime);
    if (!In_Range(nDay, FIRST_WEEKEND_DAY, LAST_WEEKEND_DAY))
        nDay = DEFAULT_DAY_OF_WEEK;
    // Callers pass -1 for "no time"; an empty template cell leaves it so.
    if (!Is_Time_Of_Day(nTime))
        nTime = DEFAULT_KICKOFF_TIME;
    for (int32_t* pEntry : {pHome, pAway}) {
        pEntry[SCHEDULE_DAY_OF_WEEK] = nDay;
        pEntry[SCHEDULE_KICKOFF_TIME] = nTime;
    }
    return true;
}

bool Game_Scheduled_Today(int nTeam, int nWeek)
{
    if (!In_Range(nTeam, 0, LAST_FRANCHISE)) {
        Write_Debug_Log("Invalid nTeam in Game_Scheduled_Today(%d,%d)", nTeam, nWeek);
        return false;
    }
    if (!In_Range(nWeek, 0, LAST_WEEK)) {
        Write_Debug_Log("Invalid date in Game_Scheduled_Today(%d,%d)", nTeam, nWeek);
        return false;
    }
    return Week_Entry(nTeam, nWeek)[SCHEDULE_OPPONENT] != 0;
}

bool Clear_Scheduled_Game(int nTeamA, int nTeamB, int nWeek)
{
    if (nTeamA == NO_TEAM || nTeamB == NO_TEAM)
        return false;
    if (!In_Range(nTeamA, 0, FREE_AGENT_TEAM) || !In_Range(nTeamB, 0, FREE_AGENT_TEAM)) {
        Report_Error("nTeam out of bounds in %s(%d,%d,%d)", __func__, nTeamA, nTeamB, nWeek);
        return false;
    }
    if (!In_Range(nWeek, 0, LAST_WEEK)) {
        Report_Error("Invalid date in %s(%d,%d,%d)", __func__, nTeamA, nTeamB, nWeek);
        return false;
    }
    int32_t& nCodeA = Week_Entry(nTeamA, nWeek)[SCHEDULE_OPPONENT];
    int32_t& nCodeB = Week_Entry(nTeamB, nWeek)[SCHEDULE_OPPONENT];
    // Clearing an entry that names a third club would leave that club's
    // entry pointing at a bye.
    if ((nCodeA != 0 && Opponent_Of(nCodeA) != nTeamB) || (nCodeB != 0 && Opponent_Of(nCodeB) != nTeamA))
        return false;
    nCodeA = 0;
    nCodeB = 0;
    return true;
}

void Clear_Scheduled_Games(int nTeam)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, FREE_AGENT_TEAM)) {
        Report_Error("nTeam out of bounds in %s(%d,%d,%d)", __func__, nTeam, 0, SCHEDULE_WEEKS);
        return;
    }
    for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
        int32_t* pEntry = Week_Entry(nTeam, w);
        for (int f = 0; f < SCHEDULE_WEEK_FIELDS; ++f)
            pEntry[f] = 0;
        pEntry[SCHEDULE_GAME_INDEX] = NO_GAME_RECORD;
    }
}

int Get_Scheduled_Opponent(int nTeam, int nWeek)
{
    // Week 22 and beyond (the off-season's 100) simply has no game.
    if (nWeek > LAST_WEEK && In_Range(nTeam, 0, LAST_TEAM))
        return NO_TEAM;
    if (!Week_Reader_Args_Ok(__func__, nTeam, nWeek))
        return NO_TEAM;
    int nOpponent = Opponent_Of(Week_Entry(nTeam, nWeek)[SCHEDULE_OPPONENT]);
    return nOpponent < 0 ? NO_TEAM : nOpponent;
}

int Get_Team_Week_Home_Away(int nTeam, int nWeek)
{
    if (nWeek > LAST_WEEK && In_Range(nTeam, 0, LAST_TEAM))
        return WEEK_NO_GAME;
    if (!Week_Reader_Args_Ok(__func__, nTeam, nWeek))
        return WEEK_NO_GAME;
    int32_t nCode = Week_Entry(nTeam, nWeek)[SCHEDULE_OPPONENT];
    if (nCode > 0)
        return WEEK_AT_HOME;
    return nCode < 0 ? WEEK_AWAY : WEEK_NO_GAME;
}

int Count_Team_Home_Games(int nTeam)
{
    if (!Team_Reader_Arg_Ok(__func__, nTeam))
        return 0;
    return Count_Regular_Weeks_Where(nTeam, [](int32_t nCode, int) { return nCode > 0; }, 0);
}

int Count_Team_Away_Games(int nTeam)
{
    if (!Team_Reader_Arg_Ok(__func__, nTeam))
        return 0;
    return Count_Regular_Weeks_Where(nTeam, [](int32_t nCode, int) { return nCode < 0; }, 0);
}

int Count_Home_Games_Against(int nTeam, int nOpponent)
{
    if (!Team_Reader_Arg_Ok(__func__, nTeam)
        || !Team_Reader_Arg_Ok(__func__, nOpponent))
        return 0;
    return Count_Regular_Weeks_Where(
        nTeam, [](int32_t nCode, int nOther) { return nCode == nOther + 1; }, nOpponent);
}

int Count_Away_Games_Against(int nTeam, int nOpponent)
{
    if (!Team_Reader_Arg_Ok(__func__, nTeam)
        || !Team_Reader_Arg_Ok(__func__, nOpponent))
        return 0;
    return Count_Regular_Weeks_Where(
        nTeam, [](int32_t nCode, int nOther) { return nCode == -(nOther + 1); }, nOpponent);
}

// ---------------------------------------------------------------------------
// Play-by-play flags

int Get_Calendar_PBP_Flag(int nTeam, int nWeek)
{
    if (!Week_Reader_Args_Ok(__func__, nTeam, nWeek))
        return 0;
    int32_t nCode = Week_Entry(nTeam, nWeek)[SCHEDULE_OPPONENT];
    if (nCode > 0)
        return Week_Entry(nTeam, nWeek)[SCHEDULE_PBP_FLAG];
    int nOpponent = Opponent_Of(nCode);
    if (nOpponent < 0 || !Is_Valid_Team(nOpponent))
        return 0;
    return Week_Entry(nOpponent, nWeek)[SCHEDULE_PBP_FLAG];
}

void Set_Calendar_PBP_Flag(int nTeam, int nWeek, int nValue)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, FREE_AGENT_TEAM)) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d)", __func__, nTeam, nWeek, nValue);
        return;
    }
    if (!In_Range(nWeek, 0, LAST_WEEK)) {
        Report_Error("nWeek out of bounds in %s(%d,[%d],%d)", __func__, nTeam, nWeek, nValue);
        return;
    }
    if (int32_t* pEntry = Home_Side_Entry(nTeam, nWeek))
        pEntry[SCHEDULE_PBP_FLAG] = nValue;
}

void Toggle_Calendar_PBP_Flag(int nTeam, int nWeek)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        Report_Error("Invalid nTeam in %s(%d,%d)", __func__, nTeam, nWeek);
        return;
    }
    if (!In_Range(nWeek, 0, LAST_WEEK)) {
        Report_Error("Invalid nWeek in %s(%d,%d)", __func__, nTeam, nWeek);
        return;
    }
    if (int32_t* pEntry = Home_Side_Entry(nTeam, nWeek))
        pEntry[SCHEDULE_PBP_FLAG] = pEntry[SCHEDULE_PBP_FLAG] == 0 ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Results

void Add_Team_Win(int nTeam, int bHome)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, LAST_FRANCHISE)) {
        Report_Error("nTeam out of bounds in %s()", __func__);
        return;
    }
    if (In_Playoffs()) {
        Increment_Record_Byte(nTeam, YEARLY_PLAYOFF_WINS);
        return;
    }
    if (Increment_Record_Byte(nTeam, YEARLY_WINS) && bHome)
        Increment_Record_Byte(nTeam, YEARLY_HOME_WINS);
}

void Add_Team_Loss(int nTeam, int bHome)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, FREE_AGENT_TEAM)) {
        Report_Error("nTeam out of bounds in %s()", __func__);
        return;
    }
    if (In_Playoffs()) {
        Add_Team_Playoff_Loss(nTeam);
        return;
    }
    if (Increment_Record_Byte(nTeam, YEARLY_LOSSES) && bHome)
        Increment_Record_Byte(nTeam, YEARLY_HOME_LOSSES);
}

void Add_Team_Playoff_Loss(int nTeam)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, LAST_FRANCHISE)) {
        Report_Error("nTeam out of bounds in %s()", __func__);
        return;
    }
    Increment_Record_Byte(nTeam, YEARLY_PLAYOFF_LOSSES);
}

void Add_Team_Tie(int nTeam, int bHome)
{
    if (nTeam == NO_TEAM)
        return;
    if (!In_Range(nTeam, 0, FREE_AGENT_TEAM)) {
        Report_Error("nTeam out of bounds in %s()", __func__);
        return;
    }
    if (Increment_Record_Byte(nTeam, YEARLY_TIES) && bHome)
        Increment_Record_Byte(nTeam, YEARLY_HOME_TIES);
}

int Get_Team_Wins(int nTeam) { return Get_Team_Current_Yearly_Char(nTeam, YEARLY_WINS); }
int Get_Team_Losses(int nTeam) { return Get_Team_Current_Yearly_Char(nTeam, YEARLY_LOSSES); }
int Get_Team_Ties(int nTeam) { return Get_Team_Current_Yearly_Char(nTeam, YEARLY_TIES); }
int Get_Team_Home_Wins(int nTeam) { return Get_Team_Current_Yearly_Char(nTeam, YEARLY_HOME_WINS); }
int Get_Team_Home_Losses(int nTeam) { return Get_Team_Current_Yearly_Char(nTeam, YEARLY_HOME_LOSSES); }
int Get_Team_Home_Ties(int nTeam) { return Get_Team_Current_Yearly_Char(nTeam, YEARLY_HOME_TIES); }
int Get_Team_Playoff_Wins(int nTeam) { return Get_Team_Current_Yearly_Char(nTeam, YEARLY_PLAYOFF_WINS); }
int Get_Team_Playoff_Losses(int nTeam) { return Get_Team_Current_Yearly_Char(nTeam, YEARLY_PLAYOFF_LOSSES); }
int Get_Team_Away_Wins(int nTeam) { return Get_Team_Wins(nTeam) - Get_Team_Home_Wins(nTeam); }
int Get_Team_Away_Losses(int nTeam) { return Get_Team_Losses(nTeam) - Get_Team_Home_Losses(nTeam); }
int Get_Team_Away_Ties(int nTeam) { return Get_Team_Ties(nTeam) - Get_Team_Home_Ties(nTeam); }

int Get_Team_Games_Played(int nTeam)
{
    if (Is_Team_Slot_Used(nTeam))
        return Get_Team_Wins(nTeam) + Get_Team_Losses(nTeam) + Get_Team_Ties(nTeam);
    const int nWeeks = Get_First_Playoff_Week();
    if (nWeeks <= 0)
        return 0;
    return Mul_Div_Rounded(Get_Season_Progress_Per_Mille(), nWeeks, 1000);
}

int Get_Team_Winning_Percentage(int nTeam)
{
    const int nWins = Get_Team_Wins(nTeam);
    const int nTies = Get_Team_Ties(nTeam);
    const int nGames = nWins + Get_Team_Losses(nTeam) + nTies;
    if (nGames <= 0)
        return 0;
    return Mul_Div_Rounded(2 * nWins + nTies, 1000, 2 * nGames);
}

int Count_League_Games()
{
    int nGames = 0;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t)
        nGames += Get_Team_Wins(t) + Get_Team_Losses(t) + Get_Team_Ties(t);
    return nGames;
}

int Get_League_Yearly_Char_Total(int n)
{
    if (!In_Range(n, 0, LAST_YEARLY_BYTE)) {
        Report_Error("n out of bounds in %s([%d])", __func__, n);
        return 0;
    }
    int nTotal = 0;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t)
        if (Is_Team_Slot_Used(t))
            nTotal += Get_Team_Current_Yearly_Char(t, n);
    return nTotal;
}

// ---------------------------------------------------------------------------
// Record texts

int Format_Team_Record(char* szOut, size_t nSize, int nTeam)
{
    if (szOut == nullptr) {
        Report_Error("NULL buffer in %s(st,%d)", __func__, nTeam);
        return 0;
    }
    const int nWins = Get_Team_Wins(nTeam);
    const int nLosses = Get_Team_Losses(nTeam);
    Format_Record(szOut, nSize, "%d-%d-%d", "%d-%d", nWins, nLosses, Get_Team_Ties(nTeam));
    return (nWins != 0 || nLosses != 0) ? 1 : 0;
}

void Format_Team_Current_Record(char* szOut, size_t nSize, int nTeam)
{
    if (szOut == nullptr) {
        Report_Error("NULL buffer in %s(st,%d)", __func__, nTeam);
        return;
    }
    if (!Is_Team_Slot_Used(nTeam)) {
        std::snprintf(szOut, nSize, "0 - 0");
        return;
    }
    Format_Record(szOut, nSize, "%d - %d - %d", "%d - %d", Get_Team_Wins(nTeam), Get_Team_Losses(nTeam),
                  Get_Team_Ties(nTeam));
}

void Format_Team_Yearly_Record(char* szOut, size_t nSize, int nTeam, int nYearsAgo)
{
    if (szOut == nullptr) {
        Report_Error("NULL buffer in %s(st,%d,%d)", __func__, nTeam, nYearsAgo);
        return;
    }
    const long long nSeason = static_cast<long long>(Season_Index()) - nYearsAgo;
    const int nYear = In_Range(nSeason, INT_MIN, INT_MAX) ? static_cast<int>(nSeason) : -1;
    // The first read logs a bad season once; the others would only repeat it.
    const int nWins = Get_Team_Yearly_Char(nTeam, nYear, YEARLY_WINS);
    int nLosses = 0;
    int nTies = 0;
    if (In_Range(nYear, 0, LAST_YEAR)) {
        nLosses = Get_Team_Yearly_Char(nTeam, nYear, YEARLY_LOSSES);
        nTies = Get_Team_Yearly_Char(nTeam, nYear, YEARLY_TIES);
    }
    Format_Record(szOut, nSize, "%d-%d-%d", "%d-%d", nWins, nLosses, nTies);
}

void Format_Team_Recent_Record(char* szOut, size_t nSize, int nTeam, int n)
{
    if (szOut == nullptr) {
        Report_Error("NULL buffer in %s(st,%d,%d)", __func__, nTeam, n);
        return;
    }
    RECENT_TALLY Tally;
    if (Game_Team_Ok(__func__, nTeam, n))
        Tally = Tally_Recent_Games(nTeam, n);
    Format_Record(szOut, nSize, "%d-%d-%d", "%d-%d", Tally.nWins, Tally.nLosses, Tally.nTies);
}

// ---------------------------------------------------------------------------
// GAME records

int Count_Season_Game_Records()
{
    for (int i = NUMBER_OF_GAMES - 1; i >= 0; --i)
        if (Record_In_Use(League.Game[i]))
            return i + 1;
    return 0;
}

GAME* Get_Game_Record(int n)
{
    if (n == -1)
        return nullptr;
    if (!In_Range(n, 0, NUMBER_OF_GAMES - 1)) {
        Report_Error("nGame out of bounds in %s([%d])", __func__, n);
        return nullptr;
    }
    return &League.Game[n];
}

int Get_Team_Recent_Record_Stat(int nTeam, int n, int nKind)
{
    if (!Game_Team_Ok(__func__, nTeam, n))
        return 0;
    if (!In_Range(nKind, RECENT_WINS, RECENT_TIES)) {
        Report_Error("nKind out of bounds in %s(%d,%d,[%d])", __func__, nTeam, n, nKind);
        return 0;
    }
    const RECENT_TALLY Tally = Tally_Recent_Games(nTeam, n);
    if (nKind == RECENT_WINS)
        return Tally.nWins;
    return nKind == RECENT_LOSSES ? Tally.nLosses : Tally.nTies;
}

int Get_Team_Winning_Streak(int nTeam)
{
    if (!Game_Team_Ok(__func__, nTeam, 0))
        return 0;
    return Streak(nTeam, true);
}

int Get_Team_Losing_Streak(int nTeam)
{
    if (!Game_Team_Ok(__func__, nTeam, 0))
        return 0;
    return Streak(nTeam, false);
}

int Find_Team_Last_Game(int nTeam)
{
    if (!Game_Team_Ok(__func__, nTeam, 0))
        return -1;
    int nLatestPlayed = -1;
    for (int i = Count_Season_Game_Records() - 1; i >= 0; --i) {
        const GAME& Game = League.Game[i];
        if (!Record_In_Use(Game) || Game.nClock < 1)
            continue;
        if (Team_Plays(Game, nTeam))
            return i;
        if (nLatestPlayed < 0)
            nLatestPlayed = i;
    }
    return nLatestPlayed;
}

int Get_Team_Game_Stat_Total(int nTeam, int n)
{
    if (!Game_Team_Ok(__func__, nTeam, n))
        return 0;
    if (!In_Range(n, 0, GAME_TEAM_TOTALS - 1)) {
        Report_Error("n out of bounds in %s(%d,[%d])", __func__, nTeam, n);
        return 0;
    }
    long long nTotal = 0;
    const int nRecords = Count_Season_Game_Records();
    for (int i = 0; i < nRecords; ++i) {
        const GAME& Game = League.Game[i];
        if (Record_In_Use(Game) && Team_Plays(Game, nTeam))
            nTotal += Game.nTeamTotal[Own_Side(Game, nTeam)][n];
    }
    return Clamp_To_Int(nTotal);
}

int Get_League_Game_Team_Stat_Total(int n)
{
    if (!In_Range(n, 0, GAME_TEAM_TOTALS - 1)) {
        Report_Error("n out of bounds in %s([%d])", __func__, n);
        return 0;
    }
    long long nTotal = 0;
    const int nRecords = Count_Season_Game_Records();
    for (int i = 0; i < nRecords; ++i) {
        const GAME& Game = League.Game[i];
        if (Record_In_Use(Game))
            nTotal += Game.nTeamTotal[GAME_SIDE_AWAY][n] + Game.nTeamTotal[GAME_SIDE_HOME][n];
    }
    return Clamp_To_Int(nTotal);
}

int Get_League_Points_Total()
{
    long long nTotal = 0;
    const int nRecords = Count_Season_Game_Records();
    for (int i = 0; i < nRecords; ++i) {
        const GAME& Game = League.Game[i];
        if (Record_In_Use(Game))
            nTotal += static_cast<long long>(Game.nScore[GAME_SIDE_AWAY]) + Game.nScore[GAME_SIDE_HOME];
    }
    return Clamp_To_Int(nTotal);
}

int Get_Team_Game_Points(int nTeam, int bScored)
{
    if (!Game_Team_Ok(__func__, nTeam, bScored))
        return 0;
    long long nTotal = 0;
    const int nRecords = Count_Season_Game_Records();
    for (int i = 0; i < nRecords; ++i) {
        const GAME& Game = League.Game[i];
        if (!Record_In_Use(Game) || !Team_Plays(Game, nTeam))
            continue;
        const int nSide = Own_Side(Game, nTeam);
        nTotal += Game.nScore[bScored ? nSide : 1 - nSide];
    }
    return Clamp_To_Int(nTotal);
}

// ---------------------------------------------------------------------------
// Playoffs

int Get_Team_Playoff_Slot(int nTeam)
{
    // Empty slots hold NO_TEAM, so only a franchise may be looked for.
    if (!In_Range(nTeam, 0, LAST_FRANCHISE)) {
        if (!In_Range(nTeam, 0, LAST_TEAM) && nTeam != NO_TEAM)
            Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return -1;
    }
    for (int s = PLAYOFF_CHAMPION_SLOT; s >= 0; --s)
        if (League.StandingsArea.PlayoffTeam[s] == nTeam)
            return s;
    return -1;
}

int Get_Team_Playoff_Round(int nTeam)
{
    const int nSlot = Get_Team_Playoff_Slot(nTeam);
    if (nSlot >= 28)
        return 4;
    if (nSlot >= 24)
        return 3;
    if (nSlot >= 16)
        return 2;
    return nSlot >= 0 ? 1 : 0;
}

// ---------------------------------------------------------------------------
// All-time figures

int Get_Team_Power_Stat(int nTeam, int n)
{
    if (!In_Range(n, POWER_FRANCHISE_SCORE, POWER_TITLE_SEASONS))
        return 0;
    if (nTeam == ALL_TEAMS) {
        const int nTeams = Count_Teams();
        if (nTeams <= 0)
            return 0;
        long long nSum = 0;
        for (int t = 0; t < nTeams; ++t)
            nSum += Team_Power_Stat(t, n);
        return Clamp_To_Int(nSum / nTeams);
    }
    if (!In_Range(nTeam, 0, LAST_TEAM)) {
        if (nTeam != NO_TEAM)
            Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, n);
        return 0;
    }
    return Team_Power_Stat(nTeam, n);
}

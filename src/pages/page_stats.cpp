#include "pages/page_stats.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "base/text_utils.h"
#include "league/column_captions.h"
#include "league/game_record.h"
#include "league/leader_tables.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/sack_text.h"
#include "league/stat_codes.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_ranks.h"
#include "league/team_schedule.h"
#include "league/team_strength.h"
#include "pages/news_ticker.h"

namespace {

constexpr int TEAM_STAT_CODES = TEAM_STAT_COLUMN_CODES;
constexpr int FRANCHISE_CODES = FRANCHISE_MEASURE_CODES;
constexpr const char* NOT_KEPT = "-";

std::string Printf(const char* szFormat, long long a, long long b = 0, long long c = 0)
{
    char sz[64];
    std::snprintf(sz, sizeof(sz), szFormat, a, b, c);
    return sz;
}

std::string Tenths_Text(long long nTenths)
{
    char sz[32];
    std::snprintf(sz, sizeof(sz), "%s%lld.%lld", nTenths < 0 ? "-" : "", std::llabs(nTenths) / 10,
                  std::llabs(nTenths) % 10);
    return sz;
}

std::string Per_Game(long long n, long long nGames)
{
    if (nGames <= 0)
        return "0.0";
    return Tenths_Text((n * 10 + (n >= 0 ? nGames / 2 : -nGames / 2)) / nGames);
}

std::string Percent_Of(long long n, long long d)
{
    if (d <= 0)
        return "0.0%";
    return Tenths_Text((n * 1000 + d / 2) / d) + "%";
}

std::string Clock_Text(long long nSeconds)
{
    char sz[32];
    std::snprintf(sz, sizeof(sz), "%lld:%02lld", nSeconds / 60, nSeconds % 60);
    return sz;
}

std::string Record_Text(int nWins, int nLosses, int nTies)
{
    return nTies > 0 ? Printf("%lld-%lld-%lld", nWins, nLosses, nTies) : Printf("%lld-%lld", nWins, nLosses);
}

// Dollars as "$12.3M", "$850K" or "$0".
std::string Money_Text(long long nDollars)
{
    const bool bNegative = nDollars < 0;
    const long long n = std::llabs(nDollars);
    std::string Text;
    if (n >= 1000000)
        Text = "$" + Tenths_Text((n + 50000) / 100000) + "M";
    else if (n >= 1000)
        Text = "$" + std::to_string((n + 500) / 1000) + "K";
    else
        Text = "$" + std::to_string(n);
    return bNegative ? "-" + Text : Text;
}

std::string Rank_Text(int nRank)
{
    return "#" + std::to_string(nRank + 1);
}

// The game records the Standings figures count: none in the off-season,
// whose records (0-0-0) are the new season's while the GAME records still
// hold the season just finished.
int Count_Records_Of_Shown_Season()
{
    return Get_Current_Week() == OFFSEASON_WEEK ? 0 : Count_Season_Game_Records();
}

// The club's season from its finished game records: its own side's totals
// and the other side's, points both ways, games played.
struct SEASON_SUMS {
    long long nOwn[GAME_TEAM_TOTALS] = {};
    long long nOther[GAME_TEAM_TOTALS] = {};
    long long nPointsFor = 0;
    long long nPointsAgainst = 0;
    int nGames = 0;
};

SEASON_SUMS Sum_Season(int nTeam)
{
    SEASON_SUMS Sums;
    const int nRecords = Count_Records_Of_Shown_Season();
    for (int g = 0; g < nRecords; ++g) {
        const GAME* pGame = Get_Game_Record(g);
        if (pGame == nullptr || pGame->nAwayTeam == pGame->nHomeTeam || !Is_Game_Record_Final(g))
            continue;
        const int nSide = pGame->nAwayTeam == nTeam ? 0 : pGame->nHomeTeam == nTeam ? 1 : -1;
        if (nSide < 0)
            continue;
        for (int k = 0; k < GAME_TEAM_TOTALS; ++k) {
            Sums.nOwn[k] += pGame->nTeamTotal[nSide][k];
            Sums.nOther[k] += pGame->nTeamTotal[1 - nSide][k];
        }
        Sums.nPointsFor += pGame->nScore[nSide];
        Sums.nPointsAgainst += pGame->nScore[1 - nSide];
        ++Sums.nGames;
    }
    return Sums;
}

long long Own_Yards(const SEASON_SUMS& S)
{
    return S.nOwn[GAME_TOTAL_RUSHING_YARDS] + S.nOwn[GAME_TOTAL_PASSING_YARDS];
}

long long Other_Yards(const SEASON_SUMS& S)
{
    return S.nOther[GAME_TOTAL_RUSHING_YARDS] + S.nOther[GAME_TOTAL_PASSING_YARDS];
}

// The per-game figure a rank of the Standings column orders by (larger is
// better; yards allowed count negative).
long long Rank_Figure(const SEASON_SUMS& S, int nCode)
{
    const long long nGames = S.nGames > 0 ? S.nGames : 1;
    switch (nCode) {
    case 18: return Own_Yards(S) * 100 / nGames;
    case 19: return -Other_Yards(S) * 100 / nGames;
    case 20: return S.nOwn[GAME_TOTAL_PASSING_YARDS] * 100 / nGames;
    case 21: return S.nOwn[GAME_TOTAL_RUSHING_YARDS] * 100 / nGames;
    case 22: return -S.nOther[GAME_TOTAL_PASSING_YARDS] * 100 / nGames;
    default: return -S.nOther[GAME_TOTAL_RUSHING_YARDS] * 100 / nGames;
    }
}

// 0 the best: the clubs with a game in the records (an erased one too)
// whose figure is strictly better; a club with none has no figure to rank
// by. Every club's season is summed in one pass over the records.
int Season_Rank(int nTeam, int nCode)
{
    std::vector<SEASON_SUMS> Sums(MAX_FRANCHISES);
    const int nRecords = Count_Records_Of_Shown_Season();
    for (int g = 0; g < nRecords; ++g) {
        const GAME* pGame = Get_Game_Record(g);
        if (pGame == nullptr || pGame->nAwayTeam == pGame->nHomeTeam || !Is_Game_Record_Final(g))
            continue;
        for (int nSide = 0; nSide < 2; ++nSide) {
            const int t = nSide == 0 ? pGame->nAwayTeam : pGame->nHomeTeam;
            if (t < 0 || t >= MAX_FRANCHISES)
                continue;
            for (int k = 0; k < GAME_TEAM_TOTALS; ++k) {
                Sums[t].nOwn[k] += pGame->nTeamTotal[nSide][k];
                Sums[t].nOther[k] += pGame->nTeamTotal[1 - nSide][k];
            }
            ++Sums[t].nGames;
        }
    }
    const long long nMine = Rank_Figure(Sums[nTeam], nCode);
    int nRank = 0;
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        if (t != nTeam && Sums[t].nGames > 0 && Is_Club_Of_Season(t) && Rank_Figure(Sums[t], nCode) > nMine)
            ++nRank;
    return nRank;
}

// The Standings figures read from the club's players, not its games: its
// players' season totals and its strength by position.
bool Is_Roster_Figure(int nCode)
{
    return (nCode >= 34 && nCode <= 36) || (nCode >= 40 && nCode <= 47);
}

// A defensive figure of the club: the season's stored statistic nCode summed
// over its defenders only, as the club's defensive totals count them. The
// same slot holds a back's rushing or passing figures and the runs behind a
// lineman.
long long Sum_Player_Stat(int nTeam, int nCode)
{
    long long n = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (Is_Player_Slot_Used(nTeam, s) && Get_Player_Unit(nTeam, s) == UNIT_DEFENSE)
            n += Get_Player_Stat(nTeam, s, STAT_PERIOD_THIS_SEASON, nCode);
    return n;
}

// The seasons whose finish code reached nAtLeast (4 the playoffs, 7 the
// final, 8 the title), the current season's too once recorded.
int Count_Finishes(int nTeam, int nAtLeast)
{
    int n = 0;
    const int nLast = Get_Current_Season_Index();
    for (int i = 0; i <= nLast && i < 100; ++i)
        n += Get_Team_Yearly_Int(nTeam, i, YEARLY_INT_FINISH) >= nAtLeast ? 1 : 0;
    return n;
}

// The average (rounded) of the club's players at the positions of a group,
// by their overall rating (nRating -1) or one rating; "-" with nobody there.
std::string Group_Average(int nTeam, std::initializer_list<int> Positions, int nRating = -1)
{
    double fSum = 0;
    int nCount = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (!Is_Player_Slot_Used(nTeam, s))
            continue;
        const int nPosition = Get_Player_Position(nTeam, s);
        for (int p : Positions)
            if (p == nPosition) {
                fSum += nRating < 0 ? Get_Player_Overall_Rating(nTeam, s) : Get_Player_Rating(nTeam, s, nRating);
                ++nCount;
            }
    }
    return nCount > 0 ? std::to_string(static_cast<int>(fSum / nCount + 0.5)) : NOT_KEPT;
}

std::string Finance(int nTeam, int nCode)
{
    return std::to_string(Get_Team_Financial_Stat(nTeam, nCode));
}

const char* const FRANCHISE_CAPTIONS[FRANCHISE_CODES] = {
    "Kelvo Rating", "Super Bowl Wins", "Conference Championships", "Playoff Appearances", "Fan Loyalty",
    "Attendance (per Game)", "Ticket Price", "", "Total Payroll", "Average Age",
    "Average Contract Length", "Revenue (YTD)", "Expenses (YTD)", "Profit (YTD)", "Franchise Value",
    "Cash", "", "Salary Cap Room", "Medical Staff Rating", "Scouting Staff Rating",
    "Kelvo Rating Bonus", "Broadcast Revenue", "Concessions Revenue", "Revenue (Projected)", "Quarterbacks",
    "Running Backs", "Tight Ends", "Wide Receivers", "Offensive Line", "Defensive Line",
    "Linebackers", "Cornerbacks", "Safeties", "Return Teams", "Kicking",
    "Punting", "Expenses (Projected)", "Profit (Projected)", "Average Signing Bonus", "Ticket Revenue (YTD)",
    "Medical Budget", "Scouting Budget", "Attendance (YTD)", "Road Attendance (YTD)", "Overhead (YTD)",
    "Road Attendance (per Game)", "Power Rank", "Offense (Overall)", "Defense (Overall)", "Overall",
};

const char* const GAME_STAT_CAPTIONS[GAME_STAT_CODES] = {
    "Offense (Total Yards)", "Defense (Yards Allowed)", "Passing Yards", "Rushing Yards",
    "Passing Yards Allowed", "Rush Yards Allowed", "Turnovers", "Takeaways",
    "Turnover +/-", "Time of Possession", "Yards / Play", "Yards / Play Allowed",
    "Third Down Conversion", "Fourth Down Conversion", "Sacks", "Sacks Allowed",
    "Red Zone Scoring", "Red Zone Touchdowns", "Point Spread", "Over/Under",
};

std::string One_Line(std::string Text)
{
    for (char& c : Text)
        if (c == '\n')
            c = ' ';
    return Text;
}

}  // namespace

int Get_Page_Stat_Choice(int nSlot, int nCount)
{
    const int n = Get_User_Preference(nSlot);
    return n >= 0 && n < nCount ? n : 0;
}

// ---------------------------------------------------------------------------
// Leader headings

std::string Get_Leader_Heading_Caption(int nCode)
{
    char sz[TEXT_BUFFER_SIZE];
    Get_Player_Stat_Caption(sz, nCode);
    return sz;
}

std::string Format_Leader_Heading_Value(int nCode, int nValue)
{
    switch (nCode) {
    case LEADER_COMPLETION_PERCENT:
    case LEADER_CATCH_RATE:
    case LEADER_FIELD_GOAL_PERCENT:
        return Tenths_Text(nValue) + "%";
    case LEADER_YARDS_PER_ATTEMPT:
    case LEADER_YARDS_PER_RUSH: {
        char sz[32];
        std::snprintf(sz, sizeof(sz), "%d.%02d", nValue / 100, std::abs(nValue % 100));
        return sz;
    }
    case LEADER_QUARTERBACK_RATING:
    case LEADER_PASSING_PER_GAME:
    case LEADER_KICK_RETURN_AVERAGE:
    case LEADER_YARDS_PER_RECEPTION:
    case LEADER_PUNT_RETURN_AVERAGE:
    case LEADER_PUNT_AVERAGE:
        return Tenths_Text(nValue);
    case LEADER_SACKS:
        return Format_Sacks(nValue);
    case LEADER_CAP_IMPACT:
        return Money_Text(static_cast<long long>(nValue) * 1000);
    default:
        return Format_Thousands(nValue);
    }
}

// ---------------------------------------------------------------------------
// Team statistics

std::string Get_Team_Stat_Column_Caption(int nCode)
{
    char sz[TEXT_BUFFER_SIZE];
    Get_Standings_Caption(sz, nCode);
    return One_Line(sz);
}

std::string Format_Team_Stat_Column(int nTeam, int nCode)
{
    // A club erased since its season was played keeps what that season's
    // games and records give; what its roster gave went with its players.
    if (!Is_Club_Of_Season(nTeam) || nCode < 0 || nCode >= TEAM_STAT_CODES)
        return NOT_KEPT;
    if (!Is_Team_Slot_Used(nTeam) && Is_Roster_Figure(nCode))
        return NOT_KEPT;
    char sz[TEXT_BUFFER_SIZE];
    switch (nCode) {
    case 0:
    case 1:
        Format_Team_Recent_Record(sz, nTeam, nCode == 0 ? 3 : 5);
        return sz;
    case 2: {
        const int nWon = Get_Team_Winning_Streak(nTeam);
        const int nLost = Get_Team_Losing_Streak(nTeam);
        return nWon > 0 ? "W" + std::to_string(nWon) : nLost > 0 ? "L" + std::to_string(nLost) : NOT_KEPT;
    }
    case 3:
        return Record_Text(Get_Team_Home_Wins(nTeam), Get_Team_Home_Losses(nTeam), Get_Team_Home_Ties(nTeam));
    case 4:
        return Record_Text(Get_Team_Away_Wins(nTeam), Get_Team_Away_Losses(nTeam), Get_Team_Away_Ties(nTeam));
    case 5:
    case 6: {
        const int nFilter = nCode == 5 ? RESULTS_AGAINST_DIVISION : RESULTS_AGAINST_LEAGUE;
        if (Count_Records_Of_Shown_Season() == 0)
            return Record_Text(0, 0, 0);
        return Record_Text(Count_Team_Results(nTeam, RESULT_WINS, nFilter),
                           Count_Team_Results(nTeam, RESULT_LOSSES, nFilter),
                           Count_Team_Results(nTeam, RESULT_TIES, nFilter));
    }
    case 18:
    case 19:
    case 20:
    case 21:
    case 22:
    case 23:
        return Rank_Text(Season_Rank(nTeam, nCode));
    case 34:
        return std::to_string(Sum_Player_Stat(nTeam, STAT_INTERCEPTIONS));
    case 35:
        return std::to_string(Sum_Player_Stat(nTeam, STAT_FUMBLES_FORCED));
    case 36:
        return std::to_string(Sum_Player_Stat(nTeam, STAT_PASSES_DEFENSED));
    case 40:
    case 41:
    case 42:
    case 43:
    case 44:
        return std::to_string(Get_Team_Strength_By_Code(nTeam, nCode));
    case 45:
        return Group_Average(nTeam, {POSITION_T, POSITION_G, POSITION_C});
    case 46:
        return Group_Average(nTeam, {POSITION_T, POSITION_G, POSITION_C}, RATING_RUN_BLOCKING);
    case 47:
        return Group_Average(nTeam, {POSITION_T, POSITION_G, POSITION_C}, RATING_PASS_BLOCKING);
    default:
        break;
    }
    const SEASON_SUMS S = Sum_Season(nTeam);
    const long long nRunPlays = S.nOwn[GAME_TOTAL_RUSHES];
    const long long nPassPlays = S.nOwn[GAME_TOTAL_PASS_ATTEMPTS];
    switch (nCode) {
    case 7: return std::to_string(S.nPointsFor);
    case 8: return std::to_string(S.nPointsAgainst);
    case 9: return Per_Game(Own_Yards(S), S.nGames);
    case 10: return Per_Game(Other_Yards(S), S.nGames);
    case 11: return Per_Game(S.nOwn[GAME_TOTAL_PASSING_YARDS], S.nGames);
    case 12: return Per_Game(S.nOwn[GAME_TOTAL_RUSHING_YARDS], S.nGames);
    case 13: return Per_Game(S.nOther[GAME_TOTAL_PASSING_YARDS], S.nGames);
    case 14: return Per_Game(S.nOther[GAME_TOTAL_RUSHING_YARDS], S.nGames);
    case 15: return std::to_string(S.nOwn[GAME_TOTAL_TURNOVERS]);
    case 16: return std::to_string(S.nOther[GAME_TOTAL_TURNOVERS]);
    case 17: {
        const long long n = S.nOther[GAME_TOTAL_TURNOVERS] - S.nOwn[GAME_TOTAL_TURNOVERS];
        return (n > 0 ? "+" : "") + std::to_string(n);
    }
    case 24: return Per_Game(Own_Yards(S), nRunPlays + nPassPlays);
    case 25: return Percent_Of(S.nOwn[GAME_TOTAL_THIRD_DOWN_CONVERSIONS], S.nOwn[GAME_TOTAL_THIRD_DOWN_TRIES]);
    case 26: return Per_Game(S.nOwn[GAME_TOTAL_SACKS_MADE], S.nGames);
    case 27: return Per_Game(S.nOther[GAME_TOTAL_SACKS_MADE], S.nGames);
    case 28: return Per_Game(nRunPlays, S.nGames);
    case 29: return Per_Game(nPassPlays, S.nGames);
    case 30: return Per_Game(S.nOwn[GAME_TOTAL_RUSHING_YARDS], nRunPlays);
    case 31: return Per_Game(S.nOwn[GAME_TOTAL_PASSING_YARDS], nPassPlays);
    case 32: return Per_Game(nRunPlays + nPassPlays, S.nGames);
    case 33: return Percent_Of(S.nOwn[GAME_TOTAL_COMPLETIONS], nPassPlays);
    case 37: return Percent_Of(S.nOwn[GAME_TOTAL_FOURTH_DOWN_CONVERSIONS], S.nOwn[GAME_TOTAL_FOURTH_DOWN_TRIES]);
    case 38: return S.nGames > 0 ? Clock_Text(S.nOwn[GAME_TOTAL_POSSESSION_SECONDS] / S.nGames) : "0:00";
    default: return NOT_KEPT;
    }
}

// ---------------------------------------------------------------------------
// Franchise and roster measures

std::string Get_Franchise_Measure_Caption(int nCode)
{
    if (nCode < 0 || nCode >= FRANCHISE_CODES)
        return "";
    if (nCode == 17 && Get_Universe_Stat(SALARY_CAP) == 0)
        return "Salary Budget";
    return FRANCHISE_CAPTIONS[nCode];
}

std::string Format_Franchise_Measure(int nTeam, int nCode)
{
    if (!Is_Team_Slot_Used(nTeam) || nCode < 0 || nCode >= FRANCHISE_CODES)
        return NOT_KEPT;
    switch (nCode) {
    case 1: return std::to_string(Count_Finishes(nTeam, 8));
    case 2: return std::to_string(Count_Finishes(nTeam, 7));
    case 3: return std::to_string(Count_Finishes(nTeam, 4));
    case 4: return Tenths_Text(Get_Team_Financial_Stat(nTeam, FINANCE_LOYALTY)) + "%";
    case 5: return Format_Thousands(Get_Team_Financial_Stat(nTeam, FINANCE_AVERAGE_ATTENDANCE));
    case 6: {
        const int nCents = Get_Team_Financial_Stat(nTeam, FINANCE_TICKET_PRICE);
        char sz[32];
        std::snprintf(sz, sizeof(sz), "$%d.%02d", nCents / 100, std::abs(nCents % 100));
        return sz;
    }
    case 8: return Money_Text(static_cast<long long>(Get_Team_Financial_Stat(nTeam, FINANCE_PAYROLL)) * 1000);
    case 9: return Tenths_Text(Get_Team_Financial_Stat(nTeam, FINANCE_AVERAGE_AGE));
    case 10: return Finance(nTeam, FINANCE_AVERAGE_CONTRACT);
    case 11: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_REVENUE));
    case 12: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_EXPENSES));
    case 13: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_PROFIT));
    case 14:
        return Money_Text(static_cast<long long>(Get_Team_Financial_Stat(nTeam, FINANCE_FRANCHISE_VALUE)) * 1000);
    case 15: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_CASH));
    case 17: return Money_Text(static_cast<long long>(Get_Team_Financial_Stat(nTeam, FINANCE_CAP_ROOM)) * 1000);
    case 18: return Finance(nTeam, FINANCE_MEDICAL_LEVEL);
    case 19: return Finance(nTeam, FINANCE_SCOUTING_LEVEL);
    case 20: return Finance(nTeam, FINANCE_BONUS_POINTS);
    case 21: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_BROADCAST));
    case 22: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_CONCESSIONS));
    case 23: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_PROJECTED_REVENUE));
    case 24: return Group_Average(nTeam, {POSITION_QB});
    case 25: return Group_Average(nTeam, {POSITION_RB, POSITION_FB});
    case 26: return Group_Average(nTeam, {POSITION_TE});
    case 27: return Group_Average(nTeam, {POSITION_WR});
    case 28: return Group_Average(nTeam, {POSITION_T, POSITION_G, POSITION_C});
    case 29: return Group_Average(nTeam, {POSITION_DE, POSITION_DT});
    case 30: return Group_Average(nTeam, {POSITION_LB});
    case 31: return Group_Average(nTeam, {POSITION_CB});
    case 32: return Group_Average(nTeam, {POSITION_S});
    case 33: return std::to_string(Get_Team_Strength_By_Code(nTeam, TEAM_RATING_SPECIAL_TEAMS));
    case 34: return Group_Average(nTeam, {POSITION_K});
    case 35: return Group_Average(nTeam, {POSITION_P});
    case 36: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_PROJECTED_EXPENSES));
    case 37: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_PROJECTED_PROFIT));
    case 38: return Money_Text(static_cast<long long>(Get_Team_Financial_Stat(nTeam, FINANCE_AVERAGE_BONUS)) * 1000);
    case 39: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_TICKETS));
    case 40: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_MEDICAL_SEASON_BUDGET));
    case 41: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_SCOUTING_SEASON_BUDGET));
    case 42: return Format_Thousands(Get_Team_Financial_Stat(nTeam, FINANCE_HOME_ATTENDANCE));
    case 43: return Format_Thousands(Get_Team_Financial_Stat(nTeam, FINANCE_ROAD_ATTENDANCE));
    case 44: return Money_Text(Get_Team_Financial_Stat(nTeam, FINANCE_OVERHEAD));
    case 45: return Format_Thousands(Get_Team_Financial_Stat(nTeam, FINANCE_AVERAGE_ROAD_ATTENDANCE));
    case 46: return Rank_Text(Get_Team_Power_Rank(nTeam));
    case 47: return Rank_Text(Get_Team_Offense_Rank(nTeam));
    case 48: return Rank_Text(Get_Team_Defense_Rank(nTeam));
    case 49: return std::to_string(Get_Team_Power_Score(nTeam));
    default: return NOT_KEPT;
    }
}

// ---------------------------------------------------------------------------
// Game statistics

std::string Get_Game_Stat_Caption(int nCode)
{
    return nCode >= 0 && nCode < GAME_STAT_CODES ? GAME_STAT_CAPTIONS[nCode] : "";
}

bool Is_Game_Wide_Stat(int nCode)
{
    return nCode == 18 || nCode == 19;
}

std::string Format_Game_Stat(const GAME& Game, int nSide, int nCode)
{
    if (nSide < 0 || nSide > 1 || nCode < 0 || nCode >= GAME_STAT_CODES)
        return NOT_KEPT;
    const uint16_t* pOwn = Game.nTeamTotal[nSide];
    const uint16_t* pOther = Game.nTeamTotal[1 - nSide];
    const long long nOwnYards = pOwn[GAME_TOTAL_RUSHING_YARDS] + pOwn[GAME_TOTAL_PASSING_YARDS];
    const long long nOtherYards = pOther[GAME_TOTAL_RUSHING_YARDS] + pOther[GAME_TOTAL_PASSING_YARDS];
    switch (nCode) {
    case 0: return std::to_string(nOwnYards);
    case 1: return std::to_string(nOtherYards);
    case 2: return std::to_string(pOwn[GAME_TOTAL_PASSING_YARDS]);
    case 3: return std::to_string(pOwn[GAME_TOTAL_RUSHING_YARDS]);
    case 4: return std::to_string(pOther[GAME_TOTAL_PASSING_YARDS]);
    case 5: return std::to_string(pOther[GAME_TOTAL_RUSHING_YARDS]);
    case 6: return std::to_string(pOwn[GAME_TOTAL_TURNOVERS]);
    case 7: return std::to_string(pOther[GAME_TOTAL_TURNOVERS]);
    case 8: {
        const int n = pOther[GAME_TOTAL_TURNOVERS] - pOwn[GAME_TOTAL_TURNOVERS];
        return (n > 0 ? "+" : "") + std::to_string(n);
    }
    case 9: return Clock_Text(pOwn[GAME_TOTAL_POSSESSION_SECONDS]);
    case 10: return Per_Game(nOwnYards, pOwn[GAME_TOTAL_RUSHES] + pOwn[GAME_TOTAL_PASS_ATTEMPTS]);
    case 11: return Per_Game(nOtherYards, pOther[GAME_TOTAL_RUSHES] + pOther[GAME_TOTAL_PASS_ATTEMPTS]);
    case 12:
        return std::to_string(pOwn[GAME_TOTAL_THIRD_DOWN_CONVERSIONS]) + "/" +
               std::to_string(pOwn[GAME_TOTAL_THIRD_DOWN_TRIES]);
    case 13:
        return std::to_string(pOwn[GAME_TOTAL_FOURTH_DOWN_CONVERSIONS]) + "/" +
               std::to_string(pOwn[GAME_TOTAL_FOURTH_DOWN_TRIES]);
    case 14: return std::to_string(pOwn[GAME_TOTAL_SACKS_MADE]);
    case 15: return std::to_string(pOther[GAME_TOTAL_SACKS_MADE]);
    case 18: {
        // Kept in tenths of a point plus 1,000.
        const int nTenths = static_cast<int>(Game.nPointSpread) - 1000;
        return (nTenths > 0 ? "+" : "") + Tenths_Text(nTenths);
    }
    case 19: return Tenths_Text(static_cast<int>(Game.nOverUnder) - 1000);
    default: return NOT_KEPT;
    }
}

// ---------------------------------------------------------------------------
// Headings

PAGE_STAT_HEADING Find_Page_Stat_Heading(int nPage, int x, int y, const CANVAS_RECT& rcArea)
{
    PAGE_STAT_HEADING None;
    if (rcArea.Is_Empty() || x < rcArea.left || y < rcArea.top || x >= rcArea.right || y >= rcArea.bottom)
        return None;
    // The page is painted scaled to the area (page_paint.h): back to design units.
    const int xDesign = static_cast<int>(static_cast<long long>(x - rcArea.left) * PAGE_DESIGN_WIDTH / rcArea.Width());
    const int yDesign = static_cast<int>(static_cast<long long>(y - rcArea.top) * PAGE_DESIGN_HEIGHT / rcArea.Height());
    const PAGE_LAYOUT Layout = Layout_Main_Page(nPage);
    for (const PAGE_STAT_HEADING& Heading : Layout.StatHeadings)
        if (xDesign >= Heading.Box.nLeft && xDesign < Heading.Box.nRight && yDesign >= Heading.Box.nTop &&
            yDesign < Heading.Box.nBottom)
            return Heading;
    return None;
}

PAGE_STAT_HEADING Get_First_Page_Stat_Heading(int nPage)
{
    const PAGE_LAYOUT Layout = Layout_Main_Page(nPage);
    return Layout.StatHeadings.empty() ? PAGE_STAT_HEADING{} : Layout.StatHeadings.front();
}

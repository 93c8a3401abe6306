#include "league/column_captions.h"

#include <cstring>
#include <iterator>

#include "base/text_utils.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"

namespace {

constexpr const char* TEAM_STAT_CAPTIONS[] = {
    "Total\nYards", "Yards\nAllowed", "Passing\nYards", "Rushing\nYards", "Pass\nDefense",
    "Rush\nDefense", "Turnovers", "Takeaways", "Turnover\n+/-", "Time of\nPossession",
    "Yards/Play", "Yards/Play\nAllowed", "Third\nDown", "Fourth\nDown", "Sacks",
    "Sacks\nAllowed", "Red Zone\nScoring", "Red Zone\nTouchdowns", "Point\nSpread", "Over/Under",
};
static_assert(std::size(TEAM_STAT_CAPTIONS) == 20);

constexpr const char* PLAYER_STAT_CAPTIONS[] = {
    "Passing Attempts", "Completions", "Pass Yards", "Completion %", "Pass TDs",
    "Yards/Attempt", "QB Rating", "Passing/Game", "Kick Return Avg.", "Kick Return TDs",
    "Rushes", "Rush Yards", "Rushing TDs", "Yards/Rush", "Receptions",
    "Receiving Yards", "Receiving TDs", "Yards/Recept", "Catch Rate", "Punt Return Avg.",
    "Punt Return TDs", "Tackles (Solo + Asst)", "Passes Defended", "Fumbles Forced", "Sacks",
    "Interceptions", "Field Goals", "Field Goal %", "Punt Average", "Cap Impact",
};
static_assert(std::size(PLAYER_STAT_CAPTIONS) == 30);

constexpr int TEAM_INFO_TITLES = 2;
constexpr int TEAM_INFO_CAP_ROOM = 17;
// Code 2 is formatted with the league's name; its entry here is never shown.
constexpr const char* TEAM_INFO_CAPTIONS[] = {
    "Rating", "SB Wins", "%s Titles", "Playoffs", "Loyalty",
    "Attendance", "Ticket Price", "Avg. Salary", "Payroll", "Avg. Age",
    "Contract", "Revenue", "Expenses", "Profit", "Franchise",
    "Cash", "Liquidity", "Cap Room", "Medical", "Scouting",
    "Bonus", "Broadcast", "Concessions", "Proj. Revenue", "Quarterbacks",
    "Running Backs", "Tight Ends", "Receivers", "Off. Line", "Def. Line",
    "Linebackers", "Cornerbacks", "Safeties", "Return Teams", "Kickers",
    "Punters", "Proj. Expenses", "Proj. Profit", "Avg. Bonus", "Tickets",
    "Medical Budget", "Scouting Budget", "Attendance", "Road Attendance", "Overhead",
    "Road Attendance", "Power Rank", "Offense", "Defense", "Overall",
};
static_assert(std::size(TEAM_INFO_CAPTIONS) == 50);

constexpr const char* STANDINGS_CAPTIONS[] = {
    "Last 3", "Last 5", "Streak", "Home Record", "Away Record",
    "Div. Record", "Conf. Record", "Points Scored", "Points Allowed", "Total Yards",
    "Yards Allowed", "Passing / Game", "Rushing / Game", "Pass Allowed", "Rush Allowed",
    "Turnovers", "Takeaways", "Turnover\n+/-", "Offense Rank", "Defense Rank",
    "Passing Rank", "Rushing Rank", "Pass Def. Rank", "Rush Def. Rank", "Yards / Play",
    "Third Down", "Sacks / Game", "Sacked / Game", "Rushes / Game", "Passes / Game",
    "Yards / Rush", "Yards / Pass", "Plays / Game", "Completion %", "Interceptions",
    "Fum. Forced", "Knockdowns", "Fourth Down", "Possession", "Record (vs. Spread)",
    "Running Game", "Passing Game", "Run Defense", "Pass Defense", "Special Teams",
    "Offensive Line", "Rush Blocking", "Pass Blocking",
};
static_assert(std::size(STANDINGS_CAPTIONS) == 48);

template <size_t N>
void Put_Caption(char* szBuffer, size_t nSize, const char* const (&Table)[N], int n)
{
    if (szBuffer == nullptr)
        return;
    Put_Text(szBuffer, nSize, n >= 0 && static_cast<size_t>(n) < N ? Table[n] : "");
}

}  // namespace

void Get_Team_Stat_Caption(char* szBuffer, size_t nSize, int n)
{
    Put_Caption(szBuffer, nSize, TEAM_STAT_CAPTIONS, n);
}

void Get_Player_Stat_Caption(char* szBuffer, size_t nSize, int n)
{
    Put_Caption(szBuffer, nSize, PLAYER_STAT_CAPTIONS, n);
}

void Get_Team_Info_Caption(char* szBuffer, size_t nSize, int n)
{
    if (szBuffer == nullptr)
        return;
    if (n == TEAM_INFO_TITLES) {
        // The user's league; "no league" (-1) names none, and a value above
        // the two leagues is reported by the name lookup itself.
        char szLeague[LEAGUE_NAME_SIZE + 1] = "";
        const int nLeague = League.Preferences.nInt[PREF_USER_LEAGUE];
        if (nLeague >= 0)
            Get_League_Name(nLeague, szLeague);
        Put_Text(szBuffer, nSize, std::string(szLeague) + " Titles");
        return;
    }
    if (n == TEAM_INFO_CAP_ROOM && League.Universe.nStat[SALARY_CAP] == 0) {
        Put_Text(szBuffer, nSize, "Payroll Budget");
        return;
    }
    Put_Caption(szBuffer, nSize, TEAM_INFO_CAPTIONS, n);
}

void Get_Standings_Caption(char* szBuffer, size_t nSize, int n)
{
    Put_Caption(szBuffer, nSize, STANDINGS_CAPTIONS, n);
}

// The news of the day: the last day's results and the season's leaders, as
// the news bar's ticker and the front page tell them.
#pragma once

#include <string>
#include <vector>

struct DAY_RESULT {
    int nAway = 0;
    int nHome = 0;
    int nAwayScore = 0;
    int nHomeScore = 0;
    bool bOvertime = false;
};

// The finished games of the last day that has any, in game order; *pnWeek
// (when not null) receives that day, -1 when no game is over.
std::vector<DAY_RESULT> Get_Last_Day_Results(int* pnWeek = nullptr);

struct SEASON_LEADER {
    const char* szCaption = "";   // "Passing yards" ...
    int nLeaderStat = 0;
    int nTeam = 0;
    int nSlot = 0;
    int nValue = 0;
};

// This season's leader of each statistic the news follows (passing,
// rushing and receiving yards, sacks, interceptions) among the clubs'
// players: the largest value above 0; on equal values the earlier club and
// roster slot. A statistic nobody has yet is left out.
std::vector<SEASON_LEADER> Get_Season_Leaders();

// "Buffalo Frost 24, Miami Sharks 17 (OT)": the winner first.
std::string Format_Day_Result(const DAY_RESULT& Result);
// "Passing yards: Pat Quinn (BUF) 1,024".
std::string Format_Season_Leader(const SEASON_LEADER& Leader);
// A leader's figure as the box scores print it: sacks with one decimal
// (they are kept in halves), every other figure whole, with thousands
// separated.
std::string Format_Season_Leader_Value(const SEASON_LEADER& Leader);
// "1,024" (thousands separated).
std::string Format_Thousands(int n);

// The ticker's text: "<Week> results: " and the results joined by
// NEWS_SEPARATOR, then "Leaders: " and the leaders the same way; a quiet
// line when there is neither.
constexpr const char* NEWS_SEPARATOR = "   |   ";
std::string Build_News_Ticker_Text();

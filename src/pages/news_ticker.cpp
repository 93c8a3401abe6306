#include "pages/news_ticker.h"

#include <cstdio>
#include <cstdlib>

#include "league/game_record.h"
#include "league/leader_tables.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/sack_text.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/page_layout.h"

namespace {

// A game whose clock passed four quarters went to overtime.
constexpr int REGULATION_SECONDS = 3600;

struct FOLLOWED_STAT {
    int nLeaderStat;
    const char* szCaption;
};
const FOLLOWED_STAT FOLLOWED[] = {
    {LEADER_PASSING_YARDS, "Passing yards"},
    {LEADER_RUSH_YARDS, "Rushing yards"},
    {LEADER_RECEIVING_YARDS, "Receiving yards"},
    {LEADER_SACKS, "Sacks"},
    {LEADER_INTERCEPTIONS, "Interceptions"},
};

}  // namespace

std::vector<DAY_RESULT> Get_Last_Day_Results(int* pnWeek)
{
    std::vector<DAY_RESULT> Results;
    if (pnWeek != nullptr)
        *pnWeek = -1;
    const int nCurrent = Get_Current_Week();
    const int nLast = nCurrent >= SCHEDULE_WEEKS ? SCHEDULE_WEEKS - 1 : nCurrent;
    for (int w = nLast; w >= 0 && Results.empty(); --w) {
        const int nFirst = Get_Week_First_Game_Index(w);
        const size_t nCount = static_cast<size_t>(Count_Week_Games(w));
        const size_t nBefore = Results.size();
        for (int g = nFirst; g >= 0 && g < NUMBER_OF_GAMES && Results.size() - nBefore < nCount; ++g) {
            const GAME* pGame = Get_Game_Record(g);
            if (pGame == nullptr || pGame->nWeek != w || !Is_Game_Record_Final(g) ||
                !Is_Club_Of_Season(pGame->nAwayTeam) || !Is_Club_Of_Season(pGame->nHomeTeam))
                continue;
            DAY_RESULT Result;
            Result.nAway = pGame->nAwayTeam;
            Result.nHome = pGame->nHomeTeam;
            Result.nAwayScore = pGame->nScore[0];
            Result.nHomeScore = pGame->nScore[1];
            Result.bOvertime = pGame->nClock > REGULATION_SECONDS;
            Results.push_back(Result);
        }
        if (!Results.empty() && pnWeek != nullptr)
            *pnWeek = w;
    }
    return Results;
}

std::vector<SEASON_LEADER> Get_Season_Leaders()
{
    std::vector<SEASON_LEADER> Leaders;
    for (const FOLLOWED_STAT& Stat : FOLLOWED) {
        SEASON_LEADER Best;
        Best.szCaption = Stat.szCaption;
        Best.nLeaderStat = Stat.nLeaderStat;
        for (int t = 0; t < Count_Teams(); ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                if (!Is_Player_Slot_Used(t, s))
                    continue;
                const int nValue = Get_Player_Leader_Stat(t, s, Stat.nLeaderStat, LEADER_PERIOD_THIS_SEASON);
                if (nValue > Best.nValue) {
                    Best.nValue = nValue;
                    Best.nTeam = t;
                    Best.nSlot = s;
                }
            }
        if (Best.nValue > 0)
            Leaders.push_back(Best);
    }
    return Leaders;
}

std::string Format_Thousands(int n)
{
    const bool bNegative = n < 0;
    std::string Digits = std::to_string(bNegative ? -static_cast<long long>(n) : static_cast<long long>(n));
    for (int i = static_cast<int>(Digits.size()) - 3; i > 0; i -= 3)
        Digits.insert(static_cast<size_t>(i), ",");
    return bNegative ? "-" + Digits : Digits;
}

std::string Format_Day_Result(const DAY_RESULT& Result)
{
    const bool bHomeFirst = Result.nHomeScore > Result.nAwayScore;
    const int nFirst = bHomeFirst ? Result.nHome : Result.nAway;
    const int nSecond = bHomeFirst ? Result.nAway : Result.nHome;
    const int nFirstScore = bHomeFirst ? Result.nHomeScore : Result.nAwayScore;
    const int nSecondScore = bHomeFirst ? Result.nAwayScore : Result.nHomeScore;
    std::string Text = Page_Team_Name(nFirst) + " " + std::to_string(nFirstScore) + ", " + Page_Team_Name(nSecond) +
                       " " + std::to_string(nSecondScore);
    if (Result.bOvertime)
        Text += " (OT)";
    return Text;
}

std::string Format_Season_Leader_Value(const SEASON_LEADER& Leader)
{
    if (Leader.nLeaderStat == LEADER_SACKS)
        return Format_Sacks(Leader.nValue);
    return Format_Thousands(Leader.nValue);
}

std::string Format_Season_Leader(const SEASON_LEADER& Leader)
{
    char szName[64];
    Get_Player_Full_Name(Leader.nTeam, Leader.nSlot, szName);
    return std::string(Leader.szCaption) + ": " + szName + " (" + Page_Team_Name(Leader.nTeam, true) + ") " +
           Format_Season_Leader_Value(Leader);
}

std::string Build_News_Ticker_Text()
{
    int nWeek = -1;
    const std::vector<DAY_RESULT> Results = Get_Last_Day_Results(&nWeek);
    const std::vector<SEASON_LEADER> Leaders = Get_Season_Leaders();
    std::string Text;
    if (!Results.empty()) {
        char szWeek[64];
        Get_Week_Name_Long(nWeek, szWeek);
        Text = std::string(szWeek) + " results: ";
        for (size_t i = 0; i < Results.size(); ++i)
            Text += (i > 0 ? NEWS_SEPARATOR : "") + Format_Day_Result(Results[i]);
    }
    if (!Leaders.empty()) {
        if (!Text.empty())
            Text += NEWS_SEPARATOR;
        Text += "Leaders: ";
        for (size_t i = 0; i < Leaders.size(); ++i)
            Text += (i > 0 ? NEWS_SEPARATOR : "") + Format_Season_Leader(Leaders[i]);
    }
    if (Text.empty())
        Text = "No games played yet this season.";
    return Text;
}

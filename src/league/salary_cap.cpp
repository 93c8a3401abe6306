// The salary cap by season year, the inflation factor and the rules that
// change with the season year.
#include "league/salary_cap.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "league/inflation.h"
#include "base/int_math.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "base/random.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finances.h"
#include "base/text_utils.h"
#include "platform/errors.h"
#include "platform/ui.h"

namespace {

// The cap of each season year 1994-2023, dollars.
constexpr int ANNUAL_CAP[] = {
    34600000,   // 1994
    37100000,   // 1995
    40777000,   // 1996
    41450000,   // 1997
    52388000,   // 1998
    58353000,   // 1999
    62172000,   // 2000
    67400000,   // 2001
    71100000,   // 2002
    75007000,   // 2003
    80582000,   // 2004
    85500000,   // 2005
    102000000,  // 2006
    109000000,  // 2007
    116000000,  // 2008
    128000000,  // 2009
    128000000,  // 2010
    120000000,  // 2011
    123000000,  // 2012
    123000000,  // 2013
    133000000,  // 2014
    143280000,  // 2015
    155270000,  // 2016
    167000000,  // 2017
    177200000,  // 2018
    188200000,  // 2019
    198200000,  // 2020
    182500000,  // 2021
    208200000,  // 2022
    224800000,  // 2023
};
static_assert(sizeof(ANNUAL_CAP) / sizeof(ANNUAL_CAP[0]) == LAST_TABLE_CAP_YEAR - FIRST_TABLE_CAP_YEAR + 1);

constexpr bool Table_Has_No_Zero()
{
    for (int nCap : ANNUAL_CAP)
        if (nCap == 0)
            return false;
    return true;
}
// Every year of the table has a cap, so the table is the answer for them all.
static_assert(Table_Has_No_Zero());

constexpr int CAP_REPORT_MINIMUM = 1000000;
constexpr int CAP_REPORT_MAXIMUM = 1000000000;
constexpr int CAP_YEARLY_RISE_PERCENT = 3;   // of the 2023 cap, per year from 2024
constexpr int CAP_RISE_YEARS = 30;           // the rise stops after this many years
constexpr int CAP_YEARLY_FALL = 96;          // per cent of the next year's cap, before 1994
// A search back further than this has long reached the amount at which the
// 4% cut rounds back to itself.
constexpr int CAP_SEARCH_LIMIT = 1000;

// Years at which the rules switch.
constexpr int YEAR_AMERICAN_LEAGUE_FINAL = 1966;
constexpr int YEAR_LEAGUE_EXCHANGE = 1970;
constexpr int YEAR_TWO_ROUND_DIVISIONS_END = 1990;

// x rounded to the nearest multiple of m (> 0), halves up.
int64_t Round_To_Multiple_Half_Up(int64_t x, int64_t m)
{
    int64_t nRemainder = (m / 2 + x) % m;
    if (nRemainder < 0)
        nRemainder += m;
    return x + m / 2 - nRemainder;
}

bool Is_Asking_User(int bAsk)
{
    return bAsk != 0 && Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) == 0;
}

}  // namespace

int Get_Year_Wild_Card_Teams(int nYear)
{
    if (nYear < 1970)
        return 0;
    if (nYear < 1978)
        return 1;
    if (nYear < 1990)
        return 2;
    if (nYear < 2002)
        return 3;
    if (nYear < 2020)
        return 2;
    return 3;
}

int Get_Regular_Season_Games(int nYear)
{
    if (nYear < 1961)
        return 12;
    if (nYear < 1978)
        return 14;
    if (nYear < 2021)
        return 16;
    return 17;
}

int Get_Season_Salary_Cap(int nYear)
{
    int nCap;
    if (nYear < FIRST_TABLE_CAP_YEAR) {
        // 4% less for every year back, rounded to the dollar each time. The
        // amount settles where the cut rounds back to itself, so the search
        // stops there: a damaged year cannot make it run for ages.
        int64_t nAmount = ANNUAL_CAP[0];
        int64_t nYearsBack = static_cast<int64_t>(FIRST_TABLE_CAP_YEAR) - nYear;
        for (int64_t i = 0; i < nYearsBack && i < CAP_SEARCH_LIMIT; i++) {
            int64_t nNext = Mul_Div_Rounded(static_cast<int>(nAmount), CAP_YEARLY_FALL, 100);
            if (nNext == nAmount)
                break;
            nAmount = nNext;
        }
        nCap = static_cast<int>(nAmount);
    } else if (nYear <= LAST_TABLE_CAP_YEAR) {
        nCap = ANNUAL_CAP[nYear - FIRST_TABLE_CAP_YEAR];
    } else {
        int64_t nYears = std::min<int64_t>(static_cast<int64_t>(nYear) - LAST_TABLE_CAP_YEAR, CAP_RISE_YEARS);
        nCap = Mul_Div_Rounded(BASE_SALARY_CAP, 100 + CAP_YEARLY_RISE_PERCENT * static_cast<int>(nYears), 100);
    }
    if (nCap < CAP_REPORT_MINIMUM || nCap > CAP_REPORT_MAXIMUM)
        Report_Error("%s(%d) returned %d", __func__, nYear, nCap);
    return nCap;
}

void Update_Inflation_Factor()
{
    int64_t nCap = League.Universe.nStat[SALARY_CAP];
    if (nCap == 0)
        nCap = Get_Season_Salary_Cap(Get_Current_Year());
    // Half of the base added first: rounded to the nearest per mille.
    int64_t nFactor = (nCap + BASE_SALARY_CAP / 2000) * 1000 / BASE_SALARY_CAP;
    Set_Universe_Stat(INFLATION_FACTOR, Clamp_To_Int(nFactor));
}

void Update_Salary_Cap(int bAsk)
{
    int nYear = Get_Current_Year();
    int64_t nOld = League.Universe.nStat[SALARY_CAP];
    int64_t nNew = nYear >= FIRST_TABLE_CAP_YEAR ? Get_Season_Salary_Cap(nYear) : 0;
    int64_t nDiff = nNew - nOld;
    // A rise of less than double is damped by how well the league's clubs do.
    if (nOld < nNew && nNew < 2 * nOld) {
        nDiff = Mul_Div_Rounded(Clamp_To_Int(nDiff), Get_Cached_Finance_Index(), 1000);
        nNew = nOld + nDiff;
    }
    int64_t nStep = 1000 * static_cast<int64_t>(Get_Price_Step(League.Universe.nStat[INFLATION_FACTOR]));
    nNew = Round_To_Multiple_Half_Up(nNew, nStep);

    // The cap only rises, by at least 2%, and a league without one gets none.
    if (nNew == 0 || nOld == 0 || nDiff < 0 || nDiff < nOld / 50 || nNew <= nOld)
        return;
    int nNewCap = Clamp_To_Int(nNew);
    if (Is_Asking_User(bAsk)) {
        char szOld[TEXT_BUFFER_SIZE];
        char szNew[TEXT_BUFFER_SIZE];
        Format_Number_With_Commas(static_cast<int>(nOld), szOld);
        Format_Number_With_Commas(nNewCap, szNew);
        std::string Text = std::string("The league would like to change the salary cap from $") + szOld + " to $" +
                           szNew + ".";
        if (Show_Message_Box(Text.c_str(), "Salary Cap", BOX_OKCANCEL) != ID_OK)
            return;
    }
    Set_Universe_Stat(SALARY_CAP, nNewCap);
}

void Update_Games_Per_Season(int bAsk)
{
    int nOld = Get_Games_Per_Season();
    int nNew = Get_Regular_Season_Games(Get_Current_Year());
    // As the League Editor allows it: the 17-game season is for a league of
    // 32 clubs only; any other league keeps 16.
    if (nNew == SEVENTEEN_GAME_SEASON && Count_Teams() != SEVENTEEN_GAME_LEAGUE_CLUBS)
        nNew = SEVENTEEN_GAME_SEASON - 1;
    if (nNew != nOld && Is_Asking_User(bAsk)) {
        char szText[TEXT_BUFFER_SIZE];
        std::snprintf(szText, sizeof(szText), "The league would like to change the regular season from %d games to %d games.",
                      nOld, nNew);
        if (Show_Message_Box(szText, "Schedule Change", BOX_OKCANCEL) != ID_OK)
            return;
    }
    Set_Universe_Stat(GAMES_PER_SEASON, nNew);
}

void Update_Wild_Card_Teams(int bAsk)
{
    int nOld = League.Universe.nStat[WILD_CARD_TEAMS];
    int nNew = Get_Year_Wild_Card_Teams(Get_Current_Year());
    if (nNew != nOld && Is_Asking_User(bAsk)) {
        char szText[TEXT_BUFFER_SIZE];
        std::snprintf(szText, sizeof(szText),
                      "The league would like to change the number of wild card teams (per conference) from %d to %d.",
                      nOld, nNew);
        if (Show_Message_Box(szText, "Playoff Format Change", BOX_OKCANCEL) != ID_OK)
            return;
    }
    Set_Universe_Stat(WILD_CARD_TEAMS, nNew);
}

void Update_Overtime_Period_Rule()
{
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, Get_Current_Year() < 2017 ? 15 : 10);
}

void Update_Two_Point_Rule()
{
    Set_User_Preference(PREF_TWO_POINT_TRIES, Get_Current_Year() >= 1994 ? 1 : 0);
}

void Update_Overtime_Rules()
{
    int nYear = Get_Current_Year();
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME, nYear >= 1974 ? 1 : 0);
    Set_User_Preference(PREF_PLAYOFF_OVERTIME_RULE, nYear >= 2010 ? 3 : 2);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, nYear >= 2013 ? 1 : 0);
}

void Update_Kickoff_Spot_Rule()
{
    int nYear = Get_Current_Year();
    int nValue;
    if (nYear >= 1994 && nYear <= 2010)
        nValue = 0;
    else if (nYear >= 1974)
        nValue = 1;
    else
        nValue = 2;
    Set_User_Preference(PREF_KICKOFF_SPOT_RULE, nValue);
}

void Update_Missed_Field_Goal_Spot_Rule()
{
    int nYear = Get_Current_Year();
    int nValue;
    if (nYear < 1974)
        nValue = 2;
    else if (nYear < 1994)
        nValue = 1;
    else
        nValue = 0;
    Set_User_Preference(PREF_MISSED_FIELD_GOAL_SPOT_RULE, nValue);
}

void Apply_Season_Rule_Changes()
{
    int nYear = Get_Current_Year();
    int nFirstYear = League.Universe.nStat[FIRST_SEASON_YEAR];
    int nSeason = Get_User_Preference(PREF_SEASON_INDEX);

    if (nSeason == 0) {
        Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, nFirstYear >= YEAR_AMERICAN_LEAGUE_FINAL ? 1 : 0);
        Set_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD, nFirstYear < YEAR_TWO_ROUND_DIVISIONS_END ? 1 : 0);
    }
    if (nYear == YEAR_AMERICAN_LEAGUE_FINAL)
        Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
    if (nYear == YEAR_TWO_ROUND_DIVISIONS_END)
        Set_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD, 0);

    if (nSeason > 0) {
        Update_Salary_Cap(0);
        if (nYear == YEAR_LEAGUE_EXCHANGE)
            Swap_Leagues();
    }
    Update_Inflation_Factor();

    Update_Overtime_Rules();
    Update_Two_Point_Rule();
    Set_User_Preference(PREF_CONVERSION_SPOT_RULE, nYear >= 2015 ? 1 : 0);
    Update_Overtime_Period_Rule();
    Set_User_Preference(PREF_TOUCHBACK_TO_25, nYear >= 2016 ? 1 : 0);
    Update_Kickoff_Spot_Rule();
    Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, nYear < 1974 ? 1 : 0);
    Update_Missed_Field_Goal_Spot_Rule();

    Update_Games_Per_Season(0);
    Update_Wild_Card_Teams(0);

    // The first pass stores the index that the second one then confirms.
    Get_League_Finance_Index();
    Get_League_Finance_Index();
    Get_Per_Game_Base_Revenue();
}

void Reset_Team_Controllers()
{
    int nTeams = Count_Teams();
    for (int t = 0; t < MAX_FRANCHISES; t++)
        League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = t < nTeams ? CONTROLLER_COMPUTER : CONTROLLER_NOT_IN_USE;
    Count_Teams();
}

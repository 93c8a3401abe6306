// Field goals and extra points.

#include "engine/field_goals.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "base/random.h"
#include "engine/formations.h"
#include "engine/game_stats.h"
#include "engine/injury_services.h"
#include "engine/kicking.h"
#include "engine/narration.h"
#include "engine/game_clock.h"
#include "engine/weather.h"
#include "league/cities.h"
#include "league/league_norms.h"
#include "platform/errors.h"
#include "league/historical.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/standings_keys.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "schedule/season_progress.h"

namespace {

constexpr int HISTORICAL_FIELD_GOAL_PERCENT = 124;   // tenths of a per cent
constexpr int TALLY_DISTANCES = 100;
int g_nAttempts[TALLY_DISTANCES];
int g_nMade[TALLY_DISTANCES];

double Draw_Fraction()
{
    return Random_Word_To_Fraction(Generate_Random_Number());
}

int Offense_Side(const GAME* pGame)
{
    return pGame->nOffense == pGame->nHomeTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

void Stop_Clock(GAME* pGame)
{
    pGame->nDown = (pGame->nDown | GAME_DOWN_FLAG_CLOCK_STOPPED) & ~GAME_DOWN_FLAG_CLOCK_STOPPED_2;
}

void Set_Down_Code(GAME* pGame, int nCode)
{
    pGame->nDown = (pGame->nDown & ~GAME_DOWN_CODE_MASK) | static_cast<uint32_t>(nCode);
}

// The six playoff days follow the regular season week by week; the last of
// them is the final.
bool Is_Championship_Game(const GAME* pGame)
{
    return pGame->nWeek == Get_First_Playoff_Week() + 5;
}

// H(124): the league's field-goal percentage in tenths, this year and last.
int League_Field_Goal_Level()
{
    return Get_Current_Average_Stat(HISTORICAL_FIELD_GOAL_PERCENT);
}

}  // namespace

float Get_Kick_Weather_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    float w = 1.025f;
    if (pGame->nWindSpeed != -1) {
        switch (Get_Game_Weather_Condition(pGame)) {
        case WEATHER_FLURRIES: w = 0.975f; break;
        case WEATHER_MIXED: w = 1.0f; break;
        case WEATHER_RAIN: w = 0.95f; break;
        case WEATHER_SLEET:
        case WEATHER_SNOW:
        case WEATHER_STORMS: w = 0.9f; break;
        default: w = 1.025f; break;
        }
    }
    float F = Get_Wind_Factor(pGame) - 1.0f + w;
    if (!Is_Championship_Game(pGame) && pGame->nHomeTeam <= LAST_TEAM) {
        const int nCity = Get_Team_Stat(pGame->nHomeTeam, TEAM_STAT_CITY);
        F += static_cast<float>(Get_City_Stat(nCity, CITY_STAT_ALTITUDE) - 500) / 60000.0f;
    }
    return std::max(F, KICK_WEATHER_FACTOR_MIN);
}

double Get_Field_Goal_Curve(double x, double A, double Rm, int H)
{
    const double h = H / 10;
    const double S = h >= 80 ? 40.0 : std::max(25.0, (h + 70.0) / 150.0 * 40.0);
    const double a = (A - 70.0) / 1800.0 + 0.975;
    const double b = (A - 70.0) / 160.0 + 0.75;
    if (x < 20.0)
        return a;
    if (x < S) {
        const double t = (x - 20.0) / S;
        return (1.0 - t) * a + t * b;
    }
    if (x <= Rm && Rm > S) {
        const double t = (x - S) / (Rm - S);
        return (1.0 - t) * b + t * 0.65;
    }
    return 0.65 - (x - Rm) / 10.0;
}

double Get_Field_Goal_Drift(int H, int nNorm, int nWeek, int nProgressPerMille)
{
    if (nWeek < 3 || nNorm <= 20)
        return 1.0;
    const int n = nProgressPerMille > 900 ? 0 : (nWeek + 2) / 5;
    return std::pow(static_cast<double>(H) / nNorm, n);
}

// The league's kicking level: the norm the game days keep with the league,
// its default (80.0 per cent) while none is kept.
int Get_League_Kicking_Norm()
{
    return Get_League_Norm(LEAGUE_NORM_KICKING);
}

void Record_Longest_Kick(int nTeam, int nSlot, int nStat, int nDistance)
{
    const int nLine = Get_Player_Current_Season_Line(nTeam, nSlot);
    if (nLine >= 0 && nDistance > Get_Season_Line_Stat(nLine, nStat))
        Set_Season_Line_Stat(nLine, nStat, nDistance);
    for (int nPeriod : {STAT_PERIOD_THIS_SEASON, STAT_PERIOD_CAREER})
        if (nDistance > Get_Player_Stat(nTeam, nSlot, nPeriod, nStat))
            Set_Player_Stat(nTeam, nSlot, nPeriod, nStat, nDistance);
}

int Get_Field_Goal_Band_Stat(int nDistance)
{
    if (nDistance < 30)
        return STAT_FIELD_GOAL_ATTEMPTS_BAND_1;
    if (nDistance < 40)
        return STAT_FIELD_GOAL_ATTEMPTS_BAND_2;
    if (nDistance < 50)
        return STAT_FIELD_GOAL_ATTEMPTS_BAND_3;
    return STAT_FIELD_GOAL_ATTEMPTS_BAND_4;
}

void Run_Field_Goal(GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return;
    }
    const int bSide = Offense_Side(pGame);
    const int nTeam = pGame->nOffense;
    const int nKicker = pGame->nOnField[bSide][1];
    const int nKickerID = nTeam <= LAST_TEAM && nKicker < PLAYERS_PER_TEAM ? Get_Player_ID(nTeam, nKicker) : -1;
    PLAY& Play = pGame->CurrentPlay;

    Stop_Clock(pGame);
    pGame->nPlaySeconds = static_cast<int8_t>(5 + static_cast<int>(3.0 * Draw_Fraction()));

    const int k = pGame->nYardLine + (Get_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE) == 0 ? 17 : 7);
    const double x = k / static_cast<double>(Get_Kick_Weather_Factor(pGame));
    const bool bKicker = nTeam <= LAST_TEAM && nKicker < PLAYERS_PER_TEAM;
    const double A = bKicker ? std::max(Get_Player_Rating(nTeam, nKicker, RATING_FG_ACCURACY), 20.0f) : 20.0;
    const double Rm = bKicker ? Get_Kicker_Max_Distance(nTeam, nKicker) : 31.0;
    const int H = League_Field_Goal_Level();

    double p = Get_Field_Goal_Curve(x, A, Rm, H);
    p *= Get_Field_Goal_Drift(H, Get_League_Kicking_Norm(), Get_Current_Week(), Get_Season_Progress_Per_Mille());
    if (x > FIELD_GOAL_MAX_ADJUSTED_DISTANCE)
        p = 0.0;

    const int nBand = Get_Field_Goal_Band_Stat(k);
    if (bKicker)
        Credit_Game_Player_Stat(pGame, nTeam, nKicker, UNIT_KICKERS, nBand, 1);
    if (k >= 0 && k < TALLY_DISTANCES)
        ++g_nAttempts[k];

    Play.nPlayer1 = nKickerID;
    Play.nYard1 = static_cast<int8_t>(k);
    if (Draw_Fraction() < p) {
        Add_Team_Points(pGame, bSide, 3);
        Set_Play_Result(&Play, RESULT_FIELD_GOAL_GOOD);
        if (k >= 0 && k < TALLY_DISTANCES)
            ++g_nMade[k];
        if (bKicker) {
            Credit_Game_Player_Stat(pGame, nTeam, nKicker, UNIT_KICKERS, nBand + 1, 1);
            Record_Longest_Kick(nTeam, nKicker, STAT_LONGEST_FIELD_GOAL, k);
        }
    } else {
        Set_Play_Result(&Play, RESULT_FIELD_GOAL_MISSED);
        Change_Possession(pGame);
        const int nRule = Get_User_Preference(PREF_MISSED_FIELD_GOAL_SPOT_RULE);
        int nSpot = pGame->nYardLine;
        if (nRule == 0)
            nSpot -= 7;
        else if (nRule == 2)
            nSpot = 80;
        pGame->nYardLine = static_cast<int8_t>(std::min(nSpot, 80));
        Set_Down_Code(pGame, FURTHER_KICK_DOWN);
    }

    Draw_Game_Score_Box(pGame);
    Queue_Play_Commentary(pGame, NARRATE_FIELD_GOAL_UNIT, k, 0, 0, nKickerID, -1);
    Queue_Play_Commentary(pGame, NARRATE_KICK_SNAP, k, 0, 0, nKickerID, -1);
    Queue_Play_Commentary(pGame, NARRATE_KICK_UP, k, 0, 0, nKickerID, -1);
    Queue_Play_Commentary(pGame, NARRATE_KICK_RESULT, k, 0, 0, nKickerID, -1);
}

float Get_Extra_Point_Chance(GAME* pGame, int nTeam, int nSlot)
{
    float A = 20.0f;
    if (nTeam >= 0 && nTeam <= LAST_TEAM && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM)
        A = std::clamp(Get_Player_Rating(nTeam, nSlot, RATING_FG_ACCURACY), 20.0f, 95.0f);
    static constexpr float SLOPE[4] = {1.0f, 4.0f, 6.0f, 7.0f};
    static constexpr float BASE[4] = {0.0f, 0.02f, 0.05f, 0.12f};
    const int r = std::clamp(Get_User_Preference(PREF_CONVERSION_SPOT_RULE), 0, 3);
    const float H = static_cast<float>(League_Field_Goal_Level());
    float m = ((1.0f - H / 1000.0f) / 0.21f) * ((0.053f - A / 2000.0f) * SLOPE[r] + BASE[r]);
    const float F = Get_Kick_Weather_Factor(pGame);
    if (F > 0.0f)
        m /= F;
    return 1.0f - m;
}

int Get_Conversion_Spot()
{
    switch (Get_User_Preference(PREF_CONVERSION_SPOT_RULE)) {
    case 1: return 15;
    case 2: return 20;
    case 3: return 25;
    case 4: return 30;
    default: return 2;
    }
}

void Run_Extra_Point(GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return;
    }
    const int bSide = Offense_Side(pGame);
    const int nTeam = pGame->nOffense;
    const int nKicker = pGame->nOnField[bSide][1];
    const bool bKicker = nTeam <= LAST_TEAM && nKicker < PLAYERS_PER_TEAM;
    PLAY& Play = pGame->CurrentPlay;

    pGame->nYardLine = static_cast<int8_t>(Get_Conversion_Spot());
    Play.nPlayer1 = bKicker ? Get_Player_ID(nTeam, nKicker) : -1;
    if (bKicker)
        Credit_Game_Player_Stat(pGame, nTeam, nKicker, UNIT_KICKERS, STAT_PAT_ATTEMPTS, 1);
    const float p = Get_Extra_Point_Chance(pGame, nTeam, nKicker);
    if (p > Draw_Fraction()) {
        Set_Play_Result(&Play, RESULT_EXTRA_POINT_GOOD);
        Add_Team_Points(pGame, bSide, 1);
        if (bKicker)
            Credit_Game_Player_Stat(pGame, nTeam, nKicker, UNIT_KICKERS, STAT_PATS_MADE, 1);
    } else {
        Set_Play_Result(&Play, RESULT_EXTRA_POINT_MISSED);
    }
    Draw_Game_Score_Box(pGame);
    Stop_Clock(pGame);
}

int Get_Field_Goal_Tally(int nDistance, bool bMade)
{
    if (nDistance < 0 || nDistance >= TALLY_DISTANCES)
        return 0;
    return bMade ? g_nMade[nDistance] : g_nAttempts[nDistance];
}

void Clear_Field_Goal_Tallies()
{
    std::fill(std::begin(g_nAttempts), std::end(g_nAttempts), 0);
    std::fill(std::begin(g_nMade), std::end(g_nMade), 0);
}

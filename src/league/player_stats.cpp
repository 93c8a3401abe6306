// Reading and storing a player's statistics: the stored statistics of the
// record's periods and of the season lines, the dispatch of the computed
// codes, and the rates, sums and return values (codes 100-173, 299-305).
// The grades and production scores are in player_grades.cpp, the built-in
// tables in player_stat_tables.cpp.

#include "league/player_stats.h"

#include <cmath>
#include <cstdint>

#include "engine/depth_lookup.h"
#include "league/historical.h"
#include "base/int_math.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats_internal.h"
#include "league/player_text.h"
#include "base/random.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "platform/errors.h"
#include "season/player_value.h"
#include "league/composite_grades.h"

namespace stats_detail {

int64_t Clamp_Range(int64_t n, int64_t nLow, int64_t nHigh)
{
    if (n < nLow)
        return nLow;
    if (n > nHigh)
        return nHigh;
    return n;
}

int64_t Rate(int64_t a, int64_t b, int64_t k)
{
    if (b == 0)
        return 0;
    // Statistics are int32, so a x k stays far inside 64 bits for every k used.
    int64_t nNum = a * k;
    int64_t nDen = b;
    if (nDen < 0) {
        nNum = -nNum;
        nDen = -nDen;
    }
    if (nNum >= 0)
        return (nNum + nDen / 2) / nDen;
    int64_t q = nNum / nDen;
    if (q * nDen != nNum)
        q--;
    return q;
}

int64_t Root(int64_t x)
{
    return Get_Rounded_Sqrt(Clamp_To_Int(x));
}

int64_t Mul_Div(int64_t a, int64_t b, int64_t c)
{
    return Mul_Div_Rounded(Clamp_To_Int(a), Clamp_To_Int(b), Clamp_To_Int(c));
}

int64_t STAT_VIEW::S(int nStat) const
{
    return Get_Player_Stat(nTeam, nSlot, nPeriod, nStat);
}

int64_t STAT_VIEW::C(int nCode) const
{
    return Get_Player_Stat(nTeam, nSlot, nPeriod, nCode);
}

int64_t STAT_VIEW::S_Of(int nOtherPeriod, int nStat) const
{
    return Get_Player_Stat(nTeam, nSlot, nOtherPeriod, nStat);
}

int64_t STAT_VIEW::C_Of(int nOtherPeriod, int nCode) const
{
    return Get_Player_Stat(nTeam, nSlot, nOtherPeriod, nCode);
}

bool STAT_VIEW::Is_QB() const
{
    return nPosition == POSITION_QB;
}

bool STAT_VIEW::Is_Back_Not_QB() const
{
    return nPosition >= POSITION_RB && nPosition <= POSITION_WR;
}

bool STAT_VIEW::Is_Kicker_Unit() const
{
    return nUnit == UNIT_KICKERS;
}

int STAT_VIEW::Age() const
{
    return Get_Player_Age(nTeam, nSlot);
}

int STAT_VIEW::Weight() const
{
    return League.Team[nTeam].Player[nSlot].nVital[VITAL_WEIGHT];
}

STAT_VIEW Make_Stat_View(int nTeam, int nSlot, int nPeriod)
{
    STAT_VIEW V{nTeam, nSlot, nPeriod, -1, -1};
    int nPosition = League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION];
    // A damaged record's position matches no group and so gets the defaults.
    if (nPosition >= POSITION_QB && nPosition <= POSITION_P) {
        V.nPosition = nPosition;
        V.nUnit = Get_Position_Unit(nPosition);
    }
    return V;
}

}  // namespace stats_detail

using namespace stats_detail;

namespace {

constexpr int PREDICTED_LONGEST_FIELD_GOAL_LIMIT = 67;
constexpr int DEFENSE_TOTALS_CATEGORY = 1;
// Code 148 over the career reads links 0-28.
constexpr int CATCH_RATE_CAREER_LINKS = 29;

constexpr int FIRST_GRADE_CODE = 200;
constexpr int LAST_MODIFIED_GRADE_CODE = 233;
constexpr int LAST_CACHED_RATE_CODE = 146;
constexpr int LAST_CACHED_GRADE_CODE = 239;

bool Is_Longest_Kick(int nStat)
{
    return nStat == STAT_LONGEST_PUNT || nStat == STAT_LONGEST_FIELD_GOAL;
}

int Season_Line_Of_Period(int nTeam, int nSlot, int nPeriod)
{
    return Get_Player_Season_Line_Index(nTeam, nSlot, nPeriod - STAT_PERIOD_FIRST_LINE);
}

// A kicker's career longest kick: the largest of this and last season (the
// first taken as at least 0), of every linked season line and of the stored
// career value, written back. The stored value takes part because a career
// may reach back before the lines kept (an imported history, more seasons
// than links): a read must never lower a record.
int Recompute_Career_Longest(int nTeam, int nSlot, int nStat)
{
    const PLAYER& Player = League.Team[nTeam].Player[nSlot];
    int nBest = Player.nStat[STAT_PERIOD_THIS_SEASON][nStat];
    if (nBest < 0)
        nBest = 0;
    if (Player.nStat[STAT_PERIOD_CAREER][nStat] > nBest)
        nBest = Player.nStat[STAT_PERIOD_CAREER][nStat];
    if (Player.nStat[STAT_PERIOD_LAST_SEASON][nStat] > nBest)
        nBest = Player.nStat[STAT_PERIOD_LAST_SEASON][nStat];
    for (int n = 0; n < SEASON_LINK_COUNT; n++) {
        int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, n);
        if (nLine == NO_SEASON_LINE)
            break;
        int nValue = Get_Season_Line_Stat(nLine, nStat);
        if (nValue > nBest)
            nBest = nValue;
    }
    Set_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, nStat, nBest);
    return nBest;
}

int Stored_Stat(int nTeam, int nSlot, int nPeriod, int nStat)
{
    if (nPeriod >= STAT_PERIOD_FIRST_LINE) {
        int nLine = Season_Line_Of_Period(nTeam, nSlot, nPeriod);
        return nLine == NO_SEASON_LINE ? 0 : Get_Season_Line_Stat(nLine, nStat);
    }
    bool bKicker = Get_Player_Unit(nTeam, nSlot) == UNIT_KICKERS;
    if (bKicker && nPeriod == STAT_PERIOD_CAREER && Is_Longest_Kick(nStat))
        return Recompute_Career_Longest(nTeam, nSlot, nStat);
    int nValue = League.Team[nTeam].Player[nSlot].nStat[nPeriod][nStat];
    if (bKicker && nPeriod == STAT_PERIOD_PREDICTED && nStat == STAT_LONGEST_FIELD_GOAL &&
        nValue > PREDICTED_LONGEST_FIELD_GOAL_LIMIT)
        nValue = PREDICTED_LONGEST_FIELD_GOAL_LIMIT;
    return nValue;
}

// The team's tackle points in the period: solo x 10 + assists x 5 + sacks
// (x 5), as the player's own; 0 for a period without team totals.
int64_t Team_Tackle_Points(int nTeam, int nPeriod)
{
    if (nPeriod > STAT_PERIOD_CAREER)
        return 0;
    int nSeason = nPeriod;   // this season, last season and all seasons line up
    int64_t nSolo = Get_Team_Totals_Stat(nTeam, DEFENSE_TOTALS_CATEGORY, nSeason, STAT_SOLO_TACKLES);
    int64_t nAssists = Get_Team_Totals_Stat(nTeam, DEFENSE_TOTALS_CATEGORY, nSeason, STAT_TACKLE_ASSISTS);
    int64_t nSacks = Get_Team_Totals_Stat(nTeam, DEFENSE_TOTALS_CATEGORY, nSeason, STAT_CODE_SACKS);
    return nSolo * 10 + nAssists * 5 + nSacks;
}

// Code 148 over the career: receptions per target of the season lines whose
// targets are at least their receptions.
int64_t Career_Catch_Rate(const STAT_VIEW& V)
{
    int64_t nCatches = 0;
    int64_t nTargets = 0;
    for (int n = 0; n < CATCH_RATE_CAREER_LINKS; n++) {
        int nLine = Get_Player_Season_Line_Index(V.nTeam, V.nSlot, n);
        if (nLine == NO_SEASON_LINE)
            continue;
        int64_t nLineCatches = Get_Season_Line_Stat(nLine, STAT_RECEPTIONS);
        int64_t nLineTargets = Get_Season_Line_Stat(nLine, STAT_TARGETS);
        if (nLineTargets >= nLineCatches) {
            nCatches += nLineCatches;
            nTargets += nLineTargets;
        }
    }
    return Rate(nCatches, nTargets, 1000);
}

// Code 101. Only a quarterback's impossible line (completions above
// attempts) is wiped: for everybody else statistics 2 and 3 mean other
// things (punts and punt yards, tackles and assists) and must stay.
int64_t Completion_Rate(const STAT_VIEW& V)
{
    int64_t nAttempts = V.S(STAT_PASS_ATTEMPTS);
    int64_t nCompletions = V.S(STAT_PASS_COMPLETIONS);
    if (V.Is_QB() && nCompletions > nAttempts) {
        for (int n = STAT_PASS_ATTEMPTS; n <= STAT_PASSING_TOUCHDOWNS; n++)
            Set_Player_Stat(V.nTeam, V.nSlot, V.nPeriod, n, 0);
        return 0;
    }
    return Rate(nCompletions, nAttempts, 1000);
}

// The most each part of the passer rating counts.
constexpr int64_t RATING_PART_MAX = 2375;

// Codes 100-111: passing.
int64_t Passing_Code(const STAT_VIEW& V, int nCode, bool& bKnown)
{
    const bool bQB = V.Is_QB();
    switch (nCode) {
    case STAT_CODE_PASSER_RATING:
        return (V.C(STAT_CODE_RATING_COMPLETION_PART) + V.C(STAT_CODE_RATING_YARDS_PART) +
                V.C(STAT_CODE_RATING_TOUCHDOWN_PART) + V.C(STAT_CODE_RATING_INTERCEPTION_PART)) / 6;
    case STAT_CODE_COMPLETION_RATE:
        return Completion_Rate(V);
    case STAT_CODE_RATING_COMPLETION_PART:
        return Clamp_Range((V.C(STAT_CODE_COMPLETION_RATE) - 300) * 5, 0, RATING_PART_MAX);
    case STAT_CODE_YARDS_PER_ATTEMPT:
        return Rate(V.S(STAT_PASSING_YARDS), V.S(STAT_PASS_ATTEMPTS), 100);
    case STAT_CODE_RATING_YARDS_PART:
        return Clamp_Range(Rate(V.C(STAT_CODE_YARDS_PER_ATTEMPT) - 300, 10, 25), 0, RATING_PART_MAX);
    case STAT_CODE_TOUCHDOWN_RATE:
        return Rate(V.S(STAT_PASSING_TOUCHDOWNS), V.S(STAT_PASS_ATTEMPTS), 1000);
    case STAT_CODE_RATING_TOUCHDOWN_PART:
        return bQB ? Clamp_Range(V.C(STAT_CODE_TOUCHDOWN_RATE) * 20, 0, RATING_PART_MAX) : 0;
    case STAT_CODE_INTERCEPTION_RATE:
        return bQB ? Rate(V.S(STAT_INTERCEPTIONS_THROWN), V.S(STAT_PASS_ATTEMPTS), 1000) : 0;
    case STAT_CODE_RATING_INTERCEPTION_PART:
        return bQB ? Clamp_Range((95 - V.C(STAT_CODE_INTERCEPTION_RATE)) * 25, 0, RATING_PART_MAX) : 0;
    case STAT_CODE_YARDS_PER_COMPLETION:
        return Rate(V.S(STAT_PASSING_YARDS), V.S(STAT_PASS_COMPLETIONS), 100);
    case STAT_CODE_PASSING_YARDS_PER_GAME:
        return bQB ? Rate(V.S(STAT_PASSING_YARDS), V.S(STAT_GAMES_PLAYED), 10) : 0;
    case STAT_CODE_SACK_RATE:
        return bQB ? Rate(V.S(STAT_TIMES_SACKED), V.S(STAT_TIMES_SACKED) + V.S(STAT_PASS_ATTEMPTS), 1000) : 0;
    default:
        bKnown = false;
        return 0;
    }
}

// Codes 112-120: running, receiving, punting and returns.
int64_t Ball_Carrier_Code(const STAT_VIEW& V, int nCode, bool& bKnown)
{
    switch (nCode) {
    case STAT_CODE_YARDS_PER_RUSH:
        return Rate(V.S(STAT_RUSHING_YARDS), V.S(STAT_RUSHING_ATTEMPTS), 100);
    case STAT_CODE_YARDS_PER_RECEPTION:
        return Rate(V.S(STAT_RECEIVING_YARDS), V.S(STAT_RECEPTIONS), 10);
    case STAT_CODE_YARDS_AFTER_CATCH:
        return V.Is_Back_Not_QB() ? Rate(V.S(STAT_YARDS_AFTER_CATCH), V.S(STAT_RECEPTIONS), 10) : 0;
    case STAT_CODE_TOUCHES:
        return V.S(STAT_RUSHING_ATTEMPTS) + V.S(STAT_RECEPTIONS);
    case STAT_CODE_PUNT_AVERAGE:
        return Rate(V.S(STAT_PUNT_YARDS), V.S(STAT_PUNTS), 10);
    case STAT_CODE_KICK_RETURN_AVERAGE:
        return Rate(V.S(STAT_KICK_RETURN_YARDS), V.S(STAT_KICK_RETURNS), 10);
    case STAT_CODE_PUNT_RETURN_AVERAGE:
        return Rate(V.S(STAT_PUNT_RETURN_YARDS), V.S(STAT_PUNT_RETURNS), 10);
    default:
        bKnown = false;
        return 0;
    }
}

// Codes 121-130: place kicking, kickers only.
int64_t Kicking_Code(const STAT_VIEW& V, int nCode, bool& bKnown)
{
    if (nCode < STAT_CODE_PAT_RATE || nCode > STAT_CODE_FIELD_GOAL_RATE_40_PLUS) {
        bKnown = false;
        return 0;
    }
    if (!V.Is_Kicker_Unit())
        return 0;
    const int64_t nMadeNear = V.S(STAT_FIELD_GOALS_MADE_BAND_1) + V.S(STAT_FIELD_GOALS_MADE_BAND_2);
    const int64_t nMadeFar = V.S(STAT_FIELD_GOALS_MADE_BAND_3) + V.S(STAT_FIELD_GOALS_MADE_BAND_4);
    const int64_t nTriedNear = V.S(STAT_FIELD_GOAL_ATTEMPTS_BAND_1) + V.S(STAT_FIELD_GOAL_ATTEMPTS_BAND_2);
    const int64_t nTriedFar = V.S(STAT_FIELD_GOAL_ATTEMPTS_BAND_3) + V.S(STAT_FIELD_GOAL_ATTEMPTS_BAND_4);
    switch (nCode) {
    case STAT_CODE_PAT_RATE:
        return Rate(V.S(STAT_PATS_MADE), V.S(STAT_PAT_ATTEMPTS), 1000);
    case STAT_CODE_FIELD_GOALS_MADE:
        return nMadeNear + nMadeFar;
    case STAT_CODE_FIELD_GOAL_ATTEMPTS:
        return nTriedNear + nTriedFar;
    case STAT_CODE_FIELD_GOAL_RATE:
        return Rate(V.C(STAT_CODE_FIELD_GOALS_MADE), V.C(STAT_CODE_FIELD_GOAL_ATTEMPTS), 1000);
    case STAT_CODE_FIELD_GOAL_RATE_INSIDE_40:
        return Rate(nMadeNear, nTriedNear, 1000);
    case STAT_CODE_FIELD_GOAL_RATE_40_PLUS:
        return Rate(nMadeFar, nTriedFar, 1000);
    default: {
        // One band: its attempts, then its made.
        int nAttempts = STAT_FIELD_GOAL_ATTEMPTS_BAND_1 + 2 * (nCode - STAT_CODE_FIELD_GOAL_RATE_BAND_1);
        return Rate(V.S(nAttempts + 1), V.S(nAttempts), 1000);
    }
    }
}

// Codes 131-142: totals from scrimmage, scoring and returns.
int64_t Total_Code(const STAT_VIEW& V, int nCode, bool& bKnown)
{
    const bool bKicker = V.Is_Kicker_Unit();
    switch (nCode) {
    case STAT_CODE_YARDS_FROM_SCRIMMAGE:
        return V.nUnit == UNIT_BACKS ? V.S(STAT_RECEIVING_YARDS) + V.S(STAT_RUSHING_YARDS) : 0;
    case STAT_CODE_TOUCHDOWNS_FROM_SCRIMMAGE:
        return V.S(STAT_RECEIVING_TOUCHDOWNS) + V.S(STAT_RUSHING_TOUCHDOWNS);
    case STAT_CODE_KICKS:
        return V.C(STAT_CODE_FIELD_GOAL_ATTEMPTS) + V.S(STAT_PUNTS);
    case STAT_CODE_TOTAL_YARDS:
        return V.C(STAT_CODE_YARDS_FROM_SCRIMMAGE) + V.S(STAT_PASSING_YARDS) + V.C(STAT_CODE_RETURN_YARDS);
    case STAT_CODE_TOUCHDOWNS:
        return bKicker ? 0 : V.C(STAT_CODE_TOUCHDOWNS_FROM_SCRIMMAGE) + V.C(STAT_CODE_RETURN_TOUCHDOWNS);
    case STAT_CODE_POINTS:
        if (bKicker)
            return V.C(STAT_CODE_FIELD_GOALS_MADE) * 3 + V.S(STAT_PATS_MADE);
        return (V.C(STAT_CODE_TOUCHDOWNS_FROM_SCRIMMAGE) + V.C(STAT_CODE_RETURN_TOUCHDOWNS)) * 6;
    case STAT_CODE_RETURNS:
        return V.S(STAT_KICK_RETURNS) + V.S(STAT_PUNT_RETURNS);
    case STAT_CODE_RETURN_YARDS:
        return V.S(STAT_KICK_RETURN_YARDS) + V.S(STAT_PUNT_RETURN_YARDS);
    case STAT_CODE_RETURN_TOUCHDOWNS:
        return V.S(STAT_KICK_RETURN_TOUCHDOWNS) + V.S(STAT_PUNT_RETURN_TOUCHDOWNS);
    default:
        bKnown = false;
        return 0;
    }
}

// Codes 143-161: defence and blocking.
int64_t Defense_Code(const STAT_VIEW& V, int nCode, bool& bKnown)
{
    switch (nCode) {
    case STAT_CODE_SACKS:
        return V.S(STAT_SACKS) * 5;
    case STAT_CODE_SACKS_ALLOWED:
        return V.S(STAT_SACKS_ALLOWED) * 25;
    case STAT_CODE_TACKLES_PER_GAME:
        return Rate(V.C(STAT_CODE_TACKLES), V.S(STAT_GAMES_PLAYED), 10);
    case STAT_CODE_TACKLES:
        return V.S(STAT_SOLO_TACKLES) + V.S(STAT_TACKLE_ASSISTS);
    case STAT_CODE_CATCH_RATE:
        if (!V.Is_Back_Not_QB())
            return 0;
        if (V.nPeriod == STAT_PERIOD_CAREER)
            return Career_Catch_Rate(V);
        return Rate(V.S(STAT_RECEPTIONS), V.S(STAT_TARGETS), 1000);
    case STAT_CODE_COVERAGE:
        return Rate(V.S(STAT_COVERAGE), V.S(STAT_COVERAGE_BASE), 1000);
    case STAT_CODE_TACKLE_POINTS:
        return V.S(STAT_SOLO_TACKLES) * 10 + V.S(STAT_TACKLE_ASSISTS) * 5;
    case STAT_CODE_TACKLE_SHARE:
        return Rate(V.C(STAT_CODE_TACKLE_POINTS) + V.C(STAT_CODE_SACKS), Team_Tackle_Points(V.nTeam, V.nPeriod),
                    100);
    default:
        bKnown = false;
        return 0;
    }
}

// Codes 170-173: passing against the league average of this and last year,
// quarterbacks only except 171.
int64_t League_Relative_Code(const STAT_VIEW& V, int nCode, bool& bKnown)
{
    const bool bQB = V.Is_QB();
    switch (nCode) {
    case STAT_CODE_YARDS_PER_COMPLETION_INDEX: {
        if (!bQB)
            return 0;
        int64_t nIndex = Rate(V.C(STAT_CODE_YARDS_PER_COMPLETION),
                              Get_Current_Average_Stat(STAT_CODE_YARDS_PER_COMPLETION), 3000);
        return Clamp_Range(nIndex - 2000, 0, 2000);
    }
    case STAT_CODE_TOUCHDOWN_RATE_INDEX:
        return Rate(V.C(STAT_CODE_TOUCHDOWN_RATE), Get_Current_Average_Stat(STAT_CODE_TOUCHDOWN_RATE), 1000);
    case STAT_CODE_COMPLETION_RATE_INDEX:
        if (!bQB)
            return 0;
        return Rate(V.C(STAT_CODE_COMPLETION_RATE), Get_Current_Average_Stat(STAT_CODE_COMPLETION_RATE), 1000);
    case STAT_CODE_INTERCEPTION_RATE_INDEX: {
        if (!bQB)
            return 0;
        int64_t n = 2000 - Rate(V.C(STAT_CODE_INTERCEPTION_RATE),
                                Get_Current_Average_Stat(STAT_CODE_INTERCEPTION_RATE), 1000);
        return n > 0 ? n : 0;
    }
    default:
        bKnown = false;
        return 0;
    }
}

// Codes 100-173; bKnown is cleared for a code of the range that has no meaning.
int64_t Compute_Rate_Code(const STAT_VIEW& V, int nCode, bool& bKnown)
{
    if (nCode <= STAT_CODE_SACK_RATE)
        return Passing_Code(V, nCode, bKnown);
    if (nCode <= STAT_CODE_PUNT_RETURN_AVERAGE)
        return Ball_Carrier_Code(V, nCode, bKnown);
    if (nCode <= STAT_CODE_FIELD_GOAL_RATE_40_PLUS)
        return Kicking_Code(V, nCode, bKnown);
    if (nCode <= STAT_CODE_RETURN_TOUCHDOWNS)
        return Total_Code(V, nCode, bKnown);
    if (nCode <= STAT_CODE_TACKLE_SHARE)
        return Defense_Code(V, nCode, bKnown);
    return League_Relative_Code(V, nCode, bKnown);
}

// Overall and potential as whole numbers.
int Overall_Of(int nTeam, int nSlot)
{
    return static_cast<int>(Get_Player_Overall_Or_Regenerate(nTeam, nSlot));
}

int Potential_Of(int nTeam, int nSlot)
{
    return static_cast<int>(Compute_Player_Potential(nTeam, nSlot));
}

// A return value for 300 (kick) or 301 (punt) of a back or receiver.
int64_t Return_Value(const STAT_VIEW& V, int nCode)
{
    if (!Is_Player_Back_Or_Receiver(V.nTeam, V.nSlot))
        return 0;
    if (nCode == 300)
        return Rate((V.S(STAT_KICK_RETURN_YARDS) / 2 + 25 * V.S(STAT_KICK_RETURN_TOUCHDOWNS)) * V.C(STAT_CODE_KICK_RETURN_AVERAGE),
                    260, 1);
    return Rate((V.S(STAT_PUNT_RETURN_YARDS) / 2 + 25 * V.S(STAT_PUNT_RETURN_TOUCHDOWNS)) * V.C(STAT_CODE_PUNT_RETURN_AVERAGE),
                85, 1);
}

// Code 304: his 1-based place among the team's players of his position.
int Depth_Chart_Level(const STAT_VIEW& V)
{
    if (V.nTeam >= FREE_AGENT_TEAM)
        return 0;
    int nPosition = Get_Player_Position(V.nTeam, V.nSlot);
    int nCount = Count_Team_Position_Players(V.nTeam, nPosition);
    for (int n = 0; n < nCount; n++)
        if (Get_Team_Position_Player(V.nTeam, nPosition, n) == V.nSlot)
            return n + 1;
    return 0;
}

// Codes 299-305; bKnown is cleared for a code of the range that has no meaning.
int64_t Compute_Value_Code(const STAT_VIEW& V, int nCode, bool& bKnown)
{
    switch (nCode) {
    case 299: {
        int64_t n = (static_cast<int64_t>(Overall_Of(V.nTeam, V.nSlot)) + Potential_Of(V.nTeam, V.nSlot)) / 2;
        return n > 100 ? 100 : n;
    }
    case 300:
    case 301:
        return Return_Value(V, nCode);
    case 302:
    case 303: {
        if (!Is_Player_Back_Or_Receiver(V.nTeam, V.nSlot))
            return 0;
        if (V.nPeriod != STAT_PERIOD_PREDICTED)
            return V.C(nCode - 2);
        int nRating = nCode == 302 ? RATING_KICK_RETURNS : RATING_PUNT_RETURNS;
        float fValue = (Get_Player_Rating(V.nTeam, V.nSlot, nRating) - 50.0f) * 15.0f;
        if (!(fValue > 0.0f))
            return 0;
        return fValue >= 2.0e9f ? INT32_MAX : static_cast<int64_t>(fValue);
    }
    case 304:
        return Depth_Chart_Level(V);
    case 305: {
        double fOverall = Get_Player_Overall_Or_Regenerate(V.nTeam, V.nSlot) - 50.0;
        double fPotential = Compute_Player_Potential(V.nTeam, V.nSlot) - 50.0;
        int64_t o = fOverall > 0.0 ? static_cast<int64_t>(fOverall) : 0;
        double p = fPotential > 0.0 ? fPotential : 0.0;
        int64_t t = static_cast<int64_t>(std::trunc(std::trunc(static_cast<double>(o) * p) * p));
        int64_t nSalary = Get_Player_Vital_Stat(V.nTeam, V.nSlot, VITAL_SCALED_CAP_CHARGE);
        return Mul_Div(1000, 2 * (t / 10), nSalary);
    }
    default:
        bKnown = false;
        return 0;
    }
}

// Grades 225 and 226: the overall and the projected peak, each as the
// scouts see it and held within 20-99.
int64_t Overall_Grade(const STAT_VIEW& V)
{
    int nValue = Adjust_Player_Stat_By_Modifier(V.nTeam, V.nSlot, Overall_Of(V.nTeam, V.nSlot));
    return Clamp_Range(nValue, 20, 99);
}

int64_t Peak_Grade(const STAT_VIEW& V)
{
    int64_t nPeak = Clamp_Range(Adjust_Player_Stat_By_Modifier(V.nTeam, V.nSlot, Potential_Of(V.nTeam, V.nSlot)), 20, 99);
    int64_t nOverall = V.C_Of(STAT_PERIOD_PREDICTED, STAT_CODE_OVERALL);
    int64_t nYoung = 26 - V.Age();
    int64_t nCeiling = nOverall + 4 * (nYoung > 0 ? nYoung : 0);
    if (nPeak < nOverall)
        nPeak = nOverall;
    if (nPeak > nCeiling)
        nPeak = nCeiling;
    return nPeak;
}

// Results kept in the predicted-statistics cache (lookups also cover codes
// 147-154, which nothing here stores).
bool Is_Stored_In_Cache(int nPeriod, int nCode)
{
    if (nPeriod != STAT_PERIOD_PREDICTED || !Is_Predicted_Stat_Cache_On())
        return false;
    return (nCode >= CACHE_FIRST_RATE_CODE && nCode <= LAST_CACHED_RATE_CODE) ||
           (nCode >= FIRST_GRADE_CODE && nCode <= LAST_CACHED_GRADE_CODE);
}

void Report_Unrecognized(const char* szFunction, int nTeam, int nSlot, int nPeriod, int nCode)
{
    Report_Error("Unrecognized SEASON_STAT in %s(%d,%d,%d,%d)", szFunction, nTeam, nSlot, nPeriod, nCode);
}

// Checks shared by the setters: team, slot, period, statistic.
bool Check_Stat_Target(const char* szFunction, int nTeam, int nSlot, int nPeriod, int nStat, int nValue)
{
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("Invalid nTeam in %s(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, nValue = %d)", szFunction,
                     nTeam, nSlot, nPeriod, nStat, nValue);
        return false;
    }
    if (nSlot < 0 || nSlot >= PLAYERS_PER_TEAM) {
        Report_Error("Invalid nSlot in %s(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, nValue = %d) [Week %d]",
                     szFunction, nTeam, nSlot, nPeriod, nStat, nValue, Get_Current_Week());
        return false;
    }
    if (nPeriod < 0 || nPeriod > STAT_PERIOD_LAST_LINE) {
        Report_Error("Invalid nSeason in %s(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, nValue = %d)", szFunction,
                     nTeam, nSlot, nPeriod, nStat, nValue);
        return false;
    }
    if (nStat < 0 || nStat >= STATS_PER_PERIOD) {
        Report_Error("Invalid nStat in %s(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, nValue = %d)", szFunction,
                     nTeam, nSlot, nPeriod, nStat, nValue);
        return false;
    }
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// Reading

int Read_Player_Stat(int nTeam, int nSlot, int nPeriod, int nCode)
{
    if (nTeam == NO_TEAM || nSlot == NO_PLAYER)
        return 0;
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d,%d)", "Get_Player_Stat", nTeam, nSlot, nPeriod, nCode);
        return 0;
    }
    if (nSlot < 0 || nSlot >= PLAYERS_PER_TEAM) {
        Report_Error("nSlot out of bounds in %s(%d,[%d],%d,%d)", "Get_Player_Stat", nTeam, nSlot, nPeriod, nCode);
        return 0;
    }
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    if (nPeriod < 0 || nPeriod > STAT_PERIOD_LAST_LINE) {
        Report_Error("nSeason out of bounds in %s(%d,%d,[%d],%d)", "Get_Player_Stat", nTeam, nSlot, nPeriod, nCode);
        return 0;
    }
    if (nCode >= 0 && nCode < STATS_PER_PERIOD)
        return Stored_Stat(nTeam, nSlot, nPeriod, nCode);

    STAT_VIEW V = Make_Stat_View(nTeam, nSlot, nPeriod);
    // The kicking grades of anybody but a kicker or punter: 20 at once.
    if (nCode >= 220 && nCode <= 223 && !V.Is_Kicker_Unit())
        return 20;

    if (nPeriod == STAT_PERIOD_PREDICTED) {
        int nCachedValue = 0;
        if (Find_Cached_Predicted_Stat(nTeam, nSlot, nCode, &nCachedValue))
            return nCachedValue;
    }

    bool bKnown = true;
    int64_t nValue = 0;
    if (nCode >= FIRST_RATE_CODE && nCode <= LAST_RATE_CODE) {
        nValue = Compute_Rate_Code(V, nCode, bKnown);
    } else if (nCode == STAT_CODE_OVERALL) {
        nValue = Overall_Grade(V);
    } else if (nCode == STAT_CODE_PEAK) {
        nValue = Peak_Grade(V);
    } else if (nCode >= FIRST_GRADE_CODE && nCode <= LAST_MODIFIED_GRADE_CODE) {
        nValue = Compute_Grade(V, nCode);
        nValue = Adjust_Player_Stat_By_Modifier(nTeam, nSlot, Clamp_To_Int(nValue));
        nValue = Clamp_Range(nValue, 20, 99);
    } else if (nCode >= 299 && nCode <= 305) {
        nValue = Compute_Value_Code(V, nCode, bKnown);
    } else if (nCode >= FIRST_COMPOSITE_GRADE && nCode <= LAST_COMPOSITE_SKILL_GRADE) {
        nValue = Get_Composite_Grade(nTeam, nSlot, nCode);
    } else if (nCode == COMPOSITE_SALARY_GRADE) {
        nValue = Get_Composite_Salary_Grade(nTeam, nSlot);
    } else if (nCode == COMPOSITE_VALUE_GRADE) {
        nValue = Get_Composite_Value_Grade(nTeam, nSlot);
    } else if (nCode >= 420 && nCode <= 430) {
        nValue = Compute_Production_Score(V, nCode);
    } else {
        bKnown = false;
    }
    if (!bKnown) {
        Report_Unrecognized("Get_Player_Stat", nTeam, nSlot, nPeriod, nCode);
        return 0;
    }
    int nResult = Clamp_To_Int(nValue);
    if (Is_Stored_In_Cache(nPeriod, nCode))
        Store_Cached_Predicted_Stat(nTeam, nSlot, nCode, nResult);
    return nResult;
}

// ---------------------------------------------------------------------------
// Storing

void Set_Player_Stat(int nTeam, int nSlot, int nPeriod, int nStat, int nValue)
{
    if (nTeam == NO_TEAM)
        return;
    if (!Check_Stat_Target(__func__, nTeam, nSlot, nPeriod, nStat, nValue))
        return;
    if (nPeriod >= STAT_PERIOD_FIRST_LINE) {
        int nLine = Season_Line_Of_Period(nTeam, nSlot, nPeriod);
        if (nLine != NO_SEASON_LINE)
            Set_Season_Line_Stat(nLine, nStat, nValue);
        return;
    }
    League.Team[nTeam].Player[nSlot].nStat[nPeriod][nStat] = nValue;
}

void Add_To_Player_Stat_Checked(int nTeam, int nSlot, int nPeriod, int nStat, int nValue)
{
    if (nTeam == NO_TEAM)
        return;
    if (!Check_Stat_Target("Add_To_Player_Stat", nTeam, nSlot, nPeriod, nStat, nValue))
        return;
    int nLine = NO_SEASON_LINE;
    int64_t nCurrent;
    if (nPeriod >= STAT_PERIOD_FIRST_LINE) {
        nLine = Season_Line_Of_Period(nTeam, nSlot, nPeriod);
        if (nLine == NO_SEASON_LINE)
            return;
        nCurrent = Get_Season_Line_Stat(nLine, nStat);
    } else {
        nCurrent = League.Team[nTeam].Player[nSlot].nStat[nPeriod][nStat];
    }
    int64_t nNew;
    // A kicker's longest kicks keep the greatest value.
    if (Get_Player_Unit(nTeam, nSlot) == UNIT_KICKERS && Is_Longest_Kick(nStat)) {
        if (nValue <= nCurrent)
            return;
        nNew = nValue;
    } else {
        nNew = nCurrent + nValue;
    }
    if (nLine != NO_SEASON_LINE)
        Set_Season_Line_Stat(nLine, nStat, Clamp_To_Int(nNew));
    else
        Set_Player_Stat(nTeam, nSlot, nPeriod, nStat, Clamp_To_Int(nNew));
}

void Clear_Player_Season_Stats(int nTeam, int nSlot, int nPeriod)
{
    for (int n = 0; n < STATS_PER_PERIOD; n++)
        Set_Player_Stat(nTeam, nSlot, nPeriod, n, 0);
}

void Clear_Player_All_Stats(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    Clear_Player_Season_Stats(nTeam, nSlot, STAT_PERIOD_THIS_SEASON);
    Clear_Player_Season_Stats(nTeam, nSlot, STAT_PERIOD_LAST_SEASON);
    Clear_Player_Season_Stats(nTeam, nSlot, STAT_PERIOD_CAREER);
    Erase_Player_Season_Lines(nTeam, nSlot);
}

// ---------------------------------------------------------------------------
// Formulas

int Compute_Passer_Rating(int nAttempts, int nCompletions, int nYards, int nTouchdowns, int nInterceptions)
{
    int64_t A = nAttempts;
    int64_t a = (Rate(nCompletions, A, 1000) - 300) * 5;
    int64_t b = Rate(Rate(nYards, A, 100) - 300, 10, 25);
    int64_t c = Rate(nTouchdowns, A, 1000) * 20;
    int64_t d = (95 - Rate(nInterceptions, A, 1000)) * 25;
    int64_t nSum = Clamp_Range(a, 0, 2375) + Clamp_Range(b, 0, 2375) + Clamp_Range(c, 0, 2375) + Clamp_Range(d, 0, 2375);
    int64_t nRating = nSum / 6;
    return static_cast<int>(nRating > 1583 ? 1583 : nRating);
}

// ---------------------------------------------------------------------------
// Measures behind the production scores

namespace {

// A bad team, slot or period is reported; an empty slot gives 0 silently.
bool Is_Measured_Player(const char* szFunction, int nTeam, int nSlot, int nPeriod)
{
    if (!Check_Player_Address(szFunction, nTeam, nSlot))
        return false;
    if (nPeriod < 0 || nPeriod > STAT_PERIOD_LAST_LINE) {
        Report_Error("nPeriod out of bounds in %s(%d,%d,[%d])", szFunction, nTeam, nSlot, nPeriod);
        return false;
    }
    return Is_Player_Slot_Used(nTeam, nSlot) != 0;
}

}  // namespace

int Get_Player_Playing_Time_Measure(int nTeam, int nSlot)
{
    if (!Is_Measured_Player(__func__, nTeam, nSlot, STAT_PERIOD_LAST_SEASON))
        return 0;
    int64_t n = 40 * (static_cast<int64_t>(Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, STAT_GAMES_STARTED)) +
                      Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, STAT_GAMES_PLAYED));
    return static_cast<int>(Clamp_Range(n, INT32_MIN, 1024));
}

int Get_Player_Tackle_Share_Tenths(int nTeam, int nSlot, int nPeriod)
{
    if (!Is_Measured_Player(__func__, nTeam, nSlot, nPeriod))
        return 0;
    const int64_t nPoints = static_cast<int64_t>(Get_Player_Stat(nTeam, nSlot, nPeriod, STAT_CODE_TACKLE_POINTS)) +
                            Get_Player_Stat(nTeam, nSlot, nPeriod, STAT_CODE_SACKS);
    return Clamp_To_Int(Rate(nPoints, Team_Tackle_Points(nTeam, nPeriod), 1000));
}

int Get_Rushing_Touchdown_Share(int nTeam, int nSlot, int nPeriod)
{
    if (!Is_Measured_Player(__func__, nTeam, nSlot, nPeriod))
        return 0;
    int64_t nTouchdowns = 150LL * Get_Player_Stat(nTeam, nSlot, nPeriod, 9);
    int64_t nYards = Get_Player_Stat(nTeam, nSlot, nPeriod, 8);
    return Clamp_To_Int(250 + Rate(nTouchdowns, nTouchdowns + nYards, 500));
}

int Get_Rushing_Production(int nTeam, int nSlot, int nPeriod)
{
    if (!Is_Measured_Player(__func__, nTeam, nSlot, nPeriod))
        return 0;
    int64_t x = 30LL * Get_Player_Stat(nTeam, nSlot, nPeriod, 9) + Get_Player_Stat(nTeam, nSlot, nPeriod, 8);
    if (Get_Player_Position(nTeam, nSlot) == POSITION_QB)
        x = x + 100 + x / 4;
    return Clamp_To_Int(Rate(x, 100, 95));
}

int Get_Receiving_Touchdown_Share(int nTeam, int nSlot, int nPeriod)
{
    if (!Is_Measured_Player(__func__, nTeam, nSlot, nPeriod))
        return 0;
    int64_t nTouchdowns = 165LL * Get_Player_Stat(nTeam, nSlot, nPeriod, 12);
    int64_t nYards = Get_Player_Stat(nTeam, nSlot, nPeriod, 11);
    int64_t nPerCatch = Clamp_Range(Get_Player_Stat(nTeam, nSlot, nPeriod, 113), 50, 200);
    return Clamp_To_Int(100 + Rate(nTouchdowns, nTouchdowns + nYards, 500) + nPerCatch);
}

int Get_Receiving_Production(int nTeam, int nSlot, int nPeriod)
{
    if (!Is_Measured_Player(__func__, nTeam, nSlot, nPeriod))
        return 0;
    int64_t x = 30LL * Get_Player_Stat(nTeam, nSlot, nPeriod, 12) + Get_Player_Stat(nTeam, nSlot, nPeriod, 11);
    int nPosition = Get_Player_Position(nTeam, nSlot);
    if (nPosition == POSITION_RB || nPosition == POSITION_FB)
        x = Rate(x, 100, 120);
    else if (nPosition == POSITION_TE)
        x = Rate(x, 100, 110);
    return Clamp_To_Int(x);
}

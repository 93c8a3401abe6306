// The end-of-game rule and the overtime period length.
#include "engine/game_state.h"

#include <cstdint>
#include <initializer_list>

#include "league/league_data.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"

namespace {

// The longest period the 16-bit clock can still reach after regulation.
constexpr int64_t MAX_PERIOD_LENGTH = INT16_MAX - SECONDS_OF_REGULATION;

}  // namespace

bool Is_Playoff_Game(const GAME* pGame)
{
    if (!pGame)
        return false;
    return pGame->nWeek >= Get_First_Playoff_Week();
}

int Get_Overtime_Period_Length(const GAME* pGame)
{
    if (!pGame || Is_Playoff_Game(pGame))
        return SECONDS_PER_QUARTER;
    int64_t nLength = static_cast<int64_t>(Get_User_Preference(PREF_MINUTES_PER_PERIOD)) * 60;
    // A damaged file can hold 0 minutes; the callers divide by this length.
    if (nLength <= 0)
        return SECONDS_PER_QUARTER;
    if (nLength > MAX_PERIOD_LENGTH)
        nLength = MAX_PERIOD_LENGTH;
    return static_cast<int>(nLength);
}

bool Is_Game_Over(const GAME* pGame)
{
    if (!pGame)
        return false;
    const int c = pGame->nClock;
    // 64-bit so that the margin of damaged scores cannot overflow.
    const int64_t h = pGame->nScore[GAME_SIDE_HOME];
    const int64_t a = pGame->nScore[GAME_SIDE_AWAY];
    const bool bTry = Is_Conversion_Attempt(pGame);
    const bool bPlayoff = Is_Playoff_Game(pGame);

    if (c < SECONDS_OF_REGULATION)
        return false;
    if (c == SECONDS_OF_REGULATION && !bTry && h != a)
        return true;
    // Regular-season ties stand when the league plays no overtime.
    if (!bPlayoff && !bTry && Get_User_Preference(PREF_REGULAR_SEASON_OVERTIME) == 0)
        return true;

    const int nRule = Get_User_Preference(bPlayoff ? PREF_PLAYOFF_OVERTIME_RULE : PREF_REGULAR_SEASON_OVERTIME_RULE);
    const int nPeriodEnd = SECONDS_OF_REGULATION + Get_Overtime_Period_Length(pGame);
    const bool bDecided = c > SECONDS_OF_REGULATION && h != a;

    switch (nRule) {
    case OVERTIME_SUDDEN_DEATH:
        return bDecided || c >= nPeriodEnd;
    case OVERTIME_SIX_POINT_THRESHOLD:
    case OVERTIME_SIX_POINT_THRESHOLD_NO_TIES: {
        if (nRule == OVERTIME_SIX_POINT_THRESHOLD && c >= nPeriodEnd)
            return true;
        // A lead under 6 waits until the trailing side has had the ball.
        const int nPossession = pGame->nOvertimePossession;
        if (h > a && h - a <= 5 && !(nPossession & OVERTIME_AWAY_HAD_BALL))
            return false;
        if (a > h && a - h <= 5 && !(nPossession & OVERTIME_HOME_HAD_BALL))
            return false;
        return bDecided;
    }
    case OVERTIME_SUDDEN_DEATH_NO_TIES:
        return bDecided;
    default:
        return false;
    }
}

bool Is_User_Game(const GAME* pGame)
{
    if (!pGame)
        return false;
    if (!Get_User_Preference(PREF_SIMULATION_RUNNING))
        return false;
    const int nWeek = Get_User_Preference(PREF_CURRENT_WEEK);
    if (nWeek < 0 || nWeek >= SCHEDULE_WEEKS)
        return false;
    for (int nTeam : {static_cast<int>(pGame->nAwayTeam), static_cast<int>(pGame->nHomeTeam)})
        if (nTeam <= LAST_TEAM && Get_Calendar_PBP_Flag(nTeam, nWeek))
            return true;
    return false;
}

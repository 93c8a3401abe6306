// Players leaving the game: the retirement test, the Hall Of Fame vote and
// the career score it weighs.
#include "season/retirement.h"

#include <algorithm>
#include <cstdint>

#include "base/random.h"
#include "frontoffice/hall_of_fame.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "platform/ui.h"
#include "season/player_development.h"
#include "season/player_value.h"

namespace {

constexpr int QUOTA_EXTRA_YEARS = 3;
constexpr int HALL_MINIMUM_SEASONS = 10;
constexpr int HALL_BALANCE_MEMBERS = 10;       // the balance and rate rules start above this
constexpr int HALL_MAXIMUM_RATE = 5000;        // inductions a year, per mille
constexpr int HALL_MOST_BALANCE = 2000;        // per mille: a position short of its share
constexpr int HALL_THRESHOLD = 75;
constexpr int HALL_SCORE_KNEE = 95;
constexpr int HALL_SCORE_MAXIMUM = 100;
constexpr int ERA_YEAR = 2000;                 // earlier careers weigh more
constexpr int LONG_CAREER_SEASONS = 12;

constexpr int HALL_POSITION_SHARE[NUMBER_OF_POSITIONS] = {
    190, 70, 25, 55, 110, 40, 40, 20, 80, 50, 140, 55, 75, 35, 15,
};

// Defensive production factors in percent, DE to S.
constexpr int DEFENSE_FACTOR[] = {220, 200, 165, 210, 185};

int Base_Position(int nTeam, int nSlot)
{
    const int nCode = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    return nCode >= POSITION_ANY ? Translate_Expanded_Position(nCode) : nCode;
}

// The retirement box is for the user's own club only: never in an
// all-computer run, and never for a club the computer runs (the free agents
// and the pools included), so a headless season never waits on it.
bool Is_User_Club(int nTeam)
{
    if (Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0)
        return false;
    if (nTeam != Get_Selected_Team() || nTeam < 0 || nTeam >= MAX_FRANCHISES)
        return false;
    return Is_Team_Slot_Used(nTeam) && Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER;
}

int64_t Long_Career(int64_t x, int64_t nSeasons, int nFactor, int nBase)
{
    if (nSeasons > LONG_CAREER_SEASONS)
        return Mul_Div_Rounded_64(x, nFactor, nSeasons + nBase);
    return x;
}

}  // namespace

int Get_Hall_Of_Fame_Position_Share(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return 0;
    return HALL_POSITION_SHARE[nPosition];
}

int Get_Hall_Of_Fame_Balance(int nPosition, int64_t nAtPosition, int64_t nMembers)
{
    const int64_t nShare = Get_Hall_Of_Fame_Position_Share(nPosition);
    if (nMembers <= 0 || nShare <= 0)
        return 1000;
    // The position's share of the hall against the share it should have:
    // 1000 x (share x members) / (1000 x members there), at most 1500.
    if (nAtPosition <= 0)
        return HALL_MOST_BALANCE;
    const int64_t nFactor = Get_Rounded_Product(nShare, nMembers, nAtPosition);
    return static_cast<int>(std::min<int64_t>(nFactor, HALL_MOST_BALANCE));
}

int Get_Career_Score(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || Get_Player_ID(nTeam, nSlot) == 0)
        return 0;
    auto C = [&](int nCode) { return static_cast<int64_t>(Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, nCode)); };
    const int nPosition = Base_Position(nTeam, nSlot);
    const int64_t S = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED);
    int64_t x = 0;
    switch (Get_Position_Unit(nPosition)) {
    case UNIT_BACKS:
        x = (22 * C(STAT_RUSHING_YARDS) + 5) / 10 + 3 * C(STAT_RECEIVING_YARDS) + 60 * C(STAT_RUSHING_TOUCHDOWNS) +
            100 * C(STAT_RECEIVING_TOUCHDOWNS);
        if (nPosition == POSITION_QB) {
            x += C(STAT_PASSING_YARDS) + 30 * C(STAT_PASSING_TOUCHDOWNS);
            x = (x * C(STAT_CODE_PASSER_RATING) + 425) / 850;
        } else if (Is_Player_Back_Or_Receiver(nTeam, nSlot)) {
            x += 60 * C(STAT_KICK_RETURN_TOUCHDOWNS) + 50 * C(STAT_PUNT_RETURN_TOUCHDOWNS);
        }
        x = Long_Career(x, S, 27, 15);
        if (nPosition == POSITION_TE)
            x = (130 * x + 50) / 100;
        return static_cast<int>(x / 600);
    case UNIT_LINE: {
        const int64_t p = std::max<int64_t>(0, S - Get_User_Preference(PREF_SEASON_INDEX));
        x = 70 * C(STAT_GAMES_PLAYED) + 70 * C(STAT_GAMES_STARTED);
        x = Mul_Div_Rounded_64(x, 100 * p - 100 + C(STAT_CODE_YARDS_PER_RUSH), 100 * (p + 3)) - 400 * p -
            C(STAT_CODE_SACKS_ALLOWED);
        x = Long_Career(x, S, 27, 15);
        if (nPosition == POSITION_T || nPosition == POSITION_G)
            x = (90 * x + 50) / 100;
        return static_cast<int>(x / 360);
    }
    case UNIT_DEFENSE:
        x = Get_Player_Production_Value(nTeam, nSlot, STAT_PERIOD_CAREER);
        if (nPosition == POSITION_CB || nPosition == POSITION_S) {
            const int64_t b = C(302) + C(303);
            x += b > 100 ? b - 50 : b / 2;
        }
        x = (x * DEFENSE_FACTOR[nPosition - POSITION_DE] + 50) / 100;
        if (nPosition == POSITION_CB || nPosition == POSITION_S)
            x += 60 * C(STAT_KICK_RETURN_TOUCHDOWNS) + 50 * C(STAT_PUNT_RETURN_TOUCHDOWNS);
        x = Long_Career(x, S, 22, 10);
        return static_cast<int>(x / 920);
    case UNIT_KICKERS:
        x = (C(STAT_CODE_FIELD_GOALS_MADE) + C(STAT_FIELD_GOALS_MADE_BAND_1) - C(STAT_FIELD_GOAL_ATTEMPTS_BAND_1) +
             C(STAT_FIELD_GOALS_MADE_BAND_2) - C(STAT_FIELD_GOAL_ATTEMPTS_BAND_2) + C(STAT_FIELD_GOALS_MADE_BAND_4)) /
                3 +
            C(STAT_PUNT_YARDS) / 35 - C(STAT_PUNTS);
        x = Long_Career(x, S, 27, 15);
        return static_cast<int>(x / 5);
    default:
        return 0;
    }
}

int Check_Hall_Of_Fame_Induction(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || Get_Player_ID(nTeam, nSlot) == 0)
        return 0;
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED) < HALL_MINIMUM_SEASONS)
        return 0;
    int64_t s = static_cast<int64_t>(Get_Career_Score(nTeam, nSlot)) +
                3 * Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_CHAMPIONSHIPS);
    const int64_t y = Get_Current_Year();
    if (y < ERA_YEAR)
        s = Get_Rounded_Product(s, 2200 - y, 200);

    // No career counts for more than the best the hall stores (105 is
    // stored as 100), so that the balance below can hold a position whose
    // figures run far beyond the others' to its share.
    s = std::min<int64_t>(s, HALL_SCORE_KNEE + 2 * (HALL_SCORE_MAXIMUM - HALL_SCORE_KNEE));
    const int64_t n = Count_Hall_Of_Fame_Members();
    if (n > HALL_BALANCE_MEMBERS) {
        const int nPosition = Base_Position(nTeam, nSlot);
        const int64_t c = Count_Team_Position_Players(HALL_OF_FAME_TEAM, nPosition);
        s = Mul_Div_Rounded_64(s, Get_Hall_Of_Fame_Balance(nPosition, c, n), 1000);
        const int64_t k = y + 1 - Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_LONGEVITY);
        const int64_t nRate = Get_Rounded_Product(n, 1000, k);
        if (nRate > HALL_MAXIMUM_RATE)
            s = Mul_Div_Rounded_64(s, HALL_MAXIMUM_RATE, nRate);
    }
    if (s < HALL_THRESHOLD)
        return 0;
    if (s > HALL_SCORE_KNEE)
        s = HALL_SCORE_KNEE + (s - HALL_SCORE_KNEE) / 2;
    return Add_Player_To_Hall_Of_Fame(nTeam, nSlot, static_cast<int>(std::min<int64_t>(s, HALL_SCORE_MAXIMUM))) ? 1 : 0;
}

void Retire_Player(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || Get_Player_ID(nTeam, nSlot) == 0)
        return;
    const int nAge = Get_Player_Age(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PEAK_START, nAge - Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED));
    const int bInducted = Check_Hall_Of_Fame_Induction(nTeam, nSlot);
    if (Is_User_Club(nTeam)) {
        char szName[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(nTeam, nSlot, szName);
        Show_Formatted_Message("Retiring Player", "%s is retiring from football at the age of %d.", szName, nAge);
    }
    if (bInducted) {
        // The hall's copy shares his season lines, so they stay.
        Clear_Player(nTeam, nSlot);
        Shift_Roster_Over_Slot(nTeam, nSlot);
    } else {
        Remove_Player_From_Roster(nTeam, nSlot);
    }
}

int Check_Player_Retirement(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || Get_Player_ID(nTeam, nSlot) == 0)
        return 0;
    const int64_t a = Get_Player_Age(nTeam, nSlot);
    const int64_t v = Get_Player_Value(nTeam, nSlot);
    int64_t L = Get_Position_Decline_Age(Base_Position(nTeam, nSlot));
    if (Is_Player_Within_Position_Quota(nTeam, nSlot))
        L += QUOTA_EXTRA_YEARS;
    if (a < L)
        return 0;
    if (v + 2000 >= (a - L) * 1000)
        return 0;
    Retire_Player(nTeam, nSlot);
    return 1;
}

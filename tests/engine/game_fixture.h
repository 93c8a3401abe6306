// A small league of two clubs for whole-game tests and benchmarks: rated
// players made through the player generator and the record accessors, the
// default playbooks, both returners, a stadium, and the preferences of a
// running simulation in week 0. Shared by the game driver tests and
// bench/game_bench.cpp.
#pragma once

#include <cstring>

#include "../league/league_fixture.h"
#include "base/random.h"
#include "engine/game_driver.h"
#include "engine/game_log.h"
#include "engine/game_report.h"
#include "engine/offense_calling.h"
#include "engine/playbooks.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "season/injuries.h"
#include "season/player_generation.h"

namespace game_fixture {

constexpr int AWAY_TEAM = 0;
constexpr int HOME_TEAM = 1;
constexpr int FIXTURE_WEEK = 0;
constexpr int SEASON_WEEKS = 17;

// A 46-man roster: positions in slot order.
constexpr int ROSTER[] = {
    POSITION_QB, POSITION_QB, POSITION_RB, POSITION_RB, POSITION_RB, POSITION_FB,
    POSITION_TE, POSITION_TE, POSITION_TE, POSITION_WR, POSITION_WR, POSITION_WR,
    POSITION_WR, POSITION_WR, POSITION_T,  POSITION_T,  POSITION_T,  POSITION_G,
    POSITION_G,  POSITION_G,  POSITION_C,  POSITION_C,  POSITION_DE, POSITION_DE,
    POSITION_DE, POSITION_DE, POSITION_DT, POSITION_DT, POSITION_DT, POSITION_LB,
    POSITION_LB, POSITION_LB, POSITION_LB, POSITION_LB, POSITION_CB, POSITION_CB,
    POSITION_CB, POSITION_CB, POSITION_CB, POSITION_S,  POSITION_S,  POSITION_S,
    POSITION_S,  POSITION_K,  POSITION_P,  POSITION_LB,
};
constexpr int ROSTER_SIZE = sizeof(ROSTER) / sizeof(ROSTER[0]);

// The ratings that make a player at each position.
inline bool Is_Fixture_Key_Rating(int nPosition, int nRating)
{
    switch (nPosition) {
    case POSITION_QB:
        return nRating >= RATING_ACCURACY && nRating <= RATING_MOBILITY;
    case POSITION_RB:
    case POSITION_WR:
        return (nRating >= RATING_SPEED && nRating <= RATING_PUNT_RETURNS) || nRating == RATING_PASS_BLOCKING;
    case POSITION_FB:
    case POSITION_TE:
        return (nRating >= RATING_SPEED && nRating <= RATING_HANDS) || nRating == RATING_PASS_BLOCKING ||
               nRating == RATING_RUN_BLOCKING;
    case POSITION_T:
    case POSITION_G:
    case POSITION_C:
        return nRating >= RATING_PASS_BLOCKING && nRating <= RATING_DISCIPLINE;
    case POSITION_CB:
    case POSITION_S:
        if (nRating == RATING_KICK_RETURNS || nRating == RATING_PUNT_RETURNS)
            return true;
        [[fallthrough]];
    case POSITION_DE:
    case POSITION_DT:
    case POSITION_LB:
        return nRating >= RATING_RUN_DEFENSE && nRating <= RATING_TACKLING;
    case POSITION_K:
        return nRating == RATING_FG_ACCURACY || nRating == RATING_FG_DISTANCE;
    case POSITION_P:
        return nRating == RATING_PUNT_ACCURACY || nRating == RATING_PUNT_DISTANCE;
    default:
        return false;
    }
}

// The engine's recorded games rest on clubs of a fixed make, whatever the
// league's own player generator does: plain position profiles scaled to
// 70 x fFactor (50-95).
inline void Rate_Fixture_Player(int nTeam, int nSlot, int nPosition, float fFactor)
{
    for (int nRating = 0; nRating < NUMBER_OF_RATINGS; ++nRating) {
        int nValue;
        if (nRating == RATING_HEALTH || nRating == RATING_DURABILITY)
            nValue = 60 + Get_Random_Below(31);
        else if (Is_Fixture_Key_Rating(nPosition, nRating))
            nValue = 45 + Get_Random_Below(41);
        else
            nValue = 25 + Get_Random_Below(36);
        Set_Player_Rating(nTeam, nSlot, nRating, static_cast<float>(nValue));
    }
    float fTarget = 70.0f * fFactor;
    if (!(fTarget >= 50.0f))
        fTarget = 50.0f;
    if (fTarget > 95.0f)
        fTarget = 95.0f;
    Scale_Player_To_Overall(nTeam, nSlot, fTarget);
}

// A positive ID drawn at random that no other player holds.
inline int Make_Fixture_Player_Id(int nTeam, int nSlot)
{
    for (;;) {
        const int nID = static_cast<int>(Generate_Random_Number() & 0x0FFFFFFFu);
        bool bTaken = nID == 0;
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS && !bTaken; ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM && !bTaken; ++s)
                bTaken = (t != nTeam || s != nSlot) && League.Team[t].Player[s].nVital[VITAL_PLAYER_ID] == nID;
        if (!bTaken)
            return nID;
    }
}

// Starters near an average starter, backups weaker; the club's strength
// factor moves everyone.
inline void Build_Generated_Club(int nTeam, float fStrength)
{
    int nSeen[POSITION_P + 1] = {};
    for (int s = 0; s < ROSTER_SIZE; ++s) {
        const int nPosition = ROSTER[s];
        Clear_Player(nTeam, s);
        Set_Player_Vital_Stat(nTeam, s, VITAL_POSITION, nPosition);
        const float fDepth = nSeen[nPosition]++ == 0 ? 1.0f : 0.88f;
        Rate_Fixture_Player(nTeam, s, nPosition, fStrength * fDepth);
        Set_Player_Vital_Stat(nTeam, s, VITAL_PLAYER_ID, Make_Fixture_Player_Id(nTeam, s));
        Set_Player_Vital_Stat(nTeam, s, VITAL_INJURY, -1);
    }
    Set_Team_Returner(nTeam, RETURNER_KICKOFF, 11);
    Set_Team_Returner(nTeam, RETURNER_PUNT, 36);
    Build_Team_Default_Playbook(nTeam);
    Set_Team_Stat(nTeam, TEAM_STAT_RUN_PASS_BALANCE, 10);
    Set_Team_Stat(nTeam, TEAM_STAT_OFFENSIVE_SYSTEM, nTeam % 4);
    Set_Team_Stat(nTeam, TEAM_STAT_DEFENSE_ALIGNMENT, 0);
    League.Team[nTeam].nStadiumStat[STADIUM_STAT_CAPACITY] = 65000;
}

// The whole league: zeroed, two clubs from seed nSeed, the preferences of a
// running simulation in week 0 with overtime rule nOvertimeRule.
inline void Build_Two_Team_League(uint32_t nSeed, int nOvertimeRule = 1)
{
    Zero_League_Data();
    Seed_Random_Numbers(nSeed);
    Use_Franchises(2);
    Set_Regular_Season_Weeks(SEASON_WEEKS);
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2020);
    Set_Universe_Stat(GAMES_PER_SEASON, SEASON_WEEKS);
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 999);
    // The engine's checks and calibration are of play without injuries: the
    // fixture's rosters are too thin to replace a hurt player.
    Set_Injury_Frequency(-100);
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, FIXTURE_WEEK);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_User_Preference(PREF_PLAYING_GAMES, 0);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME, 1);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, nOvertimeRule);
    Set_User_Preference(PREF_PLAYOFF_OVERTIME_RULE, nOvertimeRule);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 10);
    Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 0);
    Set_User_Preference(PREF_TWO_POINT_TRIES, 1);
    Build_Generated_Club(AWAY_TEAM, 1.0f);
    Build_Generated_Club(HOME_TEAM, 1.03f);
}

// Plays game record 0 between the two clubs from seed nSeed (drawn after
// the league was built) and returns Play_Game's result.
int Play_Fixture_Game(uint32_t nSeed);

}  // namespace game_fixture

#include "engine/play_game.h"

inline int game_fixture::Play_Fixture_Game(uint32_t nSeed)
{
    Seed_Random_Numbers(nSeed);
    Clear_Game_Log_Texts();
    Clear_Game_Report_Html();
    return Play_Game(HOME_TEAM, AWAY_TEAM, FIXTURE_WEEK, &League.Game[0]);
}

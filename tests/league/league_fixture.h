// League-building helpers shared by the league tests: franchises in use,
// season records, game records, players, season lines and the hand-made club
// of the strength and rank tests. Players are placed through Clear_Player, so
// a new record is exactly what the record operations leave.
#pragma once

#include <cstdint>
#include <cstring>

#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/team.h"

// Franchise slots 0 .. nTeams - 1 run by the computer, the others not in
// use; the league's team count follows.
inline void Use_Franchises(int nTeams)
{
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = t < nTeams ? CONTROLLER_COMPUTER : CONTROLLER_NOT_IN_USE;
    Count_Teams();
}

// Day 0 of the season calendar: the number of regular-season weeks, which is
// also the first playoff week (counted from 0).
inline void Set_Regular_Season_Weeks(int nWeeks)
{
    League.StandingsArea.nPlayoffDay[0] = nWeeks;
}

// Wins, losses and ties of one season (0 the current one).
inline void Set_Season_Record(int nTeam, int nSeason, int nWins, int nLosses, int nTies)
{
    League.Team[nTeam].bYearly[nSeason][YEARLY_WINS] = static_cast<int8_t>(nWins);
    League.Team[nTeam].bYearly[nSeason][YEARLY_LOSSES] = static_cast<int8_t>(nLosses);
    League.Team[nTeam].bYearly[nSeason][YEARLY_TIES] = static_cast<int8_t>(nTies);
}

// A game record between two teams with its score; at the final whistle
// unless a clock is given.
inline GAME& Put_Game(int n, int nAway, int nHome, int nAwayScore, int nHomeScore, int nWeek = 0,
                      int nClock = SECONDS_OF_REGULATION)
{
    GAME& Game = League.Game[n];
    Game.nAwayTeam = static_cast<uint8_t>(nAway);
    Game.nHomeTeam = static_cast<uint8_t>(nHome);
    Game.nScore[GAME_SIDE_AWAY] = nAwayScore;
    Game.nScore[GAME_SIDE_HOME] = nHomeScore;
    Game.nClock = static_cast<int16_t>(nClock);
    Game.nWeek = static_cast<int16_t>(nWeek);
    return Game;
}

// A cleared record holding player nID and nothing else.
inline PLAYER& Put_Bare_Player(int nTeam, int nSlot, int nID)
{
    Clear_Player(nTeam, nSlot);
    PLAYER& Player = League.Team[nTeam].Player[nSlot];
    Player.nVital[VITAL_PLAYER_ID] = nID;
    return Player;
}

// Player nID at a position, every rating fRating.
inline PLAYER& Put_Player(int nTeam, int nSlot, int nID, int nPosition, float fRating = 70.0f)
{
    PLAYER& Player = Put_Bare_Player(nTeam, nSlot, nID);
    Player.nVital[VITAL_POSITION] = nPosition;
    for (float& fValue : Player.fRating)
        fValue = fRating;
    return Player;
}

// Season line nLine cleared, then stamped with its year, level, team and
// games played (statistic 0).
inline void Stamp_Season_Line(int nLine, int nYear, int nLevel, int nTeam, int nGames)
{
    std::memset(League.SeasonLines[nLine], 0, sizeof(League.SeasonLines[nLine]));
    League.SeasonLines[nLine][0] = nYear;
    League.SeasonLines[nLine][1] = nLevel;
    League.SeasonLines[nLine][2] = nTeam;
    League.SeasonLines[nLine][3] = nGames;
}

inline bool Is_Season_Line_Zero(int nLine)
{
    for (int32_t nWord : League.SeasonLines[nLine]) {
        if (nWord != 0)
            return false;
    }
    return true;
}

// The hand-made club, in roster-slot order (no fullback). Every player has
// every rating 70 except Speed 73 (so that no composite lands on a whole
// number), the kicker's field-goal ratings 71, the first receiver's Kick
// Returns 61 (he returns kick-offs) and the first corner's Punt Returns 57
// (he returns punts).
constexpr int HAND_MADE_CLUB[] = {
    POSITION_QB, POSITION_RB, POSITION_RB, POSITION_TE, POSITION_TE,                  // 0-4
    POSITION_WR, POSITION_WR, POSITION_WR, POSITION_WR, POSITION_WR,                  // 5-9
    POSITION_T, POSITION_T, POSITION_G, POSITION_G, POSITION_C,                       // 10-14
    POSITION_DE, POSITION_DE, POSITION_DT, POSITION_DT,                               // 15-18
    POSITION_LB, POSITION_LB, POSITION_LB, POSITION_LB,                               // 19-22
    POSITION_CB, POSITION_CB, POSITION_S, POSITION_S, POSITION_K, POSITION_P,         // 23-28
};
constexpr int HAND_MADE_CLUB_SIZE = sizeof(HAND_MADE_CLUB) / sizeof(HAND_MADE_CLUB[0]);

// A club player: ID 1000 x (team + 1) + slot + 1, every rating 70 but Speed
// 73, set through Set_Player_Rating.
inline void Add_Club_Player(int nTeam, int nSlot, int nPosition)
{
    Put_Bare_Player(nTeam, nSlot, 1000 * (nTeam + 1) + nSlot + 1).nVital[VITAL_POSITION] = nPosition;
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(nTeam, nSlot, r, 70.0f);
    Set_Player_Rating(nTeam, nSlot, RATING_SPEED, 73.0f);
}

// The hand-made club from slot 0; without its quarterback every later player
// moves up a slot.
inline void Build_Hand_Made_Club(int nTeam, bool bQuarterback = true)
{
    int nSlot = 0;
    for (int nPosition : HAND_MADE_CLUB) {
        if (nPosition == POSITION_QB && !bQuarterback)
            continue;
        Add_Club_Player(nTeam, nSlot, nPosition);
        if (nPosition == POSITION_K) {
            Set_Player_Rating(nTeam, nSlot, RATING_FG_ACCURACY, 71.0f);
            Set_Player_Rating(nTeam, nSlot, RATING_FG_DISTANCE, 71.0f);
        }
        ++nSlot;
    }
    const int nReceiver = Find_Team_Position_Player(nTeam, POSITION_WR, 0);
    const int nCorner = Find_Team_Position_Player(nTeam, POSITION_CB, 0);
    Set_Player_Rating(nTeam, nReceiver, RATING_KICK_RETURNS, 61.0f);
    Set_Player_Rating(nTeam, nCorner, RATING_PUNT_RETURNS, 57.0f);
    Set_Team_Returner(nTeam, RETURNER_KICKOFF, nReceiver);
    Set_Team_Returner(nTeam, RETURNER_PUNT, nCorner);
}

// Crediting a game's statistics.

#include "engine/game_stats.h"

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/playbook_records.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/standings_keys.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "platform/errors.h"

namespace {

constexpr int STORED_STAT_COUNT = 20;
constexpr int NO_FIGURE = -1;

// Team-totals group of a base position: quarterbacks, the other backs,
// receivers and linemen, defenders, kickers and punters.
int Get_Totals_Group(int nPosition)
{
    if (nPosition == POSITION_QB)
        return TOTALS_QUARTERBACKS;
    if (nPosition >= POSITION_RB && nPosition <= POSITION_C)
        return TOTALS_BACKS;
    if (nPosition >= POSITION_DE && nPosition <= POSITION_S)
        return TOTALS_DEFENSE;
    if (nPosition == POSITION_K || nPosition == POSITION_P)
        return TOTALS_KICKERS;
    return -1;
}

// The box-score figure each stored statistic feeds, by team-totals group.
constexpr int FIGURE_OF_STAT[4][STORED_STAT_COUNT] = {
    // backs and receivers: rushes, rushing yards, receptions, receiving
    // yards, and every touchdown kind in e4
    {-1, -1, -1, -1, -1, -1, -1, 0, 1, 4, 2, 3, 4, -1, -1, -1, 4, -1, -1, 4},
    // defence: sacks, interceptions, tackles, assists, touchdowns
    {-1, -1, 2, 3, 0, -1, -1, 1, -1, 4, -1, -1, -1, -1, -1, -1, 4, -1, -1, 4},
    // kickers and punters
    {-1, -1, -1, -1, -1, -1, -1, -1, 0, 1, 2, 3, 2, 3, 2, 3, 2, 3, -1, -1},
    // quarterbacks: attempts, completions, interceptions, yards, touchdowns
    {-1, -1, 0, 1, 4, 2, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1},
};

// Player-of-the-game weights of e0-e4.
constexpr int SCORE_QUARTERBACK[GAME_FIGURE_COUNT] = {-2, 5, 1, 45, -25};
constexpr int SCORE_BACK[GAME_FIGURE_COUNT] = {0, 2, 5, 3, 45};
constexpr int SCORE_DEFENDER[GAME_FIGURE_COUNT] = {20, 75, 6, 3, 45};
constexpr int SCORE_KICKER[GAME_FIGURE_COUNT] = {10, 2, 40, 15, 0};
constexpr int SCORE_NONE[GAME_FIGURE_COUNT] = {0, 0, 0, 0, 0};

const int* Get_Score_Weights(int nPosition)
{
    if (nPosition == POSITION_QB)
        return SCORE_QUARTERBACK;
    if (nPosition >= POSITION_RB && nPosition <= POSITION_WR)
        return SCORE_BACK;
    if (nPosition >= POSITION_DE && nPosition <= POSITION_S)
        return SCORE_DEFENDER;
    if (nPosition == POSITION_K)
        return SCORE_KICKER;
    return SCORE_NONE;
}

// Whether the unit filter lets a player of this position and unit be credited.
bool Unit_Filter_Passes(int nUnit, int nPosition, int nPlayerUnit)
{
    if (nUnit >= UNIT_BACKS && nUnit <= UNIT_KICKERS)
        return nUnit == nPlayerUnit;
    if (nUnit == UNIT_FILTER_PLAYMAKERS)
        return nPosition != POSITION_QB && nPlayerUnit != UNIT_LINE && nPlayerUnit != UNIT_KICKERS;
    return true;
}

// The first of a side's game roster entries holding the ID, or -1.
int Find_Roster_Entry(const int32_t (&nRosterID)[GAME_ROSTER_SIZE], int nID)
{
#if defined(__SSE2__)
    // Four entries a compare; the lowest set bit is the first match.
    static_assert(GAME_ROSTER_SIZE % 4 == 0, "whole groups of four");
    const __m128i Key = _mm_set1_epi32(nID);
    for (int i = 0; i < GAME_ROSTER_SIZE; i += 4) {
        const __m128i IDs = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&nRosterID[i]));
        const int nMatches = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(IDs, Key)));
        if (nMatches != 0)
            return i + __builtin_ctz(static_cast<unsigned>(nMatches));
    }
#else
    for (int i = 0; i < GAME_ROSTER_SIZE; ++i)
        if (nRosterID[i] == nID)
            return i;
#endif
    return -1;
}

// The rushing and receiving statistics (7-12): what a play from scrimmage
// gains for whoever carries or catches the ball.
bool Is_Scrimmage_Stat(int nCode)
{
    return nCode >= STAT_RUSHING_ATTEMPTS && nCode <= STAT_RECEIVING_TOUCHDOWNS;
}

void Add_To_Team_Totals(int nTeam, int nCategory, int nCode, int nValue)
{
    if (nTeam == NO_TEAM)
        return;
    Add_To_Team_Totals_Stat(nTeam, nCategory, nCode, nValue);
}

}  // namespace

void Increment_Player_Stat(int nTeam, int nSlot, int nCode, int nValue)
{
    if (!Is_Valid_Team(nTeam)) {
        Report_Error("Invalid nTeam in %s(%d,%d,%d,%d)", __func__, nTeam, nSlot, nCode, nValue);
        return;
    }
    // Playoff games count for the clubs and the box score, not the players' lines.
    if (Get_User_Preference(PREF_CURRENT_WEEK) >= std::max(Get_First_Playoff_Week(), 2))
        return;
    Add_To_Player_Current_Stats(nTeam, nSlot, nCode, nValue);
}

void Credit_Game_Player_Stat(GAME* pGame, int nTeam, int nSlot, int nUnit, int nCode, int nValue)
{
    if (!pGame)
        return;
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (nCode < 0 || nCode >= STORED_STAT_COUNT) {
        Report_Error("Invalid nStat in %s(pGame,%d,%d,%d,[%d],%d)", __func__, nTeam, nSlot, nUnit, nCode, nValue);
        return;
    }
    const int nPosition = Get_Player_Position(nTeam, nSlot);
    const int bSide = nTeam == pGame->nHomeTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
    const int nOpponent = bSide == GAME_SIDE_HOME ? pGame->nAwayTeam : pGame->nHomeTeam;

    const int nPlayerUnit = Get_Position_Unit(nPosition);
    const bool bTry = Is_Conversion_Attempt(pGame) && pGame->CurrentPlay.nOffenseCall != HARD_CODED_FIELD_GOAL_PLAY;
    if (!Unit_Filter_Passes(nUnit, nPosition, nPlayerUnit)) {
        // A defender, lineman or kicker standing in for a back or receiver
        // keeps no figure of his own (his statistics mean other things), but
        // his carries and catches are his club's, as the box score shows them.
        if (nUnit == UNIT_BACKS && Is_Scrimmage_Stat(nCode) && !bTry) {
            Add_To_Team_Totals(nTeam, TOTALS_BACKS, nCode, nValue);
            Add_To_Team_Totals(nOpponent, TOTALS_BACKS + TOTALS_OPPONENTS, nCode, nValue);
        }
        return;
    }
    if (bTry)
        return;

    // An injured player still gets his game played, nothing else of his own.
    const bool bLines = nCode == 0 || Get_Player_Injury_Weeks(nTeam, nSlot) <= 0;
    if (bLines)
        Increment_Player_Stat(nTeam, nSlot, nCode, nValue);

    if (nPlayerUnit == UNIT_LINE)
        return;
    const int nGroup = Get_Totals_Group(nPosition);
    if (nGroup < 0)
        return;
    Add_To_Team_Totals(nTeam, nGroup, nCode, nValue);
    Add_To_Team_Totals(nOpponent, nGroup + TOTALS_OPPONENTS, nCode, nValue);

    const int nFigure = FIGURE_OF_STAT[nGroup][nCode];
    if (bLines && nFigure != NO_FIGURE)
        Add_Player_Game_Stat(pGame, bSide, nSlot, nFigure, nValue);
}

void Add_Player_Game_Stat(GAME* pGame, int bTeam, int nSlot, int nFigure, int nValue)
{
    if (!pGame)
        return;
    if (bTeam < GAME_SIDE_AWAY || bTeam > GAME_SIDE_HOME) {
        Report_Error("Invalid bTeam in %s(pGame,[%d],%d,%d,%d)", __func__, bTeam, nSlot, nFigure, nValue);
        return;
    }
    if (nFigure < 0 || nFigure >= GAME_FIGURE_COUNT) {
        Report_Error("Invalid nStat in %s(pGame,%d,%d,[%d],%d)", __func__, bTeam, nSlot, nFigure, nValue);
        return;
    }
    const int i = Get_Game_Roster_Entry(pGame, bTeam, nSlot);
    if (i < 0)
        return;
    int16_t& nStat = pGame->nPlayerGameStat[bTeam][i][nFigure];
    // 16-bit as stored; it stops at either end instead of wrapping.
    nStat = static_cast<int16_t>(std::clamp<int64_t>(static_cast<int64_t>(nStat) + nValue, INT16_MIN, INT16_MAX));
}

int Get_Game_Roster_Entry(const GAME* pGame, int bSide, int nSlot)
{
    if (!pGame || (bSide != GAME_SIDE_AWAY && bSide != GAME_SIDE_HOME) || nSlot == NO_PLAYER)
        return -1;
    const int nID = Get_Player_ID(Side_Team(pGame, bSide), nSlot);
    return nID > 0 ? Find_Roster_Entry(pGame->nRosterID[bSide], nID) : -1;
}

void Credit_Rushing_Play(GAME* pGame, int nCarrierSlot, int nYards, int nDirection)
{
    if (!pGame)
        return;
    const int nTeam = Get_Game_Offense_Team(pGame);
    const int bSide = nTeam == pGame->nHomeTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
    Credit_Game_Player_Stat(pGame, nTeam, nCarrierSlot, UNIT_BACKS, 7, 1);
    Credit_Game_Player_Stat(pGame, nTeam, nCarrierSlot, UNIT_BACKS, 8, nYards);

    static constexpr int BLOCKING_PLACES[3][2] = {{6, 7}, {7, 9}, {9, 10}};
    if (nDirection < RUN_DIRECTION_LEFT || nDirection > RUN_DIRECTION_RIGHT) {
        Report_Error("Invalid nDirection in %s(pGame,%d,%d,[%d])", __func__, nCarrierSlot, nYards, nDirection);
    } else {
        for (int p = BLOCKING_PLACES[nDirection][0]; p <= BLOCKING_PLACES[nDirection][1]; ++p) {
            const int nSlot = pGame->nOnField[bSide][p];
            if (nSlot == NO_PLAYER)
                continue;
            Credit_Game_Player_Stat(pGame, nTeam, nSlot, UNIT_LINE, 7, 1);
            Credit_Game_Player_Stat(pGame, nTeam, nSlot, UNIT_LINE, 8, nYards);
        }
    }
    // Increment_Game_Team_Total leaves a conversion try out by itself.
    Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_RUSHES, 1);
    Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_RUSHING_YARDS, nYards);
}

int Get_Player_Game_Score(const GAME* pGame, int bTeam, int i)
{
    if (!pGame || bTeam < GAME_SIDE_AWAY || bTeam > GAME_SIDE_HOME || i < 0 || i >= GAME_ROSTER_SIZE)
        return 0;
    const int nID = pGame->nRosterID[bTeam][i];
    PLAYER_LOCATION Where{};
    if (nID <= 0 || !Find_Player_By_ID(&Where, nID))
        return 0;
    const int* pWeight = Get_Score_Weights(Get_Player_Position(Where.nTeam, Where.nSlot));
    int nScore = 0;
    for (int k = 0; k < GAME_FIGURE_COUNT; ++k)
        nScore += pGame->nPlayerGameStat[bTeam][i][k] * pWeight[k];
    return nScore;
}

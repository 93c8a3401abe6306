// The game and play records: the pre-snap reset, the readers of the clock,
// the possession and the result, and the per-game box statistics.
#include "league/game_record.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/game_state.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "platform/errors.h"

namespace {

// Game roster entries the box-score readers look at (0-50).
constexpr int LAST_BOX_SCORE_ENTRY = 50;

// Team bytes from this value on never play a game of their own.
constexpr int FIRST_NON_FRANCHISE_TEAM = FREE_AGENT_TEAM;

const char* const RESULT_WORD[LAST_PLAY_RESULT + 1] = {
    "Pass",              // 0 pass incomplete
    "Pass",              // 1 pass complete
    "Interception",      // 2 pass intercepted
    "Sack",              // 3 quarterback sacked
    "Pass",              // 4 pass knocked down
    "Sack",              // 5 fumble recovered (pass or sack)
    "Pass",              // 6 touchdown pass
    "Interception",      // 7 interception returned for a touchdown
    "Safety",            // 8 safety
    "Rush",              // 9 run to the left
    "Rush",              // 10 run up the middle
    "Rush",              // 11 run to the right
    "Rush",              // 12 touchdown run
    "Fumble",            // 13 fumble recovered (run)
    "Fumble",            // 14 fumble returned for a touchdown
    "Field Goal",        // 15 field goal good
    "Missed Field Goal", // 16 field goal missed
    "Punt Return",       // 17 punt returned or fair caught
    "Punt Return",       // 18 punt touchback
    "Punt Return",       // 19 punt returned for a touchdown
    "Punt Return",       // 20 punt muffed and recovered
    "Kickoff",           // 21 kick-off returned
    "Kickoff",           // 22 kick-off touchback
    "Kickoff",           // 23 kick-off returned for a touchdown
    "Kickoff",           // 24 kick-off return fumbled
    "Kickoff",           // 25 onside kick kept by the kicking team
    "Kickoff",           // 26 onside kick recovered by the receiving team
    "Point After",       // 27 extra point good
    "Point After",       // 28 extra point missed
    "Conversion",        // 29 two-point conversion good
    "Conversion",        // 30 two-point conversion failed
    "Penalty",           // 31 penalty (no play)
};
static_assert(sizeof(RESULT_WORD) / sizeof(RESULT_WORD[0]) == RESULT_PENALTY + 1);

// Whether a position code fits a top-player category.
bool Position_Fits_Category(int nPosition, int nCategory)
{
    if (nCategory == 0)
        return nPosition == 0;
    if (nCategory >= 1 && nCategory <= 4)
        return nPosition >= 1 && nPosition <= 4;
    if (nCategory >= 8 && nCategory <= 12)
        return nPosition >= 8 && nPosition <= 12;
    if (nCategory == 13)
        return nPosition == 13;
    // 15 and above, and the negative "all positions" of the page templates
    // (-1, or -100 for a parameter left out).
    return nCategory >= 15 || nCategory < 0;
}

// The position of the player who held game roster entry nSlot of team nTeam.
// Roster moves after kick-off shift slots, so the slot is trusted only while
// it still holds the same ID; otherwise the player is looked up by his ID,
// and only a player found nowhere falls back to the slot's position.
int Get_Game_Roster_Position(int nTeam, int nSlot, int nPlayerID)
{
    const PLAYER& Slot = League.Team[nTeam].Player[nSlot];
    if (Slot.nVital[VITAL_PLAYER_ID] == nPlayerID)
        return Slot.nVital[VITAL_POSITION];
    PLAYER_LOCATION Where;
    if (Find_Player_By_ID(&Where, nPlayerID) && Where.nTeam < TOTAL_NUMBER_OF_TEAMS &&
        Where.nSlot < PLAYERS_PER_TEAM)
        return League.Team[Where.nTeam].Player[Where.nSlot].nVital[VITAL_POSITION];
    return Slot.nVital[VITAL_POSITION];
}

}  // namespace

// ---------------------------------------------------------------------------
// Result byte

void Set_Play_Result(PLAY* pPlay, int nResult)
{
    if (!pPlay)
        return;
    if (nResult < 0 || nResult > RESULT_UNDECIDED) {
        Report_Error("nResult out of bounds in %s(pPlay,[%d])", __func__, nResult);
        return;
    }
    pPlay->bResult = static_cast<uint8_t>((pPlay->bResult & 1) | (nResult << 1));
}

void Set_Play_Home_Bit(PLAY* pPlay, int bHome)
{
    if (!pPlay)
        return;
    pPlay->bResult = static_cast<uint8_t>((pPlay->bResult & 0xFE) | (bHome & 1));
}

const char* Get_Play_Result_Word(int nResult)
{
    if (nResult < 0 || nResult > LAST_PLAY_RESULT)
        return "";
    return RESULT_WORD[nResult];
}

bool Is_Play_From_Scrimmage(const PLAY* pPlay)
{
    if (!pPlay)
        return false;
    const int nResult = Get_Play_Result(pPlay);
    if (nResult <= LAST_SCRIMMAGE_RESULT)
        return true;
    if (nResult <= LAST_PLAY_RESULT)
        return false;
    Write_Debug_Log("Unhandled PLAY_RESULT in Is_Play_From_Scrimmage()");
    return false;
}

// ---------------------------------------------------------------------------
// The play being run

void Start_Play_Record(GAME* pGame)
{
    if (!pGame)
        return;
    PLAY& Play = pGame->CurrentPlay;
    std::memset(&Play, 0, sizeof(Play));
    pGame->nDown &= ~GAME_DOWN_FLAGS_CHANGED_HANDS;
    pGame->nPlaySeconds = 0;
    pGame->nPlayYards = 0;
    Play.bResult = static_cast<uint8_t>(RESULT_UNDECIDED << 1);   // home bit 0
    Play.nPlayer1 = -1;
    Play.nPlayer2 = -1;
    Play.nYard1 = 0;
    Play.nYard2 = 0;
    Play.nOffenseCall = PLAY_NOT_CALLED;
    Play.nDefenseCall = PLAY_NOT_CALLED;
    for (NARRATION_ENTRY& Entry : Play.Narration)
        Entry.bEvent = NARRATION_ENTRY_FREE;
}

// ---------------------------------------------------------------------------
// Clock and possession

int Get_Game_Quarter(const GAME* pGame)
{
    if (!pGame)
        return 0;
    // A damaged negative clock counts as the start of the game.
    const int nClock = pGame->nClock < 0 ? 0 : pGame->nClock;
    if (nClock <= SECONDS_OF_REGULATION) {
        int nQuarter = nClock / SECONDS_PER_QUARTER + 1;
        // The try after a touchdown on the last play still belongs to the quarter.
        if ((nClock == SECONDS_AT_HALF_TIME || nClock == SECONDS_OF_REGULATION) &&
            Is_Conversion_Attempt(pGame))
            nQuarter--;
        return nQuarter;
    }
    // Never 0: Get_Overtime_Period_Length guards a damaged preference.
    const int nLength = Get_Overtime_Period_Length(pGame);
    return (nClock - SECONDS_OF_REGULATION) / nLength + 5;
}

int Get_Game_Offense_Team(const GAME* pGame)
{
    return pGame ? pGame->nOffense : 0;
}

int Get_Game_Defense_Team(const GAME* pGame)
{
    if (!pGame)
        return 0;
    return pGame->nOffense == pGame->nHomeTeam ? pGame->nAwayTeam : pGame->nHomeTeam;
}

bool Is_Home_Team_On_Offense(const GAME* pGame)
{
    return pGame && pGame->nOffense == pGame->nHomeTeam;
}

int Get_Game_Winner(const GAME* pGame)
{
    if (!pGame)
        return 0;
    const int32_t nAway = pGame->nScore[GAME_SIDE_AWAY];
    const int32_t nHome = pGame->nScore[GAME_SIDE_HOME];
    if (nAway > nHome)
        return pGame->nAwayTeam;
    if (nHome > nAway)
        return pGame->nHomeTeam;
    // Level: the home team leads until the game is over and the tie stands.
    return Is_Game_Over(pGame) ? NO_TEAM : pGame->nHomeTeam;
}

// ---------------------------------------------------------------------------
// Box statistics of the players

int Get_Game_Player_Stat(const GAME* pGame, int bTeam, int nSlot, int nFigure)
{
    if (!pGame)
        return 0;
    if (bTeam < 0 || bTeam > GAME_SIDE_HOME) {
        Report_Error("bTeam out of bounds in %s(pGame,[%d],%d,%d)", __func__, bTeam, nSlot, nFigure);
        return 0;
    }
    if (nSlot < 0 || nSlot > LAST_BOX_SCORE_ENTRY) {
        Report_Error("nSlot out of bounds in %s(pGame,%d,[%d],%d)", __func__, bTeam, nSlot, nFigure);
        return 0;
    }
    if (nFigure < 0 || nFigure >= GAME_PLAYER_FIGURES) {
        Report_Error("nFigure out of bounds in %s(pGame,%d,%d,[%d])", __func__, bTeam, nSlot, nFigure);
        return 0;
    }
    // A record not in use (both bytes 0) or not between two franchises.
    if (pGame->nAwayTeam >= FIRST_NON_FRANCHISE_TEAM || pGame->nHomeTeam >= FIRST_NON_FRANCHISE_TEAM ||
        pGame->nAwayTeam == pGame->nHomeTeam)
        return 0;
    return pGame->nPlayerGameStat[bTeam][nSlot][nFigure];
}

int Get_Game_Top_Player(const GAME* pGame, int nFigure, int nCategory, int bTeam)
{
    if (!pGame)
        return -1;
    if (bTeam < 0 || bTeam > GAME_SIDE_HOME) {
        Report_Error("bTeam out of bounds in %s(pGame,%d,%d,[%d])", __func__, nFigure, nCategory, bTeam);
        return -1;
    }
    if (nFigure < 0 || nFigure >= GAME_PLAYER_FIGURES) {
        Report_Error("nFigure out of bounds in %s(pGame,[%d],%d,%d)", __func__, nFigure, nCategory, bTeam);
        return -1;
    }
    if ((nCategory >= 5 && nCategory <= 7) || nCategory == 14)
        return -1;
    const int nTeam = bTeam == GAME_SIDE_HOME ? pGame->nHomeTeam : pGame->nAwayTeam;
    if (nTeam >= TOTAL_NUMBER_OF_TEAMS)
        return -1;

    int nBestValue = 0;
    int nBestID = -1;
    // Every place: a backup who came in late sits far down the game roster.
    for (int nSlot = 0; nSlot < GAME_ROSTER_SIZE; nSlot++) {
        const int nValue = pGame->nPlayerGameStat[bTeam][nSlot][nFigure];
        const int nPlayerID = pGame->nRosterID[bTeam][nSlot];
        if (nValue <= nBestValue || nPlayerID <= 0)
            continue;
        if (!Position_Fits_Category(Get_Game_Roster_Position(nTeam, nSlot, nPlayerID), nCategory))
            continue;
        nBestValue = nValue;
        nBestID = nPlayerID;
    }
    return nBestID;
}

// ---------------------------------------------------------------------------
// Per-game team counters and totals

void Increment_Game_Team_Stat(GAME* pGame, int bTeam, int nStat)
{
    if (!pGame)
        return;
    if (bTeam < 0 || bTeam > GAME_SIDE_HOME) {
        Report_Error("Invalid bTeam passed to %s(pGame,[%d],nStat,nAmount", __func__, bTeam);
        return;
    }
    if (nStat < 0 || nStat >= GAME_TEAM_STATS) {
        Report_Error("Invalid nStat passed to %s(pGame,bTeam,[%d],nAmount", __func__, nStat);
        return;
    }
    if (Is_Conversion_Attempt(pGame) && nStat != GAME_STAT_RED_ZONE_TOUCHDOWNS)
        return;
    // A byte counter stops at its top instead of wrapping to 0.
    if (pGame->bTeamStat[bTeam][nStat] < UINT8_MAX)
        pGame->bTeamStat[bTeam][nStat]++;
}

void Set_Game_Team_Stat(GAME* pGame, int bTeam, int nStat, int nValue)
{
    if (!pGame)
        return;
    if (bTeam < 0 || bTeam > GAME_SIDE_HOME) {
        Report_Error("Invalid bTeam passed to %s(pGame,[%d],nStat,nValue", __func__, bTeam);
        return;
    }
    if (nStat < 0 || nStat >= GAME_TEAM_STATS) {
        Report_Error("Invalid nStat passed to %s(pGame,bTeam,[%d],nValue", __func__, nStat);
        return;
    }
    pGame->bTeamStat[bTeam][nStat] = static_cast<uint8_t>(std::clamp(nValue, 0, static_cast<int>(UINT8_MAX)));
}

void Increment_Game_Team_Total(GAME* pGame, int bTeam, int nStat, int nAmount)
{
    if (!pGame)
        return;
    if (bTeam < 0 || bTeam > GAME_SIDE_HOME) {
        Report_Error("Invalid bTeam passed to %s(pGame,[%d],nStat,nAmount", __func__, bTeam);
        return;
    }
    if (nStat < 0 || nStat >= GAME_TEAM_TOTALS) {
        Report_Error("Invalid nStat passed to %s(pGame,bTeam,[%d],nAmount", __func__, nStat);
        return;
    }
    if (Is_Conversion_Attempt(pGame))
        return;
    // The 16-bit total is read as signed (yards may be negative); it stops
    // at either end of that range instead of wrapping.
    const int64_t nSum = static_cast<int16_t>(pGame->nTeamTotal[bTeam][nStat]) + static_cast<int64_t>(nAmount);
    pGame->nTeamTotal[bTeam][nStat] = static_cast<uint16_t>(static_cast<int16_t>(std::clamp<int64_t>(nSum, INT16_MIN, INT16_MAX)));
}

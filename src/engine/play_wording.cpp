#include "engine/play_wording.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/text_utils.h"
#include "engine/game_report.h"
#include "engine/game_state.h"
#include "league/league_data.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/team.h"

namespace {

const char* const PENALTY_NAMES[PENALTY_KINDS] = {
    "Encroachment",        "Illegal Contact",   "Defensive Holding",  "Roughing The Passer",
    "Roughing The Kicker", "Unnecessary Roughness", "Pass Interference", "Offensive Offsides",
    "False Start",         "Illegal Motion",    "Offensive Pass Interference", "Offensive Holding",
    "Intentional Grounding", "Clipping",        "Block In The Back",  "Unnecessary Roughness",
};

constexpr int FIRST_TEAM_WITHOUT_NAME = 37;

// Formats into the caller's buffer of nSize bytes, cutting a text that does
// not fit; a zero-sized buffer is left alone.
void Say(char* szBuffer, size_t nSize, const char* szFormat, ...) KELVO_PRINTF(3, 4);
void Say(char* szBuffer, size_t nSize, const char* szFormat, ...)
{
    if (nSize == 0)
        return;
    std::va_list Args;
    va_start(Args, szFormat);
    std::vsnprintf(szBuffer, nSize, szFormat, Args);
    va_end(Args);
}

// Whether the first (nWhich 1) or second player of a logged play of this
// result was on the side without the ball at the snap: the interceptor, the
// defender who knocked a pass down, a recoverer of a fumble, the returner of
// a kick, a tackler, a sacker, or a player flagged for a defensive foul
// (nPenaltyKind).
bool Is_Other_Sides_Part(int nResult, int nWhich, int nPenaltyKind)
{
    if (nWhich == 1) {
        switch (nResult) {
        case RESULT_PASS_INTERCEPTED:
        case RESULT_PASS_KNOCKED_DOWN:
        case RESULT_SACK_FUMBLE_LOST:
        case RESULT_INTERCEPTION_TOUCHDOWN:
        case RESULT_RUN_FUMBLE_LOST:
        case RESULT_FUMBLE_RETURN_TOUCHDOWN:
        case RESULT_PUNT_RETURNED:
        case RESULT_PUNT_RETURN_TOUCHDOWN:
        case RESULT_PUNT_MUFFED:
        case RESULT_KICKOFF_RETURNED:
        case RESULT_KICKOFF_RETURN_TOUCHDOWN:
        case RESULT_KICKOFF_RETURN_FUMBLE:
            return true;
        case RESULT_PENALTY:
            return Is_Defensive_Penalty(nPenaltyKind);
        default:
            return false;
        }
    }
    switch (nResult) {
    case RESULT_SACKED:
    case RESULT_SAFETY:
    case RESULT_RUN_LEFT:
    case RESULT_RUN_MIDDLE:
    case RESULT_RUN_RIGHT:
    case RESULT_TOUCHDOWN_RUN:
        return true;
    default:
        return false;
    }
}

// The side the first (nWhich 1) or second player of a logged play was on:
// the side whose game roster holds his ID, else the side his part in the
// play puts him on.
int Named_Player_Side(const GAME* pGame, const PLAY* pPlay, int nWhich)
{
    const int nID = nWhich == 1 ? pPlay->nPlayer1 : pPlay->nPlayer2;
    for (int s = 0; pGame && nID > 0 && s < 2; ++s)
        for (int i = 0; i < GAME_ROSTER_SIZE; ++i)
            if (pGame->nRosterID[s][i] == nID)
                return s;
    const int nOffense = Get_Play_Home_Bit(pPlay);
    return Is_Other_Sides_Part(Get_Play_Result(pPlay), nWhich, pPlay->nYard2) ? 1 - nOffense : nOffense;
}

// The name that stands for the first (nWhich 1) or second player of a logged
// play: his last name, else, when he is none or no longer exists, the city of
// his own club (the side he was on).
void Summary_Name(const GAME* pGame, const PLAY* pPlay, int nWhich, char* szName, int nSize)
{
    const int nPlayerID = nWhich == 1 ? pPlay->nPlayer1 : pPlay->nPlayer2;
    PLAYER_LOCATION Where;
    if (nPlayerID > 0 && Find_Player_By_ID(&Where, nPlayerID)) {
        Get_Player_Last_Name(Where.nTeam, Where.nSlot, szName, static_cast<size_t>(nSize));
        return;
    }
    const int nTeam = pGame ? Side_Team(pGame, Named_Player_Side(pGame, pPlay, nWhich)) : NO_TEAM;
    szName[0] = '\0';
    if (nTeam == ALL_TEAMS)
        Format_Text_Bounded(szName, nSize, "%s", "NFL Average");
    else if (nTeam != NO_TEAM && nTeam < FIRST_TEAM_WITHOUT_NAME) {
        char szString[TEXT_BUFFER_SIZE];
        Get_Team_String(szString, nTeam, TEAM_STRING_CITY);
        Format_Text_Bounded(szName, nSize, "%s", szString);
    }
}

// The team abbreviation (team string 0); "" for no team.
std::string Abbreviation(int nTeam)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM ? Get_Team_Text(nTeam, TEAM_STRING_ABBREVIATION) : std::string();
}

}  // namespace

void Get_Penalty_Name(int nPenalty, char* szBuffer, size_t nSize)
{
    if (!szBuffer || nSize == 0)
        return;
    Say(szBuffer, nSize, "%s", nPenalty >= 0 && nPenalty < PENALTY_KINDS ? PENALTY_NAMES[nPenalty] : "");
}

void Write_Play_Summary_Sentence(const GAME* pGame, const PLAY* pPlay, char* szBuffer, size_t nSize)
{
    if (!szBuffer || nSize == 0)
        return;
    szBuffer[0] = '\0';
    if (!pPlay) {
        Report_Error("No play in %s(pGame,[pPlay],szBuffer)", __func__);
        return;
    }
    const int nResult = Get_Play_Result(pPlay);
    char A[TEXT_BUFFER_SIZE];
    char B[TEXT_BUFFER_SIZE];
    Summary_Name(pGame, pPlay, 1, A, sizeof(A));
    Summary_Name(pGame, pPlay, 2, B, sizeof(B));
    const int y = pPlay->nYard1;
    const int r = pPlay->nYard2;
    if (std::abs(y) > 100 && nResult != RESULT_FIELD_GOAL_MISSED)
        Report_Error("Write_Play_Summary_Sentence: pPlay->nYard1 = %d", y);

    switch (nResult) {
    case RESULT_PASS_INCOMPLETE:
        Say(szBuffer, nSize, "%s incomplete to %s", B, A);
        break;
    case RESULT_PASS_COMPLETE:
        if (y > 0)
            Say(szBuffer, nSize, "%s %d-yard pass to %s", B, y, A);
        else if (y == 0)
            Say(szBuffer, nSize, "%s pass to %s for no gain", B, A);
        else
            Say(szBuffer, nSize, "%s pass to %s for (%d-yard loss)", B, A, -y);
        break;
    case RESULT_PASS_INTERCEPTED:
        Say(szBuffer, nSize, "Pass to %s intercepted by %s", B, A);
        break;
    case RESULT_SACKED:
        Say(szBuffer, nSize, "%s sacked by %s for %d-yard loss", A, B, -y);
        break;
    case RESULT_PASS_KNOCKED_DOWN:
        Say(szBuffer, nSize, "Pass to %s knocked down by %s", B, A);
        break;
    case RESULT_SACK_FUMBLE_LOST:
    case RESULT_RUN_FUMBLE_LOST:
        Say(szBuffer, nSize, "%s fumble recovered by %s", B, A);
        break;
    case RESULT_TOUCHDOWN_PASS:
        Say(szBuffer, nSize, "%s %d-yard TD pass to %s", B, y, A);
        break;
    case RESULT_INTERCEPTION_TOUCHDOWN:
        Say(szBuffer, nSize, "%s returns interception for a TD!", A);
        break;
    case RESULT_SAFETY:
        Say(szBuffer, nSize, "%s tackled by %s for a safety", A, B);
        break;
    case RESULT_RUN_LEFT:
    case RESULT_RUN_MIDDLE:
    case RESULT_RUN_RIGHT: {
        static const char* const DIRECTIONS[3] = {"left", "up the middle", "right"};
        const char* d = DIRECTIONS[nResult - RESULT_RUN_LEFT];
        if (y >= 2)
            Say(szBuffer, nSize, "%s rushes %s for %d yards", A, d, y);
        else if (y == 1)
            Say(szBuffer, nSize, "%s rushes %s for 1 yard", A, d);
        else if (y == 0)
            Say(szBuffer, nSize, "%s rushes %s for no gain", A, d);
        else
            Say(szBuffer, nSize, "%s rushes %s for a %d-yard loss", A, d, -y);
        break;
    }
    case RESULT_TOUCHDOWN_RUN:
        Say(szBuffer, nSize, "%s %d-yard TD run!", A, y);
        break;
    case RESULT_FUMBLE_RETURN_TOUCHDOWN:
        Say(szBuffer, nSize, "%s fumble recovered by %s for TD", B, A);
        break;
    case RESULT_FIELD_GOAL_GOOD:
        Say(szBuffer, nSize, "%s kicks %d-yard FG", A, y);
        break;
    case RESULT_FIELD_GOAL_MISSED:
        Say(szBuffer, nSize, "%s misses %d-yard FG", A, y);
        break;
    case RESULT_PUNT_RETURNED:
        if (r != 0)
            Say(szBuffer, nSize, "%d-yard punt returned %d yards by %s", y, r, A);
        else
            Say(szBuffer, nSize, "%d-yard punt - Fair catch by %s", y, A);
        break;
    case RESULT_PUNT_TOUCHBACK:
        Say(szBuffer, nSize, "Punt went into endzone for a touchback");
        break;
    case RESULT_PUNT_RETURN_TOUCHDOWN:
        Say(szBuffer, nSize, "Punt returned by %s for a TD!", A);
        break;
    case RESULT_PUNT_MUFFED:
        Say(szBuffer, nSize, "%s fumbles punt - %s recovers", A, B);
        break;
    case RESULT_KICKOFF_RETURNED:
        if (r < 50)
            Say(szBuffer, nSize, "%s returns kickoff to opponent's %d!", A, r);
        else
            Say(szBuffer, nSize, "%s returns kickoff %d yards to his %d", A, y, 100 - r);
        break;
    case RESULT_KICKOFF_TOUCHBACK:
        Say(szBuffer, nSize, "Kickoff downed in endzone for a touchback");
        break;
    case RESULT_KICKOFF_RETURN_TOUCHDOWN:
        Say(szBuffer, nSize, "%s returned kickoff for a TD!", A);
        break;
    case RESULT_KICKOFF_RETURN_FUMBLE:
        Say(szBuffer, nSize, "Kickoff return fumbled by %s -- %s recovers", A, B);
        break;
    case RESULT_ONSIDE_KICK_KEPT:
    case RESULT_ONSIDE_KICK_LOST: {
        char szTeam[TEXT_BUFFER_SIZE];
        Get_Team_Short_Name(pGame ? pGame->nOffense : 0, szTeam);
        Say(szBuffer, nSize,
            nResult == RESULT_ONSIDE_KICK_KEPT ? "Onside kick recovered by %s!" : "Onside kick recovered by %s", szTeam);
        break;
    }
    case RESULT_EXTRA_POINT_GOOD:
        Say(szBuffer, nSize, "%s kicked the extra point", A);
        break;
    case RESULT_EXTRA_POINT_MISSED:
        Say(szBuffer, nSize, "%s missed the extra point", A);
        break;
    case RESULT_TWO_POINT_GOOD:
        Say(szBuffer, nSize, "2-pt conversion successful (%s)", A);
        break;
    case RESULT_TWO_POINT_FAILED:
        Say(szBuffer, nSize, "2-pt conversion failed (%s)", A);
        break;
    case RESULT_PENALTY: {
        char szName[TEXT_BUFFER_SIZE];
        Get_Penalty_Name(r, szName, sizeof(szName));
        if (szName[0] >= 'a' && szName[0] <= 'z')
            szName[0] = static_cast<char>(szName[0] - 'a' + 'A');
        Say(szBuffer, nSize, "%s (%s): %d yards", szName, A, y);
        break;
    }
    default:
        Say(szBuffer, nSize, "UNHANDLED nResult (%d) in PLAY", nResult);
        break;
    }
}

void Format_Game_Clock(const GAME* pGame, int bZeroAtStart, char* szBuffer, size_t nSize)
{
    if (!szBuffer || nSize == 0)
        return;
    int nLeft = 0;
    int nWhole = SECONDS_PER_QUARTER;
    if (pGame) {
        const int nClock = pGame->nClock < 0 ? 0 : pGame->nClock;
        if (nClock < SECONDS_OF_REGULATION || (nClock == SECONDS_OF_REGULATION && Is_Conversion_Attempt(pGame))) {
            nLeft = SECONDS_PER_QUARTER * Get_Game_Quarter(pGame) - nClock;
        } else {
            nWhole = Get_Overtime_Period_Length(pGame);
            nLeft = nWhole - (nClock - SECONDS_OF_REGULATION) % nWhole;
        }
    }
    if (bZeroAtStart && nLeft == nWhole)
        nLeft = 0;
    Say(szBuffer, nSize, "%d:%02d", nLeft / 60, nLeft % 60);
}

void Format_Play_Clock(const GAME* pGame, char* szBuffer, size_t nSize)
{
    Format_Game_Clock(pGame, pGame && Is_Conversion_Attempt(pGame) ? 1 : 0, szBuffer, nSize);
}

int Get_Play_Clock_Period(const GAME* pGame)
{
    if (!pGame)
        return 1;
    int nClock = pGame->nClock < 0 ? 0 : pGame->nClock;
    const int nLength = Get_Overtime_Period_Length(pGame);
    const bool bBoundary = nClock < SECONDS_OF_REGULATION ? nClock % SECONDS_PER_QUARTER == 0
                                                           : (nClock - SECONDS_OF_REGULATION) % nLength == 0;
    // The try after a touchdown as the period ran out: the period's last second.
    if (nClock > 0 && bBoundary && Is_Conversion_Attempt(pGame))
        --nClock;
    if (nClock < SECONDS_OF_REGULATION)
        return nClock / SECONDS_PER_QUARTER + 1;
    return (nClock - SECONDS_OF_REGULATION) / nLength + 5;
}

void Format_Scoreboard_Clock(const GAME* pGame, char* szBuffer, size_t nSize)
{
    if (!szBuffer || nSize == 0)
        return;
    static const char* const QUARTERS[4] = {"1st", "2nd", "3rd", "4th"};
    const int nPeriod = Get_Play_Clock_Period(pGame);
    char szPeriod[16];
    if (nPeriod <= 4)
        Say(szPeriod, sizeof(szPeriod), "%s", QUARTERS[nPeriod - 1]);
    else if (nPeriod == 5)
        Say(szPeriod, sizeof(szPeriod), "OT");
    else
        Say(szPeriod, sizeof(szPeriod), "OT%d", nPeriod - 4);
    char szClock[16];
    Format_Play_Clock(pGame, szClock, sizeof(szClock));
    Say(szBuffer, nSize, "%s %s", szPeriod, szClock);
}

void Format_Ball_Spot(const GAME* pGame, char* szBuffer, size_t nSize)
{
    if (!szBuffer || nSize == 0)
        return;
    if (!pGame) {
        Say(szBuffer, nSize, "%s", "");
        return;
    }
    const int S = pGame->nYardLine;
    if (S == 50) {
        Say(szBuffer, nSize, "(--  50)");
        return;
    }
    const std::string Team = Abbreviation(S > 50 ? Get_Game_Offense_Team(pGame) : Get_Game_Defense_Team(pGame));
    Say(szBuffer, nSize, "(%-3s %2d)", Team.c_str(), S > 50 ? 100 - S : S);
}

void Format_Down_And_Distance(const GAME* pGame, char* szBuffer, size_t nSize, int bLong)
{
    if (!szBuffer || nSize == 0)
        return;
    const int nDown = Get_Game_Down_Code(pGame);
    if (!pGame) {
        Say(szBuffer, nSize, "%s", "----");
    } else if (nDown >= FIRST_DOWN_CODE && nDown <= FOURTH_DOWN_CODE) {
        if (pGame->nToGo < pGame->nYardLine)
            Say(szBuffer, nSize, "%d-%d", nDown + 1, pGame->nToGo);
        else
            Say(szBuffer, nSize, "%d-G", nDown + 1);
    } else if (nDown == KICKOFF_DOWN) {
        Say(szBuffer, nSize, "%s", bLong ? "Kickoff" : "KICK");
    } else if (nDown == SAFETY_KICK_DOWN) {
        Say(szBuffer, nSize, "%s", bLong ? "Free Kick" : "KICK");
    } else if (nDown == CONVERSION_ATTEMPT) {
        Say(szBuffer, nSize, "%s", bLong ? "Conversion" : "CONV");
    } else {
        Say(szBuffer, nSize, "%s", "----");
    }
}

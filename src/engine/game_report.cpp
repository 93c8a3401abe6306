#include "engine/game_report.h"

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "base/html_text.h"
#include "engine/game_stats.h"
#include "engine/play_wording.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

bool g_bPagesEnabled = true;
std::string g_Report;

// A page text past this size stops growing; far beyond any real game.
constexpr size_t PAGE_TEXT_LIMIT = 8u << 20;
bool g_bReportFullLogged = false;

constexpr const char* TABLE_OPENER =
    "<TABLE class=table1 cellSpacing=0 cellPadding=0 align=\"center\" width=970><TBODY>";


// Game figures of a quarterback and a defender.
constexpr int QB_ATTEMPTS = 0;
constexpr int QB_COMPLETIONS = 1;
constexpr int QB_YARDS = 2;
constexpr int QB_TOUCHDOWNS = 3;
constexpr int QB_INTERCEPTIONS = 4;
constexpr int DEF_HALF_SACKS = 0;
constexpr int DEF_INTERCEPTIONS = 1;
constexpr int DEF_TACKLES = 2;
constexpr int DEF_ASSISTS = 3;
constexpr int DEF_TOUCHDOWNS = 4;

void Append_To_Report(const std::string& Text)
{
    if (g_Report.size() + Text.size() > PAGE_TEXT_LIMIT) {
        if (!g_bReportFullLogged)
            Report_Error("%s: the box score is full; later tables are left out", __func__);
        g_bReportFullLogged = true;
        return;
    }
    g_Report += Text;
}

bool Is_Valid_Side(int nSide)
{
    return nSide == GAME_SIDE_AWAY || nSide == GAME_SIDE_HOME;
}

int Logged_Plays(const GAME* pGame)
{
    return std::clamp<int>(pGame->nPlays, 0, PLAY_LOG_SIZE);
}

// The per-game totals are stored in 16 bits; yardage can run negative.
int Total(const GAME* pGame, int nSide, int k)
{
    return static_cast<int16_t>(pGame->nTeamTotal[nSide][k]);
}

int Byte_Stat(const GAME* pGame, int nSide, int k)
{
    return pGame->bTeamStat[nSide][k];
}

const char* Plural(int n)
{
    return n == 1 ? "" : "s";
}

std::string Number(int n)
{
    char szText[16];
    std::snprintf(szText, sizeof(szText), "%d", n);
    return szText;
}

std::string Number_Or_Empty(int n)
{
    return n ? Number(n) : std::string();
}

// "<TD class=lmc>%s</TD>"
void Append_Cell(std::string& Out, const std::string& Text)
{
    Append_Formatted(Out, "<TD class=lmc>%s</TD>", Text.c_str());
}

// The row opener, team, position and name cells shared by the player tables.
void Append_Player_Row_Start(std::string& Out, int nRow, int nTeam, int nSlot)
{
    Out += nRow % 2 == 0 ? "<TR class=\"highlight\">" : "<TR>";
    char szName[TEXT_BUFFER_SIZE];
    Get_Player_Full_Name(nTeam, nSlot, szName, sizeof(szName));
    Out += "<TD class=lml>";
    Append_Html_Escaped(Out, szName);
    Out += "</TD>\n";
    Append_Cell(Out, Html_Escaped(Get_Team_Text(nTeam, TEAM_STRING_ABBREVIATION).c_str()));
    char szPosition[TEXT_BUFFER_SIZE];
    Get_Player_Position_Name(szPosition, sizeof(szPosition), nTeam, nSlot);
    Append_Cell(Out, Html_Escaped(szPosition));
}

}  // namespace

// ---------------------------------------------------------------------------
// Team texts

int Get_Game_Side_Team(const GAME* pGame, int nSide)
{
    if (!pGame) {
        Report_Error("%s(null, %d)", __func__, nSide);
        return -1;
    }
    return nSide ? pGame->nHomeTeam : pGame->nAwayTeam;
}

std::string Get_Team_Text(int nTeam, int nString)
{
    char szText[TEXT_BUFFER_SIZE] = "";
    if (nTeam >= 0 && nTeam <= LAST_TEAM)
        Get_Team_String(szText, nTeam, nString);
    return szText;
}

// ---------------------------------------------------------------------------
// Switch and body text

void Set_Game_Pages_Enabled(bool bEnabled)
{
    g_bPagesEnabled = bEnabled;
}

bool Are_Game_Pages_Enabled()
{
    return g_bPagesEnabled;
}

const std::string& Get_Game_Report_Html()
{
    return g_Report;
}

void Clear_Game_Report_Html()
{
    g_Report.clear();
    g_bReportFullLogged = false;
}

void Append_Game_Report_Text(const char* szText)
{
    if (!g_bPagesEnabled || !szText)
        return;
    Append_To_Report(szText);
}

// ---------------------------------------------------------------------------
// Text helpers

void Append_Html_Escaped(std::string& Out, const char* szText)
{
    if (szText)
        Append_Escaped_Html(Out, szText);
}

std::string Html_Escaped(const char* szText)
{
    std::string Out;
    Append_Html_Escaped(Out, szText);
    return Out;
}

void Append_Formatted(std::string& Out, const char* szFormat, ...)
{
    char szLocal[1024];
    va_list Args;
    va_start(Args, szFormat);
    va_list Copy;
    va_copy(Copy, Args);
    const int n = std::vsnprintf(szLocal, sizeof(szLocal), szFormat, Args);
    va_end(Args);
    if (n < 0) {
        va_end(Copy);
        return;
    }
    if (static_cast<size_t>(n) < sizeof(szLocal)) {
        Out.append(szLocal, static_cast<size_t>(n));
    } else {
        std::vector<char> Long(static_cast<size_t>(n) + 1);
        std::vsnprintf(Long.data(), Long.size(), szFormat, Copy);
        Out.append(Long.data(), static_cast<size_t>(n));
    }
    va_end(Copy);
}

// ---------------------------------------------------------------------------
// Number texts

int Compute_Scaled_Ratio(int nTotal, int nDivisor, int nScale)
{
    if (nDivisor == 0)
        return 0;
    const long long nTop = static_cast<long long>(nScale) * nTotal + nDivisor / 2;
    long long v = nTop / nDivisor;
    if (nTop % nDivisor != 0 && (nTotal < 0) != (nDivisor < 0))
        --v;
    return static_cast<int>(v);
}

std::string Format_Tenths(int nTenths)
{
    char szText[32];
    const int nWhole = nTenths / 10;
    const int nTenth = nTenths % 10 < 0 ? -(nTenths % 10) : nTenths % 10;
    if (nTenths < 0 && nWhole == 0)
        std::snprintf(szText, sizeof(szText), "-%d.%01d", nWhole, nTenth);
    else
        std::snprintf(szText, sizeof(szText), "%d.%01d", nWhole, nTenth);
    return szText;
}

// ---------------------------------------------------------------------------
// Counting

int Get_Scoring_Side(const PLAY* pPlay)
{
    if (!pPlay)
        return GAME_SIDE_AWAY;
    const int nSide = Get_Play_Home_Bit(pPlay);
    switch (Get_Play_Result(pPlay)) {
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_SAFETY:
    case RESULT_FUMBLE_RETURN_TOUCHDOWN:
    case RESULT_PUNT_RETURN_TOUCHDOWN:
    case RESULT_KICKOFF_RETURN_TOUCHDOWN:
        return 1 - nSide;
    default:
        return nSide;
    }
}

bool Is_Scoring_Result(int nResult)
{
    // A missed try or conversion ends a scoring drive, so it is listed too.
    return Get_Result_Points(nResult) > 0 || nResult == RESULT_EXTRA_POINT_MISSED ||
           nResult == RESULT_TWO_POINT_FAILED;
}

int Get_Result_Points(int nResult)
{
    switch (nResult) {
    case RESULT_TOUCHDOWN_PASS:
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_TOUCHDOWN_RUN:
    case RESULT_FUMBLE_RETURN_TOUCHDOWN:
    case RESULT_PUNT_RETURN_TOUCHDOWN:
    case RESULT_KICKOFF_RETURN_TOUCHDOWN:
        return 6;
    case RESULT_FIELD_GOAL_GOOD:
        return 3;
    case RESULT_SAFETY:
    case RESULT_TWO_POINT_GOOD:
        return 2;
    case RESULT_EXTRA_POINT_GOOD:
        return 1;
    default:
        return 0;
    }
}

int Get_Player_Game_Stat(const GAME* pGame, int nSide, int nSlot, int nUnit, int k)
{
    if (!pGame || !Is_Valid_Side(nSide) || k < 0 || k >= GAME_PLAYER_FIGURES) {
        Report_Error("Bad argument in %s(pGame,%d,%d,%d,%d)", __func__, nSide, nSlot, nUnit, k);
        return 0;
    }
    const int nTeam = Get_Game_Side_Team(pGame, nSide);
    if (nTeam < 0 || nTeam > LAST_TEAM || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    if (Get_Player_Position_Unit(nTeam, nSlot) != nUnit)
        return 0;
    const int nID = Get_Player_ID(nTeam, nSlot);
    for (int i = 0; i < GAME_ROSTER_SIZE; ++i) {
        if (pGame->nRosterID[nSide][i] == nID)
            return pGame->nPlayerGameStat[nSide][i][k];
    }
    return 0;
}

namespace {

// Whose and which a play is for the counts of Count_Player_Play_Results.
enum PLAY_COUNT : int {
    COUNT_NONE,
    COUNT_COMPLETIONS,       // the passer's completions
    COUNT_TOUCHDOWN_PASSES,
    COUNT_RUSHES,
    COUNT_RUSHING_YARDS,
    COUNT_RUSHING_TOUCHDOWNS,
    COUNT_RECEPTIONS,
    COUNT_RECEIVING_YARDS,
    COUNT_TOUCHDOWN_RECEPTIONS,
    COUNT_FUMBLES,           // lost, by the player who fumbled
    COUNT_PASSES_DEFENSED,
    COUNT_RECOVERIES,
    COUNT_RETURN_TOUCHDOWNS, // interceptions and fumbles returned
};

PLAY_COUNT Play_Count_Of(int nMode, int nKind)
{
    if (nMode == 0) {
        switch (nKind) {
        case 3: return COUNT_COMPLETIONS;
        case 6: return COUNT_TOUCHDOWN_PASSES;
        case 7: return COUNT_RUSHES;
        case 8: return COUNT_RUSHING_YARDS;
        case 9: return COUNT_RUSHING_TOUCHDOWNS;
        case 10: return COUNT_RECEPTIONS;
        case 11: return COUNT_RECEIVING_YARDS;
        case 12: return COUNT_TOUCHDOWN_RECEPTIONS;
        case 13: return COUNT_FUMBLES;
        default: return COUNT_NONE;
        }
    }
    if (nMode == 2) {
        switch (nKind) {
        case 6: return COUNT_PASSES_DEFENSED;
        case 8: return COUNT_RECOVERIES;
        case 9: return COUNT_RETURN_TOUCHDOWNS;
        default: return COUNT_NONE;
        }
    }
    return COUNT_NONE;
}

// No player ID (slot 255 asks for ID -1).
constexpr int NOT_COUNTED = INT32_MIN;

// The player a logged play counts for in the box score (a carry fumbled or
// ending in a safety is its runner's rush, a catch ending in one its
// receiver's reception), or NOT_COUNTED; *pnValue the
// number it adds.
int Counted_Player(const PLAY& Play, PLAY_COUNT nCount, int* pnValue)
{
    const int nResult = Get_Play_Result(&Play);
    const bool bCarry = nResult == RESULT_RUN_FUMBLE_LOST ||
                        ((nResult == RESULT_FUMBLE_RETURN_TOUCHDOWN || nResult == RESULT_SAFETY) &&
                         Play.nYard2 == BALL_CARRIER_RUSHED);
    // The runner of a fumbled carry is the play's second player.
    const int nRunner = nResult >= RESULT_RUN_LEFT && nResult <= RESULT_TOUCHDOWN_RUN ? Play.nPlayer1
                        : !bCarry                                                     ? NOT_COUNTED
                        : nResult == RESULT_SAFETY                                    ? Play.nPlayer1
                                                                                      : Play.nPlayer2;
    *pnValue = 1;
    switch (nCount) {
    case COUNT_COMPLETIONS:
        return nResult == RESULT_PASS_COMPLETE || nResult == RESULT_TOUCHDOWN_PASS ? Play.nPlayer2 : NOT_COUNTED;
    case COUNT_TOUCHDOWN_PASSES:
        return nResult == RESULT_TOUCHDOWN_PASS ? Play.nPlayer2 : NOT_COUNTED;
    case COUNT_RUSHES:
        return nRunner;
    case COUNT_RUSHING_YARDS:
        *pnValue = Play.nYard1;
        return nRunner;
    case COUNT_RUSHING_TOUCHDOWNS:
        return nResult == RESULT_TOUCHDOWN_RUN ? Play.nPlayer1 : NOT_COUNTED;
    case COUNT_RECEIVING_YARDS:
        *pnValue = Play.nYard1;
        [[fallthrough]];
    case COUNT_RECEPTIONS:
        return nResult == RESULT_PASS_COMPLETE || nResult == RESULT_TOUCHDOWN_PASS ||
                       (nResult == RESULT_SAFETY && Play.nYard2 == BALL_CARRIER_CAUGHT)
                   ? Play.nPlayer1
                   : NOT_COUNTED;
    case COUNT_TOUCHDOWN_RECEPTIONS:
        return nResult == RESULT_TOUCHDOWN_PASS ? Play.nPlayer1 : NOT_COUNTED;
    case COUNT_FUMBLES:
        return nResult == RESULT_SACK_FUMBLE_LOST || nResult == RESULT_RUN_FUMBLE_LOST ||
                       nResult == RESULT_FUMBLE_RETURN_TOUCHDOWN
                   ? Play.nPlayer2
                   : NOT_COUNTED;
    case COUNT_PASSES_DEFENSED:
        return nResult == RESULT_PASS_KNOCKED_DOWN ? Play.nPlayer1 : NOT_COUNTED;
    case COUNT_RECOVERIES:
        return nResult == RESULT_SACK_FUMBLE_LOST || nResult == RESULT_RUN_FUMBLE_LOST ||
                       nResult == RESULT_FUMBLE_RETURN_TOUCHDOWN
                   ? Play.nPlayer1
                   : NOT_COUNTED;
    case COUNT_RETURN_TOUCHDOWNS:
        return nResult == RESULT_INTERCEPTION_TOUCHDOWN || nResult == RESULT_FUMBLE_RETURN_TOUCHDOWN ? Play.nPlayer1
                                                                                                    : NOT_COUNTED;
    default:
        return NOT_COUNTED;
    }
}

}  // namespace

int Count_Player_Play_Results(const GAME* pGame, int nSide, int nSlot, int nMode, int nKind)
{
    if (!pGame || !Is_Valid_Side(nSide)) {
        Report_Error("Bad argument in %s(pGame,%d,%d,%d,%d)", __func__, nSide, nSlot, nMode, nKind);
        return 0;
    }
    const int nTeam = Get_Game_Side_Team(pGame, nSide);
    if (nTeam < 0 || nTeam > LAST_TEAM)
        return 0;
    const PLAY_COUNT nCount = Play_Count_Of(nMode, nKind);
    if (nCount == COUNT_NONE)
        return 0;
    const int nID = nSlot == 255 ? -1 : Get_Player_ID(nTeam, nSlot);
    const int nWantSide = nMode == 0 ? nSide : 1 - nSide;
    int nTotal = 0;
    const int nPlays = Logged_Plays(pGame);
    for (int i = 0; i < nPlays; ++i) {
        const PLAY& Play = pGame->PlayLog[i];
        if (Get_Play_Home_Bit(&Play) != nWantSide)
            continue;
        int nValue = 0;
        if (Counted_Player(Play, nCount, &nValue) == nID)
            nTotal += nValue;
    }
    return nTotal;
}

GAME_PASSING_LINE Get_Player_Game_Passing(const GAME* pGame, int nSide, int nSlot)
{
    GAME_PASSING_LINE Line;
    if (!pGame || !Is_Valid_Side(nSide)) {
        Report_Error("Bad argument in %s(pGame,%d,%d)", __func__, nSide, nSlot);
        return Line;
    }
    Line.nAttempts = Get_Player_Game_Stat(pGame, nSide, nSlot, UNIT_QUARTERBACK, QB_ATTEMPTS);
    Line.nCompletions = Get_Player_Game_Stat(pGame, nSide, nSlot, UNIT_QUARTERBACK, QB_COMPLETIONS);
    Line.nYards = Get_Player_Game_Stat(pGame, nSide, nSlot, UNIT_QUARTERBACK, QB_YARDS);
    Line.nTouchdowns = Get_Player_Game_Stat(pGame, nSide, nSlot, UNIT_QUARTERBACK, QB_TOUCHDOWNS);
    Line.nInterceptions = Get_Player_Game_Stat(pGame, nSide, nSlot, UNIT_QUARTERBACK, QB_INTERCEPTIONS);

    const int nTeam = Get_Game_Side_Team(pGame, nSide);
    const int nID = nTeam >= 0 && nTeam <= LAST_TEAM && Is_Player_Slot_Used(nTeam, nSlot) ? Get_Player_ID(nTeam, nSlot)
                                                                                            : 0;
    const int nPlays = nID > 0 ? Logged_Plays(pGame) : 0;
    for (int i = 0; i < nPlays; ++i) {
        const PLAY& Play = pGame->PlayLog[i];
        const int nEntry = Get_Play_Other_Passer_Entry(&Play);
        if (nEntry < 0 || Get_Play_Home_Bit(&Play) != nSide || pGame->nRosterID[nSide][nEntry] != nID)
            continue;
        const int nResult = Get_Play_Result(&Play);
        // A catch downed in the passer's own end zone is a completion too.
        const bool bCompletion = nResult == RESULT_PASS_COMPLETE || nResult == RESULT_TOUCHDOWN_PASS ||
                                 (nResult == RESULT_SAFETY && Play.nYard2 == BALL_CARRIER_CAUGHT);
        const bool bInterception = nResult == RESULT_PASS_INTERCEPTED || nResult == RESULT_INTERCEPTION_TOUCHDOWN;
        if (bCompletion || bInterception || nResult == RESULT_PASS_INCOMPLETE || nResult == RESULT_PASS_KNOCKED_DOWN)
            ++Line.nAttempts;
        if (bCompletion) {
            ++Line.nCompletions;
            Line.nYards += Play.nYard1;
        }
        if (nResult == RESULT_TOUCHDOWN_PASS)
            ++Line.nTouchdowns;
        if (bInterception)
            ++Line.nInterceptions;
    }
    // At least the completions the log names him the passer of, whatever
    // his figures or the passer entries missed (a quarterback's figures do
    // count the catch that ended in a safety, which names the tackler).
    Line.nCompletions = std::max(Line.nCompletions, Count_Player_Play_Results(pGame, nSide, nSlot, 0, 3));
    Line.nAttempts = std::max(Line.nAttempts, Line.nCompletions);
    return Line;
}

int Count_Team_Play_Results(const GAME* pGame, int nSide, int nResult, std::string* pYards)
{
    if (!pGame || !Is_Valid_Side(nSide)) {
        Report_Error("Bad argument in %s(pGame,%d,%d)", __func__, nSide, nResult);
        return 0;
    }
    const bool bList = pYards && (nResult == RESULT_FIELD_GOAL_GOOD || nResult == RESULT_FIELD_GOAL_MISSED);
    int nCount = 0;
    const int nPlays = Logged_Plays(pGame);
    for (int i = 0; i < nPlays; ++i) {
        const PLAY& Play = pGame->PlayLog[i];
        if (Get_Play_Home_Bit(&Play) != nSide || Get_Play_Result(&Play) != nResult)
            continue;
        if (bList)
            Append_Formatted(*pYards, nCount == 0 ? " (%d" : ", %d", Play.nYard1);
        ++nCount;
    }
    if (bList && nCount > 0)
        *pYards += ")";
    return nCount;
}

void Get_Quarter_Label(const GAME* pGame, char* szBuffer, size_t nSize)
{
    if (!szBuffer || nSize == 0)
        return;
    static const char* const LABELS[5] = {"1st Q", "2nd Q", "3rd Q", "4th Q", "OT"};
    const int nClock = pGame ? pGame->nClock : 0;
    const int q = std::clamp((nClock - 1) / SECONDS_PER_QUARTER + 1, 1, 5);
    Format_Text_Bounded(szBuffer, static_cast<int>(std::min<size_t>(nSize, TEXT_BUFFER_SIZE)), "%s", LABELS[q - 1]);
}

// ---------------------------------------------------------------------------
// Writers

void Start_Scoring_Plays_Html_Table(const GAME* pGame)
{
    if (!g_bPagesEnabled || !pGame)
        return;
    std::string Out = TABLE_OPENER;
    Out += "<TR class=header0>\n";
    Out += "<TD colspan=5 class=ltl>Scoring Plays</TD>\n";
    Append_Formatted(Out, "<TD width=\"6%%\" class=ltc>%s</TD>\n",
                     Html_Escaped(Get_Team_Text(pGame->nAwayTeam, TEAM_STRING_ABBREVIATION).c_str()).c_str());
    Append_Formatted(Out, "<TD width=\"6%%\" class=ltr>%s</TD></TR>\n",
                     Html_Escaped(Get_Team_Text(pGame->nHomeTeam, TEAM_STRING_ABBREVIATION).c_str()).c_str());
    Append_To_Report(Out);
}

void Write_Scoring_Play_Html_Row(const GAME* pGame)
{
    if (!g_bPagesEnabled || !pGame)
        return;
    const PLAY* pPlay = &pGame->CurrentPlay;
    const int nSide = Get_Scoring_Side(pPlay);
    std::string Out;
    Append_Formatted(Out, "<TR class=%s>", nSide == GAME_SIDE_HOME ? "highlight" : "none");
    Append_Formatted(Out, "<TD width=\"6%%\" class=lml>%s</TD>\n",
                     Html_Escaped(Get_Team_Text(Get_Game_Side_Team(pGame, nSide), TEAM_STRING_ABBREVIATION).c_str()).c_str());
    char szText[TEXT_BUFFER_SIZE];
    Get_Quarter_Label(pGame, szText, sizeof(szText));
    Append_Formatted(Out, "<TD width=\"6%%\" class=lmc>%s</TD>", szText);
    Format_Game_Clock(pGame, 1, szText, sizeof(szText));
    Append_Formatted(Out, "<TD width=\"6%%\" class=lmc>%s</TD>", szText);
    Append_Formatted(Out, "<TD width=\"20%%\" class=lmc>%s</TD>", Get_Play_Result_Word(Get_Play_Result(pPlay)));
    Write_Play_Summary_Sentence(pGame, pPlay, szText, sizeof(szText));
    Append_Formatted(Out, "<TD width=\"50%%\" class=lmc>%s</TD>", Html_Escaped(szText).c_str());
    Append_Formatted(Out, "<TD width=\"6%%\" class=lmc>%d</TD>", pGame->nScore[GAME_SIDE_AWAY]);
    Append_Formatted(Out, "<TD width=\"6%%\" class=lmc>%d</TD></TR>", pGame->nScore[GAME_SIDE_HOME]);
    Append_To_Report(Out);
}

void Write_Box_Score_Team_Stats_Table(const GAME* pGame)
{
    if (!g_bPagesEnabled || !pGame)
        return;
    std::string Out = TABLE_OPENER;
    Out += "<TR class=header0>\n";
    Out += "<TD width=\"33%\" class=ltl>Team Stats</TD>\n";
    const int nAway = pGame->nAwayTeam;
    const int nHome = pGame->nHomeTeam;
    Append_Formatted(Out, "<TD width=\"34%%\" class=ltc>%s</TD>",
                     nAway > 37 ? "" : Html_Escaped(Get_Team_Text(nAway, TEAM_STRING_NICKNAME).c_str()).c_str());
    Append_Formatted(Out, "<TD width=\"33%%\" class=ltr>%s</TD></TR>",
                     nHome > 37 ? "" : Html_Escaped(Get_Team_Text(nHome, TEAM_STRING_NICKNAME).c_str()).c_str());

    static const char* const LABELS[16] = {
        "Plays From Scrimmage", "Rushing", "Pass Plays", "Passing", "Sacked", "Turnovers", "Fumbles", "Penalties",
        "Punts", "Punt Returns", "Kick Returns", "Field Goals", "Third Down", "Fourth Down", "Red Zone",
        "Time of Possession",
    };
    for (int nRow = 0; nRow < 16; ++nRow) {
        Out += nRow % 2 == 0 ? "<TR class=none>" : "<TR class=highlight>";
        Append_Formatted(Out, "<TD class=lml>%s</TD>\n", LABELS[nRow]);
        for (int s = 0; s < 2; ++s) {
            const int o = 1 - s;
            switch (nRow) {
            case 0:
                Append_Formatted(Out, "<TD class=lmc>%d (%d First Downs)</TD>", Byte_Stat(pGame, s, GAME_STAT_SCRIMMAGE_PLAYS),
                                 Total(pGame, s, GAME_TOTAL_FIRST_DOWNS));
                break;
            case 1: {
                const int n = Total(pGame, s, GAME_TOTAL_RUSHES);
                const int y = Total(pGame, s, GAME_TOTAL_RUSHING_YARDS);
                Append_Formatted(Out, "<TD class=lmc>%d for %d yards (%s avg)</TD>", n, y,
                                 Format_Tenths(Compute_Scaled_Ratio(y, n, 10)).c_str());
                break;
            }
            case 2: {
                const int c = Total(pGame, s, GAME_TOTAL_COMPLETIONS);
                const int a = Total(pGame, s, GAME_TOTAL_PASS_ATTEMPTS);
                Append_Formatted(Out, "<TD class=lmc>%d-for-%d (%d%%)", c, a, Compute_Scaled_Ratio(c, a, 100));
                const int nTouchdowns = Count_Team_Play_Results(pGame, s, RESULT_TOUCHDOWN_PASS, nullptr);
                if (nTouchdowns)
                    Append_Formatted(Out, ", %d TD", nTouchdowns);
                const int nIntercepted = Count_Team_Play_Results(pGame, s, RESULT_PASS_INTERCEPTED, nullptr) +
                                         Count_Team_Play_Results(pGame, s, RESULT_INTERCEPTION_TOUCHDOWN, nullptr);
                if (nIntercepted)
                    Append_Formatted(Out, ", %d INT", nIntercepted);
                Out += "</TD>";
                break;
            }
            case 3: {
                const int y = Total(pGame, s, GAME_TOTAL_PASSING_YARDS);
                Append_Formatted(Out, "<TD class=lmc>%d yards (%s per play)</TD>", y,
                                 Format_Tenths(Compute_Scaled_Ratio(y, Total(pGame, s, GAME_TOTAL_PASS_ATTEMPTS), 10)).c_str());
                break;
            }
            case 4: {
                const int n = Total(pGame, o, GAME_TOTAL_SACKS_MADE);
                Append_Formatted(Out, "<TD class=lmc>%d time%s for %d yards</TD>", n, Plural(n),
                                 Total(pGame, o, GAME_TOTAL_SACK_YARDS_MADE));
                break;
            }
            case 5:
                Append_Formatted(Out, "<TD class=lmc>%d</TD>", Total(pGame, s, GAME_TOTAL_TURNOVERS));
                break;
            case 6:
                Append_Formatted(Out, "<TD class=lmc>%d (%d lost)</TD>", Byte_Stat(pGame, s, GAME_STAT_FUMBLES),
                                 Byte_Stat(pGame, s, GAME_STAT_FUMBLES_LOST));
                break;
            case 7: {
                const int n = Total(pGame, s, GAME_TOTAL_PENALTIES);
                Append_Formatted(Out, "<TD class=lmc>%d %s for %d yards</TD>", n, n == 1 ? "penalty" : "penalties",
                                 Total(pGame, s, GAME_TOTAL_PENALTY_YARDS));
                break;
            }
            case 8:
            case 9:
            case 10: {
                static const int COUNT[3] = {GAME_STAT_PUNTS, GAME_STAT_PUNT_RETURNS, GAME_STAT_KICKOFF_RETURNS};
                static const int YARDS[3] = {GAME_TOTAL_PUNT_YARDS, GAME_TOTAL_PUNT_RETURN_YARDS,
                                             GAME_TOTAL_KICKOFF_RETURN_YARDS};
                const int n = Byte_Stat(pGame, s, COUNT[nRow - 8]);
                const int y = Total(pGame, s, YARDS[nRow - 8]);
                Append_Formatted(Out, nRow == 8 ? "<TD class=lmc>%d punt%s for %d yards (%s avg)</TD>"
                                                : "<TD class=lmc>%d return%s for %d yards (%s avg)</TD>",
                                 n, Plural(n), y, Format_Tenths(Compute_Scaled_Ratio(y, n, 10)).c_str());
                break;
            }
            case 11: {
                std::string Made, Missed;
                const int nMade = Count_Team_Play_Results(pGame, s, RESULT_FIELD_GOAL_GOOD, &Made);
                const int nMissed = Count_Team_Play_Results(pGame, s, RESULT_FIELD_GOAL_MISSED, &Missed);
                Append_Formatted(Out, "<TD class=lmc>%d Made%s, %d Missed%s</TD>", nMade, Made.c_str(), nMissed,
                                 Missed.c_str());
                break;
            }
            case 12:
            case 13: {
                const int nTries = Total(pGame, s, nRow == 12 ? GAME_TOTAL_THIRD_DOWN_TRIES : GAME_TOTAL_FOURTH_DOWN_TRIES);
                const int nMade = Total(pGame, s,
                                        nRow == 12 ? GAME_TOTAL_THIRD_DOWN_CONVERSIONS : GAME_TOTAL_FOURTH_DOWN_CONVERSIONS);
                Append_Formatted(Out, "<TD class=lmc>%d for %d (%d%%)</TD>", nMade, nTries,
                                 Compute_Scaled_Ratio(nMade, nTries, 100));
                break;
            }
            case 14: {
                const int nTouchdowns = Byte_Stat(pGame, s, GAME_STAT_RED_ZONE_TOUCHDOWNS);
                const int nFieldGoals = Byte_Stat(pGame, s, GAME_STAT_RED_ZONE_FIELD_GOALS);
                Append_Formatted(Out, "<TD class=lmc>%d for %d (%d FG, %d TD)</TD>", nTouchdowns + nFieldGoals,
                                 Byte_Stat(pGame, s, GAME_STAT_RED_ZONE_TRIPS), nFieldGoals, nTouchdowns);
                break;
            }
            default: {
                const int t = Total(pGame, s, GAME_TOTAL_POSSESSION_SECONDS);
                Append_Formatted(Out, "<TD class=lmc>%d:%02d</TD>", t / 60, t % 60 < 0 ? -(t % 60) : t % 60);
                break;
            }
            }
        }
        Out += "</TR>";
    }
    Out += "</TBODY></TABLE><BR>\n";
    Append_To_Report(Out);
}

void Write_Box_Score_Offense_Table(const GAME* pGame)
{
    if (!g_bPagesEnabled || !pGame)
        return;
    static const char* const HEADS[16] = {"Team", "Pos", "Cmp", "Att", "Yds", "TD", "Int", "Rtg",
                                          "Att",  "Yds", "Avg", "TD",  "Fum", "Rec", "Yds", "Avg"};
    for (int s = 0; s < 2; ++s) {
        std::string Out =
            "<TABLE cellSpacing=0 cellPadding=0 border=0 align=\"center\" width=968><TBODY><TR class=header0>\n"
            "<TD width=\"282\" bgcolor=\"#FFFFFF\" class=ltc></TD>"
            "<TD width=\"271\" class=ltc>Passing</TD>"
            "<TD width=\"5\" bgcolor=\"#FFFFFF\" class=ltc></TD>"
            "<TD width=\"222\" bgcolor=\"#996699\" class=ltc>Rushing</TD>"
            "<TD width=\"5\" bgcolor=\"#FFFFFF\" class=ltc></TD>"
            "<TD width=\"178\" class=ltc>Receiving</TD>"
            "</TBODY></TABLE>\n";
        Out += TABLE_OPENER;
        Out += "<TR class=header1>\n<TD width=\"188\" class=ltl></TD>\n";
        for (const char* szHead : HEADS)
            Append_Formatted(Out, "<TD width=\"46\" class=ltc>%s</TD>", szHead);
        Out += "<TD width=\"46\" class=ltc>TD</TD></TR>";

        const int nTeam = Get_Game_Side_Team(pGame, s);
        const int nPlayers = nTeam <= LAST_TEAM ? Count_Team_Players(nTeam) : 0;
        int nRow = 0;
        for (int nSlot = 0; nSlot < nPlayers; ++nSlot) {
            const GAME_PASSING_LINE Passing = Get_Player_Game_Passing(pGame, s, nSlot);
            const int nCompletions = Passing.nCompletions;
            const int nAttempts = Passing.nAttempts;
            const int nRushes = Count_Player_Play_Results(pGame, s, nSlot, 0, 7);
            const int nReceptions = Count_Player_Play_Results(pGame, s, nSlot, 0, 10);
            const int nFumbles = Count_Player_Play_Results(pGame, s, nSlot, 0, 13);
            if (nAttempts == 0 && nRushes == 0 && nReceptions == 0 && nFumbles == 0)
                continue;
            const int nPassYards = Passing.nYards;
            const int nPassTouchdowns = Passing.nTouchdowns;
            const int nInterceptions = Passing.nInterceptions;
            const int nRating =
                Compute_Passer_Rating(nAttempts, nCompletions, nPassYards, nPassTouchdowns, nInterceptions);
            const int nRushYards = Count_Player_Play_Results(pGame, s, nSlot, 0, 8);
            const int nRushTouchdowns = Count_Player_Play_Results(pGame, s, nSlot, 0, 9);
            // From the log, as the catches: a defender or a quarterback who
            // catches one keeps no receiving figure of his own.
            const int nReceivingYards = Count_Player_Play_Results(pGame, s, nSlot, 0, 11);
            const int nReceivingTouchdowns = Count_Player_Play_Results(pGame, s, nSlot, 0, 12);

            Append_Player_Row_Start(Out, nRow++, nTeam, nSlot);
            const bool bPass = nAttempts != 0;
            const bool bRush = nRushes != 0;
            const bool bCatch = nReceptions != 0;
            Append_Cell(Out, bPass ? Number(nCompletions) : "");
            Append_Cell(Out, bPass ? Number(nAttempts) : "");
            Append_Cell(Out, bPass ? Number(nPassYards) : "");
            Append_Cell(Out, bPass ? Number(nPassTouchdowns) : "");
            Append_Cell(Out, bPass ? Number(nInterceptions) : "");
            Append_Cell(Out, bPass ? Format_Tenths(nRating) : "");
            Append_Cell(Out, bRush ? Number(nRushes) : "");
            Append_Cell(Out, bRush ? Number(nRushYards) : "");
            Append_Cell(Out, bRush ? Format_Tenths(Compute_Scaled_Ratio(nRushYards, nRushes, 10)) : "");
            Append_Cell(Out, bRush ? Number(nRushTouchdowns) : "");
            // A lost fumble shows without a rush too (a sacked passer's).
            Append_Cell(Out, bRush || nFumbles != 0 ? Number(nFumbles) : "");
            Append_Cell(Out, bCatch ? Number(nReceptions) : "");
            Append_Cell(Out, bCatch ? Number(nReceivingYards) : "");
            Append_Cell(Out, bCatch ? Format_Tenths(Compute_Scaled_Ratio(nReceivingYards, nReceptions, 10)) : "");
            Append_Formatted(Out, "<TD class=lmc>%s</TD></TR>", bCatch ? Number(nReceivingTouchdowns).c_str() : "");
        }
        Out += "</TBODY></TABLE><BR>\n";
        Append_To_Report(Out);
    }
}

void Write_Box_Score_Defense_Table(const GAME* pGame)
{
    if (!g_bPagesEnabled || !pGame)
        return;
    for (int s = 0; s < 2; ++s) {
        std::string Out = TABLE_OPENER;
        Out += "<TR class=header1>\n<TD width=\"188\" class=ltl></TD>\n"
               "<TD width=\"46\" class=ltc>Team</TD>"
               "<TD width=\"46\" class=ltc>Pos</TD>"
               "<TD width=\"85\" class=ltc>Tackles</TD>"
               "<TD width=\"85\" class=ltc>Assists</TD>"
               "<TD width=\"85\" class=ltc>Sacks</TD>"
               "<TD width=\"100\" class=ltc>Passes<br>Defensed</TD>"
               "<TD width=\"120\" class=ltc>Fumbles<br>Recovered</TD>"
               "<TD width=\"120\" class=ltc>Interceptions</TD>"
               "<TD width=\"95\" class=ltc>Defensive<br>Touchdowns</TD>";
        const int nTeam = Get_Game_Side_Team(pGame, s);
        const int nPlayers = nTeam <= LAST_TEAM ? Count_Team_Players(nTeam) : 0;
        int nRow = 0;
        for (int nSlot = 0; nSlot < nPlayers; ++nSlot) {
            const int nTackles = Get_Player_Game_Stat(pGame, s, nSlot, UNIT_DEFENSE, DEF_TACKLES);
            const int nAssists = Get_Player_Game_Stat(pGame, s, nSlot, UNIT_DEFENSE, DEF_ASSISTS);
            const int nSackTenths = 5 * Get_Player_Game_Stat(pGame, s, nSlot, UNIT_DEFENSE, DEF_HALF_SACKS);
            const int nDefensed = Count_Player_Play_Results(pGame, s, nSlot, 2, 6);
            const int nRecoveries = Count_Player_Play_Results(pGame, s, nSlot, 2, 8);
            const int nInterceptions = Get_Player_Game_Stat(pGame, s, nSlot, UNIT_DEFENSE, DEF_INTERCEPTIONS);
            const int nTouchdowns = Get_Player_Game_Stat(pGame, s, nSlot, UNIT_DEFENSE, DEF_TOUCHDOWNS);
            if (nTackles <= 0 && nAssists <= 0 && nSackTenths <= 0 && nDefensed <= 0 && nRecoveries <= 0 &&
                nInterceptions <= 0 && nTouchdowns <= 0)
                continue;
            Append_Player_Row_Start(Out, nRow++, nTeam, nSlot);
            Append_Cell(Out, Number_Or_Empty(nTackles));
            Append_Cell(Out, Number_Or_Empty(nAssists));
            Append_Cell(Out, nSackTenths ? Format_Tenths(nSackTenths) : "");
            Append_Cell(Out, Number_Or_Empty(nDefensed));
            Append_Cell(Out, Number_Or_Empty(nRecoveries));
            Append_Cell(Out, Number_Or_Empty(nInterceptions));
            Append_Formatted(Out, "<TD class=lmc>%s</TD></TR>", Number_Or_Empty(nTouchdowns).c_str());
        }
        Out += "</TBODY></TABLE><BR>\n";
        Append_To_Report(Out);
    }
}

void Close_Game_Report_Html()
{
    if (!g_bPagesEnabled)
        return;
    Append_To_Report("<BR></TD></TR>");
    Append_To_Report("</TBODY></TABLE></HTML>");
}

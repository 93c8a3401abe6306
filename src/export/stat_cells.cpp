#include "export/stat_cells.h"

#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <string>

#include "base/text_utils.h"
#include "export/page_links.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/sack_text.h"
#include "league/season_lines.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_schedule.h"
#include "platform/errors.h"

namespace {

// Game records whose points count for a team: the regular season's and the
// playoffs' records; the last ones are kept for other uses.
constexpr int POINTS_GAME_RECORDS = 285;

// Which of the 26 statistic columns each base position shows.
constexpr unsigned Columns(std::initializer_list<int> Codes)
{
    unsigned nBits = 0;
    for (const int n : Codes)
        nBits |= 1u << n;
    return nBits;
}
constexpr unsigned Range(int nFirst, int nLast)
{
    unsigned nBits = 0;
    for (int n = nFirst; n <= nLast; ++n)
        nBits |= 1u << n;
    return nBits;
}
const unsigned POSITION_COLUMNS[15] = {
    Range(0, 11),                     // QB
    Columns({0}) | Range(8, 15),      // RB
    Columns({0}) | Range(8, 15),      // FB
    Columns({0}) | Range(12, 15),     // TE
    Columns({0}) | Range(12, 15),     // WR
    Columns({0}),                     // T
    Columns({0}),                     // G
    Columns({0}),                     // C
    Columns({0}) | Range(16, 20),     // DE
    Columns({0}) | Range(16, 20),     // DT
    Columns({0}) | Range(16, 20),     // LB
    Columns({0}) | Range(16, 20),     // CB
    Columns({0}) | Range(16, 20),     // S
    Columns({0}) | Range(21, 24),     // K
    Columns({0, 25}),                 // P
};

const char* const COLUMN_CAPTIONS[STAT_COLUMN_COUNT] = {
    "Games",   "Completions", "Attempts",  "Comp %",   "Pass Yds",       "Yds/Att.",     "Pass TD",
    "Int",     "Rushes",      "Rush Yds",  "Yds/Rush", "Rush TD",        "Recepts",      "Rec. Yds",
    "Yds/Rec.", "Rec. TD",    "Tackles",   "Int",      "Sacks",          "Fumbles Forced", "Fumbles Rec.",
    "FG Made", "FG Att.",     "FG",        "PAT",      "Yds/Punt",
};

bool Is_Player_Address(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM &&
           Is_Player_Slot_Used(nTeam, nSlot);
}

// Wins, losses or ties of a team's yearly record SEASON seasons back.
void Format_Yearly_Char(std::string& Out, int nTeam, int nSeason, int nField)
{
    int nValue = 0;
    if (nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Club_Of_Season(nTeam)) {
        const int nIndex = Get_Current_Season_Index() - nSeason;
        if (static_cast<unsigned>(nIndex) > 100u)
            Write_Debug_Log("Invalid nYear in Get_Team_Yearly_Char(%d,%d,%d)", nTeam, nIndex, nField);
        else
            nValue = Get_Team_Yearly_Char(nTeam, nIndex, nField);
    }
    Out = std::to_string(nValue);
}

std::string Printf_Text(const char* szFormat, double fValue)
{
    char szText[64];
    std::snprintf(szText, sizeof(szText), szFormat, fValue);
    return szText;
}

// A statistic shown as a quotient: per-mille rates in tenths, x100 rates in
// hundredths; whole from 100 up.
std::string Scaled_Stat_Text(int nStat, int nValue)
{
    double fValue = 0.0;
    switch (nStat) {
    case STAT_CODE_SACKS:
        // Tenths, halves x 5: a career past 100 sacks keeps its half.
        return Format_Sacks(nValue / 5);
    case 101: case 113: case 116: case 121: case 124:
        fValue = nValue / 10.0;
        break;
    case 103: case 112:
        fValue = nValue / 100.0;
        break;
    default:
        return std::to_string(nValue);
    }
    return Printf_Text(fValue < 100.0 ? "%.1f" : "%.0f", fValue);
}

// The season line that period SEASON (4-33) names, -1 for none.
int Season_Line_Of(int nTeam, int nSlot, int nSeason)
{
    if (nSeason < STAT_PERIOD_FIRST_LINE || nSeason > STAT_PERIOD_LAST_LINE || !Is_Player_Address(nTeam, nSlot))
        return NO_SEASON_LINE;
    return Get_Player_Season_Line_Index(nTeam, nSlot, nSeason - STAT_PERIOD_FIRST_LINE);
}

std::string Team_Abbreviation(int nTeam)
{
    char szText[TEXT_BUFFER_SIZE] = "";
    Get_Team_String(szText, nTeam, TEAM_STRING_ABBREVIATION);
    return Escape_Html_Text(szText);
}

}  // namespace

// ---------------------------------------------------------------------------
// Columns

int Get_Stat_Column_Index(int nGroup, int nStat)
{
    struct PAIR { int nStat, nColumn; };
    static const PAIR Offense[] = {{3, 1},  {2, 2},  {101, 3}, {5, 4},   {103, 5},  {6, 6},   {4, 7},  {7, 8},
                                   {8, 9},  {112, 10}, {9, 11}, {10, 12}, {11, 13}, {113, 14}, {12, 15}};
    static const PAIR Defense[] = {{2, 16}, {7, 17}, {143, 18}, {5, 19}, {8, 20}};
    static const PAIR Kicking[] = {{122, 21}, {123, 22}, {124, 23}, {121, 24}, {116, 25}};
    const PAIR* pFirst = nullptr;
    size_t nCount = 0;
    switch (nGroup) {
    case 0: pFirst = Offense; nCount = std::size(Offense); break;
    case 1: pFirst = Defense; nCount = std::size(Defense); break;
    case 2: pFirst = Kicking; nCount = std::size(Kicking); break;
    default: return 0;
    }
    for (size_t i = 0; i < nCount; ++i)
        if (pFirst[i].nStat == nStat)
            return pFirst[i].nColumn;
    return 0;
}

bool Position_Shows_Stat_Column(int nPosition, int nColumn)
{
    if (nPosition < 0 || nPosition > 14 || nColumn < 0 || nColumn >= STAT_COLUMN_COUNT)
        return false;
    return (POSITION_COLUMNS[nPosition] >> nColumn) & 1u;
}

// ---------------------------------------------------------------------------
// Team record and points

void Format_Team_Wins(std::string& Out, int nTeam, int nSeason)
{
    Format_Yearly_Char(Out, nTeam, nSeason, YEARLY_WINS);
}

void Format_Team_Losses(std::string& Out, int nTeam, int nSeason)
{
    Format_Yearly_Char(Out, nTeam, nSeason, YEARLY_LOSSES);
}

void Format_Team_Ties(std::string& Out, int nTeam, int nSeason)
{
    Format_Yearly_Char(Out, nTeam, nSeason, YEARLY_TIES);
}

namespace {

// Points a team scored (bFor) or allowed in the season's game records.
int Sum_Team_Points(int nTeam, bool bFor)
{
    if (nTeam < 0 || nTeam > LAST_TEAM)
        return 0;
    int nSum = 0;
    for (int n = 0; n < POINTS_GAME_RECORDS; ++n) {
        const GAME* pGame = Get_Game_Record(n);
        // A record with equal team bytes holds no game.
        if (!pGame || pGame->nAwayTeam == pGame->nHomeTeam)
            continue;
        int nSide = -1;
        if (pGame->nAwayTeam == nTeam)
            nSide = 0;
        else if (pGame->nHomeTeam == nTeam)
            nSide = 1;
        if (nSide < 0)
            continue;
        nSum += pGame->nScore[bFor ? nSide : 1 - nSide];
    }
    return nSum;
}

}  // namespace

int Get_Team_Points_For(int nTeam)
{
    return Sum_Team_Points(nTeam, true);
}

int Get_Team_Points_Against(int nTeam)
{
    return Sum_Team_Points(nTeam, false);
}

void Format_Team_Points_For(std::string& Out, int nTeam)
{
    Out = std::to_string(Get_Team_Points_For(nTeam));
}

void Format_Team_Points_Against(std::string& Out, int nTeam)
{
    Out = std::to_string(Get_Team_Points_Against(nTeam));
}

void Format_Team_Points_For_Rank(std::string& Out, int nTeam)
{
    const int nMine = Get_Team_Points_For(nTeam);
    const int nTeams = Count_Teams();
    int nRank = 1;
    for (int t = 0; t < nTeams; ++t)
        if (Get_Team_Points_For(t) > nMine)
            ++nRank;
    Out = std::to_string(nRank);
}

void Format_Team_Points_Against_Rank(std::string& Out, int nTeam)
{
    const int nMine = Get_Team_Points_Against(nTeam);
    const int nTeams = Count_Teams();
    int nRank = 1;
    for (int t = 0; t < nTeams; ++t)
        if (Get_Team_Points_Against(t) < nMine)
            ++nRank;
    Out = std::to_string(nRank);
}

// ---------------------------------------------------------------------------
// Team totals

void Format_Team_Offense(std::string& Out, int nStat, int nTeam)
{
    const int nValue = nTeam >= 0 && nTeam <= LAST_TEAM ? Get_Team_Totals_Stat(nTeam, 0, 0, nStat) : 0;
    if (nStat == 103)
        Out = Printf_Text("%.1f", nValue / 10.0);
    else if (nStat == 112)
        Out = Printf_Text("%.2f", nValue / 100.0);
    else
        Out = std::to_string(nValue);
}

void Format_Team_Defense(std::string& Out, int nStat, int nTeam)
{
    const int nValue = nTeam >= 0 && nTeam <= LAST_TEAM ? Get_Team_Totals_Stat(nTeam, 1, 0, nStat) : 0;
    // Sacks are summed in halves (4), or in tenths (143, halves x 5).
    if (nStat == STAT_SACKS)
        Out = Format_Sacks(nValue);
    else if (nStat == STAT_CODE_SACKS)
        Out = Format_Sacks(nValue / 5);
    else
        Out = std::to_string(nValue);
}

void Format_Team_Offense_Rank(std::string& Out, int nStat, int nTeam)
{
    const int nAhead = nTeam >= 0 && nTeam <= LAST_TEAM ? Get_Team_Totals_Stat_Rank(nTeam, 0, nStat) : 0;
    Out = std::to_string(1 + nAhead);
}

void Format_Team_Defense_Rank(std::string& Out, int nStat, int nTeam)
{
    const int nAhead = nTeam >= 0 && nTeam <= LAST_TEAM ? Get_Team_Totals_Stat_Rank(nTeam, 1, nStat) : 0;
    Out = std::to_string(1 + nAhead);
}

// ---------------------------------------------------------------------------
// Player cells

void Format_Player_Stat(std::string& Out, int nStat, int nPlayer, int nTeam, int nSeason, int nType)
{
    Out.clear();
    if (!Is_Player_Address(nTeam, nPlayer) || nSeason < 0 || nSeason > STAT_PERIOD_LAST_LINE || nStat < 0)
        return;
    const int nPosition = Get_Player_Position(nTeam, nPlayer);
    if (!Position_Shows_Stat_Column(nPosition, Get_Stat_Column_Index(nType, nStat)))
        return;
    const int nValue = Get_Player_Stat(nTeam, nPlayer, nSeason, nStat);
    Out = "<td align=\"center\">" + Scaled_Stat_Text(nStat, nValue) + "</td>";
}

void Format_Table_Stat_Caption(std::string& Out, int nPlayer, int nTeam, int nPosition)
{
    Out.clear();
    int nRow = nPosition;
    if (nTeam >= 0 && nPlayer >= 0)
        nRow = Is_Player_Address(nTeam, nPlayer) ? Get_Player_Position(nTeam, nPlayer) : -1;
    for (int nColumn = 0; nColumn < STAT_COLUMN_COUNT; ++nColumn)
        if (Position_Shows_Stat_Column(nRow, nColumn))
            Out += std::string("<td align=\"center\">") + COLUMN_CAPTIONS[nColumn] + "</td>";
}

float Estimate_Forty_Yard_Time(int nTeam, int nSlot)
{
    // Our own scale: a speed rating of 100 runs 4.30 seconds, 20 runs 5.60,
    // linear in between (and beyond, held to 4.20-6.00).
    const float fSpeed = Get_Player_Rating(nTeam, nSlot, RATING_SPEED);
    float fTime = 5.60f - (fSpeed - 20.0f) * (1.30f / 80.0f);
    if (!(fTime >= 4.20f))
        fTime = 4.20f;
    if (fTime > 6.00f)
        fTime = 6.00f;
    return fTime;
}

void Format_Player_Vital_Stat(std::string& Out, int nStat, int nPlayer, int nTeam)
{
    if (!Is_Player_Address(nTeam, nPlayer)) {
        Out.clear();
        return;
    }
    const int nValue = Get_Player_Vital_Stat(nTeam, nPlayer, nStat);
    char szText[TEXT_BUFFER_SIZE];
    switch (nStat) {
    case VITAL_POSITION:
        Get_Position_Name(nValue, szText);
        Out = Escape_Html_Text(szText);
        break;
    case VITAL_HEIGHT:
        Out = std::to_string(nValue / 12) + "-" + std::to_string(nValue % 12);
        break;
    case 4: {
        double fTime = nValue / 100.0;
        if (fTime < 3.9 || fTime > 7.0)
            fTime = Estimate_Forty_Yard_Time(nTeam, nPlayer);
        Out = Printf_Text("%2.2f", fTime);
        break;
    }
    case VITAL_BIRTH_DATE:
        Out = std::to_string(nValue / 100 % 100) + "/" + std::to_string(nValue % 100) + "/" +
              std::to_string(nValue / 10000);
        break;
    default:
        Out = std::to_string(nValue);
        break;
    }
}

void Format_Player_College(std::string& Out, int nPlayer, int nTeam)
{
    if (!Is_Player_Address(nTeam, nPlayer)) {
        Out.clear();
        return;
    }
    char szCollege[TEXT_BUFFER_SIZE] = "";
    Get_Player_College(nTeam, nPlayer, szCollege);
    Out = Escape_Html_Text(szCollege);
}

void Format_Season_Year(std::string& Out, int nPlayer, int nTeam, int nSeason)
{
    if (nSeason == STAT_PERIOD_CAREER) {
        Out = "Career";
        return;
    }
    const int nLine = Season_Line_Of(nTeam, nPlayer, nSeason);
    Out = std::to_string(nLine >= 0 ? Get_Season_Line_Year(nLine) : 0);
}

void Format_Player_Team(std::string& Out, int nPlayer, int nTeam, int nSeason)
{
    if (nSeason == STAT_PERIOD_CAREER) {
        Out.clear();
        return;
    }
    const int nLine = Season_Line_Of(nTeam, nPlayer, nSeason);
    if (nLine < 0) {
        // Any other period, or a missing line: team slot 0.
        Out = Team_Abbreviation(0);
        return;
    }
    const int nLineTeam = Get_Season_Line_Team(nLine);
    if (nLineTeam >= 0 && nLineTeam < MAX_FRANCHISES) {
        Out = Team_Abbreviation(nLineTeam);
        return;
    }
    switch (Get_Season_Line_Level(nLine)) {
    case -4: Out = "FR"; break;
    case -3: Out = "SO"; break;
    case -2: Out = "JR"; break;
    case -1: Out = "SR"; break;
    default: Out.clear(); break;
    }
}

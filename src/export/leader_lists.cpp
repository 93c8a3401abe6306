#include "export/leader_lists.h"

#include <cstring>
#include <string>

#include "base/text_utils.h"
#include "export/html_template.h"
#include "export/page_links.h"
#include "export/stat_cells.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/leader_tables.h"
#include "league/league_players.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/sack_text.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "league/team_finance_stats.h"

namespace {

// The fewest-first team list starts every entry here, so any real value enters.
constexpr int32_t FEWEST_START_VALUE = 268435455;
// The team-totals statistic the team lists rank.
constexpr int TEAM_LIST_STAT = 131;

const TOP_TEN_LIST* g_pPieceList = nullptr;

// Moves entries i.. down one place (the last falls off) and stores the new one at i.
void Insert_Entry(TOP_TEN_LIST* pList, int i, int nTeam, int nSlot, int nClub, int32_t nValue, int32_t nValue2)
{
    for (int k = TOP_TEN_SIZE - 1; k > i; --k) {
        pList->nTeam[k] = pList->nTeam[k - 1];
        pList->nSlot[k] = pList->nSlot[k - 1];
        pList->nClub[k] = pList->nClub[k - 1];
        pList->nValue[k] = pList->nValue[k - 1];
        pList->nValue2[k] = pList->nValue2[k - 1];
    }
    pList->nTeam[i] = static_cast<int8_t>(nTeam);
    pList->nSlot[i] = static_cast<uint8_t>(nSlot);
    pList->nClub[i] = static_cast<int8_t>(nClub);
    pList->nValue[i] = nValue;
    pList->nValue2[i] = nValue2;
}

// League 0 or 1 of a franchise; 2 (neither) for the free agents.
int League_Of_Club(int nClub)
{
    return nClub >= 0 && nClub < MAX_FRANCHISES ? Get_Team_Stat(nClub, TEAM_STAT_DIVISION) / 4 : 2;
}

// The news ticker's period: last season at week 0 and in the off-season.
int Ticker_Period()
{
    const int nWeek = Get_Current_Week();
    return nWeek == 0 || nWeek == OFFSEASON_WEEK ? 1 : 0;
}

// Whether COUNT names an entry of the piece list.
bool Has_Entry(int nCount)
{
    return g_pPieceList != nullptr && nCount >= 0 && nCount < TOP_TEN_SIZE;
}

const char* Link_Prefix(int nType)
{
    return nType == 1 ? "..\\" : ".\\";
}

}  // namespace

// ---------------------------------------------------------------------------
// The lists

void Build_Top_Ten_List(TOP_TEN_LIST* pList, int nLeague, int nCode, int nPeriod)
{
    if (!pList)
        return;
    std::memset(pList, 0, sizeof(*pList));
    pList->nStat = nCode;
    const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    For_Each_League_Player([&](int t, int p) {
        int nPosition = Get_Player_Vital_Stat(t, p, VITAL_POSITION);
        if (nPosition >= 15 && nPosition <= 42)
            nPosition = Translate_Expanded_Position(nPosition);
        if (nPosition < 0 || nPosition > 4)
            return;
        int nYear = 0;
        int nValue = 0;
        int nClub = t;
        if (nPeriod >= LEADER_LIST_FIRST_SEASON) {
            // A season's row is the club he played it for, and counts in its league.
            const int nSeasonYear = nFirstYear + nPeriod - LEADER_LIST_FIRST_SEASON;
            nValue = Get_Player_Year_Leader_Stat(t, p, nCode, nSeasonYear);
            nClub = Get_Player_Season_Club(t, p, nSeasonYear);
        } else if (nPeriod == LEADER_LIST_BEST_SEASON) {
            nValue = Get_Player_Best_Season_Leader_Stat(t, p, nCode, &nYear);
        } else {
            nValue = Get_Player_Leader_Stat(t, p, nCode, nPeriod);
        }
        if (nLeague != 2 && League_Of_Club(nClub) != nLeague)
            return;
        for (int i = 0; i < TOP_TEN_SIZE; ++i) {
            if (pList->nValue[i] < nValue) {
                Insert_Entry(pList, i, t, p, nClub, nValue, nYear);
                break;
            }
        }
    });
}

void Build_Top_Ten_List_2(TOP_TEN_LIST* pList, int nCategory)
{
    if (!pList)
        return;
    std::memset(pList->nTeam, 0, sizeof(pList->nTeam));
    pList->nStat = -1;
    for (int i = 0; i < TOP_TEN_SIZE; ++i) {
        if (nCategory == 0) {
            pList->nValue[i] = 0;
            pList->nValue2[i] = 0;
        } else {
            pList->nValue[i] = FEWEST_START_VALUE;
        }
    }
    if (nCategory != 0 && nCategory != 4)
        return;
    for (int t = 0; t < Count_Teams(); ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        const int nValue = Get_Team_Totals_Stat(t, nCategory, Ticker_Period(), TEAM_LIST_STAT);
        for (int i = 0; i < TOP_TEN_SIZE; ++i) {
            const bool bBetter = nCategory == 0 ? pList->nValue[i] < nValue : pList->nValue[i] > nValue;
            if (bBetter) {
                Insert_Entry(pList, i, t, pList->nSlot[i], t, nValue, pList->nValue2[i]);
                break;
            }
        }
    }
}

void Set_Leader_Piece_List(const TOP_TEN_LIST* pList)
{
    g_pPieceList = pList;
}

// ---------------------------------------------------------------------------
// COUNT pieces: empty rows (value 0) write empty texts, except the links

void Format_Leader_Name(std::string& Out, int nCount)
{
    Out.clear();
    if (!Has_Entry(nCount) || g_pPieceList->nValue[nCount] == 0)
        return;
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Player_Name_Last_First(g_pPieceList->nTeam[nCount], g_pPieceList->nSlot[nCount], szName);
    Out = Escape_Html_Text(szName);
}

void Format_Leader_Team(std::string& Out, int nCount)
{
    Out.clear();
    if (!Has_Entry(nCount) || g_pPieceList->nValue[nCount] == 0)
        return;
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Team_String(szName, g_pPieceList->nClub[nCount], TEAM_STRING_ABBREVIATION);
    Out = Escape_Html_Text(szName);
}

void Format_Leader_Stat(std::string& Out, int nCount)
{
    Out.clear();
    if (!Has_Entry(nCount) || g_pPieceList->nValue[nCount] == 0)
        return;
    // Sacks rank on their halves and read as sacks.
    if (g_pPieceList->nStat == LEADER_SACKS)
        Out = Format_Sacks(g_pPieceList->nValue[nCount]);
    else
        Out = std::to_string(g_pPieceList->nValue[nCount]);
}

void Format_Leader_Stat_Year(std::string& Out, int nCount)
{
    Out.clear();
    if (Has_Entry(nCount) && g_pPieceList->nValue2[nCount] != 0)
        Out = "(" + std::to_string(g_pPieceList->nValue2[nCount]) + ")";
}

void Format_Leader_Ref(std::string& Out, int nCount, int nType)
{
    // An empty entry links the player in roster slot 0 of team slot 0.
    int nTeam = 0;
    int nSlot = 0;
    if (Has_Entry(nCount)) {
        nTeam = g_pPieceList->nTeam[nCount];
        nSlot = g_pPieceList->nSlot[nCount];
    }
    std::string Name = Player_Page_Name(nTeam, nSlot);
    if (Name.empty()) {
        char szName[TEXT_BUFFER_SIZE] = "";
        if (nTeam >= 0 && nTeam <= LAST_TEAM && nSlot < PLAYERS_PER_TEAM)
            Get_Player_Name_Last_First(nTeam, nSlot, szName);
        Name = Page_Name_Of(szName) + " " + std::to_string(nSlot == NO_PLAYER ? -1 : Get_Player_ID(nTeam, nSlot));
    }
    Out = std::string("<a href=\"") + Link_Prefix(nType) + "players\\" + Escape_Html_Text(Name) + ".htm\">";
}

void Format_Leader_Team_Ref(std::string& Out, int nCount, int nType)
{
    const int nTeam = Has_Entry(nCount) ? g_pPieceList->nClub[nCount] : 0;
    // A free agent's row has no club page to link to.
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES || !Is_Team_Slot_Used(nTeam)) {
        Out = NO_LINK_REF;
        return;
    }
    Out = std::string("<a href=\"") + Link_Prefix(nType) + "teams\\" + Escape_Html_Text(Team_Page_Name(nTeam)) +
          ".htm\">";
}

// ---------------------------------------------------------------------------
// Team and heading pieces

void Format_Team_Offense_Leader(std::string& Out, int nStat, int nTeam, int nSeason)
{
    const int nYear = Get_Current_Year() - nSeason;
    const int nColumn = Get_Stat_Column_Index(0, nStat);
    // Season lines keep statistics 0-19 and the two field-goal sums.
    const bool bLineStat = (nStat >= 0 && nStat < 20) || nStat == SEASON_LINE_FIELD_GOALS_MADE ||
                           nStat == SEASON_LINE_FIELD_GOALS_TRIED;
    int nBestTeam = -1;
    int nBestSlot = -1;
    int nBestValue = 0;
    bool bAnyLine = false;
    if (bLineStat) {
        For_Each_League_Player([&](int t, int p) {
            int nValue = 0;
            if (!Get_Player_Club_Season_Stat(t, p, nYear, nTeam, nStat, &nValue))
                return;
            bAnyLine = true;
            if (nValue > nBestValue && Position_Shows_Stat_Column(Get_Player_Position(t, p), nColumn)) {
                nBestValue = nValue;
                nBestTeam = t;
                nBestSlot = p;
            }
        });
    }
    if (nBestTeam < 0) {
        // Retired: every player of that season has left the league.
        Out = nSeason != 0 && !bAnyLine ? "Retired" : "No leader";
        return;
    }
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Player_Full_Name(nBestTeam, nBestSlot, szName);
    Out = Escape_Html_Text(szName);
}

void Format_Time_Leader_Category(std::string& Out, int nSeason, int nType)
{
    if (nSeason == -1)
        Out = nType == 1 ? "Best Season" : "All Time";
    else if (nSeason == -2)
        Out = nType == 1 ? "All Time" : "Best Season";
    else
        Out.clear();
}

void Format_League_Leaders_Ref(std::string& Out, int nLeague, int nSeason, int nType)
{
    int nPeriod = nSeason;
    if (nType == 1 && nSeason == -1)
        nPeriod = -2;
    else if (nType == 1 && nSeason == -2)
        nPeriod = -1;
    Out = "<a href=\"" + Escape_Html_Text(Leaders_Page_Name(nLeague, nPeriod)) + ".htm\">";
}

void Format_Most_Recent_Leaders_Ref(std::string& Out, int nType)
{
    const char* szFolder = nType == 0 ? "leagueleaders\\" : nType == 1 ? "..\\leagueleaders\\" : "";
    Out = std::string("<a href=\"") + szFolder + "NFL Leaders " + std::to_string(Get_Current_Year()) + ".htm\">";
}

// Links between player records and their SEASON_LINE history: removing and
// erasing links and counting professional seasons. The rest of the season-line
// table's operations come with the statistics records.
#include "league/season_lines.h"

#include <cstring>

#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

constexpr int LINE_YEAR = 0;
constexpr int LINE_LEVEL = 1;
constexpr int LINE_FIRST_STAT = 3;
constexpr int FIRST_COUNTED_YEAR = 1932;
constexpr int YEAR_ARRAY_SIZE = 120;   // 1932-2051

bool Is_Valid_Line(int nLine)
{
    return nLine >= 0 && nLine < SEASON_LINE_COUNT;
}

bool Is_Address(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

}  // namespace

int Get_Season_Line_Year(int nLine)
{
    if (!Is_Valid_Line(nLine))
        return 0;
    return League.SeasonLines[nLine][LINE_YEAR];
}

int Is_Season_Line_Empty(int nLine)
{
    if (!Is_Valid_Line(nLine))
        return 1;
    for (int n = 0; n < STATS_PER_PERIOD; ++n) {
        if (League.SeasonLines[nLine][LINE_FIRST_STAT + n] != 0)
            return 0;
    }
    return 1;
}

int Is_Season_Line_Linked_Elsewhere(int nLine, int nTeam, int nSlot)
{
    if (!Is_Valid_Line(nLine))
        return 0;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (t == nTeam && s == nSlot)
                continue;
            const PLAYER& Player = League.Team[t].Player[s];
            if (Player.nVital[VITAL_PLAYER_ID] == 0)
                continue;
            for (int32_t nLink : Player.nSeasonLink) {
                if (nLink == nLine)
                    return 1;
            }
        }
    }
    return 0;
}

void Set_Current_Season_Link_To_Latest(int nTeam, int nSlot)
{
    if (!Is_Address(nTeam, nSlot)) {
        Report_Error("Bad player address in Set_Current_Season_Link_To_Latest([%d],[%d])", nTeam, nSlot);
        return;
    }
    PLAYER& Player = League.Team[nTeam].Player[nSlot];
    int nBest = NO_SEASON_LINE;
    int nBestYear = 0;
    for (int32_t nLink : Player.nSeasonLink) {
        int nYear = Get_Season_Line_Year(nLink);
        if (nYear > 0 && nYear > nBestYear) {
            nBestYear = nYear;
            nBest = nLink;
        }
    }
    Player.nCurrentLine = nBest;
}

void Remove_Player_Season_Link(int nTeam, int nSlot, int n)
{
    if (!Is_Address(nTeam, nSlot)) {
        Report_Error("Bad player address in Remove_Player_Season_Link([%d],[%d],%d)", nTeam, nSlot, n);
        return;
    }
    // Only links 0-29 exist; anything else would drop the last real link.
    if (n < 0 || n >= SEASON_LINK_COUNT) {
        Report_Error("nLink out of bounds in Remove_Player_Season_Link(%d,%d,[%d])", nTeam, nSlot, n);
        return;
    }
    int32_t* nLinks = League.Team[nTeam].Player[nSlot].nSeasonLink;
    for (int k = n; k < SEASON_LINK_COUNT - 1; ++k)
        nLinks[k] = nLinks[k + 1];
    nLinks[SEASON_LINK_COUNT - 1] = NO_SEASON_LINE;
    Set_Current_Season_Link_To_Latest(nTeam, nSlot);
}

int Erase_Player_Season_Line(int nTeam, int nSlot, int n)
{
    if (!Is_Address(nTeam, nSlot)) {
        Report_Error("Bad player address in Erase_Player_Season_Line([%d],[%d],%d)", nTeam, nSlot, n);
        return 0;
    }
    if (n < 0 || n >= SEASON_LINK_COUNT)
        return 0;
    int nLine = League.Team[nTeam].Player[nSlot].nSeasonLink[n];
    if (!Is_Valid_Line(nLine))
        return 0;
    // A copied record shares its lines: the history stays while another
    // record still links it.
    if (!Is_Season_Line_Linked_Elsewhere(nLine, nTeam, nSlot))
        std::memset(League.SeasonLines[nLine], 0, sizeof(League.SeasonLines[nLine]));
    Remove_Player_Season_Link(nTeam, nSlot, n);
    return 1;
}

void Erase_Player_Season_Lines(int nTeam, int nSlot)
{
    if (!Is_Address(nTeam, nSlot)) {
        Report_Error("Bad player address in Erase_Player_Season_Lines([%d],[%d])", nTeam, nSlot);
        return;
    }
    for (int k = 0; k <= SEASON_LINK_COUNT; ++k) {
        if (!Erase_Player_Season_Line(nTeam, nSlot, 0))
            break;
    }
}

int Count_NFL_Seasons(int nTeam, int nSlot)
{
    if (!Is_Address(nTeam, nSlot)) {
        Report_Error("Bad player address in Count_NFL_Seasons([%d],[%d])", nTeam, nSlot);
        return 0;
    }
    bool bYear[YEAR_ARRAY_SIZE] = {};
    for (int32_t nLine : League.Team[nTeam].Player[nSlot].nSeasonLink) {
        if (!Is_Valid_Line(nLine))
            break;
        const int32_t* nWords = League.SeasonLines[nLine];
        if (nWords[LINE_YEAR] == 0 || nWords[LINE_LEVEL] < 0 || Is_Season_Line_Empty(nLine))
            continue;
        int nIndex = nWords[LINE_YEAR] - FIRST_COUNTED_YEAR;
        if (nIndex < 0 || nIndex >= YEAR_ARRAY_SIZE) {
            Report_Error("nIndex out of YEAR_ARRAY_SIZE range in Count_NFL_Seasons()");
            continue;
        }
        bYear[nIndex] = true;
    }
    int nCount = 0;
    for (bool bFlag : bYear)
        nCount += bFlag ? 1 : 0;
    return nCount;
}

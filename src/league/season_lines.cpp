// The SEASON_LINE table: line accessors, the player links, the current-season
// line allocator and the collector of unlinked lines.
#include "league/season_lines.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "base/int_math.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

constexpr int LINE_YEAR = 0;
constexpr int LINE_LEVEL = 1;
constexpr int LINE_TEAM = 2;
constexpr int LINE_FIRST_STAT = 3;
static_assert(LINE_YEAR == SEASON_LINE_YEAR_WORD && LINE_TEAM == SEASON_LINE_TEAM_WORD &&
              LINE_FIRST_STAT == SEASON_LINE_FIRST_STAT_WORD);
constexpr int LAST_LINK = SEASON_LINK_COUNT - 1;
constexpr int FIRST_COUNTED_YEAR = 1932;
constexpr int YEAR_ARRAY_SIZE = 120;   // 1932-2051
constexpr int TEAM_BYTE_MASK = 0xFF;

// Field goals made and tried per distance band (statistics).
constexpr int FIELD_GOALS_MADE[] = {STAT_FIELD_GOALS_MADE_BAND_1, STAT_FIELD_GOALS_MADE_BAND_2,
                                    STAT_FIELD_GOALS_MADE_BAND_3, STAT_FIELD_GOALS_MADE_BAND_4};
constexpr int FIELD_GOALS_TRIED[] = {STAT_FIELD_GOAL_ATTEMPTS_BAND_1, STAT_FIELD_GOAL_ATTEMPTS_BAND_2,
                                     STAT_FIELD_GOAL_ATTEMPTS_BAND_3, STAT_FIELD_GOAL_ATTEMPTS_BAND_4};

bool Is_Valid_Line(int nLine)
{
    return nLine >= 0 && nLine < SEASON_LINE_COUNT;
}

bool Is_Stat_Index(int iStat)
{
    return iStat >= 0 && iStat < STATS_PER_PERIOD;
}

PLAYER& Player_At(int nTeam, int nSlot)
{
    return League.Team[nTeam].Player[nSlot];
}

// Quiet readers for lines already known to be valid.
int Line_Year(int nLine)
{
    return League.SeasonLines[nLine][LINE_YEAR];
}

int Line_Team(int nLine)
{
    return League.SeasonLines[nLine][LINE_TEAM] & TEAM_BYTE_MASK;
}

void Zero_Line(int nLine)
{
    std::memset(League.SeasonLines[nLine], 0, sizeof(League.SeasonLines[nLine]));
}

// ---------------------------------------------------------------------------
// Free-line allocator.
//
// Every line below g_nFreeLineBound is in use, so the first free line of the
// table is found by scanning from the bound; a full table leaves the bound at
// the end and costs nothing to ask again. Whatever frees a line lowers the
// bound. The bound is not saved: Erase_Unlinked_Season_Lines (run on every
// load) and Reset_Current_Season_Links (new season) start it again at 0.

int g_nFreeLineBound = 0;

void Note_Line_Freed(int nLine)
{
    if (nLine < g_nFreeLineBound)
        g_nFreeLineBound = nLine;
}

int Find_First_Free_Line()
{
    // A zeroed or freshly replaced table shows itself here even when the
    // allocator was not told.
    if (Line_Year(0) == 0) {
        g_nFreeLineBound = 0;
        return 0;
    }
    if (g_nFreeLineBound >= SEASON_LINE_COUNT)
        return NO_SEASON_LINE;   // known full
    for (int nLine = g_nFreeLineBound; nLine < SEASON_LINE_COUNT; ++nLine) {
        if (Line_Year(nLine) == 0) {
            g_nFreeLineBound = nLine;
            return nLine;
        }
    }
    // Before calling the table full, look once below the bound for a line
    // freed behind the allocator's back (a table replaced without a reset).
    for (int nLine = 1; nLine < g_nFreeLineBound; ++nLine) {
        if (Line_Year(nLine) == 0) {
            g_nFreeLineBound = nLine;
            return nLine;
        }
    }
    g_nFreeLineBound = SEASON_LINE_COUNT;
    return NO_SEASON_LINE;
}

// Zeroes a line and tells the allocator.
void Free_Line(int nLine)
{
    Zero_Line(nLine);
    Note_Line_Freed(nLine);
}

// ---------------------------------------------------------------------------
// A player with all 30 links in use is refused a new line on every credit of
// the season; the refusal is logged once per player and season.

struct REFUSED_LINK {
    int nPlayerID;
    int nYear;
};
constexpr int REFUSALS_REMEMBERED = 64;
REFUSED_LINK g_Refused[REFUSALS_REMEMBERED];
int g_nRefusedCount = 0;

bool Refusal_Already_Logged(int nPlayerID, int nYear)
{
    int nKept = g_nRefusedCount < REFUSALS_REMEMBERED ? g_nRefusedCount : REFUSALS_REMEMBERED;
    for (int k = 0; k < nKept; ++k) {
        if (g_Refused[k].nPlayerID == nPlayerID && g_Refused[k].nYear == nYear)
            return true;
    }
    g_Refused[g_nRefusedCount % REFUSALS_REMEMBERED] = {nPlayerID, nYear};
    ++g_nRefusedCount;
    return false;
}

void Forget_Refusals()
{
    g_nRefusedCount = 0;
}

// Removes link n (0-29) of a checked address.
void Remove_Link(int nTeam, int nSlot, int n)
{
    int32_t* nLinks = Player_At(nTeam, nSlot).nSeasonLink;
    for (int k = n; k < LAST_LINK; ++k)
        nLinks[k] = nLinks[k + 1];
    nLinks[LAST_LINK] = NO_SEASON_LINE;
    Set_Current_Season_Link_To_Latest(nTeam, nSlot);
}

// Erases link n of a checked address: the line is zeroed unless another
// record links it too, then the link is removed.
bool Erase_Link(int nTeam, int nSlot, int n)
{
    int nLine = Player_At(nTeam, nSlot).nSeasonLink[n];
    if (!Is_Valid_Line(nLine))
        return false;
    if (!Is_Season_Line_Linked_Elsewhere(nLine, nTeam, nSlot))
        Free_Line(nLine);
    Remove_Link(nTeam, nSlot, n);
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// Line accessors

int Get_Season_Line_Stat(int nLine, int iStat)
{
    if (nLine == NO_SEASON_LINE)
        return 0;
    bool bSum = iStat == SEASON_LINE_FIELD_GOALS_MADE || iStat == SEASON_LINE_FIELD_GOALS_TRIED;
    if (!bSum && !Is_Stat_Index(iStat)) {
        Report_Error("Unhandled 'iStat' in %s(nLine = %d, [iStat = %d])", __func__, nLine, iStat);
        return 0;
    }
    if (!Is_Valid_Line(nLine)) {
        Report_Error("'nLine' out of bounds in %s([nLine = %d], iStat = %d)", __func__, nLine, iStat);
        return 0;
    }
    const int32_t* nStats = League.SeasonLines[nLine] + LINE_FIRST_STAT;
    if (!bSum)
        return nStats[iStat];
    const int* nBands = iStat == SEASON_LINE_FIELD_GOALS_MADE ? FIELD_GOALS_MADE : FIELD_GOALS_TRIED;
    int64_t nSum = 0;
    for (int k = 0; k < 4; ++k)
        nSum += nStats[nBands[k]];
    return Clamp_To_Int(nSum);
}

void Set_Season_Line_Stat(int nLine, int iStat, int nValue)
{
    if (nLine == NO_SEASON_LINE)
        return;
    if (!Is_Valid_Line(nLine)) {
        Report_Error("'nLine' out of bounds in %s([nLine = %d], iStat = %d, nValue = %d)", __func__, nLine,
                     iStat, nValue);
        return;
    }
    if (!Is_Stat_Index(iStat)) {
        Report_Error("Unhandled 'iStat' in %s(nLine = %d, [iStat = %d], nValue = %d)", __func__, nLine, iStat,
                     nValue);
        return;
    }
    League.SeasonLines[nLine][LINE_FIRST_STAT + iStat] = nValue;
}

int Get_Season_Line_Year(int nLine)
{
    if (nLine == NO_SEASON_LINE)
        return 0;
    if (!Is_Valid_Line(nLine)) {
        Report_Error("'nLine' out of bounds in %s([nLine = %d])", __func__, nLine);
        return 0;
    }
    return Line_Year(nLine);
}

int Get_Season_Line_Level(int nLine)
{
    if (nLine == NO_SEASON_LINE)
        return 0;
    if (!Is_Valid_Line(nLine)) {
        Report_Error("'nLine' out of bounds in %s([nLine = %d])", __func__, nLine);
        return 0;
    }
    return League.SeasonLines[nLine][LINE_LEVEL];
}

// The team byte of a line, signed: a college line's team reads negative or
// above the franchises.
int Get_Season_Line_Team(int nLine)
{
    if (nLine == NO_SEASON_LINE)
        return NO_TEAM;
    if (!Is_Valid_Line(nLine)) {
        Report_Error("'nLine' out of bounds in %s([nLine = %d])", __func__, nLine);
        return NO_TEAM;
    }
    return static_cast<int8_t>(League.SeasonLines[nLine][LINE_TEAM] & 0xFF);
}

bool Is_Season_Line_Empty(int nLine)
{
    if (nLine == NO_SEASON_LINE)
        return true;
    for (int iStat = 0; iStat < STATS_PER_PERIOD; ++iStat) {
        if (Get_Season_Line_Stat(nLine, iStat) != 0)
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Player links

int Count_Player_Season_Lines(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    int nCount = 0;
    for (int32_t nLine : Player_At(nTeam, nSlot).nSeasonLink) {
        if (!Is_Valid_Line(nLine))
            break;
        ++nCount;
    }
    return nCount;
}

int Get_Player_Season_Line_Index(int nTeam, int nSlot, int n)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return NO_SEASON_LINE;
    if (n < 0 || n > LAST_LINK) {
        Report_Error("nLink out of bounds in %s(%d,%d,[%d])", __func__, nTeam, nSlot, n);
        return NO_SEASON_LINE;
    }
    int nLine = Player_At(nTeam, nSlot).nSeasonLink[n];
    return Is_Valid_Line(nLine) ? nLine : NO_SEASON_LINE;
}

void Set_Player_Season_Link(int nTeam, int nSlot, int n, int nLine)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (n < 0 || n > LAST_LINK) {
        Report_Error("nLink out of bounds in %s(%d,%d,[%d],%d)", __func__, nTeam, nSlot, n, nLine);
        return;
    }
    if (nLine != NO_SEASON_LINE && !Is_Valid_Line(nLine)) {
        Report_Error("nLine out of bounds in %s(%d,%d,%d,[%d])", __func__, nTeam, nSlot, n, nLine);
        return;
    }
    Player_At(nTeam, nSlot).nSeasonLink[n] = nLine;
}

int Find_Free_Season_Link(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return -1;
    const int32_t* nLinks = Player_At(nTeam, nSlot).nSeasonLink;
    // A link holding anything but a line (a damaged file) is free as well.
    for (int n = 0; n < SEASON_LINK_COUNT; ++n) {
        if (!Is_Valid_Line(nLinks[n]))
            return n;
    }
    return -1;
}

bool Is_Season_Line_Linked_Elsewhere(int nLine, int nTeam, int nSlot)
{
    if (!Is_Valid_Line(nLine))
        return false;
    bool bLinked = false;
    For_Each_Player_In_Use([&](int t, int s) {
        if (bLinked || (t == nTeam && s == nSlot))
            return;
        for (int32_t nLink : Player_At(t, s).nSeasonLink) {
            if (nLink == nLine) {
                bLinked = true;
                return;
            }
        }
    });
    return bLinked;
}

void Set_Current_Season_Link_To_Latest(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    PLAYER& Player = Player_At(nTeam, nSlot);
    int nBest = NO_SEASON_LINE;
    int nBestYear = 0;
    for (int32_t nLink : Player.nSeasonLink) {
        if (!Is_Valid_Line(nLink))
            continue;
        int nYear = Line_Year(nLink);
        if (nYear > 0 && nYear > nBestYear) {
            nBestYear = nYear;
            nBest = nLink;
        }
    }
    Player.nCurrentLine = nBest;
}

void Remove_Player_Season_Link(int nTeam, int nSlot, int n)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    // Only links 0-29 exist; anything else would drop the last real link.
    if (n < 0 || n > LAST_LINK) {
        Report_Error("nLink out of bounds in %s(%d,%d,[%d])", __func__, nTeam, nSlot, n);
        return;
    }
    Remove_Link(nTeam, nSlot, n);
}

bool Erase_Player_Season_Line(int nTeam, int nSlot, int n)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return false;
    if (n < 0 || n > LAST_LINK) {
        Report_Error("nLink out of bounds in %s(%d,%d,[%d])", __func__, nTeam, nSlot, n);
        return false;
    }
    return Erase_Link(nTeam, nSlot, n);
}

void Erase_Player_Season_Lines(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    int32_t* nLinks = Player_At(nTeam, nSlot).nSeasonLink;
    int nCount = 0;
    while (nCount < SEASON_LINK_COUNT && Is_Valid_Line(nLinks[nCount]))
        ++nCount;
    if (nCount == 0)
        return;

    // One pass over every other record finds which of his lines are shared
    // (a copy of the record): those keep their data.
    std::vector<uint8_t> bMine(SEASON_LINE_COUNT, 0);
    for (int k = 0; k < nCount; ++k)
        bMine[nLinks[k]] = 1;
    For_Each_Player_In_Use([&](int t, int s) {
        if (t == nTeam && s == nSlot)
            return;
        for (int32_t nLink : Player_At(t, s).nSeasonLink) {
            if (Is_Valid_Line(nLink) && bMine[nLink])
                bMine[nLink] = 2;
        }
    });
    for (int k = 0; k < nCount; ++k) {
        if (bMine[nLinks[k]] == 1)
            Free_Line(nLinks[k]);
    }

    // The links end as the one-by-one removal leaves them: the rest moved
    // to the front, -1 behind.
    for (int k = 0; k < SEASON_LINK_COUNT; ++k)
        nLinks[k] = k + nCount < SEASON_LINK_COUNT ? nLinks[k + nCount] : NO_SEASON_LINE;
    Set_Current_Season_Link_To_Latest(nTeam, nSlot);
}

void Clear_Player_Season_Links(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    for (int32_t& nLink : Player_At(nTeam, nSlot).nSeasonLink)
        nLink = NO_SEASON_LINE;
}

void Sort_Player_Season_Links(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    int32_t* nLinks = Player_At(nTeam, nSlot).nSeasonLink;
    for (int nPass = 0; nPass < LAST_LINK; ++nPass) {
        for (int n = 0; n < LAST_LINK; ++n) {
            if (!Is_Valid_Line(nLinks[n]) || !Is_Valid_Line(nLinks[n + 1]))
                continue;
            if (Line_Year(nLinks[n + 1]) < Line_Year(nLinks[n])) {
                int32_t nKeep = nLinks[n];
                nLinks[n] = nLinks[n + 1];
                nLinks[n + 1] = nKeep;
            }
        }
    }
}

void Sort_All_Season_Links()
{
    For_Each_Player_In_Use([](int nTeam, int nSlot) { Sort_Player_Season_Links(nTeam, nSlot); });
}

int Get_Player_Team_In_Year(int nTeam, int nSlot, int nYear)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return NO_TEAM;
    int nBestTeam = NO_TEAM;
    int nMostGames = 0;
    for (int32_t nLine : Player_At(nTeam, nSlot).nSeasonLink) {
        if (!Is_Valid_Line(nLine) || Line_Year(nLine) != nYear)
            continue;
        int nGames = League.SeasonLines[nLine][LINE_FIRST_STAT + STAT_GAMES_PLAYED];
        if (nGames > nMostGames) {
            nMostGames = nGames;
            nBestTeam = Line_Team(nLine);
        }
    }
    return nBestTeam;
}

int Count_NFL_Seasons(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    bool bYear[YEAR_ARRAY_SIZE] = {};
    for (int32_t nLine : Player_At(nTeam, nSlot).nSeasonLink) {
        if (!Is_Valid_Line(nLine))
            break;
        const int32_t* nWords = League.SeasonLines[nLine];
        if (nWords[LINE_YEAR] == 0 || nWords[LINE_LEVEL] < 0 || Is_Season_Line_Empty(nLine))
            continue;
        int nIndex = nWords[LINE_YEAR] - FIRST_COUNTED_YEAR;
        if (nIndex < 0 || nIndex >= YEAR_ARRAY_SIZE) {
            Report_Error("nIndex out of YEAR_ARRAY_SIZE range in %s()", __func__);
            continue;
        }
        bYear[nIndex] = true;
    }
    int nCount = 0;
    for (bool bFlag : bYear)
        nCount += bFlag ? 1 : 0;
    return nCount;
}

// ---------------------------------------------------------------------------
// Current-season lines

int Assign_Player_Season_Line(int nTeam, int nSlot, int nYear, int nLineTeam)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return NO_SEASON_LINE;
    if (!Is_Valid_Team(nLineTeam) || !Is_Player_Slot_Used(nTeam, nSlot))
        return NO_SEASON_LINE;
    PLAYER& Player = Player_At(nTeam, nSlot);
    int nTeamByte = nLineTeam & TEAM_BYTE_MASK;
    auto Matches = [&](int nLine) {
        return Is_Valid_Line(nLine) && Line_Year(nLine) == nYear && Line_Team(nLine) == nTeamByte;
    };

    int nCurrent = Player.nCurrentLine;
    if (Matches(nCurrent))
        return nCurrent;
    if (!Is_Valid_Line(nCurrent)) {
        Set_Current_Season_Link_To_Latest(nTeam, nSlot);
        // Without a current line (after loading, or after a reset mid-season)
        // the season's line with this team may already be linked: keep
        // crediting it rather than splitting the season into two lines. The
        // last match is the latest stint with the team.
        int nFound = NO_SEASON_LINE;
        for (int32_t nLink : Player.nSeasonLink) {
            if (Matches(nLink))
                nFound = nLink;
        }
        if (nFound != NO_SEASON_LINE)
            return nFound;
    }

    // A line that cannot be linked would be collected with the season's
    // credits in it: refuse before taking one.
    int nLink = Find_Free_Season_Link(nTeam, nSlot);
    if (nLink < 0) {
        if (!Refusal_Already_Logged(Player.nVital[VITAL_PLAYER_ID], nYear))
            Write_Debug_Log("No season line for player %d in %d: all %d season links are in use.",
                            Player.nVital[VITAL_PLAYER_ID], nYear, SEASON_LINK_COUNT);
        return NO_SEASON_LINE;
    }
    int nLine = Find_First_Free_Line();
    if (nLine == NO_SEASON_LINE)
        return NO_SEASON_LINE;

    // A free line of a damaged file may still hold numbers; start it clean.
    Zero_Line(nLine);
    League.SeasonLines[nLine][LINE_YEAR] = nYear;
    League.SeasonLines[nLine][LINE_TEAM] = nTeamByte;
    Player.nSeasonLink[nLink] = nLine;
    return nLine;
}

int Get_Player_Current_Season_Line(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return NO_SEASON_LINE;
    PLAYER& Player = Player_At(nTeam, nSlot);
    int nYear = Get_Current_Year();
    int nCurrent = Player.nCurrentLine;
    if (Is_Valid_Line(nCurrent) && Line_Year(nCurrent) == nYear && Line_Team(nCurrent) == (nTeam & TEAM_BYTE_MASK))
        return nCurrent;
    if (nTeam == FREE_AGENT_TEAM)
        return NO_SEASON_LINE;
    int nLine = Assign_Player_Season_Line(nTeam, nSlot, nYear, nTeam);
    if (nLine != NO_SEASON_LINE)
        Player.nCurrentLine = nLine;
    return nLine;
}

void Set_Player_Current_Season_Line(int nTeam, int nSlot, int nLine)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (nLine != NO_SEASON_LINE && !Is_Valid_Line(nLine)) {
        Report_Error("'nLine' out of bounds in %s(%d, %d, [nLine = %d])", __func__, nTeam, nSlot, nLine);
        return;
    }
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    Player_At(nTeam, nSlot).nCurrentLine = nLine;
}

void Set_Season_Line_Header(int nLine, int nYear, int nLevel, int nLineTeam)
{
    if (nLine == NO_SEASON_LINE)
        return;
    if (!Is_Valid_Line(nLine) || nYear == 0) {
        Report_Error("Bad line in %s([nLine = %d], [nYear = %d], nLevel = %d, nTeam = %d)", __func__, nLine, nYear,
                     nLevel, nLineTeam);
        return;
    }
    League.SeasonLines[nLine][LINE_YEAR] = nYear;
    League.SeasonLines[nLine][LINE_LEVEL] = nLevel;
    League.SeasonLines[nLine][LINE_TEAM] = nLineTeam & TEAM_BYTE_MASK;
}

void Set_Player_Current_Line_Stat(int nTeam, int nSlot, int iStat, int nValue)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (!Is_Stat_Index(iStat)) {
        Report_Error("nStat out of bounds in %s(%d,%d,[%d],%d)", __func__, nTeam, nSlot, iStat, nValue);
        return;
    }
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    // A second assignment after a refusal would meet the same full links or
    // full table, so one attempt is all there is.
    int nLine = Get_Player_Current_Season_Line(nTeam, nSlot);
    if (nLine != NO_SEASON_LINE)
        League.SeasonLines[nLine][LINE_FIRST_STAT + iStat] = nValue;
}

void Add_Player_Current_Line_Stat_Checked(int nTeam, int nSlot, int iStat, int nValue)
{
    if (!Check_Player_Address("Add_Player_Current_Line_Stat", nTeam, nSlot))
        return;
    if (!Is_Stat_Index(iStat)) {
        Report_Error("nStat out of bounds in %s(%d,%d,[%d],%d)", "Add_Player_Current_Line_Stat", nTeam, nSlot, iStat,
                     nValue);
        return;
    }
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    int nLine = Get_Player_Current_Season_Line(nTeam, nSlot);
    if (nLine == NO_SEASON_LINE)
        return;
    int32_t& nStat = League.SeasonLines[nLine][LINE_FIRST_STAT + iStat];
    nStat = Clamp_To_Int(static_cast<int64_t>(nStat) + nValue);
}

// ---------------------------------------------------------------------------
// Whole table

void Forget_Season_Line_Allocator()
{
    g_nFreeLineBound = 0;
}

void Reset_Current_Season_Links()
{
    For_Each_Player_In_Use([](int nTeam, int nSlot) { Player_At(nTeam, nSlot).nCurrentLine = NO_SEASON_LINE; });
    g_nFreeLineBound = 0;
    Forget_Refusals();
}

void Erase_Unlinked_Season_Lines()
{
    std::vector<uint8_t> bLinked(SEASON_LINE_COUNT, 0);
    For_Each_Player_In_Use([&](int nTeam, int nSlot) {
        const int32_t* nLinks = Player_At(nTeam, nSlot).nSeasonLink;
        int n = 0;
        while (n < SEASON_LINK_COUNT) {
            int nLine = nLinks[n];
            if (Is_Valid_Line(nLine) && Line_Year(nLine) == 0) {
                // A linked free line: unlinked and cleared, not counted.
                Zero_Line(nLine);
                Remove_Link(nTeam, nSlot, n);
                continue;
            }
            if (Is_Valid_Line(nLine))
                bLinked[nLine] = 1;
            ++n;
        }
    });

    int nErased = 0;
    for (int nLine = 0; nLine < SEASON_LINE_COUNT; ++nLine) {
        if (bLinked[nLine])
            continue;
        // A line already empty is left unwritten.
        for (int32_t nWord : League.SeasonLines[nLine]) {
            if (nWord != 0) {
                ++nErased;
                Zero_Line(nLine);
                break;
            }
        }
    }
    g_nFreeLineBound = 0;
    if (nErased != 0)
        Write_Debug_Log("Erased %d non-empty season lines.", nErased);
}

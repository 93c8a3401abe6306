#include "league/standings_keys.h"

#include <climits>
#include <cstring>

#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

// Division rows sit at the head of the standings area: 8 rows of 13 bytes.
constexpr size_t DIVISION_ROWS_OFFSET = 0;
constexpr size_t DIVISION_ROWS_SIZE = NUMBER_OF_DIVISIONS * DIVISION_ROW_PLACES;
// The calendar words start at this offset inside the standings area.
constexpr size_t CALENDAR_OFFSET_IN_AREA = CALENDAR_WORDS_OFFSET - offsetof(LEAGUE_DATA, StandingsArea);
static_assert(CALENDAR_OFFSET_IN_AREA + 24 == sizeof(League.StandingsArea));
static_assert(DIVISION_ROWS_OFFSET + DIVISION_ROWS_SIZE <= CALENDAR_OFFSET_IN_AREA);

constexpr int UNUSED_SLOT_KEY = INT_MIN + 1;   // below every real key
constexpr int PLACED_KEY = INT_MIN;            // below even an unused slot

uint8_t* Division_Row(int nDivision)
{
    return League.StandingsArea + DIVISION_ROWS_OFFSET + static_cast<size_t>(nDivision) * DIVISION_ROW_PLACES;
}

int Current_Wins_Minus_Losses(int nTeam)
{
    return Get_Team_Current_Yearly_Char(nTeam, YEARLY_WINS) - Get_Team_Current_Yearly_Char(nTeam, YEARLY_LOSSES);
}

int Current_Games_Played(int nTeam)
{
    return Get_Team_Current_Yearly_Char(nTeam, YEARLY_WINS) + Get_Team_Current_Yearly_Char(nTeam, YEARLY_LOSSES) +
           Get_Team_Current_Yearly_Char(nTeam, YEARLY_TIES);
}

// The order of the league tables. Only the season record counts for now; the
// head-to-head bonus and the league-record term read the GAME records and
// come with the full standings.
int Standings_Key(int nTeam)
{
    if (!Is_Team_Slot_Used(nTeam))
        return UNUSED_SLOT_KEY;
    if (Current_Games_Played(nTeam) == 0)
        return 0;
    return Current_Wins_Minus_Losses(nTeam) * 10000;
}

// The order inside a division; as above, the game-record terms come later.
int Division_Key(int nTeam)
{
    return Current_Wins_Minus_Losses(nTeam) * 10000;
}

}  // namespace

int Get_Universe_Stat(int nIndex)
{
    if (nIndex < 0 || nIndex >= UNIVERSE_STAT_COUNT) {
        Report_Error("nIndex out of bounds in Get_Universe_Stat([%d])", nIndex);
        return 0;
    }
    return League.Universe.nStat[nIndex];
}

void Set_Universe_Stat(int nIndex, int nValue)
{
    if (nIndex < 0 || nIndex >= UNIVERSE_STAT_COUNT) {
        Report_Error("nIndex out of bounds in Set_Universe_Stat([%d],%d)", nIndex, nValue);
        return;
    }
    if (nIndex == WILD_CARD_TEAMS && nValue > MAX_WILD_CARD_TEAMS)
        Report_Error("nValue too high in Set_Universe_Stat(WILD_CARD_TEAMS, %d)", nValue);
    League.Universe.nStat[nIndex] = nValue;
}

int Get_First_Playoff_Week()
{
    int32_t nWeeks;
    std::memcpy(&nWeeks, League.StandingsArea + CALENDAR_OFFSET_IN_AREA, sizeof(nWeeks));
    return nWeeks;
}

void Rank_Teams_By_Standings()
{
    int nTeams = Count_Teams();
    int nKey[MAX_FRANCHISES];
    for (int t = 0; t < nTeams; t++)
        nKey[t] = Standings_Key(t);
    for (int nPlace = 0; nPlace < nTeams; nPlace++) {
        int nBest = 0;
        // ">=" while scanning upward: among equal keys the higher slot wins.
        for (int t = 1; t < nTeams; t++)
            if (nKey[t] >= nKey[nBest])
                nBest = t;
        Set_Team_Record_Int(nBest, 2, nPlace);
        nKey[nBest] = PLACED_KEY;
    }
}

void Set_Division_Place(int nDivision, int nPlace)
{
    if (nDivision < 0 || nDivision >= NUMBER_OF_DIVISIONS) {
        Report_Error("nDivision out of bounds in Set_Division_Place([%d],%d)", nDivision, nPlace);
        return;
    }
    if (nPlace < 0 || nPlace >= DIVISION_ROW_PLACES) {
        Report_Error("nPlace out of bounds in Set_Division_Place(%d,[%d])", nDivision, nPlace);
        return;
    }
    uint8_t* pRow = Division_Row(nDivision);
    int nTeams = Count_Teams();
    // An empty league and the places past the division's size hold no team.
    if (nTeams == 0 || nPlace >= Count_Division_Teams(nDivision)) {
        pRow[nPlace] = NO_TEAM;
        return;
    }
    int nSeason = Get_User_Preference(PREF_SEASON_INDEX);
    int nBest = -1;
    int nBestKey = PLACED_KEY;
    for (int t = 0; t < nTeams; t++) {
        if (League.Team[t].nTeamStat[TEAM_STAT_DIVISION] != nDivision)
            continue;
        bool bPlaced = false;
        for (int p = 0; p < nPlace; p++)
            if (pRow[p] == t)
                bPlaced = true;
        int nKey = bPlaced ? PLACED_KEY : Division_Key(t);
        if (nBest < 0 || nKey > nBestKey || (nKey == nBestKey && (nSeason + t) % 2 == 0)) {
            nBest = t;
            nBestKey = nKey;
        }
    }
    pRow[nPlace] = nBest < 0 ? NO_TEAM : static_cast<uint8_t>(nBest);
}

void Clear_Standings_Order()
{
    Rank_Teams_By_Standings();
    std::memset(League.StandingsArea + DIVISION_ROWS_OFFSET, NO_TEAM, DIVISION_ROWS_SIZE);
    for (int d = 0; d < NUMBER_OF_DIVISIONS; d++)
        for (int p = 0; p < DIVISION_ROW_PLACES; p++)
            Set_Division_Place(d, p);
}

int Can_Play_Depth_Slot(int nPosition, int nSlot)
{
    if (nSlot < 0 || nSlot >= DEPTH_SLOT_GROUP_COUNT) {
        Report_Error("nSlot out of bounds in Can_Play_Depth_Slot(%d,[%d])", nPosition, nSlot);
        return 0;
    }
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) {
        Report_Error("nPosition out of bounds in Can_Play_Depth_Slot([%d],%d)", nPosition, nSlot);
        return 0;
    }
    if (nSlot == 11)
        return nPosition == 4;                   // wide receivers only
    if (nSlot == 23 || nSlot == 24)
        return nPosition == 13;                  // kickers only
    if (nSlot == 25 || nSlot == 26)
        return nPosition == 14;                  // punters only
    int nGroup = Get_Depth_Slot_Position(nSlot);
    if (nGroup < 0)
        return 1;                                // a slot of no position takes anyone
    // Position units: 4 quarterback, 0 backs and receivers, 1 line, 2 defence, 3 kickers.
    int nUnit = nPosition == 0 ? 4 : nPosition <= 4 ? 0 : nPosition <= 7 ? 1 : nPosition <= 12 ? 2 : 3;
    if (nUnit == nGroup)
        return 1;
    return (nSlot == 13 || nSlot == 14) && (nPosition == 11 || nPosition == 12);
}

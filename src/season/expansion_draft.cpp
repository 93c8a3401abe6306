// The expansion draft.
#include "season/expansion_draft.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "base/text_utils.h"
#include "season/expansion_test_hooks.h"
#include "season/player_value.h"

const int EXPANSION_POSITION_QUOTA[NUMBER_OF_POSITIONS] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};

namespace {

constexpr int SIDE_PROTECTED[3] = {11, 11, 2};   // offence, defence, kickers
constexpr int PICK_BASE_SCORE = 1000;
constexpr int FIRST_OPEN_DRAFT_YEAR = 1970;      // before it, picks stay within the league
constexpr const char* CSV_HEADER = "Drafted By,Player,Position,Age,Previous Team";

bool bExcluded = false;
int nTaken[MAX_FRANCHISES] = {};
char szFileName[64] = "";

// The front office's worth of a player in trade talks: his value.
int Default_Trade_Worth(int nTeam, int nSlot)
{
    return Get_Player_Value(nTeam, nSlot);
}

// His worth to the new club: his value less that of the new club's best
// player at his position (a position already filled is worth less to it).
int Default_Value_To_Team(int nNewTeam, int nTeam, int nSlot)
{
    const int nValue = Get_Player_Value(nTeam, nSlot);
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nBest = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (Get_Player_ID(nNewTeam, s) == 0 || Get_Player_Vital_Stat(nNewTeam, s, VITAL_POSITION) != nPosition)
            continue;
        const int v = Get_Player_Value(nNewTeam, s);
        if (v > nBest)
            nBest = v;
    }
    return nValue - nBest;
}

EXPANSION_TRADE_WORTH pTradeWorth = Default_Trade_Worth;
EXPANSION_VALUE_TO_TEAM pValueToTeam = Default_Value_To_Team;

bool Is_Used(int nTeam, int nSlot)
{
    return Get_Player_ID(nTeam, nSlot) != 0;
}

void Set_Protected(int nTeam, int nSlot, bool bProtected)
{
    const int nFlags = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS);
    const int nNew = bProtected ? (nFlags | EXPANSION_PROTECTED_FLAG) : (nFlags & ~EXPANSION_PROTECTED_FLAG);
    if (nNew != nFlags)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS, nNew);
}

int Count_Roster(int nTeam)
{
    int n = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
        n += Is_Used(nTeam, s) ? 1 : 0;
    return n;
}

int League_Of(int nTeam)
{
    if (!Is_Team_Slot_Used(nTeam))
        return -1;
    return Get_Team_Stat(nTeam, TEAM_STAT_DIVISION) / 4;
}

bool Protects_Whole_Roster(int nTeam)
{
    if (Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_NEW_FRANCHISE)
        return true;
    return bExcluded && Is_Human_Team(nTeam);
}

void Protect_Players(int nTeams)
{
    for (int t = 0; t < nTeams; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Is_Used(t, s))
                Set_Protected(t, s, false);
    for (int t = 0; t < nTeams; ++t) {
        for (int nSide = SIDE_OFFENSE; nSide <= SIDE_KICKERS; ++nSide) {
            const int nFirst = Get_Or_Create_Team_Side_Player(t, nSide);
            if (nFirst < 0 || nFirst >= PLAYERS_PER_TEAM)
                continue;
            // Never past the last slot, and never an empty record.
            const int nEnd = std::min(nFirst + SIDE_PROTECTED[nSide], PLAYERS_PER_TEAM);
            for (int s = nFirst; s < nEnd; ++s)
                if (Is_Used(t, s))
                    Set_Protected(t, s, true);
        }
        if (Protects_Whole_Roster(t))
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Is_Used(t, s))
                    Set_Protected(t, s, true);
    }
}

}  // namespace

void Set_Expansion_Worth_Functions(EXPANSION_TRADE_WORTH pTrade, EXPANSION_VALUE_TO_TEAM pValue)
{
    pTradeWorth = pTrade != nullptr ? pTrade : Default_Trade_Worth;
    pValueToTeam = pValue != nullptr ? pValue : Default_Value_To_Team;
}

void Set_Expansion_Exclusion(bool bExclude)
{
    bExcluded = bExclude;
}

bool Is_Expansion_Excluded()
{
    return bExcluded;
}

int Get_Expansion_Taken_Count(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES ? nTaken[nTeam] : 0;
}

bool Is_Player_Protected(int nTeam, int nSlot)
{
    return (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) & EXPANSION_PROTECTED_FLAG) != 0;
}

int Choose_Expansion_Pick(int nNewTeam, int* pnSourceTeam, int* pnSourceSlot, int nPosition)
{
    if (pnSourceTeam == nullptr || pnSourceSlot == nullptr) {
        Report_Error("Null output in %s(%d,%d)", __func__, nNewTeam, nPosition);
        return 0;
    }
    const int nTeams = Count_Teams();
    const bool bOwnLeagueOnly = Get_Current_Year() < FIRST_OPEN_DRAFT_YEAR;
    const int nLeague = League_Of(nNewTeam);
    int nBest = 0;
    bool bFound = false;
    for (int t = 0; t < nTeams; ++t) {
        if (bOwnLeagueOnly && League_Of(t) != nLeague)
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            // An empty record is never a pick, whatever its bytes say.
            if (!Is_Used(t, s) || Is_Player_Protected(t, s))
                continue;
            if (Get_Player_Vital_Stat(t, s, VITAL_POSITION) != nPosition)
                continue;
            const int nValue = pValueToTeam(nNewTeam, t, s) / 2;
            int nScore = pTradeWorth(t, s) / 2 + (nValue > 0 ? nValue : 0) + PICK_BASE_SCORE;
            if (t < MAX_FRANCHISES && nTaken[t] > 0)
                nScore /= nTaken[t] + 1;
            if (nScore > nBest) {
                nBest = nScore;
                *pnSourceTeam = t;
                *pnSourceSlot = s;
                bFound = true;
            }
        }
    }
    return bFound ? 1 : 0;
}

void Run_Expansion_Draft()
{
    std::string Lost;   // the user's players taken, grown as needed
    const int nTeams = Count_Teams();
    Protect_Players(nTeams);

    for (int& n : nTaken)
        n = 0;
    char szName[sizeof szFileName];
    std::snprintf(szName, sizeof szName, "Expansion-Draft-%d.csv", Get_Current_Year() + 1);
    szFileName[0] = '\0';
    const std::string Path = std::string("Output/") + szName;
    bool bWritten = false;
    const bool bOneUser = Count_Human_Teams() == 1;

    for (int i = 0; i < EXPANSION_DRAFT_PASSES; ++i) {
        for (int q = 0; q < NUMBER_OF_POSITIONS; ++q) {
            if (i >= EXPANSION_POSITION_QUOTA[q])
                continue;
            for (int t = 0; t < nTeams; ++t) {
                if (Get_Team_Stat(t, TEAM_STAT_CONTROLLER) != CONTROLLER_NEW_FRANCHISE)
                    continue;
                int nSource = NO_TEAM;
                int nSlot = NO_PLAYER;
                if (!Choose_Expansion_Pick(t, &nSource, &nSlot, q) || Count_Roster(t) >= EXPANSION_ROSTER_CAP)
                    continue;
                const int k = Find_Empty_Player_Slot(t);
                if (k < 0)
                    continue;
                Swap_Players(t, k, nSource, nSlot);
                Set_Protected(t, k, true);

                if (!bWritten) {
                    files::Create_Folders("Output");
                    files::Delete_File(Path.c_str());
                    Append_Line_To_File(Path.c_str(), CSV_HEADER);
                    bWritten = true;
                    std::snprintf(szFileName, sizeof szFileName, "%s", szName);
                }
                char szNew[TEXT_BUFFER_SIZE];
                char szOld[TEXT_BUFFER_SIZE];
                char szPlayer[TEXT_BUFFER_SIZE];
                char szPosition[TEXT_BUFFER_SIZE];
                Get_Team_Full_Name(t, szNew);
                Get_Team_Full_Name(nSource, szOld);
                Get_Player_Full_Name(t, k, szPlayer);
                Get_Player_Position_Name(szPosition, t, k);
                const int nAge = Get_Current_Year() - Get_Player_Vital_Stat(t, k, VITAL_BIRTH_DATE) / 10000;
                Append_Formatted_Line_To_File(Path.c_str(), "%s,%s,%s,%d,%s", szNew, szPlayer, szPosition, nAge,
                                              szOld);
                if (nSource < MAX_FRANCHISES)
                    ++nTaken[nSource];
                if (bOneUser && Is_Human_Team(nSource)) {
                    Lost += std::string(szPlayer) + " (" + szPosition + ", age " + std::to_string(nAge) + ")\n";
                }
            }
        }
    }

    // The taken players left holes behind: close them before anyone counts.
    for (int t = 0; t < nTeams; ++t)
        if (Get_Team_Stat(t, TEAM_STAT_CONTROLLER) != CONTROLLER_NEW_FRANCHISE)
            Compact_Team_Roster(t);

    if (Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0)
        return;
    if (bOneUser && !Lost.empty()) {
        char szUser[TEXT_BUFFER_SIZE];
        Get_Team_Full_Name(Get_Nth_Human_Team(0), szUser);
        Show_Formatted_Message("Expansion Draft Complete", "The following %s players were taken in the Expansion Draft:\n\n%s",
                               szUser, Lost.c_str());
    }
    // Only a draft that made picks wrote a list to point to.
    if (bWritten)
        Show_Formatted_Message("Expansion Draft", "A complete list of draft picks has been output to 'Output/%s'.",
                               szFileName);
}

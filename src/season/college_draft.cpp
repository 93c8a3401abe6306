// The college draft.
//
// Rule now: the computer picks for every club, taking the prospect with the
// best overall rating at his position; a prospect gets the four-year rookie
// contract with his draft slot's bonus. Forfeited picks pass without a
// record, and a club's cash does not pay the bonus.
#include "season/college_draft.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "base/text_utils.h"
#include "frontoffice/college_count.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/shell_requests.h"
#include "season/draft_pool.h"
#include "season/offseason.h"
#include "season/salaries.h"

namespace {

constexpr int ROOKIE_CONTRACT_YEARS = 4;
constexpr int REPORT_LINE_SIZE = 256;
// Every pick moves the draft on by one; no draft holds more picks than this.
constexpr int MAX_DRAFT_STEPS = DRAFT_ROUNDS * MAX_FRANCHISES + 1;

struct PROSPECT {
    int nTeam = NO_TEAM;
    int nSlot = -1;
};

int Draft_Round()
{
    return Get_User_Preference(PREF_DRAFT_ROUND);
}

int Draft_Pick()
{
    return Get_User_Preference(PREF_DRAFT_PICKS_MADE);
}

bool Is_User_Run_Franchise(int nTeam)
{
    return Is_Team_Slot_Used(nTeam) && Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER
           && Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) == 0;
}

// The prospect with the best overall rating at his own position; on a tie
// the lower pool, then the lower slot.
PROSPECT Choose_Best_Prospect()
{
    PROSPECT Best;
    float fBest = 0.0f;
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        const int nPlayers = Count_Team_Players(t);
        for (int s = 0; s < nPlayers; ++s) {
            const float fOverall = Get_Player_Overall_Rating(t, s);
            if (Best.nSlot < 0 || fOverall > fBest) {
                Best.nTeam = t;
                Best.nSlot = s;
                fBest = fOverall;
            }
        }
    }
    return Best;
}

// " %-15s %-25s (%s)": the drafting club's nickname, the player's name and
// his position.
void Write_Draft_Report_Line(int nTeam, int nPoolTeam, int nPoolSlot)
{
    char szNickname[TEAM_STRING_SIZE] = "";
    if (nTeam <= HALL_OF_FAME_TEAM)
        Get_Team_String(szNickname, nTeam, TEAM_STRING_NICKNAME);
    if (Is_User_Run_Franchise(nTeam))
        szNickname[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(szNickname[0])));
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(nPoolTeam, nPoolSlot, szName);
    char szPosition[16] = "";
    Get_Player_Position_Name(szPosition, nPoolTeam, nPoolSlot);
    char szPath[REPORT_LINE_SIZE];
    Get_Draft_Report_Path(szPath, sizeof(szPath), Get_Current_Year());
    Append_Formatted_Line_To_File(szPath, " %-15s %-25s (%s)", szNickname, szName, szPosition);
}

// Moves the prospect to the club (or to the free agents); his new slot, -1
// when he could not be moved.
int Move_Prospect(int nTeam, int nPoolTeam, int nPoolSlot)
{
    if (nTeam == FREE_AGENT_TEAM)
        return Find_Free_Agent_Slot(nPoolTeam, nPoolSlot);
    const int nSlot = Find_Empty_Player_Slot(nTeam);
    if (nSlot < 0)
        return -1;
    Swap_Players(nPoolTeam, nPoolSlot, nTeam, nSlot);
    // The pool's slot now holds the empty record: clear it and close the gap.
    Shift_Roster_Over_Slot(nPoolTeam, nPoolSlot);
    return nSlot;
}

void Record_Drafted_Player(int nTeam, int nPoolTeam, int nPoolSlot)
{
    const int nRound = Draft_Round();
    const int nPick = Draft_Pick();
    const int nTeams = Count_Teams();
    const int nYear = Get_Current_Year();
    Write_Draft_Report_Line(nTeam, nPoolTeam, nPoolSlot);
    const int nSlot = Move_Prospect(nTeam, nPoolTeam, nPoolSlot);
    if (nSlot < 0)
        return;
    if (nTeam != FREE_AGENT_TEAM)
        Get_Player_Current_Season_Line(nTeam, nSlot);   // assigns and links this year's line
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK,
                          ((nRound + 1) * 100 + (nPick + 1)) * 1000 + (nTeams * nRound + nPick + 1));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_BY, (nTeam + 1) * 10000 + nYear);
    for (int nPeriod = 0; nPeriod <= 2; ++nPeriod)
        Clear_Player_Season_Stats(nTeam, nSlot, nPeriod);
}

// The computer's pick for the holder; the pick passes when there is no
// prospect or the roster stays full.
void Make_Draft_Pick(int nTeam)
{
    const PROSPECT Prospect = Choose_Best_Prospect();
    if (Prospect.nSlot < 0)
        return;
    if (nTeam != FREE_AGENT_TEAM) {
        // In the first four rounds a full roster makes room on the prospect's side.
        if (Draft_Round() <= 3 && Count_Team_Players(nTeam) >= PLAYERS_PER_TEAM) {
            const int nLast = Find_Last_Team_Side_Player(nTeam, Get_Player_Side(Prospect.nTeam, Prospect.nSlot));
            if (nLast >= 0)
                Find_Free_Agent_Slot(nTeam, nLast);
        }
        if (Count_Team_Players(nTeam) >= PLAYERS_PER_TEAM)
            return;
    }
    Set_Player_Vital_Stat(Prospect.nTeam, Prospect.nSlot, VITAL_SIGNING_BONUS,
                          Get_Draft_Slot_Bonus(Draft_Round(), Draft_Pick()));
    Set_Player_Vital_Stat(Prospect.nTeam, Prospect.nSlot, VITAL_CONTRACT_YEARS_LEFT, ROOKIE_CONTRACT_YEARS);
    Set_Player_Vital_Stat(Prospect.nTeam, Prospect.nSlot, VITAL_CONTRACT_LENGTH, ROOKIE_CONTRACT_YEARS);
    Record_Drafted_Player(nTeam, Prospect.nTeam, Prospect.nSlot);
}

void End_College_Draft()
{
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    Setup_Next_Season();
}

void Move_To_Next_Draft_Pick()
{
    int nPick = Draft_Pick() + 1;
    int nRound = Draft_Round();
    if (nPick >= Count_Teams()) {
        nPick = 0;
        ++nRound;
        if (nRound < DRAFT_OVER_ROUND) {
            Write_Draft_Round_Header(nRound);
            if (Get_User_Preference(PREF_MAIN_PAGE) == DRAFT_PAGE)
                Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, nRound + 1);
        }
    }
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, nPick);
    Set_User_Preference(PREF_DRAFT_ROUND, nRound);
    if (nRound >= DRAFT_OVER_ROUND)
        Setup_Next_Season();
}

// The pick on the clock, made by the computer whoever holds it; then the
// draft moves on.
void Advance_Draft_Pick()
{
    const int nOrigin = Get_Draft_Order_Team(Draft_Pick());
    const int nRound = Draft_Round();
    const int nHolder = nOrigin == NO_TEAM ? NO_TEAM : Get_Draft_Pick_Owner(0, nRound, nOrigin);
    if (Is_Team_Slot_Used(nHolder) || nHolder == FREE_AGENT_TEAM)
        Make_Draft_Pick(nHolder);
    Move_To_Next_Draft_Pick();
    Request_Main_Window_Repaint();
}

}  // namespace

void Get_Draft_Report_Path(char* szBuffer, int nSize, int nYear)
{
    if (szBuffer == nullptr || nSize <= 0)
        return;
    std::snprintf(szBuffer, static_cast<size_t>(nSize), "Output\\College-Draft-%d.txt", nYear);
}

void Write_Draft_Round_Header(int nRound)
{
    char szOrdinal[64];
    Get_Ordinal_Words(szOrdinal, nRound + 1);
    szOrdinal[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(szOrdinal[0])));
    char szPath[REPORT_LINE_SIZE];
    Get_Draft_Report_Path(szPath, sizeof(szPath), Get_Current_Year());
    Append_Line_To_File(szPath, "");
    Append_Formatted_Line_To_File(szPath, "================= %s ROUND =================", szOrdinal);
}

void Start_College_Draft()
{
    const int nYear = Get_Current_Year();
    // The timing line: year, text, milliseconds within the hour, then
    // minute, second and millisecond of the local time.
    const auto Now = std::chrono::system_clock::now();
    const std::time_t Seconds = std::chrono::system_clock::to_time_t(Now);
    const int nMilliseconds = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Now.time_since_epoch()).count() % 1000);
    int nMinute = 0;
    int nSecond = 0;
    if (const std::tm* pLocal = std::localtime(&Seconds)) {
        nMinute = pLocal->tm_min;
        nSecond = pLocal->tm_sec;
    }
    Append_Formatted_Line_To_File(DEBUG_LOG_FILE, "%d,%s,%d,%d:%02d.%03d", nYear, "Off-Season Finished",
                                  (nMinute * 60 + nSecond) * 1000 + nMilliseconds, nMinute, nSecond, nMilliseconds);

    Set_Draft_Order();
    Rebuild_Play_Menu();
    Stop_News_Ticker();
    Destroy_Status_Bar();
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);

    char szPath[REPORT_LINE_SIZE];
    Get_Draft_Report_Path(szPath, sizeof(szPath), nYear);
    files::Create_Folders("Output");
    files::Delete_File(szPath);
    Append_Line_To_File(szPath, "");
    Append_Formatted_Line_To_File(szPath, "               %d COLLEGE DRAFT", nYear);
    Write_Draft_Round_Header(0);

    Load_Draft_Strategy();
    Rebuild_Play_Menu();
    Begin_College_Draft();
}

void Begin_College_Draft()
{
    Show_Main_Page(DRAFT_PAGE);
    for (int nStep = 0; nStep < MAX_DRAFT_STEPS; ++nStep) {
        if (Draft_Round() >= DRAFT_OVER_ROUND)
            return;
        if (Count_College_Players() == 0) {
            End_College_Draft();
            return;
        }
        Advance_Draft_Pick();
    }
    Report_Error("College draft did not end in %s()", __func__);
}

void Load_Draft_Strategy()
{
    // Rule now: nothing to read; the computer's pick weighs no position.
}

void Roll_Draft_Pick_Owners_Forward()
{
    const int nTeams = Count_Teams();
    for (int nRound = 0; nRound < DRAFT_ROUNDS; ++nRound) {
        for (int t = 0; t < nTeams; ++t) {
            Set_Draft_Pick_Owner(0, nRound, t, Get_Draft_Pick_Owner(1, nRound, t));
            Set_Draft_Pick_Owner(1, nRound, t, Get_Draft_Pick_Owner(2, nRound, t));
            Set_Draft_Pick_Owner(2, nRound, t, t);
        }
    }
}

void Clear_Negative_Seasons()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t <= FREE_AGENT_TEAM; ++t) {
        if (t >= nTeams && t != FREE_AGENT_TEAM)
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Is_Player_Slot_Used(t, s) && Get_Player_Vital_Stat(t, s, VITAL_SEASONS_PLAYED) < 0)
                Set_Player_Vital_Stat(t, s, VITAL_SEASONS_PLAYED, 0);
        }
    }
}

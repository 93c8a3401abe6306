// The end of a season and the start of the next.
#include "season/offseason.h"

#include <cstdio>
#include <cstring>

#include "frontoffice/college_count.h"
#include "frontoffice/computer_manager.h"
#include "frontoffice/depth_chart.h"
#include "league/calendar.h"
#include "league/default_settings.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/player_stats.h"
#include "league/player_text.h"
#include "league/preferences.h"
#include "league/salary_cap.h"
#include "league/season_lines.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "schedule/schedule_driver.h"
#include "season/college_draft.h"
#include "season/contract_renewal.h"
#include "season/day_advance.h"
#include "season/franchise_moves.h"
#include "season/injuries.h"
#include "season/offseason_test_hooks.h"
#include "season/player_development.h"
#include "season/player_generation.h"
#include "season/player_value.h"
#include "season/playoffs.h"
#include "season/predicted_fixup.h"
#include "season/season_reports.h"
#include "season/standings.h"
#include "season/downloads.h"
#include "season/player_repairs.h"
#include "season/season_files.h"
#include "season/team_records_file.h"

namespace {

constexpr int PREDICTED_PERIOD = 3;
constexpr int THIS_SEASON = 0;
constexpr int LAST_SEASON = 1;
constexpr int PREDICTED_REGION = 2;
constexpr int HIGHEST_DIFFICULTY = 2;
constexpr int REGENERATE_BELOW = 25;
constexpr int OFFSEASON_HEALING_WEEKS = 11;
constexpr int NEXT_SEASON_HEALING_WEEKS = 19;
constexpr int STANDINGS_PAGE = 40030;
constexpr int TEAM_RECORDS_FILE_BEFORE = 2023;
constexpr int SEASON_FINISH_INT = YEARLY_INT_FINISH;
constexpr int TITLE_FINISH_CODE = 8;          // the final's winner
constexpr int LEAGUE_TITLE_FINISH_CODE = 7;   // a league's champion (no final between the leagues)
constexpr int ATTENDANCE_INT = 0;
constexpr int PROFIT_INT = 1;
constexpr int YEARLY_RECORD_VALUES = 8;   // bytes 0, 4, ..., 28

// Each renewal either keeps the slot's player or replaces him with the next
// one; the walk of a roster never needs more looks than this.
constexpr int MAX_RENEWAL_LOOKS = 2 * PLAYERS_PER_TEAM;

constexpr const char* BEGIN_DRAFT_TEXT =
    "The College Draft is ready to begin.\n\nPress 'Yes' to begin the draft.\nPress 'No' to pause so that you can "
    "sign free agents or trade draft picks before the draft.";

PLAYER_RENEWAL_FUNCTION g_pRenewal = nullptr;
bool g_bDraftHeld = false;

// This season's running financial stats and last season's copies of them.
constexpr int ARCHIVED_FINANCES[][2] = {
    {FINANCE_BROADCAST, FINANCE_BROADCAST_LAST},
    {FINANCE_HOME_ATTENDANCE, FINANCE_HOME_ATTENDANCE_LAST},
    {FINANCE_TICKETS, FINANCE_TICKETS_LAST},
    {FINANCE_FOOD_SEASON, FINANCE_FOOD_LAST},
    {FINANCE_BEVERAGE_SEASON, FINANCE_BEVERAGE_LAST},
    {FINANCE_SOUVENIR_SEASON, FINANCE_SOUVENIR_LAST},
    {FINANCE_OPERATING_SEASON, FINANCE_OPERATING_LAST},
    {FINANCE_SALARIES_SEASON, FINANCE_SALARIES_LAST},
    {FINANCE_DIVIDENDS_SEASON, FINANCE_DIVIDENDS_LAST},
    {FINANCE_SCOUTING_SEASON, FINANCE_SCOUTING_LAST},
    {FINANCE_MEDICAL_SEASON, FINANCE_MEDICAL_LAST},
    {FINANCE_HOME_GAMES, FINANCE_HOME_GAMES_LAST},
    {FINANCE_GAMES, FINANCE_GAMES_LAST},
};

// The progress window of one step of the season cycle: it steps and closes
// the window only when it opened it (a caller's window stays the caller's).
class PROGRESS {
public:
    PROGRESS(const char* szTitle, int nSteps) : m_bOpened(Open_Progress_Window(szTitle, nSteps) != 0) {}
    void Step(int n)
    {
        if (m_bOpened && n > 0)
            Step_Progress_Window(n);
    }
    void Close()
    {
        if (m_bOpened) {
            Close_Progress_Window();
            m_bOpened = false;
        }
    }
    bool Opened() const { return m_bOpened; }

private:
    bool m_bOpened;
};

bool All_Computer()
{
    return Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0;
}

bool Has_Controller(int nTeam, int nController)
{
    return Is_Team_Slot_Used(nTeam) && Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == nController;
}

// A franchise in use that the user runs, while not every club is computer-run.
bool Is_User_Run_Franchise(int nTeam)
{
    return !All_Computer() && Has_Controller(nTeam, CONTROLLER_USER);
}

int Count_Teams_With_Controller(int nController)
{
    const int nTeams = Count_Teams();
    int nCount = 0;
    for (int t = 0; t < nTeams; ++t)
        if (Has_Controller(t, nController))
            ++nCount;
    return nCount;
}

// The year index of the season just played: the current one, or the one
// before once the off-season has begun (day 100).
int Played_Season_Index()
{
    const int nIndex = Get_Current_Season_Index();
    return Get_Current_Week() == OFFSEASON_WEEK ? nIndex - 1 : nIndex;
}

// Trim, depth charts, returners, backups and a compact roster of a club the
// user does not run.
void Clean_Up_Computer_Roster(int nTeam)
{
    Trim_Team_Roster(nTeam);
    for (int nUnit = 0; nUnit <= 2; ++nUnit)
        Auto_Set_Depth_Chart(nTeam, nUnit, 0);
    Choose_Team_Returners(nTeam);
    Sort_Team_Depth_Chart_Backups(nTeam);
    Compact_Team_Roster(nTeam);
}

void Close_Team_Season(int nTeam)
{
    Renew_Team_Contracts(nTeam);
    Archive_Team_Season(nTeam);
    Update_Team_Season_Finances(nTeam);
    Clear_Previous_Financial_Stats(nTeam);
}

// Every player of every team slot in use: this season's line becomes last
// season's, and this season's is cleared.
void Roll_Over_Player_Statistics()
{
    For_Each_Player_In_Use([](int nTeam, int nSlot) {
        for (int nStat = 0; nStat < STATS_PER_PERIOD; ++nStat)
            Set_Player_Stat(nTeam, nSlot, LAST_SEASON, nStat, Get_Player_Stat(nTeam, nSlot, THIS_SEASON, nStat));
        Clear_Player_Season_Stats(nTeam, nSlot, THIS_SEASON);
    });
}

// The first prospect left in the college pools; false when none is.
bool Find_First_College_Player(int* pTeam, int* pSlot)
{
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Is_Player_Slot_Used(t, s)) {
                *pTeam = t;
                *pSlot = s;
                return true;
            }
        }
    }
    return false;
}

// Every prospect left undrafted becomes a free agent. Each move must lower
// the count; one that does not (the free-agent pool cannot make room) ends
// the moves with a report rather than trying forever.
void Move_College_Players_To_Free_Agents()
{
    int nLeft = Count_College_Players();
    while (nLeft > 0) {
        int nTeam = NO_TEAM;
        int nSlot = -1;
        if (!Find_First_College_Player(&nTeam, &nSlot))
            break;
        Find_Free_Agent_Slot(nTeam, nSlot);
        const int nNow = Count_College_Players();
        if (nNow >= nLeft) {
            Report_Error("College player not moved in %s(): %d left", __func__, nNow);
            break;
        }
        nLeft = nNow;
    }
}

void Compute_All_Position_Averages()
{
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; ++nPosition)
        Compute_League_Position_Averages(nPosition);
}

// The positions whose predicted lines a historical season leaves alone: the
// offensive line's.
bool Is_Left_Alone_In_Historical_Data(int nTeam, int nSlot)
{
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition >= NUMBER_OF_POSITIONS)
        nPosition = Translate_Expanded_Position(nPosition);
    return Get_Position_Unit(nPosition) == UNIT_LINE;
}

}  // namespace

void Set_Player_Renewal_Function(PLAYER_RENEWAL_FUNCTION pFunction)
{
    g_pRenewal = pFunction;
}

int Get_Record_Modifier(int nWinningPercentage, int nDifficulty)
{
    if (nDifficulty < 0)
        nDifficulty = 0;
    if (nDifficulty > HIGHEST_DIFFICULTY)
        nDifficulty = HIGHEST_DIFFICULTY;
    return (500 - nWinningPercentage) / ((5 - nDifficulty) * 10);
}

int Get_Offseason_Club_Progress_Steps(int nComputerClubs, int nIndex)
{
    const int nPer = nComputerClubs > 0 ? 99 / nComputerClubs : 99;
    const int nRemainder = 99 - nPer * (nComputerClubs > 0 ? nComputerClubs : 0);
    return (nPer - 1) + (nIndex < nRemainder ? 1 : 0);
}

int Process_Offseason()
{
    const int nTeams = Count_Teams();
    const int nComputerClubs = Count_Teams_With_Controller(CONTROLLER_COMPUTER);

    Compute_All_Position_Averages();
    Write_Awards_Report();
    Write_Money_Report();
    Write_Standings_Report();
    Renew_Team_Contracts(FREE_AGENT_TEAM);

    if (!All_Computer()) {
        const bool bNotice = Count_Teams_With_Controller(CONTROLLER_USER) > 1;
        for (int t = 0; t < nTeams; ++t) {
            if (!Is_User_Run_Franchise(t))
                continue;
            if (bNotice) {
                char szName[TEAM_STRING_SIZE * 2 + 2];
                Get_Team_Full_Name(t, szName);
                Show_Formatted_Message("Contract Renewals", "The %s are renewing contracts and releasing players.",
                                       szName);
            }
            Close_Team_Season(t);
        }
    }

    PROGRESS Progress("Processing Offseason...", 100);
    Progress.Step(1);
    int i = 0;
    for (int t = 0; t < nTeams; ++t) {
        if (Is_User_Run_Franchise(t))
            continue;
        Close_Team_Season(t);
        Progress.Step(1);
        if (t < MAX_FRANCHISES)
            Clean_Up_Computer_Roster(t);
        Progress.Step(Get_Offseason_Club_Progress_Steps(nComputerClubs, i));
        ++i;
    }

    Roll_Over_Player_Statistics();

    const int nDifficulty = Get_User_Preference(PREF_DIFFICULTY);
    for (int t = 0; t < nTeams; ++t)
        Adjust_Predicted_Stats_For_Record(t, Get_Record_Modifier(Get_Team_Winning_Percentage(t), nDifficulty));

    Progress.Close();
    Pump_Messages();

    const int nYear = Get_Current_Year();
    Apply_Franchise_Changes(nYear + 1);
    Run_League_Expansion(nYear + 1);

    Set_User_Preference(PREF_SEASON_INDEX, Get_Current_Season_Index() + 1);
    Set_Current_Day(OFFSEASON_WEEK);
    Refresh_Main_Window_Title();

    Build_Player_Name_Hash();
    Build_Corvel_ID_Hash();
    Build_Player_ID_Hash();

    bool bStartDraft = true;
    if (All_Computer()) {
        // Nobody to ask: the draft starts.
    } else if (g_bDraftHeld) {
        // The free agents come first; the draft waits as after a No.
        Write_Debug_Log("The %d college draft waits for the free agents", Get_Current_Year());
        bStartDraft = false;
    } else if (Show_Message_Box(BEGIN_DRAFT_TEXT, "Begin College Draft?", BOX_YESNO | BOX_TASKMODAL | BOX_ICON_QUESTION)
               != ID_YES) {
        Show_Formatted_Message("College Draft", "To start the College Draft, choose 'Start Draft' from the Play Menu.");
        bStartDraft = false;
    }
    if (bStartDraft)
        Start_College_Draft();

    Rebuild_Play_Menu();
    for (int nWeek = 0; nWeek < OFFSEASON_HEALING_WEEKS; ++nWeek)
        Heal_All_Injuries_One_Week();
    return 0;
}

void Set_College_Draft_Held(bool bHeld)
{
    g_bDraftHeld = bHeld;
}

bool Is_College_Draft_Held()
{
    return g_bDraftHeld;
}

void Renew_Team_Contracts(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return;
    const bool bUserRun = Is_User_Run_Franchise(nTeam);
    if (!bUserRun)
        Rank_Team_Roster_By_Potential(nTeam);
    if (bUserRun && !Human_Team_Has_Flagged_Players()) {
        char szName[TEAM_STRING_SIZE * 2 + 2];
        Get_Team_Full_Name(nTeam, szName);
        Show_Formatted_Message("Renew Contracts", "The %s do not have any expiring contracts.", szName);
    }

    const PLAYER_RENEWAL_FUNCTION pRenew = g_pRenewal != nullptr ? g_pRenewal : Renew_Player_Contract;
    int nSlot = 0;
    int nLooks = 0;
    while (nSlot < PLAYERS_PER_TEAM) {
        const int nPlayerID = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID);
        if (nPlayerID == 0) {
            ++nSlot;
            continue;
        }
        if (++nLooks > MAX_RENEWAL_LOOKS) {
            Report_Error("Renewals did not end in %s(%d)", __func__, nTeam);
            break;
        }
        const int nResult = pRenew(nTeam, nSlot);
        // A player who left lets the next one move up into his slot: look
        // at the slot again, but only when it now holds someone else.
        if (nResult == 0 && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID) != nPlayerID)
            continue;
        ++nSlot;
    }

    if (!bUserRun && nTeam < MAX_FRANCHISES)
        Clean_Up_Computer_Roster(nTeam);
}

void Rank_Team_Roster_By_Potential(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return;
    Compact_Team_Roster(nTeam);
    const int nPlayers = Find_Roster_End(nTeam);
    // Each player's value once, in slot order (a player rated below 25 gets
    // new ratings on the way, in that same order).
    int Value[PLAYERS_PER_TEAM];
    for (int s = 0; s < nPlayers; ++s) {
        const int nPosition = Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION);
        float fOverall = Get_Position_Overall_Rating(nTeam, s, nPosition);
        if (fOverall < static_cast<float>(REGENERATE_BELOW)) {
            Generate_Player_Ratings(nTeam, s);
            fOverall = Get_Position_Overall_Rating(nTeam, s, nPosition);
        }
        const float fWholeOverall = static_cast<float>(static_cast<int>(fOverall));
        Value[s] = static_cast<int>(Compute_Player_Potential(nTeam, s) + fWholeOverall);
    }
    for (int i = 0; i < nPlayers - 1; ++i) {
        for (int j = i + 1; j < nPlayers; ++j) {
            if (Value[i] < Value[j]) {
                Swap_Players(nTeam, i, nTeam, j);
                const int nTemp = Value[i];
                Value[i] = Value[j];
                Value[j] = nTemp;
            }
        }
    }
}

void Archive_Team_Season(int nTeam)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES) {
        Report_Error("nTeam out of bounds in Set_Team_Yearly_Int()");
        return;
    }
    const int nIndex = Get_Current_Season_Index();
    Set_Team_Yearly_Int(nTeam, nIndex, ATTENDANCE_INT, Get_Team_Financial_Stat(nTeam, FINANCE_HOME_ATTENDANCE));
    Set_Team_Yearly_Int(nTeam, nIndex, PROFIT_INT, Get_Team_Financial_Stat(nTeam, FINANCE_PROFIT));
    // A season whose codes stand keeps them: the division rows may have
    // changed since (a club erased or moved after the final).
    if (!Are_Season_Finishes_Recorded())
        Set_Team_Yearly_Int(nTeam, Played_Season_Index(), SEASON_FINISH_INT, Record_Team_Division_Finish(nTeam));
    for (const auto& Pair : ARCHIVED_FINANCES)
        Set_Team_Financial_Stat(nTeam, Pair[1], Get_Team_Financial_Stat(nTeam, Pair[0]));
}

void Adjust_Predicted_Stats_For_Record(int nTeam, int nModifier)
{
    if (nModifier == 0)
        return;
    if (!Check_Team_Index(__func__, nTeam))
        return;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (!Is_Player_Slot_Used(nTeam, s))
            continue;
        for (int nStat = 0; nStat < STATS_PER_PERIOD; ++nStat)
            Modify_Predicted_Player_Stats(nTeam, s, PREDICTED_PERIOD, nStat, nModifier, PREDICTED_REGION, 1);
        Fix_Predicted_Player_Stats(nTeam, s);
    }
}

int Count_Expiring_Contracts(int nTeam)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES)
        return 0;
    if (Get_Current_Week() != OFFSEASON_WEEK && !Is_Season_Complete())
        return 0;
    int nCount = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (Is_Player_Slot_Used(nTeam, s) && Get_Player_Vital_Stat(nTeam, s, VITAL_CONTRACT_YEARS_LEFT) <= 1)
            ++nCount;
    return nCount;
}

bool Human_Team_Has_Flagged_Players()
{
    if (All_Computer())
        return false;
    int nLastUser = -1;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t)
        if (Has_Controller(t, CONTROLLER_USER))
            nLastUser = t;
    return nLastUser >= 0 && Count_Expiring_Contracts(nLastUser) > 0;
}

bool Are_Season_Finishes_Recorded()
{
    // The codes are worked out once more after the season's last game,
    // which gives its winner the code of the last slot. A champion no longer
    // in the league was erased after that, when the codes stood.
    const int nLastSlot = Get_Season_Last_Playoff_Slot();
    const int nChampion = Get_Playoff_Team(nLastSlot);
    if (nChampion < 0 || nChampion >= MAX_FRANCHISES)
        return false;
    if (!Is_Team_Slot_Used(nChampion))
        return true;
    const int nTitleCode = nLastSlot == PLAYOFF_CHAMPION_SLOT ? TITLE_FINISH_CODE : LEAGUE_TITLE_FINISH_CODE;
    return Get_Team_Yearly_Int(nChampion, Played_Season_Index(), SEASON_FINISH_INT) == nTitleCode;
}

bool Has_Played_Season_A_Game()
{
    for (int g = 0; g < NUMBER_OF_GAMES; ++g)
        if (Is_Game_Record_Final(g))
            return true;
    const int nYear = Played_Season_Index();
    if (nYear < 0 || nYear >= YEARLY_RECORD_YEARS)
        return false;
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        if (Get_Team_Yearly_Char(t, nYear, YEARLY_WINS) != 0 || Get_Team_Yearly_Char(t, nYear, YEARLY_LOSSES) != 0 ||
            Get_Team_Yearly_Char(t, nYear, YEARLY_TIES) != 0)
            return true;
    }
    return false;
}

void Record_All_Division_Finishes()
{
    Clear_Standings_Order();
    // Once the season's codes are recorded they are kept as they were
    // played: a club added, erased or moved after it changes the division
    // rows, not the season's finishes.
    if (Are_Season_Finishes_Recorded())
        return;
    if (Get_Current_Week() < Get_Playoff_Start_Day())
        Update_Standings();
    // Before the first game the standings are all 0-0, and their order
    // would hand out first places and wild cards nobody has earned; the
    // draft order that prices the picks reads them. The season has no
    // finishes yet, as when it was set up.
    const bool bPlayed = Has_Played_Season_A_Game();
    const int nYear = Played_Season_Index();
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t)
        Set_Team_Yearly_Int(t, nYear, SEASON_FINISH_INT, bPlayed ? Record_Team_Division_Finish(t) : 0);
}

void Setup_Next_Season()
{
    char szTitle[64];
    std::snprintf(szTitle, sizeof(szTitle), "Setting up %d season...", Get_Current_Year());
    PROGRESS Progress(szTitle, 100);

    Roll_Draft_Pick_Owners_Forward();

    for (int g = 0; g < NUMBER_OF_GAMES; ++g)
        if (GAME* pGame = Get_Game_Record(g))
            std::memset(static_cast<void*>(pGame), 0, sizeof(GAME));
    Progress.Step(2);

    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        Copy_Team_Totals_To_Last_Season(t);
        Clear_Team_Totals_Season(t);
    }
    Progress.Step(8);

    Run_AI_Free_Agency(Progress.Opened() ? 1 : 0);
    Move_College_Players_To_Free_Agents();
    Run_Computer_Roster_Moves();
    Progress.Step(4);
    Clear_Negative_Seasons();
    Progress.Step(10);
    Progress.Close();
    Pump_Messages();

    Heal_All_Injuries(NEXT_SEASON_HEALING_WEEKS);
    Update_Computer_Team_Ticket_Finances(1);
    Run_AI_Free_Agency(0);
    // The year's rules, then the wild cards held to what the league's make-up
    // allows, said when that differs from the rule, unless last season's
    // rule was held the same way.
    const int nWildCardsLastSeason = Get_Universe_Stat(WILD_CARD_TEAMS);
    Apply_Season_Rule_Changes();
    Recount_Wild_Card_Teams_And_Tell(Get_Year_Wild_Card_Teams(Get_Current_Year() - 1), nWildCardsLastSeason);

    Start_Season(1);
    Create_Status_Bar();
    Rebuild_Play_Menu();
}

void Start_Season(int bLogos)
{
    Write_Debug_Log("Start_Season()");
    Set_Current_Day(0);
    Refresh_Main_Window_Title();
    PROGRESS Progress("Processing Off-Season", 20);

    if (bLogos)
        Copy_Downloaded_Logos();
    else
        Progress.Step(5);

    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    Set_User_Preference(PREF_TIMELINE_FIRST, 0);
    Set_User_Preference(PREF_TIMELINE_FIRST + 1, 0);
    Set_User_Preference(PREF_TIMELINE_FIRST + 2, 1);
    Set_User_Preference(PREF_TIMELINE_FIRST + 3, 1);

    Clear_Playoff_Slots();
    Clear_Season_Yearly_Records();
    Clear_Standings_Order();
    Update_Standings();
    Progress.Step(1);

    Show_Main_Page(STANDINGS_PAGE);
    Refresh_Main_Window_Title();
    Erase_Unlinked_Season_Lines();
    Progress.Step(2);

    if (Get_Current_Year() < TEAM_RECORDS_FILE_BEFORE)
        Read_Team_Records_File();
    if (Get_Universe_Word(REPLAY_MODE_WORD) != 0)
        Apply_Historical_Season_Data();

    Sign_AI_Free_Agent();
    Progress.Step(1);
    Auto_Set_Computer_Depth_Charts(0);
    Progress.Step(5);
    if (Get_Current_Season_Index() != 0)
        Choose_Computer_Defense_Alignments();
    Progress.Step(2);
    Set_Team_Stat_10_By_Strength();
    Progress.Step(2);
    Compute_All_Position_Averages();
    Progress.Step(2);
    Progress.Close();
    Pump_Messages();

    // A season is only ever played on a schedule made for it: the league
    // takes the games its records hold, and a league no schedule fits
    // plays nothing (last season's schedule is cleared, the stop day below
    // holds it at day 0, and the next advance stops with its reason,
    // Check_Season_Can_Be_Played).
    Fit_Season_To_Game_Records();
    if (!Generate_League_Schedule())
        Clear_League_Schedule();

    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, Get_Current_Week());
}

bool Check_Season_Can_Be_Played()
{
    // A season whose schedule was made has regular-season weeks: its first
    // playoff day is above 0.
    const int nDay = Get_Current_Week();
    if (nDay == OFFSEASON_WEEK || Get_Season_Playoff_Day(0) != 0 || Is_Season_Complete())
        return true;
    // On its first day the league may have changed since the season's start
    // (or comes from a run whose schedule failed): one more attempt, its
    // failure told by the box below.
    if (nDay == 0) {
        Fit_Season_To_Game_Records();
        if (Generate_League_Schedule(false))
            return true;
        Clear_League_Schedule();
    }
    const int nYear = Get_Current_Year();
    Write_Debug_Log("The %d season has no schedule: nothing is played", nYear);
    char szText[512];
    std::snprintf(szText, sizeof(szText),
                  "The %d season cannot start: no schedule could be made for its %d teams playing %d games each, "
                  "so no game is played.\n\nChange the league's teams, divisions or games per season in the League "
                  "Editor (Edit menu) so that every team can be given its games, then play again.",
                  nYear, Count_Teams(), Get_Games_Per_Season());
    Show_Message_Box(szText, "Season Stopped", BOX_OK | BOX_ICON_EXCLAMATION);
    return false;
}

void Clear_Season_Yearly_Records()
{
    const int nYear = Get_Current_Season_Index();
    if (nYear < 0 || nYear >= YEARLY_RECORD_YEARS) {
        Report_Error("nYear out of bounds in Set_Team_Yearly_Char()");
        return;
    }
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        for (int n = 0; n < YEARLY_RECORD_VALUES; ++n)
            Set_Team_Yearly_Char(t, nYear, n * 4, 0);
        Set_Team_Yearly_Char(t, nYear, YEARLY_FINALS, 0);
        Set_Team_Yearly_Char(t, nYear, YEARLY_TITLE, 0);
        for (int n = 0; n < YEARLY_INT_COUNT; ++n)
            Set_Team_Yearly_Int(t, nYear, n, 0);
    }
}

void Apply_Historical_Season_Data()
{
    For_Each_Player_In_Use([](int nTeam, int nSlot) {
        if (Is_Left_Alone_In_Historical_Data(nTeam, nSlot))
            return;
        const int nGames = Get_Player_Stat(nTeam, nSlot, PREDICTED_PERIOD, 0);
        if (nGames > 4)
            Scale_Player_Stat(nTeam, nSlot, PREDICTED_PERIOD, (400 + nGames / 2) / nGames);
    });
    Read_Seasons_File(1);
    For_Each_Player_In_Use([](int nTeam, int nSlot) {
        if (!Is_Left_Alone_In_Historical_Data(nTeam, nSlot))
            Add_Player_Season_Stats(nTeam, nSlot, THIS_SEASON, PREDICTED_PERIOD);
    });
    Recompute_All_Player_Ratings();
    Calibrate_Player_Ratings();
    For_Each_Player_In_Use([](int nTeam, int nSlot) {
        if (Is_Left_Alone_In_Historical_Data(nTeam, nSlot))
            return;
        for (int nStat = 0; nStat < STATS_PER_PERIOD; ++nStat)
            Set_Player_Stat(nTeam, nSlot, PREDICTED_PERIOD, nStat, Get_Player_Stat(nTeam, nSlot, THIS_SEASON, nStat));
    });
    For_Each_Player_In_Use([](int nTeam, int nSlot) { Clear_Player_Season_Stats(nTeam, nSlot, THIS_SEASON); });
}

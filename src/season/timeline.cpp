// The season timeline's model: geometry, texts, hit test and clicks.

#include "season/timeline.h"

#include <algorithm>
#include <cstdio>

#include "engine/game_driver.h"
#include "frontoffice/college_count.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/college_draft.h"
#include "season/day_advance.h"
#include "season/draft_state.h"
#include "season/offseason.h"
#include "season/playoffs.h"

namespace {

constexpr int CELL_TOP = 8;
constexpr int CELL_HIT_BOTTOM = 58;
constexpr int CELL_TEXT_BOTTOM = 33;
constexpr int CELL_TEXT_INSET = 13;
constexpr int PLAYOFF_ROUNDS = 4;
constexpr int FIRST_CONFERENCE_GAME_YEAR = 1970;
constexpr int BEGIN_SEASON_DAYS = 22;        // a whole phase: the advance runs to its natural end
constexpr int COLLEGE_POOL_FULL = 101;       // the pools hold a draft's prospects from here on

// The step texts, then the regular season's names of the playoff cells.
const char* const STEP_TEXT[] = {"Renew Contracts", "Free Agents", "College Draft", "Begin Season", "",
                                 "Playoffs",        "Super Bowl",  "Off-Season"};
constexpr int STEP_TEXT_COUNT = static_cast<int>(sizeof(STEP_TEXT) / sizeof(STEP_TEXT[0]));
static_assert(STEP_TEXT_COUNT == 8);
constexpr int FIRST_PLAYOFF_CELL_TEXT = 5;

bool g_bEnabled = true;
bool (*g_pGameOnScreen)() = nullptr;
void (*g_pAdvance)(int) = nullptr;
void (*g_pDraft)() = nullptr;

void Advance(int nDays)
{
    if (g_pAdvance != nullptr)
        g_pAdvance(nDays);
    else
        Advance_Day(nDays);
    // As after the Play menu's commands: the run's last menu was built while
    // it was still busy, so the menu, the title and the bars follow the new
    // day now.
    Refresh_Main_Window_Title();
    Rebuild_Play_Menu();
    Request_Main_Window_Repaint();
}

int Playoff_Start()
{
    return Get_Playoff_Start_Day();
}

bool Advance_Running()
{
    return Get_Universe_Word(DAY_ADVANCE_BUSY_WORD) != 0 || Is_Simulation_In_Progress();
}

bool Ask_Yes_No(const char* szText, const char* szTitle)
{
    return Show_Message_Box(szText, szTitle, BOX_YESNO | BOX_ICON_QUESTION) == ID_YES;
}

std::string Team_Text(int nTeam, int nString)
{
    char szText[TEAM_STRING_SIZE];
    Get_Team_String(szText, nTeam, nString);
    return szText;
}

std::string Record_Text(int nTeam)
{
    char szRecord[RECORD_TEXT_SIZE];
    Format_Team_Record(szRecord, nTeam);
    return szRecord;
}

bool Is_Franchise(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Team_Slot_Used(nTeam);
}

// The viewed club's game of week w: "@" for a visitor; false without one.
bool Week_Game(int nTeam, int nWeek, int& nOpponent, const char*& szAt)
{
    if (!Is_Franchise(nTeam) || nWeek < 0 || nWeek >= SCHEDULE_WEEKS)
        return false;
    const int nWhere = Get_Team_Week_Home_Away(nTeam, nWeek);
    nOpponent = Get_Scheduled_Opponent(nTeam, nWeek);
    if (nWhere == WEEK_NO_GAME || !Is_Franchise(nOpponent))
        return false;
    szAt = nWhere == WEEK_AWAY ? "@" : "";
    return true;
}

std::string Regular_Season_Label(int nTeam, int nDay)
{
    int nOpponent = NO_TEAM;
    const char* szAt = "";
    if (!Week_Game(nTeam, nDay, nOpponent, szAt))
        return "No Game This Week";
    char szLabel[128];
    std::snprintf(szLabel, sizeof(szLabel), "Week %d %s%s (%s)", nDay + 1, szAt,
                  Team_Text(nOpponent, TEAM_STRING_CITY).c_str(), Record_Text(nOpponent).c_str());
    return szLabel;
}

// Whether the club at bracket slot nSlot hosts its game against nOpponent on
// playoff day nDay: as its schedule has that game, which the Calendar shows;
// before the round is scheduled, as the scheduler will place it: the higher
// seed key (a division leader's bonus counted) at home, the pair's first
// slot when the keys are equal.
bool Hosts_Playoff_Game(int nTeam, int nSlot, int nOpponent, int nDay)
{
    if (nDay >= 0 && nDay < SCHEDULE_WEEKS && Get_Scheduled_Opponent(nTeam, nDay) == nOpponent) {
        const int nWhere = Get_Team_Week_Home_Away(nTeam, nDay);
        if (nWhere != WEEK_NO_GAME)
            return nWhere == WEEK_AT_HOME;
    }
    const int nOwnKey = Get_Playoff_Seed_Key(nTeam);
    const int nOtherKey = Get_Playoff_Seed_Key(nOpponent);
    return nOwnKey > nOtherKey || (nOwnKey == nOtherKey && nSlot % 2 == 0);
}

// Whether any club has a game on playoff day nDay: the round is scheduled.
bool Round_Is_Scheduled(int nDay)
{
    if (nDay < 0 || nDay >= SCHEDULE_WEEKS)
        return false;
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        if (Is_Franchise(t) && Get_Team_Week_Home_Away(t, nDay) != WEEK_NO_GAME)
            return true;
    return false;
}

std::string Playoff_Label(int nTeam, int nDay)
{
    char szRound[32];
    Get_Playoff_Round_Name(szRound, sizeof(szRound), nDay);
    std::string Label = szRound;
    if (!Is_Franchise(nTeam) || Get_Team_Current_Yearly_Char(nTeam, YEARLY_PLAYOFF_LOSSES) != 0)
        return Label;
    const int nSlot = Get_Team_Playoff_Slot(nTeam);
    // The champion's slot (30) has no partner: the round's name alone.
    if (nSlot < 0 || nSlot >= PLAYOFF_SLOTS - 1)
        return Label;
    // A club the scheduled round leaves without a game waits for the next,
    // whoever shares its pair of slots (two clubs with byes may).
    if (Get_Team_Week_Home_Away(nTeam, nDay) == WEEK_NO_GAME && Round_Is_Scheduled(nDay))
        return "1st Round Bye";
    const int nOpponent = Get_Playoff_Team(nSlot % 2 == 0 ? nSlot + 1 : nSlot - 1);
    if (!Is_Franchise(nOpponent))
        return "1st Round Bye";
    Label += Hosts_Playoff_Game(nTeam, nSlot, nOpponent, nDay) ? " vs. " : " @ ";
    return Label + Team_Text(nOpponent, TEAM_STRING_CITY);
}

std::string Cell_Text(int nTeam, int nDay, int nCell)
{
    const int nP2 = Playoff_Start();
    const int w = nDay + 1 + nCell;
    if (nDay >= nP2 + PLAYOFF_ROUNDS)
        return nCell < STEP_TEXT_COUNT ? STEP_TEXT[nCell] : "";
    if (w < nP2) {
        int nOpponent = NO_TEAM;
        const char* szAt = "";
        if (!Week_Game(nTeam, w, nOpponent, szAt))
            return "Bye week";
        char szText[64];
        std::snprintf(szText, sizeof(szText), "Week %d %s%s", w + 1, szAt,
                      Team_Text(nOpponent, TEAM_STRING_ABBREVIATION).c_str());
        return szText;
    }
    if (nDay < nP2) {
        // "Playoffs", "Super Bowl", "Off-Season", then blanks.
        const int n = FIRST_PLAYOFF_CELL_TEXT + (w - nP2);
        return n < STEP_TEXT_COUNT ? STEP_TEXT[n] : "";
    }
    if (w < nP2 + PLAYOFF_ROUNDS + 1) {
        char szRound[32];
        Get_Playoff_Round_Name(szRound, sizeof(szRound), w);
        return szRound;
    }
    return "";
}

bool Step_Done(unsigned nFlags, int nStep)
{
    return nStep >= 0 && nStep < TIMELINE_STEPS && (nFlags & (1u << nStep)) != 0;
}

bool Is_Offseason_Phase(int nDay)
{
    return nDay >= Playoff_Start() + PLAYOFF_ROUNDS;
}

bool Has_Expiring_User_Contracts()
{
    return Human_Team_Has_Flagged_Players() && Get_Current_Week() != OFFSEASON_WEEK;
}

// Whether a click on cell i would do anything. In the off-season the
// Renew Contracts step acts only while a user club's contracts expire
// before the off-season has begun; the other three steps always act, done
// (again) or not yet open (ahead of their turn).
bool Cell_Is_Hot(int nCell, int nDay)
{
    const int nP2 = Playoff_Start();
    const int b = nDay + nCell + 1;
    if (Is_Offseason_Phase(nDay))
        return nCell == TIMELINE_STEP_RENEW_CONTRACTS ? Has_Expiring_User_Contracts() : nCell < TIMELINE_STEPS;
    if (nDay < nP2)
        return b < nP2 + 3;
    return b < nP2 + PLAYOFF_ROUNDS + 1;
}

// The college draft of the off-season (day 100): under way (a round is
// being picked), or made ready by the off-season and paused for the free
// agents ("Begin College Draft?" answered No).
bool College_Draft_Under_Way()
{
    return Get_Current_Week() == OFFSEASON_WEEK && Is_College_Draft_Running();
}

bool College_Draft_Paused()
{
    return Is_College_Draft_Pending();
}

// Starts the paused draft or goes on with the one under way; the day
// advance does neither on day 100. The draft's end sets up the next season.
void Run_College_Draft()
{
    if (g_pDraft != nullptr)
        g_pDraft();
    else if (College_Draft_Under_Way())
        Resume_College_Draft();
    else
        Start_College_Draft();
    Show_Draft_Round_Under_Way();
    Refresh_Main_Window_Title();
    Rebuild_Play_Menu();
    Request_Main_Window_Repaint();
}

// A step clicked when done, or before its turn, runs again all the same:
// renewals run only while contracts still expire before the off-season (so
// never twice), the free-agents list just opens again, the draft is started
// once (a draft under way goes on instead of starting afresh) and the new
// season begins only through the draft's end.
void Run_Offseason_Step(int nStep)
{
    unsigned nFlags = Get_Timeline_Step_Flags();
    // The blank fifth cell is no step.
    if (nStep < 0 || nStep >= TIMELINE_STEPS)
        return;
    nFlags |= 1u << nStep;
    // Renewals and free agency done: the draft and the new season open.
    if (Step_Done(nFlags, TIMELINE_STEP_RENEW_CONTRACTS) && Step_Done(nFlags, TIMELINE_STEP_FREE_AGENTS))
        nFlags &= ~((1u << TIMELINE_STEP_COLLEGE_DRAFT) | (1u << TIMELINE_STEP_BEGIN_SEASON));
    for (int j = 0; j < TIMELINE_STEPS; ++j)
        Set_User_Preference(PREF_TIMELINE_FIRST + j, Step_Done(nFlags, j) ? 1 : 0);
    const bool bExpiring = Has_Expiring_User_Contracts();
    const bool bDraftAhead = College_Draft_Under_Way() || College_Draft_Paused();
    switch (nStep) {
    case TIMELINE_STEP_RENEW_CONTRACTS:
        // The off-season begins with the renewals. The draft opens only once
        // Free Agents has been clicked too: until then the season's end
        // leaves it waiting instead of offering it.
        if (bExpiring) {
            Set_College_Draft_Held(!Step_Done(nFlags, TIMELINE_STEP_FREE_AGENTS));
            Advance(BEGIN_SEASON_DAYS);
            Set_College_Draft_Held(false);
        }
        break;
    case TIMELINE_STEP_FREE_AGENTS:
        Do_Dialog(FREE_AGENTS_LIST_DIALOG);
        break;
    case TIMELINE_STEP_COLLEGE_DRAFT:
        if (bDraftAhead)
            Run_College_Draft();
        else if (!bExpiring || Ask_Yes_No("Proceed to contract renewal?", "Confirm"))
            Advance(1);
        break;
    case TIMELINE_STEP_BEGIN_SEASON:
        if (Count_College_Players() < COLLEGE_POOL_FULL) {
            Advance(BEGIN_SEASON_DAYS);
        } else if (!Advance_Running() &&
                   Ask_Yes_No("Are you sure you want the computer to draft for you?", "College Draft")) {
            // The computer drafts for every club this once; the user's clubs
            // are his again afterwards, not in the off-seasons to come.
            const int nWas = Get_User_Preference(PREF_ALL_COMPUTER_TEAMS);
            Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
            if (bDraftAhead)
                Run_College_Draft();
            else
                Advance(BEGIN_SEASON_DAYS);
            Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, nWas);
        }
        break;
    default:
        break;
    }
    Rebuild_Play_Menu();
    Request_Status_Bar_Repaint();
}

// Days played with the simulate-all flag set around them.
void Simulate_Days(int nDays)
{
    Set_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS, 1);
    Advance(nDays);
    Set_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS, 0);
}

}  // namespace

TIMELINE_LAYOUT Layout_Timeline(int nClientWidth, int nLeftPictureWidth)
{
    TIMELINE_LAYOUT Layout;
    if (nClientWidth <= 0 || nLeftPictureWidth <= 0)
        return Layout;
    Layout.bLaidOut = true;
    Layout.nWidth = nClientWidth;
    Layout.nLeftWidth = nLeftPictureWidth;
    Layout.nPitch = std::max(0, (nClientWidth - nLeftPictureWidth) / TIMELINE_CELLS);
    Layout.nCellWidth = std::min(TIMELINE_CELL_WIDTH, Layout.nPitch);
    const int x0 = (Layout.nPitch - Layout.nCellWidth) / 2 + nLeftPictureWidth;
    for (int i = 0; i < TIMELINE_CELLS; ++i)
        Layout.nCellX[i] = x0 + i * Layout.nPitch;
    return Layout;
}

TIMELINE_BOX Get_Timeline_Cell_Box(const TIMELINE_LAYOUT& Layout, int nCell)
{
    if (!Layout.bLaidOut || nCell < 0 || nCell >= TIMELINE_CELLS || Layout.nCellWidth <= 0)
        return TIMELINE_BOX{};
    const int x = Layout.nCellX[nCell];
    return TIMELINE_BOX{x, CELL_TOP, x + Layout.nCellWidth, CELL_HIT_BOTTOM};
}

TIMELINE_BOX Get_Timeline_Cell_Text_Box(const TIMELINE_LAYOUT& Layout, int nCell)
{
    const TIMELINE_BOX Cell = Get_Timeline_Cell_Box(Layout, nCell);
    if (Cell.nRight <= Cell.nLeft)
        return TIMELINE_BOX{};
    const int nInset = std::min(CELL_TEXT_INSET, Layout.nCellWidth / 4);
    return TIMELINE_BOX{Cell.nLeft + nInset, CELL_TOP, Cell.nRight - nInset, CELL_TEXT_BOTTOM};
}

unsigned Get_Timeline_Step_Flags()
{
    unsigned nFlags = 0;
    for (int j = 0; j < TIMELINE_STEPS; ++j)
        if (Get_User_Preference(PREF_TIMELINE_FIRST + j) != 0)
            nFlags |= 1u << j;
    if (!Human_Team_Has_Flagged_Players() || Get_Current_Week() == OFFSEASON_WEEK)
        nFlags |= 1u << TIMELINE_STEP_RENEW_CONTRACTS;
    return nFlags;
}

TIMELINE_VIEW Get_Timeline_View()
{
    TIMELINE_VIEW View;
    View.bActive = Is_Timeline_Active();
    View.nTextRgb = View.bActive ? TIMELINE_TEXT_RGB : TIMELINE_INACTIVE_RGB;
    const int nTeam = Get_Selected_Team();
    const int nDay = Get_Current_Week();
    const int nP2 = Playoff_Start();
    if (Is_Franchise(nTeam))
        View.Record = "(" + Record_Text(nTeam) + ")";
    if (nDay < nP2)
        View.Label = Regular_Season_Label(nTeam, nDay);
    else if (nDay < nP2 + PLAYOFF_ROUNDS)
        View.Label = Playoff_Label(nTeam, nDay);
    else
        View.Label = "Off-Season";
    const bool bOffseason = Is_Offseason_Phase(nDay);
    const unsigned nFlags = bOffseason ? Get_Timeline_Step_Flags() : 0;
    for (int i = 0; i < TIMELINE_CELLS; ++i) {
        TIMELINE_CELL& Cell = View.Cells[i];
        Cell.Text = Cell_Text(nTeam, nDay, i);
        Cell.bDone = bOffseason && Step_Done(nFlags, i);
        Cell.nRgb = !View.bActive ? TIMELINE_INACTIVE_RGB : Cell.bDone ? TIMELINE_DONE_RGB : TIMELINE_TEXT_RGB;
    }
    return View;
}

bool Is_Timeline_Active()
{
    if (!g_bEnabled || Advance_Running() || Get_Current_Game() != nullptr)
        return false;
    return g_pGameOnScreen == nullptr || !g_pGameOnScreen();
}

void Set_Timeline_Enabled(bool bEnabled)
{
    g_bEnabled = bEnabled;
}

void Set_Timeline_Game_On_Screen_Query(bool (*pQuery)())
{
    g_pGameOnScreen = pQuery;
}

bool Is_Timeline_Hot_Spot(const TIMELINE_LAYOUT& Layout, int x, int y)
{
    if (!Layout.bLaidOut || !Is_Timeline_Active())
        return false;
    if (TIMELINE_PAGE_BOX.Contains(x, y))
        return true;
    const int nDay = Get_Current_Week();
    // The cursor promises what a click does: the advance box, not the
    // label's wider box.
    if (TIMELINE_ADVANCE_BOX.Contains(x, y))
        return !Is_Offseason_Phase(nDay);
    for (int i = 0; i < TIMELINE_CELLS; ++i)
        if (Get_Timeline_Cell_Box(Layout, i).Contains(x, y))
            return Cell_Is_Hot(i, nDay);
    return false;
}

void Timeline_Click(const TIMELINE_LAYOUT& Layout, int x, int y)
{
    if (!Layout.bLaidOut || !Is_Timeline_Active())
        return;
    const int nDay = Get_Current_Week();
    const int nP2 = Playoff_Start();
    if (TIMELINE_PAGE_BOX.Contains(x, y)) {
        const int nPage = nDay < nP2                      ? CALENDAR_PAGE_COMMAND
                          : nDay >= nP2 + PLAYOFF_ROUNDS ? STANDINGS_PAGE_COMMAND
                                                         : PLAYOFFS_PAGE_COMMAND;
        if (Get_User_Preference(PREF_MAIN_PAGE) != nPage)
            Show_Main_Page(nPage);
        return;
    }
    if (TIMELINE_ADVANCE_BOX.Contains(x, y)) {
        if (!Is_Offseason_Phase(nDay))
            Advance(1);
        return;
    }
    for (int i = 0; i < TIMELINE_CELLS; ++i)
        if (Get_Timeline_Cell_Box(Layout, i).Contains(x, y)) {
            Timeline_Advance_To_Week(nDay, nDay + i + 1);
            return;
        }
}

void Timeline_Advance_To_Week(int nFrom, int nTo)
{
    const int nP2 = Playoff_Start();
    if (nTo < nFrom)
        return;
    if (nTo == nFrom) {
        if (!Advance_Running() && Ask_Yes_No("Play one week?", "Confirm"))
            Advance(1);
        return;
    }
    if (nFrom >= nP2 + PLAYOFF_ROUNDS) {
        Run_Offseason_Step(nTo - nFrom - 1);
        return;
    }
    if (nFrom < nP2 && nTo >= nP2) {
        // Into the playoffs: to the first playoff day, then the rounds
        // before the cell's.
        const int k = nTo - nP2;
        if (k >= 3)
            return;
        const int nDays = nP2 - nFrom + (k == 1 ? 3 : k == 2 ? 4 : 0);
        if (Confirm_Simulate_Weeks(nDays) != ID_YES)
            return;
        Set_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS, 1);
        Advance(nP2 - nFrom);
        Simulate_Days(nDays - nP2 + nFrom);
        return;
    }
    if (nTo >= nP2 + PLAYOFF_ROUNDS + 1)
        return;
    if (Confirm_Simulate_Weeks(nTo - nFrom) == ID_YES)
        Simulate_Days(nTo - nFrom);
}

void Get_Playoff_Round_Name(char* szOut, size_t nSize, int nDay)
{
    if (szOut == nullptr || nSize == 0)
        return;
    static const char* const ROUND[] = {"Wildcard", "Divisional", "Conference", "Super Bowl", "Off-Season"};
    const int k = nDay - Playoff_Start();
    const char* szName = k >= 0 && k <= 4 ? ROUND[k] : "";
    if (k == 2 && Get_Current_Year() < FIRST_CONFERENCE_GAME_YEAR)
        szName = "Title Game";
    std::snprintf(szOut, nSize, "%s", szName);
}

void Get_Playoff_Simulation_Message(char* szOut, size_t nSize)
{
    if (szOut == nullptr || nSize == 0)
        return;
    static const char* const MESSAGE[] = {"Simulate every game in the Wild Card round of the playoffs?",
                                          "Simulate every Division Playoff Game?",
                                          "Simulate the Conference Title Games?", "Simulate the Super Bowl?"};
    const int k = Get_Current_Week() - Playoff_Start();
    szOut[0] = '\0';
    if (k < 0 || k >= PLAYOFF_ROUNDS) {
        Report_Error("Invalid nCurrentWeek in Get_Playoff_Simulation_Message()");
        return;
    }
    std::snprintf(szOut, nSize, "%s", MESSAGE[k]);
}

int Confirm_Simulate_Weeks(int nWeeks)
{
    if (Advance_Running())
        return ID_NO;
    char szText[128];
    const int nDay = Get_Current_Week();
    if (nWeeks >= 2) {
        std::snprintf(szText, sizeof(szText), "Simulate the next %d weeks?", nWeeks);
    } else if (nDay < Playoff_Start()) {
        std::snprintf(szText, sizeof(szText), "Simulate every game in week %d?", nDay + 1);
    } else {
        // A club out of the playoffs has nothing to watch in them.
        const int nTeam = Get_Selected_Team();
        if (!Is_Franchise(nTeam) || Get_Team_Current_Yearly_Char(nTeam, YEARLY_PLAYOFF_LOSSES) != 0 ||
            Get_Team_Playoff_Round(nTeam) == 0)
            return ID_YES;
        Get_Playoff_Simulation_Message(szText, sizeof(szText));
    }
    return Show_Message_Box(szText, "Confirm", BOX_YESNO | BOX_ICON_QUESTION) == ID_YES ? ID_YES : ID_NO;
}

void Set_Timeline_Day_Advancer(void (*pAdvance)(int nDays))
{
    g_pAdvance = pAdvance;
}

void Set_Timeline_Draft_Runner(void (*pRun)())
{
    g_pDraft = pRun;
}

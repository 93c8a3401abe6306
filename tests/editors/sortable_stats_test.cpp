// Sortable Stats, Free Agents and the College Draft list, run through the
// real dialogs with queued actions on small leagues.
#include <algorithm>
#include <string>
#include <vector>

#include "../season/season_cycle_fixture.h"
#include "league/list_columns.h"
#include "editors/player_list_view.h"
#include "editors/sortable_stats.h"
#include "frontoffice/contracts.h"
#include "frontoffice/list_services.h"
#include "frontoffice/player_moves.h"
#include "league/calendar.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "pages/page_layout.h"
#include "platform/dialogs.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "platform/ui_backend.h"
#include "season/college_draft.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Fill_Legal_Club;
using season_cycle::Find_ID;
using season_cycle::Put_Signed_Player;

int Accept_Offer(int, int)
{
    return 1;
}

class SortableStatsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        Set_Contract_Offer_Policy(nullptr);
        Set_Sortable_Stats_Group(0);
    }
    void TearDown() override
    {
        Set_Contract_Offer_Policy(nullptr);
        Set_Sortable_Stats_Group(0);
        dialogs::Reset();
    }

    // Three clubs of one league, club 0 the user's, viewed; the off-season.
    static void Three_Clubs(int nPlayers0, int nPlayers1 = 40)
    {
        Zero_League_Data();
        Build_League(3, 1);
        Fill_Legal_Club(0, nPlayers0, 1000, 60.0f);
        Fill_Legal_Club(1, nPlayers1, 2000, 60.0f);
        Fill_Legal_Club(2, 40, 3000, 60.0f);
        Set_User_Preference(PREF_SELECTED_TEAM, 0);
        Set_User_Preference(PREF_CURRENT_TEAM, 0);
        Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
        Set_User_Preference(PREF_FANTASY_LIST_POSITION, 15);
        Set_Season_Playoff_Days(17);
    }

    // A fantasy draft under way among the three clubs, nothing drafted yet
    // and no pick announced: round 0 runs clubs 0, 1, 2, and every later
    // round starts with club 0 again.
    static void Start_Fantasy_Draft()
    {
        Clear_All_Drafted_By();
        Set_User_Preference(PREF_FANTASY_ANNOUNCE, 0);
        FANTASY_DRAFT_STATE State{};
        State.nFirstRoundMode = FANTASY_ORDER_ALPHABETICAL;
        State.nLaterRoundMode = FANTASY_LATER_REPEAT;
        for (int r = 0; r < FANTASY_DRAFT_ROUNDS; ++r)
            for (int p = 0; p < 3; ++p)
                State.nOrder[r][p] = static_cast<int8_t>(p);
        Set_Fantasy_Draft_State(State);
        Set_Universe_Stat(FANTASY_DRAFT_RUNNING, FANTASY_DRAFT_UNDER_WAY);
    }

    // Sortable Stats on the list of group nGroup, no club viewed: player
    // nSlot of club nTeam, named "Last, First", chosen there and the list's
    // button (Release, or Draft in a fantasy draft) pressed.
    static void Press_Release_On(int nTeam, int nSlot, const std::string& Last, const std::string& First, int nGroup)
    {
        Set_Player_Last_Name(nTeam, nSlot, Last.c_str());
        Set_Player_First_Name(nTeam, nSlot, First.c_str());
        Set_Sortable_Stats_Group(nGroup);
        Set_User_Preference(PREF_CURRENT_TEAM, -1);
        Queue(SORTABLE_STATS_DIALOG, ACTION_ROW_SELECT, IDC_SS_LIST, 0, Last + ", " + First);
        Queue(SORTABLE_STATS_DIALOG, ACTION_PRESS, IDC_SS_RELEASE);
        Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    }

    static void Queue(int nDialog, int nKind, int nControl, int nValue = 0, const std::string& Text = "")
    {
        DIALOG_ACTION Action;
        Action.nKind = nKind;
        Action.nControl = nControl;
        Action.nValue = nValue;
        Action.Text = Text;
        dialogs::Queue_Action(nDialog, Action);
    }

    static const DIALOG_RECORD& Last_Run(int nDialog)
    {
        const auto& Records = dialogs::Records();
        for (auto it = Records.rbegin(); it != Records.rend(); ++it)
            if (it->nDialogId == nDialog)
                return *it;
        static DIALOG_RECORD None;
        ADD_FAILURE() << "dialog " << nDialog << " never ran";
        return None;
    }

    static std::string Text_Of(const DIALOG_RECORD& Record, int nControl)
    {
        const DIALOG_CONTROL* pControl = Record.Find(nControl);
        return pControl != nullptr ? pControl->Text : "<none>";
    }

    static bool Enabled(const DIALOG_RECORD& Record, int nControl)
    {
        const DIALOG_CONTROL* pControl = Record.Find(nControl);
        return pControl != nullptr && pControl->bEnabled;
    }

    // The row of a key in the record's list; -1 when not listed.
    static int Row_Of(const DIALOG_RECORD& Record, int nKey)
    {
        const DIALOG_CONTROL* pList = Record.Find(IDC_SS_LIST);
        if (pList == nullptr)
            return -1;
        for (size_t r = 0; r < pList->Rows.size(); ++r)
            if (pList->Rows[r].nData == nKey)
                return static_cast<int>(r);
        return -1;
    }

    static bool Box_Shown(const char* szCaption)
    {
        for (const SHOWN_BOX& Box : ui::Shown_Boxes())
            if (Box.Caption == szCaption)
                return true;
        return false;
    }
};

// Entries of three clubs: 0-2 the clubs, 3 the separator, 4 "All Active
// Players" (one league: no league entries).
TEST_F(SortableStatsTest, TheSeparatorIsSkippedInTheDirectionOfTravel)
{
    Three_Clubs(40);
    // From the club just above it: on to the entry below.
    Set_User_Preference(PREF_CURRENT_TEAM, 2);
    Queue(SORTABLE_STATS_DIALOG, ACTION_SELECT, IDC_SS_GROUP, 3);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    {
        const DIALOG_RECORD& Run = Last_Run(SORTABLE_STATS_DIALOG);
        EXPECT_EQ(Run.Find(IDC_SS_GROUP)->nSelected, 4);
        EXPECT_EQ(Run.Final_Title, "Sortable Stats: All Active Players");
        // 40 x 3 players of the three clubs.
        EXPECT_EQ(Run.Find(IDC_SS_LIST)->Rows.size(), 120u);
        EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), -1);
    }
    EXPECT_EQ(Get_Sortable_Stats_Group(), GROUP_ALL_ACTIVE);

    // From another club: back to that club, nothing changes.
    Set_Sortable_Stats_Group(GROUP_TEAM_BASE);
    Set_User_Preference(PREF_CURRENT_TEAM, 0);
    Queue(SORTABLE_STATS_DIALOG, ACTION_SELECT, IDC_SS_GROUP, 3);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    {
        const DIALOG_RECORD& Run = Last_Run(SORTABLE_STATS_DIALOG);
        EXPECT_EQ(Run.Find(IDC_SS_GROUP)->nSelected, 0);
        EXPECT_EQ(Run.Final_Title, "Sortable Stats: City0 Nick0");
        EXPECT_EQ(Run.Find(IDC_SS_LIST)->Rows.size(), 40u);
    }

    // From a group entry: the nearest club above it.
    Queue(SORTABLE_STATS_DIALOG, ACTION_SELECT, IDC_SS_GROUP, 4);
    Queue(SORTABLE_STATS_DIALOG, ACTION_SELECT, IDC_SS_GROUP, 3);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    {
        const DIALOG_RECORD& Run = Last_Run(SORTABLE_STATS_DIALOG);
        EXPECT_EQ(Run.Find(IDC_SS_GROUP)->nSelected, 2);
        EXPECT_EQ(Run.Final_Title, "Sortable Stats: City2 Nick2");
        EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 2);
        // A computer club is viewed; the user's club stays his.
        EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 0);
    }
    // The group is remembered between openings.
    EXPECT_EQ(Get_Sortable_Stats_Group(), GROUP_TEAM_BASE + 2);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Last_Run(SORTABLE_STATS_DIALOG).Final_Title, "Sortable Stats: City2 Nick2");
}

TEST_F(SortableStatsTest, ViewMyTeamBringsTheMainWindowsPagesBackToTheUsersClub)
{
    Three_Clubs(40);
    // Club 2, a computer club, is viewed: the pages show it.
    Set_User_Preference(PREF_CURRENT_TEAM, 2);
    Set_Sortable_Stats_Group(GROUP_TEAM_BASE + 2);
    EXPECT_EQ(Get_Calendar_Page_Team(), 2);
    shell_requests::Reset();
    Queue(SORTABLE_STATS_DIALOG, ACTION_PRESS, IDC_SS_MY_TEAM);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Last_Run(SORTABLE_STATS_DIALOG).Final_Title, "Sortable Stats: City0 Nick0");
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 0);
    EXPECT_EQ(Get_Calendar_Page_Team(), 0);
    EXPECT_GE(shell_requests::Count(REQUEST_MAIN_WINDOW_REPAINT), 1);
}

TEST_F(SortableStatsTest, TheRosterLineAndReleaseFollowTheMinimum)
{
    // Off-season, no draft: the minimum is 36.
    Three_Clubs(36);
    Queue(SORTABLE_STATS_DIALOG, ACTION_ROW_SELECT, IDC_SS_LIST, 0);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    {
        const DIALOG_RECORD& Run = Last_Run(SORTABLE_STATS_DIALOG);
        EXPECT_EQ(Text_Of(Run, IDC_SS_ROSTER), "This team is at the minimum of 36 players on the roster.");
        EXPECT_FALSE(Enabled(Run, IDC_SS_RELEASE));
        EXPECT_EQ(Text_Of(Run, IDC_SS_COUNT), "Player #1 of 36");
    }
    // One below.
    Three_Clubs(35);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Text_Of(Last_Run(SORTABLE_STATS_DIALOG), IDC_SS_ROSTER), "This team is below the minimum roster size.");
    EXPECT_EQ(Text_Of(Last_Run(SORTABLE_STATS_DIALOG), IDC_SS_COUNT), "35 Players");
    // 91 players.
    Three_Clubs(91);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Text_Of(Last_Run(SORTABLE_STATS_DIALOG), IDC_SS_ROSTER),
              "Teams may not have more than 100 players under contract.");
    // In the season the minimum is 51; one above it may release.
    Three_Clubs(52);
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    Queue(SORTABLE_STATS_DIALOG, ACTION_ROW_SELECT, IDC_SS_LIST, 5);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Text_Of(Last_Run(SORTABLE_STATS_DIALOG), IDC_SS_ROSTER),
              "Drag the corner of this dialog box to make it wider as needed.");
    EXPECT_TRUE(Enabled(Last_Run(SORTABLE_STATS_DIALOG), IDC_SS_RELEASE));
    Three_Clubs(51);
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Text_Of(Last_Run(SORTABLE_STATS_DIALOG), IDC_SS_ROSTER),
              "This team is at the minimum of 51 players on the roster.");
}

TEST_F(SortableStatsTest, ReleaseNeverReachesAnotherClubsPlayer)
{
    // Club 1 (the computer's) has far more than its minimum; the user views
    // every active player and selects one of club 1's.
    Three_Clubs(40, 60);
    Press_Release_On(1, 7, "Zzyzx", "Otto", GROUP_ALL_ACTIVE);
    const DIALOG_RECORD& Run = Last_Run(SORTABLE_STATS_DIALOG);
    // He was the one chosen, and Release stayed greyed for him.
    ASSERT_GE(Row_Of(Run, 100 + 7), 0);
    EXPECT_TRUE(Run.Find(IDC_SS_LIST)->Rows[static_cast<size_t>(Row_Of(Run, 100 + 7))].bSelected);
    EXPECT_FALSE(Enabled(Run, IDC_SS_RELEASE));
    EXPECT_EQ(Count_Team_Players(1), 60);
    EXPECT_EQ(Get_Player_ID(1, 7), 2007);

    // The user's own player above the minimum is released after Yes.
    Set_Player_Last_Name(0, 3, "Aardvark");
    Set_Player_First_Name(0, 3, "Al");
    ui::Queue_Answer(ID_YES);
    Queue(SORTABLE_STATS_DIALOG, ACTION_ROW_SELECT, IDC_SS_LIST, 0, "Aardvark, Al");
    Queue(SORTABLE_STATS_DIALOG, ACTION_PRESS, IDC_SS_RELEASE);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Count_Team_Players(0), 39);
    EXPECT_EQ(Find_ID(1003).nTeam, FREE_AGENT_TEAM);
    EXPECT_TRUE(Box_Shown("Release Player"));
    // The list was refilled: he is listed again, among the free agents.
    EXPECT_GE(Row_Of(Last_Run(SORTABLE_STATS_DIALOG), FREE_AGENT_TEAM * 100 + Find_ID(1003).nSlot), 0);
}

TEST_F(SortableStatsTest, ATotalAboveAThousandKeepsItsThreeDigits)
{
    Three_Clubs(40);
    // Three defenders: 400 + 100, 300 + 205 and 0 + 0 tackles: 1,005.
    Put_Signed_Player(0, 0, 1000, 10, 60.0f, 1995, 2);
    Put_Signed_Player(0, 1, 1001, 10, 60.0f, 1995, 2);
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, 2, 400);
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, 3, 100);
    Set_Player_Stat(0, 1, STAT_PERIOD_THIS_SEASON, 2, 300);
    Set_Player_Stat(0, 1, STAT_PERIOD_THIS_SEASON, 3, 205);
    // The layout of Sortable Stats: Name, Team, Tackles.
    const int nBase = LIST_LAYOUT_FIRST_SLOT;
    Set_User_Preference(nBase, 3);
    Set_User_Preference(nBase + 1, 0);
    Set_User_Preference(nBase + 2, 0);
    Set_User_Preference(nBase + 3, 1);
    Set_User_Preference(nBase + 4, 46);
    for (int i = 3; i < LIST_COLUMN_SLOTS; ++i)
        Set_User_Preference(nBase + 2 + i, -1);
    Queue(SORTABLE_STATS_DIALOG, ACTION_COLUMN_CLICK, IDC_SS_LIST, 46);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    const DIALOG_RECORD& Run = Last_Run(SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Text_Of(Run, IDC_SS_COUNT), "Tackles (Solo + Asst): 1,005");
    // Best first: 505 tackles, then 500.
    EXPECT_EQ(Run.Find(IDC_SS_LIST)->Rows[0].nData, 1);
    EXPECT_EQ(Run.Find(IDC_SS_LIST)->Rows[1].nData, 0);
    // The sort column comes back with the layout (code + 1).
    EXPECT_EQ(Get_User_Preference(nBase + 1), 47);
}

TEST_F(SortableStatsTest, FreeAgentsRefuseAsTheyShould)
{
    // No user-run club.
    Build_League(2, 0);
    Put_Signed_Player(FREE_AGENT_TEAM, 0, 501, 0, 60.0f, 1995, 0);
    EXPECT_EQ(Run_Sortable_Stats(FREE_AGENTS_DIALOG), 0);
    EXPECT_TRUE(Box_Shown("Can't sign"));
    ui::Clear_Shown_Boxes();

    // Week 12: past the deadline.
    Three_Clubs(40);
    Put_Signed_Player(FREE_AGENT_TEAM, 0, 501, 0, 60.0f, 1995, 0);
    Set_Player_Last_Name(FREE_AGENT_TEAM, 0, "Agent");
    Set_Player_First_Name(FREE_AGENT_TEAM, 0, "Free");
    Set_Contract_Offer_Policy(Accept_Offer);
    Set_User_Preference(PREF_CURRENT_WEEK, 12);
    Queue(FREE_AGENTS_DIALOG, ACTION_ROW_SELECT, IDC_SS_LIST, 0, "Agent, Free");
    Queue(FREE_AGENTS_DIALOG, ACTION_PRESS, IDC_SS_RELEASE);
    Run_Sortable_Stats(FREE_AGENTS_DIALOG);
    EXPECT_TRUE(Box_Shown("Trading Deadline"));
    EXPECT_EQ(Find_ID(501).nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Text_Of(Last_Run(FREE_AGENTS_DIALOG), IDC_SS_RELEASE), "Si&gn");
    EXPECT_EQ(Find_Mnemonic_Clash(Last_Run(FREE_AGENTS_DIALOG).Controls), "");
    EXPECT_EQ(Last_Run(FREE_AGENTS_DIALOG).Final_Title, "Free Agents");
    // Week 11 is still open, but a club in debt may not sign.
    ui::Clear_Shown_Boxes();
    Set_User_Preference(PREF_CURRENT_WEEK, 11);
    // Cash is the club's own only when the owner runs the money.
    Set_User_Preference(PREF_OWNER_MODE, 1);   // on
    Set_Team_Financial_Stat(0, FINANCE_CASH, -1);
    Queue(FREE_AGENTS_DIALOG, ACTION_ROW_SELECT, IDC_SS_LIST, 0, "Agent, Free");
    Queue(FREE_AGENTS_DIALOG, ACTION_PRESS, IDC_SS_RELEASE);
    Run_Sortable_Stats(FREE_AGENTS_DIALOG);
    EXPECT_TRUE(Box_Shown("Debt"));
    EXPECT_FALSE(Box_Shown("Trading Deadline"));
    EXPECT_EQ(Find_ID(501).nTeam, FREE_AGENT_TEAM);
    // A full roster: the accepted offer ends in "Too Many Players", the free
    // agent still listed.
    ui::Clear_Shown_Boxes();
    Set_Team_Financial_Stat(0, FINANCE_CASH, 1000000);
    Fill_Legal_Club(0, PLAYERS_PER_TEAM, 1000, 60.0f);
    Queue(FREE_AGENTS_DIALOG, ACTION_ROW_SELECT, IDC_SS_LIST, 0, "Agent, Free");
    Queue(FREE_AGENTS_DIALOG, ACTION_PRESS, IDC_SS_RELEASE);
    Run_Sortable_Stats(FREE_AGENTS_DIALOG);
    EXPECT_TRUE(Box_Shown("Too Many Players"));
    EXPECT_EQ(Find_ID(501).nTeam, FREE_AGENT_TEAM);
    EXPECT_GE(Row_Of(Last_Run(FREE_AGENTS_DIALOG), FREE_AGENT_TEAM * 100 + Find_ID(501).nSlot), 0);
}

TEST_F(SortableStatsTest, ASigningMovesThePlayerWithHisSeasonLine)
{
    Three_Clubs(40);
    Put_Signed_Player(FREE_AGENT_TEAM, 0, 501, 0, 60.0f, 1995, 0);
    Set_Player_Last_Name(FREE_AGENT_TEAM, 0, "Agent");
    Set_Player_First_Name(FREE_AGENT_TEAM, 0, "Free");
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_WEEK_COUNTER, 9);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 1000000);
    Set_Contract_Offer_Policy(Accept_Offer);
    Set_User_Preference(PREF_CURRENT_WEEK, 4);
    Queue(FREE_AGENTS_DIALOG, ACTION_ROW_SELECT, IDC_SS_LIST, 0, "Agent, Free");
    Queue(FREE_AGENTS_DIALOG, ACTION_PRESS, IDC_SS_RELEASE);
    Run_Sortable_Stats(FREE_AGENTS_DIALOG);
    const auto Where = Find_ID(501);
    ASSERT_EQ(Where.nTeam, 0);
    EXPECT_EQ(Where.nSlot, 40);
    EXPECT_EQ(Count_Team_Players(0), 41);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 40, VITAL_WEEK_COUNTER), 0);
    // This year's line with his new club is his current line.
    const int nLine = Get_Player_Current_Season_Line(0, 40);
    ASSERT_GE(nLine, 0);
    EXPECT_EQ(Get_Season_Line_Year(nLine), 2020);
    // The list no longer holds him.
    for (const DIALOG_ROW& Row : Last_Run(FREE_AGENTS_DIALOG).Find(IDC_SS_LIST)->Rows)
        EXPECT_NE(Get_Player_ID(static_cast<int>(Row.nData / 100), static_cast<int>(Row.nData % 100)), 501);
}

TEST_F(SortableStatsTest, TheContractOfferSignsOnlyWhatFitsAndDeclinesByDefault)
{
    Three_Clubs(40);
    // The clubs' players earn nothing and club 0 holds no draft pick: the
    // whole cap of $1,000K is room.
    for (int r = 0; r < 7; ++r)
        for (int t = 0; t < 3; ++t)
            Set_Draft_Pick_Owner(0, r, t, 1);
    Set_Universe_Stat(SALARY_CAP, 1000000);
    Put_Signed_Player(FREE_AGENT_TEAM, 0, 501, 0, 60.0f, 1995, 0);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SALARY, 800);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SIGNING_BONUS, 400);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_CONTRACT_LENGTH, 2);
    // 800 + 400 / 2 = $1,000K: just fits.
    Install_Contract_Offer_Dialog();
    Queue(CONTRACT_OFFER_DIALOG_ID, ACTION_PRESS, 1706);
    EXPECT_EQ(Run_Contract_Offer_Dialog(FREE_AGENT_TEAM, 0), 1);
    EXPECT_EQ(Text_Of(Last_Run(CONTRACT_OFFER_DIALOG_ID), 1705), "$1,000,000 under salary cap");
    EXPECT_EQ(Text_Of(Last_Run(CONTRACT_OFFER_DIALOG_ID), 1707), "none");   // no pick to keep room for
    // A dollar more of salary does not.
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SALARY, 801);
    Queue(CONTRACT_OFFER_DIALOG_ID, ACTION_PRESS, 1706);
    EXPECT_EQ(Run_Contract_Offer_Dialog(FREE_AGENT_TEAM, 0), 0);
    EXPECT_TRUE(Box_Shown("Not Enough Cap Room"));
    // Nobody answers: declined.
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SALARY, 100);
    EXPECT_EQ(Run_Contract_Offer_Dialog(FREE_AGENT_TEAM, 0), 0);
    // The dialog itself stores nothing.
    EXPECT_EQ(Find_ID(501).nTeam, FREE_AGENT_TEAM);
}

TEST_F(SortableStatsTest, ACollegePickGoesThroughTheListAndTheDraftMovesOn)
{
    // Two clubs, club 0 the user's; club 1 picks first in each round.
    Three_Clubs(40);
    Put_Signed_Player(FIRST_DRAFT_POOL_TEAM, 0, 701, 0, 70.0f, 2000, 0);
    Put_Signed_Player(FIRST_DRAFT_POOL_TEAM, 1, 702, 1, 65.0f, 2000, 0);
    Put_Signed_Player(FIRST_DRAFT_POOL_TEAM, 2, 703, 2, 60.0f, 2000, 0);
    Set_Player_Last_Name(FIRST_DRAFT_POOL_TEAM, 1, "Picked");
    Set_Player_First_Name(FIRST_DRAFT_POOL_TEAM, 1, "Me");
    for (int t = 0; t < 3; ++t)
        Set_Draft_Pick_Owner(0, 0, t, t);
    Set_Draft_Order_Team(0, 0);
    Set_Draft_Order_Team(1, 1);
    Set_Draft_Order_Team(2, 2);
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);
    ASSERT_EQ(Get_Draft_Holder_On_The_Clock(), 0);
    Set_Contract_Offer_Policy(Accept_Offer);
    Queue(COLLEGE_DRAFT_DIALOG, ACTION_ROW_SELECT, IDC_SS_LIST, 0, "Picked, Me");
    Queue(COLLEGE_DRAFT_DIALOG, ACTION_PRESS, IDC_SS_RELEASE);
    Run_Sortable_Stats(COLLEGE_DRAFT_DIALOG);
    EXPECT_EQ(Last_Run(COLLEGE_DRAFT_DIALOG).Final_Title, "College Draft");
    const auto Where = Find_ID(702);
    EXPECT_EQ(Where.nTeam, 0);
    // Round 1, pick 1, overall 1.
    EXPECT_EQ(Get_Player_Vital_Stat(Where.nTeam, Where.nSlot, VITAL_DRAFT_PICK), (100 + 1) * 1000 + 1);
    // The computer picked on: the draft is no longer at the user's pick.
    EXPECT_TRUE(Get_User_Preference(PREF_DRAFT_ROUND) > 0 || Get_User_Preference(PREF_DRAFT_PICKS_MADE) > 0);
    EXPECT_NE(Find_ID(701).nTeam, FIRST_DRAFT_POOL_TEAM);
}

// What the College Draft list held while a box asked the user for a pick: a
// backend that runs the dialogs as the headless one does and reads the open
// list when that box comes.
struct BOX_SIGHT {
    static DIALOG* pList;
    static std::string Caption;
    static std::vector<int> IDs;   // the players of the list's rows
    static std::string Roster;
    static void Run(DIALOG& Dialog)
    {
        DIALOG* pOuter = pList;
        if (Dialog.Id() == COLLEGE_DRAFT_DIALOG)
            pList = &Dialog;
        DIALOG_ACTION Action;
        while (!Dialog.Ended() && dialogs::Take_Action(Dialog.Id(), Action))
            dialogs::Apply_Action(Dialog, Action);
        if (!Dialog.Ended())
            dialogs::Finish_Unattended(Dialog);
        pList = pOuter;
    }
    static int Box(const SHOWN_BOX& Shown, int nDefault)
    {
        // The first box that asks for a pick (a run alone may meet a box
        // about a data file the test folder lacks first).
        if (pList != nullptr && Caption.empty() && Shown.Caption.rfind("Round ", 0) == 0) {
            Caption = Shown.Caption;
            for (int r = 0; r < pList->Row_Count(IDC_SS_LIST); ++r) {
                const int nKey = static_cast<int>(pList->Row_Data(IDC_SS_LIST, r));
                IDs.push_back(Get_Player_ID(nKey / 100, nKey % 100));
            }
            Roster = pList->Get_Text(IDC_SS_ROSTER);
        }
        int nAnswer = 0;
        return ui::Take_Queued_Answer(nAnswer) ? nAnswer : nDefault;
    }
};
DIALOG* BOX_SIGHT::pList = nullptr;
std::string BOX_SIGHT::Caption;
std::vector<int> BOX_SIGHT::IDs;
std::string BOX_SIGHT::Roster;

TEST_F(SortableStatsTest, TheDraftListShowsThePoolAsItIsWhenTheNextPickIsAsked)
{
    // Six prospects; round 1 runs clubs 0 (the user's), 1 and 2; club 0 holds
    // every pick of the later rounds.
    Three_Clubs(40);
    for (int i = 0; i < 6; ++i)
        Put_Signed_Player(FIRST_DRAFT_POOL_TEAM, i, 701 + i, i, 70.0f - static_cast<float>(i), 2000, 0);
    Set_Player_Last_Name(FIRST_DRAFT_POOL_TEAM, 1, "Picked");
    Set_Player_First_Name(FIRST_DRAFT_POOL_TEAM, 1, "Me");
    for (int t = 0; t < 3; ++t) {
        Set_Draft_Pick_Owner(0, 0, t, t);
        Set_Draft_Order_Team(t, t);
    }
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);
    Set_Contract_Offer_Policy(Accept_Offer);
    UI_BACKEND Sight;
    Sight.szName = "box sight";
    Sight.Message_Box = BOX_SIGHT::Box;
    Sight.Run_Dialog = BOX_SIGHT::Run;
    BOX_SIGHT::pList = nullptr;
    BOX_SIGHT::Caption.clear();
    BOX_SIGHT::IDs.clear();
    Install_Ui_Backend(&Sight);
    dialogs::Set_Unattended(true);
    Queue(COLLEGE_DRAFT_DIALOG, ACTION_ROW_SELECT, IDC_SS_LIST, 0, "Picked, Me");
    Queue(COLLEGE_DRAFT_DIALOG, ACTION_PRESS, IDC_SS_RELEASE);
    Run_Sortable_Stats(COLLEGE_DRAFT_DIALOG);
    dialogs::Set_Unattended(false);
    Install_Ui_Backend(nullptr);
    // Club 0 took 702, clubs 1 and 2 two more; round 2 opens with club 0.
    EXPECT_EQ(Find_ID(702).nTeam, 0);
    ASSERT_EQ(BOX_SIGHT::Caption, "Round 2: Pick #1");
    // The three left in the pool, and only they, stood in the list.
    std::vector<int> Left;
    for (int i = 0; i < 6; ++i)
        if (Find_ID(701 + i).nTeam == FIRST_DRAFT_POOL_TEAM)
            Left.push_back(701 + i);
    ASSERT_EQ(Left.size(), 3u);
    std::vector<int> Seen = BOX_SIGHT::IDs;
    std::sort(Seen.begin(), Seen.end());
    EXPECT_EQ(Seen, Left);
    // Club 0's count has its pick.
    EXPECT_EQ(BOX_SIGHT::Roster, "The Nick0 have 41 roster players, out of a maximum of 100.");
}

// A fantasy draft's club has drafted its roster to be; the players its
// roster holds until the draft ends are in the pool. Its cap room counts
// what it has drafted.
TEST_F(SortableStatsTest, AFantasyDraftClubsCapRoomCountsWhatItHasDrafted)
{
    Three_Clubs(40);
    // Club 0's own forty at $30K: $1,200K against a cap of $1,000K.
    for (int s = 0; s < 40; ++s)
        Set_Player_Vital_Stat(0, s, VITAL_SALARY, 30);
    Set_Universe_Stat(SALARY_CAP, 1000000);
    ASSERT_EQ(Format_Cap_Room_Line(0), "$200,000 OVER salary cap");
    Start_Fantasy_Draft();
    // Nobody drafted yet: the whole cap is room.
    Set_Sortable_Stats_Group(GROUP_TEAM_BASE);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Last_Run(SORTABLE_STATS_DIALOG).Find(IDC_SS_LIST)->Rows.size(), 0u);
    EXPECT_EQ(Text_Of(Last_Run(SORTABLE_STATS_DIALOG), IDC_SS_BUDGET), "$1,000,000 under salary cap");
    // Club 0 drafts a quarterback of $250K: $750K left.
    Set_Player_Vital_Stat(2, 0, VITAL_SALARY, 250);
    Press_Release_On(2, 0, "Quarterback", "Best", GROUP_UNDRAFTED);
    ASSERT_EQ(Get_Player_Drafted_By(2, 0), 0);
    EXPECT_EQ(Text_Of(Last_Run(SORTABLE_STATS_DIALOG), IDC_SS_BUDGET), "$750,000 under salary cap");
    // Outside the draft the club's own roster counts again.
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, FANTASY_DRAFT_NONE);
    Set_User_Preference(PREF_CURRENT_TEAM, 0);
    Set_Sortable_Stats_Group(GROUP_TEAM_BASE);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Text_Of(Last_Run(SORTABLE_STATS_DIALOG), IDC_SS_BUDGET), "$200,000 OVER salary cap");
}

TEST_F(SortableStatsTest, AFantasyPickFromUndraftedPlayers)
{
    Three_Clubs(40);
    Start_Fantasy_Draft();
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    Press_Release_On(2, 0, "Quarterback", "Best", GROUP_UNDRAFTED);
    const DIALOG_RECORD& Run = Last_Run(SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Run.Final_Title, "Sortable Stats: Undrafted Players");
    // Draft and Done each with a letter of its own.
    EXPECT_EQ(Text_Of(Run, IDC_SS_RELEASE), "&Draft");
    EXPECT_EQ(Text_Of(Run, IDC_SS_DONE), "D&one");
    EXPECT_EQ(Find_Mnemonic_Clash(Run.Controls), "");
    // Club 0 took him; clubs 1 and 2 picked after him.
    EXPECT_EQ(Get_Player_Drafted_By(2, 0), 0);
    // 120 players less the three taken, refreshed after each pick.
    EXPECT_EQ(Run.Find(IDC_SS_LIST)->Rows.size(), 117u);
    EXPECT_EQ(Row_Of(Run, 200), -1);
    // Nothing chosen after the refreshes, the keys on the first row shown.
    EXPECT_EQ(Run.Find(IDC_SS_LIST)->nFocusRow, 0);
    EXPECT_EQ(Text_Of(Run, IDC_SS_PICKS), "City0 Nick0 Picks:\n1 QB\n");
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, FANTASY_DRAFT_NONE);
}

}  // namespace

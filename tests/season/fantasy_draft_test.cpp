// The fantasy draft in small leagues: the orders of every mode worked by
// hand, the user's and the computer's picks, the 65-round cap, the end and
// cancel, the computer's weights, and the draft's file with its checks.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/random.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team_finance_stats.h"
#include "platform/shell_requests.h"
#include "scratch_folder.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "season/player_value.h"
#include "season/salaries.h"
#include "season_cycle_fixture.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Find_ID;
using season_cycle::Put_Signed_Player;

std::vector<int> Round_Of(const FANTASY_DRAFT_STATE& State, int nRound, int n)
{
    std::vector<int> Order;
    for (int p = 0; p < n; ++p)
        Order.push_back(State.nOrder[nRound][p]);
    return Order;
}

FANTASY_DRAFT_STATE Current_State()
{
    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    return State;
}

std::vector<uint8_t> Encoded(const FANTASY_DRAFT_STATE& State)
{
    static uint8_t Bytes[FANTASY_DRAFT_STATE_SIZE];
    Encode_Fantasy_Draft_State(State, Bytes);
    return std::vector<uint8_t>(Bytes, Bytes + FANTASY_DRAFT_STATE_SIZE);
}

void Write_Bytes(const std::string& Path, const std::vector<uint8_t>& Bytes)
{
    FILE* pFile = std::fopen(Path.c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    ASSERT_EQ(std::fwrite(Bytes.data(), 1, Bytes.size(), pFile), Bytes.size());
    std::fclose(pFile);
}

int Count_Boxes(const char* szCaption)
{
    int n = 0;
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        n += Box.Caption == szCaption ? 1 : 0;
    return n;
}

// Every player's record apart from the draft's own marks (the drafted-by
// byte and the placed bit), for "nothing moved" checks.
std::string Players_Without_Draft_Marks()
{
    std::string Bytes;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            PLAYER Copy = League.Team[t].Player[s];
            Copy.bStatHigh[BYTE_STAT_DRAFTED_BY - 4] = 0;
            Copy.nVital[VITAL_FLAGS] &= ~DRAFT_PLACED_FLAG;
            Bytes.append(reinterpret_cast<const char*>(&Copy), sizeof(Copy));
        }
    return Bytes;
}

class FantasyDraftTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"fantasy_draft"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
        Seed_Random_Numbers(777);
        // The figures an earlier league's draft kept are not this league's.
        Forget_Fantasy_Pick_Values();
    }

    // nTeams clubs (the first nUsers run by the user), each with nEach
    // players of every position in turn, IDs from 1000 x (team + 1).
    void Build(int nTeams, int nUsers, int nEach)
    {
        Build_League(nTeams, nUsers);
        Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
        for (int t = 0; t < nTeams; ++t)
            for (int s = 0; s < nEach; ++s)
                Put_Named(t, s, 1000 * (t + 1) + s, s % 15, 50.0f + (s * 7 + t * 3) % 40, 1994);
    }

    // Named, so that no name is drawn from the name files.
    static void Put_Named(int nTeam, int nSlot, int nID, int nPosition, float fRating, int nBirthYear)
    {
        Put_Signed_Player(nTeam, nSlot, nID, nPosition, fRating, nBirthYear, 2);
        char szLast[24];
        std::snprintf(szLast, sizeof(szLast), "Last%d", nID);
        Set_Player_First_Name(nTeam, nSlot, "First");
        Set_Player_Last_Name(nTeam, nSlot, szLast);
    }
};

// ---------------------------------------------------------------------------
// Orders

TEST_F(FantasyDraftTest, AlphabeticalFirstRoundWithEachLaterMode)
{
    Build(4, 0, 0);
    FANTASY_DRAFT_STATE State{};
    Fill_Fantasy_Draft_Order(&State, FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_SNAKE);
    EXPECT_EQ(State.nFirstRoundMode, 4);
    EXPECT_EQ(State.nLaterRoundMode, 5);
    EXPECT_EQ(Round_Of(State, 0, 4), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(Round_Of(State, 1, 4), (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(Round_Of(State, 2, 4), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(Round_Of(State, 99, 4), (std::vector<int>{3, 2, 1, 0}));
    Fill_Fantasy_Draft_Order(&State, FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REPEAT);
    EXPECT_EQ(Round_Of(State, 1, 4), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(Round_Of(State, 64, 4), (std::vector<int>{0, 1, 2, 3}));
    Fill_Fantasy_Draft_Order(&State, FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REVERSE);
    EXPECT_EQ(Round_Of(State, 1, 4), (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(Round_Of(State, 2, 4), (std::vector<int>{3, 2, 1, 0}));
    // Places past the league's clubs stay 0.
    EXPECT_EQ(State.nOrder[1][4], 0);
    EXPECT_EQ(State.nOrder[1][35], 0);
}

TEST_F(FantasyDraftTest, CashAndRevenueOrdersGoLowestFirstTiesByTeamNumber)
{
    Build(4, 0, 0);
    Set_User_Preference(PREF_OWNER_MODE, 1);   // cash is each club's own
    const int nCash[4] = {500000, 100000, 300000, 100000};
    for (int t = 0; t < 4; ++t)
        Set_Team_Financial_Stat(t, FINANCE_CASH, nCash[t]);
    FANTASY_DRAFT_STATE State{};
    Fill_Fantasy_Draft_Order(&State, FANTASY_ORDER_CASH, FANTASY_LATER_REVERSE);
    // 100,000 (clubs 1 and 3, by number), 300,000, 500,000.
    EXPECT_EQ(Round_Of(State, 0, 4), (std::vector<int>{1, 3, 2, 0}));
    EXPECT_EQ(Round_Of(State, 1, 4), (std::vector<int>{0, 2, 3, 1}));

    // Revenue this season: tickets + broadcast (+ concessions, 0 here).
    const int nTickets[4] = {50, 10, 10, 70};
    const int nBroadcast[4] = {0, 40, 20, 0};
    for (int t = 0; t < 4; ++t) {
        Set_Team_Financial_Stat(t, FINANCE_TICKETS, nTickets[t]);
        Set_Team_Financial_Stat(t, FINANCE_BROADCAST, nBroadcast[t]);
    }
    // Revenues 50, 50, 30, 70.
    Fill_Fantasy_Draft_Order(&State, FANTASY_ORDER_REVENUE, FANTASY_LATER_REPEAT);
    EXPECT_EQ(Round_Of(State, 0, 4), (std::vector<int>{2, 0, 1, 3}));
    EXPECT_EQ(Round_Of(State, 7, 4), (std::vector<int>{2, 0, 1, 3}));
}

TEST_F(FantasyDraftTest, RandomOrdersFollowTheSeededDraws)
{
    Build(4, 0, 0);
    // From the first place up, place i swaps with place i + trunc(u x (4 - i)).
    Seed_Random_Numbers(4242);
    std::vector<std::vector<int>> Expected;
    for (int r = 0; r < 3; ++r) {
        std::vector<int> Order = {0, 1, 2, 3};
        for (int i = 0; i < 4; ++i) {
            const int j = i + static_cast<int>(Random_Word_To_Fraction(Generate_Random_Number()) * (4 - i));
            std::swap(Order[i], Order[j]);
        }
        Expected.push_back(Order);
    }
    Seed_Random_Numbers(4242);
    FANTASY_DRAFT_STATE State{};
    Fill_Fantasy_Draft_Order(&State, FANTASY_ORDER_RANDOM, FANTASY_LATER_RANDOM);
    EXPECT_EQ(Round_Of(State, 0, 4), Expected[0]);
    EXPECT_EQ(Round_Of(State, 1, 4), Expected[1]);
    EXPECT_EQ(Round_Of(State, 2, 4), Expected[2]);
    // Every one of the 100 rounds is an order of all four clubs.
    for (int r = 0; r < FANTASY_DRAFT_ROUNDS; ++r) {
        std::vector<int> Sorted = Round_Of(State, r, 4);
        std::sort(Sorted.begin(), Sorted.end());
        EXPECT_EQ(Sorted, (std::vector<int>{0, 1, 2, 3})) << r;
    }
}

TEST_F(FantasyDraftTest, ThirtyTwoClubsInSnakeOrder)
{
    Build(32, 0, 0);
    FANTASY_DRAFT_STATE State{};
    Fill_Fantasy_Draft_Order(&State, FANTASY_ORDER_RANDOM, FANTASY_LATER_SNAKE);
    const std::vector<int> First = Round_Of(State, 0, 32);
    std::vector<int> Reversed(First.rbegin(), First.rend());
    EXPECT_EQ(Round_Of(State, 1, 32), Reversed);   // the second round
    EXPECT_EQ(Round_Of(State, 2, 32), First);      // the third
}

// ---------------------------------------------------------------------------
// Picks

TEST_F(FantasyDraftTest, TheUserIsAskedAndHisPickLetsTheComputerGoOn)
{
    Build(3, 1, 6);
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REPEAT, 0);
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 1);
    EXPECT_EQ(Get_User_Preference(PREF_FANTASY_LIST_POSITION), 15);
    EXPECT_EQ(Get_User_Preference(PREF_FANTASY_LIST_TEAM), 3);
    // Club 0 is the user's and first: asked, nothing picked.
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Round 1 / Pick 1");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "City0 Nick0, please make your pick. Choose 'Sortable Stats' from the Team "
                                         "Menu. Then view 'Undrafted Players'.");
    EXPECT_EQ(Get_User_Preference(32), 0);
    EXPECT_EQ(Current_State().nPick, 0);

    // Refused picks change nothing.
    EXPECT_FALSE(Record_Fantasy_Draft_Pick(1, 2, 1));            // club 1 is not on the clock
    EXPECT_FALSE(Record_Fantasy_Draft_Pick(1, NO_PLAYER, 0));    // no player in slot 255
    EXPECT_FALSE(Record_Fantasy_Draft_Pick(1, 50, 0));           // an empty slot
    EXPECT_FALSE(Record_Fantasy_Draft_Pick(HALL_OF_FAME_TEAM, 0, 0));
    EXPECT_EQ(Current_State().nPick, 0);
    EXPECT_EQ(Errors_Reported(), 4);

    // The user takes club 2's first player; clubs 1 and 2 pick, then the
    // user is asked again for round 2.
    ui::Clear_Shown_Boxes();
    ASSERT_TRUE(Record_Fantasy_Draft_Pick(2, 0, 0));
    EXPECT_EQ(Get_Player_Drafted_By(2, 0), 0);
    FANTASY_DRAFT_STATE State = Current_State();
    EXPECT_EQ(State.nRound, 1);
    EXPECT_EQ(State.nPick, 0);
    EXPECT_EQ(State.nPicked[0][0], 3000);
    EXPECT_NE(State.nPicked[0][1], 0);
    EXPECT_NE(State.nPicked[0][2], 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Round 2 / Pick 1");
    // An already drafted player cannot be taken again.
    EXPECT_FALSE(Record_Fantasy_Draft_Pick(2, 0, 0));
    EXPECT_EQ(Errors_Reported(), 1);
    // The log: its header, then one line a pick.
    const std::string Log = Read_Text_File("Output/Fantasy Draft.txt");
    char szFirst[128];
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(2, 0, szName);
    std::snprintf(szFirst, sizeof(szFirst), "  1. %-25s %-25s %s\n", "City0 Nick0", szName, "QB");
    EXPECT_EQ(Log.substr(0, Log.find('\n') + 1), " #   TEAM                      PLAYER                         POS\n");
    EXPECT_NE(Log.find(szFirst), std::string::npos) << Log;
    EXPECT_EQ(std::count(Log.begin(), Log.end(), '\n'), 4);
}

TEST_F(FantasyDraftTest, AnnouncedPicksUntilCancelled)
{
    Build(2, 0, 3);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    ui::Queue_Answer(ID_OK);
    ui::Queue_Answer(ID_CANCEL);
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REPEAT, 1);
    // Two announcements, then no more; six picks; the completion box.
    EXPECT_EQ(Count_Boxes("Round 1 / Pick 1"), 1);
    EXPECT_EQ(Count_Boxes("Round 1 / Pick 2"), 1);
    EXPECT_EQ(Count_Boxes("Round 2 / Pick 1"), 0);
    EXPECT_EQ(Get_User_Preference(PREF_FANTASY_ANNOUNCE), 0);
    const SHOWN_BOX& First = ui::Shown_Boxes()[0];
    EXPECT_EQ(First.Style, BOX_OKCANCEL | BOX_ICON_INFORMATION | BOX_TASKMODAL);
    EXPECT_NE(First.Text.find("City0 Nick0 pick "), std::string::npos) << First.Text;
    EXPECT_NE(First.Text.find(")\n(Click 'Cancel' to stop showing these messages)"), std::string::npos);
    EXPECT_EQ(Count_Boxes("Fantasy Draft Complete"), 1);
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    EXPECT_EQ(Count_Team_Players(0), 3);
    EXPECT_EQ(Count_Team_Players(1), 3);
}

TEST_F(FantasyDraftTest, SixtyFiveRoundsAtMostOfTheHundredOrdered)
{
    // Two clubs of 10 and two college pools of 100: 220 players for the 130
    // picks of 65 rounds.
    Build(2, 0, 10);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    for (int p = 38; p <= 39; ++p)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            Put_Named(p, s, 10000 * p + s, s % 15, 40.0f + s % 30, 2000);
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_SNAKE, 0);
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    const FANTASY_DRAFT_STATE State = Current_State();
    EXPECT_EQ(State.nRound, 65);
    EXPECT_EQ(State.nPick, 0);
    EXPECT_NE(State.nPicked[64][1], 0);
    EXPECT_EQ(State.nPicked[65][0], 0);
    EXPECT_EQ(Count_Team_Players(0), 65);
    EXPECT_EQ(Count_Team_Players(1), 65);
    // The 90 left undrafted: the pools keep theirs; the clubs' go to the
    // free agents (the pool may top itself up besides).
    int nClubPlayersFreed = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        const int nID = Get_Player_ID(FREE_AGENT_TEAM, s);
        nClubPlayersFreed += nID >= 1000 && nID < 3000 ? 1 : 0;
    }
    EXPECT_EQ(Count_Team_Players(38) + Count_Team_Players(39) + nClubPlayersFreed, 90);
    const std::string Log = Read_Text_File("Output/Fantasy Draft.txt");
    EXPECT_EQ(std::count(Log.begin(), Log.end(), '\n'), 131);
    EXPECT_NE(Log.find("\n130. "), std::string::npos);
}

TEST_F(FantasyDraftTest, EndDialogNoYesAndCancel)
{
    Build(3, 1, 5);
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_SNAKE, 0);
    ASSERT_TRUE(Record_Fantasy_Draft_Pick(1, 0, 0));
    const FANTASY_DRAFT_STATE Before = Current_State();
    ASSERT_EQ(Before.nRound, 1);
    ASSERT_EQ(Before.nPick, 2);   // round 2 runs 2, 1, 0: the user is last

    // No: back to the draft, nothing changed.
    ui::Clear_Shown_Boxes();
    ui::Queue_Answer(ID_NO);
    Confirm_End_Fantasy_Draft();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "End Fantasy Draft");
    EXPECT_EQ(ui::Shown_Boxes()[0].Style, BOX_YESNOCANCEL | BOX_TASKMODAL);
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 1);
    EXPECT_EQ(Encoded(Current_State()), Encoded(Before));

    // Cancel: every pick undone, nobody moved.
    const std::string Players = Players_Without_Draft_Marks();
    ui::Queue_Answer(ID_CANCEL);
    Confirm_End_Fantasy_Draft();
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    EXPECT_TRUE(Players_Without_Draft_Marks() == Players);
    For_Each_Player_In_Use([](int t, int s) { EXPECT_EQ(Get_Player_Drafted_By(t, s), NO_TEAM); });
    EXPECT_EQ(Count_Boxes("Fantasy Draft Complete"), 0);
}

TEST_F(FantasyDraftTest, YesLetsTheComputerPickForTheUserToo)
{
    Build(3, 1, 5);
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_SNAKE, 0);
    ui::Clear_Shown_Boxes();
    ui::Queue_Answer(ID_YES);
    Confirm_End_Fantasy_Draft();
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    // No completion box for a draft the computer finished; 15 players dealt
    // five a club.
    EXPECT_EQ(Count_Boxes("Fantasy Draft Complete"), 0);
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    for (int t = 0; t < 3; ++t)
        EXPECT_EQ(Count_Team_Players(t), 5) << t;
}

// ---------------------------------------------------------------------------
// With a main window: one pick per posted message

// A main window that only counts what it is asked (its posted messages wait).
int g_nPosted = 0;
int g_nMenuBuilds = 0;
void Count_Request(int nRequest, int)
{
    if (nRequest == REQUEST_USER_MESSAGE)
        ++g_nPosted;
    if (nRequest == REQUEST_PLAY_MENU)
        ++g_nMenuBuilds;
}

class FantasyDraftWindowTest : public FantasyDraftTest {
protected:
    void SetUp() override
    {
        FantasyDraftTest::SetUp();
        g_nPosted = 0;
        g_nMenuBuilds = 0;
        SHELL_HANDLER Handler;
        Handler.pRequest = Count_Request;
        Install_Shell_Handler(&Handler);
    }
    void TearDown() override
    {
        Install_Shell_Handler(nullptr);
        FantasyDraftTest::TearDown();
    }
};

TEST_F(FantasyDraftWindowTest, EachComputerPickPostsTheNextInsteadOfMakingIt)
{
    // Three computer clubs: the start prompts at once and club 0 picks;
    // the next pick waits for the window's message.
    Build(3, 0, 4);
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REPEAT, 0);
    EXPECT_EQ(g_nMenuBuilds, 1);   // the draft's menu labels
    EXPECT_EQ(g_nPosted, 1);
    FANTASY_DRAFT_STATE State = Current_State();
    EXPECT_EQ(State.nRound, 0);
    EXPECT_EQ(State.nPick, 1);
    EXPECT_NE(State.nPicked[0][0], 0);
    EXPECT_EQ(State.nPicked[0][1], 0);
    EXPECT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), 1);
    // The window's message: one more pick, one more message.
    Show_Fantasy_Draft_Prompt();
    EXPECT_EQ(g_nPosted, 2);
    State = Current_State();
    EXPECT_EQ(State.nPick, 2);
    EXPECT_NE(State.nPicked[0][1], 0);
    EXPECT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), 2);
    // The rest: 12 players, 12 picks, then the end, which restores the menu.
    for (int i = 0; i < 40 && Get_Universe_Stat(FANTASY_DRAFT_RUNNING) != 0; ++i)
        Show_Fantasy_Draft_Prompt();
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    EXPECT_EQ(g_nPosted, 12);
    EXPECT_EQ(g_nMenuBuilds, 2);
    EXPECT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), NO_TEAM);
    for (int t = 0; t < 3; ++t)
        EXPECT_EQ(Count_Team_Players(t), 4) << t;
}

TEST_F(FantasyDraftWindowTest, TheUsersPickPostsAndYesStartsTheComputerAtOnce)
{
    Build(2, 1, 3);
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REPEAT, 0);
    // Club 0 is the user's: asked, nothing posted.
    EXPECT_EQ(g_nPosted, 0);
    EXPECT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), 0);
    ASSERT_TRUE(Record_Fantasy_Draft_Pick(1, 0, 0));
    EXPECT_EQ(g_nPosted, 1);
    EXPECT_EQ(Current_State().nPick, 1);   // club 1 waits for the message
    // Yes: the computer picks for club 1 at once, the rest by messages.
    ui::Queue_Answer(ID_YES);
    Confirm_End_Fantasy_Draft();
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), FANTASY_DRAFT_COMPUTER_FINISHES);
    EXPECT_EQ(g_nPosted, 2);
    EXPECT_EQ(Current_State().nRound, 1);
    EXPECT_EQ(Current_State().nPick, 0);
    // The user's own pick is now the computer's.
    Show_Fantasy_Draft_Prompt();
    EXPECT_EQ(g_nPosted, 3);
    EXPECT_NE(Current_State().nPicked[1][0], 0);
}

TEST_F(FantasyDraftTest, ClubOnTheClockIsNoneWithoutADraft)
{
    Build(2, 1, 2);
    EXPECT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), NO_TEAM);
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REVERSE, 0);
    EXPECT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), 0);
    ui::Queue_Answer(ID_CANCEL);
    Confirm_End_Fantasy_Draft();
    EXPECT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), NO_TEAM);
}

// ---------------------------------------------------------------------------
// The computer's weights

TEST_F(FantasyDraftTest, NeedsFallWithEachPickAndAFullQuotaIsWorthNothing)
{
    Build(2, 0, 0);
    for (int s = 0; s < 4; ++s)
        Put_Signed_Player(1, s, 500 + s, POSITION_QB, 70.0f, 1994, 2);
    For_Each_Player_In_Use([](int t, int s) { Set_Player_Drafted_By(t, s, NO_TEAM); });
    int nNeed[15];
    Get_Fantasy_Position_Needs(0, nNeed);
    EXPECT_EQ(nNeed[POSITION_QB], 1200);
    EXPECT_EQ(nNeed[POSITION_S], 900);
    Set_Player_Drafted_By(1, 0, 0);
    Get_Fantasy_Position_Needs(0, nNeed);
    EXPECT_EQ(nNeed[POSITION_QB], 800);   // 1200 x 2 / 3
    Set_Player_Drafted_By(1, 1, 0);
    Get_Fantasy_Position_Needs(0, nNeed);
    EXPECT_EQ(nNeed[POSITION_QB], 400);
    EXPECT_EQ(Count_Team_Picks_At_Position(0, POSITION_QB), 2);
    EXPECT_EQ(Count_Team_Picks_At_Position(1, POSITION_QB), 0);
    Set_Player_Drafted_By(1, 2, 0);
    Get_Fantasy_Position_Needs(0, nNeed);
    EXPECT_EQ(nNeed[POSITION_QB], 0);
    // The fourth quarterback is worth nothing to club 0, whatever he is.
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 1, 3), 0);
    Set_Universe_Stat(SALARY_CAP, 10000000);
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 1, 3), 0);
}

TEST_F(FantasyDraftTest, PayrollRoomIsTheCapLessWhatTheClubHasDrafted)
{
    Build(2, 0, 0);
    Put_Signed_Player(1, 0, 500, POSITION_QB, 70.0f, 1994, 2);
    Put_Signed_Player(1, 1, 501, POSITION_QB, 70.0f, 1994, 2);
    Set_Player_Drafted_By(1, 0, 0);
    Set_Player_Drafted_By(1, 1, NO_TEAM);
    Set_Universe_Stat(SALARY_CAP, 90000000);
    EXPECT_EQ(Get_Fantasy_Payroll_Room(0), 90000 - Get_Player_Vital_Stat(1, 0, VITAL_CAP_CHARGE));
    EXPECT_EQ(Get_Fantasy_Payroll_Room(1), 90000);
}

// Club 0 weighs a fullback (need 1000: nothing scaled) of pool 38 under each
// money state. The worth and contract worth are the league's own figures
// (the contract worth is the player's asking salary for now), read here at
// each cap, since contracts and cap charges scale with it.
TEST_F(FantasyDraftTest, PickValueUnderEachMoneyState)
{
    Build(2, 0, 0);
    Put_Signed_Player(38, 0, 900, POSITION_FB, 72.0f, 1990, 2);
    Set_Player_Vital_Stat(38, 0, VITAL_SALARY, 3000);
    Set_Player_Vital_Stat(38, 0, VITAL_CONTRACT_LENGTH, 2);
    Set_Player_Drafted_By(38, 0, NO_TEAM);
    const int o = static_cast<int>(Get_Player_Overall_Or_Regenerate(38, 0));
    const int p = static_cast<int>(Compute_Player_Potential(38, 0));
    const int nRatings = 3 * Mul_Div_Rounded(o - 50, 4087, 20) + 2 * Mul_Div_Rounded(p - 50, 4087, 20);
    // Two clubs of no revenue: each counts a half of the two, rank 1.
    const auto Base = [] {
        const int nWorth = Get_Player_Value(38, 0);
        return nWorth + Mul_Div_Rounded(2, Get_Player_Contract_Value(38, 0, nWorth), 100);
    };
    const auto Cost = [] { return static_cast<int64_t>(Get_Player_Vital_Stat(38, 0, VITAL_SCALED_CAP_CHARGE)) * 1000; };

    Set_Universe_Stat(SALARY_CAP, 0);   // no cap: ratings count, no money worry
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 38, 0), Base() + nRatings);
    Set_Universe_Stat(SALARY_CAP, 56201000);   // room 56,201 > 2 x 28,100
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 38, 0), Base() + nRatings);
    Set_Universe_Stat(SALARY_CAP, 56200000);   // room 2 x B: no ratings
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 38, 0), Base());
    Set_Universe_Stat(SALARY_CAP, 28100000);   // room B: not short yet
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 38, 0), Base());
    Set_Universe_Stat(SALARY_CAP, 28099000);   // short: 2C / (cost + C)
    ASSERT_GT(Cost(), 0);
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 38, 0), Mul_Div_Rounded_64(Base(), 2 * 4087272, Cost() + 4087272));
    Set_Universe_Stat(SALARY_CAP, 11239000);   // tight: C / cost
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 38, 0), Mul_Div_Rounded_64(Base(), 4087272, Cost()));
    // At twice the money level the thresholds double (A 22,480, B 56,200):
    // room 30,000 is short, 22,479 tight.
    Set_Universe_Stat(INFLATION_FACTOR, 2000);
    Set_Universe_Stat(SALARY_CAP, 30000000);
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 38, 0), Mul_Div_Rounded_64(Base(), 2 * 8174544, Cost() + 8174544));
    Set_Universe_Stat(SALARY_CAP, 22479000);
    EXPECT_EQ(Get_Fantasy_Pick_Value(0, 38, 0), Mul_Div_Rounded_64(Base(), 8174544, Cost()));
}

TEST_F(FantasyDraftTest, EqualValuesGoToTheLaterTeamWhenTheSumIsOdd)
{
    Build(2, 0, 0);
    Put_Signed_Player(38, 0, 900, POSITION_LB, 65.0f, 1995, 2);
    Put_Signed_Player(39, 0, 901, POSITION_LB, 65.0f, 1995, 2);
    For_Each_Player_In_Use([](int t, int s) { Set_Player_Drafted_By(t, s, NO_TEAM); });
    Forget_Fantasy_Pick_Values();
    ASSERT_EQ(Get_Fantasy_Pick_Value(0, 38, 0), Get_Fantasy_Pick_Value(0, 39, 0));
    int nTeam = 0;
    int nSlot = 0;
    // Club 0: 0 + 39 is odd, the later equal takes it.
    ASSERT_TRUE(Choose_Fantasy_Draft_Pick(0, &nTeam, &nSlot));
    EXPECT_EQ(nTeam, 39);
    // Club 1: 1 + 39 is even, the first stays.
    ASSERT_TRUE(Choose_Fantasy_Draft_Pick(1, &nTeam, &nSlot));
    EXPECT_EQ(nTeam, 38);
    // Nobody left: no pick, NO_TEAM and NO_PLAYER.
    Set_Player_Drafted_By(38, 0, 1);
    Set_Player_Drafted_By(39, 0, 1);
    EXPECT_FALSE(Choose_Fantasy_Draft_Pick(0, &nTeam, &nSlot));
    EXPECT_EQ(nTeam, NO_TEAM);
    EXPECT_EQ(nSlot, NO_PLAYER);
}

// ---------------------------------------------------------------------------
// The state's bytes and the file of older saved games

TEST_F(FantasyDraftTest, StateBytesAreLittleEndianAtTheirOffsets)
{
    FANTASY_DRAFT_STATE State{};
    State.nFirstRoundMode = 4;
    State.nLaterRoundMode = 5;
    State.nRound = 2;
    State.nPick = 0x0103;
    State.nPicked[1][2] = -1;
    State.nPicked[99][35] = 0x01020304;
    State.nOrder[1][2] = 7;
    State.nOrder[99][35] = 31;
    const std::vector<uint8_t> Bytes = Encoded(State);
    EXPECT_EQ(Bytes[0], 4);
    EXPECT_EQ(Bytes[4], 5);
    EXPECT_EQ(Bytes[8], 2);
    EXPECT_EQ(Bytes[12], 3);
    EXPECT_EQ(Bytes[13], 1);
    const size_t nPicked = 16 + 4 * (36 + 2);
    EXPECT_EQ(Bytes[nPicked], 0xFF);
    EXPECT_EQ(Bytes[nPicked + 3], 0xFF);
    EXPECT_EQ(Bytes[14412], 4);   // the last ID, low byte first
    EXPECT_EQ(Bytes[14415], 1);
    EXPECT_EQ(Bytes[14416 + 36 + 2], 7);
    EXPECT_EQ(Bytes[18015], 31);
    FANTASY_DRAFT_STATE Back;
    uint8_t Raw[FANTASY_DRAFT_STATE_SIZE];
    std::memcpy(Raw, Bytes.data(), sizeof(Raw));
    Decode_Fantasy_Draft_State(Raw, &Back);
    EXPECT_EQ(Encoded(Back), Bytes);
    // Kept in the league block at the start of the season bookkeeping area.
    Set_Fantasy_Draft_State(State);
    EXPECT_EQ(League.SeasonBookkeeping[FANTASY_DRAFT_STATE_OFFSET + 8], 2);
    EXPECT_EQ(Encoded(Current_State()), Bytes);
}

class FantasyDraftFileTest : public FantasyDraftTest {
protected:
    // A draft under way: three clubs, the user's club 0 on the clock in
    // round 2 after four picks.
    void Start_Under_Way()
    {
        Build(3, 1, 6);
        std::memcpy(League.szCurrentGamePath, "Old League", 11);
        Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_SNAKE, 0);
        ASSERT_TRUE(Record_Fantasy_Draft_Pick(1, 0, 0));
        ASSERT_EQ(Current_State().nRound, 1);
        ASSERT_EQ(Current_State().nPick, 2);
        ui::Reset();
    }

    std::vector<int> Drafted_By_Bytes()
    {
        std::vector<int> Bytes;
        For_Each_Player_In_Use([&Bytes](int t, int s) { Bytes.push_back(Get_Player_Drafted_By(t, s)); });
        return Bytes;
    }
};

TEST_F(FantasyDraftFileTest, FileReadsBackTheStateAndEveryPick)
{
    Start_Under_Way();
    const FANTASY_DRAFT_STATE Saved = Current_State();
    const std::vector<int> Marks = Drafted_By_Bytes();
    Write_Bytes("Old League.draft", Encoded(Saved));
    // What an older saved game holds: the bookkeeping area without the
    // draft, and the marks gone.
    Set_Fantasy_Draft_State(FANTASY_DRAFT_STATE{});
    Clear_All_Drafted_By();

    EXPECT_TRUE(Load_Fantasy_Draft_File());
    EXPECT_EQ(Encoded(Current_State()), Encoded(Saved));
    EXPECT_EQ(Drafted_By_Bytes(), Marks);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    // The load leaves the prompt to its caller; the draft then goes on.
    Show_Fantasy_Draft_Prompt();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Round 2 / Pick 3");
}

TEST_F(FantasyDraftFileTest, GamePathFillingTheWholeFieldIsUsedWhole)
{
    Build(3, 1, 0);
    constexpr size_t FIELD = sizeof(League.szCurrentGamePath);
    std::string Folder;
    while (Folder.size() + 2 <= FIELD - 2)
        Folder += "a/";
    const std::string Game = Folder + std::string(FIELD - Folder.size(), 'g');
    ASSERT_EQ(Game.size(), FIELD);
    std::filesystem::create_directories(Folder);
    FANTASY_DRAFT_STATE State{};
    State.nFirstRoundMode = 0x5A;
    State.nOrder[99][35] = 2;
    Write_Bytes(Game + ".draft", Encoded(State));

    std::memcpy(League.szCurrentGamePath, Game.data(), FIELD);
    EXPECT_TRUE(Load_Fantasy_Draft_File());
    EXPECT_EQ(League.SeasonBookkeeping[FANTASY_DRAFT_STATE_OFFSET], 0x5A);
    EXPECT_EQ(League.SeasonBookkeeping[FANTASY_DRAFT_STATE_OFFSET + FANTASY_DRAFT_STATE_SIZE - 1], 2);
}

TEST_F(FantasyDraftFileTest, DamagedFilesAreRefusedWholeWithTheirMessage)
{
    struct CASE {
        const char* szWhat;
        size_t nSize;
        size_t nOffset;   // a byte to set, SIZE_MAX for none
        uint8_t nValue;
        const char* szReason;
    };
    const CASE Cases[] = {
        {"short", FANTASY_DRAFT_STATE_SIZE - 1, SIZE_MAX, 0, "is not 18,016 bytes long"},
        {"long", FANTASY_DRAFT_STATE_SIZE + 1, SIZE_MAX, 0, "is not 18,016 bytes long"},
        {"empty", 0, SIZE_MAX, 0, "is not 18,016 bytes long"},
        {"round 100", FANTASY_DRAFT_STATE_SIZE, 8, 100, "has a round out of range"},
        {"round negative", FANTASY_DRAFT_STATE_SIZE, 11, 0x80, "has a round out of range"},
        {"pick 3 of 3 clubs", FANTASY_DRAFT_STATE_SIZE, 12, 3, "has a pick out of range"},
        {"pick negative", FANTASY_DRAFT_STATE_SIZE, 15, 0xFF, "has a pick out of range"},
        {"club 3", FANTASY_DRAFT_STATE_SIZE, 14416 + 36 * 50 + 35, 3, "names a club that is not in the league"},
        {"club -1", FANTASY_DRAFT_STATE_SIZE, 14416, 0xFF, "names a club that is not in the league"},
    };
    for (const CASE& C : Cases) {
        SCOPED_TRACE(C.szWhat);
        Zero_League_Data();
        Start_Under_Way();
        std::vector<uint8_t> Bytes = Encoded(Current_State());
        Bytes.resize(C.nSize, 0);
        if (C.nOffset != SIZE_MAX)
            Bytes[C.nOffset] = C.nValue;
        Write_Bytes("Old League.draft", Bytes);
        Clear_All_Drafted_By();
        const std::string Players = Players_Without_Draft_Marks();

        EXPECT_FALSE(Load_Fantasy_Draft_File());
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Fantasy Draft");
        EXPECT_EQ(ui::Shown_Boxes()[0].Text, std::string("The Fantasy Draft file Old League.draft ") + C.szReason +
                                                  ", so it was not read.\n\nThe Fantasy Draft starts again from the "
                                                  "first pick.");
        // Nothing of the file taken, nobody moved or marked: a fresh draft.
        EXPECT_TRUE(Players_Without_Draft_Marks() == Players);
        For_Each_Player_In_Use([](int t, int s) { EXPECT_EQ(Get_Player_Drafted_By(t, s), NO_TEAM); });
        const FANTASY_DRAFT_STATE State = Current_State();
        EXPECT_EQ(State.nRound, 0);
        EXPECT_EQ(State.nPick, 0);
        EXPECT_EQ(State.nFirstRoundMode, 1);
        EXPECT_EQ(State.nLaterRoundMode, 5);
        EXPECT_EQ(State.nPicked[0][0], 0);
        ui::Reset();
    }
}

TEST_F(FantasyDraftFileTest, MissingFileStartsAFreshDraftQuietly)
{
    Start_Under_Way();
    EXPECT_FALSE(Load_Fantasy_Draft_File());
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Current_State().nRound, 0);
    EXPECT_EQ(Current_State().nPicked[0][0], 0);
}

}  // namespace

namespace {

// Leagues of 2 to 7 computer clubs with rosters of different sizes and a
// college pool, every order mode: each player ends once in the league, no
// club holds more than the rounds drafted, and every pick in the state is a
// player now on the club that was on the clock.
TEST_F(FantasyDraftTest, EveryModeDealsEveryPlayerOnce)
{
    const int nModes[][2] = {{1, 1}, {2, 5}, {3, 6}, {4, 7}, {1, 5}, {4, 1}};
    int nCase = 0;
    for (int nTeams = 2; nTeams <= 7; ++nTeams) {
        for (const auto& Mode : nModes) {
            SCOPED_TRACE(::testing::Message() << nTeams << " clubs, modes " << Mode[0] << "/" << Mode[1]);
            Zero_League_Data();
            ui::Reset();
            Set_Universe_Stat(INFLATION_FACTOR, 1000);
            Seed_Random_Numbers(static_cast<uint32_t>(100 + nCase++));
            Build(nTeams, 0, 0);
            Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
            int nPlayers = 0;
            for (int t = 0; t < nTeams; ++t)
                for (int s = 0; s < 3 + (t * 5 + nCase) % 9; ++s, ++nPlayers)
                    Put_Named(t, s, 1000 * (t + 1) + s, (s + t) % 15, 45.0f + (s * 11 + t) % 45, 1990 + s % 10);
            for (int s = 0; s < nCase % 13; ++s, ++nPlayers)
                Put_Named(38, s, 50000 + s, s % 15, 50.0f + s, 2001);
            Start_Fantasy_Draft(Mode[0], Mode[1], 0);
            ASSERT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
            int nOnClubs = 0;
            for (int t = 0; t < nTeams; ++t) {
                EXPECT_LE(Count_Team_Players(t), FANTASY_DRAFT_ROUNDS_MADE);
                nOnClubs += Count_Team_Players(t);
            }
            // Fewer players than 65 rounds hold: everyone was drafted.
            EXPECT_EQ(nOnClubs, nPlayers);
            EXPECT_EQ(Count_Team_Players(38), 0);
            const FANTASY_DRAFT_STATE State = Current_State();
            for (int n = 0; n < nPlayers; ++n) {
                const int r = n / nTeams;
                const int p = n % nTeams;
                const auto Where = Find_ID(State.nPicked[r][p]);
                ASSERT_TRUE(Where.Found()) << r << "/" << p;
                EXPECT_EQ(Where.nTeam, State.nOrder[r][p]);
            }
        }
    }
}

}  // namespace

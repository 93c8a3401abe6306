// The season timeline's model over the pages' small league (five clubs, the
// playoffs from day 17): the cells' places for a bar's width, the record,
// label and cells in each phase, the hot spots across the whole strip, and
// what each click does. The day advance is replaced by a recorder, so every
// jump's day counts are read back as the calls it makes; the counts and
// texts are worked out by hand from the fixture.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "league/league_fixture.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"
#include "pages/page_fixture.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/day_advance.h"
#include "season/offseason.h"
#include "season/playoffs.h"
#include "season/timeline.h"

namespace {

struct ADVANCE_CALL {
    int nDays;
    int nSimulateAll;   // preference 61 during the call
    bool bDraftHeld;    // the season's end would leave the draft waiting
};
std::vector<ADVANCE_CALL> g_Calls;
void Record_Advance(int nDays)
{
    g_Calls.push_back(
        ADVANCE_CALL{nDays, Get_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS), Is_College_Draft_Held()});
}

// The draft runner's calls, with preference 96 (all clubs the computer's)
// during each.
std::vector<int> g_DraftRuns;
void Record_Draft_Run()
{
    g_DraftRuns.push_back(Get_User_Preference(PREF_ALL_COMPUTER_TEAMS));
    // As a draft started or resumed: round 1 under way (or the one it was in).
    if (Get_User_Preference(PREF_DRAFT_ROUND) >= DRAFT_OVER_ROUND)
        Set_User_Preference(PREF_DRAFT_ROUND, 0);
}

bool g_bGameOnScreen = false;
bool Game_On_Screen()
{
    return g_bGameOnScreen;
}

constexpr int P2 = 17;

class TimelineTest : public PageLeagueTest {
protected:
    void SetUp() override
    {
        PageLeagueTest::SetUp();
        const char* const CITY[5] = {"Alphaville", "Bravoton", "Chargeburg", "Deltaport", "Echo Bay"};
        for (int t = A; t <= E; ++t)
            std::strcpy(League.Team[t].szString[TEAM_STRING_CITY], CITY[t]);
        // A's weeks after the fixture's: at B in week 4, open in week 5, D
        // at home in week 6, open after that.
        ASSERT_TRUE(Schedule_Game(B, A, 4, 6, 1300));
        ASSERT_TRUE(Schedule_Game(A, D, 6, 6, 1300));
        Set_User_Preference(PREF_SELECTED_TEAM, A);
        Clear_Playoff_Slots();
        for (int j = 0; j < TIMELINE_STEPS; ++j)
            Set_User_Preference(PREF_TIMELINE_FIRST + j, j < 2 ? 0 : 1);
        // No draft under way, as Start_Season leaves it.
        Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
        g_Calls.clear();
        g_DraftRuns.clear();
        g_bGameOnScreen = false;
        Set_Timeline_Day_Advancer(Record_Advance);
        Set_Timeline_Draft_Runner(Record_Draft_Run);
        Set_Timeline_Game_On_Screen_Query(Game_On_Screen);
        Set_Timeline_Enabled(true);
        shell_requests::Reset();
        dialogs::Reset();
    }
    void TearDown() override
    {
        Set_Timeline_Day_Advancer(nullptr);
        Set_Timeline_Draft_Runner(nullptr);
        Set_Timeline_Game_On_Screen_Query(nullptr);
        Set_Timeline_Enabled(true);
        ui::Reset();
    }

    static void Set_Day(int nDay) { League.Preferences.nInt[PREF_CURRENT_WEEK] = nDay; }

    // The days of the recorded calls, and whether preference 61 was set in
    // each.
    static std::vector<int> Days()
    {
        std::vector<int> Days;
        for (const ADVANCE_CALL& Call : g_Calls)
            Days.push_back(Call.nDays);
        return Days;
    }
    static std::vector<std::string> Box_Texts()
    {
        std::vector<std::string> Texts;
        for (const SHOWN_BOX& Box : ui::Shown_Boxes())
            Texts.push_back(Box.Caption + ": " + Box.Text);
        return Texts;
    }
    static void Forget()
    {
        g_Calls.clear();
        ui::Reset();
    }

    // The strip laid out for a 1046-pixel bar with the skin's 376-pixel left
    // picture: pitch (1046 - 376) / 5 = 134, cells at 376 + 134 i.
    const TIMELINE_LAYOUT Strip = Layout_Timeline(1046, 376);
    static int Cell_X(int i) { return 376 + 134 * i + 60; }
};

TEST_F(TimelineTest, CellsStandWhereTheWidthAndTheLeftPicturePutThem)
{
    // Exactly one cell a pitch: x0 = (134 - 134) / 2 + 376.
    EXPECT_TRUE(Strip.bLaidOut);
    EXPECT_EQ(Strip.nPitch, 134);
    EXPECT_EQ(Strip.nCellWidth, 134);
    const int EXACT[5] = {376, 510, 644, 778, 912};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Strip.nCellX[i], EXACT[i]) << i;
    // Wider: c = (1400 - 376) / 5 = 204, x0 = (204 - 134) / 2 + 376 = 411.
    const TIMELINE_LAYOUT Wide = Layout_Timeline(1400, 376);
    const int WIDE[5] = {411, 615, 819, 1023, 1227};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Wide.nCellX[i], WIDE[i]) << i;
    const TIMELINE_BOX Hit = Get_Timeline_Cell_Box(Wide, 1);
    EXPECT_EQ(Hit.nLeft, 615);
    EXPECT_EQ(Hit.nRight, 615 + 134);
    EXPECT_EQ(Hit.nTop, 8);
    EXPECT_EQ(Hit.nBottom, 58);
    const TIMELINE_BOX Text = Get_Timeline_Cell_Text_Box(Wide, 0);
    EXPECT_EQ(Text.nLeft, 411 + 13);
    EXPECT_EQ(Text.nRight, 411 + 121);
    EXPECT_EQ(Text.nTop, 8);
    EXPECT_EQ(Text.nBottom, 33);
    // Narrower than a cell a pitch: c = (1024 - 376) / 5 = 129, the cells
    // 129 wide from the picture's edge, side by side without overlapping.
    const TIMELINE_LAYOUT Narrow = Layout_Timeline(1024, 376);
    EXPECT_EQ(Narrow.nCellWidth, 129);
    EXPECT_EQ(Narrow.nCellX[0], 376);
    EXPECT_EQ(Narrow.nCellX[4], 376 + 4 * 129);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Get_Timeline_Cell_Box(Narrow, i).nRight, Get_Timeline_Cell_Box(Narrow, i + 1).nLeft);
    // No picture or no width: nothing laid out, no cell to hit.
    EXPECT_FALSE(Layout_Timeline(1024, 0).bLaidOut);
    EXPECT_FALSE(Layout_Timeline(0, 376).bLaidOut);
    EXPECT_FALSE(Get_Timeline_Cell_Box(Layout_Timeline(1024, 0), 0).Contains(400, 20));
    EXPECT_FALSE(Get_Timeline_Cell_Box(Strip, 5).Contains(Cell_X(4), 20));
}

TEST_F(TimelineTest, RegularSeasonShowsTheNextGameAndTheWeeksAhead)
{
    // Day 3: A at home to C (0-2-1); A is 2-0.
    TIMELINE_VIEW View = Get_Timeline_View();
    EXPECT_TRUE(View.bActive);
    EXPECT_EQ(View.Record, "(2-0)");
    EXPECT_EQ(View.Label, "Week 4 Chargeburg (0-2-1)");
    EXPECT_EQ(View.nTextRgb, 0xFFFF00u);
    const char* const CELLS[5] = {"Week 5 @BRA", "Bye week", "Week 7 DEL", "Bye week", "Bye week"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(View.Cells[i].Text, CELLS[i]) << i;
        EXPECT_FALSE(View.Cells[i].bDone);
        EXPECT_EQ(View.Cells[i].nRgb, 0xFFFF00u);
    }
    // Day 4 from the visitor's side: B (1-2) is the opponent.
    Set_Day(4);
    EXPECT_EQ(Get_Timeline_View().Label, "Week 5 @Bravoton (1-2)");
    Set_Day(5);
    EXPECT_EQ(Get_Timeline_View().Label, "No Game This Week");
    // The last regular weeks lead into the playoffs: "Playoffs", "Super
    // Bowl", "Off-Season", then blanks.
    Set_Day(14);
    View = Get_Timeline_View();
    EXPECT_EQ(View.Cells[0].Text, "Bye week");
    EXPECT_EQ(View.Cells[1].Text, "Bye week");
    EXPECT_EQ(View.Cells[2].Text, "Playoffs");
    EXPECT_EQ(View.Cells[3].Text, "Super Bowl");
    EXPECT_EQ(View.Cells[4].Text, "Off-Season");
    Set_Day(16);
    View = Get_Timeline_View();
    EXPECT_EQ(View.Cells[0].Text, "Playoffs");
    EXPECT_EQ(View.Cells[2].Text, "Off-Season");
    EXPECT_EQ(View.Cells[3].Text, "");
    EXPECT_EQ(View.Cells[4].Text, "");
    // A slot that is no franchise: no record, no game.
    Set_User_Preference(PREF_SELECTED_TEAM, FREE_AGENT_TEAM);
    Set_Day(3);
    View = Get_Timeline_View();
    EXPECT_EQ(View.Record, "");
    EXPECT_EQ(View.Label, "No Game This Week");
    EXPECT_EQ(View.Cells[0].Text, "Bye week");
}

TEST_F(TimelineTest, PlayoffRoundsNameTheRoundAndTheOpponent)
{
    Set_Day(P2);
    Clear_Standings_Order();
    Set_Playoff_Team(0, A);
    Set_Playoff_Team(1, B);
    Set_Playoff_Team(2, D);
    // A leads the North, B does not: A is at home.
    TIMELINE_VIEW View = Get_Timeline_View();
    EXPECT_EQ(View.Label, "Wildcard vs. Bravoton");
    const char* const CELLS[5] = {"Divisional", "Conference", "Super Bowl", "Off-Season", ""};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(View.Cells[i].Text, CELLS[i]) << i;
    Set_User_Preference(PREF_SELECTED_TEAM, B);
    EXPECT_EQ(Get_Timeline_View().Label, "Wildcard @ Alphaville");
    // D's partner slot 3 is empty.
    Set_User_Preference(PREF_SELECTED_TEAM, D);
    EXPECT_EQ(Get_Timeline_View().Label, "1st Round Bye");
    // A club out of the bracket, or out with a playoff loss: the round alone.
    Set_User_Preference(PREF_SELECTED_TEAM, C);
    EXPECT_EQ(Get_Timeline_View().Label, "Wildcard");
    Set_User_Preference(PREF_SELECTED_TEAM, B);
    League.Team[B].bYearly[0][YEARLY_PLAYOFF_LOSSES] = 1;
    EXPECT_EQ(Get_Timeline_View().Label, "Wildcard");
    // Later rounds by their day.
    Set_User_Preference(PREF_SELECTED_TEAM, C);
    Set_Day(P2 + 2);
    View = Get_Timeline_View();
    EXPECT_EQ(View.Label, "Conference");
    EXPECT_EQ(View.Cells[0].Text, "Super Bowl");
    EXPECT_EQ(View.Cells[1].Text, "Off-Season");
    EXPECT_EQ(View.Cells[2].Text, "");
    // Before 1970 the third round is the Title Game.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1965;
    EXPECT_EQ(Get_Timeline_View().Label, "Title Game");
    Set_Day(P2);
    EXPECT_EQ(Get_Timeline_View().Cells[1].Text, "Title Game");
    char szName[32];
    const char* const NAMES[5] = {"Wildcard", "Divisional", "Title Game", "Super Bowl", "Off-Season"};
    for (int k = 0; k < 5; ++k) {
        Get_Playoff_Round_Name(szName, sizeof(szName), P2 + k);
        EXPECT_STREQ(szName, NAMES[k]);
    }
    Get_Playoff_Round_Name(szName, sizeof(szName), P2 - 1);
    EXPECT_STREQ(szName, "");
    Get_Playoff_Round_Name(szName, sizeof(szName), P2 + 5);
    EXPECT_STREQ(szName, "");
    // The questions of the four rounds; another day is reported.
    const char* const MESSAGES[4] = {"Simulate every game in the Wild Card round of the playoffs?",
                                     "Simulate every Division Playoff Game?", "Simulate the Conference Title Games?",
                                     "Simulate the Super Bowl?"};
    char szMessage[96];
    for (int k = 0; k < 4; ++k) {
        Set_Day(P2 + k);
        Get_Playoff_Simulation_Message(szMessage, sizeof(szMessage));
        EXPECT_STREQ(szMessage, MESSAGES[k]);
    }
    EXPECT_EQ(Errors_Reported(), 0);
    Set_Day(5);
    Get_Playoff_Simulation_Message(szMessage, sizeof(szMessage));
    EXPECT_STREQ(szMessage, "");
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_NE(std::strstr(Get_Recent_Errors(), "Invalid nCurrentWeek in Get_Playoff_Simulation_Message()"), nullptr);
}

// The label says who hosts as the playoff scheduler places the game: the
// club's schedule entry when the round is scheduled; before that, the higher
// seed key (a division leader's bonus counted) at home, the pair's first
// slot when the keys are equal. A division leader with a weaker record than
// its opponent is still the host.
TEST_F(TimelineTest, PlayoffLabelNamesTheHost)
{
    // D leads the South alone at 0-3; B is second in the North at 1-2.
    Set_Season_Record(D, 0, 0, 3, 0);
    Clear_Standings_Order();
    ASSERT_EQ(Get_Team_Division_Place(D), 0);
    ASSERT_NE(Get_Team_Division_Place(B), 0);
    ASSERT_LT(Get_Team_Standings_Key(D), Get_Team_Standings_Key(B));
    const auto Label_Of = [](int nTeam) {
        Set_User_Preference(PREF_SELECTED_TEAM, nTeam);
        return Get_Timeline_View().Label;
    };

    // Wild-card day, nothing scheduled yet; B in the pair's first slot.
    Set_Day(P2);
    Set_Playoff_Team(0, B);
    Set_Playoff_Team(1, D);
    ASSERT_EQ(Get_Team_Week_Home_Away(D, P2), WEEK_NO_GAME);
    EXPECT_EQ(Label_Of(D), "Wildcard vs. Bravoton");
    EXPECT_EQ(Label_Of(B), "Wildcard @ Deltaport");

    // The final, the leader in the second slot: still the host.
    Clear_Playoff_Slots();
    Set_Day(P2 + 3);
    Set_Playoff_Team(28, B);
    Set_Playoff_Team(29, D);
    EXPECT_EQ(Label_Of(D), "Super Bowl vs. Bravoton");
    EXPECT_EQ(Label_Of(B), "Super Bowl @ Deltaport");
    // Once scheduled, the schedule's entry is what the label says, as the
    // Calendar does: here B hosts.
    ASSERT_TRUE(Schedule_Game(B, D, P2 + 3, 6, 1830));
    EXPECT_EQ(Label_Of(D), "Super Bowl @ Bravoton");
    EXPECT_EQ(Label_Of(B), "Super Bowl vs. Deltaport");

    // Equal seed keys: B and C without a game played (key 0), neither a
    // leader; the first slot of the pair hosts, whichever club is there.
    Set_Season_Record(B, 0, 0, 0, 0);
    Set_Season_Record(C, 0, 0, 0, 0);
    Clear_Standings_Order();
    ASSERT_EQ(Get_Playoff_Seed_Key(B), Get_Playoff_Seed_Key(C));
    Clear_Playoff_Slots();
    Set_Day(P2 + 1);
    Set_Playoff_Team(18, C);
    Set_Playoff_Team(19, B);
    EXPECT_EQ(Label_Of(C), "Divisional vs. Bravoton");
    EXPECT_EQ(Label_Of(B), "Divisional @ Chargeburg");
    Set_Playoff_Team(18, B);
    Set_Playoff_Team(19, C);
    EXPECT_EQ(Label_Of(B), "Divisional vs. Chargeburg");
    EXPECT_EQ(Label_Of(C), "Divisional @ Bravoton");

    // Two clubs with byes paired in second-round slots on the wild-card
    // day: they read each other as opponents only until the round is
    // scheduled; then, with no game that day, the bye.
    Clear_Playoff_Slots();
    Set_Day(P2);
    Set_Playoff_Team(0, A);
    Set_Playoff_Team(1, B);
    Set_Playoff_Team(16, C);
    Set_Playoff_Team(17, E);
    const std::string Unscheduled = Label_Of(C);
    EXPECT_EQ(Unscheduled.rfind("Wildcard ", 0), 0u) << Unscheduled;
    EXPECT_NE(Unscheduled.find("Echo Bay"), std::string::npos) << Unscheduled;
    ASSERT_TRUE(Schedule_Game(A, B, P2, 6, 1300));
    EXPECT_EQ(Label_Of(C), "1st Round Bye");
    EXPECT_EQ(Label_Of(E), "1st Round Bye");
    EXPECT_EQ(Label_Of(A), "Wildcard vs. Bravoton");
    EXPECT_EQ(Label_Of(B), "Wildcard @ Alphaville");
    EXPECT_EQ(Errors_Reported(), 0) << Get_Recent_Errors();
}

TEST_F(TimelineTest, OffSeasonShowsTheStepsAndWhichAreDone)
{
    // Day 100 after Start_Season's flags 0, 0, 1, 1: renewals count as done
    // on day 100, the draft and the new season are not open.
    Set_Day(OFFSEASON_WEEK);
    TIMELINE_VIEW View = Get_Timeline_View();
    EXPECT_EQ(View.Label, "Off-Season");
    const char* const STEPS[5] = {"Renew Contracts", "Free Agents", "College Draft", "Begin Season", ""};
    const bool DONE[5] = {true, false, true, true, false};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(View.Cells[i].Text, STEPS[i]) << i;
        EXPECT_EQ(View.Cells[i].bDone, DONE[i]) << i;
        EXPECT_EQ(View.Cells[i].nRgb, DONE[i] ? 0xA0A000u : 0xFFFF00u) << i;
    }
    // The working copy is not stored.
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST), 0);
    // The season just over (day P2 + 4, the last slot filled), a user-run
    // club with an expiring contract: the renewals are open.
    Set_Day(P2 + 4);
    Set_Playoff_Team(Get_Season_Last_Playoff_Slot(), A);
    EXPECT_TRUE(Get_Timeline_View().Cells[0].bDone);
    League.Team[A].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    Put_Player(A, 0, 501, POSITION_QB);
    Set_Player_Vital_Stat(A, 0, VITAL_CONTRACT_YEARS_LEFT, 1);
    ASSERT_TRUE(Human_Team_Has_Flagged_Players());
    View = Get_Timeline_View();
    EXPECT_EQ(View.Label, "Off-Season");
    EXPECT_FALSE(View.Cells[0].bDone);
    EXPECT_EQ(View.Cells[0].nRgb, 0xFFFF00u);
    // Inactive: every text grey.
    Set_Timeline_Enabled(false);
    View = Get_Timeline_View();
    EXPECT_FALSE(View.bActive);
    EXPECT_EQ(View.nTextRgb, 0xB4B4B4u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(View.Cells[i].nRgb, 0xB4B4B4u) << i;
}

TEST_F(TimelineTest, HotSpotsCoverExactlyWhatAClickDoes)
{
    // Every pixel of the strip's rows, phase by phase: hot on the page box
    // (0-57), the advance box (93-252, rows 8-32) before the off-season, and
    // the cells a click can jump to (rows 8-57, the bar's 36 rows here).
    struct PHASE {
        int nDay;
        bool bAdvance;
        bool bCell[5];
    };
    const PHASE PHASES[] = {
        {3, true, {true, true, true, true, true}},           // weeks 5-9
        {16, true, {true, true, true, false, false}},        // days 17, 18, 19 (k below 3); 20, 21 not
        {P2, true, {true, true, true, true, false}},         // days 18-21; day 22 is past the rounds
        {P2 + 3, true, {true, false, false, false, false}},  // day 21 only
        // Renewals are over on day 100; the other three steps act, open or
        // not, done or not.
        {OFFSEASON_WEEK, false, {false, true, true, true, false}},
    };
    for (const PHASE& Phase : PHASES) {
        Set_Day(Phase.nDay);
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 1046; ++x) {
                bool bHot = false;
                if (y >= 8 && y < 33 && x < 58)
                    bHot = true;
                else if (y >= 8 && y < 33 && x >= 93 && x < 253)
                    bHot = Phase.bAdvance;
                else if (y >= 8 && x >= 376)
                    bHot = Phase.bCell[(x - 376) / 134];
                ASSERT_EQ(Is_Timeline_Hot_Spot(Strip, x, y), bHot) << "day " << Phase.nDay << " at " << x << "," << y;
            }
    }
    // Inactive: nowhere.
    Set_Day(3);
    Set_Timeline_Enabled(false);
    for (int x = 0; x < 1046; ++x)
        ASSERT_FALSE(Is_Timeline_Hot_Spot(Strip, x, 20)) << x;
    // Not laid out: nowhere.
    Set_Timeline_Enabled(true);
    EXPECT_FALSE(Is_Timeline_Hot_Spot(Layout_Timeline(1046, 0), 10, 20));
}

TEST_F(TimelineTest, WeekCellsAskAndPlayTheDaysBetween)
{
    // The current week again (from = to): "Play one week?", one day.
    ui::Queue_Answer(ID_YES);
    Timeline_Advance_To_Week(5, 5);
    EXPECT_EQ(Box_Texts(), (std::vector<std::string>{"Confirm: Play one week?"}));
    EXPECT_EQ(Days(), (std::vector<int>{1}));
    Forget();
    ui::Queue_Answer(ID_NO);
    Timeline_Advance_To_Week(5, 5);
    EXPECT_TRUE(g_Calls.empty());
    Forget();
    // Cell 2 of day 3 is day 6: three days with the simulate-all flag set
    // during the run and clear after it.
    ui::Queue_Answer(ID_YES);
    Timeline_Click(Strip, Cell_X(2), 20);
    EXPECT_EQ(Box_Texts(), (std::vector<std::string>{"Confirm: Simulate the next 3 weeks?"}));
    ASSERT_EQ(g_Calls.size(), 1u);
    EXPECT_EQ(g_Calls[0].nDays, 3);
    EXPECT_EQ(g_Calls[0].nSimulateAll, 1);
    EXPECT_EQ(Get_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS), 0);
    Forget();
    // Cell 0: one day, "Simulate every game in week 4?" (the current week).
    ui::Queue_Answer(ID_YES);
    Timeline_Click(Strip, Cell_X(0), 40);
    EXPECT_EQ(Box_Texts(), (std::vector<std::string>{"Confirm: Simulate every game in week 4?"}));
    EXPECT_EQ(Days(), (std::vector<int>{1}));
    Forget();
    ui::Queue_Answer(ID_NO);
    Timeline_Click(Strip, Cell_X(4), 20);
    EXPECT_EQ(Box_Texts(), (std::vector<std::string>{"Confirm: Simulate the next 5 weeks?"}));
    EXPECT_TRUE(g_Calls.empty());
    Forget();
    // The label's advance box plays one day without asking.
    Timeline_Click(Strip, 150, 20);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Days(), (std::vector<int>{1}));
    Forget();
    // Between the boxes and the cells nothing happens.
    Timeline_Click(Strip, 300, 20);
    Timeline_Click(Strip, 70, 20);
    EXPECT_TRUE(g_Calls.empty());
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(TimelineTest, PlayoffCellsPlayToThePlayoffsAndThenTheRounds)
{
    // From week 10 (day 10), P2 = 17: "Playoffs" (day 17) is 7 days then
    // none; "Super Bowl" (day 18) 7 then 3; "Off-Season" (day 19) 7 then 4,
    // the flag set through both calls.
    struct JUMP {
        int nTo;
        const char* szQuestion;
        std::vector<int> Days;
    };
    const JUMP JUMPS[] = {
        {17, "Confirm: Simulate the next 7 weeks?", {7, 0}},
        {18, "Confirm: Simulate the next 10 weeks?", {7, 3}},
        {19, "Confirm: Simulate the next 11 weeks?", {7, 4}},
    };
    Set_Day(10);
    for (const JUMP& Jump : JUMPS) {
        Forget();
        ui::Queue_Answer(ID_YES);
        Timeline_Advance_To_Week(10, Jump.nTo);
        EXPECT_EQ(Box_Texts(), (std::vector<std::string>{Jump.szQuestion})) << Jump.nTo;
        EXPECT_EQ(Days(), Jump.Days) << Jump.nTo;
        for (const ADVANCE_CALL& Call : g_Calls)
            EXPECT_EQ(Call.nSimulateAll, 1) << Jump.nTo;
        EXPECT_EQ(Get_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS), 0);
    }
    // The blank cell after "Off-Season" (day 20) and beyond: nothing at all.
    Forget();
    Timeline_Advance_To_Week(10, 20);
    Timeline_Advance_To_Week(16, 21);
    EXPECT_TRUE(g_Calls.empty());
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    // Answered No: nothing played.
    ui::Queue_Answer(ID_NO);
    Timeline_Advance_To_Week(10, 19);
    EXPECT_TRUE(g_Calls.empty());
    // Seen from the strip on day 16: cell 2 is day 19, the "Off-Season" cell:
    // 1 day to the playoffs, then 4.
    Set_Day(16);
    Forget();
    ui::Queue_Answer(ID_YES);
    Timeline_Click(Strip, Cell_X(2), 20);
    EXPECT_EQ(Box_Texts(), (std::vector<std::string>{"Confirm: Simulate the next 5 weeks?"}));
    EXPECT_EQ(Days(), (std::vector<int>{1, 4}));
    // In the playoffs a round's cell is the days between; one round asks the
    // round's question while the viewed club is still in.
    Set_Day(P2);
    Set_Playoff_Team(0, A);
    Set_Playoff_Team(1, B);
    Forget();
    ui::Queue_Answer(ID_YES);
    Timeline_Click(Strip, Cell_X(0), 20);
    EXPECT_EQ(Box_Texts(),
              (std::vector<std::string>{"Confirm: Simulate every game in the Wild Card round of the playoffs?"}));
    EXPECT_EQ(Days(), (std::vector<int>{1}));
    Forget();
    ui::Queue_Answer(ID_YES);
    Timeline_Click(Strip, Cell_X(3), 20);
    EXPECT_EQ(Box_Texts(), (std::vector<std::string>{"Confirm: Simulate the next 4 weeks?"}));
    EXPECT_EQ(Days(), (std::vector<int>{4}));
    // A club out of the bracket is not asked about one round.
    Set_User_Preference(PREF_SELECTED_TEAM, C);
    Forget();
    Timeline_Click(Strip, Cell_X(0), 20);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Days(), (std::vector<int>{1}));
    // Past the rounds (day 22): nothing.
    Forget();
    Timeline_Click(Strip, Cell_X(4), 20);
    EXPECT_TRUE(g_Calls.empty());
}

TEST_F(TimelineTest, OffSeasonStepsOpenInTheirOrderAndActWhenClickedDoneOrAhead)
{
    Set_Day(OFFSEASON_WEEK);
    // College Draft and Begin Season stay grey until Renew Contracts and
    // Free Agents are both done; clicked ahead of their turn they act all
    // the same and stay grey. The pools are empty: the draft is behind.
    Timeline_Click(Strip, Cell_X(2), 20);
    EXPECT_EQ(Days(), (std::vector<int>{1}));
    Forget();
    Timeline_Click(Strip, Cell_X(3), 20);
    EXPECT_EQ(Days(), (std::vector<int>{22}));
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST + 2), 1);
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST + 3), 1);
    // The blank fifth cell is no step.
    Forget();
    Timeline_Click(Strip, Cell_X(4), 20);
    EXPECT_TRUE(g_Calls.empty());
    EXPECT_TRUE(dialogs::Records().empty());
    EXPECT_TRUE(g_DraftRuns.empty());
    // Free Agents: its flag set, the draft and the season opened (renewals
    // count as done on day 100), and the free-agents list run.
    shell_requests::Reset();
    Timeline_Click(Strip, Cell_X(1), 20);
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST + 0), 1);
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST + 1), 1);
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST + 2), 0);
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST + 3), 0);
    ASSERT_EQ(dialogs::Records().size(), 1u);
    EXPECT_EQ(dialogs::Records()[0].nDialogId, FREE_AGENTS_LIST_DIALOG);
    EXPECT_TRUE(g_Calls.empty());
    EXPECT_EQ(shell_requests::Count(REQUEST_PLAY_MENU), 1);
    EXPECT_EQ(shell_requests::Count(REQUEST_STATUS_BAR_REPAINT), 1);
    TIMELINE_VIEW View = Get_Timeline_View();
    EXPECT_TRUE(View.Cells[1].bDone);
    EXPECT_FALSE(View.Cells[2].bDone);
    EXPECT_FALSE(View.Cells[3].bDone);
    // Free Agents done: clicked again, the list opens again.
    dialogs::Reset();
    Timeline_Click(Strip, Cell_X(1), 20);
    ASSERT_EQ(dialogs::Records().size(), 1u);
    EXPECT_EQ(dialogs::Records()[0].nDialogId, FREE_AGENTS_LIST_DIALOG);
    // College Draft without expiring contracts: one day, no question. With
    // renewals and free agency done the draft's and the season's flags are
    // cleared again at every step, so both stay open through the draft.
    Forget();
    Timeline_Click(Strip, Cell_X(2), 20);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Days(), (std::vector<int>{1}));
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST + 2), 0);
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST + 3), 0);
    // Begin Season with the pools short of a draft (under 101 players): the
    // whole phase (22) without a question.
    Forget();
    Timeline_Click(Strip, Cell_X(3), 20);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Days(), (std::vector<int>{22}));
    EXPECT_EQ(Get_User_Preference(PREF_ALL_COMPUTER_TEAMS), 0);
    EXPECT_TRUE(g_DraftRuns.empty());
}

TEST_F(TimelineTest, BeginSeasonWithADraftAheadAsksWhoDrafts)
{
    Set_Day(OFFSEASON_WEEK);
    Set_User_Preference(PREF_TIMELINE_FIRST + 3, 0);
    // 101 prospects in the pools and no round under way: the draft was
    // paused for the free agents ("Begin College Draft?" answered No).
    for (int s = 0; s < 100; ++s)
        Put_Player(FIRST_DRAFT_POOL_TEAM, s, 9000 + s, POSITION_RB);
    Put_Player(FIRST_DRAFT_POOL_TEAM + 1, 0, 9100, POSITION_RB);
    ui::Queue_Answer(ID_NO);
    Timeline_Click(Strip, Cell_X(3), 20);
    EXPECT_EQ(Box_Texts(),
              (std::vector<std::string>{"College Draft: Are you sure you want the computer to draft for you?"}));
    EXPECT_TRUE(g_Calls.empty());
    EXPECT_TRUE(g_DraftRuns.empty());
    EXPECT_EQ(Get_User_Preference(PREF_ALL_COMPUTER_TEAMS), 0);
    // Yes: the paused draft runs with every club the computer's (the day
    // advance would not start it on day 100), and the user's clubs are his
    // again afterwards. The step was done already: it acts all the same.
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST + 3), 1);
    Forget();
    ui::Queue_Answer(ID_YES);
    Timeline_Click(Strip, Cell_X(3), 20);
    EXPECT_TRUE(g_Calls.empty());
    EXPECT_EQ(g_DraftRuns, (std::vector<int>{1}));
    EXPECT_EQ(Get_User_Preference(PREF_ALL_COMPUTER_TEAMS), 0);
}

TEST_F(TimelineTest, CollegeDraftStartsThePausedDraftOrGoesOnWithTheOneUnderWay)
{
    Set_Day(OFFSEASON_WEEK);
    for (int s = 0; s < 100; ++s)
        Put_Player(FIRST_DRAFT_POOL_TEAM, s, 9000 + s, POSITION_RB);
    // Paused: the step starts it, the user's picks his own; the Draft page
    // turns to the round under way, whatever round it showed before.
    Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, 7);
    Timeline_Click(Strip, Cell_X(2), 20);
    EXPECT_TRUE(g_Calls.empty());
    EXPECT_EQ(g_DraftRuns, (std::vector<int>{0}));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PAGE_SCROLL), 1);
    // Under way (round 3): the step goes on with it, it never starts afresh.
    Set_User_Preference(PREF_DRAFT_ROUND, 2);
    g_DraftRuns.clear();
    Timeline_Click(Strip, Cell_X(2), 20);
    EXPECT_TRUE(g_Calls.empty());
    EXPECT_EQ(g_DraftRuns, (std::vector<int>{0}));
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 2);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PAGE_SCROLL), 3);
    // Before the off-season has begun (the season just over) the step plays
    // the day that begins it.
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    Set_Day(P2 + 4);
    g_DraftRuns.clear();
    Timeline_Click(Strip, Cell_X(2), 20);
    EXPECT_EQ(Days(), (std::vector<int>{1}));
    EXPECT_TRUE(g_DraftRuns.empty());
}

TEST_F(TimelineTest, RenewalsStartTheOffSeasonWhenAUserClubHasExpiringContracts)
{
    Set_Day(P2 + 4);
    Set_Playoff_Team(Get_Season_Last_Playoff_Slot(), A);
    League.Team[A].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    Put_Player(A, 0, 501, POSITION_QB);
    Set_Player_Vital_Stat(A, 0, VITAL_CONTRACT_YEARS_LEFT, 1);
    ASSERT_TRUE(Is_Season_Complete());
    EXPECT_TRUE(Is_Timeline_Hot_Spot(Strip, Cell_X(0), 20));
    // The advance box is no hot spot in the off-season, and does nothing.
    EXPECT_FALSE(Is_Timeline_Hot_Spot(Strip, 150, 20));
    Timeline_Click(Strip, 150, 20);
    EXPECT_TRUE(g_Calls.empty());
    Timeline_Click(Strip, Cell_X(0), 20);
    EXPECT_EQ(Days(), (std::vector<int>{22}));
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST), 1);
    // Free Agents not clicked yet: the season's end leaves the draft
    // waiting rather than offering it, and only for this click.
    ASSERT_EQ(g_Calls.size(), 1u);
    EXPECT_TRUE(g_Calls[0].bDraftHeld);
    EXPECT_FALSE(Is_College_Draft_Held());
    TIMELINE_VIEW View = Get_Timeline_View();
    EXPECT_TRUE(View.Cells[2].bDone);
    EXPECT_TRUE(View.Cells[3].bDone);
    // Free Agents next opens the draft; with contracts still expiring, the
    // draft's step asks first.
    Timeline_Click(Strip, Cell_X(1), 20);
    View = Get_Timeline_View();
    EXPECT_FALSE(View.Cells[2].bDone);
    EXPECT_FALSE(View.Cells[3].bDone);
    Forget();
    ui::Queue_Answer(ID_NO);
    Timeline_Click(Strip, Cell_X(2), 20);
    EXPECT_EQ(Box_Texts(), (std::vector<std::string>{"Confirm: Proceed to contract renewal?"}));
    EXPECT_TRUE(g_Calls.empty());
    Set_User_Preference(PREF_TIMELINE_FIRST + 2, 0);
    Forget();
    ui::Queue_Answer(ID_YES);
    Timeline_Click(Strip, Cell_X(2), 20);
    EXPECT_EQ(Days(), (std::vector<int>{1}));
    EXPECT_FALSE(g_Calls[0].bDraftHeld);
    // Free Agents clicked before the renewals: both done, the season's end
    // offers the draft as it always does.
    Forget();
    Timeline_Click(Strip, Cell_X(0), 20);
    ASSERT_EQ(Days(), (std::vector<int>{22}));
    EXPECT_FALSE(g_Calls[0].bDraftHeld);
}

TEST_F(TimelineTest, ThePageBoxShowsTheSeasonsPage)
{
    Set_User_Preference(PREF_MAIN_PAGE, 0);   // the front page
    Timeline_Click(Strip, 20, 20);
    EXPECT_EQ(shell_requests::Last_Page(), CALENDAR_PAGE_COMMAND);
    // Already shown: no request.
    Set_User_Preference(PREF_MAIN_PAGE, CALENDAR_PAGE_COMMAND);
    const int nBefore = shell_requests::Count(REQUEST_SHOW_PAGE);
    Timeline_Click(Strip, 20, 20);
    EXPECT_EQ(shell_requests::Count(REQUEST_SHOW_PAGE), nBefore);
    Set_Day(P2 + 1);
    Timeline_Click(Strip, 20, 20);
    EXPECT_EQ(shell_requests::Last_Page(), PLAYOFFS_PAGE_COMMAND);
    Set_Day(OFFSEASON_WEEK);
    Timeline_Click(Strip, 20, 20);
    EXPECT_EQ(shell_requests::Last_Page(), STANDINGS_PAGE_COMMAND);
    EXPECT_TRUE(g_Calls.empty());
}

TEST_F(TimelineTest, AnInactiveStripIgnoresClicks)
{
    const int nPages = shell_requests::Count(REQUEST_SHOW_PAGE);
    const auto Click_Everything = [this] {
        Timeline_Click(Strip, 20, 20);
        Timeline_Click(Strip, 150, 20);
        for (int i = 0; i < 5; ++i)
            Timeline_Click(Strip, Cell_X(i), 20);
    };
    // A game on the screen.
    g_bGameOnScreen = true;
    EXPECT_FALSE(Is_Timeline_Active());
    EXPECT_EQ(Get_Timeline_View().nTextRgb, 0xB4B4B4u);
    Click_Everything();
    g_bGameOnScreen = false;
    // The shell's switch.
    Set_Timeline_Enabled(false);
    Click_Everything();
    Set_Timeline_Enabled(true);
    // A run playing days (running flag, the day below the stop day).
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 9);
    EXPECT_FALSE(Is_Timeline_Active());
    Click_Everything();
    // A day advance under way (its closing steps, the off-season's dialogs).
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 1);
    Click_Everything();
    EXPECT_TRUE(g_Calls.empty());
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(shell_requests::Count(REQUEST_SHOW_PAGE), nPages);
    // An advance under way answers the questions No without asking.
    EXPECT_EQ(Confirm_Simulate_Weeks(3), ID_NO);
    Timeline_Advance_To_Week(3, 3);
    Timeline_Advance_To_Week(3, 6);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_TRUE(g_Calls.empty());
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);
    EXPECT_TRUE(Is_Timeline_Active());
}

TEST_F(TimelineTest, AClickLandsInTheCellDrawnUnderItAtAnyWidth)
{
    // x = 650 is in cell 2 (644-777) of the 1046-pixel bar, in cell 1
    // (615-748) of a 1400-pixel bar, and in cell 2 (634-762) of a 1024-pixel
    // bar: days 6, 5 and 6 from day 3.
    struct WIDTH {
        int nWidth;
        int nDays;
    };
    const WIDTH WIDTHS[] = {{1046, 3}, {1400, 2}, {1024, 3}};
    for (const WIDTH& W : WIDTHS) {
        Forget();
        ui::Queue_Answer(ID_YES);
        Timeline_Click(Layout_Timeline(W.nWidth, 376), 650, 20);
        EXPECT_EQ(Days(), (std::vector<int>{W.nDays})) << W.nWidth;
    }
    // 1600: c = 244, x0 = (244 - 134) / 2 + 376 = 431; cell 0 ends at 565
    // and cell 1 starts at 675, so x = 650 falls between them.
    Forget();
    Timeline_Click(Layout_Timeline(1600, 376), 650, 20);
    EXPECT_TRUE(g_Calls.empty());
}

}  // namespace

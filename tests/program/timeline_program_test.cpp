// The timeline's and the Calendar page's script lines in the real program,
// headless: a cell of the strip, watch marks set and cleared, a week of the
// Calendar page jumped to, the page box and the label's box, and the lines
// a script cannot carry out.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "pages/page_layout.h"
#include "season/draft_state.h"
#include "season/playoffs.h"
#include "season/timeline.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

class TimelineProgramTest : public program_support::HEADLESS_PROGRAM_TEST {
protected:
    TimelineProgramTest() : HEADLESS_PROGRAM_TEST("tl_data", "tl_out", "timeline.kelvo") {}
};

// The lines of stdout that begin with one of the prefixes, in order.
std::vector<std::string> Lines_Of(const std::string& Out, const std::vector<std::string>& Prefixes)
{
    std::vector<std::string> Lines;
    size_t nStart = 0;
    while (nStart < Out.size()) {
        size_t nEnd = Out.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Out.size();
        const std::string Line = Out.substr(nStart, nEnd - nStart);
        for (const std::string& Prefix : Prefixes)
            if (Line.rfind(Prefix, 0) == 0) {
                Lines.push_back(Line);
                break;
            }
        nStart = nEnd + 1;
    }
    return Lines;
}

TEST_F(TimelineProgramTest, ScriptLinesClickTheStripAndTheCalendar)
{
    // Day 0: cell 3 is day 3 (three weeks); the marks of weeks 8 and 9 are
    // set, week 8's cleared again; week 5 from day 3 is one day; the page box
    // on the Calendar page asks for nothing; the label plays one more day.
    const process_runner::RUN_RESULT Result = Run_Script("welcome new\n"
                                                         "command Calendar\n"
                                                         "answer yes\n"
                                                         "timeline 3\n"
                                                         "calendar watch 8\n"
                                                         "calendar watch 8\n"
                                                         "calendar watch 9\n"
                                                         "answer yes\n"
                                                         "calendar 5\n"
                                                         "timeline page\n"
                                                         "timeline label\n"
                                                         "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    EXPECT_EQ(Lines_Of(Result.Out, {"Timeline", "Calendar", "Box [Confirm]"}),
              (std::vector<std::string>{"Timeline 3", "Box [Confirm] \"Simulate the next 3 weeks?\" -> Yes",
                                        "Calendar watch 8", "Calendar watch 8", "Calendar watch 9", "Calendar 5",
                                        "Box [Confirm] \"Simulate every game in week 4?\" -> Yes", "Timeline page",
                                        "Timeline label"}))
        << Result.Out;
}

// The off-season through the strip: the season over, College Draft asks
// before the renewals and the off-season; "Begin College Draft?" answered
// No pauses the draft for the free agents; College Draft clicked again (its
// step not open yet) starts the paused draft, which runs to the user's
// first pick. Saved there, the Draft page shows that draft, its round and
// the picks made so far.
TEST_F(TimelineProgramTest, ThePausedDraftStartsFromTheStripAndItsPageKeepsThePicks)
{
    const process_runner::RUN_RESULT Result = Run_Script(std::string(program_support::NEW_GAME) +
                                                         "command \"Through Playoffs\"\n"
                                                         "command \"Through Playoffs\"\n"
                                                         "answer yes\n"
                                                         "answer no\n"
                                                         "timeline 3\n"
                                                         "timeline 3\n"
                                                         "dialog 120 set 1082 \"Walk\"\n"
                                                         "dialog 120 press 1\n"
                                                         "command \"Save Game\"\n"
                                                         "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    std::vector<std::string> Lines = Lines_Of(Result.Out, {"Timeline", "Box ["});
    // A game day that finds the user's club without a healthy player at a
    // position signs one and says so; the season's games are not what is
    // read here.
    std::erase_if(Lines, [](const std::string& Line) { return Line.rfind("Box [Roster Needs] ", 0) == 0; });
    ASSERT_EQ(Lines.size(), 6u) << Result.Out;
    EXPECT_EQ(Lines[0], "Timeline 3");
    EXPECT_EQ(Lines[1], "Box [Confirm] \"Proceed to contract renewal?\" -> Yes");
    EXPECT_EQ(Lines[2].rfind("Box [Begin College Draft?] ", 0), 0u) << Lines[2];
    EXPECT_EQ(Lines[2].substr(Lines[2].size() - 6), " -> No");
    EXPECT_EQ(Lines[3], "Box [College Draft] \"To start the College Draft, choose 'Start Draft' from the Play "
                        "Menu.\" -> OK (default)");
    EXPECT_EQ(Lines[4], "Timeline 3");
    EXPECT_EQ(Lines[5].rfind("Box [Round 1: Pick #", 0), 0u) << Lines[5];
    EXPECT_TRUE(program_support::Contains(Lines[5], "Buffalo Frost: Make your draft pick.")) << Lines[5];

    // The saved game: the off-season of 2020, the 2020 draft under way in its
    // first round, every pick before the user's made and shown.
    const std::string Saved = Data.Path() + "/Walk.zrt";
    ASSERT_TRUE(fs::exists(Saved)) << Result.Out;
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database(Saved.c_str()), 1);
    EXPECT_EQ(Get_Current_Week(), OFFSEASON_WEEK);
    EXPECT_EQ(Get_Current_Year(), 2020);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 0);
    // The draft ran to the user's first pick, whichever pick the season
    // gave him: every pick before it is made.
    const int nPicksMade = Get_User_Preference(PREF_DRAFT_PICKS_MADE);
    EXPECT_EQ(nPicksMade + 1, std::atoi(Lines[5].c_str() + std::strlen("Box [Round 1: Pick #"))) << Lines[5];
    EXPECT_EQ(Get_Draft_Page_Year(), 2020);
    EXPECT_EQ(Get_Draft_Page_Round(), 1);
    EXPECT_EQ(Get_Draft_Page_Pick_On_The_Clock(), nPicksMade + 1);
    const PAGE_LAYOUT Page = Layout_Draft_Page();
    int nHeadlines = 0;
    int nOnTheClock = 0;
    for (const PAGE_TEXT& Text : Page.Texts) {
        nHeadlines += Text.Text == "2020 Draft, Round 1" ? 1 : 0;
        nOnTheClock += Text.Text == "On the clock" ? 1 : 0;
    }
    EXPECT_EQ(nHeadlines, 1);
    EXPECT_EQ(nOnTheClock, 1);
    // Each pick made names its player: "Name, POS" in the row of the pick.
    int nNamed = 0;
    for (const PAGE_ROW& Row : Page.Rows) {
        if (Row.nGroup > nPicksMade)
            continue;
        for (const PAGE_TEXT& Text : Page.Texts)
            if (Row.Box.Contains(Text.Box) && Text.Text.find(", ") != std::string::npos)
                ++nNamed;
    }
    EXPECT_EQ(nNamed, nPicksMade);
    ui::Reset();
}

// The season over and Buffalo's contracts running out: Renew Contracts
// begins the off-season with the renewals and stops short of the draft (no
// "Begin College Draft?" while Free Agents is still to come), College Draft
// and Begin Season grey; Free Agents opens the list and the draft's step;
// College Draft then starts the draft, which runs to the user's pick.
TEST_F(TimelineProgramTest, RenewContractsLeavesTheDraftUntilFreeAgentsHasBeenClicked)
{
    const process_runner::RUN_RESULT Result = program_support::Run_Headless_Script(
        {Data.Path(), Output.Path(), "timeline.kelvo", std::chrono::seconds(300)},
        std::string(program_support::NEW_GAME) +
            "command \"Through Playoffs\"\n"
            "command \"Through Playoffs\"\n"
            "timeline 1\n"
            "dialog 120 set 1082 \"Renewed\"\n"
            "dialog 120 press 1\n"
            "command \"Save Game\"\n"
            "timeline 2\n"
            "timeline 3\n"
            "answer no\n"
            "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    std::vector<std::string> Lines = Lines_Of(Result.Out, {"Timeline", "Box [", "Dialog 130 ", "Dialog 186 "});
    std::erase_if(Lines, [](const std::string& Line) { return Line.rfind("Box [Roster Needs] ", 0) == 0; });
    // The renewals' offers come between the click and the free agents.
    const auto nFirstOffer = std::find_if(Lines.begin(), Lines.end(), [](const std::string& Line) {
        return Line.rfind("Dialog 186 \"Contract Offer\"", 0) == 0;
    });
    ASSERT_NE(nFirstOffer, Lines.end()) << Result.Out;
    std::erase_if(Lines, [](const std::string& Line) { return Line.rfind("Dialog 186 ", 0) == 0; });
    ASSERT_EQ(Lines.size(), 6u) << Result.Out;
    EXPECT_EQ(Lines[0], "Timeline 1");
    EXPECT_EQ(Lines[1], "Timeline 2");
    EXPECT_EQ(Lines[2].rfind("Dialog 130 \"Sortable Stats\"", 0), 0u) << Lines[2];
    EXPECT_EQ(Lines[3], "Timeline 3");
    EXPECT_EQ(Lines[4].rfind("Box [Round 1: Pick #", 0), 0u) << Lines[4];
    EXPECT_EQ(Lines[5], "Box [Game Not Saved] \"Save changes to current game since last save?\" -> No");
    EXPECT_FALSE(program_support::Contains(Result.Out, "Begin College Draft?")) << Result.Out;

    // Saved after Renew Contracts: the off-season of 2020 begun, its draft
    // waiting with the pools full, Free Agents the step to take.
    const std::string Saved = Data.Path() + "/Renewed.zrt";
    ASSERT_TRUE(fs::exists(Saved)) << Result.Out;
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database(Saved.c_str()), 1);
    EXPECT_EQ(Get_Current_Week(), OFFSEASON_WEEK);
    EXPECT_EQ(Get_Current_Year(), 2020);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), DRAFT_OVER_ROUND);
    EXPECT_TRUE(Is_College_Draft_Pending());
    const TIMELINE_VIEW View = Get_Timeline_View();
    EXPECT_TRUE(View.Cells[TIMELINE_STEP_RENEW_CONTRACTS].bDone);
    EXPECT_FALSE(View.Cells[TIMELINE_STEP_FREE_AGENTS].bDone);
    EXPECT_TRUE(View.Cells[TIMELINE_STEP_COLLEGE_DRAFT].bDone);
    EXPECT_TRUE(View.Cells[TIMELINE_STEP_BEGIN_SEASON].bDone);
    ui::Reset();
}

// View Other Team turns the Calendar page to the viewed club: its watch
// mark marks the viewed club's game, not the user's, and the user's club
// stays his.
TEST_F(TimelineProgramTest, TheCalendarPageShowsTheClubViewOtherTeamChose)
{
    const process_runner::RUN_RESULT Result = Run_Script(std::string(program_support::NEW_GAME) +
                                                         "command Calendar\n"
                                                         "dialog 131 select 1132 \"Dallas Wranglers\"\n"
                                                         "dialog 131 press 1\n"
                                                         "command \"View Other Team\"\n"
                                                         "calendar watch 2\n"
                                                         "dialog 120 set 1082 \"Viewed\"\n"
                                                         "dialog 120 press 1\n"
                                                         "command \"Save Game\"\n"
                                                         "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    const std::string Saved = Data.Path() + "/Viewed.zrt";
    ASSERT_TRUE(fs::exists(Saved)) << Result.Out;
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database(Saved.c_str()), 1);
    int nDallas = -1;
    int nBuffalo = -1;
    for (int t = 0; t < Count_Teams(); ++t) {
        char szCity[TEAM_STRING_SIZE];
        Get_Team_String(szCity, t, TEAM_STRING_CITY);
        if (std::string(szCity) == "Dallas")
            nDallas = t;
        if (std::string(szCity) == "Buffalo")
            nBuffalo = t;
    }
    ASSERT_GE(nDallas, 0);
    ASSERT_GE(nBuffalo, 0);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), nDallas);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), nBuffalo);
    EXPECT_EQ(Get_Calendar_Page_Team(), nDallas);
    EXPECT_EQ(Get_User_Page_Team(), nBuffalo);
    // Week 2: Dallas's game is marked to be watched; Buffalo's is not (they
    // do not meet that week).
    ASSERT_NE(Get_Scheduled_Opponent(nDallas, 1), nBuffalo);
    EXPECT_NE(Get_Calendar_PBP_Flag(nDallas, 1), 0);
    EXPECT_EQ(Get_Calendar_PBP_Flag(nBuffalo, 1), 0);
    ui::Reset();
}

// The timeline's label of a playoff day, read for club nTeam: " vs. " for the
// host, " @ " for the visitor, as its Calendar cell of that day says "vs " or
// "at "; the opponent named alike.
void Expect_Label_Agrees_With_Calendar(int nTeam, int nDay, const std::string& Round)
{
    Set_User_Preference(PREF_SELECTED_TEAM, nTeam);
    Set_User_Preference(PREF_CURRENT_TEAM, nTeam);
    char szCity[TEAM_STRING_SIZE];
    Get_Team_String(szCity, nTeam, TEAM_STRING_CITY);
    SCOPED_TRACE(szCity);
    const PAGE_LAYOUT Calendar = Layout_Calendar_Page();
    std::string Cell;
    int nOpponent = NO_TEAM;
    for (const PAGE_ROW& Row : Calendar.Rows) {
        if (Row.nGroup != nDay)
            continue;
        nOpponent = Row.nTeam;
        for (const PAGE_TEXT& Text : Calendar.Texts)
            if (Row.Box.Contains(Text.Box) && (Text.Text.rfind("vs ", 0) == 0 || Text.Text.rfind("at ", 0) == 0))
                Cell = Text.Text;
    }
    ASSERT_NE(Cell, "");
    ASSERT_NE(nOpponent, NO_TEAM);
    char szOpponentCity[TEAM_STRING_SIZE];
    Get_Team_String(szOpponentCity, nOpponent, TEAM_STRING_CITY);
    const bool bHost = Cell.rfind("vs ", 0) == 0;
    EXPECT_EQ(Get_Timeline_View().Label, Round + (bHost ? " vs. " : " @ ") + szOpponentCity) << Cell;
}

// New Game 2019, Through Playoffs: on the wild-card day every club that plays
// carries a label that names the host as its Calendar cell does, and the
// games are then played at those hosts; the next round's labels agree too.
TEST_F(TimelineProgramTest, EachPlayoffLabelNamesTheHostItsCalendarCellNames)
{
    const process_runner::RUN_RESULT Result = program_support::Run_Headless_Script(
        {Data.Path(), Output.Path(), "timeline.kelvo", std::chrono::seconds(300)},
        std::string(program_support::NEW_GAME) + "command \"Through Playoffs\"\n" +
            program_support::Save_As("Wildcard") + "command \"One Week\"\n" + program_support::Save_As("Divisional") +
            "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;

    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database((Data.Path() + "/Wildcard.zrt").c_str()), 1);
    const int nDay = Get_Current_Week();
    ASSERT_EQ(nDay, Get_Playoff_Start_Day());
    // The hosts of the day, as the labels give them.
    std::vector<int> Hosts;
    std::vector<int> Visitors;
    for (int s = 0; s < 16; s += 2) {
        const int nA = Get_Playoff_Team(s);
        const int nB = Get_Playoff_Team(s + 1);
        if (nA == NO_TEAM || nB == NO_TEAM)
            continue;
        for (int t : {nA, nB}) {
            Expect_Label_Agrees_With_Calendar(t, nDay, "Wildcard");
            Set_User_Preference(PREF_SELECTED_TEAM, t);
            const bool bHost = program_support::Contains(Get_Timeline_View().Label, " vs. ");
            (bHost ? Hosts : Visitors).push_back(t);
        }
    }
    ASSERT_EQ(Hosts.size(), 4u);
    ASSERT_EQ(Visitors.size(), 4u);

    // Played: each game of that day was played at the host the labels named.
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database((Data.Path() + "/Divisional.zrt").c_str()), 1);
    ASSERT_EQ(Get_Current_Week(), nDay + 1);
    int nPlayed = 0;
    for (int g = 0; g < Count_Season_Game_Records(); ++g) {
        const GAME* pGame = Get_Game_Record(g);
        if (pGame == nullptr || pGame->nWeek != nDay)
            continue;
        ++nPlayed;
        EXPECT_NE(std::find(Hosts.begin(), Hosts.end(), pGame->nHomeTeam), Hosts.end()) << int(pGame->nHomeTeam);
        EXPECT_NE(std::find(Visitors.begin(), Visitors.end(), pGame->nAwayTeam), Visitors.end())
            << int(pGame->nAwayTeam);
    }
    EXPECT_EQ(nPlayed, 4);
    // The divisional round, scheduled after its reseeding.
    int nChecked = 0;
    for (int s = 16; s < 24; s += 2) {
        const int nA = Get_Playoff_Team(s);
        const int nB = Get_Playoff_Team(s + 1);
        if (nA == NO_TEAM || nB == NO_TEAM)
            continue;
        for (int t : {nA, nB}) {
            Expect_Label_Agrees_With_Calendar(t, nDay + 1, "Divisional");
            ++nChecked;
        }
    }
    EXPECT_EQ(nChecked, 8);
    ui::Reset();
}

TEST_F(TimelineProgramTest, TheFifthCellIsTheLastTheScriptCanClick)
{
    // Day 0: cell 5 is day 5, five weeks ahead; declined, nothing is played.
    const process_runner::RUN_RESULT Result = Run_Script("welcome new\n"
                                                         "command Calendar\n"
                                                         "answer no\n"
                                                         "timeline 5\n"
                                                         "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    EXPECT_EQ(Lines_Of(Result.Out, {"Timeline", "Box [Confirm]"}),
              (std::vector<std::string>{"Timeline 5", "Box [Confirm] \"Simulate the next 5 weeks?\" -> No"}))
        << Result.Out;
}

TEST_F(TimelineProgramTest, LinesTheScriptCannotCarryOutStopIt)
{
    struct BAD {
        const char* szLine;
        const char* szWhy;
    };
    const BAD BADS[] = {
        {"timeline 6", "timeline takes page, label or a cell from 1 to 5"},
        {"timeline", "timeline takes page, label or a cell from 1 to 5"},
        {"calendar 23", "calendar takes a week from 1 to 22, or watch and a week"},
        {"calendar watch", "calendar takes a week from 1 to 22, or watch and a week"},
        // The Standings page is shown after a new game.
        {"calendar 3", "the Calendar page is not shown"},
    };
    for (const BAD& Bad : BADS) {
        const process_runner::RUN_RESULT Result = Run_Script(std::string("welcome new\n") + Bad.szLine + "\nquit\n");
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 2) << Bad.szLine;
        EXPECT_NE(Result.Err.find(std::string("line 2: ") + Bad.szWhy), std::string::npos) << Result.Err;
    }
    // A week in the past has no watch mark.
    const process_runner::RUN_RESULT Past =
        Run_Script("welcome new\ncommand Calendar\nanswer yes\ntimeline 3\ncalendar watch 1\nquit\n");
    EXPECT_EQ(Past.nExitCode, 2);
    EXPECT_NE(Past.Err.find("line 5: week 1 of the Calendar page has no watch mark"), std::string::npos) << Past.Err;
}

}  // namespace

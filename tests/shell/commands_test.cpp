// The main window's commands: the table and its names, accelerator table
// 101, the Play commands' day counts, the refusals while games are being
// played, the welcome dialog, dialog 179 and the script's word splitting.
#include <set>
#include <string>
#include <vector>

#include "editors/advanced_tools.h"
#include "editors/dialog_action.h"
#include "editors/sortable_stats.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "league/league_structure.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "platform/save_failures.h"
#include "platform/ui.h"
#include "platform/ui_backend.h"
#include "season/day_advance.h"
#include "pages/page_layout.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/owner_hall_of_fame.h"
#include "shell/script_runner.h"
#include "shell/welcome_dialog.h"
#include "test_support.h"

namespace {

class CommandsTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"commands"};
    void SetUp() override
    {
        ASSERT_TRUE(Scratch.Ready());
        LeagueTest::SetUp();
        dialogs::Reset();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        Create_Main_Window(WINDOW_RECTANGLE{40, 40, 1064, 760});
    }
    void TearDown() override
    {
        Destroy_Main_Window();
        dialogs::Reset();
    }
};

bool Opened_Dialog(int nDialogId)
{
    for (const DIALOG_RECORD& Record : dialogs::Records())
        if (Record.nDialogId == nDialogId)
            return true;
    return false;
}

void Queue_Press(int nDialogId, int nControl)
{
    DIALOG_ACTION Action;
    Action.nKind = ACTION_PRESS;
    Action.nControl = nControl;
    dialogs::Queue_Action(nDialogId, Action);
}

void Queue_Spin(int nDialogId, int nControl, int nValue)
{
    DIALOG_ACTION Action;
    Action.nKind = ACTION_SPIN;
    Action.nControl = nControl;
    Action.nValue = nValue;
    dialogs::Queue_Action(nDialogId, Action);
}

std::vector<std::string> g_LastYears;
// The year typed into the field after the second click of the arrows, as a
// person types it (a script's set line there is refused before it acts).
std::string g_TypedYear;
void Watch_Play_Multiple_Seasons(DIALOG& Dialog, int nEvent, int nControl)
{
    Play_Multiple_Seasons_Dialog_Proc(Dialog, nEvent, nControl);
    if (nEvent != DIALOG_DESTROY)
        g_LastYears.push_back(Dialog.Get_Text(PMS_LAST_YEAR_EDIT));
    if (nEvent == DIALOG_SCROLL && g_LastYears.size() == 3 && !g_TypedYear.empty())
        Dialog.User_Set_Text(PMS_LAST_YEAR_EDIT, g_TypedYear);
}

}  // namespace

TEST_F(CommandsTest, TableHasUniqueIdsNamesAndKeys)
{
    size_t nCount = 0;
    const MAIN_COMMAND* pCommands = Get_Main_Commands(nCount);
    // lists, Print, the League, Stadium and City editors, Advanced Tools,
    // View Encyclopedia, the season simulator, Options, Database Notes,
    // Injury Contingency, Import Statistics, Output Rosters Text, Did You Know?, the stroke
    // tester and the Playbook Editor; End Draft and the fantasy draft's item;
    // Start Draft; Choose Statistic; the front page and the Draft page.
    ASSERT_EQ(nCount, 49u);
    EXPECT_STREQ(Find_Main_Command(40079)->szName, "League Editor");
    EXPECT_STREQ(Find_Main_Command(40135)->szName, "Single Season Simulator");
    EXPECT_STREQ(Find_Main_Command(40075)->szName, "Import Statistics");
    EXPECT_STREQ(Find_Main_Command(40192)->szName, "Output Rosters Text");
    EXPECT_STREQ(Find_Main_Command(40192)->szMenu, "Tools");
    std::set<int> Ids;
    std::set<std::string> Names;
    std::set<std::string> Keys;
    for (size_t i = 0; i < nCount; ++i) {
        EXPECT_TRUE(Ids.insert(pCommands[i].nId).second) << pCommands[i].nId;
        EXPECT_TRUE(Names.insert(pCommands[i].szName).second) << pCommands[i].szName;
        if (pCommands[i].szAccelerator[0] != '\0') {
            EXPECT_TRUE(Keys.insert(pCommands[i].szAccelerator).second) << pCommands[i].szAccelerator;
        }
    }
    // The page commands keep the numbers the pages and the day advance use.
    EXPECT_STREQ(Find_Main_Command(40030)->szName, "Standings");
    EXPECT_STREQ(Find_Main_Command(40036)->szName, "Calendar");
    EXPECT_STREQ(Find_Main_Command(40069)->szName, "Playoffs");
    EXPECT_STREQ(Find_Main_Command(40086)->szName, "Games");
    EXPECT_STREQ(Find_Main_Command(40099)->szName, "Play Multiple Seasons");
    // The off-season's draft left waiting is started from the Play menu.
    EXPECT_STREQ(Find_Main_Command(40020)->szName, "Start Draft");
    EXPECT_STREQ(Find_Main_Command(40020)->szMenu, "Play");
    EXPECT_EQ(Find_Main_Command(40031), nullptr);
    // The player lists, all in one menu.
    EXPECT_STREQ(Find_Main_Command(40096)->szName, "Sortable Stats");
    EXPECT_STREQ(Find_Main_Command(40038)->szName, "Free Agents");
    EXPECT_STREQ(Find_Main_Command(40085)->szName, "College Draft");
    for (int nId : {40096, 40038, 40085, 40056, 40040, 40091, 40042})
        EXPECT_STREQ(Find_Main_Command(nId)->szMenu, "Team") << nId;
}

TEST_F(CommandsTest, CommandsAreFoundByNameOrId)
{
    EXPECT_EQ(Find_Main_Command_Id("One Week"), 40011);
    EXPECT_EQ(Find_Main_Command_Id("one week"), 40011);
    EXPECT_EQ(Find_Main_Command_Id("&One Week..."), 40011);
    EXPECT_EQ(Find_Main_Command_Id("Through Trading Deadline"), 40014);
    EXPECT_EQ(Find_Main_Command_Id("Start Draft"), 40020);
    EXPECT_EQ(Find_Main_Command_Id("Start &Draft"), 40020);
    EXPECT_EQ(Find_Main_Command_Id("40030"), 40030);
    EXPECT_EQ(Find_Main_Command_Id("40031"), 0);
    EXPECT_EQ(Find_Main_Command_Id("99999999999999999999"), 0);
    EXPECT_EQ(Find_Main_Command_Id("One"), 0);
    EXPECT_EQ(Find_Main_Command_Id(""), 0);
    EXPECT_EQ(Find_Main_Command_Id(nullptr), 0);
}

TEST_F(CommandsTest, AcceleratorTable101MapsKeysToCommands)
{
    EXPECT_EQ(Load_Accelerator_Table(102), 0);
    EXPECT_EQ(Load_Accelerator_Table(MAIN_ACCELERATOR_TABLE), 20);
    EXPECT_EQ(Translate_Accelerator("F7"), CMD_CHOOSE_PAGE_STAT);
    EXPECT_EQ(Translate_Accelerator("F8"), CMD_PAGE_FRONT);
    EXPECT_EQ(Translate_Accelerator("F9"), CMD_PAGE_DRAFT);
    EXPECT_EQ(Translate_Accelerator("Ctrl+C"), 40085);
    EXPECT_EQ(Translate_Accelerator("Ctrl+P"), CMD_PLAYBOOK_EDITOR);
    EXPECT_EQ(Translate_Accelerator("Ctrl+1"), CMD_PLAY_ONE_WEEK);
    EXPECT_EQ(Translate_Accelerator("ctrl+2"), CMD_PLAY_ONE_MONTH);
    EXPECT_EQ(Translate_Accelerator("Ctrl+5"), CMD_PLAY_THROUGH_PLAYOFFS);
    EXPECT_EQ(Translate_Accelerator("Ctrl+S"), CMD_SAVE_GAME);
    EXPECT_EQ(Translate_Accelerator("Ctrl+9"), 0);
    EXPECT_EQ(Translate_Accelerator(""), 0);
}

TEST_F(CommandsTest, PlayCommandsAskForTheirDays)
{
    EXPECT_EQ(Days_For_Play_Command(CMD_PLAY_ONE_WEEK), 1);
    EXPECT_EQ(Days_For_Play_Command(CMD_PLAY_ONE_MONTH), 4);
    EXPECT_EQ(Days_For_Play_Command(CMD_PLAY_HALF_SEASON), 8);
    EXPECT_EQ(Days_For_Play_Command(CMD_PLAY_THROUGH_PLAYOFFS), 22);
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 0;
    EXPECT_EQ(Days_For_Play_Command(CMD_PLAY_TRADING_DEADLINE), 11);
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 7;
    EXPECT_EQ(Days_For_Play_Command(CMD_PLAY_TRADING_DEADLINE), 4);
    EXPECT_EQ(Days_For_Play_Command(CMD_PAGE_STANDINGS), 0);
}

TEST_F(CommandsTest, TradingDeadlinePassedIsSaidAndNothingPlayed)
{
    for (int nWeek : {11, 15, OFFSEASON_WEEK}) {
        SCOPED_TRACE(nWeek);
        ui::Reset();
        League.Preferences.nInt[PREF_CURRENT_WEEK] = nWeek;
        EXPECT_TRUE(Dispatch_Main_Command(CMD_PLAY_TRADING_DEADLINE));
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Trading Deadline");
        EXPECT_EQ(ui::Shown_Boxes()[0].Text, "The trading deadline has already passed.");
        EXPECT_EQ(League.Preferences.nInt[PREF_CURRENT_WEEK], nWeek);
    }
}

TEST_F(CommandsTest, PageCommandsShowTheirPageAndUnknownIdsDoNothing)
{
    for (int nPage : {40030, 40036, 40069, 40074, 40086}) {
        EXPECT_TRUE(Dispatch_Main_Command(nPage));
        EXPECT_EQ(League.Preferences.nInt[PREF_MAIN_PAGE], nPage);
    }
    EXPECT_FALSE(Dispatch_Main_Command(40031));
    EXPECT_FALSE(Dispatch_Main_Command(0));
    EXPECT_EQ(League.Preferences.nInt[PREF_MAIN_PAGE], 40086);
    // The Draft page, and the front page (page 0) by a command of its own.
    EXPECT_TRUE(Dispatch_Main_Command(CMD_PAGE_DRAFT));
    EXPECT_EQ(League.Preferences.nInt[PREF_MAIN_PAGE], MAIN_PAGE_DRAFT);
    EXPECT_TRUE(Dispatch_Main_Command(CMD_PAGE_FRONT));
    EXPECT_EQ(League.Preferences.nInt[PREF_MAIN_PAGE], MAIN_PAGE_FRONT);
}

TEST_F(CommandsTest, F7OnTheFrontPageSaysWhichLeaderHeadingItChanges)
{
    ASSERT_TRUE(Dispatch_Main_Command(CMD_PAGE_FRONT));
    // The four headings show Pass Yards, Rush Yards, Sacks and Interceptions.
    const int Codes[4] = {2, 11, 24, 25};
    for (int i = 0; i < 4; ++i)
        Set_User_Preference(113 + i, Codes[i]);
    const std::vector<std::string> Expected = {
        "Leader Heading 1 of 4 (now Pass Yards)", "Leader Heading 2 of 4 (now Rush Yards)",
        "Leader Heading 3 of 4 (now Sacks)", "Leader Heading 4 of 4 (now Interceptions)"};
    // Each press opens the next heading's dialog (closed by its default,
    // Cancel, which keeps the choice), round again after the fourth.
    std::vector<std::string> Titles;
    for (int i = 0; i < 5; ++i) {
        const size_t nBefore = dialogs::Records().size();
        Dispatch_Main_Command(CMD_CHOOSE_PAGE_STAT);
        ASSERT_EQ(dialogs::Records().size(), nBefore + 1);
        EXPECT_EQ(dialogs::Records().back().nDialogId, 144);
        Titles.push_back(dialogs::Records().back().Final_Title);
    }
    size_t nFirst = 0;
    while (nFirst < Expected.size() && Expected[nFirst] != Titles[0])
        ++nFirst;
    ASSERT_LT(nFirst, Expected.size()) << Titles[0];
    for (size_t i = 0; i < Titles.size(); ++i)
        EXPECT_EQ(Titles[i], Expected[(nFirst + i) % 4]);
    // Round to the second heading, where a choice is made.
    while (dialogs::Records().back().Final_Title != Expected[0])
        Dispatch_Main_Command(CMD_CHOOSE_PAGE_STAT);
    // A choice shows in the next title of that heading.
    Queue_Press(144, 1242 + 14);
    Dispatch_Main_Command(CMD_CHOOSE_PAGE_STAT);
    EXPECT_EQ(dialogs::Records().back().Final_Title, "Leader Heading 2 of 4 (now Rush Yards)");
    EXPECT_EQ(Get_User_Preference(114), 14);
    EXPECT_EQ(Get_Page_Statistic_Title(114, 144), "Leader Heading 2 of 4 (now Receptions)");
    // The other pages' dialogs keep their one title.
    EXPECT_EQ(Get_Page_Statistic_Title(100, 143), "Choose Stat");
    EXPECT_EQ(Get_Page_Statistic_Title(119, 163), "Choose Stat");
}

// While games are being played the main window opens nothing that would
// replace or end the league.
// A run in progress: the running flag, and the stop day ahead of the week.
void Start_Run_State()
{
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 7);
}

TEST_F(CommandsTest, CloseLoadNewGameAndRetireAreRefusedDuringARun)
{
    Start_Run_State();
    ASSERT_TRUE(Is_Simulation_In_Progress());
    for (int nCommand : {CMD_NEW_GAME, CMD_RESUME_GAME, CMD_EXIT, CMD_RETIRE})
        EXPECT_TRUE(Dispatch_Main_Command(nCommand));
    Close_Main_Window();
    EXPECT_FALSE(Exit_Program());
    EXPECT_TRUE(dialogs::Records().empty());
    EXPECT_FALSE(Is_Quit_Posted());
    EXPECT_FALSE(Read_Text_File("ZrtFame.dat", "none") != "none") << "the window was stored";

    // Work under the progress window (a league being set up) is never left
    // half done: the window's close waits, asking nothing.
    League.Preferences.nInt[PREF_SIMULATION_RUNNING] = 0;
    ui::Reset();
    ASSERT_EQ(Open_Progress_Window("Setting Up League", 3), 1);
    Close_Main_Window();
    Close_Progress_Window();
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_FALSE(Is_Quit_Posted());

    // Once the run is over, Retire is no longer refused and Exit ends.
    ui::Reset();
    Dispatch_Main_Command(CMD_RETIRE);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Retire");
    ui::Queue_Answer(ID_NO);   // the league changed: not saved
    EXPECT_TRUE(Exit_Program());
    EXPECT_TRUE(Is_Quit_Posted());
    EXPECT_EQ(Read_Text_File("ZrtFame.dat").size(), 23552u);
}

// The close box pressed while New Game's dialog is open: no progress window
// stands then, so only the command's own mark keeps the close from ending
// the program (or asking to save a league half replaced). What the close
// did is read at once inside the dialog, whatever else runs around it.
namespace {
struct CLOSE_IN_NEW_GAME {
    static bool bClosed;
    static bool bProgressOpen;
    static size_t nBoxes;
    static bool bQuit;
    static void Run(DIALOG& Dialog)
    {
        if (Dialog.Id() == NEW_GAME_DIALOG && !bClosed) {
            bClosed = true;
            bProgressOpen = ui::Progress().Open;
            const size_t nBefore = ui::Shown_Boxes().size();
            Close_Main_Window();
            nBoxes = ui::Shown_Boxes().size() - nBefore;
            bQuit = Is_Quit_Posted();
        }
        DIALOG_ACTION Action;
        while (!Dialog.Ended() && dialogs::Take_Action(Dialog.Id(), Action))
            dialogs::Apply_Action(Dialog, Action);
        if (!Dialog.Ended())
            dialogs::Finish_Unattended(Dialog);
    }
};
bool CLOSE_IN_NEW_GAME::bClosed = false;
bool CLOSE_IN_NEW_GAME::bProgressOpen = false;
size_t CLOSE_IN_NEW_GAME::nBoxes = 0;
bool CLOSE_IN_NEW_GAME::bQuit = false;
}  // namespace

TEST_F(CommandsTest, TheCloseBoxIsIgnoredWhileNewGamesDialogIsOpen)
{
    // Nothing to save: a close acted on would store the window and end the
    // program without a box.
    Remember_League_Fingerprint();
    ui::Reset();
    CLOSE_IN_NEW_GAME::bClosed = false;
    UI_BACKEND Closer;
    Closer.szName = "close in New Game";
    Closer.Run_Dialog = CLOSE_IN_NEW_GAME::Run;
    Install_Ui_Backend(&Closer);
    Queue_Press(NEW_GAME_DIALOG, DIALOG_CANCEL);
    EXPECT_TRUE(Dispatch_Main_Command(CMD_NEW_GAME));
    Install_Ui_Backend(nullptr);
    ASSERT_TRUE(CLOSE_IN_NEW_GAME::bClosed) << "New Game's dialog did not open";
    EXPECT_FALSE(CLOSE_IN_NEW_GAME::bProgressOpen);
    EXPECT_EQ(CLOSE_IN_NEW_GAME::nBoxes, 0u);
    EXPECT_FALSE(CLOSE_IN_NEW_GAME::bQuit);
    EXPECT_FALSE(Is_Quit_Posted());
    EXPECT_EQ(Read_Text_File("ZrtFame.dat", "none"), "none") << "the window was stored";

    // Once New Game is over, the close ends the program again.
    Remember_League_Fingerprint();
    Close_Main_Window();
    EXPECT_TRUE(Is_Quit_Posted());
    EXPECT_EQ(Read_Text_File("ZrtFame.dat").size(), 23552u);
}

TEST_F(CommandsTest, RefusalsDuringARunShowTheirMessages)
{
    struct CASE {
        int nCommand;
        const char* szCaption;
        const char* szText;
    };
    const CASE Cases[] = {
        {CMD_NEW_GAME, "New Game", "Can't start a new game while playing games."},
        {CMD_RESUME_GAME, "Resume Game", "Can't load a saved game while playing games."},
        {CMD_EXIT, "Exit Game", "Can't exit while playing games."},
        {CMD_RETIRE, "Retire", "Can't retire while playing games."},
    };
    for (const CASE& Case : Cases) {
        SCOPED_TRACE(Case.szCaption);
        Start_Run_State();
        ui::Reset();
        Dispatch_Main_Command(Case.nCommand);
        ASSERT_GE(ui::Shown_Boxes().size(), 1u);
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, Case.szCaption);
        EXPECT_EQ(ui::Shown_Boxes()[0].Text,
                  std::string(Case.szText) + "\n\nPlease try again once this day is completed.");
    }
}

TEST_F(CommandsTest, WelcomeDialogQuitsByDefaultAndOpensWhatIsChosen)
{
    ui::Queue_Answer(ID_NO);   // the fixture's league counts as changed: not saved
    EXPECT_EQ(Show_Welcome_Dialog(), WELCOME_QUIT);
    EXPECT_TRUE(Is_Quit_Posted());
    ASSERT_EQ(dialogs::Records().size(), 1u);
    EXPECT_EQ(dialogs::Records()[0].nDialogId, WELCOME_DIALOG);
    EXPECT_EQ(dialogs::Records()[0].Lines[0], "press 1003 (default)");

    Destroy_Main_Window();
    dialogs::Reset();
    Queue_Press(WELCOME_DIALOG, WELCOME_RESUME_GAME);
    ui::Queue_Answer(ID_NO);
    EXPECT_EQ(Show_Welcome_Dialog(), WELCOME_RESUME_GAME);
    EXPECT_TRUE(Opened_Dialog(RESUME_GAME_DIALOG));
    EXPECT_FALSE(Is_Quit_Posted());
}

TEST_F(CommandsTest, PlayMultipleSeasonsDialogCountsByItsSpinnerOnly)
{
    g_LastYears.clear();
    // Raise twice, type a year (put back), lower once, decline the
    // question once, then confirm: 6 seasons.
    Queue_Spin(PLAY_MULTIPLE_SEASONS_DIALOG, PMS_SEASONS_SPINNER, 1);
    Queue_Spin(PLAY_MULTIPLE_SEASONS_DIALOG, PMS_SEASONS_SPINNER, 1);
    g_TypedYear = "2050";
    Queue_Spin(PLAY_MULTIPLE_SEASONS_DIALOG, PMS_SEASONS_SPINNER, 0);
    Queue_Press(PLAY_MULTIPLE_SEASONS_DIALOG, DIALOG_OK);
    Queue_Press(PLAY_MULTIPLE_SEASONS_DIALOG, DIALOG_OK);
    ui::Queue_Answer(ID_CANCEL);
    ui::Queue_Answer(ID_OK);
    EXPECT_EQ(Do_Dialog(PLAY_MULTIPLE_SEASONS_DIALOG, "Play Multiple Seasons", Watch_Play_Multiple_Seasons), 6);
    g_TypedYear.clear();
    // Opening shows 2019 - 1 + 5.
    const std::vector<std::string> Expected{"2023", "2024", "2025", "2025", "2024", "2024", "2024"};
    EXPECT_EQ(g_LastYears, Expected);
    EXPECT_EQ(League.Preferences.nInt[PREF_SIMULATION_SEASONS], 6);
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Play Multiple Seasons");

    // Cancel closes with -1; the count never passes the 99 seasons the
    // league's 100 seasons of records leave after its first, nor falls
    // below 1.
    League.Preferences.nInt[PREF_SIMULATION_SEASONS] = 0;
    for (int i = 0; i < 6; ++i)
        Queue_Spin(PLAY_MULTIPLE_SEASONS_DIALOG, PMS_SEASONS_SPINNER, 0);
    Queue_Press(PLAY_MULTIPLE_SEASONS_DIALOG, DIALOG_CANCEL);
    EXPECT_EQ(Do_Dialog(PLAY_MULTIPLE_SEASONS_DIALOG, "Play Multiple Seasons", Play_Multiple_Seasons_Dialog_Proc),
              -1);
    EXPECT_EQ(League.Preferences.nInt[PREF_SIMULATION_SEASONS], 1);
    for (int i = 0; i < 120; ++i)
        Queue_Spin(PLAY_MULTIPLE_SEASONS_DIALOG, PMS_SEASONS_SPINNER, 1);
    Queue_Press(PLAY_MULTIPLE_SEASONS_DIALOG, DIALOG_CANCEL);
    Do_Dialog(PLAY_MULTIPLE_SEASONS_DIALOG, "Play Multiple Seasons", Play_Multiple_Seasons_Dialog_Proc);
    EXPECT_EQ(League.Preferences.nInt[PREF_SIMULATION_SEASONS], 99);
}

// The dialog offers only the seasons the records have room for; in the last
// of them the command refuses without opening it, and the refusal counts
// for a script's line.
TEST_F(CommandsTest, PlayMultipleSeasonsOffersOnlyTheSeasonsLeft)
{
    // Season index 97 (2116): two seasons left, opening at two, not five.
    League.Preferences.nInt[PREF_SEASON_INDEX] = 97;
    for (int i = 0; i < 6; ++i)
        Queue_Spin(PLAY_MULTIPLE_SEASONS_DIALOG, PMS_SEASONS_SPINNER, 1);
    Queue_Press(PLAY_MULTIPLE_SEASONS_DIALOG, DIALOG_CANCEL);
    g_LastYears.clear();
    EXPECT_EQ(Do_Dialog(PLAY_MULTIPLE_SEASONS_DIALOG, "Play Multiple Seasons", Watch_Play_Multiple_Seasons), -1);
    EXPECT_EQ(League.Preferences.nInt[PREF_SIMULATION_SEASONS], 2);
    ASSERT_FALSE(g_LastYears.empty());
    EXPECT_EQ(g_LastYears.front(), "2117");   // 2116 - 1 + 2
    EXPECT_EQ(g_LastYears.back(), "2117");

    // Index 99 (2118), the last season: no dialog, a box, a refused step.
    League.Preferences.nInt[PREF_SEASON_INDEX] = 99;
    dialogs::Reset();
    ui::Clear_Shown_Boxes();
    const int nRefused = Count_Refused_Steps();
    EXPECT_TRUE(Dispatch_Main_Command(CMD_PLAY_MULTIPLE_SEASONS));
    EXPECT_FALSE(Opened_Dialog(PLAY_MULTIPLE_SEASONS_DIALOG));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Last Season");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "The 2118 season is the last of the 100 seasons this league keeps records for, so the league cannot "
              "go on to another season.");
    EXPECT_EQ(Count_Refused_Steps(), nRefused + 1);
    EXPECT_EQ(League.Preferences.nInt[PREF_SEASON_INDEX], 99);
}

TEST_F(CommandsTest, PlayMultipleSeasonsCountsByUpAndDownInItsYearFieldAsByTheArrows)
{
    g_LastYears.clear();
    DIALOG Dialog(PLAY_MULTIPLE_SEASONS_DIALOG, "", Watch_Play_Multiple_Seasons, nullptr);
    Dialog.Send(DIALOG_INIT, 0);
    // 2019, five seasons; Up twice, Down once: six, through 2024. The
    // arrows never write their count into the field.
    EXPECT_TRUE(Dialog.User_Arrow_Key(PMS_LAST_YEAR_EDIT, true));
    EXPECT_TRUE(Dialog.User_Arrow_Key(PMS_LAST_YEAR_EDIT, true));
    EXPECT_TRUE(Dialog.User_Arrow_Key(PMS_LAST_YEAR_EDIT, false));
    EXPECT_EQ(g_LastYears, (std::vector<std::string>{"2023", "2024", "2025", "2024"}));
    EXPECT_EQ(Get_User_Preference(PREF_SIMULATION_SEASONS), 6);
    // Typed text is still put back.
    EXPECT_TRUE(Dialog.User_Set_Text(PMS_LAST_YEAR_EDIT, "2030"));
    EXPECT_EQ(Dialog.Get_Text(PMS_LAST_YEAR_EDIT), "2024");
    // At one season Down is taken and changes nothing.
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(Dialog.User_Arrow_Key(PMS_LAST_YEAR_EDIT, false));
    EXPECT_EQ(Get_User_Preference(PREF_SIMULATION_SEASONS), 1);
    EXPECT_EQ(Dialog.Get_Text(PMS_LAST_YEAR_EDIT), "2019");
}

TEST_F(CommandsTest, ScriptLinesSplitIntoWordsWithQuotes)
{
    std::vector<std::string> Words;
    std::string Problem;
    ASSERT_TRUE(Split_Script_Line("dialog 105  select\t1010 \"Buffalo Frost\"", Words, Problem));
    EXPECT_EQ(Words, (std::vector<std::string>{"dialog", "105", "select", "1010", "Buffalo Frost"}));
    ASSERT_TRUE(Split_Script_Line("set \"say \\\"hi\\\" \\\\ \" \"\"", Words, Problem));
    EXPECT_EQ(Words, (std::vector<std::string>{"set", "say \"hi\" \\ ", ""}));
    ASSERT_TRUE(Split_Script_Line("   ", Words, Problem));
    EXPECT_TRUE(Words.empty());
    EXPECT_FALSE(Split_Script_Line("command \"One Week", Words, Problem));
    EXPECT_EQ(Problem, "a quote is not closed");
    EXPECT_FALSE(Split_Script_Line("set \"a\"b", Words, Problem));
    EXPECT_EQ(Problem, "a closing quote must end its word");
    EXPECT_FALSE(Split_Script_Line("set \"a\\n\"", Words, Problem));
}

TEST_F(CommandsTest, AfterADatabaseBuildTheTitleShowsTheLeagueLoaded)
{
    // The game shown: 2019, its eighth season of a league begun in 2011.
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2011);
    League.Preferences.nInt[PREF_SEASON_INDEX] = 8;
    League.Preferences.nInt[PREF_NEWS_BAR] = 1;
    Update_Main_Window_Title();
    ASSERT_NE(std::string(Get_Main_Window_Title()).find("2019"), std::string::npos) << Get_Main_Window_Title();
    // The build leaves the league it built in memory: 2011, its first season.
    DATABASE_BUILD_HOOKS Hooks;
    Hooks.pBuildYear = [](int) {
        League.Preferences.nInt[PREF_SEASON_INDEX] = 0;
        return std::string();
    };
    Hooks.pBuildRange = [](int, int) { return std::string(); };
    Hooks.pBuildAll = [] { return std::string(); };
    Set_Database_Build_Hooks(Hooks);
    DIALOG_ACTION Press;
    Press.nKind = ACTION_PRESS;
    Press.nControl = TOOL_CREATE_MODERN_DATABASE;
    dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press);
    EXPECT_TRUE(Dispatch_Main_Command(CMD_ADVANCED_TOOLS));
    Set_Database_Build_Hooks(DATABASE_BUILD_HOOKS());
    EXPECT_NE(std::string(Get_Main_Window_Title()).find("2011 Week 1"), std::string::npos) << Get_Main_Window_Title();
    EXPECT_EQ(Get_Current_Year(), 2011);
}

TEST_F(CommandsTest, DraftPicksDuringAFantasyDraftListsThatDraftsPicks)
{
    // Four clubs of three players; two of them taken in the fantasy draft.
    Use_Franchises(4);
    for (int t = 0; t < 4; ++t)
        for (int s = 0; s < 3; ++s)
            Put_Player(t, s, 100 + 10 * t + s, POSITION_QB);
    Clear_All_Drafted_By();
    Set_Player_Drafted_By(1, 0, 0);
    Set_Player_Drafted_By(2, 2, 3);
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, FANTASY_DRAFT_UNDER_WAY);
    dialogs::Reset();
    EXPECT_TRUE(Dispatch_Main_Command(CMD_COLLEGE_DRAFT_LIST));
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, FANTASY_DRAFT_NONE);
    Set_Sortable_Stats_Group(0);
    ASSERT_EQ(dialogs::Records().size(), 1u);
    const DIALOG_RECORD& Run = dialogs::Records().back();
    EXPECT_EQ(Run.nDialogId, SORTABLE_STATS_DIALOG);
    EXPECT_EQ(Run.Final_Title, "Sortable Stats: Drafted Players");
    ASSERT_NE(Run.Find(IDC_SS_LIST), nullptr);
    EXPECT_EQ(Run.Find(IDC_SS_LIST)->Rows.size(), 2u);
}

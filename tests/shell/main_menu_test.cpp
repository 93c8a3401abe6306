// The main window's menu: the normal menu from the command table, the
// game-in-progress menu exactly while a run is in progress, the greyed
// menu, keys that reach only what the menu shown offers, the draft labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "league/league_data.h"
#include "league/preferences.h"
#include "platform/errors.h"
#include "platform/shell_requests.h"
#include "shell/commands.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/owner_hall_of_fame.h"
#include "test_support.h"

namespace {

class MainMenuTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Install_Main_Window_Requests(nullptr);
        Create_Main_Window(WINDOW_RECTANGLE{0, 0, 800, 600});
        Load_Accelerator_Table(MAIN_ACCELERATOR_TABLE);
    }
    void TearDown() override
    {
        Enable_Main_Menu(1);
        Destroy_Main_Window();
        Install_Shell_Handler(nullptr);
    }

    static std::vector<std::string> Titles()
    {
        std::vector<std::string> Titles;
        for (const MAIN_MENU_POPUP& Popup : Get_Main_Menu().Popups)
            Titles.push_back(Popup.Title);
        return Titles;
    }
    static std::vector<std::string> Items(size_t nPopup)
    {
        std::vector<std::string> Items;
        for (const MAIN_MENU_ITEM& Item : Get_Main_Menu().Popups.at(nPopup).Items)
            Items.push_back(Item.nId == 0 ? "-" : Item.Text + (Item.Accelerator.empty() ? "" : "\t" + Item.Accelerator));
        return Items;
    }
};

TEST_F(MainMenuTest, NormalMenuHoldsEveryCommandOfTheTable)
{
    Build_Main_Menu();
    EXPECT_FALSE(Get_Main_Menu().bGameMenu);
    EXPECT_TRUE(Get_Main_Menu().bEnabled);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"&File", "&Play", "&View", "&Team", "&Edit", "T&ools", "&Help"}));
    EXPECT_EQ(Items(0), (std::vector<std::string>{"&New Game...\tCtrl+N", "&Resume Game...\tCtrl+O",
                                                  "&Save Game...\tCtrl+S", "-", "Load &Offensive Playbook...",
                                                  "Load &Defensive Playbook...", "Save O&ffensive Playbook...",
                                                  "Save D&efensive Playbook...", "-", "&Print...", "-", "Re&tire...", "-",
                                                  "E&xit\tCtrl+Q"}));
    EXPECT_EQ(Items(1), (std::vector<std::string>{"One &Week\tCtrl+1", "One &Month\tCtrl+2", "&Half Season\tCtrl+3",
                                                  "Through Trading &Deadline\tCtrl+4", "Through &Playoffs\tCtrl+5", "-",
                                                  "Start D&raft", "-", "Play Multiple &Seasons...", "-",
                                                  "S&top\tEscape"}));
    // No draft waits to be started: Start Draft is greyed, the week
    // commands live.
    EXPECT_FALSE(Find_Main_Menu_Item(CMD_START_DRAFT)->bEnabled);
    EXPECT_TRUE(Find_Main_Menu_Item(CMD_PLAY_ONE_WEEK)->bEnabled);
    EXPECT_EQ(Items(2), (std::vector<std::string>{"&Front Page\tF8", "&Standings\tF2", "&Calendar\tF3", "&Games\tF4",
                                                  "&Playoffs\tF5", "C&hampions\tF6", "&Draft\tF9", "-",
                                                  "Choose S&tatistic...\tF7"}));
    // The seven player lists and pickers in one menu, then the playbooks.
    EXPECT_EQ(Items(3), (std::vector<std::string>{"So&rtable Stats...", "Free &Agents...", "College &Draft...\tCtrl+C",
                                                  "&End Draft...", "-", "&Find Players...", "View Other &Team...", "-",
                                                  "Team &History...", "&Player Hall Of Fame...", "-",
                                                  "Play&book...\tCtrl+P"}));
    EXPECT_EQ(Items(4), (std::vector<std::string>{"&League Editor...", "&Stadium Editor...", "&City Editor..."}));
    EXPECT_EQ(Find_Main_Menu_Item(40079)->Text, "&League Editor...");
    EXPECT_EQ(Find_Main_Menu_Item(40055)->Text, "&Stadium Editor...");
    EXPECT_EQ(Find_Main_Menu_Item(40078)->Text, "&City Editor...");
    EXPECT_EQ(Items(5), (std::vector<std::string>{"&Advanced Tools...", "View &Encyclopedia...",
                                                  "Single Season Si&mulator...", "&Options...", "-",
                                                  "&Fantasy Draft...", "-", "&Database Notes...", "&Injury Contingency...", "-",
                                                  "Import &Statistics...", "Output &Rosters Text"}));
    // Every command of the table is in the menu exactly once (the stroke
    // tester only under its start-up flag).
    size_t nCount = 0;
    const MAIN_COMMAND* pCommands = Get_Main_Commands(nCount);
    for (size_t i = 0; i < nCount; ++i) {
        const MAIN_MENU_ITEM* pItem = Find_Main_Menu_Item(pCommands[i].nId);
        if (pCommands[i].nId == CMD_STROKE_TESTER && (Get_Startup_Flags() & FLAG_DTXT_AGG) == 0) {
            EXPECT_EQ(pItem, nullptr);
            continue;
        }
        ASSERT_NE(pItem, nullptr) << pCommands[i].szName;
        EXPECT_EQ(pItem->Accelerator, pCommands[i].szAccelerator);
    }
}

TEST_F(MainMenuTest, GameMenuShowsExactlyWhileARunIsInProgress)
{
    // Asked for the game menu while nothing plays: the normal menu stays.
    Build_Game_Menu(1);
    EXPECT_FALSE(Get_Main_Menu().bGameMenu);
    // A run in progress (the day advance's busy word): the game menu, even
    // when the caller asks for the normal one.
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 1);
    Build_Game_Menu(0);
    ASSERT_TRUE(Get_Main_Menu().bGameMenu);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"&Game", "&View", "T&ools"}));
    EXPECT_EQ(Items(0), (std::vector<std::string>{"Finish &Quarter", "Finish &Game", "Time&out", "-", "S&top\tEscape"}));
    // Options, which may switch automatic play calling during the game.
    ASSERT_NE(Find_Main_Menu_Item(CMD_OPTIONS), nullptr);
    EXPECT_TRUE(Find_Main_Menu_Item(CMD_OPTIONS)->bEnabled);
    // Its finishing commands wait for the watched game: greyed.
    EXPECT_FALSE(Find_Main_Menu_Item(CMD_FINISH_QUARTER)->bEnabled);
    EXPECT_TRUE(Find_Main_Menu_Item(CMD_STOP_SIMULATION)->bEnabled);
    // The Play and File commands are not offered.
    EXPECT_EQ(Find_Main_Menu_Item(CMD_PLAY_ONE_WEEK), nullptr);
    EXPECT_EQ(Find_Main_Menu_Item(CMD_EXIT), nullptr);
    // The run over: the normal menu again.
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);
    Rebuild_Play_Menu();
    EXPECT_FALSE(Get_Main_Menu().bGameMenu);
}

TEST_F(MainMenuTest, APlayKeyDuringARunDoesNothing)
{
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 1);
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 4;
    Build_Game_Menu(1);
    // Ctrl+1 is in table 101 but not in the menu shown: no second run, the
    // day stays, the busy word stays as the first run set it.
    EXPECT_EQ(Press_Main_Window_Key("Ctrl+1"), 0);
    EXPECT_FALSE(Choose_Main_Menu_Item(CMD_PLAY_ONE_MONTH));
    EXPECT_EQ(League.Preferences.nInt[PREF_CURRENT_WEEK], 4);
    EXPECT_EQ(Get_Universe_Word(DAY_ADVANCE_BUSY_WORD), 1);
    // A page key is offered during the run.
    EXPECT_EQ(Press_Main_Window_Key("F3"), CMD_PAGE_CALENDAR);
    EXPECT_EQ(League.Preferences.nInt[PREF_MAIN_PAGE], CMD_PAGE_CALENDAR);
    // A key outside table 101 does nothing either way.
    EXPECT_EQ(Press_Main_Window_Key("Ctrl+9"), 0);
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);
}

TEST_F(MainMenuTest, AGreyedMenuDoesNothing)
{
    Enable_Main_Menu(0);
    EXPECT_FALSE(Get_Main_Menu().bEnabled);
    EXPECT_FALSE(Choose_Main_Menu_Item(CMD_PAGE_STANDINGS));
    EXPECT_EQ(Press_Main_Window_Key("F2"), 0);
    EXPECT_EQ(League.Preferences.nInt[PREF_MAIN_PAGE], 0);
    Enable_Main_Menu(1);
    EXPECT_EQ(Press_Main_Window_Key("F2"), CMD_PAGE_STANDINGS);
    EXPECT_EQ(League.Preferences.nInt[PREF_MAIN_PAGE], CMD_PAGE_STANDINGS);
    EXPECT_TRUE(Choose_Main_Menu_Item(CMD_PAGE_GAMES));
    EXPECT_EQ(League.Preferences.nInt[PREF_MAIN_PAGE], CMD_PAGE_GAMES);
    // An id the menu does not have.
    EXPECT_FALSE(Choose_Main_Menu_Item(40031));
    EXPECT_FALSE(Choose_Main_Menu_Item(0));
}

// The underlined letter of a label (after '&'), 0 for none.
char Menu_Letter(const std::string& Label)
{
    const size_t nMark = Label.find('&');
    return nMark == std::string::npos || nMark + 1 >= Label.size()
               ? 0
               : static_cast<char>(std::tolower(static_cast<unsigned char>(Label[nMark + 1])));
}

// Letters shared by two menus of the bar or two items of one menu, and
// labels without a letter.
std::vector<std::string> Menu_Letter_Problems()
{
    std::vector<std::string> Problems;
    std::string Titles;
    for (const MAIN_MENU_POPUP& Popup : Get_Main_Menu().Popups) {
        const char cTitle = Menu_Letter(Popup.Title);
        if (cTitle == 0 || Titles.find(cTitle) != std::string::npos)
            Problems.push_back("the bar: " + Popup.Title);
        Titles += cTitle;
        std::string Letters;
        for (const MAIN_MENU_ITEM& Item : Popup.Items) {
            if (Item.nId == 0)
                continue;
            const char c = Menu_Letter(Item.Text);
            if (c == 0 || Letters.find(c) != std::string::npos)
                Problems.push_back(Popup.Title + ": " + Item.Text);
            Letters += c;
        }
    }
    return Problems;
}

TEST_F(MainMenuTest, EveryMenuAndEveryItemWithinOneHasALetterOfItsOwnInEveryState)
{
    Build_Main_Menu();
    EXPECT_EQ(Menu_Letter_Problems(), std::vector<std::string>{});
    // A fantasy draft under way relabels two items.
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, 1);
    Build_Main_Menu();
    EXPECT_EQ(Find_Main_Menu_Item(CMD_FANTASY_DRAFT)->Text, "End &Fantasy Draft...");
    EXPECT_EQ(Menu_Letter_Problems(), std::vector<std::string>{});
    Set_Universe_Stat(FANTASY_DRAFT_RUNNING, 0);
    // The game-in-progress menu.
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 1);
    Build_Game_Menu(0);
    ASSERT_TRUE(Get_Main_Menu().bGameMenu);
    EXPECT_EQ(Menu_Letter_Problems(), std::vector<std::string>{});
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);
    Build_Main_Menu();
}

TEST_F(MainMenuTest, DraftItemsAreRenamedForARunningDraft)
{
    EXPECT_STREQ(Get_Draft_Menu_Label(CMD_FANTASY_DRAFT, false), "&Fantasy Draft...");
    EXPECT_STREQ(Get_Draft_Menu_Label(CMD_FANTASY_DRAFT, true), "End &Fantasy Draft...");
    EXPECT_STREQ(Get_Draft_Menu_Label(CMD_COLLEGE_DRAFT, false), "College &Draft...");
    EXPECT_STREQ(Get_Draft_Menu_Label(CMD_COLLEGE_DRAFT, true), "&Draft Picks...");
    EXPECT_STREQ(Get_Draft_Menu_Label(CMD_EXIT, true), "");
    // Renaming rebuilds the menu a backend shows.
    const int nBuilds = Get_Main_Menu_Builds();
    Set_Draft_Menu_Items(1);
    EXPECT_TRUE(Is_Draft_Menu_Running());
    EXPECT_EQ(Get_Main_Menu_Builds(), nBuilds + 1);
    Set_Draft_Menu_Items(0);
}

}  // namespace

namespace {

// The help pages live in the source tree's data folder.
std::string Read_Help_Page(const std::string& Name)
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    std::ifstream File(std::string(szSource != nullptr ? szSource : "..") + "/data/Help/" + Name + ".htm",
                       std::ios::binary);
    std::ostringstream Text;
    Text << File.rdbuf();
    return Text.str();
}

TEST(MainMenuHelp, EveryCommandAndPageHasItsHelpPage)
{
    size_t nCount = 0;
    const MAIN_COMMAND* pCommands = Get_Main_Commands(nCount);
    std::vector<int> Ids;
    for (size_t i = 0; i < nCount; ++i)
        Ids.push_back(pCommands[i].nId);
    for (int nId : {0, 40070, CMD_FINISH_QUARTER, CMD_FINISH_GAME, 12345})
        Ids.push_back(nId);
    for (int nId : Ids) {
        const std::string Page = Read_Help_Page(Get_Command_Help_Page(nId));
        ASSERT_FALSE(Page.empty()) << nId << ": " << Get_Command_Help_Page(nId);
        EXPECT_NE(Page.find("<meta charset=\"windows-1252\">"), std::string::npos) << nId;
        EXPECT_NE(Page.find("</html>"), std::string::npos) << nId;
    }
    // Each page is named for what it explains.
    EXPECT_STREQ(Get_Command_Help_Page(CMD_PLAY_ONE_WEEK), "playing");
    EXPECT_STREQ(Get_Command_Help_Page(CMD_EXIT), "filemenu");
    EXPECT_STREQ(Get_Command_Help_Page(CMD_PAGE_GAMES), "games");
    EXPECT_NE(Read_Help_Page("playing").find("Ctrl+1"), std::string::npos);
    EXPECT_STREQ(Get_Command_Help_Page(CMD_START_DRAFT), "playing");
    EXPECT_NE(Read_Help_Page("playing").find("<td>Start Draft</td>"), std::string::npos);
    EXPECT_NE(Read_Help_Page("games").find("Final OT"), std::string::npos);
}

// The guide to scripts, docs/SCRIPTS.md, lists every menu command with its
// id and key: its list of commands, one line, blanks made single.
std::string Scripts_Guide_Command_List()
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    std::ifstream File(std::string(szSource != nullptr ? szSource : "..") + "/docs/SCRIPTS.md", std::ios::binary);
    std::ostringstream Whole;
    Whole << File.rdbuf();
    const std::string Text = Whole.str();
    const size_t nStart = Text.find("## The menu commands and their ids");
    if (nStart == std::string::npos)
        return "";
    std::string List;
    for (size_t i = nStart; i < Text.size(); ++i) {
        const char c = Text[i] == '\n' || Text[i] == '\r' || Text[i] == '\t' ? ' ' : Text[i];
        if (c != ' ' || (!List.empty() && List.back() != ' '))
            List += c;
    }
    return List;
}

TEST(MainMenuDocs, TheScriptsGuideNamesEveryMenuCommandWithItsIdAndKey)
{
    const std::string List = Scripts_Guide_Command_List();
    ASSERT_FALSE(List.empty()) << "no list of menu commands in docs/SCRIPTS.md";
    // Every command of the menu, the game menu's too: "Name ID", and its key
    // in brackets after the id.
    size_t nCount = 0;
    const MAIN_COMMAND* pCommands = Get_Main_Commands(nCount);
    std::vector<const MAIN_COMMAND*> Commands;
    for (size_t i = 0; i < nCount; ++i)
        Commands.push_back(&pCommands[i]);
    for (int nId : {CMD_FINISH_QUARTER, CMD_FINISH_GAME, CMD_TIMEOUT}) {
        ASSERT_NE(Find_Main_Command(nId), nullptr) << nId;
        Commands.push_back(Find_Main_Command(nId));
    }
    EXPECT_GE(Commands.size(), 50u);
    for (const MAIN_COMMAND* pCommand : Commands) {
        const std::string Id = std::to_string(pCommand->nId);
        EXPECT_NE(List.find(std::string(pCommand->szName) + " " + Id), std::string::npos)
            << pCommand->szName << " " << Id << " is not in docs/SCRIPTS.md";
        if (pCommand->szAccelerator[0] != '\0') {
            EXPECT_NE(List.find(Id + " (" + pCommand->szAccelerator), std::string::npos)
                << pCommand->szName << ": its key " << pCommand->szAccelerator << " is not in docs/SCRIPTS.md";
        }
    }
    // And every id the list gives is a command's, after its name.
    int nIds = 0;
    for (size_t n = List.find("40"); n != std::string::npos; n = List.find("40", n + 1)) {
        if (n + 5 > List.size() || (n > 0 && std::isdigit(static_cast<unsigned char>(List[n - 1]))) ||
            (n + 5 < List.size() && std::isdigit(static_cast<unsigned char>(List[n + 5]))))
            continue;
        const std::string Id = List.substr(n, 5);
        if (!std::all_of(Id.begin(), Id.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            continue;
        ++nIds;
        const MAIN_COMMAND* pCommand = Find_Main_Command(std::stoi(Id));
        if (pCommand == nullptr) {
            ADD_FAILURE() << "docs/SCRIPTS.md names " << Id << ", which is no command";
            continue;
        }
        const std::string Name = std::string(pCommand->szName) + " ";
        EXPECT_TRUE(n >= Name.size() && List.compare(n - Name.size(), Name.size(), Name) == 0)
            << "docs/SCRIPTS.md gives " << Id << " after other words than " << pCommand->szName;
    }
    EXPECT_GE(nIds, static_cast<int>(Commands.size()));
}

}  // namespace

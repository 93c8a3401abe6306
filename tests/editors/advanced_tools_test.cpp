// Advanced Tools (dialog 175): the contract recalculation's order and
// targets, the salary rescale worked round by round, clearing injuries and
// the output folder, and the dialog's disabled later buttons.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

#include "editors/advanced_tools.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "season/salary_finance.h"
#include "season/salary_rescale.h"
#include "season/season_cycle_fixture.h"
#include "dialog_press.h"
#include "test_support.h"

namespace {

class AdvancedToolsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        season_cycle::Build_League(3);   // 2020: a rookie's minimum is 610 $K
    }
    void TearDown() override { Set_Build_Tag_For_Test("    "); }

    // A player of no credited seasons on a three-year deal.
    static void Contract(int nTeam, int nSlot, int nID, int nSalary, int nBonus)
    {
        season_cycle::Put_Signed_Player(nTeam, nSlot, nID, POSITION_RB, 50.0f, 1998, 3);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, 0);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, 3);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nSalary);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, nBonus);
    }
    static int Salary(int nTeam, int nSlot) { return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY); }
    static int Bonus(int nTeam, int nSlot) { return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS); }

    static const DIALOG_RECORD& Run_Tools()
    {
        Do_Dialog(ADVANCED_TOOLS_DIALOG);
        return dialogs::Records().back();
    }
};

TEST_F(AdvancedToolsTest, ClubsAreHandledInThePrimeStrideOrder)
{
    // (43 x 2023) mod 32 = 86,989 mod 32 = 13; then +43 each: 24, 3.
    EXPECT_EQ(Get_Contract_Rescale_Team(0, 32, 2023), 13);
    EXPECT_EQ(Get_Contract_Rescale_Team(1, 32, 2023), 24);
    EXPECT_EQ(Get_Contract_Rescale_Team(2, 32, 2023), 3);
    // Every club exactly once.
    bool bSeen[32] = {};
    for (int i = 0; i < 32; ++i)
        bSeen[Get_Contract_Rescale_Team(i, 32, 2023)] = true;
    for (bool b : bSeen)
        EXPECT_TRUE(b);
    EXPECT_EQ(Get_Contract_Rescale_Team(0, 0, 2023), -1);
}

TEST_F(AdvancedToolsTest, TargetsRunFromNinetyTwoToNinetySevenPercentInSixtyFourBits)
{
    // At the cap: 9 + 80 = 89, raised to 92 %.
    EXPECT_EQ(Get_Contract_Rescale_Target(100000000, 100000000), 92000000);
    // Twice the cap: 18 + 80 = 98, held to 97 %.
    EXPECT_EQ(Get_Contract_Rescale_Target(200000000, 100000000), 97000000);
    // 9 x 29,000,000 / 18,000,000 = 14.5 rounds up to 15: 95 % of 18,000,000.
    EXPECT_EQ(Get_Contract_Rescale_Target(29000000, 18000000), 17100000);
    EXPECT_EQ(Get_Contract_Rescale_Target(28999999, 18000000), 16920000);
    // 9 x 3,000,000,000 passes 32 bits: 27 + 80, held to 97 % of 1e9.
    EXPECT_EQ(Get_Contract_Rescale_Target(3000000000LL, 1000000000), 970000000);
    EXPECT_EQ(Get_Contract_Rescale_Target(50000000, 0), 0);
}

TEST_F(AdvancedToolsTest, RescaleRoundsUntilTheRatioIsWithinTwoOfOneThousand)
{
    Contract(0, 0, 1, 10000, 3000);   // charge 10,000 + 3,000 / 3 = 11,000
    Contract(0, 1, 2, 20000, 0);      // 20,000
    Contract(0, 2, 3, 610, 0);        // at his minimum: never scaled
    Contract(0, 3, 4, 5000, 0);       // read from a ratings file: spared 20 rounds
    Set_Player_Vital_Stat(0, 3, VITAL_FLAGS, 2);
    ASSERT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 36610);
    // Target 32,949,000 of 36,610,000: r = 900.
    EXPECT_EQ(Rescale_Player_Salaries(0, 32949000), 900);
    // Round 0 at 900: 9,000 / 2,700, 18,000; payroll 33,510, r = 983.
    // Round 1 at 983: 8,847 / 2,654, 17,694; payroll 33,035, r = 997.
    // Round 2 at 997: 8,820 / 2,646, 17,641; payroll 32,953, r = 1000: done.
    EXPECT_EQ(Salary(0, 0), 8820);
    EXPECT_EQ(Bonus(0, 0), 2646);
    EXPECT_EQ(Salary(0, 1), 17641);
    EXPECT_EQ(Salary(0, 2), 610);
    EXPECT_EQ(Salary(0, 3), 5000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 8820 + 882 + 17641 + 610 + 5000);
}

TEST_F(AdvancedToolsTest, ARescaleOnTargetRunsOneRoundAndOnlyRaisesSalariesBelowTheirMinimum)
{
    Contract(1, 0, 1, 500, 0);
    Contract(1, 1, 2, 10000, 900);
    // Payroll 500 + 10,000 + 300 = 10,800.
    EXPECT_EQ(Rescale_Player_Salaries(1, 10800000), 1000);
    EXPECT_EQ(Salary(1, 0), 610);
    EXPECT_EQ(Salary(1, 1), 10000);
    EXPECT_EQ(Bonus(1, 1), 900);
    // A player at his minimum is left whole, his bonus too: 610 + 600 / 3 and
    // 10,000 aimed at half. Rounds at 500, 930, 990, 998: 5,000, 4,650,
    // 4,604, 4,595.
    Contract(2, 0, 3, 610, 600);
    Contract(2, 1, 4, 10000, 0);
    EXPECT_EQ(Rescale_Player_Salaries(2, 5405000), 500);
    EXPECT_EQ(Salary(2, 0), 610);
    EXPECT_EQ(Bonus(2, 0), 600);
    EXPECT_EQ(Salary(2, 1), 4595);
    // A club with no payroll gets ratio 0 first.
    EXPECT_EQ(Rescale_Player_Salaries(5, 1000000), 0);
}

TEST_F(AdvancedToolsTest, WithoutACapOnlyTheComputedValuesChange)
{
    Contract(0, 0, 1, 10000, 0);
    Contract(1, 0, 2, 40000, 0);
    Set_Universe_Stat(SALARY_CAP, 0);
    const std::string Before(reinterpret_cast<const char*>(&League), sizeof(League));
    Update_All_Player_Computed_Values(1);
    const std::string Computed(reinterpret_cast<const char*>(&League), sizeof(League));
    std::memcpy(static_cast<void*>(&League), Before.data(), sizeof(League));
    Run_Advanced_Tool(1);
    EXPECT_EQ(std::memcmp(&League, Computed.data(), sizeof(League)), 0);
}

TEST_F(AdvancedToolsTest, UnderACapEachClubEndsWithinItsShareOfTheCap)
{
    // The contracts are drawn again from worth first, so a club's payroll
    // before the rescale is not known here; whatever it was, each club ends
    // within 92-97 % of the cap, to the 2 per mille a round stops at.
    for (int t = 0; t < 3; ++t)
        for (int s = 0; s < 40; ++s)
            Contract(t, s, t * 100 + s + 1, 1000 + 50 * s, 0);
    Set_Universe_Stat(SALARY_CAP, 100000000);
    Run_Advanced_Tool(1);
    for (int t = 0; t < 3; ++t) {
        const int nPayroll = Get_Team_Financial_Stat(t, FINANCE_PAYROLL);
        EXPECT_GE(nPayroll, 91700) << t;
        EXPECT_LE(nPayroll, 97300) << t;
    }
}

TEST_F(AdvancedToolsTest, ClearInjuriesCountsTheHurtOfClubsInUseAndTheSpecialSlots)
{
    ui::Queue_Answer(ID_OK);
    Show_Clear_Injuries_Result();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "No injured players were found.");
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Clear Injuries");
    Contract(0, 0, 1, 1000, 0);
    Contract(1, 4, 2, 1000, 0);
    Contract(FREE_AGENT_TEAM, 0, 3, 1000, 0);
    Contract(FIRST_DRAFT_POOL_TEAM, 7, 4, 1000, 0);
    Contract(1, 5, 5, 1000, 0);
    for (auto [t, s] : {std::pair{0, 0}, {1, 4}, {FREE_AGENT_TEAM, 0}, {FIRST_DRAFT_POOL_TEAM, 7}})
        Set_Player_Vital_Stat(t, s, VITAL_INJURY_WEEKS, 3);
    // A franchise slot not in use is not looked at.
    Put_Player(9, 0, 6, POSITION_RB);
    Set_Player_Vital_Stat(9, 0, VITAL_INJURY_WEEKS, 2);
    ui::Clear_Shown_Boxes();
    Show_Clear_Injuries_Result();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Injuries removed for 4 players.");
    EXPECT_EQ(Get_Player_Vital_Stat(1, 4, VITAL_INJURY_WEEKS), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(9, 0, VITAL_INJURY_WEEKS), 2);
    EXPECT_EQ(Clear_All_Injuries(), 0);
}

TEST_F(AdvancedToolsTest, ClearOutputFolderDeletesItsFilesAndKeepsItsFolders)
{
    SCRATCH_FOLDER Folder("advanced_tools");
    std::filesystem::create_directories("Output/Teams");
    for (const char* szName : {"Output/Box-23-001.htm", "Output/stats.csv", "Output/Teams/team1.htm"}) {
        FILE* pFile = std::fopen(szName, "w");
        ASSERT_NE(pFile, nullptr);
        std::fputs("x", pFile);
        std::fclose(pFile);
    }
    EXPECT_EQ(Clear_Output_Folder(), 2);
    EXPECT_FALSE(std::filesystem::exists("Output/Box-23-001.htm"));
    EXPECT_FALSE(std::filesystem::exists("Output/stats.csv"));
    EXPECT_TRUE(std::filesystem::is_directory("Output/Teams"));
    EXPECT_TRUE(std::filesystem::exists("Output/Teams/team1.htm"));
    // Pressed in the dialog, which stays open.
    FILE* pFile = std::fopen("Output/again.txt", "w");
    ASSERT_NE(pFile, nullptr);
    std::fclose(pFile);
    dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press(TOOL_CLEAR_OUTPUT_FOLDER));
    const DIALOG_RECORD& Record = Run_Tools();
    EXPECT_FALSE(std::filesystem::exists("Output/again.txt"));
    EXPECT_EQ(Record.nResult, DIALOG_OK);
}

TEST_F(AdvancedToolsTest, TheDatabaseButtonsWaitForTheBuilderAndTheSpecialToolIsOnlyInATestBuild)
{
    EXPECT_STREQ(Get_Build_Tag(), "    ");
    const DIALOG_RECORD& Record = Run_Tools();
    // Without the builder handed in, its two buttons are disabled.
    for (int nId : {TOOL_CREATE_MODERN_DATABASE, TOOL_CREATE_HISTORICAL_DATABASE}) {
        ASSERT_NE(Record.Find(nId), nullptr) << nId;
        EXPECT_FALSE(Record.Find(nId)->bEnabled) << nId;
    }
    for (int nId : {TOOL_RECALCULATE_CONTRACTS, TOOL_CLEAR_INJURIES, TOOL_CLEAR_OUTPUT_FOLDER, TOOL_SORT_ALL_TEAMS,
                    TOOL_IMPORT_PLAYBOOKS, TOOL_LOAD_PLAYER_RATINGS})
        EXPECT_TRUE(Record.Find(nId)->bEnabled) << nId;
    EXPECT_EQ(Record.Find(TOOL_CLEAR_OUTPUT_FOLDER)->Text, "&Clear Output Folder");
    EXPECT_FALSE(Record.Find(TOOL_SPECIAL)->bVisible);
    Set_Build_Tag_For_Test("TEST");
    EXPECT_STREQ(Get_Build_Tag(), "TEST");
    // In a test build it runs the statistics import, which refuses a league
    // that is not a 2023 league of 32 clubs before it touches any file.
    ui::Reset();
    dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press(TOOL_SPECIAL));
    const DIALOG_RECORD& Tool = Run_Tools();
    EXPECT_TRUE(Tool.Find(TOOL_SPECIAL)->bVisible);
    EXPECT_TRUE(Tool.Find(TOOL_SPECIAL)->bEnabled);
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Invalid UNIVERSE");
    EXPECT_FALSE(std::filesystem::exists("Input/Stats"));
}

std::vector<std::string> g_Builds;

// With the builder handed in, the two database buttons are enabled: the
// modern one builds 2023 and reminds; the historical one asks which, and
// reminds whatever the answer, Cancel too.
TEST_F(AdvancedToolsTest, TheDatabaseButtonsRunTheBuilderTheShellHandsIn)
{
    DATABASE_BUILD_HOOKS Hooks;
    Hooks.pBuildYear = [](int nYear) {
        g_Builds.push_back("year " + std::to_string(nYear));
        return std::string();
    };
    Hooks.pBuildRange = [](int nFirst, int nLast) {
        g_Builds.push_back("range " + std::to_string(nFirst) + "-" + std::to_string(nLast));
        return std::string();
    };
    Hooks.pBuildAll = [] {
        g_Builds.push_back("all");
        return std::string("Databases built: 2 years, 1990-1991.");
    };
    Set_Database_Build_Hooks(Hooks);
    g_Builds.clear();
    Set_Universe_Stat(FIRST_SEASON_YEAR, 1987);

    dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press(TOOL_CREATE_MODERN_DATABASE));
    const DIALOG_RECORD& Modern = Run_Tools();
    EXPECT_TRUE(Modern.Find(TOOL_CREATE_MODERN_DATABASE)->bEnabled);
    EXPECT_TRUE(Modern.Find(TOOL_CREATE_HISTORICAL_DATABASE)->bEnabled);
    ASSERT_EQ(g_Builds, std::vector<std::string>{"year 2023"});
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes().back().Caption, "Create Modern Database");
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "Reminder: You must start a New Game to load the new database.");

    const std::pair<int, const char*> ANSWERS[] = {{ID_YES, "range 1987-1987"}, {ID_NO, "all"}, {ID_CANCEL, ""}};
    for (const auto& [nAnswer, szBuild] : ANSWERS) {
        g_Builds.clear();
        ui::Reset();
        ui::Queue_Answer(nAnswer);
        dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press(TOOL_CREATE_HISTORICAL_DATABASE));
        Run_Tools();
        ASSERT_EQ(ui::Shown_Boxes().size(), 2u) << nAnswer;
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Create Historical Database");
        EXPECT_NE(ui::Shown_Boxes()[0].Text.find("This will create the 1987 database."), std::string::npos);
        // The hint names the build that reaches other years, not a New Game
        // that offers only the years already built.
        EXPECT_NE(ui::Shown_Boxes()[0].Text.find("tool Create_Universe_Databases_Range FIRST LAST"), std::string::npos);
        EXPECT_EQ(ui::Shown_Boxes()[0].Text.find("New Game in that year"), std::string::npos);
        EXPECT_EQ(ui::Shown_Boxes()[0].Buttons[0], "Create 1987 Database");
        // Every year: its closing words and the reminder in one box.
        EXPECT_EQ(ui::Shown_Boxes()[1].Text,
                  nAnswer == ID_NO ? "Databases built: 2 years, 1990-1991.\n\nReminder: You must start a New Game to "
                                     "load a new database."
                                   : "Reminder: You must start a New Game to load a new database.");
        EXPECT_EQ(g_Builds.empty() ? std::string() : g_Builds[0], szBuild) << nAnswer;
    }

    // A build that fails says why, and no reminder of a database that is
    // not there.
    Hooks.pBuildYear = [](int) { return std::string("2023: the statistics files could not be read"); };
    Hooks.pBuildRange = [](int, int) { return std::string("1987: no league"); };
    Set_Database_Build_Hooks(Hooks);
    ui::Reset();
    dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press(TOOL_CREATE_MODERN_DATABASE));
    Run_Tools();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Create Modern Database");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "The database was not built: 2023: the statistics files could not be read.");
    ui::Reset();
    ui::Queue_Answer(ID_YES);
    dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press(TOOL_CREATE_HISTORICAL_DATABASE));
    Run_Tools();
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "The database was not built: 1987: no league.");
    Set_Database_Build_Hooks(DATABASE_BUILD_HOOKS());
}

// Load Player Ratings keeps the dialog open and says what it read; Import
// Playbooks closes it first and shows its counts.
TEST_F(AdvancedToolsTest, TheRatingsAndPlaybookButtonsRunTheirLoaders)
{
    dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press(TOOL_LOAD_PLAYER_RATINGS));
    const DIALOG_RECORD& Record = Run_Tools();
    EXPECT_EQ(Record.nResult, DIALOG_OK);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Load Player Ratings");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text.rfind("Unable to open Input/Ratings/", 0), 0u) << ui::Shown_Boxes()[0].Text;

    ui::Reset();
    dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press(TOOL_IMPORT_PLAYBOOKS));
    Run_Tools();
    EXPECT_EQ(dialogs::Pending_Actions(), 0u);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Import Playbooks");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "0 Offensive Playbooks loaded.\n\n0 Defensive Playbooks loaded.");
}

// A ratings file that names no player of the league changes nobody: the
// box says so rather than "loaded". A damaged playbook is named in the
// import's box, its club keeping the book it had.
TEST_F(AdvancedToolsTest, TheLoadersBoxesTellWhatDidNotLoad)
{
    SCRATCH_FOLDER Scratch("advanced_tools_loaders");
    ASSERT_TRUE(Scratch.Ready());
    std::filesystem::create_directories("Input/Ratings/Simulation");
    std::FILE* pFile = std::fopen("Input/Ratings/Simulation/2020_Player_Ratings.csv", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fputs("PlayerID,2020_Team,First,Last\n,AAA,Jo,Smith,QB,QB,70,70,60\n", pFile);
    std::fclose(pFile);
    dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press(TOOL_LOAD_PLAYER_RATINGS));
    Run_Tools();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Load Player Ratings");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "No player was changed by Input/Ratings/Simulation/2020_Player_Ratings.csv: no line names a player of "
              "the league (a line finds its player by the statistics ID in its PlayerID column, and the players of "
              "the default league have none).");

    char szNickname[TEAM_STRING_SIZE + 1] = "";
    Get_Team_String(szNickname, 0, TEAM_STRING_NICKNAME);
    ASSERT_NE(szNickname[0], '\0');
    std::filesystem::create_directories("playbooks");
    const std::string Book = std::string("playbooks/") + szNickname + ".opb";
    pFile = std::fopen(Book.c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    std::fputs("cut short", pFile);
    std::fclose(pFile);
    ui::Reset();
    dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press(TOOL_IMPORT_PLAYBOOKS));
    Run_Tools();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Import Playbooks");
    const std::string& Text = ui::Shown_Boxes()[0].Text;
    EXPECT_EQ(Text.rfind("0 Offensive Playbooks loaded.\n\n0 Defensive Playbooks loaded.\n\nThis file is not a whole "
                         "playbook and did not load; each club keeps the playbook it had:\n",
                         0),
              0u)
        << Text;
    EXPECT_NE(Text.find(std::string(szNickname) + ".opb ("), std::string::npos) << Text;
}

TEST_F(AdvancedToolsTest, ClearInjuriesFromTheDialogShowsItsMessageAndKeepsItOpen)
{
    Contract(0, 0, 1, 1000, 0);
    Set_Player_Vital_Stat(0, 0, VITAL_INJURY_WEEKS, 5);
    dialogs::Queue_Action(ADVANCED_TOOLS_DIALOG, Press(TOOL_CLEAR_INJURIES));
    const DIALOG_RECORD& Record = Run_Tools();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Injuries removed for 1 players.");
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_INJURY_WEEKS), 0);
    EXPECT_EQ(Record.nResult, DIALOG_OK);
}

}  // namespace

// The Load Playbook and Save Playbook dialogs on the real widgets: the
// shipped books listed with the first one's analysis, a book loaded into the
// viewed team by the same queued actions as headless, a refused file's box,
// a save by a name typed into the entry; screenshots of the offensive and
// defensive Load dialogs and of the Save dialog for people to look at.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "editors/playbook_dialogs.h"
#include "engine/playbook_files.h"
#include "engine/playbooks.h"
#include "gui_support.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const std::string SHIPPED = std::string(KELVO_SOURCE_ROOT) + "/data/playbooks";

std::string g_ShotName;
bool g_bShot = false;
std::string g_Group;
std::string g_Plays;
std::string g_Formations;

void Capture(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || g_ShotName.empty() || g_bShot)
        return;
    g_bShot = gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path(g_ShotName));
    char cMnemonic = 0;
    gtk_probe::Control_Caption(nDialogId, PLAYBOOK_FILES_GROUP, g_Group, cMnemonic);
    gtk_probe::Control_Caption(nDialogId, PLAYBOOK_PLAYS_TEXT, g_Plays, cMnemonic);
    gtk_probe::Control_Caption(nDialogId, PLAYBOOK_FORMATIONS_TEXT, g_Formations, cMnemonic);
}

DIALOG_ACTION Action(int nKind, int nControl = 0, const std::string& Text = std::string())
{
    DIALOG_ACTION A;
    A.nKind = nKind;
    A.nControl = nControl;
    A.Text = Text;
    return A;
}

class GtkPlaybook : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(m_Folder.Ready());
        dialogs::Reset();
        Use_Franchises(4);
        for (int t = 0; t < 4; ++t)
            Build_Team_Default_Playbook(t);
        Set_User_Preference(PREF_CURRENT_TEAM, 2);
        std::error_code Error;
        fs::copy(SHIPPED, "playbooks", fs::copy_options::recursive, Error);
        ASSERT_FALSE(Error) << Error.message();
    }
    void TearDown() override
    {
        gtk_probe::Set_Shown_Hook(nullptr);
        dialogs::Reset();
        ui::Reset();
    }

    void Shoot(const char* szName)
    {
        g_ShotName = szName;
        g_bShot = false;
        g_Group.clear();
        g_Plays.clear();
        g_Formations.clear();
        gtk_probe::Set_Shown_Hook(Capture);
    }

    SCRATCH_FOLDER m_Folder{"gtk_playbook"};
};

}  // namespace

TEST_F(GtkPlaybook, LoadListsTheShippedBooksAndLoadsTheChosenOne)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    // West Coast marks other plays than the default book: the team's flags
    // tell which book it holds.
    ASSERT_TRUE(Load_Playbook_File(-1, PLAYBOOK_OFFENSE, "West Coast"));
    const std::string WestCoast(reinterpret_cast<const char*>(Get_Offensive_Scratch_Area()), OFFENSIVE_PLAYBOOK_SIZE);

    Shoot("dialog_load_offensive_playbook");
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_SELECT, PLAYBOOK_FILE_LIST, "West Coast"));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_LOAD_BUTTON));
    EXPECT_EQ(Run_Load_Playbook_Dialog(PLAYBOOK_OFFENSE), DIALOG_OK);
    EXPECT_TRUE(g_bShot);
    EXPECT_EQ(g_Group, "Saved Offensive Playbooks");
    EXPECT_EQ(g_Formations.rfind("MOST USED FORMATIONS\n", 0), 0u) << g_Formations;
    EXPECT_EQ(g_Plays.rfind("PLAYS\n", 0), 0u) << g_Plays;
    ASSERT_FALSE(dialogs::Records().empty());
    EXPECT_EQ(dialogs::Records().back().Title, "Load Offensive Playbook");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Get_Offensive_Playbook_Area(2)), OFFENSIVE_PLAYBOOK_SIZE),
              WestCoast);

    Shoot("dialog_load_defensive_playbook");
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_CANCEL));
    EXPECT_EQ(Run_Load_Playbook_Dialog(PLAYBOOK_DEFENSE), DIALOG_CANCEL);
    EXPECT_TRUE(g_bShot);
    EXPECT_EQ(g_Group, "Saved Defensive Playbooks");
    EXPECT_EQ(g_Formations.rfind("MOST USED FORMATIONS\n4-3\n", 0), 0u) << g_Formations;
}

TEST_F(GtkPlaybook, ARefusedFileSaysSoAndTheTeamKeepsItsBook)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    {
        FILE* pFile = std::fopen("playbooks/Broken.opb", "wb");
        ASSERT_NE(pFile, nullptr);
        std::fputs("not a playbook", pFile);
        std::fclose(pFile);
    }
    const std::string Before(reinterpret_cast<const char*>(Get_Offensive_Playbook_Area(2)), OFFENSIVE_PLAYBOOK_SIZE);
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_SELECT, PLAYBOOK_FILE_LIST, "Broken"));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_LOAD_BUTTON));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_CANCEL));
    EXPECT_EQ(Run_Load_Playbook_Dialog(PLAYBOOK_OFFENSE), DIALOG_CANCEL);
    bool bReadError = false;
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        bReadError = bReadError || (Box.Caption == "Read Error" && Box.Text.rfind("Unable to load playbook file.\n\n", 0) == 0);
    EXPECT_TRUE(bReadError);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Get_Offensive_Playbook_Area(2)), OFFENSIVE_PLAYBOOK_SIZE),
              Before);
}

TEST_F(GtkPlaybook, SaveWritesTheNameTypedIntoTheEntry)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    Set_Team_String("Hawks", 2, TEAM_STRING_NICKNAME);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Shoot("dialog_save_playbook");
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_SET_TEXT, PLAYBOOK_NAME_EDIT, "Hawks Nickel"));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_SAVE_BUTTON));
    EXPECT_EQ(Run_Save_Playbook_Dialog(PLAYBOOK_DEFENSE), DIALOG_OK);
    EXPECT_TRUE(g_bShot);
    EXPECT_EQ(g_Group, "Save Current Defensive Playbook As:");
    EXPECT_STREQ(Get_Defensive_Playbook_Area(2)->szName, "Hawks Nickel");
    EXPECT_EQ(Read_Text_File("playbooks/Hawks Nickel.dpb"),
              std::string(reinterpret_cast<const char*>(Get_Defensive_Playbook_Area(2)), DEFENSIVE_PLAYBOOK_SIZE));
}

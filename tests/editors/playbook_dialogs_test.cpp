// The Load Playbook and Save Playbook dialogs, driven headless by queued
// actions and box answers: the list, the analysis (checked against the
// formation catalogue by hand), loads of good and refused files, deletion,
// the offered name, overwriting, refused names and a write that fails; the
// four File menu commands that open them.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "editors/playbook_dialogs.h"
#include "engine/playbook_files.h"
#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/files_test_hooks.h"
#include "platform/save_failures.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "shell/commands.h"
#include "test_support.h"

namespace {

// The formation codes of the catalogue the hand counts below use:
// 'I' (0): RB 1, FB 1, TE 1, WR 2; Three-Back (2): RB 2, FB 1, TE 1, WR 1;
// Ace (4): RB 1, TE 2, WR 2; Spread (5): RB 1, WR 4;
// 3-4 (25): DT 1, DE 2, LB 4, CB 2, S 2; Prevent (36): DT 1, DE 2, LB 1, CB 4, S 3.
constexpr int I_FORMATION = 0;
constexpr int THREE_BACK = 2;
constexpr int ACE = 4;
constexpr int SPREAD = 5;
constexpr int THREE_FOUR = 25;
constexpr int PREVENT = 36;

// What the dialog showed when it closed.
struct SHOWN {
    std::string Title;
    std::string Group;
    std::vector<std::string> Items;
    int nSelected = -1;
    std::string Notes, Formations, Plays;
    std::string Positions[PLAYBOOK_POSITION_COLUMNS];
    std::string Name;
    int nResult = -1;
};
SHOWN g_Shown;

void Keep(const DIALOG& Dialog)
{
    g_Shown.Title = Dialog.Title();
    g_Shown.Group = Dialog.Get_Text(PLAYBOOK_FILES_GROUP);
    const DIALOG_CONTROL* pList = Dialog.Find(PLAYBOOK_FILE_LIST);
    g_Shown.Items = pList ? pList->Items : std::vector<std::string>();
    g_Shown.nSelected = pList ? pList->nSelected : -1;
    g_Shown.Notes = Dialog.Get_Text(PLAYBOOK_NOTES_TEXT);
    g_Shown.Formations = Dialog.Get_Text(PLAYBOOK_FORMATIONS_TEXT);
    g_Shown.Plays = Dialog.Get_Text(PLAYBOOK_PLAYS_TEXT);
    for (int i = 0; i < PLAYBOOK_POSITION_COLUMNS; ++i)
        g_Shown.Positions[i] = Dialog.Get_Text(PLAYBOOK_POSITION_TEXT_FIRST + i);
    g_Shown.Name = Dialog.Get_Text(PLAYBOOK_NAME_EDIT);
}

// The real procedures, with what the dialog shows kept just before it goes
// (and after the opening, for a dialog that ends while it opens).
void Watched_Load(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent != DIALOG_DESTROY)
        Load_Playbook_Dialog_Proc(Dialog, nEvent, nControl);
    if (nEvent == DIALOG_INIT || nEvent == DIALOG_DESTROY || nEvent == DIALOG_COMMAND)
        Keep(Dialog);
}

void Watched_Save(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent != DIALOG_DESTROY)
        Save_Playbook_Dialog_Proc(Dialog, nEvent, nControl);
    if (nEvent == DIALOG_INIT || nEvent == DIALOG_COMMAND)
        Keep(Dialog);
}

DIALOG_ACTION Action(int nKind, int nControl = 0, const std::string& Text = std::string(), int nValue = 0)
{
    DIALOG_ACTION A;
    A.nKind = nKind;
    A.nControl = nControl;
    A.Text = Text;
    A.nValue = nValue;
    return A;
}

class PlaybookDialogsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(m_Folder.Ready());
        dialogs::Reset();
        Use_Franchises(4);
        for (int t = 0; t < 4; ++t)
            Build_Team_Default_Playbook(t);
        Set_User_Preference(PREF_CURRENT_TEAM, 1);
        ::mkdir("playbooks", 0755);
        g_Shown = SHOWN();
    }
    void TearDown() override
    {
        dialogs::Reset();
        ui::Reset();
    }

    static std::string Bytes_Of(const void* p, size_t n) { return std::string(static_cast<const char*>(p), n); }

    static void Write_Raw(const std::string& Path, const std::string& Bytes)
    {
        FILE* pFile = std::fopen(Path.c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fwrite(Bytes.data(), 1, Bytes.size(), pFile);
        std::fclose(pFile);
    }

    // An offensive image of the default plays with the given formations
    // (each count of plays in turn) and the notes.
    static std::string Offense_With(std::initializer_list<std::pair<int, int>> Formations, const char* szNotes = "")
    {
        OFFENSIVE_PLAYBOOK_AREA Area;
        std::memcpy(&Area, Get_Offensive_Playbook_Area(0), sizeof(Area));
        int nPlay = 0;
        for (const auto& [nFormation, nCount] : Formations)
            for (int i = 0; i < nCount; ++i)
                Area.Play[nPlay++].nFormation = static_cast<int8_t>(nFormation);
        EXPECT_EQ(nPlay, TEAM_OFFENSIVE_PLAYS);
        std::memset(Area.szNotes, 0, sizeof(Area.szNotes));
        std::strcpy(Area.szNotes, szNotes);
        return Bytes_Of(&Area, sizeof(Area));
    }

    static std::string Defense_With(std::initializer_list<std::pair<int, int>> Formations, const char* szNotes = "")
    {
        DEFENSIVE_PLAYBOOK_AREA Area;
        std::memcpy(&Area, Get_Defensive_Playbook_Area(0), sizeof(Area));
        int nPlay = 0;
        for (const auto& [nFormation, nCount] : Formations)
            for (int i = 0; i < nCount; ++i)
                Area.Play[nPlay++].nFormation = nFormation;
        EXPECT_EQ(nPlay, DEFENSIVE_PLAY_COUNT);
        std::memset(Area.szNotes, 0, sizeof(Area.szNotes));
        std::strcpy(Area.szNotes, szNotes);
        return Bytes_Of(&Area, sizeof(Area));
    }

    static int Run_Load(int nSide)
    {
        Set_User_Preference(PREF_PLAYBOOK_EDITOR_FIRST, nSide);
        g_Shown.nResult = Do_Dialog(LOAD_PLAYBOOK_DIALOG, nullptr, Watched_Load);
        return g_Shown.nResult;
    }

    static int Run_Save(int nSide)
    {
        Set_User_Preference(PREF_PLAYBOOK_EDITOR_FIRST, nSide);
        g_Shown.nResult = Do_Dialog(SAVE_PLAYBOOK_DIALOG, nullptr, Watched_Save);
        return g_Shown.nResult;
    }

    static std::string Offense_Of(int nTeam)
    {
        return Bytes_Of(Get_Offensive_Playbook_Area(nTeam), OFFENSIVE_PLAYBOOK_SIZE);
    }

    static std::string Stored_Offense_Name(int nTeam) { return Get_Offensive_Playbook_Area(nTeam)->szName; }

    SCRATCH_FOLDER m_Folder{"playbook_dialogs"};
};

// ---------------------------------------------------------------------------
// The analysis

TEST_F(PlaybookDialogsTest, OneFormationGivesOneRowAndItsOwnSlotCountsAsAverages)
{
    Write_Raw("playbooks/Ace.opb", Offense_With({{ACE, 54}}, "All out of the Ace."));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_CANCEL));
    EXPECT_EQ(Run_Load(PLAYBOOK_OFFENSE), DIALOG_CANCEL);
    EXPECT_EQ(g_Shown.Notes, "All out of the Ace.");
    EXPECT_EQ(g_Shown.Formations, "MOST USED FORMATIONS\nAce (Lone Setback)\n\nAVERAGE");
    EXPECT_EQ(g_Shown.Plays, "PLAYS\n54\n");
    EXPECT_EQ(g_Shown.Positions[0], "");
    EXPECT_EQ(g_Shown.Positions[1], "RB\n1\n\n1.0");
    EXPECT_EQ(g_Shown.Positions[2], "FB\n0\n\n0.0");
    EXPECT_EQ(g_Shown.Positions[3], "TE\n2\n\n2.0");
    EXPECT_EQ(g_Shown.Positions[4], "WR\n2\n\n2.0");

    // The defensive edge case: 30 plays of the 3-4.
    Write_Raw("playbooks/Base.dpb", Defense_With({{THREE_FOUR, 30}}));
    const PLAYBOOK_ANALYSIS Analysis = (Load_Playbook_File(-1, PLAYBOOK_DEFENSE, "Base"),
                                        Analyze_Scratch_Playbook(PLAYBOOK_DEFENSE));
    EXPECT_EQ(Analysis.Formations, "MOST USED FORMATIONS\n3-4\n\nAVERAGE");
    EXPECT_EQ(Analysis.Plays, "PLAYS\n30\n");
    EXPECT_EQ(Analysis.Positions[0], "DT\n1\n\n1.0");
    EXPECT_EQ(Analysis.Positions[1], "DE\n2\n\n2.0");
    EXPECT_EQ(Analysis.Positions[2], "LB\n4\n\n4.0");
    EXPECT_EQ(Analysis.Positions[3], "CB\n2\n\n2.0");
    EXPECT_EQ(Analysis.Positions[4], "S\n2\n\n2.0");
}

TEST_F(PlaybookDialogsTest, MixedBooksRankFormationsAndRoundAveragesToTenths)
{
    // 30 Spread, 12 Three-Back, 12 'I': the tie goes to the lower code.
    // RB (30 + 24 + 12) / 54 = 1.22; FB 24 / 54 = 0.44; TE 24 / 54 = 0.44;
    // WR (120 + 12 + 24) / 54 = 2.89.
    Write_Raw("playbooks/Mixed.opb", Offense_With({{THREE_BACK, 12}, {SPREAD, 30}, {I_FORMATION, 12}}));
    ASSERT_TRUE(Load_Playbook_File(-1, PLAYBOOK_OFFENSE, "Mixed"));
    PLAYBOOK_ANALYSIS Analysis = Analyze_Scratch_Playbook(PLAYBOOK_OFFENSE);
    EXPECT_EQ(Analysis.Formations, "MOST USED FORMATIONS\nSpread\n'I' Formation\nThree-Back\n\nAVERAGE");
    EXPECT_EQ(Analysis.Plays, "PLAYS\n30\n12\n12\n");
    EXPECT_EQ(Analysis.Positions[1], "RB\n1\n1\n2\n\n1.2");
    EXPECT_EQ(Analysis.Positions[2], "FB\n0\n1\n1\n\n0.4");
    EXPECT_EQ(Analysis.Positions[3], "TE\n0\n1\n1\n\n0.4");
    EXPECT_EQ(Analysis.Positions[4], "WR\n4\n2\n1\n\n2.9");

    // 16 3-4 and 14 Prevent: LB (64 + 14) / 30 = 2.6; CB 88 / 30 = 2.93;
    // S (32 + 42) / 30 = 2.47 rounds up to 2.5.
    Write_Raw("playbooks/Mixed.dpb", Defense_With({{PREVENT, 14}, {THREE_FOUR, 16}}));
    ASSERT_TRUE(Load_Playbook_File(-1, PLAYBOOK_DEFENSE, "Mixed"));
    Analysis = Analyze_Scratch_Playbook(PLAYBOOK_DEFENSE);
    EXPECT_EQ(Analysis.Formations, "MOST USED FORMATIONS\n3-4\nPrevent\n\nAVERAGE");
    EXPECT_EQ(Analysis.Plays, "PLAYS\n16\n14\n");
    EXPECT_EQ(Analysis.Positions[0], "DT\n1\n1\n\n1.0");
    EXPECT_EQ(Analysis.Positions[1], "DE\n2\n2\n\n2.0");
    EXPECT_EQ(Analysis.Positions[2], "LB\n4\n1\n\n2.6");
    EXPECT_EQ(Analysis.Positions[3], "CB\n2\n4\n\n2.9");
    EXPECT_EQ(Analysis.Positions[4], "S\n2\n3\n\n2.5");

    // Thirteen formations: 6 plays of 'I', 4 each of formations 1-12. Twelve
    // rows, so the last of the ties (12, "Shotgun Trips") is left out.
    OFFENSIVE_PLAYBOOK_AREA& Scratch = *Get_Offensive_Scratch_Area();
    for (int i = 0; i < TEAM_OFFENSIVE_PLAYS; ++i)
        Scratch.Play[i].nFormation = static_cast<int8_t>(i < 6 ? 0 : 1 + (i - 6) / 4);
    Analysis = Analyze_Scratch_Playbook(PLAYBOOK_OFFENSE);
    EXPECT_EQ(Analysis.Plays, "PLAYS\n6\n4\n4\n4\n4\n4\n4\n4\n4\n4\n4\n4\n");
    EXPECT_NE(Analysis.Formations.find("\nShotgun Protect\n\nAVERAGE"), std::string::npos) << Analysis.Formations;
    EXPECT_EQ(Analysis.Formations.find("Shotgun Trips"), std::string::npos);
}

// ---------------------------------------------------------------------------
// Load Playbook

TEST_F(PlaybookDialogsTest, NoFilesOfTheSideShowTheSidesMessageAndCancel)
{
    Write_Raw("playbooks/Only Offense.opb", Offense_With({{ACE, 54}}));
    EXPECT_EQ(Run_Load(PLAYBOOK_DEFENSE), DIALOG_CANCEL);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "No Defensive Playbooks Files");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "There are no Defensive Playbook files (.dpb) in the 'playbook' folder.");
    EXPECT_EQ(g_Shown.Title, "Load Defensive Playbook");

    ui::Clear_Shown_Boxes();
    std::filesystem::remove("playbooks/Only Offense.opb");
    EXPECT_EQ(Run_Load(PLAYBOOK_OFFENSE), DIALOG_CANCEL);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "No Offensive Playbooks Files");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "There are no Offensive Playbook files (.opb) in the 'playbook' folder.");
    EXPECT_EQ(Offense_Of(1), Offense_Of(0));
}

TEST_F(PlaybookDialogsTest, LoadListsTheSidesFilesAndLoadsTheChosenOneIntoTheViewedTeam)
{
    const std::string Spread = Offense_With({{SPREAD, 54}}, "Spread them out.");
    Write_Raw("playbooks/Zebra.opb", Spread);
    Write_Raw("playbooks/Ace.opb", Offense_With({{ACE, 54}}, "Ace notes."));
    Write_Raw("playbooks/Zone.dpb", Defense_With({{THREE_FOUR, 30}}));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_SELECT, PLAYBOOK_FILE_LIST, "Zebra"));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_LOAD_BUTTON));
    EXPECT_EQ(Run_Load(PLAYBOOK_OFFENSE), DIALOG_OK);
    EXPECT_EQ(g_Shown.Title, "Load Offensive Playbook");
    EXPECT_EQ(g_Shown.Group, "Saved Offensive Playbooks");
    EXPECT_EQ(g_Shown.Items, (std::vector<std::string>{"Ace", "Zebra"}));
    // The analysis followed the selection.
    EXPECT_EQ(g_Shown.Notes, "Spread them out.");
    EXPECT_EQ(g_Shown.Plays, "PLAYS\n54\n");
    EXPECT_EQ(Offense_Of(1), Spread);
    EXPECT_NE(Offense_Of(2), Spread);
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // A double click loads too; a viewed team not in use is made valid first.
    // Slot 20 is not in use: the first club in use (0) is viewed instead.
    Set_User_Preference(PREF_CURRENT_TEAM, 20);
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_DOUBLE_CLICK, PLAYBOOK_FILE_LIST, "Zone"));
    EXPECT_EQ(Run_Load(PLAYBOOK_DEFENSE), DIALOG_OK);
    EXPECT_EQ(g_Shown.Title, "Load Defensive Playbook");
    EXPECT_EQ(g_Shown.Group, "Saved Defensive Playbooks");
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 0);
    EXPECT_EQ(Get_Defensive_Playbook_Area(0)->Play[0].nFormation, THREE_FOUR);
    EXPECT_NE(Get_Defensive_Playbook_Area(1)->Play[0].nFormation, THREE_FOUR);   // the built-in 4-3
}

TEST_F(PlaybookDialogsTest, AFileOfAnyOtherSizeIsRefusedWholeAndTheDialogStaysOpen)
{
    const std::string Good = Offense_With({{SPREAD, 54}});
    Write_Raw("playbooks/Short.opb", Good.substr(0, OFFENSIVE_PLAYBOOK_SIZE - 1));
    Write_Raw("playbooks/Long.opb", Good + "x");
    const std::string Before = Offense_Of(1);
    // The box says why after its own words.
    const struct {
        const char* szName;
        const char* szWhy;
    } Books[] = {{"Short", "it holds 19679 bytes; a playbook of its side is 19680 bytes long"},
                 {"Long", "it holds more bytes than that; a playbook of its side is 19680 bytes long"}};
    for (const auto& Book : Books) {
        const char* szName = Book.szName;
        ui::Clear_Shown_Boxes();
        dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_SELECT, PLAYBOOK_FILE_LIST, szName));
        dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_LOAD_BUTTON));
        dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_CANCEL));
        EXPECT_EQ(Run_Load(PLAYBOOK_OFFENSE), DIALOG_CANCEL) << szName;
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u) << szName;
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Read Error");
        EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Unable to load playbook file.\n\n\"playbooks/" + std::string(szName) +
                                                 ".opb\": " + Book.szWhy + ".");
        EXPECT_EQ(Offense_Of(1), Before) << szName;
        // Its analysis is empty.
        EXPECT_EQ(g_Shown.Plays, "");
        EXPECT_EQ(g_Shown.Formations, "");
    }
}

TEST_F(PlaybookDialogsTest, DeleteAsksFirstAndRefillsTheList)
{
    Write_Raw("playbooks/Keep.opb", Offense_With({{ACE, 54}}));
    Write_Raw("playbooks/Gone.opb", Offense_With({{SPREAD, 54}}));
    // No: nothing goes.
    ui::Queue_Answer(ID_NO);
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_SELECT, PLAYBOOK_FILE_LIST, "Gone"));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_DELETE_BUTTON));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_CANCEL));
    EXPECT_EQ(Run_Load(PLAYBOOK_OFFENSE), DIALOG_CANCEL);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Confirm File Deletion");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Are you sure you want to delete 'Gone.opb'?");
    EXPECT_EQ(ui::Shown_Boxes()[0].Style & BOX_BUTTON_MASK, BOX_YESNO);
    EXPECT_TRUE(std::filesystem::exists("playbooks/Gone.opb"));

    // Yes: the file goes, the list is filled again and its first shown.
    ui::Clear_Shown_Boxes();
    ui::Queue_Answer(ID_YES);
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_SELECT, PLAYBOOK_FILE_LIST, "Gone"));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_DELETE_BUTTON));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_CANCEL));
    EXPECT_EQ(Run_Load(PLAYBOOK_OFFENSE), DIALOG_CANCEL);
    EXPECT_FALSE(std::filesystem::exists("playbooks/Gone.opb"));
    EXPECT_EQ(g_Shown.Items, std::vector<std::string>{"Keep"});
    EXPECT_EQ(g_Shown.nSelected, 0);
    EXPECT_EQ(g_Shown.Formations, "MOST USED FORMATIONS\nAce (Lone Setback)\n\nAVERAGE");

    // The last file deleted: the list is empty, so the dialog says so and
    // closes as cancelled.
    ui::Clear_Shown_Boxes();
    ui::Queue_Answer(ID_YES);
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_DELETE_BUTTON));
    EXPECT_EQ(Run_Load(PLAYBOOK_OFFENSE), DIALOG_CANCEL);
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[1].Caption, "No Offensive Playbooks Files");
    EXPECT_FALSE(std::filesystem::exists("playbooks/Keep.opb"));
}

TEST_F(PlaybookDialogsTest, AFileThatCannotBeDeletedSaysSo)
{
    // A folder with the file's name, not empty: the list shows it, the
    // delete fails.
    std::filesystem::create_directory("playbooks/Stuck.opb");
    Write_Raw("playbooks/Stuck.opb/inside", "x");
    ui::Queue_Answer(ID_YES);
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_DELETE_BUTTON));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_CANCEL));
    EXPECT_EQ(Run_Load(PLAYBOOK_OFFENSE), DIALOG_CANCEL);
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[1].Caption, "Couldn't delete file");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text,
              "Vazarudu Kelvo could not delete Stuck.opb. You can delete it manually. If you have further problems "
              "you may need to re-install Vazarudu Kelvo.");
    EXPECT_TRUE(std::filesystem::is_directory("playbooks/Stuck.opb"));
}

// ---------------------------------------------------------------------------
// Save Playbook

TEST_F(PlaybookDialogsTest, SaveOffersTheStoredNameOrTheNicknameAndYear)
{
    Set_Team_String("Hawks", 1, TEAM_STRING_NICKNAME);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2017;
    Set_User_Preference(PREF_SEASON_INDEX, 2);
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_CANCEL));
    EXPECT_EQ(Run_Save(PLAYBOOK_OFFENSE), 0);
    EXPECT_EQ(g_Shown.Title, "Save Offensive Playbook");
    EXPECT_EQ(g_Shown.Group, "Save Current Offensive Playbook As:");
    EXPECT_EQ(g_Shown.Name, "Hawks-2019");

    std::strcpy(Get_Defensive_Playbook_Area(1)->szName, "Bend Dont Break");
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_CANCEL_BUTTON));
    EXPECT_EQ(Run_Save(PLAYBOOK_DEFENSE), 0);
    EXPECT_EQ(g_Shown.Title, "Save Defensive Playbook");
    EXPECT_EQ(g_Shown.Group, "Save Current Defensive Playbook As:");
    EXPECT_EQ(g_Shown.Name, "Bend Dont Break");
    EXPECT_TRUE(List_Playbook_Files(PLAYBOOK_DEFENSE).empty());
}

TEST_F(PlaybookDialogsTest, SaveStoresTheNameInTheFileAndAsksBeforeOverwriting)
{
    const std::string Long = "A playbook name well past thirty-seven characters";
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_SET_TEXT, PLAYBOOK_NAME_EDIT, Long));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_SAVE_BUTTON));
    EXPECT_EQ(Run_Save(PLAYBOOK_OFFENSE), DIALOG_OK);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    // The name is cut to 37 characters in the playbook; the file keeps it all.
    EXPECT_EQ(Stored_Offense_Name(1), Long.substr(0, 37));
    const std::string Saved = Read_Text_File("playbooks/" + Long + ".opb");
    EXPECT_EQ(Saved, Offense_Of(1));
    EXPECT_EQ(std::string(Saved.c_str() + 17536), Long.substr(0, 37));

    // Again under the same name: Cancel keeps the dialog and the file.
    std::strcpy(Get_Offensive_Playbook_Area(1)->szNotes, "Changed since.");
    ui::Queue_Answer(ID_CANCEL);
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_SET_TEXT, PLAYBOOK_NAME_EDIT, Long));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_SAVE_BUTTON));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_CANCEL_BUTTON));
    EXPECT_EQ(Run_Save(PLAYBOOK_OFFENSE), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Filename in use");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "A playbook with that name already exists. Overwrite?");
    EXPECT_EQ(ui::Shown_Boxes()[0].Style & BOX_BUTTON_MASK, BOX_OKCANCEL);
    EXPECT_EQ(Read_Text_File("playbooks/" + Long + ".opb"), Saved);

    // OK overwrites.
    ui::Queue_Answer(ID_OK);
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_SET_TEXT, PLAYBOOK_NAME_EDIT, Long));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_SAVE_BUTTON));
    EXPECT_EQ(Run_Save(PLAYBOOK_OFFENSE), DIALOG_OK);
    EXPECT_EQ(Read_Text_File("playbooks/" + Long + ".opb"), Offense_Of(1));
    EXPECT_NE(Read_Text_File("playbooks/" + Long + ".opb"), Saved);
}

TEST_F(PlaybookDialogsTest, UnsafeNamesChangeNothing)
{
    std::strcpy(Get_Offensive_Playbook_Area(1)->szName, "Old Name");
    const std::string Before = Offense_Of(1);
    int nFailed = Count_Failed_Saves();
    for (const std::string& Name : {std::string("../Escape"), std::string("sub/dir"), std::string("back\\slash"),
                                    std::string("tab\there"), std::string("..")}) {
        ui::Clear_Shown_Boxes();
        dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_SET_TEXT, PLAYBOOK_NAME_EDIT, Name));
        dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_SAVE_BUTTON));
        dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_CANCEL_BUTTON));
        EXPECT_EQ(Run_Save(PLAYBOOK_OFFENSE), 0) << Name;
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u) << Name;
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Open Error");
        EXPECT_EQ(ui::Shown_Boxes()[0].Text,
                  "Vazarudu Kelvo was unable to save a playbook with that file name. It may contain some invalid "
                  "characters.");
        EXPECT_EQ(Offense_Of(1), Before) << Name;
        // Counted as a save not made: a script's line that typed it fails.
        EXPECT_EQ(Count_Failed_Saves(), nFailed + 1) << Name;
        EXPECT_EQ(Last_Failed_Save_Text(), ui::Shown_Boxes()[0].Text);
        nFailed = Count_Failed_Saves();
    }
    EXPECT_TRUE(List_Playbook_Files(PLAYBOOK_OFFENSE).empty());
    EXPECT_FALSE(std::filesystem::exists("Escape.opb"));
    EXPECT_FALSE(std::filesystem::exists("sub"));
}

TEST_F(PlaybookDialogsTest, AWriteThatFailsPutsTheOldNameBack)
{
    std::strcpy(Get_Defensive_Playbook_Area(1)->szName, "Old Name");
    // A folder in the file's place: it cannot be replaced by the file.
    std::filesystem::create_directory("playbooks/Blocked.dpb");
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_SET_TEXT, PLAYBOOK_NAME_EDIT, "Blocked"));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_SAVE_BUTTON));
    const int nFailed = Count_Failed_Saves();
    EXPECT_EQ(Run_Save(PLAYBOOK_DEFENSE), DIALOG_OK);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Open Error");
    // The name was fine: the box gives the system's cause, not the name's.
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Vazarudu Kelvo was unable to save the playbook \"playbooks/Blocked.dpb\" (Is a directory).");
    EXPECT_EQ(Count_Failed_Saves(), nFailed + 1);
    EXPECT_STREQ(Get_Defensive_Playbook_Area(1)->szName, "Old Name");
    EXPECT_TRUE(std::filesystem::is_directory("playbooks/Blocked.dpb"));
    EXPECT_FALSE(std::filesystem::exists("playbooks/Blocked.dpb.tmp"));

    // A name that does save stays.
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_SET_TEXT, PLAYBOOK_NAME_EDIT, "Open Field"));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_SAVE_BUTTON));
    EXPECT_EQ(Run_Save(PLAYBOOK_DEFENSE), DIALOG_OK);
    EXPECT_STREQ(Get_Defensive_Playbook_Area(1)->szName, "Open Field");
    EXPECT_EQ(Read_Text_File("playbooks/Open Field.dpb").size(), static_cast<size_t>(DEFENSIVE_PLAYBOOK_SIZE));
}

TEST_F(PlaybookDialogsTest, AWriteThatRunsOutOfRoomSaysSoAndLeavesNothing)
{
    // The temporary file the save writes first is a device that is always
    // full: the write fails after the file was opened.
    std::strcpy(Get_Offensive_Playbook_Area(1)->szName, "Old Name");
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_SET_TEXT, PLAYBOOK_NAME_EDIT, "Full"));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_SAVE_BUTTON));
    files::Set_Temporary_Write_Device("/dev/full");
    const int nRun = Run_Save(PLAYBOOK_OFFENSE);
    files::Set_Temporary_Write_Device(nullptr);
    EXPECT_EQ(nRun, DIALOG_OK);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Write Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Vazarudu Kelvo was unable to write the playbook file, probably because of low hard drive space. You "
              "can use the 'Load Playbook' dialog to erase old playbook files. (No space left on device)");
    EXPECT_EQ(Last_Failed_Save_Text(), ui::Shown_Boxes()[0].Text);
    EXPECT_EQ(Stored_Offense_Name(1), "Old Name");
    EXPECT_FALSE(std::filesystem::exists("playbooks/Full.opb"));
    EXPECT_EQ(files::List_Folder("playbooks", files::TEMPORARY_FILE_PATTERN), std::vector<std::string>{});
}

// A file named "playbooks" where the folder goes, and a folder the user
// cannot write: the box names the file and the system's cause, the save
// counts as not made, and the playbook keeps its name.
TEST_F(PlaybookDialogsTest, ASaveTheSystemRefusesGivesTheSystemsCause)
{
    std::strcpy(Get_Offensive_Playbook_Area(1)->szName, "Old Name");
    std::filesystem::remove_all("playbooks");
    Write_Raw("playbooks", "a file");
    const int nFailed = Count_Failed_Saves();
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_SET_TEXT, PLAYBOOK_NAME_EDIT, "Mine"));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_SAVE_BUTTON));
    EXPECT_EQ(Run_Save(PLAYBOOK_OFFENSE), DIALOG_OK);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Open Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Vazarudu Kelvo was unable to save the playbook \"playbooks/Mine.opb\" (Not a directory).");
    EXPECT_EQ(Count_Failed_Saves(), nFailed + 1);
    EXPECT_EQ(Last_Failed_Save_Text(), ui::Shown_Boxes()[0].Text);
    EXPECT_EQ(Stored_Offense_Name(1), "Old Name");
    EXPECT_EQ(Read_Text_File("playbooks"), "a file");

    std::filesystem::remove("playbooks");
    ASSERT_EQ(::mkdir("playbooks", 0555), 0);
    if (::access("playbooks", W_OK) == 0) {   // root ignores modes
        ::chmod("playbooks", 0755);
        return;
    }
    ui::Clear_Shown_Boxes();
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_SET_TEXT, PLAYBOOK_NAME_EDIT, "Mine"));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_SAVE_BUTTON));
    EXPECT_EQ(Run_Save(PLAYBOOK_OFFENSE), DIALOG_OK);
    ::chmod("playbooks", 0755);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Vazarudu Kelvo was unable to save the playbook \"playbooks/Mine.opb\" (Permission denied).");
    EXPECT_EQ(Count_Failed_Saves(), nFailed + 2);
    EXPECT_EQ(Stored_Offense_Name(1), "Old Name");
}

// ---------------------------------------------------------------------------
// The shipped books

TEST_F(PlaybookDialogsTest, TheShippedBooksAreListedAndHoldTheBuiltInPlays)
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    const std::filesystem::path Shipped = std::filesystem::path(szSource != nullptr ? szSource : "..") / "data/playbooks";
    std::error_code Error;
    std::filesystem::copy(Shipped, "playbooks", std::filesystem::copy_options::recursive, Error);
    ASSERT_FALSE(Error) << Error.message();
    EXPECT_EQ(List_Playbook_Files(PLAYBOOK_OFFENSE),
              (std::vector<std::string>{"Default", "Double Tight End", "Two Back", "West Coast"}));
    EXPECT_EQ(List_Playbook_Files(PLAYBOOK_DEFENSE), std::vector<std::string>{"4-3"});
    const OFFENSIVE_PLAYBOOK_AREA& Built = *Get_Offensive_Playbook_Area(0);
    for (const char* szBook : {"Default", "Double Tight End", "Two Back", "West Coast"}) {
        ASSERT_TRUE(Load_Playbook_File(-1, PLAYBOOK_OFFENSE, szBook)) << szBook;
        const OFFENSIVE_PLAYBOOK_AREA& Book = *Get_Offensive_Scratch_Area();
        EXPECT_STREQ(Book.szName, szBook);
        EXPECT_EQ(std::memcmp(Book.Play, Built.Play, sizeof(Book.Play)), 0) << szBook;
        EXPECT_EQ(std::memcmp(Book.szCategory, Built.szCategory, sizeof(Book.szCategory)), 0) << szBook;
        int nMarked = 0;
        for (uint8_t b : Book.bSelected)
            nMarked += b;
        EXPECT_EQ(nMarked, 25) << szBook;
        EXPECT_NE(std::string(Book.szNotes).find(std::string("The ") + szBook + " playbook"), std::string::npos);
    }
    // The team's default playbook (the Playbook Editor's notes) and the shipped
    // Default book (Load Offensive Playbook's) count the same plays alike: of
    // the 54, plays 0-19 and the two end arounds (52, 53) run, 20-51 pass.
    EXPECT_STREQ(Built.szNotes, "The default offensive playbook includes 22 running plays and 32 passing plays.");
    ASSERT_TRUE(Load_Playbook_File(-1, PLAYBOOK_OFFENSE, "Default"));
    EXPECT_NE(std::string(Get_Offensive_Scratch_Area()->szNotes).find("22 running plays and 32 passing plays"),
              std::string::npos)
        << Get_Offensive_Scratch_Area()->szNotes;
    // The West Coast marks only plays of formations that fit it at 1000 or
    // more (the Ace, the Shotgun sets, Trips), and no play of the 'I' (500).
    ASSERT_TRUE(Load_Playbook_File(-1, PLAYBOOK_OFFENSE, "West Coast"));
    for (int p = 0; p < TEAM_OFFENSIVE_PLAYS; ++p) {
        if (Get_Offensive_Scratch_Area()->Play[p].nFormation == I_FORMATION) {
            EXPECT_EQ(Get_Offensive_Scratch_Area()->bSelected[p], 0) << p;
        }
    }
    ASSERT_TRUE(Load_Playbook_File(-1, PLAYBOOK_DEFENSE, "4-3"));
    EXPECT_STREQ(Get_Defensive_Scratch_Area()->szName, "4-3");
    EXPECT_EQ(std::memcmp(Get_Defensive_Scratch_Area()->Play, Get_Defensive_Playbook_Area(0)->Play,
                          sizeof(Get_Defensive_Scratch_Area()->Play)),
              0);
}

// ---------------------------------------------------------------------------
// The commands

TEST_F(PlaybookDialogsTest, TheFileMenuCommandsOpenEachDialogForItsSide)
{
    Write_Raw("playbooks/Ace.opb", Offense_With({{ACE, 54}}));
    Write_Raw("playbooks/Base.dpb", Defense_With({{THREE_FOUR, 30}}));
    const struct {
        int nCommand;
        int nDialog;
        const char* szTitle;
    } Cases[] = {
        {CMD_LOAD_OFFENSIVE_PLAYBOOK, LOAD_PLAYBOOK_DIALOG, "Load Offensive Playbook"},
        {CMD_LOAD_DEFENSIVE_PLAYBOOK, LOAD_PLAYBOOK_DIALOG, "Load Defensive Playbook"},
        {CMD_SAVE_OFFENSIVE_PLAYBOOK, SAVE_PLAYBOOK_DIALOG, "Save Offensive Playbook"},
        {CMD_SAVE_DEFENSIVE_PLAYBOOK, SAVE_PLAYBOOK_DIALOG, "Save Defensive Playbook"},
    };
    for (const auto& Case : Cases) {
        dialogs::Reset();
        dialogs::Queue_Action(Case.nDialog, Action(ACTION_CANCEL));
        ASSERT_TRUE(Dispatch_Main_Command(Case.nCommand)) << Case.szTitle;
        ASSERT_EQ(dialogs::Records().size(), 1u) << Case.szTitle;
        EXPECT_EQ(dialogs::Records()[0].nDialogId, Case.nDialog);
        EXPECT_EQ(dialogs::Records()[0].Title, Case.szTitle);
    }
    EXPECT_EQ(Find_Main_Command_Id("Load Offensive Playbook..."), CMD_LOAD_OFFENSIVE_PLAYBOOK);
    EXPECT_EQ(Find_Main_Command_Id("save defensive playbook"), CMD_SAVE_DEFENSIVE_PLAYBOOK);
    // The help buttons open the dialogs' own pages.
    services::Reset();
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_HELP_BUTTON));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, Action(ACTION_CANCEL));
    Run_Save(PLAYBOOK_OFFENSE);
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_PRESS, PLAYBOOK_HELP_BUTTON));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, Action(ACTION_CANCEL));
    Run_Load(PLAYBOOK_OFFENSE);
    EXPECT_EQ(services::Help_Pages_Opened(), (std::vector<std::string>{"saveplaybook", "loadplaybook"}));
    services::Reset();
}

}  // namespace

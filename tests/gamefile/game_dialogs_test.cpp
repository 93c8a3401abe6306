// The game dialogs driven headless: a new game for a chosen team, the
// franchise figures, saving under a name and resuming it, deleting, the
// overwrite question, refused names, the question whether to save changes,
// saving refused while games are played, and a damaged game refused with the
// league kept.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "gamefile/game_file_fixture.h"
#include "league/cities.h"
#include "league/default_settings.h"
#include "league/game_summary.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player_hash.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "gamefile/dialog_actions.h"
#include "editors/fantasy_draft_dialog.h"
#include "season/fantasy_draft.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "dialog_press.h"
#include "test_support.h"

namespace {

DIALOG_ACTION Check(int nControl, bool bOn)
{
    DIALOG_ACTION Action;
    Action.nKind = ACTION_CHECK;
    Action.nControl = nControl;
    Action.nValue = bOn ? 1 : 0;
    return Action;
}

const char* const NICKNAMES[4] = {"Minutemen", "Bears", "Broncos", "Oilers"};

// The small league of the game-file tests, with nicknames and owners.
void Build_Named_League(int nYear)
{
    Build_Game_File_League();
    League.Universe.nStat[FIRST_SEASON_YEAR] = nYear;
    for (int t = 0; t < 4; ++t) {
        Set_Team_String(NICKNAMES[t], t, TEAM_STRING_NICKNAME);
        Set_Team_String("Old Owner", t, TEAM_STRING_OWNER);
    }
    Count_Teams();
}

int Team_Named(const char* szNickname)
{
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        char szName[64] = "";
        if (Is_Team_Slot_Used(t) && Get_Team_String(szName, t, TEAM_STRING_NICKNAME) && std::strcmp(szName, szNickname) == 0)
            return t;
    }
    return -1;
}

std::string Game_Name()
{
    char szName[300];
    Get_Current_Game_Name(szName, sizeof(szName));
    return szName;
}

bool Box_Shown(const std::string& Caption, const std::string& Text)
{
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        if (Box.Caption == Caption && (Text.empty() || Box.Text == Text))
            return true;
    return false;
}

class GameDialogsTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"dialogs"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        dialogs::Reset();
        Install_Owner_Name_Store(nullptr);
    }
    void TearDown() override
    {
        dialogs::Reset();
        ui::Reset();
    }

    // The league databases the New Game dialog offers.
    static void Write_Database(int nYear)
    {
        Build_Named_League(nYear);
        ASSERT_TRUE(files::Create_Folders("databases"));
        char szPath[64];
        std::snprintf(szPath, sizeof(szPath), UNIVERSE_DATABASE_FORMAT, nYear);
        ASSERT_EQ(Save_Game(szPath), SAVE_GAME_OK);
    }

    // A loaded league with unsaved changes nowhere.
    static void Load_Fresh_League()
    {
        Build_Named_League(2019);
        ASSERT_EQ(Save_Game("seed.zrt"), SAVE_GAME_OK);
        ASSERT_EQ(Load_Universe_Database("seed.zrt"), 1);
        ASSERT_TRUE(files::Delete_File("seed.zrt"));
        ui::Clear_Shown_Boxes();
    }

    // The New Game dialog opened by hand, so its labels can be read.
    static void Open_New_Game(DIALOG& Dialog)
    {
        Start_Game_Dialog_Proc(Dialog, DIALOG_INIT, 0);
    }
    static void Choose(DIALOG& Dialog, int nControl, const std::string& Item)
    {
        const DIALOG_CONTROL* pControl = Dialog.Find(nControl);
        ASSERT_NE(pControl, nullptr);
        int nIndex = -1;
        for (size_t i = 0; i < pControl->Items.size(); ++i)
            if (pControl->Items[i] == Item)
                nIndex = static_cast<int>(i);
        ASSERT_GE(nIndex, 0) << Item;
        Dialog.Set_Selected(nControl, nIndex);
        Start_Game_Dialog_Proc(Dialog, DIALOG_COMMAND, nControl);
    }
    static void Toggle(DIALOG& Dialog, int nControl, bool bOn)
    {
        Dialog.Set_Checked(nControl, bOn);
        Start_Game_Dialog_Proc(Dialog, DIALOG_COMMAND, nControl);
    }
};

std::string g_StoredOwner = "Casey Stored";
bool Read_Stored_Owner(char* szName, size_t nSize)
{
    std::snprintf(szName, nSize, "%s", g_StoredOwner.c_str());
    return true;
}
void Write_Stored_Owner(const char* szName)
{
    g_StoredOwner = szName;
}

}  // namespace

// --- New Game ----------------------------------------------------------------

TEST_F(GameDialogsTest, NewGameForAChosenTeamMakesItTheUsersAndWritesTheSettings)
{
    Write_Database(2019);
    Zero_League_Data();
    OWNER_NAME_STORE Store;
    Store.pRead = Read_Stored_Owner;
    Store.pWrite = Write_Stored_Owner;
    Install_Owner_Name_Store(&Store);
    g_StoredOwner = "Casey Stored";

    dialogs::Queue_Action(NEW_GAME_DIALOG, Select(NEW_GAME_TEAM, "Chicago Bears"));
    dialogs::Queue_Action(NEW_GAME_DIALOG, Set_Text(NEW_GAME_NAME, "Jordan Newcoach"));
    dialogs::Queue_Action(NEW_GAME_DIALOG, Select(NEW_GAME_TITLE, "Head Coach"));
    dialogs::Queue_Action(NEW_GAME_DIALOG, Check(NEW_GAME_REPLAY, true));   // 2019 is history
    ASSERT_EQ(Do_Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc), DIALOG_OK);
    EXPECT_EQ(dialogs::Pending_Actions(), 0u);
    EXPECT_EQ(dialogs::Last_Refusal(), "");
    // "&Play" is the default button: the script only chose.
    ASSERT_FALSE(dialogs::Records().empty());
    EXPECT_EQ(dialogs::Records().back().Lines.back(), "end 1");
    EXPECT_EQ(dialogs::Records().back().Lines[dialogs::Records().back().Lines.size() - 2], "press 1391 (default)");

    const int nBears = Team_Named("Bears");
    ASSERT_GE(nBears, 0);
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(Get_Team_Stat(t, TEAM_STAT_CONTROLLER), t == nBears ? CONTROLLER_USER : CONTROLLER_COMPUTER);
    char szOwner[64];
    Get_Team_String(szOwner, nBears, TEAM_STRING_OWNER);
    EXPECT_STREQ(szOwner, "Jordan Newcoach");
    EXPECT_EQ(g_StoredOwner, "Jordan Newcoach");
    // "Head Coach" is the third of the four titles.
    EXPECT_EQ(Get_User_Preference(PREF_USER_TITLE), 2);
    EXPECT_EQ(Get_User_Preference(PREF_DIFFICULTY), 2);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), nBears);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), nBears);
    EXPECT_EQ(Get_User_Preference(PREF_USER_LEAGUE), 0);   // Chicago plays in division 0
    EXPECT_EQ(Get_User_Preference(PREF_MAIN_PAGE), 40030);
    EXPECT_EQ(Get_User_Preference(112), 1);
    EXPECT_EQ(Get_Universe_Word(REPLAY_MODE_WORD), 1);
    EXPECT_EQ(Get_Universe_Word(FICTIONAL_PLAYERS_WORD), 0);
    EXPECT_EQ(Game_Name(), "Chicago Bears (2019)");
    bool bLogged = false;
    for (const std::string& Line : Read_Debug_Log_Lines(true))
        bLogged = bLogged || Line == "Start_Game(TRUE)";
    EXPECT_TRUE(bLogged);
}

// A league of one division a conference allows no wild card: the load of
// its 1995 database says the year's three are held to none, and the season
// Play sets up keeps none (the year's rules set three again), with nothing
// said twice.
TEST_F(GameDialogsTest, NewGamePlaysTheWildCardsItsLoadSaid)
{
    Build_Named_League(1995);
    League.Universe.nStat[WILD_CARD_TEAMS] = 3;
    ASSERT_TRUE(files::Create_Folders("databases"));
    char szPath[64];
    std::snprintf(szPath, sizeof(szPath), UNIVERSE_DATABASE_FORMAT, 1995);
    ASSERT_EQ(Save_Game(szPath), SAVE_GAME_OK);
    Zero_League_Data();
    ui::Reset();
    ASSERT_EQ(Do_Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc), DIALOG_OK);
    EXPECT_EQ(Get_Current_Year(), 1995);
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 0);
    int nSaid = 0;
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        if (Box.Caption == "Playoff Format Change") {
            ++nSaid;
            EXPECT_EQ(Box.Text, "The 1995 playoffs take 0 wild-card teams per conference instead of 3, as the "
                                "league's clubs, divisions and season length allow.");
        }
    EXPECT_EQ(nSaid, 1);
}

// "Fantasy Draft" checked: once the league is made, Start Fantasy Draft asks
// how the draft is ordered and starts it; unchecked, it never opens.
TEST_F(GameDialogsTest, FantasyDraftCheckedRunsTheDraftDialogAfterTheNewLeague)
{
    Write_Database(2019);
    Zero_League_Data();
    dialogs::Queue_Action(NEW_GAME_DIALOG, Select(NEW_GAME_TEAM, "Chicago Bears"));
    ASSERT_EQ(Do_Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc), DIALOG_OK);
    for (const DIALOG_RECORD& Record : dialogs::Records())
        EXPECT_NE(Record.nDialogId, START_FANTASY_DRAFT_DIALOG);
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);

    Zero_League_Data();
    dialogs::Reset();
    dialogs::Queue_Action(NEW_GAME_DIALOG, Select(NEW_GAME_TEAM, "Chicago Bears"));
    dialogs::Queue_Action(NEW_GAME_DIALOG, Check(NEW_GAME_FANTASY_DRAFT, true));
    DIALOG_ACTION Radio;
    Radio.nKind = ACTION_RADIO;
    Radio.nControl = FANTASY_FIRST_ALPHABETICAL;
    dialogs::Queue_Action(START_FANTASY_DRAFT_DIALOG, Radio);
    Radio.nControl = FANTASY_LATER_SNAKE_BUTTON;
    dialogs::Queue_Action(START_FANTASY_DRAFT_DIALOG, Radio);
    ASSERT_EQ(Do_Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc), DIALOG_OK);
    EXPECT_EQ(dialogs::Pending_Actions(), 0u);
    EXPECT_EQ(dialogs::Last_Refusal(), "");
    bool bRan = false;
    for (const DIALOG_RECORD& Record : dialogs::Records())
        bRan = bRan || (Record.nDialogId == START_FANTASY_DRAFT_DIALOG && Record.nResult == DIALOG_OK);
    EXPECT_TRUE(bRan);
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 1);
    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    EXPECT_EQ(State.nFirstRoundMode, 4);
    EXPECT_EQ(State.nLaterRoundMode, 5);
    // The user's club is on the clock (the computer's picked before it).
    EXPECT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), Team_Named("Bears"));
    ui::Queue_Answer(ID_CANCEL);
    Confirm_End_Fantasy_Draft();
}

// A user's ratings file of the year reaches the new league (replay mode
// reads the replay folder); a league without one plays on its own ratings.
TEST_F(GameDialogsTest, NewGameLoadsTheYearsRatingsFileWhenThereIsOne)
{
    Write_Database(2019);
    const int nID = Get_Player_ID(0, 0);
    ASSERT_GT(nID, 0);
    Zero_League_Data();
    ASSERT_TRUE(files::Create_Folders("Input/Ratings/Replay"));
    FILE* pFile = files::Open_File("Input/Ratings/Replay/2019_Player_Ratings.csv", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fprintf(pFile, "PlayerID,2019_Team,First,Last,Position,Expanded,OVERALL,PEAK\n%d,X,A,B,,,75,0", nID);
    for (int k = 0; k < 26; ++k)
        std::fprintf(pFile, ",%d", k == 0 ? 97 : 0);
    std::fprintf(pFile, "\n");
    std::fclose(pFile);

    dialogs::Queue_Action(NEW_GAME_DIALOG, Select(NEW_GAME_TEAM, "Chicago Bears"));
    dialogs::Queue_Action(NEW_GAME_DIALOG, Check(NEW_GAME_REPLAY, true));
    ASSERT_EQ(Do_Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc), DIALOG_OK);
    int nTeam = -1;
    int nSlot = -1;
    ASSERT_TRUE(Find_Player_ID_Team_Slot(&nTeam, &nSlot, nID));
    // Bit 4: his overall was set from the file.
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) & 4, 4);
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        EXPECT_NE(Box.Caption, "Load Player Ratings");
}

TEST_F(GameDialogsTest, PlayAppliesTheCheckedVariationsToTheNewLeague)
{
    Build_Named_League(2019);
    Set_City_Name(5, "Springfield");   // one city the league keeps, with figures of its own
    Set_City_Index_Stat(5, 0, 4321);
    ASSERT_TRUE(files::Create_Folders("databases"));
    char szPath[64];
    std::snprintf(szPath, sizeof(szPath), UNIVERSE_DATABASE_FORMAT, 2019);
    ASSERT_EQ(Save_Game(szPath), SAVE_GAME_OK);
    Zero_League_Data();
    dialogs::Queue_Action(NEW_GAME_DIALOG, Select(NEW_GAME_TEAM, "Chicago Bears"));
    dialogs::Queue_Action(NEW_GAME_DIALOG, Check(NEW_GAME_EQUALIZE, true));
    ASSERT_EQ(Do_Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc), DIALOG_OK);
    // Equal cities: every named city gets the same population (1,000,000).
    int nCities = 0;
    for (int c = 0; c < NUMBER_OF_CITIES; ++c) {
        if (!Is_City_Named(c))
            continue;
        ++nCities;
        EXPECT_EQ(Get_City_Stat(c, 0), 1000000) << "city " << c;
    }
    EXPECT_GT(nCities, 0);
}

TEST_F(GameDialogsTest, YourNameStartsAsTheLastOwnerAndIsCutToTheOwnerField)
{
    Write_Database(2019);
    OWNER_NAME_STORE Store;
    Store.pRead = Read_Stored_Owner;
    Store.pWrite = Write_Stored_Owner;
    Install_Owner_Name_Store(&Store);
    g_StoredOwner = "Casey Stored";
    DIALOG Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc, nullptr);
    Open_New_Game(Dialog);
    EXPECT_EQ(Dialog.Get_Text(NEW_GAME_NAME), "Casey Stored");
    EXPECT_EQ(Dialog.Get_Selected(NEW_GAME_TITLE), 0);
    EXPECT_EQ(Dialog.Find(NEW_GAME_TITLE)->Items, (std::vector<std::string>{"Fan", "Coach", "Head Coach", "Kelvo"}));
    EXPECT_EQ(Dialog.Default_Button(), NEW_GAME_PLAY);

    const std::string Long(40, 'x');
    Dialog.Set_Text(NEW_GAME_NAME, Long);
    Start_Game_Dialog_Proc(Dialog, DIALOG_COMMAND, NEW_GAME_PLAY);
    ASSERT_TRUE(Dialog.Ended());
    char szOwner[64];
    Get_Team_String(szOwner, Get_User_Preference(PREF_CURRENT_TEAM), TEAM_STRING_OWNER);
    EXPECT_EQ(std::string(szOwner), std::string(31, 'x'));
}

TEST_F(GameDialogsTest, FranchiseFiguresOfTheChosenTeam)
{
    Write_Database(2019);
    DIALOG Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc, nullptr);
    Open_New_Game(Dialog);
    EXPECT_EQ(Dialog.Find(NEW_GAME_SEASON)->Items, std::vector<std::string>{"2019"});
    EXPECT_EQ(Dialog.Find(NEW_GAME_TEAM)->Items,
              (std::vector<std::string>{"Boston Minutemen", "Chicago Bears", "Denver Broncos", "Houston Oilers"}));
    Choose(Dialog, NEW_GAME_TEAM, "Denver Broncos");
    const int nTeam = Team_Named("Broncos");
    ASSERT_GE(nTeam, 0);
    // Figures set by hand, then the team chosen again to show them.
    Set_City_Stat(nTeam, CITY_STAT_REGION_POPULATION, 2345678);
    Set_City_Stat(nTeam, CITY_STAT_INCOME, 52045);
    Set_Team_Financial_Stat(nTeam, FINANCE_LOYALTY, 1000);   // 1000 / 100 - 6 = 4: "Supportive"
    Set_Team_Stadium_Stat(nTeam, STADIUM_STAT_CAPACITY, 76125);
    Choose(Dialog, NEW_GAME_TEAM, "Denver Broncos");
    EXPECT_EQ(Dialog.Get_Text(NEW_GAME_FAN_BASE), "Fan Base: 2,345,678");
    EXPECT_EQ(Dialog.Get_Text(NEW_GAME_FAN_INCOME), "Fan Income: $52,045");
    EXPECT_EQ(Dialog.Get_Text(NEW_GAME_FAN_LOYALTY), "Fan Loyalty: Supportive");
    EXPECT_EQ(Dialog.Get_Text(NEW_GAME_STADIUM), "Stadium Capacity: 76,125");
    // Loyalty reads the league standard 1000 unless owner mode is on.
    Set_User_Preference(PREF_OWNER_MODE, 1);
    Set_Team_Financial_Stat(nTeam, FINANCE_LOYALTY, 250);    // below the scale: the first mood
    Choose(Dialog, NEW_GAME_TEAM, "Denver Broncos");
    EXPECT_EQ(Dialog.Get_Text(NEW_GAME_FAN_LOYALTY), "Fan Loyalty: Apathetic");
    Set_Team_Financial_Stat(nTeam, FINANCE_LOYALTY, 2500);   // above it: the last
    Choose(Dialog, NEW_GAME_TEAM, "Denver Broncos");
    EXPECT_EQ(Dialog.Get_Text(NEW_GAME_FAN_LOYALTY), "Fan Loyalty: Fanatical");
    Set_Team_Financial_Stat(nTeam, FINANCE_LOYALTY, 899);    // 8 - 6 = 2: "Lukewarm"
    Choose(Dialog, NEW_GAME_TEAM, "Denver Broncos");
    EXPECT_EQ(Dialog.Get_Text(NEW_GAME_FAN_LOYALTY), "Fan Loyalty: Lukewarm");
    // Money figures come from the finance rules; the labels split them as
    // the dialog words them.
    const int nPayroll = Get_Team_Financial_Stat(nTeam, FINANCE_PAYROLL);
    char szPayroll[80];
    std::snprintf(szPayroll, sizeof(szPayroll), "Player Payroll: $%d.%d Million", nPayroll / 1000, nPayroll % 1000 / 100);
    EXPECT_EQ(Dialog.Get_Text(NEW_GAME_PAYROLL), szPayroll);
    const int nMillions = Compute_Franchise_Value(nTeam) / 1000;
    char szValue[80];
    if (nMillions >= 1000)
        std::snprintf(szValue, sizeof(szValue), "Franchise Value: $%d.%02d Billion", nMillions / 1000, nMillions % 1000 / 10);
    else
        std::snprintf(szValue, sizeof(szValue), "Franchise Value: $%d Million", nMillions);
    EXPECT_EQ(Dialog.Get_Text(NEW_GAME_FRANCHISE_VALUE), szValue);
}

TEST_F(GameDialogsTest, NotablePlayersAreAtMostFiveOfTheTeamInTheirForm)
{
    Write_Database(2019);
    DIALOG Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc, nullptr);
    Open_New_Game(Dialog);
    for (const char* szTeam : {"Boston Minutemen", "Chicago Bears", "Denver Broncos", "Houston Oilers"}) {
        Choose(Dialog, NEW_GAME_TEAM, szTeam);
        int nFilled = 0;
        bool bGap = false;
        for (int nId : NEW_GAME_NOTABLE_LABELS) {
            const std::string Text = Dialog.Get_Text(nId);
            if (Text.empty()) {
                bGap = true;
                continue;
            }
            EXPECT_FALSE(bGap) << "a listed player after an empty label";
            ++nFilled;
            // "%s (%s, %d)": name, position, age.
            const size_t nOpen = Text.rfind(" (");
            ASSERT_NE(nOpen, std::string::npos) << Text;
            EXPECT_EQ(Text.back(), ')') << Text;
            EXPECT_NE(Text.find(", ", nOpen), std::string::npos) << Text;
        }
        EXPECT_LE(nFilled, 5);
    }
    // A team without players lists nobody.
    Fill_Notable_Players(Dialog, 10);
    for (int nId : NEW_GAME_NOTABLE_LABELS)
        EXPECT_EQ(Dialog.Get_Text(nId), "");
}

TEST_F(GameDialogsTest, ReplayModeFollowsTheSeasonAndTheNicknameIsChosenAgain)
{
    Write_Database(2019);
    Write_Database(2023);
    // In 2023 the Oilers are gone: the Texans play in Houston.
    Build_Named_League(2023);
    Set_Team_String("Texans", 3, TEAM_STRING_NICKNAME);
    ASSERT_EQ(Save_Game("databases/universe-2023.dat"), SAVE_GAME_OK);
    DIALOG Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc, nullptr);
    Open_New_Game(Dialog);
    EXPECT_EQ(Dialog.Find(NEW_GAME_SEASON)->Items, (std::vector<std::string>{"2019", "2023"}));
    EXPECT_EQ(Dialog.Get_Selected(NEW_GAME_SEASON), 1);   // the newest
    EXPECT_EQ(League.Universe.nStat[FIRST_SEASON_YEAR], 2023);
    EXPECT_FALSE(Dialog.Is_Checked(NEW_GAME_REPLAY));

    Choose(Dialog, NEW_GAME_TEAM, "Denver Broncos");
    Choose(Dialog, NEW_GAME_SEASON, "2019");
    EXPECT_EQ(League.Universe.nStat[FIRST_SEASON_YEAR], 2019);
    EXPECT_TRUE(Dialog.Is_Checked(NEW_GAME_REPLAY));
    EXPECT_EQ(Dialog.Find(NEW_GAME_TEAM)->Items[Dialog.Get_Selected(NEW_GAME_TEAM)], "Denver Broncos");

    Choose(Dialog, NEW_GAME_TEAM, "Houston Oilers");
    Choose(Dialog, NEW_GAME_SEASON, "2023");
    EXPECT_FALSE(Dialog.Is_Checked(NEW_GAME_REPLAY));
    EXPECT_EQ(Dialog.Get_Selected(NEW_GAME_TEAM), 0);   // no Oilers: the first team

    ui::Clear_Shown_Boxes();
    Toggle(Dialog, NEW_GAME_REPLAY, true);
    EXPECT_FALSE(Dialog.Is_Checked(NEW_GAME_REPLAY));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Replay Mode");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Replay Mode is only valid for historical seasons.");

    Choose(Dialog, NEW_GAME_SEASON, "2019");
    Toggle(Dialog, NEW_GAME_REPLAY, false);
    Toggle(Dialog, NEW_GAME_REPLAY, true);   // historical: allowed
    EXPECT_TRUE(Dialog.Is_Checked(NEW_GAME_REPLAY));
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
}

TEST_F(GameDialogsTest, ShuffleExcludesFictionalPlayersAndTheFantasyDraft)
{
    Write_Database(2019);
    DIALOG Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc, nullptr);
    Open_New_Game(Dialog);
    Toggle(Dialog, NEW_GAME_FICTIONAL, true);
    Toggle(Dialog, NEW_GAME_FANTASY_DRAFT, true);
    Toggle(Dialog, NEW_GAME_SHUFFLE, true);
    EXPECT_TRUE(Dialog.Is_Checked(NEW_GAME_SHUFFLE));
    EXPECT_FALSE(Dialog.Is_Checked(NEW_GAME_FICTIONAL));
    EXPECT_FALSE(Dialog.Is_Checked(NEW_GAME_FANTASY_DRAFT));
    Toggle(Dialog, NEW_GAME_FANTASY_DRAFT, true);
    EXPECT_FALSE(Dialog.Is_Checked(NEW_GAME_SHUFFLE));
    Toggle(Dialog, NEW_GAME_SHUFFLE, true);
    Toggle(Dialog, NEW_GAME_FICTIONAL, true);
    EXPECT_FALSE(Dialog.Is_Checked(NEW_GAME_SHUFFLE));
    EXPECT_TRUE(Dialog.Is_Checked(NEW_GAME_FICTIONAL));
    Toggle(Dialog, NEW_GAME_EQUALIZE, true);   // independent of the others
    EXPECT_TRUE(Dialog.Is_Checked(NEW_GAME_FICTIONAL));
    Start_Game_Dialog_Proc(Dialog, DIALOG_COMMAND, NEW_GAME_PLAY);
    EXPECT_EQ(Get_Universe_Word(FICTIONAL_PLAYERS_WORD), 1);
}

TEST_F(GameDialogsTest, WithoutALeagueDatabaseNothingCanBePlayedAndTheLeagueStays)
{
    Build_Named_League(2019);
    const LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Do_Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc), DIALOG_CANCEL);
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(GameDialogsTest, ADamagedSeasonDatabaseKeepsTheSeasonShown)
{
    Write_Database(2019);
    ASSERT_TRUE(files::Create_Folders("databases"));
    FILE* pFile = std::fopen("databases/universe-2023.dat", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fputs("RIRARUVAZAVIZ2101    Cc broken", pFile);
    std::fclose(pFile);
    Zero_League_Data();
    DIALOG Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc, nullptr);
    Open_New_Game(Dialog);   // 2023 fails: nothing shown yet, Play off
    EXPECT_FALSE(Dialog.Find(NEW_GAME_PLAY)->bEnabled);
    EXPECT_TRUE(Box_Shown("Read Error", ""));
    Choose(Dialog, NEW_GAME_SEASON, "2019");
    EXPECT_TRUE(Dialog.Find(NEW_GAME_PLAY)->bEnabled);
    EXPECT_EQ(League.Universe.nStat[FIRST_SEASON_YEAR], 2019);
    // Chosen, the season that does not load leaves the league as it was,
    // stays selected with nothing to play, and counts as a failed load.
    const LEAGUE_SNAPSHOT Loaded;
    const int nFailedBefore = Count_Failed_Game_Resumes();
    Choose(Dialog, NEW_GAME_SEASON, "2023");
    EXPECT_TRUE(Loaded.Unchanged());
    EXPECT_EQ(Dialog.Find(NEW_GAME_SEASON)->Items[Dialog.Get_Selected(NEW_GAME_SEASON)], "2023");
    EXPECT_FALSE(Dialog.Find(NEW_GAME_PLAY)->bEnabled);
    EXPECT_EQ(Count_Failed_Game_Resumes(), nFailedBefore + 1);
    EXPECT_EQ(Last_Resume_Failure_Text(), "the league of 2023 (\"databases/universe-2023.dat\") could not be loaded: "
                                          "the file is cut short or damaged: its block lengths end at block 1 of 100, "
                                          "before its blocks could fill the league");
    // Play pressed all the same starts nothing.
    Start_Game_Dialog_Proc(Dialog, DIALOG_COMMAND, NEW_GAME_PLAY);
    EXPECT_TRUE(Loaded.Unchanged());
    Choose(Dialog, NEW_GAME_SEASON, "2019");
    EXPECT_TRUE(Dialog.Find(NEW_GAME_PLAY)->bEnabled);
}

// --- Save and Resume -----------------------------------------------------------

TEST_F(GameDialogsTest, SavedUnderANameTheGameResumesByteForByte)
{
    Load_Fresh_League();
    dialogs::Queue_Action(SAVE_GAME_DIALOG, Set_Text(SAVE_GAME_NAME, "My Season"));
    ASSERT_EQ(Save_Game_Command(), DIALOG_OK);
    EXPECT_TRUE(files::File_Exists("My Season.zrt"));
    EXPECT_EQ(Game_Name(), "My Season");
    EXPECT_EQ(Has_League_Changed(), 0);
    const LEAGUE_SNAPSHOT Saved;

    League.City[3].nStat[2] = 4242;   // play on, then go back to the save
    Set_Current_Game_Name("Something else");
    EXPECT_FALSE(Saved.Unchanged());
    dialogs::Queue_Action(RESUME_GAME_DIALOG, Select(SAVED_GAME_LIST, "My Season"));
    ASSERT_EQ(Do_Dialog(RESUME_GAME_DIALOG, "Resume Game", Resume_Game_Dialog_Proc), DIALOG_OK);
    EXPECT_TRUE(Saved.Unchanged());
    EXPECT_EQ(Game_Name(), "My Season");
}

TEST_F(GameDialogsTest, TheSaveDialogOffersTheGameNameAndCancelSavesNothing)
{
    Load_Fresh_League();
    Set_Current_Game_Name("Boston Minutemen (2019)");
    DIALOG Dialog(SAVE_GAME_DIALOG, "Save Game", Save_Game_Dialog_Proc, nullptr);
    Save_Game_Dialog_Proc(Dialog, DIALOG_INIT, 0);
    EXPECT_EQ(Dialog.Get_Text(SAVE_GAME_NAME), "Boston Minutemen (2019)");
    Save_Game_Dialog_Proc(Dialog, DIALOG_COMMAND, DIALOG_CANCEL);
    EXPECT_TRUE(Dialog.Ended());
    EXPECT_EQ(Dialog.Result(), 0);
    EXPECT_TRUE(files::List_Folder(".", "*.zrt").empty());
}

TEST_F(GameDialogsTest, ResumeListsTheGamesNewestSelectedAndDeletesOnYesOnly)
{
    Load_Fresh_League();
    for (const char* szName : {"alpha.zrt", "beta.zrt", "gamma.zrt", "[Auto Save].zrt"})
        ASSERT_EQ(Save_Game(szName), SAVE_GAME_OK);
    // File times an hour apart; the auto
    // save is the newest but is never the one chosen.
    const std::time_t Now = std::time(nullptr);
    auto Touch = [](const char* szName, std::time_t Time) {
        std::filesystem::last_write_time(szName, std::filesystem::file_time_type::clock::now() -
                                                     std::chrono::seconds(std::time(nullptr) - Time));
    };
    Touch("alpha.zrt", Now - 7200);
    Touch("beta.zrt", Now - 3600);
    Touch("gamma.zrt", Now - 10800);
    Touch("[Auto Save].zrt", Now);
    DIALOG Dialog(RESUME_GAME_DIALOG, "Resume Game", Resume_Game_Dialog_Proc, nullptr);
    Resume_Game_Dialog_Proc(Dialog, DIALOG_INIT, 0);
    const DIALOG_CONTROL* pList = Dialog.Find(SAVED_GAME_LIST);
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->Items, (std::vector<std::string>{"[Auto Save]", "alpha", "beta", "gamma"}));
    EXPECT_EQ(pList->Items[pList->nSelected], "beta");

    ui::Queue_Answer(ID_NO);
    Resume_Game_Dialog_Proc(Dialog, DIALOG_COMMAND, DELETE_BUTTON);
    EXPECT_TRUE(files::File_Exists("beta.zrt"));
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes().back().Caption, "Confirm File Deletion");
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "Are you sure you want to delete 'beta.zrt'?");

    ui::Queue_Answer(ID_YES);
    Resume_Game_Dialog_Proc(Dialog, DIALOG_COMMAND, DELETE_BUTTON);
    EXPECT_FALSE(files::File_Exists("beta.zrt"));
    EXPECT_EQ(pList->Items, (std::vector<std::string>{"[Auto Save]", "alpha", "gamma"}));
    EXPECT_EQ(pList->Items[pList->nSelected], "alpha");
    EXPECT_FALSE(Dialog.Ended());
}

TEST_F(GameDialogsTest, ResumeSelectsTheNewestOfTwoSavesMinutesApart)
{
    Load_Fresh_League();
    for (const char* szName : {"Focus A.zrt", "Walk Week5 2020.zrt"})
        ASSERT_EQ(Save_Game(szName), SAVE_GAME_OK);
    // File times to the nanosecond.
    auto Set_Time = [](const char* szName, std::time_t Seconds, long nNanoseconds) {
        const timespec Times[2] = {{Seconds, nNanoseconds}, {Seconds, nNanoseconds}};
        ASSERT_EQ(::utimensat(AT_FDCWD, szName, Times, 0), 0) << szName;
    };
    // 01:33:37 and 01:35:16 UTC of 8 December 2026, 99 seconds apart; the
    // later one is listed second, so a coarse comparison would keep the first.
    Set_Time("Focus A.zrt", 1796693617, 0);
    Set_Time("Walk Week5 2020.zrt", 1796693716, 0);
    DIALOG Dialog(RESUME_GAME_DIALOG, "Resume Game", Resume_Game_Dialog_Proc, nullptr);
    Resume_Game_Dialog_Proc(Dialog, DIALOG_INIT, 0);
    const DIALOG_CONTROL* pList = Dialog.Find(SAVED_GAME_LIST);
    ASSERT_NE(pList, nullptr);
    ASSERT_EQ(pList->Items, (std::vector<std::string>{"Focus A", "Walk Week5 2020"}));
    EXPECT_EQ(pList->Items[pList->nSelected], "Walk Week5 2020");

    // One second apart is still two different times, either way round.
    Set_Time("Focus A.zrt", 1796693717, 0);
    Resume_Game_Dialog_Proc(Dialog, DIALOG_INIT, 0);
    EXPECT_EQ(pList->Items[pList->nSelected], "Focus A");
    Set_Time("Focus A.zrt", 1796693715, 0);
    Resume_Game_Dialog_Proc(Dialog, DIALOG_INIT, 0);
    EXPECT_EQ(pList->Items[pList->nSelected], "Walk Week5 2020");

    // Two saves within one second: the later to the nanosecond.
    Set_Time("Focus A.zrt", 1796693716, 900);
    Set_Time("Walk Week5 2020.zrt", 1796693716, 100);
    Resume_Game_Dialog_Proc(Dialog, DIALOG_INIT, 0);
    EXPECT_EQ(pList->Items[pList->nSelected], "Focus A");
    Set_Time("Walk Week5 2020.zrt", 1796693716, 500000000);
    Resume_Game_Dialog_Proc(Dialog, DIALOG_INIT, 0);
    EXPECT_EQ(pList->Items[pList->nSelected], "Walk Week5 2020");
    // The very same time: the first listed keeps it.
    Set_Time("Focus A.zrt", 1796693716, 500000000);
    Resume_Game_Dialog_Proc(Dialog, DIALOG_INIT, 0);
    EXPECT_EQ(pList->Items[pList->nSelected], "Focus A");
}

TEST_F(GameDialogsTest, OnlyTheAutoSaveIsListedWithNothingSelectedAndNoGamesCloseTheDialog)
{
    Load_Fresh_League();
    EXPECT_EQ(Do_Dialog(RESUME_GAME_DIALOG, "Resume Game", Resume_Game_Dialog_Proc), DIALOG_CANCEL);
    EXPECT_TRUE(Box_Shown("No games to resume", "There are no Vazarudu Kelvo game files in the current directory."));

    ASSERT_EQ(Save_Game("[Auto Save].zrt"), SAVE_GAME_OK);
    DIALOG Dialog(RESUME_GAME_DIALOG, "Resume Game", Resume_Game_Dialog_Proc, nullptr);
    Resume_Game_Dialog_Proc(Dialog, DIALOG_INIT, 0);
    EXPECT_EQ(Dialog.Find(SAVED_GAME_LIST)->Items, std::vector<std::string>{"[Auto Save]"});
    EXPECT_EQ(Dialog.Get_Selected(SAVED_GAME_LIST), -1);
    const LEAGUE_SNAPSHOT Before;
    Resume_Game_Dialog_Proc(Dialog, DIALOG_COMMAND, RESUME_BUTTON);   // nothing selected: nothing happens
    EXPECT_FALSE(Dialog.Ended());
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(GameDialogsTest, AnExistingNameAsksBeforeItIsOverwritten)
{
    Load_Fresh_League();
    ASSERT_EQ(Save_Game("Taken.zrt"), SAVE_GAME_OK);
    const std::string Old = Read_Text_File("Taken.zrt");
    League.City[2].nStat[4] = 777;

    // Cancel keeps the dialog open; the script then gives up.
    ui::Queue_Answer(ID_CANCEL);
    dialogs::Queue_Action(SAVE_GAME_DIALOG, Set_Text(SAVE_GAME_NAME, "Taken"));
    dialogs::Queue_Action(SAVE_GAME_DIALOG, Press(SAVE_BUTTON));
    dialogs::Queue_Action(SAVE_GAME_DIALOG, Press(DIALOG_CANCEL));
    EXPECT_EQ(Save_Game_Command(), 0);
    EXPECT_EQ(dialogs::Pending_Actions(), 0u);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Filename in use");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "A saved game with that name already exists. Overwrite?");
    EXPECT_EQ(ui::Shown_Boxes()[0].Style & BOX_BUTTON_MASK, BOX_OKCANCEL);
    EXPECT_EQ(Read_Text_File("Taken.zrt"), Old);
    EXPECT_EQ(Has_League_Changed(), 1);

    ui::Queue_Answer(ID_OK);
    dialogs::Queue_Action(SAVE_GAME_DIALOG, Set_Text(SAVE_GAME_NAME, "Taken"));
    EXPECT_EQ(Save_Game_Command(), DIALOG_OK);
    EXPECT_NE(Read_Text_File("Taken.zrt"), Old);
    EXPECT_EQ(Has_League_Changed(), 0);
}

TEST_F(GameDialogsTest, NamesThatLeaveTheFolderAreRefusedAndNothingIsWritten)
{
    Load_Fresh_League();
    Set_Current_Game_Name("Kept Name");
    for (const char* szName : {"../escape", "sub/game", "..\\up", "a\\b", "..", "", "x..y"}) {
        ui::Clear_Shown_Boxes();
        DIALOG Dialog(SAVE_GAME_DIALOG, "Save Game", Save_Game_Dialog_Proc, nullptr);
        Save_Game_Dialog_Proc(Dialog, DIALOG_INIT, 0);
        Dialog.Set_Text(SAVE_GAME_NAME, szName);
        Save_Game_Dialog_Proc(Dialog, DIALOG_COMMAND, SAVE_BUTTON);
        EXPECT_FALSE(Dialog.Ended()) << szName;
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u) << szName;
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Invalid Game Name");
        EXPECT_FALSE(ui::Shown_Boxes()[0].Text.empty());
        EXPECT_EQ(Game_Name(), "Kept Name");
    }
    EXPECT_TRUE(files::List_Folder(".", "*").size() <= 1u);   // at most the debug log
    EXPECT_FALSE(std::filesystem::exists("../escape.zrt"));
    EXPECT_NE(Check_Saved_Game_Name("sub/game").find("\"/\""), std::string::npos);
    EXPECT_NE(Check_Saved_Game_Name("..").find("\"..\""), std::string::npos);
    EXPECT_EQ(Check_Saved_Game_Name("Plain name (1994-1996)"), "");
    EXPECT_EQ(Check_Saved_Game_Name(std::string(251, 'n')), "");
    EXPECT_NE(Check_Saved_Game_Name(std::string(252, 'n')), "");   // with ".zrt" past the name field

    // Run through Do_Dialog, the refusal leaves the dialog to its Cancel.
    ui::Clear_Shown_Boxes();
    dialogs::Queue_Action(SAVE_GAME_DIALOG, Set_Text(SAVE_GAME_NAME, "../outside"));
    EXPECT_EQ(Save_Game_Command(), 0);
    EXPECT_TRUE(Box_Shown("Invalid Game Name", ""));
    EXPECT_FALSE(std::filesystem::exists("../outside.zrt"));
}

TEST_F(GameDialogsTest, AutomaticSaveUsesTheGameNameAndRefusesOneThatLeavesTheFolder)
{
    Load_Fresh_League();
    Set_Current_Game_Name("Auto Named");
    EXPECT_EQ(Save_Game_File(), SAVE_GAME_OK);
    EXPECT_TRUE(files::File_Exists("Auto Named.zrt"));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    Set_Current_Game_Name("../Auto Named");
    EXPECT_EQ(Save_Game_File(), SAVE_GAME_CANNOT_CREATE);
    EXPECT_TRUE(Box_Shown("File Open Error", "Vazarudu Kelvo was unable to automatically save the game: A saved "
                                             "game's name cannot contain \"/\" or \"\\\": saved games are kept in "
                                             "the current folder."));
    EXPECT_FALSE(std::filesystem::exists("../Auto Named.zrt"));
}

TEST_F(GameDialogsTest, ASaveThatFailsSaysSoAndKeepsTheName)
{
    Load_Fresh_League();
    Set_Current_Game_Name("Before");
    ASSERT_TRUE(files::Create_Folders("Blocked.zrt"));   // a folder where the file would go
    dialogs::Queue_Action(SAVE_GAME_DIALOG, Set_Text(SAVE_GAME_NAME, "Blocked"));
    ui::Queue_Answer(ID_OK);   // "Filename in use": overwrite
    EXPECT_EQ(Save_Game_Command(), 0);
    EXPECT_EQ(Game_Name(), "Before");
    EXPECT_TRUE(Box_Shown("File Write Error", "") || Box_Shown("File Open Error", ""));
}

// --- The question and the refusals ------------------------------------------------

TEST_F(GameDialogsTest, AskSaveChangesAsksOnlyWhenSomethingChanged)
{
    Load_Fresh_League();
    Set_Current_Game_Name("Asked");
    ASSERT_EQ(Save_Game("Asked.zrt"), SAVE_GAME_OK);

    // Nothing changed: no question.
    EXPECT_EQ(Ask_Save_Changes(), 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // Changed, and not to be saved.
    League.Preferences.nInt[150] += 1;   // not in the team records the stored checksum covers
    ui::Queue_Answer(ID_NO);
    EXPECT_EQ(Ask_Save_Changes(), 1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Game Not Saved");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Save changes to current game since last save?");
    EXPECT_EQ(ui::Shown_Boxes()[0].Style & BOX_BUTTON_MASK, BOX_YESNOCANCEL);
    EXPECT_EQ(Has_League_Changed(), 1);

    // Cancelled.
    ui::Queue_Answer(ID_CANCEL);
    EXPECT_EQ(Ask_Save_Changes(), 0);

    // Yes, but the save dialog cancelled: the caller must not go on.
    ui::Queue_Answer(ID_YES);
    dialogs::Queue_Action(SAVE_GAME_DIALOG, Press(DIALOG_CANCEL));
    EXPECT_EQ(Ask_Save_Changes(), 0);
    EXPECT_EQ(Has_League_Changed(), 1);

    // Yes and saved (the name offered, overwriting the old file).
    ui::Queue_Answer(ID_YES);
    ui::Queue_Answer(ID_OK);
    EXPECT_EQ(Ask_Save_Changes(), 1);
    EXPECT_EQ(Has_League_Changed(), 0);
    const LEAGUE_SNAPSHOT Saved;
    ASSERT_EQ(Load_Universe_Database("Asked.zrt"), 1);
    EXPECT_TRUE(Saved.Unchanged());
}

TEST_F(GameDialogsTest, SavingIsRefusedWhileGamesArePlayedAndTheRunEndsWithTheDay)
{
    Load_Fresh_League();
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_User_Preference(PREF_TRADE_ATTEMPTS, 1);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 9);
    EXPECT_EQ(Save_Game_Command(), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Save Game");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Can't save game data while playing games.\n\nPlease try again once this day is completed.");
    EXPECT_TRUE(dialogs::Records().empty());   // no dialog opened
    EXPECT_TRUE(files::List_Folder(".", "*.zrt").empty());
    EXPECT_EQ(Get_Universe_Word(SIMULATION_STOP_DAY_WORD), 4);
    EXPECT_EQ(Get_User_Preference(PREF_TRADE_ATTEMPTS), 0);
    EXPECT_EQ(Get_User_Preference(PREF_ALL_COMPUTER_TEAMS), 0);

    // With the run at its stop day, saving is allowed again.
    dialogs::Queue_Action(SAVE_GAME_DIALOG, Set_Text(SAVE_GAME_NAME, "After The Day"));
    Set_User_Preference(PREF_CURRENT_WEEK, 4);
    EXPECT_EQ(Save_Game_Command(), DIALOG_OK);
    EXPECT_TRUE(files::File_Exists("After The Day.zrt"));
}

TEST_F(GameDialogsTest, ADamagedSavedGameIsRefusedAndTheLeagueStays)
{
    Load_Fresh_League();
    ASSERT_EQ(Save_Game("good.zrt"), SAVE_GAME_OK);
    std::string Bytes = Read_Text_File("good.zrt");
    ASSERT_GT(Bytes.size(), 5000u);
    for (size_t i = 2000; i < 2040; ++i)
        Bytes[i] = static_cast<char>(Bytes[i] ^ 0x5A);
    FILE* pFile = std::fopen("damaged.zrt", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fwrite(Bytes.data(), 1, Bytes.size(), pFile);
    std::fclose(pFile);
    League.City[7].nStat[1] = 31337;   // the league in memory is neither file
    const LEAGUE_SNAPSHOT Before;
    ui::Clear_Shown_Boxes();

    dialogs::Queue_Action(RESUME_GAME_DIALOG, Select(SAVED_GAME_LIST, "damaged"));
    dialogs::Queue_Action(RESUME_GAME_DIALOG, Press(RESUME_BUTTON));
    dialogs::Queue_Action(RESUME_GAME_DIALOG, Press(DIALOG_CANCEL));
    EXPECT_EQ(Do_Dialog(RESUME_GAME_DIALOG, "Resume Game", Resume_Game_Dialog_Proc), DIALOG_CANCEL);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_TRUE(Is_League_Loaded());
    // The box keeps its words and says which block is damaged; the dialog's
    // record has the failure right after the press that asked for the file,
    // and the dialog stayed open for the Cancel.
    // The block whose stream holds the bytes changed, by the lengths of the file.
    size_t nAt = 25;
    int nBlock = 1;
    for (;; ++nBlock) {
        const size_t nLength = static_cast<unsigned char>(Bytes[nAt]) |
                               static_cast<size_t>(static_cast<unsigned char>(Bytes[nAt + 1])) << 8 |
                               static_cast<size_t>(static_cast<unsigned char>(Bytes[nAt + 2])) << 16;
        if (nAt + 4 + nLength > 2000)
            break;
        nAt += 4 + nLength;
    }
    const std::string Reason =
        "block " + std::to_string(nBlock) + " of 100 is damaged: its compressed data do not inflate (";
    const std::string Words = "Couldn't load the game \"damaged.zrt\".\n\nThere was an error in reading the file.\n\nB";
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes().back().Text.rfind(Words + Reason.substr(1), 0), 0u) << ui::Shown_Boxes().back().Text;
    const std::vector<std::string>& Lines = dialogs::Records().back().Lines;
    ASSERT_EQ(Lines.size(), 5u);
    EXPECT_EQ(Lines[1], "press 1");
    EXPECT_EQ(Lines[2].rfind("failed: the game was not loaded: \"damaged.zrt\" could not be loaded: " + Reason, 0), 0u)
        << Lines[2];
    EXPECT_EQ(Lines[3], "press 2");

    // A later command works on the league from before: a save of it holds it.
    dialogs::Queue_Action(SAVE_GAME_DIALOG, Set_Text(SAVE_GAME_NAME, "later"));
    EXPECT_EQ(Save_Game_Command(), DIALOG_OK);
    League.City[7].nStat[1] = 0;
    ASSERT_EQ(Load_Universe_Database("later.zrt"), 1);
    EXPECT_EQ(League.City[7].nStat[1], 31337);
}

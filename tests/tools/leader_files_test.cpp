// The all-time leader files: their names and header, the three tables
// written and read back entry for entry (linked again by external ID or
// names, from outside: team NO_TEAM), names holding commas, the players'
// careers offered before an export, and a year without files.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../league/player_fixture.h"
#include "league/leader_tables.h"
#include "league/player_stats.h"
#include "league/player_text.h"
#include "tools/leader_files.h"

namespace {

class LeaderFilesTest : public PlayerTest {
protected:
    SCRATCH_FOLDER Scratch{"leader_files"};
    void SetUp() override
    {
        PlayerTest::SetUp();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2010;
        Use_Franchises(1);
        Put_Player(0, 0, 501, POSITION_RB);
        Set_Player_First_Name(0, 0, "Ann");
        Set_Player_Last_Name(0, 0, "Runner");
        Set_Player_Corvel_ID(0, 0, "runnean01");
        Put_Player(0, 1, 502, POSITION_QB);
        Set_Player_First_Name(0, 1, "Pat");
        Set_Player_Last_Name(0, 1, "Passer");
    }
    static LEADER_ENTRY Entry(const char* szFirst, const char* szLast, int nID, int nValue, int nYear, int nWeek,
                              int nAge, int nSeasons, int nTeam)
    {
        LEADER_ENTRY E{};
        Set_Leader_Entry_Names(&E, szLast, szFirst);
        E.nPlayerID = nID;
        E.nValue = nValue;
        E.nYear = static_cast<int16_t>(nYear);
        E.nWeek = static_cast<int8_t>(nWeek);
        E.nAge = static_cast<uint8_t>(nAge);
        E.nSeasons = nSeasons;
        E.nTeam = static_cast<uint8_t>(nTeam);
        return E;
    }
};

TEST_F(LeaderFilesTest, NamesAndHeader)
{
    EXPECT_EQ(Get_Leader_File_Path(2010, LEADER_TABLE_CAREER, LEADER_RUSH_YARDS),
              "Input/Leaders/2010-Career-Rushing_Yards.csv");
    EXPECT_EQ(Get_Leader_File_Path(1999, LEADER_TABLE_GAME, LEADER_CAP_IMPACT), "Input/Leaders/1999-Game-Cap_Impact.csv");
    EXPECT_EQ(Get_Leader_File_Path(2010, 3, 0), "");
    EXPECT_EQ(Get_Leader_File_Path(2010, 0, 30), "");
    EXPECT_EQ(Write_Leader_Files(2010), 90);
    EXPECT_EQ(Read_Text_File("Input/Leaders/2010-Season-Sacks.csv"), "Year,ID,First,Last,Sacks,Week,Age,Experience\n");
    // Every key is a plain file-name part.
    for (const char* szKey : LEADER_STAT_KEYS)
        EXPECT_EQ(std::strpbrk(szKey, ",/\\ ."), nullptr) << szKey;
}

TEST_F(LeaderFilesTest, TheTablesGoOutAndComeBackEntryForEntry)
{
    // Careers: Ann (linked, with an external ID), a retired player with a
    // comma and a quote in his names, a nameless entry with a value.
    Set_Leader_Entry(LEADER_TABLE_CAREER, LEADER_RUSH_YARDS, 0, Entry("Ann", "Runner", 501, 9000, 2009, 17, 30, 9, 0));
    Set_Leader_Entry(LEADER_TABLE_CAREER, LEADER_RUSH_YARDS, 1,
                     Entry("Old \"Iron\"", "Timer, Jr.", 0, 8000, 1975, 14, 35, 13, NO_TEAM));
    Set_Leader_Entry(LEADER_TABLE_SEASON, LEADER_SACKS, 0, Entry("Pat", "Passer", 502, 205, 2008, 16, 28, 6, 0));
    Set_Leader_Entry(LEADER_TABLE_GAME, LEADER_PASSING_YARDS, 0, Entry("Pat", "Passer", 502, 480, 2009, 5, 29, 7, 0));
    Set_Leader_Entry(LEADER_TABLE_GAME, LEADER_PASSING_YARDS, 1, Entry("Gone", "Player", 0, 470, 2001, -1, 0, 0, NO_TEAM));
    ASSERT_EQ(Write_Leader_Files(2010), 90);
    EXPECT_EQ(Read_Text_File("Input/Leaders/2010-Career-Rushing_Yards.csv"),
              "Year,ID,First,Last,Rushing_Yards,Week,Age,Experience\n"
              "2009,runnean01,Ann,Runner,9000,17,30,9\n"
              "1975,,\"Old \"\"Iron\"\"\",\"Timer, Jr.\",8000,14,35,13\n");

    LEADER_LIST Saved[3][LEADER_STAT_COUNT];
    for (int t = 0; t < 3; ++t)
        for (int s = 0; s < LEADER_STAT_COUNT; ++s)
            Read_Leader_List(t, s, Saved[t][s]);
    std::memset(League.LeaderTables, 0, sizeof(League.LeaderTables));
    EXPECT_EQ(Load_All_Time_Leaders(2010), 90);
    for (int t = 0; t < 3; ++t) {
        for (int s = 0; s < LEADER_STAT_COUNT; ++s) {
            LEADER_LIST List;
            Read_Leader_List(t, s, List);
            for (int i = 0; i < LEADER_LIST_LENGTH; ++i) {
                SCOPED_TRACE(std::to_string(t) + "/" + std::to_string(s) + "/" + std::to_string(i));
                const LEADER_ENTRY& A = Saved[t][s][i];
                const LEADER_ENTRY& B = List[i];
                EXPECT_STREQ(A.szFirstName, B.szFirstName);
                EXPECT_STREQ(A.szLastName, B.szLastName);
                EXPECT_EQ(A.nValue, B.nValue);
                EXPECT_EQ(A.nYear, B.nYear);
                EXPECT_EQ(A.nWeek, B.nWeek);
                EXPECT_EQ(A.nAge, B.nAge);
                EXPECT_EQ(A.nSeasons, B.nSeasons);
                // Linked again: by external ID, or by names; from outside.
                EXPECT_EQ(A.nPlayerID, B.nPlayerID);
                if (A.nValue != 0) {
                    EXPECT_EQ(B.nTeam, NO_TEAM);
                }
            }
        }
    }
}

TEST_F(LeaderFilesTest, AnExportOffersTheCareersFirstAndAYearWithoutFilesChangesNothing)
{
    Set_Player_Stat(0, 0, STAT_PERIOD_CAREER, 0, 40);
    Set_Player_Stat(0, 0, STAT_PERIOD_CAREER, 8, 4321);   // rushing yards
    EXPECT_EQ(Export_Leaders_CSV(2010), 90);
    const std::string Text = Read_Text_File("Input/Leaders/2010-Career-Rushing_Yards.csv");
    EXPECT_NE(Text.find(",runnean01,Ann,Runner,4321,"), std::string::npos) << Text;

    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Load_All_Time_Leaders(1999), 0);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

}  // namespace

// A year's files are a set, replaced whole or not at all: when one cannot be
// written (where it is staged, or a folder in its own place that would refuse
// the rename; a full disk in life) the files the year had stay as they were,
// nothing staged is left, one box names the file, and the other years' files
// stay.
TEST_F(LeaderFilesTest, AYearThatCannotBeWrittenWholeKeepsTheFilesItHad)
{
    namespace fs = std::filesystem;
    ASSERT_EQ(Write_Leader_Files(2009), 90);
    Set_Leader_Entry(LEADER_TABLE_CAREER, LEADER_RUSH_YARDS, 0, Entry("Ann", "Runner", 501, 9000, 2009, 17, 30, 9, 0));
    ASSERT_EQ(Write_Leader_Files(2010), 90);
    const std::string Old = Read_Text_File("Input/Leaders/2010-Career-Rushing_Yards.csv");
    ASSERT_NE(Old.find(",9000,"), std::string::npos) << Old;
    Set_Leader_Entry(LEADER_TABLE_CAREER, LEADER_RUSH_YARDS, 0, Entry("Ann", "Runner", 501, 9500, 2010, 17, 31, 10, 0));
    const auto Count = [](const char* szPrefix, const char* szEnd) {
        int n = 0;
        for (const auto& Entry : fs::directory_iterator("Input/Leaders")) {
            const std::string Name = Entry.path().filename().string();
            const std::string End = szEnd;
            n += Name.rfind(szPrefix, 0) == 0 && Entry.is_regular_file() && Name.size() > End.size() &&
                 Name.compare(Name.size() - End.size(), End.size(), End) == 0;
        }
        return n;
    };
    const std::string Sacks = "Input/Leaders/2010-Season-Sacks.csv";
    for (const int nKept : {90, 89}) {
        SCOPED_TRACE(nKept);
        ui::Clear_Shown_Boxes();
        if (nKept == 90) {
            ASSERT_TRUE(fs::create_directories(Sacks + LEADER_STAGED_SUFFIX + "/inside"));
        } else {
            fs::remove_all(Sacks + LEADER_STAGED_SUFFIX);
            fs::remove(Sacks);
            ASSERT_TRUE(fs::create_directories(Sacks + "/inside"));
        }
        EXPECT_EQ(Write_Leader_Files(2010), 0);
        EXPECT_EQ(Read_Text_File("Input/Leaders/2010-Career-Rushing_Yards.csv"), Old);
        EXPECT_EQ(Count("2010-", ".csv"), nKept);
        EXPECT_EQ(Count("2010-", LEADER_STAGED_SUFFIX), 0);
        EXPECT_EQ(Count("2009-", ".csv"), 90);
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Error");
        // The file that could not be written: the staged one, or the one in
        // use whose place a folder holds.
        EXPECT_EQ(ui::Shown_Boxes()[0].Text, "\"" + Sacks + (nKept == 90 ? LEADER_STAGED_SUFFIX : "") +
                                                 "\" could not be written (Is a directory).");
    }
    // Written whole, the new files take the place of the old.
    fs::remove_all(Sacks);
    EXPECT_EQ(Write_Leader_Files(2010), 90);
    EXPECT_NE(Read_Text_File("Input/Leaders/2010-Career-Rushing_Yards.csv").find(",9500,"), std::string::npos);
    EXPECT_EQ(Count("2010-", LEADER_STAGED_SUFFIX), 0);
    EXPECT_EQ(Count("2009-", ".csv"), 90);
}

// What a killed build staged, of any year, is removed; the files in use and
// a folder of a staged name are left.
TEST_F(LeaderFilesTest, EveryStagedFileLeftBehindIsRemoved)
{
    namespace fs = std::filesystem;
    EXPECT_EQ(Discard_All_Staged_Leader_Files(), 0);   // no folder yet
    ASSERT_EQ(Write_Leader_Files(2010), 90);
    std::string Problem;
    ASSERT_EQ(Stage_Leader_Files(2010, Problem), 90) << Problem;
    ASSERT_EQ(Stage_Leader_Files(2011, Problem), 90) << Problem;
    ASSERT_TRUE(fs::create_directories("Input/Leaders/2012-Game-Sacks.csv.staged/inside"));
    // Names no build stages are the user's.
    const std::vector<std::string> Others = {"my-notes.staged", "2010-Career-Nothing.csv.staged",
                                             "02010-Game-Sacks.csv.staged", "2010-Game-Sacks.staged"};
    for (const std::string& Name : Others)
        std::ofstream("Input/Leaders/" + Name) << "mine";
    EXPECT_EQ(Discard_All_Staged_Leader_Files(), 180);
    size_t nFiles = 0;
    for (const auto& Entry : fs::directory_iterator("Input/Leaders")) {
        const std::string Name = Entry.path().filename().string();
        if (Entry.is_directory()) {
            EXPECT_EQ(Name, "2012-Game-Sacks.csv.staged");
            continue;
        }
        if (std::find(Others.begin(), Others.end(), Name) != Others.end())
            continue;
        EXPECT_EQ(Name.rfind("2010-", 0), 0u) << Name;
        EXPECT_EQ(Name.substr(Name.size() - 4), ".csv") << Name;
        ++nFiles;
    }
    EXPECT_EQ(nFiles, 90u);
    for (const std::string& Name : Others)
        EXPECT_EQ(Read_Text_File("Input/Leaders/" + Name), "mine") << Name;

    // The leader folder a link to a folder outside the data folder: the
    // sweep removes nothing of it; a year's discard removes that year's
    // staged names only, which its build put there.
    SCRATCH_FOLDER Outside{"leader_files_outside", false};
    ASSERT_TRUE(Outside.Ready());
    std::ofstream(Outside.Path() + "/2010-Game-Sacks.csv.staged") << "theirs";
    std::ofstream(Outside.Path() + "/2011-Game-Sacks.csv.staged") << "theirs";
    fs::rename("Input/Leaders", "Leaders-kept");
    fs::create_directory_symlink(Outside.Path(), "Input/Leaders");
    EXPECT_EQ(Discard_All_Staged_Leader_Files(), 0);
    EXPECT_EQ(Read_Text_File(Outside.Path() + "/2010-Game-Sacks.csv.staged"), "theirs");
    EXPECT_EQ(Discard_Leader_Files(2010), 1);
    EXPECT_FALSE(fs::exists(Outside.Path() + "/2010-Game-Sacks.csv.staged"));
    EXPECT_EQ(Read_Text_File(Outside.Path() + "/2011-Game-Sacks.csv.staged"), "theirs");
    fs::remove("Input/Leaders");
    // A folder beside the data folder whose name begins with the data
    // folder's ("data" and "data-old") lies outside it all the same.
    const std::string Sibling = Scratch.Path() + "-old";
    ASSERT_TRUE(fs::create_directory(Sibling));
    std::ofstream(Sibling + "/2010-Game-Sacks.csv.staged") << "theirs";
    fs::create_directory_symlink(Sibling, "Input/Leaders");
    EXPECT_EQ(Discard_All_Staged_Leader_Files(), 0);
    EXPECT_EQ(Read_Text_File(Sibling + "/2010-Game-Sacks.csv.staged"), "theirs");
    fs::remove("Input/Leaders");
    fs::remove_all(Sibling);
    fs::rename("Leaders-kept", "Input/Leaders");
}

// The script's "tool" entries of the ratings and playbook loaders: each runs
// with its message, and one that could not do its work fails the line. The
// tools that read a named file keep a relative name inside the data folder.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "league/league_fixture.h"
#include "league/player_stats.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "shell/tool_commands.h"
#include "test_support.h"

namespace {

class DataToolCommandsTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"data_tools"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2012);
        Use_Franchises(2);
        Put_Player(0, 0, 77, POSITION_QB);
    }

    static bool Run(const std::vector<std::string>& Words, std::string& Result, std::string& Problem)
    {
        Result.clear();
        Problem.clear();
        return Run_Tool_By_Name(Words, Result, Problem);
    }
};

TEST_F(DataToolCommandsTest, RatingsLoadsSayWhatTheyReadOrFailTheLine)
{
    std::string Result;
    std::string Problem;
    EXPECT_FALSE(Run({"load_year_player_ratings"}, Result, Problem));
    EXPECT_EQ(Problem, "Unable to open Input/Ratings/Simulation/2012_Player_Ratings.csv");
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Unable to open Input/Ratings/Simulation/2012_Player_Ratings.csv.");

    EXPECT_FALSE(Run({"Load_Player_Ratings_File"}, Result, Problem));
    EXPECT_EQ(Problem, "tool Load_Player_Ratings_File takes PATH");
    EXPECT_FALSE(Run({"Load_Player_Ratings_File", "none.csv"}, Result, Problem));
    EXPECT_EQ(Problem, "Unable to open none.csv");

    std::filesystem::create_directories("Input/Ratings/Simulation");
    std::ofstream("Input/Ratings/Simulation/2012_Player_Ratings.csv") << "PlayerID\n77,X,A,B,QB,QB,0,0,64\n";
    ui::Reset();
    EXPECT_TRUE(Run({"Load_Year_Player_Ratings"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "player ratings loaded from Input/Ratings/Simulation/2012_Player_Ratings.csv: 1 player changed");
    EXPECT_EQ(Get_Player_Rating(0, 0, RATING_ACCURACY), 64.0f);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Player ratings loaded from Input/Ratings/Simulation/2012_Player_Ratings.csv: 1 player changed.");
    std::ofstream("Input/Ratings/Simulation/2012_Player_Ratings.csv") << "PlayerID\n77,X,A,B,QB,QB,0,0,65\n";
    EXPECT_TRUE(Run({"LOAD_PLAYER_RATINGS_FILE", "input/ratings/simulation/2012_player_ratings.csv"}, Result, Problem));
    EXPECT_EQ(Result, "player ratings loaded from input/ratings/simulation/2012_player_ratings.csv: 1 player changed");
}

// A ratings file that changes no player did no work: the box says so and
// the line fails, whether the file is empty, holds its header alone, names
// nobody of the league (as the export of a league without statistics IDs
// does) or holds what the players already have.
TEST_F(DataToolCommandsTest, ARatingsFileThatChangesNoPlayerFailsTheLine)
{
    constexpr const char* YEAR_FILE = "Input/Ratings/Simulation/2012_Player_Ratings.csv";
    std::filesystem::create_directories("Input/Ratings/Simulation");
    const float fBefore = Get_Player_Rating(0, 0, RATING_ACCURACY);
    struct CASE {
        const char* szText;
        const char* szReason;
    };
    const CASE CASES[] = {
        {"", "it holds no line of a player after its header"},
        {"PlayerID,2012_Team,First,Last\r\n", "it holds no line of a player after its header"},
        {"PlayerID\n,X,A,B,QB,QB,0,0,64\nNoSuch00,X,A,B,QB,QB,0,0,64\n999,X,A,B,QB,QB,0,0,64\n",
         "no line names a player of the league (a line finds its player by the statistics ID in its PlayerID "
         "column, and the players of the default league have none)"},
    };
    std::string Result;
    std::string Problem;
    for (const CASE& Case : CASES) {
        SCOPED_TRACE(Case.szText);
        std::ofstream(YEAR_FILE, std::ios::binary) << Case.szText;
        ui::Reset();
        EXPECT_FALSE(Run({"Load_Year_Player_Ratings"}, Result, Problem));
        EXPECT_EQ(Problem, std::string("no player was changed by ") + YEAR_FILE + ": " + Case.szReason);
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Load Player Ratings");
        EXPECT_EQ(ui::Shown_Boxes()[0].Text,
                  std::string("No player was changed by ") + YEAR_FILE + ": " + Case.szReason + ".");
        EXPECT_FALSE(Run({"Load_Player_Ratings_File", YEAR_FILE}, Result, Problem));
        EXPECT_EQ(Problem, std::string("no player was changed by ") + YEAR_FILE + ": " + Case.szReason);
    }
    EXPECT_EQ(Get_Player_Rating(0, 0, RATING_ACCURACY), fBefore);

    // Loaded twice: the second load finds nothing new.
    std::ofstream(YEAR_FILE, std::ios::binary) << "PlayerID\n77,X,A,B,QB,QB,0,0,64\n";
    EXPECT_TRUE(Run({"Load_Year_Player_Ratings"}, Result, Problem)) << Problem;
    EXPECT_FALSE(Run({"Load_Year_Player_Ratings"}, Result, Problem));
    EXPECT_EQ(Problem, std::string("no player was changed by ") + YEAR_FILE +
                           ": its lines hold the ratings the players already have");
}

// Tools given an input that matches nothing, or without a file they need,
// fail their line with the reason and leave every file as it was.
TEST_F(DataToolCommandsTest, ToolsWithNothingToWorkOnFailAndKeepTheFiles)
{
    namespace fs = std::filesystem;
    fs::create_directories("Input/Stats");
    fs::create_directories("HTML_Templates/CSS");
    std::ofstream("HTML_Templates/CSS/default.css") << "body {}\n";
    std::ofstream("Input/Stats/Injuries.csv") << "old injuries\n";
    std::ofstream("Input/Stats/2022_rosters.csv") << "CorvelID\nAbcDe00,0\n";
    std::ofstream("Free-Agents.csv") << "old list\n";
    std::ofstream("inj.txt") << "<table data-title=\"Team Injuries\">\n<tr data-append-csv=\"BeeAl00\" "
                                "data-stat=\"player\" csk=\"Bee,Al\" >x</tr>\n";
    struct CASE {
        std::vector<std::string> Words;
        std::string Problem;
    };
    const std::vector<CASE> CASES = {
        {{"Read_Team_Injuries_Page", "inj.txt", "2020", "36"},
         "no club 36 in use (the free agents, the Hall of Fame and the draft pools are no club)"},
        {{"Read_Team_Injuries_Page", "inj.txt", "2020", "37"},
         "no club 37 in use (the free agents, the Hall of Fame and the draft pools are no club)"},
        {{"Read_Team_Injuries_Page", "inj.txt", "2020", "40"},
         "no club 40 in use (the free agents, the Hall of Fame and the draft pools are no club)"},
        {{"Read_Team_Injuries_Page", "inj.txt", "2020", "33"},
         "no club 33 in use (the free agents, the Hall of Fame and the draft pools are no club)"},
        {{"Write_Free_Agents_List"},
         "Free-Agents.csv not written: \"Input/Stats/2023_rosters.csv\" cannot be read (No such file or directory)"},
        {{"File_Contains_Text", "missing.txt", "x"}, "\"missing.txt\" cannot be read (No such file or directory)"},
        {{"File_Contains_Text", "input/stats", "x"}, "\"Input/Stats\" cannot be read (Is a directory)"},
        {{"Get_Player_Salary_Value", "0", "5"}, "no player in slot 5 of team 0"},
        {{"Get_Player_Salary_Value", "36", "0"}, "no player in slot 0 of team 36"},
        {{"Get_Player_Salary_Value", "5", "0"}, "no team 5 in use"},
        {{"Blend_Recent_Draft_Pick_Rating", "0", "0"},
         "the player in slot 0 of team 0 is not a recent draft pick (the blend takes players drafted in 2020 or "
         "later): nothing changed"},
        {{"Export_Html_Encyclopedia", "Site", "nostyle.css"},
         "no style sheet \"nostyle.css\" in HTML_Templates/CSS (the export links the sheet it names, and copies "
         "only the sheets of that folder)"},
        {{"Export_Html_Encyclopedia", "Site", "DEFAULT.CSS"},
         "no style sheet \"DEFAULT.CSS\" in HTML_Templates/CSS (the export links the sheet it names, and copies "
         "only the sheets of that folder)"},
    };
    const float fBefore = Get_Player_Rating(0, 0, RATING_ACCURACY);
    std::string Result;
    std::string Problem;
    for (const CASE& Case : CASES) {
        SCOPED_TRACE(Case.Words[0] + " " + (Case.Words.size() > 1 ? Case.Words[1] : ""));
        EXPECT_FALSE(Run(Case.Words, Result, Problem)) << Result;
        EXPECT_EQ(Problem, Case.Problem);
        EXPECT_EQ(Result, "");
    }
    EXPECT_EQ(Read_Text_File("Input/Stats/Injuries.csv"), "old injuries\n");
    EXPECT_FALSE(fs::exists("Input/Stats/2020_injuries.csv"));
    EXPECT_EQ(Read_Text_File("Free-Agents.csv"), "old list\n");
    EXPECT_FALSE(fs::exists("Site"));
    EXPECT_EQ(Get_Player_Rating(0, 0, RATING_ACCURACY), fBefore);

    // The same tools with something to work on.
    EXPECT_TRUE(Run({"Get_Player_Salary_Value", "0", "0"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "25");   // a quarterback of 70s: 402 (63) and 404 (26) under 65
    EXPECT_TRUE(Run({"File_Contains_Text", "Input/Stats/2022_rosters.csv", "AbcDe00"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "1");
    EXPECT_TRUE(Run({"File_Contains_Text", "Input/Stats/2022_rosters.csv", "Zz"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "0");
    std::ofstream("Input/Stats/2023_rosters.csv") << "CorvelID\n";
    EXPECT_TRUE(Run({"Write_Free_Agents_List"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "1 lines written to Free-Agents.csv");
    EXPECT_EQ(Read_Text_File("Free-Agents.csv"), "AbcDe00,0\n");
    Set_Player_Vital_Stat(0, 0, VITAL_DRAFTED_BY, 10000 + 2021);
    EXPECT_TRUE(Run({"Blend_Recent_Draft_Pick_Rating", "0", "0"}, Result, Problem)) << Problem;
}

// The statistics list says how many player lines it wrote under its heading:
// here the two of club 0 who played, not the one who did not.
TEST_F(DataToolCommandsTest, ThePlayerStatisticsListCountsItsLines)
{
    Put_Player(0, 1, 78, POSITION_WR);
    Put_Player(0, 2, 79, POSITION_RB);
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED, 3);
    Set_Player_Stat(0, 1, STAT_PERIOD_THIS_SEASON, STAT_GAMES_PLAYED, 2);
    std::string Result;
    std::string Problem;
    EXPECT_TRUE(Run({"Write_Player_Stats_File", "Output/stats.txt", "0", "0", "0", "-1", "1"}, Result, Problem))
        << Problem;
    EXPECT_EQ(Result, "2 player lines written to Output/stats.txt under the heading");
    const std::string Text = Read_Text_File("Output/stats.txt");
    EXPECT_EQ(std::count(Text.begin(), Text.end(), '\n'), 3) << Text;
}

TEST_F(DataToolCommandsTest, PlaybookImportCountsWhatItLoaded)
{
    std::string Result;
    std::string Problem;
    EXPECT_TRUE(Run({"load_playbooks"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "0 offensive and 0 defensive playbooks loaded");
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Import Playbooks");

    const std::vector<std::string> Names = List_Tool_Names();
    for (const char* szName : {"Load_Year_Player_Ratings", "Load_Player_Ratings_File PATH", "Load_Playbooks"})
        EXPECT_NE(std::find(Names.begin(), Names.end(), szName), Names.end()) << szName;
}

// A relative name that climbs out of the data folder is refused by every
// tool that reads a named file, with nothing read, whether its own ".."
// climbs out or a link it passes leads out; an absolute path to the same
// file is the user's own choice and is read.
TEST_F(DataToolCommandsTest, ReadersRefuseARelativeNameLeavingTheDataFolderAndReadAnAbsolutePath)
{
    namespace fs = std::filesystem;
    // The data folder is a folder inside the scratch folder: "../" is the
    // scratch folder, whose files the readers could otherwise reach.
    const std::string Outside = fs::current_path().string();
    fs::create_directories("data/Input/Stats");
    // "lnkdir" in the data folder links to a folder beside it: the system
    // takes "lnkdir/.." to the scratch folder, though the text stays inside.
    fs::create_directories("away");
    fs::create_directory_symlink(Outside + "/away", "data/lnkdir");
    ASSERT_EQ(::chdir("data"), 0);
    struct BACK {
        std::string Folder;
        ~BACK() { EXPECT_EQ(::chdir(Folder.c_str()), 0); }
    } Back{Outside};
    std::ofstream(Outside + "/x.csv") << "PlayerID\n77,X,A,B,QB,QB,0,0,64\n";
    std::ofstream(Outside + "/inj.txt") << "<table data-title=\"Team Injuries\">\n<tr data-append-csv=\"BeeAl00\" "
                                           "data-stat=\"player\" csk=\"Bee,Al\" >x</tr>\n";
    Set_Team_String("SEA", 0, 0);
    const float fBefore = Get_Player_Rating(0, 0, RATING_ACCURACY);
    ASSERT_NE(fBefore, 64.0f);

    std::string Result;
    std::string Problem;
    const std::vector<std::vector<std::string>> Refused = {
        {"File_Contains_Text", "../x.csv", "PlayerID"},
        {"Load_Player_Ratings_File", "../x.csv"},
        {"Read_Team_Injuries_Page", "../inj.txt", "2020", "0"},
        {"File_Contains_Text", "Input/../../x.csv", "PlayerID"},
        {"Load_Player_Ratings_File", "..\\x.csv"},
        {"File_Contains_Text", "lnkdir/../x.csv", "PlayerID"},
        {"Load_Player_Ratings_File", "lnkdir/../x.csv"},
        {"Read_Team_Injuries_Page", "LNKDIR/../inj.txt", "2020", "0"},
    };
    for (const std::vector<std::string>& Words : Refused) {
        SCOPED_TRACE(Words[0] + " " + Words[1]);
        ui::Reset();
        EXPECT_FALSE(Run(Words, Result, Problem));
        EXPECT_EQ(Problem, "\"" + Words[1] + "\" leaves the data folder (give an absolute path to read elsewhere)");
        EXPECT_EQ(Result, "");
        EXPECT_TRUE(ui::Shown_Boxes().empty());
    }
    EXPECT_EQ(Get_Player_Rating(0, 0, RATING_ACCURACY), fBefore);
    EXPECT_FALSE(fs::exists("Input/Stats/2020_injuries.csv"));

    EXPECT_TRUE(Run({"File_Contains_Text", Outside + "/x.csv", "PlayerID"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "1");
    EXPECT_TRUE(Run({"File_Contains_Text", Outside + "/data/lnkdir/../x.csv", "PlayerID"}, Result, Problem))
        << Problem;
    EXPECT_EQ(Result, "1");
    EXPECT_TRUE(Run({"Load_Player_Ratings_File", Outside + "/x.csv"}, Result, Problem)) << Problem;
    EXPECT_EQ(Get_Player_Rating(0, 0, RATING_ACCURACY), 64.0f);
    EXPECT_TRUE(Run({"Read_Team_Injuries_Page", Outside + "/inj.txt", "2020", "0"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "1 injured players appended");
    EXPECT_EQ(Read_Text_File("Input/Stats/2020_injuries.csv"), "BeeAl00,0,Al,Bee,SEA,,,,,,,,\n");
    // A relative name that stays inside is read as before.
    fs::copy_file(Outside + "/x.csv", "Input/x.csv");
    EXPECT_TRUE(Run({"File_Contains_Text", "Input/../Input/x.csv", "PlayerID"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "1");
    fs::remove("lnkdir");
}

// The writers keep to the data folder through links as well: a file or a
// folder named through a link out of it is refused, while a link standing at
// a written file's own name is replaced by the file, never written through.
TEST_F(DataToolCommandsTest, WritersRefuseANameThroughALinkOutOfTheDataFolder)
{
    namespace fs = std::filesystem;
    const std::string Outside = fs::current_path().string();
    fs::create_directories("data/Output");
    fs::create_directories("away");
    fs::create_directory_symlink(Outside + "/away", "data/lnkdir");
    std::ofstream(Outside + "/linked.txt") << "the linked file";
    fs::create_symlink(Outside + "/linked.txt", "data/Output/stats.txt");
    ASSERT_EQ(::chdir("data"), 0);
    struct BACK {
        std::string Folder;
        ~BACK() { EXPECT_EQ(::chdir(Folder.c_str()), 0); }
    } Back{Outside};

    std::string Result;
    std::string Problem;
    EXPECT_FALSE(Run({"Write_Player_Stats_File", "lnkdir/../stats.txt", "0", "0", "0", "-1", "0"}, Result, Problem));
    EXPECT_EQ(Problem, "\"lnkdir/../stats.txt\" leaves the data folder (give an absolute path to write elsewhere)");
    EXPECT_FALSE(Run({"Export_Html_Encyclopedia", "lnkdir"}, Result, Problem));
    EXPECT_EQ(Problem, "\"lnkdir\" leaves the data folder (give an absolute path to write elsewhere)");
    EXPECT_FALSE(fs::exists(Outside + "/stats.txt"));
    EXPECT_TRUE(fs::is_empty(Outside + "/away"));

    EXPECT_TRUE(Run({"Write_Player_Stats_File", "Output/stats.txt", "0", "0", "0", "-1", "0"}, Result, Problem))
        << Problem;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("Output/stats.txt")));
    EXPECT_EQ(Read_Text_File(Outside + "/linked.txt"), "the linked file");
    fs::remove("lnkdir");
}

}  // namespace

// The script's "tool" entries of the stored-picture copies and the developer
// data tools: each says what it did, and one that could not do its work
// fails the line.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "shell/tool_commands.h"
#include "test_support.h"

namespace {

class DeveloperToolCommandsTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"developer_tool_commands"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2019);
        Use_Franchises(2);
        Put_Player(0, 0, 77, POSITION_QB);
        std::memcpy(League.Team[0].Player[0].szCorvelID, "AbleAn01", 9);
        Put_Player(1, 0, 78, POSITION_QB);
        std::memcpy(League.Team[1].Player[0].szCorvelID, "../x", 5);   // names no file
        std::strcpy(League.Team[0].Player[0].szLastName, "Able");
        std::strcpy(League.Team[1].Player[0].szLastName, "Baker");
        Set_Team_String("SEA", 0, TEAM_STRING_ABBREVIATION);
        Set_Team_String("Seahawks", 0, TEAM_STRING_NICKNAME);
        Set_Team_String("BOS", 1, TEAM_STRING_ABBREVIATION);
        Set_Team_String("Harbormen", 1, TEAM_STRING_NICKNAME);
    }

    static bool Run(const std::vector<std::string>& Words, std::string& Result, std::string& Problem)
    {
        Result.clear();
        Problem.clear();
        return Run_Tool_By_Name(Words, Result, Problem);
    }
};

TEST_F(DeveloperToolCommandsTest, StoredPicturesAreCopiedByName)
{
    std::string Result;
    std::string Problem;
    std::filesystem::create_directories("Input/Stats/Players");
    std::filesystem::create_directories("Input/Stats/Historical");
    std::ofstream("Input/Stats/Players/AbleAn01.dat") << "photo";
    std::ofstream("Input/Stats/Historical/282019.gz") << "logo";
    EXPECT_TRUE(Run({"copy_downloaded_photos"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "1 photos copied to Photos/Downloads");
    EXPECT_EQ(Read_Text_File("Photos/Downloads/AbleAn01.jpg"), "photo");
    // The unsafe ID named nothing, inside the folder or beside it.
    EXPECT_FALSE(std::filesystem::exists("Photos/x.jpg"));
    EXPECT_TRUE(Run({"Copy_Downloaded_Logos"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "1 logos copied to Logos/Downloads");
    EXPECT_EQ(Read_Text_File("Logos/Downloads/SEA-2019.png"), "logo");
    // A second run keeps what is there.
    std::ofstream("Input/Stats/Players/AbleAn01.dat") << "newer";
    EXPECT_TRUE(Run({"Copy_Downloaded_Photos"}, Result, Problem));
    EXPECT_EQ(Result, "0 photos copied to Photos/Downloads");
    EXPECT_EQ(Read_Text_File("Photos/Downloads/AbleAn01.jpg"), "photo");
    EXPECT_FALSE(Run({"Copy_Downloaded_Logos", "1"}, Result, Problem));
    EXPECT_EQ(Problem, "tool Copy_Downloaded_Logos takes no arguments");
}

TEST_F(DeveloperToolCommandsTest, DeveloperToolsSayWhatTheyWrote)
{
    std::string Result;
    std::string Problem;
    EXPECT_TRUE(Run({"Write_Fractions_Table"}, Result, Problem)) << Problem;
    EXPECT_NE(Result.find(" lines written to Fractions.txt"), std::string::npos) << Result;
    EXPECT_TRUE(Run({"Output_Play_Selection_Multipliers"}, Result, Problem));
    EXPECT_EQ(Result, "1500 cases written to Play_Multipliers.csv");
    EXPECT_TRUE(Run({"Check_Duplicate_Player_Names"}, Result, Problem));
    EXPECT_EQ(Result, "0 duplicate names");

    EXPECT_FALSE(Run({"Write_Free_Agents_List"}, Result, Problem));
    EXPECT_EQ(Problem, "Free-Agents.csv not written: \"input/stats/2022_rosters.csv\" cannot be read (No such file or "
                       "directory)");
    std::filesystem::create_directories("input/stats");
    std::ofstream("input/stats/2022_rosters.csv") << "7,A\n8,B\n";
    std::ofstream("input/stats/2023_rosters.csv") << "8,B\n";
    EXPECT_TRUE(Run({"Write_Free_Agents_List"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "1 lines written to Free-Agents.csv");
    std::ofstream("input/stats/2022_rosters.csv", std::ios::trunc).flush();
    EXPECT_FALSE(Run({"Write_Free_Agents_List"}, Result, Problem));
    EXPECT_EQ(Problem, "Free-Agents.csv not written: \"input/stats/2022_rosters.csv\" holds no player line");
    EXPECT_EQ(Read_Text_File("Free-Agents.csv"), "7,A\n");

    // Unsaved changes and the offer cancelled: nothing is loaded.
    ui::Queue_Answer(ID_CANCEL);
    EXPECT_FALSE(Run({"Refit_All_Universe_Databases"}, Result, Problem));
    EXPECT_EQ(Problem, "cancelled at the offer to save the game");
}

TEST_F(DeveloperToolCommandsTest, TheLaterDeveloperToolsSayWhatTheyDid)
{
    std::string Result;
    std::string Problem;
    Set_Player_Vital_Stat(0, 0, VITAL_SALARY, 2500);
    EXPECT_TRUE(Run({"Write_Salary_Report"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "20 rows written to Tolvaren-Salaries.csv");   // 2 clubs, AVERAGE, 16 positions, TOTAL
    EXPECT_NE(Read_Text_File("Tolvaren-Salaries.csv").find("SEA,3,3,0,"), std::string::npos);
    EXPECT_TRUE(Run({"Get_Player_Salary_Value", "0", "0"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "25");   // a quarterback of 70s: five grades at 70, 402 (63) and 404 (26) under 65
    EXPECT_FALSE(Run({"Get_Player_Salary_Value", "41", "0"}, Result, Problem));
    EXPECT_EQ(Problem, "no team 41 in use");
    // A slot without a player has no value to give.
    EXPECT_FALSE(Run({"Get_Player_Salary_Value", "0", "99"}, Result, Problem));
    EXPECT_EQ(Problem, "no player in slot 99 of team 0");
    EXPECT_FALSE(Run({"Get_Player_Salary_Value", "0", "100"}, Result, Problem));
    EXPECT_EQ(Problem, "no player in slot 100 of team 0");
    EXPECT_FALSE(Run({"Get_Player_Salary_Value", "0"}, Result, Problem));
    EXPECT_EQ(Problem, "tool Get_Player_Salary_Value takes TEAM SLOT");
    EXPECT_TRUE(Run({"Find_Long_Play_Names"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "0 long play names written to TooLong.txt");
    EXPECT_TRUE(Run({"Fill_Missing_Season_Line_Stats"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "0 season-line statistics filled");
    EXPECT_TRUE(Run({"Derive_Period_Stats"}, Result, Problem)) << Problem;
    // Without the name lists nobody is renamed; with them, everybody.
    EXPECT_FALSE(Run({"Rename_All_Players"}, Result, Problem));
    EXPECT_EQ(Problem, "\"names\\first.txt\" cannot be read (No such file or directory)");
    std::filesystem::create_directory("names");
    std::ofstream("names/first.txt") << "Ann\nBo\n";
    std::ofstream("names/last.txt") << "Reed\nStone\n";
    EXPECT_TRUE(Run({"Rename_All_Players"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "2 players renamed");
    Set_User_Preference(PREF_TRADE_ATTEMPTS, 1);
    EXPECT_TRUE(Run({"Get_Simulation_Stop_Word"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "1");
    EXPECT_TRUE(Run({"Get_Simulation_Run_Word"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "0");
    std::ofstream("words.txt") << "alpha\nbeta gamma\n";
    EXPECT_TRUE(Run({"File_Contains_Text", "words.txt", "gam"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "1");
    EXPECT_TRUE(Run({"File_Contains_Text", "words.txt", "delta"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "0");
    // The importer refuses a league that is not of 2023 with 32 clubs, and
    // the line fails saying so.
    EXPECT_FALSE(Run({"Run_Data_Import"}, Result, Problem));
    EXPECT_EQ(Problem, "statistics files not replaced: the league is not one this import can serve: it needs a new "
                       "game of 2023 with 32 clubs (this one began in 2019 with 2)");
    EXPECT_FALSE(Run({"Download_Football_Data"}, Result, Problem));
    EXPECT_EQ(Problem.rfind("statistics files not replaced: the league is not one this import can serve", 0), 0u)
        << Problem;
}

// A folder where a tool's file goes: the line fails naming the file and the
// system's words, and what stood there stays.
TEST_F(DeveloperToolCommandsTest, ToolsWhoseFileIsAFolderFailWithTheCause)
{
    std::string Result;
    std::string Problem;
    const auto Blocked = [](const std::string& Path) {
        std::filesystem::create_directories(Path + "/taken");
        return Path;
    };
    Blocked("Fractions.txt");
    EXPECT_FALSE(Run({"Write_Fractions_Table"}, Result, Problem));
    EXPECT_EQ(Problem, "\"Fractions.txt\" could not be written (Is a directory)");
    Blocked("TooLong.txt");
    EXPECT_FALSE(Run({"Find_Long_Play_Names"}, Result, Problem));
    EXPECT_EQ(Problem, "\"TooLong.txt\" could not be written (Is a directory)");
    Blocked("Tolvaren-Salaries.csv");
    EXPECT_FALSE(Run({"Write_Salary_Report"}, Result, Problem));
    EXPECT_EQ(Problem, "\"Tolvaren-Salaries.csv\" could not be written (Is a directory)");

    std::filesystem::create_directories("input/stats");
    std::ofstream("input/stats/2022_rosters.csv") << "7,A\n";
    std::ofstream("input/stats/2023_rosters.csv") << "8,B\n";
    Blocked("Free-Agents.csv");
    EXPECT_FALSE(Run({"Write_Free_Agents_List"}, Result, Problem));
    EXPECT_EQ(Problem, "\"Free-Agents.csv\" could not be written (Is a directory)");

    // The salaries rebuilt from the league: the statistics folder's file is
    // a folder.
    std::filesystem::create_directories("input/downloads/contracts");
    std::ofstream("input/downloads/contracts/Seahawks.txt") << "no contract of Able\n";
    Blocked("input/stats/2023_salaries.csv");
    EXPECT_FALSE(Run({"Extract_All_Player_Salary_Data"}, Result, Problem));
    EXPECT_EQ(Problem, "salaries not written: \"input/stats/2023_salaries.csv\" could not be written (Is a directory)");
    EXPECT_TRUE(std::filesystem::is_directory("input/stats/2023_salaries.csv/taken"));
    std::filesystem::remove_all("input/stats/2023_salaries.csv");
    EXPECT_TRUE(Run({"Extract_All_Player_Salary_Data"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "salaries written to Input/Stats/2023_salaries.csv");
    EXPECT_TRUE(std::filesystem::is_regular_file("input/stats/2023_salaries.csv"));

    // The league names: no folder to take them, then a folder under the
    // file's name; once writable, the eleven lines.
    EXPECT_FALSE(Run({"Write_League_Names_File"}, Result, Problem));
    EXPECT_EQ(Problem, "league names not written: the data folder has no folder \"Vazarudu Stats\" to take them");
    Blocked("Vazarudu Stats/2k6_league.txt");
    EXPECT_FALSE(Run({"Write_League_Names_File"}, Result, Problem));
    EXPECT_EQ(Problem, "\"Vazarudu Stats/2k6_league.txt\" could not be written (Is a directory)");
    std::filesystem::remove_all("Vazarudu Stats/2k6_league.txt");
    EXPECT_TRUE(Run({"Write_League_Names_File"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "league names written to Vazarudu Stats/2k6_league.txt");
}

// The ratings export with room for its header but not a player's line: the
// line fails with the file and the system's words.
TEST_F(DeveloperToolCommandsTest, ARatingsExportWhoseLineCannotBeWrittenFailsItsLine)
{
    std::string Result;
    std::string Problem;
    ASSERT_TRUE(Run({"Export_Player_Ratings", "15", "2019"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "2 players written to Output/Ratings/2019_Player_Ratings.csv");
    const std::string Whole = Read_Text_File("Output/Ratings/2019_Player_Ratings.csv");
    const long long nHeader = static_cast<long long>(Whole.find('\n') + 1);
    ASSERT_GT(nHeader, 1);
    const int nAnswer = file_size_limit::Run_Limited(nHeader + 20, [] {
        std::string Said;
        std::string Why;
        if (Run_Tool_By_Name({"Export_Player_Ratings", "15", "2019"}, Said, Why))
            return 1;
        return Why == "\"Output/Ratings/2019_Player_Ratings.csv\" could not be written (File too large)" ? 0 : 2;
    });
    EXPECT_EQ(nAnswer, 0) << "1: the line passed; 2: it failed without the file and the cause";
}

}  // namespace

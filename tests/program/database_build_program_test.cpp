// The league database of a year built from the fictional history that the
// build writes, by the real program headless: the history script builds 2010
// and 2011, starts a new game in 2010, plays it through the playoffs and
// saves. The files it writes and the leagues they hold are then checked
// against the history's own files. Also: a year built alone or in a range is
// the same file, and a year that cannot be built fails its line.

#include <gtest/gtest.h>

#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"
#include "base/input_file.h"
#include "gamefile/game_file.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/leader_tables.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/player_text.h"
#include "league/season_lines.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "season/salaries.h"
#include "tools/leader_files.h"

namespace fs = std::filesystem;

namespace {

using program_support::PROGRAM;
using program_support::BUILT_DATA;
using program_support::Contains;

const std::string HISTORY_SCRIPT = std::string(KELVO_SOURCE_ROOT) + "/scripts/history.kelvo";

std::vector<std::string> Read_Lines(const std::string& Path)
{
    std::vector<std::string> Lines;
    std::ifstream In(Path, std::ios::binary);
    std::string Line;
    while (std::getline(In, Line)) {
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        Lines.push_back(Line);
    }
    return Lines;
}

std::vector<std::string> Fields(const std::string& Line)
{
    std::vector<std::string> Out;
    char szLine[4096];
    std::snprintf(szLine, sizeof(szLine), "%s", Line.c_str());
    char szField[256];
    for (;;) {
        const int nLast = Pop_Input_Field(szField, szLine);
        Out.emplace_back(szField);
        if (nLast)
            break;
    }
    return Out;
}

// What a build of 2010 leaves in a data folder: its database, its class
// (and a staged one left beside it), its ratings file, the class log and
// every entry of the leader folder, each
// with its bytes and its inode (a file replaced through a temporary has a new
// one, even holding the same bytes).
struct KEPT_FILE {
    std::string Bytes;
    ino_t nInode = 0;
};
using YEAR_FILES = std::map<std::string, KEPT_FILE>;

YEAR_FILES Year_Files(const std::string& Data)
{
    YEAR_FILES Files;
    std::vector<std::string> Names = {"Databases/universe-2010.dat", "Databases/rookies-2010.dat",
                                      "Databases/rookies-2010.dat.staged", "Output/Ratings/2010_Player_Ratings.csv",
                                      "Draft-Class-Rookies.csv"};
    std::error_code Error;
    for (const auto& Entry : fs::directory_iterator(Data + "/Input/Leaders", Error))
        Names.push_back("Input/Leaders/" + Entry.path().filename().string());
    for (const std::string& Name : Names) {
        struct stat Stat {};
        if (::stat((Data + "/" + Name).c_str(), &Stat) != 0)
            continue;
        Files[Name] = {Read_Text_File(Data + "/" + Name, "(unreadable)"), Stat.st_ino};
    }
    return Files;
}

// The names of the files that differ between two takes (bytes, inode, or
// present in one only), for a message.
std::string Changed_Files(const YEAR_FILES& Before, const YEAR_FILES& After, bool bInodes)
{
    std::string Changed;
    for (const auto& [Name, File] : Before) {
        const auto Found = After.find(Name);
        if (Found == After.end())
            Changed += " removed:" + Name;
        else if (Found->second.Bytes != File.Bytes || (bInodes && Found->second.nInode != File.nInode))
            Changed += " changed:" + Name;
    }
    for (const auto& [Name, File] : After)
        if (Before.count(Name) == 0)
            Changed += " added:" + Name;
    return Changed;
}

size_t Count_Leader_Files(const YEAR_FILES& Files)
{
    return static_cast<size_t>(std::count_if(Files.begin(), Files.end(), [](const auto& Entry) {
        return Entry.first.rfind("Input/Leaders/2010-", 0) == 0 && Entry.first.size() > 4 &&
               Entry.first.compare(Entry.first.size() - 4, 4, ".csv") == 0;
    }));
}

class DatabaseBuildProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Output{"database_build_out", false};

    // A scratch copy of the data as built.
    std::string Copy_Data(const char* szTag)
    {
        Folders.push_back(std::make_unique<SCRATCH_FOLDER>(szTag, false));
        SCRATCH_FOLDER& Folder = *Folders.back();
        std::error_code Error;
        fs::remove_all(Folder.Path(), Error);
        fs::copy(BUILT_DATA, Folder.Path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing, Error);
        EXPECT_FALSE(Error) << Error.message();
        return Folder.Path();
    }

    process_runner::RUN_RESULT Run(const std::string& Data, const std::string& ScriptPath,
                                   const std::vector<std::string>& Env = {})
    {
        process_runner::RUN_OPTIONS Options;
        Options.Env = {"KELVO_DATA=" + Data};
        Options.Env.insert(Options.Env.end(), Env.begin(), Env.end());
        Options.Folder = Output.Path();
        Options.Output = Output.Path();
        Options.Limit = std::chrono::seconds(250);
        return process_runner::Run(PROGRAM, {"--headless", "--script", ScriptPath, "IS_NOT_RANDOM"}, Options);
    }

    process_runner::RUN_RESULT Run_Text(const std::string& Data, const std::string& Script,
                                        const std::vector<std::string>& Env = {})
    {
        const std::string ScriptPath = Output.Path() + "/build.kelvo";
        std::ofstream(ScriptPath, std::ios::binary) << Script;
        return Run(Data, ScriptPath, Env);
    }

    void SetUp() override { ASSERT_TRUE(Output.Ready()); }
    std::vector<std::unique_ptr<SCRATCH_FOLDER>> Folders;
};

TEST_F(DatabaseBuildProgramTest, TheHistoryScriptBuildsTwoYearsAndPlaysANewGameInOne)
{
    const std::string Data = Copy_Data("database_build_history");
    const process_runner::RUN_RESULT Result = Run(Data, HISTORY_SCRIPT);
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Out, "Tool Create_Universe_Databases_Range: 2 databases built")) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Dialog 105 \"New Game\": select 1089 \"2010\"")) << Result.Out;

    // The files of the build.
    for (const char* szFile : {"Databases/universe-2010.dat", "Databases/universe-2011.dat",
                               "Output/Ratings/2010_Player_Ratings.csv", "History Season.zrt"})
        EXPECT_TRUE(fs::is_regular_file(Data + "/" + szFile)) << szFile;
    EXPECT_EQ(fs::file_size(Data + "/Databases/rookies-2011.dat"), 756000u);
    const std::vector<std::string> Class = Read_Lines(Data + "/Draft-Class-Rookies.csv");
    ASSERT_FALSE(Class.empty());
    EXPECT_EQ(Class.back().rfind("2011,", 0), 0u) << Class.back();
    // 13 sections: an empty line, a title and the 72 years 1951-2022.
    const std::vector<std::string> Historical = Read_Lines(Data + "/HistoricalStats.txt");
    ASSERT_EQ(Historical.size(), 13u * 74u);
    for (size_t n = 0; n < 13; ++n) {
        EXPECT_EQ(Historical[n * 74], "") << n;
        EXPECT_TRUE(Contains(Historical[n * 74 + 2], "// 1951")) << Historical[n * 74 + 2];
        EXPECT_TRUE(Contains(Historical[n * 74 + 73], "// 2022")) << Historical[n * 74 + 73];
    }

    // New Game offers the two built years beside 2019.
    const process_runner::RUN_RESULT Offer =
        Run_Text(Data, "welcome new\ndialog 105 select 1089 \"2011\"\ndialog 105 select 1089 \"2019\"\n"
                       "dialog 105 select 1089 \"2010\"\ndialog 105 press 2\nquit\n");
    EXPECT_EQ(Offer.nExitCode, 0) << Offer.Out << Offer.Err;

    // The all-time leader lists the database of 2010 holds, as saved (a
    // load offers the players to the career lists afresh): those of the
    // leader files written with it, entry for entry, each from outside (no
    // team).
    struct SEQUENCE_BACK {
        ~SEQUENCE_BACK() { Set_Load_Sequence_Enabled(true); }
    } SequenceBack;
    Set_Load_Sequence_Enabled(false);
    ASSERT_EQ(Load_Universe_Database((Data + "/Databases/universe-2010.dat").c_str()), 1);
    Set_Load_Sequence_Enabled(true);
    size_t nEntries = 0;
    size_t nDiffering = 0;
    std::string FirstDiffering;
    for (int nTable = 0; nTable < LEADER_TABLE_COUNT; ++nTable)
        for (int nStat = 0; nStat < LEADER_STAT_COUNT; ++nStat) {
            const std::string Path = Data + "/" + Get_Leader_File_Path(2010, nTable, nStat);
            SCOPED_TRACE(Path);
            const std::vector<std::string> Rows = Read_Lines(Path);
            ASSERT_FALSE(Rows.empty());
            LEADER_LIST List;
            ASSERT_TRUE(Read_Leader_List(nTable, nStat, List));
            size_t nListed = 0;
            for (const LEADER_ENTRY& Entry : List)
                nListed += Entry.nValue == 0 && Is_Leader_Entry_Nameless(Entry) ? 0 : 1;
            ASSERT_EQ(nListed, Rows.size() - 1);
            for (size_t i = 1; i < Rows.size(); ++i) {
                const std::vector<std::string> F = Fields(Rows[i]);
                ASSERT_EQ(F.size(), 8u) << Rows[i];
                const LEADER_ENTRY& Entry = List[i - 1];
                // Year, names, value, week, age, seasons; the ID is linked.
                const std::string Held =
                    std::to_string(Entry.nYear) + "," + std::string(Entry.szFirstName, strnlen(Entry.szFirstName, 12)) +
                    "," + std::string(Entry.szLastName, strnlen(Entry.szLastName, 20)) + "," +
                    std::to_string(Entry.nValue) + "," + std::to_string(Entry.nWeek) + "," +
                    std::to_string(Entry.nAge) + "," + std::to_string(Entry.nSeasons) + " team " +
                    std::to_string(Entry.nTeam);
                const std::string Written = F[0] + "," + F[2] + "," + F[3] + "," + F[4] + "," + F[5] + "," + F[6] +
                                            "," + F[7] + " team " + std::to_string(NO_TEAM);
                if (Held != Written && nDiffering++ == 0)
                    FirstDiffering = Path + ": held " + Held + ", written " + Written;
                ++nEntries;
            }
        }
    EXPECT_EQ(nDiffering, 0u) << FirstDiffering;
    EXPECT_GT(nEntries, 500u);

    // The league of 2010, read here as the program reads it.
    ASSERT_EQ(Load_Universe_Database((Data + "/Databases/universe-2010.dat").c_str()), 1);
    EXPECT_EQ(Get_Current_Year(), 2010);
    const int nTeams = Count_Teams();
    ASSERT_EQ(nTeams, 32);
    // Clubs by city, then nickname.
    for (int t = 1; t < nTeams; ++t) {
        char szA[32], szB[32];
        Get_Team_String(szA, t - 1, TEAM_STRING_CITY);
        Get_Team_String(szB, t, TEAM_STRING_CITY);
        EXPECT_LE(strcasecmp(szA, szB), 0) << szA << " / " << szB;
    }
    // Every player of the year's rosters file, once, and no salary below
    // the minimum.
    std::map<std::string, int> Held;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Is_Player_Slot_Used(t, s))
                ++Held[Get_Player_Corvel_ID_Text(t, s)];
    const std::vector<std::string> Rosters = Read_Lines(Data + "/Input/Stats/2010_rosters.csv");
    ASSERT_GT(Rosters.size(), 1000u);
    for (size_t i = 1; i < Rosters.size(); ++i) {
        const std::string Key = Fields(Rosters[i])[0];
        EXPECT_EQ(Held[Key], 1) << Key;
    }
    for (int t = 0; t < nTeams; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Player_Slot_Used(t, s))
                continue;
            EXPECT_GE(Get_Player_Vital_Stat(t, s, VITAL_SALARY), Get_Player_Minimum_Salary(t, s)) << t << "/" << s;
        }

    // Career totals are the sums of the lines before 2010, read here from
    // the history's seasons file; the built year's own lines are gone.
    std::map<std::string, std::array<long long, 3>> Sums;   // passing, rushing, receiving yards
    std::map<std::string, int> Seasons;
    const std::vector<std::string> SeasonLines = Read_Lines(Data + "/Input/Stats/Seasons.csv");
    for (size_t i = 1; i < SeasonLines.size(); ++i) {
        const std::vector<std::string> F = Fields(SeasonLines[i]);
        if (F.size() < 27 || std::atoi(F[3].c_str()) >= 2010 || F[4].empty() || F[4].find("TM") != std::string::npos)
            continue;
        auto& Sum = Sums[F[0]];
        Sum[0] += std::atoi(F[13].c_str());
        Sum[1] += std::atoi(F[21].c_str());
        Sum[2] += std::atoi(F[26].c_str());
        ++Seasons[F[0]];
    }
    int nChecked = 0;
    const int CODES[3] = {STAT_PASSING_YARDS, STAT_RUSHING_YARDS, STAT_RECEIVING_YARDS};
    for (int nKind = 0; nKind < 3; ++nKind) {
        // The player of the most yards of this kind on a franchise.
        int nBestTeam = -1, nBestSlot = -1;
        long long nBest = 0;
        for (int t = 0; t < nTeams; ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                if (!Is_Player_Slot_Used(t, s))
                    continue;
                const auto Found = Sums.find(Get_Player_Corvel_ID_Text(t, s));
                if (Found != Sums.end() && Found->second[nKind] > nBest && Seasons[Found->first] >= 2) {
                    nBest = Found->second[nKind];
                    nBestTeam = t;
                    nBestSlot = s;
                }
            }
        ASSERT_GE(nBestTeam, 0) << nKind;
        EXPECT_EQ(Get_Player_Stat(nBestTeam, nBestSlot, STAT_PERIOD_CAREER, CODES[nKind]), nBest)
            << Get_Player_Corvel_ID_Text(nBestTeam, nBestSlot);
        for (int n = 0; n < Count_Player_Season_Lines(nBestTeam, nBestSlot); ++n)
            EXPECT_NE(Get_Season_Line_Year(Get_Player_Season_Line_Index(nBestTeam, nBestSlot, n)), 2010);
        ++nChecked;
    }
    EXPECT_EQ(nChecked, 3);

    // The saved game of 2010: its college pools hold the first 300 players
    // of the class file of 2011, found by name.
    ASSERT_EQ(Load_Universe_Database((Data + "/History Season.zrt").c_str()), 1);
    std::set<std::string> Pool;
    for (int t = 38; t <= 40; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Is_Player_Slot_Used(t, s)) {
                char szFirst[32], szLast[32];
                Get_Player_First_Name_Filled(t, s, szFirst, sizeof(szFirst));
                Get_Player_Last_Name(t, s, szLast);
                Pool.insert(std::string(szFirst) + " " + szLast);
            }
    std::ifstream ClassFile(Data + "/Databases/rookies-2011.dat", std::ios::binary);
    std::vector<char> Bytes(756000);
    ClassFile.read(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    int nFound = 0;
    for (int r = 0; r < 300; ++r) {
        const char* pRecord = Bytes.data() + r * 756;
        const std::string Last(pRecord, strnlen(pRecord, 20));
        const std::string First(pRecord + 20, strnlen(pRecord + 20, 12));
        if (Last.empty())
            continue;
        EXPECT_TRUE(Pool.count(First + " " + Last)) << First << " " << Last;
        ++nFound;
    }
    EXPECT_GT(nFound, 200);
}

TEST_F(DatabaseBuildProgramTest, AYearBuildsAloneAsInARangeAndAYearWithoutFilesFails)
{
    const std::string Alone = Copy_Data("database_build_alone");
    const std::string Range = Copy_Data("database_build_range");
    // A league file whose last line lacks its line feed builds as one with it.
    const std::string LeagueFile = Alone + "/Input/Stats/Leagues/2010_league.csv";
    std::string League = Read_Text_File(LeagueFile, "missing");
    ASSERT_EQ(League.back(), '\n');
    League.pop_back();
    program_support::Write_File(LeagueFile, League);
    const process_runner::RUN_RESULT One = Run_Text(Alone, "tool Create_Universe_Database 2010\nquit\n");
    ASSERT_EQ(One.nExitCode, 0) << One.Out << One.Err;
    // The database and the leader files of a clean build, and a way to put
    // other bytes in their place: a later build must write them again.
    const auto Database_And_Leaders = [](const YEAR_FILES& Files) {
        YEAR_FILES Kept;
        for (const auto& [Name, File] : Files)
            if (Name == "Databases/universe-2010.dat" || Name.rfind("Input/Leaders/", 0) == 0)
                Kept[Name] = File;
        return Kept;
    };
    const YEAR_FILES Clean = Database_And_Leaders(Year_Files(Alone));
    ASSERT_EQ(Count_Leader_Files(Clean), 90u);
    const auto Put_Old_Bytes = [&]() {
        for (const auto& Entry : Clean)
            program_support::Write_File(Alone + "/" + Entry.first, "old");
    };
    const process_runner::RUN_RESULT Two = Run_Text(Range, "tool Create_Universe_Databases_Range 2009 2010\nquit\n");
    ASSERT_EQ(Two.nExitCode, 0) << Two.Out << Two.Err;
    EXPECT_EQ(Read_Text_File(Alone + "/Databases/universe-2010.dat", "missing"),
              Read_Text_File(Range + "/Databases/universe-2010.dat", "missing also"));

    // A range whose first and last years are refused, and whose historical
    // file cannot be written either: the line names each with its reason,
    // and the year built.
    fs::remove(Range + "/Input/Stats/Leagues/2009_league.csv");
    fs::create_directories(Range + "/Databases/universe-2011.dat/taken");
    fs::remove(Range + "/HistoricalStats.txt");
    fs::create_directories(Range + "/HistoricalStats.txt/taken");
    const process_runner::RUN_RESULT Three =
        Run_Text(Range, "tool Create_Universe_Databases_Range 2009 2011\nquit\n");
    EXPECT_EQ(Three.nExitCode, 2) << Three.Out << Three.Err;
    EXPECT_TRUE(Contains(Three.Err, "database build failed: 2009: no statistics for 2009 "
                                    "(\"input/stats/leagues/2009_league.csv\" is not in the data folder; statistics "
                                    "files do not ship with the program); 2011: the database "
                                    "\"Databases/universe-2011.dat\" could not be written (Is a directory); "
                                    "\"HistoricalStats.txt\" could not be written (Is a directory); built: 2010\n"))
        << Three.Err;

    // No teams file for 2005: nothing of it is written and the line fails.
    const process_runner::RUN_RESULT None = Run_Text(Alone, "tool Create_Universe_Database 2005\nquit\n");
    EXPECT_EQ(None.nExitCode, 2) << None.Out << None.Err;
    EXPECT_TRUE(Contains(None.Err, "2005: no statistics for 2005 (\"input/stats/leagues/2005_league.csv\" is not in "
                                   "the data folder; statistics files do not ship with the program)"))
        << None.Err;
    EXPECT_FALSE(Contains(None.Out + None.Err, "re-install")) << None.Out << None.Err;
    EXPECT_FALSE(fs::exists(Alone + "/Databases/universe-2005.dat"));
    EXPECT_FALSE(fs::exists(Alone + "/Databases/rookies-2005.dat"));

    // A database that cannot be written (a folder holds its name) is said
    // so, and the year keeps every other file it had: its class, the class
    // log, its ratings file and its 90 leader files, none replaced, nothing
    // staged left beside them; an empty folder at the class's staged name is
    // no staged class, and stays.
    const std::string Database = Alone + "/Databases/universe-2010.dat";
    const std::string StagedClassFolder = Alone + "/Databases/rookies-2010.dat.staged";
    ASSERT_TRUE(fs::create_directory(StagedClassFolder));
    const YEAR_FILES Before = Year_Files(Alone);
    ASSERT_EQ(Before.count("Databases/rookies-2010.dat"), 1u);
    ASSERT_EQ(Before.count("Draft-Class-Rookies.csv"), 1u);
    const std::string Built2010 = Read_Text_File(Database, "missing");
    fs::remove(Database);
    fs::create_directories(Database + "/taken");
    const process_runner::RUN_RESULT Blocked = Run_Text(Alone, "tool Create_Universe_Database 2010\nquit\n");
    EXPECT_EQ(Blocked.nExitCode, 2) << Blocked.Out << Blocked.Err;
    EXPECT_TRUE(Contains(Blocked.Err, "database build failed: 2010: the database \"Databases/universe-2010.dat\" could "
                                      "not be written (Is a directory)"))
        << Blocked.Out << Blocked.Err;
    const auto Without_Database = [](YEAR_FILES Files) {
        Files.erase("Databases/universe-2010.dat");
        return Files;
    };
    EXPECT_EQ(Changed_Files(Without_Database(Before), Without_Database(Year_Files(Alone)), true), "");
    EXPECT_TRUE(fs::is_directory(StagedClassFolder));
    fs::remove(StagedClassFolder);
    fs::remove_all(Database);
    program_support::Write_File(Database, Built2010);
    const YEAR_FILES Kept = Year_Files(Alone);
    // A database that cannot be staged (a folder holds the staged name) is
    // named by the staged file, as the other files staged are.
    const std::string StagedDatabase = Database + ".staged";
    fs::create_directories(StagedDatabase + "/taken");
    const process_runner::RUN_RESULT Unstaged = Run_Text(Alone, "tool Create_Universe_Database 2010\nquit\n");
    EXPECT_EQ(Unstaged.nExitCode, 2) << Unstaged.Out << Unstaged.Err;
    EXPECT_TRUE(Contains(Unstaged.Err, "database build failed: 2010: the database "
                                       "\"Databases/universe-2010.dat.staged\" could not be written ("))
        << Unstaged.Err;
    EXPECT_EQ(Changed_Files(Kept, Year_Files(Alone), true), "");
    fs::remove_all(StagedDatabase);

    // Killed while the database is written (the second file the build
    // writes in "Databases", after the staged class): the files in use are
    // as they were, and the next start removes what the build staged.
    const process_runner::RUN_RESULT Killed =
        Run_Text(Alone, "tool Create_Universe_Database 2010\nquit\n",
                 program_support::Write_Faults_Env(Alone + "/Databases", "KELVO_FAULT_KILL_AT=2"));
    ASSERT_EQ(Killed.nExitCode, -1) << "the build was not killed\n" << Killed.Out << Killed.Err;
    YEAR_FILES Left = Year_Files(Alone);
    EXPECT_EQ(Left.count("Databases/rookies-2010.dat.staged"), 1u);
    EXPECT_EQ(std::count_if(Left.begin(), Left.end(),
                            [](const auto& Entry) { return Entry.first.find(".csv.staged") != std::string::npos; }),
              90);
    const process_runner::RUN_RESULT Restart = Run_Text(Alone, "quit\n");
    EXPECT_EQ(Restart.nExitCode, 0) << Restart.Out << Restart.Err;
    EXPECT_EQ(Changed_Files(Kept, Year_Files(Alone), true), "");

    // The year's ratings file, the draft class's log line and the class
    // are the build's output too: one that cannot be staged refuses the
    // year before anything of it is put in place, naming the file. The
    // database and the leader files keep the bytes they had, and nothing
    // staged is left.
    const auto Staged_Left = [&]() {
        std::string Left;
        for (const char* szFolder : {"", "/Databases", "/Input/Leaders", "/Output/Ratings"})
            for (const auto& Entry : fs::directory_iterator(Alone + szFolder))
                if (Entry.path().extension() == ".staged" || Entry.path().extension() == ".commit")
                    Left += " " + Entry.path().filename().string();
        return Left;
    };
    Put_Old_Bytes();
    const YEAR_FILES OldBytes = Database_And_Leaders(Year_Files(Alone));
    const std::string Ratings = Alone + "/Output/Ratings/2010_Player_Ratings.csv";
    fs::remove(Ratings);
    fs::create_directories(Ratings + "/taken");
    const process_runner::RUN_RESULT NoRatings = Run_Text(Alone, "tool Create_Universe_Database 2010\nquit\n");
    EXPECT_EQ(NoRatings.nExitCode, 2) << NoRatings.Out << NoRatings.Err;
    EXPECT_TRUE(Contains(NoRatings.Err, "database build failed: 2010: \""));
    EXPECT_TRUE(Contains(NoRatings.Err, "2010_Player_Ratings.csv\" could not be written (Is a directory)"))
        << NoRatings.Err;
    EXPECT_EQ(Changed_Files(OldBytes, Database_And_Leaders(Year_Files(Alone)), false), "");
    EXPECT_EQ(Staged_Left(), "");
    fs::remove_all(Ratings);
    const std::string Log = Alone + "/Draft-Class-Rookies.csv";
    const std::string LogBefore = Read_Text_File(Log, "(none)");
    fs::remove(Log);
    fs::create_directories(Log + "/taken");
    const process_runner::RUN_RESULT NoLog = Run_Text(Alone, "tool Create_Universe_Database 2010\nquit\n");
    EXPECT_EQ(NoLog.nExitCode, 2) << NoLog.Out << NoLog.Err;
    EXPECT_TRUE(Contains(NoLog.Err, "database build failed: 2010: \"Draft-Class-Rookies.csv\" could not be written "
                                    "(Is a directory)"))
        << NoLog.Err;
    EXPECT_EQ(Changed_Files(OldBytes, Database_And_Leaders(Year_Files(Alone)), false), "");
    EXPECT_EQ(Staged_Left(), "");
    fs::remove_all(Log);
    program_support::Write_File(Log, LogBefore);
    // A folder where the log is staged: the class stays with its database
    // rather than go in without its line.
    const YEAR_FILES WithClass = Year_Files(Alone);
    ASSERT_EQ(WithClass.count("Databases/rookies-2010.dat"), 1u);
    fs::create_directories(Log + ".staged/taken");
    const process_runner::RUN_RESULT NoStagedLog = Run_Text(Alone, "tool Create_Universe_Database 2010\nquit\n");
    EXPECT_EQ(NoStagedLog.nExitCode, 2) << NoStagedLog.Out << NoStagedLog.Err;
    EXPECT_TRUE(Contains(NoStagedLog.Err, "database build failed: 2010: \"Draft-Class-Rookies.csv.staged\" could not "
                                          "be written (Is a directory)"))
        << NoStagedLog.Err;
    EXPECT_EQ(Changed_Files(WithClass, Year_Files(Alone), false), "");
    fs::remove_all(Log + ".staged");
    EXPECT_EQ(Staged_Left(), "");
    // A class that cannot be put in place (a folder holds its name) refuses
    // the year naming it and its year: the database is not written, the
    // class log gains no line.
    const std::string ClassFile = Alone + "/Databases/rookies-2010.dat";
    fs::remove(ClassFile);
    fs::create_directories(ClassFile + "/taken");
    const process_runner::RUN_RESULT NoClass = Run_Text(Alone, "tool Create_Universe_Database 2010\nquit\n");
    EXPECT_EQ(NoClass.nExitCode, 2) << NoClass.Out << NoClass.Err;
    EXPECT_TRUE(Contains(NoClass.Err, "database build failed: 2010: the draft class of 2010 "
                                      "(\"Databases/rookies-2010.dat\") could not be written (Is a directory)"))
        << NoClass.Err;
    EXPECT_FALSE(Contains(NoClass.Err, "database written without all of its files")) << NoClass.Err;
    EXPECT_EQ(Changed_Files(OldBytes, Database_And_Leaders(Year_Files(Alone)), false), "");
    EXPECT_EQ(Read_Text_File(Log, "(none)"), LogBefore);
    EXPECT_EQ(Staged_Left(), "");
    fs::remove_all(ClassFile);

    // A game with changes in memory is offered a save first.
    const process_runner::RUN_RESULT Offer =
        Run_Text(Alone, "welcome new\ndialog 105 select 1089 \"2019\"\ndialog 105 set 1013 \"Pat\"\n"
                        "dialog 105 press 1391\ncommand \"One Week\"\ndialog 120 set 1082 \"Before Build\"\n"
                        "dialog 120 press 1\ntool Create_Universe_Database 2010\nquit\n");
    EXPECT_EQ(Offer.nExitCode, 0) << Offer.Out << Offer.Err;
    EXPECT_TRUE(Contains(Offer.Out, "Save changes to current game since last save?")) << Offer.Out;
    EXPECT_TRUE(fs::exists(Alone + "/Before Build.zrt"));
}

// A build killed while it puts a year's files in place (right after the
// database, halfway through the leader files inside a range of two years,
// right after the class log) leaves the year whole once the program starts
// again: the start finishes the commit, every file the build's and the
// class's line logged once. Killed after its commit record but before the
// database, the year keeps every file it had, and nothing staged is left,
// in a folder linked to another disk neither. With that disk not mounted at
// the first start after the kill, the year is still whole once it is back.
TEST_F(DatabaseBuildProgramTest, AYearKilledWhileItsFilesArePutInPlaceIsWholeAfterTheNextStart)
{
    const std::string Data = Copy_Data("database_build_commit");
    const process_runner::RUN_RESULT First = Run_Text(Data, "tool Create_Universe_Database 2010\nquit\n");
    ASSERT_EQ(First.nExitCode, 0) << First.Out << First.Err;
    // The year's files other than the log, which only grows.
    const auto Of_2010 = [&]() {
        YEAR_FILES Files = Year_Files(Data);
        for (auto It = Files.begin(); It != Files.end();)
            It = It->first == "Draft-Class-Rookies.csv" || (It->first.rfind("Input/Leaders/", 0) == 0 &&
                                                           It->first.rfind("Input/Leaders/2010-", 0) != 0)
                     ? Files.erase(It)
                     : std::next(It);
        return Files;
    };
    const YEAR_FILES Clean = Of_2010();
    ASSERT_EQ(Clean.size(), 93u);
    const std::string Log = Data + "/Draft-Class-Rookies.csv";
    const std::string Line = Read_Text_File(Log, "(none)");
    ASSERT_EQ(Line.rfind("2010,", 0), 0u) << Line;
    const auto Leftovers = [&]() {
        std::string Left;
        for (const char* szFolder : {"", "/Databases", "/Input/Leaders", "/Output/Ratings"})
            for (const auto& Entry : fs::directory_iterator(Data + szFolder))
                if (Entry.path().extension() == ".staged" || Entry.path().extension() == ".commit")
                    Left += " " + Entry.path().filename().string();
        return Left;
    };
    // The folders a case links to another disk.
    enum LINKED { NONE, DATABASES, LEADERS_AND_OUTPUT };
    struct KILL {
        const char* szAfter;   // the name whose rename the build is killed after
        bool bRange;
        bool bFinished;
        LINKED nLinked;
        bool bAway;            // the disk not mounted at the first start after the kill
    };
    // Where a linked folder leads; a temporary of another program's save
    // beside the databases is no leftover of this data folder's.
    SCRATCH_FOLDER Disk{"database_build_disk", false};
    ASSERT_TRUE(Disk.Ready());
    const std::string Linked = Disk.Path() + "/Databases";
    const std::string Theirs = Linked + "/.kelvo-save-Ab12Cd";
    // Each linked folder of a case: its place in the data folder, its place
    // on the disk.
    const auto Links_Of = [&](LINKED nLinked) {
        std::vector<std::pair<std::string, std::string>> Links;
        if (nLinked == DATABASES)
            Links.emplace_back(Data + "/Databases", Linked);
        if (nLinked == LEADERS_AND_OUTPUT) {
            Links.emplace_back(Data + "/Input/Leaders", Disk.Path() + "/Leaders");
            Links.emplace_back(Data + "/Output", Disk.Path() + "/Output");
        }
        return Links;
    };
    for (const KILL& Kill : {KILL{"universe-2010.dat", false, true, NONE, false},
                             KILL{"Draft-Class-Rookies.csv", false, true, NONE, false},
                             KILL{"rookies-2010.dat", false, true, NONE, false},
                             KILL{"universe-2010.dat.commit", false, false, NONE, false},
                             KILL{"2010-Season-Receptions.csv", true, true, NONE, false},
                             KILL{"universe-2010.dat", false, true, DATABASES, true},
                             KILL{"universe-2010.dat.commit", false, false, DATABASES, false},
                             KILL{"universe-2010.dat", false, true, LEADERS_AND_OUTPUT, true},
                             KILL{"universe-2010.dat.commit", false, false, LEADERS_AND_OUTPUT, false}}) {
        SCOPED_TRACE(std::string(Kill.szAfter) + " linked " + std::to_string(Kill.nLinked) +
                     (Kill.bAway ? " away" : ""));
        for (const auto& [Place, OnDisk] : Links_Of(Kill.nLinked)) {
            fs::rename(Place, OnDisk);
            fs::create_directory_symlink(OnDisk, Place);
        }
        if (Kill.nLinked == DATABASES)
            program_support::Write_File(Theirs, "theirs");
        // Other bytes in every file of the year, so that a mix shows.
        for (const auto& Entry : Clean)
            program_support::Write_File(Data + "/" + Entry.first, "old");
        const YEAR_FILES Old = Of_2010();
        const std::string LogBefore = Read_Text_File(Log, "(none)");
        const process_runner::RUN_RESULT Killed =
            Run_Text(Data,
                     Kill.bRange ? "tool Create_Universe_Databases_Range 2009 2010\nquit\n"
                                 : "tool Create_Universe_Database 2010\nquit\n",
                     program_support::Write_Faults_Env(Kill.nLinked == DATABASES ? Linked : Data,
                                                       std::string("KELVO_FAULT_KILL_AFTER_RENAME_TO=") +
                                                           Kill.szAfter));
        ASSERT_EQ(Killed.nExitCode, -1) << "the build was not killed\n" << Killed.Out << Killed.Err;
        ASSERT_TRUE(fs::exists(Data + "/Databases/universe-2010.dat.commit"));
        if (Kill.bAway) {
            // The disk not mounted: "Databases" leads to an empty mount
            // point, and the start, refused for its league, changes nothing;
            // the leader and ratings folders lead nowhere, and the record
            // that names files there waits, with everything its year staged.
            for (const auto& [Place, OnDisk] : Links_Of(Kill.nLinked)) {
                fs::rename(OnDisk, OnDisk + "-away");
                if (Kill.nLinked == DATABASES)
                    fs::create_directory(OnDisk);
            }
            const YEAR_FILES Before = Year_Files(Data);
            ASSERT_EQ(Kill.nLinked == DATABASES ? 90u : 0u,
                      static_cast<size_t>(std::count_if(Before.begin(), Before.end(), [](const auto& Entry) {
                          return Entry.first.find(".csv.staged") != std::string::npos;
                      })));
            const process_runner::RUN_RESULT Away = Run_Text(Data, "quit\n");
            EXPECT_EQ(Away.nExitCode, Kill.nLinked == DATABASES ? 1 : 0) << Away.Out << Away.Err;
            EXPECT_EQ(Changed_Files(Before, Year_Files(Data), true), "");
            EXPECT_TRUE(fs::exists(Data + "/Draft-Class-Rookies.csv.staged"));
            if (Kill.nLinked != DATABASES) {
                EXPECT_TRUE(fs::exists(Data + "/Databases/universe-2010.dat.commit"));
                EXPECT_TRUE(fs::exists(Data + "/Databases/rookies-2010.dat.staged"));
                EXPECT_TRUE(Contains(Read_Text_File(Data + "/debug.txt"),
                                     "Kept the commit record databases/universe-2010.dat.commit"));
            }
            for (const auto& [Place, OnDisk] : Links_Of(Kill.nLinked)) {
                if (Kill.nLinked == DATABASES)
                    fs::remove(OnDisk);
                fs::rename(OnDisk + "-away", OnDisk);
            }
        }
        const process_runner::RUN_RESULT Restart = Run_Text(Data, "quit\n");
        EXPECT_EQ(Restart.nExitCode, 0) << Restart.Out << Restart.Err;
        EXPECT_EQ(Changed_Files(Kill.bFinished ? Clean : Old, Of_2010(), false), "");
        std::string Logged = Read_Text_File(Log, "(none)");
        ASSERT_EQ(Logged.rfind(LogBefore, 0), 0u) << Logged;
        Logged.erase(0, LogBefore.size());
        if (Kill.bRange && Logged.rfind("2009,", 0) == 0)
            Logged.erase(0, Logged.find('\n') + 1);
        EXPECT_EQ(Logged, Kill.bFinished ? Line : "");
        EXPECT_EQ(Leftovers(), "");
        EXPECT_EQ(Contains(Read_Text_File(Data + "/debug.txt"), "Finished the commit of the database of 2010"),
                  Kill.bFinished);
        if (Kill.nLinked == DATABASES) {
            EXPECT_EQ(Read_Text_File(Theirs, "(removed)"), "theirs");
            fs::remove(Theirs);
        }
        for (const auto& [Place, OnDisk] : Links_Of(Kill.nLinked)) {
            fs::remove(Place);
            fs::rename(OnDisk, Place);
        }
    }
    // The range's first year was put in place whole before the kill.
    EXPECT_TRUE(fs::is_regular_file(Data + "/Databases/universe-2009.dat"));
    size_t n2009 = 0;
    for (const auto& Entry : fs::directory_iterator(Data + "/Input/Leaders"))
        n2009 += Entry.path().filename().string().rfind("2009-", 0) == 0 && Entry.path().extension() == ".csv";
    EXPECT_EQ(n2009, 90u);
}

// A year whose rosters are empty builds a league the loader refuses: it is
// not written, and the line fails saying why. A New Game whose season's
// database does not load fails its line as a failed resume does, and
// nothing is played or saved.
TEST_F(DatabaseBuildProgramTest, ADatabaseThatWouldNotLoadIsNotBuiltAndANewGameInItPlaysNothing)
{
    const std::string Data = Copy_Data("database_build_empty_rosters");
    std::ofstream(Data + "/Input/Stats/2010_rosters.csv", std::ios::binary | std::ios::trunc)
        << "CorvelID,PlayerID,FirstName,LastName,2010_Team,Position,Height,Weight,BirthMonth,BirthDate,BirthYear,"
           "WeeksOut,Reason,Starter\n";
    const process_runner::RUN_RESULT Built = Run_Text(Data, "tool Create_Universe_Database 2010\nquit\n");
    EXPECT_EQ(Built.nExitCode, 2) << Built.Out << Built.Err;
    EXPECT_TRUE(Contains(Built.Err, "2010: the league built for 2010 could not be loaded: it holds no club with "
                                    "players"))
        << Built.Err;
    EXPECT_FALSE(Contains(Built.Out, "1 database built")) << Built.Out;
    EXPECT_FALSE(fs::exists(Data + "/Databases/universe-2010.dat"));

    // A database of 2010 that does not load, chosen in New Game.
    std::ofstream(Data + "/Databases/Universe-2010.dat", std::ios::binary) << "RIRARUVAZAVIZ2101    Cc not a league";
    const process_runner::RUN_RESULT Played =
        Run_Text(Data, "welcome new\ndialog 105 select 1089 \"2010\"\ndialog 105 set 1013 \"Pat\"\n"
                       "dialog 105 press 1391\ncommand \"One Week\"\ncommand \"Save Game\"\nquit\n");
    EXPECT_EQ(Played.nExitCode, 2) << Played.Out << Played.Err;
    // The line that chose the season is the one that failed.
    EXPECT_TRUE(Contains(Played.Err, "line 2: dialog 105 \"New Game\": the league of 2010 "
                                     "(\"Databases/Universe-2010.dat\") could not be loaded: "))
        << Played.Err;
    EXPECT_FALSE(Contains(Played.Out, "Command")) << Played.Out;
    EXPECT_FALSE(fs::exists(Data + "/Output")) << "games were played";
    for (const auto& Entry : fs::directory_iterator(Data))
        EXPECT_NE(Entry.path().extension(), ".zrt") << Entry.path();
}

// A year whose files are damaged is refused, and every file of it a build
// before wrote (database, class, ratings, class log, the 90 leader files) is
// left byte for byte; the line says which file, which line and why: a league
// file cut short, a rosters, teams or league line longer than its reader
// keeps (a CRLF line of 2,047 characters and its CR builds), a teams file of
// more clubs than a league can have, a teams file that is a pipe or a
// folder, cut short (at its end or inside), holding a NUL byte or a club it
// refuses, a players or seasons table that is not one or is cut short inside
// a line, and a seasons table cut short between lines, which leaves most of
// the league without a past and more rookies than a draft class holds.
TEST_F(DatabaseBuildProgramTest, DamagedStatisticsFilesAreRefusedNamingTheFileTheLineAndTheCause)
{
    const std::string Data = Copy_Data("database_build_damaged");
    const std::string Stats = Data + "/Input/Stats/";
    // Built once whole first: a refused year must leave all of it as it was.
    const process_runner::RUN_RESULT First = Run_Text(Data, "tool Create_Universe_Database 2010\nquit\n");
    ASSERT_EQ(First.nExitCode, 0) << First.Out << First.Err;
    const YEAR_FILES Clean = Year_Files(Data);
    ASSERT_EQ(Count_Leader_Files(Clean), 90u);
    ASSERT_EQ(Clean.count("Databases/rookies-2010.dat"), 1u);
    const auto Bytes = [](const std::string& Path) { return Read_Text_File(Path, "(missing)"); };
    const std::string League = Bytes(Stats + "Leagues/2010_league.csv");
    const std::string Teams = Bytes(Stats + "2010_teams.csv");
    const std::string Rosters = Bytes(Stats + "2010_rosters.csv");
    const std::string Players = Bytes(Stats + "Players.csv");
    const std::string Seasons = Bytes(Stats + "Seasons.csv");
    ASSERT_NE(Seasons, "(missing)");
    // The line of the text that holds byte n, counted from 1.
    const auto Line_Of = [](const std::string& Text, size_t n) {
        return 1 + static_cast<int>(std::count(Text.begin(), Text.begin() + static_cast<long>(n), '\n'));
    };
    // Line n (from 1) of a text cut after its third field.
    const auto Cut_In_Line = [](const std::string& Text, int nLine) {
        size_t nAt = 0;
        for (int i = 1; i < nLine; ++i)
            nAt = Text.find('\n', nAt) + 1;
        for (int i = 0; i < 3; ++i)
            nAt = Text.find(',', nAt) + 1;
        return Text.substr(0, nAt);
    };
    std::string Noise;
    for (int i = 0; i < 5000; ++i)
        Noise += static_cast<char>((i * 7919 + 13) % 251);

    struct DAMAGE {
        const char* szName;
        std::string File;      // under Input/Stats
        std::string Bytes;     // what the file becomes ("" with a pipe or folder)
        int nKind;             // 0 bytes, 1 a pipe, 2 a folder
        std::string Said;
    };
    std::string ExtraClubs = Teams;
    if (!ExtraClubs.empty() && ExtraClubs.back() != '\n')
        ExtraClubs += '\n';
    for (int i = 0; i < 40; ++i) {
        char szLine[160];
        std::snprintf(szLine, sizeof(szLine), "X%02d,Extra %02d,Extras%02d,Park,50000,Open,Grass,1990,1,1,1,1,1,50,0,"
                      "Buffalo\n", i, i, i);
        ExtraClubs += szLine;
    }
    // The teams file cut short inside its last line, and inside line 10 with
    // the lines after it kept; a NUL byte in line 5; line 3's club in
    // division 9.
    const auto Line_Start = [](const std::string& Text, int nLine) {
        size_t nAt = 0;
        for (int i = 1; i < nLine; ++i)
            nAt = Text.find('\n', nAt) + 1;
        return nAt;
    };
    const int nTeamLines = static_cast<int>(std::count(Teams.begin(), Teams.end(), '\n'));
    ASSERT_EQ(nTeamLines, 33);
    const std::string CutTeams = Cut_In_Line(Teams, nTeamLines);
    const std::string GappedTeams = Cut_In_Line(Teams, 10) + "\n" + Teams.substr(Line_Start(Teams, 11));
    std::string NulTeams = Teams;
    NulTeams.insert(Line_Start(Teams, 5) + 5, 1, '\0');
    std::vector<std::string> Third = Fields(Teams.substr(Line_Start(Teams, 3), Line_Start(Teams, 4) - 1 -
                                                                                Line_Start(Teams, 3)));
    ASSERT_EQ(Third.size(), 16u);
    Third[14] = "9";
    std::string Ninth;
    for (const std::string& Field : Third)
        Ninth += (Ninth.empty() ? "" : ",") + Field;
    const std::string DivisionTeams = Teams.substr(0, Line_Start(Teams, 3)) + Ninth + "\n" +
                                      Teams.substr(Line_Start(Teams, 4));
    // The league file cut short inside its last line (its second league's
    // divisions would be named "East", "West" and two blanks).
    ASSERT_EQ(std::count(League.begin(), League.end(), '\n'), 3);
    const std::string CutLeague = Cut_In_Line(League, 3);
    // Line 10 of the rosters made 5,000 characters long with blanks after
    // its last field: read, it would be cut after 2,047.
    const std::string Tenth = Rosters.substr(Line_Start(Rosters, 10), Line_Start(Rosters, 11) - 1 -
                                                                          Line_Start(Rosters, 10));
    ASSERT_LT(Tenth.size(), 5000u);
    const std::string LongRosters = Rosters.substr(0, Line_Start(Rosters, 10)) + Tenth +
                                    std::string(5000 - Tenth.size(), ' ') + "\n" +
                                    Rosters.substr(Line_Start(Rosters, 11));
    // Line n of a text made nLength characters long with commas after its
    // last field (empty fields a reader passes over): read cut, a teams
    // line would lose the end of its city's name.
    const auto Padded_Line = [&](const std::string& Text, int nLine, size_t nLength) {
        const size_t nStart = Line_Start(Text, nLine);
        const std::string Line = Text.substr(nStart, Line_Start(Text, nLine + 1) - 1 - nStart);
        return Text.substr(0, nStart) + Line + std::string(nLength - Line.size(), ',') + "\n" +
               Text.substr(Line_Start(Text, nLine + 1));
    };
    const std::string CutPlayers = Cut_In_Line(Players, 1000);
    // A whole players table of one player no roster names.
    const std::string Stranger = ",Nobody00,0,,1,No,Body,,QB,,6'0\",200,Nowhere,1,No Body,,,,,,,,6,0,1,1,1990\n";
    const int nRostered = static_cast<int>(Read_Lines(Stats + "2010_rosters.csv").size()) - 1;
    const std::string CutSeasons = Cut_In_Line(Seasons, 7000);
    // The first 1,500 lines: most players' seasons are later in the file.
    size_t nKeep = 0;
    for (int i = 0; i < 1500; ++i)
        nKeep = Seasons.find('\n', nKeep) + 1;
    const std::vector<DAMAGE> Cases = {
        {"league cut short", "Leagues/2010_league.csv", CutLeague, 0,
         "2010: \"Input/Stats/Leagues/2010_league.csv\": line 3 holds 4 of the header's 5 fields: the file ends "
         "inside it (cut short)"},
        {"a rosters line of 5,000 characters", "2010_rosters.csv", LongRosters, 0,
         "2010: \"Input/Stats/2010_rosters.csv\": line 10 holds 5000 characters, more than the 2047 a line may "
         "hold"},
        {"a teams line of 2,048 characters", "2010_teams.csv", Padded_Line(Teams, 11, 2048), 0,
         "2010: \"Input/Stats/2010_teams.csv\": line 11 holds 2048 characters, more than the 2047 a line may "
         "hold"},
        {"a teams line of 5,000 characters", "2010_teams.csv", Padded_Line(Teams, 11, 5000), 0,
         "2010: \"Input/Stats/2010_teams.csv\": line 11 holds 5000 characters, more than the 2047 a line may "
         "hold"},
        {"a league line of 2,048 characters", "Leagues/2010_league.csv", Padded_Line(League, 2, 2048), 0,
         "2010: \"Input/Stats/Leagues/2010_league.csv\": line 2 holds 2048 characters, more than the 2047 a line "
         "may hold"},
        {"72 clubs", "2010_teams.csv", ExtraClubs, 0,
         "2010: \"Input/Stats/2010_teams.csv\" line 34: a club beyond the 32 a league can have (X00 Extras00)"},
        {"a pipe", "2010_teams.csv", "", 1,
         "2010: \"Input/Stats/2010_teams.csv\" cannot be read (not a regular file)"},
        {"a folder", "2010_teams.csv", "", 2, "2010: \"Input/Stats/2010_teams.csv\" is a folder, not a file"},
        {"teams cut short", "2010_teams.csv", CutTeams, 0,
         "2010: \"Input/Stats/2010_teams.csv\": line 33 holds 4 of the header's 16 fields: the file ends inside it "
         "(cut short)"},
        {"teams cut inside", "2010_teams.csv", GappedTeams, 0,
         "2010: \"Input/Stats/2010_teams.csv\": line 10 holds 4 of the header's 16 fields"},
        {"teams with a NUL byte", "2010_teams.csv", NulTeams, 0,
         "2010: \"Input/Stats/2010_teams.csv\": line 5 holds a NUL byte at character 6 (a text file holds none)"},
        {"a club refused", "2010_teams.csv", DivisionTeams, 0,
         "2010: \"Input/Stats/2010_teams.csv\" line 3: the club " + Third[0] + " " + Third[2] +
             " is refused: division outside 0-7"},
        {"random players", "Players.csv", Noise, 0,
         "2010: \"Input/Stats/Players.csv\": line 1 is not the header of the file (it begins \"Kelvo ID,Corvel "
         "ID,Player ID\")"},
        {"players cut short", "Players.csv", CutPlayers, 0,
         "2010: \"Input/Stats/Players.csv\": line " + std::to_string(Line_Of(CutPlayers, CutPlayers.size())) +
             " holds 4 of the header's 27 fields: the file ends inside it (cut short)"},
        {"players of nobody", "Players.csv", Players.substr(0, Players.find('\n') + 1) + Stranger, 0,
         "2010: \"Input/Stats/Players.csv\" holds none of the " + std::to_string(nRostered) +
             " players of \"Input/Stats/2010_rosters.csv\""},
        {"random seasons", "Seasons.csv", Noise, 0,
         "2010: \"Input/Stats/Seasons.csv\": line 1 is not the header of the file (it begins \"CorvelID,PlayerID,"
         "SeasonFlag\")"},
        {"seasons cut short", "Seasons.csv", CutSeasons, 0,
         "2010: \"Input/Stats/Seasons.csv\": line 7000 holds 4 of the header's 97 fields: the file ends inside it "
         "(cut short)"},
        {"seasons cut between lines", "Seasons.csv", Seasons.substr(0, nKeep), 0,
         "players have no game before 2010 in \"Input/Stats/Seasons.csv\", more than the 1000 a draft class holds: "
         "the file lacks their seasons (cut short, or of other years)"},
    };
    ASSERT_EQ(Line_Of(CutSeasons, CutSeasons.size()), 7000);
    for (const DAMAGE& Case : Cases) {
        SCOPED_TRACE(Case.szName);
        const std::string Path = Stats + Case.File;
        const std::string Original = Bytes(Path);
        fs::remove_all(Path);
        if (Case.nKind == 1)
            ASSERT_EQ(::mkfifo(Path.c_str(), 0644), 0);
        else if (Case.nKind == 2)
            fs::create_directories(Path + "/inside");
        else
            program_support::Write_File(Path, Case.Bytes);
        const process_runner::RUN_RESULT Run = Run_Text(Data, "tool Create_Universe_Database 2010\nquit\n");
        ASSERT_FALSE(Run.bTimedOut);
        EXPECT_EQ(Run.nExitCode, 2) << Run.Out << Run.Err;
        const bool bWhole = Case.Said.rfind("2010: ", 0) == 0;
        EXPECT_TRUE(Contains(Run.Err, bWhole ? "database build failed: " + Case.Said : Case.Said)) << Run.Err;
        EXPECT_TRUE(Contains(Run.Err, "database build failed: 2010: ")) << Run.Err;
        // A line too long is refused, never cut behind a box.
        EXPECT_FALSE(Contains(Run.Out, "Box [Read_Line_Limit]")) << Run.Out;
        // A teams file's refusal is the one word on it: no club of
        // defaults, no box blaming another file.
        if (Case.File == "2010_teams.csv") {
            EXPECT_FALSE(Contains(Run.Out, "Box [Invalid City Name]")) << Run.Out;
            EXPECT_FALSE(Contains(Run.Out, "Box [Import Warning]")) << Run.Out;
        }
        // Nothing of the year is written or removed: its database, class,
        // ratings, class log and leader files are the first build's, and
        // nothing is left beside them.
        EXPECT_EQ(Changed_Files(Clean, Year_Files(Data), true), "");
        fs::remove_all(Path);
        program_support::Write_File(Path, Original);
    }

    // A CRLF teams file whose line holds the 2,047 characters a reader keeps
    // besides its CR is whole: the year builds as from the LF file.
    std::string Crlf;
    for (const char c : Padded_Line(Teams, 11, 2047))
        Crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    program_support::Write_File(Stats + "2010_teams.csv", Crlf);
    const process_runner::RUN_RESULT Whole = Run_Text(Data, "tool Create_Universe_Database 2010\nquit\n");
    EXPECT_EQ(Whole.nExitCode, 0) << Whole.Out << Whole.Err;
    EXPECT_FALSE(Contains(Whole.Out, "Box [Read_Line_Limit]")) << Whole.Out;
    EXPECT_FALSE(Contains(Whole.Out, "Box [Invalid City Name]")) << Whole.Out;
    YEAR_FILES Built = Year_Files(Data);
    Built.erase("Draft-Class-Rookies.csv");   // a line more
    YEAR_FILES Expected = Clean;
    Expected.erase("Draft-Class-Rookies.csv");
    EXPECT_EQ(Changed_Files(Expected, Built, false), "");
    program_support::Write_File(Stats + "2010_teams.csv", Teams);
}

// The run of every year on a data folder holding part of the history
// builds those years and leaves out the others, without a box per year.
TEST_F(DatabaseBuildProgramTest, EveryYearBuildsThoseWithStatisticsAndShowsNoBoxPerYear)
{
    const std::string Data = Copy_Data("database_build_all");
    std::vector<int> Years;
    for (int nYear = 1951; nYear <= 2022; ++nYear)
        if (fs::exists(Data + "/Input/Stats/" + std::to_string(nYear) + "_teams.csv") &&
            fs::exists(Data + "/Input/Stats/Leagues/" + std::to_string(nYear) + "_league.csv"))
            Years.push_back(nYear);
    ASSERT_FALSE(Years.empty());
    const process_runner::RUN_RESULT All = Run_Text(Data, "tool Create_All_Universe_Databases\nquit\n");
    EXPECT_EQ(All.nExitCode, 0) << All.Out << All.Err;
    const std::string Said = "Tool Create_All_Universe_Databases: " + std::to_string(Years.size()) +
                             " databases built; " + std::to_string(72 - Years.size()) + " years left out (";
    EXPECT_TRUE(Contains(All.Out, Said)) << All.Out;
    EXPECT_FALSE(Contains(All.Out + All.Err, "[Read Error]")) << All.Err;
    EXPECT_FALSE(Contains(All.Out + All.Err, "[File Read Error]")) << All.Err;
    EXPECT_FALSE(Contains(All.Out + All.Err, "[Generating Random Rookies]")) << All.Err;
    EXPECT_FALSE(Contains(All.Out + All.Err, "re-install")) << All.Err;
    for (int nYear : Years)
        EXPECT_TRUE(fs::exists(Data + "/Databases/universe-" + std::to_string(nYear) + ".dat")) << nYear;
}

}  // namespace

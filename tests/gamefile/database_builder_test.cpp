// The database builder's runs: the template read once and its absence
// stopping the run, the range clamped before it runs, years without a
// league failing without writing, the offer to save the game in memory.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"
#include "base/text_utils.h"
#include "gamefile/build_commit.h"
#include "gamefile/database_builder.h"
#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "tools/default_league/default_league.h"
#include "tools/default_league_inputs.h"

namespace {

class DatabaseBuilderTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        // Nothing unsaved: no offer to save comes first.
        Remember_League_Fingerprint();
        ui::Reset();
        ASSERT_TRUE(Scratch.Ready());
    }
    // The template league in the scratch folder, as the program ships it.
    void Write_Template()
    {
        Copy_Default_League_Inputs();
        std::string Problem;
        ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
        files::Create_Folders("Databases");
        ASSERT_EQ(Save_Game(BUILD_TEMPLATE_DATABASE), 0);
        Remember_League_Fingerprint();
    }
    SCRATCH_FOLDER Scratch{"database_builder"};
};

TEST_F(DatabaseBuilderTest, AMissingTemplateStopsTheRunAndWritesNothing)
{
    const DATABASE_BUILD_RESULT Result = Create_Universe_Databases_Range(2009, 2010);
    EXPECT_TRUE(Result.bStopped);
    EXPECT_EQ(Result.nBuilt, 0);
    EXPECT_NE(Result.Problem.find("Universe-2019.dat"), std::string::npos) << Result.Problem;
    EXPECT_FALSE(files::File_Exists("databases/universe-2009.dat"));
    EXPECT_FALSE(files::File_Exists("HistoricalStats.txt"));
}

TEST_F(DatabaseBuilderTest, TheRangeIsClampedFirstAndYearsWithoutClubsWriteNothing)
{
    Write_Template();
    // 1900-1953 is 1951-1953, each once: three years, none with a teams file.
    DATABASE_BUILD_RESULT Result = Create_Universe_Databases_Range(1900, 1953);
    EXPECT_FALSE(Result.bStopped);
    EXPECT_EQ(Result.nBuilt, 0);
    EXPECT_EQ(Result.nFailed, 3);
    EXPECT_EQ(Result.Problem.rfind("1953: no statistics for 1953", 0), 0u) << Result.Problem;
    // The run's words name every year not built, not the last alone.
    const auto No_Statistics = [](int nYear) {
        const std::string Year = std::to_string(nYear);
        return Year + ": no statistics for " + Year + " (\"input/stats/leagues/" + Year +
               "_league.csv\" is not in the data folder; statistics files do not ship with the program)";
    };
    EXPECT_EQ(Database_Build_Problem(Result), No_Statistics(1951) + "; " + No_Statistics(1952) + "; " +
                                                  No_Statistics(1953) + "; no database built");
    // Two years are a range too; one year alone is told by its failure.
    EXPECT_EQ(Database_Build_Problem(Create_Universe_Databases_Range(1951, 1952)),
              No_Statistics(1951) + "; " + No_Statistics(1952) + "; no database built");
    EXPECT_EQ(Database_Build_Problem(Create_Universe_Database(1952)), No_Statistics(1952));
    // Asked by name, a year without statistics fails saying so, with no box
    // that sends the user to re-install.
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    for (const char* szPath : {"databases/universe-1951.dat", "databases/universe-1953.dat",
                               "databases/rookies-1951.dat", "Output/Ratings/1951_Player_Ratings.csv"})
        EXPECT_FALSE(files::File_Exists(szPath)) << szPath;
    // The historical file still comes at the end of a range.
    EXPECT_TRUE(files::File_Exists("HistoricalStats.txt"));

    // A range that runs backwards builds nothing and still writes the file.
    files::Delete_File("HistoricalStats.txt");
    Result = Create_Universe_Databases_Range(2000, 1999);
    EXPECT_EQ(Result.nBuilt + Result.nFailed, 0);
    EXPECT_FALSE(Result.bStopped);
    EXPECT_TRUE(files::File_Exists("HistoricalStats.txt"));

    // One year past the last is the last: 2030 tries 2023.
    Result = Create_Universe_Database(2030);
    EXPECT_EQ(Result.nFailed, 1);
    EXPECT_EQ(Result.Problem.rfind("2023: ", 0), 0u) << Result.Problem;
}

TEST_F(DatabaseBuilderTest, AChangedGameIsOfferedASaveAndCancelBuildsNothing)
{
    Write_Template();
    Set_User_Preference(PREF_DIFFICULTY, Get_User_Preference(PREF_DIFFICULTY) + 1);
    ui::Reset();
    ui::Queue_Answer(ID_CANCEL);
    const DATABASE_BUILD_RESULT Result = Create_Universe_Database(2010);
    EXPECT_TRUE(Result.bStopped);
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Game Not Saved");
    EXPECT_FALSE(files::File_Exists("databases/universe-2010.dat"));
    // The league in memory is the one the user had.
    EXPECT_TRUE(Has_League_Changed());
}

// The run of every year leaves out quietly the years whose statistics are
// not in the data folder, and says so once at its end.
TEST_F(DatabaseBuilderTest, EveryYearLeavesOutTheYearsWithoutStatisticsAndSaysSoOnce)
{
    Write_Template();
    ui::Reset();
    const DATABASE_BUILD_RESULT Result = Create_All_Universe_Databases();
    EXPECT_FALSE(Result.bStopped);
    EXPECT_EQ(Result.nBuilt, 0);
    EXPECT_EQ(Result.nFailed, 0);
    ASSERT_EQ(Result.LeftOut.size(), 72u);   // 1951-2022
    EXPECT_EQ(Result.LeftOut.front(), 1951);
    EXPECT_EQ(Result.LeftOut.back(), 2022);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Database_Build_Problem(Result), "");
    EXPECT_EQ(Database_Build_Summary(Result).substr(0, 53), "No database was built.\n\nLeft out: 72 years, 1951-2022");
}

// A commit record is read back as written; one cut short names nothing to
// trust: it goes, with what was staged, and the database in place stays.
TEST_F(DatabaseBuilderTest, ACommitRecordCutShortIsRemovedWithWhatWasStagedAndTheDatabaseStays)
{
    files::Create_Folders("Databases");
    files::Create_Folders("Input/Leaders");
    const std::string Database = "the database of 2010";
    ASSERT_TRUE(files::Write_Whole_File("databases/universe-2010.dat", Database.data(), Database.size()));
    BUILD_COMMIT Commit;
    Commit.nYear = 2010;
    ASSERT_TRUE(Measure_Database_File("databases/universe-2010.dat", Commit.nDatabaseSize, Commit.nDatabaseChecksum));
    EXPECT_EQ(Commit.nDatabaseSize, 20);
    Commit.bClass = true;
    Commit.nRatingsYear = 2010;
    ASSERT_TRUE(Write_Build_Commit(Commit));
    const std::string Record = Read_Text_File("Databases/universe-2010.dat.commit");
    BUILD_COMMIT Read;
    ASSERT_TRUE(Read_Build_Commit("databases/universe-2010.dat.commit", Read));
    EXPECT_EQ(Read.nDatabaseChecksum, Commit.nDatabaseChecksum);
    EXPECT_TRUE(Read.bClass && !Read.bClassLog && Read.nRatingsYear == 2010);

    const std::string Cut = Record.substr(0, Record.size() - 3);
    ASSERT_TRUE(files::Write_Whole_File("databases/universe-2010.dat.commit", Cut.data(), Cut.size()));
    ASSERT_TRUE(files::Write_Whole_File("Input/Leaders/2010-Game-Sacks.csv.staged", "x", 1));
    EXPECT_FALSE(Read_Build_Commit("databases/universe-2010.dat.commit", Read));
    EXPECT_EQ(Finish_Interrupted_Build_Commits(), 1);
    EXPECT_EQ(Discard_All_Staged_Build_Files(), 0);
    EXPECT_FALSE(files::Entry_Exists("databases/universe-2010.dat.commit"));
    EXPECT_FALSE(files::Entry_Exists("Input/Leaders/2010-Game-Sacks.csv.staged"));
    EXPECT_EQ(Read_Text_File("Databases/universe-2010.dat"), Database);

    // A database of the size the record names but other bytes is not the
    // one it built: what was staged goes, nothing is put in place.
    ASSERT_TRUE(Write_Build_Commit(Commit));
    const std::string Other = "the database of 2011";
    ASSERT_EQ(Other.size(), Database.size());
    ASSERT_TRUE(files::Write_Whole_File("databases/universe-2010.dat", Other.data(), Other.size()));
    ASSERT_TRUE(files::Write_Whole_File("Input/Leaders/2010-Game-Sacks.csv.staged", "x", 1));
    EXPECT_EQ(Finish_Interrupted_Build_Commits(), 1);
    EXPECT_FALSE(files::Entry_Exists("Input/Leaders/2010-Game-Sacks.csv"));
    EXPECT_FALSE(files::Entry_Exists("Input/Leaders/2010-Game-Sacks.csv.staged"));
    EXPECT_FALSE(files::Entry_Exists("databases/universe-2010.dat.commit"));

    // A folder or a link at a record's name is no record: it is left, said
    // in the debug log, and what its year staged stays with it. The sweep
    // takes only what a build stages: the user's own names stay.
    namespace fs = std::filesystem;
    ASSERT_TRUE(fs::create_directory("Databases/universe-2011.dat.commit"));
    fs::create_symlink("universe-2010.dat", "Databases/universe-2012.dat.commit");
    files::Create_Folders("Output/Ratings");
    const std::vector<std::string> Kept = {"Input/Leaders/2011-Game-Sacks.csv.staged", "Databases/rookies-2012.dat.staged",
                                           "Databases/universe-2012.dat.staged",
                                           "Output/Ratings/2012_Player_Ratings.csv.staged",
                                           "Draft-Class-Rookies.csv.staged", "Databases/universe-mine.dat.staged",
                                           "Databases/rookies-2010 copy.dat.staged"};
    for (const std::string& Name : Kept)
        ASSERT_TRUE(files::Write_Whole_File(Name.c_str(), "x", 1)) << Name;
    ASSERT_TRUE(files::Write_Whole_File("Databases/universe-2013.dat.staged", "x", 1));
    EXPECT_EQ(Finish_Interrupted_Build_Commits(), 0);
    EXPECT_EQ(Discard_All_Staged_Build_Files(), 1);
    EXPECT_FALSE(files::Entry_Exists("Databases/universe-2013.dat.staged"));
    for (const std::string& Name : Kept)
        EXPECT_EQ(Read_Text_File(Name), "x") << Name;
    EXPECT_TRUE(fs::is_directory("Databases/universe-2011.dat.commit"));
    EXPECT_TRUE(fs::is_symlink("Databases/universe-2012.dat.commit"));
    EXPECT_EQ(Read_Text_File("Databases/universe-2010.dat"), Other);
    std::vector<std::string> Told;
    for (const std::string& Line : Read_Debug_Log_Lines(true))
        if (Line.rfind("Left the commit record", 0) == 0)
            Told.push_back(Line);
    EXPECT_EQ(Told, (std::vector<std::string>{
                        "Left the commit record databases/universe-2011.dat.commit of a database build that did not "
                        "finish as it is: it is a folder, not a file",
                        "Left the commit record databases/universe-2012.dat.commit of a database build that did not "
                        "finish as it is: it is a symbolic link, not a file"}));
}

// A record naming a file this start sees neither in place nor staged (the
// leader folder a link to a disk not mounted) is kept, said in the debug
// log, with what its year staged; nothing staged at all is swept while the
// database folder is a link that leads nowhere. What a year staged goes by
// its exact names through a link to a folder outside the data folder, the
// other names there kept.
TEST_F(DatabaseBuilderTest, ARecordOutOfSightIsKeptAndAYearsStagedNamesGoThroughLinks)
{
    namespace fs = std::filesystem;
    files::Create_Folders("Databases");
    const std::string Database = "the database of 2014";
    ASSERT_TRUE(files::Write_Whole_File("Databases/universe-2014.dat", Database.data(), Database.size()));
    BUILD_COMMIT Commit;
    Commit.nYear = 2014;
    ASSERT_TRUE(Measure_Database_File("Databases/universe-2014.dat", Commit.nDatabaseSize, Commit.nDatabaseChecksum));
    Commit.nRatingsYear = 2014;
    ASSERT_TRUE(Write_Build_Commit(Commit));
    SCRATCH_FOLDER Disk{"database_builder_disk", false};
    ASSERT_TRUE(Disk.Ready());
    files::Create_Folders("Input");
    fs::create_directory_symlink(Disk.Path() + "/Leaders", "Input/Leaders");
    EXPECT_EQ(Finish_Interrupted_Build_Commits(), 0);
    EXPECT_TRUE(files::File_Exists("Databases/universe-2014.dat.commit"));
    EXPECT_EQ(Count_Logged_Lines("Kept the commit record databases/universe-2014.dat.commit of a database build "
                                   "that did not finish: Input/Leaders/2014-Career-Passing_Attempts.csv is neither "
                                   "in place nor staged where this start can see it (a disk not mounted?); a later "
                                   "start handles it"),
              1);
    // Its year's staged ratings file stays with it.
    files::Create_Folders("Output/Ratings");
    ASSERT_TRUE(files::Write_Whole_File("Output/Ratings/2014_Player_Ratings.csv.staged", "x", 1));
    EXPECT_EQ(Discard_All_Staged_Build_Files(), 0);
    EXPECT_EQ(Read_Text_File("Output/Ratings/2014_Player_Ratings.csv.staged"), "x");

    // The database folder a link that leads nowhere: a staged leader file
    // stays, whatever year it is of.
    fs::remove("Input/Leaders");
    files::Create_Folders("Input/Leaders");
    ASSERT_TRUE(files::Write_Whole_File("Input/Leaders/2015-Game-Sacks.csv.staged", "x", 1));
    fs::rename("Databases", "Databases-away");
    fs::create_directory_symlink(Disk.Path() + "/Databases", "Databases");
    EXPECT_EQ(Finish_Interrupted_Build_Commits(), 0);
    EXPECT_EQ(Discard_All_Staged_Build_Files(), 0);
    EXPECT_EQ(Read_Text_File("Input/Leaders/2015-Game-Sacks.csv.staged"), "x");
    fs::remove("Databases");
    fs::rename("Databases-away", "Databases");
    fs::remove("Input/Leaders/2015-Game-Sacks.csv.staged");

    // The leader and ratings folders links to folders outside: a year's
    // discard removes its own staged names there, nothing else.
    fs::remove_all("Input/Leaders");
    fs::remove_all("Output/Ratings");
    ASSERT_TRUE(fs::create_directory(Disk.Path() + "/Leaders"));
    ASSERT_TRUE(fs::create_directory(Disk.Path() + "/Ratings"));
    fs::create_directory_symlink(Disk.Path() + "/Leaders", "Input/Leaders");
    fs::create_directory_symlink(Disk.Path() + "/Ratings", "Output/Ratings");
    const std::vector<std::string> Gone = {"Leaders/2014-Game-Sacks.csv.staged",
                                           "Leaders/2014-Career-Cap_Impact.csv.staged",
                                           "Ratings/2014_Player_Ratings.csv.staged"};
    const std::vector<std::string> Theirs = {"Leaders/2015-Game-Sacks.csv.staged", "Leaders/2014-Game-Sacks.csv",
                                             "Leaders/notes.staged", "Ratings/2015_Player_Ratings.csv.staged"};
    for (const std::string& Name : Gone)
        ASSERT_TRUE(files::Write_Whole_File((Disk.Path() + "/" + Name).c_str(), "x", 1)) << Name;
    for (const std::string& Name : Theirs)
        ASSERT_TRUE(files::Write_Whole_File((Disk.Path() + "/" + Name).c_str(), "theirs", 6)) << Name;
    // The sweep leaves a folder outside as it is.
    EXPECT_EQ(Discard_All_Staged_Build_Files(), 0);
    for (const std::string& Name : Gone)
        EXPECT_TRUE(fs::exists(Disk.Path() + "/" + Name)) << Name;
    Discard_Staged_Year(2014, 2014);
    for (const std::string& Name : Gone)
        EXPECT_FALSE(fs::exists(Disk.Path() + "/" + Name)) << Name;
    for (const std::string& Name : Theirs)
        EXPECT_EQ(Read_Text_File(Disk.Path() + "/" + Name), "theirs") << Name;
    EXPECT_FALSE(files::Entry_Exists("Databases/universe-2014.dat.commit"));
    EXPECT_EQ(Read_Text_File("Databases/universe-2014.dat"), Database);
    fs::remove("Input/Leaders");
    fs::remove("Output/Ratings");
}

TEST(DatabaseBuildSummary, NamesTheYearsBuiltLeftOutAndFailedAsRanges)
{
    EXPECT_EQ(Format_Year_Ranges({}), "");
    EXPECT_EQ(Format_Year_Ranges({1990}), "1990");
    EXPECT_EQ(Format_Year_Ranges({1990, 1991, 1993, 1995, 1996, 1997}), "1990-1991, 1993, 1995-1997");
    // Years two apart are no range, in whatever order they come (the
    // statistics importer's years found come newest first).
    EXPECT_EQ(Format_Year_Ranges({2011, 2009}), "2009, 2011");
    EXPECT_EQ(Format_Year_Ranges({2011, 2010, 2009, 2023}), "2009-2011, 2023");
    DATABASE_BUILD_RESULT Result;
    Result.Built = {1990, 1991, 1993};
    Result.nBuilt = 3;
    Result.LeftOut = {1988, 1989, 1992};
    Result.nFailed = 2;
    Result.Problem = "1995: the teams file of 1995 gives 4 clubs";
    Result.Failures = {"1994: the teams file of 1994 gives 3 clubs", Result.Problem};
    EXPECT_EQ(Database_Build_Summary(Result),
              "Databases built: 3 years, 1990-1991, 1993.\n\nLeft out: 3 years, 1988-1989, 1992, whose statistics "
              "files (\"input/stats/<year>_teams.csv\" and \"input/stats/leagues/<year>_league.csv\") are not in the "
              "data folder. Statistics files do not ship with the program; the reason for each year is in "
              "debug.txt.\n\nNot built: 2, 1994: the teams file of 1994 gives 3 clubs; 1995: the teams file of 1995 "
              "gives 4 clubs.");
    // The run's line names every failure and the years built, those
    // written in part with what they lack.
    Result.WrittenInPart = {1993};
    Result.PartProblems = {"1993: the database \"databases/universe-1993.dat\" was written, but x"};
    Result.PartProblem = Result.PartProblems[0];
    EXPECT_EQ(Database_Build_Problem(Result),
              "1994: the teams file of 1994 gives 3 clubs; 1995: the teams file of 1995 gives 4 clubs; built: "
              "1990-1991, 1993; written without all of its files: 1993: the database "
              "\"databases/universe-1993.dat\" was written, but x");
    // One year asked, one failure: its reason alone.
    DATABASE_BUILD_RESULT One;
    One.nFailed = 1;
    One.Problem = "2010: why";
    One.Failures = {One.Problem};
    EXPECT_EQ(Database_Build_Problem(One), "2010: why");
    // A year whose database was written without every file of it is built,
    // and told apart; it is no failure of the run.
    DATABASE_BUILD_RESULT InPart;
    InPart.Built = {2009, 2010};
    InPart.nBuilt = 2;
    InPart.WrittenInPart = {2010};
    InPart.PartProblem = "2010: the database \"databases/universe-2010.dat\" was written, but the draft class of "
                         "2010 (\"Databases/rookies-2010.dat\") could not be written (Is a directory)";
    InPart.PartProblems = {InPart.PartProblem};
    EXPECT_EQ(Database_Build_Problem(InPart), "");
    EXPECT_EQ(Database_Build_Summary(InPart),
              "Databases built: 2 years, 2009-2010.\n\nWritten without all of their files: 1 year, 2010: the "
              "database \"databases/universe-2010.dat\" was written, but the draft class of 2010 "
              "(\"Databases/rookies-2010.dat\") could not be written (Is a directory).");
    DATABASE_BUILD_RESULT Stopped;
    Stopped.bStopped = true;
    Stopped.Problem = "games are being played";
    EXPECT_EQ(Database_Build_Summary(Stopped), "No database was built: games are being played.");
}

}  // namespace

// The default league as the build leaves it: the program installed with the
// build's data folder beside it finds "Databases/Universe-2019.dat" and
// loads it; without it start-up says which file is missing. The generator
// program writes the same file wherever it is run.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

extern char** environ;

namespace {

using program_support::PROGRAM;
using program_support::BUILT_DATA;
using program_support::Contains;

namespace fs = std::filesystem;

#ifndef KELVO_GENERATOR_PATH
#error "the build passes the path of the default-league generator as KELVO_GENERATOR_PATH"
#endif
const std::string GENERATOR = KELVO_GENERATOR_PATH;

using RUN = process_runner::RUN_RESULT;

// Runs the program without KELVO_DATA and KELVO_DEBUG, from szFolder, its
// output kept in files of Output.
RUN Run_Program(const std::string& Program, const std::vector<std::string>& Args, const std::string& Folder,
        const std::string& Output)
{
    process_runner::RUN_OPTIONS Options;
    Options.Folder = Folder;
    Options.Output = Output;
    return process_runner::Run(Program, Args, Options);
}

}  // namespace

TEST(DefaultLeagueProgram, StartUpFindsAndLoadsTheBuiltLeague)
{
    const std::string Built = BUILT_DATA + "/Databases/Universe-2019.dat";
    ASSERT_TRUE(fs::exists(Built)) << "the build writes " << Built;

    // The program and a copy of the build's data folder beside it.
    SCRATCH_FOLDER Install{"league_install", false};
    SCRATCH_FOLDER Output{"league_out", false};
    ASSERT_TRUE(Install.Ready() && Output.Ready());
    const std::string Copy = Install.Path() + "/kelvo";
    ASSERT_TRUE(fs::copy_file(PROGRAM, Copy));
    std::error_code Error;
    fs::copy(BUILT_DATA, Install.Path() + "/data", fs::copy_options::recursive, Error);
    ASSERT_FALSE(Error) << Error.message();

    const RUN Loaded = Run_Program(Copy, {"IS_NOT_RANDOM"}, Output.Path(), Output.Path());
    EXPECT_EQ(Loaded.nExitCode, 0) << Loaded.Err;
    EXPECT_FALSE(Contains(Loaded.Err, "failed")) << Loaded.Err;
    EXPECT_FALSE(Contains(Loaded.Err, "missing")) << Loaded.Err;
    const std::string Log = Read_Text_File(Install.Path() + "/data/debug.txt", "(no debug.txt)");
    EXPECT_TRUE(Contains(Log, "started at: ")) << Log;
    EXPECT_FALSE(Contains(Log, "failed")) << Log;

    // Without the file start-up stops and names it.
    ASSERT_TRUE(fs::remove(Install.Path() + "/data/Databases/Universe-2019.dat"));
    const RUN Missing = Run_Program(Copy, {}, Output.Path(), Output.Path());
    EXPECT_EQ(Missing.nExitCode, 1);
    EXPECT_TRUE(Contains(Missing.Err, "The league database \"Databases/Universe-2019.dat\" is missing in \"" +
                                          Install.Path() + "/data\"."))
        << Missing.Err;

    // A pipe or a folder in its place is there, but is no file to load.
    const std::string Database = Install.Path() + "/data/Databases/Universe-2019.dat";
    for (const bool bFolder : {false, true}) {
        if (bFolder)
            ASSERT_TRUE(fs::create_directory(Database));
        else
            ASSERT_EQ(::mkfifo(Database.c_str(), 0644), 0);
        const RUN Odd = Run_Program(Copy, {}, Output.Path(), Output.Path());
        EXPECT_EQ(Odd.nExitCode, 1);
        EXPECT_TRUE(Contains(Odd.Err, "The league database \"Databases/Universe-2019.dat\" is not a regular file in \"" +
                                          Install.Path() + "/data\"."))
            << Odd.Err;
        EXPECT_FALSE(Contains(Odd.Err, "missing")) << Odd.Err;
        EXPECT_FALSE(Contains(Odd.Err, "Invalid argument")) << Odd.Err;
        fs::remove(Database);
    }
}

TEST(DefaultLeagueProgram, GeneratorWritesTheSameFileAnywhereAndRefusesBadUse)
{
    SCRATCH_FOLDER Work{"league_generate", false};
    SCRATCH_FOLDER Output{"league_generate_out", false};
    ASSERT_TRUE(Work.Ready() && Output.Ready());

    EXPECT_EQ(Run_Program(GENERATOR, {}, Output.Path(), Output.Path()).nExitCode, 2);
    const RUN Nowhere = Run_Program(GENERATOR, {Work.Path() + "/nowhere"}, Output.Path(), Output.Path());
    EXPECT_EQ(Nowhere.nExitCode, 1);
    EXPECT_TRUE(Contains(Nowhere.Err, "cannot enter")) << Nowhere.Err;
    // A data folder without the league's files: nothing is written.
    const RUN Empty = Run_Program(GENERATOR, {Work.Path()}, Output.Path(), Output.Path());
    EXPECT_EQ(Empty.nExitCode, 1);
    EXPECT_TRUE(Contains(Empty.Err, "\"league/cities.csv\" cannot be read")) << Empty.Err;
    EXPECT_FALSE(fs::exists(Work.Path() + "/Databases/Universe-2019.dat"));

    for (const char* szFolder : {"league", "names", "Input"}) {
        std::error_code Error;
        if (fs::exists(BUILT_DATA + "/" + szFolder))
            fs::copy(BUILT_DATA + "/" + szFolder, Work.Path() + "/" + szFolder, fs::copy_options::recursive, Error);
        ASSERT_FALSE(Error) << Error.message();
    }
    const RUN Written = Run_Program(GENERATOR, {Work.Path(), "Databases/Other.dat"}, Output.Path(), Output.Path());
    ASSERT_EQ(Written.nExitCode, 0) << Written.Err;
    EXPECT_TRUE(Contains(Written.Out, "wrote \"Databases/Other.dat\"")) << Written.Out;
    EXPECT_EQ(Written.Err, "");
    // No log is left behind by a clean run.
    EXPECT_FALSE(fs::exists(Work.Path() + "/debug.txt"));
    const std::string Here = Read_Text_File(Work.Path() + "/Databases/Other.dat", "(none)");
    const std::string Built = Read_Text_File(BUILT_DATA + "/Databases/Universe-2019.dat", "(built: none)");
    EXPECT_TRUE(Here == Built) << "the file written here differs from the build's";
}

// The tests start from the data as the build made it, never from the folder
// beside the program, which holds what its user saved, exported and built.
TEST(DefaultLeagueProgram, TestsCopyTheDataAsBuiltWhateverTheUserSaved)
{
    const std::string Beside = fs::path(PROGRAM).parent_path().string() + "/data";
    ASSERT_NE(fs::weakly_canonical(BUILT_DATA), fs::weakly_canonical(Beside));
    // The program's own folder has the league the tests start from.
    EXPECT_TRUE(Read_Text_File(Beside + "/Databases/Universe-2019.dat", "(beside: none)") ==
                Read_Text_File(BUILT_DATA + "/Databases/Universe-2019.dat", "(built: none)"));
    EXPECT_TRUE(Read_Text_File(Beside + "/Input/Stats/Seasons.csv", "(beside: none)") ==
                Read_Text_File(BUILT_DATA + "/Input/Stats/Seasons.csv", "(built: none)"));

    // A save of the user's beside the program, for as long as this test runs.
    const std::string Save = Beside + "/Zz Saved By Its User " + std::to_string(::getpid()) + ".zrt";
    struct REMOVE_AT_END {
        std::string Path;
        ~REMOVE_AT_END() { fs::remove(Path); }
    } Remove{Save};
    {
        FILE* pFile = std::fopen(Save.c_str(), "wb");
        ASSERT_NE(pFile, nullptr) << Save;
        std::fputs("not a league", pFile);
        std::fclose(pFile);
    }
    SCRATCH_FOLDER Copy{"league_fresh_copy", false};
    ASSERT_TRUE(Copy.Ready());
    program_support::Copy_Built_Data(Copy.Path());
    EXPECT_TRUE(fs::exists(Copy.Path() + "/Databases/Universe-2019.dat"));
    for (const auto& Entry : fs::recursive_directory_iterator(Copy.Path())) {
        const std::string Name = Entry.path().filename().string();
        EXPECT_NE(Entry.path().extension(), ".zrt") << Entry.path();
        EXPECT_NE(Name, "debug.txt");
        EXPECT_NE(Name, "kelvo.lock");
    }
}

// The default league as the build leaves it: the program installed with the
// build's data folder beside it finds "Databases/Universe-2019.dat" and
// loads it; without it start-up says which file is missing. The generator
// program writes the same file wherever it is run.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

#ifndef KELVO_GENERATOR_PATH
#error "the build passes the path of the default-league generator as KELVO_GENERATOR_PATH"
#endif
const std::string PROGRAM = KELVO_PROGRAM_PATH;
const std::string GENERATOR = KELVO_GENERATOR_PATH;
const std::string BUILT_DATA = fs::path(PROGRAM).parent_path().string() + "/data";

struct RUN {
    int nExitCode = -1;
    std::string Out;
    std::string Err;
};

bool Contains(const std::string& Text, const std::string& Part)
{
    return Text.find(Part) != std::string::npos;
}

// Runs the program without KELVO_DATA and KELVO_DEBUG, from szFolder, its
// output kept in files of Output.
RUN Run_Program(const std::string& Program, const std::vector<std::string>& Args, const std::string& Folder,
        const std::string& Output)
{
    RUN Result;
    std::vector<std::string> Environment;
    for (char** p = environ; *p != nullptr; ++p)
        if (std::strncmp(*p, "KELVO_DATA=", 11) != 0 && std::strncmp(*p, "KELVO_DEBUG=", 12) != 0)
            Environment.emplace_back(*p);
    std::vector<char*> EnvPointers;
    for (std::string& Entry : Environment)
        EnvPointers.push_back(Entry.data());
    EnvPointers.push_back(nullptr);
    std::vector<std::string> Arguments{Program};
    Arguments.insert(Arguments.end(), Args.begin(), Args.end());
    std::vector<char*> ArgPointers;
    for (std::string& Argument : Arguments)
        ArgPointers.push_back(Argument.data());
    ArgPointers.push_back(nullptr);
    const std::string OutPath = Output + "/stdout.txt";
    const std::string ErrPath = Output + "/stderr.txt";
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&Actions, 1, OutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&Actions, 2, ErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&Actions, Folder.c_str());
    pid_t nChild = 0;
    const int nSpawn =
        ::posix_spawn(&nChild, Program.c_str(), &Actions, nullptr, ArgPointers.data(), EnvPointers.data());
    posix_spawn_file_actions_destroy(&Actions);
    if (nSpawn != 0) {
        ADD_FAILURE() << "cannot start " << Program << ": " << std::strerror(nSpawn);
        return Result;
    }
    int nStatus = 0;
    if (::waitpid(nChild, &nStatus, 0) == nChild && WIFEXITED(nStatus))
        Result.nExitCode = WEXITSTATUS(nStatus);
    Result.Out = Read_Text_File(OutPath);
    Result.Err = Read_Text_File(ErrPath);
    return Result;
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

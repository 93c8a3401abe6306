// Runs a program as its own process for the program-level tests: the tests'
// environment less KELVO_DATA and KELVO_DEBUG (plus what the test adds),
// standard input from a file, standard output and error kept in files of an
// output folder, a time limit after which the process is killed.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "test_support.h"

extern char** environ;

namespace process_runner {

struct RUN_RESULT {
    int nExitCode = -1;     // -1: it did not exit by itself
    bool bTimedOut = false;
    std::string Out;
    std::string Err;
};

struct RUN_OPTIONS {
    std::vector<std::string> Env;           // "NAME=value" added to the environment
    std::string Input = "/dev/null";        // standard input
    std::string Folder = ".";               // where it starts
    std::string Output = ".";               // where stdout.txt and stderr.txt go
    std::chrono::seconds Limit = std::chrono::seconds(60);
};

inline RUN_RESULT Run(const std::string& Program, const std::vector<std::string>& Args, const RUN_OPTIONS& Options)
{
    RUN_RESULT Result;
    std::vector<std::string> Environment;
    for (char** p = environ; *p != nullptr; ++p)
        if (std::strncmp(*p, "KELVO_DATA=", 11) != 0 && std::strncmp(*p, "KELVO_DEBUG=", 12) != 0)
            Environment.emplace_back(*p);
    Environment.insert(Environment.end(), Options.Env.begin(), Options.Env.end());
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

    const std::string OutPath = Options.Output + "/stdout.txt";
    const std::string ErrPath = Options.Output + "/stderr.txt";
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, 0, Options.Input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&Actions, 1, OutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&Actions, 2, ErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&Actions, Options.Folder.c_str());
    pid_t nChild = 0;
    const int nSpawn =
        ::posix_spawn(&nChild, Program.c_str(), &Actions, nullptr, ArgPointers.data(), EnvPointers.data());
    posix_spawn_file_actions_destroy(&Actions);
    if (nSpawn != 0) {
        ADD_FAILURE() << "cannot start " << Program << ": " << std::strerror(nSpawn);
        return Result;
    }

    const auto Deadline = std::chrono::steady_clock::now() + Options.Limit;
    int nStatus = 0;
    for (;;) {
        const pid_t nDone = ::waitpid(nChild, &nStatus, WNOHANG);
        if (nDone == nChild)
            break;
        if (nDone < 0) {
            ADD_FAILURE() << "waitpid: " << std::strerror(errno);
            return Result;
        }
        if (std::chrono::steady_clock::now() > Deadline) {
            Result.bTimedOut = true;
            ::kill(nChild, SIGKILL);
            ::waitpid(nChild, &nStatus, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!Result.bTimedOut && WIFEXITED(nStatus))
        Result.nExitCode = WEXITSTATUS(nStatus);
    Result.Out = Read_Text_File(OutPath);
    Result.Err = Read_Text_File(ErrPath);
    return Result;
}

}  // namespace process_runner

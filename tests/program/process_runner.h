// Runs a program as its own process for the program-level tests: the tests'
// environment less KELVO_DATA, KELVO_DEBUG and the display (plus what the
// test adds, DISPLAY included, in place of an inherited value),
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

#include "test_deadlines.h"
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
    bool bErrorsInOutput = false;           // standard error into stdout.txt too, in the order written
    std::chrono::seconds Limit = std::chrono::seconds(60);
};

// A started child; Input is the write end of its standard input when it was
// started with a pipe there (else -1).
struct CHILD {
    pid_t nPid = -1;
    int nInput = -1;
    std::string Output;
};

// Starts the program; with bPipe its standard input is a pipe the caller
// writes (Options.Input is then not used).
inline CHILD Start(const std::string& Program, const std::vector<std::string>& Args, const RUN_OPTIONS& Options,
                   bool bPipe = false)
{
    CHILD Child;
    Child.Output = Options.Output;
    // A display the tests' own environment happens to have is not the
    // program's: it runs headless unless the test names one.
    // A variable the test gives replaces the inherited one of that name (the
    // first of two is the one a program reads).
    const auto Given = [&Options](const char* szEntry) {
        for (const std::string& Entry : Options.Env) {
            const size_t nName = Entry.find('=');
            if (nName != std::string::npos && std::strncmp(szEntry, Entry.c_str(), nName + 1) == 0)
                return true;
        }
        return false;
    };
    std::vector<std::string> Environment;
    for (char** p = environ; *p != nullptr; ++p)
        if (std::strncmp(*p, "KELVO_DATA=", 11) != 0 && std::strncmp(*p, "KELVO_DEBUG=", 12) != 0 &&
            std::strncmp(*p, "DISPLAY=", 8) != 0 && std::strncmp(*p, "WAYLAND_DISPLAY=", 16) != 0 && !Given(*p))
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

    int Pipe[2] = {-1, -1};
    if (bPipe && ::pipe2(Pipe, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return Child;
    }
    const std::string OutPath = Options.Output + "/stdout.txt";
    const std::string ErrPath = Options.Output + "/stderr.txt";
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    if (bPipe)
        posix_spawn_file_actions_adddup2(&Actions, Pipe[0], 0);
    else
        posix_spawn_file_actions_addopen(&Actions, 0, Options.Input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&Actions, 1, OutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (Options.bErrorsInOutput) {
        // No stderr.txt of an earlier run is read as this one's.
        ::unlink(ErrPath.c_str());
        posix_spawn_file_actions_adddup2(&Actions, 1, 2);
    } else {
        posix_spawn_file_actions_addopen(&Actions, 2, ErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addchdir_np(&Actions, Options.Folder.c_str());
    const int nSpawn =
        ::posix_spawn(&Child.nPid, Program.c_str(), &Actions, nullptr, ArgPointers.data(), EnvPointers.data());
    posix_spawn_file_actions_destroy(&Actions);
    if (bPipe)
        ::close(Pipe[0]);
    if (nSpawn != 0) {
        ADD_FAILURE() << "cannot start " << Program << ": " << std::strerror(nSpawn);
        if (bPipe)
            ::close(Pipe[1]);
        Child.nPid = -1;
        return Child;
    }
    Child.nInput = bPipe ? Pipe[1] : -1;
    return Child;
}

// Waits for the child to end; after Limit (a plain build's, stretched for a
// slower build by Test_Deadline) it is killed (bTimedOut). A positive
// KillAfter kills it with SIGKILL at that time instead, without counting as
// a time-out (it is a moment the test chose, not a deadline).
inline RUN_RESULT Wait(CHILD& Child, std::chrono::milliseconds Limit,
                       std::chrono::milliseconds KillAfter = std::chrono::milliseconds(0))
{
    RUN_RESULT Result;
    if (Child.nInput >= 0) {
        ::close(Child.nInput);
        Child.nInput = -1;
    }
    if (Child.nPid <= 0)
        return Result;
    const auto Started = std::chrono::steady_clock::now();
    const auto Deadline = Started + Test_Deadline(Limit);
    int nStatus = 0;
    for (;;) {
        const pid_t nDone = ::waitpid(Child.nPid, &nStatus, WNOHANG);
        if (nDone == Child.nPid)
            break;
        if (nDone < 0) {
            ADD_FAILURE() << "waitpid: " << std::strerror(errno);
            return Result;
        }
        const auto Now = std::chrono::steady_clock::now();
        const bool bKill = KillAfter.count() > 0 && Now >= Started + KillAfter;
        if (Now > Deadline || bKill) {
            Result.bTimedOut = !bKill;
            ::kill(Child.nPid, SIGKILL);
            ::waitpid(Child.nPid, &nStatus, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    Child.nPid = -1;
    if (!Result.bTimedOut && WIFEXITED(nStatus))
        Result.nExitCode = WEXITSTATUS(nStatus);
    Result.Out = Read_Text_File(Child.Output + "/stdout.txt");
    Result.Err = Read_Text_File(Child.Output + "/stderr.txt");
    return Result;
}

inline RUN_RESULT Run(const std::string& Program, const std::vector<std::string>& Args, const RUN_OPTIONS& Options)
{
    CHILD Child = Start(Program, Args, Options);
    return Wait(Child, std::chrono::duration_cast<std::chrono::milliseconds>(Options.Limit));
}

}  // namespace process_runner

// A helper program a test starts and stops (an X server, a window manager):
// its standard streams on /dev/null, in a process group of its own, so that
// a signal to the test's group (the terminal's ^C) does not race the orderly
// stop.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace quiet_child {

// Starts szProgram (looked up on PATH) with Arguments (null-ended, the
// program's name first); nFd3, when not -1, becomes its descriptor 3. The
// spawn's error number, 0 when it started (nPid then set).
inline int Start(const char* szProgram, const char* const Arguments[], pid_t& nPid, int nFd3 = -1)
{
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    if (nFd3 >= 0)
        posix_spawn_file_actions_adddup2(&Actions, nFd3, 3);
    posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&Actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&Actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t Attributes;
    posix_spawnattr_init(&Attributes);
    posix_spawnattr_setflags(&Attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&Attributes, 0);
    const int nSpawn =
        ::posix_spawnp(&nPid, szProgram, &Actions, &Attributes, const_cast<char* const*>(Arguments), environ);
    posix_spawn_file_actions_destroy(&Actions);
    posix_spawnattr_destroy(&Attributes);
    return nSpawn;
}

// Asks the program to end (SIGTERM) and waits for it, calling Pause between
// looks, nLooks times at most; then kills it. nPid is -1 after.
template <class PAUSE>
void Stop(pid_t& nPid, int nLooks, PAUSE Pause)
{
    if (nPid <= 0)
        return;
    ::kill(nPid, SIGTERM);
    int nStatus = 0;
    for (int i = 0; i < nLooks; ++i) {
        const pid_t n = ::waitpid(nPid, &nStatus, WNOHANG);
        if (n == nPid || (n < 0 && errno != EINTR)) {
            nPid = -1;
            return;
        }
        Pause();
    }
    ::kill(nPid, SIGKILL);
    ::waitpid(nPid, &nStatus, 0);
    nPid = -1;
}

}  // namespace quiet_child

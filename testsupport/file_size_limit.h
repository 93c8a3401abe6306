// Runs a piece of a test in a child process whose files may grow only to a
// given size (RLIMIT_FSIZE, SIGXFSZ ignored): a write past it fails with
// EFBIG, as on a disk that fills, while the writes before it succeed. The
// child's answer is a small number (0-255) the piece returns; -1 when the
// child did not end by itself.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace file_size_limit {

template <class PIECE>
int Run_Limited(long long nBytes, PIECE Piece)
{
    std::fflush(nullptr);
    const pid_t nPid = ::fork();
    if (nPid < 0)
        return -1;
    if (nPid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit Limit;
        ::getrlimit(RLIMIT_FSIZE, &Limit);
        Limit.rlim_cur = static_cast<rlim_t>(nBytes);
        if (::setrlimit(RLIMIT_FSIZE, &Limit) != 0)
            ::_exit(255);
        const int nAnswer = Piece();
        ::_exit(nAnswer & 0xff);
    }
    int nStatus = 0;
    while (::waitpid(nPid, &nStatus, 0) < 0) {
    }
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
}

}  // namespace file_size_limit

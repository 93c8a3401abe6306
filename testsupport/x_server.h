// An X server of a test's own: Xvfb on a display number it picks itself
// (-displayfd), no window manager, no TCP. Start() sets DISPLAY and the
// variables that keep GTK from looking for an accessibility bus, a session
// bus or a settings daemon; the server is stopped when the object goes (and
// at exit, should the test end another way), so no server outlives its test.
//
// Under CI=true a server that cannot be started is a failure of the test,
// not a reason to skip it: Must_Have_Server() says which applies.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "quiet_child.h"

class X_SERVER {
public:
    X_SERVER() = default;
    X_SERVER(const X_SERVER&) = delete;
    X_SERVER& operator=(const X_SERVER&) = delete;
    ~X_SERVER() { Stop(); }

    // Starts the server and points DISPLAY at it; false with Problem() set
    // when it cannot be had within nWaitMs.
    bool Start(int nWaitMs = 10000)
    {
        if (m_nPid > 0)
            return true;
        int Pipe[2];
        if (::pipe2(Pipe, O_CLOEXEC) != 0)
            return Fail(std::string("pipe: ") + std::strerror(errno));
        // The child writes the display number on descriptor 3.
        const std::string Screen = m_Screen + "x24";
        const char* Arguments[] = {"Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-screen", "0", Screen.c_str(),
                                   nullptr};
        const int nSpawn = quiet_child::Start("Xvfb", Arguments, m_nPid, Pipe[1]);
        ::close(Pipe[1]);
        if (nSpawn != 0) {
            ::close(Pipe[0]);
            m_nPid = -1;
            return Fail(std::string("cannot start Xvfb: ") + std::strerror(nSpawn));
        }
        Register_Exit_Stop(this);
        std::string Number;
        const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(nWaitMs);
        bool bDone = false;
        while (!bDone) {
            const auto Left = std::chrono::duration_cast<std::chrono::milliseconds>(
                Deadline - std::chrono::steady_clock::now());
            if (Left.count() <= 0)
                break;
            pollfd Poll{Pipe[0], POLLIN, 0};
            const int nReady = ::poll(&Poll, 1, static_cast<int>(Left.count()));
            if (nReady < 0 && errno == EINTR)
                continue;
            if (nReady <= 0)
                break;
            char Buffer[32];
            const ssize_t n = ::read(Pipe[0], Buffer, sizeof(Buffer));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;   // the server ended before it said its number
            Number.append(Buffer, static_cast<size_t>(n));
            bDone = Number.find('\n') != std::string::npos;
        }
        ::close(Pipe[0]);
        while (!Number.empty() && (Number.back() == '\n' || Number.back() == '\r'))
            Number.pop_back();
        if (!bDone || Number.empty()) {
            Stop();
            return Fail("Xvfb did not report its display within " + std::to_string(nWaitMs) + " ms");
        }
        m_Display = ":" + Number;
        ::setenv("DISPLAY", m_Display.c_str(), 1);
        ::unsetenv("WAYLAND_DISPLAY");
        ::setenv("NO_AT_BRIDGE", "1", 1);
        ::setenv("GDK_BACKEND", "x11", 1);
        ::setenv("GSETTINGS_BACKEND", "memory", 1);
        return true;
    }

    // The screen's size, "1280x1024" unless another (as "1024x600") is set
    // before Start: digits, "x", digits, else it is refused.
    bool Set_Screen_Size(const std::string& Size)
    {
        const size_t nX = Size.find('x');
        const auto Digits = [](const std::string& Part) {
            return !Part.empty() && Part.size() <= 5 && Part.find_first_not_of("0123456789") == std::string::npos;
        };
        if (nX == std::string::npos || !Digits(Size.substr(0, nX)) || !Digits(Size.substr(nX + 1)))
            return false;
        m_Screen = Size;
        return true;
    }

    // Ends the server and waits for it.
    void Stop()
    {
        if (m_nPid <= 0)
            return;
        // Two seconds, then it is killed.
        quiet_child::Stop(m_nPid, 200, [] { ::usleep(10000); });
        if (Exit_Stop() == this)
            Exit_Stop() = nullptr;
    }

    bool Running() const { return m_nPid > 0; }
    const std::string& Display() const { return m_Display; }
    const std::string& Problem() const { return m_Problem; }
    pid_t Pid() const { return m_nPid; }

    // CI must run the GUI tests: there a server that will not start fails.
    static bool Must_Have_Server()
    {
        const char* szCi = std::getenv("CI");
        return szCi != nullptr && std::strcmp(szCi, "true") == 0;
    }

private:
    bool Fail(const std::string& Why)
    {
        m_Problem = Why;
        return false;
    }

    static X_SERVER*& Exit_Stop()
    {
        static X_SERVER* p = nullptr;
        return p;
    }

    static void Register_Exit_Stop(X_SERVER* pServer)
    {
        static bool bRegistered = false;
        Exit_Stop() = pServer;
        if (!bRegistered) {
            bRegistered = true;
            std::atexit([] {
                if (Exit_Stop() != nullptr)
                    Exit_Stop()->Stop();
            });
        }
    }

    pid_t m_nPid = -1;
    std::string m_Screen = "1280x1024";
    std::string m_Display;
    std::string m_Problem;
};

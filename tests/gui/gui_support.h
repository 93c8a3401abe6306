// What the GUI tests share: the desktop backend started on the test's own X
// server (gui_main.cpp starts one per test process), screenshots written for
// people to look at, and small helpers.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/gtk/gtk_backend.h"
#include "platform/gtk/gtk_probe.h"
#include "x_server.h"

namespace gui_support {
const char* Server_Problem();
bool Server_Running();

// Starts the desktop backend; false when there is no display, after
// recording a failure under CI (where the GUI tests must run) or a skip.
inline bool Start_Desktop()
{
    if (!Server_Running()) {
        if (X_SERVER::Must_Have_Server())
            ADD_FAILURE() << "No X server for the GUI tests: " << Server_Problem();
        return false;
    }
    if (!gtk_backend::Start(nullptr, nullptr)) {
        if (X_SERVER::Must_Have_Server())
            ADD_FAILURE() << "The display did not open";
        return false;
    }
    return true;
}

// The folder of the screenshots (build/screenshots), made when missing.
inline std::string Screenshot_Path(const std::string& Name)
{
#ifdef KELVO_SCREENSHOT_FOLDER
    const std::string Folder = KELVO_SCREENSHOT_FOLDER;
#else
    const std::string Folder = "screenshots";
#endif
    std::error_code Error;
    std::filesystem::create_directories(Folder, Error);
    return Folder + "/" + Name + ".png";
}
}  // namespace gui_support

// Skips the test without a display, or fails it under CI=true.
#define REQUIRE_DESKTOP()                                                                                   \
    do {                                                                                                    \
        if (!gui_support::Start_Desktop()) {                                                                \
            if (!X_SERVER::Must_Have_Server())                                                              \
                GTEST_SKIP() << "no X server: " << gui_support::Server_Problem();                           \
            return;                                                                                         \
        }                                                                                                   \
    } while (0)

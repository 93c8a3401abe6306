// Fuzz target of the game-file reader: any bytes, loaded as a saved game.
// A file that does not load must leave the league exactly as it was; one that
// loads goes through every repair of a load, which must cope with whatever
// the file holds.
//
// Most inputs are refused early, and a pass over the 22 MB block costs more
// than such a load, so the league is compared with its fingerprint after
// every 32nd refused file, not after each. A change stays in the league
// until a file loads, so a refused file that changed it is still found,
// a few inputs later. One thread inflates, as on a one-processor machine.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

#include "gamefile/game_file.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/league_data.h"
#include "platform/errors.h"
#include "platform/ui.h"

namespace {

// The input goes to a file held in memory (a memfd), reached by its
// /proc/self/fd path: rewriting it costs no disk work. The side files of a
// load (the debug log, reports) go to the current folder, so run the target
// from a scratch folder with absolute corpus paths.
struct WORK_FILE {
    int nFd = -1;
    std::string Path;
};

const WORK_FILE& Work_File()
{
    static const WORK_FILE File = [] {
        WORK_FILE Made;
        Made.nFd = ::memfd_create("kelvo_fuzz_input", MFD_CLOEXEC);
        if (Made.nFd < 0)
            std::abort();
        Made.Path = "/proc/self/fd/" + std::to_string(Made.nFd);
        return Made;
    }();
    return File;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const WORK_FILE& File = Work_File();
    if (::ftruncate(File.nFd, static_cast<off_t>(nSize)) != 0)
        std::abort();
    for (size_t nDone = 0; nDone < nSize;) {
        ssize_t n = ::pwrite(File.nFd, pData + nDone, nSize - nDone, static_cast<off_t>(nDone));
        if (n <= 0)
            std::abort();
        nDone += static_cast<size_t>(n);
    }

    // A successful load takes the fingerprint of what it loaded itself.
    static bool bFirst = true;
    if (bFirst) {
        Set_Game_File_Threads(1);
        Remember_League_Fingerprint();
    }
    bFirst = false;
    static unsigned nRefused = 0;
    int nLoaded = Load_Universe_Database(File.Path.c_str());
    if (nLoaded == 0 && ++nRefused % 32 == 0 && Has_League_Changed()) {
        std::fprintf(stderr, "A file that failed to load changed the league.\n");
        std::abort();
    }
    // The headless boxes and the error list would otherwise grow without end.
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

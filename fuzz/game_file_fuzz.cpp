// Fuzz target of the game-file reader: any bytes, loaded as a saved game.
// A file that does not load must leave the league exactly as it was; one that
// loads goes through every repair of a load, which must cope with whatever
// the file holds.
//
// Most inputs are refused early, so the check that a refused file left the
// league alone must cost far less than a pass over the 22 MB block. The
// league's whole pages are made read-only for the load: a file that loads
// faults on its first write, which opens them again and marks the league
// touched. Only a refused file that touched the league is compared in full;
// the partial pages at the block's two ends are compared with copies.
// One thread inflates, as on a one-processor machine.

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gamefile/game_file.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/league_data.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "scratch_folder.h"

namespace {

// The input goes to a file in a scratch folder of its own, removed at exit;
// the side files of a load (the debug log, reports) go to the current
// folder, so run the target from a scratch folder with absolute corpus paths.
const std::string& Work_File()
{
    static SCRATCH_FOLDER_CORE Folder("fuzz", false);
    static const std::string Path = Folder.Path() + "/input.zrt";
    if (!Folder.Ready())
        std::abort();
    return Path;
}

// The whole pages inside the league block.
uint8_t* g_pGuardStart = nullptr;
size_t g_nGuardSize = 0;
volatile sig_atomic_t g_bGuarded = 0;
volatile sig_atomic_t g_bTouched = 0;
struct sigaction g_PreviousHandler;

void Open_Guard()
{
    if (g_bGuarded && ::mprotect(g_pGuardStart, g_nGuardSize, PROT_READ | PROT_WRITE) != 0)
        std::abort();
    g_bGuarded = 0;
}

void On_Fault(int nSignal, siginfo_t* pInfo, void* pContext)
{
    uint8_t* pAddress = static_cast<uint8_t*>(pInfo->si_addr);
    if (g_bGuarded && pAddress >= g_pGuardStart && pAddress < g_pGuardStart + g_nGuardSize) {
        // A write to the league: open it and let the write run again.
        ::mprotect(g_pGuardStart, g_nGuardSize, PROT_READ | PROT_WRITE);
        g_bGuarded = 0;
        g_bTouched = 1;
        return;
    }
    // Any other fault is a real crash for the sanitizer's handler.
    if (g_PreviousHandler.sa_flags & SA_SIGINFO)
        g_PreviousHandler.sa_sigaction(nSignal, pInfo, pContext);
    else if (g_PreviousHandler.sa_handler != SIG_DFL && g_PreviousHandler.sa_handler != SIG_IGN)
        g_PreviousHandler.sa_handler(nSignal);
    else {
        ::signal(nSignal, SIG_DFL);
        ::raise(nSignal);
    }
}

void Set_Up_Guard()
{
    const uintptr_t nPage = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const uintptr_t nStart = reinterpret_cast<uintptr_t>(&League);
    const uintptr_t nEnd = nStart + sizeof(League);
    const uintptr_t nFirst = (nStart + nPage - 1) & ~(nPage - 1);
    const uintptr_t nLast = nEnd & ~(nPage - 1);
    g_pGuardStart = reinterpret_cast<uint8_t*>(nFirst);
    g_nGuardSize = nLast - nFirst;
    struct sigaction Action {};
    Action.sa_sigaction = On_Fault;
    Action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&Action.sa_mask);
    if (::sigaction(SIGSEGV, &Action, &g_PreviousHandler) != 0)
        std::abort();
}

// The bytes of the league outside the guarded pages.
std::string Unguarded_Bytes()
{
    const uint8_t* p = reinterpret_cast<const uint8_t*>(&League);
    const uint8_t* pEnd = p + sizeof(League);
    std::string Bytes(reinterpret_cast<const char*>(p), static_cast<size_t>(g_pGuardStart - p));
    Bytes.append(reinterpret_cast<const char*>(g_pGuardStart + g_nGuardSize),
                 static_cast<size_t>(pEnd - (g_pGuardStart + g_nGuardSize)));
    return Bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string& Path = Work_File();
    FILE* pFile = std::fopen(Path.c_str(), "wb");
    if (pFile == nullptr)
        std::abort();
    if (nSize > 0 && std::fwrite(pData, 1, nSize, pFile) != nSize)
        std::abort();
    std::fclose(pFile);

    // A successful load takes the fingerprint of what it loaded itself.
    static bool bFirst = true;
    if (bFirst) {
        Set_Game_File_Threads(1);
        Set_Up_Guard();
        Remember_League_Fingerprint();
    }
    bFirst = false;

    const std::string Edges = Unguarded_Bytes();
    g_bTouched = 0;
    if (::mprotect(g_pGuardStart, g_nGuardSize, PROT_READ) != 0)
        std::abort();
    g_bGuarded = 1;
    int nLoaded = Load_Universe_Database(Path.c_str());
    Open_Guard();
    if (nLoaded == 0 && (Unguarded_Bytes() != Edges || (g_bTouched && Has_League_Changed()))) {
        std::fprintf(stderr, "A file that failed to load changed the league.\n");
        std::abort();
    }
    // The headless boxes and the error list would otherwise grow without end.
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

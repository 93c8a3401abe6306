// Fuzz target of the game-file reader: any bytes, loaded as a saved game.
// A file that does not load must leave the league exactly as it was; one that
// loads goes through every repair of a load, which must cope with whatever
// the file holds.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gamefile/game_file.h"
#include "platform/errors.h"
#include "platform/ui.h"

namespace {

// The input goes to a file of its own; the side files of a load (the debug
// log, reports) go to the current folder, so run the target from a scratch
// folder with absolute corpus paths.
std::string g_Folder;
std::string g_Path;

void Remove_Work_File()
{
    std::remove(g_Path.c_str());
    ::rmdir(g_Folder.c_str());
}

const std::string& Work_File()
{
    if (g_Path.empty()) {
        char szTemplate[] = "/tmp/kelvo_fuzz_XXXXXX";
        if (::mkdtemp(szTemplate) == nullptr)
            std::abort();
        g_Folder = szTemplate;
        g_Path = g_Folder + "/input.zrt";
        std::atexit(Remove_Work_File);
    }
    return g_Path;
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
    if (bFirst)
        Remember_League_Fingerprint();
    bFirst = false;
    int nLoaded = Load_Universe_Database(Path.c_str());
    if (nLoaded == 0 && Has_League_Changed()) {
        std::fprintf(stderr, "A file that failed to load changed the league.\n");
        std::abort();
    }
    // The headless boxes and the error list would otherwise grow without end.
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

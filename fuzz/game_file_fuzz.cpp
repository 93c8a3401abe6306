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
        Remember_League_Fingerprint();
    }
    bFirst = false;
    static unsigned nRefused = 0;
    int nLoaded = Load_Universe_Database(Path.c_str());
    if (nLoaded == 0 && ++nRefused % 32 == 0 && Has_League_Changed()) {
        std::fprintf(stderr, "A file that failed to load changed the league.\n");
        std::abort();
    }
    // The headless boxes and the error list would otherwise grow without end.
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

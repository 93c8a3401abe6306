// Fuzz target of the owners' hall of fame reader: any bytes, read as
// "ZrtFame.dat". A sound file is taken as it is, byte for byte; any other
// is rebuilt with the defaults, so the file is sound afterwards either way,
// the last owner's name read from it ends inside its field, and a setting
// stored afterwards keeps the rest of the file.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz_input_file.h"
#include "league/default_settings.h"
#include "league/standings_keys.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "shell/owner_hall_of_fame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst)
        Install_Last_Owner_Name_Store();
    bFirst = false;

    Write_Fuzz_File(OWNER_HALL_OF_FAME_FILE, pData, nSize);
    static OWNER_HALL_OF_FAME Fame;
    const bool bSound = Ensure_Owner_Hall_Of_Fame(Fame);
    if (bSound && (nSize != OWNER_HALL_OF_FAME_SIZE || std::memcmp(&Fame, pData, nSize) != 0))
        std::abort();
    if (!Check_Owner_Hall_Of_Fame(Fame).empty())
        std::abort();

    // The file on disk is sound now, whatever it was.
    static OWNER_HALL_OF_FAME Again;
    if (!Load_Owner_Hall_Of_Fame(Again) || std::memcmp(&Again, &Fame, sizeof(Fame)) != 0)
        std::abort();

    char szOwner[OWNER_FAME_NAME_SIZE + 8];
    std::memset(szOwner, 'x', sizeof(szOwner));
    Read_Last_Owner_Name(szOwner, sizeof(szOwner));
    if (std::strlen(szOwner) >= OWNER_FAME_NAME_SIZE)
        std::abort();
    // A setting stored rewrites the file and keeps the rest of it.
    if (!Store_Show_Hint_At_Startup(!Fame.bShowHintAtStartup) || !Load_Owner_Hall_Of_Fame(Again) ||
        std::memcmp(Again.szLastGamePath, Fame.szLastGamePath, sizeof(Fame.szLastGamePath)) != 0)
        std::abort();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

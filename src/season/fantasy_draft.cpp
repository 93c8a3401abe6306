// The fantasy draft's state and the file older saved games kept it in.

#include "season/fantasy_draft.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "league/league_data.h"
#include "platform/errors.h"
#include "platform/files.h"

static_assert(FANTASY_DRAFT_STATE_OFFSET + FANTASY_DRAFT_STATE_SIZE <= SEASON_BOOKKEEPING_SIZE);
static_assert(16 + 4 * 100 * 36 + 100 * 36 == FANTASY_DRAFT_STATE_SIZE);

bool Load_Fantasy_Draft_File()
{
    // One byte more than the field: a path filling it has no terminator there.
    char szGame[sizeof(LEAGUE_DATA::szCurrentGamePath) + 1];
    Get_League_Game_Path(szGame, sizeof(szGame));
    if (szGame[0] == '\0')
        return false;
    const std::string Path = std::string(szGame) + ".draft";
    FILE* pFile = files::Open_File(Path.c_str(), "rb");
    if (pFile == nullptr)
        return false;
    // Read whole before anything is replaced: a short file leaves the state
    // as it was rather than half overwritten.
    std::vector<unsigned char> State(FANTASY_DRAFT_STATE_SIZE);
    const size_t nRead = std::fread(State.data(), 1, State.size(), pFile);
    std::fclose(pFile);
    if (nRead != State.size()) {
        Write_Debug_Log("%s holds %zu of the %zu bytes of a fantasy draft; not read", Path.c_str(), nRead,
                        FANTASY_DRAFT_STATE_SIZE);
        return false;
    }
    Set_Season_Bookkeeping_Bytes(FANTASY_DRAFT_STATE_OFFSET, State.data(), State.size());
    return true;
}

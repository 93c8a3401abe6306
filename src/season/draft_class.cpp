// The rookie database of a draft class.

#include "season/draft_class.h"

#include <cstdio>

#include "league/league_structure.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace {

constexpr int CLASS_PATH_SIZE = 64;
// Classes up to this year were once made from real statistics; a missing one
// is worth a line in the log. Later years never had one.
constexpr int LAST_RECORDED_CLASS_YEAR = 2023;

}  // namespace

void Get_Draft_Class_Database_Path(char* szBuffer, int nSize, int nSeasonYear)
{
    if (szBuffer == nullptr || nSize <= 0)
        return;
    std::snprintf(szBuffer, static_cast<size_t>(nSize), "databases/rookies-%d.dat", nSeasonYear + 1);
}

int Load_Draft_Class_Database()
{
    Write_Debug_Log("Entering Load_Draft_Class_Database()");
    const int nSeasonYear = Get_Current_Year();
    char szPath[CLASS_PATH_SIZE];
    Get_Draft_Class_Database_Path(szPath, sizeof(szPath), nSeasonYear);
    if (!files::File_Exists(szPath)) {
        if (nSeasonYear + 1 <= LAST_RECORDED_CLASS_YEAR)
            Write_Debug_Log("%s not found. Generating random rookies.", szPath);
    } else {
        // The class reader comes with the database tools; until then a class
        // file is left unread and the pools fill with generated rookies.
        Write_Debug_Log("%s is not read: the draft-class reader is not built. Generating random rookies.", szPath);
    }
    Write_Debug_Log("Leaving Load_Draft_Class_Database() [failure]");
    return 0;
}

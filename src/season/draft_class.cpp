// The rookie database of a draft class.

#include "season/draft_class.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/downloads.h"
#include "season/past_seasons.h"
#include "season/player_generation.h"
#include "season/salaries.h"

static_assert(DRAFT_CLASS_DATABASE_SIZE == 1000 * sizeof(PLAYER));
static_assert(DRAFT_CLASS_POOL_RECORDS == (LAST_DRAFT_POOL_TEAM - FIRST_DRAFT_POOL_TEAM + 1) * PLAYERS_PER_TEAM);

namespace {

constexpr int CLASS_PATH_SIZE = 64;
// Classes up to this year were once made from real statistics; a missing one
// is worth a box. Later years never had one.
constexpr int LAST_RECORDED_CLASS_YEAR = 2023;
constexpr int HISTORY_YEAR_OFFSET = 1;
constexpr int DRAFT_SCORE_PERIOD = 2;
constexpr int DRAFT_SCORE_CODE = 299;
constexpr const char* MISSING_CLASS_TITLE = "Generating Random Rookies";
bool g_bMissingClassQuiet = false;
bool g_bMissingClassTold = false;

// A run with every club the computer's (Play Multiple Seasons, the season
// simulator) goes on without anyone at the screen: a box would stop it.
bool Unattended_Run()
{
    return Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0;
}

// The generated rookies' notice goes to the log, and into a box unless the
// run is unattended. A missing class is told in a box once a run (a league
// built from one year's database misses every later year's class), and not
// at all while a database build writes the class itself.
void Tell_Generated_Rookies(const char* szText, bool bMissing)
{
    Write_Debug_Log("%s", szText);
    if (Unattended_Run() || (bMissing && (g_bMissingClassQuiet || g_bMissingClassTold)))
        return;
    if (bMissing)
        g_bMissingClassTold = true;
    Show_Formatted_Message(MISSING_CLASS_TITLE, "%s", szText);
}

template <size_t N> void Terminate(char (&szText)[N])
{
    szText[N - 1] = '\0';
}

void Fill_Pool_Slot(int nTeam, int nSlot, const PLAYER& Record)
{
    Copy_Player_From_Memory(nTeam, nSlot, &Record);
    if (Get_Player_ID(nTeam, nSlot) == 0) {
        Clear_Player(nTeam, nSlot);
        return;
    }
    Copy_Player_Photo(nTeam, nSlot);
    Init_Draft_Class_Player(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, -1);
    Generate_Player_History(nTeam, nSlot, HISTORY_YEAR_OFFSET);
    Set_Player_Draft_Score(nTeam, nSlot, Get_Player_Stat(nTeam, nSlot, DRAFT_SCORE_PERIOD, DRAFT_SCORE_CODE));
    Settle_Player_Ratings(nTeam, nSlot);
}

}  // namespace

void Get_Draft_Class_Database_Path(char* szBuffer, int nSize, int nSeasonYear)
{
    if (szBuffer == nullptr || nSize <= 0)
        return;
    std::snprintf(szBuffer, static_cast<size_t>(nSize), "databases/rookies-%d.dat", nSeasonYear + 1);
}

bool Repair_Draft_Class_Record(PLAYER& Record)
{
    if (Record.nVital[VITAL_PLAYER_ID] == 0)
        return false;
    Terminate(Record.szLastName);
    Terminate(Record.szFirstName);
    Terminate(Record.szCorvelID);
    Terminate(Record.szCollege);
    // The links and the current line index another league's season lines.
    for (int32_t& nLink : Record.nSeasonLink)
        nLink = -1;
    Record.nCurrentLine = -1;
    const int nPosition = Record.nVital[VITAL_POSITION];
    const int nExpanded = Record.bStat[BYTE_STAT_DEPTH_SLOT];
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS || nExpanded >= NUMBER_OF_EXPANDED_POSITIONS)
        return false;
    for (int n = 0; n < NUMBER_OF_RATINGS; ++n) {
        const float fValue = Record.fRating[n];
        if (!std::isfinite(fValue) || fValue < 0.0f || fValue > RATING_STORAGE_BOUND)
            Record.fRating[n] = Get_Default_Rating(n);
    }
    return true;
}

void Set_Missing_Draft_Class_Quiet(bool bQuiet)
{
    g_bMissingClassQuiet = bQuiet;
}

void Forget_Missing_Draft_Class_Notice()
{
    g_bMissingClassTold = false;
}

int Load_Draft_Class_Database()
{
    Write_Debug_Log("Entering Load_Draft_Class_Database()");
    const int nSeasonYear = Get_Current_Year();
    const int nClassYear = nSeasonYear + 1;
    char szPath[CLASS_PATH_SIZE];
    Get_Draft_Class_Database_Path(szPath, sizeof(szPath), nSeasonYear);

    std::vector<unsigned char> Data;
    char szText[CLASS_PATH_SIZE + 128];
    if (!files::Read_Whole_File(szPath, Data, DRAFT_CLASS_DATABASE_SIZE)) {
        const int nError = errno;
        if (nError != ENOENT) {
            std::snprintf(szText, sizeof(szText), "%s is damaged: %s. Generating random rookies.", szPath,
                          nError == EFBIG ? "it is longer than a class" : files::Error_Text(nError));
            Tell_Generated_Rookies(szText, false);
        } else if (nClassYear > LAST_RECORDED_CLASS_YEAR) {
            return 0;
        } else {
            std::snprintf(szText, sizeof(szText), "%s not found. Generating random rookies.", szPath);
            Tell_Generated_Rookies(szText, true);
        }
        Write_Debug_Log("Leaving Load_Draft_Class_Database() [failure]");
        return 0;
    }
    if (Data.size() != DRAFT_CLASS_DATABASE_SIZE) {
        std::snprintf(szText, sizeof(szText), "%s is damaged: %zu bytes, not %zu. Generating random rookies.", szPath,
                      Data.size(), DRAFT_CLASS_DATABASE_SIZE);
        Tell_Generated_Rookies(szText, false);
        Write_Debug_Log("Leaving Load_Draft_Class_Database() [failure]");
        return 0;
    }

    for (int i = 0; i < DRAFT_CLASS_POOL_RECORDS; ++i) {
        PLAYER Record;
        std::memcpy(static_cast<void*>(&Record), Data.data() + size_t(i) * sizeof(PLAYER), sizeof(PLAYER));
        const int nTeam = FIRST_DRAFT_POOL_TEAM + i / PLAYERS_PER_TEAM;
        const int nSlot = i % PLAYERS_PER_TEAM;
        // The slot's own lines go first; an unsound record leaves it empty.
        Erase_Player_Season_Lines(nTeam, nSlot);
        if (!Repair_Draft_Class_Record(Record))
            std::memset(static_cast<void*>(&Record), 0, sizeof(PLAYER));
        Fill_Pool_Slot(nTeam, nSlot, Record);
    }
    Write_Debug_Log("Leaving Load_Draft_Class_Database() [success]");
    return 1;
}

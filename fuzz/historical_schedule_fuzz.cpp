// Fuzz target of the historical schedule reader: any bytes, read as a
// schedule file into a league of 30 named teams in two conferences. Whatever
// the file holds, every game entered must be one of two teams in use in weeks
// 0-17 whose two entries name each other with opposite venues.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "schedule/historical_schedules.h"
#include "schedule/schedule_driver.h"

namespace {

constexpr int TEAMS = 30;

struct WORK_FILE {
    int nFd = -1;
    std::string Path;
};

const WORK_FILE& Work_File()
{
    static const WORK_FILE File = [] {
        WORK_FILE Made;
        Made.nFd = ::memfd_create("kelvo_schedule_fuzz_input", MFD_CLOEXEC);
        if (Made.nFd < 0)
            std::abort();
        Made.Path = "/proc/self/fd/" + std::to_string(Made.nFd);
        return Made;
    }();
    return File;
}

// Teams "City<t> Club<t>" (the seed files use these names), divisions t / 5
// in the first conference and 4 + (t - 15) / 5 in the second.
void Set_Up_League()
{
    Zero_League_Data();
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = t < TEAMS ? CONTROLLER_COMPUTER : CONTROLLER_NOT_IN_USE;
    for (int t = 0; t < TEAMS; ++t) {
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t < 15 ? t / 5 : 4 + (t - 15) / 5);
        const std::string City = "City" + std::to_string(t);
        const std::string Club = "Club" + std::to_string(t);
        Set_Team_String(City.c_str(), t, TEAM_STRING_CITY);
        Set_Team_String(Club.c_str(), t, TEAM_STRING_NICKNAME);
    }
    Count_Teams();
    Set_Universe_Stat(GAMES_PER_SEASON, 16);
    Set_Universe_Stat(FIRST_SEASON_YEAR, 1995);
    Set_User_Preference(PREF_SEASON_INDEX, 0);
}

void Check_Schedule()
{
    for (int t = 0; t < TEAMS; ++t) {
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            const int nCode = Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT);
            if (nCode == 0)
                continue;
            const int nOther = (nCode > 0 ? nCode : -nCode) - 1;
            if (w > 17 || nOther == t || nOther < 0 || nOther >= TEAMS
                || Get_Team_Schedule_Stat(nOther, w, SCHEDULE_OPPONENT) != (nCode > 0 ? -(t + 1) : t + 1)) {
                std::fprintf(stderr, "A bad schedule entry: team %d week %d code %d\n", t, w, nCode);
                std::abort();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bFirst = true;
    if (bFirst)
        Set_Up_League();
    bFirst = false;

    const WORK_FILE& File = Work_File();
    if (::ftruncate(File.nFd, static_cast<off_t>(nSize)) != 0)
        std::abort();
    for (size_t nDone = 0; nDone < nSize;) {
        ssize_t n = ::pwrite(File.nFd, pData + nDone, nSize - nDone, static_cast<off_t>(nDone));
        if (n <= 0)
            std::abort();
        nDone += static_cast<size_t>(n);
    }

    Import_Schedule_File(File.Path.c_str());
    Check_Schedule();
    Clear_League_Schedule();
    ui::Reset();
    Clear_Recent_Errors();
    return 0;
}

#include "schedule/historical_schedules.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "base/text_utils.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/team_schedule.h"
#include "platform/files.h"
#include "schedule/schedule_driver.h"
#include "schedule/season_checks.h"
#include "season/name_lookups.h"

namespace {

constexpr int FIRST_SCHEDULE_YEAR = 1950;
constexpr int LAST_FILE_WEEK = 17;          // week field 18
constexpr int WEEK_NUMBER_CAP = 1000000;
constexpr int FULL_NAME_SIZE = 2 * TEAM_STRING_SIZE + 2;
constexpr const char* SCHEDULE_FILE_FORMATS[] = {"Input/Schedules/%d-NFL.csv", "Input/Schedules/%d-AFL.csv"};

// A franchise in use whose full name ("City Nickname") is the text, any case.
// This is the name lookup's own first rule, so it finds nothing the lookup
// would not.
int Find_Team_By_Exact_Full_Name(const char* szName)
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        char szFull[FULL_NAME_SIZE] = {};
        Get_Team_Full_Name(t, szFull);
        if (szFull[0] != '\0' && strcasecmp(szFull, szName) == 0)
            return t;
    }
    return NO_TEAM;
}

int Find_Schedule_Team(const char* szName)
{
    if (szName[0] == '\0')
        return NO_TEAM;
    const int nTeam = Find_Team_By_Name(szName);
    return nTeam != NO_TEAM ? nTeam : Find_Team_By_Exact_Full_Name(szName);
}

// A franchise in use or one of the pools 36-40.
bool Is_Schedule_Team(int nTeam)
{
    if (nTeam >= 0 && nTeam < MAX_FRANCHISES)
        return Is_Team_Slot_Used(nTeam);
    return nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM;
}

void Drop_Line_End(char* szLine)
{
    size_t n = std::strlen(szLine);
    while (n > 0 && (szLine[n - 1] == '\r' || szLine[n - 1] == '\n'))
        szLine[--n] = '\0';
}

// One game line; nothing when it lacks a field, names an unknown team or
// falls outside weeks 1-18.
void Enter_Schedule_Line(char* szLine)
{
    Drop_Line_End(szLine);
    char szWeek[TEXT_BUFFER_SIZE];
    char szAway[TEXT_BUFFER_SIZE];
    char szHome[TEXT_BUFFER_SIZE];
    if (Pop_Token_From_String(szWeek, szLine, ',') != 0)
        return;
    if (Pop_Token_From_String(szAway, szLine, ',') != 0)
        return;
    Pop_Token_From_String(szHome, szLine, ',');
    const int nWeek = Read_Schedule_Week_Number(szWeek) - 1;
    if (nWeek < 0 || nWeek > LAST_FILE_WEEK)
        return;
    const int nAway = Find_Schedule_Team(szAway);
    const int nHome = Find_Schedule_Team(szHome);
    if (!Is_Schedule_Team(nAway) || !Is_Schedule_Team(nHome) || nAway == nHome)
        return;
    Schedule_Game(nHome, nAway, nWeek, -1, -1);
}

}  // namespace

int Read_Schedule_Week_Number(const char* szField)
{
    if (szField == nullptr)
        return 0;
    while (*szField == ' ' || *szField == '\t')
        ++szField;
    int nValue = 0;
    for (; *szField >= '0' && *szField <= '9'; ++szField) {
        nValue = nValue * 10 + (*szField - '0');
        if (nValue > WEEK_NUMBER_CAP)
            nValue = WEEK_NUMBER_CAP;
    }
    return nValue;
}

void Import_Schedule_File(const char* szPath)
{
    if (szPath == nullptr)
        return;
    FILE* pFile = files::Open_File(szPath, "r");
    if (pFile == nullptr)
        return;
    // Read_Line keeps at most 2,047 characters of a line and drops the rest
    // of it, so a long line cannot run past the buffer.
    char szLine[TEXT_BUFFER_SIZE];
    if (Read_Line(szLine, pFile) == 0) {
        for (;;) {
            const int bEnd = Read_Line(szLine, pFile);
            Enter_Schedule_Line(szLine);
            if (bEnd != 0)
                break;
        }
    }
    std::fclose(pFile);
}

int Load_Builtin_Schedule()
{
    for (int nYear = Get_Current_Year(); nYear >= FIRST_SCHEDULE_YEAR; --nYear) {
        for (const char* szFormat : SCHEDULE_FILE_FORMATS) {
            char szPath[TEXT_BUFFER_SIZE];
            std::snprintf(szPath, sizeof(szPath), szFormat, nYear);
            Import_Schedule_File(szPath);
        }
        // An empty year, or one that leaves a team without games, is no
        // schedule: the check refuses both.
        if (Check_Equal_Games_Per_League())
            return 1;
        Clear_League_Schedule();
    }
    return 0;
}

// The builder's clean-up and salary steps. See builder_steps.h.
#include "tools/builder_steps.h"

#include <strings.h>

#include <cctype>
#include <cmath>
#include <cstring>

#include "base/random.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "season/player_generation.h"
#include "season/salaries.h"
#include "season/salary_rescale.h"

namespace {

constexpr int FLAG_BUILDER_RESCALE = 1;   // vital stat 24: ratings rescaled by the builder
constexpr int64_t MODERN_CAP = 224800000;
constexpr int NAME_MENDING_BEFORE = 2009;

template <typename F> void For_Each_Player_Of(int nFirstTeam, int nLastTeam, F&& Do)
{
    for (int nTeam = nFirstTeam; nTeam <= nLastTeam; ++nTeam) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (Get_Player_ID(nTeam, nSlot) != 0)
                Do(nTeam, nSlot);
        }
    }
}

int Birth_Year(int nTeam, int nSlot)
{
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
}

void Erase_Player(int nTeam, int nSlot)
{
    Erase_Player_Season_Lines(nTeam, nSlot);
    Clear_Player(nTeam, nSlot);
}

// Lowers the capitals of positions 1 .. nLast that follow no blank,
// apostrophe or hyphen and precede no period.
void Lower_Inner_Capitals(char* szName, int nLast)
{
    const int nLength = static_cast<int>(std::strlen(szName));
    for (int i = 1; i <= nLast && i < nLength; ++i) {
        const char c = szName[i];
        const char cBefore = szName[i - 1];
        if (c >= 'A' && c <= 'Z' && cBefore != ' ' && cBefore != '\'' && cBefore != '-' && szName[i + 1] != '.')
            szName[i] = static_cast<char>(c - 'A' + 'a');
    }
}

// Removes the first blank of positions 1-3.
void Remove_Early_Blank(char* szName)
{
    for (int i = 1; i <= 3 && szName[i]; ++i) {
        if (szName[i] == ' ') {
            std::memmove(szName + i, szName + i + 1, std::strlen(szName + i));
            return;
        }
    }
}

bool Has_Lower_Case(const char* szText)
{
    for (; *szText; ++szText) {
        if (*szText >= 'a' && *szText <= 'z')
            return true;
    }
    return false;
}

// Run-together first names and their two parts.
struct RESPELLING {
    const char* szRunTogether;
    const char* szSpelled;
};
const RESPELLING FIRST_NAME_RESPELLINGS[] = {
    {"BillyJoe", "Billy Joe"},
    {"JohnPaul", "John Paul"},
    {"JeanLuc", "Jean Luc"},
};

}  // namespace

void Remove_Implausible_Players()
{
    const int nYear = Get_Current_Year();
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            if (Get_Player_ID(nTeam, nSlot) == 0)
                continue;
            const int nAge = nYear - Birth_Year(nTeam, nSlot);
            if (nTeam < MAX_FRANCHISES && (nAge > 50 || nAge < 17)) {
                Erase_Player(nTeam, nSlot);
                continue;
            }
            PLAYER Record;
            Copy_Player_To_Memory(&Record, nTeam, nSlot);
            if (Record.szLastName[0] == '\0' && Record.szFirstName[0] == '\0')
                Erase_Player(nTeam, nSlot);
        }
        Compact_Team_Roster(nTeam);
    }
}

void Mend_First_Name(char* szName, size_t nSize, bool bBefore2009)
{
    if (nSize < 5)
        return;
    if (std::strlen(szName) == 2 && szName[1] >= 'A' && szName[1] <= 'Z') {
        const char a = szName[0];
        const char b = szName[1];
        const char szInitials[] = {a, '.', b, '.', '\0'};
        std::memcpy(szName, szInitials, sizeof(szInitials));
    }
    for (const RESPELLING& R : FIRST_NAME_RESPELLINGS) {
        if (std::strcmp(szName, R.szRunTogether) == 0 && std::strlen(R.szSpelled) < nSize)
            std::strcpy(szName, R.szSpelled);
    }
    if (bBefore2009) {
        Lower_Inner_Capitals(szName, 11);
        Remove_Early_Blank(szName);
    }
}

void Mend_Last_Name(char* szName, size_t nSize, bool bBefore2009)
{
    if (!bBefore2009)
        return;
    const bool bHadLower = Has_Lower_Case(szName);
    Lower_Inner_Capitals(szName, 19);
    if (!bHadLower)
        Remove_Early_Blank(szName);
    if (szName[0] == 'M' && szName[1] == 'c' && szName[2] >= 'a' && szName[2] <= 'z')
        szName[2] = static_cast<char>(szName[2] - 'a' + 'A');
    const size_t nLength = std::strlen(szName);
    if (szName[0] == 'S' && szName[1] == 't' && szName[2] >= 'A' && szName[2] <= 'Z' && nLength + 2 < nSize) {
        std::memmove(szName + 4, szName + 2, nLength - 1);
        szName[2] = '.';
        szName[3] = ' ';
    }
}

void Fix_All_Player_Names()
{
    const bool bBefore2009 = Get_Current_Year() < NAME_MENDING_BEFORE;
    For_Each_Player_Of(0, MAX_FRANCHISES - 1, [&](int nTeam, int nSlot) {
        char szFirst[PLAYER_FIRST_NAME_SIZE];
        Get_Player_First_Name_Filled(nTeam, nSlot, szFirst);
        // The stored last name as it is: the reader of names would make one
        // up for an empty field.
        PLAYER Record;
        Copy_Player_To_Memory(&Record, nTeam, nSlot);
        char szLast[PLAYER_LAST_NAME_SIZE];
        std::memcpy(szLast, Record.szLastName, sizeof(szLast));
        szLast[sizeof(szLast) - 1] = '\0';
        Mend_First_Name(szFirst, sizeof(szFirst), bBefore2009);
        Mend_Last_Name(szLast, sizeof(szLast), bBefore2009);
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
    });
}

void Set_Seasons_From_Season_Lines()
{
    For_Each_Player_Of(0, MAX_FRANCHISES - 1, [](int nTeam, int nSlot) {
        const int nSeasons = Count_NFL_Seasons(nTeam, nSlot);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, nSeasons > 30 ? 30 : nSeasons);
    });
}

void Apply_Minimum_Contracts()
{
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; ++nTeam) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            const int nSeasons = Get_Player_Stored_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED);
            const int nMinimum = Get_Minimum_Salary(nSeasons > 0 ? nSeasons : 0);
            if (Get_Player_Stored_Vital_Stat(nTeam, nSlot, VITAL_SALARY) < nMinimum)
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nMinimum);
            const int nYears = Get_Player_Stored_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
            if (nYears < 1)
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, 1);
            const int nContract = nYears < 1 ? 1 : nYears;
            if (Get_Player_Stored_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH) < nContract)
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, nContract);
        }
    }
}

void Scale_Flagged_Player_Ratings()
{
    For_Each_Player_Of(0, LAST_TEAM, [](int nTeam, int nSlot) {
        if ((Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) & FLAG_BUILDER_RESCALE) == 0)
            return;
        const int nPosition = Get_Player_Position(nTeam, nSlot);
        float fOverall = Get_Position_Overall_Or_Regenerate(nTeam, nSlot, nPosition);
        if (fOverall > 60.0f)
            fOverall = (fOverall + 120.0f) / 3.0f;
        Scale_Player_To_Overall(nTeam, nSlot, fOverall);
    });
}

int64_t Get_Cap_Fit_Payroll()
{
    int64_t nCap = Get_Universe_Stat(SALARY_CAP);
    if (nCap <= 0)
        nCap = (static_cast<int64_t>(Get_Universe_Stat(INFLATION_FACTOR)) * MODERN_CAP + 500) / 1000;
    const int64_t n = nCap * 95 + 50;
    return n >= 0 ? n / 100 : -((-n + 99) / 100);
}

void Fit_Salaries_To_Cap()
{
    Rescale_All_Team_Salaries(Get_Cap_Fit_Payroll());
}

int Rescale_All_Team_Salaries(int64_t nPayroll)
{
    const int nTeams = Count_Teams();
    if (nTeams <= 0)
        return 0;
    int64_t nSum = 0;
    for (int nTeam = 0; nTeam < nTeams; ++nTeam)
        nSum += Rescale_Player_Salaries(nTeam, nPayroll);
    return static_cast<int>(nSum / nTeams);
}

int Get_Season_Line_Share(int nTeam, int nSlot, int nLink)
{
    const int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, nLink);
    if (nLine < 0)
        return 0;
    auto Line_Sum = [](int n) {
        int64_t nSum = 0;
        for (int nStat = 2; nStat < STATS_PER_PERIOD; ++nStat)
            nSum += Get_Season_Line_Stat(n, nStat);
        return nSum;
    };
    const int nYear = Get_Season_Line_Year(nLine);
    int64_t nAll = 0;
    for (int n = 0; n < SEASON_LINK_COUNT; ++n) {
        const int nOther = Get_Player_Season_Line_Index(nTeam, nSlot, n);
        if (nOther < 0)
            break;
        if (Get_Season_Line_Year(nOther) == nYear)
            nAll += Line_Sum(nOther);
    }
    return Mul_Div_Rounded_64(Line_Sum(nLine), 1000, nAll);
}

void Estimate_Line_Blocking_Ratings()
{
    const int nYear = Get_Current_Year();
    For_Each_Player_Of(0, LAST_TEAM, [&](int nTeam, int nSlot) {
        const int nPosition = Get_Player_Position(nTeam, nSlot);
        if (nPosition < 0 || nPosition >= NUMBER_OF_EXPANDED_POSITIONS || Get_Position_Unit(nPosition) != UNIT_LINE)
            return;
        int64_t S = static_cast<int64_t>(Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, 0)) +
                    Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, 1);
        S = S > 1000000000 ? 1000000000 : S < -1000000000 ? -1000000000 : S;
        const int nAge = nYear - Birth_Year(nTeam, nSlot);
        const double fPass = Get_Rounded_Sqrt(static_cast<int>(S)) + 60.0 - nAge / 3;
        const double fRun = Get_Rounded_Sqrt(static_cast<int>(S / 2)) + 70.0 - nAge / 2;
        Set_Player_Rating(nTeam, nSlot, RATING_PASS_BLOCKING, static_cast<float>(std::trunc(fPass > 40.0 ? fPass : 40.0)));
        Set_Player_Rating(nTeam, nSlot, RATING_RUN_BLOCKING, static_cast<float>(std::trunc(fRun > 40.0 ? fRun : 40.0)));
    });
}

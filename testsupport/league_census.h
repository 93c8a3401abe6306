// Figures of a league's clubs at one moment, for the many-season runs: ages,
// rookies and veterans, roster sizes and legality, payrolls against the cap,
// the Hall Of Fame and the all-time leader tables.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "frontoffice/roster_moves.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/leader_tables.h"
#include "league/player.h"
#include "league/team.h"
#include "league/team_finance_stats.h"

namespace league_census {

constexpr int VETERAN_AGE = 30;

struct CENSUS {
    int nYear = 0;
    int nPlayers = 0;          // on the franchises in use
    double fMeanAge = 0.0;
    double fRookieShare = 0.0;   // no credited season yet
    double fVeteranShare = 0.0;  // VETERAN_AGE or older
    int nSmallestRoster = 0;
    int nLargestRoster = 0;
    int nClubsShort = 0;         // clubs below some position's minimum
    int nClubsOverCap = 0;
    int64_t nLargestPayroll = 0; // $K
    int nHallOfFame = 0;
    int nCareerLeaderEntries = 0;   // filled places of the career tables
    int nFreeAgents = 0;
    int64_t nCap = 0;           // $K
};

inline CENSUS Take_Census()
{
    CENSUS C;
    C.nYear = Get_Current_Year();
    const int nTeams = Count_Teams();
    int64_t nAgeSum = 0;
    int nRookies = 0;
    int nVeterans = 0;
    bool bFirst = true;
    for (int t = 0; t < nTeams; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        const int nRoster = Count_Team_Players(t);
        C.nSmallestRoster = bFirst ? nRoster : (nRoster < C.nSmallestRoster ? nRoster : C.nSmallestRoster);
        C.nLargestRoster = bFirst ? nRoster : (nRoster > C.nLargestRoster ? nRoster : C.nLargestRoster);
        bFirst = false;
        for (int s = 0; s < nRoster; ++s) {
            const int nAge = Get_Player_Age(t, s);
            nAgeSum += nAge;
            nRookies += Get_Player_Vital_Stat(t, s, VITAL_SEASONS_PLAYED) <= 0 ? 1 : 0;
            nVeterans += nAge >= VETERAN_AGE ? 1 : 0;
            ++C.nPlayers;
        }
        for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
            if (Count_Position_Players(t, p) < Get_Position_Minimum(p)) {
                ++C.nClubsShort;
                break;
            }
        }
        const int64_t nPayroll = Get_Team_Financial_Stat(t, FINANCE_PAYROLL);
        if (nPayroll > C.nLargestPayroll)
            C.nLargestPayroll = nPayroll;
        const int64_t nCap = Get_Universe_Stat(SALARY_CAP) / 1000;
        if (nCap > 0 && nPayroll > nCap)
            ++C.nClubsOverCap;
    }
    if (C.nPlayers > 0) {
        C.fMeanAge = static_cast<double>(nAgeSum) / C.nPlayers;
        C.fRookieShare = static_cast<double>(nRookies) / C.nPlayers;
        C.fVeteranShare = static_cast<double>(nVeterans) / C.nPlayers;
    }
    C.nCap = Get_Universe_Stat(SALARY_CAP) / 1000;
    C.nHallOfFame = Count_Team_Players(HALL_OF_FAME_TEAM);
    C.nFreeAgents = Count_Team_Players(FREE_AGENT_TEAM);
    for (int nStat = 0; nStat < LEADER_STAT_COUNT; ++nStat) {
        for (int nPlace = 0; nPlace < LEADER_LIST_LENGTH; ++nPlace) {
            LEADER_ENTRY Entry;
            if (Get_Leader_Entry(LEADER_TABLE_CAREER, nStat, nPlace, &Entry) && Entry.szLastName[0] != '\0')
                ++C.nCareerLeaderEntries;
        }
    }
    return C;
}

// One line: "year players mean_age rookies veterans roster min-max short over_cap hall leaders".
inline std::string Format_Census(const CENSUS& C)
{
    char szLine[256];
    std::snprintf(szLine, sizeof szLine,
                  "%d players %d mean_age %.2f rookies %.3f veterans %.3f roster %d-%d short %d over_cap %d "
                  "top_payroll %lld cap %lld hall %d career_leaders %d free_agents %d",
                  C.nYear, C.nPlayers, C.fMeanAge, C.fRookieShare, C.fVeteranShare, C.nSmallestRoster,
                  C.nLargestRoster, C.nClubsShort, C.nClubsOverCap, static_cast<long long>(C.nLargestPayroll), static_cast<long long>(C.nCap),
                  C.nHallOfFame, C.nCareerLeaderEntries, C.nFreeAgents);
    return szLine;
}

}  // namespace league_census

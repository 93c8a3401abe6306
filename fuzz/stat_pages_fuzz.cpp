// Fuzz target of the statistics importer's saved-page readers: the first
// byte picks the page (a 2023 roster page, an older roster page with its
// personnel lines, a player's page with its tables, the injury report, a
// contract page, a cap page, a club-injuries page), the rest is its text.
// Whatever a page holds, every row written keeps its column count and no
// field holds a line break.
//
// The seeds are written from synthetic pages by a disabled test:
//   build/kelvo_tests --gtest_also_run_disabled_tests \
//       --gtest_filter='*WriteStatPageFuzzSeeds' (with KELVO_PAGE_SEEDS=<folder>)

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_input_file.h"
#include "league/league_data.h"
#include "league/team.h"
#include "season/stat_file_layouts.h"
#include "tools/stat_importer.h"

namespace {

// A roster line whose player's page is the fuzzed one.
const char* const ROSTER_LINE =
    "<tr><td data-append-csv=\"Fz00\" data-stat=\"player\" csk=\"Bee,Al\" >x</td><td data-stat=\"g\" >16</td></tr>";

size_t Count_Fields(const std::string& Line)
{
    size_t n = 1;
    for (char c : Line)
        n += c == ',' ? 1 : 0;
    return n;
}

// Every line of a file's text has the columns its rows have (the header of
// the rosters file and Players.csv have as many).
void Check_Rows(const std::string& Text, size_t nFields)
{
    size_t nStart = 0;
    while (nStart < Text.size()) {
        const size_t nEnd = Text.find('\n', nStart);
        if (nEnd == std::string::npos)
            std::abort();   // every row ends with its line feed
        const std::string Line = Text.substr(nStart, nEnd - nStart);
        if (Line.find('\r') != std::string::npos || Count_Fields(Line) != nFields)
            std::abort();
        nStart = nEnd + 1;
    }
}

void Check_Run(const STAT_IMPORT_RUN& Run, int nYear)
{
    Check_Rows(Run.Text_Of(PLAYERS_CSV_FILE), PLAYERS_CSV_COLUMNS);
    Check_Rows(Run.Text_Of(PERSONNEL_CSV_FILE), PERSONNEL_CSV_COLUMNS);
    char szRosters[64];
    std::snprintf(szRosters, sizeof(szRosters), ROSTERS_CSV_FILE_FORMAT, STATS_FOLDER, nYear);
    Check_Rows(Run.Text_Of(szRosters), ROSTERS_CSV_COLUMNS);
    Check_Rows(Run.Text_Of("Input/Stats/2023_salaries.csv"), SALARIES_CSV_COLUMNS);
    // A season row: its 119 fields and the empty one after its last comma.
    Check_Rows(Run.Text_Of(SEASONS_CSV_FILE), SEASONS_ROW_LAST_COLUMN + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static bool bReady = false;
    if (!bReady) {
        for (const char* szFolder : {"Input", "Input/Downloads", "Input/Downloads/Rosters", "Input/Downloads/Players",
                                     "Input/Downloads/contracts", "Input/Downloads/cap", "Input/Stats"})
            Make_Fuzz_Folder(szFolder);
        Zero_League_Data();
        Set_Universe_Stat(FIRST_SEASON_YEAR, IMPORT_MODERN_YEAR);
        Set_Team_String("ARI", 0, 0);
        Set_Team_String("Hawks", 0, 2);
        bReady = true;
    }
    if (nSize == 0)
        return 0;
    const uint8_t* pPage = pData + 1;
    const size_t nPage = nSize - 1;
    STAT_IMPORT_RUN Run;
    switch (pData[0] % 7) {
    case 0:
    case 1: {
        const int nYear = pData[0] % 7 == 0 ? IMPORT_MODERN_YEAR : 1987;
        char szPath[96];
        std::snprintf(szPath, sizeof(szPath), ROSTER_PAGE_FORMAT, nYear, "crd");
        Write_Fuzz_File(szPath, pPage, nPage);
        Read_Roster_Page(Run, szPath, nYear, 0);
        Check_Run(Run, nYear);
        break;
    }
    case 2:
        Write_Fuzz_File("Input/Downloads/Players/Fz00.txt", pPage, nPage);
        Download_Player_Data(Run, ROSTER_LINE, 2010, 0);
        Check_Run(Run, 2010);
        break;
    case 3: {
        Write_Fuzz_File(INJURY_REPORT_PAGE, pPage, nPage);
        int nWeeks = 0;
        std::string Reason;
        Read_Injuries_Page(Run, "Fz00", nWeeks, Reason);
        if (nWeeks < 0 || nWeeks > 24 || Reason.find_first_of(",\r\n") != std::string::npos)
            std::abort();
        break;
    }
    case 4: {
        Write_Fuzz_File("Input/Downloads/contracts/Hawks.txt", pPage, nPage);
        int nRemaining = 0;
        long long nAverage = 0;
        int nYears = 0;
        Get_Player_Contract_Data("Input/Downloads/contracts/Hawks.txt", "Al", "Bee", nRemaining, nAverage, nYears);
        if (nYears < 0 || nYears > 9)
            std::abort();
        Write_Contract_Row(Run, "s.csv", 0, "Fz00", "Al", "Bee", 1, "QB");
        Check_Rows(Run.Text_Of("s.csv"), SALARIES_CSV_COLUMNS);
        break;
    }
    case 5: {
        Write_Fuzz_File("Input/Downloads/cap/Hawks.txt", pPage, nPage);
        long long nBonus = 0;
        long long nCap = 0;
        Get_Player_Salary_Cap_Data("Input/Downloads/cap/Hawks.txt", "Al", "Bee", nBonus, nCap);
        if (nBonus > 999000000LL || nCap > 999000000LL)
            std::abort();
        break;
    }
    default:
        Write_Fuzz_File("club.txt", pPage, nPage);
        std::remove("Input/Stats/2020_injuries.csv");
        Read_Team_Injuries_Page("club.txt", 2020, 0);
        break;
    }
    return 0;
}

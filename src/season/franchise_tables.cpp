// The real-franchise tables.

#include "season/franchise_tables.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "season/downloads.h"
#include "season/fantasy_draft.h"

namespace {

constexpr int LAST_LOGO_YEAR = 2023;
constexpr int LAST_OLD_BALTIMORE_YEAR = 1983;   // "BAL" was the Colts up to then
constexpr int LAST_ST_LOUIS_CARDINALS_YEAR = 1987;

constexpr const char* ABBREVIATIONS[FRANCHISE_TABLE_SIZE] = {
    "ARZ", "ATL", "BAL", "BUF", "CAR", "CHI", "CIN", "CLE", "DAL", "DEN", "DET",
    "GB",  "HOU", "IND", "JAC", "KC",  "LA",  "MIA", "MIN", "NE",  "NO",  "NYG",
    "NYJ", "OAK", "PHI", "PIT", "SD",  "SF",  "SEA", "TB",  "TEN", "WAS",
};

constexpr uint32_t COLORS[FRANCHISE_TABLE_SIZE] = {
    0x43279B, 0x180DBD, 0x530328, 0x8D3300, 0xCE8800, 0x1448DD, 0x144FFB, 0x1249E3,
    0x4C250D, 0x144FFB, 0xB06D00, 0x303D21, 0x341BB3, 0x7B3B00, 0x987100, 0x3200B2,
    0x000000, 0xCE7200, 0x4B2613, 0x978D00, 0x60013B, 0x4C250D, 0x000000, 0x6B2F19,
    0x1D370C, 0x483B00, 0x000000, 0x2C1EAF, 0x28BE69, 0x3200B2, 0xCC8F64, 0x413177,
};

constexpr const char* MODEL_TEAMS[FRANCHISE_TABLE_SIZE] = {
    "Patriots", "Patriots", "Patriots", "Vikings", "Colts",    "Colts",    "Vikings",  "Vikings",
    "Colts",    "Patriots", "Saints",   "Colts",   "Patriots", "Colts",    "Colts",    "Patriots",
    "49ers",    "Vikings",  "Patriots", "Saints",  "Patriots", "Vikings",  "Redskins", "Redskins",
    "Vikings",  "Saints",   "Colts",    "49ers",   "Patriots", "Colts",    "Vikings",  "Redskins",
};

void Copy_Text(char* szOut, size_t nSize, const char* szText)
{
    if (szOut == nullptr || nSize == 0)
        return;
    std::snprintf(szOut, nSize, "%s", szText);
}

// A name that comes from the league block becomes part of a file name.
bool Is_Plain_Name(const char* szName)
{
    return szName[0] != '\0' && szName[0] != '.' && std::strpbrk(szName, "/\\:") == nullptr;
}

int Logo_Year() { return std::min(Get_Current_Year(), LAST_LOGO_YEAR); }

}  // namespace

void Get_Franchise_Info(int nIndex, char* szOut, size_t nSize)
{
    Copy_Text(szOut, nSize, nIndex >= 0 && nIndex < FRANCHISE_TABLE_SIZE ? ABBREVIATIONS[nIndex] : "");
}

int Get_Franchise_Index_In_Year(const char* szAbbreviation, int nYear)
{
    if (szAbbreviation == nullptr)
        return UNKNOWN_FRANCHISE_INDEX;
    auto Is = [szAbbreviation](const char* szCode) { return ::strcasecmp(szAbbreviation, szCode) == 0; };
    if (nYear <= LAST_OLD_BALTIMORE_YEAR && Is("BAL"))
        return 13;
    if (Is("LAR") || Is("OAK"))
        return 16;
    if (nYear <= LAST_ST_LOUIS_CARDINALS_YEAR && Is("STL"))
        return 0;
    if (Is("PHX"))
        return 0;
    for (int i = 0; i < FRANCHISE_TABLE_SIZE; ++i) {
        if (Is(ABBREVIATIONS[i]))
            return i;
    }
    return UNKNOWN_FRANCHISE_INDEX;
}

int Get_Franchise_Index(const char* szAbbreviation)
{
    return Get_Franchise_Index_In_Year(szAbbreviation, Get_Current_Year());
}

uint32_t Get_Franchise_Color(int nIndex)
{
    return COLORS[std::clamp(nIndex, 0, FRANCHISE_TABLE_SIZE - 1)];
}

void Get_Model_Team_Nickname(int nIndex, char* szOut, size_t nSize)
{
    Copy_Text(szOut, nSize, nIndex >= 0 && nIndex < FRANCHISE_TABLE_SIZE ? MODEL_TEAMS[nIndex] : "");
}

void Get_Helmet_Image_Path(char* szOut, size_t nSize, int nTeam, int nSide)
{
    if (szOut == nullptr || nSize == 0)
        return;
    char szAbbreviation[TEAM_STRING_SIZE + 1] = {};
    Get_Team_String(szAbbreviation, nTeam, TEAM_STRING_ABBREVIATION);
    std::snprintf(szOut, nSize, "Tolvaren//Helmets//Helmet-%d%s.png", Get_Franchise_Index(szAbbreviation),
                  nSide == 1 ? "a" : "");
}

int Get_Logo_File_Name(int nTeam, char* szOut, size_t nSize)
{
    if (szOut == nullptr || nSize == 0)
        return 0;
    szOut[0] = '\0';
    char szAbbreviation[TEAM_STRING_SIZE + 1] = {};
    Get_Team_String(szAbbreviation, nTeam, TEAM_STRING_ABBREVIATION);
    if (!Is_Plain_Name(szAbbreviation))
        return 0;
    const int n = std::snprintf(szOut, nSize, "%s/%s-%d.png", DOWNLOADED_LOGOS_FOLDER, szAbbreviation, Logo_Year());
    if (n < 0 || static_cast<size_t>(n) >= nSize) {
        szOut[0] = '\0';
        return 0;
    }
    return files::File_Exists(szOut) ? 1 : 0;
}

int Get_Stored_Logo_File_Name(int nTeam, char* szOut, size_t nSize)
{
    if (szOut == nullptr || nSize == 0)
        return 0;
    szOut[0] = '\0';
    char szNickname[TEAM_STRING_SIZE + 1] = {};
    Get_Team_String(szNickname, nTeam, TEAM_STRING_NICKNAME);
    const int nYear = Logo_Year();
    const int nLogo = Get_Logo_Index(szNickname, nYear);
    if (nLogo < 0)
        return 0;
    std::snprintf(szOut, nSize, "Input/Stats/Historical/%d%d.gz", nLogo, nYear);
    return 1;
}

void Shuffle_Index_Array(int* pIndex, int n)
{
    if (pIndex == nullptr || n <= 0)
        return;
    for (int i = 0; i < n; ++i)
        pIndex[i] = i;
    for (int i = 0; i < n; ++i) {
        const double u = Random_Word_To_Fraction(Generate_Random_Number());
        const int j = i + static_cast<int>(u * (n - i));
        std::swap(pIndex[i], pIndex[j]);
    }
}

int Get_Fantasy_Draft_Cell(int nRow, int nTeam)
{
    if (nRow < 0 || nRow >= FANTASY_DRAFT_ROUNDS || nTeam < 0 || nTeam >= FANTASY_DRAFT_TEAMS) {
        Report_Error("Get_Fantasy_Draft_Cell(%d,%d) out of range", nRow, nTeam);
        return 0;
    }
    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    return State.nPicked[nRow][nTeam];
}

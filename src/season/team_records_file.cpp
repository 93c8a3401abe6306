// The clubs' records of past seasons.
#include "season/team_records_file.h"

#include <strings.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/input_file.h"
#include "base/text_utils.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/name_lookups.h"

namespace {

constexpr size_t RECORD_LINE_SIZE = 4096;
constexpr size_t SHORT_LINE = 10;

int Clamp_To_Int(int64_t n)
{
    return static_cast<int>(std::clamp<int64_t>(n, INT_MIN, INT_MAX));
}

// A strength figure in tenths, truncated toward zero; false (logged) for a
// figure outside the bound.
bool Figure_In_Tenths(const char* szField, int nYear, int nTeam, int* pOut)
{
    const double f = Parse_Input_Decimal(szField);
    if (f < -TEAM_FIGURE_LIMIT || f > TEAM_FIGURE_LIMIT) {
        Report_Error("Team strength figure %s out of range in 'Team_Records.csv' for %d season, team %d", szField, nYear,
                     nTeam);
        return false;
    }
    *pOut = static_cast<int>(f * 10.0);
    return true;
}

}  // namespace

int Get_Team_Record_Playoff_Level(const char* szFinish, const char* szResult)
{
    int nLevel = 0;
    if (szFinish != nullptr && szFinish[0] >= '1' && szFinish[0] <= '5')
        nLevel = szFinish[0] == '1' ? 5 : 53 - szFinish[0];
    if (szResult == nullptr)
        return nLevel;
    if (strcasecmp(szResult, "Won SB") == 0)
        nLevel = 8;
    else if (strcasecmp(szResult, "Lost SB") == 0)
        nLevel = 7;
    else if (strcasecmp(szResult, "Lost Conf") == 0)
        nLevel = 6;
    else if (strcasecmp(szResult, "Lost Div") == 0 || strcasecmp(szResult, "Lost WC") == 0)
        nLevel = std::max(nLevel, 4);
    return nLevel;
}

int Read_Team_Record_Line(FILE* pFile)
{
    if (pFile == nullptr) {
        Show_Formatted_Message("File Read Error",
                               "Can't read Team Records file (default = \"Team_Records.csv\"). Please re-install "
                               "Vazarudu Kelvo.");
        return 1;
    }
    char szLine[RECORD_LINE_SIZE];
    const int nEnd = Read_Input_Line("Team_Records.csv", szLine, pFile);
    if (strlen(szLine) < SHORT_LINE)
        return nEnd;

    char szField[16][64] = {};
    for (int i = 0; i < 16; ++i)
        if (Pop_Input_Field(szField[i], szLine) != 0)
            break;
    const int nYear = Parse_Input_Int(szField[0]);
    if (nYear != Get_Current_Year() || nYear > LAST_TEAM_RECORDS_YEAR)
        return nEnd;

    char* szName = szField[2];
    Remove_Char_From_String(szName, '*');
    Remove_Char_From_String(szName, '+');
    const int nTeam = Find_Team_By_Name(szName);
    if (!Is_Team_Slot_Used(nTeam)) {
        Report_Error("Unrecognized Team Name in 'Team_Records.csv' for %d season: %s", nYear, szName);
        return nEnd;
    }

    // A count below zero is a slip of the file: read as none.
    const int64_t nWins = std::max(0, Parse_Input_Int(szField[3]));
    const int64_t nLosses = std::max(0, Parse_Input_Int(szField[4]));
    const int64_t nTies = std::max(0, Parse_Input_Int(szField[5]));
    const int64_t nScored = Parse_Input_Int(szField[8]);
    const int64_t nAllowed = Parse_Input_Int(szField[9]);
    const int nLevel = Get_Team_Record_Playoff_Level(szField[6], szField[7]);

    Set_Team_Stat(nTeam, TEAM_STAT_PROJECTED_WINS, Clamp_To_Int(nWins * 10));
    int nFigure = 0;
    if (Figure_In_Tenths(szField[14], nYear, nTeam, &nFigure))
        Set_Team_Stat(nTeam, TEAM_STAT_LINE_FIGURE, nFigure);
    if (Figure_In_Tenths(szField[15], nYear, nTeam, &nFigure))
        Set_Team_Stat(nTeam, TEAM_STAT_DEFENSE_FIGURE, nFigure);

    if (nYear < LAST_TEAM_RECORDS_YEAR) {
        int64_t nQuality = (nWins - nLosses + 330) * 3 - nAllowed / 20 + nScored / 20;
        if (nLevel > 3)
            nQuality += (nLevel - 3) * 10;
        Set_Team_Stat(nTeam, TEAM_STAT_TEAM_QUALITY, Clamp_To_Int(nQuality));
        const int64_t nGames = nWins + nLosses + nTies;
        const int64_t nPercentage = nGames > 0 ? ((nTies + 2 * nWins) * 500 + nGames / 2) / nGames : 0;
        Set_Team_Stat(nTeam, TEAM_STAT_WINNING_PERCENTAGE, Clamp_To_Int(nPercentage));
        Set_Team_Stat(nTeam, TEAM_STAT_POINTS_SCORED, Clamp_To_Int(nScored));
        Set_Team_Stat(nTeam, TEAM_STAT_POINTS_ALLOWED, Clamp_To_Int(nAllowed));
    }
    return nEnd;
}

void Read_Team_Records_File()
{
    char szPath[64];
    snprintf(szPath, sizeof(szPath), "input/stats/%s.csv", TEAM_RECORDS_FILE_NAME);
    FILE* pFile = Open_Input_File(szPath);
    if (pFile == nullptr) {
        Show_Formatted_Message("Read Error", "Unable to open %s. Please re-install Vazarudu Kelvo.", szPath);
        return;
    }
    char szHeader[RECORD_LINE_SIZE];
    int nEnd = Read_Input_Line("Team_Records.csv", szHeader, pFile);
    while (nEnd == 0)
        nEnd = Read_Team_Record_Line(pFile);
    fclose(pFile);
}

// The season-line import. See season_line_import.h.
#include "season/season_line_import.h"

#include <strings.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_set>

#include "base/input_file.h"
#include "base/random.h"
#include "league/historical.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "platform/errors.h"
#include "season/name_lookups.h"
#include "season/position_abbreviations.h"
#include "season/season_files.h"
#include "season/stat_file_layouts.h"

namespace {

constexpr int LINE_SIZE = STAT_TABLE_LINE_SIZE;   // what a build checks the table against
constexpr int FIELD_SIZE = 100;
constexpr int OLDEST_YEAR_BACK = 24;    // a build takes seasons from Y - 24 ...
constexpr int NEWEST_YEAR_AHEAD = 14;   // ... to Y + 14
constexpr int MODERN_YEAR = 2023;

// The memories of one file (see the header).
int g_nLastTeam = NO_TEAM;
int g_nLastSlot = NO_PLAYER;
int g_nLineMemory = -1;
std::unordered_set<uint64_t> g_SeenLines;

// 64-bit FNV-1a of a line's text, the key of the duplicate check.
uint64_t Hash_Line(const char* szLine)
{
    uint64_t h = 1469598103934665603ULL;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(szLine); *p; ++p) {
        h ^= *p;
        h *= 1099511628211ULL;
    }
    return h;
}

void Remove_Chars(char* szText, const char* szChars)
{
    char* pOut = szText;
    for (const char* p = szText; *p; ++p) {
        if (std::strchr(szChars, *p) == nullptr)
            *pOut++ = *p;
    }
    *pOut = '\0';
}

bool Is_Team_Code(int nTeam)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM;
}

// Both positions in one unit, a quarterback a unit of his own.
bool Same_Position_Unit(int nA, int nB)
{
    if (nA == POSITION_QB || nB == POSITION_QB)
        return nA == nB;
    return Get_Position_Unit(nA) == Get_Position_Unit(nB);
}

int Clamp_Sum(int64_t n)
{
    if (n > INT32_MAX)
        return INT32_MAX;
    if (n < INT32_MIN)
        return INT32_MIN;
    return static_cast<int>(n);
}

void Add_To_Vital(int nTeam, int nSlot, int nCode, int64_t nValue)
{
    const int64_t nOld = Get_Player_Stored_Vital_Stat(nTeam, nSlot, nCode);
    Set_Player_Vital_Stat(nTeam, nSlot, nCode, Clamp_Sum(nOld + nValue));
}

// A decimal times a whole number, truncated and held to the int range
// (Parse_Input_Decimal already refused anything not finite).
int Truncate_Product(double fValue, double fFactor)
{
    const double f = std::trunc(fValue * fFactor);
    if (f >= 2147483647.0)
        return INT32_MAX;
    if (f <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int>(f);
}

bool Is_Valid_Line(int nLine)
{
    return nLine >= 0 && nLine <= 32767;
}

// The player a line names, by the rules of the last match, the player ID,
// the external ID and the name. false when none.
bool Match_Player(int nPlayerID, const char* szCorvelID, const char* szName, int nBase, int* pTeam, int* pSlot)
{
    const bool bLastKnown = Is_Player_Slot_Used(g_nLastTeam, g_nLastSlot);
    if (bLastKnown) {
        if (nPlayerID > 0 && Get_Player_ID(g_nLastTeam, g_nLastSlot) == nPlayerID) {
            *pTeam = g_nLastTeam;
            *pSlot = g_nLastSlot;
            return true;
        }
        if (*szCorvelID) {
            char szHis[PLAYER_CORVEL_ID_SIZE];
            Get_Player_Corvel_ID(g_nLastTeam, g_nLastSlot, szHis);
            if (strcasecmp(szHis, szCorvelID) == 0) {
                *pTeam = g_nLastTeam;
                *pSlot = g_nLastSlot;
                return true;
            }
        }
    }
    if (nPlayerID > 0)
        return Find_Player_ID_Team_Slot(pTeam, pSlot, nPlayerID);
    if (*szCorvelID)
        return Find_Corvel_ID_Team_Slot(pTeam, pSlot, szCorvelID);
    if (!*szName)
        return false;
    if (bLastKnown) {
        char szFull[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(g_nLastTeam, g_nLastSlot, szFull);
        if (strcasecmp(szFull, szName) == 0) {
            *pTeam = g_nLastTeam;
            *pSlot = g_nLastSlot;
            return true;
        }
    }
    if (Find_Player_Name_Team_Slot(pTeam, pSlot, szName))
        return true;
    PLAYER_LOCATION Where{};
    if (!Find_Player_By_Name(&Where, szName, NO_TEAM, nBase >= 0 ? nBase : POSITION_ANY))
        return false;
    *pTeam = Where.nTeam;
    *pSlot = Where.nSlot;
    return true;
}

// The columns of one line, 1-based; columns past the line's end are empty.
struct SEASON_FIELDS {
    char szField[SEASONS_CSV_COLUMNS + 1][FIELD_SIZE];

    const char* Text(int n) const { return szField[n]; }
    // Counts may be written with thousands separators ("1,234").
    int Int(int n) const { return static_cast<int>(Parse_Input_Money(szField[n])); }
    double Decimal(int n) const { return Parse_Input_Decimal(szField[n]); }
};

void Split_Fields(char* szLine, SEASON_FIELDS& F)
{
    std::memset(F.szField, 0, sizeof(F.szField));
    for (int n = 1; n <= SEASONS_CSV_COLUMNS && *szLine; ++n) {
        if (Pop_Input_Field(F.szField[n], FIELD_SIZE, szLine) != 0)
            break;
    }
}

// One recorder call of the column table.
struct RECORDER {
    int nTeam;
    int nSlot;
    int nLine;
    int nYear;

    void operator()(int nStat, int nValue, int bNormalize = 0) const
    {
        Record_Imported_Season_Stat(nTeam, nSlot, nLine, nYear, 0, nStat, nValue, bNormalize);
    }
};

// The columns from 9 on, the career sums and the old defenders' estimates.
// nPosition is the position the line gave (columns 12-23 go by it).
void Record_Columns(const SEASON_FIELDS& F, const RECORDER& R, int nPosition)
{
    const int nTeam = R.nTeam;
    const int nSlot = R.nSlot;
    const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);

    const int nGames = F.Int(SEASONS_COL_G);
    const int nStarts = F.Int(SEASONS_COL_GS);
    R(0, nGames);
    R(1, nStarts);
    Add_To_Vital(nTeam, nSlot, VITAL_CAREER_GAMES_AND_STARTS, static_cast<int64_t>(nGames) + nStarts);
    const int nStored = Get_Player_Position(nTeam, nSlot);
    if (nStored < 0 || nStored > POSITION_P)
        return;

    // Columns 12-23: the position of this line.
    const bool bLineQB = nPosition == POSITION_QB;
    const int nLineUnit = nPosition >= 0 ? Get_Position_Unit(nPosition) : -1;
    if (bLineQB) {
        R(2, F.Int(SEASONS_COL_PA_ATT));
        R(3, F.Int(SEASONS_COL_PA_COM));
        R(5, F.Int(SEASONS_COL_PA_YDS));
        R(6, F.Int(SEASONS_COL_PA_TD));
        R(4, F.Int(SEASONS_COL_PA_INT));
        R(14, F.Int(SEASONS_COL_PA_SK));
        R(15, F.Int(SEASONS_COL_PA_SK_YDS));
    }
    if (nLineUnit == UNIT_BACKS) {
        R(7, F.Int(SEASONS_COL_RU_ATT));
        R(8, F.Int(SEASONS_COL_RU_YDS));
        R(9, F.Int(SEASONS_COL_RU_TD));
    }

    // Later columns: the position stored in the record.
    const bool bQB = nStored == POSITION_QB;
    const int nUnit = Get_Position_Unit(nStored);
    if (nUnit == UNIT_BACKS) {
        R(4, F.Int(SEASONS_COL_TARGETED));
        R(10, F.Int(SEASONS_COL_RECEPTS));
        R(11, F.Int(SEASONS_COL_RE_YDS));
        R(12, F.Int(SEASONS_COL_RE_TD));
        R(bQB ? 19 : 2, F.Int(SEASONS_COL_FUMBLES));
        R(13, F.Int(SEASONS_COL_FUMBLES_LOST));
    }
    if (nUnit == UNIT_BACKS || nUnit == UNIT_DEFENSE) {
        R(17, F.Int(SEASONS_COL_PUNT_RETURNS));
        R(18, F.Int(SEASONS_COL_PUNT_RET_YDS));
        R(19, F.Int(SEASONS_COL_PUNT_RET_TD));
        R(14, F.Int(SEASONS_COL_KICK_RETURNS));
        R(15, F.Int(SEASONS_COL_KICK_RET_YDS));
        R(16, F.Int(SEASONS_COL_KICK_RET_TD));
    }
    if (nUnit == UNIT_DEFENSE) {
        int nExpanded = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DEPTH_SLOT);
        if (nExpanded < 0 || nExpanded >= NUMBER_OF_EXPANDED_POSITIONS)
            nExpanded = nStored;
        const int nCombined = F.Int(SEASONS_COL_COMB);
        int nAssists = F.Int(SEASONS_COL_ASST);
        if (nAssists == 0 && nCombined > 0) {
            const int nA3 = Get_Average_Stat(nExpanded, 3);
            const int nA2 = Get_Average_Stat(nExpanded, 2);
            nAssists = Mul_Div_Rounded(nCombined, nA3, nA3 + nA2);
        }
        R(3, nAssists);
        R(2, Clamp_Sum(static_cast<int64_t>(nCombined) - nAssists));
        R(4, Truncate_Product(F.Decimal(SEASONS_COL_SK), 2.0));
        R(6, F.Int(SEASONS_COL_PD));
        R(5, F.Int(SEASONS_COL_FF));
        R(8, F.Int(SEASONS_COL_FR));
        R(7, F.Int(SEASONS_COL_INT));
        for (int nColumn : {SEASONS_COL_FUM_RET_TD, SEASONS_COL_INT_RETURN_TD}) {
            const int nValue = F.Int(nColumn);
            if (nValue != 0)
                R(9, Clamp_Sum(static_cast<int64_t>(Get_Season_Line_Stat(R.nLine, 9)) + nValue), 1);
        }
    }
    int nFieldGoalsTried = 0;
    int nFieldGoalsMade = 0;
    if (nUnit == UNIT_KICKERS) {
        R(2, F.Int(SEASONS_COL_PUNTS));
        R(3, F.Int(SEASONS_COL_PUNT_YARDS));
        R(18, F.Int(SEASONS_COL_FG_LG));
        R(9, F.Int(SEASONS_COL_XPM));
        R(6, F.Int(SEASONS_COL_TB));
        R(8, F.Int(SEASONS_COL_XPA));
        R(5, F.Int(SEASONS_COL_PUNT_LG));
        nFieldGoalsTried = F.Int(SEASONS_COL_FGA);
        nFieldGoalsMade = F.Int(SEASONS_COL_FGM);
        R(11, Clamp_Sum(static_cast<int64_t>(F.Int(SEASONS_COL_FGM_UNDER_20)) + F.Int(SEASONS_COL_FGM_20_29)));
        R(13, F.Int(SEASONS_COL_FGM_30_39));
        R(15, F.Int(SEASONS_COL_FGM_40_49));
        R(17, F.Int(SEASONS_COL_FGM_50_PLUS));
        R(10, Clamp_Sum(static_cast<int64_t>(F.Int(SEASONS_COL_FGA_UNDER_20)) + F.Int(SEASONS_COL_FGA_20_29)));
        R(12, F.Int(SEASONS_COL_FGA_30_39));
        R(14, F.Int(SEASONS_COL_FGA_40_49));
        R(16, F.Int(SEASONS_COL_FGA_50_PLUS));
    }
    if (nFieldGoalsMade > 0 || nFieldGoalsTried > 0)
        Fill_Field_Goal_Distances(nTeam, nSlot, R.nLine, nFieldGoalsMade, nFieldGoalsTried);
    if (nUnit == UNIT_BACKS) {
        R(6, Truncate_Product(F.Decimal(SEASONS_COL_YAC), Get_Season_Line_Stat(R.nLine, 10)));
        R(5, F.Int(SEASONS_COL_REC_1STD));
    }
    const int nValue = F.Int(SEASONS_COL_VALUE);
    if (nUnit == UNIT_LINE || nUnit == UNIT_DEFENSE)
        R(13, nValue);

    Add_To_Vital(nTeam, nSlot, VITAL_CAREER_VALUE, nValue);
    const int nLastComplete = nFirstYear == MODERN_YEAR ? MODERN_YEAR - 1 : nFirstYear;
    if (R.nYear == nLastComplete)
        Add_To_Vital(nTeam, nSlot, VITAL_LAST_SEASON_VALUE, nValue);

    if (nUnit == UNIT_DEFENSE) {
        const int64_t k = static_cast<int64_t>(nGames) + nStarts;
        const int64_t V = nValue;
        auto Estimate = [&](int nStat, int64_t nWeight, int64_t nDivisor) {
            const int nAverage = Get_Average_Stat(nStored, nStat);
            return Mul_Div_Rounded_64(nAverage, nWeight, nDivisor);
        };
        if (R.nYear < 2001)
            R(6, Estimate(6, k + 3 * V, 50));
        if (R.nYear < 1995) {
            R(2, Estimate(2, k + 3 * V, 50));
            R(3, Estimate(3, k + 2 * V, 42));
        }
        if (R.nYear < 1982)
            R(4, Estimate(4, k + 4 * V, 58));
    }
}

}  // namespace

void Reset_Season_Line_Import()
{
    g_nLastTeam = NO_TEAM;
    g_nLastSlot = NO_PLAYER;
    g_nLineMemory = -1;
    g_SeenLines.clear();
}

bool Get_Last_Matched_Season_Player(int* pTeam, int* pSlot)
{
    if (!Is_Player_Slot_Used(g_nLastTeam, g_nLastSlot))
        return false;
    if (pTeam)
        *pTeam = g_nLastTeam;
    if (pSlot)
        *pSlot = g_nLastSlot;
    return true;
}

int Read_Season_Line(const char* szPath, FILE* pFile, int nMode)
{
    char szLine[LINE_SIZE];
    const int bEnd = Read_Input_Line(szPath, szLine, pFile);
    if (szLine[0] == '\0')
        return bEnd;
    // Several tables list the same season, so the table holds exact copies:
    // each would add its games and value to the career sums again.
    if (!g_SeenLines.insert(Hash_Line(szLine)).second)
        return bEnd;

    static SEASON_FIELDS F;
    Split_Fields(szLine, F);

    char szCorvelID[FIELD_SIZE];
    std::strcpy(szCorvelID, F.Text(SEASONS_COL_CORVEL_ID));
    Remove_Chars(szCorvelID, "'");
    if (*szCorvelID && !Is_Plain_External_Id(szCorvelID))
        return bEnd;
    const int nPlayerID = *F.Text(SEASONS_COL_PLAYER_ID) ? F.Int(SEASONS_COL_PLAYER_ID) : -1;

    const char* szFlag = F.Text(SEASONS_COL_SEASON_FLAG);
    if (strcasecmp(szFlag, "PRE") == 0 || strcasecmp(szFlag, "POST") == 0 || strcasecmp(szFlag, "PRO") == 0)
        return bEnd;

    const int nYear = F.Int(SEASONS_COL_YEAR);
    const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    if (nMode != 0) {
        if (nYear != Get_Current_Year())
            return bEnd;
    } else if (nYear < nFirstYear - OLDEST_YEAR_BACK || nYear > nFirstYear + NEWEST_YEAR_AHEAD) {
        return bEnd;
    }

    const char* szTeam = F.Text(SEASONS_COL_TEAM);
    if (!*szTeam || strcasecmp(szTeam, "2TM") == 0 || strcasecmp(szTeam, "3TM") == 0 ||
        strcasecmp(szTeam, "4TM") == 0)
        return bEnd;
    const int nUniform = F.Int(SEASONS_COL_UNIFORM);
    char szName[FIELD_SIZE];
    std::strcpy(szName, F.Text(SEASONS_COL_NAME));
    Remove_Chars(szName, "*+");
    const char* szPosition = F.Text(SEASONS_COL_POSITION);
    int nCode = *szPosition ? Parse_Position_Abbreviation(szPosition) : -1;
    if (nCode >= NUMBER_OF_EXPANDED_POSITIONS)
        nCode = -1;
    int nBase = nCode >= 0 ? Translate_Expanded_Position(nCode) : -1;

    int nTeam = NO_TEAM;
    int nSlot = NO_PLAYER;
    if (!Match_Player(nPlayerID, szCorvelID, szName, nBase, &nTeam, &nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return bEnd;
    g_nLastTeam = nTeam;
    g_nLastSlot = nSlot;

    // Position: an "OL" line is the last lineman's place; a player without
    // a position takes the line's, one with a position only from a season
    // up to the first and within his unit.
    if (strcasecmp(szPosition, "OL") == 0 && g_nLineMemory >= 0) {
        nCode = g_nLineMemory;
        nBase = Translate_Expanded_Position(nCode);
    } else if (nBase == POSITION_T || nBase == POSITION_G || nBase == POSITION_C) {
        g_nLineMemory = nCode;
    }
    int nPosition = Get_Player_Position(nTeam, nSlot);
    if (nCode >= 0) {
        const bool bHasPosition = nPosition >= 0 && nPosition <= POSITION_P;
        if (!bHasPosition || (nYear <= nFirstYear && Same_Position_Unit(nPosition, nBase))) {
            nPosition = nBase;
            if (nMode == 0) {
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nBase);
                Set_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DEPTH_SLOT, nCode);
            }
        }
    }

    int nLineTeam = Find_Team_By_Abbreviation(szTeam, 0);
    if (!Is_Team_Code(nLineTeam))
        nLineTeam = Find_Team_By_Historic_Name(szTeam);
    if (!Is_Team_Code(nLineTeam)) {
        if (nYear < nFirstYear && std::strlen(szTeam) < 5) {
            Report_Error("Unrecognized team abbreviation: %s (%d)", szTeam, nYear);
            return bEnd;
        }
        nLineTeam = NO_TEAM;
    }

    if (nUniform > 0 && nUniform <= 99 &&
        (nYear == nFirstYear || Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_UNIFORM) == 0))
        Set_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_UNIFORM, nUniform);

    int nLine = NO_SEASON_LINE;
    if (nMode == 0 && nLineTeam != NO_TEAM) {
        nLine = Find_Player_Season_Line(nTeam, nSlot, nLineTeam, nYear);
        if (nLine < 0)
            nLine = Assign_Player_Season_Line(nTeam, nSlot, nYear, nLineTeam);
    }

    Record_Columns(F, RECORDER{nTeam, nSlot, nLine, nYear}, nPosition);
    return bEnd;
}

void Fill_Field_Goal_Distances(int nTeam, int nSlot, int nLine, int nMade, int nAttempts)
{
    static const int P[10] = {17, 15, 11, 13, 13, 15, 15, 11, 13, 11};
    static const int Q[10] = {14, 12, 14, 16, 14, 16, 10, 16, 14, 12};
    if (!Is_Valid_Line(nLine))
        return;
    // A negative count from a file would index the patterns backwards.
    nMade = nMade > 0 ? nMade : 0;
    nAttempts = nAttempts > 0 ? nAttempts : 0;
    const bool bLastSeason = Get_Season_Line_Year(nLine) == Get_Universe_Stat(FIRST_SEASON_YEAR) - 1;
    auto Credit = [&](int nStat) {
        Set_Season_Line_Stat(nLine, nStat, Clamp_Sum(static_cast<int64_t>(Get_Season_Line_Stat(nLine, nStat)) + 1));
        Add_To_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, nStat, 1);
        if (bLastSeason)
            Add_To_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, nStat, 1);
    };
    auto Sum = [&](int a, int b, int c, int d) {
        return static_cast<int64_t>(Get_Season_Line_Stat(nLine, a)) + Get_Season_Line_Stat(nLine, b) +
               Get_Season_Line_Stat(nLine, c) + Get_Season_Line_Stat(nLine, d);
    };

    int64_t nSum = Sum(11, 13, 15, 17);
    if (nMade > 0 && nSum < nMade) {
        if (Get_Season_Line_Stat(nLine, 18) == 0)
            Set_Season_Line_Stat(nLine, 18, Get_Rounded_Sqrt(nMade) + 47);
        for (int i = 0; i < 200 && nSum < nMade; ++i) {
            const int64_t nMissing = nMade - nSum;
            const int64_t s = nMissing - 10 * (nAttempts / 10) + nAttempts;
            int nStat = P[s % 10];
            if (nStat == 17 && Get_Season_Line_Stat(nLine, 18) < 50 + nMissing / 10)
                nStat = P[1 + (s + nLine) % 9];
            Credit(nStat);
            nSum = Sum(11, 13, 15, 17);
        }
    }
    if (nAttempts > 0) {
        // Never fewer tries than goals in a band; the records follow, so a
        // career never shows more goals than tries either.
        for (int nStat = 10; nStat <= 16; nStat += 2) {
            const int nMadeHere = Get_Season_Line_Stat(nLine, nStat + 1);
            const int nTriedHere = Get_Season_Line_Stat(nLine, nStat);
            if (nTriedHere < nMadeHere) {
                Set_Season_Line_Stat(nLine, nStat, nMadeHere);
                Add_To_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, nStat, nMadeHere - nTriedHere);
                if (bLastSeason)
                    Add_To_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, nStat, nMadeHere - nTriedHere);
            }
        }
        int64_t nTried = Sum(10, 12, 14, 16);
        for (int i = 0; i < 200 && nTried < nAttempts; ++i) {
            nSum = Sum(11, 13, 15, 17);
            const int64_t n = (nMade - nSum + nAttempts) % 10;
            Credit(Q[n < 0 ? n + 10 : n]);
            nTried = Sum(10, 12, 14, 16);
        }
    }
}

int Normalize_Stat_To_Modern_Era(int nYear, int nStat, int nValue)
{
    auto Scale = [&](int n, int nCode) {
        return Mul_Div_Rounded(n, Get_Historical_Average_Stat(nCode, MODERN_YEAR),
                               Get_Historical_Average_Stat(nCode, nYear));
    };
    switch (nStat) {
    case 3: return Scale(nValue, 101);
    case 5: return Scale(Scale(nValue, 101), 109);
    case 6: return Scale(nValue, 105);
    case 4: return Scale(nValue, 107);
    default: return nValue;
    }
}

void Record_Imported_Season_Stat(int nTeam, int nSlot, int nLine, int nYear, int nSpare, int nStat, int nValue,
                                 int bNormalize)
{
    if (nValue == 0 || nSpare != 0 || nStat < 0 || nStat >= STATS_PER_PERIOD)
        return;
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
    const bool bReplay = Get_Universe_Word(REPLAY_MODE_WORD) != 0;
    const bool bBest = Get_Position_Unit(Get_Player_Position(nTeam, nSlot)) == UNIT_KICKERS &&
                       (nStat == STAT_LONGEST_FIELD_GOAL || nStat == STAT_LONGEST_PUNT);
    auto Take_Best = [&](int nPeriod) {
        if (nValue > Get_Player_Stat(nTeam, nSlot, nPeriod, nStat))
            Set_Player_Stat(nTeam, nSlot, nPeriod, nStat, nValue);
    };
    if (bBest && !bReplay) {
        if (nYear <= nFirstYear)
            Take_Best(STAT_PERIOD_CAREER);
        if (nYear == nFirstYear - 1)
            Take_Best(STAT_PERIOD_LAST_SEASON);
        if (nYear == nFirstYear)
            Take_Best(STAT_PERIOD_THIS_SEASON);
    }
    const bool bLine = Is_Valid_Line(nLine);
    const bool bAlreadyOnLine = bLine && Get_Season_Line_Stat(nLine, nStat) != 0;
    if (!bAlreadyOnLine) {
        if (!bReplay) {
            if (!bBest) {
                if (nYear < nFirstYear)
                    Add_To_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, nStat, nValue);
                if (nYear == nFirstYear - 1)
                    Add_To_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, nStat, nValue);
                else if (nYear == nFirstYear)
                    Add_To_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nStat, nValue);
            }
            int64_t v = bNormalize ? Normalize_Stat_To_Modern_Era(nYear, nStat, nValue) : nValue;
            if (!bBest && (nYear == nFirstYear || nYear == nFirstYear - 1))
                v *= 2;
            if (bBest)
                Take_Best(STAT_PERIOD_PREDICTED);
            else
                Add_To_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, nStat, Clamp_Sum(v));
        } else if (nYear == Get_Current_Year() &&
                   Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nStat) == 0) {
            Add_To_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nStat, nValue);
        }
    }
    if (bLine)
        Set_Season_Line_Stat(nLine, nStat, nValue);
}

int Find_Player_Season_Line(int nTeam, int nSlot, int nTeamByte, int nYear)
{
    for (int n = 0; n < 30; ++n) {
        const int nLine = Get_Player_Season_Line_Index(nTeam, nSlot, n);
        if (!Is_Valid_Line(nLine))
            return -1;
        if (Get_Season_Line_Year(nLine) == nYear && (Get_Season_Line_Team(nLine) & 0xFF) == (nTeamByte & 0xFF))
            return nLine;
    }
    return -1;
}

// Player display texts, derived measures, season-statistic adders, the
// player counters and the predicted-statistics cache.

#include "league/player_text.h"

#include <strings.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "base/int_math.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "base/random.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "base/text_utils.h"
#include "league/league_text.h"
#include "platform/errors.h"

namespace {

constexpr int RATE_CODE_COUNT = CACHE_LAST_RATE_CODE - CACHE_FIRST_RATE_CODE + 1;     // 55
constexpr int GRADE_CODE_COUNT = CACHE_LAST_GRADE_CODE - CACHE_FIRST_GRADE_CODE + 1;  // 40

// One int per player of the 41 team slots and code: 902,000 and 656,000 bytes.
int32_t g_RateCache[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM][RATE_CODE_COUNT];
int32_t g_GradeCache[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM][GRADE_CODE_COUNT];
bool g_bCacheOn = false;
static_assert(sizeof(g_RateCache) == 902000);
static_assert(sizeof(g_GradeCache) == 656000);


constexpr int GROUP_CODE_NONE = -1;

// The five long college names and their display forms (compared without case).
struct COLLEGE_SHORT_FORM {
    const char* szLong;
    const char* szShort;
};
constexpr COLLEGE_SHORT_FORM COLLEGE_SHORT_FORMS[] = {
    {"Tennessee - Chattanooga", "Chattanooga (TN)"},
    {"Northwestern State - Louisiana", "NW State - Louisiana"},
    {"Northwest Missouri State", "NW Missouri State"},
    {"Mary Hardin-Baylor - TX", "Mary Hardin-Baylor"},
    {"Minnesota State - Mankato", "Mankato (MN)"},
};

// A rating as an integer (truncated); out-of-range stored values are held
// far enough in that the conversion is defined.
int Rating_As_Int(int nTeam, int nSlot, int nRating)
{
    float f = Get_Player_Rating(nTeam, nSlot, nRating);
    if (std::isnan(f))
        return 0;
    if (f > 1.0e6f)
        f = 1.0e6f;
    if (f < -1.0e6f)
        f = -1.0e6f;
    return static_cast<int>(f);
}

void Copy_Out(char* szOut, size_t nOutSize, const char* szText)
{
    if (szOut == nullptr || nOutSize == 0)
        return;
    size_t nSize = nOutSize < TEXT_BUFFER_SIZE ? nOutSize : TEXT_BUFFER_SIZE;
    safe_strncpy(szOut, szText, static_cast<int>(nSize));
}

bool Is_Cached_Code(int nCode)
{
    return (nCode >= CACHE_FIRST_RATE_CODE && nCode <= CACHE_LAST_RATE_CODE) ||
           (nCode >= CACHE_FIRST_GRADE_CODE && nCode <= CACHE_LAST_GRADE_CODE);
}

int32_t& Cache_Cell(int nTeam, int nSlot, int nCode)
{
    if (nCode <= CACHE_LAST_RATE_CODE)
        return g_RateCache[nTeam][nSlot][nCode - CACHE_FIRST_RATE_CODE];
    return g_GradeCache[nTeam][nSlot][nCode - CACHE_FIRST_GRADE_CODE];
}

bool Is_Kicker(int nTeam, int nSlot)
{
    return Get_Player_Unit(nTeam, nSlot) == UNIT_KICKERS;
}

bool Is_Longest_Kick_Stat(int nStat)
{
    return nStat == STAT_LONGEST_PUNT || nStat == STAT_LONGEST_FIELD_GOAL;
}

}  // namespace

// ---------------------------------------------------------------------------
// Names, IDs and colleges

void Get_Player_Initial_Name(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    Copy_Out(szOut, nOutSize, "");
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return;
    char szFirst[PLAYER_FIRST_NAME_TEXT_SIZE];
    char szLast[PLAYER_LAST_NAME_SIZE];
    Get_Player_First_Name_Filled(nTeam, nSlot, szFirst);
    Get_Player_Last_Name(nTeam, nSlot, szLast);
    char szText[PLAYER_NAME_TEXT_SIZE];
    Format_Text_Bounded(szText, sizeof(szText), "%c. %s", szFirst[0], szLast);
    Copy_Out(szOut, nOutSize, szText);
}

void Get_Player_Display_Name(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    Copy_Out(szOut, nOutSize, "");
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return;
    char szFull[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(nTeam, nSlot, szFull);
    if (strlen(szFull) >= FULL_NAME_SHORTENED_LENGTH) {
        Get_Player_Initial_Name(nTeam, nSlot, szOut, nOutSize);
        return;
    }
    Copy_Out(szOut, nOutSize, szFull);
}

void Get_Player_College_Short(int nTeam, int nSlot, char* szOut, size_t nOutSize)
{
    char szCollege[PLAYER_COLLEGE_SIZE];
    Get_Player_College(nTeam, nSlot, szCollege);
    // Three of the long names do not fit the 23 characters of the field: a
    // full field that begins the long name is that name, cut when stored.
    size_t nLength = strlen(szCollege);
    bool bFull = nLength == PLAYER_COLLEGE_SIZE - 1;
    for (const COLLEGE_SHORT_FORM& Form : COLLEGE_SHORT_FORMS) {
        if (strcasecmp(szCollege, Form.szLong) == 0 || (bFull && strncasecmp(szCollege, Form.szLong, nLength) == 0)) {
            Copy_Out(szOut, nOutSize, Form.szShort);
            return;
        }
    }
    Copy_Out(szOut, nOutSize, szCollege);
}

const char* Get_Player_Corvel_ID_Text(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return "";
    const char* szField = League.Team[nTeam].Player[nSlot].szCorvelID;
    if (memchr(szField, '\0', PLAYER_CORVEL_ID_SIZE) != nullptr)
        return szField;
    // A field filled to the last byte (an outside file) has no terminator:
    // hand out a terminated copy instead of reading past it.
    static char szCopy[PLAYER_CORVEL_ID_SIZE];
    memcpy(szCopy, szField, PLAYER_CORVEL_ID_SIZE - 1);
    szCopy[PLAYER_CORVEL_ID_SIZE - 1] = '\0';
    return szCopy;
}

void Set_Player_Corvel_ID(int nTeam, int nSlot, const char* szID)
{
    if (nTeam == NO_TEAM)
        return;
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (szID == nullptr) {
        Report_Error("Null text in %s(%d,%d)", __func__, nTeam, nSlot);
        return;
    }
    safe_strncpy(League.Team[nTeam].Player[nSlot].szCorvelID, szID, PLAYER_CORVEL_ID_SIZE);
}

// ---------------------------------------------------------------------------
// Small readers and writers

int Get_Player_Group_Code(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return GROUP_CODE_NONE;
    if (Get_Player_Side(nTeam, nSlot) == SIDE_DEFENSE)
        return POSITION_GROUP_DEFENDER;
    if (Get_Player_Unit(nTeam, nSlot) == UNIT_LINE)
        return POSITION_GROUP_OFFENSIVE_LINE;
    return GROUP_CODE_NONE;
}

void Add_To_Player_Vital_Stat_17(int nTeam, int nSlot, int nValue)
{
    if (nTeam == NO_TEAM)
        return;
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    int32_t& nStat = League.Team[nTeam].Player[nSlot].nVital[VITAL_CAREER_GAMES_AND_STARTS];
    nStat = Clamp_To_Int(static_cast<long long>(nStat) + nValue);
}

int Get_Player_Counter(int nTeam, int nSlot, int n)
{
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d)", __func__, nTeam, nSlot, n);
        return 0;
    }
    if (nSlot < 0 || nSlot >= PLAYERS_PER_TEAM) {
        Report_Error("nSlot out of bounds in %s(%d,[%d],%d)", __func__, nTeam, nSlot, n);
        return 0;
    }
    if (n < 0 || n >= PLAYER_COUNTER_COUNT) {
        Report_Error("nCounter out of bounds in %s(%d,%d,[%d])", __func__, nTeam, nSlot, n);
        return 0;
    }
    return League.Team[nTeam].Player[nSlot].nCounter[n];
}

// ---------------------------------------------------------------------------
// Measures

int Get_Player_Estimated_Measure(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    long long a = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, STAT_GAMES_STARTED);
    long long b = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_LAST_SEASON, STAT_RUSHING_YARDS);
    long long c = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, STAT_CODE_YARDS_PER_RUSH);
    long long w = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT);

    long long t = 400 - c / 10;
    if (t < -15)
        t = -15;
    if (t > 15)
        t = 15;
    if (t > b / 40)
        t = b / 40;
    long long e = t + (500 - b) / 20 + (w - 220) / 2 + 2 * a + 30;

    // Modern leagues run for more yards: a big rusher counts for less.
    int nFirstSeason = Get_Universe_Stat(FIRST_SEASON_YEAR);
    if (nFirstSeason >= 1986 && b > 500) {
        long long nDivisor = static_cast<long long>(nFirstSeason - 1980) * (b - 500) + 6250;
        e = Mul_Div_Rounded(Clamp_To_Int(e), 6250, Clamp_To_Int(nDivisor));
    }
    if (e < 30)
        e = (e + 30) / 2;
    else if (e > 70)
        e = (e + 70) / 2;
    if (e < 0)
        e = 0;
    if (e > 100)
        e = 100;
    return static_cast<int>(e);
}

int Get_Player_Rated_Measure(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    long long nRunBlocking = Rating_As_Int(nTeam, nSlot, RATING_RUN_BLOCKING);
    long long nReceiving = Rating_As_Int(nTeam, nSlot, RATING_RECEIVING);
    long long nBase = (nRunBlocking - 70) * 3 + Get_Player_Estimated_Measure(nTeam, nSlot);
    long long m = Mul_Div_Rounded(Clamp_To_Int(nBase), 140, Clamp_To_Int(nReceiving + 70));
    int nUniform = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_UNIFORM);
    if (nUniform >= 30 && nUniform <= 49)
        m = Mul_Div_Rounded(Clamp_To_Int(m), nUniform, 20);
    if (m < 20)
        m = (m + 20) / 2;
    else if (m > 80)
        m = (m + 80) / 2;
    if (m < 0)
        m = 0;
    if (m > 100)
        m = 100;
    return static_cast<int>(m);
}

int Apply_Small_Sample_Damping(int nTeam, int nSlot, int nValue)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return nValue;
    long long nStarts = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, STAT_GAMES_STARTED);
    long long nGames = Get_Player_Stat(nTeam, nSlot, STAT_PERIOD_PREDICTED, STAT_GAMES_PLAYED);
    long long n = 5LL * Get_Games_Per_Season();
    long long nLimit = n != 0 ? (n * 80 + 50) / 100 : 0;
    long long nSample = nGames + 4 * nStarts;
    if (nSample >= nLimit)
        return nValue;
    // The rounded root takes its argument within +/-1,000,000,000.
    auto Root = [](long long x) {
        if (x > 1000000000LL)
            x = 1000000000LL;
        if (x < -1000000000LL)
            x = -1000000000LL;
        return Get_Rounded_Sqrt(static_cast<int>(x));
    };
    int s1 = Root(nLimit * 10);
    int s2 = Root(nSample * 10);
    int f = Mul_Div_Rounded(s2, 500, s1);
    if (nValue == 0)
        return 0;
    return Mul_Div_Rounded(nValue, f + 500, 1000);
}

// ---------------------------------------------------------------------------
// Season-statistic adders

void Add_Player_Season_Stats(int nTeam, int nSlot, int nInto, int nFrom)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (nInto < 0 || nInto > STAT_PERIOD_LAST_LINE) {
        Report_Error("nPeriod out of bounds in %s(%d,%d,[%d],%d)", __func__, nTeam, nSlot, nInto, nFrom);
        return;
    }
    if (nFrom < 0 || nFrom > STAT_PERIOD_LAST_LINE) {
        Report_Error("nPeriod out of bounds in %s(%d,%d,%d,[%d])", __func__, nTeam, nSlot, nInto, nFrom);
        return;
    }
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    bool bKicker = Is_Kicker(nTeam, nSlot);
    for (int n = 0; n < STATS_PER_PERIOD; n++) {
        long long nA = Get_Player_Stat(nTeam, nSlot, nInto, n);
        long long nB = Get_Player_Stat(nTeam, nSlot, nFrom, n);
        long long nSum = (bKicker && Is_Longest_Kick_Stat(n)) ? (nA > nB ? nA : nB) : nA + nB;
        Set_Player_Stat(nTeam, nSlot, nInto, n, Clamp_To_Int(nSum));
    }
}

void Add_All_Players_Season_Stats(int nInto, int nFrom)
{
    int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; t++)
        for (int s = 0; s < PLAYERS_PER_TEAM; s++)
            if (Is_Player_Slot_Used(t, s))
                Add_Player_Season_Stats(t, s, nInto, nFrom);
}

void Subtract_Season_0_From_Season_2()
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; t++) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; s++) {
            if (!Is_Player_Slot_Used(t, s))
                continue;
            bool bKicker = Is_Kicker(t, s);
            for (int n = 0; n < STATS_PER_PERIOD; n++) {
                // A career's longest kick is a maximum, which no subtraction undoes.
                if (bKicker && Is_Longest_Kick_Stat(n))
                    continue;
                long long nCareer = Get_Player_Stat(t, s, STAT_PERIOD_CAREER, n);
                long long nSeason = Get_Player_Stat(t, s, STAT_PERIOD_THIS_SEASON, n);
                Set_Player_Stat(t, s, STAT_PERIOD_CAREER, n, Clamp_To_Int(nCareer - nSeason));
            }
        }
    }
}

// ---------------------------------------------------------------------------
// The predicted-statistics cache

void Start_Predicted_Stat_Cache()
{
    memset(g_RateCache, 0, sizeof(g_RateCache));
    memset(g_GradeCache, 0, sizeof(g_GradeCache));
    g_bCacheOn = true;
}

void Stop_Predicted_Stat_Cache()
{
    g_bCacheOn = false;
}

void Clear_Predicted_Stat_Cache()
{
    if (!g_bCacheOn)
        return;
    memset(g_RateCache, 0, sizeof(g_RateCache));
    memset(g_GradeCache, 0, sizeof(g_GradeCache));
}

bool Is_Predicted_Stat_Cache_On()
{
    return g_bCacheOn;
}

bool Find_Cached_Predicted_Stat(int nTeam, int nSlot, int nCode, int* pnValue)
{
    if (!g_bCacheOn || !Is_Cached_Code(nCode))
        return false;
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return false;
    int nValue = Cache_Cell(nTeam, nSlot, nCode);
    if (nValue == 0)
        return false;
    if (pnValue != nullptr)
        *pnValue = nValue;
    return true;
}

void Store_Cached_Predicted_Stat(int nTeam, int nSlot, int nCode, int nValue)
{
    if (!g_bCacheOn || !Is_Cached_Code(nCode))
        return;
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    Cache_Cell(nTeam, nSlot, nCode) = nValue;
}

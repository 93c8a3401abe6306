// The built-in tables of the statistics codes: the average season line of
// each position, the yearly passing weight and the grade code of each rating.

#include <cstdint>

#include "league/player.h"
#include "league/player_stats.h"
#include "platform/errors.h"

namespace {

// The average season value of statistics 0-19, by position code 0-42 (base
// positions, then the depth-chart places).
constexpr int AVERAGE_STATS[NUMBER_OF_AVERAGE_POSITIONS][STATS_PER_PERIOD] = {
    {14, 12, 420, 240, 14, 2400, 16, 25, 65, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0},   // 0 QB
    {14, 12, 0, 68, 0, 0, 0, 140, 455, 4, 20, 110, 2, 3, 0, 0, 0, 0, 0, 0},   // 1 RB
    {14, 12, 0, 83, 0, 0, 0, 40, 140, 1, 10, 50, 1, 1, 0, 0, 0, 0, 0, 0},   // 2 FB
    {14, 12, 0, 80, 0, 0, 0, 0, 0, 0, 30, 270, 3, 2, 0, 0, 0, 0, 0, 0},   // 3 TE
    {14, 12, 0, 63, 0, 0, 0, 2, 10, 0, 50, 600, 5, 2, 30, 540, 0, 30, 240, 0},   // 4 WR
    {14, 11, 0, 0, 9, 0, 0, 115, 550, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},   // 5 T
    {14, 11, 0, 0, 13, 0, 0, 310, 1200, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},   // 6 G
    {14, 11, 0, 0, 17, 0, 0, 195, 680, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},   // 7 C
    {14, 12, 20, 16, 8, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 8 DE
    {14, 12, 19, 18, 5, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 9 DT
    {14, 12, 38, 24, 5, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 10 LB
    {14, 12, 37, 11, 0, 0, 7, 1, 0, 0, 0, 0, 0, 0, 15, 275, 0, 15, 120, 0},   // 11 CB
    {14, 12, 40, 19, 1, 0, 4, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 12 S
    {14, 12, 0, 0, 0, 0, 0, 0, 50, 49, 10, 9, 10, 8, 6, 4, 4, 2, 53, 0},   // 13 K
    {14, 12, 50, 2000, 12, 60, 6, 480, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 14 P
    {14, 12, 0, 63, 0, 0, 0, 2, 10, 0, 60, 550, 5, 2, 25, 450, 0, 20, 170, 0},   // 15
    {14, 12, 0, 63, 0, 0, 0, 2, 10, 0, 40, 480, 5, 2, 30, 540, 0, 30, 240, 0},   // 16
    {14, 12, 0, 63, 0, 0, 0, 2, 10, 0, 50, 400, 5, 2, 20, 360, 0, 35, 290, 0},   // 17
    {14, 12, 0, 63, 0, 0, 0, 1, 5, 0, 10, 100, 1, 0, 40, 750, 0, 40, 360, 0},   // 18
    {14, 12, 0, 63, 0, 0, 0, 1, 5, 0, 20, 200, 2, 0, 30, 500, 0, 30, 220, 0},   // 19
    {14, 12, 0, 63, 0, 0, 0, 1, 5, 0, 20, 200, 2, 0, 30, 500, 0, 30, 220, 0},   // 20
    {14, 11, 0, 0, 9, 0, 0, 115, 550, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},   // 21
    {14, 11, 0, 0, 13, 0, 0, 310, 1200, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},   // 22
    {14, 11, 0, 0, 13, 0, 0, 310, 1200, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},   // 23
    {14, 11, 0, 0, 9, 0, 0, 115, 550, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},   // 24
    {14, 11, 0, 0, 17, 0, 0, 195, 680, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},   // 25
    {14, 12, 20, 16, 8, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 26
    {14, 12, 19, 18, 5, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 27
    {14, 12, 18, 20, 4, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 28
    {14, 12, 19, 18, 5, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 29
    {14, 12, 20, 16, 8, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 30
    {14, 12, 42, 28, 2, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 31
    {14, 12, 40, 26, 3, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 32
    {14, 12, 35, 20, 7, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 33
    {14, 12, 40, 26, 3, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 34
    {14, 12, 40, 26, 3, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 35
    {14, 12, 35, 20, 7, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 36
    {14, 12, 35, 20, 7, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 37
    {14, 12, 37, 11, 0, 0, 7, 1, 0, 0, 0, 0, 0, 0, 15, 275, 0, 15, 120, 0},   // 38
    {14, 12, 37, 11, 0, 0, 7, 1, 0, 0, 0, 0, 0, 0, 15, 275, 0, 15, 120, 0},   // 39
    {14, 12, 38, 13, 1, 0, 6, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 40
    {14, 12, 40, 19, 1, 0, 4, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 41
    {14, 12, 40, 19, 1, 0, 4, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // 42
};

// The passing weight of the years 1950-2025.
constexpr int YEAR_VALUE_FIRST_YEAR = 1950;
constexpr int YEAR_VALUES[] = {
    1106, 1102, 1228, 1339, 1497, 1118, 977, 1098, 1277, 1182,      // 1950
    1282, 1373, 1539, 1470, 1401, 1523, 1474, 1493, 1329, 1455,     // 1960
    1341, 1197, 1091, 976, 1150, 1119, 1009, 986, 1120, 1331,       // 1970
    1537, 1570, 1693, 1577, 1662, 1637, 1732, 1646, 1653, 1829,     // 1980
    1710, 1849, 1698, 1823, 2049, 2042, 1904, 1785, 1819, 1993,     // 1990
    1838, 1841, 1828, 1701, 1805, 1809, 1746, 1932, 1822, 1872,     // 2000
    1936, 1961, 1995, 2087, 2127, 2305, 2284, 2107, 2139, 2144,     // 2010
    2081, 2081, 2081, 2081, 2081, 2081,                             // 2020-2025
};
constexpr int YEAR_VALUE_COUNT = static_cast<int>(sizeof(YEAR_VALUES) / sizeof(YEAR_VALUES[0]));
static_assert(YEAR_VALUE_COUNT == 76);

// The grade code of ratings 0-26.
constexpr int RATING_GRADE_CODES[NUMBER_OF_RATINGS] = {
    208, 209,                  // Health, Durability
    200, 201, 202, 203, 204,   // Accuracy, Distance, Control, Red Zone, Mobility
    227, 228, 229, 230,        // Speed, Power, Quickness, Vision
    206, 207,                  // Receiving, Hands
    231, 232,                  // Kick Returns, Punt Returns
    210, 211, 212,             // Pass Blocking, Run Blocking, Discipline
    215, 216, 217, 218, 219,   // Run Defense, Pass Rush, Pass Coverage, Turnovers, Tackling
    220, 221, 223, 222,        // FG Accuracy, FG Distance, Punt Accuracy, Punt Distance
};

}  // namespace

int Get_Average_Stat(int nPosition, int nStat)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_AVERAGE_POSITIONS) {
        Report_Error("Invalid nPosition passed to %s([%d],%d)", __func__, nPosition, nStat);
        return 0;
    }
    if (nStat < 0 || nStat >= STATS_PER_PERIOD) {
        Report_Error("Invalid nStat passed to %s(%d,[%d])", __func__, nPosition, nStat);
        return 0;
    }
    return AVERAGE_STATS[nPosition][nStat];
}

int Get_Historical_Year_Value(int nYear)
{
    auto T = [](int64_t nIndex) {
        if (nIndex < 0)
            nIndex = 0;
        if (nIndex >= YEAR_VALUE_COUNT)
            nIndex = YEAR_VALUE_COUNT - 1;
        return YEAR_VALUES[nIndex];
    };
    int64_t i = static_cast<int64_t>(nYear) - YEAR_VALUE_FIRST_YEAR;
    return (T(i + 1) + 2 * T(i) + T(i - 1)) / 4;
}

int Get_Rating_Grade_Code(int nRating)
{
    if (nRating < 0 || nRating >= NUMBER_OF_RATINGS)
        return -1;
    return RATING_GRADE_CODES[nRating];
}

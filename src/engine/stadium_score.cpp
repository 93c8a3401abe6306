// The stadium score, from the stadium's stored quality values.
#include "engine/stadium_score.h"

#include <cstdint>

#include "base/int_math.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

constexpr int STADIUM_QUALITY_A = 5;
constexpr int STADIUM_QUALITY_B = 6;
constexpr int STADIUM_QUALITY_C = 7;

}  // namespace

int Get_Team_Stadium_Score(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return 0;
    // Stored values come from files; the sum is taken in 64 bits.
    const int64_t nA = Get_Team_Stadium_Stat(nTeam, STADIUM_QUALITY_A);
    const int64_t nB = Get_Team_Stadium_Stat(nTeam, STADIUM_QUALITY_B);
    const int64_t nC = Get_Team_Stadium_Stat(nTeam, STADIUM_QUALITY_C);
    int64_t nScore = (2 * (nA + nB) + nC) / 5;
    return Clamp_To_Int(nScore);
}

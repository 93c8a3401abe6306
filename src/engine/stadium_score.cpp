// The stadium score. The engine's full stadium model comes with the game
// simulation; this is the score of the stadium's stored quality values.
#include "engine/stadium_score.h"

#include <cstdint>

#include "base/int_math.h"
#include "league/league_data.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

constexpr int STADIUM_QUALITY_A = 5;
constexpr int STADIUM_QUALITY_B = 6;
constexpr int STADIUM_QUALITY_C = 7;

}  // namespace

int Get_Team_Stadium_Score(int nTeam)
{
    if (!Check_Team_Index("Get_Team_Stadium_Score", nTeam))
        return 0;
    const int32_t* nStat = League.Team[nTeam].nStadiumStat;
    // Stored values come from files; the sum is taken in 64 bits.
    int64_t nScore = (2 * (static_cast<int64_t>(nStat[STADIUM_QUALITY_A]) + nStat[STADIUM_QUALITY_B]) +
                      nStat[STADIUM_QUALITY_C]) / 5;
    return Clamp_To_Int(nScore);
}

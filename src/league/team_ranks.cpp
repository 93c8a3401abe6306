// The power score, the ranking score and the ranks built on them.
#include "league/team_ranks.h"

#include <cstdint>

#include "base/int_math.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player_stats.h"
#include "base/random.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "league/team_strength.h"
#include "platform/errors.h"

namespace {


// Whether the team holds players. A value outside 0-40 other than NO_TEAM
// is a caller's mistake and is reported.
bool Rank_Team_Ok(const char* szFunction, int nTeam)
{
    if (nTeam >= 0 && nTeam <= LAST_TEAM)
        return Is_Valid_Team(nTeam) != 0;
    if (nTeam != NO_TEAM)
        Report_Error("nTeam out of bounds in %s([%d])", szFunction, nTeam);
    return false;
}

int Power_Score(int nTeam)
{
    // The era's passing weight: 24 of 50 when the yearly value is 1000,
    // approaching 48 as passing takes over the game.
    const int e = Get_Historical_Year_Value(Get_Current_Year());
    const int64_t w = Mul_Div_Rounded(48, e, e + 1000);

    const int64_t R = Get_Team_Run_Rating(nTeam);
    const int64_t P = Get_Team_Pass_Rating(nTeam);
    const int64_t RD = Get_Team_Run_Defense_Rating(nTeam);
    const int64_t PD = Get_Team_Pass_Defense_Rating(nTeam);
    const int64_t ST = Get_Team_Special_Teams_Rating(nTeam);

    const int64_t B = (R * (50 - w) + P * w + RD * (50 - w) + PD * w + 3 * ST) / 11;
    return Clamp_To_Int(B + 3 * static_cast<int64_t>(Get_Team_Starters_Score(nTeam)));
}

int Game_Points(int nTeam)
{
    const int64_t PS = Power_Score(nTeam);
    const int W = Get_Team_Current_Yearly_Char(nTeam, YEARLY_WINS);
    const int L = Get_Team_Current_Yearly_Char(nTeam, YEARLY_LOSSES);
    const int64_t PF = Get_Team_Game_Points(nTeam, 1);
    const int64_t PA = Get_Team_Game_Points(nTeam, 0);

    // Recent form: a win in the last game counts three times (last 1, 3
    // and 5), one three or more games back once or twice.
    auto Recent = [nTeam](int n, int nKind) { return Get_Team_Recent_Record_Stat(nTeam, n, nKind); };
    const int64_t F = Recent(5, RECENT_WINS) + Recent(3, RECENT_WINS) + Recent(1, RECENT_WINS)
        + 2 * static_cast<int64_t>(W - L) - Recent(1, RECENT_LOSSES) - Recent(3, RECENT_LOSSES)
        - Recent(5, RECENT_LOSSES);

    return Clamp_To_Int(PS + 15 * F + 2 * (PF - PA));
}

int64_t Offense_Value(int nTeam)
{
    return 3 * static_cast<int64_t>(Get_Team_Run_Rating(nTeam)) + 7 * static_cast<int64_t>(Get_Team_Pass_Rating(nTeam));
}

int64_t Defense_Value(int nTeam)
{
    return 4 * static_cast<int64_t>(Get_Team_Run_Defense_Rating(nTeam))
        + 6 * static_cast<int64_t>(Get_Team_Pass_Defense_Rating(nTeam));
}

// The number of team slots 0 .. Count_Teams() - 1 whose value, computed
// afresh, is strictly greater than V. The club asked about is among them
// and never counts against itself.
template <typename VALUE>
int Count_Better_Teams(int64_t V, VALUE Value_Of)
{
    const int n = Count_Teams();
    int nRank = 0;
    for (int i = 0; i < n && i < MAX_FRANCHISES; ++i)
        if (Value_Of(i) > V)
            ++nRank;
    return nRank;
}

}  // namespace

int Get_Team_Power_Score(int nTeam)
{
    if (!Rank_Team_Ok(__func__, nTeam))
        return 0;
    return Power_Score(nTeam);
}

int Sum_Team_Game_Points(int nTeam)
{
    if (!Rank_Team_Ok(__func__, nTeam))
        return 0;
    return Game_Points(nTeam);
}

int Get_Team_Power_Rank(int nTeam)
{
    if (!Rank_Team_Ok(__func__, nTeam))
        return 0;
    return Count_Better_Teams(Power_Score(nTeam), [](int t) { return static_cast<int64_t>(Get_Team_Power_Score(t)); });
}

int Get_Team_Points_Rank(int nTeam)
{
    if (!Rank_Team_Ok(__func__, nTeam))
        return 0;
    return Count_Better_Teams(Game_Points(nTeam), [](int t) { return static_cast<int64_t>(Sum_Team_Game_Points(t)); });
}

int Get_Team_Offense_Rank(int nTeam)
{
    if (!Rank_Team_Ok(__func__, nTeam))
        return 0;
    return Count_Better_Teams(Offense_Value(nTeam), Offense_Value);
}

int Get_Team_Defense_Rank(int nTeam)
{
    if (!Rank_Team_Ok(__func__, nTeam))
        return 0;
    return Count_Better_Teams(Defense_Value(nTeam), Defense_Value);
}

int Get_Team_Rating_Rank(int nTeam, int nCode)
{
    if (nTeam < 0 || nTeam > LAST_TEAM) {
        if (nTeam != NO_TEAM)
            Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, nCode);
        return 0;
    }
    // Any other code gives every team the value 0: nobody is ahead.
    if (nCode < TEAM_RATING_RUNNING || nCode > TEAM_RATING_SPECIAL_TEAMS)
        return 0;
    return Count_Better_Teams(Get_Team_Strength_By_Code(nTeam, nCode),
                              [nCode](int t) { return static_cast<int64_t>(Get_Team_Strength_By_Code(t, nCode)); });
}

namespace {

// The original rounding of a x b / c, kept for the rank score only: ties of a
// negative quotient go one step further down (-7 / 32 gives -1, where the
// sound rounding used elsewhere gives 0), and the score table depends on it.
int64_t Mul_Div_Rounded_Down_Negative(int64_t a, int64_t b, int64_t c)
{
    if (a == 0)
        return 0;
    int64_t q = c == 0 ? 0 : (a * b + c / 2) / c;
    if (c != 0 && b % c == 0)
        return q;
    int nNegative = (a < 0) + (b < 0) + (c < 0);
    return nNegative == 1 || nNegative == 3 ? q - 1 : q;
}

}  // namespace

int Scale_Rank_To_Score(int nRank)
{
    int64_t n = Count_Teams();
    int64_t x = n - 2 * static_cast<int64_t>(nRank) - 1;
    int64_t nScore = Mul_Div_Rounded_Down_Negative(7, x, n) + 7;
    if (nScore < 0)
        return 0;
    if (nScore > 14)
        return 14;
    return static_cast<int>(nScore);
}

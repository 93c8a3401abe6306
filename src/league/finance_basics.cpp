// The money figures that the financial statistics read on every call. They
// follow the team-finance formulas exactly; the rest of the team finances
// (prices, game-day sales, dividends, franchise value) builds on them.
#include "league/finance_basics.h"

#include <cstdint>

#include "league/cities.h"
#include "league/inflation.h"
#include "base/int_math.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "base/random.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

constexpr int FAN_INCOME_OFFSET = 25000;      // dollars added to the city's fan income
constexpr int OPERATING_COST_FACTOR = 20;

}  // namespace

int Get_Inflated_Base_Amount()
{
    return Apply_Inflation(FINANCE_BASE_AMOUNT);
}

int Get_Stadium_Scaled_Amount(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return 0;
    // City incomes come from an editable file; the product is taken in 64 bits.
    int64_t nIncome = Get_Team_City_Stat(nTeam, CITY_STAT_INCOME);
    return Apply_Inflation(Clamp_To_Int((nIncome + FAN_INCOME_OFFSET) * OPERATING_COST_FACTOR));
}

int Get_Team_Per_Game_Payroll(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return 0;
    int nGames = Get_Games_Per_Season();
    int64_t nSum = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; s++) {
        const PLAYER& Player = League.Team[nTeam].Player[s];
        if (Player.nVital[VITAL_PLAYER_ID] == 0)
            continue;
        // A season without games pays nothing per game (Mul_Div_Rounded's 0).
        nSum += Mul_Div_Rounded(Player.nVital[VITAL_SALARY], 1000, nGames);
    }
    return Clamp_To_Int(nSum);
}

// The money figures that the financial statistics read on every call. They
// follow the team-finance formulas exactly; the rest of the team finances
// (prices, game-day sales, dividends, franchise value) builds on them.
#include "league/finance_basics.h"

#include <cstdint>
#include <limits>

#include "league/cities.h"
#include "league/inflation.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/random.h"
#include "platform/errors.h"

namespace {

constexpr int FAN_INCOME_OFFSET = 25000;      // dollars added to the city's fan income
constexpr int OPERATING_COST_FACTOR = 20;

bool Is_Team_Index(int nTeam)
{
    return nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS;
}

int Clamp_To_Int(int64_t n)
{
    if (n > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (n < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(n);
}

}  // namespace

int Get_Inflated_Base_Amount()
{
    return Apply_Inflation(FINANCE_BASE_AMOUNT);
}

int Get_Stadium_Scaled_Amount(int nTeam)
{
    if (!Is_Team_Index(nTeam)) {
        Report_Error("nTeam out of bounds in Get_Stadium_Scaled_Amount([%d])", nTeam);
        return 0;
    }
    // City incomes come from an editable file; the product is taken in 64 bits.
    int64_t nIncome = Get_Team_City_Stat(nTeam, CITY_STAT_INCOME);
    return Apply_Inflation(Clamp_To_Int((nIncome + FAN_INCOME_OFFSET) * OPERATING_COST_FACTOR));
}

int Get_Team_Per_Game_Payroll(int nTeam)
{
    if (!Is_Team_Index(nTeam)) {
        Report_Error("nTeam out of bounds in Get_Team_Per_Game_Payroll([%d])", nTeam);
        return 0;
    }
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

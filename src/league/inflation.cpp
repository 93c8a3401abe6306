// The league's money level: the conversion of every 2023-level amount. The
// factor itself is kept by Update_Inflation_Factor (league/salary_cap.h).
#include "league/inflation.h"

#include "league/league_data.h"
#include "base/random.h"

int Apply_Inflation(int nAmount)
{
    return Mul_Div_Rounded(nAmount, League.Universe.nStat[INFLATION_FACTOR], 1000);
}

// The league's money level. The rest of the finances come with the team
// finances; this is the conversion the player record needs.
#include "league/inflation.h"

#include "league/league_data.h"
#include "league/random.h"

int Apply_Inflation(int nAmount)
{
    return Mul_Div_Rounded(nAmount, League.Universe.nStat[INFLATION_FACTOR], 1000);
}

// Franchise moves and expansion.
#include "season/franchise_moves.h"

void Apply_Franchise_Changes(int nYear)
{
    (void)nYear;
}

void Run_League_Expansion(int nYear)
{
    (void)nYear;
}

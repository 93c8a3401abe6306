#include "gamefile/new_universe.h"

// Stand-in until the set-up chain is in.
void Setup_New_Universe(int) {}

// The college draft's pool and order.
#pragma once

// False when the college draft is over (the draft round, preference 36, is 7
// or more) or the college pools are empty; true while college players remain.
bool Check_Draft_Pool();
// Rebuilds the college pools (teams 38-40): every prospect's season lines are
// erased and his record cleared. Rule now: the pools are left empty (no new
// class of prospects is drawn).
void Prepare_Draft_Pool();
// Fills the draft order (the franchise picking i-th) from the standings:
// teams out of the playoffs first, worst record first; then by playoff round
// reached; the worse overall place first within equal records.
void Set_Draft_Order();

// The college draft's pool and order, as the game file and the league records
// need them. The draft itself (its picks, the rookie classes, the draft
// report) comes with the season cycle; these hold its state meanwhile.
#pragma once

// 0 when the college draft is over (the draft round, preference 36, is 7 or
// more) or the college pools are empty; 1 while college players remain.
int Check_Draft_Pool();
// Rebuilds the college pools (teams 38-40): every prospect's season lines are
// erased and his record cleared. Filling them with a new class comes with the
// rookie generator.
void Prepare_Draft_Pool();
// Fills the draft order (the franchise picking i-th) from the standings:
// teams out of the playoffs first, worst record first; then by playoff round
// reached; the worse overall place first within equal records.
void Set_Draft_Order();

// The season's standings: the playoff field they give.
#pragma once

// Clears the bracket and seeds it from the standings as they stand (the
// division rows of the last Clear_Standings_Order and the standings keys).
// Each league in use sends its division leaders and the wild cards (at most
// eight): leaders first by standings key (the earlier division on equal
// keys), then the wild cards by key among the league's other teams (the
// earlier team on equal keys). Each seeded team's team stat 9 becomes its
// seed + 1. Under the old second-round rule, division rivals are kept apart.
void Update_Standings();

// The season's standings: the team stats that follow from the results.
#pragma once

// Recomputes the standings-related team stats.
void Update_Standings();

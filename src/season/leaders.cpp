// The leader lists and all-time leader tables.
//
// The tables are kept as the league file holds them; merging the league's
// own players into them, and relinking their entries, arrive with the
// leaders pages of the season cycle.

#include "season/leaders.h"

#include "platform/errors.h"

namespace {
constexpr int FIRST_LEADER_MODE = 2;
constexpr int LAST_LEADER_MODE = 5;
}  // namespace

int Update_Leader_Lists(int nMode)
{
    if (nMode < FIRST_LEADER_MODE || nMode > LAST_LEADER_MODE)
        Report_Error("WTF?");
    return 1;
}

void Build_All_Time_Leader_Tables()
{
}
